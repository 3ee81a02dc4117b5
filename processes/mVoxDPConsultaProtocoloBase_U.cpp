#include "mVoxDPConsultaProtocoloBase_U.h"

#include <memory>

#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDialogos_U.h"
#include "nFrmVisual_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCodigoProtocolo = QStringLiteral("CodigoProtocolo");
// The session's selection parameter that puts the register on one protocol.
const QString kSelecaoProtocolo = QStringLiteral("CODIGOPROTOCOLO");
const QString kAbrirLcto = QStringLiteral("Abrir Cadastro do Lançamento");
const QString kCadastroLctos = QStringLiteral("Cadastro dos Lançamentos");
constexpr int kImagemCadastro = 160;

}  // namespace

TmVoxDPConsultaProtocoloBase::TmVoxDPConsultaProtocoloBase() {
  TnpqPowerParam &params = npqPowerParam();
  params.Adicionar({.Alias = QStringLiteral("pCodigoProtocolo"),
                    .Caption = QStringLiteral("Protocolo"),
                    .Tipo = TnTipoParam::Selecao,
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("CODIGOPROTOCOLO"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOEMPRESA"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOESTAB"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pFormaEntrega"),
                    .Caption = QStringLiteral("Forma Entrega"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("1"),
                    .Valores = QStringLiteral("Todos=0;Retirado=1;Entregue em Mãos=2;Entregue via Internet=3")});
  params.Adicionar({.Alias = QStringLiteral("pTipoProtocolo"),
                    .Caption = QStringLiteral("Tipo"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("0"),
                    .Hint = QStringLiteral("Informe o tipo do protocolo a ser considerado no filtro"),
                    .Valores = QStringLiteral("Ambos=0;Guias=1;Documentos=2;")});
  params.Adicionar({.Alias = QStringLiteral("pDataLctoInicial"),
                    .Caption = QStringLiteral("Data Lcto Inicial"),
                    .Tipo = TnTipoParam::Data,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = QStringLiteral("pDataLctoFinal"),
                    .Caption = QStringLiteral("Data Lcto Final"),
                    .Tipo = TnTipoParam::Data,
                    .Dicionario = QStringLiteral("DICDATA")});
}

TmVoxDPConsultaProtocoloBase::~TmVoxDPConsultaProtocoloBase() = default;

void TmVoxDPConsultaProtocoloBase::SetHintFormaEntrega(const QString &hint) {
  npqPowerParam().Param(QStringLiteral("pFormaEntrega"))->SetHint(hint);
}

void TmVoxDPConsultaProtocoloBase::DataModuleCreate() {
  TnDMPowerParamGrid::DataModuleCreate();
  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(kCodigoProtocolo, TnFieldType::LargeInt, 0, false, 10);
  dados.AddFieldDef(QStringLiteral("CodigoEmpresa"), TnFieldType::SmallInt);
  dados.AddFieldDef(QStringLiteral("CodigoEstab"), TnFieldType::SmallInt);
  dados.AddFieldDef(QStringLiteral("DataLctoPro"), TnFieldType::Date);
  dados.AddFieldDef(QStringLiteral("Observacao"), TnFieldType::String, 50);
  dados.CreateDataSet();
  const std::pair<const char *, const char *> rotulos[] = {{"CodigoProtocolo", "Protocolo"},
                                                           {"CodigoEmpresa", "Empresa"},
                                                           {"CodigoEstab", "Filial"},
                                                           {"DataLctoPro", "Data Protocolo"},
                                                           {"Observacao", "Obs"}};
  for (const auto &[campo, rotulo] : rotulos)
    dados.FieldByName(QLatin1String(campo))->SetDisplayLabel(QString::fromUtf8(rotulo));
}

void TmVoxDPConsultaProtocoloBase::ValidarDado() {
  TnDMPowerParamGrid::ValidarDado();
  SetCodigoProtocolo(Param(QStringLiteral("pCodigoProtocolo")));
  SetCodigoEmpresa(Param(QStringLiteral("pCodigoEmpresa")));
  SetCodigoEstab(Param(QStringLiteral("pCodigoEstab")));
  FFormaEntrega = ParamInteiro(QStringLiteral("pFormaEntrega"));
  FTipoLocal = ParamInteiro(QStringLiteral("pTipoProtocolo"));
  FDataInicial = ParamData(QStringLiteral("pDataLctoInicial"));
  FDataFinal = ParamData(QStringLiteral("pDataLctoFinal"));
}

void TmVoxDPConsultaProtocoloBase::Executar() {
  TnDMPowerParamGrid::Executar();
  TnClientDataSet &dados = nClientDataSet();
  dados.EmptyDataSet();

  QString sql =
      QStringLiteral(
          "select CODIGOPROTOCOLO ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,OBSERVACAO from PROTOCOLO where ") +
      GetCampoFiltro();
  const std::pair<const QString &, const char *> selecoes[] = {
      {FCodigoDocumento, "CODIGOPROTOCOLO"}, {FCodigoEmpresa, "CODIGOEMPRESA"}, {FCodigoEstab, "CODIGOESTAB"}};
  for (const auto &[valor, coluna] : selecoes)
    if (!valor.isEmpty()) sql += FilterInterval(QLatin1String(coluna), valor, 1, true, 3);
  QVariantList valores;
  if (FDataInicial.isValid() && FDataFinal.isValid()) {
    sql += QStringLiteral(" and DATALCTOPRO between :pDataInicial and :pDataFinal");
    valores << FDataInicial << FDataFinal;
  } else if (FDataInicial.isValid()) {
    sql += QStringLiteral(" and DATALCTOPRO > :pDataInicial");
    valores << FDataInicial;
  } else if (FDataFinal.isValid()) {
    sql += QStringLiteral(" and DATALCTOPRO < :pDataFinal");
    valores << FDataFinal;
  }
  // Both columns are one character: compared as text on every engine.
  if (FFormaEntrega != 0) sql += QStringLiteral(" and FORMAENTREGA = ") + ValorParaSQL(QString::number(FFormaEntrega));
  if (FTipoLocal != 0) sql += QStringLiteral(" and TIPOPRO = ") + ValorParaSQL(QString::number(FTipoLocal));

  std::unique_ptr<TnClientDataSet> resultado = ExecutarSQL(sql, valores);
  TnAoSair liberar([&] { DestruirSQL(resultado); });
  CopyDataCDS(*resultado, dados);
  dados.First();
}

void TmVoxDPConsultaProtocoloBase::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamGrid::DepoisConfigurar(form);
  TnDBGridEh *grid = nDBGrid();
  if (grid) grid->OnDblClick = [this](QObject *sender) { nDBGridDblClick(sender); };
  FMostrarMsg = true;
  if (!form) return;
  if (grid)
    grid->CriarItemPopup(kAbrirLcto, kImagemCadastro, QString(), [this](QObject *sender) { actAbrirLcto(sender); });
  FBtnAbrirLcto = form->CriarToolButton(
      kCadastroLctos, kCadastroLctos, kImagemCadastro, [this](QObject *sender) { actAbrirLcto(sender); },
      QStringLiteral("Ctrl+Enter"), 0, -1, false, true, true);
}

void TmVoxDPConsultaProtocoloBase::nDBGridDblClick(QObject *sender) { actAbrirLcto(sender); }

void TmVoxDPConsultaProtocoloBase::actAbrirLcto(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || dados.IsEmpty()) return;
  const TnField *codigo = dados.FieldByName(kCodigoProtocolo);
  if (codigo->IsNull()) return;
  const qint64 protocolo = codigo->AsLargeInt();

  auto *dm = dynamic_cast<TnDMClientDataSet *>(
      CriarDM(QStringLiteral("TmVoxDMProtocolo"), nullptr, QStringLiteral("Individual")));
  TnSelecao &selecao = nDMConexao()->Selecao();
  TnAoSair liberar([&] {
    if (dm) nLiberarDM(dm);
    if (selecao.TemParam(kSelecaoProtocolo)) selecao.RemoverParam(kSelecaoProtocolo);
  });
  if (!dm) return;
  dm->SetVerificaSelecaoManual(QStringLiteral("CODIGOEMPRESA;CODIGOPROTOCOLO"));
  dm->SetAtualizarAoExibir(false);
  selecao.SetParam(kSelecaoProtocolo, protocolo);
  if (dm->nClientDataSet->Active())
    dm->Refresh();
  else
    dm->Abrir();
  TnFrmVisual *form = dm->CriarForm();
  form->ConfigurarActionForm({0, 2, 3}, false);
  form->ShowModal();
  if (FMostrarMsg) {
    nMessageDlg(QStringLiteral("As alterações feitas no cadastro somente serão visualizadas na consulta quando o "
                               "processo for executado novamente."),
                TMsgDlgType::mtInformation, {QStringLiteral("Ok")});
    FMostrarMsg = false;
  }
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaProtocoloBase>(QStringLiteral("TmVoxDPConsultaProtocoloBase"),
                                                                       QStringLiteral("TnDMPowerParamGrid"))};
});
void mVoxDPConsultaProtocoloBase_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaProtocoloBase_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
