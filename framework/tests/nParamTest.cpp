#include <gtest/gtest.h>

#include <QDate>
#include <QStringList>

#include "nBancoTeste_U.h"
#include "nException_U.h"
#include "nFraCtrlNDLinkEdit_U.h"
#include "nFraCtrlParam_U.h"
#include "nFuncoesSuite_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kTipos = QStringLiteral(
    "Débitos Federais=1;Débitos Estaduais=2;Débitos Municipais=3;Débitos Sindicais=4;Débitos GPS=5;Débitos "
    "FGTS=9;Débitos de Folha de Pagamento=10;Folha de Pagamento=6;Rescisão=7;Férias=8;Financeiro - Notas "
    "Fiscais=11;Financeiro - Boletos=12");

// The message of an EnParam raised by `acao`, checking that it names `item`.
template <class F>
QString MensagemEnParam(TnpqParamItem *item, F &&acao) {
  try {
    acao();
  } catch (const EnParam &e) {
    EXPECT_EQ(e.param(), item);
    return e.message();
  }
  ADD_FAILURE() << "EnParam esperado";
  return {};
}

}  // namespace

// --- value texts of each kind

TEST(ParamItem, ADateKeepsTheDayAndGivesItsTextAndAnUnreadableTextIsKeptForTheProcessToRefuse) {
  TnpqPowerParam params;
  TnpqParamItem &data = params.Adicionar({.Alias = "pDataInicial", .Caption = "Data Inicial", .Dicionario = "DICDATA"});
  ASSERT_EQ(data.Tipo(), TnTipoParam::Data);
  data.SetAsString(QStringLiteral(" 5/11/2026 "));
  EXPECT_EQ(data.GetAsVariant(), QVariant(QDate(2026, 11, 5)));
  EXPECT_EQ(data.GetAsString(), QStringLiteral("05/11/2026"));
  EXPECT_EQ(data.GetAsDate(), QDate(2026, 11, 5));

  data.SetAsString(QStringLiteral("31/02/2026"));
  EXPECT_EQ(data.GetAsString(), QStringLiteral("31/02/2026"));
  QDate lida;
  EXPECT_FALSE(data.TryGetAsDate(lida));
  EXPECT_TRUE(MensagemEnParam(&data, [&] { data.GetAsDate(); }).contains(QStringLiteral("Data Inicial")));

  data.SetAsDate(QDate());
  EXPECT_TRUE(data.IsNull());
  EXPECT_FALSE(data.GetAsDate().isValid());
}

TEST(ParamItem, AMonthYearIsReadAsDayOneWhateverDayOrFormItIsGivenIn) {
  TnpqPowerParam params;
  TnpqParamItem &compet = params.Adicionar({.Alias = "pCompet", .Dicionario = "DICDATAMESANO"});
  ASSERT_EQ(compet.Tipo(), TnTipoParam::MesAno);

  compet.SetAsString(QStringLiteral("11/2026"));
  EXPECT_EQ(compet.GetAsDate(), QDate(2026, 11, 1));
  // The value text reads back as a date (processes read it with TryStrToDate).
  EXPECT_EQ(compet.GetAsString(), QStringLiteral("01/11/2026"));
  EXPECT_EQ(compet.Editor()->Texto(), QStringLiteral("11/2026"));

  compet.SetAsDate(QDate(2026, 3, 20));
  EXPECT_EQ(compet.GetAsDate(), QDate(2026, 3, 1));
  compet.SetAsString(QStringLiteral("15/02/2026"));
  EXPECT_EQ(compet.GetAsDate(), QDate(2026, 2, 1));
  compet.SetAsVariant(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
  EXPECT_EQ(compet.GetAsDate(), QDate(2026, 12, 1));
}

TEST(ParamItem, AComboKeepsTheValueWhetherGivenTheValueOrTheCaption) {
  TnpqPowerParam params;
  TnpqParamItem &tipoData = params.Adicionar(
      {.Alias = "pTipoData", .Caption = "Filtrar", .Padrao = "1", .Valores = "Data Apuração=1;Data Vencimento=2;"});
  ASSERT_EQ(tipoData.Tipo(), TnTipoParam::Combo);
  EXPECT_EQ(tipoData.GetAsString(), QStringLiteral("1"));
  EXPECT_EQ(tipoData.Editor()->Itens(), (QStringList{"Data Apuração", "Data Vencimento"}));

  tipoData.Editor()->SetTexto(QStringLiteral("data vencimento"));
  EXPECT_EQ(tipoData.GetAsString(), QStringLiteral("2"));
  EXPECT_EQ(tipoData.GetAsInteger(), 2);
  EXPECT_EQ(tipoData.Editor()->Texto(), QStringLiteral("Data Vencimento"));
  tipoData.SetAsInteger(1);
  EXPECT_EQ(tipoData.GetAsString(), QStringLiteral("1"));
}

TEST(ParamItem, ACheckListGivesTheTickedValuesJoinedBySemicolonsInTheListsOrder) {
  TnpqPowerParam params;
  TnpqParamItem &tipo = params.Adicionar({.Alias = "pTipo",
                                          .Tipo = TnTipoParam::CheckList,
                                          .Padrao = "1;2;3;4;5",
                                          .Obrigatorio = true,
                                          .Valores = kTipos});
  EXPECT_EQ(tipo.GetAsString(), QStringLiteral("1;2;3;4;5"));

  tipo.Marcar(QStringLiteral("6"), true);
  tipo.Marcar(QStringLiteral("10"), true);
  tipo.Marcar(QStringLiteral("2"), false);
  // "10" stands before "6" in the list.
  EXPECT_EQ(tipo.GetAsString(), QStringLiteral("1;3;4;5;10;6"));
  EXPECT_TRUE(BitLigado(tipo.GetAsString(), 6));
  EXPECT_FALSE(BitLigado(tipo.GetAsString(), 2));
  EXPECT_TRUE(tipo.Marcado(QStringLiteral("10")));
  EXPECT_EQ(tipo.Editor()->Texto(), QStringLiteral("Débitos Federais; Débitos Municipais; Débitos Sindicais; "
                                                   "Débitos GPS; Débitos de Folha de Pagamento; Folha de Pagamento"));

  tipo.SetAsString(QStringLiteral(" 6 ;; 1 ;"));
  EXPECT_EQ(tipo.GetAsString(), QStringLiteral("6;1"));
  for (const QString &v : {QStringLiteral("6"), QStringLiteral("1")}) tipo.Marcar(v, false);
  EXPECT_TRUE(tipo.IsNull());
}

TEST(ParamItem, AMultiSelectAcceptsListsAndRangesAndRefusesOtherTextWithEnParam) {
  TnpqPowerParam params;
  TnpqParamItem &empresa =
      params.Adicionar({.Alias = "pCodigoEmpresa", .Dicionario = "CODIGOEMPRESA", .MultiSelecao = true});
  ASSERT_EQ(empresa.Tipo(), TnTipoParam::Selecao);
  EXPECT_EQ(empresa.Caption(), QStringLiteral("Empresa"));  // from the dictionary

  empresa.SetAsString(QStringLiteral("1;3;5-9"));
  EXPECT_NO_THROW(empresa.Validar());
  EXPECT_EQ(empresa.GetAsString(), QStringLiteral("1;3;5-9"));
  empresa.SetAsString(QStringLiteral("1;abc"));
  EXPECT_TRUE(MensagemEnParam(&empresa, [&] { empresa.Validar(); }).startsWith(QStringLiteral("Empresa: ")));
  empresa.Clear();
  EXPECT_NO_THROW(empresa.Validar());  // not required
}

TEST(ParamItem, AnOutputNumberKeepsAWholeNumberAsAnIntegerAndCanBeClearedToNull) {
  TnpqPowerParam params;
  TnpqParamItem &codigo = params.Adicionar({.Alias = "pCodigoPro", .Tipo = TnTipoParam::Numero});
  codigo.SetAsVariant(123.0);
  EXPECT_EQ(codigo.GetAsVariant().typeId(), QMetaType::LongLong);
  EXPECT_EQ(codigo.GetAsInteger(), 123);
  EXPECT_EQ(codigo.GetAsString(), QStringLiteral("123"));
  codigo.SetAsString(QStringLiteral("1,5"));
  EXPECT_EQ(codigo.GetAsVariant(), QVariant(1.5));
  EXPECT_EQ(codigo.GetAsString(), QStringLiteral("1,5"));
  codigo.SetAsVariant(QVariant());
  EXPECT_TRUE(codigo.IsNull());
  EXPECT_THROW(codigo.SetAsString(QStringLiteral("abc")), EnParam);
  EXPECT_TRUE(codigo.IsNull());
}

TEST(ParamItem, TextIsNullWhenBlankAndANonNumberRefusesTheIntegerReadNamingTheParameter) {
  TnpqPowerParam params;
  TnpqParamItem &texto = params.Adicionar({.Alias = "pCodFunc", .Caption = "Funcionário"});
  ASSERT_EQ(texto.Tipo(), TnTipoParam::Texto);
  texto.SetAsString(QStringLiteral("   "));
  EXPECT_TRUE(texto.IsNull());
  EXPECT_EQ(texto.GetAsInteger(), 0);
  texto.SetAsString(QStringLiteral(" 12 "));
  EXPECT_EQ(texto.GetAsInteger(), 12);
  texto.SetAsString(QStringLiteral("12a"));
  int n = -1;
  EXPECT_FALSE(texto.TryGetAsInteger(n));
  EXPECT_TRUE(MensagemEnParam(&texto, [&] { texto.GetAsInteger(); }).contains(QStringLiteral("Funcionário")));
}

TEST(ParamItem, TheKindIsDeducedFromTheDictionaryKeyAndTheSelection) {
  TnpqPowerParam params;
  EXPECT_EQ(params.Adicionar({.Alias = "a", .Dicionario = "DICDATA"}).Tipo(), TnTipoParam::Data);
  EXPECT_EQ(params.Adicionar({.Alias = "b", .Dicionario = "DICDATAMESANO"}).Tipo(), TnTipoParam::MesAno);
  EXPECT_EQ(params.Adicionar({.Alias = "c", .Dicionario = "CODIGOESTAB", .MultiSelecao = true}).Tipo(),
            TnTipoParam::Selecao);
  EXPECT_EQ(params.Adicionar({.Alias = "d", .Dicionario = "CODIGOEMPRESA"}).Tipo(), TnTipoParam::Link);
  EXPECT_EQ(params.Adicionar({.Alias = "e", .Dicionario = "SEQROTA"}).Tipo(), TnTipoParam::Valor);
  EXPECT_EQ(params.Adicionar({.Alias = "f", .Dicionario = "DICTEXTO"}).Tipo(), TnTipoParam::Texto);
  EXPECT_EQ(params.Adicionar({.Alias = "g", .Dicionario = "DICSIMNAO"}).Tipo(), TnTipoParam::Combo);
  EXPECT_EQ(params.Param(QStringLiteral("g"))->Nomes(), (QStringList{"Sim", "Não"}));
  // The link editor is the framework's link edit, a link control.
  EXPECT_NE(dynamic_cast<TnFraCtrlNDLinkEdit *>(params.EdFindFieldControl(QStringLiteral("d"))), nullptr);
  EXPECT_EQ(dynamic_cast<TnFraCtrlNDLink *>(params.EdFindFieldControl(QStringLiteral("e"))), nullptr);
  // An own caption and hint win over the dictionary's.
  TnpqParamItem &estab = params.Adicionar(
      {.Alias = "h", .Caption = "Estab", .Hint = "Só a filial", .Dicionario = "CODIGOESTAB", .MultiSelecao = true});
  EXPECT_EQ(estab.Caption(), QStringLiteral("Estab"));
  EXPECT_EQ(estab.Hint(), QStringLiteral("Só a filial"));
}

// --- the panel

TEST(PowerParam, ParametersFollowTheirPositionsAndNamesMatchInAnyCase) {
  TnpqPowerParam params;
  params.Adicionar({.Alias = "pCodigoEstab", .Posicao = 3});
  params.Adicionar({.Alias = "pCompet", .Posicao = 0});
  params.Adicionar({.Alias = "pCodigoEmpresa", .Posicao = 2});
  params.Adicionar({.Alias = "pOutro", .Posicao = 2});  // equal positions keep the order they came in
  params.Adicionar({.Alias = "pUltimo"});               // after the others
  QStringList ordem;
  for (int i = 0; i < params.GetCount(); ++i) ordem << params.GetParams(i)->Alias();
  EXPECT_EQ(ordem, (QStringList{"pCompet", "pCodigoEmpresa", "pOutro", "pCodigoEstab", "pUltimo"}));

  EXPECT_EQ(params.Param(QStringLiteral("PCOMPET")), params.GetParams(0));
  EXPECT_EQ(params.FindParam(QStringLiteral("pNada")), nullptr);
  EXPECT_EQ(params.EdFindFieldControl(QStringLiteral("pNada")), nullptr);
  try {
    params.Param(QStringLiteral("pNada"));
    ADD_FAILURE() << "Exception esperada";
  } catch (const Exception &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("pNada")));
  }
  EXPECT_THROW(params.Adicionar({.Alias = "PCOMPET"}), Exception);
  EXPECT_THROW(params.Adicionar({.Alias = "  "}), Exception);
  EXPECT_THROW(params.GetParams(5), Exception);
}

TEST(PowerParam, OnParamChangeFiresOncePerRealChangeAndNotAgainForTheParameterItsHandlerSets) {
  TnpqPowerParam params;
  TnpqParamItem &tipo = params.Adicionar({.Alias = "pTipo", .Tipo = TnTipoParam::CheckList, .Valores = kTipos});
  TnpqParamItem &folha = params.Adicionar(
      {.Alias = "pTipoFolha", .Padrao = "1", .Habilitado = false, .Valores = "Totalizar=1;Por Funcionário=2;"});
  QStringList disparos;
  // As the generation process does: the payroll mode only while type 6 is on.
  params.OnParamChange = [&](TnpqPowerParam &sender, TnpqParamItem &param) {
    EXPECT_EQ(&sender, &params);
    disparos << param.Alias();
    if (param.Alias().compare(QStringLiteral("ptipo"), Qt::CaseInsensitive) == 0) {
      const bool folhaLigada = BitLigado(param.GetAsString(), 6);
      sender.EdEnabledField(QStringLiteral("pTipoFolha"), folhaLigada);
      sender.EdRequiredField(QStringLiteral("pTipoFolha"), folhaLigada);
      param.Marcar(QStringLiteral("1"), true);  // federal debits always: changes pTipo again, silently
    }
  };
  tipo.SetAsString(QStringLiteral("6"));
  EXPECT_EQ(tipo.GetAsString(), QStringLiteral("1;6"));
  EXPECT_TRUE(params.EdFieldEnabled(QStringLiteral("pTipoFolha")));
  EXPECT_TRUE(folha.Obrigatorio());
  tipo.SetAsString(QStringLiteral("1;6"));  // no change
  tipo.Editor()->SetValor(QStringLiteral("1"));
  EXPECT_FALSE(folha.Habilitado());
  folha.SetAsString(QStringLiteral("Por Funcionário"));
  EXPECT_EQ(disparos, (QStringList{"pTipo", "pTipo", "pTipoFolha"}));
}

TEST(PowerParam, ALeftEditorFiresOnParamExitForItsParameter) {
  TnpqPowerParam params;
  TnpqParamItem &texto = params.Adicionar({.Alias = "pObservacao"});
  TnpqParamItem *saiu = nullptr;
  params.OnParamExit = [&](TnpqPowerParam &, TnpqParamItem &param) { saiu = &param; };
  texto.Editor()->Sair();
  EXPECT_EQ(saiu, &texto);
}

TEST(PowerParam, KeptValuesLeaveOutputNumbersAndPutBackOnlyWhatStillFits) {
  TnpqPowerParam params;
  params.Adicionar({.Alias = "pDataInicial", .Dicionario = "DICDATA"}).SetAsDate(QDate(2026, 11, 1));
  params.Adicionar({.Alias = "pTipo", .Tipo = TnTipoParam::CheckList, .Valores = kTipos}).SetAsString("1;6");
  params.Adicionar({.Alias = "pCodigoPro", .Tipo = TnTipoParam::Numero}).SetAsInteger(77);
  const QVariantMap valores = params.Valores();
  EXPECT_EQ(valores.keys(), (QStringList{"pDataInicial", "pTipo"}));
  EXPECT_EQ(valores.value(QStringLiteral("pDataInicial")), QVariant(QDate(2026, 11, 1)));

  TnpqPowerParam outro;
  TnpqParamItem &data = outro.Adicionar({.Alias = "pDataInicial", .Dicionario = "DICDATA"});
  TnpqParamItem &codigo = outro.Adicionar({.Alias = "pCodigoPro", .Tipo = TnTipoParam::Numero});
  codigo.SetAsInteger(5);
  int mudancas = 0;
  outro.OnParamChange = [&](TnpqPowerParam &, TnpqParamItem &) { ++mudancas; };
  outro.SetValores({{QStringLiteral("PDATAINICIAL"), QDate(2026, 11, 1)},
                    {QStringLiteral("pCodigoPro"), 99},
                    {QStringLiteral("pSumiu"), QStringLiteral("x")}});
  EXPECT_EQ(data.GetAsDate(), QDate(2026, 11, 1));
  EXPECT_EQ(codigo.GetAsInteger(), 5);
  EXPECT_EQ(mudancas, 1);
}

// --- link editors over the sample office

class ParamLinkTest : public TnBancoTeste {};

TEST_F(ParamLinkTest, TheLinkControlsOwnCheckFailsForACodeThatDoesNotExist) {
  TnpqPowerParam params;
  TnpqParamItem &empresa = params.Adicionar({.Alias = "pCodigoEmpresa", .Dicionario = "CODIGOEMPRESA"});
  auto *link = dynamic_cast<TnFraCtrlNDLink *>(empresa.Editor());
  ASSERT_NE(link, nullptr);
  empresa.SetAsString(QStringLiteral("2"));
  EXPECT_TRUE(link->Existe());
  EXPECT_NO_THROW(link->Checar());
  for (const char *codigo : {"9", "abc", ""}) {
    empresa.SetAsString(QString::fromLatin1(codigo));
    EXPECT_FALSE(link->Existe()) << codigo;
  }
  empresa.SetAsString(QStringLiteral("9"));
  EXPECT_EQ(MensagemEnParam(&empresa, [&] { link->Checar(); }),
            QStringLiteral("O código 9 informado em Empresa não está cadastrado."));
}

TEST_F(ParamLinkTest, ALinkGivenItsTableByTheProcessIsCheckedThereAndOneWithoutATableIsAFault) {
  TnpqPowerParam params;
  // The box key has a lookup class but no name table in the dictionary.
  TnpqParamItem &caixa = params.Adicionar({.Alias = "pCodigoCaixaPro", .Dicionario = "CODIGOCAIXAPRO"});
  auto *link = dynamic_cast<TnFraCtrlNDLink *>(caixa.Editor());
  ASSERT_NE(link, nullptr);
  caixa.SetAsString(QStringLiteral("1"));
  EXPECT_THROW(link->Existe(), Exception);
  caixa.SetLink(QStringLiteral("EMPRESA"), QStringLiteral("CODIGOEMPRESA"));
  EXPECT_TRUE(link->Existe());
}

TEST_F(ParamLinkTest, LeavingALinkEditShowsTheNameOfTheCodeThenFiresOnParamExit) {
  TnpqPowerParam params;
  TnpqParamItem &empresa = params.Adicionar({.Alias = "pCodigoEmpresa", .Dicionario = "CODIGOEMPRESA"});
  auto *edit = dynamic_cast<TnFraCtrlNDLinkEdit *>(empresa.Editor());
  ASSERT_NE(edit, nullptr);
  QString descricaoNoExit;
  params.OnParamExit = [&](TnpqPowerParam &, TnpqParamItem &) { descricaoNoExit = edit->Descricao(); };
  empresa.SetAsString(QStringLiteral("2"));
  edit->Sair();
  EXPECT_EQ(descricaoNoExit, QStringLiteral("Padaria Pão Quente Ltda"));
  empresa.SetAsString(QStringLiteral("9"));
  edit->Sair();
  EXPECT_TRUE(edit->Descricao().isEmpty());
}
