#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nInserirOuAtualizarJobCadastroPadrao_U.h"
#include "nSQLFuncoes_U.h"

namespace {

class JobCadastroTest : public TnBancoTeste {};

}  // namespace

TEST_F(JobCadastroTest, TheStandardJobsAreInsertedOnceAndActive) {
  TnInserirOuAtualizarJobCadastroPadrao::Executar();
  TnInserirOuAtualizarJobCadastroPadrao::Executar();
  const auto jobs = TnInserirOuAtualizarJobCadastroPadrao::JobsPadrao();
  ASSERT_GE(jobs.size(), 2);
  EXPECT_EQ(Contar(QStringLiteral("JOBCADASTRO")), jobs.size());
  EXPECT_EQ(Contar(QStringLiteral("JOBCADASTRO"), QStringLiteral("ATIVO = '1'")), jobs.size());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRJOB from JOBCADASTRO where NOMEJOB = :n"), {jobs.first().Nome}),
            QVariant(jobs.first().Descricao));
}

TEST_F(JobCadastroTest, ARunMendsTheDescriptionOfAJobAndLeavesItsActiveFlagAndOtherJobsAlone) {
  TnInserirOuAtualizarJobCadastroPadrao::Executar();
  const auto jobs = TnInserirOuAtualizarJobCadastroPadrao::JobsPadrao();
  ExecutarSQLDireto(QStringLiteral("update JOBCADASTRO set DESCRJOB = 'antiga', ATIVO = '0' where NOMEJOB = :n"),
                    {jobs.first().Nome});
  ExecutarSQLDireto(
      QStringLiteral("insert into JOBCADASTRO (NOMEJOB, DESCRJOB, ATIVO) values ('DOESCRITORIO', "
                     "'Rotina do escritório', '1')"));
  TnInserirOuAtualizarJobCadastroPadrao::Executar();
  EXPECT_EQ(Valor(QStringLiteral("select DESCRJOB from JOBCADASTRO where NOMEJOB = :n"), {jobs.first().Nome}),
            QVariant(jobs.first().Descricao));
  EXPECT_EQ(Valor(QStringLiteral("select ATIVO from JOBCADASTRO where NOMEJOB = :n"), {jobs.first().Nome}),
            QVariant(QStringLiteral("0")));
  EXPECT_EQ(Contar(QStringLiteral("JOBCADASTRO")), jobs.size() + 1);
}
