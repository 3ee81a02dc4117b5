#include "mVoxItem_U.h"

#include "nClientDataSet_U.h"
#include "nDateField_U.h"
#include "nDateTimeField_U.h"
#include "nFMTBCDField_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nStringField_U.h"

void TmVoxItem::Mapear(TnClientDataSet &dados) {
  dados.MapearCampo(CODIGOPROTOCOLO, QStringLiteral("CODIGOPROTOCOLO"));
  dados.MapearCampo(SEQITEMPRO, QStringLiteral("SEQITEMPRO"));
  dados.MapearCampo(TIPODEBITO, QStringLiteral("TIPODEBITO"));
  dados.MapearCampo(DESCRITEM, QStringLiteral("DESCRITEM"));
  dados.MapearCampo(DATALCTOPRO, QStringLiteral("DATALCTOPRO"));
  dados.MapearCampo(VENCIMENTO, QStringLiteral("VENCIMENTO"));
  dados.MapearCampo(VALOR, QStringLiteral("VALOR"));
  dados.MapearCampo(CODIGOIMPOSTO, QStringLiteral("CODIGOIMPOSTO"));
  dados.MapearCampo(VARIACAOIMPOSTO, QStringLiteral("VARIACAOIMPOSTO"));
  dados.MapearCampo(CODIGODOCEMP, QStringLiteral("CODIGODOCEMP"));
  dados.MapearCampo(CodigoFuncContr, QStringLiteral("CodigoFuncContr"));
  dados.MapearCampo(CANCELADO, QStringLiteral("CANCELADO"));
  dados.MapearCampo(CHAVEORIGEM, QStringLiteral("CHAVEORIGEM"));
  dados.MapearCampo(CHAVEDEBITO, QStringLiteral("CHAVEDEBITO"));
  dados.MapearCampo(CODIGOUSUARIO, QStringLiteral("CODIGOUSUARIO"));
  dados.MapearCampo(DATAHORACADASTRO, QStringLiteral("DATAHORACADASTRO"));
  dados.MapearCampo(ORIGEMDADO, QStringLiteral("ORIGEMDADO"));
  dados.MapearCampo(COMPETENCIA, QStringLiteral("COMPETENCIA"));
  dados.MapearCampo(PROTOCOLO, QStringLiteral("PROTOCOLO"));
  dados.MapearCampo(GERAR, QStringLiteral("GERAR"));
  dados.MapearCampo(TABELA, QStringLiteral("TABELA"));
  dados.MapearCampo(TABELACHAVE, QStringLiteral("TABELACHAVE"));
  dados.MapearCampo(MODULO, QStringLiteral("MODULO"));
  dados.MapearCampo(CODIGOTIPOPROTOCOLO, QStringLiteral("CODIGOTIPOPROTOCOLO"));
  dados.MapearCampo(CODIGOESCRIT, QStringLiteral("CODIGOESCRIT"));
  dados.MapearCampo(SERIENS, QStringLiteral("SERIENS"));
  dados.MapearCampo(NUMERONS, QStringLiteral("NUMERONS"));
  dados.MapearCampo(NUMERODCTOCR, QStringLiteral("NUMERODCTOCR"));
}

bool TmVoxItem::Completo() const {
  return CODIGOPROTOCOLO && SEQITEMPRO && TIPODEBITO && DESCRITEM && DATALCTOPRO && VENCIMENTO && VALOR &&
         CODIGOIMPOSTO && VARIACAOIMPOSTO && CODIGODOCEMP && CodigoFuncContr && CANCELADO && CHAVEORIGEM &&
         CHAVEDEBITO && CODIGOUSUARIO && DATAHORACADASTRO && ORIGEMDADO && COMPETENCIA && PROTOCOLO && GERAR &&
         TABELA && TABELACHAVE && MODULO && CODIGOTIPOPROTOCOLO && CODIGOESCRIT && SERIENS && NUMERONS && NUMERODCTOCR;
}
