#include "nFrmSplashMorvane_U.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

TnFrmSplashMorvane::TnFrmSplashMorvane() { setObjectName(QStringLiteral("nFrmSplashMorvane")); }

TnFrmSplashMorvane::~TnFrmSplashMorvane() = default;

QStringList TnFrmSplashMorvane::GetListaSplashItens() { return {}; }

QString TnFrmSplashMorvane::GetAppName() {
  const QString nome = QGuiApplication::applicationDisplayName();
  return nome.isEmpty() ? QCoreApplication::applicationName() : nome;
}

void TnFrmSplashMorvane::Preparar() {
  QPixmap fundo(Largura, Altura);
  QPainter pintor(&fundo);
  pintor.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradiente(0, 0, 0, Altura);
  gradiente.setColorAt(0.0, QColor(0x1f, 0x3c, 0x88));
  gradiente.setColorAt(1.0, QColor(0x0b, 0x16, 0x33));
  pintor.fillRect(fundo.rect(), gradiente);

  pintor.setPen(Qt::white);
  QFont titulo = pintor.font();
  titulo.setPointSize(28);
  titulo.setBold(true);
  pintor.setFont(titulo);
  pintor.drawText(QRect(40, 40, Largura - 80, 60), Qt::AlignLeft | Qt::AlignVCenter, GetAppName());

  // The module captions in two columns under the title.
  QFont itens = pintor.font();
  itens.setPointSize(12);
  itens.setBold(false);
  pintor.setFont(itens);
  pintor.setPen(QColor(0xd0, 0xdc, 0xff));
  const QStringList lista = GetListaSplashItens();
  const int porColuna = (static_cast<int>(lista.size()) + 1) / 2;
  for (int i = 0; i < lista.size(); ++i) {
    const int coluna = porColuna > 0 ? i / porColuna : 0;
    const int linha = porColuna > 0 ? i % porColuna : i;
    pintor.drawText(QRect(60 + coluna * 300, 140 + linha * 32, 280, 28), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("\u2022 ") + lista.at(i));
  }
  pintor.end();
  setPixmap(fundo);
}

void TnFrmSplashMorvane::Mensagem(const QString &texto) {
  showMessage(texto, Qt::AlignLeft | Qt::AlignBottom, Qt::white);
  QCoreApplication::processEvents();
}
