#include "nActionsDataSet_U.h"

#include "nClientDataSet_U.h"
#include "nDialogos_U.h"
#include "nFrmVisual_U.h"

namespace {

bool EmEdicao(const TnClientDataSet &dados) {
  return dados.State() == TnDataSetState::Edit || dados.State() == TnDataSetState::Insert;
}

}  // namespace

void nCriarActionsDataSet(TnFrmVisual &form, TnClientDataSet &dados, std::function<bool()> excluir) {
  TnClientDataSet *d = &dados;
  form.CriarAction(
      QStringLiteral("actDataSetFirst"), QStringLiteral("Primeiro"), [d](QObject *) { d->First(); },
      QStringLiteral("Ctrl+Home"));
  form.CriarAction(
      QStringLiteral("actDataSetPrior"), QStringLiteral("Anterior"), [d](QObject *) { d->Prior(); },
      QStringLiteral("Ctrl+PgUp"));
  form.CriarAction(
      QStringLiteral("actDataSetNext"), QStringLiteral("Próximo"), [d](QObject *) { d->Next(); },
      QStringLiteral("Ctrl+PgDn"));
  form.CriarAction(
      QStringLiteral("actDataSetLast"), QStringLiteral("Último"), [d](QObject *) { d->Last(); },
      QStringLiteral("Ctrl+End"));
  form.CriarAction(
      QStringLiteral("actDataSetInsert"), QStringLiteral("Incluir"), [d](QObject *) { d->Append(); },
      QStringLiteral("Ctrl+Ins"));
  form.CriarAction(QStringLiteral("actDataSetEdit"), QStringLiteral("Alterar"), [d](QObject *) { d->Edit(); });
  form.CriarAction(
      QStringLiteral("actDataSetDelete"), QStringLiteral("Excluir"),
      [d, excluir](QObject *) {
        if (excluir) {
          excluir();
          return;
        }
        if (!d->Active() || d->IsEmpty()) return;
        if (nMessageDlg(QStringLiteral("Confirma a exclusão do registro?"), TMsgDlgType::mtConfirmation,
                        nBotoesSimNao()) == 0)
          d->Delete();
      },
      QStringLiteral("Ctrl+Delete"));
  form.CriarAction(
      QStringLiteral("actDataSetPost"), QStringLiteral("Gravar"), [d](QObject *) { d->Post(); }, QStringLiteral("F2"));
  form.CriarAction(QStringLiteral("actDataSetCancel"), QStringLiteral("Cancelar"), [d](QObject *) { d->Cancel(); });
  form.CriarAction(
      QStringLiteral("actDataSetRefresh"), QStringLiteral("Atualizar"),
      [d](QObject *) {
        if (d->Active()) d->Refresh();
      },
      QStringLiteral("F5"));
  TnFrmVisual *f = &form;
  form.CriarAction(QStringLiteral("actFechar"), QStringLiteral("Fechar"), [d, f](QObject *) {
    if (EmEdicao(*d)) {
      if (d->Modified())
        d->Post();
      else
        d->Cancel();
    }
    f->Fechar(mrCancel);
  });
}
