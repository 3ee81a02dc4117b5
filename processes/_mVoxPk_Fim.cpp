// Last unit of the mVoxPk library: marks where its unit list ends. It does
// nothing; the library's unit list (records/mVoxPk_Unidades.cpp) names it so
// the order is visible.
namespace nUnidades {
void _mVoxPk_Fim_Inicializar() {}
void _mVoxPk_Fim_Finalizar() {}
}  // namespace nUnidades
