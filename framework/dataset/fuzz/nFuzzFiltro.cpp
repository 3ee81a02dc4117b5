// Fuzz target of the client filter language: the first line is the filter,
// applied to a dataset of every kind of field (a row of values, a row of
// nulls); the first byte chooses case-insensitive texts. A filter either
// applies or is refused with the framework's exception; the rows it passes
// are rows of the dataset.
#include <QDate>
#include <QDateTime>
#include <cstdlib>

#include "nClientDataSet_U.h"
#include "nException_U.h"
#include "nField_U.h"
#include "nFuzzEntrada_U.h"

namespace {

TnClientDataSet &Dados() {
  static TnClientDataSet *dados = [] {
    auto *d = new TnClientDataSet;
    d->AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
    d->AddFieldDef(QStringLiteral("GRANDE"), TnFieldType::LargeInt);
    d->AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 40);
    d->AddFieldDef(QStringLiteral("Nome do Campo"), TnFieldType::String, 10);
    d->AddFieldDef(QStringLiteral("DATA"), TnFieldType::Date);
    d->AddFieldDef(QStringLiteral("MOMENTO"), TnFieldType::DateTime);
    d->AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
    d->AddFieldDef(QStringLiteral("TAXA"), TnFieldType::Float);
    d->AddFieldDef(QStringLiteral("ATIVO"), TnFieldType::Boolean);
    d->CreateDataSet();
    d->Append();
    d->FieldByName(QStringLiteral("CODIGO"))->SetValue(12);
    d->FieldByName(QStringLiteral("GRANDE"))->SetValue(qint64(3000000000));
    d->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("D'Ávila ção"));
    d->FieldByName(QStringLiteral("Nome do Campo"))->SetValue(QStringLiteral("x"));
    d->FieldByName(QStringLiteral("DATA"))->SetValue(QDate(2026, 11, 30));
    d->FieldByName(QStringLiteral("MOMENTO"))->SetValue(QDateTime(QDate(2026, 11, 30), QTime(9, 30)));
    d->FieldByName(QStringLiteral("VALOR"))->SetValue(QStringLiteral("1234.50"));
    d->FieldByName(QStringLiteral("TAXA"))->SetValue(0.5);
    d->FieldByName(QStringLiteral("ATIVO"))->SetValue(true);
    d->Post();
    d->Append();
    d->Post();
    return d;
  }();
  return *dados;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
  if (tamanho == 0) return 0;
  const bool semCaixa = dados[0] & 1;
  const QString filtro = nFuzzPartes(dados + 1, tamanho - 1, 1).at(0);
  TnClientDataSet &d = Dados();
  try {
    d.SetFiltered(false);
    d.SetFilterCaseInsensitive(semCaixa);
    d.SetFilter(filtro);
    d.SetFiltered(true);
    int linhas = 0;
    for (d.First(); !d.Eof(); d.Next()) ++linhas;
    if (linhas > 2 || linhas != d.RecordCount()) std::abort();
  } catch (const Exception &) {
    // Refused with a reason: what a user's typo gets.
  }
  try {
    d.SetFiltered(false);
    d.SetFilter(QString());
  } catch (const Exception &) {
    std::abort();  // taking a filter off never fails
  }
  return 0;
}
