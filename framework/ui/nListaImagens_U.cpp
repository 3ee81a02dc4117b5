#include "nListaImagens_U.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace {

// What each index shows: the theme's name for it, and the colour and glyph of
// the icon drawn when the theme lacks it.
struct TnImagem {
  int Indice;
  const char *Tema;
  QRgb Cor;
  const char *Glifo;
};

constexpr TnImagem Imagens[] = {
    {5, "edit-copy", 0x2E7D32, "C"},           {6, "edit-paste", 0x2E7D32, "V"},
    {39, "document-print", 0x455A64, "P"},     {45, "go-down", 0x1565C0, "\u2193"},
    {46, "go-up", 0x1565C0, "\u2191"},         {53, "document-properties", 0x6A1B9A, "E"},
    {63, "mail-send", 0x00838F, "\u2192"},     {65, "dialog-ok-apply", 0x2E7D32, "\u2713"},
    {91, "x-office-calendar", 0xEF6C00, "P"},  {93, "edit-find", 0x1565C0, "?"},
    {101, "document-new", 0x2E7D32, "+"},      {112, "view-refresh", 0x00838F, "R"},
    {115, "document-save", 0x1565C0, "S"},     {153, "list-add", 0x2E7D32, "+"},
    {154, "list-remove", 0xC62828, "\u2212"},  {160, "system-run", 0x6A1B9A, "\u25B6"},
    {168, "process-stop", 0xC62828, "\u2715"}, {196, "folder-open", 0xEF6C00, "A"},
    {223, "document-open", 0x455A64, "D"},
};

const TnImagem *Procurar(int indice) {
  for (const TnImagem &imagem : Imagens)
    if (imagem.Indice == indice) return &imagem;
  return nullptr;
}

QPixmap Desenhar(const TnImagem &imagem, int lado) {
  QPixmap pixmap(lado, lado);
  pixmap.fill(Qt::transparent);
  QPainter pintor(&pixmap);
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(QColor(imagem.Cor));
  pintor.drawRoundedRect(QRectF(1, 1, lado - 2, lado - 2), lado / 5.0, lado / 5.0);
  QFont fonte = pintor.font();
  fonte.setBold(true);
  fonte.setPixelSize(lado * 2 / 3);
  pintor.setFont(fonte);
  pintor.setPen(Qt::white);
  pintor.drawText(QRect(0, 0, lado, lado), Qt::AlignCenter, QString::fromUtf8(imagem.Glifo));
  return pixmap;
}

}  // namespace

QList<int> TnListaImagens::Indices() {
  QList<int> indices;
  for (const TnImagem &imagem : Imagens) indices.append(imagem.Indice);
  return indices;
}

bool TnListaImagens::Contem(int indice) { return Procurar(indice) != nullptr; }

QIcon TnListaImagens::IconeDesenhado(int indice) {
  const TnImagem *imagem = Procurar(indice);
  if (!imagem) return {};
  QIcon icone;
  for (int lado : {16, 24, 32}) icone.addPixmap(Desenhar(*imagem, lado));
  return icone;
}

QIcon TnListaImagens::Icone(int indice) {
  static QHash<int, QIcon> cache;
  if (auto it = cache.constFind(indice); it != cache.constEnd()) return *it;
  const TnImagem *imagem = Procurar(indice);
  if (!imagem) return {};
  const QIcon icone = QIcon::fromTheme(QString::fromLatin1(imagem->Tema), IconeDesenhado(indice));
  cache.insert(indice, icone);
  return icone;
}
