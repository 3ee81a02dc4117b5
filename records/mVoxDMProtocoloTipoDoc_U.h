#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the kinds of company documents: how often each occurs,
// whether the document generation creates it, whether archiving puts it in an
// envelope, and how long it is kept.
class MVOXPK_EXPORT TmVoxDMProtocoloTipoDoc : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloTipoDoc();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // Two types never share one description.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
