#pragma once

#include <optional>

#include "nframework_export.h"

class TnDMConexao;

// The user of the session: `pedido` when given (raises Exception when USUARIO
// has no such user), else the lowest user code of USUARIO, else 1.
NFRAMEWORK_EXPORT int nUsuarioInicial(TnDMConexao &conexao, std::optional<int> pedido);
