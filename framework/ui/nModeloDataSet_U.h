#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "nDesenhoCelula_U.h"
#include "nObservadorDataSet_U.h"
#include "nframeworkui_export.h"

class TnClientDataSet;
class TnDBGridEh;
class TnField;

// The one bridge between a client dataset and the Qt item views. Rows are
// those of the dataset's current view, plus the row being inserted at the
// place the dataset says it shows. Columns are either the grid's columns
// (over a TnDBGridEh: titles, visibility, widths, alignment and the grid's
// per-cell drawing callback) or, over a bare dataset, its visible fields.
//
// Edits go through the field (SetText), so OnSetText, conversions, OnChange
// and validation run as they do under tests. A refused value is shown by the
// guard and the cell keeps the text the user typed until the row or the
// column changes.
//
// The model watches the dataset. A dataset freed first (its module released
// before the window drawing it) tells the model, which then shows nothing;
// the grid is held by a guarded pointer.
class NFRAMEWORKUI_EXPORT TnModeloDataSet : public QAbstractTableModel, private TnObservadorDataSet {
 public:
  explicit TnModeloDataSet(TnClientDataSet *dados, QObject *parent = nullptr);
  explicit TnModeloDataSet(TnDBGridEh *grid, QObject *parent = nullptr);
  ~TnModeloDataSet() override;

  TnClientDataSet *DataSet() const { return FDados; }
  TnDBGridEh *Grid() const { return FGrid; }

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  // Writes the text into the field of the row (moving the dataset there
  // first) under the guard; false when the value was refused.
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

  // The field a model column shows; null for a column of no field.
  TnField *Campo(int coluna) const;
  // Whether the column is shown (a grid column's Visible; a bare dataset's
  // columns are its visible fields, all shown). Model columns are the grid's
  // columns one for one.
  bool ColunaVisivel(int coluna) const;
  // Width of a column in characters (the column's, else the field's).
  int LarguraCaracteres(int coluna) const;
  // The model row of the dataset's current row (the row being inserted while
  // inserting); -1 with none.
  int LinhaAtual() const;
  // The cell as the grid's drawing callback leaves it.
  TnDesenhoCelula Celula(int linha, int coluna) const;
  // The text kept for a cell after a refused edit; empty when none.
  bool TemTextoRecusado(int linha, int coluna) const;

  // The view row of a model row; -2 for the row being inserted.
  int LinhaDaVisao(int linhaModelo) const;

  // Reads the columns again (after the grid's columns changed).
  void RecriarColunas();

  // Whether the dataset is taking rows away now: the view's current row then
  // moves by itself, and the dataset, not the view, decides where it stands.
  bool Removendo() const { return FRemovendo; }

  // Called after the dataset's cursor moved (the view follows it).
  std::function<void()> OnCursorMovido;

 private:
  // TnObservadorDataSet
  void AntesInserirLinhas(int primeira, int ultima) override;
  void LinhasInseridas(int primeira, int ultima) override;
  void AntesRemoverLinhas(int primeira, int ultima) override;
  void LinhasRemovidas(int primeira, int ultima) override;
  void LinhaAlterada(int linha) override;
  void AntesReiniciar() override;
  void Reiniciado() override;
  void CursorMovido() override;
  void EstadoAlterado() override;
  void DataSetDestruido() override;

  void Ligar();
  void Soltar();
  void RetirarInsercao();
  void AcertarInsercao();
  TnClientDataSet *CursorNaLinha(int linhaModelo) const;
  void TodasAlteradas();

  TnClientDataSet *FDados = nullptr;
  QPointer<TnDBGridEh> FGrid;
  QList<int> FCampos;  // over a bare dataset: the field index of each column
  int FContagem = 0;    // rows of the view as the attached views know them
  int FLinhaInsercao = -1;
  bool FReiniciando = false;
  bool FRemovendo = false;
  mutable std::unique_ptr<TnClientDataSet> FClone;
  mutable bool FCloneValido = false;
  // A refused edit: the cell and the text typed.
  int FRecusaLinha = -1;
  int FRecusaColuna = -1;
  QString FRecusaTexto;
};
