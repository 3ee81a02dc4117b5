#pragma once

// How long the program takes to show its main window, for the start-up
// benchmark (bench/mVoxBenchInicio.cpp). Only when the environment variable
// MVOX_MEDIR_INICIO is set (to anything not empty): once the main window has
// been painted for the first time, the program prints one line on the
// standard output,
//   mVox-inicio: <ms since main()> ms, pico <peak resident KiB> KiB
// and ends as if the window had been closed (exit code 0). Without the
// variable nothing is watched and nothing changes.

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

class TmVoxMedirInicio : public QObject {
 public:
  // Watches `janela`; `pronto` runs once, from the event loop, after the
  // window's first paint is over. The watcher is a child of the window.
  TmVoxMedirInicio(QWidget *janela, std::function<void()> pronto);

  // The start of the clock: the first statement of main().
  static void Marcar();
  // Whether MVOX_MEDIR_INICIO asks for the measure.
  static bool Pedido();
  // The line printed: the time since Marcar() and the peak resident memory.
  static QString Linha();
  // When Pedido(): once `janela` is shown, prints Linha() and quits the
  // application's event loop.
  static void VigiarSePedido(QWidget *janela);

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  std::function<void()> FPronto;
  bool FPintou = false;
};
