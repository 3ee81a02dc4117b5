#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The stops of a delivery route, in route order, shown inside the route
// register: an establishment is at most once a stop of a route.
class MVOXPK_EXPORT TmVoxDMProtocoloRotaEntrega : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloRotaEntrega();

  static QList<TnMenuDecl> Menus();
  // Opened only inside the route register, whose right governs it.
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocoloRota")}; }
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // One establishment once per route.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
