#pragma once

#include <QPointer>
#include <QString>
#include <QVariant>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "mvoxpk_export.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nTeclado_U.h"

class TmVox;
class TmVoxItem;
class TnFrmGerarProtocolo;
class TnSQLDataSet;

// The base of the processes that create protocols (the generation from the
// suite's sources and the individual protocol). A run writes nothing: the
// child's GerarProtocolo fills the generation screen's two datasets with
// proposed protocols (through MapPro) and their proposed items (through
// MapProItem), each item carrying its proposal's number. The user marks
// items; Gravar then writes every proposal with at least one marked item,
// with its marked items numbered from 1, into PROTOCOLO and PROTOCOLOITEM,
// and stamps each item's source row with the new protocol number, all in one
// transaction. Written rows leave the screen; the rest stays.
//
// Protocol numbers are given at save time, consecutively from the next free
// one, in the order of the proposal numbers. When another user takes a number
// meanwhile, the insert hits the existing key and the whole save fails; a
// failed save writes nothing and leaves the screen as it was before it, so
// the user can save again. Likewise a debit is stamped only while it is still
// free: one that another user protocolled after the listing, or deleted,
// fails the whole save naming the item.
//
// The datasets belong to the form (TnFrmGerarProtocolo); the process reaches
// them through it and finds nothing once the form is gone, so a caller may
// free the form before the process.
class MVOXPK_EXPORT TmVoxDPGerarProtocoloBase : public TnDMPowerParamTab {
 public:
  TmVoxDPGerarProtocoloBase();
  ~TmVoxDPGerarProtocoloBase() override;

  // --- the framework's virtual operations
  QString GetFormClass() const override;
  // Empties both datasets and lets GerarProtocolo fill them; ends in the
  // unchanged state. Without a form yet, one is built first (keeping the
  // parameter values a caller set).
  void Executar() override;
  // Moves the master grid into the tab "Gerar Protocolo" and binds marking
  // to the grids' Ctrl+Enter and double click.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // Also empties every parameter of the panel.
  void LimparParamsINI() override;
  // The save. Raises, after rolling back, "Empresa: …" CR LF "Filial: …"
  // CR LF "Protocolo: <proposal>" CR LF "<item type>: <error>".
  void actGravarExecute(QObject *sender) override;
  // Unmarks every item.
  void actCancelarExecute(QObject *sender) override;

  // --- the children's operations
  // Links the source of an item whose TABELA is empty to the protocol just
  // written (inside the save's transaction; a raise fails the whole save).
  // Base: nothing.
  virtual void AtualizarOrigemItem(qint64 codigoProtocolo, int seqItem);
  // Prepares the save's insert statements on the framework connection.
  virtual void PrepararSQL();
  // CodProtocolo from the next free protocol number, FormaEntrega from the
  // current establishment's configuration.
  virtual void PegarValoresIniciais();
  // Fills the datasets. Base: nothing.
  virtual void GerarProtocolo();
  // MascaraDescr := the description template of the protocol type; empty
  // when the type has none.
  virtual void PegarCfgDescr(int tipo);

  // --- marking (the user's Ctrl+Enter and double click)
  // Switches the current item; an item that already belongs to a protocol
  // is refused with a message.
  void MarcarItem();
  // Opens the current protocol's items and switches every one that may be
  // marked.
  void MarcarItensMaster();
  // Unmarks every item of every protocol.
  void DesmarcarTodos();

  void nDBGridKeyDownMaster(TnDBGridEh &sender, int &key, TShiftState shift);
  void DoDblClickMaster(QObject *sender);
  void nDBGridKeyDownDetail(TnDBGridEh &sender, int &key, TShiftState shift);
  void DoDblClick(QObject *sender);

  // --- what the children fill the datasets from
  const QString &MascaraDescr() const { return FMascaraDescr; }
  void SetMascaraDescr(const QString &mascara) { FMascaraDescr = mascara; }
  // The last proposal number used; the items of the proposal being built
  // carry it.
  qint64 CodProtocolo() const { return FCodProtocolo; }
  void SetCodProtocolo(qint64 codigo) { FCodProtocolo = codigo; }
  int FormaEntrega() const { return FFormaEntrega; }
  void SetFormaEntrega(int forma) { FFormaEntrega = forma; }
  int CodigoEmpresa() const { return FCodigoEmpresa; }
  void SetCodigoEmpresa(int codigo) { FCodigoEmpresa = codigo; }
  int CodigoEstab() const { return FCodigoEstab; }
  void SetCodigoEstab(int codigo) { FCodigoEstab = codigo; }
  const QString &NomeEmpresa() const { return FNomeEmpresa; }
  void SetNomeEmpresa(const QString &nome) { FNomeEmpresa = nome; }
  const QString &NomeEstab() const { return FNomeEstab; }
  void SetNomeEstab(const QString &nome) { FNomeEstab = nome; }

  // --- the form's parts; null without a form
  TnFrmGerarProtocolo *FormGerar() const;
  TnDBGridEh *DBGridEH() const { return FDBGridEH; }
  TnDBGridEh *DBGridEHDet() const { return FDBGridEHDet; }
  TnClientDataSet *ClientDataSet() const;
  TnClientDataSet *ClientDataSetDet() const;
  // The typed views of the datasets' current rows.
  TmVox *MapPro() const;
  TmVoxItem *MapProItem() const;

 protected:
  // Whether GerarProtocolo only reads, so Executar runs it inside one read
  // transaction of its own that it then drops. A child that writes in
  // GerarProtocolo answers false, or its commit would be undone.
  virtual bool ListagemSomenteLeitura() const { return true; }

  // The three statements of the save.
  std::unique_ptr<TnSQLDataSet> sqlInsertPro;
  std::unique_ptr<TnSQLDataSet> sqlInsertItensPro;
  // The write-back of each debit table and number of keys, prepared once
  // per save: a proposal's items alternate between tables. By
  // "table|key suffix|keys".
  std::map<QString, std::unique_ptr<TnSQLDataSet>> sqlUpdateDebitos;

 private:
  TnFrmGerarProtocolo *GarantirForm();
  void TomarGrids(TnFrmGerarProtocolo *form);
  void Gravar();
  void InserirProtocolo(qint64 numero);
  // Both keep the current item's row and write it with its proposal's
  // others in GravarPendentes.
  void InserirItem(qint64 numero, int sequencia);
  void AtualizarDebito(qint64 numero);
  // Writes what the proposal's items left: their rows in as few statements
  // as kLinhasPorInstrucao allows, then each debit table's stamps in one
  // statement per table. A debit no longer free is named with its item made
  // current again, as when each was stamped on its own.
  void GravarPendentes(qint64 numero);
  TnSQLDataSet &InstrucaoItens(int linhas);
  TnSQLDataSet &InstrucaoDebitos(const QString &tabela, const QString &sufixo, int chaves);

  struct TnItemPendente {
    TnBookmark Marca;
    std::array<QVariant, 16> Valores;
  };
  std::vector<TnItemPendente> FItensPendentes;
  struct TnDebitoPendente {
    TnBookmark Marca;
    QString Tabela;
    QString Sufixo;
    QVariant Chave;
  };
  std::vector<TnDebitoPendente> FDebitosPendentes;
  // The item insert for a number of rows, prepared once per save.
  std::map<int, std::unique_ptr<TnSQLDataSet>> sqlInsertItens;
  // Stores the all-selected flag on the master row of the proposal.
  void GravarTodosSelecionados(const QVariant &codigoProtocolo, bool todos);

  QString FMascaraDescr;
  qint64 FCodProtocolo = 0;
  int FFormaEntrega = 2;
  int FCodigoEmpresa = 0;
  int FCodigoEstab = 0;
  QString FNomeEmpresa;
  QString FNomeEstab;
  QPointer<TnDBGridEh> FDBGridEH;
  QPointer<TnDBGridEh> FDBGridEHDet;
};
