#include "rTulDCUsuario_U.h"

TrTulDCUsuario::TrTulDCUsuario() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOUSUARIO,t_t.NOMEUSUARIO,t_t.NOMEUSUARIOCOMPL from USUARIO t_t "
                     "ORDER BY t_t.CodigoUsuario"));
  SetCaption(QStringLiteral("Usuários"));
  SetTipoForm(TnTipoForm::ntfConGrid);
  DefAdic.Ordem = QStringLiteral("CodigoUsuario");
  DefAdic.CaptionOrdem = QStringLiteral("Código");
  DefAdic.OrdensAdicionais = {{QStringLiteral("Nome"), QStringLiteral("NomeUsuario")}};
}

QString TrTulDCUsuario::ChavePrimaria() const { return QStringLiteral("CODIGOUSUARIO"); }
