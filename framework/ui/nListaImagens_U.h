#pragma once

#include <QIcon>
#include <QList>

#include "nframeworkui_export.h"

// The application's image list: tool buttons, actions and message lines name
// their image by index. Each index the program uses is served from the icon
// theme when the theme has a fitting icon, else by an icon drawn here, so a
// button never comes out blank on a machine without a theme. An index the
// list does not know gives a null icon (the button shows its caption only).
class NFRAMEWORKUI_EXPORT TnListaImagens {
 public:
  // The indices the list serves, ascending.
  static QList<int> Indices();
  static bool Contem(int indice);
  // The icon of `indice`; null for -1 and for unknown indices. Cached.
  static QIcon Icone(int indice);
  // The icon drawn here for `indice`, ignoring the theme (what a machine
  // without a theme shows).
  static QIcon IconeDesenhado(int indice);
};
