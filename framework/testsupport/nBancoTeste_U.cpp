#include "nBancoTeste_U.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

#include "nException_U.h"
#include "nSchema_U.h"
#include "nServidorPg_U.h"

namespace {

QString Engine() { return qEnvironmentVariable("MVOX_TEST_ENGINE").trimmed().toLower(); }

TnConfigConexao ConfigServidor(const QString &banco) { return nConfigServidorPg(banco); }

// Runs administrative statements (CREATE/DROP DATABASE) outside any database
// the tests use.
void Administrar(const QString &sql) {
  QString erro;
  if (!nAdministrarServidorPg(QStringLiteral("mvox-teste-admin"), sql, erro)) throw Exception(erro);
}

// The template database (converted, with the sample office), made once per
// test process and copied for each test.
class TnModelo {
 public:
  // Never destroyed by static teardown: Qt's SQL registry may be gone by
  // then. Encerrar() drops what it made while the application still lives.
  static TnModelo &Instancia() {
    static TnModelo *modelo = new TnModelo;
    return *modelo;
  }
  QTemporaryDir Pasta;
  int Contador = 0;
  QString PrefixoPg = QStringLiteral("mvox_t%1_").arg(QCoreApplication::applicationPid());

  QString NomeModelo() const {
    return TnAmbienteTeste::PostgreSQL() ? PrefixoPg + QStringLiteral("modelo")
                                         : Pasta.filePath(QStringLiteral("modelo.db"));
  }

  void Garantir() {
    if (FPronto) return;
    TnDMConexao &conexao = *nDMConexao();
    if (TnAmbienteTeste::PostgreSQL()) {
      Administrar(QStringLiteral("DROP DATABASE IF EXISTS ") + NomeModelo());
      Administrar(QStringLiteral("CREATE DATABASE ") + NomeModelo());
      conexao.Conectar(ConfigServidor(NomeModelo()));
    } else {
      TnConfigConexao c;
      c.Arquivo = NomeModelo();
      conexao.Conectar(c);
    }
    nConverterBanco(conexao);
    nCarregarDadosExemplo(conexao);
    conexao.Desconectar();
    FPronto = true;
  }

  void Encerrar() {
    nDMConexao()->Desconectar();
    if (FPronto && TnAmbienteTeste::PostgreSQL()) {
      try {
        Administrar(QStringLiteral("DROP DATABASE IF EXISTS ") + NomeModelo());
      } catch (...) {
      }
    }
    FPronto = false;
    QSqlDatabase::removeDatabase(QStringLiteral("mvox-teste-admin"));
  }

 private:
  bool FPronto = false;
};

}  // namespace

bool TnAmbienteTeste::PostgreSQL() { return Engine() == QLatin1String("postgresql"); }
void TnAmbienteTeste::Encerrar() { TnModelo::Instancia().Encerrar(); }

bool TnAmbienteTeste::ServidorInformado() { return nServidorPgInformado(); }

void TnBancoVazioTeste::SetUp() { AbrirBanco(false); }

void TnBancoTeste::SetUp() {
  try {
    TnModelo::Instancia().Garantir();
  } catch (const Exception &e) {
    FAIL() << "Banco modelo: " << e.message().toStdString();
  }
  AbrirBanco(true);
}

void TnBancoVazioTeste::AbrirBanco(bool doModelo) {
  TnModelo &modelo = TnModelo::Instancia();
  ASSERT_TRUE(modelo.Pasta.isValid());
  const int numero = ++modelo.Contador;
  TnDMConexao &conexao = *nDMConexao();
  if (EhPostgreSQL()) {
    FBanco = modelo.PrefixoPg + QString::number(numero);
    Administrar(QStringLiteral("DROP DATABASE IF EXISTS ") + FBanco);
    Administrar(QStringLiteral("CREATE DATABASE ") + FBanco +
                (doModelo ? QStringLiteral(" TEMPLATE ") + modelo.NomeModelo() : QString()));
    conexao.Conectar(ConfigServidor(FBanco));
  } else {
    FBanco = modelo.Pasta.filePath(QStringLiteral("t%1.db").arg(numero));
    if (doModelo) {
      ASSERT_TRUE(QFile::copy(modelo.NomeModelo(), FBanco));
    }
    TnConfigConexao c;
    c.Arquivo = FBanco;
    conexao.Conectar(c);
  }
  conexao.SetCodigoUsuario(1);
  conexao.SetRelogioFixo(QDateTime(QDate(2026, 12, 1), QTime(9, 30, 0)));
}

void TnBancoVazioTeste::TearDown() {
  TnDMConexao &conexao = *nDMConexao();
  conexao.SetRelogioFixo(std::nullopt);
  conexao.Desconectar();
  if (EhPostgreSQL()) {
    try {
      Administrar(QStringLiteral("DROP DATABASE IF EXISTS ") + FBanco);
    } catch (...) {
    }
  } else {
    QFile::remove(FBanco);
  }
}

std::unique_ptr<TnDMConexao> TnBancoVazioTeste::OutraConexao() {
  auto outra = std::make_unique<TnDMConexao>();
  outra->Conectar(nDMConexao()->Config());
  return outra;
}

QVariant TnBancoVazioTeste::Valor(const QString &sql, const QVariantList &valores) {
  QSqlQuery q = Conexao().Executar(sql, valores);
  return q.next() ? q.value(0) : QVariant();
}

int TnBancoVazioTeste::Contar(const QString &tabela, const QString &condicao) {
  QString sql = QStringLiteral("select count(*) from ") + tabela;
  if (!condicao.isEmpty()) sql += QStringLiteral(" where ") + condicao;
  return Valor(sql).toInt();
}
