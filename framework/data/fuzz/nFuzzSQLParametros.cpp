// Fuzz target of the :name placeholder parser: any statement text. Whatever
// it parses, the names it answers are distinct, each found again by
// IndiceDe, every placeholder points at one of them, and the text prepared
// for the driver holds each placeholder under its own name; a broken promise
// aborts, as a sanitizer fault does.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "nSQLParametros_U.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  const QString sql = QString::fromUtf8(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
  const TnSQLParametros parametros(sql);
  const QStringList &nomes = parametros.Nomes();
  for (int i = 0; i < nomes.size(); ++i) {
    if (nomes.at(i).isEmpty() || parametros.IndiceDe(nomes.at(i)) != i ||
        parametros.IndiceDe(u':' + nomes.at(i).toLower()) != i)
      std::abort();
  }
  for (const int indice : parametros.Ocorrencias())
    if (indice < 0 || indice >= nomes.size()) std::abort();
  // Without a placeholder the statement runs as it stands.
  if (nomes.isEmpty() && parametros.SQLPosicional() != sql) std::abort();
  // The text the driver gets holds exactly the placeholders named for it,
  // in order, each once.
  const QStringList &porPosicao = parametros.NomesPorPosicao();
  if (porPosicao.size() != parametros.Ocorrencias().size()) std::abort();
  const TnSQLParametros nomeado(parametros.SQLNomeado());
  if (nomeado.Ocorrencias().size() != porPosicao.size() || nomeado.Nomes().size() != porPosicao.size()) std::abort();
  for (int i = 0; i < porPosicao.size(); ++i)
    if (nomeado.Ocorrencias().at(i) != i || u':' + nomeado.Nomes().at(i) != porPosicao.at(i).toUpper()) std::abort();
  return 0;
}
