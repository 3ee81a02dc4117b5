#include "mVoxSMenu_U.h"

#include <QAction>

#include "nConfig_U.h"

TmVoxSMenu::TmVoxSMenu(QWidget *parent) : TnFrmMenuMorvane(parent) {
  setObjectName(QStringLiteral("mVoxSMenu"));
  setWindowTitle(QStringLiteral("Protocolo - Morvane"));
  BtnPeriodo()->setText(QStringLiteral("Período"));
  BtnPeriodo()->setToolTip(QStringLiteral("Selecionar Período de Movimentos"));
  SetImagemPeriodo(91);
}

bool TmVoxSMenu::PodeAbrirPacote(const QString &nome) {
  if (nConfig()->NaoAbrirAgendaTributaria() && nome.compare(QStringLiteral("wSipPkPbAge"), Qt::CaseInsensitive) == 0)
    return false;
  return TnFrmMenuMorvane::PodeAbrirPacote(nome);
}

void TmVoxSMenu::ConfigurarVisualMenu() { TnFrmMenuMorvane::ConfigurarVisualMenu(); }

void TmVoxSMenu::CriarBtnToolBar() {
  TnFrmMenuMorvane::CriarBtnToolBar();
  CriarToolButtonMain(QStringLiteral("TmVoxDMProtocolo"), QStringLiteral("Cadastro de Protocolo"), false,
                      QStringLiteral("Protocolo"), 0);
  CriarToolButtonMain(QStringLiteral("TmVoxDMProtocoloDocEmp"), QStringLiteral("Cadastro de Documentos"), false,
                      QStringLiteral("Documentos"), 0);
  CriarToolButtonMain(QStringLiteral("TtBixDPDorvAgenda"), QStringLiteral("Agenda Tributária"), true,
                      QStringLiteral("Agenda Tributária"), 0);
}
