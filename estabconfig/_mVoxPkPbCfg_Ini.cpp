// First unit of the mVoxPkPbCfg library: marks where its unit list begins. It
// does nothing; the library's unit list (estabconfig/mVoxPkPbCfg_Unidades.cpp)
// names it so the order is visible.
namespace nUnidades {
void _mVoxPkPbCfg_Ini_Inicializar() {}
void _mVoxPkPbCfg_Ini_Finalizar() {}
}  // namespace nUnidades
