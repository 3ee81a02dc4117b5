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
// --- archive
void mVoxDMProtocoloLocalCaixa_U_Inicializar();
void mVoxDMProtocoloLocalCaixa_U_Finalizar();
void mVoxDCProtocoloLocalCaixa_U_Inicializar();
void mVoxDCProtocoloLocalCaixa_U_Finalizar();
// --- end archive
// --- protocols
// --- end protocols
// --- documents and routes
// --- end documents and routes
// --- document types
// --- end document types
}  // namespace nUnidades

namespace {

using namespace nUnidades;

const TnUnidadePacote GUnidades[] = {
    {"_mVoxPk_Ini", &_mVoxPk_Ini_Inicializar, &_mVoxPk_Ini_Finalizar},
    // --- archive
    {"mVoxDMProtocoloLocalCaixa_U", &mVoxDMProtocoloLocalCaixa_U_Inicializar, &mVoxDMProtocoloLocalCaixa_U_Finalizar},
    {"mVoxDCProtocoloLocalCaixa_U", &mVoxDCProtocoloLocalCaixa_U_Inicializar, &mVoxDCProtocoloLocalCaixa_U_Finalizar},
    // --- end archive
    // --- protocols
    // --- end protocols
    // --- documents and routes
    // --- end documents and routes
    // --- document types
    // --- end document types
    {"_mVoxPk_Fim", &_mVoxPk_Fim_Inicializar, &_mVoxPk_Fim_Finalizar},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
