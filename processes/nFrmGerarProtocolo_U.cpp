#include "nFrmGerarProtocolo_U.h"

#include "nCores_U.h"
#include "nDBGrid_U.h"
#include "nDesenhoCelula_U.h"
#include "nPainel_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kCodigoProtocolo = QStringLiteral("CODIGOPROTOCOLO");

void Definir(TnClientDataSet &dados, const char *nome, const QString &rotulo = QString(), bool visivel = true,
             int largura = 0, const QString &formato = QString(), bool centralizado = false) {
  TnField *campo = dados.FieldByName(QLatin1String(nome));
  if (!rotulo.isEmpty()) campo->SetDisplayLabel(rotulo);
  campo->SetVisible(visivel);
  if (largura > 0) campo->SetDisplayWidth(largura);
  if (!formato.isEmpty()) campo->SetDisplayFormat(formato);
  if (centralizado) campo->SetAlignment(TnAlignment::Center);
}

bool Preenchido(const TnClientDataSet *linha, const char *nome) {
  const TnField *campo = linha ? linha->FindField(QLatin1String(nome)) : nullptr;
  return campo && !campo->IsNull() && !campo->AsString().trimmed().isEmpty();
}

bool Um(const TnClientDataSet *linha, const char *nome) {
  const TnField *campo = linha ? linha->FindField(QLatin1String(nome)) : nullptr;
  return campo && !campo->IsNull() && campo->AsInteger() == 1;
}

}  // namespace

TnFrmGerarProtocolo::TnFrmGerarProtocolo(TnDMPower *processo, QObject *parent) : TnFrmPowerParam(processo, parent) {
  SetCaption(QStringLiteral("Gerar Protocolo"));
  SetWidth(862);
  SetHeight(613);
  // The framework's own grid of a tab process shows the process's dataset,
  // which a generation does not use.
  if (TnDBGridEh *grid = DBGrid()) grid->SetVisible(false);
  CriarCamposMestre();
  CriarCamposDetalhe();
  CriarGrids();
}

TnFrmGerarProtocolo::~TnFrmGerarProtocolo() {
  // The grids are freed with the form's children, after the datasets they
  // watch: they let go of them first.
  if (FDBGridEh) FDBGridEh->SetDataSet(nullptr);
  if (FDBGridEhDet) FDBGridEhDet->SetDataSet(nullptr);
}

QString TnFrmGerarProtocolo::ClassName() const { return NomeClasse; }

bool TnFrmGerarProtocolo::HerdaDe(const QString &nomeClasse) const {
  return nomeClasse.compare(NomeClasse, Qt::CaseInsensitive) == 0 || TnFrmPowerParam::HerdaDe(nomeClasse);
}

void TnFrmGerarProtocolo::CriarCamposMestre() {
  TnClientDataSet &d = FClientDataSet;
  d.SetnLogChanges(false);
  d.AddFieldDef(kCodigoProtocolo, TnFieldType::LargeInt);
  d.AddFieldDef(QStringLiteral("CODIGOEMPRESA"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("CODIGOESTAB"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("EMPRESA"), TnFieldType::String, 200);
  d.AddFieldDef(QStringLiteral("ESTAB"), TnFieldType::String, 200);
  d.AddFieldDef(QStringLiteral("DATALCTOPRO"), TnFieldType::Date);
  d.AddFieldDef(QStringLiteral("TIPOPRO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("OBSERVACAO"), TnFieldType::String, 50);
  d.AddFieldDef(QStringLiteral("DATAHORACADASTRO"), TnFieldType::DateTime);
  d.AddFieldDef(QStringLiteral("CODIGOUSUARIO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("FORMAENTREGA"), TnFieldType::String, 1);
  d.AddFieldDef(QStringLiteral("NATUREZAPRO"), TnFieldType::String, 1);
  d.AddFieldDef(QStringLiteral("CANCELADO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("ORIGEMDADO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("TODOSSELECIONADOS"), TnFieldType::Integer);
  d.CreateDataSet();

  Definir(d, "CODIGOPROTOCOLO", QString(), false);
  Definir(d, "CODIGOEMPRESA", QStringLiteral("Empresa"), false);
  Definir(d, "CODIGOESTAB", QStringLiteral("Filial"), false);
  Definir(d, "EMPRESA", QStringLiteral("Empresa"), true, 40);
  Definir(d, "ESTAB", QStringLiteral("Filial"), true, 40);
  Definir(d, "DATALCTOPRO", QStringLiteral("Data Protocolo"), true, 0, QStringLiteral("DD/MM/YYYY"), true);
  Definir(d, "TIPOPRO", QString(), false);
}

void TnFrmGerarProtocolo::CriarCamposDetalhe() {
  TnClientDataSet &d = FClientDataSetDet;
  d.SetnLogChanges(false);
  d.AddFieldDef(kCodigoProtocolo, TnFieldType::LargeInt);
  d.AddFieldDef(QStringLiteral("SEQITEMPRO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("TIPODEBITO"), TnFieldType::String, 50);
  d.AddFieldDef(QStringLiteral("DESCRITEM"), TnFieldType::String, 200);
  d.AddFieldDef(QStringLiteral("COMPETENCIA"), TnFieldType::Date);
  d.AddFieldDef(QStringLiteral("DATALCTOPRO"), TnFieldType::Date);
  d.AddFieldDef(QStringLiteral("VENCIMENTO"), TnFieldType::Date);
  d.AddFieldDef(QStringLiteral("VALOR"), TnFieldType::FMTBcd, 0, false, 18, 2);
  d.AddFieldDef(QStringLiteral("CODIGOIMPOSTO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("VARIACAOIMPOSTO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("PROTOCOLO"), TnFieldType::LargeInt);
  d.AddFieldDef(QStringLiteral("CODIGODOCEMP"), TnFieldType::LargeInt);
  d.AddFieldDef(QStringLiteral("CODIGOFUNCCONTR"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("CANCELADO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("CHAVEORIGEM"), TnFieldType::String, 25);
  d.AddFieldDef(QStringLiteral("CHAVEDEBITO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("CODIGOUSUARIO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("DATAHORACADASTRO"), TnFieldType::DateTime);
  d.AddFieldDef(QStringLiteral("ORIGEMDADO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("GERAR"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("TABELA"), TnFieldType::String, 50);
  d.AddFieldDef(QStringLiteral("TABELACHAVE"), TnFieldType::String, 50);
  d.AddFieldDef(QStringLiteral("MODULO"), TnFieldType::String, 50);
  // The key of a financial item's document, for the save; never shown.
  d.AddFieldDef(QStringLiteral("CODIGOTIPOPROTOCOLO"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("CODIGOESCRIT"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("SERIENS"), TnFieldType::String, 3);
  d.AddFieldDef(QStringLiteral("NUMERONS"), TnFieldType::Integer);
  d.AddFieldDef(QStringLiteral("NUMERODCTOCR"), TnFieldType::String, 15);
  d.CreateDataSet();

  Definir(d, "CODIGOPROTOCOLO", QString(), false);
  Definir(d, "TIPODEBITO", QStringLiteral("Tipo do Débito"), true, 20);
  Definir(d, "DESCRITEM", QStringLiteral("Descrição"), true, 30);
  Definir(d, "COMPETENCIA", QStringLiteral("Competência"), true, 0, QStringLiteral("MM/YYYY"), true);
  Definir(d, "DATALCTOPRO", QString(), true, 0, QString(), true);
  Definir(d, "VENCIMENTO", QStringLiteral("Vencimento"), true, 0, QString(), true);
  Definir(d, "VALOR", QStringLiteral("Valor R$"), true, 0, QStringLiteral("#,##0.00"));
  Definir(d, "CODIGOIMPOSTO", QStringLiteral("Imposto"));
  Definir(d, "VARIACAOIMPOSTO", QStringLiteral("Variação"));
  Definir(d, "PROTOCOLO", QStringLiteral("Protocolo"));
  Definir(d, "CHAVEORIGEM", QStringLiteral("Módulo"));
  Definir(d, "MODULO", QStringLiteral("Módulo"), true, 25);
}

void TnFrmGerarProtocolo::CriarGrids() {
  // The master grid starts on the parameter page; the process moves it into
  // its tab.
  FDBGridEh = new TnDBGridEh(PaginaParametros(), QStringLiteral("nDBGridEh"));
  FDBGridEh->SetAlign(TnAlinhamento::alClient);
  FDBGridEh->SetDataSet(&FClientDataSet);
  FDBGridEh->CriarColunas(QStringLiteral("EMPRESA;ESTAB;DATALCTOPRO"));
  FDBGridEh->SetReadOnly(true);
  FDBGridEh->SetLinhaInteira(true);
  FDBGridEh->SetAutoAjustarColunas(true);
  FDBGridEh->SetRodapeVisivel(true);
  FDBGridEh->SetTitulosMultilinha(true);
  FDBGridEh->SetRowDetailPanelAtivo(true);
  FDBGridEh->OnDrawColumnCell = [this](TnDBGridEh &sender, TnDesenhoCelula &celula) {
    nDBGridEhDrawColumnCell(sender, celula);
  };
  FDBGridEh->OnRowDetailPanelShow = [this](TnDBGridEh &sender, bool &podeMostrar) {
    nDBGridEhRowDetailPanelShow(sender, podeMostrar);
  };

  FPanel1 = new TnPainel(FDBGridEh->RowDetailPanel(), QStringLiteral("Panel1"));
  FPanel1->SetAlign(TnAlinhamento::alClient);
  FPanel1->SetBorda(false);

  FDBGridEhDet = new TnDBGridEh(FPanel1, QStringLiteral("nDBGridEhDet"));
  FDBGridEhDet->SetAlign(TnAlinhamento::alClient);
  FDBGridEhDet->SetDataSet(&FClientDataSetDet);
  FDBGridEhDet->CriarColunas(QStringLiteral(
      "TIPODEBITO;DESCRITEM;COMPETENCIA;DATALCTOPRO;VENCIMENTO;VALOR;CODIGOIMPOSTO;VARIACAOIMPOSTO;PROTOCOLO;"
      "CODIGODOCEMP;CODIGOFUNCCONTR;CANCELADO;CODIGOUSUARIO;DATAHORACADASTRO;ORIGEMDADO;MODULO"));
  for (const char *oculta : {"DATALCTOPRO", "CODIGODOCEMP", "CODIGOFUNCCONTR", "CANCELADO", "CODIGOUSUARIO",
                             "DATAHORACADASTRO", "ORIGEMDADO"})
    FDBGridEhDet->Coluna(QLatin1String(oculta))->Visible = false;
  FDBGridEhDet->SetReadOnly(true);
  FDBGridEhDet->SetLinhaInteira(true);
  FDBGridEhDet->SetAutoAjustarColunas(true);
  // The footer under the items sums their values.
  FDBGridEhDet->SetCamposSoma({QStringLiteral("VALOR")});
  FDBGridEhDet->SetRodapeVisivel(true);
  FDBGridEhDet->SetFonte(QStringLiteral("Tahoma"), -11);
  FDBGridEhDet->OnDrawColumnCell = [this](TnDBGridEh &sender, TnDesenhoCelula &celula) {
    nDBGridEhDetDrawColumnCell(sender, celula);
  };
}

void TnFrmGerarProtocolo::nDBGridEhDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula) {
  if (FClientDataSet.Active() && !FClientDataSet.IsEmpty()) {
    if (Um(celula.Dados, "TODOSSELECIONADOS")) celula.CorFonte = nCorVerde;
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
  }
  sender.DefaultDrawColumnCell(celula);
}

void TnFrmGerarProtocolo::nDBGridEhDetDrawColumnCell(TnDBGridEh &sender, TnDesenhoCelula &celula) {
  if (FClientDataSetDet.Active() && !FClientDataSetDet.IsEmpty()) {
    if (Um(celula.Dados, "GERAR")) celula.CorFonte = nCorVerde;
    if (celula.Selecionada && celula.GridFocado) celula.CorFonte = nCorBranco;
    if (Preenchido(celula.Dados, "PROTOCOLO")) celula.CorFonte = nCorPrata;
  }
  sender.DefaultDrawColumnCell(celula);
}

void TnFrmGerarProtocolo::nDBGridEhRowDetailPanelShow(TnDBGridEh &, bool &) { FiltrarItensDoMestre(); }

void TnFrmGerarProtocolo::FiltrarItensDoMestre() {
  if (!FClientDataSet.Active() || FClientDataSet.IsEmpty() || !FClientDataSetDet.Active()) return;
  const TnField *codigo = FClientDataSet.FieldByName(kCodigoProtocolo);
  if (codigo->IsNull()) return;
  FClientDataSetDet.SetFiltered(false);
  FClientDataSetDet.SetFilter(kCodigoProtocolo + QStringLiteral(" = ") + codigo->AsString());
  FClientDataSetDet.SetFiltered(true);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade(
    [] {
      TnFrmPowerParam::RegistrarClasse(TnFrmGerarProtocolo::NomeClasse,
                                       [](TnDMPower *processo) { return new TnFrmGerarProtocolo(processo); });
    },
    [] { TnFrmPowerParam::RemoverClasse(TnFrmGerarProtocolo::NomeClasse); });
void nFrmGerarProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void nFrmGerarProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
