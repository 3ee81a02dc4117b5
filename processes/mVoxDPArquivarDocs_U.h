#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <memory>

#include "mvoxpk_export.h"
#include "nDMPowerParamTab_U.h"
#include "nTeclado_U.h"

class TnColunaGrid;
class TnDBGridEh;
struct TnDesenhoCelula;
class TnField;
class TnSQLDataSet;

// "Arquivar Documentos": files the documents of one archive box's
// establishment into the box's envelopes, and takes filed documents out.
//
// The run lists the documents filed in the box (status 1 "Arquivado", with
// their envelope) and, unless "Somente Arquivados" is "Sim", the
// establishment's documents filed nowhere (status 2 "Não Arquivado", with a
// proposed envelope). The user marks rows "A Arquivar" (3) or "A Remover"
// (4); Gravar writes them in one transaction and reloads the list.
//
// Envelope proposal, per load: each document type that generates envelopes
// (PROTOCOLOTIPODOC.GERARENVELOPE "1") gets a new envelope described by the
// type's description; all other unfiled documents share one more new
// envelope, whose description is asked at the save.
//
// The save is all or nothing per row and as a whole:
//   - before the transaction, a row to archive without an envelope above 0
//     refuses the save, and the description of every envelope not yet in
//     the box is asked (so no dialog waits inside the transaction);
//   - inside it, each row is checked on the stored rows first: a document
//     to archive must exist, be filed nowhere (flag "0" and no archive
//     row); one to remove must have an archive row in this box, whose stored
//     envelope is used. A row that fails its check is skipped, with its
//     reason in the message tree, and nothing of it is written;
//   - archiving writes the archive row, the flag "1" and a movement line
//     "Arquivado em <data hora>  -  Caixa <n>"; removing deletes the archive
//     row, deletes the document's last movement only when it is that line
//     for this box, and sets the flag back to "0" when no other envelope
//     holds the document. An envelope missing from the box is created once.
//   - a database error rolls every row back and reaches the user unchanged;
//     the list keeps its marks, so saving again retries the same rows.
// A box that does not exist lists nothing and writes nothing.
class MVOXPK_EXPORT TmVoxDPArquivarDocs : public TnDMPowerParamTab {
 public:
  // Row states (the Status column).
  enum TnStatus { stArquivado = 1, stNaoArquivado = 2, stArquivar = 3, stRemover = 4 };

  TmVoxDPArquivarDocs();
  ~TmVoxDPArquivarDocs() override;

  static QList<TnMenuDecl> Menus();

  void DataModuleCreate() override;
  // The box (0 when not a number) and "Somente Arquivados". A box code with
  // no box asks "A caixa informada não foi encontrada!" / "Deseja
  // cadastrar?": "Sim" opens the box register on a new box of that number
  // and then checks again (still missing: the control's own error); "Não"
  // goes on with a list that stays empty, and that code is not asked about
  // again.
  void ValidarDado() override;
  // Reloads the list from the database; nothing pending afterwards.
  void Executar() override;
  void DepoisConfigurar(TnFrmVisual *form) override;
  void actGravarExecute(QObject *sender) override;
  // Drops the marks and reloads.
  void actCancelarExecute(QObject *sender) override;

  // --- marking
  // Ctrl+M or a double click: the current row 2 <-> 3; 1 and 4 untouched.
  void actMarcarExecute(QObject *sender);
  // Ctrl+Ins: every row in 2 or 3 to 3, then (next press) to 2.
  void actMarcarTodasExecute(QObject *sender);
  // Ctrl+R: the current row 1 <-> 4; 2 and 3 untouched.
  void actMarcarRemoverExecute(QObject *sender);
  // Ctrl+Delete: every row in 1 or 4 to 4, then (next press) to 1.
  void actMarcarRemoverTodasExecute(QObject *sender);

  // --- handlers
  void nClientDataSetBeforeOpen(TnClientDataSet &dataSet);
  // A filed row cannot be changed ("Impossivel alterar documento
  // arquivado!") unless a marking action is changing it.
  void nClientDataSetAfterEdit(TnClientDataSet &dataSet);
  void nClientDataSetAfterInsert(TnClientDataSet &dataSet);
  // A filed row cannot be taken off the list ("Impossivel excluir documento
  // arquivado"); other rows leave the list only.
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet);
  void nDBGridDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula);
  void nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift);
  void nDBGridDblClick(QObject *sender);
  void nDBGridTitleClick(TnDBGridEh &sender, TnColunaGrid &coluna);
  void nDBGridEditButtonClick(QObject *sender);

  // --- state
  int Caixa() const { return FCaixa; }
  bool SomenteArq() const { return FSomenteArq; }
  // Descriptions of the envelopes proposed by the last load, by number.
  const QMap<int, QString> &ListaEnvelopes() const { return FListaEnvelopes; }

 private:
  struct TnCampos;
  struct TnSQL;
  TnCampos &Campos();
  bool CaixaExiste() const;
  void CarregarDados();
  QString MontarFiltro(const QString &empresa, const QString &estab) const;
  // Descriptions of the envelopes the rows to archive need and the box
  // lacks, asked now; raises when a row to archive has no envelope.
  QMap<int, QString> PerguntarEnvelopes();
  void PrepararSQL();
  void GravarNovo(qint64 documento, int envelope, const QMap<int, QString> &descricoes);
  void RemoverArquivo(qint64 documento, int envelopeGrid);
  void MarcarArquivado(qint64 documento, bool arquivado);
  void ChecarCadastrarEnvelope(int envelope, const QMap<int, QString> &descricoes);
  void Pular(qint64 documento, const QString &motivo);
  void SetStatus(int status);

  int FCaixa = 0;
  bool FSomenteArq = true;
  int FCaixaRecusada = -1;
  int FEnvelope = 0;
  int FOpcao = stNaoArquivado;
  int FOpcaoRemove = stArquivado;
  bool FEmManutencao = false;
  QMap<int, QString> FListaEnvelopes;
  std::unique_ptr<TnSQL> FSQL;
};
