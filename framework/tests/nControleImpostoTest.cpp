#include <gtest/gtest.h>

#include <memory>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nControleImposto_U.h"
#include "nDefinicao_U.h"
#include "nRegistro_U.h"

namespace {

// A record with a tax code and variation, as the protocol items have.
class ControleImposto : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    FDados = std::make_unique<TnClientDataSet>();
    FDados->AddFieldDef(QStringLiteral("CODIGOIMPOSTO"), TnFieldType::Integer);
    FDados->AddFieldDef(QStringLiteral("VARIACAOIMPOSTO"), TnFieldType::SmallInt);
    FDados->CreateDataSet();
    FControle = std::make_unique<TnControleImposto>(Codigo(), Variacao());
    FDados->Append();
  }
  void TearDown() override {
    FControle.reset();
    FDados.reset();
    TnBancoTeste::TearDown();
  }
  TnField *Codigo() { return FDados->FieldByName(QStringLiteral("CODIGOIMPOSTO")); }
  TnField *Variacao() { return FDados->FieldByName(QStringLiteral("VARIACAOIMPOSTO")); }

  std::unique_ptr<TnClientDataSet> FDados;
  std::unique_ptr<TnControleImposto> FControle;
};

TEST_F(ControleImposto, TaxWithOneVariationFillsItAndOneWithSeveralLeavesTheChoice) {
  Codigo()->SetAsInteger(1);
  EXPECT_EQ(Variacao()->AsInteger(), 0);
  EXPECT_FALSE(Variacao()->IsNull());
  Variacao()->SetAsInteger(5);
  Codigo()->SetAsInteger(10);  // ICMS has 0 and 1: a variation not of the tax is cleared
  EXPECT_TRUE(Variacao()->IsNull());
  Variacao()->SetAsInteger(1);
  Codigo()->SetAsInteger(10);
  EXPECT_EQ(Variacao()->AsInteger(), 1);
}

TEST_F(ControleImposto, UnknownOrEmptyTaxClearsTheVariation) {
  Codigo()->SetAsInteger(1);
  Codigo()->SetAsInteger(999);
  EXPECT_TRUE(Variacao()->IsNull());
  Codigo()->SetAsInteger(1);
  Codigo()->Clear();
  EXPECT_TRUE(Variacao()->IsNull());
}

TEST_F(ControleImposto, BothFieldsOpenTheTaxLookupAndTheEarlierHandlerComesBack) {
  EXPECT_EQ(Codigo()->Definicao().LookupClassName(), QStringLiteral("TrTulDCImposto"));
  EXPECT_EQ(Variacao()->Definicao().LinkKeyFields(), QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"));
  EXPECT_TRUE(TnRegistro::Instancia().Registrada(QStringLiteral("TrTulDCImposto")));
  int chamadas = 0;
  FControle.reset();
  Codigo()->OnChange = [&chamadas](TnField &) { ++chamadas; };
  FControle = std::make_unique<TnControleImposto>(Codigo(), Variacao());
  Codigo()->SetAsInteger(1);
  EXPECT_EQ(chamadas, 1);
  FControle.reset();
  Codigo()->SetAsInteger(2);
  EXPECT_EQ(chamadas, 2);
}

}  // namespace
