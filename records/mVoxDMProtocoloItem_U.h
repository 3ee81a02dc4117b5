#pragma once

#include <QDate>
#include <QPointer>
#include <QVariant>
#include <functional>
#include <memory>

#include "mvoxpk_export.h"
#include "nControleImposto_U.h"
#include "nDMClientDataSet_U.h"
#include "nTeclado_U.h"

class TnDBGridEh;
class TnPainel;
struct TnDesenhoCelula;

// The items of a protocol, edited as a grid inside the protocol register's
// form: one line per guide, receipt or document handed over, numbered within
// its protocol. Governed by the protocol register's right: the items can be
// changed exactly when the protocol's own editors can.
//
// Items are never deleted; they are cancelled. Cancelling one releases the
// row it was made from (the tax debit, the document movement), and the last
// open item of a protocol takes the protocol with it.
class MVOXPK_EXPORT TmVoxDMProtocoloItem : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloItem();

  static QList<TnMenuDecl> Menus();
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocolo")}; }
  static int PegarTipoObjeto() { return 1; }
  // Opened by itself, it shows the items of the session's period.
  static QString PegarVerificaSelecao();
  QString ChavePrimaria() const override;

  // Cancels the current item. Only the module's own button (sender: this
  // module) asks first; the protocol register's "Cancelar Tudo" passes
  // another sender and is not asked per item. Does nothing on a withdrawn
  // protocol, on an item already cancelled or on a row not stored yet. The
  // cancellation decides from the rows as stored when it runs, read inside
  // its transaction: an item another user cancelled meanwhile, or a protocol
  // withdrawn or cancelled since the screen read it, is refused with the
  // message of that state, and a debit or movement is released only while it
  // still carries this protocol. A failure rolls the whole cancellation back
  // and raises.
  void actCancelarItem(TnRemetente sender);

  void Notification(QObject *componente, TnOperacao operacao) override;
  void DoFormDestroy(TnFrmVisual *sender) override;
  void DepoisConfigurar(TnFrmVisual *form) override;
  void ConfigurarCampo(TnRemetente sender) override;
  // Audit stamps, then: nothing changes on a withdrawn protocol, and a
  // cancelled item changes only through the cancellation itself.
  void ValidarDado() override;

  void nClientDataSetAfterInsert(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterScroll(TnClientDataSet &dataSet) override;
  void nClientDataSetBeforeOpen(TnClientDataSet &dataSet) override;
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet) override;
  // The description's button: a standard text picked from the histories.
  void nClientDataSetDESCRITEMDefIntButtonClick(TnField &sender);
  void DataModuleCreate() override;
  void DataModuleDestroy() override;

 private:
  // What the item needs to know of its protocol.
  struct TnDadosProtocolo {
    bool Existe = false;
    bool Baixado = false;
    bool Cancelado = false;
    QString TipoPro;
    QVariant DataLcto;
  };

  // The protocol register, while it lives; null otherwise.
  TnDMClientDataSet *ProtocoloDM() const;
  // The item's protocol: the register's current row when it is that
  // protocol (unsaved changes included), else the stored row.
  TnDadosProtocolo DadosProtocolo() const;
  // Whether the user may change the protocol, as its editors show it.
  bool ProtocoloEditavel() const;
  bool ItemCancelado() const;

  // The cancellation itself, without the editor set-up that follows it.
  void CancelarItemAtual(TnRemetente sender);
  void MarcarItemCancelado();
  // Frees the document movement that names this protocol for the item's
  // document. With `marcar`, the item is cancelled when one was freed.
  void DesvincularMovimentoDoc(bool marcar);
  void CancelarProtocoloSemItens(const QVariant &codigoProtocolo);

  void PreencherHistoricoDigitado(TnDBGridEh &grid, int &key, TShiftState shift);
  static bool HistoricoTemComplemento(int codigo);
  // The text of the history with that code, from the histories' lookup;
  // false when there is none.
  bool LerHistorico(int codigo, QString &descricao);
  void DesenharItemCancelado(TnDBGridEh &grid, TnDesenhoCelula &celula);

  TnDMClientDataSet *FDM = nullptr;
  // FDM was created for this module (no register hosts it): freed with it.
  bool FDMProprio = false;
  // True only while the module itself posts a cancellation.
  bool FEmManutencao = false;
  // The "Cancelado" label of the item form's tool bar.
  QPointer<TnPainel> FPanel;
  bool FBaixado = false;
  std::function<void(TnDBGridEh &, int &, TShiftState)> FDoKeyDown;
  // The tax code and variation kept consistent while the form lives.
  std::unique_ptr<TnControleImposto> FControleImposto;
};
