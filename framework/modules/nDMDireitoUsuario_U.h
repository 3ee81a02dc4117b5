#pragma once

#include <QChar>
#include <QString>
#include <functional>

#include "nModulos_U.h"
#include "nframework_export.h"

class TnActionList;

// The user rights service. Rights are kept in the framework table
// USUARIODIREITO (CODIGOUSUARIO, NOMEDIREITO, VALORDIREITO), one row per user
// and right; the value '8' grants. A right with no row is not granted.
// Right names match in any case.
class NFRAMEWORK_EXPORT TnDMDireitoUsuario {
 public:
  static constexpr char16_t Concedido = u'8';
  static constexpr char16_t Negado = u'0';

  // The value of the right for the connection's current user; '0' when the
  // user has no row for it. Raises EDatabaseError when the table cannot be read.
  QChar PegarDireito(const QString &nome) const;
  QChar PegarDireito(int codigoUsuario, const QString &nome) const;
  bool TemDireito(const QString &nome) const { return PegarDireito(nome) == QChar(Concedido); }
  // Whether any user has a row for the right `nome` (any case): tells a right
  // never administered from one this user was refused.
  bool DireitoCadastrado(const QString &nome) const;

  // For the rights administration: sets (or replaces) the user's value of
  // the right, or removes it.
  void SetDireito(int codigoUsuario, const QString &nome, QChar valor);
  void RemoverDireito(int codigoUsuario, const QString &nome);

  // The rights tree: the main actions of `modulos` that carry a right of their
  // own (ControlaDireito and DireitoProprio), in menu order, then whatever the
  // hook FOnGerarPrincActionMods adds (the modules' own rights).
  void GerarActionsDireito(TnActionList &lista, const TnModulos &modulos) const;
};

// The process's rights service; null when it is off (callers then skip the
// rights checks). On by default.
NFRAMEWORK_EXPORT TnDMDireitoUsuario *nDMDireitoUsuario();
// Installs another service (not owned) or, with null, turns the service off.
NFRAMEWORK_EXPORT void nSetDMDireitoUsuario(TnDMDireitoUsuario *servico);
// Restores the framework's own service.
NFRAMEWORK_EXPORT void nRestaurarDMDireitoUsuario();

// The hook through which module libraries add their own rights to the rights
// tree. It remembers which library set it (the one loading at the time), and
// is reset when that library unloads, so it never points at code that is gone.
using TnOnGerarPrincActionMods = std::function<void(TnActionList &)>;
NFRAMEWORK_EXPORT const TnOnGerarPrincActionMods &FOnGerarPrincActionMods();
NFRAMEWORK_EXPORT void SetFOnGerarPrincActionMods(TnOnGerarPrincActionMods hook);
// Resets the hooks the library `pacote` set; called by the loader at unload.
NFRAMEWORK_EXPORT void nLiberarHooksDoPacote(const QString &pacote);
