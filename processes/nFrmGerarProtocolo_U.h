#pragma once

#include <QPointer>
#include <QString>

#include "mvoxpk_export.h"
#include "nClientDataSet_U.h"
#include "nFrmPowerParam_U.h"

class TnDBGridEh;
class TnPainel;
struct TnDesenhoCelula;

// The form of the protocol generation processes: the framework's process form
// plus the two datasets of a generation (the proposed protocols and their
// proposed items) and a master grid of the protocols whose rows open into a
// grid of their items. The form only draws and filters; marking and saving
// belong to the process (TmVoxDPGerarProtocoloBase), which also moves the
// master grid from the parameter page into its own tab.
//
// The datasets live as long as the form: a process reaches them through its
// form and never keeps them past it.
class MVOXPK_EXPORT TnFrmGerarProtocolo : public TnFrmPowerParam {
 public:
  static inline const QString NomeClasse = QStringLiteral("TnFrmGerarProtocolo");

  explicit TnFrmGerarProtocolo(TnDMPower *processo, QObject *parent = nullptr);
  ~TnFrmGerarProtocolo() override;

  QString ClassName() const override;
  bool HerdaDe(const QString &nomeClasse) const override;

  // One row per proposed protocol, linked to its items by CODIGOPROTOCOLO.
  TnClientDataSet &nClientDataSet() { return FClientDataSet; }
  // One row per proposed item.
  TnClientDataSet &nClientDataSetDet() { return FClientDataSetDet; }
  TnDBGridEh *nDBGridEh() const { return FDBGridEh; }
  TnDBGridEh *nDBGridEhDet() const { return FDBGridEhDet; }
  // Fills the master grid's row-detail panel and holds the item grid.
  TnPainel *Panel1() const { return FPanel1; }

  // Master grid cells: green while every item of the protocol is marked,
  // white on the focused selection.
  void nDBGridEhDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula);
  // Item grid cells: green when marked, white on the focused selection,
  // silver above all for an item that already belongs to a protocol (it can
  // never be marked).
  void nDBGridEhDetDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula);
  // A master row opens: the item grid shows that protocol's items.
  void nDBGridEhRowDetailPanelShow(TnDBGridEh &sender, bool &podeMostrar);
  // Filters the items on the current master row's proposal number; nothing
  // when the master has no current number.
  void FiltrarItensDoMestre();

 private:
  void CriarCamposMestre();
  void CriarCamposDetalhe();
  void CriarGrids();

  TnClientDataSet FClientDataSet;
  TnClientDataSet FClientDataSetDet;
  QPointer<TnDBGridEh> FDBGridEh;
  QPointer<TnPainel> FPanel1;
  QPointer<TnDBGridEh> FDBGridEhDet;
};
