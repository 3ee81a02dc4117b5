#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The picker of standard texts (the protocol item register opens it by name
// and reads the text and its complement flag).
class MVOXPK_EXPORT TmVoxDCHistoricoPro : public TnDMClientDataSet {
 public:
  TmVoxDCHistoricoPro();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
