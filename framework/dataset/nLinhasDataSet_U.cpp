#include "nLinhasDataSet_U.h"

#include <algorithm>
#include <atomic>

quint64 TnLinhasDataSet::PrimeiraVersao() {
  static std::atomic<quint64> conjuntos{0};
  return (conjuntos.fetch_add(1, std::memory_order_relaxed) + 1) << 32;
}

void TnLinhasDataSet::SetLargura(int largura) {
  if (largura == FLargura) return;
  FLargura = largura;
  for (TnLinha &linha : FLinhas)
    if (linha.Viva) linha.Valores.resize(largura);
  for (TnAlteracao &alteracao : FLog) alteracao.Valores.resize(largura);
  ++FVersao;
}

void TnLinhasDataSet::Carregar(std::vector<QVector<QVariant>> linhas) {
  FLinhas.clear();
  FLinhas.reserve(linhas.size());
  FOrdem.resize(linhas.size());
  for (size_t i = 0; i < linhas.size(); ++i) {
    FLinhas.push_back(TnLinha{std::move(linhas[i]), i + 1, true});
    FOrdem[i] = static_cast<int>(i);
  }
  FUltimoDesempate = linhas.size();
  FLog.clear();
  ++FVersao;
}

void TnLinhasDataSet::Limpar() { Carregar({}); }

int TnLinhasDataSet::PosicaoNatural(int slot) const {
  if (!Viva(slot)) return -1;
  const auto it = std::find(FOrdem.begin(), FOrdem.end(), slot);
  return it == FOrdem.end() ? -1 : static_cast<int>(it - FOrdem.begin());
}

namespace {

// A row's texts held by the row alone are cut to their length: a text built
// by appending or replacing keeps room to grow, which a stored value never
// uses and every row would carry. A text shared with other values stays
// shared.
void AjustarTextos(QVector<QVariant> &valores) {
  for (QVariant &valor : valores) {
    if (valor.typeId() != QMetaType::QString) continue;
    const auto &texto = *static_cast<const QString *>(valor.constData());
    if (texto.capacity() > texto.size() && texto.isDetached()) static_cast<QString *>(valor.data())->squeeze();
  }
}

}  // namespace

int TnLinhasDataSet::Incluir(QVector<QVariant> valores, int posicaoNatural, bool registrar) {
  valores.resize(FLargura);
  AjustarTextos(valores);
  const int slot = static_cast<int>(FLinhas.size());
  FLinhas.push_back(TnLinha{std::move(valores), ++FUltimoDesempate, true});
  if (posicaoNatural < 0 || posicaoNatural > static_cast<int>(FOrdem.size()))
    posicaoNatural = static_cast<int>(FOrdem.size());
  FOrdem.insert(FOrdem.begin() + posicaoNatural, slot);
  if (registrar && FLogAtivo) FLog.push_back(TnAlteracao{TnTipoAlteracao::Inclusao, slot, posicaoNatural, {}, 0});
  ++FVersao;
  return slot;
}

void TnLinhasDataSet::Alterar(int slot, QVector<QVariant> valores, bool registrar) {
  TnLinha &linha = FLinhas[static_cast<size_t>(slot)];
  valores.resize(FLargura);
  if (registrar && FLogAtivo) {
    FLog.push_back(TnAlteracao{TnTipoAlteracao::Alteracao, slot, -1, std::move(linha.Valores), linha.Desempate});
  }
  linha.Valores = std::move(valores);
  AjustarTextos(linha.Valores);
  ++FVersao;
}

void TnLinhasDataSet::Excluir(int slot, bool registrar) {
  const int posicao = PosicaoNatural(slot);
  if (posicao < 0) return;
  FOrdem.erase(FOrdem.begin() + posicao);
  TnLinha &linha = FLinhas[static_cast<size_t>(slot)];
  linha.Viva = false;
  if (registrar && FLogAtivo)
    FLog.push_back(TnAlteracao{TnTipoAlteracao::Exclusao, slot, posicao, std::move(linha.Valores), linha.Desempate});
  linha.Valores = QVector<QVariant>();
  ++FVersao;
}

void TnLinhasDataSet::ExcluirVarias(const std::vector<int> &alvos, bool registrar) {
  std::vector<char> sai(FLinhas.size(), 0);
  bool alguma = false;
  for (const int slot : alvos) {
    if (!Viva(slot)) continue;
    sai[static_cast<size_t>(slot)] = 1;
    alguma = true;
  }
  if (!alguma) return;
  std::vector<int> ordem;
  ordem.reserve(FOrdem.size());
  // The log grows by the rows removed, in one step: growing by doubling
  // would hold up to twice their entries while the rows are still in it.
  if (registrar && FLogAtivo) {
    size_t saem = 0;
    for (const int slot : FOrdem) saem += sai[static_cast<size_t>(slot)];
    FLog.reserve(FLog.size() + saem);
  }
  int removidas = 0;
  for (size_t i = 0; i < FOrdem.size(); ++i) {
    const int slot = FOrdem[i];
    if (!sai[static_cast<size_t>(slot)]) {
      ordem.push_back(slot);
      continue;
    }
    TnLinha &linha = FLinhas[static_cast<size_t>(slot)];
    linha.Viva = false;
    // Where the row was once the rows before it had gone.
    if (registrar && FLogAtivo)
      FLog.push_back(TnAlteracao{TnTipoAlteracao::Exclusao, slot, static_cast<int>(i) - removidas,
                                 std::move(linha.Valores), linha.Desempate});
    linha.Valores = QVector<QVariant>();
    ++removidas;
  }
  FOrdem = std::move(ordem);
  ++FVersao;
}

void TnLinhasDataSet::DesfazerAte(int tamanho) {
  tamanho = std::max(tamanho, 0);
  while (static_cast<int>(FLog.size()) > tamanho) {
    TnAlteracao alteracao = std::move(FLog.back());
    FLog.pop_back();
    TnLinha &linha = FLinhas[static_cast<size_t>(alteracao.Slot)];
    switch (alteracao.Tipo) {
      case TnTipoAlteracao::Inclusao: {
        const auto it = std::find(FOrdem.begin(), FOrdem.end(), alteracao.Slot);
        if (it != FOrdem.end()) FOrdem.erase(it);
        linha.Viva = false;
        linha.Valores = QVector<QVariant>();
        break;
      }
      case TnTipoAlteracao::Alteracao:
        linha.Valores = std::move(alteracao.Valores);
        linha.Valores.resize(FLargura);
        linha.Desempate = alteracao.Desempate;
        break;
      case TnTipoAlteracao::Exclusao: {
        linha.Valores = std::move(alteracao.Valores);
        linha.Valores.resize(FLargura);
        linha.Desempate = alteracao.Desempate;
        linha.Viva = true;
        const int posicao = std::clamp(alteracao.PosicaoNatural, 0, static_cast<int>(FOrdem.size()));
        FOrdem.insert(FOrdem.begin() + posicao, alteracao.Slot);
        break;
      }
    }
  }
  ++FVersao;
}
