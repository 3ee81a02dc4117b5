#pragma once

#include <QString>

#include "nDataModule_U.h"
#include "nPlanilha_U.h"
#include "nframework_export.h"

// The data module that owns a report spreadsheet: the end of the owner chain
// of the sheet's formulas, so that the formula functions gerEMP and gerPAG
// can ask it for the report's company and page texts.
class NFRAMEWORK_EXPORT TnDMPlanilha : public TnDataModule, public TnComponentePlanilha {
 public:
  TnDMPlanilha();
  ~TnDMPlanilha() override;

  // The report's company (0: none) and page.
  int CodigoEmpresa() const { return FCodigoEmpresa; }
  void SetCodigoEmpresa(int codigo) { FCodigoEmpresa = codigo; }
  int Pagina() const { return FPagina; }
  int TotalPaginas() const { return FTotalPaginas; }
  // `total` 0: the count is not known.
  void SetPagina(int pagina, int total = 0);

  // gerEMP(company, form): the company's name (EMPRESA.NOMEEMPRESA); with a
  // second parameter of 1, "code - name". The company is the first parameter
  // when it is given and not 0, else the report's. Raises Exception when
  // there is no company or it is not registered, or the parameter is not a
  // whole number (the formula then shows the value error).
  virtual void EmpresaFuncao(TnResultadoFormula &resultado, const TnTokenFormula *token);
  // gerPAG(): "Página n", or "Página n de t" when the count is known.
  virtual void PaginaFuncao(TnResultadoFormula &resultado, const TnTokenFormula *token);

 private:
  int FCodigoEmpresa = 0;
  int FPagina = 1;
  int FTotalPaginas = 0;
};
