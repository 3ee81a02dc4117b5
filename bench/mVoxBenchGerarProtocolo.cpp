// A large office's month through "Gerar Protocolo": 1,000 establishments
// (100 companies of 10), 15,000 debits of November 2026 over the seven debit
// tables, five years of earlier months in the same tables (900,000 debits,
// all protocolled) and the 60,000 earlier protocols, each holding three
// payroll items (180,000). The payroll: 16,000 employees with one to three
// placements each, two calculation periods in the month (an advance and the
// month) of 30 events per employee (960,000 event rows, 32,000 of them the
// amount), 300 terminations and 1,300 vacation receipts. The office's own
// financial documents: 800 clients, 200 of them private (their financial
// person names no establishment), the others each at a company
// establishment, 800 service invoices with their receivables and 200 more
// receivables for fees (1,000 boletos). The process lists every debit,
// payroll and financial type, the pay per employee, one protocol per
// establishment and type (or one per establishment), every item is marked
// ("Selecionar todos.") and saved.
//
// The floor is the same work done with plain prepared statements in the same
// run on the same file: the same establishment list, configuration reads,
// debit, payroll and financial selects and template and name reads, the same
// inserts of protocols and items and the same guarded debit, invoice and
// receivable updates, with the rows kept
// in plain structs. Prints both times and the ratio (goal: at most 2).
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "mVoxBench_U.h"
#include "mVoxDPGerarProtocolo_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"
#include "nPacotes_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nSQLParametros_U.h"
#include "nSchema_U.h"
#include "npqParamItem_U.h"

namespace {

constexpr int kEmpresas = 100;
constexpr int kEstabsPorEmpresa = 10;
constexpr int kEstabs = kEmpresas * kEstabsPorEmpresa;
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
constexpr int kItensFolha =
    kEmpresas * (kFuncionarios * kPeriodos + (kFuncionarios - kPrimeiroDemitido + 1) + kUltimoEmFerias);
// The financial documents: every client has an invoice with its receivable,
// clients kClientesPrivados + 1 .. 2 * kClientesPrivados a fee receivable too.
constexpr int kClientesFin = 800;
constexpr int kClientesPrivados = 200;
constexpr int kItensFin = kClientesFin + kClientesFin + kClientesPrivados;
constexpr int kItensMes = kEstabs * 15 + kItensFolha + kItensFin;
// Proposals of "Dividido em Tipos": 7 debit types and the pay everywhere,
// terminations at establishments 8-10, vacations at all 10.
// The financial pass adds, per type, one for the private clients and one per
// other client ("Protocolo Único" joins the establishments' proposals).
constexpr int kPropostasTipos =
    kEstabs * 8 + kEmpresas * 3 + kEmpresas * 10 + 2 * (1 + kClientesFin - kClientesPrivados);
constexpr int kRodadas = 2;
// Earlier protocols are numbered 1..kEstabs * kMesesHistorico.
constexpr int kUltimoAntigo = kEstabs * kMesesHistorico;

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
  QSqlQuery empresa =
      Preparar(QStringLiteral("insert into EMPRESA (CODIGOEMPRESA, NOMEEMPRESA, ATIVA) values (?, ?, '1')"));
  QSqlQuery estab = Preparar(
      QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB, APELIDOESTAB) values (?, ?, ?, ?)"));
  QSqlQuery config =
      Preparar(QStringLiteral("insert into CFGESTABPRO (CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, "
                              "FORMAENTREGA, MESMOENDERECOENT) values (?, ?, 1, ?, '1')"));
  QSqlQuery funcionario =
      Preparar(QStringLiteral("insert into FUNCIONARIO (CODIGOEMPRESA, CODIGOFUNCCONTR, NOMEFUNC) values (?, ?, ?)"));
  for (int e = 1; e <= kEmpresas; ++e) {
    empresa.addBindValue(e);
    empresa.addBindValue(QStringLiteral("Empresa Cliente %1 Ltda").arg(e));
    Exec(empresa);
    for (int s = 1; s <= kEstabsPorEmpresa; ++s) {
      estab.addBindValue(e);
      estab.addBindValue(s);
      estab.addBindValue(QStringLiteral("Empresa Cliente %1 Ltda - Filial %2").arg(e).arg(s));
      estab.addBindValue(QStringLiteral("Filial %1").arg(s));
      Exec(estab);
      config.addBindValue(e);
      config.addBindValue(s);
      config.addBindValue(QString::number(s % 3 + 1));
      Exec(config);
    }
    for (int f = 1; f <= kFuncionarios; ++f) {
      funcionario.addBindValue(e);
      funcionario.addBindValue(f);
      funcionario.addBindValue(NomeFuncionario(e, f));
      Exec(funcionario);
    }
  }
  QSqlQuery imposto = Preparar(QStringLiteral(
      "insert into IMPOSTO (CODIGOIMPOSTO, VARIACAOIMPOSTO, DESCRIMPOSTO, DESCRPROTOCOLO) values (?, 0, ?, ?)"));
  for (int codigo : {1, 2, 3, 4, 10, 20, 30, 40, 50}) {
    imposto.addBindValue(codigo);
    imposto.addBindValue(QStringLiteral("Imposto %1").arg(codigo));
    imposto.addBindValue(QStringLiteral("Guia %1").arg(codigo));
    Exec(imposto);
  }
  QSqlQuery tipo =
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
  QSqlQuery pessoa = Preparar(QStringLiteral("insert into FUNCPESSOA (CODIGOFUNCPESSOA, NOMEFUNC) values (?, ?)"));
  QSqlQuery contrato = Preparar(
      QStringLiteral("insert into FUNCCONTRATO (CODIGOEMPRESA, CODIGOFUNCCONTR, CODIGOFUNCPESSOA) values (?, ?, ?)"));
  QSqlQuery lotacao = Preparar(QStringLiteral(
      "insert into FUNCLOCAL (CODIGOEMPRESA, CODIGOFUNCCONTR, DATATRANSF, CODIGOESTAB) values (?, ?, ?, ?)"));
  QSqlQuery periodo = Preparar(
      QStringLiteral("insert into PERIODOCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, DATAINICIALFOLHA, DATAFINALFOLHA, "
                     "DATAPGTO) values (?, ?, ?, ?, ?)"));
  QSqlQuery calculo = Preparar(
      QStringLiteral("insert into FUNCPERCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOFUNCCONTR, DATALOCAL, "
                     "DATAPGTOFOLHA) values (?, ?, ?, ?, ?)"));
  QSqlQuery evento = Preparar(
      QStringLiteral("insert into CALCULOEVENTO (CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOFUNCCONTR, CODIGOEVENTO, "
                     "VALOREVENTO) values (?, ?, ?, ?, ?)"));
  QSqlQuery rescisao = Preparar(QStringLiteral(
      "insert into RESCISAO (CODIGOEMPRESA, CODIGOFUNCCONTR, COMPLEMENTAR, CODIGOCAUSA, CODIGOSAQUE, TIPOAFASTSEFIP, "
      "TIPOAFASTCAGED, TIPOAFASTRAIS, CODIGOMOTDEM, DATARESC, DATAAVPREVIO, DATAPGTORESC, DIASTRAB, DIASAVINDEN, "
      "DIASAVREAV, DIASESTABIL, DIASGRATIF, SALFINAL, FGTSMESANT, CODIGOFPAS, SALDOFGTS, REMMULTA, VALORMULTA, "
      "BASEINSS, DEDUCAO, FGTSRECOL, VALORINSS, REMUNRESCISAO, REPOSICAOVAGA, AVISOPREVIO) values (?, ?, '0', 11, 1, "
      "'I1', 31, 11, 2, ?, ?, ?, 20, 30, 0, 0, 0, '2500.00', '200.00', 515, '9000.00', '9000.00', '3600.00', "
      "'4000.00', '0.00', '320.00', '380.00', '4000.00', '1', '1')"));
  QSqlQuery eventoRescisao = Preparar(QStringLiteral(
      "insert into RESCISAOEVENTO (CODIGOEMPRESA, CODIGOFUNCCONTR, CODIGOEVENTO, VALOREVENTO) values (?, ?, ?, ?)"));
  QSqlQuery ferias = Preparar(QStringLiteral(
      "insert into RECIBOFERIAS (CODIGOEMPRESA, CODIGOFUNCCONTR, DATAINICIAL, DATAINICIALFERIAS, DATAFINALFERIAS, "
      "DATAPGTO, DATARETORNOFERIAS, COMPETINICIAL, PAGAADTO13, DESCADTO, DESCONTPARCELA, FORMAGERACAO, TIPORECIBO, "
      "DIASDOBROFERIAS, DIASDOBROABONO, DIASABONO, DIASFERIAS, DIASREMUN, NUMEROPARCELA, DIASPREMIO) values (?, ?, "
      "?, ?, ?, ?, ?, ?, '0', '0', '0', 1, 1, 0, 0, 0, 20, 20, 0, 0)"));
  QSqlQuery eventoFerias = Preparar(
      QStringLiteral("insert into FERIASEVENTO (CODIGOEMPRESA, CODIGOFUNCCONTR, DATAINICIAL, DATAINICIALFERIAS, "
                     "CODIGOEVENTO, VALOREVENTO) values (?, ?, ?, ?, ?, ?)"));
  auto linha = [](QSqlQuery &q, std::initializer_list<QVariant> valores) {
    for (const QVariant &v : valores) q.addBindValue(v);
    Exec(q);
  };
  auto valor = [](int a, int b) { return QStringLiteral("%1.%2").arg(100 + a % 4000).arg(b % 100, 2, 10, QChar('0')); };

  for (int e = 1; e <= kEmpresas; ++e) {
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
// clients 1-200 name no establishment; client 200 + k names company k % 100
// + 1, establishment k / 100 + 1. Client n's invoice NFS n and its receivable
// NFS-n; clients 201-400 also owe a fee (HON-n). All issued in November.
void InserirFinanceiro() {
  ExecDireto(
      QStringLiteral("insert into ESCRITORIO (CODIGOESCRIT, NOMEESCRIT, CODIGOEMPRESA, CODIGOESTAB) values (1, "
                     "'Escritório Central', 1, 1)"));
  QSqlQuery pessoa = Preparar(QStringLiteral(
      "insert into PESSOAFINANCEIRO (CODIGOPESSOAFIN, NOME, CODIGOEMPRESA, CODIGOESTAB) values (?, ?, ?, ?)"));
  QSqlQuery cliente = Preparar(QStringLiteral("insert into PESSOAFINCLIENTE (CODIGOPESSOAFIN) values (?)"));
  QSqlQuery nota =
      Preparar(QStringLiteral("insert into SERVICONOTA (CODIGOESCRIT, SERIENS, NUMERONS, DATAEMISSAONS, VALORLIQUIDO, "
                              "VISTAPRAZO, CANCELADANS) values (1, 'NFS', ?, ?, ?, ?, 0)"));
  QSqlQuery receber =
      Preparar(QStringLiteral("insert into CONTARECEBER (CODIGOESCRIT, NUMERODCTOCR, SERIENS, NUMERONS, CODIGOCLIENTE, "
                              "DATAEMISSAOCR, DATAVCTOCR, VALORCR, NOSSONUMERO) values (1, ?, ?, ?, ?, ?, ?, ?, ?)"));
  auto linha = [](QSqlQuery &q, std::initializer_list<QVariant> valores) {
    for (const QVariant &v : valores) q.addBindValue(v);
    Exec(q);
  };
  qlonglong nossoNumero = 2026110000;
  for (int c = 1; c <= kClientesFin; ++c) {
    const bool privado = c <= kClientesPrivados;
    const int k = c - kClientesPrivados - 1;
    linha(pessoa, {c, QStringLiteral("Cliente %1").arg(c), privado ? QVariant() : QVariant(k % kEmpresas + 1),
                   privado ? QVariant() : QVariant(k / kEmpresas + 1)});
    linha(cliente, {c});
    const QDate emissao(2026, 11, c % 28 + 1);
    const QString valor = QStringLiteral("%1.%2").arg(300 + c % 900).arg(c % 100, 2, 10, QChar('0'));
    linha(nota, {c, Banco(emissao), valor, c % 2});
    linha(receber, {QStringLiteral("NFS-%1").arg(c), QStringLiteral("NFS"), c, c, Banco(emissao),
                    Banco(emissao.addDays(10)), valor, ++nossoNumero});
    if (c > kClientesPrivados && c <= 2 * kClientesPrivados)
      linha(receber, {QStringLiteral("HON-%1").arg(c), QVariant(), QVariant(), c, Banco(emissao),
                      Banco(emissao.addDays(15)), QStringLiteral("350.00"), ++nossoNumero});
  }
  QSqlQuery tipo =
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
    QSqlQuery q = Preparar(
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
    std::vector<int> chaves(kEmpresas + 1, 0);
    for (int m = 0; m <= kMesesHistorico; ++m) {
      const QDate mes = kMes.addMonths(m - kMesesHistorico);
      const QVariant lancamento = Banco(QDate(mes.year(), mes.month(), 10));
      const QVariant fim = Banco(QDate(mes.year(), mes.month(), mes.daysInMonth()));
      const QVariant vencimento = Banco(mes.addMonths(1).addDays(19));
      const QVariant momento = Banco(QDateTime(QDate(mes.year(), mes.month(), 10), QTime(9, 30)));
      for (int e = 1; e <= kEmpresas; ++e) {
        for (int s = 1; s <= kEstabsPorEmpresa; ++s) {
          const int estab = (e - 1) * kEstabsPorEmpresa + s;
          const QVariant protocolo = m < kMesesHistorico ? QVariant(qlonglong(m * kEstabs + estab)) : QVariant();
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
  QSqlQuery q = Preparar(QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, CANCELADO, ORIGEMDADO) values (?, ?, ?, ?, '1', "
      "'Gerado em', ?, 1, '2', '1', '0', 1)"));
  for (int m = 0; m < kMesesHistorico; ++m) {
    const QDate dia = kMes.addMonths(m - kMesesHistorico + 1);
    for (int estab = 1; estab <= kEstabs; ++estab) {
      q.addBindValue(qlonglong(m * kEstabs + estab));
      q.addBindValue((estab - 1) / kEstabsPorEmpresa + 1);
      q.addBindValue((estab - 1) % kEstabsPorEmpresa + 1);
      q.addBindValue(Banco(dia));
      q.addBindValue(Banco(QDateTime(dia, QTime(9, 30))));
      Exec(q);
    }
  }
  // Each earlier protocol holds its month's pay: both periods totalised and
  // one employee's pay (none of them due in the month listed).
  QSqlQuery item = Preparar(QStringLiteral(
      "insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, VENCIMENTO, VALOR, "
      "CODIGOFUNCCONTR, CANCELADO, CHAVEORIGEM, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO, COMPETENCIA) values (?, "
      "?, 'Folha de Pagamento', ?, ?, '1000.00', ?, '0', 'FPA', 1, ?, 1, ?)"));
  for (int m = 0; m < kMesesHistorico; ++m) {
    const QDate mes = kMes.addMonths(m - kMesesHistorico);
    const QDate dia = mes.addMonths(1);
    const QVariant vencimentos[] = {Banco(QDate(mes.year(), mes.month(), 20)), Banco(dia.addDays(4))};
    for (int estab = 1; estab <= kEstabs; ++estab) {
      const int s = (estab - 1) % kEstabsPorEmpresa + 1;
      const QVariant itens[][2] = {{vencimentos[0], QVariant()}, {vencimentos[1], QVariant()}, {vencimentos[1], s}};
      int seq = 0;
      for (const auto &[vencimento, funcionario] : itens) {
        for (const QVariant &v : {QVariant(qlonglong(m * kEstabs + estab)), QVariant(++seq), Banco(dia), vencimento,
                                  funcionario, Banco(QDateTime(dia, QTime(9, 30))), Banco(mes)})
          item.addBindValue(v);
        Exec(item);
      }
    }
  }
}

// Back to the month unlisted: the month's debits free, no new protocol.
void Desfazer() {
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  for (const TnTabelaBench &t : kTabelas)
    ExecDireto(QStringLiteral("update %1 set CODIGOPROTOCOLO = null where CODIGOPROTOCOLO > %2")
                   .arg(QLatin1String(t.Nome))
                   .arg(kUltimoAntigo));
  for (const char *tabela : {"SERVICONOTA", "CONTARECEBER"})
    ExecDireto(QStringLiteral("update %1 set CODIGOPROTOCOLO = null, SEQITEMPRO = null").arg(QLatin1String(tabela)));
  ExecDireto(QStringLiteral("delete from PROTOCOLOITEM where CODIGOPROTOCOLO > %1").arg(kUltimoAntigo));
  ExecDireto(QStringLiteral("delete from PROTOCOLO where CODIGOPROTOCOLO > %1").arg(kUltimoAntigo));
  db.commit();
}

int Contar(const QString &sql) {
  QSqlQuery q(nDMConexao()->Database());
  if (!q.exec(sql) || !q.next()) Falhar(q.lastError().text());
  return q.value(0).toInt();
}

// Checks that a run saved the whole month in `propostas` protocols.
void Conferir(const char *quem, int propostas) {
  const int protocolos =
      Contar(QStringLiteral("select count(*) from PROTOCOLO where CODIGOPROTOCOLO > %1").arg(kUltimoAntigo));
  const int itens =
      Contar(QStringLiteral("select count(*) from PROTOCOLOITEM where CODIGOPROTOCOLO > %1").arg(kUltimoAntigo));
  int livres = 0;
  for (const TnTabelaBench &t : kTabelas)
    livres +=
        Contar(QStringLiteral("select count(*) from %1 where CODIGOPROTOCOLO is null").arg(QLatin1String(t.Nome)));
  // Every invoice and every boleto stamped with its item.
  for (const char *tabela : {"SERVICONOTA", "CONTARECEBER"})
    livres += Contar(QStringLiteral("select count(*) from %1 where CODIGOPROTOCOLO is null or SEQITEMPRO is null")
                         .arg(QLatin1String(tabela)));
  if (protocolos != propostas || itens != kItensMes || livres != 0)
    Falhar(QStringLiteral("%1: %2 protocolos, %3 itens, %4 débitos livres")
               .arg(QLatin1String(quem))
               .arg(protocolos)
               .arg(itens)
               .arg(livres));
}

// --- the process

struct TnTempos {
  double Listar = 0;
  double Marcar = 0;
  double Gravar = 0;
  double Total() const { return Listar + Marcar + Gravar; }
};

// `unico`: "Protocolo Único" (one proposal per establishment), else
// "Dividido em Tipos" (one per establishment and type).
TnTempos Processo(bool unico) {
  auto *processo = dynamic_cast<TmVoxDPGerarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPGerarProtocolo")));
  if (!processo) Falhar(QStringLiteral("TmVoxDPGerarProtocolo não registrado"));
  processo->SetChamadoPorOutro(true);
  TnpqPowerParam &p = processo->npqPowerParam();
  p.Param(QStringLiteral("pDataInicial"))->SetAsDate(kMes);
  p.Param(QStringLiteral("pDataFinal"))->SetAsDate(QDate(2026, 11, 30));
  p.Param(QStringLiteral("pTipo"))->SetAsString(QStringLiteral("1;2;3;4;5;9;10;6;7;8;11;12"));
  p.Param(QStringLiteral("pTipoFolha"))->SetAsString(QStringLiteral("2"));
  p.Param(QStringLiteral("pFormaGer"))->SetAsString(unico ? QStringLiteral("1") : QStringLiteral("2"));
  p.Param(QStringLiteral("pListarDebitos"))->SetAsString(QStringLiteral("0"));

  TnTempos tempos;
  QElapsedTimer relogio;
  try {
    relogio.start();
    processo->Executar();
    tempos.Listar = relogio.nsecsElapsed() / 1e6;
    if (processo->ClientDataSetDet()->RecordCount() != kItensMes)
      Falhar(QStringLiteral("itens listados: %1").arg(processo->ClientDataSetDet()->RecordCount()));
    relogio.restart();
    processo->actSelecionarTodosExecute(nullptr);
    tempos.Marcar = relogio.nsecsElapsed() / 1e6;
    relogio.restart();
    processo->actGravarExecute(nullptr);
    tempos.Gravar = relogio.nsecsElapsed() / 1e6;
  } catch (const Exception &e) {
    Falhar(e.message());
  }
  nLiberarDM(processo);
  Conferir("processo", unico ? kEstabs : kPropostasTipos);
  return tempos;
}

// --- the floor

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

// A payroll statement of the process, with plain positional placeholders.
struct TnFolhaPiso {
  int Tipo;
  QString Modelo;
  TnSQLParametros Parametros;
  QSqlQuery Consulta;
  TnFolhaPiso(int tipo, const QString &modelo)
      : Tipo(tipo),
        Modelo(modelo),
        Parametros(TmVoxDPGerarProtocolo::SQLFolha(tipo, 2, 1)),
        Consulta(Preparar(Parametros.SQLPosicional())) {}
  void Abrir(const QVariantMap &valores) {
    for (int i : Parametros.Ocorrencias()) Consulta.addBindValue(valores.value(Parametros.Nomes().at(i)));
    Exec(Consulta);
  }
};

QString Data(const QVariant &data) {
  return QDate::fromString(data.toString().left(10), Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy"));
}

struct TnPropostaPiso {
  int Empresa;
  int Estab;
  QString Observacao;
  QString FormaEntrega;
  std::vector<TnItemPiso> Itens;
};

QString Competencia(const QVariant &data) {
  return QDate::fromString(data.toString().left(10), Qt::ISODate).toString(QStringLiteral("MM/yyyy"));
}

// A statement of the process with plain positional placeholders.
struct TnConsultaPiso {
  TnSQLParametros Parametros;
  QSqlQuery Consulta;
  explicit TnConsultaPiso(const QString &sql) : Parametros(sql), Consulta(Preparar(Parametros.SQLPosicional())) {}
  void Abrir(const QVariantMap &valores) {
    for (int i : Parametros.Ocorrencias()) Consulta.addBindValue(valores.value(Parametros.Nomes().at(i)));
    Exec(Consulta);
  }
};

// The financial pass of the floor, as the process walks it: by office, then
// by client, over every configured establishment and both types, the
// establishment's clients and, when it has any, its documents once; per
// client the names of its establishment, its proposal and its items.
// `lista`, `configurado`, `forma` and `modelo` are the floor's statements of
// the establishment list and of the configuration and template reads.
void PisoFinanceiro(bool unico, std::vector<TnPropostaPiso> &propostas,
                    std::map<std::pair<int, int>, size_t> &propostaDoEstab, const QString &gerado, QSqlQuery &lista,
                    QSqlQuery &configurado, QSqlQuery &forma, QSqlQuery &modelo) {
  QSqlQuery nomeEmpresa = Preparar(QStringLiteral("select NOMEEMPRESA from EMPRESA where CODIGOEMPRESA = ?"));
  QSqlQuery nomeEstab =
      Preparar(QStringLiteral("select NOMEESTAB from ESTAB where CODIGOEMPRESA = ? and CODIGOESTAB = ?"));
  auto ler = [](QSqlQuery &q, std::initializer_list<QVariant> valores) {
    for (const QVariant &v : valores) q.addBindValue(v);
    Exec(q);
    const QVariant valor = q.next() ? q.value(0) : QVariant();
    q.finish();
    return valor;
  };
  TnConsultaPiso clientes(TmVoxDPGerarProtocolo::MontarSQLClientesFin(true));
  TnConsultaPiso notas(TmVoxDPGerarProtocolo::MontarSQLNotasFiscais(true));
  TnConsultaPiso boletos(TmVoxDPGerarProtocolo::MontarSQLBoletos(true));
  const auto semCodigo = [](const QVariant &v) { return v.isNull() || v.toInt() <= 0; };
  // The walk takes the row: by office no positive company nor establishment,
  // by client both named.
  const auto daCaminhada = [&](int modo, const QVariant &emp, const QVariant &est) {
    return modo == 0 ? semCodigo(emp) && semCodigo(est) : !emp.isNull() && !est.isNull();
  };
  // Where the row's documents go, as company * 10000 + establishment.
  const auto destinoDe = [&](const QVariant &emp, const QVariant &est, int empresa, int estab) {
    return semCodigo(emp) || semCodigo(est) ? empresa * 10000 + estab : emp.toInt() * 10000 + est.toInt();
  };

  // The establishments where an office works.
  std::set<std::pair<int, int>> comEscritorio;
  QSqlQuery escritorios = Preparar(QStringLiteral("select distinct CODIGOEMPRESA, CODIGOESTAB from ESCRITORIO"));
  Exec(escritorios);
  while (escritorios.next()) comEscritorio.insert({escritorios.value(0).toInt(), escritorios.value(1).toInt()});
  for (int modo : {0, 1}) {
    Exec(lista);
    while (lista.next()) {
      const int empresa = lista.value(0).toInt();
      const int estab = lista.value(1).toInt();
      if (ler(configurado, {empresa, estab}).toInt() == 0 || !comEscritorio.contains({empresa, estab})) continue;
      for (int tipo : {11, 12}) {
        const QString formaEntrega = ler(forma, {empresa, estab}).toString().trimmed();
        const QVariantMap valores = {{QStringLiteral("PDATAINICIAL"), Banco(kMes)},
                                     {QStringLiteral("PDATAFINAL"), Banco(QDate(2026, 11, 30))},
                                     {QStringLiteral("PCODIGOEMPRESA"), empresa},
                                     {QStringLiteral("PCODIGOESTAB"), estab},
                                     {QStringLiteral("PLISTARDEBITOS"), 0}};
        // The walk's clients, each once: (client, company, establishment).
        std::set<std::tuple<qlonglong, int, int>> daVez;
        clientes.Abrir(valores);
        while (clientes.Consulta.next()) {
          const QVariant emp = clientes.Consulta.value(4);
          const QVariant est = clientes.Consulta.value(5);
          if (!daCaminhada(modo, emp, est)) continue;
          const int destino = destinoDe(emp, est, empresa, estab);
          daVez.insert({clientes.Consulta.value(0).toLongLong(), destino / 10000, destino % 10000});
        }
        clientes.Consulta.finish();
        const QString mascara = ler(modelo, {tipo}).toString();
        if (daVez.empty()) continue;

        TnConsultaPiso &documentos = tipo == 11 ? notas : boletos;
        documentos.Abrir(valores);
        QSqlQuery &q = documentos.Consulta;
        const QSqlRecord colunas = q.record();
        const auto ix = [&colunas](const char *nome) { return colunas.indexOf(QLatin1String(nome)); };
        const int ixCliente = ix("CODIGOCLIENTE"), ixEmp = ix("EMP"), ixEst = ix("EST"), ixEscrit = ix("CODIGOESCRIT"),
                  ixEmissao = ix("DATAEMISSAO"), ixVcto = ix("DATAVCTO"), ixValor = ix("VALOR"),
                  ixSerie = ix("SERIENS"), ixNumero = ix("NUMERONS"), ixDocumento = ix("NUMERODCTOCR"),
                  ixNosso = ix("NOSSONUMERO");
        // The documents by client, each with where it goes (Chave).
        std::multimap<qlonglong, TnItemPiso> porCliente;
        while (q.next()) {
          const QVariant emp = q.value(ixEmp);
          const QVariant est = q.value(ixEst);
          if (!daCaminhada(modo, emp, est)) continue;
          TnItemPiso item;
          item.Tabela = -1;
          item.Chave = destinoDe(emp, est, empresa, estab);
          item.Fin = tipo;
          item.Escritorio = q.value(ixEscrit);
          item.Vencimento = q.value(ixVcto);
          item.Valor = q.value(ixValor);
          QString descricao = mascara;
          if (tipo == 11) {
            item.Serie = q.value(ixSerie);
            item.Numero = q.value(ixNumero);
            descricao.replace(QStringLiteral("[SERIENS]"), item.Serie.toString(), Qt::CaseInsensitive);
            descricao.replace(QStringLiteral("[NUMERONS]"), item.Numero.toString(), Qt::CaseInsensitive);
            descricao.replace(QStringLiteral("[DATAEMISSAONS]"), Data(q.value(ixEmissao)), Qt::CaseInsensitive);
            item.ChaveOrigem = QStringLiteral("FIN;11;%1;%2;%3")
                                   .arg(item.Escritorio.toString(), item.Serie.toString(), item.Numero.toString());
          } else {
            item.Serie = q.value(ixDocumento);
            descricao.replace(QStringLiteral("[NOSSONUMERO]"), q.value(ixNosso).toString(), Qt::CaseInsensitive);
            descricao.replace(QStringLiteral("[DATAVCTOCR]"), Data(item.Vencimento), Qt::CaseInsensitive);
            item.ChaveOrigem = QStringLiteral("FIN;12;%1;%2").arg(item.Escritorio.toString(), item.Serie.toString());
          }
          item.ChaveOrigem = item.ChaveOrigem.left(25);
          item.Descricao = descricao.left(200);
          porCliente.emplace(q.value(ixCliente).toLongLong(), std::move(item));
        }
        q.finish();

        for (const auto &[cliente, emp, est] : daVez) {
          const QString nome = ler(nomeEmpresa, {emp}).toString() + ler(nomeEstab, {emp, est}).toString();
          TnPropostaPiso nova{emp, est, QStringLiteral("Financeiro - ") + gerado, formaEntrega, {}};
          TnPropostaPiso *proposta = &nova;
          if (unico) {
            auto achada = propostaDoEstab.find({emp, est});
            if (achada == propostaDoEstab.end()) {
              achada = propostaDoEstab.emplace(std::pair(emp, est), propostas.size()).first;
              propostas.push_back(std::move(nova));
            }
            proposta = &propostas[achada->second];
          }
          const int destino = emp * 10000 + est;
          for (auto [i, fim] = porCliente.equal_range(cliente); i != fim; ++i)
            if (i->second.Chave == destino) proposta->Itens.push_back(i->second);
          if (!unico && !nova.Itens.empty()) propostas.push_back(std::move(nova));
        }
      }
    }
    lista.finish();
  }
}

TnTempos Piso(bool unico) {
  TnTempos tempos;
  QElapsedTimer relogio;
  relogio.start();
  const QDateTime agora = nDMConexao()->Now();
  const QVariant hoje = Banco(agora.date());
  const QVariant momento = Banco(agora);
  const QVariant competencia = Banco(kMes);
  const QVariant inicio = Banco(kMes);
  const QVariant fim = Banco(QDate(2026, 11, 30));

  QSqlQuery lista = Preparar(QStringLiteral(
      "select E.CODIGOEMPRESA, S.CODIGOESTAB, E.NOMEEMPRESA, coalesce(nullif(S.APELIDOESTAB, ''), S.NOMEESTAB) from "
      "EMPRESA E join ESTAB S on S.CODIGOEMPRESA = E.CODIGOEMPRESA where 1 = 1 order by E.CODIGOEMPRESA, "
      "S.CODIGOESTAB"));
  QSqlQuery configurado =
      Preparar(QStringLiteral("select count(*) from CFGESTABPRO where CODIGOEMPRESA = ? and CODIGOESTAB = ?"));
  QSqlQuery forma =
      Preparar(QStringLiteral("select FORMAENTREGA from CFGESTABPRO where CODIGOEMPRESA = ? and CODIGOESTAB = ?"));
  QSqlQuery modelo =
      Preparar(QStringLiteral("select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = ?"));
  std::vector<QSqlQuery> debitos;
  for (const TnTabelaBench &t : kTabelas) {
    const QString sufixo = QLatin1String(t.Sufixo);
    debitos.push_back(Preparar(
        t.Folha
            ? QStringLiteral("select D.CODIGOEMPRESA, D.CHAVEDEBITO%1, D.CODIGOESTAB, null, null, D.DATALCTOCTR, "
                             "D.DATALCTOCTR, D.VALORDEBITO, D.DATAVENCIMENTO, null, D.SITUACAODEBITO, "
                             "D.CODIGOTABCTBCTR, D.CHAVEORIGEM, D.CODIGOUSUARIO, D.DATAHORADEBITO, "
                             "D.CODIGOPROTOCOLO, null, null, D.OBSERVDEBITO, D.CodigoFuncContr, F.NOMEFUNC from "
                             "DEBITOFOLHA D join FUNCIONARIO F on F.CODIGOEMPRESA = D.CODIGOEMPRESA and "
                             "F.CodigoFuncContr = D.CodigoFuncContr where D.CODIGOEMPRESA = ? and D.CODIGOESTAB = "
                             "? and D.DATALCTOCTR between ? and ? and D.CODIGOPROTOCOLO is null order by "
                             "D.CHAVEDEBITO%1")
                  .arg(sufixo)
            : QStringLiteral("select D.CODIGOEMPRESA, D.CHAVEDEBITO%1, D.CODIGOESTAB, D.CODIGOIMPOSTO, "
                             "D.VARIACAOIMPOSTO, D.DATALCTOCTR, D.DATAFINAL, D.VALORDEBITO, D.DATAVENCIMENTO, "
                             "D.FORMADEBITO, D.SITUACAODEBITO, D.CODIGOTABCTBCTR, D.CHAVEORIGEM, "
                             "D.CODIGOUSUARIO, D.DATAHORADEBITO, D.CODIGOPROTOCOLO, I.DESCRIMPOSTO, "
                             "I.DESCRPROTOCOLO%2 from %3 D join IMPOSTO I on D.CODIGOIMPOSTO = I.CODIGOIMPOSTO "
                             "and D.VARIACAOIMPOSTO = I.VARIACAOIMPOSTO where D.CODIGOEMPRESA = ? and "
                             "D.CODIGOESTAB = ? and D.DATALCTOCTR between ? and ? and D.CODIGOPROTOCOLO is null "
                             "and D.FORMADEBITO in (0, 2) order by D.CHAVEDEBITO%1")
                  .arg(sufixo, t.Observacao ? QStringLiteral(", D.OBSERVDEBITO") : QString(), QLatin1String(t.Nome))));
  }
  std::vector<std::unique_ptr<TnFolhaPiso>> folhas;
  for (const TnModeloFolha &m : kModelosFolha)
    folhas.push_back(std::make_unique<TnFolhaPiso>(m.Tipo, QString::fromUtf8(m.Modelo)));

  std::vector<TnPropostaPiso> propostas;
  const QString gerado = QStringLiteral("Gerado em ") + agora.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
  auto LerModelo = [&modelo](int tipo) {
    modelo.addBindValue(tipo);
    Exec(modelo);
    const QString mascara = modelo.next() ? modelo.value(0).toString() : QString();
    modelo.finish();
    return mascara;
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
  Exec(lista);
  std::map<std::pair<int, int>, size_t> propostaDoEstab;
  while (lista.next()) {
    const int empresa = lista.value(0).toInt();
    const int estab = lista.value(1).toInt();
    configurado.addBindValue(empresa);
    configurado.addBindValue(estab);
    Exec(configurado);
    const bool temConfiguracao = configurado.next() && configurado.value(0).toInt() > 0;
    configurado.finish();
    if (!temConfiguracao) continue;
    forma.addBindValue(empresa);
    forma.addBindValue(estab);
    Exec(forma);
    const QString formaEntrega = forma.next() ? forma.value(0).toString().trimmed() : QString();
    forma.finish();
    if (unico) {
      propostaDoEstab[{empresa, estab}] = propostas.size();
      propostas.push_back({empresa, estab, gerado, formaEntrega, {}});
    }
    for (size_t t = 0; t < std::size(kTabelas); ++t) {
      QSqlQuery &q = debitos[t];
      q.addBindValue(empresa);
      q.addBindValue(estab);
      q.addBindValue(inicio);
      q.addBindValue(fim);
      Exec(q);
      TnPropostaPiso proposta{empresa, estab, QString(), formaEntrega, {}};
      QString mascara;
      bool primeiro = true;
      while (q.next()) {
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
        QString descricao = mascara;
        descricao.replace(QStringLiteral("[DESCRPROTOCOLO]"), q.value(17).toString(), Qt::CaseInsensitive);
        descricao.replace(QStringLiteral("[COMPETENCIA]"), Competencia(q.value(6)), Qt::CaseInsensitive);
        if (kTabelas[t].Folha) {
          descricao.replace(QStringLiteral("[CodigoFuncContr]"),
                            QStringLiteral("%1").arg(q.value(19).toInt(), 4, 10, QChar('0')), Qt::CaseInsensitive);
          descricao.replace(QStringLiteral("[NOMEFUNC]"), q.value(20).toString(), Qt::CaseInsensitive);
        }
        item.Descricao = descricao.left(100);
        item.ChaveOrigem = QStringLiteral("D%1%2;%3;%4")
                               .arg(kTabelas[t].Tipo, 2, 10, QChar('0'))
                               .arg(QLatin1String(kTabelas[t].Sufixo))
                               .arg(empresa)
                               .arg(item.Chave);
        proposta.Itens.push_back(std::move(item));
      }
      q.finish();
      Juntar(std::move(proposta), QStringLiteral("Débitos - "));
    }
    const QVariantMap valores = {{QStringLiteral("PDATAINICIAL"), inicio},
                                 {QStringLiteral("PDATAFINAL"), fim},
                                 {QStringLiteral("PCODIGOEMPRESA"), empresa},
                                 {QStringLiteral("PCODIGOESTAB"), estab}};
    for (const std::unique_ptr<TnFolhaPiso> &folha : folhas) {
      folha->Abrir(valores);
      QSqlQuery &q = folha->Consulta;
      const QSqlRecord colunas = q.record();
      const int ixData = colunas.indexOf(QStringLiteral("DATAPGTO"));
      const int ixValor = colunas.indexOf(QStringLiteral("VALOR"));
      const int ixFuncionario = colunas.indexOf(QStringLiteral("CODIGOFUNCCONTR"));
      const int ixNome = colunas.indexOf(QStringLiteral("NOMEFUNC"));
      const int ixDataDoc =
          colunas.indexOf(folha->Tipo == 7 ? QStringLiteral("DATARESC") : QStringLiteral("DATAINICIALFERIAS"));
      TnPropostaPiso proposta{empresa, estab, QString(), formaEntrega, {}};
      QString mascara;
      bool primeiro = true;
      while (q.next()) {
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
        QString descricao = mascara;
        descricao.replace(QStringLiteral("[QUANTIDADE]"), QString(), Qt::CaseInsensitive);
        descricao.replace(
            QStringLiteral("[CodigoFuncContr]"),
            folha->Tipo == 8 ? QString::number(contrato) : QStringLiteral("%1").arg(contrato, 4, 10, QChar('0')),
            Qt::CaseInsensitive);
        descricao.replace(QStringLiteral("[NOMEFUNC]"), q.value(ixNome).toString(), Qt::CaseInsensitive);
        if (ixDataDoc >= 0)
          descricao.replace(folha->Tipo == 7 ? QStringLiteral("[DATARESC]") : QStringLiteral("[DATAINICIALFERIAS]"),
                            Data(q.value(ixDataDoc)), Qt::CaseInsensitive);
        item.Descricao = descricao.left(200);
        item.ChaveOrigem = QStringLiteral("FPA");
        proposta.Itens.push_back(std::move(item));
      }
      q.finish();
      Juntar(std::move(proposta), QStringLiteral("Folha - "));
    }
  }
  lista.finish();
  PisoFinanceiro(unico, propostas, propostaDoEstab, gerado, lista, configurado, forma, modelo);
  tempos.Listar = relogio.nsecsElapsed() / 1e6;

  relogio.restart();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  QSqlQuery proximo(db);
  if (!proximo.exec(QStringLiteral("select max(CODIGOPROTOCOLO) from PROTOCOLO")) || !proximo.next())
    Falhar(proximo.lastError().text());
  qlonglong numero = proximo.value(0).toLongLong();
  proximo.finish();
  QSqlQuery protocolo = Preparar(QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, CANCELADO, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, "
      "?, ?, ?, ?, ?, ?)"));
  QSqlQuery item = Preparar(QStringLiteral(
      "insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, VENCIMENTO, VALOR, "
      "CODIGOIMPOSTO, VARIACAOIMPOSTO, CODIGODOCEMP, CodigoFuncContr, CANCELADO, CHAVEORIGEM, CODIGOUSUARIO, "
      "DATAHORACADASTRO, ORIGEMDADO, COMPETENCIA) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  QSqlQuery carimboNota = Preparar(
      QStringLiteral("update SERVICONOTA set CODIGOPROTOCOLO = ?, SEQITEMPRO = ? where CODIGOESCRIT = ? and SERIENS = "
                     "? and NUMERONS = ? and CODIGOPROTOCOLO is null"));
  QSqlQuery carimboBoleto =
      Preparar(QStringLiteral("update CONTARECEBER set CODIGOPROTOCOLO = ?, SEQITEMPRO = ? where CODIGOESCRIT = ? "
                              "and NUMERODCTOCR = ? and CODIGOPROTOCOLO is null"));
  std::vector<QSqlQuery> carimbos;
  for (const TnTabelaBench &t : kTabelas)
    carimbos.push_back(Preparar(QStringLiteral("update %1 set CODIGOPROTOCOLO = ? where CHAVEDEBITO%2 = ? and "
                                               "CODIGOEMPRESA = ? and CODIGOPROTOCOLO is null")
                                    .arg(QLatin1String(t.Nome), QLatin1String(t.Sufixo))));
  for (const TnPropostaPiso &p : propostas) {
    ++numero;
    for (const QVariant &v :
         {QVariant(numero), QVariant(p.Empresa), QVariant(p.Estab), hoje, QVariant(QStringLiteral("1")),
          QVariant(p.Observacao), momento, QVariant(1), QVariant(p.FormaEntrega), QVariant(QStringLiteral("1")),
          QVariant(QStringLiteral("0")), QVariant(1)})
      protocolo.addBindValue(v);
    Exec(protocolo);
    int sequencia = 0;
    for (const TnItemPiso &i : p.Itens) {
      for (const QVariant &v :
           {QVariant(numero), QVariant(++sequencia), QVariant(i.Descricao), hoje, i.Vencimento, i.Valor, i.Imposto,
            i.Variacao, QVariant(), i.Funcionario, QVariant(QStringLiteral("0")), QVariant(i.ChaveOrigem), QVariant(1),
            momento, QVariant(1), competencia})
        item.addBindValue(v);
      Exec(item);
      if (i.Fin != 0) {
        QSqlQuery &carimbo = i.Fin == 11 ? carimboNota : carimboBoleto;
        for (const QVariant &v : {QVariant(numero), QVariant(sequencia), i.Escritorio, i.Serie})
          carimbo.addBindValue(v);
        if (i.Fin == 11) carimbo.addBindValue(i.Numero);
        Exec(carimbo);
        if (carimbo.numRowsAffected() != 1) Falhar(QStringLiteral("documento financeiro não livre no piso"));
      }
      if (i.Tabela < 0) continue;
      QSqlQuery &carimbo = carimbos[static_cast<size_t>(i.Tabela)];
      carimbo.addBindValue(numero);
      carimbo.addBindValue(i.Chave);
      carimbo.addBindValue(p.Empresa);
      Exec(carimbo);
      if (carimbo.numRowsAffected() != 1) Falhar(QStringLiteral("débito não livre no piso"));
    }
  }
  db.commit();
  tempos.Gravar = relogio.nsecsElapsed() / 1e6;
  Conferir("piso", static_cast<int>(propostas.size()));
  return tempos;
}

}  // namespace

int main(int argc, char **argv) {
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPGerarProtocolo"),
                                 QStringLiteral("bench-gerar-protocolo.db"));
  {
    QElapsedTimer relogio;
    relogio.start();
    QSqlDatabase db = nDMConexao()->Database();
    db.transaction();
    InserirCadastros();
    InserirDebitos();
    InserirFolha();
    InserirProtocolosAntigos();
    InserirFinanceiro();
    db.commit();
    ExecDireto(QStringLiteral("analyze"));
    std::printf(
        "escritório: %d filiais, %d débitos no mês, %d débitos de %d meses anteriores, %d protocolos "
        "anteriores com %d itens de folha; folha: %d funcionários, %d eventos calculados, %d rescisões, %d "
        "recibos de férias (montado em %.1f s)\n",
        kEstabs, kEstabs * 15, kEstabs * 15 * kMesesHistorico, kMesesHistorico, kUltimoAntigo, kUltimoAntigo * 3,
        kEmpresas * kFuncionarios, kEmpresas * kFuncionarios * kPeriodos * kEventosPorCalculo,
        kEmpresas * (kFuncionarios - kPrimeiroDemitido + 1), kEmpresas * kUltimoEmFerias, relogio.nsecsElapsed() / 1e9);
  }

  for (const bool unico : {false, true}) {
    TnTempos melhorProcesso{1e300, 0, 0};
    TnTempos melhorPiso{1e300, 0, 0};
    for (int r = 0; r < kRodadas; ++r) {
      const TnTempos piso = Piso(unico);
      Desfazer();
      const TnTempos processo = Processo(unico);
      Desfazer();
      if (piso.Total() < melhorPiso.Total()) melhorPiso = piso;
      if (processo.Total() < melhorProcesso.Total()) melhorProcesso = processo;
    }
    std::printf("\n%s, folha por funcionário (%d protocolos, %d itens: %d débitos, %d de folha, %d financeiros)\n",
                unico ? "Protocolo Único" : "Dividido em Tipos", unico ? kEstabs : kPropostasTipos, kItensMes,
                kEstabs * 15, kItensFolha, kItensFin);
    std::printf(
        "  processo (TmVoxDPGerarProtocolo): listar %.1f ms, marcar todos %.1f ms, gravar %.1f ms, total %.1f "
        "ms\n",
        melhorProcesso.Listar, melhorProcesso.Marcar, melhorProcesso.Gravar, melhorProcesso.Total());
    std::printf("  piso (instruções simples): ler %.1f ms, gravar %.1f ms, total %.1f ms\n", melhorPiso.Listar,
                melhorPiso.Gravar, melhorPiso.Total());
    std::printf("  razão processo/piso: %.2f (meta: até 2.00)\n", melhorProcesso.Total() / melhorPiso.Total());
  }
  return 0;
}
