#include "cWezTipos_U.h"

QString DescricaoVistaPrazo(int vistaPrazo) {
  switch (vistaPrazo) {
    case vpAVista:
      return QStringLiteral("À Vista");
    case vpAPrazo:
      return QStringLiteral("A Prazo");
    default:
      return QString();
  }
}
