#pragma once

#include "nframework_export.h"

// The classes the framework itself registers by name: the data-module base
// (for "is a" tests) and the stand-ins of the other suite modules' lookups
// (TrTulDCEmpresa, TrTulDCEstab). The program calls the registration at
// start, before loading the module libraries, and the removal at the end;
// tests call both around each test. Counted: only the first registration
// registers and only the matching last removal removes.
NFRAMEWORK_EXPORT void nRegistrarClassesFramework();
NFRAMEWORK_EXPORT void nRemoverClassesFramework();
