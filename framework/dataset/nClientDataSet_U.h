#pragma once

#include <QFlags>
#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "nField_U.h"
#include "nIndexDefs_U.h"
#include "nObservadorDataSet_U.h"
#include "nOrdenacao_U.h"
#include "nframework_export.h"

class TnCanonizador;
class TnFiltro;
class TnLinhasDataSet;
class TnProvedor;
struct TnTabelaDef;

// The definition of one field before the dataset is created.
struct NFRAMEWORK_EXPORT TnFieldDef {
  QString Name;
  TnFieldType DataType = TnFieldType::String;
  int Size = 0;
  int Precision = 0;
  int Scale = 0;
  bool Required = false;
};

enum class TnDataSetState { Inactive, Browse, Edit, Insert };

enum class TnOpcaoLocate {
  SemDiferenciarCaixa = 0x1,  // texts match without regard to case
  ChaveParcial = 0x2,         // a text matches any value it starts
};
Q_DECLARE_FLAGS(TnOpcoesLocate, TnOpcaoLocate)
Q_DECLARE_OPERATORS_FOR_FLAGS(TnOpcoesLocate)

// A remembered row (GetBookmark). It stays valid while the row exists, whatever
// happens to other rows, and serves on clones of the dataset as well.
using TnBookmark = qint64;

// The framework's client dataset: rows kept in memory with a cursor over
// them. One class serves
//   - in-memory datasets: FieldDefs (AddFieldDef) + CreateDataSet;
//   - free query results: CarregarDaQuery (ExecutarSQL, TnSQLDataSet);
//   - a data module's dataset over one table: SetCommandText + Open. Its
//     posts and deletes write the row to the table at once (see Post);
//   - clones (CloneCursor): another cursor over the same rows.
//
// Behaviour callers rely on (that of the platform's client datasets):
//   - Field names match in any case; with duplicate names the first wins.
//   - Edit on an empty view inserts (BeforeInsert/AfterInsert fire).
//   - Append, Insert and every move (First, Next, Prior, Last, SetRecNo,
//     FindKey, FindNearest, Locate, GotoBookmark) first end a pending edit or
//     insert: posted when a value was set (Modified), cancelled otherwise.
//   - Post and Cancel in browse state do nothing.
//   - Delete leaves the next row current; deleting the last row leaves Eof
//     true, so "while not Eof: Delete or Next" loops end.
//   - After a post in an indexed view the posted row is current at its place
//     in the index: after every row with an equal key when its key changed.
//     Rows with equal keys otherwise keep their insertion order.
//   - RecordCount and RecNo count the current view (filter, master range,
//     index); a row being inserted is not counted (RecNo is 0 meanwhile).
//   - Event handlers may Cancel (AfterInsert, AfterEdit), CancelUpdates or
//     raise inside BeforePost; the post then stops with no half-posted row.
//   - DisableControls/EnableControls nest. While controls are disabled,
//     observers hear nothing and details do not follow this master; enabling
//     them again brings both up to date.
class NFRAMEWORK_EXPORT TnClientDataSet {
 public:
  TnClientDataSet();
  virtual ~TnClientDataSet();
  TnClientDataSet(const TnClientDataSet &) = delete;
  TnClientDataSet &operator=(const TnClientDataSet &) = delete;

  using TnEvento = std::function<void(TnClientDataSet &)>;
  // Raising EAbort in a Before… handler stops the operation; the exception
  // goes on to the caller (the user entry point's guard swallows it).
  TnEvento BeforeOpen;
  TnEvento AfterOpen;
  TnEvento OnNewRecord;
  TnEvento BeforeInsert;
  TnEvento AfterInsert;
  TnEvento BeforeEdit;
  TnEvento AfterEdit;
  TnEvento BeforePost;
  TnEvento AfterPost;
  TnEvento BeforeCancel;
  TnEvento AfterCancel;
  TnEvento BeforeDelete;
  TnEvento AfterDelete;
  // A delete failed after BeforeDelete ran (a later handler raised, or the
  // table refused the row): fired before the error goes on, so a handler
  // that began a transaction in BeforeDelete can roll it back.
  TnEvento OnDeleteError;
  // Writes that belong with the row's own: fired on a provider dataset right
  // after Post wrote the row to its table (AfterWritePost: the row still in
  // edit or insert, its fields holding the values written) and after Delete
  // removed it from the table (AfterWriteDelete: the row still current).
  // When a handler is set, the table write and the handler run in one
  // transaction (joining the caller's when one is open); when either fails
  // both are rolled back, the error goes on, and the dataset is as before
  // the call: a post stays in edit or insert with the typed values, a
  // deleted row stays. AfterPost and AfterDelete fire after the commit.
  TnEvento AfterWritePost;
  TnEvento AfterWriteDelete;
  TnEvento BeforeScroll;
  TnEvento AfterScroll;

  // --- Structure and opening ---------------------------------------------------
  QList<TnFieldDef> &FieldDefs() { return FFieldDefs; }
  const QList<TnFieldDef> &FieldDefs() const { return FFieldDefs; }
  void AddFieldDef(const QString &name, TnFieldType type, int size = 0, bool required = false, int precision = 0,
                   int scale = 0);
  // Creates the fields from FieldDefs and opens the dataset empty. Fields
  // that already match the definitions (names and types) are kept, with
  // whatever was set on them.
  void CreateDataSet();
  // Loads every row of an executed query, typing the columns from the
  // reported types, the schema's column types and the values themselves.
  // `mesmaInstrucao`: the query is the prepared select of the last load run
  // again, so its columns are the same: the fields and their layout stay as
  // they are and only the rows are read, unless a column was typed by its
  // values (those are typed again from the new rows).
  void CarregarDaQuery(QSqlQuery &query, bool mesmaInstrucao = false);
  // Opens a provider dataset by running its select (CommandText); a dataset
  // without one is created empty from FieldDefs. Does nothing when open.
  void Open();
  // Closes the dataset, dropping a pending edit and the rows (clones keep
  // theirs). Fields and settings stay.
  void Close();
  bool Active() const { return FState != TnDataSetState::Inactive; }
  void SetActive(bool ativo) { ativo ? Open() : Close(); }
  TnDataSetState State() const { return FState; }

  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TnField *Fields(int index) const { return FFields.at(static_cast<size_t>(index)).get(); }
  // Raises Exception naming the field when absent.
  TnField *FieldByName(const QString &name) const;
  TnField *FindField(const QString &name) const;  // null when absent
  int IndexOfField(const QString &name) const;    // -1 when absent
  // Changes whenever the fields are made again or one is added, and never
  // takes a value twice, in any dataset: whoever keeps pointers to the
  // fields checks it before using them again.
  quint64 VersaoCampos() const { return FVersaoCampos; }

  // --- Navigation over the current view ------------------------------------------
  void First();
  void Next();
  void Prior();
  void Last();
  bool Eof() const {
    Sincronizar();
    return FEof;
  }
  bool Bof() const {
    Sincronizar();
    return FBof;
  }
  // No row in the view and none being inserted.
  bool IsEmpty() const;
  int RecordCount() const;
  int RecNo() const;  // 1-based; 0 when there is no current row or while inserting
  // Moves to a 1-based position, clamped to the view.
  void SetRecNo(int recNo);

  // --- Editing ----------------------------------------------------------------
  void Append();
  void Insert();
  void Edit();
  // Fires BeforePost, validates every stored field (TnField::Validar), then
  // writes: on a provider dataset an INSERT of the stored fields, or an UPDATE
  // of the changed ones where the key columns and the changed columns still
  // hold their values before the edit (TnProvedor::Atualizar); a database
  // error, or a row changed by another user meanwhile, raises EDatabaseError
  // and leaves the dataset in edit or insert with the typed values. Then the
  // row takes its place in the view and AfterPost fires. The cursor cannot
  // move while the post runs (a BeforePost handler that tries is refused):
  // the row written is always the one being edited.
  void Post();
  void Cancel();
  // On a provider dataset the row is deleted from the table first: refused
  // while rows of other tables name it (TnProvedor::ChecarEmUso), and when
  // another user changed or deleted it since it was read.
  void Delete();
  // Removes every row from memory (never from the database) and clears the
  // change log.
  void EmptyDataSet();
  // Removes the rows of `marcas` from memory (never from the database) in one
  // step, however many: no delete events, one reset for the observers, and
  // the change log keeps them (a save point before brings them back). Marks
  // of rows already gone are ignored. A pending edit is ended first; the
  // cursor stays on its row, or where a removed current row was.
  void ExcluirLinhas(const std::vector<TnBookmark> &marcas);
  // Whether a value was set since the edit or insert began.
  bool Modified() const { return FModificado; }
  // Where the row being inserted shows in the view (0-based); -1 otherwise.
  int PosicaoInsercao() const;

  // The value of a field in the current row (or the row being edited).
  QVariant ValorCampo(int index) const {
    const QVariant *guardado = ValorGuardado(index);
    return guardado ? *guardado : LerValorCampo(index);
  }
  // The stored value of a field in the current row, in place, when it is at
  // hand: every field read of every row comes here, and while browsing a row
  // already reached (moved to or read), with no change to the rows since, the
  // value is there. Null otherwise (ValorCampo then looks it up).
  const QVariant *ValorGuardado(int index) const {
    int slot;
    const QVector<QVariant> *linha = LinhaGuardada(slot);
    return linha && static_cast<quint64>(index) < static_cast<quint64>(linha->size()) ? &linha->at(index) : nullptr;
  }
  // The stored values of the current row, in place, and its slot, while
  // they are at hand as for ValorGuardado; null (and slot -1) otherwise.
  // Clones share their origin's slots; a slot freed by a removed row may
  // later hold another row.
  const QVector<QVariant> *LinhaGuardada(int &slot) const {
    if (FValoresAtuais && FSlot == FSlotValores && *FVersaoLinhas == FVersaoValores &&
        FState == TnDataSetState::Browse) {
      slot = FSlot;
      return FValoresAtuais;
    }
    slot = -1;
    return nullptr;
  }
  // The slot of the row a walk through the view reaches some steps on, whose
  // memory the last step asked for; -1 when none. What is kept per row
  // elsewhere can be asked for as well.
  int SlotAdiante() const { return FSlotAdiante; }
  // The version of the rows: it changes with every change to any of them
  // (through any cursor), and no other set of rows ever has it. 0 while
  // closed.
  quint64 VersaoDasLinhas() const { return FVersaoLinhas ? *FVersaoLinhas : 0; }
  // Writes the row being edited; raises Exception outside edit or insert.
  void SetValorCampo(int index, const QVariant &valor);
  // The stored value of the current row before the current edit; null while
  // inserting.
  QVariant ValorAntigoCampo(int index) const;
  // Adds a field after creation (lookup and calculated fields); rows get an
  // empty slot for it. The dataset owns the field.
  TnField *AdicionarCampo(std::unique_ptr<TnField> campo);
  // The values of the row at a 0-based position of the view, by field index.
  const QVector<QVariant> &Linha(int posicao) const;

  // --- Views: filter, index, search, master range --------------------------------
  const QString &Filter() const { return FFilter; }
  // The filter language is TnFiltro's. Setting an invalid filter on an
  // active, filtered dataset raises and keeps the old one.
  void SetFilter(const QString &filtro);
  bool Filtered() const { return FFiltered; }
  void SetFiltered(bool filtrado);
  void SetFilterCaseInsensitive(bool semCaixa);

  // "A;B;C" (blanks and a trailing ";" ignored, names in any case). Selecting
  // an index keeps the current row current.
  const QString &IndexFieldNames() const { return FIndexFieldNames; }
  void SetIndexFieldNames(const QString &campos);
  TnIndexDefs &IndexDefs() { return FIndexDefs; }
  const TnIndexDefs &IndexDefs() const { return FIndexDefs; }
  // A name of IndexDefs; "", "DEFAULT_ORDER" and "CHANGEINDEX" are the
  // natural order.
  const QString &IndexName() const { return FIndexName; }
  void SetIndexName(const QString &nome);

  // Moves to the first row whose key in the current index equals `valores`
  // (the first fields of the index); raises Exception when no index is set.
  bool FindKey(const QVariantList &valores);
  // Moves to the first row whose key is not less than `valores`.
  void FindNearest(const QVariantList &valores);
  // Moves to the first row of the view where `campos` ("A;B") equal the
  // values (a null matches a null).
  bool Locate(const QString &campos, const QVariantList &valores, TnOpcoesLocate opcoes = {});
  bool Locate(const QString &campos, const QVariant &valor, TnOpcoesLocate opcoes = {});

  // Shows only the rows whose `detailFields` equal the master's current
  // `masterFields` ("A;B", same count), following the master as it moves or
  // changes; new rows take the master's values. A null master clears it.
  void SetMasterSource(TnClientDataSet *mestre, const QString &masterFields, const QString &detailFields);
  TnClientDataSet *MasterSource() const { return FMestre; }

  // Becomes another cursor over `origem`'s rows: a change through either is
  // seen by both. Unless `reset`, the filter, index, master range and current
  // row of `origem` are taken as well. `keepSettings` is accepted for the
  // callers' signature.
  void CloneCursor(TnClientDataSet *origem, bool reset = false, bool keepSettings = true);

  TnBookmark GetBookmark() const;
  // Raises Exception when the row is gone or out of the view.
  void GotoBookmark(TnBookmark marca);
  bool BookmarkValid(TnBookmark marca) const;

  // --- Change log (kept for in-memory rows; rows written to the database are
  // final) ---------------------------------------------------------------------
  bool nLogChanges() const;
  void SetnLogChanges(bool registrar);
  // Cancels the current edit or insert and undoes every logged change.
  void CancelUpdates();
  // A mark of the log's current state (a pending edit is posted first).
  int SetSavePoint();
  // Cancels the current edit and undoes the changes logged after the mark.
  void RestoreSavePoint(int marca);
  // Makes the logged changes final.
  void MergeChangeLog();
  int ChangeCount() const;

  // --- Provider (a data module's dataset over one table) ------------------------
  // The select, e.g. "Select t_t.A, t_t.B from TABELA t_t ORDER BY t_t.A".
  // On a free query result, the statement it came from (RefreshSQL).
  const QString &CommandText() const;
  void SetCommandText(const QString &sql);
  // The table written to; by default the first table after FROM.
  void SetTabela(const QString &tabela);
  QString Tabela() const;
  // The key columns of the writes ("A;B"); by default the table's primary key.
  void SetChavePrimaria(const QString &campos);
  QStringList ChavePrimaria() const;
  // The names of the session's selection parameters the select applies
  // (TnSelecao::Condicao).
  void SetVerificaSelecao(const QString &nomes);
  QString VerificaSelecao() const;
  // A condition of the owner's on the select, with values for its :names.
  void SetCondicaoExtra(const QString &condicao, const QVariantList &valores = {});
  // Whether posts and deletes write to the database.
  bool EhProvedor() const { return FEhProvedor; }
  // Reads the rows again (provider datasets), keeping the current row by its
  // key when it still exists; a pending edit is ended first.
  void Refresh();

  // --- Controls and observers ---------------------------------------------------
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return FControlesDesabilitados > 0; }
  // The observer is not owned; remove it before it dies. One still attached
  // when the dataset goes is told (DataSetDestruido) and dropped.
  void AdicionarObservador(TnObservadorDataSet *observador);
  void RemoverObservador(TnObservadorDataSet *observador);

  // --- Typed views ----------------------------------------------------------------
  // A typed view of the dataset's fields, one object per type T, made on the
  // first request and owned by the dataset. T is default-constructible and
  // has `void Mapear(TnClientDataSet &dados)` binding its field pointers,
  // usually through MapearCampo, e.g.
  //
  //   struct TnCamposProtocolo {
  //     TnField *CodigoProtocolo = nullptr;
  //     TnDateField *DataLctoPro = nullptr;
  //     void Mapear(TnClientDataSet &d) {
  //       d.MapearCampo(CodigoProtocolo, QStringLiteral("CODIGOPROTOCOLO"));
  //       d.MapearCampo(DataLctoPro, QStringLiteral("DataLctoPro"));
  //     }
  //   };
  //   auto &campos = dados.Mapeamento<TnCamposProtocolo>();
  //
  // Mapear runs again whenever the dataset re-creates its fields, so the
  // pointers never dangle. A field that is missing (or of another class)
  // stays null.
  template <class T>
  T &Mapeamento();
  // Binds `membro` to the field named `nome` (any case) when it is an F.
  template <class F>
  void MapearCampo(F *&membro, const QString &nome) const {
    membro = dynamic_cast<F *>(FindField(nome));
  }

 private:
  struct TnMapeamento {
    std::shared_ptr<void> Objeto;
    std::function<void(TnClientDataSet &)> Religar;
  };

  // Structure.
  std::unique_ptr<TnField> CriarCampo(const TnFieldDef &def);
  void CriarCampos();
  void CamposMudaram();
  void IndexarNomes();
  void NovasLinhas();
  void SoltarLinhas();
  void Carregar(QSqlQuery &query, const TnTabelaDef *tabela, bool mesmaInstrucao = false);
  void DepoisDeAbrir();

  // The view.
  const std::vector<int> &Visao() const;
  // Brings the view up to date with the rows; every move and read asks, so
  // the check of a view already current is inline.
  void Sincronizar() const {
    if (FVersaoLinhas && FVersaoVisao != *FVersaoLinhas) RefazerSincronia();
  }
  void RefazerSincronia() const;
  void InvalidarVisao() { FVersaoVisao = 0; }
  // After the view's rules changed (filter, index, range): rebuild the view,
  // keep the cursor on its row and tell the observers to start over.
  void RefazerVisao() {
    InvalidarVisao();
    Sincronizar();
    NotificarReinicio();
  }
  void ReconstruirVisao() const;
  // The view to change: this dataset's own (copied when shared).
  std::vector<int> &VisaoPropria() const {
    if (FVisao.use_count() > 1) FVisao = std::make_shared<std::vector<int>>(*FVisao);
    return *FVisao;
  }
  // Empties the view, keeping its room when it is this dataset's own.
  void LimparVisao() const {
    if (FVisao.use_count() > 1)
      FVisao = std::make_shared<std::vector<int>>();
    else
      FVisao->clear();
  }
  bool Passa(const QVector<QVariant> &linha) const;
  void PrepararFiltro();
  void PrepararOrdenacao();
  void PrepararFaixa();
  TnOrdenacao MontarOrdenacao(const QString &campos, const QString &descendentes, bool todosDescendentes,
                              const QString &semCaixa, bool todosSemCaixa) const;
  int PosicaoPorChave(const QVector<QVariant> &valores, int excluir) const;
  QVector<int> IndicesDosCampos(const QString &campos) const;

  QVariant LerValorCampo(int index) const;

  // The cursor.
  void ChecarAtivo() const;
  void ChecarModoNavegacao();
  void Posicionar(int posicao) const;
  void Mover(int posicao);
  int PosicaoDoSlot(int slot) const;
  void DepoisDeMover();
  // Next and Prior: one step along the view.
  void Passo(int sentido);
  void DepoisDeMudarDados();

  // Editing.
  void IniciarInsercao(bool anexar);
  void ValidarCampos();
  void GravarNoBanco();
  // The fields written to the provider's table, by index: stored, of the
  // table, each column once.
  std::vector<int> CamposDaTabela() const;
  QVariantList ValoresDaChave(const QStringList &chave, const QVector<QVariant> &linha) const;
  void GravarNaMemoria();
  void SairDaEdicao();
  bool Registrar() const;

  // Masters, clones and observers.
  void SeguirDetalhes();
  void MestreMudou();
  QVariantList ValoresDoMestre() const;
  void AvisarOutrosCursores();
  void MudancaExterna();
  // Tells every observer; one removed while others are told is skipped.
  template <class F>
  void Avisar(F &&aviso);
  // Avisar, unless controls are disabled (then one reset follows later).
  template <class F>
  void Notificar(F &&aviso);
  void NotificarReinicio();
  void NotificarMovimento();

  QList<TnFieldDef> FFieldDefs;
  std::vector<std::unique_ptr<TnField>> FFields;
  // The layout of the last query load whose column types were all known
  // before its rows came: the values' converter over the fields, for the
  // same select run again. Dropped whenever the fields change.
  std::unique_ptr<TnCanonizador> FLeituraQuery;
  int FColunasQuery = 0;
  QHash<QString, int> FIndicePorNome;  // upper-case name -> first field of that name
  std::shared_ptr<TnLinhasDataSet> FLinhas;
  TnDataSetState FState = TnDataSetState::Inactive;

  // The current view: FVisao holds the slots in view order when a filter,
  // index or range applies; otherwise the view is the rows' natural order.
  // A clone shares its origin's view until either changes it: a grid clones
  // its cursor after every change, and a copy of a large view is a large
  // allocation each time (which also has the allocator sort out every
  // small block freed before it).
  mutable std::shared_ptr<std::vector<int>> FVisao = std::make_shared<std::vector<int>>();
  mutable bool FUsaVisao = false;
  mutable quint64 FVersaoVisao = 0;
  quint64 FVersaoCampos = 0;
  mutable int FPos = -1;   // position in the view; -1 when none
  mutable int FSlot = -1;  // slot of the current row
  mutable int FSlotAdiante = -1;
  // The values of the row FSlotValores as of version FVersaoValores of the
  // rows (*FVersaoLinhas), for ValorCampo.
  mutable const QVector<QVariant> *FValoresAtuais = nullptr;
  mutable int FSlotValores = -1;
  mutable quint64 FVersaoValores = 0;
  const quint64 *FVersaoLinhas = nullptr;
  mutable bool FEof = true;
  mutable bool FBof = true;

  QVector<QVariant> FBuffer;  // the row being edited or inserted
  bool FModificado = false;
  int FSlotInsercao = -1;  // the row an Insert goes before (-1: at the end)
  int FPosInsercao = -1;   // where the row being inserted shows
  bool FPostando = false;

  QString FFilter;
  bool FFiltered = false;
  bool FFiltroSemCaixa = false;
  std::unique_ptr<TnFiltro> FFiltro;

  QString FIndexFieldNames;
  QString FIndexName;
  TnIndexDefs FIndexDefs;
  TnOrdenacao FOrdenacao;

  TnClientDataSet *FMestre = nullptr;
  QString FMasterFields;
  QString FDetailFields;
  QVector<int> FCamposDetalhe;
  QVariantList FValoresMestre;
  bool FFaixaAtiva = false;
  std::vector<TnClientDataSet *> FDetalhes;

  std::unique_ptr<TnProvedor> FProvedor;
  bool FEhProvedor = false;
  bool FLogChanges = true;  // for rows loaded later

  int FControlesDesabilitados = 0;
  bool FMudouDesabilitado = false;
  bool FMoveuDesabilitado = false;
  std::vector<TnObservadorDataSet *> FObservadores;

  std::map<std::type_index, TnMapeamento> FMapeamentos;
};

template <class T>
T &TnClientDataSet::Mapeamento() {
  auto it = FMapeamentos.find(std::type_index(typeid(T)));
  if (it == FMapeamentos.end()) {
    auto objeto = std::make_shared<T>();
    objeto->Mapear(*this);
    TnMapeamento item;
    item.Objeto = objeto;
    item.Religar = [bruto = objeto.get()](TnClientDataSet &dados) { bruto->Mapear(dados); };
    it = FMapeamentos.emplace(std::type_index(typeid(T)), std::move(item)).first;
  }
  return *static_cast<T *>(it->second.Objeto.get());
}
