#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "nframework_export.h"

class QObject;

// The layout of a progress frame.
enum class TnModoProgresso {
  Simples,   // one bar: the total one
  Multiplo,  // the total bar and, under it, a partial bar for the steps of each total step
};

// One bar of a progress frame. A circular bar shows activity without a
// measure; its bounds and position are kept but not shown.
struct NFRAMEWORK_EXPORT TnBarraProgresso {
  int Minimo = 0;
  int Maximo = 0;
  int Posicao = 0;
  QString Texto;
  bool Circular = false;

  // How far the bar has gone, 0 to 100; 0 for a bar without a span.
  int Percentual() const;
  bool operator==(const TnBarraProgresso &) const = default;
};

enum class TnEventoProgresso {
  Alterado,   // anything shown changed
  Destruido,  // the frame is going away: observers must drop it
};

// The progress frame of a long run, headless: the run sets and advances its
// bars, the Qt layer draws it by observing it, tests read its state. The frame
// starts hidden; the Mostrar… calls show it. The caller owns it and frees it
// when the run ends, also on error.
class NFRAMEWORK_EXPORT TnFraProgresso final {
 public:
  using TnObservador = std::function<void(TnFraProgresso &frame, TnEventoProgresso evento)>;
  using TnAoCriar = std::function<void(TnFraProgresso &frame)>;

  // `dono` is the object the frame shows for (the process); the Qt layer
  // places the frame on its form. Not owned, never dereferenced here.
  explicit TnFraProgresso(QObject *dono = nullptr);
  ~TnFraProgresso();
  TnFraProgresso(const TnFraProgresso &) = delete;
  TnFraProgresso &operator=(const TnFraProgresso &) = delete;

  static std::unique_ptr<TnFraProgresso> CriarProgresso(QObject *dono);
  QObject *Dono() const { return FDono; }

  // Simple mode with the total bar from `minimo` (0) to `maximo` (usually a
  // row count), at its start, with `texto`; the partial bar is cleared.
  void MostrarSimples(int maximo, const QString &texto = QString());
  void MostrarSimples(int minimo, int maximo, const QString &texto);
  // Simple mode with a circular total bar.
  void MostrarCircular(const QString &texto);
  // Multiple mode; the bars keep what they hold.
  void MostrarMultiplo();
  // Multiple mode with the total bar from 0 to `maximoTotal`.
  void MostrarMultiplo(int maximoTotal, const QString &textoTotal);
  void Esconder();
  bool Visivel() const { return FVisivel; }
  TnModoProgresso Modo() const { return FModo; }

  // Sets a bar's bounds and puts it at its start, measured (not circular). A
  // maximum below the minimum is taken as the minimum. Without a text the bar
  // keeps its text.
  void ConfigurarProgressoTotal(int minimo, int maximo);
  void ConfigurarProgressoTotal(int minimo, int maximo, const QString &texto);
  void ConfigurarProgressoParcial(int minimo, int maximo);
  void ConfigurarProgressoParcial(int minimo, int maximo, const QString &texto);

  // One step forward; a bar at its maximum stays there. The text, when given,
  // replaces the bar's text.
  void IncProgressoTotal();
  void IncProgressoTotal(const QString &texto);
  void IncProgressoParcial();
  void IncProgressoParcial(const QString &texto);

  // Empties a bar: bounds and position 0, no text, measured.
  void LimparProgressoTotal();
  void LimparProgressoParcial();

  void SetCircularTotal(bool circular);
  void SetCircularParcial(bool circular);

  const TnBarraProgresso &Total() const { return FTotal; }
  const TnBarraProgresso &Parcial() const { return FParcial; }

  // Observers run in the order they were added, right after each change; they
  // must not raise. Observar gives the id that DeixarDeObservar takes.
  int Observar(TnObservador observador);
  void DeixarDeObservar(int id);

  // Runs for every frame made in the process, as it is made, so the Qt layer
  // can present it. Returns the hook installed before.
  static TnAoCriar SetAoCriar(TnAoCriar aoCriar);

 private:
  void Configurar(TnBarraProgresso &barra, int minimo, int maximo);
  void Avancar(TnBarraProgresso &barra);
  void Notificar(TnEventoProgresso evento);

  QObject *FDono;
  TnModoProgresso FModo = TnModoProgresso::Simples;
  bool FVisivel = false;
  TnBarraProgresso FTotal;
  TnBarraProgresso FParcial;
  std::vector<std::pair<int, TnObservador>> FObservadores;
  int FProximoId = 1;
};
