#pragma once

#include <QList>
#include <QString>

#include "mVoxDPConsultaProtocoloBase_U.h"
#include "mvoxpk_export.h"
#include "nMenuDecl_U.h"

// "Consulta de Protocolos Baixados/Recebidos": the withdrawn protocols (their
// withdrawal recorded, DATAHORABAIXA set).
class MVOXPK_EXPORT TmVoxDPConsultaProtocoloBaixado : public TmVoxDPConsultaProtocoloBase {
 public:
  TmVoxDPConsultaProtocoloBaixado();
  ~TmVoxDPConsultaProtocoloBaixado() override;

  static QList<TnMenuDecl> Menus();
  QString GetCampoFiltro() const override;
};
