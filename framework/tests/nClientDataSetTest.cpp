#include <gtest/gtest.h>

#include <memory>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nException_U.h"

namespace {

// An in-memory dataset: CODIGO, NOME, GRUPO, VALOR (exact, 2 decimals), DATA.
std::unique_ptr<TnClientDataSet> NovosDados() {
  auto dados = std::make_unique<TnClientDataSet>();
  dados->AddFieldDef(QStringLiteral("CODIGO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("NOME"), TnFieldType::String, 50);
  dados->AddFieldDef(QStringLiteral("Grupo"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
  dados->AddFieldDef(QStringLiteral("DATA"), TnFieldType::Date);
  dados->CreateDataSet();
  return dados;
}

void Incluir(TnClientDataSet &dados, int codigo, const QVariant &grupo = QVariant(), const QString &nome = QString()) {
  dados.Append();
  dados.FieldByName(QStringLiteral("CODIGO"))->SetValue(codigo);
  if (!grupo.isNull()) dados.FieldByName(QStringLiteral("GRUPO"))->SetValue(grupo);
  if (!nome.isEmpty()) dados.FieldByName(QStringLiteral("NOME"))->SetValue(nome);
  dados.Post();
}

// Rows with CODIGO 1..n (GRUPO given per row when `grupos` is not empty),
// with the change log merged so tests see only their own changes.
std::unique_ptr<TnClientDataSet> DadosCom(int n, const QList<int> &grupos = {}) {
  auto dados = NovosDados();
  for (int i = 1; i <= n; ++i) Incluir(*dados, i, grupos.isEmpty() ? QVariant() : QVariant(grupos.at(i - 1)));
  dados->MergeChangeLog();
  dados->First();
  return dados;
}

int Codigo(const TnClientDataSet &dados) { return dados.FieldByName(QStringLiteral("CODIGO"))->AsInteger(); }

// The CODIGO of every row of the view in order; the cursor is restored.
QList<int> Codigos(TnClientDataSet &dados) {
  QList<int> codigos;
  for (int p = 0; p < dados.RecordCount(); ++p) codigos.append(dados.Linha(p).at(0).toInt());
  return codigos;
}

struct TnContador {
  int BeforeInsert = 0, AfterInsert = 0, BeforePost = 0, AfterPost = 0, BeforeCancel = 0, AfterCancel = 0;
  int BeforeScroll = 0, AfterScroll = 0, BeforeDelete = 0, AfterDelete = 0, OnNewRecord = 0, AfterEdit = 0;

  void Ligar(TnClientDataSet &d) {
    d.BeforeInsert = [this](TnClientDataSet &) { ++BeforeInsert; };
    d.AfterInsert = [this](TnClientDataSet &) { ++AfterInsert; };
    d.BeforePost = [this](TnClientDataSet &) { ++BeforePost; };
    d.AfterPost = [this](TnClientDataSet &) { ++AfterPost; };
    d.BeforeCancel = [this](TnClientDataSet &) { ++BeforeCancel; };
    d.AfterCancel = [this](TnClientDataSet &) { ++AfterCancel; };
    d.BeforeScroll = [this](TnClientDataSet &) { ++BeforeScroll; };
    d.AfterScroll = [this](TnClientDataSet &) { ++AfterScroll; };
    d.BeforeDelete = [this](TnClientDataSet &) { ++BeforeDelete; };
    d.AfterDelete = [this](TnClientDataSet &) { ++AfterDelete; };
    d.OnNewRecord = [this](TnClientDataSet &) { ++OnNewRecord; };
    d.AfterEdit = [this](TnClientDataSet &) { ++AfterEdit; };
  }
};

}  // namespace

// ---- States and events ------------------------------------------------------

TEST(TnClientDataSetEstados, EditOnAnEmptyDatasetInsertsAndFiresTheInsertEvents) {
  auto dados = NovosDados();
  TnContador c;
  c.Ligar(*dados);
  dados->Edit();
  EXPECT_EQ(dados->State(), TnDataSetState::Insert);
  EXPECT_EQ(c.BeforeInsert, 1);
  EXPECT_EQ(c.AfterInsert, 1);
  EXPECT_EQ(c.OnNewRecord, 1);
  EXPECT_EQ(c.AfterEdit, 0);
}

TEST(TnClientDataSetEstados, AnInsertRefusedInBeforeInsertLeavesTheEmptyGridAlone) {
  auto dados = NovosDados();
  dados->BeforeInsert = [](TnClientDataSet &) { throw Exception(QStringLiteral("Não é permitido inserir registros.")); };
  EXPECT_THROW(dados->Edit(), Exception);
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_TRUE(dados->IsEmpty());
  EXPECT_THROW(dados->Append(), Exception);
  EXPECT_EQ(dados->RecordCount(), 0);
}

TEST(TnClientDataSetEstados, MovesAndAppendsPostAPendingRow) {
  auto dados = DadosCom(3);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("Primeiro"));
  dados->Next();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(dados->Linha(0).at(1).toString(), QStringLiteral("Primeiro"));

  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(4);
  dados->Append();  // posts row 4, then begins another
  EXPECT_EQ(dados->RecordCount(), 4);
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(5);
  dados->First();  // "the move to the first row at the end of the run" posts the last one
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3, 4, 5}));

  for (auto mover : {&TnClientDataSet::Last, &TnClientDataSet::Prior, &TnClientDataSet::First}) {
    dados->Edit();
    dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(7);
    (dados.get()->*mover)();
    EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  }
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(8);
  dados->SetRecNo(3);
  EXPECT_EQ(dados->Linha(0).at(2).toInt(), 8);
}

TEST(TnClientDataSetEstados, AMoveDropsAnInsertNobodyTouched) {
  auto dados = DadosCom(2);
  dados->OnNewRecord = [](TnClientDataSet &d) { d.FieldByName(QStringLiteral("GRUPO"))->SetValue(1); };
  dados->Append();
  EXPECT_FALSE(dados->Modified());
  dados->First();
  EXPECT_EQ(dados->RecordCount(), 2);
}

TEST(TnClientDataSetEstados, PostAndCancelInBrowseDoNothing) {
  auto dados = DadosCom(2);
  TnContador c;
  c.Ligar(*dados);
  dados->Post();
  dados->Cancel();
  EXPECT_EQ(c.BeforePost + c.AfterPost + c.BeforeCancel + c.AfterCancel, 0);
  EXPECT_EQ(dados->RecordCount(), 2);
}

TEST(TnClientDataSetEstados, ACancelInsideAfterInsertLeavesLaterPostsHarmless) {
  auto dados = DadosCom(2);
  dados->AfterInsert = [](TnClientDataSet &d) { d.Cancel(); };
  dados->Append();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  dados->Post();
  EXPECT_EQ(dados->RecordCount(), 2);
  EXPECT_THROW(dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(3), Exception);
}

TEST(TnClientDataSetEstados, ACancelInsideAfterEditPutsTheRowBack) {
  auto dados = DadosCom(2);
  dados->AfterEdit = [](TnClientDataSet &d) { d.Cancel(); };
  dados->Edit();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Codigo(*dados), 1);
}

TEST(TnClientDataSetEstados, CancelUpdatesAndARaiseInsideBeforePostAbortCleanly) {
  auto dados = DadosCom(2);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("alterado"));
  dados->Post();
  dados->BeforePost = [](TnClientDataSet &d) {
    if (d.FieldByName(QStringLiteral("CODIGO"))->AsInteger() == 99) {
      d.CancelUpdates();
      throw Exception(QStringLiteral("Código inválido."));
    }
  };
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(99);
  EXPECT_THROW(dados->Post(), Exception);
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2}));
  EXPECT_TRUE(dados->Linha(0).at(1).isNull());  // the logged edit was undone too
  EXPECT_EQ(dados->ChangeCount(), 0);
}

TEST(TnClientDataSetEstados, ACancelInsideBeforePostStopsThePostWithoutARow) {
  auto dados = DadosCom(1);
  int depois = 0;
  dados->BeforePost = [](TnClientDataSet &d) { d.Cancel(); };
  dados->AfterPost = [&](TnClientDataSet &) { ++depois; };
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(2);
  dados->Post();
  EXPECT_EQ(dados->RecordCount(), 1);
  EXPECT_EQ(depois, 0);
}

TEST(TnClientDataSetEstados, AFailedPostKeepsTheRowBeingEditedWithItsValues) {
  auto dados = DadosCom(1);
  dados->BeforePost = [](TnClientDataSet &d) {
    if (d.FieldByName(QStringLiteral("GRUPO"))->IsNull()) throw EAbort();
  };
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(2);
  EXPECT_THROW(dados->Post(), EAbort);
  EXPECT_EQ(dados->State(), TnDataSetState::Insert);
  EXPECT_EQ(Codigo(*dados), 2);
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(1);
  dados->Post();
  EXPECT_EQ(dados->RecordCount(), 2);
}

TEST(TnClientDataSetEstados, TheFieldsOwnValidationRunsAfterBeforePost) {
  auto dados = DadosCom(1);
  dados->FieldByName(QStringLiteral("NOME"))->SetRequired(true);
  dados->BeforePost = [](TnClientDataSet &d) {
    if (d.State() == TnDataSetState::Insert) d.FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("posto"));
  };
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(2);
  EXPECT_NO_THROW(dados->Post());
  dados->BeforePost = nullptr;
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->Clear();
  EXPECT_THROW(dados->Post(), EnField);
  EXPECT_EQ(dados->State(), TnDataSetState::Edit);
}

TEST(TnClientDataSetEstados, AnErrorInOnNewRecordUndoesTheInsert) {
  auto dados = DadosCom(1);
  dados->OnNewRecord = [](TnClientDataSet &) { throw Exception(QStringLiteral("sem código")); };
  EXPECT_THROW(dados->Append(), Exception);
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Codigo(*dados), 1);
}

TEST(TnClientDataSetEstados, DeleteLeavesTheNextRowCurrentAndTheLastLeavesEof) {
  auto dados = DadosCom(4);
  dados->SetRecNo(2);
  dados->Delete();
  EXPECT_EQ(Codigo(*dados), 3);
  EXPECT_EQ(dados->RecNo(), 2);
  EXPECT_FALSE(dados->Eof());
  dados->Last();
  dados->Delete();
  EXPECT_TRUE(dados->Eof());
  EXPECT_EQ(Codigo(*dados), 3);
  dados->First();
  dados->Delete();
  dados->Delete();
  EXPECT_TRUE(dados->IsEmpty());
  EXPECT_TRUE(dados->Eof());
  EXPECT_THROW(dados->Delete(), Exception);
}

TEST(TnClientDataSetEstados, DeleteOrNextLoopsEnd) {
  auto dados = DadosCom(7);
  int voltas = 0;
  dados->First();
  while (!dados->Eof() && ++voltas < 50) {
    if (Codigo(*dados) % 2 == 0 || Codigo(*dados) == 7) dados->Delete();
    else dados->Next();
  }
  EXPECT_LT(voltas, 50);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 5}));
}

TEST(TnClientDataSetEstados, AnAbortInBeforeDeleteKeepsTheRow) {
  auto dados = DadosCom(2);
  dados->BeforeDelete = [](TnClientDataSet &) { throw EAbort(); };
  EXPECT_THROW(dados->Delete(), EAbort);
  EXPECT_EQ(dados->RecordCount(), 2);
}

TEST(TnClientDataSetEstados, DeleteWhileInsertingOnlyCancels) {
  auto dados = DadosCom(2);
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(3);
  dados->Delete();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(dados->RecordCount(), 2);
}

TEST(TnClientDataSetEstados, ARowBeingInsertedIsNotCounted) {
  auto dados = DadosCom(3);
  dados->Append();
  EXPECT_EQ(dados->RecordCount(), 3);
  EXPECT_EQ(dados->RecNo(), 0);
  EXPECT_FALSE(dados->IsEmpty());
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(4);
  dados->Post();
  EXPECT_EQ(dados->RecordCount(), 4);
  EXPECT_EQ(dados->RecNo(), 4);
}

TEST(TnClientDataSetEstados, InsertPutsTheRowBeforeTheCurrentOne) {
  auto dados = DadosCom(3);
  dados->SetRecNo(2);
  dados->Insert();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(9);
  dados->Post();
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 9, 2, 3}));
  EXPECT_EQ(dados->RecNo(), 2);
}

TEST(TnClientDataSetEstados, ModifiedAndOldValuesFollowTheEdit) {
  auto dados = DadosCom(2);
  TnField *nome = dados->FieldByName(QStringLiteral("NOME"));
  dados->Edit();
  nome->SetValue(QStringLiteral("velho"));
  dados->Post();
  dados->Edit();
  EXPECT_FALSE(dados->Modified());
  nome->SetValue(QStringLiteral("novo"));
  EXPECT_TRUE(dados->Modified());
  EXPECT_EQ(dados->ValorAntigoCampo(nome->Index()).toString(), QStringLiteral("velho"));
  EXPECT_EQ(nome->Value().toString(), QStringLiteral("novo"));
  dados->Cancel();
  EXPECT_EQ(nome->Value().toString(), QStringLiteral("velho"));
  dados->Append();
  EXPECT_TRUE(dados->ValorAntigoCampo(nome->Index()).isNull());
}

TEST(TnClientDataSetEstados, ScrollEventsFireOnMovesButNotPastTheEnd) {
  auto dados = DadosCom(2);
  TnContador c;
  c.Ligar(*dados);
  dados->First();
  EXPECT_EQ(c.AfterScroll, 1);
  dados->Next();
  dados->Next();  // reaches Eof
  EXPECT_EQ(c.AfterScroll, 3);
  dados->Next();  // already at Eof
  EXPECT_EQ(c.AfterScroll, 3);
  EXPECT_TRUE(dados->Eof());
  dados->Delete();
  EXPECT_EQ(c.BeforeDelete, 1);
  EXPECT_EQ(c.AfterDelete, 1);
}

TEST(TnClientDataSetEstados, DisableControlsNests) {
  auto dados = DadosCom(1);
  dados->DisableControls();
  dados->DisableControls();
  dados->EnableControls();
  EXPECT_TRUE(dados->ControlsDisabled());
  dados->EnableControls();
  EXPECT_FALSE(dados->ControlsDisabled());
  dados->EnableControls();  // one too many does not go negative
  dados->DisableControls();
  EXPECT_TRUE(dados->ControlsDisabled());
}

TEST(TnClientDataSetEstados, FirstAndLastSetBofAndEof) {
  auto dados = DadosCom(3);
  dados->Last();
  EXPECT_TRUE(dados->Eof());
  EXPECT_EQ(Codigo(*dados), 3);
  QList<int> inverso;
  for (dados->Last(); !dados->Bof(); dados->Prior()) inverso.append(Codigo(*dados));
  EXPECT_EQ(inverso, (QList<int>{3, 2, 1}));
  auto vazio = NovosDados();
  EXPECT_TRUE(vazio->Eof());
  EXPECT_TRUE(vazio->Bof());
  EXPECT_EQ(vazio->RecNo(), 0);
}

TEST(TnClientDataSetEstados, AClosedDatasetRefusesWork) {
  auto dados = DadosCom(1);
  dados->Close();
  EXPECT_FALSE(dados->Active());
  EXPECT_THROW(dados->First(), Exception);
  EXPECT_THROW(dados->Append(), Exception);
  EXPECT_EQ(dados->RecordCount(), 0);
  TnField *codigo = dados->FieldByName(QStringLiteral("CODIGO"));
  dados->CreateDataSet();
  EXPECT_EQ(dados->FieldByName(QStringLiteral("CODIGO")), codigo);  // fields kept
}

// ---- Indexes and searches -----------------------------------------------------

TEST(TnClientDataSetIndices, EqualKeysKeepTheirInsertionOrder) {
  auto dados = DadosCom(6, {2, 1, 2, 1, 2, 1});
  dados->SetIndexFieldNames(QStringLiteral("grupo;"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 6, 1, 3, 5}));
  dados->SetIndexFieldNames(QStringLiteral(" GRUPO ; codigo ;"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 6, 1, 3, 5}));
  dados->SetIndexFieldNames(QString());
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_THROW(dados->SetIndexFieldNames(QStringLiteral("GRUPO;NADA")), Exception);
}

TEST(TnClientDataSetIndices, APostedRowGoesAfterItsNewEqualsAndStaysCurrent) {
  auto dados = DadosCom(4, {1, 1, 2, 2});
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGO"), 4));
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(1);
  dados->Post();
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 4, 3}));
  EXPECT_EQ(Codigo(*dados), 4);
  EXPECT_EQ(dados->RecNo(), 3);
  // Moving "up": the row with key 1 that gets 2 goes after the other 2s.
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGO"), 1));
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(2);
  dados->Post();
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 3, 1}));
  EXPECT_EQ(dados->RecNo(), 4);
  // An edit that keeps the key keeps the place among equals.
  ASSERT_TRUE(dados->Locate(QStringLiteral("CODIGO"), 2));
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("x"));
  dados->Post();
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 3, 1}));
  // A new row goes after its equals too.
  Incluir(*dados, 5, 1);
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 5, 3, 1}));
  EXPECT_EQ(dados->RecNo(), 3);
}

TEST(TnClientDataSetIndices, NamedIndexesSortDescendingFields) {
  auto dados = DadosCom(4, {1, 2, 1, 2});
  dados->IndexDefs().Add(QStringLiteral("IX_GRUPO_CODIGO_DESC"), QStringLiteral("GRUPO;CODIGO"), {},
                         QStringLiteral("codigo"));
  dados->IndexDefs().Add(QStringLiteral("IX_TUDO_DESC"), QStringLiteral("GRUPO;CODIGO"), TnOpcaoIndice::Descendente);
  dados->SetIndexName(QStringLiteral("ix_grupo_codigo_desc"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{3, 1, 4, 2}));
  dados->SetIndexName(QStringLiteral("IX_TUDO_DESC"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{4, 2, 3, 1}));
  dados->SetIndexName(QStringLiteral("DEFAULT_ORDER"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3, 4}));
  dados->SetIndexName(QStringLiteral("CHANGEINDEX"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3, 4}));
  EXPECT_THROW(dados->SetIndexName(QStringLiteral("NAO_EXISTE")), Exception);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3, 4}));
  EXPECT_THROW(dados->IndexDefs().Find(QStringLiteral("NAO_EXISTE")), Exception);
  dados->IndexDefs().Clear();
  EXPECT_EQ(dados->IndexDefs().Count(), 0);
}

TEST(TnClientDataSetIndices, DescendingKeysPlaceANewRowAfterItsEquals) {
  auto dados = DadosCom(3, {2, 1, 2});
  dados->IndexDefs().Add(QStringLiteral("IX"), QStringLiteral("GRUPO"), TnOpcaoIndice::Descendente);
  dados->SetIndexName(QStringLiteral("IX"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 2}));
  Incluir(*dados, 4, 2);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 4, 2}));
}

TEST(TnClientDataSetIndices, KeysOfEveryKindSortByValueWithNullsFirst) {
  auto dados = NovosDados();
  const QList<QVariantList> linhas = {
      {1, QStringLiteral("beta"), QStringLiteral("10.00"), QDate(2026, 1, 2)},
      {2, QStringLiteral("Alfa"), QStringLiteral("9.50"), QDate(2025, 12, 31)},
      {3, QVariant(), QVariant(), QVariant()},
      {4, QStringLiteral("alfa"), QStringLiteral("-1"), QDate(2026, 1, 1)},
  };
  for (const QVariantList &l : linhas) {
    dados->Append();
    dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(l[0]);
    dados->FieldByName(QStringLiteral("NOME"))->SetValue(l[1]);
    dados->FieldByName(QStringLiteral("VALOR"))->SetValue(l[2]);
    dados->FieldByName(QStringLiteral("DATA"))->SetValue(l[3]);
    dados->Post();
  }
  dados->SetIndexFieldNames(QStringLiteral("VALOR"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{3, 4, 2, 1}));  // 9.50 before 10.00, not as texts
  dados->SetIndexFieldNames(QStringLiteral("DATA"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{3, 2, 4, 1}));
  dados->SetIndexFieldNames(QStringLiteral("NOME"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{3, 2, 4, 1}));  // by character code: "Alfa" < "alfa" < "beta"
  dados->IndexDefs().Add(QStringLiteral("IX_NOME"), QStringLiteral("NOME;CODIGO"), TnOpcaoIndice::SemDiferenciarCaixa,
                         QStringLiteral("CODIGO"));
  dados->SetIndexName(QStringLiteral("IX_NOME"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{3, 4, 2, 1}));
  EXPECT_TRUE(dados->FindKey({QStringLiteral("ALFA")}));
  EXPECT_EQ(Codigo(*dados), 4);
}

TEST(TnClientDataSetIndices, SelectingAnIndexKeepsTheCurrentRow) {
  auto dados = DadosCom(4, {2, 1, 2, 1});
  dados->SetRecNo(3);
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  EXPECT_EQ(Codigo(*dados), 3);
  EXPECT_EQ(dados->RecNo(), 4);
}

TEST(TnClientDataSetIndices, FindKeySearchesTheCurrentIndex) {
  auto dados = DadosCom(5, {3, 1, 2, 1, 3});
  EXPECT_THROW(dados->FindKey({1}), Exception);
  dados->SetIndexFieldNames(QStringLiteral("GRUPO;CODIGO"));
  EXPECT_TRUE(dados->FindKey({1}));
  EXPECT_EQ(Codigo(*dados), 2);
  EXPECT_TRUE(dados->FindKey({3, 5}));
  EXPECT_EQ(Codigo(*dados), 5);
  EXPECT_TRUE(dados->FindKey({QStringLiteral("2")}));
  EXPECT_EQ(Codigo(*dados), 3);
  EXPECT_FALSE(dados->FindKey({4}));
  EXPECT_EQ(Codigo(*dados), 3);  // not found: the cursor stays
  EXPECT_FALSE(dados->FindKey({QStringLiteral("abc")}));
  dados->FindNearest({2, 9});
  EXPECT_EQ(Codigo(*dados), 1);
}

TEST(TnClientDataSetIndices, FindKeyPostsAPendingEditFirst) {
  auto dados = DadosCom(2, {1, 2});
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(5);
  EXPECT_TRUE(dados->FindKey({5}));
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Codigo(*dados), 1);
}

TEST(TnClientDataSetIndices, LocateMatchesSeveralFieldsNullsAndPartialTexts) {
  auto dados = DadosCom(3, {1, 1, 2});
  dados->Locate(QStringLiteral("CODIGO"), 2);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("Maria Souza"));
  dados->Post();
  dados->First();
  EXPECT_TRUE(dados->Locate(QStringLiteral("grupo;codigo"), QVariantList{1, 2}));
  EXPECT_EQ(Codigo(*dados), 2);
  EXPECT_TRUE(dados->Locate(QStringLiteral("NOME;GRUPO"), QVariantList{QVariant(), 2}));
  EXPECT_EQ(Codigo(*dados), 3);
  EXPECT_FALSE(dados->Locate(QStringLiteral("NOME"), QStringLiteral("maria")));
  EXPECT_TRUE(dados->Locate(QStringLiteral("NOME"), QStringLiteral("maria"),
                            TnOpcaoLocate::ChaveParcial | TnOpcaoLocate::SemDiferenciarCaixa));
  EXPECT_EQ(Codigo(*dados), 2);
  EXPECT_FALSE(dados->Locate(QStringLiteral("CODIGO"), QStringLiteral("x")));
  EXPECT_THROW(dados->Locate(QStringLiteral("CODIGO;GRUPO"), 1), Exception);
}

// ---- Filters ------------------------------------------------------------------

TEST(TnClientDataSetFiltros, AFilterShapesRecordCountRecNoAndTheWalk) {
  auto dados = DadosCom(6, {1, 2, 1, 2, 1, 2});
  dados->SetFilter(QStringLiteral("grupo = 2"));
  EXPECT_EQ(dados->RecordCount(), 6);  // not filtered yet
  dados->SetFiltered(true);
  EXPECT_EQ(dados->RecordCount(), 3);
  EXPECT_EQ(Codigo(*dados), 2);
  dados->Next();
  EXPECT_EQ(dados->RecNo(), 2);
  EXPECT_EQ(Codigo(*dados), 4);
  dados->SetFilter(QStringLiteral("GRUPO = 1 and CODIGO > 1"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{3, 5}));
  dados->SetFiltered(false);
  EXPECT_EQ(dados->RecordCount(), 6);
}

TEST(TnClientDataSetFiltros, AnInvalidFilterIsRefusedAndTheOldOneStays) {
  auto dados = DadosCom(4, {1, 2, 1, 2});
  dados->SetFilter(QStringLiteral("GRUPO = 1"));
  dados->SetFiltered(true);
  EXPECT_THROW(dados->SetFilter(QStringLiteral("GRUPO = = 1")), Exception);
  EXPECT_EQ(dados->Filter(), QStringLiteral("GRUPO = 1"));
  EXPECT_EQ(dados->RecordCount(), 2);
}

TEST(TnClientDataSetFiltros, RowsLeaveAndEnterTheFilterAsTheyArePosted) {
  auto dados = DadosCom(4, {1, 1, 1, 2});
  dados->SetFilter(QStringLiteral("GRUPO = 1"));
  dados->SetFiltered(true);
  dados->SetRecNo(2);
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(2);
  dados->Post();
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3}));
  EXPECT_EQ(Codigo(*dados), 3);  // the next row is current
  Incluir(*dados, 5, 2);         // posted, but out of the view
  EXPECT_EQ(dados->RecordCount(), 2);
  Incluir(*dados, 6, 1);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 6}));
  EXPECT_EQ(Codigo(*dados), 6);
  dados->SetFiltered(false);
  EXPECT_EQ(dados->RecordCount(), 6);
}

TEST(TnClientDataSetFiltros, DeletingWhileFilteredEndsTheLoop) {
  auto dados = DadosCom(6, {1, 2, 1, 2, 1, 2});
  dados->SetFilter(QStringLiteral("GRUPO = 2"));
  dados->SetFiltered(true);
  int voltas = 0;
  for (dados->First(); !dados->Eof() && ++voltas < 20;) dados->Delete();
  EXPECT_LT(voltas, 20);
  EXPECT_TRUE(dados->IsEmpty());
  dados->SetFiltered(false);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 5}));
}

// ---- Master and detail --------------------------------------------------------

namespace {

struct TnMestreDetalhe {
  std::unique_ptr<TnClientDataSet> Mestre = DadosCom(3);
  std::unique_ptr<TnClientDataSet> Detalhe = NovosDados();

  TnMestreDetalhe() {
    // Detail rows: CODIGO 10*master + n, GRUPO = the master's CODIGO.
    for (int m = 1; m <= 2; ++m)
      for (int n = 1; n <= m + 1; ++n) Incluir(*Detalhe, 10 * m + n, m);
    Detalhe->SetMasterSource(Mestre.get(), QStringLiteral("CODIGO"), QStringLiteral("grupo"));
  }
};

}  // namespace

TEST(TnClientDataSetMestreDetalhe, TheDetailShowsAndFollowsTheMastersRow) {
  TnMestreDetalhe md;
  md.Mestre->First();
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{11, 12}));
  md.Mestre->Next();
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{21, 22, 23}));
  EXPECT_EQ(md.Detalhe->RecNo(), 1);
  md.Mestre->Next();
  EXPECT_TRUE(md.Detalhe->IsEmpty());
  // A new detail row belongs to the master's row.
  md.Detalhe->Append();
  md.Detalhe->FieldByName(QStringLiteral("CODIGO"))->SetValue(31);
  md.Detalhe->Post();
  EXPECT_EQ(md.Detalhe->FieldByName(QStringLiteral("GRUPO"))->AsInteger(), 3);
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{31}));
  md.Mestre->EmptyDataSet();
  EXPECT_TRUE(md.Detalhe->IsEmpty());
  md.Detalhe->SetMasterSource(nullptr, QString(), QString());
  EXPECT_EQ(md.Detalhe->RecordCount(), 6);
}

TEST(TnClientDataSetMestreDetalhe, AMasterKeyChangeCarriesTheDetailAlong) {
  TnMestreDetalhe md;
  md.Mestre->First();
  md.Mestre->Edit();
  md.Mestre->FieldByName(QStringLiteral("CODIGO"))->SetValue(2);
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{21, 22, 23}));
  md.Mestre->Cancel();
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{11, 12}));
}

TEST(TnClientDataSetMestreDetalhe, ChainsOfThreeLevelsFollowEachOther) {
  TnMestreDetalhe md;
  auto neto = NovosDados();
  Incluir(*neto, 1, 11);
  Incluir(*neto, 2, 21);
  Incluir(*neto, 3, 21);
  neto->SetMasterSource(md.Detalhe.get(), QStringLiteral("CODIGO"), QStringLiteral("GRUPO"));
  md.Mestre->First();
  EXPECT_EQ(Codigos(*neto), (QList<int>{1}));
  md.Mestre->Next();
  EXPECT_EQ(Codigos(*neto), (QList<int>{2, 3}));
  EXPECT_THROW(md.Mestre->SetMasterSource(neto.get(), QStringLiteral("CODIGO"), QStringLiteral("GRUPO")), Exception);
}

TEST(TnClientDataSetMestreDetalhe, DisabledControlsStopTheLinkUntilEnabled) {
  TnMestreDetalhe md;
  md.Mestre->First();
  md.Mestre->DisableControls();
  md.Mestre->Next();
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{11, 12}));
  md.Mestre->EnableControls();
  EXPECT_EQ(Codigos(*md.Detalhe), (QList<int>{21, 22, 23}));
}

TEST(TnClientDataSetMestreDetalhe, EitherSideMayGoFirst) {
  auto detalhe = NovosDados();
  Incluir(*detalhe, 11, 1);
  {
    auto mestre = DadosCom(1);
    detalhe->SetMasterSource(mestre.get(), QStringLiteral("CODIGO"), QStringLiteral("GRUPO"));
    EXPECT_EQ(detalhe->RecordCount(), 1);
  }
  EXPECT_EQ(detalhe->MasterSource(), nullptr);
  EXPECT_EQ(detalhe->RecordCount(), 1);
  auto mestre = DadosCom(1);
  {
    auto outro = NovosDados();
    outro->SetMasterSource(mestre.get(), QStringLiteral("CODIGO"), QStringLiteral("GRUPO"));
  }
  EXPECT_NO_THROW(mestre->Next());
}

// ---- Clones and bookmarks -------------------------------------------------------

TEST(TnClientDataSetClones, AClonesRowsAreTheSameRows) {
  auto dados = DadosCom(3);
  TnClientDataSet clone;
  clone.CloneCursor(dados.get());
  Incluir(clone, 4);
  EXPECT_EQ(dados->RecordCount(), 4);
  dados->First();
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("visto"));
  dados->Post();
  clone.First();
  EXPECT_EQ(clone.FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("visto"));
  clone.Delete();
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 3, 4}));
  EXPECT_EQ(Codigo(*dados), 2);  // its current row went away: the next one is current
  dados->CancelUpdates();        // the log is shared as well
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3}));
  EXPECT_EQ(clone.RecordCount(), 3);
  clone.Last();
  clone.Prior();
  EXPECT_EQ(Codigo(clone), 2);
}

TEST(TnClientDataSetClones, AClonKeepsTheSourcesViewAndPositionUnlessReset) {
  auto dados = DadosCom(6, {2, 1, 2, 1, 2, 1});
  dados->SetFilter(QStringLiteral("CODIGO > 1"));
  dados->SetFiltered(true);
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  dados->Locate(QStringLiteral("CODIGO"), 3);
  TnClientDataSet clone;
  clone.CloneCursor(dados.get(), false, true);
  EXPECT_EQ(Codigos(clone), Codigos(*dados));
  EXPECT_EQ(Codigo(clone), 3);
  EXPECT_EQ(clone.IndexFieldNames(), QStringLiteral("GRUPO"));
  TnClientDataSet limpo;
  limpo.CloneCursor(dados.get(), true);
  EXPECT_EQ(limpo.RecordCount(), 6);
  EXPECT_EQ(Codigo(limpo), 1);
  // The source outlives nothing: a clone keeps the rows after it is gone.
  dados.reset();
  EXPECT_EQ(limpo.RecordCount(), 6);
}

TEST(TnClientDataSetClones, AClonTakesTheSourcesBuiltViewYetKeepsItsOwnSettingsAfterwards) {
  auto dados = DadosCom(6, {2, 1, 2, 1, 2, 1});
  dados->SetFilter(QStringLiteral("CODIGO > 1"));
  dados->SetFiltered(true);
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  const QList<int> vistos = Codigos(*dados);
  ASSERT_EQ(vistos, (QList<int>{2, 4, 6, 3, 5}));
  TnClientDataSet clone;
  clone.CloneCursor(dados.get(), false, true);
  EXPECT_EQ(Codigos(clone), vistos);
  // The source drops its filter and index: the clone still filters and sorts.
  dados->SetFiltered(false);
  dados->SetIndexFieldNames(QString());
  EXPECT_EQ(Codigos(clone), vistos);
  // A row the source changes takes its place in the clone's view (among
  // equal keys, in the rows' order), a row it deletes leaves it.
  dados->Locate(QStringLiteral("CODIGO"), 4);
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetAsInteger(2);
  dados->Post();
  EXPECT_EQ(Codigos(clone), (QList<int>{2, 6, 3, 4, 5}));
  dados->Locate(QStringLiteral("CODIGO"), 1);
  dados->Delete();
  dados->Locate(QStringLiteral("CODIGO"), 6);
  dados->Delete();
  EXPECT_EQ(Codigos(clone), (QList<int>{2, 3, 4, 5}));
}

TEST(TnClientDataSetClones, ClonesSharingAViewEachSeeTheirOwnChangesAndTheOthers) {
  auto dados = DadosCom(6, {2, 1, 2, 1, 2, 1});
  dados->SetFilter(QStringLiteral("GRUPO = 2"));
  dados->SetFiltered(true);
  TnClientDataSet a;
  TnClientDataSet b;
  a.CloneCursor(dados.get(), false, true);
  b.CloneCursor(dados.get(), false, true);
  // A row posted through one cursor goes into every view it passes, once.
  Incluir(a, 7, 2);
  Incluir(b, 8, 1);
  EXPECT_EQ(Codigos(a), (QList<int>{1, 3, 5, 7}));
  EXPECT_EQ(Codigos(b), (QList<int>{1, 3, 5, 7}));
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 5, 7}));
  // A row deleted through one leaves them all; a row edited out of the
  // filter leaves them too.
  ASSERT_TRUE(b.Locate(QStringLiteral("CODIGO"), 3));
  b.Delete();
  ASSERT_TRUE(a.Locate(QStringLiteral("CODIGO"), 5));
  a.Edit();
  a.FieldByName(QStringLiteral("GRUPO"))->SetAsInteger(1);
  a.Post();
  EXPECT_EQ(Codigos(a), (QList<int>{1, 7}));
  EXPECT_EQ(Codigos(b), (QList<int>{1, 7}));
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 7}));
  // The source's next filter is its own.
  dados->SetFilter(QStringLiteral("GRUPO = 1"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 5, 6, 8}));
  EXPECT_EQ(Codigos(a), (QList<int>{1, 7}));
  EXPECT_EQ(Codigos(b), (QList<int>{1, 7}));
}

TEST(TnClientDataSetClones, BookmarksSurviveChangesToOtherRows) {
  auto dados = DadosCom(5);
  dados->SetRecNo(3);
  const TnBookmark marca = dados->GetBookmark();
  dados->First();
  dados->Delete();
  dados->Insert();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(9);
  dados->Post();
  Incluir(*dados, 10);
  dados->SetIndexFieldNames(QStringLiteral("CODIGO"));
  ASSERT_TRUE(dados->BookmarkValid(marca));
  dados->GotoBookmark(marca);
  EXPECT_EQ(Codigo(*dados), 3);
  TnClientDataSet clone;
  clone.CloneCursor(dados.get(), true);
  clone.GotoBookmark(marca);
  EXPECT_EQ(Codigo(clone), 3);
  dados->Delete();
  EXPECT_FALSE(dados->BookmarkValid(marca));
  EXPECT_THROW(dados->GotoBookmark(marca), Exception);
}

TEST(TnClientDataSetClones, ABookmarkOutOfTheViewIsNotValidThere) {
  auto dados = DadosCom(3, {1, 2, 1});
  dados->SetRecNo(2);
  const TnBookmark marca = dados->GetBookmark();
  dados->SetFilter(QStringLiteral("GRUPO = 1"));
  dados->SetFiltered(true);
  EXPECT_FALSE(dados->BookmarkValid(marca));
  dados->SetFiltered(false);
  EXPECT_TRUE(dados->BookmarkValid(marca));
}

// ---- Change log ---------------------------------------------------------------------

TEST(TnClientDataSetLog, CancelUpdatesUndoesInsertsEditsAndDeletesInPlace) {
  auto dados = DadosCom(4);
  dados->SetRecNo(2);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("mudou"));
  dados->Post();
  dados->SetRecNo(3);
  dados->Delete();
  dados->First();
  dados->Insert();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(7);
  dados->Post();
  EXPECT_EQ(dados->ChangeCount(), 3);
  dados->CancelUpdates();
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3, 4}));
  EXPECT_TRUE(dados->Linha(1).at(1).isNull());
  EXPECT_EQ(dados->ChangeCount(), 0);
}

TEST(TnClientDataSetLog, ASavePointUndoesOnlyWhatCameAfterIt) {
  auto dados = DadosCom(2);
  Incluir(*dados, 3);
  const int marca = dados->SetSavePoint();
  Incluir(*dados, 4);
  dados->First();
  dados->Delete();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(5);  // pending: cancelled
  dados->RestoreSavePoint(marca);
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3}));
  // A pending edit is posted when the save point is taken.
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("antes"));
  const int outra = dados->SetSavePoint();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  dados->RestoreSavePoint(outra);
  EXPECT_EQ(dados->FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("antes"));
}

// A save removes the rows it wrote together: the rest keep their order and
// the cursor, clones and indexed views follow, and a save point taken before
// brings every row back to its place.
TEST(TnClientDataSetLog, RowsRemovedTogetherComeBackInPlaceFromASavePoint) {
  auto dados = DadosCom(8, {2, 1, 2, 1, 2, 1, 2, 1});
  TnClientDataSet clone;
  clone.CloneCursor(dados.get(), true);
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 6, 8, 1, 3, 5, 7}));
  std::vector<TnBookmark> marcas;
  dados->First();
  dados->Next();  // 4
  marcas.push_back(dados->GetBookmark());
  dados->Next();  // 6
  dados->Next();  // 8
  marcas.push_back(dados->GetBookmark());
  dados->Next();  // 1
  marcas.push_back(dados->GetBookmark());
  marcas.push_back(dados->GetBookmark());  // a mark given twice counts once
  dados->Last();  // 7
  marcas.push_back(dados->GetBookmark());
  dados->First();
  dados->Next();
  dados->Next();  // 6: stays current
  const int ponto = dados->SetSavePoint();

  dados->ExcluirLinhas(marcas);
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 6, 3, 5}));
  EXPECT_EQ(Codigo(*dados), 6);
  EXPECT_EQ(Codigos(clone), (QList<int>{2, 3, 5, 6}));
  dados->ExcluirLinhas(marcas);  // already gone: nothing happens
  EXPECT_EQ(dados->RecordCount(), 4);

  dados->RestoreSavePoint(ponto);
  EXPECT_EQ(Codigos(*dados), (QList<int>{2, 4, 6, 8, 1, 3, 5, 7}));
  EXPECT_EQ(Codigos(clone), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));

  // The current row among those removed: the cursor stays at its place.
  dados->First();
  dados->ExcluirLinhas({dados->GetBookmark()});
  EXPECT_EQ(Codigo(*dados), 4);
  EXPECT_FALSE(dados->Eof());
}

// Whether a value is empty is read where it is: the stored row while
// browsing, the typed value while editing, nothing on an empty dataset.
TEST(TnClientDataSetValores, IsNullReadsTheRowBeingEditedOrTheStoredOne) {
  auto dados = DadosCom(2, {7, 8});
  TnField *grupo = dados->FieldByName(QStringLiteral("GRUPO"));
  EXPECT_FALSE(grupo->IsNull());
  dados->Edit();
  grupo->Clear();
  EXPECT_TRUE(grupo->IsNull());
  dados->Cancel();
  EXPECT_FALSE(grupo->IsNull());
  dados->Next();
  dados->Edit();
  grupo->Clear();
  dados->Post();
  EXPECT_TRUE(grupo->IsNull());
  dados->First();
  EXPECT_FALSE(grupo->IsNull());
  dados->Append();
  EXPECT_TRUE(grupo->IsNull());
  grupo->SetAsInteger(0);
  EXPECT_FALSE(grupo->IsNull());
  dados->Cancel();
  dados->EmptyDataSet();
  EXPECT_TRUE(grupo->IsNull());
}

TEST(TnClientDataSetLog, WithTheLogOffCancelUpdatesOnlyCancelsTheEdit) {
  auto dados = DadosCom(2);
  dados->SetnLogChanges(false);
  EXPECT_FALSE(dados->nLogChanges());
  Incluir(*dados, 3);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("x"));
  dados->CancelUpdates();
  EXPECT_EQ(dados->State(), TnDataSetState::Browse);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 2, 3}));
  EXPECT_TRUE(dados->FieldByName(QStringLiteral("NOME"))->IsNull());
  EXPECT_EQ(dados->ChangeCount(), 0);
}

TEST(TnClientDataSetLog, MergedChangesAreFinal) {
  auto dados = DadosCom(2);
  Incluir(*dados, 3);
  EXPECT_EQ(dados->ChangeCount(), 1);
  dados->MergeChangeLog();
  dados->CancelUpdates();
  EXPECT_EQ(dados->RecordCount(), 3);
  dados->EmptyDataSet();
  EXPECT_TRUE(dados->IsEmpty());
  dados->CancelUpdates();
  EXPECT_TRUE(dados->IsEmpty());
}

// A row's texts are stored at their length, inserted or edited: a text
// built with room to grow does not carry it into every row. A text the
// caller still holds stays one text with it, not a second copy.
TEST(TnClientDataSetLog, RowsKeepTheirTextsAtTheirLength) {
  auto dados = DadosCom(1);
  auto comFolga = [] {
    QString texto;
    texto.reserve(500);
    texto += QStringLiteral("Guia de recolhimento");
    return texto;
  };
  Incluir(*dados, 2);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(comFolga());
  dados->Post();
  dados->Append();
  dados->FieldByName(QStringLiteral("CODIGO"))->SetValue(3);
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(comFolga());
  dados->Post();
  for (const int linha : {1, 2}) {
    const QVariant &valor = dados->Linha(linha).at(1);
    EXPECT_EQ(valor.toString(), QStringLiteral("Guia de recolhimento"));
    EXPECT_LT(static_cast<const QString *>(valor.constData())->capacity(), 64);
  }

  const QString mantido = comFolga();
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(mantido);
  dados->Post();
  EXPECT_EQ(static_cast<const QString *>(dados->Linha(2).at(1).constData())->constData(), mantido.constData());
}

// ---- Notifications ----------------------------------------------------------------

namespace {

struct TnObservadorTeste : TnObservadorDataSet {
  QStringList Avisos;
  void AntesInserirLinhas(int a, int b) override { Avisos << QStringLiteral("+?%1-%2").arg(a).arg(b); }
  void LinhasInseridas(int a, int b) override { Avisos << QStringLiteral("+%1-%2").arg(a).arg(b); }
  void AntesRemoverLinhas(int a, int b) override { Avisos << QStringLiteral("-?%1-%2").arg(a).arg(b); }
  void LinhasRemovidas(int a, int b) override { Avisos << QStringLiteral("-%1-%2").arg(a).arg(b); }
  void LinhaAlterada(int linha) override { Avisos << QStringLiteral("~%1").arg(linha); }
  void Reiniciado() override { Avisos << QStringLiteral("reset"); }
  void CursorMovido() override { Avisos << QStringLiteral("cursor"); }
  QStringList Tirar() { return std::exchange(Avisos, {}); }
};

}  // namespace

// A grid told of a removal moves its own current row to the next one; the
// row deleted is still the one that was current, and the cursor ends on the
// row after it.
TEST(TnClientDataSetNotificacoes, AnObserverMovingTheCursorDuringADeleteDoesNotChangeTheRowDeleted) {
  auto dados = DadosCom(4);
  struct TnMoveAoRemover : TnObservadorDataSet {
    TnClientDataSet *Dados = nullptr;
    void AntesRemoverLinhas(int a, int) override { Dados->SetRecNo(a + 2); }
  } obs;
  obs.Dados = dados.get();
  dados->AdicionarObservador(&obs);
  dados->SetRecNo(2);
  dados->Delete();
  dados->RemoverObservador(&obs);
  EXPECT_EQ(Codigos(*dados), (QList<int>{1, 3, 4}));
  EXPECT_EQ(Codigo(*dados), 3);
}

TEST(TnClientDataSetNotificacoes, InsertsRemovalsAndChangesArriveWithTheirRows) {
  auto dados = DadosCom(3, {1, 2, 3});
  TnObservadorTeste obs;
  dados->AdicionarObservador(&obs);
  Incluir(*dados, 4, 4);
  QStringList avisos = obs.Tirar();
  EXPECT_TRUE(avisos.contains(QStringLiteral("+?3-3")));
  EXPECT_TRUE(avisos.contains(QStringLiteral("+3-3")));
  EXPECT_LT(avisos.indexOf(QStringLiteral("+?3-3")), avisos.indexOf(QStringLiteral("+3-3")));
  dados->SetRecNo(2);
  obs.Tirar();
  dados->Delete();
  avisos = obs.Tirar();
  EXPECT_TRUE(avisos.contains(QStringLiteral("-?1-1")));
  EXPECT_TRUE(avisos.contains(QStringLiteral("-1-1")));
  // A post that moves the row in the index: removed here, inserted there.
  dados->SetIndexFieldNames(QStringLiteral("GRUPO"));
  dados->First();
  obs.Tirar();
  dados->Edit();
  dados->FieldByName(QStringLiteral("GRUPO"))->SetValue(9);
  dados->Post();
  avisos = obs.Tirar();
  EXPECT_TRUE(avisos.contains(QStringLiteral("-0-0")));
  EXPECT_TRUE(avisos.contains(QStringLiteral("+2-2")));
  // A post that keeps its place is one change.
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("n"));
  dados->Post();
  avisos = obs.Tirar();
  EXPECT_FALSE(avisos.filter(QStringLiteral("-")).size());
  EXPECT_TRUE(avisos.contains(QStringLiteral("~2")));
  dados->RemoverObservador(&obs);
  dados->First();
  EXPECT_TRUE(obs.Avisos.isEmpty());
}

TEST(TnClientDataSetNotificacoes, SilentWhileControlsAreDisabledThenOneReset) {
  auto dados = DadosCom(3);
  TnObservadorTeste obs;
  dados->AdicionarObservador(&obs);
  dados->DisableControls();
  dados->DisableControls();
  for (int i = 4; i < 10; ++i) Incluir(*dados, i);
  dados->First();
  dados->Delete();
  dados->EnableControls();
  EXPECT_TRUE(obs.Avisos.isEmpty());
  dados->EnableControls();
  EXPECT_EQ(obs.Tirar(), QStringList{QStringLiteral("reset")});
  // Only moves while disabled: one cursor notice.
  dados->DisableControls();
  dados->Next();
  dados->Next();
  dados->EnableControls();
  EXPECT_EQ(obs.Tirar(), QStringList{QStringLiteral("cursor")});
}

TEST(TnClientDataSetNotificacoes, AClonesObserversHearOfChangesMadeThroughTheSource) {
  auto dados = DadosCom(2);
  TnClientDataSet clone;
  clone.CloneCursor(dados.get());
  TnObservadorTeste obs;
  clone.AdicionarObservador(&obs);
  Incluir(*dados, 3);
  EXPECT_TRUE(obs.Tirar().contains(QStringLiteral("reset")));
  EXPECT_EQ(clone.RecordCount(), 3);
}

// ---- Typed views ----------------------------------------------------------------------

namespace {

struct TnCamposTeste {
  TnField *Codigo = nullptr;
  TnField *Grupo = nullptr;
  TnField *Ausente = nullptr;
  int Vezes = 0;
  void Mapear(TnClientDataSet &dados) {
    ++Vezes;
    dados.MapearCampo(Codigo, QStringLiteral("codigo"));
    dados.MapearCampo(Grupo, QStringLiteral("GRUPO"));
    dados.MapearCampo(Ausente, QStringLiteral("NAO_HA"));
  }
};

}  // namespace

TEST(TnClientDataSetMapeamento, BindsFieldsByNameOnceAndAgainWhenFieldsAreRecreated) {
  auto dados = DadosCom(1);
  TnCamposTeste &campos = dados->Mapeamento<TnCamposTeste>();
  EXPECT_EQ(campos.Codigo, dados->FieldByName(QStringLiteral("CODIGO")));
  EXPECT_EQ(campos.Grupo, dados->FieldByName(QStringLiteral("Grupo")));
  EXPECT_EQ(campos.Ausente, nullptr);
  EXPECT_EQ(&dados->Mapeamento<TnCamposTeste>(), &campos);
  EXPECT_EQ(campos.Vezes, 1);
  dados->Close();
  dados->FieldDefs().clear();
  dados->AddFieldDef(QStringLiteral("GRUPO"), TnFieldType::Integer);
  dados->AddFieldDef(QStringLiteral("NAO_HA"), TnFieldType::String, 5);
  dados->CreateDataSet();
  EXPECT_EQ(campos.Codigo, nullptr);
  EXPECT_EQ(campos.Grupo, dados->Fields(0));
  EXPECT_EQ(campos.Ausente, dados->Fields(1));
}

// ---- Structure --------------------------------------------------------------------------

TEST(TnClientDataSetEstrutura, AddedFieldsWidenTheRowsAndNamesMatchInAnyCase) {
  auto dados = DadosCom(2);
  TnField *extra = dados->AdicionarCampo(std::make_unique<TnField>(dados.get(), QStringLiteral("Extra"), TnFieldType::String, 10));
  EXPECT_EQ(extra->Index(), 5);
  EXPECT_EQ(dados->FindField(QStringLiteral("EXTRA")), extra);
  EXPECT_TRUE(extra->IsNull());
  dados->Edit();
  extra->SetValue(QStringLiteral("ok"));
  dados->Post();
  EXPECT_EQ(extra->AsString(), QStringLiteral("ok"));
  EXPECT_EQ(dados->IndexOfField(QStringLiteral(" grupo ")), 2);
  EXPECT_EQ(dados->FindField(QStringLiteral("nada")), nullptr);
  EXPECT_THROW(dados->FieldByName(QStringLiteral("nada")), Exception);
}

TEST(TnClientDataSetClones, ACursorWalkingAViewReadsEachRowAsItIsNow) {
  auto dados = DadosCom(6, {2, 1, 2, 1, 2, 1});
  dados->SetFilter(QStringLiteral("GRUPO = 2"));
  dados->SetFiltered(true);
  TnClientDataSet grade;
  grade.CloneCursor(dados.get());
  TnField *nome = grade.FieldByName(QStringLiteral("nome"));
  grade.First();
  EXPECT_TRUE(nome->IsNull());
  // The next row changes through the source between two steps.
  dados->Locate(QStringLiteral("CODIGO"), 3);
  dados->Edit();
  dados->FieldByName(QStringLiteral("NOME"))->SetValue(QStringLiteral("mudou"));
  dados->Post();
  grade.Next();
  EXPECT_EQ(Codigo(grade), 3);
  EXPECT_EQ(nome->AsString(), QStringLiteral("mudou"));
  // An edit through the cursor shows its typed value, then the stored one.
  grade.Edit();
  nome->SetValue(QStringLiteral("digitado"));
  EXPECT_EQ(nome->AsString(), QStringLiteral("digitado"));
  grade.Next();  // posts
  EXPECT_EQ(Codigo(grade), 5);
  EXPECT_TRUE(nome->IsNull());
  grade.Prior();
  EXPECT_EQ(nome->AsString(), QStringLiteral("digitado"));
  grade.Next();
  grade.Next();
  EXPECT_TRUE(grade.Eof());
  EXPECT_EQ(Codigo(grade), 5);
  grade.First();
  grade.Prior();
  EXPECT_TRUE(grade.Bof());
  EXPECT_EQ(Codigo(grade), 1);
  // A field added to the cursor is found by name beside the source's.
  grade.AdicionarCampo(std::make_unique<TnField>(&grade, QStringLiteral("EXTRA"), TnFieldType::String, 10));
  EXPECT_NE(grade.FindField(QStringLiteral("extra")), nullptr);
  EXPECT_EQ(dados->FindField(QStringLiteral("extra")), nullptr);
  EXPECT_EQ(grade.FieldByName(QStringLiteral("CODIGO"))->Index(), 0);
}
