#pragma once

// The suite's lists of companies and establishments that processes walk.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <memory>

#include "nClientDataSet_U.h"
#include "nframework_export.h"

// The establishments of the selected companies: fields CODIGOEMPRESA,
// CODIGOESTAB (integers), NOMEEMPRESA and APELIDOESTAB (the nickname, or the
// name for an establishment without one), ordered by company and
// establishment. `empresas` and `estabs` are multi-select texts ("1;2",
// "2-3", as FilterInterval reads them); an empty text selects every one, so
// two empty texts give every establishment of every company. Raises Exception
// for a text that is not a selection. The caller owns the dataset.
NFRAMEWORK_EXPORT std::unique_ptr<TnClientDataSet> CriarListaEmpresaEstab(const QString &empresas,
                                                                          const QString &estabs);

// The establishments of the selection that work in the competence range
// [compIni, compFim]: the company is active (EMPRESA.ATIVA = '1') and the
// establishment started on or before the range's last day (or has no start)
// and did not close before its first day (or has no end). An invalid date
// leaves its end of the range open. Fields CodigoEmpresa, CodigoEstab
// (integers), NomeEmpresa, ApelidoEstab, in that order (names match in any
// case, as every query field's do), ordered by company and establishment. The
// caller owns the dataset (DestruirSQL).
NFRAMEWORK_EXPORT std::unique_ptr<TnClientDataSet> CriarListaEstabAtiva(const QString &empresas, const QString &estabs,
                                                                        const QDate &compIni, const QDate &compFim);
// The same for competences given as moments (the first and the last moment of
// their months): only their days count.
NFRAMEWORK_EXPORT std::unique_ptr<TnClientDataSet> CriarListaEstabAtiva(const QString &empresas, const QString &estabs,
                                                                        const QDateTime &compIni,
                                                                        const QDateTime &compFim);
