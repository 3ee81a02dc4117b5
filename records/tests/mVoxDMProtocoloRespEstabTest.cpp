#include "mVoxPkTeste_U.h"

namespace {

// The sample office names one responsible person for company 2, establishment 1.
class RespEstabTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloRespEstab"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  void Novo(int empresa, int estab, const QString &nome) {
    Dados().Append();
    Dados().FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(empresa);
    Dados().FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(estab);
    Dados().FieldByName(QStringLiteral("NOMERESPONSAVEL"))->SetAsString(nome);
  }
  QString Nome(int empresa, int estab, int seq) {
    return Valor(QStringLiteral("select NOMERESPONSAVEL from PROTOCOLORESPESTAB where CODIGOEMPRESA = :empresa and "
                                "CODIGOESTAB = :estab and SEQ = :seq"),
                 {empresa, estab, seq})
        .toString();
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(RespEstabTeste, NewPersonIsNumberedWithinItsEstablishment) {
  Novo(2, 1, QStringLiteral("Márcio Dell'Agnolo"));
  Dados().Post();
  Novo(2, 2, QStringLiteral("Ana Paula Souza"));
  Dados().Post();
  EXPECT_EQ(Nome(2, 1, 2), QStringLiteral("Márcio Dell'Agnolo"));
  EXPECT_EQ(Nome(2, 2, 1), QStringLiteral("Ana Paula Souza"));
}

TEST_F(RespEstabTeste, PersonWithoutNameOrEstablishmentIsRefused) {
  Novo(2, 1, QString());
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo NOMERESPONSAVEL deve ser informado."));
  Dados().FieldByName(QStringLiteral("NOMERESPONSAVEL"))->SetAsString(QStringLiteral("Ana"));
  Dados().FieldByName(QStringLiteral("CODIGOESTAB"))->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Filial deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLORESPESTAB")), 1);
}

}  // namespace
