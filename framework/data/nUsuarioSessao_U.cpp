#include "nUsuarioSessao_U.h"

#include <QSqlQuery>
#include <QVariant>

#include "nDMConexao_U.h"
#include "nException_U.h"

int nUsuarioInicial(TnDMConexao &conexao, std::optional<int> pedido) {
  if (pedido) {
    QSqlQuery consulta =
        conexao.Executar(QStringLiteral("select count(*) from USUARIO where CODIGOUSUARIO = :CODIGO"), {*pedido});
    if (!consulta.next() || consulta.value(0).toInt() == 0)
      throw Exception(QStringLiteral("O usuário %1 não está cadastrado.").arg(*pedido));
    return *pedido;
  }
  QSqlQuery consulta = conexao.Executar(QStringLiteral("select min(CODIGOUSUARIO) from USUARIO"));
  if (consulta.next() && !consulta.value(0).isNull()) return consulta.value(0).toInt();
  return 1;
}
