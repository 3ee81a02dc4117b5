#include "nDelegadoGrid_U.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QStyle>

#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nField_U.h"
#include "nModeloDataSet_U.h"
#include "nTeclado_U.h"
#include "nVisaoGrid_U.h"

namespace {

// A masked editor with nothing typed gives its separators only: that is an
// empty value.
QString nSemMascaraVazia(const QLineEdit *edit) {
  const QString texto = edit->text();
  if (edit->inputMask().isEmpty()) return texto;
  QString resto = texto;
  resto.remove(QLatin1Char('/')).remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
  return resto.isEmpty() ? QString() : texto;
}

}  // namespace

TnDelegadoGrid::TnDelegadoGrid(TnModeloDataSet *modelo, QObject *parent) : QStyledItemDelegate(parent), FModelo(modelo) {}

QWidget *TnDelegadoGrid::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const {
  FIndiceEditado = index;
  TnField *campo = FModelo->Campo(index.column());
  const TnDefinicao *definicao = campo ? &campo->Definicao() : nullptr;
  const TnTipoControle tipo = definicao ? definicao->TipoControle() : TnTipoControle::Padrao;
  if (tipo == TnTipoControle::ComboBox && !definicao->NomesValores().isEmpty()) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("editorCombo"));
    combo->addItems(definicao->Nomes());
    combo->installEventFilter(const_cast<TnDelegadoGrid *>(this));
    return combo;
  }
  if (tipo == TnTipoControle::CheckList && !definicao->NomesValores().isEmpty()) {
    auto *lista = new QListWidget(parent);
    lista->setObjectName(QStringLiteral("editorCheckList"));
    const QStringList valores = definicao->Valores();
    const QStringList nomes = definicao->Nomes();
    for (int i = 0; i < nomes.size(); ++i) {
      auto *item = new QListWidgetItem(nomes.at(i), lista);
      item->setData(Qt::UserRole, valores.value(i));
      item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
      item->setCheckState(Qt::Unchecked);
    }
    lista->installEventFilter(const_cast<TnDelegadoGrid *>(this));
    return lista;
  }
  if (tipo == TnTipoControle::Memo || (tipo == TnTipoControle::Padrao && campo && campo->DataType() == TnFieldType::Memo)) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("editorMemo"));
    memo->setTabChangesFocus(true);
    memo->installEventFilter(const_cast<TnDelegadoGrid *>(this));
    return memo;
  }
  auto *edit = new QLineEdit(parent);
  edit->setObjectName(QStringLiteral("editorTexto"));
  edit->setFrame(false);
  const bool data = tipo == TnTipoControle::Data ||
                    (tipo == TnTipoControle::Padrao && campo && campo->DataType() == TnFieldType::Date);
  if (data)
    edit->setInputMask(QStringLiteral("99/99/9999;_"));
  else if (tipo == TnTipoControle::MesAno)
    edit->setInputMask(QStringLiteral("99/9999;_"));
  else if (definicao && definicao->TamanhoMaximo() > 0)
    edit->setMaxLength(definicao->TamanhoMaximo());
  bool botao = tipo == TnTipoControle::ButtonEdit || tipo == TnTipoControle::LookupEdit;
  if (FModelo->Grid() && index.column() < FModelo->Grid()->ColumnCount())
    botao = botao || FModelo->Grid()->Columns().at(index.column()).BotaoEdicao;
  if (botao) {
    QAction *acao = edit->addAction(QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                    QLineEdit::TrailingPosition);
    acao->setObjectName(QStringLiteral("botaoEdicao"));
    QObject::connect(acao, &QAction::triggered, edit, [this] {
      if (OnBotao) OnBotao();
    });
  }
  edit->installEventFilter(const_cast<TnDelegadoGrid *>(this));
  return edit;
}

QString TnDelegadoGrid::TextoDoEditor(const QWidget *editor) {
  if (const auto *combo = qobject_cast<const QComboBox *>(editor)) return combo->currentText();
  if (const auto *edit = qobject_cast<const QLineEdit *>(editor)) return nSemMascaraVazia(edit);
  if (const auto *memo = qobject_cast<const QPlainTextEdit *>(editor)) return memo->toPlainText();
  if (const auto *lista = qobject_cast<const QListWidget *>(editor)) {
    // The values in the list's order, whatever order they were ticked in.
    QStringList marcados;
    for (int i = 0; i < lista->count(); ++i)
      if (lista->item(i)->checkState() == Qt::Checked) marcados << lista->item(i)->data(Qt::UserRole).toString();
    return marcados.join(QLatin1Char(';'));
  }
  return {};
}

void TnDelegadoGrid::setEditorData(QWidget *editor, const QModelIndex &index) const {
  const QString texto = index.data(Qt::EditRole).toString();
  if (auto *combo = qobject_cast<QComboBox *>(editor)) {
    const int i = combo->findText(texto, Qt::MatchFixedString);
    combo->setCurrentIndex(i);
  } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
    // Only on opening: a refresh while the user types must not undo the typing.
    if (!edit->isModified()) edit->setText(texto);
  } else if (auto *memo = qobject_cast<QPlainTextEdit *>(editor)) {
    if (!memo->document()->isModified()) {
      memo->setPlainText(texto);
      memo->document()->setModified(false);
      memo->moveCursor(QTextCursor::End);
    }
  } else if (auto *lista = qobject_cast<QListWidget *>(editor)) {
    // An entry is ticked by its value or, from a module that shows the
    // captions, by its caption.
    QStringList marcados;
    for (const QString &parte : texto.split(QLatin1Char(';'), Qt::SkipEmptyParts)) marcados << parte.trimmed();
    for (int i = 0; i < lista->count(); ++i) {
      QListWidgetItem *item = lista->item(i);
      const bool marcado = marcados.contains(item->data(Qt::UserRole).toString()) ||
                           marcados.contains(item->text(), Qt::CaseInsensitive);
      item->setCheckState(marcado ? Qt::Checked : Qt::Unchecked);
    }
  }
}

void TnDelegadoGrid::Restaurar(QWidget *editor, const QModelIndex &index) const {
  if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
    edit->setModified(false);
    setEditorData(editor, index);
    edit->selectAll();
  } else if (auto *memo = qobject_cast<QPlainTextEdit *>(editor)) {
    memo->document()->setModified(false);
    setEditorData(editor, index);
  } else {
    setEditorData(editor, index);
  }
}

void TnDelegadoGrid::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const {
  QStyledItemDelegate::updateEditorGeometry(editor, option, index);
  int linhas = 0;
  if (const auto *lista = qobject_cast<const QListWidget *>(editor)) linhas = qMin(8, lista->count()) + 1;
  if (qobject_cast<const QPlainTextEdit *>(editor)) linhas = 5;
  if (linhas == 0) return;
  QRect area = editor->geometry();
  area.setHeight(qMax(area.height(), linhas * editor->fontMetrics().height() + 8));
  area.setWidth(qMax(area.width(), 160));
  editor->setGeometry(area);
}

void TnDelegadoGrid::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const {
  const QString texto = TextoDoEditor(editor);
  // An editor left without a change writes nothing: the row stays unmodified.
  if (texto == index.data(Qt::EditRole).toString() && !FModelo->TemTextoRecusado(index.row(), index.column())) return;
  model->setData(index, texto, Qt::EditRole);
}

void TnDelegadoGrid::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
  if (index.row() != LinhaDetalhe || AlturaLinha <= 0) return QStyledItemDelegate::paint(painter, option, index);
  QStyleOptionViewItem linha(option);
  linha.rect.setHeight(AlturaLinha);
  QStyledItemDelegate::paint(painter, linha, index);
}

bool TnDelegadoGrid::eventFilter(QObject *objeto, QEvent *evento) {
  auto *editor = qobject_cast<QWidget *>(objeto);
  if (editor && evento->type() == QEvent::KeyPress) {
    auto *tecla = static_cast<QKeyEvent *>(evento);
    const int key = nTeclaVirtual(tecla->key());
    // Enter in a memo is a new line unless Ctrl is held.
    const bool novaLinha = key == nTeclaEnter && qobject_cast<QPlainTextEdit *>(editor) &&
                           !(tecla->modifiers() & Qt::ControlModifier);
    if (!novaLinha && (key == nTeclaEnter || key == nTeclaTab || key == nTeclaF3)) {
      const QModelIndex indice = FIndiceEditado;
      const QString texto = TextoDoEditor(editor);
      if (indice.isValid() &&
          (texto != indice.data(Qt::EditRole).toString() || FModelo->TemTextoRecusado(indice.row(), indice.column()))) {
        // A refused value keeps the editor open with what was typed; a row
        // that refused the edit itself gets its stored value back, so the
        // next Enter finds nothing to write.
        FGravando = true;
        const bool gravou = FModelo->setData(indice, texto, Qt::EditRole);
        FGravando = false;
        if (!gravou) {
          if (!FModelo->TemTextoRecusado(indice.row(), indice.column())) Restaurar(editor, indice);
          return true;
        }
      }
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      if (OnTecla) OnTecla(key, tecla->modifiers());
      return true;
    }
    if (key == nTeclaEsc) {
      emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
      return true;
    }
  }
  // The message of a refusal takes the focus while the value is being
  // written: that is no leaving of the editor, whose text must not be
  // committed (and refused) a second time.
  if (editor && evento->type() == QEvent::FocusOut && FGravando) return true;
  return QStyledItemDelegate::eventFilter(objeto, evento);
}
