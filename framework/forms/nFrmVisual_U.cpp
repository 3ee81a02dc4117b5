#include "nFrmVisual_U.h"

#include <utility>

#include "nAction_U.h"
#include "nDataModule_U.h"

namespace {

TnExecutarFormModal &HookModal() {
  static TnExecutarFormModal hook;
  return hook;
}

TnMostrarForm &HookMostrar() {
  static TnMostrarForm hook;
  return hook;
}

QString SoLetrasEDigitos(const QString &texto) {
  QString resultado;
  for (const QChar c : texto)
    if (c.isLetterOrNumber() && c.unicode() < 128) resultado.append(c);
  return resultado;
}

}  // namespace

TnExecutarFormModal nSetExecutarFormModal(TnExecutarFormModal hook) {
  return std::exchange(HookModal(), std::move(hook));
}

TnMostrarForm nSetMostrarForm(TnMostrarForm hook) { return std::exchange(HookMostrar(), std::move(hook)); }

TnFrmVisual::TnFrmVisual(TnDataModule *dataModule, QObject *parent)
    : QObject(parent),
      FDataModule(dataModule),
      FAreaTopo(new TnPainel(this, QStringLiteral("pnlTopo"))),
      FAreaToolBar(new TnPainel(this, QStringLiteral("pnlToolBar"))),
      FAreaCliente(new TnPainel(this, QStringLiteral("pnlCliente"))) {
  setObjectName(QStringLiteral("Frm") + (dataModule ? dataModule->Name() : QString()));
  FAreaToolBar->SetAlign(TnAlinhamento::alTop);
  FAreaTopo->SetAlign(TnAlinhamento::alTop);
  FAreaTopo->SetBorda(false);
  FAreaCliente->SetAlign(TnAlinhamento::alClient);
  FAreaCliente->SetBorda(false);
}

TnFrmVisual::~TnFrmVisual() {
  // Handlers may add or remove others while running: take them all first.
  auto handlers = std::move(FAoDestruir);
  FAoDestruir.clear();
  for (auto &[id, handler] : handlers) {
    try {
      handler(*this);
    } catch (...) {
      // A destructor must not raise; a failing clean-up of a module is not
      // worth losing the rest of them.
    }
  }
  if (FVisible && !FExibindo && HookMostrar()) {
    try {
      HookMostrar()(*this, false);
    } catch (...) {
    }
  }
}

QString TnFrmVisual::ClassName() const { return QStringLiteral("TnFrmVisual"); }

bool TnFrmVisual::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(QStringLiteral("TnFrmVisual"), Qt::CaseInsensitive) == 0;
}

TnFrmVisual *TnFrmVisual::FormPai() const {
  for (QObject *p = parent(); p; p = p->parent())
    if (auto *form = dynamic_cast<TnFrmVisual *>(p)) return form;
  return nullptr;
}

TnToolButton *TnFrmVisual::CriarToolButton(const QString &caption, const QString &hint, int imageIndex,
                                           TnEventoNotify onClick, const QString &shortCut, int tag, int indice,
                                           bool separador, bool mostrarCaption, bool visivel, const char *classeAction,
                                           const QString &nome) {
  auto *botao = new TnToolButton(FAreaToolBar);
  botao->SetName(nome.isEmpty() ? QStringLiteral("btn") + SoLetrasEDigitos(caption) : nome);
  botao->SetCaption(caption);
  botao->SetHint(hint);
  botao->SetImageIndex(imageIndex);
  botao->OnClick = std::move(onClick);
  botao->SetShortCut(shortCut);
  botao->SetTag(tag);
  botao->SetSeparador(separador);
  botao->SetMostrarCaption(mostrarCaption);
  botao->SetVisible(visivel);
  if (classeAction) botao->SetClasseAction(QString::fromUtf8(classeAction));
  FToolButtons.removeAll(nullptr);
  if (indice < 0 || indice >= FToolButtons.size())
    FToolButtons.append(botao);
  else
    FToolButtons.insert(indice, botao);
  return botao;
}

TnToolButton *TnFrmVisual::ToolButton(const QString &nomeOuCaption) const {
  for (const auto &botao : FToolButtons)
    if (botao && botao->Name().compare(nomeOuCaption, Qt::CaseInsensitive) == 0) return botao;
  for (const auto &botao : FToolButtons)
    if (botao && botao->Caption().compare(nomeOuCaption, Qt::CaseInsensitive) == 0) return botao;
  return nullptr;
}

TnActionForm *TnFrmVisual::CriarAction(const QString &nome, const QString &caption, TnEventoNotify onExecute,
                                       const QString &shortCut, int imageIndex) {
  delete Action(nome);
  auto *action = new TnActionForm(this);
  action->SetName(nome);
  action->SetCaption(caption);
  action->OnExecute = std::move(onExecute);
  action->SetShortCut(shortCut);
  action->SetImageIndex(imageIndex);
  return action;
}

TnActionForm *TnFrmVisual::Action(const QString &nome) const {
  for (QObject *filho : children())
    if (auto *action = dynamic_cast<TnActionForm *>(filho))
      if (action->Name().compare(nome, Qt::CaseInsensitive) == 0) return action;
  return nullptr;
}

QList<TnActionForm *> TnFrmVisual::Actions() const {
  QList<TnActionForm *> actions;
  for (QObject *filho : children())
    if (auto *action = dynamic_cast<TnActionForm *>(filho)) actions.append(action);
  return actions;
}

void TnFrmVisual::HabilitaDesabilitaActions(const QStringList &nomes, bool habilitar) {
  for (const QString &nome : nomes)
    if (TnActionForm *action = Action(nome.trimmed())) action->SetEnabled(habilitar);
}

bool TnFrmVisual::ExecutarAction(const QString &nome, QObject *sender) {
  TnActionForm *action = Action(nome);
  return action && action->Execute(sender);
}

void TnFrmVisual::ConfigurarActionForm(const QList<int> &tipos, bool valor) {
  FTiposActionForm = tipos;
  FValorActionForm = valor;
}

bool TnFrmVisual::PressionarAtalho(QKeyCombination tecla) {
  if (tecla.key() == Qt::Key_unknown) return false;
  for (const auto &botao : std::as_const(FToolButtons))
    if (botao && botao->Visible() && botao->Enabled() && botao->ShortCut() == tecla) {
      botao->Click();
      return true;
    }
  for (TnActionForm *action : Actions())
    if (action->Enabled() && action->ShortCut() == tecla) {
      action->Execute();
      return true;
    }
  return false;
}

bool TnFrmVisual::PressionarAtalho(int tecla, TShiftState shift) {
  Qt::Key chave = Qt::Key_unknown;
  if (tecla >= 112 && tecla <= 135)
    chave = static_cast<Qt::Key>(Qt::Key_F1 + (tecla - 112));
  else if (tecla == nTeclaEnter)
    chave = Qt::Key_Return;
  else if (tecla == nTeclaTab)
    chave = Qt::Key_Tab;
  else if (tecla == nTeclaEsc)
    chave = Qt::Key_Escape;
  else if (tecla == 45)
    chave = Qt::Key_Insert;
  else if (tecla == 46)
    chave = Qt::Key_Delete;
  else if (tecla == 38)
    chave = Qt::Key_Up;
  else if (tecla == 40)
    chave = Qt::Key_Down;
  else if ((tecla >= '0' && tecla <= '9') || (tecla >= 'A' && tecla <= 'Z'))
    chave = static_cast<Qt::Key>(tecla);
  if (chave == Qt::Key_unknown) return false;
  Qt::KeyboardModifiers mods;
  if (shift.testFlag(ssShift)) mods |= Qt::ShiftModifier;
  if (shift.testFlag(ssCtrl)) mods |= Qt::ControlModifier;
  if (shift.testFlag(ssAlt)) mods |= Qt::AltModifier;
  return PressionarAtalho(QKeyCombination(mods, chave));
}

QObject *TnFrmVisual::Foco() const {
  if (TnFrmVisual *pai = FormPai()) return pai->Foco();
  return FFoco;
}

void TnFrmVisual::SetFoco(QObject *controle) {
  if (TnFrmVisual *pai = FormPai()) {
    pai->SetFoco(controle);
    return;
  }
  FFoco = controle;
}

void TnFrmVisual::Show() {
  FVisible = true;
  if (HookMostrar()) HookMostrar()(*this, true);
}

void TnFrmVisual::Hide() {
  if (!FVisible) return;
  FVisible = false;
  if (HookMostrar()) HookMostrar()(*this, false);
}

int TnFrmVisual::ShowModal() {
  FModalResult = mrNone;
  const TnExecutarFormModal hook = HookModal();
  if (!hook) {
    FModalResult = mrCancel;
    return FModalResult;
  }
  FExibindo = true;
  FVisible = true;
  try {
    hook(*this);
  } catch (...) {
    FExibindo = false;
    FVisible = false;
    throw;
  }
  if (FExibindo) FModalResult = mrCancel;  // the hook returned with the form open
  FExibindo = false;
  FVisible = false;
  return FModalResult;
}

bool TnFrmVisual::Fechar(int modalResult) {
  FModalResult = modalResult;
  bool podeFechar = true;
  try {
    if (OnCloseQuery) OnCloseQuery(*this, podeFechar);
  } catch (...) {
    FModalResult = mrNone;
    throw;
  }
  if (!podeFechar) {
    FModalResult = mrNone;
    return false;
  }
  if (FExibindo)
    FExibindo = false;
  else
    Hide();
  return true;
}

int TnFrmVisual::AdicionarAoDestruir(std::function<void(TnFrmVisual &)> handler) {
  const int id = FProximoAoDestruir++;
  FAoDestruir.emplace(id, std::move(handler));
  return id;
}

void TnFrmVisual::RemoverAoDestruir(int id) { FAoDestruir.erase(id); }
