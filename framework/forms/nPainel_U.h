#pragma once

#include <QObject>
#include <QString>

#include "nCores_U.h"
#include "nframework_export.h"

// Where a control sits inside its parent.
enum class TnAlinhamento {
  alNone,  // at Left/Top, sized by Width/Height (and its anchors)
  alTop,
  alBottom,
  alLeft,
  alRight,
  alClient,  // fills what the others leave
};

// How a caption sits inside its panel.
enum class TnAlinhamentoTexto {
  Esquerda,
  Centro,
  Direita,
};

// A rectangle of a form as the form model knows it: a panel that holds other
// controls, or, borderless, a label (a status text such as "Baixado" or
// "Cancelado"). Its children are its QObject children; the form owns the
// whole tree, so a module that keeps a pointer to a panel it placed on a form
// keeps a QPointer, which becomes null when the form goes away.
class NFRAMEWORK_EXPORT TnPainel : public QObject {
 public:
  explicit TnPainel(QObject *parent = nullptr, const QString &nome = QString());
  ~TnPainel() override;

  QString Name() const { return objectName(); }
  void SetName(const QString &nome) { setObjectName(nome); }
  // The panel this one sits in; null for a form's own area or a loose panel.
  TnPainel *Pai() const;
  // The panels placed directly inside this one, in creation order.
  QList<TnPainel *> Filhos() const;

  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool valor) { FVisible = valor; }

  TnAlinhamento Align() const { return FAlign; }
  void SetAlign(TnAlinhamento alinhamento) { FAlign = alinhamento; }
  TnAlinhamentoTexto Alignment() const { return FAlignment; }
  void SetAlignment(TnAlinhamentoTexto alinhamento) { FAlignment = alinhamento; }
  int Left() const { return FLeft; }
  void SetLeft(int valor) { FLeft = valor; }
  int Top() const { return FTop; }
  void SetTop(int valor) { FTop = valor; }
  int Width() const { return FWidth; }
  void SetWidth(int valor) { FWidth = valor; }
  int Height() const { return FHeight; }
  void SetHeight(int valor) { FHeight = valor; }
  // Anchors: the edges of the parent the panel keeps its distance to when
  // the parent is resized (top and left by default).
  bool AncoraTopo() const { return FAncoraTopo; }
  bool AncoraEsquerda() const { return FAncoraEsquerda; }
  bool AncoraDireita() const { return FAncoraDireita; }
  bool AncoraBase() const { return FAncoraBase; }
  void SetAncoras(bool topo, bool esquerda, bool direita, bool base);

  // A border or bevel is drawn; false for a label.
  bool Borda() const { return FBorda; }
  void SetBorda(bool valor) { FBorda = valor; }
  TnCor CorFonte() const { return FCorFonte; }
  void SetCorFonte(TnCor cor) { FCorFonte = cor; }
  bool Negrito() const { return FNegrito; }
  void SetNegrito(bool valor) { FNegrito = valor; }
  // Points; 0 keeps the form's font size.
  int TamanhoFonte() const { return FTamanhoFonte; }
  void SetTamanhoFonte(int pontos) { FTamanhoFonte = pontos; }

 private:
  QString FCaption;
  bool FVisible = true;
  TnAlinhamento FAlign = TnAlinhamento::alNone;
  TnAlinhamentoTexto FAlignment = TnAlinhamentoTexto::Esquerda;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FAncoraTopo = true;
  bool FAncoraEsquerda = true;
  bool FAncoraDireita = false;
  bool FAncoraBase = false;
  bool FBorda = true;
  TnCor FCorFonte = nCorPadrao;
  bool FNegrito = false;
  int FTamanhoFonte = 0;
};
