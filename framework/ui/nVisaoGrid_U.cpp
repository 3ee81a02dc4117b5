#include "nVisaoGrid_U.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "nActionForm_U.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDelegadoGrid_U.h"
#include "nField_U.h"
#include "nFormatos_U.h"
#include "nGuarda_U.h"
#include "nListaImagens_U.h"
#include "nModeloDataSet_U.h"
#include "nPainel_U.h"

namespace {

constexpr int nAlturaDetalhePadrao = 160;

// The keys the grid model handles itself: the table must not move as well.
bool nTeclaDoGrid(int key, TShiftState shift) {
  switch (key) {
    case nTeclaEnter:
    case nTeclaTab:
    case nTeclaEsc:
    case 38:  // up
    case 40:  // down
    case 45:  // insert
      return true;
    case 46:  // delete: Ctrl+Delete deletes the row
      return shift.testFlag(ssCtrl);
    default:
      return false;
  }
}

}  // namespace

int nTeclaVirtual(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return nTeclaTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return nTeclaEnter;
    case Qt::Key_Escape:
      return nTeclaEsc;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      return 0;
  }
}

TShiftState nShiftState(Qt::KeyboardModifiers modificadores) {
  TShiftState shift;
  if (modificadores & Qt::ShiftModifier) shift |= ssShift;
  if (modificadores & Qt::AltModifier) shift |= ssAlt;
  if (modificadores & Qt::ControlModifier) shift |= ssCtrl;
  return shift;
}

TnVisaoGrid::TnVisaoGrid(TnDBGridEh *grid, QWidget *parent)
    : QWidget(parent),
      FGrid(grid),
      FTabela(new QTableView(this)),
      FModelo(new TnModeloDataSet(grid, this)),
      FDelegado(new TnDelegadoGrid(FModelo, this)),
      FRodape(new QLabel(this)) {
  setObjectName(grid ? grid->Name() : QString());
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FTabela, 1);
  layout->addWidget(FRodape);
  FRodape->setObjectName(QStringLiteral("rodape"));
  FRodape->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  FTabela->setModel(FModelo);
  FTabela->setItemDelegate(FDelegado);
  FTabela->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
  FTabela->setSelectionMode(QAbstractItemView::SingleSelection);
  FTabela->setSortingEnabled(false);
  FTabela->verticalHeader()->setDefaultSectionSize(FTabela->fontMetrics().height() + 6);
  FTabela->installEventFilter(this);
  FTabela->viewport()->installEventFilter(this);

  FDelegado->OnTecla = [this](int key, Qt::KeyboardModifiers modificadores) {
    if (!FGrid) return;
    FGrid->PressionarTecla(key, nShiftState(modificadores));
    // The key's handler may have chosen another cell (Enter going on to the
    // next column or row): the view highlights the cell the grid draws as
    // selected, never another.
    SeguirCursor();
  };
  FDelegado->OnBotao = [this] {
    if (FGrid) FGrid->EditButtonClick();
  };
  FModelo->OnCursorMovido = [this] { SeguirCursor(); };

  connect(FTabela, &QTableView::doubleClicked, this, [this](const QModelIndex &indice) { DuploClique(indice); });
  connect(FTabela->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int coluna) {
    if (FGrid) FGrid->TitleClick(coluna);
  });
  connect(FTabela->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int linha) { AlternarDetalhe(linha); });
  connect(FTabela->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex &atual, const QModelIndex &) {
            if (FSincronizando || !FGrid || !atual.isValid() || FModelo->Removendo()) return;
            const int visao = FModelo->LinhaDaVisao(atual.row());
            if (visao < 0)
              FGrid->SetSelectedIndex(atual.column());
            else
              FGrid->ClicarCelula(visao, atual.column());
            // A refused move (a post that failed) puts the view back on the
            // dataset's row.
            SeguirCursor();
          });
  FTabela->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(FTabela, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) { MostrarMenuPopup(p); });
  connect(FModelo, &QAbstractItemModel::modelReset, this, [this] { AjustarColunas(); });
  connect(FTabela->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PosicionarDetalhe(); });
  connect(FTabela->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { PosicionarDetalhe(); });
  Atualizar();
}

TnVisaoGrid::~TnVisaoGrid() = default;

void TnVisaoGrid::Atualizar() {
  if (!FGrid) return;
  setVisible(FGrid->Visible());
  setEnabled(FGrid->Enabled());
  FTabela->setSelectionBehavior(FGrid->LinhaInteira() ? QAbstractItemView::SelectRows
                                                      : QAbstractItemView::SelectItems);
  if (!FGrid->Fonte().isEmpty() || FGrid->TamanhoFonte() != 0) {
    QFont fonte = FTabela->font();
    if (!FGrid->Fonte().isEmpty()) fonte.setFamily(FGrid->Fonte());
    // Negative sizes are pixel heights, positive ones points.
    if (FGrid->TamanhoFonte() < 0) fonte.setPixelSize(-FGrid->TamanhoFonte());
    if (FGrid->TamanhoFonte() > 0) fonte.setPointSize(FGrid->TamanhoFonte());
    FTabela->setFont(fonte);
  }
  FTabela->horizontalHeader()->setDefaultAlignment(
      FGrid->TitulosMultilinha() ? Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap) : Qt::Alignment(Qt::AlignCenter));
  FTabela->verticalHeader()->setVisible(FGrid->RowDetailPanelAtivo());
  AjustarColunas();
  SeguirCursor();
}

void TnVisaoGrid::AjustarColunas() {
  if (!FGrid) return;
  // A column is as wide as its field's display width in digits (the widest
  // common characters), its title and the values on screen, within reason.
  const QFontMetrics medida = FTabela->fontMetrics();
  const int caractere = qMax(medida.averageCharWidth(), medida.horizontalAdvance(QLatin1Char('0')));
  const int maxima = qMax(300, 60 * caractere);
  for (int c = 0; c < FModelo->columnCount(); ++c) {
    FTabela->setColumnHidden(c, !FModelo->ColunaVisivel(c));
    if (FGrid->AutoAjustarColunas() || !FModelo->ColunaVisivel(c)) continue;
    // What the title and the values on screen need, then the field's width;
    // never narrower than the title as the platform's grids draw it (bold).
    FTabela->resizeColumnToContents(c);
    QFont negrito = FTabela->horizontalHeader()->font();
    negrito.setBold(true);
    const int titulo =
        QFontMetrics(negrito).horizontalAdvance(FModelo->headerData(c, Qt::Horizontal).toString()) + 16;
    const int largura = qMax(FTabela->columnWidth(c) + 4, FModelo->LarguraCaracteres(c) * caractere + 12);
    FTabela->setColumnWidth(c, qMax(qMin(largura, maxima), titulo));
  }
  FTabela->horizontalHeader()->setSectionResizeMode(FGrid->AutoAjustarColunas() ? QHeaderView::Stretch
                                                                                 : QHeaderView::Interactive);
}

void TnVisaoGrid::SeguirCursor() {
  if (!FGrid) return;
  const int linha = FModelo->LinhaAtual();
  const int coluna = FGrid->SelectedIndex();
  if (linha >= 0 && coluna >= 0) {
    const QModelIndex alvo = FModelo->index(linha, coluna);
    if (FTabela->currentIndex() != alvo) {
      FSincronizando = true;
      FTabela->setCurrentIndex(alvo);
      FSincronizando = false;
    }
  }
  AtualizarRodape();
  AtualizarDetalhe();
}

void TnVisaoGrid::AtualizarRodape() {
  const bool visivel = FGrid && FGrid->RodapeVisivel() && !FGrid->CamposSoma().isEmpty();
  FRodape->setVisible(visivel);
  if (!visivel) return;
  QStringList partes;
  for (const QString &nome : FGrid->CamposSoma()) {
    const TnField *campo = FGrid->DataSet() ? FGrid->DataSet()->FindField(nome) : nullptr;
    QString soma;
    try {
      // As the column shows its values: the field's display format.
      const QString texto = FGrid->Soma(nome).Texto();
      soma = campo && !campo->DisplayFormat().isEmpty() ? FormatFloat(campo->DisplayFormat(), texto)
                                                        : QString(texto).replace(QLatin1Char('.'), QLatin1Char(','));
    } catch (...) {
      // A sum that cannot be made (a field gone) shows blank, never breaks the view.
    }
    partes << QStringLiteral("%1: %2").arg(campo ? campo->DisplayLabel() : nome, soma);
  }
  FRodape->setText(partes.join(QStringLiteral("    ")));
}

void TnVisaoGrid::AlternarDetalhe(int linha) {
  if (!FGrid || !FGrid->RowDetailPanelAtivo()) return;
  if (FGrid->RowDetailPanelVisivel() && FModelo->LinhaAtual() == linha) {
    nExecutarProtegido([this] { FGrid->OcultarRowDetailPanel(); });
  } else {
    const int visao = FModelo->LinhaDaVisao(linha);
    if (visao >= 0 && FGrid->ClicarCelula(visao, qMax(0, FGrid->SelectedIndex())))
      nExecutarProtegido([this] { FGrid->MostrarRowDetailPanel(); });
  }
  AtualizarDetalhe();
}

void TnVisaoGrid::AtualizarDetalhe() {
  if (!FGrid) return;
  const int linha = FGrid->RowDetailPanelVisivel() ? FModelo->LinhaAtual() : -1;
  if (FLinhaDetalhe >= 0 && FLinhaDetalhe != linha && FLinhaDetalhe < FModelo->rowCount())
    FTabela->setRowHeight(FLinhaDetalhe, FAlturaLinha);
  if (linha < 0) {
    if (FPainelDetalhe) FPainelDetalhe->hide();
    FLinhaDetalhe = FDelegado->LinhaDetalhe = -1;
    FTabela->viewport()->update();
    return;
  }
  if (!FPainelDetalhe) {
    // The detail grids placed in the grid's panel, each drawn by its view.
    FPainelDetalhe = new QWidget(FTabela->viewport());
    FPainelDetalhe->setObjectName(QStringLiteral("rowDetailPanel"));
    FPainelDetalhe->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(FPainelDetalhe);
    layout->setContentsMargins(16, 2, 2, 2);
    // The model's classes carry no meta-object of their own: findChildren
    // would take every child for a grid.
    for (QObject *filho : FGrid->RowDetailPanel()->findChildren<QObject *>())
      if (auto *detalhe = dynamic_cast<TnDBGridEh *>(filho))
        layout->addWidget(nCriarVisaoGrid(detalhe, FPainelDetalhe));
  }
  FAlturaLinha = FTabela->verticalHeader()->defaultSectionSize();
  const int altura = FGrid->RowDetailPanel()->Height() > 0 ? FGrid->RowDetailPanel()->Height() : nAlturaDetalhePadrao;
  FLinhaDetalhe = linha;
  FDelegado->LinhaDetalhe = linha;
  FDelegado->AlturaLinha = FAlturaLinha;
  FTabela->setRowHeight(linha, FAlturaLinha + altura);
  FPainelDetalhe->show();
  PosicionarDetalhe();
}

void TnVisaoGrid::PosicionarDetalhe() {
  if (!FPainelDetalhe || FLinhaDetalhe < 0 || !FPainelDetalhe->isVisibleTo(FTabela)) return;
  const int topo = FTabela->rowViewportPosition(FLinhaDetalhe) + FAlturaLinha;
  const int altura = FTabela->rowHeight(FLinhaDetalhe) - FAlturaLinha;
  FPainelDetalhe->setGeometry(0, topo, FTabela->viewport()->width(), altura);
}

QMenu *TnVisaoGrid::CriarMenuPopup(QWidget *pai) {
  if (!FGrid) return nullptr;
  QMenu *menu = nullptr;
  for (TnActionForm *item : FGrid->ItensPopup()) {
    if (!item->Visible()) continue;
    if (!menu) menu = new QMenu(pai);
    QAction *acao = menu->addAction(TnListaImagens::Icone(item->ImageIndex()), item->Caption());
    acao->setObjectName(item->Name());
    acao->setEnabled(item->Enabled());
    if (!item->ShortCutStr().isEmpty())
      acao->setShortcut(QKeySequence::fromString(item->ShortCutStr(), QKeySequence::PortableText));
    QPointer<TnActionForm> alvo(item);
    connect(acao, &QAction::triggered, this, [this, alvo] {
      // Execute runs the handler under the guard.
      if (alvo) alvo->Execute();
      SeguirCursor();
    });
  }
  return menu;
}

void TnVisaoGrid::MostrarMenuPopup(const QPoint &posicao) {
  // The menu acts on the row under the mouse, as a click would choose it.
  const QModelIndex indice = FTabela->indexAt(posicao);
  if (indice.isValid()) FTabela->setCurrentIndex(indice);
  QMenu *menu = CriarMenuPopup(this);
  if (!menu) return;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(FTabela->viewport()->mapToGlobal(posicao));
}

void TnVisaoGrid::DuploClique(const QModelIndex &indice) {
  if (!FGrid || !indice.isValid()) return;
  // The handler acts on the dataset's current row: the row double-clicked
  // becomes current first. A refused move (a post that failed) leaves the
  // cursor where it was, and the double click acts on nothing.
  if (FTabela->currentIndex() != indice) FTabela->setCurrentIndex(indice);
  if (FTabela->currentIndex().row() != indice.row()) return;
  FGrid->DblClick();
  SeguirCursor();
}

bool TnVisaoGrid::Tecla(int key, Qt::KeyboardModifiers modificadores) {
  if (!FGrid || key == 0) return false;
  const TShiftState shift = nShiftState(modificadores);
  const int restante = FGrid->PressionarTecla(key, shift);
  SeguirCursor();
  return restante == 0 || nTeclaDoGrid(key, shift);
}

bool TnVisaoGrid::eventFilter(QObject *objeto, QEvent *evento) {
  if (objeto == FTabela) {
    if (evento->type() == QEvent::KeyPress) {
      auto *tecla = static_cast<QKeyEvent *>(evento);
      if (Tecla(nTeclaVirtual(tecla->key()), tecla->modifiers())) return true;
    } else if (evento->type() == QEvent::FocusIn && FGrid) {
      FGrid->SetFocus();
      FTabela->viewport()->update();
    }
  } else if (objeto == FTabela->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
    // The table itself passes a double click on only when its press landed
    // on the row already pressed; a press that moved the cursor (the row
    // posted, the model told of it) loses it. The grid takes it here.
    auto *mouse = static_cast<QMouseEvent *>(evento);
    if (mouse->button() == Qt::LeftButton) {
      DuploClique(FTabela->indexAt(mouse->position().toPoint()));
      return true;
    }
  } else if (objeto == FTabela->viewport() && evento->type() == QEvent::Resize) {
    PosicionarDetalhe();
  }
  return QWidget::eventFilter(objeto, evento);
}

QWidget *nCriarVisaoGrid(TnDBGridEh *grid, QWidget *parent) { return new TnVisaoGrid(grid, parent); }
