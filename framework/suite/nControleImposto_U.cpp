#include "nControleImposto_U.h"

#include <QSqlQuery>

#include "nDMConexao_U.h"
#include "nDefinicao_U.h"
#include "nField_U.h"

namespace {

const QString kLookup = QStringLiteral("TrTulDCImposto");

}  // namespace

TnControleImposto::TnControleImposto(TnField *codigo, TnField *variacao) : FCodigo(codigo), FVariacao(variacao) {
  if (!FCodigo || !FVariacao) return;
  FCodigo->Definicao().SetLookupClassName(kLookup);
  FVariacao->Definicao().SetLookupClassName(kLookup);
  FVariacao->Definicao().SetLinkKeyFields(FCodigo->FieldName() + QLatin1Char(';') + FVariacao->FieldName());
  FOnChangeAnterior = FCodigo->OnChange;
  FCodigo->OnChange = [this](TnField &campo) { CodigoMudou(campo); };
  FLigado = true;
}

TnControleImposto::~TnControleImposto() {
  if (FLigado) FCodigo->OnChange = FOnChangeAnterior;
}

void TnControleImposto::CodigoMudou(TnField &campo) {
  if (FOnChangeAnterior) FOnChangeAnterior(campo);
  if (campo.IsNull()) {
    if (!FVariacao->IsNull()) FVariacao->Clear();
    return;
  }
  QSqlQuery consulta = nDMConexao()->Executar(
      QStringLiteral("select VARIACAOIMPOSTO from IMPOSTO where CODIGOIMPOSTO = :codigo order by VARIACAOIMPOSTO"),
      {campo.Value()});
  QList<qint64> variacoes;
  while (consulta.next()) variacoes << consulta.value(0).toLongLong();
  if (!FVariacao->IsNull() && variacoes.contains(FVariacao->AsInteger())) return;
  if (variacoes.size() == 1)
    FVariacao->SetAsInteger(variacoes.first());
  else if (!FVariacao->IsNull())
    FVariacao->Clear();
}
