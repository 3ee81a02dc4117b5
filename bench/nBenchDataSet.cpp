// The protocol register's dataset over 100,000 PROTOCOLO rows: opened through
// the provider (CommandText + Open) and walked reading every field, against a
// raw QSqlQuery read of the same select reading every column, in the same run
// on the same database. Then the filter, the index and 10,000 FindKeys on it, and
// the memory the open rows take. Goal: open + walk at most 1.5 times the raw
// read.
//
//   nBenchDataSet [--rodadas N] [--banco sqlite|postgresql]
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "mVoxBench_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDialetoSQL_U.h"
#include "nSchema_U.h"

namespace {

constexpr int kLinhas = 100000;
constexpr int kBuscas = 10000;
int gRodadas = 5;  // --rodadas

const QString kSQL = QStringLiteral(
    "Select t_t.CODIGOPROTOCOLO,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,t_t.TIPOPRO,t_t.OBSERVACAO,"
    "t_t.DATAHORACADASTRO,t_t.CODIGOUSUARIO,t_t.FORMAENTREGA,t_t.NATUREZAPRO,t_t.DATAHORAENTREGA,"
    "t_t.CODIGOUSUARIOINT,t_t.USUARIOEXT,t_t.DATAHORABAIXA,t_t.CANCELADO,t_t.ORIGEMDADO from PROTOCOLO t_t "
    "ORDER BY t_t.CodigoProtocolo");

QDate Dia(int i) { return QDate(2024, 1, 1).addDays(i % 1000); }

void InserirLinhas() {
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  QSqlQuery q(db);
  q.prepare(QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, DATAHORAENTREGA, CODIGOUSUARIOINT, USUARIOEXT, "
      "DATAHORABAIXA, CANCELADO, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  auto banco = [](const QVariant &v) { return TnDialetoSQL::ValorParaBanco(v); };
  for (int i = 1; i <= kLinhas; ++i) {
    const QDateTime cadastro(Dia(i), QTime(8, 0).addSecs(i % 36000));
    const bool entregue = i % 2 == 0;
    q.bindValue(0, qlonglong(i));
    q.bindValue(1, i % 5 + 1);
    q.bindValue(2, i % 3 + 1);
    q.bindValue(3, banco(Dia(i)));
    q.bindValue(4, i % 2 ? QStringLiteral("1") : QStringLiteral("2"));
    q.bindValue(5, QStringLiteral("Protocolo de documentos %1").arg(i));
    q.bindValue(6, banco(cadastro));
    q.bindValue(7, 1);
    q.bindValue(8, QStringLiteral("1"));
    q.bindValue(9, QStringLiteral("1"));
    q.bindValue(10, entregue ? banco(cadastro.addDays(2)) : QVariant());
    q.bindValue(11, entregue ? QVariant(2) : QVariant());
    q.bindValue(12, entregue ? QVariant(QStringLiteral("Recebedor %1").arg(i % 97)) : QVariant());
    q.bindValue(13, QVariant());
    q.bindValue(14, i % 10 == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    q.bindValue(15, 2);
    if (!q.exec()) Falhar(q.lastError().text());
  }
  db.commit();
}

double Residente() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> campos = statm.readAll().split(' ');
  return campos.size() > 1 ? campos[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

// The fastest and the median of the rounds, in milliseconds.
TnResumo<double> Medir(const std::function<void()> &trabalho) {
  std::vector<double> rodadas;
  for (int r = 0; r < gRodadas; ++r) {
    QElapsedTimer relogio;
    relogio.start();
    trabalho();
    rodadas.push_back(relogio.nsecsElapsed() / 1e6);
  }
  return Resumir(rodadas);
}

// "melhor (mediana)"
QByteArray Texto(const TnResumo<double> &tempo) {
  return QStringLiteral("%1 ms (mediana %2 ms)").arg(tempo.Minimo, 0, 'f', 1).arg(tempo.Mediana, 0, 'f', 1).toUtf8();
}

// The raw read: every column of every row, as the driver gives it.
void LeituraCrua() {
  QSqlQuery q(nDMConexao()->Database());
  q.setForwardOnly(true);
  q.setNumericalPrecisionPolicy(QSql::HighPrecision);
  if (!q.exec(kSQL)) Falhar(q.lastError().text());
  const int colunas = 16;
  qint64 soma = 0;
  int linhas = 0;
  while (q.next()) {
    for (int c = 0; c < colunas; ++c) soma += q.value(c).isNull() ? 0 : 1;
    ++linhas;
  }
  if (linhas != kLinhas) Falhar(QStringLiteral("linhas perdidas na leitura crua"));
  std::fprintf(stderr, "%s", soma < 0 ? "?" : "");
}

std::unique_ptr<TnClientDataSet> Abrir() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->SetCommandText(kSQL);
  dados->Open();
  return dados;
}

// The walk: every field's value of every row, through the fields.
void Percorrer(TnClientDataSet &dados) {
  const int campos = dados.FieldCount();
  qint64 soma = 0;
  int linhas = 0;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    for (int c = 0; c < campos; ++c) soma += dados.Fields(c)->Value().isNull() ? 0 : 1;
    ++linhas;
  }
  if (linhas != kLinhas) Falhar(QStringLiteral("linhas perdidas no conjunto de dados"));
  std::fprintf(stderr, "%s", soma < 0 ? "?" : "");
}

}  // namespace

int main(int argc, char **argv) {
  const TnOpcoesBench opcoes = LerOpcoes(argc, argv, "uso: nBenchDataSet [--rodadas N] [--banco sqlite|postgresql]\n");
  gRodadas = opcoes.Rodadas;
  TnAmbienteBench::Fuso();
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const TnBancoBench banco(pasta, QStringLiteral("bench-dataset.db"), opcoes);
  nConverterBanco(*nDMConexao());
  InserirLinhas();

  // Memory first, before any other read has grown the heap.
  const double antes = Residente();
  auto dados = Abrir();
  const double depois = Residente();
  Percorrer(*dados);

  const TnResumo<double> cru = Medir(LeituraCrua);
  const TnResumo<double> camada = Medir([] {
    auto d = Abrir();
    Percorrer(*d);
  });
  const TnResumo<double> abertura = Medir([] { Abrir(); });

  int filtradas = 0;
  const TnResumo<double> filtro = Medir([&] {
    dados->SetFiltered(false);
    dados->SetFilter(QStringLiteral("CODIGOEMPRESA = 2 and CANCELADO = '0'"));
    dados->SetFiltered(true);
    filtradas = dados->RecordCount();
  });
  dados->SetFiltered(false);

  const TnResumo<double> indice = Medir([&] {
    dados->SetIndexFieldNames(QString());
    dados->SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;DATALCTOPRO"));
  });

  int achadas = 0;
  const TnResumo<double> buscas = Medir([&] {
    achadas = 0;
    for (int k = 0; k < kBuscas; ++k)
      if (dados->FindKey({k % 5 + 1, Dia(k * 37)})) ++achadas;
  });

  std::printf("%s, linhas: %d, colunas: %d, %d rodadas\n", opcoes.Engine(), kLinhas, dados->FieldCount(),
              opcoes.Rodadas);
  std::printf("leitura crua (QSqlQuery, todas as colunas): %s\n", Texto(cru).constData());
  std::printf("abrir + percorrer (provedor, todos os campos): %s (so abrir: %s)\n", Texto(camada).constData(),
              Texto(abertura).constData());
  std::printf("razao abrir+percorrer / leitura crua: %.2f pelas melhores, %.2f pelas medianas (meta: ate 1.50)\n",
              camada.Minimo / cru.Minimo, camada.Mediana / cru.Mediana);
  std::printf("memoria por linha aberta: %.0f bytes\n", (depois - antes) / kLinhas);
  std::printf("filtro \"CODIGOEMPRESA = 2 and CANCELADO = '0'\": %s (%d linhas)\n", Texto(filtro).constData(),
              filtradas);
  std::printf("indice \"CODIGOEMPRESA;DATALCTOPRO\": %s\n", Texto(indice).constData());
  std::printf("%d FindKey: %s (%d achadas, %.2f us cada)\n", kBuscas, Texto(buscas).constData(), achadas,
              buscas.Minimo * 1000 / kBuscas);
  dados.reset();
  ImprimirMemoriaPico();
  return 0;
}
