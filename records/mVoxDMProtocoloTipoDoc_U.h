#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The register of the kinds of company documents: how often each occurs,
// whether the document generation creates it, whether archiving puts it in an
// envelope, and how long it is kept.
class MVOXPK_EXPORT TmVoxDMProtocoloTipoDoc : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloTipoDoc();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  QString ChavePrimaria() const override;
  // Two types never share one description.
  void ValidarDado() override;
  void DataModuleCreate() override;
  // The months of occurrence are stored in their one form whoever wrote
  // them (the check list, a grid cell, code).
  void nClientDataSetBeforePost(TnClientDataSet &dataSet) override;

  // The stored form of a list of months: the month numbers in calendar order,
  // each once, joined by ";" without blanks, leading zeros or a trailing ";"
  // ("1;4;7;10"); empty for no month. The document generation matches whole
  // tokens of it. `texto` may hold month numbers ("04") and month captions
  // ("Abril") in any order; anything else raises EnField on `campo`.
  static QString NormalizarMeses(TnField &campo, const QString &texto);
};
