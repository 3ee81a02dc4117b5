#include <QDate>

#include "mVoxDMProtocoloDocEmp_U.h"
#include "mVoxPkTeste_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Este tipo de documento já foi cadastrado nesta data de lançamento.");

// Documents of establishment 2/1: type 1 on 2026-11-10 and 2026-11-20, type 2
// on 2026-11-10; and type 1 of establishment 2/2 on 2026-11-10.
class DocEmpTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    Inserir(1, 1, 2, 1, QDate(2026, 11, 10), QStringLiteral("Guias de novembro"));
    Inserir(2, 1, 2, 1, QDate(2026, 11, 20), QStringLiteral("Guias complementares"));
    Inserir(3, 2, 2, 1, QDate(2026, 11, 10), QStringLiteral("Folha de novembro"));
    Inserir(4, 1, 2, 2, QDate(2026, 11, 10), QStringLiteral("Guias de Campinas"));
  }
  void Inserir(int codigo, int tipo, int empresa, int estab, const QDate &data, const QString &descricao) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) "
                                     "values (:c, :t, :e, :f, :d, :s, '0', 2)"),
                      {codigo, tipo, empresa, estab, data, descricao});
  }
  void Abrir() {
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocEmp"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void IrPara(int codigo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGODOCEMP"), codigo)); }
  void Preencher(int tipo, int empresa, int estab, const QDate &data) {
    Campo("CODIGOTIPODOC")->SetAsInteger(tipo);
    Campo("CODIGOEMPRESA")->SetAsInteger(empresa);
    Campo("CODIGOESTAB")->SetAsInteger(estab);
    Campo("DATALCTOPRO")->SetAsDate(data);
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(DocEmpTeste, NewDocumentGetsTheNextNumberAndIsStoredNotFiled) {
  Abrir();
  Dados().Append();
  Preencher(3, 2, 1, QDate(2026, 11, 10));
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Balancete do 3º trimestre"));
  Dados().Post();
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsLargeInt(), 5);
  EXPECT_EQ(Valor(QStringLiteral("select DESCRDOCEMP from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).toString(),
            QStringLiteral("Balancete do 3º trimestre"));
  EXPECT_EQ(Valor(QStringLiteral("select ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).toString(),
            QStringLiteral("0"));
}

TEST_F(DocEmpTeste, DocumentWithoutTypeOrLaunchDateIsRefused) {
  Abrir();
  Dados().Append();
  Preencher(3, 2, 1, QDate(2026, 11, 10));
  Campo("CODIGOTIPODOC")->Clear();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Campo("CODIGOTIPODOC")->SetAsInteger(3);
  Campo("DATALCTOPRO")->Clear();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 4);
}

TEST_F(DocEmpTeste, SameTypeEstablishmentAndDateIsRefusedOnInsert) {
  Abrir();
  Dados().Append();
  Preencher(1, 2, 1, QDate(2026, 11, 10));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  // Any one of the four values differing makes another document.
  Dados().Append();
  Preencher(1, 2, 1, QDate(2026, 11, 11));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Append();
  Preencher(1, 1, 1, QDate(2026, 11, 10));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 6);
}

TEST_F(DocEmpTeste, EditingOnlyTheDescriptionOfAStoredDocumentIsAccepted) {
  Abrir();
  IrPara(1);
  Dados().Edit();
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Guias de novembro (DARF e GPS)"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Edit();
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Guias de novembro (DARF e GPS)"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
}

TEST_F(DocEmpTeste, MovingToADateOrEstablishmentThatHasTheTypeIsRefused) {
  Abrir();
  IrPara(2);
  Dados().Edit();
  Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 11, 10));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(4);
  Dados().Edit();
  Campo("CODIGOESTAB")->SetAsInteger(1);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(2);
  Dados().Edit();
  Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 11, 25));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DATALCTOPRO from PROTOCOLODOCEMP where CODIGODOCEMP = 2")).toDate(),
            QDate(2026, 11, 25));
}

TEST_F(DocEmpTeste, SessionLaunchPeriodLimitsTheDocumentsRead) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MAIORIGUAL"), QDate(2026, 11, 15));
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MENORIGUAL"), QDate(2026, 11, 30));
  Abrir();
  ASSERT_EQ(Dados().RecordCount(), 1);
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsLargeInt(), 2);
}

}  // namespace
