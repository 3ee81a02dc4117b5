// The program block: the post-conversion hook, then the whole run handed to
// the project runner with the module's splash and main window. With
// MVOX_MEDIR_INICIO set the program ends once its main window is shown and
// says how long that took (see mVoxMedirInicio_U.h).
#include <QtGlobal>

#include "mVoxJobCadastro_U.h"
#include "mVoxMedirInicio_U.h"
#include "mVoxSMenu_U.h"
#include "mVoxSSplash_U.h"
#include "nExecutarProjeto_U.h"

// The main window while it exists.
TnFrmMenuMorvane *FrmMenuPrincipal = nullptr;

int main(int argc, char **argv) {
  TmVoxMedirInicio::Marcar();
  // With TZ unset the C library re-reads the zone file on every local-time
  // conversion; naming the system zone once makes date-times cheap.
  if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
  TmVoxJobCadastro::Instalar();
  return ExecutarProjeto(
      argc, argv, QStringLiteral("PRO - Morvane"), [] { return new TmVoxSSplash; },
      [] {
        auto *janela = new TmVoxSMenu;
        TmVoxMedirInicio::VigiarSePedido(janela);
        return janela;
      },
      &FrmMenuPrincipal);
}
