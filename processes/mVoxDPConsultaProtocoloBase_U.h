#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include "mvoxpk_export.h"
#include "nDMPowerParamGrid_U.h"
#include "nToolButton_U.h"

// The consultations of protocols that reached a stage (withdrawn, delivered):
// a read-only list of the protocols of the chosen numbers, companies and
// establishments, delivery form, kind (guides or documents) and period of
// protocol dates, from which the user opens the protocol register on one
// protocol (double click, Ctrl+Enter or the pop-up item). Each child says
// which stage it lists (GetCampoFiltro). Nothing is written.
//
// Dates: with both, the period includes both ends; with only the initial
// date the list starts the day after it, with only the final date it ends
// the day before it.
class MVOXPK_EXPORT TmVoxDPConsultaProtocoloBase : public TnDMPowerParamGrid {
 public:
  TmVoxDPConsultaProtocoloBase();
  ~TmVoxDPConsultaProtocoloBase() override;

  // The stage condition on PROTOCOLO (" DATAHORABAIXA is not null ").
  virtual QString GetCampoFiltro() const = 0;

  void DataModuleCreate() override;
  // The framework's check of the required protocol selection, then the
  // parameters as the run uses them (a combo or date that does not read
  // counts as not given).
  void ValidarDado() override;
  // Replaces the list's rows with those of the parameters.
  void Executar() override;
  // The opening of the register on the grid's double click, its pop-up item
  // "Abrir Cadastro do Lançamento" and the tool button "Cadastro dos
  // Lançamentos" (Ctrl+Enter); the reminder is due again.
  void DepoisConfigurar(TnFrmVisual *form) override;

  // Opens the protocol register on the current row's protocol, modally, and
  // frees it afterwards. Nothing for a row without a protocol. After the
  // first opening on this screen the user is reminded that the list shows
  // changes only when run again. The session's selection of one protocol
  // lasts while the register is open and is removed however it ends.
  void actAbrirLcto(QObject *sender);
  void nDBGridDblClick(QObject *sender);

  // --- the parameters as the run uses them (ValidarDado sets them from the
  // panel before every run)
  void SetCodigoProtocolo(const QString &valor) { FCodigoDocumento = valor.trimmed(); }
  void SetCodigoEmpresa(const QString &valor) { FCodigoEmpresa = valor.trimmed(); }
  void SetCodigoEstab(const QString &valor) { FCodigoEstab = valor.trimmed(); }
  // 0: every delivery form, every kind.
  void SetFormaEntrega(int valor) { FFormaEntrega = valor; }
  void SetTipoProtocolo(int valor) { FTipoLocal = valor; }
  // An invalid date: not given.
  void SetDataInicial(const QDate &valor) { FDataInicial = valor; }
  void SetDataFinal(const QDate &valor) { FDataFinal = valor; }

  // Whether the reminder after opening the register is still due.
  bool MostrarMsg() const { return FMostrarMsg; }
  TnToolButton *BtnAbrirLcto() const { return FBtnAbrirLcto; }

 protected:
  // The hint of "Forma Entrega", which tells each consultation's meaning.
  void SetHintFormaEntrega(const QString &hint);

 private:
  QString FCodigoDocumento;
  QString FCodigoEmpresa;
  QString FCodigoEstab;
  int FFormaEntrega = 0;
  int FTipoLocal = 0;
  QDate FDataInicial;
  QDate FDataFinal;
  bool FMostrarMsg = true;
  QPointer<TnToolButton> FBtnAbrirLcto;
};
