#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nDialogoInesperado_U.h"
#include "nDialogosRoteiro_U.h"
#include "nDialogosTeste_U.h"
#include "nDialogos_U.h"
#include "nFrmDlgScrollBox_U.h"
#include "nFrmDlg_U.h"
#include "nMemo_U.h"

namespace {

// Installs a bare script (no automatic checks), so a test can look at the
// failures it is meant to produce.
class RoteiroInstalado {
 public:
  RoteiroInstalado() : FAnterior(nSetDialogos(&Roteiro)) {}
  ~RoteiroInstalado() { nSetDialogos(FAnterior); }
  TnDialogosRoteiro Roteiro;

 private:
  TnDialogos *FAnterior;
};

// The configuration dialog of the establishment grid: a lookup code and a
// delivery-form choice preset to 2.
struct DialogoConfiguracao {
  TnFrmDlgScrollBox Dlg{QStringLiteral("Informe as configurações!"), 450, 150};
  TnFraControle *Grupo = nullptr;
  TnFraControle *Forma = nullptr;

  DialogoConfiguracao() {
    Grupo = Dlg.CriarControlsFraFields(QStringLiteral("Grupo Tipo Doc"), TnTipoFraControle::Inteiro, 15,
                                       QStringLiteral("CODIGOGRUPODOC"),
                                       QStringLiteral("Informe o código do grupo de documentos"));
    Dlg.AlinharControls();
    Forma = Dlg.CriarControlsFraFields(QStringLiteral("Forma de Entrega"), TnTipoFraControle::Escolha, 20, QString(),
                                       QStringLiteral("Informe o tipo da entrega dos protocolos"),
                                       {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"),
                                        QStringLiteral("Entregue via Internet=3")});
    Dlg.AlinharControls();
    Forma->SetAsInteger(2);
  }
};

}  // namespace

// --- Messages -----------------------------------------------------------------

TEST(DialogosMensagem, ScriptedNaoAnswerGivesIndexOne) {
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("Não"));
  dialogos->Responder(0);
  EXPECT_EQ(nMessageDlg(QStringLiteral("Confirma?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()), 1);
  EXPECT_EQ(nMessageDlg(QStringLiteral("De novo?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()), 0);

  ASSERT_EQ(dialogos->Perguntas().size(), 2);
  const TnPerguntaDialogo &primeira = dialogos->Perguntas().first();
  EXPECT_EQ(primeira.Tipo, TnTipoPergunta::Mensagem);
  EXPECT_EQ(primeira.TipoMensagem, TMsgDlgType::mtConfirmation);
  EXPECT_EQ(primeira.Opcoes, (QStringList{QStringLiteral("Sim"), QStringLiteral("Não")}));
  EXPECT_EQ(primeira.Resposta, QStringLiteral("Não"));
  EXPECT_EQ(dialogos->Textos(), (QStringList{QStringLiteral("Confirma?"), QStringLiteral("De novo?")}));
}

TEST(DialogosMensagem, UnexpectedQuestionIsRaisedAndRecorded) {
  RoteiroInstalado r;
  EXPECT_THROW(nMessageDlg(QStringLiteral("Excluir tudo?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()),
               EDialogoInesperado);
  EXPECT_THROW(nShowMessage(QStringLiteral("Feito.")), EDialogoInesperado);
  ASSERT_EQ(r.Roteiro.Falhas().size(), 2);
  EXPECT_TRUE(r.Roteiro.Falhas().first().contains(QStringLiteral("Excluir tudo?")));
  EXPECT_EQ(r.Roteiro.Perguntas().size(), 2);  // asked, although not answered
}

TEST(DialogosMensagem, AnswerThatDoesNotFitTheQuestionIsAFailure) {
  RoteiroInstalado r;
  r.Roteiro.Responder(2);
  EXPECT_THROW(nMessageDlg(QStringLiteral("Confirma?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()),
               EDialogoInesperado);
  r.Roteiro.ResponderTexto(QStringLiteral("Talvez"));
  EXPECT_THROW(nMessageDlg(QStringLiteral("Confirma?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()),
               EDialogoInesperado);
  r.Roteiro.ResponderCampos({});
  EXPECT_THROW(nMessageDlg(QStringLiteral("Confirma?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()),
               EDialogoInesperado);
  r.Roteiro.Responder(1);
  EXPECT_THROW(nShowMessage(QStringLiteral("Feito.")), EDialogoInesperado);  // a message has only OK
  EXPECT_EQ(r.Roteiro.Falhas().size(), 4);
}

TEST(DialogosMensagem, CancelledMessageIsNotTheFirstButton) {
  TnDialogosTeste dialogos;
  dialogos->Cancelar();
  EXPECT_EQ(nMessageDlg(QStringLiteral("Confirma?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()), -1);
}

TEST(DialogosMensagem, AcceptingMessagesStillRequiresAnswersToQuestions) {
  RoteiroInstalado r;
  r.Roteiro.SetAceitarMensagens(true);
  nShowMessage(QStringLiteral("Configuração de rota gravada com sucesso!"));
  EXPECT_EQ(nMessageDlg(QStringLiteral("Preencha o campo Forma Entrega"), TMsgDlgType::mtWarning, nBotaoOK()), 0);
  EXPECT_THROW(nMessageDlg(QStringLiteral("Confirma?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()),
               EDialogoInesperado);
  EXPECT_EQ(r.Roteiro.Textos().size(), 3);  // the accepted messages are recorded too
}

TEST(DialogosMensagem, WithNoImplementationQuestionsAreAnsweredAsClosedWindows) {
  TnDialogos *anterior = nSetDialogos(nullptr);
  // Never "Sim": a headless run must not confirm anything by itself.
  EXPECT_EQ(nMessageDlg(QStringLiteral("Excluir?"), TMsgDlgType::mtConfirmation, nBotoesSimNao()), -1);
  QString linha = QStringLiteral("antes");
  EXPECT_FALSE(nInputQueryListBox(QStringLiteral("Lista"), {QStringLiteral("a")}, linha));
  EXPECT_EQ(linha, QStringLiteral("antes"));
  EXPECT_EQ(nInputBox(QStringLiteral("Descrição do Envelope"), QStringLiteral("Informe"), QStringLiteral("x")),
            QStringLiteral("x"));
  TnFrmDlg dlg;
  int chamadas = 0;
  dlg.OnCloseQuery = [&](TnFrmDlg &, bool &) { ++chamadas; };
  EXPECT_EQ(dlg.ShowModal(), mrCancel);
  EXPECT_EQ(chamadas, 0);
  nSetDialogos(anterior);
}

// --- List and text input ------------------------------------------------------

TEST(DialogosEntrada, ListPickSetsTheLineOnlyOnOk) {
  TnDialogosTeste dialogos;
  const QStringList lista{QStringLiteral("Nome [NOMEFUNC]"), QStringLiteral("Salário Final[SALFINAL]")};
  QString linha;
  dialogos->Responder(1);
  EXPECT_TRUE(nInputQueryListBox(QStringLiteral("Configuração Nome Arquivo"), lista, linha));
  EXPECT_EQ(linha, lista.at(1));

  dialogos->ResponderTexto(lista.at(0));
  EXPECT_TRUE(nInputQueryListBox(QStringLiteral("Configuração Nome Arquivo"), lista, linha));
  EXPECT_EQ(linha, lista.at(0));

  dialogos->Cancelar();
  EXPECT_FALSE(nInputQueryListBox(QStringLiteral("Configuração Nome Arquivo"), lista, linha));
  EXPECT_EQ(linha, lista.at(0));
}

TEST(DialogosEntrada, ListAnswerOutsideTheListIsAFailure) {
  RoteiroInstalado r;
  QString linha;
  r.Roteiro.ResponderTexto(QStringLiteral("não está"));
  EXPECT_THROW(nInputQueryListBox(QStringLiteral("Lista"), {QStringLiteral("a")}, linha), EDialogoInesperado);
  r.Roteiro.Responder(5);
  EXPECT_THROW(nInputQueryListBox(QStringLiteral("Lista"), {QStringLiteral("a")}, linha), EDialogoInesperado);
  EXPECT_TRUE(linha.isEmpty());
}

TEST(DialogosEntrada, InputBoxCancelGivesTheDefault) {
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("Envelope azul"));
  dialogos->Cancelar();
  const QString caption = QStringLiteral("Descrição do Envelope");
  const QString prompt = QStringLiteral("Informe uma descrição para o novo envelope");
  EXPECT_EQ(nInputBox(caption, prompt), QStringLiteral("Envelope azul"));
  EXPECT_EQ(nInputBox(caption, prompt), QString());
  EXPECT_EQ(dialogos->Perguntas().at(0).Texto, prompt);
}

// --- Field dialog -------------------------------------------------------------

TEST(DialogoCampos, ChoiceHoldsValuesAndPresetSelectsTheEntry) {
  DialogoConfiguracao d;
  EXPECT_EQ(d.Forma->IndiceEscolhido(), 1);
  EXPECT_EQ(d.Forma->Itens().at(1), QStringLiteral("Entregue em Mãos"));
  d.Forma->SetAsString(QStringLiteral("Retirado"));  // a caption picks its value
  EXPECT_EQ(d.Forma->GetAsInteger(), 1);
  d.Forma->SetAsString(QStringLiteral("9"));  // not an entry
  EXPECT_TRUE(d.Forma->IsNull());
  EXPECT_EQ(d.Forma->IndiceEscolhido(), -1);
  EXPECT_EQ(d.Grupo->GetAsInteger(), 0);  // empty reads 0
  EXPECT_LT(d.Grupo->Top(), d.Forma->Top());
  EXPECT_EQ(d.Dlg.ControlePorLabel(QStringLiteral("forma de entrega")), d.Forma);
}

TEST(DialogoCampos, OkAnswerFillsControlsAndReturnsOne) {
  TnDialogosTeste dialogos;
  DialogoConfiguracao d;
  dialogos->ResponderCampos({{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("7")},
                             {QStringLiteral("Forma de Entrega"), QStringLiteral("3")}});
  EXPECT_EQ(d.Dlg.ShowModal(), mrOk);
  EXPECT_EQ(d.Grupo->GetAsInteger(), 7);
  EXPECT_EQ(d.Forma->GetAsInteger(), 3);
  EXPECT_FALSE(d.Dlg.Exibindo());
  const TnPerguntaDialogo &p = dialogos->Perguntas().first();
  EXPECT_EQ(p.Tipo, TnTipoPergunta::Formulario);
  EXPECT_EQ(p.Texto, QStringLiteral("Informe as configurações!"));
  EXPECT_EQ(p.Opcoes, (QStringList{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("Forma de Entrega")}));
}

TEST(DialogoCampos, CancelReturnsTwoAndTheCloseHandlerSeesIt) {
  TnDialogosTeste dialogos;
  DialogoConfiguracao d;
  int resultadoVisto = mrNone;
  d.Dlg.OnCloseQuery = [&](TnFrmDlg &sender, bool &) { resultadoVisto = sender.ModalResult(); };
  dialogos->Cancelar();
  EXPECT_EQ(d.Dlg.ShowModal(), mrCancel);
  EXPECT_EQ(resultadoVisto, mrCancel);
  EXPECT_EQ(d.Forma->GetAsInteger(), 2);  // the preset is untouched
}

TEST(DialogoCampos, RefusedCloseKeepsTheFormOpenForTheNextAnswer) {
  TnDialogosTeste dialogos;
  DialogoConfiguracao d;
  int tentativas = 0;
  d.Dlg.OnCloseQuery = [&](TnFrmDlg &sender, bool &podeFechar) {
    ++tentativas;
    if (sender.ModalResult() == mrOk && d.Grupo->IsNull()) podeFechar = false;
  };
  EXPECT_FALSE(d.Dlg.Fechar(mrOk));
  EXPECT_EQ(d.Dlg.ModalResult(), mrNone);  // a refused close leaves no result behind

  dialogos->ResponderCampos({});
  dialogos->ResponderCampos({{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("4")}});
  EXPECT_EQ(d.Dlg.ShowModal(), mrOk);
  EXPECT_EQ(tentativas, 3);
  EXPECT_EQ(d.Grupo->GetAsInteger(), 4);
}

TEST(DialogoCampos, QuestionAskedWhileClosingTakesTheFollowingAnswer) {
  TnDialogosTeste dialogos;
  DialogoConfiguracao d;
  bool mesmoEndereco = true;
  d.Dlg.OnCloseQuery = [&](TnFrmDlg &sender, bool &) {
    if (sender.ModalResult() == mrCancel || d.Forma->GetAsInteger() != 2) return;
    mesmoEndereco = nMessageDlg(QStringLiteral("O endereço de entrega dos protocolos é o mesmo da filial?"),
                                TMsgDlgType::mtConfirmation, nBotoesSimNao()) == 0;
  };
  dialogos->ResponderCampos({{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("1")}});
  dialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_EQ(d.Dlg.ShowModal(), mrOk);
  EXPECT_FALSE(mesmoEndereco);
  ASSERT_EQ(dialogos->Perguntas().size(), 2);
  EXPECT_EQ(dialogos->Perguntas().at(0).Resposta, QStringLiteral("OK"));  // not overwritten by the nested one
  EXPECT_EQ(dialogos->Perguntas().at(1).Resposta, QStringLiteral("Não"));
}

TEST(DialogoCampos, ErrorRaisedWhileClosingIsShownAndTheFormStaysOpen) {
  TnDialogosTeste dialogos;
  DialogoConfiguracao d;
  d.Dlg.OnCloseQuery = [&](TnFrmDlg &sender, bool &) {
    if (sender.ModalResult() == mrOk) throw Exception(QStringLiteral("Grupo inexistente!"));
  };
  dialogos->ResponderCampos({{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("99")}});
  dialogos->Responder(0);  // OK on the error message
  dialogos->Cancelar();
  EXPECT_EQ(d.Dlg.ShowModal(), mrCancel);
  ASSERT_EQ(dialogos->Perguntas().size(), 2);
  EXPECT_EQ(dialogos->Perguntas().at(1).Texto, QStringLiteral("Grupo inexistente!"));
  EXPECT_EQ(dialogos->Perguntas().at(1).TipoMensagem, TMsgDlgType::mtError);
}

TEST(DialogoCampos, ValuesThatTheFormCannotTakeAreFailures) {
  RoteiroInstalado r;
  DialogoConfiguracao d;
  r.Roteiro.ResponderCampos({{QStringLiteral("Usuário"), QStringLiteral("1")}});
  EXPECT_THROW(d.Dlg.ShowModal(), EDialogoInesperado);
  r.Roteiro.ResponderCampos({{QStringLiteral("Forma de Entrega"), QStringLiteral("8")}});
  EXPECT_THROW(d.Dlg.ShowModal(), EDialogoInesperado);
  EXPECT_FALSE(d.Dlg.Exibindo());
  r.Roteiro.ResponderCampos({}, mrOk);
  r.Roteiro.Cancelar();  // two answers, one form: the second stays queued
  EXPECT_EQ(d.Dlg.ShowModal(), mrOk);
  EXPECT_EQ(r.Roteiro.Pendentes(), 1);
}

// --- Memo dialog --------------------------------------------------------------

TEST(DialogoMemo, TextAnswerFillsTheMemoAndConfirms) {
  TnDialogosTeste dialogos;
  TnFrmDlg dlg(QStringLiteral("Digite a observação:"), 300, 300);
  dlg.BtnOk().Caption = QStringLiteral("Incluir");
  dlg.BtnCancelar().Visivel = false;
  TnMemo *memo = dlg.CriarMemo();
  memo->SetText(QStringLiteral("antiga"));
  EXPECT_EQ(dlg.CriarMemo(), memo);

  dialogos->ResponderTexto(QStringLiteral("linha 1\r\nlinha 2"));
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(memo->Text(), QStringLiteral("linha 1\r\nlinha 2"));
}

TEST(DialogoMemo, HiddenButtonCannotBePressed) {
  RoteiroInstalado r;
  TnFrmDlg dlg;
  dlg.BtnCancelar().Visivel = false;
  EXPECT_FALSE(dlg.Pressionar(1));
  EXPECT_EQ(dlg.ModalResult(), mrNone);
  r.Roteiro.Responder(1);
  EXPECT_THROW(dlg.ShowModal(), EDialogoInesperado);
}

TEST(DialogoMemo, KeyHandlerCanCloseTheDialogAndSwallowTheKey) {
  TnFrmDlg dlg;
  TnMemo *memo = dlg.CriarMemo();
  memo->OnKeyDown = [](TnMemo &sender, int &tecla, TShiftState shift) {
    if (tecla == nTeclaEsc || (tecla == nTeclaEnter && shift.testFlag(ssCtrl))) {
      sender.Dialogo()->Fechar(mrOk);
      tecla = 0;
    }
  };
  EXPECT_EQ(memo->TeclaPressionada(nTeclaEnter), nTeclaEnter);  // a plain Enter is a new line
  EXPECT_EQ(dlg.ModalResult(), mrNone);
  EXPECT_EQ(memo->TeclaPressionada(nTeclaEnter, ssCtrl), 0);
  EXPECT_EQ(dlg.ModalResult(), mrOk);
}

// --- The test helper ----------------------------------------------------------

TEST(DialogosTesteHelper, ReportsUnusedAnswersAndUnexpectedDialogs) {
  EXPECT_NONFATAL_FAILURE(
      {
        TnDialogosTeste dialogos;
        dialogos->Responder(0);
      },
      "não usada");
  EXPECT_NONFATAL_FAILURE(
      {
        TnDialogosTeste dialogos;
        try {
          nShowMessage(QStringLiteral("Inesperada"));
        } catch (const Exception &) {
          // what a guard would do: swallow it
        }
      },
      "Inesperada");
}

TEST(DialogosTesteHelper, PutsThePreviousImplementationBack) {
  TnDialogosRoteiro externo;
  TnDialogos *anterior = nSetDialogos(&externo);
  {
    TnDialogosTeste dialogos;
    EXPECT_EQ(nDialogos(), &dialogos.Roteiro());
  }
  EXPECT_EQ(nDialogos(), &externo);
  nSetDialogos(anterior);
}
