#pragma once

#include <QString>

#include "nframework_export.h"

// The 32-bit string hash of the action lists (the rights tree links a detail's
// action to its master's by it). FNV-1a: offset basis 2166136261, prime
// 16777619, over the UTF-8 bytes of the text. The value depends on nothing
// but the text, so it is the same on every run, platform and build and may be
// stored.
class NFRAMEWORK_EXPORT TnHash32 {
 public:
  quint32 HashValue(const QString &texto) const;
};
