// Fuzz target of the date parsers: the text is read as a date, a date and
// time and a month/year. A date read is a valid date, and its own text reads
// back as the same date.
#include <QDate>
#include <QDateTime>
#include <cstdlib>

#include "nException_U.h"
#include "nFormatos_U.h"
#include "nFuzzEntrada_U.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  const QString texto = nFuzzPartes(dados, tamanho, 1).at(0);
  try {
    QDate data;
    if (TryStrToDate(texto, data)) {
      QDate denovo;
      if (!data.isValid() || !TryStrToDate(DateToStr(data), denovo) || denovo != data) std::abort();
    }
    QDateTime momento;
    if (TryStrToDateTime(texto, momento) && !momento.isValid()) std::abort();
    QDate mes;
    if (TryStrToMesAno(texto, mes) && !mes.isValid()) std::abort();
  } catch (const Exception &) {
    std::abort();  // the Try functions answer, they do not raise
  }
  return 0;
}
