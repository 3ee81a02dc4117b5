#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The items of a protocol, edited as a grid: one line per guide, receipt or
// document handed over, numbered within its protocol. Governed by the
// protocol register's right.
class MVOXPK_EXPORT TmVoxDMProtocoloItem : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloItem();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocolo")}; }
  static int PegarTipoObjeto() { return 1; }
  // Opened by itself, it shows the items of the session's period.
  static QString PegarVerificaSelecao();
  QString ChavePrimaria() const override;
  // Every write is stamped with who made it, when and from where.
  void ValidarDado() override;
  void DataModuleCreate() override;
};
