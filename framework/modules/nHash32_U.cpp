#include "nHash32_U.h"

#include <QByteArray>

quint32 TnHash32::HashValue(const QString &texto) const {
  constexpr quint32 kBase = 2166136261u;
  constexpr quint32 kPrimo = 16777619u;
  quint32 hash = kBase;
  const QByteArray bytes = texto.toUtf8();
  for (const char c : bytes) {
    hash ^= static_cast<quint8>(c);
    hash *= kPrimo;
  }
  return hash;
}
