#include "nComandoForm_U.h"

#include "nAction_U.h"

TnComandoForm::TnComandoForm(QObject *parent) : QObject(parent) {}

TnComandoForm::~TnComandoForm() = default;

void TnComandoForm::SetShortCut(const QString &texto) {
  FShortCutStr = texto;
  FShortCut = TextToShortCut(texto);
}
