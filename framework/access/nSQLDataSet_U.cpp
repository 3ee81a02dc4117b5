#include "nSQLDataSet_U.h"

#include <cmath>

#include "nDMConexao_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"

void TnSQLParam::SetValue(const QVariant &valor) {
  FBancoValido = false;
  if (FDataType == TnFieldType::Unknown) {
    FValue = valor;
    return;
  }
  try {
    FValue = TnField::ConverterPara(valor, FDataType, FSize, 0, FName);
  } catch (const Exception &e) {
    throw Exception(QStringLiteral("Parâmetro %1: %2").arg(FName, e.message()));
  }
}

QVariant TnSQLParam::ValorParaBanco() const {
  if (FBancoValido) return FBanco;
  const auto converter = [this]() -> QVariant {
    if (FValue.isNull()) return QVariant();
    if (FDataType == TnFieldType::Float) {
      const double d = FValue.toDouble();
      if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15) return QVariant(static_cast<qlonglong>(d));
    }
    return TnDialetoSQL::ValorParaBanco(FValue);
  };
  FBanco = converter();
  FBancoValido = true;
  return FBanco;
}

TnSQLDataSet::TnSQLDataSet(TnDMConexao *conexao) : FConexao(conexao) {}
TnSQLDataSet::~TnSQLDataSet() = default;

TnDMConexao *TnSQLDataSet::Conexao() const { return FConexao ? FConexao : nDMConexao(); }

void TnSQLDataSet::SetSQLConnection(TnDMConexao *conexao) {
  FConexao = conexao;
  FQuery.reset();
}

void TnSQLDataSet::SetCommandText(const QString &sql) {
  Close();
  FSQL = sql;
  FParametros = std::make_unique<TnSQLParametros>(sql);
  FQuery.reset();
  QVector<TnSQLParam> params;
  for (const QString &nome : FParametros->Nomes()) params.append(TnSQLParam(nome, TnFieldType::Unknown));
  FParams = std::move(params);
}

void TnSQLDataSet::SetPrepared(bool preparar) {
  FPrepared = preparar;
  if (!preparar) FQuery.reset();
}

TnSQLParam &TnSQLDataSet::Params(int index) {
  if (index < 0 || index >= FParams.size())
    throw Exception(QStringLiteral("Parâmetro %1 inexistente na instrução.").arg(index));
  return FParams[index];
}

TnSQLParam &TnSQLDataSet::ParamByName(const QString &name) {
  const int indice = FParametros ? FParametros->IndiceDe(name) : -1;
  if (indice < 0) throw Exception(QStringLiteral("Parâmetro '%1' não encontrado.").arg(name));
  return FParams[indice];
}

QSqlQuery &TnSQLDataSet::Executar() {
  if (!FParametros) throw Exception(QStringLiteral("Nenhuma instrução SQL informada."));
  TnDMConexao *conexao = Conexao();
  QVariantList valores;
  valores.reserve(FParams.size());
  for (const TnSQLParam &p : FParams) valores.append(p.ValorParaBanco());
  FPreparouAgora = true;
  if (FParametros->Nomes().isEmpty()) {
    FQuery.emplace(conexao->NovaQuery());
    if (!FQuery->exec(FSQL)) throw TnDialetoSQL::Erro(FQuery->lastError(), FSQL);
    conexao->AnotarExecucao(*FQuery);
    return *FQuery;
  }
  if (!FQuery || !FPrepared) {
    FQuery.emplace(conexao->NovaQuery());
    conexao->PrepararQuery(*FQuery, *FParametros, FSQL);
  } else {
    FPreparouAgora = false;
  }
  conexao->ExecutarPreparada(*FQuery, *FParametros, valores, FSQL);
  return *FQuery;
}

int TnSQLDataSet::ExecSQL() {
  QSqlQuery &query = Executar();
  const int linhas = query.numRowsAffected();
  query.finish();
  return linhas;
}

void TnSQLDataSet::Open() {
  QSqlQuery &query = Executar();
  // A statement run again and again (once per establishment in a large
  // office) reads into the same result: its fields stay while the columns
  // are the same, and only the rows are new.
  if (!FResultado) FResultado = std::make_unique<TnClientDataSet>();
  try {
    FResultado->CarregarDaQuery(query, !FPreparouAgora);
  } catch (...) {
    query.finish();
    FResultado.reset();
    throw;
  }
  query.finish();
}

void TnSQLDataSet::Close() { FResultado.reset(); }

TnClientDataSet &TnSQLDataSet::Resultado() {
  if (!FResultado) throw Exception(QStringLiteral("A consulta não está aberta."));
  return *FResultado;
}
