#include "mVoxDCCfgEstabPro_U.h"

#include "mVoxDMCfgEstabPro_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCCfgEstabPro::TmVoxDCCfgEstabPro() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t. CODIGOESTAB,t_t. CODIGOGRUPODOC from CFGESTABPRO t_t "
                     "ORDER BY t_t.CodigoEmpresa,t_t.CodigoEstab"));
  SetCaption(QStringLiteral("Configurações da Filial"));
  SetCadCons(QStringLiteral("mVoxDMCfgEstabPro"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa,CodigoEstab");
  DefAdic.CaptionOrdem = QStringLiteral("Filial");
  DefAdic.Atributos = QStringLiteral("CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC");
  DefAdic.Pacote = QStringLiteral("PbCfg");
}

QList<TnMenuDecl> TmVoxDCCfgEstabPro::Menus() {
  TnMenuDecl proprio;
  proprio.Category = QStringLiteral("5 Configurações\\00 Consultas");
  proprio.Caption = QStringLiteral("Configuração da Filial");
  proprio.Modulo = QStringLiteral("mVox");
  proprio.Index = 1;
  proprio.ImageIndex = 101;
  proprio.CriarMenu = false;

  TnMenuDecl suite;
  suite.Category = QStringLiteral("10 Configurações\\00 Consultas");
  suite.Caption = QStringLiteral("Protocolo");
  suite.Modulo = QStringLiteral("rTul");
  suite.Index = 25;
  suite.ImageIndex = 101;
  suite.CriarMenu = false;
  return {proprio, suite};
}

QString TmVoxDCCfgEstabPro::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"); }

void TmVoxDCCfgEstabPro::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  TmVoxDMCfgEstabPro::DefinirColunasFilial(*nClientDataSet);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDCCfgEstabPro>(QStringLiteral("TmVoxDCCfgEstabPro"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCCfgEstabPro_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCCfgEstabPro_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
