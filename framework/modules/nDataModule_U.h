#pragma once

#include <QList>
#include <QString>

#include "nMenuDecl_U.h"
#include "nframework_export.h"

class TnAction;

// The mode of a private instance: created for one caller, never returned by
// FindGlobalDataModule, its form managed by that caller.
inline const QString nModoIndividual = QStringLiteral("Individual");

// The base of every class created by name (data modules, processes, forms).
// Instances are created, named and owned by the registry (TnRegistro): free
// them with DestruirDM or nLiberarDM, which run DataModuleDestroy, then free
// the instance's details, then the instance. Deleting one directly is safe
// too (the registry forgets it and frees its details) but skips
// DataModuleDestroy.
//
// Class-level members (class methods: no instance needed) are static:
// nInfoClasse<T> reads T::PegarVerificaSelecao, T::PegarTipoObjeto, T::Menus
// and T::DireitoMenu, so a descendant overrides them by declaring a static
// member of the same name and signature. They must stay static in every
// descendant.
class NFRAMEWORK_EXPORT TnDataModule {
 public:
  TnDataModule();
  virtual ~TnDataModule();
  TnDataModule(const TnDataModule &) = delete;
  TnDataModule &operator=(const TnDataModule &) = delete;

  // The registered class name ("TmVoxDMProtocolo").
  const QString &ClassName() const { return FClassName; }
  // The design name: the class name without the leading T ("mVoxDMProtocolo").
  QString NomeDesign() const;
  // The instance name: design name + suffix. Unique among the live instances.
  QString Name() const { return NomeDesign() + FSufixo; }
  const QString &Sufixo() const { return FSufixo; }
  // "" or "Individual".
  const QString &Modo() const { return FModo; }
  bool Individual() const;
  // The master whose form holds this module as a detail; null for a module
  // of its own. The master frees its details.
  TnDataModule *DmMaster() const { return FMaster; }
  // The menu action that opened the module; null when it was created by code.
  // It belongs to the main action list.
  TnAction *Action() const { return FAction; }

  // Whether the class is `nomeClasse` or descends from it, by the registered
  // parent chain; any case.
  bool InheritsFrom(const QString &nomeClasse) const;

  // Reloads what the module shows (AtualizarDM calls it on every instance).
  virtual void Refresh();
  // Run by the registry once the instance has its name, mode and master (a
  // constructor cannot reach the descendants' overrides). When it raises, the
  // instance is freed and the creation raises.
  virtual void DataModuleCreate();
  // Run by the registry before it frees the instance, and before the
  // instance's details are freed.
  virtual void DataModuleDestroy();

  // Class-level defaults.
  // Selection parameters the class's actions apply, separated by ";".
  static QString PegarVerificaSelecao() { return {}; }
  // The kind of form the framework builds: 1 an edit form, 2 a lookup grid,
  // 0 none of those (processes and plain modules).
  static int PegarTipoObjeto() { return 0; }
  // The class's menu declarations.
  static QList<TnMenuDecl> Menus() { return {}; }
  // How the class's actions take part in the user rights.
  static TnDireitoMenu DireitoMenu() { return {}; }

 private:
  friend class TnRegistro;

  QString FClassName;
  QString FSufixo;
  QString FModo;
  TnDataModule *FMaster = nullptr;
  TnAction *FAction = nullptr;
  bool FDestruindo = false;
};
