#pragma once

#include "nDBGrid_U.h"
#include "nFrmVisual_U.h"
#include "nframework_export.h"

class TnClientDataSet;

// The editable grid form: one grid over the data module's dataset filling the
// form, with the standard data-set actions (deleting through the grid, so it
// asks as the grid's ConfirmaExclusao says). Used for registers edited as a
// grid and for the detail grids shown inside their master's form.
class NFRAMEWORK_EXPORT TnFrmCadGrid : public TnFrmVisual {
 public:
  TnFrmCadGrid(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos = QStringLiteral("*"),
               QObject *parent = nullptr);
  ~TnFrmCadGrid() override;

  QString ClassName() const override;
  bool HerdaDe(const QString &nomeClasse) const override;

  TnClientDataSet *DataSet() const { return FDados; }
  TnDBGridEh *Grid() const { return FGrid; }

 private:
  TnClientDataSet *FDados;
  TnDBGridEh *FGrid;
};
