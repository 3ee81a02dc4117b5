#include <QScopeGuard>
#include <algorithm>

#include "mVoxPkTeste_U.h"
#include "nDefinicao_U.h"
#include "nDialogosTeste_U.h"
#include "nFraGrupoSeparador_U.h"
#include "nFrmCadastro_U.h"
#include "nModulos_U.h"
#include "nPainel_U.h"

// The establishment configuration register and its lookup on the sample
// office: (1,1) group 2 picked up, (2,1) group 1 over the Internet, (2,2)
// group 1 by hand at another address; (2,3) and (3,1) have none.

namespace {

class CfgEstabProTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FDM = Criar(QStringLiteral("TmVoxDMCfgEstabPro"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QString::fromLatin1(nome)); }
  void NovaFilial(int empresa, int estab, int grupo) {
    Dados().Append();
    Campo("CODIGOEMPRESA")->SetAsInteger(empresa);
    Campo("CODIGOESTAB")->SetAsInteger(estab);
    Campo("CODIGOGRUPODOC")->SetAsInteger(grupo);
  }
  QVariant Gravado(const char *coluna, int empresa, int estab) {
    return Valor(QStringLiteral("select %1 from CFGESTABPRO where CODIGOEMPRESA = :empresa and CODIGOESTAB = :estab")
                     .arg(QString::fromLatin1(coluna)),
                 {empresa, estab});
  }

  TnDefinicao &MesmoEndereco() { return Campo("MESMOENDERECOENT")->Definicao(); }
  bool MesmoEnderecoExigido() { return Campo("MESMOENDERECOENT")->Required(); }

  TnDMClientDataSet *FDM = nullptr;
};

// Installs a modal hook for one test, counting the forms shown, and puts the
// previous hook back.
class TnModalTeste {
 public:
  explicit TnModalTeste(std::function<void(TnFrmVisual &)> hook)
      : FAnterior(nSetExecutarFormModal([this, hook](TnFrmVisual &form) {
          ++Exibicoes;
          hook(form);
        })) {}
  ~TnModalTeste() { nSetExecutarFormModal(FAnterior); }
  int Exibicoes = 0;

 private:
  TnExecutarFormModal FAnterior;
};

int EnderecosVivos() {
  return static_cast<int>(TnRegistro::Instancia().Instancias(QStringLiteral("TmVoxDMEstabEntrega")).size());
}

TEST_F(CfgEstabProTeste, NewConfigurationDefaultsToDeliveredByHandAtOwnAddress) {
  NovaFilial(2, 3, 2);
  Dados().Post();
  EXPECT_EQ(Gravado("CODIGOGRUPODOC", 2, 3).toInt(), 2);
  EXPECT_EQ(Gravado("FORMAENTREGA", 2, 3).toString(), QStringLiteral("2"));
  EXPECT_EQ(Gravado("MESMOENDERECOENT", 2, 3).toString(), QStringLiteral("1"));
}

TEST_F(CfgEstabProTeste, EveryColumnIsRequired) {
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC", "FORMAENTREGA", "MESMOENDERECOENT"}) {
    SCOPED_TRACE(nome);
    NovaFilial(2, 3, 2);
    Campo(nome)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }),
              QStringLiteral("O campo %1 deve ser informado.").arg(Campo(nome)->DisplayLabel()));
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO")), 3);
}

TEST_F(CfgEstabProTeste, DeliveryChoicesAreShownAndTypedByTheirCaptions) {
  NovaFilial(2, 3, 1);
  EXPECT_EQ(Campo("FORMAENTREGA")->DisplayText(), QStringLiteral("Entregue em Mãos"));
  EXPECT_EQ(Campo("MESMOENDERECOENT")->DisplayText(), QStringLiteral("Sim"));
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Entregue via Internet"));
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Não"));
  Dados().Post();
  EXPECT_EQ(Gravado("FORMAENTREGA", 2, 3).toString(), QStringLiteral("3"));
  EXPECT_EQ(Gravado("MESMOENDERECOENT", 2, 3).toString(), QStringLiteral("0"));
}

TEST_F(CfgEstabProTeste, EditingAConfigurationRewritesItsRowButNeverItsEstablishment) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 1}));
  Dados().Edit();
  Campo("CODIGOGRUPODOC")->SetAsInteger(2);
  Campo("FORMAENTREGA")->SetAsString(QStringLiteral("1"));
  Dados().Post();
  EXPECT_EQ(Gravado("CODIGOGRUPODOC", 2, 1).toInt(), 2);
  EXPECT_EQ(Gravado("FORMAENTREGA", 2, 1).toString(), QStringLiteral("1"));

  Dados().Edit();
  Campo("CODIGOESTAB")->SetAsInteger(3);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("Não é permitido alterar a chave do registro."));
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 3")), 0);
}

// --- the same-address flag

TEST_F(CfgEstabProTeste, SameAddressFlagIsEnabledAndRequiredOnlyForDeliveryByHandTypedAsText) {
  // Moving between stored rows applies the rule of each one.
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 2}));
  EXPECT_TRUE(MesmoEndereco().Enabled());
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 1}));
  EXPECT_FALSE(MesmoEndereco().Enabled());

  // A new row starts by hand, so the flag opens even coming from a row
  // where it was closed.
  NovaFilial(2, 3, 1);
  EXPECT_TRUE(MesmoEndereco().Enabled());
  EXPECT_TRUE(MesmoEnderecoExigido());

  Campo("FORMAENTREGA")->SetText(QStringLiteral("Retirado"));
  EXPECT_FALSE(MesmoEndereco().Enabled());
  EXPECT_FALSE(MesmoEnderecoExigido());
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Entregue em Mãos"));
  EXPECT_TRUE(MesmoEndereco().Enabled());
  EXPECT_TRUE(MesmoEnderecoExigido());
  Campo("MESMOENDERECOENT")->Clear();
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo Mesmo Endereço deve ser informado."));

  // Not by hand: the flag is not asked for and keeps its default.
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Sim"));
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Entregue via Internet"));
  EXPECT_FALSE(MesmoEndereco().Enabled());
  EXPECT_FALSE(MesmoEnderecoExigido());
  Dados().Post();
  EXPECT_EQ(Gravado("MESMOENDERECOENT", 2, 3).toString(), QStringLiteral("1"));
}

TEST_F(CfgEstabProTeste, SameAddressFlagFollowsTheDeliveryFormPickedInTheCombo) {
  TnFrmVisual *form = FDM->CriarForm();
  auto *cadastro = dynamic_cast<TnFrmCadastro *>(form);
  ASSERT_NE(cadastro, nullptr);
  TnEditorCampo *forma = cadastro->Editor(QStringLiteral("FORMAENTREGA"));
  TnEditorCampo *mesmo = cadastro->Editor(QStringLiteral("MESMOENDERECOENT"));
  ASSERT_NE(forma, nullptr);
  ASSERT_NE(mesmo, nullptr);
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 2}));
  ASSERT_TRUE(mesmo->Enabled());

  // The combo hands over the value of the chosen caption.
  ASSERT_TRUE(forma->Digitar(QStringLiteral("1")));
  EXPECT_FALSE(mesmo->Enabled());
  EXPECT_FALSE(MesmoEnderecoExigido());
  ASSERT_TRUE(forma->Digitar(QStringLiteral("2")));
  EXPECT_TRUE(mesmo->Enabled());
  EXPECT_TRUE(MesmoEnderecoExigido());

  // A change reported by the definition alone runs the rule too.
  Campo("FORMAENTREGA")->SetAsString(QStringLiteral("3"));
  Campo("FORMAENTREGA")->Definicao().Change();
  EXPECT_FALSE(mesmo->Enabled());
  Dados().Cancel();
  EXPECT_TRUE(mesmo->Enabled());
}

// --- one configuration per establishment; no deletion

TEST_F(CfgEstabProTeste, SecondConfigurationOfAnEstablishmentIsRefusedAndStaysInEdit) {
  NovaFilial(2, 1, 2);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }),
            QStringLiteral("Já existe configuração cadastrada para este estabelecimento."));
  EXPECT_EQ(Dados().State(), TnDataSetState::Insert);
  EXPECT_EQ(Gravado("CODIGOGRUPODOC", 2, 1).toInt(), 1);
  // Another establishment of the same company is free.
  Campo("CODIGOESTAB")->SetAsInteger(3);
  Dados().Post();
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO")), 4);
}

TEST_F(CfgEstabProTeste, DeletingIsVetoedSilently) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 1}));
  EXPECT_THROW(Dados().Delete(), EAbort);

  // From the form: the user confirms, and hears nothing more.
  TnDialogosTeste dialogos;
  dialogos->ResponderTexto(QStringLiteral("Sim"));
  TnFrmVisual *form = FDM->CriarForm();
  EXPECT_FALSE(form->ExecutarAction(QStringLiteral("actDataSetDelete")));
  EXPECT_EQ(dialogos->Textos(), QStringList{QStringLiteral("Confirma a exclusão do registro?")});
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO")), 3);
  EXPECT_EQ(Dados().RecordCount(), 3);
}

// --- the delivery address after saving

TEST_F(CfgEstabProTeste, DeliveryByHandElsewhereOpensTheAddressRegisterOnceForTheNewAddress) {
  TnModalTeste modal([](TnFrmVisual &form) {
    auto *cadastro = dynamic_cast<TnFrmCadastro *>(&form);
    ASSERT_NE(cadastro, nullptr);
    auto *endereco = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
    ASSERT_NE(endereco, nullptr);
    EXPECT_EQ(endereco->ClassName(), QStringLiteral("TmVoxDMEstabEntrega"));
    EXPECT_TRUE(cadastro->EntradaUnica());
    // The key is the establishment's, filled in and not shown.
    EXPECT_EQ(cadastro->Editor(QStringLiteral("CODIGOEMPRESA")), nullptr);
    EXPECT_EQ(cadastro->Editor(QStringLiteral("CODIGOESTAB")), nullptr);
    TnClientDataSet &dados = *endereco->nClientDataSet;
    EXPECT_EQ(dados.State(), TnDataSetState::Insert);
    EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger(), 2);
    EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger(), 3);
    for (const auto &[nome, texto] :
         {std::pair{"LOGRADENTREGA", "Rua"}, std::pair{"ENDERECOENTREGA", "Sorocaba"},
          std::pair{"NUMENDERENTREGA", "464"}, std::pair{"SIGLAESTADO", "RJ"}, std::pair{"CODIGOMUNIC", "1"}}) {
      TnEditorCampo *editor = cadastro->Editor(QString::fromLatin1(nome));
      ASSERT_NE(editor, nullptr) << nome;
      EXPECT_TRUE(editor->Digitar(QString::fromUtf8(texto))) << nome;
    }
    EXPECT_TRUE(form.ExecutarAction(QStringLiteral("actDataSetPost")));
    EXPECT_EQ(form.ModalResult(), mrOk);
  });
  NovaFilial(2, 3, 1);
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Não"));
  Dados().Post();
  EXPECT_EQ(modal.Exibicoes, 1);
  EXPECT_EQ(Contar(QStringLiteral("ESTABENTREGA"),
                   QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 3 and ENDERECOENTREGA = 'Sorocaba'")),
            1);
  EXPECT_EQ(EnderecosVivos(), 0);

  // With the address in place, saving again asks nothing.
  Dados().Edit();
  Campo("CODIGOGRUPODOC")->SetAsInteger(2);
  Dados().Post();
  EXPECT_EQ(modal.Exibicoes, 1);
}

TEST_F(CfgEstabProTeste, NoAddressIsAskedForUnlessDeliveredByHandElsewhere) {
  TnModalTeste modal([](TnFrmVisual &form) { form.Fechar(mrCancel); });
  // By hand at its own address; then picked up with the flag at "Não".
  NovaFilial(2, 3, 1);
  Dados().Post();
  Dados().Edit();
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Retirado"));
  Campo("MESMOENDERECOENT")->SetAsString(QStringLiteral("0"));
  Dados().Post();
  // An establishment that already has an address, though no configuration.
  ExecutarSQLDireto(QStringLiteral(
      "insert into ESTABENTREGA (CODIGOEMPRESA, CODIGOESTAB, LOGRADENTREGA, ENDERECOENTREGA, NUMENDERENTREGA, "
      "SIGLAESTADO, CODIGOMUNIC) values (3, 1, 'Rua', 'Harmonia', 12, 'SP', 1)"));
  NovaFilial(3, 1, 1);
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Não"));
  Dados().Post();
  EXPECT_EQ(Gravado("MESMOENDERECOENT", 3, 1).toString(), QStringLiteral("0"));
  EXPECT_EQ(modal.Exibicoes, 0);
}

TEST_F(CfgEstabProTeste, AddressRegisterIsFreedWhenItsDialogIsCancelledOrRaises) {
  bool falhar = false;
  TnModalTeste modal([&](TnFrmVisual &form) {
    ASSERT_EQ(EnderecosVivos(), 1);
    if (falhar) throw Exception(QStringLiteral("Falha no diálogo do endereço."));
    EXPECT_TRUE(form.ExecutarAction(QStringLiteral("actDataSetCancel")));
  });
  NovaFilial(2, 3, 1);
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Não"));
  Dados().Post();
  EXPECT_EQ(modal.Exibicoes, 1);
  EXPECT_EQ(EnderecosVivos(), 0);
  EXPECT_EQ(Contar(QStringLiteral("ESTABENTREGA"), QStringLiteral("CODIGOESTAB = 3")), 0);

  // Still no address: the next save asks again; the failure reaches the
  // caller with the configuration saved and nothing left behind.
  falhar = true;
  Dados().Edit();
  Campo("CODIGOGRUPODOC")->SetAsInteger(2);
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("Falha no diálogo do endereço."));
  EXPECT_EQ(modal.Exibicoes, 2);
  EXPECT_EQ(EnderecosVivos(), 0);
  EXPECT_EQ(Dados().State(), TnDataSetState::Browse);
  EXPECT_EQ(Gravado("CODIGOGRUPODOC", 2, 3).toInt(), 2);
}

// --- the form

TEST_F(CfgEstabProTeste, FormShowsItsEditorsUnderTwoGroupHeaders) {
  auto *form = dynamic_cast<TnFrmCadastro *>(FDM->CriarForm());
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(FDM->AtualizarAoExibir());
  // Every control of the field area, top to bottom.
  QList<TnPainel *> paineis = form->AreaCampos()->Filhos();
  std::sort(paineis.begin(), paineis.end(), [](TnPainel *a, TnPainel *b) { return a->Top() < b->Top(); });
  QStringList ordem;
  for (TnPainel *painel : paineis) ordem << painel->Caption();
  // The names of the company, establishment and group stand beside their
  // codes, not in rows of their own.
  EXPECT_EQ(ordem,
            (QStringList{Campo("CODIGOEMPRESA")->DisplayLabel(), Campo("CODIGOESTAB")->DisplayLabel(),
                         QStringLiteral("Configuração do Grupo do Tipo de Documento"),
                         Campo("CODIGOGRUPODOC")->DisplayLabel(), QStringLiteral("Configuração da Entrega"),
                         QStringLiteral("Forma"), QStringLiteral("Mesmo Endereço")}));
  // No two controls overlap, and the area holds them all.
  for (qsizetype i = 1; i < paineis.size(); ++i)
    EXPECT_GE(paineis[i]->Top(), paineis[i - 1]->Top() + paineis[i - 1]->Height()) << ordem[i].toStdString();
  EXPECT_GE(form->AreaCampos()->Height(), paineis.last()->Top() + paineis.last()->Height());
  // The headers are not editors.
  EXPECT_EQ(form->Editores().size() + 2, paineis.size());
  ASSERT_EQ(form->GruposSeparadores().size(), 2);
  EXPECT_EQ(form->GruposSeparadores()[0]->CampoSeguinte(), QStringLiteral("CODIGOGRUPODOC"));
}

TEST_F(CfgEstabProTeste, CompanyIsHiddenInsideTheSuitesBaseModule) {
  EXPECT_TRUE(Campo("CODIGOEMPRESA")->Visible());
  SetModuloAtual(nModuloRTul);
  const auto restaurar = qScopeGuard([] { SetModuloAtual(nModuloMVox); });
  TnDMClientDataSet *dm = Criar(QStringLiteral("TmVoxDMCfgEstabPro"));
  ASSERT_NE(dm, nullptr);
  EXPECT_FALSE(dm->nClientDataSet->FieldByName(QStringLiteral("CODIGOEMPRESA"))->Visible());
}

TEST_F(CfgEstabProTeste, LookupOpensOnItsStatementInEstablishmentOrder) {
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCCfgEstabPro"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  EXPECT_FALSE(dados.nLogChanges());
  ASSERT_EQ(dados.RecordCount(), 3);
  QStringList linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    linhas << dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString() + u'/' +
                  dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsString() + u':' +
                  dados.FieldByName(QStringLiteral("CODIGOGRUPODOC"))->AsString();
  EXPECT_EQ(linhas, (QStringList{QStringLiteral("1/1:2"), QStringLiteral("2/1:1"), QStringLiteral("2/2:1")}));
}

}  // namespace
