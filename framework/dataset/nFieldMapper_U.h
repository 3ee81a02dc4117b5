#pragma once

#include "nClientDataSet_U.h"

// Binds a typed view's field pointers to a dataset's fields by name, in any
// case. A view is a struct with `void Mapear(TnClientDataSet &)` that binds
// its members through TnClientDataSet::MapearCampo (see
// TnClientDataSet::Mapeamento).
class TnFieldMapper {
 public:
  // Binds `objeto` now. Bind again after the dataset makes its fields anew
  // (a re-open with another select); prefer the dataset-owned form below,
  // which re-binds by itself.
  template <class T>
  static void MapearFields(TnClientDataSet &dados, T &objeto) {
    objeto.Mapear(dados);
  }
  // The dataset's own view of type T, kept bound as the fields change.
  template <class T>
  static T &MapearFields(TnClientDataSet &dados) {
    return dados.Mapeamento<T>();
  }
};
