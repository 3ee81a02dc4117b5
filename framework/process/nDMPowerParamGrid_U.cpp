#include "nDMPowerParamGrid_U.h"

#include <QSqlQuery>

#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nRegistro_U.h"
#include "nSQLParametros_U.h"

TnDMPowerParamGrid::TnDMPowerParamGrid() { SetDBGridReadOnly(true); }

TnDMPowerParamGrid::~TnDMPowerParamGrid() = default;

void TnDMPowerParamGrid::Executar() {
  TnDMPowerParam::Executar();
  if (FSQLConsulta.trimmed().isEmpty()) return;
  const TnSQLParametros parametros(FSQLConsulta);
  QVariantList valores;
  for (const QString &nome : parametros.Nomes()) {
    const TnpqParamItem *item = npqPowerParam().FindParam(nome);
    if (!item)
      throw Exception(QStringLiteral("A consulta de %1 usa o parâmetro %2, que o processo não tem.").arg(Name(), nome));
    valores << item->GetAsVariant();
  }
  QSqlQuery consulta = nDMConexao()->Executar(FSQLConsulta, valores);
  nClientDataSet().CarregarDaQuery(consulta);
  nClientDataSet().First();
  // A grid bound before the select ran had no fields to show.
  if (TnDBGridEh *grid = nDBGrid(); grid && grid->ColumnCount() == 0) grid->CriarColunas();
}
