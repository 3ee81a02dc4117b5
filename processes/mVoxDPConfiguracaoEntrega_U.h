#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <memory>

#include "mvoxpk_export.h"
#include "nDBGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nTeclado_U.h"
#include "nToolButton_U.h"

class TnFrmDlg;
class TnSQLDataSet;

// "Configurar Forma Entrega": the protocol configuration of many
// establishments at once. A run lists one row per establishment selected by
// the company and establishment parameters, with empty configuration columns
// (the stored configurations are not read); the user sets the document
// group, the delivery form and the same-address flag row by row, through the
// configuration dialog for the selected row (Ctrl+T) or for every row from the
// selected one down (Ctrl+Ins), or by typing.
//
// Gravar replaces, in one transaction, the CFGESTABPRO row of every listed
// establishment: each one's stored row is deleted and, when its three
// configuration columns are filled, the grid's row inserted. A listed row
// left empty therefore loses its stored configuration (the confirmation says
// so); a row deleted from the grid keeps its own. A row partly filled, or
// configured without its company or establishment, is refused before
// anything is written.
//
// When the dialog of one row says delivery by hand at another address, the
// delivery-address register opens on a new address of that establishment
// once the save has stored its configuration (the register checks it there).
class MVOXPK_EXPORT TmVoxDPConfiguracaoEntrega : public TnDMPowerParamTab {
 public:
  TmVoxDPConfiguracaoEntrega();
  ~TmVoxDPConfiguracaoEntrega() override;

  static QList<TnMenuDecl> Menus();

  // The grid: company, establishment, group, delivery form and same-address
  // flag (the last two shown by name), then the names the dictionary looks
  // up. Gravar, Cancelar and the search on.
  void DataModuleCreate() override;
  // Keeps the two selection texts (refused by the framework when they are
  // not lists of codes and ranges).
  void ValidarDado() override;
  // Rebuilds the grid from the selection; ends in the unchanged state.
  void Executar() override;
  // The tab with the grid, its popup items and the two tool buttons.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // Leaving the grid's tab spares the grid the reload of a later Cancelar.
  void nPageControlOnChanging(int indicePagina, bool &permitir) override;
  // The replacement (see the class comment). A database error rolls it all
  // back and is raised with "Operação cancelada! …" in front.
  void actGravarExecute(QObject *sender) override;
  // Drops the typed configurations and, unless the grid's tab was left
  // before, lists the selection again.
  void actCancelarExecute(QObject *sender) override;

  // Fills the grid with the selected establishments.
  void CarregarDados();
  // Ctrl+T: the dialog, then its values on the selected row.
  void actConfig(QObject *sender);
  // Ctrl+Ins: the dialog, then its values on the selected row and every row
  // after it in the grid's order; the selected row stays selected.
  void actConfigAll(QObject *sender);
  // The configuration dialog; true when confirmed, its values then kept in
  // CodigoGrupoDoc and FormaEntrega (0 for a value left empty).
  bool PegarConfigs();
  // The dialog's close: for delivery by hand asks whether the address is the
  // establishment's own (MesmoEndereco).
  void FormCloseQuery(TnFrmDlg &sender, bool &podeFechar);
  // The row check before a save: false, with the cursor and the focus on the
  // field at fault and the user told which, when a row is partly filled or
  // configured without its key.
  bool ValidarConfiguracoes();

  QString PegarSQLDelete() const;
  QString PegarSQLInsert() const;
  void PrepararSQL();
  void ExcluirConfiguracao();
  void InserirConfiguracao();

  void nDBGridEditButtonClick(QObject *sender);
  void nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift);
  void nDBGridTitleClick(TnDBGridEh &sender, TnColunaGrid &coluna);

  // --- state
  const QString &CodigoEmpresa() const { return FCodigoEmpresa; }
  const QString &CodigoEstab() const { return FCodigoEstab; }
  int CodigoGrupoDoc() const { return FCodigoGrupoDoc; }
  int FormaEntrega() const { return FFormaEntrega; }
  bool MesmoEndereco() const { return FMesmoEndereco; }
  bool PedirEndereco() const { return FPedirEndereco; }
  bool NaoExecutar() const { return FNaoExecutar; }
  // The establishments whose delivery address the next save asks for.
  const QList<QPair<int, int>> &EnderecosPedidos() const { return FEnderecosPedidos; }
  TnToolButton *BtnConfig() const { return FBtnConfig; }
  TnToolButton *BtnConfigAll() const { return FBtnConfigAll; }

 private:
  // The dialog's values on the current row, posted.
  void AplicarConfigs();
  bool Gravar();
  // Opens the delivery-address register for each establishment that asked
  // for one and whose stored configuration still needs an address it lacks.
  void AbrirEnderecosPedidos();
  void DesabilitarControles();
  void HabilitarControles();
  bool GridComLinhas();

  QString FCodigoEmpresa;
  QString FCodigoEstab;
  int FCodigoGrupoDoc = 0;
  int FFormaEntrega = 0;
  bool FMesmoEndereco = false;
  bool FPedirEndereco = false;
  bool FNaoExecutar = false;
  bool FControlesDesabilitados = false;
  QList<QPair<int, int>> FEnderecosPedidos;
  std::unique_ptr<TnSQLDataSet> sqlDelete;
  std::unique_ptr<TnSQLDataSet> sqlInsert;
  QPointer<TnToolButton> FBtnConfig;
  QPointer<TnToolButton> FBtnConfigAll;
};
