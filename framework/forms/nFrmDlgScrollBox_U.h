#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "nFraControle_U.h"
#include "nFrmDlg_U.h"
#include "nframework_export.h"

// A dialog form that holds a column of labelled value controls, made one by
// one with CriarControlsFraFields and read back after ShowModal.
class NFRAMEWORK_EXPORT TnFrmDlgScrollBox : public TnFrmDlg {
 public:
  explicit TnFrmDlgScrollBox(QString caption = QString(), int largura = 400, int altura = 200);
  ~TnFrmDlgScrollBox() override;

  // Adds a control below the ones already aligned; the form owns it.
  TnFraControle *CriarControlsFraFields(const QString &label, TnTipoFraControle tipo, int tamanho,
                                        const QString &chaveDicionario, const QString &hint,
                                        const QStringList &lista = QStringList());
  // Stacks the controls top-down in creation order.
  void AlinharControls();

  int ControlCount() const { return static_cast<int>(FControles.size()); }
  TnFraControle *Controle(int indice) const;
  // The control with this label (letters compared without regard to case), or
  // null.
  TnFraControle *ControlePorLabel(const QString &label) const;

  static constexpr int Margem = 8;
  static constexpr int Espaco = 4;

 private:
  std::vector<std::unique_ptr<TnFraControle>> FControles;
};
