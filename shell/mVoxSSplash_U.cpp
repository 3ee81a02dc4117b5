#include "mVoxSSplash_U.h"

TmVoxSSplash::TmVoxSSplash() {
  setObjectName(QStringLiteral("mVoxSSplash"));
  setWindowTitle(QStringLiteral("mVoxSSplash"));
}

QStringList TmVoxSSplash::GetListaSplashItens() {
  return QStringLiteral(
             "Contabilidade;Escrita Fiscal;Folha de Pagamento;Financeiro;Patrimônio;Protocolo;"
             "Agenda Tributária;Honorários;Administração do Escritório")
      .split(QLatin1Char(';'));
}
