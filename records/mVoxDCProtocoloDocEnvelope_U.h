#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The picker of archive envelopes (box and envelope number).
class MVOXPK_EXPORT TmVoxDCProtocoloDocEnvelope : public TnDMClientDataSet {
 public:
  TmVoxDCProtocoloDocEnvelope();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
