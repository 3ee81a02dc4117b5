#pragma once

// What the framework's fuzz targets share: an input read as a few texts
// separated by line breaks, and a number taken from its bytes.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstring>

// The input as UTF-8 text, cut in at most `partes` pieces at its first line
// breaks (the last piece keeps the rest, line breaks included).
inline QStringList nFuzzPartes(const uint8_t *dados, size_t tamanho, int partes) {
  const QString texto = QString::fromUtf8(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
  QStringList pedacos;
  qsizetype inicio = 0;
  for (int i = 1; i < partes; ++i) {
    const qsizetype quebra = texto.indexOf(u'\n', inicio);
    if (quebra < 0) break;
    pedacos << texto.mid(inicio, quebra - inicio);
    inicio = quebra + 1;
  }
  pedacos << texto.mid(inicio);
  while (pedacos.size() < partes) pedacos << QString();
  return pedacos;
}

// The first bytes of the input as a number of the type given, zeros where
// the input ends; the bytes read are taken off the input.
template <class T>
T nFuzzNumero(const uint8_t *&dados, size_t &tamanho) {
  T valor{};
  const size_t n = tamanho < sizeof valor ? tamanho : sizeof valor;
  std::memcpy(&valor, dados, n);
  dados += n, tamanho -= n;
  return valor;
}
