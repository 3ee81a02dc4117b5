#include "nFuncoesProcesso_U.h"

#include <memory>
#include <optional>

#include "nClientDataSet_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDialogos_U.h"
#include "nException_U.h"
#include "nField_U.h"
#include "nFiltroTemporario_U.h"
#include "nRegistro_U.h"

QString nPrefixoOperacaoCancelada() {
  return QStringLiteral("Operação cancelada! Não foi possível efetuar a operação!\r\n");
}

bool nGravarPorSubstituicao(const QString &pergunta, const std::function<void()> &checar,
                            const std::function<void()> &gravar, const QString &mensagemSucesso,
                            TnClientDataSet *dados) {
  if (nMessageDlg(pergunta, TMsgDlgType::mtConfirmation, nBotoesSimNao()) != 0) return false;
  std::optional<TnBookmark> linha;
  if (dados && dados->Active() && !dados->IsEmpty()) linha = dados->GetBookmark();
  if (checar) checar();
  try {
    try {
      // Left by an exception, the guard rolls back before the handlers
      // below raise again.
      TnTransacao transacao;
      if (gravar) gravar();
      transacao.Commit();
    } catch (...) {
      // The check's own refusal leaves the cursor on the row it names; a
      // failed write has walked the rows for nothing.
      try {
        if (linha && dados->BookmarkValid(*linha)) dados->GotoBookmark(*linha);
      } catch (...) {
        // The failure of the save is what the user must read.
      }
      throw;
    }
  } catch (const EAbort &) {
    throw;
  } catch (const EDatabaseError &e) {
    throw EDatabaseError(nPrefixoOperacaoCancelada() + e.message(), e.statement());
  } catch (const Exception &e) {
    throw Exception(nPrefixoOperacaoCancelada() + e.message());
  } catch (const std::exception &e) {
    throw Exception(nPrefixoOperacaoCancelada() + QString::fromLocal8Bit(e.what()));
  }
  nMessageDlg(mensagemSucesso, TMsgDlgType::mtInformation, nBotaoOK());
  return true;
}

bool nEscolherNoLookup(TnField *campo, const QString &classe, const QString &campoLookup, const QString &filtro) {
  if (!campo || !campo->DataSet()) return false;
  auto *lookup = dynamic_cast<TnDMClientDataSet *>(PrepararDM(classe, QString(), false, true));
  if (!lookup) return false;
  lookup->Abrir();
  const TnFiltroTemporario filtrado(lookup, filtro);
  std::unique_ptr<TnFrmVisual> form(lookup->CriarForm());
  if (!form || form->ShowModal() != mrOk) return false;
  const TnField *escolhido = lookup->nClientDataSet->FieldByName(campoLookup);
  const QVariant valor = escolhido->IsNull() ? QVariant() : QVariant(escolhido->AsLargeInt());
  TnClientDataSet *dados = campo->DataSet();
  if (dados->State() == TnDataSetState::Browse) dados->Edit();
  campo->SetValue(valor);
  return true;
}

void nParaCadaLinha(TnClientDataSet &dados, const std::function<void()> &acao) {
  QList<TnBookmark> linhas;
  for (dados.First(); !dados.Eof(); dados.Next()) linhas << dados.GetBookmark();
  for (TnBookmark linha : linhas) {
    dados.GotoBookmark(linha);
    acao();
  }
}
