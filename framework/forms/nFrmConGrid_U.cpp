#include "nFrmConGrid_U.h"

#include <QRegularExpression>

#include "nClientDataSet_U.h"

namespace {

// "A, B" -> "A;B", the form IndexFieldNames takes.
QString CamposDoIndice(const QString &campos) {
  QStringList nomes;
  for (const QString &nome : campos.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) nomes << nome.trimmed();
  return nomes.join(QLatin1Char(';'));
}

}  // namespace

TnFrmConGrid::TnFrmConGrid(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos, QObject *parent)
    : TnFrmVisual(dataModule, parent), FDados(dados), FGrid(new TnDBGridEh(AreaCliente(), QStringLiteral("nDBGrid"))) {
  FGrid->SetAlign(TnAlinhamento::alClient);
  FGrid->SetReadOnly(true);
  FGrid->SetLinhaInteira(true);
  FGrid->SetDataSet(FDados);
  FGrid->CriarColunas(atributos);
  FGrid->OnKeyDown = [this](TnDBGridEh &, int &key, TShiftState shift) {
    if (key == nTeclaEnter && !shift) {
      key = 0;
      Escolher();
    } else if (key == nTeclaEsc) {
      key = 0;
      Fechar(mrCancel);
    }
  };
  FGrid->OnDblClick = [this](QObject *) { Escolher(); };
  CriarAction(QStringLiteral("actEscolher"), QStringLiteral("Escolher"), [this](QObject *) { Escolher(); });
  CriarAction(QStringLiteral("actFechar"), QStringLiteral("Fechar"), [this](QObject *) { Fechar(mrCancel); });
  SetMDIChild(false);
}

TnFrmConGrid::~TnFrmConGrid() {
  if (FGrid) FGrid->SetDataSet(nullptr);
}

QString TnFrmConGrid::ClassName() const { return QStringLiteral("TnFrmConGrid"); }

bool TnFrmConGrid::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(QStringLiteral("TnFrmConGrid"), Qt::CaseInsensitive) == 0 ||
         TnFrmVisual::HerdaDe(nomeClasse);
}

void TnFrmConGrid::SetOrdens(const QList<TnDefAdic::TnOrdem> &ordens) {
  FOrdens = ordens;
  FOrdemAtual = -1;
  if (!FOrdens.isEmpty()) SetOrdem(0);
}

bool TnFrmConGrid::SetOrdem(int indice) {
  if (indice < 0 || indice >= FOrdens.size()) return false;
  FOrdemAtual = indice;
  if (FDados && FDados->Active()) FDados->SetIndexFieldNames(CamposDoIndice(FOrdens[indice].Campos));
  return true;
}

bool TnFrmConGrid::Pesquisar(const QString &texto) {
  if (!FDados || !FDados->Active() || FOrdemAtual < 0) return false;
  const QString campo = CamposDoIndice(FOrdens[FOrdemAtual].Campos).section(QLatin1Char(';'), 0, 0);
  if (campo.isEmpty()) return false;
  return FDados->Locate(campo, texto, TnOpcaoLocate::SemDiferenciarCaixa | TnOpcaoLocate::ChaveParcial);
}

bool TnFrmConGrid::Escolher() {
  if (!FDados || !FDados->Active() || FDados->IsEmpty()) return false;
  return Fechar(mrOk);
}
