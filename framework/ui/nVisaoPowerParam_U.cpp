#include "nVisaoPowerParam_U.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QProgressBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include "nDBGrid_U.h"
#include "nDMClientDataSet_U.h"
#include "nEditData_U.h"
#include "nDMPower_U.h"
#include "nException_U.h"
#include "nFraCtrlNDLink_U.h"
#include "nFraCtrlParam_U.h"
#include "nField_U.h"
#include "nRegistro_U.h"
#include "nFraProgresso_U.h"
#include "nGuarda_U.h"
#include "nMsgTree_U.h"
#include "npqParamItem_U.h"
#include "nVisaoGrid_U.h"

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
  // The editors outlive this part of the view: one that has the focus says
  // editingFinished as it goes, which must not reach a view being destroyed.
  for (const TnEditorParam &entrada : FEditores)
    for (QWidget *editor : {entrada.Editor, static_cast<QWidget *>(entrada.Texto), static_cast<QWidget *>(entrada.Lista)})
      if (editor) editor->disconnect(this);
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
      FCampos = campos;
      for (TnpqParamItem *parametro : form->ParametrosExibidos()) {
        const int indice = static_cast<int>(FEditores.size());
        TnEditorParam entrada;
        entrada.Item = parametro;
        QWidget *editor = CriarEditor(entrada, indice, widget);
        editor->setObjectName(parametro->Alias());
        editor->setToolTip(parametro->Hint());
        entrada.Rotulo = new QLabel(parametro->Caption(), widget);
        entrada.Rotulo->setBuddy(entrada.Texto ? static_cast<QWidget *>(entrada.Texto) : editor);
        campos->addRow(entrada.Rotulo, editor);
        FEditores.append(entrada);
      }
      layout->addLayout(campos);
      // Page 0 also holds the parameter panel's siblings: the grid of a
      // grid process (a tab process moves its grid into a tab), panels.
      for (QObject *filho : pagina->children())
        if (filho != form->PainelParametros()) {
          auto *sub = new QVBoxLayout;
          if (auto *grid = dynamic_cast<TnDBGridEh *>(filho))
            sub->addWidget(nCriarVisaoGrid(grid, widget));
          else if (auto *painel = dynamic_cast<TnPainel *>(filho))
            PreencherArea(painel, sub, widget);
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

QWidget *TnVisaoPowerParam::CriarEditor(TnEditorParam &entrada, int indice, QWidget *pai) {
  TnpqParamItem *parametro = entrada.Item;
  if (parametro->Tipo() == TnTipoParam::CheckList) {
    // One checkable line per entry; a tick goes to the item at once.
    auto *lista = new QListWidget(pai);
    for (const QString &nome : parametro->Nomes()) {
      auto *linha = new QListWidgetItem(nome, lista);
      linha->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
      linha->setCheckState(Qt::Unchecked);
    }
    lista->setMaximumHeight(qMax(60, lista->sizeHintForRow(0) * (static_cast<int>(parametro->Nomes().size()) + 1)));
    connect(lista, &QListWidget::itemChanged, this, [this, indice] { ConfirmarParametro(indice); });
    lista->installEventFilter(this);
    entrada.Lista = lista;
    entrada.Editor = lista;
    return lista;
  }
  if (!parametro->Nomes().isEmpty() && !parametro->MultiSelecao()) {
    auto *combo = new QComboBox(pai);
    combo->addItems(parametro->Nomes());
    connect(combo, &QComboBox::activated, this, [this, indice] { Executar([this, indice] { ConfirmarParametro(indice); }); });
    combo->installEventFilter(this);
    entrada.Combo = combo;
    entrada.Editor = combo;
    return combo;
  }
  QLineEdit *texto = nullptr;
  if (parametro->Tipo() == TnTipoParam::Data || parametro->Tipo() == TnTipoParam::MesAno) {
    auto *data = new TnEditData(parametro->Tipo() == TnTipoParam::MesAno, pai);
    data->OnEscolhida = [this, indice] { ConfirmarParametro(indice); };
    texto = data;
  } else {
    texto = new QLineEdit(pai);
  }
  connect(texto, &QLineEdit::editingFinished, this, [this, indice] { ConfirmarParametro(indice); });
  texto->installEventFilter(this);
  entrada.Texto = texto;
  entrada.Editor = texto;
  if (parametro->LookupClassName().isEmpty()) return texto;

  // The dictionary names a lookup: the code and its button side by side.
  auto *caixa = new QWidget(pai);
  auto *linha = new QHBoxLayout(caixa);
  linha->setContentsMargins(0, 0, 0, 0);
  linha->setSpacing(2);
  texto->setParent(caixa);
  texto->setObjectName(parametro->Alias() + QStringLiteral("Texto"));
  linha->addWidget(texto, 1);
  auto *botao = new QToolButton(caixa);
  botao->setObjectName(parametro->Alias() + QStringLiteral("Botao"));
  botao->setText(QStringLiteral("..."));
  botao->setToolTip(QStringLiteral("Consultar"));
  botao->setFocusPolicy(Qt::NoFocus);
  linha->addWidget(botao);
  const QString alias = parametro->Alias();
  connect(botao, &QToolButton::clicked, this, [this, alias] { AbrirLookupParametro(alias); });
  entrada.Botao = botao;
  entrada.Editor = caixa;
  return caixa;
}

bool TnVisaoPowerParam::ConfirmarParametro(int indice) {
  if (indice < 0 || indice >= FEditores.size()) return true;
  const TnEditorParam entrada = FEditores.at(indice);
  TnpqParamItem *parametro = entrada.Item;
  if (entrada.Combo) {
    const QString valor = parametro->Valores().value(entrada.Combo->currentIndex());
    if (valor == parametro->GetAsString()) return true;
    return nExecutarProtegido([&] { parametro->SetAsString(valor); });
  }
  if (entrada.Lista) {
    // The ticked values in the list's order, as the item keeps them.
    QStringList marcados;
    for (int i = 0; i < entrada.Lista->count(); ++i)
      if (entrada.Lista->item(i)->checkState() == Qt::Checked) marcados << parametro->Valores().value(i);
    const QString valor = marcados.join(QLatin1Char(';'));
    if (valor == parametro->GetAsString()) return true;
    return nExecutarProtegido([&] { parametro->SetAsString(valor); });
  }
  // The editor model reads what the user typed (a month/year "mm/aaaa").
  const auto *data = dynamic_cast<const TnEditData *>(entrada.Texto);
  const QString texto = data ? data->Texto() : entrada.Texto->text().trimmed();
  if (texto == parametro->Editor()->Texto()) return true;
  return nExecutarProtegido([&] { parametro->Editor()->SetTexto(texto); });
}

void TnVisaoPowerParam::SairParametro(int indice) {
  if (indice < 0 || indice >= FEditores.size()) return;
  TnpqParamItem *parametro = FEditores.at(indice).Item;
  if (!ConfirmarParametro(indice)) return;
  // A link's code must exist; the message shows, the code stays for the user
  // to correct (unless the process validates the code itself).
  if (auto *link = dynamic_cast<TnFraCtrlNDLink *>(parametro->Editor());
      link && link->ChecarNaSaida() && !parametro->IsNull() && !parametro->TabelaLink().isEmpty() && !parametro->CampoLink().isEmpty())
    nExecutarProtegido([link] { link->Checar(); });
  nExecutarProtegido([parametro] { parametro->Editor()->Sair(); });
  if (Processo()) Sincronizar();
}

bool TnVisaoPowerParam::eventFilter(QObject *objeto, QEvent *evento) {
  if (evento->type() == QEvent::FocusOut) {
    // A popup or another window taking the focus (a message this very exit
    // shows among them) is no leaving of the editor.
    const Qt::FocusReason motivo = static_cast<QFocusEvent *>(evento)->reason();
    if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason) {
      for (int i = 0; i < FEditores.size(); ++i) {
        const TnEditorParam &e = FEditores.at(i);
        if (objeto == e.Texto || objeto == e.Combo || objeto == e.Lista) {
          SairParametro(i);
          break;
        }
      }
    }
  }
  return TnVisaoForm::eventFilter(objeto, evento);
}

bool TnVisaoPowerParam::AbrirLookupParametro(const QString &alias) {
  const TnEditorParam *entrada = Entrada(alias);
  if (!entrada || entrada->Item->LookupClassName().isEmpty()) return false;
  TnpqParamItem *parametro = entrada->Item;
  if (!ConfirmarParametro(static_cast<int>(entrada - FEditores.constData()))) return false;
  bool escolheu = false;
  nExecutarProtegido([&] {
    const QString classe = parametro->LookupClassName();
    auto *lookup = dynamic_cast<TnDMClientDataSet *>(PrepararDM(classe, QString(), false, true));
    if (!lookup) throw Exception(QStringLiteral("A classe %1 não está disponível neste programa.").arg(classe));
    lookup->Abrir();
    const QString nomeCampo = parametro->CampoLookup().isEmpty() ? parametro->Dicionario() : parametro->CampoLookup();
    const TnField *campo = lookup->nClientDataSet->FindField(nomeCampo);
    if (!campo) throw Exception(QStringLiteral("A consulta %1 não tem o campo %2.").arg(classe, nomeCampo));
    std::unique_ptr<TnFrmVisual> form(lookup->CriarForm());
    if (!form || form->ShowModal() != mrOk) return;
    const QString valor = campo->AsString().trimmed();
    if (valor.isEmpty()) return;
    if (parametro->MultiSelecao()) {
      // Added to the list typed so far, once.
      QStringList partes;
      for (const QString &parte : parametro->GetAsString().split(QLatin1Char(';'), Qt::SkipEmptyParts))
        partes << parte.trimmed();
      if (!partes.contains(valor)) partes << valor;
      parametro->SetAsString(partes.join(QLatin1Char(';')));
    } else {
      parametro->SetAsString(valor);
    }
    escolheu = true;
  });
  if (Processo()) Sincronizar();
  return escolheu;
}

bool TnVisaoPowerParam::ConfirmarEdicao() {
  for (int i = 0; i < FEditores.size(); ++i) {
    const TnEditorParam &e = FEditores.at(i);
    const bool focado = (e.Texto && e.Texto->hasFocus()) || (e.Combo && e.Combo->hasFocus()) ||
                        (e.Lista && e.Lista->hasFocus());
    if (focado && !ConfirmarParametro(i)) return false;
  }
  return true;
}

const TnVisaoPowerParam::TnEditorParam *TnVisaoPowerParam::Entrada(const QString &alias) const {
  for (const TnEditorParam &entrada : FEditores)
    if (entrada.Item->Alias().compare(alias, Qt::CaseInsensitive) == 0) return &entrada;
  return nullptr;
}

QWidget *TnVisaoPowerParam::EditorParametro(const QString &alias) const {
  const TnEditorParam *entrada = Entrada(alias);
  return entrada ? entrada->Editor : nullptr;
}

QLineEdit *TnVisaoPowerParam::TextoParametro(const QString &alias) const {
  const TnEditorParam *entrada = Entrada(alias);
  return entrada ? entrada->Texto : nullptr;
}

QToolButton *TnVisaoPowerParam::BotaoLookup(const QString &alias) const {
  const TnEditorParam *entrada = Entrada(alias);
  return entrada ? entrada->Botao : nullptr;
}

QLabel *TnVisaoPowerParam::RotuloParametro(const QString &alias) const {
  const TnEditorParam *entrada = Entrada(alias);
  return entrada ? entrada->Rotulo : nullptr;
}

bool TnVisaoPowerParam::FocarParametro(TnpqParamItem *parametro) {
  for (const TnEditorParam &entrada : std::as_const(FEditores)) {
    if (entrada.Item != parametro) continue;
    if (!parametro->Visivel() || !parametro->Habilitado()) return false;
    Processo()->SetPaginaAtiva(0);
    FPaginas->setCurrentIndex(0);
    (entrada.Texto ? static_cast<QWidget *>(entrada.Texto) : entrada.Editor)->setFocus();
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
  const bool mudouPagina = FPaginas->currentIndex() != form->PaginaAtiva();
  if (mudouPagina) FPaginas->setCurrentIndex(form->PaginaAtiva());
  FArvore->setVisible(form->PainelMsgTree()->Visible());
  if (form->Progresso()) LigarProgresso(form->Progresso());
  for (const TnEditorParam &entrada : std::as_const(FEditores)) SincronizarEditor(entrada);
  // A grid the process gave the focus (a run ending on its list) takes the
  // keyboard when the focus moved to it or its page came forward; otherwise
  // the focus stays where the user put it.
  QObject *foco = form->Foco();
  if (foco != FFocoAplicado || mudouPagina) {
    FFocoAplicado = foco;
    if (auto *grid = dynamic_cast<TnDBGridEh *>(foco))
      for (QWidget *filho : findChildren<QWidget *>())
        if (auto *visao = dynamic_cast<TnVisaoGrid *>(filho); visao && visao->Grid() == grid && visao->isVisible())
          visao->Tabela()->setFocus();
  }
}

void TnVisaoPowerParam::SincronizarEditor(const TnEditorParam &entrada) {
  TnpqParamItem *parametro = entrada.Item;
  if (FCampos) FCampos->setRowVisible(entrada.Editor, parametro->Visivel());
  entrada.Editor->setEnabled(parametro->Habilitado());
  if (entrada.Rotulo) {
    QFont fonte = entrada.Rotulo->font();
    fonte.setBold(parametro->Obrigatorio());
    entrada.Rotulo->setFont(fonte);
    entrada.Rotulo->setEnabled(parametro->Habilitado());
  }
  if (entrada.Combo) {
    if (!entrada.Combo->hasFocus())
      entrada.Combo->setCurrentIndex(static_cast<int>(parametro->Valores().indexOf(parametro->GetAsString())));
  } else if (entrada.Lista) {
    const QSignalBlocker bloqueio(entrada.Lista);
    for (int i = 0; i < entrada.Lista->count(); ++i)
      entrada.Lista->item(i)->setCheckState(parametro->Marcado(parametro->Valores().value(i)) ? Qt::Checked
                                                                                             : Qt::Unchecked);
  } else if (!entrada.Texto->hasFocus()) {
    const QString texto = parametro->Editor()->Texto();
    if (auto *data = dynamic_cast<TnEditData *>(entrada.Texto)) {
      if (data->Texto() != texto) data->setText(texto);
    } else if (entrada.Texto->text() != texto) {
      entrada.Texto->setText(texto);
    }
  }
}
