#pragma once

#include <QPointer>
#include <QString>

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

class TmVoxDMProtocoloItem;
class TnPainel;

// The register of protocols: the documents handed over to a client
// establishment, or received from it, one protocol per form with its items
// in a grid below. A protocol is open until withdrawn (DATAHORABAIXA) and
// becomes cancelled when its last item is; withdrawn and cancelled protocols
// are never changed here. Users without the right "DireitoAltProtocolo" may
// create protocols but not change them once stored.
class MVOXPK_EXPORT TmVoxDMProtocolo : public TnDMClientDataSet {
 public:
  TmVoxDMProtocolo();

  static QList<TnMenuDecl> Menus();
  static int PegarTipoObjeto() { return 1; }
  // The register opens on the session's period of launch dates.
  static QString PegarVerificaSelecao();
  QString ChavePrimaria() const override;

  void DataModuleCreate() override;
  void DataModuleDestroy() override;
  // Also forgets the establishment whose delivery form was fetched, so the
  // next one is read again, and shows the status read.
  void Refresh() override;
  // The three tool buttons and the status label.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The status label, and company and establishment editable only on a new
  // protocol.
  void ConfigurarCampo(TnRemetente sender) override;
  // The audit stamps, then refuses, discarding the changes: a stored
  // protocol changed by a user without the right "DireitoAltProtocolo"
  // (the withdrawal excepted), and protocols withdrawn (except while the
  // withdrawal itself posts) or cancelled. A stored protocol is judged by
  // its row as stored now, not by the screen's copy: another user may have
  // withdrawn or cancelled it since.
  void ValidarDado() override;
  // Refuses deleting a stored protocol without the right, or while a debit,
  // an invoice, a receivable or a document movement carries its number (its
  // items are refused by the table's key).
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet) override;
  // A protocol number typed over a stored protocol: 0 or a text that is no
  // number is ignored; a number with no protocol is refused.
  void ProcurarRegistro(TnField *campo, const QString &texto) override;

  void nClientDataSetNewRecord(TnClientDataSet &dataSet) override;
  void nClientDataSetBeforeInsert(TnClientDataSet &dataSet) override;
  void nClientDataSetBeforePost(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterPost(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterScroll(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterOpen(TnClientDataSet &dataSet) override;
  void nClientDataSetBeforeCancel(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterCancel(TnClientDataSet &dataSet) override;
  void nClientDataSetCODIGOPROTOCOLOChange(TnField &campo);
  void nClientDataSetCODIGOESTABDefIntExit(TnField &campo);

  // "Baixar Protocolo" (F6): asks who delivered, who received and when, and
  // records the withdrawal. Nothing for a withdrawn protocol; a cancelled
  // one is refused.
  void actBaixarProtocolo(TnRemetente sender);
  // "InformacoesBaixa" (Shift+F6): shows the withdrawal data of a withdrawn
  // protocol.
  void actInformacoesBaixa(TnRemetente sender);
  // "Cancelar Tudo" (Alt+F6): after one question, cancels every item of the
  // protocol through the items grid of this register's own form. Nothing
  // without that grid, or on a withdrawn or cancelled protocol.
  void actCancelarTudo(TnRemetente sender);

  // The status label ("Baixado" / "Cancelado") of the live form; null
  // without one.
  TnPainel *LbBaixado() const { return FLbBaixado; }

 private:
  TnField *Campo(const char *nome) const;
  bool Baixado() const;
  bool Cancelado() const;
  // The editor state after a move to another protocol: the number editable
  // over stored protocols, the right applied, company and establishment
  // editable only on a new one; the items follow.
  void AplicarEstadoNavegacao();
  void AplicarDireitoAlteracao();
  // Whether the user holds "DireitoAltProtocolo" (true with no rights
  // service).
  bool PodeAlterar() const;
  // Refuses a typed protocol number that names no stored protocol.
  void ChecarNumeroDigitado(TnField *campo, const QString &texto);
  void BaixarProtocolo();
  // The items module shown in this register's form; null when the form (or
  // the grid) is not there. Found among this module's own details, so that
  // with two protocols open each one reaches its own items.
  TmVoxDMProtocoloItem *Itens() const;
  bool CanceladoNoBanco() const;

  QPointer<TnPainel> FLbBaixado;
  // The delivery form fetched for UltimoEmpEstab ("company;establishment").
  QString FTipoEntrega;
  QString UltimoEmpEstab;
  // True only while the withdrawal posts.
  bool FEhBaixa = false;
  bool FCancelandoInsercao = false;
  // The protocol this register made last: its maker may go on changing it
  // before leaving it, with or without the right.
  bool FPostandoInsercao = false;
  qint64 FCodigoCriado = 0;
};
