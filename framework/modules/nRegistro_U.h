#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "nAction_U.h"
#include "nClasseInfo_U.h"
#include "nDataModule_U.h"
#include "nModulos_U.h"
#include "nframework_export.h"

class TnActionList;

// The class registry: every class the module libraries register by name, and
// every instance created by name. Class names match in any case; so do
// instance names. An unknown class name answers null (or nothing) and never
// raises. Everything runs on the user-interface thread.
//
// Instance names are the design name (class name without the leading T) plus
// a suffix, unique among the live instances:
// - a module of its own: no suffix when the bare name is free, else "_1",
//   "_2"... (the lowest free);
// - an "Individual" (private) module: always a numbered suffix, so the bare
//   name stays for the public one;
// - a detail (created with a master): the master's suffix, so that
//   PrepararDM(master class, the detail's suffix) gives that master; a
//   numbered suffix is appended only if that name is taken.
class NFRAMEWORK_EXPORT TnRegistro {
 public:
  static TnRegistro &Instancia();
  ~TnRegistro();
  TnRegistro(const TnRegistro &) = delete;
  TnRegistro &operator=(const TnRegistro &) = delete;

  // --- classes
  // Raises Exception when the name is empty or already registered (two units
  // claiming one name is a packaging fault that must not pass silently).
  void Registrar(const TnClasseInfo &info);
  // Removes the class; its live instances are freed first, since their code
  // is about to go away with the library. False when the name is unknown.
  bool Remover(const QString &nome);
  // Null when unknown. Valid until the next registration or removal.
  const TnClasseInfo *Info(const QString &nome) const;
  bool Registrada(const QString &nome) const { return Info(nome) != nullptr; }
  // The registered class names, in registration order.
  QStringList Classes() const;
  // Whether `classe` is `ancestral` or descends from it by the registered
  // parent names (a parent that is not registered ends the chain).
  bool HerdaDe(const QString &classe, const QString &ancestral) const;
  // Class-level operations; the defaults ("", 0, nothing) for an unknown class.
  QString PegarVerificaSelecao(const QString &classe) const;
  int PegarTipoObjeto(const QString &classe) const;
  void GerarPrincAction(const QString &classe, TnActionList &lista, const TnOnExecute &onExecute,
                        const TnModulos &modulos) const;
  // GerarPrincAction of every registered class, in registration order. An
  // empty `onExecute` becomes nExecutarActionPadrao.
  void GerarActions(TnActionList &lista, const TnOnExecute &onExecute, const TnModulos &modulos) const;

  // --- instances
  // A new instance of the class, named as above, after its DataModuleCreate.
  // Null when the class is unknown or cannot be created by name. An explicit
  // suffix whose name is taken raises Exception.
  TnDataModule *Criar(const QString &classe, TnAction *action = nullptr, const QString &modo = QString(),
                      TnDataModule *master = nullptr, const std::optional<QString> &sufixo = std::nullopt);
  // The live instance named design name + `sufixo` (any mode), or, when there
  // is none and `criar` holds, a new one with that suffix. Null when the class
  // is unknown or nothing was found and none created.
  TnDataModule *Preparar(const QString &classe, const QString &sufixo, bool criar = true,
                         TnDataModule *master = nullptr);
  // The first live instance with the name; private ("Individual") ones only
  // when `incluirIndividuais`.
  TnDataModule *Encontrar(const QString &nome, bool incluirIndividuais) const;
  // Live instances of the class and its descendants (all when `classe` is
  // empty), in creation order.
  QList<TnDataModule *> Instancias(const QString &classe = QString()) const;
  bool Viva(const TnDataModule *dm) const;
  // Runs DataModuleDestroy, frees the instance's details, then the instance.
  // A module that is not live (or already being freed) is left alone.
  void Destruir(TnDataModule *dm);
  // Frees the instance of exactly that class named `nome`; when `nome` names
  // an instance of another class (a master), the instance of this class that
  // carries its suffix (its detail); when `nome` is empty, the class's newest
  // instance (the one a caller created for a single use). False when none.
  bool Destruir(const QString &classe, const QString &nome);
  // Refresh on every live instance of the class and its descendants (only the
  // one named `nome` when given). Gives how many were refreshed.
  int Atualizar(const QString &classe, const QString &nome = QString());
  // Frees every live instance, newest first.
  void DestruirTodos();

 private:
  friend class TnDataModule;
  TnRegistro();

  int IndiceClasse(const QString &nome) const;
  QString SufixoLivre(const QString &nomeDesign, const QString &base, bool numerar) const;
  void DestruirDetalhes(TnDataModule *master);
  // Called by ~TnDataModule: forgets the instance and frees its details
  // (nothing once the registry itself is gone, at the end of the process).
  static void AoDestruirModulo(TnDataModule *dm);
  void Esquecer(TnDataModule *dm);

  QList<TnClasseInfo> FClasses;           // registration order
  std::vector<TnDataModule *> FInstancias;  // creation order; owned
};

// The design name of a class name: without the leading T.
NFRAMEWORK_EXPORT QString nNomeDesign(const QString &nomeClasse);

// The registry's services under the names the modules call them by.
NFRAMEWORK_EXPORT void nRegisterClass(const TnClasseInfo &info);
NFRAMEWORK_EXPORT void nUnRegisterClass(const QString &nome);
// A new instance; `modo` "" (public) or "Individual" (private).
NFRAMEWORK_EXPORT TnDataModule *CriarDM(const QString &classe, TnAction *action = nullptr,
                                        const QString &modo = QString());
// Always a new public instance, with no action.
NFRAMEWORK_EXPORT TnDataModule *CriarDMNovo(const QString &classe);
// The instance named design name + `sufixo`, or a new one (see
// TnRegistro::Preparar). `abrirForm` is for the form layer, which shows the
// module's form when it is set; the registry does not use it.
NFRAMEWORK_EXPORT TnDataModule *PrepararDM(const QString &classe, const QString &sufixo = QString(),
                                           bool abrirForm = false, bool criar = true,
                                           TnDataModule *master = nullptr);
// The live public instance with that name (design name + suffix); null when
// none. Private ("Individual") instances are never returned.
NFRAMEWORK_EXPORT TnDataModule *FindGlobalDataModule(const QString &nome);
NFRAMEWORK_EXPORT bool DestruirDM(const QString &classe, const QString &nome = QString());
NFRAMEWORK_EXPORT void nLiberarDM(TnDataModule *dm);
// `opcao` keeps the callers' signature and is unused.
NFRAMEWORK_EXPORT int AtualizarDM(const QString &classe, const QString &nome = QString(), int opcao = 0);

// Builds the main action list: every registered class's GerarPrincAction.
NFRAMEWORK_EXPORT void nGerarActions(TnActionList &lista, const TnOnExecute &onExecute, const TnModulos &modulos);
// The default handler of the main actions: creates the class the action
// names ("act" + class name) with CriarDM, the action as its opener. Does
// nothing for a name that names no registered class.
NFRAMEWORK_EXPORT void nExecutarActionPadrao(TnAction &action);
