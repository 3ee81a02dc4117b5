#include "mVoxDPArquivarDocs_U.h"

#include <QDateTime>
#include <QSet>
#include <vector>

#include "nAoSair_U.h"
#include "nCadastroIndividual_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nColunaGrid_U.h"
#include "nCores_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDesenhoCelula_U.h"
#include "nDialogos_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFraCtrlNDLink_U.h"
#include "nFraProgresso_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kParamCaixa = QStringLiteral("pCodigoCaixaPro");
const QString kParamSomenteArq = QStringLiteral("pSomenteArq");
const QString kParamEnvelope = QStringLiteral("pCodigoEnvelope");
const QString kParamDataInicial = QStringLiteral("pDataInicial");
const QString kParamDataFinal = QStringLiteral("pDataFinal");
const QString kParamDocEmp = QStringLiteral("pCodigoDocEmp");
const QString kParamTipoDoc = QStringLiteral("pCodigoTipoDoc");

const QString kSQLArquivados = QStringLiteral(
    "select A.CODIGOENVELOPE ,A.CODIGODOCEMP ,D.DESCRDOCEMP ,D.DATALCTOPRO ,D.CODIGOTIPODOC ,cast(1 as Integer) "
    "STATUS ,T.GERARENVELOPE from PROTOCOLODOCARQUIVO A join PROTOCOLODOCEMP D on D.CODIGODOCEMP = A.CODIGODOCEMP "
    "join PROTOCOLOTIPODOC T on T.CODIGOTIPODOC = D.CODIGOTIPODOC where A.CODIGOCAIXA = :pCodigoCaixa ");
const QString kSQLNaoArquivados = QStringLiteral(
    " union select cast(0 as Integer) ENVELOPE ,D.CODIGODOCEMP ,D.DESCRDOCEMP ,D.DATALCTOPRO ,D.CODIGOTIPODOC "
    ",cast(2 as Integer) STATUS ,T.GERARENVELOPE from PROTOCOLODOCEMP D join PROTOCOLOTIPODOC T on "
    "T.CODIGOTIPODOC = D.CODIGOTIPODOC where D.ARQUIVADO = '0' ");

const QString kSQLTipoDoc =
    QStringLiteral("select GERARENVELOPE ,DESCRTIPODOC from PROTOCOLOTIPODOC where CODIGOTIPODOC = :pCodigoTipoDoc");

// The stored state of a document, read inside the save: its flag, date,
// how many envelopes hold it, and its last movement's number.
const QString kSQLDocumento = QStringLiteral(
    "select D.ARQUIVADO ,D.DATALCTOPRO ,(select count(*) from PROTOCOLODOCARQUIVO A where A.CODIGODOCEMP = "
    "D.CODIGODOCEMP) QTDARQUIVO ,(select coalesce(max(M.SEQDOCEMP), 0) from PROTOCOLODOCMOVIMENTO M where "
    "M.CODIGODOCEMP = D.CODIGODOCEMP) ULTIMASEQ from PROTOCOLODOCEMP D where D.CODIGODOCEMP = :pCodigoDocEmp");
const QString kSQLEnvelopesDoc = QStringLiteral(
    "select CODIGOENVELOPE from PROTOCOLODOCARQUIVO where CODIGOCAIXA = :pCodigoCaixa and CODIGODOCEMP = "
    ":pCodigoDocEmp order by CODIGOENVELOPE");
const QString kSQLUltimoMov = QStringLiteral(
    "select SEQDOCEMP ,OBSERVACAO from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :pCodigoDocEmp and SEQDOCEMP = "
    "(select max(SEQDOCEMP) from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :pCodigoDocEmp)");
const QString kSQLExisteEnvelope = QStringLiteral(
    "select count(*) QTD from PROTOCOLODOCENVELOPE where CODIGOCAIXA = :pCodigoCaixa and CODIGOENVELOPE = "
    ":pCodigoEnvelope");
const QString kSQLInsertEnvelope = QStringLiteral(
    "insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA ,CODIGOENVELOPE ,DESCRENVELOPE) values (:pCodigoCaixa "
    ",:pCodigoEnvelope ,:pDescrEnvelope) ");
const QString kSQLInsert = QStringLiteral(
    "insert into PROTOCOLODOCARQUIVO ( CODIGOCAIXA ,CODIGOENVELOPE ,CODIGODOCEMP) values (:pCODIGOCAIXA "
    ",:pCODIGOENVELOPE ,:pCODIGODOCEMP) ");
const QString kSQLInsertMov = QStringLiteral(
    "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP ,SEQDOCEMP ,OBSERVACAO ,TIPOLOCAL ,DATALCTOPRO ,DATAHORA "
    ",CODIGOUSUARIO ,ORIGEMDADO) values (:pCODIGODOCEMP ,:pSEQDOCEMP ,:pOBSERVACAO ,:pTIPOLOCAL ,:pDATALCTOPRO "
    ",:pDATAHORA ,:pCODIGOUSUARIO ,:pORIGEMDADO) ");
const QString kSQLDelete = QStringLiteral(
    "delete from PROTOCOLODOCARQUIVO where CODIGOCAIXA = :pCodigoCaixa and CODIGOENVELOPE = :pCodigoEnvelope and "
    "CODIGODOCEMP = :pCodigoDocEmp ");
const QString kSQLDeleteMov = QStringLiteral(
    "delete from PROTOCOLODOCMOVIMENTO where CODIGODOCEMP = :pCodigoDocEmp and SEQDOCEMP = :pSeqDocEmp ");
const QString kSQLUpdateDoc =
    QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = :pArquivado  where CODIGODOCEMP = :pCodigoDocEmp");

const QString kObservacao = QStringLiteral("Arquivado em ");

const QStringList kNomesStatus = {QStringLiteral("Arquivado=1"), QStringLiteral("Não Arquivado=2"),
                                  QStringLiteral("A Arquivar=3"), QStringLiteral("A Remover=4")};

// The envelope's description fits its column: cut in characters, never
// inside one.
QString DescricaoEnvelope(const QString &texto) {
  constexpr int kTamanho = 50;
  QString descricao = texto.trimmed();
  int caracteres = 0;
  for (qsizetype i = 0; i < descricao.size(); ++i) {
    if (descricao.at(i).isLowSurrogate()) continue;
    if (++caracteres > kTamanho) return descricao.left(i);
  }
  return descricao;
}

// A prepared statement on the process connection.
std::unique_ptr<TnSQLDataSet> Preparar(const QString &sql) {
  auto comando = std::make_unique<TnSQLDataSet>(nDMConexao());
  comando->SetCommandText(sql);
  comando->SetPrepared(true);
  return comando;
}

}  // namespace

struct TmVoxDPArquivarDocs::TnCampos {
  TnField *CodigoEnvelope = nullptr;
  TnField *CodigoDocEmp = nullptr;
  TnField *DataLctoDoc = nullptr;
  TnField *CodigoTipoDoc = nullptr;
  TnField *Status = nullptr;
  void Mapear(TnClientDataSet &d) {
    d.MapearCampo(CodigoEnvelope, QStringLiteral("CodigoEnvelope"));
    d.MapearCampo(CodigoDocEmp, QStringLiteral("CODIGODOCEMP"));
    d.MapearCampo(DataLctoDoc, QStringLiteral("DataLctoDoc"));
    d.MapearCampo(CodigoTipoDoc, QStringLiteral("CodigoTipoDoc"));
    d.MapearCampo(Status, QStringLiteral("Status"));
  }
};

// The statements of one save.
struct TmVoxDPArquivarDocs::TnSQL {
  std::unique_ptr<TnSQLDataSet> Documento = Preparar(kSQLDocumento);
  std::unique_ptr<TnSQLDataSet> EnvelopesDoc = Preparar(kSQLEnvelopesDoc);
  std::unique_ptr<TnSQLDataSet> UltimoMov = Preparar(kSQLUltimoMov);
  std::unique_ptr<TnSQLDataSet> ExisteEnvelope = Preparar(kSQLExisteEnvelope);
  std::unique_ptr<TnSQLDataSet> InsertEnvelope = Preparar(kSQLInsertEnvelope);
  std::unique_ptr<TnSQLDataSet> Insert = Preparar(kSQLInsert);
  std::unique_ptr<TnSQLDataSet> InsertMov = Preparar(kSQLInsertMov);
  std::unique_ptr<TnSQLDataSet> Delete = Preparar(kSQLDelete);
  std::unique_ptr<TnSQLDataSet> DeleteMov = Preparar(kSQLDeleteMov);
  std::unique_ptr<TnSQLDataSet> UpdateDoc = Preparar(kSQLUpdateDoc);
};

TmVoxDPArquivarDocs::TmVoxDPArquivarDocs() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Arquivar Documentos"));
  params.Adicionar({.Alias = kParamCaixa,
                    .Tipo = TnTipoParam::Link,
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("CODIGOCAIXAPRO"),
                    .TabelaLink = QStringLiteral("PROTOCOLODOCCAIXA"),
                    .CampoLink = QStringLiteral("CODIGOCAIXA")});
  // An unknown box is the validation's question (register it?), not a
  // second message on leaving the field.
  if (auto *link = dynamic_cast<TnFraCtrlNDLink *>(params.Param(kParamCaixa)->Editor()))
    link->SetChecarNaSaida(false);
  params.Adicionar({.Alias = kParamSomenteArq,
                    .Caption = QStringLiteral("Somente Arquivados"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("0"),
                    .Obrigatorio = true,
                    .Valores = QStringLiteral("Sim=1;Não=0;")});
  params.Adicionar(
      {.Alias = kParamEnvelope, .Tipo = TnTipoParam::Texto, .Dicionario = QStringLiteral("CODIGOENVELOPE")});
  params.Adicionar({.Alias = kParamDataInicial,
                    .Caption = QStringLiteral("Data Inicial"),
                    .Tipo = TnTipoParam::Data,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = kParamDataFinal,
                    .Caption = QStringLiteral("Data Final"),
                    .Tipo = TnTipoParam::Data,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = kParamDocEmp,
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGODOCEMP"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = kParamTipoDoc,
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOTIPODOC"),
                    .MultiSelecao = true});
}

TmVoxDPArquivarDocs::~TmVoxDPArquivarDocs() = default;

QList<TnMenuDecl> TmVoxDPArquivarDocs::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\05 Arquivamento");
  menu.Caption = QStringLiteral("Arquivar Documentos");
  menu.Index = 1;
  menu.Separador = true;
  menu.CriarHTTP = true;
  menu.Modulo = QStringLiteral("mVox");
  return {menu};
}

TmVoxDPArquivarDocs::TnCampos &TmVoxDPArquivarDocs::Campos() { return nClientDataSet().Mapeamento<TnCampos>(); }

void TmVoxDPArquivarDocs::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  ConfigurarGridConfiguracao();
  SetMsgTreeExibir(true);
  FListaEnvelopes.clear();
  FOpcao = stNaoArquivado;
  FOpcaoRemove = stArquivado;

  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(QStringLiteral("CodigoEnvelope"), TnFieldType::Integer);
  dados.AddFieldDef(QStringLiteral("CODIGODOCEMP"), TnFieldType::LargeInt);
  dados.AddFieldDef(QStringLiteral("DataLctoDoc"), TnFieldType::DateTime);
  dados.AddFieldDef(QStringLiteral("CodigoTipoDoc"), TnFieldType::SmallInt);
  dados.AddFieldDef(QStringLiteral("Status"), TnFieldType::SmallInt);
  dados.CreateDataSet();
  nClientDataSetBeforeOpen(dados);
  dados.BeforeOpen = [this](TnClientDataSet &d) { nClientDataSetBeforeOpen(d); };
  dados.AfterEdit = [this](TnClientDataSet &d) { nClientDataSetAfterEdit(d); };
  dados.AfterInsert = [this](TnClientDataSet &d) { nClientDataSetAfterInsert(d); };
  dados.BeforeDelete = [this](TnClientDataSet &d) { nClientDataSetBeforeDelete(d); };
}

void TmVoxDPArquivarDocs::nClientDataSetBeforeOpen(TnClientDataSet &dataSet) {
  if (dataSet.FieldCount() == 0) return;
  TnField *envelope = dataSet.FieldByName(QStringLiteral("CodigoEnvelope"));
  envelope->Definicao().SetDicionario(QStringLiteral("CODIGOENVELOPE"));
  envelope->Definicao().SetTamanhoMaximo(9);
  dataSet.FieldByName(QStringLiteral("CODIGODOCEMP"))->Definicao().SetDicionario(QStringLiteral("CODIGODOCEMP"));
  dataSet.FieldByName(QStringLiteral("DataLctoDoc"))->SetDisplayLabel(QStringLiteral("Data Lcto"));
  TnField *tipo = dataSet.FieldByName(QStringLiteral("CodigoTipoDoc"));
  tipo->Definicao().SetDicionario(QStringLiteral("CODIGOTIPODOC"));
  tipo->Definicao().SetTamanhoMaximo(4);
  Dicionario(dataSet);
  AddFieldLookup(dataSet);
  // The state shows and takes its names while the field keeps 1..4.
  TnField *status = dataSet.FieldByName(QStringLiteral("Status"));
  status->SetDisplayLabel(QStringLiteral("Status"));
  status->Definicao().SetNomesValores(kNomesStatus);
  status->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  status->Definicao().LigarTextos();
}

// --- parameters

bool TmVoxDPArquivarDocs::CaixaExiste() const {
  return FCaixa > 0 &&
         nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("PROTOCOLODOCCAIXA"), QStringLiteral("CODIGOCAIXA"),
                                           QStringLiteral("CODIGOCAIXA = ") + QString::number(FCaixa));
}

void TmVoxDPArquivarDocs::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  bool numero = false;
  const int caixa = Param(kParamCaixa).trimmed().toInt(&numero);
  FCaixa = numero ? caixa : 0;
  const int somente = Param(kParamSomenteArq).trimmed().toInt(&numero);
  FSomenteArq = (numero ? somente : 1) == 1;

  // A code the user chose not to register is not asked about again (the
  // run validates once more before it loads, the save reloads).
  auto *link = dynamic_cast<TnFraCtrlNDLink *>(npqPowerParam().Param(kParamCaixa)->Editor());
  if (!link || FCaixa == FCaixaRecusada || link->Existe()) return;
  if (nMessageDlg(QStringLiteral("A caixa informada não foi encontrada!\r\nDeseja cadastrar?"),
                  TMsgDlgType::mtConfirmation, nBotoesSimNao()) != 0) {
    FCaixaRecusada = FCaixa;
    return;
  }
  nAbrirCadastroIndividual(QStringLiteral("TmVoxDMProtocoloDocCaixa"), {QStringLiteral("CODIGOCAIXA")}, {FCaixa});
  link->Checar();
}

// --- the run

void TmVoxDPArquivarDocs::Executar() {
  TnDMPowerParamTab::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.State() != TnDataSetState::Browse) dados.Cancel();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  CriarProgresso()->MostrarCircular(QStringLiteral("Carregando dados..."));
  TnAoSair fim([&] {
    SetTemAlteracao(false);
    LiberarProgresso();
  });
  CarregarDados();
}

QString TmVoxDPArquivarDocs::MontarFiltro(const QString &empresa, const QString &estab) const {
  QString filtro = QStringLiteral(" and CODIGOEMPRESA = ") + empresa + QStringLiteral(" AND CODIGOESTAB = ") + estab +
                   QStringLiteral(" ");
  const QString documentos = Param(kParamDocEmp).trimmed();
  if (!documentos.isEmpty()) filtro += FilterInterval(QStringLiteral("D.CODIGODOCEMP"), documentos, 1, true, 3);
  const QString tipos = Param(kParamTipoDoc).trimmed();
  if (!tipos.isEmpty()) filtro += FilterInterval(QStringLiteral("D.CODIGOTIPODOC"), tipos, 1, true, 3);
  if (!npqPowerParam().Param(kParamDataInicial)->IsNull())
    filtro += QStringLiteral(" AND D.DATALCTOPRO between :pDataInicial and :pDataFinal");
  return filtro;
}

void TmVoxDPArquivarDocs::CarregarDados() {
  // The proposal of one load: descriptions never carry over to another
  // filter or another box.
  FListaEnvelopes.clear();
  if (!CaixaExiste()) return;
  std::unique_ptr<TnClientDataSet> caixa = ExecutarSQL(
      QStringLiteral("select CODIGOEMPRESA ,CODIGOESTAB from PROTOCOLODOCCAIXA where CODIGOCAIXA = :c"), {FCaixa});
  const QString empresa = QString::number(caixa->FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger());
  const QString estab = QString::number(caixa->FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger());
  DestruirSQL(caixa);

  const QString filtro = MontarFiltro(empresa, estab);
  QString sql = kSQLArquivados;
  const QString envelopes = Param(kParamEnvelope).trimmed();
  if (!envelopes.isEmpty()) sql += FilterInterval(QStringLiteral("A.CODIGOENVELOPE"), envelopes, 1, true, 3);
  sql += filtro;
  if (!FSomenteArq) sql += kSQLNaoArquivados + filtro;
  sql += QStringLiteral(" order by 5, 6, 4 ");

  QVariantList valores{FCaixa};
  TnpqPowerParam &params = npqPowerParam();
  if (!params.Param(kParamDataInicial)->IsNull()) {
    TnpqParamItem *final = params.Param(kParamDataFinal);
    QDate dataFinal;
    if (final->IsNull() || !final->TryGetAsDate(dataFinal) || !dataFinal.isValid()) dataFinal = nDMConexao()->Date();
    valores << params.Param(kParamDataInicial)->GetAsDate() << dataFinal;
  }
  std::unique_ptr<TnClientDataSet> resultado = ExecutarSQL(sql, valores);

  TnClientDataSet &dados = nClientDataSet();
  TnCampos &c = Campos();
  dados.DisableControls();
  TnAoSair liberar([&] {
    DestruirSQL(resultado);
    dados.First();
    dados.EnableControls();
  });
  const TnField *envelope = resultado->FieldByName(QStringLiteral("CODIGOENVELOPE"));
  const TnField *documento = resultado->FieldByName(QStringLiteral("CODIGODOCEMP"));
  const TnField *data = resultado->FieldByName(QStringLiteral("DATALCTOPRO"));
  const TnField *tipo = resultado->FieldByName(QStringLiteral("CODIGOTIPODOC"));
  const TnField *status = resultado->FieldByName(QStringLiteral("STATUS"));
  const TnField *gerarEnvelope = resultado->FieldByName(QStringLiteral("GERARENVELOPE"));

  int contador = static_cast<int>(nDMSQLDataSet()->PegarProximoCodigo(
                     QStringLiteral("PROTOCOLODOCENVELOPE"), QStringLiteral("CODIGOENVELOPE"),
                     QStringLiteral("CODIGOCAIXA = ") + QString::number(FCaixa))) -
                 1;
  int ultimoTipo = 0;
  int envelopeTipo = 0;
  int envelopeComum = 0;
  // The type as stored, read once per type the list holds (it comes ordered
  // by type); a type that is gone reads as one that gets no envelope.
  std::unique_ptr<TnSQLDataSet> lerTipo = Preparar(kSQLTipoDoc);
  for (resultado->First(); !resultado->Eof(); resultado->Next()) {
    const int estado = status->AsInteger();
    int proposto = 0;
    if (estado == stArquivado) {
      proposto = envelope->AsInteger();
    } else if (gerarEnvelope->AsString().trimmed() == QLatin1String("1")) {
      const int tipoLinha = tipo->AsInteger();
      if (tipoLinha != ultimoTipo) {
        ultimoTipo = tipoLinha;
        lerTipo->Params(0).SetAsInteger(tipoLinha);
        lerTipo->Open();
        const bool existe = !lerTipo->Resultado().IsEmpty();
        if (existe &&
            lerTipo->FieldByName(QStringLiteral("GERARENVELOPE"))->AsString().trimmed() == QLatin1String("1")) {
          envelopeTipo = ++contador;
          if (!FListaEnvelopes.contains(envelopeTipo))
            FListaEnvelopes.insert(envelopeTipo, lerTipo->FieldByName(QStringLiteral("DESCRTIPODOC"))->AsString());
        }
      }
      proposto = envelopeTipo;
    } else {
      if (envelopeComum == 0) envelopeComum = ++contador;
      proposto = envelopeComum;
    }
    dados.Append();
    c.CodigoEnvelope->SetAsInteger(proposto);
    c.CodigoDocEmp->SetAsInteger(documento->AsLargeInt());
    c.DataLctoDoc->SetAsDateTime(data->IsNull() ? QDateTime() : QDateTime(data->AsDate(), QTime(0, 0)));
    c.CodigoTipoDoc->SetAsInteger(tipo->AsInteger());
    c.Status->SetAsInteger(estado);
    dados.Post();
  }
}

// --- the screen

void TmVoxDPArquivarDocs::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  // Every parameter stays on the panel: showing the box alone would hide
  // the filters and "Somente Arquivados" from the user.
  CriarTabGrid(QStringLiteral("Documentos por Caixa"));
  if (TnDBGridEh *grid = nDBGrid()) {
    grid->OnDrawColumnCell = [this](TnDBGridEh &sender, TnDesenhoCelula &celula) {
      nDBGridDrawColumnCell(sender, celula);
    };
    auto anterior = grid->OnKeyDown;
    grid->OnKeyDown = [this, anterior](TnDBGridEh &sender, int &key, TShiftState shift) {
      nDBGridKeyDown(sender, key, shift);
      if (key != 0 && anterior) anterior(sender, key, shift);
    };
    grid->OnDblClick = [this](QObject *sender) { nDBGridDblClick(sender); };
    grid->OnTitleClick = [this](TnDBGridEh &sender, TnColunaGrid &coluna) { nDBGridTitleClick(sender, coluna); };
    grid->OnEditButtonClick = [this](QObject *sender) { nDBGridEditButtonClick(sender); };
  }
  if (form) {
    struct TnBotao {
      const char *Caption;
      const char *Hint;
      int Imagem;
      const char *Atalho;
      bool Flag;
      void (TmVoxDPArquivarDocs::*Acao)(QObject *);
    };
    const TnBotao botoes[] = {
        {"Marcar", "Marcar Para Arquivamento", 39, "Ctrl+M", true, &TmVoxDPArquivarDocs::actMarcarExecute},
        {"MarcarTodos", "Marcar Todos Para Arquivamento", 196, "Ctrl+Ins", false,
         &TmVoxDPArquivarDocs::actMarcarTodasExecute},
        {"Desarquivar", "Marcar para Remover do Arquivo", 6, "Ctrl+R", true,
         &TmVoxDPArquivarDocs::actMarcarRemoverExecute},
        {"DesmarcarTodos", "Marcar Todos Para Remover do Arquivo", 168, "Ctrl+Delete", false,
         &TmVoxDPArquivarDocs::actMarcarRemoverTodasExecute},
    };
    for (const TnBotao &b : botoes) {
      const auto acao = b.Acao;
      form->CriarToolButton(
          QString::fromUtf8(b.Caption), QString::fromUtf8(b.Hint), b.Imagem,
          [this, acao](QObject *sender) { (this->*acao)(sender); }, QString::fromLatin1(b.Atalho), 0, -1, b.Flag);
    }
  }
  SetTemAlteracao(false);
}

void TmVoxDPArquivarDocs::nDBGridDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula) {
  if (nClientDataSet().Active() && celula.Dados) {
    const TnField *status = celula.Dados->FindField(QStringLiteral("Status"));
    switch (status && !status->IsNull() ? status->AsInteger() : 0) {
      case stArquivado:
        celula.CorFonte = nCorAzul;
        break;
      case stArquivar:
        celula.CorFonte = nCorVerde;
        break;
      case stRemover:
        celula.CorFonte = nCorVermelho;
        break;
      default:
        celula.CorFonte = nCorPadrao;
        break;
    }
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
  }
  sender.DefaultDrawColumnCell(celula);
}

void TmVoxDPArquivarDocs::nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState) {
  if (key != nTeclaEnter) return;
  SetarFocoColunaGrid(&sender, sender.SelectedIndex(), true);
  key = 0;
}

void TmVoxDPArquivarDocs::nDBGridDblClick(QObject *sender) { actMarcarExecute(sender); }

void TmVoxDPArquivarDocs::nDBGridTitleClick(TnDBGridEh &, TnColunaGrid &coluna) {
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && !coluna.FieldName.isEmpty()) dados.SetIndexFieldNames(coluna.FieldName);
}

void TmVoxDPArquivarDocs::nDBGridEditButtonClick(QObject *) {
  TnDBGridEh *grid = nDBGrid();
  if (!grid) return;
  TnCampos &c = Campos();
  const TnField *campo = grid->SelectedField();
  if (campo == c.CodigoTipoDoc)
    nEscolherNoLookup(c.CodigoTipoDoc, QStringLiteral("TmVoxDCProtocoloTipoDoc"), QStringLiteral("CODIGOTIPODOC"));
  else if (campo == c.CodigoDocEmp)
    nEscolherNoLookup(c.CodigoDocEmp, QStringLiteral("TmVoxDCProtocoloDocEmp"), QStringLiteral("CODIGODOCEMP"));
  else if (campo == c.CodigoEnvelope)
    nEscolherNoLookup(c.CodigoEnvelope, QStringLiteral("TmVoxDCProtocoloDocEnvelope"), QStringLiteral("CODIGOENVELOPE"),
                      QStringLiteral("CODIGOCAIXA = ") + QString::number(FCaixa));
}

// --- the rows

void TmVoxDPArquivarDocs::nClientDataSetAfterEdit(TnClientDataSet &dataSet) {
  if (!FEmManutencao && Campos().Status->AsInteger() == stArquivado) {
    dataSet.Cancel();
    throw Exception(QStringLiteral("Impossivel alterar documento arquivado!"));
  }
  SetTemAlteracao(true);
}

void TmVoxDPArquivarDocs::nClientDataSetAfterInsert(TnClientDataSet &) { SetTemAlteracao(true); }

void TmVoxDPArquivarDocs::nClientDataSetBeforeDelete(TnClientDataSet &) {
  if (Campos().Status->AsInteger() == stArquivado)
    throw Exception(QStringLiteral("Impossivel excluir documento arquivado"));
}

void TmVoxDPArquivarDocs::SetStatus(int status) {
  TnClientDataSet &dados = nClientDataSet();
  dados.Edit();
  Campos().Status->SetAsInteger(status);
  dados.Post();
}

void TmVoxDPArquivarDocs::actMarcarExecute(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || dados.IsEmpty()) return;
  const int status = Campos().Status->AsInteger();
  if (status == stArquivado) return;
  SetTemAlteracao(true);
  if (status == stNaoArquivado)
    SetStatus(stArquivar);
  else if (status == stArquivar)
    SetStatus(stNaoArquivado);
}

void TmVoxDPArquivarDocs::actMarcarRemoverExecute(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || dados.IsEmpty()) return;
  const int status = Campos().Status->AsInteger();
  if (status != stArquivado && status != stRemover) return;
  FEmManutencao = true;
  TnAoSair fim([&] { FEmManutencao = false; });
  SetTemAlteracao(true);
  SetStatus(status == stArquivado ? stRemover : stArquivado);
}

namespace {

// Gives the rows in `de` the state `para`, visiting them by what they are:
// in a list ordered by the state each changed row moves. The current row
// stays current.
void MarcarLinhas(TnClientDataSet &dados, TnField *status, const QSet<int> &de, int para) {
  if (!dados.Active() || dados.IsEmpty()) return;
  const TnBookmark atual = dados.GetBookmark();
  dados.DisableControls();
  TnAoSair fim([&] {
    if (dados.BookmarkValid(atual)) dados.GotoBookmark(atual);
    dados.EnableControls();
  });
  QList<TnBookmark> linhas;
  for (dados.First(); !dados.Eof(); dados.Next())
    if (de.contains(status->AsInteger())) linhas << dados.GetBookmark();
  for (const TnBookmark linha : linhas) {
    dados.GotoBookmark(linha);
    dados.Edit();
    status->SetAsInteger(para);
    dados.Post();
  }
}

}  // namespace

void TmVoxDPArquivarDocs::actMarcarTodasExecute(QObject *) {
  FOpcao = FOpcao == stNaoArquivado ? stArquivar : stNaoArquivado;
  MarcarLinhas(nClientDataSet(), Campos().Status, {stNaoArquivado, stArquivar}, FOpcao);
  SetTemAlteracao(true);
}

void TmVoxDPArquivarDocs::actMarcarRemoverTodasExecute(QObject *) {
  FOpcaoRemove = FOpcaoRemove == stArquivado ? stRemover : stArquivado;
  FEmManutencao = true;
  TnAoSair fim([&] {
    FEmManutencao = false;
    SetTemAlteracao(true);
  });
  MarcarLinhas(nClientDataSet(), Campos().Status, {stArquivado, stRemover}, FOpcaoRemove);
}

// --- the save

void TmVoxDPArquivarDocs::Pular(qint64 documento, const QString &motivo) {
  MsgTree(TnTipoMensagem::Advertencia,
          QStringLiteral("Documento %1 não gravado: %2").arg(QString::number(documento), motivo));
}

QMap<int, QString> TmVoxDPArquivarDocs::PerguntarEnvelopes() {
  TnClientDataSet &dados = nClientDataSet();
  TnCampos &c = Campos();
  QMap<int, QString> descricoes;
  QSet<int> vistos;
  TnSQLDataSet &existe = *FSQL->ExisteEnvelope;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    if (c.Status->AsInteger() != stArquivar) continue;
    const int envelope = c.CodigoEnvelope->IsNull() ? 0 : c.CodigoEnvelope->AsInteger();
    if (envelope <= 0)
      throw Exception(QStringLiteral("O documento %1 está sem envelope: informe um envelope maior que zero.")
                          .arg(c.CodigoDocEmp->AsLargeInt()));
    if (vistos.contains(envelope)) continue;
    vistos.insert(envelope);
    existe.Params(0).SetAsInteger(FCaixa);
    existe.Params(1).SetAsInteger(envelope);
    existe.Open();
    if (existe.FieldByName(QStringLiteral("QTD"))->AsInteger() > 0) continue;
    if (FListaEnvelopes.contains(envelope)) {
      descricoes.insert(envelope, DescricaoEnvelope(FListaEnvelopes.value(envelope)));
      continue;
    }
    nMessageDlg(QStringLiteral("Envelope %1 não cadastrado para caixa %2!").arg(envelope).arg(FCaixa),
                TMsgDlgType::mtError, nBotaoOK());
    descricoes.insert(envelope, DescricaoEnvelope(nInputBox(
                                    QStringLiteral("Descrição do Envelope"),
                                    QStringLiteral("Informe uma descrição para o novo envelope"), QString())));
  }
  return descricoes;
}

void TmVoxDPArquivarDocs::PrepararSQL() { FSQL = std::make_unique<TnSQL>(); }

void TmVoxDPArquivarDocs::ChecarCadastrarEnvelope(int envelope, const QMap<int, QString> &descricoes) {
  if (envelope == FEnvelope) return;
  TnSQLDataSet &existe = *FSQL->ExisteEnvelope;
  existe.Params(0).SetAsInteger(FCaixa);
  existe.Params(1).SetAsInteger(envelope);
  existe.Open();
  if (existe.FieldByName(QStringLiteral("QTD"))->AsInteger() == 0) {
    TnSQLDataSet &inserir = *FSQL->InsertEnvelope;
    inserir.Params(0).SetAsInteger(FCaixa);
    inserir.Params(1).SetAsInteger(envelope);
    inserir.Params(2).SetAsString(descricoes.value(envelope));
    try {
      inserir.ExecSQL();
    } catch (const Exception &e) {
      throw Exception(e.message() + QStringLiteral("\r\n") + kSQLInsertEnvelope);
    }
  }
  FEnvelope = envelope;
}

void TmVoxDPArquivarDocs::MarcarArquivado(qint64 documento, bool arquivado) {
  TnSQLDataSet &marcar = *FSQL->UpdateDoc;
  marcar.Params(0).SetAsString(arquivado ? QStringLiteral("1") : QStringLiteral("0"));
  marcar.Params(1).SetAsInteger(documento);
  marcar.ExecSQL();
}

void TmVoxDPArquivarDocs::GravarNovo(qint64 documento, int envelope, const QMap<int, QString> &descricoes) {
  TnSQLDataSet &doc = *FSQL->Documento;
  doc.Params(0).SetAsInteger(documento);
  doc.Open();
  if (doc.Resultado().IsEmpty()) return Pular(documento, QStringLiteral("o documento não está cadastrado."));
  if (doc.FieldByName(QStringLiteral("ARQUIVADO"))->AsString().trimmed() != QLatin1String("0") ||
      doc.FieldByName(QStringLiteral("QTDARQUIVO"))->AsInteger() > 0)
    return Pular(documento, QStringLiteral("o documento já está arquivado."));
  const TnField *data = doc.FieldByName(QStringLiteral("DATALCTOPRO"));
  const QDate lancamento = data->IsNull() ? nDMConexao()->Date() : data->AsDate();
  const int seq = doc.FieldByName(QStringLiteral("ULTIMASEQ"))->AsInteger() + 1;

  ChecarCadastrarEnvelope(envelope, descricoes);
  TnSQLDataSet &inserir = *FSQL->Insert;
  inserir.Params(0).SetAsInteger(FCaixa);
  inserir.Params(1).SetAsInteger(envelope);
  inserir.Params(2).SetAsInteger(documento);
  inserir.ExecSQL();

  MarcarArquivado(documento, true);

  const QDateTime agora = nDMConexao()->Now();
  TnSQLDataSet &mov = *FSQL->InsertMov;
  mov.Params(0).SetAsInteger(documento);
  mov.Params(1).SetAsInteger(seq);
  mov.Params(2).SetAsString(kObservacao + agora.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) +
                            QStringLiteral("  -  Caixa ") + QString::number(FCaixa));
  mov.Params(3).SetAsString(QStringLiteral("1"));
  mov.Params(4).SetAsDate(lancamento);
  mov.Params(5).SetAsDateTime(nDateTimeToSQLTimeStamp(agora));
  mov.Params(6).SetAsInteger(nDMConexao()->CodigoUsuario());
  mov.Params(7).SetAsInteger(2);
  mov.ExecSQL();
}

void TmVoxDPArquivarDocs::RemoverArquivo(qint64 documento, int envelopeGrid) {
  // The envelope as stored: the grid's may have been changed since.
  TnSQLDataSet &envelopes = *FSQL->EnvelopesDoc;
  envelopes.Params(0).SetAsInteger(FCaixa);
  envelopes.Params(1).SetAsInteger(documento);
  envelopes.Open();
  if (envelopes.Resultado().IsEmpty())
    return Pular(documento, QStringLiteral("o documento não está arquivado nesta caixa."));
  int envelope = envelopes.FieldByName(QStringLiteral("CODIGOENVELOPE"))->AsInteger();
  for (envelopes.First(); !envelopes.Eof(); envelopes.Next())
    if (envelopes.FieldByName(QStringLiteral("CODIGOENVELOPE"))->AsInteger() == envelopeGrid) envelope = envelopeGrid;

  // Only the line the archiving wrote for this box goes; any other
  // movement is the document's history.
  TnSQLDataSet &ultimo = *FSQL->UltimoMov;
  ultimo.Params(0).SetAsInteger(documento);
  ultimo.Open();
  if (!ultimo.Resultado().IsEmpty()) {
    const QString observacao = ultimo.FieldByName(QStringLiteral("OBSERVACAO"))->AsString();
    if (observacao.startsWith(kObservacao) &&
        observacao.endsWith(QStringLiteral("  -  Caixa ") + QString::number(FCaixa))) {
      TnSQLDataSet &apagarMov = *FSQL->DeleteMov;
      apagarMov.Params(0).SetAsInteger(documento);
      apagarMov.Params(1).SetAsInteger(ultimo.FieldByName(QStringLiteral("SEQDOCEMP"))->AsInteger());
      apagarMov.ExecSQL();
    }
  }

  TnSQLDataSet &apagar = *FSQL->Delete;
  apagar.Params(0).SetAsInteger(FCaixa);
  apagar.Params(1).SetAsInteger(envelope);
  apagar.Params(2).SetAsInteger(documento);
  apagar.ExecSQL();

  // Still in another envelope, it stays filed.
  TnSQLDataSet &doc = *FSQL->Documento;
  doc.Params(0).SetAsInteger(documento);
  doc.Open();
  if (!doc.Resultado().IsEmpty() && doc.FieldByName(QStringLiteral("QTDARQUIVO"))->AsInteger() > 0) return;
  MarcarArquivado(documento, false);
}

void TmVoxDPArquivarDocs::actGravarExecute(QObject *sender) {
  TnDMPowerParamTab::actGravarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;
  if (dados.State() == TnDataSetState::Edit || dados.State() == TnDataSetState::Insert) {
    if (dados.Modified())
      dados.Post();
    else
      dados.Cancel();
  }
  LimparMsgTreeLista();
  struct TnLinha {
    qint64 Documento;
    int Envelope;
    int Status;
  };
  std::vector<TnLinha> linhas;
  PrepararSQL();
  QMap<int, QString> descricoes;
  {
    const TnBookmark atual = dados.IsEmpty() ? TnBookmark() : dados.GetBookmark();
    dados.DisableControls();
    TnAoSair habilitar([&] {
      if (!dados.IsEmpty() && dados.BookmarkValid(atual)) dados.GotoBookmark(atual);
      dados.EnableControls();
    });
    TnCampos &c = Campos();
    for (dados.First(); !dados.Eof(); dados.Next()) {
      const int status = c.Status->IsNull() ? 0 : c.Status->AsInteger();
      if ((status == stArquivar || status == stRemover) && !c.CodigoDocEmp->IsNull())
        linhas.push_back(
            {c.CodigoDocEmp->AsLargeInt(), c.CodigoEnvelope->IsNull() ? 0 : c.CodigoEnvelope->AsInteger(), status});
    }
    if (!CaixaExiste()) {
      for (const TnLinha &linha : linhas)
        Pular(linha.Documento, QStringLiteral("a caixa %1 não está cadastrada.").arg(FCaixa));
      linhas.clear();
    } else {
      descricoes = PerguntarEnvelopes();
    }
  }

  FEnvelope = 0;
  CriarProgresso()->MostrarCircular(QStringLiteral("Salvando dados..."));
  try {
    TnTransacao transacao;
    for (const TnLinha &linha : linhas) {
      if (linha.Status == stArquivar)
        GravarNovo(linha.Documento, linha.Envelope, descricoes);
      else
        RemoverArquivo(linha.Documento, linha.Envelope);
    }
    transacao.Commit();
  } catch (...) {
    FSQL.reset();
    LiberarProgresso();
    // Nothing was written: the list keeps the user's marks for another try,
    // and the error goes on as it came.
    throw;
  }
  FSQL.reset();
  LiberarProgresso();
  Executar();
}

void TmVoxDPArquivarDocs::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active()) {
    if (dados.State() != TnDataSetState::Browse) dados.Cancel();
    dados.CancelUpdates();
  }
  Executar();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDPArquivarDocs>(QStringLiteral("TmVoxDPArquivarDocs"), QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPArquivarDocs_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPArquivarDocs_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
