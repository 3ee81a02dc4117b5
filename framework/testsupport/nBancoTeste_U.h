#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>
#include <memory>
#include <ostream>

#include "nDMConexao_U.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString &texto, std::ostream *saida) { *saida << '"' << texto.toStdString() << '"'; }

// The engine the tests run on, read once from the environment.
struct TnAmbienteTeste {
  static bool PostgreSQL();
  // Connection settings of the PostgreSQL server named by MVOX_TEST_PG
  // ("host=... port=... user=... password=..."); empty when none is named.
  static bool ServidorInformado();
  // Drops the databases the run made; main() calls it before Qt goes away.
  static void Encerrar();
};

// A fresh, EMPTY database connected as nDMConexao() for each test.
class TnBancoVazioTeste : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  bool EhPostgreSQL() const { return TnAmbienteTeste::PostgreSQL(); }
  TnDMConexao &Conexao() { return *nDMConexao(); }
  // First column of the first row of a query; null when there is no row.
  QVariant Valor(const QString &sql, const QVariantList &valores = {});
  int Contar(const QString &tabela, const QString &condicao = QString());
  // Connects nDMConexao() to a new database: a copy of the converted sample
  // database, or an empty one.
  void AbrirBanco(bool doModelo);
  // A second connection to this test's database, as another user working at
  // the same time. Let it go before the test ends.
  static std::unique_ptr<TnDMConexao> OutraConexao();

 private:
  QString FBanco;  // the per-test database (file or PostgreSQL name)
  friend class TnBancoTeste;
};

// A fresh database holding the schema and the sample office for each test.
// The framework's clock is fixed at 2026-12-01 09:30:00 and the user is 1.
class TnBancoTeste : public TnBancoVazioTeste {
 protected:
  void SetUp() override;
};
