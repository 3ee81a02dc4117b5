#pragma once

#include <QtGlobal>

// A colour as the forms and grids hand it to the Qt layer: 0xRRGGBB, or
// nCorPadrao for "whatever the platform uses here" (the window-text colour of
// a label or a grid cell).
using TnCor = quint32;

constexpr TnCor nCorPadrao = 0xFF000000u;
constexpr TnCor nCorPreto = 0x000000u;
constexpr TnCor nCorBranco = 0xFFFFFFu;
constexpr TnCor nCorVermelho = 0xFF0000u;
constexpr TnCor nCorAzul = 0x0000FFu;
constexpr TnCor nCorVerde = 0x008000u;
constexpr TnCor nCorPrata = 0xC0C0C0u;
