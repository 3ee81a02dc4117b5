#include "nCadastroIndividual_U.h"

#include <QScopeGuard>
#include <memory>

#include "nDMClientDataSet_U.h"
#include "nFrmCadastro_U.h"
#include "nRegistro_U.h"

void nAbrirCadastroIndividual(const QString &classe, const QStringList &campos, const QVariantList &valores) {
  TnDataModule *modulo = CriarDM(classe, nullptr, nModoIndividual);
  auto *cadastro = dynamic_cast<TnDMClientDataSet *>(modulo);
  // The form first, then the module, whatever happens in between.
  std::unique_ptr<TnFrmVisual> form;
  const auto liberar = qScopeGuard([&] {
    form.reset();
    if (modulo) nLiberarDM(modulo);
  });
  if (!cadastro) return;

  TnClientDataSet &dados = *cadastro->nClientDataSet;
  // The key is given, not typed.
  for (const QString &campo : campos) dados.FieldByName(campo)->SetVisible(false);
  form.reset(cadastro->CriarForm());
  if (auto *frmCadastro = dynamic_cast<TnFrmCadastro *>(form.get())) frmCadastro->SetEntradaUnica(true);
  dados.Append();
  for (qsizetype i = 0; i < campos.size() && i < valores.size(); ++i)
    dados.FieldByName(campos.at(i))->SetValue(valores.at(i));
  form->ShowModal();
}
