#include "mVoxFraInformacoesDocEmp_U.h"

#include <algorithm>

#include "nClientDataSet_U.h"
#include "nDBGrid_U.h"
#include "nEditorCampo_U.h"

namespace {

// A panel that only holds others: no caption, no border of its own.
TnPainel *Painel(QObject *pai, const QString &nome, TnAlinhamento alinhamento) {
  auto *painel = new TnPainel(pai, nome);
  painel->SetAlign(alinhamento);
  painel->SetBorda(false);
  return painel;
}

// A captioned panel: the blue caption bar over a read-only grid that selects
// whole rows.
TnDBGridEh *PainelComGrid(TnPainel *painel, const QString &titulo, const QString &nomeGrid) {
  auto *barra = new TnPainel(painel, painel->Name() + QStringLiteral("Titulo"));
  barra->SetAlign(TnAlinhamento::alTop);
  barra->SetHeight(TmVoxFraInformacoesDocEmp::kAlturaTitulo);
  barra->SetCaption(titulo);
  barra->SetCorFonte(nCorAzul);
  barra->SetTamanhoFonte(8);
  barra->SetBorda(false);
  auto *grid = new TnDBGridEh(painel, nomeGrid);
  grid->SetAlign(TnAlinhamento::alClient);
  grid->SetReadOnly(true);
  grid->SetLinhaInteira(true);
  grid->SetAutoAjustarColunas(true);
  return grid;
}

}  // namespace

TmVoxFraInformacoesDocEmp::TmVoxFraInformacoesDocEmp(QObject *parent)
    : TnPainel(parent, QStringLiteral("FraInformacoesDocEmp")) {
  SetBorda(false);
  SetWidth(kLarguraProjeto);
  SetHeight(kAlturaProjeto);
  nPanelInfo = Painel(this, QStringLiteral("nPanelInfo"), TnAlinhamento::alTop);
  nPanelInfo->SetHeight(kAlturaInfo);
  for (int i = 0; i < 4; ++i)
    FLinhas[i] = Painel(nPanelInfo, QStringLiteral("nPanelInfoLinha%1").arg(i + 1), TnAlinhamento::alTop);
  nPanelDocs = Painel(this, QStringLiteral("nPanelDocs"), TnAlinhamento::alTop);
  nDBGridDocs = PainelComGrid(nPanelDocs, QStringLiteral(" Documentos"), QStringLiteral("nDBGridDocs"));
  nPanelProt = Painel(this, QStringLiteral("nPanelProt"), TnAlinhamento::alTop);
  nDBGridMovs =
      PainelComGrid(nPanelProt, QStringLiteral(" Movimentações do Documentos"), QStringLiteral("nDBGridMovs"));
  nPanelMovs = Painel(this, QStringLiteral("nPanelMovs"), TnAlinhamento::alClient);
  nDBGridProt = PainelComGrid(nPanelMovs, QStringLiteral(" Protocolos do Documento"), QStringLiteral("nDBGridProt"));
  FrameResize();
}

TmVoxFraInformacoesDocEmp::~TmVoxFraInformacoesDocEmp() = default;

void TmVoxFraInformacoesDocEmp::Ligar(TnClientDataSet *info, TnClientDataSet *docs, TnClientDataSet *movs,
                                      TnClientDataSet *prot) {
  nDBGridDocs->SetDataSet(docs);
  nDBGridMovs->SetDataSet(movs);
  nDBGridProt->SetDataSet(prot);
  FInfo = info;
  if (!info || nDBEditEmp) return;
  auto editor = [&](int linha, const char *campo, const char *nome) {
    auto *ed = new TnEditorCampo(info->FieldByName(QLatin1String(campo)), FLinhas[linha]);
    ed->setObjectName(QLatin1String(nome));
    ed->SetReadOnly(true);
    return ed;
  };
  nDBEditEmp = editor(0, "Empresa", "nDBEditEmp");
  nDBEditEst = editor(1, "Estab", "nDBEditEst");
  nDBEditEnv = editor(2, "Envelope", "nDBEditEnv");
  nDBEditLoc = editor(3, "LocalCaixa", "nDBEditLoc");
  nDBEditPer = editor(3, "Periodo", "nDBEditPer");
}

void TmVoxFraInformacoesDocEmp::FrameResize(QObject *) {
  const int altura = std::max(0, (Height() - kAlturaInfo) / 3);
  nPanelDocs->SetHeight(altura);
  nPanelMovs->SetHeight(altura);
  nPanelProt->SetHeight(altura);
}
