#include "nLookupField_U.h"

#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nSchema_U.h"

TnLookupField::TnLookupField(TnClientDataSet *dataSet, QString fieldName, int size, QString tabela,
                             QStringList colunasChave, QStringList camposChave, QString resultado)
    : TnStringField(dataSet, std::move(fieldName), size),
      FTabela(std::move(tabela)),
      FColunasChave(std::move(colunasChave)),
      FCamposChave(std::move(camposChave)),
      FResultado(std::move(resultado)) {
  SetReadOnly(true);
  QStringList condicoes;
  for (qsizetype i = 0; i < FColunasChave.size(); ++i)
    condicoes << QStringLiteral("%1 = :k%2").arg(FColunasChave[i]).arg(i);
  FSQL = QStringLiteral("select %1 from %2 where %3").arg(FResultado, FTabela, condicoes.join(QStringLiteral(" and ")));
}

std::unique_ptr<TnField> TnLookupField::Clonar(TnClientDataSet *destino) const {
  auto clone = std::make_unique<TnLookupField>(destino, FieldName(), Size(), FTabela, FColunasChave, FCamposChave,
                                               FResultado);
  CopiarExibicao(*clone);
  return clone;
}

namespace {

// The key value as the column's type takes it, so the comparison is the same
// on every engine (a float field holding 3 still finds the smallint 3).
// Invalid when it cannot be a value of the column: no row can match.
QVariant ValorDaColuna(const TnField &campo, const TnColunaDef *coluna) {
  if (!coluna) return campo.Value();
  switch (coluna->Tipo) {
    case TnTipoColuna::SmallInt:
    case TnTipoColuna::Integer:
    case TnTipoColuna::BigInt: {
      bool ok = false;
      const qlonglong n = campo.AsString().trimmed().toLongLong(&ok);
      return ok ? QVariant(n) : QVariant();
    }
    case TnTipoColuna::VarChar:
    case TnTipoColuna::Char:
    case TnTipoColuna::Memo:
      return campo.AsString();
    case TnTipoColuna::Date:
      return campo.AsDate();
    default:
      return campo.Value();
  }
}

}  // namespace

QVariant TnLookupField::Value() const {
  TnClientDataSet *dados = DataSet();
  if (!dados || FColunasChave.isEmpty()) return {};
  const TnTabelaDef *tabela = TnSchema::Tabela(FTabela);
  QVariantList valores;
  QStringList textos;
  for (qsizetype i = 0; i < FCamposChave.size(); ++i) {
    const TnField *campo = dados->FindField(FCamposChave[i]);
    if (!campo || campo->IsNull() || campo->AsString().trimmed().isEmpty()) return {};
    const QVariant valor = ValorDaColuna(*campo, tabela ? tabela->Coluna(FColunasChave.value(i)) : nullptr);
    if (valor.isNull()) return {};
    valores << valor;
    textos << valor.toString();
  }
  const QString chave = textos.join(QChar(0x1F));
  const auto achado = FCache.constFind(chave);
  if (achado != FCache.constEnd()) return *achado;
  QSqlQuery consulta = nDMConexao()->Executar(FSQL, valores);
  QVariant nome;
  if (consulta.next()) {
    nome = consulta.value(0);
    if (!nome.isNull()) nome = nome.toString();
  }
  FCache.insert(chave, nome);
  return nome;
}
