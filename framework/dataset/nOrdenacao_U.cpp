#include "nOrdenacao_U.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>

#include "nLinhasDataSet_U.h"

namespace {

template <typename T>
int Sinal(const T &a, const T &b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Decimal texts split into sign, integer digits without leading zeros and
// fraction digits without trailing zeros, so they compare as texts.
struct TnPartesDecimal {
  bool Negativo = false;
  QStringView Inteira;
  QStringView Fracao;

  explicit TnPartesDecimal(QStringView t) {
    t = t.trimmed();
    if (!t.isEmpty() && (t[0] == u'-' || t[0] == u'+')) {
      Negativo = t[0] == u'-';
      t = t.mid(1);
    }
    const qsizetype ponto = t.indexOf(u'.');
    Inteira = ponto < 0 ? t : t.left(ponto);
    if (ponto >= 0) Fracao = t.mid(ponto + 1);
    while (!Inteira.isEmpty() && Inteira[0] == u'0') Inteira = Inteira.mid(1);
    while (!Fracao.isEmpty() && Fracao.back() == u'0') Fracao.chop(1);
    if (Inteira.isEmpty() && Fracao.isEmpty()) Negativo = false;  // -0 is 0
  }
};

int Magnitude(const TnPartesDecimal &a, const TnPartesDecimal &b) {
  if (a.Inteira.size() != b.Inteira.size()) return a.Inteira.size() < b.Inteira.size() ? -1 : 1;
  if (const int r = a.Inteira.compare(b.Inteira); r != 0) return r < 0 ? -1 : 1;
  const int r = a.Fracao.compare(b.Fracao);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool Numerico(const QVariant &v) {
  if (nValorInteiro(v)) return true;
  switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

qlonglong Inteiro(const QVariant &v) {
  if (v.typeId() == QMetaType::LongLong) return *static_cast<const qlonglong *>(v.constData());
  return v.toLongLong();
}

const QString *TextoDe(const QVariant &v) {
  return v.typeId() == QMetaType::QString ? static_cast<const QString *>(v.constData()) : nullptr;
}

int CompararTextos(const QVariant &a, const QVariant &b, bool semCaixa) {
  const Qt::CaseSensitivity cs = semCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive;
  const QString *ta = TextoDe(a);
  const QString *tb = TextoDe(b);
  const int r = (ta && tb) ? QString::compare(*ta, *tb, cs) : QString::compare(a.toString(), b.toString(), cs);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace

int nCompararDecimais(QStringView a, QStringView b) {
  const TnPartesDecimal pa(a);
  const TnPartesDecimal pb(b);
  if (pa.Negativo != pb.Negativo) return pa.Negativo ? -1 : 1;
  const int r = Magnitude(pa, pb);
  return pa.Negativo ? -r : r;
}

int nCompararValores(const QVariant &a, const QVariant &b, TnFieldType tipo, bool semCaixa) {
  const bool nulo_a = a.isNull();
  const bool nulo_b = b.isNull();
  if (nulo_a || nulo_b) return nulo_a == nulo_b ? 0 : (nulo_a ? -1 : 1);
  switch (tipo) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
    case TnFieldType::Memo:
      return CompararTextos(a, b, semCaixa);
    case TnFieldType::SmallInt:
    case TnFieldType::Integer:
    case TnFieldType::LargeInt:
      if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double) return Sinal(a.toDouble(), b.toDouble());
      return Sinal(Inteiro(a), Inteiro(b));
    case TnFieldType::Float:
      return Sinal(a.toDouble(), b.toDouble());
    case TnFieldType::FMTBcd: {
      const QString *ta = TextoDe(a);
      const QString *tb = TextoDe(b);
      if (ta && tb) return nCompararDecimais(*ta, *tb);
      return nCompararDecimais(a.toString(), b.toString());
    }
    case TnFieldType::Date:
      if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate)
        return Sinal(static_cast<const QDate *>(a.constData())->toJulianDay(),
                     static_cast<const QDate *>(b.constData())->toJulianDay());
      return Sinal(a.toDate().toJulianDay(), b.toDate().toJulianDay());
    case TnFieldType::DateTime: {
      // Wall-clock values: date first, then time, whatever the time spec.
      const QDateTime da = a.toDateTime();
      const QDateTime db = b.toDateTime();
      if (const int r = Sinal(da.date().toJulianDay(), db.date().toJulianDay()); r != 0) return r;
      return Sinal(da.time().msecsSinceStartOfDay(), db.time().msecsSinceStartOfDay());
    }
    case TnFieldType::Boolean:
      return Sinal(a.toBool(), b.toBool());
    case TnFieldType::Unknown:
      break;
  }
  if (Numerico(a) && Numerico(b)) return Sinal(a.toDouble(), b.toDouble());
  return CompararTextos(a, b, semCaixa);
}

int TnOrdenacao::Comparar(const QVector<QVariant> &a, const QVector<QVariant> &b) const {
  for (const TnChaveOrdem &chave : FChaves) {
    const int r = nCompararValores(a.at(chave.Campo), b.at(chave.Campo), chave.Tipo, chave.SemCaixa);
    if (r != 0) return chave.Descendente ? -r : r;
  }
  return 0;
}

int TnOrdenacao::CompararComValores(const QVector<QVariant> &linha, const QVariantList &valores, bool parcial) const {
  const int n = std::min<int>(static_cast<int>(valores.size()), Tamanho());
  for (int i = 0; i < n; ++i) {
    const TnChaveOrdem &chave = FChaves.at(i);
    const QVariant &valor = linha.at(chave.Campo);
    int r = 0;
    if (parcial && i == n - 1 && nTipoTexto(chave.Tipo) && !valor.isNull() && !valores.at(i).isNull()) {
      // The last value given may be the start of the key.
      const QString procurado = valores.at(i).toString();
      const QString texto = valor.toString().left(procurado.size());
      const int c = QString::compare(texto, procurado, chave.SemCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive);
      r = c < 0 ? -1 : (c > 0 ? 1 : 0);
    } else {
      r = nCompararValores(valor, valores.at(i), chave.Tipo, chave.SemCaixa);
    }
    if (r != 0) return chave.Descendente ? -r : r;
  }
  return 0;
}

bool TnOrdenacao::MesmaChave(const QVector<QVariant> &a, const QVector<QVariant> &b) const {
  for (const TnChaveOrdem &chave : FChaves)
    if (nCompararValores(a.at(chave.Campo), b.at(chave.Campo), chave.Tipo, false) != 0) return false;
  return true;
}

namespace {

// A key value taken out of its row for sorting: whole numbers, dates and
// date-times as a number that orders like them (wall clock for date-times),
// anything else by the value itself.
struct TnValorChave {
  const QVariant *Valor;
  const QString *Texto;  // a text key's value, when it holds a QString
  qint64 Numero;
  bool Nulo;
};

bool ChaveNumerica(TnFieldType tipo) {
  return nTipoInteiro(tipo) || tipo == TnFieldType::Date || tipo == TnFieldType::DateTime ||
         tipo == TnFieldType::Boolean;
}

// False when the value is not in the form its type keeps (then the column is
// compared value by value).
bool Numero(const QVariant &v, TnFieldType tipo, qint64 &numero) {
  switch (v.typeId()) {
    case QMetaType::LongLong:
      numero = *static_cast<const qlonglong *>(v.constData());
      return nTipoInteiro(tipo);
    case QMetaType::QDate:
      numero = static_cast<const QDate *>(v.constData())->toJulianDay();
      return tipo == TnFieldType::Date;
    case QMetaType::QDateTime: {
      const QDateTime &momento = *static_cast<const QDateTime *>(v.constData());
      numero = momento.date().toJulianDay() * 86400000LL + momento.time().msecsSinceStartOfDay();
      return tipo == TnFieldType::DateTime;
    }
    case QMetaType::Bool:
      numero = v.toBool() ? 1 : 0;
      return tipo == TnFieldType::Boolean;
    default:
      return false;
  }
}

}  // namespace

void TnOrdenacao::Ordenar(std::vector<int> &posicoes, const TnLinhasDataSet &linhas) const {
  // The keys are taken out of the rows once, so the sort compares compact
  // numbers instead of chasing every row's values at every comparison.
  const size_t n = posicoes.size();
  const size_t k = static_cast<size_t>(FChaves.size());
  std::vector<TnValorChave> chaves(n * k);
  std::vector<char> numerica(k);  // bytes, not bits: read at every comparison
  std::vector<char> textual(k);
  for (size_t c = 0; c < k; ++c) {
    numerica[c] = ChaveNumerica(FChaves[static_cast<qsizetype>(c)].Tipo);
    textual[c] = nTipoTexto(FChaves[static_cast<qsizetype>(c)].Tipo);
  }
  for (size_t i = 0; i < n; ++i) {
    const QVector<QVariant> &linha = linhas.Valores(posicoes[i]);
    for (size_t c = 0; c < k; ++c) {
      const TnChaveOrdem &chave = FChaves[static_cast<qsizetype>(c)];
      TnValorChave &valor = chaves[i * k + c];
      valor.Valor = &linha.at(chave.Campo);
      valor.Nulo = valor.Valor->isNull();
      valor.Numero = 0;
      valor.Texto = nullptr;
      if (valor.Nulo) continue;
      if (numerica[c] && !Numero(*valor.Valor, chave.Tipo, valor.Numero)) numerica[c] = false;
      if (textual[c]) {
        valor.Texto = TextoDe(*valor.Valor);
        if (!valor.Texto) textual[c] = false;
      }
    }
  }
  std::vector<Qt::CaseSensitivity> caixa(k);
  for (size_t c = 0; c < k; ++c)
    caixa[c] = FChaves[static_cast<qsizetype>(c)].SemCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive;
  std::vector<quint64> desempates(n);
  std::vector<int> ordem(n);
  for (size_t i = 0; i < n; ++i) {
    desempates[i] = linhas.Desempate(posicoes[i]);
    ordem[i] = static_cast<int>(i);
  }
  std::sort(ordem.begin(), ordem.end(), [&](int a, int b) {
    const TnValorChave *ca = &chaves[static_cast<size_t>(a) * k];
    const TnValorChave *cb = &chaves[static_cast<size_t>(b) * k];
    for (size_t c = 0; c < k; ++c) {
      int r;
      if (ca[c].Nulo || cb[c].Nulo) r = ca[c].Nulo == cb[c].Nulo ? 0 : (ca[c].Nulo ? -1 : 1);
      else if (numerica[c]) r = ca[c].Numero < cb[c].Numero ? -1 : (ca[c].Numero > cb[c].Numero ? 1 : 0);
      else if (textual[c]) r = ca[c].Texto->compare(*cb[c].Texto, caixa[c]);
      else {
        const TnChaveOrdem &chave = FChaves[static_cast<qsizetype>(c)];
        r = nCompararValores(*ca[c].Valor, *cb[c].Valor, chave.Tipo, chave.SemCaixa);
      }
      if (r != 0) return FChaves[static_cast<qsizetype>(c)].Descendente ? r > 0 : r < 0;
    }
    return desempates[static_cast<size_t>(a)] < desempates[static_cast<size_t>(b)];
  });
  std::vector<int> ordenados(n);
  for (size_t i = 0; i < n; ++i) ordenados[i] = posicoes[static_cast<size_t>(ordem[i])];
  posicoes.swap(ordenados);
}
