#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "mVoxDPGerarProtocoloBase_U.h"
#include "mVoxItem_U.h"
#include "mVoxPkTeste_U.h"
#include "mVox_U.h"
#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDateField_U.h"
#include "nDateTimeField_U.h"
#include "nDialogosTeste_U.h"
#include "nFMTBCDField_U.h"
#include "nFraProgresso_U.h"
#include "nFrmGerarProtocolo_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nParamsSalvos_U.h"
#include "nStringField_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

// One proposed item as a source would propose it.
struct TnItemTeste {
  QString Descricao;
  QString Valor = QStringLiteral("100.00");
  QVariant Protocolo;  // the protocol the source row already belongs to
  QString Tabela;      // the debit table the save stamps; empty: AtualizarOrigemItem
  QString Chave;
  QVariant ChaveDebito;
  QString Tipo = QStringLiteral("Débitos Federais");
};

struct TnPropostaTeste {
  int Empresa = 1;
  int Estab = 1;
  QList<TnItemTeste> Itens;
  // Proposal number as an offset from the run's starting number; 0 takes
  // the next one.
  int Deslocamento = 0;
};

// A generation source as the real ones are: it appends the proposals and
// their items through the typed views, and links the items without a debit
// table in AtualizarOrigemItem.
class TmVoxDPGerarProtocoloTeste : public TmVoxDPGerarProtocoloBase {
 public:
  TmVoxDPGerarProtocoloTeste() {
    npqPowerParam().Adicionar({.Alias = "pTexto", .Caption = "Texto", .Padrao = "padrão"});
    SetActionGravar(true);
    SetActionCancelar(true);
  }

  void GerarProtocolo() override {
    const qint64 inicio = CodProtocolo();
    for (const TnPropostaTeste &proposta : Propostas) {
      SetCodigoEmpresa(proposta.Empresa);
      SetCodigoEstab(proposta.Estab);
      SetCodProtocolo(proposta.Deslocamento > 0 ? inicio + proposta.Deslocamento : CodProtocolo() + 1);
      const QDateTime agora = nDMConexao()->Now();
      TmVox &pro = *MapPro();
      ClientDataSet()->Append();
      pro.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
      pro.CODIGOEMPRESA->SetAsInteger(proposta.Empresa);
      pro.CODIGOESTAB->SetAsInteger(proposta.Estab);
      pro.EMPRESA->SetAsString(QStringLiteral("%1 - Empresa %1").arg(proposta.Empresa));
      pro.ESTAB->SetAsString(QStringLiteral("%1 - Filial %1").arg(proposta.Estab));
      pro.DATALCTOPRO->SetAsDateTime(agora);
      pro.TIPOPRO->SetAsInteger(1);
      pro.OBSERVACAO->SetAsString(QStringLiteral("Gerado em teste"));
      pro.DATAHORACADASTRO->SetAsDateTime(agora);
      pro.CODIGOUSUARIO->SetAsInteger(nDMConexao()->CodigoUsuario());
      pro.FORMAENTREGA->SetAsString(QString::number(FormaEntrega()));
      pro.NATUREZAPRO->SetAsString(QStringLiteral("1"));
      pro.CANCELADO->SetAsInteger(0);
      pro.ORIGEMDADO->SetAsInteger(1);
      pro.TODOSSELECIONADOS->SetAsInteger(0);
      ClientDataSet()->Post();
      int sequencia = 0;
      for (const TnItemTeste &dado : proposta.Itens) {
        TmVoxItem &item = *MapProItem();
        ClientDataSetDet()->Append();
        item.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
        item.SEQITEMPRO->SetAsInteger(++sequencia);
        item.TIPODEBITO->SetAsString(dado.Tipo);
        item.DESCRITEM->SetAsString(dado.Descricao);
        item.COMPETENCIA->SetAsDate(QDate(2026, 11, 1));
        item.DATALCTOPRO->SetAsDateTime(agora);
        item.VENCIMENTO->SetAsDate(QDate(2026, 12, 31));
        item.VALOR->SetValue(dado.Valor);
        item.CODIGOIMPOSTO->SetAsInteger(1);
        item.VARIACAOIMPOSTO->SetAsInteger(0);
        item.PROTOCOLO->SetValue(dado.Protocolo);
        item.CANCELADO->SetAsInteger(0);
        item.CHAVEORIGEM->SetAsString(QStringLiteral("CTR;%1").arg(sequencia));
        item.CHAVEDEBITO->SetValue(dado.ChaveDebito);
        item.CODIGOUSUARIO->SetAsInteger(nDMConexao()->CodigoUsuario());
        item.DATAHORACADASTRO->SetAsDateTime(agora);
        item.ORIGEMDADO->SetAsInteger(1);
        item.GERAR->SetAsInteger(0);
        item.TABELA->SetAsString(dado.Tabela);
        item.TABELACHAVE->SetAsString(dado.Chave);
        item.MODULO->SetAsString(QStringLiteral("CTR"));
        ClientDataSetDet()->Post();
      }
    }
  }

  void AtualizarOrigemItem(qint64 codigoProtocolo, int seqItem) override {
    Origens.append({codigoProtocolo, seqItem});
    EmTransacao.append(nDMConexao()->EmTransacao());
    if (AoAtualizarOrigem) AoAtualizarOrigem(codigoProtocolo, seqItem);
  }

  QList<TnPropostaTeste> Propostas;
  QList<std::pair<qint64, int>> Origens;
  QList<bool> EmTransacao;
  std::function<void(qint64, int)> AoAtualizarOrigem;
};

class GerarProtocoloBaseTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FUnidade.Inicializar();
    FProcesso = dynamic_cast<TmVoxDPGerarProtocoloTeste *>(CriarDM(QStringLiteral("TmVoxDPGerarProtocoloTeste")));
    ASSERT_NE(FProcesso, nullptr);
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TmVoxCadastroTeste::TearDown();
  }

  void Executar(QList<TnPropostaTeste> propostas) {
    FProcesso->Propostas = std::move(propostas);
    FProcesso->Executar();
  }
  TnClientDataSet &Mestre() { return *FProcesso->ClientDataSet(); }
  TnClientDataSet &Detalhe() { return *FProcesso->ClientDataSetDet(); }
  // Opens the proposal's row, as the user does, so its items are shown.
  void Abrir(qint64 proposta) {
    ASSERT_TRUE(Mestre().Locate(QStringLiteral("CODIGOPROTOCOLO"), proposta));
    ASSERT_TRUE(FProcesso->DBGridEH()->MostrarRowDetailPanel());
  }
  void MarcarItem(qint64 proposta, int sequencia) {
    Abrir(proposta);
    ASSERT_TRUE(Detalhe().Locate(QStringLiteral("SEQITEMPRO"), sequencia));
    FProcesso->MarcarItem();
  }
  void MarcarProposta(qint64 proposta) {
    ASSERT_TRUE(Mestre().Locate(QStringLiteral("CODIGOPROTOCOLO"), proposta));
    FProcesso->MarcarItensMaster();
  }
  QStringList Propostas() {
    return Linhas(Mestre(), {QStringLiteral("CODIGOPROTOCOLO"), QStringLiteral("TODOSSELECIONADOS")});
  }
  QStringList Itens() {
    return Linhas(Detalhe(),
                  {QStringLiteral("CODIGOPROTOCOLO"), QStringLiteral("SEQITEMPRO"), QStringLiteral("GERAR")});
  }
  int TodosSelecionados(qint64 proposta) {
    TnClientDataSet cursor;
    cursor.CloneCursor(&Mestre(), true);
    EXPECT_TRUE(cursor.Locate(QStringLiteral("CODIGOPROTOCOLO"), proposta));
    return cursor.FieldByName(QStringLiteral("TODOSSELECIONADOS"))->AsInteger();
  }
  QString Gravar() {
    return ErroDe([&] { FProcesso->actGravarExecute(nullptr); });
  }
  static TnItemTeste Item(const char *descricao, const char *valor = "100.00") {
    TnItemTeste item;
    item.Descricao = QString::fromUtf8(descricao);
    item.Valor = QString::fromLatin1(valor);
    return item;
  }
  static TnItemTeste Debito(const char *descricao, const char *tabela, const char *chave, int chaveDebito) {
    TnItemTeste item = Item(descricao);
    item.Tabela = QString::fromLatin1(tabela);
    item.Chave = QString::fromLatin1(chave);
    item.ChaveDebito = chaveDebito;
    return item;
  }
  void InserirProtocolo(qint64 codigo, int empresa = 1) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                     "TIPOPRO, DATAHORACADASTRO, CODIGOUSUARIO, NATUREZAPRO, CANCELADO, ORIGEMDADO) "
                                     "values (:codigo, :empresa, 1, :data, '2', :momento, 2, '1', '0', 2)"),
                      {codigo, empresa, QDate(2026, 11, 30), QDateTime(QDate(2026, 11, 30), QTime(8, 0))});
  }

  TnParamsSalvosTeste FParams;
  TmVoxDPGerarProtocoloTeste *FProcesso = nullptr;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{
        nInfoClasse<TmVoxDPGerarProtocoloTeste>("TmVoxDPGerarProtocoloTeste", "TmVoxDPGerarProtocoloBase")};
  });
};

}  // namespace

// --- the base and its run

TEST_F(GerarProtocoloBaseTeste, TheBaseIsAnAbstractTabProcessThatNamesTheGenerationForm) {
  EXPECT_TRUE(TnRegistro::Instancia().Registrada(QStringLiteral("TmVoxDPGerarProtocoloBase")));
  EXPECT_EQ(CriarDM(QStringLiteral("TmVoxDPGerarProtocoloBase")), nullptr);
  EXPECT_TRUE(FProcesso->InheritsFrom(QStringLiteral("TmVoxDPGerarProtocoloBase")));
  EXPECT_TRUE(FProcesso->InheritsFrom(QStringLiteral("TnDMPowerParamTab")));
  EXPECT_EQ(FProcesso->GetFormClass(), QStringLiteral("TnFrmGerarProtocolo"));
  EXPECT_EQ(FProcesso->npqPowerParam().Caption(), QStringLiteral("Gerar Protocolo"));
}

TEST_F(GerarProtocoloBaseTeste, ARunByCodeBuildsTheFormWithoutPuttingKeptValuesOverTheCallersOnes) {
  FParams->Salvar(QStringLiteral("TmVoxDPGerarProtocoloTeste"), {{QStringLiteral("pTexto"), QStringLiteral("salvo")}});
  FProcesso->npqPowerParam().Param(QStringLiteral("pTexto"))->SetAsString(QStringLiteral("do chamador"));
  Executar({{.Itens = {Item("A")}}});
  ASSERT_NE(FProcesso->FormGerar(), nullptr);
  EXPECT_EQ(FProcesso->Param(QStringLiteral("pTexto")), QStringLiteral("do chamador"));
  // Both typed views found every field of the form's datasets.
  EXPECT_TRUE(FProcesso->MapPro()->Completo());
  EXPECT_TRUE(FProcesso->MapProItem()->Completo());
}

TEST_F(GerarProtocoloBaseTeste, ARunStartsFromTheNextProtocolNumberReplacesEarlierRowsAndEndsUnchanged) {
  InserirProtocolo(41);
  Executar({{.Empresa = 2, .Itens = {Item("A")}}, {.Empresa = 1, .Itens = {Item("B"), Item("C")}}});
  EXPECT_EQ(Propostas(), (QStringList{"42|0", "43|0"}));
  EXPECT_EQ(Itens(), (QStringList{"42|1|0", "43|1|0", "43|2|0"}));
  MarcarItem(42, 1);
  ASSERT_TRUE(FProcesso->TemAlteracao());

  // Proposals listed in any order are shown by their number.
  Executar({{.Itens = {Item("D")}, .Deslocamento = 2}, {.Itens = {Item("E")}, .Deslocamento = 1}});
  EXPECT_EQ(Propostas(), (QStringList{"43|0", "42|0"}));
  EXPECT_EQ(Mestre().FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 42);
  EXPECT_FALSE(Detalhe().Filtered());
  EXPECT_FALSE(FProcesso->DBGridEH()->RowDetailPanelVisivel());
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Mestre().ControlsDisabled());
  EXPECT_FALSE(Detalhe().ControlsDisabled());
}

TEST_F(GerarProtocoloBaseTeste, ARunRefreshesTheOpenProtocolRegisters) {
  TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
  ASSERT_NE(registro, nullptr);
  InserirProtocolo(7);
  Executar({});
  EXPECT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 7));
}

TEST_F(GerarProtocoloBaseTeste, TheInitialValuesComeFromTheProtocolsAndTheEstablishmentsDeliveryForm) {
  InserirProtocolo(9999999990LL);
  FProcesso->SetCodigoEmpresa(2);
  FProcesso->SetCodigoEstab(1);
  FProcesso->PegarValoresIniciais();
  EXPECT_EQ(FProcesso->CodProtocolo(), 9999999990LL);
  EXPECT_EQ(FProcesso->FormaEntrega(), 3);
  // An establishment without configuration is handed its documents.
  FProcesso->SetCodigoEmpresa(3);
  FProcesso->PegarValoresIniciais();
  EXPECT_EQ(FProcesso->FormaEntrega(), 2);
}

TEST_F(GerarProtocoloBaseTeste, TheDescriptionTemplateIsTheTypesOwnAndEmptyForATypeWithoutOne) {
  FProcesso->PegarCfgDescr(1);
  EXPECT_EQ(FProcesso->MascaraDescr(), QStringLiteral("[DESCRPROTOCOLO] - Competência [COMPETENCIA]"));
  FProcesso->PegarCfgDescr(12);
  EXPECT_EQ(FProcesso->MascaraDescr(), QStringLiteral("Boleto [NOSSONUMERO] - Vencimento [DATAVCTOCR]"));
  FProcesso->PegarCfgDescr(99);
  EXPECT_EQ(FProcesso->MascaraDescr(), QString());
  ExecutarSQLDireto(
      QStringLiteral("update CFGTIPOPROTOCOLO set DESCRTIPOPROTOCOLO = null where CODIGOTIPOPROTOCOLO = 1"));
  FProcesso->PegarCfgDescr(1);
  EXPECT_EQ(FProcesso->MascaraDescr(), QString());
}

TEST_F(GerarProtocoloBaseTeste, LimparParamsINIAlsoEmptiesEveryParameter) {
  FProcesso->SalvarParams();
  FProcesso->LimparParamsINI();
  EXPECT_EQ(FProcesso->Param(QStringLiteral("pTexto")), QString());
  EXPECT_FALSE(FParams->TemParams(QStringLiteral("TmVoxDPGerarProtocoloTeste")));
}

// --- the save

TEST_F(GerarProtocoloBaseTeste, SavingWithNoMarkedItemWritesNothingAndKeepsEveryRow) {
  Executar({{.Itens = {Item("A"), Item("B")}}});
  // Nothing changed: Gravar does nothing at all.
  FProcesso->MsgTree(TnTipoMensagem::Aviso, QStringLiteral("da execução"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FProcesso->MsgTreeLista().Contar(), 0);

  MarcarItem(1, 1);
  MarcarItem(1, 1);
  ASSERT_TRUE(FProcesso->TemAlteracao());
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 0);
  EXPECT_EQ(Propostas(), (QStringList{"1|0"}));
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0"}));
  EXPECT_EQ(FProcesso->MsgTreeLista().Contar(), 0);
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

TEST_F(GerarProtocoloBaseTeste, TwoMarkedOfThreeItemsBecomeOneProtocolNumberedFromOneAndTheThirdStaysWithItsMaster) {
  TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
  QString textoProgresso;
  int maximoProgresso = -1;
  const TnFraProgresso::TnAoCriar anterior = TnFraProgresso::SetAoCriar([&](TnFraProgresso &frame) {
    frame.Observar([&](TnFraProgresso &f, TnEventoProgresso evento) {
      if (evento != TnEventoProgresso::Alterado || !f.Visivel()) return;
      textoProgresso = f.Total().Texto;
      maximoProgresso = f.Total().Maximo;
    });
  });
  // Establishment 2/1 gets its documents over the internet.
  FProcesso->SetCodigoEmpresa(2);
  FProcesso->SetCodigoEstab(1);
  Executar({{.Empresa = 2, .Itens = {Item("Guia A", "100.10"), Item("Guia B", "200.20"), Item("Guia C", "0.30")}}});
  MarcarItem(1, 1);
  MarcarItem(1, 3);
  // The screen's datasets log no change; a save logs its own only while it
  // may fail.
  Detalhe().SetnLogChanges(true);
  const QString erro = Gravar();
  TnFraProgresso::SetAoCriar(anterior);
  ASSERT_EQ(erro, QString());

  EXPECT_EQ(textoProgresso, QStringLiteral("Gerando Protocolos..."));
  EXPECT_EQ(maximoProgresso, 3);
  EXPECT_EQ(FProcesso->Progresso(), nullptr);
  auto protocolo = ExecutarSQL(QStringLiteral(
      "select CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, DATAHORACADASTRO, "
      "CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, CANCELADO, ORIGEMDADO, DATAHORABAIXA from PROTOCOLO"));
  ASSERT_EQ(protocolo->RecordCount(), 1);
  auto p = [&](const char *nome) { return protocolo->FieldByName(QLatin1String(nome)); };
  EXPECT_EQ(p("CODIGOPROTOCOLO")->AsLargeInt(), 1);
  EXPECT_EQ(p("CODIGOEMPRESA")->AsInteger(), 2);
  EXPECT_EQ(p("CODIGOESTAB")->AsInteger(), 1);
  EXPECT_EQ(p("DATALCTOPRO")->AsDate(), QDate(2026, 12, 1));
  EXPECT_EQ(p("TIPOPRO")->AsString(), QStringLiteral("1"));
  EXPECT_EQ(p("OBSERVACAO")->AsString(), QStringLiteral("Gerado em teste"));
  EXPECT_EQ(p("DATAHORACADASTRO")->AsDateTime(), QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
  EXPECT_EQ(p("CODIGOUSUARIO")->AsInteger(), 1);
  EXPECT_EQ(p("FORMAENTREGA")->AsString(), QStringLiteral("3"));
  EXPECT_EQ(p("NATUREZAPRO")->AsString(), QStringLiteral("1"));
  EXPECT_EQ(p("CANCELADO")->AsString(), QStringLiteral("0"));
  EXPECT_EQ(p("ORIGEMDADO")->AsInteger(), 1);
  EXPECT_TRUE(p("DATAHORABAIXA")->IsNull());

  auto itens = ExecutarSQL(QStringLiteral(
      "select CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, VALOR, COMPETENCIA, DATALCTOPRO, VENCIMENTO, CODIGOIMPOSTO, "
      "VARIACAOIMPOSTO, CODIGODOCEMP, CODIGOFUNCCONTR, CANCELADO, CHAVEORIGEM, ORIGEMDADO from PROTOCOLOITEM "
      "order by SEQITEMPRO"));
  QStringList gravados;
  for (itens->First(); !itens->Eof(); itens->Next()) {
    QStringList valores;
    // The value exactly as stored, not as shown.
    for (int i = 0; i < itens->FieldCount(); ++i)
      valores << (itens->Fields(i)->FieldName().compare(QLatin1String("VALOR"), Qt::CaseInsensitive) == 0
                      ? itens->Fields(i)->Value().toString()
                      : itens->Fields(i)->AsString());
    gravados << valores.join(u'|');
  }
  EXPECT_EQ(gravados, (QStringList{"1|1|Guia A|100.10|01/11/2026|01/12/2026|31/12/2026|1|0|||0|CTR;1|1",
                                   "1|2|Guia C|0.30|01/11/2026|01/12/2026|31/12/2026|1|0|||0|CTR;3|1"}));

  // The unmarked item stays, with its proposal.
  EXPECT_EQ(Propostas(), (QStringList{"1|0"}));
  EXPECT_EQ(Itens(), (QStringList{"1|2|0"}));
  EXPECT_EQ(FProcesso->MsgTreeLista().Linhas(),
            (QStringList{"5 Protocolo 1 gerado com sucesso para a Empresa 2 - Empresa 2, Filial 1 - Filial 1",
                         "  5 Débitos Federais - Guia A", "  5 Débitos Federais - Guia C"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Mestre().ControlsDisabled());
  // What the save took off the screen is final, and each dataset logs
  // changes again as it did before it.
  EXPECT_EQ(Mestre().ChangeCount(), 0);
  EXPECT_EQ(Detalhe().ChangeCount(), 0);
  EXPECT_FALSE(Mestre().nLogChanges());
  EXPECT_TRUE(Detalhe().nLogChanges());
  Detalhe().CancelUpdates();
  EXPECT_EQ(Itens(), (QStringList{"1|2|0"}));
  // The open protocol register shows the new protocol.
  EXPECT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
}

TEST_F(GerarProtocoloBaseTeste, ProposalsGet64BitNumbersReadAtSaveTimeConsecutivelyInProposalOrder) {
  // Listed out of order: proposal 2 (company 2) first, then proposal 1.
  Executar({{.Empresa = 2, .Itens = {Item("B")}, .Deslocamento = 2},
            {.Empresa = 1, .Itens = {Item("A")}, .Deslocamento = 1}});
  MarcarProposta(2);
  MarcarProposta(1);
  // Another user took a number after the listing, beyond 32 bits.
  InserirProtocolo(9999999990LL, 3);
  ASSERT_EQ(Gravar(), QString());
  auto gravados = ExecutarSQL(
      QStringLiteral("select P.CODIGOPROTOCOLO, P.CODIGOEMPRESA, I.DESCRITEM from PROTOCOLO P join PROTOCOLOITEM I on "
                     "I.CODIGOPROTOCOLO = P.CODIGOPROTOCOLO order by P.CODIGOPROTOCOLO"));
  QStringList linhas;
  for (gravados->First(); !gravados->Eof(); gravados->Next())
    linhas << QStringLiteral("%1|%2|%3")
                  .arg(gravados->Fields(0)->AsString(), gravados->Fields(1)->AsString(),
                       gravados->Fields(2)->AsString());
  EXPECT_EQ(linhas, (QStringList{"9999999991|1|A", "9999999992|2|B"}));
  EXPECT_TRUE(Mestre().IsEmpty());
  EXPECT_TRUE(Detalhe().IsEmpty());
}

TEST_F(GerarProtocoloBaseTeste, ADebitItemStampsItsTableByKeyAndCompanyOnlyAndAnItemWithoutTableGoesToTheChild) {
  // The federal debit 3 of company 2 belongs to establishment 2: the stamp
  // does not look at the establishment; company 1 has a debit 3 as well.
  Executar({{.Empresa = 2,
             .Estab = 1,
             .Itens = {Debito("IRPJ", "DEBITOFEDERAL", "FED", 3), Item("Boleto"),
                       Debito("Sindical", "DEBITOSINDICAL", "SIND", 1)}}});
  MarcarProposta(1);
  ASSERT_EQ(Gravar(), QString());
  auto protocoloDe = [&](const char *tabela, const char *chave, int empresa, int numero) {
    return Valor(QStringLiteral("select CODIGOPROTOCOLO from %1 where CODIGOEMPRESA = %2 and CHAVEDEBITO%3 = %4")
                     .arg(QLatin1String(tabela))
                     .arg(empresa)
                     .arg(QLatin1String(chave))
                     .arg(numero));
  };
  EXPECT_EQ(protocoloDe("DEBITOFEDERAL", "FED", 2, 3).toLongLong(), 1);
  EXPECT_TRUE(protocoloDe("DEBITOFEDERAL", "FED", 1, 3).isNull());
  EXPECT_EQ(protocoloDe("DEBITOSINDICAL", "SIND", 2, 1).toLongLong(), 1);
  EXPECT_TRUE(protocoloDe("DEBITOSINDICAL", "SIND", 1, 1).isNull());
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 1);
  // Only the item without a table, with its new number and sequence, inside
  // the save's transaction.
  EXPECT_EQ(FProcesso->Origens, (QList<std::pair<qint64, int>>{{1, 2}}));
  EXPECT_EQ(FProcesso->EmTransacao, (QList<bool>{true}));
}

TEST_F(GerarProtocoloBaseTeste, ADebitNoLongerFreeAtSaveTimeFailsTheWholeSaveNamingTheItem) {
  Executar({{.Empresa = 1, .Itens = {Debito("COFINS", "DEBITOFEDERAL", "FED", 4)}},
            {.Empresa = 2,
             .Itens = {Debito("IRPJ", "DEBITOFEDERAL", "FED", 1), Debito("CSLL", "DEBITOFEDERAL", "FED", 2)}}});
  MarcarProposta(1);
  MarcarProposta(2);
  const QString livre =
      QStringLiteral("não está mais livre: foi protocolado por outro usuário depois da listagem, ou excluído.");

  // Another user protocolled company 2's debit 1 after the listing.
  ExecutarSQLDireto(
      QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 900 where CODIGOEMPRESA = 2 and CHAVEDEBITOFED = 1"));
  EXPECT_EQ(Gravar(), QStringLiteral("Empresa: 2\r\nFilial: 1\r\nProtocolo: 2\r\nDébitos Federais: O débito \"IRPJ\" "
                                     "(DEBITOFEDERAL, chave 1) ") +
                          livre);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 1);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOPROTOCOLO from DEBITOFEDERAL where CODIGOEMPRESA = 2 and "
                                 "CHAVEDEBITOFED = 1"))
                .toLongLong(),
            900);

  // Free again, but the other debit was deleted meanwhile.
  ExecutarSQLDireto(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = null"));
  ExecutarSQLDireto(QStringLiteral("delete from DEBITOFEDERAL where CODIGOEMPRESA = 2 and CHAVEDEBITOFED = 2"));
  EXPECT_EQ(Gravar(), QStringLiteral("Empresa: 2\r\nFilial: 1\r\nProtocolo: 2\r\nDébitos Federais: O débito \"CSLL\" "
                                     "(DEBITOFEDERAL, chave 2) ") +
                          livre);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 0);

  // Without the deleted one, every free debit is stamped once.
  MarcarItem(2, 2);
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 2);
}

// A proposal's items go in a few statements and its debits are stamped per
// table: a long proposal must still come out whole and in order, and the one
// debit that is no longer free must still be the one named.
TEST_F(GerarProtocoloBaseTeste, ALongProposalIsSavedWholeInOrderAndTheDebitNoLongerFreeIsTheOneNamed) {
  constexpr int kItens = 250;
  QList<TnItemTeste> itens;
  for (int n = 1; n <= kItens; ++n) {
    ExecutarSQLDireto(
        QStringLiteral("insert into DEBITOFEDERAL (CODIGOEMPRESA, CHAVEDEBITOFED, CODIGOESTAB, CODIGOIMPOSTO, "
                       "VARIACAOIMPOSTO, DATALCTOCTR, VALORDEBITO, FORMADEBITO) values (2, :c, 1, 1, 0, :l, "
                       "'1.00', 0)"),
        {1000 + n, QDate(2026, 11, 20)});
    itens << Debito(QStringLiteral("D%1").arg(n).toUtf8().constData(), "DEBITOFEDERAL", "FED", 1000 + n);
  }
  Executar({{.Empresa = 2, .Estab = 1, .Itens = itens}});
  MarcarProposta(1);
  const QString livre =
      QStringLiteral("não está mais livre: foi protocolado por outro usuário depois da listagem, ou excluído.");

  // Taken in the second hundred of keys.
  ExecutarSQLDireto(QStringLiteral(
      "update DEBITOFEDERAL set CODIGOPROTOCOLO = 900 where CODIGOEMPRESA = 2 and CHAVEDEBITOFED = 1170"));
  EXPECT_EQ(Gravar(), QStringLiteral("Empresa: 2\r\nFilial: 1\r\nProtocolo: 1\r\nDébitos Federais: O débito \"D170\" "
                                     "(DEBITOFEDERAL, chave 1170) ") +
                          livre);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 1);
  EXPECT_EQ(Detalhe().RecordCount(), kItens);

  ExecutarSQLDireto(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = null"));
  ASSERT_EQ(Gravar(), QString());
  QSqlQuery gravados = nDMConexao()->Executar(
      QStringLiteral("select SEQITEMPRO, DESCRITEM from PROTOCOLOITEM where CODIGOPROTOCOLO = 1 order by SEQITEMPRO"));
  int n = 0;
  while (gravados.next()) {
    ++n;
    EXPECT_EQ(gravados.value(0).toInt(), n);
    EXPECT_EQ(gravados.value(1).toString(), QStringLiteral("D%1").arg(n));
  }
  EXPECT_EQ(n, kItens);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO = 1")), kItens);
}

TEST_F(GerarProtocoloBaseTeste, OneDebitTwiceInAProposalNamesItsSecondItem) {
  Executar({{.Empresa = 2,
             .Estab = 1,
             .Itens = {Debito("IRPJ", "DEBITOFEDERAL", "FED", 1), Debito("CSLL", "DEBITOFEDERAL", "FED", 2),
                       Debito("IRPJ de novo", "DEBITOFEDERAL", "FED", 1)}}});
  MarcarProposta(1);
  EXPECT_EQ(Gravar(), QStringLiteral("Empresa: 2\r\nFilial: 1\r\nProtocolo: 1\r\nDébitos Federais: O débito \"IRPJ de "
                                     "novo\" (DEBITOFEDERAL, chave 1) não está mais livre: foi protocolado por outro "
                                     "usuário depois da listagem, ou excluído."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 0);
}

TEST_F(GerarProtocoloBaseTeste, AnErrorOnTheSecondProtocolRollsEverythingBackNamesItAndKeepsTheScreenForAnotherSave) {
  TnItemTeste boleto = Item("Boleto 123");
  boleto.Tipo = QStringLiteral("Boletos");
  Executar({{.Empresa = 1, .Estab = 1, .Itens = {Debito("IRPJ", "DEBITOFEDERAL", "FED", 1), Item("Outro")}},
            {.Empresa = 2, .Estab = 1, .Itens = {boleto, Item("Nota")}}});
  MarcarItem(1, 1);
  MarcarProposta(2);
  MarcarItem(2, 2);
  Abrir(2);
  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("SEQITEMPRO"), 1));
  const QStringList propostas = Propostas();
  const QStringList itens = Itens();
  const QString filtro = Detalhe().Filter();
  FProcesso->AoAtualizarOrigem = [](qint64, int) { throw Exception(QStringLiteral("Boleto já baixado.")); };

  EXPECT_EQ(Gravar(), QStringLiteral("Empresa: 2\r\nFilial: 1\r\nProtocolo: 2\r\nBoletos: Boleto já baixado."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 0);
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(FProcesso->MsgTreeLista().Contar(), 0);
  EXPECT_EQ(FProcesso->Progresso(), nullptr);
  // The screen as before: every proposal, every mark, the open protocol and
  // its current item, and Gravar still offered.
  EXPECT_EQ(Propostas(), propostas);
  EXPECT_EQ(Itens(), itens);
  EXPECT_TRUE(Detalhe().Filtered());
  EXPECT_EQ(Detalhe().Filter(), filtro);
  EXPECT_EQ(Mestre().FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 2);
  EXPECT_EQ(Detalhe().FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger(), 1);
  EXPECT_TRUE(FProcesso->DBGridEH()->RowDetailPanelVisivel());
  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Mestre().ControlsDisabled());
  EXPECT_FALSE(Detalhe().ControlsDisabled());

  // Corrected, the same screen saves, with the same numbers.
  FProcesso->AoAtualizarOrigem = nullptr;
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 2);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 2")), 1);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOPROTOCOLO from DEBITOFEDERAL where CODIGOEMPRESA = 1 and "
                                 "CHAVEDEBITOFED = 1"))
                .toLongLong(),
            1);
  EXPECT_EQ(Propostas(), (QStringList{"1|0", "2|0"}));
  EXPECT_EQ(Itens(), (QStringList{"1|2|0", "2|2|0"}));
}

TEST_F(GerarProtocoloBaseTeste, ATableNameThatIsNotAPlainNameNeverReachesTheStatement) {
  Executar({{.Itens = {Debito("IRPJ", "DEBITOFEDERAL set CODIGOPROTOCOLO = 0 --", "FED", 1)}}});
  MarcarProposta(1);
  EXPECT_TRUE(Gravar().endsWith(
      QStringLiteral("Nome de tabela ou coluna inválido: 'DEBITOFEDERAL set CODIGOPROTOCOLO = 0 --'.")));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
}

// A writer that does not take the numbering lock (another program) can
// still take a number first; SQLite makes it wait for this save instead.
TEST_F(GerarProtocoloBaseTeste, ANumberTakenByAWriterOutsideTheLockFailsTheSaveSayingWhichAndThatSavingAgainWorks) {
  if (!EhPostgreSQL()) GTEST_SKIP() << "on SQLite every writer waits for the save's write lock";
  Executar(
      {{.Empresa = 1, .Itens = {Debito("IRPJ", "DEBITOFEDERAL", "FED", 1)}}, {.Empresa = 2, .Itens = {Item("B")}}});
  MarcarProposta(1);
  MarcarProposta(2);
  const QStringList itens = Itens();

  // The other user, on a connection of their own, saves protocol 1 after
  // this save read its first number and before it wrote it.
  const TnConfigConexao &config = nDMConexao()->Config();
  const QString nome = QStringLiteral("mvox-outro-usuario");
  QString erroOutro;
  {
    QSqlDatabase outro = QSqlDatabase::addDatabase(
        config.Tipo == TnTipoServidor::PostgreSQL ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), nome);
    if (config.Tipo == TnTipoServidor::PostgreSQL) {
      outro.setHostName(config.Host);
      outro.setPort(config.Porta);
      outro.setUserName(config.Usuario);
      outro.setPassword(config.Senha);
      outro.setDatabaseName(config.Banco);
    } else {
      outro.setDatabaseName(config.Arquivo);
      outro.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    ASSERT_TRUE(outro.open()) << outro.lastError().text().toStdString();
    bool feito = false;
    const TnFraProgresso::TnAoCriar anterior = TnFraProgresso::SetAoCriar([&](TnFraProgresso &frame) {
      frame.Observar([&](TnFraProgresso &f, TnEventoProgresso evento) {
        if (feito || evento != TnEventoProgresso::Alterado || f.Total().Posicao != 1) return;
        feito = true;
        QSqlQuery q(outro);
        if (!q.exec(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                   "TIPOPRO, DATAHORACADASTRO, CODIGOUSUARIO, NATUREZAPRO, CANCELADO, ORIGEMDADO) "
                                   "values (1, 3, 1, '2026-12-01', '2', '2026-12-01 09:00:00', 2, '1', '0', 2)")))
          erroOutro = q.lastError().text();
      });
    });
    const QString erro = Gravar();
    TnFraProgresso::SetAoCriar(anterior);
    ASSERT_TRUE(feito);
    ASSERT_EQ(erroOutro, QString());
    EXPECT_EQ(erro, QStringLiteral("Empresa: 1\r\nFilial: 1\r\nProtocolo: 1\r\nDébitos Federais: O protocolo "
                                   "número 1 acabou de ser gravado por outro usuário. Nada foi gravado: grave "
                                   "novamente e os protocolos receberão os próximos números livres."));
    outro.close();
  }
  QSqlDatabase::removeDatabase(nome);

  // Only the other user's protocol stands; nothing of this save.
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 1);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = 1")).toInt(), 3);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 0);
  EXPECT_EQ(Itens(), itens);

  // Saved again, this save takes the numbers after it.
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = 2")).toInt(), 1);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = 3")).toInt(), 2);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOPROTOCOLO from DEBITOFEDERAL where CODIGOEMPRESA = 1 and "
                                 "CHAVEDEBITOFED = 1"))
                .toLongLong(),
            2);
}

TEST_F(GerarProtocoloBaseTeste, TwoSavesAtOnceBothSucceedWithDistinctConsecutiveNumbers) {
  const TnConfigConexao config = nDMConexao()->Config();
  for (int rodada = 0; rodada < 4; ++rodada) {
    SCOPED_TRACE(rodada);
    Executar({{.Empresa = 1, .Itens = {Item("A")}}, {.Empresa = 2, .Itens = {Item("B")}}});
    for (const QString &linha : Propostas()) MarcarProposta(linha.section(u'|', 0, 0).toLongLong());

    // The other user's save holds the numbering when this one starts, and
    // ends a moment later.
    std::promise<void> travou;
    qint64 numeroOutro = 0;
    QString erroOutro;
    std::thread outro([&] {
      bool avisado = false;
      try {
        TnDMConexao conexao;
        conexao.Conectar(config);
        conexao.StartTransaction();
        conexao.TravarNumeracao(QStringLiteral("PROTOCOLO"));
        {
          QSqlQuery maior = conexao.Executar(QStringLiteral("select max(CODIGOPROTOCOLO) from PROTOCOLO"));
          numeroOutro = (maior.next() ? maior.value(0).toLongLong() : 0) + 1;
        }
        conexao.Executar(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, "
                                        "DATALCTOPRO) values (:n, 3, 1, '2026-12-01')"),
                         {numeroOutro});
        travou.set_value();
        avisado = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        conexao.Commit();
        conexao.Desconectar();
      } catch (const Exception &e) {
        erroOutro = e.message();
        if (!avisado) travou.set_value();
      }
    });
    travou.get_future().wait();
    const QString erro = Gravar();
    outro.join();
    ASSERT_EQ(erroOutro, QString());
    ASSERT_EQ(erro, QString());
    EXPECT_EQ(
        Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = :n"), {numeroOutro}).toInt(),
        3);
    EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = :n"), {numeroOutro + 1})
                  .toInt(),
              1);
    EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = :n"), {numeroOutro + 2})
                  .toInt(),
              2);
    EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 3 * (rodada + 1));
  }
}

TEST_F(GerarProtocoloBaseTeste, ProtocolsAreNumberedInProposalOrderWhateverTheGridsSort) {
  Executar({{.Empresa = 3, .Itens = {Item("C")}},
            {.Empresa = 2, .Itens = {Item("B")}},
            {.Empresa = 1, .Itens = {Item("A")}}});
  for (const QString &linha : Propostas()) MarcarProposta(linha.section(u'|', 0, 0).toLongLong());
  // A click on the company's title sorts the proposals the other way round.
  Mestre().SetIndexFieldNames(QStringLiteral("EMPRESA"));
  ASSERT_EQ(Mestre().FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), 1);
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = 1")).toInt(), 3);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = 2")).toInt(), 2);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOEMPRESA from PROTOCOLO where CODIGOPROTOCOLO = 3")).toInt(), 1);
  EXPECT_EQ(Mestre().IndexFieldNames(), QStringLiteral("EMPRESA"));
}

// --- marking

TEST_F(GerarProtocoloBaseTeste, AnItemThatAlreadyHasAProtocolCanBeMarkedByNoMarkingOperation) {
  TnItemTeste antigo = Item("Antigo");
  antigo.Protocolo = 77;
  Executar({{.Itens = {antigo, Item("Novo")}}});
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);

  MarcarItem(1, 1);
  EXPECT_EQ(dialogos->Textos(),
            (QStringList{"Este item não pode ser selecionado, pois já teve o protocolo 77 gerado."}));
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());

  // Through the item grid's keys and double click, as the user does.
  FProcesso->DBGridEHDet()->PressionarTecla(nTeclaEnter, ssCtrl);
  FProcesso->DBGridEHDet()->DblClick();
  EXPECT_EQ(dialogos->Textos().size(), 3);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0"}));

  // Marking the whole protocol passes it by.
  MarcarProposta(1);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|1"}));
  FProcesso->DesmarcarTodos();
  MarcarProposta(1);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|1"}));
  EXPECT_EQ(dialogos->Textos().size(), 3);

  // Nor does a save write it.
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 1);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0"}));
}

TEST_F(GerarProtocoloBaseTeste, TheAllSelectedFlagFollowsEachMarkingOperation) {
  TnItemTeste antigo = Item("Antigo");
  antigo.Protocolo = 5;
  Executar({{.Itens = {Item("A"), antigo, Item("B")}}, {.Itens = {Item("C")}}});

  MarcarItem(1, 1);
  EXPECT_EQ(TodosSelecionados(1), 0);
  MarcarItem(1, 3);
  EXPECT_EQ(TodosSelecionados(1), 1);  // the item with a protocol does not count
  MarcarItem(1, 1);
  EXPECT_EQ(TodosSelecionados(1), 0);
  EXPECT_EQ(TodosSelecionados(2), 0);
  // The current item stays where it was.
  EXPECT_EQ(Detalhe().FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger(), 1);

  // Item 3 marked, 1 not: the whole protocol switches each one.
  MarcarProposta(1);
  EXPECT_EQ(Itens(), (QStringList{"1|1|1", "1|2|0", "1|3|0", "2|1|0"}));
  EXPECT_EQ(TodosSelecionados(1), 0);
  MarcarProposta(1);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0", "1|3|1", "2|1|0"}));
  EXPECT_EQ(TodosSelecionados(1), 0);
  FProcesso->DesmarcarTodos();
  MarcarProposta(1);
  EXPECT_EQ(Itens(), (QStringList{"1|1|1", "1|2|0", "1|3|1", "2|1|0"}));
  EXPECT_EQ(TodosSelecionados(1), 1);
  // The items grid is back on its first row.
  EXPECT_EQ(Detalhe().FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger(), 1);

  MarcarProposta(2);
  EXPECT_EQ(TodosSelecionados(2), 1);
  FProcesso->DesmarcarTodos();
  EXPECT_EQ(Propostas(), (QStringList{"1|0", "2|0"}));
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0", "1|3|0", "2|1|0"}));
}

TEST_F(GerarProtocoloBaseTeste, CancelarUnmarksEveryItemOfEveryProtocolAndKeepsTheOpenProtocol) {
  Executar({{.Itens = {Item("A"), Item("B")}}, {.Itens = {Item("C")}}});
  MarcarProposta(1);
  MarcarProposta(2);
  Abrir(1);
  ASSERT_TRUE(FProcesso->Form()->Cancelar());
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0", "2|1|0"}));
  EXPECT_EQ(Propostas(), (QStringList{"1|0", "2|0"}));
  EXPECT_TRUE(Detalhe().Filtered());
  EXPECT_EQ(Detalhe().RecordCount(), 2);
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_FALSE(FProcesso->Form()->BtnGravar()->Enabled());
}

TEST_F(GerarProtocoloBaseTeste, MarkingOnAnEmptyGridNeverInsertsAPhantomRow) {
  Executar({});
  FProcesso->MarcarItem();
  FProcesso->MarcarItensMaster();
  FProcesso->DBGridEH()->PressionarTecla(nTeclaEnter, ssCtrl);
  FProcesso->DBGridEH()->DblClick();
  FProcesso->DBGridEHDet()->PressionarTecla(nTeclaEnter, ssCtrl);
  FProcesso->DBGridEHDet()->DblClick();
  FProcesso->DesmarcarTodos();
  EXPECT_TRUE(Mestre().IsEmpty());
  EXPECT_TRUE(Detalhe().IsEmpty());
  EXPECT_EQ(Mestre().State(), TnDataSetState::Browse);
  EXPECT_EQ(Detalhe().State(), TnDataSetState::Browse);
  EXPECT_FALSE(FProcesso->TemAlteracao());

  // A protocol whose items are all shown elsewhere: its open item grid is
  // empty, and marking there adds nothing either.
  Executar({{.Itens = {}}, {.Itens = {Item("A")}}});
  Abrir(1);
  ASSERT_EQ(Detalhe().RecordCount(), 0);
  FProcesso->MarcarItem();
  FProcesso->DBGridEHDet()->DblClick();
  EXPECT_EQ(Itens(), (QStringList{"2|1|0"}));
  EXPECT_EQ(Detalhe().State(), TnDataSetState::Browse);
}

TEST_F(GerarProtocoloBaseTeste, CtrlEnterAndDoubleClickMarkTheProtocolOnTheMasterGridAndTheItemOnTheItemGrid) {
  Executar({{.Itens = {Item("A"), Item("B")}}});
  ASSERT_TRUE(Mestre().Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  EXPECT_EQ(FProcesso->DBGridEH()->PressionarTecla(nTeclaEnter, ssCtrl), 0);
  EXPECT_TRUE(FProcesso->DBGridEH()->RowDetailPanelVisivel());
  EXPECT_EQ(Itens(), (QStringList{"1|1|1", "1|2|1"}));
  EXPECT_TRUE(FProcesso->DBGridEH()->DblClick());
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0"}));

  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("SEQITEMPRO"), 2));
  EXPECT_EQ(FProcesso->DBGridEHDet()->PressionarTecla(nTeclaEnter, ssCtrl), 0);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|1"}));
  EXPECT_TRUE(FProcesso->DBGridEHDet()->DblClick());
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0"}));
  // A plain Enter marks nothing.
  FProcesso->DBGridEHDet()->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(Itens(), (QStringList{"1|1|0", "1|2|0"}));
}

TEST_F(GerarProtocoloBaseTeste, ACallerMayFreeTheFormBeforeTheProcess) {
  Executar({{.Itens = {Item("A")}}});
  MarcarProposta(1);
  delete FProcesso->Form();
  EXPECT_EQ(FProcesso->ClientDataSet(), nullptr);
  EXPECT_EQ(FProcesso->MapProItem(), nullptr);
  FProcesso->MarcarItem();
  FProcesso->DesmarcarTodos();
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  nLiberarDM(FProcesso);
  FProcesso = nullptr;
}

namespace {

TEST_F(GerarProtocoloBaseTeste, ARunLeavesNoTransactionOfItsOwnAndACallersOneOpen) {
  Executar({{.Itens = {Item("A")}}});
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  nDMConexao()->StartTransaction(1, true, false);
  Executar({{.Itens = {Item("B")}}});
  EXPECT_EQ(nDMConexao()->ProfundidadeTransacao(), 1);
  nDMConexao()->RollBack(1);
}

}  // namespace
