#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "nActionForm_U.h"
#include "nColunaGrid_U.h"
#include "nDecimal_U.h"
#include "nDesenhoCelula_U.h"
#include "nEventos_U.h"
#include "nObservadorDataSet_U.h"
#include "nPainel_U.h"
#include "nTeclado_U.h"
#include "nframework_export.h"

class TnClientDataSet;
class TnField;
class TnFrmVisual;

// The framework's data grid as a model: the columns over a dataset's fields,
// the current column, the in-place editor, the options, focus, the events
// (keys, double click, title click, cell button, cell drawing), the
// row-detail panel that opens under a master row, the footer sums and the
// popup items. The Qt layer draws it and turns the user's input into the
// calls below; tests make the same calls.
//
// Every input method (PressionarTecla, DblClick, TitleClick,
// EditButtonClick, …) is a user entry point: it runs its handlers under the
// guard (nExecutarProtegido), so a failure is shown and never escapes.
//
// The grid watches its dataset but does not own it; the dataset must outlive
// the grid or be unbound first (SetDataSet(nullptr)).
class NFRAMEWORK_EXPORT TnDBGridEh : public QObject, private TnObservadorDataSet {
 public:
  explicit TnDBGridEh(QObject *parent = nullptr, const QString &nome = QString());
  ~TnDBGridEh() override;

  QString Name() const { return objectName(); }
  void SetName(const QString &nome) { setObjectName(nome); }

  // --- data and columns
  TnClientDataSet *DataSet() const { return FDados; }
  // Binds the grid; with no columns yet, makes them from the fields.
  void SetDataSet(TnClientDataSet *dados);
  // Replaces the columns by one per field: every visible field for "*" (or an
  // empty text), else the fields listed (commas or ";"), in that order.
  void CriarColunas(const QString &atributos = QStringLiteral("*"));
  QList<TnColunaGrid> &Columns() { return FColunas; }
  const QList<TnColunaGrid> &Columns() const { return FColunas; }
  int ColumnCount() const { return static_cast<int>(FColunas.size()); }
  // The column of a field name, any case; null when none.
  TnColunaGrid *Coluna(const QString &fieldName);
  int IndiceColuna(const QString &fieldName) const;
  // The field a column shows on the grid's dataset; null when absent.
  TnField *CampoDaColuna(int coluna) const;

  // The current column; -1 when there are no columns.
  int SelectedIndex() const { return FSelecionada; }
  // Clamped to the columns. Moving away from a column commits its editor.
  void SetSelectedIndex(int coluna);
  TnField *SelectedField() const { return CampoDaColuna(FSelecionada); }
  // Selects the field's column; false when the grid has none.
  bool SetSelectedField(const TnField *campo);
  // Whether the user may type in the column (grid, column, field and its
  // definition all allow it).
  bool ColunaEditavel(int coluna) const;

  // --- options
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool valor) { FReadOnly = valor; }
  // Deleting a row asks "Confirma a exclusão do registro?" first.
  bool ConfirmaExclusao() const { return FConfirmaExclusao; }
  void SetConfirmaExclusao(bool valor) { FConfirmaExclusao = valor; }
  // The whole row is the selection, shown even without the focus.
  bool LinhaInteira() const { return FLinhaInteira; }
  void SetLinhaInteira(bool valor) { FLinhaInteira = valor; }
  bool AutoAjustarColunas() const { return FAutoAjustar; }
  void SetAutoAjustarColunas(bool valor) { FAutoAjustar = valor; }
  bool TitulosMultilinha() const { return FTitulosMultilinha; }
  void SetTitulosMultilinha(bool valor) { FTitulosMultilinha = valor; }
  // A title click orders the rows by the column (when no OnTitleClick is set).
  bool Ordenar() const { return FOrdenar; }
  void SetOrdenar(bool valor) { FOrdenar = valor; }
  // Whether the grid shows the dataset's rows; switched off around a long
  // load so the screen does not follow every row.
  bool ExibirDados() const { return FExibirDados; }
  void SetExibirDados(bool valor) { FExibirDados = valor; }
  const QString &Fonte() const { return FFonte; }
  int TamanhoFonte() const { return FTamanhoFonte; }  // the platform's height units (-11)
  void SetFonte(const QString &nome, int tamanho);
  bool Visible() const { return FVisible; }
  void SetVisible(bool valor) { FVisible = valor; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool valor) { FEnabled = valor; }
  TnAlinhamento Align() const { return FAlign; }
  void SetAlign(TnAlinhamento alinhamento) { FAlign = alinhamento; }
  int Width() const { return FWidth; }
  void SetWidth(int largura) { FWidth = largura; }

  // --- focus
  // The form the grid sits on; null for a loose grid.
  TnFrmVisual *Form() const;
  bool Focado() const;
  // Takes the focus when it can: false when the grid is hidden or disabled.
  bool SetFocus();

  // --- in-place editor of the current cell
  bool EditorAtivo() const { return FEditorAtivo; }
  // The text in the editor: what was typed, else the current field's text.
  QString TextoEditor() const;
  // Types `texto` into the current cell's editor (not yet into the field).
  // False when the cell cannot be edited.
  bool Digitar(const QString &texto);
  // Writes the editor's text into the field (the dataset enters edit when
  // browsing) and runs the field definition's OnChange. Raises what the field
  // raises; the editor then keeps the text. A row that refuses to go into
  // edit closes the editor: its text is dropped and the refusal raised.
  void GravarEditor();
  void DescartarEditor();

  // --- events
  // Key pressed: `key` is the virtual key code (nTeclado_U.h); setting it to
  // 0 swallows the key. A module that installs its own handler keeps the
  // one it replaces and calls it for the keys it does not take.
  std::function<void(TnDBGridEh &sender, int &key, TShiftState shift)> OnKeyDown;
  TnEventoNotify OnDblClick;
  std::function<void(TnDBGridEh &sender, TnColunaGrid &coluna)> OnTitleClick;
  TnEventoNotify OnEditButtonClick;
  std::function<void(TnDBGridEh &sender, TnDesenhoCelula &celula)> OnDrawColumnCell;
  // The row-detail panel is about to open under the current row; `podeMostrar`
  // false keeps it closed.
  std::function<void(TnDBGridEh &sender, bool &podeMostrar)> OnRowDetailPanelShow;
  std::function<void(TnDBGridEh &sender)> OnRowDetailPanelHide;

  // --- input, as the user gives it
  // A key on the grid. OnKeyDown runs first; a key it did not swallow gets
  // the grid's own handling: Enter commits the editor; Tab commits and goes
  // to the next editable column (Shift+Tab the previous one), to the next
  // row past the last; Esc drops the editor, or cancels the row's edit; Up
  // and Down move the row; Insert inserts a row and Ctrl+Delete deletes one
  // (both refused on a read-only grid). Returns the key as it ended (0 when
  // swallowed, or when the handling failed).
  int PressionarTecla(int key, TShiftState shift = {});
  bool DblClick();
  // A click on a column's title: OnTitleClick, or, with Ordenar, the rows
  // ordered by that column.
  bool TitleClick(int coluna);
  // The current cell's button: OnEditButtonClick, or the field definition's
  // OnButtonClick.
  bool EditButtonClick();
  // Moves to the row (0-based in the view) and column, as a click does.
  bool ClicarCelula(int linha, int coluna);

  // --- drawing
  // The cell as OnDrawColumnCell leaves it (the default drawing when no
  // handler is set). Rows are those of the dataset's current view.
  TnDesenhoCelula DesenharCelula(int linha, int coluna);
  void DefaultDrawColumnCell(TnDesenhoCelula &celula) const;

  // --- row-detail panel
  bool RowDetailPanelAtivo() const { return FDetalheAtivo; }
  void SetRowDetailPanelAtivo(bool valor);
  // The panel's content (the detail grid goes in here).
  TnPainel *RowDetailPanel() const { return FPainelDetalhe; }
  bool RowDetailPanelVisivel() const { return FDetalheVisivel; }
  // The row the panel is open under; -1 when closed.
  int LinhaRowDetailPanel() const { return FDetalheVisivel ? FLinhaDetalhe : -1; }
  // Opens the panel under the current row (OnRowDetailPanelShow may refuse).
  bool MostrarRowDetailPanel();
  void OcultarRowDetailPanel();

  // --- footer
  bool RodapeVisivel() const { return FRodapeVisivel; }
  void SetRodapeVisivel(bool valor) { FRodapeVisivel = valor; }
  // The fields summed in the footer (the "sums list").
  const QStringList &CamposSoma() const { return FCamposSoma; }
  void SetCamposSoma(const QStringList &campos) { FCamposSoma = campos; }
  // The exact sum of a field over the rows of the current view; empty values
  // count 0. Raises Exception for a field that is absent or not a number.
  TnDecimal Soma(const QString &campo) const;

  // --- popup menu
  TnActionForm *CriarItemPopup(const QString &caption, int imageIndex, const QString &shortCut, TnEventoNotify onClick);
  QList<TnActionForm *> ItensPopup() const;
  // Runs the item with the caption, any case; false when absent or disabled.
  bool ClicarItemPopup(const QString &caption);

  // --- row operations (also reached through keys and the form's actions)
  // Inserts a row unless the grid is read-only.
  bool Inserir();
  // Deletes the current row unless the grid is read-only, asking first when
  // ConfirmaExclusao. False when nothing was deleted.
  bool Excluir();

 private:
  // TnObservadorDataSet
  void LinhasInseridas(int, int) override { FCloneValido = false; }
  void LinhasRemovidas(int, int) override { FCloneValido = false; }
  void LinhaAlterada(int linha) override;
  void Reiniciado() override;
  void CursorMovido() override;
  void EstadoAlterado() override;
  // The dataset went before the grid: the grid shows nothing from now on.
  void DataSetDestruido() override;

  void Soltar();
  TnClientDataSet *CursorNaLinha(int linha);
  void TeclaPadrao(int &key, TShiftState shift);
  int ProximaColunaEditavel(int depois, int passo) const;

  TnClientDataSet *FDados = nullptr;
  QList<TnColunaGrid> FColunas;
  int FSelecionada = -1;
  bool FReadOnly = false;
  bool FConfirmaExclusao = true;
  bool FLinhaInteira = false;
  bool FAutoAjustar = false;
  bool FTitulosMultilinha = false;
  bool FOrdenar = true;
  bool FExibirDados = true;
  QString FFonte;
  int FTamanhoFonte = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TnAlinhamento FAlign = TnAlinhamento::alClient;
  int FEscolhasColuna = 0;  // how often a column was chosen (SetSelectedIndex)
  int FWidth = 0;
  bool FFocadoSemForm = false;

  bool FEditorAtivo = false;
  QString FTextoEditor;
  bool FGravandoEditor = false;

  std::unique_ptr<TnClientDataSet> FClone;
  bool FCloneValido = false;

  bool FDetalheAtivo = false;
  bool FDetalheVisivel = false;
  int FLinhaDetalhe = -1;
  TnPainel *FPainelDetalhe;

  bool FRodapeVisivel = false;
  QStringList FCamposSoma;
};

// Moves the grid's focus to the next editable column after `indiceColuna`
// (-1: the first one). Past the last, `proximaLinha` moves to the next row
// (appending one at the end of an editable grid) and its first editable
// column; without it the current column stays.
NFRAMEWORK_EXPORT void SetarFocoColunaGrid(TnDBGridEh *grid, int indiceColuna, bool proximaLinha);
