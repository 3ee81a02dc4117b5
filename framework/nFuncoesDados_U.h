#pragma once

#include "nframework_export.h"

class TnClientDataSet;

// Whether the dataset has pending changes: the current record was changed
// in an edit or insert not yet posted, or the change log holds changes not
// yet applied.
NFRAMEWORK_EXPORT bool HouveAlteracoes(const TnClientDataSet *dados);
