#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "mvoxpk_export.h"
#include "nDBGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nTeclado_U.h"
#include "nToolButton_U.h"

class TnSQLDataSet;

// "Configurador dos Tipos de Documento nos Grupos": the document types that
// belong to one group (pCodigoGrupoDoc), edited as one list and saved by
// replacing all of the group's PROTOCOLOGRUPOTIPODOC rows in one
// transaction. Types are added with the grid's insert (typed or picked with
// the cell's button) and removed with "Deletar Tipo" (Shift+Del).
//
// A list that names a type twice, or holds a row without a type, is refused
// before anything is written; so is a code that is not a whole number. Types
// are not checked against the type register: a code of no type is saved as
// typed (its description stays empty).
class MVOXPK_EXPORT TmVoxDPConfiguradorTipoGrupo : public TnDMPowerParamTab {
 public:
  TmVoxDPConfiguradorTipoGrupo();
  ~TmVoxDPConfiguradorTipoGrupo() override;

  static QList<TnMenuDecl> Menus();

  // The type grid (ordered by code, change log off) with the type's
  // description beside the code; Gravar, Cancelar and the search on.
  void DataModuleCreate() override;
  // The group of the run: pCodigoGrupoDoc as a whole number, 0 when it is
  // not one.
  void ValidarDado() override;
  // Reloads the group's types; ends in the unchanged state on the first row.
  void Executar() override;
  // The tab "Configurar Tipo em Grupos" with the grid, only the group shown
  // above it, and the "Deletar Tipo" button.
  void DepoisConfigurar(TnFrmVisual *form) override;
  // The replacement: confirmation, the list's checks, then the group's rows
  // deleted and one inserted per grid row. A database error rolls it all back
  // and is raised with "Operação cancelada! …" in front.
  void actGravarExecute(QObject *sender) override;
  // Drops the changes and always reloads the group from the database.
  void actCancelarExecute(QObject *sender) override;

  // Appends one grid row per stored type of the group, in code order.
  void CarregarTipos();
  // The insert statement of the save, on the framework connection.
  void PrepararSQL();
  // "Deletar Tipo": deletes the current row of a non-empty grid.
  void actDeletarTipo(QObject *sender);
  // The type lookup of the code column's button.
  void nDBGridEditButtonClick(QObject *sender);
  // Enter moves along the columns while the framework's key navigation is on
  // (on the code column); otherwise Enter searches unless the row is being
  // edited, and F3 searches again.
  void nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift);

  int Grupo() const { return FGrupo; }
  TnToolButton *BtnDeletarTipo() const { return FBtnDeletarTipo; }

 private:
  // Every row holds a whole type code and none repeats; raises with the
  // cursor on the row at fault.
  void ConferirTipos();

  int FGrupo = 0;
  std::unique_ptr<TnSQLDataSet> sqlInserirTipoGrupo;
  QPointer<TnToolButton> FBtnDeletarTipo;
};
