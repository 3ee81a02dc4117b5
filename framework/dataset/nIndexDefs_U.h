#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include "nframework_export.h"

enum class TnOpcaoIndice {
  Descendente = 0x1,          // every field descending
  SemDiferenciarCaixa = 0x2,  // texts compared without regard to case
};
Q_DECLARE_FLAGS(TnOpcoesIndice, TnOpcaoIndice)
Q_DECLARE_OPERATORS_FOR_FLAGS(TnOpcoesIndice)

// A named index of a client dataset: its fields ("A;B;C") and which of them
// run descending (all with Descendente, or those listed in DescFields).
struct NFRAMEWORK_EXPORT TnIndexDef {
  QString Name;
  QString Fields;
  TnOpcoesIndice Options;
  QString DescFields;
  QString CaseInsFields;
};

// The named indexes of a dataset; names match in any case. Selecting one is
// the dataset's IndexName.
class NFRAMEWORK_EXPORT TnIndexDefs {
 public:
  TnIndexDef &Add(const QString &name, const QString &fields, TnOpcoesIndice options = {},
                  const QString &descFields = QString(), const QString &caseInsFields = QString());
  // Raises Exception naming the index when absent.
  const TnIndexDef &Find(const QString &name) const;
  const TnIndexDef *FindIndex(const QString &name) const;  // null when absent
  void Clear() { FItens.clear(); }
  int Count() const { return static_cast<int>(FItens.size()); }
  const TnIndexDef &Items(int index) const { return FItens.at(index); }

 private:
  QList<TnIndexDef> FItens;
};
