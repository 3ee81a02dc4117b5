#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The envelopes of one archive box, edited as a grid inside the box
// register; the box's right governs them.
class MVOXPK_EXPORT TmVoxDMProtocoloDocEnvelope : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocEnvelope();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocoloDocCaixa")}; }
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;
};
