#pragma once

// An archive written straight into its tables for the box consultations'
// tests, parents first (the foreign keys are on), every flag a row needs
// written. On top of the sample office (box 1, envelope 1, nothing filed):
//
//   company 7 "Ótica Visão Clara Ltda", establishment 2 "Visão Centro";
//   location 3 "Arquivo Morto - Galpão";
//   box 10 (7/2, 01/01/2026 to 01/06/2026, location 3): envelope 1 holds
//     documents 100 (type 1) and 101 (type 2), envelope 2 holds 102 (type 1);
//   box 11 (2/1, from 01/07/2026, no final competence, location 1):
//     envelope 1 holds 103 (type 4);
//   box 12 (2/2, 01/01/2025 to 01/12/2025, location 1): envelope 1, empty;
//   document 104 (2/1) is filed nowhere.
//   Movements: 100 seq 1 internal by user 1, seq 2 external by user 2; 102
//   seq 1; 104 seq 1.
//   Protocols: 50 (7/2) carried 100; 51 (2/1) carried 100 and 103.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include "nSQLFuncoes_U.h"

inline void InserirArquivoTeste() {
  auto sql = [](const char *texto, const QVariantList &valores) {
    ExecutarSQLDireto(QString::fromUtf8(texto), valores);
  };
  sql("insert into EMPRESA (CODIGOEMPRESA, NOMEEMPRESA, ATIVA) values (7, :n, '1')", {"Ótica Visão Clara Ltda"});
  sql("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB, APELIDOESTAB) values (7, 2, :n, :a)",
      {"Ótica Visão Clara Ltda - Centro", "Visão Centro"});
  sql("insert into PROTOCOLOLOCALCAIXA (CODIGOLOCAL, DESCRLOCAL) values (3, :d)", {"Arquivo Morto - Galpão"});
  const char *caixa =
      "insert into PROTOCOLODOCCAIXA (CODIGOCAIXA, CODIGOEMPRESA, CODIGOESTAB, COMPETINICIAL, COMPETFINAL, "
      "CODIGOLOCAL) values (:c, :e, :s, :i, :f, :l)";
  sql(caixa, {10, 7, 2, QDate(2026, 1, 1), QDate(2026, 6, 1), 3});
  sql(caixa, {11, 2, 1, QDate(2026, 7, 1), QVariant(QMetaType(QMetaType::QDate)), 1});
  sql(caixa, {12, 2, 2, QDate(2025, 1, 1), QDate(2025, 12, 1), 1});
  const char *envelope =
      "insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE, DESCRENVELOPE) values (:c, :v, :d)";
  sql(envelope, {10, 1, "Guias do semestre"});
  sql(envelope, {10, 2, "Folha do semestre"});
  sql(envelope, {11, 1, "Extratos"});
  sql(envelope, {12, 1, "Vazio"});
  const char *documento =
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
      "DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values (:d, :t, :e, :s, :l, :x, :a, 2)";
  sql(documento, {100, 1, 7, 2, QDate(2026, 2, 10), "Guia DARF 01/2026", "1"});
  sql(documento, {101, 2, 7, 2, QDate(2026, 2, 11), "Folha 01/2026", "1"});
  sql(documento, {102, 1, 7, 2, QDate(2026, 3, 10), "Guia DARF 02/2026", "1"});
  sql(documento, {103, 4, 2, 1, QDate(2026, 8, 5), "Extrato julho", "1"});
  sql(documento, {104, 1, 2, 1, QDate(2026, 8, 6), "Guia não arquivada", "0"});
  const char *arquivo =
      "insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) values (:c, :v, :d)";
  sql(arquivo, {10, 1, 100});
  sql(arquivo, {10, 1, 101});
  sql(arquivo, {10, 2, 102});
  sql(arquivo, {11, 1, 103});
  const char *movimento =
      "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, OBSERVACAO, TIPOLOCAL, CODIGOUSUARIORESP, "
      "DATALCTOPRO, CODIGOUSUARIO, ORIGEMDADO) values (:d, :q, :o, :t, :r, :l, 1, 2)";
  sql(movimento, {100, 1, "Recebida do cliente", "1", 1, QDate(2026, 2, 10)});
  sql(movimento, {100, 2, "Levada ao contador", "2", 2, QDate(2026, 2, 12)});
  sql(movimento, {102, 1, "Recebida", "1", 1, QDate(2026, 3, 10)});
  sql(movimento, {104, 1, "Na mesa", "1", 1, QDate(2026, 8, 6)});
  const char *protocolo =
      "insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, OBSERVACAO, "
      "DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, CANCELADO, ORIGEMDADO) values (:c, :e, :s, :l, "
      "'2', :o, :m, 1, :f, :n, '0', 1)";
  const QDateTime momento(QDate(2026, 2, 1), QTime(8, 0));
  sql(protocolo, {50, 7, 2, QDate(2026, 2, 9), "Entrada de guias", momento, "2", "2"});
  sql(protocolo, {51, 2, 1, QDate(2026, 8, 4), "Devolução", momento, "1", "1"});
  const char *item =
      "insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, CODIGODOCEMP, CANCELADO, "
      "CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) values (:p, :q, :x, :l, :d, '0', 1, :m, 1)";
  sql(item, {50, 1, "Guia DARF", QDate(2026, 2, 9), 100, momento});
  sql(item, {51, 1, "Guia DARF", QDate(2026, 8, 4), 100, momento});
  sql(item, {51, 2, "Extrato", QDate(2026, 8, 4), 103, momento});
}
