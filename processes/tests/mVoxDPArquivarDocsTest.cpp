// Archiving documents on the sample office: box 1 belongs to establishment
// 2/1 and holds envelope 1; the tests add envelopes 2..4 (the box's highest
// is then 4) and documents of types 1 "Guias de Impostos" (own envelope),
// 3 and 4 (shared envelope).
#include <QRegularExpression>
#include <memory>

#include "mVoxDPArquivarDocs_U.h"
#include "mVoxPkTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmCadastro_U.h"
#include "nModalTeste_U.h"
#include "nMsgTreeNode_U.h"
#include "nMsgTree_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

using St = TmVoxDPArquivarDocs;

class ArquivarDocsTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int envelope : {2, 3, 4})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE, "
                                       "DESCRENVELOPE) values (1, :e, 'Antigo')"),
                        {envelope});
    Documento(201, 1, QDate(2026, 3, 1));
    Documento(202, 1, QDate(2026, 3, 5));
    Documento(203, 3, QDate(2026, 3, 31));
    Documento(204, 4, QDate(2026, 4, 2));
    Documento(205, 1, QDate(2026, 3, 2), 2, 2);  // another establishment
    FProcesso = dynamic_cast<TmVoxDPArquivarDocs *>(CriarDM(QStringLiteral("TmVoxDPArquivarDocs")));
    ASSERT_NE(FProcesso, nullptr);
  }
  static void Documento(qint64 codigo, int tipo, QDate data, int empresa = 2, int estab = 1) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values (:c, :t, :e, :f, :d, "
                                     ":s, '0')"),
                      {codigo, tipo, empresa, estab, data, QStringLiteral("Documento %1").arg(codigo)});
  }
  void Param(const QString &nome, const QString &valor) { FProcesso->npqPowerParam().Param(nome)->SetAsString(valor); }
  void Carregar(const QString &caixa = QStringLiteral("1"), const QString &somente = QStringLiteral("0")) {
    Param(QStringLiteral("pCodigoCaixaPro"), caixa);
    Param(QStringLiteral("pSomenteArq"), somente);
    FProcesso->ValidarDado();
    FProcesso->Executar();
  }
  TnClientDataSet &Grade() { return FProcesso->nClientDataSet(); }
  TnField *Campo(const char *nome) { return Grade().FieldByName(QString::fromLatin1(nome)); }
  // The rows as the grid holds them: "document|envelope|status".
  QStringList Linhas() {
    return TmVoxCadastroTeste::Linhas(
        Grade(), {QStringLiteral("CODIGODOCEMP"), QStringLiteral("CodigoEnvelope"), QStringLiteral("Status")});
  }
  void IrPara(qint64 documento) { ASSERT_TRUE(Grade().Locate(QStringLiteral("CODIGODOCEMP"), documento)); }
  QString Arquivado(qint64 documento) {
    return Valor(QStringLiteral("select ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP = :c"), {documento})
        .toString();
  }
  int Arquivos(qint64 documento) {
    return Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = %1").arg(documento));
  }
  int Movimentos(qint64 documento) {
    return Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = %1").arg(documento));
  }
  QStringList Mensagens() {
    QStringList textos;
    for (const TnMsgTreeNode *no : FProcesso->MsgTreeLista().Raizes()) textos << no->Texto();
    return textos;
  }
  // Files the listed documents through the screen, answering the shared
  // envelope's description.
  void ArquivarTodos(const QString &descricaoComum) {
    FProcesso->actMarcarTodasExecute(nullptr);
    FDialogos->ResponderTexto(QStringLiteral("OK"));
    FDialogos->ResponderTexto(descricaoComum);
    FProcesso->actGravarExecute(nullptr);
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TmVoxDPArquivarDocs *FProcesso = nullptr;
};

TEST_F(ArquivarDocsTeste, TypesWithTheirOwnEnvelopeAndTheSharedOneAreProposedAfterTheBoxsHighest) {
  Carregar();
  EXPECT_EQ(Linhas(), (QStringList{"201|5|2", "202|5|2", "203|6|2", "204|6|2"}));
  EXPECT_EQ(FProcesso->ListaEnvelopes(), (QMap<int, QString>{{5, QStringLiteral("Guias de Impostos")}}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

TEST_F(ArquivarDocsTeste, SavingFilesEveryMarkedDocumentWithItsFlagAndMovementAndCreatesEachEnvelopeOnce) {
  Carregar();
  ArquivarTodos(QStringLiteral("Diversos"));
  EXPECT_EQ(FDialogos->Textos(), (QStringList{QStringLiteral("Envelope 6 não cadastrado para caixa 1!"),
                                              QStringLiteral("Informe uma descrição para o novo envelope")}));
  EXPECT_EQ(Valor(QStringLiteral("select DESCRENVELOPE from PROTOCOLODOCENVELOPE where CODIGOCAIXA = 1 and "
                                 "CODIGOENVELOPE = 5"))
                .toString(),
            QStringLiteral("Guias de Impostos"));
  EXPECT_EQ(Valor(QStringLiteral("select DESCRENVELOPE from PROTOCOLODOCENVELOPE where CODIGOCAIXA = 1 and "
                                 "CODIGOENVELOPE = 6"))
                .toString(),
            QStringLiteral("Diversos"));
  for (qint64 documento : {201, 202, 203, 204}) {
    SCOPED_TRACE(documento);
    EXPECT_EQ(Arquivado(documento), QStringLiteral("1"));
    EXPECT_EQ(Arquivos(documento), 1);
    EXPECT_EQ(Movimentos(documento), 1);
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGOCAIXA = 1 and CODIGOENVELOPE = 5 "
                                                                         "and CODIGODOCEMP in (201, 202)")),
            2);
  std::unique_ptr<TnClientDataSet> mov =
      ExecutarSQL(QStringLiteral("select SEQDOCEMP, OBSERVACAO, TIPOLOCAL, DATALCTOPRO, ORIGEMDADO, CODIGOUSUARIO from "
                                 "PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = 203"));
  EXPECT_EQ(mov->FieldByName(QStringLiteral("SEQDOCEMP"))->AsInteger(), 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Arquivado em \d\d/\d\d/\d{4} \d\d:\d\d:\d\d  -  Caixa 1$)"))
                  .match(mov->FieldByName(QStringLiteral("OBSERVACAO"))->AsString())
                  .hasMatch())
      << mov->FieldByName(QStringLiteral("OBSERVACAO"))->AsString().toStdString();
  EXPECT_EQ(mov->FieldByName(QStringLiteral("TIPOLOCAL"))->AsString(), QStringLiteral("1"));
  EXPECT_EQ(mov->FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate(), QDate(2026, 3, 31));
  EXPECT_EQ(mov->FieldByName(QStringLiteral("ORIGEMDADO"))->AsInteger(), 2);
  EXPECT_EQ(mov->FieldByName(QStringLiteral("CODIGOUSUARIO"))->AsInteger(), nDMConexao()->CodigoUsuario());
  // Reloaded from the database: all filed now.
  EXPECT_EQ(Linhas(), (QStringList{"201|5|1", "202|5|1", "203|6|1", "204|6|1"}));
  EXPECT_EQ(Arquivado(205), QStringLiteral("0"));
}

TEST_F(ArquivarDocsTeste, OnlyFiledListsTheBoxsDocumentsAlone) {
  Carregar();
  ArquivarTodos(QStringLiteral("Diversos"));
  Documento(206, 4, QDate(2026, 5, 1));
  Carregar(QStringLiteral("1"), QStringLiteral("1"));
  EXPECT_EQ(Linhas(), (QStringList{"201|5|1", "202|5|1", "203|6|1", "204|6|1"}));
  Carregar(QStringLiteral("1"), QStringLiteral("0"));
  EXPECT_EQ(Linhas().size(), 5);
  // An envelope filter narrows the filed part only.
  Param(QStringLiteral("pCodigoEnvelope"), QStringLiteral("6"));
  Carregar(QStringLiteral("1"), QStringLiteral("0"));
  EXPECT_EQ(Linhas(), (QStringList{"203|6|1", "204|6|1", "206|7|2"}));
}

TEST_F(ArquivarDocsTeste, DateFilterWithoutAnEndReachesTodayAndKeepsTheFirstDay) {
  Param(QStringLiteral("pDataInicial"), QStringLiteral("01/03/2026"));
  Carregar();
  EXPECT_EQ(Linhas().size(), 4);
  Param(QStringLiteral("pDataFinal"), QStringLiteral("31/03/2026"));
  Carregar();
  EXPECT_EQ(Linhas(), (QStringList{"201|5|2", "202|5|2", "203|6|2"}));
  Param(QStringLiteral("pCodigoTipoDoc"), QStringLiteral("3;4"));
  Param(QStringLiteral("pDataFinal"), QString());
  Carregar();
  EXPECT_EQ(Linhas(), (QStringList{"203|5|2", "204|5|2"}));
}

TEST_F(ArquivarDocsTeste, MarkingFollowsTheStatesAndFiledRowsCannotBeEditedOrDeleted) {
  Carregar();
  ArquivarTodos(QStringLiteral("Diversos"));
  Documento(206, 4, QDate(2026, 5, 1));
  Carregar();
  IrPara(201);
  FProcesso->actMarcarExecute(nullptr);  // filed: nothing
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stArquivado);
  EXPECT_EQ(ErroDe([&] { Grade().Edit(); }), QStringLiteral("Impossivel alterar documento arquivado!"));
  EXPECT_EQ(Grade().State(), TnDataSetState::Browse);
  EXPECT_EQ(ErroDe([&] { Grade().Delete(); }), QStringLiteral("Impossivel excluir documento arquivado"));
  EXPECT_EQ(Grade().RecordCount(), 5);

  FProcesso->actMarcarRemoverExecute(nullptr);
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stRemover);
  FProcesso->actMarcarExecute(nullptr);  // stays to remove
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stRemover);

  IrPara(206);
  FProcesso->actMarcarRemoverExecute(nullptr);  // not filed: nothing
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stNaoArquivado);
  // The alternation lives with the screen: the save's "all" gave 3, so 2
  // comes next.
  FProcesso->actMarcarTodasExecute(nullptr);
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stNaoArquivado);
  FProcesso->actMarcarTodasExecute(nullptr);
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stArquivar);
  FProcesso->actMarcarRemoverTodasExecute(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"201|5|4", "202|5|4", "203|6|4", "204|6|4", "206|7|3"}));
  FProcesso->actMarcarRemoverTodasExecute(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"201|5|1", "202|5|1", "203|6|1", "204|6|1", "206|7|3"}));
  // An unfiled row leaves the list only.
  IrPara(206);
  Grade().Delete();
  EXPECT_EQ(Grade().RecordCount(), 4);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP = 206")), 1);
}

TEST_F(ArquivarDocsTeste, RemovingTakesTheDocumentOutByItsStoredEnvelopeAndDeletesOnlyItsArchivingLine) {
  Carregar();
  ArquivarTodos(QStringLiteral("Diversos"));
  Carregar();
  IrPara(201);
  FProcesso->actMarcarRemoverExecute(nullptr);
  // The envelope typed over after marking: the stored one is taken out.
  Grade().Edit();
  Campo("CodigoEnvelope")->SetAsInteger(3);
  Grade().Post();
  IrPara(203);
  FProcesso->actMarcarRemoverExecute(nullptr);
  FProcesso->actGravarExecute(nullptr);
  for (qint64 documento : {201, 203}) {
    SCOPED_TRACE(documento);
    EXPECT_EQ(Arquivado(documento), QStringLiteral("0"));
    EXPECT_EQ(Arquivos(documento), 0);
    EXPECT_EQ(Movimentos(documento), 0);
  }
  EXPECT_EQ(Arquivado(202), QStringLiteral("1"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 1 and CODIGOENVELOPE = 6")),
            1);
  EXPECT_EQ(Linhas(), (QStringList{"202|5|1", "201|7|2", "203|8|2", "204|6|1"}));
}

// A document filed elsewhere (by the register) keeps its movements: only a
// line the archiving wrote for this box is ever deleted.
TEST_F(ArquivarDocsTeste, RemovingNeverDeletesAMovementTheArchivingDidNotWrite) {
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, "
                                   "TIPOLOCAL, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, ORIGEMDADO) values (204, 1, "
                                   "'Entregue ao cliente', '2', :d, :h, 1, 2)"),
                    {QDate(2026, 4, 2), QDateTime(QDate(2026, 4, 2), QTime(10, 0))});
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) "
                     "values (1, 2, 204)"));
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '1' where CODIGODOCEMP = 204"));
  Carregar();
  IrPara(204);
  FProcesso->actMarcarRemoverExecute(nullptr);
  FProcesso->actGravarExecute(nullptr);
  EXPECT_EQ(Movimentos(204), 1);
  EXPECT_EQ(Arquivos(204), 0);
  EXPECT_EQ(Arquivado(204), QStringLiteral("0"));
}

// Rows the stored data contradicts are skipped whole, each with its reason.
TEST_F(ArquivarDocsTeste, RowsThatWouldFileTwiceOrRemoveWhatIsNotHereAreSkippedAndReported) {
  Carregar();
  // 201 filed meanwhile in another box by someone else.
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLODOCCAIXA (CODIGOCAIXA, CODIGOEMPRESA, CODIGOESTAB, "
                     "CODIGOLOCAL) values (2, 2, 1, 1)"));
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE) values (2, 1)"));
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) "
                     "values (2, 1, 201)"));
  IrPara(201);
  FProcesso->actMarcarExecute(nullptr);
  // 202 set "A Remover" through the combo, though it is filed nowhere.
  IrPara(202);
  Grade().Edit();
  Campo("Status")->SetAsInteger(St::stRemover);
  Grade().Post();
  // A hand-added row of a document that does not exist.
  Grade().Append();
  Campo("CODIGODOCEMP")->SetAsInteger(999);
  Campo("CodigoEnvelope")->SetAsInteger(2);
  Campo("CodigoTipoDoc")->SetAsInteger(1);
  Campo("Status")->SetAsInteger(St::stArquivar);
  Grade().Post();
  FProcesso->actGravarExecute(nullptr);

  EXPECT_EQ(Mensagens(), (QStringList{QStringLiteral("Documento 201 não gravado: o documento já está arquivado."),
                                      QStringLiteral("Documento 202 não gravado: o documento não está arquivado "
                                                     "nesta caixa."),
                                      QStringLiteral("Documento 999 não gravado: o documento não está cadastrado.")}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGOCAIXA = 1")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 0);
  EXPECT_EQ(Arquivado(201), QStringLiteral("0"));
  EXPECT_EQ(Arquivado(202), QStringLiteral("0"));
}

TEST_F(ArquivarDocsTeste, ARowToFileWithoutEnvelopeRefusesTheSaveBeforeAnythingIsWritten) {
  Carregar();
  IrPara(203);
  FProcesso->actMarcarExecute(nullptr);
  Grade().Edit();
  Campo("CodigoEnvelope")->SetAsInteger(0);
  Grade().Post();
  EXPECT_EQ(ErroDe([&] { FProcesso->actGravarExecute(nullptr); }),
            QStringLiteral("O documento 203 está sem envelope: informe um envelope maior que zero."));
  // The marks stay for the user to mend, on the row they were.
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsLargeInt(), 203);
  EXPECT_EQ(Campo("Status")->AsInteger(), St::stArquivar);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGOCAIXA = 1")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 1")), 4);
}

TEST_F(ArquivarDocsTeste, AFailureRollsEveryRowBackAndKeepsTheMarksForAnotherTry) {
  Carregar();
  FalharAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  FProcesso->actMarcarTodasExecute(nullptr);
  FDialogos->ResponderTexto(QStringLiteral("OK"));
  FDialogos->ResponderTexto(QStringLiteral("Diversos"));
  EXPECT_FALSE(ErroDe([&] { FProcesso->actGravarExecute(nullptr); }).isEmpty());
  VoltarAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGOCAIXA = 1")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 1")), 4);
  EXPECT_EQ(Linhas(), (QStringList{"201|5|3", "202|5|3", "203|6|3", "204|6|3"}));

  FDialogos->ResponderTexto(QStringLiteral("OK"));
  FDialogos->ResponderTexto(QStringLiteral("Diversos"));
  EXPECT_EQ(ErroDe([&] { FProcesso->actGravarExecute(nullptr); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGOCAIXA = 1")), 4);
  EXPECT_EQ(Linhas(), (QStringList{"201|5|1", "202|5|1", "203|6|1", "204|6|1"}));
}

// Descriptions belong to one load: another filter proposes afresh and asks.
TEST_F(ArquivarDocsTeste, AReloadNeverReusesAnEarlierProposalsDescription) {
  Param(QStringLiteral("pCodigoTipoDoc"), QStringLiteral("1"));
  Carregar();
  EXPECT_EQ(FProcesso->ListaEnvelopes().value(5), QStringLiteral("Guias de Impostos"));
  Param(QStringLiteral("pCodigoTipoDoc"), QStringLiteral("3"));
  Carregar();
  EXPECT_TRUE(FProcesso->ListaEnvelopes().isEmpty());
  EXPECT_EQ(Linhas(), (QStringList{"203|5|2"}));
  ArquivarTodos(QStringLiteral("Balancetes"));
  EXPECT_EQ(Valor(QStringLiteral("select DESCRENVELOPE from PROTOCOLODOCENVELOPE where CODIGOCAIXA = 1 and "
                                 "CODIGOENVELOPE = 5"))
                .toString(),
            QStringLiteral("Balancetes"));
}

TEST_F(ArquivarDocsTeste, ABoxThatDoesNotExistListsNothingAndWritesNothing) {
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  Carregar(QStringLiteral("7"));
  EXPECT_EQ(FDialogos->Textos(),
            QStringList{QStringLiteral("A caixa informada não foi encontrada!\r\nDeseja cadastrar?")});
  EXPECT_TRUE(Linhas().isEmpty());
  Grade().Append();
  Campo("CODIGODOCEMP")->SetAsInteger(201);
  Campo("CodigoEnvelope")->SetAsInteger(1);
  Campo("Status")->SetAsInteger(St::stArquivar);
  Grade().Post();
  FProcesso->actGravarExecute(nullptr);
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Documento 201 não gravado: a caixa 7 não está cadastrada.")});
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 7")), 0);
  EXPECT_EQ(Arquivos(201), 0);
}

// "Sim" opens the box register on a new box of that number; the run then
// lists the new box's establishment. Given up, the check's own error stops
// the run.
TEST_F(ArquivarDocsTeste, ABoxRegisteredFromTheQuestionIsListedAndOneGivenUpStopsTheRun) {
  QStringList vistos;
  bool gravar = true;
  const TnModalTeste modal([&](TnFrmVisual &form) {
    auto *caixa = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
    ASSERT_NE(caixa, nullptr);
    TnClientDataSet &dados = *caixa->nClientDataSet;
    vistos << caixa->ClassName() + u'|' + dados.FieldByName(QStringLiteral("CODIGOCAIXA"))->AsString();
    EXPECT_TRUE(dynamic_cast<TnFrmCadastro &>(form).EntradaUnica());
    if (gravar) {
      dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(2);
      dados.FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(1);
      dados.FieldByName(QStringLiteral("CODIGOLOCAL"))->SetAsInteger(1);
      dados.Post();
    }
    form.Fechar(mrCancel);
  });
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  Carregar(QStringLiteral("8"));
  EXPECT_EQ(vistos, QStringList{QStringLiteral("TmVoxDMProtocoloDocCaixa|8")});
  EXPECT_EQ(Linhas(), (QStringList{"201|1|2", "202|1|2", "203|2|2", "204|2|2"}));

  gravar = false;
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  FDialogos->ResponderTexto(QStringLiteral("Não"));  // the typed box is not kept
  Param(QStringLiteral("pCodigoCaixaPro"), QStringLiteral("9"));
  EXPECT_FALSE(ErroDe([&] { FProcesso->ValidarDado(); }).isEmpty());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA"), QStringLiteral("CODIGOCAIXA = 9")), 0);
}

}  // namespace
