#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "mvoxpk_export.h"
#include "nDBGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nMenuDecl_U.h"
#include "nTeclado_U.h"
#include "nToolButton_U.h"

class TnSQLDataSet;

// "Baixar Protocolo": the withdrawal of many protocols at once. A run lists
// the open protocols (no DATAHORABAIXA) of one nature ("Tipo": 1 Saída, 2
// Entrada), optionally of a period of protocol dates and of chosen protocols,
// companies and establishments; the user marks the rows to withdraw (Enter
// or a double click switches one, Ctrl+Ins all of them); Gravar asks once
// per company and establishment who handed the documents over, who received
// them and when (PegarDadosBaixa), and stamps each marked protocol of that
// establishment with those values and the moment of the withdrawal.
//
// Each protocol is written on its own, with no transaction: the protocols
// withdrawn before a failure stay withdrawn and leave the list, the failing
// one and the rest stay listed and marked. A protocol is stamped only while
// it is still open: one that another user withdrew after the listing keeps
// that user's withdrawal and stays on the list. A cancelled establishment
// dialog leaves that establishment's protocols open, listed and marked.
//
// The grid shows only what the run listed: the user cannot add rows.
class MVOXPK_EXPORT TmVoxDPBaixarProtocolo : public TnDMPowerParamTab {
 public:
  TmVoxDPBaixarProtocolo();
  ~TmVoxDPBaixarProtocolo() override;

  static QList<TnMenuDecl> Menus();

  // The grid's options (read-only, no framework sorting, no delete
  // confirmation), Gravar, Cancelar and the search offered.
  void DataModuleCreate() override;
  // The framework's checks, then the period: a final date needs an initial
  // one (EnParam on "Data Inicial"); an initial date alone runs to today.
  void ValidarDado() override;
  // Lists the protocols anew, none marked, in the unchanged state.
  void Executar() override;
  // The tab "Protocolos a Baixar" with the grid and its handlers, and the
  // tool button "MarcarTodas" (Ctrl+Ins).
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The withdrawal of the marked rows (see the class). Raises the database
  // error that stopped it, after the list and the register are brought up
  // to date with what was written.
  void actGravarExecute(QObject *sender) override;
  // Drops the marks; from a button or shortcut the list is read again.
  void actCancelarExecute(QObject *sender) override;

  // Fills the grid from the database with the parameters ValidarDado read.
  void CarregarDados();
  // Ctrl+Ins: every row to "Sim", the next time every row to "Não", and so
  // on for the life of the screen.
  void actMarcarTodasExecute(QObject *sender);

  // --- the grid's handlers
  // Enter switches the current row's mark.
  void nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift);
  // A double click on the grid is an Enter.
  void nDBGridDblClick(QObject *sender);
  // Marked rows in green.
  void nDBGridDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula);
  // The first click on a title sorts by that column ascending, each further
  // click reverses it.
  void nDBGridTitleClick(TnDBGridEh &sender, TnColunaGrid &coluna);
  // Refuses, with "Não é permitido inserir registros.", any row the process
  // does not add itself.
  void nClientDataSetBeforeInsert(TnClientDataSet &dataSet);

  // --- what ValidarDado read
  bool FiltroData() const { return FFiltroData; }
  QDate DataInicial() const { return FDataInicial; }
  QDate DataFinal() const { return FDataFinal; }
  // The value the last Ctrl+Ins gave every row (0 before the first).
  int Opcao() const { return FOpcao; }
  // The nature of the listed protocols, as the last run read it.
  int Natureza() const { return FNatureza; }

  TnToolButton *BtnMarcarTodas() const { return FBtnMarcarTodas; }

 private:
  struct TnCampos;
  TnCampos &Campos();
  void ConfigurarCampos();
  // Switches the current row's mark.
  void AlternarMarca();
  // Stamps the protocol of the current row; answers whether a row changed.
  bool BaixarProtocolo(const QString &usuarioExt, int codigoUsuarioInt, const QDateTime &dataHoraEntrega);
  void PrepararUpdate();

  int FOpcao = 0;
  bool FFiltroData = false;
  QDate FDataInicial;
  QDate FDataFinal;
  int FNatureza = 1;
  std::unique_ptr<TnSQLDataSet> sqlUpdateProtocolo;
  QPointer<TnToolButton> FBtnMarcarTodas;
  // The grid's key handler before this process's (the form's own keys).
  std::function<void(TnDBGridEh &, int &, TShiftState)> FKeyDownAnterior;
};
