#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of protocols: the documents handed over to a client
// establishment, or received from it, one protocol per form.
class MVOXPK_EXPORT TmVoxDMProtocolo : public TnDMClientDataSet {
 public:
  TmVoxDMProtocolo();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  // The register opens on the session's period of launch dates.
  static QString PegarVerificaSelecao();
  QString ChavePrimaria() const override;
  // Every write is stamped with who made it, when and from where.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
