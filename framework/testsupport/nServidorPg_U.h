#pragma once

// The PostgreSQL server the tests and the benchmarks run against, named by
// MVOX_TEST_PG as "host=... port=... user=... password=..." (any order, any
// part left out keeps its default: 127.0.0.1, the driver's port, postgres).

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include "nDMConexao_U.h"

// Whether MVOX_TEST_PG names a server at all.
inline bool nServidorPgInformado() { return !qEnvironmentVariable("MVOX_TEST_PG").trimmed().isEmpty(); }

// The connection to database `banco` on that server.
inline TnConfigConexao nConfigServidorPg(const QString &banco) {
  TnConfigConexao config;
  config.Tipo = TnTipoServidor::PostgreSQL;
  config.Host = QStringLiteral("127.0.0.1");
  config.Usuario = QStringLiteral("postgres");
  for (const QString &parte : qEnvironmentVariable("MVOX_TEST_PG").split(u' ', Qt::SkipEmptyParts)) {
    const qsizetype igual = parte.indexOf(u'=');
    if (igual < 0) continue;
    const QString chave = parte.left(igual).toLower();
    const QString valor = parte.mid(igual + 1);
    if (chave == QLatin1String("host"))
      config.Host = valor;
    else if (chave == QLatin1String("port"))
      config.Porta = valor.toInt();
    else if (chave == QLatin1String("user"))
      config.Usuario = valor;
    else if (chave == QLatin1String("password"))
      config.Senha = valor;
  }
  config.Banco = banco;
  return config;
}

// Runs an administrative statement (CREATE or DROP DATABASE) on the server's
// own database through the connection named `nome`, opened on first use and
// kept for the next; false with the server's text in `erro` when it is out
// of reach or refuses.
inline bool nAdministrarServidorPg(const QString &nome, const QString &sql, QString &erro) {
  QSqlDatabase db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome)
                                                 : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome);
  if (!db.isOpen()) {
    const TnConfigConexao c = nConfigServidorPg(QStringLiteral("postgres"));
    db.setHostName(c.Host);
    db.setPort(c.Porta);
    db.setUserName(c.Usuario);
    db.setPassword(c.Senha);
    db.setDatabaseName(c.Banco);
    if (!db.open()) {
      erro = QStringLiteral("Servidor PostgreSQL inacessível: ") + db.lastError().text();
      return false;
    }
  }
  QSqlQuery q(db);
  if (q.exec(sql)) return true;
  erro = q.lastError().text() + QStringLiteral("\n") + sql;
  return false;
}
