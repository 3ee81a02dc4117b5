#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "nAction_U.h"
#include "nHash32_U.h"
#include "nframework_export.h"

// An ordered list of actions that owns them. Names need not be unique: two
// classes may declare entries that end up with the same name, and the first
// one found by name wins.
class NFRAMEWORK_EXPORT TnActionList {
 public:
  TnActionList();
  ~TnActionList();
  TnActionList(const TnActionList &) = delete;
  TnActionList &operator=(const TnActionList &) = delete;

  // A new action owned by and added to the list.
  TnAction &CriarAction();
  // Takes the action over and appends it. Raises Exception for null or for an
  // action that another list owns; the caller then keeps it.
  TnAction &Add(std::unique_ptr<TnAction> &&action);
  // Takes the action at `indice` out of the list and hands it to the caller.
  std::unique_ptr<TnAction> Extrair(int indice);
  void Clear();

  int Count() const { return static_cast<int>(FActions.size()); }
  TnAction &Items(int indice) const { return *FActions.at(static_cast<size_t>(indice)); }
  TnAction &operator[](int indice) const { return Items(indice); }
  int IndexOf(const TnAction *action) const;
  // The first action with the name, in any case; null when none has it.
  TnAction *Find(const QString &nome) const;
  // Every action with the name, in list order.
  QList<TnAction *> FindAll(const QString &nome) const;
  // Every action, in list order.
  QList<TnAction *> Actions() const;

  // The hash the rights tree links actions by (see TnHash32).
  const TnHash32 &GetHashComp() const { return FHash; }

 private:
  std::vector<std::unique_ptr<TnAction>> FActions;
  TnHash32 FHash;
};
