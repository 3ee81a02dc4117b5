// The rows of the register form: which fields get an editor row, and the
// group headers placed among them.
#include <gtest/gtest.h>

#include <memory>

#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nEditorCampo_U.h"
#include "nFraGrupoSeparador_U.h"
#include "nFrmCadastro_U.h"

namespace {

std::unique_ptr<TnClientDataSet> Dados() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("CODIGOEMPRESA"), TnFieldType::SmallInt);
  dados->AddFieldDef(QStringLiteral("NOMEEMPRESA"), TnFieldType::String, 100);
  dados->AddFieldDef(QStringLiteral("FORMA"), TnFieldType::String, 1);
  dados->AddFieldDef(QStringLiteral("OBS"), TnFieldType::String, 50);
  dados->CreateDataSet();
  dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))
      ->Definicao()
      .SetLookupResultFields({QStringLiteral("NomeEmpresa")});
  return dados;
}

QStringList Campos(const TnFrmCadastro &form) {
  QStringList nomes;
  for (const TnEditorCampo *editor : form.Editores()) nomes << editor->Campo()->FieldName();
  return nomes;
}

TEST(FrmCadastroLinhas, NameLookedUpByACodeGetsNoRowOfItsOwnWhateverTheFieldList) {
  auto dados = Dados();
  TnFrmCadastro todos(nullptr, dados.get());
  EXPECT_EQ(Campos(todos), (QStringList{"CODIGOEMPRESA", "FORMA", "OBS"}));
  TnFrmCadastro lista(nullptr, dados.get(), QStringLiteral("OBS, NOMEEMPRESA, CODIGOEMPRESA"));
  EXPECT_EQ(Campos(lista), (QStringList{"OBS", "CODIGOEMPRESA"}));
}

TEST(FrmCadastroLinhas, GroupHeaderStandsAboveItsFieldAndPushesTheRowsBelowDown) {
  auto dados = Dados();
  TnFrmCadastro form(nullptr, dados.get());
  const int topoForma = form.Editor(QStringLiteral("FORMA"))->Top();
  const int alturaArea = form.AreaCampos()->Height();
  TnFraGrupoSeparador *grupo = form.InserirGrupoSeparador(QStringLiteral("forma"), QStringLiteral("Entrega"));
  ASSERT_NE(grupo, nullptr);
  EXPECT_EQ(grupo->Caption(), QStringLiteral("Entrega"));
  EXPECT_EQ(grupo->Top(), topoForma);
  EXPECT_GE(form.Editor(QStringLiteral("FORMA"))->Top(), grupo->Top() + grupo->Height());
  EXPECT_GT(form.Editor(QStringLiteral("OBS"))->Top(), form.Editor(QStringLiteral("FORMA"))->Top());
  EXPECT_EQ(form.Editor(QStringLiteral("CODIGOEMPRESA"))->Top(), TnFrmCadastro::Margem);
  EXPECT_GT(form.AreaCampos()->Height(), alturaArea);
  EXPECT_EQ(form.GruposSeparadores(), QList<TnFraGrupoSeparador *>{grupo});
  EXPECT_EQ(form.InserirGrupoSeparador(QStringLiteral("NAOEXISTE"), QStringLiteral("X")), nullptr);
}

}  // namespace
