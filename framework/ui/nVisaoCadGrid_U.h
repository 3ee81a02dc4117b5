#pragma once

#include <QPointer>
#include <QWidget>

#include "nframeworkui_export.h"

class TnFrmCadGrid;
class TnVisaoGrid;

// The client area of an editable grid form: its grid filling the area. The
// window chrome (tool bar, actions, status) is the form view's.
class NFRAMEWORKUI_EXPORT TnVisaoCadGrid : public QWidget {
 public:
  TnVisaoCadGrid(TnFrmCadGrid *form, QWidget *parent = nullptr);

  TnFrmCadGrid *Form() const { return FForm; }
  TnVisaoGrid *VisaoGrid() const { return FVisaoGrid; }

 private:
  TnFrmCadGrid *FForm;
  TnVisaoGrid *FVisaoGrid;
};

NFRAMEWORKUI_EXPORT QWidget *nCriarVisaoCadGrid(TnFrmCadGrid *form, QWidget *parent);
