// The envelope register of the archive boxes and its picker.
#include <QStringList>

#include "mVoxPkTeste_U.h"

namespace {

// Box 1 holds envelope 1 (sample office); box 2 holds envelopes 1 to 5; box 3
// is empty.
class DocEnvelopeTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int caixa : {2, 3})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCCAIXA (CODIGOCAIXA, CODIGOEMPRESA, CODIGOESTAB, "
                                       "CODIGOLOCAL) values (:c, 2, 1, 1)"),
                        {caixa});
    for (int envelope = 1; envelope <= 5; ++envelope)
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE, DESCRENVELOPE) "
                                       "values (2, :e, :d)"),
                        {envelope, QStringLiteral("Envelope %1").arg(envelope)});
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocEnvelope"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  QString Descricao(int caixa, int envelope) {
    return Valor(QStringLiteral("select DESCRENVELOPE from PROTOCOLODOCENVELOPE where CODIGOCAIXA = :c and "
                                "CODIGOENVELOPE = :e"),
                 {caixa, envelope})
        .toString();
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(DocEnvelopeTeste, NewEnvelopeIsNumberedWithinItsBox) {
  const struct {
    int Caixa;
    int Esperado;
  } casos[] = {{1, 2}, {3, 1}, {2, 6}};
  for (const auto &caso : casos) {
    SCOPED_TRACE(caso.Caixa);
    Dados().Append();
    Campo("CODIGOCAIXA")->SetAsInteger(caso.Caixa);
    Campo("DESCRENVELOPE")->SetAsString(QStringLiteral("Novo"));
    Dados().Post();
    EXPECT_EQ(Descricao(caso.Caixa, caso.Esperado), QStringLiteral("Novo"));
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE")), 9);
}

TEST_F(DocEnvelopeTeste, EnvelopeWithoutBoxIsRefused) {
  Dados().Append();
  Campo("DESCRENVELOPE")->SetAsString(QStringLiteral("Solto"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Caixa deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE")), 6);
}

TEST_F(DocEnvelopeTeste, EnvelopeNumberOutsideOneTo999999999IsRefused) {
  for (qint64 numero : {qint64(0), qint64(1000000000)}) {
    SCOPED_TRACE(numero);
    Dados().Append();
    Campo("CODIGOCAIXA")->SetAsInteger(3);
    Campo("CODIGOENVELOPE")->SetAsInteger(numero);
    EXPECT_FALSE(ErroDe([&] { Dados().Post(); }).isEmpty());
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 3")), 0);
}

// Envelope numbers repeat across boxes: a write must reach one envelope only.
TEST_F(DocEnvelopeTeste, EditAndDeleteReachOnlyTheEnvelopeOfThatBox) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"), QVariantList{2, 1}));
  Dados().Edit();
  Campo("DESCRENVELOPE")->SetAsString(QStringLiteral("Folha de 2026"));
  Dados().Post();
  EXPECT_EQ(Descricao(2, 1), QStringLiteral("Folha de 2026"));
  EXPECT_EQ(Descricao(1, 1), QStringLiteral("Guias e comprovantes de 2026"));
  EXPECT_EQ(Descricao(2, 2), QStringLiteral("Envelope 2"));

  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"), QVariantList{2, 3}));
  Dados().Delete();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE")), 5);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOCAIXA = 2 and CODIGOENVELOPE = 3")),
            0);
}

// The picker's statement orders by box and envelope, with a blank after one
// "t_t." prefix.
TEST_F(DocEnvelopeTeste, EnvelopePickerListsEnvelopesByBoxThenNumber) {
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE) values (1, 10)"));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloDocEnvelope"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  QStringList ordem;
  for (dados.First(); !dados.Eof(); dados.Next())
    ordem << QStringLiteral("%1/%2")
                 .arg(dados.FieldByName(QStringLiteral("CODIGOCAIXA"))->AsInteger())
                 .arg(dados.FieldByName(QStringLiteral("CODIGOENVELOPE"))->AsInteger());
  EXPECT_EQ(ordem.join(u' '), QStringLiteral("1/1 1/10 2/1 2/2 2/3 2/4 2/5"));
  EXPECT_EQ(dados.FieldByName(QStringLiteral("DESCRENVELOPE"))->DisplayLabel(), QStringLiteral("Descrição"));
}

}  // namespace
