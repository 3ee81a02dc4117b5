// Filing 5,000 documents into one box in one save through "Arquivar
// Documentos". The office: 100 establishments (20 companies of 5), 40
// document types that each get an envelope of their own, five years of
// documents: 5,000 unfiled ones of establishment 1/1 and 1,000 of it already
// filed in box 1 (envelopes 1..10), and 2,000 per other establishment
// (198,000). The process lists the box (its filed documents and the
// establishment's unfiled ones), every row is marked ("MarcarTodos") and
// saved: 40 new envelopes, 5,000 archive rows, flags and movement lines; the
// list is read again.
//
// The floor is the same work with plain prepared statements in the same run
// on the same file: the box read, the same list select, the type reads of
// the proposal, then per row the same stored-state read, envelope check and
// the same four writes in one transaction, and the list read again, with the
// rows kept in plain structs. Both sides' written rows are compared each
// round. Prints the fastest round of each side, the medians and their ratios
// (goal: at most 2).
//
//   mVoxBenchArquivarDocs [--rodadas N] [--banco sqlite|postgresql]
#include <QDate>
#include <QElapsedTimer>
#include <QMap>
#include <QSqlQuery>
#include <cstdio>
#include <vector>

#include "mVoxBench_U.h"
#include "mVoxDPArquivarDocs_U.h"
#include "nClientDataSet_U.h"
#include "npqParamItem_U.h"

namespace {

constexpr int kEmpresas = 20;
constexpr int kEstabsPorEmpresa = 5;
constexpr int kTipos = 40;
// Box 1, of establishment 1/1: documents to file and already filed.
constexpr int kNaoArquivados = 5000;
constexpr int kArquivados = 1000;
constexpr int kEnvelopesAntigos = 10;
// Documents of each other establishment.
constexpr int kPorOutroEstab = 2000;
const QDate kInicio(2021, 12, 1);

// --- the office

void InserirEscritorio() {
  InserirEmpresas(kEmpresas, kEstabsPorEmpresa);
  QSqlQuery tipo = Preparar(
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
  QSqlQuery envelope = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA, CODIGOENVELOPE, DESCRENVELOPE) values (1, ?, 'Antigo')"));
  for (int n = 1; n <= kEnvelopesAntigos; ++n) {
    envelope.addBindValue(n);
    Exec(envelope);
  }

  QSqlQuery doc =
      Preparar(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, "
                              "DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, ?, 2)"));
  QSqlQuery arquivo = Preparar(
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
  for (int i = 0; i < kNaoArquivados; ++i) documento(1, 1, i, false);
  for (int i = 0; i < kArquivados; ++i) {
    documento(1, 1, i, true);
    arquivo.addBindValue(i % kEnvelopesAntigos + 1);
    arquivo.addBindValue(codigo);
    Exec(arquivo);
  }
  for (int e = 1; e <= kEmpresas; ++e)
    for (int s = 1; s <= kEstabsPorEmpresa; ++s)
      if (e != 1 || s != 1)
        for (int i = 0; i < kPorOutroEstab; ++i) documento(e, s, i, i % 3 == 0);
}

// What a save wrote, for comparing the two sides.
QStringList Gravado() {
  QStringList linhas;
  QSqlQuery q(nDMConexao()->Database());
  q.exec(
      QStringLiteral("select A.CODIGOENVELOPE, A.CODIGODOCEMP, D.ARQUIVADO, M.SEQDOCEMP, M.TIPOLOCAL, "
                     "M.ORIGEMDADO, E.DESCRENVELOPE from PROTOCOLODOCARQUIVO A join PROTOCOLODOCEMP D on "
                     "D.CODIGODOCEMP = A.CODIGODOCEMP join PROTOCOLODOCENVELOPE E on E.CODIGOCAIXA = "
                     "A.CODIGOCAIXA and E.CODIGOENVELOPE = A.CODIGOENVELOPE left join PROTOCOLODOCMOVIMENTO M on "
                     "M.CODIGODOCEMP = A.CODIGODOCEMP where A.CODIGOCAIXA = 1 order by A.CODIGODOCEMP"));
  while (q.next()) {
    QStringList campos;
    for (int i = 0; i < 7; ++i) campos << q.value(i).toString();
    linhas << campos.join(u'|');
  }
  return linhas;
}

void Desfazer() {
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCMOVIMENTO"));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCARQUIVO where CODIGOCAIXA = 1 and CODIGODOCEMP <= %1")
                 .arg(kNaoArquivados));
  ExecDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = '0' where CODIGODOCEMP <= %1").arg(kNaoArquivados));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCENVELOPE where CODIGOENVELOPE > %1").arg(kEnvelopesAntigos));
}

// --- the process

TnTempos Processo(QStringList &gravado) {
  auto *processo = dynamic_cast<TmVoxDPArquivarDocs *>(CriarDM(QStringLiteral("TmVoxDPArquivarDocs")));
  if (!processo) Falhar(QStringLiteral("TmVoxDPArquivarDocs não registrado"));
  processo->SetChamadoPorOutro(true);
  TnpqPowerParam &p = processo->npqPowerParam();
  p.Param(QStringLiteral("pCodigoCaixaPro"))->SetAsString(QStringLiteral("1"));
  p.Param(QStringLiteral("pSomenteArq"))->SetAsString(QStringLiteral("0"));
  const TnTempos tempos = CronometrarFases(
      [&] {
        processo->Executar();
        if (processo->nClientDataSet().RecordCount() != kNaoArquivados + kArquivados)
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
  QSqlQuery caixa =
      Preparar(QStringLiteral("select CODIGOEMPRESA, CODIGOESTAB from PROTOCOLODOCCAIXA where CODIGOCAIXA = ?"));
  caixa.addBindValue(1);
  Exec(caixa);
  caixa.next();
  const int empresa = caixa.value(0).toInt();
  const int estab = caixa.value(1).toInt();
  caixa.finish();
  QSqlQuery lista = Preparar(SelectLista(empresa, estab));
  // On PostgreSQL read whole before the type reads run beside it, as the
  // process's dataset reads it: the driver's forward-only result would be
  // lost to the next statement.
  if (nDMConexao()->Config().Tipo == TnTipoServidor::PostgreSQL) lista.setForwardOnly(false);
  lista.addBindValue(1);
  Exec(lista);
  QSqlQuery tipo =
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

TnTempos Piso(QStringList &gravado) {
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
  QSqlQuery estado = Preparar(QStringLiteral(
      "select D.ARQUIVADO ,D.DATALCTOPRO ,(select count(*) from PROTOCOLODOCARQUIVO A where A.CODIGODOCEMP = "
      "D.CODIGODOCEMP) ,(select coalesce(max(M.SEQDOCEMP), 0) from PROTOCOLODOCMOVIMENTO M where M.CODIGODOCEMP = "
      "D.CODIGODOCEMP) from PROTOCOLODOCEMP D where D.CODIGODOCEMP = ?"));
  QSqlQuery existe = Preparar(
      QStringLiteral("select count(*) from PROTOCOLODOCENVELOPE where CODIGOCAIXA = ? and CODIGOENVELOPE = ?"));
  QSqlQuery envelope = Preparar(
      QStringLiteral("insert into PROTOCOLODOCENVELOPE (CODIGOCAIXA ,CODIGOENVELOPE ,DESCRENVELOPE) values (? ,? ,?)"));
  QSqlQuery arquivo = Preparar(
      QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA ,CODIGOENVELOPE ,CODIGODOCEMP) values (? ,? ,?)"));
  QSqlQuery flag = Preparar(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = ? where CODIGODOCEMP = ?"));
  QSqlQuery mov = Preparar(QStringLiteral(
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
  if (linhas.size() != static_cast<size_t>(kNaoArquivados + kArquivados)) Falhar(QStringLiteral("piso: lista"));
  gravado = Gravado();
  return tempos;
}

}  // namespace

int main(int argc, char **argv) {
  const TnOpcoesBench opcoes =
      LerOpcoes(argc, argv, "uso: mVoxBenchArquivarDocs [--rodadas N] [--banco sqlite|postgresql]\n");
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPArquivarDocs"),
                                 QStringLiteral("bench-arquivar-docs.db"), opcoes);
  {
    const double montagem = MontarEscritorio([] { InserirEscritorio(); });
    std::printf(
        "%s, escritório: %d filiais, %d tipos, caixa 1 da filial 1/1 com %d documentos a arquivar e %d "
        "arquivados, %d documentos nas outras filiais (montado em %.1f s); %d rodadas\n",
        opcoes.Engine(), kEmpresas * kEstabsPorEmpresa, kTipos, kNaoArquivados, kArquivados,
        (kEmpresas * kEstabsPorEmpresa - 1) * kPorOutroEstab, montagem, opcoes.Rodadas);
    std::fflush(stdout);
  }

  std::vector<TnTempos> processos;
  std::vector<TnTempos> pisos;
  QStringList gravadoProcesso;
  QStringList gravadoPiso;
  for (int r = 0; r < opcoes.Rodadas; ++r) {
    pisos.push_back(Piso(gravadoPiso));
    Desfazer();
    processos.push_back(Processo(gravadoProcesso));
    Desfazer();
    if (gravadoProcesso != gravadoPiso) Falhar(QStringLiteral("processo e piso gravaram linhas diferentes"));
    if (gravadoProcesso.size() != kNaoArquivados + kArquivados)
      Falhar(QStringLiteral("linhas arquivadas: %1").arg(gravadoProcesso.size()));
  }
  const TnResumo<TnTempos> processo = Resumir(processos);
  const TnResumo<TnTempos> piso = Resumir(pisos);
  std::printf("\nArquivar %d documentos na caixa 1 (%d envelopes novos)\n", kNaoArquivados, kTipos);
  std::printf(
      "  processo (TmVoxDPArquivarDocs), melhor rodada: listar %.1f ms, marcar todos %.1f ms, gravar %.1f ms, "
      "total %.1f ms; mediana %.1f ms\n",
      processo.Minimo.Listar, processo.Minimo.Marcar, processo.Minimo.Gravar, processo.Minimo.Total(),
      processo.Mediana);
  std::printf(
      "  piso (instruções simples), melhor rodada: ler %.1f ms, marcar %.1f ms, gravar %.1f ms, total %.1f ms; "
      "mediana %.1f ms\n",
      piso.Minimo.Listar, piso.Minimo.Marcar, piso.Minimo.Gravar, piso.Minimo.Total(), piso.Mediana);
  std::printf(
      "  razão processo/piso: %.2f pelas melhores, %.2f pelas medianas (meta: até 2.00); gravaram as "
      "mesmas linhas\n",
      processo.Minimo.Total() / piso.Minimo.Total(), processo.Mediana / piso.Mediana);
  ImprimirMemoriaPico();
  return 0;
}
