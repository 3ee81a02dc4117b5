// The dataset-to-item-model adapter: what the views read and write through it.
#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <memory>

#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nDialogosTeste_U.h"
#include "nField_U.h"
#include "nModeloDataSet_U.h"

namespace {

// CODIGO, NOME, VALOR (decimal), FORMA ("Retirado=1", "Entregue em Mãos=2").
std::unique_ptr<TnClientDataSet> nDadosModelo() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 20);
  dados->AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 15, 2);
  dados->AddFieldDef(QStringLiteral("FORMA"), TnFieldType::String, 1);
  dados->CreateDataSet();
  dados->FieldByName(QStringLiteral("NOME"))->SetDisplayLabel(QStringLiteral("Nome do cliente"));
  TnDefinicao &forma = dados->FieldByName(QStringLiteral("FORMA"))->Definicao();
  forma.SetNomesValores({QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2")});
  forma.SetTipoControle(TnTipoControle::ComboBox);
  forma.LigarTextos();
  const QList<QVariantList> linhas = {{1, QStringLiteral("Ana"), QStringLiteral("10.50"), QStringLiteral("1")},
                                      {2, QStringLiteral("Bia"), QStringLiteral("20.00"), QStringLiteral("2")},
                                      {3, QStringLiteral("Caio"), QStringLiteral("5.25"), QStringLiteral("1")}};
  for (const QVariantList &linha : linhas) {
    dados->Append();
    for (int i = 0; i < linha.size(); ++i) dados->Fields(i)->SetValue(linha.at(i));
    dados->Post();
  }
  dados->First();
  return dados;
}

QString nTexto(const TnModeloDataSet &modelo, int linha, int coluna, int role = Qt::DisplayRole) {
  return modelo.data(modelo.index(linha, coluna), role).toString();
}

}  // namespace

// --- shape and texts

TEST(nModeloDataSet, ColumnsOfABareDatasetAreItsVisibleFieldsTitledByTheirLabels) {
  auto dados = nDadosModelo();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetVisible(false);
  TnModeloDataSet modelo(dados.get());
  ASSERT_EQ(modelo.columnCount(), 3);
  EXPECT_EQ(modelo.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nome do cliente"));
  EXPECT_EQ(modelo.Campo(1)->FieldName(), QStringLiteral("VALOR"));
  EXPECT_EQ(modelo.rowCount(), 3);
}

TEST(nModeloDataSet, CellsShowTheDisplayTextOfTheirOwnRowNotOfTheCurrentOne) {
  auto dados = nDadosModelo();
  dados->FieldByName(QStringLiteral("VALOR"))->SetDisplayFormat(QStringLiteral("#,##0.00"));
  TnModeloDataSet modelo(dados.get());
  EXPECT_EQ(nTexto(modelo, 1, 1), QStringLiteral("Bia"));
  EXPECT_EQ(nTexto(modelo, 2, 2), QStringLiteral("5,25"));
  // The value list's captions are shown, the values are kept.
  EXPECT_EQ(nTexto(modelo, 1, 3), QStringLiteral("Entregue em Mãos"));
  EXPECT_EQ(dados->RecNo(), 1);
  // Numbers align right as their fields say.
  EXPECT_TRUE(modelo.data(modelo.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
}

TEST(nModeloDataSet, GridColumnsKeepTheirOwnTitleWidthAndVisibility) {
  auto dados = nDadosModelo();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  grid.CriarColunas(QStringLiteral("NOME;CODIGO"));
  grid.Columns()[0].Title = QStringLiteral("Cliente");
  grid.Columns()[0].Width = 33;
  grid.Columns()[1].Visible = false;
  TnModeloDataSet modelo(&grid);
  ASSERT_EQ(modelo.columnCount(), 2);
  EXPECT_EQ(modelo.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Cliente"));
  EXPECT_EQ(modelo.LarguraCaracteres(0), 33);
  EXPECT_FALSE(modelo.ColunaVisivel(1));
  EXPECT_EQ(nTexto(modelo, 2, 1), QStringLiteral("3"));
}

// --- editing through the fields

TEST(nModeloDataSet, AnEditGoesThroughTheFieldsTextConversionAndOnChange) {
  auto dados = nDadosModelo();
  int mudancas = 0;
  dados->FieldByName(QStringLiteral("FORMA"))->Definicao().OnChange = [&](TnField &) { ++mudancas; };
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  TnModeloDataSet modelo(&grid);
  ASSERT_TRUE(modelo.setData(modelo.index(2, 3), QStringLiteral("entregue em mãos")));
  // The row edited is the model's row, whatever row was current before.
  EXPECT_EQ(dados->RecNo(), 3);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("FORMA"))->AsString(), QStringLiteral("2"));
  EXPECT_EQ(mudancas, 1);
  EXPECT_EQ(nTexto(modelo, 2, 3), QStringLiteral("Entregue em Mãos"));
}

TEST(nModeloDataSet, ARefusedValueIsShownByTheGuardAndTheCellKeepsTheTypedText) {
  auto dados = nDadosModelo();
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  TnModeloDataSet modelo(dados.get());
  EXPECT_FALSE(modelo.setData(modelo.index(0, 3), QStringLiteral("Pelo correio")));
  EXPECT_EQ(dialogos->Perguntas().size(), 1);
  EXPECT_EQ(nTexto(modelo, 0, 3), QStringLiteral("Pelo correio"));
  EXPECT_EQ(nTexto(modelo, 0, 3, Qt::EditRole), QStringLiteral("Pelo correio"));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("FORMA"))->AsString(), QStringLiteral("1"));
  // Moving away drops the refused text.
  dados->Cancel();
  dados->Next();
  EXPECT_EQ(nTexto(modelo, 0, 3), QStringLiteral("Retirado"));
}

TEST(nModeloDataSet, ReadOnlyFieldsAndColumnsAreNotEditable) {
  auto dados = nDadosModelo();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetReadOnly(true);
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  grid.Columns()[1].ReadOnly = true;
  TnModeloDataSet modelo(&grid);
  EXPECT_FALSE(modelo.flags(modelo.index(0, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(modelo.flags(modelo.index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_TRUE(modelo.flags(modelo.index(0, 2)) & Qt::ItemIsEditable);
  EXPECT_FALSE(modelo.setData(modelo.index(0, 0), QStringLiteral("9")));
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  grid.SetReadOnly(true);
  EXPECT_FALSE(modelo.flags(modelo.index(0, 2)) & Qt::ItemIsEditable);
}

// --- following the dataset

TEST(nModeloDataSet, TheRowBeingInsertedShowsAtItsPlaceAndGoesWithCancel) {
  auto dados = nDadosModelo();
  TnModeloDataSet modelo(dados.get());
  int inseridas = 0, removidas = 0;
  QObject::connect(&modelo, &QAbstractItemModel::rowsInserted, [&](const QModelIndex &, int, int) { ++inseridas; });
  QObject::connect(&modelo, &QAbstractItemModel::rowsRemoved, [&](const QModelIndex &, int, int) { ++removidas; });
  dados->SetRecNo(2);
  dados->Insert();
  ASSERT_EQ(modelo.rowCount(), 4);
  EXPECT_EQ(modelo.LinhaAtual(), dados->PosicaoInsercao());
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("Davi"));
  EXPECT_EQ(nTexto(modelo, modelo.LinhaAtual(), 1), QStringLiteral("Davi"));
  // The rows after it are the view's next rows, not repeated ones.
  EXPECT_EQ(nTexto(modelo, modelo.LinhaAtual() + 1, 1), QStringLiteral("Bia"));
  dados->Cancel();
  EXPECT_EQ(modelo.rowCount(), 3);
  EXPECT_EQ(inseridas, 1);
  EXPECT_EQ(removidas, 1);
}

TEST(nModeloDataSet, PostAndDeleteKeepTheRowCountInStepWithTheDataset) {
  auto dados = nDadosModelo();
  TnModeloDataSet modelo(dados.get());
  dados->Append();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("Eva"));
  dados->Post();
  EXPECT_EQ(modelo.rowCount(), 4);
  EXPECT_EQ(nTexto(modelo, 3, 1), QStringLiteral("Eva"));
  dados->First();
  dados->Delete();
  EXPECT_EQ(modelo.rowCount(), 3);
  EXPECT_EQ(nTexto(modelo, 0, 1), QStringLiteral("Bia"));
  dados->SetFilter(QStringLiteral("CODIGO = 3"));
  dados->SetFiltered(true);
  EXPECT_EQ(modelo.rowCount(), dados->RecordCount());
  EXPECT_EQ(nTexto(modelo, 0, 1), QStringLiteral("Caio"));
}

// --- the grid's drawing callback

TEST(nModeloDataSet, TheGridsCellCallbackColoursEachCellByItsOwnRow) {
  auto dados = nDadosModelo();
  TnDBGridEh grid;
  grid.SetDataSet(dados.get());
  grid.OnDrawColumnCell = [](TnDBGridEh &sender, TnDesenhoCelula &celula) {
    if (celula.Dados->FieldByName(QStringLiteral("FORMA"))->AsString() == QStringLiteral("2")) {
      celula.CorFonte = nCorVerde;
      celula.Negrito = true;
    }
    sender.DefaultDrawColumnCell(celula);
  };
  TnModeloDataSet modelo(&grid);
  EXPECT_EQ(modelo.data(modelo.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
  EXPECT_TRUE(modelo.data(modelo.index(1, 0), Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(modelo.data(modelo.index(0, 0), Qt::ForegroundRole).isValid());
  // While a row is inserted before it, the row still gets its own colour.
  dados->SetRecNo(2);
  dados->Insert();
  const int bia = modelo.LinhaAtual() + 1;
  EXPECT_EQ(nTexto(modelo, bia, 1), QStringLiteral("Bia"));
  EXPECT_EQ(modelo.data(modelo.index(bia, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
  dados->Cancel();
}
