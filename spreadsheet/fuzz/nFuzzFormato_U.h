#pragma once

// What the two format functions' fuzz targets share: an input is read as a
// call's value and format, the function is called as the sheet calls it, and
// the result must be either a text or the value error, never both, never
// anything else. A broken promise aborts, as a sanitizer fault does.
//
// Input layout: byte 0 chooses how the value arrives (its low two bits: a
// double from the next 8 bytes, a whole number from the next 4, a text up to
// the first line break, or an empty cell) and, with bit 7 set, a call without
// a format; the remaining bytes are the format, as UTF-8.

#include <QVariant>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "nPlanilha_U.h"

inline void nFuzzChamarFormato(void (*funcao)(TnResultadoFormula &, const TnTokenFormula *), const uint8_t *dados,
                              size_t tamanho) {
  if (tamanho == 0) return;
  const uint8_t modo = dados[0];
  const char *resto = reinterpret_cast<const char *>(dados + 1);
  size_t restante = tamanho - 1;
  // The next bytes as a number of the type given, zeros where the input ends.
  auto numero = [&](auto zero) {
    const size_t n = restante < sizeof zero ? restante : sizeof zero;
    std::memcpy(&zero, resto, n);
    resto += n, restante -= n;
    return zero;
  };
  QVariant valor;
  switch (modo & 3) {
    case 0:
      valor = numero(double(0));
      break;
    case 1:
      valor = numero(int32_t(0));
      break;
    case 2: {
      const void *quebra = std::memchr(resto, '\n', restante);
      const size_t n = quebra ? size_t(static_cast<const char *>(quebra) - resto) : restante;
      valor = QString::fromUtf8(resto, qsizetype(n));
      const size_t consumidos = quebra ? n + 1 : n;
      resto += consumidos, restante -= consumidos;
      break;
    }
    default:
      break;  // an empty cell
  }
  TnTokenFormula token{{valor}};
  if (!(modo & 0x80)) token.Parametros << QString::fromUtf8(resto, qsizetype(restante));

  TnResultadoFormula resultado;
  funcao(resultado, &token);
  const bool texto = resultado.Valor().typeId() == QMetaType::QString;
  if (resultado.Erro() == nErroFormulaNenhum ? !texto : resultado.Erro() != nErroFormulaValor) std::abort();
}
