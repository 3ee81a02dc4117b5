#include "mVoxDPGerarProtocolo_U.h"

#include <QDateTime>
#include <QSqlQuery>
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
  FSqlCfgDescr = std::make_unique<TnLeituraModelo>();
  FProgresso = CriarProgresso();
  FProgresso->MostrarMultiplo(lista->RecordCount(), QString());
  TnAoSair liberar([this] {
    curDados = nullptr;
    FInstrucoes.clear();
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
  SetCodProtocolo(CodProtocolo() - 1);
}

void TmVoxDPGerarProtocolo::GerarProtocolosFinanceiro() {
  std::unique_ptr<TnClientDataSet> lista = CriarListaEmpresaEstab(FEmpresa, FEstab);
  if (lista->IsEmpty()) return;
  TnAoSair liberar([this] {
    FProgresso = nullptr;
    LiberarProgresso();
  });
  const int modos[] = {0, 1};
  for (int modo : modos) {
    FProgresso = CriarProgresso();
    FProgresso->MostrarMultiplo(lista->RecordCount(),
                                modo == 0 ? QStringLiteral("Escritório") : QStringLiteral("Cliente"));
    lista->First();
    PercorrerEstabsFinanceiro(*lista, modo);
  }
}

void TmVoxDPGerarProtocolo::PercorrerEstabsFinanceiro(TnClientDataSet &, int) {}

int TmVoxDPGerarProtocolo::InserirPro(int codigoEmpresa, int codigoEstab, const QString &nomeEmpresa,
                                      const QString &nomeEstab) {
  SetCodProtocolo(CodProtocolo() + 1);
  const QDateTime agora = nDMConexao()->Now();
  QString observacao = QStringLiteral("Gerado em ") + agora.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
  if (FFormaGer == 2) observacao = FTituloTipo + QStringLiteral(" - ") + observacao;

  TnClientDataSet &mestre = *ClientDataSet();
  const TmVox &pro = *MapPro();
  mestre.Append();
  pro.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
  pro.CODIGOEMPRESA->SetAsInteger(codigoEmpresa);
  pro.CODIGOESTAB->SetAsInteger(codigoEstab);
  pro.EMPRESA->SetAsString(QStringLiteral("%1 - %2").arg(codigoEmpresa).arg(nomeEmpresa));
  pro.ESTAB->SetAsString(QStringLiteral("%1 - %2").arg(codigoEstab).arg(nomeEstab));
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
  FMontador = mVoxMontadorFPA(MascaraDescr(), FTipo, FTipoFolha, dados);
  TnAoSair soltar([this] { FMontador.reset(); });
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

// One read per establishment and type adds up in a large office: the
// statement is prepared once per pass and its single value read directly.
struct TmVoxDPGerarProtocolo::TnLeituraModelo {
  const QString SQL = QStringLiteral(
      "select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = :pCodigoTipoProtocolo");
  const TnSQLParametros Parametros{SQL};
  QSqlQuery Consulta = nDMConexao()->NovaQuery();
  TnLeituraModelo() { nDMConexao()->PrepararQuery(Consulta, Parametros, SQL); }

  QString Ler(int tipo) {
    nDMConexao()->ExecutarPreparada(Consulta, Parametros, {tipo}, SQL);
    const QVariant valor = Consulta.next() ? Consulta.value(0) : QVariant();
    Consulta.finish();
    return valor.isNull() ? QString() : valor.toString();
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
  FMontador = mVoxMontadorCTR(MascaraDescr(), dados);
  TnAoSair soltar([this] { FMontador.reset(); });
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
