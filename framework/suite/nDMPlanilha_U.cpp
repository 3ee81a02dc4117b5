#include "nDMPlanilha_U.h"

#include <cmath>

#include "nClasseInfo_U.h"
#include "nDMSQLDataSet_U.h"
#include "nException_U.h"
#include "nRegistro_U.h"

namespace {

// A parameter read as a whole number: numbers whole, texts of digits.
int Inteiro(const QVariant &valor, const QString &nome) {
  bool ok = false;
  int n = 0;
  if (valor.typeId() == QMetaType::QString) {
    n = valor.toString().trimmed().toInt(&ok);
  } else {
    const double d = valor.toDouble(&ok);
    ok = ok && std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 2147483648.0;
    n = ok ? static_cast<int>(d) : 0;
  }
  if (!ok) throw Exception(QStringLiteral("Valor inválido para %1: %2").arg(nome, valor.toString()));
  return n;
}

}  // namespace

TnDMPlanilha::TnDMPlanilha() = default;

TnDMPlanilha::~TnDMPlanilha() = default;

void TnDMPlanilha::SetPagina(int pagina, int total) {
  FPagina = pagina;
  FTotalPaginas = total;
}

void TnDMPlanilha::EmpresaFuncao(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  int codigo = FCodigoEmpresa;
  QVariant valor;
  if (resultado.GetParamsCount(token) > 0 && resultado.ExtractNumericParameter(valor, token, 0) && !valor.isNull() &&
      !valor.toString().trimmed().isEmpty()) {
    const int dado = Inteiro(valor, QStringLiteral("a empresa"));
    if (dado != 0) codigo = dado;
  }
  bool comCodigo = false;
  if (resultado.GetParamsCount(token) > 1 && resultado.ExtractNumericParameter(valor, token, 1) && !valor.isNull() &&
      !valor.toString().trimmed().isEmpty())
    comCodigo = Inteiro(valor, QStringLiteral("a forma")) == 1;
  if (codigo <= 0) throw Exception(QStringLiteral("Empresa não informada."));
  const QVariant nome = nDMSQLDataSet()->PegarValorCampo(QStringLiteral("EMPRESA"), QStringLiteral("NOMEEMPRESA"),
                                                         QStringLiteral("CODIGOEMPRESA = %1").arg(codigo));
  if (nome.isNull()) throw Exception(QStringLiteral("Empresa %1 não cadastrada.").arg(codigo));
  resultado.AddValue(comCodigo ? QStringLiteral("%1 - %2").arg(codigo).arg(nome.toString()) : nome.toString());
}

void TnDMPlanilha::PaginaFuncao(TnResultadoFormula &resultado, const TnTokenFormula *) {
  resultado.AddValue(FTotalPaginas > 0 ? QStringLiteral("Página %1 de %2").arg(FPagina).arg(FTotalPaginas)
                                       : QStringLiteral("Página %1").arg(FPagina));
}
