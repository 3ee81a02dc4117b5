#include "nDialetoSQL_U.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "nDMConexao_U.h"
#include "nDecimal_U.h"
#include "nException_U.h"
#include "nSchema_U.h"

QString TnDialetoSQL::TextoData(const QDate &data) {
  if (!data.isValid()) return {};
  // Written by hand: this runs for every date bound to every statement.
  int ano = data.year();
  const int mes = data.month();
  const int dia = data.day();
  if (ano < 0 || ano > 9999) return data.toString(QStringLiteral("yyyy-MM-dd"));
  QChar texto[10];
  for (int i = 3; i >= 0; --i, ano /= 10) texto[i] = QChar(u'0' + ano % 10);
  texto[4] = u'-';
  texto[5] = QChar(u'0' + mes / 10);
  texto[6] = QChar(u'0' + mes % 10);
  texto[7] = u'-';
  texto[8] = QChar(u'0' + dia / 10);
  texto[9] = QChar(u'0' + dia % 10);
  return QString(texto, 10);
}

QString TnDialetoSQL::TextoDataHora(const QDateTime &momento) {
  if (!momento.isValid()) return {};
  const QTime hora = momento.time();
  if (hora.msec() != 0) return momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  // Written by hand too: every saved row carries its moment of saving.
  const QString data = TextoData(momento.date());
  if (data.size() != 10) return momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  QChar texto[19];
  std::copy(data.cbegin(), data.cend(), texto);
  const int partes[] = {hora.hour(), hora.minute(), hora.second()};
  for (int i = 0; i < 3; ++i) {
    texto[10 + 3 * i] = i == 0 ? QChar(u' ') : QChar(u':');
    texto[11 + 3 * i] = QChar(u'0' + partes[i] / 10);
    texto[12 + 3 * i] = QChar(u'0' + partes[i] % 10);
  }
  return QString(texto, 19);
}

QVariant TnDialetoSQL::ValorParaBanco(const QVariant &valor) {
  if (valor.isNull()) {
    // A typed null would make drivers format it by type; a plain null is NULL.
    return QVariant();
  }
  switch (valor.typeId()) {
    case QMetaType::QDate:
      return TextoData(valor.toDate());
    case QMetaType::QDateTime:
      return TextoDataHora(valor.toDateTime());
    case QMetaType::Bool:
      return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QString:
      ChecarTexto(valor.toString(), QString());
      return valor;
    default:
      return valor;
  }
}

QDate TnDialetoSQL::DataDoBanco(const QVariant &valor) {
  if (valor.isNull()) return {};
  switch (valor.typeId()) {
    case QMetaType::QDate:
      return valor.toDate();
    case QMetaType::QDateTime:
      return valor.toDateTime().date();
    default:
      return DataDoTexto(valor.toString());
  }
}

QDate TnDialetoSQL::DataDoTexto(const QString &texto) {
  // Read by hand: this runs for every date of every result on SQLite.
  if (texto.size() < 10 || texto[4] != u'-' || texto[7] != u'-') return {};
  int partes[3] = {0, 0, 0};
  const int inicio[3] = {0, 5, 8};
  const int largura[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p) {
    for (int i = inicio[p]; i < inicio[p] + largura[p]; ++i) {
      const int d = texto[i].digitValue();
      if (d < 0) return {};
      partes[p] = partes[p] * 10 + d;
    }
  }
  if (texto.size() > 10 && texto[10] != u' ' && texto[10] != u'T') return {};
  return QDate(partes[0], partes[1], partes[2]);
}

QDateTime TnDialetoSQL::DataHoraDoTexto(const QString &texto) {
  QString t = texto.trimmed();
  if (t.size() == 10) return QDateTime(DataDoTexto(t), QTime(0, 0));
  t.replace(u'T', u' ');
  for (const auto *formato : {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm"}) {
    const QDateTime dt = QDateTime::fromString(t.left(static_cast<int>(qstrlen(formato))), QLatin1String(formato));
    if (dt.isValid()) return dt;
  }
  return {};
}

namespace {

// A table's name for the user: its description with the name, or the name.
QString NomeTabela(const QString &tabela) {
  const QString nome = tabela.trimmed().toUpper();
  if (const TnTabelaDef *def = TnSchema::Tabela(nome); def && !def->Descricao.isEmpty())
    return QStringLiteral("%1 (%2)").arg(def->Descricao, nome);
  return nome;
}

QString Capturado(const QString &texto, const QString &padrao) {
  const QRegularExpression expressao(padrao, QRegularExpression::CaseInsensitiveOption);
  return expressao.match(texto).captured(1);
}

struct TnTraducao {
  TnTipoErroBanco Tipo = TnTipoErroBanco::Outro;
  QString Mensagem;
};

TnTraducao Traduzir(const QSqlError &erro) {
  QString texto = erro.databaseText().trimmed();
  if (texto.isEmpty()) texto = erro.text().trimmed();
  const QString codigo = erro.nativeErrorCode().trimmed();
  TnTraducao t;

  // Length checks are named TAM_<TABLE>__<COLUMN>__<size> by the conversion.
  static const QRegularExpression tamanho(QStringLiteral("TAM_([A-Z0-9_]+?)__([A-Z0-9_]+?)__([0-9]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (const auto achado = tamanho.match(texto); achado.hasMatch()) {
    t.Tipo = TnTipoErroBanco::Tamanho;
    t.Mensagem = QStringLiteral("O valor informado para %1 (%2) excede o tamanho máximo de %3 caracteres.")
                     .arg(achado.captured(2).toUpper(), achado.captured(1).toUpper(), achado.captured(3));
    return t;
  }
  if (codigo == QLatin1String("22001") || texto.contains(QLatin1String("value too long"))) {
    t.Tipo = TnTipoErroBanco::Tamanho;
    t.Mensagem = QStringLiteral("Um texto informado excede o tamanho máximo da sua coluna.");
    return t;
  }

  // PostgreSQL: "… unique constraint "x"" with "Key (a, b)=(1, 2) already
  // exists."; SQLite: "UNIQUE constraint failed: T.A, T.B".
  if (codigo == QLatin1String("23505") || texto.contains(QLatin1String("UNIQUE constraint failed")) ||
      texto.contains(QLatin1String("PRIMARY KEY constraint failed"))) {
    t.Tipo = TnTipoErroBanco::Unico;
    QString tabela;
    QString colunas = Capturado(texto, QStringLiteral("Key \\(([^)]*)\\)="));
    const QString valores = Capturado(texto, QStringLiteral("Key \\([^)]*\\)=\\((.*)\\) already exists"));
    if (colunas.isEmpty()) {
      static const QRegularExpression coluna(QStringLiteral("([A-Za-z0-9_]+)\\.([A-Za-z0-9_]+)"));
      QStringList nomes;
      const QString lista = texto.mid(texto.indexOf(u':') + 1);
      for (auto it = coluna.globalMatch(lista); it.hasNext();) {
        const auto m = it.next();
        tabela = m.captured(1);
        nomes << m.captured(2).toUpper();
      }
      colunas = nomes.join(QStringLiteral(", "));
    } else {
      const QString restricao = Capturado(texto, QStringLiteral("constraint \"([^\"]+)\""));
      if (restricao.endsWith(QLatin1String("_pkey"), Qt::CaseInsensitive)) tabela = restricao.chopped(5);
      colunas = colunas.toUpper();
    }
    const QString onde = tabela.isEmpty() ? QStringLiteral("nesta tabela") : QStringLiteral("em ") + NomeTabela(tabela);
    if (colunas.isEmpty())
      t.Mensagem = QStringLiteral("Já existe um registro %1 com a mesma chave.").arg(onde);
    else if (!valores.isEmpty())
      t.Mensagem = QStringLiteral("Já existe um registro %1 com %2 = %3.").arg(onde, colunas, valores);
    else
      t.Mensagem = QStringLiteral("Já existe um registro %1 com o mesmo %2.").arg(onde, colunas);
    return t;
  }

  // PostgreSQL names both tables; SQLite names none.
  if (codigo == QLatin1String("23503") || texto.contains(QLatin1String("FOREIGN KEY constraint failed"))) {
    t.Tipo = TnTipoErroBanco::ChaveEstrangeira;
    const QString usadaEm = Capturado(texto, QStringLiteral("still referenced from table \"([^\"]+)\""));
    const QString ausenteEm = Capturado(texto, QStringLiteral("is not present in table \"([^\"]+)\""));
    const QString filha = Capturado(texto, QStringLiteral("insert or update on table \"([^\"]+)\""));
    const QString colunas = Capturado(texto, QStringLiteral("Key \\(([^)]*)\\)=")).toUpper();
    if (!usadaEm.isEmpty())
      t.Mensagem = QStringLiteral("Este registro está em uso em %1.").arg(NomeTabela(usadaEm));
    else if (!ausenteEm.isEmpty())
      t.Mensagem = QStringLiteral("O código informado em %1%2 não existe em %3.")
                       .arg(NomeTabela(filha), colunas.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(colunas),
                            NomeTabela(ausenteEm));
    else
      t.Mensagem = QStringLiteral("O registro se refere a um código que não existe, ou está em uso em outro cadastro.");
    return t;
  }

  // PostgreSQL: "null value in column "c" of relation "t" violates …";
  // SQLite: "NOT NULL constraint failed: T.C".
  if (codigo == QLatin1String("23502") || texto.contains(QLatin1String("NOT NULL constraint failed"))) {
    t.Tipo = TnTipoErroBanco::NaoNulo;
    QString coluna = Capturado(texto, QStringLiteral("null value in column \"([^\"]+)\""));
    QString tabela = Capturado(texto, QStringLiteral("of relation \"([^\"]+)\""));
    if (coluna.isEmpty()) {
      tabela = Capturado(texto, QStringLiteral("NOT NULL constraint failed: ([A-Za-z0-9_]+)\\."));
      coluna = Capturado(texto, QStringLiteral("NOT NULL constraint failed: [A-Za-z0-9_]+\\.([A-Za-z0-9_]+)"));
    }
    t.Mensagem = tabela.isEmpty()
                     ? QStringLiteral("O campo %1 deve ser informado.").arg(coluna.toUpper())
                     : QStringLiteral("O campo %1 de %2 deve ser informado.").arg(coluna.toUpper(), NomeTabela(tabela));
    return t;
  }

  if (codigo == QLatin1String("55P03") || codigo == QLatin1String("40P01") || codigo == QLatin1String("40001") ||
      texto.contains(QLatin1String("database is locked")) ||
      texto.contains(QLatin1String("database table is locked"))) {
    t.Tipo = TnTipoErroBanco::Ocupado;
    t.Mensagem = QStringLiteral("Os dados estão em uso por outro usuário. Aguarde um instante e tente novamente.");
    return t;
  }

  t.Mensagem = QStringLiteral("O banco de dados recusou a operação.\nDetalhe: ") + texto;
  return t;
}

}  // namespace

EDatabaseError TnDialetoSQL::Erro(const QSqlError &erro, const QString &sql) {
  QString texto = erro.databaseText().trimmed();
  if (texto.isEmpty()) texto = erro.text().trimmed();
  const TnTraducao t = Traduzir(erro);
  return EDatabaseError(t.Mensagem, sql, t.Tipo, texto);
}

QString TnDialetoSQL::MensagemErro(const QSqlError &erro) { return Traduzir(erro).Mensagem; }

qsizetype TnDialetoSQL::TamanhoTexto(const QString &texto) {
  qsizetype n = texto.size();
  for (const QChar c : texto)
    if (c.isLowSurrogate()) --n;
  return n;
}

int TnDialetoSQL::CaractereProibido(const QString &texto) {
  for (const QChar c : texto)
    if (c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') return c.unicode();
  return -1;
}

void TnDialetoSQL::ChecarTexto(const QString &texto, const QString &rotulo) {
  const int c = CaractereProibido(texto);
  if (c < 0) return;
  throw Exception(QStringLiteral("O texto informado para %1 contém um caractere de controle não permitido (código %2).")
                      .arg(rotulo.isEmpty() ? QStringLiteral("o campo") : rotulo)
                      .arg(c));
}

namespace {

QString Texto(const QString &s) {
  TnDialetoSQL::ChecarTexto(s, QString());
  QString t = s;
  t.replace(u'\'', QStringLiteral("''"));
  return u'\'' + t + u'\'';
}

}  // namespace

QString TnDialetoSQL::Literal(const QVariant &valor) {
  if (valor.isNull() || !valor.isValid()) return QStringLiteral("null");
  switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return QString::number(valor.toLongLong());
    case QMetaType::QDate:
      return u'\'' + TextoData(valor.toDate()) + u'\'';
    case QMetaType::QDateTime:
      return u'\'' + TextoDataHora(valor.toDateTime()) + u'\'';
    case QMetaType::Bool:
      return valor.toBool() ? QStringLiteral("'1'") : QStringLiteral("'0'");
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = valor.toDouble();
      if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) throw Exception(QStringLiteral("Valor numérico inválido."));
      if (d == std::trunc(d)) return QString::number(static_cast<qlonglong>(d));
      // Up to 8 decimals, as many as 18 digits leave beside the whole part.
      const int inteiros = std::fabs(d) < 1 ? 1 : static_cast<int>(std::floor(std::log10(std::fabs(d)))) + 1;
      const QString texto = TnDecimal::DoDouble(d, std::clamp(17 - inteiros, 0, 8)).Texto();
      return texto.contains(u'.') ? QString(texto).remove(QRegularExpression(QStringLiteral("\\.?0+$"))) : texto;
    }
    default:
      return Texto(valor.toString());
  }
}

int TnDialetoSQL::LinhasPorInstrucao(TnTipoServidor servidor) {
  return servidor == TnTipoServidor::PostgreSQL ? 100 : 1;
}
