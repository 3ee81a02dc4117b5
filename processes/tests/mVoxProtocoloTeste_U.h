#pragma once

// Protocols written straight into PROTOCOLO for the tests of the processes
// that read them, every required column filled.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include "nSQLFuncoes_U.h"

struct TnProtocoloTeste {
  qint64 Codigo = 0;
  int Empresa = 2;
  int Estab = 1;
  QDate Data;
  QString Tipo = QStringLiteral("2");
  QString Natureza = QStringLiteral("1");
  QString Forma = QStringLiteral("1");
  QString Cancelado = QStringLiteral("0");
  // The withdrawal stamps; null while open.
  QVariant Entrega{};
  QVariant Baixa{};
};

// The observation is "Protocolo <code>"; written by user 1 at a moment long
// past, by a process.
inline void InserirProtocoloTeste(const TnProtocoloTeste &p) {
  const bool baixado = !p.Baixa.isNull() || !p.Entrega.isNull();
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, "
                     "OBSERVACAO, DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, DATAHORAENTREGA, "
                     "USUARIOEXT, CODIGOUSUARIOINT, DATAHORABAIXA, CANCELADO, ORIGEMDADO) values (:c, :e, :s, :d, :t, "
                     ":o, :m, 1, :f, :n, :entrega, :ext, :int, :baixa, :x, 1)"),
      {p.Codigo, p.Empresa, p.Estab, p.Data, p.Tipo, QStringLiteral("Protocolo %1").arg(p.Codigo),
       QDateTime(QDate(2026, 1, 2), QTime(8, 0)), p.Forma, p.Natureza, p.Entrega,
       baixado ? QVariant(QStringLiteral("Carlos")) : QVariant(), baixado ? QVariant(1) : QVariant(), p.Baixa,
       p.Cancelado});
}
