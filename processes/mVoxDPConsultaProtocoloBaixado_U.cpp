#include "mVoxDPConsultaProtocoloBaixado_U.h"

#include "nClasseInfo_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDPConsultaProtocoloBaixado::TmVoxDPConsultaProtocoloBaixado() {
  SetHintFormaEntrega(QStringLiteral("Informe o tipo do local a ser considerado no filtro"));
}

TmVoxDPConsultaProtocoloBaixado::~TmVoxDPConsultaProtocoloBaixado() = default;

QList<TnMenuDecl> TmVoxDPConsultaProtocoloBaixado::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("04 Consultas");
  menu.Caption = QStringLiteral("Consulta de Protocolos Baixados/Recebidos");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.Separador = true;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDPConsultaProtocoloBaixado::GetCampoFiltro() const {
  return QStringLiteral(" DATAHORABAIXA is not null ");
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaProtocoloBaixado>(
      QStringLiteral("TmVoxDPConsultaProtocoloBaixado"), QStringLiteral("TmVoxDPConsultaProtocoloBase"))};
});
void mVoxDPConsultaProtocoloBaixado_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaProtocoloBaixado_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
