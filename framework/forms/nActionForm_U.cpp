#include "nActionForm_U.h"

#include "nGuarda_U.h"

TnActionForm::TnActionForm(QObject *parent) : TnComandoForm(parent) {}

TnActionForm::~TnActionForm() = default;

bool TnActionForm::Execute(QObject *sender) {
  if (!Enabled() || !OnExecute) return false;
  const TnEventoNotify handler = OnExecute;
  QObject *origem = sender ? sender : this;
  return nExecutarProtegido([&] { handler(origem); });
}
