#include <QDate>
#include <QDateTime>

#include "mVoxPkTeste_U.h"

namespace {

const QString kNumeroInvalido = QStringLiteral("Código de protocolo inválido!");

// Two stored protocols written by a process (origin 1) by user 3 at a moment
// long past, so that any new stamp shows.
class ProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (const auto &[codigo, data] : {std::pair{5, QDate(2026, 11, 10)}, std::pair{9, QDate(2026, 12, 5)}})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, "
                                       "DATALCTOPRO, TIPOPRO, OBSERVACAO, DATAHORACADASTRO, CODIGOUSUARIO, "
                                       "NATUREZAPRO, CANCELADO, ORIGEMDADO) values (:codigo, 2, 1, :data, '2', 'Guias', :momento, 3, "
                                       "'1', '0', 1)"),
                        {codigo, data, kAntigo});
    nDMConexao()->SetCodigoUsuario(7);
    FDM = Criar(QStringLiteral("TmVoxDMProtocolo"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QLatin1String(nome)); }
  void NovoProtocolo() {
    Dados().Append();
    Campo("CODIGOEMPRESA")->SetAsInteger(2);
    Campo("CODIGOESTAB")->SetAsInteger(1);
    Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 12, 1));
    Campo("TIPOPRO")->SetAsString(QStringLiteral("2"));
    Campo("CANCELADO")->SetAsBoolean(false);
  }
  // The audit columns of a protocol as stored: user, moment, origin.
  std::tuple<int, QDateTime, int> Auditoria(int codigo) {
    TnDMClientDataSet *leitura = Criar(QStringLiteral("TmVoxDMProtocolo"));
    EXPECT_TRUE(leitura->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), codigo));
    auto campo = [&](const char *nome) { return leitura->nClientDataSet->FieldByName(QLatin1String(nome)); };
    return {campo("CODIGOUSUARIO")->AsInteger(), campo("DATAHORACADASTRO")->AsDateTime(),
            campo("ORIGEMDADO")->AsInteger()};
  }

  const QDateTime kAntigo{QDate(2026, 1, 2), QTime(8, 0)};
  const QDateTime kAgora{QDate(2026, 12, 1), QTime(9, 30)};
  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(ProtocoloTeste, NewProtocolTakesTheNextNumberTheDefaultNatureAndTheAuditStamps) {
  NovoProtocolo();
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Entregue via Internet"));
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select NATUREZAPRO from PROTOCOLO where CODIGOPROTOCOLO = 10")).toString(),
            QStringLiteral("1"));
  EXPECT_EQ(Valor(QStringLiteral("select FORMAENTREGA from PROTOCOLO where CODIGOPROTOCOLO = 10")).toString(),
            QStringLiteral("3"));
  EXPECT_EQ(Auditoria(10), std::make_tuple(7, kAgora, 2));
}

TEST_F(ProtocoloTeste, AuditStampsFollowChangesOnlyAndTellTheOtherOrigin) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOPROTOCOLO"), 5));
  Dados().Edit();
  Dados().Post();
  EXPECT_EQ(Auditoria(5), std::make_tuple(3, kAntigo, 1));

  FDM->SetOutraOrigem(true);
  Dados().Edit();
  Campo("OBSERVACAO")->SetAsString(QStringLiteral("Guias de novembro"));
  Dados().Post();
  EXPECT_EQ(Auditoria(5), std::make_tuple(7, kAgora, 3));
}

TEST_F(ProtocoloTeste, MissingCompanyOrDateIsRefusedAndNothingIsStored) {
  NovoProtocolo();
  Campo("CODIGOEMPRESA")->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Empresa deve ser informado."));
  Campo("CODIGOEMPRESA")->SetAsInteger(2);
  Campo("DATALCTOPRO")->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Data Protocolo deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 2);
}

TEST_F(ProtocoloTeste, NumberBeyondTenDigitsOrBelowOneIsRefusedButTenDigitsAreStored) {
  NovoProtocolo();
  Campo("CODIGOPROTOCOLO")->SetAsInteger(10000000000);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kNumeroInvalido);
  Campo("CODIGOPROTOCOLO")->SetAsInteger(0);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kNumeroInvalido);
  Campo("CODIGOPROTOCOLO")->SetAsInteger(9999999999);
  Dados().Post();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 9999999999")), 1);
}

TEST_F(ProtocoloTeste, RegisterShowsOnlyTheProtocolsOfTheSessionPeriod) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MAIORIGUAL"), QDate(2026, 12, 1));
  TnDMClientDataSet *dm = Criar(QStringLiteral("TmVoxDMProtocolo"));
  ASSERT_EQ(dm->nClientDataSet->RecordCount(), 1);
  EXPECT_EQ(dm->nClientDataSet->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 9);
}

}  // namespace
