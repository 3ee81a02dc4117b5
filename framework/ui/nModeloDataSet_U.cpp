#include "nModeloDataSet_U.h"

#include <QColor>
#include <QFont>

#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nField_U.h"
#include "nGuarda_U.h"

namespace {

Qt::Alignment nAlinhamentoQt(TnAlignment alinhamento) {
  switch (alinhamento) {
    case TnAlignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case TnAlignment::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case TnAlignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant nCorQt(TnCor cor) {
  if (cor == nCorPadrao) return {};
  return QColor(QRgb(cor | 0xFF000000u));
}

bool nEmEdicao(const TnClientDataSet *dados) {
  return dados->State() == TnDataSetState::Edit || dados->State() == TnDataSetState::Insert;
}

}  // namespace

TnModeloDataSet::TnModeloDataSet(TnClientDataSet *dados, QObject *parent) : QAbstractTableModel(parent), FDados(dados) {
  Ligar();
}

TnModeloDataSet::TnModeloDataSet(TnDBGridEh *grid, QObject *parent)
    : QAbstractTableModel(parent), FDados(grid ? grid->DataSet() : nullptr), FGrid(grid) {
  Ligar();
}

TnModeloDataSet::~TnModeloDataSet() { Soltar(); }

void TnModeloDataSet::Ligar() {
  FCampos.clear();
  if (!FDados) return;
  FDados->AdicionarObservador(this);
  if (!FGrid)
    for (int i = 0; i < FDados->FieldCount(); ++i)
      if (FDados->Fields(i)->Visible()) FCampos.append(i);
  FContagem = FDados->Active() ? FDados->RecordCount() : 0;
  FLinhaInsercao = FDados->State() == TnDataSetState::Insert ? qBound(0, FDados->PosicaoInsercao(), FContagem) : -1;
}

void TnModeloDataSet::Soltar() {
  if (FDados) FDados->RemoverObservador(this);
}

void TnModeloDataSet::RecriarColunas() {
  beginResetModel();
  Soltar();
  Ligar();
  FCloneValido = false;
  FRecusaLinha = FRecusaColuna = -1;
  endResetModel();
}

// --- shape

int TnModeloDataSet::rowCount(const QModelIndex &parent) const {
  if (parent.isValid()) return 0;
  return FContagem + (FLinhaInsercao >= 0 ? 1 : 0);
}

int TnModeloDataSet::columnCount(const QModelIndex &parent) const {
  if (parent.isValid()) return 0;
  if (FGrid) return FGrid->ColumnCount();
  return static_cast<int>(FCampos.size());
}

TnField *TnModeloDataSet::Campo(int coluna) const {
  if (FGrid) return FGrid->CampoDaColuna(coluna);
  if (!FDados || coluna < 0 || coluna >= FCampos.size()) return nullptr;
  return FDados->Fields(FCampos.at(coluna));
}

bool TnModeloDataSet::ColunaVisivel(int coluna) const {
  if (FGrid) return coluna >= 0 && coluna < FGrid->ColumnCount() && FGrid->Columns().at(coluna).Visible;
  return coluna >= 0 && coluna < FCampos.size();
}

int TnModeloDataSet::LarguraCaracteres(int coluna) const {
  if (FGrid && coluna >= 0 && coluna < FGrid->ColumnCount() && FGrid->Columns().at(coluna).Width > 0)
    return FGrid->Columns().at(coluna).Width;
  const TnField *campo = Campo(coluna);
  return campo ? campo->DisplayWidth() : 10;
}

// Model rows hold the view's rows with the row being inserted placed where
// the dataset shows it: -2 names that row, others are view rows.
int TnModeloDataSet::LinhaDaVisao(int linhaModelo) const {
  if (FLinhaInsercao < 0 || linhaModelo < FLinhaInsercao) return linhaModelo;
  if (linhaModelo == FLinhaInsercao) return -2;
  return linhaModelo - 1;
}

int TnModeloDataSet::LinhaAtual() const {
  if (!FDados || !FDados->Active()) return -1;
  if (FLinhaInsercao >= 0) return FLinhaInsercao;
  const int linha = FDados->RecNo() - 1;
  return linha >= 0 && linha < FContagem ? linha : -1;
}

TnClientDataSet *TnModeloDataSet::CursorNaLinha(int linhaModelo) const {
  if (!FDados || !FDados->Active()) return nullptr;
  const int linha = LinhaDaVisao(linhaModelo);
  // The row being edited shows its typed values, which only the dataset has.
  if (linha == -2) return FDados;
  if (FDados->State() == TnDataSetState::Edit && linha == FDados->RecNo() - 1) return FDados;
  if (!FClone || !FCloneValido) {
    if (!FClone) FClone = std::make_unique<TnClientDataSet>();
    FClone->CloneCursor(FDados, false);
    FCloneValido = true;
  }
  // The clone's fields are its own: give them the texts the user sees, as
  // the module has them now (it may bind them after the view was drawn).
  for (int i = 0; i < FDados->FieldCount() && i < FClone->FieldCount(); ++i) {
    FClone->Fields(i)->OnGetText = FDados->Fields(i)->OnGetText;
    FClone->Fields(i)->SetDisplayFormat(FDados->Fields(i)->DisplayFormat());
  }
  if (linha < 0 || linha >= FClone->RecordCount()) return nullptr;
  FClone->SetRecNo(linha + 1);
  return FClone.get();
}

TnDesenhoCelula TnModeloDataSet::Celula(int linha, int coluna) const {
  // Drawn here rather than by the grid's DesenharCelula: the grid's cursor
  // over other rows has fields without the texts' handlers, and it cannot
  // name the view row sitting where a row is being inserted. The grid's
  // callback runs the same way.
  TnDesenhoCelula celula;
  celula.Linha = linha;
  celula.Coluna = coluna;
  if (FGrid && coluna >= 0 && coluna < FGrid->ColumnCount()) celula.Column = &FGrid->Columns()[coluna];
  celula.Dados = CursorNaLinha(linha);
  if (!celula.Dados) return celula;
  TnField *campo = Campo(coluna);
  celula.Campo = campo ? celula.Dados->FindField(campo->FieldName()) : nullptr;
  celula.Texto = celula.Campo ? celula.Campo->DisplayText() : QString();
  if (FGrid) {
    celula.Selecionada = linha == LinhaAtual() && (FGrid->LinhaInteira() || coluna == FGrid->SelectedIndex());
    celula.GridFocado = FGrid->Focado();
    if (FGrid->OnDrawColumnCell) {
      try {
        FGrid->OnDrawColumnCell(*FGrid, celula);
      } catch (...) {
        celula.CorFonte = nCorPadrao;
        FGrid->DefaultDrawColumnCell(celula);
      }
      return celula;
    }
    FGrid->DefaultDrawColumnCell(celula);
  }
  return celula;
}

bool TnModeloDataSet::TemTextoRecusado(int linha, int coluna) const {
  return linha == FRecusaLinha && coluna == FRecusaColuna;
}

// --- data

QVariant TnModeloDataSet::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || !FDados || !FDados->Active()) return {};
  const int linha = index.row();
  const int coluna = index.column();
  switch (role) {
    case Qt::DisplayRole: {
      if (TemTextoRecusado(linha, coluna)) return FRecusaTexto;
      return Celula(linha, coluna).Texto;
    }
    case Qt::EditRole: {
      if (TemTextoRecusado(linha, coluna)) return FRecusaTexto;
      TnClientDataSet *cursor = CursorNaLinha(linha);
      const TnField *campo = Campo(coluna);
      if (!cursor || !campo) return QString();
      const TnField *naLinha = cursor->FindField(campo->FieldName());
      return naLinha ? naLinha->Text() : QString();
    }
    case Qt::ForegroundRole:
      return nCorQt(Celula(linha, coluna).CorFonte);
    case Qt::BackgroundRole:
      return nCorQt(Celula(linha, coluna).CorFundo);
    case Qt::FontRole: {
      if (!Celula(linha, coluna).Negrito) return {};
      QFont fonte;
      fonte.setBold(true);
      return fonte;
    }
    case Qt::TextAlignmentRole: {
      if (FGrid && coluna < FGrid->ColumnCount())
        return QVariant::fromValue(nAlinhamentoQt(FGrid->Columns().at(coluna).Alignment));
      const TnField *campo = Campo(coluna);
      return QVariant::fromValue(nAlinhamentoQt(campo ? campo->Alignment() : TnAlignment::Left));
    }
    case Qt::ToolTipRole: {
      const TnField *campo = Campo(coluna);
      if (campo && !campo->Definicao().Hint().isEmpty()) return campo->Definicao().Hint();
      return {};
    }
    default:
      return {};
  }
}

QVariant TnModeloDataSet::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) {
    if (role == Qt::DisplayRole && section == FLinhaInsercao) return QStringLiteral("*");
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) {
    if (FGrid && section >= 0 && section < FGrid->ColumnCount() && !FGrid->Columns().at(section).Title.isEmpty())
      return FGrid->Columns().at(section).Title;
    const TnField *campo = Campo(section);
    return campo ? campo->DisplayLabel() : QVariant();
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
  return {};
}

Qt::ItemFlags TnModeloDataSet::flags(const QModelIndex &index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags resultado = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  bool editavel = false;
  if (FGrid) {
    editavel = FGrid->ColunaEditavel(index.column());
  } else if (const TnField *campo = Campo(index.column())) {
    editavel = FDados->Active() && !campo->ReadOnly() && !campo->Calculado() && campo->Definicao().Enabled() &&
               !campo->Definicao().ReadOnly();
  }
  if (editavel) resultado |= Qt::ItemIsEditable;
  return resultado;
}

bool TnModeloDataSet::setData(const QModelIndex &index, const QVariant &value, int role) {
  if (!FDados || role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
  const int linha = index.row();
  const int coluna = index.column();
  const QString texto = value.toString();
  bool escrito = false;
  const bool ok = nExecutarProtegido([&] {
    const int visao = LinhaDaVisao(linha);
    if (visao >= 0 && visao != FDados->RecNo() - 1) {
      if (FGrid) FGrid->GravarEditor();
      FDados->SetRecNo(visao + 1);
    }
    if (FGrid) {
      FGrid->SetSelectedIndex(coluna);
      if (!FGrid->Digitar(texto)) return;
      FGrid->GravarEditor();
    } else {
      TnField *campo = Campo(coluna);
      if (!nEmEdicao(FDados)) FDados->Edit();
      campo->SetText(texto);
      campo->Definicao().Change();
    }
    escrito = true;
  });
  // The row may have moved in the view (an indexed post); find it again.
  const int linhaAgora = ok ? -1 : (LinhaAtual() >= 0 ? LinhaAtual() : linha);
  const int anterior = FRecusaLinha;
  // A refused value keeps what was typed for the user to correct; a row that
  // would not go into edit at all (left browsing) took nothing: its cell
  // shows the stored value again.
  if (ok || FDados->State() == TnDataSetState::Browse) {
    FRecusaLinha = FRecusaColuna = -1;
    FRecusaTexto.clear();
  } else {
    FRecusaLinha = linhaAgora;
    FRecusaColuna = coluna;
    FRecusaTexto = texto;
  }
  if (anterior >= 0 && anterior < rowCount()) emit dataChanged(this->index(anterior, 0), this->index(anterior, columnCount() - 1));
  if (FRecusaLinha >= 0 && FRecusaLinha < rowCount())
    emit dataChanged(this->index(FRecusaLinha, 0), this->index(FRecusaLinha, columnCount() - 1));
  return ok && escrito;
}

// --- dataset notices

void TnModeloDataSet::RetirarInsercao() {
  if (FLinhaInsercao < 0) return;
  beginRemoveRows(QModelIndex(), FLinhaInsercao, FLinhaInsercao);
  FLinhaInsercao = -1;
  endRemoveRows();
}

void TnModeloDataSet::AcertarInsercao() {
  const int desejada = FDados && FDados->State() == TnDataSetState::Insert
                           ? qBound(0, FDados->PosicaoInsercao(), FContagem)
                           : -1;
  if (desejada == FLinhaInsercao) return;
  RetirarInsercao();
  if (desejada < 0) return;
  beginInsertRows(QModelIndex(), desejada, desejada);
  FLinhaInsercao = desejada;
  endInsertRows();
}

void TnModeloDataSet::TodasAlteradas() {
  if (rowCount() > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TnModeloDataSet::AntesInserirLinhas(int primeira, int ultima) {
  RetirarInsercao();
  beginInsertRows(QModelIndex(), primeira, ultima);
}

void TnModeloDataSet::LinhasInseridas(int primeira, int ultima) {
  FContagem += ultima - primeira + 1;
  FCloneValido = false;
  endInsertRows();
}

void TnModeloDataSet::AntesRemoverLinhas(int primeira, int ultima) {
  RetirarInsercao();
  FRemovendo = true;
  beginRemoveRows(QModelIndex(), primeira, ultima);
}

void TnModeloDataSet::LinhasRemovidas(int primeira, int ultima) {
  FContagem -= ultima - primeira + 1;
  FCloneValido = false;
  FRecusaLinha = FRecusaColuna = -1;
  endRemoveRows();
  FRemovendo = false;
}

void TnModeloDataSet::LinhaAlterada(int linha) {
  FCloneValido = false;
  int modelo = linha;
  if (linha < 0)
    modelo = FLinhaInsercao;
  else if (FLinhaInsercao >= 0 && linha >= FLinhaInsercao)
    modelo = linha + 1;
  if (modelo >= 0 && modelo < rowCount() && columnCount() > 0)
    emit dataChanged(index(modelo, 0), index(modelo, columnCount() - 1));
}

void TnModeloDataSet::AntesReiniciar() {
  FReiniciando = true;
  beginResetModel();
}

void TnModeloDataSet::Reiniciado() {
  if (!FReiniciando) beginResetModel();
  FReiniciando = false;
  // The fields may have been made again: read the columns anew.
  FCampos.clear();
  if (!FGrid)
    for (int i = 0; i < FDados->FieldCount(); ++i)
      if (FDados->Fields(i)->Visible()) FCampos.append(i);
  FContagem = FDados->Active() ? FDados->RecordCount() : 0;
  FLinhaInsercao = FDados->State() == TnDataSetState::Insert ? qBound(0, FDados->PosicaoInsercao(), FContagem) : -1;
  FCloneValido = false;
  FRecusaLinha = FRecusaColuna = -1;
  endResetModel();
  if (OnCursorMovido) OnCursorMovido();
}

void TnModeloDataSet::CursorMovido() {
  FRecusaLinha = FRecusaColuna = -1;
  // The selected cell's drawing (and the callback's colours) follow the row.
  TodasAlteradas();
  if (OnCursorMovido) OnCursorMovido();
}

void TnModeloDataSet::DataSetDestruido() {
  beginResetModel();
  FDados = nullptr;
  FCampos.clear();
  FContagem = 0;
  FLinhaInsercao = -1;
  FClone.reset();
  FCloneValido = false;
  FRecusaLinha = FRecusaColuna = -1;
  endResetModel();
}

void TnModeloDataSet::EstadoAlterado() {
  FCloneValido = false;
  AcertarInsercao();
  if (FDados->State() == TnDataSetState::Browse) FRecusaLinha = FRecusaColuna = -1;
  TodasAlteradas();
  if (OnCursorMovido) OnCursorMovido();
}
