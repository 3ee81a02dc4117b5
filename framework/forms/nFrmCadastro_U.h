#pragma once

#include <QList>
#include <QString>

#include "nEditorCampo_U.h"
#include "nFrmVisual_U.h"
#include "nframework_export.h"

class TnClientDataSet;
class TnField;

// The register form: one editor per shown field, one under the other in the
// field area, with the standard data-set actions on the tool bar. What is
// left under the field area (AreaCliente) takes a detail's grid.
//
// Single entry (SetEntradaUnica): the form serves the one record it was
// opened on (a new one, with its key filled by the caller): moving and
// inserting are off, and a successful Gravar closes the form with mrOk
// (Cancelar closes it with mrCancel).
class NFRAMEWORK_EXPORT TnFrmCadastro : public TnFrmVisual {
 public:
  static constexpr int AlturaEditor = 24;
  static constexpr int EspacoEditor = 4;
  static constexpr int Margem = 8;

  // Editors for the visible fields of `dados`: all of them for "*" (or an
  // empty text), else those listed (commas or ";") in that order. A name
  // field that a code field looks up gets no row of its own: it is shown
  // beside its code's editor.
  TnFrmCadastro(TnDataModule *dataModule, TnClientDataSet *dados, const QString &atributos = QStringLiteral("*"),
                QObject *parent = nullptr);
  ~TnFrmCadastro() override;

  QString ClassName() const override;
  bool HerdaDe(const QString &nomeClasse) const override;

  TnClientDataSet *DataSet() const { return FDados; }
  // The area that holds the editors' rows.
  TnPainel *AreaCampos() const { return FAreaCampos; }
  const QList<TnEditorCampo *> &Editores() const { return FEditores; }
  // The editor of a field (by name, any case); null when the form has none.
  TnEditorCampo *Editor(const QString &nomeCampo) const;
  TnEditorCampo *Editor(const TnField *campo) const;
  // Puts a group header (caption) just above the editor of `campoSeguinte`;
  // the rows from there down move down to make room. Null when the form
  // shows no editor for that field.
  class TnFraGrupoSeparador *InserirGrupoSeparador(const QString &campoSeguinte, const QString &caption);
  QList<class TnFraGrupoSeparador *> GruposSeparadores() const;
  // The first editor that can take the focus gets it.
  bool FocarPrimeiroEditor();

  bool EntradaUnica() const { return FEntradaUnica; }
  void SetEntradaUnica(bool valor);

 private:
  TnClientDataSet *FDados;
  TnPainel *FAreaCampos;
  QList<TnEditorCampo *> FEditores;
  bool FEntradaUnica = false;
};
