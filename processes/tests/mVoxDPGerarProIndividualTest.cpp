// The individual protocol on the sample office: establishment 2/1 delivers
// over the internet (3), 2/3 has no protocol configuration; no protocol
// exists yet; the clock stands at 01/12/2026 09:30:00 and the user is 1.
#include <QDate>
#include <QDateTime>
#include <functional>

#include "mVoxDPGerarProIndividual_U.h"
#include "mVoxPkTeste_U.h"
#include "nActionList_U.h"
#include "nAction_U.h"
#include "nDialogosTeste_U.h"
#include "nFrmPowerParam_U.h"
#include "nFrmGerarProtocolo_U.h"
#include "nModulos_U.h"
#include "nPainel_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QDate kHoje(2026, 12, 1);
const QDateTime kAgora(kHoje, QTime(9, 30, 0));

// What a caller or the user gives the panel.
struct TnPedido {
  QString Documento;
  QString Funcionario;
  QString Empresa = "2";
  QString Estab = "1";
  QString Data = "15/10/2026";
  QString Observacao = "Guias de novembro";
  QString Forma;
  QString Natureza = "1";
  QString Descricao = "  DARF e GPS de 11/2026  ";
};

class GerarProIndividualTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    FProcesso = dynamic_cast<TmVoxDPGerarProIndividual *>(CriarDM(QStringLiteral("TmVoxDPGerarProIndividual")));
    ASSERT_NE(FProcesso, nullptr);
  }

  TnpqParamItem *P(const char *nome) { return FProcesso->npqPowerParam().Param(QLatin1String(nome)); }
  void Preencher(const TnPedido &p) {
    P("pCodigoDocumento")->SetAsString(p.Documento);
    P("pCodFunc")->SetAsString(p.Funcionario);
    P("pCodigoEmpresa")->SetAsString(p.Empresa);
    P("pCodigoEstab")->SetAsString(p.Estab);
    P("pDataLctoPro")->SetAsString(p.Data);
    P("pObservacao")->SetAsString(p.Observacao);
    P("pFormaEntrega")->SetAsString(p.Forma);
    P("pNatureza")->SetAsString(p.Natureza);
    P("pDescricaoItem")->SetAsString(p.Descricao);
  }
  // A run by code, as a caller may start it; the error it raised.
  QString Gerar(const TnPedido &p = {}) {
    Preencher(p);
    return ErroDe([&] { FProcesso->Executar(); });
  }
  QVariant CodigoPro() { return P("pCodigoPro")->GetAsVariant(); }
  QVariant Protocolo(const char *coluna, qint64 codigo) {
    return Valor(QStringLiteral("select %1 from PROTOCOLO where CODIGOPROTOCOLO = :c").arg(QLatin1String(coluna)),
                 {codigo});
  }
  QVariant Item(const char *coluna, qint64 codigo) {
    return Valor(QStringLiteral("select %1 from PROTOCOLOITEM where CODIGOPROTOCOLO = :c and SEQITEMPRO = 1")
                     .arg(QLatin1String(coluna)),
                 {codigo});
  }
  void InserirProtocolo(qint64 codigo) {
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                     "TIPOPRO, CANCELADO, ORIGEMDADO) values (:c, 1, 1, :d, '1', '0', 1)"),
                      {codigo, QDate(2026, 11, 30)});
  }

  TnParamsSalvosTeste FParams;
  TmVoxDPGerarProIndividual *FProcesso = nullptr;
};

TEST_F(GerarProIndividualTeste, TheProcessIsAGenerationChildOfferedWithoutAMenuItem) {
  EXPECT_TRUE(FProcesso->InheritsFrom(QStringLiteral("TmVoxDPGerarProtocoloBase")));
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloMVox});
  const QList<TnAction *> actions = lista.FindAll(QStringLiteral("actTmVoxDPGerarProIndividual"));
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->Category(), QStringLiteral("01 Cadastros\\20 Protocolo"));
  EXPECT_EQ(actions[0]->Caption(), QStringLiteral("Gerar Protocolo Individual"));
  EXPECT_EQ(actions[0]->Index(), 2);
  EXPECT_FALSE(actions[0]->CriarMenu());
  TnActionList outra;
  nGerarActions(outra, nullptr, TnModulos{nModuloRTul});
  EXPECT_TRUE(outra.FindAll(QStringLiteral("actTmVoxDPGerarProIndividual")).isEmpty());
}

TEST_F(GerarProIndividualTeste, ThePanelOffersItsParametersInOrderWithTheirCaptionsKindsAndRules) {
  struct Esperado {
    const char *Alias;
    const char *Caption;
    bool Obrigatorio;
  };
  const Esperado esperados[] = {
      {"pCodigoDocumento", "Documento", false}, {"pCodFunc", "Funcionário", false},
      {"pCodigoEmpresa", "Empresa", true},      {"pCodigoEstab", "Filial", false},
      {"pDataLctoPro", "Data Protocolo", true}, {"pObservacao", "Observação", false},
      {"pFormaEntrega", "Forma Entrega", false}, {"pNatureza", "Natureza", true},
      {"pDescricaoItem", "Descricao Item", true}, {"pCodigoPro", "Codigo Protocolo", false},
  };
  const TnpqPowerParam &painel = FProcesso->npqPowerParam();
  EXPECT_EQ(painel.Caption(), QStringLiteral("Gerar Protocolo Individual"));
  ASSERT_EQ(painel.GetCount(), 10);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(esperados[i].Alias);
    EXPECT_EQ(painel.GetParams(i)->Alias(), QLatin1String(esperados[i].Alias));
    EXPECT_EQ(painel.GetParams(i)->Caption(), QString::fromUtf8(esperados[i].Caption));
    EXPECT_EQ(painel.GetParams(i)->Obrigatorio(), esperados[i].Obrigatorio);
  }
  EXPECT_EQ(P("pDataLctoPro")->Tipo(), TnTipoParam::Data);
  EXPECT_EQ(P("pCodigoPro")->Tipo(), TnTipoParam::Numero);
  EXPECT_EQ(P("pFormaEntrega")->Nomes(), (QStringList{"Retirado", "Entregue em Mãos", "Entregue via Internet"}));
  EXPECT_EQ(P("pFormaEntrega")->Valores(), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(P("pNatureza")->Nomes(), (QStringList{"Saída", "Entrada"}));
  EXPECT_EQ(P("pNatureza")->Valores(), (QStringList{"1", "2"}));
}

// --- the write

TEST_F(GerarProIndividualTeste, ARunWritesOneTypedProtocolDatedTodayWithOneItemAndAnswersItsNumber) {
  auto *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
  ASSERT_NE(registro, nullptr);
  TnPedido pedido;
  pedido.Documento = " 7 ";
  pedido.Funcionario = "12";
  ASSERT_EQ(Gerar(pedido), QString());

  ASSERT_EQ(CodigoPro().toLongLong(), 1);  // the first protocol of an empty table
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 1);
  // Today, whatever date the caller gave, and no time: the date equals the
  // bound day on every engine.
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("DATALCTOPRO = '2026-12-01'")), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("DATALCTOPRO = '2026-12-01'")), 1);
  EXPECT_EQ(Protocolo("CODIGOEMPRESA", 1).toInt(), 2);
  EXPECT_EQ(Protocolo("CODIGOESTAB", 1).toInt(), 1);
  EXPECT_EQ(Protocolo("TIPOPRO", 1).toString(), QStringLiteral("2"));
  EXPECT_EQ(Protocolo("OBSERVACAO", 1).toString(), QStringLiteral("Guias de novembro"));
  EXPECT_EQ(Protocolo("DATAHORACADASTRO", 1).toDateTime(), kAgora);
  EXPECT_EQ(Protocolo("CODIGOUSUARIO", 1).toInt(), 1);
  EXPECT_EQ(Protocolo("FORMAENTREGA", 1).toString(), QStringLiteral("3"));
  EXPECT_EQ(Protocolo("NATUREZAPRO", 1).toString(), QStringLiteral("1"));
  EXPECT_EQ(Protocolo("CANCELADO", 1).toString(), QStringLiteral("0"));
  EXPECT_EQ(Protocolo("ORIGEMDADO", 1).toInt(), 1);

  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), 1);
  EXPECT_EQ(Item("DESCRITEM", 1).toString(), QStringLiteral("DARF e GPS de 11/2026"));
  EXPECT_EQ(Item("CODIGODOCEMP", 1).toLongLong(), 7);
  EXPECT_EQ(Item("CODIGOFUNCCONTR", 1).toInt(), 12);
  EXPECT_EQ(Item("CANCELADO", 1).toString(), QStringLiteral("0"));
  EXPECT_EQ(Item("ORIGEMDADO", 1).toInt(), 1);
  EXPECT_EQ(Item("CODIGOUSUARIO", 1).toInt(), 1);
  EXPECT_EQ(Item("DATAHORACADASTRO", 1).toDateTime(), kAgora);
  for (const char *vazia : {"VENCIMENTO", "VALOR", "CODIGOIMPOSTO", "VARIACAOIMPOSTO", "CHAVEORIGEM", "COMPETENCIA"})
    EXPECT_TRUE(Item(vazia, 1).isNull()) << vazia;
  EXPECT_FALSE(nDMConexao()->EmTransacao());
  // The open protocol registers show it.
  EXPECT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
}

TEST_F(GerarProIndividualTeste, EmptyOptionalValuesAreWrittenAsNoValue) {
  TnPedido pedido;
  pedido.Observacao = "   ";
  ASSERT_EQ(Gerar(pedido), QString());
  EXPECT_TRUE(Protocolo("OBSERVACAO", 1).isNull());
  EXPECT_TRUE(Item("CODIGODOCEMP", 1).isNull());
  EXPECT_TRUE(Item("CODIGOFUNCCONTR", 1).isNull());
}

TEST_F(GerarProIndividualTeste, TheNumberFollowsTheLargestStoredOneAsA64BitCode) {
  InserirProtocolo(9999999998LL);
  ASSERT_EQ(Gerar(), QString());
  EXPECT_EQ(CodigoPro().toLongLong(), 9999999999LL);
  EXPECT_EQ(Item("SEQITEMPRO", 9999999999LL).toInt(), 1);
}

TEST_F(GerarProIndividualTeste, TheDeliveryFormIsThePanelsElseTheEstablishmentsElseHandedOver) {
  TnPedido pedido;
  pedido.Forma = "1";
  ASSERT_EQ(Gerar(pedido), QString());
  EXPECT_EQ(Protocolo("FORMAENTREGA", CodigoPro().toLongLong()).toString(), QStringLiteral("1"));

  pedido.Forma.clear();
  ASSERT_EQ(Gerar(pedido), QString());
  EXPECT_EQ(Protocolo("FORMAENTREGA", CodigoPro().toLongLong()).toString(), QStringLiteral("3"));

  pedido.Estab = "3";  // no protocol configuration
  ASSERT_EQ(Gerar(pedido), QString());
  EXPECT_EQ(Protocolo("FORMAENTREGA", CodigoPro().toLongLong()).toString(), QStringLiteral("2"));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 3);
}

// --- refusals before anything is written

TEST_F(GerarProIndividualTeste, EachBadParameterIsRefusedOnItsOwnBeforeAnythingIsWritten) {
  struct Caso {
    const char *Parametro;
    std::function<void(TnPedido &)> Mudar;
    const char *Mensagem;
  };
  const QList<Caso> casos = {
      {"pCodigoEstab", [](TnPedido &p) { p.Estab.clear(); }, "Valor invalido para código da filial."},
      {"pCodigoEstab", [](TnPedido &p) { p.Estab = "1a"; }, "Valor invalido para código da filial."},
      {"pCodigoEmpresa", [](TnPedido &p) { p.Empresa = "dois"; }, "Valor invalido para código da empresa."},
      {"pCodigoDocumento", [](TnPedido &p) { p.Documento = "7;1"; }, "Valor invalido para código do documento."},
      {"pCodFunc", [](TnPedido &p) { p.Funcionario = "abc"; }, "Valor invalido para código do funcionário."},
      {"pObservacao", [](TnPedido &p) { p.Observacao = QString(51, u'x'); },
       "O texto de \"Observação\" excede o tamanho máximo de 50 caracteres."},
      {"pDescricaoItem", [](TnPedido &p) { p.Descricao = QString(201, u'y'); },
       "O texto de \"Descricao Item\" excede o tamanho máximo de 200 caracteres."},
  };
  for (const Caso &caso : casos) {
    SCOPED_TRACE(caso.Parametro);
    TnPedido pedido;
    caso.Mudar(pedido);
    Preencher(pedido);
    P("pCodigoPro")->SetAsInteger(5);  // an answer of an earlier run
    try {
      FProcesso->Executar();
      ADD_FAILURE() << "aceito";
    } catch (const EnParam &e) {
      EXPECT_EQ(e.message(), QString::fromUtf8(caso.Mensagem));
      EXPECT_EQ(e.param(), P(caso.Parametro));
    }
    EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  }
  // Exactly at the columns' sizes both texts go in.
  TnPedido cheio;
  cheio.Observacao = QString(50, u'x');
  cheio.Descricao = QString(200, u'y');
  ASSERT_EQ(Gerar(cheio), QString());
  EXPECT_EQ(Item("DESCRITEM", 1).toString().size(), 200);
}

TEST_F(GerarProIndividualTeste, AFailedWriteLeavesNoProtocolNoAnswerAndTheErrorReachesTheCaller) {
  ASSERT_EQ(Gerar(), QString());
  ASSERT_EQ(CodigoPro().toLongLong(), 1);
  // Items may not repeat a description here, so the second run writes its
  // protocol and then has its item refused.
  ExecutarSQLDireto(QStringLiteral("create unique index IX_TESTE_DESCRITEM on PROTOCOLOITEM (DESCRITEM)"));
  Preencher({});
  EXPECT_THROW(FProcesso->Executar(), EDatabaseError);
  EXPECT_TRUE(CodigoPro().isNull());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 1);
  EXPECT_TRUE(Protocolo("CODIGOPROTOCOLO", 2).isNull());
  EXPECT_FALSE(nDMConexao()->EmTransacao());
}

// --- the caller's modal run

TEST_F(GerarProIndividualTeste, ACallersModalRunClosesTheFormAfterAGoodRunAndKeepsNoValues) {
  FProcesso->LimparParamsINI();
  FProcesso->SetChamadoPorOutro(true);
  TnFrmPowerParam *form = FProcesso->CriarForm();
  ASSERT_NE(dynamic_cast<TnFrmGerarProtocolo *>(form), nullptr);
  EXPECT_EQ(form->Caption(), QStringLiteral("Gerar Protocolo Individual"));
  // Only the panel: it fills the form, and the generation's grids and tab
  // are not there.
  EXPECT_EQ(form->PageControl()->Align(), TnAlinhamento::alClient);
  EXPECT_EQ(form->PageCount(), 1);
  auto *gerar = dynamic_cast<TnFrmGerarProtocolo *>(form);
  EXPECT_FALSE(gerar->nDBGridEh()->Visible());
  Preencher({});
  form->SetResultadoAoExecutar(mrOk);
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);

  int execucoes = 0;
  const TnExecutarFormModal anterior = nSetExecutarFormModal([&](TnFrmVisual &f) {
    auto *processo = dynamic_cast<TnFrmPowerParam *>(&f);
    ASSERT_NE(processo, nullptr);
    // A refusal keeps the form open for the user to mend.
    P("pDescricaoItem")->Clear();
    EXPECT_FALSE(processo->Executar());
    EXPECT_TRUE(f.Exibindo());
    P("pDescricaoItem")->SetAsString(QStringLiteral("Guias"));
    ++execucoes;
    EXPECT_TRUE(processo->Executar());
  });
  const int resultado = form->ShowModal();
  nSetExecutarFormModal(anterior);
  EXPECT_EQ(execucoes, 1);
  EXPECT_EQ(dialogos->Textos().size(), 1);  // the refusal, shown once
  EXPECT_EQ(resultado, mrOk);
  EXPECT_EQ(CodigoPro().toLongLong(), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 1);
  EXPECT_FALSE(FParams->TemParams(QStringLiteral("TmVoxDPGerarProIndividual")));
}

}  // namespace
