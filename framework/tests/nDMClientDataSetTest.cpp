#include <gtest/gtest.h>

#include <memory>

#include "nBancoTeste_U.h"
#include "nDMTeste_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmCadGrid_U.h"
#include "nFrmCadastro_U.h"
#include "nLookupField_U.h"
#include "rTulDCEmpresa_U.h"
#include "rTulDCEstab_U.h"

namespace {

class DMClientDataSetTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    nDMConexao()->Selecao().Limpar();
    FRegistro = std::make_unique<TnRegistroTeste>();
    nInserirProtocolosTeste();
  }
  void TearDown() override {
    FRegistro.reset();
    nDMConexao()->Selecao().Limpar();
    TnBancoTeste::TearDown();
  }

  static TnTesteDMProtocolo *NovoProtocolo(const QString &modo = QString()) {
    return dynamic_cast<TnTesteDMProtocolo *>(CriarDM(QStringLiteral("TnTesteDMProtocolo"), nullptr, modo));
  }
  QVariant ObservacaoNoBanco(qint64 codigo) {
    return Valor(QStringLiteral("select OBSERVACAO from PROTOCOLO where CODIGOPROTOCOLO = :c"), {codigo});
  }

  std::unique_ptr<TnRegistroTeste> FRegistro;
};

// --- fields, opening and selection

TEST_F(DMClientDataSetTeste, FieldsExistAfterCreationSoDescendantsCanConfigureThem) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  ASSERT_NE(dm, nullptr);
  EXPECT_FALSE(dm->nClientDataSet->Active());
  EXPECT_TRUE(dm->Campo(QStringLiteral("CODIGOUSUARIO"))->Required());
  dm->Abrir();
  // Opening keeps the fields the module configured.
  EXPECT_TRUE(dm->Campo(QStringLiteral("CODIGOUSUARIO"))->Required());
  EXPECT_EQ(dm->Campo(QStringLiteral("OBSERVACAO"))->DisplayLabel(), QStringLiteral("Observação"));
  EXPECT_EQ(dm->nClientDataSet->RecordCount(), 3);
}

TEST_F(DMClientDataSetTeste, ClassSelectionParametersAreAppliedOnOpen) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MAIORIGUAL"), QDate(2026, 11, 3));
  TnTesteDMProtocolo *dm = NovoProtocolo();
  EXPECT_EQ(dm->VerificaSelecao(), QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL"));
  dm->Abrir();
  EXPECT_EQ(dm->nClientDataSet->RecordCount(), 2);
  dm->nClientDataSet->First();
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 2);
}

TEST_F(DMClientDataSetTeste, ManualSelectionListReplacesTheClassOne) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MAIORIGUAL"), QDate(2026, 11, 4));
  nDMConexao()->Selecao().SetParam(QStringLiteral("CODIGOPROTOCOLO"), 2);
  TnTesteDMProtocolo *dm = NovoProtocolo(nModoIndividual);
  dm->SetVerificaSelecaoManual(QStringLiteral("CODIGOEMPRESA;CODIGOPROTOCOLO"));
  dm->Abrir();
  ASSERT_EQ(dm->nClientDataSet->RecordCount(), 1);
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 2);
}

TEST_F(DMClientDataSetTeste, RefreshReadsRowsWrittenBySomeoneElse) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set OBSERVACAO = 'mudou' where CODIGOPROTOCOLO = 1"));
  EXPECT_EQ(AtualizarDM(QStringLiteral("TnTesteDMProtocolo")), 1);
  dm->nClientDataSet->First();
  EXPECT_EQ(dm->Campo(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("mudou"));
}

// --- posting: order, validation, refusals

TEST_F(DMClientDataSetTeste, BeforePostAndAuditRunBeforeTheInheritedValidation) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  TnClientDataSet *d = dm->nClientDataSet;
  d->Append();
  // TIPOPRO, the audit columns and the key are required and left empty: the
  // post passes only if they are filled before the framework validates.
  dm->Campo(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(1);
  dm->Campo(QStringLiteral("CODIGOESTAB"))->SetAsInteger(1);
  dm->Campo(QStringLiteral("DATALCTOPRO"))->SetAsDate(QDate(2026, 11, 20));
  dm->Eventos.clear();
  d->Post();
  EXPECT_EQ(dm->Eventos, (QStringList{"BeforePost", "auditoria", "regras"}));
  EXPECT_EQ(Valor(QStringLiteral("select TIPOPRO from PROTOCOLO where CODIGOPROTOCOLO = 4")).toString(),
            QStringLiteral("2"));
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOUSUARIO from PROTOCOLO where CODIGOPROTOCOLO = 4")).toInt(), 1);
  EXPECT_EQ(Valor(QStringLiteral("select ORIGEMDADO from PROTOCOLO where CODIGOPROTOCOLO = 4")).toInt(), 2);
}

TEST_F(DMClientDataSetTeste, OtherOriginFlagReachesTheAudit) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->SetOutraOrigem(true);
  dm->Abrir();
  dm->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 2);
  dm->nClientDataSet->Edit();
  dm->Campo(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("outra"));
  dm->nClientDataSet->Post();
  EXPECT_EQ(Valor(QStringLiteral("select ORIGEMDADO from PROTOCOLO where CODIGOPROTOCOLO = 2")).toInt(), 3);
}

TEST_F(DMClientDataSetTeste, BaseValidationRefusesAnEmptyRequiredFieldNamingIt) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  dm->nClientDataSet->Append();
  dm->Campo(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(1);
  dm->Campo(QStringLiteral("DATALCTOPRO"))->SetAsDate(QDate(2026, 11, 20));
  try {
    dm->nClientDataSet->Post();
    FAIL() << "o registro sem filial foi gravado";
  } catch (const EnField &erro) {
    EXPECT_EQ(erro.field(), dm->Campo(QStringLiteral("CODIGOESTAB")));
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 3);
}

TEST_F(DMClientDataSetTeste, RefusedPostKeepsTheEditAndTheTypedValuesAndTheStoredRow) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  TnClientDataSet *d = dm->nClientDataSet;
  ASSERT_TRUE(d->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  d->Edit();
  dm->Campo(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("PROIBIDO"));
  dm->Campo(QStringLiteral("FORMAENTREGA"))->SetAsString(QStringLiteral("3"));
  EXPECT_THROW(d->Post(), EnField);
  EXPECT_EQ(d->State(), TnDataSetState::Edit);
  EXPECT_EQ(dm->Campo(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("PROIBIDO"));
  EXPECT_EQ(dm->Campo(QStringLiteral("FORMAENTREGA"))->AsString(), QStringLiteral("3"));
  EXPECT_EQ(ObservacaoNoBanco(1).toString(), QStringLiteral("primeiro"));
  d->Cancel();
  EXPECT_EQ(dm->Campo(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("primeiro"));
}

TEST_F(DMClientDataSetTeste, StoredKeyCannotChangeUnlessTheModuleAllowsIt) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  TnClientDataSet *d = dm->nClientDataSet;
  d->Locate(QStringLiteral("CODIGOPROTOCOLO"), 3);
  d->Edit();
  dm->Campo(QStringLiteral("CODIGOPROTOCOLO"))->SetAsInteger(30);
  try {
    d->Post();
    FAIL() << "a chave foi alterada";
  } catch (const EnField &erro) {
    EXPECT_EQ(erro.field(), dm->Campo(QStringLiteral("CODIGOPROTOCOLO")));
  }
  d->Cancel();
  dm->SetPodeAlterarChave(true);
  d->Edit();
  dm->Campo(QStringLiteral("CODIGOPROTOCOLO"))->SetAsInteger(30);
  d->Post();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 30")), 1);
}

// --- automatic key

TEST_F(DMClientDataSetTeste, SingleKeyTakesTheNextNumberOfTheWholeTable) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MENORIGUAL"), QDate(2026, 11, 2));
  dm->Abrir();
  ASSERT_EQ(dm->nClientDataSet->RecordCount(), 1);  // protocol 3 is not shown, yet counts
  dm->nClientDataSet->Append();
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 4);
}

TEST_F(DMClientDataSetTeste, DetailSequenceIsNumberedPerMaster) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  TnFrmVisual *form = dm->CriarForm();
  ASSERT_NE(form, nullptr);
  auto *itens = dynamic_cast<TnDMClientDataSet *>(dm->FindGlobalDataModule(QStringLiteral("nTesteDMProtocoloItem")));
  ASSERT_NE(itens, nullptr);
  TnClientDataSet *mestre = dm->nClientDataSet;
  TnClientDataSet *detalhe = itens->nClientDataSet;

  mestre->Locate(QStringLiteral("CODIGOPROTOCOLO"), 2);
  detalhe->Append();
  EXPECT_EQ(detalhe->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 2);
  EXPECT_EQ(detalhe->FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger(), 2);
  detalhe->FieldByName(QStringLiteral("DESCRITEM"))->SetAsString(QStringLiteral("Guia COFINS"));
  detalhe->Post();

  mestre->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1);
  detalhe->Append();
  EXPECT_EQ(detalhe->FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger(), 3);
  detalhe->Cancel();

  mestre->Locate(QStringLiteral("CODIGOPROTOCOLO"), 3);
  detalhe->Append();
  EXPECT_EQ(detalhe->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 3);
  EXPECT_EQ(detalhe->FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger(), 1);
  detalhe->Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 2 and SEQITEMPRO = 2")), 1);
}

TEST_F(DMClientDataSetTeste, KeyWhosePrecedingFieldsAreTypedLaterIsNumberedOnPost) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(CriarDM(QStringLiteral("TnTesteDMRespEstab")));
  ASSERT_NE(dm, nullptr);
  dm->Abrir();
  TnClientDataSet *d = dm->nClientDataSet;
  auto nova = [&](int empresa, int estab) {
    d->Append();
    EXPECT_TRUE(d->FieldByName(QStringLiteral("SEQ"))->IsNull());
    d->FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(empresa);
    d->FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(estab);
    d->FieldByName(QStringLiteral("NOMERESPONSAVEL"))->SetAsString(QStringLiteral("Responsável"));
    d->Post();
    return d->FieldByName(QStringLiteral("SEQ"))->AsInteger();
  };
  EXPECT_EQ(nova(2, 1), 2);  // the sample has SEQ 1 of company 2, establishment 1
  EXPECT_EQ(nova(2, 2), 1);
  EXPECT_EQ(nova(2, 1), 3);
}

// --- details

TEST_F(DMClientDataSetTeste, DetailShowsOnlyTheCurrentMastersRowsAndFollowsIt) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->CriarForm();
  auto *itens =
      dynamic_cast<TnTesteDMProtocoloItem *>(dm->FindGlobalDataModule(QStringLiteral("nTesteDMProtocoloItem")));
  ASSERT_NE(itens, nullptr);
  EXPECT_EQ(itens->DmMaster(), dm);
  EXPECT_EQ(itens->FDM, dm);
  dm->nClientDataSet->First();
  EXPECT_EQ(itens->nClientDataSet->RecordCount(), 2);
  dm->nClientDataSet->Next();
  EXPECT_EQ(itens->nClientDataSet->RecordCount(), 1);
  EXPECT_EQ(itens->nClientDataSet->FieldByName(QStringLiteral("DESCRITEM"))->AsString(), QStringLiteral("Guia PIS"));
  dm->nClientDataSet->Next();
  EXPECT_TRUE(itens->nClientDataSet->IsEmpty());
}

TEST_F(DMClientDataSetTeste, TwoRegistersEachFindTheirOwnDetailAndTheDetailItsOwnMaster) {
  TnTesteDMProtocolo *primeiro = NovoProtocolo();
  TnTesteDMProtocolo *segundo = NovoProtocolo();
  primeiro->CriarForm();
  segundo->CriarForm();
  const QString nomeItens = QStringLiteral("nTesteDMProtocoloItem");
  TnDataModule *itensPrimeiro = primeiro->FindGlobalDataModule(nomeItens);
  TnDataModule *itensSegundo = segundo->FindGlobalDataModule(nomeItens);
  ASSERT_NE(itensPrimeiro, nullptr);
  ASSERT_NE(itensSegundo, nullptr);
  EXPECT_NE(itensPrimeiro, itensSegundo);
  EXPECT_EQ(itensSegundo->DmMaster(), segundo);
  // The registry's global lookup would have given the first one to both.
  EXPECT_EQ(::FindGlobalDataModule(nomeItens), itensPrimeiro);
  // Each detail finds its master through its own suffix.
  EXPECT_EQ(PrepararDM(QStringLiteral("TnTesteDMProtocolo"), itensSegundo->Sufixo(), false, false), segundo);
  auto *itens2 = dynamic_cast<TnTesteDMProtocoloItem *>(itensSegundo);
  EXPECT_EQ(itens2->FindGlobalDataModule(QStringLiteral("nTesteDMProtocolo")), segundo);
}

TEST_F(DMClientDataSetTeste, DetailAttachedByTheCallerIsLinkedAndFreedWithItsMaster) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  TnFrmVisual *form = dm->CriarForm();
  // As the group register attaches its members: created apart, then given.
  auto *itens = dynamic_cast<TnDMClientDataSet *>(CriarDM(QStringLiteral("TnTesteDMProtocoloItem")));
  ASSERT_NE(itens, nullptr);
  itens->SetTipoForm(1);
  EXPECT_EQ(itens->DmMaster(), nullptr);
  TnDMClientDataSet *ligado =
      dm->CriarDetalhe(QStringLiteral("TnTesteDMProtocoloItem"), QStringLiteral("CODIGOPROTOCOLO"), form, itens,
                       QString(), nullptr, false);
  EXPECT_EQ(ligado, itens);
  EXPECT_EQ(itens->DmMaster(), dm);
  dm->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 2);
  EXPECT_EQ(itens->nClientDataSet->RecordCount(), 1);
  itens->nClientDataSet->Append();
  EXPECT_EQ(itens->nClientDataSet->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 2);
  itens->nClientDataSet->Cancel();
  EXPECT_TRUE(dynamic_cast<TnFrmCadGrid *>(itens->Form()));
  nLiberarDM(dm);
  EXPECT_FALSE(TnRegistro::Instancia().Viva(itens));
}

TEST_F(DMClientDataSetTeste, UnknownDetailClassIsSkipped) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->AddInfoDetalhe(QStringLiteral("TnClasseQueNaoExiste"), QStringLiteral("CODIGOPROTOCOLO"),
                     QStringLiteral("CODIGOPROTOCOLO"));
  ASSERT_NE(dm->CriarForm(), nullptr);
  EXPECT_EQ(dm->Detalhes().size(), 1);
  EXPECT_EQ(dm->CriarDetalhe(QStringLiteral("TnClasseQueNaoExiste"), QStringLiteral("CODIGOPROTOCOLO"), dm->Form()),
            nullptr);
}

// --- editors and actions

TEST_F(DMClientDataSetTeste, EdEnabledFieldIsWhatTheFormsEditorShows) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  TnField *observacao = dm->Campo(QStringLiteral("OBSERVACAO"));
  TnEditorCampo *semForm = dm->EdFindFieldControl(observacao);
  ASSERT_NE(semForm, nullptr);
  dm->EdEnabledField(observacao, false);
  EXPECT_FALSE(semForm->Enabled());

  auto *form = dynamic_cast<TnFrmCadastro *>(dm->CriarForm());
  ASSERT_NE(form, nullptr);
  TnEditorCampo *editor = form->Editor(QStringLiteral("OBSERVACAO"));
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(dm->EdFindFieldControl(observacao), editor);
  EXPECT_FALSE(editor->Enabled());
  EXPECT_FALSE(editor->Digitar(QStringLiteral("digitado")));
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);

  dm->EdEnabledField(QStringLiteral("OBSERVACAO"), true);
  EXPECT_TRUE(editor->Enabled());
  EXPECT_TRUE(editor->Digitar(QStringLiteral("digitado")));
  EXPECT_EQ(observacao->AsString(), QStringLiteral("digitado"));
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Edit);

  dm->EdEnabledFields(false);
  EXPECT_FALSE(form->Editor(QStringLiteral("CODIGOEMPRESA"))->Enabled());
  dm->EdReadOnlyField(observacao, true);
  EXPECT_TRUE(editor->ReadOnly());
}

TEST_F(DMClientDataSetTeste, EdEnabledFieldsOnAGridFormIsTheGridsEditability) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->CriarForm();
  auto *itens = dynamic_cast<TnDMClientDataSet *>(dm->FindGlobalDataModule(QStringLiteral("nTesteDMProtocoloItem")));
  auto *grade = dynamic_cast<TnFrmCadGrid *>(itens->Form());
  ASSERT_NE(grade, nullptr);
  itens->EdEnabledFields(false);
  EXPECT_TRUE(grade->Grid()->ReadOnly());
  EXPECT_FALSE(grade->Grid()->Inserir());
  itens->EdEnabledFields(true);
  EXPECT_FALSE(grade->Grid()->ReadOnly());
}

TEST_F(DMClientDataSetTeste, HabilitaDesabilitaActionsReachesTheFormsStandardActions) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->HabilitaDesabilitaActions({QStringLiteral("actDataSetInsert")}, false);  // no form yet: nothing
  TnFrmVisual *form = dm->CriarForm();
  dm->HabilitaDesabilitaActions({QStringLiteral("actDataSetInsert"), QStringLiteral("actDataSetDelete")}, false);
  EXPECT_FALSE(form->Action(QStringLiteral("actDataSetInsert"))->Enabled());
  EXPECT_FALSE(form->Action(QStringLiteral("actDataSetDelete"))->Enabled());
  EXPECT_FALSE(form->ExecutarAction(QStringLiteral("actDataSetInsert")));
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);
  dm->HabilitaDesabilitaActions({QStringLiteral("actDataSetInsert")}, true);
  EXPECT_TRUE(form->ExecutarAction(QStringLiteral("actDataSetInsert")));
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Insert);
}

TEST_F(DMClientDataSetTeste, ConfigurarCampoRunsAfterScrollAndStateChanges) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  const int antes = dm->ConfiguracoesCampo;
  dm->nClientDataSet->Next();
  EXPECT_GT(dm->ConfiguracoesCampo, antes);
  const int depoisDoScroll = dm->ConfiguracoesCampo;
  dm->nClientDataSet->Edit();
  dm->nClientDataSet->Cancel();
  EXPECT_GT(dm->ConfiguracoesCampo, depoisDoScroll);
}

TEST_F(DMClientDataSetTeste, TypingAStoredKeySearchesForThatRow) {
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  TnTesteDMProtocolo *dm = NovoProtocolo();
  auto *form = dynamic_cast<TnFrmCadastro *>(dm->CriarForm());
  TnEditorCampo *codigo = form->Editor(QStringLiteral("CODIGOPROTOCOLO"));
  EXPECT_TRUE(codigo->Digitar(QStringLiteral("3")));
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), 2);
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 3")), 1);
  EXPECT_FALSE(codigo->Digitar(QStringLiteral("99")));
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Não existe registro com esta chave")});
  EXPECT_EQ(dm->Campo(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 3);
}

// --- the framework's lookups and small services

TEST_F(DMClientDataSetTeste, EstablishmentLookupTakesTheCompanyFilter) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEstab"), QString(), false, true));
  ASSERT_NE(dm, nullptr);
  EXPECT_TRUE(TnRegistro::Instancia().HerdaDe(QStringLiteral("TrTulDCEstab"), QStringLiteral("TnDMClientDataSet")));
  dm->Abrir();
  EXPECT_EQ(dm->nClientDataSet->RecordCount(), 5);
  dm->nClientDataSet->SetFilter(QStringLiteral("CodigoEmpresa = 2"));
  dm->nClientDataSet->SetFiltered(true);
  EXPECT_EQ(dm->nClientDataSet->RecordCount(), 3);
  for (dm->nClientDataSet->First(); !dm->nClientDataSet->Eof(); dm->nClientDataSet->Next()) {
    EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("CodigoEmpresa"))->AsInteger(), 2);
    EXPECT_FALSE(dm->nClientDataSet->FieldByName(QStringLiteral("ApelidoEstab"))->AsString().isEmpty());
  }
  EXPECT_EQ(TnRegistro::Instancia().PegarTipoObjeto(QStringLiteral("TrTulDCEstab")), 2);
  EXPECT_FALSE(dm->nClientDataSet->nLogChanges());
}

TEST_F(DMClientDataSetTeste, CompanyLookupListsTheCompaniesWithTheirNames) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEmpresa")));
  ASSERT_NE(dm, nullptr);
  dm->Abrir();
  dm->nClientDataSet->SetFilter(QStringLiteral("CodigoEmpresa = 3"));
  dm->nClientDataSet->SetFiltered(true);
  ASSERT_EQ(dm->nClientDataSet->RecordCount(), 1);
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("NomeEmpresa"))->AsString(),
            QStringLiteral("Tecidos Fio de Ouro Ltda"));
}

TEST_F(DMClientDataSetTeste, FrameworkRegistrationIsCounted) {
  // The fixture registered once; a second registration and its removal
  // leave the classes in place.
  nRegistrarClassesFramework();
  nRemoverClassesFramework();
  EXPECT_TRUE(TnRegistro::Instancia().Registrada(QStringLiteral("TrTulDCEmpresa")));
  EXPECT_EQ(CriarDM(QStringLiteral("TnDMClientDataSet")), nullptr);  // the base is not made by name
}

TEST_F(DMClientDataSetTeste, HouveAlteracoesSeesTheTypedRecordAndTheChangeLog) {
  TnTesteDMProtocolo *dm = NovoProtocolo();
  dm->Abrir();
  TnClientDataSet *d = dm->nClientDataSet;
  EXPECT_FALSE(HouveAlteracoes(d));
  d->Edit();
  EXPECT_FALSE(HouveAlteracoes(d));
  dm->Campo(QStringLiteral("OBSERVACAO"))->SetAsString(QStringLiteral("x"));
  EXPECT_TRUE(HouveAlteracoes(d));
  d->Cancel();
  EXPECT_FALSE(HouveAlteracoes(d));

  TnClientDataSet memoria;
  memoria.AddFieldDef(QStringLiteral("A"), TnFieldType::Integer);
  memoria.CreateDataSet();
  memoria.Append();
  memoria.FieldByName(QStringLiteral("A"))->SetAsInteger(1);
  memoria.Post();
  EXPECT_TRUE(HouveAlteracoes(&memoria));
  memoria.MergeChangeLog();
  EXPECT_FALSE(HouveAlteracoes(&memoria));
  EXPECT_FALSE(HouveAlteracoes(nullptr));
}

// --- clones of datasets with computed fields

TEST_F(DMClientDataSetTeste, CloneKeepsLookupFieldsComputing) {
  auto *dm = dynamic_cast<TnDMClientDataSet *>(CriarDM(QStringLiteral("TrTulDCEstab")));
  dm->Abrir();
  TnClientDataSet *d = dm->nClientDataSet;
  d->AdicionarCampo(std::make_unique<TnLookupField>(
      d, QStringLiteral("NomeDaEmpresa"), 100, QStringLiteral("EMPRESA"), QStringList{QStringLiteral("CODIGOEMPRESA")},
      QStringList{QStringLiteral("CODIGOEMPRESA")}, QStringLiteral("NOMEEMPRESA")));
  d->Last();
  TnClientDataSet clone;
  clone.CloneCursor(d);
  TnField *nome = clone.FieldByName(QStringLiteral("NomeDaEmpresa"));
  EXPECT_NE(dynamic_cast<TnLookupField *>(nome), nullptr);
  EXPECT_EQ(nome->AsString(), QStringLiteral("Tecidos Fio de Ouro Ltda"));
  clone.First();
  EXPECT_EQ(nome->AsString(), QStringLiteral("Organização Contábil Exemplo Ltda"));
  // Stored fields keep their class and labels too.
  EXPECT_EQ(clone.FieldByName(QStringLiteral("CODIGOESTAB"))->DataType(),
            d->FieldByName(QStringLiteral("CODIGOESTAB"))->DataType());
}

}  // namespace
