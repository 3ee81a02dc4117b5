#include "mVoxMedirInicio_U.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include <sys/resource.h>

namespace {

QElapsedTimer &Relogio() {
  static QElapsedTimer relogio;
  return relogio;
}

// Quits the application's event loop; while it has not started yet (the
// window may be painted while the splash waits for it, before the loop
// runs, and a quit then would be lost) the quit waits for it.
void SairQuandoRodando() {
  if (QThread::currentThread()->loopLevel() > 0)
    QCoreApplication::quit();
  else
    QTimer::singleShot(1, QCoreApplication::instance(), &SairQuandoRodando);
}

}  // namespace

TmVoxMedirInicio::TmVoxMedirInicio(QWidget *janela, std::function<void()> pronto)
    : QObject(janela), FPronto(std::move(pronto)) {
  janela->installEventFilter(this);
}

void TmVoxMedirInicio::Marcar() { Relogio().start(); }

bool TmVoxMedirInicio::Pedido() { return !qEnvironmentVariable("MVOX_MEDIR_INICIO").isEmpty(); }

QString TmVoxMedirInicio::Linha() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  const double ms = Relogio().isValid() ? Relogio().nsecsElapsed() / 1e6 : 0.0;
  return QStringLiteral("mVox-inicio: %1 ms, pico %2 KiB").arg(ms, 0, 'f', 1).arg(uso.ru_maxrss);
}

void TmVoxMedirInicio::VigiarSePedido(QWidget *janela) {
  if (!Pedido()) return;
  new TmVoxMedirInicio(janela, [] {
    std::printf("%s\n", qPrintable(Linha()));
    std::fflush(stdout);
    SairQuandoRodando();
  });
}

bool TmVoxMedirInicio::eventFilter(QObject *objeto, QEvent *evento) {
  // The call is queued so that the whole first paint (children included)
  // is done before it runs.
  if (!FPintou && evento->type() == QEvent::Paint) {
    FPintou = true;
    QMetaObject::invokeMethod(
        this, [this] { FPronto(); }, Qt::QueuedConnection);
  }
  return QObject::eventFilter(objeto, evento);
}
