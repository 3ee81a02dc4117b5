#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>

#include "nDialogos_U.h"
#include "nframework_export.h"

// The kinds of question a program asks.
enum class TnTipoPergunta {
  Mensagem,      // nMessageDlg
  ShowMessage,   // nShowMessage
  EscolhaLista,  // nInputQueryListBox
  EntradaTexto,  // nInputBox
  Formulario,    // a dialog form (TnFrmDlg::ShowModal)
};

// One question as the scripted dialogs saw it.
struct NFRAMEWORK_EXPORT TnPerguntaDialogo {
  TnTipoPergunta Tipo = TnTipoPergunta::Mensagem;
  TMsgDlgType TipoMensagem = TMsgDlgType::mtInformation;  // messages only
  // The message; the prompt of an input box; the caption of a list or a form.
  QString Texto;
  // The buttons of a message; the lines of a list; the labels of a form's
  // controls.
  QStringList Opcoes;
  // How it was answered: the button caption, the chosen text, "<cancelado>",
  // or empty when no answer fitted.
  QString Resposta;
};

// Dialogs that answer from a queue, for tests: each question takes the next
// queued answer and is recorded, answered or not. A question with no answer
// queued, or whose next answer does not fit it, is a failure: it is recorded in
// Falhas() and raised as EDialogoInesperado, which stops the code under test.
// Since the code under test may swallow the raise (a guard shows it), a test
// must also check Falhas() at its end; nDialogosTeste_U.h does that.
//
// How the answers fit each question:
//   Responder(i)        a message: button i; a list: line i; a form: presses
//                       button i (0 OK, 1 Cancelar).
//   ResponderTexto(t)   a message: the button captioned t; a list: line t; an
//                       input box: the text t; a form with a memo: the memo's
//                       text, closed with OK.
//   ResponderCampos(m)  a field form: sets each control named by a key of m
//                       (its label) to the value, then closes with the given
//                       result.
//   Cancelar()          any question closed without choosing: a message gives
//                       -1, a list false, an input box its default, a form
//                       closes with mrCancel.
// When a form's OnCloseQuery refuses the close (or raises; the error is shown
// as the Qt layer would, through the guard) the form stays open and takes the
// next answer.
class NFRAMEWORK_EXPORT TnDialogosRoteiro : public TnDialogos {
 public:
  TnDialogosRoteiro();
  ~TnDialogosRoteiro() override;

  void Responder(int indice);
  void ResponderTexto(const QString &texto);
  void ResponderCampos(const QMap<QString, QString> &valores, int modalResult = mrOk);
  void Cancelar();

  // When set, a message with at most one button (nShowMessage, an error or an
  // information with "OK") is answered at once, without taking a queued
  // answer; it is still recorded. Off by default: every message must be
  // expected.
  void SetAceitarMensagens(bool aceitar) { FAceitarMensagens = aceitar; }
  bool AceitarMensagens() const { return FAceitarMensagens; }
  // When set, a question asked while no answer is queued is answered with its
  // button captioned `botao` (any case), if it has one, and recorded; for
  // tests that run code whose questions depend on the input (hostile text).
  // Empty by default: every question must be expected.
  void SetRespostaPadrao(const QString &botao) { FRespostaPadrao = botao; }

  const QList<TnPerguntaDialogo> &Perguntas() const { return FPerguntas; }
  // The texts of the questions in the order they were asked.
  QStringList Textos() const;
  // Answers queued and never taken.
  int Pendentes() const { return static_cast<int>(FRespostas.size()); }
  const QStringList &Falhas() const { return FFalhas; }
  // Drops the answers still queued.
  void DescartarRespostas() { FRespostas.clear(); }
  // Forgets the questions, the failures and the answers still queued.
  void Limpar();

  int MessageDlg(const QString &texto, TMsgDlgType tipo, const QStringList &botoes) override;
  void ShowMessage(const QString &texto) override;
  bool InputQueryListBox(const QString &caption, const QStringList &lista, QString &linha) override;
  QString InputBox(const QString &caption, const QString &prompt, const QString &padrao) override;
  void ExecutarDlg(TnFrmDlg &dlg) override;

 private:
  struct TnResposta {
    enum class Tipo { Indice, Texto, Campos, Cancelar };
    Tipo FTipo = Tipo::Cancelar;
    int Indice = 0;
    QString Texto;
    QMap<QString, QString> Campos;
    int ModalResult = mrOk;
  };

  // Questions are referred to by their index in FPerguntas: a question asked
  // while another is open (from a form's OnCloseQuery) grows the list.
  int Registrar(TnTipoPergunta tipo, const QString &texto, const QStringList &opcoes,
                TMsgDlgType tipoMensagem = TMsgDlgType::mtInformation);
  void Anotar(int pergunta, const QString &resposta) { FPerguntas[pergunta].Resposta = resposta; }
  // The next answer; a failure when none is queued.
  TnResposta Proxima(int pergunta);
  [[noreturn]] void Falhar(const QString &motivo, int pergunta);
  // Closes the form as the Qt layer does for a button press: under the guard.
  bool FecharProtegido(TnFrmDlg &dlg, int modalResult);

  std::deque<TnResposta> FRespostas;
  QList<TnPerguntaDialogo> FPerguntas;
  QStringList FFalhas;
  bool FAceitarMensagens = false;
  QString FRespostaPadrao;
};
