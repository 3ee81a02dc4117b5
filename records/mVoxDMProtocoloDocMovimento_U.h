#pragma once

#include "mvoxpk_export.h"
#include "nDMClientDataSet_U.h"

// The movements of a company document, edited as a grid under the document
// register: where the document went (an internal or an external place), who
// answers for it and the protocol that carried it. Each saved row records
// who wrote it, when and how.
//
// Only the document's last movement is live: earlier ones can be neither
// changed nor deleted, two consecutive movements may not be the same, a
// movement that carried a protocol cannot be deleted, and a document filed
// in an envelope takes no change at all (not even a delete of its last
// line, which the archiving's undo relies on). These rules are decided on
// the stored rows, so a movement another user added or a filing made since
// the grid was read counts.
//
// From the last movement the user makes a protocol for the hand-over
// ("Gerar Protocolo", Ctrl+N, and the question after a new external
// movement is saved): the individual-protocol process opens modally with
// the document's values filled in, and the number it saves is written into
// the movement.
//
// The document is the register that holds this grid (its master); with
// none, it is read from the table.
class MVOXPK_EXPORT TmVoxDMProtocoloDocMovimento : public TnDMClientDataSet {
 public:
  TmVoxDMProtocoloDocMovimento();

  static QList<TnMenuDecl> Menus();
  // Opened only inside the document register, whose right governs it.
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TmVoxDMProtocoloDocEmp")}; }
  // The session's launch period limits the movements read.
  static QString PegarVerificaSelecao();
  static int PegarTipoObjeto() { return 1; }
  // The "Gerar Protocolo" button; the protocol number is never typed.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The department only for an internal place.
  void ConfigurarCampo(TnRemetente sender) override;
  QString ChavePrimaria() const override;
  // Stamps the audit columns, then the framework's validation, then the
  // rules above. Refusals are plain exceptions; the row keeps its state.
  void ValidarDado() override;
  void DataModuleCreate() override;

  void nClientDataSetNewRecord(TnClientDataSet &dataSet) override;
  void nClientDataSetBeforeDelete(TnClientDataSet &dataSet) override;
  // A new external movement offers its protocol.
  void nClientDataSetAfterPost(TnClientDataSet &dataSet) override;
  void nClientDataSetAfterCancel(TnClientDataSet &dataSet) override;
  void nClientDataSetTIPOLOCALChange(TnField &sender);

  // The launch date of the movement's document: the stored one, else the
  // master's while it shows that document; invalid when neither has it (the
  // required check then refuses the movement rather than storing no date).
  QDate PegarDataLctoPro() const;
  // The document register this grid belongs to; null when it runs alone.
  TnDMClientDataSet *DMDoc() const;
  // A new movement was started and has been neither cancelled nor turned
  // into a protocol.
  bool NovoRegistro() const { return FNovoRegistro; }

 private:
  // What the movement needs of its document.
  struct TnDocumento {
    bool Existe = false;
    bool Gravado = false;  // read from the table, not from the master's pending row
    bool Arquivado = false;
    int Empresa = 0;
    int Estab = 0;
    QString Descricao;
    QDate DataLcto;
  };
  TnDocumento LerDocumento() const;
  // The place kind as a number; 1 when empty or not a number.
  int TipoLocal() const;
  // Whether the current row is its document's last stored movement.
  bool EhUltimaMovimentacao() const;
  void ChecarRepeticao(bool inserindo);
  // The protocol of the current row as stored; null when none.
  QVariant ProtocoloGravado() const;
  // The protocol of the last movement (Ctrl+N, and "Sim" after a post).
  void actGerarProtocolo(QObject *sender);
  void VincularProtocolo(qint64 numero, const QVariant &documento, const QVariant &sequencia);

  bool FNovoRegistro = false;
};
