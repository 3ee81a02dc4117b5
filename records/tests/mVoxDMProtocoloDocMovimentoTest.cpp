#include <QDate>
#include <QDateTime>

#include "mVoxDMProtocoloDocMovimento_U.h"
#include "mVoxPkTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nEditorCampo_U.h"
#include "nFrmVisual_U.h"

namespace {

const QDateTime kAgora(QDate(2026, 12, 1), QTime(9, 30, 0));
const QString kNaoPodeAlterar = QStringLiteral("Somente é permitido alterar a última movimentação.");
const QString kNaoPodeExcluir = QStringLiteral("Somente é permitido excluir a última movimentação.");
const QString kComProtocolo = QStringLiteral("Impossível excluir movimentação com Protocolo ativo.");
const QString kIgual = QStringLiteral("O último movimento não pode ser igual ao que está sendo cadastrado.");
const QString kArquivado =
    QStringLiteral("O tramite do documento foi encerrado, pois o mesmo já está guardado no envelope.");
const QString kPergunta = QStringLiteral("Deseja gerar um protocolo desta movimentação?");

// The movement register on its own (no document register open). Document 1
// has movements 1 and 2, both internal to department 1, written by a
// process as user 1; document 2 has none.
class DocMovimentoTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int doc : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                       "CODIGOESTAB, DATALCTOPRO, ARQUIVADO) values (:c, 1, 2, 1, :d, '0')"),
                        {doc, QDate(2026, 11, 10)});
    for (int seq : {1, 2}) Movimento(1, seq, "1", 1);
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocMovimento"));
    ASSERT_NE(FDM, nullptr);
  }
  void Movimento(int doc, int seq, const char *tipo, const QVariant &departamento,
                 const QVariant &protocolo = QVariant(QMetaType(QMetaType::LongLong))) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, "
                                     "TIPOLOCAL, CODIGODPTOESCRIT, CODIGOPROTOCOLO, DATALCTOPRO, DATAHORA, "
                                     "CODIGOUSUARIO, ORIGEMDADO) values (:c, :s, 'Recebido', :t, :d, :p, :l, :h, 1, 1)"),
                      {doc, seq, QString::fromLatin1(tipo), departamento, protocolo, QDate(2026, 11, 10),
                       QDateTime(QDate(2026, 11, 10), QTime(8, 0, 0))});
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void IrPara(int doc, int seq) {
    ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGODOCEMP;SEQDOCEMP"), QVariantList{doc, seq}));
  }
  // A new movement of the document, as the document register's grid fills it.
  void NovoMovimento(int doc, const char *tipo = "1") {
    Dados().Append();
    Campo("CODIGODOCEMP")->SetAsInteger(doc);
    Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 11, 10));
    Campo("TIPOLOCAL")->SetAsString(QString::fromLatin1(tipo));
  }
  QString Gravar() {
    return ErroDe([&] { Dados().Post(); });
  }
  QString Excluir() {
    return ErroDe([&] { Dados().Delete(); });
  }
  QVariant Coluna(const QString &coluna, int doc, int seq) {
    return Valor(
        QStringLiteral("select %1 from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :d and SEQDOCEMP = :s").arg(coluna),
        {doc, seq});
  }
  void Arquivar(int doc) {
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '1' where CODIGODOCEMP = :c"), {doc});
  }

  TnDialogosTeste FDialogos;
  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(DocMovimentoTeste, NewMovementTakesTheNextSequenceOfItsDocument) {
  NovoMovimento(1);
  Dados().Post();
  EXPECT_EQ(Campo("SEQDOCEMP")->AsInteger(), 3);
  NovoMovimento(2);
  Dados().Post();
  EXPECT_EQ(Campo("SEQDOCEMP")->AsInteger(), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 4);
}

TEST_F(DocMovimentoTeste, TypedMovementIsStampedWithUserMomentAndOrigin) {
  nDMConexao()->SetCodigoUsuario(2);
  NovoMovimento(2);
  Dados().Post();
  EXPECT_EQ(Coluna(QStringLiteral("CODIGOUSUARIO"), 2, 1).toInt(), 2);
  EXPECT_EQ(Coluna(QStringLiteral("DATAHORA"), 2, 1).toDateTime(), kAgora);
  EXPECT_EQ(Coluna(QStringLiteral("ORIGEMDADO"), 2, 1).toInt(), 2);
}

TEST_F(DocMovimentoTeste, MovementWrittenForAnotherOriginIsStampedOrigin3) {
  FDM->SetOutraOrigem(true);
  NovoMovimento(2);
  Dados().Post();
  EXPECT_EQ(Coluna(QStringLiteral("ORIGEMDADO"), 2, 1).toInt(), 3);
}

// The last movement equals the one before it (both written by a process):
// an edit that leaves the place alone cannot make a repetition.
TEST_F(DocMovimentoTeste, ChangedEditRestampsButUnchangedSaveKeepsTheStamps) {
  IrPara(1, 2);
  Dados().Edit();
  Dados().Post();
  EXPECT_EQ(Coluna(QStringLiteral("ORIGEMDADO"), 1, 2).toInt(), 1);
  EXPECT_EQ(Coluna(QStringLiteral("DATAHORA"), 1, 2).toDateTime(), QDateTime(QDate(2026, 11, 10), QTime(8, 0, 0)));

  nDMConexao()->SetCodigoUsuario(2);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Enviado ao cliente"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Coluna(QStringLiteral("CODIGOUSUARIO"), 1, 2).toInt(), 2);
  EXPECT_EQ(Coluna(QStringLiteral("DATAHORA"), 1, 2).toDateTime(), kAgora);
  EXPECT_EQ(Coluna(QStringLiteral("ORIGEMDADO"), 1, 2).toInt(), 2);
  EXPECT_EQ(Coluna(QStringLiteral("CODIGOUSUARIO"), 1, 1).toInt(), 1);
}

TEST_F(DocMovimentoTeste, MovementWithoutPlaceKindIsRefused) {
  NovoMovimento(2);
  Campo("TIPOLOCAL")->Clear();
  EXPECT_NE(Gravar(), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 2")), 0);
}

// The grid edits the place kind by its caption; the column holds one digit.
TEST_F(DocMovimentoTeste, PlaceKindIsTypedAndShownByCaptionButStoredAsItsValue) {
  NovoMovimento(2);
  Campo("TIPOLOCAL")->SetText(QStringLiteral("Interno"));
  EXPECT_EQ(Campo("TIPOLOCAL")->DisplayText(), QStringLiteral("Interno"));
  Dados().Post();
  EXPECT_EQ(Coluna(QStringLiteral("TIPOLOCAL"), 2, 1).toString(), QStringLiteral("1"));
}

// --- only the last movement is live

TEST_F(DocMovimentoTeste, AnEarlierMovementCannotBeChangedWhateverChanges) {
  IrPara(1, 1);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Corrigido"));
  EXPECT_EQ(Gravar(), kNaoPodeAlterar);
  Dados().Cancel();
  EXPECT_EQ(Coluna(QStringLiteral("OBSERVACAO"), 1, 1).toString(), QStringLiteral("Recebido"));
}

TEST_F(DocMovimentoTeste, AMovementIsComparedWithTheOneBeforeItOnlyFromTwoStoredOnes) {
  // Document 1 holds two movements: a third like the last is refused.
  NovoMovimento(1);
  Campo("CODIGODPTOESCRIT")->SetAsInteger(1);
  EXPECT_EQ(Gravar(), kIgual);
  Campo("CODIGODPTOESCRIT")->SetAsInteger(2);
  EXPECT_EQ(Gravar(), QString());

  // Editing the last one back to the one before it is refused too.
  Dados().Edit();
  Campo("CODIGODPTOESCRIT")->SetAsInteger(1);
  EXPECT_EQ(Gravar(), kIgual);
  Dados().Cancel();
  EXPECT_EQ(Coluna(QStringLiteral("CODIGODPTOESCRIT"), 1, 3).toInt(), 2);

  // With a single stored movement a second equal one is not compared.
  Movimento(2, 1, "2", QVariant(QMetaType(QMetaType::Int)));
  NovoMovimento(2, "2");
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 2")), 2);
}

// Another user added a movement after this grid was read: the row the grid
// shows last is no longer the last.
TEST_F(DocMovimentoTeste, TheLastMovementIsTheStoredLastOne) {
  Movimento(1, 3, "2", QVariant(QMetaType(QMetaType::Int)));
  IrPara(1, 2);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Corrigido"));
  EXPECT_EQ(Gravar(), kNaoPodeAlterar);
  Dados().Cancel();
  EXPECT_EQ(Excluir(), kNaoPodeExcluir);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 1")), 3);
}

TEST_F(DocMovimentoTeste, OnlyTheLastMovementWithoutAProtocolCanBeDeleted) {
  IrPara(1, 1);
  EXPECT_EQ(Excluir(), kNaoPodeExcluir);
  // A protocol linked by another user after the grid was read counts.
  ExecutarSQLDireto(QStringLiteral(
      "update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = 9 where CODIGODOCEMP = 1 and SEQDOCEMP = 2"));
  IrPara(1, 2);
  EXPECT_EQ(Excluir(), kComProtocolo);
  ExecutarSQLDireto(QStringLiteral(
      "update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = null where CODIGODOCEMP = 1 and SEQDOCEMP = 2"));
  EXPECT_EQ(Excluir(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 1")), 1);
}

// The document was filed after the grid was read. Undoing the filing deletes
// the document's last line: that line may not go meanwhile.
TEST_F(DocMovimentoTeste, AFiledDocumentTakesNoNewChangedOrDeletedMovement) {
  Arquivar(1);
  NovoMovimento(1, "2");
  EXPECT_EQ(Gravar(), kArquivado);
  Dados().Cancel();
  IrPara(1, 2);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Corrigido"));
  EXPECT_EQ(Gravar(), kArquivado);
  Dados().Cancel();
  EXPECT_EQ(Excluir(), kArquivado);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 1")), 2);
}

// --- the launch date

TEST_F(DocMovimentoTeste, TheLaunchDateIsTheDocumentsAndNeverAnEmptyDate) {
  Dados().Append();
  EXPECT_TRUE(Campo("DATALCTOPRO")->IsNull());
  Campo("CODIGODOCEMP")->SetAsInteger(2);
  Campo("TIPOLOCAL")->SetAsString(QStringLiteral("1"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Coluna(QStringLiteral("DATALCTOPRO"), 2, 1).toDate(), QDate(2026, 11, 10));

  // A document that is not stored gives no date: the movement is refused.
  Dados().Append();
  Campo("CODIGODOCEMP")->SetAsInteger(99);
  Campo("TIPOLOCAL")->SetAsString(QStringLiteral("1"));
  EXPECT_EQ(Gravar(), QStringLiteral("O documento desta movimentação não foi encontrado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("DATALCTOPRO < '1900-01-02'")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = 99")), 0);
}

// --- the editors

TEST_F(DocMovimentoTeste, TheDepartmentIsOpenOnlyForAnInternalPlace) {
  TnEditorCampo *departamento = FDM->EdFindFieldControl(QStringLiteral("CODIGODPTOESCRIT"));
  NovoMovimento(2, "2");
  EXPECT_FALSE(departamento->Enabled());
  Campo("TIPOLOCAL")->SetText(QStringLiteral("Interno"));
  EXPECT_TRUE(departamento->Enabled());
  Campo("TIPOLOCAL")->Clear();
  EXPECT_TRUE(departamento->Enabled());
  Dados().Cancel();
  EXPECT_FALSE(FDM->EdFindFieldControl(QStringLiteral("CODIGOPROTOCOLO"))->Enabled());
  EXPECT_FALSE(FDM->EdFindFieldControl(QStringLiteral("CODIGOUSUARIORESP"))->ReadOnly());
}

// The user picks the responsible and the department from their lookups.
TEST_F(DocMovimentoTeste, TheResponsibleAndTheDepartmentComeFromTheirLookups) {
  NovoMovimento(2);
  QStringList abertos;
  const TnExecutarFormModal anterior = nSetExecutarFormModal([&](TnFrmVisual &form) {
    auto *consulta = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
    ASSERT_NE(consulta, nullptr);
    abertos << consulta->ClassName();
    const QString chave = consulta->ChavePrimaria();
    ASSERT_TRUE(consulta->nClientDataSet->Locate(chave, 2));
    form.Fechar(mrOk);
  });
  EXPECT_TRUE(FDM->AbrirLookup(Campo("CODIGOUSUARIORESP")));
  EXPECT_TRUE(FDM->AbrirLookup(Campo("CODIGODPTOESCRIT")));
  nSetExecutarFormModal(anterior);
  EXPECT_EQ(abertos, (QStringList{"TrTulDCUsuario", "TrTulDCDptoEscrit"}));
  EXPECT_EQ(Campo("CODIGOUSUARIORESP")->AsInteger(), 2);
  EXPECT_EQ(Campo("CODIGODPTOESCRIT")->AsInteger(), 2);
}

// --- the question after a new external movement

TEST_F(DocMovimentoTeste, ANewExternalMovementOffersItsProtocolUntilItIsCancelled) {
  NovoMovimento(2, "1");
  EXPECT_EQ(Gravar(), QString());
  EXPECT_TRUE(FDialogos->Textos().isEmpty());

  NovoMovimento(1, "2");
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), QStringList{kPergunta});
  // Saved again as external, the same movement asks again.
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Enviado pelo correio"));
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kPergunta, kPergunta}));

  // A cancelled new movement ends it.
  NovoMovimento(2, "2");
  Dados().Cancel();
  IrPara(1, 3);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Enviado por portador"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos().size(), 2);
}

}  // namespace
