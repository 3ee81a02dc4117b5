#pragma once

#include <QPointer>
#include <QWidget>

#include "nDBGrid_U.h"
#include "nTeclado_U.h"
#include "nframeworkui_export.h"

class QLabel;
class QMenu;
class QModelIndex;
class QTableView;
class QVBoxLayout;
class TnDBGridEh;
class TnDelegadoGrid;
class TnModeloDataSet;

// The platform's virtual key code of a Qt key (the codes the key handlers of
// the form model take); 0 for a key with none.
NFRAMEWORKUI_EXPORT int nTeclaVirtual(int qtKey);
NFRAMEWORKUI_EXPORT TShiftState nShiftState(Qt::KeyboardModifiers modificadores);

// The widget drawing a TnDBGridEh: a table over the grid's dataset
// (TnModeloDataSet), the cell editors (TnDelegadoGrid), the footer sums and
// the row-detail panel opening under the master row with the detail grids
// placed in the grid's panel. What the user does goes to the grid model:
// keys to PressionarTecla, a double click to DblClick, a title click to
// TitleClick, a cell's button to EditButtonClick, a click to ClicarCelula;
// the view follows the dataset's cursor and the grid's current column.
class NFRAMEWORKUI_EXPORT TnVisaoGrid : public QWidget {
 public:
  TnVisaoGrid(TnDBGridEh *grid, QWidget *parent = nullptr);
  ~TnVisaoGrid() override;

  TnDBGridEh *Grid() const { return FGrid; }
  QTableView *Tabela() const { return FTabela; }
  TnModeloDataSet *Modelo() const { return FModelo; }
  QLabel *Rodape() const { return FRodape; }
  // The row-detail panel's widget (inside the table); null before it opened.
  QWidget *PainelDetalhe() const { return FPainelDetalhe; }

  // Reads the grid's options, columns and state again.
  void Atualizar();

  // The grid's popup items as a menu owned by `pai` (visible items only,
  // disabled ones greyed); choosing one runs its handler under the guard.
  // Null when the grid has no visible item. The context menu shows it.
  QMenu *CriarMenuPopup(QWidget *pai);

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  void AjustarColunas();
  void SeguirCursor();
  void AtualizarRodape();
  void AtualizarDetalhe();
  void PosicionarDetalhe();
  void DuploClique(const QModelIndex &indice);
  bool Tecla(int key, Qt::KeyboardModifiers modificadores);
  void AlternarDetalhe(int linha);
  void MostrarMenuPopup(const QPoint &posicao);

  QPointer<TnDBGridEh> FGrid;
  QTableView *FTabela;
  TnModeloDataSet *FModelo;
  TnDelegadoGrid *FDelegado;
  QLabel *FRodape;
  QWidget *FPainelDetalhe = nullptr;
  int FLinhaDetalhe = -1;
  int FAlturaLinha = 0;
  bool FSincronizando = false;
};

// The view of a grid model, for the form views.
NFRAMEWORKUI_EXPORT QWidget *nCriarVisaoGrid(TnDBGridEh *grid, QWidget *parent);
