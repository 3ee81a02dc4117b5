#pragma once

#include <QList>
#include <QString>

#include "mVoxDPConsultaProtocoloBase_U.h"
#include "mvoxpk_export.h"
#include "nMenuDecl_U.h"

// "Consulta de Protocolos Entregues/Retirados": the protocols whose delivery
// was recorded (DATAHORAENTREGA set).
class MVOXPK_EXPORT TmVoxDPConsultaProtocoloEntregue : public TmVoxDPConsultaProtocoloBase {
 public:
  TmVoxDPConsultaProtocoloEntregue();
  ~TmVoxDPConsultaProtocoloEntregue() override;

  static QList<TnMenuDecl> Menus();
  QString GetCampoFiltro() const override;
};
