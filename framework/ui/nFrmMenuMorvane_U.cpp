#include "nFrmMenuMorvane_U.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStatusBar>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <climits>
#include <utility>

#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogos_U.h"
#include "nEditData_U.h"
#include "nDMPower_U.h"
#include "nException_U.h"
#include "nFrmPowerParam_U.h"
#include "nFrmVisual_U.h"
#include "nGuarda_U.h"
#include "nListaImagens_U.h"
#include "nPacotes_U.h"
#include "nRegistro_U.h"

namespace {

const QString kPeriodoInicio = QStringLiteral("DataLctoPro_MAIORIGUAL");
const QString kPeriodoFim = QStringLiteral("DataLctoPro_MENORIGUAL");

// Whether a selection list ("CODIGOEMPRESA;DataLctoPro_MAIORIGUAL") names a
// parameter of the period.
bool AplicaPeriodo(const QString &verificaSelecao) {
  for (const QString &nome : verificaSelecao.split(QLatin1Char(';'), Qt::SkipEmptyParts))
    if (nome.trimmed().startsWith(QStringLiteral("DataLctoPro"), Qt::CaseInsensitive)) return true;
  return false;
}

// One segment of a menu path: "02 Movimentos" is number 2, shown "Movimentos".
struct TnSegmento {
  bool TemNumero = false;
  int Numero = 0;
  QString Nome;
};

TnSegmento LerSegmento(const QString &texto) {
  static const QRegularExpression numerado(QStringLiteral("^\\s*(\\d+)\\s+(.*\\S)\\s*$"));
  const QRegularExpressionMatch achou = numerado.match(texto);
  if (achou.hasMatch()) return {true, achou.captured(1).toInt(), achou.captured(2)};
  return {false, 0, texto.trimmed()};
}

// Numbered segments first, by number; then the others, by name.
bool SegmentoAntes(const TnSegmento &a, const TnSegmento &b) {
  if (a.TemNumero != b.TemNumero) return a.TemNumero;
  if (a.TemNumero && a.Numero != b.Numero) return a.Numero < b.Numero;
  return QString::localeAwareCompare(a.Nome, b.Nome) < 0;
}

// The menu tree before it becomes QMenus.
struct TnNoMenu {
  TnSegmento Segmento;
  QList<TnNoMenu> Filhos;
  QList<TnAction *> Itens;

  // Segments that show the same name make one submenu, whatever their
  // numbers ("Cadastros" joins "01 Cadastros"): the user never sees two
  // menus of one caption side by side. The submenu takes the smallest number.
  TnNoMenu &Filho(const TnSegmento &segmento) {
    for (TnNoMenu &filho : Filhos)
      if (filho.Segmento.Nome.compare(segmento.Nome, Qt::CaseInsensitive) == 0) {
        if (segmento.TemNumero && (!filho.Segmento.TemNumero || segmento.Numero < filho.Segmento.Numero)) {
          filho.Segmento.TemNumero = true;
          filho.Segmento.Numero = segmento.Numero;
        }
        return filho;
      }
    Filhos.append(TnNoMenu{segmento, {}, {}});
    return Filhos.last();
  }

  void Ordenar() {
    std::stable_sort(Filhos.begin(), Filhos.end(),
                     [](const TnNoMenu &a, const TnNoMenu &b) { return SegmentoAntes(a.Segmento, b.Segmento); });
    // Entries without an Index keep their registration order, after the others.
    std::stable_sort(Itens.begin(), Itens.end(), [](const TnAction *a, const TnAction *b) {
      const int ia = a->Index() > 0 ? a->Index() : INT_MAX;
      const int ib = b->Index() > 0 ? b->Index() : INT_MAX;
      return ia < ib;
    });
    for (TnNoMenu &filho : Filhos) filho.Ordenar();
  }
};

// The caption with a keyboard accelerator on its first letter that no
// sibling took (a word's first letter preferred); the text shown stays the
// caption. A literal "&" is kept as such.
QString ComAcelerador(const QString &caption, QSet<QChar> &usadas) {
  QString texto = caption;
  texto.replace(QLatin1Char('&'), QStringLiteral("&&"));
  auto livre = [&](qsizetype i) {
    const QChar letra = texto.at(i);
    return letra.isLetterOrNumber() && !usadas.contains(letra.toLower()) && (i == 0 || texto.at(i - 1) != QLatin1Char('&'));
  };
  qsizetype escolhida = -1;
  for (qsizetype i = 0; i < texto.size() && escolhida < 0; ++i)
    if ((i == 0 || texto.at(i - 1).isSpace()) && livre(i)) escolhida = i;
  for (qsizetype i = 0; i < texto.size() && escolhida < 0; ++i)
    if (livre(i)) escolhida = i;
  if (escolhida < 0) return texto;
  usadas.insert(texto.at(escolhida).toLower());
  return texto.insert(escolhida, QLatin1Char('&'));
}

// A dialog with the two dates of a period.
class TnDlgPeriodo : public QDialog {
 public:
  TnDlgPeriodo(QWidget *pai, const QDate &inicio, const QDate &fim) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Período"));
    auto *layout = new QFormLayout(this);
    FInicio = new TnEditData(false, this);
    FFim = new TnEditData(false, this);
    FInicio->setObjectName(QStringLiteral("edtDataInicial"));
    FFim->setObjectName(QStringLiteral("edtDataFinal"));
    FInicio->SetData(inicio);
    FFim->SetData(fim);
    layout->addRow(QStringLiteral("Data inicial:"), FInicio);
    layout->addRow(QStringLiteral("Data final:"), FFim);
    auto *botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(botoes);
  }
  QDate Inicio() const { return FInicio->Data(); }
  QDate Fim() const { return FFim->Data(); }

 private:
  TnEditData *FInicio;
  TnEditData *FFim;
};

}  // namespace

QString nTextoSemAcelerador(const QString &texto) {
  QString resultado;
  for (qsizetype i = 0; i < texto.size(); ++i) {
    if (texto.at(i) == QLatin1Char('&') && i + 1 < texto.size()) ++i;
    resultado += texto.at(i);
  }
  return resultado;
}

TnFrmMenuMorvane::TnFrmMenuMorvane(QWidget *parent)
    : QMainWindow(parent), FModulos{nModuloRTul, nModuloMVox} {
  setObjectName(QStringLiteral("nFrmMenuMorvane"));
  FAreaMdi = new QMdiArea(this);
  FAreaMdi->setObjectName(QStringLiteral("AreaMdi"));
  FAreaMdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FAreaMdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(FAreaMdi);

  FToolBar = addToolBar(QStringLiteral("Principal"));
  FToolBar->setObjectName(QStringLiteral("ToolBarPrincipal"));
  FToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  FToolBar->setMovable(false);

  FBtnPeriodo = new QAction(QStringLiteral("Período"), this);
  FBtnPeriodo->setObjectName(QStringLiteral("btnPeriodo"));
  FBtnPeriodo->setToolTip(QStringLiteral("Selecionar Período"));
  connect(FBtnPeriodo, &QAction::triggered, this, [this] { nExecutarProtegido([this] { SelecionarPeriodo(); }); });

  FMenuJanelas = new QMenu(QStringLiteral("&Janelas"), this);
  FMenuJanelas->setObjectName(QStringLiteral("mnuJanelas"));
  FMenuJanelas->addAction(QStringLiteral("Em &cascata"), FAreaMdi, &QMdiArea::cascadeSubWindows);
  FMenuJanelas->addAction(QStringLiteral("&Lado a lado"), FAreaMdi, &QMdiArea::tileSubWindows);
  FMenuJanelas->addAction(QStringLiteral("&Fechar todas"), FAreaMdi, &QMdiArea::closeAllSubWindows);
  FMenuJanelas->addSeparator();
  FMenuJanelas->addAction(QStringLiteral("&Sair"), QKeySequence(Qt::ALT | Qt::Key_F4), this, &QWidget::close);
  menuBar()->addMenu(FMenuJanelas);

  statusBar()->setObjectName(QStringLiteral("BarraStatus"));
  FStatusPeriodo = new QLabel(this);
  FStatusPeriodo->setObjectName(QStringLiteral("StatusPeriodo"));
  FStatusPeriodo->hide();
  FStatusConexao = new QLabel(this);
  FStatusConexao->setObjectName(QStringLiteral("StatusConexao"));
  FStatusConexao->hide();
  statusBar()->addPermanentWidget(FStatusPeriodo);
  statusBar()->addPermanentWidget(FStatusConexao);

  // F10 opens the first menu, as Alt with a caption's letter opens its own.
  auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  f10->setObjectName(QStringLiteral("atalhoF10"));
  connect(f10, &QShortcut::activated, this, [this] {
    for (QAction *acao : menuBar()->actions())
      if (acao->isVisible() && acao->isEnabled() && acao->menu()) {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(acao);
        return;
      }
  });
  resize(1024, 700);
}

void TnFrmMenuMorvane::SetStatusConexao(const QString &texto) {
  FStatusConexao->setText(texto);
  FStatusConexao->setVisible(!texto.isEmpty());
}

TnFrmMenuMorvane::~TnFrmMenuMorvane() { FecharJanelas(); }

// --- libraries

QStringList TnFrmMenuMorvane::PacotesOpcionais() { return {QStringLiteral("wSipPkPbAge")}; }

TnPacotes &TnFrmMenuMorvane::Pacotes() {
  if (!FPacotes) FPacotes = std::make_unique<TnPacotes>();
  return *FPacotes;
}

void TnFrmMenuMorvane::AbriPacotes() {
  Pacotes().SetPodeAbrirPacote([this](const QString &nome) { return PodeAbrirPacote(nome); });
  Pacotes().AbrirPacotes(TnPacotes::PacotesDoModulo() + PacotesOpcionais());
}

bool TnFrmMenuMorvane::PodeAbrirPacote(const QString &nome) { return true; }

// --- menu

void TnFrmMenuMorvane::ConfigurarVisualMenu() {
  for (const QPointer<QMenu> &menu : std::as_const(FMenusGerados)) delete menu.data();
  FMenusGerados.clear();
  for (QAction *acao : menuBar()->actions())
    if (acao->menu() != FMenuJanelas) menuBar()->removeAction(acao);
  FItens.clear();
  FActions.Clear();

  nGerarActions(
      FActions, [this](TnAction &action) { AbrirClasse(action.Name().mid(3), &action); }, FModulos);

  TnNoMenu raiz;
  for (TnAction *action : FActions.Actions()) {
    if (!action->CriarMenu()) continue;
    TnNoMenu *no = &raiz;
    for (const QString &parte : action->Category().split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
      const TnSegmento segmento = LerSegmento(parte);
      if (!segmento.Nome.isEmpty() || segmento.TemNumero) no = &no->Filho(segmento);
    }
    no->Itens.append(action);
  }
  raiz.Ordenar();

  // Items go into `menu`, or straight onto the menu bar for the root. Each
  // menu's captions get accelerators of their own; the bar's leave the
  // window menu's letter alone.
  std::function<void(const TnNoMenu &, QMenu *)> montar = [&](const TnNoMenu &no, QMenu *menu) {
    QSet<QChar> usadas;
    if (!menu) usadas.insert(QLatin1Char('j'));
    for (const TnNoMenu &filho : no.Filhos) {
      auto *sub = new QMenu(ComAcelerador(filho.Segmento.Nome, usadas), menu ? static_cast<QWidget *>(menu) : this);
      FMenusGerados.append(sub);
      if (menu)
        menu->addMenu(sub);
      else
        menuBar()->insertMenu(FMenuJanelas->menuAction(), sub);
      montar(filho, sub);
    }
    for (TnAction *action : no.Itens) {
      auto *item = new QAction(ComAcelerador(action->Caption(), usadas), menu ? static_cast<QObject *>(menu) : this);
      item->setObjectName(action->Name());
      if (action->ShortCut().key() != Qt::Key_unknown) item->setShortcut(QKeySequence(action->ShortCut()));
      if (action->ImageIndex() > 0) item->setIcon(TnListaImagens::Icone(action->ImageIndex()));
      connect(item, &QAction::triggered, this, [this, action] { ExecutarItem(action); });
      if (menu) {
        if (action->Separador() && !menu->isEmpty()) menu->addSeparator();
        menu->addAction(item);
      } else {
        menuBar()->insertAction(FMenuJanelas->menuAction(), item);
      }
      FItens.append({action, item});
    }
  };
  montar(raiz, nullptr);
}

QAction *TnFrmMenuMorvane::ItemMenu(const TnAction *action) const {
  for (const auto &[dono, item] : FItens)
    if (dono == action) return item;
  return nullptr;
}

void TnFrmMenuMorvane::ExecutarItem(TnAction *action) {
  // The action belongs to FActions, which a rebuilt menu clears.
  if (FActions.IndexOf(action) < 0) return;
  nExecutarProtegido([this, action] {
    if (VerificarDireito(action)) action->Execute();
  });
}

QString TnFrmMenuMorvane::NomeDireito(const TnAction *action) const {
  if (!action) return {};
  if (action->DireitoProprio() || action->HashAcaoMestre() == 0) return action->Name();
  const TnHash32 &hash = FActions.GetHashComp();
  for (const TnAction *mestre : FActions.Actions())
    if (mestre != action && mestre->DireitoProprio() && hash.HashValue(mestre->Name()) == action->HashAcaoMestre())
      return mestre->Name();
  return {};
}

bool TnFrmMenuMorvane::VerificarDireito(const TnAction *action) {
  TnDMDireitoUsuario *direitos = nDMDireitoUsuario();
  if (!action || !action->ControlaDireito() || !direitos) return true;
  const QString nome = NomeDireito(action);
  const bool permitido = !nome.isEmpty() && (direitos->TemDireito(nome) || !direitos->DireitoCadastrado(nome));
  if (!permitido) nShowMessage(QStringLiteral("Usuário sem permissão para acessar esta opção."));
  return permitido;
}

// --- tool bar

void TnFrmMenuMorvane::SetImagemPeriodo(int indice) {
  FBtnPeriodo->setIcon(TnListaImagens::Icone(indice));
  FBtnPeriodo->setProperty("nImageIndex", indice);
}

void TnFrmMenuMorvane::CriarBtnToolBar() { FToolBar->addAction(FBtnPeriodo); }

QAction *TnFrmMenuMorvane::CriarToolButtonMain(const QString &nomeClasse, const QString &hint, bool opcional,
                                               const QString &caption, int indiceImagem) {
  auto *botao = new QAction(caption, this);
  botao->setObjectName(QStringLiteral("btn") + nomeClasse);
  botao->setIcon(TnListaImagens::Icone(indiceImagem));
  botao->setProperty("nImageIndex", indiceImagem);
  botao->setStatusTip(hint);
  if (TnRegistro::Instancia().Registrada(nomeClasse)) {
    botao->setToolTip(hint);
    connect(botao, &QAction::triggered, this, [this, nomeClasse] {
      nExecutarProtegido([this, nomeClasse] {
        TnAction *action = FActions.Find(QStringLiteral("act") + nomeClasse);
        if (VerificarDireito(action)) AbrirClasse(nomeClasse, action);
      });
    });
  } else {
    // The library that brings the class is not loaded: harmless, and says so.
    botao->setEnabled(false);
    botao->setToolTip(QStringLiteral("%1 (indisponível: o módulo que traz %2 não está carregado)").arg(hint, nomeClasse));
    if (!opcional) qWarning("Botão \"%s\": a classe %s não está registrada.", qPrintable(caption), qPrintable(nomeClasse));
  }
  FToolBar->addAction(botao);
  return botao;
}

// --- period

bool TnFrmMenuMorvane::SelecionarPeriodo() {
  TnSelecao &selecao = nDMConexao()->Selecao();
  QDate inicio = selecao.Param(kPeriodoInicio).toDate();
  QDate fim = selecao.Param(kPeriodoFim).toDate();
  if (!inicio.isValid() || !fim.isValid()) {
    const QDate hoje = nDMConexao()->Date();
    inicio = QDate(hoje.year(), hoje.month(), 1);
    fim = inicio.addMonths(1).addDays(-1);
  }
  if (!PerguntarPeriodo(inicio, fim)) return false;
  if (!inicio.isValid() || !fim.isValid()) throw Exception(QStringLiteral("Informe as duas datas do período."));
  if (fim < inicio) throw Exception(QStringLiteral("A data final do período é anterior à data inicial."));
  selecao.SetParam(kPeriodoInicio, inicio);
  selecao.SetParam(kPeriodoFim, fim);
  FStatusPeriodo->setText(QStringLiteral("Período: %1 a %2")
                              .arg(inicio.toString(QStringLiteral("dd/MM/yyyy")), fim.toString(QStringLiteral("dd/MM/yyyy"))));
  FStatusPeriodo->show();
  AtualizarRegistrosAbertos();
  return true;
}

void TnFrmMenuMorvane::AtualizarRegistrosAbertos() {
  QList<TnDMClientDataSet *> registros;
  for (const TnJanela &entrada : std::as_const(FJanelas)) {
    TnDataModule *dm = entrada.Form ? entrada.Form->DataModule() : entrada.Modulo;
    auto *registro = dynamic_cast<TnDMClientDataSet *>(dm);
    if (registro && TnRegistro::Instancia().Viva(registro) && !registros.contains(registro) &&
        AplicaPeriodo(registro->VerificaSelecao()))
      registros.append(registro);
  }
  for (TnDMClientDataSet *registro : std::as_const(registros)) nExecutarProtegido([registro] { registro->Refresh(); });
}

bool TnFrmMenuMorvane::PerguntarPeriodo(QDate &inicio, QDate &fim) {
  TnDlgPeriodo dialogo(this, inicio, fim);
  if (dialogo.exec() != QDialog::Accepted) return false;
  inicio = dialogo.Inicio();
  fim = dialogo.Fim();
  return true;
}

// --- opening classes and their windows

void TnFrmMenuMorvane::AbrirClasse(const QString &nomeClasse, TnAction *action) {
  TnRegistro &registro = TnRegistro::Instancia();
  const TnClasseInfo *info = registro.Info(nomeClasse);
  if (!info) throw Exception(QStringLiteral("A classe %1 não está disponível neste programa.").arg(nomeClasse));
  const QString nome = info->Nome;
  for (const TnJanela &aberta : std::as_const(FJanelas)) {
    if (aberta.Janela && !aberta.Fechada && aberta.Modulo && registro.Viva(aberta.Modulo) &&
        aberta.Modulo->ClassName().compare(nome, Qt::CaseInsensitive) == 0) {
      aberta.Janela->showNormal();
      FAreaMdi->setActiveSubWindow(aberta.Janela);
      return;
    }
  }

  TnDataModule *dm = CriarDM(nome, action);
  if (!dm) throw Exception(QStringLiteral("A classe %1 não pode ser aberta por nome.").arg(nome));
  try {
    TnFrmVisual *form = nullptr;
    if (auto *cadastro = dynamic_cast<TnDMClientDataSet *>(dm))
      form = cadastro->CriarForm();
    else if (auto *processo = dynamic_cast<TnDMPower *>(dm))
      form = processo->CriarForm();
    if (!form) throw Exception(QStringLiteral("A classe %1 não tem janela para mostrar.").arg(nome));
    FModuloAbrindo = dm;
    form->Show();
    FModuloAbrindo = nullptr;
    // No window came up (no form layer installed): the module still belongs
    // to this window, which frees it at the end.
    if (!JanelaDoForm(form)) FJanelas.append({nullptr, nullptr, form, dm});
  } catch (...) {
    FModuloAbrindo = nullptr;
    LiberarModulo(dm);
    throw;
  }
}

QMdiSubWindow *TnFrmMenuMorvane::MostrarNaAreaMdi(QWidget *visao, TnFrmVisual *form) {
  if (QMdiSubWindow *existente = JanelaDoForm(form)) {
    existente->showNormal();
    FAreaMdi->setActiveSubWindow(existente);
    return existente;
  }
  auto *janela = new QMdiSubWindow;
  janela->setWidget(visao);
  janela->setAttribute(Qt::WA_DeleteOnClose);
  if (form) {
    janela->setWindowTitle(form->Caption());
    janela->setObjectName(QStringLiteral("mdi") + form->Name());
  }
  FAreaMdi->addSubWindow(janela);
  if (form) janela->resize(TamanhoInicial(janela, visao, form));
  janela->installEventFilter(this);

  TnDataModule *dm = form && form->DataModule() == FModuloAbrindo ? FModuloAbrindo : nullptr;
  FJanelas.append({janela, janela, form, dm});
  // A form freed by its module takes its window along.
  if (form) connect(form, &QObject::destroyed, janela, [janela] { janela->deleteLater(); });
  const QObject *chave = janela;
  connect(janela, &QObject::destroyed, this, [this, chave] { JanelaDestruida(chave); });
  janela->show();
  return janela;
}

QSize TnFrmMenuMorvane::TamanhoInicial(QMdiSubWindow *janela, QWidget *visao, const TnFrmVisual *form) const {
  // At least the form's design size and what the editors need; a window
  // with a list takes the height the area offers and the width of its
  // columns, so no list is cut while space is left; never more than the area.
  QSize tamanho = QSize(std::max(form->Width(), 200), std::max(form->Height(), 120)).expandedTo(janela->sizeHint());
  const QSize area = FAreaMdi->viewport()->size();
  const bool areaPronta = FAreaMdi->isVisible() && area.width() > 200 && area.height() > 120;
  if (auto *tabela = visao ? visao->findChild<QTableView *>() : nullptr) {
    const int colunas = tabela->horizontalHeader()->length() + tabela->verticalHeader()->width() + 40;
    tamanho.setWidth(std::max(tamanho.width(), colunas));
    if (areaPronta) tamanho.setHeight(std::max(tamanho.height(), area.height() * 9 / 10));
  }
  if (areaPronta) tamanho = tamanho.boundedTo(area);
  return tamanho;
}

QMdiSubWindow *TnFrmMenuMorvane::JanelaDoForm(const TnFrmVisual *form) const {
  if (!form) return nullptr;
  for (const TnJanela &entrada : FJanelas)
    if (entrada.Janela && !entrada.Fechada && entrada.Form == form) return entrada.Janela;
  return nullptr;
}

TnFrmMenuMorvane::TnJanela *TnFrmMenuMorvane::Entrada(const QObject *janela) {
  for (TnJanela &entrada : FJanelas)
    if (janela && entrada.Chave == janela) return &entrada;
  return nullptr;
}

void TnFrmMenuMorvane::JanelaDestruida(const QObject *janela) {
  TnDataModule *modulo = nullptr;
  for (const TnJanela &entrada : std::as_const(FJanelas))
    if (entrada.Chave == janela) modulo = entrada.Modulo;
  FJanelas.removeIf([janela](const TnJanela &entrada) { return entrada.Chave == janela; });
  if (modulo) QTimer::singleShot(0, this, [this, modulo] { nExecutarProtegido([&] { LiberarModulo(modulo); }); });
}

void TnFrmMenuMorvane::LiberarModulo(TnDataModule *modulo) {
  if (modulo && TnRegistro::Instancia().Viva(modulo)) nLiberarDM(modulo);
}

bool TnFrmMenuMorvane::eventFilter(QObject *objeto, QEvent *evento) {
  if (evento->type() != QEvent::Close || FFechandoTudo) return QMainWindow::eventFilter(objeto, evento);
  TnJanela *entrada = Entrada(objeto);
  if (!entrada) return QMainWindow::eventFilter(objeto, evento);
  // The form decides (OnCloseQuery); a refusal keeps the window and what was typed.
  TnFrmVisual *form = entrada->Form;
  if (form && form->Visible()) {
    bool fechou = false;
    nExecutarProtegido([&] { fechou = form->Fechar(mrCancel); });
    if (!fechou) {
      evento->ignore();
      return true;
    }
  }
  // The window (deleted on close) takes the view along; the module goes
  // once the window is destroyed (JanelaDestruida).
  entrada->Fechada = true;
  return QMainWindow::eventFilter(objeto, evento);
}

void TnFrmMenuMorvane::FecharJanelas() {
  FFechandoTudo = true;
  const QList<TnJanela> janelas = FJanelas;
  FJanelas.clear();
  for (const TnJanela &entrada : janelas) delete entrada.Janela.data();
  for (const TnJanela &entrada : janelas) nExecutarProtegido([&] { LiberarModulo(entrada.Modulo); });
  FFechandoTudo = false;
}

void TnFrmMenuMorvane::closeEvent(QCloseEvent *evento) {
  // Every window is asked first; one that refuses keeps the program open.
  FAreaMdi->closeAllSubWindows();
  for (QMdiSubWindow *janela : FAreaMdi->subWindowList()) {
    if (janela->isVisible()) {
      evento->ignore();
      return;
    }
  }
  QMainWindow::closeEvent(evento);
}
