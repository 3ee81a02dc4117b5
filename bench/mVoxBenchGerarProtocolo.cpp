// A large office's month through "Gerar Protocolo". At size factor 1: 1,000
// establishments (100 companies of 10), 15,000 debits of November 2026 over
// the seven debit tables, five years of earlier months in the same tables
// (900,000 debits, all protocolled) and the 60,000 earlier protocols, each
// holding three payroll items (180,000). The payroll: 16,000 employees with
// one to three placements each, two calculation periods in the month (an
// advance and the month) of 30 events per employee (960,000 event rows,
// 32,000 of them the amount), 300 terminations and 1,300 vacation receipts.
// The office's own financial documents: 800 clients, 200 of them private
// (their financial person names no establishment), the others each at a
// company establishment, 800 service invoices with their receivables and 200
// more receivables for fees (1,000 boletos). Every figure scales with the factor (--fator 0.25 to 4). The process lists
// every debit, payroll and financial type, the pay per employee, one protocol per
// establishment and type (or one per establishment), every item is marked
// ("Selecionar todos.") and saved.
//
// The floor is the same work done with plain prepared statements in the same
// run on the same database: the same establishment list, configuration
// reads, debit, payroll and financial selects and template and name reads,
// the same value conversions and positional binding, the same inserts of
// protocols and items (on PostgreSQL a proposal's items in inserts of up to
// 100 rows) and the same guarded debit (on PostgreSQL per proposal and table,
// up to 100 keys at once),
// invoice and receivable updates, with the rows kept in plain structs. Each
// round runs both sides, taking turns at going first; after each, every row
// written (protocols, items, debit, invoice and receivable stamps, every
// column) is read back, and the process must have written exactly what the
// floor did. Prints per mode the phases of the fastest round of each side,
// the medians and their ratios (goal: at most 1.5 on SQLite, 2 on
// PostgreSQL).
//
//   mVoxBenchGerarProtocolo [--fator F] [--modo tipos|unico|ambos] [--fontes todas|debitos]
//                           [--rodadas N] [--banco sqlite|postgresql]
#include <QDate>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "mVoxBench_U.h"
#include "mVoxDPGerarProtocolo_U.h"
#include "nClientDataSet_U.h"
#include "nFormatos_U.h"
#include "nSQLParametros_U.h"
#include "npqParamItem_U.h"

namespace {

// The office's size: 100 companies at factor 1 (--fator).
int gEmpresas = 100;
constexpr int kEstabsPorEmpresa = 10;
int gEstabs = 0;
constexpr int kMesesHistorico = 60;
// Employees per company; employee f works at establishment (f - 1) % 10 + 1.
constexpr int kFuncionarios = 160;
constexpr int kEventosPorCalculo = 30;  // 29 others and the amount
constexpr int kEventoValor = 5020;
// Employees 158-160 of every company leave in November; 1-13 take vacation.
constexpr int kPrimeiroDemitido = 158;
constexpr int kUltimoEmFerias = 13;
constexpr int kPeriodos = 2;
// One item per employee and period, termination and vacation.
int gItensFolha = 0;
// The financial documents: every client has an invoice with its receivable,
// clients gClientesPrivados + 1 .. 2 * gClientesPrivados a fee receivable too.
// 8 clients per company, a quarter of them private.
constexpr int kClientesPorEmpresa = 8;
int gClientesFin = 0;
int gClientesPrivados = 0;
int gItensFin = 0;
int gItensMes = 0;
// Proposals of "Dividido em Tipos": 7 debit types and the pay everywhere,
// terminations at establishments 8-10, vacations at all 10; the financial
// pass adds, per type, one for the private clients (grouped under the office)
// and one per other client.
int gPropostasTipos = 0;
// --fontes debitos: only the seven debit types are listed (the month as it
// was before payroll and financial documents joined it).
bool gSoDebitos = false;
// Earlier protocols are numbered 1..gEstabs * kMesesHistorico.
int gUltimoAntigo = 0;

void Dimensionar(double fator) {
  gEmpresas = std::max(1, static_cast<int>(std::lround(100 * fator)));
  gEstabs = gEmpresas * kEstabsPorEmpresa;
  gItensFolha = gEmpresas * (kFuncionarios * kPeriodos + (kFuncionarios - kPrimeiroDemitido + 1) + kUltimoEmFerias);
  gClientesFin = gEmpresas * kClientesPorEmpresa;
  gClientesPrivados = gClientesFin / 4;
  gItensFin = gClientesFin + gClientesFin + gClientesPrivados;
  if (gSoDebitos) gItensFolha = gItensFin = 0;
  gItensMes = gEstabs * 15 + gItensFolha + gItensFin;
  gPropostasTipos = gSoDebitos
                        ? gEstabs * 7
                        : gEstabs * 8 + gEmpresas * 3 + gEmpresas * 10 + 2 * (1 + gClientesFin - gClientesPrivados);
  gUltimoAntigo = gEstabs * kMesesHistorico;
}

struct TnTabelaBench {
  int Tipo;
  const char *Nome;
  const char *Sufixo;
  bool Observacao;
  bool Folha;
  int PorEstab;  // debits per establishment and month
  int Imposto;   // first tax code (federal: one code per debit)
};
// 15 debits per establishment and month.
constexpr TnTabelaBench kTabelas[] = {
    {1, "DEBITOFEDERAL", "FED", true, false, 4, 1},    {2, "DEBITOESTADUAL", "EST", true, false, 2, 10},
    {3, "DEBITOMUNICIPAL", "MUN", true, false, 2, 20}, {4, "DEBITOSINDICAL", "SIND", false, false, 1, 30},
    {5, "DEBITOGPS", "GPS", true, false, 2, 40},       {9, "DEBITOFGTS", "FGTS", true, false, 2, 50},
    {10, "DEBITOFOLHA", "FOLHA", true, true, 2, 0},
};
const QDate kMes(2026, 11, 1);
// Pay dates of the advance and of the month.
const QDate kPagamentos[] = {QDate(2026, 11, 20), QDate(2026, 12, 5)};

struct TnModeloFolha {
  int Tipo;
  const char *Modelo;
};
constexpr TnModeloFolha kModelosFolha[] = {
    {6, "Folha de Pagamento [QUANTIDADE][NOMEFUNC]"},
    {7, "Rescisão [CodigoFuncContr] - [NOMEFUNC] - Data [DATARESC]"},
    {8, "Recibo de Férias - [NOMEFUNC] - Início [DATAINICIALFERIAS]"},
};

QString NomeFuncionario(int empresa, int funcionario) {
  return QStringLiteral("Funcionário %1 da Empresa %2").arg(funcionario).arg(empresa);
}

// --- the office

void InserirCadastros() {
  // The document group the establishments are configured with.
  ExecDireto(QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values (1, 'Geral')"));
  TnQueryPiso config =
      Preparar(QStringLiteral("insert into CFGESTABPRO (CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, "
                              "FORMAENTREGA, MESMOENDERECOENT) values (?, ?, 1, ?, '1')"));
  TnQueryPiso funcionario =
      Preparar(QStringLiteral("insert into FUNCIONARIO (CODIGOEMPRESA, CODIGOFUNCCONTR, NOMEFUNC) values (?, ?, ?)"));
  InserirEmpresas(
      gEmpresas, kEstabsPorEmpresa,
      [&](int e, int s) {
        config.addBindValue(e);
        config.addBindValue(s);
        config.addBindValue(QString::number(s % 3 + 1));
        Exec(config);
      },
      [&](int e) {
        for (int f = 1; f <= kFuncionarios; ++f) {
          funcionario.addBindValue(e);
          funcionario.addBindValue(f);
          funcionario.addBindValue(NomeFuncionario(e, f));
          Exec(funcionario);
        }
      });
  TnQueryPiso imposto = Preparar(QStringLiteral(
      "insert into IMPOSTO (CODIGOIMPOSTO, VARIACAOIMPOSTO, DESCRIMPOSTO, DESCRPROTOCOLO) values (?, 0, ?, ?)"));
  for (int codigo : {1, 2, 3, 4, 10, 20, 30, 40, 50}) {
    imposto.addBindValue(codigo);
    imposto.addBindValue(QStringLiteral("Imposto %1").arg(codigo));
    imposto.addBindValue(QStringLiteral("Guia %1").arg(codigo));
    Exec(imposto);
  }
  TnQueryPiso tipo =
      Preparar(QStringLiteral("insert into CFGTIPOPROTOCOLO (CODIGOTIPOPROTOCOLO, DESCRTIPOPROTOCOLO) values (?, ?)"));
  for (const TnTabelaBench &t : kTabelas) {
    tipo.addBindValue(t.Tipo);
    tipo.addBindValue(t.Folha ? QStringLiteral("Folha [CodigoFuncContr] - [NOMEFUNC] - Competência [COMPETENCIA]")
                              : QStringLiteral("[DESCRPROTOCOLO] - Competência [COMPETENCIA]"));
    Exec(tipo);
  }
  for (const TnModeloFolha &m : kModelosFolha) {
    tipo.addBindValue(m.Tipo);
    tipo.addBindValue(QString::fromUtf8(m.Modelo));
    Exec(tipo);
  }
}

// --- the payroll of the month

// Placements of employee f: one to three, the last one (where he works now)
// at establishment (f - 1) % 10 + 1, the earlier ones elsewhere.
QDate UltimaLotacao(int funcionario) { return QDate(2020 + (funcionario % 3) * 2, 3, 1); }

void InserirFolha() {
  TnQueryPiso pessoa = Preparar(QStringLiteral("insert into FUNCPESSOA (CODIGOFUNCPESSOA, NOMEFUNC) values (?, ?)"));
  TnQueryPiso contrato = Preparar(
      QStringLiteral("insert into FUNCCONTRATO (CODIGOEMPRESA, CODIGOFUNCCONTR, CODIGOFUNCPESSOA) values (?, ?, ?)"));
  TnQueryPiso lotacao = Preparar(QStringLiteral(
      "insert into FUNCLOCAL (CODIGOEMPRESA, CODIGOFUNCCONTR, DATATRANSF, CODIGOESTAB) values (?, ?, ?, ?)"));
  TnQueryPiso periodo = Preparar(
      QStringLiteral("insert into PERIODOCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, DATAINICIALFOLHA, DATAFINALFOLHA, "
                     "DATAPGTO) values (?, ?, ?, ?, ?)"));
  TnQueryPiso calculo = Preparar(
      QStringLiteral("insert into FUNCPERCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOFUNCCONTR, DATALOCAL, "
                     "DATAPGTOFOLHA) values (?, ?, ?, ?, ?)"));
  TnQueryPiso evento = Preparar(
      QStringLiteral("insert into CALCULOEVENTO (CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOFUNCCONTR, CODIGOEVENTO, "
                     "VALOREVENTO) values (?, ?, ?, ?, ?)"));
  TnQueryPiso rescisao = Preparar(QStringLiteral(
      "insert into RESCISAO (CODIGOEMPRESA, CODIGOFUNCCONTR, COMPLEMENTAR, CODIGOCAUSA, CODIGOSAQUE, TIPOAFASTSEFIP, "
      "TIPOAFASTCAGED, TIPOAFASTRAIS, CODIGOMOTDEM, DATARESC, DATAAVPREVIO, DATAPGTORESC, DIASTRAB, DIASAVINDEN, "
      "DIASAVREAV, DIASESTABIL, DIASGRATIF, SALFINAL, FGTSMESANT, CODIGOFPAS, SALDOFGTS, REMMULTA, VALORMULTA, "
      "BASEINSS, DEDUCAO, FGTSRECOL, VALORINSS, REMUNRESCISAO, REPOSICAOVAGA, AVISOPREVIO) values (?, ?, '0', 11, 1, "
      "'I1', 31, 11, 2, ?, ?, ?, 20, 30, 0, 0, 0, '2500.00', '200.00', 515, '9000.00', '9000.00', '3600.00', "
      "'4000.00', '0.00', '320.00', '380.00', '4000.00', '1', '1')"));
  TnQueryPiso eventoRescisao = Preparar(QStringLiteral(
      "insert into RESCISAOEVENTO (CODIGOEMPRESA, CODIGOFUNCCONTR, CODIGOEVENTO, VALOREVENTO) values (?, ?, ?, ?)"));
  TnQueryPiso ferias = Preparar(QStringLiteral(
      "insert into RECIBOFERIAS (CODIGOEMPRESA, CODIGOFUNCCONTR, DATAINICIAL, DATAINICIALFERIAS, DATAFINALFERIAS, "
      "DATAPGTO, DATARETORNOFERIAS, COMPETINICIAL, PAGAADTO13, DESCADTO, DESCONTPARCELA, FORMAGERACAO, TIPORECIBO, "
      "DIASDOBROFERIAS, DIASDOBROABONO, DIASABONO, DIASFERIAS, DIASREMUN, NUMEROPARCELA, DIASPREMIO) values (?, ?, "
      "?, ?, ?, ?, ?, ?, '0', '0', '0', 1, 1, 0, 0, 0, 20, 20, 0, 0)"));
  TnQueryPiso eventoFerias = Preparar(
      QStringLiteral("insert into FERIASEVENTO (CODIGOEMPRESA, CODIGOFUNCCONTR, DATAINICIAL, DATAINICIALFERIAS, "
                     "CODIGOEVENTO, VALOREVENTO) values (?, ?, ?, ?, ?, ?)"));
  auto linha = [](TnQueryPiso &q, std::initializer_list<QVariant> valores) {
    for (const QVariant &v : valores) q.addBindValue(v);
    Exec(q);
  };
  auto valor = [](int a, int b) { return QStringLiteral("%1.%2").arg(100 + a % 4000).arg(b % 100, 2, 10, QChar('0')); };

  for (int e = 1; e <= gEmpresas; ++e) {
    for (int p = 1; p <= kPeriodos; ++p)
      linha(periodo,
            {e, p, Banco(kMes), Banco(p == 1 ? QDate(2026, 11, 15) : QDate(2026, 11, 30)), Banco(kPagamentos[p - 1])});
    for (int f = 1; f <= kFuncionarios; ++f) {
      const int codigoPessoa = (e - 1) * kFuncionarios + f;
      linha(pessoa, {codigoPessoa, NomeFuncionario(e, f)});
      linha(contrato, {e, f, codigoPessoa});
      const int estab = (f - 1) % kEstabsPorEmpresa + 1;
      const int lotacoes = f % 3 + 1;
      for (int l = 0; l < lotacoes; ++l) {
        const bool atual = l == lotacoes - 1;
        linha(lotacao, {e, f, Banco(QDate(2020 + l * 2, 3, 1)), atual ? estab : estab % kEstabsPorEmpresa + 1});
      }
      for (int p = 1; p <= kPeriodos; ++p) {
        linha(calculo, {e, p, f, Banco(UltimaLotacao(f)), Banco(kPagamentos[p - 1])});
        for (int v = 1; v <= kEventosPorCalculo; ++v)
          linha(evento, {e, p, f, v == kEventosPorCalculo ? kEventoValor : v, valor(e * 31 + f * 7 + v, f + v)});
      }
      if (f >= kPrimeiroDemitido) {
        const QDate data(2026, 11, e % 25 + 1);
        linha(rescisao, {e, f, Banco(data), Banco(data), Banco(data.addDays(5))});
        for (int v : {1, 2, kEventoValor}) linha(eventoRescisao, {e, f, v, valor(e + f + v, v)});
      }
      if (f <= kUltimoEmFerias) {
        const QDate inicio(2026, 11, f + 2);
        const QDate aquisicao(2025, 3, f);
        linha(ferias, {e, f, Banco(aquisicao), Banco(inicio), Banco(inicio.addDays(19)), Banco(inicio.addDays(-2)),
                       Banco(inicio.addDays(20)), Banco(kMes)});
        for (int v : {1, kEventoValor})
          linha(eventoFerias, {e, f, Banco(aquisicao), Banco(inicio), v, valor(e * 3 + f, v + f)});
      }
    }
  }
}

// The office (code 1, at company 1's establishment 1) and its clients:
// clients 1 .. gClientesPrivados name no establishment; client
// gClientesPrivados + 1 + k names company k % gEmpresas + 1, establishment
// k / gEmpresas + 1. Client n's invoice NFS n and its receivable NFS-n; the
// next gClientesPrivados clients also owe a fee (HON-n). All issued in
// November.
void InserirFinanceiro() {
  ExecDireto(
      QStringLiteral("insert into ESCRITORIO (CODIGOESCRIT, NOMEESCRIT, CODIGOEMPRESA, CODIGOESTAB) values (1, "
                     "'Escritório Central', 1, 1)"));
  TnQueryPiso pessoa = Preparar(QStringLiteral(
      "insert into PESSOAFINANCEIRO (CODIGOPESSOAFIN, NOME, CODIGOEMPRESA, CODIGOESTAB) values (?, ?, ?, ?)"));
  TnQueryPiso cliente = Preparar(QStringLiteral("insert into PESSOAFINCLIENTE (CODIGOPESSOAFIN) values (?)"));
  TnQueryPiso nota =
      Preparar(QStringLiteral("insert into SERVICONOTA (CODIGOESCRIT, SERIENS, NUMERONS, DATAEMISSAONS, VALORLIQUIDO, "
                              "VISTAPRAZO, CANCELADANS) values (1, 'NFS', ?, ?, ?, ?, 0)"));
  TnQueryPiso receber =
      Preparar(QStringLiteral("insert into CONTARECEBER (CODIGOESCRIT, NUMERODCTOCR, SERIENS, NUMERONS, CODIGOCLIENTE, "
                              "DATAEMISSAOCR, DATAVCTOCR, VALORCR, NOSSONUMERO) values (1, ?, ?, ?, ?, ?, ?, ?, ?)"));
  auto linha = [](TnQueryPiso &q, std::initializer_list<QVariant> valores) {
    for (const QVariant &v : valores) q.addBindValue(v);
    Exec(q);
  };
  qlonglong nossoNumero = 2026110000;
  for (int c = 1; c <= gClientesFin; ++c) {
    const bool privado = c <= gClientesPrivados;
    const int k = c - gClientesPrivados - 1;
    linha(pessoa, {c, QStringLiteral("Cliente %1").arg(c), privado ? QVariant() : QVariant(k % gEmpresas + 1),
                   privado ? QVariant() : QVariant(k / gEmpresas + 1)});
    linha(cliente, {c});
    const QDate emissao(2026, 11, c % 28 + 1);
    const QString valor = QStringLiteral("%1.%2").arg(300 + c % 900).arg(c % 100, 2, 10, QChar('0'));
    linha(nota, {c, Banco(emissao), valor, c % 2});
    linha(receber, {QStringLiteral("NFS-%1").arg(c), QStringLiteral("NFS"), c, c, Banco(emissao),
                    Banco(emissao.addDays(10)), valor, ++nossoNumero});
    if (c > gClientesPrivados && c <= 2 * gClientesPrivados)
      linha(receber, {QStringLiteral("HON-%1").arg(c), QVariant(), QVariant(), c, Banco(emissao),
                      Banco(emissao.addDays(15)), QStringLiteral("350.00"), ++nossoNumero});
  }
  TnQueryPiso tipo =
      Preparar(QStringLiteral("insert into CFGTIPOPROTOCOLO (CODIGOTIPOPROTOCOLO, DESCRTIPOPROTOCOLO) values (?, ?)"));
  linha(tipo, {11, QStringLiteral("Nota Fiscal de Serviço [SERIENS] [NUMERONS] - Emissão [DATAEMISSAONS]")});
  linha(tipo, {12, QStringLiteral("Boleto [NOSSONUMERO] - Vencimento [DATAVCTOCR]")});
}

// Month `m` (0 is five years back, kMesesHistorico is the month listed):
// every establishment's debits, stamped with that month's protocol except
// in the month listed.
void InserirDebitos() {
  for (const TnTabelaBench &t : kTabelas) {
    const QString tabela = QLatin1String(t.Nome);
    const QString chave = QStringLiteral("CHAVEDEBITO") + QLatin1String(t.Sufixo);
    TnQueryPiso q = Preparar(
        t.Folha
            ? QStringLiteral("insert into %1 (CODIGOEMPRESA, %2, CODIGOESTAB, DATALCTOCTR, VALORDEBITO, "
                             "DATAVENCIMENTO, SITUACAODEBITO, CODIGOTABCTBCTR, CHAVEORIGEM, CODIGOUSUARIO, "
                             "DATAHORADEBITO, CODIGOPROTOCOLO, OBSERVDEBITO, CODIGOFUNCCONTR) values (?, ?, ?, ?, ?, "
                             "?, 0, 2701, 'FPA', 2, ?, ?, ?, ?)")
                  .arg(tabela, chave)
            : QStringLiteral("insert into %1 (CODIGOEMPRESA, %2, CODIGOESTAB, CODIGOIMPOSTO, VARIACAOIMPOSTO, "
                             "DATALCTOCTR, DATAFINAL, VALORDEBITO, DATAVENCIMENTO, FORMADEBITO, SITUACAODEBITO, "
                             "CODIGOTABCTBCTR, CHAVEORIGEM, CODIGOUSUARIO, DATAHORADEBITO, CODIGOPROTOCOLO%3) "
                             "values (?, ?, ?, ?, 0, ?, ?, ?, ?, 0, 0, 2100, 'CTR', 2, ?, ?%4)")
                  .arg(tabela, chave, t.Observacao ? QStringLiteral(", OBSERVDEBITO") : QString(),
                       t.Observacao ? QStringLiteral(", ?") : QString()));
    std::vector<int> chaves(gEmpresas + 1, 0);
    for (int m = 0; m <= kMesesHistorico; ++m) {
      const QDate mes = kMes.addMonths(m - kMesesHistorico);
      const QVariant lancamento = Banco(QDate(mes.year(), mes.month(), 10));
      const QVariant fim = Banco(QDate(mes.year(), mes.month(), mes.daysInMonth()));
      const QVariant vencimento = Banco(mes.addMonths(1).addDays(19));
      const QVariant momento = Banco(QDateTime(QDate(mes.year(), mes.month(), 10), QTime(9, 30)));
      for (int e = 1; e <= gEmpresas; ++e) {
        for (int s = 1; s <= kEstabsPorEmpresa; ++s) {
          const int estab = (e - 1) * kEstabsPorEmpresa + s;
          const QVariant protocolo = m < kMesesHistorico ? QVariant(qlonglong(m * gEstabs + estab)) : QVariant();
          for (int d = 0; d < t.PorEstab; ++d) {
            const QString valor =
                QStringLiteral("%1.%2").arg(100 + (estab * 7 + d * 13) % 5000).arg(d * 7 % 100, 2, 10, QChar('0'));
            q.addBindValue(e);
            q.addBindValue(++chaves[e]);
            q.addBindValue(s);
            if (t.Folha) {
              q.addBindValue(fim);
              q.addBindValue(valor);
              q.addBindValue(vencimento);
              q.addBindValue(momento);
              q.addBindValue(protocolo);
              q.addBindValue(QStringLiteral("Salário líquido"));
              q.addBindValue((s * 2 + d) % kFuncionarios + 1);
            } else {
              q.addBindValue(t.Imposto + (t.Tipo == 1 ? d : 0));
              q.addBindValue(lancamento);
              q.addBindValue(fim);
              q.addBindValue(valor);
              q.addBindValue(vencimento);
              q.addBindValue(momento);
              q.addBindValue(protocolo);
              if (t.Observacao) q.addBindValue(QStringLiteral("Competência normal"));
            }
            Exec(q);
          }
        }
      }
    }
  }
}

void InserirProtocolosAntigos() {
  TnQueryPiso q = Preparar(QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, CANCELADO, ORIGEMDADO) values (?, ?, ?, ?, '1', "
      "'Gerado em', ?, 1, '2', '1', '0', 1)"));
  for (int m = 0; m < kMesesHistorico; ++m) {
    const QDate dia = kMes.addMonths(m - kMesesHistorico + 1);
    for (int estab = 1; estab <= gEstabs; ++estab) {
      q.addBindValue(qlonglong(m * gEstabs + estab));
      q.addBindValue((estab - 1) / kEstabsPorEmpresa + 1);
      q.addBindValue((estab - 1) % kEstabsPorEmpresa + 1);
      q.addBindValue(Banco(dia));
      q.addBindValue(Banco(QDateTime(dia, QTime(9, 30))));
      Exec(q);
    }
  }
  // Each earlier protocol holds its month's pay: both periods totalised and
  // one employee's pay (none of them due in the month listed).
  TnQueryPiso item = Preparar(QStringLiteral(
      "insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, VENCIMENTO, VALOR, "
      "CODIGOFUNCCONTR, CANCELADO, CHAVEORIGEM, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO, COMPETENCIA) values (?, "
      "?, 'Folha de Pagamento', ?, ?, '1000.00', ?, '0', 'FPA', 1, ?, 1, ?)"));
  for (int m = 0; m < kMesesHistorico; ++m) {
    const QDate mes = kMes.addMonths(m - kMesesHistorico);
    const QDate dia = mes.addMonths(1);
    const QVariant vencimentos[] = {Banco(QDate(mes.year(), mes.month(), 20)), Banco(dia.addDays(4))};
    for (int estab = 1; estab <= gEstabs; ++estab) {
      const int s = (estab - 1) % kEstabsPorEmpresa + 1;
      const QVariant itens[][2] = {{vencimentos[0], QVariant()}, {vencimentos[1], QVariant()}, {vencimentos[1], s}};
      int seq = 0;
      for (const auto &[vencimento, funcionario] : itens) {
        for (const QVariant &v : {QVariant(qlonglong(m * gEstabs + estab)), QVariant(++seq), Banco(dia), vencimento,
                                  funcionario, Banco(QDateTime(dia, QTime(9, 30))), Banco(mes)})
          item.addBindValue(v);
        Exec(item);
      }
    }
  }
}

// Back to the month unlisted: the month's debits free, no new protocol.
// PostgreSQL then clears the dead rows the round left, so that every round
// starts from the same tables.
void Desfazer() {
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  for (const TnTabelaBench &t : kTabelas)
    ExecDireto(QStringLiteral("update %1 set CODIGOPROTOCOLO = null where CODIGOPROTOCOLO > %2")
                   .arg(QLatin1String(t.Nome))
                   .arg(gUltimoAntigo));
  for (const char *tabela : {"SERVICONOTA", "CONTARECEBER"})
    ExecDireto(
        QStringLiteral("update %1 set CODIGOPROTOCOLO = null, SEQITEMPRO = null where CODIGOPROTOCOLO is not null")
            .arg(QLatin1String(tabela)));
  ExecDireto(QStringLiteral("delete from PROTOCOLOITEM where CODIGOPROTOCOLO > %1").arg(gUltimoAntigo));
  ExecDireto(QStringLiteral("delete from PROTOCOLO where CODIGOPROTOCOLO > %1").arg(gUltimoAntigo));
  db.commit();
  if (nDMConexao()->PegarTipoCon()) ExecDireto(QStringLiteral("vacuum analyze"));
}

int Contar(const QString &sql) {
  QSqlQuery q(nDMConexao()->Database());
  if (!q.exec(sql) || !q.next()) Falhar(q.lastError().text());
  return q.value(0).toInt();
}

// Every row a run wrote, one text per row in key order with every column:
// the new protocols, their items, the debits, invoices and receivables
// stamped.
QStringList Escrito() {
  QStringList linhas;
  auto ler = [&linhas](const QString &sql) { linhas << LinhasGravadas(sql); };
  ler(QStringLiteral("select * from PROTOCOLO where CODIGOPROTOCOLO > %1 order by CODIGOPROTOCOLO").arg(gUltimoAntigo));
  ler(QStringLiteral("select * from PROTOCOLOITEM where CODIGOPROTOCOLO > %1 order by CODIGOPROTOCOLO, SEQITEMPRO")
          .arg(gUltimoAntigo));
  for (const TnTabelaBench &t : kTabelas)
    ler(QStringLiteral("select '%1', CODIGOEMPRESA, CHAVEDEBITO%2, CODIGOPROTOCOLO from %1 where CODIGOPROTOCOLO > %3 "
                       "order by CODIGOEMPRESA, CHAVEDEBITO%2")
            .arg(QLatin1String(t.Nome), QLatin1String(t.Sufixo))
            .arg(gUltimoAntigo));
  const QString carimbados = QStringLiteral("where CODIGOPROTOCOLO is not null or SEQITEMPRO is not null order by ");
  ler(QStringLiteral("select 'SERVICONOTA', CODIGOESCRIT, SERIENS, NUMERONS, CODIGOPROTOCOLO, SEQITEMPRO from "
                     "SERVICONOTA ") +
      carimbados + QStringLiteral("CODIGOESCRIT, SERIENS, NUMERONS"));
  ler(QStringLiteral("select 'CONTARECEBER', CODIGOESCRIT, NUMERODCTOCR, CODIGOPROTOCOLO, SEQITEMPRO from "
                     "CONTARECEBER ") +
      carimbados + QStringLiteral("CODIGOESCRIT, NUMERODCTOCR"));
  return linhas;
}

// Checks that a run saved the whole month in `propostas` protocols; gives
// what it wrote.
QStringList Conferir(const char *quem, int propostas) {
  const int protocolos =
      Contar(QStringLiteral("select count(*) from PROTOCOLO where CODIGOPROTOCOLO > %1").arg(gUltimoAntigo));
  const int itens =
      Contar(QStringLiteral("select count(*) from PROTOCOLOITEM where CODIGOPROTOCOLO > %1").arg(gUltimoAntigo));
  int livres = 0;
  for (const TnTabelaBench &t : kTabelas)
    livres +=
        Contar(QStringLiteral("select count(*) from %1 where CODIGOPROTOCOLO is null").arg(QLatin1String(t.Nome)));
  // Every invoice and every boleto stamped with its item, when listed.
  for (const char *tabela : {"SERVICONOTA", "CONTARECEBER"})
    if (!gSoDebitos)
      livres += Contar(QStringLiteral("select count(*) from %1 where CODIGOPROTOCOLO is null or SEQITEMPRO is null")
                           .arg(QLatin1String(tabela)));
  if (protocolos != propostas || itens != gItensMes || livres != 0)
    Falhar(QStringLiteral("%1: %2 protocolos, %3 itens, %4 débitos livres")
               .arg(QLatin1String(quem))
               .arg(protocolos)
               .arg(itens)
               .arg(livres));
  return Escrito();
}

// Fails at the first row where the process and the floor wrote differently.

// --- the process

// `unico`: "Protocolo Único" (one proposal per establishment), else
// "Dividido em Tipos" (one per establishment and type).
// Kept out of line so that a profiler can collect it alone.
// `memoria`: the resident memory once listed, marked and saved.
[[gnu::noinline]] TnTempos Processo(bool unico, std::vector<double> &memoria) {
  auto *processo = dynamic_cast<TmVoxDPGerarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPGerarProtocolo")));
  if (!processo) Falhar(QStringLiteral("TmVoxDPGerarProtocolo não registrado"));
  processo->SetChamadoPorOutro(true);
  TnpqPowerParam &p = processo->npqPowerParam();
  p.Param(QStringLiteral("pDataInicial"))->SetAsDate(kMes);
  p.Param(QStringLiteral("pDataFinal"))->SetAsDate(QDate(2026, 11, 30));
  p.Param(QStringLiteral("pTipo"))
      ->SetAsString(gSoDebitos ? QStringLiteral("1;2;3;4;5;9;10") : QStringLiteral("1;2;3;4;5;9;10;6;7;8;11;12"));
  p.Param(QStringLiteral("pTipoFolha"))->SetAsString(QStringLiteral("2"));
  p.Param(QStringLiteral("pFormaGer"))->SetAsString(unico ? QStringLiteral("1") : QStringLiteral("2"));
  p.Param(QStringLiteral("pListarDebitos"))->SetAsString(QStringLiteral("0"));

  const TnTempos tempos = CronometrarFases(
      [&] {
        processo->Executar();
        if (processo->ClientDataSetDet()->RecordCount() != gItensMes)
          Falhar(QStringLiteral("itens listados: %1").arg(processo->ClientDataSetDet()->RecordCount()));
        memoria.push_back(LerMemoria().Atual);
      },
      [&] {
        processo->actSelecionarTodosExecute(nullptr);
        memoria.push_back(LerMemoria().Atual);
      },
      [&] {
        processo->actGravarExecute(nullptr);
        memoria.push_back(LerMemoria().Atual);
      });
  nLiberarDM(processo);
  return tempos;
}

// --- the floor

// The rows of an executed select, read whole before anything else runs, as
// the layer reads them (PostgreSQL keeps one pending result per connection).
class TnLinhasPiso {
 public:
  explicit TnLinhasPiso(TnQueryPiso &consulta) {
    const int colunas = consulta.record().count();
    while (consulta.next()) {
      std::vector<QVariant> linha(static_cast<size_t>(colunas));
      for (int i = 0; i < colunas; ++i) linha[static_cast<size_t>(i)] = consulta.value(i);
      FLinhas.push_back(std::move(linha));
    }
    consulta.finish();
  }
  void Primeira() const { FAtual = 0; }
  bool Linha() const { return FAtual < FLinhas.size(); }
  void Proxima() const { ++FAtual; }
  const QVariant &value(int coluna) const { return FLinhas[FAtual][static_cast<size_t>(coluna)]; }

 private:
  std::vector<std::vector<QVariant>> FLinhas;
  mutable size_t FAtual = 0;
};

struct TnItemPiso {
  int Tabela;  // -1: a payroll or financial item, no debit to stamp
  int Chave;
  // A financial item: its type (11, 12; 0 none) and its document's key.
  int Fin = 0;
  QVariant Escritorio;
  QVariant Serie;
  QVariant Numero;
  QVariant Vencimento;
  QVariant Valor;
  QVariant Imposto;
  QVariant Variacao;
  QVariant Funcionario;
  QString Descricao;
  QString ChaveOrigem;
};

// Binds `valores` in placeholder order.
void Ligar(TnQueryPiso &q, std::initializer_list<QVariant> valores) {
  int i = 0;
  for (const QVariant &v : valores) q.bindValue(i++, v);
}

// A statement of the process, each placeholder a name of its own.
struct TnConsultaPiso {
  TnSQLParametros Parametros;
  TnQueryPiso Consulta;
  explicit TnConsultaPiso(const QString &sql) : Parametros(sql), Consulta(Preparar(Parametros.SQLPosicional())) {}
  void Abrir(const QVariantMap &valores) {
    int posicao = 0;
    for (int i : Parametros.Ocorrencias()) Consulta.bindValue(posicao++, valores.value(Parametros.Nomes().at(i)));
    Exec(Consulta);
  }
};

// A payroll statement of the process.
struct TnFolhaPiso : TnConsultaPiso {
  int Tipo;
  QString Modelo;
  TnFolhaPiso(int tipo, const QString &modelo)
      : TnConsultaPiso(TmVoxDPGerarProtocolo::SQLFolha(tipo, 2, 1)), Tipo(tipo), Modelo(modelo) {}
};

// A date column as the layer reads it: the canonical text on SQLite, a date
// from the PostgreSQL driver.
QDate DataLida(const QVariant &data) {
  return data.typeId() == QMetaType::QDate ? data.toDate() : TnDialetoSQL::DataDoTexto(data.toString());
}

QString Data(const QVariant &data) { return DateToStr(DataLida(data)); }

struct TnPropostaPiso {
  int Empresa;
  int Estab;
  QString Observacao;
  QString FormaEntrega;
  std::vector<TnItemPiso> Itens;
};

QString Competencia(const QVariant &data) { return DataLida(data).toString(QStringLiteral("MM/yyyy")); }

// A description template and the tokens it holds, decided once per token
// when first asked, as the process's filler decides them per listing: a
// token the template lacks is neither searched for in each description nor
// its value computed. Tokens are named by string literals (one address
// each).
class TnModeloPiso {
 public:
  TnModeloPiso() = default;
  explicit TnModeloPiso(QString texto) : FTexto(std::move(texto)) {}
  const QString &Texto() const { return FTexto; }

  // Replaces every occurrence of `token` (any case) in `descricao` by
  // `valor()`, when the template holds the token.
  template <typename F>
  void Trocar(QString &descricao, const char *token, F &&valor) {
    if (Tem(token)) descricao.replace(QLatin1String(token), valor(), Qt::CaseInsensitive);
  }

 private:
  bool Tem(const char *token) {
    for (const auto &[nome, tem] : FTokens)
      if (nome == token) return tem;
    const bool tem = FTexto.contains(QLatin1String(token), Qt::CaseInsensitive);
    FTokens.emplace_back(token, tem);
    return tem;
  }

  QString FTexto;
  std::vector<std::pair<const char *, bool>> FTokens;
};

// Reads the first column of a one-row select bound with `valores`.
QVariant LerValor(TnQueryPiso &q, std::initializer_list<QVariant> valores) {
  Ligar(q, valores);
  Exec(q);
  const QVariant valor = q.next() ? q.value(0) : QVariant();
  q.finish();
  return valor;
}

// The financial pass of the floor, as the process walks it: by office, then
// by client, over every configured establishment and both types, the
// establishment's clients and, when it has any, its documents once; per
// client the names of its establishment, its proposal and its items.
// `configurado`, `forma` and `modelo` are the floor's configuration and
// template reads; under "Protocolo Único" `propostaDoEstab` finds each
// establishment's proposal.
void PisoFinanceiro(bool unico, const std::vector<std::pair<int, int>> &estabs, std::vector<TnPropostaPiso> &propostas,
                    std::map<std::pair<int, int>, size_t> &propostaDoEstab, const QString &gerado,
                    const QVariant &inicio, const QVariant &fim, TnQueryPiso &configurado, TnQueryPiso &forma,
                    TnQueryPiso &modelo) {
  TnQueryPiso nomeEmpresa = Preparar(QStringLiteral("select NOMEEMPRESA from EMPRESA where CODIGOEMPRESA = ?"));
  TnQueryPiso nomeEstab =
      Preparar(QStringLiteral("select NOMEESTAB from ESTAB where CODIGOEMPRESA = ? and CODIGOESTAB = ?"));
  TnConsultaPiso clientes(TmVoxDPGerarProtocolo::MontarSQLClientesFin(true));
  TnConsultaPiso notas(TmVoxDPGerarProtocolo::MontarSQLNotasFiscais(true));
  TnConsultaPiso boletos(TmVoxDPGerarProtocolo::MontarSQLBoletos(true));
  const auto semCodigo = [](const QVariant &v) { return v.isNull() || v.toInt() <= 0; };
  // The walk takes the row: by office no positive company nor establishment,
  // by client both named.
  const auto daCaminhada = [&](int modo, const QVariant &emp, const QVariant &est) {
    return modo == 0 ? semCodigo(emp) && semCodigo(est) : !emp.isNull() && !est.isNull();
  };
  // Where the row's documents go.
  const auto destinoDe = [&](const QVariant &emp, const QVariant &est, int empresa, int estab) {
    return semCodigo(emp) || semCodigo(est) ? std::pair(empresa, estab) : std::pair(emp.toInt(), est.toInt());
  };

  // Each type's template, read once in the pass.
  std::map<int, QString> modelos;
  // The establishments where an office works.
  std::set<std::pair<int, int>> comEscritorio;
  TnQueryPiso escritorios = Preparar(QStringLiteral("select distinct CODIGOEMPRESA, CODIGOESTAB from ESCRITORIO"));
  Exec(escritorios);
  while (escritorios.next()) comEscritorio.insert({escritorios.value(0).toInt(), escritorios.value(1).toInt()});
  escritorios.finish();
  for (int modo : {0, 1}) {
    for (const auto &[empresa, estab] : estabs) {
      if (LerValor(configurado, {empresa, estab}).toInt() == 0 || !comEscritorio.contains({empresa, estab})) continue;
      for (int tipo : {11, 12}) {
        const QString formaEntrega = LerValor(forma, {empresa, estab}).toString().trimmed();
        const QVariantMap valores = {{QStringLiteral("PDATAINICIAL"), inicio},
                                     {QStringLiteral("PDATAFINAL"), fim},
                                     {QStringLiteral("PCODIGOEMPRESA"), empresa},
                                     {QStringLiteral("PCODIGOESTAB"), estab},
                                     {QStringLiteral("PLISTARDEBITOS"), 0}};
        // The walk's clients, each once: (client, company, establishment).
        std::set<std::tuple<qlonglong, int, int>> daVez;
        clientes.Abrir(valores);
        {
          const TnLinhasPiso q(clientes.Consulta);
          for (q.Primeira(); q.Linha(); q.Proxima()) {
            if (!daCaminhada(modo, q.value(4), q.value(5))) continue;
            const auto [emp, est] = destinoDe(q.value(4), q.value(5), empresa, estab);
            daVez.insert({q.value(0).toLongLong(), emp, est});
          }
        }
        auto lido = modelos.find(tipo);
        if (lido == modelos.end()) lido = modelos.emplace(tipo, LerValor(modelo, {tipo}).toString()).first;
        TnModeloPiso mascara(lido->second);
        if (daVez.empty()) continue;

        TnConsultaPiso &documentos = tipo == 11 ? notas : boletos;
        documentos.Abrir(valores);
        const QSqlRecord colunas = documentos.Consulta.record();
        const auto ix = [&colunas](const char *nome) { return colunas.indexOf(QLatin1String(nome)); };
        const int ixCliente = ix("CODIGOCLIENTE"), ixEmp = ix("EMP"), ixEst = ix("EST"), ixEscrit = ix("CODIGOESCRIT"),
                  ixEmissao = ix("DATAEMISSAO"), ixVcto = ix("DATAVCTO"), ixValor = ix("VALOR"),
                  ixSerie = ix("SERIENS"), ixNumero = ix("NUMERONS"), ixDocumento = ix("NUMERODCTOCR"),
                  ixNosso = ix("NOSSONUMERO");
        // The documents by client, each with where it goes.
        std::multimap<qlonglong, std::pair<std::pair<int, int>, TnItemPiso>> porCliente;
        const TnLinhasPiso q(documentos.Consulta);
        for (q.Primeira(); q.Linha(); q.Proxima()) {
          const QVariant &emp = q.value(ixEmp);
          const QVariant &est = q.value(ixEst);
          if (!daCaminhada(modo, emp, est)) continue;
          TnItemPiso item;
          item.Tabela = -1;
          item.Chave = 0;
          item.Fin = tipo;
          item.Escritorio = q.value(ixEscrit);
          item.Vencimento = q.value(ixVcto);
          item.Valor = q.value(ixValor);
          QString descricao = mascara.Texto();
          if (tipo == 11) {
            item.Serie = q.value(ixSerie);
            item.Numero = q.value(ixNumero);
            mascara.Trocar(descricao, "[SERIENS]", [&] { return item.Serie.toString(); });
            mascara.Trocar(descricao, "[NUMERONS]", [&] { return item.Numero.toString(); });
            mascara.Trocar(descricao, "[DATAEMISSAONS]", [&] { return Data(q.value(ixEmissao)); });
            item.ChaveOrigem = QStringLiteral("FIN;11;%1;%2;%3")
                                   .arg(item.Escritorio.toString(), item.Serie.toString(), item.Numero.toString());
          } else {
            item.Serie = q.value(ixDocumento);
            mascara.Trocar(descricao, "[NOSSONUMERO]", [&] { return q.value(ixNosso).toString(); });
            mascara.Trocar(descricao, "[DATAVCTOCR]", [&] { return Data(item.Vencimento); });
            item.ChaveOrigem = QStringLiteral("FIN;12;%1;%2").arg(item.Escritorio.toString(), item.Serie.toString());
          }
          item.ChaveOrigem = item.ChaveOrigem.left(25);
          item.Descricao = descricao.left(200);
          porCliente.emplace(q.value(ixCliente).toLongLong(),
                             std::pair(destinoDe(emp, est, empresa, estab), std::move(item)));
        }

        for (const auto &[cliente, emp, est] : daVez) {
          // The names the process shows for the client's establishment.
          LerValor(nomeEmpresa, {emp});
          LerValor(nomeEstab, {emp, est});
          TnPropostaPiso nova{emp,
                              est,
                              unico ? gerado : TmVoxDPGerarProtocolo::GetTitulo(tipo) + QStringLiteral(" - ") + gerado,
                              formaEntrega,
                              {}};
          TnPropostaPiso *proposta = &nova;
          if (unico) {
            auto achada = propostaDoEstab.find({emp, est});
            if (achada == propostaDoEstab.end()) {
              achada = propostaDoEstab.emplace(std::pair(emp, est), propostas.size()).first;
              propostas.push_back(std::move(nova));
            }
            proposta = &propostas[achada->second];
          }
          for (auto [i, ultimo] = porCliente.equal_range(cliente); i != ultimo; ++i)
            if (i->second.first == std::pair(emp, est)) proposta->Itens.push_back(i->second.second);
          if (!unico && !nova.Itens.empty()) propostas.push_back(std::move(nova));
        }
      }
    }
  }
}

// The memory the floor's proposals take: the items' and proposals' own
// objects and the heap of their texts, as the floor holds the values of the
// rows it writes.
size_t TamanhoPropostas(const std::vector<TnPropostaPiso> &propostas) {
  size_t bytes = 0;
  for (const TnPropostaPiso &p : propostas) {
    bytes += sizeof(TnPropostaPiso) + HeapDoTexto(p.Observacao) + HeapDoTexto(p.FormaEntrega);
    for (const TnItemPiso &i : p.Itens) {
      bytes += sizeof(TnItemPiso) + HeapDoTexto(i.Descricao) + HeapDoTexto(i.ChaveOrigem);
      for (const QVariant *v :
           {&i.Escritorio, &i.Serie, &i.Numero, &i.Vencimento, &i.Valor, &i.Imposto, &i.Variacao, &i.Funcionario})
        bytes += HeapDoValor(*v);
    }
  }
  return bytes;
}

// `resultado`: the size of the proposals, in MB (TamanhoPropostas).
// Only free debits are listed. The condition is the process's, with the
// listing mode bound as it binds it: written as a plain "is null", SQLite
// walks every free debit of the table through its protocol index instead
// of the establishment's month, a cost the process never pays.
constexpr int kListarLivres = 0;

[[gnu::noinline]] TnTempos Piso(bool unico, double &resultado) {
  TnTempos tempos;
  QElapsedTimer relogio;
  relogio.start();
  const QDateTime agora = nDMConexao()->Now();
  const QVariant hoje = Banco(agora.date());
  const QVariant momento = Banco(agora);
  const QVariant competencia = Banco(kMes);
  const QVariant inicio = Banco(kMes);
  const QVariant fim = Banco(QDate(2026, 11, 30));

  TnQueryPiso lista = Preparar(QStringLiteral(
      "select E.CODIGOEMPRESA, S.CODIGOESTAB, E.NOMEEMPRESA, coalesce(nullif(S.APELIDOESTAB, ''), S.NOMEESTAB) from "
      "EMPRESA E join ESTAB S on S.CODIGOEMPRESA = E.CODIGOEMPRESA where 1 = 1 order by E.CODIGOEMPRESA, "
      "S.CODIGOESTAB"));
  TnQueryPiso configurado =
      Preparar(QStringLiteral("select count(*) from CFGESTABPRO where CODIGOEMPRESA = ? and CODIGOESTAB = ?"));
  TnQueryPiso forma =
      Preparar(QStringLiteral("select FORMAENTREGA from CFGESTABPRO where CODIGOEMPRESA = ? and CODIGOESTAB = ?"));
  TnQueryPiso modelo =
      Preparar(QStringLiteral("select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = ?"));
  std::vector<TnQueryPiso> debitos;
  for (const TnTabelaBench &t : kTabelas) {
    const QString sufixo = QLatin1String(t.Sufixo);
    debitos.push_back(Preparar(
        t.Folha
            ? QStringLiteral(
                  "select D.CODIGOEMPRESA, D.CHAVEDEBITO%1, D.CODIGOESTAB, null, null, D.DATALCTOCTR, "
                  "D.DATALCTOCTR, D.VALORDEBITO, D.DATAVENCIMENTO, null, D.SITUACAODEBITO, "
                  "D.CODIGOTABCTBCTR, D.CHAVEORIGEM, D.CODIGOUSUARIO, D.DATAHORADEBITO, "
                  "D.CODIGOPROTOCOLO, null, null, D.OBSERVDEBITO, D.CodigoFuncContr, F.NOMEFUNC from "
                  "DEBITOFOLHA D join FUNCIONARIO F on F.CODIGOEMPRESA = D.CODIGOEMPRESA and "
                  "F.CodigoFuncContr = D.CodigoFuncContr where D.CODIGOEMPRESA = ? and D.CODIGOESTAB = "
                  "? and D.DATALCTOCTR between ? and ? and ((? = 0 and D.CODIGOPROTOCOLO is null) or (? = 1)) order by "
                  "D.CHAVEDEBITO%1")
                  .arg(sufixo)
            : QStringLiteral(
                  "select D.CODIGOEMPRESA, D.CHAVEDEBITO%1, D.CODIGOESTAB, D.CODIGOIMPOSTO, "
                  "D.VARIACAOIMPOSTO, D.DATALCTOCTR, D.DATAFINAL, D.VALORDEBITO, D.DATAVENCIMENTO, "
                  "D.FORMADEBITO, D.SITUACAODEBITO, D.CODIGOTABCTBCTR, D.CHAVEORIGEM, "
                  "D.CODIGOUSUARIO, D.DATAHORADEBITO, D.CODIGOPROTOCOLO, I.DESCRIMPOSTO, "
                  "I.DESCRPROTOCOLO%2 from %3 D join IMPOSTO I on D.CODIGOIMPOSTO = I.CODIGOIMPOSTO "
                  "and D.VARIACAOIMPOSTO = I.VARIACAOIMPOSTO where D.CODIGOEMPRESA = ? and "
                  "D.CODIGOESTAB = ? and D.DATALCTOCTR between ? and ? and ((? = 0 and D.CODIGOPROTOCOLO is null) or "
                  "(? = 1)) "
                  "and D.FORMADEBITO in (0, 2) order by D.CHAVEDEBITO%1")
                  .arg(sufixo, t.Observacao ? QStringLiteral(", D.OBSERVDEBITO") : QString(), QLatin1String(t.Nome))));
  }
  std::vector<std::unique_ptr<TnFolhaPiso>> folhas;
  for (const TnModeloFolha &m : kModelosFolha)
    if (!gSoDebitos) folhas.push_back(std::make_unique<TnFolhaPiso>(m.Tipo, QString::fromUtf8(m.Modelo)));

  std::vector<TnPropostaPiso> propostas;
  const QString gerado = QStringLiteral("Gerado em ") + agora.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
  // Each type's template read once, as the process reads it.
  std::map<int, QString> modelos;
  auto LerModelo = [&modelo, &modelos](int tipo) {
    auto lido = modelos.find(tipo);
    if (lido == modelos.end()) lido = modelos.emplace(tipo, LerValor(modelo, {tipo}).toString()).first;
    return TnModeloPiso(lido->second);
  };
  // A type's items: into the establishment's one proposal, or a proposal of
  // their own.
  auto Juntar = [&](TnPropostaPiso &&proposta, const QString &titulo) {
    if (proposta.Itens.empty()) return;
    if (unico) {
      for (TnItemPiso &i : proposta.Itens) propostas.back().Itens.push_back(std::move(i));
    } else {
      proposta.Observacao = titulo + gerado;
      propostas.push_back(std::move(proposta));
    }
  };
  // Read whole before the establishments' statements run: PostgreSQL keeps
  // one pending forward-only result per connection.
  std::vector<std::pair<int, int>> estabs;
  Exec(lista);
  while (lista.next()) estabs.emplace_back(lista.value(0).toInt(), lista.value(1).toInt());
  lista.finish();
  std::map<std::pair<int, int>, size_t> propostaDoEstab;
  for (const auto &[empresa, estab] : estabs) {
    Ligar(configurado, {empresa, estab});
    Exec(configurado);
    const bool temConfiguracao = configurado.next() && configurado.value(0).toInt() > 0;
    configurado.finish();
    if (!temConfiguracao) continue;
    Ligar(forma, {empresa, estab});
    Exec(forma);
    const QString formaEntrega = forma.next() ? forma.value(0).toString().trimmed() : QString();
    forma.finish();
    if (unico) {
      propostaDoEstab[{empresa, estab}] = propostas.size();
      propostas.push_back({empresa, estab, gerado, formaEntrega, {}});
    }
    for (size_t t = 0; t < std::size(kTabelas); ++t) {
      TnQueryPiso &consulta = debitos[t];
      Ligar(consulta, {empresa, estab, inicio, fim, kListarLivres, kListarLivres});
      Exec(consulta);
      const TnLinhasPiso q(consulta);
      TnPropostaPiso proposta{empresa, estab, QString(), formaEntrega, {}};
      TnModeloPiso mascara;
      bool primeiro = true;
      for (q.Primeira(); q.Linha(); q.Proxima()) {
        if (primeiro) {
          primeiro = false;
          mascara = LerModelo(kTabelas[t].Tipo);
        }
        TnItemPiso item;
        item.Tabela = static_cast<int>(t);
        item.Chave = q.value(1).toInt();
        item.Imposto = q.value(3);
        item.Variacao = q.value(4);
        item.Vencimento = q.value(8);
        item.Valor = q.value(7);
        QString descricao = mascara.Texto();
        mascara.Trocar(descricao, "[DESCRPROTOCOLO]", [&] { return q.value(17).toString(); });
        mascara.Trocar(descricao, "[COMPETENCIA]", [&] { return Competencia(q.value(6)); });
        if (kTabelas[t].Folha) {
          mascara.Trocar(descricao, "[CodigoFuncContr]",
                         [&] { return QStringLiteral("%1").arg(q.value(19).toInt(), 4, 10, QChar('0')); });
          mascara.Trocar(descricao, "[NOMEFUNC]", [&] { return q.value(20).toString(); });
        }
        item.Descricao = descricao.left(100);
        item.ChaveOrigem = QStringLiteral("D%1%2;%3;%4")
                               .arg(kTabelas[t].Tipo, 2, 10, QChar('0'))
                               .arg(QLatin1String(kTabelas[t].Sufixo))
                               .arg(empresa)
                               .arg(item.Chave);
        proposta.Itens.push_back(std::move(item));
      }
      Juntar(std::move(proposta), TmVoxDPGerarProtocolo::GetTitulo(kTabelas[t].Tipo) + QStringLiteral(" - "));
    }
    const QVariantMap valores = {{QStringLiteral("PDATAINICIAL"), inicio},
                                 {QStringLiteral("PDATAFINAL"), fim},
                                 {QStringLiteral("PCODIGOEMPRESA"), empresa},
                                 {QStringLiteral("PCODIGOESTAB"), estab}};
    for (const std::unique_ptr<TnFolhaPiso> &folha : folhas) {
      folha->Abrir(valores);
      const QSqlRecord colunas = folha->Consulta.record();
      const TnLinhasPiso q(folha->Consulta);
      const int ixData = colunas.indexOf(QStringLiteral("DATAPGTO"));
      const int ixValor = colunas.indexOf(QStringLiteral("VALOR"));
      const int ixFuncionario = colunas.indexOf(QStringLiteral("CODIGOFUNCCONTR"));
      const int ixNome = colunas.indexOf(QStringLiteral("NOMEFUNC"));
      const int ixDataDoc =
          colunas.indexOf(folha->Tipo == 7 ? QStringLiteral("DATARESC") : QStringLiteral("DATAINICIALFERIAS"));
      TnPropostaPiso proposta{empresa, estab, QString(), formaEntrega, {}};
      TnModeloPiso mascara;
      bool primeiro = true;
      for (q.Primeira(); q.Linha(); q.Proxima()) {
        if (primeiro) {
          primeiro = false;
          mascara = LerModelo(folha->Tipo);
        }
        TnItemPiso item;
        item.Tabela = -1;
        item.Chave = 0;
        item.Vencimento = q.value(ixData);
        item.Valor = q.value(ixValor);
        item.Funcionario = q.value(ixFuncionario);
        const int contrato = item.Funcionario.toInt();
        QString descricao = mascara.Texto();
        mascara.Trocar(descricao, "[QUANTIDADE]", [] { return QString(); });
        mascara.Trocar(descricao, "[CodigoFuncContr]", [&] {
          return folha->Tipo == 8 ? QString::number(contrato) : QStringLiteral("%1").arg(contrato, 4, 10, QChar('0'));
        });
        mascara.Trocar(descricao, "[NOMEFUNC]", [&] { return q.value(ixNome).toString(); });
        if (ixDataDoc >= 0)
          mascara.Trocar(descricao, folha->Tipo == 7 ? "[DATARESC]" : "[DATAINICIALFERIAS]",
                         [&] { return Data(q.value(ixDataDoc)); });
        item.Descricao = descricao.left(200);
        item.ChaveOrigem = QStringLiteral("FPA");
        proposta.Itens.push_back(std::move(item));
      }
      Juntar(std::move(proposta), TmVoxDPGerarProtocolo::GetTitulo(folha->Tipo) + QStringLiteral(" - "));
    }
  }
  if (!gSoDebitos)
    PisoFinanceiro(unico, estabs, propostas, propostaDoEstab, gerado, inicio, fim, configurado, forma, modelo);
  tempos.Listar = relogio.nsecsElapsed() / 1e6;
  resultado = TamanhoPropostas(propostas) / (1024.0 * 1024.0);

  relogio.restart();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  QSqlQuery proximo(db);
  if (!proximo.exec(QStringLiteral("select max(CODIGOPROTOCOLO) from PROTOCOLO")) || !proximo.next())
    Falhar(proximo.lastError().text());
  qlonglong numero = proximo.value(0).toLongLong();
  proximo.finish();
  TnQueryPiso protocolo = Preparar(QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, CANCELADO, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, "
      "?, ?, ?, ?, ?, ?)"));
  // As the process writes a proposal: its items in inserts of as many rows
  // as the engine's dialect says, the debits of each table stamped in one
  // statement of as many keys, each statement prepared once per size.
  const size_t kLote = static_cast<size_t>(TnDialetoSQL::LinhasPorInstrucao(nDMConexao()->TipoServidor()));
  std::map<size_t, TnQueryPiso> insercoes;
  auto insercao = [&insercoes](size_t linhas) -> TnQueryPiso & {
    auto achada = insercoes.find(linhas);
    if (achada != insercoes.end()) return achada->second;
    QString sql = QStringLiteral(
        "insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, VENCIMENTO, VALOR, "
        "CODIGOIMPOSTO, VARIACAOIMPOSTO, CODIGODOCEMP, CodigoFuncContr, CANCELADO, CHAVEORIGEM, CODIGOUSUARIO, "
        "DATAHORACADASTRO, ORIGEMDADO, COMPETENCIA) values ");
    for (size_t l = 0; l < linhas; ++l)
      sql +=
          (l ? QStringLiteral(", ") : QString()) + QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    return insercoes.emplace(linhas, Preparar(sql)).first->second;
  };
  std::map<std::pair<int, size_t>, TnQueryPiso> carimbos;
  auto carimbo = [&carimbos](int tabela, size_t chaves) -> TnQueryPiso & {
    auto achada = carimbos.find({tabela, chaves});
    if (achada != carimbos.end()) return achada->second;
    QString marcas;
    for (size_t c = 0; c < chaves; ++c) marcas += c ? QStringLiteral(", ?") : QStringLiteral("?");
    const TnTabelaBench &t = kTabelas[tabela];
    return carimbos
        .emplace(
            std::pair(tabela, chaves),
            Preparar(QStringLiteral("update %1 set CODIGOPROTOCOLO = ? where CODIGOEMPRESA = ? and +CODIGOPROTOCOLO "
                                    "is null and CHAVEDEBITO%2 in (%3)")
                         .arg(QLatin1String(t.Nome), QLatin1String(t.Sufixo), marcas)))
        .first->second;
  };
  TnQueryPiso carimboNota = Preparar(
      QStringLiteral("update SERVICONOTA set CODIGOPROTOCOLO = ?, SEQITEMPRO = ? where CODIGOESCRIT = ? and SERIENS = "
                     "? and NUMERONS = ? and CODIGOPROTOCOLO is null"));
  TnQueryPiso carimboBoleto =
      Preparar(QStringLiteral("update CONTARECEBER set CODIGOPROTOCOLO = ?, SEQITEMPRO = ? where CODIGOESCRIT = ? "
                              "and NUMERODCTOCR = ? and CODIGOPROTOCOLO is null"));
  for (const TnPropostaPiso &p : propostas) {
    ++numero;
    Ligar(protocolo, {Banco(numero), Banco(p.Empresa), Banco(p.Estab), Banco(hoje), Banco(QStringLiteral("1")),
                      Banco(p.Observacao), Banco(momento), Banco(1), Banco(p.FormaEntrega), Banco(QStringLiteral("1")),
                      Banco(QStringLiteral("0")), Banco(1)});
    Exec(protocolo);
    int sequencia = 0;
    std::vector<std::vector<int>> chavesDaTabela(std::size(kTabelas));
    for (const TnItemPiso &i : p.Itens) {
      ++sequencia;
      if (i.Fin != 0) {
        TnQueryPiso &doc = i.Fin == 11 ? carimboNota : carimboBoleto;
        Ligar(doc, {Banco(numero), Banco(sequencia), Banco(i.Escritorio), Banco(i.Serie)});
        if (i.Fin == 11) doc.bindValue(4, Banco(i.Numero));
        Exec(doc);
        if (doc.numRowsAffected() != 1) Falhar(QStringLiteral("documento financeiro não livre no piso"));
      }
      if (i.Tabela >= 0) chavesDaTabela[static_cast<size_t>(i.Tabela)].push_back(i.Chave);
    }
    for (size_t inicio = 0; inicio < p.Itens.size(); inicio += kLote) {
      const size_t fim = std::min(p.Itens.size(), inicio + kLote);
      TnQueryPiso &itens = insercao(fim - inicio);
      int posicao = 0;
      for (size_t n = inicio; n < fim; ++n) {
        const TnItemPiso &i = p.Itens[n];
        for (const QVariant &v :
             {QVariant(numero), QVariant(static_cast<int>(n) + 1), QVariant(i.Descricao), hoje, i.Vencimento, i.Valor,
              i.Imposto, i.Variacao, QVariant(), i.Funcionario, QVariant(QStringLiteral("0")), QVariant(i.ChaveOrigem),
              QVariant(1), momento, QVariant(1), competencia})
          itens.bindValue(posicao++, Banco(v));
      }
      Exec(itens);
    }
    for (size_t t = 0; t < chavesDaTabela.size(); ++t) {
      const std::vector<int> &chaves = chavesDaTabela[t];
      for (size_t inicio = 0; inicio < chaves.size(); inicio += kLote) {
        const size_t fim = std::min(chaves.size(), inicio + kLote);
        TnQueryPiso &q = carimbo(static_cast<int>(t), fim - inicio);
        q.bindValue(0, numero);
        q.bindValue(1, p.Empresa);
        for (size_t n = inicio; n < fim; ++n) q.bindValue(static_cast<int>(2 + n - inicio), chaves[n]);
        Exec(q);
        if (q.numRowsAffected() != static_cast<int>(fim - inicio)) Falhar(QStringLiteral("débito não livre no piso"));
      }
    }
  }
  db.commit();
  tempos.Gravar = relogio.nsecsElapsed() / 1e6;
  return tempos;
}

}  // namespace

int main(int argc, char **argv) {
  double fator = 1;
  QString modo = QStringLiteral("ambos");
  const TnOpcoesBench opcoes =
      LerOpcoes(argc, argv,
                "uso: mVoxBenchGerarProtocolo [--fator F] [--modo tipos|unico|ambos] [--rodadas N] "
                "[--fontes todas|debitos] [--banco sqlite|postgresql]\n"
                "  --fator    tamanho do escritório (1 = 100 empresas de 10 filiais; de 0.25 a 4)\n"
                "  --modo     dividido em tipos, protocolo único ou ambos (padrão)\n"
                "  --fontes   todas (padrão: débitos, folha e financeiro) ou só os débitos\n",
                [&](const QString &opcao, const QString &valor) {
                  bool ok = false;
                  if (opcao == QLatin1String("--fator"))
                    fator = valor.toDouble(&ok);
                  else if (opcao == QLatin1String("--modo"))
                    ok = (modo = valor) == QLatin1String("tipos") || modo == QLatin1String("unico") ||
                         modo == QLatin1String("ambos");
                  else if (opcao == QLatin1String("--fontes"))
                    ok = (gSoDebitos = valor == QLatin1String("debitos")) || valor == QLatin1String("todas");
                  return ok && fator >= 0.01 && fator <= 8;
                });
  const bool pg = opcoes.Pg;
  const int rodadas = opcoes.Rodadas;
  Dimensionar(fator);
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPGerarProtocolo"),
                                 QStringLiteral("bench-gerar-protocolo.db"), opcoes);
  {
    const double montagem = MontarEscritorio([] {
      InserirCadastros();
      InserirDebitos();
      InserirFolha();
      InserirProtocolosAntigos();
      InserirFinanceiro();
    });
    std::printf(
        "%s, fator %.2f: %d filiais, %d débitos no mês, %d débitos de %d meses anteriores, %d protocolos "
        "anteriores com %d itens de folha; folha: %d funcionários, %d eventos calculados, %d rescisões, %d "
        "recibos de férias; financeiro: %d clientes, %d notas fiscais, %d boletos (montado em %.1f s); %d "
        "rodadas\n",
        pg ? "PostgreSQL" : "SQLite", fator, gEstabs, gEstabs * 15, gEstabs * 15 * kMesesHistorico, kMesesHistorico,
        gUltimoAntigo, gUltimoAntigo * 3, gEmpresas * kFuncionarios,
        gEmpresas * kFuncionarios * kPeriodos * kEventosPorCalculo, gEmpresas * (kFuncionarios - kPrimeiroDemitido + 1),
        gEmpresas * kUltimoEmFerias, gClientesFin, gClientesFin, gClientesFin + gClientesPrivados, montagem, rodadas);
    std::fflush(stdout);
  }

  std::vector<bool> modos;
  if (modo != QLatin1String("unico")) modos.push_back(false);
  if (modo != QLatin1String("tipos")) modos.push_back(true);
  for (const bool unico : modos) {
    const int propostas = unico ? gEstabs : gPropostasTipos;
    std::vector<TnTempos> processos;
    std::vector<TnTempos> pisos;
    TnMemoriaLado memProcesso;
    TnMemoriaLado memPiso;
    double resultado = 0;
    // The sides take turns going first: the one that runs right after the
    // other's writes and their undoing pays for the disk catching up.
    for (int r = 0; r < rodadas; ++r) {
      QStringList escritos[2];
      for (const bool pisoPrimeiro : {r % 2 == 0, r % 2 != 0}) {
        if (pisoPrimeiro) {
          memPiso.Anotar(MedirSubida([&] { pisos.push_back(Piso(unico, resultado)); }));
          escritos[0] = Conferir("piso", propostas);
        } else {
          std::vector<double> pontos;
          const TnSubida subida = MedirSubida([&] { processos.push_back(Processo(unico, pontos)); });
          memProcesso.Anotar(subida, pontos);
          escritos[1] = Conferir("processo", propostas);
        }
        Desfazer();
      }
      CompararGravado(escritos[1], escritos[0]);
    }
    const TnResumo<TnTempos> processo = Resumir(processos);
    const TnResumo<TnTempos> piso = Resumir(pisos);
    std::printf("\n%s, folha por funcionário (%d protocolos, %d itens: %d débitos, %d de folha, %d financeiros)\n",
                unico ? "Protocolo Único" : "Dividido em Tipos", propostas, gItensMes, gEstabs * 15, gItensFolha,
                gItensFin);
    std::printf(
        "  processo (TmVoxDPGerarProtocolo), melhor rodada: listar %.1f ms, marcar todos %.1f ms, gravar %.1f ms, "
        "total %.1f ms; mediana %.1f ms\n",
        processo.Minimo.Listar, processo.Minimo.Marcar, processo.Minimo.Gravar, processo.Minimo.Total(),
        processo.Mediana);
    std::printf(
        "  piso (instruções simples), melhor rodada: ler %.1f ms, gravar %.1f ms, total %.1f ms; mediana %.1f ms\n",
        piso.Minimo.Listar, piso.Minimo.Gravar, piso.Minimo.Total(), piso.Mediana);
    std::printf("  por item: processo %.1f µs, piso %.1f µs; gravaram as mesmas linhas\n",
                processo.Minimo.Total() * 1000 / gItensMes, piso.Minimo.Total() * 1000 / gItensMes);
    std::printf("  razão processo/piso: %.2f pelas melhores, %.2f pelas medianas (meta: até %s)\n",
                processo.Minimo.Total() / piso.Minimo.Total(), processo.Mediana / piso.Mediana, pg ? "2.00" : "1.50");
    // What each side holds against the proposals' own size; the least of
    // the rounds, as the fastest is taken for the time.
    const double kbResultado = KBPorItem(resultado, gItensMes);
    const double kbProcesso = KBPorItem(TnMemoriaLado::Menor(memProcesso.Pico), gItensMes);
    std::printf(
        "  memória por item (KB, a menor das rodadas): resultado %.2f (%.1f MB, as propostas como o piso as guarda); "
        "processo: pico %.2f, listado %.2f, marcado %.2f, gravado %.2f, depois de liberado %.2f; piso: pico %.2f, "
        "depois %.2f\n"
        "  pico do processo / resultado: %.1f (meta: até 3); pico do piso / resultado: %.1f\n",
        kbResultado, resultado, kbProcesso, KBPorItem(memProcesso.PontoMenor(0), gItensMes),
        KBPorItem(memProcesso.PontoMenor(1), gItensMes), KBPorItem(memProcesso.PontoMenor(2), gItensMes),
        KBPorItem(TnMemoriaLado::Menor(memProcesso.Restante), gItensMes),
        KBPorItem(TnMemoriaLado::Menor(memPiso.Pico), gItensMes),
        KBPorItem(TnMemoriaLado::Menor(memPiso.Restante), gItensMes), kbResultado > 0 ? kbProcesso / kbResultado : 0,
        kbResultado > 0 ? KBPorItem(TnMemoriaLado::Menor(memPiso.Pico), gItensMes) / kbResultado : 0);
    std::fflush(stdout);
  }
  ImprimirMemoriaPico();
  return 0;
}
