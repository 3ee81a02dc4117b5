#pragma once

#include "mvoxpk_export.h"
#include "nMapperFinanceiro_U.h"

// The typed view of a boleto row (a receivable with its bank slip): the
// financial columns and the receivable's own.
class MVOXPK_EXPORT TnMapperFinBoleto : public TnMapperFinanceiro {
 public:
  TnField *NumeroDctoCR = nullptr;  // NUMERODCTOCR: the receivable's document
  TnField *NossoNumero = nullptr;   // NOSSONUMERO: the bank's number of the slip

  void Mapear(TnClientDataSet &dados) override;
};
