#include "mVoxDPConsultaDocumentosCaixa_U.h"

#include "mVoxFraInformacoesDocEmp_U.h"
#include "mVoxMontarDescricao_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nCondicoesSQL_U.h"
#include "nDBGrid_U.h"
#include "nDefinicao_U.h"
#include "nFormatos_U.h"
#include "nFraProgresso_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

constexpr int kTamanhoTexto = 50;

struct TnCampoDef {
  const char *Nome;
  TnFieldType Tipo;
  int Tamanho;
  const char *Rotulo;  // null: the name
  bool Visivel;
};

void CriarTabela(TnClientDataSet &dados, std::initializer_list<TnCampoDef> campos) {
  dados.SetnLogChanges(false);
  for (const TnCampoDef &c : campos) dados.AddFieldDef(QLatin1String(c.Nome), c.Tipo, c.Tamanho);
  dados.CreateDataSet();
  for (const TnCampoDef &c : campos) {
    TnField *campo = dados.FieldByName(QLatin1String(c.Nome));
    if (c.Rotulo) campo->SetDisplayLabel(QString::fromUtf8(c.Rotulo));
    campo->SetVisible(c.Visivel);
  }
}

// The grid shows and the field keeps the value ("1" shows "Interno").
void Valores(TnClientDataSet &dados, const char *campo, const QStringList &nomesValores) {
  TnDefinicao &definicao = dados.FieldByName(QLatin1String(campo))->Definicao();
  definicao.SetTipoControle(TnTipoControle::ComboBox);
  definicao.SetNomesValores(nomesValores);
  definicao.LigarTextos();
}

QString Texto(const QString &texto) { return TmVoxMontarDescricao::Cortar(texto, kTamanhoTexto); }

QString CodigoENome(const TnField *codigo, const char *formato, const TnField *nome) {
  return Texto(FormatFloat(QLatin1String(formato), codigo->AsInteger()) + QStringLiteral(" - ") + nome->AsString());
}

QString DataTexto(const TnField *data) { return data->AsDate().toString(QStringLiteral("dd/MM/yyyy")); }

// The rows of a statement followed by the where clause, one by one into
// `destino` through `copiar`; the result is freed also on error.
template <typename F>
void Carregar(const QString &sql, const QString &filtro, TnClientDataSet &destino, F copiar) {
  std::unique_ptr<TnClientDataSet> resultado = ExecutarSQL(sql + filtro);
  destino.DisableControls();
  TnAoSair liberar([&] {
    destino.EnableControls();
    DestruirSQL(resultado);
  });
  for (resultado->First(); !resultado->Eof(); resultado->Next()) {
    destino.Append();
    copiar(*resultado);
    destino.Post();
  }
  destino.First();
}

// A one-character code column ("1") as its number; null when blank.
QVariant Codigo(const TnField *coluna) {
  bool numero = false;
  const int valor = coluna->AsString().trimmed().toInt(&numero);
  return numero ? QVariant(valor) : QVariant();
}

}  // namespace

TmVoxDPConsultaDocumentosCaixa::TmVoxDPConsultaDocumentosCaixa() {
  TnpqPowerParam &params = npqPowerParam();
  params.Adicionar({.Alias = QStringLiteral("pCompetInicial"),
                    .Caption = QStringLiteral("Competência Inicial"),
                    .Tipo = TnTipoParam::MesAno,
                    .Dicionario = QStringLiteral("DICDATAMESANO")});
  params.Adicionar({.Alias = QStringLiteral("pCompetFinal"),
                    .Caption = QStringLiteral("Competência Final"),
                    .Tipo = TnTipoParam::MesAno,
                    .Dicionario = QStringLiteral("DICDATAMESANO")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoCaixaPro"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOCAIXAPRO"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoLocal"),
                    .Tipo = TnTipoParam::Valor,
                    .Dicionario = QStringLiteral("CODIGOLOCAL")});
  const std::pair<const char *, const char *> selecoes[] = {{"pCodigoEmpresa", "CODIGOEMPRESA"},
                                                            {"pCodigoEstab", "CODIGOESTAB"},
                                                            {"pCodigoDocEmp", "CODIGODOCEMP"},
                                                            {"pCodigoTipoDcto", "CODIGOTIPODOC"}};
  for (const auto &[alias, chave] : selecoes)
    params.Adicionar({.Alias = QLatin1String(alias),
                      .Tipo = TnTipoParam::Selecao,
                      .Dicionario = QLatin1String(chave),
                      .MultiSelecao = true});
}

TmVoxDPConsultaDocumentosCaixa::~TmVoxDPConsultaDocumentosCaixa() {
  // The frame's grids show the detail tables, which go before the base frees
  // the form: unbind them first.
  if (FFraDescr) FFraDescr->Ligar(nullptr, nullptr, nullptr, nullptr);
}

QList<TnMenuDecl> TmVoxDPConsultaDocumentosCaixa::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("04 Consultas");
  menu.Caption = QStringLiteral("Consulta de Documentos/Caixa");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  return {menu};
}

void TmVoxDPConsultaDocumentosCaixa::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  SetDBGridReadOnly(true);
  using T = TnFieldType;
  CriarTabela(nClientDataSet(), {{"CODIGOCAIXA", T::Integer, 0, "Codigo Caixa", true},
                                 {"CODIGOENVELOPE", T::Integer, 0, "Codigo Envelope", true},
                                 {"Empresa", T::String, kTamanhoTexto, nullptr, false},
                                 {"Estab", T::String, kTamanhoTexto, "Filial", false},
                                 {"Envelope", T::String, kTamanhoTexto, nullptr, false},
                                 {"LocalCaixa", T::String, kTamanhoTexto, "Local Caixa", false},
                                 {"Periodo", T::String, kTamanhoTexto, "Período", false}});
  nClientDataSet().FieldByName(QStringLiteral("CODIGOCAIXA"))->SetDisplayWidth(12);
  nClientDataSet().FieldByName(QStringLiteral("CODIGOENVELOPE"))->SetDisplayWidth(14);
  CriarTabela(FDocumentos, {{"CODIGOCAIXA", T::Integer, 0, nullptr, false},
                            {"CODIGOENVELOPE", T::Integer, 0, nullptr, false},
                            {"CODIGODOCEMP", T::LargeInt, 0, "Documento", true},
                            {"DataLancamento", T::Date, 0, "Data Lançamento", true},
                            {"Descricao", T::String, kTamanhoTexto, "Descrição", true}});
  CriarTabela(FMovimentacao, {{"CODIGODOCEMP", T::LargeInt, 0, "Codigo Documento", false},
                              {"Seq", T::Integer, 0, nullptr, true},
                              {"Observacao", T::String, kTamanhoTexto, "Observação", true},
                              {"TipoLocal", T::Integer, 0, "Local", true},
                              {"Responsavel", T::String, kTamanhoTexto, "Responsável", true}});
  Valores(FMovimentacao, "TipoLocal", {QStringLiteral("Interno=1"), QStringLiteral("Externo=2")});
  CriarTabela(FProtocolo, {{"CODIGODOCEMP", T::LargeInt, 0, "Codigo Documento", false},
                           {"CodigoProtocolo", T::LargeInt, 0, "Protocolo", true},
                           {"DataProtocolo", T::Date, 0, "Data Protocolo", true},
                           {"Observacao", T::String, kTamanhoTexto, "Observacão", true},
                           {"FormaEntrega", T::Integer, 0, "Forma Entrega", true},
                           {"Natureza", T::Integer, 0, nullptr, true}});
  Valores(
      FProtocolo, "FormaEntrega",
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãoos=2"), QStringLiteral("Entregue via Internet=3")});
  Valores(FProtocolo, "Natureza", {QStringLiteral("Saída=1"), QStringLiteral("Entrada=2")});
}

void TmVoxDPConsultaDocumentosCaixa::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  FDataInicial = ParamData(QStringLiteral("pCompetInicial"));
  // The period ends with the last day of the final competence's month.
  const QDate final = ParamData(QStringLiteral("pCompetFinal"));
  FDataFinal = final.isValid() ? QDate(final.year(), final.month(), 1).addMonths(1).addDays(-1) : QDate();
  FCaixa = Param(QStringLiteral("pCodigoCaixaPro")).trimmed();
  FCodigoLocal = ParamInteiro(QStringLiteral("pCodigoLocal"), -1);
  FEmpresa = Param(QStringLiteral("pCodigoEmpresa")).trimmed();
  FEstab = Param(QStringLiteral("pCodigoEstab")).trimmed();
  FDocumento = Param(QStringLiteral("pCodigoDocEmp")).trimmed();
  FTipoDocumento = Param(QStringLiteral("pCodigoTipoDcto")).trimmed();
}

void TmVoxDPConsultaDocumentosCaixa::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  if (!form) return;
  TnPainel *tab = CriarTabGrid(QStringLiteral("Documentos por Caixa"));
  if (TnDBGridEh *grid = nDBGrid()) {
    grid->SetAlign(TnAlinhamento::alLeft);
    grid->SetWidth(200);
    grid->SetLinhaInteira(true);
    // Both codes in the narrow list: the columns share its width.
    grid->SetAutoAjustarColunas(true);
  }
  FFraDescr = new TmVoxFraInformacoesDocEmp(tab);
  FFraDescr->SetAlign(TnAlinhamento::alClient);
  FFraDescr->Ligar(&nClientDataSet(), &FDocumentos, &FMovimentacao, &FProtocolo);
  SetTemAlteracao(false);
}

void TmVoxDPConsultaDocumentosCaixa::nDBGridTitleClick(TnDBGridEh &sender, TnColunaGrid &coluna) {
  if (TnClientDataSet *dados = sender.DataSet()) dados->SetIndexFieldNames(coluna.FieldName);
}

void TmVoxDPConsultaDocumentosCaixa::Desencadear() {
  FDocumentos.SetMasterSource(nullptr, QString(), QString());
  FMovimentacao.SetMasterSource(nullptr, QString(), QString());
  FProtocolo.SetMasterSource(nullptr, QString(), QString());
}

void TmVoxDPConsultaDocumentosCaixa::Executar() {
  TnDMPowerParamTab::Executar();
  FFiltro.clear();
  Desencadear();
  for (TnClientDataSet *dados : {&nClientDataSet(), &FDocumentos, &FMovimentacao, &FProtocolo}) dados->EmptyDataSet();

  TnFraProgresso *progresso = CriarProgresso();
  TnAoSair liberar([&] { LiberarProgresso(); });
  progresso->MostrarMultiplo(4, QStringLiteral("Carregando dados..."));
  progresso->SetCircularParcial(true);
  progresso->ConfigurarProgressoParcial(0, 0, QStringLiteral("Carregando caixas..."));
  CarregarDados();
  progresso->IncProgressoTotal();
  progresso->ConfigurarProgressoParcial(0, 0, QStringLiteral("Carregando documentos..."));
  CarregarDocumentos();
  progresso->IncProgressoTotal();
  progresso->ConfigurarProgressoParcial(0, 0, QStringLiteral("Carregando movimento..."));
  CarregarMovimentos();
  progresso->IncProgressoTotal();
  progresso->ConfigurarProgressoParcial(0, 0, QStringLiteral("Carregando protocolos..."));
  CarregarProtocolos();

  FDocumentos.SetIndexFieldNames(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP"));
  FMovimentacao.SetIndexFieldNames(QStringLiteral("CODIGODOCEMP;SEQ"));
  FProtocolo.SetIndexFieldNames(QStringLiteral("CODIGODOCEMP;CODIGOPROTOCOLO"));
  FDocumentos.SetMasterSource(&nClientDataSet(), QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"),
                              QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"));
  FMovimentacao.SetMasterSource(&FDocumentos, QStringLiteral("CODIGODOCEMP"), QStringLiteral("CODIGODOCEMP"));
  FProtocolo.SetMasterSource(&FDocumentos, QStringLiteral("CODIGODOCEMP"), QStringLiteral("CODIGODOCEMP"));
  nClientDataSet().First();
}

void TmVoxDPConsultaDocumentosCaixa::CarregarDados() {
  TnCondicoesSQL condicoes;
  condicoes.AdicionarSelecao(QStringLiteral("C.CODIGOEMPRESA"), FEmpresa)
      .AdicionarSelecao(QStringLiteral("C.CODIGOESTAB"), FEstab);
  // A final competence alone selects no period.
  if (FDataInicial.isValid()) condicoes.AdicionarPeriodo(QStringLiteral("C.COMPETINICIAL"), FDataInicial, FDataFinal);
  condicoes.AdicionarSelecao(QStringLiteral("C.CODIGOCAIXA"), FCaixa)
      .AdicionarSelecao(QStringLiteral("A.CODIGODOCEMP"), FDocumento)
      .AdicionarSelecao(QStringLiteral("D.CODIGOTIPODOC"), FTipoDocumento);
  if (FCodigoLocal != -1)
    condicoes.AdicionarIgual(QStringLiteral("C.CODIGOLOCAL"), FCodigoLocal, TnFieldType::SmallInt);
  FFiltro = condicoes.Where();

  TnClientDataSet &dados = nClientDataSet();
  Carregar(QStringLiteral(
               "select distinct C.CODIGOCAIXA ,V.CODIGOENVELOPE ,C.CODIGOEMPRESA ,E.NOMEEMPRESA ,C.CODIGOESTAB "
               ",F.APELIDOESTAB ,V.DESCRENVELOPE ,C.CODIGOLOCAL ,L.DESCRLOCAL ,C.COMPETINICIAL ,C.COMPETFINAL "
               "from PROTOCOLODOCCAIXA C "
               "join PROTOCOLODOCENVELOPE V on C.CODIGOCAIXA = V.CODIGOCAIXA "
               "join PROTOCOLODOCARQUIVO A on C.CODIGOCAIXA = A.CODIGOCAIXA and V.CODIGOENVELOPE = A.CODIGOENVELOPE "
               "join PROTOCOLODOCEMP D on A.CODIGODOCEMP = D.CODIGODOCEMP "
               "join EMPRESA E on E.CODIGOEMPRESA = C.CODIGOEMPRESA "
               "join ESTAB F on C.CODIGOEMPRESA = F.CODIGOEMPRESA and C.CODIGOESTAB = F.CODIGOESTAB "
               "join PROTOCOLOLOCALCAIXA L on C.CODIGOLOCAL = L.CODIGOLOCAL"),
           FFiltro + QStringLiteral(" order by C.CODIGOCAIXA ,V.CODIGOENVELOPE"), dados, [&](const TnClientDataSet &r) {
             dados.FieldByName(QStringLiteral("CODIGOCAIXA"))
                 ->SetValue(r.FieldByName(QStringLiteral("CODIGOCAIXA"))->Value());
             dados.FieldByName(QStringLiteral("CODIGOENVELOPE"))
                 ->SetValue(r.FieldByName(QStringLiteral("CODIGOENVELOPE"))->Value());
             dados.FieldByName(QStringLiteral("Empresa"))
                 ->SetAsString(CodigoENome(r.FieldByName(QStringLiteral("CODIGOEMPRESA")), "0000",
                                           r.FieldByName(QStringLiteral("NOMEEMPRESA"))));
             dados.FieldByName(QStringLiteral("Estab"))
                 ->SetAsString(CodigoENome(r.FieldByName(QStringLiteral("CODIGOESTAB")), "000",
                                           r.FieldByName(QStringLiteral("APELIDOESTAB"))));
             dados.FieldByName(QStringLiteral("Envelope"))
                 ->SetAsString(Texto(r.FieldByName(QStringLiteral("DESCRENVELOPE"))->AsString()));
             dados.FieldByName(QStringLiteral("LocalCaixa"))
                 ->SetAsString(CodigoENome(r.FieldByName(QStringLiteral("CODIGOLOCAL")), "000",
                                           r.FieldByName(QStringLiteral("DESCRLOCAL"))));
             const TnField *inicial = r.FieldByName(QStringLiteral("COMPETINICIAL"));
             const TnField *final = r.FieldByName(QStringLiteral("COMPETFINAL"));
             QString periodo = inicial->IsNull() ? QString() : DataTexto(inicial);
             if (!final->IsNull()) periodo += QStringLiteral(" a ") + DataTexto(final);
             dados.FieldByName(QStringLiteral("Periodo"))->SetAsString(periodo);
           });
}

void TmVoxDPConsultaDocumentosCaixa::CarregarDocumentos() {
  Carregar(
      QStringLiteral("select A.CODIGOCAIXA ,A.CODIGOENVELOPE ,A.CODIGODOCEMP ,D.DATALCTOPRO ,D.DESCRDOCEMP "
                     "from PROTOCOLODOCARQUIVO A "
                     "join PROTOCOLODOCEMP D on A.CODIGODOCEMP = D.CODIGODOCEMP "
                     "join PROTOCOLODOCCAIXA C on C.CODIGOCAIXA = A.CODIGOCAIXA"),
      FFiltro, FDocumentos, [&](const TnClientDataSet &r) {
        FDocumentos.FieldByName(QStringLiteral("CODIGOCAIXA"))
            ->SetValue(r.FieldByName(QStringLiteral("CODIGOCAIXA"))->Value());
        FDocumentos.FieldByName(QStringLiteral("CODIGOENVELOPE"))
            ->SetValue(r.FieldByName(QStringLiteral("CODIGOENVELOPE"))->Value());
        FDocumentos.FieldByName(QStringLiteral("CODIGODOCEMP"))
            ->SetValue(r.FieldByName(QStringLiteral("CODIGODOCEMP"))->Value());
        const TnField *data = r.FieldByName(QStringLiteral("DATALCTOPRO"));
        FDocumentos.FieldByName(QStringLiteral("DataLancamento"))->SetAsDate(data->IsNull() ? QDate() : data->AsDate());
        FDocumentos.FieldByName(QStringLiteral("Descricao"))
            ->SetAsString(Texto(r.FieldByName(QStringLiteral("DESCRDOCEMP"))->AsString()));
      });
}

void TmVoxDPConsultaDocumentosCaixa::CarregarMovimentos() {
  Carregar(
      QStringLiteral("select M.CODIGODOCEMP ,M.SEQDOCEMP ,M.OBSERVACAO ,M.TIPOLOCAL ,M.CODIGOUSUARIORESP "
                     ",M.CODIGOPROTOCOLO from PROTOCOLODOCMOVIMENTO M "
                     "join PROTOCOLODOCEMP D on D.CODIGODOCEMP = M.CODIGODOCEMP "
                     "join PROTOCOLODOCARQUIVO A on A.CODIGODOCEMP = M.CODIGODOCEMP "
                     "join PROTOCOLODOCCAIXA C on A.CODIGOCAIXA = C.CODIGOCAIXA"),
      FFiltro, FMovimentacao, [&](const TnClientDataSet &r) {
        FMovimentacao.FieldByName(QStringLiteral("CODIGODOCEMP"))
            ->SetValue(r.FieldByName(QStringLiteral("CODIGODOCEMP"))->Value());
        FMovimentacao.FieldByName(QStringLiteral("Seq"))->SetValue(r.FieldByName(QStringLiteral("SEQDOCEMP"))->Value());
        FMovimentacao.FieldByName(QStringLiteral("Observacao"))
            ->SetAsString(Texto(r.FieldByName(QStringLiteral("OBSERVACAO"))->AsString()));
        FMovimentacao.FieldByName(QStringLiteral("TipoLocal"))
            ->SetValue(Codigo(r.FieldByName(QStringLiteral("TIPOLOCAL"))));
        FMovimentacao.FieldByName(QStringLiteral("Responsavel"))
            ->SetAsString(r.FieldByName(QStringLiteral("CODIGOUSUARIORESP"))->AsString());
      });
}

void TmVoxDPConsultaDocumentosCaixa::CarregarProtocolos() {
  Carregar(
      QStringLiteral("select I.CODIGODOCEMP ,I.CODIGOPROTOCOLO ,I.DATALCTOPRO ,P.OBSERVACAO ,P.FORMAENTREGA "
                     ",P.NATUREZAPRO from PROTOCOLOITEM I "
                     "join PROTOCOLODOCEMP D on D.CODIGODOCEMP = I.CODIGODOCEMP "
                     "join PROTOCOLODOCARQUIVO A on A.CODIGODOCEMP = I.CODIGODOCEMP "
                     "join PROTOCOLODOCCAIXA C on A.CODIGOCAIXA = C.CODIGOCAIXA "
                     "join PROTOCOLO P on I.CODIGOPROTOCOLO = P.CODIGOPROTOCOLO"),
      FFiltro, FProtocolo, [&](const TnClientDataSet &r) {
        FProtocolo.FieldByName(QStringLiteral("CODIGODOCEMP"))
            ->SetValue(r.FieldByName(QStringLiteral("CODIGODOCEMP"))->Value());
        FProtocolo.FieldByName(QStringLiteral("CodigoProtocolo"))
            ->SetValue(r.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->Value());
        const TnField *data = r.FieldByName(QStringLiteral("DATALCTOPRO"));
        FProtocolo.FieldByName(QStringLiteral("DataProtocolo"))->SetAsDate(data->IsNull() ? QDate() : data->AsDate());
        FProtocolo.FieldByName(QStringLiteral("Observacao"))
            ->SetAsString(Texto(r.FieldByName(QStringLiteral("OBSERVACAO"))->AsString()));
        FProtocolo.FieldByName(QStringLiteral("FormaEntrega"))
            ->SetValue(Codigo(r.FieldByName(QStringLiteral("FORMAENTREGA"))));
        FProtocolo.FieldByName(QStringLiteral("Natureza"))
            ->SetValue(Codigo(r.FieldByName(QStringLiteral("NATUREZAPRO"))));
      });
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaDocumentosCaixa>(
      QStringLiteral("TmVoxDPConsultaDocumentosCaixa"), QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPConsultaDocumentosCaixa_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaDocumentosCaixa_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
