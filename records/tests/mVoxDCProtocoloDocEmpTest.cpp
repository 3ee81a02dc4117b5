#include <QDate>

#include "mVoxDCProtocoloDocEmp_U.h"
#include "mVoxPkTeste_U.h"

namespace {

class DCDocEmpTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int doc : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                       "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values "
                                       "(:c, 1, 2, :e, :d, :s, '0')"),
                        {doc, doc, QDate(2026, 11, 10 * doc), QStringLiteral("Guias %1").arg(doc)});
  }
};

// The statement's columns are written with blanks after "t_t.": every engine
// must still give the fields their plain names.
TEST_F(DCDocEmpTeste, OddlySpacedStatementOpensWithPlainFieldNames) {
  TnDMClientDataSet *dm = Criar(QStringLiteral("TmVoxDCProtocoloDocEmp"));
  ASSERT_NE(dm, nullptr);
  TnClientDataSet &dados = *dm->nClientDataSet;
  ASSERT_EQ(dados.RecordCount(), 2);
  ASSERT_NE(dados.FindField(QStringLiteral("CODIGOESTAB")), nullptr);
  ASSERT_NE(dados.FindField(QStringLiteral("DESCRDOCEMP")), nullptr);
  dados.Last();
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGODOCEMP"))->AsLargeInt(), 2);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger(), 2);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("DESCRDOCEMP"))->AsString(), QStringLiteral("Guias 2"));
}

// The launch date is not among the columns shown, yet the period applies.
TEST_F(DCDocEmpTeste, SessionLaunchPeriodLimitsTheDocumentsOffered) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MENORIGUAL"), QDate(2026, 11, 15));
  TnDMClientDataSet *dm = Criar(QStringLiteral("TmVoxDCProtocoloDocEmp"));
  ASSERT_NE(dm, nullptr);
  ASSERT_EQ(dm->nClientDataSet->RecordCount(), 1);
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"))->AsLargeInt(), 1);
}

}  // namespace
