#include "nDMClientDataSet_U.h"

#include <QScopeGuard>

#include <QRegularExpression>
#include "nAction_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFiltroTemporario_U.h"
#include "nFrmCadGrid_U.h"
#include "nFrmCadScrollBox_U.h"
#include "nFrmConGrid_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"

namespace {

bool MesmoNome(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QStringList Nomes(const QString &lista) {
  QStringList nomes;
  for (const QString &nome : lista.split(QLatin1Char(';'), Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) nomes << nome.trimmed();
  return nomes;
}

bool Viva(const TnDataModule *dm) { return dm && TnRegistro::Instancia().Viva(dm); }

// Two stored values are the same value (a null only equals a null).
bool MesmoValor(const QVariant &a, const QVariant &b) {
  if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
  return a == b || a.toString() == b.toString();
}

}  // namespace

TnDMClientDataSet::TnDMClientDataSet() : nClientDataSet(new TnClientDataSet()), FDados(nClientDataSet) {
  InstalarEventos();
}

TnDMClientDataSet::~TnDMClientDataSet() {
  // Freed without DataModuleDestroy (deleted directly): the form goes
  // without telling this half-destroyed module.
  if (FForm) {
    FForm->RemoverAoDestruir(FIdAoDestruir);
    delete FForm.data();
  }
  FEditoresAvulsos.clear();
  for (TnDMClientDataSet *detalhe : std::as_const(FDetalhesProprios))
    if (Viva(detalhe)) nLiberarDM(detalhe);
  for (TnDMClientDataSet *detalhe : std::as_const(FDetalhes))
    if (Viva(detalhe) && detalhe->FMestreLigado == this) detalhe->FMestreLigado = nullptr;
}

void TnDMClientDataSet::InstalarEventos() {
  TnClientDataSet *d = nClientDataSet;
  d->BeforeOpen = [this](TnClientDataSet &ds) { nClientDataSetBeforeOpen(ds); };
  d->AfterOpen = [this](TnClientDataSet &ds) { nClientDataSetAfterOpen(ds); };
  d->OnNewRecord = [this](TnClientDataSet &ds) { nClientDataSetNewRecord(ds); };
  d->BeforeInsert = [this](TnClientDataSet &ds) { nClientDataSetBeforeInsert(ds); };
  d->AfterInsert = [this](TnClientDataSet &ds) { nClientDataSetAfterInsert(ds); };
  d->BeforeEdit = [this](TnClientDataSet &ds) { nClientDataSetBeforeEdit(ds); };
  d->AfterEdit = [this](TnClientDataSet &ds) { nClientDataSetAfterEdit(ds); };
  d->BeforePost = [this](TnClientDataSet &ds) { nClientDataSetBeforePost(ds); };
  d->AfterPost = [this](TnClientDataSet &ds) { nClientDataSetAfterPost(ds); };
  d->BeforeCancel = [this](TnClientDataSet &ds) { nClientDataSetBeforeCancel(ds); };
  d->AfterCancel = [this](TnClientDataSet &ds) { nClientDataSetAfterCancel(ds); };
  d->BeforeDelete = [this](TnClientDataSet &ds) { nClientDataSetBeforeDelete(ds); };
  d->AfterDelete = [this](TnClientDataSet &ds) { nClientDataSetAfterDelete(ds); };
  d->BeforeScroll = [this](TnClientDataSet &ds) { nClientDataSetBeforeScroll(ds); };
  d->AfterScroll = [this](TnClientDataSet &ds) { nClientDataSetAfterScroll(ds); };
}

// --- design members

TnTipoForm TnDMClientDataSet::TipoForm() const {
  if (FTipoFormDefinido) return FTipoForm;
  if (FDetalheDeForm) return TnTipoForm::ntfCadGrid;
  if (TnRegistro::Instancia().PegarTipoObjeto(ClassName()) == 2) return TnTipoForm::ntfConGrid;
  return TnTipoForm::ntfCadastro;
}

void TnDMClientDataSet::SetTipoForm(int tipo) {
  switch (tipo) {
    case 1:
      SetTipoForm(TnTipoForm::ntfCadGrid);
      break;
    case 2:
      SetTipoForm(TnTipoForm::ntfConGrid);
      break;
    default:
      SetTipoForm(TnTipoForm::ntfCadastro);
      break;
  }
}

// --- virtuals

void TnDMClientDataSet::Notification(QObject *, TnOperacao) {}

void TnDMClientDataSet::Refresh() {
  if (nClientDataSet->Active()) {
    nClientDataSet->SetVerificaSelecao(VerificaSelecao());
    nClientDataSet->Refresh();
  }
  for (TnDMClientDataSet *detalhe : Detalhes()) detalhe->Refresh();
}

void TnDMClientDataSet::DoFormDestroy(TnFrmVisual *) {}

void TnDMClientDataSet::DepoisConfigurar(TnFrmVisual *) {}

void TnDMClientDataSet::ConfigurarCampo(TnRemetente) {}

void TnDMClientDataSet::ConfigurarAutoValor(TnRemetente) { PreencherAutoIncremento(); }

QString TnDMClientDataSet::ChavePrimaria() const {
  return nClientDataSet->ChavePrimaria().join(QLatin1Char(';')).toUpper();
}

void TnDMClientDataSet::ValidarDado() {
  for (int i = 0; i < nClientDataSet->FieldCount(); ++i) {
    const TnField *campo = nClientDataSet->Fields(i);
    if (!campo->Calculado()) campo->Validar();
  }
}

// --- dataset events

void TnDMClientDataSet::nClientDataSetBeforeOpen(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetAfterOpen(TnClientDataSet &dataSet) {
  if (!FPreparando) ChecarConfigurarCampo(&dataSet);
}

void TnDMClientDataSet::nClientDataSetNewRecord(TnClientDataSet &dataSet) {
  if (!FPreparando) ConfigurarAutoValor(&dataSet);
}

void TnDMClientDataSet::nClientDataSetBeforeInsert(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetAfterInsert(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetBeforeEdit(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetAfterEdit(TnClientDataSet &dataSet) {
  if (!FPreparando) ChecarConfigurarCampo(&dataSet);
}

void TnDMClientDataSet::nClientDataSetBeforePost(TnClientDataSet &) {
  if (FPreparando) return;
  PreencherAutoIncremento();
  ChecarChaveInalterada();
  ValidarDado();
}

void TnDMClientDataSet::nClientDataSetAfterPost(TnClientDataSet &dataSet) {
  if (!FPreparando) ChecarConfigurarCampo(&dataSet);
}

void TnDMClientDataSet::nClientDataSetBeforeCancel(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetAfterCancel(TnClientDataSet &dataSet) {
  if (!FPreparando) ChecarConfigurarCampo(&dataSet);
}

void TnDMClientDataSet::nClientDataSetBeforeDelete(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetAfterDelete(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetBeforeScroll(TnClientDataSet &) {}

void TnDMClientDataSet::nClientDataSetAfterScroll(TnClientDataSet &dataSet) {
  if (!FPreparando) ChecarConfigurarCampo(&dataSet);
}

// --- life

void TnDMClientDataSet::DataModuleCreate() {
  TnDataModule::DataModuleCreate();
  const TnRegistro &registro = TnRegistro::Instancia();
  if (const TnClasseInfo *info = registro.Info(ClassName()); info && DefAdic.Menus.isEmpty())
    DefAdic.Menus = info->Menus;
  if (DefAdic.VerificaSelecao.isEmpty()) DefAdic.VerificaSelecao = registro.PegarVerificaSelecao(ClassName());
  // A lookup only reads: no change log to keep.
  if (registro.PegarTipoObjeto(ClassName()) == 2) nClientDataSet->SetnLogChanges(false);
  PrepararCampos();
}

void TnDMClientDataSet::DataModuleDestroy() {
  LiberarForm();
  FEditoresAvulsos.clear();
  const QList<TnDMClientDataSet *> proprios = FDetalhesProprios;
  FDetalhesProprios.clear();
  for (TnDMClientDataSet *detalhe : proprios)
    if (Viva(detalhe)) nLiberarDM(detalhe);
  TnDataModule::DataModuleDestroy();
}

// --- opening

void TnDMClientDataSet::PrepararCampos() {
  if (nClientDataSet->CommandText().trimmed().isEmpty() || nClientDataSet->Active()) return;
  FPreparando = true;
  const auto fim = qScopeGuard([this] {
    nClientDataSet->SetCondicaoExtra(QString());
    FPreparando = false;
  });
  // The structure without the rows: a select that cannot match.
  nClientDataSet->SetVerificaSelecao(QString());
  nClientDataSet->SetCondicaoExtra(QStringLiteral("1 = 0"));
  nClientDataSet->Open();
  nClientDataSet->Close();
}

void TnDMClientDataSet::AplicarDicionario() {
  if (FDicionarioAplicado || nClientDataSet->FieldCount() == 0) return;
  FDicionarioAplicado = true;
  Dicionario(*nClientDataSet);
  AddFieldLookup(*nClientDataSet);
}

void TnDMClientDataSet::Abrir() {
  if (nClientDataSet->Active()) return;
  if (nClientDataSet->FieldCount() == 0) PrepararCampos();
  AplicarDicionario();
  const QString chave = ChavePrimaria();
  if (!chave.isEmpty() && !nClientDataSet->CommandText().trimmed().isEmpty()) nClientDataSet->SetChavePrimaria(chave);
  nClientDataSet->SetVerificaSelecao(VerificaSelecao());
  nClientDataSet->Open();
}

QString TnDMClientDataSet::VerificaSelecao() const {
  if (FTemVerificaSelecaoManual) return FVerificaSelecaoManual;
  if (Action()) return Action()->VerificaSelecao();
  return DefAdic.VerificaSelecao;
}

void TnDMClientDataSet::SetVerificaSelecaoManual(const QString &nomes) {
  FVerificaSelecaoManual = nomes;
  FTemVerificaSelecaoManual = true;
}

// --- the form

TnFrmVisual *TnDMClientDataSet::CriarForm(QObject *parent) {
  LiberarForm();
  Abrir();
  TnFrmVisual *form = nullptr;
  switch (TipoForm()) {
    case TnTipoForm::ntfCadGrid:
      form = new TnFrmCadGrid(this, nClientDataSet, DefAdic.Atributos, parent);
      break;
    case TnTipoForm::ntfConGrid: {
      auto *consulta = new TnFrmConGrid(this, nClientDataSet, DefAdic.Atributos, parent);
      QList<TnDefAdic::TnOrdem> ordens;
      if (!DefAdic.Ordem.trimmed().isEmpty())
        ordens.append({DefAdic.CaptionOrdem.isEmpty() ? FCaption : DefAdic.CaptionOrdem, DefAdic.Ordem});
      ordens.append(DefAdic.OrdensAdicionais);
      consulta->SetOrdens(ordens);
      form = consulta;
      break;
    }
    case TnTipoForm::ntfCadastro: {
      auto *cadastro = new TnFrmCadScrollBox(this, nClientDataSet, DefAdic.Atributos, parent);
      const QStringList chave = CamposChave();
      if (!FPodeAlterarChave && chave.size() == 1) {
        if (TnEditorCampo *editor = cadastro->Editor(chave.first()))
          editor->OnProcurarChave = [this](TnEditorCampo &e, const QString &texto) {
            ProcurarRegistro(e.Campo(), texto);
          };
      }
      for (TnEditorCampo *editor : cadastro->Editores())
        if (!editor->Campo()->Definicao().LookupClassName().isEmpty())
          editor->OnBotaoPadrao = [this](TnEditorCampo &e) { AbrirLookup(e.Campo()); };
      form = cadastro;
      break;
    }
  }
  if (auto *grade = dynamic_cast<TnFrmCadGrid *>(form)) {
    grade->Grid()->OnEditButtonClick = [this, grid = grade->Grid()](QObject *) {
      TnField *campo = grid->SelectedField();
      if (!campo) return;
      if (campo->Definicao().OnButtonClick)
        campo->Definicao().ButtonClick();
      else if (grid->ColunaEditavel(grid->SelectedIndex()))
        AbrirLookup(campo);
    };
  }
  form->SetCaption(FCaption);
  // A detail's form closes with its master's, which asks for both.
  if (!parent) form->OnCloseQuery = [this](TnFrmVisual &, bool &podeFechar) { podeFechar = ConfirmarPendentes(); };
  FForm = form;
  FIdAoDestruir = form->AdicionarAoDestruir([this](TnFrmVisual &f) { AoDestruirForm(f); });
  try {
    for (const TnInfoDetalhe &info : std::as_const(FInfoDetalhes)) {
      TnDMClientDataSet *detalhe = nullptr;
      for (TnDMClientDataSet *existente : Detalhes())
        if (MesmoNome(existente->ClassName(), info.Classe)) detalhe = existente;
      if (!detalhe) {
        TnDataModule *novo = TnRegistro::Instancia().Criar(info.Classe, nullptr, QString(), this);
        detalhe = dynamic_cast<TnDMClientDataSet *>(novo);
        if (!detalhe) {
          if (novo) nLiberarDM(novo);
          continue;
        }
      }
      if (!FDetalhes.contains(detalhe)) FDetalhes.append(detalhe);
      LigarDetalhe(detalhe, info.CamposMestre, info.CamposDetalhe);
      MostrarDetalhe(detalhe, form);
    }
    DepoisConfigurar(form);
  } catch (...) {
    LiberarForm();
    throw;
  }
  return form;
}

bool TnDMClientDataSet::ConfirmarPendentes() {
  QList<TnClientDataSet *> pendentes;
  std::function<void(TnDMClientDataSet *)> juntar = [&](TnDMClientDataSet *modulo) {
    TnClientDataSet *dados = modulo->nClientDataSet;
    if (dados && dados->Active() && dados->State() != TnDataSetState::Browse && dados->Modified())
      pendentes.append(dados);
    for (TnDMClientDataSet *detalhe : modulo->Detalhes()) juntar(detalhe);
  };
  juntar(this);
  if (pendentes.isEmpty()) return true;
  const QString titulo = FCaption.isEmpty() ? QStringLiteral("registro") : FCaption;
  const int resposta =
      nMessageDlg(QStringLiteral("Há dados digitados e não gravados em \"%1\".\nDeseja gravar antes de fechar?").arg(titulo),
                  TMsgDlgType::mtConfirmation,
                  {QStringLiteral("Sim"), QStringLiteral("Não"), QStringLiteral("Cancelar")});
  if (resposta == 0) {
    for (TnClientDataSet *dados : std::as_const(pendentes))
      if (dados->State() != TnDataSetState::Browse) dados->Post();
    return true;
  }
  if (resposta == 1) {
    for (auto it = pendentes.crbegin(); it != pendentes.crend(); ++it)
      if ((*it)->State() != TnDataSetState::Browse) (*it)->Cancel();
    return true;
  }
  return false;
}

void TnDMClientDataSet::LiberarForm() {
  if (FForm) delete FForm.data();
  FForm = nullptr;
}

void TnDMClientDataSet::AoDestruirForm(TnFrmVisual &form) {
  FIdAoDestruir = 0;
  DoFormDestroy(&form);
  Notification(&form, TnOperacao::opRemove);
  for (TnDataModule *m = DmMaster(); Viva(m);) {
    auto *mestre = dynamic_cast<TnDMClientDataSet *>(m);
    if (!mestre) break;
    mestre->Notification(&form, TnOperacao::opRemove);
    m = mestre->DmMaster();
  }
}

// --- details

void TnDMClientDataSet::AddInfoDetalhe(const QString &classeDetalhe, const QString &camposMestre,
                                       const QString &camposDetalhe, const QString &, const QString &, const QString &,
                                       bool, bool, bool) {
  FInfoDetalhes.append({classeDetalhe, camposMestre, camposDetalhe});
}

TnDMClientDataSet *TnDMClientDataSet::CriarDetalhe(const QString &classeDetalhe, const QString &camposLigacao,
                                                   TnFrmVisual *form, TnDataModule *dm, const QString &modo, QObject *,
                                                   bool) {
  TnDMClientDataSet *detalhe = nullptr;
  if (dm) {
    detalhe = dynamic_cast<TnDMClientDataSet *>(dm);
    if (!detalhe || detalhe == this) return nullptr;
    if (detalhe->TnDataModule::DmMaster() != this) {
      detalhe->FMestreLigado = this;
      if (!FDetalhesProprios.contains(detalhe)) FDetalhesProprios.append(detalhe);
    }
  } else {
    for (TnDMClientDataSet *existente : Detalhes())
      if (MesmoNome(existente->ClassName(), classeDetalhe)) detalhe = existente;
    if (!detalhe) {
      TnDataModule *novo = TnRegistro::Instancia().Criar(classeDetalhe, nullptr, modo, this);
      detalhe = dynamic_cast<TnDMClientDataSet *>(novo);
      if (!detalhe) {
        if (novo) nLiberarDM(novo);
        return nullptr;
      }
    }
  }
  if (!FDetalhes.contains(detalhe)) FDetalhes.append(detalhe);
  LigarDetalhe(detalhe, camposLigacao, camposLigacao);
  if (form) MostrarDetalhe(detalhe, form);
  return detalhe;
}

void TnDMClientDataSet::LigarDetalhe(TnDMClientDataSet *detalhe, const QString &camposMestre,
                                     const QString &camposDetalhe) {
  Abrir();
  auto lista = [](const QString &campos) {
    QStringList nomes;
    for (const QString &nome : campos.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts))
      if (!nome.trimmed().isEmpty()) nomes << nome.trimmed();
    return nomes.join(QLatin1Char(';'));
  };
  TnClientDataSet *dados = detalhe->nClientDataSet;
  if (dados->Active() && dados->State() != TnDataSetState::Browse) dados->Cancel();
  dados->SetMasterSource(nClientDataSet, lista(camposMestre), lista(camposDetalhe));
  detalhe->Abrir();
}

void TnDMClientDataSet::MostrarDetalhe(TnDMClientDataSet *detalhe, TnFrmVisual *form) {
  auto *area = new TnPainel(form->AreaCliente(), QStringLiteral("pnl") + detalhe->Name());
  area->SetAlign(TnAlinhamento::alClient);
  area->SetBorda(false);
  detalhe->FDetalheDeForm = true;
  detalhe->CriarForm(area);
}

QList<TnDMClientDataSet *> TnDMClientDataSet::Detalhes() const {
  QList<TnDMClientDataSet *> vivos;
  for (TnDMClientDataSet *detalhe : FDetalhes)
    if (Viva(detalhe)) vivos.append(detalhe);
  return vivos;
}

TnDataModule *TnDMClientDataSet::DmMaster() const {
  if (TnDataModule *mestre = TnDataModule::DmMaster()) return mestre;
  return Viva(FMestreLigado) ? FMestreLigado : nullptr;
}

TnDataModule *TnDMClientDataSet::FindGlobalDataModule(const QString &nome) const {
  auto combina = [&](const TnDataModule *dm) {
    return dm && (MesmoNome(dm->NomeDesign(), nome) || MesmoNome(dm->Name(), nome));
  };
  for (TnDMClientDataSet *detalhe : Detalhes())
    if (combina(detalhe)) return detalhe;
  for (TnDataModule *dm : TnRegistro::Instancia().Instancias())
    if (dm->TnDataModule::DmMaster() == this && combina(dm)) return dm;
  const TnDataModule *atual = this;
  for (int profundidade = 0; profundidade < 16; ++profundidade) {
    const auto *comoDM = dynamic_cast<const TnDMClientDataSet *>(atual);
    TnDataModule *mestre = comoDM ? comoDM->DmMaster() : atual->TnDataModule::DmMaster();
    if (!mestre) break;
    if (combina(mestre)) return mestre;
    // A sibling: another detail of the same master.
    if (auto *mestreDM = dynamic_cast<TnDMClientDataSet *>(mestre))
      for (TnDMClientDataSet *irmao : mestreDM->Detalhes())
        if (irmao != this && combina(irmao)) return irmao;
    atual = mestre;
  }
  return ::FindGlobalDataModule(nome);
}

// --- automatic key

QStringList TnDMClientDataSet::CamposChave() const { return Nomes(ChavePrimaria()); }

qint64 TnDMClientDataSet::ProximoCodigo(TnField *campo) {
  const QStringList chave = CamposChave();
  int posicao = -1;
  for (int i = 0; i < chave.size(); ++i)
    if (MesmoNome(chave[i], campo->FieldName())) posicao = i;
  QList<TnField *> anteriores;
  for (int i = 0; i < posicao; ++i) {
    TnField *anterior = nClientDataSet->FindField(chave[i]);
    if (!anterior || anterior->IsNull()) return 0;  // not known yet
    anteriores.append(anterior);
  }
  qint64 proximo = 1;
  if (!nClientDataSet->CommandText().trimmed().isEmpty()) {
    QStringList condicoes;
    for (const TnField *anterior : anteriores) condicoes << ValorParaSQL(anterior, QStringLiteral("="), true);
    proximo = nDMSQLDataSet()->PegarProximoCodigo(nClientDataSet->Tabela(), campo->FieldName(),
                                                  condicoes.join(QStringLiteral(" and ")));
  }
  // Rows only in memory (a dataset of no table, or not written yet) count
  // too: every row, whatever the current view shows.
  TnClientDataSet todas;
  todas.CloneCursor(nClientDataSet, true);
  const int indice = todas.IndexOfField(campo->FieldName());
  QList<int> indicesAnteriores;
  for (const TnField *anterior : anteriores) indicesAnteriores << todas.IndexOfField(anterior->FieldName());
  for (int linha = 0; linha < todas.RecordCount(); ++linha) {
    const QVector<QVariant> &valores = todas.Linha(linha);
    bool mesmoGrupo = true;
    for (int k = 0; k < anteriores.size() && mesmoGrupo; ++k)
      mesmoGrupo = MesmoValor(valores.value(indicesAnteriores[k]), anteriores[k]->Value());
    if (!mesmoGrupo) continue;
    bool ok = false;
    const qint64 valor = valores.value(indice).toLongLong(&ok);
    if (ok && valor + 1 > proximo) proximo = valor + 1;
  }
  return proximo;
}

void TnDMClientDataSet::PreencherAutoIncremento() {
  const TnDataSetState estado = nClientDataSet->State();
  if (estado != TnDataSetState::Insert) return;
  for (const QString &nome : CamposChave()) {
    TnField *campo = nClientDataSet->FindField(nome);
    if (!campo || !campo->Definicao().AutoIncrementar() || !campo->IsNull()) continue;
    const qint64 proximo = ProximoCodigo(campo);
    if (proximo > 0) campo->SetAsInteger(proximo);
  }
}

void TnDMClientDataSet::ChecarChaveInalterada() {
  if (FPodeAlterarChave || nClientDataSet->State() != TnDataSetState::Edit) return;
  for (const QString &nome : CamposChave()) {
    TnField *campo = nClientDataSet->FindField(nome);
    if (campo && !MesmoValor(campo->Value(), campo->OldValue()))
      throw EnField(campo, QStringLiteral("Não é permitido alterar a chave do registro."));
  }
}

// --- services

void TnDMClientDataSet::ChecarConfigurarCampo(TnRemetente sender) { ConfigurarCampo(sender); }

void TnDMClientDataSet::EdEnabledField(TnField *campo, bool habilitar) {
  if (campo) campo->Definicao().SetEnabled(habilitar);
}

void TnDMClientDataSet::EdEnabledField(const QString &nomeCampo, bool habilitar) {
  EdEnabledField(nClientDataSet->FindField(nomeCampo), habilitar);
}

void TnDMClientDataSet::EdEnabledFields(bool habilitar) {
  for (int i = 0; i < nClientDataSet->FieldCount(); ++i) nClientDataSet->Fields(i)->Definicao().SetEnabled(habilitar);
  if (auto *grade = dynamic_cast<TnFrmCadGrid *>(FForm.data())) grade->Grid()->SetReadOnly(!habilitar);
}

void TnDMClientDataSet::EdReadOnlyField(TnField *campo, bool somenteLeitura) {
  if (campo) campo->Definicao().SetReadOnly(somenteLeitura);
}

void TnDMClientDataSet::EdReadOnlyField(const QString &nomeCampo, bool somenteLeitura) {
  EdReadOnlyField(nClientDataSet->FindField(nomeCampo), somenteLeitura);
}

TnEditorCampo *TnDMClientDataSet::EdFindFieldControl(TnField *campo) {
  if (!campo) return nullptr;
  bool doDataSet = false;
  for (int i = 0; i < nClientDataSet->FieldCount() && !doDataSet; ++i) doDataSet = nClientDataSet->Fields(i) == campo;
  if (!doDataSet) return nullptr;
  if (auto *cadastro = dynamic_cast<TnFrmCadastro *>(FForm.data()))
    if (TnEditorCampo *editor = cadastro->Editor(campo)) return editor;
  // Editors of fields the dataset no longer has (its fields were made again)
  // are dropped.
  for (auto it = FEditoresAvulsos.begin(); it != FEditoresAvulsos.end();) {
    bool existe = false;
    for (int i = 0; i < nClientDataSet->FieldCount() && !existe; ++i) existe = nClientDataSet->Fields(i) == it->first;
    it = existe ? std::next(it) : FEditoresAvulsos.erase(it);
  }
  auto &editor = FEditoresAvulsos[campo];
  if (!editor) editor = std::make_unique<TnEditorCampo>(campo, nullptr);
  return editor.get();
}

TnEditorCampo *TnDMClientDataSet::EdFindFieldControl(const QString &nomeCampo) {
  return EdFindFieldControl(nClientDataSet->FindField(nomeCampo));
}

void TnDMClientDataSet::HabilitaDesabilitaActions(const QStringList &nomes, bool habilitar) {
  if (FForm) FForm->HabilitaDesabilitaActions(nomes, habilitar);
}

bool TnDMClientDataSet::AbrirLookup(TnField *campo) {
  if (!campo) return false;
  const QString classe = campo->Definicao().LookupClassName();
  if (classe.isEmpty()) return false;
  auto *lookup = dynamic_cast<TnDMClientDataSet *>(PrepararDM(classe, QString(), false, true));
  if (!lookup || lookup == this) return false;
  lookup->Abrir();
  QStringList ligacao = Nomes(campo->Definicao().LinkKeyFields());
  if (ligacao.isEmpty()) ligacao << campo->FieldName();
  TnClientDataSet *dadosLookup = lookup->nClientDataSet;
  // Narrowed by the link fields already filled here, the last one excepted.
  QStringList condicoes;
  for (int i = 0; i + 1 < ligacao.size(); ++i) {
    const TnField *proprio = nClientDataSet->FindField(ligacao[i]);
    if (proprio && !proprio->IsNull() && dadosLookup->FindField(ligacao[i]))
      condicoes << ligacao[i] + QStringLiteral(" = ") + ValorParaFiltro(proprio->Value());
  }
  const TnFiltroTemporario filtro(lookup, condicoes.join(QStringLiteral(" and ")));
  // The lookup's field for each link field: the one of the same name, else
  // the lookup's key field in the same place from the end (a field named
  // otherwise than its key, such as CODIGOUSUARIORESP, takes CODIGOUSUARIO).
  const QStringList chaveLookup = Nomes(lookup->ChavePrimaria());
  auto doLookup = [&](qsizetype i) -> TnField * {
    if (TnField *mesmo = dadosLookup->FindField(ligacao[i])) return mesmo;
    const qsizetype j = chaveLookup.size() - (ligacao.size() - i);
    return j >= 0 ? dadosLookup->FindField(chaveLookup[j]) : nullptr;
  };
  if (const TnField *ultimo = doLookup(ligacao.size() - 1); ultimo && !campo->IsNull())
    dadosLookup->Locate(ultimo->FieldName(), campo->Value());
  std::unique_ptr<TnFrmVisual> form(lookup->CriarForm());
  if (form->ShowModal() != mrOk) return false;
  if (nClientDataSet->State() == TnDataSetState::Browse) nClientDataSet->Edit();
  for (qsizetype i = 0; i < ligacao.size(); ++i) {
    TnField *proprio = nClientDataSet->FindField(ligacao[i]);
    const TnField *escolhido = doLookup(i);
    if (proprio && escolhido && !proprio->Calculado()) proprio->SetValue(escolhido->Value());
  }
  return true;
}

void TnDMClientDataSet::ProcurarRegistro(TnField *campo, const QString &texto) {
  if (!campo) return;
  if (nClientDataSet->State() != TnDataSetState::Browse) nClientDataSet->Cancel();
  const QVariant valor = campo->Converter(texto);
  if (valor.isNull()) return;
  if (!nClientDataSet->Locate(campo->FieldName(), valor))
    throw EnField(campo, QStringLiteral("Não existe registro com esta chave"));
}
