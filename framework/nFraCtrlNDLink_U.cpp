#include "nFraCtrlNDLink_U.h"

#include <QRegularExpression>

#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSchema_U.h"
#include "npqParamItem_U.h"

namespace {

bool Identificador(const QString &nome) {
  static const QRegularExpression padrao(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return padrao.match(nome).hasMatch();
}

bool ColunaNumerica(const QString &tabela, const QString &campo) {
  const TnTabelaDef *t = TnSchema::Tabela(tabela);
  const TnColunaDef *c = t ? t->Coluna(campo) : nullptr;
  if (!c) return false;
  return c->Tipo == TnTipoColuna::SmallInt || c->Tipo == TnTipoColuna::Integer || c->Tipo == TnTipoColuna::BigInt;
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
  if (ColunaNumerica(tabela, campo)) {
    bool ok = false;
    const qlonglong n = codigo.toLongLong(&ok);
    if (!ok) return false;
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
