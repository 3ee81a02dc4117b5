#include "mVoxDMProtocolo_U.h"

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocolo::TmVoxDMProtocolo() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOPROTOCOLO,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,t_t.TIPOPRO,t_t.OBSERVACAO,"
      "t_t.DATAHORACADASTRO,t_t.CODIGOUSUARIO,t_t.FORMAENTREGA,t_t.NATUREZAPRO,t_t.DATAHORAENTREGA,"
      "t_t.CODIGOUSUARIOINT,t_t.USUARIOEXT,t_t.DATAHORABAIXA,t_t.CANCELADO,t_t.ORIGEMDADO from PROTOCOLO t_t "
      "ORDER BY t_t.CodigoProtocolo"));
  SetCaption(QStringLiteral("Protocolo"));
  SetCadCons(QStringLiteral("mVoxDCProtocolo"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  SetRelatorios({QStringLiteral("mVoxRRProtocolo"), QStringLiteral("mVoxRRProtocoloEmpresa")});
  DefAdic.Ordem = QStringLiteral("CodigoProtocolo");
}

QList<TnMenuDecl> TmVoxDMProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\01 Protocolos");
  menu.Caption = QStringLiteral("Protocolo");
  menu.Modulo = QStringLiteral("mVox");
  menu.ImageIndex = 115;
  return {menu};
}

QString TmVoxDMProtocolo::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocolo::ChavePrimaria() const { return QStringLiteral("CODIGOPROTOCOLO"); }

void TmVoxDMProtocolo::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  auto campo = [this](const char *nome) { return nClientDataSet->FieldByName(QLatin1String(nome)); };

  TnField *codigo = campo("CODIGOPROTOCOLO");
  codigo->SetRequired(true);
  codigo->SetMinValue(qint64{1});
  codigo->SetMaxValue(qint64{9999999999});
  codigo->SetConstraintErrorMessage(QStringLiteral("Código de protocolo inválido!"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *empresa = campo("CODIGOEMPRESA");
  empresa->SetRequired(true);
  empresa->Definicao().SetTamanhoMaximo(4);

  TnField *estab = campo("CODIGOESTAB");
  estab->SetRequired(true);
  estab->Definicao().SetTamanhoMaximo(4);
  estab->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));

  TnField *data = campo("DATALCTOPRO");
  data->SetRequired(true);
  data->SetDisplayLabel(QStringLiteral("Data Protocolo"));

  TnField *observacao = campo("OBSERVACAO");
  observacao->SetDisplayLabel(QStringLiteral("Observação"));
  observacao->Definicao().SetHint(QStringLiteral("Informe uma observação para ajudar identificar o protocolo"));

  TnField *forma = campo("FORMAENTREGA");
  forma->SetDisplayLabel(QStringLiteral("Forma de Entrega"));
  forma->Definicao().SetHint(QStringLiteral("Informe qual será a forma de entrega dos documentos"));
  forma->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  forma->Definicao().SetNomesValores(
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"), QStringLiteral("Entregue via Internet=3")});
  forma->Definicao().LigarTextos();

  TnField *natureza = campo("NATUREZAPRO");
  natureza->SetRequired(true);
  natureza->SetDefaultExpression(QStringLiteral("1"));
  natureza->SetDisplayLabel(QStringLiteral("Natureza"));
  natureza->Definicao().SetHint(QStringLiteral("Informe se o protocolo é de Entrada ou Saída"));
  natureza->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  natureza->Definicao().SetNomesValores({QStringLiteral("Saída=1"), QStringLiteral("Entrada=2")});
  natureza->Definicao().LigarTextos();

  // Written by the module, the withdrawal and the audit, never typed.
  for (const char *nome : {"TIPOPRO", "DATAHORACADASTRO", "CODIGOUSUARIO", "CANCELADO", "ORIGEMDADO"}) {
    campo(nome)->SetRequired(true);
    campo(nome)->SetVisible(false);
  }
  for (const char *nome : {"DATAHORAENTREGA", "CODIGOUSUARIOINT", "USUARIOEXT", "DATAHORABAIXA"})
    campo(nome)->SetVisible(false);
}

void TmVoxDMProtocolo::ValidarDado() {
  mVoxAuditarRegistro(*this);
  TnDMClientDataSet::ValidarDado();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMProtocolo>(QStringLiteral("TmVoxDMProtocolo"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
