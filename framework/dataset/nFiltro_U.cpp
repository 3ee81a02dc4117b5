#include "nFiltro_U.h"

#include "nException_U.h"
#include "nField_U.h"
#include "nLinhasDataSet_U.h"
#include "nOrdenacao_U.h"

namespace {

enum class TnOperador { Igual, Diferente, Menor, MenorIgual, Maior, MaiorIgual };

TnOperador Inverso(TnOperador op) {
  switch (op) {
    case TnOperador::Menor: return TnOperador::Maior;
    case TnOperador::MenorIgual: return TnOperador::MaiorIgual;
    case TnOperador::Maior: return TnOperador::Menor;
    case TnOperador::MaiorIgual: return TnOperador::MenorIgual;
    default: return op;
  }
}

bool Aplicar(TnOperador op, int comparacao) {
  switch (op) {
    case TnOperador::Igual: return comparacao == 0;
    case TnOperador::Diferente: return comparacao != 0;
    case TnOperador::Menor: return comparacao < 0;
    case TnOperador::MenorIgual: return comparacao <= 0;
    case TnOperador::Maior: return comparacao > 0;
    case TnOperador::MaiorIgual: return comparacao >= 0;
  }
  return false;
}

struct TnToken {
  enum class TnTipo { Fim, Nome, Numero, Texto, Simbolo };
  TnTipo Tipo = TnTipo::Fim;
  QString Texto;
  int Posicao = 0;
  bool EntreColchetes = false;
};

}  // namespace

struct TnFiltro::TnNo {
  enum class TnTipo { E, Ou, Nao, Comparacao, EhNulo, NaoEhNulo, Constante };
  TnTipo Tipo = TnTipo::Constante;
  std::unique_ptr<TnNo> A;
  std::unique_ptr<TnNo> B;
  bool Constante = false;
  int Campo = -1;
  int CampoDireito = -1;  // the right side is a field, or -1 for Valor
  QVariant Valor;         // the right side, in the canonical form of the left field's type
  TnFieldType TipoCampo = TnFieldType::Unknown;
  TnFieldType TipoDireito = TnFieldType::Unknown;
  int EscalaCampo = 0;
  TnOperador Operador = TnOperador::Igual;
  bool Decimal = false;  // a whole-number field against a fractional number
  bool SemCaixa = false;
  // The usual comparisons (a code, a yes/no text against a constant), set
  // once the node is built: a row value of the constant's own type compares
  // straight, with no call into the variant's type system.
  enum class TnDireta { Nenhuma, Inteiro, Texto };
  TnDireta Direta = TnDireta::Nenhuma;

  bool Avaliar(const QVector<QVariant> &linha) const;
  void PrepararDireta();
  // Avaliar of a direct comparison, inline: the row value of the constant's
  // type compares in place, any other goes through Avaliar.
  bool AvaliarDireta(const QVector<QVariant> &linha) const;
  bool CompararInteiro(const QVariant &esquerdo) const {
    const qlonglong a = *static_cast<const qlonglong *>(esquerdo.constData());
    const qlonglong b = *static_cast<const qlonglong *>(Valor.constData());
    return Aplicar(Operador, a < b ? -1 : (b < a ? 1 : 0));
  }
  bool CompararTexto(const QVariant &esquerdo) const {
    const int r = static_cast<const QString *>(esquerdo.constData())
                      ->compare(*static_cast<const QString *>(Valor.constData()),
                                SemCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return Aplicar(Operador, r < 0 ? -1 : (r > 0 ? 1 : 0));
  }
};

namespace {

// The variant's type and null mark are read in place: the filter runs once
// per row of the dataset, and QVariant::typeId/isNull are calls into the
// library each time.
const QtPrivate::QMetaTypeInterface *Interface(const QVariant &valor) { return valor.data_ptr().typeInterface(); }

const QtPrivate::QMetaTypeInterface *const kInteiro = QMetaType::fromType<qlonglong>().iface();
const QtPrivate::QMetaTypeInterface *const kTexto = QMetaType::fromType<QString>().iface();

// How many rows ahead a scan asks for the values it compares next: enough
// for the fetches to overlap, few enough for the lines to stay until used.
constexpr size_t kAdiante = 32;

}  // namespace

inline bool TnFiltro::TnNo::AvaliarDireta(const QVector<QVariant> &linha) const {
  const QVariant &esquerdo = linha.at(Campo);
  if (!esquerdo.data_ptr().is_null) {
    const QtPrivate::QMetaTypeInterface *tipo = Interface(esquerdo);
    if (Direta == TnDireta::Inteiro && tipo == kInteiro) return CompararInteiro(esquerdo);
    if (Direta == TnDireta::Texto && tipo == kTexto) return CompararTexto(esquerdo);
  }
  return Avaliar(linha);
}

void TnFiltro::TnNo::PrepararDireta() {
  Direta = TnDireta::Nenhuma;
  if (Tipo != TnTipo::Comparacao || CampoDireito >= 0 || Decimal || Valor.isNull()) return;
  if (Valor.typeId() == QMetaType::LongLong && nTipoInteiro(TipoCampo)) Direta = TnDireta::Inteiro;
  if (Valor.typeId() == QMetaType::QString && nTipoTexto(TipoCampo)) Direta = TnDireta::Texto;
}

bool TnFiltro::TnNo::Avaliar(const QVector<QVariant> &linha) const {
  switch (Tipo) {
    case TnTipo::E: return A->Avaliar(linha) && B->Avaliar(linha);
    case TnTipo::Ou: return A->Avaliar(linha) || B->Avaliar(linha);
    case TnTipo::Nao: return !A->Avaliar(linha);
    case TnTipo::Constante: return Constante;
    case TnTipo::EhNulo: return linha.at(Campo).isNull();
    case TnTipo::NaoEhNulo: return !linha.at(Campo).isNull();
    case TnTipo::Comparacao: break;
  }
  const QVariant &esquerdo = linha.at(Campo);
  // Compared here as nCompararValores would.
  if (Direta == TnDireta::Inteiro && !esquerdo.data_ptr().is_null && Interface(esquerdo) == kInteiro)
    return CompararInteiro(esquerdo);
  if (Direta == TnDireta::Texto && !esquerdo.data_ptr().is_null && Interface(esquerdo) == kTexto)
    return CompararTexto(esquerdo);
  if (esquerdo.isNull()) return false;
  if (Decimal) return Aplicar(Operador, nCompararDecimais(QString::number(esquerdo.toLongLong()), Valor.toString()));
  if (CampoDireito < 0) return Aplicar(Operador, nCompararValores(esquerdo, Valor, TipoCampo, SemCaixa));
  QVariant direito = linha.at(CampoDireito);
  if (direito.isNull()) return false;
  if (TipoDireito != TipoCampo) {
    try {
      direito = TnField::ConverterPara(direito, TipoCampo, 0, EscalaCampo, QString());
    } catch (const Exception &) {
      return false;  // values of different kinds are never equal nor ordered
    }
    if (direito.isNull()) return false;
  }
  return Aplicar(Operador, nCompararValores(esquerdo, direito, TipoCampo, SemCaixa));
}

namespace {

class TnAnalisador {
 public:
  TnAnalisador(const QString &texto, const std::function<TnField *(const QString &)> &campo, bool semCaixa)
      : FTexto(texto), FCampo(campo), FSemCaixa(semCaixa) {
    Ler();
  }

  std::unique_ptr<TnFiltro::TnNo> Analisar() {
    if (Atual().Tipo == TnToken::TnTipo::Fim) return nullptr;
    auto raiz = Expressao();
    if (Atual().Tipo != TnToken::TnTipo::Fim) Erro(QStringLiteral("texto inesperado \"%1\"").arg(Atual().Texto), Atual().Posicao);
    return raiz;
  }

 private:
  using TnNo = TnFiltro::TnNo;

  struct TnOperando {
    enum class TnTipo { Campo, Numero, Texto, Nulo };
    TnTipo Tipo = TnTipo::Nulo;
    TnField *Campo = nullptr;
    QString Texto;
  };

  [[noreturn]] void Erro(const QString &motivo, int posicao) const {
    throw Exception(QStringLiteral("Filtro inválido: %1 na posição %2 de \"%3\".").arg(motivo).arg(posicao + 1).arg(FTexto));
  }

  void Ler() {
    const QString &t = FTexto;
    int i = 0;
    const int n = static_cast<int>(t.size());
    while (true) {
      while (i < n && t[i].isSpace()) ++i;
      TnToken token;
      token.Posicao = i;
      if (i >= n) {
        FTokens.append(token);
        return;
      }
      const QChar c = t[i];
      if (c == u'\'') {
        QString valor;
        ++i;
        bool fechado = false;
        while (i < n) {
          if (t[i] == u'\'') {
            if (i + 1 < n && t[i + 1] == u'\'') {
              valor += u'\'';
              i += 2;
              continue;
            }
            ++i;
            fechado = true;
            break;
          }
          valor += t[i++];
        }
        if (!fechado) Erro(QStringLiteral("texto sem aspas de fechamento"), token.Posicao);
        token.Tipo = TnToken::TnTipo::Texto;
        token.Texto = valor;
      } else if (c == u'[') {
        const int fim = static_cast<int>(t.indexOf(u']', i + 1));
        if (fim < 0) Erro(QStringLiteral("nome de campo sem ']'"), token.Posicao);
        token.Tipo = TnToken::TnTipo::Nome;
        token.Texto = t.mid(i + 1, fim - i - 1).trimmed();
        token.EntreColchetes = true;
        i = fim + 1;
      } else if (c.isDigit() || (c == u'.' && i + 1 < n && t[i + 1].isDigit())) {
        const int inicio = i;
        while (i < n && t[i].isDigit()) ++i;
        if (i < n && t[i] == u'.') {
          ++i;
          while (i < n && t[i].isDigit()) ++i;
        }
        token.Tipo = TnToken::TnTipo::Numero;
        token.Texto = t.mid(inicio, i - inicio);
        if (token.Texto.startsWith(u'.')) token.Texto.prepend(u'0');
        if (token.Texto.endsWith(u'.')) token.Texto.chop(1);
      } else if (c.isLetter() || c == u'_') {
        const int inicio = i;
        while (i < n && (t[i].isLetterOrNumber() || t[i] == u'_' || t[i] == u'.')) ++i;
        token.Tipo = TnToken::TnTipo::Nome;
        token.Texto = t.mid(inicio, i - inicio);
      } else {
        static const char *const simbolos[] = {"<>", "<=", ">=", "!=", "=", "<", ">", "(", ")", "-"};
        bool achou = false;
        for (const char *s : simbolos) {
          const QLatin1String simbolo(s);
          if (QStringView(t).mid(i).startsWith(simbolo)) {
            token.Tipo = TnToken::TnTipo::Simbolo;
            token.Texto = simbolo;
            i += static_cast<int>(simbolo.size());
            achou = true;
            break;
          }
        }
        if (!achou) Erro(QStringLiteral("caractere inesperado \"%1\"").arg(c), i);
      }
      FTokens.append(token);
    }
  }

  const TnToken &Atual() const { return FTokens.at(FPosicao); }
  void Avancar() {
    if (FPosicao + 1 < FTokens.size()) ++FPosicao;
  }
  bool EhPalavra(const TnToken &token, const char *palavra) const {
    return token.Tipo == TnToken::TnTipo::Nome && !token.EntreColchetes &&
           token.Texto.compare(QLatin1String(palavra), Qt::CaseInsensitive) == 0;
  }
  bool EhSimbolo(const TnToken &token, const char *simbolo) const {
    return token.Tipo == TnToken::TnTipo::Simbolo && token.Texto == QLatin1String(simbolo);
  }

  static std::unique_ptr<TnNo> Juntar(TnNo::TnTipo tipo, std::unique_ptr<TnNo> a, std::unique_ptr<TnNo> b) {
    auto no = std::make_unique<TnNo>();
    no->Tipo = tipo;
    no->A = std::move(a);
    no->B = std::move(b);
    return no;
  }

  static std::unique_ptr<TnNo> Constante(bool valor) {
    auto no = std::make_unique<TnNo>();
    no->Tipo = TnNo::TnTipo::Constante;
    no->Constante = valor;
    return no;
  }

  std::unique_ptr<TnNo> Expressao() {
    auto no = Termo();
    while (EhPalavra(Atual(), "or")) {
      Avancar();
      no = Juntar(TnNo::TnTipo::Ou, std::move(no), Termo());
    }
    return no;
  }

  std::unique_ptr<TnNo> Termo() {
    auto no = Fator();
    while (EhPalavra(Atual(), "and")) {
      Avancar();
      no = Juntar(TnNo::TnTipo::E, std::move(no), Fator());
    }
    return no;
  }

  std::unique_ptr<TnNo> Fator() {
    if (EhPalavra(Atual(), "not")) {
      Avancar();
      return Juntar(TnNo::TnTipo::Nao, Fator(), nullptr);
    }
    if (EhSimbolo(Atual(), "(")) {
      const int abertura = Atual().Posicao;
      Avancar();
      auto no = Expressao();
      if (!EhSimbolo(Atual(), ")")) Erro(QStringLiteral("falta \")\" para o \"(\" da posição %1").arg(abertura + 1), Atual().Posicao);
      Avancar();
      return no;
    }
    return Comparacao();
  }

  TnOperando Operando() {
    const TnToken token = Atual();
    TnOperando operando;
    switch (token.Tipo) {
      case TnToken::TnTipo::Fim:
        Erro(QStringLiteral("a condição está incompleta"), token.Posicao);
      case TnToken::TnTipo::Texto:
        operando.Tipo = TnOperando::TnTipo::Texto;
        operando.Texto = token.Texto;
        break;
      case TnToken::TnTipo::Numero:
        operando.Tipo = TnOperando::TnTipo::Numero;
        operando.Texto = token.Texto;
        break;
      case TnToken::TnTipo::Simbolo:
        if (token.Texto == QLatin1String("-")) {
          Avancar();
          if (Atual().Tipo != TnToken::TnTipo::Numero) Erro(QStringLiteral("esperava um número após \"-\""), Atual().Posicao);
          operando.Tipo = TnOperando::TnTipo::Numero;
          operando.Texto = u'-' + Atual().Texto;
          break;
        }
        Erro(QStringLiteral("esperava um campo ou um valor em vez de \"%1\"").arg(token.Texto), token.Posicao);
      case TnToken::TnTipo::Nome:
        if (EhPalavra(token, "null")) {
          operando.Tipo = TnOperando::TnTipo::Nulo;
          break;
        }
        if (EhPalavra(token, "and") || EhPalavra(token, "or") || EhPalavra(token, "not") || EhPalavra(token, "is"))
          Erro(QStringLiteral("esperava um campo ou um valor em vez de \"%1\"").arg(token.Texto), token.Posicao);
        operando.Tipo = TnOperando::TnTipo::Campo;
        operando.Campo = FCampo ? FCampo(token.Texto) : nullptr;
        if (!operando.Campo) Erro(QStringLiteral("campo \"%1\" não encontrado").arg(token.Texto), token.Posicao);
        break;
    }
    Avancar();
    return operando;
  }

  std::unique_ptr<TnNo> Comparacao() {
    const int inicio = Atual().Posicao;
    TnOperando esquerdo = Operando();
    if (EhPalavra(Atual(), "is")) {
      Avancar();
      bool negado = false;
      if (EhPalavra(Atual(), "not")) {
        negado = true;
        Avancar();
      }
      if (!EhPalavra(Atual(), "null")) Erro(QStringLiteral("esperava \"null\" após \"is\""), Atual().Posicao);
      Avancar();
      if (esquerdo.Tipo != TnOperando::TnTipo::Campo) return Constante((esquerdo.Tipo == TnOperando::TnTipo::Nulo) != negado);
      auto no = std::make_unique<TnNo>();
      no->Tipo = negado ? TnNo::TnTipo::NaoEhNulo : TnNo::TnTipo::EhNulo;
      no->Campo = esquerdo.Campo->Index();
      return no;
    }
    const TnToken simbolo = Atual();
    TnOperador op;
    if (EhSimbolo(simbolo, "=")) op = TnOperador::Igual;
    else if (EhSimbolo(simbolo, "<>") || EhSimbolo(simbolo, "!=")) op = TnOperador::Diferente;
    else if (EhSimbolo(simbolo, "<")) op = TnOperador::Menor;
    else if (EhSimbolo(simbolo, "<=")) op = TnOperador::MenorIgual;
    else if (EhSimbolo(simbolo, ">")) op = TnOperador::Maior;
    else if (EhSimbolo(simbolo, ">=")) op = TnOperador::MaiorIgual;
    else if (simbolo.Tipo == TnToken::TnTipo::Fim) Erro(QStringLiteral("falta o operador de comparação"), simbolo.Posicao);
    else Erro(QStringLiteral("esperava um operador de comparação em vez de \"%1\"").arg(simbolo.Texto), simbolo.Posicao);
    Avancar();
    TnOperando direito = Operando();
    return Montar(esquerdo, op, direito, inicio);
  }

  std::unique_ptr<TnNo> Montar(TnOperando esquerdo, TnOperador op, TnOperando direito, int posicao) {
    if (esquerdo.Tipo != TnOperando::TnTipo::Campo && direito.Tipo == TnOperando::TnTipo::Campo) {
      std::swap(esquerdo, direito);
      op = Inverso(op);
    }
    if (esquerdo.Tipo == TnOperando::TnTipo::Nulo || direito.Tipo == TnOperando::TnTipo::Nulo) return Constante(false);
    if (esquerdo.Tipo != TnOperando::TnTipo::Campo) {
      // Two literals: numbers by value, otherwise as texts.
      int r = 0;
      if (esquerdo.Tipo == TnOperando::TnTipo::Numero && direito.Tipo == TnOperando::TnTipo::Numero)
        r = nCompararDecimais(esquerdo.Texto, direito.Texto);
      else
        r = nCompararValores(esquerdo.Texto, direito.Texto, TnFieldType::String, FSemCaixa);
      return Constante(Aplicar(op, r));
    }
    auto no = std::make_unique<TnNo>();
    no->Tipo = TnNo::TnTipo::Comparacao;
    no->Operador = op;
    no->SemCaixa = FSemCaixa;
    TnField *campo = esquerdo.Campo;
    no->Campo = campo->Index();
    no->TipoCampo = campo->DataType();
    no->EscalaCampo = campo->Scale();
    if (direito.Tipo == TnOperando::TnTipo::Campo) {
      no->CampoDireito = direito.Campo->Index();
      no->TipoDireito = direito.Campo->DataType();
      return no;
    }
    const TnFieldType tipo = campo->DataType();
    if (direito.Tipo == TnOperando::TnTipo::Numero) {
      const bool fracionario = direito.Texto.contains(u'.');
      if (nTipoTexto(tipo)) {
        no->Valor = direito.Texto;
        return no;
      }
      if (nTipoInteiro(tipo)) {
        if (fracionario) {
          no->Decimal = true;
          no->Valor = direito.Texto;
        } else {
          bool ok = false;
          const qlonglong n = direito.Texto.toLongLong(&ok);
          if (!ok) Erro(QStringLiteral("número \"%1\" fora do intervalo").arg(direito.Texto), posicao);
          no->Valor = n;
        }
        return no;
      }
      if (tipo == TnFieldType::Float) {
        no->Valor = direito.Texto.toDouble();
        return no;
      }
      if (tipo == TnFieldType::FMTBcd) {
        no->Valor = direito.Texto;
        return no;
      }
    }
    try {
      no->Valor = TnField::ConverterPara(direito.Texto, tipo, 0, campo->Scale(), campo->FieldName());
    } catch (const Exception &e) {
      Erro(QStringLiteral("\"%1\" não é um valor do campo %2").arg(direito.Texto, campo->FieldName()), posicao);
    }
    if (no->Valor.isNull()) return Constante(false);  // an empty value compares like null
    return no;
  }

  QString FTexto;
  std::function<TnField *(const QString &)> FCampo;
  bool FSemCaixa;
  QVector<TnToken> FTokens;
  int FPosicao = 0;
};

}  // namespace

TnFiltro::TnFiltro(const QString &texto, const std::function<TnField *(const QString &)> &campo, bool semCaixa)
    : FTexto(texto) {
  TnAnalisador analisador(texto, campo, semCaixa);
  FRaiz = analisador.Analisar();
  const std::function<void(TnNo *)> preparar = [&preparar](TnNo *no) {
    if (!no) return;
    no->PrepararDireta();
    preparar(no->A.get());
    preparar(no->B.get());
  };
  preparar(FRaiz.get());
  // The conditions of an "and" of direct comparisons, left to right as
  // Avaliar takes them.
  const std::function<bool(const TnNo *)> juntar = [&](const TnNo *no) {
    if (no->Tipo == TnNo::TnTipo::E) return juntar(no->A.get()) && juntar(no->B.get());
    if (no->Direta == TnNo::TnDireta::Nenhuma) return false;
    FConjuncao.push_back(no);
    return true;
  };
  if (FRaiz && !juntar(FRaiz.get())) FConjuncao.clear();
}

TnFiltro::~TnFiltro() = default;

bool TnFiltro::Avaliar(const QVector<QVariant> &linha) const { return !FRaiz || FRaiz->Avaliar(linha); }

void TnFiltro::Selecionar(const std::vector<int> &ordem, const TnLinhasDataSet &linhas,
                          std::vector<int> &saida) const {
  if (!FRaiz) {
    saida.insert(saida.end(), ordem.begin(), ordem.end());
    return;
  }
  // The first condition's value of a row some steps ahead is asked for
  // while this one is compared (see TnLinhasDataSet::Adiantar).
  const size_t total = ordem.size();
  const int campo = FConjuncao.empty() ? 0 : FConjuncao.front()->Campo;
  auto adiantar = [&](size_t k) {
    if (k + kAdiante < total) linhas.Adiantar(ordem[k + kAdiante], campo);
  };
  if (FConjuncao.size() == 1) {
    const TnNo &condicao = *FConjuncao.front();
    for (size_t k = 0; k < total; ++k) {
      adiantar(k);
      const int slot = ordem[k];
      if (condicao.AvaliarDireta(linhas.Valores(slot))) saida.push_back(slot);
    }
    return;
  }
  if (!FConjuncao.empty()) {
    for (size_t k = 0; k < total; ++k) {
      adiantar(k);
      const int slot = ordem[k];
      const QVector<QVariant> &linha = linhas.Valores(slot);
      bool passa = true;
      for (const TnNo *condicao : FConjuncao)
        if (!condicao->AvaliarDireta(linha)) {
          passa = false;
          break;
        }
      if (passa) saida.push_back(slot);
    }
    return;
  }
  for (const int slot : ordem)
    if (FRaiz->Avaliar(linhas.Valores(slot))) saida.push_back(slot);
}
