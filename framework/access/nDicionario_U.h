#pragma once

#include <QString>
#include <QStringList>

#include "nDefinicao_U.h"
#include "nField_U.h"
#include "nframework_export.h"

class TnClientDataSet;

// What the field dictionary knows of one key: how a field of that meaning
// is typed, labelled and edited, and how its name is looked up.
struct NFRAMEWORK_EXPORT TnEntradaDicionario {
  TnFieldType Tipo = TnFieldType::Unknown;
  int Tamanho = 0;
  int Precisao = 0;
  int Escala = 0;
  QString Rotulo;
  QString Hint;
  TnTipoControle Controle = TnTipoControle::Padrao;
  int TamanhoMaximo = 0;  // characters the editor accepts (4 for a 4-digit code)
  QStringList NomesValores;
  QString DisplayFormat;
  QString EditMask;
  QString LookupClassName;  // the DC class the editor's button opens
  QString LinkKeyFields;    // "CODIGOEMPRESA;CODIGOESTAB": the field named by the key is the last

  // The name shown beside the code (AddFieldLookup); none without a table.
  QString LookupTabela;
  QStringList LookupChaves;  // the table's key columns, in LinkKeyFields order
  QString LookupResultado;   // the column (or expression) read
  QString LookupCampo;       // the name of the added field ("NomeEmpresa")
  QString LookupRotulo;
  int LookupTamanho = 0;
};

// The process-wide field dictionary: from a key (a column name such as
// CODIGOEMPRESA, or a generic key such as DICDATA) to its entry. The
// framework registers the suite's keys; module libraries add their own with
// Registrar when they load.
//
// Applying an entry to a field (Aplicar, Dicionario) never touches a
// property named in the field definition's own-property list. Otherwise the
// entry's editor settings (control, display format, edit mask) replace the
// field's, while the texts a data module wrote for its field (label, hint,
// value list, link key fields, lookup class, maximum length) are kept when
// present: they are more specific than the key's.
class NFRAMEWORK_EXPORT TnDicionario {
 public:
  // Adds or replaces a key (any letter case).
  static void Registrar(const QString &chave, const TnEntradaDicionario &entrada);
  // Null when the key is unknown.
  static const TnEntradaDicionario *Entrada(const QString &chave);
  static QStringList Chaves();

  // The key of a field: its definition's Dicionario, else its name.
  static QString ChaveDoCampo(const TnField &campo);
  // Applies the field's entry; false when its key is unknown.
  static bool Aplicar(TnField &campo);
  // Applies the dictionary to every field of the dataset that has an entry.
  static void Dicionario(TnClientDataSet &dados);
  // Adds, for every field whose entry looks a name up, a read-only
  // calculated field with that name (NomeEmpresa, NomeEstab, …) after the
  // existing fields, and names it in the field's LookupResultFields. Running
  // it again adds nothing new.
  static void AddFieldLookup(TnClientDataSet &dados);
};

// The call-site names of the two services.
NFRAMEWORK_EXPORT void Dicionario(TnClientDataSet &dados);
NFRAMEWORK_EXPORT void AddFieldLookup(TnClientDataSet &dados);
