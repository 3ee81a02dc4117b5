#include "nDMSQLDataSet_U.h"

#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"

namespace {
QString Onde(const QString &condicao) {
  return condicao.trimmed().isEmpty() ? QString() : QStringLiteral(" where ") + condicao;
}
}  // namespace

TnDMSQLDataSet::TnDMSQLDataSet(TnDMConexao *conexao) : FConexao(conexao) {}

TnDMConexao *TnDMSQLDataSet::Conexao() const { return FConexao ? FConexao : nDMConexao(); }

QVariant TnDMSQLDataSet::PegarValorCampo(const QString &tabela, const QString &campos, const QString &condicao,
                                         const QVariant &padrao) {
  QSqlQuery query =
      Conexao()->Executar(QStringLiteral("select ") + campos + QStringLiteral(" from ") + tabela + Onde(condicao) +
                                        QStringLiteral(" limit 1"));
  TnClientDataSet dados;
  dados.CarregarDaQuery(query);
  const int quantos = dados.FieldCount();
  if (quantos == 1) return dados.IsEmpty() ? padrao : dados.Fields(0)->Value();
  QVariantList valores;
  for (int i = 0; i < quantos; ++i) valores.append(dados.IsEmpty() ? QVariant() : dados.Fields(i)->Value());
  return valores;
}

bool TnDMSQLDataSet::PegarTemRegistro(const QString &tabela, const QString &campo, const QString &condicao) {
  QSqlQuery query = Conexao()->Executar(QStringLiteral("select ") + campo + QStringLiteral(" from ") + tabela +
                                        Onde(condicao) + QStringLiteral(" limit 1"));
  return query.next();
}

qint64 TnDMSQLDataSet::PegarProximoCodigo(const QString &tabela, const QString &campo, const QString &condicao,
                                          qint64 base, qint64 passo) {
  QSqlQuery query = Conexao()->Executar(QStringLiteral("select max(") + campo + QStringLiteral(") from ") + tabela +
                                        Onde(condicao));
  if (!query.next() || query.value(0).isNull()) return base + passo;
  return query.value(0).toLongLong() + passo;
}

TnDMSQLDataSet *nDMSQLDataSet() {
  static TnDMSQLDataSet instancia;
  return &instancia;
}
