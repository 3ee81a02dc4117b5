#include "nFrmCadGrid_U.h"

#include "nActionsDataSet_U.h"

TnFrmCadGrid::TnFrmCadGrid(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos, QObject *parent)
    : TnFrmVisual(dataModule, parent), FDados(dados), FGrid(new TnDBGridEh(AreaCliente(), QStringLiteral("nDBGrid"))) {
  FGrid->SetAlign(TnAlinhamento::alClient);
  FGrid->SetDataSet(FDados);
  FGrid->CriarColunas(atributos);
  if (FDados) nCriarActionsDataSet(*this, *FDados, [grid = FGrid] { return grid->Excluir(); });
}

TnFrmCadGrid::~TnFrmCadGrid() {
  // The grid stops watching the dataset before anything else goes.
  if (FGrid) FGrid->SetDataSet(nullptr);
}

QString TnFrmCadGrid::ClassName() const { return QStringLiteral("TnFrmCadGrid"); }

bool TnFrmCadGrid::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(QStringLiteral("TnFrmCadGrid"), Qt::CaseInsensitive) == 0 ||
         TnFrmVisual::HerdaDe(nomeClasse);
}
