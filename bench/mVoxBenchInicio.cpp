// The program's start, from launching the process to its main window shown,
// with the three module libraries loaded as the program loads them, against
// a floor in the same run: a bare Qt Widgets program that opens the same
// database connection and shows a main window with one menu.
//
// Each start is a process of its own (QProcess), as a user starts the
// program: the dynamic loading of Qt, the framework and the module
// libraries, the database's conversion check, the registration and the menu
// building all count, and nothing stays warm in the measuring process. Both
// programs are told by MVOX_MEDIR_INICIO to print one line once their window
// is painted and to end (see shell/mVoxMedirInicio_U.h); the time is taken
// here, from the launch to that line. The database is the sample office,
// loaded by a first, uncounted start of the program with --exemplo: the start
// reads no row whose number grows with the office, so its size does not
// matter. The platform is QT_QPA_PLATFORM's, offscreen when it is not set.
//
//   mVoxBenchInicio [--rodadas N] [--banco sqlite|postgresql]
//
// The floor is this same file built as mVoxBenchInicioPiso (MVOX_BENCH_PISO),
// linked with Qt alone:
//
//   mVoxBenchInicioPiso --banco ARQUIVO | --postgresql (MVOX_DB_*)

#ifdef MVOX_BENCH_PISO

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

#include "mVoxMedirInicio_U.h"

int main(int argc, char **argv) {
  TmVoxMedirInicio::Marcar();
  if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
  QApplication app(argc, argv);
  const QStringList argumentos = QCoreApplication::arguments();
  const bool pg = argumentos.contains(QStringLiteral("--postgresql"));
  QSqlDatabase db = QSqlDatabase::addDatabase(pg ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"));
  if (pg) {
    db.setHostName(qEnvironmentVariable("MVOX_DB_HOST"));
    db.setPort(qEnvironmentVariableIntValue("MVOX_DB_PORT"));
    db.setDatabaseName(qEnvironmentVariable("MVOX_DB_NAME"));
    db.setUserName(qEnvironmentVariable("MVOX_DB_USER"));
    db.setPassword(qEnvironmentVariable("MVOX_DB_PASSWORD"));
  } else {
    db.setDatabaseName(argumentos.value(argumentos.indexOf(QStringLiteral("--banco")) + 1));
  }
  QSqlQuery q(db);
  // The count proves the floor opened the program's database.
  if (!db.open() || !q.exec(QStringLiteral("select count(*) from EMPRESA")) || !q.next()) {
    std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text() + q.lastError().text()));
    return 1;
  }
  const qlonglong empresas = q.value(0).toLongLong();
  QMainWindow janela;
  janela.setWindowTitle(QStringLiteral("PRO - Morvane"));
  // A main window shows at least its menu titles: the fonts are loaded and
  // text is drawn, as in any window of the program.
  janela.menuBar()->addMenu(QStringLiteral("Arquivo"));
  new TmVoxMedirInicio(&janela, [empresas] {
    std::printf("%s, empresas %lld\n", qPrintable(TmVoxMedirInicio::Linha()), empresas);
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  janela.showMaximized();
  return QApplication::exec();
}

#else

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "mVoxBench_U.h"

namespace {

// One start: from the launch to the line, in ms; the started program's own
// count since its main(); its peak resident memory; the time it took to end
// once asked to.
struct TnPartida {
  double Total = 0;
  double DesdeMain = 0;
  double PicoMB = 0;
  double Saida = 0;
  QString Linha;
};

TnPartida Partir(const QString &programa, const QStringList &argumentos, const QProcessEnvironment &ambiente) {
  QProcess processo;
  processo.setProcessEnvironment(ambiente);
  processo.setProcessChannelMode(QProcess::SeparateChannels);
  TnPartida partida;
  QByteArray saida;
  QElapsedTimer relogio;
  relogio.start();
  processo.start(programa, argumentos);
  if (!processo.waitForStarted(10000)) Falhar(QStringLiteral("%1 não partiu: %2").arg(programa, processo.errorString()));
  while (!saida.contains('\n')) {
    if (!processo.waitForReadyRead(30000)) {
      processo.kill();
      processo.waitForFinished();
      Falhar(QStringLiteral("%1 %2 não mostrou a janela:\n%3")
                 .arg(programa, argumentos.join(u' '), QString::fromLocal8Bit(processo.readAllStandardError())));
    }
    saida += processo.readAllStandardOutput();
  }
  partida.Total = relogio.nsecsElapsed() / 1e6;
  relogio.restart();
  if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
    Falhar(QStringLiteral("%1 não terminou bem:\n%2").arg(programa, QString::fromLocal8Bit(processo.readAllStandardError())));
  partida.Saida = relogio.nsecsElapsed() / 1e6;
  static const QRegularExpression formato(QStringLiteral("mVox-inicio: ([0-9.]+) ms, pico ([0-9]+) KiB"));
  partida.Linha = QString::fromLocal8Bit(saida).section(u'\n', 0, 0);
  const QRegularExpressionMatch achou = formato.match(partida.Linha);
  if (!achou.hasMatch()) Falhar(QStringLiteral("%1: linha inesperada: %2").arg(programa, partida.Linha));
  partida.DesdeMain = achou.captured(1).toDouble();
  partida.PicoMB = achou.captured(2).toDouble() / 1024.0;
  return partida;
}

struct TnLado {
  std::vector<double> Total;
  std::vector<double> DesdeMain;
  std::vector<double> Saida;
  double PicoMB = 0;
  void Anotar(const TnPartida &p) {
    Total.push_back(p.Total);
    DesdeMain.push_back(p.DesdeMain);
    Saida.push_back(p.Saida);
    PicoMB = std::max(PicoMB, p.PicoMB);
  }
  void Imprimir(const char *nome) const {
    const TnResumo<double> total = Resumir(Total);
    const TnResumo<double> main = Resumir(DesdeMain);
    std::printf("  %s: melhor %.1f ms, mediana %.1f ms (desde main: melhor %.1f, mediana %.1f; saída: mediana %.1f); "
                "pico %.1f MB\n",
                nome, total.Minimo, total.Mediana, main.Minimo, main.Mediana, Resumir(Saida).Mediana, PicoMB);
  }
};

}  // namespace

int main(int argc, char **argv) {
  const TnOpcoesBench opcoes =
      LerOpcoes(argc, argv, "uso: mVoxBenchInicio [--rodadas N] [--banco sqlite|postgresql]\n");
  TnAmbienteBench::Fuso();
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString bin = QCoreApplication::applicationDirPath();
  const QString programa = QDir(bin).filePath(QStringLiteral("mVox"));
  const QString piso = QDir(bin).filePath(QStringLiteral("mVoxBenchInicioPiso"));

  // Both programs see the same environment: a configuration of the run's
  // own, the measure asked for, the database named alike.
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  for (const QString &nome : ambiente.keys())
    if (nome.startsWith(QLatin1String("MVOX_DB_"))) ambiente.remove(nome);
  ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), pasta.filePath(QStringLiteral("config")));
  ambiente.insert(QStringLiteral("MVOX_MEDIR_INICIO"), QStringLiteral("1"));
  if (!ambiente.contains(QStringLiteral("QT_QPA_PLATFORM")))
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  std::unique_ptr<TnBancoBench> servidor;
  QStringList argumentos;
  if (opcoes.Pg) {
    servidor = std::make_unique<TnBancoBench>(pasta, QString(), opcoes);
    nDMConexao()->Desconectar();
    const TnConfigConexao &c = servidor->Config();
    ambiente.insert(QStringLiteral("MVOX_DB_HOST"), c.Host);
    ambiente.insert(QStringLiteral("MVOX_DB_PORT"), QString::number(c.Porta));
    ambiente.insert(QStringLiteral("MVOX_DB_NAME"), c.Banco);
    ambiente.insert(QStringLiteral("MVOX_DB_USER"), c.Usuario);
    ambiente.insert(QStringLiteral("MVOX_DB_PASSWORD"), c.Senha);
    argumentos << QStringLiteral("--postgresql");
  } else {
    argumentos << QStringLiteral("--banco") << pasta.filePath(QStringLiteral("inicio.db"));
  }

  const TnPartida primeira = Partir(programa, argumentos + QStringList{QStringLiteral("--exemplo")}, ambiente);
  // One start of each, uncounted, so that both find the files in the cache.
  const TnPartida pisoPrimeira = Partir(piso, argumentos, ambiente);
  Partir(programa, argumentos, ambiente);
  std::printf("%s, plataforma %s, %d rodadas; o escritório de exemplo (%s) carregado na primeira partida em %.1f ms\n",
              opcoes.Engine(), qPrintable(ambiente.value(QStringLiteral("QT_QPA_PLATFORM"))), opcoes.Rodadas,
              qPrintable(pisoPrimeira.Linha.section(QStringLiteral(", "), 2)), primeira.Total);

  TnLado ladoPrograma;
  TnLado ladoPiso;
  for (int r = 0; r < opcoes.Rodadas; ++r) {
    ladoPiso.Anotar(Partir(piso, argumentos, ambiente));
    ladoPrograma.Anotar(Partir(programa, argumentos, ambiente));
  }
  const TnResumo<double> p = Resumir(ladoPrograma.Total);
  const TnResumo<double> f = Resumir(ladoPiso.Total);
  std::printf("\nPartida até a janela principal mostrada (mVoxPk, mVoxPkPbCfg, mVoxPkDevExpress)\n");
  ladoPrograma.Imprimir("programa");
  ladoPiso.Imprimir("piso (Qt Widgets, a mesma conexão, janela com um menu)");
  std::printf("  razão programa/piso: %.2f pelas melhores, %.2f pelas medianas; parte do programa: %.1f ms pelas "
              "medianas\n  meta: programa abaixo de 200 ms (mediana %s)\n",
              p.Minimo / f.Minimo, p.Mediana / f.Mediana, p.Mediana - f.Mediana,
              p.Mediana < 200 ? "cumprida" : "NÃO cumprida");
  servidor.reset();
  ImprimirMemoriaPico();
  return 0;
}

#endif
