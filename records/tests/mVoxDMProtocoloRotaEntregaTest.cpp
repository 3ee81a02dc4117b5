#include "mVoxDMProtocoloRotaEntrega_U.h"
#include "mVoxPkTeste_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrada um estabelecimento nesta rota de entrega.");

// Route 1 of the sample office stops at 2/1 (stop 1) and 2/2 (stop 2);
// route 2 has no stops yet.
class RotaEntregaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (2, 'Minas Gerais')"));
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloRotaEntrega"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void NovaParada(int rota, int empresa, int estab) {
    Dados().Append();
    Campo("CODIGOROTA")->SetAsInteger(rota);
    Campo("CODIGOEMPRESA")->SetAsInteger(empresa);
    Campo("CODIGOESTAB")->SetAsInteger(estab);
  }
  void IrPara(int rota, int seq) {
    ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOROTA;SEQROTA"), QVariantList{rota, seq}));
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(RotaEntregaTeste, NewStopTakesTheNextNumberOfItsRouteWithItsObservation) {
  NovaParada(1, 1, 1);
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Portaria:\r\nfalar com o Sr. João."));
  Dados().Post();
  EXPECT_EQ(Campo("SEQROTA")->AsInteger(), 3);
  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLOROTAENTREGA where CODIGOROTA = 1 and SEQROTA = 3"))
                .toString(),
            QStringLiteral("Portaria:\r\nfalar com o Sr. João."));

  NovaParada(2, 1, 1);
  Dados().Post();
  EXPECT_EQ(Campo("SEQROTA")->AsInteger(), 1);
}

TEST_F(RotaEntregaTeste, StopWithoutEstablishmentIsRefused) {
  NovaParada(2, 1, 1);
  Campo("CODIGOESTAB")->Clear();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTAENTREGA"), QStringLiteral("CODIGOROTA = 2")), 0);
}

TEST_F(RotaEntregaTeste, EstablishmentAlreadyOnTheRouteIsRefusedButAcceptedOnAnotherRoute) {
  NovaParada(1, 2, 2);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  NovaParada(2, 2, 2);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTAENTREGA")), 3);
}

TEST_F(RotaEntregaTeste, EditingTheObservationIsAcceptedButMovingOntoAnotherStopIsRefused) {
  IrPara(1, 1);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Entregar na recepção."));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());

  IrPara(1, 2);
  Dados().Edit();
  Campo("CODIGOESTAB")->SetAsInteger(1);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();
  EXPECT_EQ(Valor(QStringLiteral("select CODIGOESTAB from PROTOCOLOROTAENTREGA where CODIGOROTA = 1 and SEQROTA = 2"))
                .toInt(),
            2);
}

// An observation of several kilobytes, accented, in several lines, with
// quotes and characters beyond the basic plane, comes back whole from the
// table through a module that reads it afresh.
TEST_F(RotaEntregaTeste, LongObservationIsStoredAndReadBackWhole) {
  QString texto;
  for (int i = 0; texto.size() < 6000; ++i)
    texto += QStringLiteral("Linha %1: entregar à Sra. Conceição d'Ávila, \"portão ç\" — ok 😀\r\n").arg(i);
  NovaParada(2, 2, 1);
  Campo("OBSERVACAO")->SetAsString(texto);
  Dados().Post();

  TnDMClientDataSet *outro = Criar(QStringLiteral("TmVoxDMProtocoloRotaEntrega"));
  ASSERT_NE(outro, nullptr);
  ASSERT_TRUE(outro->nClientDataSet->Locate(QStringLiteral("CODIGOROTA;SEQROTA"), QVariantList{2, 1}));
  EXPECT_EQ(outro->nClientDataSet->FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), texto);
  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLOROTAENTREGA where CODIGOROTA = 2")).toString(), texto);
}

}  // namespace
