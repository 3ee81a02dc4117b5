#include "nPlanilha_U.h"

#include "nException_U.h"

TnComponentePlanilha::~TnComponentePlanilha() = default;

TnFormulaPlanilha::~TnFormulaPlanilha() = default;

TnResultadoFormula::~TnResultadoFormula() = default;

int TnResultadoFormula::GetParamsCount(const TnTokenFormula *token) const {
  return token ? static_cast<int>(token->Parametros.size()) : 0;
}

bool TnResultadoFormula::ExtractNumericParameter(QVariant &valor, const TnTokenFormula *token, int indice) const {
  if (!token || indice < 0 || indice >= token->Parametros.size()) return false;
  valor = token->Parametros.at(indice);
  return true;
}

void TnResultadoFormula::AddValue(const QVariant &valor) { FValor = valor; }

void TnResultadoFormula::SetError(int codigo) { FErro = codigo; }

TnRepositorioFuncoesPlanilha::TnRepositorioFuncoesPlanilha() = default;

TnRepositorioFuncoesPlanilha::~TnRepositorioFuncoesPlanilha() = default;

void TnRepositorioFuncoesPlanilha::Add(const QString &nome, TnProcAvaliarFormula avaliar,
                                       TnProcInfoParametros infoParametros, int tipoResultado, int token,
                                       int tipoFuncao) {
  if (nome.trimmed().isEmpty() || !avaliar)
    throw Exception(QStringLiteral("Função de planilha sem nome ou sem avaliação não pode ser registrada."));
  TnFuncaoPlanilha funcao{nome.trimmed(), std::move(avaliar), std::move(infoParametros), tipoResultado,
                          token,          tipoFuncao};
  for (TnFuncaoPlanilha &existente : FFuncoes)
    if (existente.Nome.compare(funcao.Nome, Qt::CaseInsensitive) == 0) {
      existente = std::move(funcao);
      return;
    }
  FFuncoes.append(std::move(funcao));
}

const TnFuncaoPlanilha *TnRepositorioFuncoesPlanilha::Encontrar(const QString &nome) const {
  for (const TnFuncaoPlanilha &funcao : FFuncoes)
    if (funcao.Nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0) return &funcao;
  return nullptr;
}

const TnFuncaoPlanilha *TnRepositorioFuncoesPlanilha::EncontrarPorToken(int token) const {
  for (const TnFuncaoPlanilha &funcao : FFuncoes)
    if (funcao.Token == token) return &funcao;
  return nullptr;
}

QStringList TnRepositorioFuncoesPlanilha::Nomes() const {
  QStringList nomes;
  for (const TnFuncaoPlanilha &funcao : FFuncoes) nomes << funcao.Nome;
  return nomes;
}

bool TnRepositorioFuncoesPlanilha::Avaliar(const QString &nome, TnResultadoFormula &resultado,
                                           const TnTokenFormula *token) const {
  const TnFuncaoPlanilha *funcao = Encontrar(nome);
  if (!funcao) return false;
  // A copy: the evaluation may register functions.
  const TnProcAvaliarFormula avaliar = funcao->Avaliar;
  avaliar(resultado, token);
  return true;
}

TnRepositorioFuncoesPlanilha *dxSpreadSheetFunctionsRepository() {
  static TnRepositorioFuncoesPlanilha repositorio;
  return &repositorio;
}
