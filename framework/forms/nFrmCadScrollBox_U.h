#pragma once

#include "nFrmCadastro_U.h"
#include "nframework_export.h"

// The register form the data modules build by default: the register form
// whose field area scrolls when the editors do not fit. Its two top controls
// are the top area and the field area; a module may align them to the top
// and size the field area to the bottom of an editor, leaving the rest of the
// form to a detail.
class NFRAMEWORK_EXPORT TnFrmCadScrollBox : public TnFrmCadastro {
 public:
  TnFrmCadScrollBox(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos = QStringLiteral("*"),
                    QObject *parent = nullptr);

  QString ClassName() const override;
  bool HerdaDe(const QString &nomeClasse) const override;

  // The top area and the field area, in that order.
  QList<TnPainel *> ControlesTopo() const { return {AreaTopo(), AreaCampos()}; }
};
