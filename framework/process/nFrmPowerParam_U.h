#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

#include "nFrmVisual_U.h"
#include "nframework_export.h"

class TnDMPower;
class TnDBGridEh;
class TnDMPowerParam;
class TnFraProgresso;
class TnMsgTree;
class TnPainel;
class TnpqParamItem;

// The form of a process, as a model the Qt layer draws and tests drive:
//   - a page control: page 0 holds the parameter panel (one editor per
//     parameter shown), pages 1, 2… are the tabs the process makes with
//     CriarTab (grids go there);
//   - the message-tree pane (shown when the process asks for it) and the
//     process's progress frame;
//   - the tool bar: Executar, then Gravar and Cancelar (shown when the process
//     turned them on, enabled while it is in the changed state);
//   - for a tab or grid process, the framework grid "nDBGrid" over the
//     process's nClientDataSet, with the process's grid options. It starts on
//     page 0 under the parameters; the process moves it into its tab.
//
// Pressing Executar runs the process's ExecutarProcesso (ValidarDado, keep
// the parameter values, Executar) under the guard: a refusal is shown once,
// and an EnParam also brings page 0 forward and puts the focus on that
// parameter's editor. After a good run the first tab comes forward, and a
// form whose ResultadoAoExecutar is set closes with that result (a caller's
// modal use).
//
// Form classes are registered by name (TnFrmPowerParam itself always is), so
// a process names its form with GetFormClass and a module library may add
// its own descendant ("TnFrmGerarProtocolo").
class NFRAMEWORK_EXPORT TnFrmPowerParam : public TnFrmVisual {
 public:
  // Names of the form's actions and their tool buttons.
  static inline const QString NomeActExecutar = QStringLiteral("actExecutar");
  static inline const QString NomeActGravar = QStringLiteral("actGravar");
  static inline const QString NomeActCancelar = QStringLiteral("actCancelar");
  static inline const QString NomeActPesquisar = QStringLiteral("actPesquisar");
  static inline const QString NomeActPesquisarNext = QStringLiteral("actPesquisarNext");

  explicit TnFrmPowerParam(TnDMPower *processo, QObject *parent = nullptr);
  ~TnFrmPowerParam() override;

  QString ClassName() const override;
  bool HerdaDe(const QString &nomeClasse) const override;

  // The process frees its form when it goes away, so this is never dangling.
  TnDMPower *Processo() const { return FProcesso; }

  // --- pages
  int PageCount() const;
  // Null outside 0..PageCount()-1.
  TnPainel *Pagina(int indice) const;
  TnPainel *PaginaParametros() const { return FPaginaParametros; }
  // The panel holding the parameter editors, inside page 0.
  TnPainel *PainelParametros() const { return FPainelParametros; }
  // The page control itself (the control a process may align to fill the
  // client area).
  TnPainel *PageControl() const { return FPageControl; }
  // A new tab page at the end; the process places its grids in it.
  TnPainel *CriarTab(const QString &caption);
  int PaginaAtiva() const { return FPaginaAtiva; }
  // Brings a page forward from code; false for an index out of range.
  bool SetPaginaAtiva(int indice);
  // The user picks a page: the process's nPageControlOnChanging may keep the
  // current one (a raise keeps it too and is shown by the guard). Answers
  // whether the page changed.
  bool MudarPagina(int indice);

  // The process's grid (tab and grid processes); null for other processes.
  TnDBGridEh *DBGrid() const;

  // --- parameters
  // The parameters the panel shows, in panel order: the visible ones, or
  // only those the process named with SetMostrarParams.
  QList<TnpqParamItem *> ParametrosExibidos() const;
  // Page 0 forward and the focus on the parameter's editor, when it is shown
  // and enabled; answers whether it took the focus.
  bool FocarParametro(TnpqParamItem *param);
  // The user leaves the editor that has the focus (its OnParamExit runs
  // under the guard).
  void SairDoParametro(TnpqParamItem *param);

  // --- message tree and progress
  TnPainel *PainelMsgTree() const { return FPainelMsgTree; }
  // The process's tree (the Qt layer draws it in PainelMsgTree).
  TnMsgTree *MsgTree() const;
  TnFraProgresso *Progresso() const;

  // --- tool bar
  TnToolButton *BtnExecutar() const { return FBtnExecutar; }
  TnToolButton *BtnGravar() const { return FBtnGravar; }
  TnToolButton *BtnCancelar() const { return FBtnCancelar; }
  // Presses Executar, Gravar or Cancelar as the user does (through their
  // actions, so a disabled one does nothing); answers whether it ran to its
  // end.
  bool Executar();
  bool Gravar();
  bool Cancelar();
  // Brings the tool bar, the panes and the search actions up to date with the
  // process (the process calls it when its state changes).
  void AtualizarEstado();

  // The modal result the form closes with after a good run; mrNone (the
  // default) keeps it open.
  int ResultadoAoExecutar() const { return FResultadoAoExecutar; }
  void SetResultadoAoExecutar(int resultado) { FResultadoAoExecutar = resultado; }

  // --- form classes by name
  using TnFabricaForm = std::function<TnFrmPowerParam *(TnDMPower *processo)>;
  // Raises Exception for an empty name or one already registered.
  static void RegistrarClasse(const QString &nome, TnFabricaForm fabrica);
  // False when the name is unknown. TnFrmPowerParam itself cannot be removed.
  static bool RemoverClasse(const QString &nome);
  static bool ClasseRegistrada(const QString &nome);
  // A new form of the named class (any case) for the process; null when the
  // name is unknown.
  static TnFrmPowerParam *CriarPorNome(const QString &nome, TnDMPower *processo);

 private:
  TnDMPowerParam *ProcessoParam() const;
  void ActExecutar(QObject *sender);

  TnDMPower *FProcesso;
  TnPainel *FPageControl;
  TnPainel *FPaginaParametros;
  TnPainel *FPainelParametros;
  TnPainel *FPainelMsgTree;
  QList<QPointer<TnPainel>> FPaginas;
  QPointer<TnDBGridEh> FDBGrid;
  int FPaginaAtiva = 0;
  TnToolButton *FBtnExecutar;
  TnToolButton *FBtnGravar;
  TnToolButton *FBtnCancelar;
  int FResultadoAoExecutar = mrNone;
};
