#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVector>
#include <vector>

#include "nField_U.h"
#include "nframework_export.h"

class TnLinhasDataSet;

// Compares two values held in the canonical form of a field type (see
// TnField): negative, zero or positive. A null comes before every value and
// equals another null. Texts compare by character code, without regard to
// case when `semCaixa`; exact decimals compare by value ("1.50" = "1.5").
NFRAMEWORK_EXPORT int nCompararValores(const QVariant &a, const QVariant &b, TnFieldType tipo, bool semCaixa = false);
// Two decimal texts ("-12.50", "3") by value.
NFRAMEWORK_EXPORT int nCompararDecimais(QStringView a, QStringView b);

// One key of an ordering: a field position in the row and how it sorts.
struct NFRAMEWORK_EXPORT TnChaveOrdem {
  int Campo = -1;
  TnFieldType Tipo = TnFieldType::Unknown;
  bool Descendente = false;
  bool SemCaixa = false;
};

// The key order of an index over a dataset's rows.
class NFRAMEWORK_EXPORT TnOrdenacao {
 public:
  TnOrdenacao() = default;
  explicit TnOrdenacao(QVector<TnChaveOrdem> chaves) : FChaves(std::move(chaves)) {}

  bool Vazia() const { return FChaves.isEmpty(); }
  int Tamanho() const { return static_cast<int>(FChaves.size()); }
  const QVector<TnChaveOrdem> &Chaves() const { return FChaves; }

  // Two rows by every key, each in its direction.
  int Comparar(const QVector<QVariant> &a, const QVector<QVariant> &b) const;
  // A row against values for the first keys (already in the keys' canonical
  // forms); with `parcial`, a text key matches any value it starts with.
  int CompararComValores(const QVector<QVariant> &linha, const QVariantList &valores, bool parcial = false) const;
  // Whether two rows have the same values in every key.
  bool MesmaChave(const QVector<QVariant> &a, const QVector<QVariant> &b) const;
  // Sorts slots of `linhas` by the keys, equal keys by the rows' Desempate.
  void Ordenar(std::vector<int> &posicoes, const TnLinhasDataSet &linhas) const;

 private:
  QVector<TnChaveOrdem> FChaves;
};
