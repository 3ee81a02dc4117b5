#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The consultation of filed documents. Unlike the other pickers it shows the
// register form and counts as a register (kind 1), so its action keeps the
// framework's rights settings.
class MVOXPK_EXPORT TmVoxDCProtocoloDocArquivo : public TnDMClientDataSet {
 public:
  TmVoxDCProtocoloDocArquivo();

  static QList<TnMenuDecl> Menus();
  // A lookup for the rights: no right of its own.
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
};
