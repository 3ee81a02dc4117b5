#include "mVoxDPConfiguracaoEntrega_U.h"

#include <vector>

#include "nAoSair_U.h"
#include "nCadastroIndividual_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDialogos_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFraControle_U.h"
#include "nFraProgresso_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nListasEmpresa_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kEmpresa = QStringLiteral("CODIGOEMPRESA");
const QString kEstab = QStringLiteral("CODIGOESTAB");
const QString kGrupo = QStringLiteral("CODIGOGRUPODOC");
const QString kForma = QStringLiteral("FORMAENTREGA");
const QString kMesmoEndereco = QStringLiteral("MESMOENDERECOENT");
const QString kControleForma = QStringLiteral("Forma de Entrega");
constexpr int kEntregueEmMaos = 2;

// A field the user left empty: null, or a text of blanks.
bool Vazio(const TnField *campo) { return campo->IsNull() || campo->AsString().trimmed().isEmpty(); }

// A configuration column and the name the row check gives it.
struct TnCampoConferido {
  const QString &Campo;
  const char *Rotulo;
};

}  // namespace

TmVoxDPConfiguracaoEntrega::TmVoxDPConfiguracaoEntrega() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Configurar Forma Entrega"));
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Caption = QStringLiteral("Empresa"),
                    .Tipo = TnTipoParam::Selecao,
                    .Hint = QStringLiteral("Informe o código da empresa"),
                    .Dicionario = kEmpresa,
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Caption = QStringLiteral("Filial"),
                    .Tipo = TnTipoParam::Selecao,
                    .Hint = QStringLiteral("Informe o código da filial"),
                    .Dicionario = kEstab,
                    .MultiSelecao = true});
}

TmVoxDPConfiguracaoEntrega::~TmVoxDPConfiguracaoEntrega() = default;

QList<TnMenuDecl> TmVoxDPConfiguracaoEntrega::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes");
  menu.Caption = QStringLiteral("Configurar Forma Entrega");
  menu.Index = 2;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

void TmVoxDPConfiguracaoEntrega::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  ConfigurarGridConfiguracao();
  FCodigoEmpresa.clear();
  FCodigoEstab.clear();

  TnClientDataSet &dados = nClientDataSet();
  dados.AddFieldDef(kEmpresa, TnFieldType::SmallInt);
  dados.AddFieldDef(kEstab, TnFieldType::SmallInt);
  dados.AddFieldDef(kGrupo, TnFieldType::SmallInt);
  dados.AddFieldDef(kForma, TnFieldType::String, 20);
  dados.AddFieldDef(kMesmoEndereco, TnFieldType::String, 20);
  dados.CreateDataSet();
  dados.SetnLogChanges(false);
  for (const QString &nome : {kEmpresa, kEstab, kGrupo}) {
    TnField *campo = dados.FieldByName(nome);
    campo->Definicao().SetDicionario(nome);
    campo->Definicao().SetTamanhoMaximo(4);
  }
  TnField *forma = dados.FieldByName(kForma);
  forma->SetDisplayLabel(QStringLiteral("Forma Entrega"));
  forma->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  forma->Definicao().SetNomesValores(
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"), QStringLiteral("Entregue via Internet=3")});
  TnField *mesmoEndereco = dados.FieldByName(kMesmoEndereco);
  mesmoEndereco->SetDisplayLabel(QStringLiteral("Mesmo Endereço"));
  mesmoEndereco->SetDisplayWidth(10);
  mesmoEndereco->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  mesmoEndereco->Definicao().SetNomesValores({QStringLiteral("Sim=1"), QStringLiteral("Não=0")});

  Dicionario(dados);
  AddFieldLookup(dados);
  // The two columns keep the value ("1", "2", "3"; "1", "0") and show and
  // take the names of their lists.
  mesmoEndereco->Definicao().LigarTextos();
  forma->Definicao().LigarTextos();
  dados.AfterPost = [this](TnClientDataSet &) { SetTemAlteracao(true); };
}

void TmVoxDPConfiguracaoEntrega::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  FCodigoEmpresa = Param(QStringLiteral("pCodigoEmpresa"));
  FCodigoEstab = Param(QStringLiteral("pCodigoEstab"));
}

void TmVoxDPConfiguracaoEntrega::Executar() {
  TnDMPowerParamTab::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  FEnderecosPedidos.clear();
  CarregarDados();
  SetTemAlteracao(false);
}

void TmVoxDPConfiguracaoEntrega::CarregarDados() {
  TnClientDataSet &dados = nClientDataSet();
  std::unique_ptr<TnClientDataSet> lista = CriarListaEmpresaEstab(FCodigoEmpresa, FCodigoEstab);
  TnFraProgresso *progresso = CriarProgresso();
  progresso->MostrarSimples(lista->RecordCount(), QStringLiteral("Carregando filiais..."));
  DesabilitarControles();
  TnAoSair fim([&] {
    lista.reset();
    LiberarProgresso();
    dados.SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
    dados.First();
    HabilitarControles();
  });
  SetTemAlteracao(true);
  const TnField *empresa = lista->FieldByName(kEmpresa);
  const TnField *estab = lista->FieldByName(kEstab);
  TnField *destinoEmpresa = dados.FieldByName(kEmpresa);
  TnField *destinoEstab = dados.FieldByName(kEstab);
  for (lista->First(); !lista->Eof(); lista->Next()) {
    dados.Append();
    destinoEmpresa->SetAsInteger(empresa->AsInteger());
    destinoEstab->SetAsInteger(estab->AsInteger());
    dados.Post();
    progresso->IncProgressoTotal();
  }
}

void TmVoxDPConfiguracaoEntrega::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  if (Form()) {
    CriarTabGrid(QStringLiteral("Configuração da Forma de Entrega do Documento"));
    if (TnDBGridEh *grid = nDBGrid()) {
      grid->OnEditButtonClick = [this](QObject *sender) { nDBGridEditButtonClick(sender); };
      grid->OnKeyDown = [this](TnDBGridEh &sender, int &key, TShiftState shift) { nDBGridKeyDown(sender, key, shift); };
      grid->OnTitleClick = [this](TnDBGridEh &sender, TnColunaGrid &coluna) { nDBGridTitleClick(sender, coluna); };
      // The names of the company and the establishment are shown beside the
      // codes, never typed; the codes stay editable.
      for (const QString &codigo : {kEmpresa, kEstab})
        for (const QString &nome : nClientDataSet().FieldByName(codigo)->Definicao().LookupResultFields())
          if (TnColunaGrid *coluna = grid->Coluna(nome)) coluna->ReadOnly = true;
      grid->CriarItemPopup(QStringLiteral("Configurar Grupo de Documentos/Forma Entrega"), -1, QString(),
                           [this](QObject *sender) { actConfig(sender); });
      grid->CriarItemPopup(QStringLiteral("Configurar Grupo de Documentos/Forma Entrega (Todos)"), -1, QString(),
                           [this](QObject *sender) { actConfigAll(sender); });
    }
  }
  SetTemAlteracao(false);
  if (form) {
    FBtnConfig = form->CriarToolButton(
        QStringLiteral("Cofiguracoes"), QStringLiteral("Efetuar configurações (Registro selecionado)"), 46,
        [this](QObject *sender) { actConfig(sender); }, QStringLiteral("Ctrl+T"), 0, -1, true, true, true);
    FBtnConfigAll = form->CriarToolButton(
        QStringLiteral("ConfiguracoesTodos"), QStringLiteral("Efetuar configurações (Todos os registros)"), 45,
        [this](QObject *sender) { actConfigAll(sender); }, QStringLiteral("Ctrl+Ins"), 0, -1, false, true, true);
  }
}

// --- configuring rows

bool TmVoxDPConfiguracaoEntrega::GridComLinhas() {
  const TnClientDataSet &dados = nClientDataSet();
  return dados.Active() && !dados.IsEmpty();
}

void TmVoxDPConfiguracaoEntrega::AplicarConfigs() {
  TnClientDataSet &dados = nClientDataSet();
  if (dados.State() == TnDataSetState::Browse) dados.Edit();
  // A value left empty in the dialog stays empty here, so the row check
  // asks for it instead of storing group or form 0.
  TnField *grupo = dados.FieldByName(kGrupo);
  if (FCodigoGrupoDoc > 0)
    grupo->SetAsInteger(FCodigoGrupoDoc);
  else
    grupo->Clear();
  TnField *forma = dados.FieldByName(kForma);
  if (FFormaEntrega > 0)
    forma->SetAsInteger(FFormaEntrega);
  else
    forma->Clear();
  dados.FieldByName(kMesmoEndereco)->SetAsBoolean(FMesmoEndereco);
  dados.Post();
}

void TmVoxDPConfiguracaoEntrega::actConfig(QObject *) {
  FPedirEndereco = true;
  if (!GridComLinhas() || !PegarConfigs()) return;
  TnClientDataSet &dados = nClientDataSet();
  AplicarConfigs();
  // The address is asked for once the save has stored the configuration:
  // the address register refuses an establishment not configured for it.
  const TnField *empresa = dados.FieldByName(kEmpresa);
  const TnField *estab = dados.FieldByName(kEstab);
  if (Vazio(empresa) || Vazio(estab)) return;
  const QPair<int, int> filial(empresa->AsInteger(), estab->AsInteger());
  FEnderecosPedidos.removeAll(filial);
  if (FFormaEntrega == kEntregueEmMaos && !FMesmoEndereco) FEnderecosPedidos.append(filial);
}

void TmVoxDPConfiguracaoEntrega::actConfigAll(QObject *) {
  FPedirEndereco = false;
  if (!GridComLinhas() || !PegarConfigs()) return;
  TnClientDataSet &dados = nClientDataSet();
  const int recNo = dados.RecNo();
  DesabilitarControles();
  TnFraProgresso *progresso = CriarProgresso();
  progresso->MostrarSimples(recNo, dados.RecordCount(), QStringLiteral("Configurando filiais..."));
  TnAoSair fim([&] {
    LiberarProgresso();
    dados.SetRecNo(recNo);
    HabilitarControles();
  });
  // The rows are taken in the order shown before any of them changes: a
  // grid ordered by a configuration column moves a row when it is posted.
  std::vector<TnBookmark> linhas;
  for (; !dados.Eof(); dados.Next()) linhas.push_back(dados.GetBookmark());
  const TnField *empresa = dados.FieldByName(kEmpresa);
  const TnField *estab = dados.FieldByName(kEstab);
  for (TnBookmark linha : linhas) {
    dados.GotoBookmark(linha);
    AplicarConfigs();
    if (!Vazio(empresa) && !Vazio(estab))
      FEnderecosPedidos.removeAll(QPair<int, int>(empresa->AsInteger(), estab->AsInteger()));
    progresso->IncProgressoTotal();
  }
}

bool TmVoxDPConfiguracaoEntrega::PegarConfigs() {
  TnFrmDlgScrollBox dialogo(QStringLiteral("Informe as configurações!"), 450, 150);
  dialogo.OnCloseQuery = [this](TnFrmDlg &sender, bool &podeFechar) { FormCloseQuery(sender, podeFechar); };
  TnFraControle *grupo =
      dialogo.CriarControlsFraFields(QStringLiteral("Grupo Tipo Doc"), TnTipoFraControle::Inteiro, 15, kGrupo,
                                     QStringLiteral("Informe o código do grupo de documentos"));
  dialogo.AlinharControls();
  TnFraControle *forma = dialogo.CriarControlsFraFields(
      kControleForma, TnTipoFraControle::Escolha, 20, QString(),
      QStringLiteral("Informe o tipo da entrega dos protocolos"),
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"), QStringLiteral("Entregue via Internet=3")});
  forma->SetAsInteger(kEntregueEmMaos);
  dialogo.AlinharControls();
  if (dialogo.ShowModal() != mrOk) return false;
  FCodigoGrupoDoc = grupo->GetAsInteger();
  FFormaEntrega = forma->GetAsInteger();
  return true;
}

void TmVoxDPConfiguracaoEntrega::FormCloseQuery(TnFrmDlg &sender, bool &podeFechar) {
  podeFechar = true;
  if (sender.ModalResult() == mrCancel) return;
  const auto *dialogo = dynamic_cast<TnFrmDlgScrollBox *>(&sender);
  const TnFraControle *forma = dialogo ? dialogo->ControlePorLabel(kControleForma) : nullptr;
  if (!forma || forma->GetAsInteger() != kEntregueEmMaos) return;
  FMesmoEndereco = nMessageDlg(QStringLiteral("O endereço de entrega dos protocolos é o mesmo da filial?"),
                               TMsgDlgType::mtConfirmation, nBotoesSimNao()) == 0;
  if (FMesmoEndereco || FPedirEndereco) return;
  nMessageDlg(QStringLiteral("Atenção! Após a geração você terá que cadastrar o novo endereço para entrega dos "
                             "protocolos."),
              TMsgDlgType::mtInformation, nBotaoOK());
}

// --- grid events

void TmVoxDPConfiguracaoEntrega::nDBGridEditButtonClick(QObject *) {
  TnDBGridEh *grid = nDBGrid();
  TnField *campo = grid ? grid->SelectedField() : nullptr;
  if (!campo) return;
  const QString nome = campo->FieldName();
  if (nome.compare(kEmpresa, Qt::CaseInsensitive) == 0) {
    nEscolherNoLookup(campo, QStringLiteral("TrTulDCEmpresa"), QStringLiteral("CodigoEmpresa"));
  } else if (nome.compare(kEstab, Qt::CaseInsensitive) == 0) {
    const TnField *empresa = nClientDataSet().FieldByName(kEmpresa);
    if (Vazio(empresa)) return;
    nEscolherNoLookup(campo, QStringLiteral("TrTulDCEstab"), QStringLiteral("CodigoEstab"),
                      QStringLiteral("CodigoEmpresa = ") + QString::number(empresa->AsInteger()));
  } else if (nome.compare(kGrupo, Qt::CaseInsensitive) == 0) {
    nEscolherNoLookup(campo, QStringLiteral("TmVoxDCProtocoloGrupoDoc"), kGrupo);
  }
}

void TmVoxDPConfiguracaoEntrega::nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState) {
  if (key == nTeclaEnter) SetarFocoColunaGrid(&sender, sender.SelectedIndex(), true);
}

void TmVoxDPConfiguracaoEntrega::nDBGridTitleClick(TnDBGridEh &, TnColunaGrid &coluna) {
  nClientDataSet().SetIndexFieldNames(coluna.FieldName);
}

// --- the save

bool TmVoxDPConfiguracaoEntrega::ValidarConfiguracoes() {
  TnClientDataSet &dados = nClientDataSet();
  // The configuration in the order the user is asked for it, then the key
  // of a row configured without one (it would be stored as no
  // establishment at all).
  const TnCampoConferido conferidos[] = {{kGrupo, "Grupo Documento"},
                                         {kForma, "Forma Entrega"},
                                         {kMesmoEndereco, "Mesmo Endereço"},
                                         {kEmpresa, "Empresa"},
                                         {kEstab, "Filial"}};
  for (dados.First(); !dados.Eof(); dados.Next()) {
    if (Vazio(dados.FieldByName(kGrupo)) && Vazio(dados.FieldByName(kForma)) &&
        Vazio(dados.FieldByName(kMesmoEndereco)))
      continue;
    for (const TnCampoConferido &conferido : conferidos) {
      TnField *campo = dados.FieldByName(conferido.Campo);
      if (!Vazio(campo)) continue;
      HabilitarControles();
      if (TnDBGridEh *grid = nDBGrid()) {
        grid->SetSelectedField(campo);
        grid->SetFocus();
      }
      nMessageDlg(QStringLiteral("Preencha o campo ") + QString::fromUtf8(conferido.Rotulo), TMsgDlgType::mtWarning,
                  nBotaoOK());
      return false;
    }
  }
  return true;
}

QString TmVoxDPConfiguracaoEntrega::PegarSQLDelete() const {
  return QStringLiteral(
      "delete from CFGESTABPRO where CODIGOEMPRESA = :pCodigoEmpresa and CODIGOESTAB = :pCodigoEstab");
}

QString TmVoxDPConfiguracaoEntrega::PegarSQLInsert() const {
  return QStringLiteral(
      "insert into CFGESTABPRO (CODIGOEMPRESA ,CODIGOESTAB ,CODIGOGRUPODOC ,FORMAENTREGA ,MESMOENDERECOENT) values "
      "(:pCODIGOEMPRESA ,:pCODIGOESTAB ,:pCODIGOGRUPODOC ,:pFORMAENTREGA ,:pMESMOENDERECOENT )");
}

void TmVoxDPConfiguracaoEntrega::PrepararSQL() {
  sqlDelete = std::make_unique<TnSQLDataSet>();
  sqlDelete->SetSQLConnection(nDMConexao());
  sqlDelete->SetCommandText(PegarSQLDelete());
  sqlDelete->SetPrepared(true);
  for (int i = 0; i < 2; ++i) sqlDelete->Params(i).SetDataType(TnFieldType::Integer);

  sqlInsert = std::make_unique<TnSQLDataSet>();
  sqlInsert->SetSQLConnection(nDMConexao());
  sqlInsert->SetCommandText(PegarSQLInsert());
  sqlInsert->SetPrepared(true);
  for (int i = 0; i < 3; ++i) sqlInsert->Params(i).SetDataType(TnFieldType::Integer);
  for (int i = 3; i < 5; ++i) sqlInsert->Params(i).SetDataType(TnFieldType::String);
}

// An empty key is bound as null, never as 0: no row of no establishment is
// ever written.
void TmVoxDPConfiguracaoEntrega::ExcluirConfiguracao() {
  const TnClientDataSet &dados = nClientDataSet();
  sqlDelete->Params(0).SetValue(dados.FieldByName(kEmpresa)->Value());
  sqlDelete->Params(1).SetValue(dados.FieldByName(kEstab)->Value());
  sqlDelete->ExecSQL();
}

void TmVoxDPConfiguracaoEntrega::InserirConfiguracao() {
  const TnClientDataSet &dados = nClientDataSet();
  sqlInsert->Params(0).SetValue(dados.FieldByName(kEmpresa)->Value());
  sqlInsert->Params(1).SetValue(dados.FieldByName(kEstab)->Value());
  sqlInsert->Params(2).SetValue(dados.FieldByName(kGrupo)->Value());
  sqlInsert->Params(3).SetValue(dados.FieldByName(kForma)->AsString().trimmed());
  sqlInsert->Params(4).SetValue(dados.FieldByName(kMesmoEndereco)->AsString().trimmed());
  sqlInsert->ExecSQL();
}

void TmVoxDPConfiguracaoEntrega::DesabilitarControles() {
  if (FControlesDesabilitados) return;
  nClientDataSet().DisableControls();
  FControlesDesabilitados = true;
}

void TmVoxDPConfiguracaoEntrega::HabilitarControles() {
  if (!FControlesDesabilitados) return;
  FControlesDesabilitados = false;
  nClientDataSet().EnableControls();
}

bool TmVoxDPConfiguracaoEntrega::Gravar() {
  TnClientDataSet &dados = nClientDataSet();
  TnFraProgresso *progresso = nullptr;
  TnAoSair fim([this] {
    sqlDelete.reset();
    sqlInsert.reset();
    LiberarProgresso();
    HabilitarControles();
  });
  try {
    const bool gravado = nGravarPorSubstituicao(
        QStringLiteral("Deseja realmente excluir as configurações antigas e gravar as novas?"),
        [&] {
          progresso = CriarProgresso();
          progresso->MostrarSimples(dados.RecordCount(), QStringLiteral("Inserindo as configurações..."));
          DesabilitarControles();
          // The check has told the user what is missing.
          if (!ValidarConfiguracoes()) throw EAbort();
        },
        [&] {
          PrepararSQL();
          const TnField *grupo = dados.FieldByName(kGrupo);
          const TnField *forma = dados.FieldByName(kForma);
          const TnField *mesmoEndereco = dados.FieldByName(kMesmoEndereco);
          for (dados.First(); !dados.Eof(); dados.Next()) {
            ExcluirConfiguracao();
            if (!Vazio(grupo) && !Vazio(forma) && !Vazio(mesmoEndereco)) InserirConfiguracao();
            progresso->IncProgressoTotal();
          }
        },
        QStringLiteral("Configuração gravada com sucesso!"), &dados);
    if (!gravado) return false;
  } catch (const EAbort &) {
    return false;
  }
  SetTemAlteracao(false);
  dados.First();
  return true;
}

void TmVoxDPConfiguracaoEntrega::actGravarExecute(QObject *sender) {
  TnDMPowerParamTab::actGravarExecute(sender);
  if (!nClientDataSet().Active()) return;
  if (Gravar()) AbrirEnderecosPedidos();
}

void TmVoxDPConfiguracaoEntrega::AbrirEnderecosPedidos() {
  const QList<QPair<int, int>> pedidos = FEnderecosPedidos;
  FEnderecosPedidos.clear();
  TnClientDataSet cursor;
  cursor.CloneCursor(&nClientDataSet(), true);
  for (const auto &[empresa, estab] : pedidos) {
    // A row taken out of the grid was not saved: its address is not asked
    // for. The rest is decided on the stored configuration.
    if (!cursor.Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{empresa, estab})) continue;
    const QString condicao = QStringLiteral("CODIGOEMPRESA = %1 and CODIGOESTAB = %2").arg(empresa).arg(estab);
    const QVariant forma =
        nDMSQLDataSet()->PegarValorCampo(QStringLiteral("CFGESTABPRO"), QStringLiteral("FORMAENTREGA"), condicao);
    const QVariant mesmoEndereco =
        nDMSQLDataSet()->PegarValorCampo(QStringLiteral("CFGESTABPRO"), QStringLiteral("MESMOENDERECOENT"), condicao);
    if (forma.toString().trimmed() != QString::number(kEntregueEmMaos) ||
        mesmoEndereco.toString().trimmed() != QStringLiteral("0"))
      continue;
    if (nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("ESTABENTREGA"), QStringLiteral("CODIGOEMPRESA"), condicao))
      continue;
    nAbrirCadastroIndividual(QStringLiteral("TmVoxDMEstabEntrega"), {kEmpresa, kEstab}, {empresa, estab});
  }
}

// --- cancel and page change

void TmVoxDPConfiguracaoEntrega::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && TemAlteracao()) dados.CancelUpdates();
  if (!FNaoExecutar) Executar();
}

void TmVoxDPConfiguracaoEntrega::nPageControlOnChanging(int indicePagina, bool &permitir) {
  FNaoExecutar = indicePagina == 1;
  TnDMPowerParamTab::nPageControlOnChanging(indicePagina, permitir);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConfiguracaoEntrega>(QStringLiteral("TmVoxDPConfiguracaoEntrega"),
                                                                     QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPConfiguracaoEntrega_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConfiguracaoEntrega_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
