#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of filed documents: one row per company document placed in
// an envelope of an archive box.
class MVOXPK_EXPORT TmVoxDMProtocoloDocArquivo : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocArquivo();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
