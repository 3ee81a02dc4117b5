// The process form's parameter editors by kind: what the user types or ticks
// reaches the item as the process reads it, leaving an editor fires
// OnParamExit (a link's code checked first), and the editors follow the
// items' visible, enabled and required states.
#include <gtest/gtest.h>

#include <QTest>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "nBancoTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDMPowerParamTab_U.h"
#include "nDMClientDataSet_U.h"
#include "nDialogosTeste_U.h"
#include "nDicionario_U.h"
#include "nField_U.h"
#include "nFraCtrlNDLink_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvos_U.h"
#include "nRegistro_U.h"
#include "nUnidadeRegistro_U.h"
#include "nVisaoPowerParam_U.h"
#include "npqParamItem_U.h"
#include "nParamsSalvosTeste_U.h"

namespace {

// The lookup a multi-select's button opens: the users.
class TnTesteDCUsuarioParam : public TnDMClientDataSet {
 public:
  TnTesteDCUsuarioParam() {
    nClientDataSet->SetCommandText(QStringLiteral(
        "Select t_t.CODIGOUSUARIO,t_t.NOMEUSUARIO from USUARIO t_t ORDER BY t_t.CodigoUsuario"));
  }
  static int PegarTipoObjeto() { return 2; }
  QString ChavePrimaria() const override { return QStringLiteral("CODIGOUSUARIO"); }
};

const QString kChaveLookup = QStringLiteral("CODIGOTESTEUSUARIOPARAM");

void RegistrarChaveLookup() {
  TnEntradaDicionario entrada;
  entrada.Tipo = TnFieldType::Integer;
  entrada.Rotulo = QStringLiteral("Usuários");
  entrada.LookupClassName = QStringLiteral("TnTesteDCUsuarioParam");
  TnDicionario::Registrar(kChaveLookup, entrada);
}

class TnTesteDPEditores : public TnDMPowerParamTab {
 public:
  void DataModuleCreate() override {
    TnDMPowerParamTab::DataModuleCreate();
    TnpqPowerParam &params = npqPowerParam();
    params.Adicionar({.Alias = "pData", .Caption = "Data", .Tipo = TnTipoParam::Data});
    params.Adicionar({.Alias = "pCompetencia", .Caption = "Competência", .Tipo = TnTipoParam::MesAno});
    params.Adicionar({.Alias = "pTipos",
                      .Caption = "Tipos",
                      .Tipo = TnTipoParam::CheckList,
                      .Valores = "Entrada=1;Saída=2;Ajuste=6"});
    params.Adicionar({.Alias = "pUsuario",
                      .Caption = "Usuário",
                      .Tipo = TnTipoParam::Link,
                      .TabelaLink = "USUARIO",
                      .CampoLink = "CODIGOUSUARIO",
                      .CampoDescricaoLink = "NOMEUSUARIO"});
    params.Adicionar({.Alias = "pObs", .Caption = "Observação"});
    params.Adicionar({.Alias = "pUsuarios",
                      .Tipo = TnTipoParam::Selecao,
                      .Dicionario = kChaveLookup,
                      .CampoLookup = "CODIGOUSUARIO",
                      .MultiSelecao = true});
    params.OnParamExit = [this](TnpqPowerParam &, TnpqParamItem &item) { Saidas << item.Alias(); };
  }
  QStringList Saidas;
};

class VisaoParamEditoresTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    RegistrarChaveLookup();
    FUnidade.Inicializar();
    FProcesso = dynamic_cast<TnTesteDPEditores *>(CriarDM(QStringLiteral("TnTesteDPEditores")));
    ASSERT_NE(FProcesso, nullptr);
    FForm = FProcesso->CriarForm();
    ASSERT_NE(FForm, nullptr);
    FVisao = std::make_unique<TnVisaoPowerParam>(FForm);
    FVisao->show();
  }
  void TearDown() override {
    FVisao.reset();
    FUnidade.Finalizar();
    TnRegistro::Instancia().DestruirTodos();
    TnBancoTeste::TearDown();
  }
  TnpqParamItem &Item(const char *alias) { return *FProcesso->npqPowerParam().Param(QString::fromLatin1(alias)); }
  QLineEdit *Texto(const char *alias) { return FVisao->TextoParametro(QString::fromLatin1(alias)); }
  // The user types into an editor and leaves it.
  void Digitar(const char *alias, const QString &texto) {
    QLineEdit *editor = Texto(alias);
    ASSERT_NE(editor, nullptr);
    editor->setText(texto);
    Sair(editor);
  }
  void Sair(QWidget *editor) {
    QFocusEvent saiu(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(editor, &saiu);
  }

  TnParamsSalvosTeste FParams;
  TnTesteDPEditores *FProcesso = nullptr;
  TnFrmPowerParam *FForm = nullptr;
  std::unique_ptr<TnVisaoPowerParam> FVisao;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{nInfoClasse<TnTesteDPEditores>("TnTesteDPEditores", "TnDMPowerParamTab"),
                               nInfoClasse<TnTesteDCUsuarioParam>("TnTesteDCUsuarioParam", "TnDMClientDataSet")};
  });
};

}  // namespace

TEST_F(VisaoParamEditoresTeste, DateAndMonthYearAreTypedInTheirFormatsAndKeptAsDates) {
  Digitar("pData", QStringLiteral("15/11/2026"));
  EXPECT_EQ(Item("pData").GetAsDate(), QDate(2026, 11, 15));
  // A competence is typed month/year and kept as its day 1.
  Digitar("pCompetencia", QStringLiteral("11/2026"));
  EXPECT_EQ(Item("pCompetencia").GetAsDate(), QDate(2026, 11, 1));
  EXPECT_EQ(Item("pCompetencia").GetAsString(), QStringLiteral("01/11/2026"));
  // Set by the process, each shows in its own format.
  Item("pCompetencia").SetAsDate(QDate(2025, 3, 1));
  Item("pData").SetAsDate(QDate(2025, 3, 9));
  FVisao->Sincronizar();
  EXPECT_EQ(Texto("pCompetencia")->text(), QStringLiteral("03/2025"));
  EXPECT_EQ(Texto("pData")->text(), QStringLiteral("09/03/2025"));
}

TEST_F(VisaoParamEditoresTeste, DateTypedAsDigitsOnlyGetsItsSlashesFromTheMask) {
  QLineEdit *data = Texto("pData");
  FVisao->show();
  data->setFocus();
  QTest::keyClick(data, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(data, QStringLiteral("01112026"));
  EXPECT_EQ(data->text(), QStringLiteral("01/11/2026"));
  Sair(data);
  EXPECT_EQ(Item("pData").GetAsDate(), QDate(2026, 11, 1));
  // Emptied, the parameter is empty (not "//").
  QTest::keyClick(data, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(data, Qt::Key_Delete);
  Sair(data);
  EXPECT_TRUE(Item("pData").IsNull());
}

TEST_F(VisaoParamEditoresTeste, CheckListTicksGiveTheValuesInListOrder) {
  auto *lista = qobject_cast<QListWidget *>(FVisao->EditorParametro(QStringLiteral("pTipos")));
  ASSERT_NE(lista, nullptr);
  ASSERT_EQ(lista->count(), 3);
  EXPECT_EQ(lista->item(1)->text(), QStringLiteral("Saída"));
  lista->item(2)->setCheckState(Qt::Checked);
  lista->item(0)->setCheckState(Qt::Checked);
  EXPECT_EQ(Item("pTipos").GetAsString(), QStringLiteral("1;6"));
  lista->item(2)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(Item("pTipos").GetAsString(), QStringLiteral("1"));
  // Ticked by the process, the lines follow.
  Item("pTipos").SetAsString(QStringLiteral("2;6"));
  FVisao->Sincronizar();
  EXPECT_EQ(lista->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(lista->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(lista->item(2)->checkState(), Qt::Checked);
}

TEST_F(VisaoParamEditoresTeste, LeavingAnEditorFiresParamExitAfterTheValueIsIn) {
  QString valorNaSaida;
  FProcesso->npqPowerParam().OnParamExit = [&](TnpqPowerParam &, TnpqParamItem &item) {
    FProcesso->Saidas << item.Alias();
    valorNaSaida = item.GetAsString();
  };
  Digitar("pObs", QStringLiteral("urgente"));
  EXPECT_EQ(FProcesso->Saidas, QStringList{QStringLiteral("pObs")});
  EXPECT_EQ(valorNaSaida, QStringLiteral("urgente"));
  // Focus going to a popup or another window is no exit.
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QCoreApplication::sendEvent(Texto("pObs"), &popup);
  EXPECT_EQ(FProcesso->Saidas.size(), 1);
}

TEST_F(VisaoParamEditoresTeste, LinkCodeThatDoesNotExistIsReportedOnExitAndKept) {
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  Digitar("pUsuario", QStringLiteral("1"));
  EXPECT_TRUE(dialogos->Textos().isEmpty());
  Digitar("pUsuario", QStringLiteral("987654"));
  ASSERT_EQ(dialogos->Textos().size(), 1);
  EXPECT_TRUE(dialogos->Textos().first().contains(QStringLiteral("987654")));
  EXPECT_EQ(Item("pUsuario").GetAsString(), QStringLiteral("987654"));
  EXPECT_EQ(FProcesso->Saidas, (QStringList{QStringLiteral("pUsuario"), QStringLiteral("pUsuario")}));
}

// A process that asks about a missing code itself turns the exit check off:
// leaving the field says nothing, the code stays for the process to judge.
TEST_F(VisaoParamEditoresTeste, LinkWhoseProcessChecksTheCodeItselfSaysNothingOnExit) {
  TnDialogosTeste dialogos;
  dynamic_cast<TnFraCtrlNDLink *>(Item("pUsuario").Editor())->SetChecarNaSaida(false);
  FVisao->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
  QLineEdit *editor = Texto("pUsuario");
  editor->setFocus();
  QTest::keyClicks(editor, QStringLiteral("987654"));
  QTest::keyClick(editor, Qt::Key_Tab);
  EXPECT_FALSE(editor->hasFocus());
  EXPECT_TRUE(dialogos->Textos().isEmpty());
  EXPECT_EQ(Item("pUsuario").GetAsString(), QStringLiteral("987654"));
  EXPECT_EQ(FProcesso->Saidas, QStringList{QStringLiteral("pUsuario")});
}

TEST_F(VisaoParamEditoresTeste, EditorsFollowVisibleEnabledAndRequired) {
  TnpqParamItem &obs = Item("pObs");
  QWidget *editor = FVisao->EditorParametro(QStringLiteral("pObs"));
  QLabel *rotulo = FVisao->RotuloParametro(QStringLiteral("pObs"));
  ASSERT_NE(rotulo, nullptr);
  EXPECT_FALSE(rotulo->font().bold());
  obs.SetObrigatorio(true);
  obs.SetHabilitado(false);
  FVisao->Sincronizar();
  EXPECT_TRUE(rotulo->font().bold());
  EXPECT_FALSE(editor->isEnabled());
  obs.SetVisivel(false);
  FVisao->Sincronizar();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_FALSE(rotulo->isVisible());
  obs.SetVisivel(true);
  obs.SetHabilitado(true);
  FVisao->Sincronizar();
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(editor->isEnabled());
}

TEST_F(VisaoParamEditoresTeste, ParameterWithoutLookupClassHasNoButton) {
  EXPECT_EQ(FVisao->BotaoLookup(QStringLiteral("pUsuario")), nullptr);
  EXPECT_EQ(FVisao->EditorParametro(QStringLiteral("pUsuario")), Texto("pUsuario"));
}

TEST_F(VisaoParamEditoresTeste, MultiSelectButtonOpensTheDictionaryLookupAndAddsTheChosenCode) {
  QToolButton *botao = FVisao->BotaoLookup(QStringLiteral("pUsuarios"));
  ASSERT_NE(botao, nullptr);
  QString escolhido;
  int aberturas = 0;
  const TnExecutarFormModal anterior = nSetExecutarFormModal([&](TnFrmVisual &form) {
    ++aberturas;
    auto *lookup = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
    ASSERT_NE(lookup, nullptr);
    escolhido = lookup->nClientDataSet->FindField(QStringLiteral("CODIGOUSUARIO"))->AsString();
    form.Fechar(mrOk);
  });
  Texto("pUsuarios")->setText(QStringLiteral("7-9"));
  botao->click();
  botao->click();  // the same code again is not repeated
  nSetExecutarFormModal(anterior);
  EXPECT_EQ(aberturas, 2);
  ASSERT_FALSE(escolhido.isEmpty());
  EXPECT_EQ(Item("pUsuarios").GetAsString(), QStringLiteral("7-9;") + escolhido);
  EXPECT_EQ(Texto("pUsuarios")->text(), Item("pUsuarios").GetAsString());
}

TEST_F(VisaoParamEditoresTeste, CancelledLookupChangesNothing) {
  const TnExecutarFormModal anterior = nSetExecutarFormModal([](TnFrmVisual &form) { form.Fechar(mrCancel); });
  Item("pUsuarios").SetAsString(QStringLiteral("3"));
  FVisao->Sincronizar();
  EXPECT_FALSE(FVisao->AbrirLookupParametro(QStringLiteral("pUsuarios")));
  nSetExecutarFormModal(anterior);
  EXPECT_EQ(Item("pUsuarios").GetAsString(), QStringLiteral("3"));
}
