#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the archive boxes: a box belongs to one establishment,
// stands in one storage location and covers a range of competences.
class MVOXPK_EXPORT TmVoxDMProtocoloDocCaixa : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocCaixa();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  // The box's fields on top, its envelopes (TmVoxDMProtocoloDocEnvelope) as
  // a grid under them.
  void DepoisConfigurar(TnFrmVisual *form) override;
  QString ChavePrimaria() const override;
  // The final competence is kept as the last day of its month, so that a
  // search by month finds the box in its last month; the initial one is
  // kept as typed. Boxes of one establishment may overlap.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
