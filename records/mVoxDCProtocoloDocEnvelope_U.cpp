#include "mVoxDCProtocoloDocEnvelope_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloDocEnvelope::TmVoxDCProtocoloDocEnvelope() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOCAIXA,t_t.CODIGOENVELOPE,t_t.DESCRENVELOPE from PROTOCOLODOCENVELOPE t_t "
                     "ORDER BY t_t.CodigoCaixa,t_t. CodigoEnvelope"));
  SetCaption(QStringLiteral("Envelopes de Documentos"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloDocEnvelope"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoCaixa,CodigoEnvelope");
}

QList<TnMenuDecl> TmVoxDCProtocoloDocEnvelope::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Documentos\\00 Consultas");
  menu.Caption = QStringLiteral("Envelopes de Documentos");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloDocEnvelope::ChavePrimaria() const { return QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"); }

void TmVoxDCProtocoloDocEnvelope::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("CODIGOCAIXA"))
      ->Definicao()
      .SetDicionario(QStringLiteral("CODIGOCAIXAPRO"));
  nClientDataSet->FieldByName(QStringLiteral("DESCRENVELOPE"))->SetDisplayLabel(QStringLiteral("Descrição"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloDocEnvelope>(QStringLiteral("TmVoxDCProtocoloDocEnvelope"),
                                                                      QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloDocEnvelope_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloDocEnvelope_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
