#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "mvoxpk_export.h"
#include "nDMPowerParamTab_U.h"
#include "nTeclado_U.h"

class TnDBGridEh;
class TnField;
class TnMemo;
class TnSQLDataSet;
class TnpqParamItem;
class TnpqPowerParam;

// "Configuração da Rota de Entrega": the stops of one delivery route as one
// ordered list, loaded from PROTOCOLOROTAENTREGA in stop order. The user
// moves stops up and down, deletes and renumbers them, copies one stop's
// company and establishment onto another, writes each stop's observation,
// and Gravar replaces all of the route's stops in one transaction, each
// row's place in the list becoming its stop number.
//
// The grid (nClientDataSet, ordered by Seq) holds Seq, CodigoEmpresa,
// CodigoEstab and Obs, and the names NomeEmpresa and NomeEstab the field
// dictionary looks up; the save refuses a stop whose company or
// establishment has no name (an empty or unknown code).
//
// Numbering: a new row takes the Seq of the last row posted plus one, so a
// row added after editing an earlier one may repeat a number; renumbering
// (Ctrl+R, or the delete of a row) and the save settle it. A move swaps the
// Seq of the row with its neighbour's while the two are consecutive; across a
// gap of two or more the rows only change numbers.
//
// Every operation that posts several rows runs with the grid's controls
// disabled and enables them again however it ends, also when a row it posts
// raises (a row without company or establishment does, once posted).
class MVOXPK_EXPORT TmVoxDPConfigurarRotaEntrega : public TnDMPowerParamTab {
 public:
  TmVoxDPConfigurarRotaEntrega();
  ~TmVoxDPConfigurarRotaEntrega() override;

  static QList<TnMenuDecl> Menus();

  // The grid's fields with the dictionary's names, its options, Gravar,
  // Cancelar and the search on.
  void DataModuleCreate() override;
  // The inherited checks, then the route: pCodigoRota as a whole number, 0
  // when it is none.
  void ValidarDado() override;
  // Reloads the grid from the route's stored stops, in stop order, the
  // first one current, nothing pending.
  void Executar() override;
  // The tab "Configurar Rota" with the grid, its keys and edit button, the
  // tool buttons and the popup items.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The save by replacement (see the class comment). Raises, with nothing
  // written, "O Codigo da Empresa não pode ser nulo!" or "O Codigo do Estab
  // não pode ser nulo!" for the first stop without a company or
  // establishment name (the cursor on it); a database error, after the
  // rollback, with "Operação cancelada! Não foi possível efetuar a
  // operação!" CR LF in front.
  void actGravarExecute(QObject *sender) override;
  // Drops what was changed and always reloads the route.
  void actCancelarExecute(QObject *sender) override;

  // Reads the route's stops into the grid.
  void CarregarRota();
  // Prepares the insert of the save.
  void PrepararSQL();

  // --- list operations
  // Ctrl+C: remembers the current row's company and establishment.
  void CopiarDados();
  // Ctrl+V: puts the remembered company and establishment on the current
  // row, its place and observation unchanged; nothing before a copy.
  void ColarDados();
  // Ctrl+R: numbers the rows 1, 2, 3… in the order they show, the current
  // row staying current (the first one when its place is gone).
  void ReconstruirSequencia();
  // Shift+Del: deletes the current row and renumbers the rest.
  void actDeletarSequencia(QObject *sender);
  // Ctrl+Up / Ctrl+Down: the current row takes its neighbour's place; the
  // first row up, the last row down and a single row stay.
  void actMoverParaCima(QObject *sender);
  void actMoverParaBaixo(QObject *sender);
  void actReordenar(QObject *sender);
  // Ctrl+M, Enter or a double click on the observation: the observation
  // editor; however it is closed, its text is the row's observation.
  void actObservacoes(QObject *sender);

  // --- handlers
  // The dictionary and its name fields for the grid's fields.
  void nClientDataSetBeforeOpen(TnClientDataSet &dataSet);
  void nClientDataSetAfterInsert(TnClientDataSet &dataSet);
  void nClientDataSetBeforePost(TnClientDataSet &dataSet);
  // Marks the grid changed, then raises EnField on a posted row without
  // company ("O código da empresa não pode ser nulo!") or establishment
  // ("O código da filial não pode ser nulo!"); the row stays posted.
  void nClientDataSetAfterPost(TnClientDataSet &dataSet);
  void nClientDataSetAfterEdit(TnClientDataSet &dataSet);
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet);
  void nDBGridEditButtonClick(QObject *sender);
  void nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift);
  void nDBGridDblClick(QObject *sender);
  // The grid shows the first 28 characters of the observation with each line
  // break as one space; an editor gets the whole text.
  QString nClientDataSetObsGetText(const TnField &sender, bool displayText) const;
  // Esc, or Ctrl+Enter, closes the observation editor.
  void nMemoKeyDown(TnMemo &sender, int &key, TShiftState shift);
  void npqPowerParamParamExit(TnpqPowerParam &sender, TnpqParamItem &param);

  // The observation as the grid shows it.
  static QString TextoObs(const QString &observacao);

  // --- state
  int RotaEntrega() const { return FRotaEntrega; }
  int ProximaSeq() const { return FProximaSeq; }
  int CodigoEmpresaCopiado() const { return FCodigoEmpresa; }
  int CodigoEstabCopiado() const { return FCodigoEstab; }

 private:
  struct TnCampos;
  TnCampos &Campos();
  bool GradeVazia();
  // Ends a pending edit of the grid (its check may raise).
  void TerminarEdicao();
  // The two posts of a move; `passo` -1 up, +1 down.
  void Mover(int passo);

  int FRotaEntrega = 0;
  int FProximaSeq = 0;
  int FCodigoEmpresa = 0;
  int FCodigoEstab = 0;
  std::unique_ptr<TnSQLDataSet> sqlInserirRota;
};
