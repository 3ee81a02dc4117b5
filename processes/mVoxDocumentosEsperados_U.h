#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include "mvoxpk_export.h"

class TnpqParamItem;
class TnpqPowerParam;

// The rule of the documents an establishment is expected to deliver, shared
// by the document generation (which writes them) and the pending-documents
// consultation (which lists those still missing), so that a month generated
// by the one shows nothing pending in the other.
//
// A document type of the establishment's group is expected when it is marked
// for automatic generation (GERARAUTO "1"), in each month its MESOCORRENCIA
// names, on the days its PERIODODOC gives: 1 monthly (day 1), 2 fortnightly
// (days 1 and 16), 3 every ten days (days 1, 11 and 21); any other period
// expects nothing.
class MVOXPK_EXPORT TmVoxDocumentosEsperados {
 public:
  // Whether month `mes` (1 to 12) is one of the ";"-separated tokens of
  // `mesOcorrencia`, compared as written: "1" is January, "01", " 1" and "10"
  // are not. A null or empty list names no month.
  static bool ContemMes(const QVariant &mesOcorrencia, int mes);

  // The days between the expected dates of a period: 0 monthly, 15
  // fortnightly, 10 every ten days; -1 for a period that expects nothing.
  static int Passo(int periodoDoc);

  // The expected dates of competence month `competencia` (any day of it) for
  // a type of period `periodoDoc` whose months are `mesOcorrencia`: none when
  // the month does not occur or the period expects nothing.
  static QList<QDate> DatasEsperadas(const QDate &competencia, int periodoDoc, const QVariant &mesOcorrencia);

  // Whether a document dated `documento` satisfies the expected date
  // `esperada` of a type of period `periodoDoc`: monthly, any day of the same
  // month; otherwise fewer whole days apart (either way) than the step.
  static bool Satisfaz(int periodoDoc, const QDate &esperada, const QDate &documento);

  // The selection of the screens that list the expected documents of one
  // month: "Competência" (pCompet, required month, position 0), "Empresa"
  // (pCodigoEmpresa, position 2) and "Estab" (pCodigoEstab, position 3),
  // both multi-selects.
  static void AdicionarParametros(TnpqPowerParam &params);
  // Day 1 of the month the competence parameter holds. Raises EnParam on it,
  // "Competência inválida!", for a value that is no month.
  static QDate LerCompetencia(const TnpqParamItem &compet);
};
