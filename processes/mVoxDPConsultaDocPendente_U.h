#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "mvoxpk_export.h"
#include "nDMPowerParamGrid_U.h"
#include "nMenuDecl_U.h"

class TnClientDataSet;

// "Consulta de Documentos Pendentes": for one competence month, the company
// documents each configured establishment is expected to deliver (the rule of
// TmVoxDocumentosEsperados) and that no document of the same company,
// establishment and type satisfies yet. Documents of every origin count. Each
// result row proposes a code for the missing document: the next free document
// code at the start of the run, then consecutive in the order the rows are
// found (by company, establishment, type and date). Nothing is written or
// reserved.
//
// The pending-documents process creates this one by name, sets its
// parameters, runs Executar and reads "nClientDataSet".
class MVOXPK_EXPORT TmVoxDPConsultaDocPendente : public TnDMPowerParamGrid {
 public:
  TmVoxDPConsultaDocPendente();
  ~TmVoxDPConsultaDocPendente() override;

  // "04 Consultas", "Consulta de Documentos Pendentes".
  static QList<TnMenuDecl> Menus();

  // The result's fields and labels.
  void DataModuleCreate() override;
  // Reads the parameters. The competence must be a month ("Competência
  // inválida!"), never replaced by the current one; it counts from day 1.
  // "Período" other than a number is 0, all periods.
  void ValidarDado() override;
  // Replaces the result with the pending documents of the parameters.
  void Executar() override;
  // The grid's columns in their order.
  void DepoisConfigurar(TnFrmVisual *form) override;

  // --- what ValidarDado read
  const QString &CodigoEmpresa() const { return FCodigoEmpresa; }
  void SetCodigoEmpresa(const QString &valor) { FCodigoEmpresa = valor.trimmed(); }
  const QString &CodigoEstab() const { return FCodigoEstab; }
  void SetCodigoEstab(const QString &valor) { FCodigoEstab = valor.trimmed(); }
  // Day 1 and the last day of the competence month.
  QDate DataInicial() const { return FDataInicial; }
  void SetDataInicial(const QDate &valor);
  QDate DataFinal() const { return FDataFinal; }
  int Periodo() const { return FPeriodo; }

 private:
  QString FCodigoEmpresa;
  QString FCodigoEstab;
  QDate FDataInicial;
  QDate FDataFinal;
  int FPeriodo = 0;
  qint64 FProximoCodigoDoc = 0;
};
