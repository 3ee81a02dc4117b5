#include "nFraCtrlParam_U.h"

#include "nFormatos_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

TnFraCtrlParam::TnFraCtrlParam(TnpqParamItem *item) : FItem(item) {
  setObjectName(QStringLiteral("ed") + item->Alias());
}

TnFraCtrlParam::~TnFraCtrlParam() = default;

QString TnFraCtrlParam::Caption() const { return FItem->Caption(); }

bool TnFraCtrlParam::Visible() const { return FItem->Visivel(); }

void TnFraCtrlParam::SetVisible(bool valor) { FItem->SetVisivel(valor); }

bool TnFraCtrlParam::Enabled() const { return FItem->Habilitado(); }

void TnFraCtrlParam::SetEnabled(bool valor) { FItem->SetHabilitado(valor); }

QString TnFraCtrlParam::Texto() const {
  switch (FItem->Tipo()) {
    case TnTipoParam::MesAno: {
      QDate data;
      if (FItem->TryGetAsDate(data) && data.isValid()) return FormatDateTime(QStringLiteral("mm/yyyy"), data);
      return FItem->GetAsString();
    }
    case TnTipoParam::Combo:
      return FItem->NomeDoValor(FItem->GetAsString());
    case TnTipoParam::CheckList: {
      QStringList nomes;
      for (const QString &valor : FItem->GetAsString().split(u';', Qt::SkipEmptyParts))
        nomes << FItem->NomeDoValor(valor);
      return nomes.join(QStringLiteral("; "));
    }
    default:
      return FItem->GetAsString();
  }
}

void TnFraCtrlParam::SetTexto(const QString &texto) { FItem->SetAsString(texto); }

QString TnFraCtrlParam::Valor() const { return FItem->GetAsString(); }

void TnFraCtrlParam::SetValor(const QVariant &valor) { FItem->SetValue(valor); }

QStringList TnFraCtrlParam::Itens() const { return FItem->Nomes(); }

void TnFraCtrlParam::Sair() {
  if (FItem->Lista()) FItem->Lista()->ParamSaiu(*FItem);
}
