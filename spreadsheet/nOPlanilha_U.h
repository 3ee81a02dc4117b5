#pragma once

// The module's formula functions for the suite's report spreadsheets. The
// library registers them in the spreadsheet's function repository when it
// loads, and they stay there for the life of the process:
//
//   name               token   parameters
//   gerEMP             0x806   2   the report's company, through the sheet's data module
//   gerPAG             0x80B   0   the report's page, through the sheet's data module
//   FORMATARDATAHORA   0x80C   2   a day count formatted as date and time
//   FMTNUM             0x81B   2   a number formatted ("9" in the mask stands for "#")
//   REPT               0x80D   2   a text repeated
//
// Every function gives a text. Whatever fails inside one (a parameter that is
// not a number where a number is due, a value no date can hold, the data
// module's own refusal) leaves the value error (nErroFormulaValor) on the
// result and no text; nothing is raised to the sheet.
//
// Parameters reach a function as the sheet evaluated them: numbers as numbers,
// texts as their text, an empty cell as null. A text where a number is due is
// read as the user types numbers (pt-BR, "1.234,5"); null counts as 0 there
// and as the empty text where a text is due.

#include "mvoxpkdevexpress_export.h"
#include "nPlanilha_U.h"

class TnDMPlanilha;

// gerEMP(company, form): the sheet's data module computes the company text.
// A sheet that no such module owns gives "Emp(" + the company as text + ")".
MVOXPKDEVEXPRESS_EXPORT void gerEMP(TnResultadoFormula &resultado, const TnTokenFormula *token);
// gerPAG(): the sheet's data module computes the page text; "Pag()" when no
// such module owns the sheet.
MVOXPKDEVEXPRESS_EXPORT void gerPAG(TnResultadoFormula &resultado, const TnTokenFormula *token);
// FORMATARDATAHORA(value, format): the day count (whole days since 30/12/1899,
// the fraction being the time of day) formatted with the date-time format
// language; an empty or missing format gives the short date and, when the
// value has a time, the long time. A value outside 01/01/0100 .. 31/12/9999
// is the value error.
MVOXPKDEVEXPRESS_EXPORT void FORMATARDATAHORA(TnResultadoFormula &resultado, const TnTokenFormula *token);
// FMTNUM(value, format): the number formatted with the number format
// language, every "9" of the format read as "#" (quoted text included); an
// empty or missing format gives the general form.
MVOXPKDEVEXPRESS_EXPORT void FMTNUM(TnResultadoFormula &resultado, const TnTokenFormula *token);
// REPT(text, count): the text repeated count times, the count rounded to the
// nearest whole number with halves to the even one; empty when the count is
// missing, 0 or negative. A result longer than a cell holds
// (nMaxTextoCelula characters) is the value error.
MVOXPKDEVEXPRESS_EXPORT void REPT(TnResultadoFormula &resultado, const TnTokenFormula *token);

// The longest text REPT gives.
inline constexpr int nMaxTextoCelula = 32767;

// The data module that owns the sheet of the formula being evaluated: the
// formula's holder, two owner links up. Null when the call has no formula or
// the chain ends before that. Raises Exception, its message ending in
// "PegarDM", when the object reached is of another class.
MVOXPKDEVEXPRESS_EXPORT TnDMPlanilha *PegarDM(const TnResultadoFormula &resultado);

// Adds the five functions to the repository, in the order above. Only the
// first call adds them: the library's initialization may run again when it
// is opened again, and the functions are already there.
MVOXPKDEVEXPRESS_EXPORT void nRegistrarFuncoesPlanilha();
