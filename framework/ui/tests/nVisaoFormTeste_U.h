#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nField_U.h"
#include "nFrmCadastro_U.h"
#include "nVisaoCadastro_U.h"

// Runs `acao` on the next modal window to open (a message box, a dialog
// form, a modal form's dialog), from inside its event loop. Gives up after
// two seconds; the test then fails on the blocked answer it waits for.
inline void nAoAbrirModal(std::function<void(QWidget *janela)> acao, QWidget *anterior = nullptr) {
  auto relogio = std::make_shared<QElapsedTimer>();
  relogio->start();
  auto tentar = std::make_shared<std::function<void()>>();
  *tentar = [acao = std::move(acao), relogio, tentar, anterior] {
    QWidget *janela = QApplication::activeModalWidget();
    if (janela && janela != anterior && janela->isVisible()) {
      acao(janela);
      *tentar = nullptr;  // break the cycle
      return;
    }
    if (relogio->elapsed() < 2000) QTimer::singleShot(10, *tentar);
  };
  QTimer::singleShot(0, *tentar);
}

// A small register dataset: a code, a name, a situation chosen from a list,
// a date and a note; two rows.
inline std::unique_ptr<TnClientDataSet> nDadosCadastroTeste() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 40);
  dados->AddFieldDef(QStringLiteral("SITUACAO"), TnFieldType::String, 1);
  dados->AddFieldDef(QStringLiteral("DATA"), TnFieldType::Date);
  dados->AddFieldDef(QStringLiteral("OBS"), TnFieldType::Memo);
  dados->CreateDataSet();
  dados->FieldByName(QStringLiteral("NOME"))->SetDisplayLabel(QStringLiteral("Nome"));
  dados->FieldByName(QStringLiteral("SITUACAO"))
      ->Definicao()
      .SetNomesValores({QStringLiteral("Aberto=1"), QStringLiteral("Baixado=2"), QStringLiteral("Cancelado=3")});
  dados->FieldByName(QStringLiteral("SITUACAO"))->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  for (int i = 1; i <= 2; ++i) {
    dados->Append();
    dados->FieldByName(QStringLiteral("CODIGO"))->SetAsString(QString::number(i));
    dados->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Cliente %1").arg(i));
    dados->FieldByName(QStringLiteral("SITUACAO"))->SetAsString(QStringLiteral("1"));
    dados->FieldByName(QStringLiteral("DATA"))->SetAsString(QStringLiteral("0%1/03/2026").arg(i));
    dados->Post();
  }
  dados->First();
  return dados;
}

// A key pressed and released on `alvo`, as the keyboard would send it.
inline void nTeclar(QWidget *alvo, Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier,
                    const QString &texto = QString()) {
  QKeyEvent pressionada(QEvent::KeyPress, tecla, modificadores, texto);
  QApplication::sendEvent(alvo, &pressionada);
  QKeyEvent solta(QEvent::KeyRelease, tecla, modificadores, texto);
  QApplication::sendEvent(alvo, &solta);
}

// A register form over nDadosCadastroTeste, its view shown (and activated
// when `ativar`).
class TnVisaoCadastroFixture : public ::testing::Test {
 protected:
  void Montar(bool ativar) {
    FDados = nDadosCadastroTeste();
    FForm = std::make_unique<TnFrmCadastro>(nullptr, FDados.get());
    FVisao = std::make_unique<TnVisaoCadastro>(FForm.get());
    FVisao->show();
    if (ativar) FVisao->activateWindow();
  }
  void TearDown() override {
    FVisao.reset();
    FForm.reset();
    FDados.reset();
  }
  TnField *Campo(const char *nome) { return FDados->FieldByName(QString::fromLatin1(nome)); }

  std::unique_ptr<TnClientDataSet> FDados;
  std::unique_ptr<TnFrmCadastro> FForm;
  std::unique_ptr<TnVisaoCadastro> FVisao;
};
