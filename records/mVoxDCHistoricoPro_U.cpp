#include "mVoxDCHistoricoPro_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCHistoricoPro::TmVoxDCHistoricoPro() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOHISTPRO,t_t.DESCRISAOHISTPRO,t_t.TEMCOMPLEMENTOHISTORICO from HISTORICOPRO t_t "
                     "ORDER BY t_t.CodigoHistPro"));
  SetCaption(QStringLiteral("Históricos e Observações"));
  SetCadCons(QStringLiteral("mVoxDMHistoricoPro"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoHistPro");
  DefAdic.CaptionOrdem = QStringLiteral("Histórico");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Descrição"), QStringLiteral("DESCRISAOHISTPRO")}};
}

QList<TnMenuDecl> TmVoxDCHistoricoPro::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\00 Consultas");
  menu.Caption = QStringLiteral("Históricos e Observações");
  menu.Index = 25;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCHistoricoPro::ChavePrimaria() const { return QStringLiteral("CODIGOHISTPRO"); }

void TmVoxDCHistoricoPro::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  nClientDataSet->FieldByName(QStringLiteral("CODIGOHISTPRO"))->SetDisplayLabel(QStringLiteral("Codigo Histórico"));
  nClientDataSet->FieldByName(QStringLiteral("DESCRISAOHISTPRO"))
      ->SetDisplayLabel(QStringLiteral("Descrição Histórico"));
  TnField *complemento = nClientDataSet->FieldByName(QStringLiteral("TEMCOMPLEMENTOHISTORICO"));
  complemento->SetDisplayLabel(QStringLiteral("Histórico Possui Complemento"));
  complemento->Definicao().SetDicionario(QStringLiteral("DICSIMNAO"));
  complemento->Definicao().LigarTextos();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDCHistoricoPro>(QStringLiteral("TmVoxDCHistoricoPro"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCHistoricoPro_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCHistoricoPro_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
