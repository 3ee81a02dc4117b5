#include "nDMConexao_U.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QUuid>

#include "nDialetoSQL_U.h"
#include "nException_U.h"
#include "nSQLParametros_U.h"

TnConfigConexao TnConfigConexao::Padrao() {
  TnConfigConexao config;
  config.Tipo = TnTipoServidor::SQLite;
  QString pasta = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (pasta.isEmpty()) pasta = QDir::homePath();
  config.Arquivo = QDir(pasta).filePath(QStringLiteral("mVox/mvox.db"));
  return config;
}

TnConfigConexao TnConfigConexao::DoAmbiente(TnConfigConexao base) {
  auto ler = [](const char *nome) { return qEnvironmentVariable(nome).trimmed(); };
  const QString tipo = ler("MVOX_DB_KIND").toLower();
  if (tipo == QLatin1String("postgresql") || tipo == QLatin1String("postgres") || tipo == QLatin1String("pg"))
    base.Tipo = TnTipoServidor::PostgreSQL;
  else if (tipo == QLatin1String("sqlite"))
    base.Tipo = TnTipoServidor::SQLite;
  if (!ler("MVOX_DB_FILE").isEmpty()) base.Arquivo = ler("MVOX_DB_FILE");
  if (!ler("MVOX_DB_HOST").isEmpty()) base.Host = ler("MVOX_DB_HOST");
  if (!ler("MVOX_DB_PORT").isEmpty()) base.Porta = ler("MVOX_DB_PORT").toInt();
  if (!ler("MVOX_DB_NAME").isEmpty()) base.Banco = ler("MVOX_DB_NAME");
  if (!ler("MVOX_DB_USER").isEmpty()) base.Usuario = ler("MVOX_DB_USER");
  if (qEnvironmentVariableIsSet("MVOX_DB_PASSWORD")) base.Senha = qEnvironmentVariable("MVOX_DB_PASSWORD");
  return base;
}

QString TnConfigConexao::Descricao() const {
  if (Tipo == TnTipoServidor::SQLite) return QStringLiteral("SQLite: %1").arg(Arquivo);
  return QStringLiteral("PostgreSQL: %1:%2/%3")
      .arg(Host.isEmpty() ? QStringLiteral("localhost") : Host)
      .arg(Porta)
      .arg(Banco);
}

TnDMConexao::TnDMConexao()
    : FNomeConexao(QStringLiteral("nDMConexao-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

TnDMConexao::~TnDMConexao() { Desconectar(); }

struct TnDMConexao::TnPreparada {
  explicit TnPreparada(const QString &sql) : Parametros(sql) {}
  TnSQLParametros Parametros;
  QSqlQuery Consulta;
};

QVariant TnDMConexao::LerValor(const QString &sql, const QVariantList &valores) {
  std::unique_ptr<TnPreparada> &preparada = FPreparadas[sql];
  if (!preparada) {
    auto nova = std::make_unique<TnPreparada>(sql);
    nova->Consulta = NovaQuery();
    PrepararQuery(nova->Consulta, nova->Parametros, sql);
    preparada = std::move(nova);
  }
  QSqlQuery &consulta = preparada->Consulta;
  ExecutarPreparada(consulta, preparada->Parametros, valores, sql);
  const QVariant valor = consulta.next() ? consulta.value(0) : QVariant();
  consulta.finish();
  return valor;
}

void TnDMConexao::Conectar(const TnConfigConexao &config) {
  Desconectar();
  FConfig = config;
  const bool sqlite = config.Tipo == TnTipoServidor::SQLite;
  const QString driver = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
  if (!QSqlDatabase::isDriverAvailable(driver)) {
    throw Exception(QStringLiteral("O driver %1 do banco de dados não está instalado.").arg(driver));
  }
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, FNomeConexao);
    if (sqlite) {
      if (config.Arquivo.isEmpty()) throw Exception(QStringLiteral("Informe o arquivo do banco de dados."));
      const QFileInfo arquivo(config.Arquivo);
      if (!arquivo.dir().exists() && !QDir().mkpath(arquivo.absolutePath())) {
        QSqlDatabase::removeDatabase(FNomeConexao);
        throw Exception(
            QStringLiteral("Não foi possível criar a pasta do banco de dados: %1").arg(arquivo.absolutePath()));
      }
      db.setDatabaseName(config.Arquivo);
      // A second user's save waits for the first to end (see StartTransaction).
      db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    } else {
      db.setHostName(config.Host);
      db.setPort(config.Porta);
      db.setDatabaseName(config.Banco);
      db.setUserName(config.Usuario);
      db.setPassword(config.Senha);
    }
    if (!db.open()) {
      const QString motivo = db.lastError().text().trimmed();
      db = QSqlDatabase();
      QSqlDatabase::removeDatabase(FNomeConexao);
      throw Exception(
          QStringLiteral("Não foi possível abrir o banco de dados (%1).\n%2").arg(config.Descricao(), motivo));
    }
    if (sqlite) {
      // SQLite checks foreign keys only on connections that ask for it.
      QSqlQuery chaves(db);
      if (!chaves.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        const QString motivo = chaves.lastError().text().trimmed();
        chaves = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FNomeConexao);
        throw Exception(
            QStringLiteral("Não foi possível abrir o banco de dados (%1).\n%2").arg(config.Descricao(), motivo));
      }
      // An office's database runs to gigabytes: with SQLite's default page
      // cache (2 MB) most pages a month's listing touches are read from the
      // file again. 32 MB keeps the indexes of the walk in memory. A refusal
      // only leaves the default.
      chaves.exec(QStringLiteral("PRAGMA cache_size = -32768"));
    }
  }
  FProfundidade = 0;
}

void TnDMConexao::Desconectar() {
  // Statements die before their connection.
  FPreparadas.clear();
  if (!QSqlDatabase::contains(FNomeConexao)) return;
  {
    QSqlDatabase db = QSqlDatabase::database(FNomeConexao, false);
    if (db.isOpen()) {
      if (FProfundidade > 0) db.rollback();
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(FNomeConexao);
  FProfundidade = 0;
}

bool TnDMConexao::Conectado() const {
  return QSqlDatabase::contains(FNomeConexao) && QSqlDatabase::database(FNomeConexao, false).isOpen();
}

QSqlDatabase TnDMConexao::Database() const {
  if (!QSqlDatabase::contains(FNomeConexao)) throw Exception(QStringLiteral("Não há conexão com o banco de dados."));
  return QSqlDatabase::database(FNomeConexao, false);
}

void TnDMConexao::StartTransaction(int, bool, bool somenteLeitura) {
  if (FProfundidade == 0) {
    QSqlDatabase db = Database();
    AntesDeExecutar(QStringLiteral("BEGIN"));
    if (FConfig.Tipo == TnTipoServidor::SQLite && !somenteLeitura) {
      // The write lock is taken at the start, waiting (busy timeout) while
      // another connection holds it. A transaction that read first and
      // wrote later could find the lock taken with no way to wait: SQLite
      // refuses it at once rather than deadlock.
      QSqlQuery inicio(db);
      if (!inicio.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw TnDialetoSQL::Erro(inicio.lastError(), QStringLiteral("BEGIN IMMEDIATE"));
    } else if (!db.transaction()) {
      throw TnDialetoSQL::Erro(db.lastError(), QStringLiteral("BEGIN"));
    }
  }
  ++FProfundidade;
}

void TnDMConexao::TravarNumeracao(const QString &nome) {
  if (FProfundidade == 0)
    throw Exception(QStringLiteral("A numeração de %1 só pode ser reservada dentro de uma transação.").arg(nome));
  // SQLite: the transaction already holds the database's only write lock.
  if (FConfig.Tipo != TnTipoServidor::PostgreSQL) return;
  // A fixed 64-bit key per name (FNV-1a), the same in every process.
  quint64 chave = 14695981039346656037ULL;
  for (const char c : nome.trimmed().toUpper().toUtf8()) {
    chave ^= static_cast<unsigned char>(c);
    chave *= 1099511628211ULL;
  }
  Executar(QStringLiteral("select pg_advisory_xact_lock(:chave)"), {static_cast<qlonglong>(chave)});
}

void TnDMConexao::Commit(int) {
  if (FProfundidade == 0)
    throw Exception(QStringLiteral("Não há transação aberta para confirmar: as alterações já foram desfeitas."));
  if (--FProfundidade > 0) return;
  QSqlDatabase db = Database();
  try {
    AntesDeExecutar(QStringLiteral("COMMIT"));
  } catch (...) {
    db.rollback();
    throw;
  }
  if (!db.commit()) {
    const QSqlError erro = db.lastError();
    db.rollback();
    throw TnDialetoSQL::Erro(erro, QStringLiteral("COMMIT"));
  }
}

void TnDMConexao::RollBack(int) {
  if (FProfundidade == 0) return;
  FProfundidade = 0;
  QSqlDatabase db = Database();
  if (!db.rollback()) throw TnDialetoSQL::Erro(db.lastError(), QStringLiteral("ROLLBACK"));
}

QDateTime TnDMConexao::Now() const {
  QDateTime agora = FRelogioFixo ? *FRelogioFixo : QDateTime::currentDateTime();
  const QTime hora = agora.time();
  agora.setTime(QTime(hora.hour(), hora.minute(), hora.second()));
  return agora;
}

QSqlQuery TnDMConexao::NovaQuery() {
  QSqlQuery query(Database());
  query.setForwardOnly(true);
  query.setNumericalPrecisionPolicy(QSql::HighPrecision);
  return query;
}

void TnDMConexao::PrepararQuery(QSqlQuery &query, const TnSQLParametros &parametros, const QString &sql) {
  if (!query.prepare(parametros.SQLNomeado())) throw TnDialetoSQL::Erro(query.lastError(), sql);
}

void TnDMConexao::ExecutarPreparada(QSqlQuery &query, const TnSQLParametros &parametros, const QVariantList &valores,
                                    const QString &sql) {
  const QVector<int> &ocorrencias = parametros.Ocorrencias();
  const QStringList &nomes = parametros.NomesPorPosicao();
  for (int posicao = 0; posicao < ocorrencias.size(); ++posicao) {
    const int indice = ocorrencias[posicao];
    if (indice >= valores.size())
      throw Exception(QStringLiteral("Parâmetro sem valor: :%1").arg(parametros.Nomes().at(indice)));
    query.bindValue(nomes[posicao], TnDialetoSQL::ValorParaBanco(valores.at(indice)));
  }
  AntesDeExecutar(sql);
  if (!query.exec()) throw TnDialetoSQL::Erro(query.lastError(), sql);
  AnotarExecucao(query);
}

QSqlQuery TnDMConexao::Preparar(const QString &sql, const QVariantList &valores, const QStringList *nomes) {
  QSqlQuery query = NovaQuery();
  const TnSQLParametros parametros(sql);
  if (parametros.Nomes().isEmpty()) {
    AntesDeExecutar(sql);
    if (!query.exec(sql)) throw TnDialetoSQL::Erro(query.lastError(), sql);
    AnotarExecucao(query);
    return query;
  }
  QVariantList porIndice;
  if (nomes) {
    for (const QString &nome : parametros.Nomes()) {
      const qsizetype posicao = nomes->indexOf(nome);
      if (posicao < 0) throw Exception(QStringLiteral("Parâmetro sem valor: :%1").arg(nome));
      porIndice.append(valores.at(posicao));
    }
  }
  PrepararQuery(query, parametros, sql);
  ExecutarPreparada(query, parametros, nomes ? porIndice : valores, sql);
  return query;
}

QSqlQuery TnDMConexao::Executar(const QString &sql, const QVariantList &valores) {
  return Preparar(sql, valores, nullptr);
}

QSqlQuery TnDMConexao::ExecutarPorNome(const QString &sql, const QVariantMap &valores) {
  QStringList nomes;
  QVariantList lista;
  for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
    QString nome = it.key().trimmed().toUpper();
    if (nome.startsWith(u':')) nome.remove(0, 1);
    nomes.append(nome);
    lista.append(it.value());
  }
  return Preparar(sql, lista, &nomes);
}

TnDMConexao *nDMConexao() {
  // Never destroyed: Qt's SQL registry may be gone by the time static objects
  // die. The connection is closed when the application object goes instead.
  static TnDMConexao *conexao = [] {
    auto *nova = new TnDMConexao;
    qAddPostRoutine([] { nDMConexao()->Desconectar(); });
    return nova;
  }();
  return conexao;
}

TnTransacao::TnTransacao(TnDMConexao *conexao) : FConexao(conexao) { FConexao->StartTransaction(1, true, false); }

TnTransacao::~TnTransacao() {
  if (!FAberta) return;
  try {
    FConexao->RollBack(1);
  } catch (...) {
    // A destructor must not throw; the transaction is gone either way.
  }
}

void TnTransacao::Commit() {
  FAberta = false;
  FConexao->Commit(1);
}
