#include "mVoxPkTeste_U.h"

namespace {

using DCHistoricoProTeste = TmVoxCadastroTeste;

// The item register reads the text and the complement flag of the chosen row.
TEST_F(DCHistoricoProTeste, OpensByNameAndShowsTheComplementFlagInCodeOrder) {
  ExecutarSQLDireto(QStringLiteral("delete from HISTORICOPRO where CODIGOHISTPRO = 1"));
  ExecutarSQLDireto(QStringLiteral(
      "insert into HISTORICOPRO (CODIGOHISTPRO, DESCRISAOHISTPRO, TEMCOMPLEMENTOHISTORICO) values (1, 'Guia', '1')"));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCHistoricoPro"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  QStringList linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    linhas << dados.FieldByName(QStringLiteral("CODIGOHISTPRO"))->AsString() + QLatin1Char(' ') +
                  dados.FieldByName(QStringLiteral("TEMCOMPLEMENTOHISTORICO"))->DisplayText();
  EXPECT_EQ(linhas, (QStringList{QStringLiteral("1 Sim"), QStringLiteral("2 Sim"), QStringLiteral("3 Não")}));
}

}  // namespace
