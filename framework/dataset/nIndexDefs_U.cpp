#include "nIndexDefs_U.h"

#include "nException_U.h"

TnIndexDef &TnIndexDefs::Add(const QString &name, const QString &fields, TnOpcoesIndice options,
                             const QString &descFields, const QString &caseInsFields) {
  // Redefining a name replaces the old definition, as a design-time list would.
  for (TnIndexDef &item : FItens) {
    if (item.Name.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
      item = TnIndexDef{name.trimmed(), fields, options, descFields, caseInsFields};
      return item;
    }
  }
  FItens.append(TnIndexDef{name.trimmed(), fields, options, descFields, caseInsFields});
  return FItens.last();
}

const TnIndexDef *TnIndexDefs::FindIndex(const QString &name) const {
  const QString chave = name.trimmed();
  for (const TnIndexDef &item : FItens)
    if (item.Name.compare(chave, Qt::CaseInsensitive) == 0) return &item;
  return nullptr;
}

const TnIndexDef &TnIndexDefs::Find(const QString &name) const {
  if (const TnIndexDef *item = FindIndex(name)) return *item;
  throw Exception(QStringLiteral("Índice '%1' não encontrado.").arg(name));
}
