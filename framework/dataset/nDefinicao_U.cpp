#include "nDefinicao_U.h"

#include "nException_U.h"
#include "nField_U.h"

namespace {

// A "caption=value" line split at its last "=": captions may hold one, the
// short values never do.
std::pair<QString, QString> Partes(const QString &linha) {
  const qsizetype igual = linha.lastIndexOf(u'=');
  if (igual < 0) return {linha.trimmed(), linha.trimmed()};
  return {linha.left(igual).trimmed(), linha.mid(igual + 1).trimmed()};
}

}  // namespace

TnDefinicao::TnDefinicao(TnField *campo) : FCampo(campo) {}

QString TnDefinicao::NomeDoValor(const QString &valor) const {
  const QString procurado = valor.trimmed();
  for (const QString &linha : FNomesValores) {
    const auto [nome, v] = Partes(linha);
    if (v == procurado) return nome;
  }
  return valor;
}

QString TnDefinicao::ValorDoNome(const QString &nome) const {
  const QString procurado = nome.trimmed();
  for (const QString &linha : FNomesValores) {
    const auto [n, v] = Partes(linha);
    if (n.compare(procurado, Qt::CaseInsensitive) == 0) return v;
  }
  for (const QString &linha : FNomesValores)
    if (Partes(linha).second == procurado) return procurado;
  return {};
}

QStringList TnDefinicao::Nomes() const {
  QStringList nomes;
  for (const QString &linha : FNomesValores) nomes << Partes(linha).first;
  return nomes;
}

QStringList TnDefinicao::Valores() const {
  QStringList valores;
  for (const QString &linha : FNomesValores) valores << Partes(linha).second;
  return valores;
}

void TnDefinicao::AdicionarPropriedadePropria(const QString &nome) {
  if (!PropriedadePropria(nome)) FPropriedadesProprias << nome.trimmed();
}

bool TnDefinicao::PropriedadePropria(const QString &nome) const {
  return FPropriedadesProprias.contains(nome.trimmed(), Qt::CaseInsensitive);
}

void TnDefinicao::Exit() {
  if (OnExit) OnExit(*FCampo);
}

void TnDefinicao::ButtonClick() {
  if (OnButtonClick) OnButtonClick(*FCampo);
}

void TnDefinicao::Change() {
  if (OnChange) OnChange(*FCampo);
}

QString TnDefinicao::GetText(const TnField &campo, bool) const {
  const QString valor = campo.AsString();
  if (valor.isEmpty()) return valor;
  if (FTipoControle != TnTipoControle::CheckList) return NomeDoValor(valor);
  QStringList nomes;
  for (const QString &item : valor.split(u';', Qt::SkipEmptyParts)) nomes << NomeDoValor(item);
  return nomes.join(u';');
}

void TnDefinicao::SetText(TnField &campo, const QString &texto) const {
  if (texto.trimmed().isEmpty()) {
    campo.Clear();
    return;
  }
  auto Valor = [&](const QString &nome) {
    const QString valor = ValorDoNome(nome);
    if (valor.isEmpty())
      throw EnField(
          &campo,
          QStringLiteral("'%1' não é um valor válido para o campo %2.").arg(nome.trimmed(), campo.DisplayLabel()));
    return valor;
  };
  if (FTipoControle != TnTipoControle::CheckList) {
    campo.SetAsString(Valor(texto));
    return;
  }
  QStringList valores;
  for (const QString &nome : texto.split(u';', Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) valores << Valor(nome);
  campo.SetAsString(valores.join(u';'));
}

void TnDefinicao::LigarTextos() {
  FCampo->OnGetText = [this](const TnField &campo, bool displayText) { return GetText(campo, displayText); };
  FCampo->OnSetText = [this](TnField &campo, const QString &texto) { SetText(campo, texto); };
}
