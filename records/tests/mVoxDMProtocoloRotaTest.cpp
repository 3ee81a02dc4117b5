#include "mVoxDMProtocoloRota_U.h"
#include "mVoxPkTeste_U.h"
#include "nFrmCadGrid_U.h"
#include "nFrmCadScrollBox_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrado uma rota com a mesma descrição.");

// Route 1 of the sample office, "São Paulo e Campinas", and route 2.
class RotaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (2, :d)"),
                      {QStringLiteral("Zona Sul d'Oeste")});
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloRota"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Descricao() { return Dados().FieldByName(QStringLiteral("DESCRROTA")); }
  void IrPara(int codigo) { ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOROTA"), codigo)); }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(RotaTeste, NewRouteGetsTheNextCodeAndIsStored) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Interior"));
  Dados().Post();
  EXPECT_EQ(Valor(QStringLiteral("select DESCRROTA from PROTOCOLOROTA where CODIGOROTA = 3")).toString(),
            QStringLiteral("Interior"));
}

TEST_F(RotaTeste, RouteWithoutDescriptionIsRefused) {
  Dados().Append();
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTA")), 2);
}

TEST_F(RotaTeste, DescriptionOfAnotherRouteIsRefusedOnInsertAndOnRename) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Zona Sul d'Oeste"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  IrPara(1);
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("Zona Sul d'Oeste"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOROTA"), QStringLiteral("DESCRROTA = 'Zona Sul d''Oeste'")), 1);
}

TEST_F(RotaTeste, CaseChangeOrUnchangedSaveOfItsOwnDescriptionIsAccepted) {
  IrPara(2);
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("Zona Sul d'Oeste"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Edit();
  Descricao()->SetAsString(QStringLiteral("ZONA SUL D'OESTE"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QString());
  EXPECT_EQ(Valor(QStringLiteral("select DESCRROTA from PROTOCOLOROTA where CODIGOROTA = 2")).toString(),
            QStringLiteral("ZONA SUL D'OESTE"));
}

// --- the register form and its stops

const QString kParadas = QStringLiteral("TmVoxDMProtocoloRotaEntrega");

class FormRotaTeste : public RotaTeste {
 protected:
  void SetUp() override {
    RotaTeste::SetUp();
    if (HasFatalFailure()) return;
    FForm = dynamic_cast<TnFrmCadScrollBox *>(FDM->CriarForm());
    ASSERT_NE(FForm, nullptr);
  }
  TnDMClientDataSet *Paradas() {
    const QList<TnDMClientDataSet *> detalhes = FDM->Detalhes();
    return detalhes.size() == 1 && detalhes.first()->ClassName() == kParadas ? detalhes.first() : nullptr;
  }
  TnClientDataSet &DadosParadas() { return *Paradas()->nClientDataSet; }
  // A stop added in the grid under the route; the error, empty when stored.
  QString NovaParada(int empresa, int estab) {
    DadosParadas().Append();
    DadosParadas().FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(empresa);
    DadosParadas().FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(estab);
    const QString erro = ErroDe([&] { DadosParadas().Post(); });
    if (!erro.isEmpty()) DadosParadas().Cancel();
    return erro;
  }
  QStringList Gravadas(int rota) {
    std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(
        QStringLiteral("select SEQROTA, CODIGOEMPRESA, CODIGOESTAB from PROTOCOLOROTAENTREGA where CODIGOROTA = :r "
                       "order by SEQROTA"),
        {rota});
    return Linhas(*dados, {QStringLiteral("SEQROTA"), QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB")});
  }

  TnFrmCadScrollBox *FForm = nullptr;
};

TEST_F(FormRotaTeste, StopsFillTheFormUnderTheDescriptionWithoutTheRouteColumn) {
  ASSERT_NE(Paradas(), nullptr);
  auto *grade = dynamic_cast<TnFrmCadGrid *>(Paradas()->Form());
  ASSERT_NE(grade, nullptr);
  EXPECT_EQ(grade->FormPai(), FForm);
  QStringList colunas;
  for (const TnColunaGrid &coluna : grade->Grid()->Columns())
    if (coluna.Visible) colunas << coluna.FieldName.toUpper();
  EXPECT_FALSE(colunas.contains(QStringLiteral("CODIGOROTA")));
  EXPECT_TRUE(colunas.contains(QStringLiteral("CODIGOESTAB")));

  TnEditorCampo *descricao = FForm->Editor(QStringLiteral("DESCRROTA"));
  ASSERT_NE(descricao, nullptr);
  for (TnPainel *controle : FForm->ControlesTopo()) EXPECT_EQ(controle->Align(), TnAlinhamento::alTop);
  EXPECT_EQ(FForm->AreaCampos()->Height(), descricao->Bottom() + 70);
  EXPECT_FALSE(FDM->AtualizarAoExibir());
}

TEST_F(FormRotaTeste, StopsFollowTheCurrentRouteAndANewOneTakesItsCodeAndNextNumber) {
  IrPara(1);
  EXPECT_EQ(Linhas(DadosParadas(), {QStringLiteral("SEQROTA"), QStringLiteral("CODIGOESTAB")}),
            (QStringList{QStringLiteral("1|1"), QStringLiteral("2|2")}));
  IrPara(2);
  EXPECT_TRUE(DadosParadas().IsEmpty());
  EXPECT_EQ(NovaParada(2, 1), QString());
  EXPECT_EQ(Gravadas(2), QStringList{QStringLiteral("1|2|1")});
  EXPECT_EQ(Gravadas(1).size(), 2);
}

TEST_F(FormRotaTeste, FirstStopOfARouteJustInsertedIsNumberOne) {
  Dados().Append();
  Descricao()->SetAsString(QStringLiteral("Interior"));
  Dados().Post();
  ASSERT_EQ(Dados().FieldByName(QStringLiteral("CODIGOROTA"))->AsInteger(), 3);
  EXPECT_TRUE(DadosParadas().IsEmpty());
  EXPECT_EQ(NovaParada(1, 1), QString());
  EXPECT_EQ(NovaParada(2, 2), QString());
  EXPECT_EQ(Gravadas(3), (QStringList{QStringLiteral("1|1|1"), QStringLiteral("2|2|2")}));
}

// The registers never renumber: the gap a deleted stop leaves stays, and
// the next stop comes after the highest number.
TEST_F(FormRotaTeste, DeletedStopLeavesItsGapAndTheNextStopComesAfterTheLast) {
  IrPara(1);
  EXPECT_EQ(NovaParada(1, 1), QString());
  ASSERT_TRUE(DadosParadas().Locate(QStringLiteral("SEQROTA"), 2));
  DadosParadas().Delete();
  EXPECT_EQ(NovaParada(2, 2), QString());
  EXPECT_EQ(Gravadas(1), (QStringList{QStringLiteral("1|2|1"), QStringLiteral("3|1|1"), QStringLiteral("4|2|2")}));
}

TEST_F(FormRotaTeste, FormBuiltAgainKeepsOneStopGrid) {
  TnDMClientDataSet *antes = Paradas();
  ASSERT_NE(antes, nullptr);
  FForm = dynamic_cast<TnFrmCadScrollBox *>(FDM->CriarForm());
  ASSERT_NE(FForm, nullptr);
  EXPECT_EQ(Paradas(), antes);
  EXPECT_EQ(TnRegistro::Instancia().Instancias(kParadas).size(), 1);
  EXPECT_EQ(Paradas()->Form()->FormPai(), FForm);
}

}  // namespace
