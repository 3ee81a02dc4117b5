#include "nDadosExemplo_U.h"

#include <QDateTime>
#include <QStringList>
#include <QVariantList>

#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSchema_U.h"

// The rows are kept as one table per block, values in the order of the
// block's columns, so the sample reads like the screens that show it. Every
// value reaches the database bound to a placeholder: names such as
// "Maria D'Ávila Souza" go in as they are written here.

namespace {

struct TnTabelaExemplo {
  QString Nome;
  QStringList Colunas;
  QList<QVariantList> Linhas;
};

QVariant Dia(int ano, int mes, int dia) { return QDate(ano, mes, dia); }

QVariant Momento(int ano, int mes, int dia, int hora, int minuto) {
  return QDateTime(QDate(ano, mes, dia), QTime(hora, minuto));
}

// Money goes as decimal text, so no binary fraction ever reaches a column.
QVariant Valor(const char *texto) { return QString::fromLatin1(texto); }

QVariant Grande(qint64 valor) { return valor; }

const QVariant Nulo;

// --- Registers of the suite ------------------------------------------------

TnTabelaExemplo Empresas() {
  return {"EMPRESA",
          {"CODIGOEMPRESA", "NOMEEMPRESA", "ATIVA"},
          {
              {1, "Organização Contábil Exemplo Ltda", "1"},
              {2, "Padaria Pão Quente Ltda", "1"},
              {3, "Tecidos Fio de Ouro Ltda", "0"},
          }};
}

TnTabelaExemplo Estados() {
  return {"ESTADO",
          {"SIGLAESTADO", "NOMEESTADO"},
          {
              {"SP", "São Paulo"},
              {"MG", "Minas Gerais"},
              {"RJ", "Rio de Janeiro"},
          }};
}

TnTabelaExemplo Municipios() {
  return {"MUNICIPIO",
          {"SIGLAESTADO", "CODIGOMUNIC", "NOMEMUNIC"},
          {
              {"SP", 1, "São Paulo"},
              {"SP", 2, "Campinas"},
              {"MG", 1, "Belo Horizonte"},
              {"MG", 2, "Juiz de Fora"},
              {"RJ", 1, "Rio de Janeiro"},
              {"RJ", 2, "Niterói"},
          }};
}

TnTabelaExemplo Estabelecimentos() {
  return {"ESTAB",
          {"CODIGOEMPRESA", "CODIGOESTAB", "NOMEESTAB", "APELIDOESTAB", "DATAINICIOATIV", "DATAFIMATIV",
           "LOGRADESTAB", "ENDERESTAB", "COMPLENDERESTAB", "NUMENDERESTAB", "BAIRROESTAB", "SIGLAESTADO",
           "CODIGOMUNIC", "CEPESTAB"},
          {
              {1, 1, "Organização Contábil Exemplo Ltda", "Exemplo Matriz", Dia(2008, 3, 3), Nulo, "Avenida",
               "Paulista", "Conjunto 1204", 1578, "Bela Vista", "SP", 1, "01310-200"},
              {2, 1, "Padaria Pão Quente Ltda", "Pão Quente Augusta", Dia(2012, 6, 18), Nulo, "Rua", "Augusta", Nulo,
               2150, "Cerqueira César", "SP", 1, "01412-100"},
              {2, 2, "Padaria Pão Quente Ltda - Filial Campinas", "Pão Quente Campinas", Dia(2019, 2, 1), Nulo,
               "Avenida", "Francisco Glicério", "Loja 2", 1020, "Centro", "SP", 2, "13012-100"},
              {2, 3, "Padaria Pão Quente Ltda - Filial Rio", "Pão Quente Botafogo", Dia(2021, 9, 1), Dia(2025, 6, 30),
               "Rua", "Voluntários da Pátria", Nulo, 45, "Botafogo", "RJ", 1, "22270-000"},
              {3, 1, "Tecidos Fio de Ouro Ltda", "Fio de Ouro", Dia(2015, 4, 6), Nulo, "Avenida", "Afonso Pena",
               "Sala 501", 1500, "Centro", "MG", 1, "30130-005"},
          }};
}

TnTabelaExemplo Usuarios() {
  return {"USUARIO",
          {"CODIGOUSUARIO", "NOMEUSUARIO", "NOMEUSUARIOCOMPL"},
          {
              {1, "ADMIN", "Administrador do Sistema"},
              {2, "MARIA", "Maria D'Ávila Souza"},
          }};
}

// The administrator may change protocols after saving them; Maria may not,
// so both faces of the right can be tried.
TnTabelaExemplo DireitosUsuario() {
  return {"USUARIODIREITO",
          {"CODIGOUSUARIO", "NOMEDIREITO", "VALORDIREITO"},
          {
              {1, "DireitoAltProtocolo", "8"},
          }};
}

TnTabelaExemplo Departamentos() {
  return {"DPTOESCRIT",
          {"CODIGODPTOESCRIT", "DESCRDPTOESCRIT"},
          {
              {1, "Departamento Fiscal"},
              {2, "Departamento Pessoal"},
              {3, "Departamento Contábil"},
          }};
}

TnTabelaExemplo Impostos() {
  return {"IMPOSTO",
          {"CODIGOIMPOSTO", "VARIACAOIMPOSTO", "DESCRIMPOSTO", "DESCRPROTOCOLO"},
          {
              {1, 0, "Imposto de Renda Pessoa Jurídica", "IRPJ - Estimativa Mensal"},
              {2, 0, "Contribuição Social sobre o Lucro Líquido", "CSLL - Estimativa Mensal"},
              {3, 0, "Contribuição para o PIS/Pasep", "PIS"},
              {4, 0, "Contribuição para o Financiamento da Seguridade Social", "COFINS"},
              {10, 0, "Imposto sobre Circulação de Mercadorias e Serviços", "ICMS"},
              {10, 1, "ICMS - Substituição Tributária", "ICMS-ST"},
              {20, 0, "Imposto sobre Serviços de Qualquer Natureza", "ISS"},
              {30, 0, "Contribuição Sindical", "Contribuição Sindical"},
              {40, 0, "Contribuições Previdenciárias", "INSS/GPS"},
              {50, 0, "Fundo de Garantia do Tempo de Serviço", "FGTS"},
          }};
}

// --- Tax debits of November 2026 -------------------------------------------

// What changes from one debit to the next; the rest is the same for the
// whole month (period end, situation, origin, author, no protocol yet).
struct TnDebitoExemplo {
  int Empresa;
  int Chave;
  int Estab;
  int Imposto;
  int Variacao;
  QDate Lancamento;
  const char *Valor;
  QDate Vencimento;
  int FormaDebito;  // 0 and 2 go to protocols; 1 does not
  int TabelaContabil;
  const char *Observacao;
};

const QDate kFimDoMes(2026, 11, 30);

TnTabelaExemplo Debitos(const QString &tabela, const QString &sufixo, bool temObservacao,
                        const QList<TnDebitoExemplo> &debitos) {
  TnTabelaExemplo t{tabela,
                    {"CODIGOEMPRESA", "CHAVEDEBITO" + sufixo, "CODIGOESTAB", "CODIGOIMPOSTO", "VARIACAOIMPOSTO",
                     "DATALCTOCTR", "DATAFINAL", "VALORDEBITO", "DATAVENCIMENTO", "FORMADEBITO", "SITUACAODEBITO",
                     "CODIGOTABCTBCTR", "CHAVEORIGEM", "CODIGOUSUARIO", "DATAHORADEBITO", "CODIGOPROTOCOLO"},
                    {}};
  if (temObservacao) t.Colunas << "OBSERVDEBITO";
  for (const TnDebitoExemplo &d : debitos) {
    QVariantList linha{d.Empresa,
                       d.Chave,
                       d.Estab,
                       d.Imposto,
                       d.Variacao,
                       d.Lancamento,
                       kFimDoMes,
                       Valor(d.Valor),
                       d.Vencimento,
                       d.FormaDebito,
                       0,
                       d.TabelaContabil,
                       "CTR",
                       2,
                       QDateTime(d.Lancamento, QTime(9, 30)),
                       Nulo};
    if (temObservacao) linha << (d.Observacao ? QVariant(QString::fromUtf8(d.Observacao)) : Nulo);
    t.Linhas << linha;
  }
  return t;
}

TnTabelaExemplo DebitosFederais() {
  return Debitos("DEBITOFEDERAL", "FED", true,
                 {
                     {1, 1, 1, 1, 0, {2026, 11, 10}, "1250.00", {2026, 12, 31}, 0, 2101, "Lucro presumido"},
                     {1, 2, 1, 2, 0, {2026, 11, 10}, "540.00", {2026, 12, 31}, 0, 2102, "Lucro presumido"},
                     {1, 3, 1, 3, 0, {2026, 11, 12}, "97.50", {2026, 12, 24}, 2, 2103, nullptr},
                     {1, 4, 1, 4, 0, {2026, 11, 12}, "450.00", {2026, 12, 24}, 2, 2104, nullptr},
                     {2, 1, 1, 3, 0, {2026, 11, 12}, "182.35", {2026, 12, 24}, 0, 2103, nullptr},
                     {2, 2, 1, 4, 0, {2026, 11, 12}, "841.60", {2026, 12, 24}, 0, 2104, nullptr},
                     {2, 3, 2, 4, 0, {2026, 11, 12}, "312.90", {2026, 12, 24}, 1, 2104, "Débito automático em conta"},
                 });
}

TnTabelaExemplo DebitosEstaduais() {
  return Debitos("DEBITOESTADUAL", "EST", true,
                 {
                     {2, 1, 1, 10, 0, {2026, 11, 16}, "2340.18", {2026, 12, 10}, 0, 2201, nullptr},
                     {2, 2, 2, 10, 0, {2026, 11, 16}, "987.44", {2026, 12, 10}, 2, 2201, nullptr},
                     {2, 3, 1, 10, 1, {2026, 11, 16}, "215.00", {2026, 12, 10}, 0, 2202, "Farinha de trigo"},
                 });
}

TnTabelaExemplo DebitosMunicipais() {
  return Debitos("DEBITOMUNICIPAL", "MUN", true,
                 {
                     {1, 1, 1, 20, 0, {2026, 11, 5}, "625.00", {2026, 12, 10}, 0, 2301, "Serviços contábeis"},
                     {2, 1, 1, 20, 0, {2026, 11, 5}, "48.20", {2026, 12, 10}, 2, 2301, nullptr},
                 });
}

TnTabelaExemplo DebitosSindicais() {
  return Debitos("DEBITOSINDICAL", "SIND", false,
                 {
                     {1, 1, 1, 30, 0, {2026, 11, 20}, "180.00", {2026, 12, 15}, 0, 2401, nullptr},
                     {2, 1, 1, 30, 0, {2026, 11, 20}, "95.00", {2026, 12, 15}, 2, 2401, nullptr},
                 });
}

TnTabelaExemplo DebitosGps() {
  return Debitos("DEBITOGPS", "GPS", true,
                 {
                     {1, 1, 1, 40, 0, {2026, 11, 30}, "1912.64", {2026, 12, 18}, 0, 2501, nullptr},
                     {2, 1, 1, 40, 0, {2026, 11, 30}, "1750.30", {2026, 12, 18}, 0, 2501, nullptr},
                     {2, 2, 2, 40, 0, {2026, 11, 30}, "1102.85", {2026, 12, 18}, 2, 2501, "Inclui rescisão"},
                 });
}

TnTabelaExemplo DebitosFgts() {
  return Debitos("DEBITOFGTS", "FGTS", true,
                 {
                     {1, 1, 1, 50, 0, {2026, 11, 30}, "560.00", {2026, 12, 18}, 0, 2601, nullptr},
                     {2, 1, 1, 50, 0, {2026, 11, 30}, "326.40", {2026, 12, 18}, 0, 2601, "Inclui multa rescisória"},
                     {2, 2, 2, 50, 0, {2026, 11, 30}, "396.00", {2026, 12, 18}, 2, 2601, nullptr},
                 });
}

// Net pay of each employee as a payroll debit, due on the pay date.
TnTabelaExemplo DebitosFolha() {
  const QVariant lancamento = Dia(2026, 11, 30);
  const QVariant vencimento = Dia(2026, 12, 7);
  const QVariant momento = Momento(2026, 11, 30, 17, 45);
  return {"DEBITOFOLHA",
          {"CODIGOEMPRESA", "CHAVEDEBITOFOLHA", "CODIGOESTAB", "DATALCTOCTR", "VALORDEBITO", "DATAVENCIMENTO",
           "SITUACAODEBITO", "CODIGOTABCTBCTR", "CHAVEORIGEM", "CODIGOUSUARIO", "DATAHORADEBITO", "CODIGOPROTOCOLO",
           "OBSERVDEBITO", "CODIGOFUNCCONTR"},
          {
              {1, 1, 1, lancamento, Valor("3612.45"), vencimento, 0, 2701, "FPA", 2, momento, Nulo, "Salário líquido", 1},
              {1, 2, 1, lancamento, Valor("2463.10"), vencimento, 0, 2701, "FPA", 2, momento, Nulo, "Salário líquido", 2},
              {2, 1, 1, lancamento, Valor("1889.37"), vencimento, 0, 2701, "FPA", 2, momento, Nulo, "Salário líquido", 1},
              {2, 2, 1, lancamento, Valor("1254.80"), vencimento, 0, 2701, "FPA", 2, momento, Nulo, "Saldo de salário", 2},
              {2, 3, 2, lancamento, Valor("2071.92"), vencimento, 0, 2701, "FPA", 2, momento, Nulo, Nulo, 3},
          }};
}

// --- Payroll of November 2026 ----------------------------------------------

TnTabelaExemplo Funcionarios() {
  return {"FUNCIONARIO",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "NOMEFUNC"},
          {
              {1, 1, "Beatriz Moreira Campos"},
              {1, 2, "Rafael Teixeira Duarte"},
              {2, 1, "João Batista Ferreira"},
              {2, 2, "Ana Paula Nogueira"},
              {2, 3, "Carlos Eduardo Lima"},
              {2, 4, "Fernanda Ribeiro Alves"},
          }};
}

TnTabelaExemplo Pessoas() {
  return {"FUNCPESSOA",
          {"CODIGOFUNCPESSOA", "NOMEFUNC"},
          {
              {1, "Beatriz Moreira Campos"},
              {2, "Rafael Teixeira Duarte"},
              {3, "João Batista Ferreira"},
              {4, "Ana Paula Nogueira"},
              {5, "Carlos Eduardo Lima"},
              {6, "Fernanda Ribeiro Alves"},
          }};
}

TnTabelaExemplo Contratos() {
  return {"FUNCCONTRATO",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "CODIGOFUNCPESSOA"},
          {
              {1, 1, 1},
              {1, 2, 2},
              {2, 1, 3},
              {2, 2, 4},
              {2, 3, 5},
              {2, 4, 6},
          }};
}

// Where each employee works from each date on: employee 2/3 moved from the
// São Paulo shop to Campinas in March 2026.
TnTabelaExemplo Lotacoes() {
  return {"FUNCLOCAL",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATATRANSF", "CODIGOESTAB"},
          {
              {1, 1, Dia(2022, 2, 1), 1},
              {1, 2, Dia(2024, 7, 15), 1},
              {2, 1, Dia(2019, 3, 11), 1},
              {2, 2, Dia(2021, 5, 3), 1},
              {2, 3, Dia(2020, 10, 1), 1},
              {2, 3, Dia(2026, 3, 2), 2},
              {2, 4, Dia(2023, 8, 14), 2},
          }};
}

TnTabelaExemplo PeriodosCalculo() {
  return {"PERIODOCALCULO",
          {"CODIGOEMPRESA", "CODIGOPERCALCULO", "DATAINICIALFOLHA", "DATAFINALFOLHA", "DATAPGTO"},
          {
              {1, 11, Dia(2026, 11, 1), Dia(2026, 11, 30), Dia(2026, 12, 7)},
              {2, 11, Dia(2026, 11, 1), Dia(2026, 11, 30), Dia(2026, 12, 7)},
          }};
}

// DATALOCAL names the placement in force for the calculation (a FUNCLOCAL
// date); the pay date repeats the period's.
TnTabelaExemplo FuncionariosPeriodo() {
  const QVariant pagamento = Dia(2026, 12, 7);
  return {"FUNCPERCALCULO",
          {"CODIGOEMPRESA", "CODIGOPERCALCULO", "CODIGOFUNCCONTR", "DATALOCAL", "DATAPGTOFOLHA"},
          {
              {1, 11, 1, Dia(2022, 2, 1), pagamento},
              {1, 11, 2, Dia(2024, 7, 15), pagamento},
              {2, 11, 1, Dia(2019, 3, 11), pagamento},
              {2, 11, 2, Dia(2021, 5, 3), pagamento},
              {2, 11, 3, Dia(2026, 3, 2), pagamento},
              {2, 11, 4, Dia(2023, 8, 14), pagamento},
          }};
}

// Event 1 is the base salary, 5020 the amount paid.
TnTabelaExemplo EventosCalculo() {
  return {"CALCULOEVENTO",
          {"CODIGOEMPRESA", "CODIGOPERCALCULO", "CODIGOFUNCCONTR", "CODIGOEVENTO", "VALOREVENTO"},
          {
              {1, 11, 1, 1, Valor("4200.00")},
              {1, 11, 1, 5020, Valor("3612.45")},
              {1, 11, 2, 1, Valor("2800.00")},
              {1, 11, 2, 5020, Valor("2463.10")},
              {2, 11, 1, 1, Valor("2100.00")},
              {2, 11, 1, 5020, Valor("1889.37")},
              {2, 11, 2, 1, Valor("1320.00")},
              {2, 11, 2, 5020, Valor("1254.80")},
              {2, 11, 3, 1, Valor("2350.00")},
              {2, 11, 3, 5020, Valor("2071.92")},
              {2, 11, 4, 1, Valor("866.67")},
              {2, 11, 4, 5020, Valor("815.40")},
          }};
}

// Ana Paula (2/2) dismissed without cause on 2026-11-20, notice paid.
TnTabelaExemplo Rescisoes() {
  return {"RESCISAO",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "COMPLEMENTAR", "CODIGOCAUSA", "CODIGOSAQUE", "TIPOAFASTSEFIP",
           "TIPOAFASTCAGED", "TIPOAFASTRAIS", "CODIGOMOTDEM", "DATARESC", "DATAAVPREVIO", "DATAPGTORESC",
           "DIASTRAB", "DIASAVINDEN", "DIASAVREAV", "DIASESTABIL", "DIASGRATIF", "SALFINAL", "FGTSMESANT",
           "CODIGOFPAS", "CODIGOOUTEMP", "SALDOFGTS", "REMMULTA", "VALORMULTA", "REMMULTARECOL", "VALORMULTARECOL",
           "BASEINSS", "DEDUCAO", "FGTSRECOL", "VALORINSS", "REMUNRESCISAO", "REPOSICAOVAGA", "AVISOPREVIO"},
          {
              {2, 2, "0", 11, 1, "I1", 31, 11, 2, Dia(2026, 11, 20), Dia(2026, 11, 20), Dia(2026, 11, 30), 20, 45, 0,
               0, 0, Valor("1980.00"), Valor("158.40"), 515, Nulo, Valor("8740.22"), Valor("8740.22"),
               Valor("3496.09"), Valor("8740.22"), Valor("3496.09"), Valor("4512.30"), Valor("0.00"),
               Valor("360.98"), Valor("406.11"), Valor("4512.30"), "1", "1"},
          }};
}

TnTabelaExemplo EventosRescisao() {
  return {"RESCISAOEVENTO",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "CODIGOEVENTO", "VALOREVENTO"},
          {
              {2, 2, 1, Valor("1320.00")},
              {2, 2, 5020, Valor("6218.75")},
          }};
}

// Fernanda (2/4) takes 20 days from Monday 2026-11-09 and sells 10.
TnTabelaExemplo RecibosFerias() {
  return {"RECIBOFERIAS",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATAINICIAL", "DATAINICIALFERIAS", "DATAFINALFERIAS", "DATAABONO",
           "DATAPGTO", "DATARETORNOFERIAS", "DATAAVISO", "DATASOLICABONO", "COMPETINICIAL", "PAGAADTO13", "DESCADTO",
           "DESCONTPARCELA", "FORMAGERACAO", "TIPORECIBO", "DIASDOBROFERIAS", "DIASDOBROABONO", "DIASABONO",
           "DIASFERIAS", "DIASREMUN", "NUMEROPARCELA", "DIASPREMIO"},
          {
              {2, 4, Dia(2025, 8, 14), Dia(2026, 11, 9), Dia(2026, 11, 28), Dia(2026, 11, 29), Dia(2026, 11, 6),
               Dia(2026, 11, 30), Dia(2026, 10, 8), Dia(2026, 9, 10), Dia(2026, 11, 1), "0", "0", "0", 1, 1, 0, 0, 10,
               20, 30, 0, 0},
          }};
}

TnTabelaExemplo EventosFerias() {
  return {"FERIASEVENTO",
          {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATAINICIAL", "DATAINICIALFERIAS", "CODIGOEVENTO", "VALOREVENTO"},
          {
              {2, 4, Dia(2025, 8, 14), Dia(2026, 11, 9), 1, Valor("1733.33")},
              {2, 4, Dia(2025, 8, 14), Dia(2026, 11, 9), 5020, Valor("3120.55")},
          }};
}

// --- The office's own financial documents ----------------------------------

TnTabelaExemplo Escritorios() {
  return {"ESCRITORIO",
          {"CODIGOESCRIT", "NOMEESCRIT", "CODIGOEMPRESA", "CODIGOESTAB"},
          {
              {1, "Organização Contábil Exemplo", 1, 1},
          }};
}

// Persons 1 and 2 receive their documents at a company establishment;
// person 3 (a private client) names none, so the office's establishment
// takes them; person 4 is a supplier, not a client.
TnTabelaExemplo PessoasFinanceiro() {
  return {"PESSOAFINANCEIRO",
          {"CODIGOPESSOAFIN", "NOME", "CODIGOEMPRESA", "CODIGOESTAB"},
          {
              {1, "Padaria Pão Quente Ltda - Augusta", 2, 1},
              {2, "Padaria Pão Quente Ltda - Campinas", 2, 2},
              {3, "Roberto Almeida Figueiredo", Nulo, Nulo},
              {4, "Papelaria Central Ltda", Nulo, Nulo},
          }};
}

TnTabelaExemplo Clientes() {
  return {"PESSOAFINCLIENTE",
          {"CODIGOPESSOAFIN"},
          {
              {1},
              {2},
              {3},
          }};
}

// Invoice NFS 1004 was issued twice by mistake and cancelled: it has no
// receivable.
TnTabelaExemplo NotasServico() {
  return {"SERVICONOTA",
          {"CODIGOESCRIT", "SERIENS", "NUMERONS", "DATAEMISSAONS", "VALORLIQUIDO", "VISTAPRAZO", "CANCELADANS",
           "CODIGOPROTOCOLO", "SEQITEMPRO"},
          {
              {1, "NFS", 1001, Dia(2026, 11, 3), Valor("1850.00"), 1, 0, Nulo, Nulo},
              {1, "NFS", 1002, Dia(2026, 11, 3), Valor("1200.00"), 1, 0, Nulo, Nulo},
              {1, "NFS", 1003, Dia(2026, 11, 10), Valor("450.00"), 0, 0, Nulo, Nulo},
              {1, "NFS", 1004, Dia(2026, 11, 10), Valor("450.00"), 0, 1, Nulo, Nulo},
          }};
}

// Four bank slips (three for the invoices, one for an extra fee) and one
// receivable paid in cash, without slip.
TnTabelaExemplo ContasReceber() {
  return {"CONTARECEBER",
          {"CODIGOESCRIT", "NUMERODCTOCR", "SERIENS", "NUMERONS", "CODIGOCLIENTE", "DATAEMISSAOCR", "DATAVCTOCR",
           "VALORCR", "NOSSONUMERO", "CODIGOPROTOCOLO", "SEQITEMPRO"},
          {
              {1, "NFS-1001", "NFS", 1001, 1, Dia(2026, 11, 3), Dia(2026, 11, 13), Valor("1850.00"),
               Grande(2026110001), Nulo, Nulo},
              {1, "NFS-1002", "NFS", 1002, 2, Dia(2026, 11, 3), Dia(2026, 11, 13), Valor("1200.00"),
               Grande(2026110002), Nulo, Nulo},
              {1, "NFS-1003", "NFS", 1003, 3, Dia(2026, 11, 10), Dia(2026, 11, 20), Valor("450.00"),
               Grande(2026110003), Nulo, Nulo},
              {1, "HON-2026-11-01", Nulo, Nulo, 1, Dia(2026, 11, 16), Dia(2026, 11, 26), Valor("350.00"),
               Grande(2026110004), Nulo, Nulo},
              {1, "REC-2026-0005", Nulo, Nulo, 3, Dia(2026, 11, 18), Dia(2026, 11, 18), Valor("120.00"), Nulo, Nulo,
               Nulo},
          }};
}

// --- The protocol module's configuration -----------------------------------

TnTabelaExemplo TiposProtocolo() {
  const QString debito = "[DESCRPROTOCOLO] - Competência [COMPETENCIA]";
  return {"CFGTIPOPROTOCOLO",
          {"CODIGOTIPOPROTOCOLO", "DESCRTIPOPROTOCOLO"},
          {
              {1, debito},
              {2, debito},
              {3, debito},
              {4, debito},
              {5, debito},
              {6, "Folha de Pagamento [QUANTIDADE][NOMEFUNC]"},
              {7, "Rescisão [CodigoFuncContr] - [NOMEFUNC] - Data [DATARESC]"},
              {8, "Recibo de Férias - [NOMEFUNC] - Início [DATAINICIALFERIAS]"},
              {9, debito},
              {10, "Folha [CodigoFuncContr] - [NOMEFUNC] - Competência [COMPETENCIA]"},
              {11, "Nota Fiscal de Serviço [SERIENS] [NUMERONS] - Emissão [DATAEMISSAONS]"},
              {12, "Boleto [NOSSONUMERO] - Vencimento [DATAVCTOCR]"},
          }};
}

TnTabelaExemplo TiposDocumento() {
  const QString todosOsMeses = "1;2;3;4;5;6;7;8;9;10;11;12";
  return {"PROTOCOLOTIPODOC",
          {"CODIGOTIPODOC", "DESCRTIPODOC", "PERIODODIASDESCARTE", "GERARAUTO", "PERIODODOC", "MESOCORRENCIA",
           "GERARENVELOPE"},
          {
              {1, "Guias de Impostos", 1825, "1", 1, todosOsMeses, "1"},
              {2, "Folha de Pagamento e Recibos", 3650, "1", 1, todosOsMeses, "1"},
              {3, "Balancete Trimestral", 1825, "1", 1, "3;6;9;12", "0"},
              {4, "Extratos Bancários", 1825, "0", 1, todosOsMeses, "0"},
          }};
}

TnTabelaExemplo GruposDocumento() {
  return {"PROTOCOLOGRUPODOC",
          {"CODIGOGRUPODOC", "DESCRGRUPODOC"},
          {
              {1, "Empresas com Funcionários"},
              {2, "Escritório"},
          }};
}

TnTabelaExemplo TiposDoGrupo() {
  return {"PROTOCOLOGRUPOTIPODOC",
          {"CODIGOGRUPODOC", "CODIGOTIPODOC"},
          {
              {1, 1},
              {1, 2},
              {1, 3},
              {1, 4},
              {2, 1},
              {2, 3},
          }};
}

TnTabelaExemplo Historicos() {
  return {"HISTORICOPRO",
          {"CODIGOHISTPRO", "DESCRISAOHISTPRO", "TEMCOMPLEMENTOHISTORICO"},
          {
              {1, "Guia para pagamento até a data de vencimento", "0"},
              {2, "Documentos referentes à competência ", "1"},
              {3, "Folha de pagamento e recibos para assinatura", "0"},
          }};
}

// Delivery: the office picks its own documents up, the São Paulo shop gets
// them by e-mail, Campinas by hand at its accountant's address.
TnTabelaExemplo ConfiguracoesEstab() {
  return {"CFGESTABPRO",
          {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC", "FORMAENTREGA", "MESMOENDERECOENT"},
          {
              {1, 1, 2, "1", "1"},
              {2, 1, 1, "3", "1"},
              {2, 2, 1, "2", "0"},
          }};
}

TnTabelaExemplo EnderecosEntrega() {
  return {"ESTABENTREGA",
          {"CODIGOEMPRESA", "CODIGOESTAB", "LOGRADENTREGA", "ENDERECOENTREGA", "COMPLENDERENTREGA",
           "NUMENDERENTREGA", "BAIRROENDERENTREGA", "SIGLAESTADO", "CODIGOMUNIC", "CEPENDERENTREGA"},
          {
              {2, 2, "Rua", "Barão de Jaguara", "Sala 12", 900, "Centro", "SP", 2, "13015-000"},
          }};
}

TnTabelaExemplo Responsaveis() {
  return {"PROTOCOLORESPESTAB",
          {"CODIGOEMPRESA", "CODIGOESTAB", "SEQ", "NOMERESPONSAVEL"},
          {
              {2, 1, 1, "Luíza Fernandes de Oliveira"},
          }};
}

TnTabelaExemplo LocaisCaixa() {
  return {"PROTOCOLOLOCALCAIXA",
          {"CODIGOLOCAL", "DESCRLOCAL"},
          {
              {1, "Arquivo - Sala 3, Estante A"},
          }};
}

TnTabelaExemplo Caixas() {
  return {"PROTOCOLODOCCAIXA",
          {"CODIGOCAIXA", "CODIGOEMPRESA", "CODIGOESTAB", "COMPETINICIAL", "COMPETFINAL", "CODIGOLOCAL"},
          {
              {1, 2, 1, Dia(2026, 1, 1), Dia(2026, 12, 31), 1},
          }};
}

TnTabelaExemplo Envelopes() {
  return {"PROTOCOLODOCENVELOPE",
          {"CODIGOCAIXA", "CODIGOENVELOPE", "DESCRENVELOPE"},
          {
              {1, 1, "Guias e comprovantes de 2026"},
          }};
}

TnTabelaExemplo Rotas() {
  return {"PROTOCOLOROTA",
          {"CODIGOROTA", "DESCRROTA"},
          {
              {1, "São Paulo e Campinas"},
          }};
}

TnTabelaExemplo ParadasRota() {
  return {"PROTOCOLOROTAENTREGA",
          {"CODIGOROTA", "SEQROTA", "CODIGOEMPRESA", "CODIGOESTAB", "OBSERVACAO"},
          {
              {1, 1, 2, 1, "Entregar na recepção, aos cuidados da Sra. Luíza."},
              {1, 2, 2, 2, "Entregar no escritório do contador da filial, das 9h às 17h."},
          }};
}

// In insertion order: registers before what refers to them.
QList<TnTabelaExemplo> TabelasExemplo() {
  return {
      Empresas(),
      Estados(),
      Municipios(),
      Estabelecimentos(),
      Usuarios(),
      DireitosUsuario(),
      Departamentos(),
      Impostos(),
      Funcionarios(),
      Pessoas(),
      Contratos(),
      Lotacoes(),
      PeriodosCalculo(),
      FuncionariosPeriodo(),
      EventosCalculo(),
      Rescisoes(),
      EventosRescisao(),
      RecibosFerias(),
      EventosFerias(),
      DebitosFederais(),
      DebitosEstaduais(),
      DebitosMunicipais(),
      DebitosSindicais(),
      DebitosGps(),
      DebitosFgts(),
      DebitosFolha(),
      Escritorios(),
      PessoasFinanceiro(),
      Clientes(),
      NotasServico(),
      ContasReceber(),
      TiposProtocolo(),
      TiposDocumento(),
      GruposDocumento(),
      TiposDoGrupo(),
      Historicos(),
      ConfiguracoesEstab(),
      EnderecosEntrega(),
      Responsaveis(),
      LocaisCaixa(),
      Caixas(),
      Envelopes(),
      Rotas(),
      ParadasRota(),
  };
}

void Inserir(TnDMConexao &conexao, const TnTabelaExemplo &tabela) {
  QStringList marcadores;
  for (const QString &coluna : tabela.Colunas) marcadores << ":p" + coluna;
  const QString sql = "insert into " + tabela.Nome + " (" + tabela.Colunas.join(", ") + ") values (" +
                      marcadores.join(", ") + ")";
  for (const QVariantList &linha : tabela.Linhas) {
    if (linha.size() != tabela.Colunas.size())
      throw Exception(QString("Dados de exemplo: uma linha da tabela %1 tem %2 valores para %3 colunas.")
                          .arg(tabela.Nome)
                          .arg(linha.size())
                          .arg(tabela.Colunas.size()));
    try {
      conexao.Executar(sql, linha);
    } catch (const EDatabaseError &e) {
      throw EDatabaseError("Não foi possível carregar os dados de exemplo na tabela " + tabela.Nome + ": " +
                               e.message(),
                           e.statement());
    }
  }
}

}  // namespace

QDate nDataReferenciaExemplo() { return QDate(2026, 11, 1); }

void nCarregarDadosExemplo(TnDMConexao &conexao) {
  const QList<TnTabelaExemplo> tabelas = TabelasExemplo();
  conexao.StartTransaction();
  try {
    for (const TnTabelaExemplo &tabela : tabelas) Inserir(conexao, tabela);
    conexao.Commit();
  } catch (...) {
    conexao.RollBack();
    throw;
  }
}
