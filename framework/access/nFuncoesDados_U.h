#pragma once

#include "nframework_export.h"

class TnClientDataSet;

// Whether the dataset has pending changes: the current record was changed
// in an edit or insert not yet posted, or the change log holds changes not
// yet applied.
NFRAMEWORK_EXPORT bool HouveAlteracoes(const TnClientDataSet *dados);

class TnClientDataSet;

// The company and establishment of a register's row: both required, codes of
// at most four digits, the establishment looked up within its company.
NFRAMEWORK_EXPORT void ConfigurarCamposEmpresaEstab(TnClientDataSet &dados);
