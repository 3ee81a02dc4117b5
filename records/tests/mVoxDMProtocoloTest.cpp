#include <QDate>
#include <QDateTime>
#include <QKeyCombination>
#include <QPointer>

#include "mVoxDMProtocolo_U.h"
#include "mVoxPkTeste_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDefinicao_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmCadastro_U.h"
#include "nPainel_U.h"

namespace {

const QString kNumeroInvalido = QStringLiteral("Código de protocolo inválido!");

// Two stored protocols written by a process (origin 1) by user 3 at a moment
// long past, so that any new stamp shows.
class ProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    for (const auto &[codigo, data] : {std::pair{5, QDate(2026, 11, 10)}, std::pair{9, QDate(2026, 12, 5)}})
      ExecutarSQLDireto(
          QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, "
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

// A save with nothing else changed is a change of who and when: the audit
// stamps it as the register's own.
TEST_F(ProtocoloTeste, EverySaveStampsWhoAndWhenAndTheOriginFollowsChanges) {
  nDMDireitoUsuario()->SetDireito(7, QStringLiteral("DireitoAltProtocolo"), QChar(TnDMDireitoUsuario::Concedido));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOPROTOCOLO"), 5));
  Dados().Edit();
  Dados().Post();
  EXPECT_EQ(Auditoria(5), std::make_tuple(7, kAgora, 2));

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

// --- the register's own rules

// The register as the user meets it, by the administrator (user 1, who has
// the right to change protocols) unless a test says otherwise. Protocol 5
// holds items 1 and 2, protocol 9 items 1 to 3.
class ProtocoloRegrasTeste : public ProtocoloTeste {
 protected:
  void SetUp() override {
    ProtocoloTeste::SetUp();
    nDMConexao()->SetCodigoUsuario(1);
    for (const auto &[protocolo, seq] : {std::pair{5, 1}, {5, 2}, {9, 1}, {9, 2}, {9, 3}})
      ExecutarSQLDireto(
          QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, "
                         "CANCELADO, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) values (:p, :s, 'Guia', "
                         ":data, '0', 3, :momento, 1)"),
          {protocolo, seq, QDate(2026, 11, 10), kAntigo});
  }
  // A register of its own, on protocol `codigo`, with its form when asked.
  TmVoxDMProtocolo *Registro(int codigo, bool comForm = true) {
    auto *dm = Criar<TmVoxDMProtocolo>(QStringLiteral("TmVoxDMProtocolo"));
    EXPECT_NE(dm, nullptr);
    if (comForm) dm->CriarForm();
    EXPECT_TRUE(dm->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), codigo));
    return dm;
  }
  static TnField *CampoDe(TmVoxDMProtocolo *dm, const char *nome) {
    return dm->nClientDataSet->FieldByName(QLatin1String(nome));
  }
  // The fields whose editors are enabled, in dataset order.
  static QStringList Habilitados(TmVoxDMProtocolo *dm) {
    QStringList nomes;
    for (int i = 0; i < dm->nClientDataSet->FieldCount(); ++i)
      if (dm->EdFindFieldControl(dm->nClientDataSet->Fields(i))->Enabled())
        nomes << dm->nClientDataSet->Fields(i)->FieldName();
    return nomes;
  }
  static QStringList TodosOsCampos(TmVoxDMProtocolo *dm) {
    QStringList nomes;
    for (int i = 0; i < dm->nClientDataSet->FieldCount(); ++i) nomes << dm->nClientDataSet->Fields(i)->FieldName();
    return nomes;
  }
  void Baixar(int codigo, const QVariant &usuarioInt = 2, const QString &natureza = QStringLiteral("1")) {
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = :baixa, DATAHORAENTREGA = :entrega, "
                                     "USUARIOEXT = 'Ana Lima', CODIGOUSUARIOINT = :usuario, NATUREZAPRO = :natureza "
                                     "where CODIGOPROTOCOLO = :codigo"),
                      {QDateTime(QDate(2026, 11, 28), QTime(17, 5)), QDateTime(QDate(2026, 11, 27), QTime(14, 0)),
                       usuarioInt, natureza, codigo});
  }
  void Cancelar(int codigo) {
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set CANCELADO = '1' where CODIGOPROTOCOLO = :codigo"), {codigo});
  }
  QVariant Coluna(const char *coluna, int codigo) {
    return Valor(QStringLiteral("select %1 from PROTOCOLO where CODIGOPROTOCOLO = :codigo").arg(QLatin1String(coluna)),
                 {codigo});
  }
  int ItensCancelados(int codigo) {
    return Contar(QStringLiteral("PROTOCOLOITEM"),
                  QStringLiteral("CODIGOPROTOCOLO = %1 and CANCELADO = '1'").arg(codigo));
  }
  static bool Pressionar(TmVoxDMProtocolo *dm, QKeyCombination tecla) { return dm->Form()->PressionarAtalho(tecla); }
  static TnEditorCampo *Editor(TmVoxDMProtocolo *dm, const char *nome) {
    return dynamic_cast<TnFrmCadastro *>(dm->Form())->Editor(QLatin1String(nome));
  }

  const QKeyCombination kF6{Qt::Key_F6};
  const QKeyCombination kShiftF6{Qt::ShiftModifier, Qt::Key_F6};
  const QKeyCombination kAltF6{Qt::AltModifier, Qt::Key_F6};
  const QString kBaixado = QStringLiteral("Não é permitido alterar protocolo baixado!");
  TnDialogosTeste FDialogos;
};

// The right is read again on every move, so a right granted meanwhile
// counts on the next protocol.
TEST_F(ProtocoloRegrasTeste, WithoutTheRightEveryEditorOfAStoredProtocolIsDisabledAndANewOneIsFullyEditable) {
  nDMConexao()->SetCodigoUsuario(2);
  TmVoxDMProtocolo *dm = Registro(5);
  const QStringList todos = TodosOsCampos(dm);
  dm->nClientDataSet->First();
  EXPECT_EQ(Habilitados(dm), QStringList());
  dm->nClientDataSet->Append();
  EXPECT_EQ(Habilitados(dm), todos);
  // Giving up the new protocol goes back to a stored one.
  dm->nClientDataSet->Cancel();
  EXPECT_EQ(Habilitados(dm), QStringList());

  nDMDireitoUsuario()->SetDireito(2, QStringLiteral("DireitoAltProtocolo"), QChar(TnDMDireitoUsuario::Concedido));
  dm->nClientDataSet->Next();
  QStringList semEmpresa = todos;
  semEmpresa.removeAll(QStringLiteral("CODIGOEMPRESA"));
  semEmpresa.removeAll(QStringLiteral("CODIGOESTAB"));
  EXPECT_EQ(Habilitados(dm), semEmpresa);
}

// Who just made a protocol goes on to its items: saving it keeps it
// editable until the user moves away.
TEST_F(ProtocoloRegrasTeste, NewProtocolStaysEditableAfterSavingUntilTheUserMovesAway) {
  nDMConexao()->SetCodigoUsuario(2);
  TmVoxDMProtocolo *dm = Registro(5, false);
  dm->nClientDataSet->Append();
  CampoDe(dm, "CODIGOEMPRESA")->SetAsInteger(2);
  CampoDe(dm, "CODIGOESTAB")->SetAsInteger(1);
  CampoDe(dm, "DATALCTOPRO")->SetAsDate(QDate(2026, 12, 1));
  dm->nClientDataSet->Post();
  EXPECT_TRUE(dm->EdFindFieldControl(QStringLiteral("OBSERVACAO"))->Enabled());
  EXPECT_FALSE(dm->EdFindFieldControl(QStringLiteral("CODIGOEMPRESA"))->Enabled());
  dm->nClientDataSet->First();
  EXPECT_FALSE(dm->EdFindFieldControl(QStringLiteral("OBSERVACAO"))->Enabled());
}

TEST_F(ProtocoloRegrasTeste, NewProtocolWithoutTypeOrCancellationIsStoredAsTypedAndOpen) {
  Dados().Append();
  Campo("CODIGOEMPRESA")->SetAsInteger(2);
  Campo("CODIGOESTAB")->SetAsInteger(1);
  Campo("DATALCTOPRO")->SetAsDate(QDate(2026, 12, 1));
  Dados().Post();
  EXPECT_EQ(Coluna("TIPOPRO", 10).toString(), QStringLiteral("2"));
  EXPECT_EQ(Coluna("CANCELADO", 10).toString(), QStringLiteral("0"));
  EXPECT_EQ(Coluna("CODIGOUSUARIO", 10).toInt(), 1);
}

// The delivery form of the establishment is read once per establishment; a
// change of the configuration shows only after Refresh.
TEST_F(ProtocoloRegrasTeste, DeliveryFormIsFetchedOncePerEstablishmentAndAgainAfterRefresh) {
  TmVoxDMProtocolo *dm = Registro(5, false);
  auto sair = [&](int empresa, int estab) {
    dm->nClientDataSet->Append();
    CampoDe(dm, "CODIGOEMPRESA")->SetAsInteger(empresa);
    CampoDe(dm, "CODIGOESTAB")->SetAsInteger(estab);
    CampoDe(dm, "CODIGOESTAB")->Definicao().Exit();
    const QString forma = CampoDe(dm, "FORMAENTREGA")->AsString();
    dm->nClientDataSet->Cancel();
    return forma;
  };
  EXPECT_EQ(sair(2, 1), QStringLiteral("3"));
  ExecutarSQLDireto(
      QStringLiteral("update CFGESTABPRO set FORMAENTREGA = '2' where CODIGOEMPRESA = 2 and CODIGOESTAB = 1"));
  EXPECT_EQ(sair(2, 1), QStringLiteral("3"));
  EXPECT_EQ(sair(2, 2), QStringLiteral("2"));
  dm->Refresh();
  EXPECT_EQ(sair(2, 2), QStringLiteral("2"));
  EXPECT_EQ(sair(2, 1), QStringLiteral("2"));
  ExecutarSQLDireto(
      QStringLiteral("update CFGESTABPRO set FORMAENTREGA = '1' where CODIGOEMPRESA = 2 and CODIGOESTAB = 1"));
  dm->Refresh();
  EXPECT_EQ(sair(2, 1), QStringLiteral("1"));
}

TEST_F(ProtocoloRegrasTeste, EstablishmentWithoutConfigurationIsRefusedAndAStoredProtocolIsLeftAlone) {
  TmVoxDMProtocolo *dm = Registro(5, false);
  dm->nClientDataSet->Append();
  CampoDe(dm, "CODIGOEMPRESA")->SetAsInteger(3);
  CampoDe(dm, "CODIGOESTAB")->SetAsInteger(1);
  EXPECT_EQ(ErroDe([&] { CampoDe(dm, "CODIGOESTAB")->Definicao().Exit(); }),
            QStringLiteral("Filial não configurada no Protocolo."));
  EXPECT_TRUE(CampoDe(dm, "FORMAENTREGA")->IsNull());
  dm->nClientDataSet->Cancel();

  dm->nClientDataSet->Edit();
  CampoDe(dm, "CODIGOESTAB")->Definicao().Exit();
  EXPECT_TRUE(CampoDe(dm, "FORMAENTREGA")->IsNull());
}

TEST_F(ProtocoloRegrasTeste, TypedNumberOfNoProtocolIsRefusedWhileZeroOrTextIsIgnored) {
  TmVoxDMProtocolo *dm = Registro(5);
  TnEditorCampo *numero = Editor(dm, "CODIGOPROTOCOLO");
  FDialogos->Responder(0);
  EXPECT_FALSE(numero->Digitar(QStringLiteral("77")));
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral("Não existe registro com esta chave")});
  EXPECT_TRUE(numero->Digitar(QStringLiteral("0")));
  EXPECT_TRUE(numero->Digitar(QStringLiteral("abc")));
  EXPECT_EQ(CampoDe(dm, "CODIGOPROTOCOLO")->AsInteger(), 5);
  EXPECT_TRUE(numero->Digitar(QStringLiteral("9")));
  EXPECT_EQ(CampoDe(dm, "CODIGOPROTOCOLO")->AsInteger(), 9);
  EXPECT_EQ(FDialogos->Textos().size(), 1);
}

TEST_F(ProtocoloRegrasTeste, WithdrawalRecordsWhoDeliveredWhoReceivedAndWhenAndShowsBaixadoInBlue) {
  TmVoxDMProtocolo *dm = Registro(5);
  ASSERT_NE(dm->LbBaixado(), nullptr);
  EXPECT_FALSE(dm->LbBaixado()->Visible());
  FDialogos->ResponderCampos({{"Usuário Entrega", "2"},
                              {"Responsável Recebimento", "João"},
                              {"Data Entrega", "30/11/2026"},
                              {"Hora Entrega", "16:45"}});
  ASSERT_TRUE(Pressionar(dm, kF6));
  EXPECT_EQ(Coluna("DATAHORAENTREGA", 5).toDateTime(), QDateTime(QDate(2026, 11, 30), QTime(16, 45)));
  EXPECT_EQ(Coluna("USUARIOEXT", 5).toString(), QStringLiteral("João"));
  EXPECT_EQ(Coluna("CODIGOUSUARIOINT", 5).toInt(), 2);
  EXPECT_EQ(Coluna("DATAHORABAIXA", 5).toDateTime(), kAgora);
  EXPECT_EQ(Coluna("ORIGEMDADO", 5).toInt(), 2);
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);
  EXPECT_TRUE(dm->LbBaixado()->Visible());
  EXPECT_EQ(dm->LbBaixado()->Caption(), QStringLiteral("Baixado"));
  EXPECT_EQ(dm->LbBaixado()->CorFonte(), nCorAzul);

  // A second F6 asks nothing (no answer is queued) and changes nothing.
  ASSERT_TRUE(Pressionar(dm, kF6));
  EXPECT_EQ(Coluna("USUARIOEXT", 5).toString(), QStringLiteral("João"));

  FDialogos->Responder(0);
  ASSERT_TRUE(Pressionar(dm, kShiftF6));
  EXPECT_EQ(FDialogos.Roteiro().Perguntas().last().Texto,
            QStringLiteral("Usuário Entrega: 2 - Maria D'Ávila Souza\r\n\r\nResponsável Recebimento: João\r\n\r\n"
                           "Data Entrega: 30/11/2026 16:45:00\r\n\r\nData/Hora Baixa: 01/12/2026 09:30:00"));
  EXPECT_EQ(FDialogos.Roteiro().Perguntas().last().Opcoes, QStringList{QStringLiteral("OK")});
}

TEST_F(ProtocoloRegrasTeste, CancelledWithdrawalDialogLeavesTheProtocolOpenAndUntouched) {
  TmVoxDMProtocolo *dm = Registro(5);
  FDialogos->Cancelar();
  ASSERT_TRUE(Pressionar(dm, kF6));
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);
  EXPECT_TRUE(Coluna("DATAHORABAIXA", 5).isNull());
  EXPECT_FALSE(dm->LbBaixado()->Visible());
  // Information on an open protocol shows nothing (no answer is queued).
  ASSERT_TRUE(Pressionar(dm, kShiftF6));
}

// The validation lets a withdrawn protocol through only while the
// withdrawal posts: a failed withdrawal must not leave that door open.
TEST_F(ProtocoloRegrasTeste, FailedWithdrawalKeepsTheUsersEditAndLeavesTheValidationClosed) {
  TmVoxDMProtocolo *dm = Registro(5, false);
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Guias de dezembro"));
  CampoDe(dm, "DATALCTOPRO")->Clear();
  FDialogos->ResponderCampos({{"Responsável Recebimento", "João"}});
  EXPECT_EQ(ErroDe([&] { dm->actBaixarProtocolo(nullptr); }),
            QStringLiteral("O campo Data Protocolo deve ser informado."));
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Edit);
  EXPECT_EQ(CampoDe(dm, "OBSERVACAO")->AsString(), QStringLiteral("Guias de dezembro"));
  EXPECT_TRUE(CampoDe(dm, "DATAHORABAIXA")->IsNull());
  EXPECT_TRUE(Coluna("DATAHORABAIXA", 5).isNull());

  CampoDe(dm, "DATALCTOPRO")->SetAsDate(QDate(2026, 11, 10));
  CampoDe(dm, "DATAHORABAIXA")->SetAsDateTime(kAgora);
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), kBaixado);
  EXPECT_TRUE(Coluna("DATAHORABAIXA", 5).isNull());
}

TEST_F(ProtocoloRegrasTeste, WithdrawnOrCancelledProtocolRefusesChangesAndShowsItsStoredValuesAgain) {
  Baixar(5);
  Cancelar(9);
  TmVoxDMProtocolo *dm = Registro(5, false);
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Outra"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), kBaixado);
  EXPECT_EQ(dm->nClientDataSet->State(), TnDataSetState::Browse);
  EXPECT_EQ(CampoDe(dm, "OBSERVACAO")->AsString(), QStringLiteral("Guias"));

  ASSERT_TRUE(dm->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 9));
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Outra"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), QStringLiteral("Impossivel alterar protocolo cancelado!"));
  EXPECT_EQ(CampoDe(dm, "OBSERVACAO")->AsString(), QStringLiteral("Guias"));
  EXPECT_EQ(Coluna("OBSERVACAO", 9).toString(), QStringLiteral("Guias"));
}

TEST_F(ProtocoloRegrasTeste, CancelledProtocolCannotBeWithdrawnAndShowsCanceladoInRedEvenWhenWithdrawn) {
  Cancelar(5);
  Cancelar(9);
  Baixar(9);
  TmVoxDMProtocolo *dm = Registro(5);
  EXPECT_EQ(ErroDe([&] { dm->actBaixarProtocolo(nullptr); }),
            QStringLiteral("Impossível baixar um protocolo cancelado!"));
  EXPECT_TRUE(Coluna("DATAHORABAIXA", 5).isNull());
  EXPECT_TRUE(dm->LbBaixado()->Visible());
  EXPECT_EQ(dm->LbBaixado()->Caption(), QStringLiteral("Cancelado"));
  EXPECT_EQ(dm->LbBaixado()->CorFonte(), nCorVermelho);

  dm->nClientDataSet->Next();
  EXPECT_EQ(CampoDe(dm, "CODIGOPROTOCOLO")->AsInteger(), 9);
  EXPECT_EQ(dm->LbBaixado()->Caption(), QStringLiteral("Cancelado"));
  EXPECT_EQ(dm->LbBaixado()->CorFonte(), nCorVermelho);
}

TEST_F(ProtocoloRegrasTeste, WithdrawalInformationOfAnIncomingProtocolWithoutInternalUserReadsThatPartEmpty) {
  Baixar(9, QVariant(), QStringLiteral("2"));
  TmVoxDMProtocolo *dm = Registro(9);
  FDialogos->Responder(0);
  ASSERT_TRUE(Pressionar(dm, kShiftF6));
  EXPECT_EQ(FDialogos->Textos(), QStringList{QStringLiteral(
                                     "Responsável Entrega: Ana Lima\r\n\r\nUsuário Recebimento: \r\n\r\n"
                                     "Data Entrega: 27/11/2026 14:00:00\r\n\r\nData/Hora Baixa: 28/11/2026 17:05:00")});
}

// With two protocols open, each "Cancelar Tudo" reaches the items of its
// own form only.
TEST_F(ProtocoloRegrasTeste, CancelAllCancelsTheItemsOfItsOwnFormOnly) {
  TmVoxDMProtocolo *primeiro = Registro(5);
  TmVoxDMProtocolo *segundo = Registro(9);
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  ASSERT_TRUE(Pressionar(segundo, kAltF6));
  EXPECT_EQ(ItensCancelados(9), 3);
  EXPECT_EQ(Coluna("CANCELADO", 9).toString(), QStringLiteral("1"));
  EXPECT_EQ(ItensCancelados(5), 0);
  EXPECT_EQ(Coluna("CANCELADO", 5).toString(), QStringLiteral("0"));
  EXPECT_EQ(segundo->LbBaixado()->Caption(), QStringLiteral("Cancelado"));
  EXPECT_FALSE(primeiro->LbBaixado()->Visible());
  // A cancelled protocol is not asked again (no answer is queued).
  ASSERT_TRUE(Pressionar(segundo, kAltF6));
}

TEST_F(ProtocoloRegrasTeste, CancelAllDoesNothingWithoutItsItemsGridOnAWithdrawnProtocolOrWhenTheUserSaysNao) {
  TmVoxDMProtocolo *semForm = Registro(5, false);
  semForm->actCancelarTudo(nullptr);  // no question queued: asking would fail the test

  Baixar(9);
  TmVoxDMProtocolo *dm = Registro(5);
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  ASSERT_TRUE(Pressionar(dm, kAltF6));
  ASSERT_TRUE(dm->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 9));
  ASSERT_TRUE(Pressionar(dm, kAltF6));
  EXPECT_EQ(ItensCancelados(5) + ItensCancelados(9), 0);
  EXPECT_EQ(FDialogos->Textos(),
            QStringList{QStringLiteral("Tem certeza que deseja cancelar todos os ítens do protocolo?")});
}

// The label belongs to the form: once the form is gone the register keeps
// working and a new form gets a label of its own.
TEST_F(ProtocoloRegrasTeste, StatusLabelGoesAwayWithTheFormAndANewFormShowsItAgain) {
  Baixar(9);
  TmVoxDMProtocolo *dm = Registro(5);
  QPointer<TnPainel> label = dm->LbBaixado();
  delete dm->Form();
  EXPECT_TRUE(label.isNull());
  EXPECT_EQ(dm->LbBaixado(), nullptr);
  dm->nClientDataSet->Next();
  dm->actCancelarTudo(nullptr);
  dm->CriarForm();
  ASSERT_NE(dm->LbBaixado(), nullptr);
  EXPECT_EQ(dm->LbBaixado()->Caption(), QStringLiteral("Baixado"));
  EXPECT_TRUE(dm->LbBaixado()->Visible());
}

// --- the right, stale screens and protocols in use

TEST_F(ProtocoloRegrasTeste, WithoutTheRightAStoredProtocolCannotBeChangedOrDeletedWhateverTheWayIn) {
  nDMConexao()->SetCodigoUsuario(2);
  // Through the dataset itself, past the disabled editors.
  TmVoxDMProtocolo *dm = Registro(5, false);
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Mudada"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }),
            QStringLiteral("Não é permitido alterar protocolos já existentes, verifique seus direitos de acesso com o "
                           "Administrador do Sistema."));
  EXPECT_EQ(Coluna("OBSERVACAO", 5).toString(), QStringLiteral("Guias"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Delete(); }),
            QStringLiteral("Não é permitido excluir protocolos já existentes, verifique seus direitos de acesso com o "
                           "Administrador do Sistema."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 5")), 1);

  // A protocol the user makes stays theirs to change before leaving it.
  dm->nClientDataSet->Append();
  CampoDe(dm, "CODIGOEMPRESA")->SetAsInteger(2);
  CampoDe(dm, "CODIGOESTAB")->SetAsInteger(1);
  CampoDe(dm, "DATALCTOPRO")->SetAsDate(QDate(2026, 12, 1));
  ASSERT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), QString());
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Nova"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), QString());
  EXPECT_EQ(Coluna("OBSERVACAO", 10).toString(), QStringLiteral("Nova"));
}

TEST_F(ProtocoloRegrasTeste, AChangeFromAStaleScreenIsJudgedByTheProtocolAsStoredNow) {
  TmVoxDMProtocolo *dm = Registro(5, false);
  auto outro = OutraConexao();
  outro->Executar(QStringLiteral("update PROTOCOLO set DATAHORABAIXA = '2026-12-01 09:00:00' where CODIGOPROTOCOLO = 5"));
  outro->Executar(QStringLiteral("update PROTOCOLO set CANCELADO = '1' where CODIGOPROTOCOLO = 9"));
  outro.reset();
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Mudada"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), kBaixado);
  EXPECT_EQ(Coluna("OBSERVACAO", 5).toString(), QStringLiteral("Guias"));
  ASSERT_TRUE(dm->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 9));
  dm->nClientDataSet->Edit();
  CampoDe(dm, "OBSERVACAO")->SetAsString(QStringLiteral("Mudada"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Post(); }), QStringLiteral("Impossivel alterar protocolo cancelado!"));
  EXPECT_EQ(Coluna("OBSERVACAO", 9).toString(), QStringLiteral("Guias"));
}

TEST_F(ProtocoloRegrasTeste, AProtocolInUseCannotBeDeletedAndTheMessageNamesWhereItIsUsed) {
  TmVoxDMProtocolo *dm = Registro(9, false);
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Delete(); }),
            QStringLiteral("Este registro está em uso em Protocolo - Itens (PROTOCOLOITEM) e não pode ser excluído."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = 9")), 3);

  // Rows of other modules carrying the number keep it too.
  ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOITEM where CODIGOPROTOCOLO = 9"));
  for (const char *tabela : {"DEBITOFEDERAL", "SERVICONOTA", "CONTARECEBER"}) {
    SCOPED_TRACE(tabela);
    ExecutarSQLDireto(QStringLiteral("update %1 set CODIGOPROTOCOLO = 9").arg(QLatin1String(tabela)));
    ASSERT_GT(Contar(QLatin1String(tabela), QStringLiteral("CODIGOPROTOCOLO = 9")), 0);
    EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Delete(); }),
              QStringLiteral("Este registro está em uso em %1 e não pode ser excluído.").arg(QLatin1String(tabela)));
    ExecutarSQLDireto(QStringLiteral("update %1 set CODIGOPROTOCOLO = null").arg(QLatin1String(tabela)));
  }
  // So does a document movement made with the protocol.
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                   "CODIGOESTAB, DATALCTOPRO) values (300, 1, 2, 1, '2026-12-05')"));
  ExecutarSQLDireto(QStringLiteral(
      "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, CODIGOPROTOCOLO) values (300, 1, 9)"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Delete(); }),
            QStringLiteral("Este registro está em uso em Documento - Movimentação (PROTOCOLODOCMOVIMENTO) e não pode "
                           "ser excluído."));
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = null"));
  EXPECT_EQ(ErroDe([&] { dm->nClientDataSet->Delete(); }), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO = 9")), 0);
}

}  // namespace
