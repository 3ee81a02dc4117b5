#include "nLookupField_U.h"

#include <QSet>
#include <QSqlDriver>
#include <optional>
#include <unordered_map>

#include "nClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nLinhasDataSet_U.h"
#include "nSQLParametros_U.h"
#include "nSchema_U.h"

namespace {
struct TnHashChave {
  size_t operator()(const std::pair<qlonglong, qlonglong> &chave) const noexcept {
    return static_cast<size_t>(chave.first) * 0x9E3779B97F4A7C15ULL ^ static_cast<size_t>(chave.second);
  }
};

// The name last read for the row of a slot, and the version of the rows it
// was read at.
struct TnNomeDaLinha {
  quint64 Versao = 0;
  const QVariant *Nome = nullptr;
};
}  // namespace

struct TnNomesBuscados {
  QHash<QString, QVariant> Nomes;
  // Node-based, so a name keeps its address while the names last: the rows
  // point at theirs.
  std::unordered_map<std::pair<qlonglong, qlonglong>, QVariant, TnHashChave> PorNumeros;
  // By the row's slot, the name of whole-number keys found for it. A grid
  // reading every row of a view finds each row's name here, in the order of
  // the rows, without reading the key. A name serves while the rows keep
  // the version it was read at: after any change to them (a key edited, a
  // row removed, the rows read again) the row's key is read and its name
  // found by the key again.
  std::vector<TnNomeDaLinha> PorLinha;
  // The select, prepared on the connection whose driver it names; a new
  // connection prepares it again.
  std::optional<QSqlQuery> Consulta;
  std::optional<TnSQLParametros> Parametros;
  // Codes found with no row. They are looked for again once the connection
  // has run anything but a select (a save may have registered them), not at
  // every read of a row that names one.
  QSet<QString> Faltas;
  QSet<std::pair<qlonglong, qlonglong>> FaltasPorNumeros;
  quint64 GeracaoFaltas = 0;
  void ConferirFaltas() {
    const quint64 geracao = nDMConexao()->GeracaoEscrita();
    if (geracao == GeracaoFaltas) return;
    Faltas.clear();
    FaltasPorNumeros.clear();
    GeracaoFaltas = geracao;
  }
};

TnLookupField::TnLookupField(TnClientDataSet *dataSet, QString fieldName, int size, QString tabela,
                             QStringList colunasChave, QStringList camposChave, QString resultado)
    : TnStringField(dataSet, std::move(fieldName), size),
      FTabela(std::move(tabela)),
      FColunasChave(std::move(colunasChave)),
      FCamposChave(std::move(camposChave)),
      FResultado(std::move(resultado)),
      FBuscados(std::make_shared<TnNomesBuscados>()) {
  SetReadOnly(true);
  QStringList condicoes;
  for (qsizetype i = 0; i < FColunasChave.size(); ++i)
    condicoes << QStringLiteral("%1 = :k%2").arg(FColunasChave[i]).arg(i);
  FSQL = QStringLiteral("select %1 from %2 where %3").arg(FResultado, FTabela, condicoes.join(QStringLiteral(" and ")));
}

TnLookupField::TnLookupField(const TnLookupField &origem, TnClientDataSet *destino)
    : TnStringField(destino, origem.FieldName(), origem.Size()),
      FTabela(origem.FTabela),
      FColunasChave(origem.FColunasChave),
      FCamposChave(origem.FCamposChave),
      FResultado(origem.FResultado),
      FSQL(origem.FSQL),
      FBuscados(origem.FBuscados) {
  SetReadOnly(true);
}

// A grid makes a cursor at every change of its view: the clone takes the
// select as it is, and the names found.
std::unique_ptr<TnField> TnLookupField::Clonar(TnClientDataSet *destino) const {
  std::unique_ptr<TnLookupField> clone(new TnLookupField(*this, destino));
  CopiarExibicao(*clone);
  return clone;
}

namespace {

// The key value as the column's type takes it, so the comparison is the same
// on every engine (a float field holding 3 still finds the smallint 3).
// Invalid when it cannot be a value of the column: no row can match.
QVariant ValorDaColuna(const TnField &campo, const TnColunaDef *coluna) {
  if (!coluna) return campo.Value();
  switch (coluna->Tipo) {
    case TnTipoColuna::SmallInt:
    case TnTipoColuna::Integer:
    case TnTipoColuna::BigInt: {
      bool ok = false;
      const qlonglong n = campo.AsString().trimmed().toLongLong(&ok);
      return ok ? QVariant(n) : QVariant();
    }
    case TnTipoColuna::VarChar:
    case TnTipoColuna::Char:
    case TnTipoColuna::Memo:
      return campo.AsString();
    case TnTipoColuna::Date:
      return campo.AsDate();
    default:
      return campo.Value();
  }
}

bool Inteira(const TnColunaDef &coluna) {
  return coluna.Tipo == TnTipoColuna::SmallInt || coluna.Tipo == TnTipoColuna::Integer ||
         coluna.Tipo == TnTipoColuna::BigInt;
}

}  // namespace

void TnLookupField::LimparCache() {
  FBuscados->Nomes.clear();
  FBuscados->PorLinha.clear();
  FBuscados->PorNumeros.clear();
  FBuscados->Faltas.clear();
  FBuscados->FaltasPorNumeros.clear();
  FBuscados->Consulta.reset();
}

bool TnLookupField::ResolverChave() const {
  if (!FCamposResolvidos.empty()) return true;
  const TnClientDataSet *dados = DataSet();
  const TnTabelaDef *tabela = TnSchema::Tabela(FTabela);
  std::vector<const TnField *> campos;
  std::vector<const TnColunaDef *> colunas;
  for (qsizetype i = 0; i < FCamposChave.size(); ++i) {
    const TnField *campo = dados->FindField(FCamposChave[i]);
    if (!campo) return false;
    campos.push_back(campo);
    colunas.push_back(tabela ? tabela->Coluna(FColunasChave.value(i)) : nullptr);
  }
  FChaveNumerica = campos.size() <= 2;
  for (const TnColunaDef *coluna : colunas) FChaveNumerica = FChaveNumerica && coluna && Inteira(*coluna);
  FChaveGuardada = true;
  for (const TnField *campo : campos) FChaveGuardada = FChaveGuardada && !campo->Calculado();
  FCamposResolvidos = std::move(campos);
  FColunasResolvidas = std::move(colunas);
  return true;
}

QVariant TnLookupField::Value() const {
  const QVariant *nome = Nome();
  return nome ? *nome : QVariant();
}

// Only names found are kept (never a null one): whether there is one is the
// answer, with no read of the name itself.
bool TnLookupField::IsNull() const { return Nome() == nullptr; }

const QVariant *TnLookupField::Nome() const {
  TnClientDataSet *dados = DataSet();
  if (!dados) return nullptr;
  // A grid reading every row of its view: the row's name as kept for its
  // slot, while the rows have not changed since.
  int slot = -1;
  const QVector<QVariant> *linha = dados->LinhaGuardada(slot);
  if (linha) {
    const std::vector<TnNomeDaLinha> &porLinha = FBuscados->PorLinha;
    if (static_cast<size_t>(slot) < porLinha.size()) {
      // The name of the row the walk reaches next, asked for now, as the
      // dataset asks for that row's values.
      const int adiante = dados->SlotAdiante();
      if (static_cast<size_t>(adiante) < porLinha.size())
        TnLinhasDataSet::Pedir(reinterpret_cast<const char *>(&porLinha[static_cast<size_t>(adiante)]));
      const TnNomeDaLinha &daLinha = porLinha[static_cast<size_t>(slot)];
      if (daLinha.Nome && daLinha.Versao == dados->VersaoDasLinhas()) return daLinha.Nome;
    }
  }
  return NomePelaChave(dados, linha, slot);
}

__attribute__((noinline)) const QVariant *TnLookupField::NomePelaChave(TnClientDataSet *dados,
                                                                      const QVector<QVariant> *linha, int slot) const {
  if (FColunasChave.isEmpty() || (FCamposResolvidos.empty() && !ResolverChave())) return nullptr;
  if (FChaveNumerica) {
    // Every grid redraw reads every shown row's names: whole-number keys
    // are found by their numbers, with no text made.
    static const QtPrivate::QMetaTypeInterface *const inteiro = QMetaType::fromType<qlonglong>().iface();
    qlonglong numeros[2] = {0, 0};
    bool numerica = true;
    if (!FChaveGuardada) {
      linha = nullptr;
      slot = -1;
    }
    for (size_t i = 0; i < FCamposResolvidos.size() && numerica; ++i) {
      const TnField &campo = *FCamposResolvidos[i];
      const int indice = campo.Index();
      if (linha && indice >= 0 && indice < linha->size()) {
        // The type read in place, as the grid reads every row's names.
        const QVariant &guardado = (*linha)[indice];
        numerica = !guardado.data_ptr().is_null &&
                   (guardado.data_ptr().typeInterface() == inteiro || guardado.typeId() == QMetaType::LongLong);
        if (numerica) numeros[i] = *static_cast<const qlonglong *>(guardado.constData());
        continue;
      }
      const QVariant atual = campo.Value();
      numerica = atual.typeId() == QMetaType::LongLong;
      if (numerica) numeros[i] = *static_cast<const qlonglong *>(atual.constData());
    }
    if (numerica) {
      std::vector<TnNomeDaLinha> &porLinha = FBuscados->PorLinha;
      const std::pair<qlonglong, qlonglong> chave(numeros[0], numeros[1]);
      auto achado = FBuscados->PorNumeros.find(chave);
      if (achado == FBuscados->PorNumeros.end()) {
        FBuscados->ConferirFaltas();
        if (FBuscados->FaltasPorNumeros.contains(chave)) return nullptr;
        QVariantList valores;
        for (size_t i = 0; i < FCamposResolvidos.size(); ++i) valores << numeros[i];
        const QVariant nome = Buscar(valores);
        // A code with no row yet is looked for again after a write: it is
        // often the one being typed into a new row, or registered meanwhile.
        if (nome.isNull()) {
          FBuscados->FaltasPorNumeros.insert(chave);
          return nullptr;
        }
        achado = FBuscados->PorNumeros.emplace(chave, nome).first;
      }
      if (slot >= 0) {
        if (static_cast<size_t>(slot) >= porLinha.size()) porLinha.resize(static_cast<size_t>(slot) + 1);
        porLinha[static_cast<size_t>(slot)] = {dados->VersaoDasLinhas(), &achado->second};
      }
      return &achado->second;
    }
  }
  QVariantList valores;
  QString chave;
  for (size_t i = 0; i < FCamposResolvidos.size(); ++i) {
    const TnField &campo = *FCamposResolvidos[i];
    if (campo.IsNull() || campo.AsString().trimmed().isEmpty()) return nullptr;
    const QVariant valor = ValorDaColuna(campo, FColunasResolvidas[i]);
    if (valor.isNull()) return nullptr;
    if (i > 0) chave += QChar(0x1F);
    chave += valor.toString();
    valores << valor;
  }
  auto achado = FBuscados->Nomes.constFind(chave);
  if (achado != FBuscados->Nomes.constEnd()) return &*achado;
  FBuscados->ConferirFaltas();
  if (FBuscados->Faltas.contains(chave)) return nullptr;
  const QVariant nome = Buscar(valores);
  if (nome.isNull()) {
    FBuscados->Faltas.insert(chave);
    return nullptr;
  }
  return &*FBuscados->Nomes.insert(chave, nome);
}

QVariant TnLookupField::Buscar(const QVariantList &valores) const {
  TnDMConexao *conexao = nDMConexao();
  std::optional<QSqlQuery> &consulta = FBuscados->Consulta;
  if (!consulta || !consulta->driver() || consulta->driver() != conexao->Database().driver()) {
    consulta.reset();
    if (!FBuscados->Parametros) FBuscados->Parametros.emplace(FSQL);
    QSqlQuery nova = conexao->NovaQuery();
    conexao->PrepararQuery(nova, *FBuscados->Parametros, FSQL);
    consulta = std::move(nova);
  }
  conexao->ExecutarPreparada(*consulta, *FBuscados->Parametros, valores, FSQL);
  QVariant nome;
  if (consulta->next()) {
    nome = consulta->value(0);
    if (!nome.isNull()) nome = nome.toString();
  }
  consulta->finish();
  return nome;
}
