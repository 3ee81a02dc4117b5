// The two module libraries reach each other's classes by name only: the
// document-group register lives in the protocol library, its lookup in the
// establishment configuration library. Whichever library loads first, each
// side finds the other once both are loaded, and a missing partner is simply
// not found. This program opens the libraries itself, in the order each test
// names, and unloads them after the test.

#include "mVoxPkTeste_U.h"
#include "nFrmConGrid_U.h"
#include "nFrmVisual_U.h"
#include "nPacotes_U.h"

namespace {

class OrdemCargaTeste : public TmVoxCadastroTeste {
 protected:
  void TearDown() override {
    nSetExecutarFormModal(FModalAnterior);
    TmVoxCadastroTeste::TearDown();
    FPacotes.DescarregarPacotes();
  }

  void Carregar(const QString &biblioteca) {
    ASSERT_TRUE(FPacotes.AbrirPacote(biblioteca)) << biblioteca.toStdString();
  }

  // The partner of a module, created by the design name it declares.
  static TnDMClientDataSet *Parceiro(const TnDMClientDataSet &dm) {
    return dynamic_cast<TnDMClientDataSet *>(CriarDM(QStringLiteral("T") + dm.CadCons()));
  }

  // The configuration register's group editor opens the group lookup, which
  // picks group 2; the chosen code must land in the configuration.
  void EscolherGrupoNaConfiguracao() {
    FModalAnterior = nSetExecutarFormModal([](TnFrmVisual &form) {
      auto *grade = dynamic_cast<TnFrmConGrid *>(&form);
      ASSERT_NE(grade, nullptr);
      EXPECT_EQ(form.DataModule()->ClassName(), QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
      ASSERT_TRUE(grade->DataSet()->Locate(QStringLiteral("CODIGOGRUPODOC"), 2));
      grade->Escolher();
    });
    TnDMClientDataSet *cfg = Criar(QStringLiteral("TmVoxDMCfgEstabPro"));
    ASSERT_NE(cfg, nullptr);
    TnClientDataSet &dados = *cfg->nClientDataSet;
    ASSERT_TRUE(dados.Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 1}));
    ASSERT_TRUE(cfg->AbrirLookup(dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"))));
    EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"))->AsInteger(), 2);
    dados.Cancel();
  }

  TnPacotes FPacotes;
  TnExecutarFormModal FModalAnterior;
};

TEST_F(OrdemCargaTeste, GroupLookupLoadedFirstFindsItsRegisterOnceTheProtocolLibraryLoads) {
  Carregar(QStringLiteral("mVoxPkPbCfg"));
  TnDMClientDataSet *consulta = Criar(QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  ASSERT_NE(consulta, nullptr);
  EXPECT_EQ(Parceiro(*consulta), nullptr);
  EscolherGrupoNaConfiguracao();

  Carregar(QStringLiteral("mVoxPk"));
  TnDMClientDataSet *cadastro = Parceiro(*consulta);
  ASSERT_NE(cadastro, nullptr);
  EXPECT_EQ(cadastro->ClassName(), QStringLiteral("TmVoxDMProtocoloGrupoDoc"));
  TnDMClientDataSet *volta = Parceiro(*cadastro);
  ASSERT_NE(volta, nullptr);
  EXPECT_EQ(volta->ClassName(), QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  EscolherGrupoNaConfiguracao();
}

TEST_F(OrdemCargaTeste, GroupRegisterLoadedFirstFindsItsLookupOnceTheConfigurationLibraryLoads) {
  Carregar(QStringLiteral("mVoxPk"));
  TnDMClientDataSet *cadastro = Criar(QStringLiteral("TmVoxDMProtocoloGrupoDoc"));
  ASSERT_NE(cadastro, nullptr);
  EXPECT_EQ(Parceiro(*cadastro), nullptr);

  Carregar(QStringLiteral("mVoxPkPbCfg"));
  TnDMClientDataSet *consulta = Parceiro(*cadastro);
  ASSERT_NE(consulta, nullptr);
  EXPECT_EQ(consulta->ClassName(), QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  consulta->Abrir();
  EXPECT_EQ(consulta->nClientDataSet->RecordCount(), 2);
  TnDMClientDataSet *volta = Parceiro(*consulta);
  ASSERT_NE(volta, nullptr);
  EXPECT_EQ(volta->ClassName(), QStringLiteral("TmVoxDMProtocoloGrupoDoc"));
  EscolherGrupoNaConfiguracao();
}

}  // namespace
