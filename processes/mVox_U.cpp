#include "mVox_U.h"

#include "nClientDataSet_U.h"
#include "nDateField_U.h"
#include "nDateTimeField_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nStringField_U.h"

void TmVox::Mapear(TnClientDataSet &dados) {
  dados.MapearCampo(CODIGOPROTOCOLO, QStringLiteral("CODIGOPROTOCOLO"));
  dados.MapearCampo(CODIGOEMPRESA, QStringLiteral("CODIGOEMPRESA"));
  dados.MapearCampo(CODIGOESTAB, QStringLiteral("CODIGOESTAB"));
  dados.MapearCampo(EMPRESA, QStringLiteral("EMPRESA"));
  dados.MapearCampo(ESTAB, QStringLiteral("ESTAB"));
  dados.MapearCampo(DATALCTOPRO, QStringLiteral("DATALCTOPRO"));
  dados.MapearCampo(TIPOPRO, QStringLiteral("TIPOPRO"));
  dados.MapearCampo(OBSERVACAO, QStringLiteral("OBSERVACAO"));
  dados.MapearCampo(DATAHORACADASTRO, QStringLiteral("DATAHORACADASTRO"));
  dados.MapearCampo(CODIGOUSUARIO, QStringLiteral("CODIGOUSUARIO"));
  dados.MapearCampo(FORMAENTREGA, QStringLiteral("FORMAENTREGA"));
  dados.MapearCampo(NATUREZAPRO, QStringLiteral("NATUREZAPRO"));
  dados.MapearCampo(CANCELADO, QStringLiteral("CANCELADO"));
  dados.MapearCampo(ORIGEMDADO, QStringLiteral("ORIGEMDADO"));
  dados.MapearCampo(TODOSSELECIONADOS, QStringLiteral("TODOSSELECIONADOS"));
}

bool TmVox::Completo() const {
  return CODIGOPROTOCOLO && CODIGOEMPRESA && CODIGOESTAB && EMPRESA && ESTAB && DATALCTOPRO && TIPOPRO && OBSERVACAO &&
         DATAHORACADASTRO && CODIGOUSUARIO && FORMAENTREGA && NATUREZAPRO && CANCELADO && ORIGEMDADO &&
         TODOSSELECIONADOS;
}
