#include <QDate>
#include <QDateTime>
#include <memory>
#include <utility>

#include "mVoxDPGerarProtocolo_U.h"
#include "mVoxMontarDescricao_U.h"
#include "mVoxPkTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDialogosTeste_U.h"
#include "nEditorCampo_U.h"
#include "nException_U.h"
#include "nMapperFinBoleto_U.h"
#include "nMapperFinNotaFiscal_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"

namespace {

// The debit tables as the generation's query returns them: the union table
// has no observation, the payroll table adds the employee.
enum class TnTabela { Federal, Sindical, Folha };

// One row of the debit query, in the query's column order.
std::unique_ptr<TnClientDataSet> ConsultaDebitos(TnTabela tabela) {
  auto dados = std::make_unique<TnClientDataSet>();
  const bool folha = tabela == TnTabela::Folha;
  // The payroll statement gives the tax columns as untyped nulls.
  const TnFieldType tipoImposto = folha ? TnFieldType::String : TnFieldType::Integer;
  dados->AddFieldDef(QStringLiteral("CODIGOEMPRESA"), TnFieldType::SmallInt);
  dados->AddFieldDef(QStringLiteral("CHAVEDEBITO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("CODIGOESTAB"), TnFieldType::SmallInt);
  dados->AddFieldDef(QStringLiteral("CODIGOIMPOSTO"), tipoImposto, folha ? 10 : 0);
  dados->AddFieldDef(QStringLiteral("VARIACAOIMPOSTO"), tipoImposto, folha ? 10 : 0);
  dados->AddFieldDef(QStringLiteral("DATALCTOCTR"), TnFieldType::Date);
  dados->AddFieldDef(QStringLiteral("DATAFINAL"), TnFieldType::Date);
  dados->AddFieldDef(QStringLiteral("VALORDEBITO"), TnFieldType::FMTBcd, 0, false, 18, 2);
  dados->AddFieldDef(QStringLiteral("DATAVENCIMENTO"), TnFieldType::Date);
  dados->AddFieldDef(QStringLiteral("FORMADEBITO"), tipoImposto, folha ? 10 : 0);
  dados->AddFieldDef(QStringLiteral("SITUACAODEBITO"), TnFieldType::SmallInt);
  dados->AddFieldDef(QStringLiteral("CODIGOTABCTBCTR"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("CHAVEORIGEM"), TnFieldType::String, 50);
  dados->AddFieldDef(QStringLiteral("CODIGOUSUARIO"), TnFieldType::SmallInt);
  dados->AddFieldDef(QStringLiteral("DATAHORADEBITO"), TnFieldType::DateTime);
  dados->AddFieldDef(QStringLiteral("CODIGOPROTOCOLO"), TnFieldType::LargeInt);
  dados->AddFieldDef(QStringLiteral("DESCRIMPOSTO"), TnFieldType::String, 100);
  dados->AddFieldDef(QStringLiteral("DESCRPROTOCOLO"), TnFieldType::String, 100);
  if (tabela != TnTabela::Sindical) dados->AddFieldDef(QStringLiteral("OBSERVDEBITO"), TnFieldType::String, 100);
  if (folha) {
    dados->AddFieldDef(QStringLiteral("CodigoFuncContr"), TnFieldType::Integer);
    dados->AddFieldDef(QStringLiteral("NOMEFUNC"), TnFieldType::String, 100);
  }
  dados->CreateDataSet();

  dados->Append();
  auto set = [&](const char *campo, const QVariant &valor) {
    dados->FieldByName(QString::fromLatin1(campo))->SetValue(valor);
  };
  set("CODIGOEMPRESA", 2);
  set("CHAVEDEBITO", 42);
  set("CODIGOESTAB", 3);
  set("DATALCTOCTR", QDate(2026, 3, 10));
  set("DATAFINAL", folha ? QDate(2026, 3, 10) : QDate(2026, 3, 31));
  set("VALORDEBITO", QStringLiteral("1234.50"));
  set("DATAVENCIMENTO", QDate(2026, 4, 20));
  set("SITUACAODEBITO", 0);
  set("CODIGOTABCTBCTR", 2201);
  set("CHAVEORIGEM", QStringLiteral("CTR"));
  set("CODIGOUSUARIO", 5);
  set("DATAHORADEBITO", QDateTime(QDate(2026, 3, 10), QTime(14, 5, 7)));
  if (!folha) {
    set("CODIGOIMPOSTO", 10);
    set("VARIACAOIMPOSTO", 1);
    set("FORMADEBITO", 2);
    set("DESCRIMPOSTO", QStringLiteral("ICMS - Substituição Tributária"));
    set("DESCRPROTOCOLO", QStringLiteral("ICMS-ST"));
  }
  if (tabela == TnTabela::Federal) set("OBSERVDEBITO", QStringLiteral("Farinha de trigo"));
  if (folha) {
    set("OBSERVDEBITO", QStringLiteral("Salário líquido"));
    set("CodigoFuncContr", 7);
    set("NOMEFUNC", QStringLiteral("Ana Paula Nogueira"));
  }
  dados->Post();
  return dados;
}

// Changes one column of the current row.
void Alterar(TnClientDataSet &dados, const char *campo, const QVariant &valor) {
  dados.Edit();
  dados.FieldByName(QString::fromLatin1(campo))->SetValue(valor);
  dados.Post();
}

QString Montar(const QString &mascara, const TnClientDataSet &dados) { return mVoxMontarDescricaoCTR(mascara, dados); }

QString FalhaDe(const QString &mascara, const TnClientDataSet &dados) {
  try {
    mVoxMontarDescricaoCTR(mascara, dados);
  } catch (const Exception &e) {
    return e.message();
  }
  return {};
}

// --- Tokens and their forms ----------------------------------------------------

// A token read from the wrong place of the query, or in the wrong form,
// shows another value in every protocol of the type.
TEST(MontarDescricaoCTR, EachTokenTakesItsQueryColumnInItsForm) {
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  const QList<std::pair<QString, QString>> esperados = {
      {QStringLiteral("[CODIGOEMPRESA]"), QStringLiteral("0002")},
      {QStringLiteral("[CHAVEDEBITO]"), QStringLiteral("000042")},
      {QStringLiteral("[CODIGOESTAB]"), QStringLiteral("0003")},
      {QStringLiteral("[CODIGOIMPOSTO]"), QStringLiteral("10")},
      {QStringLiteral("[VARIACAOIMPOSTO]"), QStringLiteral("1")},
      {QStringLiteral("[DATALCTOCTR]"), QStringLiteral("10/03/2026")},
      {QStringLiteral("[DATAFINAL]"), QStringLiteral("31/03/2026")},
      {QStringLiteral("[COMPETENCIA]"), QStringLiteral("03/2026")},
      {QStringLiteral("[VALORDEBITO]"), QStringLiteral("1234,5")},
      {QStringLiteral("[DATAVENCIMENTO]"), QStringLiteral("20/04/2026")},
      {QStringLiteral("[FORMADEBITO]"), QStringLiteral("2")},
      {QStringLiteral("[SITUACAODEBITO]"), QStringLiteral("0")},
      {QStringLiteral("[CODIGOTABCTBCTR]"), QStringLiteral("2201")},
      {QStringLiteral("[CHAVEORIGEM]"), QStringLiteral("CTR")},
      {QStringLiteral("[CODIGOUSUARIO]"), QStringLiteral("5")},
      {QStringLiteral("[DATAHORADEBITO]"), QStringLiteral("10/03/2026 14:05:07")},
      {QStringLiteral("[DESCRIMPOSTO]"), QStringLiteral("ICMS - Substituição Tributária")},
      {QStringLiteral("[DESCRPROTOCOLO]"), QStringLiteral("ICMS-ST")},
      {QStringLiteral("[OBSERVDEBITO]"), QStringLiteral("Farinha de trigo")},
  };
  for (const auto &[token, valor] : esperados)
    EXPECT_EQ(Montar(QStringLiteral("<") + token + QStringLiteral(">"), *federal), QStringLiteral("<%1>").arg(valor))
        << token.toStdString();

  // Codes longer than their padding keep every digit.
  Alterar(*federal, "CODIGOEMPRESA", 12345);
  Alterar(*federal, "CHAVEDEBITO", 1234567);
  EXPECT_EQ(Montar(QStringLiteral("[CODIGOEMPRESA]/[CHAVEDEBITO]"), *federal), QStringLiteral("12345/1234567"));
}

TEST(MontarDescricaoCTR, TokensMatchInAnyCaseAndEveryOccurrenceIsFilled) {
  const auto folha = ConsultaDebitos(TnTabela::Folha);
  EXPECT_EQ(Montar(QStringLiteral("[nomefunc] ([codigofunccontr]) [NomeFunc] [CODIGOFUNCCONTR]/[Competencia]"), *folha),
            QStringLiteral("Ana Paula Nogueira (0007) Ana Paula Nogueira 0007/03/2026"));
}

// The tokens are filled one after the other over the whole current text:
// what an earlier token put in is searched by the later ones, never by the
// earlier ones.
TEST(MontarDescricaoCTR, ValuePutInByAnEarlierTokenIsFilledOnlyByLaterOnes) {
  const auto folha = ConsultaDebitos(TnTabela::Folha);
  Alterar(*folha, "OBSERVDEBITO", QStringLiteral("pago a [nomefunc] em [CODIGOEMPRESA]"));
  EXPECT_EQ(Montar(QStringLiteral("[OBSERVDEBITO]"), *folha),
            QStringLiteral("pago a Ana Paula Nogueira em [CODIGOEMPRESA]"));

  const auto federal = ConsultaDebitos(TnTabela::Federal);
  Alterar(*federal, "DESCRIMPOSTO", QStringLiteral("ICMS [ObservDebito]"));
  EXPECT_EQ(Montar(QStringLiteral("[DESCRIMPOSTO]"), *federal), QStringLiteral("ICMS Farinha de trigo"));
}

// A filler is built once per listing: every row is described from its own
// values, and a value that brings a token in is filled there too, even when
// the template itself does not hold that token.
TEST(MontarDescricaoCTR, FillerBuiltOnceDescribesEachRowInTurn) {
  const auto folha = ConsultaDebitos(TnTabela::Folha);
  const auto montador = mVoxMontadorCTR(QStringLiteral("[OBSERVDEBITO] - [CodigoFuncContr]"), *folha);
  EXPECT_EQ(montador->Montar(), QStringLiteral("Salário líquido - 0007"));
  Alterar(*folha, "CodigoFuncContr", 12);
  Alterar(*folha, "OBSERVDEBITO", QStringLiteral("Férias de [NOMEFUNC]"));
  EXPECT_EQ(montador->Montar(), QStringLiteral("Férias de Ana Paula Nogueira - 0012"));
  Alterar(*folha, "OBSERVDEBITO", QStringLiteral("Adiantamento"));
  EXPECT_EQ(montador->Montar(), QStringLiteral("Adiantamento - 0012"));
}

TEST(MontarDescricaoCTR, TextThatIsNoTokenOfTheDebitsStaysAsTyped) {
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  // The forecasts are offered by the template editor but no query gives them.
  EXPECT_EQ(
      Montar(QStringLiteral("[PREVVALORJUROS] [PREVVALORMULTA] [DATAPREV] [DATARESC] [CODIGOEMPRESA [ ] ["
                            "CODIGOESTAB ]x"),
             *federal),
      QStringLiteral("[PREVVALORJUROS] [PREVVALORMULTA] [DATAPREV] [DATARESC] [CODIGOEMPRESA [ ] [CODIGOESTAB ]x"));

  // Brackets around a token, or a bracket opened before it, leave the token
  // itself to be filled.
  EXPECT_EQ(Montar(QStringLiteral("[[CODIGOESTAB]] [x [Codigoempresa]] ]["), *federal),
            QStringLiteral("[0003] [x 0002] ]["));
}

TEST(MontarDescricaoCTR, TokenOfAColumnTheRowLacksStaysInTheText) {
  const auto sindical = ConsultaDebitos(TnTabela::Sindical);
  EXPECT_EQ(Montar(QStringLiteral("[CODIGOEMPRESA] [OBSERVDEBITO] [CodigoFuncContr] [NOMEFUNC]"), *sindical),
            QStringLiteral("0002 [OBSERVDEBITO] [CodigoFuncContr] [NOMEFUNC]"));
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  EXPECT_EQ(Montar(QStringLiteral("[OBSERVDEBITO] [CodigoFuncContr] [NOMEFUNC]"), *federal),
            QStringLiteral("Farinha de trigo [CodigoFuncContr] [NOMEFUNC]"));
}

// A payroll debit has no tax: its tax tokens vanish, its period is its
// launch date, and the employee comes padded.
TEST(MontarDescricaoCTR, PayrollDebitFillsTheEmployeeAndEmptiesTheTaxTokens) {
  const auto folha = ConsultaDebitos(TnTabela::Folha);
  EXPECT_EQ(Montar(QStringLiteral("Folha [CodigoFuncContr] - [NOMEFUNC] [COMPETENCIA] [DATAFINAL] "
                                  "{[CODIGOIMPOSTO][VARIACAOIMPOSTO][FORMADEBITO][DESCRIMPOSTO][DESCRPROTOCOLO]} "
                                  "[OBSERVDEBITO]"),
                   *folha),
            QStringLiteral("Folha 0007 - Ana Paula Nogueira 03/2026 10/03/2026 {} Salário líquido"));
}

// A missing period must not become the zero date ("12/1899"); a missing
// number is zero, padded like any other.
TEST(MontarDescricaoCTR, NullDatesAndTextsWriteNothingAndNullNumbersWriteZeros) {
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  Alterar(*federal, "DATAFINAL", QVariant());
  Alterar(*federal, "OBSERVDEBITO", QVariant());
  Alterar(*federal, "CHAVEDEBITO", QVariant());
  Alterar(*federal, "CODIGOESTAB", QVariant());
  EXPECT_EQ(Montar(QStringLiteral("<[COMPETENCIA]|[DATAFINAL]|[OBSERVDEBITO]|[CHAVEDEBITO]|[CODIGOESTAB]>"), *federal),
            QStringLiteral("<|||000000|0000>"));
  // A payroll debit whose employee code is missing still names the
  // employee line.
  const auto folha = ConsultaDebitos(TnTabela::Folha);
  Alterar(*folha, "CodigoFuncContr", QVariant());
  EXPECT_EQ(Montar(QString(), *folha), QStringLiteral("0000 - Ana Paula Nogueira"));
}

// --- Empty result and length -----------------------------------------------------

TEST(MontarDescricaoCTR, EmptyResultFallsBackToTaxThenEmployeeThenCompany) {
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  // No template row for the type.
  EXPECT_EQ(Montar(QString(), *federal), QStringLiteral("ICMS - Substituição Tributária"));
  // A template whose only token came out empty counts as empty too.
  Alterar(*federal, "OBSERVDEBITO", QVariant());
  EXPECT_EQ(Montar(QStringLiteral("[OBSERVDEBITO]"), *federal), QStringLiteral("ICMS - Substituição Tributária"));
  // A tax without a description: the company, unpadded.
  Alterar(*federal, "DESCRIMPOSTO", QString());
  EXPECT_EQ(Montar(QString(), *federal), QStringLiteral("Sem descrição para o débito 2"));

  const auto folha = ConsultaDebitos(TnTabela::Folha);
  EXPECT_EQ(Montar(QString(), *folha), QStringLiteral("0007 - Ana Paula Nogueira"));

  // Only a text with no characters at all is empty: blanks are kept.
  EXPECT_EQ(Montar(QStringLiteral("   "), *folha), QStringLiteral("   "));
}

TEST(MontarDescricaoCTR, DescriptionIsCutToItsFirst100Characters) {
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  const QString longa = QString(95, QLatin1Char('x')) + QStringLiteral(" [CODIGOEMPRESA]");
  EXPECT_EQ(Montar(longa, *federal), QString(95, QLatin1Char('x')) + QStringLiteral(" 0002"));
  const QString maior = QString(97, QLatin1Char('x')) + QStringLiteral(" [CHAVEDEBITO]");
  EXPECT_EQ(Montar(maior, *federal), QString(97, QLatin1Char('x')) + QStringLiteral(" 00"));
  // Columns as long as the tables allow still give at most 100.
  Alterar(*federal, "DESCRIMPOSTO", QString(100, QLatin1Char('i')));
  Alterar(*federal, "OBSERVDEBITO", QString(100, QLatin1Char('o')));
  EXPECT_EQ(Montar(QStringLiteral("[DESCRIMPOSTO][OBSERVDEBITO]"), *federal), QString(100, QLatin1Char('i')));
}

// --- Failures ------------------------------------------------------------------

TEST(MontarDescricaoCTR, RowOfAnotherShapeFailsAsADescriptionProblem) {
  const QString prefixo = QStringLiteral("Problemas ao montar a descrição!\r\n");

  // A query that lost its last columns fails whatever the template names.
  TnClientDataSet curta;
  curta.AddFieldDef(QStringLiteral("CODIGOEMPRESA"), TnFieldType::SmallInt);
  curta.AddFieldDef(QStringLiteral("CHAVEDEBITO"), TnFieldType::Integer);
  curta.CreateDataSet();
  curta.Append();
  curta.FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetValue(1);
  curta.Post();
  EXPECT_EQ(FalhaDe(QStringLiteral("[CODIGOEMPRESA]"), curta),
            prefixo + QStringLiteral("A consulta dos débitos não tem a coluna CODIGOESTAB na posição 2."));

  // A query whose columns changed places: values would go to the wrong
  // tokens without the check.
  TnClientDataSet trocada;
  const auto federal = ConsultaDebitos(TnTabela::Federal);
  for (int i = 0; i < federal->FieldCount(); ++i) {
    const TnField *c = federal->Fields(i == 5 ? 6 : i == 6 ? 5 : i);
    trocada.AddFieldDef(c->FieldName(), c->DataType(), c->Size(), false, c->Precision(), c->Scale());
  }
  trocada.CreateDataSet();
  EXPECT_EQ(FalhaDe(QStringLiteral("x"), trocada),
            prefixo + QStringLiteral("A consulta dos débitos não tem a coluna DATALCTOCTR na posição 5."));
}

TEST(MontarDescricaoCTR, ValueThatIsNoNumberOrNoDateFailsWithTheCauseWhenItsTokenIsUsed) {
  // Columns typed as text by the engine still read when they hold digits
  // and dates; anything else stops the description with the reason, once
  // the template uses the token: a value no token asks for is not read.
  const auto base = ConsultaDebitos(TnTabela::Federal);
  TnClientDataSet texto;
  for (int i = 0; i < base->FieldCount(); ++i)
    texto.AddFieldDef(base->Fields(i)->FieldName(), TnFieldType::String, 100);
  texto.CreateDataSet();
  texto.Append();
  for (int i = 0; i < base->FieldCount(); ++i) texto.Fields(i)->SetAsString(base->Fields(i)->AsString());
  texto.Post();
  EXPECT_EQ(Montar(QStringLiteral("[CODIGOEMPRESA] [COMPETENCIA]"), texto), QStringLiteral("0002 03/2026"));

  Alterar(texto, "CODIGOEMPRESA", QStringLiteral("dois"));
  EXPECT_EQ(Montar(QStringLiteral("x [COMPETENCIA]"), texto), QStringLiteral("x 03/2026"));
  const QString semNumero = FalhaDe(QStringLiteral("x [codigoempresa]"), texto);
  EXPECT_TRUE(semNumero.startsWith(QStringLiteral("Problemas ao montar a descrição!\r\n"))) << semNumero.toStdString();
  EXPECT_TRUE(semNumero.contains(QStringLiteral("dois"))) << semNumero.toStdString();

  Alterar(texto, "CODIGOEMPRESA", QStringLiteral("2"));
  Alterar(texto, "DATAFINAL", QStringLiteral("fim do mês"));
  EXPECT_EQ(Montar(QStringLiteral("[CODIGOEMPRESA] [DATAFINAL]"), texto), QStringLiteral("0002 fim do mês"));
  const QString semData = FalhaDe(QStringLiteral("[COMPETENCIA]"), texto);
  EXPECT_TRUE(semData.startsWith(QStringLiteral("Problemas ao montar a descrição!\r\n"))) << semData.toStdString();
  EXPECT_TRUE(semData.contains(QStringLiteral("fim do mês"))) << semData.toStdString();
}

// --- The filler's options for the other families ----------------------------------

// Payroll keeps a template of blanks; the financial family replaces it; and
// neither cuts its descriptions.
TEST(MontarDescricao, EmptyCriterionAndCutAreTheFamilysChoice) {
  auto montar = [](const QString &mascara, TmVoxMontarDescricao::TnVazio criterio) {
    TmVoxMontarDescricao m(mascara);
    m.Adicionar(QStringLiteral("[NOMEFUNC]"), [] { return QString(); });
    m.SetRegraVazio(criterio, [] { return QStringLiteral("Geração automática"); });
    return m.Montar();
  };
  using V = TmVoxMontarDescricao::TnVazio;
  EXPECT_EQ(montar(QStringLiteral("  "), V::SemCaracteres), QStringLiteral("  "));
  EXPECT_EQ(montar(QStringLiteral(" [NOMEFUNC] "), V::SoEspacos), QStringLiteral("Geração automática"));
  EXPECT_EQ(montar(QStringLiteral("Folha [NOMEFUNC]"), V::SoEspacos), QStringLiteral("Folha "));
  const QString longa(150, QLatin1Char('x'));
  EXPECT_EQ(montar(longa, V::SemCaracteres), longa);
}

// Without the description wrapper a family's failure reaches the caller as
// it was raised.
TEST(MontarDescricao, FailureIsWrappedOnlyWhenTheFamilyAsks) {
  TmVoxMontarDescricao m(QStringLiteral("[X]"));
  m.Adicionar(QStringLiteral("[X]"), []() -> QString { throw Exception(QStringLiteral("sem valor")); });
  try {
    m.Montar();
    ADD_FAILURE() << "não falhou";
  } catch (const Exception &e) {
    EXPECT_EQ(e.message(), QStringLiteral("sem valor"));
  }
  m.SetFalhaDeDescricao(true);
  try {
    m.Montar();
    ADD_FAILURE() << "não falhou";
  } catch (const Exception &e) {
    EXPECT_EQ(e.message(), QStringLiteral("Problemas ao montar a descrição!\r\nsem valor"));
  }
}

// --- The debit query as the database gives it ----------------------------------

// The tokens the template editor offers for a protocol type, as its picker
// lists them ("Label [TOKEN]" gives "[TOKEN]"); empty when it offers none.
QStringList TokensDoEditor(TnDMClientDataSet &cfg, TnDialogosTeste &dialogos, int tipo) {
  if (!cfg.nClientDataSet->Locate(QStringLiteral("CODIGOTIPOPROTOCOLO"), tipo)) return {};
  dialogos->Cancelar();
  cfg.EdFindFieldControl(QStringLiteral("DESCRTIPOPROTOCOLO"))->ClicarBotao();
  if (dialogos->Perguntas().isEmpty()) return {};
  QStringList tokens;
  for (const QString &linha : dialogos->Perguntas().last().Opcoes) tokens << linha.mid(linha.indexOf(u'['));
  return tokens;
}

// The engines type the query's columns differently (SQLite has no date type
// and leaves expression columns untyped); the descriptions must not differ.
class MontarDescricaoConsultaTeste : public TmVoxCadastroTeste {
 protected:
  static QString Colunas(const QString &chave) {
    return QStringLiteral(
               "select D.CODIGOEMPRESA ,D.CHAVEDEBITO%1 CHAVEDEBITO ,D.CODIGOESTAB ,D.CODIGOIMPOSTO "
               ",D.VARIACAOIMPOSTO ,D.DATALCTOCTR ,D.DATAFINAL ,D.VALORDEBITO ,D.DATAVENCIMENTO ,D.FORMADEBITO "
               ",D.SITUACAODEBITO ,D.CODIGOTABCTBCTR ,D.CHAVEORIGEM ,D.CODIGOUSUARIO ,D.DATAHORADEBITO "
               ",D.CODIGOPROTOCOLO ,I.DESCRIMPOSTO ,I.DESCRPROTOCOLO ")
        .arg(chave);
  }
  static QString Imposto(const QString &tabela) {
    return QStringLiteral(
               " from %1 D join IMPOSTO I on D.CODIGOIMPOSTO = I.CODIGOIMPOSTO and D.VARIACAOIMPOSTO = "
               "I.VARIACAOIMPOSTO where D.CODIGOEMPRESA = :pCodigoEmpresa and D.CHAVEDEBITO%2 = :pChave")
        .arg(tabela, tabela == QLatin1String("DEBITOSINDICAL") ? QStringLiteral("SIND") : QStringLiteral("FED"));
  }
  // Payroll debit (2, 3) as the generation reads it: the tax columns are
  // bare nulls and the observation comes once more at the end.
  static std::unique_ptr<TnClientDataSet> Folha() {
    return ExecutarSQL(
        QStringLiteral("select D.CODIGOEMPRESA ,D.CHAVEDEBITOFOLHA CHAVEDEBITO ,D.CODIGOESTAB ,null as "
                       "CODIGOIMPOSTO ,null as VARIACAOIMPOSTO ,D.DATALCTOCTR ,D.DATALCTOCTR as DATAFINAL "
                       ",D.VALORDEBITO ,D.DATAVENCIMENTO ,null as FORMADEBITO ,D.SITUACAODEBITO "
                       ",D.CODIGOTABCTBCTR ,D.CHAVEORIGEM ,D.CODIGOUSUARIO ,D.DATAHORADEBITO "
                       ",D.CODIGOPROTOCOLO ,null as DESCRIMPOSTO ,null as DESCRPROTOCOLO ,D.OBSERVDEBITO "
                       ",D.CodigoFuncContr ,F.NOMEFUNC , D.OBSERVDEBITO from DEBITOFOLHA D JOIN FUNCIONARIO F "
                       "ON F.CODIGOEMPRESA = D.CODIGOEMPRESA AND F.CodigoFuncContr = D.CodigoFuncContr "
                       "where D.CODIGOEMPRESA = :pCodigoEmpresa and D.CHAVEDEBITOFOLHA = :pChave"),
        {2, 3});
  }
};

TEST_F(MontarDescricaoConsultaTeste, DebitRowReadFromTheDatabaseFillsTheSameOnEveryEngine) {
  auto federal = ExecutarSQL(
      Colunas(QStringLiteral("FED")) + QStringLiteral(", D.OBSERVDEBITO") + Imposto(QStringLiteral("DEBITOFEDERAL")),
      {1, 1});
  ASSERT_EQ(federal->RecordCount(), 1);
  EXPECT_EQ(Montar(QStringLiteral("[CODIGOEMPRESA]-[CHAVEDEBITO]-[CODIGOESTAB] [DESCRPROTOCOLO] [COMPETENCIA] "
                                  "[VALORDEBITO] [DATAVENCIMENTO] [OBSERVDEBITO]"),
                   *federal),
            QStringLiteral("0001-000001-0001 IRPJ - Estimativa Mensal 11/2026 1250 31/12/2026 Lucro presumido"));
  EXPECT_EQ(Montar(QStringLiteral("[DATALCTOCTR] [DATAFINAL] [DATAHORADEBITO] [CODIGOIMPOSTO]/[VARIACAOIMPOSTO] "
                                  "[FORMADEBITO] [CHAVEORIGEM] [CODIGOUSUARIO]"),
                   *federal),
            QStringLiteral("10/11/2026 30/11/2026 10/11/2026 09:30:00 1/0 0 CTR 2"));

  auto sindical = ExecutarSQL(Colunas(QStringLiteral("SIND")) + Imposto(QStringLiteral("DEBITOSINDICAL")), {2, 1});
  ASSERT_EQ(sindical->RecordCount(), 1);
  EXPECT_EQ(Montar(QStringLiteral("[DESCRPROTOCOLO] [VALORDEBITO] [OBSERVDEBITO]"), *sindical),
            QStringLiteral("Contribuição Sindical 95 [OBSERVDEBITO]"));
}

TEST_F(MontarDescricaoConsultaTeste, PayrollDebitRowWithUntypedNullColumnsFillsTheEmployee) {
  auto folha = Folha();
  ASSERT_EQ(folha->RecordCount(), 1);
  EXPECT_EQ(Montar(QString(), *folha), QStringLiteral("0003 - Carlos Eduardo Lima"));
  EXPECT_EQ(Montar(QStringLiteral("[COMPETENCIA] [CodigoFuncContr] [NOMEFUNC] {[CODIGOIMPOSTO][DESCRPROTOCOLO]} "
                                  "[VALORDEBITO] [OBSERVDEBITO]|"),
                   *folha),
            QStringLiteral("11/2026 0003 Carlos Eduardo Lima {} 2071,92 |"));
}

// The template editor and the filler must agree on the names: a token the
// editor offers and no debit fills would reach every protocol as typed. Only
// the interest and fine forecasts are offered without a value.
TEST_F(MontarDescricaoConsultaTeste, EveryDebitTokenTheEditorOffersIsFilledButTheForecasts) {
  const QStringList previsoes = {QStringLiteral("[PREVVALORJUROS]"), QStringLiteral("[PREVVALORMULTA]"),
                                 QStringLiteral("[DATAPREV]")};
  auto federal = ExecutarSQL(
      Colunas(QStringLiteral("FED")) + QStringLiteral(", D.OBSERVDEBITO") + Imposto(QStringLiteral("DEBITOFEDERAL")),
      {1, 1});
  auto folha = Folha();
  auto *cfg = Criar(QStringLiteral("TmVoxDMCfgTipoProtocolo"));
  ASSERT_NE(cfg, nullptr);
  TnDialogosTeste dialogos;
  for (const auto &[tipo, dados] : {std::pair{1, federal.get()}, std::pair{10, folha.get()}}) {
    const QStringList tokens = TokensDoEditor(*cfg, dialogos, tipo);
    ASSERT_FALSE(tokens.isEmpty());
    for (const QString &token : tokens) {
      const QString preenchido = Montar(QStringLiteral("<") + token + QStringLiteral(">"), *dados);
      if (previsoes.contains(token))
        EXPECT_EQ(preenchido, QStringLiteral("<") + token + QStringLiteral(">"));
      else
        EXPECT_FALSE(preenchido.contains(token)) << tipo << " " << token.toStdString();
    }
  }
}

}  // namespace

// --- Payroll -------------------------------------------------------------------

namespace {

QString MontarFPA(const QString &mascara, int tipo, int tipoFolha, const TnClientDataSet &dados) {
  return mVoxMontarDescricaoFPA(mascara, tipo, tipoFolha, dados);
}

// One row of the pay statement: totalised (QUANTIDADE, no employee) or per
// employee (the employee, no QUANTIDADE).
std::unique_ptr<TnClientDataSet> ConsultaFolha(bool totalizada) {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
  if (totalizada) dados->AddFieldDef(QStringLiteral("QUANTIDADE"), TnFieldType::LargeInt);
  if (!totalizada) dados->AddFieldDef(QStringLiteral("CODIGOFUNCCONTR"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("DATAPGTO"), TnFieldType::Date);
  dados->AddFieldDef(QStringLiteral("CODIGOPERCALCULO"), TnFieldType::Integer);
  if (!totalizada) dados->AddFieldDef(QStringLiteral("NOMEFUNC"), TnFieldType::String, 100);
  dados->AddFieldDef(QStringLiteral("CODIGOPROTOCOLO"), TnFieldType::LargeInt);
  dados->CreateDataSet();
  dados->Append();
  dados->FieldByName(QStringLiteral("VALOR"))->SetValue(QStringLiteral("1234.50"));
  dados->FieldByName(QStringLiteral("DATAPGTO"))->SetValue(QDate(2026, 12, 7));
  dados->FieldByName(QStringLiteral("CODIGOPERCALCULO"))->SetValue(11);
  if (totalizada) {
    dados->FieldByName(QStringLiteral("QUANTIDADE"))->SetValue(3);
  } else {
    dados->FieldByName(QStringLiteral("CODIGOFUNCCONTR"))->SetValue(7);
    dados->FieldByName(QStringLiteral("NOMEFUNC"))->SetValue(QStringLiteral("Ana Paula Nogueira"));
  }
  dados->Post();
  return dados;
}

}  // namespace

// Totalised pay names no employee; pay per employee counts nobody.
TEST(MontarDescricaoFPA, PayFillsTheCountWhenTotalisedAndTheEmployeeWhenPerEmployee) {
  const auto total = ConsultaFolha(true);
  EXPECT_EQ(MontarFPA(QStringLiteral("Folha [QUANTIDADE]"), 6, 1, *total), QStringLiteral("Folha Qtde 0003"));
  EXPECT_EQ(MontarFPA(QStringLiteral("Folha [QUANTIDADE]<[CodigoFuncContr][NOMEFUNC]>"), 6, 1, *total),
            QStringLiteral("Folha Qtde 0003<>"));
  const auto funcionario = ConsultaFolha(false);
  EXPECT_EQ(MontarFPA(QStringLiteral("Folha [QUANTIDADE]"), 6, 2, *funcionario), QStringLiteral("Folha "));
  EXPECT_EQ(MontarFPA(QStringLiteral("[CodigoFuncContr] - [nomefunc] ([NomeFunc])"), 6, 2, *funcionario),
            QStringLiteral("0007 - Ana Paula Nogueira (Ana Paula Nogueira)"));
  // A listing mode other than "Totalizar" reads the row per employee.
  EXPECT_EQ(MontarFPA(QStringLiteral("[CodigoFuncContr]"), 6, 3, *funcionario), QStringLiteral("0007"));
  // Tokens of the other payroll types stay as typed.
  EXPECT_EQ(MontarFPA(QStringLiteral("[DATARESC] [VALOR] [DATAPGTO]"), 6, 2, *funcionario),
            QStringLiteral("[DATARESC] [VALOR] [DATAPGTO]"));
}

TEST(MontarDescricaoFPA, EmptyTemplateGivesGeracaoAutomaticaAndBlanksAreKept) {
  const auto total = ConsultaFolha(true);
  const auto funcionario = ConsultaFolha(false);
  EXPECT_EQ(MontarFPA(QString(), 6, 1, *total), QStringLiteral("Geração automática"));
  // The only token came out empty: the result is empty too.
  EXPECT_EQ(MontarFPA(QStringLiteral("[NOMEFUNC]"), 6, 1, *total), QStringLiteral("Geração automática"));
  EXPECT_EQ(MontarFPA(QStringLiteral("   "), 6, 2, *funcionario), QStringLiteral("   "));
  // A type that is no payroll fills nothing.
  EXPECT_EQ(MontarFPA(QStringLiteral("[NOMEFUNC]"), 1, 2, *funcionario), QStringLiteral("[NOMEFUNC]"));
  EXPECT_EQ(MontarFPA(QString(), 11, 2, *funcionario), QStringLiteral("Geração automática"));
}

TEST(MontarDescricaoFPA, NullCountWritesZerosAndAValueHoldingItsOwnTokenEnds) {
  const auto total = ConsultaFolha(true);
  Alterar(*total, "QUANTIDADE", QVariant());
  EXPECT_EQ(MontarFPA(QStringLiteral("Folha [QUANTIDADE]"), 6, 1, *total), QStringLiteral("Folha Qtde 0000"));
  const auto funcionario = ConsultaFolha(false);
  Alterar(*funcionario, "NOMEFUNC", QStringLiteral("[NOMEFUNC] e [nomefunc]"));
  EXPECT_EQ(MontarFPA(QStringLiteral("[NOMEFUNC]!"), 6, 2, *funcionario), QStringLiteral("[NOMEFUNC] e [nomefunc]!"));
}

// The filler gives the whole text; what the item keeps is the process's
// business.
TEST(MontarDescricaoFPA, LongDescriptionsAreNotCut) {
  const auto funcionario = ConsultaFolha(false);
  Alterar(*funcionario, "NOMEFUNC", QString(100, QChar(u'é')));
  const QString descricao = MontarFPA(QStringLiteral("[NOMEFUNC][NOMEFUNC][NOMEFUNC]"), 6, 2, *funcionario);
  EXPECT_EQ(descricao, QString(300, QChar(u'é')));
  EXPECT_EQ(TmVoxMontarDescricao::Cortar(descricao, 200), QString(200, QChar(u'é')));
  // A character outside the basic plane is kept whole or left out whole.
  const QString emoji = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600");
  EXPECT_EQ(TmVoxMontarDescricao::Cortar(emoji, 3), QStringLiteral("ab"));
  EXPECT_EQ(TmVoxMontarDescricao::Cortar(emoji, 4), emoji);
}

// A row of another statement is refused on the first item, whatever the
// template says.
TEST(MontarDescricaoFPA, RowWithoutTheColumnsOfItsTypeFails) {
  const auto falha = [](int tipo, int tipoFolha, const TnClientDataSet &dados) {
    try {
      MontarFPA(QStringLiteral("x"), tipo, tipoFolha, dados);
    } catch (const Exception &e) {
      return e.message();
    }
    return QString();
  };
  EXPECT_EQ(falha(6, 1, *ConsultaFolha(false)), QStringLiteral("Campo 'QUANTIDADE' não encontrado."));
  EXPECT_EQ(falha(7, 1, *ConsultaFolha(true)), QStringLiteral("Campo 'CodigoFuncContr' não encontrado."));
}

// --- Payroll rows as the database gives them ---------------------------------

class MontarDescricaoFolhaTeste : public TmVoxCadastroTeste {
 protected:
  // The rows of a payroll type for an establishment in November 2026, read
  // with the generation's own statement.
  std::unique_ptr<TnSQLDataSet> Folha(int tipo, int tipoFolha, int empresa, int estab) {
    auto sql = std::make_unique<TnSQLDataSet>(nDMConexao());
    sql->SetCommandText(TmVoxDPGerarProtocolo::SQLFolha(tipo, tipoFolha, 1));
    sql->ParamByName(QStringLiteral("pDataInicial")).SetDataType(TnFieldType::Date);
    sql->ParamByName(QStringLiteral("pDataFinal")).SetDataType(TnFieldType::Date);
    sql->ParamByName(QStringLiteral("pDataInicial")).SetValue(QDate(2026, 11, 1));
    sql->ParamByName(QStringLiteral("pDataFinal")).SetValue(QDate(2026, 11, 30));
    sql->ParamByName(QStringLiteral("pCodigoEmpresa")).SetValue(empresa);
    sql->ParamByName(QStringLiteral("pCodigoEstab")).SetValue(estab);
    sql->Open();
    return sql;
  }
  // A template naming every token of the list once, "|" between them.
  static QString Todos(const QStringList &tokens) { return tokens.join(u'|'); }
};

// Dates, decimals, small codes and one-letter flags come out the same on
// every engine, in the forms the office reads.
TEST_F(MontarDescricaoFolhaTeste, EveryTerminationTokenFillsTheSameOnEveryEngine) {
  auto rescisao = Folha(7, 1, 2, 1);
  ASSERT_EQ(rescisao->Resultado().RecordCount(), 1);
  const QStringList tokens = {
      "[CodigoFuncContr]", "[NOMEFUNC]",      "[COMPLEMENTAR]", "[CODIGOCAUSA]", "[CODIGOSAQUE]",  "[TIPOAFASTSEFIP]",
      "[TIPOAFASTCAGED]",  "[TIPOAFASTRAIS]", "[CODIGOMOTDEM]", "[DATARESC]",    "[DATAAVPREVIO]", "[DIASTRAB]",
      "[DIASAVINDEN]",     "[DIASAVREAV]",    "[DIASESTABIL]",  "[DIASGRATIF]",  "[SALFINAL]",     "[FGTSMESANT]",
      "[CODIGOFPAS]",      "[CODIGOOUTEMP]",  "[SALDOFGTS]",    "[REMMULTA]",    "[VALORMULTA]",   "[REMMULTARECOL]",
      "[VALORMULTARECOL]", "[BASEINSS]",      "[DEDUCAO]",      "[FGTSRECOL]",   "[VALORINSS]",    "[REMUNRESCISAO]",
      "[REPOSICAOVAGA]",   "[AVISOPREVIO]"};
  EXPECT_EQ(MontarFPA(Todos(tokens), 7, 1, rescisao->Resultado()),
            QStringLiteral("0002|Ana Paula Nogueira|0|11|1|I1|31|11|2|20/11/2026|20/11/2026|20|45|0|0|0|1980|158,4|"
                           "515||8740,22|8740,22|3496,09|8740,22|3496,09|4512,3|0|360,98|406,11|4512,3|1|1"));
  // The listing mode does not matter to a termination; the pay tokens stay.
  EXPECT_EQ(MontarFPA(QStringLiteral("[CodigoFuncContr] [QUANTIDADE] [DATAPGTO] [VALOR]"), 7, 2, rescisao->Resultado()),
            QStringLiteral("0002 [QUANTIDADE] [DATAPGTO] [VALOR]"));
}

TEST_F(MontarDescricaoFolhaTeste, EveryVacationTokenFillsTheSameOnEveryEngineWithTheContractUnpadded) {
  auto ferias = Folha(8, 1, 2, 2);
  ASSERT_EQ(ferias->Resultado().RecordCount(), 1);
  const QStringList tokens = {"[CodigoFuncContr]",   "[DATAINICIAL]",    "[DATAINICIALFERIAS]",
                              "[DATAFINALFERIAS]",   "[DATAABONO]",      "[PAGAADTO13]",
                              "[DATAPGTO]",          "[DESCADTO]",       "[FORMAGERACAO]",
                              "[DIASDOBROFERIAS]",   "[DIASDOBROABONO]", "[TIPORECIBO]",
                              "[DATARETORNOFERIAS]", "[DATAAVISO]",      "[DATASOLICABONO]",
                              "[DIASABONO]",         "[DIASFERIAS]",     "[DIASREMUN]",
                              "[DESCONTPARCELA]",    "[NUMEROPARCELA]",  "[COMPETINICIAL]",
                              "[DIASPREMIO]",        "[VALOR]",          "[NOMEFUNC]"};
  EXPECT_EQ(MontarFPA(Todos(tokens), 8, 1, ferias->Resultado()),
            QStringLiteral("4|14/08/2025|09/11/2026|28/11/2026|29/11/2026|0|06/11/2026|0|1|0|0|1|30/11/2026|"
                           "08/10/2026|10/09/2026|10|20|30|0|0|01/11/2026|0|3120,55|Fernanda Ribeiro Alves"));
}

TEST_F(MontarDescricaoFolhaTeste, TotalisedPayCountsItsEventRowsOnEveryEngine) {
  auto folha = Folha(6, 1, 2, 1);
  ASSERT_EQ(folha->Resultado().RecordCount(), 1);
  EXPECT_EQ(MontarFPA(QStringLiteral("Folha [QUANTIDADE] de [CodigoFuncContr]"), 6, 1, folha->Resultado()),
            QStringLiteral("Folha Qtde 0002 de "));
  auto porFuncionario = Folha(6, 2, 2, 1);
  EXPECT_EQ(MontarFPA(QStringLiteral("[CodigoFuncContr] [NOMEFUNC][QUANTIDADE]"), 6, 2, porFuncionario->Resultado()),
            QStringLiteral("0001 João Batista Ferreira"));
}

// The tokens are filled one after the other: a later token inside an
// earlier value is filled, an earlier one is not; a missing number is zero
// and a missing date nothing.
TEST_F(MontarDescricaoFolhaTeste, LaterTokensFillInsideEarlierValuesAndNullsFollowTheirForm) {
  ExecutarSQLDireto(
      QStringLiteral("update FUNCIONARIO set NOMEFUNC = 'Ana [DATARESC] [CodigoFuncContr]' where "
                     "CODIGOEMPRESA = 2 and CODIGOFUNCCONTR = 2"));
  ExecutarSQLDireto(
      QStringLiteral("update RESCISAO set DATAAVPREVIO = null, CODIGOOUTEMP = null, SALFINAL = null "
                     "where CODIGOEMPRESA = 2 and CODIGOFUNCCONTR = 2"));
  auto rescisao = Folha(7, 1, 2, 1);
  ASSERT_EQ(rescisao->Resultado().RecordCount(), 1);
  EXPECT_EQ(
      MontarFPA(QStringLiteral("[NOMEFUNC]<[DATAAVPREVIO]|[CODIGOOUTEMP]|[SALFINAL]>"), 7, 1, rescisao->Resultado()),
      QStringLiteral("Ana 20/11/2026 [CodigoFuncContr]<||>"));
}

// The template editor and the filler must agree on the names: a token the
// editor offers for a payroll type and the filler ignores would reach every
// protocol as typed.
TEST_F(MontarDescricaoFolhaTeste, EveryPayrollTokenTheEditorOffersIsFilled) {
  auto *cfg = Criar(QStringLiteral("TmVoxDMCfgTipoProtocolo"));
  ASSERT_NE(cfg, nullptr);
  TnDialogosTeste dialogos;
  struct Caso {
    int Tipo, TipoFolha, Empresa, Estab;
  };
  for (const Caso &c : {Caso{6, 1, 2, 1}, Caso{6, 2, 2, 1}, Caso{7, 1, 2, 1}, Caso{8, 1, 2, 2}}) {
    SCOPED_TRACE(c.Tipo * 10 + c.TipoFolha);
    auto dados = Folha(c.Tipo, c.TipoFolha, c.Empresa, c.Estab);
    ASSERT_FALSE(dados->Resultado().IsEmpty());
    const QStringList tokens = TokensDoEditor(*cfg, dialogos, c.Tipo);
    ASSERT_FALSE(tokens.isEmpty());
    for (const QString &token : tokens) {
      const QString preenchido =
          MontarFPA(QStringLiteral("<") + token + QStringLiteral(">"), c.Tipo, c.TipoFolha, dados->Resultado());
      EXPECT_FALSE(preenchido.contains(token, Qt::CaseInsensitive)) << token.toStdString();
    }
  }
}

// --- Financial documents -------------------------------------------------------

namespace {

// One invoice row with nothing but the office and the number known.
std::unique_ptr<TnClientDataSet> NotaSemDados() {
  auto dados = std::make_unique<TnClientDataSet>();
  for (const char *campo : {"CODIGOESCRIT", "NUMERONS", "VISTAPRAZO", "CANCELADANS"})
    dados->AddFieldDef(QLatin1String(campo), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("SERIENS"), TnFieldType::String, 3);
  dados->AddFieldDef(QStringLiteral("DATAEMISSAO"), TnFieldType::Date);
  dados->CreateDataSet();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGOESCRIT"))->SetValue(1);
  dados->FieldByName(QStringLiteral("NUMERONS"))->SetValue(7);
  dados->Post();
  return dados;
}

}  // namespace

TEST(MontarDescricaoFIN, NullTermAndCancelFlagReadAsZeroAndANullDateWritesNothing) {
  auto dados = NotaSemDados();
  const auto &nota = dados->Mapeamento<TnMapperFinNotaFiscal>();
  EXPECT_EQ(mVoxMontarDescricaoFIN(QStringLiteral("[NUMERONS] [VISTAPRAZO] [CANCELADANS] [DATAEMISSAONS]."), 11, nota),
            QStringLiteral("7 À Vista Não ."));
}

TEST(MontarDescricaoFIN, AViewOfTheOtherKindOrARowWithoutAColumnFails) {
  auto dados = NotaSemDados();
  const auto &nota = dados->Mapeamento<TnMapperFinNotaFiscal>();
  // A boleto template over an invoice row: the receivable's columns are not
  // there.
  EXPECT_THROW(mVoxMontarDescricaoFIN(QStringLiteral("[NUMERODCTOCR]"), 12, nota), Exception);
  const auto &boleto = dados->Mapeamento<TnMapperFinBoleto>();
  EXPECT_THROW(mVoxMontarDescricaoFIN(QStringLiteral("[NUMERONS]"), 11, boleto), Exception);
}
