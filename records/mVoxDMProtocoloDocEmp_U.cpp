#include "mVoxDMProtocoloDocEmp_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"
#include "nFuncoesDados_U.h"

TmVoxDMProtocoloDocEmp::TmVoxDMProtocoloDocEmp() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGODOCEMP,t_t.CODIGOTIPODOC,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,"
                     "t_t.DESCRDOCEMP,t_t.ARQUIVADO from PROTOCOLODOCEMP t_t ORDER BY t_t.CodigoDocEmp"));
  SetCaption(QStringLiteral("Documentos da Empresa"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloDocEmp"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoDocEmp");
  DefAdic.Atributos = QStringLiteral("*");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocEmp::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos");
  menu.Caption = QStringLiteral("Documentos da Empresa");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 1;
  menu.ImageIndex = 53;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMProtocoloDocEmp::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocoloDocEmp::ChavePrimaria() const { return QStringLiteral("CODIGODOCEMP"); }

void TmVoxDMProtocoloDocEmp::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(Q_INT64_C(9999999999));
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGODOCEMP"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *tipo = nClientDataSet->FieldByName(QStringLiteral("CODIGOTIPODOC"));
  tipo->SetRequired(true);
  tipo->Definicao().SetTamanhoMaximo(4);
  tipo->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOTIPODOC"));

  ConfigurarCamposEmpresaEstab(*nClientDataSet);

  TnField *lancamento = nClientDataSet->FieldByName(QStringLiteral("DATALCTOPRO"));
  lancamento->SetRequired(true);
  lancamento->SetDisplayLabel(QStringLiteral("Data Lançamento"));
  lancamento->Definicao().SetTipoControle(TnTipoControle::Data);
  lancamento->Definicao().SetHint(QStringLiteral("Informe a data de lançamento do documento"));

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRDOCEMP"));
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe uma descrição para identificar o documento"));
  descricao->Definicao().SetTamanhoMaximo(50);

  // Only the archiving sets a document filed; a new one starts not filed.
  TnField *arquivado = nClientDataSet->FieldByName(QStringLiteral("ARQUIVADO"));
  arquivado->SetRequired(true);
  arquivado->SetVisible(false);
  arquivado->SetDefaultExpression(QStringLiteral("0"));
}

void TmVoxDMProtocoloDocEmp::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(*this, QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP"),
                      {QStringLiteral("CODIGOTIPODOC"), QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB"),
                       QStringLiteral("DATALCTOPRO")},
                      QStringLiteral("Este tipo de documento já foi cadastrado nesta data de lançamento."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocEmp>(QStringLiteral("TmVoxDMProtocoloDocEmp"),
                                                                 QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocEmp_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocEmp_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
