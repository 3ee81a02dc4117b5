#include "nFraProgresso_U.h"

#include <algorithm>

namespace {

TnFraProgresso::TnAoCriar GAoCriar;

}  // namespace

int TnBarraProgresso::Percentual() const {
  if (Maximo <= Minimo) return 0;
  return static_cast<int>(static_cast<long long>(Posicao - Minimo) * 100 / (Maximo - Minimo));
}

TnFraProgresso::TnFraProgresso(QObject *dono) : FDono(dono) {
  // A copy: the hook may replace itself while it runs.
  const TnAoCriar aoCriar = GAoCriar;
  if (aoCriar) aoCriar(*this);
}

TnFraProgresso::~TnFraProgresso() { Notificar(TnEventoProgresso::Destruido); }

std::unique_ptr<TnFraProgresso> TnFraProgresso::CriarProgresso(QObject *dono) {
  return std::make_unique<TnFraProgresso>(dono);
}

TnFraProgresso::TnAoCriar TnFraProgresso::SetAoCriar(TnAoCriar aoCriar) {
  std::swap(GAoCriar, aoCriar);
  return aoCriar;
}

void TnFraProgresso::MostrarSimples(int maximo, const QString &texto) { MostrarSimples(0, maximo, texto); }

void TnFraProgresso::MostrarSimples(int minimo, int maximo, const QString &texto) {
  FModo = TnModoProgresso::Simples;
  FVisivel = true;
  Configurar(FTotal, minimo, maximo);
  FTotal.Texto = texto;
  FParcial = TnBarraProgresso();
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::MostrarCircular(const QString &texto) {
  FModo = TnModoProgresso::Simples;
  FVisivel = true;
  FTotal = TnBarraProgresso();
  FTotal.Texto = texto;
  FTotal.Circular = true;
  FParcial = TnBarraProgresso();
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::MostrarMultiplo() {
  FModo = TnModoProgresso::Multiplo;
  FVisivel = true;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::MostrarMultiplo(int maximoTotal, const QString &textoTotal) {
  FModo = TnModoProgresso::Multiplo;
  FVisivel = true;
  Configurar(FTotal, 0, maximoTotal);
  FTotal.Texto = textoTotal;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::Esconder() {
  if (!FVisivel) return;
  FVisivel = false;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::ConfigurarProgressoTotal(int minimo, int maximo) {
  Configurar(FTotal, minimo, maximo);
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::ConfigurarProgressoTotal(int minimo, int maximo, const QString &texto) {
  Configurar(FTotal, minimo, maximo);
  FTotal.Texto = texto;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::ConfigurarProgressoParcial(int minimo, int maximo) {
  Configurar(FParcial, minimo, maximo);
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::ConfigurarProgressoParcial(int minimo, int maximo, const QString &texto) {
  Configurar(FParcial, minimo, maximo);
  FParcial.Texto = texto;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::IncProgressoTotal() {
  Avancar(FTotal);
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::IncProgressoTotal(const QString &texto) {
  Avancar(FTotal);
  FTotal.Texto = texto;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::IncProgressoParcial() {
  Avancar(FParcial);
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::IncProgressoParcial(const QString &texto) {
  Avancar(FParcial);
  FParcial.Texto = texto;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::LimparProgressoTotal() {
  FTotal = TnBarraProgresso();
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::LimparProgressoParcial() {
  FParcial = TnBarraProgresso();
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::SetCircularTotal(bool circular) {
  FTotal.Circular = circular;
  Notificar(TnEventoProgresso::Alterado);
}

void TnFraProgresso::SetCircularParcial(bool circular) {
  FParcial.Circular = circular;
  Notificar(TnEventoProgresso::Alterado);
}

int TnFraProgresso::Observar(TnObservador observador) {
  const int id = FProximoId++;
  FObservadores.emplace_back(id, std::move(observador));
  return id;
}

void TnFraProgresso::DeixarDeObservar(int id) {
  std::erase_if(FObservadores, [id](const auto &par) { return par.first == id; });
}

void TnFraProgresso::Configurar(TnBarraProgresso &barra, int minimo, int maximo) {
  barra.Minimo = minimo;
  barra.Maximo = std::max(minimo, maximo);
  barra.Posicao = minimo;
  barra.Circular = false;
}

void TnFraProgresso::Avancar(TnBarraProgresso &barra) {
  if (barra.Posicao < barra.Maximo) ++barra.Posicao;
}

void TnFraProgresso::Notificar(TnEventoProgresso evento) {
  // A copy: an observer may stop observing while it runs.
  const auto observadores = FObservadores;
  for (const auto &[id, observador] : observadores)
    if (observador) observador(*this, evento);
}
