#include "mVoxDMProtocoloRota_U.h"
#include "mVoxPkTeste_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrado uma rota com a mesma descrição.");

// Route 1 of the sample office, "São Paulo e Campinas", and route 2.
class RotaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (2, :d)"),
                      {QStringLiteral("Zona Sul d'Oeste")});
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloRota"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRROTA")); }
  void IrPara(int codigo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOROTA"), codigo)); }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(RotaTeste, NewRouteGetsTheNextCodeAndIsStored) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Interior"));
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select DESCRROTA from PROTOCOLOROTA where CODIGOROTA = 3")).toString(),
            QStringLiteral("Interior"));
}

TEST_F(RotaTeste, RouteWithoutDescriptionIsRefused) {
  Dados().Append();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTA")), 2);
}

TEST_F(RotaTeste, DescriptionOfAnotherRouteIsRefusedOnInsertAndOnRename) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Zona Sul d'Oeste"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(1);
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("Zona Sul d'Oeste"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTA"), QStringLiteral("DESCRROTA = 'Zona Sul d''Oeste'")), 1);
}

TEST_F(RotaTeste, CaseChangeOrUnchangedSaveOfItsOwnDescriptionIsAccepted) {
  IrPara(2);
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("Zona Sul d'Oeste"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("ZONA SUL D'OESTE"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRROTA from PROTOCOLOROTA where CODIGOROTA = 2")).toString(),
            QStringLiteral("ZONA SUL D'OESTE"));
}

}  // namespace
