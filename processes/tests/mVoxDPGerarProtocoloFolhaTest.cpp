// The payroll sources of "Gerar Protocolo" on the sample office's November
// 2026 payroll, paid on 07/12/2026: company 1 pays two employees at its
// establishment 1; company 2 pays two at São Paulo (1) and two at Campinas
// (2), one of them (2/3) moved there from São Paulo in March. Ana Paula
// (2/2, São Paulo) was dismissed on 20/11, paid on 30/11; Fernanda (2/4,
// Campinas) took vacation from 09/11, paid on 06/11. Event 5020 is the
// amount; event 1 (the base salary) never counts. The clock stands at
// 01/12/2026 09:30:00.
#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <algorithm>

#include "mVoxDMProtocoloItem_U.h"
#include "mVoxGerarProtocoloTeste_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmVisual_U.h"
#include "nToolButton_U.h"

namespace {

const QString kObservacaoFolha = QStringLiteral("Folha de Pagamento - Gerado em 01/12/2026 09:30:00");

class GerarProtocoloFolhaTeste : public TmVoxGerarProtocoloTeste {
 protected:
  // Every item, "establishment|<fields>", sorted: the payroll statements
  // give their rows in the database's order.
  QStringList ItensPorFilial(const QStringList &campos) {
    return ItensComProposta({QStringLiteral("CODIGOESTAB")}, campos);
  }
  // Company 2's pay, per employee or totalised: "establishment|contract|
  // value|protocol" sorted.
  QStringList Pagamentos(const char *tipoFolha, const QString &estabs = QString()) {
    const QString erro = Gerar({.Tipos = "6", .Empresas = "2", .Estabs = estabs, .TipoFolha = tipoFolha});
    EXPECT_EQ(erro, QString());
    return ItensPorFilial({"CodigoFuncContr", "VALOR", "PROTOCOLO"});
  }
  // Marks the item of the employee (null: the first item) and saves; the
  // protocol number written.
  qint64 GravarFuncionario(int contrato) {
    TnClientDataSet &detalhe = Detalhe();
    detalhe.SetFiltered(false);
    bool achou = false;
    for (detalhe.First(); !detalhe.Eof(); detalhe.Next())
      if (contrato == 0 || detalhe.FieldByName(QStringLiteral("CodigoFuncContr"))->AsInteger() == contrato) {
        achou = true;
        break;
      }
    EXPECT_TRUE(achou) << contrato;
    FProcesso->MarcarItem();
    const qint64 antes = Valor(QStringLiteral("select max(CODIGOPROTOCOLO) from PROTOCOLO")).toLongLong();
    EXPECT_EQ(Gravar(), QString());
    return antes + 1;
  }
  // The payroll item of a protocol as stored, "field=value" for the named
  // columns.
  QString ItemGravado(qint64 protocolo, const QStringList &colunas) {
    QStringList valores;
    for (const QString &coluna : colunas)
      valores << coluna + u'=' +
                     Valor(QStringLiteral("select %1 from PROTOCOLOITEM where CODIGOPROTOCOLO = :p").arg(coluna),
                           {protocolo})
                         .toString();
    return valores.join(u'|');
  }
  // Cancels the employee's item of the protocol in the protocol register,
  // as the user does.
  void CancelarNoRegistro(qint64 protocolo, int contrato) {
    nDMDireitoUsuario()->SetDireito(nDMConexao()->CodigoUsuario(), QStringLiteral("DireitoAltProtocolo"), u'8');
    TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
    ASSERT_NE(registro, nullptr);
    QPointer<TnFrmVisual> form = registro->CriarForm();
    TmVoxDMProtocoloItem *itens = nullptr;
    for (TnDMClientDataSet *detalhe : registro->Detalhes())
      if (auto *i = dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) itens = i;
    ASSERT_NE(itens, nullptr);
    ASSERT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), protocolo));
    ASSERT_TRUE(itens->nClientDataSet->Locate(QStringLiteral("CODIGOFUNCCONTR"), contrato));
    itens->actCancelarItem(registro);
    delete form.data();
  }
  void NovaLotacao(int empresa, int contrato, const QDate &data, int estab) {
    ExecutarSQLDireto(QStringLiteral("insert into FUNCLOCAL (CODIGOEMPRESA, CODIGOFUNCCONTR, DATATRANSF, CODIGOESTAB) "
                                     "values (:e, :c, :d, :s)"),
                      {empresa, contrato, data, estab});
  }
};

}  // namespace

// --- pay (type 6)

TEST_F(GerarProtocoloFolhaTeste, TotalisedPayIsOneItemPerEstablishmentPayDateAndPeriodSummingEvent5020Only) {
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .TipoFolha = "1"}), QString());
  EXPECT_EQ(Propostas(), (QStringList{"1|2|1|" + kObservacaoFolha, "2|2|2|" + kObservacaoFolha}));
  // 2/3 is paid at Campinas, where the period places him.
  EXPECT_EQ(Linhas(Detalhe(), {"CODIGOPROTOCOLO", "SEQITEMPRO", "TIPODEBITO", "DESCRITEM", "VENCIMENTO", "VALOR",
                               "CodigoFuncContr", "CHAVEORIGEM", "MODULO", "COMPETENCIA", "DATALCTOPRO", "PROTOCOLO",
                               "GERAR", "TABELA", "CHAVEDEBITO", "CODIGOIMPOSTO", "CODIGODOCEMP"}),
            (QStringList{"1|1|Folha de Pagamento|Folha de Pagamento Qtde 0002|07/12/2026|3144,17||FPA|FPA|01/11/2026|"
                         "01/12/2026||0||||",
                         "2|1|Folha de Pagamento|Folha de Pagamento Qtde 0002|07/12/2026|2887,32||FPA|FPA|01/11/2026|"
                         "01/12/2026||0||||"}));
  EXPECT_EQ(Arvore().mid(1, 6),
            (QStringList{
                "  4 Empresa: 2 - Padaria Pão Quente Ltda (erro)", "    4 Filial: 1 - Pão Quente Augusta (confirmação)",
                "      5 Folha de Pagamento: 1 itens listados", "    4 Filial: 2 - Pão Quente Campinas (confirmação)",
                "      5 Folha de Pagamento: 1 itens listados", "    4 Filial: 3 - Pão Quente Botafogo (erro)"}));
}

TEST_F(GerarProtocoloFolhaTeste, PayPerEmployeeIsOneMarkableItemPerEmployeeNamedAsThePayrollNamesThePerson) {
  // The pay names the person (FUNCPESSOA); the employee register may differ.
  ExecutarSQLDireto(QStringLiteral("update FUNCPESSOA set NOMEFUNC = 'João B. Ferreira' where CODIGOFUNCPESSOA = 3"));
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .TipoFolha = "2"}), QString());
  EXPECT_EQ(ItensPorFilial({"CodigoFuncContr", "DESCRITEM", "VENCIMENTO", "VALOR", "PROTOCOLO"}),
            (QStringList{"1|1|Folha de Pagamento João B. Ferreira|07/12/2026|1889,37|",
                         "1|2|Folha de Pagamento Ana Paula Nogueira|07/12/2026|1254,8|",
                         "2|3|Folha de Pagamento Carlos Eduardo Lima|07/12/2026|2071,92|",
                         "2|4|Folha de Pagamento Fernanda Ribeiro Alves|07/12/2026|815,4|"}));
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"GERAR"}), (QStringList{"1", "1", "1", "1"}));
}

TEST_F(GerarProtocoloFolhaTeste, PayFollowsThePlacementOfTheCalculationNotTheLatestOne) {
  // 2/3 goes back to São Paulo on 16/11; November's calculation still
  // names his Campinas placement.
  NovaLotacao(2, 3, QDate(2026, 11, 16), 1);
  EXPECT_EQ(Pagamentos("2"), (QStringList{"1|1|1889,37|", "1|2|1254,8|", "2|3|2071,92|", "2|4|815,4|"}));
  ExecutarSQLDireto(QStringLiteral("update FUNCPERCALCULO set DATALOCAL = :d where CODIGOEMPRESA = 2 and "
                                   "CODIGOFUNCCONTR = 3"),
                    {QDate(2026, 11, 16)});
  EXPECT_EQ(Pagamentos("2"), (QStringList{"1|1|1889,37|", "1|2|1254,8|", "1|3|2071,92|", "2|4|815,4|"}));
  EXPECT_EQ(Pagamentos("1"), (QStringList{"1||5216,09|", "2||815,4|"}));
}

// "Data Apuração" wants the whole period inside the range; "Data
// Vencimento" only its pay date.
TEST_F(GerarProtocoloFolhaTeste, DateKindChoosesBetweenThePeriodInsideTheRangeAndThePayDate) {
  // An advance period of 16/10 to 15/11 paid on 20/11.
  ExecutarSQLDireto(QStringLiteral("insert into PERIODOCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, DATAINICIALFOLHA, "
                                   "DATAFINALFOLHA, DATAPGTO) values (2, 12, :i, :f, :p)"),
                    {QDate(2026, 10, 16), QDate(2026, 11, 15), QDate(2026, 11, 20)});
  ExecutarSQLDireto(QStringLiteral("insert into FUNCPERCALCULO (CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOFUNCCONTR, "
                                   "DATALOCAL, DATAPGTOFOLHA) values (2, 12, 1, :l, :p)"),
                    {QDate(2019, 3, 11), QDate(2026, 11, 20)});
  ExecutarSQLDireto(
      QStringLiteral("insert into CALCULOEVENTO (CODIGOEMPRESA, CODIGOPERCALCULO, CODIGOFUNCCONTR, "
                     "CODIGOEVENTO, VALOREVENTO) values (2, 12, 1, 5020, '500.00'), (2, 12, 1, 1, "
                     "'900.00')"));
  const QStringList campos = {"CodigoFuncContr", "VENCIMENTO", "VALOR"};
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .Estabs = "1", .TipoFolha = "2"}), QString());
  EXPECT_EQ(ItensPorFilial(campos), (QStringList{"1|1|07/12/2026|1889,37", "1|2|07/12/2026|1254,8"}));
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .Estabs = "1", .TipoData = "2", .TipoFolha = "2"}), QString());
  EXPECT_EQ(ItensPorFilial(campos), (QStringList{"1|1|20/11/2026|500"}));
  ASSERT_EQ(Gerar({.Tipos = "6",
                   .Empresas = "2",
                   .Estabs = "1",
                   .TipoData = "2",
                   .Inicio = "01/12/2026",
                   .Fim = "31/12/2026",
                   .TipoFolha = "2"}),
            QString());
  EXPECT_EQ(ItensPorFilial(campos), (QStringList{"1|1|07/12/2026|1889,37", "1|2|07/12/2026|1254,8"}));

  // Terminations: the termination date (20/11) or the pay date (30/11).
  ASSERT_EQ(Gerar({.Tipos = "7", .Empresas = "2", .Inicio = "21/11/2026"}), QString());
  EXPECT_TRUE(Detalhe().IsEmpty());
  ASSERT_EQ(Gerar({.Tipos = "7", .Empresas = "2", .TipoData = "2", .Inicio = "21/11/2026"}), QString());
  EXPECT_EQ(ItensPorFilial(campos), (QStringList{"1|2|30/11/2026|6218,75"}));
  // Vacations: the start (09/11) or the pay date (06/11).
  ASSERT_EQ(Gerar({.Tipos = "8", .Empresas = "2", .Fim = "08/11/2026"}), QString());
  EXPECT_TRUE(Detalhe().IsEmpty());
  ASSERT_EQ(Gerar({.Tipos = "8", .Empresas = "2", .TipoData = "2", .Fim = "08/11/2026"}), QString());
  EXPECT_EQ(ItensPorFilial(campos), (QStringList{"2|4|06/11/2026|3120,55"}));
}

// --- pay already protocolled

// Save one employee's pay, list again: it shows its protocol and cannot be
// marked; totalised, it forms a group of its own. Withdrawn or cancelled,
// the protocol no longer holds it.
TEST_F(GerarProtocoloFolhaTeste, PayInAnOpenProtocolShowsItUntilTheProtocolIsWithdrawnOrItsItemCancelled) {
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .Estabs = "1", .TipoFolha = "2"}), QString());
  const qint64 protocolo = GravarFuncionario(1);
  EXPECT_EQ(ItemGravado(protocolo, {"CHAVEORIGEM", "COMPETENCIA", "VENCIMENTO", "CODIGOFUNCCONTR", "DESCRITEM"}),
            QStringLiteral("CHAVEORIGEM=FPA|COMPETENCIA=2026-11-01|VENCIMENTO=2026-12-07|CODIGOFUNCCONTR=1|"
                           "DESCRITEM=Folha de Pagamento João Batista Ferreira"));
  const QString p = QString::number(protocolo);

  EXPECT_EQ(Pagamentos("2", "1"), (QStringList{"1|1|1889,37|" + p, "1|2|1254,8|"}));
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("CodigoFuncContr"), 1));
  FProcesso->MarcarItem();
  EXPECT_EQ(dialogos->Textos(),
            (QStringList{"Este item não pode ser selecionado, pois já teve o protocolo " + p + " gerado."}));
  EXPECT_EQ(Pagamentos("1", "1"), (QStringList{"1||1254,8|", "1||1889,37|" + p}));
  EXPECT_EQ(Linhas(Detalhe(), {"DESCRITEM"}),
            (QStringList{"Folha de Pagamento Qtde 0001", "Folha de Pagamento Qtde 0001"}));

  // Withdrawn: delivered, nothing left to hold.
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = :m where CODIGOPROTOCOLO = :p"),
                    {QDateTime(QDate(2026, 12, 2), QTime(10, 0)), protocolo});
  EXPECT_EQ(Pagamentos("1", "1"), (QStringList{"1||3144,17|"}));
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = null where CODIGOPROTOCOLO = :p"),
                    {protocolo});
  EXPECT_EQ(Pagamentos("1", "1"), (QStringList{"1||1254,8|", "1||1889,37|" + p}));

  // Its only item cancelled: the protocol is cancelled with it.
  CancelarNoRegistro(protocolo, 1);
  EXPECT_EQ(Valor(QStringLiteral("select CANCELADO from PROTOCOLO where CODIGOPROTOCOLO = :p"), {protocolo}).toString(),
            QStringLiteral("1"));
  EXPECT_EQ(Pagamentos("2", "1"), (QStringList{"1|1|1889,37|", "1|2|1254,8|"}));
}

// Kept as the suite has always done: an item cancelled inside a protocol
// that stays open still holds the pay, and a totalised protocol holds every
// employee of its due date.
TEST_F(GerarProtocoloFolhaTeste, ACancelledItemOfAnOpenProtocolAndATotalisedProtocolStillHoldThePay) {
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .Estabs = "1", .TipoFolha = "2"}), QString());
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  const qint64 antes = Valor(QStringLiteral("select max(CODIGOPROTOCOLO) from PROTOCOLO")).toLongLong();
  ASSERT_EQ(Gravar(), QString());
  const QString p = QString::number(antes + 1);
  CancelarNoRegistro(antes + 1, 1);
  EXPECT_EQ(Valor(QStringLiteral("select CANCELADO from PROTOCOLO where CODIGOPROTOCOLO = :p"), {antes + 1}).toString(),
            QStringLiteral("0"));
  EXPECT_EQ(Pagamentos("2", "1"), (QStringList{"1|1|1889,37|" + p, "1|2|1254,8|" + p}));

  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .Estabs = "2", .TipoFolha = "1"}), QString());
  const qint64 total = GravarFuncionario(0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"),
                   QStringLiteral("CODIGOPROTOCOLO = %1 and CODIGOFUNCCONTR is null").arg(total)),
            1);
  const QString t = QString::number(total);
  EXPECT_EQ(Pagamentos("2", "2"), (QStringList{"2|3|2071,92|" + t, "2|4|815,4|" + t}));
}

// An earlier protocol is recognised by the period's pay date: when the
// employee's pay date differs from it, the pay is offered again.
TEST_F(GerarProtocoloFolhaTeste, AnEarlierProtocolIsMatchedOnThePeriodsPayDate) {
  ASSERT_EQ(Gerar({.Tipos = "6", .Empresas = "2", .Estabs = "1", .TipoFolha = "2"}), QString());
  const QString p = QString::number(GravarFuncionario(2));
  EXPECT_EQ(Pagamentos("2", "1"), (QStringList{"1|1|1889,37|", "1|2|1254,8|" + p}));
  ExecutarSQLDireto(QStringLiteral("update PERIODOCALCULO set DATAPGTO = :d where CODIGOEMPRESA = 2 and "
                                   "CODIGOPERCALCULO = 11"),
                    {QDate(2026, 12, 8)});
  EXPECT_EQ(Pagamentos("2", "1"), (QStringList{"1|1|1889,37|", "1|2|1254,8|"}));
}

// --- terminations (7) and vacations (8)

TEST_F(GerarProtocoloFolhaTeste, TerminationsAndVacationsAreOfferedWithTheirEmployeeAndOfferedAgainAfterSaving) {
  ASSERT_EQ(Gerar({.Tipos = "7;8", .Forma = "1", .Empresas = "2"}), QString());
  const QStringList campos = {"TIPODEBITO", "CodigoFuncContr", "DESCRITEM",   "VENCIMENTO",
                              "VALOR",      "PROTOCOLO",       "CHAVEORIGEM", "COMPETENCIA"};
  const QStringList esperados = {
      "1|Rescisão|2|Rescisão 0002 - Ana Paula Nogueira - Data 20/11/2026|30/11/2026|6218,75||FPA|01/11/2026",
      "2|Férias|4|Recibo de Férias - Fernanda Ribeiro Alves - Início 09/11/2026|06/11/2026|3120,55||FPA|01/11/2026"};
  EXPECT_EQ(ItensPorFilial(campos), esperados);
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(
      Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CHAVEORIGEM = 'FPA' and CODIGOFUNCCONTR in (2, 4)")), 2);

  ASSERT_EQ(Gerar({.Tipos = "7;8", .Forma = "1", .Empresas = "2"}), QString());
  EXPECT_EQ(ItensPorFilial(campos), esperados);
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"GERAR"}), (QStringList{"1", "1"}));
}

TEST_F(GerarProtocoloFolhaTeste, TerminationAndVacationFollowThePlacementInForceOnTheirDate) {
  // Ana Paula moves to Campinas the day after her termination; Fernanda
  // moves to São Paulo on her vacation's first day.
  NovaLotacao(2, 2, QDate(2026, 11, 21), 2);
  NovaLotacao(2, 4, QDate(2026, 11, 9), 1);
  ASSERT_EQ(Gerar({.Tipos = "7;8", .Forma = "1", .Empresas = "2"}), QString());
  EXPECT_EQ(ItensPorFilial({"TIPODEBITO", "CodigoFuncContr"}), (QStringList{"1|Férias|4", "1|Rescisão|2"}));
  ExecutarSQLDireto(QStringLiteral("update FUNCLOCAL set DATATRANSF = :d where CODIGOEMPRESA = 2 and "
                                   "CODIGOFUNCCONTR = 2 and CODIGOESTAB = 2"),
                    {QDate(2026, 11, 20)});
  ExecutarSQLDireto(QStringLiteral("update FUNCLOCAL set DATATRANSF = :d where CODIGOEMPRESA = 2 and "
                                   "CODIGOFUNCCONTR = 4 and CODIGOESTAB = 1"),
                    {QDate(2026, 11, 10)});
  ASSERT_EQ(Gerar({.Tipos = "7;8", .Forma = "1", .Empresas = "2"}), QString());
  EXPECT_EQ(ItensPorFilial({"TIPODEBITO", "CodigoFuncContr"}), (QStringList{"2|Férias|4", "2|Rescisão|2"}));
}

// --- descriptions, mixing, nothing to list

// A template of many tokens gives more than the item holds: it keeps its
// first 200 characters, whole ones, and saves on every engine.
TEST_F(GerarProtocoloFolhaTeste, ADescriptionLongerThanTheItemKeepsItsFirst200CharactersAndSaves) {
  ExecutarSQLDireto(
      QStringLiteral("update CFGTIPOPROTOCOLO set DESCRTIPOPROTOCOLO = '[NOMEFUNC] [NOMEFUNC] "
                     "[NOMEFUNC]' where CODIGOTIPOPROTOCOLO = 7"));
  const QString nome = QString(89, QLatin1Char('a')) + QStringLiteral("ção");  // 92 characters
  ExecutarSQLDireto(QStringLiteral("update FUNCIONARIO set NOMEFUNC = :n where CODIGOEMPRESA = 2 and "
                                   "CODIGOFUNCCONTR = 2"),
                    {nome});
  ASSERT_EQ(Gerar({.Tipos = "7", .Empresas = "2"}), QString());
  const QString esperado = (nome + u' ' + nome + u' ' + nome).left(200);
  EXPECT_EQ(Linhas(Detalhe(), {"DESCRITEM"}), QStringList{esperado});
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRITEM from PROTOCOLOITEM where CHAVEORIGEM = 'FPA'")).toString(),
            esperado);
}

TEST_F(GerarProtocoloFolhaTeste, OneProtocolHoldsDebitsAndPayAndTheSaveStampsOnlyTheDebits) {
  ASSERT_EQ(Gerar({.Tipos = "10;6", .Forma = "1", .Empresas = "1", .TipoFolha = "1"}), QString());
  EXPECT_EQ(Arvore().mid(1, 4),
            (QStringList{"  4 Empresa: 1 - Organização Contábil Exemplo Ltda (confirmação)",
                         "    4 Filial: 1 - Exemplo Matriz (confirmação)", "      5 Débitos de Folha: 2 itens listados",
                         "      5 Folha de Pagamento: 1 itens listados"}));
  EXPECT_EQ(Itens(), (QStringList{"1|1|D10FOLHA;1;1", "1|2|D10FOLHA;1;2", "1|3|FPA"}));
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 3);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFOLHA"), QStringLiteral("CODIGOEMPRESA = 1 and CODIGOPROTOCOLO is null")), 0);
  EXPECT_EQ(Valor(QStringLiteral("select VALOR from PROTOCOLOITEM where CHAVEORIGEM = 'FPA'")).toString().left(7),
            QStringLiteral("6075.55"));
}

TEST_F(GerarProtocoloFolhaTeste, AMonthWithoutPayrollListsNothing) {
  ASSERT_EQ(Gerar({.Tipos = "6;7;8",
                   .Empresas = "2",
                   .Estabs = "1",
                   .Inicio = "01/10/2026",
                   .Fim = "31/10/2026",
                   .TipoFolha = "2"}),
            QString());
  EXPECT_TRUE(Mestre().IsEmpty());
  EXPECT_TRUE(Detalhe().IsEmpty());
  EXPECT_EQ(Arvore().mid(1, 3),
            (QStringList{"  4 Empresa: 2 - Padaria Pão Quente Ltda", "    4 Filial: 1 - Pão Quente Augusta",
                         "      4 Nenhum item foi listado (informação)"}));
}
