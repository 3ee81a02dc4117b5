#include "nExecutarProjeto_U.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
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

void ConfigurarOpcoes(QCommandLineParser &parser) {
  parser.setApplicationDescription(QStringLiteral("PRO - Morvane"));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("banco"), QStringLiteral("Arquivo do banco SQLite."), QStringLiteral("arquivo")});
  parser.addOption({QStringLiteral("postgresql"), QStringLiteral("Usar o servidor PostgreSQL das variáveis MVOX_DB_*.")});
  parser.addOption({QStringLiteral("usuario"), QStringLiteral("Código do usuário da sessão."), QStringLiteral("codigo")});
  parser.addOption({QStringLiteral("exemplo"), QStringLiteral("Carregar o escritório de exemplo num banco novo.")});
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
    opcoes.Erro = parser.errorText();
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

  QCommandLineParser ajuda;
  ConfigurarOpcoes(ajuda);
  ajuda.parse(QCoreApplication::arguments());
  if (ajuda.isSet(QStringLiteral("help"))) {
    std::fprintf(stdout, "%s", qPrintable(ajuda.helpText()));
    return 0;
  }
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
      return Falhar(titulo,
                    QStringLiteral("Não foi possível abrir o banco de dados (%1):\n%2")
                        .arg(opcoes.Conexao.Descricao(), e.message()),
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
    janela->statusBar()->showMessage(QStringLiteral("%1 - usuário %2").arg(conexao.Config().Descricao()).arg(conexao.CodigoUsuario()));
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
