#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The picker of group memberships (group and document type).
class MVOXPK_EXPORT TmVoxDCProtocoloGrupoTipoDoc : public TnDMClientDataSet {
 public:
  TmVoxDCProtocoloGrupoTipoDoc();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
