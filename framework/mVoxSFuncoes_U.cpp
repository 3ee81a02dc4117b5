#include "mVoxSFuncoes_U.h"

#include "nDMConexao_U.h"
#include "nException_U.h"

#include <QSqlQuery>

namespace {

const QString kCondicaoEstab = QStringLiteral("CODIGOEMPRESA = :empresa and CODIGOESTAB = :estab");

// The first column of the first row; null when there is none.
QVariant Ler(const QString &sql, int empresa, int estab) {
  QSqlQuery consulta = nDMConexao()->Executar(sql, {empresa, estab});
  return consulta.next() ? consulta.value(0) : QVariant();
}

}  // namespace

bool ChecarConfiguracaoPro(int empresa, int estab) {
  return Ler(QStringLiteral("select count(*) from CFGESTABPRO where ") + kCondicaoEstab, empresa, estab).toLongLong() >
         0;
}

void ChecarConfigurarEmpPro(int empresa, int estab) {
  if (!ChecarConfiguracaoPro(empresa, estab)) throw Exception(QStringLiteral("Filial não configurada no Protocolo."));
}

QString PegarFormaEntrega(int empresa, int estab) {
  return Ler(QStringLiteral("select FORMAENTREGA from CFGESTABPRO where ") + kCondicaoEstab, empresa, estab)
      .toString()
      .trimmed();
}
