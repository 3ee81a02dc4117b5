// The program block: opens (or creates) the database, converts it and, on
// request, loads the sample office into a new one.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include "nClassesFramework_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSchema_U.h"

int main(int argc, char **argv) {
  // With TZ unset the C library re-reads the zone file on every local-time
  // conversion; naming the system zone once makes date-times cheap.
  if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("mVox"));
  QCoreApplication::setApplicationVersion(QStringLiteral("0.1"));

  QCommandLineParser opcoes;
  opcoes.setApplicationDescription(QStringLiteral("PRO - Morvane"));
  opcoes.addHelpOption();
  opcoes.addOption({QStringLiteral("banco"), QStringLiteral("Arquivo do banco SQLite."), QStringLiteral("arquivo")});
  opcoes.addOption({QStringLiteral("postgresql"), QStringLiteral("Usar o servidor PostgreSQL das variáveis MVOX_DB_*.")});
  opcoes.addOption({QStringLiteral("exemplo"), QStringLiteral("Carregar o escritório de exemplo num banco novo.")});
  opcoes.process(app);

  nRegistrarClassesFramework();
  QTextStream saida(stdout);
  QTextStream erro(stderr);
  try {
    TnConfigConexao config = TnConfigConexao::DoAmbiente();
    if (opcoes.isSet(QStringLiteral("postgresql"))) config.Tipo = TnTipoServidor::PostgreSQL;
    if (opcoes.isSet(QStringLiteral("banco"))) {
      config.Tipo = TnTipoServidor::SQLite;
      config.Arquivo = opcoes.value(QStringLiteral("banco"));
    }
    const bool novo = config.Tipo == TnTipoServidor::SQLite && !QFileInfo::exists(config.Arquivo);
    TnDMConexao &conexao = *nDMConexao();
    conexao.Conectar(config);
    const bool vazio = !conexao.Database().tables().contains(QStringLiteral("EMPRESA"), Qt::CaseInsensitive);
    nConverterBanco(conexao);
    if (opcoes.isSet(QStringLiteral("exemplo")) && (novo || vazio)) nCarregarDadosExemplo(conexao);
    saida << "Banco de dados pronto: " << config.Descricao() << Qt::endl;
    conexao.Desconectar();
  } catch (const Exception &e) {
    erro << e.message() << Qt::endl;
    return 1;
  }
  return 0;
}
