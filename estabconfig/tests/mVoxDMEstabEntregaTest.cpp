#include "mVoxPkTeste_U.h"
#include "nDefinicao_U.h"

// The delivery address register and its lookup on the sample office, which
// holds one address, of establishment (2,2).

namespace {

class EstabEntregaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMEstabEntrega"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  // A new address with the required columns only.
  void NovoEndereco(int empresa, int estab) {
    Dados().Append();
    Campo("CODIGOEMPRESA")->SetAsInteger(empresa);
    Campo("CODIGOESTAB")->SetAsInteger(estab);
    Campo("LOGRADENTREGA")->SetAsString(QStringLiteral("Rua"));
    Campo("ENDERECOENTREGA")->SetAsString(QStringLiteral("São Clemente"));
    Campo("NUMENDERENTREGA")->SetAsInteger(114);
    Campo("SIGLAESTADO")->SetAsString(QStringLiteral("RJ"));
    Campo("CODIGOMUNIC")->SetAsInteger(1);
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(EstabEntregaTeste, AddressWithOnlyTheRequiredColumnsIsStored) {
  NovoEndereco(2, 3);
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select ENDERECOENTREGA from ESTABENTREGA where CODIGOEMPRESA = 2 and "
                                 "CODIGOESTAB = 3"))
                .toString(),
            QStringLiteral("São Clemente"));
  EXPECT_EQ(Valor(QStringLiteral("select NUMENDERENTREGA from ESTABENTREGA where CODIGOEMPRESA = 2 and "
                                 "CODIGOESTAB = 3"))
                .toInt(),
            114);
  EXPECT_EQ(
      Contar(QStringLiteral("ESTABENTREGA"), QStringLiteral("COMPLENDERENTREGA is null and "
                                                            "BAIRROENDERENTREGA is null and CEPENDERENTREGA is null")),
      1);
}

TEST_F(EstabEntregaTeste, EachRequiredColumnIsRefusedWhenEmpty) {
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB", "LOGRADENTREGA", "ENDERECOENTREGA", "NUMENDERENTREGA",
                           "SIGLAESTADO", "CODIGOMUNIC"}) {
    SCOPED_TRACE(nome);
    NovoEndereco(2, 3);
    Campo(nome)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }),
              QStringLiteral("O campo %1 deve ser informado.").arg(Campo(nome)->DisplayLabel()));
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("ESTABENTREGA")), 1);
}

TEST_F(EstabEntregaTeste, AddressColumnsAreLabelledAsTheEstablishmentsAddress) {
  // Labels come from the establishment address's keys, not the column names.
  EXPECT_EQ(Campo("LOGRADENTREGA")->DisplayLabel(), QStringLiteral("Logradouro"));
  EXPECT_EQ(Campo("ENDERECOENTREGA")->DisplayLabel(), QStringLiteral("Endereço"));
  EXPECT_EQ(Campo("NUMENDERENTREGA")->DisplayLabel(), QStringLiteral("Número"));
  EXPECT_EQ(Campo("CEPENDERENTREGA")->DisplayLabel(), QStringLiteral("CEP"));
  EXPECT_EQ(Campo("BAIRROENDERENTREGA")->Definicao().Hint(), QStringLiteral("Informe o bairro da entrega"));
  // The municipality is looked up within the address's own state.
  EXPECT_EQ(Campo("CODIGOMUNIC")->Definicao().LinkKeyFields(), QStringLiteral("SIGLAESTADO;CODIGOMUNIC"));
}

TEST_F(EstabEntregaTeste, LookupOpensOnItsStatement) {
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCEstabEntrega"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  EXPECT_FALSE(dados.nLogChanges());
  ASSERT_EQ(dados.RecordCount(), 1);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger(), 2);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("ENDERECOENTREGA"))->AsString(), QStringLiteral("Barão de Jaguara"));
  EXPECT_EQ(dados.FieldByName(QStringLiteral("SIGLAESTADO"))->AsString(), QStringLiteral("SP"));
}

}  // namespace
