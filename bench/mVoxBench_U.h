#pragma once

// What the module benchmarks share: a failure ends the run with its text;
// the floor's plain prepared statements run on the framework's connection;
// the environment is the program's (time zone, saved parameters, the mVoxPk
// library opened by name) with a fresh SQLite file converted as the program
// converts it and the clock fixed.

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "nDMConexao_U.h"
#include "nDialetoSQL_U.h"
#include "nPacotes_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nSchema_U.h"

[[noreturn]] inline void Falhar(const QString &texto) {
  std::fprintf(stderr, "%s\n", texto.toUtf8().constData());
  std::exit(1);
}

// A value as the framework binds it.
inline QVariant Banco(const QVariant &valor) { return TnDialetoSQL::ValorParaBanco(valor); }

inline QSqlQuery Preparar(const QString &sql) {
  QSqlQuery q(nDMConexao()->Database());
  q.setForwardOnly(true);
  q.setNumericalPrecisionPolicy(QSql::HighPrecision);
  if (!q.prepare(sql)) Falhar(q.lastError().text() + QStringLiteral("\n") + sql);
  return q;
}

inline void Exec(QSqlQuery &q) {
  if (!q.exec()) Falhar(q.lastError().text() + QStringLiteral("\n") + q.lastQuery());
}

inline void ExecDireto(const QString &sql) {
  QSqlQuery q(nDMConexao()->Database());
  if (!q.exec(sql)) Falhar(q.lastError().text() + QStringLiteral("\n") + sql);
}

// The run's environment, built as the program builds it at start
// (shell/mVox.cpp) and taken down in reverse; `classe` must be registered
// once the library is open.
class TnAmbienteBench {
 public:
  TnAmbienteBench(int &argc, char **argv, const QString &classe, const QString &arquivo)
      : FApp((Fuso(), argc), argv), FParams(FPasta.filePath(QStringLiteral("params.ini"))) {
    nSetParamsSalvos(&FParams);
    FPacotes.AbrirPacotes({QStringLiteral("mVoxPk")});
    if (!TnRegistro::Instancia().Registrada(classe)) Falhar(QStringLiteral("mVoxPk não carregado"));
    TnConfigConexao config;
    config.Arquivo = FPasta.filePath(arquivo);
    nDMConexao()->Conectar(config);
    nConverterBanco(*nDMConexao());
    nDMConexao()->SetRelogioFixo(QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
  }
  ~TnAmbienteBench() {
    TnRegistro::Instancia().DestruirTodos();
    nDMConexao()->Desconectar();
    FPacotes.DescarregarPacotes();
    nSetParamsSalvos(nullptr);
  }
  TnAmbienteBench(const TnAmbienteBench &) = delete;
  TnAmbienteBench &operator=(const TnAmbienteBench &) = delete;

 private:
  static void Fuso() {
    if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
  }

  QCoreApplication FApp;
  QTemporaryDir FPasta;
  TnParamsSalvos FParams;
  TnPacotes FPacotes;
};
