// The five formula functions as a sheet calls them: by name through the
// spreadsheet's repository, where the library put them when it loaded.

#include <gtest/gtest.h>

#include <QDateTime>
#include <limits>

#include "nBancoTeste_U.h"
#include "nDMPlanilha_U.h"
#include "nException_U.h"
#include "nFormatos_U.h"
#include "nOPlanilha_U.h"
#include "nPacotes_U.h"
#include "nPlanilha_U.h"

namespace {

// What a cell shows after a call: its text, or the error code.
struct TnCelula {
  QVariant Valor;
  int Erro = nErroFormulaNenhum;
};

TnCelula Calcular(const QString &funcao, const QVariantList &parametros, TnFormulaPlanilha *formula = nullptr) {
  TnTokenFormula token{parametros};
  TnResultadoFormula resultado(formula);
  if (!dxSpreadSheetFunctionsRepository()->Avaliar(funcao, resultado, &token))
    ADD_FAILURE() << "função não registrada: " << funcao.toStdString();
  return {resultado.Valor(), resultado.Erro()};
}

// The text of a call that must succeed, as a std::string for readable failures.
std::string Texto(const QString &funcao, const QVariantList &parametros, TnFormulaPlanilha *formula = nullptr) {
  const TnCelula celula = Calcular(funcao, parametros, formula);
  EXPECT_EQ(celula.Erro, nErroFormulaNenhum) << funcao.toStdString();
  EXPECT_EQ(celula.Valor.typeId(), QMetaType::QString) << funcao.toStdString();
  return celula.Valor.toString().toStdString();
}

int Erro(const QString &funcao, const QVariantList &parametros, TnFormulaPlanilha *formula = nullptr) {
  const TnCelula celula = Calcular(funcao, parametros, formula);
  EXPECT_TRUE(celula.Valor.isNull()) << "a failed call shows no text";
  return celula.Erro;
}

const QString kEmp = QStringLiteral("gerEMP");
const QString kPag = QStringLiteral("gerPAG");
const QString kData = QStringLiteral("FORMATARDATAHORA");
const QString kNum = QStringLiteral("FMTNUM");
const QString kRept = QStringLiteral("REPT");

// Monday 02/03/2026 14:05:09.007 as the sheet's day count.
double Momento() { return DateTimeToFloat(QDateTime(QDate(2026, 3, 2), QTime(14, 5, 9, 7))); }

}  // namespace

// --- Registration ------------------------------------------------------------

TEST(FuncoesPlanilhaRegistro, TheLibraryAddsTheFiveFunctionsWithTheirTokensAndParameters) {
  const TnRepositorioFuncoesPlanilha &repositorio = *dxSpreadSheetFunctionsRepository();
  EXPECT_EQ(repositorio.Nomes(), QStringList({kEmp, kPag, kData, kNum, kRept}));
  struct Esperado {
    QString Nome;
    int Token;
    int Quantidade;
  };
  for (const Esperado &e : {Esperado{kEmp, 2054, 2}, Esperado{kPag, 2059, 0}, Esperado{kData, 2060, 2},
                            Esperado{kNum, 2075, 2}, Esperado{kRept, 2061, 2}}) {
    SCOPED_TRACE(e.Nome.toStdString());
    const TnFuncaoPlanilha *funcao = repositorio.Encontrar(e.Nome);
    ASSERT_NE(funcao, nullptr);
    EXPECT_EQ(repositorio.EncontrarPorToken(e.Token), funcao);
    EXPECT_EQ(funcao->TipoResultado, 0);
    EXPECT_EQ(funcao->TipoFuncao, 0);
    ASSERT_TRUE(funcao->InfoParametros);
    int quantidade = -1;
    QList<int> tipos{9};
    funcao->InfoParametros(quantidade, tipos);
    EXPECT_EQ(quantidade, e.Quantidade);
    EXPECT_EQ(tipos, QList<int>(e.Quantidade, 3));
  }
}

TEST(FuncoesPlanilhaRegistro, OpeningTheLibraryAgainAddsNothingAndUnloadingItTakesNothingAway) {
  const int antes = dxSpreadSheetFunctionsRepository()->Count();
  {
    TnPacotes outro;
    ASSERT_TRUE(outro.AbrirPacote(QStringLiteral("mVoxPkDevExpress")));
    EXPECT_EQ(dxSpreadSheetFunctionsRepository()->Count(), antes);
    outro.DescarregarPacotes();
  }
  nRegistrarFuncoesPlanilha();
  EXPECT_EQ(dxSpreadSheetFunctionsRepository()->Count(), antes);
  EXPECT_EQ(Texto(kRept, {QStringLiteral("-"), 3}), "---");
}

// --- REPT --------------------------------------------------------------------

TEST(FuncaoREPT, CountIsRoundedHalfToEvenAndNothingIsRepeatedForZeroNegativeOrMissingCounts) {
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab")}), "");  // not the text once
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), 2.5}), "abab");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), 3.5}), "abababab");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), 2.6}), "ababab");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), 0.5}), "");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), 0}), "");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), -1}), "");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), -std::numeric_limits<double>::infinity()}), "");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ab"), QVariant()}), "");  // an empty cell counts 0
  EXPECT_EQ(Texto(kRept, {}), "");
}

TEST(FuncaoREPT, NumbersRepeatTheirTextAndATextCountIsReadAsANumber) {
  EXPECT_EQ(Texto(kRept, {7, 3}), "777");
  EXPECT_EQ(Texto(kRept, {1.5, 2}), "1,51,5");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("ção"), QStringLiteral(" 2 ")}), "çãoção");
  EXPECT_EQ(Texto(kRept, {QStringLiteral("x"), QStringLiteral("2,5")}), "xx");
  EXPECT_EQ(Erro(kRept, {QStringLiteral("x"), QStringLiteral("duas")}), nErroFormulaValor);
  EXPECT_EQ(Erro(kRept, {QStringLiteral("x"), std::numeric_limits<double>::quiet_NaN()}), nErroFormulaValor);
}

TEST(FuncaoREPT, AResultLongerThanACellHoldsIsTheValueErrorInsteadOfExhaustingMemory) {
  EXPECT_EQ(Texto(kRept, {QStringLiteral("a"), nMaxTextoCelula}).size(), size_t(nMaxTextoCelula));
  EXPECT_EQ(Erro(kRept, {QStringLiteral("a"), nMaxTextoCelula + 1}), nErroFormulaValor);
  EXPECT_EQ(Erro(kRept, {QStringLiteral("ab"), nMaxTextoCelula / 2 + 1}), nErroFormulaValor);
  EXPECT_EQ(Erro(kRept, {QStringLiteral("ab"), 1e12}), nErroFormulaValor);
  EXPECT_EQ(Erro(kRept, {QStringLiteral("ab"), 1e300}), nErroFormulaValor);
  EXPECT_EQ(Erro(kRept, {QStringLiteral("ab"), std::numeric_limits<double>::infinity()}), nErroFormulaValor);
  // Nothing to repeat is nothing, however many times.
  EXPECT_EQ(Texto(kRept, {QString(), 1e300}), "");
}

// --- FMTNUM ------------------------------------------------------------------

TEST(FuncaoFMTNUM, NineMasksGiveExactlyWhatTheSameHashMasksGive) {
  const QStringList mascaras{QStringLiteral("999.99"),       QStringLiteral("9,999.99"), QStringLiteral("9,990.00"),
                             QStringLiteral("99.9E+99"),      QStringLiteral("999;(999);'-'"),
                             QStringLiteral("'Nº '9999"),     QStringLiteral("0.9999")};
  const QVariantList valores{0, 1.5, -1234.567, 1234567.891, 0.004, 98765.4321, -0.5};
  for (QString mascara : mascaras) {
    for (const QVariant &valor : valores) {
      const std::string comNove = Texto(kNum, {valor, mascara});
      EXPECT_EQ(comNove, Texto(kNum, {valor, mascara.replace(u'9', u'#')}))
          << mascara.toStdString() << " " << valor.toString().toStdString();
    }
  }
  EXPECT_EQ(Texto(kNum, {1234.5, QStringLiteral("9,990.00")}), "1.234,50");
  EXPECT_EQ(Texto(kNum, {0.5, QStringLiteral("9.99")}), ",5");
}

TEST(FuncaoFMTNUM, WithoutAFormatTheNumberTakesItsGeneralForm) {
  EXPECT_EQ(Texto(kNum, {1234.5}), "1234,5");
  EXPECT_EQ(Texto(kNum, {1234.5, QString()}), "1234,5");
  EXPECT_EQ(Texto(kNum, {2.0 / 3.0}), "0,666666666666667");
  EXPECT_EQ(Texto(kNum, {1e20}), "1E20");
  EXPECT_EQ(Texto(kNum, {-0.00001}), "-1E-5");
  EXPECT_EQ(Texto(kNum, {1234567}), "1234567");
}

TEST(FuncaoFMTNUM, EachSpecifierFamilyOfTheNumberFormat) {
  // Digits always shown and shown when significant.
  EXPECT_EQ(Texto(kNum, {42, QStringLiteral("00000")}), "00042");
  EXPECT_EQ(Texto(kNum, {0.5, QStringLiteral("#.##")}), ",5");
  // The decimal point and thousands grouping, in the locale's separators.
  EXPECT_EQ(Texto(kNum, {1.5, QStringLiteral("0.000")}), "1,500");
  EXPECT_EQ(Texto(kNum, {1234567.891, QStringLiteral("#,##0.00")}), "1.234.567,89");
  EXPECT_EQ(Texto(kNum, {2.675, QStringLiteral("0.00")}), "2,68");  // half away from zero at the digit shown
  // Exponents.
  EXPECT_EQ(Texto(kNum, {12345, QStringLiteral("0.00E+00")}), "1,23E+04");
  EXPECT_EQ(Texto(kNum, {12345, QStringLiteral("0.0E-0")}), "1,2E4");
  EXPECT_EQ(Texto(kNum, {0.000123, QStringLiteral("0.00E-00")}), "1,23E-04");
  // Quoted text.
  EXPECT_EQ(Texto(kNum, {1234.5, QStringLiteral("'R$ '#,##0.00")}), "R$ 1.234,50");
  EXPECT_EQ(Texto(kNum, {5, QStringLiteral("\"0#,.;\"0")}), "0#,.;5");
  // Sections for positive, negative and zero values.
  const QString secoes = QStringLiteral("0.00;(0.00);'zero'");
  EXPECT_EQ(Texto(kNum, {5, secoes}), "5,00");
  EXPECT_EQ(Texto(kNum, {-5, secoes}), "(5,00)");
  EXPECT_EQ(Texto(kNum, {0, secoes}), "zero");
  EXPECT_EQ(Texto(kNum, {-1.5, QStringLiteral("0.0;;'Z'")}), "-1,5");
}

TEST(FuncaoFMTNUM, AValueTextIsReadAsTypedAndATextThatIsNoNumberIsTheValueError) {
  EXPECT_EQ(Texto(kNum, {QStringLiteral("1.234,5"), QStringLiteral("0.00")}), "1234,50");
  EXPECT_EQ(Texto(kNum, {QStringLiteral(" -0,5 "), QStringLiteral("0.0")}), "-0,5");
  EXPECT_EQ(Texto(kNum, {QVariant(), QStringLiteral("0.00")}), "0,00");  // an empty cell is 0
  EXPECT_EQ(Texto(kNum, {true, QStringLiteral("0")}), "1");
  EXPECT_EQ(Texto(kNum, {3, 0}), "3");  // a number as the format is its text
  for (const QString &texto : {QStringLiteral("abc"), QString(), QStringLiteral("1,2,3"), QStringLiteral("12 kg")})
    EXPECT_EQ(Erro(kNum, {texto, QStringLiteral("0.00")}), nErroFormulaValor) << texto.toStdString();
  EXPECT_EQ(Erro(kNum, {}), nErroFormulaValor);  // nothing to format
}

// --- FORMATARDATAHORA --------------------------------------------------------

TEST(FuncaoFORMATARDATAHORA, EachSpecifierFamilyOfTheDateTimeFormat) {
  const double momento = Momento();
  struct Caso {
    const char *Formato;
    const char *Texto;
  };
  for (const Caso &c : {
           Caso{"d/m/yy", "2/3/26"},
           Caso{"dd/mm/yyyy", "02/03/2026"},
           Caso{"DD/MM/YYYY", "02/03/2026"},
           Caso{"ddd, dddd", "seg, segunda-feira"},
           Caso{"mmm mmmm", "mar março"},
           Caso{"hh:mm", "14:05"},  // mm after an hour is the minutes
           Caso{"h:n:s", "14:5:9"},
           Caso{"hh:nn:ss.zzz", "14:05:09.007"},
           Caso{"h:nn am/pm", "2:05 pm"},
           Caso{"hh AM/PM", "02 PM"},
           Caso{"'dia' d 'de' mmmm", "dia 2 de março"},
           Caso{"\"hh\" hh", "hh 14"},
       }) {
    EXPECT_EQ(Texto(kData, {momento, QString::fromUtf8(c.Formato)}), c.Texto) << c.Formato;
  }
}

TEST(FuncaoFORMATARDATAHORA, WithoutAFormatTheShortDateAndTheLongTimeUnlessTheValueHasNoTime) {
  EXPECT_EQ(Texto(kData, {Momento()}), "02/03/2026 14:05:09");
  EXPECT_EQ(Texto(kData, {Momento(), QString()}), "02/03/2026 14:05:09");
  EXPECT_EQ(Texto(kData, {46083}), "02/03/2026");
  EXPECT_EQ(Texto(kData, {0}), "30/12/1899");
  EXPECT_EQ(Texto(kData, {-1.25, QStringLiteral("dd/mm/yyyy hh:nn")}), "29/12/1899 06:00");
}

TEST(FuncaoFORMATARDATAHORA, ValueTextsDatesAndTheLimitsOfTheCalendar) {
  EXPECT_EQ(Texto(kData, {QStringLiteral("46083,5"), QStringLiteral("dd/mm hh:nn")}), "02/03 12:00");
  EXPECT_EQ(Texto(kData, {QDate(2026, 12, 31), QStringLiteral("dd/mm/yyyy")}), "31/12/2026");
  EXPECT_EQ(Texto(kData, {QDateTime(QDate(2026, 1, 5), QTime(8, 30)), QStringLiteral("hh:nn")}), "08:30");
  EXPECT_EQ(Texto(kData, {2958465, QStringLiteral("dd/mm/yyyy")}), "31/12/9999");
  EXPECT_EQ(Texto(kData, {-657434, QStringLiteral("dd/mm/yyyy")}), "01/01/0100");
  for (const QVariant &valor :
       {QVariant(2958466), QVariant(-657435), QVariant(1e300), QVariant(std::numeric_limits<double>::quiet_NaN()),
        QVariant(QStringLiteral("ontem")), QVariant(QStringLiteral("02/03/2026"))})
    EXPECT_EQ(Erro(kData, {valor, QStringLiteral("dd/mm/yyyy")}), nErroFormulaValor) << valor.toString().toStdString();
  EXPECT_EQ(Erro(kData, {}), nErroFormulaValor);
}

// --- gerEMP and gerPAG -------------------------------------------------------

namespace {

// A sheet's formula: cell -> spreadsheet control -> `dono`.
struct TnFolha {
  explicit TnFolha(TnComponentePlanilha *dono) : controle(dono) {}
  TnComponentePlanilha controle;
  TnComponentePlanilha celula{&controle};
  TnFormulaPlanilha formula{&celula, QStringLiteral("=gerEMP(2)")};
};

}  // namespace

TEST(FuncoesGerEMPGerPAG, ASheetNoSpreadsheetModuleOwnsGivesTheFallbackTexts) {
  EXPECT_EQ(Texto(kEmp, {12}), "Emp(12)");
  EXPECT_EQ(Texto(kEmp, {12, 1}), "Emp(12)");
  EXPECT_EQ(Texto(kEmp, {2.5}), "Emp(2,5)");
  EXPECT_EQ(Texto(kEmp, {QStringLiteral("Matriz")}), "Emp(Matriz)");
  EXPECT_EQ(Texto(kEmp, {}), "Emp()");
  EXPECT_EQ(Texto(kPag, {}), "Pag()");

  // The chain ending before the data module: no error either.
  TnFolha semDono(nullptr);
  EXPECT_EQ(Texto(kEmp, {12}, &semDono.formula), "Emp(12)");
  EXPECT_EQ(Texto(kPag, {}, &semDono.formula), "Pag()");
  TnFormulaPlanilha solta;
  EXPECT_EQ(Texto(kPag, {}, &solta), "Pag()");
}

TEST(FuncoesGerEMPGerPAG, AnOwnerChainReachingAnotherClassIsTheValueError) {
  TnComponentePlanilha painel;
  TnFolha folha(&painel);
  EXPECT_EQ(Erro(kEmp, {12}, &folha.formula), nErroFormulaValor);
  EXPECT_EQ(Erro(kPag, {}, &folha.formula), nErroFormulaValor);

  TnResultadoFormula resultado(&folha.formula);
  try {
    PegarDM(resultado);
    ADD_FAILURE() << "PegarDM accepted an object of another class";
  } catch (const Exception &e) {
    EXPECT_TRUE(e.message().endsWith(QStringLiteral("PegarDM"))) << e.message().toStdString();
  }
}

class FuncoesGerEMPGerPAGModulo : public TnBancoTeste {};

TEST_F(FuncoesGerEMPGerPAGModulo, TheSheetsDataModuleComputesTheTextsAndItsRefusalIsTheValueError) {
  TnDMPlanilha modulo;
  TnFolha folha(&modulo);
  EXPECT_EQ(PegarDM(TnResultadoFormula(&folha.formula)), &modulo);
  EXPECT_EQ(Texto(kEmp, {2, 1}, &folha.formula), "2 - Padaria Pão Quente Ltda");
  modulo.SetCodigoEmpresa(3);
  EXPECT_EQ(Texto(kEmp, {}, &folha.formula), "Tecidos Fio de Ouro Ltda");
  modulo.SetPagina(2, 5);
  EXPECT_EQ(Texto(kPag, {}, &folha.formula), "Página 2 de 5");

  EXPECT_EQ(Erro(kEmp, {9}, &folha.formula), nErroFormulaValor);  // not registered
  EXPECT_EQ(Erro(kEmp, {QStringLiteral("abc")}, &folha.formula), nErroFormulaValor);
}
