#include "mVoxDPConsultaDocPendente_U.h"

#include <QHash>
#include <QSqlQuery>

#include "mVoxDocumentosEsperados_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDialetoSQL_U.h"
#include "nDefinicao_U.h"
#include "nFormatos_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCompet = QStringLiteral("pCompet");
const QString kCodigoEmpresa = QStringLiteral("CODIGOEMPRESA");
const QString kCodigoEstab = QStringLiteral("CODIGOESTAB");
const QString kCodigoDocumento = QStringLiteral("CODIGODOCUMENTO");
const QString kDataLcto = QStringLiteral("DATALCTO");
const QString kCodigoTipoDoc = QStringLiteral("CODIGOTIPODOC");
const QString kDescrDocEmp = QStringLiteral("DESCRDOCEMP");

const QString kSQLDocumentos = QStringLiteral(
    "select CODIGODOCEMP ,CODIGOTIPODOC ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,DESCRDOCEMP from PROTOCOLODOCEMP C  "
    "where DATALCTOPRO between :pDataInicial and :pDataFinal");

const QString kSQLTipos = QStringLiteral(
    "select C.CODIGOEMPRESA ,C.CODIGOESTAB ,C.CODIGOGRUPODOC ,T.CODIGOTIPODOC ,T.DESCRTIPODOC ,T.PERIODODIASDESCARTE "
    ",T.GERARAUTO ,T.PERIODODOC ,T.MESOCORRENCIA ,T.GERARENVELOPE from PROTOCOLOTIPODOC T join PROTOCOLOGRUPOTIPODOC "
    "G on T.CODIGOTIPODOC = G.CODIGOTIPODOC join CFGESTABPRO C on C.CODIGOGRUPODOC = G.CODIGOGRUPODOC");

// A (company, establishment, type) pair of the documents of the month.
struct TnChave {
  int Empresa;
  int Estab;
  int Tipo;
  bool operator==(const TnChave &) const = default;
};
size_t qHash(const TnChave &chave, size_t semente = 0) {
  return qHashMulti(semente, chave.Empresa, chave.Estab, chave.Tipo);
}

}  // namespace

TmVoxDPConsultaDocPendente::TmVoxDPConsultaDocPendente() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Consulta de Documentos Pendentes"));
  TmVoxDocumentosEsperados::AdicionarParametros(params);
  params.Adicionar({.Alias = QStringLiteral("pTipoPeriodo"),
                    .Caption = QStringLiteral("Período"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("0"),
                    .Obrigatorio = true,
                    .Hint = QStringLiteral("Informe o período do Tipo de Documento"),
                    .Posicao = 1,
                    .Valores = QStringLiteral("Todos=0;Mensal=1;Quinzenal=2;Decendial=3;")});
}

TmVoxDPConsultaDocPendente::~TmVoxDPConsultaDocPendente() = default;

QList<TnMenuDecl> TmVoxDPConsultaDocPendente::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("04 Consultas");
  menu.Caption = QStringLiteral("Consulta de Documentos Pendentes");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

void TmVoxDPConsultaDocPendente::DataModuleCreate() {
  TnDMPowerParamGrid::DataModuleCreate();
  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(kCodigoEmpresa, TnFieldType::SmallInt);
  dados.AddFieldDef(kCodigoEstab, TnFieldType::SmallInt);
  dados.AddFieldDef(kCodigoDocumento, TnFieldType::LargeInt);
  dados.AddFieldDef(kDataLcto, TnFieldType::Date);
  dados.AddFieldDef(kCodigoTipoDoc, TnFieldType::SmallInt);
  dados.AddFieldDef(kDescrDocEmp, TnFieldType::String, 100);
  dados.CreateDataSet();
  const std::tuple<const QString &, const char *, int> campos[] = {
      {kCodigoEmpresa, "Empresa", 4},      {kCodigoEstab, "Filial", 4}, {kCodigoDocumento, "Documento", 0},
      {kDescrDocEmp, "Descrição", 0},      {kDataLcto, "Data Lcto", 0}, {kCodigoTipoDoc, "Tipo Documento", 4}};
  for (const auto &[nome, rotulo, tamanho] : campos) {
    TnField *campo = dados.FieldByName(nome);
    campo->SetDisplayLabel(QString::fromUtf8(rotulo));
    if (tamanho > 0) campo->Definicao().SetTamanhoMaximo(tamanho);
  }
}

void TmVoxDPConsultaDocPendente::SetDataInicial(const QDate &valor) {
  // The expected dates rest on day 1 of the month, whatever day was given.
  FDataInicial = StartOfTheMonth(valor);
  FDataFinal = EndOfTheMonth(valor);
}

void TmVoxDPConsultaDocPendente::ValidarDado() {
  TnDMPowerParamGrid::ValidarDado();
  SetCodigoEmpresa(Param(QStringLiteral("pCodigoEmpresa")));
  SetCodigoEstab(Param(QStringLiteral("pCodigoEstab")));
  SetDataInicial(TmVoxDocumentosEsperados::LerCompetencia(*npqPowerParam().Param(kCompet)));
  bool numero = false;
  FPeriodo = Param(QStringLiteral("pTipoPeriodo")).trimmed().toInt(&numero);
  if (!numero) FPeriodo = 0;
}

void TmVoxDPConsultaDocPendente::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamGrid::DepoisConfigurar(form);
  if (TnDBGridEh *grid = nDBGrid())
    grid->CriarColunas(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB;CODIGODOCUMENTO;DESCRDOCEMP;DATALCTO;CODIGOTIPODOC"));
}

void TmVoxDPConsultaDocPendente::Executar() {
  TnDMPowerParamGrid::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.State() != TnDataSetState::Browse) dados.Cancel();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  FProximoCodigoDoc = nDMSQLDataSet()->PegarProximoCodigo(QStringLiteral("PROTOCOLODOCEMP"),
                                                          QStringLiteral("CODIGODOCEMP"), QString(), 0, 1);

  // The selection, as conditions on the configuration's columns (C).
  QStringList condicoes;
  if (!FCodigoEmpresa.isEmpty()) condicoes << FilterInterval(QStringLiteral("C.CODIGOEMPRESA"), FCodigoEmpresa, 1, false, 3);
  if (!FCodigoEstab.isEmpty()) condicoes << FilterInterval(QStringLiteral("C.CODIGOESTAB"), FCodigoEstab, 1, false, 3);
  QString sqlDocumentos = kSQLDocumentos;
  for (const QString &condicao : condicoes) sqlDocumentos += QStringLiteral(" and ") + condicao;
  if (FPeriodo != 0) condicoes << QStringLiteral("T.PERIODODOC = ") + QString::number(FPeriodo);
  QString sqlTipos = kSQLTipos;
  if (!condicoes.isEmpty()) sqlTipos += QStringLiteral(" where ") + condicoes.join(QStringLiteral(" and "));
  sqlTipos += QStringLiteral(" order by C.CODIGOEMPRESA, C.CODIGOESTAB, T.CODIGOTIPODOC");

  // Both selects are walked once, forward, straight off the connection: the
  // documents are read whole before the types' select runs (PostgreSQL keeps
  // one pending result per connection).
  TnDMConexao *conexao = nDMConexao();
  // The month's documents by pair: each expected date looks only at its own.
  QHash<TnChave, QList<QDate>> documentos;
  {
    QSqlQuery curDoc = conexao->Executar(sqlDocumentos, {FDataInicial, FDataFinal});
    while (curDoc.next())
      documentos[TnChave{curDoc.value(2).toInt(), curDoc.value(3).toInt(), curDoc.value(1).toInt()}]
          << TnDialetoSQL::DataDoBanco(curDoc.value(4));
  }

  // The columns of kSQLTipos.
  enum { cEmpresa, cEstab, cGrupo, cTipo, cDescricao, cDescarte, cGerarAuto, cPeriodo, cMeses };
  TnField *rEmpresa = dados.FieldByName(kCodigoEmpresa);
  TnField *rEstab = dados.FieldByName(kCodigoEstab);
  TnField *rTipo = dados.FieldByName(kCodigoTipoDoc);
  TnField *rData = dados.FieldByName(kDataLcto);
  TnField *rDescricao = dados.FieldByName(kDescrDocEmp);
  TnField *rCodigo = dados.FieldByName(kCodigoDocumento);
  const QList<QDate> nenhum;

  dados.DisableControls();
  TnAoSair habilitar([&] { dados.EnableControls(); });
  QSqlQuery curTipoDoc = conexao->Executar(sqlTipos);
  while (curTipoDoc.next()) {
    const QVariant gerarAuto = curTipoDoc.value(cGerarAuto);
    if (gerarAuto.isNull() || gerarAuto.toString().trimmed() != QLatin1String("1")) continue;
    const QVariant valorPeriodo = curTipoDoc.value(cPeriodo);
    const int periodo = valorPeriodo.isNull() ? 0 : valorPeriodo.toInt();
    const QList<QDate> esperadas =
        TmVoxDocumentosEsperados::DatasEsperadas(FDataInicial, periodo, curTipoDoc.value(cMeses));
    if (esperadas.isEmpty()) continue;
    const TnChave chave{curTipoDoc.value(cEmpresa).toInt(), curTipoDoc.value(cEstab).toInt(),
                        curTipoDoc.value(cTipo).toInt()};
    const QList<QDate> &presentes = documentos.value(chave, nenhum);
    QString descricao;
    for (const QDate &esperada : esperadas) {
      bool satisfeita = false;
      for (const QDate &presente : presentes)
        if (TmVoxDocumentosEsperados::Satisfaz(periodo, esperada, presente)) {
          satisfeita = true;
          break;
        }
      if (satisfeita) continue;
      if (descricao.isNull()) descricao = curTipoDoc.value(cDescricao).toString();
      dados.Append();
      rEmpresa->SetAsInteger(chave.Empresa);
      rEstab->SetAsInteger(chave.Estab);
      rTipo->SetAsInteger(chave.Tipo);
      rData->SetAsDate(esperada);
      rDescricao->SetAsString(descricao);
      rCodigo->SetAsInteger(FProximoCodigoDoc++);
      dados.Post();
    }
  }
  dados.First();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaDocPendente>(QStringLiteral("TmVoxDPConsultaDocPendente"),
                                                                     QStringLiteral("TnDMPowerParamGrid"))};
});
void mVoxDPConsultaDocPendente_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaDocPendente_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
