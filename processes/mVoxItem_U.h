#pragma once

#include "mvoxpk_export.h"

class TnClientDataSet;
class TnDateField;
class TnDateTimeField;
class TnFMTBCDField;
class TnIntegerField;
class TnLargeIntField;
class TnStringField;

// A typed view of the current row of a generation's proposed items (the
// detail dataset of the generation screen). Each member is the dataset's
// field of the same name; a member stays null when the dataset lacks the
// field. Obtained through the dataset (TnClientDataSet::Mapeamento<TmVoxItem>),
// which owns it and binds it again whenever it makes its fields anew.
class MVOXPK_EXPORT TmVoxItem {
 public:
  // The proposal number of the item's protocol (TmVox::CODIGOPROTOCOLO).
  TnLargeIntField *CODIGOPROTOCOLO = nullptr;
  // Sequence within the proposal; the save numbers the marked items anew.
  TnIntegerField *SEQITEMPRO = nullptr;
  // Title of the protocol type the item came from.
  TnStringField *TIPODEBITO = nullptr;
  TnStringField *DESCRITEM = nullptr;
  TnDateField *DATALCTOPRO = nullptr;
  TnDateField *VENCIMENTO = nullptr;
  TnFMTBCDField *VALOR = nullptr;
  TnIntegerField *CODIGOIMPOSTO = nullptr;
  TnIntegerField *VARIACAOIMPOSTO = nullptr;
  TnLargeIntField *CODIGODOCEMP = nullptr;
  TnIntegerField *CodigoFuncContr = nullptr;
  TnIntegerField *CANCELADO = nullptr;
  // Origin key written to the protocol item.
  TnStringField *CHAVEORIGEM = nullptr;
  // Key of the source debit row (with TABELA and TABELACHAVE).
  TnIntegerField *CHAVEDEBITO = nullptr;
  TnIntegerField *CODIGOUSUARIO = nullptr;
  TnDateTimeField *DATAHORACADASTRO = nullptr;
  TnIntegerField *ORIGEMDADO = nullptr;
  TnDateField *COMPETENCIA = nullptr;
  // The protocol the source row already belongs to; such an item is never
  // marked.
  TnLargeIntField *PROTOCOLO = nullptr;
  // 1 marked for generation, 0 not.
  TnIntegerField *GERAR = nullptr;
  // The debit table whose row the save stamps, and the suffix of its key
  // column (CHAVEDEBITO + suffix); empty for sources the process links itself.
  TnStringField *TABELA = nullptr;
  TnStringField *TABELACHAVE = nullptr;
  // Origin text of the source row, as the grid shows it.
  TnStringField *MODULO = nullptr;
  // What a financial item's save stamps, never shown: the protocol type
  // (11 an invoice, 12 a boleto; none for other sources), the office, and
  // the invoice's series and number or the receivable's document, exactly
  // as the document's key holds them (the origin key may be cut).
  TnIntegerField *CODIGOTIPOPROTOCOLO = nullptr;
  TnIntegerField *CODIGOESCRIT = nullptr;
  TnStringField *SERIENS = nullptr;
  TnIntegerField *NUMERONS = nullptr;
  TnStringField *NUMERODCTOCR = nullptr;

  void Mapear(TnClientDataSet &dados);
  // Whether every member found its field.
  bool Completo() const;
};
