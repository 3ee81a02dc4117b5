#include "mVoxDPGerarProIndividual_U.h"

#include "nClasseInfo_U.h"
#include "nDBGrid_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nFrmGerarProtocolo_U.h"
#include "nFrmPowerParam_U.h"
#include "nPainel_U.h"
#include "nSQLDataSet_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QString kCodigoDocumento = QStringLiteral("pCodigoDocumento");
const QString kCodFunc = QStringLiteral("pCodFunc");
const QString kCodigoEmpresa = QStringLiteral("pCodigoEmpresa");
const QString kCodigoEstab = QStringLiteral("pCodigoEstab");
const QString kObservacao = QStringLiteral("pObservacao");
const QString kFormaEntrega = QStringLiteral("pFormaEntrega");
const QString kNatureza = QStringLiteral("pNatureza");
const QString kDescricaoItem = QStringLiteral("pDescricaoItem");
const QString kCodigoPro = QStringLiteral("pCodigoPro");

// The columns the texts go to.
constexpr int kTamanhoObservacao = 50;
constexpr int kTamanhoDescricaoItem = 200;

// A company or establishment code: a whole number of at most four digits.
bool LerCodigo(const TnpqParamItem &param, int &codigo) {
  bool ok = false;
  const int valor = param.GetAsString().trimmed().toInt(&ok);
  if (param.IsNull() || !ok || valor < 0 || valor > 9999) return false;
  codigo = valor;
  return true;
}

// The text of a parameter, or no value when it is empty.
QVariant TextoOuNulo(const QString &texto) { return texto.isEmpty() ? QVariant() : QVariant(texto); }

}  // namespace

TmVoxDPGerarProIndividual::TmVoxDPGerarProIndividual() {
  TnpqPowerParam &params = npqPowerParam();
  params.SetCaption(QStringLiteral("Gerar Protocolo Individual"));
  params.Adicionar({.Alias = kCodigoDocumento,
                    .Caption = QStringLiteral("Documento"),
                    .Dicionario = QStringLiteral("CODIGODOCEMP")});
  params.Adicionar({.Alias = kCodFunc, .Caption = QStringLiteral("Funcionário"), .Tipo = TnTipoParam::Texto});
  params.Adicionar({.Alias = kCodigoEmpresa, .Obrigatorio = true, .Dicionario = QStringLiteral("CODIGOEMPRESA")});
  params.Adicionar(
      {.Alias = kCodigoEstab, .Caption = QStringLiteral("Filial"), .Dicionario = QStringLiteral("CODIGOESTAB")});
  params.Adicionar({.Alias = QStringLiteral("pDataLctoPro"),
                    .Caption = QStringLiteral("Data Protocolo"),
                    .Tipo = TnTipoParam::Data,
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = kObservacao,
                    .Caption = QStringLiteral("Observação"),
                    .Tipo = TnTipoParam::Texto,
                    .Dicionario = QStringLiteral("DICTEXTO")});
  params.Adicionar({.Alias = kFormaEntrega,
                    .Caption = QStringLiteral("Forma Entrega"),
                    .Tipo = TnTipoParam::Combo,
                    .Valores = QStringLiteral("Retirado=1;Entregue em Mãos=2;Entregue via Internet=3;")});
  params.Adicionar({.Alias = kNatureza,
                    .Caption = QStringLiteral("Natureza"),
                    .Tipo = TnTipoParam::Combo,
                    .Obrigatorio = true,
                    .Valores = QStringLiteral("Saída=1;Entrada=2;")});
  params.Adicionar({.Alias = kDescricaoItem,
                    .Caption = QStringLiteral("Descricao Item"),
                    .Tipo = TnTipoParam::Texto,
                    .Obrigatorio = true,
                    .Dicionario = QStringLiteral("DICTEXTO")});
  params.Adicionar(
      {.Alias = kCodigoPro, .Caption = QStringLiteral("Codigo Protocolo"), .Tipo = TnTipoParam::Numero});
}

TmVoxDPGerarProIndividual::~TmVoxDPGerarProIndividual() = default;

QList<TnMenuDecl> TmVoxDPGerarProIndividual::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Protocolo");
  menu.Caption = QStringLiteral("Gerar Protocolo Individual");
  menu.Index = 2;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

void TmVoxDPGerarProIndividual::ValidarDado() {
  TmVoxDPGerarProtocoloBase::ValidarDado();
  TnpqPowerParam &params = npqPowerParam();

  int codigo = 0;
  TnpqParamItem *empresa = params.Param(kCodigoEmpresa);
  if (!LerCodigo(*empresa, codigo)) throw EnParam(empresa, QStringLiteral("Valor invalido para código da empresa."));
  SetCodigoEmpresa(codigo);
  TnpqParamItem *estab = params.Param(kCodigoEstab);
  if (!LerCodigo(*estab, codigo)) throw EnParam(estab, QStringLiteral("Valor invalido para código da filial."));
  SetCodigoEstab(codigo);

  // The item keeps both codes as numbers: a text that is none would only be
  // refused by the database, after the protocol was begun.
  TnpqParamItem *documento = params.Param(kCodigoDocumento);
  FTemDocumento = !documento->IsNull();
  if (FTemDocumento) {
    bool ok = false;
    FCodigoDocumento = documento->GetAsString().trimmed().toLongLong(&ok);
    if (!ok || FCodigoDocumento < 1)
      throw EnParam(documento, QStringLiteral("Valor invalido para código do documento."));
  }
  // Texts longer than their columns are refused here, by their captions.
  auto conferirTamanho = [&](const QString &nome, const QString &texto, int maximo) {
    if (texto.size() > maximo)
      throw EnParam(params.Param(nome), QStringLiteral("O texto de \"%1\" excede o tamanho máximo de %2 caracteres.")
                                            .arg(params.Param(nome)->Caption())
                                            .arg(maximo));
  };
  conferirTamanho(kObservacao, Param(kObservacao), kTamanhoObservacao);
  conferirTamanho(kDescricaoItem, Param(kDescricaoItem).trimmed(), kTamanhoDescricaoItem);

  TnpqParamItem *funcionario = params.Param(kCodFunc);
  FTemFunc = !funcionario->IsNull();
  if (FTemFunc) {
    bool ok = false;
    FCodigoFunc = funcionario->GetAsString().trimmed().toInt(&ok);
    if (!ok || FCodigoFunc < 0)
      throw EnParam(funcionario, QStringLiteral("Valor invalido para código do funcionário."));
  }
}

void TmVoxDPGerarProIndividual::DepoisConfigurar(TnFrmVisual *form) {
  auto *processo = dynamic_cast<TnFrmPowerParam *>(form);
  if (!processo) return;
  processo->PageControl()->SetAlign(TnAlinhamento::alClient);
  // The generation form's grids stay empty here: they are not shown.
  if (auto *gerar = dynamic_cast<TnFrmGerarProtocolo *>(form)) {
    if (TnDBGridEh *grid = gerar->nDBGridEh()) grid->SetVisible(false);
    if (TnDBGridEh *grid = gerar->nDBGridEhDet()) grid->SetVisible(false);
  }
}

void TmVoxDPGerarProIndividual::GerarProtocolo() {
  TnpqPowerParam &params = npqPowerParam();
  const QString forma = Param(kFormaEntrega).trimmed();
  if (!forma.isEmpty()) {
    bool ok = false;
    const int valor = forma.toInt(&ok);
    SetFormaEntrega(ok ? valor : 2);
  }

  SetCodProtocolo(CodProtocolo() + 1);
  TnpqParamItem *codigoPro = params.Param(kCodigoPro);
  codigoPro->Clear();

  TnDMConexao *conexao = nDMConexao();
  const QDate hoje = conexao->Date();
  const QDateTime agora = conexao->Now();
  const int usuario = conexao->CodigoUsuario();
  conexao->StartTransaction(1, true, false);
  try {
    TnSQLDataSet &pro = *sqlInsertPro;
    pro.Params(0).SetValue(CodProtocolo());
    pro.Params(1).SetValue(CodigoEmpresa());
    pro.Params(2).SetValue(CodigoEstab());
    pro.Params(3).SetValue(hoje);
    pro.Params(4).SetValue(QStringLiteral("2"));
    pro.Params(5).SetValue(TextoOuNulo(Param(kObservacao)));
    pro.Params(6).SetValue(agora);
    pro.Params(7).SetValue(usuario);
    pro.Params(8).SetValue(QString::number(FormaEntrega()));
    pro.Params(9).SetValue(TextoOuNulo(Param(kNatureza).trimmed()));
    pro.Params(10).SetValue(QStringLiteral("0"));
    pro.Params(11).SetValue(1);
    if (pro.ExecSQL() >= 1) codigoPro->SetAsInteger(CodProtocolo());

    TnSQLDataSet &item = *sqlInsertItensPro;
    item.Params(0).SetValue(CodProtocolo());
    item.Params(1).SetValue(1);
    item.Params(2).SetValue(TextoOuNulo(Param(kDescricaoItem).trimmed()));
    item.Params(3).SetValue(hoje);
    for (int i : {4, 5, 6, 7}) item.Params(i).Clear();  // due date, value, tax and its variation
    item.Params(8).SetValue(FTemDocumento ? QVariant(FCodigoDocumento) : QVariant());
    item.Params(9).SetValue(FTemFunc ? QVariant(FCodigoFunc) : QVariant());
    item.Params(10).SetValue(QStringLiteral("0"));
    item.Params(11).Clear();  // no origin key: the item stands for a document, not a source row
    item.Params(12).SetValue(usuario);
    item.Params(13).SetValue(agora);
    item.Params(14).SetValue(1);
    item.Params(15).Clear();  // no competence
    item.ExecSQL();

    conexao->Commit(1);
  } catch (...) {
    try {
      conexao->RollBack(1);
    } catch (...) {
      // The server drops a failed transaction by itself; the first error is
      // the one to report.
    }
    codigoPro->Clear();
    throw;
  }
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPGerarProIndividual>(QStringLiteral("TmVoxDPGerarProIndividual"),
                                                                    QStringLiteral("TmVoxDPGerarProtocoloBase"))};
});
void mVoxDPGerarProIndividual_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPGerarProIndividual_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
