#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "nDMConexao_U.h"

// Every table of a database as it stands: its rows, in a canonical order,
// and their checksum. Two pictures are equal when every table holds the same
// rows with the same values, whatever order the engine returns them in.
class TnFotoBanco {
 public:
  struct TnTabela {
    QStringList Linhas;  // one text per row, sorted
    QByteArray Soma;     // SHA-256 of the sorted rows
  };

  static TnFotoBanco Tirar(TnDMConexao &conexao = *nDMConexao());

  // What differs from `outra`, one line per table ("TABLE: n rows, now m;
  // first row that differs"); empty when both are equal.
  QStringList Diferencas(const TnFotoBanco &outra) const;
  // The rows of all tables, summed.
  int TotalLinhas() const;
  const QMap<QString, TnTabela> &Tabelas() const { return FTabelas; }

 private:
  QMap<QString, TnTabela> FTabelas;  // by upper-case name
};
