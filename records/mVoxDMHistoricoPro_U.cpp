#include "mVoxDMHistoricoPro_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMHistoricoPro::TmVoxDMHistoricoPro() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOHISTPRO,t_t.DESCRISAOHISTPRO,t_t.TEMCOMPLEMENTOHISTORICO from HISTORICOPRO t_t "
                     "ORDER BY t_t.CODIGOHISTPRO"));
  SetCaption(QStringLiteral("Históricos e Observações"));
  SetCadCons(QStringLiteral("mVoxDCHistoricoPro"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CODIGOHISTPRO");
}

QList<TnMenuDecl> TmVoxDMHistoricoPro::Menus() {
  TnMenuDecl menu;
  // The path has no number prefixes: the entry sits under the suite's own
  // "Cadastros" menu.
  menu.Category = QStringLiteral("Cadastros\\Documentos");
  menu.Caption = QStringLiteral("Históricos e Observações");
  menu.Index = 25;
  menu.Modulo = QStringLiteral("mVox");
  menu.Separador = true;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMHistoricoPro::ChavePrimaria() const { return QStringLiteral("CODIGOHISTPRO"); }

void TmVoxDMHistoricoPro::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGOHISTPRO"));
  codigo->SetRequired(true);
  codigo->SetDisplayLabel(QStringLiteral("Codigo Histórico"));
  codigo->Definicao().SetTamanhoMaximo(4);
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRISAOHISTPRO"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição Histórico"));

  // "1": the item description taken from this text is completed by hand.
  TnField *complemento = nClientDataSet->FieldByName(QStringLiteral("TEMCOMPLEMENTOHISTORICO"));
  complemento->SetRequired(true);
  complemento->SetDisplayLabel(QStringLiteral("Histórico Possui Complemento"));
  complemento->SetDefaultExpression(QStringLiteral("0"));
  complemento->Definicao().SetDicionario(QStringLiteral("DICSIMNAO"));
  complemento->Definicao().LigarTextos();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMHistoricoPro>(QStringLiteral("TmVoxDMHistoricoPro"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMHistoricoPro_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMHistoricoPro_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
