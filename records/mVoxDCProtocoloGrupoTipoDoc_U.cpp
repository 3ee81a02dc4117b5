#include "mVoxDCProtocoloGrupoTipoDoc_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloGrupoTipoDoc::TmVoxDCProtocoloGrupoTipoDoc() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOGRUPODOC,t_t.CODIGOTIPODOC from PROTOCOLOGRUPOTIPODOC t_t ORDER BY "
                     "t_t.CodigoGrupoDoc,t_t.CodigoTipoDoc"));
  SetCaption(QStringLiteral("Tipos de Documentos em Grupos"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloGrupoTipoDoc"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoGrupoDoc,CodigoTipoDoc");
  DefAdic.CaptionOrdem = QStringLiteral("Grupo de Tipo de Documento");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Código Grupo"), QStringLiteral("CODIGOGRUPODOC")},
                              {QStringLiteral("Código Tipo"), QStringLiteral("CODIGOTIPODOC")}};
}

QList<TnMenuDecl> TmVoxDCProtocoloGrupoTipoDoc::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Documentos\\00 Consultas");
  menu.Caption = QStringLiteral("Tipos de Documentos em Grupos");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloGrupoTipoDoc::ChavePrimaria() const { return QStringLiteral("CODIGOGRUPODOC;CODIGOTIPODOC"); }

void TmVoxDCProtocoloGrupoTipoDoc::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);
  for (const QString &nome : {QStringLiteral("CODIGOGRUPODOC"), QStringLiteral("CODIGOTIPODOC")})
    nClientDataSet->FieldByName(nome)->Definicao().SetDicionario(nome);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloGrupoTipoDoc>(QStringLiteral("TmVoxDCProtocoloGrupoTipoDoc"),
                                                                       QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloGrupoTipoDoc_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloGrupoTipoDoc_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
