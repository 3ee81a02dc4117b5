// Last unit of the mVoxPkPbCfg library: marks where its unit list ends. It does
// nothing; the library's unit list (estabconfig/mVoxPkPbCfg_Unidades.cpp) names
// it so the order is visible.
namespace nUnidades {
void _mVoxPkPbCfg_Fim_Inicializar() {}
void _mVoxPkPbCfg_Fim_Finalizar() {}
}  // namespace nUnidades
