#include "mVoxDPGerarProtocoloBase_U.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>
#include <exception>

#include "mVoxItem_U.h"
#include "mVoxSFuncoes_U.h"
#include "mVox_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDateField_U.h"
#include "nDateTimeField_U.h"
#include "nDialetoSQL_U.h"
#include "nDialogos_U.h"
#include "nException_U.h"
#include "nFMTBCDField_U.h"
#include "nFieldMapper_U.h"
#include "nFraProgresso_U.h"
#include "nFrmGerarProtocolo_U.h"
#include "nIntegerField_U.h"
#include "nLargeIntField_U.h"
#include "nPainel_U.h"
#include "nRegistro_U.h"
#include "nSQLDataSet_U.h"
#include "nStringField_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kTitulo = QStringLiteral("Gerar Protocolo");
const QString kCodigoProtocolo = QStringLiteral("CODIGOPROTOCOLO");
const QString kCRLF = QStringLiteral("\r\n");

const QString kSQLInsertPro = QStringLiteral(
    "insert into PROTOCOLO (CODIGOPROTOCOLO ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,TIPOPRO ,OBSERVACAO "
    ",DATAHORACADASTRO ,CODIGOUSUARIO ,FORMAENTREGA ,NATUREZAPRO ,CANCELADO ,ORIGEMDADO) values (:pCODIGOPROTOCOLO "
    ",:pCODIGOEMPRESA ,:pCODIGOESTAB ,:pDATALCTOPRO ,:pTIPOPRO ,:pOBSERVACAO ,:pDATAHORACADASTRO ,:pCODIGOUSUARIO "
    ",:pFORMAENTREGA ,:pNATUREZAPRO ,:pCANCELADO ,:pORIGEMDADO) ");

const QString kSQLInsertItensPro = QStringLiteral(
    "insert into PROTOCOLOITEM ( CODIGOPROTOCOLO ,SEQITEMPRO ,DESCRITEM ,DATALCTOPRO ,VENCIMENTO ,VALOR "
    ",CODIGOIMPOSTO ,VARIACAOIMPOSTO ,CODIGODOCEMP ,CodigoFuncContr ,CANCELADO ,CHAVEORIGEM ,CODIGOUSUARIO "
    ",DATAHORACADASTRO ,ORIGEMDADO ,COMPETENCIA) values (:pCODIGOPROTOCOLO ,:pSEQITEMPRO ,:pDESCRITEM "
    ",:pDATALCTOPRO ,:pVENCIMENTO ,:pVALOR ,:pCODIGOIMPOSTO ,:pVARIACAOIMPOSTO ,:pCODIGODOCEMP ,:pCodigoFuncContr "
    ",:pCANCELADO ,:pCHAVEORIGEM ,:pCODIGOUSUARIO ,:pDATAHORACADASTRO ,:pORIGEMDADO ,:pCOMPETENCIA) ");

// The columns of an item row, in the order InserirItem keeps its values.
constexpr const char *kColunasItem[] = {
    "CODIGOPROTOCOLO", "SEQITEMPRO",       "DESCRITEM",    "DATALCTOPRO",     "VENCIMENTO", "VALOR",
    "CODIGOIMPOSTO",   "VARIACAOIMPOSTO",  "CODIGODOCEMP", "CodigoFuncContr", "CANCELADO",  "CHAVEORIGEM",
    "CODIGOUSUARIO",   "DATAHORACADASTRO", "ORIGEMDADO",   "COMPETENCIA"};
const std::initializer_list<TnFieldType> kTiposItem = {
    TnFieldType::LargeInt, TnFieldType::Integer,  TnFieldType::String,   TnFieldType::Date,
    TnFieldType::Date,     TnFieldType::FMTBcd,   TnFieldType::Integer,  TnFieldType::SmallInt,
    TnFieldType::LargeInt, TnFieldType::Integer,  TnFieldType::String,   TnFieldType::String,
    TnFieldType::SmallInt, TnFieldType::DateTime, TnFieldType::SmallInt, TnFieldType::Date};

// Stamps the debits only while they are still free: another user may have
// protocolled one (or deleted it) since it was listed. %3: the keys'
// placeholders. The unary plus keeps the free-debit condition a filter: with
// a list of keys SQLite's planner would otherwise walk every free debit of
// the table through the protocol index instead of finding the keys.
const QString kSQLUpdateDebito = QStringLiteral(
    "update %1 set CODIGOPROTOCOLO = :pCodigoPro where CODIGOEMPRESA = :pCodigoEmpresa and +CODIGOPROTOCOLO is null "
    "and CHAVEDEBITO%2 in (%3)");
// Which of the keys carry the protocol after the stamp.
const QString kSQLDebitosCarimbados = QStringLiteral(
    "select CHAVEDEBITO%2 from %1 where CODIGOEMPRESA = :pCodigoEmpresa and CODIGOPROTOCOLO = :pCodigoPro and "
    "CHAVEDEBITO%2 in (%3)");

// ":prefixo0 ,:prefixo1 ..." for `quantos` placeholders.
QString Marcadores(const QString &prefixo, int quantos) {
  QString texto;
  for (int i = 0; i < quantos; ++i) {
    if (i > 0) texto += QStringLiteral(" ,");
    texto += u':' + prefixo + QString::number(i);
  }
  return texto;
}

// The statement's parameters take these types in order. Dates go as dates
// (the columns hold no time), the value as an exact decimal, and the one-
// character yes/no and kind columns as text.
void Tipar(TnSQLDataSet &sql, std::initializer_list<TnFieldType> tipos) {
  int i = 0;
  for (TnFieldType tipo : tipos) sql.Params(i++).SetDataType(tipo);
}

std::unique_ptr<TnSQLDataSet> NovaInstrucao(const QString &texto) {
  auto sql = std::make_unique<TnSQLDataSet>();
  sql->SetSQLConnection(nDMConexao());
  sql->SetCommandText(texto);
  sql->SetPrepared(true);
  return sql;
}

bool Vazio(const TnField *campo) { return !campo || campo->EmBranco(); }

bool Marcado(const TnField *campo) { return campo && !campo->IsNull() && campo->AsInteger() == 1; }

// Table names and key suffixes come from the program's own lists; they are
// pasted into the statement, so anything but a plain name is refused.
const QString &NomeSQL(const QString &nome) {
  static const QRegularExpression valido(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  if (!valido.match(nome).hasMatch())
    throw Exception(QStringLiteral("Nome de tabela ou coluna inválido: '%1'.").arg(nome));
  return nome;
}

}  // namespace

TmVoxDPGerarProtocoloBase::TmVoxDPGerarProtocoloBase() { npqPowerParam().SetCaption(kTitulo); }

TmVoxDPGerarProtocoloBase::~TmVoxDPGerarProtocoloBase() = default;

QString TmVoxDPGerarProtocoloBase::GetFormClass() const { return TnFrmGerarProtocolo::NomeClasse; }

// --- the form's parts

TnFrmGerarProtocolo *TmVoxDPGerarProtocoloBase::FormGerar() const {
  return dynamic_cast<TnFrmGerarProtocolo *>(Form());
}

TnClientDataSet *TmVoxDPGerarProtocoloBase::ClientDataSet() const {
  TnFrmGerarProtocolo *form = FormGerar();
  return form ? &form->nClientDataSet() : nullptr;
}

TnClientDataSet *TmVoxDPGerarProtocoloBase::ClientDataSetDet() const {
  TnFrmGerarProtocolo *form = FormGerar();
  return form ? &form->nClientDataSetDet() : nullptr;
}

TmVox *TmVoxDPGerarProtocoloBase::MapPro() const {
  TnClientDataSet *dados = ClientDataSet();
  return dados ? &TnFieldMapper::MapearFields<TmVox>(*dados) : nullptr;
}

TmVoxItem *TmVoxDPGerarProtocoloBase::MapProItem() const {
  TnClientDataSet *dados = ClientDataSetDet();
  return dados ? &TnFieldMapper::MapearFields<TmVoxItem>(*dados) : nullptr;
}

TnFrmGerarProtocolo *TmVoxDPGerarProtocoloBase::GarantirForm() {
  if (!Form()) {
    // A caller that runs the process by code has set the parameters itself;
    // building the form must not put the kept ones over them.
    const QVariantMap valores = npqPowerParam().Valores();
    CriarForm();
    npqPowerParam().SetValores(valores);
  }
  TnFrmGerarProtocolo *form = FormGerar();
  if (!form)
    throw Exception(
        QStringLiteral("O formulário do processo %1 não é um %2.").arg(ClassName(), TnFrmGerarProtocolo::NomeClasse));
  return form;
}

void TmVoxDPGerarProtocoloBase::TomarGrids(TnFrmGerarProtocolo *form) {
  FDBGridEH = form->nDBGridEh();
  FDBGridEHDet = form->nDBGridEhDet();
}

// --- the framework's virtual operations

void TmVoxDPGerarProtocoloBase::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  if (auto *gerar = dynamic_cast<TnFrmGerarProtocolo *>(form)) {
    TomarGrids(gerar);
    TnPainel *tab = CriarTab(kTitulo);
    FDBGridEH->setParent(tab);
    FDBGridEH->OnKeyDown = [this](TnDBGridEh &sender, int &key, TShiftState shift) {
      nDBGridKeyDownMaster(sender, key, shift);
    };
    FDBGridEH->OnDblClick = [this](QObject *sender) { DoDblClickMaster(sender); };
    FDBGridEHDet->OnKeyDown = [this](TnDBGridEh &sender, int &key, TShiftState shift) {
      nDBGridKeyDownDetail(sender, key, shift);
    };
    FDBGridEHDet->OnDblClick = [this](QObject *sender) { DoDblClick(sender); };
  }
  SetTemAlteracao(false);
}

void TmVoxDPGerarProtocoloBase::LimparParamsINI() {
  TnDMPowerParamTab::LimparParamsINI();
  for (TnpqParamItem *item : npqPowerParam().Params()) item->SetAsString(QString());
}

void TmVoxDPGerarProtocoloBase::Executar() {
  TnDMPowerParamTab::Executar();
  TnFrmGerarProtocolo *form = GarantirForm();
  if (!FDBGridEH || !FDBGridEHDet) TomarGrids(form);
  FDBGridEH->OcultarRowDetailPanel();

  TnClientDataSet &mestre = form->nClientDataSet();
  TnClientDataSet &detalhe = form->nClientDataSetDet();
  {
    mestre.DisableControls();
    detalhe.DisableControls();
    TnAoSair habilitar([&] {
      detalhe.EnableControls();
      mestre.EnableControls();
    });
    mestre.EmptyDataSet();
    detalhe.EmptyDataSet();
    // The children append items of every proposal: none may fall outside
    // the view while they do.
    detalhe.SetFiltered(false);
    mestre.SetIndexFieldNames(kCodigoProtocolo);
    detalhe.SetIndexFieldNames(kCodigoProtocolo);
    MapPro();
    MapProItem();

    PrepararSQL();
    PegarValoresIniciais();
    {
      // The listing only reads: one read transaction over all its statements
      // spares the database a lock per statement (thousands in a large
      // office). Only when no transaction is open: a caller's own is left
      // as it is.
      const bool propria = ListagemSomenteLeitura() && !nDMConexao()->EmTransacao();
      if (propria) nDMConexao()->StartTransaction(1, true, false);
      TnAoSair encerrar([propria] {
        if (propria && nDMConexao()->EmTransacao()) nDMConexao()->RollBack(1);
      });
      GerarProtocolo();
    }

    mestre.First();
    detalhe.First();
  }
  FDBGridEH->SetFocus();
  AtualizarDM(QStringLiteral("TmVoxDMProtocolo"), QString(), 0);
  SetTemAlteracao(false);
}

// --- the children's operations

void TmVoxDPGerarProtocoloBase::AtualizarOrigemItem(qint64, int) {}

void TmVoxDPGerarProtocoloBase::GerarProtocolo() {}

void TmVoxDPGerarProtocoloBase::PrepararSQL() {
  sqlInsertPro = NovaInstrucao(kSQLInsertPro);
  Tipar(*sqlInsertPro, {TnFieldType::LargeInt, TnFieldType::SmallInt, TnFieldType::SmallInt, TnFieldType::Date,
                        TnFieldType::String, TnFieldType::String, TnFieldType::DateTime, TnFieldType::SmallInt,
                        TnFieldType::String, TnFieldType::String, TnFieldType::String, TnFieldType::SmallInt});
  sqlInsertItensPro = NovaInstrucao(kSQLInsertItensPro);
  Tipar(*sqlInsertItensPro, {TnFieldType::LargeInt, TnFieldType::Integer, TnFieldType::String, TnFieldType::Date,
                             TnFieldType::Date, TnFieldType::FMTBcd, TnFieldType::Integer, TnFieldType::SmallInt,
                             TnFieldType::LargeInt, TnFieldType::Integer, TnFieldType::String, TnFieldType::String,
                             TnFieldType::SmallInt, TnFieldType::DateTime, TnFieldType::SmallInt, TnFieldType::Date});
  sqlInsertItensPro->Params(2).SetSize(200);
  sqlUpdateDebitos.clear();
}

void TmVoxDPGerarProtocoloBase::PegarValoresIniciais() {
  FCodProtocolo =
      nDMSQLDataSet()->PegarProximoCodigo(QStringLiteral("PROTOCOLO"), kCodigoProtocolo, QString(), 0, 1) - 1;
  bool ok = false;
  const int forma = PegarFormaEntrega(FCodigoEmpresa, FCodigoEstab).trimmed().toInt(&ok);
  FFormaEntrega = ok ? forma : 2;
}

void TmVoxDPGerarProtocoloBase::PegarCfgDescr(int tipo) {
  const QVariant mascara =
      nDMSQLDataSet()->PegarValorCampo(QStringLiteral("CFGTIPOPROTOCOLO"), QStringLiteral("DESCRTIPOPROTOCOLO"),
                                       QStringLiteral("CODIGOTIPOPROTOCOLO = ") + QString::number(tipo));
  FMascaraDescr = mascara.isNull() ? QString() : mascara.toString();
}

// --- the save

void TmVoxDPGerarProtocoloBase::actGravarExecute(QObject *) {
  // The inherited Gravar posts the framework grid's dataset, which a
  // generation does not use.
  LimparMsgTreeLista();
  const TnClientDataSet *mestre = ClientDataSet();
  const TnClientDataSet *detalhe = ClientDataSetDet();
  if (!mestre || !detalhe || !mestre->Active() || !detalhe->Active() || !TemAlteracao()) return;
  Gravar();
}

void TmVoxDPGerarProtocoloBase::InserirProtocolo(qint64 numero) {
  const TmVox &pro = *MapPro();
  TnSQLDataSet &sql = *sqlInsertPro;
  sql.Params(0).SetValue(numero);
  const TnField *campos[] = {pro.CODIGOEMPRESA, pro.CODIGOESTAB,      pro.DATALCTOPRO,   pro.TIPOPRO,
                             pro.OBSERVACAO,    pro.DATAHORACADASTRO, pro.CODIGOUSUARIO, pro.FORMAENTREGA,
                             pro.NATUREZAPRO,   pro.CANCELADO,        pro.ORIGEMDADO};
  int i = 1;
  for (const TnField *campo : campos) sql.Params(i++).SetValue(campo->Value());
  try {
    sql.ExecSQL();
  } catch (const EDatabaseError &e) {
    // Numbers are taken under a lock, so only a writer that does not take
    // it (another program) can get here first.
    if (e.tipo() != TnTipoErroBanco::Unico) throw;
    throw EDatabaseError(QStringLiteral("O protocolo número %1 acabou de ser gravado por outro usuário. Nada foi "
                                        "gravado: grave novamente e os protocolos receberão os próximos números "
                                        "livres.")
                             .arg(numero),
                         e.statement(), e.tipo(), e.detalhe());
  }
}

void TmVoxDPGerarProtocoloBase::InserirItem(qint64 numero, int sequencia) {
  const TmVoxItem &item = *MapProItem();
  TnItemPendente &pendente = FItensPendentes.emplace_back();
  pendente.Marca = ClientDataSetDet()->GetBookmark();
  pendente.Valores = {numero,
                      sequencia,
                      item.DESCRITEM->Value(),
                      item.DATALCTOPRO->Value(),
                      item.VENCIMENTO->Value(),
                      item.VALOR->Value(),
                      item.CODIGOIMPOSTO->Value(),
                      item.VARIACAOIMPOSTO->Value(),
                      item.CODIGODOCEMP->Value(),
                      item.CodigoFuncContr->Value(),
                      item.CANCELADO->Value(),
                      item.CHAVEORIGEM->Value(),
                      item.CODIGOUSUARIO->Value(),
                      item.DATAHORACADASTRO->Value(),
                      item.ORIGEMDADO->Value(),
                      item.COMPETENCIA->Value()};
}

void TmVoxDPGerarProtocoloBase::AtualizarDebito(qint64) {
  const TmVoxItem &item = *MapProItem();
  FDebitosPendentes.push_back({ClientDataSetDet()->GetBookmark(), item.TABELA->Value().toString(),
                               item.TABELACHAVE->Value().toString(), item.CHAVEDEBITO->Value()});
}

TnSQLDataSet &TmVoxDPGerarProtocoloBase::InstrucaoItens(int linhas) {
  std::unique_ptr<TnSQLDataSet> &instrucao = sqlInsertItens[linhas];
  if (instrucao) return *instrucao;
  QString colunas;
  for (const char *coluna : kColunasItem) {
    if (!colunas.isEmpty()) colunas += QStringLiteral(" ,");
    colunas += QLatin1String(coluna);
  }
  QString sql = QStringLiteral("insert into PROTOCOLOITEM (") + colunas + QStringLiteral(") values ");
  for (int linha = 0; linha < linhas; ++linha) {
    if (linha > 0) sql += QStringLiteral(" ,");
    sql += u'(' + Marcadores(QStringLiteral("p%1_").arg(linha), static_cast<int>(std::size(kColunasItem))) + u')';
  }
  instrucao = NovaInstrucao(sql);
  int i = 0;
  for (int linha = 0; linha < linhas; ++linha)
    for (TnFieldType tipo : kTiposItem) {
      instrucao->Params(i).SetDataType(tipo);
      // The description, at most 200 characters, as the single insert takes it.
      if (i % static_cast<int>(std::size(kColunasItem)) == 2) instrucao->Params(i).SetSize(200);
      ++i;
    }
  return *instrucao;
}

TnSQLDataSet &TmVoxDPGerarProtocoloBase::InstrucaoDebitos(const QString &tabela, const QString &sufixo, int chaves) {
  // The names are checked and pasted into the statement once per table and
  // number of keys, not once per item.
  std::unique_ptr<TnSQLDataSet> &instrucao = sqlUpdateDebitos[tabela + u'|' + sufixo + u'|' + QString::number(chaves)];
  if (!instrucao) {
    instrucao = NovaInstrucao(kSQLUpdateDebito.arg(NomeSQL(tabela.trimmed()), NomeSQL(sufixo.trimmed()),
                                                   Marcadores(QStringLiteral("pChave"), chaves)));
    instrucao->Params(0).SetDataType(TnFieldType::LargeInt);
    instrucao->Params(1).SetDataType(TnFieldType::SmallInt);
    for (int i = 0; i < chaves; ++i) instrucao->Params(2 + i).SetDataType(TnFieldType::Integer);
  }
  return *instrucao;
}

void TmVoxDPGerarProtocoloBase::GravarPendentes(qint64 numero) {
  TnClientDataSet &detalhe = *ClientDataSetDet();
  // Rows of one insert, keys of one stamp: a round trip each on the server.
  const size_t lote = static_cast<size_t>(TnDialetoSQL::LinhasPorInstrucao(nDMConexao()->TipoServidor()));
  const size_t itens = FItensPendentes.size();
  for (size_t inicio = 0; inicio < itens; inicio += lote) {
    const size_t fim = std::min(itens, inicio + lote);
    TnSQLDataSet &sql = InstrucaoItens(static_cast<int>(fim - inicio));
    int p = 0;
    for (size_t i = inicio; i < fim; ++i)
      for (const QVariant &valor : FItensPendentes[i].Valores) sql.Params(p++).SetValue(valor);
    try {
      sql.ExecSQL();
    } catch (...) {
      // Named with the first item of the rows refused.
      detalhe.GotoBookmark(FItensPendentes[inicio].Marca);
      throw;
    }
  }
  FItensPendentes.clear();

  // The debits table by table, in the order their first items came.
  std::vector<TnDebitoPendente> debitos = std::move(FDebitosPendentes);
  FDebitosPendentes.clear();
  const QVariant empresa = MapPro()->CODIGOEMPRESA->Value();
  std::vector<bool> feito(debitos.size(), false);
  for (size_t primeiro = 0; primeiro < debitos.size(); ++primeiro) {
    if (feito[primeiro]) continue;
    std::vector<size_t> daTabela;
    for (size_t i = primeiro; i < debitos.size(); ++i)
      if (!feito[i] && debitos[i].Tabela == debitos[primeiro].Tabela && debitos[i].Sufixo == debitos[primeiro].Sufixo) {
        daTabela.push_back(i);
        feito[i] = true;
      }
    // The keys stamped by the statements before: one listed again is not
    // free any more.
    QSet<qint64> antes;
    for (size_t inicio = 0; inicio < daTabela.size(); inicio += lote) {
      const size_t fim = std::min(daTabela.size(), inicio + lote);
      const int chaves = static_cast<int>(fim - inicio);
      TnSQLDataSet &sql = InstrucaoDebitos(debitos[primeiro].Tabela, debitos[primeiro].Sufixo, chaves);
      sql.Params(0).SetValue(numero);
      sql.Params(1).SetValue(empresa);
      for (size_t i = inicio; i < fim; ++i)
        sql.Params(2 + static_cast<int>(i - inicio)).SetValue(debitos[daTabela[i]].Chave);
      // Every debit exactly once: one short means it is no longer free, and
      // saving its item anyway would leave the debit in two protocols, or an
      // item with no debit behind it.
      if (sql.ExecSQL() == chaves) {
        for (size_t i = inicio; i < fim; ++i) antes.insert(debitos[daTabela[i]].Chave.toLongLong());
        continue;
      }
      QVariantList valores = {empresa, numero};
      for (size_t i = inicio; i < fim; ++i) valores << debitos[daTabela[i]].Chave;
      QSqlQuery carimbados =
          nDMConexao()->Executar(kSQLDebitosCarimbados.arg(NomeSQL(debitos[primeiro].Tabela.trimmed()),
                                                           NomeSQL(debitos[primeiro].Sufixo.trimmed()),
                                                           Marcadores(QStringLiteral("pChave"), chaves)),
                                 valores);
      QSet<qint64> nossos;
      while (carimbados.next()) nossos.insert(carimbados.value(0).toLongLong());
      carimbados.finish();
      // The first that is not ours, or ours already through an earlier item
      // (of this statement or of one before).
      for (size_t i = inicio; i < fim; ++i) {
        const qint64 chave = debitos[daTabela[i]].Chave.toLongLong();
        if (!antes.contains(chave) && nossos.remove(chave)) continue;
        detalhe.GotoBookmark(debitos[daTabela[i]].Marca);
        const TmVoxItem &item = *MapProItem();
        throw Exception(
            QStringLiteral("O débito \"%1\" (%2, chave %3) não está mais livre: foi protocolado por outro "
                           "usuário depois da listagem, ou excluído.")
                .arg(item.DESCRITEM->AsString(), item.TABELA->AsString().trimmed(), item.CHAVEDEBITO->AsString()));
      }
      throw Exception(QStringLiteral("Os débitos do protocolo %1 não puderam ser marcados.").arg(numero));
    }
  }
}

void TmVoxDPGerarProtocoloBase::Gravar() {
  TnClientDataSet &mestre = *ClientDataSet();
  TnClientDataSet &detalhe = *ClientDataSetDet();
  const TmVox &pro = *MapPro();
  const TmVoxItem &item = *MapProItem();
  if (!sqlInsertPro || !sqlInsertItensPro) PrepararSQL();
  sqlUpdateDebitos.clear();
  sqlInsertItens.clear();
  FItensPendentes.clear();
  FDebitosPendentes.clear();

  // The screen as it is now: a failed save puts it back, rows, marks,
  // filter, current rows and the open protocol, so the user can save again.
  const bool filtrado = detalhe.Filtered();
  const QString filtro = detalhe.Filter();
  const bool mestreNaLinha = !mestre.IsEmpty();
  const TnBookmark marcaMestre = mestreNaLinha ? mestre.GetBookmark() : 0;
  const bool detalheNaLinha = !detalhe.IsEmpty();
  const TnBookmark marcaDetalhe = detalheNaLinha ? detalhe.GetBookmark() : 0;
  const bool painelAberto = FDBGridEH && FDBGridEH->RowDetailPanelVisivel();
  const bool logMestre = mestre.nLogChanges();
  const bool logDetalhe = detalhe.nLogChanges();
  mestre.SetnLogChanges(true);
  detalhe.SetnLogChanges(true);
  const int pontoMestre = mestre.SetSavePoint();
  const int pontoDetalhe = detalhe.SetSavePoint();
  TnAoSair log([&] {
    mestre.SetnLogChanges(logMestre);
    detalhe.SetnLogChanges(logDetalhe);
  });

  TnFraProgresso *progresso = CriarProgresso();
  TnAoSair liberar([this] { LiberarProgresso(); });
  const QString indice = detalhe.IndexFieldNames();
  detalhe.SetFiltered(false);
  detalhe.SetIndexFieldNames(kCodigoProtocolo);
  // Protocols are numbered in proposal order, whatever order a click on a
  // grid title gave the proposals.
  const QString indiceMestre = mestre.IndexFieldNames();
  const QString nomeIndiceMestre = mestre.IndexName();
  mestre.SetIndexFieldNames(kCodigoProtocolo);
  // The rows taken out or put back become the datasets' own, and the item
  // grid shows again what it showed before the save.
  auto restaurarVisao = [&] {
    mestre.MergeChangeLog();
    detalhe.MergeChangeLog();
    if (!nomeIndiceMestre.isEmpty())
      mestre.SetIndexName(nomeIndiceMestre);
    else
      mestre.SetIndexFieldNames(indiceMestre);
    detalhe.SetIndexFieldNames(indice);
    detalhe.SetFiltered(false);
    detalhe.SetFilter(filtro);
    detalhe.SetFiltered(filtrado);
  };
  // One step per item.
  progresso->MostrarSimples(detalhe.RecordCount(), QStringLiteral("Gerando Protocolos..."));

  // 64-bit: protocol numbers go up to 9999999999. Read inside the
  // transaction, under the numbering lock (below).
  qint64 numero = 0;

  mestre.DisableControls();
  detalhe.DisableControls();
  bool habilitados = false;
  auto habilitar = [&] {
    if (habilitados) return;
    habilitados = true;
    detalhe.EnableControls();
    mestre.EnableControls();
  };
  TnAoSair aoSair(habilitar);

  std::exception_ptr erro;
  QString mensagem;
  bool silencioso = false;
  // The rows written leave the screen together once the save is committed:
  // one by one, each removal would shift every row after it.
  std::vector<TnBookmark> itensGravados;
  std::vector<TnBookmark> propostasGravadas;
  try {
    mestre.First();
    detalhe.First();
    nDMConexao()->StartTransaction(1, true, false);
    // Another user saving at the same time waits here for this save to end,
    // then numbers after it: the numbers read now stay free until commit.
    nDMConexao()->TravarNumeracao(QStringLiteral("PROTOCOLO"));
    numero = nDMSQLDataSet()->PegarProximoCodigo(QStringLiteral("PROTOCOLO"), kCodigoProtocolo, QString(), 0, 1) - 1;
    while (!mestre.Eof()) {
      // The proposal's items are one run of the index on the proposal
      // number, found by a binary search, in the order they were proposed
      // (equal keys keep their order): a filter per proposal would scan
      // every item of the run again.
      const QVariant proposta = pro.CODIGOPROTOCOLO->Value();
      const bool temItens = detalhe.FindKey({proposta});
      auto daProposta = [&] { return temItens && !detalhe.Eof() && item.CODIGOPROTOCOLO->Value() == proposta; };
      int sequencia = 0;
      bool ficaItem = false;
      TnMsgTreeNode *noProtocolo = nullptr;
      while (daProposta()) {
        progresso->IncProgressoTotal();
        if (!Marcado(item.GERAR)) {
          ficaItem = true;
          detalhe.Next();
          continue;
        }
        ++sequencia;
        if (sequencia == 1) {
          ++numero;
          InserirProtocolo(numero);
          noProtocolo = MsgTree(TnTipoMensagem::Sucesso, QStringLiteral("Protocolo ") + QString::number(numero) +
                                                             QStringLiteral(" gerado com sucesso para a ") +
                                                             QStringLiteral("Empresa ") + pro.EMPRESA->AsString() +
                                                             QStringLiteral(", ") + QStringLiteral("Filial ") +
                                                             pro.ESTAB->AsString());
        }
        InserirItem(numero, sequencia);
        MsgTree(TnTipoMensagem::Sucesso,
                item.TIPODEBITO->AsString() + QStringLiteral(" - ") + item.DESCRITEM->AsString(), noProtocolo);
        if (!Vazio(item.TABELA))
          AtualizarDebito(numero);
        else
          AtualizarOrigemItem(numero, sequencia);
        itensGravados.push_back(detalhe.GetBookmark());
        detalhe.Next();
      }
      GravarPendentes(numero);
      // A proposal leaves with its last item.
      if (!ficaItem) propostasGravadas.push_back(mestre.GetBookmark());
      mestre.Next();
    }
    nDMConexao()->Commit(1);
    // Committed: nothing is undone any more, so the rows written leave for
    // good rather than moving into the log until the end of the save.
    mestre.MergeChangeLog();
    detalhe.MergeChangeLog();
    mestre.SetnLogChanges(false);
    detalhe.SetnLogChanges(false);
    detalhe.ExcluirLinhas(itensGravados);
    mestre.ExcluirLinhas(propostasGravadas);
  } catch (const EAbort &) {
    erro = std::current_exception();
    silencioso = true;
  } catch (const Exception &e) {
    erro = std::current_exception();
    mensagem = e.message();
  } catch (const std::exception &e) {
    erro = std::current_exception();
    mensagem = QString::fromLocal8Bit(e.what());
  }

  if (erro) {
    // Named while the rows that failed are still current.
    const QString texto = QStringLiteral("Empresa: ") + pro.CODIGOEMPRESA->AsString() + kCRLF +
                          QStringLiteral("Filial: ") + pro.CODIGOESTAB->AsString() + kCRLF +
                          QStringLiteral("Protocolo: ") + pro.CODIGOPROTOCOLO->AsString() + kCRLF +
                          item.TIPODEBITO->AsString() + QStringLiteral(": ") + mensagem;
    try {
      nDMConexao()->RollBack(1);
    } catch (...) {
      // The server drops a failed transaction by itself.
    }
    LimparMsgTreeLista();
    mestre.RestoreSavePoint(pontoMestre);
    detalhe.RestoreSavePoint(pontoDetalhe);
    restaurarVisao();
    if (mestreNaLinha && mestre.BookmarkValid(marcaMestre)) mestre.GotoBookmark(marcaMestre);
    if (detalheNaLinha && detalhe.BookmarkValid(marcaDetalhe)) detalhe.GotoBookmark(marcaDetalhe);
    habilitar();
    if (painelAberto && FDBGridEH) FDBGridEH->MostrarRowDetailPanel();
    if (silencioso) std::rethrow_exception(erro);
    throw Exception(texto);
  }

  restaurarVisao();
  mestre.First();
  detalhe.First();
  habilitar();
  SetTemAlteracao(false);
  AtualizarDM(QStringLiteral("TmVoxDMProtocolo"), QString(), 0);
}

// --- marking

void TmVoxDPGerarProtocoloBase::GravarTodosSelecionados(const QVariant &codigoProtocolo, bool todos) {
  TnClientDataSet *mestre = ClientDataSet();
  const TmVox *pro = MapPro();
  if (!mestre || !mestre->Active() || mestre->IsEmpty() || codigoProtocolo.isNull()) return;
  if (pro->CODIGOPROTOCOLO->Value() != codigoProtocolo && !mestre->Locate(kCodigoProtocolo, codigoProtocolo)) return;
  mestre->Edit();
  pro->TODOSSELECIONADOS->SetAsInteger(todos ? 1 : 0);
  mestre->Post();
}

void TmVoxDPGerarProtocoloBase::MarcarItem() {
  TnClientDataSet *detalhe = ClientDataSetDet();
  // An edit on an empty view would insert a row.
  if (!detalhe || !detalhe->Active() || detalhe->IsEmpty()) return;
  const TmVoxItem &item = *MapProItem();
  if (!Vazio(item.PROTOCOLO)) {
    nShowMessage(QStringLiteral("Este item não pode ser selecionado, pois já teve o protocolo ") +
                 item.PROTOCOLO->AsString() + QStringLiteral(" gerado."));
    return;
  }
  detalhe->Edit();
  item.GERAR->SetAsInteger(Marcado(item.GERAR) ? 0 : 1);
  detalhe->Post();
  SetTemAlteracao(true);

  const QVariant codigo = item.CODIGOPROTOCOLO->Value();
  const TnBookmark marca = detalhe->GetBookmark();
  bool todos = true;
  {
    detalhe->DisableControls();
    TnAoSair habilitar([detalhe] { detalhe->EnableControls(); });
    for (detalhe->First(); !detalhe->Eof(); detalhe->Next())
      if (Vazio(item.PROTOCOLO) && (item.GERAR->IsNull() || item.GERAR->AsInteger() == 0)) todos = false;
    detalhe->GotoBookmark(marca);
  }
  GravarTodosSelecionados(codigo, todos);
}

void TmVoxDPGerarProtocoloBase::MarcarItensMaster() {
  TnClientDataSet *mestre = ClientDataSet();
  TnClientDataSet *detalhe = ClientDataSetDet();
  if (!mestre || !detalhe || !mestre->Active() || !detalhe->Active() || mestre->IsEmpty()) return;
  const TmVox &pro = *MapPro();
  const TmVoxItem &item = *MapProItem();
  const QVariant codigo = pro.CODIGOPROTOCOLO->Value();
  if (codigo.isNull()) return;
  // Opening the row shows its items; without the panel the filter is set
  // all the same, so only this protocol's items are switched.
  if (!FDBGridEH || !FDBGridEH->MostrarRowDetailPanel()) FormGerar()->FiltrarItensDoMestre();

  bool algumMarcado = false;
  bool mudou = false;
  if (!detalhe->IsEmpty()) {
    detalhe->DisableControls();
    TnAoSair habilitar([detalhe] { detalhe->EnableControls(); });
    for (detalhe->First(); !detalhe->Eof(); detalhe->Next()) {
      if (!Vazio(item.PROTOCOLO)) continue;
      const bool eraMarcado = Marcado(item.GERAR);
      algumMarcado = algumMarcado || eraMarcado;
      detalhe->Edit();
      item.GERAR->SetAsInteger(eraMarcado ? 0 : 1);
      detalhe->Post();
      mudou = true;
    }
    detalhe->First();
  }
  if (mudou) SetTemAlteracao(true);
  GravarTodosSelecionados(codigo, !algumMarcado);
}

void TmVoxDPGerarProtocoloBase::DesmarcarTodos() {
  TnClientDataSet *detalhe = ClientDataSetDet();
  if (!detalhe || !detalhe->Active()) return;
  const TmVoxItem &item = *MapProItem();
  const bool filtrado = detalhe->Filtered();
  detalhe->DisableControls();
  TnAoSair habilitar([detalhe] { detalhe->EnableControls(); });
  detalhe->SetFiltered(false);
  for (detalhe->First(); !detalhe->Eof(); detalhe->Next()) {
    if (!Marcado(item.GERAR)) continue;
    detalhe->Edit();
    item.GERAR->SetAsInteger(0);
    detalhe->Post();
    GravarTodosSelecionados(item.CODIGOPROTOCOLO->Value(), false);
  }
  detalhe->First();
  detalhe->SetFiltered(filtrado);
}

void TmVoxDPGerarProtocoloBase::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  TnClientDataSet *detalhe = ClientDataSetDet();
  if (detalhe && detalhe->Active() && TemAlteracao()) detalhe->CancelUpdates();
  DesmarcarTodos();
  SetTemAlteracao(false);
}

// --- grid events

void TmVoxDPGerarProtocoloBase::nDBGridKeyDownMaster(TnDBGridEh &, int &key, TShiftState shift) {
  if (key == nTeclaEnter && shift.testFlag(ssCtrl)) {
    key = 0;
    MarcarItensMaster();
  }
}

void TmVoxDPGerarProtocoloBase::DoDblClickMaster(QObject *) { MarcarItensMaster(); }

void TmVoxDPGerarProtocoloBase::nDBGridKeyDownDetail(TnDBGridEh &, int &key, TShiftState shift) {
  if (key == nTeclaEnter && shift.testFlag(ssCtrl)) {
    key = 0;
    MarcarItem();
  }
}

void TmVoxDPGerarProtocoloBase::DoDblClick(QObject *) { MarcarItem(); }

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  // Registered for the parent chain of the generation processes only: the
  // base is not created by name.
  TnClasseInfo base = nInfoClasse<TmVoxDPGerarProtocoloBase>(QStringLiteral("TmVoxDPGerarProtocoloBase"),
                                                             QStringLiteral("TnDMPowerParamTab"));
  base.Criar = nullptr;
  return QList<TnClasseInfo>{base};
});
void mVoxDPGerarProtocoloBase_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPGerarProtocoloBase_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
