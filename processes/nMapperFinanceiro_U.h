#pragma once

#include "mvoxpk_export.h"

class TnClientDataSet;
class TnField;

// A typed view of the current row of a financial source of "Gerar
// Protocolo" (service invoices or boletos): what both kinds of document
// have. Each member is the row's column of the name given beside it (any
// case); a member stays null when the rows lack the column. Obtained
// through the dataset (TnClientDataSet::Mapeamento), which owns it and binds
// it again whenever it makes its fields anew.
class MVOXPK_EXPORT TnMapperFinanceiro {
 public:
  virtual ~TnMapperFinanceiro() = default;

  TnField *CodigoEscrit = nullptr;     // CODIGOESCRIT: the office
  TnField *DataEmissao = nullptr;      // DATAEMISSAO
  TnField *DataVcto = nullptr;         // DATAVCTO
  TnField *Valor = nullptr;            // VALOR
  TnField *CodigoProtocolo = nullptr;  // CODIGOPROTOCOLO: the document's protocol
  TnField *CodigoCliente = nullptr;    // CODIGOCLIENTE: the grouping client
  TnField *NomeCliente = nullptr;      // NOMECLIENTE
  TnField *NumeroDocumento = nullptr;  // NUMERODOCUMENTO

  virtual void Mapear(TnClientDataSet &dados);
};
