#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nException_U.h"
#include "nFiltro_U.h"
#include "nLinhasDataSet_U.h"

namespace {

// Rows are given in the fields' canonical forms, as the dataset keeps them.
class TnFiltroTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    Dados.AddFieldDef(QStringLiteral("CodigoEmpresa"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("CODIGOESTAB"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 50);
    Dados.AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
    Dados.AddFieldDef(QStringLiteral("DATALCTO"), TnFieldType::Date);
    Dados.AddFieldDef(QStringLiteral("CANCELADO"), TnFieldType::FixedChar, 1);
    Dados.AddFieldDef(QStringLiteral("MOMENTO"), TnFieldType::DateTime);
    Dados.AddFieldDef(QStringLiteral("Nome Longo"), TnFieldType::String, 20);
    Dados.CreateDataSet();
  }

  static QVector<QVariant> Linha(QVariant empresa, QVariant estab, QVariant nome = {}, QVariant valor = {},
                                 QVariant data = {}, QVariant cancelado = {}, QVariant momento = {},
                                 QVariant longo = {}) {
    return {empresa, estab, nome, valor, data, cancelado, momento, longo};
  }

  bool Passa(const QString &filtro, const QVector<QVariant> &linha, bool semCaixa = false) {
    TnFiltro f(filtro, [this](const QString &nome) { return Dados.FindField(nome); }, semCaixa);
    return f.Avaliar(linha);
  }

  QString Erro(const QString &filtro) {
    try {
      TnFiltro f(filtro, [this](const QString &nome) { return Dados.FindField(nome); });
    } catch (const Exception &e) {
      return e.message();
    }
    return QString();
  }

  TnClientDataSet Dados;
};

const QVariant E5 = qlonglong(5);
const QVariant E2 = qlonglong(2);

}  // namespace

TEST_F(TnFiltroTeste, AndBindsTighterThanOrAndParenthesesRegroup) {
  const auto linha = Linha(qlonglong(1), qlonglong(9));
  // 1 = 1 or (1 = 2 and 9 = 3) is true; (1 = 1 or 1 = 2) and 9 = 3 is false.
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA = 1 or CODIGOEMPRESA = 2 and CODIGOESTAB = 3"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("(CODIGOEMPRESA = 1 or CODIGOEMPRESA = 2) and CODIGOESTAB = 3"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("not (CODIGOESTAB = 3) and not CODIGOEMPRESA = 2"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("NOT NOT CODIGOEMPRESA = 2"), linha));
}

TEST_F(TnFiltroTeste, EveryComparisonOperatorOrdersNumbersByValue) {
  const auto linha = Linha(E5, E2);
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA = 5"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA <> 4"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA != 4"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA > 4"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA > 5"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA >= 5"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA < 10"), linha));  // 10 would sort before 5 as text
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA <= 5"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA < 5"), linha));
  // A literal on the left compares the other way round.
  EXPECT_TRUE(Passa(QStringLiteral("4 < CODIGOEMPRESA"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("6 <= CODIGOEMPRESA"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA > -1"), linha));
  // Field against field.
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA > CODIGOESTAB"), linha));
}

TEST_F(TnFiltroTeste, ANullNeverComparesAndIsNullFindsIt) {
  const auto linha = Linha(QVariant(), E2);
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA = 0"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA <> 0"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA <= 0"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOESTAB = null"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA = CODIGOESTAB"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA is null"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOESTAB IS NOT NULL"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOESTAB is null"), linha));
}

TEST_F(TnFiltroTeste, TheConditionsOfTheProcessesSelectTheRightRows) {
  const QString semFilial =
      QStringLiteral("(CodigoEmpresa <= 0 or CodigoEmpresa is null) and (CodigoEstab <= 0 or CodigoEstab is null)");
  const QString comFilial =
      QStringLiteral("(CodigoEmpresa > 0 or CodigoEmpresa is not null) and (CodigoEstab > 0 or CodigoEstab is not null)");
  EXPECT_TRUE(Passa(semFilial, Linha(QVariant(), qlonglong(0))));
  EXPECT_FALSE(Passa(semFilial, Linha(QVariant(), qlonglong(1))));
  EXPECT_TRUE(Passa(comFilial, Linha(E5, E2)));
  EXPECT_FALSE(Passa(comFilial, Linha(E5, QVariant())));
  // Names in any case, operators without blanks.
  EXPECT_TRUE(Passa(QStringLiteral("codigoempresa =5 and CODIGOESTAB=2"), Linha(E5, E2)));
  EXPECT_FALSE(Passa(QStringLiteral("codigoempresa =5 and CODIGOESTAB=2"), Linha(E5, qlonglong(3))));
}

TEST_F(TnFiltroTeste, TextsAreQuotedWithDoubledQuotesAndCompareByCase) {
  const auto linha = Linha(E5, E2, QStringLiteral("D'Ávila"));
  EXPECT_TRUE(Passa(QStringLiteral("NOME = 'D''Ávila'"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("NOME = 'd''ávila'"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("NOME = 'd''ávila'"), linha, true));
  EXPECT_TRUE(Passa(QStringLiteral("NOME > 'Ana' and NOME < 'E'"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("[Nome Longo] is null"), linha));
}

TEST_F(TnFiltroTeste, TypedNullsNeverPassAndOtherValueTypesCompareByValue) {
  const QVariant nuloInteiro(QMetaType::fromType<qlonglong>());
  const QVariant nuloTexto(QMetaType::fromType<QString>());
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA = 0"), Linha(nuloInteiro, E2)));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA < 1"), Linha(nuloInteiro, E2)));
  EXPECT_FALSE(Passa(QStringLiteral("NOME = ''"), Linha(E5, E2, nuloTexto)));
  EXPECT_FALSE(Passa(QStringLiteral("NOME < 'A'"), Linha(E5, E2, nuloTexto)));
  // A row written by code with an int or a double still compares by value.
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA = 5"), Linha(QVariant(5), E2)));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA > 4 and CODIGOEMPRESA < 6"), Linha(QVariant(5.0), E2)));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA <> 4"), Linha(E5, E2)));
  EXPECT_TRUE(Passa(QStringLiteral("NOME >= 'ana'"), Linha(E5, E2, QStringLiteral("Ana")), true));
  EXPECT_FALSE(Passa(QStringLiteral("NOME >= 'ana'"), Linha(E5, E2, QStringLiteral("Ana"))));
}

TEST_F(TnFiltroTeste, ALiteralIsReadAsAValueOfItsFieldsType) {
  // One-character yes/no columns compared with a number or a text.
  EXPECT_TRUE(Passa(QStringLiteral("CANCELADO = 0"), Linha(E5, E2, {}, {}, {}, QStringLiteral("0"))));
  EXPECT_TRUE(Passa(QStringLiteral("CANCELADO = '0'"), Linha(E5, E2, {}, {}, {}, QStringLiteral("0"))));
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA = '5'"), Linha(E5, E2)));
  // Exact decimals by value, whatever the decimals written.
  const auto valor = Linha(E5, E2, {}, QStringLiteral("10.50"));
  EXPECT_TRUE(Passa(QStringLiteral("VALOR = 10.5"), valor));
  EXPECT_TRUE(Passa(QStringLiteral("VALOR > 9.99 and VALOR < 10.51"), valor));
  EXPECT_TRUE(Passa(QStringLiteral("VALOR > 2"), valor));  // not "10.50" < "2" as texts
  EXPECT_TRUE(Passa(QStringLiteral("VALOR = '10,50'"), valor));
  // A whole-number field against a fraction.
  EXPECT_TRUE(Passa(QStringLiteral("CODIGOEMPRESA > 4.5"), Linha(E5, E2)));
  EXPECT_FALSE(Passa(QStringLiteral("CODIGOEMPRESA = 5.1"), Linha(E5, E2)));
}

TEST_F(TnFiltroTeste, DatesCompareWithBothTextForms) {
  const auto linha = Linha(E5, E2, {}, {}, QDate(2026, 11, 30), {}, QDateTime(QDate(2026, 11, 30), QTime(14, 0)));
  EXPECT_TRUE(Passa(QStringLiteral("DATALCTO = '30/11/2026'"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("DATALCTO = '2026-11-30'"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("DATALCTO >= '01/11/2026' and DATALCTO <= '30/11/2026'"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("DATALCTO > '30/11/2026'"), linha));
  EXPECT_TRUE(Passa(QStringLiteral("MOMENTO > '30/11/2026'"), linha));
  EXPECT_FALSE(Passa(QStringLiteral("MOMENTO < '2026-11-30 13:59:59'"), linha));
}

TEST_F(TnFiltroTeste, MistakesAreRefusedWithAMessageNamingTheProblem) {
  EXPECT_TRUE(Erro(QStringLiteral("CODIGOEMPRESA = ")).contains(QStringLiteral("incompleta")));
  EXPECT_TRUE(Erro(QStringLiteral("(CODIGOEMPRESA = 1")).contains(QStringLiteral("\")\"")));
  EXPECT_TRUE(Erro(QStringLiteral("NOME = 'abc")).contains(QStringLiteral("aspas")));
  EXPECT_TRUE(Erro(QStringLiteral("CODIGOEMPRESA ! 1")).contains(QStringLiteral("!")));
  EXPECT_TRUE(Erro(QStringLiteral("CODIGOEMPRESA 1")).contains(QStringLiteral("operador")));
  EXPECT_TRUE(Erro(QStringLiteral("INEXISTENTE = 1")).contains(QStringLiteral("INEXISTENTE")));
  EXPECT_TRUE(Erro(QStringLiteral("CODIGOEMPRESA = 1 CODIGOESTAB = 2")).contains(QStringLiteral("CODIGOESTAB")));
  EXPECT_TRUE(Erro(QStringLiteral("DATALCTO = 'ontem'")).contains(QStringLiteral("DATALCTO")));
  EXPECT_TRUE(Erro(QStringLiteral("CODIGOEMPRESA is 1")).contains(QStringLiteral("null")));
  EXPECT_TRUE(Erro(QStringLiteral("and CODIGOEMPRESA = 1")).contains(QStringLiteral("and")));
  EXPECT_TRUE(Erro(QStringLiteral("CODIGOEMPRESA = 1")).isEmpty());
}

TEST_F(TnFiltroTeste, ABlankFilterPassesEveryRow) {
  TnFiltro f(QStringLiteral("   "), [this](const QString &nome) { return Dados.FindField(nome); });
  EXPECT_TRUE(f.Vazio());
  EXPECT_TRUE(f.Avaliar(Linha(QVariant(), QVariant())));
}

TEST_F(TnFiltroTeste, AViewOfManyRowsKeepsExactlyTheRowsEachOnePasses) {
  // Rows as the dataset keeps them and as code may write them: other value
  // types, plain and typed nulls, texts in either case.
  TnLinhasDataSet linhas;
  std::vector<QVector<QVariant>> valores;
  const QVariant nuloInteiro(QMetaType::fromType<qlonglong>());
  const QVariant nuloTexto(QMetaType::fromType<QString>());
  const QList<QVariant> empresas = {qlonglong(1), qlonglong(5), QVariant(5), QVariant(4.0), QVariant(), nuloInteiro,
                                    qlonglong(9)};
  const QList<QVariant> nomes = {QStringLiteral("ana"), QStringLiteral("Bia"), QVariant(), nuloTexto,
                                 QStringLiteral("bia")};
  for (int i = 0; i < 70; ++i)
    valores.push_back(Linha(empresas[i % empresas.size()], qlonglong(i % 3), nomes[i % nomes.size()], {}, {},
                            QString::number(i % 2)));
  linhas.Carregar(valores);
  // Not the natural order, and a row left out.
  std::vector<int> ordem;
  for (int slot = 69; slot >= 0; --slot)
    if (slot != 12) ordem.push_back(slot);

  for (const bool semCaixa : {false, true})
    for (const char *texto : {"CODIGOEMPRESA > 4", "CODIGOEMPRESA = 5 and CANCELADO = '1'",
                              "CANCELADO = 0 and CODIGOESTAB <> 1 and NOME >= 'b'", "NOME = 'bia'",
                              "CODIGOEMPRESA > 4 or CODIGOESTAB = 1", "not CODIGOEMPRESA = 5",
                              "CODIGOEMPRESA < 9 and (CODIGOESTAB = 1 or NOME is null)", "CODIGOEMPRESA > 4.5", " "}) {
      const QString filtro = QLatin1String(texto);
      TnFiltro f(filtro, [this](const QString &nome) { return Dados.FindField(nome); }, semCaixa);
      std::vector<int> esperadas = {-1};
      for (const int slot : ordem)
        if (f.Avaliar(linhas.Valores(slot))) esperadas.push_back(slot);
      std::vector<int> saida = {-1};  // what was there stays
      f.Selecionar(ordem, linhas, saida);
      EXPECT_EQ(saida, esperadas) << texto << (semCaixa ? " (sem caixa)" : "");
      EXPECT_GT(esperadas.size(), 1u) << texto;
    }
}
