#pragma once

#include <QString>
#include <QStringList>

#include "nDialogos_U.h"
#include "nframeworkui_export.h"

class QWidget;

// The dialogs of the program drawn with Qt: message boxes whose buttons carry
// the callers' own captions ("Sim"/"Não", "OK"), the list and text questions,
// and the dialog forms (a field dialog's column of labelled controls, a memo
// dialog). Every window is modal over the active window.
//
// A dialog form's buttons and its memo's keys go to the form model
// (TnFrmDlg::Pressionar, TnMemo::TeclaPressionada); the window closes only
// when the model accepted the close, and a refusal raised by OnCloseQuery is
// shown through the guard with the window kept open and its values kept.
class NFRAMEWORKUI_EXPORT TnDialogosQt : public TnDialogos {
 public:
  int MessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes) override;
  void ShowMessage(const QString &texto) override;
  bool InputQueryListBox(const QString &caption, const QStringList &lista, QString &linha) override;
  QString InputBox(const QString &caption, const QString &prompt, const QString &padrao) override;
  void ExecutarDlg(TnFrmDlg &dlg) override;

  // The window the dialogs are centred on: the active window, else none.
  static QWidget *JanelaPai();
};
