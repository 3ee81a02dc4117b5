// Test library that loads but has no entry: the loader must refuse it.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT int nTestePkSemEntradaVersao() { return 1; }
