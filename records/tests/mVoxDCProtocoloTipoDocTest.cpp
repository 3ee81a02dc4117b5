#include "mVoxPkTeste_U.h"

namespace {

using DCTipoDocTeste = TmVoxCadastroTeste;

// Type 2 is written again so that it is stored last: the lookup must still
// list it in code order.
TEST_F(DCTipoDocTeste, OpensByNameAndListsTheTypesInCodeOrder) {
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOGRUPOTIPODOC where CODIGOTIPODOC = 2"));
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOTIPODOC where CODIGOTIPODOC = 2"));
  ExecutarSQLDireto(QStringLiteral(
      "insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, GERARAUTO, PERIODODOC, "
      "GERARENVELOPE) values (2, 'Recibos', 30, '0', 0, '0')"));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloTipoDoc"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  QStringList linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    linhas << dados.FieldByName(QStringLiteral("CODIGOTIPODOC"))->AsString() + QLatin1Char('=') +
                  dados.FieldByName(QStringLiteral("DESCRTIPODOC"))->AsString();
  EXPECT_EQ(linhas, (QStringList{QStringLiteral("1=Guias de Impostos"), QStringLiteral("2=Recibos"),
                                 QStringLiteral("3=Balancete Trimestral"), QStringLiteral("4=Extratos Bancários")}));
}

}  // namespace
