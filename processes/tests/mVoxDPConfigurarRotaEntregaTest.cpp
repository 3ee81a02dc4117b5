// The order of a route's stops on the sample office: route 1 "São Paulo e
// Campinas" stops at 2/1 (1) and 2/2 (2); the tests add route 2 "Interior",
// whose stops were numbered 2, 5 and 9 by the stop register (deleting leaves
// gaps).
#include <QKeyCombination>
#include <QSize>
#include <memory>

#include "mVoxDPConfigurarRotaEntrega_U.h"
#include "mVoxPkTeste_U.h"
#include "nActionList_U.h"
#include "nAction_U.h"
#include "nDBGrid_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmConGrid_U.h"
#include "nFrmDlg_U.h"
#include "nFrmPowerParam_U.h"
#include "nFuncoesProcesso_U.h"
#include "nMemo_U.h"
#include "nModalTeste_U.h"
#include "nModulos_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nToolButton_U.h"
#include "npqParamItem_U.h"

namespace {

const QString kPergunta = QStringLiteral("Deseja realmente apagar a configuração da rota antiga e criar esta nova?");
const QString kSucesso = QStringLiteral("Configuração de rota gravada com sucesso!");

class ConfigurarRotaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (2, 'Interior')"));
    Parada(2, 2, 1, 1, QStringLiteral("Matriz"));
    Parada(2, 5, 2, 1, QVariant());
    Parada(2, 9, 2, 2, QStringLiteral("Campinas:\r\nportaria"));
    FProcesso = dynamic_cast<TmVoxDPConfigurarRotaEntrega *>(CriarDM(QStringLiteral("TmVoxDPConfigurarRotaEntrega")));
    ASSERT_NE(FProcesso, nullptr);
  }
  static void Parada(int rota, int seq, int empresa, int estab, const QVariant &obs) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTAENTREGA (CODIGOROTA, SEQROTA, CODIGOEMPRESA, "
                                     "CODIGOESTAB, OBSERVACAO) values (:r, :s, :e, :f, :o)"),
                      {rota, seq, empresa, estab, obs});
  }
  void Carregar(const QString &rota) {
    FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoRota"))->SetAsString(rota);
    FProcesso->Executar();
  }
  TnClientDataSet &Grade() { return FProcesso->nClientDataSet(); }
  TnField *Campo(const char *nome) { return Grade().FieldByName(QString::fromLatin1(nome)); }
  // The rows as the grid shows them, "Seq|company|establishment".
  QStringList Linhas() {
    TnClientDataSet cursor;
    cursor.CloneCursor(&Grade(), false);
    QStringList linhas;
    for (cursor.First(); !cursor.Eof(); cursor.Next())
      linhas << QStringLiteral("%1|%2/%3")
                    .arg(cursor.FieldByName(QStringLiteral("Seq"))->AsString(),
                         cursor.FieldByName(QStringLiteral("CodigoEmpresa"))->AsString(),
                         cursor.FieldByName(QStringLiteral("CodigoEstab"))->AsString());
    return linhas;
  }
  // The stored stops of a route, "SEQROTA|company/establishment|observation".
  QStringList Gravadas(int rota) {
    std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(
        QStringLiteral("select SEQROTA, CODIGOEMPRESA, CODIGOESTAB, OBSERVACAO from PROTOCOLOROTAENTREGA where "
                       "CODIGOROTA = :r order by SEQROTA"),
        {rota});
    QStringList linhas;
    for (dados->First(); !dados->Eof(); dados->Next()) {
      const TnField *obs = dados->FieldByName(QStringLiteral("OBSERVACAO"));
      linhas << QStringLiteral("%1|%2/%3|%4")
                    .arg(dados->FieldByName(QStringLiteral("SEQROTA"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOESTAB"))->AsString(),
                         obs->IsNull() ? QStringLiteral("<nulo>") : obs->AsString());
    }
    return linhas;
  }
  void IrPara(int linha) { Grade().SetRecNo(linha); }
  // A new row at the end, posted; the error it raised, empty when none.
  QString NovaLinha(const QVariant &empresa, const QVariant &estab) {
    Grade().Append();
    Campo("CodigoEmpresa")->SetValue(empresa);
    Campo("CodigoEstab")->SetValue(estab);
    return ErroDe([&] { Grade().Post(); });
  }
  QString Gravar() {
    return ErroDe([&] { FProcesso->actGravarExecute(nullptr); });
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TmVoxDPConfigurarRotaEntrega *FProcesso = nullptr;
};

// --- the menu entry, the panel and the screen

TEST_F(ConfigurarRotaTeste, OfferedUnderClientRegistersOnlyWithTheProtocolModule) {
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloMVox});
  const QList<TnAction *> actions = lista.FindAll(QStringLiteral("actTmVoxDPConfigurarRotaEntrega"));
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->Category(), QStringLiteral("01 Cadastros\\01 Clientes"));
  EXPECT_EQ(actions[0]->Caption(), QStringLiteral("Configuração da Rota de Entrega"));
  EXPECT_EQ(actions[0]->Index(), 4);
  EXPECT_TRUE(actions[0]->CriarHTTP());
  EXPECT_FALSE(actions[0]->Separador());
  EXPECT_TRUE(actions[0]->CriarMenu());
  TnActionList outra;
  nGerarActions(outra, nullptr, TnModulos{nModuloRTul});
  EXPECT_TRUE(outra.FindAll(QStringLiteral("actTmVoxDPConfigurarRotaEntrega")).isEmpty());
}

TEST_F(ConfigurarRotaTeste, TheScreenShowsTheRouteAboveItsGridWithTheToolsOfTheList) {
  EXPECT_TRUE(FProcesso->InheritsFrom(QStringLiteral("TnDMPowerParamTab")));
  TnpqParamItem *rota = FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoRota"));
  EXPECT_EQ(rota->Caption(), QStringLiteral("Rota Entrega"));
  EXPECT_TRUE(rota->Obrigatorio());
  EXPECT_EQ(rota->LookupClassName(), QStringLiteral("TmVoxDCProtocoloRota"));

  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->PaginaParametros()->Caption(), QStringLiteral("Configuração da Rota de Entrega"));
  ASSERT_EQ(form->ParametrosExibidos().size(), 1);
  ASSERT_EQ(form->PageCount(), 2);
  EXPECT_EQ(form->Pagina(1)->Caption(), QStringLiteral("Configurar Rota"));
  TnDBGridEh *grid = form->DBGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->parent(), form->Pagina(1));
  QStringList colunas;
  for (const TnColunaGrid &coluna : grid->Columns()) colunas << coluna.Title;
  EXPECT_EQ(colunas, (QStringList{"Sequência", "Empresa", "Nome Empresa", "Filial", "Nome Filial", "Obs"}));
  EXPECT_TRUE(grid->Coluna(QStringLiteral("CodigoEmpresa"))->BotaoEdicao);
  EXPECT_TRUE(Campo("NomeEmpresa")->ReadOnly());
  EXPECT_TRUE(Campo("NomeEstab")->ReadOnly());
  EXPECT_FALSE(Campo("CodigoEstab")->ReadOnly());
  EXPECT_FALSE(grid->ReadOnly());
  EXPECT_FALSE(grid->ConfirmaExclusao());
  EXPECT_FALSE(grid->Ordenar());

  struct Botao {
    const char *Caption;
    int Imagem;
    const char *Atalho;
    bool Separador;
  };
  const Botao esperados[] = {{"Deletar sequência", 6, "Shift+Del", true},
                             {"Mover para cima", 153, "Ctrl+Up", true},
                             {"Mover para baixo", 154, "Ctrl+Down", false},
                             {"Reordenar Sequência", 63, "Ctrl+R", true},
                             {"Adicionar Observações", 115, "Ctrl+M", true}};
  for (const Botao &b : esperados) {
    SCOPED_TRACE(b.Caption);
    TnToolButton *botao = form->ToolButton(QString::fromUtf8(b.Caption));
    ASSERT_NE(botao, nullptr);
    EXPECT_EQ(botao->Hint(), QString::fromUtf8(b.Caption));
    EXPECT_EQ(botao->ImageIndex(), b.Imagem);
    EXPECT_EQ(botao->ShortCutStr(), QString::fromLatin1(b.Atalho));
    EXPECT_EQ(botao->Separador(), b.Separador);
  }
  QStringList itens;
  for (const TnActionForm *item : grid->ItensPopup())
    itens << QStringLiteral("%1 %2 %3").arg(item->Caption()).arg(item->ImageIndex()).arg(item->ShortCutStr());
  EXPECT_EQ(itens, (QStringList{"Copiar sequência 53 Ctrl+C", "Colar sequência 223 Ctrl+V",
                                "Reordenar Sequência 63 Ctrl+R"}));
}

// --- loading and saving

TEST_F(ConfigurarRotaTeste, TheRouteLoadsInStopOrderWithItsNamesAndNothingPending) {
  Carregar(QStringLiteral("2"));
  EXPECT_EQ(FProcesso->RotaEntrega(), 2);
  EXPECT_EQ(Linhas(), (QStringList{"2|1/1", "5|2/1", "9|2/2"}));
  EXPECT_EQ(Grade().RecNo(), 1);
  EXPECT_FALSE(FProcesso->TemAlteracao());
  IrPara(2);
  EXPECT_EQ(Campo("NomeEmpresa")->AsString(), QStringLiteral("Padaria Pão Quente Ltda"));
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QStringLiteral("Pão Quente Augusta"));
  EXPECT_TRUE(Campo("Obs")->IsNull());

  // Another run replaces the rows; a code that is no number is route 0.
  Carregar(QStringLiteral("1"));
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1", "2|2/2"}));
  Carregar(QStringLiteral("x"));
  EXPECT_EQ(FProcesso->RotaEntrega(), 0);
  EXPECT_TRUE(Grade().IsEmpty());
}

TEST_F(ConfigurarRotaTeste, SavedStopsAreNumberedByTheirPlaceAndOtherRoutesStayAsTheyWere) {
  Carregar(QStringLiteral("2"));
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kPergunta, kSucesso}));
  EXPECT_EQ(Gravadas(2), (QStringList{"1|1/1|Matriz", "2|2/1|", "3|2/2|Campinas:\r\nportaria"}));
  EXPECT_EQ(Gravadas(1).size(), 2);
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Grade().ControlsDisabled());
}

TEST_F(ConfigurarRotaTeste, AnswerOtherThanSimWritesNothing) {
  Carregar(QStringLiteral("2"));
  IrPara(1);
  Grade().Delete();
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Gravadas(2).size(), 3);
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

TEST_F(ConfigurarRotaTeste, SavingAnEmptyListDeletesOnlyThatRoutesStops) {
  Carregar(QStringLiteral("2"));
  while (!Grade().IsEmpty()) Grade().Delete();
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_TRUE(Gravadas(2).isEmpty());
  EXPECT_EQ(Gravadas(1).size(), 2);
}

TEST_F(ConfigurarRotaTeste, AStopWithoutAKnownCompanyOrEstablishmentIsRefusedBeforeAnythingIsWritten) {
  Carregar(QStringLiteral("2"));
  EXPECT_EQ(NovaLinha(99, 1), QString());
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_EQ(Gravar(), QStringLiteral("O Codigo da Empresa não pode ser nulo!"));
  EXPECT_EQ(Grade().RecNo(), 4);  // on the stop at fault
  EXPECT_FALSE(Grade().ControlsDisabled());

  Grade().Edit();
  Campo("CodigoEmpresa")->SetAsInteger(1);
  Campo("CodigoEstab")->SetAsInteger(7);
  Grade().Post();
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_EQ(Gravar(), QStringLiteral("O Codigo do Estab não pode ser nulo!"));
  EXPECT_EQ(Gravadas(2).size(), 3);
  EXPECT_EQ(Grade().RecordCount(), 4);
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

// The names the grid showed are read again: an establishment closed down and
// removed by another user since the list was loaded no longer passes.
TEST_F(ConfigurarRotaTeste, TheCheckReadsTheEstablishmentsAsStoredNow) {
  Carregar(QStringLiteral("2"));
  EXPECT_EQ(NovaLinha(3, 1), QString());
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QStringLiteral("Fio de Ouro"));
  ExecutarSQLDireto(QStringLiteral("delete from ESTAB where CODIGOEMPRESA = 3 and CODIGOESTAB = 1"));
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_EQ(Gravar(), QStringLiteral("O Codigo do Estab não pode ser nulo!"));
  EXPECT_EQ(Gravadas(2).size(), 3);
}

// The stops are written under a rule of the test's own that refuses one
// establishment twice on a route: the delete and the first inserts are undone.
TEST_F(ConfigurarRotaTeste, ADatabaseErrorMidWayKeepsTheFormerStopsAndSaysTheOperationWasCancelled) {
  ExecutarSQLDireto(QStringLiteral(
      "create unique index IX_TESTE_PARADA on PROTOCOLOROTAENTREGA (CODIGOROTA, CODIGOEMPRESA, CODIGOESTAB)"));
  Carregar(QStringLiteral("2"));
  IrPara(1);
  FProcesso->CopiarDados();
  IrPara(3);
  FProcesso->ColarDados();
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  const QString erro = Gravar();
  EXPECT_TRUE(erro.startsWith(QStringLiteral("Operação cancelada! Não foi possível efetuar a operação!\r\n"))) << erro.toStdString();
  EXPECT_GT(erro.size(), nPrefixoOperacaoCancelada().size());
  EXPECT_EQ(Gravadas(2), (QStringList{"2|1/1|Matriz", "5|2/1|<nulo>", "9|2/2|Campinas:\r\nportaria"}));
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_FALSE(Grade().ControlsDisabled());
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

TEST_F(ConfigurarRotaTeste, CancelarDropsTheChangesAndReloadsTheRoute) {
  Carregar(QStringLiteral("2"));
  IrPara(2);
  Grade().Delete();
  EXPECT_EQ(NovaLinha(1, 1), QString());
  Grade().Edit();
  Campo("CodigoEstab")->SetAsInteger(2);
  FProcesso->actCancelarExecute(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"2|1/1", "5|2/1", "9|2/2"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

// --- new rows

TEST_F(ConfigurarRotaTeste, ANewRowFollowsTheLastPostedOneAndMayRepeatItsNumberUntilTheSave) {
  Carregar(QStringLiteral("1"));
  EXPECT_EQ(NovaLinha(1, 1), QString());
  EXPECT_EQ(Linhas().last(), QStringLiteral("3|1/1"));
  EXPECT_TRUE(FProcesso->TemAlteracao());

  IrPara(1);
  Grade().Edit();
  Campo("Seq")->SetAsInteger(1);
  Grade().Post();
  EXPECT_EQ(NovaLinha(2, 3), QString());
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1", "2|2/2", "2|2/3", "3|1/1"}));

  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Gravadas(1), (QStringList{"1|2/1|Entregar na recepção, aos cuidados da Sra. Luíza.",
                                      "2|2/2|Entregar no escritório do contador da filial, das 9h às 17h.",
                                      "3|2/3|", "4|1/1|"}));
}

TEST_F(ConfigurarRotaTeste, TheFirstRowOfAnEmptyListIsNumberOne) {
  Carregar(QStringLiteral("3"));
  ASSERT_TRUE(Grade().IsEmpty());
  EXPECT_EQ(NovaLinha(2, 1), QString());
  EXPECT_EQ(Linhas(), QStringList{"1|2/1"});
}

TEST_F(ConfigurarRotaTeste, ARowPostedWithoutCompanyOrEstablishmentIsToldButStaysInTheList) {
  Carregar(QStringLiteral("2"));
  EXPECT_EQ(NovaLinha(QVariant(), 1), QStringLiteral("O código da empresa não pode ser nulo!"));
  EXPECT_EQ(NovaLinha(2, QVariant()), QStringLiteral("O código da filial não pode ser nulo!"));
  EXPECT_EQ(Grade().RecordCount(), 5);
  EXPECT_EQ(Grade().State(), TnDataSetState::Browse);
}

// --- moves, deletes and renumbering

TEST_F(ConfigurarRotaTeste, MovingAConsecutiveRowSwapsItsPlaceAndNumberAndFollowsIt) {
  Carregar(QStringLiteral("2"));
  FProcesso->ReconstruirSequencia();
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/1", "3|2/2"}));
  IrPara(2);
  FProcesso->actMoverParaCima(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1", "2|1/1", "3|2/2"}));
  EXPECT_EQ(Grade().RecNo(), 1);
  EXPECT_EQ(Campo("CodigoEmpresa")->AsInteger(), 2);

  IrPara(2);
  FProcesso->actMoverParaBaixo(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1", "2|2/2", "3|1/1"}));
  EXPECT_EQ(Grade().RecNo(), 3);
  EXPECT_EQ(Campo("CodigoEmpresa")->AsInteger(), 1);
  EXPECT_FALSE(Grade().ControlsDisabled());
}

TEST_F(ConfigurarRotaTeste, TheFirstRowUpTheLastRowDownAndASingleRowStay) {
  Carregar(QStringLiteral("1"));
  IrPara(1);
  FProcesso->actMoverParaCima(nullptr);
  IrPara(2);
  FProcesso->actMoverParaBaixo(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"1|2/1", "2|2/2"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());

  Grade().Delete();
  FProcesso->actMoverParaCima(nullptr);
  FProcesso->actMoverParaBaixo(nullptr);
  EXPECT_EQ(Linhas(), QStringList{"1|2/1"});
}

// Kept as the screen always did: across a gap both rows change numbers and
// neither changes place; the cursor ends on the neighbour.
TEST_F(ConfigurarRotaTeste, AcrossAGapAMoveOnlyRenumbersTheTwoRows) {
  Carregar(QStringLiteral("2"));
  IrPara(2);
  FProcesso->actMoverParaCima(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"3|1/1", "4|2/1", "9|2/2"}));
  EXPECT_EQ(Grade().RecNo(), 1);
}

TEST_F(ConfigurarRotaTeste, DeletingAStopRenumbersTheRest) {
  Carregar(QStringLiteral("2"));
  IrPara(2);
  FProcesso->actDeletarSequencia(nullptr);
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/2"}));
  EXPECT_EQ(Grade().RecNo(), 2);
  EXPECT_TRUE(FProcesso->TemAlteracao());
  // The last one: the cursor goes back to the first row.
  FProcesso->actDeletarSequencia(nullptr);
  EXPECT_EQ(Linhas(), QStringList{"1|1/1"});
  EXPECT_EQ(Grade().RecNo(), 1);
}

// Walking the list while numbering would let a row whose new number equals a
// later one's jump past it.
TEST_F(ConfigurarRotaTeste, RenumberingKeepsTheOrderShownAlsoWithRepeatedNumbers) {
  Carregar(QStringLiteral("2"));
  FProcesso->ReconstruirSequencia();
  IrPara(1);
  Grade().Edit();
  Campo("Seq")->SetAsInteger(1);
  Grade().Post();
  EXPECT_EQ(NovaLinha(1, 1), QString());  // number 2, after the old 2
  ASSERT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/1", "2|1/1", "3|2/2"}));
  IrPara(3);
  FProcesso->ReconstruirSequencia();
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/1", "3|1/1", "4|2/2"}));
  EXPECT_EQ(Grade().RecNo(), 3);
}

// A row without company raises once it is posted; the loops that post
// rows leave the grid enabled and the cursor where the user had it.
TEST_F(ConfigurarRotaTeste, ARowThatRaisesMidLoopLeavesTheGridEnabledAndTheCursorInPlace) {
  Carregar(QStringLiteral("2"));
  EXPECT_NE(NovaLinha(QVariant(), 1), QString());
  IrPara(2);
  EXPECT_EQ(ErroDe([&] { FProcesso->ReconstruirSequencia(); }), QStringLiteral("O código da empresa não pode ser nulo!"));
  EXPECT_FALSE(Grade().ControlsDisabled());
  EXPECT_EQ(Grade().RecNo(), 2);

  IrPara(4);
  ASSERT_TRUE(Campo("CodigoEmpresa")->IsNull());
  EXPECT_EQ(ErroDe([&] { FProcesso->actMoverParaCima(nullptr); }), QStringLiteral("O código da empresa não pode ser nulo!"));
  EXPECT_FALSE(Grade().ControlsDisabled());
  EXPECT_TRUE(Campo("CodigoEmpresa")->IsNull());
}

// --- copy and paste

TEST_F(ConfigurarRotaTeste, PasteBeforeAnyCopyDoesNothingAndAPasteKeepsPlaceAndObservation) {
  Carregar(QStringLiteral("2"));
  IrPara(3);
  FProcesso->ColarDados();
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_EQ(FProcesso->CodigoEmpresaCopiado(), 0);

  IrPara(1);
  FProcesso->CopiarDados();
  EXPECT_EQ(FProcesso->CodigoEmpresaCopiado(), 1);
  EXPECT_EQ(FProcesso->CodigoEstabCopiado(), 1);
  IrPara(3);
  FProcesso->ColarDados();
  EXPECT_EQ(Linhas(), (QStringList{"2|1/1", "5|2/1", "9|1/1"}));
  EXPECT_EQ(Campo("Obs")->AsString(), QStringLiteral("Campinas:\r\nportaria"));
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

// --- the observation

TEST_F(ConfigurarRotaTeste, TheGridShowsTheObservationsStartWithLineBreaksAsSpaces) {
  Carregar(QStringLiteral("2"));
  IrPara(3);
  EXPECT_EQ(Campo("Obs")->DisplayText(), QStringLiteral("Campinas: portaria"));
  EXPECT_EQ(Campo("Obs")->Text(), QStringLiteral("Campinas:\r\nportaria"));
  EXPECT_EQ(TmVoxDPConfigurarRotaEntrega::TextoObs(QStringLiteral("Entregar na recepção, aos cuidados da Sra. Luíza.")),
            QStringLiteral("Entregar na recepção, aos cu"));
  EXPECT_EQ(TmVoxDPConfigurarRotaEntrega::TextoObs(QString()), QString());
}

// Characters, not code units: a letter with its accent written apart and a
// character beyond the basic plane each count once and are never split.
TEST_F(ConfigurarRotaTeste, TheCutOfTheObservationNeverSplitsACharacter) {
  const QString acento = QStringLiteral("e\u0301");
  const QString emoji = QString::fromUcs4(U"\U0001F69A");
  const QString texto = QString(26, u'a') + acento + emoji + QStringLiteral("fim");
  EXPECT_EQ(TmVoxDPConfigurarRotaEntrega::TextoObs(texto), QString(26, u'a') + acento + emoji);
  const QString quebra = QString(27, u'b') + QStringLiteral("\r\nc");
  EXPECT_EQ(TmVoxDPConfigurarRotaEntrega::TextoObs(quebra), QString(27, u'b') + u' ');
}

TEST_F(ConfigurarRotaTeste, TheObservationEditorStoresWhatItHolds) {
  Carregar(QStringLiteral("2"));
  IrPara(2);
  FDialogos->ResponderTexto(QStringLiteral("Ligar antes:\r\n(11) 5555-0000 — Conceição"));
  FProcesso->actObservacoes(nullptr);
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Digite a observação:")});
  EXPECT_EQ(Campo("Obs")->AsString(), QStringLiteral("Ligar antes:\r\n(11) 5555-0000 — Conceição"));
  EXPECT_TRUE(FProcesso->TemAlteracao());
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  FDialogos->Responder(0);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Gravadas(2)[1], QStringLiteral("2|2/1|Ligar antes:\r\n(11) 5555-0000 — Conceição"));
}

// Dialogs that answer the observation editor with keys typed in its memo.
class TnDialogosTeclas : public TnDialogosRoteiro {
 public:
  TnDialogosTeclas(QString texto, int tecla, TShiftState shift)
      : FTexto(std::move(texto)), FTecla(tecla), FShift(shift), FAnterior(nSetDialogos(this)) {}
  ~TnDialogosTeclas() override { nSetDialogos(FAnterior); }
  void ExecutarDlg(TnFrmDlg &dlg) override {
    Caption = dlg.Caption();
    Tamanho = QSize(dlg.Width(), dlg.Height());
    Botoes = QStringLiteral("%1 %2").arg(dlg.BtnOk().Caption).arg(dlg.BtnCancelar().Visivel);
    ASSERT_NE(dlg.Memo(), nullptr);
    AntesDeDigitar = dlg.Memo()->Text();
    Cliente = dlg.Memo()->AlinharCliente();
    dlg.Memo()->SetText(FTexto);
    Restante = dlg.Memo()->TeclaPressionada(FTecla, FShift);
    Fechada = !dlg.Exibindo() || dlg.ModalResult() != mrNone;
  }
  QString Caption, Botoes, AntesDeDigitar;
  QSize Tamanho;
  bool Cliente = false;
  bool Fechada = false;
  int Restante = -1;

 private:
  QString FTexto;
  int FTecla;
  TShiftState FShift;
  TnDialogos *FAnterior;
};

TEST_F(ConfigurarRotaTeste, EscOrCtrlEnterCloseTheEditorAndTheTextIsStoredAnyway) {
  Carregar(QStringLiteral("2"));
  IrPara(3);
  {
    TnDialogosTeclas teclas(QStringLiteral("Deixar com o zelador"), nTeclaEsc, {});
    FProcesso->actObservacoes(nullptr);
    EXPECT_EQ(teclas.Caption, QStringLiteral("Digite a observação:"));
    EXPECT_EQ(teclas.Tamanho, QSize(300, 300));
    EXPECT_EQ(teclas.Botoes, QStringLiteral("Incluir 0"));
    EXPECT_EQ(teclas.AntesDeDigitar, QStringLiteral("Campinas:\r\nportaria"));
    EXPECT_TRUE(teclas.Cliente);
    EXPECT_TRUE(teclas.Fechada);
    EXPECT_EQ(teclas.Restante, 0);
  }
  EXPECT_EQ(Campo("Obs")->AsString(), QStringLiteral("Deixar com o zelador"));
  {
    TnDialogosTeclas teclas(QStringLiteral("Tocar a campainha"), nTeclaEnter, ssCtrl);
    FProcesso->actObservacoes(nullptr);
    EXPECT_TRUE(teclas.Fechada);
  }
  EXPECT_EQ(Campo("Obs")->AsString(), QStringLiteral("Tocar a campainha"));
  {
    // Enter alone is a new line in the text.
    TnDialogosTeclas teclas(QStringLiteral("x"), nTeclaEnter, {});
    FProcesso->actObservacoes(nullptr);
    EXPECT_FALSE(teclas.Fechada);
    EXPECT_EQ(teclas.Restante, nTeclaEnter);
  }
}

TEST_F(ConfigurarRotaTeste, NoEditorOnAnEmptyList) {
  Carregar(QStringLiteral("3"));
  FProcesso->actObservacoes(nullptr);  // an unexpected dialog would fail the test
  EXPECT_TRUE(Grade().IsEmpty());
}

// --- the grid as the user works it

class TelaRotaTeste : public ConfigurarRotaTeste {
 protected:
  void SetUp() override {
    ConfigurarRotaTeste::SetUp();
    if (HasFatalFailure()) return;
    FForm = FProcesso->CriarForm();
    ASSERT_NE(FForm, nullptr);
    Carregar(QStringLiteral("2"));
    FGrid = FForm->DBGrid();
    ASSERT_NE(FGrid, nullptr);
  }
  TnFrmPowerParam *FForm = nullptr;
  TnDBGridEh *FGrid = nullptr;
};

TEST_F(TelaRotaTeste, CtrlCAndCtrlVCopyAndPasteTheStopOnTheGrid) {
  FGrid->ClicarCelula(0, 1);
  FGrid->PressionarTecla(67, ssCtrl);
  FGrid->ClicarCelula(1, 1);
  FGrid->PressionarTecla(86, ssCtrl);
  EXPECT_EQ(Linhas(), (QStringList{"2|1/1", "5|1/1", "9|2/2"}));
}

TEST_F(TelaRotaTeste, ToolButtonsAndTheirKeysMoveDeleteAndRenumber) {
  FGrid->ClicarCelula(2, 0);
  EXPECT_TRUE(FForm->PressionarAtalho(QKeyCombination(Qt::ControlModifier, Qt::Key_R)));
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/1", "3|2/2"}));
  EXPECT_TRUE(FForm->PressionarAtalho(QKeyCombination(Qt::ControlModifier, Qt::Key_Up)));
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/2", "3|2/1"}));
  EXPECT_TRUE(FForm->ToolButton(QStringLiteral("Mover para baixo"))->Click());
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/1", "3|2/2"}));
  EXPECT_TRUE(FForm->PressionarAtalho(QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete)));
  EXPECT_EQ(Linhas(), (QStringList{"1|1/1", "2|2/1"}));
}

TEST_F(TelaRotaTeste, EnterOrADoubleClickOnTheObservationOpensItsEditor) {
  FGrid->ClicarCelula(0, FGrid->IndiceColuna(QStringLiteral("Obs")));
  FDialogos->ResponderTexto(QStringLiteral("Primeira"));
  FGrid->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(Campo("Obs")->AsString(), QStringLiteral("Primeira"));
  FDialogos->ResponderTexto(QStringLiteral("Segunda"));
  EXPECT_TRUE(FGrid->DblClick());
  EXPECT_EQ(Campo("Obs")->AsString(), QStringLiteral("Segunda"));
  // Elsewhere a double click does nothing.
  FGrid->ClicarCelula(0, 0);
  FGrid->DblClick();
  EXPECT_EQ(FDialogos->Textos().size(), 2);
}

TEST_F(TelaRotaTeste, EnterOnACodeSearchesUnlessTheRowIsBeingTypedAndF3SearchesAgain) {
  FGrid->ClicarCelula(0, 1);
  FDialogos->ResponderTexto(QStringLiteral("Campinas"));
  FGrid->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(Grade().RecNo(), 3);
  FGrid->PressionarTecla(nTeclaF3);  // the only row: found where it is
  EXPECT_EQ(Grade().RecNo(), 3);

  // Typing a code and Enter only writes it.
  FGrid->ClicarCelula(1, 1);
  ASSERT_TRUE(FGrid->Digitar(QStringLiteral("1")));
  FGrid->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(Campo("CodigoEmpresa")->AsInteger(), 1);
  EXPECT_EQ(FDialogos->Textos().size(), 1);
}

TEST_F(TelaRotaTeste, InsertOnTheGridStartsTheNewStopAtItsCompany) {
  for (int coluna : {0, 1}) {
    FGrid->ClicarCelula(2, coluna);
    EXPECT_EQ(FGrid->PressionarTecla(45), 45);
    EXPECT_EQ(Grade().State(), TnDataSetState::Insert);
    EXPECT_EQ(FGrid->SelectedField(), Campo("CodigoEmpresa"));
    EXPECT_EQ(Campo("Seq")->AsInteger(), 10);
    Grade().Cancel();
  }
}

TEST_F(TelaRotaTeste, WithKeyNavigationEnterMovesAlongTheCodes) {
  FProcesso->SetNavegacaoTeclado(true);
  FGrid->ClicarCelula(0, 1);
  FGrid->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(FGrid->SelectedField(), Campo("CodigoEstab"));
}

TEST_F(TelaRotaTeste, TheEditButtonPicksACompanyAndAnEstablishmentOfThatCompany) {
  FGrid->ClicarCelula(1, FGrid->IndiceColuna(QStringLiteral("CodigoEmpresa")));
  {
    TnModalTeste modal([](TnFrmVisual &f) {
      auto &consulta = dynamic_cast<TnFrmConGrid &>(f);
      consulta.Grid()->ClicarCelula(2, 0);
      consulta.Escolher();
    });
    EXPECT_TRUE(FGrid->EditButtonClick());
  }
  EXPECT_EQ(Campo("CodigoEmpresa")->AsInteger(), 3);
  FGrid->ClicarCelula(1, FGrid->IndiceColuna(QStringLiteral("CodigoEstab")));
  int linhas = 0;
  {
    TnModalTeste modal([&](TnFrmVisual &f) {
      auto &consulta = dynamic_cast<TnFrmConGrid &>(f);
      linhas = consulta.DataSet()->RecordCount();
      consulta.Escolher();
    });
    EXPECT_TRUE(FGrid->EditButtonClick());
  }
  EXPECT_EQ(linhas, 1);
  Grade().Post();
  EXPECT_EQ(Linhas()[1], QStringLiteral("5|3/1"));

  // No company, no establishment lookup.
  EXPECT_NE(NovaLinha(QVariant(), QVariant()), QString());
  FGrid->ClicarCelula(Grade().RecNo() - 1, FGrid->IndiceColuna(QStringLiteral("CodigoEstab")));
  ASSERT_TRUE(Campo("CodigoEmpresa")->IsNull());
  TnModalTeste nenhum([](TnFrmVisual &) { ADD_FAILURE() << "consulta aberta sem empresa"; });
  FGrid->EditButtonClick();
}

}  // namespace
