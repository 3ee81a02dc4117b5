#pragma once

#include <QList>
#include <QStringList>
#include <QString>
#include <functional>
#include <memory>

#include "mvoxpk_export.h"

class TnClientDataSet;
class TnField;
class TnMapperFinanceiro;

// Fills an item description template: free text in which a field name in
// square brackets ("[NOMEFUNC]") stands for a value of the source row. The
// office keeps one template per protocol type (CFGTIPOPROTOCOLO).
//
// Each family of sources (tax debits, payroll, financial documents) describes
// itself once per template and source rows:
//   - its tokens, in order, each with the value it takes (Adicionar);
//   - the rule for a result that came out empty (SetRegraVazio);
//   - the length the result is cut to (SetTamanhoMaximo; none by default);
//   - whether a failure is reported as a description failure
//     (SetFalhaDeDescricao).
// Montar then fills, from the row current when it runs (a filler serves
// every row of its listing):
//   1. the result starts as the template;
//   2. each token, in the order added, replaces every occurrence of itself in
//      the whole current result, letters compared without regard to case. A
//      value put in by an earlier token is searched by the later ones: a
//      value holding "[NOMEFUNC]" gets the name too (templates have no
//      escape, and offices rely on the order);
//   3. the empty rule, then the cut.
// Whatever no token matches (other text, unknown names, lone brackets) stays
// as typed.
//
// Only the values of tokens that occur are read: whether the template holds
// a token is decided once, when the token is added, and a token the template
// lacks is looked for again only after a value brought a bracket in. The
// shape of the rows (the columns a family reads) is checked by each family
// when it builds its filler, whatever the template says, so a statement that
// lost a column fails on the first item all the same; a value that cannot be
// read in its form (a text that is no number or date) fails only when its
// token is used.
class MVOXPK_EXPORT TmVoxMontarDescricao {
 public:
  // How a column's value is written into the text. A null value (or a
  // blank text) is the number zero in the number forms, as the suite reads
  // it everywhere ("0000"), and nothing in the text and date forms: an
  // absent date is not the zero date.
  enum class TnForma {
    // The field's text as the dataset gives it (TnField::AsString), the
    // form the office reads elsewhere in the suite: dates "dd/mm/yyyy",
    // date-times with the time left out at midnight, decimals with a comma,
    // no grouping and no trailing zeros ("1234,5"), whole numbers as digits.
    Texto,
    // Read as a whole number, at least 4 digits, zeros on the left ("0007",
    // "12345", "-0007").
    Zeros4,
    // The same with at least 6 digits.
    Zeros6,
    // Read as a date: "MM/YYYY".
    MesAno,
  };

  // When a filled result counts as empty.
  enum class TnVazio {
    SemCaracteres,  // no characters at all; blanks are text
    SoEspacos,      // nothing but spaces (or nothing)
  };

  // A value, read when the filler runs. May raise (a column missing, a text
  // that is not a number or a date).
  using TnValor = std::function<QString()>;

  explicit TmVoxMontarDescricao(QString mascara);

  // The next token (brackets included, as the template writes it in any
  // case) and its value.
  void Adicionar(const QString &token, TnValor valor);
  // The next token, taking the column's value of the row current when
  // Montar runs. The field must outlive the filler.
  void Adicionar(const QString &token, const TnField &campo, TnForma forma);

  // What an empty result becomes. The rule may read the row like a value and
  // may itself give an empty text.
  void SetRegraVazio(TnVazio criterio, TnValor regra);
  // The result keeps at most `maximo` characters; 0 keeps it whole.
  void SetTamanhoMaximo(int maximo) { FTamanhoMaximo = maximo; }
  // When set, any failure while filling raises Exception with
  // MsgFalhaDescricao(), CR LF and the failure's own text.
  void SetFalhaDeDescricao(bool envolver) { FFalhaDeDescricao = envolver; }

  // The filled description.
  QString Montar() const;

  // A column's value in one of the forms.
  static QString Formatar(const TnField &campo, TnForma forma);
  // The first `maximo` characters of `texto` (all of it when shorter),
  // never keeping half of a character written as a surrogate pair.
  static QString Cortar(const QString &texto, int maximo);
  // "Problemas ao montar a descrição!"
  static QString MsgFalhaDescricao();
  // "Geração automática": what a payroll or financial item says when its
  // template gave nothing.
  static QString MsgGeracaoAutomatica();

 private:
  struct TnPasso {
    QString Token;
    TnValor Valor;
    bool NoModelo;  // the template holds the token
  };

  QString Preencher() const;
  bool Vazio(const QString &texto) const;

  QString FMascara;
  // The template's "[...]" pieces, where its tokens can be.
  QStringList FTrechosModelo;
  QList<TnPasso> FPassos;
  TnVazio FCriterioVazio = TnVazio::SemCaracteres;
  TnValor FRegraVazio;
  int FTamanhoMaximo = 0;
  bool FFalhaDeDescricao = false;
};

// The description of a tax-debit item (federal, state, municipal, union, GPS,
// FGTS and payroll debits) from the template `mascara` and the CURRENT row of
// `dados`, the generation's debit query. The query's columns come in a fixed
// order and are read by position, each checked against its name (any case):
//   0 CODIGOEMPRESA, 1 CHAVEDEBITO, 2 CODIGOESTAB, 3 CODIGOIMPOSTO,
//   4 VARIACAOIMPOSTO, 5 DATALCTOCTR, 6 DATAFINAL, 7 VALORDEBITO,
//   8 DATAVENCIMENTO, 9 FORMADEBITO, 10 SITUACAODEBITO, 11 CODIGOTABCTBCTR,
//   12 CHAVEORIGEM, 13 CODIGOUSUARIO, 14 DATAHORADEBITO, 15 CODIGOPROTOCOLO,
//   16 DESCRIMPOSTO, 17 DESCRPROTOCOLO, and, when the row has them (tested
//   by name), 18 OBSERVDEBITO (every debit table but the union one),
//   19 CodigoFuncContr and 20 NOMEFUNC (payroll debits).
// A token whose optional column the row lacks stays in the text.
// An empty result becomes DESCRIMPOSTO; still empty, the employee
// ("0007 - Name") for a payroll debit, else "Sem descrição para o débito "
// and the company code. Cut to 100 characters. Raises Exception
// "Problemas ao montar a descrição!" CR LF + the cause when a column is
// missing, or when the value of a token the template uses cannot be read in
// its form.
MVOXPK_EXPORT QString mVoxMontarDescricaoCTR(const QString &mascara, const TnClientDataSet &dados);
// The same filler, built once for the rows of `dados` (which must outlive
// it): each Montar describes the row current then. Raises the description
// failure at once when the rows lack a column of the debit query.
MVOXPK_EXPORT std::unique_ptr<TmVoxMontarDescricao> mVoxMontadorCTR(const QString &mascara,
                                                                  const TnClientDataSet &dados);

// The description of a payroll item from the template `mascara` and the
// CURRENT row of `dados`, the generation's payroll query of protocol type
// `tipo`, its columns read by name (any case):
//   6 "Folha de Pagamento", `tipoFolha` 1 (one row per pay date and period):
//     [QUANTIDADE] "Qtde " + QUANTIDADE ("0003"); [CodigoFuncContr] and
//     [NOMEFUNC] vanish;
//   6, any other `tipoFolha` (one row per employee): [QUANTIDADE] vanishes;
//     [CodigoFuncContr] "0007"; [NOMEFUNC];
//   7 "Rescisão": [CodigoFuncContr] "0007", then the termination's columns
//     as text, [NOMEFUNC] first;
//   8 "Férias": every token the text of its column, [CodigoFuncContr] "7"
//     unpadded;
//   any other type: nothing is filled.
// An empty result (no characters at all; blanks are text) becomes "Geração
// automática". Not cut here: the item's field decides what it keeps.
// Raises when the row lacks a column its type reads.
MVOXPK_EXPORT QString mVoxMontarDescricaoFPA(const QString &mascara, int tipo, int tipoFolha,
                                             const TnClientDataSet &dados);

// The description of a financial item from the template `mascara` and the
// CURRENT row behind `fin`: for protocol type 11 (service invoices) `fin` is
// a TnMapperFinNotaFiscal, for any other type a TnMapperFinBoleto.
//   11: [CODIGOESCRIT], [SERIENS], [NUMERONS], [DATAEMISSAONS] (the issue
//     date) as text; [VISTAPRAZO] the payment term's name
//     (DescricaoVistaPrazo; none counts as 0); [CANCELADANS] "Não" for 0
//     (or none), "Sim" otherwise;
//   other: [CODIGOESCRIT], [NOSSONUMERO], [DATAEMISSAOCR] (the issue date),
//     [DATAVCTOCR] (the due date), [NUMERODCTOCR], as text.
// A result of nothing but spaces becomes "Geração automática"; any other
// keeps its spaces. Not cut here: the item's field decides what it keeps.
// Raises when the view is of the other kind or its row lacks a column.
MVOXPK_EXPORT QString mVoxMontarDescricaoFIN(const QString &mascara, int tipo, const TnMapperFinanceiro &fin);
// The same filler, built once for the rows of `dados` (which must outlive
// it). Raises at once when the rows lack a column its type reads.
MVOXPK_EXPORT std::unique_ptr<TmVoxMontarDescricao> mVoxMontadorFPA(const QString &mascara, int tipo, int tipoFolha,
                                                                  const TnClientDataSet &dados);
