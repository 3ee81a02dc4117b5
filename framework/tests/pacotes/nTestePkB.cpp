// Test library B: a configuration register and its lookup declaring entries
// for the "mVox" and "rTul" menus, and a unit that sets the rights hook.
#include <iterator>

#include "nActionList_U.h"
#include "nClasseInfo_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nPacotes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

class TnTesteDMConfig : public TnDataModule {
 public:
  static int PegarTipoObjeto() { return 1; }
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Configuração da Filial",
             .Category = "5 Configurações",
             .Index = 1,
             .Modulo = "mVox",
             .ImageIndex = 101,
             .ShortCutStr = "Shift+Ctrl+F12"},
            {.Caption = "Protocolo",
             .Category = "10 Configurações",
             .Index = 25,
             .Modulo = "rTul",
             .ImageIndex = 101,
             .CriarMenu = false}};
  }
};

// Like the establishment configuration's lookup: no rights call of its own.
class TnTesteDCConfig : public TnDataModule {
 public:
  static int PegarTipoObjeto() { return 2; }
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Configuração da Filial",
             .Category = "5 Configurações\\00 Consultas",
             .Index = 1,
             .Modulo = "mVox",
             .ImageIndex = 101,
             .CriarMenu = false},
            {.Caption = "Protocolo",
             .Category = "10 Configurações\\00 Consultas",
             .Index = 25,
             .Modulo = "rTul",
             .ImageIndex = 101,
             .CriarMenu = false}};
  }
};

TnUnidadeRegistro GConfig = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TnTesteDMConfig>("TnTesteDMConfig", "TnDataModule"),
                             nInfoClasse<TnTesteDCConfig>("TnTesteDCConfig", "TnDataModule")};
});

// The module's own right; the finalization leaves the hook in place.
TnUnidadeRegistro GDireito(
    [] {
      SetFOnGerarPrincActionMods([](TnActionList &lista) {
        TnAction &action = lista.CriarAction();
        action.SetCategory(QStringLiteral("03 Protocolos"));
        action.SetCaption(QStringLiteral("Usuário pode Testar"));
        action.SetName(QStringLiteral("DireitoTeste"));
        action.SetIndex(1000);
        action.SetTag(3);
      });
    },
    nullptr);

void Nada() {}
void ConfigIni() { GConfig.Inicializar(); }
void ConfigFim() { GConfig.Finalizar(); }
void DireitoIni() { GDireito.Inicializar(); }
void DireitoFim() { GDireito.Finalizar(); }

const TnUnidadePacote GUnidades[] = {
    {"_nTestePkB_Ini", &Nada, &Nada},
    {"nTesteDMConfig_U", &ConfigIni, &ConfigFim},
    {"nTesteDireito_U", &DireitoIni, &DireitoFim},
    {"_nTestePkB_Fim", &Nada, &Nada},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
