#pragma once

#include <QDate>
#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>

#include "mvoxpk_export.h"
#include "nActionForm_U.h"
#include "nDMPowerParamTab_U.h"
#include "nMenuDecl_U.h"
#include "nTeclado_U.h"

class TnColunaGrid;
class TnDBGridEh;
class TnDesenhoCelula;
class TnToolButton;

// "Documentos Pendentes": the reception of expected documents. A run lists,
// for one competence month, the documents that are expected and missing (the
// pending-documents consultation, created by name); the user marks those that
// arrived ("Recebido" Sim) and may add rows of his own. Gravar records each
// marked row as a company document (not archived, no origin) with its first
// movement ("Documento recebido em: " and its date, typed origin, the
// responsible user asked once per save), all in one transaction; the saved
// rows then leave the list and the others stay as they were.
//
// Codes: each listed row carries the code the consultation proposed; a row
// added by hand takes the next one after the highest handed out (after the
// next free document code less one when the list came empty). A code that
// someone else took in between makes the save fail on its key, with nothing
// written.
//
// Before anything is written the marked rows are checked: each needs its
// company, establishment, type and date, and a description of at most 50
// characters; the responsible user is empty (stored as none) or a number.
class MVOXPK_EXPORT TmVoxDPDocumentosPendentes : public TnDMPowerParamTab {
 public:
  TmVoxDPDocumentosPendentes();
  ~TmVoxDPDocumentosPendentes() override;

  // "02 Movimentos\20 Documentos", "Documentos Pendentes".
  static QList<TnMenuDecl> Menus();

  // The grid's fields, its options, Gravar, Cancelar and the search.
  void DataModuleCreate() override;
  // Reads the parameters; a competence that is no month is refused
  // ("Competência inválida!"), never replaced by the current one.
  void ValidarDado() override;
  // Lists the pending documents anew, none marked, in the unchanged state.
  void Executar() override;
  // The tab "Documentos Pendentes" with the grid and its handlers, the popup
  // items and the tool buttons "Marcar" and "MarcarTodos".
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The save of the marked rows (see the class). A database error comes back
  // after the rollback with "Operação cancelada! Não foi possível efetuar a
  // operação!" CR LF in front, the list as it was.
  void actGravarExecute(QObject *sender) override;
  // Drops the changes and lists the documents again.
  void actCancelarExecute(QObject *sender) override;

  // Ctrl+M: switches the current row's mark.
  void actMarcarExecute(QObject *sender);
  // Ctrl+Ins: switches every row's mark.
  void actMarcarTodasExecute(QObject *sender);

  // --- handlers
  void nClientDataSetBeforeOpen(TnClientDataSet &dataSet);
  void nClientDataSetAfterEdit(TnClientDataSet &dataSet);
  void nClientDataSetAfterInsert(TnClientDataSet &dataSet);
  // Enter moves to the next editable column (and row).
  void nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift);
  // A double click on the grid switches the current row's mark.
  void nDBGridDblClick(QObject *sender);
  // The first click on a title sorts ascending, the next descending, and so on.
  void nDBGridTitleClick(TnDBGridEh &sender, TnColunaGrid &coluna);
  // The type column's button: the document types' lookup.
  void nDBGridEditButtonClick(QObject *sender);
  // Rows the user marked in green.
  void nDBGridDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula);

  // --- what ValidarDado read
  const QString &CodigoEmpresa() const { return FCodigoEmpresa; }
  const QString &CodigoEstab() const { return FCodigoEstab; }
  QDate Compet() const { return FCompet; }
  // The highest code handed out to a row.
  qint64 UltimoDoc() const { return FUltimoDoc; }

  TnActionForm *miMarcarUm() const { return FMarcarUm; }
  TnActionForm *miMarcarTodos() const { return FMarcarTodos; }

 private:
  void ConfigurarCampos(TnClientDataSet &dados);
  void AlternarMarca();
  void CarregarPendentes();
  // Asks who is responsible for the documents, the current user offered:
  // null when the dialog is closed without OK or left empty. Raises, before
  // anything is written, for a text that is not a user code.
  QVariant PedirResponsavel();
  // Raises for the current row when it lacks a value the document needs or
  // its description is too long.
  static void ChecarMarcado(const TnClientDataSet &dados);

  bool FEmManutencao = false;
  qint64 FUltimoDoc = 0;
  QString FCodigoEmpresa;
  QString FCodigoEstab;
  QDate FCompet;
  QPointer<TnActionForm> FMarcarUm;
  QPointer<TnActionForm> FMarcarTodos;
  std::function<void(TnDBGridEh &, int &, TShiftState)> FKeyDownAnterior;
};
