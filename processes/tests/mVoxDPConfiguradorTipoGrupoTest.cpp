// The document types of each group on the sample office: group 1
// "Empresas com Funcionários" holds types 1, 2, 3 and 4; group 2
// "Escritório" holds 1 and 3.
#include <memory>

#include "mVoxDPConfiguradorTipoGrupo_U.h"
#include "mVoxPkTeste_U.h"
#include "nActionList_U.h"
#include "nAction_U.h"
#include "nDBGrid_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nFrmVisual_U.h"
#include "nModulos_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

const QString kConfirmacao = QStringLiteral("Deseja realmente apagar a configuração do grupo e criar esta nova?");
const QString kSucesso = QStringLiteral("Configuração do grupo gravada com sucesso!");

class ConfiguradorTipoGrupoTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FProcesso = dynamic_cast<TmVoxDPConfiguradorTipoGrupo *>(CriarDM(QStringLiteral("TmVoxDPConfiguradorTipoGrupo")));
    ASSERT_NE(FProcesso, nullptr);
    // Messages with one button are answered and recorded.
    FDialogos->SetAceitarMensagens(true);
  }
  // A run for the group, as the user starts it; the error it raised.
  QString Executar(const QString &grupo) {
    FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoGrupoDoc"))->SetAsString(grupo);
    return ErroDe([&] { FProcesso->ExecutarProcesso(); });
  }
  TnClientDataSet &Grid() { return FProcesso->nClientDataSet(); }
  TnField *Tipo() { return Grid().FieldByName(QStringLiteral("CODIGOTIPODOC")); }
  // The codes in the grid's own order (its index).
  QStringList Tela() {
    TnClientDataSet cursor;
    cursor.CloneCursor(&Grid(), false, true);
    QStringList linhas;
    for (cursor.First(); !cursor.Eof(); cursor.Next())
      linhas << cursor.FieldByName(QStringLiteral("CODIGOTIPODOC"))->AsString();
    return linhas;
  }
  QStringList Gravados(int grupo) {
    auto dados = ExecutarSQL(QStringLiteral("select CODIGOTIPODOC from PROTOCOLOGRUPOTIPODOC where CODIGOGRUPODOC = "
                                            ":g order by CODIGOTIPODOC"),
                             {grupo});
    return Linhas(*dados, {"CODIGOTIPODOC"});
  }
  void Adicionar(const QVariant &codigo) {
    Grid().Append();
    Tipo()->SetValue(codigo);
    Grid().Post();
  }
  // Gravar as the user presses it, answering the confirmation with `resposta`.
  QString Gravar(const QString &resposta = QStringLiteral("Sim")) {
    FDialogos->ResponderTexto(resposta);
    return ErroDe([&] { FProcesso->actGravarExecute(nullptr); });
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TmVoxDPConfiguradorTipoGrupo *FProcesso = nullptr;
};

TEST_F(ConfiguradorTipoGrupoTeste, OfferedUnderDocumentRegistersWithItsGroupParameter) {
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloMVox});
  const QList<TnAction *> actions = lista.FindAll(QStringLiteral("actTmVoxDPConfiguradorTipoGrupo"));
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->Category(), QStringLiteral("01 Cadastros\\04 Documentos"));
  EXPECT_EQ(actions[0]->Caption(), QStringLiteral("Configurador dos Tipos de Documento nos Grupos"));
  EXPECT_EQ(actions[0]->Index(), 9);
  EXPECT_TRUE(actions[0]->Separador());
  EXPECT_TRUE(actions[0]->CriarHTTP());
  TnActionList outra;
  nGerarActions(outra, nullptr, TnModulos{nModuloRTul});
  EXPECT_TRUE(outra.FindAll(QStringLiteral("actTmVoxDPConfiguradorTipoGrupo")).isEmpty());

  const TnpqParamItem *grupo = FProcesso->npqPowerParam().Param(QStringLiteral("pCodigoGrupoDoc"));
  EXPECT_EQ(grupo->Caption(), QStringLiteral("Grupo Documento"));
  EXPECT_TRUE(grupo->Obrigatorio());
  EXPECT_EQ(grupo->LookupClassName(), QStringLiteral("TmVoxDCProtocoloGrupoDoc"));
  EXPECT_EQ(Executar(QString()).isEmpty(), false);
}

TEST_F(ConfiguradorTipoGrupoTeste, GroupsTypesAreListedWithTheirDescriptionsInCodeOrder) {
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  EXPECT_EQ(FProcesso->Grupo(), 2);
  EXPECT_EQ(Tela(), (QStringList{"1", "3"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
  Adicionar(2);
  EXPECT_EQ(Tela(), (QStringList{"1", "2", "3"}));
  EXPECT_TRUE(FProcesso->TemAlteracao());
  Grid().First();
  EXPECT_EQ(Tipo()->DisplayText(), QStringLiteral("1"));
  EXPECT_EQ(Grid().FieldByName(QStringLiteral("DescrTipoDoc"))->AsString(), QStringLiteral("Guias de Impostos"));
  EXPECT_TRUE(Grid().FieldByName(QStringLiteral("DescrTipoDoc"))->ReadOnly());

  // A group that is no number is group 0, which has no types.
  ASSERT_EQ(Executar(QStringLiteral("abc")), QString());
  EXPECT_EQ(FProcesso->Grupo(), 0);
  EXPECT_TRUE(Tela().isEmpty());
}

TEST_F(ConfiguradorTipoGrupoTeste, SaveReplacesOnlyThisGroupsTypes) {
  ASSERT_EQ(Executar(QStringLiteral("1")), QString());
  Grid().Locate(QStringLiteral("CODIGOTIPODOC"), 2);
  FProcesso->actDeletarTipo(nullptr);
  EXPECT_EQ(Gravar(), QString());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kConfirmacao, kSucesso}));
  EXPECT_EQ(Gravados(1), (QStringList{"1", "3", "4"}));
  EXPECT_EQ(Gravados(2), (QStringList{"1", "3"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
  EXPECT_EQ(Grid().RecNo(), 1);

  // "Não" writes nothing; an emptied list after "Sim" leaves the group empty.
  while (!Grid().IsEmpty()) FProcesso->actDeletarTipo(nullptr);
  EXPECT_EQ(Gravar(QStringLiteral("Não")), QString());
  EXPECT_EQ(Gravados(1), (QStringList{"1", "3", "4"}));
  EXPECT_EQ(Gravar(), QString());
  EXPECT_TRUE(Gravados(1).isEmpty());
  EXPECT_EQ(Gravados(2), (QStringList{"1", "3"}));
}

TEST_F(ConfiguradorTipoGrupoTeste, RepeatedEmptyOrBrokenTypesAreRefusedBeforeAnythingIsWritten) {
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  Adicionar(3);
  EXPECT_EQ(Gravar(), QStringLiteral("Não pode haver tipos iguais!"));
  EXPECT_EQ(Gravados(2), (QStringList{"1", "3"}));
  EXPECT_EQ(Tela(), (QStringList{"1", "3", "3"}));
  EXPECT_FALSE(Conexao().EmTransacao());

  // A row posted without a type is told at once and stays; the save then
  // refuses it instead of storing type 0.
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  Grid().Append();
  EXPECT_EQ(ErroDe([&] { Grid().Post(); }), QStringLiteral("O código do Tipo não pode ser nulo!"));
  EXPECT_EQ(Grid().RecordCount(), 3);
  EXPECT_EQ(Gravar(), QStringLiteral("O código do Tipo não pode ser nulo!"));
  EXPECT_EQ(Gravados(2), (QStringList{"1", "3"}));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOTIPODOC = 0")), 0);

  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  Adicionar(2.5);
  EXPECT_EQ(Gravar(), QStringLiteral("O código do Tipo deve ser um número inteiro!"));
  EXPECT_EQ(Gravados(2), (QStringList{"1", "3"}));
}

TEST_F(ConfiguradorTipoGrupoTeste, DatabaseErrorDuringTheInsertsKeepsTheFormerTypes) {
  // A table that refuses type 4 fails the save after the group's delete.
  ExecutarSQLDireto(QStringLiteral("drop table PROTOCOLOGRUPOTIPODOC"));
  ExecutarSQLDireto(QStringLiteral(
      "create table PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC smallint not null, CODIGOTIPODOC smallint not null "
      "check (CODIGOTIPODOC <> 4), primary key (CODIGOGRUPODOC, CODIGOTIPODOC))"));
  for (const int tipo : {1, 3})
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values "
                                     "(2, :t)"),
                      {tipo});
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  Adicionar(2);
  Adicionar(4);
  const QString erro = Gravar();
  EXPECT_TRUE(erro.startsWith(QStringLiteral("Operação cancelada! Não foi possível efetuar a operação!\r\n")))
      << erro.toStdString();
  EXPECT_EQ(Gravados(2), (QStringList{"1", "3"}));
  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_EQ(Tela(), (QStringList{"1", "2", "3", "4"}));
  EXPECT_FALSE(Conexao().EmTransacao());
}

TEST_F(ConfiguradorTipoGrupoTeste, CancelarAlwaysReloadsTheGroupFromTheDatabase) {
  ASSERT_EQ(Executar(QStringLiteral("1")), QString());
  FProcesso->actDeletarTipo(nullptr);
  Adicionar(9);
  FProcesso->actCancelarExecute(nullptr);
  EXPECT_EQ(Tela(), (QStringList{"1", "2", "3", "4"}));
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

// The screen as the user drives it through the form's model: the type
// lookup of the code's button and the delete button.
TEST_F(ConfiguradorTipoGrupoTeste, TypePickedWithTheButtonAndDeletedWithShiftDel) {
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->PageCount(), 2);
  EXPECT_EQ(form->Pagina(1)->Caption(), QStringLiteral("Configurar Tipo em Grupos"));
  EXPECT_EQ(form->ParametrosExibidos().size(), 1);
  ASSERT_EQ(Executar(QStringLiteral("2")), QString());
  TnDBGridEh *grid = form->DBGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(grid->Coluna(QStringLiteral("CODIGOTIPODOC"))->BotaoEdicao);

  const TnExecutarFormModal anterior = nSetExecutarFormModal([](TnFrmVisual &lookup) {
    auto *dm = dynamic_cast<TnDMClientDataSet *>(lookup.DataModule());
    dm->nClientDataSet->Locate(QStringLiteral("CODIGOTIPODOC"), 4);
    lookup.Fechar(mrOk);
  });
  grid->Inserir();
  grid->SetSelectedField(Tipo());
  EXPECT_TRUE(grid->EditButtonClick());
  nSetExecutarFormModal(anterior);
  Grid().Post();
  EXPECT_EQ(Tela(), (QStringList{"1", "3", "4"}));

  Grid().Locate(QStringLiteral("CODIGOTIPODOC"), 1);
  ASSERT_NE(FProcesso->BtnDeletarTipo(), nullptr);
  EXPECT_EQ(FProcesso->BtnDeletarTipo()->ShortCutStr(), QStringLiteral("Shift+Del"));
  EXPECT_TRUE(form->PressionarAtalho(QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete)));
  EXPECT_EQ(Tela(), (QStringList{"3", "4"}));
}

}  // namespace
