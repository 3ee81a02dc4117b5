#pragma once

#include <QList>
#include <QPointer>

#include "nFrmPowerParam_U.h"
#include "nVisaoForm_U.h"
#include "nframeworkui_export.h"

class QLabel;
class QProgressBar;
class QStandardItemModel;
class QTabWidget;
class QTreeView;
class TnFraProgresso;
class TnMsgTree;

// The process form on screen: the pages (page 0 with one editor per shown
// parameter, then the tabs the process made, each with what it placed there),
// the message tree as a tree view with the icons of its lines, and the
// progress bars. The tree and the bars follow their models' observers; a
// progress change repaints at once and lets the event loop run, so the window
// stays responsive during a long run.
class NFRAMEWORKUI_EXPORT TnVisaoPowerParam : public TnVisaoForm {
 public:
  TnVisaoPowerParam(TnFrmPowerParam *form, QWidget *parent = nullptr);
  ~TnVisaoPowerParam() override;

  TnFrmPowerParam *Processo() const;
  QTabWidget *Paginas() const { return FPaginas; }
  QTreeView *Arvore() const { return FArvore; }
  QStandardItemModel *ModeloArvore() const { return FModeloArvore; }
  QProgressBar *BarraTotal() const { return FBarraTotal; }
  QProgressBar *BarraParcial() const { return FBarraParcial; }
  // The editor of a parameter (by alias, any case); null when not shown.
  QWidget *EditorParametro(const QString &alias) const;

  void Sincronizar() override;
  bool ConfirmarEdicao() override;
  bool FocarParametro(TnpqParamItem *parametro) override;

  // Draws a progress frame in the view of its process (the hook
  // TnFraProgresso::SetAoCriar installs).
  static void ApresentarProgresso(TnFraProgresso &frame);

 private:
  void MontarPaginas();
  void LigarArvore();
  void RelerArvore();
  void LigarProgresso(TnFraProgresso *frame);
  void MostrarProgresso();
  bool ConfirmarParametro(int indice);

  QTabWidget *FPaginas;
  QTreeView *FArvore;
  QStandardItemModel *FModeloArvore;
  QWidget *FPainelProgresso;
  QLabel *FTextoTotal;
  QProgressBar *FBarraTotal;
  QLabel *FTextoParcial;
  QProgressBar *FBarraParcial;
  TnMsgTree *FMsgTree = nullptr;
  int FIdArvore = 0;
  TnFraProgresso *FProgresso = nullptr;
  int FIdProgresso = 0;
  QList<QPair<TnpqParamItem *, QWidget *>> FEditores;
  int FPaginasMontadas = 0;
};
