#pragma once

#include <QList>
#include <QString>

#include "nAction_U.h"
#include "nModulos_U.h"
#include "nframework_export.h"

class TnActionList;

// One menu entry a class declares; one action per declaration.
struct NFRAMEWORK_EXPORT TnMenuDecl {
  QString Caption{};
  QString Category{};   // "02 Movimentos\01 Protocolos"
  int Index = 0;        // 0: not given
  QString Modulo{};     // module code of the menu that gets the entry: "mVox" or "rTul"
  int ImageIndex = 0;   // 0: not given
  QString ShortCutStr{};  // "Shift+Ctrl+F12"; empty: none
  bool Separador = false;
  bool CriarHTTP = false;
  bool CriarMenu = true;  // false: the action exists (rights, opening by name) with no menu item
};

// How a class's actions take part in the user rights.
enum class TnRegraDireito {
  Padrao,    // a right of its own (the action's defaults)
  Consulta,  // a lookup: its "mVox" actions have no right of their own (control off)
  Detalhe,   // a detail register: governed by its master's right
  Livre,     // no right of its own on any of its actions, whatever the module
};

struct NFRAMEWORK_EXPORT TnDireitoMenu {
  TnRegraDireito Regra = TnRegraDireito::Padrao;
  QString ClasseMestre{};  // Detalhe: the master's class name ("TmVoxDMProtocolo")
};

// Creates a class's menu actions from its declarations, in declaration order:
// a declaration whose module is not in `modulos` gives nothing; each other one
// gives an action owned by `lista` named "act" + `nomeClasse`, with the
// declared path, caption and handler, the declared image, shortcut, index,
// separator, HTTP and menu flags, `verificaSelecao`, and the rights settings
// of `direito`. The action of a detail gets HashAcaoMestre = the list's hash of
// "act" + the master's class name.
NFRAMEWORK_EXPORT void nGerarActionsMenu(TnActionList &lista, const TnOnExecute &onExecute,
                                         const TnModulos &modulos, const QString &nomeClasse,
                                         const QList<TnMenuDecl> &menus, const QString &verificaSelecao,
                                         const TnDireitoMenu &direito = {});
