#include "nFraCtrlNDLinkEdit_U.h"

#include "nDMConexao_U.h"
#include "npqParamItem_U.h"

TnFraCtrlNDLinkEdit::TnFraCtrlNDLinkEdit(TnpqParamItem *item) : TnFraCtrlNDLink(item) {}

TnFraCtrlNDLinkEdit::~TnFraCtrlNDLinkEdit() = default;

void TnFraCtrlNDLinkEdit::AtualizarDescricao() {
  FDescricao.clear();
  const TnpqParamItem *item = Item();
  QVariant valor;
  if (item->CampoDescricaoLink().isEmpty() || !ValorDaChave(valor)) return;
  // The name column may be an expression of the dictionary (a nickname or,
  // without one, the name); it is the program's text.
  QSqlQuery consulta =
      nDMConexao()->Executar(QStringLiteral("select %1 from %2 where %3 = :pCodigo")
                                 .arg(item->CampoDescricaoLink(), item->TabelaLink(), item->CampoLink()),
                             {valor});
  if (consulta.next()) FDescricao = consulta.value(0).toString();
}

void TnFraCtrlNDLinkEdit::Sair() {
  AtualizarDescricao();
  TnFraCtrlNDLink::Sair();
}
