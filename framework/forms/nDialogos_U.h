#pragma once

#include <QString>
#include <QStringList>

#include "nframework_export.h"

class TnFrmDlg;

// The kind of a message dialog; it picks the window's icon and title.
enum class TMsgDlgType {
  mtWarning,
  mtError,
  mtInformation,
  mtConfirmation,
};

// Modal results of the dialog forms, as the callers compare them.
constexpr int mrNone = 0;    // still open, or a close that was refused
constexpr int mrOk = 1;      // confirmed
constexpr int mrCancel = 2;  // cancelled or closed by the window's frame

// The button captions every caller uses.
NFRAMEWORK_EXPORT QStringList nBotoesSimNao();  // "Sim", "Não": 0 = Sim, 1 = Não
NFRAMEWORK_EXPORT QStringList nBotaoOK();       // "OK"

// Every question the program asks the user goes through this interface, so
// that business rules run the same under the windows of the Qt layer and
// under the scripted answers of the tests. One implementation is installed
// for the whole process (nSetDialogos).
//
// All calls are modal: they return once the user has answered.
class NFRAMEWORK_EXPORT TnDialogos {
 public:
  virtual ~TnDialogos();

  // Shows `texto` with one button per caption, the first one focused.
  // Returns the index of the pressed button (0 = first), or -1 when the
  // window was closed without pressing any (Esc, the frame's close box).
  virtual int MessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes) = 0;

  // An information message with one "OK" button.
  virtual void ShowMessage(const QString &texto) = 0;

  // Lets the user pick one line of `lista`. `linha` comes in as the line to
  // preselect (may be empty) and goes out as the chosen line when the answer
  // is true (OK); on false (cancel) it is left as it was.
  virtual bool InputQueryListBox(const QString &caption, const QStringList &lista, QString &linha) = 0;

  // Asks for one line of text; cancel gives `padrao` back.
  virtual QString InputBox(const QString &caption, const QString &prompt, const QString &padrao) = 0;

  // Runs a dialog form (a field dialog, a memo dialog) modally. It returns once
  // the form has been closed through TnFrmDlg::Fechar, which the
  // implementation calls when the user presses a button; a close refused by
  // the form's OnCloseQuery keeps the form open.
  virtual void ExecutarDlg(TnFrmDlg &dlg) = 0;
};

// Installs the process-wide implementation (not owned; null removes it) and
// returns the one installed before, so a caller can put it back.
NFRAMEWORK_EXPORT TnDialogos *nSetDialogos(TnDialogos *dialogos);
NFRAMEWORK_EXPORT TnDialogos *nDialogos();

// The calls the business code makes. With no implementation installed (a
// headless run) each one writes the question to the log and takes the answer
// of a window closed without choosing: -1, false, the default text.
NFRAMEWORK_EXPORT int nMessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes);
NFRAMEWORK_EXPORT void nShowMessage(const QString &texto);
NFRAMEWORK_EXPORT bool nInputQueryListBox(const QString &caption, const QStringList &lista, QString &linha);
NFRAMEWORK_EXPORT QString nInputBox(const QString &caption, const QString &prompt, const QString &padrao = QString());
