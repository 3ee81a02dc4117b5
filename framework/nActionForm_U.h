#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

#include "nEventos_U.h"
#include "nframework_export.h"

// One of a form's own actions (not a menu action: those are TnAction): the
// standard data-set actions of a register form ("actDataSetInsert",
// "actDataSetDelete", …), the Executar/Gravar/Cancelar of a process form, or
// any a module adds. The form owns it; the Qt layer binds its buttons and
// shortcut to it.
class NFRAMEWORK_EXPORT TnActionForm : public QObject {
 public:
  explicit TnActionForm(QObject *parent = nullptr);
  ~TnActionForm() override;

  QString Name() const { return objectName(); }
  void SetName(const QString &nome) { setObjectName(nome); }
  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  const QString &Hint() const { return FHint; }
  void SetHint(const QString &hint) { FHint = hint; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int indice) { FImageIndex = indice; }
  const QString &ShortCutStr() const { return FShortCutStr; }
  QKeyCombination ShortCut() const { return FShortCut; }
  void SetShortCut(const QString &texto);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool valor) { FEnabled = valor; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool valor) { FVisible = valor; }

  TnEventoNotify OnExecute;

  // Runs OnExecute under the guard with `sender` (the action itself when
  // null). False when the action is disabled, has no handler, or the handler
  // failed (the guard has shown the failure).
  bool Execute(QObject *sender = nullptr);

 private:
  QString FCaption;
  QString FHint;
  int FImageIndex = -1;
  QString FShortCutStr;
  QKeyCombination FShortCut;
  bool FEnabled = true;
  bool FVisible = true;
};
