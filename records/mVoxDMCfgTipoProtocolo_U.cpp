#include "mVoxDMCfgTipoProtocolo_U.h"

#include "nDefinicao_U.h"
#include "nDialogos_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

// The fields a template of the type may name, as the picker offers them:
// a label and the token. The tax-debit list also offers the interest and
// fine forecasts, which the debit query does not give: a template naming
// them keeps the token as typed. Nothing is offered for FGTS debits.
QStringList CamposDoTipo(int tipo) {
  switch (tipo) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
      QStringList campos = {
          QStringLiteral("Código da Empresa [CODIGOEMPRESA]"),
          QStringLiteral("Chave do Débito [CHAVEDEBITO]"),
          QStringLiteral("Código da Filial [CODIGOESTAB]"),
          QStringLiteral("Código do Imposto [CODIGOIMPOSTO]"),
          QStringLiteral("Descrição do Imposto [DESCRIMPOSTO]"),
          QStringLiteral("Descrição para Protocolo [DESCRPROTOCOLO]"),
          QStringLiteral("Variação do Imposto [VARIACAOIMPOSTO]"),
          QStringLiteral("Data do Lançamento no Controle de Tributos [DATALCTOCTR]"),
          QStringLiteral("Período Final do Débito [DATAFINAL]"),
          QStringLiteral("Competência do Débito [COMPETENCIA]"),
          QStringLiteral("Valor do Débito [VALORDEBITO]"),
          QStringLiteral("Data do Vencimento do Débito [DATAVENCIMENTO]"),
          QStringLiteral("Previsão do Valor dos Juros [PREVVALORJUROS]"),
          QStringLiteral("Previsão do Valor da Multa [PREVVALORMULTA]"),
          QStringLiteral("Data Previsão para Juros/Multa [DATAPREV]"),
          QStringLiteral("Situação do Débito [SITUACAODEBITO]"),
          QStringLiteral("Código da Tabela Contábil [CODIGOTABCTBCTR]"),
      };
      // Union dues carry no observation.
      if (tipo != 4) campos << QStringLiteral("Observação [OBSERVDEBITO]");
      return campos;
    }
    case 6:
      return {
          QStringLiteral("Nome do Funcionário [NOMEFUNC]"),
          QStringLiteral("Código do Funcionário [CodigoFuncContr]"),
          QStringLiteral("Quantidade de Funcionários [QUANTIDADE]"),
      };
    case 7:
      return {
          QStringLiteral("Nome do Funcionário [NOMEFUNC]"),
          QStringLiteral("Código do Funcionário [CodigoFuncContr]"),
          QStringLiteral("Rescisão Complementar [COMPLEMENTAR]"),
          QStringLiteral("Código da Causa [CODIGOCAUSA]"),
          QStringLiteral("Código do Saque [CODIGOSAQUE]"),
          QStringLiteral("Tipo do Afastamento na SEFIP [TIPOAFASTSEFIP]"),
          QStringLiteral("Tipo do Afastamento no CAGED [TIPOAFASTCAGED]"),
          QStringLiteral("Tipo do Afastamento na RAIS [TIPOAFASTRAIS]"),
          QStringLiteral("Código do Motivo de Demissão[CODIGOMOTDEM]"),
          QStringLiteral("Data da Rescisão [DATARESC]"),
          QStringLiteral("Data do Aviso Prévio [DATAAVPREVIO]"),
          QStringLiteral("Dias Trabalhados [DIASTRAB]"),
          QStringLiteral("Dias de Aviso Prévio Indenizado [DIASAVINDEN]"),
          QStringLiteral("Dias de Aviso Prévio Reavido[DIASAVREAV]"),
          QStringLiteral("Dias de Estabilidade [DIASESTABIL]"),
          QStringLiteral("Dias de Gratificação [DIASGRATIF]"),
          QStringLiteral("Salário Final[SALFINAL]"),
          QStringLiteral("FGTS do Mês Anterior [FGTSMESANT]"),
          QStringLiteral("Código do FPAS [CODIGOFPAS]"),
          QStringLiteral("Código da Outra Empresa[CODIGOOUTEMP]"),
          QStringLiteral("Saldo do FGTS [SALDOFGTS]"),
          QStringLiteral("Remuneração da Multa [REMMULTA]"),
          QStringLiteral("Valor da Multa [VALORMULTA]"),
          QStringLiteral("Remuneração da Multa Recolhida [REMMULTARECOL]"),
          QStringLiteral("Valor da Multa Recolhido [VALORMULTARECOL]"),
          QStringLiteral("Base do INSS [BASEINSS]"),
          QStringLiteral("Dedução [DEDUCAO]"),
          QStringLiteral("FGTS Recolhido [FGTSRECOL]"),
          QStringLiteral("Valor do INSS [VALORINSS]"),
          QStringLiteral("Remuneração na Rescisão [REMUNRESCISAO]"),
          QStringLiteral("Reposição da Vaga [REPOSICAOVAGA]"),
          QStringLiteral("Aviso Prévio [AVISOPREVIO]"),
      };
    case 8:
      return {
          QStringLiteral("Nome do Funcionário [NOMEFUNC]"),
          QStringLiteral("Código do Funcionário [CodigoFuncContr]"),
          QStringLiteral("Data Inicial[DATAINICIAL]"),
          QStringLiteral("Data Inicial da Férias [DATAINICIALFERIAS]"),
          QStringLiteral("Data Final das Férias [DATAFINALFERIAS]"),
          QStringLiteral("Data do Abono [DATAABONO]"),
          QStringLiteral("Paga Adiantamento de 13º Salário [PAGAADTO13]"),
          QStringLiteral("Data do Pagamento [DATAPGTO]"),
          QStringLiteral("Descontar Adiantamentos [DESCADTO]"),
          QStringLiteral("Forma de Geração [FORMAGERACAO]"),
          QStringLiteral("Dias em Dobro das Férias [DIASDOBROFERIAS]"),
          QStringLiteral("Dias em Dobro do Abono [DIASDOBROABONO]"),
          QStringLiteral("Tipo do Recibo [TIPORECIBO]"),
          QStringLiteral("Data de Retorno das Férias [DATARETORNOFERIAS]"),
          QStringLiteral("Data do Aviso das Férias [DATAAVISO]"),
          QStringLiteral("Data da Solicitação do Abono [DATASOLICABONO]"),
          QStringLiteral("Quantidade de Dias de Abono [DIASABONO]"),
          QStringLiteral("Quantidade de Dias de Férias [DIASFERIAS]"),
          QStringLiteral("Quantidade de Dias Remunerados [DIASREMUN]"),
          QStringLiteral("Descontar em Parcelas [DESCONTPARCELA]"),
          QStringLiteral("Numero de Parcelas para Desconto em Vale[NUMEROPARCELA]"),
          QStringLiteral("Quantidade de Dias de Premio [DIASPREMIO]"),
          QStringLiteral("Valor [VALOR]"),
      };
    case 10:
      return {
          QStringLiteral("Código da Empresa [CODIGOEMPRESA]"),
          QStringLiteral("Chave do Débito [CHAVEDEBITO]"),
          QStringLiteral("Código da Filial [CODIGOESTAB]"),
          QStringLiteral("Código do Funcionário [CodigoFuncContr]"),
          QStringLiteral("Nome do Funcionário [NOMEFUNC]"),
          QStringLiteral("Data do Lançamento no Controle de Tributos [DATALCTOCTR]"),
          QStringLiteral("Período Final do Débito [DATAFINAL]"),
          QStringLiteral("Competência do Débito [COMPETENCIA]"),
          QStringLiteral("Valor do Débito [VALORDEBITO]"),
          QStringLiteral("Data do Vencimento do Débito [DATAVENCIMENTO]"),
          QStringLiteral("Situação do Débito [SITUACAODEBITO]"),
          QStringLiteral("Código da Tabela Contábil [CODIGOTABCTBCTR]"),
          QStringLiteral("Observação [OBSERVDEBITO]"),
      };
    case 11:
      return {
          QStringLiteral("Escritório [CODIGOESCRIT]"),
          QStringLiteral("Série [SERIENS]"),
          QStringLiteral("Número [NUMERONS]"),
          QStringLiteral("Data Emissão [DATAEMISSAONS]"),
          QStringLiteral("Forma de Pagamento [VISTAPRAZO]"),
          QStringLiteral("Nota Cancelada [CANCELADANS]"),
      };
    case 12:
      return {
          QStringLiteral("Escritório [CODIGOESCRIT]"),          QStringLiteral("Nosso Número do boleto [NOSSONUMERO]"),
          QStringLiteral("Data de emissão [DATAEMISSAOCR]"),    QStringLiteral("Data de Vencimento [DATAVCTOCR]"),
          QStringLiteral("Número do Documento [NUMERODCTOCR]"),
      };
    default:
      return {};
  }
}

}  // namespace

TmVoxDMCfgTipoProtocolo::TmVoxDMCfgTipoProtocolo() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOTIPOPROTOCOLO,t_t.DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO t_t ORDER BY "
                     "t_t.CODIGOTIPOPROTOCOLO"));
  SetCaption(QStringLiteral("Tipos Protocolos"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CODIGOTIPOPROTOCOLO");
}

QList<TnMenuDecl> TmVoxDMCfgTipoProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\01 Protocolos");
  menu.Caption = QStringLiteral("Tipos Protocolos");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 4;
  menu.Separador = true;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMCfgTipoProtocolo::ChavePrimaria() const { return QStringLiteral("CODIGOTIPOPROTOCOLO"); }

void TmVoxDMCfgTipoProtocolo::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  // The type is chosen from the generation's types, in the order the user
  // thinks of them (the tax-debit sources first), not by number.
  TnField *tipo = nClientDataSet->FieldByName(QStringLiteral("CODIGOTIPOPROTOCOLO"));
  tipo->SetRequired(true);
  tipo->SetDisplayLabel(QStringLiteral("Tipo de Protocolo"));
  tipo->Definicao().SetHint(QStringLiteral("Escolha o tipo de protocolo que deseja configurar"));
  tipo->Definicao().SetTamanhoMaximo(4);
  tipo->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  tipo->Definicao().SetNomesValores({
      QStringLiteral("Débitos Federais=1"),
      QStringLiteral("Débitos Estaduais=2"),
      QStringLiteral("Débitos Municipais=3"),
      QStringLiteral("Débitos Sindicais=4"),
      QStringLiteral("Débitos GPS=5"),
      QStringLiteral("Débitos FGTS=9"),
      QStringLiteral("Débitos FOLHA=10"),
      QStringLiteral("Folha de Pagamento=6"),
      QStringLiteral("Rescisão=7"),
      QStringLiteral("Férias=8"),
      QStringLiteral("Financeiro - Notas Fiscais=11"),
      QStringLiteral("Financeiro - Boletos=12"),
  });
  tipo->Definicao().LigarTextos();

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRTIPOPROTOCOLO"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição que será gerada nos protocolos"));
  descricao->Definicao().SetTipoControle(TnTipoControle::ButtonEdit);
  descricao->Definicao().OnButtonClick = [this](TnField &campo) {
    nClientDataSetDESCRTIPOPROTOCOLODefIntButtonClick(campo);
  };
}

void TmVoxDMCfgTipoProtocolo::nClientDataSetDESCRTIPOPROTOCOLODefIntButtonClick(TnField &) {
  TnClientDataSet &dados = *nClientDataSet;
  const TnField *tipo = dados.FieldByName(QStringLiteral("CODIGOTIPOPROTOCOLO"));
  if (dados.IsEmpty() || tipo->IsNull()) return;

  QString linha;
  if (!nInputQueryListBox(QStringLiteral("Configuração Nome Arquivo"), CamposDoTipo(tipo->AsInteger()), linha)) return;

  if (dados.State() != TnDataSetState::Edit && dados.State() != TnDataSetState::Insert) dados.Edit();
  // Only the token goes into the template; some labels have no space before
  // it ("Salário Final[SALFINAL]").
  const qsizetype abre = linha.indexOf(QLatin1Char('['));
  const QString token = abre >= 0 ? linha.mid(abre) : linha;
  TnField *descricao = dados.FieldByName(QStringLiteral("DESCRTIPOPROTOCOLO"));
  // The editor's text, not the stored value: what the user typed and has
  // not posted yet stays. A template that cannot take the whole token
  // refuses it (the field's size), rather than keep half a token.
  descricao->SetAsString(EdFindFieldControl(descricao)->Text() + token);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMCfgTipoProtocolo>(QStringLiteral("TmVoxDMCfgTipoProtocolo"),
                                                                  QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMCfgTipoProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMCfgTipoProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
