#include "nListasEmpresa_U.h"

#include "nSQLFuncoes_U.h"

namespace {

// The selection's conditions, each led by its conjunction.
QString Selecao(const QString &empresas, const QString &estabs) {
  return FilterInterval(QStringLiteral("E.CODIGOEMPRESA"), empresas) +
         FilterInterval(QStringLiteral("S.CODIGOESTAB"), estabs);
}

}  // namespace

std::unique_ptr<TnClientDataSet> CriarListaEmpresaEstab(const QString &empresas, const QString &estabs) {
  const QString sql =
      QStringLiteral(
          "select E.CODIGOEMPRESA as CODIGOEMPRESA, S.CODIGOESTAB as CODIGOESTAB, "
          "E.NOMEEMPRESA as NOMEEMPRESA, coalesce(nullif(S.APELIDOESTAB, ''), S.NOMEESTAB) as APELIDOESTAB "
          "from EMPRESA E join ESTAB S on S.CODIGOEMPRESA = E.CODIGOEMPRESA where 1 = 1") +
      Selecao(empresas, estabs) + QStringLiteral(" order by E.CODIGOEMPRESA, S.CODIGOESTAB");
  return ExecutarSQL(sql);
}

std::unique_ptr<TnClientDataSet> CriarListaEstabAtiva(const QString &empresas, const QString &estabs,
                                                      const QDate &compIni, const QDate &compFim) {
  QString sql = QStringLiteral(
                    "select E.CODIGOEMPRESA as CodigoEmpresa, S.CODIGOESTAB as CodigoEstab, "
                    "E.NOMEEMPRESA as NomeEmpresa, coalesce(nullif(S.APELIDOESTAB, ''), S.NOMEESTAB) as "
                    "\"ApelidoEstab\" "
                    "from EMPRESA E join ESTAB S on S.CODIGOEMPRESA = E.CODIGOEMPRESA where E.ATIVA = '1'") +
                Selecao(empresas, estabs);
  QVariantList valores;
  if (compFim.isValid()) {
    sql += QStringLiteral(" and (S.DATAINICIOATIV is null or S.DATAINICIOATIV <= :pCompetFinal)");
    valores << compFim;
  }
  if (compIni.isValid()) {
    sql += QStringLiteral(" and (S.DATAFIMATIV is null or S.DATAFIMATIV >= :pCompetInicial)");
    valores << compIni;
  }
  sql += QStringLiteral(" order by E.CODIGOEMPRESA, S.CODIGOESTAB");
  return ExecutarSQL(sql, valores);
}

std::unique_ptr<TnClientDataSet> CriarListaEstabAtiva(const QString &empresas, const QString &estabs,
                                                      const QDateTime &compIni, const QDateTime &compFim) {
  return CriarListaEstabAtiva(empresas, estabs, compIni.isValid() ? compIni.date() : QDate(),
                              compFim.isValid() ? compFim.date() : QDate());
}
