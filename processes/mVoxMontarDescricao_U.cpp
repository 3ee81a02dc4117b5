#include "mVoxMontarDescricao_U.h"

#include <QDate>
#include <exception>
#include <utility>

#include "cWezTipos_U.h"
#include "nClientDataSet_U.h"
#include "nException_U.h"
#include "nField_U.h"
#include "nMapperFinBoleto_U.h"
#include "nMapperFinNotaFiscal_U.h"

TmVoxMontarDescricao::TmVoxMontarDescricao(QString mascara) : FMascara(std::move(mascara)) {
  // Every "[...]" of the template, from each opening bracket to the next
  // closing one: a token, which holds no bracket inside, occurs exactly
  // where it is one of these.
  for (qsizetype i = FMascara.indexOf(u'['); i >= 0; i = FMascara.indexOf(u'[', i + 1)) {
    const qsizetype fim = FMascara.indexOf(u']', i + 1);
    if (fim < 0) break;
    FTrechosModelo.append(FMascara.mid(i, fim - i + 1));
  }
}

void TmVoxMontarDescricao::Adicionar(const QString &token, TnValor valor) {
  // An empty token would match between every two characters.
  if (token.isEmpty()) return;
  // A token with brackets inside is looked for in the whole template.
  const bool simples = token.startsWith(u'[') && token.endsWith(u']') && token.count(u'[') == 1 &&
                       token.count(u']') == 1;
  const bool noModelo = simples ? FTrechosModelo.contains(token, Qt::CaseInsensitive)
                                : FMascara.contains(token, Qt::CaseInsensitive);
  FPassos.append({token, std::move(valor), noModelo});
}

void TmVoxMontarDescricao::Adicionar(const QString &token, const TnField &campo, TnForma forma) {
  const TnField *c = &campo;
  Adicionar(token, [c, forma] { return Formatar(*c, forma); });
}

void TmVoxMontarDescricao::SetRegraVazio(TnVazio criterio, TnValor regra) {
  FCriterioVazio = criterio;
  FRegraVazio = std::move(regra);
}

QString TmVoxMontarDescricao::MsgFalhaDescricao() { return QStringLiteral("Problemas ao montar a descrição!"); }

QString TmVoxMontarDescricao::MsgGeracaoAutomatica() { return QStringLiteral("Geração automática"); }

QString TmVoxMontarDescricao::Cortar(const QString &texto, int maximo) {
  if (maximo < 0 || texto.size() <= maximo) return texto;
  qsizetype corte = maximo;
  if (corte > 0 && texto.at(corte - 1).isHighSurrogate()) --corte;
  return texto.left(corte);
}

namespace {

QString ComZeros(qint64 numero, int digitos) {
  const QString digitosNumero = QString::number(numero < 0 ? -numero : numero);
  const QString preenchido = digitosNumero.rightJustified(digitos, QLatin1Char('0'));
  return numero < 0 ? QLatin1Char('-') + preenchido : preenchido;
}

}  // namespace

QString TmVoxMontarDescricao::Formatar(const TnField &campo, TnForma forma) {
  if (forma == TnForma::Texto) return campo.IsNull() ? QString() : campo.AsString();
  // A blank text column holds no number and no date: like a null.
  const bool semValor = campo.IsNull() || (nTipoTexto(campo.DataType()) && campo.AsString().trimmed().isEmpty());
  switch (forma) {
    case TnForma::Texto:
      return campo.AsString();
    case TnForma::Zeros4:
      return ComZeros(semValor ? 0 : campo.AsLargeInt(), 4);
    case TnForma::Zeros6:
      return ComZeros(semValor ? 0 : campo.AsLargeInt(), 6);
    case TnForma::MesAno: {
      if (semValor) return {};
      const QDate data = campo.AsDate();
      if (!data.isValid())
        throw Exception(
            QStringLiteral("'%1' não é uma data válida para o campo %2.").arg(campo.AsString(), campo.FieldName()));
      return data.toString(QStringLiteral("MM/yyyy"));
    }
  }
  return {};
}

bool TmVoxMontarDescricao::Vazio(const QString &texto) const {
  if (FCriterioVazio == TnVazio::SemCaracteres) return texto.isEmpty();
  for (const QChar c : texto)
    if (c != QLatin1Char(' ')) return false;
  return true;
}

QString TmVoxMontarDescricao::Preencher() const {
  QString resultado = FMascara;
  // Until a value brings a bracket in, only the template's own tokens can
  // occur.
  bool trouxeColchete = false;
  for (const TnPasso &passo : FPassos) {
    if (!passo.NoModelo && (!trouxeColchete || !resultado.contains(passo.Token, Qt::CaseInsensitive))) continue;
    const QString valor = passo.Valor();
    resultado.replace(passo.Token, valor, Qt::CaseInsensitive);
    if (!trouxeColchete && valor.contains(QLatin1Char('['))) trouxeColchete = true;
  }
  if (FRegraVazio && Vazio(resultado)) resultado = FRegraVazio();
  return FTamanhoMaximo > 0 ? Cortar(resultado, FTamanhoMaximo) : resultado;
}

QString TmVoxMontarDescricao::Montar() const {
  if (!FFalhaDeDescricao) return Preencher();
  try {
    return Preencher();
  } catch (const Exception &e) {
    throw Exception(MsgFalhaDescricao() + QStringLiteral("\r\n") + e.message());
  } catch (const std::exception &e) {
    throw Exception(MsgFalhaDescricao() + QStringLiteral("\r\n") + QString::fromUtf8(e.what()));
  }
}

// --- Tax debits --------------------------------------------------------------

namespace {

using TnForma = TmVoxMontarDescricao::TnForma;

// One token of the debit template: the column it takes, by its place in the
// debit query and the name expected there.
struct TnTokenCTR {
  const char *Token;
  int Posicao;
  const char *Coluna;
  TnForma Forma;
};

// In filling order; COMPETENCIA is the period's end seen as a month.
constexpr TnTokenCTR kTokensCTR[] = {
    {"[CODIGOEMPRESA]", 0, "CODIGOEMPRESA", TnForma::Zeros4},
    {"[CHAVEDEBITO]", 1, "CHAVEDEBITO", TnForma::Zeros6},
    {"[CODIGOESTAB]", 2, "CODIGOESTAB", TnForma::Zeros4},
    {"[CODIGOIMPOSTO]", 3, "CODIGOIMPOSTO", TnForma::Texto},
    {"[VARIACAOIMPOSTO]", 4, "VARIACAOIMPOSTO", TnForma::Texto},
    {"[DATALCTOCTR]", 5, "DATALCTOCTR", TnForma::Texto},
    {"[DATAFINAL]", 6, "DATAFINAL", TnForma::Texto},
    {"[COMPETENCIA]", 6, "DATAFINAL", TnForma::MesAno},
    {"[VALORDEBITO]", 7, "VALORDEBITO", TnForma::Texto},
    {"[DATAVENCIMENTO]", 8, "DATAVENCIMENTO", TnForma::Texto},
    {"[FORMADEBITO]", 9, "FORMADEBITO", TnForma::Texto},
    {"[SITUACAODEBITO]", 10, "SITUACAODEBITO", TnForma::Texto},
    {"[CODIGOTABCTBCTR]", 11, "CODIGOTABCTBCTR", TnForma::Texto},
    {"[CHAVEORIGEM]", 12, "CHAVEORIGEM", TnForma::Texto},
    {"[CODIGOUSUARIO]", 13, "CODIGOUSUARIO", TnForma::Texto},
    {"[DATAHORADEBITO]", 14, "DATAHORADEBITO", TnForma::Texto},
    {"[DESCRIMPOSTO]", 16, "DESCRIMPOSTO", TnForma::Texto},
    {"[DESCRPROTOCOLO]", 17, "DESCRPROTOCOLO", TnForma::Texto},
};

// Columns only some debit tables give; their tokens are filled only when the
// row has the column.
constexpr TnTokenCTR kTokensOpcionaisCTR[] = {
    {"[OBSERVDEBITO]", 18, "OBSERVDEBITO", TnForma::Texto},
    {"[CodigoFuncContr]", 19, "CodigoFuncContr", TnForma::Zeros4},
    {"[NOMEFUNC]", 20, "NOMEFUNC", TnForma::Texto},
};

constexpr int kCodigoEmpresa = 0;
constexpr int kDescrImposto = 16;
constexpr int kCodigoFuncContr = 19;
constexpr int kNomeFunc = 20;
constexpr int kTamanhoDescricaoCTR = 100;

// The column at a place of the debit query. Checking its name turns a query
// whose column order drifted into a failure, instead of descriptions quietly
// showing another column's value.
const TnField &ColunaCTR(const TnClientDataSet &dados, int posicao, const char *coluna) {
  const QString nome = QString::fromLatin1(coluna);
  if (posicao >= dados.FieldCount() || dados.Fields(posicao)->FieldName().compare(nome, Qt::CaseInsensitive) != 0)
    throw Exception(QStringLiteral("A consulta dos débitos não tem a coluna %1 na posição %2.").arg(nome).arg(posicao));
  return *dados.Fields(posicao);
}

}  // namespace

std::unique_ptr<TmVoxMontarDescricao> mVoxMontadorCTR(const QString &mascara, const TnClientDataSet &dados) {
  auto montar = std::make_unique<TmVoxMontarDescricao>(mascara);
  montar->SetFalhaDeDescricao(true);
  montar->SetTamanhoMaximo(kTamanhoDescricaoCTR);
  try {
    // Every column is checked now, whatever the template names.
    for (const TnTokenCTR &t : kTokensCTR)
      montar->Adicionar(QString::fromLatin1(t.Token), ColunaCTR(dados, t.Posicao, t.Coluna), t.Forma);
    for (const TnTokenCTR &t : kTokensOpcionaisCTR)
      if (dados.FindField(QString::fromLatin1(t.Coluna)))
        montar->Adicionar(QString::fromLatin1(t.Token), ColunaCTR(dados, t.Posicao, t.Coluna), t.Forma);
    const TnField *imposto = &ColunaCTR(dados, kDescrImposto, "DESCRIMPOSTO");
    const TnField *empresa = &ColunaCTR(dados, kCodigoEmpresa, "CODIGOEMPRESA");
    const TnField *contrato = nullptr;
    const TnField *nome = nullptr;
    if (dados.FindField(QStringLiteral("CodigoFuncContr"))) {
      contrato = &ColunaCTR(dados, kCodigoFuncContr, "CodigoFuncContr");
      nome = &ColunaCTR(dados, kNomeFunc, "NOMEFUNC");
    }
    montar->SetRegraVazio(TmVoxMontarDescricao::TnVazio::SemCaracteres, [imposto, empresa, contrato, nome] {
      const QString descricao = TmVoxMontarDescricao::Formatar(*imposto, TnForma::Texto);
      if (!descricao.isEmpty()) return descricao;
      if (contrato)
        return TmVoxMontarDescricao::Formatar(*contrato, TnForma::Zeros4) + QStringLiteral(" - ") +
               TmVoxMontarDescricao::Formatar(*nome, TnForma::Texto);
      return QStringLiteral("Sem descrição para o débito ") + TmVoxMontarDescricao::Formatar(*empresa, TnForma::Texto);
    });
  } catch (const Exception &e) {
    throw Exception(TmVoxMontarDescricao::MsgFalhaDescricao() + QStringLiteral("\r\n") + e.message());
  }
  return montar;
}

QString mVoxMontarDescricaoCTR(const QString &mascara, const TnClientDataSet &dados) {
  return mVoxMontadorCTR(mascara, dados)->Montar();
}

// --- Payroll -----------------------------------------------------------------

namespace {

// Type 7, after the contract, in filling order: each the text of the column
// of its name.
constexpr const char *kColunasRescisao[] = {
    "NOMEFUNC",      "COMPLEMENTAR", "CODIGOCAUSA", "CODIGOSAQUE",  "TIPOAFASTSEFIP", "TIPOAFASTCAGED",
    "TIPOAFASTRAIS", "CODIGOMOTDEM", "DATARESC",    "DATAAVPREVIO", "DIASTRAB",       "DIASAVINDEN",
    "DIASAVREAV",    "DIASESTABIL",  "DIASGRATIF",  "SALFINAL",     "FGTSMESANT",     "CODIGOFPAS",
    "CODIGOOUTEMP",  "SALDOFGTS",    "REMMULTA",    "VALORMULTA",   "REMMULTARECOL",  "VALORMULTARECOL",
    "BASEINSS",      "DEDUCAO",      "FGTSRECOL",   "VALORINSS",    "REMUNRESCISAO",  "REPOSICAOVAGA",
    "AVISOPREVIO",
};

// Type 8, in filling order, the contract included: each the text of the
// column of its name.
constexpr const char *kColunasFerias[] = {
    "CodigoFuncContr",   "DATAINICIAL",   "DATAINICIALFERIAS", "DATAFINALFERIAS", "DATAABONO",      "PAGAADTO13",
    "DATAPGTO",          "DESCADTO",      "FORMAGERACAO",      "DIASDOBROFERIAS", "DIASDOBROABONO", "TIPORECIBO",
    "DATARETORNOFERIAS", "DATAAVISO",     "DATASOLICABONO",    "DIASABONO",       "DIASFERIAS",     "DIASREMUN",
    "DESCONTPARCELA",    "NUMEROPARCELA", "COMPETINICIAL",     "DIASPREMIO",      "VALOR",          "NOMEFUNC",
};

constexpr int kTipoFolha = 6;
constexpr int kTipoRescisao = 7;
constexpr int kTipoFerias = 8;
constexpr int kFolhaTotalizada = 1;

QString Token(const char *coluna) { return u'[' + QLatin1String(coluna) + u']'; }

}  // namespace

std::unique_ptr<TmVoxMontarDescricao> mVoxMontadorFPA(const QString &mascara, int tipo, int tipoFolha,
                                                      const TnClientDataSet &dados) {
  auto filler = std::make_unique<TmVoxMontarDescricao>(mascara);
  TmVoxMontarDescricao &montar = *filler;
  const auto coluna = [&dados](const char *nome) -> const TnField & { return *dados.FieldByName(QLatin1String(nome)); };
  const auto nada = [] { return QString(); };
  const auto texto = [&](const char *nome) { montar.Adicionar(Token(nome), coluna(nome), TnForma::Texto); };

  switch (tipo) {
    case kTipoFolha:
      if (tipoFolha == kFolhaTotalizada) {
        const TnField *quantidade = &coluna("QUANTIDADE");
        montar.Adicionar(Token("QUANTIDADE"), [quantidade] {
          return QStringLiteral("Qtde ") + TmVoxMontarDescricao::Formatar(*quantidade, TnForma::Zeros4);
        });
        montar.Adicionar(Token("CodigoFuncContr"), nada);
        montar.Adicionar(Token("NOMEFUNC"), nada);
      } else {
        montar.Adicionar(Token("QUANTIDADE"), nada);
        montar.Adicionar(Token("CodigoFuncContr"), coluna("CodigoFuncContr"), TnForma::Zeros4);
        texto("NOMEFUNC");
      }
      break;
    case kTipoRescisao:
      montar.Adicionar(Token("CodigoFuncContr"), coluna("CodigoFuncContr"), TnForma::Zeros4);
      for (const char *nome : kColunasRescisao) texto(nome);
      break;
    case kTipoFerias:
      for (const char *nome : kColunasFerias) texto(nome);
      break;
    default:
      break;
  }
  montar.SetRegraVazio(TmVoxMontarDescricao::TnVazio::SemCaracteres,
                       [] { return TmVoxMontarDescricao::MsgGeracaoAutomatica(); });
  return filler;
}

QString mVoxMontarDescricaoFPA(const QString &mascara, int tipo, int tipoFolha, const TnClientDataSet &dados) {
  return mVoxMontadorFPA(mascara, tipo, tipoFolha, dados)->Montar();
}

// --- Financial documents -----------------------------------------------------

namespace {

constexpr int kTipoNotaFiscal = 11;

// A column of the financial view; the view binds null when its rows lack it.
const TnField &ColunaFIN(const TnField *campo, const char *coluna) {
  if (!campo)
    throw Exception(QStringLiteral("A consulta do financeiro não tem a coluna %1.").arg(QLatin1String(coluna)));
  return *campo;
}

// The column read as a whole number; none (or blank) is 0.
qint64 InteiroFIN(const TnField &campo) {
  if (campo.IsNull() || campo.AsString().trimmed().isEmpty()) return 0;
  return campo.AsLargeInt();
}

}  // namespace

QString mVoxMontarDescricaoFIN(const QString &mascara, int tipo, const TnMapperFinanceiro &fin) {
  TmVoxMontarDescricao montar(mascara);
  const auto texto = [&](const char *token, const TnField *campo, const char *coluna) {
    montar.Adicionar(QLatin1String(token), ColunaFIN(campo, coluna), TnForma::Texto);
  };
  texto("[CODIGOESCRIT]", fin.CodigoEscrit, "CODIGOESCRIT");
  if (tipo == kTipoNotaFiscal) {
    const auto *nota = dynamic_cast<const TnMapperFinNotaFiscal *>(&fin);
    if (!nota) throw Exception(QStringLiteral("A descrição de uma nota fiscal pede a visão da nota fiscal."));
    texto("[SERIENS]", nota->SerieNS, "SERIENS");
    texto("[NUMERONS]", nota->NumeroNS, "NUMERONS");
    texto("[DATAEMISSAONS]", nota->DataEmissao, "DATAEMISSAO");
    const TnField *prazo = &ColunaFIN(nota->VistaPrazo, "VISTAPRAZO");
    montar.Adicionar(QStringLiteral("[VISTAPRAZO]"),
                     [prazo] { return DescricaoVistaPrazo(static_cast<int>(InteiroFIN(*prazo))); });
    const TnField *cancelada = &ColunaFIN(nota->CanceladaNS, "CANCELADANS");
    montar.Adicionar(QStringLiteral("[CANCELADANS]"), [cancelada] {
      return InteiroFIN(*cancelada) == 0 ? QStringLiteral("Não") : QStringLiteral("Sim");
    });
  } else {
    const auto *boleto = dynamic_cast<const TnMapperFinBoleto *>(&fin);
    if (!boleto) throw Exception(QStringLiteral("A descrição de um boleto pede a visão do boleto."));
    texto("[NOSSONUMERO]", boleto->NossoNumero, "NOSSONUMERO");
    texto("[DATAEMISSAOCR]", boleto->DataEmissao, "DATAEMISSAO");
    texto("[DATAVCTOCR]", boleto->DataVcto, "DATAVCTO");
    texto("[NUMERODCTOCR]", boleto->NumeroDctoCR, "NUMERODCTOCR");
  }
  montar.SetRegraVazio(TmVoxMontarDescricao::TnVazio::SoEspacos,
                       [] { return TmVoxMontarDescricao::MsgGeracaoAutomatica(); });
  return montar.Montar();
}
