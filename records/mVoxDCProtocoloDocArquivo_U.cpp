#include "mVoxDCProtocoloDocArquivo_U.h"

#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloDocArquivo::TmVoxDCProtocoloDocArquivo() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOCAIXA,t_t.CODIGOENVELOPE,t_t.CODIGODOCEMP from PROTOCOLODOCARQUIVO t_t ORDER "
                     "BY t_t.CodigoCaixa,t_t.CodigoEnvelope,t_t.CodigoDocEmp"));
  SetCaption(QStringLiteral("Arquivo de Documentos"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloDocArquivo"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoCaixa,CodigoEnvelope,CodigoDocEmp");
  DefAdic.CaptionOrdem = QStringLiteral("Caixa");
}

QList<TnMenuDecl> TmVoxDCProtocoloDocArquivo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Documentos\\00 Consultas");
  menu.Caption = QStringLiteral("Arquivo de Documentos");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloDocArquivo::ChavePrimaria() const {
  return QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP");
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloDocArquivo>(QStringLiteral("TmVoxDCProtocoloDocArquivo"),
                                                                     QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloDocArquivo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloDocArquivo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
