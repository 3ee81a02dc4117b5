#include "nFrmCadScrollBox_U.h"

TnFrmCadScrollBox::TnFrmCadScrollBox(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos,
                                     QObject *parent)
    : TnFrmCadastro(dataModule, dados, atributos, parent) {}

QString TnFrmCadScrollBox::ClassName() const { return QStringLiteral("TnFrmCadScrollBox"); }

bool TnFrmCadScrollBox::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(QStringLiteral("TnFrmCadScrollBox"), Qt::CaseInsensitive) == 0 ||
         TnFrmCadastro::HerdaDe(nomeClasse);
}
