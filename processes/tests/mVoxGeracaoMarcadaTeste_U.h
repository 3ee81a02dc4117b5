#pragma once

// "Gerar Protocolo" as a user runs it before saving: November's debits of
// the types listed, every proposal marked.

#include <QString>

#include "mVoxDPGerarProtocolo_U.h"
#include "nClientDataSet_U.h"
#include "nException_U.h"
#include "nField_U.h"
#include "nRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

// The process created by name, run and marked; the error its run raised in
// `erro` (empty when none). Null when the class is not registered.
inline TmVoxDPGerarProtocolo *GeracaoMarcada(const QString &tipos, const QString &empresas, const QString &tipoFolha,
                                             QString &erro) {
  auto *processo = dynamic_cast<TmVoxDPGerarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPGerarProtocolo")));
  if (!processo) return nullptr;
  auto p = [processo](const char *nome) { return processo->npqPowerParam().Param(QLatin1String(nome)); };
  p("pDataInicial")->SetAsString(QStringLiteral("01/11/2026"));
  p("pDataFinal")->SetAsString(QStringLiteral("30/11/2026"));
  p("pTipoData")->SetAsString(QStringLiteral("1"));
  p("pFormaGer")->SetAsString(QStringLiteral("2"));
  p("pTipo")->SetAsString(tipos);
  if (!tipoFolha.isEmpty()) p("pTipoFolha")->SetAsString(tipoFolha);
  p("pListarDebitos")->SetAsString(QStringLiteral("0"));
  p("pCodigoEmpresa")->SetAsString(empresas);
  p("pCodigoEstab")->SetAsString(QString());
  erro.clear();
  try {
    processo->ExecutarProcesso();
    TnClientDataSet &mestre = *processo->ClientDataSet();
    QList<qint64> propostas;
    for (mestre.First(); !mestre.Eof(); mestre.Next())
      propostas << mestre.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsLargeInt();
    for (const qint64 proposta : propostas)
      if (mestre.Locate(QStringLiteral("CODIGOPROTOCOLO"), proposta)) processo->MarcarItensMaster();
  } catch (const Exception &e) {
    erro = e.message();
  }
  return processo;
}
