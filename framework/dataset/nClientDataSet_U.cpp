#include "nClientDataSet_U.h"

#include <QSqlField>
#include <QScopeGuard>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>
#include <limits>
#include <optional>

#include "nCanonizador_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nFiltro_U.h"
#include "nLinhasDataSet_U.h"
#include "nProvedor_U.h"
#include "nSchema_U.h"

namespace {

bool EhEdicao(TnDataSetState estado) { return estado == TnDataSetState::Edit || estado == TnDataSetState::Insert; }

void Disparar(const TnClientDataSet::TnEvento &evento, TnClientDataSet &dados) {
  if (evento) evento(dados);
}

QStringList Nomes(const QString &campos) {
  QStringList nomes;
  for (const QString &parte : campos.split(u';', Qt::SkipEmptyParts)) {
    const QString nome = parte.trimmed();
    if (!nome.isEmpty()) nomes.append(nome);
  }
  return nomes;
}

bool ContemNome(const QStringList &nomes, const QString &nome) { return nomes.contains(nome, Qt::CaseInsensitive); }

bool MesmoValor(const QVariant &a, const QVariant &b) {
  if (a.isNull() || b.isNull()) return a.isNull() == b.isNull();
  return a == b;
}

bool OrdemNatural(const QString &indice) {
  const QString nome = indice.trimmed();
  return nome.isEmpty() || nome.compare(QLatin1String("DEFAULT_ORDER"), Qt::CaseInsensitive) == 0 ||
         nome.compare(QLatin1String("CHANGEINDEX"), Qt::CaseInsensitive) == 0;
}

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

// The definition of a result column: from the table being read when it
// declares the column, else from the schema's name or the driver's type.
// False when only the values can tell (a text column that may hold dates).
bool DefinicaoDaColuna(const QSqlField &campo, const TnTabelaDef *tabela, TnFieldDef &def) {
  // PostgreSQL folds unquoted names to lower case; both engines give the
  // same names this way.
  def.Name = campo.name().toUpper();
  if (const TnColunaDef *declarada = tabela ? tabela->Coluna(def.Name) : nullptr) {
    def.DataType = TipoDaColuna(declarada->Tipo);
    if (declarada->Tipo == TnTipoColuna::VarChar || declarada->Tipo == TnTipoColuna::Char) def.Size = declarada->Tamanho;
    if (declarada->Tipo == TnTipoColuna::Numeric) {
      def.Precision = declarada->Tamanho;
      def.Scale = declarada->Escala;
    }
    def.Required = declarada->Obrigatoria || ContemNome(tabela->ChavePrimaria, def.Name);
    return true;
  }
  if (const auto tipo = TnSchema::TipoColuna(def.Name)) {
    def.DataType = TipoDaColuna(*tipo);
    // Scale comes from any table declaring the column. Text results keep no
    // size: unions and aliases may be longer than any one column.
    if (def.DataType == TnFieldType::FMTBcd) {
      for (const TnTabelaDef &t : TnSchema::Tabelas()) {
        if (const TnColunaDef *c = t.Coluna(def.Name)) {
          def.Precision = c->Tamanho;
          def.Scale = c->Escala;
          break;
        }
      }
    }
    return true;
  }
  switch (campo.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
      def.DataType = TnFieldType::Integer;
      return true;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      def.DataType = TnFieldType::LargeInt;
      return true;
    case QMetaType::Double:
    case QMetaType::Float:
      def.DataType = TnFieldType::FMTBcd;
      return true;
    case QMetaType::QDate:
      def.DataType = TnFieldType::Date;
      return true;
    case QMetaType::QDateTime:
      def.DataType = TnFieldType::DateTime;
      return true;
    case QMetaType::Bool:
      def.DataType = TnFieldType::Boolean;
      return true;
    default:
      def.DataType = TnFieldType::String;
      return false;
  }
}

// Every row of an executed query, `largura` values wide, made canonical as
// they are read when a canonizador is given.
std::vector<QVector<QVariant>> LerLinhas(QSqlQuery &query, int colunas, int largura, TnCanonizador *canonizador) {
  std::vector<QVector<QVariant>> linhas;
  if (query.size() > 0) linhas.reserve(static_cast<size_t>(query.size()));
  while (query.next()) {
    QVector<QVariant> linha(std::max(colunas, largura));
    QVariant *valores = linha.data();
    for (int i = 0; i < colunas; ++i) valores[i] = query.value(i);
    if (canonizador) canonizador->Linha(valores);
    linhas.push_back(std::move(linha));
  }
  return linhas;
}

}  // namespace

template <class F>
void TnClientDataSet::Avisar(F &&aviso) {
  if (FObservadores.empty()) return;
  // An observer may remove itself (or others) while being told.
  const std::vector<TnObservadorDataSet *> observadores = FObservadores;
  for (TnObservadorDataSet *observador : observadores)
    if (std::find(FObservadores.begin(), FObservadores.end(), observador) != FObservadores.end()) aviso(*observador);
}

template <class F>
void TnClientDataSet::Notificar(F &&aviso) {
  if (FControlesDesabilitados > 0) {
    FMudouDesabilitado = true;
    return;
  }
  Avisar(std::forward<F>(aviso));
}

// ---------------------------------------------------------------------------
// Structure

TnClientDataSet::TnClientDataSet() : FProvedor(std::make_unique<TnProvedor>()) {}

TnClientDataSet::~TnClientDataSet() {
  // Views still drawing this dataset drop it now; each is told once, even
  // if one of them lets another go while being told.
  while (!FObservadores.empty()) {
    TnObservadorDataSet *observador = FObservadores.back();
    FObservadores.pop_back();
    observador->DataSetDestruido();
  }
  if (FMestre) {
    auto &irmaos = FMestre->FDetalhes;
    irmaos.erase(std::remove(irmaos.begin(), irmaos.end(), this), irmaos.end());
  }
  for (TnClientDataSet *detalhe : FDetalhes) {
    detalhe->FMestre = nullptr;
    detalhe->FFaixaAtiva = false;
    detalhe->FCamposDetalhe.clear();
    detalhe->InvalidarVisao();
  }
  SoltarLinhas();
}

void TnClientDataSet::AddFieldDef(const QString &name, TnFieldType type, int size, bool required, int precision,
                                  int scale) {
  FFieldDefs.append(TnFieldDef{name, type, size, precision, scale, required});
}

std::unique_ptr<TnField> TnClientDataSet::CriarCampo(const TnFieldDef &def) { return TnField::Criar(this, def); }

void TnClientDataSet::CriarCampos() {
  FLeituraQuery.reset();
  // Fields that already match the definitions stay, with what was set on them
  // (labels, events, the dictionary's settings) and the pointers callers keep.
  bool manter = !FFields.empty() && FFields.size() >= static_cast<size_t>(FFieldDefs.size());
  for (size_t i = 0; manter && i < FFields.size(); ++i) {
    if (i < static_cast<size_t>(FFieldDefs.size())) {
      const TnFieldDef &def = FFieldDefs.at(static_cast<qsizetype>(i));
      manter = FFields[i]->FieldName().compare(def.Name, Qt::CaseInsensitive) == 0 &&
               FFields[i]->DataType() == def.DataType;
    } else {
      manter = FFields[i]->Calculado();  // lookup fields added after creation
    }
  }
  if (!manter) {
    FFields.clear();
    for (const TnFieldDef &def : FFieldDefs) {
      auto campo = CriarCampo(def);
      campo->SetIndex(static_cast<int>(FFields.size()));
      FFields.push_back(std::move(campo));
    }
  }
  CamposMudaram();
}

void TnClientDataSet::CamposMudaram() {
  static std::atomic<quint64> versoes{0};
  FVersaoCampos = ++versoes;
  IndexarNomes();
  for (auto &[tipo, mapeamento] : FMapeamentos) mapeamento.Religar(*this);
}

void TnClientDataSet::IndexarNomes() {
  FIndicePorNome.clear();
  for (size_t i = 0; i < FFields.size(); ++i) {
    const QString chave = FFields[i]->FieldName().trimmed().toUpper();
    if (!FIndicePorNome.contains(chave)) FIndicePorNome.insert(chave, static_cast<int>(i));
  }
}

void TnClientDataSet::NovasLinhas() {
  SoltarLinhas();
  FLinhas = std::make_shared<TnLinhasDataSet>();
  FLinhas->SetLogAtivo(FLogChanges);
  FLinhas->SetLargura(FieldCount());
  FLinhas->Cursores.push_back(this);
  FVersaoLinhas = FLinhas->EnderecoVersao();
}

void TnClientDataSet::SoltarLinhas() {
  FValoresAtuais = nullptr;
  FSlotValores = -1;
  FVersaoLinhas = nullptr;
  if (!FLinhas) return;
  auto &cursores = FLinhas->Cursores;
  cursores.erase(std::remove(cursores.begin(), cursores.end(), this), cursores.end());
  FLinhas.reset();
}

void TnClientDataSet::Carregar(QSqlQuery &query, const TnTabelaDef *tabela, bool mesmaInstrucao) {
  if (mesmaInstrucao && FLeituraQuery && FColunasQuery <= FieldCount()) {
    // The same select again: same columns, same fields, same conversions.
    std::vector<QVector<QVariant>> linhas = LerLinhas(query, FColunasQuery, FieldCount(), FLeituraQuery.get());
    NovasLinhas();
    FLinhas->Carregar(std::move(linhas));
    FState = TnDataSetState::Browse;
    return;
  }
  const QSqlRecord registro = query.record();
  const int colunas = registro.count();
  QList<TnFieldDef> defs;
  QVector<int> pelosValores;
  for (int i = 0; i < colunas; ++i) {
    TnFieldDef def;
    if (!DefinicaoDaColuna(registro.field(i), tabela, def)) pelosValores.append(i);
    defs.append(def);
  }
  std::vector<QVector<QVariant>> linhas;
  if (pelosValores.isEmpty()) {
    // The usual case: every type is known before the rows come.
    FFieldDefs = defs;
    CriarCampos();
    auto canonizador = std::make_unique<TnCanonizador>(FFields, colunas);
    linhas = LerLinhas(query, colunas, FieldCount(), canonizador.get());
    FLeituraQuery = std::move(canonizador);
    FColunasQuery = colunas;
  } else {
    linhas = LerLinhas(query, colunas, 0, nullptr);
    for (const int i : pelosValores) defs[i].DataType = TipoPelosValores(linhas, i);
    FFieldDefs = defs;
    CriarCampos();
    TnCanonizador canonizador(FFields, colunas);
    for (auto &linha : linhas) {
      linha.resize(std::max(colunas, FieldCount()));
      canonizador.Linha(linha.data());
    }
  }
  NovasLinhas();
  FLinhas->Carregar(std::move(linhas));
  FState = TnDataSetState::Browse;
}

void TnClientDataSet::DepoisDeAbrir() {
  try {
    PrepararFiltro();
    PrepararOrdenacao();
    PrepararFaixa();
  } catch (...) {
    Close();
    throw;
  }
  InvalidarVisao();
  Sincronizar();
  Posicionar(0);
  NotificarReinicio();
  if (!ControlsDisabled()) SeguirDetalhes();
}

void TnClientDataSet::CreateDataSet() {
  if (FFieldDefs.isEmpty()) throw Exception(QStringLiteral("O conjunto de dados não tem campos definidos."));
  Close();
  Disparar(BeforeOpen, *this);
  CriarCampos();
  NovasLinhas();
  FEhProvedor = false;
  FState = TnDataSetState::Browse;
  DepoisDeAbrir();
  Disparar(AfterOpen, *this);
}

void TnClientDataSet::CarregarDaQuery(QSqlQuery &query, bool mesmaInstrucao) {
  Close();
  Disparar(BeforeOpen, *this);
  Carregar(query, nullptr, mesmaInstrucao);
  FEhProvedor = false;
  DepoisDeAbrir();
  Disparar(AfterOpen, *this);
}

void TnClientDataSet::Open() {
  if (Active()) return;
  Disparar(BeforeOpen, *this);
  if (!FProvedor->CommandText().trimmed().isEmpty()) {
    QSqlQuery query = FProvedor->Abrir();
    Carregar(query, FProvedor->DefinicaoTabela());
    FEhProvedor = true;
  } else {
    if (FFieldDefs.isEmpty()) throw Exception(QStringLiteral("O conjunto de dados não tem campos definidos."));
    CriarCampos();
    NovasLinhas();
    FEhProvedor = false;
    FState = TnDataSetState::Browse;
  }
  DepoisDeAbrir();
  Disparar(AfterOpen, *this);
}

void TnClientDataSet::Close() {
  if (FState == TnDataSetState::Inactive && !FLinhas) return;
  FBuffer.clear();
  FModificado = false;
  FState = TnDataSetState::Inactive;
  SoltarLinhas();
  LimparVisao();
  FUsaVisao = false;
  FVersaoVisao = 0;
  FPos = FSlot = -1;
  FEof = FBof = true;
  FFiltro.reset();
  NotificarReinicio();
  if (!ControlsDisabled()) SeguirDetalhes();
}

TnField *TnClientDataSet::FindField(const QString &name) const {
  const int i = IndexOfField(name);
  return i < 0 ? nullptr : FFields[static_cast<size_t>(i)].get();
}

int TnClientDataSet::IndexOfField(const QString &name) const {
  return FIndicePorNome.value(name.trimmed().toUpper(), -1);
}

TnField *TnClientDataSet::FieldByName(const QString &name) const {
  TnField *campo = FindField(name);
  if (!campo) throw Exception(QStringLiteral("Campo '%1' não encontrado.").arg(name));
  return campo;
}

TnField *TnClientDataSet::AdicionarCampo(std::unique_ptr<TnField> campo) {
  FLeituraQuery.reset();
  campo->SetIndex(FieldCount());
  TnField *bruto = campo.get();
  FFields.push_back(std::move(campo));
  if (FLinhas && FLinhas->Largura() < FieldCount()) FLinhas->SetLargura(FieldCount());
  if (EhEdicao(FState) && FBuffer.size() < FieldCount()) FBuffer.resize(FieldCount());
  CamposMudaram();
  return bruto;
}

// ---------------------------------------------------------------------------
// The view

const std::vector<int> &TnClientDataSet::Visao() const {
  static const std::vector<int> vazia;
  if (!FLinhas) return vazia;
  Sincronizar();
  return FUsaVisao ? *FVisao : FLinhas->Ordem();
}

void TnClientDataSet::RefazerSincronia() const {
  ReconstruirVisao();
  FVersaoVisao = FLinhas->Versao();
  const std::vector<int> &visao = FUsaVisao ? *FVisao : FLinhas->Ordem();
  const int total = static_cast<int>(visao.size());
  // The current row stays current wherever it went; a row that is gone
  // leaves the cursor at the same position.
  // A row the filter or range now leaves out is in no place of the view: no
  // search through it.
  const bool naVisao = FSlot >= 0 && FLinhas->Viva(FSlot) &&
                       (!FUsaVisao || !(FFiltro || FFaixaAtiva) || Passa(FLinhas->Valores(FSlot)));
  int posicao = naVisao ? PosicaoDoSlot(FSlot) : -1;
  const bool achou = posicao >= 0;
  if (!achou) posicao = FPos;
  if (total == 0) {
    FPos = FSlot = -1;
    FEof = FBof = true;
    return;
  }
  if (posicao >= total) FEof = true;
  FPos = std::clamp(posicao, 0, total - 1);
  FSlot = visao[static_cast<size_t>(FPos)];
  if (FEof && FPos != total - 1) FEof = false;
  if (FBof && FPos != 0) FBof = false;
  if (!achou && posicao < total) FEof = FBof = false;
}

void TnClientDataSet::ReconstruirVisao() const {
  FUsaVisao = FFiltro != nullptr || !FOrdenacao.Vazia() || FFaixaAtiva;
  LimparVisao();
  if (!FUsaVisao) {
    // The capacity stays for the next filter or index: no allocation then.
    return;
  }
  const std::vector<int> &ordem = FLinhas->Ordem();
  std::vector<int> &visao = *FVisao;
  visao.reserve(ordem.size());
  if (FFiltro && !FFaixaAtiva) {
    FFiltro->Selecionar(ordem, *FLinhas, visao);
  } else if (FFiltro || FFaixaAtiva) {
    for (const int slot : ordem)
      if (Passa(FLinhas->Valores(slot))) visao.push_back(slot);
  } else {
    visao = ordem;
  }
  if (!FOrdenacao.Vazia()) FOrdenacao.Ordenar(visao, *FLinhas);
}

bool TnClientDataSet::Passa(const QVector<QVariant> &linha) const {
  if (FFaixaAtiva) {
    for (qsizetype i = 0; i < FCamposDetalhe.size(); ++i) {
      const int campo = FCamposDetalhe[i];
      const QVariant &valor = linha.at(campo);
      const QVariant &mestre = FValoresMestre.at(i);
      if (valor.isNull() || mestre.isNull()) return false;
      if (nCompararValores(valor, mestre, FFields[static_cast<size_t>(campo)]->DataType()) != 0) return false;
    }
  }
  return !FFiltro || FFiltro->Avaliar(linha);
}

void TnClientDataSet::PrepararFiltro() {
  FFiltro.reset();
  if (!FFiltered || FFilter.trimmed().isEmpty() || FFields.empty()) return;
  auto filtro = std::make_unique<TnFiltro>(
      FFilter, [this](const QString &nome) { return FindField(nome); }, FFiltroSemCaixa);
  if (!filtro->Vazio()) FFiltro = std::move(filtro);
}

TnOrdenacao TnClientDataSet::MontarOrdenacao(const QString &campos, const QString &descendentes,
                                             bool todosDescendentes, const QString &semCaixa,
                                             bool todosSemCaixa) const {
  const QStringList desc = Nomes(descendentes);
  const QStringList caixa = Nomes(semCaixa);
  QVector<TnChaveOrdem> chaves;
  for (const QString &nome : Nomes(campos)) {
    const int indice = IndexOfField(nome);
    if (indice < 0) throw Exception(QStringLiteral("Campo '%1' do índice não encontrado.").arg(nome));
    TnChaveOrdem chave;
    chave.Campo = indice;
    chave.Tipo = FFields[static_cast<size_t>(indice)]->DataType();
    chave.Descendente = todosDescendentes || ContemNome(desc, nome);
    chave.SemCaixa = todosSemCaixa || ContemNome(caixa, nome);
    chaves.append(chave);
  }
  return TnOrdenacao(chaves);
}

void TnClientDataSet::PrepararOrdenacao() {
  if (!OrdemNatural(FIndexName)) {
    const TnIndexDef &def = FIndexDefs.Find(FIndexName);
    FOrdenacao = MontarOrdenacao(def.Fields, def.DescFields, def.Options.testFlag(TnOpcaoIndice::Descendente),
                                 def.CaseInsFields, def.Options.testFlag(TnOpcaoIndice::SemDiferenciarCaixa));
  } else {
    FOrdenacao = MontarOrdenacao(FIndexFieldNames, QString(), false, QString(), false);
  }
}

QVector<int> TnClientDataSet::IndicesDosCampos(const QString &campos) const {
  QVector<int> indices;
  for (const QString &nome : Nomes(campos)) {
    const int indice = IndexOfField(nome);
    if (indice < 0) throw Exception(QStringLiteral("Campo '%1' não encontrado.").arg(nome));
    indices.append(indice);
  }
  return indices;
}

void TnClientDataSet::PrepararFaixa() {
  FFaixaAtiva = false;
  FCamposDetalhe.clear();
  FValoresMestre.clear();
  if (!FMestre) return;
  const QVector<int> detalhe = IndicesDosCampos(FDetailFields);
  if (detalhe.isEmpty() || detalhe.size() != Nomes(FMasterFields).size())
    throw Exception(QStringLiteral("Os campos do mestre (%1) e do detalhe (%2) não correspondem.")
                        .arg(FMasterFields, FDetailFields));
  FCamposDetalhe = detalhe;
  FValoresMestre = ValoresDoMestre();
  FFaixaAtiva = true;
}

QVariantList TnClientDataSet::ValoresDoMestre() const {
  QVariantList valores;
  const QStringList nomes = Nomes(FMasterFields);
  const bool semLinha = !FMestre || !FMestre->Active() ||
                        (!EhEdicao(FMestre->State()) && FMestre->RecordCount() == 0);
  for (qsizetype i = 0; i < nomes.size() && i < FCamposDetalhe.size(); ++i) {
    QVariant valor;
    if (!semLinha) {
      const int indice = FMestre->IndexOfField(nomes.at(i));
      if (indice < 0) throw Exception(QStringLiteral("Campo '%1' não encontrado no mestre.").arg(nomes.at(i)));
      valor = FMestre->ValorCampo(indice);
      try {
        valor = FFields[static_cast<size_t>(FCamposDetalhe[i])]->Converter(valor);
      } catch (const Exception &) {
        valor = QVariant();  // a master value no detail row can hold matches none
      }
    }
    valores.append(valor);
  }
  return valores;
}

int TnClientDataSet::PosicaoPorChave(const QVector<QVariant> &valores, int excluir) const {
  // After every row whose key is not greater (the upper bound), in the view
  // without the row at `excluir`.
  const TnLinhasDataSet &linhas = *FLinhas;
  auto naoMaior = [&](int slot) { return FOrdenacao.Comparar(linhas.Valores(slot), valores) <= 0; };
  const std::vector<int> &visao = *FVisao;
  if (excluir < 0) return static_cast<int>(std::partition_point(visao.begin(), visao.end(), naoMaior) - visao.begin());
  const auto meio = visao.begin() + excluir;
  const auto antes = std::partition_point(visao.begin(), meio, naoMaior);
  if (antes != meio) return static_cast<int>(antes - visao.begin());
  const auto depois = std::partition_point(meio + 1, visao.end(), naoMaior);
  return static_cast<int>(depois - visao.begin()) - 1;
}

int TnClientDataSet::PosicaoDoSlot(int slot) const {
  const std::vector<int> &visao = FUsaVisao ? *FVisao : FLinhas->Ordem();
  // A walk over bookmarks taken in view order finds each one beside the
  // row before it: no search, however long the list.
  const int total = static_cast<int>(visao.size());
  for (const int perto : {FPos, FPos + 1, FPos - 1})
    if (perto >= 0 && perto < total && visao[static_cast<size_t>(perto)] == slot) return perto;
  const auto it = std::find(visao.begin(), visao.end(), slot);
  return it == visao.end() ? -1 : static_cast<int>(it - visao.begin());
}

const QVector<QVariant> &TnClientDataSet::Linha(int posicao) const {
  const std::vector<int> &visao = Visao();
  if (posicao < 0 || posicao >= static_cast<int>(visao.size()))
    throw Exception(QStringLiteral("Linha %1 inexistente no conjunto de dados.").arg(posicao));
  return FLinhas->Valores(visao[static_cast<size_t>(posicao)]);
}

void TnClientDataSet::SetFilter(const QString &filtro) {
  if (Active() && FFiltered) {
    // Parsed first: an invalid filter changes nothing.
    std::unique_ptr<TnFiltro> novo;
    if (!filtro.trimmed().isEmpty())
      novo = std::make_unique<TnFiltro>(filtro, [this](const QString &nome) { return FindField(nome); }, FFiltroSemCaixa);
    ChecarModoNavegacao();
    FFilter = filtro;
    FFiltro = novo && !novo->Vazio() ? std::move(novo) : nullptr;
    RefazerVisao();
    First();
    return;
  }
  FFilter = filtro;
}

void TnClientDataSet::SetFiltered(bool filtrado) {
  if (filtrado == FFiltered) return;
  if (!Active()) {
    FFiltered = filtrado;
    return;
  }
  ChecarModoNavegacao();
  const bool antes = FFiltered;
  FFiltered = filtrado;
  try {
    PrepararFiltro();
  } catch (...) {
    FFiltered = antes;
    throw;
  }
  RefazerVisao();
  First();
}

void TnClientDataSet::SetFilterCaseInsensitive(bool semCaixa) {
  if (semCaixa == FFiltroSemCaixa) return;
  FFiltroSemCaixa = semCaixa;
  if (!Active() || !FFiltered) return;
  ChecarModoNavegacao();
  PrepararFiltro();
  RefazerVisao();
  First();
}

void TnClientDataSet::SetIndexFieldNames(const QString &campos) {
  if (!Active()) {
    FIndexFieldNames = campos;
    FIndexName.clear();
    return;
  }
  if (campos == FIndexFieldNames && FIndexName.isEmpty()) return;
  TnOrdenacao ordenacao = MontarOrdenacao(campos, QString(), false, QString(), false);
  ChecarModoNavegacao();
  FIndexFieldNames = campos;
  FIndexName.clear();
  FOrdenacao = std::move(ordenacao);
  RefazerVisao();
}

void TnClientDataSet::SetIndexName(const QString &nome) {
  if (!Active()) {
    FIndexName = nome;
    FIndexFieldNames.clear();
    return;
  }
  const QString antes = FIndexName;
  const QString camposAntes = FIndexFieldNames;
  FIndexName = nome;
  FIndexFieldNames.clear();
  TnOrdenacao anterior = FOrdenacao;
  try {
    PrepararOrdenacao();
    ChecarModoNavegacao();
  } catch (...) {
    FIndexName = antes;
    FIndexFieldNames = camposAntes;
    FOrdenacao = anterior;
    throw;
  }
  RefazerVisao();
}

bool TnClientDataSet::FindKey(const QVariantList &valores) {
  ChecarAtivo();
  if (FOrdenacao.Vazia())
    throw Exception(QStringLiteral("Não há índice para a busca: informe IndexFieldNames ou IndexName."));
  ChecarModoNavegacao();
  QVariantList chave;
  try {
    for (qsizetype i = 0; i < valores.size() && i < FOrdenacao.Tamanho(); ++i)
      chave.append(FFields[static_cast<size_t>(FOrdenacao.Chaves().at(i).Campo)]->Converter(valores.at(i)));
  } catch (const Exception &) {
    return false;  // a value the key field cannot hold is in no row
  }
  const std::vector<int> &visao = Visao();
  const TnLinhasDataSet &linhas = *FLinhas;
  const auto it = std::partition_point(visao.begin(), visao.end(), [&](int slot) {
    return FOrdenacao.CompararComValores(linhas.Valores(slot), chave) < 0;
  });
  if (it == visao.end() || FOrdenacao.CompararComValores(linhas.Valores(*it), chave) != 0) return false;
  Mover(static_cast<int>(it - visao.begin()));
  return true;
}

void TnClientDataSet::FindNearest(const QVariantList &valores) {
  ChecarAtivo();
  if (FOrdenacao.Vazia())
    throw Exception(QStringLiteral("Não há índice para a busca: informe IndexFieldNames ou IndexName."));
  ChecarModoNavegacao();
  QVariantList chave;
  for (qsizetype i = 0; i < valores.size() && i < FOrdenacao.Tamanho(); ++i)
    chave.append(FFields[static_cast<size_t>(FOrdenacao.Chaves().at(i).Campo)]->Converter(valores.at(i)));
  const std::vector<int> &visao = Visao();
  const TnLinhasDataSet &linhas = *FLinhas;
  const auto it = std::partition_point(visao.begin(), visao.end(), [&](int slot) {
    return FOrdenacao.CompararComValores(linhas.Valores(slot), chave, true) < 0;
  });
  Mover(std::min(static_cast<int>(it - visao.begin()), static_cast<int>(visao.size()) - 1));
}

bool TnClientDataSet::Locate(const QString &campos, const QVariant &valor, TnOpcoesLocate opcoes) {
  if (valor.typeId() == QMetaType::QVariantList) return Locate(campos, valor.toList(), opcoes);
  return Locate(campos, QVariantList{valor}, opcoes);
}

bool TnClientDataSet::Locate(const QString &campos, const QVariantList &valores, TnOpcoesLocate opcoes) {
  ChecarAtivo();
  const QVector<int> indices = IndicesDosCampos(campos);
  if (indices.isEmpty() || indices.size() != valores.size())
    throw Exception(QStringLiteral("Locate: informe um valor para cada campo de \"%1\".").arg(campos));
  ChecarModoNavegacao();
  QVector<TnChaveOrdem> chaves;
  QVariantList procurados;
  try {
    for (qsizetype i = 0; i < indices.size(); ++i) {
      const TnField *campo = FFields[static_cast<size_t>(indices[i])].get();
      TnChaveOrdem chave;
      chave.Campo = indices[i];
      chave.Tipo = campo->DataType();
      chave.SemCaixa = opcoes.testFlag(TnOpcaoLocate::SemDiferenciarCaixa);
      chaves.append(chave);
      // A partial text is no whole value of its field: it is not converted.
      const bool parcial = opcoes.testFlag(TnOpcaoLocate::ChaveParcial) && nTipoTexto(chave.Tipo);
      procurados.append(parcial ? QVariant(valores.at(i).toString()) : campo->Converter(valores.at(i)));
    }
  } catch (const Exception &) {
    return false;
  }
  const TnOrdenacao comparacao(chaves);
  const bool parcial = opcoes.testFlag(TnOpcaoLocate::ChaveParcial);
  const std::vector<int> &visao = Visao();
  for (size_t p = 0; p < visao.size(); ++p) {
    const QVector<QVariant> &linha = FLinhas->Valores(visao[p]);
    bool igual = true;
    for (qsizetype i = 0; i < chaves.size() && igual; ++i) {
      const QVariant &valor = linha.at(chaves[i].Campo);
      const QVariant &procurado = procurados.at(i);
      if (valor.isNull() || procurado.isNull()) {
        igual = valor.isNull() && procurado.isNull();
      } else if (parcial && nTipoTexto(chaves[i].Tipo)) {
        igual = valor.toString().startsWith(procurado.toString(),
                                            chaves[i].SemCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive);
      } else {
        igual = nCompararValores(valor, procurado, chaves[i].Tipo, chaves[i].SemCaixa) == 0;
      }
    }
    if (igual) {
      Mover(static_cast<int>(p));
      return true;
    }
  }
  return false;
}

void TnClientDataSet::SetMasterSource(TnClientDataSet *mestre, const QString &masterFields,
                                      const QString &detailFields) {
  for (TnClientDataSet *m = mestre; m; m = m->FMestre)
    if (m == this) throw Exception(QStringLiteral("Um conjunto de dados não pode ser mestre de si mesmo."));
  if (Active()) ChecarModoNavegacao();
  if (FMestre) {
    auto &irmaos = FMestre->FDetalhes;
    irmaos.erase(std::remove(irmaos.begin(), irmaos.end(), this), irmaos.end());
  }
  FMestre = mestre;
  FMasterFields = mestre ? masterFields : QString();
  FDetailFields = mestre ? detailFields : QString();
  if (mestre) mestre->FDetalhes.push_back(this);
  if (!Active()) return;
  PrepararFaixa();
  RefazerVisao();
  First();
}

void TnClientDataSet::CloneCursor(TnClientDataSet *origem, bool reset, bool) {
  if (!origem || origem == this) throw Exception(QStringLiteral("Informe outro conjunto de dados para clonar."));
  origem->ChecarAtivo();
  origem->Sincronizar();
  Close();
  FFieldDefs = origem->FFieldDefs;
  FFields.clear();
  for (int i = 0; i < origem->FieldCount(); ++i) {
    const TnField *fonte = origem->Fields(i);
    auto campo = fonte->Clonar(this);
    campo->SetDisplayLabel(fonte->DisplayLabel());
    campo->SetIndex(i);
    FFields.push_back(std::move(campo));
  }
  // The same names at the same places: the origin's index serves (shared,
  // no copy), and a grid clones its cursor after every change.
  FIndicePorNome = origem->FIndicePorNome;
  for (auto &[tipo, mapeamento] : FMapeamentos) mapeamento.Religar(*this);
  FLinhas = origem->FLinhas;
  FLinhas->Cursores.push_back(this);
  FVersaoLinhas = FLinhas->EnderecoVersao();
  FLogChanges = FLinhas->LogAtivo();
  *FProvedor = *origem->FProvedor;
  FEhProvedor = origem->FEhProvedor;
  if (FMestre) {
    auto &irmaos = FMestre->FDetalhes;
    irmaos.erase(std::remove(irmaos.begin(), irmaos.end(), this), irmaos.end());
    FMestre = nullptr;
  }
  if (!reset) {
    FFilter = origem->FFilter;
    FFiltered = origem->FFiltered;
    FFiltroSemCaixa = origem->FFiltroSemCaixa;
    FIndexFieldNames = origem->FIndexFieldNames;
    FIndexName = origem->FIndexName;
    FIndexDefs = origem->FIndexDefs;
    if (origem->FMestre) {
      FMestre = origem->FMestre;
      FMasterFields = origem->FMasterFields;
      FDetailFields = origem->FDetailFields;
      FMestre->FDetalhes.push_back(this);
    }
  } else {
    FFiltered = false;
    FIndexFieldNames.clear();
    FIndexName.clear();
  }
  FState = TnDataSetState::Browse;
  try {
    PrepararFiltro();
    PrepararOrdenacao();
    PrepararFaixa();
  } catch (...) {
    Close();
    throw;
  }
  if (!reset) {
    FSlot = origem->FSlot;
    FPos = origem->FPos;
    FEof = origem->FEof;
    FBof = origem->FBof;
  }
  InvalidarVisao();
  if (!reset && !origem->FMestre && origem->FVersaoVisao == FLinhas->Versao()) {
    // Same rows, same filter and index, no master range (a master whose
    // controls are disabled may have moved since): the origin's view is this
    // one's, already built (a grid's cursor is cloned after every change).
    FVisao = origem->FVisao;
    FUsaVisao = origem->FUsaVisao;
    FVersaoVisao = origem->FVersaoVisao;
  }
  Sincronizar();
  if (reset) Posicionar(0);
  NotificarReinicio();
}

TnBookmark TnClientDataSet::GetBookmark() const {
  Sincronizar();
  return FSlot;
}

bool TnClientDataSet::BookmarkValid(TnBookmark marca) const {
  if (!FLinhas || marca < 0 || marca > std::numeric_limits<int>::max()) return false;
  Sincronizar();
  return FLinhas->Viva(static_cast<int>(marca)) && PosicaoDoSlot(static_cast<int>(marca)) >= 0;
}

void TnClientDataSet::GotoBookmark(TnBookmark marca) {
  ChecarModoNavegacao();
  if (!BookmarkValid(marca)) throw Exception(QStringLiteral("O registro marcado não existe mais."));
  Mover(PosicaoDoSlot(static_cast<int>(marca)));
}

// ---------------------------------------------------------------------------
// Navigation

void TnClientDataSet::ChecarAtivo() const {
  if (!Active()) throw Exception(QStringLiteral("Operação não permitida: o conjunto de dados está fechado."));
}

void TnClientDataSet::ChecarModoNavegacao() {
  ChecarAtivo();
  // A move now would end the edit being posted into another row. Once the
  // edit is over (observers told of the posted row) moving is harmless.
  if (FPostando && EhEdicao(FState))
    throw Exception(QStringLiteral("Não é permitido mover o registro atual enquanto o registro em edição é gravado."));
  if (!EhEdicao(FState)) return;
  if (FModificado) Post();
  else Cancel();
}

void TnClientDataSet::Posicionar(int posicao) const {
  FSlotAdiante = -1;
  const std::vector<int> &visao = FUsaVisao ? *FVisao : (FLinhas ? FLinhas->Ordem() : *FVisao);
  const int total = static_cast<int>(visao.size());
  if (total == 0) {
    FPos = FSlot = -1;
    FEof = FBof = true;
    return;
  }
  FPos = std::clamp(posicao, 0, total - 1);
  FSlot = visao[static_cast<size_t>(FPos)];
  FEof = FBof = false;
}

void TnClientDataSet::Mover(int posicao) {
  Disparar(BeforeScroll, *this);
  Sincronizar();
  Posicionar(posicao);
  DepoisDeMover();
}

void TnClientDataSet::DepoisDeMover() {
  if (!FObservadores.empty() || FControlesDesabilitados > 0) NotificarMovimento();
  if (!FDetalhes.empty() && !ControlsDisabled()) SeguirDetalhes();
  Disparar(AfterScroll, *this);
}

void TnClientDataSet::First() {
  ChecarModoNavegacao();
  Disparar(BeforeScroll, *this);
  Sincronizar();
  Posicionar(0);
  FBof = true;
  DepoisDeMover();
}

void TnClientDataSet::Last() {
  ChecarModoNavegacao();
  Disparar(BeforeScroll, *this);
  Sincronizar();
  Posicionar(RecordCount() - 1);
  FEof = true;
  DepoisDeMover();
}

namespace {
// How many rows ahead a walk asks for: the memory of several rows comes at
// once, and the rows in between are a few hundred bytes each.
constexpr int kPassosAdiante = 8;
}  // namespace

void TnClientDataSet::Next() { Passo(1); }

void TnClientDataSet::Prior() { Passo(-1); }

void TnClientDataSet::Passo(int sentido) {
  // A grid reads every row of its view through here: browsing, with no
  // handler or observer, a step is a few comparisons.
  if (FState != TnDataSetState::Browse) ChecarModoNavegacao();
  Disparar(BeforeScroll, *this);
  Sincronizar();
  const bool frente = sentido > 0;
  if ((frente ? FEof : FBof) || !FLinhas) return;
  const std::vector<int> &visao = FUsaVisao ? *FVisao : FLinhas->Ordem();
  const int destino = FPos + sentido;
  if (destino < 0 || destino >= static_cast<int>(visao.size())) {
    (frente ? FEof : FBof) = true;
  } else {
    FPos = destino;
    FSlot = visao[static_cast<size_t>(FPos)];
    (frente ? FBof : FEof) = false;
    if (FState == TnDataSetState::Browse) {
      // The values the fields read next (ValorCampo).
      FValoresAtuais = &FLinhas->Valores(FSlot);
      FSlotValores = FSlot;
      FVersaoValores = *FVersaoLinhas;
      // The row the walk reaches some steps on, asked for now: a sorted
      // view goes from one place of memory to another at every step.
      const int adiante = FPos + sentido * kPassosAdiante;
      FSlotAdiante = adiante >= 0 && adiante < static_cast<int>(visao.size()) ? visao[static_cast<size_t>(adiante)] : -1;
      if (FSlotAdiante >= 0) FLinhas->AdiantarLinha(FSlotAdiante);
      // Where the values of the row twice as far on are: by the time the
      // walk asks for them, their address is at hand.
      const int longe = adiante + sentido * kPassosAdiante;
      if (longe >= 0 && longe < static_cast<int>(visao.size()))
        FLinhas->AdiantarLugar(visao[static_cast<size_t>(longe)]);
    }
  }
  DepoisDeMover();
}

bool TnClientDataSet::IsEmpty() const { return Visao().empty() && FState != TnDataSetState::Insert; }

int TnClientDataSet::RecordCount() const { return static_cast<int>(Visao().size()); }

int TnClientDataSet::RecNo() const {
  if (FState == TnDataSetState::Insert) return 0;
  Sincronizar();
  return FPos < 0 ? 0 : FPos + 1;
}

void TnClientDataSet::SetRecNo(int recNo) {
  ChecarModoNavegacao();
  Sincronizar();
  if (recNo == RecNo()) return;
  Mover(recNo - 1);
}

// ---------------------------------------------------------------------------
// Editing

bool TnClientDataSet::Registrar() const { return !FEhProvedor; }

void TnClientDataSet::SairDaEdicao() {
  FBuffer.clear();
  FModificado = false;
  FState = TnDataSetState::Browse;
}

int TnClientDataSet::PosicaoInsercao() const { return FState == TnDataSetState::Insert ? FPosInsercao : -1; }

void TnClientDataSet::IniciarInsercao(bool anexar) {
  ChecarModoNavegacao();
  Disparar(BeforeInsert, *this);
  Disparar(BeforeScroll, *this);
  Sincronizar();
  FBuffer = QVector<QVariant>(std::max(FieldCount(), FLinhas->Largura()));
  if (anexar || FSlot < 0) {
    FSlotInsercao = -1;
    FPosInsercao = RecordCount();
  } else {
    FSlotInsercao = FSlot;
    FPosInsercao = FPos;
  }
  if (FFaixaAtiva) {
    // A new detail row belongs to the master's current row.
    for (qsizetype i = 0; i < FCamposDetalhe.size(); ++i) FBuffer[FCamposDetalhe[i]] = FValoresMestre.at(i);
  }
  FState = TnDataSetState::Insert;
  FModificado = false;
  try {
    for (auto &campo : FFields) campo->AplicarPadrao();
    Notificar([](TnObservadorDataSet &o) { o.EstadoAlterado(); });
    Disparar(OnNewRecord, *this);
  } catch (...) {
    SairDaEdicao();
    Notificar([](TnObservadorDataSet &o) { o.EstadoAlterado(); });
    throw;
  }
  // Defaults and OnNewRecord are no change of the user's: a row nobody
  // touched is dropped, not posted, by the next move.
  FModificado = false;
  if (!ControlsDisabled()) SeguirDetalhes();
  Disparar(AfterInsert, *this);
  Disparar(AfterScroll, *this);
}

void TnClientDataSet::Append() { IniciarInsercao(true); }

void TnClientDataSet::Insert() { IniciarInsercao(false); }

void TnClientDataSet::Edit() {
  ChecarAtivo();
  if (EhEdicao(FState)) return;
  Sincronizar();
  if (FSlot < 0) {
    Insert();
    return;
  }
  Disparar(BeforeEdit, *this);
  Sincronizar();
  if (FSlot < 0) return;
  FBuffer = FLinhas->Valores(FSlot);
  FState = TnDataSetState::Edit;
  FModificado = false;
  Notificar([](TnObservadorDataSet &o) { o.EstadoAlterado(); });
  Disparar(AfterEdit, *this);
}

void TnClientDataSet::ValidarCampos() {
  for (const auto &campo : FFields)
    if (!campo->Calculado()) campo->Validar();
}

void TnClientDataSet::Post() {
  if (!EhEdicao(FState) || FPostando) return;
  {
    FPostando = true;
    const auto fim = qScopeGuard([this] { FPostando = false; });
    Sincronizar();
    const int slot = FSlot;
    Disparar(BeforePost, *this);
    // A handler may have cancelled the edit (Cancel, CancelUpdates).
    if (!EhEdicao(FState)) return;
    ValidarCampos();
    Sincronizar();
    if (FState == TnDataSetState::Edit && (FSlot < 0 || !FLinhas->Viva(FSlot)))
      throw Exception(QStringLiteral("O registro em edição foi excluído."));
    if (FState == TnDataSetState::Edit && FSlot != slot)
      throw Exception(QStringLiteral("Não é permitido mover o registro atual enquanto o registro em edição é gravado."));
    if (FEhProvedor && AfterWritePost) {
      TnTransacao transacao(nDMConexao());
      GravarNoBanco();
      AfterWritePost(*this);
      transacao.Commit();
    } else if (FEhProvedor) {
      GravarNoBanco();
    }
    GravarNaMemoria();
  }
  Disparar(AfterPost, *this);
}

std::vector<int> TnClientDataSet::CamposDaTabela() const {
  const TnTabelaDef *tabela = FProvedor->DefinicaoTabela();
  std::vector<int> campos;
  QStringList nomes;
  for (int i = 0; i < FieldCount(); ++i) {
    const TnField *campo = FFields[static_cast<size_t>(i)].get();
    if (campo->Calculado()) continue;
    if (tabela && !tabela->Coluna(campo->FieldName())) continue;  // a joined column of another table
    if (nomes.contains(campo->FieldName(), Qt::CaseInsensitive)) continue;
    nomes.append(campo->FieldName());
    campos.push_back(i);
  }
  return campos;
}

QVariantList TnClientDataSet::ValoresDaChave(const QStringList &chave, const QVector<QVariant> &linha) const {
  QVariantList valoresChave;
  for (const QString &nome : chave) {
    const int indice = IndexOfField(nome);
    if (indice < 0)
      throw Exception(QStringLiteral("O campo-chave %1 não está no conjunto de dados da tabela %2.").arg(nome, FProvedor->Tabela()));
    valoresChave.append(linha.at(indice));
  }
  return valoresChave;
}

void TnClientDataSet::GravarNoBanco() {
  const bool inserindo = FState == TnDataSetState::Insert;
  const QVector<QVariant> *antigos = inserindo ? nullptr : &FLinhas->Valores(FSlot);
  QStringList colunas;
  QVariantList valores;
  QVariantList originais;
  for (const int i : CamposDaTabela()) {
    if (!inserindo && MesmoValor(FBuffer.at(i), antigos->at(i))) continue;
    colunas.append(FFields[static_cast<size_t>(i)]->FieldName());
    valores.append(FBuffer.at(i));
    if (!inserindo) originais.append(antigos->at(i));
  }
  if (inserindo) {
    FProvedor->Inserir(colunas, valores);
    return;
  }
  if (colunas.isEmpty()) return;
  // Only the row as it was read: a column another user changed since is
  // not silently overwritten.
  const QStringList chave = FProvedor->ChavePrimaria();
  FProvedor->Atualizar(colunas, valores, chave, ValoresDaChave(chave, *antigos), colunas, originais);
}

void TnClientDataSet::GravarNaMemoria() {
  const bool inserindo = FState == TnDataSetState::Insert;
  QVector<QVariant> valores = std::move(FBuffer);
  valores.resize(FLinhas->Largura());
  const bool registrar = Registrar();
  const bool passa = !FUsaVisao || Passa(valores);
  SairDaEdicao();
  Notificar([](TnObservadorDataSet &o) { o.EstadoAlterado(); });
  if (inserindo) {
    const int natural = FSlotInsercao >= 0 ? FLinhas->PosicaoNatural(FSlotInsercao) : -1;
    int posicao = -1;
    if (!FUsaVisao) posicao = natural < 0 ? FLinhas->Quantidade() : natural;
    else if (passa && !FOrdenacao.Vazia()) posicao = PosicaoPorChave(valores, -1);
    else if (passa) posicao = std::clamp(FPosInsercao, 0, static_cast<int>(FVisao->size()));
    if (posicao >= 0) Notificar([posicao](TnObservadorDataSet &o) { o.AntesInserirLinhas(posicao, posicao); });
    const int slot = FLinhas->Incluir(std::move(valores), natural, registrar);
    if (FUsaVisao && posicao >= 0) {
      std::vector<int> &visao = VisaoPropria();
      visao.insert(visao.begin() + posicao, slot);
    }
    FVersaoVisao = FLinhas->Versao();
    if (posicao >= 0) {
      FPos = posicao;
      FSlot = slot;
      FEof = FBof = false;
      Notificar([posicao](TnObservadorDataSet &o) { o.LinhasInseridas(posicao, posicao); });
    } else {
      Posicionar(FPos);  // the row went to no place of this view
    }
  } else {
    const int slot = FSlot;
    const int posicao = FPos;
    const bool chaveMudou = !FOrdenacao.Vazia() && !FOrdenacao.MesmaChave(FLinhas->Valores(slot), valores);
    int nova = posicao;
    if (FUsaVisao) {
      if (!passa) nova = -1;
      else if (chaveMudou) nova = PosicaoPorChave(valores, posicao);
    }
    const bool moveu = nova != posicao;
    if (moveu) Notificar([posicao](TnObservadorDataSet &o) { o.AntesRemoverLinhas(posicao, posicao); });
    FLinhas->Alterar(slot, std::move(valores), registrar);
    if (chaveMudou) FLinhas->RenovarDesempate(slot);
    if (moveu) {
      std::vector<int> &visao = VisaoPropria();
      visao.erase(visao.begin() + posicao);
      Notificar([posicao](TnObservadorDataSet &o) { o.LinhasRemovidas(posicao, posicao); });
      if (nova >= 0) {
        Notificar([nova](TnObservadorDataSet &o) { o.AntesInserirLinhas(nova, nova); });
        std::vector<int> &depois = VisaoPropria();  // an observer may have cloned this cursor
        depois.insert(depois.begin() + nova, slot);
        Notificar([nova](TnObservadorDataSet &o) { o.LinhasInseridas(nova, nova); });
      }
    }
    FVersaoVisao = FLinhas->Versao();
    if (nova >= 0) {
      FPos = nova;
      FSlot = slot;
    } else {
      // The row left the view: the next one is current.
      const bool passouDoFim = posicao >= static_cast<int>(FVisao->size());
      Posicionar(posicao);
      if (passouDoFim && FSlot >= 0) FEof = true;
    }
    if (!moveu) Notificar([posicao](TnObservadorDataSet &o) { o.LinhaAlterada(posicao); });
  }
  AvisarOutrosCursores();
  if (!ControlsDisabled()) SeguirDetalhes();
}

void TnClientDataSet::Cancel() {
  if (!EhEdicao(FState)) return;
  Disparar(BeforeCancel, *this);
  if (!EhEdicao(FState)) return;
  const bool editando = FState == TnDataSetState::Edit;
  const bool mudou = FModificado;
  SairDaEdicao();
  Sincronizar();
  Notificar([](TnObservadorDataSet &o) { o.EstadoAlterado(); });
  if (editando && mudou && FPos >= 0) Notificar([p = FPos](TnObservadorDataSet &o) { o.LinhaAlterada(p); });
  if (!ControlsDisabled()) SeguirDetalhes();
  Disparar(AfterCancel, *this);
}

void TnClientDataSet::Delete() {
  ChecarAtivo();
  if (FState == TnDataSetState::Insert) {
    Cancel();
    return;
  }
  Sincronizar();
  if (FSlot < 0) throw Exception(QStringLiteral("Não há registro para excluir."));
  Disparar(BeforeDelete, *this);
  try {
    std::optional<TnTransacao> transacao;
    if (FEhProvedor && AfterWriteDelete) transacao.emplace(nDMConexao());
    Disparar(BeforeScroll, *this);
    Sincronizar();
    if (FSlot < 0) throw Exception(QStringLiteral("Não há registro para excluir."));
    if (FEhProvedor) {
      // The row as it was read, every column: one another user changed since
      // is not deleted unseen.
      const QStringList chave = FProvedor->ChavePrimaria();
      const QVector<QVariant> &linha = FLinhas->Valores(FSlot);
      QStringList colunas;
      QVariantList originais;
      for (const int i : CamposDaTabela()) {
        colunas.append(FFields[static_cast<size_t>(i)]->FieldName());
        originais.append(linha.at(i));
      }
      FProvedor->Excluir(chave, ValoresDaChave(chave, linha), colunas, originais);
    }
    if (transacao) {
      AfterWriteDelete(*this);
      transacao->Commit();
    }
  } catch (...) {
    Disparar(OnDeleteError, *this);
    throw;
  }
  // The edit of the row, if any, goes with it.
  if (EhEdicao(FState)) {
    SairDaEdicao();
    Notificar([](TnObservadorDataSet &o) { o.EstadoAlterado(); });
  }
  // The row is the one current now, whatever an observer does while told.
  const int posicao = FPos;
  const int slot = FSlot;
  Notificar([posicao](TnObservadorDataSet &o) { o.AntesRemoverLinhas(posicao, posicao); });
  FLinhas->Excluir(slot, Registrar());
  if (FUsaVisao) {
    std::vector<int> &visao = VisaoPropria();
    visao.erase(visao.begin() + posicao);
  }
  FVersaoVisao = FLinhas->Versao();
  const bool eraUltima = posicao >= RecordCount();
  Posicionar(posicao);
  if (eraUltima && FSlot >= 0) FEof = true;  // loops "while not Eof" end here
  Notificar([posicao](TnObservadorDataSet &o) { o.LinhasRemovidas(posicao, posicao); });
  AvisarOutrosCursores();
  if (!ControlsDisabled()) SeguirDetalhes();
  Disparar(AfterDelete, *this);
  Disparar(AfterScroll, *this);
}

void TnClientDataSet::EmptyDataSet() {
  ChecarAtivo();
  if (EhEdicao(FState)) Cancel();
  FLinhas->Limpar();
  DepoisDeMudarDados();
}

void TnClientDataSet::ExcluirLinhas(const std::vector<TnBookmark> &marcas) {
  ChecarModoNavegacao();
  std::vector<int> alvos;
  alvos.reserve(marcas.size());
  for (const TnBookmark marca : marcas)
    if (marca >= 0 && marca <= std::numeric_limits<int>::max()) alvos.push_back(static_cast<int>(marca));
  const quint64 versao = FLinhas->Versao();
  FLinhas->ExcluirVarias(alvos, Registrar());
  if (FLinhas->Versao() != versao) DepoisDeMudarDados();
}

void TnClientDataSet::DepoisDeMudarDados() {
  RefazerVisao();
  AvisarOutrosCursores();
  if (!ControlsDisabled()) SeguirDetalhes();
}

QVariant TnClientDataSet::LerValorCampo(int index) const {
  if (EhEdicao(FState)) return index >= 0 && index < FBuffer.size() ? FBuffer.at(index) : QVariant();
  if (!FLinhas) return {};
  Sincronizar();
  if (FSlot < 0) return {};
  const QVector<QVariant> &linha = FLinhas->Valores(FSlot);
  FValoresAtuais = &linha;
  FSlotValores = FSlot;
  FVersaoValores = FLinhas->Versao();
  return index >= 0 && index < linha.size() ? linha.at(index) : QVariant();
}

void TnClientDataSet::SetValorCampo(int index, const QVariant &valor) {
  if (!EhEdicao(FState)) throw Exception(QStringLiteral("O conjunto de dados não está em edição."));
  if (index < 0 || index >= FBuffer.size())
    throw Exception(QStringLiteral("Campo de índice %1 inexistente no conjunto de dados.").arg(index));
  FBuffer[index] = valor;
  FModificado = true;
  const int linha = FState == TnDataSetState::Insert ? -1 : FPos;
  Notificar([linha](TnObservadorDataSet &o) { o.LinhaAlterada(linha); });
  if (!FDetalhes.empty() && !ControlsDisabled()) SeguirDetalhes();
}

QVariant TnClientDataSet::ValorAntigoCampo(int index) const {
  if (FState == TnDataSetState::Insert || !FLinhas) return {};
  Sincronizar();
  if (FSlot < 0) return {};
  const QVector<QVariant> &linha = FLinhas->Valores(FSlot);
  return index >= 0 && index < linha.size() ? linha.at(index) : QVariant();
}

// ---------------------------------------------------------------------------
// Change log

bool TnClientDataSet::nLogChanges() const { return FLinhas ? FLinhas->LogAtivo() : FLogChanges; }

void TnClientDataSet::SetnLogChanges(bool registrar) {
  FLogChanges = registrar;
  if (FLinhas) FLinhas->SetLogAtivo(registrar);
}

void TnClientDataSet::CancelUpdates() {
  if (EhEdicao(FState)) Cancel();
  if (!FLinhas || FLinhas->TamanhoLog() == 0) return;
  FLinhas->DesfazerAte(0);
  DepoisDeMudarDados();
}

int TnClientDataSet::SetSavePoint() {
  if (!Active()) return 0;
  ChecarModoNavegacao();
  return FLinhas->TamanhoLog();
}

void TnClientDataSet::RestoreSavePoint(int marca) {
  if (EhEdicao(FState)) Cancel();
  if (!FLinhas || marca >= FLinhas->TamanhoLog()) return;
  FLinhas->DesfazerAte(marca);
  DepoisDeMudarDados();
}

void TnClientDataSet::MergeChangeLog() {
  if (FLinhas) FLinhas->LimparLog();
}

int TnClientDataSet::ChangeCount() const { return FLinhas ? FLinhas->TamanhoLog() : 0; }

// ---------------------------------------------------------------------------
// Provider

const QString &TnClientDataSet::CommandText() const { return FProvedor->CommandText(); }

void TnClientDataSet::SetCommandText(const QString &sql) { FProvedor->SetCommandText(sql); }

void TnClientDataSet::SetTabela(const QString &tabela) { FProvedor->SetTabela(tabela); }

QString TnClientDataSet::Tabela() const { return FProvedor->Tabela(); }

void TnClientDataSet::SetChavePrimaria(const QString &campos) { FProvedor->SetChavePrimaria(campos); }

QStringList TnClientDataSet::ChavePrimaria() const { return FProvedor->ChavePrimaria(); }

void TnClientDataSet::SetVerificaSelecao(const QString &nomes) { FProvedor->SetVerificaSelecao(nomes); }

QString TnClientDataSet::VerificaSelecao() const { return FProvedor->VerificaSelecao(); }

void TnClientDataSet::SetCondicaoExtra(const QString &condicao, const QVariantList &valores) {
  FProvedor->SetCondicaoExtra(condicao, valores);
}

void TnClientDataSet::Refresh() {
  ChecarModoNavegacao();
  if (!FEhProvedor) {
    DepoisDeMudarDados();
    return;
  }
  Sincronizar();
  // The current row is found again by its key.
  QVector<int> chave;
  QVariantList valoresChave;
  if (FSlot >= 0) {
    const QVector<QVariant> &linha = FLinhas->Valores(FSlot);
    for (const QString &nome : FProvedor->ChavePrimaria()) {
      const int indice = IndexOfField(nome);
      if (indice < 0) {
        chave.clear();
        break;
      }
      chave.append(indice);
      valoresChave.append(linha.at(indice));
    }
  }
  const int posicaoAntes = FPos;
  QSqlQuery query = FProvedor->Abrir();
  const QSqlRecord registro = query.record();
  bool mesmaEstrutura = registro.count() <= FieldCount();
  for (int i = 0; mesmaEstrutura && i < registro.count(); ++i)
    mesmaEstrutura = registro.fieldName(i).compare(FFields[static_cast<size_t>(i)]->FieldName(), Qt::CaseInsensitive) == 0;
  if (!mesmaEstrutura) {
    Close();
    Carregar(query, FProvedor->DefinicaoTabela());
    FEhProvedor = true;
    DepoisDeAbrir();
    return;
  }
  TnCanonizador canonizador(FFields, registro.count());
  FLinhas->Carregar(LerLinhas(query, registro.count(), FLinhas->Largura(), &canonizador));
  FSlot = -1;
  InvalidarVisao();
  Sincronizar();
  int posicao = -1;
  if (!chave.isEmpty()) {
    const std::vector<int> &visao = Visao();
    for (size_t p = 0; p < visao.size() && posicao < 0; ++p) {
      const QVector<QVariant> &linha = FLinhas->Valores(visao[p]);
      bool igual = true;
      for (qsizetype k = 0; k < chave.size() && igual; ++k) igual = MesmoValor(linha.at(chave[k]), valoresChave.at(k));
      if (igual) posicao = static_cast<int>(p);
    }
  }
  Posicionar(posicao >= 0 ? posicao : std::min(posicaoAntes, RecordCount() - 1));
  NotificarReinicio();
  AvisarOutrosCursores();
  if (!ControlsDisabled()) SeguirDetalhes();
}

// ---------------------------------------------------------------------------
// Masters, clones, controls and observers

void TnClientDataSet::SeguirDetalhes() {
  if (FDetalhes.empty()) return;
  const std::vector<TnClientDataSet *> detalhes = FDetalhes;
  for (TnClientDataSet *detalhe : detalhes) detalhe->MestreMudou();
}

void TnClientDataSet::MestreMudou() {
  if (!Active() || !FMestre || FCamposDetalhe.isEmpty()) return;
  const QVariantList novos = ValoresDoMestre();
  bool iguais = FFaixaAtiva && novos.size() == FValoresMestre.size();
  for (qsizetype i = 0; iguais && i < novos.size(); ++i)
    iguais = MesmoValor(novos.at(i), FValoresMestre.at(i));
  if (iguais) return;
  // A pending detail row belongs to the master row it was begun under.
  ChecarModoNavegacao();
  FValoresMestre = novos;
  FFaixaAtiva = true;
  RefazerVisao();
  First();
}

void TnClientDataSet::AvisarOutrosCursores() {
  if (!FLinhas || FLinhas->Cursores.size() < 2) return;
  const std::vector<TnClientDataSet *> cursores = FLinhas->Cursores;
  for (TnClientDataSet *cursor : cursores)
    if (cursor != this) cursor->MudancaExterna();
}

void TnClientDataSet::MudancaExterna() {
  NotificarReinicio();
  if (!FDetalhes.empty() && !ControlsDisabled()) {
    Sincronizar();
    SeguirDetalhes();
  }
}

void TnClientDataSet::DisableControls() { ++FControlesDesabilitados; }

void TnClientDataSet::EnableControls() {
  if (FControlesDesabilitados == 0) return;
  if (--FControlesDesabilitados > 0) return;
  const bool mudou = FMudouDesabilitado;
  const bool moveu = FMoveuDesabilitado;
  FMudouDesabilitado = FMoveuDesabilitado = false;
  if (mudou) NotificarReinicio();
  else if (moveu) NotificarMovimento();
  SeguirDetalhes();
}

void TnClientDataSet::AdicionarObservador(TnObservadorDataSet *observador) {
  if (observador && std::find(FObservadores.begin(), FObservadores.end(), observador) == FObservadores.end())
    FObservadores.push_back(observador);
}

void TnClientDataSet::RemoverObservador(TnObservadorDataSet *observador) {
  FObservadores.erase(std::remove(FObservadores.begin(), FObservadores.end(), observador), FObservadores.end());
}

void TnClientDataSet::NotificarReinicio() {
  Notificar([](TnObservadorDataSet &o) { o.AntesReiniciar(); });
  Notificar([](TnObservadorDataSet &o) { o.Reiniciado(); });
}

void TnClientDataSet::NotificarMovimento() {
  if (FControlesDesabilitados > 0) {
    FMoveuDesabilitado = true;
    return;
  }
  Avisar([](TnObservadorDataSet &o) { o.CursorMovido(); });
}
