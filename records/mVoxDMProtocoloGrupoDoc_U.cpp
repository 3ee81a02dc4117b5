#include "mVoxDMProtocoloGrupoDoc_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloGrupoDoc::TmVoxDMProtocoloGrupoDoc() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOGRUPODOC,t_t.DESCRGRUPODOC from PROTOCOLOGRUPODOC t_t ORDER BY t_t.CodigoGrupoDoc"));
  SetCaption(QStringLiteral("Grupos de Tipos de Documentos"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloGrupoDoc"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoGrupoDoc");
}

QList<TnMenuDecl> TmVoxDMProtocoloGrupoDoc::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\04 Documentos");
  menu.Caption = QStringLiteral("Grupos de Tipos de Documentos");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMProtocoloGrupoDoc::ChavePrimaria() const { return QStringLiteral("CODIGOGRUPODOC"); }

void TmVoxDMProtocoloGrupoDoc::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGOGRUPODOC"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(9999);
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGOGRUPODOC"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRGRUPODOC"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição do grupo do tipo de documento"));
  descricao->Definicao().SetTamanhoMaximo(50);
}

void TmVoxDMProtocoloGrupoDoc::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(
      *this, QStringLiteral("PROTOCOLOGRUPODOC"), QStringLiteral("CODIGOGRUPODOC"), {QStringLiteral("DESCRGRUPODOC")},
      QStringLiteral("Já existe cadastrado um grupo com a mesma descrição."), QStringLiteral("CODIGOGRUPODOC"));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloGrupoDoc>(QStringLiteral("TmVoxDMProtocoloGrupoDoc"),
                                                                   QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloGrupoDoc_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloGrupoDoc_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
