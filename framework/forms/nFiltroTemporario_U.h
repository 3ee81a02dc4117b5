#pragma once

#include <QString>

#include "nframework_export.h"

class TnDMClientDataSet;

// Narrows the rows of a shared lookup module while a caller shows it, and
// puts back the filter it found when it goes (also when the showing raises),
// so whoever opens the lookup next sees it as it was. A module freed
// meanwhile is left alone. An empty filter changes nothing.
class NFRAMEWORK_EXPORT TnFiltroTemporario {
 public:
  TnFiltroTemporario(TnDMClientDataSet *modulo, const QString &filtro);
  ~TnFiltroTemporario();
  TnFiltroTemporario(const TnFiltroTemporario &) = delete;
  TnFiltroTemporario &operator=(const TnFiltroTemporario &) = delete;

 private:
  TnDMClientDataSet *FModulo;
  QString FFiltroAntes;
  bool FFiltradoAntes = false;
};
