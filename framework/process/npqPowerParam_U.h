#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

#include "nframework_export.h"
#include "npqParamItem_U.h"

class TnFraCtrlParam;

// A process's parameter panel: its caption and its parameters in panel order
// (by their declared positions; equal positions keep the order they were
// added in). Parameter names match in any case.
class NFRAMEWORK_EXPORT TnpqPowerParam {
 public:
  using TnEventoParam = std::function<void(TnpqPowerParam &sender, TnpqParamItem &param)>;

  TnpqPowerParam();
  ~TnpqPowerParam();
  TnpqPowerParam(const TnpqPowerParam &) = delete;
  TnpqPowerParam &operator=(const TnpqPowerParam &) = delete;

  // The panel's caption ("Gerar Protocolo").
  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }

  // Adds a parameter. Raises Exception for an empty alias or one the panel
  // already has: two parameters of one name would shadow each other.
  TnpqParamItem &Adicionar(const TnDefParam &definicao);

  int GetCount() const { return static_cast<int>(FItens.size()); }
  // In panel order; raises Exception outside 0..GetCount()-1.
  TnpqParamItem *GetParams(int indice) const;
  QList<TnpqParamItem *> Params() const;
  // The parameter of that name; raises Exception naming it when there is
  // none (a misspelt name in a process is a fault to see at once).
  TnpqParamItem *Param(const QString &nome) const;
  // Null when there is none.
  TnpqParamItem *FindParam(const QString &nome) const;

  // Editor state by name (each raises like Param for an unknown name).
  void EdEnabledField(const QString &nome, bool habilitar);
  void EdRequiredField(const QString &nome, bool obrigatorio);
  bool EdFieldEnabled(const QString &nome) const;
  // The parameter's editor; null when there is no such parameter.
  TnFraCtrlParam *EdFindFieldControl(const QString &nome) const;

  // Fired after a parameter's value changed (from code or an editor). A
  // handler that changes the same parameter again does not fire it anew.
  TnEventoParam OnParamChange;
  // Fired when the user leaves a parameter's editor.
  TnEventoParam OnParamExit;

  // The values to keep between runs: alias -> value as kept, output numbers
  // left out (they are the process's answer, not the user's choice).
  QVariantMap Valores() const;
  // Sets the named parameters (any case) from kept values; names the panel
  // does not have, output numbers and values that no longer convert are
  // skipped. Each change fires OnParamChange.
  void SetValores(const QVariantMap &valores);

  // Called by the items and their editors.
  void ParamMudou(TnpqParamItem &item);
  void ParamSaiu(TnpqParamItem &item);

 private:
  QString FCaption;
  std::vector<std::unique_ptr<TnpqParamItem>> FItens;
  std::vector<TnpqParamItem *> FEmOnChange;  // items whose OnParamChange is running
};
