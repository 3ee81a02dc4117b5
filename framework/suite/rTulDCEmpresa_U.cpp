#include "rTulDCEmpresa_U.h"

TrTulDCEmpresa::TrTulDCEmpresa() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t.NOMEEMPRESA from EMPRESA t_t ORDER BY t_t.CodigoEmpresa"));
  SetCaption(QStringLiteral("Empresas"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa");
  DefAdic.CaptionOrdem = QStringLiteral("Código");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Nome"), QStringLiteral("NomeEmpresa")}};
}

QString TrTulDCEmpresa::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA"); }
