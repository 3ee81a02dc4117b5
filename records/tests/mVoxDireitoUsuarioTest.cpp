#include <gtest/gtest.h>

#include "nActionList_U.h"
#include "nAction_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nModulos_U.h"

namespace {

// The rights tree of the running program holds the module's own right.
TEST(DireitosDoModulo, RightToChangeAProtocolIsDeclaredInTheRightsTree) {
  TnActionList lista;
  nDMDireitoUsuario()->GerarActionsDireito(lista, TnModulos{nModuloMVox});
  const TnAction *direito = lista.Find(QStringLiteral("DireitoAltProtocolo"));
  ASSERT_NE(direito, nullptr);
  EXPECT_EQ(direito->Category(), QStringLiteral("03 Protocolos"));
  EXPECT_EQ(direito->Caption(), QStringLiteral("Usuário pode Alterar Protocolo"));
  EXPECT_EQ(direito->Index(), 1000);
  EXPECT_EQ(direito->Tag(), 3);
  EXPECT_EQ(lista.FindAll(QStringLiteral("DireitoAltProtocolo")).size(), 1);
}

}  // namespace
