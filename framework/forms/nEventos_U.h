#pragma once

#include <functional>

class QObject;

// The handler of a button press, an action or any "something happened" event
// of the form model; `sender` is the button, the action, the grid or the data
// module that fired it (a handler may compare it with its own module to tell a
// user's press from a call made by code).
using TnEventoNotify = std::function<void(QObject *sender)>;
