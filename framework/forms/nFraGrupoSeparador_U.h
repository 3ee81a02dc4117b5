#pragma once

#include <QString>

#include "nPainel_U.h"
#include "nframework_export.h"

// A group header on a register form: a bold caption with a rule, standing in
// the field area just above the editor of the field that opens the group.
class NFRAMEWORK_EXPORT TnFraGrupoSeparador : public TnPainel {
 public:
  TnFraGrupoSeparador(TnPainel *area, const QString &campoSeguinte, const QString &caption);
  // The field whose editor comes right after the header.
  const QString &CampoSeguinte() const { return FCampoSeguinte; }

 private:
  QString FCampoSeguinte;
};
