#pragma once

#include <QString>
#include <optional>

#include "nframework_export.h"

// An exact decimal: a whole mantissa and a number of decimals, enough for the
// suite's amounts (numeric(18,2) and the like). Sums of money go through this
// type, never through binary floating point.
class NFRAMEWORK_EXPORT TnDecimal {
 public:
  constexpr TnDecimal(qint64 mantissa = 0, int escala = 0) : FMantissa(mantissa), FEscala(escala) {}

  // Reads "1234.56", "-0.5", "12" and the pt-BR forms "1234,56" and
  // "1.234,56" (with a comma, dots are thousands). Empty when the text is no
  // number or does not fit 18 digits.
  static std::optional<TnDecimal> DoTexto(const QString &texto);
  // The nearest decimal with `escala` decimals. Raises Exception for a value
  // that is not finite or does not fit 18 digits with them.
  static TnDecimal DoDouble(double valor, int escala);

  qint64 Mantissa() const { return FMantissa; }
  int Escala() const { return FEscala; }

  // Rounded half away from zero (or widened) to `escala` decimals. Raises
  // Exception when the widened value would not fit 18 digits.
  TnDecimal Arredondar(int escala) const;
  // Canonical text: '.' separator and exactly Escala() decimals.
  QString Texto() const;
  bool EhInteiro() const;
  // Whether the whole part has at most `digitos` digits.
  bool CabeEm(int digitos) const;
  qint64 ParaInteiro() const;  // truncates toward zero
  double ParaDouble() const;

  TnDecimal operator+(const TnDecimal &outro) const;
  TnDecimal operator-(const TnDecimal &outro) const;
  bool operator==(const TnDecimal &outro) const { return Comparar(outro) == 0; }
  bool operator<(const TnDecimal &outro) const { return Comparar(outro) < 0; }
  int Comparar(const TnDecimal &outro) const;

 private:
  qint64 FMantissa;
  int FEscala;
};
