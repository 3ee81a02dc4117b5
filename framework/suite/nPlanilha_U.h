#pragma once

// The spreadsheet's formula machinery as the formula functions see it: the
// global repository of named functions, the result object an evaluation
// writes to, and the chain of owners from a formula up to the data module
// that owns the sheet (TnDMPlanilha). The spreadsheet library registers its
// functions here when it loads; the sheet evaluates a call by name.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <utility>

#include "nframework_export.h"

// The parameters of one function call, as the sheet evaluated them.
struct NFRAMEWORK_EXPORT TnTokenFormula {
  QVariantList Parametros;
};

// An object of a sheet's ownership chain: a cell, the sheet, the spreadsheet
// control, the data module that owns it. Owners are not owned.
class NFRAMEWORK_EXPORT TnComponentePlanilha {
 public:
  explicit TnComponentePlanilha(TnComponentePlanilha *owner = nullptr) : FOwner(owner) {}
  virtual ~TnComponentePlanilha();
  TnComponentePlanilha *Owner() const { return FOwner; }
  void SetOwner(TnComponentePlanilha *owner) { FOwner = owner; }

 private:
  TnComponentePlanilha *FOwner;
};

// A formula of a sheet; `Dono` is the object that holds it (its cell).
class NFRAMEWORK_EXPORT TnFormulaPlanilha {
 public:
  explicit TnFormulaPlanilha(TnComponentePlanilha *dono = nullptr, QString texto = QString())
      : FDono(dono), FTexto(std::move(texto)) {}
  virtual ~TnFormulaPlanilha();
  TnComponentePlanilha *Dono() const { return FDono; }
  void SetDono(TnComponentePlanilha *dono) { FDono = dono; }
  const QString &Texto() const { return FTexto; }

 private:
  TnComponentePlanilha *FDono;
  QString FTexto;
};

// Error codes of a formula result.
inline constexpr int nErroFormulaNenhum = 0;
inline constexpr int nErroFormulaValor = 3;  // the value error a failed function shows

// What an evaluation reads its parameters from and writes its value to.
class NFRAMEWORK_EXPORT TnResultadoFormula {
 public:
  explicit TnResultadoFormula(TnFormulaPlanilha *formula = nullptr) : FFormula(formula) {}
  virtual ~TnResultadoFormula();

  // The formula being evaluated; null for a call outside any sheet.
  TnFormulaPlanilha *Formula() const { return FFormula; }

  // How many parameters the call has (0 without a token).
  virtual int GetParamsCount(const TnTokenFormula *token) const;
  // The parameter at `indice` (from 0) as the sheet evaluated it: numbers as
  // numbers, texts as their text. False, leaving `valor` alone, when there is
  // no such parameter.
  virtual bool ExtractNumericParameter(QVariant &valor, const TnTokenFormula *token, int indice) const;
  // The function's value.
  virtual void AddValue(const QVariant &valor);
  // Marks the result as failed with `codigo` (3: the value error); the cell
  // shows the error and no value.
  virtual void SetError(int codigo);

  // The value last added (null when none or after an error) and the error.
  QVariant Valor() const { return FErro == nErroFormulaNenhum ? FValor : QVariant(); }
  int Erro() const { return FErro; }

 private:
  TnFormulaPlanilha *FFormula;
  QVariant FValor;
  int FErro = nErroFormulaNenhum;
};

// The procedures a function registers: its evaluation, and the description of
// its parameters (their count and, for each, the sheet's kind ordinal).
using TnProcAvaliarFormula = std::function<void(TnResultadoFormula &resultado, const TnTokenFormula *token)>;
using TnProcInfoParametros = std::function<void(int &quantidade, QList<int> &tipos)>;

struct NFRAMEWORK_EXPORT TnFuncaoPlanilha {
  QString Nome;
  TnProcAvaliarFormula Avaliar;
  TnProcInfoParametros InfoParametros;
  int TipoResultado = 0;
  int Token = 0;
  int TipoFuncao = 0;
};

// The global repository of the sheet's functions, by name (any case).
// Functions stay for the life of the process: a library that registers them
// is never asked to take them back.
class NFRAMEWORK_EXPORT TnRepositorioFuncoesPlanilha {
 public:
  TnRepositorioFuncoesPlanilha();
  ~TnRepositorioFuncoesPlanilha();
  TnRepositorioFuncoesPlanilha(const TnRepositorioFuncoesPlanilha &) = delete;
  TnRepositorioFuncoesPlanilha &operator=(const TnRepositorioFuncoesPlanilha &) = delete;

  // Adds a function; one of the same name is replaced in its place (a library
  // loaded again brings its procedures anew). Raises Exception for an empty
  // name or a missing evaluation.
  void Add(const QString &nome, TnProcAvaliarFormula avaliar, TnProcInfoParametros infoParametros, int tipoResultado,
           int token, int tipoFuncao);
  int Count() const { return static_cast<int>(FFuncoes.size()); }
  // Null when there is none; valid until the next Add.
  const TnFuncaoPlanilha *Encontrar(const QString &nome) const;
  const TnFuncaoPlanilha *EncontrarPorToken(int token) const;
  QStringList Nomes() const;
  // Evaluates a call of the named function; false when there is none.
  bool Avaliar(const QString &nome, TnResultadoFormula &resultado, const TnTokenFormula *token) const;

 private:
  QList<TnFuncaoPlanilha> FFuncoes;
};

// The repository the sheet evaluates with.
NFRAMEWORK_EXPORT TnRepositorioFuncoesPlanilha *dxSpreadSheetFunctionsRepository();
