#pragma once

#include <QString>

#include "nDMPowerParam_U.h"
#include "nframework_export.h"

// The process with a parameter panel and a read-only result grid
// (consultations). When it is given a select (SetSQLConsulta), the base run
// loads nClientDataSet from it: each :name of the statement takes the value of
// the parameter of that name (any case), and the form's grid, bound before
// the result had fields, gets its columns. Without one, the run is the
// descendant's to write.
class NFRAMEWORK_EXPORT TnDMPowerParamGrid : public TnDMPowerParam {
 public:
  TnDMPowerParamGrid();
  ~TnDMPowerParamGrid() override;

  const QString &SQLConsulta() const { return FSQLConsulta; }
  void SetSQLConsulta(const QString &sql) { FSQLConsulta = sql; }

  // ValidarDado, then the select when there is one. Raises Exception when a
  // :name of the select names no parameter.
  void Executar() override;

 private:
  QString FSQLConsulta;
};
