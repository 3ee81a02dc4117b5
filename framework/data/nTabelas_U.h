#pragma once

// The table declarations behind TnSchema, split by who owns the tables, and
// the shorthands the declaration files write them with. Private to the
// framework library: everyone else reads the tables through TnSchema.

#include <initializer_list>
#include <utility>

#include "nSchema_U.h"

// The protocol module's own eighteen tables.
QList<TnTabelaDef> nTabelasModulo();
// The tables of the other suite modules that the protocol module reads (and,
// for the protocol code of debits, invoices and receivables, writes).
QList<TnTabelaDef> nTabelasSuite();
// The framework's own tables: user rights, saved process parameters, jobs.
QList<TnTabelaDef> nTabelasFramework();

namespace nTabelasDef {

// Passed as the last argument of a column shorthand: the column is NOT NULL.
// Key columns need not say it; nTabela makes every key column NOT NULL.
inline constexpr bool NN = true;

inline TnColunaDef nColuna(const char *nome, TnTipoColuna tipo, int tamanho, int escala, bool obrigatoria) {
  TnColunaDef c;
  c.Nome = QString::fromLatin1(nome);
  c.Tipo = tipo;
  c.Tamanho = tamanho;
  c.Escala = escala;
  c.Obrigatoria = obrigatoria;
  return c;
}

inline TnColunaDef Si(const char *nome, bool obrig = false) { return nColuna(nome, TnTipoColuna::SmallInt, 0, 0, obrig); }
inline TnColunaDef Int(const char *nome, bool obrig = false) { return nColuna(nome, TnTipoColuna::Integer, 0, 0, obrig); }
inline TnColunaDef Big(const char *nome, bool obrig = false) { return nColuna(nome, TnTipoColuna::BigInt, 0, 0, obrig); }
// Money and other exact amounts: numeric(18,2) unless told otherwise.
inline TnColunaDef Num(const char *nome, bool obrig = false, int precisao = 18, int escala = 2) {
  return nColuna(nome, TnTipoColuna::Numeric, precisao, escala, obrig);
}
inline TnColunaDef Vc(const char *nome, int tamanho, bool obrig = false) {
  return nColuna(nome, TnTipoColuna::VarChar, tamanho, 0, obrig);
}
inline TnColunaDef Ch(const char *nome, int tamanho, bool obrig = false) {
  return nColuna(nome, TnTipoColuna::Char, tamanho, 0, obrig);
}
inline TnColunaDef Memo(const char *nome, bool obrig = false) { return nColuna(nome, TnTipoColuna::Memo, 0, 0, obrig); }
inline TnColunaDef Data(const char *nome, bool obrig = false) { return nColuna(nome, TnTipoColuna::Date, 0, 0, obrig); }
inline TnColunaDef Ts(const char *nome, bool obrig = false) { return nColuna(nome, TnTipoColuna::Timestamp, 0, 0, obrig); }

// A table with its columns in order, its primary key (whose columns become
// NOT NULL whatever their declaration said) and its secondary indexes. Index
// names are global on both engines: each starts with IX_ and its table's name.
inline TnTabelaDef nTabela(const char *nome, QList<TnColunaDef> colunas, QStringList chave,
                           QList<TnIndiceDef> indices = {}) {
  TnTabelaDef t;
  t.Nome = QString::fromLatin1(nome);
  for (TnColunaDef &c : colunas)
    if (chave.contains(c.Nome, Qt::CaseInsensitive)) c.Obrigatoria = true;
  t.Colunas = std::move(colunas);
  t.ChavePrimaria = std::move(chave);
  t.Indices = std::move(indices);
  return t;
}

// Gives each named table of `tabelas` the user's name of its rows.
inline void nDescrever(QList<TnTabelaDef> &tabelas, std::initializer_list<std::pair<const char *, const char *>> nomes) {
  for (const auto &[nome, descricao] : nomes)
    for (TnTabelaDef &t : tabelas)
      if (t.Nome == QLatin1String(nome)) t.Descricao = QString::fromUtf8(descricao);
}

// Declares that `colunas` of `tabela` name a row of `referida` by its
// primary key (in that order); the key is called FK_<TABLE>_<first column
// without CODIGO>.
inline void nChaveEstrangeira(QList<TnTabelaDef> &tabelas, const char *tabela, QStringList colunas,
                              const char *referida) {
  TnTabelaDef *filha = nullptr;
  const TnTabelaDef *pai = nullptr;
  for (TnTabelaDef &t : tabelas) {
    if (t.Nome == QLatin1String(tabela)) filha = &t;
    if (t.Nome == QLatin1String(referida)) pai = &t;
  }
  Q_ASSERT(filha && pai);
  if (!filha || !pai) return;
  QString sufixo = colunas.last();
  if (sufixo.startsWith(QLatin1String("CODIGO"))) sufixo = sufixo.mid(6);
  filha->ChavesEstrangeiras.append(TnChaveEstrangeiraDef{QStringLiteral("FK_%1_%2").arg(filha->Nome, sufixo),
                                                         std::move(colunas), pai->Nome, pai->ChavePrimaria});
}

}  // namespace nTabelasDef
