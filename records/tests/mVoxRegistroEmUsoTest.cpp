#include <QDate>

#include "mVoxPkTeste_U.h"

namespace {

// The sample office: document types 1 to 4 in groups 1 and 2, group 1 the
// configuration of company 2's establishments and group 2 of company 1's,
// location 1 holding box 1 with envelope 1, route 1 with two stops.
class RegistroEmUsoTeste : public TmVoxCadastroTeste {
 protected:
  // Deletes the row of `chave` through the register `classe`, as the user
  // does from its form; the message of the refusal, empty when it went.
  QString Excluir(const char *classe, const char *campo, const QVariant &chave) {
    TnDMClientDataSet *dm = Criar(QLatin1String(classe));
    EXPECT_NE(dm, nullptr);
    if (!dm) return QStringLiteral("sem registro");
    EXPECT_TRUE(dm->nClientDataSet->Locate(QLatin1String(campo), chave)) << classe;
    return ErroDe([&] { dm->nClientDataSet->Delete(); });
  }
  static QString EmUso(const char *onde) {
    return QStringLiteral("Este registro está em uso em %1 e não pode ser excluído.").arg(QString::fromUtf8(onde));
  }
};

}  // namespace

TEST_F(RegistroEmUsoTeste, EachKindOfRowInUseIsRefusedNamingWhereItIsUsedAndKeptWithWhatNamesIt) {
  // A document type in a group.
  EXPECT_EQ(Excluir("TmVoxDMProtocoloTipoDoc", "CODIGOTIPODOC", 4),
            EmUso("Tipos de Documentos em Grupos (PROTOCOLOGRUPOTIPODOC)"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOTIPODOC = 4")), 1);

  // A group with members, then, without them, one an establishment is
  // configured with.
  EXPECT_EQ(Excluir("TmVoxDMProtocoloGrupoDoc", "CODIGOGRUPODOC", 2),
            EmUso("Tipos de Documentos em Grupos (PROTOCOLOGRUPOTIPODOC)"));
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOGRUPOTIPODOC where CODIGOGRUPODOC = 2"));
  EXPECT_EQ(Excluir("TmVoxDMProtocoloGrupoDoc", "CODIGOGRUPODOC", 2), EmUso("Configuração da Filial (CFGESTABPRO)"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPODOC"), QStringLiteral("CODIGOGRUPODOC = 2")), 1);

  // The archive: a location holding a box, a box holding an envelope.
  EXPECT_EQ(Excluir("TmVoxDMProtocoloLocalCaixa", "CODIGOLOCAL", 1),
            EmUso("Caixas de Documentos (PROTOCOLODOCCAIXA)"));
  EXPECT_EQ(Excluir("TmVoxDMProtocoloDocCaixa", "CODIGOCAIXA", 1),
            EmUso("Envelopes de Documentos (PROTOCOLODOCENVELOPE)"));

  // A route with its stops.
  EXPECT_EQ(Excluir("TmVoxDMProtocoloRota", "CODIGOROTA", 1),
            EmUso("Rotas de Entrega - Configuração (PROTOCOLOROTAENTREGA)"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTAENTREGA"), QStringLiteral("CODIGOROTA = 1")), 2);

  // A company document filed in an envelope (its movements go with it).
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                   "CODIGOESTAB, DATALCTOPRO) values (500, 3, 2, 1, :data)"),
                    {QDate(2026, 11, 1)});
  ExecutarSQLDireto(QStringLiteral(
      "insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) values (1, 1, 500)"));
  EXPECT_EQ(Excluir("TmVoxDMProtocoloDocEmp", "CODIGODOCEMP", 500),
            QStringLiteral("Impossível excluir documento arquivado em envelope."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP = 500")), 1);

  // A row nothing names goes.
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOGRUPOTIPODOC where CODIGOTIPODOC = 4"));
  EXPECT_EQ(Excluir("TmVoxDMProtocoloTipoDoc", "CODIGOTIPODOC", 4), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("CODIGOTIPODOC = 4")), 0);
}

TEST_F(RegistroEmUsoTeste, CodesThatNameNoRowAreRefusedByTheTablesOnBothEngines) {
  for (const char *sql :
       {"insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (1, 99)",
        "insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (99, 1)",
        "update CFGESTABPRO set CODIGOGRUPODOC = 99",
        "insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE) values (99, 1)",
        "insert into PROTOCOLOROTAENTREGA (CODIGOROTA, SEQROTA, CODIGOEMPRESA, CODIGOESTAB) values (99, 1, 1, 1)",
        "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP) values (99, 1)",
        "insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) values (1, 99, 1)"}) {
    SCOPED_TRACE(sql);
    try {
      ExecutarSQLDireto(QString::fromLatin1(sql));
      ADD_FAILURE() << "aceito";
    } catch (const EDatabaseError &e) {
      EXPECT_EQ(e.tipo(), TnTipoErroBanco::ChaveEstrangeira) << e.message().toStdString();
    }
  }
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOGRUPODOC = 99")), 0);
}
