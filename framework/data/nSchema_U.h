#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "nframework_export.h"

class TnDMConexao;
enum class TnTipoServidor;

// Column types of the suite's database, as the tables declare them. Each maps
// to one type on every engine (see TnSchema::TipoSQL).
enum class TnTipoColuna {
  SmallInt,
  Integer,
  BigInt,
  Numeric,    // Tamanho = precision, Escala = scale
  VarChar,    // Tamanho = maximum length
  Char,       // fixed length; Tamanho = length
  Memo,       // text of any length
  Date,       // a day, never a time
  Timestamp,  // date and time, no time zone
};

struct NFRAMEWORK_EXPORT TnColunaDef {
  QString Nome;
  TnTipoColuna Tipo = TnTipoColuna::Integer;
  int Tamanho = 0;
  int Escala = 0;
  bool Obrigatoria = false;  // NOT NULL
};

struct NFRAMEWORK_EXPORT TnIndiceDef {
  QString Nome;
  QStringList Colunas;
};

// Columns of a table that name a row of another (or the same) table. The
// database refuses a code that names no row, and the deletion of a row still
// named. Nulls name nothing.
struct NFRAMEWORK_EXPORT TnChaveEstrangeiraDef {
  QString Nome;  // FK_<TABLE>_<…>, global on both engines
  QStringList Colunas;
  QString TabelaReferida;
  QStringList ColunasReferidas;  // its key, in the order of Colunas
};

struct NFRAMEWORK_EXPORT TnTabelaDef {
  QString Nome;
  QList<TnColunaDef> Colunas;  // in the table's column order
  QStringList ChavePrimaria;
  QList<TnIndiceDef> Indices;
  QList<TnChaveEstrangeiraDef> ChavesEstrangeiras;
  // What the user calls its rows ("Itens de protocolo"); messages name the
  // table by it.
  QString Descricao;

  const TnColunaDef *Coluna(const QString &nome) const;  // any case; null when absent
};

// Every table the program needs: the module's own, the other suite modules'
// that it reads, and the framework's. The conversion creates them.
class NFRAMEWORK_EXPORT TnSchema {
 public:
  static const QList<TnTabelaDef> &Tabelas();
  static const TnTabelaDef *Tabela(const QString &nome);  // any case; null when absent
  // The foreign keys of every table that name rows of `tabela`, with the
  // table that holds each.
  static QList<QPair<const TnTabelaDef *, const TnChaveEstrangeiraDef *>> Referencias(const QString &tabela);
  // The type a column of this name has wherever it is declared, when all the
  // tables that declare it agree on the type; empty otherwise. Used to type
  // the columns of free query results on engines that do not report them.
  static std::optional<TnTipoColuna> TipoColuna(const QString &nome);
  // The column's type as the engine declares it. Strings carry no length on
  // PostgreSQL: lengths are checked by named constraints on both engines, so
  // an overlong value is refused with the same message everywhere.
  static QString TipoSQL(const TnColunaDef &coluna, TnTipoServidor servidor);
  // The name of the constraint that refuses values longer than the column:
  // TAM_<TABLE>__<COLUMN>__<length>, which the dialect's error translation
  // reads back to name the column to the user.
  static QString NomeRestricaoTamanho(const QString &tabela, const TnColunaDef &coluna);
};

// The database conversion: creates, idempotently, every table of TnSchema with
// its keys, foreign keys and indexes (and whatever the engine needs to keep
// dates and lengths honest), adds columns missing from older tables and the
// foreign keys older tables lack, then calls the post-conversion hook when
// one is set. Raises EDatabaseError on failure.
//
// A foreign key that rows of an older database break is not added, and
// those rows are left as they are: the answer lists one notice per such key
// (table, columns, how many rows), in Portuguese, for the user to correct
// the rows; the next conversion adds the key. Empty when all went in.
NFRAMEWORK_EXPORT QStringList nConverterBanco(TnDMConexao &conexao);

// The hook run after each conversion (the shell sets it). Empty clears it.
NFRAMEWORK_EXPORT void nSetDepoisConverter(std::function<void()> hook);

// Loads the sample office (companies, establishments, users, taxes, debits,
// payroll, invoices, receivables and the module's own configuration rows)
// into a converted, empty database, in one transaction.
NFRAMEWORK_EXPORT void nCarregarDadosExemplo(TnDMConexao &conexao);
