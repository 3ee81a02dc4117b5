#include "nEditorCampo_U.h"

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nFrmVisual_U.h"
#include "nGuarda_U.h"
#include "nPainel_U.h"

TnEditorCampo::TnEditorCampo(TnField *campo, TnPainel *container, QObject *parent)
    : QObject(container ? static_cast<QObject *>(container) : parent), FCampo(campo), FContainer(container) {
  setObjectName(QStringLiteral("ed") + campo->FieldName());
  if (FContainer) FCampo->Definicao().SetContainer(FContainer);
}

TnEditorCampo::~TnEditorCampo() {
  // The definition outlives the form: it must not keep pointing at the row.
  if (FContainer && FCampo->Definicao().Container() == FContainer) FCampo->Definicao().SetContainer(nullptr);
}

TnFrmVisual *TnEditorCampo::Form() const {
  for (QObject *p = parent(); p; p = p->parent())
    if (auto *form = dynamic_cast<TnFrmVisual *>(p)) return form;
  return nullptr;
}

bool TnEditorCampo::Enabled() const { return FCampo->Definicao().Enabled(); }

void TnEditorCampo::SetEnabled(bool valor) { FCampo->Definicao().SetEnabled(valor); }

bool TnEditorCampo::ReadOnly() const { return FCampo->Definicao().ReadOnly() || FCampo->ReadOnly(); }

void TnEditorCampo::SetReadOnly(bool valor) { FCampo->Definicao().SetReadOnly(valor); }

bool TnEditorCampo::Visible() const { return FCampo->Definicao().Visible(); }

void TnEditorCampo::SetVisible(bool valor) {
  FCampo->Definicao().SetVisible(valor);
  if (FContainer) FContainer->SetVisible(valor);
}

bool TnEditorCampo::PodeEditar() const {
  const TnClientDataSet *dados = FCampo->DataSet();
  return Enabled() && Visible() && !ReadOnly() && dados && dados->Active();
}

QString TnEditorCampo::Text() const {
  const TnClientDataSet *dados = FCampo->DataSet();
  if (!dados || !dados->Active()) return {};
  return FCampo->Text();
}

const QString &TnEditorCampo::Hint() const { return FCampo->Definicao().Hint(); }

int TnEditorCampo::Top() const { return FContainer ? FContainer->Top() : 0; }

int TnEditorCampo::Height() const { return FContainer ? FContainer->Height() : 0; }

bool TnEditorCampo::ProcuraChave() const {
  const TnClientDataSet *dados = FCampo->DataSet();
  return OnProcurarChave && dados && dados->State() != TnDataSetState::Insert && !dados->IsEmpty();
}

bool TnEditorCampo::Digitar(const QString &texto) {
  if (!PodeEditar()) return false;
  return nExecutarProtegido([&] {
    if (ProcuraChave()) {
      const auto procurar = OnProcurarChave;
      procurar(*this, texto);
      return;
    }
    TnClientDataSet *dados = FCampo->DataSet();
    if (dados->State() == TnDataSetState::Browse) dados->Edit();
    FCampo->SetText(texto);
    FCampo->Definicao().Change();
  });
}

bool TnEditorCampo::Sair() {
  if (!FCampo->Definicao().OnExit) return true;
  return nExecutarProtegido([&] { FCampo->Definicao().Exit(); });
}

bool TnEditorCampo::ClicarBotao() {
  if (!Enabled() || !Visible()) return false;
  if (FCampo->Definicao().OnButtonClick) return nExecutarProtegido([&] { FCampo->Definicao().ButtonClick(); });
  if (!OnBotaoPadrao || ReadOnly()) return false;
  const auto padrao = OnBotaoPadrao;
  return nExecutarProtegido([&] { padrao(*this); });
}

bool TnEditorCampo::SetFocus() {
  if (!Enabled() || !Visible()) return false;
  if (TnFrmVisual *form = Form()) form->SetFoco(this);
  return true;
}

bool TnEditorCampo::Focado() const {
  const TnFrmVisual *form = Form();
  return form && form->Foco() == this;
}
