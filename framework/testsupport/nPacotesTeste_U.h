#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "nPacotes_U.h"
#include "nRegistro_U.h"

// Opens module libraries from the program's folder for a whole test program,
// as the program does at start (their units register their classes), and
// unloads them at the end. A library that fails to load stops every test
// with the loader's reason.
class TnPacotesTeste : public ::testing::Environment {
 public:
  explicit TnPacotesTeste(QStringList nomes) : FNomes(std::move(nomes)) {}

  void SetUp() override {
    FPacotes = std::make_unique<TnPacotes>();
    FPacotes->AbrirPacotes(FNomes);
    for (const QString &nome : FNomes) {
      const TnSituacaoPacote *situacao = FPacotes->Pacote(nome);
      ASSERT_TRUE(situacao && situacao->Estado == TnEstadoPacote::Carregado)
          << nome.toStdString() << ": " << (situacao ? situacao->Erro.toStdString() : std::string("não aberto"));
    }
  }

  void TearDown() override {
    TnRegistro::Instancia().DestruirTodos();
    FPacotes->DescarregarPacotes();
    FPacotes.reset();
  }

 private:
  QStringList FNomes;
  std::unique_ptr<TnPacotes> FPacotes;
};
