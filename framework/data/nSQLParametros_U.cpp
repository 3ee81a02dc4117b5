#include "nSQLParametros_U.h"

namespace {
// Names are ASCII letters, digits and underscores: a name is found in any
// letter case, and beyond ASCII a letter's upper and lower forms may differ
// in length ("İ" lowers to two characters), so such a name could never be
// found again.
bool Letra(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool InicioDeNome(QChar c) { return Letra(c) || c == u'_'; }
bool ParteDeNome(QChar c) { return Letra(c) || (c >= u'0' && c <= u'9') || c == u'_'; }
}  // namespace

TnSQLParametros::TnSQLParametros(const QString &sql) {
  FSQLPosicional.reserve(sql.size());
  FSQLNomeado.reserve(sql.size() + 16);
  const qsizetype n = sql.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = sql[i];
    if (c == u'\'' || c == u'"') {
      // A quoted literal or identifier; a doubled quote stays inside it.
      qsizetype j = i + 1;
      while (j < n) {
        if (sql[j] == c) {
          if (j + 1 < n && sql[j + 1] == c) {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      const qsizetype fim = (j < n) ? j + 1 : n;
      FSQLPosicional += QStringView(sql).mid(i, fim - i);
      FSQLNomeado += QStringView(sql).mid(i, fim - i);
      i = fim;
    } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
      qsizetype j = sql.indexOf(u'\n', i);
      if (j < 0) j = n;
      FSQLPosicional += QStringView(sql).mid(i, j - i);
      FSQLNomeado += u' ';
      i = j;
    } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
      qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
      j = (j < 0) ? n : j + 2;
      FSQLPosicional += QStringView(sql).mid(i, j - i);
      FSQLNomeado += u' ';
      i = j;
    } else if (c == u':' && i + 1 < n && sql[i + 1] == u':') {
      FSQLPosicional += QStringLiteral("::");
      FSQLNomeado += QStringLiteral("::");
      i += 2;
    } else if (c == u':' && i + 1 < n && InicioDeNome(sql[i + 1])) {
      qsizetype j = i + 1;
      while (j < n && ParteDeNome(sql[j])) ++j;
      const QString nome = sql.mid(i + 1, j - i - 1).toUpper();
      int indice = static_cast<int>(FNomes.indexOf(nome));
      if (indice < 0) {
        indice = static_cast<int>(FNomes.size());
        FNomes.append(nome);
      }
      FOcorrencias.append(indice);
      FSQLPosicional += u'?';
      FNomesPorPosicao.append(QStringLiteral(":b") + QString::number(FOcorrencias.size() - 1));
      FSQLNomeado += FNomesPorPosicao.constLast();
      i = j;
    } else {
      FSQLPosicional += c;
      FSQLNomeado += c;
      ++i;
    }
  }
}

int TnSQLParametros::IndiceDe(const QString &nome) const {
  // Asked for every value set by name on every run of a statement: compared
  // in place, with no upper-case copy of the name.
  QStringView chave = QStringView(nome).trimmed();
  if (chave.startsWith(u':')) chave = chave.mid(1);
  for (qsizetype i = 0; i < FNomes.size(); ++i)
    if (chave.compare(FNomes.at(i), Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}
