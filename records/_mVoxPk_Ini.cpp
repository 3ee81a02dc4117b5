// First unit of the mVoxPk library: marks where its unit list begins. It does
// nothing; the library's unit list (records/mVoxPk_Unidades.cpp) names it so
// the order is visible.
namespace nUnidades {
void _mVoxPk_Ini_Inicializar() {}
void _mVoxPk_Ini_Finalizar() {}
}  // namespace nUnidades
