// The protocol made from a document's last movement, through the document
// register's form as the user reaches it: the movement grid's "Gerar
// Protocolo" (Ctrl+N), the individual-protocol process shown modally, and
// the number written back into the movement. Sample office: establishment
// 2/1 delivers over the internet (3); the clock stands at 01/12/2026.
#include <QDate>
#include <QDateTime>
#include <QKeyCombination>
#include <functional>

#include "mVoxDMProtocoloDocEmp_U.h"
#include "mVoxDMProtocoloDocMovimento_U.h"
#include "mVoxDMProtocoloItem_U.h"
#include "mVoxPkTeste_U.h"
#include "nDMPower_U.h"
#include "nDialogosTeste_U.h"
#include "nEditorCampo_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kPergunta = QStringLiteral("Deseja gerar um protocolo desta movimentação?");
const QString kProcesso = QStringLiteral("TmVoxDPGerarProIndividual");

// What the process form showed when it opened modally.
struct TnVisto {
  int Vezes = 0;
  QStringList Exibidos;           // the parameters the user sees
  QMap<QString, QString> Valores;  // every parameter's value text
  bool MDI = true;
  int Altura = 0;
  bool Centralizado = false;
  int ResultadoAoExecutar = mrNone;
};

// Drives the modal process form for the test's life: records what it shows,
// then does what the test says (by default nothing: the user closes it).
class TnModalTeste {
 public:
  explicit TnModalTeste(std::function<void(TnFrmPowerParam &)> acao = {}) : FAcao(std::move(acao)) {
    FAnterior = nSetExecutarFormModal([this](TnFrmVisual &form) {
      auto *processo = dynamic_cast<TnFrmPowerParam *>(&form);
      ASSERT_NE(processo, nullptr);
      ++Visto.Vezes;
      for (const TnpqParamItem *item : processo->ParametrosExibidos()) Visto.Exibidos << item->Alias();
      for (const TnpqParamItem *item : processo->Processo()->npqPowerParam().Params())
        Visto.Valores[item->Alias()] = item->GetAsString();
      Visto.MDI = form.MDIChild();
      Visto.Altura = form.Height();
      Visto.Centralizado = form.CentralizarNoPrincipal();
      Visto.ResultadoAoExecutar = processo->ResultadoAoExecutar();
      if (FAcao) FAcao(*processo);
    });
  }
  ~TnModalTeste() { nSetExecutarFormModal(FAnterior); }

  TnVisto Visto;

 private:
  std::function<void(TnFrmPowerParam &)> FAcao;
  TnExecutarFormModal FAnterior;
};

void Executar(TnFrmPowerParam &form) { EXPECT_TRUE(form.Executar()); }

// Document 1 of establishment 2/1 ("Guias de novembro") went in to the
// fiscal department, then out to the client; document 2 of 2/2 has no
// movement yet.
class DocMovimentoProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    Documento(1, 2, 1, "Guias de novembro");
    Documento(2, 2, 2, "Folha de novembro");
    Movimento(1, 1, "1", 1, QVariant(QMetaType(QMetaType::Int)), "Recebido");
    Movimento(1, 2, "2", QVariant(QMetaType(QMetaType::Int)), 2, "Enviado ao cliente");
    FDialogos->SetAceitarMensagens(true);
    Abrir(FDoc, FMov);
    IrParaDocumento(1);
  }
  void Documento(int codigo, int empresa, int estab, const char *descricao) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values (:c, 1, :e, :f, :d, "
                                     ":s, '0')"),
                      {codigo, empresa, estab, QDate(2026, 11, 10), QString::fromUtf8(descricao)});
  }
  void Movimento(int doc, int seq, const char *tipo, const QVariant &departamento, const QVariant &responsavel,
                 const char *observacao) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, "
                                     "TIPOLOCAL, CODIGODPTOESCRIT, CODIGOUSUARIORESP, DATALCTOPRO, DATAHORA, "
                                     "CODIGOUSUARIO, ORIGEMDADO) values (:c, :s, :o, :t, :d, :r, :l, :h, 1, 2)"),
                      {doc, seq, QString::fromUtf8(observacao), QString::fromLatin1(tipo), departamento, responsavel,
                       QDate(2026, 11, 10), QDateTime(QDate(2026, 11, 10), QTime(8, 0, 0))});
  }
  // A document register with its form, and the movement grid inside it.
  void Abrir(TnDMClientDataSet *&doc, TmVoxDMProtocoloDocMovimento *&movimentos) {
    doc = Criar(QStringLiteral("TmVoxDMProtocoloDocEmp"));
    ASSERT_NE(doc, nullptr);
    ASSERT_NE(doc->CriarForm(), nullptr);
    for (TnDMClientDataSet *detalhe : doc->Detalhes())
      if (auto *m = dynamic_cast<TmVoxDMProtocoloDocMovimento *>(detalhe)) movimentos = m;
    ASSERT_NE(movimentos, nullptr);
    ASSERT_NE(movimentos->Form(), nullptr);
  }
  void IrParaDocumento(int codigo) {
    ASSERT_TRUE(FDoc->nClientDataSet->Locate(QStringLiteral("CODIGODOCEMP"), codigo));
  }
  TnClientDataSet &Movs() { return *FMov->nClientDataSet; }
  TnField *Campo(const char *nome) { return Movs().FieldByName(QLatin1String(nome)); }
  void IrParaMovimento(int seq) { ASSERT_TRUE(Movs().Locate(QStringLiteral("SEQDOCEMP"), seq)); }
  // The user's Ctrl+N on the movement grid's form.
  bool CtrlN(TmVoxDMProtocoloDocMovimento *movimentos = nullptr) {
    TmVoxDMProtocoloDocMovimento *m = movimentos ? movimentos : FMov;
    return m->Form()->PressionarAtalho(QKeyCombination(Qt::ControlModifier, Qt::Key_N));
  }
  QVariant ProtocoloDoMovimento(int doc, int seq) {
    return Valor(
        QStringLiteral("select CODIGOPROTOCOLO from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :d and SEQDOCEMP = :s"),
        {doc, seq});
  }
  QVariant Protocolo(const char *coluna, qint64 codigo) {
    return Valor(QStringLiteral("select %1 from PROTOCOLO where CODIGOPROTOCOLO = :c").arg(QLatin1String(coluna)),
                 {codigo});
  }
  QVariant Item(const char *coluna, qint64 codigo) {
    return Valor(QStringLiteral("select %1 from PROTOCOLOITEM where CODIGOPROTOCOLO = :c and SEQITEMPRO = 1")
                     .arg(QLatin1String(coluna)),
                 {codigo});
  }
  bool ProcessoVivo() { return !TnRegistro::Instancia().Instancias(kProcesso).isEmpty(); }
  bool ProtocoloAbertoAoUsuario() { return FMov->EdFindFieldControl(QStringLiteral("CODIGOPROTOCOLO"))->Enabled(); }
  // Cancels the item of the protocol in the protocol register.
  void CancelarItem(qint64 protocolo) {
    auto *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
    ASSERT_NE(registro, nullptr);
    ASSERT_NE(registro->CriarForm(), nullptr);
    TmVoxDMProtocoloItem *itens = nullptr;
    for (TnDMClientDataSet *detalhe : registro->Detalhes())
      if (auto *i = dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) itens = i;
    ASSERT_NE(itens, nullptr);
    ASSERT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), protocolo));
    itens->actCancelarItem(registro);
    EXPECT_EQ(Item("CANCELADO", protocolo).toString(), QStringLiteral("1"));
    nLiberarDM(registro);
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TnDMClientDataSet *FDoc = nullptr;
  TmVoxDMProtocoloDocMovimento *FMov = nullptr;
};

TEST_F(DocMovimentoProtocoloTeste, CtrlNOnTheLastExternalMovementMakesTheProtocolThatTheMovementThenShows) {
  IrParaMovimento(2);
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());

  const TnVisto &visto = modal.Visto;
  ASSERT_EQ(visto.Vezes, 1);
  // Fixed by the movement and hidden; the rest offered to the user.
  EXPECT_EQ(visto.Exibidos, (QStringList{"pObservacao", "pFormaEntrega", "pNatureza", "pDescricaoItem"}));
  EXPECT_EQ(visto.Valores.value("pCodigoDocumento"), QStringLiteral("1"));
  EXPECT_EQ(visto.Valores.value("pCodigoEmpresa"), QStringLiteral("2"));
  EXPECT_EQ(visto.Valores.value("pCodigoEstab"), QStringLiteral("1"));
  EXPECT_EQ(visto.Valores.value("pDataLctoPro"), QStringLiteral("10/11/2026"));
  EXPECT_EQ(visto.Valores.value("pObservacao"), QStringLiteral("Guias de novembro"));
  EXPECT_EQ(visto.Valores.value("pFormaEntrega"), QStringLiteral("3"));
  EXPECT_EQ(visto.Valores.value("pNatureza"), QStringLiteral("1"));  // out: "Saída"
  EXPECT_EQ(visto.Valores.value("pDescricaoItem"), QStringLiteral("Enviado ao cliente"));
  EXPECT_EQ(visto.Valores.value("pCodFunc"), QString());
  EXPECT_EQ(visto.Valores.value("pCodigoPro"), QString());
  EXPECT_FALSE(visto.MDI);
  EXPECT_EQ(visto.Altura, 200);
  EXPECT_TRUE(visto.Centralizado);
  EXPECT_EQ(visto.ResultadoAoExecutar, mrOk);

  EXPECT_EQ(Campo("CODIGOPROTOCOLO")->AsLargeInt(), 1);
  EXPECT_EQ(ProtocoloDoMovimento(1, 2).toLongLong(), 1);
  EXPECT_EQ(Protocolo("NATUREZAPRO", 1).toString(), QStringLiteral("1"));
  EXPECT_EQ(Protocolo("OBSERVACAO", 1).toString(), QStringLiteral("Guias de novembro"));
  EXPECT_EQ(Item("CODIGODOCEMP", 1).toLongLong(), 1);
  EXPECT_EQ(Item("DESCRITEM", 1).toString(), QStringLiteral("Enviado ao cliente"));
  EXPECT_FALSE(ProtocoloAbertoAoUsuario());
  EXPECT_FALSE(ProcessoVivo());
  EXPECT_EQ(Movs().State(), TnDataSetState::Browse);
  EXPECT_TRUE(FDialogos->Textos().isEmpty());
}

TEST_F(DocMovimentoProtocoloTeste, AnInternalMovementMakesAnIncomingProtocol) {
  IrParaDocumento(2);
  Movs().Append();
  Campo("TIPOLOCAL")->SetText(QStringLiteral("Interno"));
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Folha assinada"));
  Movs().Post();
  EXPECT_TRUE(FDialogos->Textos().isEmpty());  // an internal movement asks nothing
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(modal.Visto.Valores.value("pNatureza"), QStringLiteral("2"));  // in: "Entrada"
  EXPECT_EQ(modal.Visto.Valores.value("pFormaEntrega"), QStringLiteral("2"));
  EXPECT_EQ(Protocolo("NATUREZAPRO", 1).toString(), QStringLiteral("2"));
  EXPECT_EQ(Protocolo("CODIGOESTAB", 1).toInt(), 2);
  EXPECT_EQ(ProtocoloDoMovimento(2, 1).toLongLong(), 1);
}

TEST_F(DocMovimentoProtocoloTeste, ClosingTheProcessFormLinksNothing) {
  IrParaMovimento(2);
  TnModalTeste modal;
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(modal.Visto.Vezes, 1);
  EXPECT_TRUE(Campo("CODIGOPROTOCOLO")->IsNull());
  EXPECT_TRUE(ProtocoloDoMovimento(1, 2).isNull());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_FALSE(ProtocoloAbertoAoUsuario());
  EXPECT_FALSE(ProcessoVivo());
}

TEST_F(DocMovimentoProtocoloTeste, TheProcessGoesAwayEvenWhenItsFormFails) {
  IrParaMovimento(2);
  TnModalTeste modal([](TnFrmPowerParam &) { throw Exception(QStringLiteral("Falha ao desenhar o formulário.")); });
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Falha ao desenhar o formulário.")});
  EXPECT_FALSE(ProcessoVivo());
  EXPECT_FALSE(ProtocoloAbertoAoUsuario());
  EXPECT_TRUE(ProtocoloDoMovimento(1, 2).isNull());
}

TEST_F(DocMovimentoProtocoloTeste, ALinkedMovementSaysSoAndAnEarlierOneDoesNothing) {
  // Linked by another user after the grid was read.
  ExecutarSQLDireto(QStringLiteral(
      "update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = 7 where CODIGODOCEMP = 1 and SEQDOCEMP = 2"));
  IrParaMovimento(2);
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Esta movimentação já possui protocolo!")});
  IrParaMovimento(1);
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(FDialogos->Textos().size(), 1);
  EXPECT_EQ(modal.Visto.Vezes, 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
}

TEST_F(DocMovimentoProtocoloTeste, AFiledDocumentGetsNoProtocol) {
  // Filed by another user after the register was read.
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '1' where CODIGODOCEMP = 1"));
  IrParaMovimento(2);
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Documento arquivado! Impossível gerar protocolo.")});
  EXPECT_EQ(modal.Visto.Vezes, 0);
  EXPECT_FALSE(ProcessoVivo());
}

TEST_F(DocMovimentoProtocoloTeste, SimAfterSavingANewExternalMovementMakesItsProtocolAndAsksOnce) {
  IrParaDocumento(2);
  Movs().Append();
  EXPECT_EQ(Campo("DATALCTOPRO")->AsDate(), QDate(2026, 11, 10));  // the document's
  Campo("TIPOLOCAL")->SetText(QStringLiteral("Externo"));
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Entregue ao contador"));
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  TnModalTeste modal(Executar);
  Movs().Post();
  EXPECT_EQ(modal.Visto.Vezes, 1);
  EXPECT_EQ(FDialogos->Textos(), QStringList{kPergunta});
  EXPECT_EQ(ProtocoloDoMovimento(2, 1).toLongLong(), 1);
  EXPECT_EQ(Item("DESCRITEM", 1).toString(), QStringLiteral("Entregue ao contador"));
  EXPECT_FALSE(FMov->NovoRegistro());
}

// Movements written by a process may repeat the one before them: linking
// the protocol changes none of the compared values and is never refused, so
// no saved protocol is left without its movement.
TEST_F(DocMovimentoProtocoloTeste, TheProtocolIsLinkedToAMovementEqualToTheOneBeforeIt) {
  Documento(3, 2, 1, "Extratos de novembro");
  for (int seq : {1, 2}) Movimento(3, seq, "2", QVariant(QMetaType(QMetaType::Int)), 2, "Ao cliente");
  FDoc->Refresh();
  IrParaDocumento(3);
  IrParaMovimento(2);
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());
  EXPECT_TRUE(FDialogos->Textos().isEmpty());
  EXPECT_EQ(ProtocoloDoMovimento(3, 2).toLongLong(), 1);
}

TEST_F(DocMovimentoProtocoloTeste, APendingChangeOfTheMovementIsSavedBeforeTheProtocol) {
  IrParaMovimento(2);
  Movs().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Entregue em mãos"));
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(modal.Visto.Valores.value("pDescricaoItem"), QStringLiteral("Entregue em mãos"));
  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = 1 and "
                                 "SEQDOCEMP = 2"))
                .toString(),
            QStringLiteral("Entregue em mãos"));
  EXPECT_EQ(ProtocoloDoMovimento(1, 2).toLongLong(), 1);

  // A change the rules refuse stops before any protocol is written.
  Movs().Edit();
  Campo("TIPOLOCAL")->SetText(QStringLiteral("Interno"));
  Campo("CODIGODPTOESCRIT")->SetAsInteger(1);
  Campo("CODIGOUSUARIORESP")->Clear();
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(FDialogos->Textos(),
            QStringList{QStringLiteral("O último movimento não pode ser igual ao que está sendo cadastrado.")});
  EXPECT_EQ(modal.Visto.Vezes, 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 1);
}

// Cancelling the protocol's item frees the movement: it can be given a new
// protocol, and once that one's item is cancelled too, deleted.
TEST_F(DocMovimentoProtocoloTeste, CancellingTheItemOfTheMovementsProtocolFreesTheMovement) {
  IrParaMovimento(2);
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN());
  ASSERT_EQ(ProtocoloDoMovimento(1, 2).toLongLong(), 1);
  EXPECT_EQ(ErroDe([&] { Movs().Delete(); }),
            QStringLiteral("Impossível excluir movimentação com Protocolo ativo."));

  CancelarItem(1);
  EXPECT_TRUE(ProtocoloDoMovimento(1, 2).isNull());
  // The grid still shows the old number; the stored row decides.
  IrParaMovimento(2);
  ASSERT_TRUE(CtrlN());
  EXPECT_EQ(modal.Visto.Vezes, 2);
  EXPECT_EQ(ProtocoloDoMovimento(1, 2).toLongLong(), 2);
  EXPECT_EQ(Campo("CODIGOPROTOCOLO")->AsLargeInt(), 2);

  CancelarItem(2);
  // A delete is judged on the row as read: the stale grid is refused until
  // the user reads it again.
  IrParaMovimento(2);
  EXPECT_EQ(ErroDe([&] { Movs().Delete(); }),
            QStringLiteral("O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente."));
  Movs().Refresh();
  IrParaMovimento(2);
  EXPECT_EQ(ErroDe([&] { Movs().Delete(); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 1")), 1);
}

// Two document registers are open: each grid works on its own document.
TEST_F(DocMovimentoProtocoloTeste, EachMovementGridWorksOnTheDocumentOfItsOwnRegister) {
  TnDMClientDataSet *outroDoc = nullptr;
  TmVoxDMProtocoloDocMovimento *outrosMovs = nullptr;
  Abrir(outroDoc, outrosMovs);
  ASSERT_TRUE(outroDoc->nClientDataSet->Locate(QStringLiteral("CODIGODOCEMP"), 2));
  EXPECT_EQ(FMov->DMDoc(), FDoc);
  EXPECT_EQ(outrosMovs->DMDoc(), outroDoc);

  TnClientDataSet &outros = *outrosMovs->nClientDataSet;
  outros.Append();
  outros.FieldByName(QStringLiteral("TIPOLOCAL"))->SetText(QStringLiteral("Externo"));
  outros.FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("Folha ao contador"));
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  outros.Post();
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN(outrosMovs));
  EXPECT_EQ(modal.Visto.Valores.value("pCodigoEstab"), QStringLiteral("2"));
  EXPECT_EQ(modal.Visto.Valores.value("pObservacao"), QStringLiteral("Folha de novembro"));
  EXPECT_EQ(FDialogos->Textos(), QStringList{kPergunta});
  EXPECT_EQ(ProtocoloDoMovimento(2, 1).toLongLong(), 1);
}

// Without a document register, the document is read from the table.
TEST_F(DocMovimentoProtocoloTeste, AMovementRegisterOfItsOwnReadsTheDocumentFromTheTable) {
  auto *sozinho = Criar<TmVoxDMProtocoloDocMovimento>(QStringLiteral("TmVoxDMProtocoloDocMovimento"));
  ASSERT_NE(sozinho, nullptr);
  ASSERT_NE(sozinho->CriarForm(), nullptr);
  EXPECT_EQ(sozinho->DMDoc(), nullptr);
  ASSERT_TRUE(sozinho->nClientDataSet->Locate(QStringLiteral("CODIGODOCEMP;SEQDOCEMP"), QVariantList{1, 2}));
  TnModalTeste modal(Executar);
  ASSERT_TRUE(CtrlN(sozinho));
  EXPECT_EQ(modal.Visto.Valores.value("pCodigoEmpresa"), QStringLiteral("2"));
  EXPECT_EQ(modal.Visto.Valores.value("pObservacao"), QStringLiteral("Guias de novembro"));
  EXPECT_EQ(ProtocoloDoMovimento(1, 2).toLongLong(), 1);
}

// A new document not saved yet: its movement takes its date but waits for it.
TEST_F(DocMovimentoProtocoloTeste, AMovementOfADocumentNotYetSavedWaitsForIt) {
  TnClientDataSet &docs = *FDoc->nClientDataSet;
  docs.Append();
  docs.FieldByName(QStringLiteral("CODIGOTIPODOC"))->SetAsInteger(2);
  docs.FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(2);
  docs.FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(1);
  docs.FieldByName(QStringLiteral("DATALCTOPRO"))->SetAsDate(QDate(2026, 11, 25));
  Movs().Append();
  EXPECT_EQ(Campo("DATALCTOPRO")->AsDate(), QDate(2026, 11, 25));
  Campo("TIPOLOCAL")->SetText(QStringLiteral("Interno"));
  EXPECT_EQ(ErroDe([&] { Movs().Post(); }), QStringLiteral("Grave o documento antes de incluir suas movimentações."));
  Movs().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 2);
}

}  // namespace
