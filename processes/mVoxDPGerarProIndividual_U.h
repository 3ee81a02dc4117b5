#pragma once

#include <QString>

#include "mVoxDPGerarProtocoloBase_U.h"
#include "mvoxpk_export.h"

// "Gerar Protocolo Individual": writes one protocol with one item from the
// values of its parameter panel, in one transaction, and answers the new
// protocol's number in the output parameter pCodigoPro (null when nothing was
// written).
//
// Its callers (the document movements) create it by name, fill and hide most
// parameters, show its form modally for one run of their own and read
// pCodigoPro after the form closes; so every value is read from the
// parameters at run time, and a run started from the form works the same as
// one started by code.
//
// The protocol is dated today whatever pDataLctoPro says; it is of kind 2
// (typed) and origin 1, with the establishment's delivery form unless the
// panel names one. Empty optional values are written as no value. Any error
// while writing rolls everything back, leaves pCodigoPro null and goes on to
// the caller unchanged.
class MVOXPK_EXPORT TmVoxDPGerarProIndividual : public TmVoxDPGerarProtocoloBase {
 public:
  TmVoxDPGerarProIndividual();
  ~TmVoxDPGerarProIndividual() override;

  static QList<TnMenuDecl> Menus();

  // The framework's checks, then the company and establishment codes, the
  // document and employee codes when given: each refused with EnParam on its
  // parameter before anything is written.
  void ValidarDado() override;
  // Only the parameter panel: the generation's grids and tab are not used,
  // and the page control fills the form.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The write.
  void GerarProtocolo() override;

 protected:
  // The run writes: its own transaction must commit.
  bool ListagemSomenteLeitura() const override { return false; }

 private:
  qint64 FCodigoDocumento = 0;
  bool FTemDocumento = false;
  int FCodigoFunc = 0;
  bool FTemFunc = false;
};
