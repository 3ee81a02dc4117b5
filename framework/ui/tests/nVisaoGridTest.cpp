// The grid widget: what the user does reaches the grid model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <memory>

#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nField_U.h"
#include "nFrmConGrid_U.h"
#include "nFrmVisual_U.h"
#include "nDialogos_U.h"
#include "nVisaoConGrid_U.h"
#include "nModeloDataSet_U.h"
#include "nVisaoGrid_U.h"

namespace {

std::unique_ptr<TnClientDataSet> nDadosVisao() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 15, 2);
  dados->CreateDataSet();
  for (int i = 1; i <= 3; ++i) {
    dados->Append();
    dados->Fields(0)->SetValue(i);
    dados->Fields(1)->SetValue(QStringLiteral("%1.10").arg(i));
    dados->Post();
  }
  dados->First();
  return dados;
}

void nTeclar(QWidget *alvo, int tecla, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent evento(QEvent::KeyPress, tecla, mods);
  QApplication::sendEvent(alvo, &evento);
}

}  // namespace

TEST(nVisaoGrid, KeysGoToTheGridModelAndTheViewFollowsTheDatasetRow) {
  auto dados = nDadosVisao();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  QList<int> teclas;
  grid.OnKeyDown = [&](TnDBGridEh &, int &key, TShiftState) {
    teclas << key;
    if (key == nTeclaF3) key = 0;
  };
  TnVisaoGrid visao(&grid);
  visao.show();
  nTeclar(visao.Tabela(), Qt::Key_Down);
  EXPECT_EQ(dados->RecNo(), 2);
  EXPECT_EQ(visao.Tabela()->currentIndex().row(), 1);
  nTeclar(visao.Tabela(), Qt::Key_F3);
  EXPECT_EQ(teclas, (QList<int>{40, nTeclaF3}));
}

TEST(nVisaoGrid, DoubleClickAndTitleClickReachTheGridsHandlers) {
  auto dados = nDadosVisao();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  int duplos = 0;
  QString titulo;
  grid.OnDblClick = [&](QObject *) { ++duplos; };
  grid.OnTitleClick = [&](TnDBGridEh &, TnColunaGrid &coluna) { titulo = coluna.FieldName; };
  TnVisaoGrid visao(&grid);
  emit visao.Tabela()->doubleClicked(visao.Modelo()->index(0, 0));
  emit visao.Tabela()->horizontalHeader()->sectionClicked(1);
  EXPECT_EQ(duplos, 1);
  EXPECT_EQ(titulo, QStringLiteral("VALOR"));
}

// A double click on a row that is not the current one acts on that row, as
// the user sees it: the row becomes current first, the handler runs once.
TEST(nVisaoGrid, ADoubleClickOnAnotherRowActsOnThatRow) {
  auto dados = nDadosVisao();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  QList<int> linhas;
  grid.OnDblClick = [&](QObject *) { linhas << dados->FieldByName(QStringLiteral("CODIGO"))->AsInteger(); };
  TnVisaoGrid visao(&grid);
  visao.resize(400, 300);
  visao.show();
  visao.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&visao));
  QTableView *tabela = visao.Tabela();
  auto centro = [&](int linha) { return tabela->visualRect(visao.Modelo()->index(linha, 0)).center(); };
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, centro(2));
  EXPECT_EQ(linhas, QList<int>{3});
  EXPECT_EQ(dados->RecNo(), 3);
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, centro(0));
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, centro(0));
  EXPECT_EQ(linhas, (QList<int>{3, 1, 1}));
  // Below the last row is no row: nothing to act on.
  QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, QPoint(5, tabela->viewport()->height() - 3));
  EXPECT_EQ(linhas, (QList<int>{3, 1, 1}));
}

TEST(nVisaoGrid, TheFooterShowsTheExactSumsOfTheListedFields) {
  auto dados = nDadosVisao();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  grid.SetRodapeVisivel(true);
  grid.SetCamposSoma({QStringLiteral("VALOR")});
  TnVisaoGrid visao(&grid);
  EXPECT_TRUE(visao.Rodape()->text().contains(QStringLiteral("6,30"))) << visao.Rodape()->text().toStdString();
}

TEST(nVisaoGrid, FooterSumIsWrittenAsItsColumnShowsItsValues) {
  auto dados = nDadosVisao();
  dados->Edit();
  dados->FieldByName(QStringLiteral("VALOR"))->SetValue(QStringLiteral("2331.20"));
  dados->Post();
  dados->FieldByName(QStringLiteral("VALOR"))->SetDisplayFormat(QStringLiteral("#,##0.00"));
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  grid.SetRodapeVisivel(true);
  grid.SetCamposSoma({QStringLiteral("VALOR")});
  TnVisaoGrid visao(&grid);
  EXPECT_TRUE(visao.Rodape()->text().contains(QStringLiteral("2.336,40"))) << visao.Rodape()->text().toStdString();
}

TEST(nVisaoGrid, ColumnsAreWideEnoughForTheirTitleAndValues) {
  auto dados = nDadosVisao();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetDisplayLabel(QStringLiteral("Documento de Arrecadação"));
  dados->FieldByName(QStringLiteral("VALOR"))->SetDisplayFormat(QStringLiteral("#,##0.00"));
  dados->Edit();
  dados->FieldByName(QStringLiteral("VALOR"))->SetValue(QStringLiteral("1234567890.12"));
  dados->Post();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  grid.CriarColunas();
  TnVisaoGrid visao(&grid);
  visao.show();
  const QFontMetrics medida = visao.Tabela()->fontMetrics();
  EXPECT_GE(visao.Tabela()->columnWidth(0), medida.horizontalAdvance(QStringLiteral("Documento de Arrecadação")));
  EXPECT_GE(visao.Tabela()->columnWidth(1), medida.horizontalAdvance(QStringLiteral("1.234.567.890,12")));
}

TEST(nVisaoConGrid, EnterOnTheLookupGridClosesTheModalFormWithTheChosenRow) {
  auto dados = nDadosVisao();
  TnFrmConGrid form(nullptr, dados.get());
  const TnExecutarFormModal anterior = nSetExecutarFormModal([](TnFrmVisual &f) {
    auto &con = static_cast<TnFrmConGrid &>(f);
    TnVisaoConGrid visao(&con);
    visao.show();
    nTeclar(visao.VisaoGrid()->Tabela(), Qt::Key_Down);
    nTeclar(visao.VisaoGrid()->Tabela(), Qt::Key_Down);
    nTeclar(visao.VisaoGrid()->Tabela(), Qt::Key_Return);
  });
  const int resultado = form.ShowModal();
  nSetExecutarFormModal(anterior);
  EXPECT_EQ(resultado, mrOk);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("CODIGO"))->AsInteger(), 3);
}

// A narrow value under a long title: the title stays readable.
TEST(nVisaoGrid, AColumnIsAtLeastAsWideAsItsTitle) {
  auto dados = nDadosVisao();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetDisplayLabel(QStringLiteral("Data Protocolo da Filial"));
  dados->FieldByName(QStringLiteral("CODIGO"))->SetDisplayWidth(2);
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  TnVisaoGrid visao(&grid);
  QTableView *tabela = visao.Tabela();
  const int titulo = tabela->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Data Protocolo da Filial"));
  EXPECT_GE(tabela->columnWidth(0), titulo);
}
