#include "mVoxDCProtocoloRota_U.h"
#include "mVoxPkTeste_U.h"

namespace {

using DCRotaTeste = TmVoxCadastroTeste;

TEST_F(DCRotaTeste, OpensWithTheRoutesInCodeOrder) {
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (2, 'Minas Gerais')"));
  TnDMClientDataSet *dm = Criar(QStringLiteral("TmVoxDCProtocoloRota"));
  ASSERT_NE(dm, nullptr);
  TnClientDataSet &dados = *dm->nClientDataSet;
  ASSERT_EQ(dados.RecordCount(), 2);
  dados.First();
  EXPECT_EQ(dados.FieldByName(QStringLiteral("DESCRROTA"))->AsString(), QStringLiteral("São Paulo e Campinas"));
  dados.Last();
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOROTA"))->AsInteger(), 2);
}

}  // namespace
