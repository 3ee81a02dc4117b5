#include "mVoxDMProtocoloLocalCaixa_U.h"
#include "mVoxPkTeste_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrado um local com a mesma descrição.");

class LocalCaixaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCCAIXA set CODIGOLOCAL = null"));
    ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOLOCALCAIXA"));
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOLOCALCAIXA (CODIGOLOCAL, DESCRLOCAL) values (1, 'Sala d''Água')"));
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOLOCALCAIXA (CODIGOLOCAL, DESCRLOCAL) values (2, 'Arquivo morto')"));
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloLocalCaixa"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRLOCAL")); }
  void IrPara(int codigo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOLOCAL"), codigo)); }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(LocalCaixaTeste, NewLocationGetsTheNextCodeAndIsStored) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Depósito"));
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select DESCRLOCAL from PROTOCOLOLOCALCAIXA where CODIGOLOCAL = 3")).toString(),
            QStringLiteral("Depósito"));
}

TEST_F(LocalCaixaTeste, DescriptionOfAnotherLocationIsRefusedOnInsertAndOnRename) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Sala d'Água"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(2);
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("Sala d'Água"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOLOCALCAIXA")), 2);
}

TEST_F(LocalCaixaTeste, CaseChangeOrUnchangedSaveOfItsOwnDescriptionIsAccepted) {
  IrPara(1);
  Dados().Edit();
  Dados().FieldByName(QStringLiteral("DESCRLOCAL"))->SetAsString(QStringLiteral("Sala d'Água"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());

  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("SALA D'ÁGUA"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRLOCAL from PROTOCOLOLOCALCAIXA where CODIGOLOCAL = 1")).toString(),
            QStringLiteral("SALA D'ÁGUA"));
}

TEST_F(LocalCaixaTeste, CodeOutOfRangeShowsTheConstraintMessage) {
  Dados().Append();
  Dados().FieldByName(QStringLiteral("CODIGOLOCAL"))->SetAsInteger(10000);
  Descricao()->SetAsString(QStringLiteral("Depósito"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("Código do local inválido!"));
}

}  // namespace
