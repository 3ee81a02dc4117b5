#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

#include "nField_U.h"
#include "nframework_export.h"

// The definition of one field before the dataset is created.
struct NFRAMEWORK_EXPORT TnFieldDef {
  QString Name;
  TnFieldType DataType = TnFieldType::String;
  int Size = 0;
  int Precision = 0;
  int Scale = 0;
  bool Required = false;
};

enum class TnDataSetState { Inactive, Browse, Edit, Insert };

// The framework's client dataset: rows kept in memory with a cursor over
// them. It serves free query results (ExecutarSQL) and in-memory datasets
// (field definitions + CreateDataSet).
//
// Rules callers rely on: field names match in any case; a move or an Append
// first posts a pending edit; Post and Cancel in browse do nothing; Delete
// leaves the next row current, and Eof true after the last, so
// "while not Eof: delete or Next" loops end; RecordCount does not count a row
// being inserted.
class NFRAMEWORK_EXPORT TnClientDataSet {
 public:
  TnClientDataSet();
  virtual ~TnClientDataSet();
  TnClientDataSet(const TnClientDataSet &) = delete;
  TnClientDataSet &operator=(const TnClientDataSet &) = delete;

  // Structure.
  QList<TnFieldDef> &FieldDefs() { return FFieldDefs; }
  const QList<TnFieldDef> &FieldDefs() const { return FFieldDefs; }
  void AddFieldDef(const QString &name, TnFieldType type, int size = 0, bool required = false, int precision = 0,
                   int scale = 0);
  // Creates the fields from FieldDefs and opens the dataset empty.
  void CreateDataSet();
  // Loads every row of an executed query, typing the columns from the
  // reported types, the schema's column types and the values themselves.
  void CarregarDaQuery(QSqlQuery &query);
  void Close();
  bool Active() const { return FState != TnDataSetState::Inactive; }
  TnDataSetState State() const { return FState; }

  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TnField *Fields(int index) const { return FFields.at(static_cast<size_t>(index)).get(); }
  // Raises Exception naming the field when absent.
  TnField *FieldByName(const QString &name) const;
  TnField *FindField(const QString &name) const;  // null when absent
  int IndexOfField(const QString &name) const;    // -1 when absent

  // Navigation over the rows.
  void First();
  void Next();
  void Prior();
  void Last();
  bool Eof() const { return FEof; }
  bool Bof() const { return FBof; }
  bool IsEmpty() const { return FRows.empty(); }
  int RecordCount() const { return static_cast<int>(FRows.size()); }
  int RecNo() const;  // 1-based; 0 when there is no current row
  void SetRecNo(int recNo);

  // Editing.
  void Append();
  void Insert();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  void EmptyDataSet();

  // The value of a field in the current row (or the row being edited).
  QVariant ValorCampo(int index) const;
  void SetValorCampo(int index, const QVariant &valor);
  // The stored value of the current row before the current edit; null while
  // inserting.
  QVariant ValorAntigoCampo(int index) const;
  // Adds a field after creation (lookup and calculated fields); rows get an
  // empty slot for it. The dataset owns the field.
  TnField *AdicionarCampo(std::unique_ptr<TnField> campo);
  // The statement a free query result came from (RefreshSQL runs it again).
  const QString &CommandText() const { return FCommandText; }
  void SetCommandText(const QString &sql) { FCommandText = sql; }

  // The values of a stored row, by field index.
  const QVector<QVariant> &Linha(int row) const { return FRows.at(static_cast<size_t>(row)); }

 private:
  void CriarCampos();
  void ChecarAtivo() const;
  void ChecarLinhaAtual() const;
  void Posicionar(int row);

  QString FCommandText;
  QList<TnFieldDef> FFieldDefs;
  std::vector<std::unique_ptr<TnField>> FFields;
  std::vector<QVector<QVariant>> FRows;
  QVector<QVariant> FBuffer;  // the row being edited or inserted
  TnDataSetState FState = TnDataSetState::Inactive;
  int FCurrent = -1;          // index of the current row; -1 when none
  int FInsertPos = 0;         // where an Insert/Append row goes when posted
  bool FEof = true;
  bool FBof = true;
};
