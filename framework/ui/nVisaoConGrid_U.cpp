#include "nVisaoConGrid_U.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "nDBGrid_U.h"
#include "nFrmConGrid_U.h"
#include "nFrmVisual_U.h"
#include "nGuarda_U.h"
#include "nVisaoGrid_U.h"

TnVisaoConGrid::TnVisaoConGrid(TnFrmConGrid *form, QWidget *parent)
    : QWidget(parent),
      FForm(form),
      FOrdem(new QComboBox(this)),
      FPesquisa(new QLineEdit(this)),
      FVisaoGrid(new TnVisaoGrid(form->Grid(), this)),
      FEscolher(new QPushButton(QStringLiteral("Escolher"), this)),
      FFechar(new QPushButton(QStringLiteral("Fechar"), this)) {
  setObjectName(QStringLiteral("visaoConGrid"));
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto *topo = new QHBoxLayout;
  topo->addWidget(new QLabel(QStringLiteral("Ordem:"), this));
  topo->addWidget(FOrdem);
  topo->addWidget(new QLabel(QStringLiteral("Pesquisar:"), this));
  topo->addWidget(FPesquisa, 1);
  layout->addLayout(topo);
  layout->addWidget(FVisaoGrid, 1);
  auto *base = new QHBoxLayout;
  base->addStretch(1);
  base->addWidget(FEscolher);
  base->addWidget(FFechar);
  layout->addLayout(base);

  for (const TnDefAdic::TnOrdem &ordem : form->Ordens()) FOrdem->addItem(ordem.Caption);
  FOrdem->setVisible(!form->Ordens().isEmpty());
  if (form->OrdemAtual() >= 0) FOrdem->setCurrentIndex(form->OrdemAtual());
  connect(FOrdem, &QComboBox::activated, this, [this](int indice) {
    nExecutarProtegido([&] { FForm->SetOrdem(indice); });
    FVisaoGrid->Atualizar();
  });
  connect(FPesquisa, &QLineEdit::textEdited, this, [this](const QString &texto) {
    if (!texto.isEmpty()) nExecutarProtegido([&] { FForm->Pesquisar(texto); });
  });
  FPesquisa->installEventFilter(this);
  connect(FEscolher, &QPushButton::clicked, this, [this] { nExecutarProtegido([this] { FForm->Escolher(); }); });
  connect(FFechar, &QPushButton::clicked, this, [this] { nExecutarProtegido([this] { FForm->Fechar(mrCancel); }); });
  FVisaoGrid->Tabela()->setFocus();
}

// Keys in the search box that belong to the grid: Enter chooses, Esc closes,
// Up and Down move the row.
bool TnVisaoConGrid::eventFilter(QObject *objeto, QEvent *evento) {
  if (objeto == FPesquisa && evento->type() == QEvent::KeyPress) {
    auto *tecla = static_cast<QKeyEvent *>(evento);
    const int key = nTeclaVirtual(tecla->key());
    if (key == nTeclaEnter || key == nTeclaEsc || key == 38 || key == 40) {
      FForm->Grid()->PressionarTecla(key, nShiftState(tecla->modifiers()));
      FVisaoGrid->Atualizar();
      return true;
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

QWidget *nCriarVisaoConGrid(TnFrmConGrid *form, QWidget *parent) { return new TnVisaoConGrid(form, parent); }
