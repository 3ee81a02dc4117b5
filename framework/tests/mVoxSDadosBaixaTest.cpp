#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QTime>

#include "mVoxSDadosBaixa_U.h"
#include "nBancoTeste_U.h"
#include "nDialogosTeste_U.h"

namespace {

// The sample office has users 1 and 2; the clock reads 2026-12-01 09:30 and
// the session's user is 1.
class DadosBaixaTeste : public TnBancoTeste {
 protected:
  bool Pegar(int natureza) { return PegarDadosBaixa(natureza, Pessoa, Usuario, Momento, 2, 1); }
  // The labels of the dialog's fields as they were offered, in order.
  QStringList Campos() {
    const auto &perguntas = FDialogos.Roteiro().Perguntas();
    return perguntas.isEmpty() ? QStringList() : perguntas.first().Opcoes;
  }

  TnDialogosTeste FDialogos;
  QString Pessoa;
  int Usuario = 0;
  QDateTime Momento;
};

TEST_F(DadosBaixaTeste, OutgoingProtocolAsksTheDeliveringUserFirstAndGivesTheTypedValues) {
  FDialogos->ResponderCampos({{"Usuário Entrega", "2"},
                              {"Responsável Recebimento", "  João da Silva "},
                              {"Data Entrega", "30/11/2026"},
                              {"Hora Entrega", "16:45"}});
  ASSERT_TRUE(Pegar(1));
  EXPECT_EQ(Campos(), (QStringList{"Usuário Entrega", "Responsável Recebimento", "Data Entrega", "Hora Entrega"}));
  EXPECT_EQ(Pessoa, QStringLiteral("João da Silva"));
  EXPECT_EQ(Usuario, 2);
  EXPECT_EQ(Momento, QDateTime(QDate(2026, 11, 30), QTime(16, 45)));
}

TEST_F(DadosBaixaTeste, IncomingProtocolAsksTheDeliveringPersonFirstAndOpensOnTheSessionUserAndClock) {
  FDialogos->ResponderCampos({{"Responsável Entrega", "Ana"}});
  ASSERT_TRUE(Pegar(2));
  EXPECT_EQ(Campos(), (QStringList{"Responsável Entrega", "Usuário Recebimento", "Data Entrega", "Hora Entrega"}));
  EXPECT_EQ(Pessoa, QStringLiteral("Ana"));
  EXPECT_EQ(Usuario, 1);
  EXPECT_EQ(Momento, QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
}

TEST_F(DadosBaixaTeste, ValuesPassedInAreOfferedAgain) {
  Pessoa = QStringLiteral("Carlos");
  Usuario = 2;
  Momento = QDateTime(QDate(2026, 10, 5), QTime(8, 5, 40));
  FDialogos->ResponderCampos({});
  ASSERT_TRUE(Pegar(1));
  EXPECT_EQ(Pessoa, QStringLiteral("Carlos"));
  EXPECT_EQ(Usuario, 2);
  EXPECT_EQ(Momento, QDateTime(QDate(2026, 10, 5), QTime(8, 5)));
}

TEST_F(DadosBaixaTeste, CancelGivesFalseAndLeavesTheValuesAlone) {
  Pessoa = QStringLiteral("Carlos");
  FDialogos->ResponderCampos({{"Responsável Recebimento", "Outro"}, {"Usuário Entrega", "2"}}, mrCancel);
  EXPECT_FALSE(Pegar(1));
  EXPECT_EQ(Pessoa, QStringLiteral("Carlos"));
  EXPECT_EQ(Usuario, 0);
  EXPECT_FALSE(Momento.isValid());
}

// Each refusal is shown and the dialog stays open for the next answer; only
// the last, valid one is given back.
TEST_F(DadosBaixaTeste, IncompleteOrInvalidAnswersKeepTheDialogOpenWithTheirReason) {
  FDialogos->SetAceitarMensagens(true);
  FDialogos->ResponderCampos({{"Responsável Recebimento", "   "}});
  FDialogos->ResponderCampos({{"Responsável Recebimento", QString(51, QLatin1Char('x'))}});
  FDialogos->ResponderCampos({{"Responsável Recebimento", "João"}, {"Usuário Entrega", ""}});
  FDialogos->ResponderCampos({{"Usuário Entrega", "9"}});
  FDialogos->ResponderCampos({{"Usuário Entrega", "2"}, {"Data Entrega", "31/02/2026"}});
  FDialogos->ResponderCampos({{"Data Entrega", "28/02/2026"}, {"Hora Entrega", "25:10"}});
  FDialogos->ResponderCampos({{"Hora Entrega", "7:05:09"}});
  ASSERT_TRUE(Pegar(1));
  EXPECT_EQ(FDialogos->Textos().first(), QStringLiteral("Baixa do Protocolo - Empresa 2, Filial 1"));
  EXPECT_EQ(FDialogos->Textos().mid(1),
            (QStringList{"Informe o responsável pelo recebimento.", "O responsável deve ter no máximo 50 caracteres.",
                         "Informe o usuário que entregou os documentos.", "Usuário não cadastrado.",
                         "Data de entrega inválida.", "Hora de entrega inválida."}));
  EXPECT_EQ(Pessoa, QStringLiteral("João"));
  EXPECT_EQ(Usuario, 2);
  EXPECT_EQ(Momento, QDateTime(QDate(2026, 2, 28), QTime(7, 5, 9)));
}

}  // namespace
