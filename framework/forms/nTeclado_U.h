#pragma once

#include <QFlags>

// Keys as the key-down handlers receive them: the platform's virtual key
// codes, which the Qt layer translates Qt's key events into. Letters are their
// upper-case character codes ('C' = 67).
constexpr int nTeclaTab = 9;
constexpr int nTeclaEnter = 13;
constexpr int nTeclaEsc = 27;
constexpr int nTeclaF3 = 114;

// The modifier keys held during a key press.
enum TShiftStateFlag : unsigned {
  ssShift = 0x1,
  ssAlt = 0x2,
  ssCtrl = 0x4,
};
using TShiftState = QFlags<TShiftStateFlag>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)
