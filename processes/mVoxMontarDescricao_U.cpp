#include "mVoxMontarDescricao_U.h"

#include <QDate>
#include <exception>
#include <utility>

#include "nClientDataSet_U.h"
#include "nException_U.h"
#include "nField_U.h"

TmVoxMontarDescricao::TmVoxMontarDescricao(QString mascara) : FMascara(std::move(mascara)) {}

void TmVoxMontarDescricao::Adicionar(const QString &token, TnValor valor) {
  // An empty token would match between every two characters.
  if (token.isEmpty()) return;
  FPassos.append({token, std::move(valor)});
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

namespace {

QString ComZeros(qint64 numero, int digitos) {
  const QString digitosNumero = QString::number(numero < 0 ? -numero : numero);
  const QString preenchido = digitosNumero.rightJustified(digitos, QLatin1Char('0'));
  return numero < 0 ? QLatin1Char('-') + preenchido : preenchido;
}

}  // namespace

QString TmVoxMontarDescricao::Formatar(const TnField &campo, TnForma forma) {
  if (campo.IsNull()) return {};
  if (forma == TnForma::Texto) return campo.AsString();
  // A blank text column holds no number and no date: like a null.
  if (nTipoTexto(campo.DataType()) && campo.AsString().trimmed().isEmpty()) return {};
  switch (forma) {
    case TnForma::Texto:
      return campo.AsString();
    case TnForma::Zeros4:
      return ComZeros(campo.AsLargeInt(), 4);
    case TnForma::Zeros6:
      return ComZeros(campo.AsLargeInt(), 6);
    case TnForma::MesAno: {
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
  for (const TnPasso &passo : FPassos) resultado.replace(passo.Token, passo.Valor(), Qt::CaseInsensitive);
  if (FRegraVazio && Vazio(resultado)) resultado = FRegraVazio();
  if (FTamanhoMaximo > 0 && resultado.size() > FTamanhoMaximo) {
    qsizetype corte = FTamanhoMaximo;
    // Never keep half of a character written as a surrogate pair.
    if (resultado.at(corte - 1).isHighSurrogate()) --corte;
    resultado.truncate(corte);
  }
  return resultado;
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

const char *NomeColunaCTR(int posicao) {
  for (const TnTokenCTR &t : kTokensCTR)
    if (t.Posicao == posicao) return t.Coluna;
  for (const TnTokenCTR &t : kTokensOpcionaisCTR)
    if (t.Posicao == posicao) return t.Coluna;
  return "";
}

QString ValorCTR(const TnClientDataSet &dados, int posicao, TnForma forma) {
  return TmVoxMontarDescricao::Formatar(ColunaCTR(dados, posicao, NomeColunaCTR(posicao)), forma);
}

}  // namespace

QString mVoxMontarDescricaoCTR(const QString &mascara, const TnClientDataSet &dados) {
  const TnClientDataSet *d = &dados;
  TmVoxMontarDescricao montar(mascara);
  montar.SetFalhaDeDescricao(true);
  montar.SetTamanhoMaximo(kTamanhoDescricaoCTR);

  for (const TnTokenCTR &t : kTokensCTR)
    montar.Adicionar(QString::fromLatin1(t.Token), [d, t] { return ValorCTR(*d, t.Posicao, t.Forma); });
  for (const TnTokenCTR &t : kTokensOpcionaisCTR)
    if (dados.FindField(QString::fromLatin1(t.Coluna)))
      montar.Adicionar(QString::fromLatin1(t.Token), [d, t] { return ValorCTR(*d, t.Posicao, t.Forma); });

  montar.SetRegraVazio(TmVoxMontarDescricao::TnVazio::SemCaracteres, [d] {
    const QString imposto = ValorCTR(*d, kDescrImposto, TnForma::Texto);
    if (!imposto.isEmpty()) return imposto;
    if (d->FindField(QStringLiteral("CodigoFuncContr")))
      return ValorCTR(*d, kCodigoFuncContr, TnForma::Zeros4) + QStringLiteral(" - ") +
             ValorCTR(*d, kNomeFunc, TnForma::Texto);
    return QStringLiteral("Sem descrição para o débito ") + ValorCTR(*d, kCodigoEmpresa, TnForma::Texto);
  });
  return montar.Montar();
}
