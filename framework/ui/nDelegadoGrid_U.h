#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "nframeworkui_export.h"

class TnModeloDataSet;

// The cell editors of a grid view, chosen by the field's TnDefinicao: a combo
// of the NomesValores captions, a check list of them (the value is the ticked
// values joined by ";"), a memo of several lines, a masked date or
// month/year, a text box with a button (the column's button or the lookup),
// a plain text box otherwise. A refused value keeps the editor open with the
// typed text; Enter, Tab and F3 pressed in an editor are handed on (OnTecla)
// once the value is in. In a memo Enter starts a new line: Ctrl+Enter, Tab
// or F3 confirm it.
class NFRAMEWORKUI_EXPORT TnDelegadoGrid : public QStyledItemDelegate {
 public:
  explicit TnDelegadoGrid(TnModeloDataSet *modelo, QObject *parent = nullptr);

  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  void setEditorData(QWidget *editor, const QModelIndex &index) const override;
  void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
  // A check list or memo opens taller than its row, over the rows below.
  void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const override;

  // The text an editor holds.
  static QString TextoDoEditor(const QWidget *editor);

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

  // The row the row-detail panel is open under (-1: none) and the height of
  // its own line: its cells draw in that line only, the panel fills the rest.
  int LinhaDetalhe = -1;
  int AlturaLinha = 0;

  // A key the editor does not keep: the grid's key handling (virtual key
  // code, Qt modifiers).
  std::function<void(int key, Qt::KeyboardModifiers modificadores)> OnTecla;
  // The editor's button was pressed.
  std::function<void()> OnBotao;

 protected:
  bool eventFilter(QObject *objeto, QEvent *evento) override;

 private:
  // The editor back on the cell's stored value, as if just opened.
  void Restaurar(QWidget *editor, const QModelIndex &index) const;

  TnModeloDataSet *FModelo;
  mutable QModelIndex FIndiceEditado;
  bool FGravando = false;  // Enter's value is going into the model
};
