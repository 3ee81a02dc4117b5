#pragma once

// Small text helpers the suite's units share with the protocol module.

#include <QString>
#include <QStringList>

#include "nframework_export.h"

// Whether code `n` is on in a check list's value, the ticked codes joined by
// ";" ("1;2;6"). Each part is compared, blanks around it ignored, with the
// decimal text of `n`: "16" does not hold 6, "06" does not either.
NFRAMEWORK_EXPORT bool BitLigado(const QString &valor, int n);

// Takes the text before the first `separador` out of `texto`, with the
// separator, and returns it. With no separator left the whole remaining text is
// the token and `texto` ends empty. Nothing is trimmed; letters are compared
// exactly. An empty separator never matches.
//   "a;b" -> "a", leaves "b";  ";b" -> "", leaves "b";  "a;" -> "a", leaves "".
NFRAMEWORK_EXPORT QString PegarProximoToken(QString &texto, const QString &separador);

// The tokens PegarProximoToken takes one after the other until the text is
// used up: inner empty parts are kept, a separator at the very end adds no
// empty part, and an empty text gives no part at all.
//   "1;;3" -> {"1", "", "3"};  "1;2;" -> {"1", "2"};  "" -> {}.
NFRAMEWORK_EXPORT QStringList StrToStrArray(const QString &texto, const QString &separador);
