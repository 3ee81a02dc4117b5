#pragma once

// What the benchmarks share: a failure ends the run with its text; the
// floor's plain prepared statements run on the framework's connection; the
// options every benchmark takes (--banco sqlite|postgresql, --rodadas N) and
// the summary of the rounds (the fastest and the median); the peak resident
// memory; the office's companies and establishments; and the environment as
// the program builds it (time zone, saved parameters, the mVoxPk library
// opened by name) over a fresh database, converted as the program converts
// it, with the clock fixed. PostgreSQL is the server MVOX_TEST_PG names, as
// for the tests; the run makes a database of its own there and drops it at
// the end.

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <malloc.h>
#include <sys/resource.h>

#include "nDMConexao_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"
#include "nPacotes_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nSchema_U.h"
#include "nServidorPg_U.h"

[[noreturn]] inline void Falhar(const QString &texto) {
  std::fprintf(stderr, "%s\n", texto.toUtf8().constData());
  std::exit(1);
}

// A value as the framework binds it.
inline QVariant Banco(const QVariant &valor) { return TnDialetoSQL::ValorParaBanco(valor); }

// A floor's prepared statement, prepared as the framework prepares its own:
// each "?" a placeholder name of its own (":b0", ":b1", ...), its values
// bound by name, which costs the driver a seventh of a value bound by
// position. Values come in placeholder order and every placeholder gets one
// at each run, so addBindValue goes back to the first name after the last.
class TnQueryPiso : public QSqlQuery {
 public:
  TnQueryPiso(QSqlQuery consulta, QStringList nomes) : QSqlQuery(std::move(consulta)), FNomes(std::move(nomes)) {}
  void addBindValue(const QVariant &valor) {
    if (FNomes.isEmpty()) Falhar(QStringLiteral("Valor para uma instrução sem parâmetros: ") + lastQuery());
    QSqlQuery::bindValue(FNomes.at(FProximo), valor);
    FProximo = (FProximo + 1) % FNomes.size();
  }
  void bindValue(int posicao, const QVariant &valor) { QSqlQuery::bindValue(FNomes.at(posicao), valor); }
  void bindValue(const QString &nome, const QVariant &valor) { QSqlQuery::bindValue(nome, valor); }

 private:
  QStringList FNomes;
  qsizetype FProximo = 0;
};

inline TnQueryPiso Preparar(const QString &sql) {
  QString texto;
  texto.reserve(sql.size() + 16);
  QStringList nomes;
  bool literal = false;
  for (const QChar c : sql) {
    if (c == u'\'') literal = !literal;
    if (c == u'?' && !literal) {
      nomes.append(QStringLiteral(":b") + QString::number(nomes.size()));
      texto += nomes.constLast();
    } else {
      texto += c;
    }
  }
  QSqlQuery q(nDMConexao()->Database());
  q.setForwardOnly(true);
  q.setNumericalPrecisionPolicy(QSql::HighPrecision);
  if (!q.prepare(texto)) Falhar(q.lastError().text() + QStringLiteral("\n") + sql);
  return TnQueryPiso(std::move(q), std::move(nomes));
}

inline void Exec(QSqlQuery &q) {
  if (!q.exec()) Falhar(q.lastError().text() + QStringLiteral("\n") + q.lastQuery());
}

inline void ExecDireto(const QString &sql) {
  QSqlQuery q(nDMConexao()->Database());
  if (!q.exec(sql)) Falhar(q.lastError().text() + QStringLiteral("\n") + sql);
}

// Fresh statistics for the planner once the office is in.
inline void Analisar() {
  ExecDireto(nDMConexao()->Config().Tipo == TnTipoServidor::PostgreSQL ? QStringLiteral("vacuum analyze")
                                                                       : QStringLiteral("analyze"));
}

// Builds the office with `inserir` in one transaction and refreshes the
// planner's statistics; the seconds it took.
inline double MontarEscritorio(const std::function<void()> &inserir) {
  QElapsedTimer relogio;
  relogio.start();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  inserir();
  db.commit();
  Analisar();
  return relogio.nsecsElapsed() / 1e9;
}

// The first column of the first row of a select.
inline qlonglong Numero(const QString &sql) {
  QSqlQuery q(nDMConexao()->Database());
  if (!q.exec(sql) || !q.next()) Falhar(q.lastError().text() + QStringLiteral("\n") + sql);
  return q.value(0).toLongLong();
}

// The office's client companies 1..empresas ("Empresa Cliente N Ltda"), each
// with establishments 1..estabs ("Empresa Cliente N Ltda - Filial S", known as
// "Filial S"); `porEstab(e, s)` runs after each establishment is in and
// `porEmpresa(e)` after each company's establishments.
inline void InserirEmpresas(int empresas, int estabs, const std::function<void(int, int)> &porEstab = {},
                            const std::function<void(int)> &porEmpresa = {}) {
  QSqlQuery empresa =
      Preparar(QStringLiteral("insert into EMPRESA (CODIGOEMPRESA, NOMEEMPRESA, ATIVA) values (?, ?, '1')"));
  QSqlQuery estab = Preparar(
      QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB, APELIDOESTAB) values (?, ?, ?, ?)"));
  for (int e = 1; e <= empresas; ++e) {
    empresa.addBindValue(e);
    empresa.addBindValue(QStringLiteral("Empresa Cliente %1 Ltda").arg(e));
    Exec(empresa);
    for (int s = 1; s <= estabs; ++s) {
      estab.addBindValue(e);
      estab.addBindValue(s);
      estab.addBindValue(QStringLiteral("Empresa Cliente %1 Ltda - Filial %2").arg(e).arg(s));
      estab.addBindValue(QStringLiteral("Filial %1").arg(s));
      Exec(estab);
      if (porEstab) porEstab(e, s);
    }
    if (porEmpresa) porEmpresa(e);
  }
}

// --- the options

struct TnOpcoesBench {
  bool Pg = false;  // --banco postgresql (default: MVOX_TEST_ENGINE, or sqlite)
  int Rodadas = 5;  // --rodadas N
  const char *Engine() const { return Pg ? "PostgreSQL" : "SQLite"; }
  // The most a ratio program/floor may reach on the engine.
  const char *Meta() const { return Pg ? "2.00" : "1.50"; }
};

// Reads --banco and --rodadas and hands every other "--opcao valor" to
// `outra`, which says whether it knew it; an unknown option, a missing or bad
// value prints `uso` (the program's own lines) and the shared ones and ends
// the run.
inline TnOpcoesBench LerOpcoes(int argc, char **argv, const char *uso,
                               const std::function<bool(const QString &, const QString &)> &outra = {}) {
  TnOpcoesBench opcoes;
  opcoes.Pg = qEnvironmentVariable("MVOX_TEST_ENGINE").trimmed().toLower() == QLatin1String("postgresql");
  auto sair = [&] {
    std::fprintf(
        stderr,
        "%s  --rodadas  rodadas de cada lado (padrão 5); imprime a melhor e a mediana\n"
        "  --banco    sqlite ou postgresql, o servidor de MVOX_TEST_PG (padrão: MVOX_TEST_ENGINE, ou sqlite)\n",
        uso);
    std::exit(2);
  };
  for (int i = 1; i < argc; i += 2) {
    const QString opcao = QString::fromLocal8Bit(argv[i]);
    if (i + 1 >= argc) sair();
    const QString valor = QString::fromLocal8Bit(argv[i + 1]);
    bool ok = true;
    if (opcao == QLatin1String("--rodadas"))
      ok = (opcoes.Rodadas = valor.toInt(&ok)) >= 1 && ok;
    else if (opcao == QLatin1String("--banco")) {
      ok = valor == QLatin1String("sqlite") || valor == QLatin1String("postgresql");
      opcoes.Pg = valor == QLatin1String("postgresql");
    } else
      ok = outra && outra(opcao, valor);
    if (!ok) sair();
  }
  if (opcoes.Pg && !nServidorPgInformado()) Falhar(QStringLiteral("MVOX_TEST_PG não indica o servidor PostgreSQL"));
  return opcoes;
}

// LerOpcoes with --fator F, the office's size (taken from 0.01 to 8; `uso`
// says what 1 means and the range the program is measured over).
inline TnOpcoesBench LerOpcoesFator(int argc, char **argv, const char *uso, double &fator) {
  return LerOpcoes(argc, argv, uso, [&fator](const QString &opcao, const QString &valor) {
    bool ok = false;
    if (opcao == QLatin1String("--fator")) fator = valor.toDouble(&ok);
    return ok && fator >= 0.01 && fator <= 8;
  });
}

// --- the rounds

// The fastest of the rounds, as it was in each phase, and the median of the
// totals; T has Total(), or is the time itself.
template <class T>
struct TnResumo {
  T Minimo;
  double Mediana = 0;
};

inline double TotalDe(double tempo) { return tempo; }
template <class T>
double TotalDe(const T &tempos) {
  return tempos.Total();
}

template <class T>
TnResumo<T> Resumir(std::vector<T> rodadas) {
  if (rodadas.empty()) Falhar(QStringLiteral("nenhuma rodada"));
  std::sort(rodadas.begin(), rodadas.end(), [](const T &a, const T &b) { return TotalDe(a) < TotalDe(b); });
  const size_t n = rodadas.size();
  const double mediana = n % 2 ? TotalDe(rodadas[n / 2]) : (TotalDe(rodadas[n / 2 - 1]) + TotalDe(rodadas[n / 2])) / 2;
  return {rodadas.front(), mediana};
}

// One round of a process or of its floor: listing, marking, saving, in ms.
struct TnTempos {
  double Listar = 0;
  double Marcar = 0;
  double Gravar = 0;
  double Total() const { return Listar + Marcar + Gravar; }
};

// Times the process's three phases one after the other; a refusal it raises
// ends the run with its message.
inline TnTempos CronometrarFases(const std::function<void()> &listar, const std::function<void()> &marcar,
                                 const std::function<void()> &gravar) {
  TnTempos tempos;
  QElapsedTimer relogio;
  try {
    relogio.start();
    listar();
    tempos.Listar = relogio.nsecsElapsed() / 1e6;
    relogio.restart();
    marcar();
    tempos.Marcar = relogio.nsecsElapsed() / 1e6;
    relogio.restart();
    gravar();
    tempos.Gravar = relogio.nsecsElapsed() / 1e6;
  } catch (const Exception &e) {
    Falhar(e.message());
  }
  return tempos;
}

// The process's and the floor's time of each round of one operation.
struct TnRodadas {
  std::vector<double> Processo;
  std::vector<double> Piso;
  void Anotar(double processo, double piso) {
    Processo.push_back(processo);
    Piso.push_back(piso);
  }
  void Imprimir(const char *nome, const QString &volume, const char *meta = "2.00") const {
    const TnResumo<double> processo = Resumir(Processo);
    const TnResumo<double> piso = Resumir(Piso);
    // Two decimals under 10 ms: the reads of a few hundred rows take tenths.
    auto ms = [](double valor) { return QString::number(valor, 'f', valor < 10 ? 2 : 1).toUtf8(); };
    std::printf(
        "\n%s (%s)\n  processo: melhor %s ms, mediana %s ms; piso: melhor %s ms, mediana %s ms\n"
        "  razão processo/piso: %.2f pelas melhores, %.2f pelas medianas (meta: até %s)\n",
        nome, volume.toUtf8().constData(), ms(processo.Minimo).constData(), ms(processo.Mediana).constData(),
        ms(piso.Minimo).constData(), ms(piso.Mediana).constData(), processo.Minimo / piso.Minimo,
        processo.Mediana / piso.Mediana, meta);
    std::fflush(stdout);
  }
};

// The rounds of one operation that yields `linhas` rows: the figures of
// Imprimir, then each side's fastest time per row, by which the runs at
// different sizes are compared.
inline void ImprimirPorLinha(const TnRodadas &rodadas, const char *nome, const QString &volume, const char *meta,
                             qlonglong linhas) {
  rodadas.Imprimir(nome, volume, meta);
  const double porLinha = linhas > 0 ? 1000.0 / static_cast<double>(linhas) : 0;
  std::printf("  por linha (%lld): processo %.2f µs, piso %.2f µs\n", linhas,
              Resumir(rodadas.Processo).Minimo * porLinha, Resumir(rodadas.Piso).Minimo * porLinha);
  std::fflush(stdout);
}

// --- memory

// The resident memory now and its peak since the start or the last
// ZerarMemoriaPico, in MB (VmRSS and VmHWM of /proc/self/status).
struct TnMemoria {
  double Atual = 0;
  double Pico = 0;
};

inline TnMemoria LerMemoria() {
  TnMemoria memoria;
  if (FILE *status = std::fopen("/proc/self/status", "r")) {
    char linha[256];
    long kib = 0;
    while (std::fgets(linha, sizeof linha, status)) {
      if (std::sscanf(linha, "VmRSS: %ld", &kib) == 1) memoria.Atual = kib / 1024.0;
      if (std::sscanf(linha, "VmHWM: %ld", &kib) == 1) memoria.Pico = kib / 1024.0;
    }
    std::fclose(status);
  }
  return memoria;
}

// The highest peak seen before any reset, in MB: the process's own peak
// stays what ImprimirMemoriaPico tells.
inline double &PicoAntesDeZerar() {
  static double pico = 0;
  return pico;
}

// Brings the peak down to the memory resident now, so that the next
// LerMemoria tells the peak of what ran in between (where the kernel does not
// allow it, the peak stays the process's).
inline void ZerarMemoriaPico() {
  PicoAntesDeZerar() = std::max(PicoAntesDeZerar(), LerMemoria().Pico);
  if (FILE *refs = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", refs);
    std::fclose(refs);
  }
}

// Runs `operacao`; how far above the memory resident before it its peak
// went, in MB.
inline double PicoDurante(const std::function<void()> &operacao) {
  ZerarMemoriaPico();
  const TnMemoria antes = LerMemoria();
  operacao();
  return LerMemoria().Pico - antes.Atual;
}

// Has the allocator sort the blocks freed so far before a side's timing
// starts. glibc leaves freed blocks unsorted until a larger request comes,
// which then sorts them all: without this, whichever side first asks for a
// block of a few kilobytes pays for what the other side, or the check between
// two timings, freed.
inline void AssentarHeap() {
  // Called through a pointer the compiler cannot see through, so that the
  // request is made.
  static void *(*volatile const alocar)(size_t) = &std::malloc;
  std::free(alocar(64 * 1024));
}

// What one side of a round raised the resident memory by, in MB: its peak
// above what was resident before it, and what stayed resident once it ended.
// The allocator's free memory goes back to the system before and after, so
// that neither side runs on pages the other freed, and what stays is what is
// still held.
struct TnSubida {
  double Pico = 0;
  double Restante = 0;
  double Antes = 0;  // resident before, for RetidoDesde at the side's own points
};

inline TnSubida MedirSubida(const std::function<void()> &operacao) {
  malloc_trim(0);
  ZerarMemoriaPico();
  const double antes = LerMemoria().Atual;
  operacao();
  const double pico = LerMemoria().Pico;
  malloc_trim(0);
  return {pico - antes, LerMemoria().Atual - antes, antes};
}

// What the allocator takes for a block of `bytes` (glibc: an 8-byte header,
// 16-byte steps, 32 at least).
inline size_t BlocoAlocado(size_t bytes) { return std::max<size_t>(32, (bytes + 8 + 15) & ~size_t(15)); }

// The heap a text takes of its own, beyond the object that holds it: none for
// a literal or an empty text.
inline size_t HeapDoTexto(const QString &texto) {
  return texto.capacity() > 0 ? BlocoAlocado(16 + (static_cast<size_t>(texto.capacity()) + 1) * 2) : 0;
}

// The heap a value takes beyond its QVariant: that of a text or byte array
// held in it (the other types the rows hold are stored in place).
inline size_t HeapDoValor(const QVariant &valor) {
  switch (valor.typeId()) {
    case QMetaType::QString:
      return HeapDoTexto(*static_cast<const QString *>(valor.constData()));
    case QMetaType::QByteArray: {
      const auto &bytes = *static_cast<const QByteArray *>(valor.constData());
      return bytes.capacity() > 0 ? BlocoAlocado(16 + static_cast<size_t>(bytes.capacity()) + 1) : 0;
    }
    default:
      return 0;
  }
}

// The memory figures of a side's rounds, per item: the peak rise, what it
// held at its points (the process: after listing, marking and saving) and
// what stayed after it; the smallest of the rounds, in KB per item.
struct TnMemoriaLado {
  std::vector<double> Pico;
  std::vector<double> Restante;
  std::vector<std::vector<double>> Pontos;  // per round, per point
  // `pontos`: the resident memory (LerMemoria().Atual) at the side's points.
  void Anotar(const TnSubida &subida, std::vector<double> pontos = {}) {
    Pico.push_back(subida.Pico);
    Restante.push_back(subida.Restante);
    for (double &mb : pontos) mb -= subida.Antes;
    Pontos.push_back(std::move(pontos));
  }
  static double Menor(const std::vector<double> &mb) {
    return mb.empty() ? 0 : *std::min_element(mb.begin(), mb.end());
  }
  double PontoMenor(size_t ponto) const {
    std::vector<double> mb;
    for (const auto &pontos : Pontos)
      if (ponto < pontos.size()) mb.push_back(pontos[ponto]);
    return Menor(mb);
  }
};

inline double KBPorItem(double mb, qlonglong itens) { return itens > 0 ? mb * 1024.0 / itens : 0; }

// --- the rows written

// The rows a select returns, each kept as a digest of its every column in the
// select's order: the rows one side wrote, held small, to be compared with the
// other side's by CompararLinhas.
inline quint64 DigestoLinha(const QSqlQuery &q, QString *texto = nullptr) {
  QString linha;
  const QSqlRecord registro = q.record();
  for (int i = 0; i < registro.count(); ++i) {
    if (i) linha += u'|';
    const QVariant valor = q.value(i);
    linha += valor.isNull() ? QStringLiteral("<nulo>") : valor.toString();
  }
  if (texto) *texto = linha;
  return qHash(linha, 0x6d566f78u) ^ (static_cast<quint64>(qHash(linha, 0x42656e63u)) << 32);
}

inline std::vector<quint64> LinhasEscritas(const QString &sql) {
  QSqlQuery q = Preparar(sql);
  Exec(q);
  std::vector<quint64> linhas;
  while (q.next()) linhas.push_back(DigestoLinha(q));
  return linhas;
}

// Fails at the first row of `sql` that differs from the floor's `piso`
// (read by LinhasEscritas with the same select), or when there are more or
// fewer; `oque` names them in the message.
inline void CompararLinhas(const char *oque, const std::vector<quint64> &piso, const QString &sql) {
  QSqlQuery q = Preparar(sql);
  Exec(q);
  size_t i = 0;
  QString texto;
  for (; q.next(); ++i)
    if (i >= piso.size() || DigestoLinha(q, &texto) != piso[i])
      Falhar(QStringLiteral("%1: processo e piso gravaram diferente na linha %2; a do processo: %3")
                 .arg(QLatin1String(oque))
                 .arg(i + 1)
                 .arg(i >= piso.size() ? QStringLiteral("<a mais>") : texto));
  if (i != piso.size())
    Falhar(QStringLiteral("%1: processo gravou %2 linhas, piso %3").arg(QLatin1String(oque)).arg(i).arg(piso.size()));
}

// Fails at the first line where the process's texts and the floor's differ;
// `oque` names them in the message.
inline void CompararTextos(const char *oque, const QStringList &processo, const QStringList &piso) {
  if (processo == piso) return;
  for (qsizetype i = 0; i < std::max(processo.size(), piso.size()); ++i) {
    const QString p = i < processo.size() ? processo.at(i) : QStringLiteral("<nada>");
    const QString f = i < piso.size() ? piso.at(i) : QStringLiteral("<nada>");
    if (p != f)
      Falhar(QStringLiteral("%1: processo e piso diferem na linha %2:\n  processo %3\n  piso     %4")
                 .arg(QLatin1String(oque))
                 .arg(i + 1)
                 .arg(p, f));
  }
}

// The process's peak resident memory so far (Linux counts it in KiB).
inline void ImprimirMemoriaPico() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  std::printf("memória residente de pico: %.1f MB\n", std::max(uso.ru_maxrss / 1024.0, PicoAntesDeZerar()));
  std::fflush(stdout);
}

// The fastest round of each side by phase, the medians, the time per row
// (`unidade` names the row: "documento", "protocolo") and the ratios
// against the engine's goal.
inline void ImprimirFases(const char *processoNome, const TnResumo<TnTempos> &processo, const TnResumo<TnTempos> &piso,
                          int linhas, const char *unidade, const TnOpcoesBench &opcoes) {
  std::printf(
      "  processo (%s), melhor rodada: listar %.1f ms, marcar todos %.1f ms, gravar %.1f ms, total %.1f ms; "
      "mediana %.1f ms\n",
      processoNome, processo.Minimo.Listar, processo.Minimo.Marcar, processo.Minimo.Gravar, processo.Minimo.Total(),
      processo.Mediana);
  std::printf(
      "  piso (instruções simples), melhor rodada: ler %.1f ms, marcar %.1f ms, gravar %.1f ms, total %.1f ms; "
      "mediana %.1f ms\n",
      piso.Minimo.Listar, piso.Minimo.Marcar, piso.Minimo.Gravar, piso.Minimo.Total(), piso.Mediana);
  const double n = std::max(1, linhas);
  std::printf("  por %s: processo %.1f µs, piso %.1f µs (melhores rodadas); gravaram as mesmas linhas\n", unidade,
              processo.Minimo.Total() * 1000 / n, piso.Minimo.Total() * 1000 / n);
  std::printf("  razão processo/piso: %.2f pelas melhores, %.2f pelas medianas (meta: até %s no %s)\n",
              processo.Minimo.Total() / piso.Minimo.Total(), processo.Mediana / piso.Mediana, opcoes.Meta(),
              opcoes.Engine());
  std::fflush(stdout);
}

// --- the rows written

// Every row of a select, one text per row with every column as the framework
// binds it ("<nulo>" for a null): what a run wrote, to compare with the
// other side's.
inline QStringList LinhasGravadas(const QString &sql) {
  QStringList linhas;
  QSqlQuery q(nDMConexao()->Database());
  q.setForwardOnly(true);
  q.setNumericalPrecisionPolicy(QSql::HighPrecision);
  if (!q.exec(sql)) Falhar(q.lastError().text() + QStringLiteral("\n") + sql);
  const int colunas = q.record().count();
  while (q.next()) {
    QStringList valores;
    for (int i = 0; i < colunas; ++i)
      valores << (q.isNull(i) ? QStringLiteral("<nulo>") : TnDialetoSQL::ValorParaBanco(q.value(i)).toString());
    linhas << valores.join(u'|');
  }
  return linhas;
}

// Ends the run at the first row where the process and the floor wrote
// differently.
inline void CompararGravado(const QStringList &processo, const QStringList &piso) {
  CompararTextos("linhas gravadas", processo, piso);
}

// The rounds of one operation, both sides in each, taking turns at going
// first (the side that runs right after the other's writes and their undoing
// pays for the disk catching up). Each side gives back the rows it wrote;
// `conferir(quem)` checks the database right after it ("piso", "processo")
// and `desfazer` puts the office back. The process must have written exactly
// what the floor did.
struct TnLados {
  std::vector<TnTempos> Processo;
  std::vector<TnTempos> Piso;
};
inline TnLados RodarLados(int rodadas, const std::function<TnTempos(QStringList &)> &piso,
                          const std::function<TnTempos(QStringList &)> &processo,
                          const std::function<void(const char *)> &conferir, const std::function<void()> &desfazer) {
  TnLados lados;
  for (int r = 0; r < rodadas; ++r) {
    QStringList gravadoPiso;
    QStringList gravadoProcesso;
    for (const bool pisoPrimeiro : {r % 2 == 0, r % 2 != 0}) {
      if (pisoPrimeiro) {
        lados.Piso.push_back(piso(gravadoPiso));
        conferir("piso");
      } else {
        lados.Processo.push_back(processo(gravadoProcesso));
        conferir("processo");
      }
      desfazer();
    }
    CompararGravado(gravadoProcesso, gravadoPiso);
  }
  return lados;
}

// --- the environment

// CREATE or DROP DATABASE on the PostgreSQL server's administrative database.
inline void AdministrarPg(const QString &sql) {
  const QString nome = QStringLiteral("mvox-bench-admin");
  QString erro;
  if (!nAdministrarServidorPg(nome, sql, erro)) Falhar(erro);
  QSqlDatabase::removeDatabase(nome);
}

// The run's database, connected: the file `arquivo` in `pasta` on SQLite, or
// a database of the run's own on the PostgreSQL server, dropped at the end.
class TnBancoBench {
 public:
  TnBancoBench(const QTemporaryDir &pasta, const QString &arquivo, const TnOpcoesBench &opcoes)
      : FBancoPg(opcoes.Pg ? QStringLiteral("mvox_bench_%1").arg(QCoreApplication::applicationPid()) : QString()) {
    if (!FBancoPg.isEmpty()) {
      AdministrarPg(QStringLiteral("DROP DATABASE IF EXISTS ") + FBancoPg);
      AdministrarPg(QStringLiteral("CREATE DATABASE ") + FBancoPg);
      FConfig = nConfigServidorPg(FBancoPg);
    } else {
      FConfig.Arquivo = pasta.filePath(arquivo);
    }
    Conectar();
  }
  ~TnBancoBench() {
    nDMConexao()->Desconectar();
    if (!FBancoPg.isEmpty()) AdministrarPg(QStringLiteral("DROP DATABASE IF EXISTS ") + FBancoPg);
  }
  TnBancoBench(const TnBancoBench &) = delete;
  TnBancoBench &operator=(const TnBancoBench &) = delete;

  // Connects again (after a Desconectar).
  void Conectar() { nDMConexao()->Conectar(FConfig); }
  const TnConfigConexao &Config() const { return FConfig; }

 private:
  QString FBancoPg;  // the run's own database on the server, or none on SQLite
  TnConfigConexao FConfig;
};

// The run's environment, built as the program builds it at start
// (shell/mVox.cpp) and taken down in reverse; `classe` must be registered
// once the library is open.
class TnAmbienteBench {
 public:
  TnAmbienteBench(int &argc, char **argv, const QString &classe, const QString &arquivo, const TnOpcoesBench &opcoes)
      : FApp((Fuso(), argc), argv), FParams(FPasta.filePath(QStringLiteral("params.ini"))) {
    nSetParamsSalvos(&FParams);
    FPacotes.AbrirPacotes({QStringLiteral("mVoxPk")});
    if (!TnRegistro::Instancia().Registrada(classe)) Falhar(QStringLiteral("mVoxPk não carregado"));
    FBanco = std::make_unique<TnBancoBench>(FPasta, arquivo, opcoes);
    nConverterBanco(*nDMConexao());
    nDMConexao()->SetRelogioFixo(QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
  }
  ~TnAmbienteBench() {
    TnRegistro::Instancia().DestruirTodos();
    FBanco.reset();
    FPacotes.DescarregarPacotes();
    nSetParamsSalvos(nullptr);
  }
  TnAmbienteBench(const TnAmbienteBench &) = delete;
  TnAmbienteBench &operator=(const TnAmbienteBench &) = delete;

  // As the program does at start (shell/mVox.cpp).
  static void Fuso() {
    if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
  }

 private:
  QCoreApplication FApp;
  QTemporaryDir FPasta;
  TnParamsSalvos FParams;
  TnPacotes FPacotes;
  std::unique_ptr<TnBancoBench> FBanco;
};
