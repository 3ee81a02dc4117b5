#include "mVoxDMProtocoloItem_U.h"

#include <QScopeGuard>
#include <QSqlQuery>
#include <memory>

#include "mVoxFuncoesCadastro_U.h"
#include "mVoxSFuncoes_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nDesenhoCelula_U.h"
#include "nDialogos_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFrmCadGrid_U.h"
#include "nPainel_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kClasseProtocolo = QStringLiteral("TmVoxDMProtocolo");
const QString kClasseHistorico = QStringLiteral("TmVoxDCHistoricoPro");
const QString kCancelado = QStringLiteral("1");
const QString kAberto = QStringLiteral("0");

// Origins whose items have no debit behind them: payroll and financial
// documents. Their items are cancelled without releasing anything.
bool OrigemSemLiberacao(const QString &chaveOrigem) {
  static const QStringList prefixos = {QStringLiteral("FP"), QStringLiteral("RF"), QStringLiteral("RE"),
                                       QStringLiteral("00"), QStringLiteral("FI")};
  return prefixos.contains(chaveOrigem.left(2));
}

// A protocol type whose items may carry a debit's origin key.
bool TipoComDebitos(const QString &tipoPro) { return tipoPro == QLatin1String("1") || tipoPro == QLatin1String("2"); }

QString Mensagem(const std::exception &erro) {
  if (const auto *nosso = dynamic_cast<const Exception *>(&erro)) return nosso->message();
  return QString::fromLocal8Bit(erro.what());
}

}  // namespace

TmVoxDMProtocoloItem::TmVoxDMProtocoloItem() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOPROTOCOLO,t_t.SEQITEMPRO,t_t.DESCRITEM,t_t.COMPETENCIA,t_t.DATALCTOPRO,t_t.VENCIMENTO,"
      "t_t.VALOR,t_t.CODIGOIMPOSTO,t_t.VARIACAOIMPOSTO,t_t.CODIGODOCEMP,t_t.CODIGOFUNCCONTR,t_t.CANCELADO,"
      "t_t.CHAVEORIGEM,t_t.CODIGOUSUARIO,t_t.DATAHORACADASTRO,t_t.ORIGEMDADO from PROTOCOLOITEM t_t "
      "ORDER BY t_t.CodigoProtocolo,t_t.SeqItemPro"));
  SetCaption(QStringLiteral("Protocolo - Itens"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoProtocolo, SeqItemPro");
}

QList<TnMenuDecl> TmVoxDMProtocoloItem::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\10 Protocolos");
  menu.Caption = QStringLiteral("Protocolo - Itens");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 2;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloItem::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocoloItem::ChavePrimaria() const { return QStringLiteral("CODIGOPROTOCOLO;SEQITEMPRO"); }

void TmVoxDMProtocoloItem::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  FEmManutencao = false;
  FPanel = nullptr;
  // The register that hosts this grid: the master when there is one, else
  // the register carrying this module's suffix (a detail carries its
  // master's).
  TnDataModule *protocolo = DmMaster();
  if (!protocolo || !protocolo->InheritsFrom(kClasseProtocolo)) {
    const bool existia = TnRegistro::Instancia().Encontrar(nNomeDesign(kClasseProtocolo) + Sufixo(), true) != nullptr;
    protocolo = PrepararDM(kClasseProtocolo, Sufixo(), false, true, nullptr);
    FDMProprio = protocolo && !existia;
  }
  FDM = dynamic_cast<TnDMClientDataSet *>(protocolo);
  auto campo = [this](const char *nome) { return nClientDataSet->FieldByName(QLatin1String(nome)); };

  // The protocol's number and date come from the protocol the item belongs to.
  for (const char *nome : {"CODIGOPROTOCOLO", "DATALCTOPRO"}) {
    campo(nome)->SetRequired(true);
    campo(nome)->SetVisible(false);
  }

  // Numbered within its protocol, never typed.
  TnField *sequencia = campo("SEQITEMPRO");
  sequencia->SetRequired(true);
  sequencia->SetMinValue(1);
  sequencia->SetMaxValue(9999);
  sequencia->SetDisplayLabel(QStringLiteral("Seqüência"));
  sequencia->SetDisplayWidth(15);
  sequencia->Definicao().SetAutoIncrementar(true);
  sequencia->Definicao().SetTabStop(false);

  TnField *descricao = campo("DESCRITEM");
  descricao->Definicao().OnButtonClick = [this](TnField &f) { nClientDataSetDESCRITEMDefIntButtonClick(f); };
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->SetDisplayWidth(50);
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição do item"));
  descricao->Definicao().SetTipoControle(TnTipoControle::ButtonEdit);

  TnField *competencia = campo("COMPETENCIA");
  competencia->SetDisplayLabel(QStringLiteral("Competência"));
  competencia->SetDisplayWidth(15);
  competencia->Definicao().SetHint(QStringLiteral("Informe a competência do item"));
  competencia->Definicao().SetDicionario(QStringLiteral("DICDATAMESANO"));

  TnField *valor = campo("VALOR");
  valor->SetDisplayFormat(QStringLiteral("#,##0.00"));
  valor->Definicao().SetHint(QStringLiteral("Informe o valor da guia ou documento"));

  TnField *imposto = campo("CODIGOIMPOSTO");
  imposto->SetDisplayLabel(QStringLiteral("Imposto"));
  imposto->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOIMPOSTO"));

  // The variation names the tax together with its code.
  TnField *variacao = campo("VARIACAOIMPOSTO");
  variacao->Definicao().SetDicionario(QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"));
  variacao->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOIMPOSTO;VARIACAOIMPOSTO"));

  campo("CODIGOFUNCCONTR")->SetDisplayLabel(QStringLiteral("Contrato do Empregado"));

  for (const char *nome : {"CANCELADO", "CHAVEORIGEM"}) campo(nome)->SetVisible(false);
  for (const char *nome : {"CODIGOUSUARIO", "DATAHORACADASTRO", "ORIGEMDADO"}) {
    campo(nome)->SetRequired(true);
    campo(nome)->SetVisible(false);
  }
}

void TmVoxDMProtocoloItem::DataModuleDestroy() {
  TnDMClientDataSet::DataModuleDestroy();
  TnDMClientDataSet *proprio = FDMProprio ? ProtocoloDM() : nullptr;
  FDM = nullptr;
  if (proprio) nLiberarDM(proprio);
}

// --- the protocol

TnDMClientDataSet *TmVoxDMProtocoloItem::ProtocoloDM() const {
  // Compared by address only: a register already freed is never touched,
  // and one being freed no longer counts.
  if (!FDM) return nullptr;
  for (TnDataModule *vivo : TnRegistro::Instancia().Instancias())
    if (vivo == FDM) return FDM;
  return nullptr;
}

TmVoxDMProtocoloItem::TnDadosProtocolo TmVoxDMProtocoloItem::DadosProtocolo() const {
  const TnField *codigoItem = nClientDataSet->FindField(QStringLiteral("CODIGOPROTOCOLO"));
  const QVariant codigo =
      nClientDataSet->Active() && codigoItem && !nClientDataSet->IsEmpty() ? codigoItem->Value() : QVariant();
  TnDadosProtocolo dados;
  if (const TnDMClientDataSet *dm = ProtocoloDM();
      dm && dm->nClientDataSet->Active() && !dm->nClientDataSet->IsEmpty()) {
    const TnClientDataSet &protocolo = *dm->nClientDataSet;
    const TnField *codigoDM = protocolo.FindField(QStringLiteral("CODIGOPROTOCOLO"));
    const bool mesmo =
        codigoDM && (codigo.isNull() || (!codigoDM->IsNull() && codigoDM->AsLargeInt() == codigo.toLongLong()));
    if (mesmo) {
      auto valor = [&](const char *nome) {
        const TnField *campo = protocolo.FindField(QLatin1String(nome));
        return campo ? campo->Value() : QVariant();
      };
      dados.Existe = true;
      dados.Baixado = !valor("DATAHORABAIXA").isNull();
      dados.Cancelado = valor("CANCELADO").toString().trimmed() == kCancelado;
      dados.TipoPro = valor("TIPOPRO").toString().trimmed();
      dados.DataLcto = valor("DATALCTOPRO");
      return dados;
    }
  }
  if (codigo.isNull()) return dados;
  // No register shows this protocol: the stored row says it.
  QSqlQuery consulta = nDMConexao()->Executar(
      QStringLiteral(
          "select DATAHORABAIXA, CANCELADO, TIPOPRO, DATALCTOPRO from PROTOCOLO where CODIGOPROTOCOLO = :codigo"),
      {codigo.toLongLong()});
  if (!consulta.next()) return dados;
  dados.Existe = true;
  dados.Baixado = !consulta.value(0).isNull();
  dados.Cancelado = consulta.value(1).toString().trimmed() == kCancelado;
  dados.TipoPro = consulta.value(2).toString().trimmed();
  dados.DataLcto = consulta.value(3);
  return dados;
}

bool TmVoxDMProtocoloItem::ProtocoloEditavel() const {
  TnDMClientDataSet *dm = ProtocoloDM();
  if (!dm) return true;
  const TnEditorCampo *observacao = dm->EdFindFieldControl(QStringLiteral("OBSERVACAO"));
  return !observacao || observacao->Enabled();
}

bool TmVoxDMProtocoloItem::ItemCancelado() const {
  const TnField *cancelado = nClientDataSet->FindField(QStringLiteral("CANCELADO"));
  return cancelado && nClientDataSet->Active() && cancelado->AsString().trimmed() == kCancelado;
}

// --- events

void TmVoxDMProtocoloItem::nClientDataSetBeforeOpen(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeOpen(dataSet);
  // The description's button shows in its cell at once: it is how the
  // standard texts are reached.
  if (TnField *descricao = nClientDataSet->FindField(QStringLiteral("DESCRITEM")))
    descricao->Definicao().SetBotaoGridAutomatico(true);
}

void TmVoxDMProtocoloItem::nClientDataSetAfterInsert(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterInsert(dataSet);
  if (PreparandoCampos()) return;
  nClientDataSet->FieldByName(QStringLiteral("CANCELADO"))->SetAsString(kAberto);
  const TnDadosProtocolo protocolo = DadosProtocolo();
  if (protocolo.Existe) nClientDataSet->FieldByName(QStringLiteral("DATALCTOPRO"))->SetValue(protocolo.DataLcto);
  if (DmMaster() && !ProtocoloEditavel()) {
    nClientDataSet->Cancel();
    nShowMessage(
        QStringLiteral("Não é permitido incluir itens em protocolos já existentes, verifique seus direitos de "
                       "acesso com o Administrador do Sistema."));
  }
}

void TmVoxDMProtocoloItem::nClientDataSetAfterScroll(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterScroll(dataSet);
  if (PreparandoCampos()) return;
  if (TnField *descricao = nClientDataSet->FindField(QStringLiteral("DESCRITEM")))
    descricao->Definicao().SetTextoDefinicao(descricao->AsString().left(255));
}

void TmVoxDMProtocoloItem::nClientDataSetBeforeDelete(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeDelete(dataSet);
  // Items are cancelled, never deleted.
  throw EAbort();
}

void TmVoxDMProtocoloItem::ConfigurarCampo(TnRemetente sender) {
  TnDMClientDataSet::ConfigurarCampo(sender);
  const TnDadosProtocolo protocolo = DadosProtocolo();
  FBaixado = protocolo.Baixado;
  if (!DmMaster()) return;
  if (FPanel) FPanel->SetVisible(ItemCancelado() && !protocolo.Cancelado);
  EdEnabledFields(ProtocoloEditavel());
  HabilitaDesabilitaActions({QStringLiteral("actDataSetInsert"), QStringLiteral("actDataSetDelete")},
                            !protocolo.Cancelado);
}

void TmVoxDMProtocoloItem::ValidarDado() {
  mVoxAuditarRegistro(*this);
  TnDMClientDataSet::ValidarDado();
  // Refusals also discard what was typed: the row goes back to what is
  // stored.
  if (DadosProtocolo().Baixado) {
    nClientDataSet->CancelUpdates();
    throw Exception(QStringLiteral("Impossível alterar itens de protocolo baixado!"));
  }
  if (FEmManutencao) return;
  const TnField *cancelado = nClientDataSet->FieldByName(QStringLiteral("CANCELADO"));
  const bool estavaCancelado = cancelado->OldValue().toString().trimmed() == kCancelado;
  if (estavaCancelado || cancelado->AsString().trimmed() == kCancelado) {
    nClientDataSet->CancelUpdates();
    throw Exception(QStringLiteral("Item cancelado, impossível alterar!"));
  }
}

// --- cancellation

void TmVoxDMProtocoloItem::actCancelarItem(TnRemetente sender) {
  CancelarItemAtual(sender);
  ChecarConfigurarCampo(sender);
}

void TmVoxDMProtocoloItem::CancelarItemAtual(TnRemetente sender) {
  TnClientDataSet &dados = *nClientDataSet;
  const TnDadosProtocolo protocolo = DadosProtocolo();
  FBaixado = protocolo.Baixado;
  if (!dados.Active() || dados.IsEmpty() || dados.State() == TnDataSetState::Insert) return;
  if (FBaixado || ItemCancelado()) return;
  if (sender == static_cast<const void *>(this) &&
      nMessageDlg(QStringLiteral("Tem certeza que deseja cancelar este item do protocolo?"),
                  TMsgDlgType::mtConfirmation, nBotoesSimNao()) != 0)
    return;

  const QVariant codigoProtocolo = dados.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->Value();
  const QVariant sequencia = dados.FieldByName(QStringLiteral("SEQITEMPRO"))->Value();
  TnDMConexao *conexao = nDMConexao();
  // The release, the item and the protocol are one change: the protocol is
  // checked inside the same transaction, so a failure there leaves the
  // debit or the movement tied to the still open item.
  conexao->StartTransaction(1, true, false);
  try {
    // What the screen shows may be stale: another user may have cancelled
    // the item (and protocolled its debit again), or withdrawn or cancelled
    // the protocol. The stored rows decide.
    QSqlQuery armazenado = conexao->Executar(
        QStringLiteral("select i.CANCELADO, i.CHAVEORIGEM, i.CODIGODOCEMP, p.DATAHORABAIXA, p.CANCELADO, p.TIPOPRO "
                       "from PROTOCOLOITEM i inner join PROTOCOLO p on p.CODIGOPROTOCOLO = i.CODIGOPROTOCOLO "
                       "where i.CODIGOPROTOCOLO = :protocolo and i.SEQITEMPRO = :sequencia"),
        {codigoProtocolo.toLongLong(), sequencia.toLongLong()});
    if (!armazenado.next())
      throw Exception(QStringLiteral(
          "O registro foi alterado ou excluído por outro usuário. Atualize os dados e tente novamente."));
    if (!armazenado.value(3).isNull()) throw Exception(QStringLiteral("Impossível alterar itens de protocolo baixado!"));
    if (armazenado.value(4).toString().trimmed() == kCancelado)
      throw Exception(QStringLiteral("Impossivel alterar protocolo cancelado!"));
    if (armazenado.value(0).toString().trimmed() == kCancelado)
      throw Exception(QStringLiteral("Item cancelado, impossível alterar!"));
    const QString chaveOrigem = armazenado.value(1).toString().trimmed();
    const bool temDocumento = !armazenado.value(2).isNull();
    const QString tipoPro = armazenado.value(5).toString().trimmed();
    armazenado = QSqlQuery();

    if (OrigemSemLiberacao(chaveOrigem)) {
      MarcarItemCancelado();
    } else if (TipoComDebitos(tipoPro)) {
      if (chaveOrigem.isEmpty() || PegarTipo(chaveOrigem) == 6) {
        // A protocol made from a document movement: the movement is free
        // again for a new protocol or to be deleted.
        if (chaveOrigem.isEmpty() && temDocumento) DesvincularMovimentoDoc(false);
        MarcarItemCancelado();
      } else if (LimparProDeb(chaveOrigem, codigoProtocolo)) {
        // Only a debit still in this protocol is freed: one another user
        // protocolled again belongs to that user's protocol.
        MarcarItemCancelado();
      }
    } else if (temDocumento) {
      DesvincularMovimentoDoc(true);
    }
    CancelarProtocoloSemItens(codigoProtocolo);
    conexao->Commit(1);
  } catch (...) {
    conexao->RollBack(1);
    // What was posted is undone in the table; the grid shows the table.
    // Should that reading fail too, the first failure is the one to show.
    try {
      if (dados.State() != TnDataSetState::Browse) dados.Cancel();
      dados.Refresh();
      if (TnDMClientDataSet *dm = ProtocoloDM()) dm->Refresh();
    } catch (...) {
    }
    throw;
  }
  if (TnDMClientDataSet *dm = ProtocoloDM()) dm->Refresh();
}

void TmVoxDMProtocoloItem::MarcarItemCancelado() {
  TnClientDataSet &dados = *nClientDataSet;
  FEmManutencao = true;
  const auto fim = qScopeGuard([this] { FEmManutencao = false; });
  try {
    if (dados.State() == TnDataSetState::Browse) dados.Edit();
    dados.FieldByName(QStringLiteral("CANCELADO"))->SetAsString(kCancelado);
    dados.Post();
  } catch (...) {
    // The item stays as stored, not half cancelled in the grid.
    if (dados.State() != TnDataSetState::Browse) dados.Cancel();
    throw;
  }
}

void TmVoxDMProtocoloItem::DesvincularMovimentoDoc(bool marcar) {
  TnDMConexao *conexao = nDMConexao();
  conexao->StartTransaction(1, true, false);
  try {
    const int liberados = ExecutarSQLDireto(
        QStringLiteral("update PROTOCOLODOCMOVIMENTO set CODIGOPROTOCOLO = null where CODIGODOCEMP = :documento and "
                       "CODIGOPROTOCOLO = :protocolo"),
        {nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"))->AsLargeInt(),
         nClientDataSet->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsLargeInt()});
    if (marcar && liberados > 0) MarcarItemCancelado();
    conexao->Commit(1);
  } catch (const std::exception &erro) {
    conexao->RollBack(1);
    throw Exception(QStringLiteral("Problema ao atualizar tabela PROTOCOLODOCMOVIMENTO: ") + Mensagem(erro));
  }
}

void TmVoxDMProtocoloItem::CancelarProtocoloSemItens(const QVariant &codigoProtocolo) {
  if (codigoProtocolo.isNull()) return;
  const qint64 codigo = codigoProtocolo.toLongLong();
  QSqlQuery abertos =
      nDMConexao()->Executar(QStringLiteral("select count(*) from PROTOCOLOITEM where CODIGOPROTOCOLO = :codigo and "
                                            "(CANCELADO is null or CANCELADO <> '1')"),
                             {codigo});
  if (abertos.next() && abertos.value(0).toLongLong() > 0) return;
  TnDMConexao *conexao = nDMConexao();
  conexao->StartTransaction(1, true, false);
  try {
    ExecutarSQLDireto(QStringLiteral("update PROTOCOLO set CANCELADO = '1' where CODIGOPROTOCOLO = :codigo"), {codigo});
    conexao->Commit(1);
  } catch (const std::exception &erro) {
    conexao->RollBack(1);
    throw Exception(QStringLiteral("Problema ao cancelar o protocolo: ") + Mensagem(erro));
  }
}

// --- descriptions from the standard histories

void TmVoxDMProtocoloItem::nClientDataSetDESCRITEMDefIntButtonClick(TnField &sender) {
  // A description the user may not change is not changed through its button
  // either.
  if (!sender.Definicao().Enabled() || sender.Definicao().ReadOnly()) return;
  auto *historicos = dynamic_cast<TnDMClientDataSet *>(PrepararDM(kClasseHistorico, QString(), false, true));
  if (!historicos) return;
  historicos->Abrir();
  const std::unique_ptr<TnFrmVisual> form(historicos->CriarForm());
  if (form->ShowModal() != mrOk) return;
  const TnField *escolhido = historicos->nClientDataSet->FindField(QStringLiteral("DESCRISAOHISTPRO"));
  if (!escolhido) return;
  if (nClientDataSet->State() == TnDataSetState::Browse) nClientDataSet->Edit();
  nClientDataSet->FieldByName(QStringLiteral("DESCRITEM"))->SetAsString(escolhido->AsString());
}

bool TmVoxDMProtocoloItem::LerHistorico(int codigo, QString &descricao) {
  auto *historicos = dynamic_cast<TnDMClientDataSet *>(PrepararDM(kClasseHistorico, QString(), false, true));
  if (!historicos) return false;
  historicos->Abrir();
  // A cursor of its own: the lookup's current row and filter stay.
  TnClientDataSet busca;
  busca.CloneCursor(historicos->nClientDataSet, true);
  if (!busca.Locate(QStringLiteral("CODIGOHISTPRO"), codigo)) return false;
  descricao = busca.FieldByName(QStringLiteral("DESCRISAOHISTPRO"))->AsString();
  return true;
}

bool TmVoxDMProtocoloItem::HistoricoTemComplemento(int codigo) {
  const QVariant valor =
      nDMSQLDataSet()->PegarValorCampo(QStringLiteral("HISTORICOPRO"), QStringLiteral("TEMCOMPLEMENTOHISTORICO"),
                                       QStringLiteral("CODIGOHISTPRO=") + ValorParaSQL(QVariant(codigo)));
  return valor.toString().trimmed().toInt() == 1;
}

void TmVoxDMProtocoloItem::PreencherHistoricoDigitado(TnDBGridEh &grid, int &key, TShiftState shift) {
  const TnField *selecionado = grid.SelectedField();
  if ((key == nTeclaTab || key == nTeclaEnter) && selecionado &&
      selecionado->FieldName().compare(QLatin1String("DESCRITEM"), Qt::CaseInsensitive) == 0 &&
      grid.ColunaEditavel(grid.SelectedIndex())) {
    bool numero = false;
    const int codigo = grid.TextoEditor().trimmed().toInt(&numero);
    if (numero && codigo != 0) {
      QString descricao;
      if (LerHistorico(codigo, descricao)) {
        if (nClientDataSet->State() == TnDataSetState::Browse) nClientDataSet->Edit();
        // The grid's editor shows the text, so the key commits it.
        nClientDataSet->FieldByName(QStringLiteral("DESCRITEM"))->SetAsString(descricao);
      }
      // A text to be completed keeps the cursor where it is.
      if (HistoricoTemComplemento(codigo)) {
        key = 0;
        return;
      }
    }
  }
  if (FDoKeyDown) FDoKeyDown(grid, key, shift);
}

// --- the form

void TmVoxDMProtocoloItem::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  form->CriarToolButton(
      QStringLiteral("Cancelar Item"), QStringLiteral("Cancelar um item"), 168,
      [this](QObject *) { actCancelarItem(this); }, QStringLiteral("Shift+F6"), 0, -1, true, true, true);
  form->ConfigurarActionForm({1});
  if (auto *grade = dynamic_cast<TnFrmCadGrid *>(form)) {
    TnDBGridEh *grid = grade->Grid();
    grid->SetConfirmaExclusao(true);
    grid->OnDrawColumnCell = [this](TnDBGridEh &g, TnDesenhoCelula &celula) { DesenharItemCancelado(g, celula); };
    FDoKeyDown = grid->OnKeyDown;
    grid->OnKeyDown = [this](TnDBGridEh &g, int &key, TShiftState shift) { PreencherHistoricoDigitado(g, key, shift); };

    auto *painel = new TnPainel(form->AreaToolBar(), QStringLiteral("pnlCancelado"));
    painel->SetCaption(QStringLiteral("Cancelado"));
    painel->SetCorFonte(nCorVermelho);
    painel->SetNegrito(true);
    painel->SetTamanhoFonte(10);
    painel->SetBorda(false);
    painel->SetWidth(110);
    painel->SetLeft(form->Width() - 110 - 10);
    painel->SetAncoras(true, false, true, false);
    painel->SetVisible(false);
    FPanel = painel;
  }
  for (const char *nome : {"VENCIMENTO", "VALOR"}) {
    const TnEntradaDicionario *entrada = TnDicionario::Entrada(QLatin1String(nome));
    TnField *campo = nClientDataSet->FindField(QLatin1String(nome));
    if (entrada && campo && !entrada->Rotulo.isEmpty()) campo->SetDisplayLabel(entrada->Rotulo);
  }
  FControleImposto.reset();  // a form built again: the earlier control lets go of the fields first
  FControleImposto = std::make_unique<TnControleImposto>(nClientDataSet->FindField(QStringLiteral("CODIGOIMPOSTO")),
                                                         nClientDataSet->FindField(QStringLiteral("VARIACAOIMPOSTO")));
  ChecarConfigurarCampo(this);
}

void TmVoxDMProtocoloItem::DesenharItemCancelado(TnDBGridEh &grid, TnDesenhoCelula &celula) {
  if (celula.Dados && celula.Dados->Active()) {
    celula.CorFonte = nCorPadrao;
    const TnField *cancelado = celula.Dados->FindField(QStringLiteral("CANCELADO"));
    if (cancelado && cancelado->AsString().trimmed() == kCancelado) celula.CorFonte = nCorVermelho;
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
  }
  grid.DefaultDrawColumnCell(celula);
}

void TmVoxDMProtocoloItem::DoFormDestroy(TnFrmVisual *sender) {
  TnDMClientDataSet::DoFormDestroy(sender);
  // The grid and its panel go with the form.
  FDoKeyDown = nullptr;
  FPanel = nullptr;
  FControleImposto.reset();
}

void TmVoxDMProtocoloItem::Notification(QObject *componente, TnOperacao operacao) {
  TnDMClientDataSet::Notification(componente, operacao);
  if (operacao != TnOperacao::opRemove) return;
  const auto *form = dynamic_cast<const TnFrmVisual *>(componente);
  if (form && form->ClassName() == QLatin1String("TnFrmCadGrid") && form->Name().mid(3) == Name()) FPanel = nullptr;
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMProtocoloItem>(QStringLiteral("TmVoxDMProtocoloItem"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloItem_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloItem_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
