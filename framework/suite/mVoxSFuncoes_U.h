#pragma once

#include <QString>
#include <QVariant>

#include "nframework_export.h"

// The suite's protocol functions that the module's registers and processes
// call: what an establishment's protocol configuration says.

// True when the establishment has a protocol configuration (a CFGESTABPRO
// row).
NFRAMEWORK_EXPORT bool ChecarConfiguracaoPro(int empresa, int estab);
// Raises Exception "Filial não configurada no Protocolo." when the
// establishment has no protocol configuration.
NFRAMEWORK_EXPORT void ChecarConfigurarEmpPro(int empresa, int estab);
// The establishment's delivery form as text ("1" withdrawn, "2" handed over,
// "3" over the internet); empty when it has no configuration or no form.
NFRAMEWORK_EXPORT QString PegarFormaEntrega(int empresa, int estab);

// --- Origin keys of protocol items made from tax debits
//
// A debit item's origin key (PROTOCOLOITEM.CHAVEORIGEM, at most 25
// characters) is "D" + the protocol type in two digits + the suffix of the
// debit table's key column + ";" + company + ";" + debit key, for instance
// "D01FED;2;15" for the federal debit 15 of company 2, "D04SIND;1;3" for a
// union debit. The type names the debit table (1 DEBITOFEDERAL, 2
// DEBITOESTADUAL, 3 DEBITOMUNICIPAL, 4 DEBITOSINDICAL, 5 DEBITOGPS, 9
// DEBITOFGTS, 10 DEBITOFOLHA), the suffix its key column (CHAVEDEBITO +
// suffix). Starting with "D", a debit key never takes one of the prefixes
// that mark items with no debit behind them ("FP", "RF", "RE", "00", "FI"),
// so cancelling its item always releases the debit.

// A tax-debit table of the suite: the protocol type it serves, its name, the
// suffix of its key column (CHAVEDEBITO + suffix) and whether it has an
// observation column (OBSERVDEBITO).
struct TnTabelaDebito {
  int Tipo;
  const char *Tabela;
  const char *Sufixo;
  bool Observacao;
};
// The debit table of a protocol type; null for a type with none.
NFRAMEWORK_EXPORT const TnTabelaDebito *TabelaDebitoDoTipo(int tipo);

// The origin key of the debit `chave` of company `empresa` for a protocol of
// type `tipo`. Raises Exception for a type that has no debit table, or for a
// negative company or key.
NFRAMEWORK_EXPORT QString MontarChaveOrigem(int tipo, int empresa, int chave);
// The protocol type an origin key was made for: the type of a debit key, 6
// for a payroll item ("FPA"), the type named by a financial key ("FIN;11;…");
// 0 for an empty key or one of no known form.
NFRAMEWORK_EXPORT int PegarTipo(const QString &chaveOrigem);
// Releases the debit a debit key names: its CODIGOPROTOCOLO becomes null.
// Given `codigoProtocolo`, only while the debit still carries that protocol:
// a debit another user's protocol took since is left alone. True when the
// debit row was found (and is now free of any protocol); false when the key
// names no debit, the debit is gone or belongs to another protocol. Runs in
// the caller's transaction; a database error raises.
NFRAMEWORK_EXPORT bool LimparProDeb(const QString &chaveOrigem, const QVariant &codigoProtocolo = QVariant());

// The table of another module (a debit table, SERVICONOTA, CONTARECEBER) or
// the document movements whose rows still carry the protocol `codigo`;
// empty when none does. A protocol named there cannot go.
NFRAMEWORK_EXPORT QString ProtocoloUsadoEm(qint64 codigo);
