#include "nProvedor_U.h"

#include <QDateTime>
#include <QRegularExpression>

#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSchema_U.h"

namespace {

bool EhIdentificador(const QString &nome) {
  static const QRegularExpression padrao(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return padrao.match(nome).hasMatch();
}

void ChecarIdentificador(const QString &nome) {
  if (!EhIdentificador(nome)) throw Exception(QStringLiteral("Nome inválido para uma coluna ou tabela: \"%1\".").arg(nome));
}

// A keyword of the statement's outer level (outside quotes, comments and
// parentheses): where it starts.
struct TnPalavra {
  QString Texto;  // lower case
  qsizetype Posicao;
};

QList<TnPalavra> PalavrasDeNivelZero(const QString &sql) {
  QList<TnPalavra> palavras;
  int nivel = 0;
  const qsizetype n = sql.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = sql[i];
    if (c == u'\'' || c == u'"') {
      const QChar aspa = c;
      ++i;
      while (i < n) {
        if (sql[i] == aspa) {
          if (i + 1 < n && sql[i + 1] == aspa) {
            i += 2;
            continue;
          }
          break;
        }
        ++i;
      }
      ++i;
    } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
      while (i < n && sql[i] != u'\n') ++i;
    } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
      const qsizetype fim = sql.indexOf(QStringLiteral("*/"), i + 2);
      i = fim < 0 ? n : fim + 2;
    } else if (c == u'(') {
      ++nivel;
      ++i;
    } else if (c == u')') {
      --nivel;
      ++i;
    } else if (c.isLetter() || c == u'_') {
      const qsizetype inicio = i;
      while (i < n && (sql[i].isLetterOrNumber() || sql[i] == u'_' || sql[i] == u'.' || sql[i] == u'$')) ++i;
      if (nivel == 0) palavras.append(TnPalavra{sql.mid(inicio, i - inicio).toLower(), inicio});
    } else {
      ++i;
    }
  }
  return palavras;
}

bool EhPalavraReservada(const QString &palavra) {
  static const QStringList reservadas = {
      QStringLiteral("where"), QStringLiteral("order"),   QStringLiteral("group"), QStringLiteral("having"),
      QStringLiteral("limit"), QStringLiteral("inner"),   QStringLiteral("left"),  QStringLiteral("right"),
      QStringLiteral("full"),  QStringLiteral("cross"),   QStringLiteral("join"),  QStringLiteral("on"),
      QStringLiteral("union"), QStringLiteral("natural"), QStringLiteral("as"),    QStringLiteral("offset")};
  return reservadas.contains(palavra);
}

QString Onde(const QStringList &chave, const QVariantList &valores, QVariantList &parametros, int &numero) {
  QStringList condicoes;
  for (int i = 0; i < chave.size(); ++i) {
    ChecarIdentificador(chave.at(i));
    if (valores.at(i).isNull()) {
      condicoes.append(chave.at(i) + QStringLiteral(" is null"));
    } else {
      condicoes.append(QStringLiteral("%1 = :V%2").arg(chave.at(i)).arg(++numero));
      parametros.append(valores.at(i));
    }
  }
  return condicoes.join(QStringLiteral(" and "));
}

// The old values a write must still find: nulls as nulls, date-times within
// their second (an engine may keep a fraction the dataset does not).
QString Conferir(const QStringList &colunas, const QVariantList &valores, QVariantList &parametros, int &numero) {
  QStringList condicoes;
  for (int i = 0; i < colunas.size(); ++i) {
    ChecarIdentificador(colunas.at(i));
    const QVariant &valor = valores.at(i);
    if (valor.isNull()) {
      condicoes.append(colunas.at(i) + QStringLiteral(" is null"));
    } else if (valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float) {
      continue;
    } else if (valor.typeId() == QMetaType::QDateTime) {
      QDateTime inicio = valor.toDateTime();
      inicio.setTime(QTime(inicio.time().hour(), inicio.time().minute(), inicio.time().second()));
      condicoes.append(QStringLiteral("%1 >= :V%2 and %1 < :V%3").arg(colunas.at(i)).arg(numero + 1).arg(numero + 2));
      numero += 2;
      parametros << inicio << inicio.addSecs(1);
    } else {
      condicoes.append(QStringLiteral("%1 = :V%2").arg(colunas.at(i)).arg(++numero));
      parametros.append(valor);
    }
  }
  return condicoes.isEmpty() ? QString() : QStringLiteral(" and ") + condicoes.join(QStringLiteral(" and "));
}

const QString kAlterado =
    QStringLiteral("O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente.");

}  // namespace

void TnProvedor::SetCommandText(const QString &sql) {
  FSQL = sql;
  FTabelaDoSQL.clear();
  FAlias.clear();
  const QList<TnPalavra> palavras = PalavrasDeNivelZero(sql);
  for (qsizetype i = 0; i < palavras.size(); ++i) {
    if (palavras[i].Texto != QLatin1String("from") || i + 1 >= palavras.size()) continue;
    QString tabela = sql.mid(palavras[i + 1].Posicao, palavras[i + 1].Texto.size());
    if (const qsizetype ponto = tabela.lastIndexOf(u'.'); ponto >= 0) tabela = tabela.mid(ponto + 1);
    FTabelaDoSQL = tabela;
    qsizetype j = i + 2;
    if (j < palavras.size() && palavras[j].Texto == QLatin1String("as")) ++j;
    if (j < palavras.size() && !EhPalavraReservada(palavras[j].Texto)) {
      // The alias must follow the table directly (only blanks or "as" between).
      const QString entre = sql.mid(palavras[i + 1].Posicao + palavras[i + 1].Texto.size(),
                                    palavras[j].Posicao - palavras[i + 1].Posicao - palavras[i + 1].Texto.size());
      if (entre.trimmed().isEmpty() || entre.trimmed().compare(QLatin1String("as"), Qt::CaseInsensitive) == 0)
        FAlias = sql.mid(palavras[j].Posicao, palavras[j].Texto.size());
    }
    break;
  }
}

void TnProvedor::SetChavePrimaria(const QString &campos) {
  FChave.clear();
  for (const QString &campo : campos.split(u';', Qt::SkipEmptyParts))
    if (!campo.trimmed().isEmpty()) FChave.append(campo.trimmed().toUpper());
}

QStringList TnProvedor::ChavePrimaria() const {
  if (!FChave.isEmpty()) return FChave;
  if (const TnTabelaDef *tabela = DefinicaoTabela()) return tabela->ChavePrimaria;
  return {};
}

void TnProvedor::SetCondicaoExtra(const QString &condicao, const QVariantList &valores) {
  FCondicaoExtra = condicao.trimmed();
  FValoresExtra = valores;
}

const TnTabelaDef *TnProvedor::DefinicaoTabela() const {
  const QString tabela = Tabela();
  return tabela.isEmpty() ? nullptr : TnSchema::Tabela(tabela);
}

QString TnProvedor::MontarSelect(QVariantList &valores) const {
  valores = FValoresExtra;
  QStringList condicoes;
  const QString selecao = nDMConexao()->Selecao().Condicao(FVerificaSelecao, Alias());
  if (!selecao.isEmpty()) condicoes.append(selecao);
  if (!FCondicaoExtra.isEmpty()) condicoes.append(u'(' + FCondicaoExtra + u')');
  QString sql = FSQL.trimmed();
  while (sql.endsWith(u';')) sql.chop(1);
  if (condicoes.isEmpty()) return sql;

  const QList<TnPalavra> palavras = PalavrasDeNivelZero(sql);
  qsizetype onde = -1;
  qsizetype corte = sql.size();
  bool depoisDoFrom = false;
  for (const TnPalavra &palavra : palavras) {
    if (palavra.Texto == QLatin1String("from")) depoisDoFrom = true;
    if (!depoisDoFrom) continue;
    if (palavra.Texto == QLatin1String("where") && onde < 0) onde = palavra.Posicao;
    if (palavra.Texto == QLatin1String("group") || palavra.Texto == QLatin1String("order") ||
        palavra.Texto == QLatin1String("limit") || palavra.Texto == QLatin1String("having")) {
      corte = palavra.Posicao;
      break;
    }
  }
  const QString juntas = condicoes.join(QStringLiteral(" and "));
  const QString resto = sql.mid(corte);
  if (onde >= 0 && onde < corte) {
    const QString original = sql.mid(onde + 5, corte - onde - 5).trimmed();
    return sql.left(onde) + QStringLiteral("where (") + original + QStringLiteral(") and ") + juntas +
           (resto.isEmpty() ? QString() : u' ' + resto);
  }
  return sql.left(corte).trimmed() + QStringLiteral(" where ") + juntas + (resto.isEmpty() ? QString() : u' ' + resto);
}

QSqlQuery TnProvedor::Abrir() const {
  QVariantList valores;
  const QString sql = MontarSelect(valores);
  return nDMConexao()->Executar(sql, valores);
}

void TnProvedor::Inserir(const QStringList &colunas, const QVariantList &valores) const {
  const QString tabela = Tabela();
  ChecarIdentificador(tabela);
  QStringList marcas;
  for (int i = 0; i < colunas.size(); ++i) {
    ChecarIdentificador(colunas.at(i));
    marcas.append(QStringLiteral(":V%1").arg(i + 1));
  }
  const QString sql = QStringLiteral("insert into %1 (%2) values (%3)")
                          .arg(tabela, colunas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
  nDMConexao()->Executar(sql, valores);
}

void TnProvedor::Atualizar(const QStringList &colunas, const QVariantList &valores, const QStringList &chave,
                           const QVariantList &valoresChave, const QStringList &conferir,
                           const QVariantList &originais) const {
  if (colunas.isEmpty()) return;
  const QString tabela = Tabela();
  ChecarIdentificador(tabela);
  if (chave.isEmpty()) throw Exception(QStringLiteral("A tabela %1 não tem chave primária para gravar.").arg(tabela));
  QStringList atribuicoes;
  QVariantList parametros;
  int numero = 0;
  for (int i = 0; i < colunas.size(); ++i) {
    ChecarIdentificador(colunas.at(i));
    atribuicoes.append(QStringLiteral("%1 = :V%2").arg(colunas.at(i)).arg(++numero));
    parametros.append(valores.at(i));
  }
  QString onde = Onde(chave, valoresChave, parametros, numero);
  onde += Conferir(conferir, originais, parametros, numero);
  const QString sql =
      QStringLiteral("update %1 set %2 where %3").arg(tabela, atribuicoes.join(QStringLiteral(", ")), onde);
  QSqlQuery query = nDMConexao()->Executar(sql, parametros);
  if (query.numRowsAffected() == 0) throw EDatabaseError(kAlterado, sql, TnTipoErroBanco::Alterado);
}

void TnProvedor::ChecarEmUso(const QStringList &chave, const QVariantList &valoresChave) const {
  for (const auto &[filha, fk] : TnSchema::Referencias(Tabela())) {
    QStringList condicoes;
    QVariantList valores;
    bool nula = false;
    for (int i = 0; i < fk->Colunas.size(); ++i) {
      const qsizetype j = chave.indexOf(fk->ColunasReferidas.at(i).toUpper());
      if (j < 0 || valoresChave.at(j).isNull()) {
        nula = true;
        break;
      }
      condicoes << QStringLiteral("%1 = :V%2").arg(fk->Colunas.at(i)).arg(i + 1);
      valores << valoresChave.at(j);
    }
    if (nula) continue;
    QSqlQuery q = nDMConexao()->Executar(
        QStringLiteral("select 1 from %1 where %2").arg(filha->Nome, condicoes.join(QStringLiteral(" and "))), valores);
    if (q.next())
      throw EDatabaseError(
          QStringLiteral("Este registro está em uso em %1 e não pode ser excluído.")
              .arg(filha->Descricao.isEmpty() ? filha->Nome : QStringLiteral("%1 (%2)").arg(filha->Descricao, filha->Nome)),
          QString(), TnTipoErroBanco::ChaveEstrangeira);
  }
}

void TnProvedor::Excluir(const QStringList &chave, const QVariantList &valoresChave, const QStringList &conferir,
                         const QVariantList &originais) const {
  const QString tabela = Tabela();
  ChecarIdentificador(tabela);
  if (chave.isEmpty()) throw Exception(QStringLiteral("A tabela %1 não tem chave primária para excluir.").arg(tabela));
  ChecarEmUso(chave, valoresChave);
  QVariantList parametros;
  int numero = 0;
  QString onde = Onde(chave, valoresChave, parametros, numero);
  onde += Conferir(conferir, originais, parametros, numero);
  const QString sql = QStringLiteral("delete from %1 where %2").arg(tabela, onde);
  QSqlQuery query = nDMConexao()->Executar(sql, parametros);
  if (query.numRowsAffected() == 0) throw EDatabaseError(kAlterado, sql, TnTipoErroBanco::Alterado);
}
