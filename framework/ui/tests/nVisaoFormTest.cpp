#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "nDBGrid_U.h"
#include "nDialogosTeste_U.h"
#include "nEditData_U.h"
#include "nEditorCampo_U.h"
#include "nException_U.h"
#include "nFrmCadastro_U.h"
#include "nFrmVisual_U.h"
#include "nGuarda_U.h"
#include "nInstalarUi_U.h"
#include "nListaImagens_U.h"
#include "nVisaoCadastro_U.h"
#include "nVisaoForm_U.h"
#include "nVisaoFormTeste_U.h"

namespace {

QStringList TextosDaToolBar(const TnVisaoForm &visao) {
  QStringList textos;
  for (QAction *action : visao.ToolBar()->actions())
    if (!action->isSeparator() && action->isVisible()) textos << action->text();
  return textos;
}

// --- the chrome every form shares

TEST(VisaoFormTeste, ToolBarFollowsTheButtonsOrderAndStateOfTheModel) {
  TnFrmVisual form;
  form.CriarToolButton(QStringLiteral("Baixar"), QStringLiteral("Baixar o protocolo"), 65, [](QObject *) {});
  TnToolButton *cancelar = form.CriarToolButton(QStringLiteral("Cancelar"), QString(), 168, [](QObject *) {});
  TnVisaoForm visao(&form);
  EXPECT_EQ(TextosDaToolBar(visao), (QStringList{"Baixar", "Cancelar"}));
  EXPECT_EQ(visao.ActionDoBotao(form.ToolButton(QStringLiteral("Baixar")))->toolTip(),
            QStringLiteral("Baixar o protocolo"));

  // A module disables, hides and adds buttons after the view was built.
  cancelar->SetEnabled(false);
  form.CriarToolButton(QStringLiteral("Imprimir"), QString(), 39, nullptr, QString(), 0, 0);
  visao.Sincronizar();
  EXPECT_EQ(TextosDaToolBar(visao), (QStringList{"Imprimir", "Baixar", "Cancelar"}));
  EXPECT_FALSE(visao.ActionDoBotao(cancelar)->isEnabled());
  form.ToolButton(QStringLiteral("Baixar"))->SetVisible(false);
  visao.Sincronizar();
  EXPECT_EQ(TextosDaToolBar(visao), (QStringList{"Imprimir", "Cancelar"}));
}

TEST(VisaoFormTeste, PressingTheToolBarActionPressesTheModelsButton) {
  TnFrmVisual form;
  QObject *remetente = nullptr;
  TnToolButton *botao =
      form.CriarToolButton(QStringLiteral("Baixar"), QString(), 65, [&](QObject *sender) { remetente = sender; });
  TnVisaoForm visao(&form);
  visao.ActionDoBotao(botao)->trigger();
  EXPECT_EQ(remetente, botao);
}

TEST(VisaoFormTeste, FailingButtonIsShownByTheGuardAndTheViewStays) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  TnFrmVisual form;
  TnToolButton *botao = form.CriarToolButton(QStringLiteral("Baixar"), QString(), 65, [](QObject *) {
    throw Exception(QStringLiteral("Impossível baixar um protocolo cancelado!"));
  });
  TnVisaoForm visao(&form);
  visao.ActionDoBotao(botao)->trigger();
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Impossível baixar um protocolo cancelado!")});
  EXPECT_EQ(visao.Form(), &form);
}

TEST(VisaoFormTeste, StatusPanelsShowTheirCaptionColourAndFontAndFollowChanges) {
  TnFrmVisual form;
  auto *cancelado = new TnPainel(form.AreaToolBar(), QStringLiteral("pnlCancelado"));
  cancelado->SetCaption(QStringLiteral("Cancelado"));
  cancelado->SetCorFonte(nCorVermelho);
  cancelado->SetNegrito(true);
  cancelado->SetTamanhoFonte(10);
  cancelado->SetBorda(false);
  auto *baixado = new TnPainel(form.AreaTopo(), QStringLiteral("lbBaixado"));
  baixado->SetCaption(QStringLiteral("Baixado"));
  baixado->SetCorFonte(nCorAzul);
  form.SetStatusTexto(QStringLiteral("Registro 1 de 2"));
  TnVisaoForm visao(&form);
  visao.Sincronizar();
  auto *label = visao.AreaToolBar()->findChild<QLabel *>(QStringLiteral("pnlCancelado"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("Cancelado"));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(label->font().bold());
  EXPECT_EQ(label->font().pointSize(), 10);
  auto *topo = visao.AreaTopo()->findChild<QLabel *>(QStringLiteral("lbBaixado"));
  ASSERT_NE(topo, nullptr);
  EXPECT_EQ(topo->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(visao.Status()->text(), QStringLiteral("Registro 1 de 2"));

  // The module re-captions and hides its panel later.
  baixado->SetCaption(QStringLiteral("Cancelado"));
  baixado->SetCorFonte(nCorVermelho);
  cancelado->SetVisible(false);
  visao.Sincronizar();
  EXPECT_EQ(topo->text(), QStringLiteral("Cancelado"));
  EXPECT_EQ(topo->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(label->isHidden());
}

TEST(VisaoFormTeste, ViewGoesAwayWithItsForm) {
  auto form = std::make_unique<TnFrmVisual>();
  QPointer<QWidget> visao = nCriarVisao(form.get(), nullptr);
  visao->show();
  form.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(visao.isNull());
}

TEST(ListaImagensTeste, EveryIndexTheModulesNameHasAnIconEvenWithoutATheme) {
  for (int indice : {5, 6, 39, 45, 46, 53, 63, 65, 91, 93, 101, 112, 115, 153, 154, 160, 168, 196, 223}) {
    EXPECT_FALSE(TnListaImagens::Icone(indice).isNull()) << indice;
    EXPECT_FALSE(TnListaImagens::IconeDesenhado(indice).pixmap(16, 16).isNull()) << indice;
  }
  EXPECT_TRUE(TnListaImagens::Icone(-1).isNull());
  EXPECT_TRUE(TnListaImagens::Icone(9999).isNull());
}

// --- the register form

class VisaoCadastroTeste : public TnVisaoCadastroFixture {
 protected:
  void SetUp() override { Montar(false); }
  template <typename T>
  T *Widget(const char *nome) {
    return qobject_cast<T *>(FVisao->Widget(QString::fromLatin1(nome)));
  }
  TnEditData *Data(const char *nome) { return dynamic_cast<TnEditData *>(FVisao->Widget(QString::fromLatin1(nome))); }
  void Digitar(const char *nome, const QString &texto) {
    auto *editor = Widget<QLineEdit>(nome);
    ASSERT_NE(editor, nullptr);
    editor->setText(texto);
    Q_EMIT editor->returnPressed();
  }
  void ExecutarAction(const char *nome) {
    QAction *action = FVisao->ActionDaActionForm(FForm->Action(QString::fromLatin1(nome)));
    ASSERT_NE(action, nullptr) << nome;
    action->trigger();
  }

};

TEST_F(VisaoCadastroTeste, EachFieldGetsTheEditorItsControlKindAsksFor) {
  EXPECT_NE(Widget<QLineEdit>("NOME"), nullptr);
  EXPECT_NE(Widget<QLineEdit>("CODIGO"), nullptr);
  EXPECT_NE(Widget<QComboBox>("SITUACAO"), nullptr);
  ASSERT_NE(Data("DATA"), nullptr);
  EXPECT_NE(Widget<QPlainTextEdit>("OBS"), nullptr);
  EXPECT_EQ(FVisao->Botao(QStringLiteral("NOME")), nullptr);
  EXPECT_EQ(Widget<QLineEdit>("NOME")->text(), QStringLiteral("Cliente 1"));
  EXPECT_EQ(Widget<QComboBox>("SITUACAO")->currentText(), QStringLiteral("Aberto"));
  EXPECT_EQ(Data("DATA")->Data(), QDate(2026, 3, 1));
}

TEST_F(VisaoCadastroTeste, ToolBarOffersTheStandardDataSetActions) {
  for (const char *nome : {"actDataSetFirst", "actDataSetPrior", "actDataSetNext", "actDataSetLast",
                           "actDataSetInsert", "actDataSetDelete", "actDataSetPost", "actDataSetCancel",
                           "actDataSetRefresh"})
    EXPECT_NE(FVisao->ActionDaActionForm(FForm->Action(QString::fromLatin1(nome))), nullptr) << nome;
}

TEST_F(VisaoCadastroTeste, MovingToAnotherRecordShowsItsValues) {
  ExecutarAction("actDataSetNext");
  EXPECT_EQ(FDados->RecNo(), 2);
  EXPECT_EQ(Widget<QLineEdit>("NOME")->text(), QStringLiteral("Cliente 2"));
  EXPECT_EQ(Data("DATA")->Data(), QDate(2026, 3, 2));
}

TEST_F(VisaoCadastroTeste, TypedTextGoesThroughTheFieldAndTheDefinitionsOnChange) {
  int mudancas = 0;
  Campo("NOME")->Definicao().OnChange = [&](TnField &) { ++mudancas; };
  QString recebido;
  Campo("NOME")->OnSetText = [&](TnField &campo, const QString &texto) {
    recebido = texto;
    campo.SetAsString(texto.toUpper());
  };
  Digitar("NOME", QStringLiteral("acme ltda"));
  EXPECT_EQ(recebido, QStringLiteral("acme ltda"));
  EXPECT_EQ(FDados->State(), TnDataSetState::Edit);
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("ACME LTDA"));
  EXPECT_EQ(mudancas, 1);
  // The editor shows what the field took.
  EXPECT_EQ(Widget<QLineEdit>("NOME")->text(), QStringLiteral("ACME LTDA"));
}

TEST_F(VisaoCadastroTeste, ChoosingACaptionWritesItsValue) {
  auto *combo = Widget<QComboBox>("SITUACAO");
  const int indice = combo->findText(QStringLiteral("Cancelado"));
  combo->setCurrentIndex(indice);
  Q_EMIT combo->activated(indice);
  EXPECT_EQ(Campo("SITUACAO")->AsString(), QStringLiteral("3"));
}

TEST_F(VisaoCadastroTeste, RefusedTextIsShownAndStaysInTheEditorWhileTheFieldKeepsItsValue) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  Campo("NOME")->OnSetText = [](TnField &campo, const QString &) {
    throw EnField(&campo, QStringLiteral("Nome inválido!"));
  };
  Digitar("NOME", QStringLiteral("???"));
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Nome inválido!")});
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("Cliente 1"));
  FVisao->Sincronizar();  // the timer's reading must not wipe it either
  EXPECT_EQ(Widget<QLineEdit>("NOME")->text(), QStringLiteral("???"));
}

TEST_F(VisaoCadastroTeste, RefusedPostShowsTheMessageAndKeepsTheRecordAndTheTypedData) {
  TnDialogosTeste dialogos;
  dialogos->Responder(0);
  FDados->BeforePost = [](TnClientDataSet &dados) {
    if (dados.FieldByName(QStringLiteral("NOME"))->AsString().size() < 3)
      throw Exception(QStringLiteral("Informe o nome do cliente!"));
  };
  Digitar("NOME", QStringLiteral("X"));
  ExecutarAction("actDataSetPost");
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Informe o nome do cliente!")});
  EXPECT_EQ(FDados->State(), TnDataSetState::Edit);
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("X"));
  EXPECT_EQ(Widget<QLineEdit>("NOME")->text(), QStringLiteral("X"));
  EXPECT_TRUE(FVisao->isVisible());
  // Corrected, it posts.
  Digitar("NOME", QStringLiteral("Xavier"));
  ExecutarAction("actDataSetPost");
  EXPECT_EQ(FDados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Campo("NOME")->AsString(), QStringLiteral("Xavier"));
}

TEST_F(VisaoCadastroTeste, EditorStateFollowsTheDefinitionSetByTheModule) {
  Campo("NOME")->Definicao().SetEnabled(false);
  Campo("OBS")->Definicao().SetReadOnly(true);
  Campo("DATA")->Definicao().SetVisible(false);
  FVisao->Sincronizar();
  EXPECT_FALSE(Widget<QLineEdit>("NOME")->isEnabled());
  EXPECT_TRUE(Widget<QPlainTextEdit>("OBS")->isReadOnly());
  EXPECT_FALSE(Data("DATA")->isVisible());
  Campo("NOME")->Definicao().SetEnabled(true);
  FVisao->Sincronizar();
  EXPECT_TRUE(Widget<QLineEdit>("NOME")->isEnabled());
}

TEST_F(VisaoCadastroTeste, CancelPutsTheStoredValuesBackInTheEditors) {
  Digitar("NOME", QStringLiteral("Outro"));
  ExecutarAction("actDataSetCancel");
  EXPECT_EQ(FDados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Widget<QLineEdit>("NOME")->text(), QStringLiteral("Cliente 1"));
}

TEST(VisaoCadastroBotaoTeste, ButtonEditorRunsTheDefinitionsButtonHandler) {
  auto dados = nDadosCadastroTeste();
  TnField *nome = dados->FieldByName(QStringLiteral("NOME"));
  nome->Definicao().SetTipoControle(TnTipoControle::ButtonEdit);
  TnField *clicado = nullptr;
  nome->Definicao().OnButtonClick = [&](TnField &campo) { clicado = &campo; };
  TnFrmCadastro form(nullptr, dados.get());
  TnVisaoCadastro visao(&form);
  ASSERT_NE(visao.Botao(QStringLiteral("NOME")), nullptr);
  visao.Botao(QStringLiteral("NOME"))->click();
  EXPECT_EQ(clicado, nome);
}

TEST(VisaoCadastroEditoresTeste, CheckListAndMonthEditorsWriteWhatTheFieldKeeps) {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("MESES"), TnFieldType::String, 20);
  dados->AddFieldDef(QStringLiteral("COMPET"), TnFieldType::Date);
  dados->CreateDataSet();
  TnDefinicao &meses = dados->FieldByName(QStringLiteral("MESES"))->Definicao();
  meses.SetNomesValores({QStringLiteral("Janeiro=1"), QStringLiteral("Fevereiro=2"), QStringLiteral("Março=3")});
  meses.SetTipoControle(TnTipoControle::CheckList);
  dados->FieldByName(QStringLiteral("COMPET"))->Definicao().SetTipoControle(TnTipoControle::MesAno);
  dados->Append();
  dados->FieldByName(QStringLiteral("MESES"))->SetAsString(QStringLiteral("2"));
  dados->Post();
  TnFrmCadastro form(nullptr, dados.get());
  TnVisaoCadastro visao(&form);
  auto *lista = qobject_cast<QListWidget *>(visao.Widget(QStringLiteral("MESES")));
  ASSERT_NE(lista, nullptr);
  EXPECT_EQ(lista->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(lista->item(0)->checkState(), Qt::Unchecked);
  lista->item(2)->setCheckState(Qt::Checked);  // the user ticks "Março"
  EXPECT_EQ(dados->FieldByName(QStringLiteral("MESES"))->AsString(), QStringLiteral("2;3"));

  auto *mes = dynamic_cast<TnEditData *>(visao.Widget(QStringLiteral("COMPET")));
  ASSERT_NE(mes, nullptr);
  EXPECT_TRUE(mes->MesAno());
  mes->setText(QStringLiteral("112026"));
  Q_EMIT mes->returnPressed();
  EXPECT_EQ(dados->FieldByName(QStringLiteral("COMPET"))->AsDate(), QDate(2026, 11, 1));
}

TEST(VisaoCadastroDetalheTeste, DetailGridPlacedUnderTheFieldsIsDrawnByTheGridView) {
  auto mestre = nDadosCadastroTeste();
  auto detalhe = nDadosCadastroTeste();
  TnFrmCadastro form(nullptr, mestre.get());
  auto *grid = new TnDBGridEh(form.AreaCliente(), QStringLiteral("nDBGridDetalhe"));
  grid->SetDataSet(detalhe.get());
  grid->CriarColunas();
  TnVisaoCadastro visao(&form);
  auto *tabela = visao.findChild<QTableView *>();
  ASSERT_NE(tabela, nullptr);
  EXPECT_EQ(tabela->model()->rowCount(), 2);
}

// --- the hooks nInstalarUi puts in place

class InstalarUiTeste : public ::testing::Test {
 protected:
  void SetUp() override { nInstalarUi(); }
  void TearDown() override {
    nSetMostrarNaJanelaPrincipal(nullptr);
    nDesinstalarUi();
  }
};

TEST_F(InstalarUiTeste, ModalFormRunsInADialogUntilTheModelCloses) {
  auto dados = nDadosCadastroTeste();
  TnFrmCadastro form(nullptr, dados.get());
  form.SetCaption(QStringLiteral("Clientes"));
  QString titulo;
  bool temEditores = false;
  nAoAbrirModal([&](QWidget *janela) {
    titulo = janela->windowTitle();
    temEditores = janela->findChild<QLineEdit *>(QStringLiteral("NOME")) != nullptr;
    form.Fechar(mrOk);  // a button of the form closing it
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(titulo, QStringLiteral("Clientes"));
  EXPECT_TRUE(temEditores);
}

TEST_F(InstalarUiTeste, ClosingTheModalWindowAsksTheFormWhichMayRefuse) {
  TnFrmVisual form;
  int tentativas = 0;
  form.OnCloseQuery = [&](TnFrmVisual &, bool &podeFechar) { podeFechar = ++tentativas > 1; };
  bool abertaDepoisDaRecusa = false;
  nAoAbrirModal([&](QWidget *janela) {
    janela->close();  // refused: the window comes back
    nAoAbrirModal(
        [&](QWidget *denovo) {
          abertaDepoisDaRecusa = true;
          denovo->close();
        },
        nullptr);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_TRUE(abertaDepoisDaRecusa);
  EXPECT_EQ(tentativas, 2);
}

TEST_F(InstalarUiTeste, FormShownWithoutWaitingGoesToTheMainWindow) {
  TnFrmVisual form;
  form.SetCaption(QStringLiteral("Protocolos"));
  QWidget *recebida = nullptr;
  TnFrmVisual *deQuem = nullptr;
  nSetMostrarNaJanelaPrincipal([&](QWidget *visao, TnFrmVisual *f) {
    recebida = visao;
    deQuem = f;
  });
  form.Show();
  ASSERT_NE(recebida, nullptr);
  EXPECT_EQ(deQuem, &form);
  EXPECT_EQ(TnVisaoForm::VisaoDe(&form), recebida);
  delete recebida;
}

TEST_F(InstalarUiTeste, HidingAFormHidesItsSubWindowNotTheMainWindow) {
  QMainWindow principal;
  auto *mdi = new QMdiArea(&principal);
  principal.setCentralWidget(mdi);
  principal.show();
  nSetMostrarNaJanelaPrincipal([&](QWidget *visao, TnFrmVisual *) { mdi->addSubWindow(visao)->show(); });
  TnFrmVisual form;
  form.Show();
  ASSERT_EQ(mdi->subWindowList().size(), 1);
  QMdiSubWindow *sub = mdi->subWindowList().first();
  EXPECT_TRUE(sub->isVisible());
  form.Hide();
  EXPECT_FALSE(sub->isVisible());
  EXPECT_TRUE(principal.isVisible());
  form.Show();
  EXPECT_TRUE(sub->isVisible());
  EXPECT_EQ(mdi->subWindowList().size(), 1);
}

TEST_F(InstalarUiTeste, ClosingTheSubWindowAsksTheFormWhichMayRefuse) {
  QMdiArea mdi;
  mdi.show();
  nSetMostrarNaJanelaPrincipal([&](QWidget *visao, TnFrmVisual *) {
    QMdiSubWindow *sub = mdi.addSubWindow(visao);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
  });
  TnFrmVisual form;
  bool permitir = false;
  form.OnCloseQuery = [&](TnFrmVisual &, bool &podeFechar) { podeFechar = permitir; };
  form.Show();
  QMdiSubWindow *sub = mdi.subWindowList().first();
  sub->close();
  EXPECT_TRUE(sub->isVisible());
  EXPECT_TRUE(form.Visible());
  permitir = true;
  sub->close();
  EXPECT_FALSE(form.Visible());
}

TEST_F(InstalarUiTeste, GuardFocusesTheEditorOfTheRefusedField) {
  auto dados = nDadosCadastroTeste();
  TnFrmCadastro form(nullptr, dados.get());
  TnVisaoCadastro visao(&form);
  visao.show();
  visao.activateWindow();
  TnField *nome = dados->FieldByName(QStringLiteral("NOME"));
  nAoAbrirModal([](QWidget *janela) { janela->close(); });
  nExecutarProtegido([&] { throw EnField(nome, QStringLiteral("Informe o nome!")); });
  EXPECT_EQ(form.Foco(), form.Editor(nome));
}

}  // namespace

namespace {

TEST(VisaoCadastroGrupoTeste, GroupHeaderIsDrawnRightAboveTheRowOfItsField) {
  auto dados = nDadosCadastroTeste();
  TnFrmCadastro form(nullptr, dados.get());
  form.InserirGrupoSeparador(QStringLiteral("DATA"), QStringLiteral("Datas do cliente"));
  TnVisaoCadastro visao(&form);
  QWidget *cabecalho = visao.findChild<QWidget *>(QStringLiteral("grpDATA"));
  QWidget *linha = visao.findChild<QWidget *>(QStringLiteral("pnlDATA"));
  ASSERT_NE(cabecalho, nullptr);
  ASSERT_NE(linha, nullptr);
  auto *titulo = cabecalho->findChild<QLabel *>();
  ASSERT_NE(titulo, nullptr);
  EXPECT_EQ(titulo->text(), QStringLiteral("Datas do cliente"));
  EXPECT_TRUE(titulo->font().bold());
  QLayout *layout = linha->parentWidget()->layout();
  EXPECT_EQ(layout->indexOf(cabecalho) + 1, layout->indexOf(linha));
}

}  // namespace

// --- what a module composes in a form's client area (a frame beside a list)

TEST(VisaoFormAreaTeste, AListAtTheLeftSitsBesideAPanelWhoseEditorsFollowTheList) {
  auto dados = nDadosCadastroTeste();
  TnFrmVisual form;
  auto *lista = new TnDBGridEh(form.AreaCliente(), QStringLiteral("nDBGridLista"));
  lista->SetAlign(TnAlinhamento::alLeft);
  lista->SetWidth(200);
  lista->SetDataSet(dados.get());
  lista->CriarColunas(QStringLiteral("CODIGO"));
  // A borderless panel without caption only holds; its row of editors shows.
  auto *frame = new TnPainel(form.AreaCliente(), QStringLiteral("Frame"));
  frame->SetAlign(TnAlinhamento::alClient);
  frame->SetBorda(false);
  auto *linha = new TnPainel(frame, QStringLiteral("Linha"));
  linha->SetBorda(false);
  auto *nome = new TnEditorCampo(dados->FieldByName(QStringLiteral("NOME")), linha);
  nome->setObjectName(QStringLiteral("nDBEditNome"));
  nome->SetReadOnly(true);

  TnVisaoForm visao(&form);
  visao.PreencherArea(form.AreaCliente(), visao.LayoutCliente(), &visao);
  visao.resize(700, 400);
  visao.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&visao));
  auto *tabela = visao.findChild<QTableView *>();
  auto *editor = visao.findChild<QLineEdit *>(QStringLiteral("nDBEditNome"));
  ASSERT_NE(tabela, nullptr);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->isReadOnly());
  EXPECT_EQ(editor->text(), QStringLiteral("Cliente 1"));
  // Beside, not under: the editor starts right of the list, at its height.
  const QPoint origemEditor = editor->mapTo(&visao, QPoint(0, 0));
  const QPoint origemTabela = tabela->mapTo(&visao, QPoint(0, 0));
  EXPECT_GT(origemEditor.x(), origemTabela.x() + tabela->width() - 1);
  EXPECT_LT(origemEditor.y(), origemTabela.y() + tabela->height() / 2);
  // The label is the field's, and no empty label stands for the panels.
  QStringList rotulos;
  for (QLabel *rotulo : visao.findChildren<QLabel *>())
    if (rotulo->isVisible() && rotulo->text().isEmpty() && rotulo->frameShape() != QFrame::NoFrame) rotulos << "vazio";
  EXPECT_TRUE(rotulos.isEmpty());
  EXPECT_NE(visao.findChild<QLabel *>(), nullptr);

  // A click on the second row: the editor shows it.
  const QPoint celula = tabela->visualRect(tabela->model()->index(1, 0)).center();
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, celula);
  EXPECT_EQ(editor->text(), QStringLiteral("Cliente 2"));
  // Typing goes nowhere.
  editor->setFocus();
  QTest::keyClicks(editor, QStringLiteral("x"));
  EXPECT_EQ(dados->FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("Cliente 2"));
  // A change of the row by code shows as well.
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Cliente Dois"));
  dados->Post();
  EXPECT_EQ(editor->text(), QStringLiteral("Cliente Dois"));
}
