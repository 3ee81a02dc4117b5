#include "mVoxPkTeste_U.h"
#include "nDefinicao_U.h"

// The lookup of document-type groups, which lives apart from the group
// register.

namespace {

using GrupoDocConsultaTeste = TmVoxCadastroTeste;

TEST_F(GrupoDocConsultaTeste, ListsTheGroupsInCodeOrder) {
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values (0, 'Avulsos')"));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  EXPECT_FALSE(dados.nLogChanges());
  QStringList linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    linhas << dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"))->AsString() + u'=' +
                  dados.FieldByName(QStringLiteral("DESCRGRUPODOC"))->AsString();
  EXPECT_EQ(linhas, (QStringList{QStringLiteral("0=Avulsos"), QStringLiteral("1=Empresas com Funcionários"),
                                 QStringLiteral("2=Escritório")}));
}

TEST_F(GrupoDocConsultaTeste, CodeIsNotTurnedIntoALookupOfItself) {
  // The dictionary key of the code names this very class as its lookup; the
  // grid's own column must keep its plain editor and link.
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  ASSERT_NE(dc, nullptr);
  const TnDefinicao &codigo = dc->nClientDataSet->FieldByName(QStringLiteral("CODIGOGRUPODOC"))->Definicao();
  EXPECT_TRUE(codigo.LookupClassName().isEmpty());
  EXPECT_NE(codigo.TipoControle(), TnTipoControle::LookupEdit);
  EXPECT_TRUE(codigo.AutoIncrementar());
}

}  // namespace
