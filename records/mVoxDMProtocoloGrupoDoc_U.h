#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the groups of document types; each establishment's
// protocol configuration names one group, whose members are the document
// types expected from that establishment.
class MVOXPK_EXPORT TmVoxDMProtocoloGrupoDoc : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloGrupoDoc();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  // The register form keeps the description at the top and gives the rest
  // of the form to the grid of the group's document types (their group code
  // is implied by the group and not shown). Without that grid (its class
  // cannot be created) the form still opens, with the group alone.
  void DepoisConfigurar(TnFrmVisual *form) override;
  QString ChavePrimaria() const override;
  // Two groups never share one description. An edited group is compared only
  // with the other groups, so groups stored before the rule existed with the
  // same description can each still be saved.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
