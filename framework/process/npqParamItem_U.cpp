#include "npqParamItem_U.h"

#include <QDateTime>
#include <limits>

#include "nDicionario_U.h"
#include "nException_U.h"
#include "nFormatos_U.h"
#include "nFraCtrlNDLinkEdit_U.h"
#include "nFraCtrlParam_U.h"
#include "nSQLFuncoes_U.h"
#include "npqPowerParam_U.h"

namespace {

// A "caption=value" entry split at its last "=": captions may hold one, the
// short values never do. An entry without "=" is its own value.
std::pair<QString, QString> Partes(const QString &entrada) {
  const qsizetype igual = entrada.lastIndexOf(u'=');
  if (igual < 0) return {entrada.trimmed(), entrada.trimmed()};
  return {entrada.left(igual).trimmed(), entrada.mid(igual + 1).trimmed()};
}

bool ChaveDeCodigo(const TnEntradaDicionario &e) {
  return nTipoInteiro(e.Tipo) || !e.LookupClassName.isEmpty() || !e.LookupTabela.isEmpty();
}

TnTipoParam Deduzir(const TnDefParam &def, const TnEntradaDicionario *e) {
  if (def.Tipo != TnTipoParam::Padrao) return def.Tipo;
  if (!def.Valores.trimmed().isEmpty()) return TnTipoParam::Combo;
  if (!e) return def.MultiSelecao ? TnTipoParam::Selecao : TnTipoParam::Texto;
  switch (e->Controle) {
    case TnTipoControle::Data:
      return TnTipoParam::Data;
    case TnTipoControle::MesAno:
      return TnTipoParam::MesAno;
    case TnTipoControle::ComboBox:
      return TnTipoParam::Combo;
    case TnTipoControle::CheckList:
      return TnTipoParam::CheckList;
    default:
      break;
  }
  if (def.MultiSelecao) return TnTipoParam::Selecao;
  if (ChaveDeCodigo(*e)) {
    return !e->LookupClassName.isEmpty() || !e->LookupTabela.isEmpty() ? TnTipoParam::Link : TnTipoParam::Valor;
  }
  if (e->Tipo == TnFieldType::Date || e->Tipo == TnFieldType::DateTime) return TnTipoParam::Data;
  return TnTipoParam::Texto;
}

// A date text of either form a month/year editor may give back.
bool LerMesAno(const QString &texto, QDate &data) {
  if (TryStrToMesAno(texto, data)) return true;
  if (TryStrToDate(texto, data)) {
    data = StartOfTheMonth(data);
    return true;
  }
  return false;
}

bool LerData(const QString &texto, QDate &data) {
  if (TryStrToDate(texto, data)) return true;
  QDateTime momento;
  if (TryStrToDateTime(texto, momento)) {
    data = momento.date();
    return true;
  }
  return false;
}

}  // namespace

TnpqParamItem::TnpqParamItem(TnpqPowerParam *lista, const TnDefParam &definicao)
    : FLista(lista),
      FAlias(definicao.Alias.trimmed()),
      FCaption(definicao.Caption),
      FHint(definicao.Hint),
      FPosicao(definicao.Posicao),
      FDicionario(definicao.Dicionario.trimmed()),
      FCampoLookup(definicao.CampoLookup),
      FPadrao(definicao.Padrao),
      FObrigatorio(definicao.Obrigatorio),
      FVisivel(definicao.Visivel),
      FHabilitado(definicao.Habilitado),
      FTabelaLink(definicao.TabelaLink),
      FCampoLink(definicao.CampoLink),
      FCampoDescricaoLink(definicao.CampoDescricaoLink) {
  const TnEntradaDicionario *e = FDicionario.isEmpty() ? nullptr : TnDicionario::Entrada(FDicionario);
  FTipo = Deduzir(definicao, e);
  if (e) {
    if (FCaption.isEmpty()) FCaption = e->Rotulo;
    if (FHint.isEmpty()) FHint = e->Hint;
    FLookupClassName = e->LookupClassName;
    // The dictionary looks a name up by one key: the link's defaults.
    if (e->LookupChaves.size() == 1) {
      if (FTabelaLink.isEmpty()) FTabelaLink = e->LookupTabela;
      if (FCampoLink.isEmpty()) FCampoLink = e->LookupChaves.first();
      if (FCampoDescricaoLink.isEmpty()) FCampoDescricaoLink = e->LookupResultado;
    }
  }
  if (FCaption.isEmpty()) FCaption = FAlias;

  QStringList entradas = definicao.Valores.split(u';', Qt::SkipEmptyParts);
  if (definicao.Valores.trimmed().isEmpty() && e) entradas = e->NomesValores;
  for (const QString &entrada : entradas) {
    if (entrada.trimmed().isEmpty()) continue;
    const auto [nome, valor] = Partes(entrada);
    FNomes << nome;
    FValores << valor;
  }

  if (FTipo == TnTipoParam::Link)
    FEditor = std::make_unique<TnFraCtrlNDLinkEdit>(this);
  else
    FEditor = std::make_unique<TnFraCtrlParam>(this);

  FValor = Normalizar(FPadrao);
}

TnpqParamItem::~TnpqParamItem() = default;

void TnpqParamItem::SetObrigatorio(bool valor) { FObrigatorio = valor; }

void TnpqParamItem::SetVisivel(bool valor) { FVisivel = valor; }

void TnpqParamItem::SetHabilitado(bool valor) { FHabilitado = valor; }

QString TnpqParamItem::NomeDoValor(const QString &valor) const {
  const qsizetype i = FValores.indexOf(valor.trimmed());
  return i < 0 ? valor : FNomes.at(i);
}

void TnpqParamItem::SetLink(const QString &tabela, const QString &campo, const QString &campoDescricao) {
  FTabelaLink = tabela.trimmed();
  FCampoLink = campo.trimmed();
  FCampoDescricaoLink = campoDescricao.trimmed();
}

// --- value

QVariant TnpqParamItem::Normalizar(const QVariant &valor) const {
  if (valor.isNull() || !valor.isValid()) return {};
  const bool ehTexto = valor.typeId() == QMetaType::QString;
  const QString texto = ehTexto ? valor.toString() : QString();
  if (ehTexto && texto.trimmed().isEmpty()) return {};

  switch (FTipo) {
    case TnTipoParam::Data: {
      if (valor.typeId() == QMetaType::QDate) return valor.toDate().isValid() ? valor : QVariant();
      if (valor.typeId() == QMetaType::QDateTime) {
        const QDate d = valor.toDateTime().date();
        return d.isValid() ? QVariant(d) : QVariant();
      }
      QDate data;
      const QString t = valor.toString();
      if (LerData(t, data)) return data;
      return t;  // kept as typed: the validation refuses it
    }
    case TnTipoParam::MesAno: {
      QDate data;
      if (valor.typeId() == QMetaType::QDate)
        data = valor.toDate();
      else if (valor.typeId() == QMetaType::QDateTime)
        data = valor.toDateTime().date();
      else if (!LerMesAno(valor.toString(), data))
        return valor.toString();
      return data.isValid() ? QVariant(StartOfTheMonth(data)) : QVariant();
    }
    case TnTipoParam::Combo: {
      const QString t = valor.toString().trimmed();
      if (FValores.contains(t)) return t;
      for (qsizetype i = 0; i < FNomes.size(); ++i)
        if (FNomes.at(i).compare(t, Qt::CaseInsensitive) == 0) return FValores.at(i);
      return t;
    }
    case TnTipoParam::CheckList: {
      QStringList partes;
      for (const QString &parte : valor.toString().split(u';', Qt::SkipEmptyParts))
        if (!parte.trimmed().isEmpty()) partes << parte.trimmed();
      return partes.isEmpty() ? QVariant() : QVariant(partes.join(u';'));
    }
    case TnTipoParam::Numero: {
      if (nValorInteiro(valor)) return valor.toLongLong();
      double d = 0;
      bool ok = false;
      if (valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float) {
        d = valor.toDouble();
        ok = true;
      } else {
        ok = TryStrToFloat(valor.toString(), d);
      }
      if (!ok)
        throw EnParam(const_cast<TnpqParamItem *>(this),
                      QStringLiteral("'%1' não é um número válido para %2.").arg(valor.toString(), FCaption));
      if (d == static_cast<double>(static_cast<qint64>(d))) return static_cast<qlonglong>(d);
      return d;
    }
    default:
      return valor.toString();
  }
}

void TnpqParamItem::SetValue(const QVariant &valor) {
  const QVariant novo = Normalizar(valor);
  if (novo == FValor && novo.typeId() == FValor.typeId()) return;
  FValor = novo;
  Notificar();
}

void TnpqParamItem::Notificar() {
  if (FLista) FLista->ParamMudou(*this);
}

QString TnpqParamItem::GetAsString() const {
  if (FValor.isNull()) return {};
  switch (FValor.typeId()) {
    case QMetaType::QDate:
      return DateToStr(FValor.toDate());
    case QMetaType::Double:
      return FloatToStr(FValor.toDouble());
    default:
      return FValor.toString();
  }
}

bool TnpqParamItem::TryGetAsInteger(int &valor) const {
  if (FValor.isNull()) {
    valor = 0;
    return true;
  }
  if (FValor.typeId() == QMetaType::LongLong) {
    const qint64 n = FValor.toLongLong();
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) return false;
    valor = static_cast<int>(n);
    return true;
  }
  if (FValor.typeId() == QMetaType::Double || FValor.typeId() == QMetaType::QDate) return false;
  bool ok = false;
  const int n = FValor.toString().trimmed().toInt(&ok);
  if (ok) valor = n;
  return ok;
}

int TnpqParamItem::GetAsInteger() const {
  int valor = 0;
  if (!TryGetAsInteger(valor))
    throw EnParam(const_cast<TnpqParamItem *>(this),
                  QStringLiteral("'%1' não é um número inteiro válido para %2.").arg(GetAsString(), FCaption));
  return valor;
}

bool TnpqParamItem::TryGetAsDate(QDate &valor) const {
  if (FValor.isNull()) {
    valor = QDate();
    return true;
  }
  if (FValor.typeId() == QMetaType::QDate) {
    valor = FValor.toDate();
    return true;
  }
  const QString texto = FValor.toString();
  QDate data;
  if (FTipo == TnTipoParam::MesAno ? LerMesAno(texto, data) : (LerData(texto, data) || LerMesAno(texto, data))) {
    valor = data;
    return true;
  }
  return false;
}

QDate TnpqParamItem::GetAsDate() const {
  QDate valor;
  if (!TryGetAsDate(valor))
    throw EnParam(const_cast<TnpqParamItem *>(this),
                  QStringLiteral("'%1' não é uma data válida para %2.").arg(GetAsString(), FCaption));
  return valor;
}

bool TnpqParamItem::Marcado(const QString &valor) const {
  if (FValor.isNull()) return false;
  const QString procurado = valor.trimmed();
  for (const QString &parte : FValor.toString().split(u';'))
    if (parte.trimmed() == procurado) return true;
  return false;
}

void TnpqParamItem::Marcar(const QString &valor, bool marcado) {
  const QString alvo = valor.trimmed();
  if (alvo.isEmpty()) return;
  QStringList atuais = FValor.isNull() ? QStringList() : FValor.toString().split(u';', Qt::SkipEmptyParts);
  for (QString &parte : atuais) parte = parte.trimmed();
  atuais.removeAll(alvo);
  if (marcado) atuais << alvo;
  // The list's order; values the list does not hold keep theirs, after it.
  QStringList ordenados;
  for (const QString &v : FValores)
    if (atuais.contains(v)) ordenados << v;
  for (const QString &v : atuais)
    if (!ordenados.contains(v)) ordenados << v;
  SetValue(ordenados.join(u';'));
}

void TnpqParamItem::Validar() const {
  auto *eu = const_cast<TnpqParamItem *>(this);
  if (FObrigatorio && IsNull()) throw EnParam(eu, QStringLiteral("O parâmetro %1 deve ser informado.").arg(FCaption));
  if (FTipo == TnTipoParam::Selecao && !IsNull()) {
    try {
      FilterInterval(QStringLiteral("CODIGO"), GetAsString());
    } catch (const Exception &e) {
      throw EnParam(eu, QStringLiteral("%1: %2").arg(FCaption, e.message()));
    }
  }
}
