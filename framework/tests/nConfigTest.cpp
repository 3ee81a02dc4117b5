#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include "nBancoTeste_U.h"
#include "nConfig_U.h"
#include "nDMConexao_U.h"
#include "nParamsSalvos_U.h"

namespace {

// Settings on files of a temporary folder, never the user's own.
class TnConfigTest : public ::testing::Test {
 protected:
  QString Arquivo(const char *nome) const { return FPasta.filePath(QString::fromLatin1(nome)); }
  QTemporaryDir FPasta;
};

}  // namespace

TEST_F(TnConfigTest, ThePackageOptionIsReadFromStorageEveryTimeItIsAsked) {
  TnConfig shell(Arquivo("config.ini"));
  TnConfig administracao(Arquivo("config.ini"));
  EXPECT_FALSE(shell.NaoAbrirAgendaTributaria());
  administracao.SetNaoAbrirAgendaTributaria(true);
  EXPECT_TRUE(shell.NaoAbrirAgendaTributaria());
  administracao.SetNaoAbrirAgendaTributaria(false);
  EXPECT_FALSE(shell.NaoAbrirAgendaTributaria());
}

TEST_F(TnConfigTest, ThePackageOptionIsTheDocumentedKeyAndAcceptsHandWrittenValues) {
  QFile arquivo(Arquivo("manual.ini"));
  ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
  arquivo.write("[Pacotes]\nNaoAbrirAgendaTributaria=1\n");
  arquivo.close();
  TnConfig config(Arquivo("manual.ini"));
  EXPECT_TRUE(config.NaoAbrirAgendaTributaria());
  config.Gravar(QStringLiteral("Pacotes/NaoAbrirAgendaTributaria"), QStringLiteral("talvez"));
  EXPECT_FALSE(config.NaoAbrirAgendaTributaria());  // unreadable: the default
}

TEST_F(TnConfigTest, nConfigUsesTheInstalledObjectAndFallsBackToTheDefault) {
  TnConfig teste(Arquivo("config.ini"));
  nSetConfig(&teste);
  EXPECT_EQ(nConfig(), &teste);
  nSetConfig(nullptr);
  EXPECT_NE(nConfig(), &teste);
}

TEST_F(TnConfigTest, SavedParametersBelongToOneProcessAndOneUser) {
  TnParamsSalvos params(Arquivo("params.ini"));
  const QVariantMap valores{{QStringLiteral("pDataIni"), QDate(2026, 11, 1)},
                            {QStringLiteral("pTipo"), QStringLiteral("1;2;6")},
                            {QStringLiteral("pCodigoEmpresa"), 12}};
  params.Salvar(QStringLiteral("mVoxDPGerarProtocolo"), valores, 1);

  const QVariantMap lidos = params.Restaurar(QStringLiteral("MVOXDPGERARPROTOCOLO"), 1);
  EXPECT_EQ(lidos.value(QStringLiteral("pDataIni")).toDate(), QDate(2026, 11, 1));
  EXPECT_EQ(lidos.value(QStringLiteral("pTipo")).toString(), QStringLiteral("1;2;6"));
  EXPECT_EQ(lidos.value(QStringLiteral("pCodigoEmpresa")).toInt(), 12);
  EXPECT_TRUE(params.Restaurar(QStringLiteral("mVoxDPGerarProtocolo"), 2).isEmpty());
  EXPECT_TRUE(params.Restaurar(QStringLiteral("mVoxDPBaixarProtocolo"), 1).isEmpty());

  // Another object on the same storage sees them (a new session).
  EXPECT_EQ(TnParamsSalvos(Arquivo("params.ini")).Restaurar(QStringLiteral("mVoxDPGerarProtocolo"), 1), lidos);
}

TEST_F(TnConfigTest, SavingReplacesTheFormerValuesAndLimparParamsINIClearsOnlyThatProcessAndUser) {
  TnParamsSalvos params(Arquivo("params.ini"));
  params.Salvar(QStringLiteral("mVoxDPGerarProtocolo"), {{QStringLiteral("pAntigo"), 1}}, 1);
  params.Salvar(QStringLiteral("mVoxDPGerarProtocolo"), {{QStringLiteral("pNovo"), 2}}, 1);
  EXPECT_EQ(params.Restaurar(QStringLiteral("mVoxDPGerarProtocolo"), 1).keys(), QStringList{"pNovo"});

  params.Salvar(QStringLiteral("mVoxDPGerarProtocolo"), {{QStringLiteral("pNovo"), 3}}, 2);
  params.Salvar(QStringLiteral("mVoxDPGerarProIndividual"), {{QStringLiteral("pNovo"), 4}}, 1);
  params.LimparParamsINI(QStringLiteral("mVoxDPGerarProtocolo"), 1);
  EXPECT_FALSE(params.TemParams(QStringLiteral("mVoxDPGerarProtocolo"), 1));
  EXPECT_TRUE(params.TemParams(QStringLiteral("mVoxDPGerarProtocolo"), 2));
  EXPECT_TRUE(params.TemParams(QStringLiteral("mVoxDPGerarProIndividual"), 1));
}

TEST_F(TnConfigTest, WithNoUserGivenTheParametersAreTheCurrentUsers) {
  TnParamsSalvos params(Arquivo("params.ini"));
  const int anterior = nDMConexao()->CodigoUsuario();
  nDMConexao()->SetCodigoUsuario(2);
  params.Salvar(QStringLiteral("mVoxDPBaixarProtocolo"), {{QStringLiteral("pNatureza"), 1}});
  nDMConexao()->SetCodigoUsuario(anterior);
  EXPECT_TRUE(params.TemParams(QStringLiteral("mVoxDPBaixarProtocolo"), 2));
  EXPECT_FALSE(params.TemParams(QStringLiteral("mVoxDPBaixarProtocolo"), anterior == 2 ? 1 : anterior));
}

TEST_F(TnConfigTest, ParameterNamesWithKeySeparatorsStayOneLevel) {
  TnParamsSalvos params(Arquivo("params.ini"));
  params.Salvar(QStringLiteral("mVox/DP"), {{QStringLiteral("p/Data"), 1}}, 1);
  EXPECT_EQ(params.Restaurar(QStringLiteral("mVox/DP"), 1).value(QStringLiteral("p_Data")).toInt(), 1);
}
