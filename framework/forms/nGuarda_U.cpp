#include "nGuarda_U.h"

#include <QString>
#include <QtGlobal>
#include <exception>

#include "nDialogos_U.h"
#include "nException_U.h"

namespace {

TnFocarCampo GFocarCampo;
TnFocarParametro GFocarParametro;

// Shows the error (a generic text when it has none) without letting anything
// the dialog itself raises escape: the guard is the last stop.
void MostrarErro(QString mensagem) {
  if (mensagem.isEmpty()) mensagem = nMsgErroInesperado();
  try {
    nMessageDlg(mensagem, TMsgDlgType::mtError, nBotaoOK());
  } catch (const std::exception &e) {
    qWarning("Falha ao exibir a mensagem \"%s\": %s", qUtf8Printable(mensagem), e.what());
  } catch (...) {
    qWarning("Falha ao exibir a mensagem \"%s\"", qUtf8Printable(mensagem));
  }
}

// The hook is taken by value: it may replace itself while it runs.
template <typename Hook, typename Alvo>
void Focar(Hook focar, Alvo *alvo) {
  if (!focar || !alvo) return;
  try {
    focar(alvo);
  } catch (...) {
    qWarning("Falha ao levar o foco ao campo do erro");
  }
}

}  // namespace

QString nMsgErroInesperado() { return QStringLiteral("Ocorreu um erro inesperado. A operação não foi concluída."); }

TnFocarCampo nSetFocarCampo(TnFocarCampo focar) {
  std::swap(GFocarCampo, focar);
  return focar;
}

TnFocarParametro nSetFocarParametro(TnFocarParametro focar) {
  std::swap(GFocarParametro, focar);
  return focar;
}

bool nExecutarProtegido(const std::function<void()> &acao) {
  if (!acao) return true;
  try {
    acao();
    return true;
  } catch (const EAbort &) {
  } catch (const EnField &e) {
    MostrarErro(e.message());
    Focar(GFocarCampo, e.field());
  } catch (const EnParam &e) {
    MostrarErro(e.message());
    Focar(GFocarParametro, e.param());
  } catch (const Exception &e) {
    MostrarErro(e.message());
  } catch (const std::exception &e) {
    MostrarErro(QString::fromUtf8(e.what()));
  } catch (...) {
    MostrarErro(QString());
  }
  return false;
}
