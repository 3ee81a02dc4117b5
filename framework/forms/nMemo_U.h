#pragma once

#include <QString>
#include <functional>

#include "nTeclado_U.h"
#include "nframework_export.h"

class TnFrmDlg;

// A multi-line text editor placed on a dialog form (TnFrmDlg::CriarMemo). The
// Qt layer draws it and reports every key pressed in it through
// TeclaPressionada, so a handler can close the dialog on a key.
class NFRAMEWORK_EXPORT TnMemo {
 public:
  // `tecla` may be set to 0 to swallow the key.
  using TnKeyDown = std::function<void(TnMemo &sender, int &tecla, TShiftState shift)>;

  explicit TnMemo(TnFrmDlg *dialogo);
  TnMemo(const TnMemo &) = delete;
  TnMemo &operator=(const TnMemo &) = delete;

  // The form the memo lies on; it owns the memo.
  TnFrmDlg *Dialogo() const { return FDialogo; }

  const QString &Text() const { return FText; }
  void SetText(const QString &texto) { FText = texto; }

  // Fills the form's client area instead of keeping its own size.
  bool AlinharCliente() const { return FAlinharCliente; }
  void SetAlinharCliente(bool valor) { FAlinharCliente = valor; }

  // Position in the form's tab order; 0 takes the focus when the form opens.
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int ordem) { FTabOrder = ordem; }

  TnKeyDown OnKeyDown;

  // Runs OnKeyDown for a key pressed in the editor and returns the key left
  // after it: 0 when the handler swallowed it, so the editor must ignore it.
  int TeclaPressionada(int tecla, TShiftState shift = {});

 private:
  TnFrmDlg *FDialogo;
  QString FText;
  bool FAlinharCliente = false;
  int FTabOrder = 0;
};
