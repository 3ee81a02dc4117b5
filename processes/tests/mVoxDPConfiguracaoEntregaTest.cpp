// The delivery configuration of many establishments on the sample office:
// establishments 1/1, 2/1, 2/2, 2/3 and 3/1; stored configurations of 1/1
// (group 2, "Retirado"), 2/1 (group 1, "Entregue via Internet") and 2/2
// (group 1, by hand at another address, which 2/2 has).
#include <QScopeGuard>
#include <functional>
#include <memory>

#include "mVoxDPConfiguracaoEntrega_U.h"
#include "mVoxPkTeste_U.h"
#include "nActionList_U.h"
#include "nAction_U.h"
#include "nDBGrid_U.h"
#include "nDialogosTeste_U.h"
#include "nEditorCampo_U.h"
#include "nFraProgresso_U.h"
#include "nFrmCadastro_U.h"
#include "nFrmPowerParam_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nModalTeste_U.h"
#include "nModulos_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

const QString kConfirmacao = QStringLiteral("Deseja realmente excluir as configurações antigas e gravar as novas?");
const QString kSucesso = QStringLiteral("Configuração gravada com sucesso!");
const QString kPergunta = QStringLiteral("O endereço de entrega dos protocolos é o mesmo da filial?");
const QString kAviso =
    QStringLiteral("Atenção! Após a geração você terá que cadastrar o novo endereço para entrega dos protocolos.");
const QString kDialogo = QStringLiteral("Informe as configurações!");

class ConfiguracaoEntregaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FProcesso = dynamic_cast<TmVoxDPConfiguracaoEntrega *>(CriarDM(QStringLiteral("TmVoxDPConfiguracaoEntrega")));
    ASSERT_NE(FProcesso, nullptr);
    // Messages with one button are answered and recorded.
    FDialogos->SetAceitarMensagens(true);
  }
  QString Executar(const QString &empresas = QString(), const QString &estabs = QString()) {
    FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(empresas);
    FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoEstab"))->SetAsString(estabs);
    return ErroDe([&] { FProcesso->ExecutarProcesso(); });
  }
  TnClientDataSet &Grid() { return FProcesso->nClientDataSet(); }
  TnField *Campo(const char *nome) { return Grid().FieldByName(QLatin1String(nome)); }
  // "company|establishment|group|form|same address", in the grid's order.
  QStringList Tela() {
    return Linhas(Grid(), {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC", "FORMAENTREGA", "MESMOENDERECOENT"});
  }
  QStringList Gravados() {
    auto dados =
        ExecutarSQL(QStringLiteral("select CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, FORMAENTREGA, "
                                   "MESMOENDERECOENT from CFGESTABPRO order by CODIGOEMPRESA, CODIGOESTAB"));
    return Linhas(*dados, {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC", "FORMAENTREGA", "MESMOENDERECOENT"});
  }
  bool Ir(int empresa, int estab) {
    return Grid().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{empresa, estab});
  }
  // Queues the dialog's answer: the group and the delivery form typed, OK.
  void Dialogo(const QString &grupo, const QString &forma) {
    FDialogos->ResponderCampos(
        {{QStringLiteral("Grupo Tipo Doc"), grupo}, {QStringLiteral("Forma de Entrega"), forma}});
  }
  QString Gravar() {
    FDialogos->ResponderTexto(QStringLiteral("Sim"));
    return ErroDe([&] { FProcesso->actGravarExecute(nullptr); });
  }
  static int EnderecosVivos() {
    return static_cast<int>(TnRegistro::Instancia().Instancias(QStringLiteral("TmVoxDMEstabEntrega")).size());
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TmVoxDPConfiguracaoEntrega *FProcesso = nullptr;
};

TEST_F(ConfiguracaoEntregaTeste, OfferedUnderClientRegistersWithTwoSelections) {
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloMVox});
  const QList<TnAction *> actions = lista.FindAll(QStringLiteral("actTmVoxDPConfiguracaoEntrega"));
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->Category(), QStringLiteral("01 Cadastros\\01 Clientes"));
  EXPECT_EQ(actions[0]->Caption(), QStringLiteral("Configurar Forma Entrega"));
  EXPECT_EQ(actions[0]->Index(), 2);
  EXPECT_FALSE(actions[0]->Separador());
  EXPECT_TRUE(actions[0]->CriarHTTP());
  TnActionList outra;
  nGerarActions(outra, nullptr, TnModulos{nModuloRTul});
  EXPECT_TRUE(outra.FindAll(QStringLiteral("actTmVoxDPConfiguracaoEntrega")).isEmpty());

  const TnpqParamItem *empresa = FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"));
  const TnpqParamItem *estab = FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoEstab"));
  EXPECT_EQ(empresa->Caption(), QStringLiteral("Empresa"));
  EXPECT_EQ(estab->Caption(), QStringLiteral("Filial"));
  EXPECT_EQ(estab->Hint(), QStringLiteral("Informe o código da filial"));
  EXPECT_TRUE(empresa->MultiSelecao() && estab->MultiSelecao());
  EXPECT_FALSE(empresa->Obrigatorio() || estab->Obrigatorio());
  EXPECT_FALSE(Executar(QStringLiteral("1; drop table CFGESTABPRO")).isEmpty());
  EXPECT_EQ(Gravados().size(), 3);
}

TEST_F(ConfiguracaoEntregaTeste, RunListsTheSelectionWithEmptyConfigurationAndTheNames) {
  ASSERT_EQ(Executar(), QString());
  EXPECT_EQ(Tela(), (QStringList{"1|1|||", "2|1|||", "2|2|||", "2|3|||", "3|1|||"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_EQ(Grid().RecNo(), 1);
  EXPECT_EQ(Grid().FieldByName(QStringLiteral("NomeEmpresa"))->AsString(),
            QStringLiteral("Organização Contábil Exemplo Ltda"));
  EXPECT_EQ(Campo("FORMAENTREGA")->DisplayLabel(), QStringLiteral("Forma Entrega"));
  EXPECT_EQ(Campo("MESMOENDERECOENT")->DisplayLabel(), QStringLiteral("Mesmo Endereço"));

  ASSERT_EQ(Executar(QStringLiteral("2"), QStringLiteral("2-3")), QString());
  EXPECT_EQ(Tela(), (QStringList{"2|2|||", "2|3|||"}));
}

TEST_F(ConfiguracaoEntregaTeste, ComboColumnsShowNamesAndKeepValues) {
  ASSERT_EQ(Executar(QStringLiteral("2"), QStringLiteral("3")), QString());
  Grid().Edit();
  Campo("FORMAENTREGA")->SetText(QStringLiteral("Entregue em Mãos"));
  Campo("MESMOENDERECOENT")->SetText(QStringLiteral("Não"));
  Grid().Post();
  EXPECT_EQ(Campo("FORMAENTREGA")->AsString(), QStringLiteral("2"));
  EXPECT_EQ(Campo("FORMAENTREGA")->DisplayText(), QStringLiteral("Entregue em Mãos"));
  EXPECT_EQ(Campo("MESMOENDERECOENT")->AsString(), QStringLiteral("0"));
  EXPECT_TRUE(FProcesso->TemAlteracao());
}

TEST_F(ConfiguracaoEntregaTeste, SaveReplacesEveryListedEstablishmentAndEmptyRowsLoseTheirConfiguration) {
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  ASSERT_TRUE(Ir(2, 3));
  Dialogo(QStringLiteral("2"), QStringLiteral("1"));
  FProcesso->actConfig(nullptr);
  EXPECT_EQ(Tela(), (QStringList{"2|1|||", "2|2|||", "2|3|2|1|0"}));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kDialogo, kConfirmacao, kSucesso}));
  // 2/1 and 2/2 were listed and left empty: their configuration is gone; 1/1
  // was not listed and keeps its own.
  EXPECT_EQ(Gravados(), (QStringList{"1|1|2|1|1", "2|3|2|1|0"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_EQ(Tela(), (QStringList{"2|1|||", "2|2|||", "2|3|2|1|0"}));
  // A new run shows empty configuration columns again.
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  EXPECT_EQ(Tela(), (QStringList{"2|1|||", "2|2|||", "2|3|||"}));
}

TEST_F(ConfiguracaoEntregaTeste, RowTakenOutOfTheGridKeepsItsConfigurationAndAnEmptyGridWritesNothing) {
  ASSERT_EQ(Executar(QStringLiteral("1-2")), QString());
  ASSERT_TRUE(Ir(1, 1));
  Grid().Delete();
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Gravados(), (QStringList{"1|1|2|1|1"}));

  ASSERT_EQ(Executar(QStringLiteral("9")), QString());
  EXPECT_TRUE(Grid().IsEmpty());
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(Gravados(), (QStringList{"1|1|2|1|1"}));
}

TEST_F(ConfiguracaoEntregaTeste, PartlyFilledRowStopsTheSaveOnThatRowBeforeAnyTransaction) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_EQ(Executar(), QString());
  ASSERT_TRUE(Ir(2, 2));
  Grid().Edit();
  Campo("CODIGOGRUPODOC")->SetAsInteger(1);
  Grid().Post();
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kConfirmacao, "Preencha o campo Forma Entrega"}));
  EXPECT_EQ(FDialogos->Perguntas().last().TipoMensagem, TMsgDlgType::mtWarning);
  EXPECT_EQ(Gravados().size(), 3);
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_EQ(Grid().RecNo(), 3);
  EXPECT_EQ(form->DBGrid()->SelectedField(), Campo("FORMAENTREGA"));
  EXPECT_FALSE(Grid().ControlsDisabled());
  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_EQ(FProcesso->Progresso(), nullptr);
}

TEST_F(ConfiguracaoEntregaTeste, ConfigureAllFromTheSelectedRowDownAndComeBackToIt) {
  ASSERT_EQ(Executar(), QString());
  Grid().SetRecNo(3);
  Dialogo(QStringLiteral("1"), QStringLiteral("3"));
  FProcesso->actConfigAll(nullptr);
  EXPECT_EQ(Tela(), (QStringList{"1|1|||", "2|1|||", "2|2|1|3|0", "2|3|1|3|0", "3|1|1|3|0"}));
  EXPECT_EQ(Grid().RecNo(), 3);
  EXPECT_FALSE(Grid().ControlsDisabled());

  // Ordered by a configuration column, the rows after the selected one are
  // those shown after it before any changed.
  Grid().SetIndexFieldNames(QStringLiteral("FORMAENTREGA"));
  Grid().First();
  Dialogo(QStringLiteral("2"), QStringLiteral("1"));
  FProcesso->actConfigAll(nullptr);
  EXPECT_EQ(Linhas(Grid(), {"CODIGOGRUPODOC", "FORMAENTREGA"}), (QStringList(5, "2|1")));
}

TEST_F(ConfiguracaoEntregaTeste, HandDeliveryAtAnotherAddressOpensTheAddressRegisterOnceSaved) {
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  ASSERT_TRUE(Ir(2, 3));
  Dialogo(QStringLiteral("1"), QStringLiteral("2"));
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  FProcesso->actConfig(nullptr);
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kDialogo, kPergunta}));
  EXPECT_EQ(Tela().last(), QStringLiteral("2|3|1|2|0"));
  EXPECT_EQ(EnderecosVivos(), 0);

  QStringList vistos;
  const TnModalTeste modal([&](TnFrmVisual &form) {
    auto *endereco = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
    auto *cadastro = dynamic_cast<TnFrmCadastro *>(&form);
    ASSERT_TRUE(endereco && cadastro);
    const TnClientDataSet &dados = *endereco->nClientDataSet;
    vistos << endereco->ClassName() + u'|' + endereco->Modo() + u'|' +
                  dados.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsString() + u'|' +
                  dados.FieldByName(QStringLiteral("CODIGOESTAB"))->AsString();
    EXPECT_TRUE(cadastro->EntradaUnica());
    EXPECT_EQ(cadastro->Editor(QStringLiteral("CODIGOEMPRESA")), nullptr);
    EXPECT_EQ(dados.State(), TnDataSetState::Insert);
    // The configuration is stored when the register opens, so the register
    // takes the address.
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
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(vistos, (QStringList{"TmVoxDMEstabEntrega|Individual|2|3"}));
  EXPECT_EQ(Contar(QStringLiteral("ESTABENTREGA"),
                   QStringLiteral("CODIGOEMPRESA = 2 and CODIGOESTAB = 3 and ENDERECOENTREGA = 'Sorocaba'")),
            1);
  EXPECT_EQ(EnderecosVivos(), 0);
  EXPECT_TRUE(FProcesso->EnderecosPedidos().isEmpty());
}

TEST_F(ConfiguracaoEntregaTeste, AllRowsOnlyWarnAndAnotherFormKeepsTheLastAnswer) {
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  Dialogo(QStringLiteral("1"), QStringLiteral("2"));
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  FProcesso->actConfigAll(nullptr);
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kDialogo, kPergunta, kAviso}));
  EXPECT_TRUE(FProcesso->EnderecosPedidos().isEmpty());

  // Form 1 asks nothing and stores the last answer, "Não".
  Grid().First();
  Dialogo(QStringLiteral("1"), QStringLiteral("1"));
  FProcesso->actConfig(nullptr);
  EXPECT_EQ(Tela().first(), QStringLiteral("2|1|1|1|0"));

  // Nothing opens after a save of rows configured for all.
  int abertos = 0;
  const TnModalTeste modal([&](TnFrmVisual &form) {
    ++abertos;
    form.Fechar(mrCancel);
  });
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(abertos, 0);
}

TEST_F(ConfiguracaoEntregaTeste, CancelledDialogChangesNothing) {
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  FDialogos->Cancelar();
  FProcesso->actConfig(nullptr);
  EXPECT_EQ(Tela().first(), QStringLiteral("2|1|||"));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

// --- the mends

TEST_F(ConfiguracaoEntregaTeste, DialogWithoutGroupIsCaughtByTheRowCheck) {
  ASSERT_EQ(Executar(QStringLiteral("2"), QStringLiteral("3")), QString());
  Dialogo(QString(), QStringLiteral("1"));
  FProcesso->actConfig(nullptr);
  EXPECT_EQ(Tela(), (QStringList{"2|3||1|0"}));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos().last(), QStringLiteral("Preencha o campo Grupo Documento"));
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOGRUPODOC = 0")), 0);
  EXPECT_EQ(Gravados().size(), 3);
}

TEST_F(ConfiguracaoEntregaTeste, ConfiguredRowWithoutItsKeyIsNeverStoredAsZero) {
  ASSERT_EQ(Executar(QStringLiteral("2"), QStringLiteral("3")), QString());
  Grid().Append();
  Campo("CODIGOESTAB")->SetAsInteger(4);
  Grid().Post();
  Dialogo(QStringLiteral("1"), QStringLiteral("1"));
  FProcesso->actConfig(nullptr);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos().last(), QStringLiteral("Preencha o campo Empresa"));
  EXPECT_EQ(Gravados().size(), 3);

  // The statements themselves bind an empty key as null: the database
  // refuses the row instead of storing company 0.
  FProcesso->PrepararSQL();
  Conexao().StartTransaction();
  EXPECT_FALSE(ErroDe([&] { FProcesso->InserirConfiguracao(); }).isEmpty());
  Conexao().RollBack();
  EXPECT_EQ(Contar(QStringLiteral("CFGESTABPRO"), QStringLiteral("CODIGOEMPRESA = 0")), 0);
}

TEST_F(ConfiguracaoEntregaTeste, DatabaseErrorOnALaterRowKeepsEveryFormerConfiguration) {
  ASSERT_EQ(Executar(QStringLiteral("1-2")), QString());
  Grid().First();
  Dialogo(QStringLiteral("1"), QStringLiteral("3"));
  FProcesso->actConfigAll(nullptr);
  // The last row holds a form the column cannot take.
  Grid().Last();
  Grid().Edit();
  Campo("FORMAENTREGA")->SetAsString(QStringLiteral("12"));
  Grid().Post();
  const QString erro = Gravar();
  EXPECT_TRUE(erro.startsWith(nPrefixoOperacaoCancelada())) << erro.toStdString();
  EXPECT_TRUE(erro.contains(QStringLiteral("FORMAENTREGA"))) << erro.toStdString();
  EXPECT_EQ(Gravados(), (QStringList{"1|1|2|1|1", "2|1|1|3|1", "2|2|1|2|0"}));
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Grid().ControlsDisabled());
}

// --- the grid's buttons, keys and the page change

TEST_F(ConfiguracaoEntregaTeste, LookupButtonsFillTheRowAndTheEstablishmentNeedsTheCompany) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_EQ(Executar(QStringLiteral("9")), QString());
  TnDBGridEh *grid = form->DBGrid();
  int abertos = 0;
  const TnModalTeste modal([&](TnFrmVisual &lookup) {
    ++abertos;
    auto *dm = dynamic_cast<TnDMClientDataSet *>(lookup.DataModule());
    dm->nClientDataSet->Last();
    lookup.Fechar(mrOk);
  });
  grid->Inserir();
  grid->SetSelectedField(Campo("CODIGOESTAB"));
  EXPECT_TRUE(grid->EditButtonClick());
  EXPECT_EQ(abertos, 0);
  EXPECT_TRUE(Campo("CODIGOESTAB")->IsNull());

  grid->SetSelectedField(Campo("CODIGOEMPRESA"));
  grid->EditButtonClick();
  EXPECT_EQ(Campo("CODIGOEMPRESA")->AsInteger(), 3);
  grid->SetSelectedField(Campo("CODIGOESTAB"));
  grid->EditButtonClick();
  EXPECT_EQ(Campo("CODIGOESTAB")->AsInteger(), 1);
  grid->SetSelectedField(Campo("CODIGOGRUPODOC"));
  grid->EditButtonClick();
  EXPECT_EQ(Campo("CODIGOGRUPODOC")->AsInteger(), 2);
  EXPECT_EQ(abertos, 3);
}

TEST_F(ConfiguracaoEntregaTeste, ScreenHasItsTabPopupAndButtonsAndEnterWalksTheColumns) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_EQ(form->PageCount(), 2);
  EXPECT_EQ(form->Pagina(1)->Caption(), QStringLiteral("Configuração da Forma de Entrega do Documento"));
  ASSERT_NE(FProcesso->BtnConfig(), nullptr);
  EXPECT_EQ(FProcesso->BtnConfig()->Caption(), QStringLiteral("Cofiguracoes"));
  EXPECT_EQ(FProcesso->BtnConfig()->ShortCutStr(), QStringLiteral("Ctrl+T"));
  EXPECT_EQ(FProcesso->BtnConfigAll()->ShortCutStr(), QStringLiteral("Ctrl+Ins"));
  TnDBGridEh *grid = form->DBGrid();
  ASSERT_EQ(grid->ItensPopup().size(), 2);
  EXPECT_EQ(grid->ItensPopup()[1]->Caption(), QStringLiteral("Configurar Grupo de Documentos/Forma Entrega (Todos)"));
  EXPECT_TRUE(grid->Coluna(QStringLiteral("NomeEmpresa"))->ReadOnly);
  EXPECT_TRUE(grid->ColunaEditavel(grid->IndiceColuna(QStringLiteral("CODIGOEMPRESA"))));

  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  grid->SetSelectedField(Campo("CODIGOEMPRESA"));
  grid->PressionarTecla(nTeclaEnter);
  EXPECT_EQ(grid->SelectedField(), Campo("CODIGOESTAB"));

  // Ctrl+T through the form's keyboard opens the dialog on the selected row.
  Dialogo(QStringLiteral("2"), QStringLiteral("3"));
  EXPECT_TRUE(form->PressionarAtalho(QKeyCombination(Qt::ControlModifier, Qt::Key_T)));
  EXPECT_EQ(Tela().first(), QStringLiteral("2|1|2|3|0"));

  // A title click orders the grid by that column.
  grid->TitleClick(grid->IndiceColuna(QStringLiteral("CODIGOESTAB")));
  EXPECT_EQ(Grid().IndexFieldNames(), QStringLiteral("CODIGOESTAB"));
}

TEST_F(ConfiguracaoEntregaTeste, CancelarReloadsUnlessTheGridsTabWasLeft) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  Dialogo(QStringLiteral("2"), QStringLiteral("3"));
  FProcesso->actConfig(nullptr);
  FProcesso->actCancelarExecute(nullptr);
  EXPECT_EQ(Tela().first(), QStringLiteral("2|1|||"));
  EXPECT_FALSE(FProcesso->TemAlteracao());

  Dialogo(QStringLiteral("2"), QStringLiteral("3"));
  FProcesso->actConfig(nullptr);
  ASSERT_TRUE(form->SetPaginaAtiva(1));
  ASSERT_TRUE(form->MudarPagina(0));
  EXPECT_TRUE(FProcesso->NaoExecutar());
  FProcesso->actCancelarExecute(nullptr);
  EXPECT_EQ(Tela().first(), QStringLiteral("2|1|2|3|0"));
  ASSERT_TRUE(form->MudarPagina(1));
  EXPECT_FALSE(FProcesso->NaoExecutar());
}

}  // namespace
