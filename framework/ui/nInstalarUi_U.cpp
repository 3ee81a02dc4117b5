#include "nInstalarUi_U.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <memory>

#include "nCursorEspera_U.h"
#include "nDialogosQt_U.h"
#include "nFraProgresso_U.h"
#include "nFrmVisual_U.h"
#include "nGuarda_U.h"
#include "nVisaoForm_U.h"
#include "nVisaoPowerParam_U.h"

namespace {

TnMostrarNaJanelaPrincipal &MostrarNaPrincipal() {
  static TnMostrarNaJanelaPrincipal mostrar;
  return mostrar;
}

struct TnAnteriores {
  TnDialogos *Dialogos = nullptr;
  TnFocarCampo FocarCampo;
  TnFocarParametro FocarParametro;
  TnExecutarFormModal Modal;
  TnMostrarForm Mostrar;
  TnFraProgresso::TnAoCriar AoCriar;
  TnCursorEspera::TnMostrar CursorEspera;
};
std::unique_ptr<TnAnteriores> Anteriores;

TnDialogosQt &DialogosQt() {
  static TnDialogosQt dialogos;
  return dialogos;
}

// The modal run: a dialog hosting the form's view, open while the form is
// shown. The frame's close box asks the model (the view's close handling);
// a button that closes the model closes the dialog.
void ExecutarModal(TnFrmVisual &form) {
  QDialog janela(TnDialogosQt::JanelaPai());
  janela.setObjectName(QStringLiteral("nJanelaModal"));
  janela.setWindowTitle(form.Caption());
  janela.resize(form.Width(), form.Height());
  auto *layout = new QVBoxLayout(&janela);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget *visao = nCriarVisao(&form, &janela);
  layout->addWidget(visao);
  QPointer<TnFrmVisual> alvo(&form);
  QTimer vigia;
  QObject::connect(&vigia, &QTimer::timeout, &janela, [&janela, alvo] {
    if (!alvo || !alvo->Exibindo()) janela.done(0);
  });
  vigia.start(50);
  while (alvo && alvo->Exibindo()) {
    janela.exec();
    if (alvo && alvo->Exibindo()) {
      // Closed by the frame or Esc: a cancel the model may refuse.
      bool fechou = false;
      if (auto *v = dynamic_cast<TnVisaoForm *>(visao)) v->ConfirmarEdicao();
      nExecutarProtegido([&] { fechou = alvo->Fechar(mrCancel); });
      if (!fechou) continue;
    }
  }
}

void MostrarForm(TnFrmVisual &form, bool visivel) {
  TnVisaoForm *existente = TnVisaoForm::VisaoDe(&form);
  // The view's own frame: its MDI sub-window, or itself as a window; never
  // the main window that holds it.
  QWidget *moldura = existente && existente->parentWidget() ? existente->parentWidget() : existente;
  if (!visivel) {
    if (moldura) moldura->hide();
    return;
  }
  if (moldura) {
    moldura->show();
    moldura->raise();
    return;
  }
  QWidget *visao = nCriarVisao(&form, nullptr);
  if (form.MDIChild() && MostrarNaPrincipal()) {
    MostrarNaPrincipal()(visao, &form);
  } else {
    visao->setAttribute(Qt::WA_DeleteOnClose);
    visao->show();
  }
}

}  // namespace

void nSetMostrarNaJanelaPrincipal(TnMostrarNaJanelaPrincipal mostrar) { MostrarNaPrincipal() = std::move(mostrar); }

void nInstalarUi() {
  if (Anteriores) return;
  Anteriores = std::make_unique<TnAnteriores>();
  Anteriores->Dialogos = nSetDialogos(&DialogosQt());
  Anteriores->FocarCampo = nSetFocarCampo([](TnField *campo) {
    for (TnVisaoForm *visao : TnVisaoForm::Visoes())
      if (visao->FocarCampo(campo)) return true;
    return false;
  });
  Anteriores->FocarParametro = nSetFocarParametro([](TnpqParamItem *parametro) {
    for (TnVisaoForm *visao : TnVisaoForm::Visoes())
      if (visao->FocarParametro(parametro)) return true;
    return false;
  });
  Anteriores->Modal = nSetExecutarFormModal(ExecutarModal);
  Anteriores->Mostrar = nSetMostrarForm(MostrarForm);
  Anteriores->AoCriar = TnFraProgresso::SetAoCriar(TnVisaoPowerParam::ApresentarProgresso);
  Anteriores->CursorEspera = TnCursorEspera::SetMostrar([](bool espera) {
    if (espera)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  });
}

void nDesinstalarUi() {
  if (!Anteriores) return;
  nSetDialogos(Anteriores->Dialogos);
  nSetFocarCampo(Anteriores->FocarCampo);
  nSetFocarParametro(Anteriores->FocarParametro);
  nSetExecutarFormModal(Anteriores->Modal);
  nSetMostrarForm(Anteriores->Mostrar);
  TnFraProgresso::SetAoCriar(Anteriores->AoCriar);
  TnCursorEspera::SetMostrar(Anteriores->CursorEspera);
  Anteriores.reset();
}

bool nInstalarIdioma() {
  const QLocale idioma(QLocale::Portuguese, QLocale::Brazil);
  QLocale::setDefault(idioma);
  static QTranslator *traducao = nullptr;
  if (traducao) return true;
  auto *nova = new QTranslator(QCoreApplication::instance());
  if (!nova->load(idioma, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete nova;
    return false;
  }
  QCoreApplication::installTranslator(nova);
  traducao = nova;
  return true;
}
