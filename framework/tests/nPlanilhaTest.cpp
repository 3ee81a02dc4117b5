#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nDMPlanilha_U.h"
#include "nException_U.h"
#include "nPlanilha_U.h"

namespace {

// Names no other test registers: the repository lives for the whole run.
const QString kFuncao = QStringLiteral("TESTEDOBRO");

void Dobro(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  QVariant valor;
  if (!resultado.ExtractNumericParameter(valor, token, 0)) {
    resultado.SetError(nErroFormulaValor);
    return;
  }
  resultado.AddValue(valor.toDouble() * 2);
}

// The sheet a report's formulas live in: cell -> spreadsheet -> data module.
struct TnPlanilhaTeste {
  TnDMPlanilha modulo;
  TnComponentePlanilha controle{&modulo};
  TnComponentePlanilha celula{&controle};
  TnFormulaPlanilha formula{&celula, QStringLiteral("=gerEMP(2)")};
};

}  // namespace

TEST(RepositorioFuncoesPlanilha, FunctionsAreFoundByNameInAnyCaseAndByTokenAndALaterAddReplacesInPlace) {
  TnRepositorioFuncoesPlanilha *repositorio = dxSpreadSheetFunctionsRepository();
  EXPECT_EQ(repositorio, dxSpreadSheetFunctionsRepository());
  const int antes = repositorio->Count();
  repositorio->Add(
      kFuncao, &Dobro, [](int &quantidade, QList<int> &tipos) { quantidade = 1, tipos = {3}; }, 0, 0x7F01, 0);
  ASSERT_EQ(repositorio->Count(), antes + 1);
  const TnFuncaoPlanilha *funcao = repositorio->Encontrar(QStringLiteral("testeDobro"));
  ASSERT_NE(funcao, nullptr);
  EXPECT_EQ(repositorio->EncontrarPorToken(0x7F01), funcao);
  int quantidade = 0;
  QList<int> tipos;
  funcao->InfoParametros(quantidade, tipos);
  EXPECT_EQ(quantidade, 1);
  EXPECT_EQ(tipos, QList<int>{3});

  TnTokenFormula token{{21}};
  TnResultadoFormula resultado;
  EXPECT_TRUE(repositorio->Avaliar(kFuncao, resultado, &token));
  EXPECT_EQ(resultado.Valor(), QVariant(42.0));

  // A library loaded again brings its procedures anew.
  repositorio->Add(
      kFuncao.toLower(), [](TnResultadoFormula &r, const TnTokenFormula *) { r.AddValue(1); }, nullptr, 0, 0x7F01, 0);
  EXPECT_EQ(repositorio->Count(), antes + 1);
  TnResultadoFormula outro;
  repositorio->Avaliar(kFuncao, outro, &token);
  EXPECT_EQ(outro.Valor(), QVariant(1));

  TnResultadoFormula nenhum;
  EXPECT_FALSE(repositorio->Avaliar(QStringLiteral("NAOEXISTE"), nenhum, &token));
  EXPECT_THROW(repositorio->Add(QString(), &Dobro, nullptr, 0, 1, 0), Exception);
  EXPECT_THROW(repositorio->Add(QStringLiteral("SEMAVALIACAO"), nullptr, nullptr, 0, 1, 0), Exception);
}

TEST(ResultadoFormula, ParametersAreReadByPositionAndAnErrorHidesTheValue) {
  TnTokenFormula token{{QStringLiteral("dd/mm/yyyy"), 2.5}};
  TnResultadoFormula resultado;
  EXPECT_EQ(resultado.GetParamsCount(&token), 2);
  EXPECT_EQ(resultado.GetParamsCount(nullptr), 0);
  QVariant valor = QStringLiteral("antes");
  EXPECT_FALSE(resultado.ExtractNumericParameter(valor, &token, 2));
  EXPECT_FALSE(resultado.ExtractNumericParameter(valor, nullptr, 0));
  EXPECT_EQ(valor, QVariant(QStringLiteral("antes")));
  EXPECT_TRUE(resultado.ExtractNumericParameter(valor, &token, 0));
  EXPECT_EQ(valor, QVariant(QStringLiteral("dd/mm/yyyy")));  // a text reaches the function as its text
  resultado.AddValue(QStringLiteral("x"));
  resultado.SetError(nErroFormulaValor);
  EXPECT_EQ(resultado.Erro(), nErroFormulaValor);
  EXPECT_TRUE(resultado.Valor().isNull());
}

class DMPlanilhaTest : public TnBancoTeste {};

TEST_F(DMPlanilhaTest, TheOwnerChainOfAFormulaReachesTheSpreadsheetModuleInTwoLinks) {
  TnPlanilhaTeste planilha;
  TnResultadoFormula resultado(&planilha.formula);
  TnComponentePlanilha *alcancado = resultado.Formula()->Dono()->Owner()->Owner();
  EXPECT_EQ(dynamic_cast<TnDMPlanilha *>(alcancado), &planilha.modulo);
}

TEST_F(DMPlanilhaTest, EmpresaFuncaoGivesTheNameOfTheCompanyAskedOrOfTheReport) {
  TnPlanilhaTeste planilha;
  TnTokenFormula doisComCodigo{{2, 1}};
  TnResultadoFormula r1;
  planilha.modulo.EmpresaFuncao(r1, &doisComCodigo);
  EXPECT_EQ(r1.Valor(), QVariant(QStringLiteral("2 - Padaria Pão Quente Ltda")));

  TnTokenFormula texto{{QStringLiteral(" 1 ")}};
  TnResultadoFormula r2;
  planilha.modulo.EmpresaFuncao(r2, &texto);
  EXPECT_EQ(r2.Valor(), QVariant(QStringLiteral("Organização Contábil Exemplo Ltda")));

  planilha.modulo.SetCodigoEmpresa(3);
  TnTokenFormula semEmpresa{{0}};
  TnResultadoFormula r3;
  planilha.modulo.EmpresaFuncao(r3, &semEmpresa);
  EXPECT_EQ(r3.Valor(), QVariant(QStringLiteral("Tecidos Fio de Ouro Ltda")));
}

TEST_F(DMPlanilhaTest, EmpresaFuncaoRaisesForAnUnknownCompanyOrANonNumberSoTheCellShowsTheValueError) {
  TnPlanilhaTeste planilha;
  for (const QVariant &parametro : {QVariant(9), QVariant(QStringLiteral("abc")), QVariant(1.5)}) {
    TnTokenFormula token{{parametro}};
    TnResultadoFormula resultado;
    EXPECT_THROW(planilha.modulo.EmpresaFuncao(resultado, &token), Exception) << parametro.toString().toStdString();
  }
  TnResultadoFormula resultado;
  EXPECT_THROW(planilha.modulo.EmpresaFuncao(resultado, nullptr), Exception);  // no company at all
}

TEST(DMPlanilha, PaginaFuncaoGivesThePageAndTheCountWhenKnown) {
  TnDMPlanilha modulo;
  TnResultadoFormula r1;
  modulo.PaginaFuncao(r1, nullptr);
  EXPECT_EQ(r1.Valor(), QVariant(QStringLiteral("Página 1")));
  modulo.SetPagina(2, 5);
  TnResultadoFormula r2;
  modulo.PaginaFuncao(r2, nullptr);
  EXPECT_EQ(r2.Valor(), QVariant(QStringLiteral("Página 2 de 5")));
}
