#include "mVoxPkTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nEditorCampo_U.h"

namespace {

// The sample office has a template for each of the twelve types.
class CfgTipoProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("delete from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = 9"));
    FDM = Criar(QStringLiteral("TmVoxDMCfgTipoProtocolo"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Tipo() { return Dados().FieldByName(QStringLiteral("CODIGOTIPOPROTOCOLO")); }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRTIPOPROTOCOLO")); }
  // The description's editor, as the form shows it.
  TnEditorCampo &Editor() { return *FDM->EdFindFieldControl(QStringLiteral("DESCRTIPOPROTOCOLO")); }
  void IrPara(int tipo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPOPROTOCOLO"), tipo)); }
  // The lines the field picker offers for the current record's type.
  QStringList Oferecidos() {
    const qsizetype antes = FDialogos->Perguntas().size();
    FDialogos->Cancelar();
    Editor().ClicarBotao();
    if (FDialogos->Perguntas().size() != antes + 1) return {QStringLiteral("<nada oferecido>")};
    return FDialogos->Perguntas().last().Opcoes;
  }

  TnDMClientDataSet *FDM = nullptr;
  TnDialogosTeste FDialogos;
};

// Dialogs whose list is confirmed with no line chosen, as a list with no
// lines can only be.
class TnListaConfirmadaVazia : public TnDialogosRoteiro {
 public:
  bool InputQueryListBox(const QString &caption, const QStringList &lista, QString &) override {
    Listas << lista;
    Captions << caption;
    return true;
  }
  QList<QStringList> Listas;
  QStringList Captions;
};

// The types are not numbered in display order: a caption must store its own
// code, not its place in the list.
TEST_F(CfgTipoProtocoloTeste, TypeChosenByItsCaptionStoresItsCode) {
  Dados().Append();
  Tipo()->SetText(QStringLiteral("Débitos FGTS"));
  Descricao()->SetAsString(QStringLiteral("FGTS [COMPETENCIA]"));
  Dados().Post();
  EXPECT_EQ(
      Valor(QStringLiteral("select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = 9")).toString(),
      QStringLiteral("FGTS [COMPETENCIA]"));

  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPOPROTOCOLO"), 10));
  EXPECT_EQ(Tipo()->DisplayText(), QStringLiteral("Débitos FOLHA"));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPOPROTOCOLO"), 6));
  EXPECT_EQ(Tipo()->DisplayText(), QStringLiteral("Folha de Pagamento"));
}

TEST_F(CfgTipoProtocoloTeste, TemplateWithoutTypeOrDescriptionIsRefused) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("FGTS [COMPETENCIA]"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Tipo de Protocolo deve ser informado."));
  Tipo()->SetAsInteger(9);
  Descricao()->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Descrição deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("CFGTIPOPROTOCOLO")), 11);
}

// --- The field picker of the description ----------------------------------------

// Only the token goes in, after what the user typed and has not saved yet.
TEST_F(CfgTipoProtocoloTeste, PickerAppendsOnlyTheTokenToTheTextTypedInTheEditor) {
  IrPara(1);
  ASSERT_TRUE(Editor().Digitar(QStringLiteral("Imposto [DESCRPROTOCOLO] ")));
  FDialogos->ResponderTexto(QStringLiteral("Valor do Débito [VALORDEBITO]"));
  EXPECT_TRUE(Editor().ClicarBotao());
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Configuração Nome Arquivo")});
  EXPECT_EQ(Descricao()->AsString(), QStringLiteral("Imposto [DESCRPROTOCOLO] [VALORDEBITO]"));
  Dados().Post();
  EXPECT_EQ(
      Valor(QStringLiteral("select DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = 1")).toString(),
      QStringLiteral("Imposto [DESCRPROTOCOLO] [VALORDEBITO]"));
}

TEST_F(CfgTipoProtocoloTeste, PickerEditsABrowsedRecordOnlyWhenAFieldIsChosen) {
  IrPara(6);
  FDialogos->Cancelar();
  EXPECT_TRUE(Editor().ClicarBotao());
  EXPECT_EQ(Dados().State(), TnDataSetState::Browse);
  EXPECT_EQ(Descricao()->AsString(), QStringLiteral("Folha de Pagamento [QUANTIDADE][NOMEFUNC]"));

  FDialogos->ResponderTexto(QStringLiteral("Quantidade de Funcionários [QUANTIDADE]"));
  EXPECT_TRUE(Editor().ClicarBotao());
  EXPECT_EQ(Dados().State(), TnDataSetState::Edit);
  EXPECT_EQ(Descricao()->AsString(), QStringLiteral("Folha de Pagamento [QUANTIDADE][NOMEFUNC][QUANTIDADE]"));
}

// Some labels have no blank before their bracket.
TEST_F(CfgTipoProtocoloTeste, LabelGluedToItsBracketStillGivesOnlyTheToken) {
  IrPara(7);
  FDialogos->ResponderTexto(QStringLiteral("Salário Final[SALFINAL]"));
  EXPECT_TRUE(Editor().ClicarBotao());
  EXPECT_EQ(Descricao()->AsString(),
            QStringLiteral("Rescisão [CodigoFuncContr] - [NOMEFUNC] - Data [DATARESC][SALFINAL]"));
}

TEST_F(CfgTipoProtocoloTeste, UnionDebitsOfferNoObservationWhileOtherDebitsDo) {
  const QString observacao = QStringLiteral("Observação [OBSERVDEBITO]");
  IrPara(4);
  const QStringList sindical = Oferecidos();
  EXPECT_FALSE(sindical.contains(observacao));
  EXPECT_TRUE(sindical.contains(QStringLiteral("Descrição para Protocolo [DESCRPROTOCOLO]")));
  IrPara(1);
  const QStringList federal = Oferecidos();
  EXPECT_EQ(federal, sindical + QStringList{observacao});
  IrPara(10);
  const QStringList folha = Oferecidos();
  EXPECT_TRUE(folha.contains(observacao));
  EXPECT_TRUE(folha.contains(QStringLiteral("Código do Funcionário [CodigoFuncContr]")));
  EXPECT_FALSE(folha.contains(QStringLiteral("Código do Imposto [CODIGOIMPOSTO]")));
}

// Nothing to offer fields for: no dialog at all (the script fails on any).
TEST_F(CfgTipoProtocoloTeste, ButtonDoesNothingWithoutATypeOrWithoutARecord) {
  Dados().Append();
  ASSERT_TRUE(Editor().Digitar(QStringLiteral("Sem tipo")));
  EXPECT_TRUE(Editor().ClicarBotao());
  EXPECT_EQ(Dados().State(), TnDataSetState::Insert);
  EXPECT_EQ(Descricao()->AsString(), QStringLiteral("Sem tipo"));
  Dados().Cancel();

  ExecutarSQLDireto(QStringLiteral("delete from CFGTIPOPROTOCOLO"));
  auto *vazio = Criar(QStringLiteral("TmVoxDMCfgTipoProtocolo"));
  ASSERT_NE(vazio, nullptr);
  ASSERT_TRUE(vazio->nClientDataSet->IsEmpty());
  EXPECT_TRUE(vazio->EdFindFieldControl(QStringLiteral("DESCRTIPOPROTOCOLO"))->ClicarBotao());
  EXPECT_EQ(vazio->nClientDataSet->State(), TnDataSetState::Browse);
  EXPECT_EQ(vazio->nClientDataSet->RecordCount(), 0);
}

// FGTS debits offer no fields; confirming the empty list still starts the
// edit, and the text stays.
TEST_F(CfgTipoProtocoloTeste, ConfirmingTheEmptyListOfFgtsEditsWithoutChangingTheText) {
  Dados().Append();
  Tipo()->SetAsInteger(9);
  Descricao()->SetAsString(QStringLiteral("FGTS [COMPETENCIA]"));
  Dados().Post();

  TnListaConfirmadaVazia lista;
  TnDialogos *anterior = nSetDialogos(&lista);
  const bool clicou = Editor().ClicarBotao();
  nSetDialogos(anterior);
  EXPECT_TRUE(clicou);
  ASSERT_EQ(lista.Listas.size(), 1);
  EXPECT_TRUE(lista.Listas.first().isEmpty());
  EXPECT_EQ(lista.Captions.first(), QStringLiteral("Configuração Nome Arquivo"));
  EXPECT_EQ(Dados().State(), TnDataSetState::Edit);
  EXPECT_EQ(Descricao()->AsString(), QStringLiteral("FGTS [COMPETENCIA]"));
}

// A token that would pass the template's 100 characters is refused whole:
// half a token would be copied into every description as text.
TEST_F(CfgTipoProtocoloTeste, TokenThatDoesNotFitTheTemplateIsRefusedWhole) {
  IrPara(1);
  const QString quase = QString(88, QLatin1Char('x'));
  ASSERT_TRUE(Editor().Digitar(quase));
  FDialogos->SetAceitarMensagens(true);
  FDialogos->ResponderTexto(QStringLiteral("Valor do Débito [VALORDEBITO]"));
  EXPECT_FALSE(Editor().ClicarBotao());
  EXPECT_TRUE(FDialogos->Textos().contains(
      QStringLiteral("O valor informado para Descrição excede o tamanho máximo de 100 caracteres.")))
      << FDialogos->Textos().join(QStringLiteral(" / ")).toStdString();
  EXPECT_EQ(Descricao()->AsString(), quase);

  FDialogos->ResponderTexto(QStringLiteral("Período Final do Débito [DATAFINAL]"));
  EXPECT_TRUE(Editor().ClicarBotao());
  EXPECT_EQ(Descricao()->AsString(), quase + QStringLiteral("[DATAFINAL]"));
}

}  // namespace
