#include "mVoxDPBaixarProtocolo_U.h"

#include <QDateTime>
#include <optional>
#include <utility>
#include <vector>

#include "mVoxSDadosBaixa_U.h"
#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nCores_U.h"
#include "nCursorEspera_U.h"
#include "nDMConexao_U.h"
#include "nDesenhoCelula_U.h"
#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFraProgresso_U.h"
#include "nFrmVisual_U.h"
#include "nFuncoesProcesso_U.h"
#include "nRegistro_U.h"
#include "nSQLDataSet_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCodigoProtocolo = QStringLiteral("CODIGOPROTOCOLO");
const QString kCodigoEmpresa = QStringLiteral("CODIGOEMPRESA");
const QString kCodigoEstab = QStringLiteral("CODIGOESTAB");
const QString kBaixar = QStringLiteral("BAIXAR");
const QString kAlterUser = QStringLiteral("ALTERUSER");
const QString kDataInicial = QStringLiteral("pDataInicial");
const QString kDataFinal = QStringLiteral("pDataFinal");

const QString kSQLProtocolos = QStringLiteral(
    "select CODIGOPROTOCOLO ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,TIPOPRO ,OBSERVACAO from PROTOCOLO  where "
    "DATAHORABAIXA is null ");

// Only an open protocol is stamped: a withdrawal another user recorded
// after the listing is never written over.
const QString kSQLUpdateProtocolo = QStringLiteral(
    "update PROTOCOLO set DATAHORAENTREGA = :pDATAHORAENTREGA ,CODIGOUSUARIOINT = :pCODIGOUSUARIOINT ,USUARIOEXT = "
    ":pUSUARIOEXT ,DATAHORABAIXA = :pDATAHORABAIXA where CODIGOPROTOCOLO = :pCodigoProtocolo and DATAHORABAIXA is "
    "null ");

bool Marcado(const TnClientDataSet &dados) {
  const TnField *campo = dados.FieldByName(kAlterUser);
  return !campo->IsNull() && campo->AsInteger() == 1;
}

}  // namespace

// The grid's fields, looked up once: the list, the marking and the
// withdrawal touch every row.
struct TmVoxDPBaixarProtocolo::TnCampos {
  TnField *CodigoProtocolo = nullptr;
  TnField *CodigoEmpresa = nullptr;
  TnField *CodigoEstab = nullptr;
  TnField *DataLctoPro = nullptr;
  TnField *TipoPro = nullptr;
  TnField *Observacao = nullptr;
  TnField *Baixar = nullptr;
  TnField *AlterUser = nullptr;
  void Mapear(TnClientDataSet &d) {
    d.MapearCampo(CodigoProtocolo, kCodigoProtocolo);
    d.MapearCampo(CodigoEmpresa, kCodigoEmpresa);
    d.MapearCampo(CodigoEstab, kCodigoEstab);
    d.MapearCampo(DataLctoPro, QStringLiteral("DATALCTOPRO"));
    d.MapearCampo(TipoPro, QStringLiteral("TIPOPRO"));
    d.MapearCampo(Observacao, QStringLiteral("OBSERVACAO"));
    d.MapearCampo(Baixar, kBaixar);
    d.MapearCampo(AlterUser, kAlterUser);
  }
};

TmVoxDPBaixarProtocolo::TnCampos &TmVoxDPBaixarProtocolo::Campos() { return nClientDataSet().Mapeamento<TnCampos>(); }

TmVoxDPBaixarProtocolo::TmVoxDPBaixarProtocolo() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Baixar Protocolo"));
  params.Adicionar({.Alias = QStringLiteral("pTipo"),
                    .Caption = QStringLiteral("Tipo"),
                    .Tipo = TnTipoParam::Combo,
                    .Padrao = QStringLiteral("1"),
                    .Obrigatorio = true,
                    .Hint = QStringLiteral("Informe o tipo do protocolo a ser baixado"),
                    .Valores = QStringLiteral("Saída=1;Entrada=2;")});
  params.Adicionar({.Alias = kDataInicial,
                    .Caption = QStringLiteral("Data Inicial"),
                    .Tipo = TnTipoParam::Data,
                    .Hint = QStringLiteral("Informe a data inicial para o filtro")});
  params.Adicionar({.Alias = kDataFinal,
                    .Caption = QStringLiteral("Data Final"),
                    .Tipo = TnTipoParam::Data,
                    .Hint = QStringLiteral("Informe a data final para o filtro")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoProtocolo"),
                    .Caption = QStringLiteral("Protocolo"),
                    .Tipo = TnTipoParam::Selecao,
                    .Hint = QStringLiteral("Informe o código do protocolo"),
                    .Dicionario = kCodigoProtocolo,
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Caption = QStringLiteral("Empresa"),
                    .Tipo = TnTipoParam::Selecao,
                    .Hint = QStringLiteral("Informe o código da empresa"),
                    .Dicionario = kCodigoEmpresa,
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Caption = QStringLiteral("Filial"),
                    .Tipo = TnTipoParam::Selecao,
                    .Hint = QStringLiteral("Informe o código da filial"),
                    .Dicionario = kCodigoEstab,
                    .MultiSelecao = true});
}

TmVoxDPBaixarProtocolo::~TmVoxDPBaixarProtocolo() = default;

QList<TnMenuDecl> TmVoxDPBaixarProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\01 Protocolos");
  menu.Caption = QStringLiteral("Baixar Protocolo");
  menu.Index = 3;
  menu.Modulo = QStringLiteral("mVox");
  return {menu};
}

void TmVoxDPBaixarProtocolo::DataModuleCreate() {
  TnDMPowerParamTab::DataModuleCreate();
  SetDBGridOrdenar(false);
  SetDBGridReadOnly(true);
  SetDBGridConfirmaExclusao(false);
  SetAutoSizeScrollParam(false);
  SetActionGravar(true);
  SetActionCancelar(true);
  SetPesquisa(true);
  FOpcao = 0;

  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(kCodigoProtocolo, TnFieldType::LargeInt);
  dados.AddFieldDef(kCodigoEmpresa, TnFieldType::SmallInt);
  dados.AddFieldDef(kCodigoEstab, TnFieldType::SmallInt);
  dados.AddFieldDef(QStringLiteral("DATALCTOPRO"), TnFieldType::Date);
  dados.AddFieldDef(QStringLiteral("TIPOPRO"), TnFieldType::String, 10);
  dados.AddFieldDef(QStringLiteral("OBSERVACAO"), TnFieldType::String, 50);
  dados.AddFieldDef(kBaixar, TnFieldType::SmallInt);
  dados.AddFieldDef(kAlterUser, TnFieldType::SmallInt);
  dados.CreateDataSet();
  ConfigurarCampos();
  dados.BeforeInsert = [this](TnClientDataSet &dataSet) { nClientDataSetBeforeInsert(dataSet); };
}

void TmVoxDPBaixarProtocolo::ConfigurarCampos() {
  TnClientDataSet &dados = nClientDataSet();
  auto rotulo = [&](const QString &nome, const QString &texto) { dados.FieldByName(nome)->SetDisplayLabel(texto); };
  rotulo(kCodigoProtocolo, QStringLiteral("Protocolo"));
  rotulo(kCodigoEmpresa, QStringLiteral("Empresa"));
  rotulo(kCodigoEstab, QStringLiteral("Filial"));
  rotulo(QStringLiteral("DATALCTOPRO"), QStringLiteral("Data Protocolo"));
  rotulo(QStringLiteral("TIPOPRO"), QStringLiteral("Tipo"));
  rotulo(QStringLiteral("OBSERVACAO"), QStringLiteral("Observação"));
  rotulo(kBaixar, QStringLiteral("Baixar"));
  // The mark stays in sight beside a long observation.
  dados.FieldByName(QStringLiteral("OBSERVACAO"))->SetDisplayWidth(35);
  dados.FieldByName(kBaixar)->SetAlignment(TnAlignment::Center);
  dados.FieldByName(kAlterUser)->SetVisible(false);
  Dicionario(dados);
  // The mark shows and takes "Não"/"Sim" while the field keeps 0/1.
  TnDefinicao &baixar = dados.FieldByName(kBaixar)->Definicao();
  baixar.SetNomesValores({QStringLiteral("Não=0"), QStringLiteral("Sim=1")});
  baixar.SetTipoControle(TnTipoControle::ComboBox);
  baixar.LigarTextos();
}

// --- parameters

void TmVoxDPBaixarProtocolo::ValidarDado() {
  TnDMPowerParamTab::ValidarDado();
  TnpqPowerParam &params = npqPowerParam();
  TnpqParamItem *inicial = params.Param(kDataInicial);
  TnpqParamItem *final = params.Param(kDataFinal);
  FFiltroData = true;
  if (inicial->IsNull()) {
    if (!final->IsNull())
      throw EnParam(inicial, QStringLiteral("Para informar o período final, é necessário informar a data inicial!"));
    FFiltroData = false;
    return;
  }
  FDataInicial = inicial->GetAsDate();
  QDate dataFinal;
  FDataFinal =
      !final->IsNull() && final->TryGetAsDate(dataFinal) && dataFinal.isValid() ? dataFinal : nDMConexao()->Date();
}

// --- the run

void TmVoxDPBaixarProtocolo::Executar() {
  TnDMPowerParamTab::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active() && !dados.IsEmpty()) dados.EmptyDataSet();
  SetTemAlteracao(false);
  CarregarDados();
  dados.First();
  if (TnDBGridEh *grid = nDBGrid()) grid->SetFocus();
}

void TmVoxDPBaixarProtocolo::CarregarDados() {
  const QString tipo = Param(QStringLiteral("pTipo")).trimmed();
  QString sql = kSQLProtocolos + QStringLiteral(" and NATUREZAPRO = ") + ValorParaSQL(tipo, TnFieldType::String);
  QVariantList valores;
  if (FFiltroData) {
    sql += QStringLiteral(" and DATALCTOPRO between :pDataInicial and :pDataFinal");
    valores << FDataInicial << FDataFinal;
  }
  const std::pair<const char *, const QString &> selecoes[] = {
      {"pCodigoProtocolo", kCodigoProtocolo}, {"pCodigoEmpresa", kCodigoEmpresa}, {"pCodigoEstab", kCodigoEstab}};
  for (const auto &[parametro, coluna] : selecoes) {
    const QString valor = Param(QLatin1String(parametro)).trimmed();
    if (!valor.isEmpty()) sql += FilterInterval(coluna, valor, 1, true, 3);
  }

  std::unique_ptr<TnClientDataSet> resultado = ExecutarSQL(sql, valores);
  // Gravar asks the withdrawal dialog for the nature of the rows on screen,
  // whatever the panel says by then.
  bool numero = false;
  FNatureza = tipo.toInt(&numero);
  if (!numero) FNatureza = 1;

  TnClientDataSet &dados = nClientDataSet();
  TnFraProgresso *progresso = CriarProgresso();
  progresso->MostrarSimples(resultado->RecordCount(), QStringLiteral("Carregando Protocolos..."));
  TnDBGridEh *grid = nDBGrid();
  dados.DisableControls();
  if (grid) grid->SetExibirDados(false);
  {
    TnAoSair liberar([&] {
      if (grid) grid->SetExibirDados(true);
      dados.EnableControls();
      DestruirSQL(resultado);
      LiberarProgresso();
    });
    const TnField *codigo = resultado->FieldByName(kCodigoProtocolo);
    const TnField *empresa = resultado->FieldByName(kCodigoEmpresa);
    const TnField *estab = resultado->FieldByName(kCodigoEstab);
    const TnField *data = resultado->FieldByName(QStringLiteral("DATALCTOPRO"));
    const TnField *tipoPro = resultado->FieldByName(QStringLiteral("TIPOPRO"));
    const TnField *observacao = resultado->FieldByName(QStringLiteral("OBSERVACAO"));
    TnCampos &c = Campos();
    for (resultado->First(); !resultado->Eof(); resultado->Next()) {
      dados.Append();
      c.CodigoEmpresa->SetAsInteger(empresa->AsInteger());
      c.CodigoEstab->SetAsInteger(estab->AsInteger());
      c.CodigoProtocolo->SetAsInteger(codigo->AsLargeInt());
      c.DataLctoPro->SetAsDate(data->IsNull() ? QDate() : data->AsDate());
      c.Observacao->SetValue(observacao->Value());
      c.TipoPro->SetAsString(tipoPro->AsString().trimmed() == QLatin1String("1") ? QStringLiteral("GUIA")
                                                                                 : QStringLiteral("DOC"));
      c.Baixar->SetAsInteger(0);
      c.AlterUser->SetAsInteger(0);
      dados.Post();
      progresso->IncProgressoTotal();
    }
  }
  dados.SetIndexFieldNames(kCodigoProtocolo);
}

// --- the form

void TmVoxDPBaixarProtocolo::DepoisConfigurar(TnFrmVisual *form) {
  TnDMPowerParamTab::DepoisConfigurar(form);
  CriarTabGrid(QStringLiteral("Protocolos a Baixar"));
  if (TnDBGridEh *grid = nDBGrid()) {
    FKeyDownAnterior = grid->OnKeyDown;
    grid->OnKeyDown = [this](TnDBGridEh &sender, int &key, TShiftState shift) { nDBGridKeyDown(sender, key, shift); };
    grid->OnDblClick = [this](QObject *sender) { nDBGridDblClick(sender); };
    grid->OnDrawColumnCell = [this](TnDBGridEh &sender, TnDesenhoCelula &celula) {
      nDBGridDrawColumnCell(sender, celula);
    };
    grid->OnTitleClick = [this](TnDBGridEh &sender, TnColunaGrid &coluna) { nDBGridTitleClick(sender, coluna); };
  }
  if (form)
    FBtnMarcarTodas = form->CriarToolButton(
        QStringLiteral("MarcarTodas"), QStringLiteral("Marcar todas para Sim ou para Não"), 196,
        [this](QObject *sender) { actMarcarTodasExecute(sender); }, QStringLiteral("Ctrl+Ins"), 0, -1, false, true,
        true);
  SetTemAlteracao(false);
}

// --- marking

void TmVoxDPBaixarProtocolo::nClientDataSetBeforeInsert(TnClientDataSet &dataSet) {
  if (!dataSet.ControlsDisabled()) throw Exception(QStringLiteral("Não é permitido inserir registros."));
}

void TmVoxDPBaixarProtocolo::AlternarMarca() {
  TnClientDataSet &dados = nClientDataSet();
  SetTemAlteracao(true);
  dados.Edit();
  TnCampos &c = Campos();
  const int valor = c.Baixar->AsInteger() == 1 ? 0 : 1;
  c.Baixar->SetAsInteger(valor);
  c.AlterUser->SetAsInteger(valor);
  dados.Post();
}

void TmVoxDPBaixarProtocolo::nDBGridKeyDown(TnDBGridEh &sender, int &key, TShiftState shift) {
  if (key == nTeclaEnter) {
    AlternarMarca();
    key = 0;
    return;
  }
  if (FKeyDownAnterior) FKeyDownAnterior(sender, key, shift);
}

void TmVoxDPBaixarProtocolo::nDBGridDblClick(QObject *sender) {
  TnDBGridEh *grid = nDBGrid();
  if (!grid || sender != grid) return;
  int key = nTeclaEnter;
  nDBGridKeyDown(*grid, key, {});
}

void TmVoxDPBaixarProtocolo::actMarcarTodasExecute(QObject *) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;
  SetTemAlteracao(true);
  FOpcao = FOpcao == 1 ? 0 : 1;
  TnFraProgresso *progresso = CriarProgresso();
  progresso->MostrarSimples(dados.RecordCount(), QStringLiteral("Atualizando Protocolos..."));
  TnCursorEspera cursor;
  dados.DisableControls();
  TnAoSair liberar([&] {
    dados.EnableControls();
    LiberarProgresso();
  });
  TnCampos &c = Campos();
  // In a list sorted by the mark each changed row moves within the order.
  nParaCadaLinha(dados, [&] {
    dados.Edit();
    c.Baixar->SetAsInteger(FOpcao);
    c.AlterUser->SetAsInteger(FOpcao);
    dados.Post();
    progresso->IncProgressoTotal();
  });
  dados.Last();
}

// --- the grid's look and order

void TmVoxDPBaixarProtocolo::nDBGridDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula) {
  if (nClientDataSet().Active() && celula.Dados) {
    celula.CorFonte = nCorPadrao;
    if (Marcado(*celula.Dados)) celula.CorFonte = nCorVerde;
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
  }
  sender.DefaultDrawColumnCell(celula);
}

void TmVoxDPBaixarProtocolo::nDBGridTitleClick(TnDBGridEh &, TnColunaGrid &coluna) {
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active() || coluna.FieldName.isEmpty()) return;
  const QString nome = QStringLiteral("idx") + coluna.FieldName;
  TnIndexDefs &indices = dados.IndexDefs();
  const TnIndexDef *indice = indices.FindIndex(nome);
  if (indice && indice->Options.testFlag(TnOpcaoIndice::Descendente))
    indices.Add(nome, coluna.FieldName);
  else if (indice)
    indices.Add(nome, coluna.FieldName, TnOpcaoIndice::Descendente, coluna.FieldName);
  else
    indices.Add(nome, coluna.FieldName);
  dados.SetIndexName(nome);
}

// --- Gravar and Cancelar

void TmVoxDPBaixarProtocolo::PrepararUpdate() {
  sqlUpdateProtocolo = std::make_unique<TnSQLDataSet>();
  sqlUpdateProtocolo->SetSQLConnection(nDMConexao());
  sqlUpdateProtocolo->SetCommandText(kSQLUpdateProtocolo);
  sqlUpdateProtocolo->SetPrepared(true);
  const TnFieldType tipos[] = {TnFieldType::DateTime, TnFieldType::SmallInt, TnFieldType::String, TnFieldType::DateTime,
                               TnFieldType::LargeInt};
  for (int i = 0; i < static_cast<int>(std::size(tipos)); ++i) sqlUpdateProtocolo->Params(i).SetDataType(tipos[i]);
}

bool TmVoxDPBaixarProtocolo::BaixarProtocolo(const QString &usuarioExt, int codigoUsuarioInt,
                                             const QDateTime &dataHoraEntrega) {
  TnSQLDataSet &sql = *sqlUpdateProtocolo;
  sql.Params(0).SetAsDateTime(nDateTimeToSQLTimeStamp(dataHoraEntrega));
  sql.Params(1).SetAsInteger(codigoUsuarioInt);
  sql.Params(2).SetAsString(usuarioExt);
  sql.Params(3).SetAsDateTime(nDateTimeToSQLTimeStamp(nDMConexao()->Now()));
  sql.Params(4).SetAsInteger(Campos().CodigoProtocolo->AsLargeInt());
  return sql.ExecSQL() >= 1;
}

void TmVoxDPBaixarProtocolo::actGravarExecute(QObject *sender) {
  TnDMPowerParamTab::actGravarExecute(sender);
  TnClientDataSet &dados = nClientDataSet();
  if (!dados.Active()) return;

  dados.DisableControls();
  std::optional<TnCursorEspera> cursor;
  // A failure leaves the user on the row they stood on, if it is still
  // listed.
  const std::optional<TnBookmark> linhaDoUsuario =
      dados.IsEmpty() ? std::nullopt : std::optional<TnBookmark>(dados.GetBookmark());
  bool falhou = false;
  TnAoSair liberar([&] {
    cursor.reset();
    dados.SetFiltered(false);
    dados.SetFilter(QString());
    if (falhou && linhaDoUsuario && dados.BookmarkValid(*linhaDoUsuario)) dados.GotoBookmark(*linhaDoUsuario);
    dados.EnableControls();
    sqlUpdateProtocolo.reset();
    LiberarProgresso();
  });
  dados.SetFilter(QStringLiteral("ALTERUSER = 1"));
  dados.SetFiltered(true);
  SetTemAlteracao(false);
  bool prosseguir = true;
  TnFraProgresso *progresso = CriarProgresso();
  progresso->MostrarSimples(dados.RecordCount(), QStringLiteral("Baixando Protocolos..."));
  cursor.emplace();
  PrepararUpdate();
  // One question per establishment: the rows grouped by company and
  // establishment, whatever order the screen showed.
  dados.SetIndexFieldNames(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB;"));
  dados.First();

  TnCampos &c = Campos();
  std::optional<std::pair<int, int>> anterior;
  QString usuarioExt;
  int codigoUsuarioInt = 0;
  QDateTime dataHoraEntrega;
  // The withdrawn rows leave the list together once the loop ends, also
  // when it fails: one step, not one shift of the list per row.
  std::vector<TnBookmark> baixadas;
  try {
    for (dados.First(); !dados.Eof(); dados.Next()) {
      const std::pair<int, int> chave{c.CodigoEmpresa->AsInteger(), c.CodigoEstab->AsInteger()};
      if (chave != anterior) {
        // The user answers with the normal cursor.
        cursor.reset();
        prosseguir =
            PegarDadosBaixa(FNatureza, usuarioExt, codigoUsuarioInt, dataHoraEntrega, chave.first, chave.second);
        cursor.emplace();
      }
      anterior = chave;
      if (prosseguir && BaixarProtocolo(usuarioExt, codigoUsuarioInt, dataHoraEntrega))
        baixadas.push_back(dados.GetBookmark());
      progresso->IncProgressoTotal();
    }
  } catch (...) {
    falhou = true;
    dados.ExcluirLinhas(baixadas);
    // What was written before the failure stays written: an open register
    // shows it too.
    try {
      AtualizarDM(QStringLiteral("TmVoxDMProtocolo"), QString(), 0);
    } catch (...) {
    }
    throw;
  }
  dados.ExcluirLinhas(baixadas);
  AtualizarDM(QStringLiteral("TmVoxDMProtocolo"), QString(), 0);
}

void TmVoxDPBaixarProtocolo::actCancelarExecute(QObject *sender) {
  TnDMPowerParamTab::actCancelarExecute(sender);
  if (!nClientDataSet().Active() || !TemAlteracao()) return;
  nClientDataSet().CancelUpdates();
  if (sender) Executar();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPBaixarProtocolo>(QStringLiteral("TmVoxDPBaixarProtocolo"),
                                                                 QStringLiteral("TnDMPowerParamTab"))};
});
void mVoxDPBaixarProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPBaixarProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
