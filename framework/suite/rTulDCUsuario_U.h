#pragma once

#include "nDMClientDataSet_U.h"
#include "nframework_export.h"

// Stand-in for the base module's user lookup: the users (USUARIO) in a lookup
// grid, fields CodigoUsuario, NomeUsuario and NomeUsuarioCompl. Reached by
// name only (the dictionary's CODIGOUSUARIO names it).
class NFRAMEWORK_EXPORT TrTulDCUsuario : public TnDMClientDataSet {
 public:
  TrTulDCUsuario();
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
};
