#include "nFraControle_U.h"

TnFraControle::TnFraControle(QString label, TnTipoFraControle tipo, int tamanho, QString chaveDicionario, QString hint,
                             QStringList lista)
    : FLabel(std::move(label)),
      FTipo(tipo),
      FTamanho(tamanho),
      FChaveDicionario(std::move(chaveDicionario)),
      FHint(std::move(hint)) {
  for (const QString &entrada : lista) {
    const qsizetype igual = entrada.indexOf(QLatin1Char('='));
    FItens << (igual < 0 ? entrada : entrada.left(igual));
    FValores << (igual < 0 ? entrada : entrada.mid(igual + 1));
  }
}

void TnFraControle::SetAsString(const QString &valor) {
  if (FTipo != TnTipoFraControle::Escolha || valor.isEmpty()) {
    FValor = valor;
    return;
  }
  if (FValores.contains(valor)) {
    FValor = valor;
    return;
  }
  const qsizetype indice = FItens.indexOf(valor);
  FValor = indice < 0 ? QString() : FValores.at(indice);
}

int TnFraControle::GetAsInteger() const {
  bool ok = false;
  const int valor = FValor.trimmed().toInt(&ok);
  return ok ? valor : 0;
}

int TnFraControle::IndiceEscolhido() const {
  if (FValor.isEmpty()) return -1;
  return static_cast<int>(FValores.indexOf(FValor));
}

void TnFraControle::SetIndiceEscolhido(int indice) {
  FValor = indice >= 0 && indice < FValores.size() ? FValores.at(indice) : QString();
}
