#pragma once

#include <QString>

#include "nComandoForm_U.h"
#include "nEventos_U.h"
#include "nframework_export.h"

// A button of a form's tool bar (TnFrmVisual::CriarToolButton). The form owns
// it (it is a child of the form), so a pointer kept elsewhere should be a
// QPointer: it becomes null when the form goes away.
//
// A press (Click, or the button's shortcut through the form) runs OnClick
// under the guard (nExecutarProtegido), with the button as the sender; a
// disabled or hidden button cannot be pressed.
class NFRAMEWORK_EXPORT TnToolButton : public TnComandoForm {
 public:
  explicit TnToolButton(QObject *parent = nullptr);
  ~TnToolButton() override;

  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }

  // Drawn pressed in (a toggle button's state). Pressing does not change it.
  bool Down() const { return FDown; }
  void SetDown(bool valor) { FDown = valor; }
  // A separator stands before the button on the tool bar.
  bool Separador() const { return FSeparador; }
  void SetSeparador(bool valor) { FSeparador = valor; }
  // The caption is drawn beside the image (false: the image alone, the
  // caption as the tooltip's title).
  bool MostrarCaption() const { return FMostrarCaption; }
  void SetMostrarCaption(bool valor) { FMostrarCaption = valor; }
  // The class name of a custom action the button was asked to use; kept for
  // the Qt layer, empty for a plain button.
  const QString &ClasseAction() const { return FClasseAction; }
  void SetClasseAction(const QString &classe) { FClasseAction = classe; }

  TnEventoNotify OnClick;

  // Presses the button: false when it is disabled or hidden or has no
  // handler, or when the handler failed (the guard has shown the failure);
  // true when the handler ran to its end.
  bool Click();

 private:
  int FTag = 0;
  bool FDown = false;
  bool FSeparador = false;
  bool FMostrarCaption = true;
  QString FClasseAction;
};
