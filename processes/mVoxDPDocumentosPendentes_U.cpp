#include "mVoxDPDocumentosPendentes_U.h"

#include <QScopeGuard>

#include "mVoxDPConsultaDocPendente_U.h"
#include "mVoxDocumentosEsperados_U.h"
#include "nActionForm_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nColunaGrid_U.h"
#include "nCores_U.h"
#include "nCursorEspera_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDesenhoCelula_U.h"
#include "nDialogos_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFraControle_U.h"
#include "nFraProgresso_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nRegistro_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCompet = QStringLiteral("pCompet");
const QString kCodigoEmpresa = QStringLiteral("CODIGOEMPRESA");
const QString kCodigoEstab = QStringLiteral("CODIGOESTAB");
const QString kCodigoDocumento = QStringLiteral("CODIGODOCUMENTO");
const QString kDataLcto = QStringLiteral("DATALCTO");
const QString kCodigoTipoDoc = QStringLiteral("CODIGOTIPODOC");
const QString kDescrDocEmp = QStringLiteral("DESCRDOCEMP");
const QString kRecebido = QStringLiteral("RECEBIDO");
const QString kAlterUser = QStringLiteral("ALTERUSER");

// The width of PROTOCOLODOCEMP.DESCRDOCEMP: the grid's column is wider.
constexpr int kTamanhoDescricao = 50;

const QString kSQLInserirDoc = QStringLiteral(
    "insert into PROTOCOLODOCEMP ( CODIGODOCEMP ,CODIGOTIPODOC ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,DESCRDOCEMP "
    ",ARQUIVADO) values (:pCODIGODOCEMP ,:pCODIGOTIPODOC ,:pCODIGOEMPRESA ,:pCODIGOESTAB ,:pDATALCTOPRO "
    ",:pDESCRDOCEMP ,:pARQUIVADO) ");
const QString kSQLInserirMovimento = QStringLiteral(
    "insert into PROTOCOLODOCMOVIMENTO ( CODIGODOCEMP ,SEQDOCEMP ,TIPOLOCAL ,DATALCTOPRO ,OBSERVACAO ,DATAHORA "
    ",CODIGOUSUARIO ,CODIGOUSUARIORESP,ORIGEMDADO) values (:pCODIGODOCEMP ,:pSEQDOCEMP ,:pTIPOLOCAL ,:pDATALCTOPRO "
    ",:pOBSERVACAO ,:pDATAHORA ,:pCODIGOUSUARIO ,:pCODIGOUSUARIORESP ,:pORIGEMDADO) ");

bool Marcado(const TnClientDataSet &dados) {
  const TnField *campo = dados.FieldByName(kRecebido);
  return !campo->IsNull() && campo->AsInteger() == 1;
}

// The fields of a document row, found once by name.
struct TnCamposDocumento {
  explicit TnCamposDocumento(const TnClientDataSet &dados)
      : Empresa(dados.FieldByName(kCodigoEmpresa)),
        Estab(dados.FieldByName(kCodigoEstab)),
        Tipo(dados.FieldByName(kCodigoTipoDoc)),
        Codigo(dados.FieldByName(kCodigoDocumento)),
        Data(dados.FieldByName(kDataLcto)),
        Descricao(dados.FieldByName(kDescrDocEmp)) {}
  TnField *Empresa, *Estab, *Tipo, *Codigo, *Data, *Descricao;
};

std::unique_ptr<TnSQLDataSet> Instrucao(const QString &texto, std::initializer_list<TnFieldType> tipos) {
  auto sql = std::make_unique<TnSQLDataSet>();
  sql->SetSQLConnection(nDMConexao());
  sql->SetCommandText(texto);
  sql->SetPrepared(true);
  int i = 0;
  for (TnFieldType tipo : tipos) sql->Params(i++).SetDataType(tipo);
  return sql;
}

}  // namespace

TmVoxDPDocumentosPendentes::TmVoxDPDocumentosPendentes() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Documentos Pendentes"));
  TmVoxDocumentosEsperados::AdicionarParametros(params);
}

TmVoxDPDocumentosPendentes::~TmVoxDPDocumentosPendentes() = default;

QList<TnMenuDecl> TmVoxDPDocumentosPendentes::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos");
  menu.Caption = QStringLiteral("Documentos Pendentes");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  return {menu};
}

void TmVoxDPDocumentosPendentes::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  SetDBGridOrdenar(false);
  SetDBGridReadOnly(false);
  SetDBGridConfirmaExclusao(false);
  SetAutoSizeScrollParam(false);
  SetActionGravar(true);
  SetActionCancelar(true);
  SetPesquisa(true);

  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(kCodigoEmpresa, TnFieldType::SmallInt);
  dados.AddFieldDef(kCodigoEstab, TnFieldType::SmallInt);
  dados.AddFieldDef(kCodigoDocumento, TnFieldType::LargeInt);
  dados.AddFieldDef(kDataLcto, TnFieldType::Date);
  dados.AddFieldDef(kCodigoTipoDoc, TnFieldType::SmallInt);
  dados.AddFieldDef(kDescrDocEmp, TnFieldType::String, 100);
  dados.AddFieldDef(kRecebido, TnFieldType::SmallInt);
  dados.AddFieldDef(kAlterUser, TnFieldType::SmallInt);
  dados.CreateDataSet();
  // The fields exist only now: the dictionary is applied here, and again
  // whenever the dataset opens anew.
  nClientDataSetBeforeOpen(dados);
  dados.BeforeOpen = [this](TnClientDataSet &d) { nClientDataSetBeforeOpen(d); };
  dados.AfterEdit = [this](TnClientDataSet &d) { nClientDataSetAfterEdit(d); };
  dados.AfterInsert = [this](TnClientDataSet &d) { nClientDataSetAfterInsert(d); };
}

void TmVoxDPDocumentosPendentes::nClientDataSetBeforeOpen(TnClientDataSet &dataSet) {
  if (dataSet.FieldCount() == 0) return;
  ConfigurarCampos(dataSet);
}

void TmVoxDPDocumentosPendentes::ConfigurarCampos(TnClientDataSet &dados) {
  Dicionario(dados);
  AddFieldLookup(dados);
  const std::tuple<const QString &, const char *, int> campos[] = {
      {kCodigoEmpresa, "Empresa", 4},     {kCodigoEstab, "Filial", 4},   {kCodigoDocumento, "Documento", 0},
      {kDataLcto, "Data Lcto", 0},        {kCodigoTipoDoc, "Tipo Documento", 4}, {kDescrDocEmp, "Descrição", 0},
      {kRecebido, "Recebido", 4}};
  for (const auto &[nome, rotulo, tamanho] : campos) {
    TnField *campo = dados.FieldByName(nome);
    campo->SetDisplayLabel(QString::fromUtf8(rotulo));
    if (tamanho > 0) campo->Definicao().SetTamanhoMaximo(tamanho);
  }
  dados.FieldByName(kDescrDocEmp)->SetDisplayWidth(kTamanhoDescricao);
  dados.FieldByName(kAlterUser)->SetVisible(false);
  // The mark shows and takes "Não"/"Sim" while the field keeps 0/1.
  TnDefinicao &recebido = dados.FieldByName(kRecebido)->Definicao();
  recebido.SetNomesValores({QStringLiteral("Não=0"), QStringLiteral("Sim=1")});
  recebido.SetTipoControle(TnTipoControle::ComboBox);
  recebido.LigarTextos();
}

// --- parameters and the run

void TmVoxDPDocumentosPendentes::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  FCodigoEmpresa = Param(QStringLiteral("pCodigoEmpresa")).trimmed();
  FCodigoEstab = Param(QStringLiteral("pCodigoEstab")).trimmed();
  FCompet = TmVoxDocumentosEsperados::LerCompetencia(*npqPowerParam().Param(kCompet));
}

void TmVoxDPDocumentosPendentes::Executar() {
  TnDMPowerParamTab::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.State() != TnDataSetState::Browse) dados.Cancel();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  // Company and establishment are shown unless one company was chosen.
  bool numero = false;
  FCodigoEmpresa.toInt(&numero);
  const bool mostrar = !numero;
  for (const QString &nome : {kCodigoEmpresa, kCodigoEstab}) {
    dados.FieldByName(nome)->SetVisible(mostrar);
    if (TnDBGridEh *grid = nDBGrid())
      if (TnColunaGrid *coluna = grid->Coluna(nome)) coluna->Visible = mostrar;
  }
  TnAoSair fim([&] {
    FEmManutencao = false;
    dados.First();
    SetTemAlteracao(false);
  });
  CarregarPendentes();
}

void TmVoxDPDocumentosPendentes::CarregarPendentes() {
  auto *consulta = dynamic_cast<TmVoxDPConsultaDocPendente *>(
      CriarDM(QStringLiteral("TmVoxDPConsultaDocPendente"), nullptr, QStringLiteral("Individual")));
  if (!consulta) throw Exception(QStringLiteral("A consulta de documentos pendentes não está disponível."));
  const auto liberar = qScopeGuard([consulta] {
    if (TnRegistro::Instancia().Viva(consulta)) nLiberarDM(consulta);
  });
  TnFraProgresso *progresso = CriarProgresso();
  TnAoSair liberarProgresso([this] { LiberarProgresso(); });
  progresso->MostrarSimples(1, 2, QStringLiteral("Verificando documentos pendentes..."));

  TnpqPowerParam &params = consulta->npqPowerParam();
  params.Param(kCompet)->SetAsDate(FCompet);
  params.Param(QStringLiteral("pTipoPeriodo"))->SetAsString(QStringLiteral("0"));
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(FCodigoEmpresa);
  params.Param(QStringLiteral("pCodigoEstab"))->SetAsString(FCodigoEstab);
  consulta->Executar();

  // The consultation lists its rows in the order of the codes it proposes.
  TnClientDataSet &origem = consulta->nClientDataSet();
  progresso->MostrarSimples(origem.RecordCount(), QStringLiteral("Carregando documentos pendentes..."));
  TnClientDataSet &dados = nClientDataSet();
  TnDBGridEh *grid = nDBGrid();
  dados.DisableControls();
  if (grid) grid->SetExibirDados(false);
  TnAoSair habilitar([&] {
    if (grid) grid->SetExibirDados(true);
    dados.EnableControls();
  });
  FEmManutencao = true;
  const TnCamposDocumento de(origem);
  const TnCamposDocumento para(dados);
  TnField *dAlterUser = dados.FieldByName(kAlterUser);
  TnField *dRecebido = dados.FieldByName(kRecebido);
  for (origem.First(); !origem.Eof(); origem.Next()) {
    dados.Append();
    para.Empresa->SetAsInteger(de.Empresa->AsInteger());
    para.Estab->SetAsInteger(de.Estab->AsInteger());
    para.Tipo->SetAsInteger(de.Tipo->AsInteger());
    para.Codigo->SetAsInteger(de.Codigo->AsLargeInt());
    para.Data->SetAsDate(de.Data->AsDate());
    para.Descricao->SetAsString(de.Descricao->AsString());
    dAlterUser->SetAsInteger(0);
    dRecebido->SetAsInteger(0);
    dados.Post();
    progresso->IncProgressoTotal();
  }
  // A row added by hand takes the code after the highest proposed one; with
  // none proposed, the next free document code.
  if (origem.IsEmpty()) {
    FUltimoDoc = nDMSQLDataSet()->PegarProximoCodigo(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP"),
                                                     QString(), 0, 1) -
                 1;
  } else {
    origem.Last();
    FUltimoDoc = de.Codigo->AsLargeInt();
  }
}

// --- the form

void TmVoxDPDocumentosPendentes::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  CriarTabGrid(QStringLiteral("Documentos Pendentes"));
  if (TnDBGridEh *grid = nDBGrid()) {
    grid->CriarColunas(QStringLiteral(
        "CODIGOEMPRESA;CODIGOESTAB;CODIGODOCUMENTO;DATALCTO;CODIGOTIPODOC;DescrTipoDoc;DESCRDOCEMP;RECEBIDO"));
    // Narrow enough that the description and the mark stay in sight.
    if (TnColunaGrid *nome = grid->Coluna(QStringLiteral("DescrTipoDoc"))) {
      nome->ReadOnly = true;
      nome->Width = 25;
    }
    if (TnColunaGrid *descricao = grid->Coluna(kDescrDocEmp)) descricao->Width = 30;
    if (TnColunaGrid *tipo = grid->Coluna(kCodigoTipoDoc)) tipo->BotaoEdicao = true;
    FKeyDownAnterior = grid->OnKeyDown;
    grid->OnKeyDown = [this](TnDBGridEh &sender, int &key, TShiftState shift) { nDBGridKeyDown(sender, key, shift); };
    grid->OnDblClick = [this](QObject *sender) { nDBGridDblClick(sender); };
    grid->OnTitleClick = [this](TnDBGridEh &sender, TnColunaGrid &coluna) { nDBGridTitleClick(sender, coluna); };
    grid->OnEditButtonClick = [this](QObject *sender) { nDBGridEditButtonClick(sender); };
    grid->OnDrawColumnCell = [this](TnDBGridEh &sender, TnDesenhoCelula &celula) {
      nDBGridDrawColumnCell(sender, celula);
    };
    FMarcarUm = grid->CriarItemPopup(QStringLiteral("Marcar Recebido"), 39, QStringLiteral("Ctrl+M"),
                                     [this](QObject *sender) { actMarcarExecute(sender); });
    FMarcarUm->SetHint(QStringLiteral("Marcar o registro selecionado como recebido"));
    FMarcarTodos = grid->CriarItemPopup(QStringLiteral("Marcar Todos Recebido"), 196, QStringLiteral("Ctrl+Ins"),
                                        [this](QObject *sender) { actMarcarTodasExecute(sender); });
    FMarcarTodos->SetHint(QStringLiteral("Marcar todos os registros como recebidos"));
  }
  if (form) {
    form->CriarToolButton(
        QStringLiteral("Marcar"), QStringLiteral("Marcar Recebido para Sim ou Não"), 39,
        [this](QObject *sender) { actMarcarExecute(sender); }, QStringLiteral("Ctrl+M"), 0, -1, true, true, true);
    form->CriarToolButton(
        QStringLiteral("MarcarTodos"), QStringLiteral("Marcar todos Recebido para Sim ou Não"), 196,
        [this](QObject *sender) { actMarcarTodasExecute(sender); }, QStringLiteral("Ctrl+Ins"), 0, -1, false, true,
        true);
  }
  SetTemAlteracao(false);
}

// --- rows and marks

void TmVoxDPDocumentosPendentes::nClientDataSetAfterEdit(TnClientDataSet &) { SetTemAlteracao(true); }

void TmVoxDPDocumentosPendentes::nClientDataSetAfterInsert(TnClientDataSet &dataSet) {
  SetTemAlteracao(true);
  if (FEmManutencao) return;
  dataSet.FieldByName(kCodigoDocumento)->SetAsInteger(++FUltimoDoc);
  if (TnDBGridEh *grid = nDBGrid()) SetarFocoColunaGrid(grid, grid->IndiceColuna(kDataLcto) - 1, false);
}

void TmVoxDPDocumentosPendentes::AlternarMarca() {
  TnClientDataSet &dados = nClientDataSet();
  dados.Edit();
  const int valor = Marcado(dados) ? 0 : 1;
  dados.FieldByName(kRecebido)->SetAsInteger(valor);
  dados.FieldByName(kAlterUser)->SetAsInteger(valor);
  dados.Post();
}

void TmVoxDPDocumentosPendentes::actMarcarExecute(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || dados.IsEmpty()) return;
  AlternarMarca();
}

void TmVoxDPDocumentosPendentes::nDBGridDblClick(QObject *sender) {
  TnDBGridEh *grid = nDBGrid();
  if (!grid || sender != grid) return;
  SetTemAlteracao(true);
  actMarcarExecute(sender);
}

void TmVoxDPDocumentosPendentes::actMarcarTodasExecute(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || dados.IsEmpty()) return;
  SetTemAlteracao(true);
  TnFraProgresso *progresso = CriarProgresso();
  progresso->MostrarSimples(dados.RecordCount(), QStringLiteral("Atualizando Documentos Pendentes..."));
  TnCursorEspera cursor;
  dados.DisableControls();
  TnAoSair liberar([&] {
    dados.EnableControls();
    LiberarProgresso();
  });
  nParaCadaLinha(dados, [&] {
    AlternarMarca();
    progresso->IncProgressoTotal();
  });
  dados.First();
}

// --- the grid

void TmVoxDPDocumentosPendentes::nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift) {
  if (key == nTeclaEnter && shift == TShiftState()) {
    SetarFocoColunaGrid(&sender, sender.SelectedIndex(), true);
    key = 0;
    return;
  }
  if (FKeyDownAnterior) FKeyDownAnterior(sender, key, shift);
}

void TmVoxDPDocumentosPendentes::nDBGridTitleClick(TnDBGridEh &, TnColunaGrid &coluna) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || coluna.FieldName.isEmpty()) return;
  if (dados.IndexFieldNames().compare(coluna.FieldName, Qt::CaseInsensitive) != 0) {
    dados.SetIndexFieldNames(coluna.FieldName);
    return;
  }
  dados.SetIndexFieldNames(QString());
  dados.IndexDefs().Clear();
  dados.IndexDefs().Add(QStringLiteral("CDSIndexDesc"), coluna.FieldName, TnOpcaoIndice::Descendente,
                        coluna.FieldName);
  dados.SetIndexName(QStringLiteral("CDSIndexDesc"));
}

void TmVoxDPDocumentosPendentes::nDBGridEditButtonClick(QObject *) {
  TnDBGridEh *grid = nDBGrid();
  TnField *campo = grid ? grid->SelectedField() : nullptr;
  if (!campo || campo->FieldName().compare(kCodigoTipoDoc, Qt::CaseInsensitive) != 0) return;
  nEscolherNoLookup(campo, QStringLiteral("TmVoxDCProtocoloTipoDoc"), kCodigoTipoDoc);
}

void TmVoxDPDocumentosPendentes::nDBGridDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula) {
  if (nClientDataSet().Active() && celula.Dados) {
    celula.CorFonte = nCorPadrao;
    const TnField *alterado = celula.Dados->FieldByName(kAlterUser);
    if (!alterado->IsNull() && alterado->AsInteger() == 1) celula.CorFonte = nCorVerde;
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
  }
  sender.DefaultDrawColumnCell(celula);
}

// --- Gravar and Cancelar

void TmVoxDPDocumentosPendentes::ChecarMarcado(const TnClientDataSet &dados) {
  const auto documento = [&] { return dados.FieldByName(kCodigoDocumento)->AsString(); };
  for (const QString &nome : {kCodigoEmpresa, kCodigoEstab, kCodigoTipoDoc, kDataLcto})
    if (dados.FieldByName(nome)->IsNull())
      throw EnField(dados.FieldByName(nome),
                    QStringLiteral("Informe a empresa, a filial, o tipo e a data do documento %1!").arg(documento()));
  if (dados.FieldByName(kDescrDocEmp)->AsString().size() > kTamanhoDescricao)
    throw EnField(dados.FieldByName(kDescrDocEmp),
                  QStringLiteral("A descrição do documento %1 não pode ter mais de %2 caracteres!")
                      .arg(documento())
                      .arg(kTamanhoDescricao));
}

QVariant TmVoxDPDocumentosPendentes::PedirResponsavel() {
  TnFrmDlgScrollBox dialogo(QStringLiteral("Informe o código do usuário responsável pelo documento!"), 500, 120);
  TnFraControle *usuario = dialogo.CriarControlsFraFields(
      QStringLiteral("Usuário Responsável"), TnTipoFraControle::Inteiro, 15, QStringLiteral("CODIGOUSUARIO"),
      QStringLiteral("Informe o código do usuário responsável pelo documento"));
  dialogo.AlinharControls();
  usuario->SetAsInteger(nDMConexao()->CodigoUsuario());
  if (dialogo.ShowModal() != mrOk) return {};
  const QString texto = usuario->GetAsString().trimmed();
  if (texto.isEmpty()) return {};
  bool numero = false;
  const int codigo = texto.toInt(&numero);
  if (!numero || codigo < 0 || codigo > 32767)
    throw Exception(QStringLiteral("Usuário responsável inválido: informe o código de um usuário."));
  return codigo;
}

void TmVoxDPDocumentosPendentes::actGravarExecute(QObject *sender) {
  TnDMPowerParamTab::actGravarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;
  if (dados.State() == TnDataSetState::Edit || dados.State() == TnDataSetState::Insert) dados.Post();
  if (nMessageDlg(QStringLiteral("Deseja realmente salvar estes documentos como entregues?"),
                  TMsgDlgType::mtConfirmation, nBotoesSimNao()) != 0)
    return;

  dados.DisableControls();
  bool habilitado = false;
  // A refused row stays current for the user to mend.
  TnAoSair habilitar([&] {
    if (!habilitado) dados.EnableControls();
  });
  // A save the database refuses leaves the user on the row he was at.
  const TnBookmark atual = dados.IsEmpty() ? TnBookmark() : dados.GetBookmark();
  const auto voltar = [&] {
    if (!dados.IsEmpty() && dados.BookmarkValid(atual)) dados.GotoBookmark(atual);
  };
  // One walk reads what each marked row writes; a refused row is the
  // current one when the check raises.
  struct TnRecebido {
    qint64 Codigo;
    int Tipo, Empresa, Estab;
    QDate Data;
    QVariant Descricao;
  };
  std::vector<TnBookmark> marcados;
  std::vector<TnRecebido> recebidos;
  {
    const TnField *recebido = dados.FieldByName(kRecebido);
    const TnCamposDocumento campos(dados);
    for (dados.First(); !dados.Eof(); dados.Next()) {
      if (recebido->IsNull() || recebido->AsInteger() != 1) continue;
      // Everything the user must answer or mend comes before the transaction.
      ChecarMarcado(dados);
      marcados.push_back(dados.GetBookmark());
      recebidos.push_back({campos.Codigo->AsLargeInt(), campos.Tipo->AsInteger(), campos.Empresa->AsInteger(),
                           campos.Estab->AsInteger(), campos.Data->AsDate(),
                           campos.Descricao->IsNull() ? QVariant() : QVariant(campos.Descricao->AsString())});
    }
  }
  const QVariant responsavel = marcados.empty() ? QVariant() : PedirResponsavel();

  // The statements outlive the transaction: freed after its rollback, never
  // inside an aborted one.
  std::unique_ptr<TnSQLDataSet> documento;
  std::unique_ptr<TnSQLDataSet> movimento;
  try {
    TnTransacao transacao;
    if (!recebidos.empty()) {
      documento =
          Instrucao(kSQLInserirDoc, {TnFieldType::LargeInt, TnFieldType::SmallInt, TnFieldType::SmallInt,
                                     TnFieldType::SmallInt, TnFieldType::Date, TnFieldType::String,
                                     TnFieldType::String});
      movimento =
          Instrucao(kSQLInserirMovimento,
                    {TnFieldType::LargeInt, TnFieldType::SmallInt, TnFieldType::String, TnFieldType::Date,
                     TnFieldType::String, TnFieldType::DateTime, TnFieldType::SmallInt, TnFieldType::SmallInt,
                     TnFieldType::SmallInt});
      // What every row writes alike is set once.
      documento->Params(6).SetAsString(QStringLiteral("0"));
      movimento->Params(1).SetAsInteger(1);
      movimento->Params(2).SetAsString(QStringLiteral("1"));
      movimento->Params(5).SetAsDateTime(nDateTimeToSQLTimeStamp(nDMConexao()->Now()));
      movimento->Params(6).SetAsInteger(nDMConexao()->CodigoUsuario());
      movimento->Params(7).SetValue(responsavel);
      movimento->Params(8).SetAsInteger(2);
      for (const TnRecebido &r : recebidos) {
        documento->Params(0).SetAsInteger(r.Codigo);
        documento->Params(1).SetAsInteger(r.Tipo);
        documento->Params(2).SetAsInteger(r.Empresa);
        documento->Params(3).SetAsInteger(r.Estab);
        documento->Params(4).SetAsDate(r.Data);
        documento->Params(5).SetValue(r.Descricao);
        documento->ExecSQL();
        movimento->Params(0).SetAsInteger(r.Codigo);
        movimento->Params(3).SetAsDate(r.Data);
        movimento->Params(4).SetAsString(QStringLiteral("Documento recebido em: ") +
                                         r.Data.toString(QStringLiteral("dd/MM/yyyy")));
        movimento->ExecSQL();
      }
    }
    transacao.Commit();
  } catch (const EAbort &) {
    voltar();
    throw;
  } catch (const EDatabaseError &e) {
    voltar();
    throw EDatabaseError(nPrefixoOperacaoCancelada() + e.message(), e.statement());
  } catch (const Exception &e) {
    voltar();
    throw Exception(nPrefixoOperacaoCancelada() + e.message());
  }
  // Only a committed save takes its rows off the list.
  dados.ExcluirLinhas(marcados);
  // The list shows what is left before the user is told.
  dados.First();
  dados.EnableControls();
  habilitado = true;
  nMessageDlg(QStringLiteral("Documentos gravados com sucesso!"), TMsgDlgType::mtInformation, nBotaoOK());
  SetTemAlteracao(false);
}

void TmVoxDPDocumentosPendentes::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active()) dados.CancelUpdates();
  SetTemAlteracao(false);
  Executar();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPDocumentosPendentes>(QStringLiteral("TmVoxDPDocumentosPendentes"),
                                                                     QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPDocumentosPendentes_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPDocumentosPendentes_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
