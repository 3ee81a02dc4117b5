// The protocol generation from tax debits on the sample office of November
// 2026: company 1 with its configured establishment 1; company 2 with the
// configured establishments 1 and 2 and the unconfigured 3; company 3 with
// the unconfigured 1. Debits in all seven tables; the clock stands at
// 01/12/2026 09:30:00.
#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

#include "mVoxDMProtocoloItem_U.h"
#include "mVoxDPGerarProtocolo_U.h"
#include "mVoxGerarProtocoloTeste_U.h"
#include "nActionList_U.h"
#include "nAction_U.h"
#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nFraProgresso_U.h"
#include "nFrmPowerParam_U.h"
#include "nModulos_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nParamsSalvos_U.h"
#include "nToolButton_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"

namespace {

// A generation whose description of municipal debits fails, as a template
// filled from an unreadable value does.
class TmVoxDPGerarProtocoloFalhaTeste : public TmVoxDPGerarProtocolo {
 public:
  QString MontarDescricaoCTR() const override {
    if (Tipo() == 3)
      throw Exception(
          QStringLiteral("Problemas ao montar a descrição!\r\n'x' não é uma data válida para o campo "
                         "DATAFINAL."));
    return TmVoxDPGerarProtocolo::MontarDescricaoCTR();
  }
};

class GerarProtocoloTeste : public TmVoxGerarProtocoloTeste {
 protected:
  void SetUp() override {
    TmVoxGerarProtocoloTeste::SetUp();
    FUnidade.Inicializar();
  }
  void TearDown() override {
    FUnidade.Finalizar();
    TmVoxGerarProtocoloTeste::TearDown();
  }

  QVariant ProtocoloDoDebito(const char *tabela, const char *sufixo, int empresa, int chave) {
    return Valor(QStringLiteral("select CODIGOPROTOCOLO from %1 where CODIGOEMPRESA = :e and CHAVEDEBITO%2 = :c")
                     .arg(QLatin1String(tabela), QLatin1String(sufixo)),
                 {empresa, chave});
  }
  void NovoEstab(int empresa, int estab, bool configurado) {
    ExecutarSQLDireto(QStringLiteral("insert into ESTAB (CODIGOEMPRESA, CODIGOESTAB, NOMEESTAB, APELIDOESTAB) values "
                                     "(:e, :s, 'Filial Nova', 'Nova')"),
                      {empresa, estab});
    if (configurado)
      ExecutarSQLDireto(QStringLiteral("insert into CFGESTABPRO (CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, "
                                       "FORMAENTREGA, MESMOENDERECOENT) values (:e, :s, 1, '1', '1')"),
                        {empresa, estab});
  }
  void NovoDebitoFederal(int empresa, int chave, int estab, const QVariant &vencimento) {
    ExecutarSQLDireto(
        QStringLiteral("insert into DEBITOFEDERAL (CODIGOEMPRESA, CHAVEDEBITOFED, CODIGOESTAB, CODIGOIMPOSTO, "
                       "VARIACAOIMPOSTO, DATALCTOCTR, DATAFINAL, VALORDEBITO, DATAVENCIMENTO, FORMADEBITO, "
                       "SITUACAODEBITO, CODIGOTABCTBCTR, CHAVEORIGEM, CODIGOUSUARIO, DATAHORADEBITO) values (:e, :c, "
                       ":s, 1, 0, :l, :f, '10.05', :v, 0, 0, 2101, 'CTR', 2, :m)"),
        {empresa, chave, estab, QDate(2026, 11, 20), QDate(2026, 11, 30), vencimento,
         QDateTime(QDate(2026, 11, 20), QTime(10, 0))});
  }

  TnUnidadeRegistro FUnidade = TnUnidadeRegistro::DeClasses([] {
    return QList<TnClasseInfo>{
        nInfoClasse<TmVoxDPGerarProtocoloFalhaTeste>("TmVoxDPGerarProtocoloFalhaTeste", "TmVoxDPGerarProtocolo")};
  });
};

const QString kCabecalho = QStringLiteral(
    "4 Débitos Federais, Débitos Estaduais, Débitos Municipais, Débitos Sindicais, Débitos GPS, Débitos FGTS, "
    "Débitos de Folha, Folha de Pagamento, Rescisão, Férias");
const QString kCabecalhoFinanceiro = QStringLiteral("4 Notas Fiscais, Boletos");

}  // namespace

// --- the process, its menu entry and its panel

TEST_F(GerarProtocoloTeste, TheProcessIsAGenerationOfferedUnderProtocolMovements) {
  EXPECT_TRUE(FProcesso->InheritsFrom(QStringLiteral("TmVoxDPGerarProtocoloBase")));
  EXPECT_TRUE(FProcesso->MsgTreeExibir());
  EXPECT_TRUE(FProcesso->ActionGravar());
  EXPECT_TRUE(FProcesso->ActionCancelar());

  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloMVox});
  const QList<TnAction *> actions = lista.FindAll(QStringLiteral("actTmVoxDPGerarProtocolo"));
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->Category(), QStringLiteral("02 Movimentos\\01 Protocolos"));
  EXPECT_EQ(actions[0]->Caption(), QStringLiteral("Gerar Protocolo"));
  EXPECT_EQ(actions[0]->Index(), 1);
  EXPECT_TRUE(actions[0]->Separador());
  EXPECT_TRUE(actions[0]->CriarMenu());
  TnActionList outra;
  nGerarActions(outra, nullptr, TnModulos{nModuloRTul});
  EXPECT_TRUE(outra.FindAll(QStringLiteral("actTmVoxDPGerarProtocolo")).isEmpty());
}

TEST_F(GerarProtocoloTeste, ThePanelOffersItsParametersInOrderWithTheirKindsDefaultsAndRules) {
  struct Esperado {
    const char *Alias;
    const char *Caption;
    TnTipoParam Tipo;
    const char *Padrao;
    bool Obrigatorio;
  };
  const Esperado esperados[] = {
      {"pDataInicial", "Data Inicial", TnTipoParam::Data, "", true},
      {"pDataFinal", "Data Final", TnTipoParam::Data, "", true},
      {"pTipoData", "Filtrar", TnTipoParam::Combo, "1", true},
      {"pFormaGer", "Gerar", TnTipoParam::Combo, "2", true},
      {"pTipo", "Tipo", TnTipoParam::CheckList, "1;2;3;4;5", true},
      {"pTipoFolha", "Tipo Folha", TnTipoParam::Combo, "1", false},  // required only with type 6
      {"pListarDebitos", "Listar", TnTipoParam::Combo, "", true},
      {"pCodigoEmpresa", "Empresa", TnTipoParam::Selecao, "", false},
      {"pCodigoEstab", "Estab", TnTipoParam::Selecao, "", false},
  };
  const TnpqPowerParam &painel = FProcesso->npqPowerParam();
  ASSERT_EQ(painel.GetCount(), 9);
  for (int i = 0; i < 9; ++i) {
    const TnpqParamItem &item = *painel.GetParams(i);
    SCOPED_TRACE(esperados[i].Alias);
    EXPECT_EQ(item.Alias(), QLatin1String(esperados[i].Alias));
    EXPECT_EQ(item.Caption(), QString::fromUtf8(esperados[i].Caption));
    EXPECT_EQ(item.Tipo(), esperados[i].Tipo);
    EXPECT_EQ(item.GetAsString(), QLatin1String(esperados[i].Padrao));
    EXPECT_EQ(item.Obrigatorio(), esperados[i].Obrigatorio);
  }
  EXPECT_EQ(P("pTipoData")->Valores(), (QStringList{"1", "2"}));
  EXPECT_EQ(P("pTipoData")->Nomes(), (QStringList{"Data Apuração", "Data Vencimento"}));
  EXPECT_EQ(P("pTipoData")->Hint(),
            QStringLiteral("Selecione o tipo de data que deseja usar para filtro das informações"));
  EXPECT_EQ(P("pFormaGer")->Nomes(), (QStringList{"Protocolo Único", "Dividido em Tipos"}));
  EXPECT_EQ(P("pFormaGer")->Hint(), QStringLiteral("Selecione a maneira que deseja gerar o protocolo"));
  EXPECT_EQ(P("pTipo")->Valores(), (QStringList{"1", "2", "3", "4", "5", "9", "10", "6", "7", "8", "11", "12"}));
  EXPECT_EQ(P("pTipo")->Nomes(),
            (QStringList{"Débitos Federais", "Débitos Estaduais", "Débitos Municipais", "Débitos Sindicais",
                         "Débitos GPS", "Débitos FGTS", "Débitos de Folha de Pagamento", "Folha de Pagamento",
                         "Rescisão", "Férias", "Financeiro - Notas Fiscais", "Financeiro - Boletos"}));
  EXPECT_EQ(P("pTipoFolha")->Nomes(), (QStringList{"Totalizar", "Por Funcionário"}));
  EXPECT_EQ(P("pTipoFolha")->Hint(), QStringLiteral("Selecione como serão listados os valores da folha"));
  EXPECT_EQ(P("pListarDebitos")->Nomes(), (QStringList{"Sem Protocolo", "Todos"}));
  EXPECT_EQ(P("pListarDebitos")->Valores(), (QStringList{"0", "1"}));
}

TEST_F(GerarProtocoloTeste, TipoFolhaIsEnabledAndRequiredExactlyWhilePayType6IsTickedAlsoAfterKeptValuesReturn) {
  EXPECT_FALSE(P("pTipoFolha")->Habilitado());
  P("pTipo")->Marcar(QStringLiteral("6"), true);
  EXPECT_TRUE(P("pTipoFolha")->Habilitado());
  EXPECT_TRUE(P("pTipoFolha")->Obrigatorio());
  // Type 16 is not type 6.
  P("pTipo")->SetAsString(QStringLiteral("1;16;60"));
  EXPECT_FALSE(P("pTipoFolha")->Habilitado());
  EXPECT_FALSE(P("pTipoFolha")->Obrigatorio());

  // Kept with type 6 ticked: a new screen opens with "Tipo Folha" enabled,
  // and the other way round.
  FParams->Salvar(QStringLiteral("TmVoxDPGerarProtocolo"), {{QStringLiteral("pTipo"), QStringLiteral("6;7")},
                                                            {QStringLiteral("pTipoFolha"), QStringLiteral("2")}});
  TmVoxDPGerarProtocolo *outro = Novo();
  outro->CriarForm();
  EXPECT_TRUE(outro->npqPowerParam().Param(QStringLiteral("pTipoFolha"))->Habilitado());
  EXPECT_EQ(outro->Param(QStringLiteral("pTipoFolha")), QStringLiteral("2"));
  FParams->Salvar(QStringLiteral("TmVoxDPGerarProtocolo"), {{QStringLiteral("pTipo"), QStringLiteral("1")}});
  TmVoxDPGerarProtocolo *terceiro = Novo();
  terceiro->npqPowerParam().Param(QStringLiteral("pTipo"))->SetAsString(QStringLiteral("6"));
  terceiro->CriarForm();
  EXPECT_FALSE(terceiro->npqPowerParam().Param(QStringLiteral("pTipoFolha"))->Habilitado());
}

// --- validation

TEST_F(GerarProtocoloTeste, EachInvalidParameterIsRefusedWithItsOwnMessageBeforeAnythingIsListed) {
  const auto recusa = [&](TnGeracao g, const char *parametro) {
    Preencher(g);
    try {
      FProcesso->ValidarDado();
    } catch (const EnParam &e) {
      return QLatin1String(parametro) + QStringLiteral(": ") + e.message();
    }
    return QStringLiteral("aceito");
  };
  EXPECT_EQ(recusa({.Inicio = ""}, "pDataInicial"), QStringLiteral("pDataInicial: Valor de data inicial invalido."));
  EXPECT_EQ(recusa({.Inicio = "31/02/2026"}, "pDataInicial"),
            QStringLiteral("pDataInicial: Valor de data inicial invalido."));
  EXPECT_EQ(recusa({.Fim = "amanhã"}, "pDataFinal"), QStringLiteral("pDataFinal: Valor de data final invalido."));
  EXPECT_EQ(recusa({.Forma = ""}, "pFormaGer"), QStringLiteral("pFormaGer: Valor invalido para forma de geração."));
  EXPECT_EQ(recusa({.Forma = "3"}, "pFormaGer"), QStringLiteral("pFormaGer: Valor invalido para forma de geração."));

  // "Tipo Folha" counts only while it is enabled.
  P("pTipoFolha")->SetAsString(QStringLiteral("x"));
  EXPECT_EQ(recusa({.Tipos = "1"}, ""), QStringLiteral("aceito"));
  EXPECT_EQ(recusa({.Tipos = "1;6"}, "pTipoFolha"), QStringLiteral("pTipoFolha: Valor invalido."));
  P("pTipoFolha")->SetAsString(QStringLiteral("2"));
  EXPECT_EQ(recusa({.Tipos = "1;6"}, ""), QStringLiteral("aceito"));
  EXPECT_EQ(FProcesso->TipoFolha(), 2);
  EXPECT_EQ(FProcesso->Opcoes(), (QStringList{"1", "6"}));
}

TEST_F(GerarProtocoloTeste, TypedCompanyAndEstablishmentSelectionsAreNumbersAndRangesOrRefusedBeforeAnySQL) {
  EXPECT_EQ(Gerar({.Empresas = "1 or 1=1"}),
            QStringLiteral("Empresa: Seleção inválida: \"1 or 1=1\". Informe números separados por \";\" e "
                           "intervalos como 1-5."));
  EXPECT_TRUE(
      Gerar({.Estabs = "1); delete from DEBITOFEDERAL; --"}).startsWith(QStringLiteral("Estab: Seleção inválida")));
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL")), 7);
  EXPECT_EQ(FProcesso->MsgTreeLista().Contar(), 0);

  // Lists and ranges choose the establishments visited.
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "2-3", .Estabs = "1;3"}), QString());
  EXPECT_EQ(
      Arvore(),
      (QStringList{kCabecalho, "  4 Empresa: 2 - Padaria Pão Quente Ltda (erro)",
                   "    4 Filial: 1 - Pão Quente Augusta (confirmação)", "      5 Débitos Federais: 2 itens listados",
                   "    4 Filial: 3 - Pão Quente Botafogo (erro)", "      0 Filial não configurada no Protocolo.",
                   "  4 Empresa: 3 - Tecidos Fio de Ouro Ltda (erro)", "    4 Filial: 1 - Fio de Ouro (erro)",
                   "      0 Filial não configurada no Protocolo.", kCabecalhoFinanceiro}));
}

TEST_F(GerarProtocoloTeste, AnEmptyOrUnknownTypeListListsNothingWithoutFailing) {
  for (const char *tipos : {"", "x;99"}) {
    SCOPED_TRACE(tipos);
    P("pTipoFolha")->SetAsString(QStringLiteral("1"));
    ASSERT_EQ(Gerar({.Tipos = tipos, .Forma = "1", .Empresas = "1"}), QString());
    EXPECT_TRUE(Mestre().IsEmpty());
    EXPECT_TRUE(Detalhe().IsEmpty());
    // The first heading names every debit and payroll type whatever is
    // ticked.
    EXPECT_EQ(Arvore(), (QStringList{kCabecalho, "  4 Empresa: 1 - Organização Contábil Exemplo Ltda",
                                     "    4 Filial: 1 - Exemplo Matriz", "      4 Nenhum item foi listado (informação)",
                                     kCabecalhoFinanceiro}));
  }
}

// --- the run

TEST_F(GerarProtocoloTeste, OneProposalPerTypeTheTreeOfEveryEstablishmentAndTheUnconfiguredOnesSkipped) {
  ASSERT_EQ(Gerar(), QString());
  EXPECT_EQ(Arvore(), (QStringList{kCabecalho,
                                   "  4 Empresa: 1 - Organização Contábil Exemplo Ltda (confirmação)",
                                   "    4 Filial: 1 - Exemplo Matriz (confirmação)",
                                   "      5 Débitos Federais: 4 itens listados",
                                   "      5 Débitos Municipais: 1 itens listados",
                                   "      5 Débitos Sindicais: 1 itens listados",
                                   "      5 Débitos GPS: 1 itens listados",
                                   "      5 Débitos FGTS: 1 itens listados",
                                   "      5 Débitos de Folha: 2 itens listados",
                                   "  4 Empresa: 2 - Padaria Pão Quente Ltda (erro)",
                                   "    4 Filial: 1 - Pão Quente Augusta (confirmação)",
                                   "      5 Débitos Federais: 2 itens listados",
                                   "      5 Débitos Estaduais: 2 itens listados",
                                   "      5 Débitos Municipais: 1 itens listados",
                                   "      5 Débitos Sindicais: 1 itens listados",
                                   "      5 Débitos GPS: 1 itens listados",
                                   "      5 Débitos FGTS: 1 itens listados",
                                   "      5 Débitos de Folha: 2 itens listados",
                                   "    4 Filial: 2 - Pão Quente Campinas (confirmação)",
                                   "      5 Débitos Estaduais: 1 itens listados",
                                   "      5 Débitos GPS: 1 itens listados",
                                   "      5 Débitos FGTS: 1 itens listados",
                                   "      5 Débitos de Folha: 1 itens listados",
                                   "    4 Filial: 3 - Pão Quente Botafogo (erro)",
                                   "      0 Filial não configurada no Protocolo.",
                                   "  4 Empresa: 3 - Tecidos Fio de Ouro Ltda (erro)",
                                   "    4 Filial: 1 - Fio de Ouro (erro)",
                                   "      0 Filial não configurada no Protocolo.",
                                   kCabecalhoFinanceiro}));
  const QStringList propostas = Propostas();
  ASSERT_EQ(propostas.size(), 17);
  EXPECT_EQ(propostas.first(), QStringLiteral("1|1|1|Débitos Federais - Gerado em 01/12/2026 09:30:00"));
  EXPECT_EQ(propostas.at(6), QStringLiteral("7|2|1|Débitos Federais - Gerado em 01/12/2026 09:30:00"));
  EXPECT_EQ(propostas.last(), QStringLiteral("17|2|2|Débitos de Folha - Gerado em 01/12/2026 09:30:00"));
  EXPECT_EQ(Detalhe().RecordCount(), 24);
  // Each proposal numbers its own items from 1.
  EXPECT_EQ(Itens().mid(0, 5),
            (QStringList{"1|1|D01FED;1;1", "1|2|D01FED;1;2", "1|3|D01FED;1;3", "1|4|D01FED;1;4", "2|1|D03MUN;1;1"}));
  // The establishment's delivery form and the run's stamps.
  TnClientDataSet cursor;
  cursor.CloneCursor(&Mestre(), true);
  ASSERT_TRUE(cursor.Locate(QStringLiteral("CODIGOPROTOCOLO"), 7));
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("FORMAENTREGA"))->AsString(), QStringLiteral("3"));
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("EMPRESA"))->AsString(), QStringLiteral("2 - Padaria Pão Quente Ltda"));
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("ESTAB"))->AsString(), QStringLiteral("1 - Pão Quente Augusta"));
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate(), QDate(2026, 12, 1));
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("TIPOPRO"))->AsInteger(), 1);
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("NATUREZAPRO"))->AsString(), QStringLiteral("1"));
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("CODIGOUSUARIO"))->AsInteger(), 1);
  EXPECT_EQ(cursor.FieldByName(QStringLiteral("TODOSSELECIONADOS"))->AsInteger(), 0);
}

TEST_F(GerarProtocoloTeste, ADebitItemCarriesItsDebitsValuesKeysAndTheTypesDescription) {
  ASSERT_EQ(Gerar({.Tipos = "1;4", .Empresas = "1"}), QString());
  const QStringList campos{"TIPODEBITO",      "DESCRITEM",     "COMPETENCIA",     "DATALCTOPRO",  "VENCIMENTO",
                           "VALOR",           "CODIGOIMPOSTO", "VARIACAOIMPOSTO", "PROTOCOLO",    "CODIGODOCEMP",
                           "CODIGOFUNCCONTR", "CANCELADO",     "CHAVEDEBITO",     "MODULO",       "GERAR",
                           "TABELA",          "TABELACHAVE",   "ORIGEMDADO",      "CODIGOUSUARIO"};
  EXPECT_EQ(Item(QStringLiteral("D01FED;1;1"), campos),
            QStringLiteral("TIPODEBITO=Débitos Federais|DESCRITEM=IRPJ - Estimativa Mensal - Competência 11/2026|"
                           "COMPETENCIA=01/11/2026|DATALCTOPRO=01/12/2026|VENCIMENTO=31/12/2026|VALOR=1250|"
                           "CODIGOIMPOSTO=1|VARIACAOIMPOSTO=0|PROTOCOLO=|CODIGODOCEMP=|CODIGOFUNCCONTR=|CANCELADO=0|"
                           "CHAVEDEBITO=1|MODULO=CTR|GERAR=0|TABELA=DEBITOFEDERAL|TABELACHAVE=FED|ORIGEMDADO=1|"
                           "CODIGOUSUARIO=1"));
  // The union table: its own key column, and no observation to fill.
  EXPECT_EQ(Item(QStringLiteral("D04SIND;1;1"), {"TABELA", "TABELACHAVE", "CHAVEDEBITO", "VALOR"}),
            QStringLiteral("TABELA=DEBITOSINDICAL|TABELACHAVE=SIND|CHAVEDEBITO=1|VALOR=180"));
  EXPECT_EQ(FProcesso->Tabela(), QStringLiteral("DEBITOSINDICAL"));
  EXPECT_EQ(FProcesso->ChaveDebito(), QStringLiteral("SIND"));

  ExecutarSQLDireto(
      QStringLiteral("update CFGTIPOPROTOCOLO set DESCRTIPOPROTOCOLO = '[DESCRIMPOSTO] [OBSERVDEBITO]' "
                     "where CODIGOTIPOPROTOCOLO in (1, 4)"));
  ASSERT_EQ(Gerar({.Tipos = "1;4", .Empresas = "1"}), QString());
  EXPECT_EQ(Item(QStringLiteral("D01FED;1;1"), {"DESCRITEM"}),
            QStringLiteral("DESCRITEM=Imposto de Renda Pessoa Jurídica Lucro presumido"));
  EXPECT_EQ(Item(QStringLiteral("D04SIND;1;1"), {"DESCRITEM"}),
            QStringLiteral("DESCRITEM=Contribuição Sindical [OBSERVDEBITO]"));
}

TEST_F(GerarProtocoloTeste, EveryEstablishmentsItemsAreDescribedFromTheirOwnRows) {
  // One statement per table serves every establishment of the pass; each
  // item still describes its own row, also after the template changed.
  for (const char *modelo : {"[CODIGOEMPRESA]/[CODIGOESTAB]/[CHAVEDEBITO]", "[codigoestab]-[CODIGOEMPRESA]"}) {
    SCOPED_TRACE(modelo);
    ExecutarSQLDireto(QStringLiteral("update CFGTIPOPROTOCOLO set DESCRTIPOPROTOCOLO = :m "
                                     "where CODIGOTIPOPROTOCOLO in (1, 2, 10)"),
                      {QString::fromLatin1(modelo)});
    ASSERT_EQ(Gerar({.Tipos = "1;2;10", .Empresas = "1-2"}), QString());
    const QStringList itens = ItensComProposta({QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB")},
                                               {QStringLiteral("DESCRITEM"), QStringLiteral("CHAVEDEBITO")});
    QSet<QString> estabs;
    for (const QString &linha : itens) {
      const QStringList v = linha.split(u'|');
      ASSERT_EQ(v.size(), 4) << linha.toStdString();
      const QString empresa = v[0].rightJustified(4, u'0');
      const QString estab = v[1].rightJustified(4, u'0');
      const QString esperado = QLatin1String(modelo).startsWith(QLatin1String("[CODIGOEMPRESA]"))
                                   ? empresa + u'/' + estab + u'/' + v[3].rightJustified(6, u'0')
                                   : estab + u'-' + empresa;
      EXPECT_EQ(v[2], esperado) << linha.toStdString();
      estabs.insert(v[0] + u'/' + v[1]);
    }
    EXPECT_GE(estabs.size(), 3);
  }
}

TEST_F(GerarProtocoloTeste, PayrollDebitsComeWithTheirEmployeeAndNoTax) {
  // An employee the payroll does not know: the debit is not listed.
  ExecutarSQLDireto(QStringLiteral(
      "insert into DEBITOFOLHA (CODIGOEMPRESA, CHAVEDEBITOFOLHA, CODIGOESTAB, DATALCTOCTR, VALORDEBITO, "
      "DATAVENCIMENTO, SITUACAODEBITO, CODIGOTABCTBCTR, CHAVEORIGEM, CODIGOUSUARIO, CODIGOFUNCCONTR) values (1, 9, 1, "
      "'2026-11-30', '10.00', '2026-12-07', 0, 2701, 'FPA', 2, 99)"));
  ASSERT_EQ(Gerar({.Tipos = "10", .Empresas = "1"}), QString());
  EXPECT_EQ(Itens(), (QStringList{"1|1|D10FOLHA;1;1", "1|2|D10FOLHA;1;2"}));
  EXPECT_EQ(Item(QStringLiteral("D10FOLHA;1;2"),
                 {"TIPODEBITO", "DESCRITEM", "CODIGOIMPOSTO", "VARIACAOIMPOSTO", "TABELA", "TABELACHAVE"}),
            QStringLiteral("TIPODEBITO=Débitos de Folha|DESCRITEM=Folha 0002 - Rafael Teixeira Duarte - Competência "
                           "11/2026|CODIGOIMPOSTO=|VARIACAOIMPOSTO=|TABELA=DEBITOFOLHA|TABELACHAVE=FOLHA"));
  EXPECT_EQ(Propostas(), (QStringList{"1|1|1|Débitos de Folha - Gerado em 01/12/2026 09:30:00"}));
}

TEST_F(GerarProtocoloTeste, ASingleProtocolHoldsEveryTypeNumberedAcrossTypesWithoutATitle) {
  ASSERT_EQ(Gerar({.Tipos = "1;5", .Forma = "1", .Empresas = "1"}), QString());
  EXPECT_EQ(Propostas(), (QStringList{"1|1|1|Gerado em 01/12/2026 09:30:00"}));
  EXPECT_EQ(Itens(),
            (QStringList{"1|1|D01FED;1;1", "1|2|D01FED;1;2", "1|3|D01FED;1;3", "1|4|D01FED;1;4", "1|5|D05GPS;1;1"}));
  EXPECT_EQ(Arvore().mid(3, 2),
            (QStringList{"      5 Débitos Federais: 4 itens listados", "      5 Débitos GPS: 1 itens listados"}));

  ASSERT_EQ(Gerar({.Tipos = "1;5", .Forma = "2", .Empresas = "1"}), QString());
  EXPECT_EQ(Propostas(), (QStringList{"1|1|1|Débitos Federais - Gerado em 01/12/2026 09:30:00",
                                      "2|1|1|Débitos GPS - Gerado em 01/12/2026 09:30:00"}));
  EXPECT_EQ(Itens().last(), QStringLiteral("2|1|D05GPS;1;1"));
}

TEST_F(GerarProtocoloTeste, AnEstablishmentWithNoRowsGivesItsProposalNumberToTheNext) {
  ExecutarSQLDireto(
      QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                     "TIPOPRO, CANCELADO, NATUREZAPRO) values (41, 1, 1, '2026-11-02', '2', '0', '1')"));
  NovoEstab(1, 2, true);  // configured, no debits: between 1/1 and 2/1
  for (const char *forma : {"1", "2"}) {
    SCOPED_TRACE(forma);
    ASSERT_EQ(Gerar({.Tipos = "1;2", .Forma = forma, .Empresas = "1-2", .Estabs = "1-2"}), QString());
    QStringList donos;
    for (const QString &linha : Propostas()) donos << linha.section(u'|', 0, 2);
    if (QLatin1String(forma) == QLatin1String("1"))
      EXPECT_EQ(donos, (QStringList{"42|1|1", "43|2|1", "44|2|2"}));
    else
      EXPECT_EQ(donos, (QStringList{"42|1|1", "43|2|1", "44|2|1", "45|2|2"}));
    EXPECT_EQ(Arvore().at(4), QStringLiteral("    4 Filial: 2 - Nova"));
    EXPECT_EQ(Arvore().at(5), QStringLiteral("      4 Nenhum item foi listado (informação)"));
    // The items follow their establishment's proposal.
    EXPECT_EQ(Item(QStringLiteral("D02EST;2;2"), {"CODIGOPROTOCOLO"}), QLatin1String(forma) == QLatin1String("1")
                                                                           ? QStringLiteral("CODIGOPROTOCOLO=44")
                                                                           : QStringLiteral("CODIGOPROTOCOLO=45"));
  }
}

TEST_F(GerarProtocoloTeste, SemProtocoloHidesAProtocolledDebitAndTodosShowsItUnmarkable) {
  ExecutarSQLDireto(
      QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 77 where CODIGOEMPRESA = 1 and CHAVEDEBITOFED = 2"));
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1"}), QString());
  EXPECT_EQ(Itens(), (QStringList{"1|1|D01FED;1;1", "1|2|D01FED;1;3", "1|3|D01FED;1;4"}));

  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1", .Listar = "1"}), QString());
  EXPECT_EQ(Itens(), (QStringList{"1|1|D01FED;1;1", "1|2|D01FED;1;2", "1|3|D01FED;1;3", "1|4|D01FED;1;4"}));
  EXPECT_EQ(Item(QStringLiteral("D01FED;1;2"), {"PROTOCOLO"}), QStringLiteral("PROTOCOLO=77"));
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  ASSERT_TRUE(Mestre().Locate(QStringLiteral("CODIGOPROTOCOLO"), 1));
  ASSERT_TRUE(FProcesso->DBGridEH()->MostrarRowDetailPanel());
  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("SEQITEMPRO"), 2));
  FProcesso->MarcarItem();
  EXPECT_EQ(dialogos->Textos(),
            (QStringList{"Este item não pode ser selecionado, pois já teve o protocolo 77 gerado."}));
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"SEQITEMPRO", "GERAR"}), (QStringList{"1|1", "2|0", "3|1", "4|1"}));
}

TEST_F(GerarProtocoloTeste, DebitsNotDeliveredByProtocolAreNeverListed) {
  // Company 2's federal debit 3 (establishment 2) is paid by automatic debit.
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "2", .Estabs = "2", .Listar = "1"}), QString());
  EXPECT_TRUE(Mestre().IsEmpty());
  ExecutarSQLDireto(
      QStringLiteral("update DEBITOFEDERAL set FORMADEBITO = 2 where CODIGOEMPRESA = 2 and "
                     "CHAVEDEBITOFED = 3"));
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "2", .Estabs = "2"}), QString());
  EXPECT_EQ(Itens(), (QStringList{"1|1|D01FED;2;3"}));
}

TEST_F(GerarProtocoloTeste, TheDueDateFilterReplacesTheLaunchDateFilter) {
  // Federal debits of company 1: launched in November, due on 24/12 (keys 3
  // and 4) and 31/12 (keys 1 and 2).
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1", .Inicio = "25/12/2026", .Fim = "31/12/2026"}), QString());
  EXPECT_TRUE(Mestre().IsEmpty());
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1", .TipoData = "2", .Inicio = "25/12/2026", .Fim = "31/12/2026"}),
            QString());
  EXPECT_EQ(Itens(), (QStringList{"1|1|D01FED;1;1", "1|2|D01FED;1;2"}));
  // The competence is the month of the range's end.
  EXPECT_EQ(Item(QStringLiteral("D01FED;1;1"), {"COMPETENCIA"}), QStringLiteral("COMPETENCIA=01/12/2026"));
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1", .TipoData = "2"}), QString());
  EXPECT_TRUE(Mestre().IsEmpty());
}

TEST_F(GerarProtocoloTeste, AnUnconfiguredEstablishmentGetsItsErrorLineAndTheNextOneIsStillListed) {
  ExecutarSQLDireto(QStringLiteral("delete from CFGESTABPRO where CODIGOEMPRESA = 2 and CODIGOESTAB = 1"));
  ASSERT_EQ(Gerar({.Tipos = "2", .Empresas = "2", .Estabs = "1-2"}), QString());
  EXPECT_EQ(Arvore(),
            (QStringList{kCabecalho, "  4 Empresa: 2 - Padaria Pão Quente Ltda (confirmação)",
                         "    4 Filial: 1 - Pão Quente Augusta (erro)", "      0 Filial não configurada no Protocolo.",
                         "    4 Filial: 2 - Pão Quente Campinas (confirmação)",
                         "      5 Débitos Estaduais: 1 itens listados", kCabecalhoFinanceiro}));
  EXPECT_EQ(Propostas(), (QStringList{"1|2|2|Débitos Estaduais - Gerado em 01/12/2026 09:30:00"}));
  // A delivery form that is no number counts as handed over.
  EXPECT_EQ(Mestre().FieldByName(QStringLiteral("FORMAENTREGA"))->AsString(), QStringLiteral("2"));
}

TEST_F(GerarProtocoloTeste, AFailureInsideThePassStopsTheRunNamingWhereAndListsNothing) {
  TmVoxDPGerarProtocolo *falha = Novo(QStringLiteral("TmVoxDPGerarProtocoloFalhaTeste"));
  ASSERT_NE(falha, nullptr);
  std::swap(FProcesso, falha);
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1"}), QString());
  ASSERT_FALSE(Mestre().IsEmpty());
  EXPECT_EQ(Gerar({.Tipos = "1;3"}),
            QStringLiteral("Empresa: 1\r\nFilial: 1\r\nProtocolo: 2\r\nDébitos Municipais: Problemas ao montar a "
                           "descrição!\r\n'x' não é uma data válida para o campo DATAFINAL."));
  EXPECT_TRUE(Mestre().IsEmpty());
  EXPECT_TRUE(Detalhe().IsEmpty());
  EXPECT_EQ(FProcesso->Progresso(), nullptr);
  EXPECT_EQ(FProcesso->Dados(), nullptr);
  EXPECT_FALSE(FProcesso->BtnSelItem()->Enabled());
  EXPECT_FALSE(Mestre().ControlsDisabled());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);

  // A key the origin keys cannot hold fails the same way.
  std::swap(FProcesso, falha);
  NovoDebitoFederal(1, -5, 1, QDate(2026, 12, 31));
  EXPECT_EQ(Gerar({.Tipos = "1", .Empresas = "1"}),
            QStringLiteral("Empresa: 1\r\nFilial: 1\r\nProtocolo: 1\r\nDébitos Federais: Empresa ou chave de débito "
                           "inválida: 1, -5."));
}

TEST_F(GerarProtocoloTeste, TheProgressShowsEachEstablishmentAndIsFreedAtTheEnd) {
  QStringList textos;
  const TnFraProgresso::TnAoCriar anterior = TnFraProgresso::SetAoCriar([&](TnFraProgresso &frame) {
    frame.Observar([&](TnFraProgresso &f, TnEventoProgresso evento) {
      if (evento == TnEventoProgresso::Alterado && f.Modo() == TnModoProgresso::Multiplo &&
          (textos.isEmpty() || textos.last() != f.Total().Texto))
        textos << f.Total().Texto;
    });
  });
  const QString erro = Gerar({.Tipos = "1", .Empresas = "1-2", .Estabs = "1"});
  TnFraProgresso::SetAoCriar(anterior);
  ASSERT_EQ(erro, QString());
  EXPECT_EQ(textos, (QStringList{"", "1 - Organização Contábil Exemplo Ltda  -  1 - Exemplo Matriz",
                                 "2 - Padaria Pão Quente Ltda  -  1 - Pão Quente Augusta", "Escritório", "Cliente"}));
  EXPECT_EQ(FProcesso->Progresso(), nullptr);
}

// --- the selection buttons

TEST_F(GerarProtocoloTeste, TheSelectionButtonsFollowTheListingAndMarkWhatTheFocusedGridShows) {
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "99"}), QString());
  TnFrmVisual *form = FProcesso->Form();
  ASSERT_NE(form, nullptr);
  TnToolButton *item = FProcesso->BtnSelItem();
  TnToolButton *todos = FProcesso->BtnSelTodos();
  ASSERT_EQ(form->ToolButton(QStringLiteral("Selecionar item.")), item);
  ASSERT_EQ(form->ToolButton(QStringLiteral("Selecionar todos.")), todos);
  EXPECT_EQ(item->Hint(), QStringLiteral("Selecionar item."));
  EXPECT_EQ(item->ImageIndex(), 112);
  EXPECT_EQ(item->ShortCutStr(), QStringLiteral("Ctrl+Enter"));
  EXPECT_EQ(todos->ImageIndex(), 196);
  EXPECT_EQ(todos->ShortCutStr(), QStringLiteral("Ctrl+Ins"));
  // Nothing listed: nothing to select.
  EXPECT_FALSE(item->Enabled());
  EXPECT_FALSE(todos->Enabled());

  ASSERT_EQ(Gerar({.Tipos = "1;5", .Empresas = "1"}), QString());
  EXPECT_TRUE(item->Enabled());
  EXPECT_TRUE(todos->Enabled());
  // The protocol grid has the focus after a run: its protocol's items.
  ASSERT_TRUE(FProcesso->DBGridEH()->Focado());
  ASSERT_TRUE(item->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"CODIGOPROTOCOLO", "SEQITEMPRO", "GERAR"}),
            (QStringList{"1|1|1", "1|2|1", "1|3|1", "1|4|1", "2|1|0"}));
  ASSERT_TRUE(FProcesso->DBGridEHDet()->SetFocus());
  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("SEQITEMPRO"), 3));
  ASSERT_TRUE(item->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"GERAR"}), (QStringList{"1", "1", "0", "1", "0"}));

  // Every item switched: item 3 and the GPS one on, the rest off.
  ASSERT_TRUE(todos->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"GERAR"}), (QStringList{"0", "0", "1", "0", "1"}));
  EXPECT_EQ(Linhas(Mestre(), {"TODOSSELECIONADOS"}), (QStringList{"0", "1"}));
  EXPECT_FALSE(FProcesso->DBGridEH()->RowDetailPanelVisivel());
  EXPECT_EQ(Mestre().RecNo(), 1);
  // From nothing marked, everything.
  FProcesso->actCancelarExecute(nullptr);
  EXPECT_EQ(Linhas(Detalhe(), {"GERAR"}), (QStringList{"0", "0", "0", "0", "0"}));
  ASSERT_TRUE(todos->Click());
  EXPECT_EQ(Linhas(Detalhe(), {"GERAR"}), (QStringList{"1", "1", "1", "1", "1"}));
  EXPECT_EQ(Linhas(Mestre(), {"TODOSSELECIONADOS"}), (QStringList{"1", "1"}));
  EXPECT_TRUE(FProcesso->TemAlteracao());
  EXPECT_FALSE(Mestre().ControlsDisabled());
  EXPECT_FALSE(Detalhe().ControlsDisabled());
}

// --- the save

TEST_F(GerarProtocoloTeste, TheSaveStampsOnlyTheDebitOfThatKeyAndCompanyWithDatesWithoutTime) {
  ASSERT_EQ(Gerar({.Tipos = "1;3"}), QString());
  // Company 2's federal debit 1 (proposal 3); company 1 has a federal debit
  // 1 too.
  ASSERT_TRUE(Mestre().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 1}));
  ASSERT_TRUE(FProcesso->DBGridEH()->MostrarRowDetailPanel());
  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("CHAVEORIGEM"), QStringLiteral("D01FED;2;1")));
  FProcesso->MarcarItem();
  // Company 1's municipal debit (proposal 2): the longest title still leaves
  // the whole observation.
  ASSERT_TRUE(Mestre().Locate(QStringLiteral("OBSERVACAO"),
                              QStringLiteral("Débitos Municipais - Gerado em 01/12/2026 09:30:00")));
  FProcesso->MarcarItensMaster();
  ASSERT_EQ(Gravar(), QString());

  // Numbered in proposal order.
  EXPECT_EQ(ProtocoloDoDebito("DEBITOMUNICIPAL", "MUN", 1, 1).toLongLong(), 1);
  EXPECT_TRUE(ProtocoloDoDebito("DEBITOMUNICIPAL", "MUN", 2, 1).isNull());
  EXPECT_EQ(ProtocoloDoDebito("DEBITOFEDERAL", "FED", 2, 1).toLongLong(), 2);
  EXPECT_TRUE(ProtocoloDoDebito("DEBITOFEDERAL", "FED", 1, 1).isNull());
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 1);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOMUNICIPAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 1);

  EXPECT_EQ(Valor(QStringLiteral("select OBSERVACAO from PROTOCOLO where CODIGOPROTOCOLO = 1")).toString(),
            QStringLiteral("Débitos Municipais - Gerado em 01/12/2026 09:30:00"));
  EXPECT_EQ(Valor(QStringLiteral("select DATALCTOPRO from PROTOCOLO where CODIGOPROTOCOLO = 2")).toString(),
            QStringLiteral("2026-12-01"));
  auto item = [&](const char *coluna) {
    return Valor(QStringLiteral("select %1 from PROTOCOLOITEM where CODIGOPROTOCOLO = 2 and SEQITEMPRO = 1")
                     .arg(QLatin1String(coluna)))
        .toString();
  };
  EXPECT_EQ(item("DATALCTOPRO"), QStringLiteral("2026-12-01"));
  EXPECT_EQ(item("VENCIMENTO"), QStringLiteral("2026-12-24"));
  EXPECT_EQ(item("COMPETENCIA"), QStringLiteral("2026-11-01"));
  EXPECT_EQ(item("CHAVEORIGEM"), QStringLiteral("D01FED;2;1"));
  EXPECT_EQ(item("DESCRITEM"), QStringLiteral("PIS - Competência 11/2026"));
  EXPECT_EQ(item("VALOR").toDouble(), 182.35);
}

TEST_F(GerarProtocoloTeste, ADebitWithoutDueDateKeepsNoneUpToTheStoredItem) {
  NovoDebitoFederal(1, 20, 1, QVariant(QMetaType(QMetaType::QDate)));
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1"}), QString());
  EXPECT_EQ(Item(QStringLiteral("D01FED;1;20"), {"VENCIMENTO", "VALOR"}), QStringLiteral("VENCIMENTO=|VALOR=10,05"));
  FProcesso->MarcarItensMaster();
  ASSERT_EQ(Gravar(), QString());
  EXPECT_TRUE(Valor(QStringLiteral("select VENCIMENTO from PROTOCOLOITEM where CHAVEORIGEM = 'D01FED;1;20'")).isNull());
}

TEST_F(GerarProtocoloTeste, ADebitProtocolledByAnotherUserAfterTheListingFailsTheWholeSave) {
  ASSERT_EQ(Gerar({.Tipos = "1", .Empresas = "1"}), QString());
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  ExecutarSQLDireto(
      QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 500 where CODIGOEMPRESA = 1 and CHAVEDEBITOFED = 3"));
  EXPECT_EQ(Gravar(), QStringLiteral("Empresa: 1\r\nFilial: 1\r\nProtocolo: 1\r\nDébitos Federais: O débito \"PIS - "
                                     "Competência 11/2026\" (DEBITOFEDERAL, chave 3) não está mais livre: foi "
                                     "protocolado por outro usuário depois da listagem, ou excluído."));
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 0);
  EXPECT_EQ(Contar(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO is not null")), 1);
  EXPECT_EQ(Detalhe().RecordCount(), 4);
}

// Configure, generate, mark all, save; cancel one item in the protocol
// register: its debit is free again and the next run lists it alone.
TEST_F(GerarProtocoloTeste, EndToEndAGeneratedDebitCancelledInTheRegisterIsListedAgain) {
  NovoDebitoFederal(2, 10, 3, QDate(2026, 12, 20));
  TnDMClientDataSet *config = Criar(QStringLiteral("TmVoxDMCfgEstabPro"));
  ASSERT_NE(config, nullptr);
  config->nClientDataSet->Append();
  config->nClientDataSet->FieldByName(QStringLiteral("CODIGOEMPRESA"))->SetAsInteger(2);
  config->nClientDataSet->FieldByName(QStringLiteral("CODIGOESTAB"))->SetAsInteger(3);
  config->nClientDataSet->FieldByName(QStringLiteral("CODIGOGRUPODOC"))->SetAsInteger(1);
  config->nClientDataSet->Post();

  ASSERT_EQ(Gerar(), QString());
  EXPECT_EQ(Arvore().at(23), QStringLiteral("    4 Filial: 3 - Pão Quente Botafogo (confirmação)"));
  const int itens = Detalhe().RecordCount();
  ASSERT_EQ(itens, 25);
  ASSERT_TRUE(FProcesso->BtnSelTodos()->Click());
  ASSERT_TRUE(FProcesso->Form()->Gravar());
  EXPECT_TRUE(Mestre().IsEmpty());
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), 18);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLOITEM")), itens);
  // Only the debit paid by automatic debit stays free.
  int livres = 0;
  for (const char *tabela : {"DEBITOFEDERAL", "DEBITOESTADUAL", "DEBITOMUNICIPAL", "DEBITOSINDICAL", "DEBITOGPS",
                             "DEBITOFGTS", "DEBITOFOLHA"})
    livres += Contar(QLatin1String(tabela), QStringLiteral("CODIGOPROTOCOLO is null"));
  EXPECT_EQ(livres, 1);

  const qint64 protocolo = ProtocoloDoDebito("DEBITOFEDERAL", "FED", 2, 10).toLongLong();
  ASSERT_GT(protocolo, 0);
  nDMDireitoUsuario()->SetDireito(nDMConexao()->CodigoUsuario(), QStringLiteral("DireitoAltProtocolo"), u'8');
  TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
  ASSERT_NE(registro, nullptr);
  QPointer<TnFrmVisual> form = registro->CriarForm();
  TmVoxDMProtocoloItem *itensRegistro = nullptr;
  for (TnDMClientDataSet *detalhe : registro->Detalhes())
    if (auto *i = dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) itensRegistro = i;
  ASSERT_NE(itensRegistro, nullptr);
  ASSERT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), protocolo));
  ASSERT_TRUE(itensRegistro->nClientDataSet->Locate(QStringLiteral("CHAVEORIGEM"), QStringLiteral("D01FED;2;10")));
  itensRegistro->actCancelarItem(registro);
  EXPECT_TRUE(ProtocoloDoDebito("DEBITOFEDERAL", "FED", 2, 10).isNull());
  delete form.data();

  ASSERT_EQ(Gerar(), QString());
  EXPECT_EQ(Propostas(), (QStringList{QStringLiteral("%1|2|3|Débitos Federais - Gerado em 01/12/2026 09:30:00")
                                          .arg(Contar(QStringLiteral("PROTOCOLO")) + 1)}));
  EXPECT_EQ(Linhas(Detalhe(), {"CHAVEORIGEM", "VALOR"}), (QStringList{"D01FED;2;10|10,05"}));
}

TEST(GerarProtocoloTitulos, EveryTypeHasItsTitleAndUnknownCodesReadAsPayrollDebits) {
  const std::pair<int, const char *> titulos[] = {
      {1, "Débitos Federais"},   {2, "Débitos Estaduais"},
      {3, "Débitos Municipais"}, {4, "Débitos Sindicais"},
      {5, "Débitos GPS"},        {9, "Débitos FGTS"},
      {10, "Débitos de Folha"},  {6, "Folha de Pagamento"},
      {7, "Rescisão"},           {8, "Férias"},
      {11, "Notas Fiscais"},     {12, "Boletos"},
      {0, "Débitos de Folha"},   {13, "Débitos de Folha"},
  };
  for (const auto &[tipo, titulo] : titulos)
    EXPECT_EQ(TmVoxDPGerarProtocolo::GetTitulo(tipo), QString::fromUtf8(titulo));
}
