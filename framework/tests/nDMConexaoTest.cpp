#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"

namespace {

class TnDMConexaoTest : public TnBancoVazioTeste {
 protected:
  void SetUp() override {
    TnBancoVazioTeste::SetUp();
    Conexao().Executar(
        QStringLiteral("create table T (ID bigint not null primary key, NOME varchar(40), DIA date, "
                       "MOMENTO timestamp, VALOR numeric(18,2))"));
  }
  void Inserir(qint64 id) { Conexao().Executar(QStringLiteral("insert into T (ID) values (:pId)"), {id}); }
};

}  // namespace

TEST_F(TnDMConexaoTest, NestedTransactionsCommitOnlyAtTheOutermostLevel) {
  Conexao().StartTransaction(1, true, false);
  Inserir(1);
  Conexao().StartTransaction(1, true, false);
  Inserir(2);
  Conexao().Commit(1);
  EXPECT_TRUE(Conexao().EmTransacao());
  // Reads inside the transaction see its own writes.
  EXPECT_EQ(Contar(QStringLiteral("T")), 2);
  Conexao().Commit(1);
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("T")), 2);
}

TEST_F(TnDMConexaoTest, AnInnerRollbackUndoesEverythingAndTheOuterCommitRefusesToReportSuccess) {
  Conexao().StartTransaction();
  Inserir(1);
  Conexao().StartTransaction();
  Inserir(2);
  Conexao().RollBack();
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("T")), 0);
  EXPECT_THROW(Conexao().Commit(), Exception);
  EXPECT_NO_THROW(Conexao().RollBack());  // nothing open: does nothing
}

TEST_F(TnDMConexaoTest, TheGuardRollsBackWhenLeftByAnException) {
  try {
    TnTransacao transacao;
    Inserir(1);
    Inserir(1);  // duplicate key
    transacao.Commit();
    FAIL() << "a duplicate key must raise";
  } catch (const EDatabaseError &e) {
    EXPECT_FALSE(e.message().isEmpty());
    EXPECT_TRUE(e.statement().contains(QStringLiteral("insert into T")));
  }
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("T")), 0);
}

TEST_F(TnDMConexaoTest, CodesAboveTheThirtyTwoBitRangeSurviveTheRoundTrip) {
  const qint64 grande = 9999999999LL;
  Inserir(grande);
  Inserir(2147483648LL);
  EXPECT_EQ(Valor(QStringLiteral("select max(ID) from T")).toLongLong(), grande);
  EXPECT_EQ(Valor(QStringLiteral("select ID from T where ID = :p"), {2147483648LL}).toLongLong(), 2147483648LL);
}

TEST_F(TnDMConexaoTest, DatesCompareAsDaysOnBothEngines) {
  // The first and last day of a month are both inside "between".
  Conexao().Executar(QStringLiteral("insert into T (ID, DIA, MOMENTO) values (1, :d, :m)"),
                     {QDate(2026, 11, 1), QDateTime(QDate(2026, 11, 30), QTime(0, 0))});
  Conexao().Executar(QStringLiteral("insert into T (ID, DIA, MOMENTO) values (2, :d, :m)"),
                     {QDate(2026, 11, 30), QDateTime(QDate(2026, 11, 15), QTime(23, 59, 59))});
  Conexao().Executar(QStringLiteral("insert into T (ID, DIA) values (3, :d)"), {QDate(2026, 12, 1)});
  EXPECT_EQ(Valor(QStringLiteral("select count(*) from T where DIA between :i and :f"),
                  {QDate(2026, 11, 1), QDate(2026, 11, 30)})
                .toInt(),
            2);
  // Literals made by the program compare the same way.
  EXPECT_EQ(Contar(QStringLiteral("T"), QStringLiteral("DIA between ") + ValorParaSQL(QDate(2026, 11, 1)) +
                                            QStringLiteral(" and ") + ValorParaSQL(QDate(2026, 11, 30))),
            2);
  // Date-times bound as values keep their time and shift by no time zone.
  auto dados = ExecutarSQL(QStringLiteral("select MOMENTO from T where ID = 2"));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("momento"))->AsDateTime(),
            QDateTime(QDate(2026, 11, 15), QTime(23, 59, 59)));
  auto dia = ExecutarSQL(QStringLiteral("select DIA from T where ID = 1"));
  EXPECT_EQ(dia->FieldByName(QStringLiteral("DIA"))->AsString(), QStringLiteral("01/11/2026"));
}

TEST_F(TnDMConexaoTest, HostileTextIsStoredVerbatimThroughBindingAndLiterals) {
  const QString hostil = QStringLiteral("D'Ávila; drop table T; -- \"x\" \\ ç");
  Conexao().Executar(QStringLiteral("insert into T (ID, NOME) values (1, :n)"), {hostil});
  ExecutarSQLDireto(QStringLiteral("insert into T (ID, NOME) values (2, ") + ValorParaSQL(hostil) + u')');
  EXPECT_EQ(Valor(QStringLiteral("select NOME from T where ID = 1")).toString(), hostil);
  EXPECT_EQ(Valor(QStringLiteral("select NOME from T where ID = 2")).toString(), hostil);
  EXPECT_EQ(Contar(QStringLiteral("T"), QStringLiteral("NOME = ") + ValorParaSQL(hostil)), 2);
}

TEST_F(TnDMConexaoTest, DatabaseErrorsCarryTheServerMessage) {
  try {
    Conexao().Executar(QStringLiteral("select NAOEXISTE from T"));
    FAIL();
  } catch (const EDatabaseError &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("NAOEXISTE"), Qt::CaseInsensitive)) << e.message().toStdString();
  }
}

TEST_F(TnDMConexaoTest, ValuesBindByNameInAnyCase) {
  Conexao().ExecutarPorNome(QStringLiteral("insert into T (ID, NOME) values (:PID, :pNome)"),
                            {{QStringLiteral("pId"), 7}, {QStringLiteral(":PNOME"), QStringLiteral("x")}});
  EXPECT_EQ(Valor(QStringLiteral("select NOME from T where ID = 7")).toString(), QStringLiteral("x"));
  EXPECT_THROW(Conexao().ExecutarPorNome(QStringLiteral("select * from T where ID = :pFalta"), {}), Exception);
}

// The statement stays prepared between reads: each read sees the data as it
// is then, leaves no result pending for the next statement, and outlives a
// refused transaction; after a new connection it is prepared again.
TEST_F(TnDMConexaoTest, KeptPreparedReadsSeeTheCurrentDataAndSurviveRefusalsAndReconnection) {
  const QString sql = QStringLiteral("select NOME from T where ID = :pId");
  EXPECT_TRUE(Conexao().LerValor(sql, {1}).isNull());
  Conexao().Executar(QStringLiteral("insert into T (ID, NOME) values (1, 'a'), (2, 'b')"));
  EXPECT_EQ(Conexao().LerValor(sql, {1}).toString(), QStringLiteral("a"));
  // Nothing pending: a second statement runs while the read's is kept.
  EXPECT_EQ(Conexao().LerValor(QStringLiteral("select count(*) from T where ID >= :pId"), {1}).toInt(), 2);
  Conexao().Executar(QStringLiteral("update T set NOME = 'c' where ID = 1"));
  EXPECT_EQ(Conexao().LerValor(sql, {1}).toString(), QStringLiteral("c"));

  Conexao().StartTransaction();
  EXPECT_THROW(Conexao().Executar(QStringLiteral("insert into T (ID) values (1)")), EDatabaseError);
  Conexao().RollBack();
  EXPECT_EQ(Conexao().LerValor(sql, {2}).toString(), QStringLiteral("b"));
  EXPECT_THROW(Conexao().LerValor(QStringLiteral("select NAOEXISTE from T where ID = :pId"), {1}), EDatabaseError);

  const TnConfigConexao config = Conexao().Config();
  Conexao().Conectar(config);
  EXPECT_EQ(Conexao().LerValor(sql, {2}).toString(), QStringLiteral("b"));
}
