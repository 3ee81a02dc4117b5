#include <QDate>
#include <QDateTime>

#include "mVoxDMProtocoloDocMovimento_U.h"
#include "mVoxPkTeste_U.h"

namespace {

const QDateTime kAgora(QDate(2026, 12, 1), QTime(9, 30, 0));

// Document 1 has movements 1 and 2, written by a process as user 1;
// document 2 has none.
class DocMovimentoTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int doc : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                       "CODIGOESTAB, DATALCTOPRO, ARQUIVADO) values (:c, 1, 2, 1, :d, '0')"),
                        {doc, QDate(2026, 11, 10)});
    for (int seq : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, "
                                       "TIPOLOCAL, CODIGODPTOESCRIT, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, "
                                       "ORIGEMDADO) values (1, :s, 'Recebido', '1', 1, :d, :h, 1, 1)"),
                        {seq, QDate(2026, 11, 10), QDateTime(QDate(2026, 11, 10), QTime(8, 0, 0))});
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocMovimento"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  // A new movement of the document, as the document register's grid fills it.
  void NovoMovimento(int doc) {
    Dados().Append();
    Campo("CODIGODOCEMP")->SetAsInteger(doc);
    Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 11, 10));
    Campo("TIPOLOCAL")->SetAsString(QStringLiteral("2"));
  }
  QVariant Coluna(const QString &coluna, int doc, int seq) {
    return Valor(
        QStringLiteral("select %1 from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :d and SEQDOCEMP = :s").arg(coluna),
        {doc, seq});
  }

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

TEST_F(DocMovimentoTeste, ChangedEditRestampsButUnchangedSaveKeepsTheStamps) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGODOCEMP;SEQDOCEMP"), QVariantList{1, 1}));
  Dados().Edit();
  Dados().Post();
  EXPECT_EQ(Coluna(QStringLiteral("ORIGEMDADO"), 1, 1).toInt(), 1);
  EXPECT_EQ(Coluna(QStringLiteral("DATAHORA"), 1, 1).toDateTime(), QDateTime(QDate(2026, 11, 10), QTime(8, 0, 0)));

  nDMConexao()->SetCodigoUsuario(2);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Enviado ao cliente"));
  Dados().Post();
  EXPECT_EQ(Coluna(QStringLiteral("CODIGOUSUARIO"), 1, 1).toInt(), 2);
  EXPECT_EQ(Coluna(QStringLiteral("DATAHORA"), 1, 1).toDateTime(), kAgora);
  EXPECT_EQ(Coluna(QStringLiteral("ORIGEMDADO"), 1, 1).toInt(), 2);
  EXPECT_EQ(Coluna(QStringLiteral("CODIGOUSUARIO"), 1, 2).toInt(), 1);
}

TEST_F(DocMovimentoTeste, MovementWithoutPlaceKindIsRefused) {
  NovoMovimento(2);
  Campo("TIPOLOCAL")->Clear();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
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

}  // namespace
