// Fuzz target of the description template filler: the first byte chooses
// the family (a tax debit, a payroll debit, or a payroll item of type 6, 7
// or 8 and its pay kind), the rest is the template the user typed. A
// template gives a description or the filler's own exception; a debit's
// description never passes its 100 characters.
#include <QDate>
#include <QDateTime>
#include <cstdlib>

#include "mVoxMontarDescricao_U.h"
#include "nClientDataSet_U.h"
#include "nException_U.h"
#include "nField_U.h"
#include "nFuzzEntrada_U.h"

namespace {

// One row of the generation's debit query; `folha` adds the employee.
TnClientDataSet &Debito(bool folha) {
  static TnClientDataSet *linhas[2] = {nullptr, nullptr};
  TnClientDataSet *&d = linhas[folha ? 1 : 0];
  if (d) return *d;
  d = new TnClientDataSet;
  const struct {
    const char *Nome;
    TnFieldType Tipo;
    int Tamanho;
    QVariant Valor;
  } campos[] = {
      {"CODIGOEMPRESA", TnFieldType::SmallInt, 0, 2},
      {"CHAVEDEBITO", TnFieldType::Integer, 0, 42},
      {"CODIGOESTAB", TnFieldType::SmallInt, 0, 3},
      {"CODIGOIMPOSTO", TnFieldType::Integer, 0, 10},
      {"VARIACAOIMPOSTO", TnFieldType::Integer, 0, 1},
      {"DATALCTOCTR", TnFieldType::Date, 0, QDate(2026, 3, 10)},
      {"DATAFINAL", TnFieldType::Date, 0, QDate(2026, 3, 31)},
      {"VALORDEBITO", TnFieldType::FMTBcd, 0, QStringLiteral("1234.50")},
      {"DATAVENCIMENTO", TnFieldType::Date, 0, QVariant()},
      {"FORMADEBITO", TnFieldType::Integer, 0, 2},
      {"SITUACAODEBITO", TnFieldType::SmallInt, 0, 0},
      {"CODIGOTABCTBCTR", TnFieldType::Integer, 0, 2201},
      {"CHAVEORIGEM", TnFieldType::String, 50, QStringLiteral("CTR")},
      {"CODIGOUSUARIO", TnFieldType::SmallInt, 0, 5},
      {"DATAHORADEBITO", TnFieldType::DateTime, 0, QDateTime(QDate(2026, 3, 10), QTime(14, 5, 7))},
      {"CODIGOPROTOCOLO", TnFieldType::LargeInt, 0, QVariant()},
      {"DESCRIMPOSTO", TnFieldType::String, 100, QStringLiteral("ICMS - Substituição Tributária [DATAFINAL]")},
      {"DESCRPROTOCOLO", TnFieldType::String, 100, QStringLiteral("ICMS-ST")},
      {"OBSERVDEBITO", TnFieldType::String, 100, QStringLiteral("Farinha de trigo")},
      {"CodigoFuncContr", TnFieldType::Integer, 0, 7},
      {"NOMEFUNC", TnFieldType::String, 100, QStringLiteral("Ana Paula Nogueira")},
      {"QUANTIDADE", TnFieldType::Integer, 0, 3},
  };
  const int quantos = folha ? int(std::size(campos)) : int(std::size(campos)) - 3;
  for (int i = 0; i < quantos; ++i)
    d->AddFieldDef(QString::fromLatin1(campos[i].Nome), campos[i].Tipo, campos[i].Tamanho, false,
                   campos[i].Tipo == TnFieldType::FMTBcd ? 18 : 0, campos[i].Tipo == TnFieldType::FMTBcd ? 2 : 0);
  d->CreateDataSet();
  d->Append();
  for (int i = 0; i < quantos; ++i) d->FieldByName(QString::fromLatin1(campos[i].Nome))->SetValue(campos[i].Valor);
  d->Post();
  return *d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  if (tamanho == 0) return 0;
  const uint8_t modo = dados[0];
  const QString mascara = nFuzzPartes(dados + 1, tamanho - 1, 1).at(0);
  try {
    if ((modo & 3) < 2) {
      const QString descricao = mVoxMontarDescricaoCTR(mascara, Debito(modo & 1));
      if (descricao.size() > 100 || descricao.isEmpty()) std::abort();
    } else {
      const int tipo = 6 + (modo >> 2) % 3;
      (void)mVoxMontarDescricaoFPA(mascara, tipo, (modo >> 4) & 3, Debito(true));
    }
  } catch (const Exception &) {
  }
  return 0;
}
