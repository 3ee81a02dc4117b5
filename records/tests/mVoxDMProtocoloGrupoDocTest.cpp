#include "mVoxPkTeste_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrado um grupo com a mesma descrição.");

// Groups 3 and 4 were stored with one description before the rule refused
// it; group 5 holds an apostrophe, group 6 a lower-case accented word.
class GrupoDocTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (const char *linha : {"(3, 'Fiscal')", "(4, 'Fiscal')", "(5, 'Caixa d''Água')", "(6, 'água')"})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values ") +
                        QString::fromUtf8(linha));
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloGrupoDoc"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRGRUPODOC")); }
  void IrPara(int codigo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOGRUPODOC"), codigo)); }
  QString Salvar(int codigo, const QString &descricao) {
    IrPara(codigo);
    Dados().Edit();
    Descricao()->SetAsString(descricao);
    const QString erro = ErroDe([&] { Dados().Post(); });
    if (!erro.isEmpty()) Dados().Cancel();
    return erro;
  }
  QString Gravada(int codigo) {
    return Valor(QStringLiteral("select DESCRGRUPODOC from PROTOCOLOGRUPODOC where CODIGOGRUPODOC = :CODIGO"), {codigo})
        .toString();
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(GrupoDocTeste, NewGroupGetsTheNextCodeAndIsStored) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Contábil"));
  Dados().Post();
  EXPECT_EQ(Gravada(7), QStringLiteral("Contábil"));
}

TEST_F(GrupoDocTeste, GroupWithoutDescriptionIsRefused) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("   "));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Descrição deve ser informado."));
}

TEST_F(GrupoDocTeste, DescriptionOfAnotherGroupIsRefusedOnInsertAndOnRename) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Escritório"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  EXPECT_EQ(Salvar(1, QStringLiteral("Escritório")), kDuplicado);
  EXPECT_EQ(Salvar(6, QStringLiteral("Fiscal")), kDuplicado);
  EXPECT_EQ(Gravada(1), QStringLiteral("Empresas com Funcionários"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPODOC")), 6);
}

// Finding the first group with the description and comparing its code would
// refuse group 4 here: group 3 comes first.
TEST_F(GrupoDocTeste, GroupsThatAlreadyShareADescriptionCanEachBeSavedUnchanged) {
  EXPECT_EQ(Salvar(3, QStringLiteral("Fiscal")), QString());
  EXPECT_EQ(Salvar(4, QStringLiteral("Fiscal")), QString());
  IrPara(4);
  Dados().Edit();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
}

TEST_F(GrupoDocTeste, CaseChangeOfAccentedLettersIsAccepted) {
  EXPECT_EQ(Salvar(6, QStringLiteral("ÁGUA")), QString());
  EXPECT_EQ(Gravada(6), QStringLiteral("ÁGUA"));
}

TEST_F(GrupoDocTeste, DescriptionWithAnApostropheIsComparedNotBroken) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Caixa d'Água"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  EXPECT_EQ(Salvar(2, QStringLiteral("Caixa d'Água")), kDuplicado);
  EXPECT_EQ(Salvar(5, QStringLiteral("Caixa d'Água Limpa")), QString());
  EXPECT_EQ(Gravada(5), QStringLiteral("Caixa d'Água Limpa"));
}

TEST_F(GrupoDocTeste, PartnerLookupIsCreatedByItsDesignName) {
  auto *parceiro = Criar(QStringLiteral("T") + FDM->CadCons());
  ASSERT_NE(parceiro, nullptr);
  EXPECT_EQ(parceiro->CadCons(), QStringLiteral("mVoxDMProtocoloGrupoDoc"));
}

}  // namespace
