#include <gtest/gtest.h>

#include <QSqlQuery>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDecimal_U.h"
#include "nDialetoSQL_U.h"
#include "nException_U.h"
#include "nFMTBCDField_U.h"
#include "nFormatos_U.h"
#include "nSQLFuncoes_U.h"
#include "nSchema_U.h"

namespace {

// The columns these tests read and write: the withdrawal's among them, so
// that a row another user withdrew differs from the one read.
const QString kSQLProtocolo = QStringLiteral(
    "Select t_t.CODIGOPROTOCOLO,t_t.OBSERVACAO,t_t.DATAHORACADASTRO,t_t.FORMAENTREGA,t_t.DATAHORABAIXA from "
    "PROTOCOLO t_t ORDER BY t_t.CodigoProtocolo");

const QString kAlterado =
    QStringLiteral("O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente.");

QString Erro(const std::function<void()> &acao) {
  try {
    acao();
  } catch (const Exception &e) {
    return e.message();
  }
  return {};
}

EDatabaseError ErroBanco(const std::function<void()> &acao) {
  try {
    acao();
  } catch (const EDatabaseError &e) {
    return e;
  }
  return EDatabaseError(QString(), QString());
}

// Protocols 1 and 2 of company 1, registered at 08:30:15 with a fraction of
// a second the dataset does not keep.
class TnIntegridadeTest : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    nDMConexao()->Selecao().Limpar();
    for (qint64 codigo : {1, 2}) Inserir(codigo);
  }
  void TearDown() override {
    nDMConexao()->Selecao().Limpar();
    TnBancoTeste::TearDown();
  }
  static void Inserir(qint64 codigo) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                     "OBSERVACAO, DATAHORACADASTRO, CANCELADO, FORMAENTREGA) "
                                     "values (:c, 1, 1, '2026-11-02', 'lido', :m, '0', '1')"),
                      {codigo, QDateTime(QDate(2026, 11, 1), QTime(8, 30, 15, 250))});
  }
  static std::unique_ptr<TnClientDataSet> Protocolos() {
    auto dados = std::make_unique<TnClientDataSet>();
    dados->SetCommandText(kSQLProtocolo);
    dados->Open();
    return dados;
  }
  QString Armazenado(const char *coluna, qint64 codigo) {
    return Valor(QStringLiteral("select %1 from PROTOCOLO where CODIGOPROTOCOLO = :c").arg(QLatin1String(coluna)),
                 {codigo})
        .toString();
  }
};

}  // namespace

// --- a stale row never overwrites nor deletes what another user changed

TEST_F(TnIntegridadeTest, AnUpdateMatchesTheRowAsReadAndAStaleOneWritesNothingAndKeepsWhatWasTyped) {
  auto dados = Protocolos();
  auto outro = OutraConexao();
  outro->Executar(QStringLiteral("update PROTOCOLO set OBSERVACAO = 'do outro' where CODIGOPROTOCOLO = 1"));

  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  dados->Edit();
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("meu"));
  const EDatabaseError erro = ErroBanco([&] { dados->Post(); });
  EXPECT_EQ(erro.message(), kAlterado);
  EXPECT_EQ(erro.tipo(), TnTipoErroBanco::Alterado);
  EXPECT_EQ(dados->State(), TnDataSetState::Edit);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("meu"));
  EXPECT_EQ(Armazenado("OBSERVACAO", 1), QStringLiteral("do outro"));
  dados->Cancel();

  // A column the other user did not touch is written; theirs stays. The
  // time stamp read with a fraction the dataset dropped still matches.
  outro->Executar(QStringLiteral("update PROTOCOLO set FORMAENTREGA = '3' where CODIGOPROTOCOLO = 2"));
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 2));
  dados->Edit();
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("meu"));
  dados->FieldByName(QStringLiteral("DATAHORACADASTRO"))->SetAsDateTime(QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
  ASSERT_EQ(Erro([&] { dados->Post(); }), QString());
  EXPECT_EQ(Armazenado("OBSERVACAO", 2), QStringLiteral("meu"));
  EXPECT_EQ(Armazenado("FORMAENTREGA", 2).trimmed(), QStringLiteral("3"));
  outro.reset();
}

TEST_F(TnIntegridadeTest, ADeleteOfARowAnotherUserChangedIsRefusedAndTheRowStays) {
  auto dados = Protocolos();
  auto outro = OutraConexao();
  outro->Executar(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = '2026-12-01 10:00:00' where CODIGOPROTOCOLO = 1"));
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  EXPECT_EQ(Erro([&] { dados->Delete(); }), kAlterado);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 1")), 1);
  EXPECT_EQ(dados->RecordCount(), 2);
  // Unchanged since read, it goes.
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 2));
  EXPECT_EQ(Erro([&] { dados->Delete(); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 2")), 0);
  outro.reset();
}

// --- the edited row is the one written

TEST_F(TnIntegridadeTest, ABeforePostThatMovesTheCursorIsRefusedAndNoOtherRowIsOverwritten) {
  for (const bool provedor : {false, true}) {
    SCOPED_TRACE(provedor ? "provider" : "in memory");
    std::unique_ptr<TnClientDataSet> dados;
    if (provedor) {
      dados = Protocolos();
    } else {
      dados = std::make_unique<TnClientDataSet>();
      dados->AddFieldDef(QStringLiteral("CODIGOPROTOCOLO"), TnFieldType::Integer);
      dados->AddFieldDef(QStringLiteral("OBSERVACAO"), TnFieldType::String, 50);
      dados->CreateDataSet();
      for (int codigo : {1, 2}) {
        dados->Append();
        dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->SetAsInteger(codigo);
        dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("lido"));
        dados->Post();
      }
    }
    for (const std::function<void(TnClientDataSet &)> &mover :
         {std::function<void(TnClientDataSet &)>([](TnClientDataSet &d) { d.Last(); }),
          std::function<void(TnClientDataSet &)>(
              [](TnClientDataSet &d) { d.Locate(QStringLiteral("CODIGOPROTOCOLO"), 2); })}) {
      dados->BeforePost = mover;
      dados->First();
      dados->Edit();
      dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("editado"));
      EXPECT_FALSE(Erro([&] { dados->Post(); }).isEmpty());
      EXPECT_EQ(dados->State(), TnDataSetState::Edit);
      EXPECT_EQ(dados->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 1);
      EXPECT_EQ(dados->Linha(1).at(dados->IndexOfField(QStringLiteral("OBSERVACAO"))).toString(), QStringLiteral("lido"));
      dados->Cancel();
    }
    // Without the move the edit lands where it was made.
    dados->BeforePost = nullptr;
    dados->First();
    dados->Edit();
    dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("editado"));
    dados->Post();
    EXPECT_EQ(dados->Linha(0).at(dados->IndexOfField(QStringLiteral("OBSERVACAO"))).toString(), QStringLiteral("editado"));
    EXPECT_EQ(dados->Linha(1).at(dados->IndexOfField(QStringLiteral("OBSERVACAO"))).toString(), QStringLiteral("lido"));
    if (provedor) {
      EXPECT_EQ(Armazenado("OBSERVACAO", 1), QStringLiteral("editado"));
      EXPECT_EQ(Armazenado("OBSERVACAO", 2), QStringLiteral("lido"));
    }
  }
}

// --- numbers never stored wrapped

TEST_F(TnIntegridadeTest, DecimalsBeyondTheirPrecisionNaNAndInfinityAreRefusedWithTheOutOfRangeMessage) {
  TnClientDataSet dados;
  dados.AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
  dados.AddFieldDef(QStringLiteral("PEQUENO"), TnFieldType::FMTBcd, 0, false, 5, 2);
  dados.AddFieldDef(QStringLiteral("TAXA"), TnFieldType::Float);
  dados.CreateDataSet();
  dados.FieldByName(QStringLiteral("PEQUENO"))->SetConstraintErrorMessage(QStringLiteral("Valor inválido!"));
  dados.Append();
  TnField *valor = dados.FieldByName(QStringLiteral("VALOR"));
  const QString fora = QStringLiteral("Valor fora do intervalo permitido para VALOR.");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinito = std::numeric_limits<double>::infinity();
  for (const QVariant &ruim : {QVariant(nan), QVariant(infinito), QVariant(-infinito), QVariant(1e17),
                               QVariant(QStringLiteral("99999999999999999")),
                               QVariant(QStringLiteral("-12345678901234567890")), QVariant(1e300)}) {
    SCOPED_TRACE(ruim.toString().toStdString());
    EXPECT_EQ(Erro([&] { valor->SetValue(ruim); }), fora);
    EXPECT_TRUE(valor->IsNull());
  }
  // The widest amount the column holds passes exactly.
  valor->SetAsString(QStringLiteral("9999999999999999,99"));
  EXPECT_EQ(valor->Value().toString(), QStringLiteral("9999999999999999.99"));

  TnField *pequeno = dados.FieldByName(QStringLiteral("PEQUENO"));
  EXPECT_EQ(Erro([&] { pequeno->SetValue(1000); }), QStringLiteral("Valor inválido!"));
  // Rounding may carry into a digit the column has not.
  EXPECT_EQ(Erro([&] { pequeno->SetAsString(QStringLiteral("999,995")); }), QStringLiteral("Valor inválido!"));
  pequeno->SetAsString(QStringLiteral("999,99"));
  EXPECT_EQ(pequeno->Value().toString(), QStringLiteral("999.99"));

  TnField *taxa = dados.FieldByName(QStringLiteral("TAXA"));
  EXPECT_EQ(Erro([&] { taxa->SetAsFloat(nan); }), QStringLiteral("Valor fora do intervalo permitido para TAXA."));
  EXPECT_FALSE(Erro([&] { taxa->SetAsFloat(infinito); }).isEmpty());
  EXPECT_TRUE(taxa->IsNull());
}

TEST(nArredondamentoForaDoIntervalo, RoundingHelpersRefuseWhatNo64BitNumberHolds) {
  EXPECT_THROW(nArredondarBancario(1e19), Exception);
  EXPECT_THROW(nArredondarBancario(-9.3e18), Exception);
  EXPECT_THROW(nArredondarBancario(std::numeric_limits<double>::quiet_NaN()), Exception);
  EXPECT_THROW(nArredondarBancario(std::numeric_limits<double>::infinity()), Exception);
  EXPECT_EQ(nArredondarBancario(9.0e18), 9000000000000000000LL);
  EXPECT_THROW(TnDecimal::DoDouble(1e300, 2), Exception);
  EXPECT_THROW(TnDecimal(900000000000000000LL, 0).Arredondar(2), Exception);
  // Whole numbers of any size a code can have go into SQL as they are.
  EXPECT_EQ(TnDialetoSQL::Literal(QVariant(9999999999.0)), QStringLiteral("9999999999"));
  EXPECT_EQ(TnDialetoSQL::Literal(QVariant(12345678.125)), QStringLiteral("12345678.125"));
  EXPECT_THROW(TnDialetoSQL::Literal(QVariant(1e19)), Exception);
}

// --- texts

TEST(nTextoDoBanco, DatesAndMomentsAreBoundInTheCanonicalFormWhateverTheirDigits) {
  const QString formato = QStringLiteral("yyyy-MM-dd HH:mm:ss");
  for (const QDateTime &m :
       {QDateTime(QDate(2026, 12, 1), QTime(9, 30)), QDateTime(QDate(2026, 1, 9), QTime(0, 0)),
        QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), QDateTime(QDate(7, 2, 3), QTime(4, 5, 6)),
        QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59))}) {
    EXPECT_EQ(TnDialetoSQL::TextoDataHora(m), m.toString(formato));
    EXPECT_EQ(TnDialetoSQL::ValorParaBanco(m).toString(), m.toString(formato));
  }
  const QDateTime comMilesimos(QDate(2026, 12, 1), QTime(9, 30, 1, 250));
  EXPECT_EQ(TnDialetoSQL::TextoDataHora(comMilesimos), QStringLiteral("2026-12-01 09:30:01.250"));
  EXPECT_EQ(TnDialetoSQL::TextoDataHora(QDateTime(QDate(12345, 1, 2), QTime(3, 4, 5))),
            QDateTime(QDate(12345, 1, 2), QTime(3, 4, 5)).toString(formato));
  EXPECT_TRUE(TnDialetoSQL::TextoDataHora(QDateTime()).isEmpty());
  EXPECT_EQ(TnDialetoSQL::TextoData(QDate(26, 3, 4)), QStringLiteral("0026-03-04"));
}

TEST_F(TnIntegridadeTest, TextLengthsCountCharactersSoFiftyEmojiFitAFiftyCharacterColumn) {
  QString emoji;
  for (int i = 0; i < 50; ++i) emoji += QString::fromUtf8("😀");
  ASSERT_EQ(emoji.size(), 100);  // UTF-16 units
  auto dados = Protocolos();
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  dados->Edit();
  dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(emoji);
  ASSERT_EQ(Erro([&] { dados->Post(); }), QString());
  EXPECT_EQ(Armazenado("OBSERVACAO", 1), emoji);
  // One more is one too many, for the field and for the column.
  dados->Edit();
  EXPECT_EQ(Erro([&] { dados->FieldByName(QStringLiteral("OBSERVACAO"))->SetAsString(emoji + QStringLiteral("a")); }),
            QStringLiteral("O valor informado para OBSERVACAO excede o tamanho máximo de 50 caracteres."));
  dados->Cancel();
  const EDatabaseError erro = ErroBanco([&] {
    Conexao().Executar(QStringLiteral("update PROTOCOLO set OBSERVACAO = :o where CODIGOPROTOCOLO = 2"),
                       {emoji + QStringLiteral("a")});
  });
  EXPECT_EQ(erro.tipo(), TnTipoErroBanco::Tamanho);
}

TEST_F(TnIntegridadeTest, ControlCharactersAreRefusedWithAMessageOnEveryPathAndTabCrLfPass) {
  const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
  const QString controle = QStringLiteral("a") + QChar(1) + QStringLiteral("b");
  auto dados = Protocolos();
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  dados->Edit();
  TnField *observacao = dados->FieldByName(QStringLiteral("OBSERVACAO"));
  for (const QString &ruim : {nul, controle}) {
    const QString mensagem = Erro([&] { observacao->SetAsString(ruim); });
    EXPECT_TRUE(mensagem.contains(QStringLiteral("caractere de controle"))) << mensagem.toStdString();
    EXPECT_EQ(observacao->AsString(), QStringLiteral("lido"));
    // Bound or quoted by hand, it never reaches the database either.
    EXPECT_TRUE(Erro([&] {
                  Conexao().Executar(QStringLiteral("update PROTOCOLO set OBSERVACAO = :o where CODIGOPROTOCOLO = 2"),
                                     {ruim});
                }).contains(QStringLiteral("caractere de controle")));
    EXPECT_THROW(ValorParaSQL(QVariant(ruim)), Exception);
  }
  const QString permitido = QStringLiteral("a\tb\r\nc");
  observacao->SetAsString(permitido);
  dados->Post();
  EXPECT_EQ(Armazenado("OBSERVACAO", 1), permitido);
  EXPECT_EQ(Armazenado("OBSERVACAO", 2), QStringLiteral("lido"));
}

// --- database refusals in the user's language

TEST_F(TnIntegridadeTest, DatabaseRefusalsAreToldInPortugueseNamingTheTableAndTheColumn) {
  const QString insert = QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO) values (:c, :e, 1, "
      "'2026-12-01')");
  EDatabaseError unico = ErroBanco([&] { Conexao().Executar(insert, {1, 1}); });
  EXPECT_EQ(unico.tipo(), TnTipoErroBanco::Unico);
  EXPECT_TRUE(unico.message().startsWith(QStringLiteral("Já existe um registro em Protocolo (PROTOCOLO) com")))
      << unico.message().toStdString();
  EXPECT_TRUE(unico.message().contains(QStringLiteral("CODIGOPROTOCOLO")));
  EXPECT_FALSE(unico.detalhe().isEmpty());
  EXPECT_FALSE(unico.message().contains(unico.detalhe()));

  EDatabaseError nulo = ErroBanco([&] { Conexao().Executar(insert, {3, QVariant()}); });
  EXPECT_EQ(nulo.tipo(), TnTipoErroBanco::NaoNulo);
  EXPECT_EQ(nulo.message(), QStringLiteral("O campo CODIGOEMPRESA de Protocolo (PROTOCOLO) deve ser informado."));

  EDatabaseError semPai = ErroBanco([&] {
    Conexao().Executar(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO) values (99, 1)"));
  });
  EXPECT_EQ(semPai.tipo(), TnTipoErroBanco::ChaveEstrangeira);
  EXPECT_FALSE(semPai.message().contains(QStringLiteral("FOREIGN"), Qt::CaseInsensitive)) << semPai.message().toStdString();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 99")), 0);
}

// --- rows in use

TEST_F(TnIntegridadeTest, ARowOthersStillNameCannotBeDeletedAndTheMessageSaysWhere) {
  Conexao().Executar(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM) values (1, 1, 'x')"));
  auto dados = Protocolos();
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  EXPECT_EQ(Erro([&] { dados->Delete(); }),
            QStringLiteral("Este registro está em uso em Protocolo - Itens (PROTOCOLOITEM) e não pode ser excluído."));
  EXPECT_EQ(dados->RecordCount(), 2);
  // Past the provider, the table's key refuses it on both engines.
  const EDatabaseError erro =
      ErroBanco([&] { Conexao().Executar(QStringLiteral("delete from PROTOCOLO where CODIGOPROTOCOLO = 1")); });
  EXPECT_EQ(erro.tipo(), TnTipoErroBanco::ChaveEstrangeira);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 1")), 1);
}

TEST_F(TnIntegridadeTest, EverySQLiteConnectionChecksForeignKeys) {
  if (EhPostgreSQL()) GTEST_SKIP() << "PostgreSQL always checks them";
  auto outro = OutraConexao();
  for (TnDMConexao *conexao : {&Conexao(), outro.get()}) {
    QSqlQuery q = conexao->Executar(QStringLiteral("PRAGMA foreign_keys"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
  }
  outro.reset();
}

// --- dates read straight off the connection

TEST_F(TnIntegridadeTest, ADateColumnReadWithoutADatasetIsTheDateStoredOnEitherEngine) {
  QSqlQuery consulta = nDMConexao()->Executar(
      QStringLiteral("select DATALCTOPRO, DATAHORACADASTRO, DATAHORABAIXA from PROTOCOLO where CODIGOPROTOCOLO = 1"));
  ASSERT_TRUE(consulta.next());
  EXPECT_EQ(TnDialetoSQL::DataDoBanco(consulta.value(0)), QDate(2026, 11, 2));
  // A date-time column gives its day; an empty one no date.
  EXPECT_EQ(TnDialetoSQL::DataDoBanco(consulta.value(1)), QDate(2026, 11, 1));
  EXPECT_FALSE(TnDialetoSQL::DataDoBanco(consulta.value(2)).isValid());
  EXPECT_FALSE(TnDialetoSQL::DataDoBanco(QVariant(QStringLiteral("02/11/2026"))).isValid());
}
