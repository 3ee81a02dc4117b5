#include "mVoxDMProtocoloGrupoDoc_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nFrmCadScrollBox_U.h"
#include "nRegistro_U.h"
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

void TmVoxDMProtocoloGrupoDoc::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  if (auto *cadastro = dynamic_cast<TnFrmCadScrollBox *>(form)) {
    for (TnPainel *controle : cadastro->ControlesTopo()) controle->SetAlign(TnAlinhamento::alTop);
    if (TnEditorCampo *descricao = cadastro->Editor(QStringLiteral("DESCRGRUPODOC")))
      cadastro->AreaCampos()->SetHeight(descricao->Bottom() + 100);
  }
  SetAtualizarAoExibir(false);

  const QString classeMembros = QStringLiteral("TmVoxDMProtocoloGrupoTipoDoc");
  // A form built again keeps the members module it was given the first time.
  TnDMClientDataSet *membros = nullptr;
  for (TnDMClientDataSet *detalhe : Detalhes())
    if (detalhe->ClassName().compare(classeMembros, Qt::CaseInsensitive) == 0) membros = detalhe;
  if (!membros) {
    TnDataModule *criado = CriarDM(classeMembros, nullptr, QString());
    membros = dynamic_cast<TnDMClientDataSet *>(criado);
    if (!membros) {
      if (criado) nLiberarDM(criado);
      return;
    }
  }
  membros->SetTipoForm(1);
  membros->nClientDataSet->FieldByName(QStringLiteral("CODIGOGRUPODOC"))->SetVisible(false);
  CriarDetalhe(classeMembros, QStringLiteral("CODIGOGRUPODOC"), form, membros, QString(), nullptr, false);
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
