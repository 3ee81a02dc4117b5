#include "mVoxDPConfiguradorTipoGrupo_U.h"

#include <cmath>

#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDefinicao_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kGrupo = QStringLiteral("pCodigoGrupoDoc");
const QString kTipo = QStringLiteral("CODIGOTIPODOC");
const QString kTipoNulo = QStringLiteral("O código do Tipo não pode ser nulo!");

}  // namespace

TmVoxDPConfiguradorTipoGrupo::TmVoxDPConfiguradorTipoGrupo() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Configurador dos Tipos de Documento nos Grupos"));
  params.Adicionar({.Alias = kGrupo,
                    .Caption = QStringLiteral("Grupo Documento"),
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("CODIGOGRUPODOC")});
}

TmVoxDPConfiguradorTipoGrupo::~TmVoxDPConfiguradorTipoGrupo() = default;

QList<TnMenuDecl> TmVoxDPConfiguradorTipoGrupo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\04 Documentos");
  menu.Caption = QStringLiteral("Configurador dos Tipos de Documento nos Grupos");
  menu.Index = 9;
  menu.Modulo = QStringLiteral("mVox");
  menu.Separador = true;
  menu.CriarHTTP = true;
  return {menu};
}

void TmVoxDPConfiguradorTipoGrupo::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  ConfigurarGridConfiguracao();

  TnClientDataSet &dados = nClientDataSet();
  dados.AddFieldDef(kTipo, TnFieldType::Float);
  dados.CreateDataSet();
  dados.SetnLogChanges(false);
  dados.FieldByName(kTipo)->Definicao().SetDicionario(kTipo);
  // The dictionary shows the code as plain digits and adds the type's
  // description beside it.
  Dicionario(dados);
  AddFieldLookup(dados);
  // The type's description is shown, never typed.
  for (const QString &nome : dados.FieldByName(kTipo)->Definicao().LookupResultFields())
    if (TnField *descricao = dados.FindField(nome)) descricao->SetReadOnly(true);
  dados.SetIndexFieldNames(kTipo);

  dados.AfterPost = [this](TnClientDataSet &d) {
    SetTemAlteracao(true);
    TnField *tipo = d.FieldByName(kTipo);
    if (tipo->IsNull()) throw EnField(tipo, kTipoNulo);
  };
  dados.AfterEdit = [this](TnClientDataSet &) { SetTemAlteracao(true); };
  dados.AfterDelete = [this](TnClientDataSet &) { SetTemAlteracao(true); };
}

void TmVoxDPConfiguradorTipoGrupo::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  bool numero = false;
  const int grupo = Param(kGrupo).trimmed().toInt(&numero);
  FGrupo = numero ? grupo : 0;
}

void TmVoxDPConfiguradorTipoGrupo::Executar() {
  TnDMPowerParamTab::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  CarregarTipos();
  SetTemAlteracao(false);
  dados.SetIndexFieldNames(kTipo);
  dados.First();
}

void TmVoxDPConfiguradorTipoGrupo::CarregarTipos() {
  std::unique_ptr<TnClientDataSet> tipos = ExecutarSQL(
      QStringLiteral("select CODIGOTIPODOC from PROTOCOLOGRUPOTIPODOC where CODIGOGRUPODOC = :pCodigoGrupo order by "
                     "CODIGOTIPODOC "),
      {FGrupo});
  TnAoSair liberar([&tipos] { DestruirSQL(tipos); });
  TnClientDataSet &dados = nClientDataSet();
  TnField *destino = dados.FieldByName(kTipo);
  const TnField *origem = tipos->FieldByName(kTipo);
  for (tipos->First(); !tipos->Eof(); tipos->Next()) {
    dados.Append();
    destino->SetAsInteger(origem->AsInteger());
    dados.Post();
  }
}

void TmVoxDPConfiguradorTipoGrupo::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  SetMostrarParams(kGrupo);
  if (Form()) {
    CriarTabGrid(QStringLiteral("Configurar Tipo em Grupos"));
    if (TnDBGridEh *grid = nDBGrid()) {
      grid->OnEditButtonClick = [this](QObject *sender) { nDBGridEditButtonClick(sender); };
      grid->OnKeyDown = [this](TnDBGridEh &sender, int &key, TShiftState shift) { nDBGridKeyDown(sender, key, shift); };
    }
  }
  if (form) {
    const QString deletar = QStringLiteral("Deletar Tipo");
    FBtnDeletarTipo = form->CriarToolButton(
        deletar, deletar, 6, [this](QObject *sender) { actDeletarTipo(sender); }, QStringLiteral("Shift+Del"), 0, -1,
        true, true, true);
  }
  SetTemAlteracao(false);
}

void TmVoxDPConfiguradorTipoGrupo::actDeletarTipo(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && !dados.IsEmpty()) dados.Delete();
}

void TmVoxDPConfiguradorTipoGrupo::nDBGridEditButtonClick(QObject *) {
  TnDBGridEh *grid = nDBGrid();
  TnField *campo = grid ? grid->SelectedField() : nullptr;
  if (!campo || campo->FieldName().compare(kTipo, Qt::CaseInsensitive) != 0) return;
  nEscolherNoLookup(campo, QStringLiteral("TmVoxDCProtocoloTipoDoc"), QStringLiteral("CodigoTipoDoc"));
}

void TmVoxDPConfiguradorTipoGrupo::nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift) {
  const TnField *campo = sender.SelectedField();
  if (NavegacaoTeclado() && campo && campo->FieldName().compare(kTipo, Qt::CaseInsensitive) == 0) {
    if (key == nTeclaEnter) SetarFocoColunaGrid(&sender, sender.SelectedIndex(), shift != TShiftState(ssShift));
    return;
  }
  const TnDataSetState estado = nClientDataSet().State();
  const bool editando = estado == TnDataSetState::Edit || estado == TnDataSetState::Insert || sender.EditorAtivo();
  if (key == nTeclaEnter) {
    if (!editando) actPesquisarExecute(&sender);
  } else if (key == nTeclaF3) {
    actPesquisarNextExecute(&sender);
  }
}

void TmVoxDPConfiguradorTipoGrupo::PrepararSQL() {
  sqlInserirTipoGrupo = std::make_unique<TnSQLDataSet>();
  sqlInserirTipoGrupo->SetSQLConnection(nDMConexao());
  sqlInserirTipoGrupo->SetCommandText(
      QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC ( CODIGOGRUPODOC ,CODIGOTIPODOC) values (:pCODIGOGRUPODOC "
                     ",:pCODIGOTIPODOC) "));
  sqlInserirTipoGrupo->SetPrepared(true);
  sqlInserirTipoGrupo->ParamByName(QStringLiteral("pCODIGOGRUPODOC")).SetDataType(TnFieldType::Integer);
  sqlInserirTipoGrupo->ParamByName(QStringLiteral("pCODIGOTIPODOC")).SetDataType(TnFieldType::Integer);
}

void TmVoxDPConfiguradorTipoGrupo::ConferirTipos() {
  TnClientDataSet &dados = nClientDataSet();
  TnField *tipo = dados.FieldByName(kTipo);
  qint64 anterior = -1;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    // A row without a type would be stored as type 0.
    if (tipo->IsNull()) throw EnField(tipo, kTipoNulo);
    const double valor = tipo->AsFloat();
    if (valor != std::floor(valor)) throw EnField(tipo, QStringLiteral("O código do Tipo deve ser um número inteiro!"));
    const qint64 codigo = static_cast<qint64>(valor);
    if (codigo == anterior) throw Exception(QStringLiteral("Não pode haver tipos iguais!"));
    anterior = codigo;
  }
}

void TmVoxDPConfiguradorTipoGrupo::actGravarExecute(QObject *sender) {
  TnDMPowerParamTab::actGravarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;
  bool desabilitado = false;
  TnAoSair fim([&] {
    sqlInserirTipoGrupo.reset();
    if (desabilitado) dados.EnableControls();
  });
  const bool gravado = nGravarPorSubstituicao(
      QStringLiteral("Deseja realmente apagar a configuração do grupo e criar esta nova?"),
      [&] {
        PrepararSQL();
        dados.DisableControls();
        desabilitado = true;
        ConferirTipos();
      },
      [&] {
        ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOGRUPOTIPODOC  where CODIGOGRUPODOC = :pCODIGOGRUPO "),
                          {FGrupo});
        const TnField *tipo = dados.FieldByName(kTipo);
        for (dados.First(); !dados.Eof(); dados.Next()) {
          sqlInserirTipoGrupo->ParamByName(QStringLiteral("pCODIGOGRUPODOC")).SetValue(FGrupo);
          sqlInserirTipoGrupo->ParamByName(QStringLiteral("pCODIGOTIPODOC")).SetValue(tipo->AsLargeInt());
          sqlInserirTipoGrupo->ExecSQL();
        }
      },
      QStringLiteral("Configuração do grupo gravada com sucesso!"), &dados);
  if (!gravado) return;
  SetTemAlteracao(false);
  dados.First();
}

void TmVoxDPConfiguradorTipoGrupo::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && TemAlteracao()) dados.CancelUpdates();
  Executar();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConfiguradorTipoGrupo>(QStringLiteral("TmVoxDPConfiguradorTipoGrupo"),
                                                                       QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPConfiguradorTipoGrupo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConfiguradorTipoGrupo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
