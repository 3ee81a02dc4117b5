#include <gtest/gtest.h>

#include "nActionList_U.h"
#include "nBancoTeste_U.h"
#include "nException_U.h"
#include "nMenuDecl_U.h"
#include "nModulos_U.h"

namespace {

// Declarations shaped like the establishment configuration register's: one
// entry for this module's menu and one for the base module's.
QList<TnMenuDecl> MenusConfiguracao() {
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

}  // namespace

// --- hash

TEST(TnHash32Test, MatchesTheFnv1aReferenceValuesSoStoredRightsStayValid) {
  const TnHash32 hash;
  EXPECT_EQ(hash.HashValue(QString()), 0x811C9DC5u);
  EXPECT_EQ(hash.HashValue(QStringLiteral("a")), 0xE40C292Cu);
  EXPECT_EQ(hash.HashValue(QStringLiteral("foobar")), 0xBF9CF968u);
  EXPECT_EQ(hash.HashValue(QStringLiteral("actTmVoxDMProtocolo")), 0x0B32E137u);
}

TEST(TnHash32Test, HashesTheUtf8BytesOfAccentedText) {
  EXPECT_EQ(TnHash32().HashValue(QStringLiteral("ação")), 0x0B2CDE09u);
}

// --- shortcuts

TEST(TnShortCutTest, ReadsEveryShortcutTheMenusAndGridsDeclare) {
  struct Caso {
    const char *texto;
    Qt::KeyboardModifiers modificadores;
    Qt::Key tecla;
  };
  const Caso casos[] = {
      {"Shift+Ctrl+F12", Qt::ShiftModifier | Qt::ControlModifier, Qt::Key_F12},
      {"F6", Qt::NoModifier, Qt::Key_F6},
      {"Shift+F6", Qt::ShiftModifier, Qt::Key_F6},
      {"Alt+F6", Qt::AltModifier, Qt::Key_F6},
      {"Ctrl+N", Qt::ControlModifier, Qt::Key_N},
      {"Ctrl+Enter", Qt::ControlModifier, Qt::Key_Return},
      {"Ctrl+Ins", Qt::ControlModifier, Qt::Key_Insert},
      {"Ctrl+T", Qt::ControlModifier, Qt::Key_T},
      {"Shift+Del", Qt::ShiftModifier, Qt::Key_Delete},
      {"Ctrl+Up", Qt::ControlModifier, Qt::Key_Up},
      {"Ctrl+Down", Qt::ControlModifier, Qt::Key_Down},
      {"Ctrl+R", Qt::ControlModifier, Qt::Key_R},
      {"Ctrl+M", Qt::ControlModifier, Qt::Key_M},
      {"Ctrl+Delete", Qt::ControlModifier, Qt::Key_Delete},
      {"Ctrl+C", Qt::ControlModifier, Qt::Key_C},
      {"Ctrl+V", Qt::ControlModifier, Qt::Key_V},
      {"ctrl+shift+f1", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_F1},
  };
  for (const Caso &caso : casos) {
    const QKeyCombination teclas = TextToShortCut(QString::fromLatin1(caso.texto));
    EXPECT_EQ(teclas.keyboardModifiers(), caso.modificadores) << caso.texto;
    EXPECT_EQ(teclas.key(), caso.tecla) << caso.texto;
  }
}

TEST(TnShortCutTest, UnknownTextGivesNoKeysButTheActionKeepsTheText) {
  for (const char *texto : {"", "Ctrl+", "Hyper+F1", "Ctrl+Foo", "F0", "F25", "F07"})
    EXPECT_EQ(TextToShortCut(QString::fromLatin1(texto)).key(), Qt::Key_unknown) << texto;
  TnAction action;
  action.SetShortCut(QStringLiteral("Ctrl+Foo"));
  EXPECT_EQ(action.ShortCutStr(), QStringLiteral("Ctrl+Foo"));
  EXPECT_EQ(action.ShortCut().key(), Qt::Key_unknown);
}

// --- action list

TEST(TnActionListTest, DuplicateNamesAreKeptAndFindGivesTheFirstInAnyCase) {
  TnActionList lista;
  TnAction &primeira = lista.CriarAction();
  primeira.SetName(QStringLiteral("actTmVoxDCProtocoloGrupoDoc"));
  TnAction &segunda = lista.CriarAction();
  segunda.SetName(QStringLiteral("actTmVoxDCProtocoloGrupoDoc"));
  ASSERT_EQ(lista.Count(), 2);
  EXPECT_EQ(lista.Find(QStringLiteral("ACTTMVOXDCPROTOCOLOGRUPODOC")), &primeira);
  EXPECT_EQ(lista.FindAll(QStringLiteral("actTmVoxDCProtocoloGrupoDoc")), (QList<TnAction *>{&primeira, &segunda}));
  EXPECT_EQ(lista.Find(QStringLiteral("actNenhuma")), nullptr);
  EXPECT_EQ(primeira.ActionList(), &lista);
}

TEST(TnActionListTest, AnActionBelongsToOneListAtATime) {
  TnActionList origem;
  TnActionList destino;
  origem.CriarAction().SetName(QStringLiteral("actA"));
  std::unique_ptr<TnAction> tirada = origem.Extrair(0);
  EXPECT_EQ(origem.Count(), 0);
  EXPECT_EQ(tirada->ActionList(), nullptr);
  TnAction &movida = destino.Add(std::move(tirada));
  EXPECT_EQ(movida.ActionList(), &destino);

  TnActionList outra;
  auto intrusa = std::make_unique<TnAction>();
  TnAction *ponteiro = intrusa.get();
  outra.Add(std::move(intrusa));
  // Adding an action that another list owns would free it twice.
  std::unique_ptr<TnAction> duplicada(ponteiro);
  EXPECT_THROW(destino.Add(std::move(duplicada)), Exception);
  EXPECT_EQ(duplicada.get(), ponteiro);  // refused: still the caller's
  duplicada.release();
  EXPECT_EQ(destino.Count(), 1);
}

TEST(TnActionTest, ExecuteHandsTheActionToItsHandler) {
  TnAction action;
  EXPECT_FALSE(action.Execute());
  TnAction *remetente = nullptr;
  action.SetOnExecute([&](TnAction &a) { remetente = &a; });
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(remetente, &action);
}

// --- menu declarations

TEST(nGerarActionsMenuTest, OnlyTheDeclarationsOfTheRunningModulesGiveActions) {
  const auto gerar = [](const TnModulos &modulos) {
    TnActionList lista;
    nGerarActionsMenu(lista, nullptr, modulos, QStringLiteral("TmVoxDMCfgEstabPro"), MenusConfiguracao(), QString());
    QStringList categorias;
    for (const TnAction *action : lista.Actions()) categorias.append(action->Category());
    return categorias;
  };
  EXPECT_EQ(gerar({nModuloMVox}), QStringList{QStringLiteral("5 Configurações")});
  EXPECT_EQ(gerar({nModuloRTul}), QStringList{QStringLiteral("10 Configurações")});
  EXPECT_EQ(gerar({nModuloRTul, nModuloMVox}),
            (QStringList{QStringLiteral("5 Configurações"), QStringLiteral("10 Configurações")}));
  EXPECT_TRUE(gerar({}).isEmpty());
  EXPECT_TRUE(gerar({1, 12, 14}).isEmpty());
}

TEST(nGerarActionsMenuTest, EachActionTakesTheDeclaredValuesAndKeepsTheDefaultsOfTheOthers) {
  TnActionList lista;
  int executadas = 0;
  const TnOnExecute abrir = [&](TnAction &) { ++executadas; };
  const QList<TnMenuDecl> menus{
      {.Caption = "Históricos e Observações",
       .Category = "Cadastros\\Documentos",
       .Index = 25,
       .Modulo = "mVox",
       .Separador = true,
       .CriarHTTP = true},
      {.Caption = "Protocolo", .Category = "02 Movimentos\\01 Protocolos", .Modulo = "MVOX", .ImageIndex = 115},
  };
  nGerarActionsMenu(lista, abrir, {nModuloMVox}, QStringLiteral("TmVoxDMHistoricoPro"), menus,
                    QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL"));
  ASSERT_EQ(lista.Count(), 2);

  const TnAction &historico = lista[0];
  EXPECT_EQ(historico.Name(), QStringLiteral("actTmVoxDMHistoricoPro"));
  EXPECT_EQ(historico.Caption(), QStringLiteral("Históricos e Observações"));
  EXPECT_EQ(historico.Category(), QStringLiteral("Cadastros\\Documentos"));
  EXPECT_EQ(historico.Index(), 25);
  EXPECT_TRUE(historico.Separador());
  EXPECT_TRUE(historico.CriarHTTP());
  EXPECT_TRUE(historico.CriarMenu());
  EXPECT_EQ(historico.ImageIndex(), -1);  // 0 declared: no image
  EXPECT_TRUE(historico.ShortCutStr().isEmpty());
  EXPECT_EQ(historico.VerificaSelecao(), QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL"));
  EXPECT_TRUE(historico.ControlaDireito());
  EXPECT_TRUE(historico.DireitoProprio());
  EXPECT_EQ(historico.HashAcaoMestre(), 0u);

  const TnAction &protocolo = lista[1];
  EXPECT_EQ(protocolo.Name(), QStringLiteral("actTmVoxDMHistoricoPro"));  // one class, one name
  EXPECT_EQ(protocolo.ImageIndex(), 115);
  EXPECT_EQ(protocolo.Index(), 0);
  EXPECT_FALSE(protocolo.Separador());
  EXPECT_FALSE(protocolo.CriarHTTP());
  EXPECT_EQ(protocolo.VerificaSelecao(), historico.VerificaSelecao());  // every action gets it

  lista[0].Execute();
  lista[1].Execute();
  EXPECT_EQ(executadas, 2);

  TnActionList configuracao;
  nGerarActionsMenu(configuracao, abrir, {nModuloMVox, nModuloRTul}, QStringLiteral("TmVoxDMCfgEstabPro"),
                    MenusConfiguracao(), QString());
  ASSERT_EQ(configuracao.Count(), 2);
  EXPECT_EQ(configuracao[0].ShortCutStr(), QStringLiteral("Shift+Ctrl+F12"));
  EXPECT_EQ(configuracao[0].ShortCut().key(), Qt::Key_F12);
  EXPECT_TRUE(configuracao[0].CriarMenu());
  EXPECT_FALSE(configuracao[1].CriarMenu());
}

TEST(nGerarActionsMenuTest, ALookupDropsTheRightOnlyOnItsOwnModulesEntries) {
  TnActionList lista;
  nGerarActionsMenu(lista, nullptr, {nModuloMVox, nModuloRTul}, QStringLiteral("TmVoxDCProtocoloGrupoDoc"),
                    {{.Caption = "Grupos de Tipos de Documentos",
                      .Category = "01 Cadastros\\04 Documentos\\00 Consultas",
                      .Modulo = "mVox",
                      .CriarMenu = false},
                     {.Caption = "Grupos de Tipos de Documentos",
                      .Category = "10 Configurações\\00 Consultas",
                      .Index = 25,
                      .Modulo = "rTul",
                      .CriarMenu = false}},
                    QString(), {TnRegraDireito::Consulta, {}});
  ASSERT_EQ(lista.Count(), 2);
  EXPECT_FALSE(lista[0].ControlaDireito());
  EXPECT_TRUE(lista[1].ControlaDireito());
}

TEST(nGerarActionsMenuTest, AClassFreeOfRightsDropsTheRightOnEveryModulesEntries) {
  TnActionList lista;
  nGerarActionsMenu(lista, nullptr, {nModuloMVox, nModuloRTul}, QStringLiteral("TmVoxDCCfgEstabPro"),
                    {{.Caption = "Configuração da Filial", .Category = "5 Configurações\\00 Consultas", .Modulo = "mVox"},
                     {.Caption = "Protocolo", .Category = "10 Configurações\\00 Consultas", .Modulo = "rTul"}},
                    QString(), {TnRegraDireito::Livre, {}});
  ASSERT_EQ(lista.Count(), 2);
  EXPECT_FALSE(lista[0].ControlaDireito());
  EXPECT_FALSE(lista[1].ControlaDireito());
  EXPECT_TRUE(lista[1].DireitoProprio());
}

TEST(nGerarActionsMenuTest, ADetailIsGovernedByItsMastersRightThroughTheHashOfTheMastersActionName) {
  TnActionList lista;
  nGerarActionsMenu(lista, nullptr, {nModuloMVox}, QStringLiteral("TmVoxDMProtocoloItem"),
                    {{.Caption = "Protocolo - Itens",
                      .Category = "02 Movimentos\\10 Protocolos",
                      .Index = 2,
                      .Modulo = "mVox",
                      .CriarMenu = false}},
                    QString(), {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocolo")});
  ASSERT_EQ(lista.Count(), 1);
  const TnAction &item = lista[0];
  EXPECT_TRUE(item.ControlaDireito());
  EXPECT_FALSE(item.DireitoProprio());
  EXPECT_EQ(item.HashAcaoMestre(), 0x0B32E137u);  // FNV-1a of "actTmVoxDMProtocolo"
  EXPECT_EQ(item.HashAcaoMestre(), lista.GetHashComp().HashValue(QStringLiteral("actTmVoxDMProtocolo")));
  EXPECT_FALSE(item.CriarMenu());
}

// --- module set

TEST(TnModulosTest, ModuleCodesMapToTheirOrdinalsInAnyCase) {
  EXPECT_EQ(nOrdinalModulo(QStringLiteral("mVox")), 13);
  EXPECT_EQ(nOrdinalModulo(QStringLiteral("MVOX")), 13);
  EXPECT_EQ(nOrdinalModulo(QStringLiteral("rTul")), 0);
  EXPECT_EQ(nOrdinalModulo(QStringLiteral("rtul")), 0);
  EXPECT_EQ(nOrdinalModulo(QStringLiteral("wSip")), -1);
  EXPECT_EQ(nOrdinalModulo(QString()), -1);
  EXPECT_FALSE(TnModulos({0, 13, 191}).Contem(-1));
}

TEST(TnModulosTest, AnOrdinalOutsideTheRangeIsRefusedRatherThanIgnored) {
  TnModulos modulos{0, 13, 191};
  EXPECT_EQ(modulos.Quantidade(), 3);
  EXPECT_THROW(modulos.Incluir(192), Exception);
  EXPECT_THROW(modulos.Incluir(-1), Exception);
  EXPECT_THROW(TnModulos({13, 200}), Exception);
  EXPECT_FALSE(modulos.Contem(192));
  modulos.Excluir(13);
  EXPECT_FALSE(modulos.Contem(13));
  EXPECT_TRUE(modulos.Contem(191));
}

TEST(TnModulosTest, TheRunningModuleIsThisModuleUnlessSetOtherwise) {
  EXPECT_EQ(PegarModuloAtual(), nModuloMVox);
  SetModuloAtual(nModuloRTul);
  EXPECT_EQ(PegarModuloAtual(), 0);
  SetModuloAtual(nModuloMVox);
}
