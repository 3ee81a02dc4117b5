#pragma once

#include <QObject>
#include <QString>

#include "mvoxpk_export.h"
#include "nPainel_U.h"

class TnClientDataSet;
class TnDBGridEh;
class TnEditorCampo;

// The panel beside the list of box envelopes: the selected envelope's box
// data (company, establishment, envelope, box location, period) as read-only
// editors on top, and under it three captioned, read-only grids: the
// envelope's documents, the selected document's movements and the protocols
// that carried it. It shows whatever its four datasets hold; the process
// chains them, so the grids follow the selection without reading again.
//
// The frame is a panel of the form that the form owns; it does not own its
// datasets, which must outlive it or be unbound (Ligar with nulls).
class MVOXPK_EXPORT TmVoxFraInformacoesDocEmp : public TnPainel {
 public:
  // Design size; the three lower panels share what the top panel leaves.
  static constexpr int kLarguraProjeto = 608;
  static constexpr int kAlturaProjeto = 456;
  static constexpr int kAlturaInfo = 105;
  static constexpr int kAlturaTitulo = 18;

  explicit TmVoxFraInformacoesDocEmp(QObject *parent = nullptr);
  ~TmVoxFraInformacoesDocEmp() override;

  // Binds the frame: `info` (the envelope list, with the text fields Empresa,
  // Estab, Envelope, LocalCaixa and Periodo) feeds the editors, the other
  // three the grids. The editors are made on the first binding.
  void Ligar(TnClientDataSet *info, TnClientDataSet *docs, TnClientDataSet *movs, TnClientDataSet *prot);

  // The frame's resize: each lower panel gets (height - 105) / 3, never less
  // than 0.
  void FrameResize(QObject *sender = nullptr);

  TnPainel *nPanelInfo;
  TnPainel *nPanelDocs;
  TnPainel *nPanelProt;  // holds the movements
  TnPainel *nPanelMovs;  // holds the protocols, filling the rest
  TnDBGridEh *nDBGridDocs;
  TnDBGridEh *nDBGridMovs;
  TnDBGridEh *nDBGridProt;
  TnEditorCampo *nDBEditEmp = nullptr;
  TnEditorCampo *nDBEditEst = nullptr;
  TnEditorCampo *nDBEditEnv = nullptr;
  TnEditorCampo *nDBEditLoc = nullptr;
  TnEditorCampo *nDBEditPer = nullptr;

  TnClientDataSet *nDSInfo() const { return FInfo; }

 private:
  TnClientDataSet *FInfo = nullptr;
  TnPainel *FLinhas[4] = {};
};
