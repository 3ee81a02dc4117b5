#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

#include "nClientDataSet_U.h"
#include "nSQLParametros_U.h"
#include "nframework_export.h"

class TnDMConexao;

// One typed parameter of a statement. Assigning a value converts it to the
// parameter's type: the empty text is "no value" (NULL) for dates, numbers
// and integers; text given to an integer parameter is read as a number; a
// whole Float goes to the database as a 64-bit integer (bigint columns).
class NFRAMEWORK_EXPORT TnSQLParam {
 public:
  TnSQLParam() = default;
  TnSQLParam(QString name, TnFieldType dataType) : FName(std::move(name)), FDataType(dataType) {}

  const QString &Name() const { return FName; }
  TnFieldType DataType() const { return FDataType; }
  void SetDataType(TnFieldType tipo) {
    FDataType = tipo;
    FBancoValido = false;
  }
  int Size() const { return FSize; }
  void SetSize(int size) { FSize = size; }

  const QVariant &Value() const { return FValue; }
  // Raises Exception naming the parameter when the value does not convert.
  void SetValue(const QVariant &valor);
  void SetAsString(const QString &texto) { SetValue(texto); }
  void SetAsInteger(qint64 valor) { SetValue(valor); }
  void SetAsFloat(double valor) { SetValue(valor); }
  void SetAsDateTime(const QDateTime &momento) { SetValue(momento); }
  void SetAsDate(const QDate &data) { SetValue(data); }
  void Clear() {
    FValue = QVariant();
    FBancoValido = false;
  }
  bool IsNull() const { return FValue.isNull(); }

  // The value as it goes to the driver; converted once while the value stays
  // (a statement run once per row binds what did not change as it is).
  QVariant ValorParaBanco() const;

 private:
  QString FName;
  TnFieldType FDataType = TnFieldType::Unknown;
  int FSize = 0;
  QVariant FValue;
  mutable QVariant FBanco;
  mutable bool FBancoValido = false;
};

// A statement or query on the framework's connection. Parameters are the
// statement's :name placeholders, by position (order of first appearance) or
// by name in any case. Prepared once when SetPrepared(true), then executed
// with new values as often as needed.
class NFRAMEWORK_EXPORT TnSQLDataSet {
 public:
  explicit TnSQLDataSet(TnDMConexao *conexao = nullptr);
  ~TnSQLDataSet();
  TnSQLDataSet(const TnSQLDataSet &) = delete;
  TnSQLDataSet &operator=(const TnSQLDataSet &) = delete;

  void SetSQLConnection(TnDMConexao *conexao);
  void SetCommandText(const QString &sql);
  const QString &CommandText() const { return FSQL; }
  void SetPrepared(bool preparar);
  bool Prepared() const { return FPrepared; }

  int ParamCount() const { return static_cast<int>(FParams.size()); }
  TnSQLParam &Params(int index);
  TnSQLParam &ParamByName(const QString &name);  // raises when absent

  // Runs the statement; gives the rows affected.
  int ExecSQL();

  // As a query: runs it and keeps its rows. Opening again reads into the
  // same result dataset (its fields stay while the columns match).
  void Open();
  void Close();
  bool Active() const { return FResultado != nullptr; }
  TnClientDataSet &Resultado();  // the rows of the last Open
  TnField *FieldByName(const QString &name) { return Resultado().FieldByName(name); }
  bool Eof() { return Resultado().Eof(); }
  void Next() { Resultado().Next(); }
  void First() { Resultado().First(); }

 private:
  QSqlQuery &Executar();
  TnDMConexao *Conexao() const;

  TnDMConexao *FConexao;
  QString FSQL;
  std::unique_ptr<TnSQLParametros> FParametros;
  QVector<TnSQLParam> FParams;
  bool FPrepared = false;
  std::optional<QSqlQuery> FQuery;
  // The last run prepared its statement anew (its result columns may differ
  // from the previous run's).
  bool FPreparouAgora = true;
  std::unique_ptr<TnClientDataSet> FResultado;
};
