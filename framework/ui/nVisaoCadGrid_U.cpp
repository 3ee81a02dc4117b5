#include "nVisaoCadGrid_U.h"

#include <QVBoxLayout>

#include "nFrmCadGrid_U.h"
#include "nVisaoGrid_U.h"

TnVisaoCadGrid::TnVisaoCadGrid(TnFrmCadGrid *form, QWidget *parent)
    : QWidget(parent), FForm(form), FVisaoGrid(new TnVisaoGrid(form->Grid(), this)) {
  setObjectName(QStringLiteral("visaoCadGrid"));
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FVisaoGrid);
}

QWidget *nCriarVisaoCadGrid(TnFrmCadGrid *form, QWidget *parent) { return new TnVisaoCadGrid(form, parent); }
