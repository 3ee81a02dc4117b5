#include "nFrmCadastro_U.h"

#include <QRegularExpression>

#include "nActionsDataSet_U.h"
#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nEditorCampo_U.h"
#include "nFraGrupoSeparador_U.h"

TnFrmCadastro::TnFrmCadastro(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos,
                             QObject *parent)
    : TnFrmVisual(dataModule, parent), FDados(dados), FAreaCampos(new TnPainel(this, QStringLiteral("pnlCampos"))) {
  FAreaCampos->SetAlign(TnAlinhamento::alTop);
  FAreaCampos->SetBorda(false);
  QList<TnField *> campos;
  QStringList nomesLookup;  // shown beside their code's editor
  if (FDados)
    for (int i = 0; i < FDados->FieldCount(); ++i)
      for (const QString &nome : FDados->Fields(i)->Definicao().LookupResultFields()) nomesLookup << nome.toUpper();
  auto comLinha = [&nomesLookup](const TnField *campo) {
    return campo->Visible() && !nomesLookup.contains(campo->FieldName().toUpper());
  };
  if (FDados) {
    const QString lista = atributos.trimmed();
    if (lista.isEmpty() || lista == QStringLiteral("*")) {
      for (int i = 0; i < FDados->FieldCount(); ++i)
        if (comLinha(FDados->Fields(i))) campos.append(FDados->Fields(i));
    } else {
      for (const QString &nome : lista.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts))
        if (TnField *campo = FDados->FindField(nome.trimmed()); campo && comLinha(campo)) campos.append(campo);
    }
  }
  int topo = Margem;
  for (TnField *campo : campos) {
    auto *linha = new TnPainel(FAreaCampos, QStringLiteral("pnl") + campo->FieldName());
    linha->SetBorda(false);
    linha->SetCaption(campo->DisplayLabel());
    linha->SetTop(topo);
    linha->SetLeft(Margem);
    linha->SetHeight(AlturaEditor);
    linha->SetVisible(campo->Definicao().Visible());
    FEditores.append(new TnEditorCampo(campo, linha));
    topo += AlturaEditor + EspacoEditor;
  }
  FAreaCampos->SetHeight(topo + Margem - EspacoEditor);
  if (FDados) nCriarActionsDataSet(*this, *FDados);
}

TnFrmCadastro::~TnFrmCadastro() {
  // The editors clear their definitions' Container as they go; free them
  // while the fields they point at surely exist.
  for (TnEditorCampo *editor : std::as_const(FEditores)) delete editor;
  FEditores.clear();
}

QString TnFrmCadastro::ClassName() const { return QStringLiteral("TnFrmCadastro"); }

bool TnFrmCadastro::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(QStringLiteral("TnFrmCadastro"), Qt::CaseInsensitive) == 0 ||
         TnFrmVisual::HerdaDe(nomeClasse);
}

TnFraGrupoSeparador *TnFrmCadastro::InserirGrupoSeparador(const QString &campoSeguinte, const QString &caption) {
  const TnEditorCampo *editor = Editor(campoSeguinte);
  if (!editor) return nullptr;
  const int topo = editor->Top();
  const int espaco = AlturaEditor + EspacoEditor;
  for (TnPainel *painel : FAreaCampos->Filhos())
    if (painel->Top() >= topo) painel->SetTop(painel->Top() + espaco);
  auto *grupo = new TnFraGrupoSeparador(FAreaCampos, editor->Campo()->FieldName(), caption);
  grupo->SetLeft(Margem);
  grupo->SetTop(topo);
  grupo->SetHeight(AlturaEditor);
  grupo->SetAncoras(true, true, true, false);
  FAreaCampos->SetHeight(FAreaCampos->Height() + espaco);
  return grupo;
}

QList<TnFraGrupoSeparador *> TnFrmCadastro::GruposSeparadores() const {
  QList<TnFraGrupoSeparador *> grupos;
  for (TnPainel *painel : FAreaCampos->Filhos())
    if (auto *grupo = dynamic_cast<TnFraGrupoSeparador *>(painel)) grupos << grupo;
  return grupos;
}

TnEditorCampo *TnFrmCadastro::Editor(const QString &nomeCampo) const {
  for (TnEditorCampo *editor : FEditores)
    if (editor->Campo()->FieldName().compare(nomeCampo.trimmed(), Qt::CaseInsensitive) == 0) return editor;
  return nullptr;
}

TnEditorCampo *TnFrmCadastro::Editor(const TnField *campo) const {
  for (TnEditorCampo *editor : FEditores)
    if (editor->Campo() == campo) return editor;
  return nullptr;
}

bool TnFrmCadastro::FocarPrimeiroEditor() {
  for (TnEditorCampo *editor : std::as_const(FEditores))
    if (!editor->ReadOnly() && editor->SetFocus()) return true;
  return false;
}

void TnFrmCadastro::SetEntradaUnica(bool valor) {
  FEntradaUnica = valor;
  HabilitaDesabilitaActions(
      {QStringLiteral("actDataSetFirst"), QStringLiteral("actDataSetPrior"), QStringLiteral("actDataSetNext"),
       QStringLiteral("actDataSetLast"), QStringLiteral("actDataSetInsert"), QStringLiteral("actDataSetDelete")},
      !valor);
  TnClientDataSet *dados = FDados;
  if (TnActionForm *gravar = Action(QStringLiteral("actDataSetPost"))) {
    gravar->OnExecute = [this, dados](QObject *) {
      dados->Post();
      if (FEntradaUnica) Fechar(mrOk);
    };
  }
  if (TnActionForm *cancelar = Action(QStringLiteral("actDataSetCancel"))) {
    cancelar->OnExecute = [this, dados](QObject *) {
      dados->Cancel();
      if (FEntradaUnica) Fechar(mrCancel);
    };
  }
}
