#include "nMapperFinanceiro_U.h"

#include "nClientDataSet_U.h"

void TnMapperFinanceiro::Mapear(TnClientDataSet &dados) {
  dados.MapearCampo(CodigoEscrit, QStringLiteral("CODIGOESCRIT"));
  dados.MapearCampo(DataEmissao, QStringLiteral("DATAEMISSAO"));
  dados.MapearCampo(DataVcto, QStringLiteral("DATAVCTO"));
  dados.MapearCampo(Valor, QStringLiteral("VALOR"));
  dados.MapearCampo(CodigoProtocolo, QStringLiteral("CODIGOPROTOCOLO"));
  dados.MapearCampo(CodigoCliente, QStringLiteral("CODIGOCLIENTE"));
  dados.MapearCampo(NomeCliente, QStringLiteral("NOMECLIENTE"));
  dados.MapearCampo(NumeroDocumento, QStringLiteral("NUMERODOCUMENTO"));
}
