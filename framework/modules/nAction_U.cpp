#include "nAction_U.h"

#include <QHash>
#include <QStringList>

namespace {

// Key names other than F-keys, letters and digits, in upper case.
const QHash<QString, Qt::Key> &TeclasNomeadas() {
  static const QHash<QString, Qt::Key> teclas{
      {QStringLiteral("ENTER"), Qt::Key_Return},      {QStringLiteral("RETURN"), Qt::Key_Return},
      {QStringLiteral("INS"), Qt::Key_Insert},        {QStringLiteral("INSERT"), Qt::Key_Insert},
      {QStringLiteral("DEL"), Qt::Key_Delete},        {QStringLiteral("DELETE"), Qt::Key_Delete},
      {QStringLiteral("UP"), Qt::Key_Up},             {QStringLiteral("DOWN"), Qt::Key_Down},
      {QStringLiteral("LEFT"), Qt::Key_Left},         {QStringLiteral("RIGHT"), Qt::Key_Right},
      {QStringLiteral("HOME"), Qt::Key_Home},         {QStringLiteral("END"), Qt::Key_End},
      {QStringLiteral("PGUP"), Qt::Key_PageUp},       {QStringLiteral("PGDN"), Qt::Key_PageDown},
      {QStringLiteral("PAGEUP"), Qt::Key_PageUp},     {QStringLiteral("PAGEDOWN"), Qt::Key_PageDown},
      {QStringLiteral("ESC"), Qt::Key_Escape},        {QStringLiteral("ESCAPE"), Qt::Key_Escape},
      {QStringLiteral("TAB"), Qt::Key_Tab},           {QStringLiteral("SPACE"), Qt::Key_Space},
      {QStringLiteral("BKSP"), Qt::Key_Backspace},    {QStringLiteral("BACKSPACE"), Qt::Key_Backspace},
  };
  return teclas;
}

// The key of one name; Key_unknown when it names none.
Qt::Key Tecla(const QString &nome) {
  if (nome.size() == 1) {
    const QChar c = nome.at(0);
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return static_cast<Qt::Key>(c.unicode());
  }
  if (nome.size() >= 2 && nome.startsWith(u'F')) {
    bool ok = false;
    const int n = nome.mid(1).toInt(&ok);
    if (ok && n >= 1 && n <= 24 && !nome.mid(1).startsWith(u'0'))
      return static_cast<Qt::Key>(Qt::Key_F1 + (n - 1));
  }
  return TeclasNomeadas().value(nome, Qt::Key_unknown);
}

}  // namespace

void TnAction::SetShortCut(const QString &texto) {
  FShortCutStr = texto;
  FShortCut = TextToShortCut(texto);
}

bool TnAction::Execute() {
  if (!FOnExecute) return false;
  FOnExecute(*this);
  return true;
}

QKeyCombination TextToShortCut(const QString &texto) {
  const QStringList partes = texto.trimmed().toUpper().split(u'+');
  Qt::KeyboardModifiers modificadores;
  for (qsizetype i = 0; i + 1 < partes.size(); ++i) {
    const QString parte = partes.at(i).trimmed();
    if (parte == QLatin1String("SHIFT"))
      modificadores |= Qt::ShiftModifier;
    else if (parte == QLatin1String("CTRL"))
      modificadores |= Qt::ControlModifier;
    else if (parte == QLatin1String("ALT"))
      modificadores |= Qt::AltModifier;
    else
      return QKeyCombination(Qt::Key_unknown);
  }
  const Qt::Key tecla = Tecla(partes.constLast().trimmed());
  if (tecla == Qt::Key_unknown) return QKeyCombination(Qt::Key_unknown);
  return QKeyCombination(modificadores, tecla);
}
