// "Documentos Pendentes" on the sample office. In March 2026 company 1 (1/1)
// expects types 1 and 3, company 2 types 1, 2 and 3 at 2/1 and at 2/2, each
// on day 1; with no document stored the proposed codes start at 1.
#include "mVoxDPConsultaDocPendente_U.h"
#include "mVoxDPDocumentosPendentes_U.h"
#include "mVoxDocumentosTeste_U.h"
#include "nDBGrid_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

const QString kPergunta = QStringLiteral("Deseja realmente salvar estes documentos como entregues?");
const QString kSucesso = QStringLiteral("Documentos gravados com sucesso!");
const QString kResponsavel = QStringLiteral("Usuário Responsável");

class DocumentosPendentesTeste : public TmVoxDocumentosTeste {
 protected:
  void SetUp() override {
    TmVoxDocumentosTeste::SetUp();
    FProcesso = dynamic_cast<TmVoxDPDocumentosPendentes *>(CriarDM(QStringLiteral("TmVoxDPDocumentosPendentes")));
    ASSERT_NE(FProcesso, nullptr);
  }
  void Carregar(const QString &empresa, const QString &compet = QStringLiteral("03/2026")) {
    FProcesso->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(compet);
    FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(empresa);
    FProcesso->Executar();
  }
  TnClientDataSet &Grade() { return FProcesso->nClientDataSet(); }
  // The rows, "code|company/establishment|type|received".
  QStringList Linhas() {
    QStringList linhas;
    TnClientDataSet cursor;
    cursor.CloneCursor(&Grade(), false);
    for (cursor.First(); !cursor.Eof(); cursor.Next())
      linhas << QStringLiteral("%1|%2/%3|%4|%5")
                    .arg(cursor.FieldByName(QStringLiteral("CODIGODOCUMENTO"))->AsString(),
                         cursor.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString(),
                         cursor.FieldByName(QStringLiteral("CODIGOESTAB"))->AsString(),
                         cursor.FieldByName(QStringLiteral("CODIGOTIPODOC"))->AsString(),
                         cursor.FieldByName(QStringLiteral("RECEBIDO"))->AsString());
    return linhas;
  }
  void IrPara(qint64 codigo) { ASSERT_TRUE(Grade().Locate(QStringLiteral("CODIGODOCUMENTO"), codigo)); }
  void Marcar(std::initializer_list<qint64> codigos) {
    for (qint64 codigo : codigos) {
      IrPara(codigo);
      FProcesso->actMarcarExecute(nullptr);
    }
  }
  QString Gravar() { return ErroDe([&] { FProcesso->actGravarExecute(nullptr); }); }
  // The stored movements, "document|seq|local|date|observation|user|responsible|origin".
  QStringList Movimentos() {
    std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(QStringLiteral(
        "select CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, DATALCTOPRO, OBSERVACAO, CODIGOUSUARIO, CODIGOUSUARIORESP, "
        "ORIGEMDADO, DATAHORA from PROTOCOLODOCMOVIMENTO order by CODIGODOCEMP"));
    QStringList linhas;
    for (dados->First(); !dados->Eof(); dados->Next()) {
      QStringList valores;
      for (const char *campo : {"CODIGODOCEMP", "SEQDOCEMP", "TIPOLOCAL", "DATALCTOPRO", "OBSERVACAO", "CODIGOUSUARIO",
                                "CODIGOUSUARIORESP", "ORIGEMDADO"}) {
        const TnField *f = dados->FieldByName(QLatin1String(campo));
        valores << (f->IsNull() ? QStringLiteral("<nulo>") : f->AsString());
      }
      EXPECT_FALSE(dados->FieldByName(QStringLiteral("DATAHORA"))->IsNull());
      linhas << valores.join(u'|');
    }
    return linhas;
  }

  TnDialogosTeste FDialogos;
  TnParamsSalvosTeste FParams;
  TmVoxDPDocumentosPendentes *FProcesso = nullptr;
};

TEST_F(DocumentosPendentesTeste, TheListComesFromTheConsultationAndHandRowsTakeTheNextCode) {
  Carregar(QStringLiteral("1"));
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1|1|0", "2|1/1|3|0"}));
  EXPECT_FALSE(Grade().FieldByName(QStringLiteral("CODIGOEMPRESA"))->Visible());
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_EQ(FProcesso->UltimoDoc(), 2);
  Grade().Append();
  EXPECT_EQ(Grade().FieldByName(QStringLiteral("CODIGODOCUMENTO"))->AsLargeInt(), 3);
  EXPECT_TRUE(FProcesso->TemAlteracao());
  Grade().Cancel();

  Carregar(QStringLiteral("1-2"));
  EXPECT_TRUE(Grade().FieldByName(QStringLiteral("CODIGOEMPRESA"))->Visible());
  EXPECT_TRUE(Grade().FieldByName(QStringLiteral("CODIGOESTAB"))->Visible());
  EXPECT_EQ(Grade().RecordCount(), 8);
}

TEST_F(DocumentosPendentesTeste, AnEmptyListNumbersHandRowsFromTheNextFreeCode) {
  NovoDocumento(40, 1, 1, 1, QDate(2026, 4, 3));
  Carregar(QStringLiteral("1"), QStringLiteral("04/2026"));
  EXPECT_EQ(Grade().RecordCount(), 0);
  Grade().Append();
  EXPECT_EQ(Grade().FieldByName(QStringLiteral("CODIGODOCUMENTO"))->AsLargeInt(), 41);
}

TEST_F(DocumentosPendentesTeste, MarkingSwitchesOneRowOrEveryRow) {
  Carregar(QStringLiteral("2"));
  Marcar({1, 1});
  EXPECT_EQ(Linhas().first(), QStringLiteral("1|2/1|1|0"));
  Marcar({2});
  FProcesso->actMarcarTodasExecute(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1|1|1", "2|2/1|2|0", "3|2/1|3|1", "4|2/2|1|1", "5|2/2|2|1", "6|2/2|3|1"}));
  IrPara(1);
  EXPECT_EQ(Grade().FieldByName(QStringLiteral("ALTERUSER"))->AsInteger(), 1);
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

TEST_F(DocumentosPendentesTeste, SavingTheMarkedRowsWritesDocumentAndFirstMovement) {
  Carregar(QStringLiteral("2"));
  Marcar({2, 5});
  FDialogos->Responder(0);
  FDialogos->ResponderCampos({{kResponsavel, QStringLiteral("2")}});
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(),
            (QStringList{kPergunta, QStringLiteral("Informe o código do usuário responsável pelo documento!"), kSucesso}));
  EXPECT_EQ(Documentos(), (QStringList{"2|2/1|2|2026-03-01|", "5|2/2|2|2026-03-01|"}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("ARQUIVADO = '0' and ORIGEMDADO is null and "
                                                                      "DESCRDOCEMP = 'Folha de Pagamento e Recibos'")),
            2);
  const QString usuario = QString::number(nDMConexao()->CodigoUsuario());
  EXPECT_EQ(Movimentos(),
            (QStringList{"2|1|1|01/03/2026|Documento recebido em: 01/03/2026|" + usuario + "|2|2",
                         "5|1|1|01/03/2026|Documento recebido em: 01/03/2026|" + usuario + "|2|2"}));
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1|1|0", "3|2/1|3|0", "4|2/2|1|0", "6|2/2|3|0"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());

  // The consultation no longer expects them.
  auto *consulta = dynamic_cast<TmVoxDPConsultaDocPendente *>(CriarDM(QStringLiteral("TmVoxDPConsultaDocPendente")));
  consulta->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("03/2026"));
  consulta->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("2"));
  consulta->Executar();
  EXPECT_EQ(consulta->nClientDataSet().RecordCount(), 4);
}

TEST_F(DocumentosPendentesTeste, AListSortedByTheUserSavesTheMarkedRowsAndKeepsTheOthersInItsOrder) {
  Carregar(QStringLiteral("2"));
  Grade().SetIndexFieldNames(QStringLiteral("CODIGOTIPODOC"));
  Marcar({6, 1, 3});
  FDialogos->Responder(0);
  FDialogos->Cancelar();
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Documentos(), (QStringList{"1|2/1|1|2026-03-01|", "3|2/1|3|2026-03-01|", "6|2/2|3|2026-03-01|"}));
  ASSERT_EQ(Movimentos().size(), 3);
  EXPECT_EQ(Linhas(), (QStringList{"4|2/2|1|0", "2|2/1|2|0", "5|2/2|2|0"}));
  EXPECT_EQ(Grade().RecNo(), 1);
}

TEST_F(DocumentosPendentesTeste, ACancelledResponsibleDialogStoresNoResponsible) {
  Carregar(QStringLiteral("1"));
  Marcar({1});
  FDialogos->Responder(0);
  FDialogos->Cancelar();
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  ASSERT_EQ(Movimentos().size(), 1);
  EXPECT_TRUE(Movimentos().first().contains(QStringLiteral("|<nulo>|2")));
}

TEST_F(DocumentosPendentesTeste, NothingMarkedOrNoWritesNothing) {
  Carregar(QStringLiteral("1"));
  FDialogos->Responder(1);
  EXPECT_EQ(Gravar(), QString());
  FDialogos->Responder(0);
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kPergunta, kPergunta, kSucesso}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 0);
  EXPECT_EQ(Grade().RecordCount(), 2);
}

TEST_F(DocumentosPendentesTeste, ATakenCodeRollsTheWholeSaveBackAndKeepsTheList) {
  Carregar(QStringLiteral("2"));
  Marcar({1, 4});
  // Someone else stored a document under code 4 since the list was read.
  NovoDocumento(4, 4, 1, 1, QDate(2025, 1, 1));
  FDialogos->Responder(0);
  FDialogos->ResponderCampos({{kResponsavel, QStringLiteral("1")}});
  const QString erro = Gravar();
  EXPECT_TRUE(erro.startsWith(QStringLiteral("Operação cancelada! Não foi possível efetuar a operação!\r\n"))) 
      << erro.toStdString();
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(Documentos(), QStringList{"4|1/1|4|2025-01-01|"});
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 0);
  EXPECT_EQ(Grade().RecordCount(), 6);
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

TEST_F(DocumentosPendentesTeste, MarkedRowsAreCheckedBeforeAnythingIsWritten) {
  Carregar(QStringLiteral("1"));
  // A row added by hand without its establishment.
  Grade().Append();
  Grade().FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(1);
  Grade().FieldByName(QStringLiteral("CODIGOTIPODOC"))->SetAsInteger(4);
  Grade().FieldByName(QStringLiteral("DATALCTO"))->SetAsDate(QDate(2026, 3, 7));
  Grade().FieldByName(QStringLiteral("DESCRDOCEMP"))->SetAsString(QStringLiteral("Extrato d'água"));
  Grade().Post();
  Marcar({3});
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QStringLiteral("Informe a empresa, a filial, o tipo e a data do documento 3!"));
  EXPECT_EQ(Grade().FieldByName(QStringLiteral("CODIGODOCUMENTO"))->AsLargeInt(), 3);

  IrPara(3);
  Grade().Edit();
  Grade().FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(1);
  Grade().FieldByName(QStringLiteral("DESCRDOCEMP"))->SetAsString(QString(51, u'x'));
  Grade().Post();
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QStringLiteral("A descrição do documento 3 não pode ter mais de 50 caracteres!"));

  // A responsible user that is no code.
  Grade().Edit();
  Grade().FieldByName(QStringLiteral("DESCRDOCEMP"))->SetAsString(QStringLiteral("Extrato d'água"));
  Grade().Post();
  FDialogos->Responder(0);
  FDialogos->ResponderCampos({{kResponsavel, QStringLiteral("abc")}});
  EXPECT_EQ(Gravar(), QStringLiteral("Usuário responsável inválido: informe o código de um usuário."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 0);
  EXPECT_FALSE(nDMConexao()->EmTransacao());

  // Mended, the typed description is stored as typed.
  FDialogos->Responder(0);
  FDialogos->ResponderCampos({{kResponsavel, QString()}});
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRDOCEMP from PROTOCOLODOCEMP where CODIGODOCEMP = 3")).toString(),
            QStringLiteral("Extrato d'água"));
  EXPECT_EQ(Movimentos(), QStringList{"3|1|1|07/03/2026|Documento recebido em: 07/03/2026|" +
                                      QString::number(nDMConexao()->CodigoUsuario()) + "|<nulo>|2"});
}

TEST_F(DocumentosPendentesTeste, ACompetenceThatIsNoMonthIsRefused) {
  Carregar(QStringLiteral("1"));
  FProcesso->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("13/2026"));
  EXPECT_EQ(ErroDe([&] { FProcesso->Executar(); }), QStringLiteral("Competência inválida!"));
  EXPECT_EQ(Grade().RecordCount(), 2);
}

TEST_F(DocumentosPendentesTeste, CancelarListsTheDocumentsAgain) {
  Carregar(QStringLiteral("1"));
  Marcar({1});
  FProcesso->actCancelarExecute(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1|1|0", "2|1/1|3|0"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

}  // namespace
