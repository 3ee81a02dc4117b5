#pragma once

#include <QString>
#include <bitset>
#include <initializer_list>

#include "nframework_export.h"

// A module of the suite by its ordinal (0..191). The running module set tells
// which modules' menu entries the main menu gets.
using TnPerModulo = int;

inline constexpr TnPerModulo nModuloRTul = 0;   // "rTul", the suite's base module
inline constexpr TnPerModulo nModuloMVox = 13;  // "mVox", this protocol module
inline constexpr int nQuantidadeModulos = 192;

// A set of module ordinals.
class NFRAMEWORK_EXPORT TnModulos {
 public:
  TnModulos() = default;
  // Raises Exception when an ordinal is outside 0..191.
  TnModulos(std::initializer_list<TnPerModulo> modulos);

  // Both raise Exception when the ordinal is outside 0..191: a wrong ordinal
  // is a programming error that would otherwise hide a whole menu.
  TnModulos &Incluir(TnPerModulo modulo);
  TnModulos &Excluir(TnPerModulo modulo);
  // False for any ordinal outside 0..191.
  bool Contem(TnPerModulo modulo) const;
  bool Vazio() const { return FBits.none(); }
  int Quantidade() const { return static_cast<int>(FBits.count()); }

  bool operator==(const TnModulos &outro) const = default;

 private:
  std::bitset<nQuantidadeModulos> FBits;
};

// The ordinal of a module code as menu declarations write it ("mVox" 13,
// "rTul" 0), in any case; -1 for a code this program does not know, which no
// module set contains.
NFRAMEWORK_EXPORT TnPerModulo nOrdinalModulo(const QString &codigo);

// The module the program runs as (13, "mVox", unless set otherwise).
NFRAMEWORK_EXPORT TnPerModulo PegarModuloAtual();
NFRAMEWORK_EXPORT void SetModuloAtual(TnPerModulo modulo);
