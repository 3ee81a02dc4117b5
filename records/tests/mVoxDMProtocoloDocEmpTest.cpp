#include <QDate>
#include <QDateTime>

#include "mVoxDMProtocoloDocEmp_U.h"
#include "mVoxDMProtocoloDocMovimento_U.h"
#include "mVoxPkTeste_U.h"
#include "nEditorCampo_U.h"
#include "nFrmCadastro_U.h"
#include "nPainel_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Este tipo de documento já foi cadastrado nesta data de lançamento.");

// Documents of establishment 2/1: type 1 on 2026-11-10 and 2026-11-20, type 2
// on 2026-11-10; and type 1 of establishment 2/2 on 2026-11-10.
class DocEmpTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    Inserir(1, 1, 2, 1, QDate(2026, 11, 10), QStringLiteral("Guias de novembro"));
    Inserir(2, 1, 2, 1, QDate(2026, 11, 20), QStringLiteral("Guias complementares"));
    Inserir(3, 2, 2, 1, QDate(2026, 11, 10), QStringLiteral("Folha de novembro"));
    Inserir(4, 1, 2, 2, QDate(2026, 11, 10), QStringLiteral("Guias de Campinas"));
  }
  void Inserir(int codigo, int tipo, int empresa, int estab, const QDate &data, const QString &descricao) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) "
                                     "values (:c, :t, :e, :f, :d, :s, '0', 2)"),
                      {codigo, tipo, empresa, estab, data, descricao});
  }
  void Abrir() {
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloDocEmp"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void IrPara(int codigo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGODOCEMP"), codigo)); }
  void Preencher(int tipo, int empresa, int estab, const QDate &data) {
    Campo("CODIGOTIPODOC")->SetAsInteger(tipo);
    Campo("CODIGOEMPRESA")->SetAsInteger(empresa);
    Campo("CODIGOESTAB")->SetAsInteger(estab);
    Campo("DATALCTOPRO")->SetAsDate(data);
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(DocEmpTeste, NewDocumentGetsTheNextNumberAndIsStoredNotFiled) {
  Abrir();
  Dados().Append();
  Preencher(3, 2, 1, QDate(2026, 11, 10));
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Balancete do 3º trimestre"));
  Dados().Post();
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsLargeInt(), 5);
  EXPECT_EQ(Valor(QStringLiteral("select DESCRDOCEMP from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).toString(),
            QStringLiteral("Balancete do 3º trimestre"));
  EXPECT_EQ(Valor(QStringLiteral("select ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).toString(),
            QStringLiteral("0"));
  // Typed, not generated: a new generation of the period never deletes it.
  EXPECT_TRUE(Valor(QStringLiteral("select ORIGEMDADO from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).isNull());
}

TEST_F(DocEmpTeste, TheFiledFlagIsTheCallersForAnotherOriginAndAStoredDocumentKeepsIt) {
  Abrir();
  FDM->SetOutraOrigem(true);
  Dados().Append();
  EXPECT_TRUE(Campo("ARQUIVADO")->IsNull());
  Preencher(3, 2, 1, QDate(2026, 11, 10));
  Campo("ARQUIVADO")->SetAsBoolean(true);
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).toString(),
            QStringLiteral("1"));

  FDM->SetOutraOrigem(false);
  Dados().Edit();
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Balancete arquivado"));
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP = 5")).toString(),
            QStringLiteral("1"));
}

TEST_F(DocEmpTeste, DocumentWithoutTypeOrLaunchDateIsRefused) {
  Abrir();
  Dados().Append();
  Preencher(3, 2, 1, QDate(2026, 11, 10));
  Campo("CODIGOTIPODOC")->Clear();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Campo("CODIGOTIPODOC")->SetAsInteger(3);
  Campo("DATALCTOPRO")->Clear();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 4);
}

TEST_F(DocEmpTeste, SameTypeEstablishmentAndDateIsRefusedOnInsert) {
  Abrir();
  Dados().Append();
  Preencher(1, 2, 1, QDate(2026, 11, 10));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  // Any one of the four values differing makes another document.
  Dados().Append();
  Preencher(1, 2, 1, QDate(2026, 11, 11));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Append();
  Preencher(1, 1, 1, QDate(2026, 11, 10));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 6);
}

TEST_F(DocEmpTeste, EditingOnlyTheDescriptionOfAStoredDocumentIsAccepted) {
  Abrir();
  IrPara(1);
  Dados().Edit();
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Guias de novembro (DARF e GPS)"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Edit();
  Campo("DESCRDOCEMP")->SetAsString(QStringLiteral("Guias de novembro (DARF e GPS)"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
}

TEST_F(DocEmpTeste, MovingToADateOrEstablishmentThatHasTheTypeIsRefused) {
  Abrir();
  IrPara(2);
  Dados().Edit();
  Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 11, 10));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(4);
  Dados().Edit();
  Campo("CODIGOESTAB")->SetAsInteger(1);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(2);
  Dados().Edit();
  Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 11, 25));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DATALCTOPRO from PROTOCOLODOCEMP where CODIGODOCEMP = 2")).toDate(),
            QDate(2026, 11, 25));
}

TEST_F(DocEmpTeste, SessionLaunchPeriodLimitsTheDocumentsRead) {
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MAIORIGUAL"), QDate(2026, 11, 15));
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MENORIGUAL"), QDate(2026, 11, 30));
  Abrir();
  ASSERT_EQ(Dados().RecordCount(), 1);
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsLargeInt(), 2);
}

// --- the form

// Document 2 is filed; document 5 was written by a process that left the
// flag empty.
class DocEmpFormTeste : public DocEmpTeste {
 protected:
  void SetUp() override {
    DocEmpTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '1' where CODIGODOCEMP = 2"));
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, ORIGEMDADO) values (5, 3, 2, 1, :d, 1)"),
                      {QDate(2026, 11, 30)});
    for (int seq : {1, 2}) Movimento(1, seq);
    Abrir();
    FForm = FDM->CriarForm();
    ASSERT_NE(FForm, nullptr);
  }
  void Movimento(int doc, int seq, const QVariant &protocolo = QVariant(QMetaType(QMetaType::LongLong))) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, "
                                     "CODIGODPTOESCRIT, CODIGOPROTOCOLO, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, "
                                     "ORIGEMDADO) values (:c, :s, :t, 1, :p, :d, :h, 1, 2)"),
                      {doc, seq, seq == 1 ? QStringLiteral("1") : QStringLiteral("2"), protocolo,
                       QDate(2026, 11, 10), QDateTime(QDate(2026, 11, 10), QTime(8, 0))});
  }
  TmVoxDMProtocoloDocMovimento *Movimentos() {
    for (TnDMClientDataSet *detalhe : FDM->Detalhes())
      if (auto *movimentos = dynamic_cast<TmVoxDMProtocoloDocMovimento *>(detalhe)) return movimentos;
    return nullptr;
  }
  QString Excluir() {
    return ErroDe([&] { Dados().Delete(); });
  }
  int Documentos() { return Contar(QStringLiteral("PROTOCOLODOCEMP")); }
  int MovimentosDe(int doc) {
    return Contar(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("CODIGODOCEMP = %1").arg(doc));
  }

  TnFrmVisual *FForm = nullptr;
};

TEST_F(DocEmpFormTeste, TheMovementsOfTheCurrentDocumentAreShownUnderIt) {
  TmVoxDMProtocoloDocMovimento *movimentos = Movimentos();
  ASSERT_NE(movimentos, nullptr);
  ASSERT_NE(movimentos->Form(), nullptr);
  EXPECT_EQ(movimentos->DMDoc(), FDM);
  IrPara(1);
  EXPECT_EQ(movimentos->nClientDataSet->RecordCount(), 2);
  IrPara(3);
  EXPECT_EQ(movimentos->nClientDataSet->RecordCount(), 0);
  // Registers re-read their rows only when asked once their form is built.
  EXPECT_FALSE(FDM->AtualizarAoExibir());
}

TEST_F(DocEmpFormTeste, ArquivadoSitsAtTheRightOfTheNumberAndShowsWhileTheDocumentIsFiled) {
  auto *form = dynamic_cast<TnFrmCadastro *>(FForm);
  ASSERT_NE(form, nullptr);
  TnPainel *label = dynamic_cast<TmVoxDMProtocoloDocEmp *>(FDM)->LblArquivado();
  ASSERT_NE(label, nullptr);
  TnPainel *painel = label->Pai();
  ASSERT_NE(painel, nullptr);
  EXPECT_EQ(painel->Pai(), form->Editor(QStringLiteral("CODIGODOCEMP"))->Container());
  EXPECT_EQ(painel->Align(), TnAlinhamento::alRight);
  EXPECT_FALSE(painel->Borda());
  EXPECT_TRUE(painel->AncoraDireita());
  EXPECT_EQ(painel->Width(), 270);
  EXPECT_EQ(label->Caption(), QStringLiteral("Arquivado"));
  EXPECT_EQ(label->Alignment(), TnAlinhamentoTexto::Direita);
  EXPECT_EQ(label->CorFonte(), nCorVermelho);
  EXPECT_TRUE(label->Negrito());
  EXPECT_EQ(label->TamanhoFonte(), 12);
  EXPECT_EQ(label->Width(), 250);
  EXPECT_EQ(label->Height(), 20);

  IrPara(1);
  EXPECT_FALSE(label->Visible());
  IrPara(2);
  EXPECT_TRUE(label->Visible());
  // An empty flag says nothing: the label stays as it was.
  IrPara(5);
  EXPECT_TRUE(label->Visible());
  IrPara(1);
  EXPECT_FALSE(label->Visible());
  IrPara(5);
  EXPECT_FALSE(label->Visible());

  // The form owns the label: once it is gone, moving is harmless.
  delete FForm;
  FForm = nullptr;
  EXPECT_EQ(dynamic_cast<TmVoxDMProtocoloDocEmp *>(FDM)->LblArquivado(), nullptr);
  IrPara(2);
}

TEST_F(DocEmpFormTeste, ADocumentGoesWithItsMovementsWhenNothingElseRefersToIt) {
  IrPara(1);
  EXPECT_EQ(Excluir(), QString());
  EXPECT_EQ(Documentos(), 4);
  EXPECT_EQ(MovimentosDe(1), 0);
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  // The grid under the documents holds none of them any more, even under a
  // new document that takes the number again.
  TmVoxDMProtocoloDocMovimento *movimentos = Movimentos();
  TnClientDataSet todos;
  todos.CloneCursor(movimentos->nClientDataSet, true);
  todos.SetMasterSource(nullptr, QString(), QString());
  EXPECT_EQ(todos.RecordCount(), 0);
}

TEST_F(DocEmpFormTeste, ADocumentSomethingElseRefersToIsNotDeleted) {
  struct Caso {
    const char *Referencia;
    const char *Mensagem;
  };
  const Caso casos[] = {
      {"insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) values (1, 1, 1)",
       "Impossível excluir documento arquivado em envelope."},
      {"insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, CODIGODOCEMP, CANCELADO) "
       "values (40, 1, 'Guias', 1, '1')",
       "Impossível excluir documento que consta em protocolo."},
      {"update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = 41 where CODIGODOCEMP = 1 and SEQDOCEMP = 1",
       "Impossível excluir documento com movimentação protocolada."},
  };
  const char *desfazer[] = {
      "delete from PROTOCOLODOCARQUIVO",
      "delete from PROTOCOLOITEM",
      "update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = null",
  };
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO) "
                                   "values (40, 2, 1, :data)"),
                    {QDate(2026, 11, 1)});
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(casos[i].Mensagem);
    ExecutarSQLDireto(QString::fromUtf8(casos[i].Referencia));
    IrPara(1);
    EXPECT_EQ(Excluir(), QString::fromUtf8(casos[i].Mensagem));
    EXPECT_EQ(Documentos(), 5);
    EXPECT_EQ(MovimentosDe(1), 2);
    EXPECT_FALSE(nDMConexao()->EmTransacao());
    ExecutarSQLDireto(QString::fromUtf8(desfazer[i]));
  }
}

// The database refuses the delete's COMMIT: nothing was deleted, and the
// screen shows the document again, current, with its movements.
TEST_F(DocEmpFormTeste, ADeleteWhoseCommitFailsShowsTheDocumentAndItsMovementsAgain) {
  IrPara(1);
  nDMConexao()->SetAntesDeExecutar([](const QString &sql) {
    if (sql == QLatin1String("COMMIT")) throw EDatabaseError(QStringLiteral("Falha ao confirmar."), sql);
  });
  const QString erro = Excluir();
  nDMConexao()->SetAntesDeExecutar(nullptr);
  EXPECT_EQ(erro, QStringLiteral("Falha ao confirmar."));
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  EXPECT_EQ(Documentos(), 5);
  EXPECT_EQ(MovimentosDe(1), 2);
  EXPECT_EQ(Campo("CODIGODOCEMP")->AsInteger(), 1);
  EXPECT_EQ(Dados().RecordCount(), 5);
  EXPECT_EQ(Movimentos()->nClientDataSet->RecordCount(), 2);
}

// Another user changed the document meanwhile: its movements are not
// deleted by a delete that fails.
TEST_F(DocEmpFormTeste, AFailedDeleteKeepsTheMovements) {
  IrPara(1);
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set DESCRDOCEMP = 'Outra' where CODIGODOCEMP = 1"));
  EXPECT_EQ(Excluir(),
            QStringLiteral("O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente."));
  EXPECT_EQ(MovimentosDe(1), 2);
  EXPECT_FALSE(nDMConexao()->EmTransacao());
}

}  // namespace
