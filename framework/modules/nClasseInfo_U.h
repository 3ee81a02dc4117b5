#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <type_traits>

#include "nAction_U.h"
#include "nDataModule_U.h"
#include "nMenuDecl_U.h"
#include "nModulos_U.h"
#include "nframework_export.h"

class TnActionList;

// What the registry knows of a class: its name, its parent's name (for "is a"
// tests across libraries) and its class-level operations. The functions live
// in the library that registered the class, so the registry drops them when
// the library unregisters it.
struct NFRAMEWORK_EXPORT TnClasseInfo {
  QString Nome;     // "TmVoxDMProtocolo"
  QString NomePai;  // "TnDMClientDataSet"; empty for a root
  // A new instance; null for a class that cannot be created by name.
  std::function<TnDataModule *()> Criar;
  // Creates the class's menu actions; when null, the registry runs the common
  // algorithm over Menus, PegarVerificaSelecao and DireitoMenu.
  std::function<void(TnActionList &, const TnOnExecute &, const TnModulos &)> GerarPrincAction;
  std::function<QString()> PegarVerificaSelecao;  // null: ""
  std::function<int()> PegarTipoObjeto;           // null: 0
  QList<TnMenuDecl> Menus;
  TnDireitoMenu DireitoMenu;
};

// The info of a TnDataModule descendant, reading its class-level (static)
// members; an abstract class gets no factory.
template <class T>
TnClasseInfo nInfoClasse(const QString &nome, const QString &nomePai) {
  static_assert(std::is_base_of_v<TnDataModule, T>, "only data modules are created by name");
  TnClasseInfo info;
  info.Nome = nome;
  info.NomePai = nomePai;
  if constexpr (!std::is_abstract_v<T>) info.Criar = []() -> TnDataModule * { return new T(); };
  info.PegarVerificaSelecao = [] { return T::PegarVerificaSelecao(); };
  info.PegarTipoObjeto = [] { return T::PegarTipoObjeto(); };
  info.Menus = T::Menus();
  info.DireitoMenu = T::DireitoMenu();
  return info;
}
