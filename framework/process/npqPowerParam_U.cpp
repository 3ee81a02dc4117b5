#include "npqPowerParam_U.h"

#include <algorithm>

#include "nException_U.h"

TnpqPowerParam::TnpqPowerParam() = default;

TnpqPowerParam::~TnpqPowerParam() = default;

TnpqParamItem &TnpqPowerParam::Adicionar(const TnDefParam &definicao) {
  const QString alias = definicao.Alias.trimmed();
  if (alias.isEmpty()) throw Exception(QStringLiteral("Parâmetro sem nome não pode ser criado."));
  if (FindParam(alias)) throw Exception(QStringLiteral("O parâmetro %1 já existe.").arg(alias));
  TnDefParam def = definicao;
  if (def.Posicao < 0) def.Posicao = FItens.empty() ? 0 : FItens.back()->Posicao() + 1;
  auto item = std::make_unique<TnpqParamItem>(this, def);
  TnpqParamItem *novo = item.get();
  const auto depois =
      std::upper_bound(FItens.begin(), FItens.end(), def.Posicao,
                       [](int posicao, const std::unique_ptr<TnpqParamItem> &i) { return posicao < i->Posicao(); });
  FItens.insert(depois, std::move(item));
  return *novo;
}

TnpqParamItem *TnpqPowerParam::GetParams(int indice) const {
  if (indice < 0 || indice >= GetCount())
    throw Exception(QStringLiteral("Índice de parâmetro fora dos limites: %1.").arg(indice));
  return FItens.at(static_cast<size_t>(indice)).get();
}

QList<TnpqParamItem *> TnpqPowerParam::Params() const {
  QList<TnpqParamItem *> lista;
  for (const auto &item : FItens) lista.append(item.get());
  return lista;
}

TnpqParamItem *TnpqPowerParam::FindParam(const QString &nome) const {
  const QString procurado = nome.trimmed();
  for (const auto &item : FItens)
    if (item->Alias().compare(procurado, Qt::CaseInsensitive) == 0) return item.get();
  return nullptr;
}

TnpqParamItem *TnpqPowerParam::Param(const QString &nome) const {
  TnpqParamItem *item = FindParam(nome);
  if (!item) throw Exception(QStringLiteral("Parâmetro %1 não encontrado.").arg(nome));
  return item;
}

void TnpqPowerParam::EdEnabledField(const QString &nome, bool habilitar) { Param(nome)->SetHabilitado(habilitar); }

void TnpqPowerParam::EdRequiredField(const QString &nome, bool obrigatorio) {
  Param(nome)->SetObrigatorio(obrigatorio);
}

bool TnpqPowerParam::EdFieldEnabled(const QString &nome) const { return Param(nome)->Habilitado(); }

TnFraCtrlParam *TnpqPowerParam::EdFindFieldControl(const QString &nome) const {
  TnpqParamItem *item = FindParam(nome);
  return item ? item->Editor() : nullptr;
}

QVariantMap TnpqPowerParam::Valores() const {
  QVariantMap valores;
  for (const auto &item : FItens)
    if (item->Tipo() != TnTipoParam::Numero) valores.insert(item->Alias(), item->GetAsVariant());
  return valores;
}

void TnpqPowerParam::SetValores(const QVariantMap &valores) {
  for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
    TnpqParamItem *item = FindParam(it.key());
    if (!item || item->Tipo() == TnTipoParam::Numero) continue;
    try {
      item->SetValue(it.value());
    } catch (const Exception &) {
      // A value kept by an older version of the process that no longer fits
      // the parameter: the parameter keeps what it had.
    }
  }
}

void TnpqPowerParam::ParamMudou(TnpqParamItem &item) {
  if (!OnParamChange) return;
  if (std::find(FEmOnChange.begin(), FEmOnChange.end(), &item) != FEmOnChange.end()) return;
  FEmOnChange.push_back(&item);
  struct Saida {
    std::vector<TnpqParamItem *> &lista;
    ~Saida() { lista.pop_back(); }
  } saida{FEmOnChange};
  OnParamChange(*this, item);
}

void TnpqPowerParam::ParamSaiu(TnpqParamItem &item) {
  if (OnParamExit) OnParamExit(*this, item);
}
