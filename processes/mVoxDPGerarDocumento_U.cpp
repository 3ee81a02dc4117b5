#include "mVoxDPGerarDocumento_U.h"

#include "mVoxDocumentosEsperados_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDialogos_U.h"
#include "nException_U.h"
#include "nFormatos_U.h"
#include "nFuncoesProcesso_U.h"
#include "nListasEmpresa_U.h"
#include "nMsgTree_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCompetInicial = QStringLiteral("pCompetInicial");
const QString kCompetFinal = QStringLiteral("pCompetFinal");

const QString kPergunta = QStringLiteral(
    "Atenção! Todos os documentos já gerados automáticamente neste período serão deletados! Deseja realmente gerar "
    "os documentos?");

const QString kSQLCfgEstabPro =
    QStringLiteral("select CODIGOEMPRESA ,CODIGOESTAB ,CODIGOGRUPODOC from CFGESTABPRO where ");

// A generated document that anything refers to stays: its movements, protocol
// items and archive entry would otherwise point at nothing.
const QString kSQLDeletar = QStringLiteral(
    "delete from PROTOCOLODOCEMP where DATALCTOPRO between :pDataInicial and :pDataFinal and ORIGEMDADO = 1 and "
    "(ARQUIVADO is null or ARQUIVADO <> '1') and not exists (select 1 from PROTOCOLODOCMOVIMENTO M where "
    "M.CODIGODOCEMP = PROTOCOLODOCEMP.CODIGODOCEMP) and not exists (select 1 from PROTOCOLOITEM I where "
    "I.CODIGODOCEMP = PROTOCOLODOCEMP.CODIGODOCEMP) and not exists (select 1 from PROTOCOLODOCARQUIVO A where "
    "A.CODIGODOCEMP = PROTOCOLODOCEMP.CODIGODOCEMP) ");

const QString kSQLMantidos = QStringLiteral(
    "select CODIGOEMPRESA ,CODIGOESTAB ,CODIGOTIPODOC ,DATALCTOPRO from PROTOCOLODOCEMP where DATALCTOPRO between "
    ":pDataInicial and :pDataFinal and ORIGEMDADO = 1 ");

const QString kSQLTipos = QStringLiteral(
    "select PT.CODIGOTIPODOC ,PT.PERIODODOC ,PT.MESOCORRENCIA ,PT.DESCRTIPODOC from PROTOCOLOTIPODOC PT join "
    "PROTOCOLOGRUPOTIPODOC PG on PG.CODIGOTIPODOC = PT.CODIGOTIPODOC where PG.CODIGOGRUPODOC = :pCodigoGrupoDoc and "
    "PT.GERARAUTO = '1' order by PT.CODIGOTIPODOC");

const QString kSQLInserir = QStringLiteral(
    "insert into PROTOCOLODOCEMP ( CODIGODOCEMP ,CODIGOTIPODOC ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,ORIGEMDADO "
    ",DESCRDOCEMP ,ARQUIVADO) values (:pCODIGODOCEMP ,:pCODIGOTIPODOC ,:pCODIGOEMPRESA ,:pCODIGOESTAB ,:pDATALCTOPRO "
    ",:pORIGEMDADO ,:pDESCRDOCEMP ,:pARQUIVADO) ");

qint64 ChaveEstab(int empresa, int estab) { return (static_cast<qint64>(empresa) << 32) | static_cast<quint32>(estab); }

QString ChaveDocumento(int empresa, int estab, int tipo, const QDate &data) {
  return QStringLiteral("%1;%2;%3;%4").arg(empresa).arg(estab).arg(tipo).arg(data.toJulianDay());
}

QString Mensagem(const std::exception &erro) {
  if (const auto *nosso = dynamic_cast<const Exception *>(&erro)) return nosso->message();
  return QString::fromLocal8Bit(erro.what());
}

}  // namespace

TmVoxDPGerarDocumento::TmVoxDPGerarDocumento() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Gerar Documento"));
  params.Adicionar({.Alias = kCompetInicial,
                    .Caption = QStringLiteral("Competência Inicial"),
                    .Obrigatorio = true,
                    .Posicao = 0,
                    .Dicionario = QStringLiteral("DICDATAMESANO")});
  params.Adicionar({.Alias = kCompetFinal,
                    .Caption = QStringLiteral("Competência Final"),
                    .Obrigatorio = true,
                    .Posicao = 1,
                    .Dicionario = QStringLiteral("DICDATAMESANO")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Caption = QStringLiteral("Empresa"),
                    .Obrigatorio = true,
                    .Posicao = 2,
                    .Dicionario = QStringLiteral("CODIGOEMPRESA"),
                    .CampoLookup = QStringLiteral("CODIGOEMPRESA"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Posicao = 3,
                    .Dicionario = QStringLiteral("CODIGOESTAB"),
                    .CampoLookup = QStringLiteral("CODIGOESTAB"),
                    .MultiSelecao = true});
}

TmVoxDPGerarDocumento::~TmVoxDPGerarDocumento() = default;

QList<TnMenuDecl> TmVoxDPGerarDocumento::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos");
  menu.Caption = QStringLiteral("Gerar Documento");
  menu.Index = 2;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

void TmVoxDPGerarDocumento::DataModuleCreate() {
  TnDMPowerParam::DataModuleCreate();
  SetMsgTreeExibir(true);
  SetFocarMsgTree(true);
}

void TmVoxDPGerarDocumento::ValidarDado() {
  TnDMPowerParam::ValidarDado();
  TnpqPowerParam &params = npqPowerParam();
  FCodigoEmpresa = Param(QStringLiteral("pCodigoEmpresa")).trimmed();
  FCodigoEstab = Param(QStringLiteral("pCodigoEstab")).trimmed();
  TnpqParamItem *inicial = params.Param(kCompetInicial);
  TnpqParamItem *final = params.Param(kCompetFinal);
  QDate data;
  if (!inicial->TryGetAsDate(data) || !data.isValid())
    throw EnParam(inicial, QStringLiteral("Competência inicial inválida!"));
  FCompetInicial = StartOfTheMonth(data);
  if (!final->TryGetAsDate(data) || !data.isValid())
    throw EnParam(final, QStringLiteral("Competência final inválida!"));
  FCompetFinal = EndOfTheMonth(data);
  if (FCompetInicial > FCompetFinal)
    throw EnParam(inicial, QStringLiteral("Competência inicial não pode ser maior do que a competência final!"));
}

QString TmVoxDPGerarDocumento::FiltroSelecao(bool juntar) const {
  QString filtro = FilterInterval(QStringLiteral("CODIGOEMPRESA"), FCodigoEmpresa, 1, juntar, 0);
  if (!FCodigoEstab.isEmpty()) filtro += FilterInterval(QStringLiteral("CODIGOESTAB"), FCodigoEstab, 1, true, 0);
  return filtro;
}

// --- the run

void TmVoxDPGerarDocumento::Executar() {
  TnDMPowerParam::Executar();
  if (nMessageDlg(kPergunta, TMsgDlgType::mtConfirmation, nBotoesSimNao()) != 0) return;

  // Each run speaks under its own nodes only.
  LimparMsgTreeLista();
  FNodeEmp = nullptr;
  FNodeEstab = nullptr;
  TnAoSair liberar([this] {
    sqlInserirDoc.reset();
    FGrupos.clear();
    FTipos.clear();
    FMantidos.clear();
  });

  std::unique_ptr<TnClientDataSet> curEmpresa =
      CriarListaEstabAtiva(FCodigoEmpresa, FCodigoEstab, FCompetInicial, FCompetFinal);
  std::unique_ptr<TnClientDataSet> curCfgEstabPro = ExecutarSQL(kSQLCfgEstabPro + FiltroSelecao(false));
  TnAoSair destruir([&] {
    DestruirSQL(curEmpresa);
    DestruirSQL(curCfgEstabPro);
  });

  TnDMConexao *conexao = nDMConexao();
  try {
    // A refused start is a failed run like any other: the user reads why.
    conexao->StartTransaction(1);
    const TnField *cfgEmpresa = curCfgEstabPro->FieldByName(QStringLiteral("CODIGOEMPRESA"));
    const TnField *cfgEstab = curCfgEstabPro->FieldByName(QStringLiteral("CODIGOESTAB"));
    const TnField *cfgGrupo = curCfgEstabPro->FieldByName(QStringLiteral("CODIGOGRUPODOC"));
    for (curCfgEstabPro->First(); !curCfgEstabPro->Eof(); curCfgEstabPro->Next())
      FGrupos.insert(ChaveEstab(cfgEmpresa->AsInteger(), cfgEstab->AsInteger()), cfgGrupo->AsInteger());

    const TnField *ixCodigoEmpresa = curEmpresa->FieldByName(QStringLiteral("CodigoEmpresa"));
    const TnField *ixCodigoEstab = curEmpresa->FieldByName(QStringLiteral("CodigoEstab"));
    const TnField *ixNomeEmpresa = curEmpresa->FieldByName(QStringLiteral("NomeEmpresa"));
    const TnField *ixApelidoEstab = curEmpresa->FieldByName(QStringLiteral("ApelidoEstab"));

    PrepararSQL();
    DeletarRegistrosAnteriores();
    CarregarMantidos();
    FMeses = MonthsBetweenInclusive(FCompetInicial, FCompetFinal);
    // Read once inside the transaction, then counted up: this run is the
    // only writer of the codes it hands out until it commits.
    FProximoCodigo =
        nDMSQLDataSet()->PegarProximoCodigo(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP"), QString(),
                                            0, 1);

    int AOldCodigoEmpresa = 0;
    for (curEmpresa->First(); !curEmpresa->Eof(); curEmpresa->Next()) {
      const int empresa = ixCodigoEmpresa->AsInteger();
      const int estab = ixCodigoEstab->AsInteger();
      if (empresa != AOldCodigoEmpresa || !FNodeEmp) {
        FNodeEmp = MsgTree(4, QStringLiteral("Empresa: %1 - %2").arg(empresa).arg(ixNomeEmpresa->AsString()));
        AOldCodigoEmpresa = empresa;
      }
      FNodeEstab =
          MsgTree(4, QStringLiteral("Filial: %1 - %2").arg(estab).arg(ixApelidoEstab->AsString()), FNodeEmp);
      GerarDocumentos(empresa, estab);
    }
    conexao->Commit(1);
  } catch (const std::exception &erro) {
    if (conexao->EmTransacao()) conexao->RollBack(1);
    MsgTree(0, QStringLiteral("Operação cancelada! Nenhum documento foi gerado!"), FNodeEstab);
    if (FNodeEstab) SetarIconErro(FNodeEstab);
    if (FNodeEmp) SetarIconErro(FNodeEmp);
    throw Exception(nPrefixoOperacaoCancelada() + Mensagem(erro));
  }
  MsgTree(5, QStringLiteral("Operação concluída com sucesso!"));
}

void TmVoxDPGerarDocumento::PrepararSQL() {
  sqlInserirDoc = std::make_unique<TnSQLDataSet>();
  sqlInserirDoc->SetSQLConnection(nDMConexao());
  sqlInserirDoc->SetCommandText(kSQLInserir);
  sqlInserirDoc->SetPrepared(true);
  const TnFieldType tipos[] = {TnFieldType::LargeInt, TnFieldType::SmallInt, TnFieldType::SmallInt,
                               TnFieldType::SmallInt, TnFieldType::Date,     TnFieldType::SmallInt,
                               TnFieldType::String,   TnFieldType::String};
  for (int i = 0; i < static_cast<int>(std::size(tipos)); ++i) sqlInserirDoc->Params(i).SetDataType(tipos[i]);
  // Every document is generated and not archived.
  sqlInserirDoc->Params(5).SetAsInteger(1);
  sqlInserirDoc->Params(7).SetAsString(QStringLiteral("0"));
}

void TmVoxDPGerarDocumento::DeletarRegistrosAnteriores() {
  ExecutarSQLDireto(kSQLDeletar + FiltroSelecao(true), {FCompetInicial, FCompetFinal});
}

void TmVoxDPGerarDocumento::CarregarMantidos() {
  std::unique_ptr<TnClientDataSet> mantidos =
      ExecutarSQL(kSQLMantidos + FiltroSelecao(true), {FCompetInicial, FCompetFinal});
  const TnField *empresa = mantidos->FieldByName(QStringLiteral("CODIGOEMPRESA"));
  const TnField *estab = mantidos->FieldByName(QStringLiteral("CODIGOESTAB"));
  const TnField *tipo = mantidos->FieldByName(QStringLiteral("CODIGOTIPODOC"));
  const TnField *data = mantidos->FieldByName(QStringLiteral("DATALCTOPRO"));
  for (mantidos->First(); !mantidos->Eof(); mantidos->Next())
    FMantidos.insert(ChaveDocumento(empresa->AsInteger(), estab->AsInteger(), tipo->AsInteger(), data->AsDate()));
  DestruirSQL(mantidos);
}

const QList<TmVoxDPGerarDocumento::TnTipo> &TmVoxDPGerarDocumento::TiposDoGrupo(int grupo) {
  auto achado = FTipos.constFind(grupo);
  if (achado != FTipos.constEnd()) return *achado;
  std::unique_ptr<TnClientDataSet> curTipoDoc = ExecutarSQL(kSQLTipos, {grupo}, -1);
  QList<TnTipo> tipos;
  const TnField *codigo = curTipoDoc->FieldByName(QStringLiteral("CODIGOTIPODOC"));
  const TnField *periodo = curTipoDoc->FieldByName(QStringLiteral("PERIODODOC"));
  const TnField *meses = curTipoDoc->FieldByName(QStringLiteral("MESOCORRENCIA"));
  const TnField *descricao = curTipoDoc->FieldByName(QStringLiteral("DESCRTIPODOC"));
  for (curTipoDoc->First(); !curTipoDoc->Eof(); curTipoDoc->Next()) {
    TnTipo tipo{codigo->AsInteger(), descricao->AsString(), {}};
    const int periodoDoc = periodo->IsNull() ? 0 : periodo->AsInteger();
    const QVariant mesOcorrencia = meses->IsNull() ? QVariant() : QVariant(meses->AsString());
    tipo.DatasPorMes.reserve(FMeses);
    for (int k = 0; k < FMeses; ++k)
      tipo.DatasPorMes << TmVoxDocumentosEsperados::DatasEsperadas(IncMonth(FCompetInicial, k), periodoDoc,
                                                                   mesOcorrencia);
    tipos << tipo;
  }
  DestruirSQL(curTipoDoc);
  return *FTipos.insert(grupo, tipos);
}

void TmVoxDPGerarDocumento::GerarDocumentos(int empresa, int estab) {
  auto grupo = FGrupos.constFind(ChaveEstab(empresa, estab));
  if (grupo == FGrupos.constEnd()) {
    MsgTree(0, QStringLiteral("Filial não possui configuração no protocolo!"), FNodeEstab);
    return;
  }
  const QList<TnTipo> &tipos = TiposDoGrupo(*grupo);
  if (tipos.isEmpty()) {
    MsgTree(2, QStringLiteral("Grupo %1 não possui tipos de documentos associados a ele!").arg(*grupo), FNodeEstab);
    return;
  }
  for (const TnTipo &tipo : tipos) {
    for (const QList<QDate> &datas : tipo.DatasPorMes) {
      for (const QDate &data : datas) {
        if (!FMantidos.isEmpty() && FMantidos.contains(ChaveDocumento(empresa, estab, tipo.Codigo, data))) continue;
        const qint64 codigo = FProximoCodigo++;
        InserirDocumento(codigo, tipo.Codigo, empresa, estab, data, tipo.Descricao);
        MsgTree(5, QStringLiteral("Documento Número: %1 gerado.").arg(codigo), FNodeEstab);
      }
    }
  }
}

void TmVoxDPGerarDocumento::InserirDocumento(qint64 codigo, int tipoDoc, int empresa, int estab, const QDate &data,
                                             const QString &descricao) {
  TnSQLDataSet &sql = *sqlInserirDoc;
  sql.Params(0).SetAsInteger(codigo);
  sql.Params(1).SetAsInteger(tipoDoc);
  sql.Params(2).SetAsInteger(empresa);
  sql.Params(3).SetAsInteger(estab);
  sql.Params(4).SetAsDate(data);
  sql.Params(6).SetAsString(descricao);
  sql.ExecSQL();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDPGerarDocumento>(QStringLiteral("TmVoxDPGerarDocumento"), QStringLiteral("TnDMPowerParam"))};
});
void mVoxDPGerarDocumento_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPGerarDocumento_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
