#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The picker of protocols.
class MVOXPK_EXPORT TmVoxDCProtocolo : public TnDMClientDataSet {
 public:
  TmVoxDCProtocolo();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  // Offers only the protocols of the session's period of launch dates.
  static QString PegarVerificaSelecao();
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
