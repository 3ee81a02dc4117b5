#include "nMapperFinBoleto_U.h"

#include "nClientDataSet_U.h"

void TnMapperFinBoleto::Mapear(TnClientDataSet &dados) {
  TnMapperFinanceiro::Mapear(dados);
  dados.MapearCampo(NumeroDctoCR, QStringLiteral("NUMERODCTOCR"));
  dados.MapearCampo(NossoNumero, QStringLiteral("NOSSONUMERO"));
}
