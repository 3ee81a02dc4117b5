#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>
#include <memory>

#include "mvoxpk_export.h"
#include "nDMPowerParam_U.h"
#include "nMenuDecl_U.h"

class TnClientDataSet;
class TnMsgTreeNode;
class TnSQLDataSet;

// "Gerar Documento": creates, for a range of competence months and a
// selection of companies and establishments, the company documents each
// active establishment is expected to deliver (the automatic types of the
// group in its protocol configuration, see TmVoxDocumentosEsperados), with
// ORIGEMDADO 1 and not archived. The documents this process generated
// earlier in the period are deleted first, so a run can be repeated; the
// deletion and every insert are one transaction.
//
// A generated document that is in use (it has a movement, a protocol item or
// an archive entry, or is archived) is neither deleted nor generated again:
// deleting it would leave those rows pointing at nothing. Documents of other
// origins (typed, received) are left alone.
//
// The message tree shows one node per company, one per establishment under
// it, and under that each document generated or what kept the establishment
// from having any.
class MVOXPK_EXPORT TmVoxDPGerarDocumento : public TnDMPowerParam {
 public:
  TmVoxDPGerarDocumento();
  ~TmVoxDPGerarDocumento() override;

  // "02 Movimentos\20 Documentos", "Gerar Documento": an action without a
  // menu item.
  static QList<TnMenuDecl> Menus();

  // The message tree shown and focused.
  void DataModuleCreate() override;
  // The inherited checks, then the competences: each must be a month
  // ("Competência inicial inválida!", "Competência final inválida!") and the
  // initial one not after the final one.
  void ValidarDado() override;
  // Asks for confirmation, then generates (see the class). On a failure the
  // run is rolled back, the tree says so under the establishment being
  // generated, and the error is raised with "Operação cancelada! Não foi
  // possível efetuar a operação!" CR LF in front.
  void Executar() override;

  // --- what ValidarDado read
  const QString &CodigoEmpresa() const { return FCodigoEmpresa; }
  const QString &CodigoEstab() const { return FCodigoEstab; }
  // Day 1 of the initial month, the last day of the final month.
  QDate CompetInicial() const { return FCompetInicial; }
  QDate CompetFinal() const { return FCompetFinal; }
  int Meses() const { return FMeses; }

 protected:
  // Writes one document with the prepared insert. A test may fail it.
  virtual void InserirDocumento(qint64 codigo, int tipoDoc, int empresa, int estab, const QDate &data,
                                const QString &descricao);

 private:
  struct TnTipo {
    int Codigo = 0;
    QString Descricao;
    // The expected dates of each month of the run, the same for every
    // establishment of the group.
    QList<QList<QDate>> DatasPorMes;
  };

  void PrepararSQL();
  void DeletarRegistrosAnteriores();
  // The generated documents of the period the deletion spared.
  void CarregarMantidos();
  // The documents of the current establishment.
  void GerarDocumentos(int empresa, int estab);
  const QList<TnTipo> &TiposDoGrupo(int grupo);
  // The selection's condition on the company and establishment columns.
  QString FiltroSelecao(bool juntar) const;

  QString FCodigoEmpresa;
  QString FCodigoEstab;
  QDate FCompetInicial;
  QDate FCompetFinal;
  int FMeses = 0;
  qint64 FProximoCodigo = 0;
  TnMsgTreeNode *FNodeEmp = nullptr;
  TnMsgTreeNode *FNodeEstab = nullptr;
  std::unique_ptr<TnSQLDataSet> sqlInserirDoc;
  // The group of each configured establishment, by company and establishment.
  QHash<qint64, int> FGrupos;
  QHash<int, QList<TnTipo>> FTipos;
  QSet<QString> FMantidos;
};
