#include "mVoxPkTeste_U.h"
#include "nClasseInfo_U.h"
#include "nFrmCadGrid_U.h"
#include "nFrmCadScrollBox_U.h"

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

// --- the register form and its member grid

const QString kMembros = QStringLiteral("TmVoxDMProtocoloGrupoTipoDoc");

class FormGrupoDocTeste : public GrupoDocTeste {
 protected:
  void SetUp() override {
    GrupoDocTeste::SetUp();
    if (HasFatalFailure()) return;
    FForm = dynamic_cast<TnFrmCadScrollBox *>(FDM->CriarForm());
    ASSERT_NE(FForm, nullptr);
  }
  TnDMClientDataSet *Membros() {
    const QList<TnDMClientDataSet *> detalhes = FDM->Detalhes();
    return detalhes.size() == 1 && detalhes.first()->ClassName() == kMembros ? detalhes.first() : nullptr;
  }
  QString IncluirMembro(int tipo) {
    TnClientDataSet &membros = *Membros()->nClientDataSet;
    membros.Append();
    membros.FieldByName(QStringLiteral("CODIGOTIPODOC"))->SetAsInteger(tipo);
    const QString erro = ErroDe([&] { membros.Post(); });
    if (!erro.isEmpty()) membros.Cancel();
    return erro;
  }
  int MembrosGravados(int grupo) {
    return Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOGRUPODOC = %1").arg(grupo));
  }

  TnFrmCadScrollBox *FForm = nullptr;
};

TEST_F(FormGrupoDocTeste, MemberGridFillsTheFormUnderTheDescriptionWithoutTheGroupColumn) {
  ASSERT_NE(Membros(), nullptr);
  auto *grade = dynamic_cast<TnFrmCadGrid *>(Membros()->Form());
  ASSERT_NE(grade, nullptr);
  EXPECT_EQ(grade->FormPai(), FForm);
  QStringList colunas;
  for (const TnColunaGrid &coluna : grade->Grid()->Columns())
    if (coluna.Visible) colunas << coluna.FieldName.toUpper();
  EXPECT_FALSE(colunas.contains(QStringLiteral("CODIGOGRUPODOC")));
  EXPECT_TRUE(colunas.contains(QStringLiteral("CODIGOTIPODOC")));

  // The field area stops short of the rest of the form, which the grid takes.
  TnEditorCampo *descricao = FForm->Editor(QStringLiteral("DESCRGRUPODOC"));
  ASSERT_NE(descricao, nullptr);
  for (TnPainel *controle : FForm->ControlesTopo()) EXPECT_EQ(controle->Align(), TnAlinhamento::alTop);
  EXPECT_EQ(FForm->AreaCampos()->Height(), descricao->Bottom() + 100);
  EXPECT_FALSE(FDM->AtualizarAoExibir());
}

TEST_F(FormGrupoDocTeste, MemberGridShowsAndStoresTheMembersOfTheCurrentGroup) {
  IrPara(2);
  EXPECT_EQ(Membros()->nClientDataSet->RecordCount(), 2);
  EXPECT_EQ(IncluirMembro(2), QString());
  EXPECT_EQ(MembrosGravados(2), 3);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOGRUPODOC = 2 and CODIGOTIPODOC = 2")),
            1);
  // The same type twice in one group is refused by the key.
  EXPECT_NE(IncluirMembro(2), QString());
  EXPECT_EQ(MembrosGravados(2), 3);

  IrPara(1);
  EXPECT_EQ(Membros()->nClientDataSet->RecordCount(), 4);
}

TEST_F(FormGrupoDocTeste, MembersOfANewGroupAreStoredWithItsCode) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Contábil"));
  Dados().Post();
  ASSERT_EQ(Dados().FieldByName(QStringLiteral("CODIGOGRUPODOC"))->AsInteger(), 7);
  EXPECT_TRUE(Membros()->nClientDataSet->IsEmpty());
  EXPECT_EQ(IncluirMembro(1), QString());
  EXPECT_EQ(IncluirMembro(4), QString());
  EXPECT_EQ(MembrosGravados(7), 2);
}

TEST_F(FormGrupoDocTeste, FormBuiltAgainKeepsOneMemberGrid) {
  TnDMClientDataSet *antes = Membros();
  FForm = dynamic_cast<TnFrmCadScrollBox *>(FDM->CriarForm());
  ASSERT_NE(FForm, nullptr);
  EXPECT_EQ(Membros(), antes);
  EXPECT_EQ(TnRegistro::Instancia().Instancias(kMembros).size(), 1);
  ASSERT_NE(Membros()->Form(), nullptr);
  EXPECT_EQ(Membros()->Form()->FormPai(), FForm);
}

// A group with members, or one establishments are configured with, is not
// deleted: nothing is left naming a group that no longer exists.
TEST_F(FormGrupoDocTeste, AGroupInUseIsNotDeletedAndItsMembersAndConfigurationsStay) {
  const int configuradas = Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOGRUPODOC = 2"));
  ASSERT_GT(configuradas, 0);
  IrPara(2);
  EXPECT_EQ(ErroDe([&] { Dados().Delete(); }),
            QStringLiteral("Este registro está em uso em Tipos de Documentos em Grupos (PROTOCOLOGRUPOTIPODOC) e não "
                           "pode ser excluído."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPODOC"), QStringLiteral("CODIGOGRUPODOC = 2")), 1);
  EXPECT_EQ(MembrosGravados(2), 2);
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOGRUPODOC = 2")), configuradas);
}

// The member register's class registered without a way to create it, for
// one test.
class MembrosSemFabrica {
 public:
  MembrosSemFabrica() {
    TnRegistro &registro = TnRegistro::Instancia();
    FOriginal = *registro.Info(kMembros);
    TnClasseInfo semFabrica = FOriginal;
    semFabrica.Criar = nullptr;
    registro.Remover(kMembros);
    registro.Registrar(semFabrica);
  }
  ~MembrosSemFabrica() {
    TnRegistro::Instancia().Remover(kMembros);
    TnRegistro::Instancia().Registrar(FOriginal);
  }

 private:
  TnClasseInfo FOriginal;
};

TEST_F(GrupoDocTeste, FormOpensWithoutTheMemberGridWhenItCannotBeCreated) {
  ASSERT_NE(TnRegistro::Instancia().Info(kMembros), nullptr);
  MembrosSemFabrica semMembros;
  auto *form = dynamic_cast<TnFrmCadScrollBox *>(FDM->CriarForm());
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(FDM->Detalhes().isEmpty());
  ASSERT_NE(form->Editor(QStringLiteral("DESCRGRUPODOC")), nullptr);
  EXPECT_EQ(Salvar(2, QStringLiteral("Escritório Central")), QString());
}

TEST_F(GrupoDocTeste, PartnerLookupIsCreatedByItsDesignName) {
  auto *parceiro = Criar(QStringLiteral("T") + FDM->CadCons());
  ASSERT_NE(parceiro, nullptr);
  EXPECT_EQ(parceiro->CadCons(), QStringLiteral("mVoxDMProtocoloGrupoDoc"));
}

}  // namespace
