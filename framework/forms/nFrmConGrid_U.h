#pragma once

#include <QList>

#include "nDBGrid_U.h"
#include "nDefAdic_U.h"
#include "nFrmVisual_U.h"
#include "nframework_export.h"

class TnClientDataSet;

// The lookup grid form: a read-only grid over a lookup module's dataset,
// shown modally to pick one row. Choosing (Escolher: Enter, a double click or
// the "Escolher" action) closes the form with mrOk (1) and leaves the chosen
// row current on the dataset; Esc or "Fechar" close it with mrCancel.
class NFRAMEWORK_EXPORT TnFrmConGrid : public TnFrmVisual {
 public:
  TnFrmConGrid(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos = QStringLiteral("*"),
               QObject *parent = nullptr);
  ~TnFrmConGrid() override;

  QString ClassName() const override;
  bool HerdaDe(const QString &nomeClasse) const override;

  TnClientDataSet *DataSet() const { return FDados; }
  TnDBGridEh *Grid() const { return FGrid; }

  // The orderings offered (the first is the default); SetOrdem picks one by
  // index and orders the rows by its fields.
  const QList<TnDefAdic::TnOrdem> &Ordens() const { return FOrdens; }
  void SetOrdens(const QList<TnDefAdic::TnOrdem> &ordens);
  int OrdemAtual() const { return FOrdemAtual; }
  bool SetOrdem(int indice);
  // Moves to the first row whose first field of the current ordering starts
  // with `texto` (any case); false when none does.
  bool Pesquisar(const QString &texto);

  // Takes the current row: closes with mrOk. False with no row to take.
  bool Escolher();

 private:
  TnClientDataSet *FDados;
  TnDBGridEh *FGrid;
  QList<TnDefAdic::TnOrdem> FOrdens;
  int FOrdemAtual = -1;
};
