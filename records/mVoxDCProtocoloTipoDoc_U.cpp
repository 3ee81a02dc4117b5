#include "mVoxDCProtocoloTipoDoc_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloTipoDoc::TmVoxDCProtocoloTipoDoc() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOTIPODOC,t_t. DESCRTIPODOC from PROTOCOLOTIPODOC t_t ORDER BY t_t.CodigoTipoDoc"));
  SetCaption(QStringLiteral("Tipos de Documentos"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloTipoDoc"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoTipoDoc");
  DefAdic.CaptionOrdem = QStringLiteral("Código Tipo");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Descrição Tipo"), QStringLiteral("DESCRTIPODOC")}};
}

QList<TnMenuDecl> TmVoxDCProtocoloTipoDoc::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\04 Documentos\\00 Consultas");
  menu.Caption = QStringLiteral("Tipos de Documentos");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloTipoDoc::ChavePrimaria() const { return QStringLiteral("CODIGOTIPODOC"); }

void TmVoxDCProtocoloTipoDoc::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("CODIGOTIPODOC"))
      ->Definicao()
      .SetDicionario(QStringLiteral("CODIGOTIPODOC"));
  nClientDataSet->FieldByName(QStringLiteral("DESCRTIPODOC"))->SetDisplayLabel(QStringLiteral("Descrição"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloTipoDoc>(QStringLiteral("TmVoxDCProtocoloTipoDoc"),
                                                                  QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloTipoDoc_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloTipoDoc_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
