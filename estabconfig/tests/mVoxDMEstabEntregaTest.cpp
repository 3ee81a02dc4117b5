#include "mVoxPkTeste_U.h"
#include "nDefinicao_U.h"

// The delivery address register and its lookup on the sample office, which
// holds one address, of establishment (2,2), configured by hand elsewhere;
// (1,1) picks its documents up, (2,1) gets them over the Internet, (2,3)
// has no configuration.

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

  // Gives the establishment the configuration (any earlier one replaced).
  void Configurar(int empresa, int estab, const QString &forma, const QString &mesmoEndereco) {
    ExecutarSQLDireto(QStringLiteral("delete from CFGESTABPRO where CODIGOEMPRESA = :empresa and CODIGOESTAB = :estab"),
                      {empresa, estab});
    ExecutarSQLDireto(QStringLiteral("insert into CFGESTABPRO (CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, "
                                     "FORMAENTREGA, MESMOENDERECOENT) values (:empresa, :estab, 1, :forma, :mesmo)"),
                      {empresa, estab, forma, mesmoEndereco});
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(EstabEntregaTeste, AddressWithOnlyTheRequiredColumnsIsStored) {
  Configurar(2, 3, QStringLiteral("2"), QStringLiteral("0"));
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

TEST_F(EstabEntregaTeste, NewAddressIsCheckedAgainstTheConfigurationInOrder) {
  const QString semConfiguracao = QStringLiteral("Não existe configuração para este estabelecimento.");
  const QString formaSemEndereco = QStringLiteral("A forma de entrega configurada não precisa de endereço de entrega.");
  const QString mesmoEndereco =
      QStringLiteral("A configuração para entrega deste estabelecimento é no mesmo endereço da empresa.");
  const QString duplicado = QStringLiteral("Já existe cadastrado um endereço de entrega para este estabelecimento.");
  struct TnCaso {
    const char *Nome;
    int Estab;
    const char *Forma;  // null: no configuration
    const char *Mesmo;
    QString Mensagem;
  };
  const TnCaso casos[] = {
      {"no configuration", 3, nullptr, nullptr, semConfiguracao},
      {"picked up, own address", 3, "1", "1", formaSemEndereco},
      {"picked up, elsewhere", 3, "1", "0", formaSemEndereco},
      {"over the Internet, elsewhere", 3, "3", "0", formaSemEndereco},
      {"by hand at its own address", 3, "2", "1", mesmoEndereco},
      // The second address is refused before the configuration is read.
      {"second address, now picked up", 2, "1", "1", duplicado},
      {"by hand elsewhere", 3, "2", "0", QString()},
  };
  for (const TnCaso &caso : casos) {
    SCOPED_TRACE(caso.Nome);
    if (caso.Forma)
      Configurar(2, caso.Estab, QString::fromLatin1(caso.Forma), QString::fromLatin1(caso.Mesmo));
    else
      ExecutarSQLDireto(QStringLiteral("delete from CFGESTABPRO where CODIGOEMPRESA = 2 and CODIGOESTAB = :estab"),
                        {caso.Estab});
    NovoEndereco(2, caso.Estab);
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }), caso.Mensagem);
    if (!caso.Mensagem.isEmpty()) {
      EXPECT_EQ(Dados().State(), TnDataSetState::Insert);
      Dados().Cancel();
    }
  }
  EXPECT_EQ(Contar(QStringLiteral("ESTABENTREGA")), 2);
}

TEST_F(EstabEntregaTeste, StoredAddressIsRefusedOnceItsConfigurationNoLongerAsksForIt) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 2}));
  Dados().Edit();
  Campo("NUMENDERENTREGA")->SetAsInteger(901);
  Dados().Post();  // still delivered by hand elsewhere
  Configurar(2, 2, QStringLiteral("3"), QStringLiteral("0"));
  Dados().Edit();
  Campo("NUMENDERENTREGA")->SetAsInteger(902);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }),
            QStringLiteral("A forma de entrega configurada não precisa de endereço de entrega."));
  EXPECT_EQ(Dados().State(), TnDataSetState::Edit);
  Dados().Cancel();
  EXPECT_EQ(Valor(QStringLiteral("select NUMENDERENTREGA from ESTABENTREGA where CODIGOESTAB = 2")).toInt(), 901);
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
