#include "mVoxDMProtocoloDocMovimento_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloDocMovimento::TmVoxDMProtocoloDocMovimento() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGODOCEMP,t_t.SEQDOCEMP,t_t.OBSERVACAO,t_t.TIPOLOCAL,t_t.CODIGODPTOESCRIT,"
                     "t_t.CODIGOUSUARIORESP,t_t.CODIGOPROTOCOLO,t_t.DATALCTOPRO,t_t.DATAHORA,t_t.CODIGOUSUARIO,"
                     "t_t.ORIGEMDADO from PROTOCOLODOCMOVIMENTO t_t ORDER BY t_t.CodigoDocEmp,t_t.SeqDocEmp"));
  SetCaption(QStringLiteral("Documento - Movimentação"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoDocEmp,SeqDocEmp");
  DefAdic.Atributos = QStringLiteral("*");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocMovimento::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos");
  menu.Caption = QStringLiteral("Documento - Movimentação");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 2;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloDocMovimento::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocoloDocMovimento::ChavePrimaria() const { return QStringLiteral("CODIGODOCEMP;SEQDOCEMP"); }

void TmVoxDMProtocoloDocMovimento::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  // Filled from the document the grid shows the movements of.
  TnField *documento = nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"));
  documento->SetRequired(true);
  documento->SetVisible(false);
  documento->Definicao().SetLinkKeyFields(QStringLiteral("CODIGODOCEMP"));

  TnField *sequencia = nClientDataSet->FieldByName(QStringLiteral("SEQDOCEMP"));
  sequencia->SetRequired(true);
  sequencia->SetMinValue(1);
  sequencia->SetMaxValue(9999);
  sequencia->Definicao().SetDicionario(QStringLiteral("SEQDOCEMP"));
  sequencia->Definicao().SetAutoIncrementar(true);

  TnField *observacao = nClientDataSet->FieldByName(QStringLiteral("OBSERVACAO"));
  observacao->SetDisplayLabel(QStringLiteral("Observação"));
  observacao->Definicao().SetHint(QStringLiteral("Informe uma observação para o movimento do documento"));
  observacao->Definicao().SetTamanhoMaximo(50);

  // The grid shows and takes the captions; the column keeps "1" or "2".
  TnField *tipoLocal = nClientDataSet->FieldByName(QStringLiteral("TIPOLOCAL"));
  tipoLocal->SetRequired(true);
  tipoLocal->SetDisplayLabel(QStringLiteral("Tipo Local"));
  tipoLocal->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  tipoLocal->Definicao().SetNomesValores({QStringLiteral("Interno=1"), QStringLiteral("Externo=2")});
  tipoLocal->Definicao().SetHint(
      QStringLiteral("Selecione caso o tipo do local da movimentação seja interno ou externo"));
  tipoLocal->Definicao().LigarTextos();

  TnField *departamento = nClientDataSet->FieldByName(QStringLiteral("CODIGODPTOESCRIT"));
  departamento->Definicao().SetTamanhoMaximo(4);
  departamento->Definicao().SetDicionario(QStringLiteral("CODIGODPTOESCRIT"));

  TnField *responsavel = nClientDataSet->FieldByName(QStringLiteral("CODIGOUSUARIORESP"));
  responsavel->SetDisplayLabel(QStringLiteral("Responsável"));
  responsavel->Definicao().SetHint(QStringLiteral("Informe o código do responsável pela movimentação do documento"));
  responsavel->Definicao().SetTamanhoMaximo(4);
  responsavel->Definicao().SetDicionario(QStringLiteral("CODIGOUSUARIO"));
  responsavel->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOUSUARIORESP"));

  nClientDataSet->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))
      ->Definicao()
      .SetLinkKeyFields(QStringLiteral("CODIGOPROTOCOLO"));

  TnField *lancamento = nClientDataSet->FieldByName(QStringLiteral("DATALCTOPRO"));
  lancamento->SetRequired(true);
  lancamento->SetVisible(false);
  lancamento->SetDisplayLabel(QStringLiteral("Data Lançamento"));
  lancamento->Definicao().SetHint(QStringLiteral("Data de lançamento usada para filtro do período (F8)"));

  // The audit columns: stamped on each save, never typed.
  TnField *dataHora = nClientDataSet->FieldByName(QStringLiteral("DATAHORA"));
  dataHora->SetRequired(true);
  dataHora->SetVisible(false);
  dataHora->SetDisplayLabel(QStringLiteral("Data/Hora"));
  dataHora->Definicao().SetHint(QStringLiteral("Data e hora de cadastro"));

  TnField *usuario = nClientDataSet->FieldByName(QStringLiteral("CODIGOUSUARIO"));
  usuario->SetRequired(true);
  usuario->SetVisible(false);
  usuario->Definicao().SetTamanhoMaximo(4);

  TnField *origem = nClientDataSet->FieldByName(QStringLiteral("ORIGEMDADO"));
  origem->SetRequired(true);
  origem->SetVisible(false);
  origem->Definicao().SetTamanhoMaximo(4);
}

void TmVoxDMProtocoloDocMovimento::ValidarDado() {
  mVoxAuditarRegistro(*this, QStringLiteral("DATAHORA"));
  TnDMClientDataSet::ValidarDado();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocMovimento>(QStringLiteral("TmVoxDMProtocoloDocMovimento"),
                                                                       QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocMovimento_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocMovimento_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
