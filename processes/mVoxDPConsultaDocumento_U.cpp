#include "mVoxDPConsultaDocumento_U.h"

#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

TmVoxDPConsultaDocumento::TmVoxDPConsultaDocumento() {
  npqPowerParam().SetCaption(QStringLiteral("Consulta de Documentos"));
  TnpqPowerParam &params = npqPowerParam();
  params.Adicionar({.Alias = QStringLiteral("pCodigoDocumento"),
                    .Caption = QStringLiteral("Documento"),
                    .Tipo = TnTipoParam::Selecao,
                    .Obrigatorio = true,
                    .Posicao = 0,
                    .Dicionario = QStringLiteral("CODIGODOCEMP"),
                    .CampoLookup = QStringLiteral("CODIGODOCEMP"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pTipoLocal"),
                    .Caption = QStringLiteral("Tipo Local"),
                    .Tipo = TnTipoParam::Combo,
                    .Obrigatorio = true,
                    .Hint = QStringLiteral("Informe o tipo do local a ser considerado no filtro"),
                    .Posicao = 1,
                    .Valores = QStringLiteral("Ambos=0;Interno=1;Externo=2;")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Tipo = TnTipoParam::Valor,
                    .Posicao = 2,
                    .Dicionario = QStringLiteral("CODIGOEMPRESA")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Tipo = TnTipoParam::Selecao,
                    .Posicao = 3,
                    .Dicionario = QStringLiteral("CODIGOESTAB"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoDepartamento"),
                    .Tipo = TnTipoParam::Valor,
                    .Posicao = 4,
                    .Dicionario = QStringLiteral("CODIGODPTOESCRIT")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoTipoDcto"),
                    .Tipo = TnTipoParam::Selecao,
                    .Posicao = 5,
                    .Dicionario = QStringLiteral("CODIGOTIPODOC"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoUsuario"),
                    .Caption = QStringLiteral("Responsável"),
                    .Tipo = TnTipoParam::Selecao,
                    .Posicao = 6,
                    .Dicionario = QStringLiteral("CODIGOUSUARIO"),
                    .MultiSelecao = true});
}

TmVoxDPConsultaDocumento::~TmVoxDPConsultaDocumento() = default;

QList<TnMenuDecl> TmVoxDPConsultaDocumento::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("04 Consultas");
  menu.Caption = QStringLiteral("Consulta de Documentos");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

void TmVoxDPConsultaDocumento::DataModuleCreate() {
  TnDMPowerParamGrid::DataModuleCreate();
  // No query: the grid has nothing to show and the dataset stays closed.
  nClientDataSet().SetnLogChanges(false);
}

void TmVoxDPConsultaDocumento::ValidarDado() {
  TnDMPowerParamGrid::ValidarDado();
  SetCodigoDocumento(Param(QStringLiteral("pCodigoDocumento")).trimmed());
  SetTipoLocal(ParamInteiro(QStringLiteral("pTipoLocal")));
  SetCodigoEmpresa(Param(QStringLiteral("pCodigoEmpresa")).trimmed());
  SetCodigoEstab(Param(QStringLiteral("pCodigoEstab")).trimmed());
  SetCodigoDepartamento(Param(QStringLiteral("pCodigoDepartamento")).trimmed());
  SetCodigoTipoDcto(Param(QStringLiteral("pCodigoTipoDcto")).trimmed());
  SetCodigoUsuario(Param(QStringLiteral("pCodigoUsuario")).trimmed());
}

void TmVoxDPConsultaDocumento::Executar() { TnDMPowerParam::Executar(); }

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaDocumento>(QStringLiteral("TmVoxDPConsultaDocumento"),
                                                                   QStringLiteral("TnDMPowerParamGrid"))};
});
void mVoxDPConsultaDocumento_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaDocumento_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
