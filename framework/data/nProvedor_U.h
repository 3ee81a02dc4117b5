#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct TnTabelaDef;

// The database side of a data module's dataset: the select it opens with
// (its CommandText, "Select t_t.A, t_t.B from TABELA t_t ORDER BY …") and
// the statements that write its rows back to the one table it reads.
//
// Opening inserts, before GROUP BY/ORDER BY, the session's selection
// conditions named by VerificaSelecao and the owner's extra condition (a
// master's key, say), each as a condition of its own, so an OR in the
// original WHERE cannot swallow them. Writes name the columns by the fields'
// names, bind every value, and run on the process connection, so they join a
// transaction the caller has open.
class TnProvedor {
 public:
  void SetCommandText(const QString &sql);
  const QString &CommandText() const { return FSQL; }
  // The table written to; by default the first table after FROM.
  void SetTabela(const QString &tabela) { FTabela = tabela.trimmed(); }
  QString Tabela() const { return FTabela.isEmpty() ? FTabelaDoSQL : FTabela; }
  QString Alias() const { return FAlias.isEmpty() ? Tabela() : FAlias; }
  // The key columns ("A;B"); by default the table's primary key.
  void SetChavePrimaria(const QString &campos);
  QStringList ChavePrimaria() const;
  const QString &VerificaSelecao() const { return FVerificaSelecao; }
  void SetVerificaSelecao(const QString &nomes) { FVerificaSelecao = nomes; }
  // An extra condition on the select; `valores` bind its :name placeholders.
  void SetCondicaoExtra(const QString &condicao, const QVariantList &valores = {});
  const QString &CondicaoExtra() const { return FCondicaoExtra; }

  // The table's declaration when the schema knows it; null otherwise.
  const TnTabelaDef *DefinicaoTabela() const;

  // The select with its conditions, and its values.
  QString MontarSelect(QVariantList &valores) const;
  QSqlQuery Abrir() const;

  // Each raises EDatabaseError on failure. Atualizar and Excluir write only
  // the row as it was read: the old key and, for the `conferir` columns,
  // their old values `originais` (an update passes the columns it changes, a
  // delete every column read). When another user changed or deleted it
  // meanwhile, no row matches, nothing is written, and the error (kind
  // Alterado) tells the user to read the data again. Date-times match to the
  // second; floating-point columns are not compared.
  void Inserir(const QStringList &colunas, const QVariantList &valores) const;
  void Atualizar(const QStringList &colunas, const QVariantList &valores, const QStringList &chave,
                 const QVariantList &valoresChave, const QStringList &conferir = {},
                 const QVariantList &originais = {}) const;
  void Excluir(const QStringList &chave, const QVariantList &valoresChave, const QStringList &conferir = {},
               const QVariantList &originais = {}) const;
  // Refuses, naming the table, the deletion of a row that rows of other
  // tables still name through a declared foreign key.
  void ChecarEmUso(const QStringList &chave, const QVariantList &valoresChave) const;

 private:
  QString FSQL;
  QString FTabela;
  QString FTabelaDoSQL;
  QString FAlias;
  QStringList FChave;
  QString FVerificaSelecao;
  QString FCondicaoExtra;
  QVariantList FValoresExtra;
};
