#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include "nframework_export.h"

// Opens the register `classe` privately (mode "Individual") on one new
// record whose key is given: the fields `campos` take `valores` and are not
// shown, and the form serves that record alone (single entry). The form is
// shown modally; whatever the user does there (save or give up) is that
// register's business. The form and then the module are freed afterwards,
// also when something in between raises. Does nothing when the class is not
// an available register.
NFRAMEWORK_EXPORT void nAbrirCadastroIndividual(const QString &classe, const QStringList &campos,
                                                const QVariantList &valores);
