#include <gtest/gtest.h>

#include <QStringList>

#include "nActionList_U.h"
#include "nBancoTeste_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nPacotes_U.h"
#include "nRegistro_U.h"

// The test libraries (framework/tests/pacotes) lie beside the test program,
// where the loader looks by default.

namespace {

class TnPacotesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    FPacotes.DescarregarPacotes();
    SetFOnGerarPrincActionMods(nullptr);
  }
  static bool Registrada(const char *classe) {
    return TnRegistro::Instancia().Registrada(QString::fromLatin1(classe));
  }
  static QStringList Nomes(const TnActionList &lista) {
    QStringList nomes;
    for (const TnAction *action : lista.Actions()) nomes.append(action->Name() + QLatin1Char('|') + action->Category());
    return nomes;
  }

  TnPacotes FPacotes;
};

}  // namespace

TEST_F(TnPacotesTest, UnitsInitializeInTheLibrarysOrderBetweenTheMarkersAndFinalizeInReverse) {
  EXPECT_EQ(FPacotes.AbrirPacotes({QStringLiteral("nTestePkA"), QStringLiteral("nTestePkB")}), 2);
  EXPECT_EQ(FPacotes.Historico(),
            (QStringList{"+_nTestePkA_Ini", "+nTesteDMAlfa_U", "+nTesteDCAlfa_U", "+nTesteDMAlfaItem_U",
                         "+_nTestePkA_Fim", "+_nTestePkB_Ini", "+nTesteDMConfig_U", "+nTesteDireito_U",
                         "+_nTestePkB_Fim"}));
  const TnSituacaoPacote *a = FPacotes.Pacote(QStringLiteral("nTestePkA"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Estado, TnEstadoPacote::Carregado);
  EXPECT_EQ(a->Unidades.first(), QStringLiteral("_nTestePkA_Ini"));
  EXPECT_EQ(a->Unidades.last(), QStringLiteral("_nTestePkA_Fim"));

  // The classes were registered by their units, in unit order.
  const QStringList classes = TnRegistro::Instancia().Classes();
  const auto posicao = [&](const char *nome) { return classes.indexOf(QString::fromLatin1(nome)); };
  ASSERT_GE(posicao("TnTesteDMAlfa"), 0);
  EXPECT_LT(posicao("TnTesteDMAlfa"), posicao("TnTesteDCAlfa"));
  EXPECT_LT(posicao("TnTesteDCAlfa"), posicao("TnTesteDMAlfaItem"));
  EXPECT_LT(posicao("TnTesteDMAlfaItem"), posicao("TnTesteDMConfig"));

  FPacotes.DescarregarPacotes();
  EXPECT_EQ(FPacotes.Historico().mid(9),
            (QStringList{"-_nTestePkB_Fim", "-nTesteDireito_U", "-nTesteDMConfig_U", "-_nTestePkB_Ini",
                         "-_nTestePkA_Fim", "-nTesteDMAlfaItem_U", "-nTesteDCAlfa_U", "-nTesteDMAlfa_U",
                         "-_nTestePkA_Ini"}));
  EXPECT_EQ(FPacotes.Pacote(QStringLiteral("nTestePkA"))->Estado, TnEstadoPacote::Descarregado);
  EXPECT_FALSE(Registrada("TnTesteDMAlfa"));
  EXPECT_FALSE(Registrada("TnTesteDMConfig"));
}

TEST_F(TnPacotesTest, ALibraryRefusedByPodeAbrirPacoteIsNeverOpenedAndTheOthersStillLoad) {
  QStringList perguntados;
  FPacotes.SetPodeAbrirPacote([&](const QString &nome) {
    perguntados.append(nome);
    return nome.compare(QStringLiteral("ntestepka"), Qt::CaseInsensitive) != 0;
  });
  EXPECT_EQ(FPacotes.AbrirPacotes({QStringLiteral("nTestePkA"), QStringLiteral("nTestePkB")}), 1);
  EXPECT_EQ(perguntados, (QStringList{"nTestePkA", "nTestePkB"}));
  EXPECT_EQ(FPacotes.Pacote(QStringLiteral("nTestePkA"))->Estado, TnEstadoPacote::Recusado);
  EXPECT_EQ(FPacotes.Pacote(QStringLiteral("nTestePkB"))->Estado, TnEstadoPacote::Carregado);
  EXPECT_FALSE(Registrada("TnTesteDMAlfa"));
  EXPECT_TRUE(Registrada("TnTesteDMConfig"));
  EXPECT_FALSE(FPacotes.Historico().contains(QStringLiteral("+_nTestePkA_Ini")));
}

TEST_F(TnPacotesTest, AMissingLibraryOrOneWithoutTheEntryIsReportedAndTheNextStillLoads) {
  EXPECT_EQ(FPacotes.AbrirPacotes({QStringLiteral("nTestePkInexistente"), QStringLiteral("nTestePkSemEntrada"),
                                   QStringLiteral("nTestePkA")}),
            1);
  const TnSituacaoPacote *inexistente = FPacotes.Pacote(QStringLiteral("nTestePkInexistente"));
  ASSERT_NE(inexistente, nullptr);
  EXPECT_EQ(inexistente->Estado, TnEstadoPacote::Falhou);
  EXPECT_TRUE(inexistente->Erro.contains(QStringLiteral("nTestePkInexistente"))) << inexistente->Erro.toStdString();
  const TnSituacaoPacote *semEntrada = FPacotes.Pacote(QStringLiteral("nTestePkSemEntrada"));
  EXPECT_EQ(semEntrada->Estado, TnEstadoPacote::Falhou);
  EXPECT_TRUE(semEntrada->Erro.contains(QStringLiteral("nPacoteDescricao"))) << semEntrada->Erro.toStdString();
  EXPECT_EQ(FPacotes.Pacote(QStringLiteral("nTestePkA"))->Estado, TnEstadoPacote::Carregado);
  EXPECT_TRUE(Registrada("TnTesteDMAlfa"));
  EXPECT_FALSE(FPacotes.DescarregarPacote(QStringLiteral("nTestePkSemEntrada")));
}

TEST_F(TnPacotesTest, AUnitThatRaisesUndoesTheUnitsBeforeItAndFailsOnlyItsLibrary) {
  EXPECT_EQ(FPacotes.AbrirPacotes({QStringLiteral("nTestePkFalha"), QStringLiteral("nTestePkA")}), 1);
  const TnSituacaoPacote *falha = FPacotes.Pacote(QStringLiteral("nTestePkFalha"));
  EXPECT_EQ(falha->Estado, TnEstadoPacote::Falhou);
  EXPECT_TRUE(falha->Erro.contains(QStringLiteral("nTesteQuebra_U"))) << falha->Erro.toStdString();
  EXPECT_TRUE(falha->Erro.contains(QStringLiteral("Unidade quebrada de propósito."))) << falha->Erro.toStdString();
  EXPECT_FALSE(Registrada("TnTesteDMFalha"));
  EXPECT_EQ(FPacotes.Historico().mid(0, 4),
            (QStringList{"+_nTestePkFalha_Ini", "+nTesteDMFalha_U", "-nTesteDMFalha_U", "-_nTestePkFalha_Ini"}));
  EXPECT_TRUE(Registrada("TnTesteDMAlfa"));
}

TEST_F(TnPacotesTest, TwoLoadsRegisterOnceAndOnlyTheLastUnloadUnregisters) {
  TnPacotes outro;
  ASSERT_TRUE(FPacotes.AbrirPacote(QStringLiteral("nTestePkA")));
  // The second initialization of every unit must not register again (that would raise).
  ASSERT_TRUE(outro.AbrirPacote(QStringLiteral("nTestePkA")));
  EXPECT_EQ(TnRegistro::Instancia().Classes().count(QStringLiteral("TnTesteDMAlfa")), 1);

  EXPECT_TRUE(FPacotes.DescarregarPacote(QStringLiteral("nTestePkA")));
  EXPECT_TRUE(Registrada("TnTesteDMAlfa"));
  EXPECT_NE(CriarDM(QStringLiteral("TnTesteDMAlfa")), nullptr);

  EXPECT_TRUE(outro.DescarregarPacote(QStringLiteral("nTestePkA")));
  EXPECT_FALSE(Registrada("TnTesteDMAlfa"));
}

TEST_F(TnPacotesTest, UnloadingFreesTheLiveInstancesOfTheLibrarysClasses) {
  ASSERT_TRUE(FPacotes.AbrirPacote(QStringLiteral("nTestePkA")));
  TnDataModule *publico = CriarDM(QStringLiteral("TnTesteDMAlfa"));
  TnDataModule *privado = CriarDM(QStringLiteral("TnTesteDMAlfa"), nullptr, nModoIndividual);
  ASSERT_NE(publico, nullptr);
  ASSERT_NE(privado, nullptr);
  FPacotes.DescarregarPacotes();
  EXPECT_TRUE(TnRegistro::Instancia().Instancias(QStringLiteral("TnTesteDMAlfa")).isEmpty());
  EXPECT_EQ(FindGlobalDataModule(QStringLiteral("nTesteDMAlfa")), nullptr);
  EXPECT_EQ(CriarDM(QStringLiteral("TnTesteDMAlfa")), nullptr);
}

TEST_F(TnPacotesTest, TheLoadedClassesGiveTheActionsOfTheRunningModuleSet) {
  ASSERT_EQ(FPacotes.AbrirPacotes({QStringLiteral("nTestePkA"), QStringLiteral("nTestePkB")}), 2);
  const auto gerar = [](const TnModulos &modulos) {
    TnActionList lista;
    nGerarActions(lista, nullptr, modulos);
    return Nomes(lista).filter(QStringLiteral("actTnTeste"));
  };
  EXPECT_EQ(gerar({nModuloMVox}),
            (QStringList{"actTnTesteDMAlfa|02 Movimentos\\01 Protocolos", "actTnTesteDCAlfa|03 Consultas",
                         "actTnTesteDMAlfaItem|02 Movimentos\\10 Protocolos", "actTnTesteDMConfig|5 Configurações",
                         "actTnTesteDCConfig|5 Configurações\\00 Consultas"}));
  EXPECT_EQ(gerar({nModuloRTul}), (QStringList{"actTnTesteDMConfig|10 Configurações",
                                               "actTnTesteDCConfig|10 Configurações\\00 Consultas"}));
  EXPECT_EQ(gerar({nModuloRTul, nModuloMVox}).size(), 7);

  TnActionList lista;
  nGerarActions(lista, nullptr, {nModuloMVox});
  EXPECT_FALSE(lista.Find(QStringLiteral("actTnTesteDCAlfa"))->ControlaDireito());
  EXPECT_TRUE(lista.Find(QStringLiteral("actTnTesteDCConfig"))->ControlaDireito());
  const TnAction *item = lista.Find(QStringLiteral("actTnTesteDMAlfaItem"));
  EXPECT_FALSE(item->DireitoProprio());
  EXPECT_EQ(item->HashAcaoMestre(), 0x92482097u);  // FNV-1a of "actTnTesteDMAlfa"
  EXPECT_EQ(lista.Find(QStringLiteral("actTnTesteDMConfig"))->ShortCut().key(), Qt::Key_F12);
}

TEST_F(TnPacotesTest, TheRightsHookALibrarySetIsResetWhenThatLibraryUnloads) {
  ASSERT_TRUE(FPacotes.AbrirPacote(QStringLiteral("nTestePkB")));
  ASSERT_TRUE(FOnGerarPrincActionMods());
  TnActionList direitos;
  FOnGerarPrincActionMods()(direitos);
  ASSERT_NE(direitos.Find(QStringLiteral("DireitoTeste")), nullptr);
  EXPECT_EQ(direitos.Find(QStringLiteral("DireitoTeste"))->Index(), 1000);

  // Unloading library A leaves B's hook alone.
  ASSERT_TRUE(FPacotes.AbrirPacote(QStringLiteral("nTestePkA")));
  FPacotes.DescarregarPacote(QStringLiteral("nTestePkA"));
  EXPECT_TRUE(FOnGerarPrincActionMods());

  FPacotes.DescarregarPacote(QStringLiteral("nTestePkB"));
  EXPECT_FALSE(FOnGerarPrincActionMods());
}

TEST_F(TnPacotesTest, AHookTheProgramSetOutlivesTheLibraries) {
  ASSERT_TRUE(FPacotes.AbrirPacote(QStringLiteral("nTestePkB")));
  int chamadas = 0;
  SetFOnGerarPrincActionMods([&](TnActionList &) { ++chamadas; });
  FPacotes.DescarregarPacotes();
  ASSERT_TRUE(FOnGerarPrincActionMods());
  TnActionList direitos;
  FOnGerarPrincActionMods()(direitos);
  EXPECT_EQ(chamadas, 1);
}
