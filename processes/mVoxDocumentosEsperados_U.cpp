#include "mVoxDocumentosEsperados_U.h"

#include <QStringView>

#include "nException_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

bool TmVoxDocumentosEsperados::ContemMes(const QVariant &mesOcorrencia, int mes) {
  if (mesOcorrencia.isNull()) return false;
  const QString lista = mesOcorrencia.toString();
  if (lista.isEmpty()) return false;
  const QString procurado = QString::number(mes);
  for (QStringView token : QStringView(lista).split(u';'))
    if (token == procurado) return true;
  return false;
}

int TmVoxDocumentosEsperados::Passo(int periodoDoc) {
  switch (periodoDoc) {
    case 1:
      return 0;
    case 2:
      return 15;
    case 3:
      return 10;
    default:
      return -1;
  }
}

QList<QDate> TmVoxDocumentosEsperados::DatasEsperadas(const QDate &competencia, int periodoDoc,
                                                       const QVariant &mesOcorrencia) {
  const int passo = Passo(periodoDoc);
  if (passo < 0 || !competencia.isValid()) return {};
  // Every date of a period stays in its month (day 21 at most), so the month
  // test of each date is the competence's.
  if (!ContemMes(mesOcorrencia, competencia.month())) return {};
  const QDate primeiro(competencia.year(), competencia.month(), 1);
  QList<QDate> datas;
  for (int i = 0; i < periodoDoc; ++i) datas << primeiro.addDays(static_cast<qint64>(passo) * i);
  return datas;
}

bool TmVoxDocumentosEsperados::Satisfaz(int periodoDoc, const QDate &esperada, const QDate &documento) {
  const int passo = Passo(periodoDoc);
  if (passo < 0 || !esperada.isValid() || !documento.isValid()) return false;
  if (passo == 0) return esperada.year() == documento.year() && esperada.month() == documento.month();
  return qAbs(esperada.daysTo(documento)) < passo;
}

void TmVoxDocumentosEsperados::AdicionarParametros(TnpqPowerParam &params) {
  params.Adicionar({.Alias = QStringLiteral("pCompet"),
                    .Caption = QStringLiteral("Competência"),
                    .Obrigatorio = true,
                    .Posicao = 0,
                    .Dicionario = QStringLiteral("DICDATAMESANO")});
  const std::pair<const char *, const char *> selecoes[] = {{"pCodigoEmpresa", "Empresa"}, {"pCodigoEstab", "Estab"}};
  int posicao = 2;
  for (const auto &[alias, caption] : selecoes) {
    const QString chave = QString::fromLatin1(alias).mid(1).toUpper();
    params.Adicionar({.Alias = QString::fromLatin1(alias),
                      .Caption = QString::fromLatin1(caption),
                      .Posicao = posicao++,
                      .Dicionario = chave,
                      .CampoLookup = chave,
                      .MultiSelecao = true});
  }
}

QDate TmVoxDocumentosEsperados::LerCompetencia(const TnpqParamItem &compet) {
  QDate data;
  if (!compet.TryGetAsDate(data) || !data.isValid())
    throw EnParam(const_cast<TnpqParamItem *>(&compet), QStringLiteral("Competência inválida!"));
  return QDate(data.year(), data.month(), 1);
}
