#pragma once

#include <QDateTime>
#include <QString>

#include "nframework_export.h"

// The withdrawal dialog of a protocol: who handed the documents over, who
// received them and when. For nature 1 (the office hands them over) the
// internal user delivers and an external person receives; for any other
// nature (the office receives them) the external person delivers and the
// internal user receives.
//
// The fields open with the values passed in (an internal user of 0 opens
// with the session's user, an invalid moment with the framework's clock).
// OK is accepted only with an external person of at most 50 characters, an
// internal user of the USUARIO table, a valid date "dd/mm/aaaa" and a valid
// time "hh:mm" (or "hh:mm:ss"); otherwise the reason is shown and the dialog
// stays open. Returns true on OK with the three values filled; on cancel
// returns false and leaves them as they were. `empresa` and `estab` name the
// protocol's establishment in the caption.
NFRAMEWORK_EXPORT bool PegarDadosBaixa(int natureza, QString &usuarioExt, int &codigoUsuarioInt,
                                       QDateTime &dataHoraEntrega, int empresa, int estab);
