#include <QDate>
#include <QDateTime>

#include "mVoxPkTeste_U.h"

namespace {

// Protocol 5 holds items 1 and 2; protocol 9 none yet.
class ProtocoloItemTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int codigo : {5, 9})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, "
                                       "DATALCTOPRO, TIPOPRO, CANCELADO, NATUREZAPRO) values (:codigo, 2, 1, :data, '2', '0', "
                                       "'1')"),
                        {codigo, kData});
    for (int seq : {1, 2})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, "
                                       "DATALCTOPRO, CANCELADO, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) "
                                       "values (5, :seq, 'Guia', :data, '0', 3, :momento, 1)"),
                        {seq, kData, QDateTime(kData, QTime(8, 0))});
    nDMConexao()->SetCodigoUsuario(7);
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloItem"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QLatin1String(nome)); }
  // A new item of the protocol, its number left to the register.
  void NovoItem(int protocolo, const QString &descricao) {
    Dados().Append();
    Campo("CODIGOPROTOCOLO")->SetAsInteger(protocolo);
    Campo("DATALCTOPRO")->SetAsDate(kData);
    Campo("DESCRITEM")->SetAsString(descricao);
    Campo("CANCELADO")->SetAsBoolean(false);
  }
  QVariant ColunaDoItem(const char *coluna, int protocolo, int seq) {
    return Valor(QStringLiteral("select %1 from PROTOCOLOITEM where CODIGOPROTOCOLO = :protocolo and SEQITEMPRO = :seq")
                     .arg(QLatin1String(coluna)),
                 {protocolo, seq});
  }

  const QDate kData{2026, 11, 20};
  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(ProtocoloItemTeste, NewItemsAreNumberedWithinTheirOwnProtocol) {
  NovoItem(5, QStringLiteral("Recibo de férias"));
  Dados().Post();
  NovoItem(9, QStringLiteral("Guia do FGTS"));
  Dados().Post();
  NovoItem(9, QStringLiteral("Folha de pagamento"));
  Dados().Post();
  EXPECT_EQ(ColunaDoItem("DESCRITEM", 5, 3).toString(), QStringLiteral("Recibo de férias"));
  EXPECT_EQ(ColunaDoItem("DESCRITEM", 9, 1).toString(), QStringLiteral("Guia do FGTS"));
  EXPECT_EQ(ColunaDoItem("DESCRITEM", 9, 2).toString(), QStringLiteral("Folha de pagamento"));
  EXPECT_EQ(ColunaDoItem("CODIGOUSUARIO", 9, 2).toInt(), 7);
  EXPECT_EQ(ColunaDoItem("ORIGEMDADO", 9, 2).toInt(), 2);
}

TEST_F(ProtocoloItemTeste, ItemWithoutDescriptionIsRefused) {
  NovoItem(9, QString());
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Descrição deve ser informado."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 9")), 0);
}

TEST_F(ProtocoloItemTeste, EditedItemIsStampedUnchangedOneKeepsItsStamps) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOPROTOCOLO;SEQITEMPRO"), QVariantList{5, 2}));
  Dados().Edit();
  Dados().Post();
  EXPECT_EQ(ColunaDoItem("CODIGOUSUARIO", 5, 2).toInt(), 3);
  EXPECT_EQ(ColunaDoItem("ORIGEMDADO", 5, 2).toInt(), 1);

  FDM->SetOutraOrigem(true);
  Dados().Edit();
  Campo("VALOR")->SetAsString(QStringLiteral("1234,56"));
  Dados().Post();
  EXPECT_EQ(ColunaDoItem("CODIGOUSUARIO", 5, 2).toInt(), 7);
  EXPECT_EQ(ColunaDoItem("ORIGEMDADO", 5, 2).toInt(), 3);
  EXPECT_EQ(ColunaDoItem("SEQITEMPRO", 5, 2).toInt(), 2);  // the key stays
}

}  // namespace
