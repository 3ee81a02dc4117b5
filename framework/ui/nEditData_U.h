#pragma once

#include <QDate>
#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "nframeworkui_export.h"

class QCalendarWidget;
class QFrame;

// A date editor as the office types dates: digits only, the mask putting the
// slashes ("01112026" shows 01/11/2026; typed slashes are taken too), empty
// when nothing is typed, and a calendar (the button, F4 or Alt+Down) that
// opens at the date shown, else at today, in the program's language. A
// month-and-year editor takes "MM/yyyy" and gives the month's first day.
//
// The editor does not judge the date: what was typed goes to the field or
// parameter, whose conversion refuses an impossible one with its message.
class NFRAMEWORKUI_EXPORT TnEditData : public QLineEdit {
 public:
  explicit TnEditData(bool mesAno = false, QWidget *parent = nullptr);

  bool MesAno() const { return FMesAno; }
  // The typed text ("01/11/2026", "11/2026"); empty when nothing was typed.
  QString Texto() const;
  // Shows a text in the editor's form ("dd/MM/yyyy…" or "MM/yyyy"); an empty
  // or unreadable text empties it.
  void SetTexto(const QString &texto);
  // The date typed (a month's first day); invalid when empty or incomplete.
  QDate Data() const;
  void SetData(const QDate &data);

  // Opens the calendar under the editor; a date clicked or confirmed with
  // Enter is shown and OnEscolhida runs. Nothing happens on a read-only editor.
  void AbrirCalendario();
  // The calendar while it is open; null otherwise.
  QCalendarWidget *Calendario() const;
  std::function<void()> OnEscolhida;

 protected:
  void keyPressEvent(QKeyEvent *evento) override;
  void mousePressEvent(QMouseEvent *evento) override;
  void focusInEvent(QFocusEvent *evento) override;

 private:
  void Escolher(const QDate &data);

  bool FMesAno;
  QPointer<QFrame> FPopup;
  QPointer<QCalendarWidget> FCalendario;
};
