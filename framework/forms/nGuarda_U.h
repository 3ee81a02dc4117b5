#pragma once

#include <QString>
#include <functional>

#include "nframework_export.h"

class TnField;
class TnpqParamItem;

// The guard every user-triggered entry point runs through (actions, tool
// buttons, popup items, grid and editor events, dialog close handlers). No
// exception may cross the event loop, so the guard takes every one:
//   - EAbort: nothing is shown;
//   - Exception (EnField, EnParam, EDatabaseError …): its message in an error
//     dialog; then, for EnField and EnParam, the editor of the field or
//     parameter is asked to take the focus (best effort: the editor may be
//     disabled or hidden, or there may be no screen at all);
//   - std::exception: its what();
//   - anything else, or a failure with an empty text: nMsgErroInesperado().
// Returns true when the action ran to its end, false when something was
// caught. Never raises, whatever the dialog or the focus hooks do.
NFRAMEWORK_EXPORT bool nExecutarProtegido(const std::function<void()> &acao);

// Focus hooks set by the Qt layer; with none set focusing is skipped. Each
// answers whether it could move the focus. Both return the hook installed
// before.
using TnFocarCampo = std::function<bool(TnField *campo)>;
using TnFocarParametro = std::function<bool(TnpqParamItem *parametro)>;
NFRAMEWORK_EXPORT TnFocarCampo nSetFocarCampo(TnFocarCampo focar);
NFRAMEWORK_EXPORT TnFocarParametro nSetFocarParametro(TnFocarParametro focar);

// The message shown for a failure that carries no text of its own.
NFRAMEWORK_EXPORT QString nMsgErroInesperado();
