// The shell's classes: the tax agenda filter, the module's tool bar, the
// splash captions, the post-conversion hook, and how the program starts
// (options, no screen, the session's user).
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "mVoxJobCadastro_U.h"
#include "mVoxMedirInicio_U.h"
#include "mVoxSMenu_U.h"
#include "mVoxSSplash_U.h"
#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nConfig_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nDMClientDataSet_U.h"
#include "nDialogosTeste_U.h"
#include "nExecutarProjeto_U.h"
#include "nInstalarUi_U.h"
#include "nFrmMenuMorvane_U.h"
#include "nInserirOuAtualizarJobCadastroPadrao_U.h"
#include "nPacotes_U.h"
#include "nRegistro_U.h"
#include "nSchema_U.h"

namespace {

// A configuration on a file of the test's own, installed while it lives.
class TnConfigTeste {
 public:
  TnConfigTeste() : FConfig(FPasta.filePath(QStringLiteral("mVox.ini"))) { nSetConfig(&FConfig); }
  ~TnConfigTeste() { nSetConfig(nullptr); }
  TnConfig &operator*() { return FConfig; }
  TnConfig *operator->() { return &FConfig; }

 private:
  QTemporaryDir FPasta;
  TnConfig FConfig;
};

QStringList Textos(const QToolBar *barra) {
  QStringList textos;
  for (const QAction *acao : barra->actions())
    if (!acao->isSeparator()) textos << acao->text();
  return textos;
}

QAction *Botao(const QToolBar *barra, const QString &texto) {
  for (QAction *acao : barra->actions())
    if (acao->text() == texto) return acao;
  return nullptr;
}

// The item reached through the menu bar by captions, submenus first; null
// when the path leads nowhere.
QAction *ItemDoMenu(QMenuBar *barra, const QStringList &caminho) {
  QList<QAction *> acoes = barra->actions();
  QAction *achada = nullptr;
  for (const QString &parte : caminho) {
    achada = nullptr;
    for (QAction *acao : acoes)
      if (!achada && nTextoSemAcelerador(acao->text()) == parte) achada = acao;
    if (!achada) return nullptr;
    if (achada->menu()) acoes = achada->menu()->actions();
  }
  return achada;
}

}  // namespace

// --- the module's menu

TEST(mVoxSMenu, RegistersOfTheModuleLibrariesAppearUnderTheirPaths) {
  TmVoxSMenu menu;
  menu.AbriPacotes();
  menu.ConfigurarVisualMenu();
  QMenuBar *barra = menu.menuBar();
  EXPECT_NE(ItemDoMenu(barra, {QStringLiteral("Movimentos"), QStringLiteral("Protocolos"), QStringLiteral("Protocolo")}),
            nullptr);
  EXPECT_NE(ItemDoMenu(barra, {QStringLiteral("Cadastros"), QStringLiteral("Arquivamento"),
                               QStringLiteral("Caixas de Documentos")}),
            nullptr);
  EXPECT_NE(ItemDoMenu(barra, {QStringLiteral("Configurações"), QStringLiteral("Configuração da Filial")}), nullptr);
  // A path written without numbers joins the numbered menu of the same name.
  EXPECT_NE(ItemDoMenu(barra, {QStringLiteral("Cadastros"), QStringLiteral("Documentos"),
                               QStringLiteral("Históricos e Observações")}),
            nullptr);
  int cadastros = 0;
  for (const QAction *acao : barra->actions())
    cadastros += nTextoSemAcelerador(acao->text()) == QStringLiteral("Cadastros") ? 1 : 0;
  EXPECT_EQ(cadastros, 1);
  // Details and lookups exist as actions only.
  const TnAction *itens = menu.ActionList().Find(QStringLiteral("actTmVoxDMProtocoloItem"));
  ASSERT_NE(itens, nullptr);
  EXPECT_EQ(menu.ItemMenu(itens), nullptr);
  const TnAction *consulta = menu.ActionList().Find(QStringLiteral("actTmVoxDCProtocolo"));
  ASSERT_NE(consulta, nullptr);
  EXPECT_EQ(menu.ItemMenu(consulta), nullptr);
  TnRegistro::Instancia().DestruirTodos();
  menu.Pacotes().DescarregarPacotes();
}

// The Qt layer installed with the main window as the forms' home, for one test.
class TnUiNaJanela {
 public:
  explicit TnUiNaJanela(TmVoxSMenu &menu) {
    nInstalarUi();
    nSetMostrarNaJanelaPrincipal([&menu](QWidget *visao, TnFrmVisual *form) { menu.MostrarNaAreaMdi(visao, form); });
  }
  ~TnUiNaJanela() {
    nSetMostrarNaJanelaPrincipal(nullptr);
    nDesinstalarUi();
  }
};

// Every register and lookup of the module opens its form in the main window
// on the sample office and closes again.
using mVoxSMenuFormularios = TnBancoTeste;

TEST_F(mVoxSMenuFormularios, EveryModuleClassOpensItsFormFromTheMainWindow) {
  TmVoxSMenu menu;
  TnUiNaJanela ui(menu);
  TnDialogosTeste dialogos;  // after the Qt layer, whose dialogs it stands in for
  menu.AbriPacotes();
  menu.ConfigurarVisualMenu();
  QStringList classes;
  for (const TnAction *action : menu.ActionList().Actions())
    if (action->Name().startsWith(QStringLiteral("actTmVox")) && !classes.contains(action->Name().mid(3)))
      classes << action->Name().mid(3);
  EXPECT_EQ(classes.size(), 46);  // the registers, the lookups and the processes
  for (const QString &classe : classes) {
    SCOPED_TRACE(classe.toStdString());
    EXPECT_NO_THROW(menu.AbrirClasse(classe));
    // Closed as the user closes it: timers due at once run before the
    // windows' deferred deletes, and still the modules go after their
    // windows (a sanitized run catches any use of what went first).
    menu.AreaMdi()->closeAllSubWindows();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu.AreaMdi()->subWindowList().isEmpty());
  }
  TnRegistro::Instancia().DestruirTodos();
  menu.Pacotes().DescarregarPacotes();
}

// The group register with its member grid, driven by mouse and keys: a type
// code already in the group refused, a new one saved, the window closed.
TEST_F(mVoxSMenuFormularios, MemberTypedInTheGroupsGridIsSavedAndADuplicateIsRefusedInPortuguese) {
  TmVoxSMenu menu;
  TnUiNaJanela ui(menu);
  TnDialogosTeste dialogos;  // after the Qt layer, whose dialogs it stands in for
  menu.AbriPacotes();
  menu.ConfigurarVisualMenu();
  menu.show();
  menu.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
  menu.AbrirClasse(QStringLiteral("TmVoxDMProtocoloGrupoDoc"));
  ASSERT_EQ(menu.AreaMdi()->subWindowList().size(), 1);
  QMdiSubWindow *janela = menu.AreaMdi()->subWindowList().first();
  auto *tabela = janela->findChild<QTableView *>();
  ASSERT_NE(tabela, nullptr);
  ASSERT_EQ(tabela->model()->rowCount(), 4);  // group 1 holds the four types

  auto membros = [this](int grupo) {
    return Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOGRUPODOC = %1").arg(grupo));
  };
  // A new member of group 1 would duplicate: every type is there. Type 2
  // again: refused by the key, with the user's message.
  int coluna = 0;
  while (coluna < tabela->model()->columnCount() && tabela->isColumnHidden(coluna)) ++coluna;
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, Qt::NoModifier,
                    tabela->visualRect(tabela->model()->index(0, coluna)).center());
  ASSERT_TRUE(tabela->hasFocus());
  QTest::keyClick(tabela, Qt::Key_Insert);
  ASSERT_EQ(tabela->model()->rowCount(), 5);
  QTest::keyClicks(tabela, QStringLiteral("2"));
  QWidget *editor = QApplication::focusWidget();
  ASSERT_NE(editor, tabela);
  dialogos->Responder(0);
  QTest::keyClick(editor, Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  // Refused once, with one message in the user's language, and nothing
  // written.
  ASSERT_EQ(dialogos->Textos().size(), 1);
  EXPECT_TRUE(dialogos->Textos().first().startsWith(QStringLiteral("Já existe um registro"))) << dialogos->Textos().first().toStdString();
  EXPECT_EQ(membros(1), 4);
  // Escape gives the row up.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(tabela->model()->rowCount(), 4);

  // Group 2 lacks type 4: typed and confirmed, it is saved.
  auto *grupos = dynamic_cast<TnDMClientDataSet *>(
      TnRegistro::Instancia().Instancias(QStringLiteral("TmVoxDMProtocoloGrupoDoc")).first());
  ASSERT_NE(grupos, nullptr);
  grupos->nClientDataSet->Next();
  QCoreApplication::processEvents();
  ASSERT_EQ(tabela->model()->rowCount(), 2);
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, Qt::NoModifier,
                    tabela->visualRect(tabela->model()->index(1, coluna)).center());
  QTest::keyClick(tabela, Qt::Key_Insert);
  QTest::keyClicks(tabela, QStringLiteral("4"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOGRUPODOC = 2 AND CODIGOTIPODOC = 4")), 1);
  // The window closes and goes without a trace.
  janela->close();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  EXPECT_TRUE(menu.AreaMdi()->subWindowList().isEmpty());
  TnRegistro::Instancia().DestruirTodos();
  menu.Pacotes().DescarregarPacotes();
}

// --- the tax agenda filter

TEST(mVoxSMenu, AgendaLibraryIsRefusedInAnyLetterCaseWhileTheOptionIsOn) {
  TnConfigTeste config;
  config->SetNaoAbrirAgendaTributaria(true);
  TmVoxSMenu menu;
  EXPECT_FALSE(menu.PodeAbrirPacote(QStringLiteral("wSipPkPbAge")));
  EXPECT_FALSE(menu.PodeAbrirPacote(QStringLiteral("WSIPPKPBAGE")));
  EXPECT_FALSE(menu.PodeAbrirPacote(QStringLiteral("wsippkpbage")));
}

TEST(mVoxSMenu, AgendaLibraryOpensWhileTheOptionIsOff) {
  TnConfigTeste config;
  config->SetNaoAbrirAgendaTributaria(false);
  TmVoxSMenu menu;
  EXPECT_TRUE(menu.PodeAbrirPacote(QStringLiteral("wSipPkPbAge")));
}

TEST(mVoxSMenu, OptionIsReadAgainOnEveryQuestion) {
  TnConfigTeste config;
  TmVoxSMenu menu;
  EXPECT_TRUE(menu.PodeAbrirPacote(QStringLiteral("wSipPkPbAge")));
  config->SetNaoAbrirAgendaTributaria(true);
  EXPECT_FALSE(menu.PodeAbrirPacote(QStringLiteral("wSipPkPbAge")));
  config->SetNaoAbrirAgendaTributaria(false);
  EXPECT_TRUE(menu.PodeAbrirPacote(QStringLiteral("wSipPkPbAge")));
}

TEST(mVoxSMenu, OtherLibrariesGetTheInheritedAnswerWhateverTheOption) {
  TnConfigTeste config;
  config->SetNaoAbrirAgendaTributaria(true);
  TmVoxSMenu menu;
  TnFrmMenuMorvane base;
  for (const QString &nome : {QStringLiteral("mVoxPk"), QStringLiteral("mVoxPkPbCfg"), QStringLiteral("wSipPkPbAgeX"),
                              QStringLiteral("wSipPk")})
    EXPECT_EQ(menu.PodeAbrirPacote(nome), base.PodeAbrirPacote(nome)) << nome.toStdString();
}

// --- window and tool bar

TEST(mVoxSMenu, CaptionAndPeriodButton) {
  TmVoxSMenu menu;
  EXPECT_EQ(menu.windowTitle(), QStringLiteral("Protocolo - Morvane"));
  EXPECT_EQ(menu.BtnPeriodo()->text(), QStringLiteral("Período"));
  EXPECT_EQ(menu.BtnPeriodo()->toolTip(), QStringLiteral("Selecionar Período de Movimentos"));
  EXPECT_EQ(menu.BtnPeriodo()->property("nImageIndex").toInt(), 91);
}

TEST(mVoxSMenu, ToolBarHasTheInheritedButtonsThenTheModuleButtonsInOrder) {
  TmVoxSMenu menu;
  menu.CriarBtnToolBar();
  EXPECT_EQ(Textos(menu.ToolBarPrincipal()),
            (QStringList{"Período", "Protocolo", "Documentos", "Agenda Tributária"}));
  EXPECT_EQ(Botao(menu.ToolBarPrincipal(), QStringLiteral("Protocolo"))->statusTip(),
            QStringLiteral("Cadastro de Protocolo"));
  EXPECT_EQ(Botao(menu.ToolBarPrincipal(), QStringLiteral("Documentos"))->statusTip(),
            QStringLiteral("Cadastro de Documentos"));
}

TEST(mVoxSMenu, AgendaButtonWithoutItsModuleIsHarmlessAndSaysWhy) {
  TmVoxSMenu menu;
  menu.CriarBtnToolBar();
  QAction *agenda = Botao(menu.ToolBarPrincipal(), QStringLiteral("Agenda Tributária"));
  ASSERT_NE(agenda, nullptr);
  EXPECT_FALSE(agenda->isEnabled());
  EXPECT_TRUE(agenda->toolTip().startsWith(QStringLiteral("Agenda Tributária")));
  EXPECT_TRUE(agenda->toolTip().contains(QStringLiteral("indisponível")));
}

TEST(mVoxSMenu, ButtonsOfRegisteredClassesAreEnabled) {
  TnClasseInfo info;
  info.Nome = QStringLiteral("TtBixDPDorvAgenda");
  info.NomePai = QStringLiteral("TnDataModule");
  nRegisterClass(info);
  TmVoxSMenu menu;
  menu.CriarBtnToolBar();
  nUnRegisterClass(info.Nome);
  EXPECT_TRUE(Botao(menu.ToolBarPrincipal(), QStringLiteral("Agenda Tributária"))->isEnabled());
  EXPECT_EQ(Botao(menu.ToolBarPrincipal(), QStringLiteral("Agenda Tributária"))->toolTip(),
            QStringLiteral("Agenda Tributária"));
}

// --- splash

TEST(mVoxSSplash, NineNonEmptyCaptionsOnAPictureOfTheBackgroundSize) {
  TmVoxSSplash splash;
  const QStringList itens = splash.GetListaSplashItens();
  ASSERT_EQ(itens.size(), 9);
  for (const QString &item : itens) EXPECT_FALSE(item.trimmed().isEmpty());
  splash.Preparar();
  EXPECT_EQ(splash.pixmap().size(), QSize(TnFrmSplashMorvane::Largura, TnFrmSplashMorvane::Altura));
}

// --- post-conversion hook

class mVoxJobCadastro : public TnBancoVazioTeste {
 protected:
  void TearDown() override {
    nSetDepoisConverter({});
    TnBancoVazioTeste::TearDown();
  }
};

TEST_F(mVoxJobCadastro, ConversionWithTheHookInstalledWritesTheStandardJobs) {
  TmVoxJobCadastro::Instalar();
  nConverterBanco(Conexao());
  EXPECT_EQ(Contar(QStringLiteral("JOBCADASTRO")), TnInserirOuAtualizarJobCadastroPadrao::JobsPadrao().size());
  // A second conversion changes nothing.
  nConverterBanco(Conexao());
  EXPECT_EQ(Contar(QStringLiteral("JOBCADASTRO")), TnInserirOuAtualizarJobCadastroPadrao::JobsPadrao().size());
}

// --- start-up

TEST(nExecutarProjeto, NoScreenIsToldWhenNeitherDisplayIsSet) {
  QProcessEnvironment vazio;
  EXPECT_FALSE(nMotivoSemTela({QStringLiteral("mVox")}, vazio).isEmpty());
  QProcessEnvironment xcb;
  xcb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  EXPECT_FALSE(nMotivoSemTela({QStringLiteral("mVox")}, xcb).isEmpty());
  // An X11 platform is not satisfied by a Wayland display.
  xcb.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
  EXPECT_FALSE(nMotivoSemTela({QStringLiteral("mVox")}, xcb).isEmpty());
  EXPECT_TRUE(nMotivoSemTela({QStringLiteral("mVox")}, xcb).contains(QStringLiteral("DISPLAY")));
}

TEST(nExecutarProjeto, ScreenIsAssumedWithADisplayOrAPlatformThatNeedsNone) {
  QProcessEnvironment x11;
  x11.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
  EXPECT_TRUE(nMotivoSemTela({QStringLiteral("mVox")}, x11).isEmpty());
  QProcessEnvironment alternativas;
  alternativas.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland;xcb"));
  alternativas.insert(QStringLiteral("DISPLAY"), QStringLiteral(":1"));
  EXPECT_TRUE(nMotivoSemTela({QStringLiteral("mVox")}, alternativas).isEmpty());
  QProcessEnvironment offscreen;
  offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  EXPECT_TRUE(nMotivoSemTela({QStringLiteral("mVox")}, offscreen).isEmpty());
  // The argument wins over the environment.
  EXPECT_TRUE(nMotivoSemTela({QStringLiteral("mVox"), QStringLiteral("-platform"), QStringLiteral("offscreen")},
                             QProcessEnvironment())
                  .isEmpty());
}

TEST(nExecutarProjeto, OptionsNameTheDatabaseTheUserAndTheSample) {
  TnConfigTeste config;
  const TnOpcoesProjeto opcoes =
      nLerOpcoesProjeto({QStringLiteral("mVox"), QStringLiteral("--banco"), QStringLiteral("/tmp/x.db"),
                         QStringLiteral("--usuario"), QStringLiteral("2"), QStringLiteral("--exemplo")});
  EXPECT_TRUE(opcoes.Erro.isEmpty()) << opcoes.Erro.toStdString();
  EXPECT_EQ(opcoes.Conexao.Tipo, TnTipoServidor::SQLite);
  EXPECT_EQ(opcoes.Conexao.Arquivo, QStringLiteral("/tmp/x.db"));
  EXPECT_EQ(opcoes.Usuario, 2);
  EXPECT_TRUE(opcoes.Exemplo);
  EXPECT_EQ(nLerOpcoesProjeto({QStringLiteral("mVox"), QStringLiteral("--postgresql")}).Conexao.Tipo,
            TnTipoServidor::PostgreSQL);
}

TEST(nExecutarProjeto, UserComesFromTheConfigurationWhenNotGiven) {
  TnConfigTeste config;
  EXPECT_FALSE(nLerOpcoesProjeto({QStringLiteral("mVox")}).Usuario.has_value());
  config->Gravar(QStringLiteral("Sessao/Usuario"), 2);
  EXPECT_EQ(nLerOpcoesProjeto({QStringLiteral("mVox")}).Usuario, 2);
}

TEST(nExecutarProjeto, BadOptionsAreRefusedWithAReason) {
  TnConfigTeste config;
  EXPECT_FALSE(nLerOpcoesProjeto({QStringLiteral("mVox"), QStringLiteral("--usuario"), QStringLiteral("abc")}).Erro.isEmpty());
  EXPECT_FALSE(nLerOpcoesProjeto({QStringLiteral("mVox"), QStringLiteral("--desconhecida")}).Erro.isEmpty());
  EXPECT_FALSE(nLerOpcoesProjeto({QStringLiteral("mVox"), QStringLiteral("sobra")}).Erro.isEmpty());
}

class nExecutarProjetoUsuario : public TnBancoTeste {};

TEST_F(nExecutarProjetoUsuario, DefaultUserIsTheSampleFirstAndAnUnknownOneIsRefused) {
  EXPECT_EQ(nUsuarioInicial(Conexao(), std::nullopt), 1);
  EXPECT_EQ(nUsuarioInicial(Conexao(), 2), 2);
  EXPECT_THROW(nUsuarioInicial(Conexao(), 99), Exception);
}

// The program itself, started as the user would.
namespace {
struct TnSaida {
  int Codigo = -1;
  QString Erro;
  QString Saida;
};

TnSaida RodarPrograma(const QProcessEnvironment &ambiente, const QStringList &argumentos) {
  QProcess processo;
  processo.setProcessEnvironment(ambiente);
  processo.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mVox")), argumentos);
  if (!processo.waitForFinished(30000)) {
    processo.kill();
    processo.waitForFinished();
    return {};
  }
  return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -2,
          QString::fromUtf8(processo.readAllStandardError()), QString::fromUtf8(processo.readAllStandardOutput())};
}

QProcessEnvironment AmbienteSemTela() {
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  for (const char *nome : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ambiente.remove(QString::fromLatin1(nome));
  return ambiente;
}
}  // namespace

TEST(nExecutarProjetoPrograma, WithoutAScreenTheProgramSaysSoAndEndsWithCode2) {
  QTemporaryDir pasta;
  const TnSaida saida = RodarPrograma(
      AmbienteSemTela(), {QStringLiteral("--banco"), pasta.filePath(QStringLiteral("m.db")), QStringLiteral("--exemplo")});
  EXPECT_EQ(saida.Codigo, 2);
  EXPECT_TRUE(saida.Erro.contains(QStringLiteral("Não há tela"))) << saida.Erro.toStdString();
  // Nothing was done before the check: no database was created.
  EXPECT_FALSE(QFileInfo::exists(pasta.filePath(QStringLiteral("m.db"))));
}

TEST(nExecutarProjetoPrograma, UnreachableDatabaseGivesOneMessageAndCode1) {
  QTemporaryDir pasta;
  QProcessEnvironment ambiente = AmbienteSemTela();
  ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // A folder is no database file.
  const TnSaida saida = RodarPrograma(ambiente, {QStringLiteral("--banco"), pasta.path()});
  EXPECT_EQ(saida.Codigo, 1);
  EXPECT_TRUE(saida.Erro.contains(QStringLiteral("Não foi possível abrir o banco de dados"))) << saida.Erro.toStdString();
  EXPECT_EQ(saida.Erro.count(QStringLiteral("Não foi possível abrir o banco de dados")), 1) << saida.Erro.toStdString();
}

TEST(nExecutarProjetoPrograma, HelpAndAMistypedOptionAreToldInPortugueseWithoutAScreen) {
  const TnSaida ajuda = RodarPrograma(AmbienteSemTela(), {QStringLiteral("--help")});
  EXPECT_EQ(ajuda.Codigo, 0);
  EXPECT_TRUE(ajuda.Saida.startsWith(QStringLiteral("Uso: mVox [opções]"))) << ajuda.Saida.toStdString();
  EXPECT_TRUE(ajuda.Saida.contains(QStringLiteral("--banco <arquivo>"))) << ajuda.Saida.toStdString();
  EXPECT_TRUE(ajuda.Saida.contains(QStringLiteral("Mostra esta ajuda."))) << ajuda.Saida.toStdString();
  EXPECT_FALSE(ajuda.Saida.contains(QStringLiteral("Usage"))) << ajuda.Saida.toStdString();

  const TnSaida errada = RodarPrograma(AmbienteSemTela(), {QStringLiteral("--bnco"), QStringLiteral("x.db")});
  EXPECT_EQ(errada.Codigo, 1);
  EXPECT_TRUE(errada.Erro.contains(QStringLiteral("Opção desconhecida: --bnco"))) << errada.Erro.toStdString();
  EXPECT_FALSE(errada.Erro.contains(QStringLiteral("Não há tela"))) << errada.Erro.toStdString();

  const TnSaida semValor = RodarPrograma(AmbienteSemTela(), {QStringLiteral("--banco")});
  EXPECT_EQ(semValor.Codigo, 1);
  EXPECT_TRUE(semValor.Erro.contains(QStringLiteral("Falta o valor da opção"))) << semValor.Erro.toStdString();
}

TEST(nExecutarProjetoPrograma, AskedToMeasureItsStartTheProgramEndsOnceItsWindowIsShownAndSaysHowLong) {
  QTemporaryDir pasta;
  QProcessEnvironment ambiente = AmbienteSemTela();
  ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), pasta.filePath(QStringLiteral("config")));
  ambiente.insert(QStringLiteral("MVOX_MEDIR_INICIO"), QStringLiteral("1"));
  const TnSaida saida = RodarPrograma(
      ambiente, {QStringLiteral("--banco"), pasta.filePath(QStringLiteral("m.db")), QStringLiteral("--exemplo")});
  EXPECT_EQ(saida.Codigo, 0) << saida.Erro.toStdString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^mVox-inicio: [0-9]+\\.[0-9] ms, pico [1-9][0-9]* KiB\n$"))
                  .match(saida.Saida)
                  .hasMatch())
      << saida.Saida.toStdString();
}

TEST(mVoxMedirInicio, ReadyRunsOnceAfterTheWindowsFirstPaintAndNeverBefore) {
  QWidget janela;
  janela.resize(200, 100);
  int prontos = 0;
  new TmVoxMedirInicio(&janela, [&prontos] { ++prontos; });
  QCoreApplication::processEvents();
  EXPECT_EQ(prontos, 0);
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  EXPECT_TRUE(QTest::qWaitFor([&prontos] { return prontos > 0; }));
  janela.repaint();
  janela.hide();
  janela.show();
  QTest::qWait(20);
  EXPECT_EQ(prontos, 1);
  EXPECT_TRUE(TmVoxMedirInicio::Linha().startsWith(QStringLiteral("mVox-inicio: ")));
}
