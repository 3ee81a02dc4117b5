#include "nFuncoesSuite_U.h"

bool BitLigado(const QString &valor, int n) {
  const QString procurado = QString::number(n);
  for (const QString &parte : StrToStrArray(valor, QStringLiteral(";")))
    if (parte.trimmed() == procurado) return true;
  return false;
}

QString PegarProximoToken(QString &texto, const QString &separador) {
  const qsizetype posicao = separador.isEmpty() ? -1 : texto.indexOf(separador);
  if (posicao < 0) {
    QString token = texto;
    texto.clear();
    return token;
  }
  QString token = texto.left(posicao);
  texto.remove(0, posicao + separador.size());
  return token;
}

QStringList StrToStrArray(const QString &texto, const QString &separador) {
  QStringList partes;
  QString resto = texto;
  while (!resto.isEmpty()) partes << PegarProximoToken(resto, separador);
  return partes;
}
