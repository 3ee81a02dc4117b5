#include "nToolButton_U.h"

#include "nAction_U.h"
#include "nGuarda_U.h"

TnToolButton::TnToolButton(QObject *parent) : QObject(parent) {}

TnToolButton::~TnToolButton() = default;

void TnToolButton::SetShortCut(const QString &texto) {
  FShortCutStr = texto;
  FShortCut = TextToShortCut(texto);
}

bool TnToolButton::Click() {
  if (!FEnabled || !FVisible || !OnClick) return false;
  // The handler may free the form, and this button with it: keep a copy.
  const TnEventoNotify handler = OnClick;
  return nExecutarProtegido([&] { handler(this); });
}
