#include "nFalhaInjetada_U.h"

#include "nException_U.h"

namespace {

// A statement that writes, or begins or ends a transaction (which run at
// depth 0). Reads outside a transaction, before a save or after it, are no
// part of it.
bool Escrita(const QString &sql) {
  const QString inicio = sql.trimmed().section(u' ', 0, 0).toLower();
  return inicio == QLatin1String("begin") || inicio == QLatin1String("commit") || inicio == QLatin1String("insert") ||
         inicio == QLatin1String("update") || inicio == QLatin1String("delete");
}

}  // namespace

TnFalhaInjetada::TnFalhaInjetada(int falhar, TnDMConexao &conexao) : FConexao(conexao), FFalhar(falhar) {
  FConexao.SetAntesDeExecutar([this](const QString &sql) {
    if (!FConexao.EmTransacao() && !Escrita(sql)) return;
    if (++FContadas != FFalhar) return;
    FDisparou = true;
    FInstrucao = sql;
    throw EDatabaseError(Mensagem(FContadas), sql, TnTipoErroBanco::Outro, QStringLiteral("falha injetada"));
  });
}

TnFalhaInjetada::~TnFalhaInjetada() { FConexao.SetAntesDeExecutar(nullptr); }

QString TnFalhaInjetada::Mensagem(int numero) {
  return QStringLiteral("O banco de dados recusou a operação (falha simulada na instrução %1).").arg(numero);
}
