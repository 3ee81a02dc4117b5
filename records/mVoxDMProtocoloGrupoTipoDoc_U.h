#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The members of a group of document types, one row per type, edited as a
// grid inside the group register's form (its right is the group register's).
class MVOXPK_EXPORT TmVoxDMProtocoloGrupoTipoDoc : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloGrupoTipoDoc();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocoloGrupoDoc")}; }
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
