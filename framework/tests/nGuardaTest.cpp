#include <gtest/gtest.h>

#include <stdexcept>

#include "nBancoTeste_U.h"
#include "nDialogoInesperado_U.h"
#include "nDialogosRoteiro_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nGuarda_U.h"

namespace {

// The guard only passes these pointers on, never reads through them, so any
// distinct address stands for a field or a parameter here.
int GCampo = 0;
int GParametro = 0;
TnField *const kCampo = reinterpret_cast<TnField *>(&GCampo);
TnpqParamItem *const kParametro = reinterpret_cast<TnpqParamItem *>(&GParametro);

// Records the focus requests for the length of a test.
class GuardaTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    FCampoAnterior = nSetFocarCampo([this](TnField *campo) {
      CamposFocados.push_back(campo);
      return true;
    });
    FParametroAnterior = nSetFocarParametro([this](TnpqParamItem *parametro) {
      ParametrosFocados.push_back(parametro);
      return true;
    });
  }
  void TearDown() override {
    nSetFocarCampo(FCampoAnterior);
    nSetFocarParametro(FParametroAnterior);
  }

  TnDialogosTeste Dialogos;
  std::vector<TnField *> CamposFocados;
  std::vector<TnpqParamItem *> ParametrosFocados;

 private:
  TnFocarCampo FCampoAnterior;
  TnFocarParametro FParametroAnterior;
};

}  // namespace

TEST_F(GuardaTeste, CompletedActionShowsNothing) {
  bool rodou = false;
  EXPECT_TRUE(nExecutarProtegido([&] { rodou = true; }));
  EXPECT_TRUE(rodou);
  EXPECT_TRUE(Dialogos->Perguntas().isEmpty());
}

TEST_F(GuardaTeste, ExceptionIsShownOnceAsAnErrorWithOk) {
  Dialogos->Responder(0);
  EXPECT_FALSE(nExecutarProtegido([] { throw Exception(QStringLiteral("O Codigo da Empresa não pode ser nulo!")); }));
  ASSERT_EQ(Dialogos->Perguntas().size(), 1);
  const TnPerguntaDialogo &p = Dialogos->Perguntas().first();
  EXPECT_EQ(p.Texto, QStringLiteral("O Codigo da Empresa não pode ser nulo!"));
  EXPECT_EQ(p.TipoMensagem, TMsgDlgType::mtError);
  EXPECT_EQ(p.Opcoes, QStringList{QStringLiteral("OK")});
  EXPECT_TRUE(CamposFocados.empty());
  EXPECT_TRUE(ParametrosFocados.empty());
}

TEST_F(GuardaTeste, AbortIsSwallowedWithoutAnyMessage) {
  // No answer queued: any dialog would be reported as unexpected.
  EXPECT_FALSE(nExecutarProtegido([] { throw EAbort(); }));
  EXPECT_TRUE(Dialogos->Perguntas().isEmpty());
}

TEST_F(GuardaTeste, FieldErrorShowsTheMessageThenFocusesTheField) {
  Dialogos->SetAceitarMensagens(true);
  EXPECT_FALSE(nExecutarProtegido([] { throw EnField(kCampo, QStringLiteral("Informe a filial.")); }));
  EXPECT_EQ(Dialogos->Textos(), QStringList{QStringLiteral("Informe a filial.")});
  EXPECT_EQ(CamposFocados, std::vector<TnField *>{kCampo});
  EXPECT_TRUE(ParametrosFocados.empty());
}

TEST_F(GuardaTeste, ParameterErrorFocusesTheParameter) {
  Dialogos->SetAceitarMensagens(true);
  EXPECT_FALSE(nExecutarProtegido([] { throw EnParam(kParametro, QStringLiteral("Informe o período.")); }));
  EXPECT_EQ(ParametrosFocados, std::vector<TnpqParamItem *>{kParametro});
  EXPECT_TRUE(CamposFocados.empty());
}

TEST_F(GuardaTeste, FieldErrorWithoutAFieldFocusesNothing) {
  Dialogos->SetAceitarMensagens(true);
  EXPECT_FALSE(nExecutarProtegido([] { throw EnField(nullptr, QStringLiteral("Sem campo.")); }));
  EXPECT_TRUE(CamposFocados.empty());
  EXPECT_EQ(Dialogos->Textos().size(), 1);
}

TEST_F(GuardaTeste, ForeignExceptionsAreShownWithATextOfTheirOwnOrTheGenericOne) {
  Dialogos->SetAceitarMensagens(true);
  EXPECT_FALSE(nExecutarProtegido([] { throw std::runtime_error("disco cheio"); }));
  EXPECT_FALSE(nExecutarProtegido([] { throw 42; }));
  EXPECT_FALSE(nExecutarProtegido([] { throw Exception(QString()); }));
  EXPECT_EQ(Dialogos->Textos(),
            (QStringList{QStringLiteral("disco cheio"), nMsgErroInesperado(), nMsgErroInesperado()}));
}

TEST_F(GuardaTeste, NestedGuardShowsTheErrorOnlyOnce) {
  Dialogos->Responder(0);
  bool depois = false;
  EXPECT_TRUE(nExecutarProtegido([&] {
    EXPECT_FALSE(nExecutarProtegido([] { throw Exception(QStringLiteral("interna")); }));
    depois = true;
  }));
  EXPECT_TRUE(depois);
  EXPECT_EQ(Dialogos->Textos(), QStringList{QStringLiteral("interna")});
}

TEST(Guarda, NeverRaisesEvenWhenTheDialogOrTheFocusHookRaises) {
  TnDialogosRoteiro roteiro;  // no answers: showing the error raises
  TnDialogos *anterior = nSetDialogos(&roteiro);
  TnFocarCampo focoAnterior = nSetFocarCampo([](TnField *) -> bool { throw std::runtime_error("sem tela"); });
  bool resultado = true;
  EXPECT_NO_THROW(resultado = nExecutarProtegido([] { throw EnField(kCampo, QStringLiteral("x")); }));
  EXPECT_FALSE(resultado);
  EXPECT_EQ(roteiro.Falhas().size(), 1);  // the error box the test did not expect is still on record
  nSetFocarCampo(focoAnterior);
  nSetDialogos(anterior);
}

TEST(Guarda, WithoutDialogsTheErrorIsStillContained) {
  TnDialogos *anterior = nSetDialogos(nullptr);
  EXPECT_FALSE(nExecutarProtegido([] { throw Exception(QStringLiteral("sem janela")); }));
  nSetDialogos(anterior);
}
