// The consultations of withdrawn and delivered protocols, on protocols of
// their own: what each lists and how a listed protocol opens its register.
#include <QDate>
#include <QDateTime>
#include <QKeyCombination>
#include <algorithm>
#include <functional>

#include "mVoxDPConsultaProtocoloBaixado_U.h"
#include "mVoxDPConsultaProtocoloEntregue_U.h"
#include "mVoxPkTeste_U.h"
#include "mVoxProtocoloTeste_U.h"
#include "nDBGrid_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"

namespace {

const QDateTime kMomento{QDate(2026, 11, 28), QTime(17, 5)};
const QString kLembrete = QStringLiteral(
    "As alterações feitas no cadastro somente serão visualizadas na consulta quando o processo for executado "
    "novamente.");

// Protocols of company 2: 30 withdrawn, 31 delivered only, 32 withdrawn
// and handed over in person, 33 open, and one beyond 32 bits.
class ConsultaProtocoloTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    const QVariant momento(kMomento);
    for (const TnProtocoloTeste &p :
         {TnProtocoloTeste{.Codigo = 30, .Data = QDate(2026, 11, 1), .Tipo = "1", .Entrega = momento, .Baixa = momento},
          TnProtocoloTeste{.Codigo = 31, .Data = QDate(2026, 11, 2), .Entrega = momento},
          TnProtocoloTeste{.Codigo = 32,
          .Estab = 2,
          .Data = QDate(2026, 11, 3),
          .Tipo = "1",
          .Forma = "2",
          .Entrega = momento,
          .Baixa = momento},
          TnProtocoloTeste{.Codigo = 33, .Data = QDate(2026, 11, 2)},
          TnProtocoloTeste{.Codigo = 3000000001, .Data = QDate(2026, 11, 5), .Entrega = momento, .Baixa = momento}})
      InserirProtocoloTeste(p);
    FBaixado = Novo(QStringLiteral("TmVoxDPConsultaProtocoloBaixado"));
    FEntregue = Novo(QStringLiteral("TmVoxDPConsultaProtocoloEntregue"));
    ASSERT_NE(FBaixado, nullptr);
    ASSERT_NE(FEntregue, nullptr);
  }
  void TearDown() override {
    nSetExecutarFormModal(FModalAnterior);
    TmVoxCadastroTeste::TearDown();
  }

  static TmVoxDPConsultaProtocoloBase *Novo(const QString &classe) {
    return dynamic_cast<TmVoxDPConsultaProtocoloBase *>(CriarDM(classe));
  }
  // A run with every protocol selected unless told otherwise; the listed
  // protocols sorted, or the error.
  QStringList Consultar(TmVoxDPConsultaProtocoloBase *consulta, const QMap<QString, QString> &valores = {}) {
    TnpqPowerParam &params = consulta->npqPowerParam();
    params.Param(QStringLiteral("pCodigoProtocolo"))->SetAsString(QStringLiteral("1-9999999999"));
    for (auto it = valores.begin(); it != valores.end(); ++it) params.Param(it.key())->SetAsString(it.value());
    const QString erro = ErroDe([&] { consulta->ExecutarProcesso(); });
    if (!erro.isEmpty()) return {erro};
    QStringList codigos = Linhas(consulta->nClientDataSet(), {"CodigoProtocolo"});
    std::sort(codigos.begin(), codigos.end(),
              [](const QString &a, const QString &b) { return a.toLongLong() < b.toLongLong(); });
    return codigos;
  }
  // Stands the consultation on a listed protocol.
  static void Ir(TmVoxDPConsultaProtocoloBase *consulta, qint64 codigo) {
    ASSERT_TRUE(consulta->nClientDataSet().Locate(QStringLiteral("CodigoProtocolo"), codigo)) << codigo;
  }
  // What a modal form shows when it opens, then closes it; `falha` raises
  // instead, as a register failing in its form does.
  void AoAbrirRegistro(bool falha = false) {
    FModalAnterior = nSetExecutarFormModal([this, falha](TnFrmVisual &form) {
      auto *dm = dynamic_cast<TnDMClientDataSet *>(form.DataModule());
      ++FAberturas;
      FAberto = Linhas(*dm->nClientDataSet, {"CODIGOPROTOCOLO"});
      FSelecao = nDMConexao()->Selecao().Param(QStringLiteral("CODIGOPROTOCOLO"));
      FTiposBotoes = form.TiposActionForm();
      if (falha) throw Exception(QStringLiteral("Falha no cadastro."));
      form.Fechar(mrOk);
    });
  }
  static int Registros() {
    return static_cast<int>(TnRegistro::Instancia().Instancias(QStringLiteral("TmVoxDMProtocolo")).size());
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  TmVoxDPConsultaProtocoloBase *FBaixado = nullptr;
  TmVoxDPConsultaProtocoloBase *FEntregue = nullptr;
  TnExecutarFormModal FModalAnterior;
  int FAberturas = 0;
  QStringList FAberto;
  QVariant FSelecao;
  QList<int> FTiposBotoes;
};

TEST_F(ConsultaProtocoloTeste, EachConsultationListsItsStageAndBothListAProtocolWithBothStamps) {
  const QMap<QString, QString> todos{{"pFormaEntrega", "0"}};
  EXPECT_EQ(Consultar(FBaixado, todos), (QStringList{"30", "32", "3000000001"}));
  EXPECT_EQ(Consultar(FEntregue, todos), (QStringList{"30", "31", "32", "3000000001"}));
  Ir(FBaixado, 3000000001);
  const TnClientDataSet &linha = FBaixado->nClientDataSet();
  EXPECT_EQ(linha.FieldByName(QStringLiteral("CodigoEmpresa"))->AsInteger(), 2);
  EXPECT_EQ(linha.FieldByName(QStringLiteral("CodigoEstab"))->AsInteger(), 1);
  EXPECT_EQ(linha.FieldByName(QStringLiteral("DataLctoPro"))->AsDate(), QDate(2026, 11, 5));
  EXPECT_EQ(linha.FieldByName(QStringLiteral("Observacao"))->AsString(), QStringLiteral("Protocolo 3000000001"));
  EXPECT_EQ(linha.FieldByName(QStringLiteral("CodigoProtocolo"))->DisplayLabel(), QStringLiteral("Protocolo"));
}

// The one-character columns are compared as text, which every engine
// accepts.
TEST_F(ConsultaProtocoloTeste, DeliveryFormAndKindNarrowTheListAndTodosAmbosAddNothing) {
  EXPECT_EQ(Consultar(FEntregue), (QStringList{"30", "31", "3000000001"}));  // "Retirado" by default
  EXPECT_EQ(Consultar(FEntregue, {{"pFormaEntrega", "2"}}), QStringList{"32"});
  EXPECT_EQ(Consultar(FEntregue, {{"pFormaEntrega", "0"}, {"pTipoProtocolo", "1"}}), (QStringList{"30", "32"}));
  EXPECT_EQ(Consultar(FEntregue, {{"pFormaEntrega", "0"}, {"pTipoProtocolo", "Documentos"}}),
            (QStringList{"31", "3000000001"}));
}

// Both dates include both ends; a single date excludes its own day.
TEST_F(ConsultaProtocoloTeste, DatesBothIncludedWhenTwoAndTheDayItselfExcludedWhenOne) {
  EXPECT_EQ(Consultar(FEntregue, {{"pDataLctoInicial", "01/11/2026"}, {"pDataLctoFinal", "01/11/2026"}}),
            QStringList{"30"});
  EXPECT_EQ(Consultar(FEntregue, {{"pDataLctoInicial", "01/11/2026"}, {"pDataLctoFinal", ""}}),
            (QStringList{"31", "3000000001"}));
  EXPECT_EQ(Consultar(FEntregue, {{"pDataLctoInicial", ""}, {"pDataLctoFinal", "02/11/2026"}}), QStringList{"30"});
}

TEST_F(ConsultaProtocoloTeste, ProtocolCompanyAndEstablishmentSelectionsNarrowTheListAndProtocolIsRequired) {
  EXPECT_EQ(Consultar(FBaixado, {{"pFormaEntrega", "0"}, {"pCodigoProtocolo", "30;3000000001"}}),
            (QStringList{"30", "3000000001"}));
  EXPECT_EQ(Consultar(FBaixado, {{"pFormaEntrega", "0"}, {"pCodigoEstab", "2"}}), QStringList{"32"});
  EXPECT_EQ(Consultar(FBaixado, {{"pFormaEntrega", "0"}, {"pCodigoEmpresa", "1"}}), QStringList());

  FBaixado->npqPowerParam().Param(QStringLiteral("pCodigoProtocolo"))->Clear();
  EXPECT_EQ(ErroDe([&] { FBaixado->ExecutarProcesso(); }), QStringLiteral("O parâmetro Protocolo deve ser informado."));
}

// The register opens on the chosen protocol alone (numbers beyond 32 bits
// included), the reminder comes after the first opening only, and the
// session's selection goes with the register.
TEST_F(ConsultaProtocoloTeste, OpeningShowsTheRegisterOnTheChosenProtocolAndRemindsOnce) {
  FBaixado->CriarForm();
  Consultar(FBaixado, {{"pFormaEntrega", "0"}});
  AoAbrirRegistro();
  FDialogos->ResponderTexto(QStringLiteral("Ok"));
  Ir(FBaixado, 3000000001);
  ASSERT_TRUE(FBaixado->nDBGrid()->DblClick());
  EXPECT_EQ(FAberto, QStringList{"3000000001"});
  EXPECT_EQ(FSelecao.toLongLong(), 3000000001);
  EXPECT_EQ(FTiposBotoes, (QList<int>{0, 2, 3}));
  EXPECT_EQ(FDialogos->Textos(), QStringList{kLembrete});
  EXPECT_FALSE(nDMConexao()->Selecao().TemParam(QStringLiteral("CODIGOPROTOCOLO")));
  EXPECT_EQ(Registros(), 0);

  // Ctrl+Enter and the pop-up item open it too; no reminder any more.
  Ir(FBaixado, 30);
  ASSERT_TRUE(FBaixado->Form()->PressionarAtalho(QKeyCombination(Qt::ControlModifier, Qt::Key_Return)));
  EXPECT_EQ(FAberto, QStringList{"30"});
  ASSERT_TRUE(FBaixado->nDBGrid()->ClicarItemPopup(QStringLiteral("Abrir Cadastro do Lançamento")));
  EXPECT_EQ(FAberturas, 3);
  EXPECT_EQ(FDialogos->Textos(), QStringList{kLembrete});
  EXPECT_EQ(Registros(), 0);
}

TEST_F(ConsultaProtocoloTeste, ARegisterFailingInItsFormLeavesNoSelectionAndNoRegisterBehind) {
  Consultar(FEntregue);
  AoAbrirRegistro(true);
  Ir(FEntregue, 31);
  EXPECT_EQ(ErroDe([&] { FEntregue->actAbrirLcto(nullptr); }), QStringLiteral("Falha no cadastro."));
  EXPECT_EQ(FAberto, QStringList{"31"});
  EXPECT_FALSE(nDMConexao()->Selecao().TemParam(QStringLiteral("CODIGOPROTOCOLO")));
  EXPECT_EQ(Registros(), 0);
  EXPECT_TRUE(FEntregue->MostrarMsg());
}

TEST_F(ConsultaProtocoloTeste, ARowWithoutProtocolOpensNothing) {
  TnClientDataSet &dados = FBaixado->nClientDataSet();
  dados.Append();
  dados.FieldByName(QStringLiteral("CodigoEmpresa"))->SetAsInteger(2);
  dados.Post();
  AoAbrirRegistro();
  FBaixado->actAbrirLcto(nullptr);
  EXPECT_EQ(FAberturas, 0);
  EXPECT_EQ(Registros(), 0);
}

}  // namespace
