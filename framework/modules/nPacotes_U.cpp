#include "nPacotes_U.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibrary>
#include <exception>

#include "nDMDireitoUsuario_U.h"
#include "nException_U.h"

namespace {

QString GPacoteEmCarga;

// How many loaders hold each library file open. The library is unmapped only
// when the last one lets go: QLibrary does not count loads made through
// separate objects.
QHash<QString, int> &Aberturas() {
  static QHash<QString, int> aberturas;
  return aberturas;
}

void Soltar(QLibrary &biblioteca, bool residente) {
  const QString arquivo = biblioteca.fileName();
  const int restantes = --Aberturas()[arquivo];
  if (restantes > 0) return;
  Aberturas().remove(arquivo);
  if (!residente) biblioteca.unload();
}

// Marks the library whose units run, for the length of a scope.
class TnEmCarga {
 public:
  explicit TnEmCarga(const QString &nome) : FAnterior(GPacoteEmCarga) { GPacoteEmCarga = nome; }
  ~TnEmCarga() { GPacoteEmCarga = FAnterior; }

 private:
  QString FAnterior;
};

QString TextoDoErro(std::exception_ptr erro) {
  try {
    std::rethrow_exception(erro);
  } catch (const Exception &e) {
    return e.message();
  } catch (const std::exception &e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
    return QStringLiteral("erro desconhecido");
  }
}

QString NomeUnidade(const TnUnidadePacote &unidade) {
  return unidade.Nome ? QString::fromUtf8(unidade.Nome) : QString();
}

}  // namespace

struct TnPacotes::TnCarga {
  TnSituacaoPacote Situacao;
  std::unique_ptr<QLibrary> Biblioteca;
  const TnDescricaoPacote *Descricao = nullptr;
};

TnPacotes::TnPacotes(const QString &pasta)
    : FPasta(pasta.isEmpty() ? QCoreApplication::applicationDirPath() : pasta) {}

TnPacotes::~TnPacotes() = default;

QStringList TnPacotes::PacotesDoModulo() {
  return {QStringLiteral("mVoxPk"), QStringLiteral("mVoxPkPbCfg"), QStringLiteral("mVoxPkDevExpress")};
}

void TnPacotes::SetPodeAbrirPacote(std::function<bool(const QString &)> podeAbrir) {
  FPodeAbrirPacote = std::move(podeAbrir);
}

QString TnPacotes::PacoteEmCarga() { return GPacoteEmCarga; }

TnPacotes::TnCarga *TnPacotes::Achar(const QString &nome) const {
  for (const auto &pacote : FPacotes)
    if (pacote->Situacao.Nome.compare(nome, Qt::CaseInsensitive) == 0) return pacote.get();
  return nullptr;
}

int TnPacotes::AbrirPacotes(const QStringList &nomes) {
  int carregados = 0;
  for (const QString &nome : nomes)
    if (AbrirPacote(nome)) ++carregados;
  return carregados;
}

bool TnPacotes::AbrirPacote(const QString &nome) {
  TnCarga *pacote = Achar(nome);
  if (pacote && pacote->Situacao.Estado == TnEstadoPacote::Carregado) return true;
  if (!pacote) {
    FPacotes.push_back(std::make_unique<TnCarga>());
    pacote = FPacotes.back().get();
  }
  TnSituacaoPacote &situacao = pacote->Situacao;
  situacao = TnSituacaoPacote();
  situacao.Nome = nome;
  situacao.Arquivo = QDir(FPasta).filePath(nome);

  if (FPodeAbrirPacote) {
    bool pode = false;
    try {
      pode = FPodeAbrirPacote(nome);
    } catch (...) {
      situacao.Estado = TnEstadoPacote::Falhou;
      situacao.Erro = TextoDoErro(std::current_exception());
      return false;
    }
    if (!pode) {
      situacao.Estado = TnEstadoPacote::Recusado;
      return false;
    }
  }

  auto biblioteca = std::make_unique<QLibrary>(situacao.Arquivo);
  if (!biblioteca->load()) {
    situacao.Estado = TnEstadoPacote::Falhou;
    situacao.Erro = QStringLiteral("Não foi possível abrir o pacote %1: %2").arg(nome, biblioteca->errorString());
    return false;
  }
  ++Aberturas()[biblioteca->fileName()];
  auto entrada = reinterpret_cast<TnEntradaPacote>(biblioteca->resolve(nEntradaPacote));
  const TnDescricaoPacote *descricao = entrada ? entrada() : nullptr;
  if (!descricao) {
    situacao.Estado = TnEstadoPacote::Falhou;
    situacao.Erro = QStringLiteral("O pacote %1 não tem o ponto de entrada %2.")
                        .arg(nome, QString::fromLatin1(nEntradaPacote));
    Soltar(*biblioteca, false);
    return false;
  }
  if (descricao->Versao != nVersaoPacote) {
    situacao.Estado = TnEstadoPacote::Falhou;
    situacao.Erro = QStringLiteral("O pacote %1 foi gerado para outra versão do framework (%2, esperada %3).")
                        .arg(nome)
                        .arg(descricao->Versao)
                        .arg(nVersaoPacote);
    Soltar(*biblioteca, false);
    return false;
  }

  QStringList unidades;
  try {
    InicializarUnidades(nome, *descricao, &unidades);
  } catch (...) {
    FHistorico.append(unidades);
    nLiberarHooksDoPacote(nome);
    situacao.Estado = TnEstadoPacote::Falhou;
    situacao.Erro = TextoDoErro(std::current_exception());
    Soltar(*biblioteca, descricao->Residente != 0);
    return false;
  }
  FHistorico.append(unidades);
  for (const QString &unidade : std::as_const(unidades)) situacao.Unidades.append(unidade.mid(1));
  pacote->Biblioteca = std::move(biblioteca);
  pacote->Descricao = descricao;
  situacao.Estado = TnEstadoPacote::Carregado;
  return true;
}

void TnPacotes::InicializarUnidades(const QString &nome, const TnDescricaoPacote &descricao, QStringList *historico) {
  TnEmCarga emCarga(nome);
  int i = 0;
  try {
    for (; i < descricao.Quantidade; ++i) {
      const TnUnidadePacote &unidade = descricao.Unidades[i];
      if (unidade.Inicializar) unidade.Inicializar();
      if (historico) historico->append(QLatin1Char('+') + NomeUnidade(unidade));
    }
  } catch (...) {
    const QString erro = QStringLiteral("Falha na inicialização da unidade %1 do pacote %2: %3")
                             .arg(NomeUnidade(descricao.Unidades[i]), nome, TextoDoErro(std::current_exception()));
    // Undo the units already initialized, last first; their own errors are
    // second to the one that stopped the load.
    for (int j = i - 1; j >= 0; --j) {
      const TnUnidadePacote &unidade = descricao.Unidades[j];
      try {
        if (unidade.Finalizar) unidade.Finalizar();
      } catch (...) {
      }
      if (historico) historico->append(QLatin1Char('-') + NomeUnidade(unidade));
    }
    throw Exception(erro);
  }
}

void TnPacotes::FinalizarUnidades(const QString &nome, const TnDescricaoPacote &descricao, QStringList *historico) {
  TnEmCarga emCarga(nome);
  QString primeiroErro;
  for (int j = descricao.Quantidade - 1; j >= 0; --j) {
    const TnUnidadePacote &unidade = descricao.Unidades[j];
    try {
      if (unidade.Finalizar) unidade.Finalizar();
    } catch (...) {
      if (primeiroErro.isEmpty())
        primeiroErro = QStringLiteral("Falha na finalização da unidade %1 do pacote %2: %3")
                           .arg(NomeUnidade(unidade), nome, TextoDoErro(std::current_exception()));
    }
    if (historico) historico->append(QLatin1Char('-') + NomeUnidade(unidade));
  }
  if (!primeiroErro.isEmpty()) throw Exception(primeiroErro);
}

bool TnPacotes::DescarregarPacote(const QString &nome) {
  TnCarga *pacote = Achar(nome);
  if (!pacote || pacote->Situacao.Estado != TnEstadoPacote::Carregado) return false;
  try {
    FinalizarUnidades(pacote->Situacao.Nome, *pacote->Descricao, &FHistorico);
  } catch (const Exception &e) {
    pacote->Situacao.Erro = e.message();
  }
  // A hook the library set must not outlive its code.
  nLiberarHooksDoPacote(pacote->Situacao.Nome);
  Soltar(*pacote->Biblioteca, pacote->Descricao->Residente != 0);
  pacote->Biblioteca.reset();
  pacote->Descricao = nullptr;
  pacote->Situacao.Estado = TnEstadoPacote::Descarregado;
  return true;
}

void TnPacotes::DescarregarPacotes() {
  for (auto it = FPacotes.rbegin(); it != FPacotes.rend(); ++it)
    if ((*it)->Situacao.Estado == TnEstadoPacote::Carregado) DescarregarPacote((*it)->Situacao.Nome);
}

QList<TnSituacaoPacote> TnPacotes::Situacao() const {
  QList<TnSituacaoPacote> lista;
  for (const auto &pacote : FPacotes) lista.append(pacote->Situacao);
  return lista;
}

const TnSituacaoPacote *TnPacotes::Pacote(const QString &nome) const {
  const TnCarga *pacote = Achar(nome);
  return pacote ? &pacote->Situacao : nullptr;
}
