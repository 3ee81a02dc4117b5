#include "nFuncoesDados_U.h"

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"

bool HouveAlteracoes(const TnClientDataSet *dados) {
  if (!dados || !dados->Active()) return false;
  const bool editando = dados->State() == TnDataSetState::Edit || dados->State() == TnDataSetState::Insert;
  return (editando && dados->Modified()) || dados->ChangeCount() > 0;
}

void ConfigurarCamposEmpresaEstab(TnClientDataSet &dados) {
  TnField *empresa = dados.FieldByName(QStringLiteral("CODIGOEMPRESA"));
  empresa->SetRequired(true);
  empresa->Definicao().SetTamanhoMaximo(4);
  TnField *estab = dados.FieldByName(QStringLiteral("CODIGOESTAB"));
  estab->SetRequired(true);
  estab->Definicao().SetTamanhoMaximo(4);
  estab->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
}
