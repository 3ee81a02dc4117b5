// The main window: the menu tree built from the registered classes' actions,
// opening a class from the menu into the MDI area, the period button, the
// class buttons and the library loading through PodeAbrirPacote.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nFrmMenuMorvane_U.h"
#include "nFrmVisual_U.h"
#include "nPacotes_U.h"
#include "nRegistro_U.h"

namespace {

TnMenuDecl Menu(const QString &caption, const QString &categoria, const QString &modulo, int indice = 0,
                bool separador = false, bool criarMenu = true, const QString &atalho = QString()) {
  TnMenuDecl decl;
  decl.Caption = caption;
  decl.Category = categoria;
  decl.Modulo = modulo;
  decl.Index = indice;
  decl.Separador = separador;
  decl.CriarMenu = criarMenu;
  decl.ShortCutStr = atalho;
  return decl;
}

TnClasseInfo ClasseComMenus(const QString &nome, const QList<TnMenuDecl> &menus) {
  TnClasseInfo info;
  info.Nome = nome;
  info.NomePai = QStringLiteral("TnDataModule");
  info.Menus = menus;
  return info;
}

// Registers classes for one test and removes them again.
class TnClassesTeste {
 public:
  void Registrar(const TnClasseInfo &info) {
    nRegisterClass(info);
    FNomes.prepend(info.Nome);
  }
  ~TnClassesTeste() {
    for (const QString &nome : FNomes) nUnRegisterClass(nome);
  }

 private:
  QStringList FNomes;
};

// The generated part of the menu bar as indented lines ("-" a separator),
// without the fixed window menu.
void Descrever(const QList<QAction *> &acoes, const QString &recuo, QStringList &linhas, QMenu *janelas) {
  for (QAction *acao : acoes) {
    if (acao->menu() == janelas && janelas) continue;
    if (acao->isSeparator()) {
      linhas << recuo + QStringLiteral("-");
      continue;
    }
    linhas << recuo + nTextoSemAcelerador(acao->text());
    if (acao->menu()) Descrever(acao->menu()->actions(), recuo + QStringLiteral("  "), linhas, nullptr);
  }
}

QStringList ArvoreMenu(TnFrmMenuMorvane &janela) {
  QStringList linhas;
  Descrever(janela.menuBar()->actions(), QString(), linhas, janela.MenuJanelas());
  return linhas;
}

QAction *AcharItem(QWidget *raiz, const QString &texto) {
  for (QAction *acao : raiz->actions()) {
    if (nTextoSemAcelerador(acao->text()) == texto && !acao->menu()) return acao;
    if (acao->menu())
      if (QAction *achou = AcharItem(acao->menu(), texto)) return achou;
  }
  return nullptr;
}

void RegistrarArvoreTeste(TnClassesTeste &classes) {
  classes.Registrar(ClasseComMenus(
      QStringLiteral("TnTesteMenuEmpresa"),
      {Menu(QStringLiteral("Empresas"), QStringLiteral("01 Cadastros\\01 Clientes"), QStringLiteral("mVox"), 2),
       Menu(QStringLiteral("Empresas (direitos)"), QStringLiteral("01 Cadastros"), QStringLiteral("mVox"), 0, false,
            false)}));
  classes.Registrar(ClasseComMenus(
      QStringLiteral("TnTesteMenuEstab"),
      {Menu(QStringLiteral("Estabelecimentos"), QStringLiteral("01 Cadastros\\01 Clientes"), QStringLiteral("mVox"), 1),
       Menu(QStringLiteral("Baixar"), QStringLiteral("02 Movimentos\\01 Protocolos"), QStringLiteral("mVox"), 2, true,
            true, QStringLiteral("Ctrl+T"))}));
  classes.Registrar(ClasseComMenus(
      QStringLiteral("TnTesteMenuGerar"),
      {Menu(QStringLiteral("Gerar"), QStringLiteral("02 Movimentos\\01 Protocolos"), QStringLiteral("mVox"), 1),
       Menu(QStringLiteral("Configuração"), QStringLiteral("10 Configurações"), QStringLiteral("mVox")),
       Menu(QStringLiteral("Base"), QStringLiteral("5 Utilitários"), QStringLiteral("rTul")),
       Menu(QStringLiteral("De outro módulo"), QStringLiteral("03 Consultas"), QStringLiteral("wSip"))}));
}

}  // namespace

// --- the menu tree

TEST(nFrmMenuMorvane, MenuHoldsExactlyTheEntriesOfTheModuleSetOrderedByNumberAndIndex) {
  TnClassesTeste classes;
  RegistrarArvoreTeste(classes);
  TnFrmMenuMorvane janela;
  janela.ConfigurarVisualMenu();
  // "5" before "10": numbers, not texts; Index 1 before 2 whatever the
  // registration order; the other module's entry absent.
  EXPECT_EQ(ArvoreMenu(janela), (QStringList{
                                    "Cadastros",
                                    "  Clientes",
                                    "    Estabelecimentos",
                                    "    Empresas",
                                    "Movimentos",
                                    "  Protocolos",
                                    "    Gerar",
                                    "    -",
                                    "    Baixar",
                                    "Utilitários",
                                    "  Base",
                                    "Configurações",
                                    "  Configuração",
                                }));
}

TEST(nFrmMenuMorvane, ModuleSetWithoutTheBaseModuleDropsItsEntries) {
  TnClassesTeste classes;
  RegistrarArvoreTeste(classes);
  TnFrmMenuMorvane janela;
  janela.SetModulos(TnModulos{nModuloMVox});
  janela.ConfigurarVisualMenu();
  EXPECT_FALSE(ArvoreMenu(janela).contains(QStringLiteral("Utilitários")));
  EXPECT_TRUE(ArvoreMenu(janela).contains(QStringLiteral("  Configuração")));
}

TEST(nFrmMenuMorvane, ActionWithoutMenuItemStillExistsForRightsAndOpening) {
  TnClassesTeste classes;
  RegistrarArvoreTeste(classes);
  TnFrmMenuMorvane janela;
  janela.ConfigurarVisualMenu();
  const QList<TnAction *> acoes = janela.ActionList().FindAll(QStringLiteral("actTnTesteMenuEmpresa"));
  ASSERT_EQ(acoes.size(), 2);
  EXPECT_NE(janela.ItemMenu(acoes.at(0)), nullptr);
  EXPECT_EQ(janela.ItemMenu(acoes.at(1)), nullptr);
  EXPECT_EQ(AcharItem(janela.menuBar(), QStringLiteral("Empresas (direitos)")), nullptr);
}

TEST(nFrmMenuMorvane, ItemCarriesTheDeclaredShortcut) {
  TnClassesTeste classes;
  RegistrarArvoreTeste(classes);
  TnFrmMenuMorvane janela;
  janela.ConfigurarVisualMenu();
  QAction *baixar = AcharItem(janela.menuBar(), QStringLiteral("Baixar"));
  ASSERT_NE(baixar, nullptr);
  EXPECT_EQ(baixar->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
}

TEST(nFrmMenuMorvane, RebuildingTheMenuDoesNotDuplicateEntriesAndKeepsTheWindowMenuLast) {
  TnClassesTeste classes;
  RegistrarArvoreTeste(classes);
  TnFrmMenuMorvane janela;
  janela.ConfigurarVisualMenu();
  const QStringList antes = ArvoreMenu(janela);
  janela.ConfigurarVisualMenu();
  EXPECT_EQ(ArvoreMenu(janela), antes);
  EXPECT_EQ(janela.menuBar()->actions().last()->menu(), janela.MenuJanelas());
}

// --- libraries

namespace {
class TnMenuRecusaTudo : public TnFrmMenuMorvane {
 public:
  bool PodeAbrirPacote(const QString &nome) override {
    Perguntados << nome;
    return false;
  }
  QStringList Perguntados;
};
}  // namespace

TEST(nFrmMenuMorvane, EveryLibraryIsAskedBeforeLoadingAndARefusedOneStaysUnloaded) {
  TnMenuRecusaTudo janela;
  janela.AbriPacotes();
  EXPECT_EQ(janela.Perguntados, TnPacotes::PacotesDoModulo() + TnFrmMenuMorvane::PacotesOpcionais());
  for (const TnSituacaoPacote &pacote : janela.Pacotes().Situacao())
    EXPECT_EQ(pacote.Estado, TnEstadoPacote::Recusado) << pacote.Nome.toStdString();
}

TEST(nFrmMenuMorvane, BaseAllowsEveryLibrary) {
  TnFrmMenuMorvane janela;
  EXPECT_TRUE(janela.PodeAbrirPacote(QStringLiteral("wSipPkPbAge")));
  EXPECT_TRUE(janela.PodeAbrirPacote(QStringLiteral("mVoxPk")));
}

// --- tool bar

TEST(nFrmMenuMorvane, ClassButtonOfAnUnregisteredClassIsDisabledAndSaysWhy) {
  TnFrmMenuMorvane janela;
  janela.CriarBtnToolBar();
  QAction *botao = janela.CriarToolButtonMain(QStringLiteral("TnClasseAusente"), QStringLiteral("Agenda"), true,
                                              QStringLiteral("Agenda"), 0);
  EXPECT_FALSE(botao->isEnabled());
  EXPECT_TRUE(botao->toolTip().contains(QStringLiteral("indisponível")));
  EXPECT_TRUE(botao->toolTip().contains(QStringLiteral("TnClasseAusente")));
  ASSERT_EQ(janela.ToolBarPrincipal()->actions().size(), 2);
  EXPECT_EQ(janela.ToolBarPrincipal()->actions().first(), janela.BtnPeriodo());
}

// --- the period

namespace {
class TnMenuPeriodo : public TnFrmMenuMorvane {
 public:
  bool PerguntarPeriodo(QDate &inicio, QDate &fim) override {
    Perguntado = {inicio, fim};
    if (!Resposta) return false;
    inicio = Resposta->first;
    fim = Resposta->second;
    return true;
  }
  std::optional<QPair<QDate, QDate>> Resposta;
  QPair<QDate, QDate> Perguntado;
};
}  // namespace

class nFrmMenuMorvanePeriodo : public TnBancoTeste {
 protected:
  void TearDown() override {
    nDMConexao()->Selecao().Limpar();
    TnBancoTeste::TearDown();
  }
  QVariant Param(const char *nome) { return nDMConexao()->Selecao().Param(QString::fromLatin1(nome)); }
};

TEST_F(nFrmMenuMorvanePeriodo, ChosenPeriodBecomesTheSelectionTheRegistersApply) {
  TnMenuPeriodo janela;
  janela.Resposta = qMakePair(QDate(2026, 11, 1), QDate(2026, 11, 30));
  janela.BtnPeriodo()->trigger();
  EXPECT_EQ(Param("DataLctoPro_MAIORIGUAL").toDate(), QDate(2026, 11, 1));
  EXPECT_EQ(Param("DataLctoPro_MENORIGUAL").toDate(), QDate(2026, 11, 30));
  // Asked again, the dialog starts from the period in force.
  janela.Resposta.reset();
  janela.BtnPeriodo()->trigger();
  EXPECT_EQ(janela.Perguntado.first, QDate(2026, 11, 1));
  EXPECT_EQ(janela.Perguntado.second, QDate(2026, 11, 30));
}

TEST_F(nFrmMenuMorvanePeriodo, FirstQuestionOffersTheCurrentMonth) {
  TnMenuPeriodo janela;
  janela.BtnPeriodo()->trigger();  // the fixture's clock: 2026-12-01
  EXPECT_EQ(janela.Perguntado.first, QDate(2026, 12, 1));
  EXPECT_EQ(janela.Perguntado.second, QDate(2026, 12, 31));
  EXPECT_FALSE(nDMConexao()->Selecao().TemParam(QStringLiteral("DataLctoPro_MAIORIGUAL")));
}

TEST_F(nFrmMenuMorvanePeriodo, InvertedPeriodIsRefusedWithAMessageAndChangesNothing) {
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("OK"));
  TnMenuPeriodo janela;
  janela.Resposta = qMakePair(QDate(2026, 11, 30), QDate(2026, 11, 1));
  janela.BtnPeriodo()->trigger();
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("A data final do período é anterior à data inicial.")});
  EXPECT_FALSE(nDMConexao()->Selecao().TemParam(QStringLiteral("DataLctoPro_MENORIGUAL")));
}

// --- opening a class from the menu

namespace {

bool GFalharNoForm = false;

// A small register over the users, with one menu entry.
class TnTesteDMUsuarioMenu : public TnDMClientDataSet {
 public:
  TnTesteDMUsuarioMenu() {
    nClientDataSet->SetCommandText(QStringLiteral(
        "Select t_t.CODIGOUSUARIO,t_t.NOMEUSUARIO from USUARIO t_t ORDER BY t_t.CodigoUsuario"));
    SetCaption(QStringLiteral("Usuários"));
  }
  static QList<TnMenuDecl> Menus() {
    return {Menu(QStringLiteral("Usuários"), QStringLiteral("01 Cadastros"), QStringLiteral("mVox"))};
  }
  QString ChavePrimaria() const override { return QStringLiteral("CODIGOUSUARIO"); }
  void DepoisConfigurar(TnFrmVisual *form) override {
    TnDMClientDataSet::DepoisConfigurar(form);
    if (GFalharNoForm) throw Exception(QStringLiteral("Form indisponível."));
  }
};

}  // namespace

class nFrmMenuMorvaneAbrir : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    GFalharNoForm = false;
    FClasses.Registrar(
        nInfoClasse<TnTesteDMUsuarioMenu>(QStringLiteral("TnTesteDMUsuarioMenu"), QStringLiteral("TnDMClientDataSet")));
    // What the form layer does: every form shown without waiting goes into
    // the main window (a label stands for the view).
    FAnterior = nSetMostrarForm([this](TnFrmVisual &form, bool visivel) {
      if (visivel) FJanela->MostrarNaAreaMdi(new QLabel(form.Caption()), &form);
    });
    FJanela = std::make_unique<TnMenuPeriodo>();
    FJanela->ConfigurarVisualMenu();
    FJanela->show();
  }
  void TearDown() override {
    FJanela.reset();
    nSetMostrarForm(FAnterior);
    nDMConexao()->Selecao().Limpar();
    TnRegistro::Instancia().DestruirTodos();
    TnBancoTeste::TearDown();
  }
  int Vivos() const { return static_cast<int>(TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMUsuarioMenu")).size()); }
  QAction *Item() { return AcharItem(FJanela->menuBar(), QStringLiteral("Usuários")); }

  TnClassesTeste FClasses;
  TnMostrarForm FAnterior;
  std::unique_ptr<TnMenuPeriodo> FJanela;
};

TEST_F(nFrmMenuMorvaneAbrir, ChoosingTheEntryOpensTheClassFormInAnMdiWindow) {
  ASSERT_NE(Item(), nullptr);
  Item()->trigger();
  ASSERT_EQ(Vivos(), 1);
  auto *dm = static_cast<TnDMClientDataSet *>(TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMUsuarioMenu")).first());
  // The module knows the action that opened it (its selection list comes from there).
  ASSERT_NE(dm->Action(), nullptr);
  EXPECT_EQ(dm->Action()->Name(), QStringLiteral("actTnTesteDMUsuarioMenu"));
  ASSERT_NE(dm->Form(), nullptr);
  EXPECT_TRUE(dm->Form()->Visible());
  ASSERT_EQ(FJanela->AreaMdi()->subWindowList().size(), 1);
  EXPECT_EQ(FJanela->AreaMdi()->subWindowList().first()->windowTitle(), QStringLiteral("Usuários"));
}

TEST_F(nFrmMenuMorvaneAbrir, ChoosingTheEntryAgainBringsTheOpenWindowBack) {
  Item()->trigger();
  Item()->trigger();
  EXPECT_EQ(Vivos(), 1);
  EXPECT_EQ(FJanela->AreaMdi()->subWindowList().size(), 1);
}

TEST_F(nFrmMenuMorvaneAbrir, ClosingTheWindowFreesTheModuleItOpened) {
  Item()->trigger();
  ASSERT_EQ(FJanela->AreaMdi()->subWindowList().size(), 1);
  FJanela->AreaMdi()->subWindowList().first()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  EXPECT_EQ(Vivos(), 0);
  EXPECT_TRUE(FJanela->AreaMdi()->subWindowList().isEmpty());
}

TEST_F(nFrmMenuMorvaneAbrir, FormThatRefusesToCloseKeepsItsWindowAndModule) {
  Item()->trigger();
  auto *dm = static_cast<TnDMClientDataSet *>(TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMUsuarioMenu")).first());
  dm->Form()->OnCloseQuery = [](TnFrmVisual &, bool &podeFechar) { podeFechar = false; };
  QMdiSubWindow *sub = FJanela->AreaMdi()->subWindowList().first();
  ASSERT_TRUE(sub->isVisible());
  EXPECT_FALSE(sub->close());
  QCoreApplication::processEvents();
  EXPECT_EQ(Vivos(), 1);
  EXPECT_TRUE(sub->isVisible());
}

TEST_F(nFrmMenuMorvaneAbrir, ModuleWhoseFormFailsIsFreedAndTheFailureShown) {
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("OK"));
  GFalharNoForm = true;
  Item()->trigger();
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Form indisponível.")});
  EXPECT_EQ(Vivos(), 0);
  EXPECT_TRUE(FJanela->AreaMdi()->subWindowList().isEmpty());
}

TEST_F(nFrmMenuMorvaneAbrir, OpeningAnUnknownClassRaisesAMessageForTheUser) {
  try {
    FJanela->AbrirClasse(QStringLiteral("TnClasseQueNaoExiste"));
    FAIL() << "no error";
  } catch (const Exception &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("TnClasseQueNaoExiste")));
  }
}

TEST_F(nFrmMenuMorvaneAbrir, ClassButtonOpensTheRegisteredClass) {
  QAction *botao = FJanela->CriarToolButtonMain(QStringLiteral("TnTesteDMUsuarioMenu"), QStringLiteral("Usuários"),
                                                false, QStringLiteral("Usuários"), 0);
  ASSERT_TRUE(botao->isEnabled());
  botao->trigger();
  EXPECT_EQ(Vivos(), 1);
  EXPECT_EQ(FJanela->AreaMdi()->subWindowList().size(), 1);
}

TEST_F(nFrmMenuMorvaneAbrir, MainWindowStaysOpenWhileAFormRefusesToClose) {
  Item()->trigger();
  auto *dm = static_cast<TnDMClientDataSet *>(TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMUsuarioMenu")).first());
  bool recusar = true;
  dm->Form()->OnCloseQuery = [&recusar](TnFrmVisual &, bool &podeFechar) { podeFechar = !recusar; };
  EXPECT_FALSE(FJanela->close());
  EXPECT_TRUE(FJanela->isVisible());
  recusar = false;
  EXPECT_TRUE(FJanela->close());
}

TEST_F(nFrmMenuMorvaneAbrir, ClosingEveryWindowFreesEveryModuleOpenedHere) {
  Item()->trigger();
  FJanela->FecharJanelas();
  EXPECT_EQ(Vivos(), 0);
  EXPECT_TRUE(FJanela->AreaMdi()->subWindowList().isEmpty());
}

TEST_F(nFrmMenuMorvaneAbrir, ModuleOutlivesItsWindowAndGoesRightAfterIt) {
  Item()->trigger();
  QPointer<QMdiSubWindow> sub = FJanela->AreaMdi()->subWindowList().first();
  sub->close();
  QCoreApplication::processEvents();
  // While the window (and the views drawing the module's data) lives, so
  // does the module.
  if (sub) EXPECT_EQ(Vivos(), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  EXPECT_TRUE(sub.isNull());
  EXPECT_EQ(Vivos(), 0);
}

namespace {
// The open register's module, with a new row typed and not saved.
TnDMClientDataSet *ComLinhaNova(const QString &nome) {
  auto *dm = static_cast<TnDMClientDataSet *>(
      TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMUsuarioMenu")).first());
  dm->nClientDataSet->Append();
  dm->nClientDataSet->FieldByName(QStringLiteral("CODIGOUSUARIO"))->SetAsInteger(90);
  dm->nClientDataSet->FieldByName(QStringLiteral("NOMEUSUARIO"))->SetAsString(nome);
  return dm;
}
}  // namespace

TEST_F(nFrmMenuMorvaneAbrir, LeavingTheProgramWithAnUnsavedRowAsksAndCancelStays) {
  TnDialogosTeste dialogos;
  Item()->trigger();
  TnDMClientDataSet *dm = ComLinhaNova(QStringLiteral("Novo Usuário"));
  dialogos->ResponderTexto(QStringLiteral("Cancelar"));
  EXPECT_FALSE(FJanela->close());
  ASSERT_EQ(dialogos->Textos().size(), 1);
  EXPECT_TRUE(dialogos->Textos().first().contains(QStringLiteral("Usuários")));
  EXPECT_TRUE(FJanela->isVisible());
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Insert);
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("NOMEUSUARIO"))->AsString(), QStringLiteral("Novo Usuário"));
}

TEST_F(nFrmMenuMorvaneAbrir, ClosingAWindowWithAnUnsavedRowSavesItOnYes) {
  TnDialogosTeste dialogos;
  Item()->trigger();
  ComLinhaNova(QStringLiteral("Gravado ao Fechar"));
  dialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_TRUE(FJanela->AreaMdi()->subWindowList().first()->close());
  EXPECT_EQ(Contar(QStringLiteral("USUARIO"), QStringLiteral("NOMEUSUARIO = 'Gravado ao Fechar'")), 1);
}

TEST_F(nFrmMenuMorvaneAbrir, ClosingAWindowWithAnUnsavedRowDropsItOnNo) {
  TnDialogosTeste dialogos;
  Item()->trigger();
  TnDMClientDataSet *dm = ComLinhaNova(QStringLiteral("Descartado"));
  dialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_TRUE(FJanela->AreaMdi()->subWindowList().first()->close());
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);
  EXPECT_EQ(Contar(QStringLiteral("USUARIO"), QStringLiteral("NOMEUSUARIO = 'Descartado'")), 0);
}

TEST_F(nFrmMenuMorvaneAbrir, AltWithACaptionsLetterAndF10OpenTheMenus) {
  FJanela->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FJanela.get()));
  // Captions read the same; the accelerator marks a letter.
  QAction *cadastros = nullptr;
  for (QAction *acao : FJanela->menuBar()->actions())
    if (nTextoSemAcelerador(acao->text()) == QStringLiteral("Cadastros")) cadastros = acao;
  ASSERT_NE(cadastros, nullptr);
  EXPECT_EQ(cadastros->text(), QStringLiteral("&Cadastros"));
  QTest::keyClick(FJanela.get(), Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), cadastros->menu());
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : FJanela->menuBar(),
                  Qt::Key_Escape);
  if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
  QTest::keyClick(FJanela.get(), Qt::Key_F10);
  EXPECT_EQ(FJanela->menuBar()->activeAction(), FJanela->menuBar()->actions().first());
  if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
}

TEST(nFrmMenuMorvane, AcceleratorsAreOnePerLetterInEachMenuAndKeepTheText) {
  EXPECT_EQ(nTextoSemAcelerador(QStringLiteral("Em &cascata")), QStringLiteral("Em cascata"));
  EXPECT_EQ(nTextoSemAcelerador(QStringLiteral("A && B")), QStringLiteral("A & B"));
}

TEST(nFrmMenuMorvane, StatusBarKeepsTheDatabaseLineWhileMenusShowTheirHints) {
  TnFrmMenuMorvane janela;
  janela.SetStatusConexao(QStringLiteral("banco.db - usuário 1"));
  janela.statusBar()->showMessage(QStringLiteral("Dica de um menu"));
  janela.statusBar()->clearMessage();
  EXPECT_EQ(janela.StatusConexao()->text(), QStringLiteral("banco.db - usuário 1"));
  EXPECT_FALSE(janela.StatusConexao()->isHidden());
}

// --- user rights on opening

namespace {
const QString kSemPermissao = QStringLiteral("Usuário sem permissão para acessar esta opção.");
const QString kDireitoUsuarios = QStringLiteral("actTnTesteDMUsuarioMenu");
}  // namespace

class nFrmMenuMorvaneDireito : public nFrmMenuMorvaneAbrir {
 protected:
  void SetUp() override {
    nFrmMenuMorvaneAbrir::SetUp();
    FDialogos->SetAceitarMensagens(true);
  }
  TnDMDireitoUsuario &Direitos() { return *nDMDireitoUsuario(); }
  int Janelas() { return static_cast<int>(FJanela->AreaMdi()->subWindowList().size()); }
  // A detail action governed by `mestre`'s right, as a detail register declares it.
  TnAction &AdicionarDetalhe(const QString &mestre) {
    auto detalhe = std::make_unique<TnAction>();
    detalhe->SetName(QStringLiteral("actTnTesteDetalheMenu"));
    detalhe->SetDireitoProprio(false);
    detalhe->SetHashAcaoMestre(FJanela->ActionList().GetHashComp().HashValue(mestre));
    return FJanela->ActionList().Add(std::move(detalhe));
  }

  TnDialogosTeste FDialogos;
};

TEST_F(nFrmMenuMorvaneDireito, UserWithoutRowForAnAdministeredRightIsRefusedAndNothingOpens) {
  Direitos().SetDireito(Conexao().CodigoUsuario() + 1, kDireitoUsuarios, u'8');  // someone else has it
  Item()->trigger();
  EXPECT_EQ(FDialogos->Textos(), QStringList{kSemPermissao});
  EXPECT_EQ(Vivos(), 0);
  EXPECT_EQ(Janelas(), 0);
}

TEST_F(nFrmMenuMorvaneDireito, OnlyTheValueEightGrants) {
  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios, u'1');
  Item()->trigger();
  EXPECT_EQ(FDialogos->Textos(), QStringList{kSemPermissao});
  EXPECT_EQ(Vivos(), 0);

  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios, u'8');
  Item()->trigger();
  EXPECT_EQ(FDialogos->Textos().size(), 1);
  EXPECT_EQ(Vivos(), 1);
  EXPECT_EQ(Janelas(), 1);
}

TEST_F(nFrmMenuMorvaneDireito, RightNeverAdministeredForAnyoneLeavesTheEntryOpen) {
  Direitos().SetDireito(Conexao().CodigoUsuario(), QStringLiteral("actOutraClasse"), u'0');
  Item()->trigger();
  EXPECT_TRUE(FDialogos->Textos().isEmpty());
  EXPECT_EQ(Vivos(), 1);
}

TEST_F(nFrmMenuMorvaneDireito, RightNameMatchesInAnyCase) {
  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios.toUpper(), u'8');
  Direitos().SetDireito(Conexao().CodigoUsuario() + 1, kDireitoUsuarios.toLower(), u'0');
  Item()->trigger();
  EXPECT_TRUE(FDialogos->Textos().isEmpty());
  EXPECT_EQ(Vivos(), 1);
}

TEST_F(nFrmMenuMorvaneDireito, ActionWithoutRightControlOrServiceOffIsNotChecked) {
  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios, u'0');
  TnAction *action = FJanela->ActionList().Find(kDireitoUsuarios);
  ASSERT_NE(action, nullptr);
  action->SetControlaDireito(false);
  EXPECT_TRUE(FJanela->VerificarDireito(action));
  action->SetControlaDireito(true);

  nSetDMDireitoUsuario(nullptr);
  const bool semServico = FJanela->VerificarDireito(action);
  nRestaurarDMDireitoUsuario();
  EXPECT_TRUE(semServico);
  EXPECT_TRUE(FDialogos->Textos().isEmpty());
  EXPECT_FALSE(FJanela->VerificarDireito(action));
}

TEST_F(nFrmMenuMorvaneDireito, DetailIsGovernedByItsMastersRight) {
  TnAction &detalhe = AdicionarDetalhe(kDireitoUsuarios);
  EXPECT_EQ(FJanela->NomeDireito(&detalhe), kDireitoUsuarios);
  // The detail's own name has a granting row; it does not count.
  Direitos().SetDireito(Conexao().CodigoUsuario(), detalhe.Name(), u'8');
  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios, u'0');
  EXPECT_FALSE(FJanela->VerificarDireito(&detalhe));
  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios, u'8');
  EXPECT_TRUE(FJanela->VerificarDireito(&detalhe));
  EXPECT_EQ(FDialogos->Textos(), QStringList{kSemPermissao});
}

TEST_F(nFrmMenuMorvaneDireito, DetailWhoseMasterIsNotInTheMenuIsRefused) {
  TnAction &detalhe = AdicionarDetalhe(QStringLiteral("actTnClasseAusente"));
  EXPECT_TRUE(FJanela->NomeDireito(&detalhe).isEmpty());
  EXPECT_FALSE(FJanela->VerificarDireito(&detalhe));
  EXPECT_EQ(FDialogos->Textos(), QStringList{kSemPermissao});
}

TEST_F(nFrmMenuMorvaneDireito, ClassButtonChecksTheRightToo) {
  Direitos().SetDireito(Conexao().CodigoUsuario(), kDireitoUsuarios, u'0');
  QAction *botao = FJanela->CriarToolButtonMain(QStringLiteral("TnTesteDMUsuarioMenu"), QStringLiteral("Usuários"), false,
                                                QStringLiteral("Usuários"), 1);
  botao->trigger();
  EXPECT_EQ(FDialogos->Textos(), QStringList{kSemPermissao});
  EXPECT_EQ(Vivos(), 0);
}

// --- the period refreshes the open registers

namespace {
// A register that counts its refreshes instead of reading rows again.
class TnTesteDMPeriodoMenu : public TnTesteDMUsuarioMenu {
 public:
  void Refresh() override { ++Atualizacoes; }
  int Atualizacoes = 0;
};
}  // namespace

class nFrmMenuMorvanePeriodoAberto : public nFrmMenuMorvaneAbrir {
 protected:
  void SetUp() override {
    nFrmMenuMorvaneAbrir::SetUp();
    FClasses.Registrar(
        nInfoClasse<TnTesteDMPeriodoMenu>(QStringLiteral("TnTesteDMPeriodoMenu"), QStringLiteral("TnDMClientDataSet")));
  }
  TnTesteDMPeriodoMenu *Abrir(const QString &verificaSelecao) {
    FJanela->AbrirClasse(QStringLiteral("TnTesteDMPeriodoMenu"));
    const auto instancias = TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMPeriodoMenu"));
    EXPECT_EQ(instancias.size(), 1);
    auto *dm = instancias.isEmpty() ? nullptr : dynamic_cast<TnTesteDMPeriodoMenu *>(instancias.first());
    if (dm) dm->SetVerificaSelecaoManual(verificaSelecao);
    return dm;
  }
};

TEST_F(nFrmMenuMorvanePeriodoAberto, NewPeriodRefreshesAnOpenRegisterThatAppliesIt) {
  TnTesteDMPeriodoMenu *dm = Abrir(QStringLiteral("CODIGOEMPRESA;DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL"));
  ASSERT_NE(dm, nullptr);
  FJanela->Resposta = qMakePair(QDate(2026, 10, 1), QDate(2026, 10, 31));
  FJanela->BtnPeriodo()->trigger();
  EXPECT_EQ(dm->Atualizacoes, 1);
  // A cancelled question changes nothing and reads nothing again.
  FJanela->Resposta.reset();
  FJanela->BtnPeriodo()->trigger();
  EXPECT_EQ(dm->Atualizacoes, 1);
}

TEST_F(nFrmMenuMorvanePeriodoAberto, RegisterThatIgnoresThePeriodIsNotRefreshed) {
  TnTesteDMPeriodoMenu *dm = Abrir(QStringLiteral("CODIGOEMPRESA"));
  ASSERT_NE(dm, nullptr);
  FJanela->Resposta = qMakePair(QDate(2026, 10, 1), QDate(2026, 10, 31));
  FJanela->BtnPeriodo()->trigger();
  EXPECT_EQ(dm->Atualizacoes, 0);
}
