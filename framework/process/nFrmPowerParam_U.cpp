#include "nFrmPowerParam_U.h"

#include "nDBGrid_U.h"
#include "nDMPowerParamGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nDMPowerParam_U.h"
#include "nDMPower_U.h"
#include "nException_U.h"
#include "nFraCtrlParam_U.h"
#include "nGuarda_U.h"
#include "nPainel_U.h"
#include "npqParamItem_U.h"

namespace {

const QString GNomeClasse = QStringLiteral("TnFrmPowerParam");

// Images of the process tool bar in the application's image list.
constexpr int kImagemExecutar = 45;
constexpr int kImagemGravar = 46;
constexpr int kImagemCancelar = 53;

struct TnClasseForm {
  QString Nome;
  TnFrmPowerParam::TnFabricaForm Fabrica;
};

QList<TnClasseForm> &ClassesForm() {
  static QList<TnClasseForm> classes;
  return classes;
}

qsizetype IndiceClasse(const QString &nome) {
  const QList<TnClasseForm> &classes = ClassesForm();
  for (qsizetype i = 0; i < classes.size(); ++i)
    if (classes.at(i).Nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void Mostrar(TnActionForm *action, TnToolButton *botao, bool visivel, bool habilitado) {
  action->SetVisible(visivel);
  action->SetEnabled(visivel && habilitado);
  botao->SetVisible(visivel);
  botao->SetEnabled(visivel && habilitado);
}

}  // namespace

TnFrmPowerParam::TnFrmPowerParam(TnDMPower *processo, QObject *parent)
    : TnFrmVisual(processo, parent),
      FProcesso(processo),
      FPageControl(new TnPainel(AreaCliente(), QStringLiteral("pgcProcesso"))),
      FPaginaParametros(new TnPainel(FPageControl, QStringLiteral("tsParametros"))),
      FPainelParametros(new TnPainel(FPaginaParametros, QStringLiteral("pnlParametros"))),
      FPainelMsgTree(new TnPainel(AreaCliente(), QStringLiteral("pnlMsgTree"))) {
  if (!processo) throw Exception(QStringLiteral("O formulário de processo precisa de um processo."));
  SetWidth(800);
  SetHeight(600);
  FPageControl->SetAlign(TnAlinhamento::alClient);
  FPageControl->SetBorda(false);
  FPaginaParametros->SetCaption(QStringLiteral("Parâmetros"));
  FPainelParametros->SetAlign(TnAlinhamento::alTop);
  FPainelMsgTree->SetAlign(TnAlinhamento::alBottom);
  FPainelMsgTree->SetCaption(QStringLiteral("Mensagens"));
  FPainelMsgTree->SetHeight(150);
  FPainelMsgTree->SetVisible(false);
  FPaginas.append(FPaginaParametros);
  if (auto *p = dynamic_cast<TnDMPowerParam *>(processo);
      p && (dynamic_cast<TnDMPowerParamTab *>(p) || dynamic_cast<TnDMPowerParamGrid *>(p))) {
    FDBGrid = new TnDBGridEh(FPaginaParametros, QStringLiteral("nDBGrid"));
    FDBGrid->SetAlign(TnAlinhamento::alClient);
    FDBGrid->SetDataSet(&p->nClientDataSet());
  }

  CriarAction(
      NomeActExecutar, QStringLiteral("Executar"), [this](QObject *sender) { ActExecutar(sender); },
      QStringLiteral("F9"), kImagemExecutar);
  CriarAction(
      NomeActGravar, QStringLiteral("Gravar"), [this](QObject *sender) { FProcesso->actGravarExecute(sender); },
      QStringLiteral("Ctrl+G"), kImagemGravar);
  CriarAction(
      NomeActCancelar, QStringLiteral("Cancelar"), [this](QObject *sender) { FProcesso->actCancelarExecute(sender); },
      QStringLiteral("Ctrl+Z"), kImagemCancelar);
  // Each button runs its action's handler, so the action's state decides
  // whichever of the two the user reaches; the button's own guard shows a
  // failure (once) and tells the press failed.
  auto pelaAction = [this](const QString &nome) {
    return [this, nome](QObject *sender) {
      TnActionForm *action = Action(nome);
      if (!action || !action->Enabled() || !action->OnExecute) throw EAbort();
      action->OnExecute(sender);
    };
  };
  FBtnExecutar = CriarToolButton(QStringLiteral("Executar"), QStringLiteral("Executar o processo"), kImagemExecutar,
                                 pelaAction(NomeActExecutar), QStringLiteral("F9"), 0, -1, false, true, true, nullptr,
                                 QStringLiteral("btnExecutar"));
  FBtnGravar = CriarToolButton(QStringLiteral("Gravar"), QStringLiteral("Gravar as alterações"), kImagemGravar,
                               pelaAction(NomeActGravar), QStringLiteral("Ctrl+G"), 0, -1, true, true, true, nullptr,
                               QStringLiteral("btnGravar"));
  FBtnCancelar = CriarToolButton(QStringLiteral("Cancelar"), QStringLiteral("Cancelar as alterações"), kImagemCancelar,
                                 pelaAction(NomeActCancelar), QStringLiteral("Ctrl+Z"), 0, -1, false, true, true,
                                 nullptr, QStringLiteral("btnCancelar"));
  AtualizarEstado();
}

TnFrmPowerParam::~TnFrmPowerParam() = default;

QString TnFrmPowerParam::ClassName() const { return GNomeClasse; }

bool TnFrmPowerParam::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(GNomeClasse, Qt::CaseInsensitive) == 0 || TnFrmVisual::HerdaDe(nomeClasse);
}

TnDMPowerParam *TnFrmPowerParam::ProcessoParam() const { return dynamic_cast<TnDMPowerParam *>(FProcesso); }

// --- pages

int TnFrmPowerParam::PageCount() const {
  int total = 0;
  for (const auto &pagina : FPaginas)
    if (pagina) ++total;
  return total;
}

TnPainel *TnFrmPowerParam::Pagina(int indice) const {
  int i = 0;
  for (const auto &pagina : FPaginas) {
    if (!pagina) continue;
    if (i == indice) return pagina;
    ++i;
  }
  return nullptr;
}

TnPainel *TnFrmPowerParam::CriarTab(const QString &caption) {
  auto *pagina = new TnPainel(FPageControl, QStringLiteral("tsTab%1").arg(PageCount()));
  pagina->SetCaption(caption);
  pagina->SetAlign(TnAlinhamento::alClient);
  FPaginas.append(pagina);
  return pagina;
}

bool TnFrmPowerParam::SetPaginaAtiva(int indice) {
  if (!Pagina(indice)) return false;
  FPaginaAtiva = indice;
  return true;
}

bool TnFrmPowerParam::MudarPagina(int indice) {
  if (!Pagina(indice)) return false;
  if (indice == FPaginaAtiva) return true;
  bool permitir = true;
  const int atual = FPaginaAtiva;
  if (!nExecutarProtegido([&] { FProcesso->nPageControlOnChanging(atual, permitir); }) || !permitir) return false;
  FPaginaAtiva = indice;
  return true;
}

TnDBGridEh *TnFrmPowerParam::DBGrid() const { return FDBGrid.data(); }

// --- parameters

QList<TnpqParamItem *> TnFrmPowerParam::ParametrosExibidos() const {
  QStringList somente;
  if (const TnDMPowerParam *p = ProcessoParam()) somente = p->ParamsMostrados();
  QList<TnpqParamItem *> exibidos;
  for (TnpqParamItem *item : FProcesso->npqPowerParam().Params()) {
    if (!item->Visivel()) continue;
    if (!somente.isEmpty() && !somente.contains(item->Alias(), Qt::CaseInsensitive)) continue;
    exibidos.append(item);
  }
  return exibidos;
}

bool TnFrmPowerParam::FocarParametro(TnpqParamItem *param) {
  if (!param || !param->Habilitado() || !ParametrosExibidos().contains(param)) return false;
  SetPaginaAtiva(0);
  SetFoco(param->Editor());
  return true;
}

void TnFrmPowerParam::SairDoParametro(TnpqParamItem *param) {
  if (!param) return;
  nExecutarProtegido([param] { param->Editor()->Sair(); });
}

// --- message tree and progress

TnMsgTree *TnFrmPowerParam::MsgTree() const { return &FProcesso->MsgTreeLista(); }

TnFraProgresso *TnFrmPowerParam::Progresso() const { return FProcesso->Progresso(); }

// --- tool bar

bool TnFrmPowerParam::Executar() { return FBtnExecutar->Click(); }

bool TnFrmPowerParam::Gravar() { return FBtnGravar->Click(); }

bool TnFrmPowerParam::Cancelar() { return FBtnCancelar->Click(); }

void TnFrmPowerParam::ActExecutar(QObject *) {
  struct Atualizar {
    TnFrmPowerParam *form;
    ~Atualizar() { form->AtualizarEstado(); }
  } atualizar{this};
  try {
    FProcesso->ExecutarProcesso();
  } catch (const EnParam &e) {
    FocarParametro(e.param());
    throw;
  }
  if (FResultadoAoExecutar != mrNone && Exibindo()) {
    Fechar(FResultadoAoExecutar);
    return;
  }
  if (PageCount() > 1) SetPaginaAtiva(1);
  if (const TnDMPowerParam *p = ProcessoParam(); p && p->FocarMsgTree() && p->MsgTreeExibir()) SetFoco(FPainelMsgTree);
}

void TnFrmPowerParam::AtualizarEstado() {
  const TnDMPowerParam *p = ProcessoParam();
  const bool alterado = p && p->TemAlteracao();
  Mostrar(Action(NomeActGravar), FBtnGravar, p && p->ActionGravar(), alterado);
  Mostrar(Action(NomeActCancelar), FBtnCancelar, p && p->ActionCancelar(), alterado);
  FPainelMsgTree->SetVisible(p && p->MsgTreeExibir());
  if (FDBGrid && p) {
    FDBGrid->SetReadOnly(p->DBGridReadOnly());
    FDBGrid->SetConfirmaExclusao(p->DBGridConfirmaExclusao());
    FDBGrid->SetOrdenar(p->DBGridOrdenar());
  }
  if (!FProcesso->npqPowerParam().Caption().isEmpty())
    FPaginaParametros->SetCaption(FProcesso->npqPowerParam().Caption());

  const bool pesquisa = p && p->Pesquisa();
  if (pesquisa && !Action(NomeActPesquisar)) {
    auto *processo = const_cast<TnDMPowerParam *>(p);
    CriarAction(NomeActPesquisar, QStringLiteral("Pesquisar"),
                [processo](QObject *sender) { processo->actPesquisarExecute(sender); });
    CriarAction(NomeActPesquisarNext, QStringLiteral("Pesquisar Próximo"),
                [processo](QObject *sender) { processo->actPesquisarNextExecute(sender); });
  }
  for (const QString &nome : {NomeActPesquisar, NomeActPesquisarNext})
    if (TnActionForm *action = Action(nome)) {
      action->SetVisible(pesquisa);
      action->SetEnabled(pesquisa);
    }
}

// --- form classes by name

void TnFrmPowerParam::RegistrarClasse(const QString &nome, TnFabricaForm fabrica) {
  if (nome.trimmed().isEmpty() || !fabrica)
    throw Exception(QStringLiteral("Classe de formulário sem nome ou sem fábrica não pode ser registrada."));
  if (ClasseRegistrada(nome))
    throw Exception(QStringLiteral("A classe de formulário %1 já está registrada.").arg(nome.trimmed()));
  ClassesForm().append({nome.trimmed(), std::move(fabrica)});
}

bool TnFrmPowerParam::RemoverClasse(const QString &nome) {
  const qsizetype i = IndiceClasse(nome);
  if (i < 0) return false;
  ClassesForm().removeAt(i);
  return true;
}

bool TnFrmPowerParam::ClasseRegistrada(const QString &nome) {
  return nome.trimmed().compare(GNomeClasse, Qt::CaseInsensitive) == 0 || IndiceClasse(nome) >= 0;
}

TnFrmPowerParam *TnFrmPowerParam::CriarPorNome(const QString &nome, TnDMPower *processo) {
  if (nome.trimmed().compare(GNomeClasse, Qt::CaseInsensitive) == 0) return new TnFrmPowerParam(processo);
  const qsizetype i = IndiceClasse(nome);
  if (i < 0) return nullptr;
  // A copy: the factory may register further classes.
  const TnFabricaForm fabrica = ClassesForm().at(i).Fabrica;
  return fabrica(processo);
}
