#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the item description templates, one per protocol type.
class MVOXPK_EXPORT TmVoxDMCfgTipoProtocolo : public TnDMClientDataSet {
 public:
  TmVoxDMCfgTipoProtocolo();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;

  // The button of the description's editor: offers the fields a template of
  // the chosen type may name ("Valor do Débito [VALORDEBITO]") and appends
  // the chosen one's token to the text the editor shows, typed text not yet
  // posted included; the record enters edit. Nothing happens without a
  // record or a type, or when the user cancels.
  void nClientDataSetDESCRTIPOPROTOCOLODefIntButtonClick(TnField &sender);
};
