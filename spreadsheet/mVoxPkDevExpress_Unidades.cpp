// The unit order of the mVoxPkDevExpress library, and its entry. The loader
// runs the units' initializations in this order when it opens the library and
// their finalizations in reverse when it unloads it. The library stays mapped
// after its finalizations: the formula functions it adds stay in the
// spreadsheet repository for the life of the process.
// A unit comes after the units it uses; every new unit of the library adds its
// two functions below and a line to the list, between the markers.
#include <iterator>

#include "nPacotes_U.h"

namespace nUnidades {
void _mVoxPkDevExpress_Ini_Inicializar();
void _mVoxPkDevExpress_Ini_Finalizar();
void nOPlanilha_U_Inicializar();
void nOPlanilha_U_Finalizar();
void _mVoxPkDevExpress_Fim_Inicializar();
void _mVoxPkDevExpress_Fim_Finalizar();
}  // namespace nUnidades

namespace {

using namespace nUnidades;

const TnUnidadePacote GUnidades[] = {
    {"_mVoxPkDevExpress_Ini", &_mVoxPkDevExpress_Ini_Inicializar, &_mVoxPkDevExpress_Ini_Finalizar},
    {"nOPlanilha_U", &nOPlanilha_U_Inicializar, &nOPlanilha_U_Finalizar},
    {"_mVoxPkDevExpress_Fim", &_mVoxPkDevExpress_Fim_Inicializar, &_mVoxPkDevExpress_Fim_Finalizar},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 1, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
