// Fuzz target of the selection-list parser (FilterInterval): the text is a
// selection as a user types it ("1;3;5-9"), the first byte chooses inclusion
// or exclusion. A selection is refused with the framework's exception or
// becomes a condition made only of the column, numbers and the parser's own
// words: nothing typed reaches SQL.
#include <QRegularExpression>
#include <cstdlib>

#include "nException_U.h"
#include "nFuzzEntrada_U.h"
#include "nSQLFuncoes_U.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  if (tamanho == 0) return 0;
  const int inclusao = (dados[0] & 1) ? 2 : 1;
  const bool juntar = dados[0] & 2;
  const QString selecao = nFuzzPartes(dados + 1, tamanho - 1, 1).at(0);
  static const QRegularExpression seguro(QStringLiteral(
      "^( and    )?[()0-9, ]*((CODIGO|in|not|between|and|or|=|<>|1=1)[()0-9, ]*)*$"));
  try {
    const QString condicao = FilterInterval(QStringLiteral("CODIGO"), selecao, inclusao, juntar, 0);
    if (!seguro.match(condicao).hasMatch()) std::abort();
  } catch (const Exception &) {
  }
  return 0;
}
