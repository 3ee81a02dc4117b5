#include "nFrmDlgScrollBox_U.h"

TnFrmDlgScrollBox::TnFrmDlgScrollBox(QString caption, int largura, int altura)
    : TnFrmDlg(std::move(caption), largura, altura) {}

TnFrmDlgScrollBox::~TnFrmDlgScrollBox() = default;

TnFraControle *TnFrmDlgScrollBox::CriarControlsFraFields(const QString &label, TnTipoFraControle tipo, int tamanho,
                                                         const QString &chaveDicionario, const QString &hint,
                                                         const QStringList &lista) {
  auto controle = std::make_unique<TnFraControle>(label, tipo, tamanho, chaveDicionario, hint, lista);
  const int top = FControles.empty() ? Margem : FControles.back()->Top() + TnFraControle::Altura + Espaco;
  controle->SetTop(top);
  FControles.push_back(std::move(controle));
  return FControles.back().get();
}

void TnFrmDlgScrollBox::AlinharControls() {
  int top = Margem;
  for (const auto &controle : FControles) {
    controle->SetTop(top);
    top += TnFraControle::Altura + Espaco;
  }
}

TnFraControle *TnFrmDlgScrollBox::Controle(int indice) const {
  return indice >= 0 && indice < ControlCount() ? FControles[static_cast<size_t>(indice)].get() : nullptr;
}

TnFraControle *TnFrmDlgScrollBox::ControlePorLabel(const QString &label) const {
  for (const auto &controle : FControles)
    if (controle->Label().compare(label, Qt::CaseInsensitive) == 0) return controle.get();
  return nullptr;
}
