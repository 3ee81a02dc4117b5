#pragma once

#include <QPixmap>
#include <QSplashScreen>
#include <QString>
#include <QStringList>

#include "nframeworkui_export.h"

// The splash window shown while the program opens the database and loads the
// module libraries: the application's name over a background picture, the
// suite's module captions (GetListaSplashItens) and one line telling what is
// being done now (Mensagem).
//
// The picture is drawn by Preparar, not by the constructor, so that a
// descendant's GetListaSplashItens and GetAppName are the ones asked.
class NFRAMEWORKUI_EXPORT TnFrmSplashMorvane : public QSplashScreen {
 public:
  TnFrmSplashMorvane();
  ~TnFrmSplashMorvane() override;

  // The module captions listed on the splash, in display order.
  virtual QStringList GetListaSplashItens();
  // The name drawn in large letters: the application's display name.
  virtual QString GetAppName();

  // Draws the picture from the two virtuals above. Called once before the
  // splash is shown.
  void Preparar();
  // The line under the picture ("Abrindo o banco de dados...").
  void Mensagem(const QString &texto);

  // The background picture's size.
  static constexpr int Largura = 700;
  static constexpr int Altura = 467;
};
