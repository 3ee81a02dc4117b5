#include "mVoxPkTeste_U.h"

namespace {

class GrupoTipoDocTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloGrupoTipoDoc"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QLatin1String(nome)); }
  QString Incluir(const QVariant &grupo, const QVariant &tipo) {
    Dados().Append();
    Campo("CODIGOGRUPODOC")->SetValue(grupo);
    Campo("CODIGOTIPODOC")->SetValue(tipo);
    const QString erro = ErroDe([&] { Dados().Post(); });
    if (!erro.isEmpty()) Dados().Cancel();
    return erro;
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(GrupoTipoDocTeste, TypeAddedToAGroupIsStored) {
  EXPECT_EQ(Incluir(2, 2), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOGRUPODOC = 2")), 3);
}

TEST_F(GrupoTipoDocTeste, MemberWithoutGroupOrTypeIsRefused) {
  EXPECT_NE(Incluir(QVariant(), 2), QString());
  EXPECT_NE(Incluir(2, QVariant()), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC")), 6);
}

TEST_F(GrupoTipoDocTeste, PartnerLookupIsCreatedByItsDesignName) {
  auto *parceiro = Criar(QStringLiteral("T") + FDM->CadCons());
  ASSERT_NE(parceiro, nullptr);
  EXPECT_EQ(parceiro->CadCons(), QStringLiteral("mVoxDMProtocoloGrupoTipoDoc"));
}

}  // namespace
