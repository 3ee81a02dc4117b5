#include "nExecutarProjeto_U.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "nClassesFramework_U.h"
#include "nConfig_U.h"
#include "nException_U.h"
#include "nFrmMenuMorvane_U.h"
#include "nFrmSplashMorvane_U.h"
#include "nInstalarUi_U.h"
#include "nPacotes_U.h"
#include "nRegistro_U.h"
#include "nSchema_U.h"

namespace {

// The program's own options (besides --help).
QList<QCommandLineOption> Opcoes() {
  return {
      {QStringLiteral("banco"), QStringLiteral("Arquivo do banco SQLite."), QStringLiteral("arquivo")},
      {QStringLiteral("postgresql"), QStringLiteral("Usar o servidor PostgreSQL das variáveis MVOX_DB_*.")},
      {QStringLiteral("usuario"), QStringLiteral("Código do usuário da sessão."), QStringLiteral("codigo")},
      {QStringLiteral("exemplo"), QStringLiteral("Carregar o escritório de exemplo num banco novo.")},
  };
}

void ConfigurarOpcoes(QCommandLineParser &parser) {
  parser.setApplicationDescription(QStringLiteral("PRO - Morvane"));
  parser.addHelpOption();
  parser.addOptions(Opcoes());
}

// Qt's own options, which QApplication takes out of the arguments: the
// options read before it exists must not count them as unknown.
QStringList SemOpcoesDoQt(const QStringList &argumentos) {
  static const QStringList comValor = {
      QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
      QStringLiteral("plugin"),   QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowtitle"),
      QStringLiteral("qwindowicon"), QStringLiteral("style"),           QStringLiteral("stylesheet"),
      QStringLiteral("display"),  QStringLiteral("geometry"),           QStringLiteral("session"),
      QStringLiteral("title"),    QStringLiteral("name"),               QStringLiteral("fontengine")};
  static const QStringList semValor = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                       QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};
  QStringList resultado;
  for (qsizetype i = 0; i < argumentos.size(); ++i) {
    const QString &argumento = argumentos.at(i);
    if (i > 0 && argumento.startsWith(QLatin1Char('-')) && !argumento.startsWith(QLatin1String("--"))) {
      const QString nome = argumento.mid(1).section(QLatin1Char('='), 0, 0);
      if (comValor.contains(nome)) {
        if (!argumento.contains(QLatin1Char('='))) ++i;
        continue;
      }
      if (semValor.contains(nome)) continue;
    }
    resultado << argumento;
  }
  return resultado;
}

// The parser's complaint in the user's language.
QString ErroDeOpcao(const QCommandLineParser &parser) {
  if (!parser.unknownOptionNames().isEmpty()) {
    QStringList nomes;
    for (const QString &nome : parser.unknownOptionNames())
      nomes << (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
    return (nomes.size() == 1 ? QStringLiteral("Opção desconhecida: %1") : QStringLiteral("Opções desconhecidas: %1"))
               .arg(nomes.join(QStringLiteral(", "))) +
           QStringLiteral(" (veja --help).");
  }
  static const QRegularExpression semValor(QStringLiteral("^Missing value after '(.*)'"));
  static const QRegularExpression valorDemais(QStringLiteral("^Unexpected value after '(.*)'"));
  if (const auto achou = semValor.match(parser.errorText()); achou.hasMatch())
    return QStringLiteral("Falta o valor da opção %1 (veja --help).").arg(achou.captured(1));
  if (const auto achou = valorDemais.match(parser.errorText()); achou.hasMatch())
    return QStringLiteral("A opção %1 não leva valor (veja --help).").arg(achou.captured(1));
  return QStringLiteral("Opções inválidas (veja --help).");
}

// Set while no QApplication exists: a platform plugin that cannot start then
// ends the process through qFatal, which must become our message, not a crash.
QString GMotivoFatal;
QtMessageHandler GManipuladorAnterior = nullptr;

void ManipuladorInicio(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
  if (tipo == QtFatalMsg) {
    std::fprintf(stderr, "%s\n(%s)\n", qPrintable(GMotivoFatal), qPrintable(texto));
    std::fflush(stderr);
    std::_Exit(2);
  }
  if (GManipuladorAnterior) GManipuladorAnterior(tipo, contexto, texto);
}

bool TemTela() {
  const QString plataforma = QGuiApplication::platformName();
  return plataforma != QLatin1String("offscreen") && plataforma != QLatin1String("minimal");
}

// One failure, told on the error output and, when there is a screen, in a box.
int Falhar(const QString &titulo, const QString &texto, int codigo) {
  std::fprintf(stderr, "%s: %s\n", qPrintable(titulo), qPrintable(texto));
  std::fflush(stderr);
  if (qobject_cast<QApplication *>(QCoreApplication::instance()) && TemTela()) {
    QMessageBox caixa(QMessageBox::Critical, titulo, texto);
    caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    caixa.exec();
  }
  return codigo;
}

}  // namespace

QString nTextoAjuda(const QString &programa, const QString &titulo) {
  QString texto = QStringLiteral("Uso: %1 [opções]\n%2\n\nOpções:\n").arg(programa, titulo);
  QList<QPair<QString, QString>> linhas = {{QStringLiteral("-h, --help"), QStringLiteral("Mostra esta ajuda.")}};
  for (const QCommandLineOption &opcao : Opcoes()) {
    QStringList nomes;
    for (const QString &nome : opcao.names()) nomes << (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
    QString esquerda = nomes.join(QStringLiteral(", "));
    if (!opcao.valueName().isEmpty()) esquerda += QStringLiteral(" <%1>").arg(opcao.valueName());
    linhas.append({esquerda, opcao.description()});
  }
  qsizetype largura = 0;
  for (const auto &[esquerda, descricao] : linhas) largura = qMax(largura, esquerda.size());
  for (const auto &[esquerda, descricao] : linhas)
    texto += QStringLiteral("  %1  %2\n").arg(esquerda.leftJustified(largura), descricao);
  return texto;
}

QString nMotivoSemTela(const QStringList &argumentos, const QProcessEnvironment &ambiente) {
  QString plataforma;
  for (qsizetype i = 1; i < argumentos.size(); ++i) {
    if (argumentos.at(i) == QLatin1String("-platform") && i + 1 < argumentos.size()) plataforma = argumentos.at(i + 1);
    else if (argumentos.at(i).startsWith(QLatin1String("-platform="))) plataforma = argumentos.at(i).mid(10);
  }
  if (plataforma.isEmpty()) plataforma = ambiente.value(QStringLiteral("QT_QPA_PLATFORM"));
  const bool x11 = !ambiente.value(QStringLiteral("DISPLAY")).trimmed().isEmpty();
  const bool wayland = !ambiente.value(QStringLiteral("WAYLAND_DISPLAY")).trimmed().isEmpty();
  bool possivel = false;
  if (plataforma.trimmed().isEmpty()) {
    possivel = x11 || wayland;
  } else {
    // "wayland;xcb" names alternatives; "xcb:opção" carries plugin options.
    for (const QString &alternativa : plataforma.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString nome = alternativa.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
      if (nome == QLatin1String("xcb"))
        possivel = possivel || x11;
      else if (nome.startsWith(QLatin1String("wayland")))
        possivel = possivel || wayland;
      else if (!nome.isEmpty())
        possivel = true;
    }
  }
  if (possivel) return {};
  return QStringLiteral(
      "Não há tela para abrir a janela do programa: as variáveis DISPLAY e WAYLAND_DISPLAY estão vazias. "
      "Rode o programa numa sessão gráfica (ou, para testes sem tela, com QT_QPA_PLATFORM=offscreen).");
}

TnOpcoesProjeto nLerOpcoesProjeto(const QStringList &argumentos) {
  TnOpcoesProjeto opcoes;
  QCommandLineParser parser;
  ConfigurarOpcoes(parser);
  if (!parser.parse(argumentos)) {
    opcoes.Erro = ErroDeOpcao(parser);
    return opcoes;
  }
  if (!parser.positionalArguments().isEmpty()) {
    opcoes.Erro = QStringLiteral("Argumento não reconhecido: %1").arg(parser.positionalArguments().first());
    return opcoes;
  }
  opcoes.Conexao = TnConfigConexao::DoAmbiente();
  if (parser.isSet(QStringLiteral("postgresql"))) opcoes.Conexao.Tipo = TnTipoServidor::PostgreSQL;
  if (parser.isSet(QStringLiteral("banco"))) {
    opcoes.Conexao.Tipo = TnTipoServidor::SQLite;
    opcoes.Conexao.Arquivo = parser.value(QStringLiteral("banco"));
  }
  opcoes.Exemplo = parser.isSet(QStringLiteral("exemplo"));
  QString usuario = parser.value(QStringLiteral("usuario"));
  if (usuario.isEmpty()) usuario = nConfig()->Ler(QStringLiteral("Sessao/Usuario")).toString();
  if (!usuario.trimmed().isEmpty()) {
    bool ok = false;
    const int codigo = usuario.trimmed().toInt(&ok);
    if (!ok || codigo <= 0) {
      opcoes.Erro = QStringLiteral("Código de usuário inválido: %1").arg(usuario);
      return opcoes;
    }
    opcoes.Usuario = codigo;
  }
  return opcoes;
}

int ExecutarProjeto(int &argc, char **argv, const QString &titulo, const TnFabricaSplash &fabricaSplash,
                    const TnFabricaMenu &fabricaMenu, TnFrmMenuMorvane **principal, const TnFabricaLogin &login) {
  QStringList argumentos;
  for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);

  // Help and a mistyped option need no screen: told on the terminal before
  // any window is tried.
  const QString programa = QFileInfo(argumentos.value(0, QStringLiteral("mVox"))).fileName();
  {
    QCommandLineParser opcoes;
    ConfigurarOpcoes(opcoes);
    const bool lidas = opcoes.parse(SemOpcoesDoQt(argumentos));
    if (lidas && opcoes.isSet(QStringLiteral("help"))) {
      std::fprintf(stdout, "%s", qPrintable(nTextoAjuda(programa, titulo)));
      return 0;
    }
    if (!lidas) {
      std::fprintf(stderr, "%s: %s\n", qPrintable(titulo), qPrintable(ErroDeOpcao(opcoes)));
      return 1;
    }
  }

  std::unique_ptr<QApplication> app;
  if (!QCoreApplication::instance()) {
    const QString semTela = nMotivoSemTela(argumentos, QProcessEnvironment::systemEnvironment());
    if (!semTela.isEmpty()) {
      std::fprintf(stderr, "%s: %s\n", qPrintable(titulo), qPrintable(semTela));
      return 2;
    }
    GMotivoFatal = titulo + QStringLiteral(": não foi possível abrir a tela para a janela do programa.");
    GManipuladorAnterior = qInstallMessageHandler(ManipuladorInicio);
    app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(GManipuladorAnterior);
  }
  QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
  QCoreApplication::setApplicationName(QStringLiteral("mVox"));
  QGuiApplication::setApplicationDisplayName(titulo);
  nInstalarIdioma();

  const TnOpcoesProjeto opcoes = nLerOpcoesProjeto(QCoreApplication::arguments());
  if (!opcoes.Erro.isEmpty()) return Falhar(titulo, opcoes.Erro, 1);

  std::unique_ptr<TnFrmSplashMorvane> splash(fabricaSplash ? fabricaSplash() : nullptr);
  if (splash) {
    splash->Preparar();
    splash->show();
    splash->Mensagem(QStringLiteral("Abrindo o banco de dados..."));
  }

  TnDMConexao &conexao = *nDMConexao();
  int resultado = 0;
  TnFrmMenuMorvane *janela = nullptr;
  bool classesRegistradas = false;
  bool uiInstalada = false;
  try {
    const bool novo =
        opcoes.Conexao.Tipo == TnTipoServidor::SQLite && !QFileInfo::exists(opcoes.Conexao.Arquivo);
    bool vazio = false;
    QStringList avisosConversao;
    try {
      conexao.Conectar(opcoes.Conexao);
      vazio = !conexao.Database().tables().contains(QStringLiteral("EMPRESA"), Qt::CaseInsensitive);
      if (splash) splash->Mensagem(QStringLiteral("Convertendo o banco de dados..."));
      avisosConversao = nConverterBanco(conexao);
    } catch (const Exception &e) {
      splash.reset();
      if (conexao.Conectado()) conexao.Desconectar();
      // The connection's own refusal already names the database: said once.
      const QString cabecalho = QStringLiteral("Não foi possível abrir o banco de dados");
      return Falhar(titulo,
                    e.message().startsWith(cabecalho)
                        ? e.message()
                        : QStringLiteral("%1 (%2):\n%3").arg(cabecalho, opcoes.Conexao.Descricao(), e.message()),
                    1);
    }
    if (opcoes.Exemplo && (novo || vazio)) {
      if (splash) splash->Mensagem(QStringLiteral("Carregando o escritório de exemplo..."));
      nCarregarDadosExemplo(conexao);
    }
    conexao.SetCodigoUsuario(nUsuarioInicial(conexao, opcoes.Usuario));

    if (login) {
      std::unique_ptr<QDialog> dialogo(login());
      if (dialogo) {
        if (splash) splash->hide();
        if (dialogo->exec() != QDialog::Accepted) {
          conexao.Desconectar();
          return 1;
        }
        if (splash) splash->show();
      }
    }

    nRegistrarClassesFramework();
    classesRegistradas = true;
    nInstalarUi();
    uiInstalada = true;

    janela = fabricaMenu ? fabricaMenu() : new TnFrmMenuMorvane;
    if (principal) *principal = janela;
    nSetMostrarNaJanelaPrincipal([janela](QWidget *visao, TnFrmVisual *form) { janela->MostrarNaAreaMdi(visao, form); });

    if (splash) splash->Mensagem(QStringLiteral("Carregando os módulos..."));
    janela->AbriPacotes();
    QStringList falhas;
    for (const TnSituacaoPacote &pacote : janela->Pacotes().Situacao())
      if (pacote.Estado == TnEstadoPacote::Falhou && !TnFrmMenuMorvane::PacotesOpcionais().contains(pacote.Nome))
        falhas << QStringLiteral("%1: %2").arg(pacote.Nome, pacote.Erro);
    for (const QString &falha : std::as_const(falhas)) std::fprintf(stderr, "%s\n", qPrintable(falha));

    if (splash) splash->Mensagem(QStringLiteral("Montando o menu..."));
    janela->ConfigurarVisualMenu();
    janela->CriarBtnToolBar();
    if (janela->windowTitle().isEmpty()) janela->setWindowTitle(titulo);
    janela->SetStatusConexao(QStringLiteral("%1 - usuário %2").arg(conexao.Config().Descricao()).arg(conexao.CodigoUsuario()));
    janela->showMaximized();
    if (splash) splash->finish(janela);
    splash.reset();
    if (!falhas.isEmpty())
      Falhar(titulo, QStringLiteral("Módulos não carregados:\n") + falhas.join(QLatin1Char('\n')), 0);
    // Rows an older database holds that break a relation are kept and told.
    if (!avisosConversao.isEmpty())
      Falhar(titulo, QStringLiteral("A conversão do banco de dados encontrou registros a corrigir:\n\n") +
                         avisosConversao.join(QStringLiteral("\n\n")),
             0);

    resultado = QApplication::exec();
  } catch (const Exception &e) {
    splash.reset();
    resultado = Falhar(titulo, e.message(), 1);
  } catch (const std::exception &e) {
    splash.reset();
    resultado = Falhar(titulo, QString::fromLocal8Bit(e.what()), 1);
  }

  // Windows first (their views use the forms), then the modules, then the
  // libraries whose code they run, then the connection.
  if (uiInstalada) nSetMostrarNaJanelaPrincipal(nullptr);
  if (janela) janela->FecharJanelas();
  TnRegistro::Instancia().DestruirTodos();
  if (uiInstalada) nDesinstalarUi();
  if (janela) {
    janela->Pacotes().DescarregarPacotes();
    if (principal) *principal = nullptr;
    delete janela;
  }
  if (classesRegistradas) nRemoverClassesFramework();
  if (conexao.Conectado()) conexao.Desconectar();
  return resultado;
}
