#pragma once

#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

#include "nStringField_U.h"

struct TnColunaDef;
struct TnNomesBuscados;

// A read-only name shown beside a code: the value of one column (or
// expression) of a lookup table, read by the current row's key fields
// ("CODIGOEMPRESA" gives EMPRESA.NOMEEMPRESA). Empty when a key is empty or
// no row of the table matches. Names found are kept per key. A key with no
// row is looked for again once the connection has run anything but a select
// (it is often a code being typed into a new row, or registered meanwhile),
// never at each redraw of the rows that hold it. A field and its
// clones (the grid's cursors) share them, so a grid of a thousand rows of
// three companies reads the table three times however often it is redrawn
// (with one statement, prepared on the first read);
// LimparCache forgets them, for the clones too, after the table changed.
class NFRAMEWORK_EXPORT TnLookupField : public TnStringField {
 public:
  // `colunasChave` are the table's key columns and `camposChave` the
  // dataset's fields that give their values, in the same order.
  TnLookupField(TnClientDataSet *dataSet, QString fieldName, int size, QString tabela, QStringList colunasChave,
                QStringList camposChave, QString resultado);

  bool Calculado() const override { return true; }
  QVariant Value() const override;
  bool IsNull() const override;
  // A clone looks its names up as this field does.
  std::unique_ptr<TnField> Clonar(TnClientDataSet *destino) const override;

  const QString &Tabela() const { return FTabela; }
  const QStringList &ColunasChave() const { return FColunasChave; }
  const QStringList &CamposChave() const { return FCamposChave; }
  const QString &Resultado() const { return FResultado; }
  void LimparCache();

 private:
  // A clone of `origem` for `destino`, sharing the names found.
  TnLookupField(const TnLookupField &origem, TnClientDataSet *destino);
  // The dataset's key fields and the table's key columns, found on the first
  // read (the dataset keeps its fields while this one lives).
  bool ResolverChave() const;
  // The current row's name, where it is kept (valid until the next read of
  // a name not kept yet); null when none.
  const QVariant *Nome() const;
  // Nome from the current row's key: `linha` and `slot` are the stored row
  // and its slot when the row is read in place (null and -1 otherwise).
  // Kept apart, so that a name already kept for the row needs no frame.
  const QVariant *NomePelaChave(TnClientDataSet *dados, const QVector<QVariant> *linha, int slot) const;
  // The name of a key not yet looked up, read from the table.
  QVariant Buscar(const QVariantList &valores) const;

  QString FTabela;
  QStringList FColunasChave;
  QStringList FCamposChave;
  QString FResultado;
  QString FSQL;
  // The names found by key and the select that finds them, prepared once.
  std::shared_ptr<TnNomesBuscados> FBuscados;
  mutable std::vector<const TnField *> FCamposResolvidos;
  mutable std::vector<const TnColunaDef *> FColunasResolvidas;
  // One or two whole-number key columns: the names are kept by the numbers.
  mutable bool FChaveNumerica = false;
  // The key fields are stored ones (not looked up nor calculated): their
  // values are read in place from the dataset's row.
  mutable bool FChaveGuardada = false;
};
