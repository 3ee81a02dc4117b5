#include "rTulDCImposto_U.h"

TrTulDCImposto::TrTulDCImposto() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOIMPOSTO,t_t.VARIACAOIMPOSTO,t_t.DESCRIMPOSTO from IMPOSTO t_t "
      "ORDER BY t_t.CodigoImposto,t_t.VariacaoImposto"));
  SetCaption(QStringLiteral("Impostos"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoImposto, VariacaoImposto");
  DefAdic.CaptionOrdem = QStringLiteral("Código");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Descrição"), QStringLiteral("DescrImposto")}};
}

QString TrTulDCImposto::ChavePrimaria() const { return QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"); }
