#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <vector>

#include "nframework_export.h"

// --- What a module library exports: ONE C entry, nPacoteDescricao, giving
// the library's units in their order. The unit order is the library's own
// list (e.g. records/mVoxPk_Unidades.cpp), framed by the empty marker units
// (_mVoxPk_Ini ... _mVoxPk_Fim); nothing depends on the order of static
// constructors.
extern "C" {
typedef void (*TnProcUnidade)();

struct TnUnidadePacote {
  const char *Nome;           // the unit's name ("mVoxDMProtocolo_U")
  TnProcUnidade Inicializar;  // may be null
  TnProcUnidade Finalizar;    // may be null
};

struct TnDescricaoPacote {
  int Versao;     // nVersaoPacote of the framework the library was built with
  int Residente;  // 1: the library stays mapped after its finalizations (code it
                  // handed out, such as spreadsheet functions, lives on)
  int Quantidade;
  const TnUnidadePacote *Unidades;
};

typedef const TnDescricaoPacote *(*TnEntradaPacote)();
}

inline constexpr int nVersaoPacote = 1;
inline constexpr const char *nEntradaPacote = "nPacoteDescricao";

// The declaration of a library's entry; the library defines it.
#define N_ENTRADA_PACOTE extern "C" Q_DECL_EXPORT const TnDescricaoPacote *nPacoteDescricao()

// --- The loader.
enum class TnEstadoPacote {
  NaoAberto,     // not asked for yet
  Recusado,      // PodeAbrirPacote said no
  Carregado,     // loaded, every unit initialized
  Falhou,        // not loaded: missing file, no entry, or a unit raised
  Descarregado,  // finalized and unloaded
};

struct NFRAMEWORK_EXPORT TnSituacaoPacote {
  QString Nome;     // "mVoxPk"
  QString Arquivo;  // the file asked for (folder + name; the platform adds lib/.so)
  TnEstadoPacote Estado = TnEstadoPacote::NaoAberto;
  QString Erro;           // why it failed (or what its finalization raised)
  QStringList Unidades;   // the units initialized, in order
};

// Opens the module libraries by file name from the program's folder, asking
// PodeAbrirPacote first, runs each library's unit initializations in its
// unit order, and at unload its finalizations in reverse. A library that
// fails is reported (Situacao) and the others still load. Libraries stay
// loaded until DescarregarPacotes: destroying the loader leaves them alone.
class NFRAMEWORK_EXPORT TnPacotes {
 public:
  // `pasta` empty: the program's folder.
  explicit TnPacotes(const QString &pasta = QString());
  ~TnPacotes();
  TnPacotes(const TnPacotes &) = delete;
  TnPacotes &operator=(const TnPacotes &) = delete;

  // The module's libraries, in loading order.
  static QStringList PacotesDoModulo();

  // Asked with the library's name before each one is opened; none: all open.
  void SetPodeAbrirPacote(std::function<bool(const QString &)> podeAbrir);

  // Opens the libraries in order; gives how many are loaded afterwards.
  int AbrirPacotes(const QStringList &nomes = PacotesDoModulo());
  // True when the library is loaded (now or before).
  bool AbrirPacote(const QString &nome);
  // Unloads every loaded library, the last opened first.
  void DescarregarPacotes();
  // False when the library is not loaded by this loader.
  bool DescarregarPacote(const QString &nome);

  QList<TnSituacaoPacote> Situacao() const;
  // Null when the library was never asked for.
  const TnSituacaoPacote *Pacote(const QString &nome) const;
  // Every unit call in the order run: "+unit" initialized, "-unit" finalized.
  const QStringList &Historico() const { return FHistorico; }

  // The library whose units are running now (its name); empty otherwise.
  static QString PacoteEmCarga();

  // Runs a library's unit initializations in order (and, when one raises,
  // the finalizations of those already run, in reverse, before raising).
  // For libraries linked into the program rather than opened by name.
  static void InicializarUnidades(const QString &nome, const TnDescricaoPacote &descricao,
                                  QStringList *historico = nullptr);
  // The finalizations of every unit, in reverse order. Every one runs; the
  // first error is raised at the end.
  static void FinalizarUnidades(const QString &nome, const TnDescricaoPacote &descricao,
                                QStringList *historico = nullptr);

 private:
  struct TnCarga;
  TnCarga *Achar(const QString &nome) const;
  QString FPasta;
  std::function<bool(const QString &)> FPodeAbrirPacote;
  std::vector<std::unique_ptr<TnCarga>> FPacotes;  // in the order asked for
  QStringList FHistorico;
};
