#include "mVoxDCProtocolo_U.h"

#include "nUnidadeRegistro_U.h"

TmVoxDCProtocolo::TmVoxDCProtocolo() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t. CODIGOESTAB,t_t. CODIGOPROTOCOLO,t_t. OBSERVACAO from PROTOCOLO t_t "
                     "ORDER BY t_t.CodigoProtocolo"));
  SetCaption(QStringLiteral("Protocolo"));
  SetCadCons(QStringLiteral("mVoxDMProtocolo"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoProtocolo");
  DefAdic.CaptionOrdem = QStringLiteral("Protocolo");
}

QList<TnMenuDecl> TmVoxDCProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("03 Consultas");
  menu.Caption = QStringLiteral("Protocolo");
  menu.Modulo = QStringLiteral("mVox");
  menu.ImageIndex = 115;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocolo::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDCProtocolo::ChavePrimaria() const { return QStringLiteral("CODIGOPROTOCOLO"); }

void TmVoxDCProtocolo::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("OBSERVACAO"))->SetDisplayLabel(QStringLiteral("Observação"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDCProtocolo>(QStringLiteral("TmVoxDCProtocolo"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
