#include "nObservadorDataSet_U.h"

TnObservadorDataSet::~TnObservadorDataSet() = default;
