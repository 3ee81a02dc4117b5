#pragma once

// What the tests of the expected documents share: the sample office's
// documents as text, and the rows they add to it.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "mVoxPkTeste_U.h"

class TmVoxDocumentosTeste : public TmVoxCadastroTeste {
 protected:
  // A document of a company, origin null when typed by a user.
  static void NovoDocumento(qint64 codigo, int tipo, int empresa, int estab, const QDate &data,
                            const QVariant &origem = QVariant(), const QString &arquivado = QStringLiteral("0")) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values (:c, :t, "
                                     ":e, :s, :d, 'Documento', :a, :o)"),
                      {codigo, tipo, empresa, estab, data, arquivado, origem});
  }
  // A document type alone in a new group, the group given to an
  // establishment's configuration.
  static void TipoNoGrupo(int tipo, int periodo, const QVariant &meses, int grupo, const QString &gerarAuto = "1") {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, "
                                     "GERARAUTO, PERIODODOC, MESOCORRENCIA, GERARENVELOPE) values (:t, :d, 365, :g, "
                                     ":p, :m, '0')"),
                      {tipo, QStringLiteral("Tipo %1").arg(tipo), gerarAuto, periodo, meses});
    if (!ExecutarSQL(QStringLiteral("select 1 from PROTOCOLOGRUPODOC where CODIGOGRUPODOC = :g"), {grupo})->RecordCount())
      ExecutarSQLDireto(
          QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values (:g, 'Grupo')"),
          {grupo});
    ExecutarSQLDireto(
        QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (:g, :t)"),
        {grupo, tipo});
  }
  static void ConfigurarGrupo(int empresa, int estab, int grupo) {
    ExecutarSQLDireto(
        QStringLiteral("update CFGESTABPRO set CODIGOGRUPODOC = :g where CODIGOEMPRESA = :e and CODIGOESTAB = :s"),
        {grupo, empresa, estab});
  }
  // The documents, "code|company/establishment|type|yyyy-MM-dd|origin", by
  // code.
  static QStringList Documentos(const QString &condicao = QStringLiteral("1=1")) {
    std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(
        QStringLiteral("select CODIGODOCEMP, CODIGOEMPRESA, CODIGOESTAB, CODIGOTIPODOC, DATALCTOPRO, ORIGEMDADO from "
                       "PROTOCOLODOCEMP where ") +
        condicao + QStringLiteral(" order by CODIGODOCEMP"));
    QStringList linhas;
    for (dados->First(); !dados->Eof(); dados->Next())
      linhas << QStringLiteral("%1|%2/%3|%4|%5|%6")
                    .arg(dados->FieldByName(QStringLiteral("CODIGODOCEMP"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOESTAB"))->AsString(),
                         dados->FieldByName(QStringLiteral("CODIGOTIPODOC"))->AsString(),
                         dados->FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate().toString(Qt::ISODate),
                         dados->FieldByName(QStringLiteral("ORIGEMDADO"))->AsString());
    return linhas;
  }
};
