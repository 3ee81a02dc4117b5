#include "mVoxPkTeste_U.h"

namespace {

// The sample office has a template for each of the twelve types.
class CfgTipoProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("delete from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = 9"));
    FDM = Criar(QStringLiteral("TmVoxDMCfgTipoProtocolo"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Tipo() { return Dados().FieldByName(QStringLiteral("CODIGOTIPOPROTOCOLO")); }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRTIPOPROTOCOLO")); }

  TnDMClientDataSet *FDM = nullptr;
};

// The types are not numbered in display order: a caption must store its own
// code, not its place in the list.
TEST_F(CfgTipoProtocoloTeste, TypeChosenByItsCaptionStoresItsCode) {
  Dados().Append();
  Tipo()->SetText(QStringLiteral("Débitos FGTS"));
  Descricao()->SetAsString(QStringLiteral("FGTS [COMPETENCIA]"));
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = 9"))
                .toString(),
            QStringLiteral("FGTS [COMPETENCIA]"));

  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPOPROTOCOLO"), 10));
  EXPECT_EQ(Tipo()->DisplayText(), QStringLiteral("Débitos FOLHA"));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPOPROTOCOLO"), 6));
  EXPECT_EQ(Tipo()->DisplayText(), QStringLiteral("Folha de Pagamento"));
}

TEST_F(CfgTipoProtocoloTeste, TemplateWithoutTypeOrDescriptionIsRefused) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("FGTS [COMPETENCIA]"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Tipo de Protocolo deve ser informado."));
  Tipo()->SetAsInteger(9);
  Descricao()->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Descrição deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("CFGTIPOPROTOCOLO")), 11);
}

}  // namespace
