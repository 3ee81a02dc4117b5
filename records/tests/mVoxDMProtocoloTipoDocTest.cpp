#include "mVoxPkTeste_U.h"
#include "nDefinicao_U.h"
#include "nFrmCadastro_U.h"

namespace {

const QString kDuplicado = QStringLiteral("Já existe cadastrado um tipo de documento com a mesma descrição.");

class TipoDocTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral(
        "insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, GERARAUTO, PERIODODOC, "
        "GERARENVELOPE) values (5, 'Guia d''água', 30, '0', 0, '0')"));
    FDM = Criar(QStringLiteral("TmVoxDMProtocoloTipoDoc"));
    ASSERT_NE(FDM, nullptr);
  }
  TnClientDataSet &Dados() { return *FDM->nClientDataSet; }
  TnField *Campo(const char *nome) { return Dados().FieldByName(QLatin1String(nome)); }
  // A new type with every required column filled.
  void NovoTipo(const QString &descricao) {
    Dados().Append();
    Campo("DESCRTIPODOC")->SetAsString(descricao);
    Campo("PERIODODIASDESCARTE")->SetAsInteger(365);
    Campo("GERARAUTO")->SetText(QStringLiteral("Sim"));
    Campo("PERIODODOC")->SetText(QStringLiteral("Quinzenal"));
    Campo("GERARENVELOPE")->SetText(QStringLiteral("Não"));
  }
  QString Renomear(int codigo, const QString &descricao) {
    EXPECT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), codigo));
    Dados().Edit();
    Campo("DESCRTIPODOC")->SetAsString(descricao);
    const QString erro = ErroDe([&] { Dados().Post(); });
    if (!erro.isEmpty()) Dados().Cancel();
    return erro;
  }

  TnDMClientDataSet *FDM = nullptr;
};

TEST_F(TipoDocTeste, NewTypeGetsTheNextCodeAndStoresTheComboValues) {
  NovoTipo(QStringLiteral("Contrato Social"));
  Dados().Post();
  const QString onde = QStringLiteral(" from PROTOCOLOTIPODOC where CODIGOTIPODOC = 6");
  EXPECT_EQ(Valor(QStringLiteral("select DESCRTIPODOC") + onde).toString(), QStringLiteral("Contrato Social"));
  EXPECT_EQ(Valor(QStringLiteral("select GERARAUTO") + onde).toString(), QStringLiteral("1"));
  EXPECT_EQ(Valor(QStringLiteral("select PERIODODOC") + onde).toInt(), 2);
  EXPECT_EQ(Valor(QStringLiteral("select GERARENVELOPE") + onde).toString(), QStringLiteral("0"));
  EXPECT_TRUE(Valor(QStringLiteral("select MESOCORRENCIA") + onde).isNull());
}

TEST_F(TipoDocTeste, StoredCodesShowTheirCaptions) {
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 4));
  EXPECT_EQ(Campo("GERARAUTO")->DisplayText(), QStringLiteral("Não"));
  EXPECT_EQ(Campo("GERARENVELOPE")->DisplayText(), QStringLiteral("Não"));
  EXPECT_EQ(Campo("PERIODODOC")->DisplayText(), QStringLiteral("Mensal"));
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 5));
  EXPECT_EQ(Campo("PERIODODOC")->DisplayText(), QStringLiteral("Indefinido"));
}

TEST_F(TipoDocTeste, EachRequiredColumnLeftEmptyIsRefusedByItsLabel) {
  const std::pair<const char *, const char *> casos[] = {
      {"DESCRTIPODOC", "Descrição"},          {"PERIODODIASDESCARTE", "Período Descarte (Dias)"},
      {"GERARAUTO", "Gerar Automaticamente"}, {"PERIODODOC", "Período"},
      {"GERARENVELOPE", "Gerar Envelope"},
  };
  for (const auto &[coluna, rotulo] : casos) {
    NovoTipo(QStringLiteral("Contrato Social"));
    Campo(coluna)->Clear();
    EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("O campo %1 deve ser informado.").arg(rotulo)) << coluna;
    Dados().Cancel();
  }
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC")), 5);
}

TEST_F(TipoDocTeste, CodeAbove9999IsRefused) {
  NovoTipo(QStringLiteral("Contrato Social"));
  Campo("CODIGOTIPODOC")->SetAsInteger(10000);
  EXPECT_NE(ErroDe([&] { Dados().Post(); }), QString());
  Dados().Cancel();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC")), 5);
}

TEST_F(TipoDocTeste, DescriptionOfAnotherTypeIsRefusedOnInsertAndOnRename) {
  NovoTipo(QStringLiteral("Guia d'água"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), kDuplicado);
  Dados().Cancel();

  EXPECT_EQ(Renomear(1, QStringLiteral("Balancete Trimestral")), kDuplicado);
  EXPECT_EQ(Renomear(1, QStringLiteral("Guia d'água")), kDuplicado);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("DESCRTIPODOC = 'Guias de Impostos'")), 1);
}

TEST_F(TipoDocTeste, CaseChangeUnchangedSaveAndFreeDescriptionAreAccepted) {
  EXPECT_EQ(Renomear(5, QStringLiteral("GUIA D'ÁGUA")), QString());
  EXPECT_EQ(Renomear(5, QStringLiteral("GUIA D'ÁGUA")), QString());
  EXPECT_EQ(Renomear(1, QStringLiteral("Guias Federais")), QString());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("DESCRTIPODOC = 'GUIA D''ÁGUA'")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("DESCRTIPODOC = 'Guias Federais'")), 1);
}

// --- the months of occurrence

const QString kTodosOsMeses = QStringLiteral("1;2;3;4;5;6;7;8;9;10;11;12");

class MesesTipoDocTeste : public TipoDocTeste {
 protected:
  void SetUp() override {
    TipoDocTeste::SetUp();
    if (HasFatalFailure()) return;
    FForm = dynamic_cast<TnFrmCadastro *>(FDM->CriarForm());
    ASSERT_NE(FForm, nullptr);
    FMeses = FForm->Editor(QStringLiteral("MESOCORRENCIA"));
    ASSERT_NE(FMeses, nullptr);
    ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 5));
  }
  QVariant Gravado(int codigo) {
    return Valor(QStringLiteral("select MESOCORRENCIA from PROTOCOLOTIPODOC where CODIGOTIPODOC = :C"), {codigo});
  }
  // The captions the check list ticks for the stored value, as the screen
  // reads it back: each ";" token that is one of the list's values.
  QStringList Marcados() {
    const TnDefinicao &def = Campo("MESOCORRENCIA")->Definicao();
    const QStringList valores = Campo("MESOCORRENCIA")->AsString().split(u';', Qt::SkipEmptyParts);
    QStringList nomes;
    for (qsizetype i = 0; i < def.Valores().size(); ++i)
      if (valores.contains(def.Valores().at(i))) nomes << def.Nomes().at(i);
    return nomes;
  }

  TnFrmCadastro *FForm = nullptr;
  TnEditorCampo *FMeses = nullptr;
};

TEST_F(MesesTipoDocTeste, RegisterFormOffersTheTwelveMonthsAsACheckList) {
  const TnDefinicao &def = Campo("MESOCORRENCIA")->Definicao();
  EXPECT_EQ(def.TipoControle(), TnTipoControle::CheckList);
  EXPECT_EQ(def.Nomes(), (QStringList{"Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho", "Julho", "Agosto",
                                      "Setembro", "Outubro", "Novembro", "Dezembro"}));
  EXPECT_EQ(def.Valores().join(u';'), kTodosOsMeses);
  EXPECT_EQ(Campo("MESOCORRENCIA")->DisplayLabel(), QStringLiteral("Mês Ocorrência"));
  EXPECT_EQ(FMeses->Hint(), QStringLiteral("Informe os meses em que a tarefa ocorrerá"));
  EXPECT_TRUE(FMeses->PodeEditar());
}

// What the check list hands over when January, April, July and October are
// ticked is stored as the generation reads it, and ticks the same months when
// the type is read again.
TEST_F(MesesTipoDocTeste, TickedMonthsAreStoredAsTheirNumbersAndTickTheSameMonthsWhenReadAgain) {
  ASSERT_TRUE(FMeses->Digitar(QStringLiteral("1;4;7;10")));
  EXPECT_EQ(FMeses->Text(), QStringLiteral("Janeiro;Abril;Julho;Outubro"));
  Dados().Post();
  EXPECT_EQ(Gravado(5).toString(), QStringLiteral("1;4;7;10"));

  Dados().Close();
  FDM->Abrir();
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 5));
  EXPECT_EQ(Marcados(), (QStringList{"Janeiro", "Abril", "Julho", "Outubro"}));
}

TEST_F(MesesTipoDocTeste, AllMonthsFitTheColumnAndNoMonthStoresNothing) {
  ASSERT_TRUE(FMeses->Digitar(kTodosOsMeses));
  Dados().Post();
  EXPECT_EQ(Gravado(5).toString(), kTodosOsMeses);
  EXPECT_EQ(Marcados().size(), 12);

  ASSERT_TRUE(FMeses->Digitar(QString()));
  Dados().Post();
  EXPECT_TRUE(Gravado(5).isNull());
  EXPECT_TRUE(Marcados().isEmpty());
}

// The generation matches whole tokens: "04" or " 4" would never match month
// 4, a trailing ";" or a repeated month would make a token of its own.
TEST_F(MesesTipoDocTeste, MonthsWrittenLooselyAreStoredInTheOneFormTheGenerationMatches) {
  // Typed in a grid cell: captions and numbers mixed, out of order.
  Dados().Edit();
  Campo("MESOCORRENCIA")->SetText(QStringLiteral("outubro; 04;Janeiro;;abril;"));
  EXPECT_EQ(Campo("MESOCORRENCIA")->AsString(), QStringLiteral("1;4;10"));
  Dados().Post();
  EXPECT_EQ(Gravado(5).toString(), QStringLiteral("1;4;10"));

  // Written by code, bypassing the editor.
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 3));
  Dados().Edit();
  Campo("MESOCORRENCIA")->SetAsString(QStringLiteral("12; 09;06;3;"));
  Dados().Post();
  EXPECT_EQ(Gravado(3).toString(), QStringLiteral("3;6;9;12"));

  Dados().Edit();
  Campo("MESOCORRENCIA")->SetAsString(QStringLiteral(" ; "));
  Dados().Post();
  EXPECT_TRUE(Gravado(3).isNull());
}

TEST_F(MesesTipoDocTeste, SomethingThatIsNoMonthIsRefusedAndNothingIsStored) {
  Dados().Edit();
  EXPECT_EQ(ErroDe([&] { Campo("MESOCORRENCIA")->SetText(QStringLiteral("Janeiro;13")); }),
            QStringLiteral("'13' não é um valor válido para o campo Mês Ocorrência."));
  EXPECT_EQ(ErroDe([&] { Campo("MESOCORRENCIA")->SetText(QStringLiteral("Jan")); }),
            QStringLiteral("'Jan' não é um valor válido para o campo Mês Ocorrência."));
  EXPECT_TRUE(Campo("MESOCORRENCIA")->IsNull());
  Campo("MESOCORRENCIA")->SetAsString(QStringLiteral("0;1"));
  EXPECT_EQ(ErroDe([&] { Dados().Post(); }), QStringLiteral("'0' não é um valor válido para o campo Mês Ocorrência."));
  Dados().Cancel();
  EXPECT_TRUE(Gravado(5).isNull());
}

// --- deleting

// A type that groups or documents name is not deleted: they keep it.
TEST_F(TipoDocTeste, ATypeInUseIsNotDeletedAndItsGroupsAndDocumentsKeepIt) {
  ExecutarSQLDireto(
      QStringLiteral(
          "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO) "
          "values (900, 3, 1, 1, :DATA)"),
      {QDate(2026, 3, 31)});
  const int membros = Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOTIPODOC = 3"));
  ASSERT_EQ(membros, 2);
  ASSERT_TRUE(Dados().Locate(QStringLiteral("CODIGOTIPODOC"), 3));
  EXPECT_EQ(ErroDe([&] { Dados().Delete(); }),
            QStringLiteral("Este registro está em uso em Documentos da Empresa (PROTOCOLODOCEMP) e não pode ser "
                           "excluído."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("CODIGOTIPODOC = 3")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOGRUPOTIPODOC"), QStringLiteral("CODIGOTIPODOC = 3")), membros);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGOTIPODOC = 3")), 1);
}

TEST_F(TipoDocTeste, PartnerLookupIsCreatedByItsDesignName) {
  auto *parceiro = Criar(QStringLiteral("T") + FDM->CadCons());
  ASSERT_NE(parceiro, nullptr);
  EXPECT_EQ(parceiro->CadCons(), QStringLiteral("mVoxDMProtocoloTipoDoc"));
}

}  // namespace
