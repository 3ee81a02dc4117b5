#include "mVoxPkTeste_U.h"
#include "nDefinicao_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrado um tipo de documento com a mesma descrição.");

class TipoDocTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral(
        "insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, GERARAUTO, PERIODODOC, "
        "GERARENVELOPE) values (5, 'Guia d''água', 30, '0', 0, '0')"));
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloTipoDoc"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QLatin1String(nome)); }
  // A new type with every required column filled.
  void NovoTipo(const QString &descricao) {
    Dados().Append();
    Campo("DESCRTIPODOC")->SetAsString(descricao);
    Campo("PERIODODIASDESCARTE")->SetAsInteger(365);
    Campo("GERARAUTO")->SetText(QStringLiteral("Sim"));
    Campo("PERIODODOC")->SetText(QStringLiteral("Quinzenal"));
    Campo("GERARENVELOPE")->SetText(QStringLiteral("Não"));
  }
  QString Renomear(int codigo, const QString &descricao) {
    EXPECT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), codigo));
    Dados().Edit();
    Campo("DESCRTIPODOC")->SetAsString(descricao);
    const QString erro = ErroDe([&] { Dados().Post(); });
    if (!erro.isEmpty()) Dados().Cancel();
    return erro;
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(TipoDocTeste, NewTypeGetsTheNextCodeAndStoresTheComboValues) {
  NovoTipo(QStringLiteral("Contrato Social"));
  Dados().Post();
  const QString onde = QStringLiteral(" from PROTOCOLOTIPODOC where CODIGOTIPODOC = 6");
  EXPECT_EQ(Valor(QStringLiteral("select DESCRTIPODOC") + onde).toString(), QStringLiteral("Contrato Social"));
  EXPECT_EQ(Valor(QStringLiteral("select GERARAUTO") + onde).toString(), QStringLiteral("1"));
  EXPECT_EQ(Valor(QStringLiteral("select PERIODODOC") + onde).toInt(), 2);
  EXPECT_EQ(Valor(QStringLiteral("select GERARENVELOPE") + onde).toString(), QStringLiteral("0"));
  EXPECT_TRUE(Valor(QStringLiteral("select MESOCORRENCIA") + onde).isNull());
}

TEST_F(TipoDocTeste, StoredCodesShowTheirCaptions) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 4));
  EXPECT_EQ(Campo("GERARAUTO")->DisplayText(), QStringLiteral("Não"));
  EXPECT_EQ(Campo("GERARENVELOPE")->DisplayText(), QStringLiteral("Não"));
  EXPECT_EQ(Campo("PERIODODOC")->DisplayText(), QStringLiteral("Mensal"));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 5));
  EXPECT_EQ(Campo("PERIODODOC")->DisplayText(), QStringLiteral("Indefinido"));
}

TEST_F(TipoDocTeste, EachRequiredColumnLeftEmptyIsRefusedByItsLabel) {
  const std::pair<const char *, const char *> casos[] = {
      {"DESCRTIPODOC", "Descrição"},          {"PERIODODIASDESCARTE", "Período Descarte (Dias)"},
      {"GERARAUTO", "Gerar Automaticamente"}, {"PERIODODOC", "Período"},
      {"GERARENVELOPE", "Gerar Envelope"},
  };
  for (const auto &[coluna, rotulo] : casos) {
    NovoTipo(QStringLiteral("Contrato Social"));
    Campo(coluna)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo %1 deve ser informado.").arg(rotulo)) << coluna;
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC")), 5);
}

TEST_F(TipoDocTeste, CodeAbove9999IsRefused) {
  NovoTipo(QStringLiteral("Contrato Social"));
  Campo("CODIGOTIPODOC")->SetAsInteger(10000);
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC")), 5);
}

TEST_F(TipoDocTeste, DescriptionOfAnotherTypeIsRefusedOnInsertAndOnRename) {
  NovoTipo(QStringLiteral("Guia d'água"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  EXPECT_EQ(Renomear(1, QStringLiteral("Balancete Trimestral")), kDuplicado);
  EXPECT_EQ(Renomear(1, QStringLiteral("Guia d'água")), kDuplicado);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("DESCRTIPODOC = 'Guias de Impostos'")), 1);
}

TEST_F(TipoDocTeste, CaseChangeUnchangedSaveAndFreeDescriptionAreAccepted) {
  EXPECT_EQ(Renomear(5, QStringLiteral("GUIA D'ÁGUA")), QString());
  EXPECT_EQ(Renomear(5, QStringLiteral("GUIA D'ÁGUA")), QString());
  EXPECT_EQ(Renomear(1, QStringLiteral("Guias Federais")), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("DESCRTIPODOC = 'GUIA D''ÁGUA'")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("DESCRTIPODOC = 'Guias Federais'")), 1);
}

TEST_F(TipoDocTeste, PartnerLookupIsCreatedByItsDesignName) {
  auto *parceiro = Criar(QStringLiteral("T") + FDM->CadCons());
  ASSERT_NE(parceiro, nullptr);
  EXPECT_EQ(parceiro->CadCons(), QStringLiteral("mVoxDMProtocoloTipoDoc"));
}

}  // namespace
