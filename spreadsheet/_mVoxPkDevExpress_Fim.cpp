// Last unit of the mVoxPkDevExpress library: marks where its unit list ends. It
// does nothing; the library's unit list
// (spreadsheet/mVoxPkDevExpress_Unidades.cpp) names it so the order is visible.
namespace nUnidades {
void _mVoxPkDevExpress_Fim_Inicializar() {}
void _mVoxPkDevExpress_Fim_Finalizar() {}
}  // namespace nUnidades
