// The box consultations and the document consultation on an archive of their
// own (mVoxArquivoTeste_U.h): what each lists for its parameters, the texts
// of the envelope list, the details following the selection without reading
// again, and the frame's layout.
#include <QDate>

#include "mVoxArquivoTeste_U.h"
#include "mVoxDPConsultaDocumento_U.h"
#include "mVoxDPConsultaDocumentosCaixa_U.h"
#include "mVoxDPConsultaProtocoloLocalCaixas_U.h"
#include "mVoxFraInformacoesDocEmp_U.h"
#include "mVoxPkTeste_U.h"
#include "nDBGrid_U.h"
#include "nEditorCampo_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

class ConsultaCaixasTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    InserirArquivoTeste();
  }

  template <class T>
  static T *Novo(const QString &classe) {
    T *processo = dynamic_cast<T *>(CriarDM(classe));
    EXPECT_NE(processo, nullptr) << classe.toStdString();
    return processo;
  }
  // A run with the parameters given (the others blank); the error, or "".
  static QString Rodar(TnDMPower *processo, const QMap<QString, QString> &valores) {
    for (auto it = valores.begin(); it != valores.end(); ++it)
      processo->npqPowerParam().Param(it.key())->SetAsString(it.value());
    return ErroDe([&] { processo->ExecutarProcesso(); });
  }
  // The rows of the dataset's current view (its master's range) as the
  // grid shows them, "text|text|…"; the current row stays current, so a
  // detail's own details are not moved.
  static QStringList Vistas(TnClientDataSet &dados, const QStringList &campos) {
    TnClientDataSet cursor;
    cursor.CloneCursor(&dados);
    QStringList linhas;
    for (cursor.First(); !cursor.Eof(); cursor.Next()) {
      QStringList valores;
      for (const QString &campo : campos) valores << cursor.FieldByName(campo)->DisplayText();
      linhas << valores.join(u'|');
    }
    return linhas;
  }

  // Every run starts from blank parameters, not from the last test's.
  TnParamsSalvosTeste FParams;
};

// ---- Documents per box ----

class DocumentosCaixaTeste : public ConsultaCaixasTeste {
 protected:
  void SetUp() override {
    ConsultaCaixasTeste::SetUp();
    FConsulta = Novo<TmVoxDPConsultaDocumentosCaixa>(QStringLiteral("TmVoxDPConsultaDocumentosCaixa"));
    ASSERT_NE(FConsulta, nullptr);
  }
  QStringList Envelopes(const QMap<QString, QString> &valores = {}) {
    const QString erro = Rodar(FConsulta, valores);
    if (!erro.isEmpty()) return {erro};
    return Linhas(FConsulta->nClientDataSet(), {"CODIGOCAIXA", "CODIGOENVELOPE"});
  }
  TmVoxDPConsultaDocumentosCaixa *FConsulta = nullptr;
};

TEST_F(DocumentosCaixaTeste, WithoutParametersEveryEnvelopeHoldingAFiledDocumentIsListedInOrder) {
  // Box 1 of the sample and box 12 have envelopes with nothing filed.
  EXPECT_EQ(Envelopes(), (QStringList{"10|1", "10|2", "11|1"}));
  EXPECT_EQ(FConsulta->Filtro(), QString());
}

TEST_F(DocumentosCaixaTeste, EachSelectionNarrowsTheListAndTheirCombinationRunsOnBothEngines) {
  EXPECT_EQ(Envelopes({{"pCodigoEmpresa", "2"}}), QStringList{"11|1"});
  EXPECT_EQ(Envelopes({{"pCodigoEmpresa", "1-9"}, {"pCodigoEstab", "2"}}), (QStringList{"10|1", "10|2"}));
  EXPECT_EQ(Envelopes({{"pCodigoEmpresa", ""}, {"pCodigoEstab", ""}, {"pCodigoCaixaPro", "11;12"}}),
            QStringList{"11|1"});
  EXPECT_EQ(Envelopes({{"pCodigoCaixaPro", ""}, {"pCodigoDocEmp", "101"}}), QStringList{"10|1"});
  EXPECT_EQ(Envelopes({{"pCodigoDocEmp", ""}, {"pCodigoTipoDcto", "1"}}), (QStringList{"10|1", "10|2"}));
  // Every condition at once.
  EXPECT_EQ(Envelopes({{"pCodigoEmpresa", "7"},
                       {"pCodigoEstab", "2"},
                       {"pCompetInicial", "01/01/2026"},
                       {"pCompetFinal", "01/01/2026"},
                       {"pCodigoCaixaPro", "10"},
                       {"pCodigoDocEmp", "100-102"},
                       {"pCodigoTipoDcto", "1;2"},
                       {"pCodigoLocal", "3"}}),
            (QStringList{"10|1", "10|2"}));
}

TEST_F(DocumentosCaixaTeste, OnlyALocationGivesAWhereClauseOfThatConditionAlone) {
  EXPECT_EQ(Envelopes({{"pCodigoLocal", "3"}}), (QStringList{"10|1", "10|2"}));
  EXPECT_EQ(FConsulta->Filtro(), QStringLiteral(" where (C.CODIGOLOCAL = 3)"));
  // A location that does not read is no condition.
  EXPECT_EQ(Envelopes({{"pCodigoLocal", "x"}}).size(), 3);
}

TEST_F(DocumentosCaixaTeste, ThePeriodNeedsTheInitialCompetenceAndRunsToTheEndOfTheFinalOne) {
  // Only the final competence: no period at all.
  EXPECT_EQ(Envelopes({{"pCompetFinal", "01/01/2020"}}).size(), 3);
  // Only the initial one: from it on.
  EXPECT_EQ(Envelopes({{"pCompetFinal", ""}, {"pCompetInicial", "01/07/2026"}}), QStringList{"11|1"});
  // Both: box 10 starts in the final month itself.
  EXPECT_EQ(Envelopes({{"pCompetInicial", "01/12/2025"}, {"pCompetFinal", "01/01/2026"}}),
            (QStringList{"10|1", "10|2"}));
  EXPECT_EQ(Envelopes({{"pCompetInicial", "01/02/2026"}, {"pCompetFinal", "01/06/2026"}}), QStringList());
}

TEST_F(DocumentosCaixaTeste, ASelectionThatDoesNotReadIsRefusedInPortugueseAndNothingIsListed) {
  const QStringList resultado = Envelopes({{"pCodigoCaixaPro", "10) or (1=1"}});
  ASSERT_EQ(resultado.size(), 1);
  EXPECT_TRUE(resultado.first().contains(QStringLiteral("inválid"))) << resultado.first().toStdString();
}

TEST_F(DocumentosCaixaTeste, TheEnvelopeTextsShowPaddedCodesNamesAndThePeriod) {
  ASSERT_EQ(Envelopes().size(), 3);
  const QStringList campos{"Empresa", "Estab", "Envelope", "LocalCaixa", "Periodo"};
  EXPECT_EQ(Linhas(FConsulta->nClientDataSet(), campos),
            (QStringList{
                "0007 - Ótica Visão Clara Ltda|002 - Visão Centro|Guias do semestre|003 - Arquivo Morto - "
                "Galpão|01/01/2026 a 01/06/2026",
                "0007 - Ótica Visão Clara Ltda|002 - Visão Centro|Folha do semestre|003 - Arquivo Morto - "
                "Galpão|01/01/2026 a 01/06/2026",
                "0002 - Padaria Pão Quente Ltda|001 - Pão Quente Augusta|Extratos|001 - Arquivo - Sala 3, Estante "
                "A|01/07/2026",
            }));
}

TEST_F(DocumentosCaixaTeste, ANameLongerThanTheTextIsCutNotRefused) {
  ExecutarSQLDireto(QStringLiteral("update EMPRESA set NOMEEMPRESA = :n where CODIGOEMPRESA = 7"), {QString(80, u'Á')});
  ASSERT_EQ(Envelopes({{"pCodigoEmpresa", "7"}}).size(), 2);
  FConsulta->nClientDataSet().First();
  EXPECT_EQ(FConsulta->nClientDataSet().FieldByName(QStringLiteral("Empresa"))->AsString(),
            QStringLiteral("0007 - ") + QString(43, u'Á'));
}

TEST_F(DocumentosCaixaTeste, TheDetailsFollowTheSelectionWithoutReadingAgain) {
  ASSERT_EQ(Envelopes().size(), 3);
  // Whatever the database holds now, the loaded lists answer.
  for (const char *tabela : {"PROTOCOLOITEM", "PROTOCOLODOCMOVIMENTO", "PROTOCOLODOCARQUIVO"})
    ExecutarSQLDireto(QStringLiteral("delete from ") + QLatin1String(tabela));

  TnClientDataSet &envelopes = FConsulta->nClientDataSet();
  TnClientDataSet &docs = FConsulta->cdsDocumentos();
  ASSERT_TRUE(envelopes.Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"), QVariantList{10, 1}));
  EXPECT_EQ(Vistas(docs, {"CODIGODOCEMP", "DataLancamento", "Descricao"}),
            (QStringList{"100|10/02/2026|Guia DARF 01/2026", "101|11/02/2026|Folha 01/2026"}));
  docs.First();
  EXPECT_EQ(Vistas(FConsulta->cdsMovimentacao(), {"Seq", "Observacao", "TipoLocal", "Responsavel"}),
            (QStringList{"1|Recebida do cliente|Interno|1", "2|Levada ao contador|Externo|2"}));
  EXPECT_EQ(
      Vistas(FConsulta->cdsProtocolo(), {"CodigoProtocolo", "DataProtocolo", "Observacao", "FormaEntrega", "Natureza"}),
      (QStringList{"50|09/02/2026|Entrada de guias|Entregue em Mãoos|Entrada",
                   "51|04/08/2026|Devolução|Retirado|Saída"}));
  docs.Next();  // 101: neither moved nor carried
  EXPECT_TRUE(FConsulta->cdsMovimentacao().IsEmpty());
  EXPECT_TRUE(FConsulta->cdsProtocolo().IsEmpty());

  envelopes.Next();  // box 10, envelope 2
  EXPECT_EQ(Vistas(docs, {"CODIGODOCEMP"}), QStringList{"102"});
  EXPECT_EQ(Vistas(FConsulta->cdsMovimentacao(), {"Observacao"}), QStringList{"Recebida"});
  envelopes.Next();  // box 11: the document not filed never shows
  EXPECT_EQ(Vistas(docs, {"CODIGODOCEMP"}), QStringList{"103"});
  EXPECT_TRUE(FConsulta->cdsMovimentacao().IsEmpty());
  EXPECT_EQ(Vistas(FConsulta->cdsProtocolo(), {"CodigoProtocolo"}), QStringList{"51"});
}

TEST_F(DocumentosCaixaTeste, ARunAgainReplacesTheListsAndAFailedRunLeavesNoProgress) {
  ASSERT_EQ(Envelopes().size(), 3);
  EXPECT_EQ(Envelopes({{"pCodigoEmpresa", "2"}}), QStringList{"11|1"});
  // Unchained, the detail tables hold only the listed envelope's rows.
  FConsulta->cdsDocumentos().SetMasterSource(nullptr, QString(), QString());
  EXPECT_EQ(Linhas(FConsulta->cdsDocumentos(), {"CODIGODOCEMP"}), QStringList{"103"});
  FConsulta->cdsMovimentacao().SetMasterSource(nullptr, QString(), QString());
  EXPECT_TRUE(FConsulta->cdsMovimentacao().IsEmpty());

  ExecutarSQLDireto(QStringLiteral("drop table PROTOCOLOITEM"));
  EXPECT_FALSE(Rodar(FConsulta, {}).isEmpty());
  EXPECT_EQ(FConsulta->Progresso(), nullptr);
}

TEST_F(DocumentosCaixaTeste, TheScreenPutsTheListBesideTheFrameAndTheFrameFollowsIt) {
  TnFrmVisual *form = FConsulta->CriarForm();
  ASSERT_NE(form, nullptr);
  TmVoxFraInformacoesDocEmp *frame = FConsulta->FraDescr();
  ASSERT_NE(frame, nullptr);
  TnDBGridEh *lista = FConsulta->nDBGrid();
  ASSERT_NE(lista, nullptr);
  EXPECT_EQ(lista->Align(), TnAlinhamento::alLeft);
  EXPECT_EQ(lista->Width(), 200);
  EXPECT_EQ(frame->Pai(), static_cast<TnPainel *>(lista->parent()));
  EXPECT_EQ(static_cast<TnPainel *>(lista->parent())->Caption(), QStringLiteral("Documentos por Caixa"));
  EXPECT_FALSE(FConsulta->TemAlteracao());
  EXPECT_TRUE(lista->ReadOnly());

  ASSERT_TRUE(Rodar(FConsulta, {}).isEmpty());
  EXPECT_EQ(frame->nDBEditEmp->Text(), QStringLiteral("0007 - Ótica Visão Clara Ltda"));
  EXPECT_EQ(frame->nDBEditPer->Text(), QStringLiteral("01/01/2026 a 01/06/2026"));
  EXPECT_TRUE(frame->nDBEditLoc->ReadOnly());
  EXPECT_EQ(frame->nDBGridDocs->DataSet()->RecordCount(), 2);
  ASSERT_TRUE(lista->ClicarCelula(2, 0));
  EXPECT_EQ(frame->nDBEditEnv->Text(), QStringLiteral("Extratos"));
  EXPECT_EQ(frame->nDBGridProt->DataSet()->RecordCount(), 1);

  // A title click orders that grid's table by the column.
  TnDBGridEh *docs = frame->nDBGridDocs;
  FConsulta->nDBGridTitleClick(*docs, docs->Columns()[docs->IndiceColuna(QStringLiteral("Descricao"))]);
  EXPECT_EQ(FConsulta->cdsDocumentos().IndexFieldNames(), QStringLiteral("Descricao"));
}

TEST(TmVoxFraInformacoesDocEmp, TheLowerPanelsShareWhatTheTopPanelLeaves) {
  TmVoxFraInformacoesDocEmp frame;
  EXPECT_EQ(frame.nPanelDocs->Height(), 117);  // the design size, 456
  for (const auto &[altura, cada] : {std::pair{456, 117}, {106, 0}, {110, 1}, {40, 0}, {0, 0}}) {
    frame.SetHeight(altura);
    frame.FrameResize();
    EXPECT_EQ(frame.nPanelDocs->Height(), cada) << altura;
    EXPECT_EQ(frame.nPanelProt->Height(), cada) << altura;
    EXPECT_EQ(frame.nPanelMovs->Height(), cada) << altura;
  }
}

// ---- Box locations ----

class LocalCaixasTeste : public ConsultaCaixasTeste {
 protected:
  void SetUp() override {
    ConsultaCaixasTeste::SetUp();
    FConsulta = Novo<TmVoxDPConsultaProtocoloLocalCaixas>(QStringLiteral("TmVoxDPConsultaProtocoloLocalCaixas"));
    ASSERT_NE(FConsulta, nullptr);
  }
  QStringList Caixas(const QMap<QString, QString> &valores = {}) {
    const QString erro = Rodar(FConsulta, valores);
    if (!erro.isEmpty()) return {erro};
    return Linhas(FConsulta->nClientDataSet(), {"CodigoCaixa"});
  }
  TmVoxDPConsultaProtocoloLocalCaixas *FConsulta = nullptr;
};

TEST_F(LocalCaixasTeste, WithoutParametersEveryBoxIsListedWithItsData) {
  EXPECT_EQ(Caixas(), (QStringList{"1", "10", "11", "12"}));
  EXPECT_FALSE(FConsulta->SQLCarregado().contains(QStringLiteral(" where ")));
  EXPECT_EQ(Linhas(FConsulta->nClientDataSet(),
                   {"CODIGOEMPRESA", "CODIGOESTAB", "CodigoLocal", "CodigoCaixa", "CompetInicial", "CompetFinal"})
                .at(2),
            QStringLiteral("2|1|1|11|01/07/2026|"));
  EXPECT_EQ(FConsulta->nClientDataSet().FieldByName(QStringLiteral("CompetInicial"))->DisplayLabel(),
            QStringLiteral("Competência Inicial"));
}

TEST_F(LocalCaixasTeste, EachSelectionNarrowsTheList) {
  EXPECT_EQ(Caixas({{"pCodigoLocal", "3"}}), QStringList{"10"});
  EXPECT_TRUE(FConsulta->SQLCarregado().contains(QStringLiteral(" where ((C.CODIGOLOCAL = 3))")));
  EXPECT_EQ(Caixas({{"pCodigoLocal", ""}, {"pCodigoEmpresa", "2"}}), (QStringList{"1", "11", "12"}));
  EXPECT_EQ(Caixas({{"pCodigoEstab", "2"}}), QStringList{"12"});
  EXPECT_EQ(Caixas({{"pCodigoEmpresa", ""}, {"pCodigoEstab", ""}, {"pCodigoCaixaPro", "1;11-12"}}),
            (QStringList{"1", "11", "12"}));
  const QStringList recusa = Caixas({{"pCodigoCaixaPro", "1 or 1=1"}});
  ASSERT_EQ(recusa.size(), 1);
  EXPECT_TRUE(recusa.first().contains(QStringLiteral("inválid")));
}

TEST_F(LocalCaixasTeste, APeriodListsTheBoxesWhoseCompetencesLieWithinIt) {
  // Box 1 runs to 31/12/2026, box 10 to 01/06/2026: only box 10 ends inside.
  EXPECT_EQ(Caixas({{"pDataInicial", "01/01/2026"}, {"pDataFinal", "30/06/2026"}}), QStringList{"10"});
  // Box 11 has no final competence: never inside a closed period.
  EXPECT_EQ(Caixas({{"pDataInicial", "01/01/2026"}, {"pDataFinal", "31/12/2026"}}), (QStringList{"1", "10"}));
  // Only the final date: every box ending by then.
  EXPECT_EQ(Caixas({{"pDataInicial", ""}, {"pDataFinal", "30/06/2026"}}), (QStringList{"10", "12"}));
  // Only the initial date: every box starting from then on.
  EXPECT_EQ(Caixas({{"pDataInicial", "01/06/2026"}, {"pDataFinal", ""}}), QStringList{"11"});
}

// ---- Document consultation ----

TEST_F(ConsultaCaixasTeste, TheDocumentConsultationKeepsItsCriteriaAndListsNothing) {
  auto *consulta = Novo<TmVoxDPConsultaDocumento>(QStringLiteral("TmVoxDPConsultaDocumento"));
  ASSERT_NE(consulta, nullptr);
  EXPECT_EQ(consulta->npqPowerParam().Caption(), QStringLiteral("Consulta de Documentos"));
  // The two required parameters.
  EXPECT_FALSE(Rodar(consulta, {}).isEmpty());
  EXPECT_EQ(Rodar(consulta, {{"pCodigoDocumento", " 100-104 "},
                             {"pTipoLocal", "2"},
                             {"pCodigoEmpresa", "7"},
                             {"pCodigoEstab", "1;2"},
                             {"pCodigoDepartamento", "1"},
                             {"pCodigoTipoDcto", "1"},
                             {"pCodigoUsuario", "1-2"}}),
            QString());
  EXPECT_EQ(consulta->CodigoDocumento(), QStringLiteral("100-104"));
  EXPECT_EQ(consulta->TipoLocal(), 2);
  EXPECT_EQ(consulta->CodigoEmpresa(), QStringLiteral("7"));
  EXPECT_EQ(consulta->CodigoEstab(), QStringLiteral("1;2"));
  EXPECT_EQ(consulta->CodigoUsuario(), QStringLiteral("1-2"));
  EXPECT_FALSE(consulta->nClientDataSet().Active());
  EXPECT_EQ(consulta->nClientDataSet().FieldCount(), 0);
  TnFrmVisual *form = consulta->CriarForm();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(static_cast<TnFrmPowerParam *>(form)->Executar());
  EXPECT_FALSE(consulta->nClientDataSet().Active());
}

TEST_F(ConsultaCaixasTeste, APlaceTypeThatIsNotANumberReadsAsBoth) {
  auto *consulta = Novo<TmVoxDPConsultaDocumento>(QStringLiteral("TmVoxDPConsultaDocumento"));
  ASSERT_NE(consulta, nullptr);
  consulta->npqPowerParam().Param(QStringLiteral("pCodigoDocumento"))->SetAsString(QStringLiteral("100"));
  consulta->npqPowerParam().Param(QStringLiteral("pTipoLocal"))->SetAsString(QStringLiteral("1"));
  ASSERT_EQ(ErroDe([&] { consulta->ExecutarProcesso(); }), QString());
  EXPECT_EQ(consulta->TipoLocal(), 1);
  consulta->npqPowerParam().Param(QStringLiteral("pTipoLocal"))->SetAsString(QStringLiteral("Ambos"));
  consulta->ValidarDado();
  EXPECT_EQ(consulta->TipoLocal(), 0);
}

}  // namespace
