// "Gerar Documento" on the sample office: companies 1 and 2 are active,
// establishment 2/3 closed in 2025; 1/1 has group 2 (types 1 and 3), 2/1 and
// 2/2 group 1 (types 1, 2, 3 and the non-automatic 4). Types 1 and 2 are
// monthly in every month, 3 monthly in March, June, September and December.
#include "mVoxDPGerarDocumento_U.h"
#include "mVoxDocumentosTeste_U.h"
#include "nClasseInfo_U.h"
#include "nDialogosTeste_U.h"
#include "nMsgTree_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"

namespace {

const QString kPergunta = QStringLiteral(
    "Atenção! Todos os documentos já gerados automáticamente neste período serão deletados! Deseja realmente gerar "
    "os documentos?");

// A generation whose insert of one chosen code fails, as a full disk would.
class TmVoxDPGerarDocumentoFalhaTeste : public TmVoxDPGerarDocumento {
 public:
  static inline qint64 CodigoQueFalha = 0;

 protected:
  void InserirDocumento(qint64 codigo, int tipoDoc, int empresa, int estab, const QDate &data,
                        const QString &descricao) override {
    if (codigo == CodigoQueFalha) throw EDatabaseError(QStringLiteral("Sem espaço em disco."), QString());
    TmVoxDPGerarDocumento::InserirDocumento(codigo, tipoDoc, empresa, estab, data, descricao);
  }
};

class GerarDocumentoTeste : public TmVoxDocumentosTeste {
 protected:
  void SetUp() override {
    TmVoxDocumentosTeste::SetUp();
    FUnidade.Inicializar();
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TmVoxDocumentosTeste::TearDown();
  }
  TmVoxDPGerarDocumento *Novo(const QString &classe = QStringLiteral("TmVoxDPGerarDocumento")) {
    return dynamic_cast<TmVoxDPGerarDocumento *>(CriarDM(classe));
  }
  static void Parametros(TmVoxDPGerarDocumento *p, const QString &inicial, const QString &final,
                         const QString &empresa, const QString &estab = QString()) {
    TnpqPowerParam &params = p->npqPowerParam();
    params.Param(QStringLiteral("pCompetInicial"))->SetAsString(inicial);
    params.Param(QStringLiteral("pCompetFinal"))->SetAsString(final);
    params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(empresa);
    params.Param(QStringLiteral("pCodigoEstab"))->SetAsString(estab);
  }
  // One confirmed run; the message of the error it raised, empty when none.
  QString Gerar(TmVoxDPGerarDocumento *p, const QString &inicial, const QString &final, const QString &empresa,
                const QString &estab = QString()) {
    Parametros(p, inicial, final, empresa, estab);
    FDialogos->Responder(0);
    return ErroDe([&] { p->Executar(); });
  }

  TnDialogosTeste FDialogos;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{
        nInfoClasse<TmVoxDPGerarDocumentoFalhaTeste>("TmVoxDPGerarDocumentoFalhaTeste", "TmVoxDPGerarDocumento")};
  });
};

TEST_F(GerarDocumentoTeste, AYearOfTheSampleOfficeIsGeneratedForItsActiveEstablishments) {
  TmVoxDPGerarDocumento *p = Novo();
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(p->MsgTreeExibir());
  EXPECT_EQ(Gerar(p, QStringLiteral("01/2026"), QStringLiteral("12/2026"), QStringLiteral("1-3")), QString());
  EXPECT_EQ(p->Meses(), 12);
  EXPECT_EQ(FDialogos->Textos(), QStringList{kPergunta});
  // 1/1: 12 + 4; 2/1 and 2/2: 12 + 12 + 4 each; 2/3 is closed, company 3 inactive.
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOEMPRESA = 1")), 16);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 1")), 28);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 2")), 28);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 72);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"),
                   QStringLiteral("ORIGEMDADO = 1 and ARQUIVADO = '0' and DESCRDOCEMP = 'Balancete Trimestral'")),
            12);
  EXPECT_EQ(Documentos(QStringLiteral("CODIGOEMPRESA = 1 and CODIGOTIPODOC = 3")),
            (QStringList{"13|1/1|3|2026-03-01|1", "14|1/1|3|2026-06-01|1", "15|1/1|3|2026-09-01|1",
                         "16|1/1|3|2026-12-01|1"}));

  const QStringList arvore = p->MsgTreeLista().Linhas();
  ASSERT_GE(arvore.size(), 6);
  EXPECT_EQ(arvore.at(0), QStringLiteral("4 Empresa: 1 - Organização Contábil Exemplo Ltda"));
  EXPECT_EQ(arvore.at(1), QStringLiteral("  4 Filial: 1 - Exemplo Matriz"));
  EXPECT_EQ(arvore.at(2), QStringLiteral("    5 Documento Número: 1 gerado."));
  EXPECT_TRUE(arvore.contains(QStringLiteral("4 Empresa: 2 - Padaria Pão Quente Ltda")));
  EXPECT_TRUE(arvore.contains(QStringLiteral("  4 Filial: 2 - Pão Quente Campinas")));
  EXPECT_EQ(arvore.count(QStringLiteral("4 Empresa: 2 - Padaria Pão Quente Ltda")), 1);
  EXPECT_EQ(arvore.last(), QStringLiteral("5 Operação concluída com sucesso!"));
}

TEST_F(GerarDocumentoTeste, QuarterlyFortnightlyTypeGivesEightDocumentsOnDays1And16) {
  TipoNoGrupo(5, 2, QStringLiteral("1;4;7;10"), 3);
  ConfigurarGrupo(1, 1, 3);
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                   "CODIGOESTAB, DATALCTOPRO, ARQUIVADO) values (40, 1, 2, 1, :d, '0')"),
                    {QDate(2020, 1, 1)});
  EXPECT_EQ(Gerar(Novo(), QStringLiteral("01/2026"), QStringLiteral("12/2026"), QStringLiteral("1")), QString());
  EXPECT_EQ(Documentos(QStringLiteral("CODIGOEMPRESA = 1")),
            (QStringList{"41|1/1|5|2026-01-01|1", "42|1/1|5|2026-01-16|1", "43|1/1|5|2026-04-01|1",
                         "44|1/1|5|2026-04-16|1", "45|1/1|5|2026-07-01|1", "46|1/1|5|2026-07-16|1",
                         "47|1/1|5|2026-10-01|1", "48|1/1|5|2026-10-16|1"}));
}

TEST_F(GerarDocumentoTeste, MonthsAndPeriodsThatExpectNothingGenerateNothing) {
  TipoNoGrupo(5, 1, QStringLiteral("10;11;12"), 3);
  TipoNoGrupo(6, 1, QVariant(), 3);
  TipoNoGrupo(7, 1, QStringLiteral(""), 3);
  TipoNoGrupo(8, 0, QStringLiteral("1;2;3;4;5;6;7;8;9;10;11;12"), 3);
  TipoNoGrupo(9, 3, QStringLiteral("01; 1"), 3);
  TipoNoGrupo(10, 3, QStringLiteral("1"), 3, QStringLiteral("0"));
  ConfigurarGrupo(1, 1, 3);
  TmVoxDPGerarDocumento *p = Novo();
  EXPECT_EQ(Gerar(p, QStringLiteral("01/2026"), QStringLiteral("01/2026"), QStringLiteral("1")), QString());
  EXPECT_EQ(p->Meses(), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 0);
  EXPECT_EQ(p->MsgTreeLista().Linhas(),
            (QStringList{"4 Empresa: 1 - Organização Contábil Exemplo Ltda", "  4 Filial: 1 - Exemplo Matriz",
                         "5 Operação concluída com sucesso!"}));
}

TEST_F(GerarDocumentoTeste, ARerunReplacesOnlyGeneratedDocumentsNothingRefersTo) {
  TmVoxDPGerarDocumento *p = Novo();
  ASSERT_EQ(Gerar(p, QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1")), QString());
  // 1: type 1 on 1 March, 2: type 3 on 1 March.
  ASSERT_EQ(Documentos(), (QStringList{"1|1/1|1|2026-03-01|1", "2|1/1|3|2026-03-01|1"}));
  // Typed and received documents of the month, and one of the generated ones
  // that has since moved, stay.
  NovoDocumento(3, 1, 1, 1, QDate(2026, 3, 1));
  NovoDocumento(4, 3, 1, 1, QDate(2026, 3, 10), 2);
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, "
                                   "DATALCTOPRO, ORIGEMDADO) values (2, 1, '1', :d, 2)"),
                    {QDate(2026, 3, 5)});
  // A generated document of another month and one of another company stay too.
  NovoDocumento(5, 1, 1, 1, QDate(2026, 4, 1), 1);
  NovoDocumento(6, 1, 2, 1, QDate(2026, 3, 1), 1);

  EXPECT_EQ(Gerar(p, QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1")), QString());
  EXPECT_EQ(Documentos(), (QStringList{"2|1/1|3|2026-03-01|1", "3|1/1|1|2026-03-01|", "4|1/1|3|2026-03-10|2",
                                       "5|1/1|1|2026-04-01|1", "6|2/1|1|2026-03-01|1", "7|1/1|1|2026-03-01|1"}));
  const QStringList arvore = p->MsgTreeLista().Linhas();
  EXPECT_EQ(arvore.size(), 4) << arvore.join(u'\n').toStdString();
  EXPECT_TRUE(arvore.contains(QStringLiteral("    5 Documento Número: 7 gerado.")));
}

TEST_F(GerarDocumentoTeste, ArchivedAndProtocolledGeneratedDocumentsAreSpared) {
  NovoDocumento(1, 1, 1, 1, QDate(2026, 3, 1), 1, QStringLiteral("1"));
  NovoDocumento(2, 3, 1, 1, QDate(2026, 3, 1), 1);
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                   "TIPOPRO, NATUREZAPRO, CANCELADO) values (1, 1, 1, :d, '2', '1', '0')"),
                    {QDate(2026, 3, 2)});
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, CODIGODOCEMP) values "
                                   "(1, 1, 2)"));
  EXPECT_EQ(Gerar(Novo(), QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1")), QString());
  EXPECT_EQ(Documentos(), (QStringList{"1|1/1|1|2026-03-01|1", "2|1/1|3|2026-03-01|1"}));
}

TEST_F(GerarDocumentoTeste, UnconfiguredEstablishmentsAndEmptyGroupsAreReportedAndTheRunGoesOn) {
  ExecutarSQLDireto(QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB, APELIDOESTAB) values "
                                   "(1, 2, 'Filial Nova', 'Nova')"));
  NovoDocumento(9, 1, 1, 2, QDate(2026, 3, 1), 1);
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values (7, 'Vazio')"));
  ConfigurarGrupo(2, 2, 7);
  TmVoxDPGerarDocumento *p = Novo();
  EXPECT_EQ(Gerar(p, QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1;2")), QString());
  // The unconfigured establishment's generated document is gone, not replaced.
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOESTAB = 2 and CODIGOEMPRESA = 1")), 0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 1")), 3);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 2")), 0);
  const QStringList arvore = p->MsgTreeLista().Linhas();
  const qsizetype nova = arvore.indexOf(QStringLiteral("  4 Filial: 2 - Nova"));
  ASSERT_GE(nova, 0) << arvore.join(u'\n').toStdString();
  EXPECT_EQ(arvore.at(nova + 1), QStringLiteral("    0 Filial não possui configuração no protocolo!"));
  const qsizetype campinas = arvore.indexOf(QStringLiteral("  4 Filial: 2 - Pão Quente Campinas"));
  ASSERT_GE(campinas, 0);
  EXPECT_EQ(arvore.at(campinas + 1), QStringLiteral("    2 Grupo 7 não possui tipos de documentos associados a ele!"));
  EXPECT_EQ(arvore.last(), QStringLiteral("5 Operação concluída com sucesso!"));
}

TEST_F(GerarDocumentoTeste, NoLeavesEverythingAsItWas) {
  NovoDocumento(1, 1, 1, 1, QDate(2026, 3, 1), 1);
  TmVoxDPGerarDocumento *p = Novo();
  Parametros(p, QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1"));
  FDialogos->Responder(1);
  p->Executar();
  EXPECT_EQ(Documentos(), QStringList{"1|1/1|1|2026-03-01|1"});
  EXPECT_EQ(p->MsgTreeLista().Contar(), 0);
}

TEST_F(GerarDocumentoTeste, AFailedInsertRollsTheWholeRunBack) {
  NovoDocumento(1, 1, 1, 1, QDate(2026, 3, 1), 1);
  // Once document 1 is deleted, codes 1 and 2 go to 1/1, 3 to 5 to 2/1 and
  // 6 to 8 to 2/2.
  TmVoxDPGerarDocumentoFalhaTeste::CodigoQueFalha = 8;
  TmVoxDPGerarDocumento *p = Novo(QStringLiteral("TmVoxDPGerarDocumentoFalhaTeste"));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(Gerar(p, QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1;2")),
            QStringLiteral("Operação cancelada! Não foi possível efetuar a operação!\r\nSem espaço em disco."));
  EXPECT_EQ(Documentos(), QStringList{"1|1/1|1|2026-03-01|1"});
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  const QStringList arvore = p->MsgTreeLista().Linhas();
  EXPECT_TRUE(arvore.contains(QStringLiteral("4 Empresa: 2 - Padaria Pão Quente Ltda (erro)")))
      << arvore.join(u'\n').toStdString();
  EXPECT_TRUE(arvore.contains(QStringLiteral("  4 Filial: 2 - Pão Quente Campinas (erro)")));
  EXPECT_EQ(arvore.last(), QStringLiteral("    0 Operação cancelada! Nenhum documento foi gerado!"));

  // A second run that fails before any establishment speaks at the top level
  // and decorates nothing of the first run.
  TmVoxDPGerarDocumentoFalhaTeste::CodigoQueFalha = 1;
  EXPECT_NE(Gerar(p, QStringLiteral("03/2026"), QStringLiteral("03/2026"), QStringLiteral("1")), QString());
  EXPECT_EQ(p->MsgTreeLista().Linhas(),
            (QStringList{"4 Empresa: 1 - Organização Contábil Exemplo Ltda (erro)",
                         "  4 Filial: 1 - Exemplo Matriz (erro)",
                         "    0 Operação cancelada! Nenhum documento foi gerado!"}));
}

TEST_F(GerarDocumentoTeste, CompetencesAreChecked) {
  TmVoxDPGerarDocumento *p = Novo();
  Parametros(p, QStringLiteral("13/2026"), QStringLiteral("12/2026"), QStringLiteral("1"));
  EXPECT_EQ(ErroDe([&] { p->ValidarDado(); }), QStringLiteral("Competência inicial inválida!"));
  Parametros(p, QStringLiteral("01/2026"), QStringLiteral("x"), QStringLiteral("1"));
  EXPECT_EQ(ErroDe([&] { p->ValidarDado(); }), QStringLiteral("Competência final inválida!"));
  Parametros(p, QStringLiteral("02/2026"), QStringLiteral("01/2026"), QStringLiteral("1"));
  EXPECT_EQ(ErroDe([&] { p->ValidarDado(); }),
            QStringLiteral("Competência inicial não pode ser maior do que a competência final!"));
  Parametros(p, QStringLiteral("02/2026"), QStringLiteral("02/2026"), QStringLiteral("1"));
  p->ValidarDado();
  EXPECT_EQ(p->CompetInicial(), QDate(2026, 2, 1));
  EXPECT_EQ(p->CompetFinal(), QDate(2026, 2, 28));
}

}  // namespace
