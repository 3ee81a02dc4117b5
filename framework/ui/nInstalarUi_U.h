#pragma once

#include <functional>

#include "nframeworkui_export.h"

class QWidget;
class TnFrmVisual;

// Where a form shown without waiting goes: the main window puts the view in
// its MDI area. With none set the view opens as a window of its own.
using TnMostrarNaJanelaPrincipal = std::function<void(QWidget *visao, TnFrmVisual *form)>;
NFRAMEWORKUI_EXPORT void nSetMostrarNaJanelaPrincipal(TnMostrarNaJanelaPrincipal mostrar);

// Puts the Qt layer under the framework: the dialogs (TnDialogosQt), the
// focus hooks of the guard, the form hooks (a modal form runs in a QDialog
// hosting its view; a form shown without waiting goes to the main window),
// the progress frames drawn in their process's view, and the busy cursor
// (TnCursorEspera) as the application's wait cursor. Call once, with a
// QApplication made; nDesinstalarUi puts back what was there before.
NFRAMEWORKUI_EXPORT void nInstalarUi();
NFRAMEWORKUI_EXPORT void nDesinstalarUi();

// One language for the whole program, Brazilian Portuguese: the default
// locale (dates, numbers, the calendar's month and day names) and Qt's own
// texts (standard buttons, context menus, dialogs) from the Qt translations
// installed on the machine. Call once with the application made; false when
// Qt's translation file is missing (Qt's texts then stay in English).
NFRAMEWORKUI_EXPORT bool nInstalarIdioma();
