#include "nCanonizador_U.h"

#include <limits>

namespace {

constexpr int kDeslocamentoVariavel = std::numeric_limits<int>::min();

// Digits of a canonical date text; -1 when any is not a digit.
int Digitos(const char16_t *t, int quantos) {
  int n = 0;
  for (int i = 0; i < quantos; ++i) {
    const unsigned d = static_cast<unsigned>(t[i]) - u'0';
    if (d > 9) return -1;
    n = n * 10 + static_cast<int>(d);
  }
  return n;
}

}  // namespace

TnCanonizador::TnCanonizador(const std::vector<std::unique_ptr<TnField>> &campos, int colunas) {
  FColunas.resize(static_cast<size_t>(colunas));
  for (int c = 0; c < colunas; ++c) {
    TnColuna &coluna = FColunas[static_cast<size_t>(c)];
    coluna.Campo = campos[static_cast<size_t>(c)].get();
    coluna.Tipo = coluna.Campo->DataType();
    coluna.Tamanho = coluna.Tipo == TnFieldType::Memo ? 0 : coluna.Campo->Size();
  }
}

void TnCanonizador::Linha(QVariant *valores) {
  for (size_t c = 0; c < FColunas.size(); ++c) Valor(valores[c], FColunas[c]);
}

QDate TnCanonizador::Data(const QString &texto) {
  if (texto.size() < 10) return {};
  const char16_t *t = reinterpret_cast<const char16_t *>(texto.constData());
  if (t[4] != u'-' || t[7] != u'-' || (texto.size() > 10 && t[10] != u' ' && t[10] != u'T')) return {};
  const int ano = Digitos(t, 4);
  const int mes = Digitos(t + 5, 2);
  const int dia = Digitos(t + 8, 2);
  if (ano < 0 || mes < 0 || dia < 0) return {};
  return QDate(ano, mes, dia);
}

QDateTime TnCanonizador::DataHora(const QString &texto) {
  const qsizetype tamanho = texto.size();
  if (tamanho < 19) return {};
  const QDate data = Data(texto);
  if (!data.isValid()) return {};
  const char16_t *t = reinterpret_cast<const char16_t *>(texto.constData());
  if (t[13] != u':' || t[16] != u':') return {};
  const int h = Digitos(t + 11, 2);
  const int m = Digitos(t + 14, 2);
  const int s = Digitos(t + 17, 2);
  int ms = 0;
  if (tamanho > 19) {
    if (t[19] != u'.' || tamanho < 21) return {};
    const int casas = std::min<int>(3, static_cast<int>(tamanho) - 20);
    ms = Digitos(t + 20, casas);
    for (int i = casas; i < 3 && ms >= 0; ++i) ms *= 10;
  }
  if (h < 0 || m < 0 || s < 0 || ms < 0) return {};
  const QTime hora(h, m, s, ms);
  if (!hora.isValid()) return {};
  return FRelogio.Criar(data, hora);
}

QDateTime TnCanonizador::TnRelogioLocal::Criar(const QDate &data, const QTime &hora) {
  const qint64 dia = data.toJulianDay();
  if (dia != FUltimoDia) {
    auto it = FDeslocamentos.constFind(dia);
    if (it == FDeslocamentos.cend()) {
      const int inicio = QDateTime(data, QTime(0, 0)).offsetFromUtc();
      const int fim = QDateTime(data, QTime(23, 59, 59, 999)).offsetFromUtc();
      it = FDeslocamentos.insert(dia, inicio == fim ? inicio : kDeslocamentoVariavel);
    }
    FUltimoDia = dia;
    FUltimoDeslocamento = *it;
  }
  if (FUltimoDeslocamento == kDeslocamentoVariavel) return QDateTime(data, hora);
  if (FUltimoDeslocamento == 0) return QDateTime(data, hora, Qt::UTC);
  return QDateTime(data, hora, Qt::OffsetFromUTC, FUltimoDeslocamento);
}

void TnCanonizador::Valor(QVariant &v, TnColuna &coluna) {
  const int id = v.typeId();
  if (v.isNull()) {
    if (id != QMetaType::UnknownType) v = QVariant();
    return;
  }
  switch (coluna.Tipo) {
    case TnFieldType::String:
    case TnFieldType::FixedChar:
    case TnFieldType::Memo:
      if (id == QMetaType::QString) {
        const QString &texto = *static_cast<const QString *>(v.constData());
        if (coluna.Tamanho > 0 && texto.size() > coluna.Tamanho) break;  // the field refuses it
        if (texto.size() <= kTamanhoComum) Compartilhar(v, texto, coluna);
        return;
      }
      break;
    case TnFieldType::SmallInt:
    case TnFieldType::Integer:
    case TnFieldType::LargeInt:
      if (id == QMetaType::LongLong) return;
      if (id == QMetaType::Int) {
        v = QVariant(static_cast<qlonglong>(*static_cast<const int *>(v.constData())));
        return;
      }
      break;
    case TnFieldType::Date:
      if (id == QMetaType::QDate) return;
      if (id == QMetaType::QString) {
        const QDate data = Data(*static_cast<const QString *>(v.constData()));
        if (data.isValid()) {
          v = data;
          return;
        }
      }
      break;
    case TnFieldType::DateTime:
      if (id == QMetaType::QString) {
        const QDateTime momento = DataHora(*static_cast<const QString *>(v.constData()));
        if (momento.isValid()) {
          v = momento;
          return;
        }
      }
      break;
    default:
      break;
  }
  v = coluna.Campo->Converter(v);
}

void TnCanonizador::Compartilhar(QVariant &v, const QString &texto, TnColuna &coluna) {
  for (int i = 0; i < coluna.QtdComuns; ++i) {
    const QString &comum = *static_cast<const QString *>(coluna.Comuns[i].constData());
    if (comum == texto) {
      // The same type in place: only the text is shared.
      *static_cast<QString *>(v.data()) = comum;
      return;
    }
  }
  if (coluna.QtdComuns < kComuns) coluna.Comuns[coluna.QtdComuns++] = v;
}
