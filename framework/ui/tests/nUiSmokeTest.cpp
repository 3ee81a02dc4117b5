#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

// The offscreen platform is there: a window can be created and shown.
TEST(nUi, AWindowOpensOnTheOffscreenPlatform) {
  QWidget janela;
  janela.resize(200, 100);
  janela.show();
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
}
