// "Consulta de Documentos Pendentes" on the sample office: 1/1 has group 2
// (type 1 monthly in every month, type 3 monthly in March, June, September
// and December); 2/1 and 2/2 group 1 (types 1, 2, 3 and the non-automatic 4);
// 2/3 has no configuration.
#include "mVoxDPConsultaDocPendente_U.h"
#include "mVoxDPGerarDocumento_U.h"
#include "mVoxDocumentosTeste_U.h"
#include "nDialogosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

class ConsultaDocPendenteTeste : public TmVoxDocumentosTeste {
 protected:
  void SetUp() override {
    TmVoxDocumentosTeste::SetUp();
    FConsulta = dynamic_cast<TmVoxDPConsultaDocPendente *>(CriarDM(QStringLiteral("TmVoxDPConsultaDocPendente")));
    ASSERT_NE(FConsulta, nullptr);
  }
  // The pending rows, "code|company/establishment|type|yyyy-MM-dd|description".
  QStringList Consultar(const QString &compet, const QString &empresa = QString(), const QString &periodo = "0",
                        const QString &estab = QString()) {
    TnpqPowerParam &params = FConsulta->npqPowerParam();
    params.Param(QStringLiteral("pCompet"))->SetAsString(compet);
    params.Param(QStringLiteral("pTipoPeriodo"))->SetAsString(periodo);
    params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(empresa);
    params.Param(QStringLiteral("pCodigoEstab"))->SetAsString(estab);
    FConsulta->Executar();
    QStringList linhas;
    TnClientDataSet &dados = FConsulta->nClientDataSet();
    for (dados.First(); !dados.Eof(); dados.Next())
      linhas << QStringLiteral("%1|%2/%3|%4|%5|%6")
                    .arg(dados.FieldByName(QStringLiteral("CODIGODOCUMENTO"))->AsString(),
                         dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString(),
                         dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsString(),
                         dados.FieldByName(QStringLiteral("CODIGOTIPODOC"))->AsString(),
                         dados.FieldByName(QStringLiteral("DATALCTO"))->AsDate().toString(Qt::ISODate),
                         dados.FieldByName(QStringLiteral("DESCRDOCEMP"))->AsString());
    return linhas;
  }
  // Establishment 1/1 expects only a new type of the given period.
  static void SoOTipo(int periodo, const QVariant &meses = QStringLiteral("1;2;3;4;5;6;7;8;9;10;11;12")) {
    TipoNoGrupo(5, periodo, meses, 3);
    ConfigurarGrupo(1, 1, 3);
  }

  TmVoxDPConsultaDocPendente *FConsulta = nullptr;
};

TEST_F(ConsultaDocPendenteTeste, AMonthlyTypeIsPendingUntilAnyDocumentOfTheMonthArrives) {
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QStringLiteral("1")),
            (QStringList{"1|1/1|1|2026-03-01|Guias de Impostos", "2|1/1|3|2026-03-01|Balancete Trimestral"}));
  EXPECT_EQ(Consultar(QStringLiteral("04/2026"), QStringLiteral("1")),
            (QStringList{"1|1/1|1|2026-04-01|Guias de Impostos"}));
  // A document dated day 1, typed by a user, counts; one of February does not.
  NovoDocumento(20, 3, 1, 1, QDate(2026, 3, 1));
  NovoDocumento(21, 1, 1, 1, QDate(2026, 2, 28), 1);
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QStringLiteral("1")),
            (QStringList{"22|1/1|1|2026-03-01|Guias de Impostos"}));
  NovoDocumento(30, 1, 1, 1, QDate(2026, 3, 31), 2);
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QStringLiteral("1")), QStringList());
}

TEST_F(ConsultaDocPendenteTeste, FortnightlyDatesAreSatisfiedWithinFourteenDays) {
  SoOTipo(2);
  EXPECT_EQ(Consultar(QStringLiteral("05/2026"), QStringLiteral("1")),
            (QStringList{"1|1/1|5|2026-05-01|Tipo 5", "2|1/1|5|2026-05-16|Tipo 5"}));
  NovoDocumento(10, 5, 1, 1, QDate(2026, 5, 20));
  EXPECT_EQ(Consultar(QStringLiteral("05/2026"), QStringLiteral("1")), (QStringList{"11|1/1|5|2026-05-01|Tipo 5"}));
  NovoDocumento(11, 5, 1, 1, QDate(2026, 5, 5));
  EXPECT_EQ(Consultar(QStringLiteral("05/2026"), QStringLiteral("1")), QStringList());
}

TEST_F(ConsultaDocPendenteTeste, TenDaysAwayDoesNotSatisfyADecendialDate) {
  SoOTipo(3);
  NovoDocumento(10, 5, 1, 1, QDate(2026, 5, 1));
  NovoDocumento(11, 5, 1, 1, QDate(2026, 5, 21));
  EXPECT_EQ(Consultar(QStringLiteral("05/2026"), QStringLiteral("1")), (QStringList{"12|1/1|5|2026-05-11|Tipo 5"}));
}

TEST_F(ConsultaDocPendenteTeste, PeriodAutomaticFlagAndConfigurationChooseThePairs) {
  TipoNoGrupo(5, 2, QStringLiteral("3"), 1);
  TipoNoGrupo(6, 0, QStringLiteral("3"), 1);
  TipoNoGrupo(7, 3, QStringLiteral("3"), 1, QStringLiteral("0"));
  // Company 2: 2/1 and 2/2 configured, 2/3 not; type 4 is not automatic.
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QStringLiteral("2")),
            (QStringList{"1|2/1|1|2026-03-01|Guias de Impostos", "2|2/1|2|2026-03-01|Folha de Pagamento e Recibos",
                         "3|2/1|3|2026-03-01|Balancete Trimestral", "4|2/1|5|2026-03-01|Tipo 5",
                         "5|2/1|5|2026-03-16|Tipo 5", "6|2/2|1|2026-03-01|Guias de Impostos",
                         "7|2/2|2|2026-03-01|Folha de Pagamento e Recibos", "8|2/2|3|2026-03-01|Balancete Trimestral",
                         "9|2/2|5|2026-03-01|Tipo 5", "10|2/2|5|2026-03-16|Tipo 5"}));
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")),
            (QStringList{"1|2/2|5|2026-03-01|Tipo 5", "2|2/2|5|2026-03-16|Tipo 5"}));
  // No selection: every configured establishment, the period alone as the
  // condition.
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QString(), QStringLiteral("2")).size(), 4);
  EXPECT_EQ(Consultar(QStringLiteral("03/2026")).size(), 12);
}

TEST_F(ConsultaDocPendenteTeste, CodesFollowTheNextFreeDocumentCodeInTheOrderFound) {
  NovoDocumento(499, 1, 2, 1, QDate(2025, 1, 1));
  EXPECT_EQ(Consultar(QStringLiteral("03/2026"), QStringLiteral("1-2"), QStringLiteral("0"), QStringLiteral("1")),
            (QStringList{"500|1/1|1|2026-03-01|Guias de Impostos", "501|1/1|3|2026-03-01|Balancete Trimestral",
                         "502|2/1|1|2026-03-01|Guias de Impostos", "503|2/1|2|2026-03-01|Folha de Pagamento e Recibos",
                         "504|2/1|3|2026-03-01|Balancete Trimestral"}));
}

TEST_F(ConsultaDocPendenteTeste, AGeneratedMonthHasNothingPendingUntilADocumentIsRemoved) {
  TipoNoGrupo(5, 2, QStringLiteral("6"), 2);
  TipoNoGrupo(6, 3, QStringLiteral("6"), 2);
  auto *gerar = dynamic_cast<TmVoxDPGerarDocumento *>(CriarDM(QStringLiteral("TmVoxDPGerarDocumento")));
  ASSERT_NE(gerar, nullptr);
  TnpqPowerParam &params = gerar->npqPowerParam();
  params.Param(QStringLiteral("pCompetInicial"))->SetAsString(QStringLiteral("06/2026"));
  params.Param(QStringLiteral("pCompetFinal"))->SetAsString(QStringLiteral("06/2026"));
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1-2"));
  {
    TnDialogosTeste dialogos;
    dialogos->Responder(0);
    gerar->Executar();
  }
  ASSERT_GT(Contar(QStringLiteral("PROTOCOLODOCEMP")), 10);
  EXPECT_EQ(Consultar(QStringLiteral("06/2026")), QStringList());
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLODOCEMP where CODIGOEMPRESA = 1 and CODIGOTIPODOC = 6 and "
                                   "DATALCTOPRO = :d"),
                    {QDate(2026, 6, 11)});
  const QString proximo = QString::number(Valor(QStringLiteral("select max(CODIGODOCEMP) + 1 from PROTOCOLODOCEMP")).toLongLong());
  EXPECT_EQ(Consultar(QStringLiteral("06/2026")), QStringList{proximo + QStringLiteral("|1/1|6|2026-06-11|Tipo 6")});
}

TEST_F(ConsultaDocPendenteTeste, TheCompetenceIsAlwaysDayOneOfItsMonth) {
  FConsulta->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsDate(QDate(2026, 2, 9));
  FConsulta->npqPowerParam().Param(QStringLiteral("pTipoPeriodo"))->SetAsString(QStringLiteral("0"));
  FConsulta->ValidarDado();
  EXPECT_EQ(FConsulta->DataInicial(), QDate(2026, 2, 1));
  EXPECT_EQ(FConsulta->DataFinal(), QDate(2026, 2, 28));
  EXPECT_EQ(FConsulta->Periodo(), 0);
  // A text that is no month is refused, never taken for the current month.
  FConsulta->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("x"));
  EXPECT_EQ(ErroDe([&] { FConsulta->Executar(); }), QStringLiteral("Competência inválida!"));
  EXPECT_EQ(FConsulta->nClientDataSet().RecordCount(), 0);
}

}  // namespace
