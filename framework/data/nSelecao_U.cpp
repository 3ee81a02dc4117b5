#include "nSelecao_U.h"

#include <QRegularExpression>

#include "nDialetoSQL_U.h"
#include "nException_U.h"

namespace {
QString Chave(const QString &nome) { return nome.trimmed().toUpper(); }

struct TnOperador {
  const char *Sufixo;
  const char *SQL;
};
constexpr TnOperador kOperadores[] = {{"_MAIORIGUAL", ">="}, {"_MENORIGUAL", "<="}, {"_DIFERENTE", "<>"},
                                      {"_MAIOR", ">"},       {"_MENOR", "<"},       {"_IGUAL", "="}};
}  // namespace

void TnSelecao::SetParam(const QString &nome, const QVariant &valor) { FParams.insert(Chave(nome), valor); }

void TnSelecao::RemoverParam(const QString &nome) { FParams.remove(Chave(nome)); }

bool TnSelecao::TemParam(const QString &nome) const { return FParams.contains(Chave(nome)); }

QVariant TnSelecao::Param(const QString &nome) const { return FParams.value(Chave(nome)); }

QString TnSelecao::Condicao(const QString &verificaSelecao, const QString &alias) const {
  static const QRegularExpression identificador(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  QStringList condicoes;
  for (const QString &bruto : verificaSelecao.split(u';', Qt::SkipEmptyParts)) {
    const QString nome = Chave(bruto);
    if (nome.isEmpty() || !FParams.contains(nome)) continue;
    QString campo = nome;
    QString operador = QStringLiteral("=");
    for (const TnOperador &op : kOperadores) {
      const QString sufixo = QLatin1String(op.Sufixo);
      if (nome.endsWith(sufixo)) {
        campo = nome.left(nome.size() - sufixo.size());
        operador = QLatin1String(op.SQL);
        break;
      }
    }
    if (!identificador.match(campo).hasMatch())
      throw Exception(QStringLiteral("Parâmetro de seleção inválido: %1").arg(bruto));
    const QVariant valor = FParams.value(nome);
    const QString coluna = alias.isEmpty() ? campo : alias + u'.' + campo;
    if (valor.isNull()) {
      // An empty bound selects nothing on its side; only equality tests null.
      if (operador == QLatin1String("=")) condicoes.append(coluna + QStringLiteral(" is null"));
      continue;
    }
    condicoes.append(coluna + u' ' + operador + u' ' + TnDialetoSQL::Literal(valor));
  }
  return condicoes.join(QStringLiteral(" and "));
}
