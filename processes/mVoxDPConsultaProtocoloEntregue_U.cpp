#include "mVoxDPConsultaProtocoloEntregue_U.h"

#include "nClasseInfo_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDPConsultaProtocoloEntregue::TmVoxDPConsultaProtocoloEntregue() {
  SetHintFormaEntrega(QStringLiteral("Informe o tipo da forma de entrega a ser considerado no filtro"));
}

TmVoxDPConsultaProtocoloEntregue::~TmVoxDPConsultaProtocoloEntregue() = default;

QList<TnMenuDecl> TmVoxDPConsultaProtocoloEntregue::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("04 Consultas");
  menu.Caption = QStringLiteral("Consulta de Protocolos Entregues/Retirados");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDPConsultaProtocoloEntregue::GetCampoFiltro() const {
  return QStringLiteral(" DATAHORAENTREGA is not null ");
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaProtocoloEntregue>(
      QStringLiteral("TmVoxDPConsultaProtocoloEntregue"), QStringLiteral("TmVoxDPConsultaProtocoloBase"))};
});
void mVoxDPConsultaProtocoloEntregue_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaProtocoloEntregue_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
