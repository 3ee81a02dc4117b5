// The grid view's cell editors, popup menu, cell button and row-detail panel.
#include <gtest/gtest.h>

#include <QAction>
#include <QBrush>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <memory>

#include "nActionForm_U.h"
#include "nClientDataSet_U.h"
#include "nCores_U.h"
#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nField_U.h"
#include "nModeloDataSet_U.h"
#include "nPainel_U.h"
#include "nVisaoGrid_U.h"

namespace {

// Two rows: a code, the kinds ticked (a check list over three kinds), a note
// of several lines and a description with a button.
std::unique_ptr<TnClientDataSet> nDadosEditores() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("TIPOS"), TnFieldType::String, 20);
  dados->AddFieldDef(QStringLiteral("OBS"), TnFieldType::Memo);
  dados->AddFieldDef(QStringLiteral("DESCR"), TnFieldType::String, 40);
  dados->CreateDataSet();
  TnDefinicao &tipos = dados->FieldByName(QStringLiteral("TIPOS"))->Definicao();
  tipos.SetNomesValores({QStringLiteral("Federal=1"), QStringLiteral("Estadual=2"), QStringLiteral("Municipal=3")});
  tipos.SetTipoControle(TnTipoControle::CheckList);
  dados->FieldByName(QStringLiteral("OBS"))->Definicao().SetTipoControle(TnTipoControle::Memo);
  for (int i = 1; i <= 2; ++i) {
    dados->Append();
    dados->FieldByName(QStringLiteral("CODIGO"))->SetAsString(QString::number(i));
    dados->FieldByName(QStringLiteral("TIPOS"))->SetAsString(QStringLiteral("1;3"));
    dados->FieldByName(QStringLiteral("DESCR"))->SetAsString(QStringLiteral("Item %1").arg(i));
    dados->Post();
  }
  dados->First();
  return dados;
}

void nTeclarEm(QWidget *alvo, Qt::Key tecla, Qt::KeyboardModifiers mods = Qt::NoModifier,
               const QString &texto = QString()) {
  QKeyEvent evento(QEvent::KeyPress, tecla, mods, texto);
  QApplication::sendEvent(alvo, &evento);
}

int nColuna(const TnDBGridEh &grid, const QString &campo) {
  for (int c = 0; c < grid.ColumnCount(); ++c)
    if (grid.Columns().at(c).FieldName == campo) return c;
  return -1;
}

// Opens the cell's editor as the user would (moving there first) and gives it.
template <typename T>
T *nAbrirEditor(TnVisaoGrid &visao, int linha, const QString &campo) {
  const QModelIndex indice = visao.Modelo()->index(linha, nColuna(*visao.Grid(), campo));
  visao.Tabela()->setCurrentIndex(indice);
  visao.Tabela()->edit(indice);
  return visao.Tabela()->viewport()->findChild<T *>();
}

class VisaoGridEditoresTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    FDados = nDadosEditores();
    FGrid = std::make_unique<TnDBGridEh>();
    FGrid->SetDataSet(FDados.get());
    FVisao = std::make_unique<TnVisaoGrid>(FGrid.get());
    FVisao->resize(600, 300);
    FVisao->show();
  }
  void TearDown() override {
    FVisao.reset();
    FGrid.reset();
    FDados.reset();
  }
  QString Valor(const char *campo) { return FDados->FieldByName(QString::fromLatin1(campo))->AsString(); }

  std::unique_ptr<TnClientDataSet> FDados;
  std::unique_ptr<TnDBGridEh> FGrid;
  std::unique_ptr<TnVisaoGrid> FVisao;
};

}  // namespace

TEST_F(VisaoGridEditoresTeste, CheckListTicksTheStoredValuesAndWritesTheTickedValuesJoinedInListOrder) {
  auto *lista = nAbrirEditor<QListWidget>(*FVisao, 0, QStringLiteral("TIPOS"));
  ASSERT_NE(lista, nullptr);
  ASSERT_EQ(lista->count(), 3);
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Federal"));
  EXPECT_EQ(lista->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(lista->item(1)->checkState(), Qt::Unchecked);
  EXPECT_EQ(lista->item(2)->checkState(), Qt::Checked);
  // Ticked out of order: the value still follows the list.
  lista->item(0)->setCheckState(Qt::Unchecked);
  lista->item(2)->setCheckState(Qt::Unchecked);
  lista->item(2)->setCheckState(Qt::Checked);
  lista->item(1)->setCheckState(Qt::Checked);
  QPointer<QListWidget> aberta(lista);
  nTeclarEm(lista, Qt::Key_Return);
  EXPECT_EQ(Valor("TIPOS"), QStringLiteral("2;3"));
  // The editor closed (hidden now, freed later).
  EXPECT_TRUE(!aberta || !aberta->isVisible());
}

TEST_F(VisaoGridEditoresTeste, CheckListOverCaptionsBoundToTheFieldTicksAndStoresTheValues) {
  FDados->FieldByName(QStringLiteral("TIPOS"))->Definicao().LigarTextos();
  ASSERT_EQ(FVisao->Modelo()->index(0, nColuna(*FGrid, QStringLiteral("TIPOS"))).data(Qt::EditRole).toString(),
            QStringLiteral("Federal;Municipal"));
  auto *lista = nAbrirEditor<QListWidget>(*FVisao, 0, QStringLiteral("TIPOS"));
  ASSERT_NE(lista, nullptr);
  EXPECT_EQ(lista->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(lista->item(2)->checkState(), Qt::Checked);
  lista->item(0)->setCheckState(Qt::Unchecked);
  lista->item(1)->setCheckState(Qt::Checked);
  nTeclarEm(lista, Qt::Key_Return);
  EXPECT_EQ(Valor("TIPOS"), QStringLiteral("2;3"));
}

TEST_F(VisaoGridEditoresTeste, CheckListWithNothingTickedEmptiesTheValue) {
  auto *lista = nAbrirEditor<QListWidget>(*FVisao, 0, QStringLiteral("TIPOS"));
  ASSERT_NE(lista, nullptr);
  for (int i = 0; i < lista->count(); ++i) lista->item(i)->setCheckState(Qt::Unchecked);
  nTeclarEm(lista, Qt::Key_Tab);
  EXPECT_EQ(Valor("TIPOS"), QString());
}

TEST_F(VisaoGridEditoresTeste, MemoTakesEnterAsANewLineAndCtrlEnterConfirms) {
  auto *memo = nAbrirEditor<QPlainTextEdit>(*FVisao, 0, QStringLiteral("OBS"));
  ASSERT_NE(memo, nullptr);
  memo->setFocus();
  nTeclarEm(memo, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  nTeclarEm(memo, Qt::Key_Return);
  nTeclarEm(memo, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
  // Enter alone kept the editor open and wrote nothing yet.
  ASSERT_TRUE(memo->isVisible());
  EXPECT_EQ(Valor("OBS"), QString());
  nTeclarEm(memo, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Valor("OBS"), QStringLiteral("a\nb"));
  EXPECT_FALSE(memo->isVisible());
}

TEST_F(VisaoGridEditoresTeste, MemoAndCheckListOpenTallerThanTheirRow) {
  auto *lista = nAbrirEditor<QListWidget>(*FVisao, 0, QStringLiteral("TIPOS"));
  ASSERT_NE(lista, nullptr);
  EXPECT_GT(lista->height(), FVisao->Tabela()->rowHeight(0) * 2);
}

TEST_F(VisaoGridEditoresTeste, CellButtonRunsTheEditButtonHandlerForTheCellsField) {
  QString campoDoBotao;
  FDados->FieldByName(QStringLiteral("DESCR"))->Definicao().OnButtonClick = [&](TnField &campo) {
    campoDoBotao = campo.FieldName();
  };
  FGrid->CriarColunas();  // the columns again, now with the button
  FVisao->Atualizar();
  auto *edit = nAbrirEditor<QLineEdit>(*FVisao, 1, QStringLiteral("DESCR"));
  ASSERT_NE(edit, nullptr);
  auto *botao = edit->findChild<QAction *>(QStringLiteral("botaoEdicao"));
  ASSERT_NE(botao, nullptr);
  botao->trigger();
  EXPECT_EQ(campoDoBotao, QStringLiteral("DESCR"));
  EXPECT_EQ(FDados->RecNo(), 2);
}

TEST_F(VisaoGridEditoresTeste, GridsOwnEditButtonHandlerTakesPrecedenceOverTheFields) {
  int daGrade = 0;
  int doCampo = 0;
  FDados->FieldByName(QStringLiteral("DESCR"))->Definicao().OnButtonClick = [&](TnField &) { ++doCampo; };
  FGrid->CriarColunas();
  FGrid->OnEditButtonClick = [&](QObject *) { ++daGrade; };
  FVisao->Atualizar();
  auto *edit = nAbrirEditor<QLineEdit>(*FVisao, 0, QStringLiteral("DESCR"));
  ASSERT_NE(edit, nullptr);
  auto *botao = edit->findChild<QAction *>(QStringLiteral("botaoEdicao"));
  ASSERT_NE(botao, nullptr);
  botao->trigger();
  EXPECT_EQ(daGrade, 1);
  EXPECT_EQ(doCampo, 0);
}

// A row the dataset will not put into edit (its handler cancels the edit and
// says why): the message once per attempt, and the cell back on the stored
// value, so a second Enter goes on as over an unchanged cell.
TEST_F(VisaoGridEditoresTeste, ARowThatRefusesTheEditShowsItsStoredValueAgainAndOneMessagePerAttempt) {
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  FDados->AfterEdit = [this](TnClientDataSet &d) {
    if (d.FieldByName(QStringLiteral("CODIGO"))->AsInteger() != 1) return;
    d.Cancel();
    // The message's window takes the focus from the editor, as a real one
    // does, and gives it back.
    {
      QWidget mensagem;
      mensagem.show();
      mensagem.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&mensagem));
    }
    FVisao->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
    throw Exception(QStringLiteral("Linha fechada!"));
  };
  FVisao->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  QTableView *tabela = FVisao->Tabela();
  tabela->setCurrentIndex(FVisao->Modelo()->index(0, nColuna(*FGrid, QStringLiteral("DESCR"))));
  tabela->setFocus();
  QTest::keyClicks(tabela, QStringLiteral("x"));
  auto *editor = tabela->viewport()->findChild<QLineEdit *>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, QStringLiteral("yz"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Linha fechada!")});
  EXPECT_EQ(editor->text(), QStringLiteral("Item 1"));
  EXPECT_EQ(FVisao->Modelo()->index(0, 3).data().toString(), QStringLiteral("Item 1"));
  // Enter again: nothing to write, no message; the grid takes the key.
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(dialogos->Textos().size(), 1);
  EXPECT_EQ(Valor("DESCR"), QStringLiteral("Item 1"));
  EXPECT_EQ(FDados->State(), TnDataSetState::Browse);
  // Another attempt, left with a click on the other row: one more message,
  // the cell shows the stored value.
  tabela->setCurrentIndex(FVisao->Modelo()->index(0, 3));
  QTest::keyClicks(tabela, QStringLiteral("w"));
  QApplication::processEvents();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, tabela->visualRect(FVisao->Modelo()->index(1, 0)).center());
  EXPECT_EQ(dialogos->Textos().size(), 2);
  EXPECT_EQ(FVisao->Modelo()->index(0, 3).data().toString(), QStringLiteral("Item 1"));
  EXPECT_EQ(FDados->RecNo(), 2);
}

// Enter confirming a cell's editor is handed to the grid, whose handler
// moves the selection (here to the next row's first column): the view
// follows, so the cell the grid draws as selected (white text) is the one
// the view highlights.
TEST_F(VisaoGridEditoresTeste, EnterInAnEditorLeavesTheViewOnTheCellTheGridSelected) {
  FGrid->OnKeyDown = [](TnDBGridEh &grid, int &key, TShiftState) {
    if (key == nTeclaEnter) SetarFocoColunaGrid(&grid, grid.SelectedIndex(), true);
  };
  FGrid->OnDrawColumnCell = [](TnDBGridEh &, TnDesenhoCelula &celula) {
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
  };
  FVisao->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  QTableView *tabela = FVisao->Tabela();
  const int descr = nColuna(*FGrid, QStringLiteral("DESCR"));
  tabela->setCurrentIndex(FVisao->Modelo()->index(0, descr));
  tabela->setFocus();
  QTest::keyClicks(tabela, QStringLiteral("N"));
  auto *editor = tabela->viewport()->findChild<QLineEdit *>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(FVisao->Modelo()->index(0, descr).data().toString(), QStringLiteral("N"));
  EXPECT_EQ(FDados->RecNo(), 2);
  const QModelIndex atual = tabela->currentIndex();
  EXPECT_EQ(atual.row(), 1);
  EXPECT_EQ(atual.column(), FGrid->SelectedIndex());
  // Only the highlighted cell is drawn in white.
  for (int c = 0; c < FVisao->Modelo()->columnCount(); ++c)
    EXPECT_EQ(FVisao->Modelo()->index(1, c).data(Qt::ForegroundRole).value<QBrush>().color() == QColor(Qt::white),
              c == atual.column())
        << c;
}

TEST_F(VisaoGridEditoresTeste, PopupMenuListsTheVisibleItemsAndRunsTheChosenOnesHandler) {
  QStringList rodados;
  FGrid->CriarItemPopup(QStringLiteral("Cancelar Item"), -1, QString(), [&](QObject *) {
    rodados << QStringLiteral("cancelar:") + FDados->FieldByName(QStringLiteral("CODIGO"))->AsString();
  });
  FGrid->CriarItemPopup(QStringLiteral("Oculto"), -1, QString(), [&](QObject *) { rodados << QStringLiteral("oculto"); })
      ->SetVisible(false);
  FGrid->CriarItemPopup(QStringLiteral("Desabilitado"), -1, QString(), [&](QObject *) {
         rodados << QStringLiteral("desabilitado");
       })->SetEnabled(false);
  FDados->Next();
  std::unique_ptr<QMenu> menu(FVisao->CriarMenuPopup(nullptr));
  ASSERT_NE(menu, nullptr);
  const QList<QAction *> acoes = menu->actions();
  ASSERT_EQ(acoes.size(), 2);
  EXPECT_EQ(acoes.at(0)->text(), QStringLiteral("Cancelar Item"));
  EXPECT_EQ(acoes.at(1)->text(), QStringLiteral("Desabilitado"));
  EXPECT_FALSE(acoes.at(1)->isEnabled());
  acoes.at(0)->trigger();
  EXPECT_EQ(rodados, QStringList{QStringLiteral("cancelar:2")});
}

TEST_F(VisaoGridEditoresTeste, FailingPopupItemIsShownByTheGuardAndTheGridStays) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  FGrid->CriarItemPopup(QStringLiteral("Cancelar Item"), -1, QString(), [](QObject *) {
    throw Exception(QStringLiteral("Item já cancelado!"));
  });
  std::unique_ptr<QMenu> menu(FVisao->CriarMenuPopup(nullptr));
  ASSERT_NE(menu, nullptr);
  menu->actions().at(0)->trigger();
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Item já cancelado!")});
  EXPECT_EQ(FVisao->Tabela()->model()->rowCount(), 2);
}

TEST_F(VisaoGridEditoresTeste, GridWithoutPopupItemsHasNoMenu) {
  EXPECT_EQ(FVisao->CriarMenuPopup(nullptr), nullptr);
}

// A master grid whose row-detail panel holds a detail grid.
class VisaoGridDetalheTeste : public VisaoGridEditoresTeste {
 protected:
  void SetUp() override {
    FItens = std::make_unique<TnClientDataSet>();
    FItens->AddFieldDef(QStringLiteral("SEQ"), TnFieldType::Integer);
    FItens->CreateDataSet();
    FItens->Append();
    FItens->Fields(0)->SetValue(1);
    FItens->Post();
    VisaoGridEditoresTeste::SetUp();
    FGrid->SetRowDetailPanelAtivo(true);
    FDetalhe = new TnDBGridEh(FGrid->RowDetailPanel(), QStringLiteral("gridItens"));
    FDetalhe->SetDataSet(FItens.get());
    FVisao->Atualizar();
  }
  void TearDown() override {
    VisaoGridEditoresTeste::TearDown();
    FItens.reset();
  }
  void ClicarIndicador(int linha) { emit FVisao->Tabela()->verticalHeader()->sectionClicked(linha); }
  TnVisaoGrid *VisaoDetalhe() {
    return FVisao->PainelDetalhe() ? FVisao->PainelDetalhe()->findChild<TnVisaoGrid *>() : nullptr;
  }

  std::unique_ptr<TnClientDataSet> FItens;
  TnDBGridEh *FDetalhe = nullptr;
};

TEST_F(VisaoGridDetalheTeste, ClickingAMasterRowOpensItsDetailGridUnderThatRow) {
  const int alturaNormal = FVisao->Tabela()->rowHeight(1);
  ClicarIndicador(1);
  EXPECT_EQ(FDados->RecNo(), 2);
  EXPECT_TRUE(FGrid->RowDetailPanelVisivel());
  ASSERT_NE(VisaoDetalhe(), nullptr);
  EXPECT_EQ(VisaoDetalhe()->Grid(), FDetalhe);
  EXPECT_TRUE(FVisao->PainelDetalhe()->isVisible());
  EXPECT_GT(FVisao->Tabela()->rowHeight(1), alturaNormal);
  EXPECT_EQ(FVisao->Tabela()->rowHeight(0), alturaNormal);
  // The panel sits below the master row's own line.
  EXPECT_GE(FVisao->PainelDetalhe()->y(), FVisao->Tabela()->rowViewportPosition(1) + alturaNormal);
}

TEST_F(VisaoGridDetalheTeste, ClickingTheOpenRowAgainClosesThePanelAndRestoresTheRow) {
  const int alturaNormal = FVisao->Tabela()->rowHeight(1);
  ClicarIndicador(1);
  ClicarIndicador(1);
  EXPECT_FALSE(FGrid->RowDetailPanelVisivel());
  EXPECT_FALSE(FVisao->PainelDetalhe()->isVisible());
  EXPECT_EQ(FVisao->Tabela()->rowHeight(1), alturaNormal);
}

TEST_F(VisaoGridDetalheTeste, PanelMovesToTheOtherMasterRowClicked) {
  const int alturaNormal = FVisao->Tabela()->rowHeight(0);
  ClicarIndicador(0);
  ClicarIndicador(1);
  EXPECT_EQ(FDados->RecNo(), 2);
  EXPECT_TRUE(FGrid->RowDetailPanelVisivel());
  EXPECT_EQ(FVisao->Tabela()->rowHeight(0), alturaNormal);
  EXPECT_GT(FVisao->Tabela()->rowHeight(1), alturaNormal);
}

TEST_F(VisaoGridDetalheTeste, RefusedShowLeavesThePanelClosed) {
  FGrid->OnRowDetailPanelShow = [](TnDBGridEh &, bool &podeMostrar) { podeMostrar = false; };
  const int alturaNormal = FVisao->Tabela()->rowHeight(0);
  ClicarIndicador(0);
  EXPECT_FALSE(FGrid->RowDetailPanelVisivel());
  EXPECT_TRUE(FVisao->PainelDetalhe() == nullptr || !FVisao->PainelDetalhe()->isVisible());
  EXPECT_EQ(FVisao->Tabela()->rowHeight(0), alturaNormal);
}
