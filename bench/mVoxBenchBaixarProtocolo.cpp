// The withdrawal of a month's open protocols through "Baixar Protocolo", as
// a user does it: the open protocols of nature "Saída" are listed, every row
// is marked (Ctrl+Ins, "MarcarTodas") and Gravar asks, once per company and
// establishment, who received them and when (the withdrawal dialog, answered
// by the framework's scripted dialogs as the tests answer it), and stamps
// them. The office at size factor 1 (--fator, 0.25 to 2): 200
// establishments (40 companies of 5), each with 10 open protocols of
// "Saída" (2,000), one open protocol of "Entrada" (not listed) and five
// years of withdrawn protocols (300 each: 60,000), every protocol with three
// items (186,600). Every figure scales with the factor through the
// companies.
//
// The floor is the same work with plain prepared statements in the same run
// on the same database: the same list select, the same value conversions
// into plain structs, the rows grouped by company and establishment, per
// establishment the user check the dialog makes, per protocol the same
// guarded update with the same values. After each side every protocol row
// written is read back, every column, and the process must have written
// exactly what the floor did. Prints the phases of the fastest round of each
// side, the medians, the time per protocol, their ratios (goal: at most 1.5
// on SQLite, 2 on PostgreSQL) and the peak resident memory.
//
//   mVoxBenchBaixarProtocolo [--fator F] [--rodadas N] [--banco sqlite|postgresql]
#include <QDate>
#include <QElapsedTimer>
#include <QMap>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "mVoxBench_U.h"
#include "mVoxDPBaixarProtocolo_U.h"
#include "nClientDataSet_U.h"
#include "nDialogosRoteiro_U.h"
#include "nSQLFuncoes_U.h"
#include "npqParamItem_U.h"

namespace {

// The office's size: 40 companies at factor 1 (--fator).
int gEmpresas = 40;
constexpr int kEstabsPorEmpresa = 5;
int gEstabs = 0;
// Per establishment: open protocols of "Saída", withdrawn ones of five
// years (four of "Saída" to one of "Entrada"), items per protocol.
constexpr int kAbertosPorEstab = 10;
constexpr int kAntigosPorEstab = 300;
constexpr int kItensPorProtocolo = 3;
// Withdrawn protocols are numbered 1..gUltimoAntigo; the open ones of
// "Saída" follow, then one open of "Entrada" per establishment.
int gUltimoAntigo = 0;
int gAbertos = 0;

void Dimensionar(double fator) {
  gEmpresas = std::max(1, static_cast<int>(std::lround(40 * fator)));
  gEstabs = gEmpresas * kEstabsPorEmpresa;
  gUltimoAntigo = gEstabs * kAntigosPorEstab;
  gAbertos = gEstabs * kAbertosPorEstab;
}

// The establishment (company, establishment) of the i-th protocol of a set:
// the office's protocols come in date order, one establishment after the
// other.
std::pair<int, int> Estab(int i) {
  const int n = i % gEstabs;
  return {n / kEstabsPorEmpresa + 1, n % kEstabsPorEmpresa + 1};
}

// What the withdrawal dialog of the k-th establishment (in company and
// establishment order, from 1) is answered with; the floor takes the same.
QString Recebedor(int k) { return QStringLiteral("Recebedor da Filial %1").arg(k); }
constexpr int kUsuarioEntrega = 2;
const QDateTime kEntrega(QDate(2026, 11, 30), QTime(16, 45));

// --- the office

// Inserts rows `linhas` at a time: one statement of that many tuples, the
// rest one by one.
class TnInsercao {
 public:
  TnInsercao(const QString &cabeca, int colunas, int linhas = 100)
      : FCabeca(cabeca), FColunas(colunas), FLinhas(linhas), FLote(Preparar(Texto(linhas))) {}
  ~TnInsercao() { Concluir(); }
  void Linha(const QVariantList &valores) {
    FPendentes << valores;
    if (FPendentes.size() == FColunas * FLinhas) Enviar(FLote, FPendentes);
  }
  void Concluir() {
    if (FPendentes.isEmpty()) return;
    TnQueryPiso resto = Preparar(Texto(static_cast<int>(FPendentes.size()) / FColunas));
    Enviar(resto, FPendentes);
  }

 private:
  QString Texto(int linhas) const {
    QStringList marcas(FColunas, QStringLiteral("?"));
    const QString tupla = u'(' + marcas.join(u',') + u')';
    return FCabeca + QStringLiteral(" values ") + QStringList(linhas, tupla).join(u',');
  }
  static void Enviar(TnQueryPiso &q, QVariantList &valores) {
    for (const QVariant &v : valores) q.addBindValue(v);
    Exec(q);
    valores.clear();
  }
  QString FCabeca;
  int FColunas;
  int FLinhas;
  TnQueryPiso FLote;
  QVariantList FPendentes;
};

void InserirEscritorio() {
  InserirEmpresas(gEmpresas, kEstabsPorEmpresa);
  ExecDireto(QStringLiteral("insert into USUARIO (CODIGOUSUARIO, NOMEUSUARIO) values (1, 'ADMIN')"));
  ExecDireto(QStringLiteral("insert into USUARIO (CODIGOUSUARIO, NOMEUSUARIO) values (2, 'JOAO')"));
  TnInsercao protocolo(
      QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, TIPOPRO, "
                     "OBSERVACAO, DATAHORACADASTRO, CODIGOUSUARIO, FORMAENTREGA, NATUREZAPRO, DATAHORAENTREGA, "
                     "CODIGOUSUARIOINT, USUARIOEXT, DATAHORABAIXA, CANCELADO, ORIGEMDADO)"),
      16);
  TnInsercao item(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, COMPETENCIA, "
                                 "DATALCTOPRO, VENCIMENTO, VALOR, CANCELADO, CODIGOUSUARIO, DATAHORACADASTRO, "
                                 "ORIGEMDADO)"),
                  11);
  // Every protocol of the office: the withdrawn ones of five years up to
  // October 2026 in date order, the open ones of November 2026.
  auto cadaProtocolo = [](const std::function<void(qint64, int, const QDate &, const char *, bool)> &f) {
    const QDate inicio(2021, 11, 1);
    for (int i = 0; i < gUltimoAntigo; ++i)
      f(i + 1, i, inicio.addDays(static_cast<int>(static_cast<qint64>(i) * 1825 / gUltimoAntigo)),
        i % 5 == 4 ? "2" : "1", true);
    for (int i = 0; i < gAbertos; ++i)
      f(gUltimoAntigo + i + 1, i, QDate(2026, 11, 1).addDays(static_cast<int>(static_cast<qint64>(i) * 30 / gAbertos)),
        "1", false);
    for (int i = 0; i < gEstabs; ++i) f(gUltimoAntigo + gAbertos + i + 1, i, QDate(2026, 11, 20), "2", false);
  };
  cadaProtocolo([&](qint64 codigo, int i, const QDate &data, const char *natureza, bool baixado) {
    const auto [empresa, estab] = Estab(i);
    const QVariant entrega = baixado ? Banco(QDateTime(data.addDays(2), QTime(10, 0))) : QVariant();
    protocolo.Linha({codigo, empresa, estab, Banco(data), i % 2 ? QStringLiteral("2") : QStringLiteral("1"),
                     QStringLiteral("Protocolo %1").arg(codigo), Banco(QDateTime(data, QTime(8, 0))), 1,
                     QStringLiteral("1"), QLatin1String(natureza), entrega, baixado ? QVariant(1) : QVariant(),
                     baixado ? QVariant(QStringLiteral("Recebedor antigo")) : QVariant(),
                     baixado ? Banco(QDateTime(data.addDays(2), QTime(11, 0))) : QVariant(), QStringLiteral("0"), 1});
  });
  protocolo.Concluir();
  cadaProtocolo([&](qint64 codigo, int, const QDate &data, const char *, bool) {
    for (int s = 1; s <= kItensPorProtocolo; ++s)
      item.Linha({codigo, s, QStringLiteral("Documento %1 do protocolo %2").arg(s).arg(codigo),
                  Banco(QDate(data.year(), data.month(), 1)), Banco(data), Banco(data.addDays(10)),
                  QStringLiteral("%1.%2").arg(100 + s).arg(codigo % 100, 2, 10, QLatin1Char('0')), QStringLiteral("0"),
                  1, Banco(QDateTime(data, QTime(8, 0))), 1});
  });
  item.Concluir();
}

// Every row a withdrawal can have written, every column: the protocols
// open at the start.
QStringList Gravado() {
  return LinhasGravadas(
      QStringLiteral("select * from PROTOCOLO where CODIGOPROTOCOLO > %1 order by CODIGOPROTOCOLO").arg(gUltimoAntigo));
}

int Abertos() {
  return static_cast<int>(
      Numero(QStringLiteral("select count(*) from PROTOCOLO where DATAHORABAIXA is null and NATUREZAPRO = '1'")));
}

void Desfazer() {
  ExecDireto(QStringLiteral("update PROTOCOLO set DATAHORAENTREGA = null, CODIGOUSUARIOINT = null, USUARIOEXT = "
                            "null, DATAHORABAIXA = null where CODIGOPROTOCOLO > %1")
                 .arg(gUltimoAntigo));
}

// --- the process

// Kept out of line so that a profiler can collect it alone.
[[gnu::noinline]] TnTempos Processo(QStringList &gravado) {
  auto *processo = dynamic_cast<TmVoxDPBaixarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPBaixarProtocolo")));
  if (!processo) Falhar(QStringLiteral("TmVoxDPBaixarProtocolo não registrado"));
  processo->CriarForm();
  processo->npqPowerParam().Param(QStringLiteral("pTipo"))->SetAsString(QStringLiteral("1"));
  TnDialogosRoteiro dialogos;
  TnDialogos *anteriores = nSetDialogos(&dialogos);
  for (int k = 1; k <= gEstabs; ++k)
    dialogos.ResponderCampos({{QStringLiteral("Responsável Recebimento"), Recebedor(k)},
                              {QStringLiteral("Usuário Entrega"), QString::number(kUsuarioEntrega)},
                              {QStringLiteral("Data Entrega"), kEntrega.toString(QStringLiteral("dd/MM/yyyy"))},
                              {QStringLiteral("Hora Entrega"), kEntrega.toString(QStringLiteral("HH:mm"))}});
  const TnTempos tempos = CronometrarFases(
      [&] {
        processo->ExecutarProcesso();
        if (processo->nClientDataSet().RecordCount() != gAbertos)
          Falhar(QStringLiteral("protocolos listados: %1").arg(processo->nClientDataSet().RecordCount()));
      },
      [&] { processo->actMarcarTodasExecute(nullptr); }, [&] { processo->actGravarExecute(nullptr); });
  nSetDialogos(anteriores);
  if (!dialogos.Falhas().isEmpty()) Falhar(dialogos.Falhas().join(u'\n'));
  if (dialogos.Pendentes() != 0) Falhar(QStringLiteral("diálogos não perguntados: %1").arg(dialogos.Pendentes()));
  if (!processo->nClientDataSet().IsEmpty())
    Falhar(QStringLiteral("protocolos não baixados: %1").arg(processo->nClientDataSet().RecordCount()));
  nLiberarDM(processo);
  gravado = Gravado();
  return tempos;
}

// --- the floor

struct TnLinhaPiso {
  qint64 Protocolo;
  int Empresa;
  int Estab;
  QDate Data;
  QString Tipo;
  QString Observacao;
  int Baixar = 0;
  int AlterUser = 0;
  bool Listada = true;
};

[[gnu::noinline]] std::vector<TnLinhaPiso> ListarPiso() {
  TnQueryPiso lista = Preparar(
      QStringLiteral("select CODIGOPROTOCOLO ,CODIGOEMPRESA ,CODIGOESTAB ,DATALCTOPRO ,TIPOPRO ,OBSERVACAO from "
                     "PROTOCOLO  where DATAHORABAIXA is null  and NATUREZAPRO = ") +
      ValorParaSQL(QStringLiteral("1"), TnFieldType::String));
  Exec(lista);
  std::vector<TnLinhaPiso> linhas;
  while (lista.next()) {
    const QVariant data = lista.value(3);
    linhas.push_back(
        {lista.value(0).toLongLong(), lista.value(1).toInt(), lista.value(2).toInt(),
         data.typeId() == QMetaType::QDate ? data.toDate() : TnDialetoSQL::DataDoTexto(data.toString()),
         lista.value(4).toString().trimmed() == QLatin1String("1") ? QStringLiteral("GUIA") : QStringLiteral("DOC"),
         lista.value(5).toString()});
  }
  std::sort(linhas.begin(), linhas.end(),
            [](const TnLinhaPiso &a, const TnLinhaPiso &b) { return a.Protocolo < b.Protocolo; });
  return linhas;
}

// The withdrawal of the marked rows, one establishment after the other.
[[gnu::noinline]] void BaixarPiso(std::vector<TnLinhaPiso> &linhas) {
  std::vector<TnLinhaPiso *> marcadas;
  for (TnLinhaPiso &l : linhas)
    if (l.AlterUser == 1) marcadas.push_back(&l);
  std::stable_sort(marcadas.begin(), marcadas.end(), [](const TnLinhaPiso *a, const TnLinhaPiso *b) {
    return std::pair(a->Empresa, a->Estab) < std::pair(b->Empresa, b->Estab);
  });
  TnQueryPiso usuario = Preparar(QStringLiteral("select CODIGOUSUARIO from USUARIO where CODIGOUSUARIO = ? limit 1"));
  TnQueryPiso baixa = Preparar(QStringLiteral(
      "update PROTOCOLO set DATAHORAENTREGA = ? ,CODIGOUSUARIOINT = ? ,USUARIOEXT = ? ,DATAHORABAIXA = ? where "
      "CODIGOPROTOCOLO = ? and DATAHORABAIXA is null "));
  std::pair<int, int> anterior{0, 0};
  int k = 0;
  QString recebedor;
  for (TnLinhaPiso *l : marcadas) {
    if (std::pair(l->Empresa, l->Estab) != anterior) {
      anterior = {l->Empresa, l->Estab};
      // What the dialog checks before it takes the answer.
      usuario.addBindValue(kUsuarioEntrega);
      Exec(usuario);
      if (!usuario.next()) Falhar(QStringLiteral("piso: usuário"));
      usuario.finish();
      recebedor = Recebedor(++k);
    }
    baixa.addBindValue(Banco(nDateTimeToSQLTimeStamp(kEntrega)));
    baixa.addBindValue(kUsuarioEntrega);
    baixa.addBindValue(recebedor);
    baixa.addBindValue(Banco(nDateTimeToSQLTimeStamp(nDMConexao()->Now())));
    baixa.addBindValue(l->Protocolo);
    Exec(baixa);
    if (baixa.numRowsAffected() >= 1) l->Listada = false;
  }
}

[[gnu::noinline]] TnTempos Piso(QStringList &gravado) {
  TnTempos tempos;
  QElapsedTimer relogio;
  relogio.start();
  std::vector<TnLinhaPiso> linhas = ListarPiso();
  tempos.Listar = relogio.nsecsElapsed() / 1e6;
  if (linhas.size() != static_cast<size_t>(gAbertos)) Falhar(QStringLiteral("piso: lista"));

  relogio.restart();
  for (TnLinhaPiso &l : linhas) l.Baixar = l.AlterUser = 1;
  tempos.Marcar = relogio.nsecsElapsed() / 1e6;

  relogio.restart();
  BaixarPiso(linhas);
  tempos.Gravar = relogio.nsecsElapsed() / 1e6;
  if (std::any_of(linhas.begin(), linhas.end(), [](const TnLinhaPiso &l) { return l.Listada; }))
    Falhar(QStringLiteral("piso: protocolos não baixados"));
  gravado = Gravado();
  return tempos;
}

}  // namespace

int main(int argc, char **argv) {
  double fator = 1;
  const TnOpcoesBench opcoes = LerOpcoesFator(
      argc, argv,
      "uso: mVoxBenchBaixarProtocolo [--fator F] [--rodadas N] [--banco sqlite|postgresql]\n"
      "  --fator    tamanho do escritório (1 = 2.000 protocolos abertos, 40 empresas de 5 filiais; de 0.25 a 2)\n",
      fator);
  Dimensionar(fator);
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPBaixarProtocolo"),
                                 QStringLiteral("bench-baixar-protocolo.db"), opcoes);
  {
    const double montagem = MontarEscritorio([] { InserirEscritorio(); });
    std::printf(
        "%s, fator %.2f: %d filiais, %d protocolos abertos de saída e %d de entrada, %d baixados, %d itens "
        "(montado em %.1f s); %d rodadas\n",
        opcoes.Engine(), fator, gEstabs, gAbertos, gEstabs, gUltimoAntigo,
        (gUltimoAntigo + gAbertos + gEstabs) * kItensPorProtocolo, montagem, opcoes.Rodadas);
    std::fflush(stdout);
  }

  const TnLados lados = RodarLados(
      opcoes.Rodadas, Piso, Processo,
      [](const char *quem) {
        if (Abertos() != 0) Falhar(QStringLiteral("%1: protocolos abertos").arg(QLatin1String(quem)));
      },
      Desfazer);
  std::printf("\nBaixar %d protocolos de %d filiais (um diálogo por filial)\n", gAbertos, gEstabs);
  ImprimirFases("TmVoxDPBaixarProtocolo", Resumir(lados.Processo), Resumir(lados.Piso), gAbertos, "protocolo", opcoes);
  ImprimirMemoriaPico();
  return 0;
}
