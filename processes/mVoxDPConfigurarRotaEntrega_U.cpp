#include "mVoxDPConfigurarRotaEntrega_U.h"

#include <QList>
#include <QTextBoundaryFinder>

#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nDialogos_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFraCtrlNDLinkEdit_U.h"
#include "nFrmDlg_U.h"
#include "nFrmPowerParam_U.h"
#include "nFuncoesProcesso_U.h"
#include "nLookupField_U.h"
#include "nMemo_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nToolButton_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kParamRota = QStringLiteral("pCodigoRota");

const QString kSQLCarregar = QStringLiteral(
    "select SEQROTA ,CODIGOEMPRESA ,CODIGOESTAB ,OBSERVACAO from PROTOCOLOROTAENTREGA where CODIGOROTA = "
    ":pCodigoRota order by SEQROTA ");
const QString kSQLApagar = QStringLiteral("delete from PROTOCOLOROTAENTREGA  where CODIGOROTA = :pCODIGOROTA ");
const QString kSQLInserir = QStringLiteral(
    "insert into PROTOCOLOROTAENTREGA ( CODIGOROTA ,SEQROTA ,CODIGOEMPRESA ,CODIGOESTAB ,OBSERVACAO) values "
    "(:pCODIGOROTA ,:pSEQROTA ,:pCODIGOEMPRESA ,:pCODIGOESTAB ,:pOBSERVACAO) ");

// How much of an observation the grid shows.
constexpr int kCaracteresObs = 28;

constexpr int kTeclaC = 67;
constexpr int kTeclaV = 86;

}  // namespace

// The grid's fields, bound again whenever the dataset makes its fields anew.
struct TmVoxDPConfigurarRotaEntrega::TnCampos {
  TnField *Seq = nullptr;
  TnField *CodigoEmpresa = nullptr;
  TnField *CodigoEstab = nullptr;
  TnField *Obs = nullptr;
  TnLookupField *NomeEmpresa = nullptr;
  TnLookupField *NomeEstab = nullptr;
  void Mapear(TnClientDataSet &d) {
    d.MapearCampo(Seq, QStringLiteral("Seq"));
    d.MapearCampo(CodigoEmpresa, QStringLiteral("CodigoEmpresa"));
    d.MapearCampo(CodigoEstab, QStringLiteral("CodigoEstab"));
    d.MapearCampo(Obs, QStringLiteral("Obs"));
    d.MapearCampo(NomeEmpresa, QStringLiteral("NomeEmpresa"));
    d.MapearCampo(NomeEstab, QStringLiteral("NomeEstab"));
  }
};

TmVoxDPConfigurarRotaEntrega::TmVoxDPConfigurarRotaEntrega() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Configuração da Rota de Entrega"));
  params.Adicionar({.Alias = kParamRota,
                    .Caption = QStringLiteral("Rota Entrega"),
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("CODIGOROTA")});
  params.OnParamExit = [this](TnpqPowerParam &sender, TnpqParamItem &param) { npqPowerParamParamExit(sender, param); };
}

TmVoxDPConfigurarRotaEntrega::~TmVoxDPConfigurarRotaEntrega() = default;

QList<TnMenuDecl> TmVoxDPConfigurarRotaEntrega::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes");
  menu.Caption = QStringLiteral("Configuração da Rota de Entrega");
  menu.Index = 4;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

TmVoxDPConfigurarRotaEntrega::TnCampos &TmVoxDPConfigurarRotaEntrega::Campos() {
  return nClientDataSet().Mapeamento<TnCampos>();
}

void TmVoxDPConfigurarRotaEntrega::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  ConfigurarGridConfiguracao();
  FCodigoEmpresa = 0;
  FCodigoEstab = 0;

  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(QStringLiteral("Seq"), TnFieldType::Integer);
  dados.AddFieldDef(QStringLiteral("CodigoEmpresa"), TnFieldType::Integer);
  dados.AddFieldDef(QStringLiteral("CodigoEstab"), TnFieldType::Integer);
  dados.AddFieldDef(QStringLiteral("Obs"), TnFieldType::Memo);
  dados.CreateDataSet();
  // The fields exist only now: the dictionary and its names are applied once
  // here, and again (adding nothing) whenever the dataset opens anew.
  nClientDataSetBeforeOpen(dados);
  dados.BeforeOpen = [this](TnClientDataSet &d) { nClientDataSetBeforeOpen(d); };
  dados.AfterInsert = [this](TnClientDataSet &d) { nClientDataSetAfterInsert(d); };
  dados.BeforePost = [this](TnClientDataSet &d) { nClientDataSetBeforePost(d); };
  dados.AfterPost = [this](TnClientDataSet &d) { nClientDataSetAfterPost(d); };
  dados.AfterEdit = [this](TnClientDataSet &d) { nClientDataSetAfterEdit(d); };
  dados.BeforeDelete = [this](TnClientDataSet &d) { nClientDataSetBeforeDelete(d); };
}

void TmVoxDPConfigurarRotaEntrega::nClientDataSetBeforeOpen(TnClientDataSet &dataSet) {
  if (dataSet.FieldCount() == 0) return;
  TnField *seq = dataSet.FieldByName(QStringLiteral("Seq"));
  seq->SetDisplayLabel(QStringLiteral("Sequência"));
  seq->Definicao().SetTamanhoMaximo(9);
  TnField *empresa = dataSet.FieldByName(QStringLiteral("CodigoEmpresa"));
  empresa->SetDisplayLabel(QStringLiteral("Empresa"));
  empresa->Definicao().SetDicionario(QStringLiteral("CODIGOEMPRESA"));
  empresa->Definicao().SetTamanhoMaximo(9);
  TnField *estab = dataSet.FieldByName(QStringLiteral("CodigoEstab"));
  estab->SetDisplayLabel(QStringLiteral("Filial"));
  estab->Definicao().SetDicionario(QStringLiteral("CODIGOESTAB"));
  estab->Definicao().SetTamanhoMaximo(9);
  TnField *obs = dataSet.FieldByName(QStringLiteral("Obs"));
  obs->SetDisplayLabel(QStringLiteral("Obs"));
  obs->SetDisplayWidth(30);
  obs->OnGetText = [this](const TnField &campo, bool displayText) {
    return nClientDataSetObsGetText(campo, displayText);
  };
  Dicionario(dataSet);
  AddFieldLookup(dataSet);
}

void TmVoxDPConfigurarRotaEntrega::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  bool numero = false;
  const int rota = Param(kParamRota).trimmed().toInt(&numero);
  FRotaEntrega = numero ? rota : 0;
}

void TmVoxDPConfigurarRotaEntrega::Executar() {
  TnDMPowerParamTab::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.State() != TnDataSetState::Browse) dados.Cancel();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  CarregarRota();
  SetTemAlteracao(false);
  dados.SetIndexFieldNames(QStringLiteral("SEQ"));
  dados.First();
}

void TmVoxDPConfigurarRotaEntrega::CarregarRota() {
  std::unique_ptr<TnClientDataSet> paradas = ExecutarSQL(kSQLCarregar, {FRotaEntrega});
  TnAoSair liberar([&] { DestruirSQL(paradas); });
  TnClientDataSet &dados = nClientDataSet();
  TnCampos &c = Campos();
  dados.DisableControls();
  TnAoSair habilitar([&] { dados.EnableControls(); });
  const TnField *seq = paradas->FieldByName(QStringLiteral("SEQROTA"));
  const TnField *empresa = paradas->FieldByName(QStringLiteral("CODIGOEMPRESA"));
  const TnField *estab = paradas->FieldByName(QStringLiteral("CODIGOESTAB"));
  const TnField *observacao = paradas->FieldByName(QStringLiteral("OBSERVACAO"));
  for (paradas->First(); !paradas->Eof(); paradas->Next()) {
    dados.Append();
    c.CodigoEmpresa->SetAsInteger(empresa->AsInteger());
    c.CodigoEstab->SetAsInteger(estab->AsInteger());
    c.Seq->SetAsInteger(seq->AsInteger());
    c.Obs->SetValue(observacao->IsNull() ? QVariant() : QVariant(observacao->AsString()));
    dados.Post();
  }
}

void TmVoxDPConfigurarRotaEntrega::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  SetMostrarParams(kParamRota);
  if (!form) return;
  CriarTabGrid(QStringLiteral("Configurar Rota"));
  if (TnDBGridEh *grid = nDBGrid()) {
    grid->CriarColunas(QStringLiteral("Seq;CodigoEmpresa;NomeEmpresa;CodigoEstab;NomeEstab;Obs"));
    // The observation is written in its own editor, never in the cell.
    if (TnColunaGrid *obs = grid->Coluna(QStringLiteral("Obs"))) obs->ReadOnly = true;
    grid->OnEditButtonClick = [this](QObject *sender) { nDBGridEditButtonClick(sender); };
    grid->OnDblClick = [this](QObject *sender) { nDBGridDblClick(sender); };
    auto anterior = grid->OnKeyDown;
    grid->OnKeyDown = [this, anterior](TnDBGridEh &sender, int &key, TShiftState shift) {
      nDBGridKeyDown(sender, key, shift);
      if (key != 0 && anterior) anterior(sender, key, shift);
    };
    grid->CriarItemPopup(QStringLiteral("Copiar sequência"), 53, QStringLiteral("Ctrl+C"),
                         [this](QObject *) { CopiarDados(); });
    grid->CriarItemPopup(QStringLiteral("Colar sequência"), 223, QStringLiteral("Ctrl+V"),
                         [this](QObject *) { ColarDados(); });
    grid->CriarItemPopup(QStringLiteral("Reordenar Sequência"), 63, QStringLiteral("Ctrl+R"),
                         [this](QObject *) { ReconstruirSequencia(); });
  }

  struct TnBotao {
    const char *Caption;
    int Imagem;
    const char *Atalho;
    bool Separador;
    void (TmVoxDPConfigurarRotaEntrega::*Acao)(QObject *);
  };
  const TnBotao botoes[] = {
      {"Deletar sequência", 6, "Shift+Del", true, &TmVoxDPConfigurarRotaEntrega::actDeletarSequencia},
      {"Mover para cima", 153, "Ctrl+Up", true, &TmVoxDPConfigurarRotaEntrega::actMoverParaCima},
      {"Mover para baixo", 154, "Ctrl+Down", false, &TmVoxDPConfigurarRotaEntrega::actMoverParaBaixo},
      {"Reordenar Sequência", 63, "Ctrl+R", true, &TmVoxDPConfigurarRotaEntrega::actReordenar},
      {"Adicionar Observações", 115, "Ctrl+M", true, &TmVoxDPConfigurarRotaEntrega::actObservacoes},
  };
  for (const TnBotao &b : botoes) {
    const QString caption = QString::fromUtf8(b.Caption);
    const auto acao = b.Acao;
    form->CriarToolButton(
        caption, caption, b.Imagem, [this, acao](QObject *sender) { (this->*acao)(sender); },
        QString::fromLatin1(b.Atalho), 0, -1, b.Separador, true, true, nullptr, QString());
  }

  SetTemAlteracao(false);
  // The names are shown, never typed; the codes beside them stay editable.
  TnCampos &c = Campos();
  for (const TnField *codigo : {c.CodigoEmpresa, c.CodigoEstab})
    for (const QString &nome : codigo->Definicao().LookupResultFields())
      if (TnField *campo = nClientDataSet().FindField(nome)) campo->SetReadOnly(true);
  // Narrow enough that the observation fits beside them.
  if (TnDBGridEh *grid = nDBGrid())
    for (const TnField *nome : {static_cast<const TnField *>(c.NomeEmpresa), static_cast<const TnField *>(c.NomeEstab)})
      if (TnColunaGrid *coluna = nome ? grid->Coluna(nome->FieldName()) : nullptr) coluna->Width = 30;
}

void TmVoxDPConfigurarRotaEntrega::npqPowerParamParamExit(TnpqPowerParam &, TnpqParamItem &param) {
  if (auto *link = dynamic_cast<TnFraCtrlNDLinkEdit *>(param.Editor())) link->AtualizarDescricao();
}

// --- new rows and posts

void TmVoxDPConfigurarRotaEntrega::nClientDataSetAfterInsert(TnClientDataSet &dataSet) {
  if (dataSet.RecordCount() == 0) FProximaSeq = 0;
  TnCampos &c = Campos();
  c.Seq->SetAsInteger(FProximaSeq + 1);
  if (TnDBGridEh *grid = nDBGrid()) grid->SetSelectedField(c.CodigoEmpresa);
}

void TmVoxDPConfigurarRotaEntrega::nClientDataSetBeforePost(TnClientDataSet &) {
  FProximaSeq = Campos().Seq->AsInteger();
}

void TmVoxDPConfigurarRotaEntrega::nClientDataSetAfterPost(TnClientDataSet &) {
  SetTemAlteracao(true);
  TnCampos &c = Campos();
  if (c.CodigoEmpresa->IsNull())
    throw EnField(c.CodigoEmpresa, QStringLiteral("O código da empresa não pode ser nulo!"));
  if (c.CodigoEstab->IsNull()) throw EnField(c.CodigoEstab, QStringLiteral("O código da filial não pode ser nulo!"));
}

void TmVoxDPConfigurarRotaEntrega::nClientDataSetAfterEdit(TnClientDataSet &) { SetTemAlteracao(true); }

void TmVoxDPConfigurarRotaEntrega::nClientDataSetBeforeDelete(TnClientDataSet &) { SetTemAlteracao(true); }

// --- lookups and keys

void TmVoxDPConfigurarRotaEntrega::nDBGridEditButtonClick(QObject *) {
  TnDBGridEh *grid = nDBGrid();
  if (!grid) return;
  TnCampos &c = Campos();
  const TnField *campo = grid->SelectedField();
  if (campo == c.CodigoEmpresa) {
    nEscolherNoLookup(c.CodigoEmpresa, QStringLiteral("TrTulDCEmpresa"), QStringLiteral("CodigoEmpresa"));
  } else if (campo == c.CodigoEstab && !c.CodigoEmpresa->IsNull()) {
    nEscolherNoLookup(c.CodigoEstab, QStringLiteral("TrTulDCEstab"), QStringLiteral("CodigoEstab"),
                      QStringLiteral("CodigoEmpresa = ") + QString::number(c.CodigoEmpresa->AsLargeInt()));
  }
}

void TmVoxDPConfigurarRotaEntrega::nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift) {
  TnCampos &c = Campos();
  const TnField *campo = sender.SelectedField();
  const bool colunaCodigo = campo && (campo == c.Seq || campo == c.CodigoEmpresa || campo == c.CodigoEstab);
  if (NavegacaoTeclado() && colunaCodigo) {
    if (key == nTeclaEnter) SetarFocoColunaGrid(&sender, sender.SelectedIndex(), shift != TShiftState(ssShift));
  } else if (key == nTeclaEnter) {
    const TnDataSetState estado = nClientDataSet().State();
    // A cell being typed in is an edit of the row, as in the dataset.
    const bool editando =
        sender.EditorAtivo() || estado == TnDataSetState::Edit || estado == TnDataSetState::Insert;
    if (campo && campo == c.Obs) {
      actObservacoes(&sender);
    } else if (!editando) {
      if (TnFrmPowerParam *form = Form())
        form->ExecutarAction(TnFrmPowerParam::NomeActPesquisar, &sender);
      else
        actPesquisarExecute(&sender);
    }
  } else if (key == nTeclaF3) {
    if (TnFrmPowerParam *form = Form())
      form->ExecutarAction(TnFrmPowerParam::NomeActPesquisarNext, &sender);
    else
      actPesquisarNextExecute(&sender);
  }
  if (shift.testFlag(ssCtrl)) {
    if (key == kTeclaC) CopiarDados();
    if (key == kTeclaV) ColarDados();
  }
}

void TmVoxDPConfigurarRotaEntrega::nDBGridDblClick(QObject *sender) {
  const TnDBGridEh *grid = nDBGrid();
  if (grid && grid->SelectedField() && grid->SelectedField() == Campos().Obs) actObservacoes(sender);
}

// --- list operations

bool TmVoxDPConfigurarRotaEntrega::GradeVazia() {
  const TnClientDataSet &dados = nClientDataSet();
  return !dados.Active() || dados.IsEmpty();
}

void TmVoxDPConfigurarRotaEntrega::TerminarEdicao() {
  TnClientDataSet &dados = nClientDataSet();
  if (dados.State() != TnDataSetState::Edit && dados.State() != TnDataSetState::Insert) return;
  // A row begun and left untouched goes, as when the user moves away from it.
  if (dados.Modified())
    dados.Post();
  else
    dados.Cancel();
}

void TmVoxDPConfigurarRotaEntrega::CopiarDados() {
  if (GradeVazia()) return;
  TnCampos &c = Campos();
  FCodigoEmpresa = c.CodigoEmpresa->AsInteger();
  FCodigoEstab = c.CodigoEstab->AsInteger();
}

void TmVoxDPConfigurarRotaEntrega::ColarDados() {
  if (GradeVazia() || FCodigoEmpresa == 0 || FCodigoEstab == 0) return;
  TnClientDataSet &dados = nClientDataSet();
  TnCampos &c = Campos();
  dados.Edit();
  c.CodigoEmpresa->SetAsInteger(FCodigoEmpresa);
  c.CodigoEstab->SetAsInteger(FCodigoEstab);
  dados.Post();
}

void TmVoxDPConfigurarRotaEntrega::ReconstruirSequencia() {
  TerminarEdicao();
  if (GradeVazia()) return;
  TnClientDataSet &dados = nClientDataSet();
  const int lembrado = dados.RecNo();
  dados.DisableControls();
  TnAoSair fim([&] {
    if (lembrado >= 1 && lembrado <= dados.RecordCount())
      dados.SetRecNo(lembrado);
    else
      dados.First();
    dados.EnableControls();
  });
  // The rows in the order they show now: each new number moves its row in
  // the view, so walking the view while numbering would skip or swap rows
  // that share a number.
  QList<TnBookmark> ordem;
  for (dados.First(); !dados.Eof(); dados.Next()) ordem << dados.GetBookmark();
  TnField *seq = Campos().Seq;
  int numero = 0;
  for (const TnBookmark marca : ordem) {
    dados.GotoBookmark(marca);
    dados.Edit();
    seq->SetAsInteger(++numero);
    dados.Post();
  }
}

void TmVoxDPConfigurarRotaEntrega::actDeletarSequencia(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;
  if (dados.State() == TnDataSetState::Insert) {
    dados.Cancel();  // the row being added is the current one
  } else {
    if (dados.State() == TnDataSetState::Edit) dados.Cancel();
    if (dados.IsEmpty()) return;
    dados.Delete();
  }
  ReconstruirSequencia();
}

void TmVoxDPConfigurarRotaEntrega::Mover(int passo) {
  TerminarEdicao();
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || dados.RecordCount() < 2) return;
  if (passo < 0 ? dados.RecNo() <= 1 : dados.RecNo() >= dados.RecordCount()) return;
  TnField *seq = Campos().Seq;
  const TnBookmark movida = dados.GetBookmark();
  bool concluido = false;
  dados.DisableControls();
  TnAoSair fim([&] {
    // A post refused half-way leaves the cursor on the row being moved.
    if (!concluido && dados.BookmarkValid(movida)) dados.GotoBookmark(movida);
    dados.EnableControls();
  });
  // The row's new number puts it after its neighbour when the two are equal;
  // the neighbour, now before it, takes the row's old number.
  dados.Edit();
  seq->SetAsInteger(seq->AsInteger() + passo);
  dados.Post();
  dados.Prior();
  dados.Edit();
  seq->SetAsInteger(seq->AsInteger() - passo);
  dados.Post();
  if (passo < 0)
    dados.Prior();
  else
    dados.Next();
  concluido = true;
}

void TmVoxDPConfigurarRotaEntrega::actMoverParaCima(QObject *) { Mover(-1); }

void TmVoxDPConfigurarRotaEntrega::actMoverParaBaixo(QObject *) { Mover(+1); }

void TmVoxDPConfigurarRotaEntrega::actReordenar(QObject *) { ReconstruirSequencia(); }

// --- observations

QString TmVoxDPConfigurarRotaEntrega::TextoObs(const QString &observacao) {
  // Characters as the user sees them: an accent written apart, a pair of
  // surrogates or a CR LF are never split.
  QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, observacao);
  qsizetype corte = observacao.size();
  int caracteres = 0;
  while (limites.toNextBoundary() >= 0)
    if (++caracteres == kCaracteresObs) {
      corte = limites.position();
      break;
    }
  QString texto = observacao.left(corte);
  texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  texto.replace(u'\n', u' ');
  texto.replace(u'\r', u' ');
  return texto;
}

QString TmVoxDPConfigurarRotaEntrega::nClientDataSetObsGetText(const TnField &sender, bool displayText) const {
  const QString texto = sender.AsString();
  return displayText ? TextoObs(texto) : texto;
}

void TmVoxDPConfigurarRotaEntrega::nMemoKeyDown(TnMemo &sender, int &key, TShiftState shift) {
  if (key == nTeclaEsc || (key == nTeclaEnter && shift.testFlag(ssCtrl))) {
    key = 0;
    if (sender.Dialogo()) sender.Dialogo()->Fechar(mrOk);
  }
}

void TmVoxDPConfigurarRotaEntrega::actObservacoes(QObject *) {
  if (GradeVazia()) return;
  TnCampos &c = Campos();
  TnFrmDlg dialogo(QStringLiteral("Digite a observação:"), 300, 300);
  dialogo.BtnOk().Caption = QStringLiteral("Incluir");
  dialogo.BtnCancelar().Visivel = false;
  TnMemo *memo = dialogo.CriarMemo();
  memo->SetAlinharCliente(true);
  memo->SetText(c.Obs->AsString());
  memo->SetTabOrder(0);
  memo->OnKeyDown = [this](TnMemo &sender, int &key, TShiftState shift) { nMemoKeyDown(sender, key, shift); };
  dialogo.ShowModal();
  // However the editor was closed, what it holds is the observation.
  TnClientDataSet &dados = nClientDataSet();
  dados.Edit();
  c.Obs->SetAsString(memo->Text());
  dados.Post();
}

// --- save and cancel

void TmVoxDPConfigurarRotaEntrega::PrepararSQL() {
  sqlInserirRota = std::make_unique<TnSQLDataSet>();
  sqlInserirRota->SetCommandText(kSQLInserir);
  sqlInserirRota->SetPrepared(true);
}

void TmVoxDPConfigurarRotaEntrega::actGravarExecute(QObject *sender) {
  TnDMPowerParamTab::actGravarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;
  TnCampos &c = Campos();
  bool desabilitado = false;
  TnAoSair habilitar([&] {
    if (desabilitado) dados.EnableControls();
  });
  auto checar = [&] {
    PrepararSQL();
    dados.DisableControls();
    desabilitado = true;
    // Names as the tables hold them now, not as they were first read.
    for (TnLookupField *nome : {c.NomeEmpresa, c.NomeEstab})
      if (nome) nome->LimparCache();
    for (dados.First(); !dados.Eof(); dados.Next()) {
      if (!c.NomeEmpresa || c.NomeEmpresa->AsString().isEmpty())
        throw Exception(QStringLiteral("O Codigo da Empresa não pode ser nulo!"));
      if (!c.NomeEstab || c.NomeEstab->AsString().isEmpty())
        throw Exception(QStringLiteral("O Codigo do Estab não pode ser nulo!"));
    }
  };
  auto gravar = [&] {
    ExecutarSQLDireto(kSQLApagar, {FRotaEntrega});
    TnSQLDataSet &inserir = *sqlInserirRota;
    for (dados.First(); !dados.Eof(); dados.Next()) {
      inserir.ParamByName(QStringLiteral("pCODIGOROTA")).SetValue(FRotaEntrega);
      // The row's place is its number; the Seq shown is not written.
      inserir.ParamByName(QStringLiteral("pSEQROTA")).SetValue(dados.RecNo());
      inserir.ParamByName(QStringLiteral("pCODIGOEMPRESA")).SetValue(c.CodigoEmpresa->AsInteger());
      inserir.ParamByName(QStringLiteral("pCODIGOESTAB")).SetValue(c.CodigoEstab->AsInteger());
      inserir.ParamByName(QStringLiteral("pOBSERVACAO")).SetValue(c.Obs->IsNull() ? QStringLiteral("") : c.Obs->AsString());
      inserir.ExecSQL();
    }
  };
  if (!nGravarPorSubstituicao(
          QStringLiteral("Deseja realmente apagar a configuração da rota antiga e criar esta nova?"), checar, gravar,
          QStringLiteral("Configuração de rota gravada com sucesso!"), &dados))
    return;
  SetTemAlteracao(false);
  dados.First();
}

void TmVoxDPConfigurarRotaEntrega::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && TemAlteracao()) dados.CancelUpdates();
  Executar();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConfigurarRotaEntrega>(
      QStringLiteral("TmVoxDPConfigurarRotaEntrega"), QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPConfigurarRotaEntrega_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConfigurarRotaEntrega_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
