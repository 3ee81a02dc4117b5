#pragma once

#include <QString>

#include "nField_U.h"

// One column of a grid (TnDBGridEh): the field it shows and how.
struct TnColunaGrid {
  QString FieldName;
  QString Title;  // the field's DisplayLabel unless set
  bool Visible = true;
  int Width = 0;  // characters; the field's DisplayWidth unless set
  // The user cannot type in the column (a lookup name, a computed value),
  // whatever the field allows.
  bool ReadOnly = false;
  TnAlignment Alignment = TnAlignment::Left;
  // The cell shows a button (OnEditButtonClick).
  bool BotaoEdicao = false;
};
