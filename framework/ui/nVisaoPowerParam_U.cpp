#include "nVisaoPowerParam_U.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "nDMPower_U.h"
#include "nFraProgresso_U.h"
#include "nGuarda_U.h"
#include "nMsgTree_U.h"
#include "npqParamItem_U.h"

namespace {

QIcon IconeDaLinha(const TnMsgTreeNode &no) {
  QStyle *estilo = QApplication::style();
  switch (no.Icone()) {
    case TnIconeMensagem::Erro:
      return estilo->standardIcon(QStyle::SP_MessageBoxCritical);
    case TnIconeMensagem::Confirmacao:
      return estilo->standardIcon(QStyle::SP_DialogApplyButton);
    case TnIconeMensagem::Informacao:
      return estilo->standardIcon(QStyle::SP_MessageBoxInformation);
    case TnIconeMensagem::Padrao:
      break;
  }
  switch (no.Tipo()) {
    case TnTipoMensagem::Falha:
      return estilo->standardIcon(QStyle::SP_MessageBoxCritical);
    case TnTipoMensagem::Advertencia:
      return estilo->standardIcon(QStyle::SP_MessageBoxWarning);
    case TnTipoMensagem::Aviso:
      return estilo->standardIcon(QStyle::SP_MessageBoxInformation);
    case TnTipoMensagem::Titulo:
      return estilo->standardIcon(QStyle::SP_DirIcon);
    case TnTipoMensagem::Sucesso:
      return estilo->standardIcon(QStyle::SP_DialogApplyButton);
  }
  return {};
}

void AdicionarLinhas(QStandardItem *pai, const std::vector<TnMsgTreeNode *> &nos) {
  for (TnMsgTreeNode *no : nos) {
    auto *item = new QStandardItem(IconeDaLinha(*no), no->Texto());
    item->setEditable(false);
    item->setData(static_cast<int>(no->Tipo()), Qt::UserRole);
    pai->appendRow(item);
    AdicionarLinhas(item, no->Filhos());
  }
}

void AplicarBarra(QProgressBar *barra, QLabel *texto, const TnBarraProgresso &modelo) {
  if (modelo.Circular) {
    barra->setRange(0, 0);  // busy indicator
  } else {
    barra->setRange(modelo.Minimo, qMax(modelo.Minimo, modelo.Maximo));
    barra->setValue(modelo.Posicao);
  }
  texto->setText(modelo.Texto);
}

}  // namespace

TnVisaoPowerParam::TnVisaoPowerParam(TnFrmPowerParam *form, QWidget *parent)
    : TnVisaoForm(form, parent),
      FPaginas(new QTabWidget(this)),
      FArvore(new QTreeView(this)),
      FModeloArvore(new QStandardItemModel(this)),
      FPainelProgresso(new QWidget(this)),
      FTextoTotal(new QLabel(FPainelProgresso)),
      FBarraTotal(new QProgressBar(FPainelProgresso)),
      FTextoParcial(new QLabel(FPainelProgresso)),
      FBarraParcial(new QProgressBar(FPainelProgresso)) {
  FPaginas->setObjectName(QStringLiteral("nPageControl"));
  FArvore->setObjectName(QStringLiteral("nMsgTree"));
  FArvore->setModel(FModeloArvore);
  FArvore->setHeaderHidden(true);
  FBarraTotal->setObjectName(QStringLiteral("nProgressoTotal"));
  FBarraParcial->setObjectName(QStringLiteral("nProgressoParcial"));
  auto *layoutProgresso = new QVBoxLayout(FPainelProgresso);
  layoutProgresso->setContentsMargins(0, 0, 0, 0);
  for (QWidget *w : {static_cast<QWidget *>(FTextoTotal), static_cast<QWidget *>(FBarraTotal),
                     static_cast<QWidget *>(FTextoParcial), static_cast<QWidget *>(FBarraParcial)})
    layoutProgresso->addWidget(w);
  FPainelProgresso->hide();

  auto *divisor = new QSplitter(Qt::Vertical, this);
  divisor->addWidget(FPaginas);
  divisor->addWidget(FArvore);
  LayoutCliente()->addWidget(divisor, 1);
  LayoutCliente()->addWidget(FPainelProgresso);
  connect(FPaginas, &QTabWidget::tabBarClicked, this, [this](int indice) {
    // The process may refuse the change; the tab bar follows the model.
    if (Processo()) Executar([this, indice] { Processo()->MudarPagina(indice); });
  });
  // The tree and the frame belong to the process, which may outlive the
  // form: leave them while they surely still exist.
  connect(form, &QObject::destroyed, this, [this] {
    if (FMsgTree) FMsgTree->DeixarDeObservar(FIdArvore);
    if (FProgresso) FProgresso->DeixarDeObservar(FIdProgresso);
    FMsgTree = nullptr;
    FProgresso = nullptr;
  });
  MontarPaginas();
  LigarArvore();
  if (form->Progresso()) LigarProgresso(form->Progresso());
  Sincronizar();
}

TnVisaoPowerParam::~TnVisaoPowerParam() {
  if (FProgresso) FProgresso->DeixarDeObservar(FIdProgresso);
  if (FMsgTree) FMsgTree->DeixarDeObservar(FIdArvore);
}

TnFrmPowerParam *TnVisaoPowerParam::Processo() const { return static_cast<TnFrmPowerParam *>(Form()); }

void TnVisaoPowerParam::MontarPaginas() {
  TnFrmPowerParam *form = Processo();
  for (int i = FPaginasMontadas; i < form->PageCount(); ++i) {
    TnPainel *pagina = form->Pagina(i);
    auto *widget = new QWidget(FPaginas);
    widget->setObjectName(pagina->Name());
    auto *layout = new QVBoxLayout(widget);
    if (i == 0) {
      auto *campos = new QFormLayout;
      for (TnpqParamItem *parametro : form->ParametrosExibidos()) {
        QWidget *editor = nullptr;
        const int indice = static_cast<int>(FEditores.size());
        if (!parametro->Nomes().isEmpty() && !parametro->MultiSelecao()) {
          auto *combo = new QComboBox(widget);
          combo->addItems(parametro->Nomes());
          connect(combo, &QComboBox::activated, this, [this, indice] { Executar([this, indice] { ConfirmarParametro(indice); }); });
          editor = combo;
        } else {
          auto *texto = new QLineEdit(widget);
          connect(texto, &QLineEdit::editingFinished, this, [this, indice] { ConfirmarParametro(indice); });
          editor = texto;
        }
        editor->setObjectName(parametro->Alias());
        editor->setToolTip(parametro->Hint());
        editor->installEventFilter(this);
        campos->addRow(parametro->Caption(), editor);
        FEditores.append({parametro, editor});
      }
      layout->addLayout(campos);
      // Page 0 also holds the parameter panel's siblings (the grid before a
      // process moves it into its tab).
      for (QObject *filho : pagina->children())
        if (filho != form->PainelParametros()) {
          auto *sub = new QVBoxLayout;
          if (auto *painel = dynamic_cast<TnPainel *>(filho)) PreencherArea(painel, sub, widget);
          layout->addLayout(sub, 1);
        }
    } else {
      PreencherArea(pagina, layout, widget);
    }
    layout->addStretch(0);
    FPaginas->addTab(widget, i == 0 && pagina->Caption().isEmpty() ? QStringLiteral("Parâmetros") : pagina->Caption());
  }
  FPaginasMontadas = form->PageCount();
}

bool TnVisaoPowerParam::ConfirmarParametro(int indice) {
  if (indice < 0 || indice >= FEditores.size()) return true;
  auto [parametro, editor] = FEditores.at(indice);
  QString valor;
  if (auto *combo = qobject_cast<QComboBox *>(editor))
    valor = parametro->Valores().value(combo->currentIndex());
  else
    valor = static_cast<QLineEdit *>(editor)->text().trimmed();
  if (valor == parametro->GetAsString()) return true;
  return nExecutarProtegido([&] { parametro->SetAsString(valor); });
}

bool TnVisaoPowerParam::ConfirmarEdicao() {
  for (int i = 0; i < FEditores.size(); ++i)
    if (FEditores.at(i).second->hasFocus() && !ConfirmarParametro(i)) return false;
  return true;
}

QWidget *TnVisaoPowerParam::EditorParametro(const QString &alias) const {
  for (const auto &[parametro, editor] : FEditores)
    if (parametro->Alias().compare(alias, Qt::CaseInsensitive) == 0) return editor;
  return nullptr;
}

bool TnVisaoPowerParam::FocarParametro(TnpqParamItem *parametro) {
  for (const auto &[item, editor] : FEditores) {
    if (item != parametro) continue;
    if (!item->Visivel() || !item->Habilitado()) return false;
    Processo()->SetPaginaAtiva(0);
    FPaginas->setCurrentIndex(0);
    editor->setFocus();
    return true;
  }
  return false;
}

void TnVisaoPowerParam::LigarArvore() {
  FMsgTree = Processo()->MsgTree();
  if (!FMsgTree) return;
  FIdArvore = FMsgTree->Observar([this](const TnMsgTreeEvento &evento) {
    // The "before" halves need nothing: the view is read again once the
    // change is in place.
    if (evento.Evento == TnMsgTreeEvento::Tipo::AntesIncluir ||
        evento.Evento == TnMsgTreeEvento::Tipo::AntesLimpar)
      return;
    RelerArvore();
  });
  RelerArvore();
}

void TnVisaoPowerParam::RelerArvore() {
  FModeloArvore->clear();
  if (FMsgTree) AdicionarLinhas(FModeloArvore->invisibleRootItem(), FMsgTree->Raizes());
  FArvore->expandAll();
}

void TnVisaoPowerParam::LigarProgresso(TnFraProgresso *frame) {
  if (FProgresso == frame) return;
  if (FProgresso) FProgresso->DeixarDeObservar(FIdProgresso);
  FProgresso = frame;
  FIdProgresso = frame->Observar([this](TnFraProgresso &, TnEventoProgresso evento) {
    if (evento == TnEventoProgresso::Destruido) {
      FProgresso = nullptr;
      FPainelProgresso->hide();
      return;
    }
    MostrarProgresso();
  });
  MostrarProgresso();
}

void TnVisaoPowerParam::MostrarProgresso() {
  if (!FProgresso) return;
  FPainelProgresso->setVisible(FProgresso->Visivel());
  AplicarBarra(FBarraTotal, FTextoTotal, FProgresso->Total());
  const bool multiplo = FProgresso->Modo() == TnModoProgresso::Multiplo;
  FBarraParcial->setVisible(multiplo);
  FTextoParcial->setVisible(multiplo);
  AplicarBarra(FBarraParcial, FTextoParcial, FProgresso->Parcial());
  // A run holds the event loop: repaint now and let input through.
  FPainelProgresso->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TnVisaoPowerParam::ApresentarProgresso(TnFraProgresso &frame) {
  for (TnVisaoForm *visao : TnVisaoForm::Visoes()) {
    auto *processo = dynamic_cast<TnVisaoPowerParam *>(visao);
    if (!processo || !processo->Processo()) continue;
    QObject *dono = frame.Dono();
    if (dono && dono == processo->Processo()) {
      processo->LigarProgresso(&frame);
      return;
    }
  }
}

void TnVisaoPowerParam::Sincronizar() {
  TnVisaoForm::Sincronizar();
  TnFrmPowerParam *form = Processo();
  if (!form) return;
  if (form->PageCount() != FPaginasMontadas) MontarPaginas();
  if (FPaginas->currentIndex() != form->PaginaAtiva()) FPaginas->setCurrentIndex(form->PaginaAtiva());
  FArvore->setVisible(form->PainelMsgTree()->Visible());
  if (form->Progresso()) LigarProgresso(form->Progresso());
  for (const auto &[parametro, editor] : FEditores) {
    editor->setVisible(parametro->Visivel());
    editor->setEnabled(parametro->Habilitado());
    if (editor->hasFocus()) continue;
    if (auto *combo = qobject_cast<QComboBox *>(editor))
      combo->setCurrentIndex(static_cast<int>(parametro->Valores().indexOf(parametro->GetAsString())));
    else if (auto *texto = qobject_cast<QLineEdit *>(editor); texto->text() != parametro->GetAsString())
      texto->setText(parametro->GetAsString());
  }
}
