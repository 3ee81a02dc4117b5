#include <gtest/gtest.h>

#include <memory>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nFrmVisual_U.h"
#include "nLookupField_U.h"

namespace {

// A grid over an in-memory list of items: CODIGO (read-only by its
// definition), DESCRICAO, VALOR (exact decimal) and CANCELADO.
class DBGridTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    FDados.AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
    FDados.AddFieldDef(QStringLiteral("DESCRICAO"), TnFieldType::String, 50);
    FDados.AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
    FDados.AddFieldDef(QStringLiteral("CANCELADO"), TnFieldType::FixedChar, 1);
    FDados.CreateDataSet();
    FDados.FieldByName(QStringLiteral("CODIGO"))->Definicao().SetReadOnly(true);
    FDados.FieldByName(QStringLiteral("DESCRICAO"))->SetDisplayLabel(QStringLiteral("Descrição"));
    Linha(1, "Guia IRPJ", "0.10", "0");
    Linha(2, "Guia CSLL", "0.20", "1");
    Linha(3, "Guia PIS", "1234.05", "0");
    FDados.MergeChangeLog();
    FDados.First();
    FGrid = new TnDBGridEh(FForm.AreaCliente(), QStringLiteral("nDBGrid"));
    FGrid->SetDataSet(&FDados);
  }
  void TearDown() override { FGrid->SetDataSet(nullptr); }

  void Linha(int codigo, const char *descricao, const char *valor, const char *cancelado) {
    FDados.Append();
    FDados.FieldByName(QStringLiteral("CODIGO"))->SetAsInteger(codigo);
    FDados.FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QString::fromUtf8(descricao));
    FDados.FieldByName(QStringLiteral("VALOR"))->SetAsString(QString::fromLatin1(valor).replace('.', ','));
    FDados.FieldByName(QStringLiteral("CANCELADO"))->SetAsString(QString::fromLatin1(cancelado));
    FDados.Post();
  }
  int Codigo() { return FDados.FieldByName(QStringLiteral("CODIGO"))->AsInteger(); }

  TnClientDataSet FDados;
  TnFrmVisual FForm;
  TnDBGridEh *FGrid = nullptr;
};

TEST_F(DBGridTeste, ColumnsComeFromTheVisibleFieldsWithTheirLabels) {
  FDados.FieldByName(QStringLiteral("CANCELADO"))->SetVisible(false);
  FGrid->CriarColunas();
  ASSERT_EQ(FGrid->ColumnCount(), 3);
  EXPECT_EQ(FGrid->Columns().at(1).Title, QStringLiteral("Descrição"));
  EXPECT_EQ(FGrid->Columns().at(2).Alignment, TnAlignment::Right);
  FGrid->CriarColunas(QStringLiteral("VALOR, CODIGO"));
  ASSERT_EQ(FGrid->ColumnCount(), 2);
  EXPECT_EQ(FGrid->Columns().at(0).FieldName, QStringLiteral("VALOR"));
  EXPECT_TRUE(FGrid->SetSelectedField(FDados.FieldByName(QStringLiteral("CODIGO"))));
  EXPECT_EQ(FGrid->SelectedIndex(), 1);
  EXPECT_FALSE(FGrid->SetSelectedField(FDados.FieldByName(QStringLiteral("DESCRICAO"))));
}

TEST_F(DBGridTeste, KeyHandlerCanSwallowAKeyAndChainsTheOthersToThePreviousOne) {
  QList<int> anteriores;
  FGrid->OnKeyDown = [&](TnDBGridEh &, int &key, TShiftState) { anteriores << key; };
  // A module installs its handler keeping the one it replaces.
  auto anterior = FGrid->OnKeyDown;
  FGrid->OnKeyDown = [anterior](TnDBGridEh &grid, int &key, TShiftState shift) {
    if (key == nTeclaF3) {
      key = 0;
      return;
    }
    if (anterior) anterior(grid, key, shift);
  };
  EXPECT_EQ(FGrid->PressionarTecla(nTeclaF3), 0);
  EXPECT_EQ(FGrid->PressionarTecla('C', ssCtrl), 'C');
  EXPECT_EQ(anteriores, QList<int>{'C'});
}

TEST_F(DBGridTeste, SwallowedKeyGetsNoDefaultHandling) {
  FGrid->OnKeyDown = [](TnDBGridEh &, int &key, TShiftState) {
    if (key == 40) key = 0;
  };
  EXPECT_EQ(FGrid->PressionarTecla(40), 0);
  EXPECT_EQ(Codigo(), 1);
  FGrid->OnKeyDown = nullptr;
  EXPECT_EQ(FGrid->PressionarTecla(40), 40);
  EXPECT_EQ(Codigo(), 2);
}

TEST_F(DBGridTeste, FailingKeyHandlerIsShownAndTheKeyEndsSwallowed) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  FGrid->OnKeyDown = [](TnDBGridEh &, int &, TShiftState) { throw Exception(QStringLiteral("Histórico inválido.")); };
  EXPECT_EQ(FGrid->PressionarTecla(nTeclaEnter), 0);
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Histórico inválido.")});
}

TEST_F(DBGridTeste, TypedTextReachesTheFieldOnEnterOrTab) {
  FGrid->SetSelectedIndex(1);
  ASSERT_TRUE(FGrid->Digitar(QStringLiteral("Guia COFINS")));
  EXPECT_EQ(FDados.FieldByName(QStringLiteral("DESCRICAO"))->AsString(), QStringLiteral("Guia IRPJ"));
  EXPECT_EQ(FGrid->TextoEditor(), QStringLiteral("Guia COFINS"));
  FGrid->PressionarTecla(nTeclaTab);
  EXPECT_EQ(FDados.FieldByName(QStringLiteral("DESCRICAO"))->AsString(), QStringLiteral("Guia COFINS"));
  EXPECT_EQ(FDados.State(), TnDataSetState::Edit);
  EXPECT_EQ(FGrid->SelectedIndex(), 2);
}

TEST_F(DBGridTeste, HandlerThatSetsTheCellBeforeTheCommitWins) {
  // The typed-code pattern: Enter on the description replaces the code the
  // user typed by the text it stands for, then lets the key go on.
  FGrid->SetSelectedIndex(1);
  FGrid->OnKeyDown = [](TnDBGridEh &grid, int &key, TShiftState) {
    if (key != nTeclaEnter || grid.TextoEditor() != QStringLiteral("7")) return;
    grid.DataSet()->Edit();
    grid.SelectedField()->SetAsString(QStringLiteral("Histórico sete"));
  };
  FGrid->Digitar(QStringLiteral("7"));
  FGrid->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(FDados.FieldByName(QStringLiteral("DESCRICAO"))->AsString(), QStringLiteral("Histórico sete"));
}

TEST_F(DBGridTeste, ReadOnlyCellsTakeNoTyping) {
  FGrid->SetSelectedIndex(0);  // CODIGO: read-only by its definition
  EXPECT_FALSE(FGrid->Digitar(QStringLiteral("9")));
  FGrid->SetSelectedIndex(1);
  FGrid->Columns()[1].ReadOnly = true;
  EXPECT_FALSE(FGrid->Digitar(QStringLiteral("x")));
  FGrid->Columns()[1].ReadOnly = false;
  FGrid->SetReadOnly(true);
  EXPECT_FALSE(FGrid->Digitar(QStringLiteral("x")));
  EXPECT_EQ(FGrid->PressionarTecla(45), 45);  // Insert refused
  EXPECT_EQ(FDados.State(), TnDataSetState::Browse);
}

TEST_F(DBGridTeste, SetarFocoColunaGridSkipsReadOnlyColumnsAndMovesOnAtTheEnd) {
  FGrid->Columns()[2].ReadOnly = true;
  FGrid->Columns()[3].ReadOnly = true;
  SetarFocoColunaGrid(FGrid, -1, false);
  EXPECT_EQ(FGrid->SelectedIndex(), 1);  // CODIGO is read-only
  EXPECT_TRUE(FGrid->Focado());
  SetarFocoColunaGrid(FGrid, 1, false);  // nothing editable after it: stays
  EXPECT_EQ(FGrid->SelectedIndex(), 1);
  EXPECT_EQ(Codigo(), 1);
  SetarFocoColunaGrid(FGrid, 1, true);  // the next row's first editable column
  EXPECT_EQ(Codigo(), 2);
  EXPECT_EQ(FGrid->SelectedIndex(), 1);
  FDados.Last();
  SetarFocoColunaGrid(FGrid, 3, true);  // past the last row: a new one
  EXPECT_EQ(FDados.State(), TnDataSetState::Insert);
}

// Insert starts the new row in its first editable column, unless the
// dataset's AfterInsert put the user elsewhere.
TEST_F(DBGridTeste, InsertGoesToTheFirstEditableColumnOrWhereAfterInsertChose) {
  FGrid->SetSelectedIndex(3);
  EXPECT_EQ(FGrid->PressionarTecla(45), 45);
  EXPECT_EQ(FDados.State(), TnDataSetState::Insert);
  EXPECT_EQ(FGrid->SelectedIndex(), 1);  // CODIGO is read-only
  FDados.Cancel();
  FDados.AfterInsert = [this](TnClientDataSet &d) { FGrid->SetSelectedField(d.FieldByName(QStringLiteral("VALOR"))); };
  FGrid->PressionarTecla(45);
  EXPECT_EQ(FGrid->SelectedIndex(), 2);
  FDados.Cancel();
  // Also when it chose the column the user was already in.
  FGrid->PressionarTecla(45);
  EXPECT_EQ(FGrid->SelectedIndex(), 2);
  FDados.Cancel();
  FDados.AfterInsert = nullptr;
}

TEST_F(DBGridTeste, CtrlDeleteAsksWhenConfirmingAndNaoKeepsTheRow) {
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("Não"));
  FGrid->PressionarTecla(46, ssCtrl);
  EXPECT_EQ(FDados.RecordCount(), 3);
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Confirma a exclusão do registro?")});
  FGrid->SetConfirmaExclusao(false);
  FGrid->PressionarTecla(46, ssCtrl);
  EXPECT_EQ(FDados.RecordCount(), 2);
  EXPECT_EQ(dialogos->Textos().size(), 1);
}

TEST_F(DBGridTeste, CellDrawingSeesTheDrawnRowAndTheSelection) {
  FGrid->SetFocus();
  FDados.Next();  // row 1 is current
  FGrid->SetSelectedIndex(1);
  FGrid->OnDrawColumnCell = [](TnDBGridEh &grid, TnDesenhoCelula &celula) {
    celula.CorFonte = nCorPadrao;
    if (celula.Dados->FieldByName(QStringLiteral("CANCELADO"))->AsBoolean()) celula.CorFonte = nCorVermelho;
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
    grid.DefaultDrawColumnCell(celula);
  };
  const TnDesenhoCelula primeira = FGrid->DesenharCelula(0, 1);
  EXPECT_EQ(primeira.Texto, QStringLiteral("Guia IRPJ"));
  EXPECT_EQ(primeira.CorFonte, nCorPadrao);
  EXPECT_TRUE(primeira.Desenhada);
  const TnDesenhoCelula cancelada = FGrid->DesenharCelula(1, 0);
  EXPECT_EQ(cancelada.CorFonte, nCorVermelho);  // not the selected column
  const TnDesenhoCelula selecionada = FGrid->DesenharCelula(1, 1);
  EXPECT_EQ(selecionada.CorFonte, nCorBranco);
  // Drawing moved no cursor of the grid's dataset.
  EXPECT_EQ(Codigo(), 2);
  FForm.SetFoco(nullptr);
  EXPECT_EQ(FGrid->DesenharCelula(1, 1).CorFonte, nCorVermelho);
}

TEST_F(DBGridTeste, CellDrawingShowsTheRowBeingEdited) {
  FDados.Edit();
  FDados.FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QStringLiteral("em edição"));
  EXPECT_EQ(FGrid->DesenharCelula(0, 1).Texto, QStringLiteral("em edição"));
  EXPECT_EQ(FGrid->DesenharCelula(1, 1).Texto, QStringLiteral("Guia CSLL"));
}

TEST_F(DBGridTeste, FooterSumIsExact) {
  EXPECT_EQ(FGrid->Soma(QStringLiteral("VALOR")).Texto(), QStringLiteral("1234.35"));
  FDados.SetFilter(QStringLiteral("CODIGO < 3"));
  FDados.SetFiltered(true);
  EXPECT_EQ(FGrid->Soma(QStringLiteral("VALOR")).Texto(), QStringLiteral("0.30"));
  EXPECT_THROW(FGrid->Soma(QStringLiteral("NAOEXISTE")), Exception);
}

TEST_F(DBGridTeste, RowDetailPanelOpensUnderTheCurrentRowUnlessRefused) {
  EXPECT_FALSE(FGrid->MostrarRowDetailPanel());  // not active
  FGrid->SetRowDetailPanelAtivo(true);
  bool recusar = true;
  int aberturas = 0;
  FGrid->OnRowDetailPanelShow = [&](TnDBGridEh &, bool &podeMostrar) {
    ++aberturas;
    podeMostrar = !recusar;
  };
  EXPECT_FALSE(FGrid->MostrarRowDetailPanel());
  recusar = false;
  FDados.Next();
  EXPECT_TRUE(FGrid->MostrarRowDetailPanel());
  EXPECT_EQ(FGrid->LinhaRowDetailPanel(), 1);
  EXPECT_TRUE(FGrid->RowDetailPanel()->Visible());
  EXPECT_EQ(aberturas, 2);
  FDados.Next();  // another master row: the panel closes
  EXPECT_FALSE(FGrid->RowDetailPanelVisivel());
}

TEST_F(DBGridTeste, TitleClickOrdersByTheColumnUnlessAHandlerTakesIt) {
  FGrid->TitleClick(1);
  FDados.First();
  EXPECT_EQ(Codigo(), 2);  // "Guia CSLL" first
  QString clicada;
  FGrid->OnTitleClick = [&](TnDBGridEh &, TnColunaGrid &coluna) { clicada = coluna.FieldName; };
  EXPECT_TRUE(FGrid->TitleClick(2));
  EXPECT_EQ(clicada, QStringLiteral("VALOR"));
  EXPECT_EQ(FDados.IndexFieldNames(), QStringLiteral("DESCRICAO"));
}

TEST_F(DBGridTeste, EditButtonRunsTheGridHandlerOrElseTheFieldDefinitions) {
  int doCampo = 0;
  FDados.FieldByName(QStringLiteral("DESCRICAO"))->Definicao().OnButtonClick = [&](TnField &) { ++doCampo; };
  FGrid->SetSelectedIndex(1);
  EXPECT_TRUE(FGrid->EditButtonClick());
  EXPECT_EQ(doCampo, 1);
  QObject *remetente = nullptr;
  FGrid->OnEditButtonClick = [&](QObject *sender) { remetente = sender; };
  EXPECT_TRUE(FGrid->EditButtonClick());
  EXPECT_EQ(remetente, FGrid);
  EXPECT_EQ(doCampo, 1);
}

TEST_F(DBGridTeste, HiddenGridCannotTakeTheFocus) {
  FGrid->SetVisible(false);
  EXPECT_FALSE(FGrid->SetFocus());
  FGrid->SetVisible(true);
  FForm.AreaCliente()->SetVisible(false);
  EXPECT_FALSE(FGrid->SetFocus());
  FForm.AreaCliente()->SetVisible(true);
  EXPECT_TRUE(FGrid->SetFocus());
  EXPECT_EQ(FForm.Foco(), FGrid);
}

TEST_F(DBGridTeste, PopupItemsRunByCaption) {
  int abriu = 0;
  FGrid->CriarItemPopup(QStringLiteral("Abrir Cadastro do Lançamento"), 160, QStringLiteral("Ctrl+Enter"),
                        [&](QObject *) { ++abriu; });
  EXPECT_TRUE(FGrid->ClicarItemPopup(QStringLiteral("abrir cadastro do lançamento")));
  EXPECT_FALSE(FGrid->ClicarItemPopup(QStringLiteral("Outro")));
  EXPECT_EQ(abriu, 1);
  EXPECT_EQ(FGrid->ItensPopup().size(), 1);
}

// A lookup column is drawn through a clone of the dataset: the clone must
// keep looking the name up.
class DBGridBancoTeste : public TnBancoTeste {};

TEST_F(DBGridBancoTeste, LookupColumnShowsTheNameOfEachDrawnRow) {
  TnClientDataSet dados;
  dados.SetCommandText(QStringLiteral(
      "Select t_t.CODIGOEMPRESA,t_t.CODIGOESTAB from ESTAB t_t ORDER BY t_t.CodigoEmpresa,t_t.CodigoEstab"));
  dados.Open();
  dados.AdicionarCampo(
      std::make_unique<TnLookupField>(&dados, QStringLiteral("NOMEEMPRESA"), 100, QStringLiteral("EMPRESA"),
                                      QStringList{QStringLiteral("CODIGOEMPRESA")},
                                      QStringList{QStringLiteral("CODIGOEMPRESA")}, QStringLiteral("NOMEEMPRESA")));
  TnDBGridEh grid;
  grid.SetDataSet(&dados);
  const int coluna = grid.IndiceColuna(QStringLiteral("NOMEEMPRESA"));
  ASSERT_GE(coluna, 0);
  EXPECT_TRUE(grid.Columns().at(coluna).ReadOnly);
  EXPECT_EQ(grid.DesenharCelula(0, coluna).Texto, QStringLiteral("Organização Contábil Exemplo Ltda"));
  EXPECT_EQ(grid.DesenharCelula(4, coluna).Texto, QStringLiteral("Tecidos Fio de Ouro Ltda"));
  grid.SetDataSet(nullptr);
}

}  // namespace
