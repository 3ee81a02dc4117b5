#include "mVoxPkTeste_U.h"

namespace {

using DCGrupoTipoDocTeste = TmVoxCadastroTeste;

// Ordered by group, then by type within the group, whatever the storage order.
TEST_F(DCGrupoTipoDocTeste, OpensByNameAndListsMembersByGroupThenType) {
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (2, 2)"));
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOGRUPOTIPODOC where CODIGOGRUPODOC = 1 and CODIGOTIPODOC = 1"));
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (1, 1)"));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloGrupoTipoDoc"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  QStringList linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    linhas << dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"))->AsString() + QLatin1Char('/') +
                  dados.FieldByName(QStringLiteral("CODIGOTIPODOC"))->AsString();
  EXPECT_EQ(linhas, QStringList({"1/1", "1/2", "1/3", "1/4", "2/1", "2/2", "2/3"}));
}

}  // namespace
