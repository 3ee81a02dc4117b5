#include <gtest/gtest.h>

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nField_U.h"

// A cursor cloned to read other rows (grids paint every row through one)
// must show values as the original fields do.
TEST(TnFieldClone, AClonedCursorShowsValuesAsTheOriginalFields) {
  TnClientDataSet dados;
  dados.AddFieldDef(QStringLiteral("FORMAENTREGA"), TnFieldType::FixedChar, 1);
  dados.AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
  dados.CreateDataSet();
  TnField *forma = dados.FieldByName(QStringLiteral("FORMAENTREGA"));
  forma->SetDisplayLabel(QStringLiteral("Forma"));
  forma->OnGetText = [](const TnField &campo, bool) {
    return campo.AsString() == QLatin1String("2") ? QStringLiteral("Entregue em Mãos") : campo.AsString();
  };
  dados.FieldByName(QStringLiteral("VALOR"))->SetDisplayFormat(QStringLiteral("#,##0.00"));
  dados.Append();
  forma->SetAsString(QStringLiteral("2"));
  dados.FieldByName(QStringLiteral("VALOR"))->SetAsString(QStringLiteral("1234,5"));
  dados.Post();

  TnClientDataSet clone;
  clone.CloneCursor(&dados, false);
  clone.First();
  EXPECT_EQ(clone.FieldByName(QStringLiteral("FORMAENTREGA"))->DisplayText(), QStringLiteral("Entregue em Mãos"));
  EXPECT_EQ(clone.FieldByName(QStringLiteral("FORMAENTREGA"))->DisplayLabel(), QStringLiteral("Forma"));
  EXPECT_EQ(clone.FieldByName(QStringLiteral("VALOR"))->DisplayText(), QStringLiteral("1.234,50"));
}
