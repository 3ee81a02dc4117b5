#pragma once

#include <QString>
#include <QVariant>

#include "nframework_export.h"

class TnDMConexao;

// Small reads the data modules and processes make all the time. The table,
// field list and condition are SQL text written by the program; values in a
// condition come from ValorParaSQL, never from raw user text.
class NFRAMEWORK_EXPORT TnDMSQLDataSet {
 public:
  explicit TnDMSQLDataSet(TnDMConexao *conexao = nullptr);

  // "select <campos> from <tabela> where <condicao>", first row. One field
  // gives its value; several (comma separated) give a QVariantList in their
  // order. No row gives `padrao` (null unless given); with several fields,
  // a list of nulls. An empty condition reads the whole table.
  QVariant PegarValorCampo(const QString &tabela, const QString &campos, const QString &condicao,
                           const QVariant &padrao = QVariant());
  // True when a row matches.
  bool PegarTemRegistro(const QString &tabela, const QString &campo, const QString &condicao);
  // The largest value of `campo` over the matching rows plus `passo`, or
  // `base` + `passo` when there is none. 64-bit: codes go to 9999999999.
  qint64 PegarProximoCodigo(const QString &tabela, const QString &campo, const QString &condicao = QString(),
                            qint64 base = 0, qint64 passo = 1);

 private:
  TnDMConexao *Conexao() const;
  TnDMConexao *FConexao;
};

// The process's instance, on nDMConexao().
NFRAMEWORK_EXPORT TnDMSQLDataSet *nDMSQLDataSet();
