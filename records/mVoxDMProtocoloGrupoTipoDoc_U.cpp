#include "mVoxDMProtocoloGrupoTipoDoc_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloGrupoTipoDoc::TmVoxDMProtocoloGrupoTipoDoc() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOGRUPODOC,t_t.CODIGOTIPODOC from PROTOCOLOGRUPOTIPODOC t_t ORDER BY "
                     "t_t.CodigoGrupoDoc,t_t.CodigoTipoDoc"));
  SetCaption(QStringLiteral("Tipos de Documentos em Grupos"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloGrupoTipoDoc"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoGrupoDoc,CodigoTipoDoc");
}

QList<TnMenuDecl> TmVoxDMProtocoloGrupoTipoDoc::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Documentos");
  menu.Caption = QStringLiteral("Tipos de Documentos em Grupos");
  menu.Index = 3;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloGrupoTipoDoc::ChavePrimaria() const { return QStringLiteral("CODIGOGRUPODOC;CODIGOTIPODOC"); }

void TmVoxDMProtocoloGrupoTipoDoc::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  for (const QString &nome : {QStringLiteral("CODIGOGRUPODOC"), QStringLiteral("CODIGOTIPODOC")}) {
    TnField *campo = nClientDataSet->FieldByName(nome);
    campo->SetRequired(true);
    campo->Definicao().SetDicionario(nome);
    campo->Definicao().SetLinkKeyFields(nome);
    campo->Definicao().SetTamanhoMaximo(4);
  }
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloGrupoTipoDoc>(QStringLiteral("TmVoxDMProtocoloGrupoTipoDoc"),
                                                                       QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloGrupoTipoDoc_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloGrupoTipoDoc_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
