#include "mVoxJobCadastro_U.h"

#include "nInserirOuAtualizarJobCadastroPadrao_U.h"
#include "nSchema_U.h"

void TmVoxJobCadastro::DepoisConverter(QObject *sender) { TnInserirOuAtualizarJobCadastroPadrao::Executar(sender); }

void TmVoxJobCadastro::Instalar() {
  nSetDepoisConverter([] { DepoisConverter(nullptr); });
}
