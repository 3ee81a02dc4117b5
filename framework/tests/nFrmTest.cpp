#include <gtest/gtest.h>

#include <QPointer>
#include <memory>

#include "nBancoTeste_U.h"
#include "nDMTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmCadGrid_U.h"
#include "nFrmCadScrollBox_U.h"
#include "nFrmConGrid_U.h"
#include "nFrmVisual_U.h"
#include "nModalTeste_U.h"

namespace {

// --- the visual form on its own

TEST(FrmVisualTeste, ToolButtonPressRunsItsHandlerWithTheButtonAsSender) {
  TnFrmVisual form;
  QObject *remetente = nullptr;
  TnToolButton *botao = form.CriarToolButton(
      QStringLiteral("Baixar Protocolo"), QStringLiteral("Baixar o protocolo"), 65,
      [&](QObject *sender) { remetente = sender; }, QStringLiteral("F6"), 0, -1, true, true, true, nullptr, QString());
  ASSERT_NE(botao, nullptr);
  EXPECT_EQ(botao->Name(), QStringLiteral("btnBaixarProtocolo"));
  EXPECT_TRUE(botao->Separador());
  EXPECT_TRUE(botao->Click());
  EXPECT_EQ(remetente, botao);
}

TEST(FrmVisualTeste, DisabledOrHiddenButtonCannotBePressed) {
  TnFrmVisual form;
  int vezes = 0;
  TnToolButton *botao = form.CriarToolButton(
      QStringLiteral("Cancelar Tudo"), QString(), 168, [&](QObject *) { ++vezes; }, QStringLiteral("Alt+F6"));
  botao->SetEnabled(false);
  EXPECT_FALSE(botao->Click());
  EXPECT_FALSE(form.PressionarAtalho(nTeclaF3 + 3, ssAlt));
  botao->SetEnabled(true);
  botao->SetVisible(false);
  EXPECT_FALSE(botao->Click());
  botao->SetVisible(true);
  EXPECT_TRUE(form.PressionarAtalho(117, ssAlt));  // Alt+F6
  EXPECT_EQ(vezes, 1);
}

TEST(FrmVisualTeste, FailingButtonHandlerIsShownOnceAndGoesNoFurther) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  TnFrmVisual form;
  TnToolButton *botao = form.CriarToolButton(QStringLiteral("Falha"), QString(), 0, [](QObject *) {
    throw Exception(QStringLiteral("Impossível baixar um protocolo cancelado!"));
  });
  EXPECT_FALSE(botao->Click());
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Impossível baixar um protocolo cancelado!")});
}

TEST(FrmVisualTeste, ButtonsKeepTheirPlaceInTheToolBar) {
  TnFrmVisual form;
  form.CriarToolButton(QStringLiteral("A"), QString(), 0, nullptr);
  form.CriarToolButton(QStringLiteral("C"), QString(), 0, nullptr);
  form.CriarToolButton(QStringLiteral("B"), QString(), 0, nullptr, QString(), 0, 1);
  QStringList captions;
  for (const auto &botao : form.ToolButtons()) captions << botao->Caption();
  EXPECT_EQ(captions, (QStringList{"A", "B", "C"}));
  EXPECT_EQ(form.ToolButton(QStringLiteral("b")), form.ToolButtons().at(1));
}

TEST(FrmVisualTeste, ShowModalWithoutAScreenCountsAsCancelled) {
  TnFrmVisual form;
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_FALSE(form.Exibindo());
}

TEST(FrmVisualTeste, ModalHookClosesTheFormAndCloseQueryCanRefuse) {
  TnFrmVisual form;
  int tentativas = 0;
  form.OnCloseQuery = [&](TnFrmVisual &, bool &podeFechar) { podeFechar = ++tentativas > 1; };
  TnModalTeste modal([](TnFrmVisual &f) {
    EXPECT_TRUE(f.Exibindo());
    EXPECT_FALSE(f.Fechar(mrOk));
    EXPECT_EQ(f.ModalResult(), mrNone);
    EXPECT_TRUE(f.Fechar(mrOk));
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(tentativas, 2);
}

TEST(FrmVisualTeste, ModalHookReturningWithTheFormOpenCountsAsCancelled) {
  TnFrmVisual form;
  TnModalTeste modal([](TnFrmVisual &) {});
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(FrmVisualTeste, PanelsPlacedOnTheFormGoAwayWithIt) {
  auto form = std::make_unique<TnFrmVisual>();
  QPointer<TnPainel> painel = new TnPainel(form->AreaToolBar(), QStringLiteral("pnlCancelado"));
  painel->SetCaption(QStringLiteral("Cancelado"));
  painel->SetCorFonte(nCorVermelho);
  bool viuPainel = false;
  form->AdicionarAoDestruir([&](TnFrmVisual &) { viuPainel = !painel.isNull(); });
  const int removido = form->AdicionarAoDestruir([](TnFrmVisual &) { ADD_FAILURE() << "removed handler ran"; });
  form->RemoverAoDestruir(removido);
  form.reset();
  EXPECT_TRUE(viuPainel);
  EXPECT_TRUE(painel.isNull());
}

TEST(FrmVisualTeste, ActionsByNameAreEnabledAndRunByName) {
  TnFrmVisual form;
  int gravou = 0;
  form.CriarAction(
      QStringLiteral("actGravar"), QStringLiteral("Gravar"), [&](QObject *) { ++gravou; },
      QStringLiteral("Ctrl+Enter"));
  form.HabilitaDesabilitaActions({QStringLiteral("ACTGRAVAR"), QStringLiteral("actNaoExiste")}, false);
  EXPECT_FALSE(form.ExecutarAction(QStringLiteral("actGravar")));
  form.HabilitaDesabilitaActions({QStringLiteral("actGravar")}, true);
  EXPECT_TRUE(form.PressionarAtalho(nTeclaEnter, ssCtrl));
  EXPECT_EQ(gravou, 1);
}

TEST(FrmVisualTeste, FocusOfAControlInsideAChildFormIsTheOuterForms) {
  TnFrmVisual externo;
  auto *interno = new TnFrmVisual(nullptr, externo.AreaCliente());
  QObject controle;
  interno->SetFoco(&controle);
  EXPECT_EQ(externo.Foco(), &controle);
  EXPECT_EQ(interno->FormPai(), &externo);
}

// --- forms built by data modules

class FrmDMTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    nDMConexao()->Selecao().Limpar();
    FRegistro = std::make_unique<TnRegistroTeste>();
    nInserirProtocolosTeste();
  }
  void TearDown() override {
    FRegistro.reset();
    TnBancoTeste::TearDown();
  }
  std::unique_ptr<TnRegistroTeste> FRegistro;
};

TEST_F(FrmDMTeste, RegisterFormIsAScrollBoxWithOneEditorPerVisibleField) {
  auto *dm = dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo")));
  dm->Campo(QStringLiteral("TIPOPRO"))->SetVisible(false);
  TnFrmVisual *form = dm->CriarForm();
  auto *cadastro = dynamic_cast<TnFrmCadScrollBox *>(form);
  ASSERT_NE(cadastro, nullptr);
  EXPECT_TRUE(form->HerdaDe(QStringLiteral("TnFrmCadastro")));
  EXPECT_TRUE(form->HerdaDe(QStringLiteral("tnfrmvisual")));
  EXPECT_FALSE(form->HerdaDe(QStringLiteral("TnFrmCadGrid")));
  EXPECT_EQ(form->Caption(), QStringLiteral("Protocolo"));
  EXPECT_EQ(form->Name(), QStringLiteral("Frm") + dm->Name());
  EXPECT_EQ(cadastro->Editor(QStringLiteral("TIPOPRO")), nullptr);
  TnEditorCampo *observacao = cadastro->Editor(QStringLiteral("OBSERVACAO"));
  ASSERT_NE(observacao, nullptr);
  EXPECT_EQ(observacao->Text(), QStringLiteral("primeiro"));
  // The editor's row is what the field's definition points at.
  EXPECT_EQ(dm->Campo(QStringLiteral("OBSERVACAO"))->Definicao().Container(), observacao->Container());
  EXPECT_GT(observacao->Bottom(), cadastro->Editor(QStringLiteral("CODIGOPROTOCOLO"))->Bottom());
  EXPECT_EQ(cadastro->ControlesTopo().size(), 2);
  // The items grid sits in the rest of the form.
  auto *itens = dynamic_cast<TnDMClientDataSet *>(dm->FindGlobalDataModule(QStringLiteral("nTesteDMProtocoloItem")));
  ASSERT_NE(itens->Form(), nullptr);
  EXPECT_EQ(itens->Form()->ClassName(), QStringLiteral("TnFrmCadGrid"));
  EXPECT_EQ(itens->Form()->FormPai(), form);
  EXPECT_EQ(itens->Form()->Name(), QStringLiteral("Frm") + itens->Name());
}

TEST_F(FrmDMTeste, FreeingTheFormTellsTheModulesAndNullsTheirPanels) {
  auto *dm = dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo")));
  TnFrmVisual *form = dm->CriarForm();
  auto *itens =
      dynamic_cast<TnTesteDMProtocoloItem *>(dm->FindGlobalDataModule(QStringLiteral("nTesteDMProtocoloItem")));
  const QString nomeGradeItens = itens->Form()->Name();
  ASSERT_FALSE(dm->Status.isNull());
  delete form;
  EXPECT_EQ(dm->Form(), nullptr);
  EXPECT_EQ(itens->Form(), nullptr);
  EXPECT_TRUE(dm->Status.isNull());
  EXPECT_TRUE(dm->StatusNoDoFormDestroy);
  EXPECT_EQ(dm->FormsDestruidos, QStringList{QStringLiteral("Frm") + dm->Name()});
  // The items module hears of its own grid form; the master hears of both.
  EXPECT_TRUE(itens->Removidos.contains(nomeGradeItens));
  EXPECT_TRUE(dm->Removidos.contains(nomeGradeItens));
  // A new form reuses the same detail.
  dm->CriarForm();
  EXPECT_EQ(dm->Detalhes().size(), 1);
  EXPECT_EQ(dm->Detalhes().first(), itens);
}

TEST_F(FrmDMTeste, FailedPostThroughTheFormShowsTheMessageAndKeepsEditing) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  auto *dm = dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo")));
  auto *form = dynamic_cast<TnFrmCadastro *>(dm->CriarForm());
  ASSERT_TRUE(form->Editor(QStringLiteral("OBSERVACAO"))->Digitar(QStringLiteral("PROIBIDO")));
  EXPECT_FALSE(form->ExecutarAction(QStringLiteral("actDataSetPost")));
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Observação não permitida.")});
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Edit);
  EXPECT_EQ(form->Editor(QStringLiteral("OBSERVACAO"))->Text(), QStringLiteral("PROIBIDO"));
  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLO where CODIGOPROTOCOLO = 1")).toString(),
            QStringLiteral("primeiro"));
}

TEST_F(FrmDMTeste, DeleteActionAsksAndNaoKeepsTheRow) {
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("Não"));
  dialogos->ResponderTexto(QStringLiteral("Sim"));
  auto *dm = dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo")));
  TnFrmVisual *form = dm->CriarForm();
  dm->nClientDataSet->Last();
  EXPECT_TRUE(form->ExecutarAction(QStringLiteral("actDataSetDelete")));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 3);
  EXPECT_TRUE(form->ExecutarAction(QStringLiteral("actDataSetDelete")));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 2);
  EXPECT_EQ(dialogos->Textos(), (QStringList{"Confirma a exclusão do registro?", "Confirma a exclusão do registro?"}));
}

TEST_F(FrmDMTeste, SingleEntryFormClosesWithOkOnASuccessfulSave) {
  auto *dm =
      dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo"), nullptr, nModoIndividual));
  auto *form = dynamic_cast<TnFrmCadastro *>(dm->CriarForm());
  form->SetEntradaUnica(true);
  dm->nClientDataSet->Append();
  dm->Campo(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(2);
  dm->Campo(QStringLiteral("CODIGOESTAB"))->SetAsInteger(2);
  EXPECT_FALSE(form->Action(QStringLiteral("actDataSetNext"))->Enabled());
  EXPECT_FALSE(form->Action(QStringLiteral("actDataSetInsert"))->Enabled());
  TnModalTeste modal([](TnFrmVisual &f) {
    auto &cadastro = dynamic_cast<TnFrmCadastro &>(f);
    cadastro.Editor(QStringLiteral("DATALCTOPRO"))->Digitar(QStringLiteral("05/11/2026"));
    f.ExecutarAction(QStringLiteral("actDataSetPost"));
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 2")), 1);
}

TEST_F(FrmDMTeste, LookupGridGivesOkWithTheChosenRowCurrent) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEmpresa"), QString(), false, true));
  ASSERT_NE(dm, nullptr);
  auto *consulta = dynamic_cast<TnFrmConGrid *>(dm->CriarForm());
  ASSERT_NE(consulta, nullptr);
  EXPECT_EQ(consulta->Ordens().size(), 2);
  TnModalTeste modal([](TnFrmVisual &f) {
    auto &grade = dynamic_cast<TnFrmConGrid &>(f);
    grade.Grid()->ClicarCelula(1, 0);
    grade.Grid()->PressionarTecla(nTeclaEnter);
  });
  EXPECT_EQ(consulta->ShowModal(), 1);
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("CodigoEmpresa"))->AsInteger(), 2);
  delete consulta;
}

TEST_F(FrmDMTeste, LookupGridClosedWithEscIsCancelled) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEstab")));
  auto *consulta = dynamic_cast<TnFrmConGrid *>(dm->CriarForm());
  TnModalTeste modal([](TnFrmVisual &f) { dynamic_cast<TnFrmConGrid &>(f).Grid()->PressionarTecla(nTeclaEsc); });
  EXPECT_EQ(consulta->ShowModal(), mrCancel);
}

TEST_F(FrmDMTeste, LookupGridOrdersAndSearchesByTheChosenOrdering) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEmpresa")));
  auto *consulta = dynamic_cast<TnFrmConGrid *>(dm->CriarForm());
  ASSERT_TRUE(consulta->SetOrdem(1));  // by name
  dm->nClientDataSet->First();
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("NomeEmpresa"))->AsString(),
            QStringLiteral("Organização Contábil Exemplo Ltda"));
  EXPECT_TRUE(consulta->Pesquisar(QStringLiteral("tec")));
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("CodigoEmpresa"))->AsInteger(), 3);
  EXPECT_TRUE(consulta->Grid()->DblClick());
  EXPECT_EQ(consulta->ModalResult(), mrOk);
}

TEST_F(FrmDMTeste, EditorButtonOpensTheFieldsLookupNarrowedByTheFilledLinkFields) {
  auto *dm = dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo")));
  auto *form = dynamic_cast<TnFrmCadastro *>(dm->CriarForm());
  ASSERT_TRUE(form->Editor(QStringLiteral("CODIGOEMPRESA"))->Digitar(QStringLiteral("2")));
  int linhasNaConsulta = 0;
  TnModalTeste modal([&](TnFrmVisual &f) {
    auto &consulta = dynamic_cast<TnFrmConGrid &>(f);
    linhasNaConsulta = consulta.DataSet()->RecordCount();
    consulta.Grid()->ClicarCelula(2, 0);
    consulta.Escolher();
  });
  EXPECT_TRUE(form->Editor(QStringLiteral("CODIGOESTAB"))->ClicarBotao());
  EXPECT_EQ(linhasNaConsulta, 3);  // the establishments of company 2 only
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), 2);
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOESTAB"))->AsInteger(), 3);
  // The shared lookup is left as it was found.
  auto *estab = dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEstab"), QString(), false, false));
  ASSERT_NE(estab, nullptr);
  EXPECT_FALSE(estab->nClientDataSet->Filtered());
  EXPECT_EQ(estab->Form(), nullptr);
}

}  // namespace
