#include "mVoxFuncoesCadastro_U.h"

#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nException_U.h"
#include "nFuncoesDados_U.h"
#include "nSQLFuncoes_U.h"

namespace {

bool EhTexto(const TnField &campo) {
  return campo.DataType() == TnFieldType::String || campo.DataType() == TnFieldType::FixedChar ||
         campo.DataType() == TnFieldType::Memo;
}

bool Mudou(const TnField &campo) {
  const QVariant antigo = campo.OldValue();
  if (EhTexto(campo)) {
    if (antigo.isNull() != campo.IsNull()) return true;
    return antigo.toString().toUpper() != campo.AsString().toUpper();
  }
  if (antigo.isNull() || campo.IsNull()) return antigo.isNull() != campo.IsNull();
  return antigo != campo.Value();
}

}  // namespace

void mVoxAuditarRegistro(TnDMClientDataSet &dm, const QString &campoDataHora) {
  TnClientDataSet &dados = *dm.nClientDataSet;
  if (dados.State() != TnDataSetState::Insert && !HouveAlteracoes(&dados)) return;
  dados.FieldByName(QStringLiteral("CODIGOUSUARIO"))->SetAsInteger(nDMConexao()->CodigoUsuario());
  dados.FieldByName(campoDataHora)->SetAsDateTime(nDateTimeToSQLTimeStamp(nDMConexao()->Now()));
  dados.FieldByName(QStringLiteral("ORIGEMDADO"))->SetAsInteger(dm.OutraOrigem() ? 3 : 2);
}

void mVoxChecarDuplicado(TnDMClientDataSet &dm, const QString &tabela, const QString &campoChave,
                         const QStringList &colunas, const QString &mensagem, const QString &campoCodigo) {
  TnClientDataSet &dados = *dm.nClientDataSet;
  const bool inserindo = dados.State() == TnDataSetState::Insert;
  if (!inserindo && dados.State() != TnDataSetState::Edit) return;

  QStringList condicoes;
  bool mudou = false;
  for (const QString &coluna : colunas) {
    const TnField *campo = dados.FieldByName(coluna);
    condicoes << ValorParaSQL(campo, QStringLiteral("="), true);
    mudou = mudou || Mudou(*campo);
  }
  if (!inserindo && !mudou) return;
  if (!inserindo && !campoCodigo.isEmpty()) {
    const TnField *codigo = dados.FieldByName(campoCodigo);
    if (!codigo->IsNull()) condicoes << ValorParaSQL(codigo, QStringLiteral("<>"), true);
  }
  if (nDMSQLDataSet()->PegarTemRegistro(tabela, campoChave, condicoes.join(QStringLiteral(" and "))))
    throw Exception(mensagem);
}
