#include "mVoxDCProtocoloGrupoDoc_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDCProtocoloGrupoDoc::TmVoxDCProtocoloGrupoDoc() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOGRUPODOC,t_t.DESCRGRUPODOC from PROTOCOLOGRUPODOC t_t ORDER BY t_t.CodigoGrupoDoc"));
  SetCaption(QStringLiteral("Grupos de Tipos de Documentos"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloGrupoDoc"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoGrupoDoc");
  DefAdic.CaptionOrdem = QStringLiteral("Código Grupo");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Descrição Grupo"), QStringLiteral("DESCRGRUPODOC")}};
  DefAdic.Atributos = QStringLiteral("*");
  DefAdic.Pacote = QStringLiteral("PbCfg");
}

QList<TnMenuDecl> TmVoxDCProtocoloGrupoDoc::Menus() {
  TnMenuDecl proprio;
  proprio.Category = QStringLiteral("01 Cadastros\\04 Documentos\\00 Consultas");
  proprio.Caption = QStringLiteral("Grupos de Tipos de Documentos");
  proprio.Modulo = QStringLiteral("mVox");
  proprio.CriarMenu = false;

  TnMenuDecl suite;
  suite.Category = QStringLiteral("10 Configurações\\00 Consultas");
  suite.Caption = QStringLiteral("Grupos de Tipos de Documentos");
  suite.Modulo = QStringLiteral("rTul");
  suite.Index = 25;
  suite.CriarMenu = false;
  return {proprio, suite};
}

QString TmVoxDCProtocoloGrupoDoc::ChavePrimaria() const { return QStringLiteral("CODIGOGRUPODOC"); }

void TmVoxDCProtocoloGrupoDoc::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);

  // The code takes its label from the dictionary, but this grid is the
  // group lookup itself: the dictionary's lookup editor and link must not
  // replace the column's own editor and range.
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGOGRUPODOC"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(9999);
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGOGRUPODOC"));
  codigo->Definicao().SetAutoIncrementar(true);
  codigo->Definicao().SetTamanhoMaximo(4);
  for (const char *propriedade : {"AutoIncrementar", "ConstraintErrorMessage", "LinkKeyFields", "LookupClassName",
                                  "TipoControle", "MinValue", "MaxValue"})
    codigo->Definicao().AdicionarPropriedadePropria(QString::fromLatin1(propriedade));

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRGRUPODOC"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição do grupo do tipo de documento"));
  descricao->Definicao().SetTamanhoMaximo(50);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloGrupoDoc>(QStringLiteral("TmVoxDCProtocoloGrupoDoc"),
                                                                   QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloGrupoDoc_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloGrupoDoc_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
