#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>
#include <limits>
#include <memory>
#include <vector>

#include "nField_U.h"

// Turns the values a driver returns into the canonical values of a dataset's
// fields (see TnField), one row at a time as the rows are read. This runs for
// every value of every row loaded, so the common cases (what each engine
// returns for each column type) are handled here by hand; anything else goes
// through the field's own conversion. Short texts that repeat (the
// one-character codes) share one copy per distinct value, which saves an
// allocation and its memory per value.
class TnCanonizador {
 public:
  // The first `colunas` fields take the row's values, in order.
  TnCanonizador(const std::vector<std::unique_ptr<TnField>> &campos, int colunas);
  void Linha(QVariant *valores);

  // "YYYY-MM-DD", as SQLite keeps dates (and as a date-time begins); an
  // invalid date for any other text.
  static QDate Data(const QString &texto);

 private:
  static constexpr int kComuns = 8;
  static constexpr int kTamanhoComum = 4;

  struct TnColuna {
    const TnField *Campo = nullptr;
    TnFieldType Tipo = TnFieldType::Unknown;
    int Tamanho = 0;
    QVariant Comuns[kComuns];
    int QtdComuns = 0;
  };

  // Date-times of the local wall clock, made without asking the C library
  // for the zone of each one: QDateTime's local-time constructor calls
  // tzset(), which reads the zone file's status on every call when TZ is
  // unset, and that alone would make loading rows several times slower. Each
  // day's offset is asked once; the values carry it as a fixed offset: the
  // same instant, date() and time() as the local-time value. A day whose
  // offset changes (daylight saving) takes the slow way for every value.
  class TnRelogioLocal {
   public:
    QDateTime Criar(const QDate &data, const QTime &hora);

   private:
    QHash<qint64, int> FDeslocamentos;
    qint64 FUltimoDia = std::numeric_limits<qint64>::min();
    int FUltimoDeslocamento = 0;
  };

  void Valor(QVariant &v, TnColuna &coluna);
  // "YYYY-MM-DD HH:MM:SS[.zzz]", as SQLite keeps date-times.
  QDateTime DataHora(const QString &texto);
  static void Compartilhar(QVariant &v, const QString &texto, TnColuna &coluna);

  std::vector<TnColuna> FColunas;
  TnRelogioLocal FRelogio;
};
