#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

#include "nframework_export.h"

// What a form's commands have in common, the tool buttons (TnToolButton) and
// the form's own actions (TnActionForm): a name, caption, hint, image,
// shortcut and the enabled and visible states that the Qt layer draws.
class NFRAMEWORK_EXPORT TnComandoForm : public QObject {
 public:
  explicit TnComandoForm(QObject *parent = nullptr);
  ~TnComandoForm() override;

  QString Name() const { return objectName(); }
  void SetName(const QString &nome) { setObjectName(nome); }
  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  const QString &Hint() const { return FHint; }
  void SetHint(const QString &hint) { FHint = hint; }
  // Index in the application's image list; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int indice) { FImageIndex = indice; }
  // The shortcut as given ("Shift+F6") and as keys (Key_unknown when the
  // text is empty or not understood).
  const QString &ShortCutStr() const { return FShortCutStr; }
  QKeyCombination ShortCut() const { return FShortCut; }
  void SetShortCut(const QString &texto);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool valor) { FEnabled = valor; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool valor) { FVisible = valor; }

 private:
  QString FCaption;
  QString FHint;
  int FImageIndex = -1;
  QString FShortCutStr;
  QKeyCombination FShortCut;
  bool FEnabled = true;
  bool FVisible = true;
};
