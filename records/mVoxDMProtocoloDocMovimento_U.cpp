#include "mVoxDMProtocoloDocMovimento_U.h"

#include <QScopeGuard>
#include <exception>

#include "mVoxDMProtocoloDocEmp_U.h"
#include "mVoxFuncoesCadastro_U.h"
#include "mVoxSFuncoes_U.h"
#include "nDMConexao_U.h"
#include "nDMPowerParam_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDialogos_U.h"
#include "nException_U.h"
#include "nFraCtrlParam_U.h"
#include "nFrmPowerParam_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCodigo = QStringLiteral("CODIGODOCEMP");
const QString kSequencia = QStringLiteral("SEQDOCEMP");
const QString kTipoLocal = QStringLiteral("TIPOLOCAL");
const QString kDepartamento = QStringLiteral("CODIGODPTOESCRIT");
const QString kResponsavel = QStringLiteral("CODIGOUSUARIORESP");
const QString kProtocolo = QStringLiteral("CODIGOPROTOCOLO");
const QString kMovimentos = QStringLiteral("PROTOCOLODOCMOVIMENTO");
const QString kProcessoIndividual = QStringLiteral("TmVoxDPGerarProIndividual");

const QString kArquivado =
    QStringLiteral("O tramite do documento foi encerrado, pois o mesmo já está guardado no envelope.");

QString Mensagem(const std::exception &erro) {
  if (const auto *nosso = dynamic_cast<const Exception *>(&erro)) return nosso->message();
  return QString::fromLocal8Bit(erro.what());
}

// The three values two consecutive movements may not share, as one text.
QString Local(const QVariant &tipo, const QVariant &departamento, const QVariant &responsavel) {
  return QStringList{tipo.toString().trimmed(), departamento.toString().trimmed(), responsavel.toString().trimmed()}
      .join(u';');
}

}  // namespace

TmVoxDMProtocoloDocMovimento::TmVoxDMProtocoloDocMovimento() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGODOCEMP,t_t.SEQDOCEMP,t_t.OBSERVACAO,t_t.TIPOLOCAL,t_t.CODIGODPTOESCRIT,"
                     "t_t.CODIGOUSUARIORESP,t_t.CODIGOPROTOCOLO,t_t.DATALCTOPRO,t_t.DATAHORA,t_t.CODIGOUSUARIO,"
                     "t_t.ORIGEMDADO from PROTOCOLODOCMOVIMENTO t_t ORDER BY t_t.CodigoDocEmp,t_t.SeqDocEmp"));
  SetCaption(QStringLiteral("Documento - Movimentação"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoDocEmp,SeqDocEmp");
  DefAdic.Atributos = QStringLiteral("*");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocMovimento::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos");
  menu.Caption = QStringLiteral("Documento - Movimentação");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 2;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloDocMovimento::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

void TmVoxDMProtocoloDocMovimento::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  form->CriarToolButton(
      QStringLiteral("Gerar Protocolo"), QStringLiteral("Gerar um protocolo da ultima movimentação"), 5,
      [this](QObject *sender) { actGerarProtocolo(sender); }, QStringLiteral("Ctrl+N"), 0, -1, true, true, true,
      nullptr, QString());
  EdEnabledField(kProtocolo, false);
  EdReadOnlyField(kResponsavel, false);
}

QString TmVoxDMProtocoloDocMovimento::ChavePrimaria() const { return QStringLiteral("CODIGODOCEMP;SEQDOCEMP"); }

void TmVoxDMProtocoloDocMovimento::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  FNovoRegistro = false;
  // Filled from the document the grid shows the movements of.
  TnField *documento = nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"));
  documento->SetRequired(true);
  documento->SetVisible(false);
  documento->Definicao().SetLinkKeyFields(QStringLiteral("CODIGODOCEMP"));

  TnField *sequencia = nClientDataSet->FieldByName(QStringLiteral("SEQDOCEMP"));
  sequencia->SetRequired(true);
  sequencia->SetMinValue(1);
  sequencia->SetMaxValue(9999);
  sequencia->Definicao().SetDicionario(QStringLiteral("SEQDOCEMP"));
  sequencia->Definicao().SetAutoIncrementar(true);
  sequencia->SetDisplayWidth(11);

  TnField *observacao = nClientDataSet->FieldByName(QStringLiteral("OBSERVACAO"));
  observacao->SetDisplayLabel(QStringLiteral("Observação"));
  observacao->Definicao().SetHint(QStringLiteral("Informe uma observação para o movimento do documento"));
  observacao->Definicao().SetTamanhoMaximo(50);

  // The grid shows and takes the captions; the column keeps "1" or "2".
  TnField *tipoLocal = nClientDataSet->FieldByName(QStringLiteral("TIPOLOCAL"));
  tipoLocal->SetRequired(true);
  tipoLocal->SetDisplayLabel(QStringLiteral("Tipo Local"));
  tipoLocal->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  tipoLocal->Definicao().SetNomesValores({QStringLiteral("Interno=1"), QStringLiteral("Externo=2")});
  tipoLocal->Definicao().SetHint(
      QStringLiteral("Selecione caso o tipo do local da movimentação seja interno ou externo"));
  tipoLocal->Definicao().LigarTextos();
  // The grid shows the captions and the labels, wider than the codes.
  tipoLocal->SetDisplayWidth(11);
  tipoLocal->OnChange = [this](TnField &campo) { nClientDataSetTIPOLOCALChange(campo); };

  TnField *departamento = nClientDataSet->FieldByName(QStringLiteral("CODIGODPTOESCRIT"));
  departamento->Definicao().SetTamanhoMaximo(4);
  departamento->Definicao().SetDicionario(QStringLiteral("CODIGODPTOESCRIT"));
  departamento->SetDisplayWidth(14);

  TnField *responsavel = nClientDataSet->FieldByName(QStringLiteral("CODIGOUSUARIORESP"));
  responsavel->SetDisplayLabel(QStringLiteral("Responsável"));
  responsavel->Definicao().SetHint(QStringLiteral("Informe o código do responsável pela movimentação do documento"));
  responsavel->Definicao().SetTamanhoMaximo(4);
  responsavel->Definicao().SetDicionario(QStringLiteral("CODIGOUSUARIO"));
  responsavel->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOUSUARIORESP"));
  responsavel->SetDisplayWidth(13);
  EdReadOnlyField(responsavel, false);

  // Written only by the protocol made from the movement.
  TnField *protocolo = nClientDataSet->FieldByName(kProtocolo);
  protocolo->Definicao().SetLinkKeyFields(kProtocolo);
  EdEnabledField(protocolo, false);

  TnField *lancamento = nClientDataSet->FieldByName(QStringLiteral("DATALCTOPRO"));
  lancamento->SetRequired(true);
  lancamento->SetVisible(false);
  lancamento->SetDisplayLabel(QStringLiteral("Data Lançamento"));
  lancamento->Definicao().SetHint(QStringLiteral("Data de lançamento usada para filtro do período (F8)"));

  // The audit columns: stamped on each save, never typed.
  TnField *dataHora = nClientDataSet->FieldByName(QStringLiteral("DATAHORA"));
  dataHora->SetRequired(true);
  dataHora->SetVisible(false);
  dataHora->SetDisplayLabel(QStringLiteral("Data/Hora"));
  dataHora->Definicao().SetHint(QStringLiteral("Data e hora de cadastro"));

  TnField *usuario = nClientDataSet->FieldByName(QStringLiteral("CODIGOUSUARIO"));
  usuario->SetRequired(true);
  usuario->SetVisible(false);
  usuario->Definicao().SetTamanhoMaximo(4);

  TnField *origem = nClientDataSet->FieldByName(QStringLiteral("ORIGEMDADO"));
  origem->SetRequired(true);
  origem->SetVisible(false);
  origem->Definicao().SetTamanhoMaximo(4);
}

void TmVoxDMProtocoloDocMovimento::ValidarDado() {
  TnClientDataSet &dados = *nClientDataSet;
  mVoxAuditarRegistro(*this, QStringLiteral("DATAHORA"));
  // The launch date is hidden: a row begun before its document was known
  // takes it now.
  TnField *lancamento = dados.FieldByName(QStringLiteral("DATALCTOPRO"));
  const TnDocumento documento = LerDocumento();
  if (lancamento->IsNull() && documento.DataLcto.isValid()) lancamento->SetAsDate(documento.DataLcto);
  // A movement belongs to a stored document: one of a document the user
  // then gives up would stay behind.
  if (!dados.FieldByName(kCodigo)->IsNull() && !documento.Gravado)
    throw Exception(documento.Existe ? QStringLiteral("Grave o documento antes de incluir suas movimentações.")
                                     : QStringLiteral("O documento desta movimentação não foi encontrado."));
  TnDMClientDataSet::ValidarDado();

  const bool inserindo = dados.State() == TnDataSetState::Insert;
  const bool editando = dados.State() == TnDataSetState::Edit;
  if (editando && !EhUltimaMovimentacao())
    throw Exception(QStringLiteral("Somente é permitido alterar a última movimentação."));
  if (documento.Arquivado) throw Exception(kArquivado);
  if (inserindo || editando) ChecarRepeticao(inserindo);
}

// --- the document

TnDMClientDataSet *TmVoxDMProtocoloDocMovimento::DMDoc() const {
  return dynamic_cast<TmVoxDMProtocoloDocEmp *>(DmMaster());
}

TmVoxDMProtocoloDocMovimento::TnDocumento TmVoxDMProtocoloDocMovimento::LerDocumento() const {
  TnDocumento documento;
  const TnField *codigo = nClientDataSet->FieldByName(kCodigo);
  if (codigo->IsNull()) return documento;
  const QVariantList linha =
      nDMSQLDataSet()
          ->PegarValorCampo(QStringLiteral("PROTOCOLODOCEMP"),
                            QStringLiteral("ARQUIVADO,CODIGOEMPRESA,CODIGOESTAB,DESCRDOCEMP,DATALCTOPRO"),
                            ValorParaSQL(codigo, QStringLiteral("="), true))
          .toList();
  if (linha.size() == 5 && !linha.at(1).isNull()) {
    documento.Existe = true;
    documento.Gravado = true;
    documento.Arquivado = linha.at(0).toString().trimmed() == QLatin1String("1");
    documento.Empresa = linha.at(1).toInt();
    documento.Estab = linha.at(2).toInt();
    documento.Descricao = linha.at(3).toString();
    documento.DataLcto = linha.at(4).toDate();
    return documento;
  }
  // Not stored yet: the master's row, while it shows this document.
  const TnDMClientDataSet *mestre = DMDoc();
  if (!mestre || !mestre->nClientDataSet->Active()) return documento;
  const TnClientDataSet &doc = *mestre->nClientDataSet;
  const TnField *codigoMestre = doc.FieldByName(kCodigo);
  if (codigoMestre->IsNull() || codigoMestre->AsLargeInt() != codigo->AsLargeInt()) return documento;
  documento.Existe = true;
  documento.Arquivado = doc.FieldByName(QStringLiteral("ARQUIVADO"))->AsBoolean();
  documento.Empresa = doc.FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger();
  documento.Estab = doc.FieldByName(QStringLiteral("CODIGOESTAB"))->AsInteger();
  documento.Descricao = doc.FieldByName(QStringLiteral("DESCRDOCEMP"))->AsString();
  documento.DataLcto = doc.FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate();
  return documento;
}

QDate TmVoxDMProtocoloDocMovimento::PegarDataLctoPro() const { return LerDocumento().DataLcto; }

// --- the rules

int TmVoxDMProtocoloDocMovimento::TipoLocal() const {
  bool ok = false;
  const int tipo = nClientDataSet->FieldByName(kTipoLocal)->AsString().trimmed().toInt(&ok);
  return ok ? tipo : 1;
}

bool TmVoxDMProtocoloDocMovimento::EhUltimaMovimentacao() const {
  const TnField *codigo = nClientDataSet->FieldByName(kCodigo);
  const TnField *sequencia = nClientDataSet->FieldByName(kSequencia);
  if (codigo->IsNull() || sequencia->IsNull()) return false;
  const QVariant ultima = nDMSQLDataSet()->PegarValorCampo(kMovimentos, QStringLiteral("max(SEQDOCEMP)"),
                                                           ValorParaSQL(codigo, QStringLiteral("="), true));
  return ultima.isNull() || sequencia->AsInteger() >= ultima.toInt();
}

void TmVoxDMProtocoloDocMovimento::ChecarRepeticao(bool inserindo) {
  TnClientDataSet &dados = *nClientDataSet;
  const TnField *codigo = dados.FieldByName(kCodigo);
  const TnField *sequencia = dados.FieldByName(kSequencia);
  const TnField *tipo = dados.FieldByName(kTipoLocal);
  const TnField *departamento = dados.FieldByName(kDepartamento);
  const TnField *responsavel = dados.FieldByName(kResponsavel);
  if (codigo->IsNull() || sequencia->IsNull()) return;
  const QString atual = Local(tipo->Value(), departamento->Value(), responsavel->Value());
  // An edit that leaves the place as it was cannot make a repetition (the
  // link of a protocol to its movement is such an edit).
  if (!inserindo && Local(tipo->OldValue(), departamento->OldValue(), responsavel->OldValue()) == atual) return;
  const QString documento = ValorParaSQL(codigo, QStringLiteral("="), true);
  // With one stored movement only, a new one is not compared.
  if (nDMSQLDataSet()->PegarValorCampo(kMovimentos, QStringLiteral("count(*)"), documento).toLongLong() <= 1) return;
  const std::unique_ptr<TnClientDataSet> anterior = ExecutarSQL(
      QStringLiteral("select TIPOLOCAL, CODIGODPTOESCRIT, CODIGOUSUARIORESP from PROTOCOLODOCMOVIMENTO "
                     "where CODIGODOCEMP = :documento and SEQDOCEMP < :sequencia order by SEQDOCEMP desc"),
      {codigo->AsLargeInt(), sequencia->AsInteger()});
  if (anterior->IsEmpty()) return;
  anterior->First();
  if (Local(anterior->Fields(0)->Value(), anterior->Fields(1)->Value(), anterior->Fields(2)->Value()) == atual)
    throw Exception(QStringLiteral("O último movimento não pode ser igual ao que está sendo cadastrado."));
}

QVariant TmVoxDMProtocoloDocMovimento::ProtocoloGravado() const {
  return nDMSQLDataSet()->PegarValorCampo(
      kMovimentos, kProtocolo,
      ValorParaSQL(nClientDataSet->FieldByName(kCodigo), QStringLiteral("="), true) + QStringLiteral(" and ") +
          ValorParaSQL(nClientDataSet->FieldByName(kSequencia), QStringLiteral("="), true));
}

// --- events

void TmVoxDMProtocoloDocMovimento::ConfigurarCampo(TnRemetente sender) {
  TnDMClientDataSet::ConfigurarCampo(sender);
  EdEnabledField(kDepartamento, TipoLocal() == 1);
}

void TmVoxDMProtocoloDocMovimento::nClientDataSetTIPOLOCALChange(TnField &) { ChecarConfigurarCampo(this); }

void TmVoxDMProtocoloDocMovimento::nClientDataSetNewRecord(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetNewRecord(dataSet);
  if (PreparandoCampos()) return;
  if (const QDate data = PegarDataLctoPro(); data.isValid())
    dataSet.FieldByName(QStringLiteral("DATALCTOPRO"))->SetAsDate(data);
  FNovoRegistro = true;
}

void TmVoxDMProtocoloDocMovimento::nClientDataSetAfterCancel(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterCancel(dataSet);
  FNovoRegistro = false;
}

void TmVoxDMProtocoloDocMovimento::nClientDataSetBeforeDelete(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeDelete(dataSet);
  if (PreparandoCampos()) return;
  if (!EhUltimaMovimentacao()) throw Exception(QStringLiteral("Somente é permitido excluir a última movimentação."));
  if (!ProtocoloGravado().isNull())
    throw Exception(QStringLiteral("Impossível excluir movimentação com Protocolo ativo."));
  // Undoing a filing deletes the document's last line: that line must be
  // the filing's own.
  if (LerDocumento().Arquivado) throw Exception(kArquivado);
}

void TmVoxDMProtocoloDocMovimento::nClientDataSetAfterPost(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterPost(dataSet);
  if (PreparandoCampos()) return;
  // The flag stays after "Não": a later save of the row as external asks
  // again.
  if (FNovoRegistro && TipoLocal() == 2 &&
      nMessageDlg(QStringLiteral("Deseja gerar um protocolo desta movimentação?"), TMsgDlgType::mtConfirmation,
                  nBotoesSimNao()) == 0)
    actGerarProtocolo(nullptr);
}

// --- the protocol of the last movement

void TmVoxDMProtocoloDocMovimento::actGerarProtocolo(QObject *) {
  FNovoRegistro = false;
  TnClientDataSet &dados = *nClientDataSet;
  if (!dados.Active() || (dados.IsEmpty() && dados.State() != TnDataSetState::Insert)) return;
  // A pending change of the movement is saved first: the link written
  // after the protocol is saved must not be the one to refuse it.
  if (dados.State() == TnDataSetState::Edit && dados.Modified()) dados.Post();

  // The stored row says whether a protocol holds the movement: one may have
  // been cancelled, or made elsewhere, since the grid was read.
  const bool inserindo = dados.State() == TnDataSetState::Insert;
  if (inserindo ? !dados.FieldByName(kProtocolo)->IsNull() : !ProtocoloGravado().isNull()) {
    nShowMessage(QStringLiteral("Esta movimentação já possui protocolo!"));
    return;
  }
  const TnDocumento documento = LerDocumento();
  if (documento.Arquivado)
    throw EnField(dados.FieldByName(kSequencia), QStringLiteral("Documento arquivado! Impossível gerar protocolo."));
  if (inserindo || !EhUltimaMovimentacao()) return;
  if (!documento.Existe) throw Exception(QStringLiteral("O documento desta movimentação não foi encontrado."));

  auto *processo = dynamic_cast<TnDMPowerParam *>(CriarDM(kProcessoIndividual, nullptr, QString()));
  if (!processo) throw Exception(QStringLiteral("O processo \"Gerar Protocolo Individual\" não está disponível."));
  // The form first, then the process, whatever happens in between.
  const auto liberar = qScopeGuard([processo] {
    if (!TnRegistro::Instancia().Viva(processo)) return;
    delete processo->Form();
    nLiberarDM(processo);
  });

  const QVariant codigoDoc = dados.FieldByName(kCodigo)->Value();
  const QVariant sequencia = dados.FieldByName(kSequencia)->Value();
  processo->LimparParamsINI();
  processo->SetChamadoPorOutro(true);
  TnFrmPowerParam *form = processo->CriarForm();

  // What the movement fixes is hidden; the rest the user may still change.
  TnpqPowerParam &params = processo->npqPowerParam();
  auto preencher = [&params](const QString &nome, const QVariant &valor, bool visivel) {
    TnFraCtrlParam *controle = params.EdFindFieldControl(nome);
    if (!controle) throw Exception(QStringLiteral("O processo de protocolo individual não tem o parâmetro %1.").arg(nome));
    if (!valor.isNull()) controle->SetValor(valor);
    controle->SetVisible(visivel);
  };
  preencher(QStringLiteral("pCodigoPro"), QVariant(), false);
  preencher(QStringLiteral("pCodFunc"), QVariant(), false);
  preencher(QStringLiteral("pCodigoDocumento"), codigoDoc, false);
  preencher(QStringLiteral("pCodigoEmpresa"), documento.Empresa, false);
  preencher(QStringLiteral("pCodigoEstab"), documento.Estab, false);
  preencher(QStringLiteral("pDataLctoPro"), dados.FieldByName(QStringLiteral("DATALCTOPRO"))->AsDate(), false);
  preencher(QStringLiteral("pObservacao"), documento.Descricao, true);
  preencher(QStringLiteral("pFormaEntrega"), PegarFormaEntrega(documento.Empresa, documento.Estab), true);
  preencher(QStringLiteral("pNatureza"), TipoLocal() == 1 ? QStringLiteral("2") : QStringLiteral("1"), true);
  preencher(QStringLiteral("pDescricaoItem"), dados.FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), true);

  if (form->MDIChild()) {
    form->SetMDIChild(false);
    form->Hide();
  }
  form->SetHeight(200);
  form->SetCentralizarNoPrincipal(true);
  // One run for this caller: the form closes after a good one.
  form->SetResultadoAoExecutar(mrOk);
  form->ShowModal();

  const TnpqParamItem *codigoPro = params.Param(QStringLiteral("pCodigoPro"));
  if (!codigoPro->IsNull()) VincularProtocolo(codigoPro->GetAsVariant().toLongLong(), codigoDoc, sequencia);
}

void TmVoxDMProtocoloDocMovimento::VincularProtocolo(qint64 numero, const QVariant &documento,
                                                     const QVariant &sequencia) {
  TnClientDataSet &dados = *nClientDataSet;
  TnField *protocolo = dados.FieldByName(kProtocolo);
  EdEnabledField(protocolo, true);
  // Never left open to the user, whatever happens below.
  const auto desabilitar = qScopeGuard([this, protocolo] { EdEnabledField(protocolo, false); });
  try {
    // The link is written on the movement as stored now: the grid may still
    // show a protocol cancelled since it was read.
    if (dados.State() == TnDataSetState::Browse) dados.Refresh();
    if (dados.FieldByName(kCodigo)->Value() != documento || dados.FieldByName(kSequencia)->Value() != sequencia)
      if (!dados.Locate(kCodigo + QLatin1Char(';') + kSequencia, QVariantList{documento, sequencia}))
        throw Exception(QStringLiteral("A movimentação não está mais na lista."));
    if (dados.State() == TnDataSetState::Browse) dados.Edit();
    protocolo->SetAsInteger(numero);
    dados.Post();
  } catch (const std::exception &erro) {
    if (dados.State() != TnDataSetState::Browse) dados.Cancel();
    throw Exception(QStringLiteral("O protocolo %1 foi gravado, mas não foi possível ligá-lo à movimentação: %2")
                        .arg(numero)
                        .arg(Mensagem(erro)));
  }
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocMovimento>(QStringLiteral("TmVoxDMProtocoloDocMovimento"),
                                                                       QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocMovimento_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocMovimento_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
