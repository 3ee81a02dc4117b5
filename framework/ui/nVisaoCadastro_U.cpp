#include "nVisaoCadastro_U.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nEditData_U.h"
#include "nField_U.h"
#include "nFraGrupoSeparador_U.h"
#include "nGuarda_U.h"

namespace {

const QString FormatoData = QStringLiteral("dd/MM/yyyy");
const QString FormatoMesAno = QStringLiteral("MM/yyyy");

TnTipoControle TipoEfetivo(const TnField &campo) {
  const TnTipoControle tipo = campo.Definicao().TipoControle();
  if (tipo != TnTipoControle::Padrao) return tipo;
  if (!campo.Definicao().NomesValores().isEmpty()) return TnTipoControle::ComboBox;
  if (!campo.Definicao().LookupClassName().isEmpty()) return TnTipoControle::LookupEdit;
  switch (campo.DataType()) {
    case TnFieldType::Date:
      return TnTipoControle::Data;
    case TnFieldType::Memo:
      return TnTipoControle::Memo;
    default:
      return TnTipoControle::Edit;
  }
}

QDate LerData(const QString &texto) {
  QDate data = QDate::fromString(texto.left(10), FormatoData);
  if (!data.isValid()) data = QDate::fromString(texto, FormatoMesAno);
  return data;
}

}  // namespace

struct TnVisaoCadastro::TnLinha {
  QPointer<TnEditorCampo> Editor;
  TnTipoControle Tipo = TnTipoControle::Edit;
  QWidget *Linha = nullptr;
  QLabel *Label = nullptr;
  QWidget *Widget = nullptr;
  QToolButton *Botao = nullptr;
  QLabel *Lookup = nullptr;
  QString Mostrado;  // the model's text as last shown
  QString NoWidget;  // the same, as the widget gives it back
  bool Recusado = false;
  QString TextoRecusado;
};

TnVisaoCadastro::TnVisaoCadastro(TnFrmCadastro *form, QWidget *parent)
    : TnVisaoForm(form, parent), FRolagem(new QScrollArea(this)) {
  FRolagem->setObjectName(QStringLiteral("nAreaCampos"));
  FRolagem->setWidgetResizable(true);
  FRolagem->setFrameShape(QFrame::NoFrame);
  auto *area = new QWidget(FRolagem);
  auto *layout = new QVBoxLayout(area);
  layout->setSpacing(TnFrmCadastro::EspacoEditor);
  const QList<TnFraGrupoSeparador *> grupos = form->GruposSeparadores();
  for (TnEditorCampo *editor : form->Editores()) {
    // A group header stands just above the editor that opens its group.
    for (const TnFraGrupoSeparador *grupo : grupos)
      if (grupo->CampoSeguinte().compare(editor->Campo()->FieldName(), Qt::CaseInsensitive) == 0)
        layout->addWidget(CriarGrupoSeparador(*grupo, area));
    CriarLinha(editor, area);
  }
  layout->addStretch(1);
  FRolagem->setWidget(area);
  // The editors show whole unless they are many; a detail's grid gets the rest.
  FRolagem->setMinimumHeight(qMin(qMax(form->AreaCampos()->Height(), area->sizeHint().height() + 4), 420));
  LayoutCliente()->addWidget(FRolagem, 1);
  PreencherArea(form->AreaCliente(), LayoutCliente(), this);
  Sincronizar();
}

TnVisaoCadastro::~TnVisaoCadastro() { qDeleteAll(FLinhas); }

TnFrmCadastro *TnVisaoCadastro::Cadastro() const { return static_cast<TnFrmCadastro *>(Form()); }

QWidget *TnVisaoCadastro::CriarGrupoSeparador(const TnFraGrupoSeparador &grupo, QWidget *area) {
  auto *cabecalho = new QWidget(area);
  cabecalho->setObjectName(grupo.Name());
  auto *layout = new QHBoxLayout(cabecalho);
  layout->setContentsMargins(0, 6, 0, 0);
  auto *titulo = new QLabel(grupo.Caption(), cabecalho);
  QFont fonte = titulo->font();
  fonte.setBold(true);
  titulo->setFont(fonte);
  layout->addWidget(titulo);
  auto *regua = new QFrame(cabecalho);
  regua->setFrameShape(QFrame::HLine);
  regua->setFrameShadow(QFrame::Sunken);
  layout->addWidget(regua, 1);
  return cabecalho;
}

void TnVisaoCadastro::CriarLinha(TnEditorCampo *editor, QWidget *area) {
  auto *linha = new TnLinha;
  linha->Editor = editor;
  TnField *campo = editor->Campo();
  linha->Tipo = TipoEfetivo(*campo);
  linha->Linha = new QWidget(area);
  linha->Linha->setObjectName(QStringLiteral("pnl") + campo->FieldName());
  auto *layout = new QHBoxLayout(linha->Linha);
  layout->setContentsMargins(0, 0, 0, 0);
  linha->Label = new QLabel(campo->DisplayLabel(), linha->Linha);
  linha->Label->setMinimumWidth(140);
  layout->addWidget(linha->Label);

  const TnDefinicao &definicao = campo->Definicao();
  switch (linha->Tipo) {
    case TnTipoControle::ComboBox: {
      auto *combo = new QComboBox(linha->Linha);
      combo->addItem(QString());  // no value
      combo->addItems(definicao.Nomes());
      connect(combo, &QComboBox::activated, this, [this, linha] {
        if (!FSincronizando) Executar([this, linha] { Confirmar(*linha); });
      });
      linha->Widget = combo;
      break;
    }
    case TnTipoControle::CheckList: {
      auto *lista = new QListWidget(linha->Linha);
      for (const QString &nome : definicao.Nomes()) {
        auto *item = new QListWidgetItem(nome, lista);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
      }
      lista->setMaximumHeight(qMin(6, static_cast<int>(definicao.Nomes().size()) + 1) * 20);
      connect(lista, &QListWidget::itemChanged, this, [this, linha] {
        if (!FSincronizando) Executar([this, linha] { Confirmar(*linha); });
      });
      linha->Widget = lista;
      break;
    }
    case TnTipoControle::Data:
    case TnTipoControle::MesAno: {
      auto *data = new TnEditData(linha->Tipo == TnTipoControle::MesAno, linha->Linha);
      connect(data, &QLineEdit::returnPressed, this, [this, linha] {
        if (!FSincronizando) Executar([this, linha] { Confirmar(*linha); });
      });
      data->OnEscolhida = [this, linha] {
        if (!FSincronizando) Executar([this, linha] { Confirmar(*linha); });
      };
      linha->Widget = data;
      break;
    }
    case TnTipoControle::Memo: {
      auto *memo = new QPlainTextEdit(linha->Linha);
      memo->setMaximumHeight(80);
      memo->setTabChangesFocus(true);
      linha->Widget = memo;
      break;
    }
    default: {
      auto *texto = new QLineEdit(linha->Linha);
      const int maximo = definicao.TamanhoMaximo() > 0 ? definicao.TamanhoMaximo() : campo->Size();
      if (maximo > 0 && nTipoTexto(campo->DataType())) texto->setMaxLength(maximo);
      connect(texto, &QLineEdit::returnPressed, this, [this, linha] {
        if (!FSincronizando) Executar([this, linha] { Confirmar(*linha); });
      });
      linha->Widget = texto;
      break;
    }
  }
  linha->Widget->setObjectName(campo->FieldName());
  linha->Widget->setToolTip(editor->Hint());
  linha->Widget->installEventFilter(this);
  layout->addWidget(linha->Widget, 1);
  if (linha->Tipo == TnTipoControle::ButtonEdit || linha->Tipo == TnTipoControle::LookupEdit) {
    linha->Botao = new QToolButton(linha->Linha);
    linha->Botao->setObjectName(QStringLiteral("btn") + campo->FieldName());
    linha->Botao->setText(QStringLiteral("…"));
    // Tab goes from editor to editor; the button is for the mouse.
    linha->Botao->setFocusPolicy(Qt::NoFocus);
    QPointer<TnEditorCampo> alvo(editor);
    connect(linha->Botao, &QToolButton::clicked, this, [this, alvo] {
      Executar([alvo] {
        if (alvo) alvo->ClicarBotao();
      });
    });
    layout->addWidget(linha->Botao);
  }
  if (linha->Tipo == TnTipoControle::LookupEdit && !definicao.LookupResultFields().isEmpty()) {
    linha->Lookup = new QLabel(linha->Linha);
    linha->Lookup->setObjectName(QStringLiteral("lbl") + campo->FieldName());
    layout->addWidget(linha->Lookup, 2);
  }
  // Panels a module placed in the editor's row ("Arquivado"), at its right.
  // A panel that holds others keeps its width and shows them inside it.
  if (TnPainel *container = editor->Container()) {
    std::function<void(TnPainel *, QWidget *, QHBoxLayout *)> adicionar = [&](TnPainel *painel, QWidget *pai,
                                                                              QHBoxLayout *destino) {
      const QList<TnPainel *> filhos = painel->Filhos();
      if (filhos.isEmpty()) {
        auto *label = new QLabel(pai);
        nAplicarPainel(label, painel);
        label->setProperty("nPainel", QVariant::fromValue<QObject *>(painel));
        destino->addWidget(label);
        return;
      }
      auto *caixa = new QWidget(pai);
      caixa->setObjectName(painel->Name());
      if (painel->Width() > 0) caixa->setMinimumWidth(painel->Width());
      auto *interno = new QHBoxLayout(caixa);
      interno->setContentsMargins(0, 0, 0, 0);
      for (TnPainel *filho : filhos) adicionar(filho, caixa, interno);
      destino->addWidget(caixa);
    };
    for (TnPainel *painel : container->Filhos()) adicionar(painel, linha->Linha, layout);
  }
  area->layout()->addWidget(linha->Linha);
  FLinhas.append(linha);
}

QWidget *TnVisaoCadastro::Widget(const QString &nomeCampo) const {
  for (TnLinha *linha : FLinhas)
    if (linha->Widget->objectName().compare(nomeCampo, Qt::CaseInsensitive) == 0) return linha->Widget;
  return nullptr;
}

QToolButton *TnVisaoCadastro::Botao(const QString &nomeCampo) const {
  for (TnLinha *linha : FLinhas)
    if (linha->Widget->objectName().compare(nomeCampo, Qt::CaseInsensitive) == 0) return linha->Botao;
  return nullptr;
}

TnVisaoCadastro::TnLinha *TnVisaoCadastro::LinhaDoWidget(QObject *widget) {
  for (TnLinha *linha : FLinhas)
    if (linha->Widget == widget) return linha;
  return nullptr;
}

QString TnVisaoCadastro::TextoDoWidget(const TnLinha &linha) const {
  const TnDefinicao &definicao = linha.Editor->Campo()->Definicao();
  switch (linha.Tipo) {
    case TnTipoControle::ComboBox: {
      const int indice = static_cast<QComboBox *>(linha.Widget)->currentIndex();
      // The value of the chosen caption: SetText takes values as they stand
      // whether or not the module bound the captions to the field.
      return indice <= 0 ? QString() : definicao.Valores().value(indice - 1);
    }
    case TnTipoControle::CheckList: {
      auto *lista = static_cast<QListWidget *>(linha.Widget);
      QStringList marcados;
      for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->checkState() == Qt::Checked) marcados << definicao.Valores().value(i);
      return marcados.join(QLatin1Char(';'));
    }
    case TnTipoControle::Data:
    case TnTipoControle::MesAno: {
      const auto *data = static_cast<TnEditData *>(linha.Widget);
      // A month goes to the field as its first day; an incomplete text as
      // typed, for the field to refuse.
      if (linha.Tipo == TnTipoControle::MesAno && data->Data().isValid()) return data->Data().toString(FormatoData);
      return data->Texto();
    }
    case TnTipoControle::Memo:
      return static_cast<QPlainTextEdit *>(linha.Widget)->toPlainText();
    default:
      return static_cast<QLineEdit *>(linha.Widget)->text();
  }
}

void TnVisaoCadastro::MostrarValor(TnLinha &linha) {
  if (!linha.Editor) return;
  const QString texto = linha.Editor->Text();
  if (linha.Recusado) return;  // the user's text stays until corrected
  // What the user is typing is not overwritten, also while a popup (the
  // calendar, a list) or a message has the keyboard.
  const bool digitando = linha.Widget->hasFocus() || (Form() && Form()->Foco() == linha.Editor);
  if (digitando && TextoDoWidget(linha) != linha.NoWidget && texto == linha.Mostrado) return;
  const TnField *campo = linha.Editor->Campo();
  const QString valor = campo->IsNull() ? QString() : campo->AsString();
  switch (linha.Tipo) {
    case TnTipoControle::ComboBox: {
      const int indice = static_cast<int>(campo->Definicao().Valores().indexOf(valor.trimmed()));
      static_cast<QComboBox *>(linha.Widget)->setCurrentIndex(indice + 1);
      break;
    }
    case TnTipoControle::CheckList: {
      auto *lista = static_cast<QListWidget *>(linha.Widget);
      const QStringList marcados = valor.split(QLatin1Char(';'), Qt::SkipEmptyParts);
      const QStringList valores = campo->Definicao().Valores();
      for (int i = 0; i < lista->count(); ++i)
        lista->item(i)->setCheckState(marcados.contains(valores.value(i)) ? Qt::Checked : Qt::Unchecked);
      break;
    }
    case TnTipoControle::Data:
    case TnTipoControle::MesAno:
      static_cast<TnEditData *>(linha.Widget)->SetData(LerData(texto));
      break;
    case TnTipoControle::Memo:
      if (static_cast<QPlainTextEdit *>(linha.Widget)->toPlainText() != texto)
        static_cast<QPlainTextEdit *>(linha.Widget)->setPlainText(texto);
      break;
    default:
      if (static_cast<QLineEdit *>(linha.Widget)->text() != texto) static_cast<QLineEdit *>(linha.Widget)->setText(texto);
      break;
  }
  linha.Mostrado = texto;
  linha.NoWidget = TextoDoWidget(linha);
}

bool TnVisaoCadastro::Confirmar(TnLinha &linha) {
  if (!linha.Editor || !linha.Editor->PodeEditar()) return true;
  // The refusal's message itself takes the focus: that is no second try.
  if (FConfirmando == &linha) return false;
  const QString texto = TextoDoWidget(linha);
  if (linha.Recusado ? texto == linha.TextoRecusado : texto == linha.NoWidget) return !linha.Recusado;
  FConfirmando = &linha;
  const bool ok = linha.Editor->Digitar(texto);
  FConfirmando = nullptr;
  linha.Recusado = !ok;
  linha.TextoRecusado = ok ? QString() : texto;
  if (ok) {
    FSincronizando = true;
    MostrarValor(linha);
    FSincronizando = false;
  }
  return ok;
}

bool TnVisaoCadastro::ConfirmarEdicao() {
  // The editor being typed in: the one with the keyboard focus or, while a
  // menu or another window has it, the form's focus.
  const QObject *foco = Form() ? Form()->Foco() : nullptr;
  for (TnLinha *linha : std::as_const(FLinhas))
    if ((linha->Widget->hasFocus() || (linha->Editor && linha->Editor == foco)) && !Confirmar(*linha)) return false;
  return true;
}

void TnVisaoCadastro::Sincronizar() {
  TnVisaoForm::Sincronizar();
  TnFrmCadastro *form = Cadastro();
  if (!form || FSincronizando) return;
  FSincronizando = true;
  TnClientDataSet *dados = form->DataSet();
  // Another record, or the edit ended (posted or given up): the user's
  // refused text goes. Entering edit (the refused typing itself) keeps it.
  const int recNo = dados ? dados->RecNo() : 0;
  const bool navegando = !dados || dados->State() == TnDataSetState::Browse;
  const bool outroRegistro = recNo != FRecNo || (navegando && !FNavegando);
  FRecNo = recNo;
  FNavegando = navegando;
  for (TnLinha *linha : std::as_const(FLinhas)) {
    if (!linha->Editor) continue;
    if (outroRegistro) linha->Recusado = false;
    TnEditorCampo *editor = linha->Editor;
    linha->Linha->setVisible(editor->Visible());
    linha->Widget->setEnabled(editor->Enabled());
    linha->Widget->setToolTip(editor->Hint());
    const bool somenteLeitura = editor->ReadOnly();
    if (auto *texto = qobject_cast<QLineEdit *>(linha->Widget)) texto->setReadOnly(somenteLeitura);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(linha->Widget)) memo->setReadOnly(somenteLeitura);
    if (qobject_cast<QComboBox *>(linha->Widget) || qobject_cast<QListWidget *>(linha->Widget))
      linha->Widget->setEnabled(editor->Enabled() && !somenteLeitura);
    if (linha->Botao) linha->Botao->setEnabled(editor->Enabled() && !somenteLeitura);
    MostrarValor(*linha);
    if (linha->Lookup) {
      QStringList textos;
      for (const QString &nome : editor->Campo()->Definicao().LookupResultFields())
        if (TnField *campo = dados ? dados->FindField(nome) : nullptr) textos << campo->DisplayText();
      linha->Lookup->setText(textos.join(QStringLiteral(" - ")));
    }
    for (auto *label : linha->Linha->findChildren<QLabel *>())
      if (auto *painel = dynamic_cast<TnPainel *>(label->property("nPainel").value<QObject *>()))
        nAplicarPainel(label, painel);
  }
  // The model's focus moved by code (a rule, the guard after a refusal)
  // since the view last saw it: the widget follows. While the user moves the
  // focus the model still names the editor being left, which is no move.
  QObject *foco = form->Foco();
  if (foco != FFocoVisto && isVisible()) {
    FFocoVisto = foco;
    for (TnLinha *linha : std::as_const(FLinhas))
      if (linha->Editor && linha->Editor == foco && linha->Widget->isVisibleTo(this) && linha->Widget->isEnabled() &&
          !linha->Widget->hasFocus())
        linha->Widget->setFocus(Qt::OtherFocusReason);
  }
  FSincronizando = false;
}

bool TnVisaoCadastro::FocarCampo(TnField *campo) {
  for (TnLinha *linha : std::as_const(FLinhas)) {
    if (!linha->Editor || linha->Editor->Campo() != campo) continue;
    if (!linha->Editor->Visible() || !linha->Editor->Enabled()) return false;
    linha->Editor->SetFocus();
    FFocoVisto = linha->Editor.data();
    linha->Widget->setFocus(Qt::OtherFocusReason);
    return true;
  }
  return false;
}

bool TnVisaoCadastro::eventFilter(QObject *objeto, QEvent *evento) {
  TnLinha *linha = LinhaDoWidget(objeto);
  if (!linha || !linha->Editor) return TnVisaoForm::eventFilter(objeto, evento);
  switch (evento->type()) {
    case QEvent::FocusIn:
      linha->Editor->SetFocus();
      FFocoVisto = linha->Editor.data();
      break;
    case QEvent::FocusOut: {
      const Qt::FocusReason motivo = static_cast<QFocusEvent *>(evento)->reason();
      if (FSincronizando || motivo == Qt::PopupFocusReason || motivo == Qt::ActiveWindowFocusReason) break;
      // Leaving the editor confirms what was typed, then runs its OnExit.
      QPointer<TnEditorCampo> editor(linha->Editor);
      if (Confirmar(*linha) && editor) editor->Sair();
      if (Form()) Sincronizar();
      break;
    }
    case QEvent::Wheel:
      // The wheel scrolls the form; it changes a list only the user is in.
      if (!linha->Widget->hasFocus() && qobject_cast<QComboBox *>(linha->Widget)) {
        evento->ignore();
        return true;
      }
      break;
    case QEvent::KeyPress: {
      // Alt+letter is a menu's key: one no menu took types nothing.
      const auto *tecla = static_cast<QKeyEvent *>(evento);
      if ((tecla->modifiers() & Qt::AltModifier) && !(tecla->modifiers() & Qt::ControlModifier) &&
          !tecla->text().isEmpty())
        return true;
      break;
    }
    default:
      break;
  }
  return TnVisaoForm::eventFilter(objeto, evento);
}
