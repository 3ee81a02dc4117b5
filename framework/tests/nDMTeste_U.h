#pragma once

// Small data modules over the sample database's protocol tables, shared by
// the data-module and form tests: a protocol register with its items as a
// declared detail, the items register, and the responsible persons (a key
// of three fields, not a detail).

#include <QPointer>
#include <QStringList>

#include "nClasseInfo_U.h"
#include "nClassesFramework_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nFuncoesDados_U.h"
#include "nPainel_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"

inline const QString kSQLProtocoloTeste = QStringLiteral(
    "Select t_t.CODIGOPROTOCOLO,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,t_t.TIPOPRO,t_t.OBSERVACAO,"
    "t_t.DATAHORACADASTRO,t_t.CODIGOUSUARIO,t_t.FORMAENTREGA,t_t.NATUREZAPRO,t_t.DATAHORAENTREGA,"
    "t_t.CODIGOUSUARIOINT,t_t.USUARIOEXT,t_t.DATAHORABAIXA,t_t.CANCELADO,t_t.ORIGEMDADO from PROTOCOLO t_t "
    "ORDER BY t_t.CodigoProtocolo");

inline const QString kSQLItemTeste = QStringLiteral(
    "Select t_t.CODIGOPROTOCOLO,t_t.SEQITEMPRO,t_t.DESCRITEM,t_t.COMPETENCIA,t_t.DATALCTOPRO,t_t.VENCIMENTO,"
    "t_t.VALOR,t_t.CODIGOIMPOSTO,t_t.VARIACAOIMPOSTO,t_t.CODIGODOCEMP,t_t.CODIGOFUNCCONTR,t_t.CANCELADO,"
    "t_t.CHAVEORIGEM,t_t.CODIGOUSUARIO,t_t.DATAHORACADASTRO,t_t.ORIGEMDADO from PROTOCOLOITEM t_t "
    "ORDER BY t_t.CodigoProtocolo,t_t.SeqItemPro");

// A protocol register: audit values in ValidarDado before the inherited
// validation, a rule of its own after it, a value defaulted in BeforePost
// before the inherited handler, and its items declared as a detail. It
// records what the framework called, in order.
class TnTesteDMProtocolo : public TnDMClientDataSet {
 public:
  TnTesteDMProtocolo() {
    nClientDataSet->SetCommandText(kSQLProtocoloTeste);
    SetCaption(QStringLiteral("Protocolo"));
  }
  static QString PegarVerificaSelecao() { return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL"); }
  QString ChavePrimaria() const override { return QStringLiteral("CODIGOPROTOCOLO"); }

  TnField *Campo(const QString &nome) const { return nClientDataSet->FieldByName(nome); }

  void DataModuleCreate() override {
    TnDMClientDataSet::DataModuleCreate();
    Campo(QStringLiteral("CODIGOPROTOCOLO"))->Definicao().SetAutoIncrementar(true);
    for (const char *nome : {"CODIGOPROTOCOLO", "CODIGOEMPRESA", "CODIGOESTAB", "DATALCTOPRO", "TIPOPRO",
                             "DATAHORACADASTRO", "CODIGOUSUARIO", "ORIGEMDADO"})
      Campo(QString::fromLatin1(nome))->SetRequired(true);
    Campo(QStringLiteral("OBSERVACAO"))->SetDisplayLabel(QStringLiteral("Observação"));
    AddInfoDetalhe(QStringLiteral("TnTesteDMProtocoloItem"), QStringLiteral("CODIGOPROTOCOLO"),
                   QStringLiteral("CODIGOPROTOCOLO"), QString(), QString(), QString(), false, false, true);
  }

  void nClientDataSetBeforePost(TnClientDataSet &dados) override {
    Eventos << QStringLiteral("BeforePost");
    if (Campo(QStringLiteral("TIPOPRO"))->IsNull()) Campo(QStringLiteral("TIPOPRO"))->SetAsString(QStringLiteral("2"));
    TnDMClientDataSet::nClientDataSetBeforePost(dados);
  }

  void ValidarDado() override {
    Eventos << QStringLiteral("auditoria");
    if (nClientDataSet->State() == TnDataSetState::Insert || HouveAlteracoes(nClientDataSet)) {
      Campo(QStringLiteral("CODIGOUSUARIO"))->SetAsInteger(nDMConexao()->CodigoUsuario());
      Campo(QStringLiteral("DATAHORACADASTRO"))->SetAsDateTime(nDateTimeToSQLTimeStamp(nDMConexao()->Now()));
      Campo(QStringLiteral("ORIGEMDADO"))->SetAsInteger(OutraOrigem() ? 3 : 2);
    }
    TnDMClientDataSet::ValidarDado();
    Eventos << QStringLiteral("regras");
    if (Campo(QStringLiteral("OBSERVACAO"))->AsString() == QStringLiteral("PROIBIDO"))
      throw EnField(Campo(QStringLiteral("OBSERVACAO")), QStringLiteral("Observação não permitida."));
  }

  void ConfigurarCampo(TnRemetente sender) override {
    TnDMClientDataSet::ConfigurarCampo(sender);
    ++ConfiguracoesCampo;
  }

  void DepoisConfigurar(TnFrmVisual *form) override {
    TnDMClientDataSet::DepoisConfigurar(form);
    Status = new TnPainel(form->AreaTopo(), QStringLiteral("pnlStatus"));
    Status->SetAlign(TnAlinhamento::alRight);
    Status->SetCaption(QStringLiteral("Baixado"));
  }

  void DoFormDestroy(TnFrmVisual *sender) override {
    TnDMClientDataSet::DoFormDestroy(sender);
    // The form's panels are still there while it is told.
    StatusNoDoFormDestroy = !Status.isNull();
    FormsDestruidos << sender->Name();
  }

  void Notification(QObject *componente, TnOperacao operacao) override {
    TnDMClientDataSet::Notification(componente, operacao);
    if (operacao == TnOperacao::opRemove) Removidos << componente->objectName();
  }

  QStringList Eventos;
  QStringList FormsDestruidos;
  QStringList Removidos;
  QPointer<TnPainel> Status;
  bool StatusNoDoFormDestroy = false;
  int ConfiguracoesCampo = 0;
};

// The items of a protocol, numbered per protocol; it finds its protocol
// register by its own suffix, as a detail does.
class TnTesteDMProtocoloItem : public TnDMClientDataSet {
 public:
  TnTesteDMProtocoloItem() {
    nClientDataSet->SetCommandText(kSQLItemTeste);
    SetCaption(QStringLiteral("Protocolo - Itens"));
  }
  QString ChavePrimaria() const override { return QStringLiteral("CODIGOPROTOCOLO;SEQITEMPRO"); }

  void DataModuleCreate() override {
    TnDMClientDataSet::DataModuleCreate();
    nClientDataSet->FieldByName(QStringLiteral("SEQITEMPRO"))->Definicao().SetAutoIncrementar(true);
    nClientDataSet->FieldByName(QStringLiteral("DESCRITEM"))->SetRequired(true);
    if (DmMaster()) FDM = PrepararDM(QStringLiteral("TnTesteDMProtocolo"), Sufixo(), false, true, nullptr);
  }

  void Notification(QObject *componente, TnOperacao operacao) override {
    TnDMClientDataSet::Notification(componente, operacao);
    if (operacao == TnOperacao::opRemove) Removidos << componente->objectName();
  }

  TnDataModule *FDM = nullptr;
  QStringList Removidos;
};

// Responsible persons of an establishment: SEQ numbered per company and
// establishment, which the user types after the record starts.
class TnTesteDMRespEstab : public TnDMClientDataSet {
 public:
  TnTesteDMRespEstab() {
    nClientDataSet->SetCommandText(QStringLiteral(
        "Select t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.SEQ,t_t.NOMERESPONSAVEL from PROTOCOLORESPESTAB t_t "
        "ORDER BY t_t.CodigoEmpresa,t_t.CodigoEstab,t_t.Seq"));
    SetTipoForm(TnTipoForm::ntfCadGrid);
  }
  QString ChavePrimaria() const override { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB;SEQ"); }
  void DataModuleCreate() override {
    TnDMClientDataSet::DataModuleCreate();
    nClientDataSet->FieldByName(QStringLiteral("SEQ"))->Definicao().SetAutoIncrementar(true);
  }
};

// Registers the framework's classes and the test modules for one test, and
// frees every module the test left behind.
class TnRegistroTeste {
 public:
  TnRegistroTeste() {
    nRegistrarClassesFramework();
    nRegisterClass(
        nInfoClasse<TnTesteDMProtocolo>(QStringLiteral("TnTesteDMProtocolo"), QStringLiteral("TnDMClientDataSet")));
    nRegisterClass(nInfoClasse<TnTesteDMProtocoloItem>(QStringLiteral("TnTesteDMProtocoloItem"),
                                                       QStringLiteral("TnDMClientDataSet")));
    nRegisterClass(
        nInfoClasse<TnTesteDMRespEstab>(QStringLiteral("TnTesteDMRespEstab"), QStringLiteral("TnDMClientDataSet")));
  }
  ~TnRegistroTeste() {
    TnRegistro::Instancia().DestruirTodos();
    nUnRegisterClass(QStringLiteral("TnTesteDMRespEstab"));
    nUnRegisterClass(QStringLiteral("TnTesteDMProtocoloItem"));
    nUnRegisterClass(QStringLiteral("TnTesteDMProtocolo"));
    nRemoverClassesFramework();
  }
  TnRegistroTeste(const TnRegistroTeste &) = delete;
  TnRegistroTeste &operator=(const TnRegistroTeste &) = delete;
};

// Protocols 1 and 2 of company 1 and 3 of company 2 (launched on 2, 3 and 4
// November 2026); protocol 1 has items 1 and 2, protocol 2 item 1.
inline void nInserirProtocolosTeste() {
  const QString sql = QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, NATUREZAPRO, CANCELADO, ORIGEMDADO) "
      "values (:c, :e, 1, :d, '2', :o, :m, 1, '1', '0', 2)");
  const QDateTime momento(QDate(2026, 11, 1), QTime(8, 0));
  ExecutarSQLDireto(sql, {qint64(1), 1, QDate(2026, 11, 2), QStringLiteral("primeiro"), momento});
  ExecutarSQLDireto(sql, {qint64(2), 1, QDate(2026, 11, 3), QStringLiteral("segundo"), momento});
  ExecutarSQLDireto(sql, {qint64(3), 2, QDate(2026, 11, 4), QStringLiteral("terceiro"), momento});
  const QString item = QStringLiteral(
      "insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, VALOR, CANCELADO) values (:c, :s, :d, :v, "
      "'0')");
  ExecutarSQLDireto(item, {qint64(1), 1, QStringLiteral("Guia IRPJ"), QStringLiteral("0.10")});
  ExecutarSQLDireto(item, {qint64(1), 2, QStringLiteral("Guia CSLL"), QStringLiteral("0.20")});
  ExecutarSQLDireto(item, {qint64(2), 1, QStringLiteral("Guia PIS"), QStringLiteral("10.05")});
}
