#include "nOPlanilha_U.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <cmath>
#include <exception>

#include "nDMPlanilha_U.h"
#include "nException_U.h"
#include "nFormatos_U.h"

namespace {

// The platform's date range: what FORMATARDATAHORA can show.
const QDate GPrimeiraData(100, 1, 1);
const QDate GUltimaData(9999, 12, 31);

bool Vazio(const QVariant &valor) { return !valor.isValid() || valor.isNull(); }

// The number a parameter holds; raises Exception when it holds none.
double Numero(const QVariant &valor) {
  if (Vazio(valor)) return 0;  // an empty cell
  switch (valor.typeId()) {
    case QMetaType::QString: {
      double numero = 0;
      if (!TryStrToFloat(valor.toString(), numero))
        throw Exception(QStringLiteral("\"%1\" não é um número.").arg(valor.toString()));
      return numero;
    }
    case QMetaType::QDate:
      return DateTimeToFloat(valor.toDate().startOfDay());
    case QMetaType::QDateTime:
      return DateTimeToFloat(valor.toDateTime());
    case QMetaType::Bool:
      return valor.toBool() ? 1 : 0;
    default: {
      bool ok = false;
      const double numero = valor.toDouble(&ok);
      if (!ok) throw Exception(QStringLiteral("Parâmetro de tipo não numérico."));
      return numero;
    }
  }
}

// The text of a parameter: a text as it stands, a number in its general form.
QString Texto(const QVariant &valor) {
  if (Vazio(valor)) return QString();
  switch (valor.typeId()) {
    case QMetaType::QString:
      return valor.toString();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
      return QString::number(valor.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
      return QString::number(valor.toULongLong());
    default:
      return FloatToStr(Numero(valor));
  }
}

// Reads the parameter at `indice`, as the sheet's numeric extraction gives it.
// False when the call has no such parameter.
bool Parametro(const TnResultadoFormula &resultado, const TnTokenFormula *token, int indice, QVariant &valor) {
  valor = QVariant();
  return resultado.ExtractNumericParameter(valor, token, indice);
}

// The second parameter as text, or the empty text when the call has fewer
// than two.
QString SegundoTexto(const TnResultadoFormula &resultado, const TnTokenFormula *token) {
  QVariant valor;
  if (resultado.GetParamsCount(token) < 2 || !Parametro(resultado, token, 1, valor)) return QString();
  return Texto(valor);
}

// The first parameter as the value to format; a call without it cannot be
// evaluated.
double ValorObrigatorio(const TnResultadoFormula &resultado, const TnTokenFormula *token) {
  QVariant valor;
  if (!Parametro(resultado, token, 0, valor)) throw Exception(QStringLiteral("Valor não informado."));
  return Numero(valor);
}

// Runs a function's body: whatever it raises becomes the value error.
template <class F>
void Avaliar(TnResultadoFormula &resultado, F &&corpo) {
  try {
    corpo();
  } catch (...) {
    resultado.SetError(nErroFormulaValor);
  }
}

void InfoDoisParametros(int &quantidade, QList<int> &tipos) {
  // Both of the sheet's kind 3: any value, evaluated before the call.
  quantidade = 2;
  tipos = {3, 3};
}

void InfoSemParametros(int &quantidade, QList<int> &tipos) {
  quantidade = 0;
  tipos.clear();
}

}  // namespace

TnDMPlanilha *PegarDM(const TnResultadoFormula &resultado) {
  try {
    const TnFormulaPlanilha *formula = resultado.Formula();
    // Cell, spreadsheet control, data module.
    TnComponentePlanilha *objeto = formula ? formula->Dono() : nullptr;
    for (int elo = 0; elo < 2 && objeto; ++elo) objeto = objeto->Owner();
    if (!objeto) return nullptr;
    auto *modulo = dynamic_cast<TnDMPlanilha *>(objeto);
    if (!modulo) throw Exception(QStringLiteral("O dono da planilha não é um módulo de planilha."));
    return modulo;
  } catch (const Exception &e) {
    throw Exception(e.message() + QStringLiteral("PegarDM"));
  } catch (const std::exception &e) {
    throw Exception(QString::fromLocal8Bit(e.what()) + QStringLiteral("PegarDM"));
  }
}

void gerEMP(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  Avaliar(resultado, [&] {
    if (TnDMPlanilha *modulo = PegarDM(resultado)) {
      modulo->EmpresaFuncao(resultado, token);
      return;
    }
    QVariant empresa;
    const QString texto =
        resultado.GetParamsCount(token) > 0 && Parametro(resultado, token, 0, empresa) ? Texto(empresa) : QString();
    resultado.AddValue(QStringLiteral("Emp(%1)").arg(texto));
  });
}

void gerPAG(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  Avaliar(resultado, [&] {
    if (TnDMPlanilha *modulo = PegarDM(resultado))
      modulo->PaginaFuncao(resultado, token);
    else
      resultado.AddValue(QStringLiteral("Pag()"));
  });
}

void FORMATARDATAHORA(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  Avaliar(resultado, [&] {
    const QString formato = SegundoTexto(resultado, token);
    const QDateTime momento = FloatToDateTime(ValorObrigatorio(resultado, token));
    if (!momento.isValid() || momento.date() < GPrimeiraData || momento.date() > GUltimaData)
      throw Exception(QStringLiteral("Data fora do intervalo."));
    resultado.AddValue(FormatDateTime(formato, momento));
  });
}

void FMTNUM(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  Avaliar(resultado, [&] {
    // Masks of the suite's reports write 9 for an optional digit.
    const QString formato = SegundoTexto(resultado, token).replace(u'9', u'#');
    resultado.AddValue(FormatFloat(formato, ValorObrigatorio(resultado, token)));
  });
}

void REPT(TnResultadoFormula &resultado, const TnTokenFormula *token) {
  Avaliar(resultado, [&] {
    QVariant valor;
    double vezes = 0;
    if (resultado.GetParamsCount(token) >= 2 && Parametro(resultado, token, 1, valor)) vezes = Numero(valor);
    if (std::isnan(vezes)) throw Exception(QStringLiteral("Quantidade inválida."));
    const QString texto = Parametro(resultado, token, 0, valor) ? Texto(valor) : QString();
    // Checked before rounding: a count beyond what a cell holds is not
    // rounded at all, and the repetition is never attempted.
    if (vezes < 0.5 || texto.isEmpty()) {
      resultado.AddValue(QString());
      return;
    }
    if (vezes > nMaxTextoCelula) throw Exception(QStringLiteral("Texto longo demais para a célula."));
    const qint64 quantidade = nArredondarBancario(vezes);
    if (quantidade * texto.size() > nMaxTextoCelula) throw Exception(QStringLiteral("Texto longo demais para a célula."));
    resultado.AddValue(texto.repeated(static_cast<int>(quantidade)));
  });
}

void nRegistrarFuncoesPlanilha() {
  static bool registradas = false;
  if (registradas) return;
  registradas = true;
  // The names are the library's translatable texts; the tokens are fixed.
  auto nome = [](const char *texto) { return QCoreApplication::translate("nOPlanilha", texto); };
  TnRepositorioFuncoesPlanilha &repositorio = *dxSpreadSheetFunctionsRepository();
  repositorio.Add(nome("gerEMP"), &gerEMP, &InfoDoisParametros, 0, 0x806, 0);
  repositorio.Add(nome("gerPAG"), &gerPAG, &InfoSemParametros, 0, 0x80B, 0);
  repositorio.Add(nome("FORMATARDATAHORA"), &FORMATARDATAHORA, &InfoDoisParametros, 0, 0x80C, 0);
  repositorio.Add(nome("FMTNUM"), &FMTNUM, &InfoDoisParametros, 0, 0x81B, 0);
  repositorio.Add(nome("REPT"), &REPT, &InfoDoisParametros, 0, 0x80D, 0);
}

namespace nUnidades {
void nOPlanilha_U_Inicializar() { nRegistrarFuncoesPlanilha(); }
// The functions stay in the repository for the life of the process.
void nOPlanilha_U_Finalizar() {}
}  // namespace nUnidades
