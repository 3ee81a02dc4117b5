#pragma once

// The fixture of the "Gerar Protocolo" tests: the process created by name on
// the sample office of November 2026, the panel filled as the user fills it,
// and its two grids read back as lines.

#include <QString>
#include <QStringList>

#include "mVoxDPGerarProtocolo_U.h"
#include "mVoxPkTeste_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

// What the user sets on the panel; the default lists every tax-debit type
// of November, one proposal per type, debits without a protocol only.
// "Tipo Folha" is left as it stands when TipoFolha is empty.
struct TnGeracao {
  QString Tipos = "1;2;3;4;5;9;10";
  QString Forma = "2";
  QString Empresas = "";
  QString Estabs = "";
  QString Listar = "0";
  QString TipoData = "1";
  QString Inicio = "01/11/2026";
  QString Fim = "30/11/2026";
  QString TipoFolha = "";
};

class TmVoxGerarProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FProcesso = Novo();
    ASSERT_NE(FProcesso, nullptr);
  }

  static TmVoxDPGerarProtocolo *Novo(const QString &classe = QStringLiteral("TmVoxDPGerarProtocolo")) {
    return dynamic_cast<TmVoxDPGerarProtocolo *>(CriarDM(classe));
  }
  TnpqParamItem *P(const char *nome) { return FProcesso->npqPowerParam().Param(QLatin1String(nome)); }
  void Preencher(const TnGeracao &g) {
    P("pDataInicial")->SetAsString(g.Inicio);
    P("pDataFinal")->SetAsString(g.Fim);
    P("pTipoData")->SetAsString(g.TipoData);
    P("pFormaGer")->SetAsString(g.Forma);
    P("pTipo")->SetAsString(g.Tipos);
    if (!g.TipoFolha.isEmpty()) P("pTipoFolha")->SetAsString(g.TipoFolha);
    P("pListarDebitos")->SetAsString(g.Listar);
    P("pCodigoEmpresa")->SetAsString(g.Empresas);
    P("pCodigoEstab")->SetAsString(g.Estabs);
  }
  // A run as the user starts it; the error it raised, empty when none.
  QString Gerar(const TnGeracao &g = {}) {
    Preencher(g);
    return ErroDe([&] { FProcesso->ExecutarProcesso(); });
  }
  TnClientDataSet &Mestre() { return *FProcesso->ClientDataSet(); }
  TnClientDataSet &Detalhe() { return *FProcesso->ClientDataSetDet(); }

  // "proposal|company|establishment|observation"
  QStringList Propostas() {
    return Linhas(Mestre(), {"CODIGOPROTOCOLO", "CODIGOEMPRESA", "CODIGOESTAB", "OBSERVACAO"});
  }
  // "proposal|sequence|origin key"
  QStringList Itens() { return Linhas(Detalhe(), {"CODIGOPROTOCOLO", "SEQITEMPRO", "CHAVEORIGEM"}); }
  QStringList Arvore() { return FProcesso->MsgTreeLista().Linhas(); }
  // The item of a debit, as a row of "field=value" for the named fields.
  QString Item(const QString &chaveOrigem, const QStringList &campos) {
    TnClientDataSet cursor;
    cursor.CloneCursor(&Detalhe(), true);
    if (!cursor.Locate(QStringLiteral("CHAVEORIGEM"), chaveOrigem)) return QStringLiteral("ausente");
    QStringList valores;
    for (const QString &campo : campos) valores << campo + u'=' + cursor.FieldByName(campo)->AsString();
    return valores.join(u'|');
  }
  // Every item as "<its proposal's fields>|<its fields>", sorted: the
  // sources give their rows in the database's order. A proposal not found
  // shows "?".
  QStringList ItensComProposta(const QStringList &camposProposta, const QStringList &campos) {
    TnClientDataSet mestre;
    mestre.CloneCursor(&Mestre(), true);
    QStringList linhas;
    TnClientDataSet cursor;
    cursor.CloneCursor(&Detalhe(), true);
    for (cursor.First(); !cursor.Eof(); cursor.Next()) {
      QStringList valores;
      const bool achou = mestre.Locate(QStringLiteral("CODIGOPROTOCOLO"),
                                       cursor.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->Value());
      for (const QString &campo : camposProposta)
        valores << (achou ? mestre.FieldByName(campo)->AsString() : QStringLiteral("?"));
      for (const QString &campo : campos) valores << cursor.FieldByName(campo)->AsString();
      linhas << valores.join(u'|');
    }
    linhas.sort();
    return linhas;
  }
  QString Gravar() {
    return ErroDe([&] { FProcesso->actGravarExecute(nullptr); });
  }

  TnParamsSalvosTeste FParams;
  TmVoxDPGerarProtocolo *FProcesso = nullptr;
};
