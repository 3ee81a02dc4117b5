#pragma once

#include <QString>

#include "nFraCtrlNDLink_U.h"
#include "nframework_export.h"

// The link editor with its name beside the code: leaving it reads the name of
// the typed code (empty when there is none), so the user sees at once whether
// the code exists.
class NFRAMEWORK_EXPORT TnFraCtrlNDLinkEdit : public TnFraCtrlNDLink {
 public:
  explicit TnFraCtrlNDLinkEdit(TnpqParamItem *item);
  ~TnFraCtrlNDLinkEdit() override;

  // The name shown beside the code, as last read.
  const QString &Descricao() const { return FDescricao; }
  // Reads the name of the current code from the link table's name column;
  // empty when the code does not exist or the item names no name column.
  void AtualizarDescricao();

  // Reads the name, then the panel's OnParamExit fires.
  void Sair() override;

 private:
  QString FDescricao;
};
