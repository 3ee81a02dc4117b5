#pragma once

#include <QWidget>

#include "nframeworkui_export.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class TnFrmConGrid;
class TnVisaoGrid;

// The client area of a lookup grid form: the ordering chooser, the search
// box (moves to the first row starting with the typed text in the current
// ordering), the grid, and the "Escolher"/"Fechar" buttons. Choosing closes
// the form through the form model (mrOk with the row current on the
// dataset); the modal window around it is the form view's.
class NFRAMEWORKUI_EXPORT TnVisaoConGrid : public QWidget {
 public:
  TnVisaoConGrid(TnFrmConGrid *form, QWidget *parent = nullptr);

  TnFrmConGrid *Form() const { return FForm; }
  TnVisaoGrid *VisaoGrid() const { return FVisaoGrid; }
  QComboBox *Ordem() const { return FOrdem; }
  QLineEdit *Pesquisa() const { return FPesquisa; }
  QPushButton *BotaoEscolher() const { return FEscolher; }
  QPushButton *BotaoFechar() const { return FFechar; }

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  TnFrmConGrid *FForm;
  QComboBox *FOrdem;
  QLineEdit *FPesquisa;
  TnVisaoGrid *FVisaoGrid;
  QPushButton *FEscolher;
  QPushButton *FFechar;
};

NFRAMEWORKUI_EXPORT QWidget *nCriarVisaoConGrid(TnFrmConGrid *form, QWidget *parent);
