// The unit order of the mVoxPkPbCfg library, and its entry. The loader runs the
// units' initializations in this order when it opens the library and their
// finalizations in reverse when it unloads it.
// A unit comes after the units it uses; every new unit of the library adds its
// two functions below and a line to the list, between the markers.
#include <iterator>

#include "nPacotes_U.h"

namespace nUnidades {
void _mVoxPkPbCfg_Ini_Inicializar();
void _mVoxPkPbCfg_Ini_Finalizar();
void mVoxDCProtocoloGrupoDoc_U_Inicializar();
void mVoxDCProtocoloGrupoDoc_U_Finalizar();
void mVoxDMEstabEntrega_U_Inicializar();
void mVoxDMEstabEntrega_U_Finalizar();
void mVoxDCEstabEntrega_U_Inicializar();
void mVoxDCEstabEntrega_U_Finalizar();
void mVoxDMCfgEstabPro_U_Inicializar();
void mVoxDMCfgEstabPro_U_Finalizar();
void mVoxDCCfgEstabPro_U_Inicializar();
void mVoxDCCfgEstabPro_U_Finalizar();
void _mVoxPkPbCfg_Fim_Inicializar();
void _mVoxPkPbCfg_Fim_Finalizar();
}  // namespace nUnidades

namespace {

using namespace nUnidades;

const TnUnidadePacote GUnidades[] = {
    {"_mVoxPkPbCfg_Ini", &_mVoxPkPbCfg_Ini_Inicializar, &_mVoxPkPbCfg_Ini_Finalizar},
    {"mVoxDCProtocoloGrupoDoc_U", &mVoxDCProtocoloGrupoDoc_U_Inicializar, &mVoxDCProtocoloGrupoDoc_U_Finalizar},
    {"mVoxDMEstabEntrega_U", &mVoxDMEstabEntrega_U_Inicializar, &mVoxDMEstabEntrega_U_Finalizar},
    {"mVoxDCEstabEntrega_U", &mVoxDCEstabEntrega_U_Inicializar, &mVoxDCEstabEntrega_U_Finalizar},
    {"mVoxDMCfgEstabPro_U", &mVoxDMCfgEstabPro_U_Inicializar, &mVoxDMCfgEstabPro_U_Finalizar},
    {"mVoxDCCfgEstabPro_U", &mVoxDCCfgEstabPro_U_Inicializar, &mVoxDCCfgEstabPro_U_Finalizar},
    {"_mVoxPkPbCfg_Fim", &_mVoxPkPbCfg_Fim_Inicializar, &_mVoxPkPbCfg_Fim_Finalizar},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
