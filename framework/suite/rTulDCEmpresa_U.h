#pragma once

#include "nDMClientDataSet_U.h"
#include "nframework_export.h"

// Stand-in for the base module's company lookup: the companies (EMPRESA) in a
// lookup grid, fields CodigoEmpresa and NomeEmpresa. Reached by name only.
class NFRAMEWORK_EXPORT TrTulDCEmpresa : public TnDMClientDataSet {
 public:
  TrTulDCEmpresa();
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
};
