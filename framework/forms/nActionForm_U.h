#pragma once

#include "nComandoForm_U.h"
#include "nEventos_U.h"
#include "nframework_export.h"

// One of a form's own actions (not a menu action: those are TnAction): the
// standard data-set actions of a register form ("actDataSetInsert",
// "actDataSetDelete", …), the Executar/Gravar/Cancelar of a process form, or
// any a module adds. The form owns it; the Qt layer binds its buttons and
// shortcut to it.
class NFRAMEWORK_EXPORT TnActionForm : public TnComandoForm {
 public:
  explicit TnActionForm(QObject *parent = nullptr);
  ~TnActionForm() override;

  TnEventoNotify OnExecute;

  // Runs OnExecute under the guard with `sender` (the action itself when
  // null). False when the action is disabled, has no handler, or the handler
  // failed (the guard has shown the failure).
  bool Execute(QObject *sender = nullptr);
};
