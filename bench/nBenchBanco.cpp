// 100,000 rows (times --fator, 0.25 to 2) inserted in one transaction and
// read back, through the framework's layer and through raw QSqlQuery, in the
// same run on the same engine. Both sides convert values alike: the raw side binds through the
// dialect's binding (dates as the canonical text) and reads dates back with
// the dialect's parser, as the layer does. Prints the ratio layer / raw
// (goal: at most 1.5 on SQLite, 2 on PostgreSQL) by the fastest rounds and by
// the medians, and each side's time per row, which stays the same from one
// factor to another while the growth is linear.
//
//   nBenchBanco [--fator F] [--rodadas N] [--banco sqlite|postgresql]
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

#include "mVoxBench_U.h"
#include "nDMConexao_U.h"
#include "nDecimal_U.h"
#include "nDialetoSQL_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"

namespace {

int kLinhas = 100000;
QTemporaryDir *gPasta = nullptr;
const TnBancoBench *gServidor = nullptr;  // the run's database on PostgreSQL, none on SQLite
int gBanco = 0;

// Each round starts from an empty table: a new file on SQLite, the table
// made again on PostgreSQL.
void NovoBanco() {
  if (gServidor) {
    nDMConexao()->Conectar(gServidor->Config());
    nDMConexao()->Executar(QStringLiteral("drop table if exists B"));
  } else {
    TnConfigConexao config;
    config.Arquivo = gPasta->filePath(QStringLiteral("bench%1.db").arg(++gBanco));
    nDMConexao()->Conectar(config);
  }
  nDMConexao()->Executar(QStringLiteral(
      "create table B (ID bigint not null primary key, NOME varchar(50), DIA date, VALOR numeric(18,2))"));
}

QString Nome(int i) { return QStringLiteral("Documento %1").arg(i); }
QDate Dia(int i) { return QDate(2026, 1, 1).addDays(i % 365); }
QString Valor(int i) { return TnDecimal(i * 7 + 13, 2).Texto(); }

void Camada(benchmark::State &estado) {
  for (auto _ : estado) {
    estado.PauseTiming();
    NovoBanco();
    estado.ResumeTiming();
    {
      TnTransacao transacao;
      TnSQLDataSet insercao;
      insercao.SetCommandText(
          QStringLiteral("insert into B (ID, NOME, DIA, VALOR) values (:pId, :pNome, :pDia, :pValor)"));
      insercao.SetPrepared(true);
      insercao.Params(0).SetDataType(TnFieldType::LargeInt);
      insercao.Params(1).SetDataType(TnFieldType::String);
      insercao.Params(2).SetDataType(TnFieldType::Date);
      insercao.Params(3).SetDataType(TnFieldType::FMTBcd);
      for (int i = 1; i <= kLinhas; ++i) {
        insercao.Params(0).SetAsInteger(i);
        insercao.Params(1).SetAsString(Nome(i));
        insercao.Params(2).SetAsDate(Dia(i));
        insercao.Params(3).SetValue(Valor(i));
        insercao.ExecSQL();
      }
      transacao.Commit();
    }
    auto dados = ExecutarSQL(QStringLiteral("select ID, NOME, DIA, VALOR from B order by ID"));
    TnField *id = dados->FieldByName(QStringLiteral("ID"));
    TnField *nome = dados->FieldByName(QStringLiteral("NOME"));
    TnField *dia = dados->FieldByName(QStringLiteral("DIA"));
    TnField *valor = dados->FieldByName(QStringLiteral("VALOR"));
    qint64 soma = 0;
    for (dados->First(); !dados->Eof(); dados->Next()) {
      soma += id->AsLargeInt() + nome->Value().toString().size() + dia->AsDate().day();
      benchmark::DoNotOptimize(valor->Value());
    }
    if (dados->RecordCount() != kLinhas) estado.SkipWithError("linhas perdidas");
    benchmark::DoNotOptimize(soma);
    estado.PauseTiming();
    nDMConexao()->Desconectar();
    estado.ResumeTiming();
  }
}

void QtPuro(benchmark::State &estado) {
  for (auto _ : estado) {
    estado.PauseTiming();
    NovoBanco();
    QSqlDatabase db = nDMConexao()->Database();
    estado.ResumeTiming();
    {
      db.transaction();
      QSqlQuery q(db);
      // Bound by name, as the layer binds.
      q.prepare(QStringLiteral("insert into B (ID, NOME, DIA, VALOR) values (:b0, :b1, :b2, :b3)"));
      const QString b0 = QStringLiteral(":b0"), b1 = QStringLiteral(":b1"), b2 = QStringLiteral(":b2"),
                    b3 = QStringLiteral(":b3");
      for (int i = 1; i <= kLinhas; ++i) {
        q.bindValue(b0, TnDialetoSQL::ValorParaBanco(qlonglong(i)));
        q.bindValue(b1, TnDialetoSQL::ValorParaBanco(Nome(i)));
        q.bindValue(b2, TnDialetoSQL::ValorParaBanco(Dia(i)));
        q.bindValue(b3, TnDialetoSQL::ValorParaBanco(Valor(i)));
        if (!q.exec()) estado.SkipWithError(q.lastError().text().toUtf8().constData());
      }
      db.commit();
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.exec(QStringLiteral("select ID, NOME, DIA, VALOR from B order by ID"));
    qint64 soma = 0;
    int linhas = 0;
    while (q.next()) {
      soma += q.value(0).toLongLong() + q.value(1).toString().size() +
              TnDialetoSQL::DataDoTexto(q.value(2).toString()).day();
      benchmark::DoNotOptimize(q.value(3));
      ++linhas;
    }
    if (linhas != kLinhas) estado.SkipWithError("linhas perdidas");
    benchmark::DoNotOptimize(soma);
    estado.PauseTiming();
    q = QSqlQuery();
    db = QSqlDatabase();
    nDMConexao()->Desconectar();
    estado.ResumeTiming();
  }
}

// Every round's time of each side.
class TnColetor : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, std::vector<double>> Tempos;
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &r : runs)
      if (r.run_type == Run::RT_Iteration) Tempos[r.run_name.function_name].push_back(r.GetAdjustedRealTime());
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char **argv) {
  double fator = 1;
  const TnOpcoesBench opcoes =
      LerOpcoes(argc, argv, "uso: nBenchBanco [--fator F] [--rodadas N] [--banco sqlite|postgresql]\n"
                            "  --fator    linhas em relação a 100.000, de 0.25 a 2 (padrão 1)\n",
                [&fator](const QString &opcao, const QString &valor) {
                  bool ok = false;
                  fator = valor.toDouble(&ok);
                  return opcao == QLatin1String("--fator") && ok && fator >= 0.25 && fator <= 2;
                });
  kLinhas = qRound(100000 * fator);
  TnAmbienteBench::Fuso();
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  gPasta = &pasta;
  std::unique_ptr<TnBancoBench> servidor;
  if (opcoes.Pg) {
    servidor = std::make_unique<TnBancoBench>(pasta, QString(), opcoes);
    nDMConexao()->Desconectar();
    gServidor = servidor.get();
  }
  int argcBenchmark = 1;
  benchmark::Initialize(&argcBenchmark, argv);
  for (const auto &[nome, lado] : {std::pair{"QtPuro", &QtPuro}, std::pair{"Camada", &Camada}})
    benchmark::RegisterBenchmark(nome, lado)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(opcoes.Rodadas);
  TnColetor coletor;
  benchmark::RunSpecifiedBenchmarks(&coletor);
  const std::vector<double> &puro = coletor.Tempos["QtPuro"];
  const std::vector<double> &camada = coletor.Tempos["Camada"];
  if (puro.empty() || camada.empty()) Falhar(QStringLiteral("sem medida de um dos lados"));
  const TnResumo<double> p = Resumir(puro);
  const TnResumo<double> c = Resumir(camada);
  std::printf("%s, fator %.2f: %d linhas, %d rodadas\n", opcoes.Engine(), fator, kLinhas, opcoes.Rodadas);
  std::printf("QSqlQuery puro: melhor %.1f ms, mediana %.1f ms; camada: melhor %.1f ms, mediana %.1f ms\n", p.Minimo,
              p.Mediana, c.Minimo, c.Mediana);
  std::printf("por linha (melhores): QSqlQuery puro %.2f µs, camada %.2f µs\n", p.Minimo * 1000 / kLinhas,
              c.Minimo * 1000 / kLinhas);
  std::printf("razão camada/QSqlQuery puro: %.2f pelas melhores, %.2f pelas medianas (meta: até %s)\n",
              c.Minimo / p.Minimo, c.Mediana / p.Mediana, opcoes.Pg ? "2.00" : "1.50");
  benchmark::Shutdown();
  servidor.reset();
  ImprimirMemoriaPico();
  return 0;
}
