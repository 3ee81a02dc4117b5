#include "mVoxDCEstabEntrega_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCEstabEntrega::TmVoxDCEstabEntrega() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t. CODIGOESTAB,t_t. ENDERECOENTREGA,t_t. SIGLAESTADO,t_t. CODIGOMUNIC "
                     "from ESTABENTREGA t_t ORDER BY t_t.CodigoEmpresa,t_t.CodigoEstab"));
  SetCaption(QStringLiteral("Endereço para Entrega"));
  SetCadCons(QStringLiteral("mVoxDMEstabEntrega"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa,CodigoEstab");
  DefAdic.CaptionOrdem = QStringLiteral("Endereço para Entrega");
  DefAdic.Atributos = QStringLiteral("CODIGOEMPRESA, CODIGOESTAB, ENDERECOENTREGA, SIGLAESTADO, CODIGOMUNIC");
  DefAdic.Pacote = QStringLiteral("PbCfg");
}

QList<TnMenuDecl> TmVoxDCEstabEntrega::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes\\00 Consultas");
  menu.Caption = QStringLiteral("Endereço para Entrega");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 1;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCEstabEntrega::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"); }

void TmVoxDCEstabEntrega::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  // The street is labelled as the establishment's own.
  nClientDataSet->FieldByName(QStringLiteral("ENDERECOENTREGA"))
      ->Definicao()
      .SetDicionario(QStringLiteral("ENDERESTAB"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDCEstabEntrega>(QStringLiteral("TmVoxDCEstabEntrega"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCEstabEntrega_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCEstabEntrega_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
