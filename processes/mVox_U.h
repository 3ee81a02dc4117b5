#pragma once

#include "mvoxpk_export.h"

class TnClientDataSet;
class TnDateField;
class TnDateTimeField;
class TnIntegerField;
class TnLargeIntField;
class TnStringField;

// A typed view of the current row of a generation's proposed protocols (the
// master dataset of the generation screen). Each member is the dataset's
// field of the same name; a member stays null when the dataset lacks the
// field. Obtained through the dataset (TnClientDataSet::Mapeamento<TmVox>),
// which owns it and binds it again whenever it makes its fields anew.
class MVOXPK_EXPORT TmVox {
 public:
  // The proposal number: it joins the items to their protocol and is not the
  // number the save gives.
  TnLargeIntField *CODIGOPROTOCOLO = nullptr;
  TnIntegerField *CODIGOEMPRESA = nullptr;
  TnIntegerField *CODIGOESTAB = nullptr;
  // Code and name, as the grid shows them ("1 - Empresa").
  TnStringField *EMPRESA = nullptr;
  TnStringField *ESTAB = nullptr;
  TnDateField *DATALCTOPRO = nullptr;
  TnIntegerField *TIPOPRO = nullptr;
  TnStringField *OBSERVACAO = nullptr;
  TnDateTimeField *DATAHORACADASTRO = nullptr;
  TnIntegerField *CODIGOUSUARIO = nullptr;
  TnStringField *FORMAENTREGA = nullptr;
  TnStringField *NATUREZAPRO = nullptr;
  TnIntegerField *CANCELADO = nullptr;
  TnIntegerField *ORIGEMDADO = nullptr;
  // 1 while every item of the proposal that may be marked is marked.
  TnIntegerField *TODOSSELECIONADOS = nullptr;

  void Mapear(TnClientDataSet &dados);
  // Whether every member found its field.
  bool Completo() const;
};
