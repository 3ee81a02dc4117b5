#include "mVoxDireitoUsuario_U.h"

#include "nActionList_U.h"
#include "nAction_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nUnidadeRegistro_U.h"
#include "tBixPermissoes_U.h"

void mVoxGerarDireitos(TnActionList &lista) {
  TtBixPermissoes::tBixDoGerarPrincAction(lista);
  TnAction &direito = lista.CriarAction();
  direito.SetCategory(QStringLiteral("03 Protocolos"));
  direito.SetCaption(QStringLiteral("Usuário pode Alterar Protocolo"));
  direito.SetName(QStringLiteral("DireitoAltProtocolo"));
  direito.SetIndex(1000);
  direito.SetTag(3);
}

namespace nUnidades {
// The finalization leaves the hook alone: the loader resets the hooks of a
// library it unloads.
static TnUnidadeRegistro GUnidade([] { SetFOnGerarPrincActionMods(&mVoxGerarDireitos); }, [] {});
void mVoxDireitoUsuario_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDireitoUsuario_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
