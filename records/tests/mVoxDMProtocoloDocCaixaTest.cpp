// The archive box register and its picker.
#include <QDate>

#include "mVoxPkTeste_U.h"

namespace {

class DocCaixaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocCaixa"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  // A new box of establishment 2/1 in location 1, not yet posted.
  void NovaCaixa() {
    Dados().Append();
    Campo("CODIGOEMPRESA")->SetAsInteger(2);
    Campo("CODIGOESTAB")->SetAsInteger(1);
    Campo("CODIGOLOCAL")->SetAsInteger(1);
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(DocCaixaTeste, NewBoxGetsTheNextNumberAndIsStoredWithItsCompetences) {
  NovaCaixa();
  Campo("COMPETINICIAL")->SetAsDate(QDate(2027, 1, 1));
  Campo("COMPETFINAL")->SetAsDate(QDate(2027, 6, 30));
  Dados().Post();

  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA"), QStringLiteral("CODIGOCAIXA = 2 and CODIGOEMPRESA = 2 and "
                                                                       "CODIGOESTAB = 1 and CODIGOLOCAL = 1")),
            1);
  EXPECT_EQ(Valor(QStringLiteral("select COMPETINICIAL from PROTOCOLODOCCAIXA where CODIGOCAIXA = 2")).toDate(),
            QDate(2027, 1, 1));
}

TEST_F(DocCaixaTeste, CompanyEstablishmentAndLocationAreRequired) {
  const struct {
    const char *Campo;
    QString Mensagem;
  } casos[] = {
      {"CODIGOEMPRESA", QStringLiteral("O campo Empresa deve ser informado.")},
      {"CODIGOESTAB", QStringLiteral("O campo Filial deve ser informado.")},
      {"CODIGOLOCAL", QStringLiteral("O campo Local deve ser informado.")},
  };
  for (const auto &caso : casos) {
    SCOPED_TRACE(caso.Campo);
    NovaCaixa();
    Campo(caso.Campo)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }), caso.Mensagem);
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA")), 1);
}

TEST_F(DocCaixaTeste, BoxNumberOutsideOneTo9999IsRefused) {
  for (int numero : {0, 10000}) {
    SCOPED_TRACE(numero);
    NovaCaixa();
    Campo("CODIGOCAIXA")->SetAsInteger(numero);
    EXPECT_FALSE(ErroDe([&] { Dados().Post(); }).isEmpty());
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA")), 1);
}

TEST_F(DocCaixaTeste, StoredBoxIsMovedAndDeletedByItsNumber) {
  // Box 1 of the sample office emptied, so that it may go.
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLODOCARQUIVO where CODIGOCAIXA = 1"));
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLODOCENVELOPE where CODIGOCAIXA = 1"));
  NovaCaixa();
  Dados().Post();
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOCAIXA"), 1));
  Dados().Edit();
  Campo("CODIGOESTAB")->SetAsInteger(2);
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOESTAB from PROTOCOLODOCCAIXA where CODIGOCAIXA = 1")).toInt(), 2);
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOESTAB from PROTOCOLODOCCAIXA where CODIGOCAIXA = 2")).toInt(), 1);

  Dados().Delete();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA"), QStringLiteral("CODIGOCAIXA = 2")), 1);
}

// Searches by month compare with the final competence's last day.
TEST_F(DocCaixaTeste, FinalCompetenceIsStoredAsTheLastDayOfItsMonth) {
  const struct {
    QDate Digitada;
    QDate Gravada;
  } casos[] = {{{2024, 2, 10}, {2024, 2, 29}}, {{2023, 2, 10}, {2023, 2, 28}}, {{2024, 12, 5}, {2024, 12, 31}}};
  for (const auto &caso : casos) {
    SCOPED_TRACE(caso.Digitada.toString(Qt::ISODate).toStdString());
    NovaCaixa();
    Campo("COMPETINICIAL")->SetAsDate(QDate(2024, 1, 15));
    Campo("COMPETFINAL")->SetAsDate(caso.Digitada);
    Dados().Post();
    const int caixa = Campo("CODIGOCAIXA")->AsInteger();
    EXPECT_EQ(Valor(QStringLiteral("select COMPETFINAL from PROTOCOLODOCCAIXA where CODIGOCAIXA = :c"), {caixa})
                  .toDate(),
              caso.Gravada);
    EXPECT_EQ(Valor(QStringLiteral("select COMPETINICIAL from PROTOCOLODOCCAIXA where CODIGOCAIXA = :c"), {caixa})
                  .toDate(),
              QDate(2024, 1, 15));
    EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCCAIXA"),
                     QStringLiteral("CODIGOCAIXA = %1 and COMPETFINAL between '%2' and '%2'")
                         .arg(caixa)
                         .arg(caso.Gravada.toString(Qt::ISODate))),
              1);
    // Saved again, it stays.
    Dados().Edit();
    Campo("CODIGOLOCAL")->SetAsInteger(1);
    Dados().Post();
    EXPECT_EQ(Campo("COMPETFINAL")->AsDate(), caso.Gravada);
  }
}

TEST_F(DocCaixaTeste, EmptyFinalCompetenceStaysEmpty) {
  NovaCaixa();
  Dados().Post();
  EXPECT_TRUE(Valor(QStringLiteral("select COMPETFINAL from PROTOCOLODOCCAIXA where CODIGOCAIXA = 2")).isNull());
  EXPECT_TRUE(Valor(QStringLiteral("select COMPETINICIAL from PROTOCOLODOCCAIXA where CODIGOCAIXA = 2")).isNull());
}

// The form: the box on top, its envelopes under it, numbered within the box.
TEST_F(DocCaixaTeste, FormShowsTheBoxesEnvelopesNumberedWithinTheBox) {
  TnFrmVisual *form = FDM->CriarForm();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(FDM->Detalhes().size(), 1);
  TnDMClientDataSet *envelopes = FDM->Detalhes().first();
  EXPECT_EQ(envelopes->ClassName(), QStringLiteral("TmVoxDMProtocoloDocEnvelope"));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOCAIXA"), 1));
  EXPECT_EQ(envelopes->nClientDataSet->RecordCount(), 1);  // envelope 1/1 of the sample office
  for (int i = 0; i < 2; ++i) {
    envelopes->nClientDataSet->Append();
    envelopes->nClientDataSet->FieldByName(QStringLiteral("DESCRENVELOPE"))->SetAsString(QStringLiteral("Novo"));
    envelopes->nClientDataSet->Post();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 1 and CODIGOENVELOPE in (2, 3)")),
            2);

  // A new box's first envelope is 1.
  NovaCaixa();
  Dados().Post();
  EXPECT_EQ(envelopes->nClientDataSet->RecordCount(), 0);
  envelopes->nClientDataSet->Append();
  envelopes->nClientDataSet->Post();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 2 and CODIGOENVELOPE = 1")),
            1);
}

// The picker's statement has blanks after some "t_t." prefixes: it must still
// open on both engines with the columns under their own names.
class DocCaixaConsultaTeste : public TmVoxCadastroTeste {};

TEST_F(DocCaixaConsultaTeste, BoxPickerOpensItsStatementWithTheColumnsByName) {
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLODOCCAIXA (CODIGOCAIXA, CODIGOEMPRESA, CODIGOESTAB, "
                     "CODIGOLOCAL) values (5, 2, 2, 1)"));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloDocCaixa"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  EXPECT_EQ(dados.RecordCount(), 2);
  ASSERT_TRUE(dados.Locate(QStringLiteral("CODIGOCAIXA"), 5));
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOLOCAL"})
    ASSERT_NE(dados.FindField(QString::fromLatin1(nome)), nullptr) << nome;
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), 2);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger(), 2);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOLOCAL"))->AsInteger(), 1);
  // Known by the suite's box key, not as a bare column.
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOCAIXA"))->DisplayLabel(), QStringLiteral("Caixa"));
}

}  // namespace
