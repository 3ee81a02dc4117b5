#pragma once

#include <QString>

#include "nCores_U.h"

class TnClientDataSet;
class TnField;
struct TnColunaGrid;

// One cell as a grid's OnDrawColumnCell handler sees it. `Dados` is a cursor
// over the grid's rows standing on the cell's row (a clone of the grid's
// dataset, or the dataset itself for the row being edited): handlers read the
// row's values from it, never from the grid's dataset, whose current row is
// another. The handler sets the colours and the font, then calls the grid's
// DefaultDrawColumnCell.
struct TnDesenhoCelula {
  int Linha = -1;   // 0-based row of the grid's view
  int Coluna = -1;  // index in the grid's columns
  const TnColunaGrid *Column = nullptr;
  TnClientDataSet *Dados = nullptr;
  TnField *Campo = nullptr;  // the column's field on `Dados`; null for a column of no field
  // The cell is the grid's current cell (its whole row when the grid selects
  // rows), and the grid has the focus.
  bool Selecionada = false;
  bool GridFocado = false;

  // What is drawn.
  QString Texto;  // the field's DisplayText
  TnCor CorFonte = nCorPadrao;
  TnCor CorFundo = nCorPadrao;
  bool Negrito = false;
  // DefaultDrawColumnCell ran (the cell was drawn with the settings above).
  bool Desenhada = false;
};
