// Every register of the module over 100,000 rows (times --fator): each
// register's table is filled (parents first, so every foreign key finds its
// row), then the register is opened as its screen opens it (the module
// created by name, Abrir, the grid's cursor over the rows reading every field
// of every row, the looked-up names included), filtered (the filter on the
// module's dataset, the grid's cursor reading the rows that pass) and sorted
// (the grid's title click: an index on one column, the rows read in its
// order). The floor, in the same run, reads the same select with a plain
// QSqlQuery, converts every value to the form the fields keep, looks the
// names up once per key, and does the same filter and sort on its own rows.
// Both sides' values, and the rows each filter and sort gives in order, are
// compared every round. Registers whose key is a small integer hold at most
// 32,000 rows whatever the factor.
//
//   mVoxBenchCadastros [--fator F] [--cadastro TmVoxDM…] [--rodadas N] [--banco sqlite|postgresql]
#include <malloc.h>

#include <QSqlField>
#include <QSqlRecord>
#include <QTime>

#include "mVoxBench_U.h"
#include "nClientDataSet_U.h"
#include "nDMClientDataSet_U.h"
#include "nLookupField_U.h"

namespace {

constexpr int kLinhas = 100000;
// A smallint key holds up to 32,767 values.
constexpr int kMaximoChavePequena = 32000;
constexpr int kEmpresas = 100;
constexpr int kFiliais = 10;

// One condition of a register's filter: COLUNA = valor or COLUNA > valor.
struct TnCondicao {
  const char *Coluna;
  char Operador;
  QVariant Valor;
};

struct TnCadastro {
  const char *Classe;
  const char *Tabela;
  QList<TnCondicao> Filtro;
  const char *Ordem;  // the column whose title is clicked
};

// Parents before their children.
const QList<TnCadastro> &Cadastros() {
  static const QList<TnCadastro> cadastros = {
      {"TmVoxDMProtocoloLocalCaixa", "PROTOCOLOLOCALCAIXA", {{"CODIGOLOCAL", '>', 16000}}, "DESCRLOCAL"},
      {"TmVoxDMProtocoloTipoDoc", "PROTOCOLOTIPODOC", {{"GERARAUTO", '=', QStringLiteral("1")}}, "DESCRTIPODOC"},
      {"TmVoxDMProtocoloGrupoDoc", "PROTOCOLOGRUPODOC", {{"CODIGOGRUPODOC", '>', 16000}}, "DESCRGRUPODOC"},
      {"TmVoxDMHistoricoPro",
       "HISTORICOPRO",
       {{"TEMCOMPLEMENTOHISTORICO", '=', QStringLiteral("1")}},
       "DESCRISAOHISTPRO"},
      {"TmVoxDMCfgTipoProtocolo", "CFGTIPOPROTOCOLO", {{"CODIGOTIPOPROTOCOLO", '>', 16000}}, "DESCRTIPOPROTOCOLO"},
      {"TmVoxDMProtocoloRota", "PROTOCOLOROTA", {{"CODIGOROTA", '>', 16000}}, "DESCRROTA"},
      {"TmVoxDMProtocolo",
       "PROTOCOLO",
       {{"CODIGOEMPRESA", '=', 2}, {"CANCELADO", '=', QStringLiteral("1")}},
       "DATALCTOPRO"},
      {"TmVoxDMProtocoloItem", "PROTOCOLOITEM", {{"CODIGOUSUARIO", '=', 2}}, "VENCIMENTO"},
      {"TmVoxDMProtocoloRespEstab", "PROTOCOLORESPESTAB", {{"CODIGOEMPRESA", '=', 2}}, "NOMERESPONSAVEL"},
      {"TmVoxDMProtocoloDocEmp",
       "PROTOCOLODOCEMP",
       {{"CODIGOEMPRESA", '=', 2}, {"ARQUIVADO", '=', QStringLiteral("1")}},
       "DATALCTOPRO"},
      {"TmVoxDMProtocoloDocMovimento", "PROTOCOLODOCMOVIMENTO", {{"CODIGOUSUARIO", '=', 3}}, "DATAHORA"},
      {"TmVoxDMProtocoloGrupoTipoDoc", "PROTOCOLOGRUPOTIPODOC", {{"CODIGOGRUPODOC", '>', 16000}}, "CODIGOTIPODOC"},
      {"TmVoxDMProtocoloDocCaixa", "PROTOCOLODOCCAIXA", {{"CODIGOEMPRESA", '=', 2}}, "COMPETINICIAL"},
      {"TmVoxDMProtocoloDocEnvelope", "PROTOCOLODOCENVELOPE", {{"CODIGOCAIXA", '>', 16000}}, "DESCRENVELOPE"},
      {"TmVoxDMProtocoloDocArquivo", "PROTOCOLODOCARQUIVO", {{"CODIGOCAIXA", '>', 16000}}, "CODIGODOCEMP"},
      {"TmVoxDMProtocoloRotaEntrega", "PROTOCOLOROTAENTREGA", {{"CODIGOEMPRESA", '=', 2}}, "CODIGOESTAB"},
  };
  return cadastros;
}

double gFator = 1;
QHash<QString, int> gLinhas;  // rows put in each table

// --- the office

bool ChavePequena(const TnTabelaDef &tabela) {
  return tabela.ChavePrimaria.size() == 1 &&
         tabela.Coluna(tabela.ChavePrimaria.first())->Tipo == TnTipoColuna::SmallInt;
}

int LinhasDe(const TnTabelaDef &tabela) {
  const int linhas = static_cast<int>(std::lround(kLinhas * gFator));
  return ChavePequena(tabela) ? std::min(linhas, kMaximoChavePequena) : linhas;
}

// The key columns of row `i` (0-based): a child row names the parent row
// i modulo the parent's rows, and the sequence after it numbers the
// children of that parent.
QHash<QString, QVariant> Chaves(const TnTabelaDef &tabela, int i) {
  auto filho = [&](const char *pai, const char *colunaPai, const char *sequencia) {
    const int n = gLinhas.value(QLatin1String(pai));
    return QHash<QString, QVariant>{{QLatin1String(colunaPai), qlonglong(i % n + 1)},
                                    {QLatin1String(sequencia), qlonglong(i / n + 1)}};
  };
  const QString &t = tabela.Nome;
  if (t == QLatin1String("PROTOCOLOITEM")) return filho("PROTOCOLO", "CODIGOPROTOCOLO", "SEQITEMPRO");
  if (t == QLatin1String("PROTOCOLODOCMOVIMENTO")) return filho("PROTOCOLODOCEMP", "CODIGODOCEMP", "SEQDOCEMP");
  if (t == QLatin1String("PROTOCOLOGRUPOTIPODOC")) return filho("PROTOCOLOGRUPODOC", "CODIGOGRUPODOC", "CODIGOTIPODOC");
  if (t == QLatin1String("PROTOCOLODOCENVELOPE")) return filho("PROTOCOLODOCCAIXA", "CODIGOCAIXA", "CODIGOENVELOPE");
  if (t == QLatin1String("PROTOCOLOROTAENTREGA")) return filho("PROTOCOLOROTA", "CODIGOROTA", "SEQROTA");
  if (t == QLatin1String("PROTOCOLORESPESTAB"))
    return {{QStringLiteral("CODIGOEMPRESA"), qlonglong(i % kEmpresas + 1)},
            {QStringLiteral("CODIGOESTAB"), qlonglong(i / kEmpresas % kFiliais + 1)},
            {QStringLiteral("SEQ"), qlonglong(i / (kEmpresas * kFiliais) + 1)}};
  if (t == QLatin1String("PROTOCOLODOCARQUIVO")) {
    // One document in each envelope, the envelopes in the order they were made.
    const int caixas = gLinhas.value(QStringLiteral("PROTOCOLODOCCAIXA"));
    const int envelope = i % gLinhas.value(QStringLiteral("PROTOCOLODOCENVELOPE"));
    return {{QStringLiteral("CODIGOCAIXA"), qlonglong(envelope % caixas + 1)},
            {QStringLiteral("CODIGOENVELOPE"), qlonglong(envelope / caixas + 1)},
            {QStringLiteral("CODIGODOCEMP"), qlonglong(i % gLinhas.value(QStringLiteral("PROTOCOLODOCEMP")) + 1)}};
  }
  QHash<QString, QVariant> chaves;
  if (tabela.ChavePrimaria.size() == 1) chaves.insert(tabela.ChavePrimaria.first(), qlonglong(i + 1));
  // Foreign keys outside the key.
  if (t == QLatin1String("PROTOCOLODOCEMP"))
    chaves.insert(QStringLiteral("CODIGOTIPODOC"),
                  qlonglong(i % gLinhas.value(QStringLiteral("PROTOCOLOTIPODOC")) + 1));
  if (t == QLatin1String("PROTOCOLODOCCAIXA"))
    chaves.insert(QStringLiteral("CODIGOLOCAL"),
                  qlonglong(i % gLinhas.value(QStringLiteral("PROTOCOLOLOCALCAIXA")) + 1));
  return chaves;
}

// A value of a column that is no key: varied, with nulls where the column
// allows them, texts out of order so that a sort has work to do.
QVariant Valor(const TnColunaDef &coluna, int i) {
  const bool nula = !coluna.Obrigatoria;
  const QDate dia = QDate(2024, 1, 1).addDays(i % 1000);
  switch (coluna.Tipo) {
    case TnTipoColuna::SmallInt:
    case TnTipoColuna::Integer:
    case TnTipoColuna::BigInt:
      if (coluna.Nome == QLatin1String("CODIGOEMPRESA")) return qlonglong(i % kEmpresas + 1);
      if (coluna.Nome == QLatin1String("CODIGOESTAB")) return qlonglong(i / kEmpresas % kFiliais + 1);
      if (nula && i % 6 == 5) return {};
      return qlonglong(i % 7 + 1);
    case TnTipoColuna::Numeric:
      if (nula && i % 6 == 5) return {};
      return QStringLiteral("%1.%2").arg(i % 100000).arg(i % 100, 2, 10, QLatin1Char('0'));
    case TnTipoColuna::VarChar:
      if (coluna.Tamanho < 6) return QString::number(i % 3).left(coluna.Tamanho);
      return QStringLiteral("%1 %2").arg(coluna.Nome.toLower()).arg(qlonglong(i) * 7919 % 100003).left(coluna.Tamanho);
    case TnTipoColuna::Char:
      return QString::number(i % 2).repeated(coluna.Tamanho);
    case TnTipoColuna::Memo:
      if (nula && i % 4 == 3) return {};
      return QStringLiteral("Observação da linha %1, que pode ser longa como um memorando").arg(i);
    case TnTipoColuna::Date:
      if (nula && i % 4 == 3) return {};
      return dia;
    case TnTipoColuna::Timestamp:
      if (nula && i % 3 == 2) return {};
      return QDateTime(dia, QTime(8, 0).addSecs(i % 36000));
  }
  return {};
}

void InserirTabela(const TnTabelaDef &tabela) {
  QStringList colunas;
  QStringList marcas;
  for (const TnColunaDef &coluna : tabela.Colunas) {
    colunas << coluna.Nome;
    marcas << QStringLiteral("?");
  }
  TnQueryPiso insercao = Preparar(QStringLiteral("insert into %1 (%2) values (%3)")
                                      .arg(tabela.Nome, colunas.join(QStringLiteral(", ")), marcas.join(u',')));
  const int linhas = LinhasDe(tabela);
  for (int i = 0; i < linhas; ++i) {
    const QHash<QString, QVariant> chaves = Chaves(tabela, i);
    for (const TnColunaDef &coluna : tabela.Colunas) {
      const auto chave = chaves.constFind(coluna.Nome);
      insercao.addBindValue(Banco(chave != chaves.cend() ? *chave : Valor(coluna, i)));
    }
    Exec(insercao);
  }
  gLinhas.insert(tabela.Nome, linhas);
}

void InserirEscritorio() {
  InserirEmpresas(kEmpresas, kFiliais);
  for (const TnCadastro &cadastro : Cadastros()) InserirTabela(*TnSchema::Tabela(QLatin1String(cadastro.Tabela)));
}

// --- the floor

// Date-times of the local wall clock with each day's offset asked once (the
// local-time constructor asks the C library for the zone on every call).
class TnRelogio {
 public:
  QDateTime Criar(const QDate &data, const QTime &hora) {
    const qint64 dia = data.toJulianDay();
    auto it = FDeslocamentos.constFind(dia);
    if (it == FDeslocamentos.cend()) {
      const int inicio = QDateTime(data, QTime(0, 0)).offsetFromUtc();
      const int fim = QDateTime(data, QTime(23, 59, 59, 999)).offsetFromUtc();
      it = FDeslocamentos.insert(dia, inicio == fim ? inicio : kVariavel);
    }
    if (*it == kVariavel) return QDateTime(data, hora);
    return QDateTime(data, hora, Qt::OffsetFromUTC, *it);
  }

 private:
  static constexpr int kVariavel = std::numeric_limits<int>::min();
  QHash<qint64, int> FDeslocamentos;
};

int Digitos(const QChar *t, int quantos) {
  int n = 0;
  for (int i = 0; i < quantos; ++i) {
    const int d = t[i].unicode() - u'0';
    if (d < 0 || d > 9) return -1;
    n = n * 10 + d;
  }
  return n;
}

// "YYYY-MM-DD[ HH:MM:SS[.zzz]]", as SQLite keeps dates and date-times.
QDate DataDoTexto(const QString &texto) {
  if (texto.size() < 10) return {};
  return QDate(Digitos(texto.constData(), 4), Digitos(texto.constData() + 5, 2), Digitos(texto.constData() + 8, 2));
}

QDateTime DataHoraDoTexto(const QString &texto, TnRelogio &relogio) {
  if (texto.size() < 19) return {};
  const QChar *t = texto.constData();
  int ms = 0;
  if (texto.size() > 20) {
    const int casas = std::min<int>(3, static_cast<int>(texto.size()) - 20);
    ms = Digitos(t + 20, casas);
    for (int i = casas; i < 3; ++i) ms *= 10;
  }
  return relogio.Criar(DataDoTexto(texto), QTime(Digitos(t + 11, 2), Digitos(t + 14, 2), Digitos(t + 17, 2), ms));
}

// A value as the field of its column keeps it: whole numbers qlonglong,
// exact decimals as text with the column's decimals, texts, QDate,
// QDateTime; null stays null.
QVariant Converter(const QVariant &v, const TnColunaDef &coluna, TnRelogio &relogio) {
  if (v.isNull()) return {};
  switch (coluna.Tipo) {
    case TnTipoColuna::SmallInt:
    case TnTipoColuna::Integer:
    case TnTipoColuna::BigInt:
      return v.toLongLong();
    case TnTipoColuna::Numeric:
      return QString::number(v.toDouble(), 'f', coluna.Escala);
    case TnTipoColuna::VarChar:
    case TnTipoColuna::Char:
    case TnTipoColuna::Memo:
      return v.toString();
    case TnTipoColuna::Date:
      return v.typeId() == QMetaType::QDate ? v : QVariant(DataDoTexto(v.toString()));
    case TnTipoColuna::Timestamp:
      if (v.typeId() == QMetaType::QDateTime) {
        const QDateTime momento = v.toDateTime();
        return relogio.Criar(momento.date(), momento.time());
      }
      return DataHoraDoTexto(v.toString(), relogio);
  }
  return v;
}

// A looked-up name: the select of the name by the key columns, and where the
// key's values sit in the row.
struct TnNomePiso {
  QString SQL;
  std::vector<int> Colunas;
  int Destino = 0;
};

struct TnPiso {
  std::vector<const TnColunaDef *> Colunas;  // the select's columns
  std::vector<TnNomePiso> Nomes;
  std::vector<std::vector<QVariant>> Linhas;
  std::vector<int> Visao;  // the rows the last filter or sort gave, in order
  int Largura() const { return static_cast<int>(Colunas.size() + Nomes.size()); }
};

// Reads every row of the select, converted, with the looked-up names (each
// key read once).
void LerPiso(TnPiso &piso, const QString &sql) {
  piso.Linhas.clear();
  TnRelogio relogio;
  TnQueryPiso q = Preparar(sql);
  Exec(q);
  const int colunas = static_cast<int>(piso.Colunas.size());
  const int largura = piso.Largura();
  while (q.next()) {
    std::vector<QVariant> linha(static_cast<size_t>(largura));
    for (int c = 0; c < colunas; ++c) linha[static_cast<size_t>(c)] = Converter(q.value(c), *piso.Colunas[c], relogio);
    piso.Linhas.push_back(std::move(linha));
  }
  for (const TnNomePiso &nome : piso.Nomes) {
    TnQueryPiso busca = Preparar(nome.SQL);
    QHash<QString, QVariant> achados;
    for (std::vector<QVariant> &linha : piso.Linhas) {
      QString chave;
      bool vazia = false;
      for (const int c : nome.Colunas) {
        vazia = vazia || linha[static_cast<size_t>(c)].isNull();
        chave += linha[static_cast<size_t>(c)].toString() + QChar(0x1F);
      }
      if (vazia) continue;
      auto achado = achados.constFind(chave);
      if (achado == achados.cend()) {
        for (const int c : nome.Colunas) busca.addBindValue(linha[static_cast<size_t>(c)]);
        Exec(busca);
        QVariant valor;
        if (busca.next() && !busca.value(0).isNull()) valor = busca.value(0).toString();
        busca.finish();
        achado = achados.insert(chave, valor);
      }
      linha[static_cast<size_t>(nome.Destino)] = *achado;
    }
  }
}

// Reads every value of the first `linhas` rows of `visao` (all by default),
// and counts them, as the grid does.
qint64 PercorrerPiso(const TnPiso &piso, const std::vector<int> &visao,
                     size_t linhas = std::numeric_limits<size_t>::max()) {
  qint64 cheios = static_cast<qint64>(visao.size());
  for (size_t k = 0; k < visao.size() && k < linhas; ++k)
    for (const QVariant &valor : piso.Linhas[static_cast<size_t>(visao[k])]) cheios += valor.isNull() ? 0 : 1;
  return cheios;
}

std::vector<int> Todas(const TnPiso &piso) {
  std::vector<int> todas(piso.Linhas.size());
  for (size_t i = 0; i < todas.size(); ++i) todas[i] = static_cast<int>(i);
  return todas;
}

int Coluna(const TnPiso &piso, const QString &nome) {
  for (size_t c = 0; c < piso.Colunas.size(); ++c)
    if (piso.Colunas[c]->Nome.compare(nome, Qt::CaseInsensitive) == 0) return static_cast<int>(c);
  Falhar(QStringLiteral("coluna %1 fora do select").arg(nome));
}

bool Inteira(TnTipoColuna tipo) {
  return tipo == TnTipoColuna::SmallInt || tipo == TnTipoColuna::Integer || tipo == TnTipoColuna::BigInt;
}

void FiltrarPiso(TnPiso &piso, const TnCadastro &cadastro) {
  struct TnTeste {
    int Coluna;
    bool Maior;
    bool Numero;
    qlonglong ValorNumero;
    QString Texto;
  };
  std::vector<TnTeste> testes;
  for (const TnCondicao &condicao : cadastro.Filtro) {
    const int c = Coluna(piso, QLatin1String(condicao.Coluna));
    testes.push_back({c, condicao.Operador == '>', Inteira(piso.Colunas[c]->Tipo), condicao.Valor.toLongLong(),
                      condicao.Valor.toString()});
  }
  piso.Visao.clear();
  for (size_t i = 0; i < piso.Linhas.size(); ++i) {
    const std::vector<QVariant> &linha = piso.Linhas[i];
    bool passa = true;
    for (const TnTeste &teste : testes) {
      const QVariant &valor = linha[static_cast<size_t>(teste.Coluna)];
      if (valor.isNull()) {
        passa = false;
      } else if (teste.Numero) {
        const qlonglong n = *static_cast<const qlonglong *>(valor.constData());
        passa = teste.Maior ? n > teste.ValorNumero : n == teste.ValorNumero;
      } else {
        const int r = static_cast<const QString *>(valor.constData())->compare(teste.Texto);
        passa = teste.Maior ? r > 0 : r == 0;
      }
      if (!passa) break;
    }
    if (passa) piso.Visao.push_back(static_cast<int>(i));
  }
}

// Nulls first; equal values keep the select's order.
void OrdenarPiso(TnPiso &piso, const TnCadastro &cadastro) {
  const int c = Coluna(piso, QLatin1String(cadastro.Ordem));
  const TnTipoColuna tipo = piso.Colunas[c]->Tipo;
  piso.Visao = Todas(piso);
  auto valor = [&](int i) -> const QVariant & { return piso.Linhas[static_cast<size_t>(i)][static_cast<size_t>(c)]; };
  auto comparar = [&](int a, int b) {
    const QVariant &va = valor(a);
    const QVariant &vb = valor(b);
    if (va.isNull() || vb.isNull()) return va.isNull() && !vb.isNull();
    switch (tipo) {
      case TnTipoColuna::SmallInt:
      case TnTipoColuna::Integer:
      case TnTipoColuna::BigInt:
        return *static_cast<const qlonglong *>(va.constData()) < *static_cast<const qlonglong *>(vb.constData());
      case TnTipoColuna::Date:
        return static_cast<const QDate *>(va.constData())->toJulianDay() <
               static_cast<const QDate *>(vb.constData())->toJulianDay();
      case TnTipoColuna::Timestamp: {
        const QDateTime &da = *static_cast<const QDateTime *>(va.constData());
        const QDateTime &db = *static_cast<const QDateTime *>(vb.constData());
        if (da.date() != db.date()) return da.date() < db.date();
        return da.time() < db.time();
      }
      default:
        return static_cast<const QString *>(va.constData())->compare(*static_cast<const QString *>(vb.constData())) < 0;
    }
  };
  std::stable_sort(piso.Visao.begin(), piso.Visao.end(), comparar);
}

// --- the program

// The rows a grid shows at once.
constexpr int kTela = 30;

// The grid's cursor over the module's rows, with the module's filter and
// index, reading every field of the first `linhas` rows (all of them by
// default) in place, as the floor reads its rows, with the count of the view
// for the scroll bar.
qint64 PercorrerGrade(TnClientDataSet &dados, int linhas = std::numeric_limits<int>::max()) {
  TnClientDataSet grade;
  grade.CloneCursor(&dados, false);
  const int campos = grade.FieldCount();
  qint64 cheios = grade.RecordCount();
  int lidas = 0;
  for (grade.First(); !grade.Eof() && lidas < linhas; grade.Next(), ++lidas)
    for (int c = 0; c < campos; ++c) cheios += grade.Fields(c)->IsNull() ? 0 : 1;
  return cheios;
}

bool Iguais(const QVariant &a, const QVariant &b) {
  if (a.isNull() || b.isNull()) return a.isNull() == b.isNull();
  if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime)
    return a.toDateTime().date() == b.toDateTime().date() && a.toDateTime().time() == b.toDateTime().time();
  return a == b || a.toString() == b.toString();
}

// The rows the module's view shows, in order, against the floor's `visao`:
// the same rows with the same values.
void Comparar(TnClientDataSet &dados, const TnPiso &piso, const std::vector<int> &visao, const char *operacao,
              const char *classe) {
  TnClientDataSet grade;
  grade.CloneCursor(&dados, false);
  if (grade.RecordCount() != static_cast<int>(visao.size()))
    Falhar(QStringLiteral("%1, %2: %3 linhas no programa, %4 no piso")
               .arg(QLatin1String(classe), QLatin1String(operacao))
               .arg(grade.RecordCount())
               .arg(visao.size()));
  const int largura = piso.Largura();
  size_t k = 0;
  for (grade.First(); !grade.Eof(); grade.Next(), ++k) {
    const std::vector<QVariant> &linha = piso.Linhas[static_cast<size_t>(visao[k])];
    for (int c = 0; c < largura; ++c) {
      const QVariant programa = grade.Fields(c)->Value();
      if (!Iguais(programa, linha[static_cast<size_t>(c)]))
        Falhar(QStringLiteral("%1, %2, linha %3, campo %4: programa \"%5\" (%6), piso \"%7\" (%8)")
                   .arg(QLatin1String(classe), QLatin1String(operacao))
                   .arg(k + 1)
                   .arg(grade.Fields(c)->FieldName(), programa.toString(), QLatin1String(programa.typeName()),
                        linha[static_cast<size_t>(c)].toString(),
                        QLatin1String(linha[static_cast<size_t>(c)].typeName())));
    }
  }
}

QString TextoDoFiltro(const TnCadastro &cadastro) {
  QStringList condicoes;
  for (const TnCondicao &condicao : cadastro.Filtro) {
    const QString valor = condicao.Valor.typeId() == QMetaType::QString
                              ? QStringLiteral("'%1'").arg(condicao.Valor.toString())
                              : condicao.Valor.toString();
    condicoes
        << QStringLiteral("%1 %2 %3").arg(QLatin1String(condicao.Coluna)).arg(QChar(condicao.Operador)).arg(valor);
  }
  return condicoes.join(QStringLiteral(" and "));
}

// The floor's shape from the module's fields: the select's columns as the
// table declares them, and a looked-up name for each lookup field.
TnPiso MontarPiso(TnClientDataSet &dados, const TnTabelaDef &tabela) {
  TnPiso piso;
  TnQueryPiso q = Preparar(dados.CommandText() + QStringLiteral(" limit 0"));
  Exec(q);
  const QSqlRecord registro = q.record();
  for (int c = 0; c < registro.count(); ++c) {
    const TnColunaDef *coluna = tabela.Coluna(registro.fieldName(c));
    if (!coluna) Falhar(QStringLiteral("coluna %1 fora de %2").arg(registro.fieldName(c), tabela.Nome));
    piso.Colunas.push_back(coluna);
  }
  for (int f = registro.count(); f < dados.FieldCount(); ++f) {
    const auto *lookup = dynamic_cast<const TnLookupField *>(dados.Fields(f));
    if (!lookup) Falhar(QStringLiteral("campo %1 sem equivalente no piso").arg(dados.Fields(f)->FieldName()));
    TnNomePiso nome;
    QStringList condicoes;
    for (qsizetype k = 0; k < lookup->ColunasChave().size(); ++k) {
      condicoes << lookup->ColunasChave()[k] + QStringLiteral(" = ?");
      nome.Colunas.push_back(Coluna(piso, lookup->CamposChave()[k]));
    }
    nome.SQL = QStringLiteral("select %1 from %2 where %3")
                   .arg(lookup->Resultado(), lookup->Tabela(), condicoes.join(QStringLiteral(" and ")));
    nome.Destino = f;
    piso.Nomes.push_back(nome);
  }
  return piso;
}

size_t Alocado() { return mallinfo2().uordblks; }

QElapsedTimer gRelogio;
double Decorrido() { return gRelogio.nsecsElapsed() / 1e6; }

struct TnFigura {
  TnRodadas Rodadas;
  int Linhas = 0;
};

void Medir(const TnCadastro &cadastro, const TnOpcoesBench &opcoes) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(CriarDM(QLatin1String(cadastro.Classe)));
  if (!dm) Falhar(QStringLiteral("%1 não criado").arg(QLatin1String(cadastro.Classe)));
  TnClientDataSet &dados = *dm->nClientDataSet;
  const TnTabelaDef &tabela = *TnSchema::Tabela(QLatin1String(cadastro.Tabela));
  const QString filtro = TextoDoFiltro(cadastro);

  // The memory the open rows hold, on each side.
  size_t antes = Alocado();
  dm->Abrir();
  const size_t programaBytes = Alocado() - antes;
  TnPiso piso = MontarPiso(dados, tabela);
  antes = Alocado();
  LerPiso(piso, dados.CommandText());
  const size_t pisoBytes = Alocado() - antes;
  const int linhas = static_cast<int>(piso.Linhas.size());
  if (linhas != gLinhas.value(tabela.Nome) || dados.RecordCount() != linhas)
    Falhar(QStringLiteral("%1: %2 linhas no programa, %3 no piso, %4 na tabela")
               .arg(QLatin1String(cadastro.Classe))
               .arg(dados.RecordCount())
               .arg(linhas)
               .arg(gLinhas.value(tabela.Nome)));

  TnRodadas abrir, filtrar, lerFiltradas, ordenar, lerOrdenadas;
  qint64 cheiosPrograma = 0, cheiosPiso = 0;
  auto conferir = [&](const char *operacao) {
    if (cheiosPrograma != cheiosPiso)
      Falhar(
          QStringLiteral("%1, %2: valores lidos diferem").arg(QLatin1String(cadastro.Classe), QLatin1String(operacao)));
  };
  for (int r = 0; r < opcoes.Rodadas; ++r) {
    // Open and read every row. A first opening on both sides: no name
    // looked up yet.
    dados.Close();
    for (int f = 0; f < dados.FieldCount(); ++f)
      if (auto *lookup = dynamic_cast<TnLookupField *>(dados.Fields(f))) lookup->LimparCache();
    piso.Linhas.clear();
    piso.Linhas.shrink_to_fit();
    AssentarHeap();
    gRelogio.restart();
    dm->Abrir();
    cheiosPrograma = PercorrerGrade(dados);
    const double tAbrir = Decorrido();
    AssentarHeap();
    gRelogio.restart();
    LerPiso(piso, dados.CommandText());
    cheiosPiso = PercorrerPiso(piso, Todas(piso));
    abrir.Anotar(tAbrir, Decorrido());
    conferir("abrir");
    Comparar(dados, piso, Todas(piso), "abrir", cadastro.Classe);

    // The filter and the title click: the grid shows its first screen, then
    // every row of the view is read.
    // The sides take turns at going first, and each starts its timing with
    // the blocks freed before it sorted (AssentarHeap), so that neither pays
    // for the other's frees or for the check's.
    const bool pisoPrimeiro = r % 2 == 1;
    auto visao = [&](const char *operacao, TnRodadas &tela, TnRodadas &todas, const std::function<void()> &aplicar,
                     const std::function<void()> &aplicarPiso) {
      double tPrograma = 0, tPiso = 0;
      auto telaPrograma = [&] {
        AssentarHeap();
        gRelogio.restart();
        aplicar();
        cheiosPrograma = PercorrerGrade(dados, kTela);
        tPrograma = Decorrido();
      };
      auto telaPiso = [&] {
        AssentarHeap();
        gRelogio.restart();
        aplicarPiso();
        cheiosPiso = PercorrerPiso(piso, piso.Visao, kTela);
        tPiso = Decorrido();
      };
      if (pisoPrimeiro) telaPiso();
      telaPrograma();
      if (!pisoPrimeiro) telaPiso();
      tela.Anotar(tPrograma, tPiso);
      conferir(operacao);
      auto todasPrograma = [&] {
        AssentarHeap();
        gRelogio.restart();
        cheiosPrograma = PercorrerGrade(dados);
        tPrograma = Decorrido();
      };
      auto todasPiso = [&] {
        AssentarHeap();
        gRelogio.restart();
        cheiosPiso = PercorrerPiso(piso, piso.Visao);
        tPiso = Decorrido();
      };
      if (pisoPrimeiro) todasPiso();
      todasPrograma();
      if (!pisoPrimeiro) todasPiso();
      todas.Anotar(tPrograma, tPiso);
      conferir(operacao);
      if (piso.Visao.empty())
        Falhar(QStringLiteral("%1, %2: nenhuma linha").arg(QLatin1String(cadastro.Classe), QLatin1String(operacao)));
      Comparar(dados, piso, piso.Visao, operacao, cadastro.Classe);
    };
    visao(
        "filtrar", filtrar, lerFiltradas,
        [&] {
          dados.SetFilter(filtro);
          dados.SetFiltered(true);
        },
        [&] { FiltrarPiso(piso, cadastro); });
    dados.SetFiltered(false);
    dados.SetFilter(QString());
    visao(
        "ordenar", ordenar, lerOrdenadas, [&] { dados.SetIndexFieldNames(QLatin1String(cadastro.Ordem)); },
        [&] { OrdenarPiso(piso, cadastro); });
    dados.SetIndexFieldNames(QString());
  }

  const char *meta = opcoes.Pg ? "2.00" : "1.50";
  FiltrarPiso(piso, cadastro);
  std::printf("\n== %s (%s): %d linhas, %d campos (%d buscados por nome); filtro \"%s\" (%d linhas); ordem %s\n",
              cadastro.Classe, cadastro.Tabela, linhas, dados.FieldCount(), static_cast<int>(piso.Nomes.size()),
              filtro.toUtf8().constData(), static_cast<int>(piso.Visao.size()), cadastro.Ordem);
  abrir.Imprimir("abrir e ler todas as linhas", QStringLiteral("%1 linhas").arg(linhas), meta);
  filtrar.Imprimir("filtrar e mostrar a primeira tela", filtro, meta);
  lerFiltradas.Imprimir("ler todas as linhas filtradas", filtro, meta);
  ordenar.Imprimir("ordenar pelo título e mostrar a primeira tela", QLatin1String(cadastro.Ordem), meta);
  lerOrdenadas.Imprimir("ler todas as linhas ordenadas", QLatin1String(cadastro.Ordem), meta);
  const TnResumo<double> melhorAbrir = Resumir(abrir.Processo);
  std::printf(
      "  por linha ao abrir: %.2f µs; memória das linhas abertas: programa %.0f bytes/linha, piso %.0f "
      "bytes/linha (%.2f vezes)\n",
      melhorAbrir.Minimo * 1000 / linhas, double(programaBytes) / linhas, double(pisoBytes) / linhas,
      double(programaBytes) / double(pisoBytes));
  std::fflush(stdout);
  nLiberarDM(dm);
}

}  // namespace

int main(int argc, char **argv) {
  QString somente;
  const TnOpcoesBench opcoes =
      LerOpcoes(argc, argv,
                "uso: mVoxBenchCadastros [--fator F] [--cadastro TmVoxDM…] [--rodadas N] [--banco sqlite|postgresql]\n"
                "  --fator    linhas de cada cadastro (1 = 100.000; de 0.25 a 2; chaves smallint até 32.000)\n"
                "  --cadastro só este cadastro (os pais são preenchidos também)\n",
                [&](const QString &opcao, const QString &valor) {
                  bool ok = false;
                  if (opcao == QLatin1String("--fator"))
                    gFator = valor.toDouble(&ok);
                  else if (opcao == QLatin1String("--cadastro"))
                    ok = !(somente = valor).isEmpty();
                  return ok && gFator >= 0.25 && gFator <= 8;  // below 0.25 some filters keep no row
                });
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDMProtocolo"), QStringLiteral("bench-cadastros.db"),
                                 opcoes);
  const double montagem = MontarEscritorio(InserirEscritorio);
  std::printf("%s, fator %.2f: %d empresas de %d filiais, os cadastros preenchidos em %.1f s; %d rodadas\n",
              opcoes.Engine(), gFator, kEmpresas, kFiliais, montagem, opcoes.Rodadas);
  std::fflush(stdout);
  gRelogio.start();
  for (const TnCadastro &cadastro : Cadastros())
    if (somente.isEmpty() || somente == QLatin1String(cadastro.Classe)) Medir(cadastro, opcoes);
  ImprimirMemoriaPico();
  return 0;
}
