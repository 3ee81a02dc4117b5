#pragma once

#include <gtest/gtest.h>

#include "nDialogosRoteiro_U.h"
#include "nDialogos_U.h"

// Scripted dialogs for one test: installs a TnDialogosRoteiro on construction
// and, on destruction, reports as test failures every unexpected dialog and
// every queued answer that was never asked for, then puts the previous
// implementation back. Hold one as a member of the fixture (or a local of the
// test) and queue answers through ->:
//
//   TnDialogosTeste dialogos;
//   dialogos->ResponderTexto("Não");
//   ...
//   EXPECT_EQ(dialogos->Textos(), QStringList{"Confirma?"});
class TnDialogosTeste {
 public:
  TnDialogosTeste() : FAnterior(nSetDialogos(&FRoteiro)) {}
  ~TnDialogosTeste() {
    Verificar();
    nSetDialogos(FAnterior);
  }
  TnDialogosTeste(const TnDialogosTeste &) = delete;
  TnDialogosTeste &operator=(const TnDialogosTeste &) = delete;

  TnDialogosRoteiro &Roteiro() { return FRoteiro; }
  TnDialogosRoteiro *operator->() { return &FRoteiro; }

  // Reports the failures not reported yet and the answers never taken (which
  // are then dropped). Runs by itself at the end of the test; a test may call
  // it earlier to check one step.
  void Verificar() {
    const QStringList &falhas = FRoteiro.Falhas();
    if (FFalhasReportadas > falhas.size()) FFalhasReportadas = 0;  // the test cleared the script
    for (qsizetype i = FFalhasReportadas; i < falhas.size(); ++i) ADD_FAILURE() << falhas.at(i).toStdString();
    FFalhasReportadas = falhas.size();
    if (FRoteiro.Pendentes() > 0) {
      ADD_FAILURE() << FRoteiro.Pendentes() << " resposta(s) de diálogo prevista(s) e não usada(s); perguntas feitas: "
                    << FRoteiro.Textos().join(QStringLiteral(" / ")).toStdString();
      FRoteiro.DescartarRespostas();
    }
  }

 private:
  TnDialogosRoteiro FRoteiro;
  TnDialogos *FAnterior;
  qsizetype FFalhasReportadas = 0;
};
