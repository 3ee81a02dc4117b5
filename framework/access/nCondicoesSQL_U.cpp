#include "nCondicoesSQL_U.h"

#include <QRegularExpression>

#include "nException_U.h"
#include "nSQLFuncoes_U.h"

namespace {

QString Coluna(const QString &coluna) {
  static const QRegularExpression nome(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
  const QString col = coluna.trimmed();
  if (!nome.match(col).hasMatch()) throw Exception(QStringLiteral("Coluna inválida no filtro: %1").arg(coluna));
  return col;
}

}  // namespace

TnCondicoesSQL &TnCondicoesSQL::Adicionar(const QString &condicao) {
  const QString texto = condicao.trimmed();
  if (!texto.isEmpty()) FCondicoes.append(texto);
  return *this;
}

TnCondicoesSQL &TnCondicoesSQL::AdicionarSelecao(const QString &coluna, const QString &valores, int inclusao) {
  // FilterInterval answers "" (with the conjunction) for a selection of
  // separators only; without it that would be the always-true "1=1".
  const QString condicao = FilterInterval(coluna, valores, inclusao, true);
  if (!condicao.isEmpty()) Adicionar(condicao.mid(8));
  return *this;
}

TnCondicoesSQL &TnCondicoesSQL::AdicionarIgual(const QString &coluna, const QVariant &valor, TnFieldType tipo) {
  const QString col = Coluna(coluna);
  const QString literal = ValorParaSQL(valor, tipo);
  if (literal != QLatin1String("null")) Adicionar(col + QStringLiteral(" = ") + literal);
  return *this;
}

TnCondicoesSQL &TnCondicoesSQL::AdicionarPeriodo(const QString &coluna, const QDate &inicio, const QDate &fim) {
  const QString col = Coluna(coluna);
  if (inicio.isValid() && fim.isValid())
    Adicionar(QStringLiteral("%1 between %2 and %3")
                  .arg(col, ValorParaSQL(inicio, TnFieldType::Date), ValorParaSQL(fim, TnFieldType::Date)));
  else if (inicio.isValid())
    Adicionar(col + QStringLiteral(" >= ") + ValorParaSQL(inicio, TnFieldType::Date));
  else if (fim.isValid())
    Adicionar(col + QStringLiteral(" <= ") + ValorParaSQL(fim, TnFieldType::Date));
  return *this;
}

QString TnCondicoesSQL::Juntas() const {
  QStringList partes;
  for (const QString &condicao : FCondicoes) partes.append(u'(' + condicao + u')');
  return partes.join(QStringLiteral(" and "));
}

QString TnCondicoesSQL::Where() const { return IsEmpty() ? QString() : QStringLiteral(" where ") + Juntas(); }
