#include <gtest/gtest.h>

#include <memory>
#include <time.h>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"

namespace {

const QString kSQLProtocolo = QStringLiteral(
    "Select t_t.CODIGOPROTOCOLO,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,t_t.TIPOPRO,t_t.OBSERVACAO,"
    "t_t.DATAHORACADASTRO,t_t.CODIGOUSUARIO,t_t.FORMAENTREGA,t_t.NATUREZAPRO,t_t.DATAHORAENTREGA,"
    "t_t.CODIGOUSUARIOINT,t_t.USUARIOEXT,t_t.DATAHORABAIXA,t_t.CANCELADO,t_t.ORIGEMDADO from PROTOCOLO t_t "
    "ORDER BY t_t.CodigoProtocolo");

// A data module's dataset over PROTOCOLO with five rows: codes 1..5, company
// 1 for the odd codes and 2 for the even, launched on 2026-11-01 + code days.
class TnClientDataSetProvedorTest : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    nDMConexao()->Selecao().Limpar();
    for (int codigo = 1; codigo <= 5; ++codigo) Inserir(codigo, codigo % 2 ? 1 : 2);
  }
  void TearDown() override {
    nDMConexao()->Selecao().Limpar();
    TnBancoTeste::TearDown();
  }

  static void Inserir(qint64 codigo, int empresa, const QString &observacao = QString()) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                     "OBSERVACAO, DATAHORACADASTRO, CANCELADO) values (:c, :e, 1, :d, :o, :m, '0')"),
                      {codigo, empresa, QDate(2026, 11, 1).addDays(codigo), observacao.isEmpty() ? QVariant() : observacao,
                       QDateTime(QDate(2026, 11, 1), QTime(8, 30, 15))});
  }

  static std::unique_ptr<TnClientDataSet> Protocolos(const QString &sql = kSQLProtocolo) {
    auto dados = std::make_unique<TnClientDataSet>();
    dados->SetCommandText(sql);
    dados->Open();
    return dados;
  }

  QVariant Observacao(qint64 codigo) {
    return Valor(QStringLiteral("select OBSERVACAO from PROTOCOLO where CODIGOPROTOCOLO = :c"), {codigo});
  }

  static QList<qint64> Codigos(TnClientDataSet &dados) {
    QList<qint64> codigos;
    for (int p = 0; p < dados.RecordCount(); ++p) codigos.append(dados.Linha(p).at(0).toLongLong());
    return codigos;
  }
};

}  // namespace

TEST_F(TnClientDataSetProvedorTest, OpeningTypesTheFieldsFromTheTable) {
  auto dados = Protocolos();
  EXPECT_TRUE(dados->EhProvedor());
  EXPECT_EQ(dados->Tabela(), QStringLiteral("PROTOCOLO"));
  EXPECT_EQ(dados->ChavePrimaria(), QStringList{QStringLiteral("CODIGOPROTOCOLO")});
  EXPECT_EQ(Codigos(*dados), (QList<qint64>{1, 2, 3, 4, 5}));
  TnField *codigo = dados->FieldByName(QStringLiteral("codigoprotocolo"));
  EXPECT_EQ(codigo->FieldName(), QStringLiteral("CODIGOPROTOCOLO"));
  EXPECT_EQ(codigo->DataType(), TnFieldType::LargeInt);
  EXPECT_TRUE(codigo->Required());
  EXPECT_TRUE(dados->FieldByName(QStringLiteral("DATALCTOPRO"))->Required());
  EXPECT_EQ(dados->FieldByName(QStringLiteral("DATALCTOPRO"))->DataType(), TnFieldType::Date);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("OBSERVACAO"))->Size(), 50);
  EXPECT_FALSE(dados->FieldByName(QStringLiteral("OBSERVACAO"))->Required());
  EXPECT_EQ(dados->FieldByName(QStringLiteral("CANCELADO"))->DataType(), TnFieldType::FixedChar);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("DATAHORACADASTRO"))->AsDateTime(),
            QDateTime(QDate(2026, 11, 1), QTime(8, 30, 15)));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate(), QDate(2026, 11, 2));
}

TEST_F(TnClientDataSetProvedorTest, APostInsertsAndAnEditUpdatesByTheOldKey) {
  auto dados = Protocolos();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetValue(9);
  dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetValue(3);
  dados->FieldByName(QStringLiteral("CODIGOESTAB"))->SetValue(1);
  dados->FieldByName(QStringLiteral("DATALCTOPRO"))->SetValue(QDate(2026, 12, 1));
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetValue(QStringLiteral("D'Ávila; drop table X"));
  dados->Post();
  EXPECT_EQ(Observacao(9).toString(), QStringLiteral("D'Ávila; drop table X"));
  EXPECT_EQ(Valor(QStringLiteral("select DATALCTOPRO from PROTOCOLO where CODIGOPROTOCOLO = 9")).toString().left(10),
            QStringLiteral("2026-12-01"));
  EXPECT_EQ(dados->ChangeCount(), 0);  // written rows are final

  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 2));
  dados->Edit();
  dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetValue(20);
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetValue(QStringLiteral("renumerado"));
  dados->Post();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 2")), 0);
  EXPECT_EQ(Observacao(20).toString(), QStringLiteral("renumerado"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 6);
}

TEST_F(TnClientDataSetProvedorTest, AnUpdateWritesOnlyTheColumnsThatChanged) {
  auto dados = Protocolos();
  // Someone else changes the observation after we read the row.
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set OBSERVACAO = 'de outro' where CODIGOPROTOCOLO = 1"));
  dados->First();
  dados->Edit();
  dados->FieldByName(QStringLiteral("USUARIOEXT"))->SetValue(QStringLiteral("Fulano"));
  dados->Post();
  EXPECT_EQ(Observacao(1).toString(), QStringLiteral("de outro"));
  EXPECT_EQ(Valor(QStringLiteral("select USUARIOEXT from PROTOCOLO where CODIGOPROTOCOLO = 1")).toString(),
            QStringLiteral("Fulano"));
}

TEST_F(TnClientDataSetProvedorTest, DeleteRemovesTheRowFromTheTable) {
  auto dados = Protocolos();
  dados->SetRecNo(3);
  dados->Delete();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 3")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 4);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 4);
}

TEST_F(TnClientDataSetProvedorTest, AFailedPostKeepsTheTypedValuesAndTheInsert) {
  auto dados = Protocolos();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetValue(3);  // taken
  dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetValue(1);
  dados->FieldByName(QStringLiteral("CODIGOESTAB"))->SetValue(1);
  dados->FieldByName(QStringLiteral("DATALCTOPRO"))->SetValue(QDate(2026, 12, 1));
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetValue(QStringLiteral("digitado"));
  int depois = 0;
  dados->AfterPost = [&](TnClientDataSet &) { ++depois; };
  EXPECT_THROW(dados->Post(), EDatabaseError);
  EXPECT_EQ(dados->State(), TnDataSetState::Insert);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("digitado"));
  EXPECT_EQ(dados->RecordCount(), 5);
  EXPECT_EQ(depois, 0);
  dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetValue(6);
  dados->Post();
  EXPECT_EQ(Observacao(6).toString(), QStringLiteral("digitado"));
  EXPECT_EQ(dados->RecordCount(), 6);
  EXPECT_EQ(depois, 1);
}

TEST_F(TnClientDataSetProvedorTest, TheFieldsValidationStopsAPostBeforeTheDatabase) {
  auto dados = Protocolos();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetValue(6);
  EXPECT_THROW(dados->Post(), EnField);  // company, establishment and date are required
  EXPECT_EQ(dados->State(), TnDataSetState::Insert);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 5);
}

TEST_F(TnClientDataSetProvedorTest, ARowGoneFromTheTableIsNotSilentlyLost) {
  auto dados = Protocolos();
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLO where CODIGOPROTOCOLO = 1"));
  dados->First();
  dados->Edit();
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetValue(QStringLiteral("tarde demais"));
  EXPECT_THROW(dados->Post(), EDatabaseError);
  EXPECT_EQ(dados->State(), TnDataSetState::Edit);
  dados->Cancel();
  EXPECT_THROW(dados->Delete(), EDatabaseError);
  EXPECT_EQ(dados->RecordCount(), 5);
}

TEST_F(TnClientDataSetProvedorTest, TheSessionsSelectionConditionsRestrictTheRows) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DATALCTOPRO_MAIORIGUAL"), QDate(2026, 11, 3));
  nDMConexao()->Selecao().SetParam(QStringLiteral("CodigoEmpresa"), 1);
  nDMConexao()->Selecao().SetParam(QStringLiteral("CODIGOESTAB"), 99);  // set, but not asked for
  auto dados = std::make_unique<TnClientDataSet>();
  dados->SetCommandText(kSQLProtocolo);
  dados->SetVerificaSelecao(QStringLiteral("DATALCTOPRO_MAIORIGUAL;CODIGOEMPRESA"));
  dados->Open();
  EXPECT_EQ(Codigos(*dados), (QList<qint64>{3, 5}));
  // An OR in the statement's own WHERE does not swallow the conditions.
  auto ou = std::make_unique<TnClientDataSet>();
  ou->SetCommandText(QStringLiteral("select t_t.CODIGOPROTOCOLO, t_t.CODIGOEMPRESA from PROTOCOLO t_t "
                                    "where t_t.CODIGOPROTOCOLO = 1 or t_t.CODIGOPROTOCOLO >= 4 order by 1 desc"));
  ou->SetVerificaSelecao(QStringLiteral("CODIGOEMPRESA"));
  ou->Open();
  EXPECT_EQ(Codigos(*ou), (QList<qint64>{5, 1}));
}

TEST_F(TnClientDataSetProvedorTest, AnExtraConditionBindsItsValues) {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->SetCommandText(kSQLProtocolo);
  dados->SetCondicaoExtra(QStringLiteral("t_t.CODIGOEMPRESA = :pEmpresa"), {2});
  dados->Open();
  EXPECT_EQ(Codigos(*dados), (QList<qint64>{2, 4}));
  dados->SetCondicaoExtra(QStringLiteral("t_t.OBSERVACAO = :pObs"), {QStringLiteral("x' or '1'='1")});
  dados->Refresh();
  EXPECT_TRUE(dados->IsEmpty());
}

TEST_F(TnClientDataSetProvedorTest, WritesJoinTheOpenTransactionAndRollBackWithIt) {
  auto dados = Protocolos();
  nDMConexao()->StartTransaction();
  dados->First();
  dados->Edit();
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetValue(QStringLiteral("na transação"));
  dados->Post();
  dados->Next();
  dados->Delete();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetValue(7);
  dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetValue(1);
  dados->FieldByName(QStringLiteral("CODIGOESTAB"))->SetValue(1);
  dados->FieldByName(QStringLiteral("DATALCTOPRO"))->SetValue(QDate(2026, 12, 1));
  dados->Post();
  nDMConexao()->RollBack();
  EXPECT_TRUE(Observacao(1).isNull());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 5);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 7")), 0);
  dados->Refresh();
  EXPECT_EQ(Codigos(*dados), (QList<qint64>{1, 2, 3, 4, 5}));
}

TEST_F(TnClientDataSetProvedorTest, RefreshReadsAgainAndKeepsTheRowByItsKey) {
  auto dados = Protocolos();
  TnField *codigo = dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"));
  dados->SetRecNo(3);
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLO where CODIGOPROTOCOLO = 1"));
  Inserir(0, 1);
  Inserir(-1, 1);
  dados->Refresh();
  EXPECT_EQ(Codigos(*dados), (QList<qint64>{-1, 0, 2, 3, 4, 5}));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO")), codigo);  // same fields
  EXPECT_EQ(codigo->AsInteger(), 3);
  EXPECT_EQ(dados->RecNo(), 4);
}

TEST_F(TnClientDataSetProvedorTest, AFreeQueryResultNeverWritesToTheDatabase) {
  auto dados = ExecutarSQL(QStringLiteral("select NOMEEMPRESA, CODIGOEMPRESA, NOMEEMPRESA from EMPRESA order by CODIGOEMPRESA"));
  EXPECT_FALSE(dados->EhProvedor());
  ASSERT_EQ(dados->FieldCount(), 3);
  // Duplicate column names are tolerated; the name finds the first.
  EXPECT_EQ(dados->IndexOfField(QStringLiteral("nomeempresa")), 0);
  const QString antes = dados->Fields(0)->AsString();
  dados->Edit();
  dados->Fields(0)->SetValue(QStringLiteral("Só na memória"));
  dados->Post();
  dados->Delete();
  EXPECT_EQ(Valor(QStringLiteral("select NOMEEMPRESA from EMPRESA order by CODIGOEMPRESA")).toString(), antes);
}

TEST_F(TnClientDataSetProvedorTest, DateTimesReadBackAsTheLocalWallClockEvenAcrossDaylightSaving) {
  // The rows' date-times are made without asking the zone for each value;
  // they must still be the very instants of the local wall clock.
  const QByteArray zonaAntes = qgetenv("TZ");
  qputenv("TZ", "Europe/Berlin");
  tzset();
  const QList<QDateTime> momentos = {
      QDateTime(QDate(2026, 3, 29), QTime(1, 30)),  // the day the clock jumps forward
      QDateTime(QDate(2026, 3, 29), QTime(4, 0)),
      QDateTime(QDate(2026, 7, 1), QTime(12, 0, 5)),
      QDateTime(QDate(2026, 1, 15), QTime(23, 59, 59)),
  };
  for (int i = 0; i < momentos.size(); ++i)
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set DATAHORACADASTRO = :m where CODIGOPROTOCOLO = :c"),
                      {momentos[i], i + 1});
  auto dados = Protocolos();
  TnField *cadastro = dados->FieldByName(QStringLiteral("DATAHORACADASTRO"));
  for (int i = 0; i < momentos.size(); ++i) {
    dados->SetRecNo(i + 1);
    const QDateTime lido = cadastro->AsDateTime();
    EXPECT_EQ(lido.date(), momentos[i].date()) << i;
    EXPECT_EQ(lido.time(), momentos[i].time()) << i;
    EXPECT_EQ(lido, momentos[i]) << i;
    EXPECT_EQ(lido.secsTo(momentos[i]), 0) << i;
  }
  if (zonaAntes.isNull()) qunsetenv("TZ");
  else qputenv("TZ", zonaAntes);
  tzset();
}

// A post's own writes and the handler's commit or roll back together; a
// failure leaves the edit with the typed values, as a refused post does.
TEST_F(TnClientDataSetProvedorTest, WritesAfterThePostShareItsTransaction) {
  auto dados = Protocolos();
  bool falhar = true;
  int depois = 0;
  dados->AfterWritePost = [&](TnClientDataSet &d) {
    EXPECT_EQ(d.State(), TnDataSetState::Edit);
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set OBSERVACAO = :o where CODIGOPROTOCOLO = 5"),
                      {d.FieldByName(QStringLiteral("OBSERVACAO"))->AsString()});
    if (falhar) ExecutarSQLDireto(QStringLiteral("update TABELA_INEXISTENTE set X = 1"));
  };
  dados->AfterPost = [&](TnClientDataSet &) { ++depois; };
  dados->First();
  dados->Edit();
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetValue(QStringLiteral("digitado"));
  EXPECT_THROW(dados->Post(), Exception);
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(dados->State(), TnDataSetState::Edit);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("digitado"));
  EXPECT_TRUE(Observacao(1).isNull());
  EXPECT_TRUE(Observacao(5).isNull());
  EXPECT_EQ(depois, 0);

  falhar = false;
  dados->Post();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Observacao(1).toString(), QStringLiteral("digitado"));
  EXPECT_EQ(Observacao(5).toString(), QStringLiteral("digitado"));
  EXPECT_EQ(depois, 1);
}

TEST_F(TnClientDataSetProvedorTest, WritesAfterTheDeleteShareItsTransaction) {
  auto dados = Protocolos();
  bool falhar = true;
  dados->AfterWriteDelete = [&](TnClientDataSet &d) {
    EXPECT_EQ(d.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 3);
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set OBSERVACAO = 'sem o 3' where CODIGOPROTOCOLO = 4"));
    if (falhar) ExecutarSQLDireto(QStringLiteral("update TABELA_INEXISTENTE set X = 1"));
  };
  dados->SetRecNo(3);
  EXPECT_THROW(dados->Delete(), Exception);
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 5);
  EXPECT_TRUE(Observacao(4).isNull());
  EXPECT_EQ(dados->RecordCount(), 5);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 3);

  falhar = false;
  dados->Delete();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 3")), 0);
  EXPECT_EQ(Observacao(4).toString(), QStringLiteral("sem o 3"));
  EXPECT_EQ(dados->RecordCount(), 4);
}
