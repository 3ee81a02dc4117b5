#include "nToolButton_U.h"

#include "nGuarda_U.h"

TnToolButton::TnToolButton(QObject *parent) : TnComandoForm(parent) {}

TnToolButton::~TnToolButton() = default;

bool TnToolButton::Click() {
  if (!Enabled() || !Visible() || !OnClick) return false;
  // The handler may free the form, and this button with it: keep a copy.
  const TnEventoNotify handler = OnClick;
  return nExecutarProtegido([&] { handler(this); });
}
