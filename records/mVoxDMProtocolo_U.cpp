#include "mVoxDMProtocolo_U.h"

#include <QDateTime>
#include <QScopeGuard>
#include <QSqlQuery>
#include <exception>
#include <utility>

#include "mVoxDMProtocoloItem_U.h"
#include "mVoxFuncoesCadastro_U.h"
#include "mVoxSDadosBaixa_U.h"
#include "mVoxSFuncoes_U.h"
#include "nDMConexao_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nFuncoesDados_U.h"
#include "nPainel_U.h"
#include "nRegistro_U.h"
#include "nSchema_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kDireitoAlteracao = QStringLiteral("DireitoAltProtocolo");
const QString kSemChave = QStringLiteral("Não existe registro com esta chave");
const QString kSemDireito = QStringLiteral(
    "Não é permitido alterar protocolos já existentes, verifique seus direitos de acesso com o Administrador do "
    "Sistema.");
const QString kSemDireitoExcluir = QStringLiteral(
    "Não é permitido excluir protocolos já existentes, verifique seus direitos de acesso com o Administrador do "
    "Sistema.");

}  // namespace

TmVoxDMProtocolo::TmVoxDMProtocolo() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOPROTOCOLO,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,t_t.TIPOPRO,t_t.OBSERVACAO,"
      "t_t.DATAHORACADASTRO,t_t.CODIGOUSUARIO,t_t.FORMAENTREGA,t_t.NATUREZAPRO,t_t.DATAHORAENTREGA,"
      "t_t.CODIGOUSUARIOINT,t_t.USUARIOEXT,t_t.DATAHORABAIXA,t_t.CANCELADO,t_t.ORIGEMDADO from PROTOCOLO t_t "
      "ORDER BY t_t.CodigoProtocolo"));
  SetCaption(QStringLiteral("Protocolo"));
  SetCadCons(QStringLiteral("mVoxDCProtocolo"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  SetRelatorios({QStringLiteral("mVoxRRProtocolo"), QStringLiteral("mVoxRRProtocoloEmpresa")});
  DefAdic.Ordem = QStringLiteral("CodigoProtocolo");
}

QList<TnMenuDecl> TmVoxDMProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\01 Protocolos");
  menu.Caption = QStringLiteral("Protocolo");
  menu.Modulo = QStringLiteral("mVox");
  menu.ImageIndex = 115;
  return {menu};
}

QString TmVoxDMProtocolo::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocolo::ChavePrimaria() const { return QStringLiteral("CODIGOPROTOCOLO"); }

void TmVoxDMProtocolo::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  auto campo = [this](const char *nome) { return nClientDataSet->FieldByName(QLatin1String(nome)); };

  TnField *codigo = campo("CODIGOPROTOCOLO");
  codigo->SetRequired(true);
  codigo->SetMinValue(qint64{1});
  codigo->SetMaxValue(qint64{9999999999});
  codigo->SetConstraintErrorMessage(QStringLiteral("Código de protocolo inválido!"));
  codigo->Definicao().SetAutoIncrementar(true);

  ConfigurarCamposEmpresaEstab(*nClientDataSet);

  TnField *data = campo("DATALCTOPRO");
  data->SetRequired(true);
  data->SetDisplayLabel(QStringLiteral("Data Protocolo"));

  TnField *observacao = campo("OBSERVACAO");
  observacao->SetDisplayLabel(QStringLiteral("Observação"));
  observacao->Definicao().SetHint(QStringLiteral("Informe uma observação para ajudar identificar o protocolo"));

  TnField *forma = campo("FORMAENTREGA");
  forma->SetDisplayLabel(QStringLiteral("Forma de Entrega"));
  forma->Definicao().SetHint(QStringLiteral("Informe qual será a forma de entrega dos documentos"));
  forma->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  forma->Definicao().SetNomesValores(
      {QStringLiteral("Retirado=1"), QStringLiteral("Entregue em Mãos=2"), QStringLiteral("Entregue via Internet=3")});
  forma->Definicao().LigarTextos();

  TnField *natureza = campo("NATUREZAPRO");
  natureza->SetRequired(true);
  natureza->SetDefaultExpression(QStringLiteral("1"));
  natureza->SetDisplayLabel(QStringLiteral("Natureza"));
  natureza->Definicao().SetHint(QStringLiteral("Informe se o protocolo é de Entrada ou Saída"));
  natureza->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  natureza->Definicao().SetNomesValores({QStringLiteral("Saída=1"), QStringLiteral("Entrada=2")});
  natureza->Definicao().LigarTextos();

  // Written by the module, the withdrawal and the audit, never typed.
  for (const char *nome : {"TIPOPRO", "DATAHORACADASTRO", "CODIGOUSUARIO", "CANCELADO", "ORIGEMDADO"}) {
    campo(nome)->SetRequired(true);
    campo(nome)->SetVisible(false);
  }
  for (const char *nome : {"DATAHORAENTREGA", "CODIGOUSUARIOINT", "USUARIOEXT", "DATAHORABAIXA"})
    campo(nome)->SetVisible(false);

  codigo->OnChange = [this](TnField &f) { nClientDataSetCODIGOPROTOCOLOChange(f); };
  campo("CODIGOESTAB")->Definicao().OnExit = [this](TnField &f) { nClientDataSetCODIGOESTABDefIntExit(f); };

  FEhBaixa = false;
  AddInfoDetalhe(QStringLiteral("TmVoxDMProtocoloItem"), QStringLiteral("CODIGOPROTOCOLO"),
                 QStringLiteral("CODIGOPROTOCOLO"), QString(), QString(), QString(), false, false, true);
}

void TmVoxDMProtocolo::DataModuleDestroy() {
  TnDMClientDataSet::DataModuleDestroy();
  // Only the items of this register's own form: another register's items
  // may carry a similar name.
  for (TnDMClientDataSet *detalhe : Detalhes())
    if (dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) nLiberarDM(detalhe);
}

void TmVoxDMProtocolo::Refresh() {
  const auto esquecer = qScopeGuard([this] { UltimoEmpEstab.clear(); });
  TnDMClientDataSet::Refresh();
  // The protocol may have been withdrawn or cancelled meanwhile (the bulk
  // withdrawal, the items' cancellation): the status follows.
  ChecarConfigurarCampo(this);
}

// --- form

void TmVoxDMProtocolo::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  form->CriarToolButton(
      QStringLiteral("Baixar Protocolo"), QStringLiteral("Baixar o protocolo após a entrega"), 65,
      [this](QObject *sender) { actBaixarProtocolo(sender); }, QStringLiteral("F6"), 0, -1, true, true, true);
  form->CriarToolButton(
      QStringLiteral("InformacoesBaixa"), QStringLiteral("Informações sobre a baixa do protocolo"), 93,
      [this](QObject *sender) { actInformacoesBaixa(sender); }, QStringLiteral("Shift+F6"), 0, -1, false, true, true);
  form->CriarToolButton(
      QStringLiteral("Cancelar Tudo"), QStringLiteral("Cancela todos os ítens do protocolo"), 168,
      [this](QObject *sender) { actCancelarTudo(sender); }, QStringLiteral("Alt+F6"), 0, -1, false, true, true);
  form->ConfigurarActionForm({1});
  SetAtualizarAoExibir(false);

  // A label of its own at the right of the top area. The form owns it; the
  // QPointer forgets it when the form goes away.
  auto *label = new TnPainel(form->AreaTopo(), QStringLiteral("lbBaixado"));
  label->SetAlign(TnAlinhamento::alRight);
  label->SetBorda(false);
  label->SetVisible(false);
  label->SetAlignment(TnAlinhamentoTexto::Centro);
  label->SetTamanhoFonte(12);
  label->SetNegrito(true);
  label->SetTop(3);
  label->SetLeft(0);
  label->SetWidth(250);
  label->SetHeight(20);
  FLbBaixado = label;
  ChecarConfigurarCampo(this);
}

void TmVoxDMProtocolo::ConfigurarCampo(TnRemetente sender) {
  TnDMClientDataSet::ConfigurarCampo(sender);
  if (FLbBaixado) {
    if (Cancelado()) {
      FLbBaixado->SetCaption(QStringLiteral("Cancelado"));
      FLbBaixado->SetCorFonte(nCorVermelho);
      FLbBaixado->SetVisible(true);
    } else if (Baixado()) {
      FLbBaixado->SetCaption(QStringLiteral("Baixado"));
      FLbBaixado->SetCorFonte(nCorAzul);
      FLbBaixado->SetVisible(true);
    } else {
      FLbBaixado->SetVisible(false);
    }
  }
  const bool inserindo = nClientDataSet->State() == TnDataSetState::Insert;
  EdEnabledField(Campo("CODIGOEMPRESA"), inserindo);
  EdEnabledField(Campo("CODIGOESTAB"), inserindo);
}

// --- editing state

void TmVoxDMProtocolo::nClientDataSetNewRecord(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetNewRecord(dataSet);
  if (PreparandoCampos()) return;
  // The number comes by itself.
  EdEnabledField(Campo("CODIGOPROTOCOLO"), false);
}

void TmVoxDMProtocolo::nClientDataSetBeforeInsert(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeInsert(dataSet);
  if (PreparandoCampos()) return;
  EdEnabledField(Campo("CODIGOEMPRESA"), true);
  EdEnabledField(Campo("CODIGOESTAB"), true);
}

void TmVoxDMProtocolo::nClientDataSetAfterPost(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterPost(dataSet);
  if (std::exchange(FPostandoInsercao, false)) FCodigoCriado = Campo("CODIGOPROTOCOLO")->AsLargeInt();
  if (PreparandoCampos()) return;
  // The right is not applied here: whoever just made the protocol goes on
  // to its items before leaving it.
  EdEnabledField(Campo("CODIGOPROTOCOLO"), true);
  EdEnabledField(Campo("CODIGOEMPRESA"), false);
  EdEnabledField(Campo("CODIGOESTAB"), false);
}

void TmVoxDMProtocolo::nClientDataSetAfterScroll(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterScroll(dataSet);
  if (!PreparandoCampos()) AplicarEstadoNavegacao();
}

// Opening lands on the first protocol as a move does.
void TmVoxDMProtocolo::nClientDataSetAfterOpen(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterOpen(dataSet);
  if (!PreparandoCampos() && !dataSet.IsEmpty()) AplicarEstadoNavegacao();
}

void TmVoxDMProtocolo::nClientDataSetBeforeCancel(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeCancel(dataSet);
  FCancelandoInsercao = dataSet.State() == TnDataSetState::Insert;
}

// Giving up a new protocol goes back to a stored one, which the right
// governs again.
void TmVoxDMProtocolo::nClientDataSetAfterCancel(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterCancel(dataSet);
  const bool eraInsercao = std::exchange(FCancelandoInsercao, false);
  if (!PreparandoCampos() && eraInsercao && !dataSet.IsEmpty()) AplicarEstadoNavegacao();
}

void TmVoxDMProtocolo::AplicarEstadoNavegacao() {
  const bool inserindo = nClientDataSet->State() == TnDataSetState::Insert;
  EdEnabledField(Campo("CODIGOPROTOCOLO"), !inserindo);
  AplicarDireitoAlteracao();
  EdEnabledField(Campo("CODIGOEMPRESA"), inserindo);
  EdEnabledField(Campo("CODIGOESTAB"), inserindo);
  // The items moved with the protocol before its editors changed.
  for (TnDMClientDataSet *detalhe : Detalhes()) detalhe->ChecarConfigurarCampo(this);
}

bool TmVoxDMProtocolo::PodeAlterar() const {
  const TnDMDireitoUsuario *direitos = nDMDireitoUsuario();
  return !direitos || direitos->PegarDireito(kDireitoAlteracao) == QChar(TnDMDireitoUsuario::Concedido);
}

void TmVoxDMProtocolo::AplicarDireitoAlteracao() {
  EdEnabledFields(nClientDataSet->State() == TnDataSetState::Insert || PodeAlterar());
}

// --- typed values

void TmVoxDMProtocolo::ChecarNumeroDigitado(TnField *campo, const QString &texto) {
  bool numero = false;
  const qint64 codigo = texto.trimmed().toLongLong(&numero);
  if (!numero || codigo == 0) return;
  const QVariant achado =
      nDMSQLDataSet()->PegarValorCampo(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO"),
                                       QStringLiteral("CODIGOPROTOCOLO = ") + ValorParaSQL(codigo));
  if (achado.toLongLong() == 0) throw EnField(campo, kSemChave);
}

void TmVoxDMProtocolo::nClientDataSetCODIGOPROTOCOLOChange(TnField &campo) {
  if (nClientDataSet->State() != TnDataSetState::Insert) ChecarNumeroDigitado(&campo, campo.AsString());
}

void TmVoxDMProtocolo::ProcurarRegistro(TnField *campo, const QString &texto) {
  if (campo == Campo("CODIGOPROTOCOLO")) {
    bool numero = false;
    const qint64 codigo = texto.trimmed().toLongLong(&numero);
    if (!numero || codigo == 0) return;
    ChecarNumeroDigitado(campo, texto);
  }
  TnDMClientDataSet::ProcurarRegistro(campo, texto);
}

void TmVoxDMProtocolo::nClientDataSetCODIGOESTABDefIntExit(TnField &) {
  if (nClientDataSet->State() != TnDataSetState::Insert) return;
  const TnField *empresa = Campo("CODIGOEMPRESA");
  const TnField *estab = Campo("CODIGOESTAB");
  if (!empresa->IsNull() && !estab->IsNull()) {
    const QString empEstab = empresa->AsString() + QLatin1Char(';') + estab->AsString();
    if (empEstab != UltimoEmpEstab) {
      ChecarConfigurarEmpPro(empresa->AsInteger(), estab->AsInteger());
      FTipoEntrega = PegarFormaEntrega(empresa->AsInteger(), estab->AsInteger());
      UltimoEmpEstab = empEstab;
    }
  }
  if (nClientDataSet->State() != TnDataSetState::Insert) return;
  TnField *forma = Campo("FORMAENTREGA");
  if (FTipoEntrega.isEmpty())
    forma->Clear();
  else
    forma->SetAsString(FTipoEntrega);
}

// --- saving

void TmVoxDMProtocolo::nClientDataSetBeforePost(TnClientDataSet &dataSet) {
  FPostandoInsercao = dataSet.State() == TnDataSetState::Insert;
  if (!PreparandoCampos()) {
    TnField *tipo = Campo("TIPOPRO");
    if (tipo->AsString().trimmed().isEmpty()) tipo->SetAsString(QStringLiteral("2"));
    if (Campo("CANCELADO")->AsString().trimmed().isEmpty()) Campo("CANCELADO")->SetAsBoolean(false);
    // Every save says who saved it and when, a save with no other change too.
    Campo("DATAHORACADASTRO")->SetAsDateTime(nDateTimeToSQLTimeStamp(nDMConexao()->Now()));
    Campo("CODIGOUSUARIO")->SetAsInteger(nDMConexao()->CodigoUsuario());
  }
  TnDMClientDataSet::nClientDataSetBeforePost(dataSet);
}

void TmVoxDMProtocolo::ValidarDado() {
  mVoxAuditarRegistro(*this);
  TnDMClientDataSet::ValidarDado();
  TnField *codigo = Campo("CODIGOPROTOCOLO");
  auto recusar = [&](const QString &mensagem) {
    nClientDataSet->CancelUpdates();
    throw EnField(codigo, mensagem);
  };
  bool baixado = !FEhBaixa && Baixado();
  bool cancelado = Cancelado();
  if (nClientDataSet->State() == TnDataSetState::Edit) {
    // The right is held here too, not only by the disabled editors: a grid,
    // a shortcut or code reach the dataset without them.
    if (!FEhBaixa && !PodeAlterar() && (FCodigoCriado == 0 || codigo->OldValue().toLongLong() != FCodigoCriado))
      recusar(kSemDireito);
    const QVariant numero = codigo->OldValue().isNull() ? codigo->Value() : codigo->OldValue();
    QSqlQuery armazenado = nDMConexao()->Executar(
        QStringLiteral("select DATAHORABAIXA, CANCELADO from PROTOCOLO where CODIGOPROTOCOLO = :codigo"),
        {numero.toLongLong()});
    // A protocol gone from the table is left to the write, which says so.
    if (armazenado.next()) {
      baixado = baixado || !armazenado.value(0).isNull();
      cancelado = cancelado || armazenado.value(1).toString().trimmed() == QStringLiteral("1");
    }
  }
  if (baixado) recusar(QStringLiteral("Não é permitido alterar protocolo baixado!"));
  if (cancelado)
    recusar(FEhBaixa ? QStringLiteral("Impossível baixar um protocolo cancelado!")
                     : QStringLiteral("Impossivel alterar protocolo cancelado!"));
}

void TmVoxDMProtocolo::nClientDataSetBeforeDelete(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeDelete(dataSet);
  if (PreparandoCampos() || dataSet.State() == TnDataSetState::Insert) return;
  if (!PodeAlterar()) throw Exception(kSemDireitoExcluir);
  const QString tabela = ProtocoloUsadoEm(Campo("CODIGOPROTOCOLO")->AsLargeInt());
  if (tabela.isEmpty()) return;
  const TnTabelaDef *def = TnSchema::Tabela(tabela);
  throw Exception(QStringLiteral("Este registro está em uso em %1 e não pode ser excluído.")
                      .arg(def && !def->Descricao.isEmpty() ? QStringLiteral("%1 (%2)").arg(def->Descricao, tabela)
                                                            : tabela));
}

// --- withdrawal

void TmVoxDMProtocolo::actBaixarProtocolo(TnRemetente sender) {
  try {
    BaixarProtocolo();
  } catch (...) {
    ChecarConfigurarCampo(sender);
    throw;
  }
  ChecarConfigurarCampo(sender);
}

void TmVoxDMProtocolo::BaixarProtocolo() {
  TnClientDataSet &dados = *nClientDataSet;
  if (!dados.Active() || dados.IsEmpty() || Baixado()) return;
  if (Cancelado()) throw EnField(Campo("CODIGOPROTOCOLO"), QStringLiteral("Impossível baixar um protocolo cancelado!"));

  QString pessoa;
  int usuario = 0;
  QDateTime entrega;
  if (!PegarDadosBaixa(Campo("NATUREZAPRO")->AsInteger(), pessoa, usuario, entrega, Campo("CODIGOEMPRESA")->AsInteger(),
                       Campo("CODIGOESTAB")->AsInteger()))
    return;

  const bool editou = dados.State() == TnDataSetState::Browse;
  if (editou) dados.Edit();
  const char *const campos[] = {"DATAHORAENTREGA", "USUARIOEXT", "CODIGOUSUARIOINT", "DATAHORABAIXA"};
  QVariantList antes;
  for (const char *nome : campos) antes << Campo(nome)->Value();
  try {
    Campo("DATAHORAENTREGA")->SetAsDateTime(nDateTimeToSQLTimeStamp(entrega));
    Campo("USUARIOEXT")->SetAsString(pessoa);
    Campo("CODIGOUSUARIOINT")->SetAsInteger(usuario);
    Campo("DATAHORABAIXA")->SetAsDateTime(nDateTimeToSQLTimeStamp(nDMConexao()->Now()));
    FEhBaixa = true;
    const auto fim = qScopeGuard([this] { FEhBaixa = false; });
    dados.Post();
  } catch (...) {
    // The protocol stays open, on screen too: the withdrawal values go,
    // what the user was typing stays.
    try {
      if (editou && dados.State() == TnDataSetState::Edit)
        dados.Cancel();
      else if (dados.State() != TnDataSetState::Browse)
        for (int i = 0; i < antes.size(); ++i) Campo(campos[i])->SetValue(antes.at(i));
    } catch (...) {
    }
    throw;
  }
}

void TmVoxDMProtocolo::actInformacoesBaixa(TnRemetente) {
  if (!nClientDataSet->Active() || !Baixado()) return;
  // Without an internal user (a bulk withdrawal may leave none) its part
  // reads empty.
  const TnField *interno = Campo("CODIGOUSUARIOINT");
  QString usuario;
  if (!interno->IsNull()) {
    const QString nome = nDMSQLDataSet()
                             ->PegarValorCampo(QStringLiteral("USUARIO"), QStringLiteral("NOMEUSUARIOCOMPL"),
                                               QStringLiteral("CODIGOUSUARIO = ") + ValorParaSQL(interno->Value()))
                             .toString();
    usuario = interno->AsString() + QStringLiteral(" - ") + nome;
  }
  const QString externo = Campo("USUARIOEXT")->AsString();
  const bool saida = Campo("NATUREZAPRO")->AsString().trimmed() == QStringLiteral("1");
  const QStringList partes{
      saida ? QStringLiteral("Usuário Entrega: ") + usuario : QStringLiteral("Responsável Entrega: ") + externo,
      saida ? QStringLiteral("Responsável Recebimento: ") + externo : QStringLiteral("Usuário Recebimento: ") + usuario,
      QStringLiteral("Data Entrega: ") + Campo("DATAHORAENTREGA")->AsString(),
      QStringLiteral("Data/Hora Baixa: ") + Campo("DATAHORABAIXA")->AsString()};
  nMessageDlg(partes.join(QStringLiteral("\r\n\r\n")), TMsgDlgType::mtInformation, nBotaoOK());
}

// --- cancelling every item

TmVoxDMProtocoloItem *TmVoxDMProtocolo::Itens() const {
  for (TnDMClientDataSet *detalhe : Detalhes())
    if (auto *itens = dynamic_cast<TmVoxDMProtocoloItem *>(detalhe)) return itens;
  return nullptr;
}

bool TmVoxDMProtocolo::CanceladoNoBanco() const {
  const QVariant cancelado =
      nDMSQLDataSet()->PegarValorCampo(QStringLiteral("PROTOCOLO"), QStringLiteral("CANCELADO"),
                                       ValorParaSQL(Campo("CODIGOPROTOCOLO"), QStringLiteral("="), true));
  return cancelado.toString().trimmed() == QStringLiteral("1");
}

void TmVoxDMProtocolo::actCancelarTudo(TnRemetente sender) {
  TmVoxDMProtocoloItem *itens = Itens();
  TnClientDataSet &protocolo = *nClientDataSet;
  if (!itens || !protocolo.Active() || protocolo.IsEmpty() || protocolo.State() == TnDataSetState::Insert) return;
  if (Baixado() || Cancelado()) return;
  if (nMessageDlg(QStringLiteral("Tem certeza que deseja cancelar todos os ítens do protocolo?"),
                  TMsgDlgType::mtConfirmation, nBotoesSimNao()) != 0)
    return;

  // Each cancellation refreshes this register and so reloads the items:
  // the items are taken first and found again one by one.
  TnClientDataSet &dados = *itens->nClientDataSet;
  QVariantList sequencias;
  if (dados.Active()) {
    for (dados.First(); !dados.Eof(); dados.Next())
      sequencias << dados.FieldByName(QStringLiteral("SEQITEMPRO"))->Value();
  }
  const TnRemetente remetente = sender ? sender : this;
  std::exception_ptr erro;
  try {
    for (const QVariant &sequencia : std::as_const(sequencias)) {
      if (!TnRegistro::Instancia().Viva(itens)) break;
      if (dados.Locate(QStringLiteral("SEQITEMPRO"), sequencia)) itens->actCancelarItem(remetente);
    }
  } catch (...) {
    erro = std::current_exception();
  }
  // Whatever was left half done on the items goes; they are read again.
  try {
    if (TnRegistro::Instancia().Viva(itens) && !CanceladoNoBanco()) {
      dados.CancelUpdates();
      dados.Close();
      itens->Abrir();
    }
  } catch (...) {
    if (!erro) throw;
  }
  if (erro) std::rethrow_exception(erro);
}

TnField *TmVoxDMProtocolo::Campo(const char *nome) const { return nClientDataSet->FieldByName(QLatin1String(nome)); }

bool TmVoxDMProtocolo::Baixado() const { return !Campo("DATAHORABAIXA")->IsNull(); }

bool TmVoxDMProtocolo::Cancelado() const { return Campo("CANCELADO")->AsBoolean(); }

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMProtocolo>(QStringLiteral("TmVoxDMProtocolo"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
