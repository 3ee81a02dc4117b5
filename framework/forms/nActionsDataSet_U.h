#pragma once

#include <functional>

#include "nframework_export.h"

class TnClientDataSet;
class TnFrmVisual;

// The standard data-set actions of a register form, created on `form` over
// `dados`: "actDataSetFirst", "actDataSetPrior", "actDataSetNext",
// "actDataSetLast", "actDataSetInsert", "actDataSetEdit", "actDataSetDelete",
// "actDataSetPost", "actDataSetCancel", "actDataSetRefresh", and "actFechar"
// (closes the form; a pending edit is posted first when it has changes).
// `excluir` deletes the current row and answers whether it did (a grid asks
// its own confirmation); null: asks "Confirma a exclusão do registro?" and
// deletes.
NFRAMEWORK_EXPORT void nCriarActionsDataSet(TnFrmVisual &form, TnClientDataSet &dados,
                                            std::function<bool()> excluir = nullptr);
