// Fuzz target of FORMATARDATAHORA: any value, any format.
#include "nFuzzFormato_U.h"
#include "nOPlanilha_U.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  nFuzzChamarFormato(&FORMATARDATAHORA, dados, tamanho);
  return 0;
}
