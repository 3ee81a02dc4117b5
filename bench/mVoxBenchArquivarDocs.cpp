// Filing a box's documents in one save through "Arquivar Documentos". The
// office at size factor 1 (--fator, 0.25 to 2): 100 establishments (20
// companies of 5), 40 document types that each get an envelope of their
// own, five years of documents: 5,000 unfiled ones of establishment 1/1 and
// 1,000 of it already filed in box 1 (envelopes 1..10), and 2,000 per other
// establishment (198,000). The companies, the box's documents to file and
// those already filed scale with the factor. The process lists the box (its
// filed documents and the establishment's unfiled ones), every row is
// marked ("MarcarTodos") and saved: 40 new envelopes, the archive rows,
// flags and movement lines; the list is read again.
//
// The floor is the same work with plain prepared statements in the same run
// on the same database: the box read, the same list select, the type reads
// of the proposal, then per row the same stored-state read, envelope check
// and the same four writes in one transaction, and the list read again,
// with the rows kept in plain structs. After each side every row written
// (archive rows, envelopes, document flags, movement lines, every column)
// is read back and the process must have written exactly what the floor
// did. Prints the phases of the fastest round of each side, the medians, the
// time per document, their ratios (goal: at most 1.5 on SQLite, 2 on
// PostgreSQL) and the peak resident memory.
//
//   mVoxBenchArquivarDocs [--fator F] [--rodadas N] [--banco sqlite|postgresql]
#include <QDate>
#include <QElapsedTimer>
#include <QMap>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "mVoxBench_U.h"
#include "mVoxDPArquivarDocs_U.h"
#include "nClientDataSet_U.h"
#include "npqParamItem_U.h"

namespace {

// The office's size: 20 companies at factor 1 (--fator).
int gEmpresas = 20;
constexpr int kEstabsPorEmpresa = 5;
constexpr int kTipos = 40;
// Box 1, of establishment 1/1: documents to file and already filed.
int gNaoArquivados = 5000;
int gArquivados = 1000;
constexpr int kEnvelopesAntigos = 10;
// Documents of each other establishment.
constexpr int kPorOutroEstab = 2000;
const QDate kInicio(2021, 12, 1);

void Dimensionar(double fator) {
  gEmpresas = std::max(1, static_cast<int>(std::lround(20 * fator)));
  gNaoArquivados = std::max(1, static_cast<int>(std::lround(5000 * fator)));
  gArquivados = std::max(1, static_cast<int>(std::lround(1000 * fator)));
}

// --- the office

void InserirEscritorio() {
  InserirEmpresas(gEmpresas, kEstabsPorEmpresa);
  TnQueryPiso tipo = Preparar(
      QStringLiteral("insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, GERARAUTO, "
                     "PERIODODOC, MESOCORRENCIA, GERARENVELOPE) values (?, ?, 1825, '0', 1, '', '1')"));
  for (int t = 1; t <= kTipos; ++t) {
    tipo.addBindValue(t);
    tipo.addBindValue(QStringLiteral("Tipo de Documento %1").arg(t));
    Exec(tipo);
  }
  ExecDireto(QStringLiteral("insert into PROTOCOLOLOCALCAIXA (CODIGOLOCAL, DESCRLOCAL) values (1, 'Arquivo')"));
  ExecDireto(
      QStringLiteral("insert into PROTOCOLODOCCAIXA (CODIGOCAIXA, CODIGOEMPRESA, CODIGOESTAB, CODIGOLOCAL) "
                     "values (1, 1, 1, 1)"));
  TnQueryPiso envelope = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE, DESCRENVELOPE) values (1, ?, 'Antigo')"));
  for (int n = 1; n <= kEnvelopesAntigos; ++n) {
    envelope.addBindValue(n);
    Exec(envelope);
  }

  TnQueryPiso doc =
      Preparar(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, "
                              "DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, ?, 2)"));
  TnQueryPiso arquivo = Preparar(
      QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) values (1, ?, ?)"));
  qint64 codigo = 0;
  auto documento = [&](int empresa, int estab, int i, bool arquivado) {
    ++codigo;
    doc.addBindValue(codigo);
    doc.addBindValue(i % kTipos + 1);
    doc.addBindValue(empresa);
    doc.addBindValue(estab);
    doc.addBindValue(Banco(kInicio.addDays(i % 1825)));
    doc.addBindValue(QStringLiteral("Documento %1").arg(codigo));
    doc.addBindValue(arquivado ? QStringLiteral("1") : QStringLiteral("0"));
    Exec(doc);
  };
  for (int i = 0; i < gNaoArquivados; ++i) documento(1, 1, i, false);
  for (int i = 0; i < gArquivados; ++i) {
    documento(1, 1, i, true);
    arquivo.addBindValue(i % kEnvelopesAntigos + 1);
    arquivo.addBindValue(codigo);
    Exec(arquivo);
  }
  for (int e = 1; e <= gEmpresas; ++e)
    for (int s = 1; s <= kEstabsPorEmpresa; ++s)
      if (e != 1 || s != 1)
        for (int i = 0; i < kPorOutroEstab; ++i) documento(e, s, i, i % 3 == 0);
}

// Every row a save wrote, every column, in key order: box 1's archive rows
// and envelopes, the flags of establishment 1/1's documents, the movement
// lines (only the save writes them).
QStringList Gravado() {
  QStringList linhas = LinhasGravadas(
      QStringLiteral("select * from PROTOCOLODOCARQUIVO where CODIGOCAIXA = 1 order by CODIGOENVELOPE, CODIGODOCEMP"));
  linhas << LinhasGravadas(
      QStringLiteral("select * from PROTOCOLODOCENVELOPE where CODIGOCAIXA = 1 order by CODIGOENVELOPE"));
  linhas << LinhasGravadas(QStringLiteral("select CODIGODOCEMP, ARQUIVADO from PROTOCOLODOCEMP where CODIGODOCEMP "
                                          "<= %1 order by CODIGODOCEMP")
                               .arg(gNaoArquivados + gArquivados));
  linhas << LinhasGravadas(QStringLiteral("select * from PROTOCOLODOCMOVIMENTO order by CODIGODOCEMP, SEQDOCEMP"));
  return linhas;
}

// Rows archived in box 1 by the last save and before.
int Arquivados() {
  return static_cast<int>(Numero(QStringLiteral("select count(*) from PROTOCOLODOCARQUIVO where CODIGOCAIXA = 1")));
}

void Desfazer() {
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCMOVIMENTO"));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCARQUIVO where CODIGOCAIXA = 1 and CODIGODOCEMP <= %1")
                 .arg(gNaoArquivados));
  ExecDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '0' where CODIGODOCEMP <= %1").arg(gNaoArquivados));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCENVELOPE where CODIGOENVELOPE > %1").arg(kEnvelopesAntigos));
}

// --- the process

// Kept out of line so that a profiler can collect it alone.
[[gnu::noinline]] TnTempos Processo(QStringList &gravado) {
  auto *processo = dynamic_cast<TmVoxDPArquivarDocs *>(CriarDM(QStringLiteral("TmVoxDPArquivarDocs")));
  if (!processo) Falhar(QStringLiteral("TmVoxDPArquivarDocs não registrado"));
  processo->SetChamadoPorOutro(true);
  TnpqPowerParam &p = processo->npqPowerParam();
  p.Param(QStringLiteral("pCodigoCaixaPro"))->SetAsString(QStringLiteral("1"));
  p.Param(QStringLiteral("pSomenteArq"))->SetAsString(QStringLiteral("0"));
  const TnTempos tempos = CronometrarFases(
      [&] {
        processo->Executar();
        if (processo->nClientDataSet().RecordCount() != gNaoArquivados + gArquivados)
          Falhar(QStringLiteral("linhas listadas: %1").arg(processo->nClientDataSet().RecordCount()));
      },
      [&] { processo->actMarcarTodasExecute(nullptr); }, [&] { processo->actGravarExecute(nullptr); });
  if (!processo->MsgTreeLista().Raizes().empty()) Falhar(QStringLiteral("linhas puladas pelo processo"));
  nLiberarDM(processo);
  gravado = Gravado();
  return tempos;
}

// --- the floor

struct TnLinhaPiso {
  int Envelope;
  qint64 Documento;
  QDate Data;
  int Tipo;
  int Status;
};

QString SelectLista(int empresa, int estab) {
  const QString filtro = QStringLiteral(" and CODIGOEMPRESA = %1 AND CODIGOESTAB = %2 ").arg(empresa).arg(estab);
  return QStringLiteral(
             "select A.CODIGOENVELOPE ,A.CODIGODOCEMP ,D.DESCRDOCEMP ,D.DATALCTOPRO ,D.CODIGOTIPODOC ,cast(1 as "
             "Integer) STATUS ,T.GERARENVELOPE from PROTOCOLODOCARQUIVO A join PROTOCOLODOCEMP D on D.CODIGODOCEMP "
             "= A.CODIGODOCEMP join PROTOCOLOTIPODOC T on T.CODIGOTIPODOC = D.CODIGOTIPODOC where A.CODIGOCAIXA = "
             "? ") +
         filtro +
         QStringLiteral(
             " union select cast(0 as Integer) ENVELOPE ,D.CODIGODOCEMP ,D.DESCRDOCEMP ,D.DATALCTOPRO "
             ",D.CODIGOTIPODOC ,cast(2 as Integer) STATUS ,T.GERARENVELOPE from PROTOCOLODOCEMP D join "
             "PROTOCOLOTIPODOC T on T.CODIGOTIPODOC = D.CODIGOTIPODOC where D.ARQUIVADO = '0' ") +
         filtro + QStringLiteral(" order by 5, 6, 4 ");
}

std::vector<TnLinhaPiso> ListarPiso(QMap<int, QString> &descricoes) {
  TnQueryPiso caixa =
      Preparar(QStringLiteral("select CODIGOEMPRESA, CODIGOESTAB from PROTOCOLODOCCAIXA where CODIGOCAIXA = ?"));
  caixa.addBindValue(1);
  Exec(caixa);
  caixa.next();
  const int empresa = caixa.value(0).toInt();
  const int estab = caixa.value(1).toInt();
  caixa.finish();
  TnQueryPiso lista = Preparar(SelectLista(empresa, estab));
  // On PostgreSQL read whole before the type reads run beside it, as the
  // process's dataset reads it: the driver's forward-only result would be
  // lost to the next statement.
  if (nDMConexao()->Config().Tipo == TnTipoServidor::PostgreSQL) lista.setForwardOnly(false);
  lista.addBindValue(1);
  Exec(lista);
  TnQueryPiso tipo =
      Preparar(QStringLiteral("select GERARENVELOPE, DESCRTIPODOC from PROTOCOLOTIPODOC where CODIGOTIPODOC = ?"));
  int contador =
      Numero(QStringLiteral("select coalesce(max(CODIGOENVELOPE), 0) from PROTOCOLODOCENVELOPE where CODIGOCAIXA = 1"));
  int ultimoTipo = 0;
  int envelopeTipo = 0;
  int comum = 0;
  std::vector<TnLinhaPiso> linhas;
  while (lista.next()) {
    TnLinhaPiso l{lista.value(0).toInt(), lista.value(1).toLongLong(), lista.value(3).toDate(), lista.value(4).toInt(),
                  lista.value(5).toInt()};
    if (l.Status == 2) {
      if (lista.value(6).toString() == QLatin1String("1")) {
        if (l.Tipo != ultimoTipo) {
          ultimoTipo = l.Tipo;
          tipo.addBindValue(l.Tipo);
          Exec(tipo);
          if (tipo.next() && tipo.value(0).toString() == QLatin1String("1")) {
            envelopeTipo = ++contador;
            if (!descricoes.contains(envelopeTipo)) descricoes.insert(envelopeTipo, tipo.value(1).toString());
          }
        }
        l.Envelope = envelopeTipo;
      } else {
        if (comum == 0) comum = ++contador;
        l.Envelope = comum;
      }
    }
    linhas.push_back(l);
  }
  return linhas;
}

[[gnu::noinline]] TnTempos Piso(QStringList &gravado) {
  TnTempos tempos;
  QElapsedTimer relogio;
  relogio.start();
  QMap<int, QString> descricoes;
  std::vector<TnLinhaPiso> linhas = ListarPiso(descricoes);
  tempos.Listar = relogio.nsecsElapsed() / 1e6;
  relogio.restart();
  for (TnLinhaPiso &l : linhas)
    if (l.Status == 2) l.Status = 3;
  tempos.Marcar = relogio.nsecsElapsed() / 1e6;

  relogio.restart();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  TnQueryPiso estado = Preparar(QStringLiteral(
      "select D.ARQUIVADO ,D.DATALCTOPRO ,(select count(*) from PROTOCOLODOCARQUIVO A where A.CODIGODOCEMP = "
      "D.CODIGODOCEMP) ,(select coalesce(max(M.SEQDOCEMP), 0) from PROTOCOLODOCMOVIMENTO M where M.CODIGODOCEMP = "
      "D.CODIGODOCEMP) from PROTOCOLODOCEMP D where D.CODIGODOCEMP = ?"));
  TnQueryPiso existe = Preparar(
      QStringLiteral("select count(*) from PROTOCOLODOCENVELOPE where CODIGOCAIXA = ? and CODIGOENVELOPE = ?"));
  TnQueryPiso envelope = Preparar(
      QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA ,CODIGOENVELOPE ,DESCRENVELOPE) values (? ,? ,?)"));
  TnQueryPiso arquivo = Preparar(
      QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA ,CODIGOENVELOPE ,CODIGODOCEMP) values (? ,? ,?)"));
  TnQueryPiso flag = Preparar(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = ? where CODIGODOCEMP = ?"));
  TnQueryPiso mov = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP ,SEQDOCEMP ,OBSERVACAO ,TIPOLOCAL ,DATALCTOPRO ,DATAHORA "
      ",CODIGOUSUARIO ,ORIGEMDADO) values (? ,? ,? ,? ,? ,? ,? ,?)"));
  int ultimoEnvelope = 0;
  for (const TnLinhaPiso &l : linhas) {
    if (l.Status != 3) continue;
    estado.addBindValue(l.Documento);
    Exec(estado);
    if (!estado.next() || estado.value(0).toString() != QLatin1String("0") || estado.value(2).toInt() > 0) continue;
    const QDate data = estado.value(1).toDate();
    const int seq = estado.value(3).toInt() + 1;
    estado.finish();
    if (l.Envelope != ultimoEnvelope) {
      existe.addBindValue(1);
      existe.addBindValue(l.Envelope);
      Exec(existe);
      existe.next();
      const bool ha = existe.value(0).toInt() > 0;
      existe.finish();
      if (!ha) {
        envelope.addBindValue(1);
        envelope.addBindValue(l.Envelope);
        envelope.addBindValue(descricoes.value(l.Envelope));
        Exec(envelope);
      }
      ultimoEnvelope = l.Envelope;
    }
    arquivo.addBindValue(1);
    arquivo.addBindValue(l.Envelope);
    arquivo.addBindValue(l.Documento);
    Exec(arquivo);
    flag.addBindValue(QStringLiteral("1"));
    flag.addBindValue(l.Documento);
    Exec(flag);
    const QDateTime agora = nDMConexao()->Now();
    mov.addBindValue(l.Documento);
    mov.addBindValue(seq);
    mov.addBindValue(QStringLiteral("Arquivado em ") + agora.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) +
                     QStringLiteral("  -  Caixa 1"));
    mov.addBindValue(QStringLiteral("1"));
    mov.addBindValue(Banco(data));
    mov.addBindValue(Banco(agora));
    mov.addBindValue(nDMConexao()->CodigoUsuario());
    mov.addBindValue(2);
    Exec(mov);
  }
  db.commit();
  // Read again, as the screen does after its save.
  QMap<int, QString> novas;
  linhas = ListarPiso(novas);
  tempos.Gravar = relogio.nsecsElapsed() / 1e6;
  if (linhas.size() != static_cast<size_t>(gNaoArquivados + gArquivados)) Falhar(QStringLiteral("piso: lista"));
  gravado = Gravado();
  return tempos;
}

}  // namespace

int main(int argc, char **argv) {
  double fator = 1;
  const TnOpcoesBench opcoes = LerOpcoesFator(
      argc, argv,
      "uso: mVoxBenchArquivarDocs [--fator F] [--rodadas N] [--banco sqlite|postgresql]\n"
      "  --fator    tamanho do escritório (1 = 5.000 documentos a arquivar, 20 empresas de 5 filiais; de 0.25 a 2)\n",
      fator);
  Dimensionar(fator);
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPArquivarDocs"),
                                 QStringLiteral("bench-arquivar-docs.db"), opcoes);
  {
    const double montagem = MontarEscritorio([] { InserirEscritorio(); });
    std::printf(
        "%s, fator %.2f: %d filiais, %d tipos, caixa 1 da filial 1/1 com %d documentos a arquivar e %d "
        "arquivados, %d documentos nas outras filiais (montado em %.1f s); %d rodadas\n",
        opcoes.Engine(), fator, gEmpresas * kEstabsPorEmpresa, kTipos, gNaoArquivados, gArquivados,
        (gEmpresas * kEstabsPorEmpresa - 1) * kPorOutroEstab, montagem, opcoes.Rodadas);
    std::fflush(stdout);
  }

  const TnLados lados = RodarLados(
      opcoes.Rodadas, Piso, Processo,
      [](const char *quem) {
        if (Arquivados() != gNaoArquivados + gArquivados)
          Falhar(QStringLiteral("%1: linhas arquivadas").arg(QLatin1String(quem)));
      },
      Desfazer);
  std::printf("\nArquivar %d documentos na caixa 1 (%d envelopes novos)\n", gNaoArquivados, kTipos);
  ImprimirFases("TmVoxDPArquivarDocs", Resumir(lados.Processo), Resumir(lados.Piso), gNaoArquivados, "documento",
                opcoes);
  ImprimirMemoriaPico();
  return 0;
}
