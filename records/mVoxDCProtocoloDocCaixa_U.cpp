#include "mVoxDCProtocoloDocCaixa_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloDocCaixa::TmVoxDCProtocoloDocCaixa() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOCAIXA,t_t. CODIGOEMPRESA,t_t. CODIGOESTAB,t_t. CODIGOLOCAL from "
                     "PROTOCOLODOCCAIXA t_t ORDER BY t_t.CodigoCaixa"));
  SetCaption(QStringLiteral("Caixas de Documentos"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloDocCaixa"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoCaixa");
  DefAdic.CaptionOrdem = QStringLiteral("Caixa");
  DefAdic.Atributos = QStringLiteral("CODIGOCAIXA, CODIGOEMPRESA, CODIGOESTAB, CODIGOLOCAL");
}

QList<TnMenuDecl> TmVoxDCProtocoloDocCaixa::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Documentos\\00 Consultas");
  menu.Caption = QStringLiteral("Caixas de Documentos");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloDocCaixa::ChavePrimaria() const { return QStringLiteral("CODIGOCAIXA"); }

void TmVoxDCProtocoloDocCaixa::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("CODIGOCAIXA"))
      ->Definicao()
      .SetDicionario(QStringLiteral("CODIGOCAIXAPRO"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloDocCaixa>(QStringLiteral("TmVoxDCProtocoloDocCaixa"),
                                                                   QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloDocCaixa_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloDocCaixa_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
