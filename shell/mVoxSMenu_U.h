#pragma once

#include "nFrmMenuMorvane_U.h"

// The protocol module's main window: its caption, the period button's texts,
// the tax agenda filter and the module's three tool buttons.
class TmVoxSMenu : public TnFrmMenuMorvane {
 public:
  explicit TmVoxSMenu(QWidget *parent = nullptr);

  // Refuses the tax agenda library ("wSipPkPbAge", in any case) while the
  // configuration says not to open it (read anew on every call); any other
  // answer is the inherited one.
  bool PodeAbrirPacote(const QString &nome) override;
  void ConfigurarVisualMenu() override;
  // The inherited buttons, then Protocolo, Documentos and Agenda Tributária.
  void CriarBtnToolBar() override;
};
