#include "mVoxDCProtocoloDocEmp_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"
#include "nFuncoesDados_U.h"

TmVoxDCProtocoloDocEmp::TmVoxDCProtocoloDocEmp() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t. CODIGOESTAB,t_t. CODIGODOCEMP,t_t. DESCRDOCEMP from "
                     "PROTOCOLODOCEMP t_t ORDER BY t_t.CodigoDocEmp"));
  SetCaption(QStringLiteral("Documentos da Empresa"));
  SetCadCons(QStringLiteral("mVoxDMProtocoloDocEmp"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoDocEmp");
  DefAdic.CaptionOrdem = QStringLiteral("Documento");
  DefAdic.Atributos = QStringLiteral("CODIGOEMPRESA, CODIGOESTAB, CODIGODOCEMP, DESCRDOCEMP");
}

QList<TnMenuDecl> TmVoxDCProtocoloDocEmp::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos\\00 Consultas");
  menu.Caption = QStringLiteral("Documentos da Empresa");
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDCProtocoloDocEmp::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDCProtocoloDocEmp::ChavePrimaria() const { return QStringLiteral("CODIGODOCEMP"); }

// The columns are defined as the document register defines them.
void TmVoxDCProtocoloDocEmp::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  nClientDataSet->SetnLogChanges(false);

  ConfigurarCamposEmpresaEstab(*nClientDataSet);

  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(Q_INT64_C(9999999999));
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGODOCEMP"));

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRDOCEMP"));
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe uma descrição para identificar o documento"));
  descricao->Definicao().SetTamanhoMaximo(50);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDCProtocoloDocEmp>(QStringLiteral("TmVoxDCProtocoloDocEmp"),
                                                                 QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDCProtocoloDocEmp_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDCProtocoloDocEmp_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
