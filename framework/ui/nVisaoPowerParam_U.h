#pragma once

#include <QList>
#include <QPointer>

#include "nFrmPowerParam_U.h"
#include "nVisaoForm_U.h"
#include "nframeworkui_export.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QToolButton;
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
  // The editor of a parameter (by alias, any case); null when not shown. By
  // kind: a combo (a value list), a check list (a list of checkable lines), a
  // line edit (text, date "dd/mm/aaaa", month/year "mm/aaaa", codes), or, for
  // an item with a dictionary lookup class, a box holding the line edit and
  // the lookup button.
  QWidget *EditorParametro(const QString &alias) const;
  // The line edit of a text-like parameter (inside the box when it has a
  // button); null for a combo or a check list.
  QLineEdit *TextoParametro(const QString &alias) const;
  // The lookup button of a parameter; null when its item has no lookup class.
  QToolButton *BotaoLookup(const QString &alias) const;
  // The caption beside a parameter's editor (bold while it is required).
  QLabel *RotuloParametro(const QString &alias) const;
  // Opens the lookup class of the parameter's item as a modal grid; a chosen
  // row's value (the item's CampoLookup, else its dictionary key) replaces a
  // single code or is added to a multi-select's list. True when a row was
  // chosen.
  bool AbrirLookupParametro(const QString &alias);

  void Sincronizar() override;
  bool ConfirmarEdicao() override;
  bool FocarParametro(TnpqParamItem *parametro) override;

  // Draws a progress frame in the view of its process (the hook
  // TnFraProgresso::SetAoCriar installs).
  static void ApresentarProgresso(TnFraProgresso &frame);

 protected:
  // An editor losing the focus: what was typed goes to the item, a link's
  // code is checked, then the item's editor model leaves (OnParamExit).
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  // One shown parameter and the widgets that draw it.
  struct TnEditorParam {
    TnpqParamItem *Item = nullptr;
    QWidget *Editor = nullptr;  // what EditorParametro gives
    QLabel *Rotulo = nullptr;
    QLineEdit *Texto = nullptr;
    QComboBox *Combo = nullptr;
    QListWidget *Lista = nullptr;
    QToolButton *Botao = nullptr;
  };

  QWidget *CriarEditor(TnEditorParam &editor, int indice, QWidget *pai);
  const TnEditorParam *Entrada(const QString &alias) const;
  void SairParametro(int indice);
  void SincronizarEditor(const TnEditorParam &editor);
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
  QList<TnEditorParam> FEditores;
  QFormLayout *FCampos = nullptr;
  int FPaginasMontadas = 0;
  // The control of the model's focus last given to the keyboard.
  QPointer<QObject> FFocoAplicado;
};
