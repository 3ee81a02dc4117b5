#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "nDialogos_U.h"
#include "nframework_export.h"

class TnMemo;

// One of the two buttons at the foot of a dialog form.
struct NFRAMEWORK_EXPORT TnBotaoDlg {
  QString Caption;
  bool Visivel = true;
  int ModalResult = mrNone;  // what pressing it closes the form with
};

// A modal dialog form as a model: caption, size, the two buttons (OK and
// Cancelar) and what the caller places on it. The Qt layer draws it when the
// form is shown (ShowModal, which goes through nDialogos()); the scripted
// dialogs of the tests answer it without a window.
//
// The caller owns the form and frees it after ShowModal returns; the values
// the user entered stay readable until then.
class NFRAMEWORK_EXPORT TnFrmDlg {
 public:
  // Runs on every attempt to close the form, with ModalResult already set to
  // the closing result (1 OK, 2 cancel). Setting `podeFechar` to false keeps
  // the form open. A raise also keeps it open; the error reaches whoever made
  // the attempt.
  using TnCloseQuery = std::function<void(TnFrmDlg &sender, bool &podeFechar)>;

  explicit TnFrmDlg(QString caption = QString(), int largura = 400, int altura = 200);
  virtual ~TnFrmDlg();
  TnFrmDlg(const TnFrmDlg &) = delete;
  TnFrmDlg &operator=(const TnFrmDlg &) = delete;

  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  int Width() const { return FLargura; }
  void SetWidth(int largura) { FLargura = largura; }
  int Height() const { return FAltura; }
  void SetHeight(int altura) { FAltura = altura; }

  // "OK" closing with mrOk, "Cancelar" closing with mrCancel; both visible.
  TnBotaoDlg &BtnOk() { return FBtnOk; }
  const TnBotaoDlg &BtnOk() const { return FBtnOk; }
  TnBotaoDlg &BtnCancelar() { return FBtnCancelar; }
  const TnBotaoDlg &BtnCancelar() const { return FBtnCancelar; }

  // Places a memo on the form (once; later calls give the same memo).
  TnMemo *CriarMemo();
  TnMemo *Memo() const { return FMemo.get(); }

  TnCloseQuery OnCloseQuery;

  // Shows the form modally and returns its ModalResult once closed. With no
  // dialog implementation installed the form counts as cancelled at once.
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  // True between ShowModal and the accepted close.
  bool Exibindo() const { return FExibindo; }

  // An attempt to close the form with `modalResult` (the implementation calls
  // it for a button press; a key handler may call it too). Returns whether
  // OnCloseQuery let the form close; when refused, ModalResult goes back to
  // mrNone.
  bool Fechar(int modalResult);
  // Presses button 0 (OK) or 1 (Cancelar). A hidden button, or another index,
  // cannot be pressed: false, and the form stays open.
  bool Pressionar(int indiceBotao);

 private:
  QString FCaption;
  int FLargura;
  int FAltura;
  TnBotaoDlg FBtnOk;
  TnBotaoDlg FBtnCancelar;
  std::unique_ptr<TnMemo> FMemo;
  int FModalResult = mrNone;
  bool FExibindo = false;
};
