#include "nEditData_U.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString FormatoData = QStringLiteral("dd/MM/yyyy");
const QString FormatoMesAno = QStringLiteral("MM/yyyy");

}  // namespace

TnEditData::TnEditData(bool mesAno, QWidget *parent) : QLineEdit(parent), FMesAno(mesAno) {
  setInputMask(mesAno ? QStringLiteral("99/9999;_") : QStringLiteral("99/99/9999;_"));
  setPlaceholderText(mesAno ? QStringLiteral("mm/aaaa") : QStringLiteral("dd/mm/aaaa"));
  QAction *botao = addAction(QApplication::style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
  botao->setObjectName(QStringLiteral("botaoCalendario"));
  botao->setToolTip(QStringLiteral("Calendário (F4)"));
  connect(botao, &QAction::triggered, this, [this] { AbrirCalendario(); });
  // Room for the whole date and the button, whatever the font.
  setMinimumWidth(fontMetrics().horizontalAdvance(mesAno ? QStringLiteral("00/00000") : QStringLiteral("00/00/00000")) +
                  fontMetrics().height() + 24);
}

QString TnEditData::Texto() const {
  const QString texto = text();
  QString digitos = texto;
  digitos.remove(QLatin1Char('/')).remove(QLatin1Char('_')).remove(QLatin1Char(' '));
  return digitos.isEmpty() ? QString() : texto.trimmed();
}

void TnEditData::SetTexto(const QString &texto) {
  QDate data = QDate::fromString(texto.trimmed().left(10), FormatoData);
  if (!data.isValid()) data = QDate::fromString(texto.trimmed().left(7), FormatoMesAno);
  SetData(data);
}

QDate TnEditData::Data() const {
  if (FMesAno) return QDate::fromString(Texto(), FormatoMesAno);
  return QDate::fromString(Texto(), FormatoData);
}

void TnEditData::SetData(const QDate &data) {
  const QString texto = data.isValid() ? data.toString(FMesAno ? FormatoMesAno : FormatoData) : QString();
  if (texto != Texto()) setText(texto);
  if (texto.isEmpty() && hasFocus()) setCursorPosition(0);
}

QCalendarWidget *TnEditData::Calendario() const { return FPopup && FPopup->isVisible() ? FCalendario : nullptr; }

void TnEditData::AbrirCalendario() {
  if (isReadOnly() || !isEnabled()) return;
  if (FPopup) FPopup->close();
  auto *popup = new QFrame(this, Qt::Popup);
  popup->setObjectName(QStringLiteral("popupCalendario"));
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setFrameShape(QFrame::StyledPanel);
  auto *layout = new QVBoxLayout(popup);
  layout->setContentsMargins(1, 1, 1, 1);
  auto *calendario = new QCalendarWidget(popup);
  calendario->setObjectName(QStringLiteral("calendario"));
  calendario->setLocale(QLocale());
  calendario->setFirstDayOfWeek(Qt::Sunday);
  calendario->setGridVisible(true);
  calendario->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  const QDate atual = Data();
  const QDate inicial = atual.isValid() ? atual : QDate::currentDate();
  calendario->setSelectedDate(inicial);
  calendario->setCurrentPage(inicial.year(), inicial.month());
  layout->addWidget(calendario);
  connect(calendario, &QCalendarWidget::clicked, this, [this](const QDate &data) { Escolher(data); });
  connect(calendario, &QCalendarWidget::activated, this, [this](const QDate &data) { Escolher(data); });
  FPopup = popup;
  FCalendario = calendario;
  popup->adjustSize();
  QPoint posicao = mapToGlobal(QPoint(0, height()));
  if (const QScreen *tela = screen()) {
    const QRect area = tela->availableGeometry();
    if (posicao.y() + popup->height() > area.bottom()) posicao.setY(mapToGlobal(QPoint(0, 0)).y() - popup->height());
    posicao.setX(qBound(area.left(), posicao.x(), qMax(area.left(), area.right() - popup->width())));
  }
  popup->move(posicao);
  popup->show();
  calendario->setFocus(Qt::PopupFocusReason);
}

void TnEditData::Escolher(const QDate &data) {
  if (FPopup) FPopup->close();
  SetData(FMesAno ? QDate(data.year(), data.month(), 1) : data);
  setFocus(Qt::PopupFocusReason);
  if (OnEscolhida) OnEscolhida();
}

void TnEditData::keyPressEvent(QKeyEvent *evento) {
  if (evento->key() == Qt::Key_F4 || (evento->key() == Qt::Key_Down && (evento->modifiers() & Qt::AltModifier))) {
    AbrirCalendario();
    return;
  }
  QLineEdit::keyPressEvent(evento);
}

void TnEditData::mousePressEvent(QMouseEvent *evento) {
  QLineEdit::mousePressEvent(evento);
  // An empty date is typed from its first digit wherever the click landed.
  if (Texto().isEmpty()) setCursorPosition(0);
}

void TnEditData::focusInEvent(QFocusEvent *evento) {
  QLineEdit::focusInEvent(evento);
  if (Texto().isEmpty()) setCursorPosition(0);
}
