#include "mVoxPkTeste_U.h"

// The establishment configuration register and its lookup on the sample
// office: (1,1) group 2 picked up, (2,1) group 1 over the Internet, (2,2)
// group 1 by hand at another address; (2,3) and (3,1) have none.

namespace {

class CfgEstabProTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMCfgEstabPro"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void NovaFilial(int empresa, int estab, int grupo) {
    Dados().Append();
    Campo("CODIGOEMPRESA")->SetAsInteger(empresa);
    Campo("CODIGOESTAB")->SetAsInteger(estab);
    Campo("CODIGOGRUPODOC")->SetAsInteger(grupo);
  }
  QVariant Gravado(const char *coluna, int empresa, int estab) {
    return Valor(QStringLiteral("select %1 from CFGESTABPRO where CODIGOEMPRESA = :empresa and CODIGOESTAB = :estab")
                     .arg(QString::fromLatin1(coluna)),
                 {empresa, estab});
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(CfgEstabProTeste, NewConfigurationDefaultsToDeliveredByHandAtOwnAddress) {
  NovaFilial(2, 3, 2);
  Dados().Post();
  EXPECT_EQ(Gravado("CODIGOGRUPODOC", 2, 3).toInt(), 2);
  EXPECT_EQ(Gravado("FORMAENTREGA", 2, 3).toString(), QStringLiteral("2"));
  EXPECT_EQ(Gravado("MESMOENDERECOENT", 2, 3).toString(), QStringLiteral("1"));
}

TEST_F(CfgEstabProTeste, EveryColumnIsRequired) {
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC", "FORMAENTREGA", "MESMOENDERECOENT"}) {
    SCOPED_TRACE(nome);
    NovaFilial(2, 3, 2);
    Campo(nome)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }),
              QStringLiteral("O campo %1 deve ser informado.").arg(Campo(nome)->DisplayLabel()));
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO")), 3);
}

TEST_F(CfgEstabProTeste, DeliveryChoicesAreShownAndTypedByTheirCaptions) {
  NovaFilial(2, 3, 1);
  EXPECT_EQ(Campo("FORMAENTREGA")->DisplayText(), QStringLiteral("Entregue em Mãos"));
  EXPECT_EQ(Campo("MESMOENDERECOENT")->DisplayText(), QStringLiteral("Sim"));
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Entregue via Internet"));
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Não"));
  Dados().Post();
  EXPECT_EQ(Gravado("FORMAENTREGA", 2, 3).toString(), QStringLiteral("3"));
  EXPECT_EQ(Gravado("MESMOENDERECOENT", 2, 3).toString(), QStringLiteral("0"));
}

TEST_F(CfgEstabProTeste, EditingAConfigurationRewritesItsRowButNeverItsEstablishment) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 1}));
  Dados().Edit();
  Campo("CODIGOGRUPODOC")->SetAsInteger(2);
  Campo("FORMAENTREGA")->SetAsString(QStringLiteral("1"));
  Dados().Post();
  EXPECT_EQ(Gravado("CODIGOGRUPODOC", 2, 1).toInt(), 2);
  EXPECT_EQ(Gravado("FORMAENTREGA", 2, 1).toString(), QStringLiteral("1"));

  Dados().Edit();
  Campo("CODIGOESTAB")->SetAsInteger(3);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("Não é permitido alterar a chave do registro."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 3")), 0);
}

TEST_F(CfgEstabProTeste, LookupOpensOnItsStatementInEstablishmentOrder) {
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCCfgEstabPro"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  EXPECT_FALSE(dados.nLogChanges());
  ASSERT_EQ(dados.RecordCount(), 3);
  QStringList linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    linhas << dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString() + u'/' +
                  dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsString() + u':' +
                  dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"))->AsString();
  EXPECT_EQ(linhas, (QStringList{QStringLiteral("1/1:2"), QStringLiteral("2/1:1"), QStringLiteral("2/2:1")}));
}

}  // namespace
