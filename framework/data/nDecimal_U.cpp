#include "nDecimal_U.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "nException_U.h"

namespace {
constexpr qint64 kPotencias[] = {1LL,
                                 10LL,
                                 100LL,
                                 1000LL,
                                 10000LL,
                                 100000LL,
                                 1000000LL,
                                 10000000LL,
                                 100000000LL,
                                 1000000000LL,
                                 10000000000LL,
                                 100000000000LL,
                                 1000000000000LL,
                                 10000000000000LL,
                                 100000000000000LL,
                                 1000000000000000LL,
                                 10000000000000000LL,
                                 100000000000000000LL,
                                 1000000000000000000LL};
constexpr int kMaxDigitos = 18;
}  // namespace

std::optional<TnDecimal> TnDecimal::DoTexto(const QString &texto) {
  QString t = texto.trimmed();
  if (t.isEmpty()) return std::nullopt;
  if (t.contains(u',')) {
    t.remove(u'.');
    t.replace(u',', u'.');
  }
  bool negativo = false;
  qsizetype i = 0;
  if (t[0] == u'-' || t[0] == u'+') {
    negativo = t[0] == u'-';
    i = 1;
  }
  qint64 mantissa = 0;
  int escala = 0;
  int digitos = 0;
  bool ponto = false;
  bool algum = false;
  for (; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c == u'.') {
      if (ponto) return std::nullopt;
      ponto = true;
      continue;
    }
    if (!c.isDigit()) return std::nullopt;
    algum = true;
    if (digitos == 0 && c == u'0' && !ponto) continue;  // leading zeros
    if (++digitos > kMaxDigitos) {
      // Decimals beyond what fits are rounded away; whole digits are not.
      if (!ponto) return std::nullopt;
      if (c.digitValue() >= 5) ++mantissa;
      break;
    }
    mantissa = mantissa * 10 + c.digitValue();
    if (ponto) ++escala;
  }
  if (!algum) return std::nullopt;
  return TnDecimal(negativo ? -mantissa : mantissa, escala);
}

TnDecimal TnDecimal::DoDouble(double valor, int escala) {
  escala = std::clamp(escala, 0, kMaxDigitos);
  const double escalado = valor * static_cast<double>(kPotencias[escala]);
  if (!std::isfinite(escalado) || std::fabs(escalado) >= 1e18) throw Exception(QStringLiteral("Valor numérico fora do intervalo."));
  const double inteiro = std::round(escalado);
  // Far from a half, the nearest whole mantissa is the answer. Near a half the
  // binary value may sit just below it (1.005 is 1.00499999…): round through
  // the shortest text of the value instead, as a person would read it.
  if (std::fabs(escalado) < 9.0e15 && std::fabs(std::fabs(escalado - inteiro) - 0.5) > 1e-6)
    return TnDecimal(static_cast<qint64>(inteiro), escala);
  const auto lido = DoTexto(QString::number(valor, 'g', 15));
  if (lido) return lido->Arredondar(escala);
  return TnDecimal(static_cast<qint64>(inteiro), escala);
}

TnDecimal TnDecimal::Arredondar(int escala) const {
  escala = std::clamp(escala, 0, kMaxDigitos);
  if (escala == FEscala) return *this;
  if (escala > FEscala) {
    const qint64 fator = kPotencias[escala - FEscala];
    if (std::llabs(FMantissa) > std::numeric_limits<qint64>::max() / fator)
      throw Exception(QStringLiteral("Valor numérico fora do intervalo."));
    return TnDecimal(FMantissa * fator, escala);
  }
  const qint64 divisor = kPotencias[FEscala - escala];
  qint64 q = FMantissa / divisor;
  const qint64 r = FMantissa % divisor;
  if (std::llabs(r) * 2 >= divisor) q += (FMantissa < 0 ? -1 : 1);
  return TnDecimal(q, escala);
}

QString TnDecimal::Texto() const {
  const bool negativo = FMantissa < 0;
  QString digitos = QString::number(negativo ? -static_cast<quint64>(FMantissa) : static_cast<quint64>(FMantissa));
  if (FEscala > 0) {
    if (digitos.size() <= FEscala) digitos = QString(FEscala - digitos.size() + 1, u'0') + digitos;
    digitos.insert(digitos.size() - FEscala, u'.');
  }
  return negativo ? QStringLiteral("-") + digitos : digitos;
}

bool TnDecimal::CabeEm(int digitos) const {
  if (digitos >= kMaxDigitos) return true;
  if (digitos < 0) return false;
  const qint64 inteiro = std::llabs(FMantissa / kPotencias[FEscala]);
  return inteiro < kPotencias[digitos];
}

bool TnDecimal::EhInteiro() const { return FEscala == 0 || FMantissa % kPotencias[FEscala] == 0; }

qint64 TnDecimal::ParaInteiro() const { return FMantissa / kPotencias[FEscala]; }

double TnDecimal::ParaDouble() const { return Texto().toDouble(); }

TnDecimal TnDecimal::operator+(const TnDecimal &outro) const {
  const int escala = std::max(FEscala, outro.FEscala);
  return TnDecimal(Arredondar(escala).FMantissa + outro.Arredondar(escala).FMantissa, escala);
}

TnDecimal TnDecimal::operator-(const TnDecimal &outro) const {
  const int escala = std::max(FEscala, outro.FEscala);
  return TnDecimal(Arredondar(escala).FMantissa - outro.Arredondar(escala).FMantissa, escala);
}

int TnDecimal::Comparar(const TnDecimal &outro) const {
  const int escala = std::max(FEscala, outro.FEscala);
  const qint64 a = Arredondar(escala).FMantissa;
  const qint64 b = outro.Arredondar(escala).FMantissa;
  return a < b ? -1 : (a > b ? 1 : 0);
}
