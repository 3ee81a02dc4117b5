#include "rTulDCDptoEscrit_U.h"

TrTulDCDptoEscrit::TrTulDCDptoEscrit() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGODPTOESCRIT,t_t.DESCRDPTOESCRIT from DPTOESCRIT t_t "
                     "ORDER BY t_t.CodigoDptoEscrit"));
  SetCaption(QStringLiteral("Departamentos"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoDptoEscrit");
  DefAdic.CaptionOrdem = QStringLiteral("Código");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Descrição"), QStringLiteral("DescrDptoEscrit")}};
}

QString TrTulDCDptoEscrit::ChavePrimaria() const { return QStringLiteral("CODIGODPTOESCRIT"); }
