#pragma once

#include <QString>
#include <QVariant>

#include "nFraCtrlParam_U.h"
#include "nframework_export.h"

// The editor of a code that must exist in a table (a link parameter): its own
// check looks the code up in the item's link table and key column.
class NFRAMEWORK_EXPORT TnFraCtrlNDLink : public TnFraCtrlParam {
 public:
  explicit TnFraCtrlNDLink(TnpqParamItem *item);
  ~TnFraCtrlNDLink() override;

  // Whether a row of the link table has the item's code. An empty code, or
  // one that cannot be a value of a numeric key, exists nowhere. Raises
  // Exception when the item names no table and key.
  bool Existe() const;
  // The control's own check: raises EnParam on the item when the code does
  // not exist.
  void Checar() const;

  // Whether leaving the editor runs the check (on by default). A process
  // whose validation handles a missing code itself (offering to register
  // it) turns it off, so that the user hears of the code once, from it.
  bool ChecarNaSaida() const { return FChecarNaSaida; }
  void SetChecarNaSaida(bool valor) { FChecarNaSaida = valor; }

 protected:
  // The item's code as a value of the key column (a number for a numeric
  // key); false when it is empty or cannot be one. Raises Exception when the
  // item names no table and key.
  bool ValorDaChave(QVariant &valor) const;

 private:
  bool FChecarNaSaida = true;
};
