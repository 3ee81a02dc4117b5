#include "nMapperFinNotaFiscal_U.h"

#include "nClientDataSet_U.h"

void TnMapperFinNotaFiscal::Mapear(TnClientDataSet &dados) {
  TnMapperFinanceiro::Mapear(dados);
  dados.MapearCampo(SerieNS, QStringLiteral("SERIENS"));
  dados.MapearCampo(NumeroNS, QStringLiteral("NUMERONS"));
  dados.MapearCampo(VistaPrazo, QStringLiteral("VISTAPRAZO"));
  dados.MapearCampo(CanceladaNS, QStringLiteral("CANCELADANS"));
}
