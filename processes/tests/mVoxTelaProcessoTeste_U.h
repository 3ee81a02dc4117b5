#pragma once

// The fixture of the processes' screen tests: a fresh sample database, the Qt
// layer installed as the program installs it (wait cursor included) with the
// questions scripted, and the process's form shown in an active window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTableView>
#include <QTest>
#include <memory>
#include <optional>

#include "mVoxPkTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nInstalarUi_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nVisaoGrid_U.h"
#include "nVisaoPowerParam_U.h"

class TmVoxTelaProcessoTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    nInstalarUi();
    FDialogos.emplace();
  }
  void TearDown() override {
    FVisao.reset();
    FDialogos.reset();
    nDesinstalarUi();
    TmVoxCadastroTeste::TearDown();
  }

  // The process of the class, created by name, its form on screen; null
  // when the class is unknown.
  template <class T>
  T *Mostrar(const QString &classe) {
    auto *processo = dynamic_cast<T *>(CriarDM(classe));
    if (!processo) return nullptr;
    FVisao = std::make_unique<TnVisaoPowerParam>(processo->CriarForm());
    FVisao->show();
    QApplication::setActiveWindow(FVisao.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(FVisao.get()));
    return processo;
  }
  // The table of the process's grid; null while the screen has none.
  QTableView *Tabela() const {
    auto *grid = dynamic_cast<TnVisaoGrid *>(FVisao->findChild<QWidget *>(QStringLiteral("nDBGrid")));
    return grid ? grid->Tabela() : nullptr;
  }
  TnDialogosRoteiro &Dialogos() { return FDialogos->Roteiro(); }
  // The texts of a column of the table, top to bottom.
  QStringList Coluna(int coluna) const {
    QStringList textos;
    QAbstractItemModel *modelo = Tabela()->model();
    for (int linha = 0; linha < modelo->rowCount(); ++linha)
      textos << modelo->data(modelo->index(linha, coluna)).toString();
    return textos;
  }
  // The column with that title; -1 when none.
  int IndiceColuna(const QString &titulo) const {
    QAbstractItemModel *modelo = Tabela()->model();
    for (int c = 0; c < modelo->columnCount(); ++c)
      if (modelo->headerData(c, Qt::Horizontal).toString() == titulo) return c;
    return -1;
  }

  TnParamsSalvosTeste FParams;
  std::optional<TnDialogosTeste> FDialogos;
  std::unique_ptr<TnVisaoPowerParam> FVisao;
};
