// Every saving operation that writes several rows, held to one promise: a
// failure of any one of its statements leaves the database exactly as it was
// and the screen as the user left it, the user reads the operation's message
// with the database's refusal, and saving again without the failure does the
// work once. Each operation is one entry of the table below: a new saving
// process is covered by adding its entry.
//
// The statements of a save are counted by failing them in turn: the first
// run whose Nth statement is never reached is the save done whole, with N-1
// statements, after every earlier one was refused.
#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "mVoxDMProtocoloDocMovimento_U.h"
#include "mVoxDMProtocoloItem_U.h"
#include "mVoxDMProtocolo_U.h"
#include "mVoxDPArquivarDocs_U.h"
#include "mVoxDPBaixarProtocolo_U.h"
#include "mVoxDPConfiguracaoEntrega_U.h"
#include "mVoxDPConfiguradorTipoGrupo_U.h"
#include "mVoxDPConfigurarRotaEntrega_U.h"
#include "mVoxDPDocumentosPendentes_U.h"
#include "mVoxDPGerarDocumento_U.h"
#include "mVoxDPGerarProIndividual_U.h"
#include "mVoxDPGerarProtocolo_U.h"
#include "mVoxGeracaoMarcadaTeste_U.h"
#include "mVoxPkTeste_U.h"
#include "mVoxProtocoloTeste_U.h"
#include "mVoxSFuncoes_U.h"
#include "nDBGrid_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nFalhaInjetada_U.h"
#include "nFotoBanco_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nParamsSalvosTeste_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

// A screen made ready to save, as the user leaves it before pressing Gravar.
struct TnTelaPronta {
  // Answers the save's questions and saves as the user does; the message the
  // user reads, empty when it saved.
  std::function<QString()> Gravar;
  // What the screen holds that a failed save must leave: rows, marks and
  // the current row.
  std::function<QStringList()> Tela;
  // Run after the save that succeeded: the work is in the database once.
  std::function<void()> Conferir;
};

struct TnOperacaoGravacao {
  const char *Nome;
  // What the operation's own message puts before the database's refusal.
  QString Prefixo;
  std::function<TnTelaPronta(TnDialogosTeste &)> Preparar;
};

QVariant Consultar(const QString &sql, const QVariantList &valores = {}) {
  QSqlQuery q = nDMConexao()->Executar(sql, valores);
  return q.next() ? q.value(0) : QVariant();
}
int ContarLinhas(const QString &tabela, const QString &condicao = QString()) {
  return Consultar(QStringLiteral("select count(*) from ") + tabela +
                   (condicao.isEmpty() ? QString() : QStringLiteral(" where ") + condicao))
      .toInt();
}
QStringList Consultar(const QString &sql, const QStringList &campos) {
  QStringList linhas;
  std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(sql);
  for (dados->First(); !dados->Eof(); dados->Next()) {
    QStringList valores;
    for (const QString &campo : campos) valores << dados->FieldByName(campo)->AsString();
    linhas << valores.join(u'|');
  }
  return linhas;
}

int ArquivosDe(const QString &documentos) {
  return ContarLinhas(QStringLiteral("PROTOCOLODOCARQUIVO"), QStringLiteral("CODIGODOCEMP in (%1)").arg(documentos));
}

class FalhaInjetadaTeste : public TmVoxCadastroTeste, public ::testing::WithParamInterface<int> {
 public:
  static const std::vector<TnOperacaoGravacao> &Operacoes();

 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    nDMDireitoUsuario()->SetDireito(nDMConexao()->CodigoUsuario(), QStringLiteral("DireitoAltProtocolo"), u'8');
  }
  void TearDown() override {
    for (const QPointer<TnFrmVisual> &form : FForms) delete form.data();
    TmVoxCadastroTeste::TearDown();
  }

  // The row where the dataset stands and every row, with the fields named.
  static QStringList Estado(TnClientDataSet &dados, const QStringList &campos) {
    QStringList linhas = Linhas(dados, campos);
    QStringList atual;
    if (!dados.IsEmpty())
      for (const QString &campo : campos) atual << dados.FieldByName(campo)->AsString();
    linhas.prepend(QStringLiteral("atual: ") + atual.join(u'|') +
                   QStringLiteral(" estado %1").arg(static_cast<int>(dados.State())));
    return linhas;
  }

  // The archiving list: each document's envelope and status.
  static QStringList EstadoArquivamento(TmVoxDPArquivarDocs &processo) {
    return Estado(processo.nClientDataSet(), {"CODIGODOCEMP", "CodigoEnvelope", "Status"});
  }

  // The generation of November's debits of the types listed, every proposal
  // marked.
  static TnTelaPronta Geracao(const QString &tipos, const QString &empresas, const QString &tipoFolha) {
    QString erro;
    TmVoxDPGerarProtocolo *processo = GeracaoMarcada(tipos, empresas, tipoFolha, erro);
    EXPECT_NE(processo, nullptr);
    EXPECT_EQ(erro, QString());
    const QStringList propostas = Linhas(*processo->ClientDataSet(), {QStringLiteral("CODIGOPROTOCOLO")});
    const int itens = static_cast<int>(Linhas(*processo->ClientDataSetDet(), {QStringLiteral("SEQITEMPRO")}).size());
    EXPECT_GT(itens, 0);
    return {.Gravar = [processo] { return ErroDe([&] { processo->actGravarExecute(nullptr); }); },
            .Tela =
                [processo] {
                  QStringList tela = Estado(*processo->ClientDataSet(), {"CODIGOPROTOCOLO", "CODIGOEMPRESA",
                                                                          "CODIGOESTAB", "TODOSSELECIONADOS"});
                  tela << Estado(*processo->ClientDataSetDet(), {"CODIGOPROTOCOLO", "SEQITEMPRO", "GERAR"});
                  return tela;
                },
            .Conferir =
                [n = static_cast<int>(propostas.size()), itens] {
                  EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLO")), n);
                  EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLOITEM")), itens);
                  EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO > %1").arg(n)),
                            0);
                }};
  }

  // The filing register made ready by `preparar`, saved by `gravar`: document
  // 103 then is (or is not) in box 1's envelope 1 with its flag to match.
  static TnTelaPronta RegistroDeArquivo(const std::function<void(TnClientDataSet &)> &preparar,
                                 const std::function<void(TnClientDataSet &)> &gravar, bool arquivado) {
    TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocoloDocArquivo"));
    EXPECT_NE(registro, nullptr);
    TnClientDataSet &dados = *registro->nClientDataSet;
    preparar(dados);
    return {.Gravar = [&dados, gravar] { return ErroDe([&] { gravar(dados); }); },
            .Tela = [&dados] { return Estado(dados, {"CODIGOCAIXA", "CODIGOENVELOPE", "CODIGODOCEMP"}); },
            .Conferir =
                [arquivado] {
                  EXPECT_EQ(ArquivosDe(QStringLiteral("103")), arquivado ? 1 : 0);
                  EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"),
                                         QStringLiteral("CODIGODOCEMP = 103 and ARQUIVADO = '%1'").arg(arquivado ? 1 : 0)),
                            1);
                }};
  }

  TnParamsSalvosTeste FParams;
  TnDialogosTeste FDialogos;
  static inline QList<QPointer<TnFrmVisual>> FForms;
};

// Protocol 10 (type "1", company 2/1) whose only open item 1 holds company
// 1's federal debit 2.
void ProtocoloComDebito() {
  ExecutarSQLDireto(QStringLiteral("update DEBITOFEDERAL set CODIGOPROTOCOLO = 10 where CODIGOEMPRESA = 1 and "
                                   "CHAVEDEBITOFED = 2"));
  InserirProtocoloTeste({.Codigo = 10, .Data = QDate(2026, 11, 20), .Tipo = QStringLiteral("1")});
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, "
                                   "CANCELADO, CHAVEORIGEM, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) values (10, "
                                   "1, 'Guia', :d, '0', :c, 1, :m, 1)"),
                    {QDate(2026, 11, 20), MontarChaveOrigem(1, 1, 2), QDateTime(QDate(2026, 11, 20), QTime(8, 0))});
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, "
                                   "CANCELADO, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) values (10, 2, 'Velha', "
                                   ":d, '1', 1, :m, 1)"),
                    {QDate(2026, 11, 20), QDateTime(QDate(2026, 11, 20), QTime(8, 0))});
}

// A company document of establishment 2/1, filed nowhere.
void DocumentoDe21(qint64 codigo, int tipo, const QDate &data, const QVariant &origem = QVariant()) {
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                   "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values (:c, :t, 2, 1, "
                                   ":d, 'Documento', '0', :o)"),
                    {codigo, tipo, data, origem});
}

// "Arquivar Documentos" on box 1 (establishment 2/1) with documents 201
// (type 1, its own envelope) and 203 (type 3, the shared one) listed.
TmVoxDPArquivarDocs *ArquivamentoCarregado() {
  DocumentoDe21(201, 1, QDate(2026, 3, 1));
  DocumentoDe21(203, 3, QDate(2026, 3, 31));
  auto *processo = dynamic_cast<TmVoxDPArquivarDocs *>(CriarDM(QStringLiteral("TmVoxDPArquivarDocs")));
  EXPECT_NE(processo, nullptr);
  processo->npqPowerParam().Param(QStringLiteral("pCodigoCaixaPro"))->SetAsString(QStringLiteral("1"));
  processo->npqPowerParam().Param(QStringLiteral("pSomenteArq"))->SetAsString(QStringLiteral("0"));
  processo->ValidarDado();
  processo->Executar();
  return processo;
}

const std::vector<TnOperacaoGravacao> &FalhaInjetadaTeste::Operacoes() {
  static const std::vector<TnOperacaoGravacao> operacoes = {
      {"GeracaoDebitosImpostos", QStringLiteral("Empresa: "),
       [](TnDialogosTeste &) { return Geracao(QStringLiteral("1;3"), QString(), QString()); }},
      {"GeracaoFolha", QStringLiteral("Empresa: "),
       [](TnDialogosTeste &) { return Geracao(QStringLiteral("6"), QStringLiteral("2"), QStringLiteral("1")); }},
      {"ProtocoloIndividual", QString(),
       [](TnDialogosTeste &) {
         auto *processo =
             dynamic_cast<TmVoxDPGerarProIndividual *>(CriarDM(QStringLiteral("TmVoxDPGerarProIndividual")));
         EXPECT_NE(processo, nullptr);
         auto valores = [processo] {
           QStringList v;
           for (const char *nome : {"pCodigoEmpresa", "pCodigoEstab", "pDataLctoPro", "pObservacao",
                                    "pNatureza", "pDescricaoItem", "pCodigoPro"})
             v << processo->npqPowerParam().Param(QLatin1String(nome))->GetAsVariant().toString();
           return v;
         };
         auto p = [processo](const char *nome) { return processo->npqPowerParam().Param(QLatin1String(nome)); };
         p("pCodigoEmpresa")->SetAsString(QStringLiteral("2"));
         p("pCodigoEstab")->SetAsString(QStringLiteral("1"));
         p("pDataLctoPro")->SetAsString(QStringLiteral("15/10/2026"));
         p("pObservacao")->SetAsString(QStringLiteral("Guias de novembro"));
         p("pNatureza")->SetAsString(QStringLiteral("1"));
         p("pDescricaoItem")->SetAsString(QStringLiteral("DARF e GPS de 11/2026"));
         return TnTelaPronta{
             .Gravar =
                 [processo] {
                   return ErroDe([&] { processo->Executar(); });
                 },
             .Tela = valores,
             .Conferir =
                 [processo] {
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLO")), 1);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLOITEM")), 1);
                   EXPECT_EQ(processo->npqPowerParam().Param(QStringLiteral("pCodigoPro"))->GetAsVariant().toLongLong(),
                             1);
                 }};
       }},
      {"CancelamentoItemEProtocolo", QString(),
       [](TnDialogosTeste &) {
         ProtocoloComDebito();
         TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocolo"));
         EXPECT_NE(registro, nullptr);
         FForms << registro->CriarForm();
         TmVoxDMProtocoloItem *itens = nullptr;
         for (TnDMClientDataSet *detalhe : registro->Detalhes())
           if (auto *i = dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) itens = i;
         EXPECT_NE(itens, nullptr);
         EXPECT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), 10));
         EXPECT_TRUE(itens->nClientDataSet->Locate(QStringLiteral("SEQITEMPRO"), 1));
         return TnTelaPronta{
             .Gravar =
                 [registro, itens] {
                   itens->nClientDataSet->Locate(QStringLiteral("SEQITEMPRO"), 1);
                   return ErroDe([&] { itens->actCancelarItem(registro); });
                 },
             .Tela =
                 [registro, itens] {
                   QStringList tela = Estado(*registro->nClientDataSet, {"CODIGOPROTOCOLO", "CANCELADO"});
                   tela << Linhas(*itens->nClientDataSet, {"CODIGOPROTOCOLO", "SEQITEMPRO", "CANCELADO"});
                   return tela;
                 },
             .Conferir =
                 [] {
                   EXPECT_EQ(Consultar(QStringLiteral("select CANCELADO from PROTOCOLOITEM where CODIGOPROTOCOLO = "
                                                      "10 and SEQITEMPRO = 1"))
                                 .toString(),
                             QStringLiteral("1"));
                   EXPECT_EQ(Consultar(QStringLiteral("select CANCELADO from PROTOCOLO where CODIGOPROTOCOLO = 10"))
                                 .toString(),
                             QStringLiteral("1"));
                   EXPECT_EQ(ContarLinhas(QStringLiteral("DEBITOFEDERAL"), QStringLiteral("CODIGOPROTOCOLO = 10")), 0);
                 }};
       }},
      {"BaixaEmLote", QString(),
       [](TnDialogosTeste &dialogos) {
         for (const TnProtocoloTeste &p : {TnProtocoloTeste{.Codigo = 10, .Data = QDate(2026, 11, 10)},
                                           TnProtocoloTeste{.Codigo = 12, .Data = QDate(2026, 11, 20)},
                                           TnProtocoloTeste{.Codigo = 13, .Data = QDate(2026, 11, 25)}})
           InserirProtocoloTeste(p);
         auto *processo = dynamic_cast<TmVoxDPBaixarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPBaixarProtocolo")));
         EXPECT_NE(processo, nullptr);
         processo->CriarForm();
         EXPECT_EQ(ErroDe([&] { processo->ExecutarProcesso(); }), QString());
         // Each protocol is withdrawn on its own (what was written before a
         // failure stays written): one protocol is one whole save.
         for (qint64 codigo : {12}) {
           EXPECT_TRUE(processo->nClientDataSet().Locate(QStringLiteral("CODIGOPROTOCOLO"), codigo));
           processo->nDBGrid()->PressionarTecla(nTeclaEnter);
         }
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->ResponderCampos({{QStringLiteral("Responsável Recebimento"), QStringLiteral("João")},
                                              {QStringLiteral("Usuário Entrega"), QStringLiteral("2")},
                                              {QStringLiteral("Data Entrega"), QStringLiteral("30/11/2026")},
                                              {QStringLiteral("Hora Entrega"), QStringLiteral("16:45")}});
                   return ErroDe([&] { processo->actGravarExecute(nullptr); });
                 },
             .Tela = [processo] { return Estado(processo->nClientDataSet(), {"CODIGOPROTOCOLO", "BAIXAR"}); },
             .Conferir =
                 [] {
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLO"), QStringLiteral("DATAHORABAIXA is not null")), 1);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLO"),
                                          QStringLiteral("CODIGOPROTOCOLO = 12 and DATAHORABAIXA is not null")),
                             1);
                 }};
       }},
      {"ParadasDaRota", nPrefixoOperacaoCancelada(),
       [](TnDialogosTeste &dialogos) {
         ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (2, 'Interior')"));
         int seq = 0;
         for (const auto &[empresa, estab] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{2, 2}})
           ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTAENTREGA (CODIGOROTA, SEQROTA, CODIGOEMPRESA, "
                                            "CODIGOESTAB, OBSERVACAO) values (2, :s, :e, :f, 'Portaria')"),
                             {(++seq) * 3, empresa, estab});
         auto *processo =
             dynamic_cast<TmVoxDPConfigurarRotaEntrega *>(CriarDM(QStringLiteral("TmVoxDPConfigurarRotaEntrega")));
         EXPECT_NE(processo, nullptr);
         processo->npqPowerParam().Param(QStringLiteral("pCodigoRota"))->SetAsString(QStringLiteral("2"));
         processo->Executar();
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->ResponderTexto(QStringLiteral("Sim"));
                   return ErroDe([&] { processo->actGravarExecute(nullptr); });
                 },
             .Tela = [processo] { return Estado(processo->nClientDataSet(), {"Seq", "CodigoEmpresa", "CodigoEstab"}); },
             .Conferir =
                 [] {
                   EXPECT_EQ(Consultar(QStringLiteral("select SEQROTA, CODIGOEMPRESA, CODIGOESTAB from "
                                                      "PROTOCOLOROTAENTREGA where CODIGOROTA = 2 order by SEQROTA"),
                                       QStringList{"SEQROTA", "CODIGOEMPRESA", "CODIGOESTAB"}),
                             (QStringList{"1|1|1", "2|2|1", "3|2|2"}));
                 }};
       }},
      {"ConfiguracaoEntrega", nPrefixoOperacaoCancelada(),
       [](TnDialogosTeste &dialogos) {
         auto *processo =
             dynamic_cast<TmVoxDPConfiguracaoEntrega *>(CriarDM(QStringLiteral("TmVoxDPConfiguracaoEntrega")));
         EXPECT_NE(processo, nullptr);
         processo->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("2"));
         processo->npqPowerParam().Param(QStringLiteral("pCodigoEstab"))->SetAsString(QString());
         EXPECT_EQ(ErroDe([&] { processo->ExecutarProcesso(); }), QString());
         EXPECT_TRUE(processo->nClientDataSet().Locate(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"), QVariantList{2, 3}));
         dialogos->ResponderCampos(
             {{QStringLiteral("Grupo Tipo Doc"), QStringLiteral("2")}, {QStringLiteral("Forma de Entrega"), QStringLiteral("1")}});
         processo->actConfig(nullptr);
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->ResponderTexto(QStringLiteral("Sim"));
                   return ErroDe([&] { processo->actGravarExecute(nullptr); });
                 },
             .Tela =
                 [processo] {
                   return Estado(processo->nClientDataSet(), {"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC",
                                                              "FORMAENTREGA", "MESMOENDERECOENT"});
                 },
             .Conferir =
                 [] {
                   EXPECT_EQ(Consultar(QStringLiteral("select CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC from "
                                                      "CFGESTABPRO order by CODIGOEMPRESA, CODIGOESTAB"),
                                       QStringList{"CODIGOEMPRESA", "CODIGOESTAB", "CODIGOGRUPODOC"}),
                             (QStringList{"1|1|2", "2|3|2"}));
                 }};
       }},
      {"TiposDoGrupo", nPrefixoOperacaoCancelada(),
       [](TnDialogosTeste &dialogos) {
         auto *processo =
             dynamic_cast<TmVoxDPConfiguradorTipoGrupo *>(CriarDM(QStringLiteral("TmVoxDPConfiguradorTipoGrupo")));
         EXPECT_NE(processo, nullptr);
         processo->npqPowerParam().Param(QStringLiteral("pCodigoGrupoDoc"))->SetAsString(QStringLiteral("1"));
         EXPECT_EQ(ErroDe([&] { processo->ExecutarProcesso(); }), QString());
         EXPECT_TRUE(processo->nClientDataSet().Locate(QStringLiteral("CODIGOTIPODOC"), 2));
         processo->actDeletarTipo(nullptr);
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->ResponderTexto(QStringLiteral("Sim"));
                   return ErroDe([&] { processo->actGravarExecute(nullptr); });
                 },
             .Tela = [processo] { return Estado(processo->nClientDataSet(), {"CODIGOTIPODOC"}); },
             .Conferir =
                 [] {
                   EXPECT_EQ(Consultar(QStringLiteral("select CODIGOTIPODOC from PROTOCOLOGRUPOTIPODOC where "
                                                      "CODIGOGRUPODOC = 1 order by CODIGOTIPODOC"),
                                       QStringList{"CODIGOTIPODOC"}),
                             (QStringList{"1", "3", "4"}));
                 }};
       }},
      {"ExclusaoDocumentoComMovimentos", QString(),
       [](TnDialogosTeste &) {
         for (int codigo : {1, 2})
           ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                            "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values "
                                            "(:c, 1, 2, 1, :d, 'Guias', '0', 2)"),
                             {codigo, QDate(2026, 11, 10 * codigo)});
         for (int seq : {1, 2, 3})
           ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, "
                                            "CODIGODPTOESCRIT, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, ORIGEMDADO) "
                                            "values (1, :s, '1', 1, :d, :h, 1, 2)"),
                             {seq, QDate(2026, 11, 10), QDateTime(QDate(2026, 11, 10), QTime(8, seq))});
         TnDMClientDataSet *registro = Criar(QStringLiteral("TmVoxDMProtocoloDocEmp"));
         EXPECT_NE(registro, nullptr);
         FForms << registro->CriarForm();
         TnClientDataSet *movimentos = nullptr;
         for (TnDMClientDataSet *detalhe : registro->Detalhes())
           if (dynamic_cast<TmVoxDMProtocoloDocMovimento *>(detalhe)) movimentos = detalhe->nClientDataSet;
         EXPECT_NE(movimentos, nullptr);
         EXPECT_TRUE(registro->nClientDataSet->Locate(QStringLiteral("CODIGODOCEMP"), 1));
         return TnTelaPronta{
             .Gravar =
                 [registro] {
                   registro->nClientDataSet->Locate(QStringLiteral("CODIGODOCEMP"), 1);
                   return ErroDe([&] { registro->nClientDataSet->Delete(); });
                 },
             .Tela =
                 [registro, movimentos] {
                   QStringList tela = Estado(*registro->nClientDataSet, {"CODIGODOCEMP", "DESCRDOCEMP"});
                   tela << Linhas(*movimentos, {"CODIGODOCEMP", "SEQDOCEMP"});
                   return tela;
                 },
             .Conferir =
                 [] {
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP = 1")), 0);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 0);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP = 2")), 1);
                 }};
       }},
      {"GeracaoNotasFiscaisEBoletos", QStringLiteral("Empresa: "),
       [](TnDialogosTeste &) { return Geracao(QStringLiteral("11;12"), QString(), QString()); }},
      {"GeracaoDocumentos", nPrefixoOperacaoCancelada(),
       [](TnDialogosTeste &dialogos) {
         // A document generated earlier in the period, deleted by the run.
         DocumentoDe21(90, 1, QDate(2026, 11, 1), 1);
         auto *processo = dynamic_cast<TmVoxDPGerarDocumento *>(CriarDM(QStringLiteral("TmVoxDPGerarDocumento")));
         EXPECT_NE(processo, nullptr);
         auto p = [processo](const char *nome) { return processo->npqPowerParam().Param(QLatin1String(nome)); };
         p("pCompetInicial")->SetAsString(QStringLiteral("11/2026"));
         p("pCompetFinal")->SetAsString(QStringLiteral("11/2026"));
         p("pCodigoEmpresa")->SetAsString(QStringLiteral("1-2"));
         p("pCodigoEstab")->SetAsString(QString());
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->Responder(0);
                   return ErroDe([&] { processo->Executar(); });
                 },
             .Tela =
                 [processo] {
                   QStringList v;
                   for (const char *nome : {"pCompetInicial", "pCompetFinal", "pCodigoEmpresa", "pCodigoEstab"})
                     v << processo->npqPowerParam().Param(QLatin1String(nome))->GetAsVariant().toString();
                   return v;
                 },
             .Conferir =
                 [] {
                   // 1/1 expects type 1 in November, 2/1 and 2/2 types 1 and 2.
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("ORIGEMDADO = 1")), 5);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP = 90")), 0);
                 }};
       }},
      {"RecebimentoDocumentosPendentes", nPrefixoOperacaoCancelada(),
       [](TnDialogosTeste &dialogos) {
         auto *processo =
             dynamic_cast<TmVoxDPDocumentosPendentes *>(CriarDM(QStringLiteral("TmVoxDPDocumentosPendentes")));
         EXPECT_NE(processo, nullptr);
         processo->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("03/2026"));
         processo->npqPowerParam().Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("2"));
         processo->Executar();
         for (qint64 codigo : {2, 5}) {
           EXPECT_TRUE(processo->nClientDataSet().Locate(QStringLiteral("CODIGODOCUMENTO"), codigo));
           processo->actMarcarExecute(nullptr);
         }
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->Responder(0);
                   dialogos->ResponderCampos({{QStringLiteral("Usuário Responsável"), QStringLiteral("2")}});
                   return ErroDe([&] { processo->actGravarExecute(nullptr); });
                 },
             .Tela =
                 [processo] {
                   return Estado(processo->nClientDataSet(),
                                 {"CODIGODOCUMENTO", "CODIGOEMPRESA", "CODIGOESTAB", "CODIGOTIPODOC", "RECEBIDO"});
                 },
             .Conferir =
                 [] {
                   EXPECT_EQ(Consultar(QStringLiteral("select CODIGODOCEMP from PROTOCOLODOCEMP order by 1"),
                                       QStringList{"CODIGODOCEMP"}),
                             (QStringList{"2", "5"}));
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCMOVIMENTO"), QStringLiteral("SEQDOCEMP = 1")), 2);
                 }};
       }},
      {"Arquivamento", QString(),
       [](TnDialogosTeste &dialogos) {
         TmVoxDPArquivarDocs *processo = ArquivamentoCarregado();
         processo->actMarcarTodasExecute(nullptr);
         return TnTelaPronta{
             .Gravar =
                 [processo, &dialogos] {
                   dialogos->ResponderTexto(QStringLiteral("Diversos"));
                   return ErroDe([&] { processo->actGravarExecute(nullptr); });
                 },
             .Tela = [processo] { return EstadoArquivamento(*processo); },
             .Conferir =
                 [] {
                   EXPECT_EQ(ArquivosDe(QStringLiteral("201, 203")), 2);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("ARQUIVADO = '1'")), 2);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 2);
                   EXPECT_EQ(Consultar(QStringLiteral("select DESCRENVELOPE from PROTOCOLODOCENVELOPE where "
                                                      "CODIGOCAIXA = 1 order by CODIGOENVELOPE"),
                                       QStringList{"DESCRENVELOPE"})
                                 .mid(1),
                             (QStringList{"Guias de Impostos", "Diversos"}));
                 }};
       }},
      {"RemocaoDoArquivo", QString(),
       [](TnDialogosTeste &dialogos) {
         TmVoxDPArquivarDocs *processo = ArquivamentoCarregado();
         processo->actMarcarTodasExecute(nullptr);
         dialogos->ResponderTexto(QStringLiteral("Diversos"));
         EXPECT_EQ(ErroDe([&] { processo->actGravarExecute(nullptr); }), QString());
         processo->actMarcarRemoverTodasExecute(nullptr);
         return TnTelaPronta{
             .Gravar = [processo] { return ErroDe([&] { processo->actGravarExecute(nullptr); }); },
             .Tela = [processo] { return EstadoArquivamento(*processo); },
             .Conferir =
                 [] {
                   EXPECT_EQ(ArquivosDe(QStringLiteral("201, 203")), 0);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("ARQUIVADO = '1'")), 0);
                   EXPECT_EQ(ContarLinhas(QStringLiteral("PROTOCOLODOCMOVIMENTO")), 0);
                 }};
       }},
      {"EntradaDeArquivoComMarca", QString(),
       [](TnDialogosTeste &) {
         DocumentoDe21(103, 1, QDate(2026, 11, 10));
         return RegistroDeArquivo(
             [](TnClientDataSet &dados) {
               dados.Append();
               dados.FieldByName(QStringLiteral("CODIGOCAIXA"))->SetAsInteger(1);
               dados.FieldByName(QStringLiteral("CODIGOENVELOPE"))->SetAsInteger(1);
               dados.FieldByName(QStringLiteral("CODIGODOCEMP"))->SetAsInteger(103);
             },
             [](TnClientDataSet &dados) { dados.Post(); }, true);
       }},
      {"SaidaDeArquivoComMarca", QString(),
       [](TnDialogosTeste &) {
         DocumentoDe21(103, 1, QDate(2026, 11, 10));
         ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '1' where CODIGODOCEMP = 103"));
         ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, "
                                          "CODIGODOCEMP) values (1, 1, 103)"));
         return RegistroDeArquivo(
             [](TnClientDataSet &dados) { EXPECT_TRUE(dados.Locate(QStringLiteral("CODIGODOCEMP"), 103)); },
             [](TnClientDataSet &dados) {
               dados.Locate(QStringLiteral("CODIGODOCEMP"), 103);
               dados.Delete();
             },
             false);
       }},
  };
  return operacoes;
}

}  // namespace

TEST_P(FalhaInjetadaTeste, EveryStatementFailingLeavesTheDatabaseAndTheScreenAndSavingAgainWorksOnce) {
  const TnOperacaoGravacao &operacao = Operacoes().at(static_cast<size_t>(GetParam()));
  FDialogos->SetAceitarMensagens(true);
  TnTelaPronta tela = operacao.Preparar(FDialogos);
  ASSERT_FALSE(HasFailure());
  const QStringList antesTela = tela.Tela();
  const TnFotoBanco antes = TnFotoBanco::Tirar();

  int instrucoes = 0;
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 1000) << "a save that never ends";
    FDialogos->DescartarRespostas();
    QString erro;
    TnFalhaInjetada falha(n);
    erro = tela.Gravar();
    if (!falha.Disparou()) {
      // Fewer than n statements: the save ran whole.
      ASSERT_EQ(erro, QString());
      instrucoes = falha.Contadas();
      break;
    }
    SCOPED_TRACE(QStringLiteral("instrução %1: %2").arg(n).arg(falha.Instrucao()).toStdString());
    EXPECT_TRUE(erro.contains(TnFalhaInjetada::Mensagem(n))) << erro.toStdString();
    EXPECT_TRUE(erro.startsWith(operacao.Prefixo)) << erro.toStdString();
    EXPECT_FALSE(nDMConexao()->EmTransacao());
    EXPECT_EQ(TnFotoBanco::Tirar().Diferencas(antes), QStringList());
    EXPECT_EQ(tela.Tela(), antesTela);
    if (HasFailure()) return;
  }
  EXPECT_GT(instrucoes, 0);
  EXPECT_NE(TnFotoBanco::Tirar().Diferencas(antes), QStringList());
  tela.Conferir();
  std::printf("[ falhas   ] %s: %d instruções, %d falhas injetadas, todas desfeitas\n", operacao.Nome, instrucoes,
              instrucoes);
}

INSTANTIATE_TEST_SUITE_P(Gravacoes, FalhaInjetadaTeste,
                         ::testing::Range(0, static_cast<int>(FalhaInjetadaTeste::Operacoes().size())),
                         [](const ::testing::TestParamInfo<int> &info) {
                           return std::string(FalhaInjetadaTeste::Operacoes().at(static_cast<size_t>(info.param)).Nome);
                         });
