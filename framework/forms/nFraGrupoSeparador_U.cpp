#include "nFraGrupoSeparador_U.h"

TnFraGrupoSeparador::TnFraGrupoSeparador(TnPainel *area, const QString &campoSeguinte, const QString &caption)
    : TnPainel(area, QStringLiteral("grp") + campoSeguinte.trimmed().toUpper()),
      FCampoSeguinte(campoSeguinte.trimmed()) {
  SetCaption(caption);
  SetBorda(false);
  SetNegrito(true);
}
