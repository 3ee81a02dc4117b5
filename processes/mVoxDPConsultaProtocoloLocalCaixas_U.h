#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "mvoxpk_export.h"
#include "nDMPowerParamGrid_U.h"
#include "nMenuDecl_U.h"

// "Consulta de Local de Caixas": the archive boxes with their company,
// establishment, location and competence range, filtered by a period of
// competences and by company, establishment, location and box. Writes
// nothing.
//
// Period: with both dates a box is listed when its initial and its final
// competence both lie within it (a box without a final competence is not);
// with only the initial date, when its initial competence is on or after it;
// with only the final date, when its final competence is on or before it.
class MVOXPK_EXPORT TmVoxDPConsultaProtocoloLocalCaixas : public TnDMPowerParamGrid {
 public:
  TmVoxDPConsultaProtocoloLocalCaixas();
  ~TmVoxDPConsultaProtocoloLocalCaixas() override;

  static QList<TnMenuDecl> Menus();

  // The result grid's fields.
  void DataModuleCreate() override;
  // The inherited check, then the parameters as the run uses them (a date
  // that does not read counts as not given).
  void ValidarDado() override;
  // Replaces the grid's rows with the boxes of the parameters, the first
  // one current. Raises the message of a selection that does not read.
  void Executar() override;

  void CarregarDados();

  // --- the parameters as the run uses them (texts trimmed; an invalid date
  // is not given)
  void SetCodigoEmpresa(const QString &valor) { FCodigoEmpresa = valor.trimmed(); }
  void SetCodigoEstab(const QString &valor) { FCodigoEstab = valor.trimmed(); }
  void SetCodigoLocal(const QString &valor) { FCodigoLocal = valor.trimmed(); }
  void SetCodigoCaixa(const QString &valor) { FCodigoCaixa = valor.trimmed(); }
  void SetDataInicial(const QDate &valor) { FDataInicial = valor; }
  void SetDataFinal(const QDate &valor) { FDataFinal = valor; }

  // The statement of the last load, for what it selected.
  const QString &SQLCarregado() const { return FSQLCarregado; }

 private:
  QString FCodigoEmpresa;
  QString FCodigoEstab;
  QString FCodigoLocal;
  QString FCodigoCaixa;
  QDate FDataInicial;
  QDate FDataFinal;
  QString FSQLCarregado;
};
