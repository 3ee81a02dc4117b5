#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nBlockCommand_U.h"
#include "nDMSQLDataSet_U.h"
#include "nException_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"

// ---- Literals and conditions made without a database ----

TEST(ValorParaSQL, LiteralsOfEachKindAreThoseBothEnginesRead) {
  EXPECT_EQ(ValorParaSQL(QVariant(qint64(9999999999LL))), QStringLiteral("9999999999"));
  EXPECT_EQ(ValorParaSQL(QVariant(1234.5)), QStringLiteral("1234.5"));  // never the pt-BR comma
  EXPECT_EQ(ValorParaSQL(QStringLiteral("D'Ávila")), QStringLiteral("'D''Ávila'"));
  EXPECT_EQ(ValorParaSQL(QDate(2026, 1, 31)), QStringLiteral("'2026-01-31'"));
  EXPECT_EQ(ValorParaSQL(QDateTime(QDate(2026, 1, 31), QTime(8, 5, 9))), QStringLiteral("'2026-01-31 08:05:09'"));
  EXPECT_EQ(ValorParaSQL(QVariant()), QStringLiteral("null"));
  EXPECT_EQ(ValorParaSQL(QStringLiteral("0"), TnFieldType::String), QStringLiteral("'0'"));
  EXPECT_EQ(ValorParaSQL(QStringLiteral("5020"), TnFieldType::Integer), QStringLiteral("5020"));
  EXPECT_EQ(ValorParaSQL(QStringLiteral("01/02/2026"), TnFieldType::Date), QStringLiteral("'2026-02-01'"));
  EXPECT_EQ(ValorParaSQL(QStringLiteral("1.234,50"), TnFieldType::FMTBcd), QStringLiteral("1234.50"));
}

TEST(ValorParaSQL, AnEmptyTextForANumberOrDateIsNullAndRubbishIsRefused) {
  // An empty responsible user must not become '' in a smallint column.
  EXPECT_EQ(ValorParaSQL(QString(), TnFieldType::SmallInt), QStringLiteral("null"));
  EXPECT_EQ(ValorParaSQL(QStringLiteral("  "), TnFieldType::Date), QStringLiteral("null"));
  EXPECT_THROW(ValorParaSQL(QStringLiteral("1; drop table X"), TnFieldType::Integer), Exception);
  EXPECT_THROW(ValorParaSQL(QStringLiteral("31/02/2026"), TnFieldType::Date), Exception);
}

TEST(FilterInterval, BuildsListsAndRangesWithTheFixedConjunction) {
  const QString c = FilterInterval(QStringLiteral("CODIGOEMPRESA"), QStringLiteral("1;3, 5-9"), 1, true, 3);
  EXPECT_TRUE(c.startsWith(QStringLiteral(" and ")));
  EXPECT_EQ(c.left(8), QStringLiteral(" and    "));  // callers cut exactly 8 characters
  EXPECT_EQ(c.mid(8), QStringLiteral("(CODIGOEMPRESA in (1,3) or CODIGOEMPRESA between 5 and 9)"));
  EXPECT_EQ(FilterInterval(QStringLiteral("C.CODIGOESTAB"), QStringLiteral("2"), 1, false, 0),
            QStringLiteral("(C.CODIGOESTAB = 2)"));
  EXPECT_EQ(FilterInterval(QStringLiteral("X"), QStringLiteral("9..5"), 1, false, 0),
            QStringLiteral("(X between 5 and 9)"));
  EXPECT_EQ(FilterInterval(QStringLiteral("X"), QStringLiteral("9999999999"), 1, false, 0),
            QStringLiteral("(X = 9999999999)"));
}

TEST(FilterInterval, RefusesAnythingButNumbersAndKeepsEmptySelectionsHarmless) {
  for (const char *ruim : {"1 or 1=1", "abc", "1;'x'", "5-", "-3", "1-2-3", "1e5"})
    EXPECT_THROW(FilterInterval(QStringLiteral("X"), QString::fromUtf8(ruim), 1, true, 0), Exception) << ruim;
  EXPECT_THROW(FilterInterval(QStringLiteral("X; drop"), QStringLiteral("1"), 1, true, 0), Exception);
  EXPECT_EQ(FilterInterval(QStringLiteral("X"), QStringLiteral("  "), 1, true, 0), QString());
  EXPECT_EQ(FilterInterval(QStringLiteral("X"), QString(), 1, false, 0), QStringLiteral("1=1"));
}

TEST(TBlockCommand, KeepsStatementsInOrder) {
  TBlockCommand bloco(true, 0);
  bloco.Add(QStringLiteral("a"));
  bloco.Add(QStringLiteral("b"));
  EXPECT_EQ(bloco.ToCommandList(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

// ---- On the sample database ----

class TnSQLFuncoesBancoTest : public TnBancoTeste {};

TEST_F(TnSQLFuncoesBancoTest, PegarValorCampoWithNoRowGivesTheDefaultOrNull) {
  TnDMSQLDataSet *sql = nDMSQLDataSet();
  EXPECT_TRUE(sql->PegarValorCampo(QStringLiteral("EMPRESA"), QStringLiteral("NOMEEMPRESA"),
                                   QStringLiteral("CODIGOEMPRESA = -1"))
                  .isNull());
  EXPECT_EQ(sql->PegarValorCampo(QStringLiteral("EMPRESA"), QStringLiteral("NOMEEMPRESA"),
                                 QStringLiteral("CODIGOEMPRESA = -1"), QStringLiteral("-1"))
                .toString(),
            QStringLiteral("-1"));
  const QVariantList dois = sql->PegarValorCampo(QStringLiteral("CFGESTABPRO"),
                                                 QStringLiteral("FORMAENTREGA, MESMOENDERECOENT"),
                                                 QStringLiteral("CODIGOEMPRESA = -1"))
                                .toList();
  ASSERT_EQ(dois.size(), 2);
  EXPECT_TRUE(dois[0].isNull());
  EXPECT_TRUE(dois[1].isNull());
  EXPECT_FALSE(sql->PegarTemRegistro(QStringLiteral("EMPRESA"), QStringLiteral("CODIGOEMPRESA"),
                                     QStringLiteral("CODIGOEMPRESA = -1")));
  EXPECT_TRUE(sql->PegarTemRegistro(QStringLiteral("EMPRESA"), QStringLiteral("CODIGOEMPRESA"), QString()));
}

TEST_F(TnSQLFuncoesBancoTest, PegarProximoCodigoGoesPastTheThirtyTwoBitRange) {
  TnDMSQLDataSet *sql = nDMSQLDataSet();
  EXPECT_EQ(sql->PegarProximoCodigo(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO")), 1);
  EXPECT_EQ(sql->PegarProximoCodigo(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO"), QString(), 100, 10),
            110);
  ExecutarSQLDireto(QStringLiteral(
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, DATAHORACADASTRO, "
      "CODIGOUSUARIO, NATUREZAPRO, CANCELADO, ORIGEMDADO) values (:c, 1, 1, :d, '2', :m, 1, '1', '0', 2)"),
                    {qint64(4294967296LL), QDate(2026, 11, 1), QDateTime(QDate(2026, 11, 1), QTime(10, 0))});
  EXPECT_EQ(sql->PegarProximoCodigo(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO")), 4294967297LL);
}

TEST_F(TnSQLFuncoesBancoTest, ExecutarSQLTypesColumnsAlikeOnBothEngines) {
  auto dados = ExecutarSQL(QStringLiteral(
      "select E.CODIGOEMPRESA, E.NOMEEMPRESA, S.DATAINICIOATIV, cast(1 as Integer) STATUS "
      "from EMPRESA E join ESTAB S on S.CODIGOEMPRESA = E.CODIGOEMPRESA where E.CODIGOEMPRESA = :pCodigoEmpresa"),
                           {1});
  ASSERT_FALSE(dados->IsEmpty());
  // Names come back upper case whatever the engine folds them to.
  EXPECT_EQ(dados->Fields(0)->FieldName(), QStringLiteral("CODIGOEMPRESA"));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("codigoempresa"))->AsString(), QStringLiteral("1"));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("DATAINICIOATIV"))->DataType(), TnFieldType::Date);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("STATUS"))->AsInteger(), 1);
  EXPECT_THROW(dados->FieldByName(QStringLiteral("NAOHA")), Exception);
}

TEST_F(TnSQLFuncoesBancoTest, RefreshSQLRunsTheSameStatementWithNewValues) {
  auto dados = ExecutarSQL(QStringLiteral("select CODIGOESTAB from ESTAB where CODIGOEMPRESA = :p"), {1});
  const int daPrimeira = dados->RecordCount();
  RefreshSQL(*dados, {-1});
  EXPECT_TRUE(dados->IsEmpty());
  RefreshSQL(*dados, {1});
  EXPECT_EQ(dados->RecordCount(), daPrimeira);
  DestruirSQL(dados);
  EXPECT_EQ(dados, nullptr);
}

TEST_F(TnSQLFuncoesBancoTest, APreparedStatementRunsManyTimesWithTypedParameters) {
  TnSQLDataSet comando;
  comando.SetSQLConnection(nDMConexao());
  comando.SetCommandText(QStringLiteral(
      "insert into HISTORICOPRO (CODIGOHISTPRO, DESCRISAOHISTPRO, TEMCOMPLEMENTOHISTORICO) values (:pCodigo, :pDescr, "
      ":pComp)"));
  comando.SetPrepared(true);
  ASSERT_EQ(comando.ParamCount(), 3);
  comando.Params(0).SetDataType(TnFieldType::SmallInt);
  comando.Params(1).SetDataType(TnFieldType::String);
  comando.ParamByName(QStringLiteral("PCOMP")).SetDataType(TnFieldType::FixedChar);
  for (int i = 0; i < 3; ++i) {
    comando.Params(0).SetAsString(QStringLiteral(" %1 ").arg(900 + i));  // text into an integer parameter
    comando.Params(1).SetAsString(QStringLiteral("Histórico %1").arg(i));
    comando.Params(2).SetAsString(QStringLiteral("0"));
    EXPECT_EQ(comando.ExecSQL(), 1);
  }
  EXPECT_EQ(Contar(QStringLiteral("HISTORICOPRO"), QStringLiteral("CODIGOHISTPRO between 900 and 902")), 3);
  EXPECT_THROW(comando.Params(0).SetAsString(QStringLiteral("nove")), Exception);
  EXPECT_THROW(comando.ParamByName(QStringLiteral("pNaoHa")), Exception);
}

TEST_F(TnSQLFuncoesBancoTest, AParameterSetOnceKeepsItsValueAndAChangedOneBindsTheNewValue) {
  TnSQLDataSet comando;
  comando.SetCommandText(QStringLiteral(
      "insert into HISTORICOPRO (CODIGOHISTPRO, DESCRISAOHISTPRO, TEMCOMPLEMENTOHISTORICO) values (:pCodigo, :pDescr, "
      ":pComp)"));
  comando.SetPrepared(true);
  comando.Params(0).SetDataType(TnFieldType::SmallInt);
  comando.Params(1).SetAsString(QStringLiteral("Igual"));
  comando.Params(2).SetAsString(QStringLiteral("0"));
  for (int codigo : {910, 911}) {
    comando.Params(0).SetAsInteger(codigo);
    comando.ExecSQL();
  }
  comando.Params(0).SetAsInteger(912);
  comando.Params(1).SetAsString(QStringLiteral("Outro"));
  comando.Params(2).Clear();
  comando.ExecSQL();
  EXPECT_EQ(Contar(QStringLiteral("HISTORICOPRO"), QStringLiteral("CODIGOHISTPRO in (910, 911) and DESCRISAOHISTPRO = "
                                                                   "'Igual' and TEMCOMPLEMENTOHISTORICO = '0'")),
            2);
  EXPECT_EQ(Contar(QStringLiteral("HISTORICOPRO"), QStringLiteral("CODIGOHISTPRO = 912 and DESCRISAOHISTPRO = 'Outro' "
                                                                   "and TEMCOMPLEMENTOHISTORICO is null")),
            1);
  // A text with a control character is refused at every run, not only the first.
  comando.Params(0).SetAsInteger(913);
  comando.Params(1).SetAsString(QStringLiteral("a\x01b"));
  EXPECT_THROW(comando.ExecSQL(), Exception);
  EXPECT_THROW(comando.ExecSQL(), Exception);
}

TEST_F(TnSQLFuncoesBancoTest, EmptyTextBindsNullForDatesAndNumbers) {
  TnSQLDataSet consulta;
  consulta.SetCommandText(QStringLiteral("select count(*) QTD from EMPRESA where :pData is null and :pNum is null"));
  consulta.Params(0).SetDataType(TnFieldType::DateTime);
  consulta.Params(1).SetDataType(TnFieldType::Float);
  consulta.Params(0).SetAsString(QString());
  consulta.Params(1).SetAsString(QString());
  EXPECT_TRUE(consulta.Params(0).IsNull());
  EXPECT_TRUE(consulta.Params(1).IsNull());
}

TEST_F(TnSQLFuncoesBancoTest, ColonsInTextCommentsAndCastsLeaveTheValuesInTheirPlaces) {
  auto linhas = ExecutarSQL(QStringLiteral("select NOMEEMPRESA, :pB as B, 'x :pA y' as T, -- :pA, :pC\n"
                                           "  :pA as A /* :pB */ from EMPRESA where CODIGOEMPRESA = :pA"),
                            {QStringLiteral("b:1"), 1});
  ASSERT_EQ(linhas->RecordCount(), 1);
  EXPECT_EQ(linhas->FieldByName(QStringLiteral("B"))->AsString(), QStringLiteral("b:1"));
  EXPECT_EQ(linhas->FieldByName(QStringLiteral("T"))->AsString(), QStringLiteral("x :pA y"));
  EXPECT_EQ(linhas->FieldByName(QStringLiteral("A"))->AsInteger(), 1);
}

TEST_F(TnSQLFuncoesBancoTest, APreparedSelectRunAgainKeepsItsFieldsUntilItsColumnsChange) {
  // Callers keep the fields of a statement run once per establishment (and
  // what they built on them) while the field version stays.
  TnSQLDataSet consulta;
  consulta.SetCommandText(
      QStringLiteral("select CODIGOEMPRESA, NOMEEMPRESA from EMPRESA where CODIGOEMPRESA >= :pEmpresa "
                     "order by CODIGOEMPRESA"));
  consulta.SetPrepared(true);
  consulta.Params(0).SetDataType(TnFieldType::Integer);
  consulta.Params(0).SetAsInteger(0);
  consulta.Open();
  const TnField *nome = consulta.FieldByName(QStringLiteral("NOMEEMPRESA"));
  const quint64 versao = consulta.Resultado().VersaoCampos();
  ASSERT_FALSE(consulta.Resultado().IsEmpty());
  const int primeira = consulta.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger();

  consulta.Params(0).SetAsInteger(primeira + 1);
  consulta.Open();
  EXPECT_EQ(consulta.FieldByName(QStringLiteral("NOMEEMPRESA")), nome);
  EXPECT_EQ(consulta.Resultado().VersaoCampos(), versao);
  if (!consulta.Resultado().IsEmpty())
    EXPECT_GT(consulta.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), primeira);

  // Other columns: other fields, and a version never seen before, in this
  // dataset or any other.
  consulta.SetCommandText(QStringLiteral("select NOMEEMPRESA, CODIGOEMPRESA from EMPRESA"));
  consulta.Open();
  const quint64 outra = consulta.Resultado().VersaoCampos();
  EXPECT_NE(outra, versao);
  TnSQLDataSet segunda;
  segunda.SetCommandText(QStringLiteral("select CODIGOEMPRESA, NOMEEMPRESA from EMPRESA"));
  segunda.Open();
  EXPECT_NE(segunda.Resultado().VersaoCampos(), versao);
  EXPECT_NE(segunda.Resultado().VersaoCampos(), outra);
}

TEST_F(TnSQLFuncoesBancoTest, AValueLongerThanItsColumnIsRefusedNamingTheColumn) {
  try {
    ExecutarSQLDireto(QStringLiteral("insert into HISTORICOPRO (CODIGOHISTPRO, DESCRISAOHISTPRO, "
                                     "TEMCOMPLEMENTOHISTORICO) values (990, 'x', :p)"),
                      {QStringLiteral("10")});
    FAIL() << "a two-character value went into a one-character column";
  } catch (const EDatabaseError &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("TEMCOMPLEMENTOHISTORICO"))) << e.message().toStdString();
  }
  EXPECT_EQ(Contar(QStringLiteral("HISTORICOPRO"), QStringLiteral("CODIGOHISTPRO = 990")), 0);
}

TEST_F(TnSQLFuncoesBancoTest, CopyDataCDSCopiesByNameInAnyCase) {
  auto origem = ExecutarSQL(QStringLiteral("select CODIGOEMPRESA, NOMEEMPRESA from EMPRESA order by CODIGOEMPRESA"));
  TnClientDataSet destino;
  destino.AddFieldDef(QStringLiteral("NomeEmpresa"), TnFieldType::String, 100);
  destino.AddFieldDef(QStringLiteral("Outro"), TnFieldType::Integer);
  destino.CreateDataSet();
  CopyDataCDS(*origem, destino);
  ASSERT_EQ(destino.RecordCount(), origem->RecordCount());
  destino.First();
  origem->First();
  EXPECT_EQ(destino.FieldByName(QStringLiteral("NOMEEMPRESA"))->AsString(),
            origem->FieldByName(QStringLiteral("NOMEEMPRESA"))->AsString());
  EXPECT_TRUE(destino.FieldByName(QStringLiteral("OUTRO"))->IsNull());
  LimparFieldsDefCDS(destino);
  EXPECT_FALSE(destino.Active());
  EXPECT_TRUE(destino.FieldDefs().isEmpty());
}

TEST(TnSelecao, AppliesOnlyTheParametersThatAreSetWithTheirOperators) {
  TnSelecao selecao;
  const QString verifica = QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
  EXPECT_EQ(selecao.Condicao(verifica), QString());
  selecao.SetParam(QStringLiteral("DATALCTOPRO_MAIORIGUAL"), QDate(2026, 11, 1));
  EXPECT_EQ(selecao.Condicao(verifica), QStringLiteral("t_t.DATALCTOPRO >= '2026-11-01'"));
  selecao.SetParam(QStringLiteral("datalctopro_menorigual"), QDate(2026, 11, 30));
  EXPECT_EQ(selecao.Condicao(verifica),
            QStringLiteral("t_t.DATALCTOPRO >= '2026-11-01' and t_t.DATALCTOPRO <= '2026-11-30'"));
  selecao.SetParam(QStringLiteral("CODIGOPROTOCOLO"), qint64(9999999999LL));
  EXPECT_EQ(selecao.Condicao(QStringLiteral("CODIGOEMPRESA;CODIGOPROTOCOLO"), QString()),
            QStringLiteral("CODIGOPROTOCOLO = 9999999999"));
  selecao.RemoverParam(QStringLiteral("codigoprotocolo"));
  EXPECT_FALSE(selecao.TemParam(QStringLiteral("CODIGOPROTOCOLO")));
  selecao.SetParam(QStringLiteral("X' or 1=1"), 1);
  EXPECT_THROW(selecao.Condicao(QStringLiteral("X' or 1=1")), Exception);
}
