#include "nMemo_U.h"

TnMemo::TnMemo(TnFrmDlg *dialogo) : FDialogo(dialogo) {}

int TnMemo::TeclaPressionada(int tecla, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, tecla, shift);
  return tecla;
}
