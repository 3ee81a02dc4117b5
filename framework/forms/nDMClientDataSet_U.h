#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <map>
#include <memory>

#include "nClientDataSet_U.h"
#include "nDataModule_U.h"
#include "nDefAdic_U.h"
#include "nEditorCampo_U.h"
#include "nFrmVisual_U.h"
#include "nframework_export.h"

// The form a data module builds.
enum class TnTipoForm {
  ntfCadastro = 0,  // the register form, one editor per field (TnFrmCadScrollBox)
  ntfCadGrid = 1,   // the editable grid (TnFrmCadGrid)
  ntfConGrid = 2,   // the lookup grid (TnFrmConGrid)
};

// Who fired an event: compared by identity only (the module itself, a
// button, an action, a dataset or a field), never used through.
using TnRemetente = const void *;

// The base of the register (DM) and lookup (DC) data modules: one table
// behind one provider dataset (nClientDataSet), the forms built for it, the
// details shown inside its form, and the services the modules call.
//
// Life of a module (the registry creates it by name):
//   constructor        design settings: CommandText, Caption, TipoForm …
//   DataModuleCreate   (descendants call the base first) the base makes the
//                      typed fields from the select without reading rows, so
//                      a descendant configures them next: Required, labels,
//                      Definicao, field events; it declares details with
//                      AddInfoDetalhe;
//   Abrir              the field dictionary and the lookup names are applied
//                      (once), the selection parameters set, the rows read;
//   CriarForm          the form by TipoForm (the dataset opened first), the
//                      declared details inside it, then DepoisConfigurar;
//   DataModuleDestroy  the form and the details it attached are freed.
//
// Events: the base installs every dataset event of nClientDataSet as a
// virtual handler (nClientDataSetBeforePost …); a descendant overrides the
// handler and calls the base one first unless its own rule says otherwise
// (BeforePost: audit values are set before the base's, which validates).
//
// Field events (a field's OnChange and OnSetText, its definition's OnExit,
// OnButtonClick and OnChange) belong to the descendant, which binds them to
// its own methods in DataModuleCreate, after the base made the fields.
//
// What the base does in its handlers:
//   NewRecord    ConfigurarAutoValor (the automatic key);
//   BeforePost   the automatic key still missing, the key unchanged when it
//                cannot change (PodeAlterarChave), then ValidarDado;
//   After…       ConfigurarCampo after scroll, open, edit, post and cancel.
class NFRAMEWORK_EXPORT TnDMClientDataSet : public TnDataModule {
 public:
  TnDMClientDataSet();
  ~TnDMClientDataSet() override;

  // --- design members
  // The module's dataset (owned by the module).
  TnClientDataSet *const nClientDataSet;
  TnDefAdic DefAdic;

  const QString &Caption() const { return FCaption; }
  void SetCaption(const QString &caption) { FCaption = caption; }
  // The design name of the partner module (register <-> lookup).
  const QString &CadCons() const { return FCadCons; }
  void SetCadCons(const QString &nome) { FCadCons = nome; }
  // False: the key of a stored row cannot change; a post that changes it is
  // refused, and typing in a key editor of a stored row searches for that key.
  bool PodeAlterarChave() const { return FPodeAlterarChave; }
  void SetPodeAlterarChave(bool valor) { FPodeAlterarChave = valor; }
  // The form CriarForm builds: unless set, the lookup grid for a lookup class
  // (PegarTipoObjeto 2) and the register form otherwise; a detail shown
  // inside its master's form is a grid unless set.
  TnTipoForm TipoForm() const;
  void SetTipoForm(TnTipoForm tipo) {
    FTipoForm = tipo;
    FTipoFormDefinido = true;
  }
  // 0 register form, 1 editable grid, 2 lookup grid.
  void SetTipoForm(int tipo);
  // Names of the reports offered for the module (the reporting lies outside).
  const QStringList &Relatorios() const { return FRelatorios; }
  void SetRelatorios(const QStringList &nomes) { FRelatorios = nomes; }

  // --- virtuals, in slot order
  // A component the module is concerned with goes away: the module's forms,
  // and the forms of its details (opRemove). Nothing in the base.
  virtual void Notification(QObject *componente, TnOperacao operacao);
  // Reads the rows again, keeping the current row, and refreshes the details.
  void Refresh() override;
  // The module's form is being freed (it and its children are still there).
  virtual void DoFormDestroy(TnFrmVisual *sender);
  // Class level: a register unless a descendant answers 2 (lookup grid).
  static int PegarTipoObjeto() { return 1; }
  // After the form is built and the declared details are in it.
  virtual void DepoisConfigurar(TnFrmVisual *form);
  // Editor-state rules; run after scroll and state changes and through
  // ChecarConfigurarCampo. Nothing in the base.
  virtual void ConfigurarCampo(TnRemetente sender);
  // Values of a new record. The base fills the automatic key (AutoIncrementar
  // fields of ChavePrimaria): the next number after the largest stored one,
  // counted among the rows that share the preceding key fields' values (the
  // items of one protocol), or over the whole table for the first key field.
  // A field whose preceding key fields are still empty is filled on post.
  virtual void ConfigurarAutoValor(TnRemetente sender);
  // The key fields in upper case joined by ";"; the provider writes by them.
  // The base answers the dataset's (the table's primary key).
  virtual QString ChavePrimaria() const;
  // Before a row is saved (from the base BeforePost handler). The base runs
  // the framework's own validation: every stored field's Validar (required,
  // size, MinValue/MaxValue with ConstraintErrorMessage), raising EnField.
  virtual void ValidarDado();

  // --- dataset events (override and call the base first)
  virtual void nClientDataSetBeforeOpen(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterOpen(TnClientDataSet &dataSet);
  virtual void nClientDataSetNewRecord(TnClientDataSet &dataSet);
  virtual void nClientDataSetBeforeInsert(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterInsert(TnClientDataSet &dataSet);
  virtual void nClientDataSetBeforeEdit(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterEdit(TnClientDataSet &dataSet);
  virtual void nClientDataSetBeforePost(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterPost(TnClientDataSet &dataSet);
  virtual void nClientDataSetBeforeCancel(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterCancel(TnClientDataSet &dataSet);
  virtual void nClientDataSetBeforeDelete(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterDelete(TnClientDataSet &dataSet);
  virtual void nClientDataSetBeforeScroll(TnClientDataSet &dataSet);
  virtual void nClientDataSetAfterScroll(TnClientDataSet &dataSet);

  // --- life
  void DataModuleCreate() override;
  void DataModuleDestroy() override;

  // --- opening
  // Makes the typed fields from the select without reading a row (the base
  // DataModuleCreate does it when CommandText is set; call it again after
  // changing CommandText). Existing fields are kept when they still match.
  void PrepararCampos();
  // Opens the dataset (nothing when open): the dictionary and lookup names
  // applied once, the selection list set, the rows read.
  void Abrir();
  // The field dictionary and the lookup-name fields, once per module.
  void AplicarDicionario();
  // The selection list the dataset applies: the manual one when set, else
  // the opening action's, else DefAdic.VerificaSelecao.
  QString VerificaSelecao() const;
  // A selection list of the caller's ("CODIGOEMPRESA;CODIGOPROTOCOLO"),
  // applied from the next open or refresh on.
  void SetVerificaSelecaoManual(const QString &nomes);

  // --- the form
  // Builds the module's form by TipoForm, opening the dataset first; creates
  // the details declared with AddInfoDetalhe inside it; runs DepoisConfigurar.
  // The module frees the form with itself; a caller may free it sooner
  // (delete). A form built before is freed first. `parent` is the form (or a
  // panel of the form) that will hold it; null for a form of its own.
  TnFrmVisual *CriarForm(QObject *parent = nullptr);
  // The module's live form; null when none.
  TnFrmVisual *Form() const { return FForm; }
  void LiberarForm();
  // Asked before the module's own form closes (its OnCloseQuery): when this
  // module's row, or a detail's, is being edited or inserted with something
  // typed, asks "Sim" (post: the master first, then the details), "Não"
  // (cancel them) or "Cancelar" (stay, as does a question closed without an
  // answer). True when the form may close; a refused post raises its
  // message and the form stays with the typed data.
  bool ConfirmarPendentes();

  // --- details
  // Declares, in DataModuleCreate, a detail the framework creates with the
  // form and shows as a grid inside it, linked by `camposMestre` ->
  // `camposDetalhe` ("A;B"). The other arguments keep the callers' signature.
  void AddInfoDetalhe(const QString &classeDetalhe, const QString &camposMestre, const QString &camposDetalhe,
                      const QString &reservado1 = QString(), const QString &reservado2 = QString(),
                      const QString &reservado3 = QString(), bool opcao1 = false, bool opcao2 = false,
                      bool opcao3 = true);
  // Attaches a detail inside `form` (its form fills the form's remaining
  // area), linked on `camposLigacao` (same names on both sides, ";"). The
  // detail is `dm` when given (created by the caller; the master then frees
  // it), else a new instance of `classeDetalhe` in `modo`, carrying this
  // module's suffix. Its dataset shows only the rows of the master's current
  // row, follows the master, and a new detail row takes the master's values.
  // Null when the class cannot be created. `pai` and `opcao` keep the
  // callers' signature.
  TnDMClientDataSet *CriarDetalhe(const QString &classeDetalhe, const QString &camposLigacao, TnFrmVisual *form,
                                  TnDataModule *dm = nullptr, const QString &modo = QString(), QObject *pai = nullptr,
                                  bool opcao = false);
  // The live details attached to this module, in attaching order.
  QList<TnDMClientDataSet *> Detalhes() const;
  // The master: the one the registry created this module for, or the one
  // that attached it with CriarDetalhe; null for a module of its own.
  TnDataModule *DmMaster() const;
  // The live module with the design name (or full name) `nome`, this
  // module's own relatives first: its details, then its masters, then any
  // public module (FindGlobalDataModule). So with two registers open, each
  // finds its own items module.
  TnDataModule *FindGlobalDataModule(const QString &nome) const;

  // --- services
  void ChecarConfigurarCampo(TnRemetente sender = nullptr);
  // Editor state of one field (any field of the dataset) or of all of them.
  // On a grid form EdEnabledFields is the grid's editability.
  void EdEnabledField(TnField *campo, bool habilitar);
  void EdEnabledField(const QString &nomeCampo, bool habilitar);
  void EdEnabledFields(bool habilitar);
  void EdReadOnlyField(TnField *campo, bool somenteLeitura);
  void EdReadOnlyField(const QString &nomeCampo, bool somenteLeitura);
  // The editor of a field: the form's when the form shows one, else an
  // editor of no form kept by the module (same state, no place). Null only
  // for a field of no dataset of this module.
  TnEditorCampo *EdFindFieldControl(TnField *campo);
  TnEditorCampo *EdFindFieldControl(const QString &nomeCampo);
  // Enables the form's actions by name ("actDataSetInsert"); nothing
  // without a form.
  void HabilitaDesabilitaActions(const QStringList &nomes, bool habilitar);
  // Opens the lookup class of the field's definition (LookupClassName) as a
  // modal grid and, when a row is chosen, copies its LinkKeyFields values
  // into this module's fields (the record enters edit when browsing). The
  // lookup shows only the rows matching the link fields before the last one
  // that are filled here ("CodigoEmpresa = 2" for an establishment). The
  // register forms run it from an editor's button and from a grid cell's
  // button when the definition has no OnButtonClick. True when a row was
  // chosen.
  virtual bool AbrirLookup(TnField *campo);
  // Typed into a key editor of a stored row (PodeAlterarChave false): moves
  // to the row with that key. Raises EnField "Não existe registro com esta
  // chave" when the dataset has none.
  virtual void ProcurarRegistro(TnField *campo, const QString &texto);

  // The other-origin flag: the module writes on behalf of another origin
  // (registers then stamp ORIGEMDADO 3 and keep the caller's values). Set
  // only by the caller that does so.
  bool OutraOrigem() const { return FOutraOrigem; }
  void SetOutraOrigem(bool valor) { FOutraOrigem = valor; }
  // Re-read the rows each time the module's form is shown again. On by
  // default; registers clear it once their form is built. Clearing it is
  // always harmless.
  bool AtualizarAoExibir() const { return FAtualizarAoExibir; }
  void SetAtualizarAoExibir(bool valor) { FAtualizarAoExibir = valor; }
  // Whether long columns come with the rows (off: read when needed). Kept
  // for the callers; the engine always reads them with the rows.
  bool BuscarBlobsComLinhas() const { return FBuscarBlobs; }
  void SetBuscarBlobsComLinhas(bool valor) { FBuscarBlobs = valor; }

 protected:
  // True while PrepararCampos reads the structure: the event handlers of the
  // base do nothing then, and descendants should do likewise.
  bool PreparandoCampos() const { return FPreparando; }
  // The next number for an automatic key field, scoped by the key fields
  // before it.
  qint64 ProximoCodigo(TnField *campo);

 private:
  struct TnInfoDetalhe {
    QString Classe;
    QString CamposMestre;
    QString CamposDetalhe;
  };

  void InstalarEventos();
  void PreencherAutoIncremento();
  void ChecarChaveInalterada();
  void AoDestruirForm(TnFrmVisual &form);
  void LigarDetalhe(TnDMClientDataSet *detalhe, const QString &camposMestre, const QString &camposDetalhe);
  void MostrarDetalhe(TnDMClientDataSet *detalhe, TnFrmVisual *form);
  QStringList CamposChave() const;

  std::unique_ptr<TnClientDataSet> FDados;
  QString FCaption;
  QString FCadCons;
  bool FPodeAlterarChave = false;
  TnTipoForm FTipoForm = TnTipoForm::ntfCadastro;
  bool FTipoFormDefinido = false;
  QStringList FRelatorios;

  QString FVerificaSelecaoManual;
  bool FTemVerificaSelecaoManual = false;
  bool FDicionarioAplicado = false;
  bool FPreparando = false;
  bool FOutraOrigem = false;
  bool FAtualizarAoExibir = true;
  bool FBuscarBlobs = true;

  QPointer<TnFrmVisual> FForm;
  int FIdAoDestruir = 0;
  std::map<TnField *, std::unique_ptr<TnEditorCampo>> FEditoresAvulsos;

  QList<TnInfoDetalhe> FInfoDetalhes;
  // Details attached with CriarDetalhe or AddInfoDetalhe, and the master
  // that attached this module when the registry did not make it a detail.
  QList<TnDMClientDataSet *> FDetalhes;
  QList<TnDMClientDataSet *> FDetalhesProprios;  // given by the caller: freed by this module
  TnDMClientDataSet *FMestreLigado = nullptr;
  bool FDetalheDeForm = false;  // shown inside a master's form
};
