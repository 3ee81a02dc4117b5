#include "nSchema_U.h"

#include <QHash>
#include <QSet>
#include <QScopeGuard>
#include <QSqlRecord>

#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nTabelas_U.h"

// Identifiers are never quoted: the statements of the whole system name tables
// and columns unquoted and in any case, which PostgreSQL folds to lower case;
// a quoted upper-case name would no longer be found by them.

const TnColunaDef *TnTabelaDef::Coluna(const QString &nome) const {
  for (const TnColunaDef &c : Colunas)
    if (c.Nome.compare(nome, Qt::CaseInsensitive) == 0) return &c;
  return nullptr;
}

// ---------------------------------------------------------------------------
// The declared schema

const QList<TnTabelaDef> &TnSchema::Tabelas() {
  static const QList<TnTabelaDef> tabelas = [] {
    QList<TnTabelaDef> t = nTabelasModulo();
    t << nTabelasSuite() << nTabelasFramework();
    return t;
  }();
  return tabelas;
}

const TnTabelaDef *TnSchema::Tabela(const QString &nome) {
  static const QHash<QString, const TnTabelaDef *> porNome = [] {
    QHash<QString, const TnTabelaDef *> h;
    for (const TnTabelaDef &t : Tabelas()) h.insert(t.Nome.toUpper(), &t);
    return h;
  }();
  return porNome.value(nome.toUpper(), nullptr);
}

QList<QPair<const TnTabelaDef *, const TnChaveEstrangeiraDef *>> TnSchema::Referencias(const QString &tabela) {
  QList<QPair<const TnTabelaDef *, const TnChaveEstrangeiraDef *>> r;
  for (const TnTabelaDef &t : Tabelas())
    for (const TnChaveEstrangeiraDef &fk : t.ChavesEstrangeiras)
      if (fk.TabelaReferida.compare(tabela, Qt::CaseInsensitive) == 0) r.append({&t, &fk});
  return r;
}

std::optional<TnTipoColuna> TnSchema::TipoColuna(const QString &nome) {
  // A name declared with two different types maps to nullopt for good.
  static const QHash<QString, std::optional<TnTipoColuna>> tipos = [] {
    QHash<QString, std::optional<TnTipoColuna>> h;
    for (const TnTabelaDef &t : Tabelas())
      for (const TnColunaDef &c : t.Colunas) {
        const QString chave = c.Nome.toUpper();
        auto it = h.find(chave);
        if (it == h.end())
          h.insert(chave, c.Tipo);
        else if (it.value() && *it.value() != c.Tipo)
          it.value() = std::nullopt;
      }
    return h;
  }();
  return tipos.value(nome.toUpper(), std::nullopt);
}

QString TnSchema::TipoSQL(const TnColunaDef &coluna, TnTipoServidor servidor) {
  const bool pg = servidor == TnTipoServidor::PostgreSQL;
  switch (coluna.Tipo) {
    case TnTipoColuna::SmallInt: return QStringLiteral("smallint");
    case TnTipoColuna::Integer: return QStringLiteral("integer");
    case TnTipoColuna::BigInt: return QStringLiteral("bigint");
    case TnTipoColuna::Numeric: return QStringLiteral("numeric(%1,%2)").arg(coluna.Tamanho).arg(coluna.Escala);
    // PostgreSQL's own varchar(n) would refuse first, with a message that does
    // not name the column; char(n) would pad codes such as "1" with blanks.
    case TnTipoColuna::VarChar:
      return pg ? QStringLiteral("varchar") : QStringLiteral("varchar(%1)").arg(coluna.Tamanho);
    case TnTipoColuna::Char:
      return pg ? QStringLiteral("varchar") : QStringLiteral("char(%1)").arg(coluna.Tamanho);
    case TnTipoColuna::Memo: return QStringLiteral("text");
    case TnTipoColuna::Date: return QStringLiteral("date");
    case TnTipoColuna::Timestamp:
      return pg ? QStringLiteral("timestamp without time zone") : QStringLiteral("timestamp");
  }
  return {};
}

QString TnSchema::NomeRestricaoTamanho(const QString &tabela, const TnColunaDef &coluna) {
  return QStringLiteral("TAM_%1__%2__%3").arg(tabela.toUpper(), coluna.Nome.toUpper()).arg(coluna.Tamanho);
}

// ---------------------------------------------------------------------------
// The conversion

namespace {

std::function<void()> &DepoisConverter() {
  static std::function<void()> hook;
  return hook;
}

bool TemTamanho(const TnColunaDef &c) {
  return c.Tipo == TnTipoColuna::VarChar || c.Tipo == TnTipoColuna::Char;
}

// One column as CREATE TABLE and ALTER TABLE ... ADD COLUMN write it. Added
// columns are always nullable: the rows already there have no value for them.
QString DefinicaoColuna(const TnTabelaDef &tabela, const TnColunaDef &c, TnTipoServidor servidor,
                        bool podeSerObrigatoria) {
  QString tipo = TnSchema::TipoSQL(c, servidor);
  // On SQLite a lone primary key declared exactly "integer" becomes the rowid,
  // which turns a null key into a generated number instead of refusing it as
  // PostgreSQL does. "int" has the same affinity without that.
  if (servidor == TnTipoServidor::SQLite && c.Tipo == TnTipoColuna::Integer && tabela.ChavePrimaria.size() == 1 &&
      tabela.ChavePrimaria.first().compare(c.Nome, Qt::CaseInsensitive) == 0)
    tipo = QStringLiteral("int");
  QString sql = c.Nome + QLatin1Char(' ') + tipo;
  if (podeSerObrigatoria && c.Obrigatoria) sql += QStringLiteral(" NOT NULL");
  if (TemTamanho(c)) {
    const QString funcao =
        servidor == TnTipoServidor::PostgreSQL ? QStringLiteral("char_length") : QStringLiteral("length");
    sql += QStringLiteral(" CONSTRAINT %1 CHECK (%2(%3) <= %4)")
               .arg(TnSchema::NomeRestricaoTamanho(tabela.Nome, c), funcao, c.Nome)
               .arg(c.Tamanho);
  }
  return sql;
}

QString SqlChaveEstrangeira(const TnChaveEstrangeiraDef &fk) {
  return QStringLiteral("CONSTRAINT %1 FOREIGN KEY (%2) REFERENCES %3 (%4)")
      .arg(fk.Nome, fk.Colunas.join(QStringLiteral(", ")), fk.TabelaReferida,
           fk.ColunasReferidas.join(QStringLiteral(", ")));
}

// SQLite cannot add a foreign key to a table, so its tables are made with
// them. PostgreSQL needs the referred table first: its keys are added once
// every table exists (AdicionarChavesEstrangeiras).
QString SqlCriarTabela(const TnTabelaDef &tabela, TnTipoServidor servidor, const QString &nome = QString()) {
  QStringList partes;
  for (const TnColunaDef &c : tabela.Colunas) partes << DefinicaoColuna(tabela, c, servidor, true);
  if (!tabela.ChavePrimaria.isEmpty())
    partes << QStringLiteral("PRIMARY KEY (%1)").arg(tabela.ChavePrimaria.join(QStringLiteral(", ")));
  if (servidor == TnTipoServidor::SQLite)
    for (const TnChaveEstrangeiraDef &fk : tabela.ChavesEstrangeiras) partes << SqlChaveEstrangeira(fk);
  return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\n  %2\n)")
      .arg(nome.isEmpty() ? tabela.Nome : nome, partes.join(QStringLiteral(",\n  ")));
}

QStringList ColunasData(const TnTabelaDef &tabela) {
  QStringList r;
  for (const TnColunaDef &c : tabela.Colunas)
    if (c.Tipo == TnTipoColuna::Date) r << c.Nome;
  return r;
}

QString NomeGatilhoData(const TnTabelaDef &tabela, bool insercao) {
  return QStringLiteral("TRG_%1_DATA_%2").arg(tabela.Nome, insercao ? QStringLiteral("INS") : QStringLiteral("UPD"));
}

// SQLite keeps whatever text it is given, so a date written with its time
// would keep the time and no longer equal the day in comparisons. These
// triggers cut every date column of a written row back to 'YYYY-MM-DD'.
QStringList SqlGatilhosData(const TnTabelaDef &tabela) {
  const QStringList datas = ColunasData(tabela);
  if (datas.isEmpty()) return {};
  // The WHEN clause keeps the usual write (the binding already sends the day
  // alone) from paying for the extra UPDATE.
  QStringList longas;
  QString corpo;
  for (const QString &c : datas) {
    longas << QStringLiteral("length(NEW.%1) > 10").arg(c);
    corpo += QStringLiteral("  UPDATE %1 SET %2 = substr(%2, 1, 10) WHERE rowid = NEW.rowid AND length(%2) > 10;\n")
                 .arg(tabela.Nome, c);
  }
  const QString quando = longas.join(QStringLiteral(" OR "));
  return {
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER INSERT ON %2 WHEN %3\nBEGIN\n%4END")
          .arg(NomeGatilhoData(tabela, true), tabela.Nome, quando, corpo),
      QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER UPDATE OF %2 ON %3 WHEN %4\nBEGIN\n%5END")
          .arg(NomeGatilhoData(tabela, false), datas.join(QStringLiteral(", ")), tabela.Nome, quando, corpo),
  };
}

// What the database already holds, read once per conversion with one catalog
// query each: an up-to-date database is converted at every start, and on
// PostgreSQL each catalog read of a new connection is slow. Names are upper
// case. On PostgreSQL only the current schema counts: a table of the same
// name elsewhere on the search path is not ours to extend.
struct TnCatalogo {
  QSet<QString> Tabelas;
  QHash<QString, QSet<QString>> Colunas;  // by table
  QSet<QString> Indices;
  QSet<QString> Gatilhos;  // SQLite
  QSet<QString> Chaves;    // foreign keys: by name on PostgreSQL, ChaveSqlite() on SQLite
};

// How SQLite's foreign key of `tabela` is known in the catalog: SQLite keeps
// no name for it, only the referred table and the columns.
QString ChaveSqlite(const QString &tabela, const QString &referida, const QStringList &colunas) {
  return QStringLiteral("%1>%2(%3)").arg(tabela, referida, colunas.join(u',')).toUpper();
}

TnCatalogo LerCatalogo(TnDMConexao &conexao) {
  TnCatalogo c;
  const bool pg = conexao.TipoServidor() == TnTipoServidor::PostgreSQL;
  // Every table with its columns; a table without any still counts.
  QSqlQuery q = conexao.Executar(
      pg ? QStringLiteral("select c.relname, a.attname from pg_class c "
                          "join pg_namespace n on n.oid = c.relnamespace "
                          "left join pg_attribute a on a.attrelid = c.oid and a.attnum > 0 and not a.attisdropped "
                          "where n.nspname = current_schema() and c.relkind in ('r', 'p')")
         : QStringLiteral("select m.name, p.name from sqlite_master m left join pragma_table_info(m.name) p "
                          "where m.type = 'table'"));
  while (q.next()) {
    const QString tabela = q.value(0).toString().toUpper();
    c.Tabelas.insert(tabela);
    QSet<QString> &colunas = c.Colunas[tabela];
    if (!q.isNull(1)) colunas.insert(q.value(1).toString().toUpper());
  }
  q = conexao.Executar(pg ? QStringLiteral("select c.relname from pg_class c "
                                           "join pg_namespace n on n.oid = c.relnamespace "
                                           "where n.nspname = current_schema() and c.relkind in ('i', 'I')")
                          : QStringLiteral("select name from sqlite_master where type = 'index'"));
  while (q.next()) c.Indices.insert(q.value(0).toString().toUpper());
  if (pg) {
    q = conexao.Executar(QStringLiteral(
        "select k.conname from pg_constraint k join pg_namespace n on n.oid = k.connamespace "
        "where k.contype = 'f' and n.nspname = current_schema()"));
    while (q.next()) c.Chaves.insert(q.value(0).toString().toUpper());
    return c;
  }
  q = conexao.Executar(QStringLiteral("select name from sqlite_master where type = 'trigger'"));
  while (q.next()) c.Gatilhos.insert(q.value(0).toString().toUpper());
  q = conexao.Executar(QStringLiteral(
      "select m.name, f.id, f.\"table\", f.\"from\" from sqlite_master m join pragma_foreign_key_list(m.name) f "
      "where m.type = 'table' order by m.name, f.id, f.seq"));
  QString tabela;
  QString referida;
  QStringList colunas;
  int id = -1;
  const auto fechar = [&] {
    if (id >= 0) c.Chaves.insert(ChaveSqlite(tabela, referida, colunas));
    colunas.clear();
  };
  while (q.next()) {
    if (q.value(0).toString() != tabela || q.value(1).toInt() != id) {
      fechar();
      tabela = q.value(0).toString();
      id = q.value(1).toInt();
      referida = q.value(2).toString();
    }
    colunas << q.value(3).toString();
  }
  fechar();
  return c;
}

// Adds the declared columns an older table lacks. Answers whether any was added.
bool AdicionarColunasFaltantes(TnDMConexao &conexao, const TnTabelaDef &tabela, const QSet<QString> &existentes) {
  if (existentes.isEmpty())
    throw EDatabaseError(QStringLiteral("Não foi possível ler as colunas da tabela %1.").arg(tabela.Nome),
                         QString());
  bool adicionou = false;
  for (const TnColunaDef &c : tabela.Colunas) {
    if (existentes.contains(c.Nome.toUpper())) continue;
    conexao.Executar(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                         .arg(tabela.Nome, DefinicaoColuna(tabela, c, conexao.TipoServidor(), false)));
    adicionou = true;
  }
  return adicionou;
}

// `indices` and `gatilhos` are those already made; empty when none is.
void CriarIndicesEGatilhos(TnDMConexao &conexao, const TnTabelaDef &tabela, const QSet<QString> &indices,
                           const QSet<QString> &gatilhos, bool colunasNovas) {
  const TnTipoServidor servidor = conexao.TipoServidor();
  for (const TnIndiceDef &i : tabela.Indices) {
    if (indices.contains(i.Nome.toUpper())) continue;
    conexao.Executar(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                         .arg(i.Nome, tabela.Nome, i.Colunas.join(QStringLiteral(", "))));
  }

  if (servidor == TnTipoServidor::SQLite) {
    // Triggers made before a date column was added do not cover it: remake them.
    if (colunasNovas) {
      conexao.Executar(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(NomeGatilhoData(tabela, true)));
      conexao.Executar(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(NomeGatilhoData(tabela, false)));
    }
    const QStringList sqls = SqlGatilhosData(tabela);
    for (qsizetype i = 0; i < sqls.size(); ++i)
      if (colunasNovas || !gatilhos.contains(NomeGatilhoData(tabela, i == 0).toUpper())) conexao.Executar(sqls.at(i));
  }
}

void ConverterTabela(TnDMConexao &conexao, const TnTabelaDef &tabela, const TnCatalogo &catalogo) {
  const TnTipoServidor servidor = conexao.TipoServidor();
  bool colunasNovas = false;
  const QString nome = tabela.Nome.toUpper();
  if (catalogo.Tabelas.contains(nome))
    colunasNovas = AdicionarColunasFaltantes(conexao, tabela, catalogo.Colunas.value(nome));
  else
    conexao.Executar(SqlCriarTabela(tabela, servidor));
  CriarIndicesEGatilhos(conexao, tabela, catalogo.Indices, catalogo.Gatilhos, colunasNovas);
}

// The rows of `tabela` whose columns of `fk`, all filled, name no row.
qlonglong LinhasOrfas(TnDMConexao &conexao, const TnTabelaDef &tabela, const TnChaveEstrangeiraDef &fk) {
  QStringList preenchidas;
  QStringList iguais;
  for (int i = 0; i < fk.Colunas.size(); ++i) {
    preenchidas << QStringLiteral("f.%1 is not null").arg(fk.Colunas.at(i));
    iguais << QStringLiteral("p.%1 = f.%2").arg(fk.ColunasReferidas.at(i), fk.Colunas.at(i));
  }
  QSqlQuery q = conexao.Executar(
      QStringLiteral("select count(*) from %1 f where %2 and not exists (select 1 from %3 p where %4)")
          .arg(tabela.Nome, preenchidas.join(QStringLiteral(" and ")), fk.TabelaReferida,
               iguais.join(QStringLiteral(" and "))));
  return q.next() ? q.value(0).toLongLong() : 0;
}

QString AvisoOrfas(const TnTabelaDef &tabela, const TnChaveEstrangeiraDef &fk, qlonglong linhas) {
  return QStringLiteral(
             "A tabela %1 tem %2 registro(s) cujo %3 não existe em %4. Esses registros foram mantidos e a ligação "
             "entre as tabelas não foi criada; corrija-os e abra o sistema novamente para criá-la.")
      .arg(tabela.Nome)
      .arg(linhas)
      .arg(fk.Colunas.join(QStringLiteral(", ")), fk.TabelaReferida);
}

// The columns a table holds now (upper case).
QSet<QString> ColunasExistentes(TnDMConexao &conexao, const QString &tabela) {
  // PostgreSQL keeps unquoted names in lower case; SQLite ignores the case.
  const QSqlRecord registro = conexao.Database().record(tabela.toLower());
  QSet<QString> r;
  for (int i = 0; i < registro.count(); ++i) r.insert(registro.fieldName(i).toUpper());
  return r;
}

// SQLite: the table made again with its keys, its rows copied over. Only
// when it holds exactly the declared columns (an older column of no
// declaration would be lost); answers whether it was done.
bool RefazerTabelaSqlite(TnDMConexao &conexao, const TnTabelaDef &tabela, QStringList &avisos) {
  if (ColunasExistentes(conexao, tabela.Nome).size() != tabela.Colunas.size()) {
    avisos << QStringLiteral(
                  "A tabela %1 tem colunas que o sistema não conhece; a ligação com as tabelas a que se refere não "
                  "foi criada.")
                  .arg(tabela.Nome);
    return false;
  }
  QStringList colunas;
  for (const TnColunaDef &c : tabela.Colunas) colunas << c.Nome;
  const QString nova = tabela.Nome + QStringLiteral("_NOVA");
  conexao.Executar(QStringLiteral("SAVEPOINT REFAZER_TABELA"));
  try {
    conexao.Executar(QStringLiteral("DROP TABLE IF EXISTS %1").arg(nova));
    conexao.Executar(SqlCriarTabela(tabela, TnTipoServidor::SQLite, nova));
    conexao.Executar(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
                         .arg(nova, colunas.join(QStringLiteral(", ")), tabela.Nome));
    conexao.Executar(QStringLiteral("DROP TABLE %1").arg(tabela.Nome));
    conexao.Executar(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(nova, tabela.Nome));
    conexao.Executar(QStringLiteral("RELEASE REFAZER_TABELA"));
    return true;
  } catch (const EDatabaseError &e) {
    // A row the new table refuses (an empty required column): the table
    // stays as it was.
    conexao.Executar(QStringLiteral("ROLLBACK TO REFAZER_TABELA"));
    conexao.Executar(QStringLiteral("RELEASE REFAZER_TABELA"));
    avisos << QStringLiteral("A tabela %1 não pôde receber a ligação com as tabelas a que se refere: %2")
                  .arg(tabela.Nome, e.message());
    return false;
  }
}

// Adds the foreign keys a table lacks, unless rows break them.
void AdicionarChavesEstrangeiras(TnDMConexao &conexao, const TnTabelaDef &tabela, const TnCatalogo &catalogo,
                                 QStringList &avisos) {
  if (tabela.ChavesEstrangeiras.isEmpty()) return;
  const bool pg = conexao.TipoServidor() == TnTipoServidor::PostgreSQL;
  // SQLite makes a new table with its keys.
  if (!pg && !catalogo.Tabelas.contains(tabela.Nome.toUpper())) return;
  bool falta = false;
  bool orfas = false;
  for (const TnChaveEstrangeiraDef &fk : tabela.ChavesEstrangeiras) {
    if (catalogo.Chaves.contains(pg ? fk.Nome.toUpper() : ChaveSqlite(tabela.Nome, fk.TabelaReferida, fk.Colunas)))
      continue;
    falta = true;
    if (const qlonglong linhas = LinhasOrfas(conexao, tabela, fk); linhas > 0) {
      avisos << AvisoOrfas(tabela, fk, linhas);
      orfas = true;
      continue;
    }
    if (pg)
      conexao.Executar(QStringLiteral("ALTER TABLE %1 ADD %2").arg(tabela.Nome, SqlChaveEstrangeira(fk)));
  }
  if (pg || !falta || orfas) return;
  if (RefazerTabelaSqlite(conexao, tabela, avisos)) CriarIndicesEGatilhos(conexao, tabela, {}, {}, false);
}

// SQLite checks foreign keys only when told so, per connection; a table is
// made again (RefazerTabelaSqlite) only while they are off.
void LigarChavesSqlite(TnDMConexao &conexao, bool ligar) {
  if (conexao.TipoServidor() != TnTipoServidor::SQLite) return;
  conexao.Executar(ligar ? QStringLiteral("PRAGMA foreign_keys = ON") : QStringLiteral("PRAGMA foreign_keys = OFF"));
}

}  // namespace

QStringList nConverterBanco(TnDMConexao &conexao) {
  QStringList avisos;
  LigarChavesSqlite(conexao, false);
  const auto religar = qScopeGuard([&conexao] {
    try {
      LigarChavesSqlite(conexao, true);
    } catch (...) {
    }
  });
  conexao.StartTransaction();
  try {
    // The catalog as it was before the conversion: a table made now is not
    // in it (AdicionarChavesEstrangeiras knows it).
    const TnCatalogo catalogo = LerCatalogo(conexao);
    for (const TnTabelaDef &tabela : TnSchema::Tabelas()) ConverterTabela(conexao, tabela, catalogo);
    for (const TnTabelaDef &tabela : TnSchema::Tabelas()) AdicionarChavesEstrangeiras(conexao, tabela, catalogo, avisos);
    conexao.Commit();
  } catch (...) {
    try {
      conexao.RollBack();
    } catch (...) {
      // The conversion's own failure is the one worth reporting.
    }
    throw;
  }
  // A copy: the hook may replace itself while it runs.
  const std::function<void()> hook = DepoisConverter();
  if (hook) hook();
  return avisos;
}

void nSetDepoisConverter(std::function<void()> hook) { DepoisConverter() = std::move(hook); }
