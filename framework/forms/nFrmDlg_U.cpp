#include "nFrmDlg_U.h"

#include "nMemo_U.h"

TnFrmDlg::TnFrmDlg(QString caption, int largura, int altura)
    : FCaption(std::move(caption)),
      FLargura(largura),
      FAltura(altura),
      FBtnOk{QStringLiteral("OK"), true, mrOk},
      FBtnCancelar{QStringLiteral("Cancelar"), true, mrCancel} {}

TnFrmDlg::~TnFrmDlg() = default;

TnMemo *TnFrmDlg::CriarMemo() {
  if (!FMemo) FMemo = std::make_unique<TnMemo>(this);
  return FMemo.get();
}

int TnFrmDlg::ShowModal() {
  FModalResult = mrNone;
  TnDialogos *dialogos = nDialogos();
  if (!dialogos) {
    FModalResult = mrCancel;
    return FModalResult;
  }
  FExibindo = true;
  try {
    dialogos->ExecutarDlg(*this);
  } catch (...) {
    FExibindo = false;
    throw;
  }
  FExibindo = false;
  // An implementation that returned without an accepted close behaves as a
  // window closed by its frame.
  if (FModalResult == mrNone) FModalResult = mrCancel;
  return FModalResult;
}

bool TnFrmDlg::Fechar(int modalResult) {
  FModalResult = modalResult;
  bool podeFechar = true;
  try {
    if (OnCloseQuery) OnCloseQuery(*this, podeFechar);
  } catch (...) {
    FModalResult = mrNone;
    throw;
  }
  if (!podeFechar) FModalResult = mrNone;
  return podeFechar;
}

bool TnFrmDlg::Pressionar(int indiceBotao) {
  const TnBotaoDlg *botao = indiceBotao == 0 ? &FBtnOk : indiceBotao == 1 ? &FBtnCancelar : nullptr;
  if (!botao || !botao->Visivel) return false;
  return Fechar(botao->ModalResult);
}
