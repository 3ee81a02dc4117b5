#pragma once

#include "mvoxpk_export.h"
#include "nMapperFinanceiro_U.h"

// The typed view of a service invoice row: the financial columns and the
// invoice's own.
class MVOXPK_EXPORT TnMapperFinNotaFiscal : public TnMapperFinanceiro {
 public:
  TnField *SerieNS = nullptr;      // SERIENS
  TnField *NumeroNS = nullptr;     // NUMERONS
  TnField *VistaPrazo = nullptr;   // VISTAPRAZO: the payment term
  TnField *CanceladaNS = nullptr;  // CANCELADANS: 0 valid, anything else cancelled

  void Mapear(TnClientDataSet &dados) override;
};
