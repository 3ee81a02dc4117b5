#include "mVoxSFuncoes_U.h"

#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace {

const QString kCondicaoEstab = QStringLiteral("CODIGOEMPRESA = :empresa and CODIGOESTAB = :estab");

// The first column of the first row; null when there is none.
// Read once per establishment in a listing: the statement stays prepared.
QVariant Ler(const QString &sql, int empresa, int estab) { return nDMConexao()->LerValor(sql, {empresa, estab}); }

constexpr TnTabelaDebito kTabelasDebito[] = {
    {1, "DEBITOFEDERAL", "FED", true},    {2, "DEBITOESTADUAL", "EST", true}, {3, "DEBITOMUNICIPAL", "MUN", true},
    {4, "DEBITOSINDICAL", "SIND", false}, {5, "DEBITOGPS", "GPS", true},      {9, "DEBITOFGTS", "FGTS", true},
    {10, "DEBITOFOLHA", "FOLHA", true},
};
constexpr int kTamanhoChaveOrigem = 25;
constexpr int kTipoFolha = 6;

// A debit key taken apart; Tabela null when the text is not one.
struct ChaveDebito {
  const TnTabelaDebito *Tabela = nullptr;
  int Empresa = 0;
  int Chave = 0;
};

ChaveDebito LerChaveDebito(const QString &chaveOrigem) {
  static const QRegularExpression formato(QStringLiteral("^D(\\d{2})([A-Z]+);(\\d+);(\\d+)$"));
  const QRegularExpressionMatch partes = formato.match(chaveOrigem.trimmed());
  if (!partes.hasMatch()) return {};
  bool tipoOk = false, empresaOk = false, chaveOk = false;
  ChaveDebito lida;
  const TnTabelaDebito *tabela = TabelaDebitoDoTipo(partes.captured(1).toInt(&tipoOk));
  lida.Empresa = partes.captured(3).toInt(&empresaOk);
  lida.Chave = partes.captured(4).toInt(&chaveOk);
  // The suffix must be the type's own: a key whose two halves disagree names
  // no debit for certain.
  if (!tipoOk || !empresaOk || !chaveOk || !tabela || partes.captured(2) != QLatin1String(tabela->Sufixo)) return {};
  lida.Tabela = tabela;
  return lida;
}

}  // namespace

const TnTabelaDebito *TabelaDebitoDoTipo(int tipo) {
  for (const TnTabelaDebito &tabela : kTabelasDebito)
    if (tabela.Tipo == tipo) return &tabela;
  return nullptr;
}

QString MontarChaveOrigem(int tipo, int empresa, int chave) {
  const TnTabelaDebito *tabela = TabelaDebitoDoTipo(tipo);
  if (!tabela) throw Exception(QStringLiteral("O tipo de protocolo %1 não tem tabela de débitos.").arg(tipo));
  if (empresa < 0 || chave < 0)
    throw Exception(QStringLiteral("Empresa ou chave de débito inválida: %1, %2.").arg(empresa).arg(chave));
  // "D", the type in two digits, the table's suffix, ";", the company, ";",
  // the key. Built in place: a large office's month makes tens of thousands.
  QString texto;
  texto.reserve(kTamanhoChaveOrigem + 1);
  texto += QLatin1Char('D');
  if (tipo < 10) texto += QLatin1Char('0');
  texto += QString::number(tipo);
  texto += QLatin1String(tabela->Sufixo);
  texto += QLatin1Char(';');
  texto += QString::number(empresa);
  texto += QLatin1Char(';');
  texto += QString::number(chave);
  // Only a company code beyond the suite's smallint could pass the limit.
  if (texto.size() > kTamanhoChaveOrigem)
    throw Exception(QStringLiteral("Chave de origem maior que %1 caracteres: %2").arg(kTamanhoChaveOrigem).arg(texto));
  return texto;
}

int PegarTipo(const QString &chaveOrigem) {
  const QString chave = chaveOrigem.trimmed();
  if (const ChaveDebito debito = LerChaveDebito(chave); debito.Tabela) return debito.Tabela->Tipo;
  if (chave.startsWith(QLatin1String("FPA"))) return kTipoFolha;
  if (chave.startsWith(QLatin1String("FIN;"))) {
    bool ok = false;
    const int tipo = chave.section(QLatin1Char(';'), 1, 1).toInt(&ok);
    return ok ? tipo : 0;
  }
  return 0;
}

bool LimparProDeb(const QString &chaveOrigem, const QVariant &codigoProtocolo) {
  const ChaveDebito debito = LerChaveDebito(chaveOrigem);
  if (!debito.Tabela) return false;
  QString sql = QStringLiteral(
                    "update %1 set CODIGOPROTOCOLO = null where CODIGOEMPRESA = :empresa and "
                    "CHAVEDEBITO%2 = :chave")
                    .arg(QLatin1String(debito.Tabela->Tabela), QLatin1String(debito.Tabela->Sufixo));
  QVariantList valores{debito.Empresa, debito.Chave};
  if (!codigoProtocolo.isNull()) {
    sql += QStringLiteral(" and CODIGOPROTOCOLO = :protocolo");
    valores << codigoProtocolo.toLongLong();
  }
  return ExecutarSQLDireto(sql, valores) == 1;
}

QString ProtocoloUsadoEm(qint64 codigo) {
  QStringList tabelas;
  for (const TnTabelaDebito &tabela : kTabelasDebito) tabelas << QLatin1String(tabela.Tabela);
  tabelas << QStringLiteral("SERVICONOTA") << QStringLiteral("CONTARECEBER") << QStringLiteral("PROTOCOLODOCMOVIMENTO");
  for (const QString &tabela : std::as_const(tabelas)) {
    QSqlQuery consulta = nDMConexao()->Executar(
        QStringLiteral("select 1 from %1 where CODIGOPROTOCOLO = :codigo").arg(tabela), {codigo});
    if (consulta.next()) return tabela;
  }
  return {};
}

bool ChecarConfiguracaoPro(int empresa, int estab) {
  return Ler(QStringLiteral("select count(*) from CFGESTABPRO where ") + kCondicaoEstab, empresa, estab).toLongLong() >
         0;
}

void ChecarConfigurarEmpPro(int empresa, int estab) {
  if (!ChecarConfiguracaoPro(empresa, estab)) throw Exception(QStringLiteral("Filial não configurada no Protocolo."));
}

QString PegarFormaEntrega(int empresa, int estab) {
  return Ler(QStringLiteral("select FORMAENTREGA from CFGESTABPRO where ") + kCondicaoEstab, empresa, estab)
      .toString()
      .trimmed();
}
