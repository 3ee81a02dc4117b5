#include "nClientDataSet_U.h"

#include <QSqlField>
#include <QSqlRecord>

#include "nException_U.h"
#include "nSchema_U.h"

TnClientDataSet::TnClientDataSet() = default;
TnClientDataSet::~TnClientDataSet() = default;

void TnClientDataSet::AddFieldDef(const QString &name, TnFieldType type, int size, bool required, int precision,
                                  int scale) {
  FFieldDefs.append(TnFieldDef{name, type, size, precision, scale, required});
}

void TnClientDataSet::CriarCampos() {
  FFields.clear();
  for (const TnFieldDef &def : FFieldDefs) {
    auto campo = std::make_unique<TnField>(this, def.Name, def.DataType, def.Size, def.Precision, def.Scale);
    campo->SetRequired(def.Required);
    campo->SetIndex(static_cast<int>(FFields.size()));
    FFields.push_back(std::move(campo));
  }
}

void TnClientDataSet::CreateDataSet() {
  if (FFieldDefs.isEmpty()) throw Exception(QStringLiteral("O conjunto de dados não tem campos definidos."));
  Close();
  CriarCampos();
  FState = TnDataSetState::Browse;
  First();
}

namespace {

TnFieldType TipoDaColuna(TnTipoColuna tipo) {
  switch (tipo) {
    case TnTipoColuna::SmallInt: return TnFieldType::SmallInt;
    case TnTipoColuna::Integer: return TnFieldType::Integer;
    case TnTipoColuna::BigInt: return TnFieldType::LargeInt;
    case TnTipoColuna::Numeric: return TnFieldType::FMTBcd;
    case TnTipoColuna::VarChar: return TnFieldType::String;
    case TnTipoColuna::Char: return TnFieldType::FixedChar;
    case TnTipoColuna::Memo: return TnFieldType::Memo;
    case TnTipoColuna::Date: return TnFieldType::Date;
    case TnTipoColuna::Timestamp: return TnFieldType::DateTime;
  }
  return TnFieldType::String;
}

// The type of a result column whose driver reported only "text" (SQLite
// reports dates and decimals so): dates and date-times are recognised by the
// canonical text of every non-null value.
TnFieldType TipoPelosValores(const std::vector<QVector<QVariant>> &linhas, int coluna) {
  auto digitos = [](const QString &t, qsizetype de, qsizetype ate) {
    for (qsizetype i = de; i < ate; ++i)
      if (!t[i].isDigit()) return false;
    return true;
  };
  auto ehData = [&](const QString &t) {
    return t.size() == 10 && t[4] == u'-' && t[7] == u'-' && digitos(t, 0, 4) && digitos(t, 5, 7) &&
           digitos(t, 8, 10);
  };
  auto ehDataHora = [&](const QString &t) {
    return t.size() >= 16 && ehData(t.left(10)) && (t[10] == u' ' || t[10] == u'T') && digitos(t, 11, 13) &&
           t[13] == u':' && digitos(t, 14, 16);
  };
  bool algum = false;
  bool todasDatas = true;
  bool todasDatasHoras = true;
  for (const auto &linha : linhas) {
    const QVariant &v = linha.at(coluna);
    if (v.isNull()) continue;
    const QString t = v.toString();
    algum = true;
    const bool soData = ehData(t);
    if (!soData) todasDatas = false;
    if (!soData && !ehDataHora(t)) todasDatasHoras = false;
    if (!todasDatas && !todasDatasHoras) break;
  }
  if (!algum) return TnFieldType::String;
  if (todasDatas) return TnFieldType::Date;
  if (todasDatasHoras) return TnFieldType::DateTime;
  return TnFieldType::String;
}

}  // namespace

void TnClientDataSet::CarregarDaQuery(QSqlQuery &query) {
  Close();
  FFieldDefs.clear();
  const QSqlRecord registro = query.record();
  const int colunas = registro.count();
  std::vector<QVector<QVariant>> linhas;
  while (query.next()) {
    QVector<QVariant> linha(colunas);
    for (int i = 0; i < colunas; ++i) linha[i] = query.value(i);
    linhas.push_back(std::move(linha));
  }
  for (int i = 0; i < colunas; ++i) {
    const QSqlField campo = registro.field(i);
    // PostgreSQL folds unquoted names to lower case; both engines give the
    // same names this way.
    const QString nome = campo.name().toUpper();
    TnFieldDef def;
    def.Name = nome;
    if (const auto tipo = TnSchema::TipoColuna(nome)) {
      def.DataType = TipoDaColuna(*tipo);
      // Scale comes from any table declaring the column. Text results keep no
      // size: unions and aliases may be longer than any one column.
      if (def.DataType == TnFieldType::FMTBcd) {
        for (const TnTabelaDef &tabela : TnSchema::Tabelas()) {
          if (const TnColunaDef *c = tabela.Coluna(nome)) {
            def.Precision = c->Tamanho;
            def.Scale = c->Escala;
            break;
          }
        }
      }
    } else {
      switch (campo.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
          def.DataType = TnFieldType::Integer;
          break;
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
          def.DataType = TnFieldType::LargeInt;
          break;
        case QMetaType::Double:
        case QMetaType::Float:
          def.DataType = TnFieldType::FMTBcd;
          break;
        case QMetaType::QDate:
          def.DataType = TnFieldType::Date;
          break;
        case QMetaType::QDateTime:
          def.DataType = TnFieldType::DateTime;
          break;
        case QMetaType::Bool:
          def.DataType = TnFieldType::Boolean;
          break;
        default:
          def.DataType = TipoPelosValores(linhas, i);
          break;
      }
    }
    FFieldDefs.append(def);
  }
  CriarCampos();
  // Values are kept in the fields' canonical forms.
  for (auto &linha : linhas) {
    for (int i = 0; i < colunas; ++i) linha[i] = FFields[static_cast<size_t>(i)]->Converter(linha[i]);
  }
  FRows = std::move(linhas);
  FState = TnDataSetState::Browse;
  First();
}

void TnClientDataSet::Close() {
  FState = TnDataSetState::Inactive;
  FRows.clear();
  FBuffer.clear();
  FCurrent = -1;
  FEof = FBof = true;
}

TnField *TnClientDataSet::FindField(const QString &name) const {
  const int i = IndexOfField(name);
  return i < 0 ? nullptr : FFields[static_cast<size_t>(i)].get();
}

int TnClientDataSet::IndexOfField(const QString &name) const {
  const QString chave = name.trimmed();
  for (size_t i = 0; i < FFields.size(); ++i)
    if (FFields[i]->FieldName().compare(chave, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

TnField *TnClientDataSet::FieldByName(const QString &name) const {
  TnField *campo = FindField(name);
  if (!campo) throw Exception(QStringLiteral("Campo '%1' não encontrado.").arg(name));
  return campo;
}

void TnClientDataSet::ChecarAtivo() const {
  if (!Active()) throw Exception(QStringLiteral("Operação não permitida: o conjunto de dados está fechado."));
}

void TnClientDataSet::Posicionar(int row) {
  const int total = RecordCount();
  if (total == 0) {
    FCurrent = -1;
    FEof = FBof = true;
    return;
  }
  FCurrent = std::clamp(row, 0, total - 1);
  FEof = FBof = false;
}

void TnClientDataSet::First() {
  ChecarAtivo();
  Post();
  Posicionar(0);
}

void TnClientDataSet::Last() {
  ChecarAtivo();
  Post();
  Posicionar(RecordCount() - 1);
}

void TnClientDataSet::Next() {
  ChecarAtivo();
  Post();
  if (FCurrent + 1 >= RecordCount()) {
    FEof = true;
    return;
  }
  ++FCurrent;
  FBof = false;
}

void TnClientDataSet::Prior() {
  ChecarAtivo();
  Post();
  if (FCurrent <= 0) {
    FBof = true;
    return;
  }
  --FCurrent;
  FEof = false;
}

int TnClientDataSet::RecNo() const {
  if (FState == TnDataSetState::Insert) return 0;
  return FCurrent < 0 ? 0 : FCurrent + 1;
}

void TnClientDataSet::SetRecNo(int recNo) {
  ChecarAtivo();
  Post();
  Posicionar(recNo - 1);
}

void TnClientDataSet::Append() {
  ChecarAtivo();
  Post();
  FBuffer = QVector<QVariant>(FieldCount());
  FInsertPos = RecordCount();
  FState = TnDataSetState::Insert;
}

void TnClientDataSet::Insert() {
  ChecarAtivo();
  Post();
  FBuffer = QVector<QVariant>(FieldCount());
  FInsertPos = FCurrent < 0 ? 0 : FCurrent;
  FState = TnDataSetState::Insert;
}

void TnClientDataSet::Edit() {
  ChecarAtivo();
  if (FState != TnDataSetState::Browse) return;
  if (IsEmpty()) {
    Insert();
    return;
  }
  FBuffer = FRows[static_cast<size_t>(FCurrent)];
  FState = TnDataSetState::Edit;
}

void TnClientDataSet::Post() {
  if (FState == TnDataSetState::Insert) {
    FRows.insert(FRows.begin() + FInsertPos, FBuffer);
    FState = TnDataSetState::Browse;
    Posicionar(FInsertPos);
  } else if (FState == TnDataSetState::Edit) {
    FRows[static_cast<size_t>(FCurrent)] = FBuffer;
    FState = TnDataSetState::Browse;
  }
  FBuffer.clear();
}

void TnClientDataSet::Cancel() {
  if (FState != TnDataSetState::Insert && FState != TnDataSetState::Edit) return;
  FState = TnDataSetState::Browse;
  FBuffer.clear();
  if (FCurrent >= RecordCount()) Posicionar(RecordCount() - 1);
}

void TnClientDataSet::Delete() {
  ChecarAtivo();
  if (FState == TnDataSetState::Insert) {
    Cancel();
    return;
  }
  Cancel();
  if (FCurrent < 0) throw Exception(QStringLiteral("Não há registro para excluir."));
  FRows.erase(FRows.begin() + FCurrent);
  if (FRows.empty()) {
    Posicionar(0);
  } else if (FCurrent >= RecordCount()) {
    // Deleting the last row leaves the cursor past the end.
    FCurrent = RecordCount() - 1;
    FEof = true;
  }
}

void TnClientDataSet::EmptyDataSet() {
  ChecarAtivo();
  Cancel();
  FRows.clear();
  Posicionar(0);
}

QVariant TnClientDataSet::ValorCampo(int index) const {
  if (index < 0 || index >= FieldCount()) return {};
  if (FState == TnDataSetState::Insert || FState == TnDataSetState::Edit) return FBuffer.at(index);
  if (FCurrent < 0 || FCurrent >= RecordCount()) return {};
  return FRows[static_cast<size_t>(FCurrent)].at(index);
}

void TnClientDataSet::SetValorCampo(int index, const QVariant &valor) {
  if (FState != TnDataSetState::Insert && FState != TnDataSetState::Edit)
    throw Exception(QStringLiteral("O conjunto de dados não está em edição."));
  FBuffer[index] = valor;
}

QVariant TnClientDataSet::ValorAntigoCampo(int index) const {
  if (index < 0 || index >= FieldCount() || FState == TnDataSetState::Insert) return {};
  if (FCurrent < 0 || FCurrent >= RecordCount()) return {};
  return FRows[static_cast<size_t>(FCurrent)].at(index);
}

TnField *TnClientDataSet::AdicionarCampo(std::unique_ptr<TnField> campo) {
  campo->SetIndex(FieldCount());
  TnField *bruto = campo.get();
  FFields.push_back(std::move(campo));
  for (auto &linha : FRows) linha.append(QVariant());
  if (!FBuffer.isEmpty()) FBuffer.append(QVariant());
  return bruto;
}
