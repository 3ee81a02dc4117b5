// The register of filed documents and its consultation.
#include <QDate>

#include "mVoxPkTeste_U.h"

namespace {

// Box 1, envelope 1 (sample office) already holds documents 101 and 102.
class DocArquivoTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (int documento : {101, 102, 103})
      ExecutarSQLDireto(
          QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                         "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values (:c, 1, 2, 1, :d, :t, '0')"),
          {documento, QDate(2026, 11, 10), QStringLiteral("Documento %1").arg(documento)});
    for (int documento : {101, 102})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) "
                                       "values (1, 1, :c)"),
                        {documento});
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocArquivo"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void Arquivar(int caixa, int envelope, qint64 documento) {
    Dados().Append();
    Campo("CODIGOCAIXA")->SetAsInteger(caixa);
    Campo("CODIGOENVELOPE")->SetAsInteger(envelope);
    Campo("CODIGODOCEMP")->SetAsInteger(documento);
  }
  void IrPara(qint64 documento) {
    ASSERT_TRUE(
        Dados().Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP"), QVariantList{1, 1, documento}));
  }

  QString Arquivado(qint64 documento) {
    return Valor(QStringLiteral("select ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP = :c"), {documento})
        .toString();
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(DocArquivoTeste, FilingRowIsStoredWithTheKeyTyped) {
  Arquivar(1, 1, 103);
  Dados().Post();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"),
                   QStringLiteral("CODIGOCAIXA = 1 and CODIGOENVELOPE = 1 and CODIGODOCEMP = 103")),
            1);
}

TEST_F(DocArquivoTeste, BoxEnvelopeAndDocumentAreRequired) {
  const struct {
    const char *Campo;
    QString Mensagem;
  } casos[] = {
      {"CODIGOCAIXA", QStringLiteral("O campo Caixa deve ser informado.")},
      {"CODIGOENVELOPE", QStringLiteral("O campo Envelope deve ser informado.")},
      {"CODIGODOCEMP", QStringLiteral("O campo Documento deve ser informado.")},
  };
  for (const auto &caso : casos) {
    SCOPED_TRACE(caso.Campo);
    Arquivar(1, 1, 103);
    Campo(caso.Campo)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }), caso.Mensagem);
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO")), 2);
}

// Every column is part of the key: a filing row is replaced, never moved.
TEST_F(DocArquivoTeste, StoredFilingCannotMoveToAnotherBoxEnvelopeOrDocument) {
  IrPara(102);
  for (const char *campo : {"CODIGOCAIXA", "CODIGOENVELOPE", "CODIGODOCEMP"}) {
    SCOPED_TRACE(campo);
    Dados().Edit();
    Campo(campo)->SetAsInteger(103);
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("Não é permitido alterar a chave do registro."));
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 102")), 1);
}

TEST_F(DocArquivoTeste, DeletingOneDocumentLeavesTheOthersOfTheEnvelope) {
  IrPara(101);
  Dados().Delete();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 102")), 1);
}

TEST_F(DocArquivoTeste, SameDocumentTwiceInOneEnvelopeIsRefused) {
  Arquivar(1, 1, 101);
  EXPECT_FALSE(ErroDe([&] { Dados().Post(); }).isEmpty());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO")), 2);
}

TEST_F(DocArquivoTeste, FilingMarksThatDocumentFiledAndNoOther) {
  // A code beyond 32 bits reaches its own row.
  const qint64 grande = 5000000000LL;
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                   "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO) values (:c, 1, 2, 1, :d, 'G', '0')"),
                    {grande, QDate(2026, 11, 11)});
  FDM->Refresh();
  Arquivar(1, 1, 103);
  Dados().Post();
  Arquivar(1, 1, grande);
  Dados().Post();
  EXPECT_EQ(Arquivado(103), QStringLiteral("1"));
  EXPECT_EQ(Arquivado(grande), QStringLiteral("1"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("ARQUIVADO = '1'")),
            2 + Contar(QStringLiteral("PROTOCOLODOCEMP"),
                       QStringLiteral("ARQUIVADO = '1' and CODIGODOCEMP not in (103, 5000000000)")));
  EXPECT_EQ(Arquivado(101), QStringLiteral("0"));  // filed by hand in SetUp, flag untouched
}

// The row and the flag are one write: a failed flag leaves neither, and the
// row stays typed for another try.
TEST_F(DocArquivoTeste, FailedFlagUpdateUndoesTheFilingAndKeepsTheTypedRow) {
  FalharAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  Arquivar(1, 1, 103);
  EXPECT_FALSE(ErroDe([&] { Dados().Post(); }).isEmpty());
  EXPECT_EQ(Dados().State(), TnDataSetState::Insert);
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsLargeInt(), 103);
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 103")), 0);

  VoltarAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  Dados().Post();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 103")), 1);
  EXPECT_EQ(Arquivado(103), QStringLiteral("1"));
}

TEST_F(DocArquivoTeste, DeletingTheLastFilingOfADocumentUnfilesIt) {
  // Document 103 in two envelopes of box 1.
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE, DESCRENVELOPE) "
                                   "values (1, 2, 'Segundo')"));
  FDM->Refresh();
  Arquivar(1, 1, 103);
  Dados().Post();
  Arquivar(1, 2, 103);
  Dados().Post();
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP"), QVariantList{1, 1, 103}));
  Dados().Delete();
  EXPECT_EQ(Arquivado(103), QStringLiteral("1"));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP"), QVariantList{1, 2, 103}));
  Dados().Delete();
  EXPECT_EQ(Arquivado(103), QStringLiteral("0"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 103")), 0);
}

TEST_F(DocArquivoTeste, FailedUnfilingKeepsTheFilingRow) {
  Arquivar(1, 1, 103);
  Dados().Post();
  FalharAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  IrPara(103);
  EXPECT_FALSE(ErroDe([&] { Dados().Delete(); }).isEmpty());
  VoltarAtualizacoes(QStringLiteral("PROTOCOLODOCEMP"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP = 103")), 1);
  EXPECT_EQ(Arquivado(103), QStringLiteral("1"));
  EXPECT_EQ(Dados().RecordCount(), 3);
}

// The consultation uses the register form but reads the same rows.
TEST_F(DocArquivoTeste, ConsultationOpensOnTheFilingRows) {
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocoloDocArquivo"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  EXPECT_EQ(dados.RecordCount(), 2);
  EXPECT_TRUE(dados.Locate(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP"), QVariantList{1, 1, 102}));
}

}  // namespace
