#include "nInserirOuAtualizarJobCadastroPadrao_U.h"

#include <QSqlQuery>

#include "nDMConexao_U.h"

QList<TnJobCadastro> TnInserirOuAtualizarJobCadastroPadrao::JobsPadrao() {
  return {
      {QStringLiteral("ATUALIZAREMPRESAS"), QStringLiteral("Atualização do cadastro de empresas")},
      {QStringLiteral("ATUALIZARFILIAIS"), QStringLiteral("Atualização do cadastro de filiais")},
      {QStringLiteral("ATUALIZARUSUARIOS"), QStringLiteral("Atualização do cadastro de usuários")},
  };
}

void TnInserirOuAtualizarJobCadastroPadrao::Executar(QObject *) {
  TnDMConexao *conexao = nDMConexao();
  TnTransacao transacao(conexao);
  for (const TnJobCadastro &job : JobsPadrao()) {
    QSqlQuery existe =
        conexao->Executar(QStringLiteral("select count(*) from JOBCADASTRO where NOMEJOB = :pNomeJob"), {job.Nome});
    if (existe.next() && existe.value(0).toLongLong() > 0) {
      conexao->Executar(QStringLiteral("update JOBCADASTRO set DESCRJOB = :pDescrJob where NOMEJOB = :pNomeJob"),
                        {job.Descricao, job.Nome});
    } else {
      conexao->Executar(QStringLiteral("insert into JOBCADASTRO (NOMEJOB, DESCRJOB, ATIVO) values (:pNomeJob, "
                                       ":pDescrJob, '1')"),
                        {job.Nome, job.Descricao});
    }
  }
  transacao.Commit();
}
