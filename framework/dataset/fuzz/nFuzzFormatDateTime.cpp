// Fuzz target of the date and time format language (FormatDateTime): the
// first 8 bytes are the moment (milliseconds from the epoch, any value,
// invalid ones included), the rest is the format. Any format gives a text or
// the framework's exception, never a fault.
#include <QDateTime>

#include "nException_U.h"
#include "nFormatos_U.h"
#include "nFuzzEntrada_U.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  const qint64 ms = nFuzzNumero<qint64>(dados, tamanho);
  const QString formato = nFuzzPartes(dados, tamanho, 1).at(0);
  const QDateTime momento = QDateTime::fromMSecsSinceEpoch(ms % (qint64(400) * 365 * 86400000), Qt::UTC);
  try {
    (void)FormatDateTime(formato, momento);
    (void)FormatDateTime(formato, momento.date());
    (void)FormatDateTime(formato, QDateTime());
  } catch (const Exception &) {
  }
  return 0;
}
