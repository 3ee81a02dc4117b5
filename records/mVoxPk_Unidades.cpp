// The unit order of the mVoxPk library, and its entry. The loader runs the
// units' initializations in this order when it opens the library and their
// finalizations in reverse when it unloads it. The records' units come first,
// then the processes'.
// A unit comes after the units it uses; every new unit of the library adds its
// two functions below and a line to the list, between the markers.
#include <iterator>

#include "nPacotes_U.h"

namespace nUnidades {
void _mVoxPk_Ini_Inicializar();
void _mVoxPk_Ini_Finalizar();
void _mVoxPk_Fim_Inicializar();
void _mVoxPk_Fim_Finalizar();
}  // namespace nUnidades

namespace {

using namespace nUnidades;

const TnUnidadePacote GUnidades[] = {
    {"_mVoxPk_Ini", &_mVoxPk_Ini_Inicializar, &_mVoxPk_Ini_Finalizar},
    {"_mVoxPk_Fim", &_mVoxPk_Fim_Inicializar, &_mVoxPk_Fim_Finalizar},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
