#pragma once

#include <QString>

#include "nframework_export.h"

// The suite's protocol functions that the module's registers and processes
// call: what an establishment's protocol configuration says.

// True when the establishment has a protocol configuration (a CFGESTABPRO
// row).
NFRAMEWORK_EXPORT bool ChecarConfiguracaoPro(int empresa, int estab);
// Raises Exception "Filial não configurada no Protocolo." when the
// establishment has no protocol configuration.
NFRAMEWORK_EXPORT void ChecarConfigurarEmpPro(int empresa, int estab);
// The establishment's delivery form as text ("1" withdrawn, "2" handed over,
// "3" over the internet); empty when it has no configuration or no form.
NFRAMEWORK_EXPORT QString PegarFormaEntrega(int empresa, int estab);
