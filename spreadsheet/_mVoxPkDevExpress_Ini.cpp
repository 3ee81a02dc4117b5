// First unit of the mVoxPkDevExpress library: marks where its unit list begins.
// It does nothing; the library's unit list
// (spreadsheet/mVoxPkDevExpress_Unidades.cpp) names it so the order is visible.
namespace nUnidades {
void _mVoxPkDevExpress_Ini_Inicializar() {}
void _mVoxPkDevExpress_Ini_Finalizar() {}
}  // namespace nUnidades
