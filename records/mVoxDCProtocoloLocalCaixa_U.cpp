#include "mVoxDCProtocoloLocalCaixa_U.h"

#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloLocalCaixa::TmVoxDCProtocoloLocalCaixa() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOLOCAL,t_t.DESCRLOCAL from PROTOCOLOLOCALCAIXA t_t ORDER BY t_t.CodigoLocal"));
  SetCaption(QStringLiteral("Protocolo Local Caixa"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloLocalCaixa"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoLocal");
}

QList<TnMenuDecl> TmVoxDCProtocoloLocalCaixa::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("03 Consultas");
  menu.Caption = QStringLiteral("Protocolo Local Caixa");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloLocalCaixa::ChavePrimaria() const { return QStringLiteral("CODIGOLOCAL"); }

void TmVoxDCProtocoloLocalCaixa::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("CODIGOLOCAL"))->SetDisplayLabel(QStringLiteral("Codigo"));
  nClientDataSet->FieldByName(QStringLiteral("DESCRLOCAL"))->SetDisplayLabel(QStringLiteral("Descrição"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloLocalCaixa>(QStringLiteral("TmVoxDCProtocoloLocalCaixa"),
                                                                      QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloLocalCaixa_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloLocalCaixa_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
