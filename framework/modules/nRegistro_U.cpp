#include "nRegistro_U.h"

#include <algorithm>
#include <exception>

#include "nActionList_U.h"
#include "nException_U.h"
#include "nMenuDecl_U.h"

namespace {

// Set when the registry is gone (end of the process): a module freed after
// that has nothing left to tell.
bool GRegistroEncerrado = false;

// Guards the parent walk against a cycle of names.
constexpr int kProfundidadeMaxima = 64;

// Qt folds case one UTF-16 unit at a time, so names of different lengths never
// match: the length settles most comparisons of a lookup without folding.
bool MesmoNome(const QString &a, const QString &b) {
  return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString nNomeDesign(const QString &nomeClasse) {
  return nomeClasse.startsWith(u'T', Qt::CaseInsensitive) ? nomeClasse.mid(1) : nomeClasse;
}

TnRegistro::TnRegistro() = default;

TnRegistro::~TnRegistro() {
  DestruirTodos();
  GRegistroEncerrado = true;
}

TnRegistro &TnRegistro::Instancia() {
  static TnRegistro registro;
  return registro;
}

// --- classes

int TnRegistro::IndiceClasse(const QString &nome) const {
  for (qsizetype i = 0; i < FClasses.size(); ++i)
    if (MesmoNome(FClasses.at(i).Nome, nome)) return static_cast<int>(i);
  return -1;
}

void TnRegistro::Registrar(const TnClasseInfo &info) {
  if (info.Nome.trimmed().isEmpty()) throw Exception(QStringLiteral("Classe sem nome não pode ser registrada."));
  if (IndiceClasse(info.Nome) >= 0)
    throw Exception(QStringLiteral("A classe %1 já está registrada.").arg(info.Nome));
  FClasses.append(info);
}

bool TnRegistro::Remover(const QString &nome) {
  const int indice = IndiceClasse(nome);
  if (indice < 0) return false;
  const QString nomeClasse = FClasses.at(indice).Nome;

  std::exception_ptr primeiroErro;
  for (;;) {
    auto it = std::find_if(FInstancias.rbegin(), FInstancias.rend(), [&](const TnDataModule *dm) {
      return !dm->FDestruindo && MesmoNome(dm->ClassName(), nomeClasse);
    });
    if (it == FInstancias.rend()) break;
    try {
      Destruir(*it);
    } catch (...) {
      if (!primeiroErro) primeiroErro = std::current_exception();
    }
  }
  const int restante = IndiceClasse(nomeClasse);  // a destructor may have removed it meanwhile
  if (restante >= 0) FClasses.removeAt(restante);
  if (primeiroErro) std::rethrow_exception(primeiroErro);
  return true;
}

const TnClasseInfo *TnRegistro::Info(const QString &nome) const {
  const int indice = IndiceClasse(nome);
  return indice < 0 ? nullptr : &FClasses.at(indice);
}

QStringList TnRegistro::Classes() const {
  QStringList nomes;
  for (const TnClasseInfo &info : FClasses) nomes.append(info.Nome);
  return nomes;
}

bool TnRegistro::HerdaDe(const QString &classe, const QString &ancestral) const {
  QString atual = classe;
  for (int passo = 0; passo < kProfundidadeMaxima && !atual.isEmpty(); ++passo) {
    if (MesmoNome(atual, ancestral)) return true;
    const TnClasseInfo *info = Info(atual);
    if (!info) return false;
    atual = info->NomePai;
  }
  return false;
}

QString TnRegistro::PegarVerificaSelecao(const QString &classe) const {
  const TnClasseInfo *info = Info(classe);
  return info && info->PegarVerificaSelecao ? info->PegarVerificaSelecao() : QString();
}

int TnRegistro::PegarTipoObjeto(const QString &classe) const {
  const TnClasseInfo *info = Info(classe);
  return info && info->PegarTipoObjeto ? info->PegarTipoObjeto() : 0;
}

void TnRegistro::GerarPrincAction(const QString &classe, TnActionList &lista, const TnOnExecute &onExecute,
                                  const TnModulos &modulos) const {
  const TnClasseInfo *achada = Info(classe);
  if (!achada) return;
  // A copy: the class's own code may touch the registry.
  const TnClasseInfo info = *achada;
  if (info.GerarPrincAction) {
    info.GerarPrincAction(lista, onExecute, modulos);
    return;
  }
  const QString verificaSelecao = info.PegarVerificaSelecao ? info.PegarVerificaSelecao() : QString();
  nGerarActionsMenu(lista, onExecute, modulos, info.Nome, info.Menus, verificaSelecao, info.DireitoMenu);
}

void TnRegistro::GerarActions(TnActionList &lista, const TnOnExecute &onExecute, const TnModulos &modulos) const {
  const TnOnExecute executar = onExecute ? onExecute : TnOnExecute(&nExecutarActionPadrao);
  for (const QString &classe : Classes()) GerarPrincAction(classe, lista, executar, modulos);
}

// --- instances

QString TnRegistro::SufixoLivre(const QString &nomeDesign, const QString &base, bool numerar) const {
  if (!numerar && !Encontrar(nomeDesign + base, true)) return base;
  for (int n = 1;; ++n) {
    const QString sufixo = base + QStringLiteral("_%1").arg(n);
    if (!Encontrar(nomeDesign + sufixo, true)) return sufixo;
  }
}

TnDataModule *TnRegistro::Criar(const QString &classe, TnAction *action, const QString &modo, TnDataModule *master,
                                const std::optional<QString> &sufixo) {
  const TnClasseInfo *info = Info(classe);
  if (!info || !info->Criar) return nullptr;
  const QString nomeClasse = info->Nome;
  const QString nomeDesign = nNomeDesign(nomeClasse);
  const bool individual = MesmoNome(modo, nModoIndividual);
  if (master && !Viva(master)) master = nullptr;

  QString sufixoEscolhido;
  if (sufixo) {
    if (Encontrar(nomeDesign + *sufixo, true))
      throw Exception(QStringLiteral("Já existe o módulo %1.").arg(nomeDesign + *sufixo));
    sufixoEscolhido = *sufixo;
  } else if (master) {
    sufixoEscolhido = SufixoLivre(nomeDesign, master->Sufixo(), false);
  } else {
    sufixoEscolhido = SufixoLivre(nomeDesign, QString(), individual);
  }

  TnDataModule *dm = info->Criar();
  if (!dm) return nullptr;
  dm->FClassName = nomeClasse;
  dm->FSufixo = sufixoEscolhido;
  dm->FModo = individual ? nModoIndividual : modo;
  dm->FMaster = master;
  dm->FAction = action;
  FInstancias.push_back(dm);
  try {
    dm->DataModuleCreate();
  } catch (...) {
    delete dm;
    throw;
  }
  return dm;
}

TnDataModule *TnRegistro::Preparar(const QString &classe, const QString &sufixo, bool criar, TnDataModule *master) {
  const TnClasseInfo *info = Info(classe);
  if (!info) return nullptr;
  if (TnDataModule *dm = Encontrar(nNomeDesign(info->Nome) + sufixo, true)) return dm;
  if (!criar) return nullptr;
  return Criar(classe, nullptr, QString(), master, sufixo);
}

TnDataModule *TnRegistro::Encontrar(const QString &nome, bool incluirIndividuais) const {
  for (TnDataModule *dm : FInstancias)
    if (!dm->FDestruindo && MesmoNome(dm->Name(), nome) && (incluirIndividuais || !dm->Individual())) return dm;
  return nullptr;
}

QList<TnDataModule *> TnRegistro::Instancias(const QString &classe) const {
  QList<TnDataModule *> lista;
  for (TnDataModule *dm : FInstancias)
    if (!dm->FDestruindo && (classe.isEmpty() || HerdaDe(dm->ClassName(), classe))) lista.append(dm);
  return lista;
}

bool TnRegistro::Viva(const TnDataModule *dm) const {
  return dm && std::find(FInstancias.begin(), FInstancias.end(), dm) != FInstancias.end();
}

void TnRegistro::Destruir(TnDataModule *dm) {
  if (!Viva(dm) || dm->FDestruindo) return;
  dm->FDestruindo = true;
  std::exception_ptr erro;
  try {
    dm->DataModuleDestroy();
  } catch (...) {
    erro = std::current_exception();
  }
  try {
    DestruirDetalhes(dm);
  } catch (...) {
    if (!erro) erro = std::current_exception();
  }
  delete dm;
  if (erro) std::rethrow_exception(erro);
}

void TnRegistro::DestruirDetalhes(TnDataModule *master) {
  std::exception_ptr erro;
  for (;;) {
    auto it = std::find_if(FInstancias.begin(), FInstancias.end(),
                           [&](const TnDataModule *dm) { return dm->FMaster == master && !dm->FDestruindo; });
    if (it == FInstancias.end()) break;
    try {
      Destruir(*it);
    } catch (...) {
      if (!erro) erro = std::current_exception();
    }
  }
  if (erro) std::rethrow_exception(erro);
}

bool TnRegistro::Destruir(const QString &classe, const QString &nome) {
  auto daClasse = [&](const TnDataModule *dm) { return !dm->FDestruindo && MesmoNome(dm->ClassName(), classe); };
  TnDataModule *alvo = nullptr;
  if (nome.isEmpty()) {
    auto it = std::find_if(FInstancias.rbegin(), FInstancias.rend(), daClasse);
    if (it != FInstancias.rend()) alvo = *it;
  } else {
    for (TnDataModule *dm : FInstancias)
      if (daClasse(dm) && MesmoNome(dm->Name(), nome)) alvo = dm;
    if (!alvo) {
      if (const TnDataModule *outro = Encontrar(nome, true)) {
        const QString nomeDetalhe = nNomeDesign(classe) + outro->Sufixo();
        for (TnDataModule *dm : FInstancias)
          if (daClasse(dm) && MesmoNome(dm->Name(), nomeDetalhe)) alvo = dm;
      }
    }
  }
  if (!alvo) return false;
  Destruir(alvo);
  return true;
}

int TnRegistro::Atualizar(const QString &classe, const QString &nome) {
  int atualizados = 0;
  for (TnDataModule *dm : Instancias(classe)) {
    if (!Viva(dm) || dm->FDestruindo) continue;  // freed by an earlier Refresh
    if (!nome.isEmpty() && !MesmoNome(dm->Name(), nome)) continue;
    dm->Refresh();
    ++atualizados;
  }
  return atualizados;
}

void TnRegistro::DestruirTodos() {
  while (!FInstancias.empty()) {
    TnDataModule *dm = FInstancias.back();
    try {
      if (dm->FDestruindo)
        Esquecer(dm);  // its own destruction is under way further up the stack
      else
        Destruir(dm);
    } catch (...) {
      // Freeing everything must go on; the error has no one left to tell.
    }
  }
}

void TnRegistro::AoDestruirModulo(TnDataModule *dm) {
  if (!GRegistroEncerrado) Instancia().Esquecer(dm);
}

void TnRegistro::Esquecer(TnDataModule *dm) {
  auto it = std::find(FInstancias.begin(), FInstancias.end(), dm);
  if (it == FInstancias.end()) return;
  FInstancias.erase(it);
  dm->FDestruindo = true;
  try {
    DestruirDetalhes(dm);
  } catch (...) {
    // Called from a destructor: nothing may escape.
  }
}

// --- the names the modules call

void nRegisterClass(const TnClasseInfo &info) { TnRegistro::Instancia().Registrar(info); }

void nUnRegisterClass(const QString &nome) { TnRegistro::Instancia().Remover(nome); }

TnDataModule *CriarDM(const QString &classe, TnAction *action, const QString &modo) {
  return TnRegistro::Instancia().Criar(classe, action, modo);
}

TnDataModule *CriarDMNovo(const QString &classe) { return TnRegistro::Instancia().Criar(classe); }

TnDataModule *PrepararDM(const QString &classe, const QString &sufixo, bool abrirForm, bool criar,
                         TnDataModule *master) {
  return TnRegistro::Instancia().Preparar(classe, sufixo, criar, master);
}

TnDataModule *FindGlobalDataModule(const QString &nome) { return TnRegistro::Instancia().Encontrar(nome, false); }

bool DestruirDM(const QString &classe, const QString &nome) { return TnRegistro::Instancia().Destruir(classe, nome); }

void nLiberarDM(TnDataModule *dm) { TnRegistro::Instancia().Destruir(dm); }

int AtualizarDM(const QString &classe, const QString &nome, int opcao) {
  return TnRegistro::Instancia().Atualizar(classe, nome);
}

void nGerarActions(TnActionList &lista, const TnOnExecute &onExecute, const TnModulos &modulos) {
  TnRegistro::Instancia().GerarActions(lista, onExecute, modulos);
}

void nExecutarActionPadrao(TnAction &action) {
  const QString nome = action.Name();
  if (!nome.startsWith(QStringLiteral("act"), Qt::CaseInsensitive)) return;
  CriarDM(nome.mid(3), &action);
}
