#include <gtest/gtest.h>

#include "nActionList_U.h"
#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nRegistro_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kDireitoAlt = QStringLiteral("DireitoAltProtocolo");

class TnDireitoTest : public TnBancoTeste {
 protected:
  TnDMDireitoUsuario &Direitos() { return *nDMDireitoUsuario(); }
};

class TnDirCadastro : public TnDataModule {
 public:
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Protocolo", .Category = "02 Movimentos\\01 Protocolos", .Modulo = "mVox"}};
  }
};

class TnDirConsulta : public TnDataModule {
 public:
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Protocolo", .Category = "03 Consultas", .Modulo = "mVox", .CriarMenu = false}};
  }
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
};

class TnDirItem : public TnDataModule {
 public:
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Protocolo - Itens", .Category = "02 Movimentos\\10 Protocolos", .Modulo = "mVox",
             .CriarMenu = false}};
  }
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TnDirCadastro")}; }
};

}  // namespace

TEST_F(TnDireitoTest, TheRightIsGrantedOnlyToTheUserWhoseRowHoldsEight) {
  ASSERT_EQ(Conexao().CodigoUsuario(), 1);
  EXPECT_EQ(Direitos().PegarDireito(kDireitoAlt), QChar(u'8'));
  EXPECT_TRUE(Direitos().TemDireito(kDireitoAlt));
  Conexao().SetCodigoUsuario(2);  // Maria has no row for it
  EXPECT_EQ(Direitos().PegarDireito(kDireitoAlt), QChar(u'0'));
  EXPECT_FALSE(Direitos().TemDireito(kDireitoAlt));
  EXPECT_EQ(Direitos().PegarDireito(1, QStringLiteral("direitoaltprotocolo")), QChar(u'8'));
  EXPECT_EQ(Direitos().PegarDireito(1, QStringLiteral("DireitoInexistente")), QChar(u'0'));
}

TEST_F(TnDireitoTest, SettingAUsersRightReplacesHisValueAndTouchesNoOtherUser) {
  Direitos().SetDireito(2, kDireitoAlt, u'8');
  EXPECT_EQ(Direitos().PegarDireito(2, kDireitoAlt), QChar(u'8'));
  Direitos().SetDireito(2, QStringLiteral("DIREITOALTPROTOCOLO"), u'1');  // any value but 8 refuses
  EXPECT_FALSE(Direitos().PegarDireito(2, kDireitoAlt) == QChar(u'8'));
  EXPECT_EQ(Contar(QStringLiteral("USUARIODIREITO"), QStringLiteral("CODIGOUSUARIO = 2")), 1);
  EXPECT_EQ(Direitos().PegarDireito(1, kDireitoAlt), QChar(u'8'));

  Direitos().RemoverDireito(2, kDireitoAlt);
  EXPECT_EQ(Direitos().PegarDireito(2, kDireitoAlt), QChar(u'0'));
  EXPECT_EQ(Direitos().PegarDireito(1, kDireitoAlt), QChar(u'8'));
}

TEST_F(TnDireitoTest, TheRightsTreeHoldsTheActionsWithOwnRightsThenTheModulesOwnRights) {
  TnUnidadeRegistro unidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{nInfoClasse<TnDirCadastro>("TnDirCadastro", "TnDataModule"),
                               nInfoClasse<TnDirConsulta>("TnDirConsulta", "TnDataModule"),
                               nInfoClasse<TnDirItem>("TnDirItem", "TnDataModule")};
  });
  unidade.Inicializar();
  SetFOnGerarPrincActionMods([](TnActionList &lista) {
    TnAction &action = lista.CriarAction();
    action.SetCategory(QStringLiteral("03 Protocolos"));
    action.SetCaption(QStringLiteral("Usuário pode Alterar Protocolo"));
    action.SetName(kDireitoAlt);
    action.SetIndex(1000);
    action.SetTag(3);
  });

  TnActionList arvore;
  Direitos().GerarActionsDireito(arvore, {nModuloMVox});
  SetFOnGerarPrincActionMods(nullptr);
  unidade.Finalizar();

  QStringList nomes;
  for (const TnAction *action : arvore.Actions())
    if (action->Name().startsWith(QStringLiteral("actTnDir")) || action->Name() == kDireitoAlt)
      nomes.append(action->Name());
  // The lookup has no right of its own and the items are governed by the register's.
  EXPECT_EQ(nomes, (QStringList{"actTnDirCadastro", "DireitoAltProtocolo"}));
  EXPECT_FALSE(arvore.Find(QStringLiteral("actTnDirCadastro"))->OnExecute());
  EXPECT_EQ(arvore.Find(kDireitoAlt)->Tag(), 3);
}
