#include "mVoxPkTeste_U.h"

namespace {

class HistoricoProTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMHistoricoPro"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRISAOHISTPRO")); }
  TnField *Complemento() { return Dados().FieldByName(QStringLiteral("TEMCOMPLEMENTOHISTORICO")); }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(HistoricoProTeste, NewHistoryGetsTheNextCodeAndNoComplementUnlessChosen) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Recibo de entrega"));
  Dados().Post();
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Referente ao mês "));
  Complemento()->SetText(QStringLiteral("Sim"));
  Dados().Post();
  EXPECT_EQ(
      Valor(QStringLiteral("select TEMCOMPLEMENTOHISTORICO from HISTORICOPRO where CODIGOHISTPRO = 4")).toString(),
      QStringLiteral("0"));
  EXPECT_EQ(Valor(QStringLiteral("select DESCRISAOHISTPRO from HISTORICOPRO where CODIGOHISTPRO = 5")).toString(),
            QStringLiteral("Referente ao mês "));
  EXPECT_EQ(
      Valor(QStringLiteral("select TEMCOMPLEMENTOHISTORICO from HISTORICOPRO where CODIGOHISTPRO = 5")).toString(),
      QStringLiteral("1"));
}

TEST_F(HistoricoProTeste, EmptyTextOrFlagIsRefused) {
  Dados().Append();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Descrição Histórico deve ser informado."));
  Descricao()->SetAsString(QStringLiteral("Recibo de entrega"));
  Complemento()->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }),
            QStringLiteral("O campo Histórico Possui Complemento deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("HISTORICOPRO")), 3);
}

TEST_F(HistoricoProTeste, PartnerLookupIsCreatedByItsDesignName) {
  auto *parceiro = Criar(QStringLiteral("T") + FDM->CadCons());
  ASSERT_NE(parceiro, nullptr);
  EXPECT_EQ(parceiro->CadCons(), QStringLiteral("mVoxDMHistoricoPro"));
}

}  // namespace
