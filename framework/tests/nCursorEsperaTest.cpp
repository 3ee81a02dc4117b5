#include <gtest/gtest.h>

#include <QList>
#include <stdexcept>

#include "nCursorEspera_U.h"

namespace {

// Records what the screen was told while it lives.
class TnCursorEsperaTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    FAnterior = TnCursorEspera::SetMostrar([this](bool espera) { FAvisos << espera; });
  }
  void TearDown() override { TnCursorEspera::SetMostrar(FAnterior); }

  QList<bool> FAvisos;
  TnCursorEspera::TnMostrar FAnterior;
};

}  // namespace

// Nested operations (a save that marks rows first) must not put the normal
// cursor back while the outer one still runs.
TEST_F(TnCursorEsperaTeste, NestedGuardsShowTheWaitCursorOnceAndRestoreItWithTheLast) {
  EXPECT_FALSE(TnCursorEspera::Ativo());
  {
    TnCursorEspera externa;
    EXPECT_TRUE(TnCursorEspera::Ativo());
    {
      TnCursorEspera interna;
      EXPECT_TRUE(TnCursorEspera::Ativo());
    }
    EXPECT_TRUE(TnCursorEspera::Ativo());
    EXPECT_EQ(FAvisos, QList<bool>{true});
  }
  EXPECT_FALSE(TnCursorEspera::Ativo());
  EXPECT_EQ(FAvisos, (QList<bool>{true, false}));
}

TEST_F(TnCursorEsperaTeste, AnOperationThatFailsStillGivesTheNormalCursorBack) {
  EXPECT_THROW(
      {
        TnCursorEspera cursor;
        throw std::runtime_error("falha");
      },
      std::runtime_error);
  EXPECT_FALSE(TnCursorEspera::Ativo());
  EXPECT_EQ(FAvisos, (QList<bool>{true, false}));
}

TEST_F(TnCursorEsperaTeste, AFailingScreenHookNeitherStopsTheOperationNorEscapes) {
  TnCursorEspera::SetMostrar([](bool) { throw std::runtime_error("tela"); });
  EXPECT_NO_THROW({ TnCursorEspera cursor; });
  EXPECT_FALSE(TnCursorEspera::Ativo());
}
