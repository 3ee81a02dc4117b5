#include "nVisaoForm_U.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nEditorCampo_U.h"
#include "nField_U.h"
#include "nFrmCadGrid_U.h"
#include "nFrmConGrid_U.h"
#include "nGuarda_U.h"
#include "nListaImagens_U.h"
#include "nVisaoCadGrid_U.h"
#include "nVisaoCadastro_U.h"
#include "nVisaoConGrid_U.h"
#include "nVisaoGrid_U.h"
#include "nVisaoPowerParam_U.h"


namespace {

// Qt delivers a key press after its shortcut override even when the override
// ran a command: a key that is both a form's shortcut and a key of the
// focused widget (Ctrl+Down on a grid runs "Mover para baixo", and Down moves
// the grid's row) would act twice. The press that follows a command run from
// its override is swallowed here; any other press forgets it.
class TnFiltroTeclaExecutada : public QObject {
 public:
  static void Lembrar(const QKeyCombination &tecla) {
    static TnFiltroTeclaExecutada filtro;
    if (!filtro.FInstalado && qApp) {
      qApp->installEventFilter(&filtro);
      filtro.FInstalado = true;
    }
    filtro.FTecla = tecla;
    filtro.FLembrada = true;
  }

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override {
    if (FLembrada && evento->type() == QEvent::KeyPress) {
      FLembrada = false;
      if (static_cast<QKeyEvent *>(evento)->keyCombination() == FTecla) return true;
    }
    return QObject::eventFilter(objeto, evento);
  }

 private:
  QKeyCombination FTecla;
  bool FLembrada = false;
  bool FInstalado = false;
};

QList<TnVisaoForm *> &VisoesVivas() {
  static QList<TnVisaoForm *> visoes;
  return visoes;
}

constexpr int IntervaloLeitura = 200;  // ms between two readings of the model

QWidget *CriarVisaoDeGrid(TnDBGridEh *grid, QWidget *pai) { return nCriarVisaoGrid(grid, pai); }

// The icon of a standard action that carries no image index of its own: the
// standard buttons are drawn icon-only, so each needs one.
QIcon IconePadrao(const QString &nome) {
  static const QList<QPair<QString, QStyle::StandardPixmap>> icones = {
      {QStringLiteral("actDataSetFirst"), QStyle::SP_MediaSkipBackward},
      {QStringLiteral("actDataSetPrior"), QStyle::SP_ArrowLeft},
      {QStringLiteral("actDataSetNext"), QStyle::SP_ArrowRight},
      {QStringLiteral("actDataSetLast"), QStyle::SP_MediaSkipForward},
      {QStringLiteral("actDataSetInsert"), QStyle::SP_FileIcon},
      {QStringLiteral("actDataSetEdit"), QStyle::SP_FileDialogDetailedView},
      {QStringLiteral("actDataSetDelete"), QStyle::SP_TrashIcon},
      {QStringLiteral("actDataSetPost"), QStyle::SP_DialogSaveButton},
      {QStringLiteral("actDataSetCancel"), QStyle::SP_DialogCancelButton},
      {QStringLiteral("actDataSetRefresh"), QStyle::SP_BrowserReload},
      {QStringLiteral("actFechar"), QStyle::SP_DialogCloseButton},
  };
  for (const auto &[acao, pixmap] : icones)
    if (acao.compare(nome, Qt::CaseInsensitive) == 0) return QApplication::style()->standardIcon(pixmap);
  return {};
}

}  // namespace

int nTipoActionForm(const QString &nomeAction) {
  static const QList<QPair<QString, int>> tipos = {
      {QStringLiteral("actDataSetFirst"), 0},  {QStringLiteral("actDataSetPrior"), 0},
      {QStringLiteral("actDataSetNext"), 0},   {QStringLiteral("actDataSetLast"), 0},
      {QStringLiteral("actDataSetEdit"), 1},   {QStringLiteral("actDataSetInsert"), 2},
      {QStringLiteral("actDataSetDelete"), 3}, {QStringLiteral("actDataSetPost"), 4},
      {QStringLiteral("actDataSetCancel"), 4}, {QStringLiteral("actDataSetRefresh"), 5},
      {QStringLiteral("actFechar"), 6},
  };
  for (const auto &[nome, tipo] : tipos)
    if (nome.compare(nomeAction, Qt::CaseInsensitive) == 0) return tipo;
  return -1;
}

bool nActionFormPermitida(const TnFrmVisual &form, const TnActionForm &action) {
  const int tipo = nTipoActionForm(action.Name());
  if (tipo < 0 || !form.TiposActionForm().contains(tipo)) return true;
  return form.ValorActionForm();
}

void nAplicarPainel(QLabel *label, const TnPainel *painel) {
  label->setObjectName(painel->Name());
  label->setText(painel->Caption());
  label->setVisible(painel->Visible());
  QFont fonte = label->font();
  fonte.setBold(painel->Negrito());
  if (painel->TamanhoFonte() > 0) fonte.setPointSize(painel->TamanhoFonte());
  label->setFont(fonte);
  QPalette paleta = label->palette();
  paleta.setColor(QPalette::WindowText, painel->CorFonte() == nCorPadrao
                                            ? label->parentWidget() ? label->parentWidget()->palette().color(QPalette::WindowText)
                                                                     : QPalette().color(QPalette::WindowText)
                                            : QColor(QRgb(painel->CorFonte())));
  label->setPalette(paleta);
  label->setFrameShape(painel->Borda() ? QFrame::StyledPanel : QFrame::NoFrame);
  const Qt::Alignment alinhamento = painel->Alignment() == TnAlinhamentoTexto::Direita  ? Qt::AlignRight
                                    : painel->Alignment() == TnAlinhamentoTexto::Centro ? Qt::AlignHCenter
                                                                                        : Qt::AlignLeft;
  label->setAlignment(alinhamento | Qt::AlignVCenter);
  if (painel->Width() > 0) label->setMinimumWidth(painel->Width());
  if (painel->Height() > 0) label->setMinimumHeight(painel->Height());
}

TnVisaoForm::TnVisaoForm(TnFrmVisual *form, QWidget *parent)
    : QWidget(parent),
      FForm(form),
      FToolBar(new QToolBar(this)),
      FAreaToolBar(new QWidget(this)),
      FLayoutAreaToolBar(new QHBoxLayout(FAreaToolBar)),
      FAreaTopo(new QWidget(this)),
      FLayoutTopo(new QHBoxLayout(FAreaTopo)),
      FLayoutCliente(new QVBoxLayout),
      FStatus(new QLabel(this)),
      FTimer(new QTimer(this)) {
  VisoesVivas().append(this);
  setObjectName(form ? form->Name() : QString());
  setWindowTitle(form ? form->Caption() : QString());
  if (form) resize(form->Width(), form->Height());
  FToolBar->setObjectName(QStringLiteral("nToolBar"));
  FToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  FAreaToolBar->setObjectName(QStringLiteral("nAreaToolBar"));
  FAreaTopo->setObjectName(QStringLiteral("nAreaTopo"));
  FStatus->setObjectName(QStringLiteral("nStatus"));
  FLayoutAreaToolBar->setContentsMargins(0, 0, 10, 0);
  FLayoutAreaToolBar->addStretch(1);
  FLayoutTopo->setContentsMargins(0, 0, 0, 0);
  FLayoutTopo->addStretch(1);

  auto *linhaToolBar = new QHBoxLayout;
  linhaToolBar->addWidget(FToolBar, 1);
  linhaToolBar->addWidget(FAreaToolBar);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(linhaToolBar);
  layout->addWidget(FAreaTopo);
  layout->addLayout(FLayoutCliente, 1);
  layout->addWidget(FStatus);

  if (form) {
    connect(form, &QObject::destroyed, this, [this] { FormDestruido(); });
    MontarToolBar();
  }
  connect(FTimer, &QTimer::timeout, this, [this] { Sincronizar(); });
  FTimer->start(IntervaloLeitura);
  // Descendants build their content and then read the model once more.
  QTimer::singleShot(0, this, [this] { Sincronizar(); });
}

TnVisaoForm::~TnVisaoForm() { VisoesVivas().removeAll(this); }

TnVisaoForm *TnVisaoForm::VisaoDe(const TnFrmVisual *form) {
  for (TnVisaoForm *visao : VisoesVivas())
    if (form && visao->FForm == form) return visao;
  return nullptr;
}

QList<TnVisaoForm *> TnVisaoForm::Visoes() { return VisoesVivas(); }

QAction *TnVisaoForm::ActionDoBotao(const TnToolButton *botao) const {
  for (const auto &[modelo, action] : FActions)
    if (modelo && modelo == botao) return action;
  return nullptr;
}

QAction *TnVisaoForm::ActionDaActionForm(const TnActionForm *actionForm) const {
  for (const auto &[modelo, action] : FActions)
    if (modelo && modelo == actionForm) return action;
  return nullptr;
}

void TnVisaoForm::Executar(const std::function<void()> &acao) {
  if (ConfirmarEdicao()) nExecutarProtegido(acao);
  if (FForm) Sincronizar();
}

// A key goes first to the focused widget and then up through its parents, so
// the innermost form that knows the key takes it: a form shown inside another
// (a detail grid) may use the same keys as its master, where Qt's own
// shortcuts would find two and fire neither.
bool TnVisaoForm::event(QEvent *evento) {
  if (evento->type() == QEvent::ShortcutOverride) {
    auto *tecla = static_cast<QKeyEvent *>(evento);
    // The main Enter key and the keypad's are one key to the user: a
    // shortcut written "Ctrl+Enter" answers both.
    const Qt::KeyboardModifiers mods = tecla->modifiers() & ~Qt::KeypadModifier;
    Qt::Key chave = static_cast<Qt::Key>(tecla->key());
    Qt::Key outra = chave == Qt::Key_Return ? Qt::Key_Enter : chave == Qt::Key_Enter ? Qt::Key_Return : chave;
    const QKeySequence sequencia(QKeyCombination(mods, chave));
    const QKeySequence alternativa(QKeyCombination(mods, outra));
    auto confere = [&](const QKeySequence &atalho) {
      return atalho.matches(sequencia) == QKeySequence::ExactMatch ||
             atalho.matches(alternativa) == QKeySequence::ExactMatch;
    };
    for (const auto &[modelo, action] : FActions)
      if (modelo && action && action->isEnabled() && action->isVisible() && !action->shortcut().isEmpty() &&
          confere(action->shortcut())) {
        evento->accept();
        action->trigger();
        TnFiltroTeclaExecutada::Lembrar(tecla->keyCombination());
        return true;
      }
  }
  return QWidget::event(evento);
}

TnVisaoForm *TnVisaoForm::VisaoDoFoco() {
  for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
    if (auto *visao = dynamic_cast<TnVisaoForm *>(w)) return visao;
  return nullptr;
}

void TnVisaoForm::MontarToolBar() {
  // A rebuild may happen inside a press (a handler that adds a button, then
  // asks something): the pressed action must outlive its own signal.
  for (QAction *antiga : FToolBar->actions()) {
    FToolBar->removeAction(antiga);
    antiga->deleteLater();
  }
  // Actions kept off the bar (see below) go too.
  for (const auto &[modelo, antiga] : std::as_const(FActions))
    if (antiga && antiga->parent() == this) antiga->deleteLater();
  FActions.clear();
  FItensToolBar.clear();
  auto criar = [this](QObject *modelo, const QString &caption, const QString &hint, int imagem,
                      const QString &atalho, bool soIcone, bool naBarra = true) {
    const QIcon icone = imagem < 0 && soIcone ? IconePadrao(modelo->objectName()) : TnListaImagens::Icone(imagem);
    auto *action = naBarra ? FToolBar->addAction(icone, caption) : new QAction(icone, caption, this);
    action->setObjectName(modelo->objectName());
    action->setToolTip(hint.isEmpty() ? caption : hint);
    // Icon-only buttons keep the bar within a narrow window; the caption is
    // the tool tip.
    if (soIcone && !icone.isNull())
      if (auto *botao = qobject_cast<QToolButton *>(FToolBar->widgetForAction(action)))
        botao->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (!atalho.isEmpty()) {
      // The form takes its own keys wherever the focus is inside it (see
      // event()); the shortcut here is what the button shows.
      action->setShortcut(QKeySequence::fromString(atalho, QKeySequence::PortableText));
      action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    FActions.append({QPointer<QObject>(modelo), action});
    FItensToolBar.append(modelo);
    return action;
  };
  // An action that a tool button of the same caption stands for (a process
  // form's Executar, Gravar, Cancelar) is not drawn twice: it stays off the
  // bar, reachable by its keys and by code.
  auto temBotao = [this](const QString &caption) {
    for (const QPointer<TnToolButton> &botao : FForm->ToolButtons())
      if (botao && botao->Caption() == caption) return true;
    return false;
  };
  bool algumaNaBarra = false;
  for (TnActionForm *modelo : FForm->Actions()) {
    const bool naBarra = !temBotao(modelo->Caption());
    algumaNaBarra = algumaNaBarra || naBarra;
    QAction *action = criar(modelo, modelo->Caption(), modelo->Hint(), modelo->ImageIndex(), modelo->ShortCutStr(),
                            nTipoActionForm(modelo->Name()) >= 0, naBarra);
    QPointer<TnActionForm> alvo(modelo);
    connect(action, &QAction::triggered, this, [this, alvo] {
      Executar([alvo] {
        if (alvo) alvo->Execute();
      });
    });
  }
  if (algumaNaBarra && !FForm->ToolButtons().isEmpty()) FToolBar->addSeparator();
  for (const QPointer<TnToolButton> &modelo : FForm->ToolButtons()) {
    if (!modelo) continue;
    if (modelo->Separador()) FToolBar->addSeparator();
    QAction *action = criar(modelo, modelo->Caption(), modelo->Hint(), modelo->ImageIndex(), modelo->ShortCutStr(),
                            !modelo->MostrarCaption());
    QPointer<TnToolButton> alvo(modelo);
    connect(action, &QAction::triggered, this, [this, alvo] {
      Executar([alvo] {
        if (alvo) alvo->Click();
      });
    });
  }
}

void TnVisaoForm::AtualizarPaineis(QWidget *area, QHBoxLayout *layout, TnPainel *modelo,
                                   QList<QPointer<QLabel>> &labels) {
  const QList<TnPainel *> filhos = modelo->Filhos();
  bool mesmos = filhos.size() == labels.size();
  for (qsizetype i = 0; mesmos && i < filhos.size(); ++i)
    mesmos = labels.at(i) && labels.at(i)->property("nPainel").value<QObject *>() == filhos.at(i);
  if (!mesmos) {
    for (const QPointer<QLabel> &label : labels) delete label.data();
    labels.clear();
    for (TnPainel *filho : filhos) {
      auto *label = new QLabel(area);
      label->setProperty("nPainel", QVariant::fromValue<QObject *>(filho));
      // Left-aligned panels go before the stretch, the rest after it.
      if (filho->Align() == TnAlinhamento::alLeft)
        layout->insertWidget(0, label);
      else
        layout->addWidget(label);
      labels.append(label);
    }
  }
  for (qsizetype i = 0; i < filhos.size(); ++i) nAplicarPainel(labels.at(i), filhos.at(i));
  area->setVisible(modelo->Visible() && !filhos.isEmpty());
}

void TnVisaoForm::Sincronizar() {
  if (!FForm) return;
  setWindowTitle(FForm->Caption());
  // The tool bar is rebuilt when the model's buttons or actions changed.
  QList<QObject *> itens;
  for (TnActionForm *action : FForm->Actions()) itens.append(action);
  for (const QPointer<TnToolButton> &botao : FForm->ToolButtons())
    if (botao) itens.append(botao);
  if (itens != FItensToolBar) MontarToolBar();
  for (const auto &[modelo, action] : FActions) {
    if (auto *b = dynamic_cast<TnToolButton *>(modelo.data())) {
      action->setText(b->Caption());
      action->setToolTip(b->Hint().isEmpty() ? b->Caption() : b->Hint());
      action->setEnabled(b->Enabled());
      action->setVisible(b->Visible());
      action->setCheckable(b->Down());
      action->setChecked(b->Down());
    } else if (auto *a = dynamic_cast<TnActionForm *>(modelo.data())) {
      action->setText(a->Caption());
      if (a->Hint().isEmpty()) action->setToolTip(a->Caption());
      action->setEnabled(a->Enabled());
      action->setVisible(a->Visible() && nActionFormPermitida(*FForm, *a));
    }
  }
  AtualizarPaineis(FAreaTopo, FLayoutTopo, FForm->AreaTopo(), FLabelsTopo);
  AtualizarPaineis(FAreaToolBar, FLayoutAreaToolBar, FForm->AreaToolBar(), FLabelsToolBar);
  FAreaToolBar->setVisible(!FLabelsToolBar.isEmpty());
  FStatus->setText(FForm->StatusTexto());
  FStatus->setVisible(!FForm->StatusTexto().isEmpty());
}

bool TnVisaoForm::FocarCampo(TnField *) { return false; }
bool TnVisaoForm::FocarParametro(TnpqParamItem *) { return false; }

namespace {

// A read-only editor of a field placed on a panel (a frame's data edits):
// it shows the field's text of the current row and follows its dataset.
class TnLinhaCampo : public QLineEdit, private TnObservadorDataSet {
 public:
  TnLinhaCampo(TnEditorCampo *editor, QWidget *pai) : QLineEdit(pai), FEditor(editor) {
    setObjectName(editor->objectName());
    setReadOnly(true);
    setToolTip(editor->Hint());
    FDados = editor->Campo() ? editor->Campo()->DataSet() : nullptr;
    if (FDados) FDados->AdicionarObservador(this);
    Ler();
  }
  ~TnLinhaCampo() override {
    if (FDados) FDados->RemoverObservador(this);
  }

 private:
  void Ler() {
    const QString texto = FEditor && FDados ? FEditor->Text() : QString();
    if (text() != texto) {
      setText(texto);
      setCursorPosition(0);
    }
  }
  void LinhasInseridas(int, int) override { Ler(); }
  void LinhasRemovidas(int, int) override { Ler(); }
  void LinhaAlterada(int) override { Ler(); }
  void Reiniciado() override { Ler(); }
  void CursorMovido() override { Ler(); }
  void DataSetDestruido() override {
    FDados = nullptr;
    setText(QString());
  }

  QPointer<TnEditorCampo> FEditor;
  TnClientDataSet *FDados = nullptr;
};

bool AoLado(TnAlinhamento alinhamento) {
  return alinhamento == TnAlinhamento::alLeft || alinhamento == TnAlinhamento::alRight;
}

TnAlinhamento AlinhamentoDe(const QObject *controle) {
  if (auto *grid = dynamic_cast<const TnDBGridEh *>(controle)) return grid->Align();
  if (auto *painel = dynamic_cast<const TnPainel *>(controle)) return painel->Align();
  return TnAlinhamento::alNone;
}

// Whether a grid or a form sits anywhere inside (the model's classes carry no
// meta-object, so no findChild).
bool TemGradeOuForm(const QObject *painel) {
  for (const QObject *filho : painel->children())
    if (dynamic_cast<const TnDBGridEh *>(filho) || dynamic_cast<const TnFrmVisual *>(filho) || TemGradeOuForm(filho))
      return true;
  return false;
}

}  // namespace

void TnVisaoForm::PreencherArea(TnPainel *area, QBoxLayout *layout, QWidget *pai, const QObject *exceto) {
  QList<QObject *> filhos;
  for (QObject *filho : area->children())
    if (filho != exceto) filhos.append(filho);
  // Controls aligned to a side sit beside what fills the rest.
  const bool lado = std::any_of(filhos.begin(), filhos.end(), [](QObject *f) { return AoLado(AlinhamentoDe(f)); });
  QBoxLayout *destino = layout;
  if (lado) {
    destino = new QHBoxLayout;
    layout->addLayout(destino, 1);
  }
  // A row of field editors: each with its label, side by side.
  QHBoxLayout *editores = nullptr;
  for (QObject *filho : filhos) {
    if (auto *editor = dynamic_cast<TnEditorCampo *>(filho)) {
      if (!editores) {
        editores = new QHBoxLayout;
        destino->addLayout(editores);
      }
      auto *rotulo = new QLabel(editor->Campo()->DisplayLabel(), pai);
      auto *linha = new TnLinhaCampo(editor, pai);
      rotulo->setBuddy(linha);
      editores->addWidget(rotulo);
      editores->addWidget(linha, 1);
      continue;
    }
    const bool deLado = AoLado(AlinhamentoDe(filho));
    if (auto *form = dynamic_cast<TnFrmVisual *>(filho)) {
      destino->addWidget(nCriarVisao(form, pai), 1);
    } else if (auto *grid = dynamic_cast<TnDBGridEh *>(filho)) {
      QWidget *visao = CriarVisaoDeGrid(grid, pai);
      if (deLado && grid->Width() > 0) visao->setFixedWidth(grid->Width());
      destino->addWidget(visao, deLado ? 0 : 1);
    } else if (auto *painel = dynamic_cast<TnPainel *>(filho)) {
      auto *interno = new QVBoxLayout;
      // A panel that only holds others draws nothing of its own.
      if (!painel->Caption().isEmpty() || painel->children().isEmpty() || painel->Borda()) {
        auto *label = new QLabel(pai);
        nAplicarPainel(label, painel);
        destino->addWidget(label);
      }
      // A panel may hold a grid or a form of its own (a page's panel).
      PreencherArea(painel, interno, pai, exceto);
      if (interno->count() > 0)
        // What holds a grid or a form takes the height; rows of editors keep theirs.
        destino->addLayout(interno, TemGradeOuForm(painel) ? 1 : 0);
      else
        delete interno;
    }
  }
}

void TnVisaoForm::FormDestruido() {
  FTimer->stop();
  if (FFechando) return;
  FFechando = true;
  if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
    sub->close();
  else if (!parentWidget())
    close();
  deleteLater();
}

void TnVisaoForm::showEvent(QShowEvent *evento) {
  QWidget::showEvent(evento);
  // Inside an MDI sub-window the sub-window's close box must ask the model.
  if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) sub->installEventFilter(this);
}

bool TnVisaoForm::eventFilter(QObject *objeto, QEvent *evento) {
  if (evento->type() == QEvent::Close && objeto == parentWidget() && FForm && !FFechando) {
    if (!FForm->Visible() && !FForm->Exibindo()) return false;
    bool fechou = false;
    ConfirmarEdicao();
    nExecutarProtegido([&] { fechou = FForm->Fechar(mrCancel); });
    if (!fechou) {
      evento->ignore();
      return true;
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void TnVisaoForm::closeEvent(QCloseEvent *evento) {
  // A window of its own (no MDI area, not modal): the model decides.
  if (!parentWidget() && FForm && !FFechando && FForm->Visible()) {
    bool fechou = false;
    ConfirmarEdicao();
    nExecutarProtegido([&] { fechou = FForm->Fechar(mrCancel); });
    if (!fechou) {
      evento->ignore();
      return;
    }
  }
  QWidget::closeEvent(evento);
}

QWidget *nCriarVisao(TnFrmVisual *form, QWidget *parent) {
  if (!form) return nullptr;
  if (auto *processo = dynamic_cast<TnFrmPowerParam *>(form)) return new TnVisaoPowerParam(processo, parent);
  if (auto *cadastro = dynamic_cast<TnFrmCadastro *>(form)) return new TnVisaoCadastro(cadastro, parent);
  auto *visao = new TnVisaoForm(form, parent);
  // The grid forms' client area is the grid views' own (the grid, the
  // lookup's search and buttons); what else the module placed there follows.
  if (auto *cadGrid = dynamic_cast<TnFrmCadGrid *>(form)) {
    visao->LayoutCliente()->addWidget(nCriarVisaoCadGrid(cadGrid, visao), 1);
  } else if (auto *conGrid = dynamic_cast<TnFrmConGrid *>(form)) {
    visao->LayoutCliente()->addWidget(nCriarVisaoConGrid(conGrid, visao), 1);
  } else {
    visao->PreencherArea(form->AreaCliente(), visao->LayoutCliente(), visao);
    return visao;
  }
  // Skip the grid the grid view already shows.
  TnDBGridEh *grid = nullptr;
  if (auto *cadGrid = dynamic_cast<TnFrmCadGrid *>(form)) grid = cadGrid->Grid();
  if (auto *conGrid = dynamic_cast<TnFrmConGrid *>(form)) grid = conGrid->Grid();
  visao->PreencherArea(form->AreaCliente(), visao->LayoutCliente(), visao, grid);
  return visao;
}
