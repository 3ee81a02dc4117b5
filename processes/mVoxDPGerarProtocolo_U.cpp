#include "mVoxDPGerarProtocolo_U.h"

#include <QDateTime>
#include <QSqlQuery>
#include <algorithm>
#include <functional>

#include "mVoxItem_U.h"
#include "mVoxMontarDescricao_U.h"
#include "mVoxSFuncoes_U.h"
#include "mVox_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDateField_U.h"
#include "nDateTimeField_U.h"
#include "nException_U.h"
#include "nFMTBCDField_U.h"
#include "nFraProgresso_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesSuite_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nListasEmpresa_U.h"
#include "nMapperFinBoleto_U.h"
#include "nMapperFinNotaFiscal_U.h"
#include "nMsgTree_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nSQLParametros_U.h"
#include "nStringField_U.h"
#include "nToolButton_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCRLF = QStringLiteral("\r\n");
const QString kCodigoProtocolo = QStringLiteral("CODIGOPROTOCOLO");
const QString kTipo = QStringLiteral("pTipo");
const QString kTipoFolha = QStringLiteral("pTipoFolha");

// The sources of the protocol types. The order of each list is the order of
// the titles in the message tree's headings.
constexpr int kListaConstCTR[] = {1, 2, 3, 4, 5, 9, 10};  // tax debits
constexpr int kListaConstFPA[] = {6, 7, 8};               // payroll
constexpr int kListaConstFIN[] = {11, 12};                // financial
constexpr int kTipoFolhaPagamento = 6;

template <std::size_t N>
bool Contem(const int (&lista)[N], int tipo) {
  for (int t : lista)
    if (t == tipo) return true;
  return false;
}

template <std::size_t N>
QString Titulos(const int (&lista)[N]) {
  QStringList titulos;
  for (int t : lista) titulos << TmVoxDPGerarProtocolo::GetTitulo(t);
  return titulos.join(QStringLiteral(", "));
}

constexpr const char *kTabelaFolha = "DEBITOFOLHA";

// The debit statements. The column order is fixed: the description
// templates read the columns by position. %1 key suffix, %2 observation
// column, %3 table, %4 date column of the range.
const QString kSQLDebito = QStringLiteral(
    "select D.CODIGOEMPRESA ,D.CHAVEDEBITO%1 CHAVEDEBITO ,D.CODIGOESTAB ,D.CODIGOIMPOSTO ,D.VARIACAOIMPOSTO "
    ",D.DATALCTOCTR ,D.DATAFINAL ,D.VALORDEBITO ,D.DATAVENCIMENTO ,D.FORMADEBITO ,D.SITUACAODEBITO "
    ",D.CODIGOTABCTBCTR ,D.CHAVEORIGEM ,D.CODIGOUSUARIO ,D.DATAHORADEBITO ,D.CODIGOPROTOCOLO ,I.DESCRIMPOSTO "
    ",I.DESCRPROTOCOLO %2 from %3 D join IMPOSTO I on D.CODIGOIMPOSTO = I.CODIGOIMPOSTO and D.VARIACAOIMPOSTO = "
    "I.VARIACAOIMPOSTO where D.CODIGOEMPRESA = :pCodigoEmpresa and D.CODIGOESTAB = :pCodigoEstab and D.%4 between "
    ":pDataInicial and :pDataFinal and ((:pListarDebitos = 0 and D.CODIGOPROTOCOLO is null) or (:pListarDebitos = "
    "1)) and D.FORMADEBITO in (0, 2) order by D.CHAVEDEBITO%1");
// Payroll debits carry no tax: the tax columns are null, the period ends on
// the launch date, and the employee comes with the row (a debit whose
// employee is not registered is not listed). The observation has its place
// before the employee already, so %2 stays empty here.
const QString kSQLDebitoFolha = QStringLiteral(
    "select D.CODIGOEMPRESA ,D.CHAVEDEBITO%1 CHAVEDEBITO ,D.CODIGOESTAB ,null as CODIGOIMPOSTO ,null as "
    "VARIACAOIMPOSTO ,D.DATALCTOCTR ,D.DATALCTOCTR as DATAFINAL ,D.VALORDEBITO ,D.DATAVENCIMENTO ,null as "
    "FORMADEBITO ,D.SITUACAODEBITO ,D.CODIGOTABCTBCTR ,D.CHAVEORIGEM ,D.CODIGOUSUARIO ,D.DATAHORADEBITO "
    ",D.CODIGOPROTOCOLO ,null as DESCRIMPOSTO ,null as DESCRPROTOCOLO ,D.OBSERVDEBITO ,D.CodigoFuncContr "
    ",F.NOMEFUNC %2 from %3 D JOIN FUNCIONARIO F ON F.CODIGOEMPRESA = D.CODIGOEMPRESA AND F.CodigoFuncContr = "
    "D.CodigoFuncContr where D.CODIGOEMPRESA = :pCodigoEmpresa and D.CODIGOESTAB = :pCodigoEstab and D.%4 between "
    ":pDataInicial and :pDataFinal and ((:pListarDebitos = 0 and D.CODIGOPROTOCOLO is null) or (:pListarDebitos = "
    "1)) order by D.CHAVEDEBITO%1");

// --- The payroll statements. %1 is the date condition or column chosen by
// pTipoData, %2 the payroll event of the amount and %3 (pay only) the "no"
// of a yes/no column, both as SQL literals.

// The protocols already generated from payroll (items whose origin is
// exactly "FPA"), not cancelled, generated, not withdrawn, with a
// competence: for the same establishment and due date, either the same
// employee or a totalised item. The due date is matched against the
// period's pay date. The company and establishment inside spare reading
// every other establishment's payroll protocols: the join keeps only this
// one's anyway.
const QString kSQLProtocoloFolha = QStringLiteral(
    " LEFT JOIN( SELECT PR.CODIGOEMPRESA, PR.CODIGOESTAB, PR.CODIGOPROTOCOLO, PIT.VENCIMENTO, PIT.CODIGOFUNCCONTR "
    "FROM PROTOCOLO PR JOIN PROTOCOLOITEM PIT ON PIT.CODIGOPROTOCOLO = PR.CODIGOPROTOCOLO AND PIT.CHAVEORIGEM = "
    "'FPA' WHERE PR.CANCELADO = %3 AND PR.TIPOPRO = '1' AND PIT.COMPETENCIA IS NOT NULL AND PR.DATAHORABAIXA IS "
    "NULL AND PR.CODIGOEMPRESA = :PCODIGOEMPRESA AND PR.CODIGOESTAB = :PCODIGOESTAB GROUP BY PR.CODIGOEMPRESA, "
    "PR.CODIGOESTAB, PR.CODIGOPROTOCOLO, PIT.VENCIMENTO, PIT.CODIGOFUNCCONTR) PROT ON PROT.CODIGOEMPRESA = "
    "FL.CODIGOEMPRESA AND PROT.CODIGOESTAB = FL.CODIGOESTAB AND PROT.VENCIMENTO = P.DATAPGTO AND "
    "(PROT.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR OR PROT.CODIGOFUNCCONTR IS NULL) ");

// The pay of a period's employees, each at the establishment of his
// placement at the calculation.
const QString kSQLCorpoFolha = QStringLiteral(
    "FROM PERIODOCALCULO P JOIN FUNCPERCALCULO FPC ON FPC.CODIGOEMPRESA = P.CODIGOEMPRESA AND FPC.CODIGOPERCALCULO "
    "= P.CODIGOPERCALCULO JOIN FUNCCONTRATO F ON F.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND F.CODIGOFUNCCONTR = "
    "FPC.CODIGOFUNCCONTR JOIN FUNCPESSOA FP ON FP.CODIGOFUNCPESSOA = F.CODIGOFUNCPESSOA JOIN FUNCLOCAL FL ON "
    "FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND FL.DATATRANSF = "
    "FPC.DATALOCAL JOIN CALCULOEVENTO CE ON CE.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND CE.CODIGOPERCALCULO = "
    "FPC.CODIGOPERCALCULO AND CE.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR ");

const QString kSQLFiltroFolha = QStringLiteral(
    "WHERE %1 AND P.CODIGOEMPRESA = :PCODIGOEMPRESA AND FL.CODIGOESTAB = :PCODIGOESTAB AND CE.CODIGOEVENTO = %2 ");

const QString kSQLFolhaTotalizada =
    QStringLiteral(
        " SELECT SUM(CE.VALOREVENTO) VALOR, COUNT(*) QUANTIDADE , FPC.DATAPGTOFOLHA DATAPGTO, "
        "P.CODIGOPERCALCULO, PROT.CODIGOPROTOCOLO ") +
    kSQLCorpoFolha + kSQLProtocoloFolha + kSQLFiltroFolha +
    QStringLiteral("GROUP BY FPC.DATAPGTOFOLHA, P.CODIGOPERCALCULO, PROT.CODIGOPROTOCOLO ");

const QString kSQLFolhaFuncionario =
    QStringLiteral(
        " SELECT CE.VALOREVENTO VALOR, F.CODIGOFUNCCONTR, FPC.DATAPGTOFOLHA DATAPGTO, P.CODIGOPERCALCULO, "
        "FP.NOMEFUNC, PROT.CODIGOPROTOCOLO ") +
    kSQLCorpoFolha + kSQLProtocoloFolha + kSQLFiltroFolha;

// Terminations, at the establishment of the last placement on or before the
// termination date.
const QString kSQLRescisao = QStringLiteral(
    "select R.CODIGOEMPRESA, R.CodigoFuncContr, R.COMPLEMENTAR, R.CODIGOCAUSA, R.CODIGOSAQUE, R.TIPOAFASTSEFIP, "
    "R.TIPOAFASTCAGED, R.TIPOAFASTRAIS, R.CODIGOMOTDEM, R.DATARESC, R.DATAAVPREVIO, R.DATAPGTORESC DATAPGTO, "
    "R.DIASTRAB, R.DIASAVINDEN, R.DIASAVREAV, R.DIASESTABIL, R.DIASGRATIF, R.SALFINAL, R.FGTSMESANT, R.CODIGOFPAS, "
    "R.CODIGOOUTEMP, R.SALDOFGTS, R.REMMULTA, R.VALORMULTA, R.REMMULTARECOL, R.VALORMULTARECOL, R.BASEINSS, "
    "R.DEDUCAO, R.FGTSRECOL, R.VALORINSS, R.REMUNRESCISAO, R.REPOSICAOVAGA, R.AVISOPREVIO, F.NOMEFUNC, "
    "E.VALOREVENTO VALOR, cast(null AS numeric(10,0)) as CODIGOPROTOCOLO from RESCISAO R join FUNCIONARIO F on "
    "R.CODIGOEMPRESA = F.CODIGOEMPRESA and R.CodigoFuncContr = F.CodigoFuncContr join RESCISAOEVENTO E on "
    "E.CODIGOEMPRESA = R.CODIGOEMPRESA and E.CodigoFuncContr = R.CodigoFuncContr join FUNCLOCAL L on "
    "L.CODIGOEMPRESA = R.CODIGOEMPRESA and L.CodigoFuncContr = R.CodigoFuncContr and L.DATATRANSF = (select "
    "max(L1.DATATRANSF) from FUNCLOCAL L1 where L1.CODIGOEMPRESA = L.CODIGOEMPRESA and L1.CodigoFuncContr = "
    "L.CodigoFuncContr and L1.DATATRANSF <= R.DATARESC) where R.%1 between :pDataInicial and :pDataFinal and "
    "R.CODIGOEMPRESA = :pCodigoEmpresa and L.CODIGOESTAB = :pCodigoEstab and E.CODIGOEVENTO = %2 ");

// Vacation receipts, at the establishment of the placement at the start of
// the vacation.
const QString kSQLFerias = QStringLiteral(
    "select R.CodigoFuncContr, R.DATAINICIAL, R.DATAINICIALFERIAS, R.DATAFINALFERIAS, R.DATAABONO, R.PAGAADTO13, "
    "R.DATAPGTO, R.DESCADTO, R.FORMAGERACAO, R.DIASDOBROFERIAS, R.DIASDOBROABONO, R.TIPORECIBO, "
    "R.DATARETORNOFERIAS, R.DATAAVISO, R.DATASOLICABONO, R.DIASABONO, R.DIASFERIAS, R.DIASREMUN, R.DESCONTPARCELA, "
    "R.NUMEROPARCELA, R.COMPETINICIAL, R.DIASPREMIO, E.VALOREVENTO VALOR, F.NOMEFUNC, cast(null AS numeric(10,0)) "
    "as CODIGOPROTOCOLO from RECIBOFERIAS R join FERIASEVENTO E on E.CODIGOEMPRESA = R.CODIGOEMPRESA and "
    "E.CodigoFuncContr = R.CodigoFuncContr and E.DATAINICIAL = R.DATAINICIAL and E.DATAINICIALFERIAS = "
    "R.DATAINICIALFERIAS and E.CODIGOEVENTO = %2 join FUNCIONARIO F on F.CODIGOEMPRESA = R.CODIGOEMPRESA and "
    "F.CodigoFuncContr = R.CodigoFuncContr join FUNCLOCAL L on L.CODIGOEMPRESA = R.CODIGOEMPRESA and "
    "L.CodigoFuncContr = R.CodigoFuncContr and L.DATATRANSF = (select max(L1.DATATRANSF) from FUNCLOCAL L1 where "
    "L1.CODIGOEMPRESA = L.CODIGOEMPRESA and L1.CodigoFuncContr = L.CodigoFuncContr and L1.DATATRANSF <= "
    "R.DATAINICIALFERIAS) where R.%1 between :pDataInicial and :pDataFinal and R.CODIGOEMPRESA = :pCodigoEmpresa "
    "and L.CODIGOESTAB = :pCodigoEstab ");

// The payroll event whose value is the amount of every payroll item.
constexpr int kEventoValor = 5020;
constexpr int kTipoRescisao = 7;
constexpr int kTipoFerias = 8;
constexpr int kFolhaPorFuncionario = 2;
const QString kChaveFolha = QStringLiteral("FPA");

// --- The financial statements. %1 is the date column chosen by pTipoData.

// The client whose proposal takes a receivable: its person when the person
// names an establishment, otherwise the office (persons without one are the
// office's private clients).
const QString kClienteFin = QStringLiteral(
    "(case when PF.CODIGOESTAB is not null then CR.CODIGOCLIENTE else ES.CODIGOESCRIT end) as CODIGOCLIENTE");

// The office establishment, the range and the listing filter; whether a
// document is free is always told by its receivable.
const QString kFiltroFin = QStringLiteral(
    " where %1 between :pDataInicial and :pDataFinal and ES.CODIGOEMPRESA = :pCodigoEmpresa and ES.CODIGOESTAB = "
    ":pCodigoEstab %2and ((:pListarDebitos = 0 and CR.CODIGOPROTOCOLO is null) or (:pListarDebitos = 1))");
const QString kComBoleto = QStringLiteral("and CR.NOSSONUMERO > 0 ");

const QString kColunasClienteFin = QStringLiteral(
    ", PF.NOME as NOMECLIENTE, CR.NUMERONS as NUMERODOCUMENTO, ES.CODIGOEMPRESA, ES.CODIGOESTAB, PF.CODIGOEMPRESA as "
    "EMP, PF.CODIGOESTAB as EST, CR.CODIGOCLIENTE as CODIGOCLI ");
const QString kJuntarClienteFin = QStringLiteral(
    " join PESSOAFINCLIENTE PFC on PFC.CODIGOPESSOAFIN = CR.CODIGOCLIENTE join PESSOAFINANCEIRO PF on "
    "PF.CODIGOPESSOAFIN = PFC.CODIGOPESSOAFIN");

const QString kSQLClientesFin =
    QStringLiteral("select distinct ") + kClienteFin +
    QStringLiteral(
        ", ES.CODIGOESCRIT, ES.CODIGOEMPRESA, ES.CODIGOESTAB, PF.CODIGOEMPRESA as EMP, PF.CODIGOESTAB as EST, "
        "E.NOMEESTAB from CONTARECEBER CR join ESCRITORIO ES on ES.CODIGOESCRIT = CR.CODIGOESCRIT") +
    kJuntarClienteFin +
    QStringLiteral(" join ESTAB E on E.CODIGOEMPRESA = ES.CODIGOEMPRESA and E.CODIGOESTAB = ES.CODIGOESTAB") +
    kFiltroFin;

// An invoice comes once per receivable (each installment lists it again);
// one without a receivable has no client and is never listed.
const QString kSQLNotasFiscais =
    QStringLiteral(
        "select SN.CODIGOESCRIT, SN.SERIENS, SN.NUMERONS, SN.DATAEMISSAONS as DATAEMISSAO, coalesce(CR.DATAVCTOCR, "
        "SN.DATAEMISSAONS) as DATAVCTO, SN.VALORLIQUIDO as VALOR, SN.VISTAPRAZO, SN.CANCELADANS, "
        "SN.CODIGOPROTOCOLO, ") +
    kClienteFin + kColunasClienteFin +
    QStringLiteral(
        "from SERVICONOTA SN join ESCRITORIO ES on ES.CODIGOESCRIT = SN.CODIGOESCRIT left join CONTARECEBER CR on "
        "CR.CODIGOESCRIT = SN.CODIGOESCRIT and CR.SERIENS = SN.SERIENS and CR.NUMERONS = SN.NUMERONS") +
    kJuntarClienteFin + kFiltroFin + QStringLiteral(" order by SN.SERIENS, SN.NUMERONS, CR.NUMERODCTOCR");

const QString kSQLBoletos =
    QStringLiteral(
        "select CR.CODIGOESCRIT, CR.NUMERODCTOCR, CR.NOSSONUMERO, CR.DATAEMISSAOCR as DATAEMISSAO, CR.DATAVCTOCR as "
        "DATAVCTO, CR.VALORCR as VALOR, CR.CODIGOPROTOCOLO, ") +
    kClienteFin + kColunasClienteFin +
    QStringLiteral("from CONTARECEBER CR join ESCRITORIO ES on ES.CODIGOESCRIT = CR.CODIGOESCRIT") + kJuntarClienteFin +
    kFiltroFin + QStringLiteral(" order by CR.NUMERODCTOCR");

// The write-backs: the document is stamped only while it is still free.
const QString kSQLUpdateNotaFiscal = QStringLiteral(
    "update SERVICONOTA set CODIGOPROTOCOLO = :pCODIGOPROTOCOLO , SEQITEMPRO = :pSEQITEMPRO where CODIGOESCRIT = "
    ":pCODIGOESCRIT and SERIENS = :pSERIENS and NUMERONS = :pNUMERONS and CODIGOPROTOCOLO is null");
const QString kSQLUpdateBoleto = QStringLiteral(
    "update CONTARECEBER set CODIGOPROTOCOLO = :pCODIGOPROTOCOLO , SEQITEMPRO = :pSEQITEMPRO where CODIGOESCRIT = "
    ":pCODIGOESCRIT and NUMERODCTOCR = :pNUMERODCTOCR and CODIGOPROTOCOLO is null");

constexpr int kTipoNotaFiscal = 11;
constexpr int kTipoBoleto = 12;
const QString kModuloFin = QStringLiteral("FIN");
// The origin key column holds this many characters.
constexpr int kTamanhoChaveOrigem = 25;

// The observation of a proposal holds at most this many characters.
constexpr int kTamanhoObservacao = 50;

// A source statement on the framework connection, prepared: the
// establishment and the date range are parameters of every source.
std::unique_ptr<TnSQLDataSet> NovaInstrucaoFonte(const QString &texto) {
  auto sql = std::make_unique<TnSQLDataSet>();
  sql->SetSQLConnection(nDMConexao());
  sql->SetCommandText(texto);
  sql->SetPrepared(true);
  sql->ParamByName(QStringLiteral("pCodigoEmpresa")).SetDataType(TnFieldType::Integer);
  sql->ParamByName(QStringLiteral("pCodigoEstab")).SetDataType(TnFieldType::Integer);
  sql->ParamByName(QStringLiteral("pDataInicial")).SetDataType(TnFieldType::Date);
  sql->ParamByName(QStringLiteral("pDataFinal")).SetDataType(TnFieldType::Date);
  return sql;
}

bool Vazio(const TnField *campo) { return !campo || campo->EmBranco(); }

// The source column's whole number into the item's field; none when the
// source has none (or no such column).
void CopiarInteiro(TnField *item, const TnField *origem) {
  if (Vazio(origem))
    item->Clear();
  else
    item->SetAsInteger(origem->AsLargeInt());
}

QString Mensagem(const std::exception &erro) {
  if (const auto *nosso = dynamic_cast<const Exception *>(&erro)) return nosso->message();
  return QString::fromLocal8Bit(erro.what());
}

}  // namespace

TmVoxDPGerarProtocolo::TmVoxDPGerarProtocolo() {
  TnpqPowerParam &params = npqPowerParam();
  params.Adicionar({.Alias = QStringLiteral("pDataInicial"),
                    .Caption = QStringLiteral("Data Inicial"),
                    .Tipo = TnTipoParam::Data,
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = QStringLiteral("pDataFinal"),
                    .Caption = QStringLiteral("Data Final"),
                    .Tipo = TnTipoParam::Data,
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = QStringLiteral("pTipoData"),
                    .Caption = QStringLiteral("Filtrar"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("1"),
                    .Obrigatorio = true,
                    .Hint = QStringLiteral("Selecione o tipo de data que deseja usar para filtro das informações"),
                    .Valores = QStringLiteral("Data Apuração=1;Data Vencimento=2;")});
  params.Adicionar({.Alias = QStringLiteral("pFormaGer"),
                    .Caption = QStringLiteral("Gerar"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("2"),
                    .Obrigatorio = true,
                    .Hint = QStringLiteral("Selecione a maneira que deseja gerar o protocolo"),
                    .Valores = QStringLiteral("Protocolo Único=1;Dividido em Tipos=2;")});
  params.Adicionar({.Alias = kTipo,
                    .Caption = QStringLiteral("Tipo"),
                    .Tipo = TnTipoParam::CheckList,
                    .Padrao = QStringLiteral("1;2;3;4;5"),
                    .Obrigatorio = true,
                    .Valores = QStringLiteral(
                        "Débitos Federais=1;Débitos Estaduais=2;Débitos Municipais=3;Débitos Sindicais=4;Débitos "
                        "GPS=5;Débitos FGTS=9;Débitos de Folha de Pagamento=10;Folha de Pagamento=6;Rescisão=7;"
                        "Férias=8;Financeiro - Notas Fiscais=11;Financeiro - Boletos=12")});
  params.Adicionar({.Alias = kTipoFolha,
                    .Caption = QStringLiteral("Tipo Folha"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("1"),
                    .Obrigatorio = true,
                    .Hint = QStringLiteral("Selecione como serão listados os valores da folha"),
                    .Valores = QStringLiteral("Totalizar=1;Por Funcionário=2;")});
  params.Adicionar({.Alias = QStringLiteral("pListarDebitos"),
                    .Caption = QStringLiteral("Listar"),
                    .Tipo = TnTipoParam::Combo,
                    .Obrigatorio = true,
                    .Valores = QStringLiteral("Sem Protocolo=0;Todos=1")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Caption = QStringLiteral("Empresa"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOEMPRESA"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Caption = QStringLiteral("Estab"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOESTAB"),
                    .MultiSelecao = true});
  params.OnParamChange = [this](TnpqPowerParam &sender, TnpqParamItem &param) {
    npqPowerParamParamChange(sender, param);
  };
  AjustarTipoFolha();
}

TmVoxDPGerarProtocolo::~TmVoxDPGerarProtocolo() = default;

QList<TnMenuDecl> TmVoxDPGerarProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\01 Protocolos");
  menu.Caption = QStringLiteral("Gerar Protocolo");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.Separador = true;
  return {menu};
}

void TmVoxDPGerarProtocolo::DataModuleCreate() {
  TmVoxDPGerarProtocoloBase::DataModuleCreate();
  SetMsgTreeExibir(true);
  SetFocarMsgTree(true);
  SetActionGravar(true);
  SetActionCancelar(true);
}

QString TmVoxDPGerarProtocolo::GetTitulo(int tipo) {
  switch (tipo) {
    case 1:
      return QStringLiteral("Débitos Federais");
    case 2:
      return QStringLiteral("Débitos Estaduais");
    case 3:
      return QStringLiteral("Débitos Municipais");
    case 4:
      return QStringLiteral("Débitos Sindicais");
    case 5:
      return QStringLiteral("Débitos GPS");
    case 9:
      return QStringLiteral("Débitos FGTS");
    case 6:
      return QStringLiteral("Folha de Pagamento");
    case 7:
      return QStringLiteral("Rescisão");
    case 8:
      return QStringLiteral("Férias");
    case 11:
      return QStringLiteral("Notas Fiscais");
    case 12:
      return QStringLiteral("Boletos");
    default:
      return QStringLiteral("Débitos de Folha");
  }
}

// --- parameters

void TmVoxDPGerarProtocolo::AjustarTipoFolha() {
  TnpqPowerParam &params = npqPowerParam();
  const bool folha = BitLigado(params.Param(kTipo)->GetAsString(), kTipoFolhaPagamento);
  params.EdEnabledField(kTipoFolha, folha);
  params.EdRequiredField(kTipoFolha, folha);
}

void TmVoxDPGerarProtocolo::npqPowerParamParamChange(TnpqPowerParam &, TnpqParamItem &param) {
  if (param.Alias().compare(kTipo, Qt::CaseInsensitive) == 0) AjustarTipoFolha();
}

void TmVoxDPGerarProtocolo::ValidarDado() {
  TnpqPowerParam &params = npqPowerParam();
  // Kept values may have been put back by any path: whether "Tipo Folha"
  // counts follows the types as they stand now.
  AjustarTipoFolha();

  auto lerData = [&](const char *nome, const char *erro) {
    TnpqParamItem *item = params.Param(QLatin1String(nome));
    QDate data;
    if (!item->TryGetAsDate(data) || !data.isValid()) throw EnParam(item, QString::fromUtf8(erro));
    return data;
  };
  FDataInicial = lerData("pDataInicial", "Valor de data inicial invalido.");
  FDataFinal = lerData("pDataFinal", "Valor de data final invalido.");

  TnpqParamItem *forma = params.Param(QStringLiteral("pFormaGer"));
  int formaGer = 0;
  // Only the two groupings exist: any other number would list items with
  // no proposal to hold them.
  if (forma->IsNull() || !forma->TryGetAsInteger(formaGer) || (formaGer != 1 && formaGer != 2))
    throw EnParam(forma, QStringLiteral("Valor invalido para forma de geração."));
  FFormaGer = formaGer;

  // Typed by the user: numbers and ranges only, refused here with the
  // parameter named, so no other text ever reaches a statement.
  for (const char *nome : {"pCodigoEmpresa", "pCodigoEstab"}) params.Param(QLatin1String(nome))->Validar();
  FEmpresa = Param(QStringLiteral("pCodigoEmpresa")).trimmed();
  FEstab = Param(QStringLiteral("pCodigoEstab")).trimmed();

  // A code ticked twice would list its debits twice.
  FOpcoes.clear();
  for (const QString &opcao : StrToStrArray(Param(kTipo), QStringLiteral(";")))
    if (!FOpcoes.contains(opcao.trimmed())) FOpcoes << opcao.trimmed();

  TnpqParamItem *tipoFolha = params.Param(kTipoFolha);
  if (tipoFolha->Habilitado()) {
    int valor = 0;
    if (tipoFolha->IsNull() || !tipoFolha->TryGetAsInteger(valor))
      throw EnParam(tipoFolha, QStringLiteral("Valor invalido."));
    FTipoFolha = valor;
  }
}

// --- the form

void TmVoxDPGerarProtocolo::DepoisConfigurar(TnFrmVisual *form) {
  TmVoxDPGerarProtocoloBase::DepoisConfigurar(form);
  if (form) {
    const QString item = QStringLiteral("Selecionar item.");
    const QString todos = QStringLiteral("Selecionar todos.");
    FBtnSelItem = form->CriarToolButton(
        item, item, 112, [this](QObject *sender) { actSelecionarItemExecute(sender); }, QStringLiteral("Ctrl+Enter"), 0,
        -1, false, true, true);
    FBtnSelTodos = form->CriarToolButton(
        todos, todos, 196, [this](QObject *sender) { actSelecionarTodosExecute(sender); }, QStringLiteral("Ctrl+Ins"),
        0, -1, false, true, true);
    HabilitarBotoes(false);
  }
  // The form has just put the kept values back.
  AjustarTipoFolha();
}

void TmVoxDPGerarProtocolo::HabilitarBotoes(bool habilitar) {
  if (FBtnSelItem) FBtnSelItem->SetEnabled(habilitar);
  if (FBtnSelTodos) FBtnSelTodos->SetEnabled(habilitar);
}

// --- the run

void TmVoxDPGerarProtocolo::Executar() {
  LimparMsgTreeLista();
  HabilitarBotoes(true);
  TnAoSair botoes([this] {
    const TnClientDataSet *mestre = ClientDataSet();
    HabilitarBotoes(mestre && mestre->Active() && mestre->RecordCount() > 0);
  });
  TmVoxDPGerarProtocoloBase::Executar();
}

void TmVoxDPGerarProtocolo::GerarProtocolo() {
  FUltimaProposta = CodProtocolo();
  FNodeTipo = MsgTree(TnTipoMensagem::Titulo, Titulos(kListaConstCTR) + QStringLiteral(", ") + Titulos(kListaConstFPA));
  GerarProtocolosDebitos();
  FNodeTipo = MsgTree(TnTipoMensagem::Titulo, Titulos(kListaConstFIN));
  GerarProtocolosFinanceiro();
}

void TmVoxDPGerarProtocolo::GerarProtocolosDebitos() {
  std::unique_ptr<TnClientDataSet> lista = CriarListaEmpresaEstab(FEmpresa, FEstab);
  lista->SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
  FColunaData = Param(QStringLiteral("pTipoData")).trimmed() == QLatin1String("2") ? QStringLiteral("DATAVENCIMENTO")
                                                                                   : QStringLiteral("DATALCTOCTR");
  if (!npqPowerParam().Param(QStringLiteral("pListarDebitos"))->TryGetAsInteger(FListarDebitos)) FListarDebitos = 0;
  if (!npqPowerParam().Param(QStringLiteral("pTipoData"))->TryGetAsInteger(FTipoDataFolha)) FTipoDataFolha = 1;
  FInstrucoes.clear();
  FMontadores.clear();
  FSqlCfgDescr = std::make_unique<TnLeituraModelo>();
  FProgresso = CriarProgresso();
  FProgresso->MostrarMultiplo(lista->RecordCount(), QString());
  TnAoSair liberar([this] {
    curDados = nullptr;
    FInstrucoes.clear();
    FMontadores.clear();
    FSqlCfgDescr.reset();
    FProgresso = nullptr;
    LiberarProgresso();
  });

  int empresaAnterior = 0;
  try {
    for (lista->First(); !lista->Eof(); lista->Next()) GerarProtocolosEstab(*lista, empresaAnterior);
  } catch (const EAbort &) {
    throw;
  } catch (const std::exception &erro) {
    AbandonarListagem(erro);
  }
}

void TmVoxDPGerarProtocolo::AbandonarListagem(const std::exception &erro) {
  const QString texto = QStringLiteral("Empresa: ") + QString::number(CodigoEmpresa()) + kCRLF +
                        QStringLiteral("Filial: ") + QString::number(CodigoEstab()) + kCRLF +
                        QStringLiteral("Protocolo: ") + QString::number(CodProtocolo()) + kCRLF + FTituloTipo +
                        QStringLiteral(": ") + Mensagem(erro);
  // A half-listed run is not offered for saving.
  for (TnClientDataSet *dados : {ClientDataSetDet(), ClientDataSet()}) {
    if (!dados) continue;
    if (dados->State() != TnDataSetState::Browse) dados->Cancel();
    dados->EmptyDataSet();
  }
  throw Exception(texto);
}

void TmVoxDPGerarProtocolo::GerarProtocolosEstab(TnClientDataSet &lista, int &empresaAnterior) {
  const int empresa = lista.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger();
  const int estab = lista.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger();
  SetCodigoEmpresa(empresa);
  SetCodigoEstab(estab);
  SetNomeEmpresa(lista.FieldByName(QStringLiteral("NOMEEMPRESA"))->AsString());
  SetNomeEstab(lista.FieldByName(QStringLiteral("APELIDOESTAB"))->AsString());

  if (empresa != empresaAnterior)
    FNodeEmp =
        MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Empresa: %1 - %2").arg(empresa).arg(NomeEmpresa()), FNodeTipo);
  FNodeEstab = MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Filial: %1 - %2").arg(estab).arg(NomeEstab()), FNodeEmp);

  FProgresso->ConfigurarProgressoParcial(0, static_cast<int>(FOpcoes.size()));
  FProgresso->IncProgressoTotal(
      QStringLiteral("%1 - %2  -  %3 - %4").arg(empresa).arg(NomeEmpresa()).arg(estab).arg(NomeEstab()));
  empresaAnterior = empresa;

  if (FilialNaoConfigurada(empresa, estab)) return;

  bool ok = false;
  const int forma = PegarFormaEntrega(empresa, estab).trimmed().toInt(&ok);
  SetFormaEntrega(ok ? forma : 2);

  int propostas = 0;
  int itensEstab = 0;
  if (FFormaGer == 1) propostas += InserirPro(empresa, estab, NomeEmpresa(), NomeEstab());
  for (const QString &opcao : FOpcoes) {
    bool numero = false;
    const int tipo = opcao.toInt(&numero);
    // A value that names no type lists nothing.
    if (!numero) continue;
    FTipo = tipo;
    FTituloTipo = GetTitulo(tipo);
    FProgresso->IncProgressoParcial(FTituloTipo);
    if (CarregarDados() <= 0) continue;
    if (FFormaGer == 2) propostas += InserirPro(empresa, estab, NomeEmpresa(), NomeEstab());
    const int itens = InserirItensPro();
    itensEstab += itens;
    if (itens > 0) {
      MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("%1: %2 itens listados").arg(FTituloTipo).arg(itens), FNodeEstab);
    } else if (FFormaGer == 2) {
      RemoverProposta();
      --propostas;
    }
  }

  if (itensEstab > 0) {
    SetarIconConfirmacao(FNodeEmp);
    SetarIconConfirmacao(FNodeEstab);
  } else {
    if (propostas > 0) RemoverProposta();
    SetarIconInformacao(MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Nenhum item foi listado"), FNodeEstab));
  }
}

bool TmVoxDPGerarProtocolo::FilialNaoConfigurada(int codigoEmpresa, int codigoEstab) {
  if (ChecarConfiguracaoPro(codigoEmpresa, codigoEstab)) return false;
  MsgTree(TnTipoMensagem::Falha, QStringLiteral("Filial não configurada no Protocolo."), FNodeEstab);
  SetarIconErro(FNodeEstab);
  SetarIconErro(FNodeEmp);
  return true;
}

void TmVoxDPGerarProtocolo::RemoverProposta() {
  TnClientDataSet *mestre = ClientDataSet();
  if (mestre && mestre->Locate(kCodigoProtocolo, CodProtocolo())) mestre->Delete();
  if (CodProtocolo() == FUltimaProposta) --FUltimaProposta;
  SetCodProtocolo(FUltimaProposta);
}

void TmVoxDPGerarProtocolo::GerarProtocolosFinanceiro() {
  std::unique_ptr<TnClientDataSet> lista = CriarListaEmpresaEstab(FEmpresa, FEstab);
  if (lista->IsEmpty()) return;
  FEmissaoFin = Param(QStringLiteral("pTipoData")).trimmed() == QLatin1String("1");
  if (!npqPowerParam().Param(QStringLiteral("pListarDebitos"))->TryGetAsInteger(FListarDebitos)) FListarDebitos = 0;
  FInstrucoes.clear();
  FMontadores.clear();
  FSqlCfgDescr = std::make_unique<TnLeituraModelo>();
  // The last item of each proposal so far, for the clients that join one
  // under "Protocolo Único": read once, kept as the pass adds items.
  FEstabsEscritorio.clear();
  std::unique_ptr<TnClientDataSet> escritorios =
      ExecutarSQL(QStringLiteral("select distinct CODIGOEMPRESA, CODIGOESTAB from ESCRITORIO"));
  for (escritorios->First(); !escritorios->Eof(); escritorios->Next())
    FEstabsEscritorio.insert({escritorios->Fields(0)->AsInteger(), escritorios->Fields(1)->AsInteger()});
  FSeqDasPropostas.clear();
  if (FFormaGer == 1) {
    TnClientDataSet itens;
    itens.CloneCursor(ClientDataSetDet(), true);
    const TnField *numero = itens.FieldByName(kCodigoProtocolo);
    const TnField *seq = itens.FieldByName(QStringLiteral("SEQITEMPRO"));
    for (itens.First(); !itens.Eof(); itens.Next()) {
      int &ultimo = FSeqDasPropostas[numero->AsLargeInt()];
      ultimo = std::max(ultimo, seq->AsInteger());
    }
  }
  TnAoSair liberar([this] {
    FInstrucoes.clear();
    FMontadores.clear();
    FSqlCfgDescr.reset();
    FSeqDasPropostas.clear();
    FProgresso = nullptr;
    LiberarProgresso();
  });
  const int modos[] = {0, 1};
  try {
    for (int modo : modos) {
      FProgresso = CriarProgresso();
      FProgresso->MostrarMultiplo(lista->RecordCount(),
                                  modo == 0 ? QStringLiteral("Escritório") : QStringLiteral("Cliente"));
      lista->First();
      PercorrerEstabsFinanceiro(*lista, modo);
    }
  } catch (const EAbort &) {
    throw;
  } catch (const std::exception &erro) {
    AbandonarListagem(erro);
  }
}

void TmVoxDPGerarProtocolo::PercorrerEstabsFinanceiro(TnClientDataSet &lista, int modo) {
  QList<int> tipos;
  for (const QString &opcao : FOpcoes)
    if (opcao == QString::number(kTipoNotaFiscal) || opcao == QString::number(kTipoBoleto)) tipos << opcao.toInt();
  // Without a financial type there is nothing to say of any establishment.
  if (tipos.isEmpty()) return;
  const QString porModo = modo == 0 ? QStringLiteral("Escritório") : QStringLiteral("Cliente");

  for (; !lista.Eof(); lista.Next()) {
    const int empresa = lista.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger();
    const int estab = lista.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger();
    SetCodigoEmpresa(empresa);
    SetCodigoEstab(estab);
    FProgresso->ConfigurarProgressoParcial(0, static_cast<int>(tipos.size()));
    FProgresso->IncProgressoTotal(QStringLiteral("%1 - %2").arg(empresa).arg(estab));
    if (!ChecarConfiguracaoPro(empresa, estab)) {
      // The error goes under this establishment's own lines, not under
      // whichever establishment or client the tree showed last.
      FNodeEmp = MsgTree(TnTipoMensagem::Titulo,
                         QStringLiteral("Empresa: %1 - %2")
                             .arg(empresa)
                             .arg(lista.FieldByName(QStringLiteral("NOMEEMPRESA"))->AsString()),
                         FNodeTipo);
      FNodeEstab = MsgTree(TnTipoMensagem::Titulo,
                           QStringLiteral("Filial: %1 - %2")
                               .arg(estab)
                               .arg(lista.FieldByName(QStringLiteral("APELIDOESTAB"))->AsString()),
                           FNodeEmp);
      FilialNaoConfigurada(empresa, estab);
      continue;
    }
    // Only an establishment where an office works has financial documents.
    if (!FEstabsEscritorio.contains({empresa, estab})) continue;
    for (int tipo : tipos) {
      FTipo = tipo;
      bool ok = false;
      const int forma = PegarFormaEntrega(empresa, estab).trimmed().toInt(&ok);
      SetFormaEntrega(ok ? forma : 2);
      FTituloTipo = GetTitulo(tipo);
      FProgresso->IncProgressoParcial(QStringLiteral("Gerando ") + FTituloTipo + QStringLiteral(" por ") + porModo);
      if (tipo == kTipoNotaFiscal)
        GerarNotasFiscais(empresa, estab, modo);
      else
        GerarBoletos(empresa, estab, modo);
    }
  }
}

void TmVoxDPGerarProtocolo::GerarNotasFiscais(int codigoEmpresa, int codigoEstab, int modo) {
  GerarFinanceiro(codigoEmpresa, codigoEstab, modo);
}

void TmVoxDPGerarProtocolo::GerarBoletos(int codigoEmpresa, int codigoEstab, int modo) {
  GerarFinanceiro(codigoEmpresa, codigoEstab, modo);
}

QString TmVoxDPGerarProtocolo::MontarSQLClientesFin(bool emissao) {
  return kSQLClientesFin.arg(emissao ? QStringLiteral("CR.DATAEMISSAOCR") : QStringLiteral("CR.DATAVCTOCR"),
                             kComBoleto);
}

QString TmVoxDPGerarProtocolo::MontarSQLNotasFiscais(bool emissao) {
  return kSQLNotasFiscais.arg(
      emissao ? QStringLiteral("SN.DATAEMISSAONS") : QStringLiteral("coalesce(CR.DATAVCTOCR, SN.DATAEMISSAONS)"),
      QString());
}

QString TmVoxDPGerarProtocolo::MontarSQLBoletos(bool emissao) {
  return kSQLBoletos.arg(emissao ? QStringLiteral("CR.DATAEMISSAOCR") : QStringLiteral("CR.DATAVCTOCR"), kComBoleto);
}

QString TmVoxDPGerarProtocolo::MontarFiltroClientes(int modo) {
  // A person naming company and establishment 0 is in both walks; one naming
  // a company but no establishment in neither.
  if (modo == 0) return QStringLiteral("(EMP <= 0 or EMP is null) and (EST <= 0 or EST is null)");
  return QStringLiteral("(EMP > 0 or EMP is not null) and (EST > 0 or EST is not null)");
}

TmVoxDPGerarProtocolo::TnClienteFin TmVoxDPGerarProtocolo::DestinoFin(const TnField &cliente, const TnField &emp,
                                                                      const TnField &est, int codigoEmpresa,
                                                                      int codigoEstab) {
  TnClienteFin c;
  c.Cliente = cliente.AsLargeInt();
  // Company and establishment 0 name no establishment: never a proposal for
  // a company that does not exist.
  const bool proprio = !emp.IsNull() && !est.IsNull() && emp.AsInteger() > 0 && est.AsInteger() > 0;
  c.Empresa = proprio ? emp.AsInteger() : codigoEmpresa;
  c.Estab = proprio ? est.AsInteger() : codigoEstab;
  return c;
}

TnSQLDataSet &TmVoxDPGerarProtocolo::InstrucaoFinanceiro(const QString &chave, const QString &texto, int codigoEmpresa,
                                                         int codigoEstab) {
  std::unique_ptr<TnSQLDataSet> &sql = FInstrucoes[chave];
  if (!sql) {
    sql = NovaInstrucaoFonte(texto);
    sql->ParamByName(QStringLiteral("pListarDebitos")).SetDataType(TnFieldType::Integer);
  }
  sql->ParamByName(QStringLiteral("pCodigoEmpresa")).SetValue(codigoEmpresa);
  sql->ParamByName(QStringLiteral("pCodigoEstab")).SetValue(codigoEstab);
  sql->ParamByName(QStringLiteral("pDataInicial")).SetValue(FDataInicial);
  sql->ParamByName(QStringLiteral("pDataFinal")).SetValue(FDataFinal);
  sql->ParamByName(QStringLiteral("pListarDebitos")).SetValue(FListarDebitos);
  return *sql;
}

std::vector<TmVoxDPGerarProtocolo::TnClienteFin> TmVoxDPGerarProtocolo::ClientesFin(int codigoEmpresa, int codigoEstab,
                                                                                    int modo) {
  TnSQLDataSet &sql =
      InstrucaoFinanceiro(QStringLiteral("FINCLIENTES"), MontarSQLClientesFin(FEmissaoFin), codigoEmpresa, codigoEstab);
  sql.Open();
  TnClientDataSet &lista = sql.Resultado();
  lista.SetFiltered(false);
  lista.SetFilter(MontarFiltroClientes(modo));
  lista.SetFiltered(true);
  const TnField *cliente = lista.FieldByName(QStringLiteral("CODIGOCLIENTE"));
  const TnField *emp = lista.FieldByName(QStringLiteral("EMP"));
  const TnField *est = lista.FieldByName(QStringLiteral("EST"));
  // Persons that differ only in how they name no establishment (none, 0)
  // are one client.
  std::vector<TnClienteFin> clientes;
  for (lista.First(); !lista.Eof(); lista.Next())
    clientes.push_back(DestinoFin(*cliente, *emp, *est, codigoEmpresa, codigoEstab));
  lista.SetFiltered(false);
  lista.SetFilter(QString());
  const auto chave = [](const TnClienteFin &c) { return std::tuple(c.Cliente, c.Empresa, c.Estab); };
  std::sort(clientes.begin(), clientes.end(), [&](const auto &a, const auto &b) { return chave(a) < chave(b); });
  clientes.erase(
      std::unique(clientes.begin(), clientes.end(), [&](const auto &a, const auto &b) { return chave(a) == chave(b); }),
      clientes.end());
  return clientes;
}

void TmVoxDPGerarProtocolo::GerarFinanceiro(int codigoEmpresa, int codigoEstab, int modo) {
  const std::vector<TnClienteFin> clientes = ClientesFin(codigoEmpresa, codigoEstab, modo);
  FProgresso->LimparProgressoParcial();
  FProgresso->ConfigurarProgressoParcial(0, static_cast<int>(clientes.size()),
                                         QStringLiteral("Processando Clientes..."));
  PegarCfgDescr(FTipo);
  if (clientes.empty()) return;

  // The type's rows of the whole establishment are read once and each
  // client takes its run of them: a read per client would go over the
  // office's documents once per client.
  const bool nota = FTipo == kTipoNotaFiscal;
  TnSQLDataSet &sql =
      nota
          ? InstrucaoFinanceiro(QStringLiteral("FIN11"), MontarSQLNotasFiscais(FEmissaoFin), codigoEmpresa, codigoEstab)
          : InstrucaoFinanceiro(QStringLiteral("FIN12"), MontarSQLBoletos(FEmissaoFin), codigoEmpresa, codigoEstab);
  sql.Open();
  TnClientDataSet &dados = sql.Resultado();
  dados.SetFiltered(false);
  dados.SetFilter(MontarFiltroClientes(modo));
  dados.SetFiltered(true);
  dados.SetIndexFieldNames(QStringLiteral("CODIGOCLIENTE"));
  TnAoSair soltar([&dados] {
    dados.SetFiltered(false);
    dados.SetFilter(QString());
  });

  for (const TnClienteFin &cliente : clientes) {
    FProgresso->IncProgressoParcial();
    const int propostas = InserirProCliente(cliente);
    const int itens = InserirItensFin(cliente, modo, dados);
    if (itens != 0) {
      SetarIconConfirmacao(FNodeEmp);
      SetarIconConfirmacao(FNodeEstab);
      MsgTree(TnTipoMensagem::Titulo,
              QStringLiteral("%1 Protocolo(s) - %2 Iten(s) listado(s)").arg(propostas).arg(itens), FNodeEstab);
    } else {
      MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Nenhum item foi listado"), FNodeEmp);
    }
  }
}

int TmVoxDPGerarProtocolo::InserirProCliente(const TnClienteFin &cliente) {
  const int empresa = cliente.Empresa;
  const int estab = cliente.Estab;
  // Read once per client: statements kept prepared, values bound.
  const QString nomeEmpresa =
      nDMConexao()
          ->LerValor(QStringLiteral("select NOMEEMPRESA from EMPRESA where CODIGOEMPRESA = :pCodigoEmpresa"), {empresa})
          .toString();
  const QString nomeEstab = nDMConexao()
                                ->LerValor(QStringLiteral("select NOMEESTAB from ESTAB where CODIGOEMPRESA = "
                                                          ":pCodigoEmpresa and CODIGOESTAB = :pCodigoEstab"),
                                           {empresa, estab})
                                .toString();
  FNodeEmp =
      MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Empresa: %1 - %2").arg(empresa).arg(nomeEmpresa), FNodeTipo);
  FNodeEstab = MsgTree(TnTipoMensagem::Titulo, QStringLiteral("Filial: %1 - %2").arg(estab).arg(nomeEstab), FNodeEmp);

  if (FFormaGer == 1) {
    // What the current proposal holds by now (numbers only grow; the
    // sequence may be stale when the last proposal made was dropped).
    int &atual = FSeqDasPropostas[CodProtocolo()];
    atual = std::max(atual, FSeqItem);
    TnClientDataSet mestre;
    mestre.CloneCursor(ClientDataSet(), true);
    if (mestre.Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{empresa, estab})) {
      // The items go on after the proposal's last one.
      SetCodProtocolo(mestre.FieldByName(kCodigoProtocolo)->AsLargeInt());
      FSeqItem = FSeqDasPropostas[CodProtocolo()];
      return 0;
    }
  }
  return InserirPro(empresa, estab, nomeEmpresa, nomeEstab);
}

int TmVoxDPGerarProtocolo::InserirItensFin(const TnClienteFin &cliente, int modo, TnClientDataSet &dados) {
  if (!dados.FindKey({cliente.Cliente})) return 0;
  const bool nota = FTipo == kTipoNotaFiscal;
  TnMapperFinanceiro &fin = nota ? static_cast<TnMapperFinanceiro &>(dados.Mapeamento<TnMapperFinNotaFiscal>())
                                 : static_cast<TnMapperFinanceiro &>(dados.Mapeamento<TnMapperFinBoleto>());
  const TnField *codigoCliente = dados.FieldByName(QStringLiteral("CODIGOCLIENTE"));
  const TnField *emp = dados.FieldByName(QStringLiteral("EMP"));
  const TnField *est = dados.FieldByName(QStringLiteral("EST"));
  const TnField *codigoCli = dados.FieldByName(QStringLiteral("CODIGOCLI"));
  const TnField *serie = nota ? dados.FieldByName(QStringLiteral("SERIENS")) : nullptr;
  const TnField *numero = nota ? dados.FieldByName(QStringLiteral("NUMERONS")) : nullptr;
  const TnField *documento = nota ? nullptr : dados.FieldByName(QStringLiteral("NUMERODCTOCR"));
  const QString pessoa = QStringLiteral(" com os campos Empresa e Filial ") +
                         QStringLiteral("não informados para o tipo ") + GetTitulo(FTipo) +
                         QStringLiteral(", verifique no módulo Financeiro menu Cadastros / Pessoas.");

  TnClientDataSet &detalhe = *ClientDataSetDet();
  const TmVoxItem &item = *MapProItem();
  const TnItemComum comum = ItemComum();
  int itens = 0;
  for (; !dados.Eof() && codigoCliente->AsLargeInt() == cliente.Cliente; dados.Next()) {
    // A person's code may equal an office's: only the rows going where this
    // client's go are its documents.
    const TnClienteFin destino = DestinoFin(*codigoCliente, *emp, *est, CodigoEmpresa(), CodigoEstab());
    if (destino.Empresa != cliente.Empresa || destino.Estab != cliente.Estab) continue;
    const QString escritorio = fin.CodigoEscrit->AsString();
    const QString chave =
        nota ? QStringLiteral("FIN;11;") + escritorio + u';' + serie->AsString() + u';' + numero->AsString()
             : QStringLiteral("FIN;12;") + escritorio + u';' + documento->AsString();
    NovoItem(comum);
    item.DESCRITEM->SetAsString(TmVoxMontarDescricao::Cortar(MontarDescricaoFIN(fin), item.DESCRITEM->Size()));
    item.VENCIMENTO->SetAsDate(fin.DataVcto->IsNull() ? QDate() : fin.DataVcto->AsDate());
    item.VALOR->SetValue(fin.Valor->Value());
    item.CODIGOIMPOSTO->Clear();
    item.VARIACAOIMPOSTO->Clear();
    item.CODIGODOCEMP->Clear();
    item.CodigoFuncContr->Clear();
    item.CHAVEORIGEM->SetAsString(TmVoxMontarDescricao::Cortar(chave, kTamanhoChaveOrigem));
    item.MODULO->SetAsString(kModuloFin);
    item.CHAVEDEBITO->Clear();
    CopiarInteiro(item.PROTOCOLO, fin.CodigoProtocolo);
    item.TABELA->Clear();
    item.TABELACHAVE->Clear();
    // What the save stamps, exactly as the document's key holds it.
    item.CODIGOTIPOPROTOCOLO->SetAsInteger(FTipo);
    CopiarInteiro(item.CODIGOESCRIT, fin.CodigoEscrit);
    if (nota) {
      item.SERIENS->SetValue(serie->Value());
      CopiarInteiro(item.NUMERONS, numero);
      item.NUMERODCTOCR->Clear();
    } else {
      item.SERIENS->Clear();
      item.NUMERONS->Clear();
      item.NUMERODCTOCR->SetValue(documento->Value());
    }
    detalhe.Post();
    ++itens;
    if (modo == 0)
      MsgTree(TnTipoMensagem::Advertencia,
              QStringLiteral("Pessoa ") + codigoCli->AsString() + QStringLiteral(" - ") + fin.NomeCliente->AsString() +
                  pessoa,
              FNodeEstab);
  }
  return itens;
}

QString TmVoxDPGerarProtocolo::MontarDescricaoFIN(const TnMapperFinanceiro &fin) const {
  return mVoxMontarDescricaoFIN(MascaraDescr(), FTipo, fin);
}

void TmVoxDPGerarProtocolo::AtualizarOrigemItem(qint64 codigoProtocolo, int seqItem) {
  TmVoxDPGerarProtocoloBase::AtualizarOrigemItem(codigoProtocolo, seqItem);
  const TmVoxItem &item = *MapProItem();
  const int tipo = item.CODIGOTIPOPROTOCOLO->IsNull() ? 0 : item.CODIGOTIPOPROTOCOLO->AsInteger();
  if (tipo != kTipoNotaFiscal && tipo != kTipoBoleto) return;
  const bool nota = tipo == kTipoNotaFiscal;
  const QString &texto = nota ? kSQLUpdateNotaFiscal : kSQLUpdateBoleto;
  // Prepared once per save, beside the debit tables' write-backs.
  std::unique_ptr<TnSQLDataSet> &instrucao = sqlUpdateDebitos[texto];
  if (!instrucao) {
    instrucao = std::make_unique<TnSQLDataSet>();
    instrucao->SetSQLConnection(nDMConexao());
    instrucao->SetCommandText(texto);
    instrucao->SetPrepared(true);
    instrucao->Params(0).SetDataType(TnFieldType::LargeInt);
    instrucao->Params(1).SetDataType(TnFieldType::SmallInt);
    instrucao->Params(2).SetDataType(TnFieldType::Integer);
    instrucao->Params(3).SetDataType(TnFieldType::String);
    if (nota) instrucao->Params(4).SetDataType(TnFieldType::Integer);
  }
  TnSQLDataSet &sql = *instrucao;
  sql.Params(0).SetValue(codigoProtocolo);
  sql.Params(1).SetValue(seqItem);
  sql.Params(2).SetValue(item.CODIGOESCRIT->Value());
  sql.Params(3).SetValue(nota ? item.SERIENS->Value() : item.NUMERODCTOCR->Value());
  if (nota) sql.Params(4).SetValue(item.NUMERONS->Value());
  // Exactly the one document: none means another user protocolled it after
  // the listing, or it is gone, and saving the item anyway would leave the
  // protocol naming a document that does not name it.
  if (sql.ExecSQL() != 1)
    throw Exception(
        QStringLiteral("O documento \"%1\" (%2 do escritório %3, %4) não está mais livre: foi protocolado por "
                       "outro usuário depois da listagem, ou excluído.")
            .arg(item.DESCRITEM->AsString(), nota ? QStringLiteral("nota fiscal") : QStringLiteral("boleto"),
                 item.CODIGOESCRIT->AsString(),
                 nota ? QStringLiteral("série %1, número %2").arg(item.SERIENS->AsString(), item.NUMERONS->AsString())
                      : QStringLiteral("documento %1").arg(item.NUMERODCTOCR->AsString())));
}

int TmVoxDPGerarProtocolo::InserirPro(int codigoEmpresa, int codigoEstab, const QString &nomeEmpresa,
                                      const QString &nomeEstab) {
  SetCodProtocolo(++FUltimaProposta);
  const QDateTime agora = nDMConexao()->Now();
  // The moment's text is made again only when the second changed: a large
  // office gets thousands of proposals in a few seconds.
  if (agora != FMomentoGerado) {
    FMomentoGerado = agora;
    FTextoGerado = QStringLiteral("Gerado em ") + agora.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
  }
  const QString observacao = FFormaGer == 2 ? FTituloTipo + QStringLiteral(" - ") + FTextoGerado : FTextoGerado;

  TnClientDataSet &mestre = *ClientDataSet();
  const TmVox &pro = *MapPro();
  mestre.Append();
  pro.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
  pro.CODIGOEMPRESA->SetAsInteger(codigoEmpresa);
  pro.CODIGOESTAB->SetAsInteger(codigoEstab);
  pro.EMPRESA->SetAsString(QString::number(codigoEmpresa) + QStringLiteral(" - ") + nomeEmpresa);
  pro.ESTAB->SetAsString(QString::number(codigoEstab) + QStringLiteral(" - ") + nomeEstab);
  pro.DATALCTOPRO->SetAsDate(agora.date());
  pro.TIPOPRO->SetAsInteger(1);
  pro.OBSERVACAO->SetAsString(observacao.left(kTamanhoObservacao));
  pro.DATAHORACADASTRO->SetAsDateTime(agora);
  pro.CODIGOUSUARIO->SetAsInteger(nDMConexao()->CodigoUsuario());
  pro.FORMAENTREGA->SetAsString(QString::number(FormaEntrega()));
  pro.NATUREZAPRO->SetAsString(QStringLiteral("1"));
  pro.CANCELADO->SetAsInteger(0);
  pro.ORIGEMDADO->SetAsInteger(1);
  pro.TODOSSELECIONADOS->SetAsInteger(0);
  mestre.Post();
  FSeqItem = 0;
  return 1;
}

// --- the sources

int TmVoxDPGerarProtocolo::CarregarDados() {
  curDados = nullptr;
  if (Contem(kListaConstCTR, FTipo)) {
    ATabela = QLatin1String(TabelaDebitoDoTipo(FTipo)->Tabela);
    return CarregarDadosCtr();
  }
  if (Contem(kListaConstFPA, FTipo)) return CarregarDadosFpa();
  return 0;
}

TnSQLDataSet &TmVoxDPGerarProtocolo::InstrucaoDebito() {
  std::unique_ptr<TnSQLDataSet> &sql = FInstrucoes[ATabela];
  if (!sql) {
    const TnTabelaDebito &tabela = *TabelaDebitoDoTipo(FTipo);
    const bool folha = ATabela == QLatin1String(kTabelaFolha);
    const QString observacao = tabela.Observacao && !folha ? QStringLiteral(", D.OBSERVDEBITO") : QString();
    sql =
        NovaInstrucaoFonte((folha ? kSQLDebitoFolha : kSQLDebito).arg(AChaveDebito, observacao, ATabela, FColunaData));
    sql->ParamByName(QStringLiteral("pListarDebitos")).SetDataType(TnFieldType::Integer);
  }
  return *sql;
}

int TmVoxDPGerarProtocolo::AbrirFonte(TnSQLDataSet &sql) {
  sql.ParamByName(QStringLiteral("pCodigoEmpresa")).SetValue(CodigoEmpresa());
  sql.ParamByName(QStringLiteral("pCodigoEstab")).SetValue(CodigoEstab());
  sql.ParamByName(QStringLiteral("pDataInicial")).SetValue(FDataInicial);
  sql.ParamByName(QStringLiteral("pDataFinal")).SetValue(FDataFinal);
  sql.Open();
  curDados = &sql.Resultado();
  return curDados->IsEmpty() ? 0 : 1;
}

int TmVoxDPGerarProtocolo::CarregarDadosCtr() {
  AChaveDebito = QLatin1String(TabelaDebitoDoTipo(FTipo)->Sufixo);
  TnSQLDataSet &sql = InstrucaoDebito();
  sql.ParamByName(QStringLiteral("pListarDebitos")).SetValue(FListarDebitos);
  return AbrirFonte(sql);
}

QString TmVoxDPGerarProtocolo::SQLFolha(int tipo, int tipoFolha, int tipoData) {
  const bool apuracao = tipoData == 1;
  const QString evento = ValorParaSQL(kEventoValor);
  if (tipo == kTipoFolhaPagamento)
    return (tipoFolha == 1 ? kSQLFolhaTotalizada : kSQLFolhaFuncionario)
        .arg(apuracao ? QStringLiteral("(P.DATAINICIALFOLHA >= :pDataInicial  and P.DATAFINALFOLHA <= :pDataFinal)")
                      : QStringLiteral("FPC.DATAPGTOFOLHA between :pDataInicial and :pDataFinal"),
             evento, ValorParaSQL(QStringLiteral("0")));
  if (tipo == kTipoRescisao)
    return kSQLRescisao.arg(apuracao ? QStringLiteral("DATARESC") : QStringLiteral("DATAPGTORESC"), evento);
  return kSQLFerias.arg(apuracao ? QStringLiteral("DATAINICIALFERIAS") : QStringLiteral("DATAPGTO"), evento);
}

TnSQLDataSet &TmVoxDPGerarProtocolo::InstrucaoFolha() {
  // The type decides the statement; the payroll listing mode and the date
  // kind hold for the whole pass.
  std::unique_ptr<TnSQLDataSet> &sql = FInstrucoes[kChaveFolha + QString::number(FTipo)];
  if (!sql) sql = NovaInstrucaoFonte(SQLFolha(FTipo, FTipoFolha, FTipoDataFolha));
  return *sql;
}

int TmVoxDPGerarProtocolo::CarregarDadosFpa() { return AbrirFonte(InstrucaoFolha()); }

QString TmVoxDPGerarProtocolo::MontarDescricaoFPA() const {
  if (FMontador) return FMontador->Montar();
  return mVoxMontarDescricaoFPA(MascaraDescr(), FTipo, FTipoFolha, *curDados);
}

int TmVoxDPGerarProtocolo::InserirItensFpa() {
  TnClientDataSet &dados = *curDados;
  ResolverColunas(QStringLiteral("DATAPGTO"), QStringLiteral("VALOR"));
  const TnField *vencimento = dados.Fields(ixVencimento);
  const TnField *valor = dados.Fields(ixValor);
  const TnField *protocolo = dados.Fields(ixCodigoPro);
  // Totalised pay names no employee.
  const TnField *funcionario = FTipoFolha == kFolhaPorFuncionario || FTipo == kTipoRescisao || FTipo == kTipoFerias
                                   ? dados.FieldByName(QStringLiteral("CodigoFuncContr"))
                                   : nullptr;

  TnClientDataSet &detalhe = *ClientDataSetDet();
  const TmVoxItem &item = *MapProItem();
  const TnItemComum comum = ItemComum();
  FMontador = MontadorDosDados([&] { return mVoxMontadorFPA(MascaraDescr(), FTipo, FTipoFolha, dados); });
  TnAoSair soltar([this] { FMontador = nullptr; });
  int itens = 0;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    NovoItem(comum);
    // The field refuses a longer text, and a template of many tokens can
    // give one.
    item.DESCRITEM->SetAsString(TmVoxMontarDescricao::Cortar(MontarDescricaoFPA(), item.DESCRITEM->Size()));
    item.VENCIMENTO->SetAsDate(vencimento->IsNull() ? QDate() : vencimento->AsDate());
    item.VALOR->SetValue(valor->Value());
    item.CODIGOIMPOSTO->Clear();
    item.VARIACAOIMPOSTO->Clear();
    item.CODIGODOCEMP->Clear();
    CopiarInteiro(item.CodigoFuncContr, funcionario);
    item.CHAVEORIGEM->SetAsString(kChaveFolha);
    item.MODULO->SetAsString(kChaveFolha);
    item.CHAVEDEBITO->Clear();
    CopiarInteiro(item.PROTOCOLO, protocolo);
    // Nothing to stamp: the payroll tables keep no protocol.
    item.TABELA->Clear();
    item.TABELACHAVE->Clear();
    detalhe.Post();
    ++itens;
  }
  return itens;
}

int TmVoxDPGerarProtocolo::InserirItensPro() {
  PegarCfgDescr(FTipo);
  if (Contem(kListaConstCTR, FTipo)) return InserirItensCtr();
  if (Contem(kListaConstFPA, FTipo)) return InserirItensFpa();
  return 0;
}

// A type's template is read once per pass: every item of the pass takes the
// same form even if someone edits the template meanwhile, and one read per
// establishment and type would add up to thousands of round trips in a
// large office.
struct TmVoxDPGerarProtocolo::TnLeituraModelo {
  const QString SQL = QStringLiteral(
      "select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = :pCodigoTipoProtocolo");
  const TnSQLParametros Parametros{SQL};
  QSqlQuery Consulta = nDMConexao()->NovaQuery();
  std::map<int, QString> Lidos;
  TnLeituraModelo() { nDMConexao()->PrepararQuery(Consulta, Parametros, SQL); }

  QString Ler(int tipo) {
    const auto lido = Lidos.find(tipo);
    if (lido != Lidos.end()) return lido->second;
    nDMConexao()->ExecutarPreparada(Consulta, Parametros, {tipo}, SQL);
    const QVariant valor = Consulta.next() ? Consulta.value(0) : QVariant();
    Consulta.finish();
    return Lidos.emplace(tipo, valor.isNull() ? QString() : valor.toString()).first->second;
  }
};

void TmVoxDPGerarProtocolo::PegarCfgDescr(int tipo) {
  if (FSqlCfgDescr)
    SetMascaraDescr(FSqlCfgDescr->Ler(tipo));
  else
    TmVoxDPGerarProtocoloBase::PegarCfgDescr(tipo);
}

void TmVoxDPGerarProtocolo::ResolverColunas(const QString &vencimento, const QString &valor) {
  const TnClientDataSet &dados = *curDados;
  ixVencimento = dados.IndexOfField(vencimento);
  ixValor = dados.IndexOfField(valor);
  ixCodigoPro = dados.IndexOfField(kCodigoProtocolo);
  if (ixVencimento < 0 || ixValor < 0 || ixCodigoPro < 0)
    throw Exception(QStringLiteral("A consulta de %1 não tem as colunas %2, %3 e %4.")
                        .arg(FTituloTipo, vencimento, valor, kCodigoProtocolo));
}

TmVoxMontarDescricao *TmVoxDPGerarProtocolo::MontadorDosDados(
    const std::function<std::unique_ptr<TmVoxMontarDescricao>()> &criar) {
  TnMontadorGuardado &guardado = FMontadores[curDados];
  if (!guardado.Montador || guardado.VersaoCampos != curDados->VersaoCampos() || guardado.Tipo != FTipo ||
      guardado.TipoFolha != FTipoFolha || guardado.Mascara != MascaraDescr()) {
    // A filler that fails to build (a column gone) leaves none behind.
    guardado.Montador.reset();
    guardado.Montador = criar();
    guardado.VersaoCampos = curDados->VersaoCampos();
    guardado.Tipo = FTipo;
    guardado.TipoFolha = FTipoFolha;
    guardado.Mascara = MascaraDescr();
  }
  return guardado.Montador.get();
}

TmVoxDPGerarProtocolo::TnItemComum TmVoxDPGerarProtocolo::ItemComum() const {
  TnItemComum comum;
  comum.Agora = nDMConexao()->Now();
  // The competence is the month of the range's end.
  comum.Competencia = QDate(FDataFinal.year(), FDataFinal.month(), 1);
  comum.Usuario = nDMConexao()->CodigoUsuario();
  return comum;
}

void TmVoxDPGerarProtocolo::NovoItem(const TnItemComum &comum) {
  const TmVoxItem &item = *MapProItem();
  ++FSeqItem;
  ClientDataSetDet()->Append();
  item.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
  item.SEQITEMPRO->SetAsInteger(FSeqItem);
  item.DATALCTOPRO->SetAsDate(comum.Agora.date());
  item.CANCELADO->SetAsInteger(0);
  item.CODIGOUSUARIO->SetAsInteger(comum.Usuario);
  item.DATAHORACADASTRO->SetAsDateTime(comum.Agora);
  item.ORIGEMDADO->SetAsInteger(1);
  item.COMPETENCIA->SetAsDate(comum.Competencia);
  item.TIPODEBITO->SetAsString(FTituloTipo);
  item.GERAR->SetAsInteger(0);
}

QString TmVoxDPGerarProtocolo::MontarDescricaoCTR() const {
  if (FMontador) return FMontador->Montar();
  return mVoxMontarDescricaoCTR(MascaraDescr(), *curDados);
}

int TmVoxDPGerarProtocolo::InserirItensCtr() {
  TnClientDataSet &dados = *curDados;
  ResolverColunas(QStringLiteral("DATAVENCIMENTO"), QStringLiteral("VALORDEBITO"));
  const TnField *vencimento = dados.Fields(ixVencimento);
  const TnField *valor = dados.Fields(ixValor);
  const TnField *protocolo = dados.Fields(ixCodigoPro);
  const TnField *imposto = dados.FieldByName(QStringLiteral("CODIGOIMPOSTO"));
  const TnField *variacao = dados.FieldByName(QStringLiteral("VARIACAOIMPOSTO"));
  const TnField *chave = dados.FieldByName(QStringLiteral("CHAVEDEBITO"));
  const TnField *origem = dados.FieldByName(QStringLiteral("CHAVEORIGEM"));

  TnClientDataSet &detalhe = *ClientDataSetDet();
  const TmVoxItem &item = *MapProItem();
  const TnItemComum comum = ItemComum();
  FMontador = MontadorDosDados([&] { return mVoxMontadorCTR(MascaraDescr(), dados); });
  TnAoSair soltar([this] { FMontador = nullptr; });
  int itens = 0;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    NovoItem(comum);
    item.DESCRITEM->SetAsString(MontarDescricaoCTR());
    // A debit without a due date shows none.
    item.VENCIMENTO->SetAsDate(vencimento->IsNull() ? QDate() : vencimento->AsDate());
    item.VALOR->SetValue(valor->Value());
    CopiarInteiro(item.CODIGOIMPOSTO, imposto);
    CopiarInteiro(item.VARIACAOIMPOSTO, variacao);
    item.CODIGODOCEMP->Clear();
    item.CodigoFuncContr->Clear();
    item.CHAVEORIGEM->SetAsString(MontarChaveOrigem(FTipo, CodigoEmpresa(), chave->AsInteger()));
    item.MODULO->SetAsString(origem->AsString());
    item.CHAVEDEBITO->SetAsInteger(chave->AsInteger());
    CopiarInteiro(item.PROTOCOLO, protocolo);
    item.TABELA->SetAsString(ATabela);
    item.TABELACHAVE->SetAsString(AChaveDebito);
    detalhe.Post();
    ++itens;
  }
  return itens;
}

// --- the selection buttons

void TmVoxDPGerarProtocolo::actSelecionarItemExecute(QObject *) {
  if (!FBtnSelItem || !FBtnSelItem->Enabled()) return;
  if (DBGridEH() && DBGridEH()->Focado())
    MarcarItensMaster();
  else if (DBGridEHDet() && DBGridEHDet()->Focado())
    MarcarItem();
}

void TmVoxDPGerarProtocolo::actSelecionarTodosExecute(QObject *) {
  if (!FBtnSelTodos || !FBtnSelTodos->Enabled()) return;
  TnClientDataSet *mestre = ClientDataSet();
  TnClientDataSet *detalhe = ClientDataSetDet();
  if (!mestre || !detalhe || !mestre->Active() || !detalhe->Active()) return;
  const TmVox &pro = *MapPro();
  const TmVoxItem &item = *MapProItem();
  if (DBGridEH()) DBGridEH()->OcultarRowDetailPanel();

  mestre->DisableControls();
  detalhe->DisableControls();
  TnAoSair habilitar([mestre, detalhe] {
    detalhe->EnableControls();
    mestre->EnableControls();
  });
  for (mestre->First(); !mestre->Eof(); mestre->Next()) {
    mestre->Edit();
    pro.TODOSSELECIONADOS->SetAsInteger(1);
    mestre->Post();
  }
  const bool filtrado = detalhe->Filtered();
  detalhe->SetFiltered(false);
  for (detalhe->First(); !detalhe->Eof(); detalhe->Next()) {
    if (!Vazio(item.PROTOCOLO)) continue;
    const bool marcado = !item.GERAR->IsNull() && item.GERAR->AsInteger() == 1;
    detalhe->Edit();
    item.GERAR->SetAsInteger(marcado ? 0 : 1);
    detalhe->Post();
    if (marcado && mestre->Locate(kCodigoProtocolo, item.CODIGOPROTOCOLO->Value())) {
      mestre->Edit();
      pro.TODOSSELECIONADOS->SetAsInteger(0);
      mestre->Post();
    }
  }
  detalhe->SetFiltered(filtrado);
  mestre->First();
  SetTemAlteracao(true);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPGerarProtocolo>(QStringLiteral("TmVoxDPGerarProtocolo"),
                                                                QStringLiteral("TmVoxDPGerarProtocoloBase"))};
});
void mVoxDPGerarProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPGerarProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
