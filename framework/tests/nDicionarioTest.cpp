#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nLookupField_U.h"

// ---- The entries --------------------------------------------------------------

TEST(TnDicionario, HoldsEveryKeyTheScreensNameInAnyLetterCase) {
  for (const char *chave : {"CODIGOEMPRESA",
                            "CODIGOESTAB",
                            "CODIGOGRUPODOC",
                            "CODIGOTIPODOC",
                            "CODIGODOCEMP",
                            "CODIGOCAIXAPRO",
                            "CODIGOENVELOPE",
                            "CODIGOLOCAL",
                            "CODIGOROTA",
                            "SEQROTA",
                            "SEQDOCEMP",
                            "CODIGOPROTOCOLO",
                            "CODIGOUSUARIO",
                            "CODIGODPTOESCRIT",
                            "CODIGOHISTPRO",
                            "CODIGOIMPOSTO",
                            "CODIGOIMPOSTO;VARIACAOIMPOSTO",
                            "VENCIMENTO",
                            "VALOR",
                            "DICDATA",
                            "DICDATAMESANO",
                            "DICTEXTO",
                            "DICSIMNAO",
                            "LOGRADESTAB",
                            "ENDERESTAB",
                            "COMPLENDERESTAB",
                            "NUMENDERESTAB",
                            "BAIRROESTAB",
                            "SIGLAESTADO",
                            "CODIGOMUNIC",
                            "CEPESTAB"}) {
    const TnEntradaDicionario *e = TnDicionario::Entrada(QString::fromLatin1(chave).toLower());
    ASSERT_NE(e, nullptr) << chave;
    EXPECT_FALSE(e->Rotulo.isEmpty()) << chave;
  }
  EXPECT_EQ(TnDicionario::Entrada(QStringLiteral("NAOEXISTE")), nullptr);
}

TEST(TnDicionario, LookupsNameTheirClassLinkAndResult) {
  const TnEntradaDicionario *estab = TnDicionario::Entrada(QStringLiteral("CODIGOESTAB"));
  ASSERT_NE(estab, nullptr);
  EXPECT_EQ(estab->LinkKeyFields, QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
  EXPECT_EQ(estab->LookupChaves, (QStringList{QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB")}));
  EXPECT_EQ(estab->LookupCampo, QStringLiteral("NomeEstab"));
  const TnEntradaDicionario *tipo = TnDicionario::Entrada(QStringLiteral("CODIGOTIPODOC"));
  EXPECT_EQ(tipo->LookupClassName, QStringLiteral("TmVoxDCProtocoloTipoDoc"));
  EXPECT_EQ(tipo->LookupResultado, QStringLiteral("DESCRTIPODOC"));
  EXPECT_EQ(TnDicionario::Entrada(QStringLiteral("CODIGOGRUPODOC"))->LookupClassName,
            QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  EXPECT_EQ(TnDicionario::Entrada(QStringLiteral("CODIGOMUNIC"))->LinkKeyFields,
            QStringLiteral("SIGLAESTADO;CODIGOMUNIC"));
  EXPECT_EQ(TnDicionario::Entrada(QStringLiteral("DICSIMNAO"))->NomesValores,
            (QStringList{QStringLiteral("Sim=1"), QStringLiteral("Não=0")}));
}

TEST(TnDicionario, RegistrarAddsAndReplacesKeysForTheModules) {
  TnEntradaDicionario e;
  e.Rotulo = QStringLiteral("Primeiro");
  TnDicionario::Registrar(QStringLiteral("teste_chave_modulo"), e);
  e.Rotulo = QStringLiteral("Segundo");
  TnDicionario::Registrar(QStringLiteral("TESTE_CHAVE_MODULO"), e);
  ASSERT_NE(TnDicionario::Entrada(QStringLiteral("Teste_Chave_Modulo")), nullptr);
  EXPECT_EQ(TnDicionario::Entrada(QStringLiteral("Teste_Chave_Modulo"))->Rotulo, QStringLiteral("Segundo"));
  EXPECT_EQ(TnDicionario::Chaves().count(QStringLiteral("TESTE_CHAVE_MODULO")), 1);
}

// ---- Applying it to a dataset ------------------------------------------------------

namespace {

class TnDicionarioAplicarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dados.AddFieldDef(QStringLiteral("CodigoEmpresa"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("CODIGOESTAB"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("CODIGOUSUARIORESP"), TnFieldType::SmallInt);
    Dados.AddFieldDef(QStringLiteral("CODIGOTIPODOC"), TnFieldType::Float);
    Dados.AddFieldDef(QStringLiteral("COMPETENCIA"), TnFieldType::Date);
    Dados.AddFieldDef(QStringLiteral("FORMAENTREGA"), TnFieldType::String, 20);
    Dados.CreateDataSet();
  }
  TnField *Campo(const char *nome) { return Dados.FieldByName(QString::fromLatin1(nome)); }
  TnClientDataSet Dados;
};

}  // namespace

TEST_F(TnDicionarioAplicarTest, FieldsNamedAsKeysTakeLabelHintControlAndLink) {
  Dicionario(Dados);
  TnField *empresa = Campo("CODIGOEMPRESA");
  EXPECT_EQ(empresa->DisplayLabel(), QStringLiteral("Empresa"));
  EXPECT_EQ(empresa->Definicao().Dicionario(), QStringLiteral("CodigoEmpresa"));
  EXPECT_EQ(empresa->Definicao().TipoControle(), TnTipoControle::LookupEdit);
  EXPECT_EQ(empresa->Definicao().LookupClassName(), QStringLiteral("TrTulDCEmpresa"));
  EXPECT_FALSE(empresa->Definicao().Hint().isEmpty());
  EXPECT_EQ(empresa->Definicao().TamanhoMaximo(), 4);
  EXPECT_EQ(Campo("CODIGOESTAB")->Definicao().LinkKeyFields(), QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
  // A field that is no key is left alone.
  TnField *forma = Campo("FORMAENTREGA");
  EXPECT_EQ(forma->DisplayLabel(), QStringLiteral("FORMAENTREGA"));
  EXPECT_TRUE(forma->Definicao().Dicionario().isEmpty());
  EXPECT_EQ(forma->Definicao().TipoControle(), TnTipoControle::Padrao);
}

TEST_F(TnDicionarioAplicarTest, AKeyGivenByTheDefinitionLinksThroughTheFieldsOwnName) {
  TnField *resp = Campo("CODIGOUSUARIORESP");
  resp->Definicao().SetDicionario(QStringLiteral("CODIGOUSUARIO"));
  Campo("COMPETENCIA")->Definicao().SetDicionario(QStringLiteral("DICDATAMESANO"));
  Dicionario(Dados);
  EXPECT_EQ(resp->Definicao().LinkKeyFields(), QStringLiteral("CODIGOUSUARIORESP"));
  EXPECT_EQ(resp->Definicao().LookupClassName(), QStringLiteral("TrTulDCUsuario"));
  TnField *competencia = Campo("COMPETENCIA");
  EXPECT_EQ(competencia->Definicao().TipoControle(), TnTipoControle::MesAno);
  Dados.Append();
  competencia->SetAsDate(QDate(2026, 3, 1));
  EXPECT_EQ(competencia->DisplayText(), QStringLiteral("03/2026"));
}

TEST_F(TnDicionarioAplicarTest, OwnPropertiesAndTheModulesTextsAreNeverOverwritten) {
  TnField *empresa = Campo("CODIGOEMPRESA");
  empresa->SetDisplayLabel(QStringLiteral("Cliente"));
  empresa->Definicao().SetHint(QStringLiteral("Código do cliente"));
  empresa->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA"));
  empresa->Definicao().SetTamanhoMaximo(9);
  empresa->SetVisible(false);
  TnField *estab = Campo("CODIGOESTAB");
  estab->Definicao().AdicionarPropriedadePropria(QStringLiteral("TipoControle"));
  estab->Definicao().AdicionarPropriedadePropria(QStringLiteral("DisplayLabel"));
  estab->Definicao().SetTipoControle(TnTipoControle::Edit);
  Dicionario(Dados);
  EXPECT_EQ(empresa->DisplayLabel(), QStringLiteral("Cliente"));
  EXPECT_EQ(empresa->Definicao().Hint(), QStringLiteral("Código do cliente"));
  EXPECT_EQ(empresa->Definicao().TamanhoMaximo(), 9);
  EXPECT_FALSE(empresa->Visible());
  EXPECT_EQ(estab->Definicao().TipoControle(), TnTipoControle::Edit);
  EXPECT_EQ(estab->DisplayLabel(), QStringLiteral("CODIGOESTAB"));
  // What is not its own is still applied.
  EXPECT_EQ(estab->Definicao().LookupClassName(), QStringLiteral("TrTulDCEstab"));
}

TEST_F(TnDicionarioAplicarTest, ACodeShowsItsDigitsWhateverFormatTheScreenGaveIt) {
  // A type code column given the format "Tipo" would show that word on every row.
  TnField *tipo = Campo("CODIGOTIPODOC");
  tipo->SetDisplayFormat(QStringLiteral("Tipo"));
  Dicionario(Dados);
  Dados.Append();
  tipo->SetAsFloat(3);
  EXPECT_EQ(tipo->DisplayText(), QStringLiteral("3"));
  // Unless the screen keeps its format on purpose.
  tipo->Definicao().AdicionarPropriedadePropria(QStringLiteral("DisplayFormat"));
  tipo->SetDisplayFormat(QStringLiteral("000"));
  Dicionario(Dados);
  EXPECT_EQ(tipo->DisplayText(), QStringLiteral("003"));
}

// ---- Lookup name fields on the sample office ----------------------------------------

namespace {

class TnDicionarioLookupTest : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    Dados.AddFieldDef(QStringLiteral("Seq"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("CodigoEmpresa"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("CodigoEstab"), TnFieldType::Integer);
    Dados.AddFieldDef(QStringLiteral("CODIGOTIPODOC"), TnFieldType::Float);
    Dados.CreateDataSet();
    Dicionario(Dados);
    AddFieldLookup(Dados);
  }
  TnField *Campo(const char *nome) { return Dados.FieldByName(QString::fromLatin1(nome)); }
  void Linha(const QVariant &empresa, const QVariant &estab) {
    Dados.Append();
    Campo("CodigoEmpresa")->SetValue(empresa);
    Campo("CodigoEstab")->SetValue(estab);
    Dados.Post();
  }
  TnClientDataSet Dados;
};

}  // namespace

TEST_F(TnDicionarioLookupTest, AddsReadOnlyNameFieldsAfterTheOwnFieldsAndNamesThemInTheDefinitions) {
  ASSERT_EQ(Dados.FieldCount(), 7);
  TnField *nomeEmpresa = Dados.FindField(QStringLiteral("NomeEmpresa"));
  TnField *nomeEstab = Dados.FindField(QStringLiteral("NomeEstab"));
  ASSERT_NE(nomeEmpresa, nullptr);
  ASSERT_NE(nomeEstab, nullptr);
  EXPECT_GE(nomeEmpresa->Index(), 4);
  EXPECT_TRUE(nomeEmpresa->ReadOnly());
  EXPECT_TRUE(nomeEmpresa->Calculado());
  EXPECT_EQ(Campo("CodigoEmpresa")->Definicao().LookupResultFields(), QStringList{QStringLiteral("NomeEmpresa")});
  EXPECT_EQ(Campo("CodigoEstab")->Definicao().LookupResultFields(), QStringList{QStringLiteral("NomeEstab")});
  EXPECT_EQ(Campo("CODIGOTIPODOC")->Definicao().LookupResultFields(), QStringList{QStringLiteral("DescrTipoDoc")});
  // Opening the dataset again adds nothing.
  AddFieldLookup(Dados);
  EXPECT_EQ(Dados.FieldCount(), 7);
  EXPECT_EQ(Campo("CodigoEmpresa")->Definicao().LookupResultFields().size(), 1);
}

TEST_F(TnDicionarioLookupTest, NamesFollowTheRowsCodesAndAreEmptyForEmptyOrUnknownCodes) {
  Linha(2, 2);
  Linha(99, 1);
  Linha(QVariant(), 1);
  Linha(1, QVariant());
  Linha(1, 7);
  TnField *nomeEmpresa = Campo("NomeEmpresa");
  TnField *nomeEstab = Campo("NomeEstab");
  Dados.First();
  EXPECT_EQ(nomeEmpresa->AsString(), QStringLiteral("Padaria Pão Quente Ltda"));
  EXPECT_EQ(nomeEstab->AsString(), QStringLiteral("Pão Quente Campinas"));
  Dados.Next();  // unknown company
  EXPECT_EQ(nomeEmpresa->AsString(), QString());
  EXPECT_TRUE(nomeEmpresa->IsNull());
  EXPECT_EQ(nomeEstab->AsString(), QString());
  Dados.Next();  // no company: the establishment cannot be named either
  EXPECT_EQ(nomeEmpresa->AsString(), QString());
  EXPECT_EQ(nomeEstab->AsString(), QString());
  Dados.Next();  // no establishment
  EXPECT_EQ(nomeEmpresa->AsString(), QStringLiteral("Organização Contábil Exemplo Ltda"));
  EXPECT_EQ(nomeEstab->AsString(), QString());
  Dados.Next();  // an establishment the company does not have
  EXPECT_EQ(nomeEstab->AsString(), QString());
  // The name follows a code being edited.
  Dados.Edit();
  Campo("CodigoEstab")->SetAsInteger(1);
  EXPECT_EQ(nomeEstab->AsString(), QStringLiteral("Exemplo Matriz"));
}

TEST_F(TnDicionarioLookupTest, AFloatCodeFindsItsIntegerRow) {
  Dados.Append();
  Campo("CODIGOTIPODOC")->SetAsFloat(3);
  EXPECT_EQ(Campo("DescrTipoDoc")->AsString(), QStringLiteral("Balancete Trimestral"));
  Campo("CODIGOTIPODOC")->SetAsFloat(3.5);  // no code is a fraction
  EXPECT_EQ(Campo("DescrTipoDoc")->AsString(), QString());
}

TEST_F(TnDicionarioLookupTest, AnEstablishmentWithoutNicknameShowsItsName) {
  Conexao().Executar(QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB) values (3, 9, :n)"),
                     {QStringLiteral("Fio de Ouro Depósito")});
  Linha(3, 9);
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QStringLiteral("Fio de Ouro Depósito"));
}

TEST_F(TnDicionarioLookupTest, NamesAreKeptPerCodeUntilTheCacheIsCleared) {
  Linha(2, 1);
  auto *nome = dynamic_cast<TnLookupField *>(Campo("NomeEmpresa"));
  ASSERT_NE(nome, nullptr);
  EXPECT_EQ(nome->AsString(), QStringLiteral("Padaria Pão Quente Ltda"));
  Conexao().Executar(QStringLiteral("update EMPRESA set NOMEEMPRESA = 'Padaria Nova' where CODIGOEMPRESA = 2"));
  EXPECT_EQ(nome->AsString(), QStringLiteral("Padaria Pão Quente Ltda"));
  nome->LimparCache();
  EXPECT_EQ(nome->AsString(), QStringLiteral("Padaria Nova"));
}

// A new register row typed with a code that has no row yet shows its name
// once the row is there (its own description, registered by the save).
TEST_F(TnDicionarioLookupTest, ACodeWithoutRowIsNamedOnceItsRowExists) {
  Linha(2, 9);
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QString());
  Conexao().Executar(QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB) values (2, 9, :n)"),
                     {QStringLiteral("Pão Quente Depósito")});
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QStringLiteral("Pão Quente Depósito"));
}

// A grid redrawing rows whose code has no row reads the table once for it,
// not at every redraw, until something is written.
TEST_F(TnDicionarioLookupTest, ACodeWithoutRowIsLookedForAgainOnlyAfterAWrite) {
  Linha(2, 9);
  Linha(2, 9);
  int selects = 0;
  Conexao().SetAntesDeExecutar([&](const QString &sql) {
    if (sql.contains(QLatin1String("from ESTAB"), Qt::CaseInsensitive)) ++selects;
  });
  for (int redesenho = 0; redesenho < 3; ++redesenho) {
    TnClientDataSet grade;
    grade.CloneCursor(&Dados, false);
    for (grade.First(); !grade.Eof(); grade.Next())
      EXPECT_EQ(grade.FieldByName(QStringLiteral("NomeEstab"))->AsString(), QString());
  }
  EXPECT_EQ(selects, 1);
  // A statement that changes nothing it names still counts as a write.
  Conexao().Executar(QStringLiteral("update ESTAB set NOMEESTAB = NOMEESTAB where CODIGOEMPRESA = 99"));
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QString());
  EXPECT_EQ(selects, 2);
  Conexao().Executar(QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB) values (2, 9, :n)"),
                     {QStringLiteral("Pão Quente Depósito")});
  EXPECT_EQ(Campo("NomeEstab")->AsString(), QStringLiteral("Pão Quente Depósito"));
  EXPECT_EQ(selects, 3);
  Conexao().SetAntesDeExecutar({});
}

TEST_F(TnDicionarioLookupTest, AGridsCursorsShareTheNamesFoundAndTheirClearing) {
  for (int i = 0; i < 50; ++i) Linha(i % 2 + 1, 1);
  int selects = 0;
  Conexao().SetAntesDeExecutar([&](const QString &sql) {
    if (sql.contains(QLatin1String("EMPRESA"), Qt::CaseInsensitive)) ++selects;
  });
  auto nomes = [](TnClientDataSet &cursor) {
    QStringList lidos;
    for (cursor.First(); !cursor.Eof(); cursor.Next())
      lidos << cursor.FieldByName(QStringLiteral("NomeEmpresa"))->AsString();
    return lidos;
  };
  const QStringList doDataSet = nomes(Dados);
  EXPECT_EQ(selects, 2);  // one select per company, prepared once
  EXPECT_EQ(doDataSet.first(), QStringLiteral("Organização Contábil Exemplo Ltda"));
  EXPECT_EQ(doDataSet.at(1), QStringLiteral("Padaria Pão Quente Ltda"));
  // Each redraw of a grid reads through a new cursor: no select more.
  for (int redesenho = 0; redesenho < 3; ++redesenho) {
    TnClientDataSet grade;
    grade.CloneCursor(&Dados, false);
    EXPECT_EQ(nomes(grade), doDataSet);
  }
  EXPECT_EQ(selects, 2);
  // Cleared on one cursor, the names are read again by every one.
  Conexao().Executar(QStringLiteral("update EMPRESA set NOMEEMPRESA = 'Padaria Nova' where CODIGOEMPRESA = 2"));
  TnClientDataSet grade;
  grade.CloneCursor(&Dados, false);
  dynamic_cast<TnLookupField *>(grade.FieldByName(QStringLiteral("NomeEmpresa")))->LimparCache();
  Dados.SetRecNo(2);
  EXPECT_EQ(Campo("NomeEmpresa")->AsString(), QStringLiteral("Padaria Nova"));
  Conexao().SetAntesDeExecutar({});
}

// A grid reading every row finds each row's name kept with the row; a row
// whose code changed, or a new row in the place of a removed one, is named
// by its own code, in any order of the rows.
TEST_F(TnDicionarioLookupTest, EachRowIsNamedByItsOwnCodeAfterEditsRemovalsAndSorting) {
  for (int i = 1; i <= 6; ++i) {
    Dados.Append();
    Campo("Seq")->SetAsInteger(i);
    Campo("CodigoEmpresa")->SetAsInteger(i % 2 + 1);
    Campo("CodigoEstab")->SetAsInteger(1);
    Dados.Post();
  }
  auto nomes = [this](TnClientDataSet &cursor) {
    QStringList lidos;
    for (cursor.First(); !cursor.Eof(); cursor.Next()) {
      const TnField *nome = cursor.FieldByName(QStringLiteral("NomeEmpresa"));
      EXPECT_EQ(nome->IsNull(), nome->Value().isNull());
      lidos << QStringLiteral("%1:%2").arg(cursor.FieldByName(QStringLiteral("Seq"))->AsInteger()).arg(nome->AsString());
    }
    return lidos;
  };
  const QString exemplo = QStringLiteral("Organização Contábil Exemplo Ltda");
  const QString padaria = QStringLiteral("Padaria Pão Quente Ltda");
  TnClientDataSet grade;
  grade.CloneCursor(&Dados, false);
  EXPECT_EQ(nomes(grade).at(0), QStringLiteral("1:") + padaria);
  // The code of row 1 changes, row 2 goes and a row with an unknown code
  // comes: the next read names each by its code.
  Dados.First();
  Dados.Edit();
  Campo("CodigoEmpresa")->SetAsInteger(1);
  EXPECT_EQ(Campo("NomeEmpresa")->AsString(), exemplo);
  EXPECT_FALSE(Campo("NomeEmpresa")->IsNull());
  Campo("CodigoEmpresa")->Clear();
  EXPECT_TRUE(Campo("NomeEmpresa")->IsNull());
  Campo("CodigoEmpresa")->SetAsInteger(1);
  Dados.Post();
  Dados.Next();
  Dados.Delete();
  Dados.Append();
  Campo("Seq")->SetAsInteger(7);
  Campo("CodigoEmpresa")->SetAsInteger(99);
  Dados.Post();
  TnClientDataSet depois;
  depois.CloneCursor(&Dados, false);
  EXPECT_EQ(nomes(depois), (QStringList{QStringLiteral("1:") + exemplo, QStringLiteral("3:") + padaria,
                                        QStringLiteral("4:") + exemplo, QStringLiteral("5:") + padaria,
                                        QStringLiteral("6:") + exemplo, QStringLiteral("7:")}));
  // Sorted by the code, the rows keep their names.
  depois.SetIndexFieldNames(QStringLiteral("CodigoEmpresa;Seq"));
  EXPECT_EQ(nomes(depois), (QStringList{QStringLiteral("1:") + exemplo, QStringLiteral("4:") + exemplo,
                                        QStringLiteral("6:") + exemplo, QStringLiteral("3:") + padaria,
                                        QStringLiteral("5:") + padaria, QStringLiteral("7:")}));
  // A rename shows on every row once the names are cleared.
  Conexao().Executar(QStringLiteral("update EMPRESA set NOMEEMPRESA = 'Padaria Nova' where CODIGOEMPRESA = 2"));
  dynamic_cast<TnLookupField *>(Campo("NomeEmpresa"))->LimparCache();
  EXPECT_EQ(nomes(depois).at(3), QStringLiteral("3:Padaria Nova"));
}

TEST_F(TnDicionarioLookupTest, RowsMadeAgainInTheSameSlotsAreNamedByTheirNewCodes) {
  auto preencher = [this](int empresaDasImpares) {
    for (int i = 1; i <= 4; ++i) {
      Dados.Append();
      Campo("Seq")->SetAsInteger(i);
      Campo("CodigoEmpresa")->SetAsInteger(i % 2 == 1 ? empresaDasImpares : 3 - empresaDasImpares);
      Dados.Post();
    }
  };
  auto nomes = [this] {
    TnClientDataSet grade;
    grade.CloneCursor(&Dados, false);
    QStringList lidos;
    for (grade.First(); !grade.Eof(); grade.Next())
      lidos << grade.FieldByName(QStringLiteral("NomeEmpresa"))->AsString().left(7);
    return lidos;
  };
  preencher(1);
  ASSERT_EQ(nomes(), (QStringList{"Organiz", "Padaria", "Organiz", "Padaria"}));
  const quint64 lidaEm = Dados.VersaoDasLinhas();
  // Closed and made anew, or emptied, and filled with the codes swapped,
  // the rows brought to the count of changes the names were read at when
  // they are short of it: each row is named by its own code.
  for (const bool novoConjunto : {true, false}) {
    if (novoConjunto) {
      Dados.Close();
      Dados.CreateDataSet();
    } else {
      Dados.EmptyDataSet();
    }
    preencher(2);
    for (quint64 antes = 0; Dados.VersaoDasLinhas() < lidaEm && Dados.VersaoDasLinhas() != antes;) {
      antes = Dados.VersaoDasLinhas();
      Dados.Last();
      Dados.Edit();
      Campo("Seq")->SetAsInteger(4);
      Dados.Post();
    }
    EXPECT_EQ(nomes(), (QStringList{"Padaria", "Organiz", "Padaria", "Organiz"}))
        << (novoConjunto ? "novo conjunto" : "esvaziado");
  }
}

TEST_F(TnDicionarioLookupTest, NameFieldsAreNeitherWrittenNorValidated) {
  Dados.Append();
  TnField *nome = Campo("NomeEmpresa");
  nome->SetRequired(true);
  EXPECT_NO_THROW(nome->Validar());
  EXPECT_THROW(nome->SetAsString(QStringLiteral("x")), EnField);
  EXPECT_TRUE(nome->OldValue().isNull());
}

TEST_F(TnDicionarioLookupTest, ATaxIsNamedByItsCodeAndVariationTogether) {
  TnClientDataSet itens;
  itens.AddFieldDef(QStringLiteral("CODIGOIMPOSTO"), TnFieldType::Integer);
  itens.AddFieldDef(QStringLiteral("VARIACAOIMPOSTO"), TnFieldType::SmallInt);
  itens.CreateDataSet();
  itens.FieldByName(QStringLiteral("VARIACAOIMPOSTO"))
      ->Definicao()
      .SetDicionario(QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"));
  Dicionario(itens);
  AddFieldLookup(itens);
  ASSERT_EQ(itens.FieldCount(), 3);
  itens.Append();
  itens.FieldByName(QStringLiteral("CODIGOIMPOSTO"))->SetAsInteger(10);
  itens.FieldByName(QStringLiteral("VARIACAOIMPOSTO"))->SetAsInteger(1);
  EXPECT_EQ(itens.FieldByName(QStringLiteral("DescrImposto"))->AsString(),
            QStringLiteral("ICMS - Substituição Tributária"));
}
