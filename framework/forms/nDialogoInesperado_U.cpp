#include "nDialogoInesperado_U.h"

EDialogoInesperado::EDialogoInesperado(QString message) : Exception(std::move(message)) {}
