#pragma once

#include <QDate>

#include "nframework_export.h"

// The sample office that nCarregarDadosExemplo (nSchema_U.h) loads: one month
// of work, November 2026, of a small accounting office in São Paulo.
//
// Companies and establishments (company 3 is inactive; establishment 2/3 closed
// on 2025-06-30; the active ones are 1/1, 2/1 and 2/2):
//   1 "Organização Contábil Exemplo Ltda"  1/1 the office itself (São Paulo)
//   2 "Padaria Pão Quente Ltda"             2/1 São Paulo, 2/2 Campinas, 2/3 Rio de Janeiro
//   3 "Tecidos Fio de Ouro Ltda"            3/1 Belo Horizonte
// Users 1 "ADMIN" and 2 "MARIA" ("Maria D'Ávila Souza").
//
// Debits: every debit table has rows of November 2026 (launch in November,
// period ending 2026-11-30, due in December), none with a protocol; exactly
// one debit (DEBITOFEDERAL 2/3) has FORMADEBITO 1, which the generation skips.
//
// Payroll of November 2026 (period 11 of companies 1 and 2, paid 2026-12-07),
// event 5020 per establishment: 1/1 6075.55 (two employees), 2/1 3144.17,
// 2/2 2887.32 (employee 2/3 moved from 2/1 to 2/2 on 2026-03-02). Employee 2/2
// was dismissed on 2026-11-20 (5020: 6218.75); employee 2/4 is on vacation
// from 2026-11-09 (5020: 3120.55).
//
// Financial: office 1 (company 1, establishment 1) issued invoices NFS
// 1001-1004 (1004 cancelled, without receivable) and five receivables, four
// of them bank slips (NOSSONUMERO > 0). Client persons 1 and 2 name
// establishments 2/1 and 2/2; person 3 names none.
//
// Protocol configuration: description templates for all twelve protocol
// types; establishments 1/1, 2/1, 2/2 configured with delivery forms 1, 3, 2
// (2/2 delivers at another address, in ESTABENTREGA); document groups 1 (2/1,
// 2/2) and 2 (1/1), whose automatic types due in November give two documents
// per establishment of group 1 and one for group 2. No protocol and no
// company document exists: the processes make them.

// The first day of the sample month (2026-11-01).
NFRAMEWORK_EXPORT QDate nDataReferenciaExemplo();
