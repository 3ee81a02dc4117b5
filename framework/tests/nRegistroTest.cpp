#include <gtest/gtest.h>

#include <QStringList>

#include "nActionList_U.h"
#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nException_U.h"
#include "nRegistro_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

int GLiberados = 0;     // test modules freed
QStringList GEventos;   // "criar <name>" / "destruir <name>", in order

class TnTesteModulo : public TnDataModule {
 public:
  ~TnTesteModulo() override { ++GLiberados; }
  void Refresh() override { ++Refreshes; }
  void DataModuleCreate() override { GEventos.append(QStringLiteral("criar ") + Name()); }
  void DataModuleDestroy() override { GEventos.append(QStringLiteral("destruir ") + Name()); }
  int Refreshes = 0;
};

class TnTesteDMCadastro : public TnTesteModulo {
 public:
  static int PegarTipoObjeto() { return 1; }
  static QString PegarVerificaSelecao() { return QStringLiteral("DataLctoPro_MAIORIGUAL"); }
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Cadastro", .Category = "01 Cadastros\\20 Protocolo", .Modulo = "mVox"}};
  }
};

class TnTesteDMCadastroFilho : public TnTesteDMCadastro {};

class TnTesteDMItem : public TnTesteModulo {};

// Creates its detail while it is created, as a register declaring its items grid does.
class TnTesteDMMestre : public TnTesteModulo {
 public:
  void DataModuleCreate() override {
    TnTesteModulo::DataModuleCreate();
    TnRegistro::Instancia().Criar(QStringLiteral("TnTesteDMItem"), nullptr, Modo(), this);
  }
};

class TnTesteDMQuebrado : public TnTesteModulo {
 public:
  void DataModuleCreate() override {
    TnTesteModulo::DataModuleCreate();
    TnRegistro::Instancia().Criar(QStringLiteral("TnTesteDMItem"), nullptr, QString(), this);
    throw Exception(QStringLiteral("Falha ao criar."));
  }
};

class TnRegistroTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GLiberados = 0;
    GEventos.clear();
    FUnidade.Inicializar();
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TnRegistro::Instancia().DestruirTodos();
  }
  static int Vivas(const QString &classe = QStringLiteral("TnTesteModulo")) {
    return static_cast<int>(TnRegistro::Instancia().Instancias(classe).size());
  }

  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{
        nInfoClasse<TnTesteModulo>("TnTesteModulo", "TnDataModule"),
        nInfoClasse<TnTesteDMCadastro>("TnTesteDMCadastro", "TnTesteModulo"),
        nInfoClasse<TnTesteDMCadastroFilho>("TnTesteDMCadastroFilho", "TnTesteDMCadastro"),
        nInfoClasse<TnTesteDMItem>("TnTesteDMItem", "TnTesteModulo"),
        nInfoClasse<TnTesteDMMestre>("TnTesteDMMestre", "TnTesteModulo"),
        nInfoClasse<TnTesteDMQuebrado>("TnTesteDMQuebrado", "TnTesteModulo"),
    };
  });
};

}  // namespace

// --- creation and names

TEST_F(TnRegistroTest, UnknownClassNamesAnswerNullAndNeverRaise) {
  const QString nenhuma = QStringLiteral("TtBixDPDorvAgenda");
  EXPECT_EQ(CriarDM(nenhuma), nullptr);
  EXPECT_EQ(CriarDM(nenhuma, nullptr, nModoIndividual), nullptr);
  EXPECT_EQ(CriarDMNovo(nenhuma), nullptr);
  EXPECT_EQ(PrepararDM(nenhuma, QString(), false, true, nullptr), nullptr);
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("tBixDPDorvAgenda")), nullptr);
  EXPECT_FALSE(DestruirDM(nenhuma, QString()));
  EXPECT_EQ(AtualizarDM(nenhuma, QString(), 0), 0);
  EXPECT_EQ(CriarDM(QString()), nullptr);
  EXPECT_NO_THROW(nUnRegisterClass(nenhuma));
  EXPECT_EQ(TnRegistro::Instancia().PegarTipoObjeto(nenhuma), 0);
  EXPECT_EQ(Vivas(), 0);
}

TEST_F(TnRegistroTest, ClassNamesMatchInAnyCaseAndTheInstanceTakesTheDesignName) {
  TnDataModule *dm = CriarDM(QStringLiteral("tntestedmcadastro"));
  ASSERT_NE(dm, nullptr);
  EXPECT_EQ(dm->ClassName(), QStringLiteral("TnTesteDMCadastro"));
  EXPECT_EQ(dm->NomeDesign(), QStringLiteral("nTesteDMCadastro"));
  EXPECT_EQ(dm->Name(), QStringLiteral("nTesteDMCadastro"));
  EXPECT_TRUE(dm->Modo().isEmpty());
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("NTESTEDMCADASTRO")), dm);
  EXPECT_EQ(TnRegistro::Instancia().PegarTipoObjeto(QStringLiteral("TNTESTEDMCADASTRO")), 1);
  EXPECT_EQ(GEventos, QStringList{QStringLiteral("criar nTesteDMCadastro")});
}

TEST_F(TnRegistroTest, EveryFurtherInstanceTakesTheLowestFreeSuffix) {
  TnDataModule *a = CriarDM(QStringLiteral("TnTesteDMCadastro"));
  TnDataModule *b = CriarDMNovo(QStringLiteral("TnTesteDMCadastro"));
  TnDataModule *c = CriarDMNovo(QStringLiteral("TnTesteDMCadastro"));
  EXPECT_EQ(b->Name(), QStringLiteral("nTesteDMCadastro_1"));
  EXPECT_EQ(c->Name(), QStringLiteral("nTesteDMCadastro_2"));
  nLiberarDM(b);
  TnDataModule *d = CriarDMNovo(QStringLiteral("TnTesteDMCadastro"));
  EXPECT_EQ(d->Name(), QStringLiteral("nTesteDMCadastro_1"));
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMCadastro")), a);
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMCadastro_2")), c);
}

TEST_F(TnRegistroTest, PrepararDMGivesTheLiveInstanceOfTheSuffixAndCreatesOnlyWhenAsked) {
  TnDataModule *primeiro = PrepararDM(QStringLiteral("TnTesteDMCadastro"), QStringLiteral("_X"), false, true, nullptr);
  ASSERT_NE(primeiro, nullptr);
  EXPECT_EQ(primeiro->Name(), QStringLiteral("nTesteDMCadastro_X"));
  EXPECT_EQ(PrepararDM(QStringLiteral("tntestedmcadastro"), QStringLiteral("_x"), false, true, nullptr), primeiro);
  EXPECT_EQ(Vivas(), 1);
  EXPECT_EQ(PrepararDM(QStringLiteral("TnTesteDMCadastro"), QStringLiteral("_Y"), false, false, nullptr), nullptr);
  TnDataModule *semSufixo = PrepararDM(QStringLiteral("TnTesteDMCadastro"), QString(), false, true, nullptr);
  EXPECT_EQ(semSufixo->Name(), QStringLiteral("nTesteDMCadastro"));
  EXPECT_EQ(PrepararDM(QStringLiteral("TnTesteDMCadastro"), QString(), false, true, nullptr), semSufixo);
  EXPECT_EQ(Vivas(), 2);
}

TEST_F(TnRegistroTest, ADetailCarriesItsMastersSuffixSoPrepararDMFindsThatMaster) {
  TnDataModule *mestre1 = CriarDM(QStringLiteral("TnTesteDMMestre"));
  TnDataModule *mestre2 = CriarDM(QStringLiteral("TnTesteDMMestre"));
  ASSERT_EQ(mestre2->Name(), QStringLiteral("nTesteDMMestre_1"));
  TnDataModule *item2 = FindGlobalDataModule(QStringLiteral("nTesteDMItem_1"));
  ASSERT_NE(item2, nullptr);
  EXPECT_EQ(item2->DmMaster(), mestre2);
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMItem"))->DmMaster(), mestre1);

  const int antes = Vivas();
  EXPECT_EQ(PrepararDM(QStringLiteral("TnTesteDMMestre"), item2->Sufixo(), false, true, nullptr), mestre2);
  EXPECT_EQ(Vivas(), antes);
}

TEST_F(TnRegistroTest, IndividualInstancesAreHiddenFromFindGlobalDataModuleButReachableByTheirDetails) {
  TnDataModule *privado = CriarDM(QStringLiteral("TnTesteDMMestre"), nullptr, QStringLiteral("individual"));
  ASSERT_NE(privado, nullptr);
  EXPECT_TRUE(privado->Individual());
  EXPECT_EQ(privado->Modo(), nModoIndividual);
  EXPECT_FALSE(privado->Sufixo().isEmpty());  // the bare name stays for the public one
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMMestre")), nullptr);
  EXPECT_EQ(FindGlobalDataModule(privado->Name()), nullptr);

  TnDataModule *publico = CriarDM(QStringLiteral("TnTesteDMMestre"));
  EXPECT_EQ(publico->Name(), QStringLiteral("nTesteDMMestre"));
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMMestre")), publico);

  // The private master's own detail finds it by its suffix.
  TnDataModule *itemPrivado = nullptr;
  for (TnDataModule *dm : TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMItem")))
    if (dm->DmMaster() == privado) itemPrivado = dm;
  ASSERT_NE(itemPrivado, nullptr);
  EXPECT_EQ(itemPrivado->Sufixo(), privado->Sufixo());
  EXPECT_EQ(PrepararDM(QStringLiteral("TnTesteDMMestre"), itemPrivado->Sufixo(), false, true, nullptr), privado);
}

// --- refresh and destruction

TEST_F(TnRegistroTest, AtualizarDMRefreshesEveryOpenInstanceOfTheClassAndItsDescendants) {
  auto *a = static_cast<TnTesteModulo *>(CriarDM(QStringLiteral("TnTesteDMCadastro")));
  auto *b = static_cast<TnTesteModulo *>(CriarDMNovo(QStringLiteral("TnTesteDMCadastro")));
  auto *privado = static_cast<TnTesteModulo *>(CriarDM(QStringLiteral("TnTesteDMCadastro"), nullptr, nModoIndividual));
  auto *filho = static_cast<TnTesteModulo *>(CriarDM(QStringLiteral("TnTesteDMCadastroFilho")));
  auto *outro = static_cast<TnTesteModulo *>(CriarDM(QStringLiteral("TnTesteDMItem")));

  EXPECT_EQ(AtualizarDM(QStringLiteral("TnTesteDMCadastro"), QString(), 0), 4);
  for (TnTesteModulo *dm : {a, b, privado, filho}) EXPECT_EQ(dm->Refreshes, 1) << dm->Name().toStdString();
  EXPECT_EQ(outro->Refreshes, 0);

  EXPECT_EQ(AtualizarDM(QStringLiteral("TnTesteDMCadastro"), b->Name(), 0), 1);
  EXPECT_EQ(b->Refreshes, 2);
  EXPECT_EQ(a->Refreshes, 1);
}

TEST_F(TnRegistroTest, FreeingAMasterRunsItsDestroyHookBeforeItsDetailIsFreed) {
  TnDataModule *mestre = CriarDM(QStringLiteral("TnTesteDMMestre"));
  GEventos.clear();
  EXPECT_TRUE(DestruirDM(QStringLiteral("TnTesteDMMestre"), mestre->Name()));
  EXPECT_EQ(GEventos, (QStringList{QStringLiteral("destruir nTesteDMMestre"), QStringLiteral("destruir nTesteDMItem")}));
  EXPECT_EQ(GLiberados, 2);
  EXPECT_EQ(Vivas(), 0);
}

TEST_F(TnRegistroTest, DestruirDMWithAMastersNameFreesOnlyThatMastersDetail) {
  TnDataModule *mestre1 = CriarDM(QStringLiteral("TnTesteDMMestre"));
  TnDataModule *mestre2 = CriarDM(QStringLiteral("TnTesteDMMestre"));
  EXPECT_TRUE(DestruirDM(QStringLiteral("TnTesteDMItem"), mestre2->Name()));
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMItem_1")), nullptr);
  ASSERT_NE(FindGlobalDataModule(QStringLiteral("nTesteDMItem")), nullptr);
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMItem"))->DmMaster(), mestre1);
  EXPECT_TRUE(TnRegistro::Instancia().Viva(mestre2));
  EXPECT_FALSE(DestruirDM(QStringLiteral("TnTesteDMItem"), mestre2->Name()));
}

TEST_F(TnRegistroTest, DestruirDMWithNoNameFreesTheInstanceCreatedLastNotTheOneTheMenuOpened) {
  TnDataModule *doMenu = CriarDM(QStringLiteral("TnTesteDMCadastro"));
  TnDataModule *usoUnico = CriarDM(QStringLiteral("TnTesteDMCadastro"));
  EXPECT_TRUE(DestruirDM(QStringLiteral("TnTesteDMCadastro"), QString()));
  EXPECT_FALSE(TnRegistro::Instancia().Viva(usoUnico));
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMCadastro")), doMenu);
}

TEST_F(TnRegistroTest, AModuleDeletedDirectlyIsForgottenWithItsDetails) {
  TnDataModule *mestre = CriarDM(QStringLiteral("TnTesteDMMestre"));
  delete mestre;
  EXPECT_EQ(GLiberados, 2);
  EXPECT_EQ(Vivas(), 0);
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMItem")), nullptr);
  // Freeing it again through the registry must not touch the freed memory.
  EXPECT_FALSE(DestruirDM(QStringLiteral("TnTesteDMMestre"), QString()));
}

TEST_F(TnRegistroTest, ACreationThatRaisesLeavesNeitherTheModuleNorItsDetailBehind) {
  EXPECT_THROW(CriarDM(QStringLiteral("TnTesteDMQuebrado")), Exception);
  EXPECT_EQ(Vivas(), 0);
  EXPECT_EQ(GLiberados, 2);
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMQuebrado")), nullptr);
}

// --- classes

TEST_F(TnRegistroTest, InheritsFromFollowsTheRegisteredParentChain) {
  TnDataModule *filho = CriarDM(QStringLiteral("TnTesteDMCadastroFilho"));
  EXPECT_TRUE(filho->InheritsFrom(QStringLiteral("TnTesteDMCadastroFilho")));
  EXPECT_TRUE(filho->InheritsFrom(QStringLiteral("tntestedmcadastro")));
  EXPECT_TRUE(filho->InheritsFrom(QStringLiteral("TnTesteModulo")));
  EXPECT_TRUE(filho->InheritsFrom(QStringLiteral("TnDataModule")));
  EXPECT_FALSE(filho->InheritsFrom(QStringLiteral("TnTesteDMItem")));
  EXPECT_FALSE(CriarDM(QStringLiteral("TnTesteDMCadastro"))->InheritsFrom(QStringLiteral("TnTesteDMCadastroFilho")));
}

TEST_F(TnRegistroTest, ASecondClassUnderATakenNameIsRefusedAndTheFirstStays) {
  TnClasseInfo intrusa = nInfoClasse<TnTesteDMItem>("TNTESTEDMCADASTRO", "TnTesteModulo");
  EXPECT_THROW(nRegisterClass(intrusa), Exception);
  EXPECT_EQ(CriarDM(QStringLiteral("TnTesteDMCadastro"))->ClassName(), QStringLiteral("TnTesteDMCadastro"));
  EXPECT_EQ(TnRegistro::Instancia().PegarTipoObjeto(QStringLiteral("TnTesteDMCadastro")), 1);
}

TEST_F(TnRegistroTest, TheUnitCounterRegistersOnceAndUnregistersOnlyAtTheLastFinalization) {
  TnUnidadeRegistro unidade = TnUnidadeRegistro::DeClasses(
      [] { return QList<TnClasseInfo>{nInfoClasse<TnTesteModulo>("TnTesteDMContado", "TnTesteModulo")}; });
  EXPECT_TRUE(unidade.Inicializar());
  EXPECT_FALSE(unidade.Inicializar());  // a second registration would raise
  EXPECT_EQ(unidade.Contador(), 2);
  TnDataModule *vivo = CriarDM(QStringLiteral("TnTesteDMContado"));
  ASSERT_NE(vivo, nullptr);

  EXPECT_FALSE(unidade.Finalizar());
  EXPECT_TRUE(TnRegistro::Instancia().Registrada(QStringLiteral("TnTesteDMContado")));
  EXPECT_TRUE(TnRegistro::Instancia().Viva(vivo));

  EXPECT_TRUE(unidade.Finalizar());
  EXPECT_FALSE(TnRegistro::Instancia().Registrada(QStringLiteral("TnTesteDMContado")));
  // Its instances go with the class: their code is about to be unloaded.
  EXPECT_FALSE(TnRegistro::Instancia().Viva(vivo));
  EXPECT_EQ(GLiberados, 1);
  EXPECT_FALSE(unidade.Finalizar());
  EXPECT_EQ(unidade.Contador(), 0);
}

TEST_F(TnRegistroTest, AUnitWhoseSecondClassIsRefusedUndoesItsFirstAndCanBeRetried) {
  bool conflito = true;
  TnUnidadeRegistro unidade = TnUnidadeRegistro::DeClasses([&conflito] {
    QList<TnClasseInfo> classes{nInfoClasse<TnTesteModulo>("TnTesteDMNovo", "TnTesteModulo")};
    if (conflito) classes.append(nInfoClasse<TnTesteModulo>("TnTesteDMCadastro", "TnTesteModulo"));
    return classes;
  });
  EXPECT_THROW(unidade.Inicializar(), Exception);
  EXPECT_FALSE(TnRegistro::Instancia().Registrada(QStringLiteral("TnTesteDMNovo")));
  EXPECT_EQ(unidade.Contador(), 0);

  conflito = false;
  EXPECT_TRUE(unidade.Inicializar());
  EXPECT_TRUE(TnRegistro::Instancia().Registrada(QStringLiteral("TnTesteDMNovo")));
  unidade.Finalizar();
}

// --- main actions

TEST_F(TnRegistroTest, TheDefaultHandlerOpensTheClassTheActionNames) {
  TnActionList lista;
  nGerarActions(lista, nullptr, {nModuloMVox});
  // Both the class and its descendant declare the entry (the descendant inherits the menus).
  ASSERT_EQ(lista.FindAll(QStringLiteral("actTnTesteDMCadastroFilho")).size(), 1);
  TnAction *action = lista.Find(QStringLiteral("actTnTesteDMCadastro"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->VerificaSelecao(), QStringLiteral("DataLctoPro_MAIORIGUAL"));
  ASSERT_TRUE(action->Execute());
  TnDataModule *aberto = FindGlobalDataModule(QStringLiteral("nTesteDMCadastro"));
  ASSERT_NE(aberto, nullptr);
  EXPECT_EQ(aberto->Action(), action);

  TnAction orfa;
  orfa.SetName(QStringLiteral("actTtBixDPDorvAgenda"));
  orfa.SetOnExecute(&nExecutarActionPadrao);
  EXPECT_NO_THROW(orfa.Execute());
}
