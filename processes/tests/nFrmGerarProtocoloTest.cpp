#include <QDate>
#include <QTemporaryDir>
#include <memory>

#include "mVoxDPGerarProtocoloBase_U.h"
#include "mVoxItem_U.h"
#include "mVoxPkTeste_U.h"
#include "mVox_U.h"
#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDateField_U.h"
#include "nFMTBCDField_U.h"
#include "nFrmGerarProtocolo_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nPainel_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nParamsSalvos_U.h"
#include "nStringField_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

// A source that proposes two protocols: the first with a marked item, an
// unmarked one and one already in protocol 88; the second with one item.
class TmVoxDPGerarProtocoloTela : public TmVoxDPGerarProtocoloBase {
 public:
  void GerarProtocolo() override {
    Proposta(1, {{"0.10", 1, QVariant()}, {"0.20", 0, QVariant()}, {"5.00", 0, 88}});
    Proposta(2, {{"7.00", 0, QVariant()}});
  }

 private:
  struct TnItem {
    const char *Valor;
    int Gerar;
    QVariant Protocolo;
  };
  void Proposta(int empresa, const QList<TnItem> &itens) {
    SetCodProtocolo(CodProtocolo() + 1);
    TmVox &pro = *MapPro();
    ClientDataSet()->Append();
    pro.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
    pro.CODIGOEMPRESA->SetAsInteger(empresa);
    pro.CODIGOESTAB->SetAsInteger(1);
    pro.EMPRESA->SetAsString(QStringLiteral("%1 - Empresa").arg(empresa));
    pro.ESTAB->SetAsString(QStringLiteral("1 - Filial"));
    pro.DATALCTOPRO->SetAsDate(QDate(2026, 12, 1));
    pro.TODOSSELECIONADOS->SetAsInteger(0);
    ClientDataSet()->Post();
    int sequencia = 0;
    for (const TnItem &dado : itens) {
      TmVoxItem &item = *MapProItem();
      ClientDataSetDet()->Append();
      item.CODIGOPROTOCOLO->SetAsInteger(CodProtocolo());
      item.SEQITEMPRO->SetAsInteger(++sequencia);
      item.TIPODEBITO->SetAsString(QStringLiteral("Débitos GPS"));
      item.DESCRITEM->SetAsString(QStringLiteral("Guia %1").arg(sequencia));
      item.COMPETENCIA->SetAsDate(QDate(2026, 11, 1));
      item.VALOR->SetValue(QString::fromLatin1(dado.Valor));
      item.GERAR->SetAsInteger(dado.Gerar);
      item.PROTOCOLO->SetValue(dado.Protocolo);
      ClientDataSetDet()->Post();
    }
  }
};

class GerarProtocoloTelaTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FUnidade.Inicializar();
    FProcesso = dynamic_cast<TmVoxDPGerarProtocoloTela *>(CriarDM(QStringLiteral("TmVoxDPGerarProtocoloTela")));
    ASSERT_NE(FProcesso, nullptr);
    FForm = dynamic_cast<TnFrmGerarProtocolo *>(FProcesso->CriarForm());
    ASSERT_NE(FForm, nullptr);
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TmVoxCadastroTeste::TearDown();
  }
  TnDBGridEh &Mestre() { return *FForm->nDBGridEh(); }
  TnDBGridEh &Itens() { return *FForm->nDBGridEhDet(); }
  static QStringList Colunas(const TnDBGridEh &grid, bool visiveis) {
    QStringList nomes;
    for (const TnColunaGrid &coluna : grid.Columns())
      if (coluna.Visible == visiveis) nomes << coluna.FieldName;
    return nomes;
  }
  static QStringList Titulos(const TnDBGridEh &grid) {
    QStringList titulos;
    for (const TnColunaGrid &coluna : grid.Columns())
      if (coluna.Visible) titulos << coluna.Title;
    return titulos;
  }
  // The font colour of each row of a grid's view, drawn in its first column.
  static QList<TnCor> Cores(TnDBGridEh &grid) {
    QList<TnCor> cores;
    for (int linha = 0; linha < grid.DataSet()->RecordCount(); ++linha) {
      const TnDesenhoCelula celula = grid.DesenharCelula(linha, 0);
      EXPECT_TRUE(celula.Desenhada);
      cores << celula.CorFonte;
    }
    return cores;
  }

  TnParamsSalvosTeste FParams;
  TmVoxDPGerarProtocoloTela *FProcesso = nullptr;
  TnFrmGerarProtocolo *FForm = nullptr;
  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{
        nInfoClasse<TmVoxDPGerarProtocoloTela>("TmVoxDPGerarProtocoloTela", "TmVoxDPGerarProtocoloBase")};
  });
};

}  // namespace

TEST_F(GerarProtocoloTelaTeste, TheFormIsRegisteredByNameAndPutsTheMasterGridInTheGenerationTab) {
  EXPECT_TRUE(TnFrmPowerParam::ClasseRegistrada(QStringLiteral("TnFrmGerarProtocolo")));
  EXPECT_EQ(FForm->ClassName(), QStringLiteral("TnFrmGerarProtocolo"));
  EXPECT_TRUE(FForm->HerdaDe(QStringLiteral("TnFrmPowerParam")));
  EXPECT_EQ(FForm->Caption(), QStringLiteral("Gerar Protocolo"));
  EXPECT_EQ(FForm->Width(), 862);
  EXPECT_EQ(FForm->Height(), 613);
  ASSERT_EQ(FForm->PageCount(), 2);
  EXPECT_EQ(FForm->Pagina(1)->Caption(), QStringLiteral("Gerar Protocolo"));
  EXPECT_EQ(Mestre().parent(), FForm->Pagina(1));
  EXPECT_EQ(Itens().parent(), FForm->Panel1());
  EXPECT_EQ(FForm->Panel1()->parent(), Mestre().RowDetailPanel());
  EXPECT_FALSE(FForm->DBGrid()->Visible());
  EXPECT_EQ(FProcesso->DBGridEH(), &Mestre());
  EXPECT_EQ(FProcesso->DBGridEHDet(), &Itens());
  EXPECT_FALSE(FProcesso->TemAlteracao());
}

TEST_F(GerarProtocoloTelaTeste, TheGridsShowTheirColumnsWithTheHiddenOnesHiddenAndTheirOptions) {
  EXPECT_EQ(Colunas(Mestre(), true), (QStringList{"EMPRESA", "ESTAB", "DATALCTOPRO"}));
  EXPECT_EQ(Titulos(Mestre()), (QStringList{"Empresa", "Filial", "Data Protocolo"}));
  EXPECT_TRUE(Mestre().ReadOnly());
  EXPECT_TRUE(Mestre().LinhaInteira());
  EXPECT_TRUE(Mestre().AutoAjustarColunas());
  EXPECT_TRUE(Mestre().RodapeVisivel());
  EXPECT_TRUE(Mestre().TitulosMultilinha());
  EXPECT_TRUE(Mestre().RowDetailPanelAtivo());

  EXPECT_EQ(Colunas(Itens(), true), (QStringList{"TIPODEBITO", "DESCRITEM", "COMPETENCIA", "VENCIMENTO", "VALOR",
                                                 "CODIGOIMPOSTO", "VARIACAOIMPOSTO", "PROTOCOLO", "MODULO"}));
  EXPECT_EQ(Colunas(Itens(), false), (QStringList{"DATALCTOPRO", "CODIGODOCEMP", "CODIGOFUNCCONTR", "CANCELADO",
                                                  "CODIGOUSUARIO", "DATAHORACADASTRO", "ORIGEMDADO"}));
  EXPECT_EQ(Titulos(Itens()), (QStringList{"Tipo do Débito", "Descrição", "Competência", "Vencimento", "Valor R$",
                                           "Imposto", "Variação", "Protocolo", "Módulo"}));
  EXPECT_TRUE(Itens().ReadOnly());
  EXPECT_TRUE(Itens().LinhaInteira());
  EXPECT_EQ(Itens().Fonte(), QStringLiteral("Tahoma"));
  EXPECT_EQ(Itens().TamanhoFonte(), -11);
  EXPECT_EQ(Itens().CamposSoma(), (QStringList{"VALOR"}));
}

TEST_F(GerarProtocoloTelaTeste, DatesValuesAndTheFooterShowAsTheUserReadsThem) {
  FProcesso->Executar();
  ASSERT_TRUE(Mestre().MostrarRowDetailPanel());
  EXPECT_EQ(Mestre().DesenharCelula(0, 2).Texto, QStringLiteral("01/12/2026"));
  EXPECT_EQ(Itens().DesenharCelula(0, Itens().IndiceColuna(QStringLiteral("COMPETENCIA"))).Texto,
            QStringLiteral("11/2026"));
  EXPECT_EQ(Itens().DesenharCelula(2, Itens().IndiceColuna(QStringLiteral("VALOR"))).Texto, QStringLiteral("5,00"));
  // The open protocol's values, summed exactly.
  EXPECT_EQ(Itens().Soma(QStringLiteral("VALOR")).Texto(), QStringLiteral("5.30"));
}

TEST_F(GerarProtocoloTelaTeste, OpeningAMasterRowFiltersTheItemsOnItsNumberAndAnEmptyNumberLeavesThem) {
  FProcesso->Executar();
  TnClientDataSet &itens = FForm->nClientDataSetDet();
  EXPECT_FALSE(itens.Filtered());
  ASSERT_TRUE(Mestre().ClicarCelula(1, 0));
  ASSERT_TRUE(Mestre().MostrarRowDetailPanel());
  EXPECT_TRUE(itens.Filtered());
  EXPECT_EQ(itens.Filter(), QStringLiteral("CODIGOPROTOCOLO = 2"));
  EXPECT_EQ(itens.RecordCount(), 1);
  // Closing keeps the filter.
  Mestre().OcultarRowDetailPanel();
  EXPECT_EQ(itens.Filter(), QStringLiteral("CODIGOPROTOCOLO = 2"));

  // A master row without a number leaves the items as they were.
  TnClientDataSet &mestre = FForm->nClientDataSet();
  mestre.First();
  mestre.Edit();
  mestre.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->Clear();
  mestre.Post();
  mestre.Locate(QStringLiteral("EMPRESA"), QStringLiteral("1 - Empresa"));
  Mestre().MostrarRowDetailPanel();
  EXPECT_EQ(itens.Filter(), QStringLiteral("CODIGOPROTOCOLO = 2"));
  EXPECT_EQ(itens.RecordCount(), 1);
}

TEST_F(GerarProtocoloTelaTeste, MasterRowsAreGreenWhileEveryItemIsMarkedAndWhiteOnTheFocusedSelection) {
  FProcesso->Executar();
  TnClientDataSet &mestre = FForm->nClientDataSet();
  FForm->SetFoco(nullptr);
  EXPECT_EQ(Cores(Mestre()), (QList<TnCor>{nCorPadrao, nCorPadrao}));
  mestre.Last();
  FProcesso->MarcarItensMaster();
  ASSERT_EQ(mestre.FieldByName(QStringLiteral("TODOSSELECIONADOS"))->AsInteger(), 1);
  FForm->SetFoco(nullptr);
  EXPECT_EQ(Cores(Mestre()), (QList<TnCor>{nCorPadrao, nCorVerde}));
  ASSERT_TRUE(Mestre().SetFocus());
  EXPECT_EQ(Cores(Mestre()), (QList<TnCor>{nCorPadrao, nCorBranco}));
}

TEST_F(GerarProtocoloTelaTeste, ItemsAreGreenWhenMarkedAndSilverAboveAllWhenTheyAlreadyHaveAProtocol) {
  FProcesso->Executar();
  ASSERT_TRUE(Mestre().MostrarRowDetailPanel());
  FForm->SetFoco(nullptr);
  EXPECT_EQ(Cores(Itens()), (QList<TnCor>{nCorVerde, nCorPadrao, nCorPrata}));
  // The focused selection is white, but an item with a protocol stays silver.
  ASSERT_TRUE(Itens().ClicarCelula(0, 0));
  EXPECT_EQ(Cores(Itens()), (QList<TnCor>{nCorBranco, nCorPadrao, nCorPrata}));
  ASSERT_TRUE(Itens().ClicarCelula(2, 0));
  EXPECT_EQ(Cores(Itens()), (QList<TnCor>{nCorVerde, nCorPadrao, nCorPrata}));
}
