#include "nActionList_U.h"

#include "nException_U.h"

TnActionList::TnActionList() = default;

TnActionList::~TnActionList() = default;

TnAction &TnActionList::CriarAction() { return Add(std::make_unique<TnAction>()); }

TnAction &TnActionList::Add(std::unique_ptr<TnAction> &&action) {
  if (!action) throw Exception(QStringLiteral("Ação nula não pode entrar na lista de ações."));
  if (action->FActionList && action->FActionList != this)
    throw Exception(QStringLiteral("A ação %1 já pertence a outra lista.").arg(action->Name()));
  action->FActionList = this;
  FActions.push_back(std::move(action));
  return *FActions.back();
}

std::unique_ptr<TnAction> TnActionList::Extrair(int indice) {
  std::unique_ptr<TnAction> action = std::move(FActions.at(static_cast<size_t>(indice)));
  FActions.erase(FActions.begin() + indice);
  action->FActionList = nullptr;
  return action;
}

void TnActionList::Clear() { FActions.clear(); }

int TnActionList::IndexOf(const TnAction *action) const {
  for (size_t i = 0; i < FActions.size(); ++i)
    if (FActions[i].get() == action) return static_cast<int>(i);
  return -1;
}

TnAction *TnActionList::Find(const QString &nome) const {
  for (const auto &action : FActions)
    if (action->Name().compare(nome, Qt::CaseInsensitive) == 0) return action.get();
  return nullptr;
}

QList<TnAction *> TnActionList::FindAll(const QString &nome) const {
  QList<TnAction *> achadas;
  for (const auto &action : FActions)
    if (action->Name().compare(nome, Qt::CaseInsensitive) == 0) achadas.append(action.get());
  return achadas;
}

QList<TnAction *> TnActionList::Actions() const {
  QList<TnAction *> todas;
  todas.reserve(Count());
  for (const auto &action : FActions) todas.append(action.get());
  return todas;
}
