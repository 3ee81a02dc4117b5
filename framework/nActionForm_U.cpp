#include "nActionForm_U.h"

#include "nAction_U.h"
#include "nGuarda_U.h"

TnActionForm::TnActionForm(QObject *parent) : QObject(parent) {}

TnActionForm::~TnActionForm() = default;

void TnActionForm::SetShortCut(const QString &texto) {
  FShortCutStr = texto;
  FShortCut = TextToShortCut(texto);
}

bool TnActionForm::Execute(QObject *sender) {
  if (!FEnabled || !OnExecute) return false;
  const TnEventoNotify handler = OnExecute;
  QObject *origem = sender ? sender : this;
  return nExecutarProtegido([&] { handler(origem); });
}
