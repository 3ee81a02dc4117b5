#include <gtest/gtest.h>

#include <QObject>

#include "nBancoTeste_U.h"
#include "nFraProgresso_U.h"

TEST(FraProgresso, StartsHiddenAndSimpleShowsACountFromZero) {
  TnFraProgresso progresso;
  EXPECT_FALSE(progresso.Visivel());
  progresso.MostrarSimples(3, QStringLiteral("Gerando Protocolos..."));
  EXPECT_TRUE(progresso.Visivel());
  EXPECT_EQ(progresso.Modo(), TnModoProgresso::Simples);
  EXPECT_EQ(progresso.Total(), (TnBarraProgresso{0, 3, 0, QStringLiteral("Gerando Protocolos..."), false}));
  progresso.Esconder();
  EXPECT_FALSE(progresso.Visivel());
}

TEST(FraProgresso, IncrementsStopAtTheMaximum) {
  TnFraProgresso progresso;
  progresso.MostrarSimples(2, QStringLiteral("x"));
  for (int i = 0; i < 5; ++i) progresso.IncProgressoTotal();
  EXPECT_EQ(progresso.Total().Posicao, 2);
  EXPECT_EQ(progresso.Total().Percentual(), 100);

  progresso.MostrarSimples(4, 7, QStringLiteral("Configurando filiais..."));  // from a row number on
  EXPECT_EQ(progresso.Total().Posicao, 4);
  progresso.IncProgressoTotal();
  EXPECT_EQ(progresso.Total().Percentual(), 33);
}

TEST(FraProgresso, ConfiguringPutsTheBarAtItsMinimumAndMendsInvertedBounds) {
  TnFraProgresso progresso;
  progresso.MostrarSimples(10);
  progresso.IncProgressoTotal();
  progresso.ConfigurarProgressoTotal(1, 2, QStringLiteral("Verificando documentos pendentes..."));
  EXPECT_EQ(progresso.Total(),
            (TnBarraProgresso{1, 2, 1, QStringLiteral("Verificando documentos pendentes..."), false}));

  progresso.ConfigurarProgressoParcial(5, 3);
  EXPECT_EQ(progresso.Parcial().Minimo, 5);
  EXPECT_EQ(progresso.Parcial().Maximo, 5);
  progresso.IncProgressoParcial();
  EXPECT_EQ(progresso.Parcial().Posicao, 5);
  EXPECT_EQ(progresso.Parcial().Percentual(), 0);  // no span
}

TEST(FraProgresso, TextIsKeptUnlessGivenAgain) {
  TnFraProgresso progresso;
  progresso.MostrarMultiplo();
  progresso.ConfigurarProgressoParcial(1, 3, QStringLiteral("Processando Clientes..."));
  progresso.ConfigurarProgressoParcial(1, 4);
  EXPECT_EQ(progresso.Parcial().Texto, QStringLiteral("Processando Clientes..."));
  progresso.IncProgressoParcial(QStringLiteral("Débitos"));
  EXPECT_EQ(progresso.Parcial().Texto, QStringLiteral("Débitos"));
  progresso.IncProgressoParcial();
  EXPECT_EQ(progresso.Parcial().Texto, QStringLiteral("Débitos"));
  EXPECT_EQ(progresso.Parcial().Posicao, 3);
}

TEST(FraProgresso, MultipleModeKeepsTheBarsApartAndClearingResetsOne) {
  TnFraProgresso progresso;
  progresso.MostrarMultiplo(4, QStringLiteral("Carregando dados..."));
  progresso.SetCircularParcial(true);
  EXPECT_EQ(progresso.Modo(), TnModoProgresso::Multiplo);
  progresso.IncProgressoTotal(QStringLiteral("Carregando caixas..."));
  EXPECT_EQ(progresso.Total().Posicao, 1);
  EXPECT_EQ(progresso.Parcial().Posicao, 0);
  EXPECT_TRUE(progresso.Parcial().Circular);
  EXPECT_FALSE(progresso.Total().Circular);

  progresso.LimparProgressoTotal();
  EXPECT_EQ(progresso.Total(), TnBarraProgresso());
  EXPECT_TRUE(progresso.Parcial().Circular);
  progresso.LimparProgressoParcial();
  EXPECT_EQ(progresso.Parcial(), TnBarraProgresso());

  // A simple frame shown again drops the partial bar of the earlier layout.
  progresso.ConfigurarProgressoParcial(0, 9);
  progresso.MostrarSimples(1);
  EXPECT_EQ(progresso.Parcial(), TnBarraProgresso());
}

TEST(FraProgresso, CircularIndicatorUntilBoundsAreGiven) {
  TnFraProgresso progresso;
  progresso.MostrarCircular(QStringLiteral("Salvando dados..."));
  EXPECT_TRUE(progresso.Visivel());
  EXPECT_TRUE(progresso.Total().Circular);
  EXPECT_EQ(progresso.Total().Texto, QStringLiteral("Salvando dados..."));
  progresso.ConfigurarProgressoTotal(0, 3);
  EXPECT_FALSE(progresso.Total().Circular);
}

TEST(FraProgresso, ObserversFollowChangesAndTheEnd) {
  QObject dono;
  std::vector<TnFraProgresso *> criados;
  TnFraProgresso::TnAoCriar anterior =
      TnFraProgresso::SetAoCriar([&](TnFraProgresso &frame) { criados.push_back(&frame); });
  int alteracoes = 0;
  int destruidos = 0;
  {
    std::unique_ptr<TnFraProgresso> progresso = TnFraProgresso::CriarProgresso(&dono);
    ASSERT_EQ(criados, std::vector<TnFraProgresso *>{progresso.get()});
    EXPECT_EQ(progresso->Dono(), &dono);
    progresso->Observar([&](TnFraProgresso &, TnEventoProgresso evento) {
      if (evento == TnEventoProgresso::Alterado) ++alteracoes;
      if (evento == TnEventoProgresso::Destruido) ++destruidos;
    });
    const int outro = progresso->Observar([&](TnFraProgresso &, TnEventoProgresso) { ++alteracoes; });
    progresso->DeixarDeObservar(outro);
    progresso->MostrarSimples(2, QStringLiteral("a"));
    progresso->IncProgressoTotal();
    EXPECT_EQ(alteracoes, 2);
    EXPECT_EQ(destruidos, 0);
  }
  EXPECT_EQ(destruidos, 1);
  TnFraProgresso::SetAoCriar(anterior);
}
