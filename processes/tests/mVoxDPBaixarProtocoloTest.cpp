// The bulk withdrawal on the sample office with protocols of its own; the
// clock stands at 01/12/2026 09:30:00.
#include <QDate>
#include <QDateTime>
#include <QKeyCombination>
#include <algorithm>
#include <functional>

#include "mVoxDMProtocolo_U.h"
#include "mVoxDPBaixarProtocolo_U.h"
#include "mVoxPkTeste_U.h"
#include "mVoxProtocoloTeste_U.h"
#include "nCores_U.h"
#include "nCursorEspera_U.h"
#include "nDBGrid_U.h"
#include "nDesenhoCelula_U.h"
#include "nDialogosRoteiro_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nToolButton_U.h"
#include "npqParamItem_U.h"

namespace {

const QDateTime kAgora{QDate(2026, 12, 1), QTime(9, 30)};
const QDateTime kAntigo{QDate(2026, 1, 2), QTime(8, 0)};
const QString kFormato = QStringLiteral("yyyy-MM-dd HH:mm");
const QString kSemInserir = QStringLiteral("Não é permitido inserir registros.");

// What a withdrawal dialog is answered with.
QMap<QString, QString> Respostas(const QString &responsavel, const QString &usuario = QStringLiteral("2"),
                                 const QString &data = QStringLiteral("30/11/2026"),
                                 const QString &hora = QStringLiteral("16:45")) {
  return {{QStringLiteral("Responsável Recebimento"), responsavel},
          {QStringLiteral("Usuário Entrega"), usuario},
          {QStringLiteral("Data Entrega"), data},
          {QStringLiteral("Hora Entrega"), hora}};
}

// Open protocols of nature "Saída" of establishments 2/1, 2/2 and 1/1, one
// of "Entrada" (20), one already withdrawn (21) and one beyond 32 bits.
class BaixarProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    const QDate novembro10(2026, 11, 10);
    for (const TnProtocoloTeste &p :
         {TnProtocoloTeste{.Codigo = 10, .Data = novembro10, .Tipo = "1"},
          TnProtocoloTeste{.Codigo = 11, .Estab = 2, .Data = QDate(2026, 11, 12)},
          TnProtocoloTeste{.Codigo = 12, .Data = QDate(2026, 11, 20)},
          TnProtocoloTeste{.Codigo = 13, .Empresa = 1, .Data = QDate(2026, 11, 25)},
          TnProtocoloTeste{.Codigo = 14, .Estab = 2, .Data = QDate(2026, 12, 1)},
          TnProtocoloTeste{.Codigo = 15, .Data = QDate(2026, 12, 2)},
          TnProtocoloTeste{.Codigo = 20, .Data = novembro10, .Natureza = "2"},
          TnProtocoloTeste{.Codigo = 21, .Data = novembro10, .Entrega = kAntigo, .Baixa = kAntigo},
          TnProtocoloTeste{.Codigo = 3000000000, .Estab = 2, .Data = QDate(2026, 11, 15), .Tipo = "1"}})
      InserirProtocoloTeste(p);
    FProcesso = dynamic_cast<TmVoxDPBaixarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPBaixarProtocolo")));
    ASSERT_NE(FProcesso, nullptr);
    FForm = FProcesso->CriarForm();
    ASSERT_NE(FForm, nullptr);
  }

  TnpqParamItem *P(const char *nome) { return FProcesso->npqPowerParam().Param(QLatin1String(nome)); }
  TnClientDataSet &Dados() { return FProcesso->nClientDataSet(); }
  TnDBGridEh *Grid() { return FProcesso->nDBGrid(); }
  // A run as the user starts it; the error it raised, empty when none.
  QString Executar() {
    return ErroDe([&] { FProcesso->ExecutarProcesso(); });
  }
  QString Gravar() {
    return ErroDe([&] { FProcesso->actGravarExecute(nullptr); });
  }
  // The grid's rows in the order shown: "protocol|mark as shown".
  QStringList Grade() {
    QStringList linhas;
    const TnBookmark atual = Dados().GetBookmark();
    for (Dados().First(); !Dados().Eof(); Dados().Next())
      linhas << Dados().FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsString() + u'|' +
                    Dados().FieldByName(QStringLiteral("BAIXAR"))->DisplayText();
    if (Dados().BookmarkValid(atual)) Dados().GotoBookmark(atual);
    return linhas;
  }
  // The same, sorted: after Gravar the rows stand grouped by establishment.
  QStringList Restantes() {
    QStringList linhas = Grade();
    linhas.sort();
    return linhas;
  }
  QStringList Codigos() {
    QStringList codigos;
    for (const QString &linha : Grade()) codigos << linha.section(u'|', 0, 0);
    return codigos;
  }
  bool Ir(qint64 codigo) { return Dados().Locate(QStringLiteral("CODIGOPROTOCOLO"), codigo); }
  // Enter on the grid on the protocol's row.
  void Marcar(qint64 codigo) {
    ASSERT_TRUE(Ir(codigo)) << codigo;
    Grid()->PressionarTecla(nTeclaEnter);
  }
  // "user|external person|delivery|withdrawal" as stored; "aberto" while open.
  QString Baixa(qint64 codigo) {
    const std::unique_ptr<TnClientDataSet> linha =
        ExecutarSQL(QStringLiteral("select CODIGOUSUARIOINT, USUARIOEXT, DATAHORAENTREGA, DATAHORABAIXA from PROTOCOLO "
                                   "where CODIGOPROTOCOLO = :c"),
                    {codigo});
    if (linha->FieldByName(QStringLiteral("DATAHORABAIXA"))->IsNull()) return QStringLiteral("aberto");
    return QStringList{linha->FieldByName(QStringLiteral("CODIGOUSUARIOINT"))->AsString(),
                       linha->FieldByName(QStringLiteral("USUARIOEXT"))->AsString(),
                       linha->FieldByName(QStringLiteral("DATAHORAENTREGA"))->AsDateTime().toString(kFormato),
                       linha->FieldByName(QStringLiteral("DATAHORABAIXA"))->AsDateTime().toString(kFormato)}
        .join(u'|');
  }
  // The captions of the withdrawal dialogs asked so far.
  QStringList Dialogos() {
    QStringList textos;
    for (const TnPerguntaDialogo &p : FDialogos.Roteiro().Perguntas())
      if (p.Tipo == TnTipoPergunta::Formulario) textos << p.Texto;
    return textos;
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TmVoxDPBaixarProtocolo *FProcesso = nullptr;
  TnFrmPowerParam *FForm = nullptr;
};

const QString kBaixaJoao = QStringLiteral("2|João|2026-11-30 16:45|2026-12-01 09:30");

// --- the listing

TEST_F(BaixarProtocoloTeste, ListsTheOpenProtocolsOfTheChosenNatureByNumberUnmarked) {
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Grade(), (QStringList{"10|Não", "11|Não", "12|Não", "13|Não", "14|Não", "15|Não", "3000000000|Não"}));
  ASSERT_TRUE(Ir(10));
  EXPECT_EQ(Dados().FieldByName(QStringLiteral("TIPOPRO"))->AsString(), QStringLiteral("GUIA"));
  EXPECT_EQ(Dados().FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate(), QDate(2026, 11, 10));
  EXPECT_EQ(Dados().FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("Protocolo 10"));
  ASSERT_TRUE(Ir(11));
  EXPECT_EQ(Dados().FieldByName(QStringLiteral("TIPOPRO"))->AsString(), QStringLiteral("DOC"));
  EXPECT_FALSE(FProcesso->TemAlteracao());

  P("pTipo")->SetAsString(QStringLiteral("Entrada"));
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Codigos(), QStringList{"20"});
}

// Cancelled protocols are listed and withdrawn like any other.
TEST_F(BaixarProtocoloTeste, CancelledProtocolsAreListedToo) {
  InserirProtocoloTeste({.Codigo = 16, .Data = QDate(2026, 11, 11), .Cancelado = "1"});
  ASSERT_EQ(Executar(), QString());
  EXPECT_TRUE(Codigos().contains(QStringLiteral("16")));
}

TEST_F(BaixarProtocoloTeste, FinalDateWithoutInitialIsRefusedAndTheListStaysAsItWas) {
  ASSERT_EQ(Executar(), QString());
  Marcar(11);
  P("pDataFinal")->SetAsDate(QDate(2026, 11, 30));
  EXPECT_EQ(Executar(), QStringLiteral("Para informar o período final, é necessário informar a data inicial!"));
  EXPECT_EQ(Grade().at(1), QStringLiteral("11|Sim"));
}

TEST_F(BaixarProtocoloTeste, PeriodRunsFromTheInitialDateToTodayOrToTheFinalDateBothIncluded) {
  P("pDataInicial")->SetAsDate(QDate(2026, 11, 25));
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Codigos(), (QStringList{"13", "14"}));  // 15 is dated tomorrow
  EXPECT_EQ(FProcesso->DataFinal(), QDate(2026, 12, 1));

  P("pDataInicial")->SetAsDate(QDate(2026, 11, 12));
  P("pDataFinal")->SetAsDate(QDate(2026, 11, 20));
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Codigos(), (QStringList{"11", "12", "3000000000"}));
}

TEST_F(BaixarProtocoloTeste, SelectionsOfProtocolsCompaniesAndEstablishmentsNarrowTheList) {
  P("pCodigoProtocolo")->SetAsString(QStringLiteral("10-13;3000000000"));
  P("pCodigoEstab")->SetAsString(QStringLiteral("2"));
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Codigos(), (QStringList{"11", "3000000000"}));

  P("pCodigoProtocolo")->Clear();
  P("pCodigoEstab")->Clear();
  P("pCodigoEmpresa")->SetAsString(QStringLiteral("1"));
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Codigos(), QStringList{"13"});

  // Typed text that is no list of codes never reaches the statement.
  P("pCodigoEmpresa")->SetAsString(QStringLiteral("1' or '1'='1"));
  EXPECT_NE(Executar(), QString());
}

// --- marking

TEST_F(BaixarProtocoloTeste, EnterAndDoubleClickSwitchTheMarkAndShowItInGreen) {
  ASSERT_EQ(Executar(), QString());
  Marcar(12);
  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_EQ(Grade().at(2), QStringLiteral("12|Sim"));
  EXPECT_EQ(Dados().FieldByName(QStringLiteral("ALTERUSER"))->AsInteger(), 1);
  const int linha = 2;
  const int coluna = Grid()->IndiceColuna(QStringLiteral("OBSERVACAO"));
  Dados().First();
  EXPECT_EQ(Grid()->DesenharCelula(linha, coluna).CorFonte, nCorVerde);
  EXPECT_EQ(Grid()->DesenharCelula(1, coluna).CorFonte, nCorPadrao);
  // The current cell of the focused grid stays readable on its highlight.
  ASSERT_TRUE(Grid()->Focado());
  Grid()->SetSelectedIndex(coluna);
  ASSERT_TRUE(Ir(12));
  EXPECT_EQ(Grid()->DesenharCelula(linha, coluna).CorFonte, nCorBranco);

  ASSERT_TRUE(Grid()->DblClick());
  EXPECT_EQ(Grade().at(2), QStringLiteral("12|Não"));
  EXPECT_EQ(Dados().FieldByName(QStringLiteral("ALTERUSER"))->AsInteger(), 0);
  Dados().First();
  EXPECT_EQ(Grid()->DesenharCelula(linha, coluna).CorFonte, nCorPadrao);
}

TEST_F(BaixarProtocoloTeste, EnterOrDoubleClickOnAnEmptyGridIsRefused) {
  P("pCodigoProtocolo")->SetAsString(QStringLiteral("99"));
  ASSERT_EQ(Executar(), QString());
  ASSERT_TRUE(Dados().IsEmpty());
  FDialogos->Responder(0);
  FDialogos->Responder(0);
  Grid()->PressionarTecla(nTeclaEnter);
  EXPECT_FALSE(Grid()->DblClick());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kSemInserir, kSemInserir}));
  EXPECT_TRUE(Dados().IsEmpty());
  EXPECT_EQ(Dados().State(), TnDataSetState::Browse);
}

// The choice alternates for the life of the screen, not per listing.
TEST_F(BaixarProtocoloTeste, MarkAllAlternatesBetweenSimAndNaoAcrossRuns) {
  ASSERT_EQ(Executar(), QString());
  Marcar(11);
  ASSERT_TRUE(FForm->PressionarAtalho(QKeyCombination(Qt::ControlModifier, Qt::Key_Insert)));
  for (const QString &linha : Grade()) EXPECT_TRUE(linha.endsWith(QStringLiteral("|Sim"))) << linha.toStdString();
  EXPECT_FALSE(TnCursorEspera::Ativo());

  ASSERT_EQ(Executar(), QString());
  FProcesso->actMarcarTodasExecute(nullptr);
  EXPECT_EQ(FProcesso->Opcao(), 0);
  for (const QString &linha : Grade()) EXPECT_TRUE(linha.endsWith(QStringLiteral("|Não"))) << linha.toStdString();
  // Gravar then withdraws nothing and asks nothing.
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Baixa(11), QStringLiteral("aberto"));
}

// Rows sorted by the mark move as they change: every row must still be
// reached.
TEST_F(BaixarProtocoloTeste, MarkAllReachesEveryRowOfAListSortedByTheMark) {
  ASSERT_EQ(Executar(), QString());
  Grid()->TitleClick(Grid()->IndiceColuna(QStringLiteral("BAIXAR")));
  FProcesso->actMarcarTodasExecute(nullptr);
  EXPECT_EQ(Dados().RecordCount(), 7);
  for (const QString &linha : Grade()) EXPECT_TRUE(linha.endsWith(QStringLiteral("|Sim"))) << linha.toStdString();
}

TEST_F(BaixarProtocoloTeste, TitleClicksSortAscendingThenReverseEachTime) {
  ASSERT_EQ(Executar(), QString());
  const int protocolo = Grid()->IndiceColuna(QStringLiteral("CODIGOPROTOCOLO"));
  const int data = Grid()->IndiceColuna(QStringLiteral("DATALCTOPRO"));
  const QStringList crescente{"10", "11", "12", "13", "14", "15", "3000000000"};
  QStringList decrescente = crescente;
  std::reverse(decrescente.begin(), decrescente.end());
  Grid()->TitleClick(protocolo);
  EXPECT_EQ(Codigos(), crescente);
  Grid()->TitleClick(protocolo);
  EXPECT_EQ(Codigos(), decrescente);
  Grid()->TitleClick(protocolo);
  EXPECT_EQ(Codigos(), crescente);
  Grid()->TitleClick(data);
  EXPECT_EQ(Codigos(), (QStringList{"10", "11", "3000000000", "12", "13", "14", "15"}));
}

// --- Gravar

// One question per establishment, in company and establishment order,
// whatever order the screen shows; each answer stamps its establishment's
// marked protocols, which leave the list.
TEST_F(BaixarProtocoloTeste, GravarAsksOncePerEstablishmentAndWithdrawsItsMarkedProtocols) {
  TmVoxDMProtocolo *registro = Criar<TmVoxDMProtocolo>(QStringLiteral("TmVoxDMProtocolo"));
  ASSERT_NE(registro, nullptr);
  ASSERT_EQ(Executar(), QString());
  Grid()->TitleClick(Grid()->IndiceColuna(QStringLiteral("DATALCTOPRO")));
  for (qint64 codigo : QList<qint64>{10, 11, 3000000000, 12, 14}) Marcar(codigo);
  FDialogos->ResponderCampos(Respostas(QStringLiteral("João")));
  // The second dialog opens with the first one's answers.
  FDialogos->ResponderCampos({{QStringLiteral("Responsável Recebimento"), QStringLiteral("Ana Lima")}});
  ASSERT_EQ(Gravar(), QString());

  EXPECT_EQ(Dialogos(),
            (QStringList{"Baixa do Protocolo - Empresa 2, Filial 1", "Baixa do Protocolo - Empresa 2, Filial 2"}));
  for (qint64 codigo : QList<qint64>{10, 12}) EXPECT_EQ(Baixa(codigo), kBaixaJoao) << codigo;
  for (qint64 codigo : QList<qint64>{11, 14, 3000000000})
    EXPECT_EQ(Baixa(codigo), QStringLiteral("2|Ana Lima|2026-11-30 16:45|2026-12-01 09:30")) << codigo;
  for (qint64 codigo : QList<qint64>{13, 15}) EXPECT_EQ(Baixa(codigo), QStringLiteral("aberto")) << codigo;
  EXPECT_EQ(Codigos(), (QStringList{"13", "15"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Dados().Filtered());
  EXPECT_FALSE(Dados().ControlsDisabled());
  EXPECT_FALSE(TnCursorEspera::Ativo());
  // An open register shows the new stamps.
  ASSERT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 10));
  EXPECT_EQ(registro->nClientDataSet->FieldByName(QStringLiteral("USUARIOEXT"))->AsString(), QStringLiteral("João"));
}

TEST_F(BaixarProtocoloTeste, AnEstablishmentWhoseDialogIsCancelledStaysOpenListedAndMarked) {
  ASSERT_EQ(Executar(), QString());
  for (qint64 codigo : QList<qint64>{10, 11, 12}) Marcar(codigo);
  FDialogos->Cancelar();
  FDialogos->ResponderCampos(Respostas(QStringLiteral("João")));
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Baixa(10), QStringLiteral("aberto"));
  EXPECT_EQ(Baixa(12), QStringLiteral("aberto"));
  EXPECT_EQ(Baixa(11), kBaixaJoao);
  EXPECT_EQ(Restantes(), (QStringList{"10|Sim", "12|Sim", "13|Não", "14|Não", "15|Não", "3000000000|Não"}));
}

// Another user's withdrawal, recorded after the listing, is never written
// over; the row stays on the list.
TEST_F(BaixarProtocoloTeste, AProtocolWithdrawnMeanwhileKeepsItsWithdrawalAndStaysListed) {
  ASSERT_EQ(Executar(), QString());
  for (qint64 codigo : QList<qint64>{10, 12}) Marcar(codigo);
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = :baixa, DATAHORAENTREGA = :entrega, "
                                   "USUARIOEXT = 'Carlos', CODIGOUSUARIOINT = 1 where CODIGOPROTOCOLO = 12"),
                    {kAntigo, kAntigo});
  FDialogos->ResponderCampos(Respostas(QStringLiteral("João")));
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Baixa(10), kBaixaJoao);
  EXPECT_EQ(Baixa(12), QStringLiteral("1|Carlos|2026-01-02 08:00|2026-01-02 08:00"));
  EXPECT_TRUE(Codigos().contains(QStringLiteral("12")));
  EXPECT_FALSE(Codigos().contains(QStringLiteral("10")));
}

// The dialog's meaning (who delivers, who receives) follows the nature of
// the listed rows, not a "Tipo" changed after the listing.
TEST_F(BaixarProtocoloTeste, TheDialogFollowsTheNatureOfTheListedRows) {
  P("pTipo")->SetAsString(QStringLiteral("2"));
  ASSERT_EQ(Executar(), QString());
  Marcar(20);
  P("pTipo")->SetAsString(QStringLiteral("1"));
  FDialogos->ResponderCampos({{QStringLiteral("Responsável Entrega"), QStringLiteral("Paulo")},
                              {QStringLiteral("Usuário Recebimento"), QStringLiteral("2")}});
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos.Roteiro().Perguntas().last().Opcoes.first(), QStringLiteral("Responsável Entrega"));
  EXPECT_EQ(Baixa(20).section(u'|', 0, 1), QStringLiteral("2|Paulo"));
}

TEST_F(BaixarProtocoloTeste, CancelarFromTheFormListsAgainWithoutMarks) {
  ASSERT_EQ(Executar(), QString());
  Marcar(10);
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = :m where CODIGOPROTOCOLO = 11"), {kAntigo});
  ASSERT_TRUE(FForm->Cancelar());
  EXPECT_EQ(Grade(), (QStringList{"10|Não", "12|Não", "13|Não", "14|Não", "15|Não", "3000000000|Não"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

// Scripted dialogs that also run a step of the test when a form is shown.
class TnDialogosComPasso : public TnDialogosRoteiro {
 public:
  std::function<void()> AoMostrarForm;
  void ExecutarDlg(TnFrmDlg &dlg) override {
    if (AoMostrarForm) AoMostrarForm();
    TnDialogosRoteiro::ExecutarDlg(dlg);
  }
};

// Each protocol is written on its own: those withdrawn before a failure stay
// withdrawn and off the list; the failing one and the rest stay listed and
// marked; the screen is usable again and an open register shows what was
// written.
TEST_F(BaixarProtocoloTeste, AFailureMidwayKeepsWhatWasWrittenAndLeavesTheRestListed) {
  TmVoxDMProtocolo *registro = Criar<TmVoxDMProtocolo>(QStringLiteral("TmVoxDMProtocolo"));
  ASSERT_EQ(Executar(), QString());
  for (qint64 codigo : QList<qint64>{10, 12, 11, 14}) Marcar(codigo);
  // A protocol already withdrawn by "Ana Lima" on the date of protocol 11:
  // the second establishment's first write collides with it.
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set USUARIOEXT = 'Ana Lima', DATALCTOPRO = :d where "
                                   "CODIGOPROTOCOLO = 21"),
                    {QDate(2026, 11, 12)});
  ExecutarSQLDireto(QStringLiteral("create unique index UQ_PROTOCOLO_TESTE on PROTOCOLO (USUARIOEXT, DATALCTOPRO)"));

  TnDialogosComPasso dialogos;
  TnDialogos *anterior = nSetDialogos(&dialogos);
  QList<bool> cursorNoDialogo;
  dialogos.AoMostrarForm = [&] { cursorNoDialogo << TnCursorEspera::Ativo(); };
  dialogos.ResponderCampos(Respostas(QStringLiteral("João")));
  dialogos.ResponderCampos(Respostas(QStringLiteral("Ana Lima")));
  const QString erro = Gravar();
  nSetDialogos(anterior);

  EXPECT_NE(erro, QString());
  EXPECT_EQ(cursorNoDialogo, (QList<bool>{false, false}));
  EXPECT_EQ(Baixa(10), kBaixaJoao);
  EXPECT_EQ(Baixa(12), kBaixaJoao);
  EXPECT_EQ(Baixa(11), QStringLiteral("aberto"));
  EXPECT_EQ(Baixa(14), QStringLiteral("aberto"));
  EXPECT_EQ(Restantes(), (QStringList{"11|Sim", "13|Não", "14|Sim", "15|Não", "3000000000|Não"}));
  EXPECT_FALSE(Dados().Filtered());
  EXPECT_EQ(Dados().Filter(), QString());
  EXPECT_FALSE(Dados().ControlsDisabled());
  EXPECT_FALSE(TnCursorEspera::Ativo());
  ASSERT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 12));
  EXPECT_EQ(registro->nClientDataSet->FieldByName(QStringLiteral("USUARIOEXT"))->AsString(), QStringLiteral("João"));
}

}  // namespace
