#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "nframework_export.h"

class TnpqParamItem;

// The editor of one parameter on a process's parameter panel, as a model: the
// Qt layer draws it, tests and processes drive it. It holds no value of its
// own: the text it shows and takes goes to its item, and its visibility and
// enabled state are the item's, so hiding the editor hides the parameter
// (a caller filling a process's parameters hides those it fixed).
//
// The item owns its editor; the form that shows it keeps QPointers.
class NFRAMEWORK_EXPORT TnFraCtrlParam : public QObject {
 public:
  explicit TnFraCtrlParam(TnpqParamItem *item);
  ~TnFraCtrlParam() override;

  TnpqParamItem *Item() const { return FItem; }
  QString Caption() const;

  bool Visible() const;
  void SetVisible(bool valor);
  bool Enabled() const;
  void SetEnabled(bool valor);

  // The text the editor shows: a date "dd/mm/yyyy", a month/year "mm/yyyy",
  // a combo's caption, a check list's captions joined by "; ", anything else
  // as the value text.
  virtual QString Texto() const;
  // Text the user typed or picked: a caption selects a combo's entry, a
  // month/year may be typed "mm/yyyy".
  virtual void SetTexto(const QString &texto);
  // The value text (the process's Param) and a value set through the editor.
  QString Valor() const;
  void SetValor(const QVariant &valor);

  // The entries a combo or a check list offers, in list order.
  QStringList Itens() const;

  // The user leaves the editor: the panel's OnParamExit fires for the item.
  // Descendants first do their own part.
  virtual void Sair();

 private:
  TnpqParamItem *FItem;
};
