#pragma once

#include <QKeyCombination>
#include <QString>
#include <functional>

#include "nframework_export.h"

class TnAction;
class TnActionList;

// The handler of an action; the action itself is the sender.
using TnOnExecute = std::function<void(TnAction &)>;

// A menu action: one entry of the main menu (or, with CriarMenu off, an entry
// that exists only for the rights tree and for opening a class by name).
// Actions live in a TnActionList, which owns them.
//
// Rights settings: by default an action has a user right of its own
// (ControlaDireito and DireitoProprio on, HashAcaoMestre 0). A lookup turns
// the control off; a detail keeps it on but points, through HashAcaoMestre,
// at the master action whose right governs it.
class NFRAMEWORK_EXPORT TnAction {
 public:
  TnAction() = default;
  TnAction(const TnAction &) = delete;
  TnAction &operator=(const TnAction &) = delete;

  // The list that owns the action; null while it belongs to none.
  TnActionList *ActionList() const { return FActionList; }

  // Menu path: numbered segments joined by a backslash ("02 Movimentos\01 Protocolos").
  const QString &Category() const { return FCategory; }
  void SetCategory(const QString &valor) { FCategory = valor; }
  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &valor) { FCaption = valor; }
  // "act" + the class the action opens; several actions may share a name.
  const QString &Name() const { return FName; }
  void SetName(const QString &valor) { FName = valor; }
  const TnOnExecute &OnExecute() const { return FOnExecute; }
  void SetOnExecute(TnOnExecute valor) { FOnExecute = std::move(valor); }
  int ImageIndex() const { return FImageIndex; }  // -1: no image
  void SetImageIndex(int valor) { FImageIndex = valor; }

  // The shortcut as declared ("Shift+Ctrl+F12") and as keys. A text the
  // parser does not know is kept, with no keys (ShortCut() gives Key_unknown).
  const QString &ShortCutStr() const { return FShortCutStr; }
  QKeyCombination ShortCut() const { return FShortCut; }
  void SetShortCut(const QString &texto);

  int Tag() const { return FTag; }
  void SetTag(int valor) { FTag = valor; }
  // Place of the entry among its siblings; 0 when not given.
  int Index() const { return FIndex; }
  void SetIndex(int valor) { FIndex = valor; }
  // A separator stands before the entry.
  bool Separador() const { return FSeparador; }
  void SetSeparador(bool valor) { FSeparador = valor; }
  // Also offered over the framework's HTTP access.
  bool CriarHTTP() const { return FCriarHTTP; }
  void SetCriarHTTP(bool valor) { FCriarHTTP = valor; }
  // Shown in the main menu.
  bool CriarMenu() const { return FCriarMenu; }
  void SetCriarMenu(bool valor) { FCriarMenu = valor; }
  // Names of the session's selection parameters the opened module applies,
  // separated by ";".
  const QString &VerificaSelecao() const { return FVerificaSelecao; }
  void SetVerificaSelecao(const QString &valor) { FVerificaSelecao = valor; }

  // Whether a user right governs the action at all.
  bool ControlaDireito() const { return FControlaDireito; }
  void SetControlaDireito(bool valor) { FControlaDireito = valor; }
  // Whether the right is the action's own (false: the master's, by HashAcaoMestre).
  bool DireitoProprio() const { return FDireitoProprio; }
  void SetDireitoProprio(bool valor) { FDireitoProprio = valor; }
  // TnHash32 of the master action's name; 0 when none.
  quint32 HashAcaoMestre() const { return FHashAcaoMestre; }
  void SetHashAcaoMestre(quint32 valor) { FHashAcaoMestre = valor; }

  // Runs OnExecute with this action as the sender; false when there is none.
  bool Execute();

 private:
  friend class TnActionList;

  TnActionList *FActionList = nullptr;
  QString FCategory;
  QString FCaption;
  QString FName;
  TnOnExecute FOnExecute;
  int FImageIndex = -1;
  QString FShortCutStr;
  QKeyCombination FShortCut;
  int FTag = 0;
  int FIndex = 0;
  bool FSeparador = false;
  bool FCriarHTTP = false;
  bool FCriarMenu = true;
  QString FVerificaSelecao;
  bool FControlaDireito = true;
  bool FDireitoProprio = true;
  quint32 FHashAcaoMestre = 0;
};

// The keys of a shortcut text: modifiers "Shift", "Ctrl", "Alt" joined to one
// key by "+", in any case and order ("Shift+Ctrl+F12", "Ctrl+Enter",
// "Ctrl+Ins", "Shift+Del", "Ctrl+Up"). Keys: F1..F24, letters, digits, Enter,
// Ins/Insert, Del/Delete, Up, Down, Left, Right, Home, End, PgUp, PgDn, Esc,
// Tab, Space, BkSp. Anything else (or an empty text) gives Key_unknown with no
// modifiers.
NFRAMEWORK_EXPORT QKeyCombination TextToShortCut(const QString &texto);
