#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "nSelecao_U.h"
#include "nframework_export.h"

class TnSQLParametros;

// The kind of database server behind the connection.
enum class TnTipoServidor {
  SQLite,      // the embedded default: one file, nothing to start
  PostgreSQL,  // the multi-user server
};

// Where the connection goes. Read from the command line, the configuration or
// the environment by whoever opens the connection.
struct NFRAMEWORK_EXPORT TnConfigConexao {
  TnTipoServidor Tipo = TnTipoServidor::SQLite;
  QString Arquivo;  // SQLite: the database file (created when missing)
  QString Host;     // PostgreSQL: host name, address or socket folder
  int Porta = 5432;
  QString Banco;
  QString Usuario;
  QString Senha;

  // The embedded database in the user's data folder.
  static TnConfigConexao Padrao();
  // Reads MVOX_DB_KIND (sqlite|postgresql), MVOX_DB_FILE, MVOX_DB_HOST,
  // MVOX_DB_PORT, MVOX_DB_NAME, MVOX_DB_USER and MVOX_DB_PASSWORD over `base`.
  static TnConfigConexao DoAmbiente(TnConfigConexao base = Padrao());
  QString Descricao() const;
};

// The process-wide connection module: one database connection, the
// transaction depth on it, the current user and the framework's clock.
// Everything runs on the user-interface thread; nothing here is thread-safe.
class NFRAMEWORK_EXPORT TnDMConexao {
 public:
  TnDMConexao();
  ~TnDMConexao();
  TnDMConexao(const TnDMConexao &) = delete;
  TnDMConexao &operator=(const TnDMConexao &) = delete;

  // Opens the database (closing any earlier one). Raises Exception with a
  // message the user can act on when the server or file cannot be reached.
  void Conectar(const TnConfigConexao &config);
  void Desconectar();
  bool Conectado() const;
  const TnConfigConexao &Config() const { return FConfig; }

  TnTipoServidor TipoServidor() const { return FConfig.Tipo; }
  // The server kind as the callers test it: true for the PostgreSQL server,
  // false for the embedded SQLite database.
  bool PegarTipoCon() const { return FConfig.Tipo == TnTipoServidor::PostgreSQL; }

  // Transactions nest by depth: only the outermost Commit commits; a RollBack
  // at any depth rolls the whole transaction back and resets the depth; a
  // RollBack with none open does nothing. A Commit with none open raises,
  // since what it would confirm was already undone. The arguments keep the
  // callers' signature (level, wait, read-only). On SQLite a transaction
  // that is not read-only takes the write lock at its start, so writers
  // queue for it (up to the busy timeout) instead of failing halfway.
  void StartTransaction(int nivel = 1, bool aguardar = true, bool somenteLeitura = false);
  // Holds, to the end of the open transaction, the right to take new numbers
  // of `nome` (a table's codes): a second connection asking for the same
  // name waits here until the first commits or rolls back, and then reads
  // the numbers the first one took. Read the next number after this call.
  // Raises Exception outside a transaction.
  void TravarNumeracao(const QString &nome);
  void Commit(int nivel = 1);
  void RollBack(int nivel = 1);
  bool EmTransacao() const { return FProfundidade > 0; }
  int ProfundidadeTransacao() const { return FProfundidade; }

  // The user who works in this session (audit columns, rights).
  int CodigoUsuario() const { return FCodigoUsuario; }
  void SetCodigoUsuario(int codigo) { FCodigoUsuario = codigo; }

  // The framework's clock, to the second. Tests may fix it.
  QDateTime Now() const;
  QDate Date() const { return Now().date(); }
  void SetRelogioFixo(std::optional<QDateTime> momento) { FRelogioFixo = std::move(momento); }

  // Runs one statement with values bound to its :name placeholders (in the
  // order of the names' first appearance; see TnSQLParametros). Raises
  // EDatabaseError with the server's message. Statements with no value run
  // as they stand.
  QSqlQuery Executar(const QString &sql, const QVariantList &valores = {});
  // Like Executar, with the values given by placeholder name (any case).
  QSqlQuery ExecutarPorNome(const QString &sql, const QVariantMap &valores);

  // The session's selection parameters (period and the like), which data
  // modules apply when they open.
  TnSelecao &Selecao() { return FSelecao; }

  QSqlDatabase Database() const;
  QString NomeConexao() const { return FNomeConexao; }

  // For statements run many times: a query prepared once on the connection
  // (forward only, exact decimals), then executed with new values each time.
  // `valores` are by name index (TnSQLParametros::Nomes). Both raise
  // EDatabaseError with the server's message.
  QSqlQuery NovaQuery();
  void PrepararQuery(QSqlQuery &query, const TnSQLParametros &parametros, const QString &sql);
  void ExecutarPreparada(QSqlQuery &query, const TnSQLParametros &parametros, const QVariantList &valores,
                         const QString &sql);

  // The first column of the first row of a select (null when there is no
  // row), run through a statement the connection keeps prepared by its
  // text until it disconnects: for small reads repeated thousands of times
  // (once per establishment in a listing), which would otherwise have the
  // server prepare and drop the statement each time. The result is read
  // before returning, so none stays pending. `valores` as in
  // ExecutarPreparada. Raises EDatabaseError with the server's message.
  QVariant LerValor(const QString &sql, const QVariantList &valores = {});

  // Test seam: when set, called with its text before every statement this
  // connection runs, the BEGIN and the outermost COMMIT included (never the
  // ROLLBACK). What it raises fails that statement as a refusal of the
  // database would: nothing of it is run, a failed COMMIT rolls back.
  using TnAntesDeExecutar = std::function<void(const QString &sql)>;
  void SetAntesDeExecutar(TnAntesDeExecutar antes) { FAntesDeExecutar = std::move(antes); }

  // Goes up with every statement run here that is not a select, so what was
  // found missing by reading holds while it stays the same.
  quint64 GeracaoEscrita() const { return FGeracaoEscrita; }
  // Counts `query`, just run, when it was no select.
  void AnotarExecucao(const QSqlQuery &query) {
    if (!query.isSelect()) ++FGeracaoEscrita;
  }

 private:
  QSqlQuery Preparar(const QString &sql, const QVariantList &valores, const QStringList *nomes);
  void AntesDeExecutar(const QString &sql) const {
    if (FAntesDeExecutar) FAntesDeExecutar(sql);
  }

  TnConfigConexao FConfig;
  QString FNomeConexao;
  int FProfundidade = 0;
  int FCodigoUsuario = 1;
  std::optional<QDateTime> FRelogioFixo;
  TnSelecao FSelecao;
  TnAntesDeExecutar FAntesDeExecutar;
  quint64 FGeracaoEscrita = 0;
  struct TnPreparada;
  std::map<QString, std::unique_ptr<TnPreparada>> FPreparadas;
};

// The process's connection module.
NFRAMEWORK_EXPORT TnDMConexao *nDMConexao();

// Rolls back on destruction unless committed: the guard of every multi-row
// write, so an exception leaves the database as it was.
class NFRAMEWORK_EXPORT TnTransacao {
 public:
  explicit TnTransacao(TnDMConexao *conexao = nDMConexao());
  ~TnTransacao();
  void Commit();
  TnTransacao(const TnTransacao &) = delete;
  TnTransacao &operator=(const TnTransacao &) = delete;

 private:
  TnDMConexao *FConexao;
  bool FAberta = true;
};
