#pragma once

#include "mvoxpkpbcfg_export.h"
#include "nDMClientDataSet_U.h"

// The picker of document-type groups. It lives apart from the group
// register (of the protocol library) and reaches it by name only.
class MVOXPKPBCFG_EXPORT TmVoxDCProtocoloGrupoDoc : public TnDMClientDataSet {
 public:
  TmVoxDCProtocoloGrupoDoc();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
