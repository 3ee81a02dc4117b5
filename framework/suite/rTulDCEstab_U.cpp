#include "rTulDCEstab_U.h"

TrTulDCEstab::TrTulDCEstab() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.NOMEESTAB,t_t.APELIDOESTAB from ESTAB t_t "
                     "ORDER BY t_t.CodigoEmpresa,t_t.CodigoEstab"));
  SetCaption(QStringLiteral("Filiais"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa,CodigoEstab");
  DefAdic.CaptionOrdem = QStringLiteral("Filial");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Nome"), QStringLiteral("NomeEstab")},
                              {QStringLiteral("Apelido"), QStringLiteral("ApelidoEstab")}};
}

QString TrTulDCEstab::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"); }
