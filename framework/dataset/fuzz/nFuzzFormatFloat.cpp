// Fuzz target of the number format language (FormatFloat): the first byte
// chooses how the value arrives (a double from the next 8 bytes, or an exact
// decimal text up to the first line break); the rest is the format. Any
// format gives a text or the framework's exception, never a fault.
#include <cstdlib>

#include "nException_U.h"
#include "nFormatos_U.h"
#include "nFuzzEntrada_U.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  if (tamanho == 0) return 0;
  const uint8_t modo = dados[0];
  ++dados, --tamanho;
  try {
    if (modo & 1) {
      const QStringList partes = nFuzzPartes(dados, tamanho, 2);
      QString decimal;
      if (TryStrToDecimal(partes.at(0), decimal)) (void)FormatFloat(partes.at(1), decimal);
    } else {
      const double valor = nFuzzNumero<double>(dados, tamanho);
      (void)FormatFloat(nFuzzPartes(dados, tamanho, 1).at(0), valor);
    }
  } catch (const Exception &) {
  }
  return 0;
}
