#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <functional>

#include "nBancoTeste_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSchema_U.h"

namespace {

// ---------------------------------------------------------------------------
// The declarations themselves

TEST(nSchemaDefinicaoTest, ConstraintAndIndexNamesAreUniqueAndFitPostgreSQLIdentifiers) {
  // PostgreSQL cuts longer names silently: two length checks would then share
  // a name and the error message would name the wrong column.
  QSet<QString> indices;
  for (const TnTabelaDef &t : TnSchema::Tabelas()) {
    QSet<QString> restricoes;
    for (const TnColunaDef &c : t.Colunas) {
      if (c.Tipo != TnTipoColuna::VarChar && c.Tipo != TnTipoColuna::Char) continue;
      const QString nome = TnSchema::NomeRestricaoTamanho(t.Nome, c);
      EXPECT_LE(nome.size(), 63) << nome.toStdString();
      EXPECT_FALSE(restricoes.contains(nome)) << nome.toStdString();
      restricoes.insert(nome);
      EXPECT_GT(c.Tamanho, 0) << t.Nome.toStdString() << "." << c.Nome.toStdString();
    }
    for (const TnIndiceDef &i : t.Indices) {
      EXPECT_LE(i.Nome.size(), 63) << i.Nome.toStdString();
      EXPECT_FALSE(indices.contains(i.Nome.toUpper())) << "índice repetido " << i.Nome.toStdString();
      indices.insert(i.Nome.toUpper());
      for (const QString &coluna : i.Colunas)
        EXPECT_NE(t.Coluna(coluna), nullptr) << i.Nome.toStdString() << ": " << coluna.toStdString();
    }
    for (const QString &chave : t.ChavePrimaria) {
      const TnColunaDef *c = t.Coluna(chave);
      ASSERT_NE(c, nullptr) << t.Nome.toStdString() << ": " << chave.toStdString();
      EXPECT_TRUE(c->Obrigatoria) << t.Nome.toStdString() << "." << chave.toStdString();
    }
  }
}

TEST(nSchemaDefinicaoTest, ProtocolAndDocumentCodesAre64BitWhereverDeclared) {
  // Codes go up to 9999999999: an integer column anywhere (a debit table, an
  // invoice) would overflow when the generation stamps it.
  EXPECT_EQ(TnSchema::TipoColuna(QStringLiteral("CODIGOPROTOCOLO")), TnTipoColuna::BigInt);
  EXPECT_EQ(TnSchema::TipoColuna(QStringLiteral("CODIGODOCEMP")), TnTipoColuna::BigInt);
  EXPECT_EQ(TnSchema::TipoColuna(QStringLiteral("codigoempresa")), TnTipoColuna::SmallInt);
  EXPECT_EQ(TnSchema::TipoColuna(QStringLiteral("VALORDEBITO")), TnTipoColuna::Numeric);
}

TEST(nSchemaDefinicaoTest, ColumnTypeIsUnknownWhenTablesDisagreeOrNoneDeclaresIt) {
  // OBSERVACAO is a short string on protocols and a memo on route stops.
  EXPECT_EQ(TnSchema::TipoColuna(QStringLiteral("OBSERVACAO")), std::nullopt);
  EXPECT_EQ(TnSchema::TipoColuna(QStringLiteral("NAOEXISTE")), std::nullopt);
}

TEST(nSchemaDefinicaoTest, TaxTableHasNoColumnThatMakesDebitQueriesAmbiguous) {
  // The debit queries join IMPOSTO and name these columns unqualified.
  const TnTabelaDef *imposto = TnSchema::Tabela(QStringLiteral("imposto"));
  ASSERT_NE(imposto, nullptr);
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB", "DATALCTOCTR", "DATAVENCIMENTO", "FORMADEBITO"})
    EXPECT_EQ(imposto->Coluna(QString::fromLatin1(nome)), nullptr) << nome;
}

// ---------------------------------------------------------------------------
// The conversion, on an empty database of the engine under test

class nSchemaConversaoTest : public TnBancoVazioTeste {
 protected:
  void TearDown() override {
    nSetDepoisConverter({});
    TnBancoVazioTeste::TearDown();
  }

  QStringList ColunasNoBanco(const QString &tabela) {
    const QSqlRecord registro = Conexao().Database().record(tabela.toLower());
    QStringList r;
    for (int i = 0; i < registro.count(); ++i) r << registro.fieldName(i).toUpper();
    return r;
  }

  bool TabelaExiste(const QString &tabela) {
    for (const QString &t : Conexao().Database().tables())
      if (t.compare(tabela, Qt::CaseInsensitive) == 0) return true;
    return false;
  }

  // Everything the conversion creates, as text, to compare two states.
  QStringList Esquema() {
    const QString sql =
        EhPostgreSQL()
            ? QStringLiteral(
                  "select table_name || '.' || column_name || ':' || data_type || ':' || is_nullable "
                  "from information_schema.columns where table_schema = current_schema() "
                  "union all select 'index ' || indexname || ' ' || indexdef from pg_indexes "
                  "where schemaname = current_schema() "
                  "union all select 'constraint ' || table_name || '.' || constraint_name "
                  "from information_schema.table_constraints where table_schema = current_schema() "
                  "and constraint_type in ('CHECK', 'PRIMARY KEY') and constraint_name not like '%_not_null'")
            : QStringLiteral("select type || ' ' || name || ' ' || coalesce(sql, '') from sqlite_master");
    QSqlQuery q = Conexao().Executar(sql);
    QStringList r;
    while (q.next()) r << q.value(0).toString();
    r.sort();
    return r;
  }

  void InserirProtocolo(qint64 codigo, const QVariant &observacao, const QVariant &data = QDate(2024, 3, 5)) {
    Conexao().Executar(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, "
                                      "DATALCTOPRO, OBSERVACAO) values (:pCodigo, 1, 1, :pData, :pObservacao)"),
                       {codigo, data, observacao});
  }
};

TEST_F(nSchemaConversaoTest, EveryModuleTableExistsWithItsColumnsInOrder) {
  nConverterBanco(Conexao());
  // The registers select every column in this order and read them by position.
  const QList<QPair<QString, QString>> esperadas = {
      {"PROTOCOLO",
       "CODIGOPROTOCOLO CODIGOEMPRESA CODIGOESTAB DATALCTOPRO TIPOPRO OBSERVACAO DATAHORACADASTRO CODIGOUSUARIO "
       "FORMAENTREGA NATUREZAPRO DATAHORAENTREGA CODIGOUSUARIOINT USUARIOEXT DATAHORABAIXA CANCELADO ORIGEMDADO"},
      {"PROTOCOLOITEM",
       "CODIGOPROTOCOLO SEQITEMPRO DESCRITEM COMPETENCIA DATALCTOPRO VENCIMENTO VALOR CODIGOIMPOSTO VARIACAOIMPOSTO "
       "CODIGODOCEMP CODIGOFUNCCONTR CANCELADO CHAVEORIGEM CODIGOUSUARIO DATAHORACADASTRO ORIGEMDADO"},
      {"PROTOCOLORESPESTAB", "CODIGOEMPRESA CODIGOESTAB SEQ NOMERESPONSAVEL"},
      {"CFGTIPOPROTOCOLO", "CODIGOTIPOPROTOCOLO DESCRTIPOPROTOCOLO"},
      {"PROTOCOLODOCEMP",
       "CODIGODOCEMP CODIGOTIPODOC CODIGOEMPRESA CODIGOESTAB DATALCTOPRO DESCRDOCEMP ARQUIVADO ORIGEMDADO"},
      {"PROTOCOLODOCMOVIMENTO",
       "CODIGODOCEMP SEQDOCEMP OBSERVACAO TIPOLOCAL CODIGODPTOESCRIT CODIGOUSUARIORESP CODIGOPROTOCOLO DATALCTOPRO "
       "DATAHORA CODIGOUSUARIO ORIGEMDADO"},
      {"PROTOCOLOTIPODOC",
       "CODIGOTIPODOC DESCRTIPODOC PERIODODIASDESCARTE GERARAUTO PERIODODOC MESOCORRENCIA GERARENVELOPE"},
      {"PROTOCOLOGRUPODOC", "CODIGOGRUPODOC DESCRGRUPODOC"},
      {"PROTOCOLOGRUPOTIPODOC", "CODIGOGRUPODOC CODIGOTIPODOC"},
      {"HISTORICOPRO", "CODIGOHISTPRO DESCRISAOHISTPRO TEMCOMPLEMENTOHISTORICO"},
      {"PROTOCOLOLOCALCAIXA", "CODIGOLOCAL DESCRLOCAL"},
      {"PROTOCOLODOCCAIXA", "CODIGOCAIXA CODIGOEMPRESA CODIGOESTAB COMPETINICIAL COMPETFINAL CODIGOLOCAL"},
      {"PROTOCOLODOCENVELOPE", "CODIGOCAIXA CODIGOENVELOPE DESCRENVELOPE"},
      {"PROTOCOLODOCARQUIVO", "CODIGOCAIXA CODIGOENVELOPE CODIGODOCEMP"},
      {"PROTOCOLOROTA", "CODIGOROTA DESCRROTA"},
      {"PROTOCOLOROTAENTREGA", "CODIGOROTA SEQROTA CODIGOEMPRESA CODIGOESTAB OBSERVACAO"},
      {"CFGESTABPRO", "CODIGOEMPRESA CODIGOESTAB CODIGOGRUPODOC FORMAENTREGA MESMOENDERECOENT"},
      {"ESTABENTREGA",
       "CODIGOEMPRESA CODIGOESTAB LOGRADENTREGA ENDERECOENTREGA COMPLENDERENTREGA NUMENDERENTREGA "
       "BAIRROENDERENTREGA SIGLAESTADO CODIGOMUNIC CEPENDERENTREGA"},
  };
  for (const auto &[tabela, colunas] : esperadas) {
    EXPECT_TRUE(TabelaExiste(tabela)) << tabela.toStdString();
    EXPECT_EQ(ColunasNoBanco(tabela).join(u' '), colunas) << tabela.toStdString();
  }
}

TEST_F(nSchemaConversaoTest, ConvertingAgainChangesNothingAndKeepsTheRows) {
  nConverterBanco(Conexao());
  InserirProtocolo(7, QStringLiteral("primeiro"));
  const QStringList antes = Esquema();
  ASSERT_FALSE(antes.isEmpty());

  EXPECT_NO_THROW(nConverterBanco(Conexao()));
  EXPECT_EQ(Esquema(), antes);
  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLO where CODIGOPROTOCOLO = 7")).toString(),
            QStringLiteral("primeiro"));
  EXPECT_FALSE(Conexao().EmTransacao());
}

TEST_F(nSchemaConversaoTest, UpToDateDatabaseIsOnlyReadAndWhatWasDroppedComesBack) {
  nConverterBanco(Conexao());
  const QStringList completo = Esquema();
  // Every start converts: an up-to-date database costs a few catalog reads,
  // not statements per table.
  QStringList comandos;
  Conexao().SetAntesDeExecutar([&comandos](const QString &sql) { comandos << sql; });
  const auto soltar = qScopeGuard([this] { Conexao().SetAntesDeExecutar(nullptr); });
  EXPECT_EQ(nConverterBanco(Conexao()), QStringList());
  EXPECT_LE(comandos.size(), 10) << comandos.join(u'\n').toStdString();
  for (const QString &sql : std::as_const(comandos))
    EXPECT_FALSE(sql.contains(QRegularExpression(QStringLiteral("^\\s*(create|alter|drop)\\b"),
                                                 QRegularExpression::CaseInsensitiveOption)))
        << sql.toStdString();
  Conexao().SetAntesDeExecutar(nullptr);

  // An index, and on SQLite a date trigger, lost since are made again.
  Conexao().Executar(QStringLiteral("drop index %1").arg(TnSchema::Tabela(QStringLiteral("PROTOCOLO"))->Indices.first().Nome));
  if (!EhPostgreSQL()) Conexao().Executar(QStringLiteral("drop trigger TRG_PROTOCOLO_DATA_UPD"));
  ASSERT_NE(Esquema(), completo);
  EXPECT_EQ(nConverterBanco(Conexao()), QStringList());
  EXPECT_EQ(Esquema(), completo);
}

TEST_F(nSchemaConversaoTest, OlderTableGetsItsMissingColumnsAndKeepsItsRows) {
  Conexao().Executar(QStringLiteral(
      "create table PROTOCOLORESPESTAB (CODIGOEMPRESA smallint not null, CODIGOESTAB smallint not null, "
      "SEQ smallint not null, primary key (CODIGOEMPRESA, CODIGOESTAB, SEQ))"));
  Conexao().Executar(QStringLiteral("insert into PROTOCOLORESPESTAB (CODIGOEMPRESA, CODIGOESTAB, SEQ) values (1, 2, 3)"));
  Conexao().Executar(QStringLiteral(
      "create table PROTOCOLOITEM (CODIGOPROTOCOLO bigint not null, SEQITEMPRO smallint not null, "
      "primary key (CODIGOPROTOCOLO, SEQITEMPRO))"));

  nConverterBanco(Conexao());

  EXPECT_EQ(ColunasNoBanco(QStringLiteral("PROTOCOLORESPESTAB")).join(u' '),
            QStringLiteral("CODIGOEMPRESA CODIGOESTAB SEQ NOMERESPONSAVEL"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLORESPESTAB"), QStringLiteral("SEQ = 3 and NOMERESPONSAVEL is null")), 1);

  // The added columns carry the same guards as created ones.
  EXPECT_THROW(Conexao().Executar(QStringLiteral("update PROTOCOLORESPESTAB set NOMERESPONSAVEL = :pNome"),
                                  {QString(101, u'x')}),
               EDatabaseError);
  InserirProtocolo(1, QVariant());
  Conexao().Executar(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, VENCIMENTO) "
                                    "values (1, 1, '2024-01-31 10:15:00')"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("VENCIMENTO = '2024-01-31'")), 1);
}

TEST_F(nSchemaConversaoTest, RowsOfAnOlderDatabaseThatBreakAKeyAreKeptAndReportedUntilCorrected) {
  Conexao().Executar(QStringLiteral(
      "create table PROTOCOLOITEM (CODIGOPROTOCOLO bigint not null, SEQITEMPRO smallint not null, "
      "DESCRITEM varchar(200), primary key (CODIGOPROTOCOLO, SEQITEMPRO))"));
  Conexao().Executar(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM) values "
                                    "(7, 1, 'sem protocolo'), (8, 1, 'também')"));

  const QStringList avisos = nConverterBanco(Conexao());
  ASSERT_EQ(avisos.size(), 1) << avisos.join(u'\n').toStdString();
  EXPECT_TRUE(avisos.first().contains(QStringLiteral("PROTOCOLOITEM tem 2 registro(s) cujo CODIGOPROTOCOLO não "
                                                     "existe em PROTOCOLO")))
      << avisos.first().toStdString();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 2);

  // Corrected, the next conversion adds the key and keeps every row.
  InserirProtocolo(7, QVariant());
  InserirProtocolo(8, QVariant());
  EXPECT_EQ(nConverterBanco(Conexao()), QStringList());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRITEM from PROTOCOLOITEM where CODIGOPROTOCOLO = 7")).toString(),
            QStringLiteral("sem protocolo"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 2);
  EXPECT_THROW(Conexao().Executar(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO) values "
                                                 "(9, 1)")),
               EDatabaseError);
  EXPECT_THROW(Conexao().Executar(QStringLiteral("delete from PROTOCOLO where CODIGOPROTOCOLO = 7")), EDatabaseError);
  // The table made again keeps its guards and indexes.
  EXPECT_THROW(Conexao().Executar(QStringLiteral("update PROTOCOLOITEM set DESCRITEM = :d"), {QString(201, u'x')}),
               EDatabaseError);
  EXPECT_EQ(nConverterBanco(Conexao()), QStringList());
}

TEST_F(nSchemaConversaoTest, ForeignKeysOnlyJoinDeclaredTablesOverTheirKeys) {
  for (const TnTabelaDef &t : TnSchema::Tabelas()) {
    for (const TnChaveEstrangeiraDef &fk : t.ChavesEstrangeiras) {
      SCOPED_TRACE(fk.Nome.toStdString());
      EXPECT_LE(fk.Nome.size(), 63);
      const TnTabelaDef *referida = TnSchema::Tabela(fk.TabelaReferida);
      ASSERT_NE(referida, nullptr);
      EXPECT_EQ(fk.ColunasReferidas, referida->ChavePrimaria);
      ASSERT_EQ(fk.Colunas.size(), fk.ColunasReferidas.size());
      for (int i = 0; i < fk.Colunas.size(); ++i) {
        ASSERT_NE(t.Coluna(fk.Colunas.at(i)), nullptr);
        EXPECT_EQ(t.Coluna(fk.Colunas.at(i))->Tipo, referida->Coluna(fk.ColunasReferidas.at(i))->Tipo);
      }
    }
  }
}

TEST_F(nSchemaConversaoTest, ValueLongerThanItsColumnIsRefusedNamingTheColumn) {
  nConverterBanco(Conexao());
  try {
    InserirProtocolo(1, QString(51, u'a'));
    ADD_FAILURE() << "51 caracteres aceitos numa coluna de 50";
  } catch (const EDatabaseError &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("OBSERVACAO"), Qt::CaseInsensitive))
        << e.message().toStdString();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);

  // Fixed-length codes are held to their length too.
  EXPECT_THROW(Conexao().Executar(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, "
                                                 "CODIGOESTAB, DATALCTOPRO, TIPOPRO) values (2, 1, 1, "
                                                 "'2024-03-05', '12')")),
               EDatabaseError);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);

  // The limit counts characters, not bytes: accented text up to it is kept whole.
  const QString limite(50, QChar(0x00E7));  // ç
  InserirProtocolo(3, limite);
  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLO where CODIGOPROTOCOLO = 3")).toString(), limite);
}

TEST_F(nSchemaConversaoTest, DateWrittenWithTimeIsStoredAsTheDayOnly) {
  nConverterBanco(Conexao());
  InserirProtocolo(1, QVariant(), QStringLiteral("2024-03-05 13:45:10"));
  InserirProtocolo(2, QVariant(), QDateTime(QDate(2024, 3, 6), QTime(23, 59, 59)));

  EXPECT_EQ(Valor(QStringLiteral("select DATALCTOPRO from PROTOCOLO where CODIGOPROTOCOLO = 1")).toString(),
            QStringLiteral("2024-03-05"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("DATALCTOPRO = '2024-03-06'")), 1);
  // A period ending on a day includes that day's rows.
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("DATALCTOPRO between '2024-03-01' and '2024-03-06'")),
            2);

  Conexao().Executar(QStringLiteral("update PROTOCOLO set DATALCTOPRO = '2024-04-01 08:00:00' "
                                    "where CODIGOPROTOCOLO = 1"));
  EXPECT_EQ(Valor(QStringLiteral("select DATALCTOPRO from PROTOCOLO where CODIGOPROTOCOLO = 1")).toString(),
            QStringLiteral("2024-04-01"));
}

TEST_F(nSchemaConversaoTest, SameDayAtAnotherTimeIsADuplicateKey) {
  nConverterBanco(Conexao());
  const QString sql = QStringLiteral("insert into FUNCLOCAL (CODIGOEMPRESA, CODIGOFUNCCONTR, DATATRANSF, "
                                     "CODIGOESTAB) values (1, 1, :pData, 1)");
  Conexao().Executar(sql, {QStringLiteral("2024-01-10 08:00:00")});
  EXPECT_THROW(Conexao().Executar(sql, {QStringLiteral("2024-01-10 17:00:00")}), EDatabaseError);
  EXPECT_EQ(Contar(QStringLiteral("FUNCLOCAL")), 1);
}

TEST_F(nSchemaConversaoTest, HookRunsOnceAfterTheConversionIsCommitted) {
  int chamadas = 0;
  bool emTransacao = true;
  int jobs = -1;
  nSetDepoisConverter([&] {
    ++chamadas;
    emTransacao = Conexao().EmTransacao();
    jobs = Contar(QStringLiteral("JOBCADASTRO"));
  });
  nConverterBanco(Conexao());
  EXPECT_EQ(chamadas, 1);
  EXPECT_FALSE(emTransacao);
  EXPECT_EQ(jobs, 0);

  nSetDepoisConverter({});
  nConverterBanco(Conexao());
  EXPECT_EQ(chamadas, 1);
}

TEST_F(nSchemaConversaoTest, FailedConversionUndoesEverythingAndSkipsTheHook) {
  // A view holding the name of a table that needs an index makes the
  // conversion fail after many tables were already created.
  const TnTabelaDef *comIndice = nullptr;
  for (const TnTabelaDef &t : TnSchema::Tabelas())
    if (!t.Indices.isEmpty()) comIndice = &t;
  ASSERT_NE(comIndice, nullptr);
  ASSERT_NE(&TnSchema::Tabelas().first(), comIndice);
  Conexao().Executar(QStringLiteral("create view %1 as select 1 as A").arg(comIndice->Nome));

  bool chamado = false;
  nSetDepoisConverter([&] { chamado = true; });
  EXPECT_THROW(nConverterBanco(Conexao()), EDatabaseError);
  EXPECT_FALSE(chamado);
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_FALSE(TabelaExiste(TnSchema::Tabelas().first().Nome));
}

TEST_F(nSchemaConversaoTest, EveryPrimaryKeyRefusesADuplicateAndANullKey) {
  nConverterBanco(Conexao());
  // Referred tables first: their row 1 is what the others' keys name.
  QList<const TnTabelaDef *> ordem;
  std::function<void(const TnTabelaDef &)> incluir = [&](const TnTabelaDef &t) {
    if (ordem.contains(&t)) return;
    for (const TnChaveEstrangeiraDef &fk : t.ChavesEstrangeiras) incluir(*TnSchema::Tabela(fk.TabelaReferida));
    ordem.append(&t);
  };
  for (const TnTabelaDef &t : TnSchema::Tabelas()) incluir(t);
  for (const TnTabelaDef *tabela : std::as_const(ordem)) {
    const TnTabelaDef &t = *tabela;
    // A row with only the NOT NULL columns, each with a value of its type.
    QStringList colunas, marcadores;
    QVariantList valores;
    for (const TnColunaDef &c : t.Colunas) {
      if (!c.Obrigatoria) continue;
      colunas << c.Nome;
      marcadores << QStringLiteral(":p%1").arg(colunas.size());
      switch (c.Tipo) {
        case TnTipoColuna::Date: valores << QDate(2024, 1, 1); break;
        case TnTipoColuna::Timestamp: valores << QDateTime(QDate(2024, 1, 1), QTime(10, 0)); break;
        case TnTipoColuna::VarChar:
        case TnTipoColuna::Char:
        case TnTipoColuna::Memo: valores << QStringLiteral("1"); break;
        default: valores << 1; break;
      }
    }
    const QString insert = QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(t.Nome, colunas.join(u','), marcadores.join(u','));
    SCOPED_TRACE(insert.toStdString());
    ASSERT_NO_THROW(Conexao().Executar(insert, valores));
    EXPECT_THROW(Conexao().Executar(insert, valores), EDatabaseError);

    // SQLite lets a composite key hold nulls unless the columns say NOT NULL.
    const QString ultimaChave = t.ChavePrimaria.last();
    const qsizetype posicao = colunas.indexOf(ultimaChave);
    ASSERT_GE(posicao, 0);
    valores[posicao] = QVariant();
    EXPECT_THROW(Conexao().Executar(insert, valores), EDatabaseError);
    EXPECT_EQ(Contar(t.Nome), 1);
  }
}

}  // namespace
