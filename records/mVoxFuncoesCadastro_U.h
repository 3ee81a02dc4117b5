#pragma once

#include <QString>
#include <QStringList>

#include "mvoxpk_export.h"

class TnDMClientDataSet;

// Rules several registers of the module share.

// Stamps the audit columns of the row being saved: who wrote it
// (CODIGOUSUARIO), when (`campoDataHora`, the moment as an SQL timestamp) and
// how (ORIGEMDADO: 3 when the module writes on behalf of another origin, 2
// when typed in a register). Only for a row being inserted or one with
// pending changes; a row saved unchanged keeps its stamps.
MVOXPK_EXPORT void mVoxAuditarRegistro(TnDMClientDataSet &dm,
                                       const QString &campoDataHora = QStringLiteral("DATAHORACADASTRO"));

// The uniqueness rule of a register: refuses the row (plain Exception with
// `mensagem`) when another stored row of `tabela` holds the same values in
// `colunas`, tested only while inserting, or while editing when one of those
// values changed. A text column counts as changed only when it differs from
// its old value ignoring letter case, so changing only the case, or saving
// the row unchanged, is never refused. With `campoCodigo` given, an edited
// row is compared only with rows of another code (so two stored rows that
// already share a description can each be re-saved).
MVOXPK_EXPORT void mVoxChecarDuplicado(TnDMClientDataSet &dm, const QString &tabela, const QString &campoChave,
                                       const QStringList &colunas, const QString &mensagem,
                                       const QString &campoCodigo = QString());
