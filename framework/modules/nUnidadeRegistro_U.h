#pragma once

#include <QList>
#include <functional>

#include "nClasseInfo_U.h"
#include "nframework_export.h"

// The initialization guard of one unit of a module library: a counter, so
// that however many times the unit is initialized only the first time does
// the work, and only the matching last finalization undoes it.
//
// Typical unit (one static registrar per unit):
//
//   static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses(
//       [] { return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocolo>("TmVoxDMProtocolo", "TnDMClientDataSet")}; });
//   void mVoxDMProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
//   void mVoxDMProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
class NFRAMEWORK_EXPORT TnUnidadeRegistro {
 public:
  TnUnidadeRegistro(std::function<void()> inicializacao, std::function<void()> finalizacao);
  // A unit that registers classes: the first initialization registers them in
  // list order, the last finalization unregisters them in reverse order.
  static TnUnidadeRegistro DeClasses(std::function<QList<TnClasseInfo>()> classes);

  // Counts up; runs the initialization when the count was 0. When the
  // initialization raises, the count stays 0 and the error goes on. True when
  // it ran.
  bool Inicializar();
  // Counts down; runs the finalization when the count reaches 0. Nothing with
  // the count already 0. True when it ran.
  bool Finalizar();
  int Contador() const { return FContador; }

 private:
  std::function<void()> FInicializacao;
  std::function<void()> FFinalizacao;
  int FContador = 0;
};
