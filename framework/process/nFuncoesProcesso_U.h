#pragma once

#include <QString>
#include <functional>

#include "nframework_export.h"

class TnClientDataSet;
class TnField;

// Services of the tab processes that edit a configuration in a grid and save
// it back by replacing the stored rows.

// What a failed replacement puts in front of the error's message.
NFRAMEWORK_EXPORT QString nPrefixoOperacaoCancelada();

// The save by replacement: asks `pergunta` (buttons "Sim" and "Não") and does
// nothing more, answering false, unless the user says "Sim". Then `checar`
// runs with nothing written yet: its error reaches the caller as it is raised
// (the rows stay for the user to correct). Then `gravar` runs inside one
// transaction of the framework connection, normally the delete of the old
// rows and one insert per grid row; the transaction is committed when it
// returns and `mensagemSucesso` is shown (information, "OK"). Any error of
// `gravar` or of the commit rolls the whole transaction back, so the stored
// rows stay as they were, and is raised again with nPrefixoOperacaoCancelada
// in front of its message (a database error stays a database error); a
// silent abort passes unchanged. Answers true once committed. When `dados`
// (the grid's rows) is given, a failure of `gravar` or of the commit puts
// the user back on the row they stood on when they pressed Gravar.
NFRAMEWORK_EXPORT bool nGravarPorSubstituicao(const QString &pergunta, const std::function<void()> &checar,
                                              const std::function<void()> &gravar, const QString &mensagemSucesso,
                                              TnClientDataSet *dados = nullptr);

// The edit button of a code column of a process grid: prepares the lookup
// class `classe` by name (the shared instance), shows only its rows that pass
// `filtro` (empty: all of them), and shows its grid modally. When the user
// chooses a row (OK), the grid's row enters edit, unless it is already being
// edited or inserted, and `campo` takes the chosen row's `campoLookup` as a
// whole number. The lookup's form is freed and its own filter put back
// however the choice ends. False, and nothing done, when the class is not
// available or the user cancels.
NFRAMEWORK_EXPORT bool nEscolherNoLookup(TnField *campo, const QString &classe, const QString &campoLookup,
                                         const QString &filtro = QString());

// Runs `acao` once on every row of `dados`, each made current in turn, in the
// order the rows show when the call starts. An action that changes a sorted
// or filtered column moves its row within the view; visiting the rows by
// what they are, not by their place, neither skips nor repeats one.
NFRAMEWORK_EXPORT void nParaCadaLinha(TnClientDataSet &dados, const std::function<void()> &acao);
