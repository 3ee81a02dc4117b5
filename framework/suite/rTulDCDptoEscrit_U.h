#pragma once

#include "nDMClientDataSet_U.h"
#include "nframework_export.h"

// Stand-in for the base module's lookup of the office's departments
// (DPTOESCRIT) in a lookup grid, fields CodigoDptoEscrit and DescrDptoEscrit.
// Reached by name only (the dictionary's CODIGODPTOESCRIT names it).
class NFRAMEWORK_EXPORT TrTulDCDptoEscrit : public TnDMClientDataSet {
 public:
  TrTulDCDptoEscrit();
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
};
