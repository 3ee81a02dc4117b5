#include "nDBGrid_U.h"

#include <QRegularExpression>

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDialogos_U.h"
#include "nException_U.h"
#include "nFrmVisual_U.h"
#include "nGuarda_U.h"

namespace {

constexpr int nTeclaInsert = 45;
constexpr int nTeclaDelete = 46;
constexpr int nTeclaCima = 38;
constexpr int nTeclaBaixo = 40;

bool EmEdicao(const TnClientDataSet *dados) {
  return dados && (dados->State() == TnDataSetState::Edit || dados->State() == TnDataSetState::Insert);
}

}  // namespace

TnDBGridEh::TnDBGridEh(QObject *parent, const QString &nome)
    : QObject(parent), FPainelDetalhe(new TnPainel(this, QStringLiteral("pnlRowDetail"))) {
  setObjectName(nome);
  FPainelDetalhe->SetVisible(false);
}

TnDBGridEh::~TnDBGridEh() { Soltar(); }

void TnDBGridEh::Soltar() {
  FClone.reset();
  FCloneValido = false;
  if (FDados) FDados->RemoverObservador(this);
  FDados = nullptr;
}

void TnDBGridEh::DataSetDestruido() {
  FClone.reset();
  FCloneValido = false;
  FDados = nullptr;
  FEditorAtivo = false;
  FDetalheVisivel = false;
}

void TnDBGridEh::SetDataSet(TnClientDataSet *dados) {
  if (dados == FDados) return;
  Soltar();
  FDados = dados;
  FEditorAtivo = false;
  FDetalheVisivel = false;
  if (!FDados) return;
  FDados->AdicionarObservador(this);
  if (FColunas.isEmpty()) CriarColunas();
}

void TnDBGridEh::CriarColunas(const QString &atributos) {
  FColunas.clear();
  FEditorAtivo = false;
  if (FDados) {
    const QString lista = atributos.trimmed();
    QList<TnField *> campos;
    if (lista.isEmpty() || lista == QStringLiteral("*")) {
      for (int i = 0; i < FDados->FieldCount(); ++i)
        if (FDados->Fields(i)->Visible()) campos.append(FDados->Fields(i));
    } else {
      for (const QString &nome : lista.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts))
        if (TnField *campo = FDados->FindField(nome.trimmed())) campos.append(campo);
    }
    for (TnField *campo : campos) {
      TnColunaGrid coluna;
      coluna.FieldName = campo->FieldName();
      coluna.Title = campo->DisplayLabel();
      coluna.Width = campo->DisplayWidth();
      coluna.Alignment = campo->Alignment();
      coluna.ReadOnly = campo->Calculado();
      coluna.BotaoEdicao = campo->Definicao().TipoControle() == TnTipoControle::ButtonEdit ||
                           campo->Definicao().TipoControle() == TnTipoControle::LookupEdit ||
                           static_cast<bool>(campo->Definicao().OnButtonClick);
      FColunas.append(coluna);
    }
  }
  FSelecionada = FColunas.isEmpty() ? -1 : 0;
}

TnColunaGrid *TnDBGridEh::Coluna(const QString &fieldName) {
  const int i = IndiceColuna(fieldName);
  return i < 0 ? nullptr : &FColunas[i];
}

int TnDBGridEh::IndiceColuna(const QString &fieldName) const {
  for (int i = 0; i < FColunas.size(); ++i)
    if (FColunas[i].FieldName.compare(fieldName.trimmed(), Qt::CaseInsensitive) == 0) return i;
  return -1;
}

TnField *TnDBGridEh::CampoDaColuna(int coluna) const {
  if (!FDados || coluna < 0 || coluna >= FColunas.size()) return nullptr;
  return FDados->FindField(FColunas[coluna].FieldName);
}

void TnDBGridEh::SetSelectedIndex(int coluna) {
  if (FColunas.isEmpty()) {
    FSelecionada = -1;
    return;
  }
  coluna = std::clamp(coluna, 0, static_cast<int>(FColunas.size()) - 1);
  ++FEscolhasColuna;
  if (coluna == FSelecionada) return;
  if (FEditorAtivo) GravarEditor();
  FSelecionada = coluna;
}

bool TnDBGridEh::SetSelectedField(const TnField *campo) {
  if (!campo) return false;
  const int i = IndiceColuna(campo->FieldName());
  if (i < 0) return false;
  SetSelectedIndex(i);
  return true;
}

bool TnDBGridEh::ColunaEditavel(int coluna) const {
  if (FReadOnly || !FDados || !FDados->Active() || coluna < 0 || coluna >= FColunas.size()) return false;
  const TnColunaGrid &c = FColunas[coluna];
  if (!c.Visible || c.ReadOnly) return false;
  const TnField *campo = CampoDaColuna(coluna);
  if (!campo || campo->ReadOnly() || campo->Calculado()) return false;
  return campo->Definicao().Enabled() && !campo->Definicao().ReadOnly();
}

void TnDBGridEh::SetFonte(const QString &nome, int tamanho) {
  FFonte = nome;
  FTamanhoFonte = tamanho;
}

TnFrmVisual *TnDBGridEh::Form() const {
  for (QObject *p = parent(); p; p = p->parent())
    if (auto *form = dynamic_cast<TnFrmVisual *>(p)) return form;
  return nullptr;
}

bool TnDBGridEh::Focado() const {
  if (TnFrmVisual *form = Form()) return form->Foco() == this;
  return FFocadoSemForm;
}

bool TnDBGridEh::SetFocus() {
  if (!FVisible || !FEnabled) return false;
  for (QObject *p = parent(); p; p = p->parent())
    if (auto *painel = dynamic_cast<TnPainel *>(p); painel && !painel->Visible()) return false;
  if (TnFrmVisual *form = Form())
    form->SetFoco(this);
  else
    FFocadoSemForm = true;
  return true;
}

// --- in-place editor

QString TnDBGridEh::TextoEditor() const {
  if (FEditorAtivo) return FTextoEditor;
  const TnField *campo = SelectedField();
  return campo ? campo->Text() : QString();
}

bool TnDBGridEh::Digitar(const QString &texto) {
  if (!ColunaEditavel(FSelecionada)) return false;
  FTextoEditor = texto;
  FEditorAtivo = true;
  return true;
}

void TnDBGridEh::GravarEditor() {
  if (!FEditorAtivo) return;
  TnField *campo = SelectedField();
  if (!campo || !FDados) {
    FEditorAtivo = false;
    return;
  }
  FGravandoEditor = true;
  try {
    if (!EmEdicao(FDados)) {
      try {
        FDados->Edit();
      } catch (...) {
        // The row refused to go into edit: what was typed has nowhere to
        // go, and trying it again would only repeat the refusal.
        FEditorAtivo = false;
        throw;
      }
    }
    campo->SetText(FTextoEditor);
  } catch (...) {
    FGravandoEditor = false;
    throw;
  }
  FGravandoEditor = false;
  FEditorAtivo = false;
  campo->Definicao().Change();
}

void TnDBGridEh::DescartarEditor() { FEditorAtivo = false; }

// --- dataset notices

void TnDBGridEh::LinhaAlterada(int) {
  FCloneValido = false;
  // A handler that sets the current field while the user types in it shows
  // its value in the editor, as a data-aware editor does.
  if (FEditorAtivo && !FGravandoEditor)
    if (const TnField *campo = SelectedField()) FTextoEditor = campo->Text();
}

void TnDBGridEh::Reiniciado() {
  FCloneValido = false;
  FEditorAtivo = false;
  FDetalheVisivel = false;
  FPainelDetalhe->SetVisible(false);
}

void TnDBGridEh::CursorMovido() {
  FEditorAtivo = false;
  if (FDetalheVisivel && FDados && FDados->RecNo() - 1 != FLinhaDetalhe) {
    FDetalheVisivel = false;
    FPainelDetalhe->SetVisible(false);
  }
}

void TnDBGridEh::EstadoAlterado() {
  FCloneValido = false;
  if (FDados && !EmEdicao(FDados) && !FGravandoEditor) FEditorAtivo = false;
}

// --- input

int TnDBGridEh::PressionarTecla(int key, TShiftState shift) {
  int tecla = key;
  const bool ok = nExecutarProtegido([&] {
    if (OnKeyDown) OnKeyDown(*this, tecla, shift);
    if (tecla != 0) TeclaPadrao(tecla, shift);
  });
  return ok ? tecla : 0;
}

int TnDBGridEh::ProximaColunaEditavel(int depois, int passo) const {
  for (int i = depois + passo; i >= 0 && i < FColunas.size(); i += passo)
    if (ColunaEditavel(i)) return i;
  return -1;
}

void TnDBGridEh::TeclaPadrao(int &key, TShiftState shift) {
  if (!FDados || !FDados->Active()) return;
  const bool ctrl = shift.testFlag(ssCtrl);
  const bool mudanca = shift.testFlag(ssShift);
  switch (key) {
    case nTeclaEnter:
      if (!ctrl) GravarEditor();
      break;
    case nTeclaTab:
      GravarEditor();
      if (mudanca) {
        const int anterior = ProximaColunaEditavel(FSelecionada, -1);
        if (anterior >= 0) SetSelectedIndex(anterior);
      } else {
        SetarFocoColunaGrid(this, FSelecionada, true);
      }
      break;
    case nTeclaEsc:
      if (FEditorAtivo)
        DescartarEditor();
      else
        FDados->Cancel();
      break;
    case nTeclaCima:
      GravarEditor();
      FDados->Prior();
      break;
    case nTeclaBaixo:
      GravarEditor();
      FDados->Next();
      break;
    case nTeclaInsert:
      if (!ctrl && !mudanca) Inserir();
      break;
    case nTeclaDelete:
      if (ctrl) Excluir();
      break;
    default:
      break;
  }
}

bool TnDBGridEh::DblClick() {
  if (!OnDblClick) return false;
  const TnEventoNotify handler = OnDblClick;
  return nExecutarProtegido([&] { handler(this); });
}

bool TnDBGridEh::TitleClick(int coluna) {
  if (coluna < 0 || coluna >= FColunas.size()) return false;
  return nExecutarProtegido([&] {
    if (OnTitleClick) {
      OnTitleClick(*this, FColunas[coluna]);
    } else if (FOrdenar && FDados && FDados->Active()) {
      FDados->SetIndexFieldNames(FColunas[coluna].FieldName);
    }
  });
}

bool TnDBGridEh::EditButtonClick() {
  TnField *campo = SelectedField();
  if (!OnEditButtonClick && !(campo && campo->Definicao().OnButtonClick)) return false;
  return nExecutarProtegido([&] {
    if (OnEditButtonClick) {
      const TnEventoNotify handler = OnEditButtonClick;
      handler(this);
    } else {
      campo->Definicao().ButtonClick();
    }
  });
}

bool TnDBGridEh::ClicarCelula(int linha, int coluna) {
  if (!FDados || !FDados->Active()) return false;
  return nExecutarProtegido([&] {
    if (linha + 1 != FDados->RecNo()) {
      GravarEditor();
      FDados->SetRecNo(linha + 1);
    }
    SetSelectedIndex(coluna);
    SetFocus();
  });
}

// --- drawing

TnClientDataSet *TnDBGridEh::CursorNaLinha(int linha) {
  if (!FDados || !FDados->Active()) return nullptr;
  // The row being edited shows its typed values, which only the dataset has.
  if (FDados->State() == TnDataSetState::Insert && linha == FDados->PosicaoInsercao()) return FDados;
  if (FDados->State() == TnDataSetState::Edit && linha == FDados->RecNo() - 1) return FDados;
  if (!FClone || !FCloneValido) {
    if (!FClone) FClone = std::make_unique<TnClientDataSet>();
    FClone->CloneCursor(FDados, false);
    FCloneValido = true;
  }
  if (linha < 0 || linha >= FClone->RecordCount()) return nullptr;
  FClone->SetRecNo(linha + 1);
  return FClone.get();
}

TnDesenhoCelula TnDBGridEh::DesenharCelula(int linha, int coluna) {
  TnDesenhoCelula celula;
  celula.Linha = linha;
  celula.Coluna = coluna;
  if (coluna < 0 || coluna >= FColunas.size()) return celula;
  celula.Column = &FColunas[coluna];
  celula.Dados = CursorNaLinha(linha);
  if (!celula.Dados) return celula;
  celula.Campo = celula.Dados->FindField(FColunas[coluna].FieldName);
  celula.Texto = celula.Campo ? celula.Campo->DisplayText() : QString();
  const bool linhaAtual =
      FDados->State() == TnDataSetState::Insert ? linha == FDados->PosicaoInsercao() : linha == FDados->RecNo() - 1;
  celula.Selecionada = linhaAtual && (FLinhaInteira || coluna == FSelecionada);
  celula.GridFocado = Focado();
  if (OnDrawColumnCell) {
    try {
      OnDrawColumnCell(*this, celula);
    } catch (...) {
      // A drawing handler that fails must not stop the painting of the grid:
      // the cell is drawn plainly.
      celula.CorFonte = nCorPadrao;
      DefaultDrawColumnCell(celula);
    }
  } else {
    DefaultDrawColumnCell(celula);
  }
  return celula;
}

void TnDBGridEh::DefaultDrawColumnCell(TnDesenhoCelula &celula) const { celula.Desenhada = true; }

// --- row-detail panel

void TnDBGridEh::SetRowDetailPanelAtivo(bool valor) {
  FDetalheAtivo = valor;
  if (!valor) OcultarRowDetailPanel();
}

bool TnDBGridEh::MostrarRowDetailPanel() {
  if (!FDetalheAtivo || !FDados || !FDados->Active() || FDados->IsEmpty()) return false;
  bool podeMostrar = true;
  const bool ok = nExecutarProtegido([&] {
    if (OnRowDetailPanelShow) OnRowDetailPanelShow(*this, podeMostrar);
  });
  if (!ok || !podeMostrar) return false;
  FLinhaDetalhe = FDados->RecNo() - 1;
  FDetalheVisivel = true;
  FPainelDetalhe->SetVisible(true);
  return true;
}

void TnDBGridEh::OcultarRowDetailPanel() {
  if (!FDetalheVisivel) return;
  FDetalheVisivel = false;
  FPainelDetalhe->SetVisible(false);
  if (OnRowDetailPanelHide) nExecutarProtegido([&] { OnRowDetailPanelHide(*this); });
}

// --- footer

TnDecimal TnDBGridEh::Soma(const QString &nomeCampo) const {
  if (!FDados || !FDados->Active()) return TnDecimal();
  const int indice = FDados->IndexOfField(nomeCampo);
  if (indice < 0) throw Exception(QStringLiteral("Campo '%1' não encontrado.").arg(nomeCampo));
  TnDecimal soma;
  for (int linha = 0; linha < FDados->RecordCount(); ++linha) {
    const QVariant valor = FDados->Linha(linha).value(indice);
    if (valor.isNull()) continue;
    const auto parcela = TnDecimal::DoTexto(valor.toString());
    if (!parcela) throw Exception(QStringLiteral("O campo '%1' não é numérico.").arg(nomeCampo));
    soma = soma + *parcela;
  }
  return soma;
}

// --- popup menu

TnActionForm *TnDBGridEh::CriarItemPopup(const QString &caption, int imageIndex, const QString &shortCut,
                                         TnEventoNotify onClick) {
  auto *item = new TnActionForm(this);
  item->SetName(QStringLiteral("mi") + QString::number(ItensPopup().size()));
  item->SetCaption(caption);
  item->SetImageIndex(imageIndex);
  item->SetShortCut(shortCut);
  item->OnExecute = std::move(onClick);
  return item;
}

QList<TnActionForm *> TnDBGridEh::ItensPopup() const {
  QList<TnActionForm *> itens;
  for (QObject *filho : children())
    if (auto *item = dynamic_cast<TnActionForm *>(filho)) itens.append(item);
  return itens;
}

bool TnDBGridEh::ClicarItemPopup(const QString &caption) {
  for (TnActionForm *item : ItensPopup())
    if (item->Caption().compare(caption, Qt::CaseInsensitive) == 0) return item->Execute();
  return false;
}

// --- row operations

bool TnDBGridEh::Inserir() {
  if (FReadOnly || !FDados || !FDados->Active()) return false;
  GravarEditor();
  const int escolhas = FEscolhasColuna;
  FDados->Insert();
  // A column the dataset's AfterInsert chose (SetSelectedField) stays chosen.
  if (FEscolhasColuna != escolhas) return true;
  const int primeira = ProximaColunaEditavel(-1, 1);
  if (primeira >= 0) FSelecionada = primeira;
  return true;
}

bool TnDBGridEh::Excluir() {
  if (FReadOnly || !FDados || !FDados->Active() || FDados->IsEmpty()) return false;
  if (FConfirmaExclusao && nMessageDlg(QStringLiteral("Confirma a exclusão do registro?"), TMsgDlgType::mtConfirmation,
                                       nBotoesSimNao()) != 0)
    return false;
  FEditorAtivo = false;
  FDados->Delete();
  return true;
}

// ---------------------------------------------------------------------------

void SetarFocoColunaGrid(TnDBGridEh *grid, int indiceColuna, bool proximaLinha) {
  if (!grid) return;
  for (int i = std::max(indiceColuna, -1) + 1; i < grid->ColumnCount(); ++i) {
    if (grid->ColunaEditavel(i)) {
      grid->SetSelectedIndex(i);
      grid->SetFocus();
      return;
    }
  }
  TnClientDataSet *dados = grid->DataSet();
  if (!proximaLinha || !dados || !dados->Active()) return;
  grid->GravarEditor();
  const bool eraUltima = dados->RecNo() >= dados->RecordCount() || dados->State() == TnDataSetState::Insert;
  if (eraUltima) {
    if (grid->ReadOnly()) return;
    dados->Append();
  } else {
    dados->Next();
  }
  for (int i = 0; i < grid->ColumnCount(); ++i) {
    if (grid->ColunaEditavel(i)) {
      grid->SetSelectedIndex(i);
      break;
    }
  }
  grid->SetFocus();
}
