#pragma once

#include <QList>
#include <QString>

#include "mvoxpk_export.h"
#include "nDMPowerParamGrid_U.h"
#include "nMenuDecl_U.h"

// "Consulta de Documentos": the criteria of a consultation of company
// documents (documents, place type, company, establishment, department,
// document type, responsible user). A run reads them and keeps them; it
// defines no query, so its grid has no columns and stays empty. Documents are
// consulted through the document register and the box consultations.
class MVOXPK_EXPORT TmVoxDPConsultaDocumento : public TnDMPowerParamGrid {
 public:
  TmVoxDPConsultaDocumento();
  ~TmVoxDPConsultaDocumento() override;

  static QList<TnMenuDecl> Menus();

  void DataModuleCreate() override;
  // The framework's check of the two required parameters, then the criteria
  // (texts trimmed; a place type that is not a number counts as 0, both).
  void ValidarDado() override;
  // The plain process run (ValidarDado), never the grid's load.
  void Executar() override;

  // --- the criteria as a run keeps them
  void SetCodigoDocumento(const QString &valor) { FCodigoDocumento = valor; }
  // 0 both, 1 internal, 2 external (the movements' TIPOLOCAL).
  void SetTipoLocal(int valor) { FTipoLocal = valor; }
  void SetCodigoEmpresa(const QString &valor) { FCodigoEmpresa = valor; }
  void SetCodigoEstab(const QString &valor) { FCodigoEstab = valor; }
  void SetCodigoDepartamento(const QString &valor) { FCodigoDepartamento = valor; }
  void SetCodigoTipoDcto(const QString &valor) { FCodigoTipoDcto = valor; }
  void SetCodigoUsuario(const QString &valor) { FCodigoUsuario = valor; }

  const QString &CodigoDocumento() const { return FCodigoDocumento; }
  int TipoLocal() const { return FTipoLocal; }
  const QString &CodigoEmpresa() const { return FCodigoEmpresa; }
  const QString &CodigoEstab() const { return FCodigoEstab; }
  const QString &CodigoDepartamento() const { return FCodigoDepartamento; }
  const QString &CodigoTipoDcto() const { return FCodigoTipoDcto; }
  const QString &CodigoUsuario() const { return FCodigoUsuario; }

 private:
  int FTipoLocal = 0;
  QString FCodigoDocumento;
  QString FCodigoTipoDcto;
  QString FCodigoEmpresa;
  QString FCodigoDepartamento;
  QString FCodigoUsuario;
  QString FCodigoEstab;
};
