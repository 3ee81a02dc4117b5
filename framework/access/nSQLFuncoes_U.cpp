#include "nSQLFuncoes_U.h"

#include <QRegularExpression>

#include "nDMConexao_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"

std::unique_ptr<TnClientDataSet> ExecutarSQL(const QString &sql, const QVariantList &valores, int) {
  QSqlQuery query = nDMConexao()->Executar(sql, valores);
  auto dados = std::make_unique<TnClientDataSet>();
  dados->CarregarDaQuery(query);
  dados->SetCommandText(sql);
  return dados;
}

void DestruirSQL(std::unique_ptr<TnClientDataSet> &dados) { dados.reset(); }

void RefreshSQL(TnClientDataSet &dados, const QVariantList &valores) {
  if (dados.CommandText().isEmpty()) throw Exception(QStringLiteral("O conjunto de dados não veio de uma consulta."));
  QSqlQuery query = nDMConexao()->Executar(dados.CommandText(), valores);
  dados.CarregarDaQuery(query);
}

int ExecutarSQLDireto(const QString &sql, const QVariantList &valores) {
  QSqlQuery query = nDMConexao()->Executar(sql, valores);
  return query.numRowsAffected();
}

QString ValorParaSQL(const QVariant &valor, TnFieldType tipo) {
  if (tipo == TnFieldType::Unknown) return TnDialetoSQL::Literal(valor);
  const QVariant convertido = TnField::ConverterPara(valor, tipo, 0, 0, QStringLiteral("valor"));
  if (convertido.isNull()) return QStringLiteral("null");
  if (tipo == TnFieldType::FMTBcd) return convertido.toString();  // canonical decimal text, digits only
  return TnDialetoSQL::Literal(convertido);
}

QString ValorParaSQL(const TnField *campo, const QString &operador, bool comNome) {
  if (!campo) throw Exception(QStringLiteral("Campo inexistente na condição."));
  const QVariant valor = campo->Value();
  const QString nome = comNome ? campo->FieldName() + u' ' : QString();
  if (valor.isNull()) {
    return nome + (operador.trimmed() == QLatin1String("<>") ? QStringLiteral("is not null") : QStringLiteral("is null"));
  }
  QString literal;
  if (campo->DataType() == TnFieldType::FMTBcd) literal = valor.toString();
  else literal = TnDialetoSQL::Literal(valor);
  return nome + operador.trimmed() + u' ' + literal;
}

QString ValorParaFiltro(const QVariant &valor) { return TnDialetoSQL::Literal(valor); }

QString FilterInterval(const QString &coluna, const QString &valores, int inclusao, bool juntar, int) {
  static const QRegularExpression nomeColuna(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
  if (!nomeColuna.match(coluna.trimmed()).hasMatch())
    throw Exception(QStringLiteral("Coluna inválida no filtro: %1").arg(coluna));
  const QString col = coluna.trimmed();
  const QString texto = valores.trimmed();
  if (texto.isEmpty()) return juntar ? QString() : QStringLiteral("1=1");

  static const QRegularExpression numero(QStringLiteral("^\\d{1,18}$"));
  QStringList lista;
  QStringList faixas;
  const QStringList partes = texto.split(QRegularExpression(QStringLiteral("[;,]")), Qt::KeepEmptyParts);
  auto recusar = [&](const QString &parte) -> Exception {
    return Exception(QStringLiteral("Seleção inválida: \"%1\". Informe números separados por \";\" e intervalos "
                                    "como 1-5.")
                         .arg(parte.trimmed()));
  };
  for (const QString &bruta : partes) {
    const QString parte = bruta.trimmed();
    if (parte.isEmpty()) continue;  // "1;;2" and a trailing ";" are harmless
    QString inicio = parte;
    QString fim;
    qsizetype corte = parte.indexOf(QStringLiteral(".."));
    qsizetype largura = 2;
    if (corte < 0) {
      corte = parte.indexOf(u'-');
      largura = 1;
    }
    if (corte >= 0) {
      inicio = parte.left(corte).trimmed();
      fim = parte.mid(corte + largura).trimmed();
      if (!numero.match(inicio).hasMatch() || !numero.match(fim).hasMatch()) throw recusar(parte);
      qint64 a = inicio.toLongLong();
      qint64 b = fim.toLongLong();
      if (a > b) std::swap(a, b);
      if (a == b) lista.append(QString::number(a));
      else faixas.append(QStringLiteral("%1 between %2 and %3").arg(col).arg(a).arg(b));
    } else {
      if (!numero.match(inicio).hasMatch()) throw recusar(parte);
      lista.append(QString::number(inicio.toLongLong()));
    }
  }
  if (lista.isEmpty() && faixas.isEmpty()) return juntar ? QString() : QStringLiteral("1=1");
  QStringList condicoes;
  if (lista.size() == 1) condicoes.append(QStringLiteral("%1 = %2").arg(col, lista.first()));
  else if (!lista.isEmpty()) condicoes.append(QStringLiteral("%1 in (%2)").arg(col, lista.join(u',')));
  condicoes += faixas;
  QString condicao = u'(' + condicoes.join(QStringLiteral(" or ")) + u')';
  if (inclusao == 2) condicao = QStringLiteral("not ") + condicao;
  return juntar ? QStringLiteral(" and    ") + condicao : condicao;
}

void CopyDataCDS(TnClientDataSet &origem, TnClientDataSet &destino, bool) {
  QVector<QPair<TnField *, TnField *>> pares;
  for (int i = 0; i < origem.FieldCount(); ++i) {
    TnField *de = origem.Fields(i);
    TnField *para = destino.FindField(de->FieldName());
    // Calculated fields (lookup names) compute themselves and refuse writes.
    if (para && !para->Calculado()) pares.append(qMakePair(de, para));
  }
  for (origem.First(); !origem.Eof(); origem.Next()) {
    destino.Append();
    for (const auto &[de, para] : pares) para->SetValue(de->Value());
    destino.Post();
  }
}

void LimparFieldsDefCDS(TnClientDataSet &dados) {
  dados.Close();
  dados.FieldDefs().clear();
}

QDateTime nDateTimeToSQLTimeStamp(const QDateTime &momento) {
  if (!momento.isValid()) return {};
  QDateTime r = momento;
  const QTime t = momento.time();
  r.setTime(QTime(t.hour(), t.minute(), t.second()));
  return r;
}
