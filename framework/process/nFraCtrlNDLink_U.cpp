#include "nFraCtrlNDLink_U.h"

#include <QRegularExpression>
#include <limits>

#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSchema_U.h"
#include "npqParamItem_U.h"

namespace {

bool Identificador(const QString &nome) {
  static const QRegularExpression padrao(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return padrao.match(nome).hasMatch();
}

// The largest code a whole-number column holds; 0 when the column is not one.
qlonglong LimiteColunaNumerica(const QString &tabela, const QString &campo) {
  const TnTabelaDef *t = TnSchema::Tabela(tabela);
  const TnColunaDef *c = t ? t->Coluna(campo) : nullptr;
  if (!c) return 0;
  switch (c->Tipo) {
    case TnTipoColuna::SmallInt: return 32767;
    case TnTipoColuna::Integer: return 2147483647LL;
    case TnTipoColuna::BigInt: return std::numeric_limits<qlonglong>::max();
    default: return 0;
  }
}

}  // namespace

TnFraCtrlNDLink::TnFraCtrlNDLink(TnpqParamItem *item) : TnFraCtrlParam(item) {}

TnFraCtrlNDLink::~TnFraCtrlNDLink() = default;

bool TnFraCtrlNDLink::ValorDaChave(QVariant &valor) const {
  const TnpqParamItem *item = Item();
  const QString tabela = item->TabelaLink();
  const QString campo = item->CampoLink();
  // Table and column are the program's text, never the user's; still, only
  // plain names reach the statement.
  if (!Identificador(tabela) || !Identificador(campo))
    throw Exception(QStringLiteral("O parâmetro %1 não tem tabela de consulta.").arg(item->Caption()));
  const QString codigo = item->GetAsString().trimmed();
  if (codigo.isEmpty()) return false;
  valor = codigo;
  if (const qlonglong limite = LimiteColunaNumerica(tabela, campo)) {
    // A code the column cannot hold does not exist; PostgreSQL would refuse
    // to compare it rather than find nothing.
    bool ok = false;
    const qlonglong n = codigo.toLongLong(&ok);
    if (!ok || n > limite || n < -limite - 1) return false;
    valor = n;
  }
  return true;
}

bool TnFraCtrlNDLink::Existe() const {
  QVariant valor;
  if (!ValorDaChave(valor)) return false;
  QSqlQuery consulta = nDMConexao()->Executar(
      QStringLiteral("select count(*) from %1 where %2 = :pCodigo").arg(Item()->TabelaLink(), Item()->CampoLink()),
      {valor});
  return consulta.next() && consulta.value(0).toLongLong() > 0;
}

void TnFraCtrlNDLink::Checar() const {
  if (!Existe()) {
    TnpqParamItem *item = Item();
    throw EnParam(item, QStringLiteral("O código %1 informado em %2 não está cadastrado.")
                            .arg(item->GetAsString().trimmed(), item->Caption()));
  }
}
