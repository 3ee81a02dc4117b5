#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDateField_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nFMTBCDField_U.h"
#include "nFloatField_U.h"
#include "nFormatos_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nMemoField_U.h"
#include "nSQLTimeStampField_U.h"
#include "nSmallIntField_U.h"
#include "nStringField_U.h"

namespace {

// An open in-memory dataset with one field of each kind the registers use.
class TnFieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dados.AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::LargeInt);
    Dados.AddFieldDef(QStringLiteral("SEQ"), TnFieldType::SmallInt);
    Dados.AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 10);
    Dados.AddFieldDef(QStringLiteral("FLAG"), TnFieldType::FixedChar, 1);
    Dados.AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
    Dados.AddFieldDef(QStringLiteral("TAXA"), TnFieldType::Float);
    Dados.AddFieldDef(QStringLiteral("DIA"), TnFieldType::Date);
    Dados.AddFieldDef(QStringLiteral("MOMENTO"), TnFieldType::DateTime);
    Dados.AddFieldDef(QStringLiteral("OBS"), TnFieldType::Memo);
    Dados.CreateDataSet();
  }

  TnField *Campo(const char *nome) { return Dados.FieldByName(QString::fromLatin1(nome)); }
  // The message of the EnField that `acao` raises, and that it names `campo`.
  template <typename F>
  QString ErroDoCampo(TnField *campo, F acao) {
    try {
      acao();
    } catch (const EnField &e) {
      EXPECT_EQ(e.field(), campo);
      return e.message();
    }
    ADD_FAILURE() << "no EnField raised";
    return {};
  }

  TnClientDataSet Dados;
};

}  // namespace

// ---- Classes ---------------------------------------------------------------

TEST(TnFieldCriar, EachTypeGetsItsClassAndTheDefinitionsRequiredFlag) {
  auto criar = [](TnFieldType tipo, bool required = false) {
    TnFieldDef def;
    def.Name = QStringLiteral("X");
    def.DataType = tipo;
    def.Size = 2;
    def.Precision = 18;
    def.Scale = 2;
    def.Required = required;
    return TnField::Criar(nullptr, def);
  };
  EXPECT_NE(dynamic_cast<TnStringField *>(criar(TnFieldType::String).get()), nullptr);
  auto fixo = criar(TnFieldType::FixedChar, true);
  ASSERT_NE(dynamic_cast<TnStringField *>(fixo.get()), nullptr);
  EXPECT_TRUE(static_cast<TnStringField *>(fixo.get())->FixedChar());
  EXPECT_TRUE(fixo->Required());
  EXPECT_EQ(fixo->Size(), 2);
  EXPECT_NE(dynamic_cast<TnSmallIntField *>(criar(TnFieldType::SmallInt).get()), nullptr);
  EXPECT_NE(dynamic_cast<TnIntegerField *>(criar(TnFieldType::Integer).get()), nullptr);
  EXPECT_NE(dynamic_cast<TnLargeIntField *>(criar(TnFieldType::LargeInt).get()), nullptr);
  EXPECT_NE(dynamic_cast<TnFloatField *>(criar(TnFieldType::Float).get()), nullptr);
  auto bcd = criar(TnFieldType::FMTBcd);
  ASSERT_NE(dynamic_cast<TnFMTBCDField *>(bcd.get()), nullptr);
  EXPECT_EQ(bcd->Precision(), 18);
  EXPECT_EQ(bcd->Scale(), 2);
  EXPECT_NE(dynamic_cast<TnDateField *>(criar(TnFieldType::Date).get()), nullptr);
  EXPECT_NE(dynamic_cast<TnSQLTimeStampField *>(criar(TnFieldType::DateTime).get()), nullptr);
  EXPECT_NE(dynamic_cast<TnMemoField *>(criar(TnFieldType::Memo).get()), nullptr);
  EXPECT_FALSE(criar(TnFieldType::String)->Calculado());
}

// ---- Text forms --------------------------------------------------------------

TEST_F(TnFieldTest, WholeNumbersAreKeptAs64BitUpToTheLimitOfTheirKindAndRefusedBeyond) {
  Dados.Append();
  TnField *seq = Campo("SEQ");
  TnField *codigo = Campo("CODIGO");
  for (const qlonglong n : {qlonglong(32767), qlonglong(-32768), qlonglong(0)}) {
    seq->SetAsInteger(static_cast<int>(n));
    EXPECT_EQ(seq->Value().typeId(), QMetaType::LongLong);
    EXPECT_EQ(seq->AsLargeInt(), n);
  }
  EXPECT_THROW(seq->SetAsInteger(32768), EnField);
  EXPECT_THROW(seq->SetValue(QVariant(qlonglong(-32769))), EnField);
  EXPECT_EQ(seq->AsInteger(), 0);  // a refused value leaves the one before
  codigo->SetAsInteger(7);
  EXPECT_EQ(codigo->Value(), QVariant(qlonglong(7)));
  codigo->SetValue(QVariant(qlonglong(9999999999LL)));
  EXPECT_EQ(codigo->AsLargeInt(), 9999999999LL);
}

TEST_F(TnFieldTest, AsStringGivesThePtBrFormsThatCallersPasteIntoSqlAndFilters) {
  Dados.Append();
  Campo("CODIGO")->SetValue(qint64(9999999999LL));
  Campo("TAXA")->SetAsFloat(1234567.0);
  Campo("VALOR")->SetAsString(QStringLiteral("1.234,50"));
  Campo("DIA")->SetAsDate(QDate(2026, 3, 5));
  Campo("MOMENTO")->SetAsDateTime(QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
  EXPECT_EQ(Campo("CODIGO")->AsString(), QStringLiteral("9999999999"));
  EXPECT_EQ(Campo("TAXA")->AsString(), QStringLiteral("1234567"));  // no grouping, no exponent, no ",0"
  EXPECT_EQ(Campo("VALOR")->AsString(), QStringLiteral("1234,5"));  // comma, no grouping
  EXPECT_EQ(Campo("DIA")->AsString(), QStringLiteral("05/03/2026"));
  EXPECT_EQ(Campo("MOMENTO")->AsString(), QStringLiteral("05/03/2026"));  // midnight: no time
  Campo("MOMENTO")->SetAsDateTime(QDateTime(QDate(2026, 3, 5), QTime(8, 7, 0)));
  EXPECT_EQ(Campo("MOMENTO")->AsString(), QStringLiteral("05/03/2026 08:07:00"));
  Campo("TAXA")->SetAsFloat(-0.5);
  EXPECT_EQ(Campo("TAXA")->AsString(), QStringLiteral("-0,5"));
  EXPECT_EQ(Campo("NOME")->AsString(), QString());  // null
}

TEST_F(TnFieldTest, DisplayTextAppliesTheFormatLanguagesAndLeavesNullsEmpty) {
  Dados.Append();
  Campo("VALOR")->SetDisplayFormat(QStringLiteral("#,##0.00"));
  Campo("TAXA")->SetDisplayFormat(QStringLiteral("#,##0.00"));
  Campo("DIA")->SetDisplayFormat(QStringLiteral("MM/YYYY"));
  Campo("SEQ")->SetDisplayFormat(QStringLiteral("0000"));
  Campo("CODIGO")->SetDisplayFormat(QStringLiteral("0"));
  EXPECT_EQ(Campo("VALOR")->DisplayText(), QString());
  EXPECT_EQ(Campo("DIA")->DisplayText(), QString());

  Campo("VALOR")->SetAsString(QStringLiteral("1234567.5"));
  Campo("TAXA")->SetAsFloat(1234.5);
  Campo("DIA")->SetAsDate(QDate(2026, 3, 5));
  Campo("SEQ")->SetAsInteger(7);
  Campo("CODIGO")->SetValue(qint64(9007199254740993LL));  // not a double: every digit must survive
  EXPECT_EQ(Campo("VALOR")->DisplayText(), QStringLiteral("1.234.567,50"));
  EXPECT_EQ(Campo("TAXA")->DisplayText(), QStringLiteral("1.234,50"));
  EXPECT_EQ(Campo("DIA")->DisplayText(), QStringLiteral("03/2026"));
  EXPECT_EQ(Campo("SEQ")->DisplayText(), QStringLiteral("0007"));
  EXPECT_EQ(Campo("CODIGO")->DisplayText(), QStringLiteral("9007199254740993"));
  Campo("DIA")->SetDisplayFormat(QStringLiteral("DD/MM/YYYY"));
  EXPECT_EQ(Campo("DIA")->DisplayText(), QStringLiteral("05/03/2026"));
  // A format with no digit placeholder shows itself.
  Campo("TAXA")->SetDisplayFormat(QStringLiteral("Tipo"));
  EXPECT_EQ(Campo("TAXA")->DisplayText(), QStringLiteral("Tipo"));
  // The display format never leaks into the text callers compute with.
  EXPECT_EQ(Campo("VALOR")->AsString(), QStringLiteral("1234567,5"));
  EXPECT_EQ(Campo("SEQ")->Text(), QStringLiteral("7"));
}

// ---- Events ------------------------------------------------------------------

TEST_F(TnFieldTest, OnGetTextReplacesBothTextsAndTellsWhichOneIsAsked) {
  Dados.Append();
  TnField *obs = Campo("OBS");
  obs->SetAsString(QStringLiteral("linha um\r\nlinha dois"));
  obs->OnGetText = [](const TnField &f, bool exibir) {
    return exibir ? f.AsString().left(8) : QStringLiteral("editar");
  };
  EXPECT_EQ(obs->DisplayText(), QStringLiteral("linha um"));
  EXPECT_EQ(obs->Text(), QStringLiteral("editar"));
  EXPECT_EQ(obs->AsString(), QStringLiteral("linha um\r\nlinha dois"));  // the value is untouched
}

TEST_F(TnFieldTest, OnSetTextReplacesTheConversionOfTypedTextOnly) {
  Dados.Append();
  TnField *nome = Campo("NOME");
  nome->OnSetText = [](TnField &f, const QString &texto) { f.SetAsString(texto.toUpper()); };
  nome->SetText(QStringLiteral("maria"));
  EXPECT_EQ(nome->AsString(), QStringLiteral("MARIA"));
  nome->SetAsString(QStringLiteral("joão"));  // code assigning a value is not typed text
  EXPECT_EQ(nome->AsString(), QStringLiteral("joão"));
  // Without a handler typed text converts as AsString does.
  Campo("VALOR")->SetText(QStringLiteral("1.234,56"));
  EXPECT_EQ(Campo("VALOR")->Value().toString(), QStringLiteral("1234.56"));
}

TEST_F(TnFieldTest, OnChangeFiresAfterEveryWriteWithTheNewValueInPlace) {
  Dados.Append();
  TnField *seq = Campo("SEQ");
  QStringList vistos;
  seq->OnChange = [&vistos](TnField &f) { vistos << f.AsString(); };
  seq->SetAsInteger(3);
  seq->SetText(QStringLiteral("4"));
  seq->Clear();
  EXPECT_EQ(vistos, (QStringList{QStringLiteral("3"), QStringLiteral("4"), QString()}));
}

TEST_F(TnFieldTest, OnChangeThatWritesItsOwnFieldDoesNotRecurse) {
  Dados.Append();
  TnField *nome = Campo("NOME");
  int chamadas = 0;
  nome->OnChange = [&chamadas](TnField &f) {
    ++chamadas;
    f.SetAsString(f.AsString().trimmed());
  };
  nome->SetAsString(QStringLiteral("  Ana "));
  EXPECT_EQ(nome->AsString(), QStringLiteral("Ana"));
  EXPECT_EQ(chamadas, 1);
  // A handler that raised once does not silence the next change.
  nome->OnChange = [&chamadas](TnField &) {
    ++chamadas;
    throw Exception(QStringLiteral("recusado"));
  };
  EXPECT_THROW(nome->SetAsString(QStringLiteral("B")), Exception);
  EXPECT_THROW(nome->SetAsString(QStringLiteral("C")), Exception);
  EXPECT_EQ(chamadas, 3);
}

// ---- Validation ----------------------------------------------------------------

TEST_F(TnFieldTest, RequiredRefusesNullAndBlankTextAndCanBeSwitchedAtRunTime) {
  Dados.Append();
  TnField *nome = Campo("NOME");
  nome->SetDisplayLabel(QStringLiteral("Mesmo Endereço"));
  EXPECT_NO_THROW(nome->Validar());
  nome->SetRequired(true);
  EXPECT_EQ(ErroDoCampo(nome, [&] { nome->Validar(); }), QStringLiteral("O campo Mesmo Endereço deve ser informado."));
  nome->SetAsString(QStringLiteral("   "));
  EXPECT_EQ(ErroDoCampo(nome, [&] { nome->Validar(); }), QStringLiteral("O campo Mesmo Endereço deve ser informado."));
  nome->SetAsString(QStringLiteral("1"));
  EXPECT_NO_THROW(nome->Validar());
  nome->Clear();
  nome->SetRequired(false);
  EXPECT_NO_THROW(nome->Validar());
  // A required number of zero is a value.
  Campo("SEQ")->SetRequired(true);
  Campo("SEQ")->SetAsInteger(0);
  EXPECT_NO_THROW(Campo("SEQ")->Validar());
}

TEST_F(TnFieldTest, RangeUsesTheConstraintMessageAndAcceptsItsBounds) {
  Dados.Append();
  TnField *codigo = Campo("CODIGO");
  codigo->SetDisplayLabel(QStringLiteral("Protocolo"));
  codigo->SetMinValue(1);
  codigo->SetMaxValue(qint64(9999999999LL));
  codigo->SetConstraintErrorMessage(QStringLiteral("Código de protocolo inválido!"));
  for (qint64 bom : {qint64(1), qint64(9999999999LL)}) {
    codigo->SetValue(bom);
    EXPECT_NO_THROW(codigo->Validar()) << bom;
  }
  for (qint64 ruim : {qint64(0), qint64(10000000000LL), qint64(-5)}) {
    codigo->SetValue(ruim);
    EXPECT_EQ(ErroDoCampo(codigo, [&] { codigo->Validar(); }), QStringLiteral("Código de protocolo inválido!")) << ruim;
  }
  // The range message does not replace the required one.
  codigo->SetRequired(true);
  codigo->Clear();
  EXPECT_EQ(ErroDoCampo(codigo, [&] { codigo->Validar(); }), QStringLiteral("O campo Protocolo deve ser informado."));
  // Without a message of its own the framework's names the field.
  TnField *seq = Campo("SEQ");
  seq->SetDisplayLabel(QStringLiteral("Seqüência"));
  seq->SetMinValue(1);
  seq->SetMaxValue(9999);
  seq->SetAsInteger(10000);
  EXPECT_EQ(ErroDoCampo(seq, [&] { seq->Validar(); }),
            QStringLiteral("Valor fora do intervalo permitido para Seqüência."));
  seq->Clear();
  EXPECT_NO_THROW(seq->Validar());  // an empty optional field has no range to break
}

TEST_F(TnFieldTest, RangeOfDecimalsAndDatesComparesExactly) {
  Dados.Append();
  TnField *valor = Campo("VALOR");
  valor->SetMinValue(QStringLiteral("0.01"));
  valor->SetAsString(QStringLiteral("0,01"));
  EXPECT_NO_THROW(valor->Validar());
  valor->SetAsString(QStringLiteral("0"));
  EXPECT_THROW(valor->Validar(), EnField);
  TnField *dia = Campo("DIA");
  dia->SetMaxValue(QDate(2026, 12, 31));
  dia->SetAsDate(QDate(2026, 12, 31));
  EXPECT_NO_THROW(dia->Validar());
  dia->SetAsDate(QDate(2027, 1, 1));
  EXPECT_THROW(dia->Validar(), EnField);
}

TEST_F(TnFieldTest, TextLongerThanTheSizeIsRefusedWhenWrittenAndWhenTheSizeShrinks) {
  Dados.Append();
  TnField *nome = Campo("NOME");
  EXPECT_EQ(ErroDoCampo(nome, [&] { nome->SetAsString(QStringLiteral("12345678901")); }),
            QStringLiteral("O valor informado para NOME excede o tamanho máximo de 10 caracteres."));
  EXPECT_TRUE(nome->IsNull());
  nome->SetAsString(QStringLiteral("1234567890"));
  EXPECT_NO_THROW(nome->Validar());
  nome->SetSize(5);
  EXPECT_THROW(nome->Validar(), EnField);
  // A memo has no limit.
  Campo("OBS")->SetAsString(QString(5000, u'x'));
  EXPECT_NO_THROW(Campo("OBS")->Validar());
}

// ---- Accessors -----------------------------------------------------------------

TEST_F(TnFieldTest, AsBooleanReadsOneAsTrueAndWritesOneOrZero) {
  Dados.Append();
  TnField *flag = Campo("FLAG");
  EXPECT_FALSE(flag->AsBoolean());  // null
  flag->SetAsBoolean(true);
  EXPECT_EQ(flag->AsString(), QStringLiteral("1"));
  EXPECT_TRUE(flag->AsBoolean());
  flag->SetAsBoolean(false);
  EXPECT_EQ(flag->AsString(), QStringLiteral("0"));
  EXPECT_FALSE(flag->AsBoolean());
  // Any text field reads so, whatever its size.
  Campo("NOME")->SetAsString(QStringLiteral("1"));
  EXPECT_TRUE(Campo("NOME")->AsBoolean());
}

TEST_F(TnFieldTest, NumberSettersOnTextFieldsWriteTheDecimalText) {
  Dados.Append();
  Campo("FLAG")->SetAsInteger(2);
  EXPECT_EQ(Campo("FLAG")->Value(), QVariant(QStringLiteral("2")));
  EXPECT_EQ(Campo("FLAG")->AsInteger(), 2);
  Campo("NOME")->SetAsFloat(1.5);
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("1,5"));
  EXPECT_DOUBLE_EQ(Campo("NOME")->AsFloat(), 1.5);
  // And the other way round: a numeric field takes the user's text.
  Campo("SEQ")->SetAsString(QStringLiteral(" 12 "));
  EXPECT_EQ(Campo("SEQ")->AsInteger(), 12);
  EXPECT_THROW(Campo("SEQ")->SetAsString(QStringLiteral("doze")), EnField);
  EXPECT_THROW(Campo("SEQ")->SetAsInteger(40000), EnField);  // beyond a smallint
}

TEST_F(TnFieldTest, DateFieldsDropTheTimeAndReadPtBrText) {
  Dados.Append();
  Campo("DIA")->SetAsDateTime(QDateTime(QDate(2026, 3, 5), QTime(23, 59)));
  EXPECT_EQ(Campo("DIA")->Value(), QVariant(QDate(2026, 3, 5)));
  Campo("DIA")->SetText(QStringLiteral("31/12/2026"));
  EXPECT_EQ(Campo("DIA")->AsDate(), QDate(2026, 12, 31));
  EXPECT_EQ(Campo("DIA")->AsDateTime(), QDateTime(QDate(2026, 12, 31), QTime(0, 0)));
  EXPECT_THROW(Campo("DIA")->SetText(QStringLiteral("31/02/2026")), EnField);
  Campo("DIA")->SetText(QString());
  EXPECT_TRUE(Campo("DIA")->IsNull());
}

TEST_F(TnFieldTest, OldValueIsTheStoredValueWhileEditingAndNullWhileInserting) {
  Dados.Append();
  Campo("NOME")->SetAsString(QStringLiteral("Antigo"));
  EXPECT_TRUE(Campo("NOME")->OldValue().isNull());
  Dados.Post();
  Dados.Edit();
  Campo("NOME")->SetAsString(QStringLiteral("Novo"));
  EXPECT_EQ(Campo("NOME")->OldValue(), QVariant(QStringLiteral("Antigo")));
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("Novo"));
  Dados.Post();
  EXPECT_EQ(Campo("NOME")->OldValue(), QVariant(QStringLiteral("Novo")));
}

TEST_F(TnFieldTest, AsVariantAndValueAgreeAndNullsPassAsNulls) {
  Dados.Append();
  Campo("VALOR")->SetAsVariant(QVariant());
  EXPECT_TRUE(Campo("VALOR")->IsNull());
  EXPECT_EQ(Campo("VALOR")->AsFloat(), 0.0);
  EXPECT_EQ(Campo("VALOR")->AsInteger(), 0);
  Campo("VALOR")->SetAsVariant(12);
  EXPECT_EQ(Campo("VALOR")->AsVariant(), Campo("VALOR")->Value());
  EXPECT_EQ(Campo("VALOR")->Value(), QVariant(QStringLiteral("12.00")));
}

TEST_F(TnFieldTest, DefaultExpressionWritesTheUnquotedValueIntoEmptyFieldsOnly) {
  Dados.Append();
  Campo("FLAG")->SetDefaultExpression(QStringLiteral("'2'"));
  Campo("SEQ")->SetDefaultExpression(QStringLiteral("1"));
  Campo("NOME")->SetDefaultExpression(QStringLiteral("'D''Ávila'"));
  Campo("TAXA")->SetDefaultExpression(QStringLiteral("1.500"));  // SQL-like: one and a half
  Campo("OBS")->SetDefaultExpression(QStringLiteral("'padrão'"));
  Campo("OBS")->SetAsString(QStringLiteral("já escrito"));
  int mudancas = 0;
  for (int i = 0; i < Dados.FieldCount(); ++i) Dados.Fields(i)->OnChange = [&mudancas](TnField &) { ++mudancas; };
  mudancas = 0;
  for (int i = 0; i < Dados.FieldCount(); ++i) Dados.Fields(i)->AplicarPadrao();
  EXPECT_EQ(Campo("FLAG")->Value(), QVariant(QStringLiteral("2")));
  EXPECT_EQ(Campo("SEQ")->Value(), QVariant(qlonglong(1)));
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("D'Ávila"));
  EXPECT_DOUBLE_EQ(Campo("TAXA")->AsFloat(), 1.5);
  EXPECT_EQ(Campo("OBS")->AsString(), QStringLiteral("já escrito"));
  EXPECT_TRUE(Campo("VALOR")->IsNull());
  EXPECT_EQ(mudancas, 0);
}

TEST_F(TnFieldTest, DecimalAmountsSumWithoutBinaryDrift) {
  auto *valor = dynamic_cast<TnFMTBCDField *>(
      Dados.AdicionarCampo(std::make_unique<TnFMTBCDField>(&Dados, QStringLiteral("TOTAL"), 18, 2)));
  ASSERT_NE(valor, nullptr);
  for (int i = 0; i < 1000; ++i) {
    Dados.Append();
    valor->SetAsFloat(0.1);
    Dados.Post();
  }
  Dados.Append();
  valor->SetAsFloat(0.1 + 0.2);  // 0.30000000000000004 in binary
  EXPECT_EQ(valor->Value(), QVariant(QStringLiteral("0.30")));
  Dados.Post();
  TnDecimal soma(0, 2);
  for (Dados.First(); !Dados.Eof(); Dados.Next()) soma = soma + valor->AsDecimal();
  EXPECT_EQ(soma.Texto(), QStringLiteral("100.30"));
  valor->SetDisplayFormat(QStringLiteral("#,##0.00"));
  Dados.Edit();
  valor->SetAsDecimal(TnDecimal(123456789012345678LL, 2));
  EXPECT_EQ(valor->DisplayText(), QStringLiteral("1.234.567.890.123.456,78"));
  valor->SetAsString(QStringLiteral("2,675"));  // half away from zero at the scale
  EXPECT_EQ(valor->AsString(), QStringLiteral("2,68"));
}

TEST_F(TnFieldTest, DisplayWidthAndAlignmentDefaultByTypeUntilSet) {
  EXPECT_EQ(Campo("NOME")->DisplayWidth(), 10);
  EXPECT_EQ(Campo("NOME")->Alignment(), TnAlignment::Left);
  EXPECT_EQ(Campo("VALOR")->Alignment(), TnAlignment::Right);
  Campo("VALOR")->SetAlignment(TnAlignment::Center);
  Campo("VALOR")->SetDisplayWidth(15);
  EXPECT_EQ(Campo("VALOR")->Alignment(), TnAlignment::Center);
  EXPECT_EQ(Campo("VALOR")->DisplayWidth(), 15);
}

// ---- Value lists of the editor definition ---------------------------------------

TEST_F(TnFieldTest, DefinitionTextHandlersShowCaptionsAndStoreValues) {
  Dados.Append();
  TnField *forma = Campo("NOME");
  TnDefinicao &def = forma->Definicao();
  def.SetNomesValores(
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"), QStringLiteral("Entregue via Internet=3")});
  def.LigarTextos();
  forma->SetText(QStringLiteral("entregue em mãos"));  // any letter case
  EXPECT_EQ(forma->Value(), QVariant(QStringLiteral("2")));
  EXPECT_EQ(forma->DisplayText(), QStringLiteral("Entregue em Mãos"));
  EXPECT_EQ(forma->Text(), QStringLiteral("Entregue em Mãos"));
  forma->SetText(QStringLiteral("3"));  // a value typed as it stands
  EXPECT_EQ(forma->AsString(), QStringLiteral("3"));
  EXPECT_EQ(ErroDoCampo(forma, [&] { forma->SetText(QStringLiteral("Correio")); }),
            QStringLiteral("'Correio' não é um valor válido para o campo NOME."));
  EXPECT_EQ(forma->AsString(), QStringLiteral("3"));
  forma->SetText(QStringLiteral(" "));
  EXPECT_TRUE(forma->IsNull());
  EXPECT_EQ(forma->DisplayText(), QString());
  // A value the list lacks shows as it is.
  forma->SetAsString(QStringLiteral("9"));
  EXPECT_EQ(forma->DisplayText(), QStringLiteral("9"));
}

TEST_F(TnFieldTest, ValueListsWorkOnIntegerFieldsAndCheckLists) {
  Dados.Append();
  TnField *seq = Campo("SEQ");
  seq->Definicao().SetNomesValores({QStringLiteral("Interno=1"), QStringLiteral("Externo=2")});
  seq->Definicao().LigarTextos();
  seq->SetText(QStringLiteral("Externo"));
  EXPECT_EQ(seq->AsInteger(), 2);
  EXPECT_EQ(seq->DisplayText(), QStringLiteral("Externo"));

  TnField *meses = Campo("OBS");
  TnDefinicao &def = meses->Definicao();
  def.SetTipoControle(TnTipoControle::CheckList);
  def.SetNomesValores({QStringLiteral("Janeiro=1"), QStringLiteral("Abril=4"), QStringLiteral("Julho=7"),
                       QStringLiteral("Outubro=10")});
  def.LigarTextos();
  meses->SetText(QStringLiteral("Janeiro;Abril; Outubro"));
  EXPECT_EQ(meses->AsString(), QStringLiteral("1;4;10"));
  EXPECT_EQ(meses->DisplayText(), QStringLiteral("Janeiro;Abril;Outubro"));
  EXPECT_EQ(def.NomeDoValor(QStringLiteral("7")), QStringLiteral("Julho"));
  EXPECT_EQ(def.ValorDoNome(QStringLiteral("julho")), QStringLiteral("7"));
  EXPECT_EQ(def.ValorDoNome(QStringLiteral("Maio")), QString());
}

TEST(TnDefinicao, OwnPropertiesAndEventsKeepWhatTheModuleSet) {
  TnField campo(nullptr, QStringLiteral("X"), TnFieldType::Integer);
  TnDefinicao &def = campo.Definicao();
  EXPECT_EQ(def.Campo(), &campo);
  def.AdicionarPropriedadePropria(QStringLiteral("Visible"));
  def.AdicionarPropriedadePropria(QStringLiteral("VISIBLE"));
  EXPECT_EQ(def.PropriedadesProprias().size(), 1);
  EXPECT_TRUE(def.PropriedadePropria(QStringLiteral("visible")));
  EXPECT_FALSE(def.PropriedadePropria(QStringLiteral("Hint")));
  QStringList eventos;
  def.OnExit = [&](TnField &f) { eventos << QStringLiteral("exit ") + f.FieldName(); };
  def.OnButtonClick = [&](TnField &) { eventos << QStringLiteral("button"); };
  def.Exit();
  def.ButtonClick();
  def.Change();  // no handler: nothing happens
  EXPECT_EQ(eventos, (QStringList{QStringLiteral("exit X"), QStringLiteral("button")}));
  def.SetTextoDefinicao(QString(300, u'a'));
  EXPECT_EQ(def.TextoDefinicao().size(), 255);
}

// ---- Formats the fields rely on ----------------------------------------------

TEST(ArredondamentoBancario, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(nArredondarBancario(2.5), 2);
  EXPECT_EQ(nArredondarBancario(3.5), 4);
  EXPECT_EQ(nArredondarBancario(-2.5), -2);
  EXPECT_EQ(nArredondarBancario(-3.5), -4);
  EXPECT_EQ(nArredondarBancario(2.4999), 2);
  EXPECT_EQ(nArredondarBancario(2.5001), 3);
  EXPECT_EQ(nArredondarBancario(-0.4), 0);
  EXPECT_EQ(nArredondarBancario(9999999999.5), 10000000000LL);
}

TEST(ArredondamentoBancario, MonthsBetweenCountsJanuaryToDecemberAsTwelve) {
  EXPECT_EQ(MonthsBetweenInclusive(QDate(2026, 1, 1), QDate(2026, 12, 31)), 12);
}
