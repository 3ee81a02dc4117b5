#include <gtest/gtest.h>

#include <QDate>
#include <QStringList>

#include "nBancoTeste_U.h"
#include "nException_U.h"
#include "nListasEmpresa_U.h"
#include "nSQLFuncoes_U.h"

namespace {

// "empresa/filial" of every row, in the list's order.
QStringList Chaves(TnClientDataSet &lista, const char *empresa, const char *estab) {
  QStringList chaves;
  for (lista.First(); !lista.Eof(); lista.Next())
    chaves << QStringLiteral("%1/%2")
                  .arg(lista.FieldByName(QString::fromLatin1(empresa))->AsInteger())
                  .arg(lista.FieldByName(QString::fromLatin1(estab))->AsInteger());
  return chaves;
}

class ListasTest : public TnBancoTeste {
 protected:
  QStringList Empresas(const char *empresas, const char *estabs = "") {
    auto lista = CriarListaEmpresaEstab(QString::fromLatin1(empresas), QString::fromLatin1(estabs));
    return Chaves(*lista, "CODIGOEMPRESA", "CODIGOESTAB");
  }
  QStringList Ativas(const QDate &ini, const QDate &fim, const char *empresas = "", const char *estabs = "") {
    auto lista = CriarListaEstabAtiva(QString::fromLatin1(empresas), QString::fromLatin1(estabs), ini, fim);
    return Chaves(*lista, "CodigoEmpresa", "CodigoEstab");
  }
};

}  // namespace

TEST_F(ListasTest, TheEstablishmentListWithNoSelectionHoldsEveryEstablishmentInKeyOrder) {
  auto lista = CriarListaEmpresaEstab(QString(), QString());
  QStringList nomes;
  for (int i = 0; i < lista->FieldCount(); ++i) nomes << lista->Fields(i)->FieldName();
  EXPECT_EQ(nomes, (QStringList{"CODIGOEMPRESA", "CODIGOESTAB", "NOMEEMPRESA", "APELIDOESTAB"}));
  EXPECT_TRUE(nTipoInteiro(lista->FieldByName(QStringLiteral("CODIGOEMPRESA"))->DataType()));
  EXPECT_TRUE(nTipoInteiro(lista->FieldByName(QStringLiteral("CODIGOESTAB"))->DataType()));
  EXPECT_EQ(Chaves(*lista, "CODIGOEMPRESA", "CODIGOESTAB"), (QStringList{"1/1", "2/1", "2/2", "2/3", "3/1"}));
  lista->First();
  lista->Next();
  EXPECT_EQ(lista->FieldByName(QStringLiteral("NOMEEMPRESA"))->AsString(), QStringLiteral("Padaria Pão Quente Ltda"));
  EXPECT_EQ(lista->FieldByName(QStringLiteral("APELIDOESTAB"))->AsString(), QStringLiteral("Pão Quente Augusta"));
}

TEST_F(ListasTest, TheEstablishmentListFollowsTheMultiSelectSyntax) {
  EXPECT_EQ(Empresas("1;2"), (QStringList{"1/1", "2/1", "2/2", "2/3"}));
  EXPECT_EQ(Empresas("2-3"), (QStringList{"2/1", "2/2", "2/3", "3/1"}));
  EXPECT_EQ(Empresas("2", "2;3"), (QStringList{"2/2", "2/3"}));
  EXPECT_EQ(Empresas("", "1"), (QStringList{"1/1", "2/1", "3/1"}));
  EXPECT_TRUE(Empresas("9").isEmpty());
  EXPECT_THROW(CriarListaEmpresaEstab(QStringLiteral("1' or '1'='1"), QString()), Exception);
}

TEST_F(ListasTest, AnEstablishmentWithoutANicknameIsListedByItsName) {
  ExecutarSQLDireto(QStringLiteral("update ESTAB set APELIDOESTAB = null where CODIGOEMPRESA = 3"));
  auto lista = CriarListaEmpresaEstab(QStringLiteral("3"), QString());
  ASSERT_EQ(lista->RecordCount(), 1);
  EXPECT_EQ(lista->FieldByName(QStringLiteral("APELIDOESTAB"))->AsString(), QStringLiteral("Tecidos Fio de Ouro Ltda"));
}

TEST_F(ListasTest, TheActiveListLeavesOutInactiveCompaniesAndEstablishmentsClosedBeforeThePeriod) {
  auto lista = CriarListaEstabAtiva(QString(), QString(), QDate(2026, 11, 1), QDate(2026, 11, 30));
  ASSERT_EQ(lista->FieldCount(), 4);
  EXPECT_EQ(lista->IndexOfField(QStringLiteral("CodigoEmpresa")), 0);
  EXPECT_EQ(lista->IndexOfField(QStringLiteral("CodigoEstab")), 1);
  EXPECT_EQ(lista->IndexOfField(QStringLiteral("NomeEmpresa")), 2);
  EXPECT_EQ(lista->IndexOfField(QStringLiteral("ApelidoEstab")), 3);
  EXPECT_TRUE(nTipoInteiro(lista->FieldByName(QStringLiteral("CodigoEstab"))->DataType()));
  // Company 3 is inactive; establishment 2/3 closed on 2025-06-30.
  EXPECT_EQ(Chaves(*lista, "CodigoEmpresa", "CodigoEstab"), (QStringList{"1/1", "2/1", "2/2"}));
}

TEST_F(ListasTest, TheActiveListTestsTheEstablishmentsActivityAgainstBothEndsOfThePeriod) {
  // 2/3 worked from 2021-09-01 to 2025-06-30; 2/2 opened on 2019-02-01.
  EXPECT_EQ(Ativas(QDate(2025, 6, 1), QDate(2025, 6, 30)), (QStringList{"1/1", "2/1", "2/2", "2/3"}));
  EXPECT_EQ(Ativas(QDate(2025, 7, 1), QDate(2025, 7, 31)), (QStringList{"1/1", "2/1", "2/2"}));
  EXPECT_EQ(Ativas(QDate(2018, 1, 1), QDate(2019, 1, 31)), (QStringList{"1/1", "2/1"}));
  EXPECT_EQ(Ativas(QDate(2018, 1, 1), QDate(2019, 2, 1)), (QStringList{"1/1", "2/1", "2/2"}));
  EXPECT_EQ(Ativas(QDate(), QDate()), (QStringList{"1/1", "2/1", "2/2", "2/3"}));
}

TEST_F(ListasTest, TheActiveListTakesTheSelectionAndCompetencesGivenAsMoments) {
  EXPECT_EQ(Ativas(QDate(2026, 11, 1), QDate(2026, 11, 30), "1;2", "2-3"), (QStringList{"2/2"}));
  EXPECT_EQ(Ativas(QDate(2026, 11, 1), QDate(2026, 11, 30), "3"), QStringList());
  // The last moment of June 2025 still reaches 2/3's last day.
  auto lista = CriarListaEstabAtiva(QStringLiteral("2"), QString(), QDateTime(QDate(2025, 6, 1), QTime(0, 0)),
                                    QDateTime(QDate(2025, 6, 30), QTime(23, 59, 59)));
  EXPECT_EQ(Chaves(*lista, "CodigoEmpresa", "CodigoEstab"), (QStringList{"2/1", "2/2", "2/3"}));
}
