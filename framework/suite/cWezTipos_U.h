#pragma once

#include <QString>

#include "nframework_export.h"

// Types of the suite's financial module that the protocol module reads.

// The payment term of a service invoice (SERVICONOTA.VISTAPRAZO).
enum TnVistaPrazo : int {
  vpAVista = 0,
  vpAPrazo = 1,
};

// The name of a payment term as the financial module shows it: "À Vista",
// "A Prazo"; the empty text for a value the module does not know.
NFRAMEWORK_EXPORT QString DescricaoVistaPrazo(int vistaPrazo);
