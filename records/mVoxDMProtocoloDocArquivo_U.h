#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of filed documents: one row per company document placed in
// an envelope of an archive box. A document is filed while it has a row here
// and its ARQUIVADO flag is "1": the row and the flag are written in one
// transaction, so a failed flag update also undoes the row (and a failed
// delete keeps the row and the flag). Deleting the last row of a document
// sets its flag back to "0"; its movements are left alone. The same document
// may be placed in several envelopes.
class MVOXPK_EXPORT TmVoxDMProtocoloDocArquivo : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocArquivo();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  void DataModuleCreate() override;

  // With the row's own write: the document is marked filed.
  void nClientDataSetAfterWritePost(TnClientDataSet &dataSet);
  // With the row's own delete: the document is no longer filed when no
  // other envelope holds it.
  void nClientDataSetAfterWriteDelete(TnClientDataSet &dataSet);
};
