#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QScopeGuard>

#include "mVoxDMProtocoloItem_U.h"
#include "mVoxPkTeste_U.h"
#include "mVoxSFuncoes_U.h"
#include "nDBGrid_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmCadGrid_U.h"
#include "nPainel_U.h"

namespace {

// Protocol 5 holds items 1 and 2; protocol 9 none yet.
class ProtocoloItemTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int codigo : {5, 9})
      ExecutarSQLDireto(
          QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, "
                         "DATALCTOPRO, TIPOPRO, CANCELADO, NATUREZAPRO) values (:codigo, 2, 1, :data, '2', '0', "
                         "'1')"),
          {codigo, kData});
    for (int seq : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, "
                                       "DATALCTOPRO, CANCELADO, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) "
                                       "values (5, :seq, 'Guia', :data, '0', 3, :momento, 1)"),
                        {seq, kData, QDateTime(kData, QTime(8, 0))});
    nDMConexao()->SetCodigoUsuario(7);
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloItem"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QLatin1String(nome)); }
  // A new item of the protocol, its number left to the register.
  void NovoItem(int protocolo, const QString &descricao) {
    Dados().Append();
    Campo("CODIGOPROTOCOLO")->SetAsInteger(protocolo);
    Campo("DATALCTOPRO")->SetAsDate(kData);
    Campo("DESCRITEM")->SetAsString(descricao);
    Campo("CANCELADO")->SetAsBoolean(false);
  }
  QVariant ColunaDoItem(const char *coluna, int protocolo, int seq) {
    return Valor(QStringLiteral("select %1 from PROTOCOLOITEM where CODIGOPROTOCOLO = :protocolo and SEQITEMPRO = :seq")
                     .arg(QLatin1String(coluna)),
                 {protocolo, seq});
  }

  const QDate kData{2026, 11, 20};
  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(ProtocoloItemTeste, NewItemsAreNumberedWithinTheirOwnProtocol) {
  NovoItem(5, QStringLiteral("Recibo de férias"));
  Dados().Post();
  NovoItem(9, QStringLiteral("Guia do FGTS"));
  Dados().Post();
  NovoItem(9, QStringLiteral("Folha de pagamento"));
  Dados().Post();
  EXPECT_EQ(ColunaDoItem("DESCRITEM", 5, 3).toString(), QStringLiteral("Recibo de férias"));
  EXPECT_EQ(ColunaDoItem("DESCRITEM", 9, 1).toString(), QStringLiteral("Guia do FGTS"));
  EXPECT_EQ(ColunaDoItem("DESCRITEM", 9, 2).toString(), QStringLiteral("Folha de pagamento"));
  EXPECT_EQ(ColunaDoItem("CODIGOUSUARIO", 9, 2).toInt(), 7);
  EXPECT_EQ(ColunaDoItem("ORIGEMDADO", 9, 2).toInt(), 2);
}

TEST_F(ProtocoloItemTeste, ItemWithoutDescriptionIsRefused) {
  NovoItem(9, QString());
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Descrição deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 9")), 0);
}

TEST_F(ProtocoloItemTeste, EditedItemIsStampedUnchangedOneKeepsItsStamps) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOPROTOCOLO;SEQITEMPRO"), QVariantList{5, 2}));
  Dados().Edit();
  Dados().Post();
  EXPECT_EQ(ColunaDoItem("CODIGOUSUARIO", 5, 2).toInt(), 3);
  EXPECT_EQ(ColunaDoItem("ORIGEMDADO", 5, 2).toInt(), 1);

  FDM->SetOutraOrigem(true);
  Dados().Edit();
  Campo("VALOR")->SetAsString(QStringLiteral("1234,56"));
  Dados().Post();
  EXPECT_EQ(ColunaDoItem("CODIGOUSUARIO", 5, 2).toInt(), 7);
  EXPECT_EQ(ColunaDoItem("ORIGEMDADO", 5, 2).toInt(), 3);
  EXPECT_EQ(ColunaDoItem("SEQITEMPRO", 5, 2).toInt(), 2);  // the key stays
}

// --- the items inside the protocol register's form

// Protocols of company 2, establishment 1, each with its items; the register
// and its form opened by name, the items grid inside it.
class ItensDoProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    // The user may change protocols: the items follow the protocol's
    // editors, which the right opens.
    nDMDireitoUsuario()->SetDireito(nDMConexao()->CodigoUsuario(), QStringLiteral("DireitoAltProtocolo"), u'8');
  }
  void TearDown() override {
    delete FForm.data();
    TmVoxCadastroTeste::TearDown();
  }

  void NovoProtocolo(int codigo, const QString &tipo, bool baixado = false, bool cancelado = false) {
    ExecutarSQLDireto(
        QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                       "TIPOPRO, OBSERVACAO, DATAHORACADASTRO, CODIGOUSUARIO, NATUREZAPRO, DATAHORABAIXA, "
                       "CANCELADO, ORIGEMDADO) values (:codigo, 2, 1, :data, :tipo, 'Original', :momento, 1, "
                       "'1', :baixa, :cancelado, 1)"),
        {codigo, kData, tipo, QDateTime(kData, QTime(8, 0)),
         baixado ? QVariant(QDateTime(kData, QTime(17, 0))) : QVariant(QMetaType(QMetaType::QDateTime)),
         cancelado ? QStringLiteral("1") : QStringLiteral("0")});
  }
  void NovoItem(int protocolo, int seq, const QString &chaveOrigem = QString(), const QVariant &documento = QVariant(),
                bool cancelado = false) {
    ExecutarSQLDireto(
        QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, "
                       "CODIGODOCEMP, CANCELADO, CHAVEORIGEM, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) "
                       "values (:protocolo, :seq, :descricao, :data, :documento, :cancelado, :chave, 1, "
                       ":momento, 1)"),
        {protocolo, seq, QStringLiteral("Item %1").arg(seq), kData,
         documento.isNull() ? QVariant(QMetaType(QMetaType::LongLong)) : documento,
         cancelado ? QStringLiteral("1") : QStringLiteral("0"),
         chaveOrigem.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(chaveOrigem),
         QDateTime(kData, QTime(8, 0))});
  }

  // Opens the register on the protocol, its form built with the items grid.
  void Abrir(int protocolo) {
    FProtocolo = Criar(QStringLiteral("TmVoxDMProtocolo"));
    ASSERT_NE(FProtocolo, nullptr);
    FForm = FProtocolo->CriarForm();
    for (TnDMClientDataSet *detalhe : FProtocolo->Detalhes())
      if (auto *itens = dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) FItens = itens;
    ASSERT_NE(FItens, nullptr);
    ASSERT_TRUE(FProtocolo->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), protocolo));
    ASSERT_NE(FItens->Form(), nullptr);
  }
  TnClientDataSet &Itens() { return *FItens->nClientDataSet; }
  TnField *CampoItem(const char *nome) { return Itens().FieldByName(QLatin1String(nome)); }
  void IrParaItem(int seq) { ASSERT_TRUE(Itens().Locate(QStringLiteral("SEQITEMPRO"), seq)); }
  TnDBGridEh *Grid() { return dynamic_cast<TnFrmCadGrid *>(FItens->Form())->Grid(); }
  TnPainel *PainelCancelado() {
    for (TnPainel *painel : FItens->Form()->AreaToolBar()->Filhos())
      if (painel->Caption() == QStringLiteral("Cancelado")) return painel;
    return nullptr;
  }

  QString CanceladoDoItem(int protocolo, int seq) {
    return Valor(QStringLiteral("select CANCELADO from PROTOCOLOITEM where CODIGOPROTOCOLO = :p and SEQITEMPRO = :s"),
                 {protocolo, seq})
        .toString();
  }
  QString CanceladoDoProtocolo(int protocolo) {
    return Valor(QStringLiteral("select CANCELADO from PROTOCOLO where CODIGOPROTOCOLO = :p"), {protocolo}).toString();
  }
  // Presses the item form's own button, as the user does.
  bool PressionarCancelarItem() { return FItens->Form()->ToolButton(QStringLiteral("Cancelar Item"))->Click(); }

  const QDate kData{2026, 11, 20};
  TnDialogosTeste FDialogos;
  TnDMClientDataSet *FProtocolo = nullptr;
  QPointer<TnFrmVisual> FForm;
  TmVoxDMProtocoloItem *FItens = nullptr;
};

TEST_F(ItensDoProtocoloTeste, CancellingTheLastOpenItemCancelsTheProtocolButNotBefore) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  NovoItem(10, 2);
  Abrir(10);

  IrParaItem(1);
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  ASSERT_TRUE(PressionarCancelarItem());
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("0"));

  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  ASSERT_TRUE(PressionarCancelarItem());
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("1"));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("0"));

  IrParaItem(2);
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  ASSERT_TRUE(PressionarCancelarItem());
  EXPECT_EQ(CanceladoDoItem(10, 2), QStringLiteral("1"));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("1"));
  // The register shows what was stored: it was read again.
  EXPECT_EQ(FProtocolo->nClientDataSet->FieldByName(QStringLiteral("CANCELADO"))->AsString(), QStringLiteral("1"));
  EXPECT_EQ(FDialogos->Textos(),
            QStringList(3, QStringLiteral("Tem certeza que deseja cancelar este item do protocolo?")));
}

TEST_F(ItensDoProtocoloTeste, CancelFromTheRegisterAsksNothingAndWithdrawnProtocolStaysUntouched) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  NovoProtocolo(11, QStringLiteral("2"), /*baixado*/ true);
  NovoItem(11, 1);
  Abrir(10);
  IrParaItem(1);
  FItens->actCancelarItem(FProtocolo);  // no question queued: asking would fail the test
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("1"));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("1"));

  ASSERT_TRUE(FProtocolo->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 11));
  IrParaItem(1);
  ASSERT_TRUE(PressionarCancelarItem());
  EXPECT_EQ(CanceladoDoItem(11, 1), QStringLiteral("0"));
  EXPECT_EQ(CanceladoDoProtocolo(11), QStringLiteral("0"));
}

TEST_F(ItensDoProtocoloTeste, CancelAllOfTheRegisterAsksOnceAndSkipsNoItemThoughEachOneReloadsTheItems) {
  NovoProtocolo(10, QStringLiteral("2"));
  for (int seq : {1, 2, 3}) NovoItem(10, seq);
  Abrir(10);
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  ASSERT_TRUE(FForm->ToolButton(QStringLiteral("Cancelar Tudo"))->Click());
  EXPECT_EQ(FDialogos->Textos(),
            QStringList{QStringLiteral("Tem certeza que deseja cancelar todos os ítens do protocolo?")});
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 10 and CANCELADO = '1'")), 3);
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("1"));
}

TEST_F(ItensDoProtocoloTeste, ItemsOfPayrollAndFinancialOriginAreCancelledWithoutReleasingAnyDebit) {
  ExecutarSQLDireto(QStringLiteral("update DEBITOFOLHA set CODIGOPROTOCOLO = 10"));
  NovoProtocolo(10, QStringLiteral("1"));
  NovoItem(10, 1, QStringLiteral("FPA"));
  NovoItem(10, 2, QStringLiteral("FIN;11;1;A;5"));
  NovoItem(10, 3, MontarChaveOrigem(1, 1, 1));
  Abrir(10);
  for (int seq : {1, 2}) {
    IrParaItem(seq);
    FItens->actCancelarItem(FProtocolo);
    EXPECT_EQ(CanceladoDoItem(10, seq), QStringLiteral("1")) << seq;
  }
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFOLHA"), QStringLiteral("CODIGOPROTOCOLO = 10")),
            Contar(QStringLiteral("DEBITOFOLHA")));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("0"));  // item 3 is still open
}

TEST_F(ItensDoProtocoloTeste, CancellingADebitItemReleasesExactlyThatDebit) {
  ExecutarSQLDireto(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 10"));
  ExecutarSQLDireto(QStringLiteral("update DEBITOSINDICAL set CODIGOPROTOCOLO = 10"));
  NovoProtocolo(10, QStringLiteral("1"));
  NovoItem(10, 1, MontarChaveOrigem(1, 1, 2));
  NovoItem(10, 2, MontarChaveOrigem(4, 1, 1));
  Abrir(10);
  IrParaItem(1);
  FItens->actCancelarItem(FProtocolo);
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("1"));
  EXPECT_TRUE(
      Valor(QStringLiteral("select CODIGOPROTOCOLO from DEBITOFEDERAL where CODIGOEMPRESA = 1 and CHAVEDEBITOFED = 2"))
          .isNull());
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is null")), 1);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOSINDICAL"), QStringLiteral("CODIGOPROTOCOLO is null")), 0);
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("0"));
}

TEST_F(ItensDoProtocoloTeste, DebitThatCannotBeReleasedKeepsItsItemOpenSilentlyAndTheRegisterIsReadAgain) {
  NovoProtocolo(10, QStringLiteral("1"));
  NovoItem(10, 1, MontarChaveOrigem(1, 1, 999));  // no such debit
  Abrir(10);
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set OBSERVACAO = 'Mudou' where CODIGOPROTOCOLO = 10"));
  IrParaItem(1);
  FItens->actCancelarItem(FProtocolo);
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("0"));
  EXPECT_EQ(CampoItem("CANCELADO")->AsString(), QStringLiteral("0"));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("0"));
  EXPECT_EQ(FProtocolo->nClientDataSet->FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("Mudou"));
}

TEST_F(ItensDoProtocoloTeste, FailureCancellingTheProtocolRollsTheDebitAndTheItemBack) {
  ExecutarSQLDireto(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 10"));
  NovoProtocolo(10, QStringLiteral("1"));
  NovoItem(10, 1, MontarChaveOrigem(1, 1, 2));
  Abrir(10);
  FalharAtualizacoes(QStringLiteral("PROTOCOLO"));
  IrParaItem(1);
  const QString erro = ErroDe([&] { FItens->actCancelarItem(FProtocolo); });
  EXPECT_TRUE(erro.startsWith(QStringLiteral("Problema ao cancelar o protocolo: "))) << erro.toStdString();
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is null")), 0);
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("0"));
  EXPECT_EQ(CampoItem("CANCELADO")->AsString(), QStringLiteral("0"));  // the grid shows the stored item

  // Once the failure is gone, the same item can be cancelled.
  VoltarAtualizacoes(QStringLiteral("PROTOCOLO"));
  IrParaItem(1);
  FItens->actCancelarItem(FProtocolo);
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("1"));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("1"));
}

// --- a screen read before another user's change

TEST_F(ItensDoProtocoloTeste, AStaleScreenNeverFreesADebitAnotherUserProtocolledAgain) {
  ExecutarSQLDireto(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 10"));
  NovoProtocolo(10, QStringLiteral("1"));
  NovoItem(10, 1, MontarChaveOrigem(1, 1, 2));
  NovoItem(10, 2, MontarChaveOrigem(1, 1, 1));
  NovoProtocolo(11, QStringLiteral("1"));
  Abrir(10);
  IrParaItem(1);

  // Meanwhile another user cancels the item and puts its debit in protocol 11.
  auto outro = OutraConexao();
  outro->Executar(QStringLiteral("update PROTOCOLOITEM set CANCELADO = '1' where CODIGOPROTOCOLO = 10 and SEQITEMPRO = 1"));
  outro->Executar(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 11 where CODIGOEMPRESA = 1 and "
                                 "CHAVEDEBITOFED = 2"));
  outro.reset();

  EXPECT_EQ(ErroDe([&] { FItens->actCancelarItem(FProtocolo); }), QStringLiteral("Item cancelado, impossível alterar!"));
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOPROTOCOLO from DEBITOFEDERAL where CODIGOEMPRESA = 1 and "
                                 "CHAVEDEBITOFED = 2"))
                .toLongLong(),
            11);
  EXPECT_FALSE(Conexao().EmTransacao());
  // The screen shows the item as stored now.
  IrParaItem(1);
  EXPECT_EQ(CampoItem("CANCELADO")->AsString(), QStringLiteral("1"));

  // The release itself only frees a debit still in this protocol.
  EXPECT_FALSE(LimparProDeb(MontarChaveOrigem(1, 1, 2), 10));
  EXPECT_TRUE(LimparProDeb(MontarChaveOrigem(1, 1, 2), 11));
}

TEST_F(ItensDoProtocoloTeste, AStaleScreenRefusesCancellingItemsOfAProtocolWithdrawnOrCancelledSince) {
  for (const bool baixado : {true, false}) {
    SCOPED_TRACE(baixado ? "withdrawn" : "cancelled");
    const int codigo = baixado ? 20 : 21;
    NovoProtocolo(codigo, QStringLiteral("2"));
    NovoItem(codigo, 1);
    Abrir(codigo);
    IrParaItem(1);
    auto outro = OutraConexao();
    outro->Executar(baixado ? QStringLiteral("update PROTOCOLO set DATAHORABAIXA = '2026-11-21 10:00:00' where "
                                             "CODIGOPROTOCOLO = :c")
                            : QStringLiteral("update PROTOCOLO set CANCELADO = '1' where CODIGOPROTOCOLO = :c"),
                    {codigo});
    outro.reset();
    EXPECT_EQ(ErroDe([&] { FItens->actCancelarItem(FProtocolo); }),
              baixado ? QStringLiteral("Impossível alterar itens de protocolo baixado!")
                      : QStringLiteral("Impossivel alterar protocolo cancelado!"));
    EXPECT_EQ(CanceladoDoItem(codigo, 1), QStringLiteral("0"));
  }
}

class MovimentoDoDocumentoTeste : public ItensDoProtocoloTeste {
 protected:
  // Document 77 moved twice, once under protocol 10 and once under 12;
  // document 78 once under protocol 10.
  void SetUp() override {
    ItensDoProtocoloTeste::SetUp();
    for (int documento : {77, 78})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                       "CODIGOESTAB, DATALCTOPRO) select :documento, min(CODIGOTIPODOC), 2, 1, :data "
                                       "from PROTOCOLOTIPODOC"),
                        {documento, kData});
    for (const QVariantList &movimento : {QVariantList{77, 1, 10}, QVariantList{77, 2, 12}, QVariantList{78, 1, 10}})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, CODIGOPROTOCOLO) "
                                       "values (:documento, :seq, :protocolo)"),
                        movimento);
  }
  QVariant ProtocoloDoMovimento(int documento, int seq) {
    return Valor(
        QStringLiteral("select CODIGOPROTOCOLO from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :d and SEQDOCEMP = :s"),
        {documento, seq});
  }
};

TEST_F(MovimentoDoDocumentoTeste, CancellingTheItemOfAMovementProtocolFreesThatMovementOnly) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1, QString(), 77);
  NovoItem(10, 2, QString(), 78);
  Abrir(10);
  IrParaItem(1);
  FItens->actCancelarItem(FProtocolo);
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("1"));
  EXPECT_TRUE(ProtocoloDoMovimento(77, 1).isNull());
  EXPECT_EQ(ProtocoloDoMovimento(77, 2).toLongLong(), 12);
  EXPECT_EQ(ProtocoloDoMovimento(78, 1).toLongLong(), 10);
}

TEST_F(MovimentoDoDocumentoTeste, OtherProtocolTypeCancelsTheItemOnlyWhenAMovementWasFreed) {
  NovoProtocolo(10, QStringLiteral("3"));
  NovoItem(10, 1, QString(), 77);
  NovoItem(10, 2, QString(), 79);  // no movement names it
  Abrir(10);
  IrParaItem(1);
  FItens->actCancelarItem(FProtocolo);
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("1"));
  EXPECT_TRUE(ProtocoloDoMovimento(77, 1).isNull());
  IrParaItem(2);
  FItens->actCancelarItem(FProtocolo);
  EXPECT_EQ(CanceladoDoItem(10, 2), QStringLiteral("0"));
}

TEST_F(MovimentoDoDocumentoTeste, FailureFreeingTheMovementIsReportedAndUndone) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1, QString(), 77);
  Abrir(10);
  FalharAtualizacoes(QStringLiteral("PROTOCOLODOCMOVIMENTO"));
  IrParaItem(1);
  const QString erro = ErroDe([&] { FItens->actCancelarItem(FProtocolo); });
  EXPECT_TRUE(erro.startsWith(QStringLiteral("Problema ao atualizar tabela PROTOCOLODOCMOVIMENTO: ")))
      << erro.toStdString();
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("0"));
  EXPECT_EQ(CanceladoDoProtocolo(10), QStringLiteral("0"));
  VoltarAtualizacoes(QStringLiteral("PROTOCOLODOCMOVIMENTO"));
}

TEST_F(ItensDoProtocoloTeste, ItemsOfAWithdrawnProtocolRefuseChangesAndRevert) {
  NovoProtocolo(11, QStringLiteral("2"), /*baixado*/ true);
  NovoItem(11, 1);
  Abrir(11);
  IrParaItem(1);
  Itens().Edit();
  CampoItem("DESCRITEM")->SetAsString(QStringLiteral("Outra descrição"));
  EXPECT_EQ(ErroDe([&] { Itens().Post(); }), QStringLiteral("Impossível alterar itens de protocolo baixado!"));
  EXPECT_EQ(Itens().State(), TnDataSetState::Browse);
  EXPECT_EQ(CampoItem("DESCRITEM")->AsString(), QStringLiteral("Item 1"));
}

TEST_F(ItensDoProtocoloTeste, CancelledItemRefusesChangesEvenAfterACancellationFailed) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1, QStringLiteral("FPA"));
  NovoItem(10, 2, QString(), QVariant(), /*cancelado*/ true);
  Abrir(10);
  // The cancellation's own post fails...
  FalharAtualizacoes(QStringLiteral("PROTOCOLOITEM"));
  IrParaItem(1);
  EXPECT_FALSE(ErroDe([&] { FItens->actCancelarItem(FProtocolo); }).isEmpty());
  VoltarAtualizacoes(QStringLiteral("PROTOCOLOITEM"));
  EXPECT_EQ(CampoItem("CANCELADO")->AsString(), QStringLiteral("0"));
  // ...and leaves no door open for the next change of a cancelled item.
  IrParaItem(2);
  Itens().Edit();
  CampoItem("DESCRITEM")->SetAsString(QStringLiteral("Outra descrição"));
  EXPECT_EQ(ErroDe([&] { Itens().Post(); }), QStringLiteral("Item cancelado, impossível alterar!"));
  EXPECT_EQ(CampoItem("DESCRITEM")->AsString(), QStringLiteral("Item 2"));
}

TEST_F(ItensDoProtocoloTeste, ItemsAreNeverDeleted) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  Abrir(10);
  // Ctrl+Delete on the grid: confirmed, then silently refused.
  constexpr int kTeclaDelete = 46;
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_EQ(Grid()->PressionarTecla(kTeclaDelete, ssCtrl), 0);
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Confirma a exclusão do registro?")});
  EXPECT_THROW(Itens().Delete(), EAbort);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 10")), 1);
  EXPECT_EQ(Itens().RecordCount(), 1);
}

TEST_F(ItensDoProtocoloTeste, NewItemTakesTheProtocolDateOrIsRefusedWithoutTheRight) {
  NovoProtocolo(10, QStringLiteral("2"));
  Abrir(10);
  Itens().Append();
  EXPECT_EQ(CampoItem("DATALCTOPRO")->AsDate(), kData);
  EXPECT_EQ(CampoItem("CANCELADO")->AsString(), QStringLiteral("0"));
  CampoItem("DESCRITEM")->SetAsString(QStringLiteral("Guia do FGTS"));
  Itens().Post();
  EXPECT_EQ(CanceladoDoItem(10, 1), QStringLiteral("0"));

  // A user who may not change the protocol may not add to it either.
  FProtocolo->EdEnabledFields(false);
  FItens->ChecarConfigurarCampo();
  EXPECT_TRUE(Grid()->ReadOnly());
  FDialogos->ResponderTexto(QStringLiteral("OK"));
  Itens().Append();
  EXPECT_EQ(Itens().State(), TnDataSetState::Browse);
  EXPECT_EQ(
      FDialogos->Textos().value(0),
      QStringLiteral("Não é permitido incluir itens em protocolos já existentes, verifique seus direitos de acesso "
                     "com o Administrador do Sistema."));
  FProtocolo->EdEnabledFields(true);
  FItens->ChecarConfigurarCampo();
  EXPECT_FALSE(Grid()->ReadOnly());
}

TEST_F(ItensDoProtocoloTeste, CanceladoShowsOnACancelledItemOfAnOpenProtocolOnly) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  NovoItem(10, 2, QString(), QVariant(), /*cancelado*/ true);
  NovoProtocolo(12, QStringLiteral("2"), false, /*cancelado*/ true);
  NovoItem(12, 1, QString(), QVariant(), true);
  Abrir(10);
  TnPainel *painel = PainelCancelado();
  ASSERT_NE(painel, nullptr);
  EXPECT_EQ(painel->CorFonte(), nCorVermelho);
  IrParaItem(1);
  EXPECT_FALSE(painel->Visible());
  IrParaItem(2);
  EXPECT_TRUE(painel->Visible());
  ASSERT_TRUE(FProtocolo->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 12));
  EXPECT_FALSE(painel->Visible());
  // A cancelled protocol takes no new items.
  for (const char *acao : {"actDataSetInsert", "actDataSetDelete"}) {
    TnActionForm *action = FItens->Form()->Action(QLatin1String(acao));
    ASSERT_NE(action, nullptr) << acao;
    EXPECT_FALSE(action->Enabled()) << acao;
  }

  // The form goes; the module lives on without it.
  delete FForm.data();
  ASSERT_TRUE(FProtocolo->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 10));
  IrParaItem(2);
  FItens->ChecarConfigurarCampo();
}

TEST_F(ItensDoProtocoloTeste, CancelledItemsAreDrawnInRedAndTheFocusedCellInWhite) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  NovoItem(10, 2, QString(), QVariant(), true);
  Abrir(10);
  const int coluna = Grid()->IndiceColuna(QStringLiteral("DESCRITEM"));
  EXPECT_EQ(Grid()->DesenharCelula(0, coluna).CorFonte, nCorPadrao);
  EXPECT_EQ(Grid()->DesenharCelula(1, coluna).CorFonte, nCorVermelho);
  ASSERT_TRUE(Grid()->ClicarCelula(1, coluna));
  const TnDesenhoCelula atual = Grid()->DesenharCelula(1, coluna);
  ASSERT_TRUE(atual.Selecionada && atual.GridFocado);
  EXPECT_EQ(atual.CorFonte, nCorBranco);
}

// --- descriptions from the standard histories (1 without complement, 2 with)

TEST_F(ItensDoProtocoloTeste, TypedHistoryCodeFillsTheDescriptionAndHoldsTheCursorForAComplement) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  Abrir(10);
  IrParaItem(1);
  TnDBGridEh *grid = Grid();
  ASSERT_TRUE(grid->SetSelectedField(CampoItem("DESCRITEM")));
  ASSERT_TRUE(grid->Digitar(QStringLiteral("2")));
  EXPECT_EQ(grid->PressionarTecla(nTeclaEnter), 0);
  EXPECT_EQ(grid->TextoEditor(), QStringLiteral("Documentos referentes à competência "));
  EXPECT_EQ(grid->SelectedField(), CampoItem("DESCRITEM"));

  ASSERT_TRUE(grid->Digitar(QStringLiteral("1")));
  EXPECT_EQ(grid->PressionarTecla(nTeclaEnter), nTeclaEnter);
  EXPECT_EQ(CampoItem("DESCRITEM")->AsString(), QStringLiteral("Guia para pagamento até a data de vencimento"));
}

TEST_F(ItensDoProtocoloTeste, TypedTextThatIsNoHistoryPassesTheKeyAndStays) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  Abrir(10);
  IrParaItem(1);
  TnDBGridEh *grid = Grid();
  ASSERT_TRUE(grid->SetSelectedField(CampoItem("DESCRITEM")));
  for (const QString &texto : {QStringLiteral("Recibo"), QStringLiteral("99")}) {
    ASSERT_TRUE(grid->Digitar(texto));
    EXPECT_EQ(grid->PressionarTecla(nTeclaEnter), nTeclaEnter);
    EXPECT_EQ(CampoItem("DESCRITEM")->AsString(), texto);
  }
}

TEST_F(ItensDoProtocoloTeste, HistoryChosenThroughTheButtonFillsTheDescription) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  Abrir(10);
  IrParaItem(1);
  bool escolheu = false;
  const TnExecutarFormModal anterior = nSetExecutarFormModal([&](TnFrmVisual &form) {
    auto *historicos = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
    ASSERT_NE(historicos, nullptr);
    escolheu = historicos->nClientDataSet->Locate(QStringLiteral("CODIGOHISTPRO"), 3);
    form.Fechar(mrOk);
  });
  const auto restaurar = qScopeGuard([&] { nSetExecutarFormModal(anterior); });
  TnDBGridEh *grid = Grid();
  ASSERT_TRUE(grid->SetSelectedField(CampoItem("DESCRITEM")));
  EXPECT_TRUE(grid->EditButtonClick());
  EXPECT_TRUE(escolheu);
  EXPECT_EQ(Itens().State(), TnDataSetState::Edit);
  EXPECT_EQ(CampoItem("DESCRITEM")->AsString(), QStringLiteral("Folha de pagamento e recibos para assinatura"));
}

}  // namespace

namespace {

TEST_F(ItensDoProtocoloTeste, TaxTypedInTheGridTakesItsOnlyVariationAndForgetsOneOfAnotherTax) {
  NovoProtocolo(10, QStringLiteral("2"));
  NovoItem(10, 1);
  Abrir(10);
  IrParaItem(1);
  Itens().Edit();
  CampoItem("CODIGOIMPOSTO")->SetAsInteger(20);  // ISS: one variation
  EXPECT_EQ(CampoItem("VARIACAOIMPOSTO")->AsInteger(), 0);
  EXPECT_FALSE(CampoItem("VARIACAOIMPOSTO")->IsNull());
  CampoItem("CODIGOIMPOSTO")->SetAsInteger(10);  // ICMS: the user picks among two; 0 is one of them
  EXPECT_EQ(CampoItem("VARIACAOIMPOSTO")->AsInteger(), 0);
  CampoItem("VARIACAOIMPOSTO")->SetAsInteger(1);
  CampoItem("CODIGOIMPOSTO")->SetAsInteger(1);  // IRPJ has no variation 1
  EXPECT_EQ(CampoItem("VARIACAOIMPOSTO")->AsInteger(), 0);
  Itens().Cancel();
}

}  // namespace
