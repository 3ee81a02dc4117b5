// A large office's expected documents: 1,000 establishments (100 companies
// of 10, all configured), 5 groups of 20 types out of 40 (a fifth of them not
// automatic; 75% monthly, 15% fortnightly, 10% every ten days; 70% in every
// month, 20% quarterly, 10% once a year), and the year before already stored
// as typed documents (≈250,000 rows).
//
// Three operations, each against a floor measured in the same run on the same
// file with plain prepared statements, the same reads and writes and the same
// value conversions, rows kept in plain structs:
//   - "Gerar Documento" over the twelve months of 2026 (≈250,000 inserts in
//     one transaction, a message per document);
//   - "Consulta de Documentos Pendentes" for June, with ≈21,000 expected
//     documents of which every other one is present;
//   - "Documentos Pendentes": the June list loaded, 5,000 rows marked and
//     saved (10,000 inserts in one transaction).
// Prints, for each, the fastest round and the median of each side and their
// ratios (goal: at most 2).
//
//   mVoxBenchGerarDocumento [--rodadas N] [--banco sqlite|postgresql]
#include <QDate>
#include <QElapsedTimer>
#include <QHash>
#include <QSqlQuery>
#include <cstdio>
#include <vector>

#include "mVoxBench_U.h"
#include "mVoxDPConsultaDocPendente_U.h"
#include "mVoxDPDocumentosPendentes_U.h"
#include "mVoxDPGerarDocumento_U.h"
#include "nClientDataSet_U.h"
#include "nDialogosRoteiro_U.h"
#include "npqParamItem_U.h"

namespace {

// The month consulted and received.
const QDate kJunho(2026, 6, 1);

constexpr int kEmpresas = 100;
constexpr int kEstabsPorEmpresa = 10;
constexpr int kTipos = 40;
constexpr int kGrupos = 5;
constexpr int kTiposPorGrupo = 20;

int PeriodoDoTipo(int t) { return t % 20 < 15 ? 1 : (t % 20 < 18 ? 2 : 3); }
QString MesesDoTipo(int t) {
  const int m = t % 10;
  return m < 7 ? QStringLiteral("1;2;3;4;5;6;7;8;9;10;11;12")
               : (m < 9 ? QStringLiteral("3;6;9;12") : QStringLiteral("12"));
}
int GrupoDoEstab(int empresa, int estab) { return (empresa * kEstabsPorEmpresa + estab) % kGrupos + 1; }

// --- the floor's own rule, written out
bool Ocorre(const QString &meses, int mes) {
  for (const QString &token : meses.split(u';'))
    if (token == QString::number(mes)) return true;
  return false;
}
std::vector<QDate> Datas(const QDate &mes, int periodo, const QString &meses) {
  if (periodo < 1 || periodo > 3 || !Ocorre(meses, mes.month())) return {};
  const int passo = periodo == 1 ? 0 : (periodo == 2 ? 15 : 10);
  std::vector<QDate> datas;
  for (int i = 0; i < periodo; ++i) datas.push_back(mes.addDays(passo * i));
  return datas;
}

void InserirEscritorio() {
  QSqlQuery config =
      Preparar(QStringLiteral("insert into CFGESTABPRO (CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, "
                              "FORMAENTREGA, MESMOENDERECOENT) values (?, ?, ?, '1', '1')"));
  for (int g = 1; g <= kGrupos; ++g)
    ExecDireto(
        QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values (%1, 'Grupo %1')").arg(g));
  QSqlQuery tipo = Preparar(QStringLiteral(
      "insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, GERARAUTO, PERIODODOC, "
      "MESOCORRENCIA, GERARENVELOPE) values (?, ?, 365, ?, ?, ?, '0')"));
  for (int t = 1; t <= kTipos; ++t) {
    for (const QVariant &v : {QVariant(t), QVariant(QStringLiteral("Documento do tipo %1").arg(t)),
                              QVariant(t % 5 == 0 ? QStringLiteral("0") : QStringLiteral("1")),
                              QVariant(PeriodoDoTipo(t)), QVariant(MesesDoTipo(t))})
      tipo.addBindValue(v);
    Exec(tipo);
  }
  QSqlQuery membro =
      Preparar(QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (?, ?)"));
  for (int g = 1; g <= kGrupos; ++g)
    for (int i = 0; i < kTiposPorGrupo; ++i) {
      membro.addBindValue(g);
      membro.addBindValue(((g - 1) * 8 + i) % kTipos + 1);
      Exec(membro);
    }
  InserirEmpresas(kEmpresas, kEstabsPorEmpresa, [&](int e, int s) {
    config.addBindValue(e);
    config.addBindValue(s);
    config.addBindValue(GrupoDoEstab(e, s));
    Exec(config);
  });
  // The year before, typed by users on the expected days.
  QSqlQuery doc = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, "
      "ARQUIVADO) values (?, ?, ?, ?, ?, ?, '0')"));
  qlonglong codigo = 0;
  for (int e = 1; e <= kEmpresas; ++e)
    for (int s = 1; s <= kEstabsPorEmpresa; ++s)
      for (int i = 0; i < kTiposPorGrupo; ++i) {
        const int t = ((GrupoDoEstab(e, s) - 1) * 8 + i) % kTipos + 1;
        for (int m = 1; m <= 12; ++m)
          for (const QDate &d : Datas(QDate(2025, m, 1), PeriodoDoTipo(t), MesesDoTipo(t))) {
            for (const QVariant &v : {QVariant(++codigo), QVariant(t), QVariant(e), QVariant(s), Banco(d),
                                      QVariant(QStringLiteral("Documento do tipo %1").arg(t))})
              doc.addBindValue(v);
            Exec(doc);
          }
      }
}

// Removes what a generation of 2026 wrote.
void Desfazer() {
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCMOVIMENTO"));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCEMP where DATALCTOPRO >= '2026-01-01'"));
}

// --- generation

double GerarProcesso(TnDialogosRoteiro &dialogos) {
  auto *p = dynamic_cast<TmVoxDPGerarDocumento *>(CriarDM(QStringLiteral("TmVoxDPGerarDocumento")));
  if (!p) Falhar(QStringLiteral("TmVoxDPGerarDocumento não registrado"));
  TnpqPowerParam &params = p->npqPowerParam();
  params.Param(QStringLiteral("pCompetInicial"))->SetAsString(QStringLiteral("01/2026"));
  params.Param(QStringLiteral("pCompetFinal"))->SetAsString(QStringLiteral("12/2026"));
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1-%1").arg(kEmpresas));
  dialogos.Responder(0);
  QElapsedTimer relogio;
  relogio.start();
  p->Executar();
  const double ms = relogio.nsecsElapsed() / 1e6;
  nLiberarDM(p);
  return ms;
}

double GerarPiso() {
  QElapsedTimer relogio;
  relogio.start();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  const QVariant inicio = Banco(QDate(2026, 1, 1));
  const QVariant fim = Banco(QDate(2026, 12, 31));
  struct TnEstab {
    int Empresa, Estab;
    QString Nome, Apelido;
  };
  std::vector<TnEstab> estabs;
  QSqlQuery lista = Preparar(QStringLiteral(
      "select S.CODIGOEMPRESA, S.CODIGOESTAB, E.NOMEEMPRESA, coalesce(nullif(S.APELIDOESTAB, ''), S.NOMEESTAB) from "
      "ESTAB S join EMPRESA E on E.CODIGOEMPRESA = S.CODIGOEMPRESA where E.ATIVA = '1' and S.CODIGOEMPRESA between ? "
      "and ? and (S.DATAINICIOATIV is null or S.DATAINICIOATIV <= ?) and (S.DATAFIMATIV is null or S.DATAFIMATIV >= ?) "
      "order by S.CODIGOEMPRESA, S.CODIGOESTAB"));
  for (const QVariant &v : {QVariant(1), QVariant(kEmpresas), fim, inicio}) lista.addBindValue(v);
  Exec(lista);
  while (lista.next())
    estabs.push_back(
        {lista.value(0).toInt(), lista.value(1).toInt(), lista.value(2).toString(), lista.value(3).toString()});
  QHash<qint64, int> grupos;
  QSqlQuery cfg = Preparar(QStringLiteral(
      "select CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC from CFGESTABPRO where CODIGOEMPRESA between ? and ?"));
  cfg.addBindValue(1);
  cfg.addBindValue(kEmpresas);
  Exec(cfg);
  while (cfg.next()) grupos.insert(cfg.value(0).toLongLong() << 32 | cfg.value(1).toInt(), cfg.value(2).toInt());
  QSqlQuery apagar = Preparar(QStringLiteral(
      "delete from PROTOCOLODOCEMP where DATALCTOPRO between ? and ? and ORIGEMDADO = 1 and (ARQUIVADO is null or "
      "ARQUIVADO <> '1') and not exists (select 1 from PROTOCOLODOCMOVIMENTO M where M.CODIGODOCEMP = "
      "PROTOCOLODOCEMP.CODIGODOCEMP) and not exists (select 1 from PROTOCOLOITEM I where I.CODIGODOCEMP = "
      "PROTOCOLODOCEMP.CODIGODOCEMP) and not exists (select 1 from PROTOCOLODOCARQUIVO A where A.CODIGODOCEMP = "
      "PROTOCOLODOCEMP.CODIGODOCEMP) and CODIGOEMPRESA between ? and ?"));
  for (const QVariant &v : {inicio, fim, QVariant(1), QVariant(kEmpresas)}) apagar.addBindValue(v);
  Exec(apagar);
  QSqlQuery mantidos = Preparar(QStringLiteral(
      "select CODIGOEMPRESA, CODIGOESTAB, CODIGOTIPODOC, DATALCTOPRO from PROTOCOLODOCEMP where DATALCTOPRO between ? "
      "and ? and ORIGEMDADO = 1 and CODIGOEMPRESA between ? and ?"));
  for (const QVariant &v : {inicio, fim, QVariant(1), QVariant(kEmpresas)}) mantidos.addBindValue(v);
  Exec(mantidos);
  while (mantidos.next()) {
  }
  qlonglong codigo = Numero(QStringLiteral("select coalesce(max(CODIGODOCEMP), 0) from PROTOCOLODOCEMP"));
  struct TnTipo {
    int Codigo, Periodo;
    QString Meses, Descricao;
  };
  QHash<int, std::vector<TnTipo>> tipos;
  QSqlQuery tiposGrupo = Preparar(QStringLiteral(
      "select PT.CODIGOTIPODOC, PT.PERIODODOC, PT.MESOCORRENCIA, PT.DESCRTIPODOC from PROTOCOLOTIPODOC PT join "
      "PROTOCOLOGRUPOTIPODOC PG on PG.CODIGOTIPODOC = PT.CODIGOTIPODOC where PG.CODIGOGRUPODOC = ? and PT.GERARAUTO = "
      "'1' order by PT.CODIGOTIPODOC"));
  QSqlQuery inserir = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, ORIGEMDADO, "
      "DESCRDOCEMP, ARQUIVADO) values (?, ?, ?, ?, ?, ?, ?, ?)"));
  for (const TnEstab &s : estabs) {
    const auto grupo = grupos.constFind(qint64(s.Empresa) << 32 | s.Estab);
    if (grupo == grupos.constEnd()) continue;
    if (!tipos.contains(*grupo)) {
      std::vector<TnTipo> &lista = tipos[*grupo];
      tiposGrupo.addBindValue(*grupo);
      Exec(tiposGrupo);
      while (tiposGrupo.next())
        lista.push_back({tiposGrupo.value(0).toInt(), tiposGrupo.value(1).toInt(), tiposGrupo.value(2).toString(),
                         tiposGrupo.value(3).toString()});
    }
    for (const TnTipo &t : tipos[*grupo])
      for (int k = 0; k < 12; ++k)
        for (const QDate &d : Datas(QDate(2026, 1 + k, 1), t.Periodo, t.Meses)) {
          for (const QVariant &v : {QVariant(++codigo), QVariant(t.Codigo), QVariant(s.Empresa), QVariant(s.Estab),
                                    Banco(d), QVariant(1), QVariant(t.Descricao), QVariant(QStringLiteral("0"))})
            inserir.addBindValue(v);
          Exec(inserir);
        }
  }
  db.commit();
  return relogio.nsecsElapsed() / 1e6;
}

// --- consultation

// The June documents received in one save.
constexpr int kMarcados = 5000;

struct TnPendente {
  int Empresa, Estab, Tipo;
  QDate Data;
  QString Descricao;
  qlonglong Codigo;
};

std::vector<TnPendente> ConsultarPiso() {
  QSqlQuery docs = Preparar(QStringLiteral(
      "select CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP from PROTOCOLODOCEMP C "
      "where DATALCTOPRO between ? and ?"));
  docs.addBindValue(Banco(kJunho));
  docs.addBindValue(Banco(QDate(2026, 6, 30)));
  Exec(docs);
  QHash<QString, std::vector<QDate>> presentes;
  while (docs.next())
    presentes
        [QStringLiteral("%1;%2;%3").arg(docs.value(2).toInt()).arg(docs.value(3).toInt()).arg(docs.value(1).toInt())]
            .push_back(docs.value(4).toDate());
  qlonglong codigo = Numero(QStringLiteral("select coalesce(max(CODIGODOCEMP), 0) + 1 from PROTOCOLODOCEMP"));
  QSqlQuery pares = Preparar(QStringLiteral(
      "select C.CODIGOEMPRESA ,C.CODIGOESTAB ,C.CODIGOGRUPODOC ,T.CODIGOTIPODOC ,T.DESCRTIPODOC ,T.PERIODODIASDESCARTE "
      ",T.GERARAUTO ,T.PERIODODOC ,T.MESOCORRENCIA ,T.GERARENVELOPE from PROTOCOLOTIPODOC T join PROTOCOLOGRUPOTIPODOC "
      "G on T.CODIGOTIPODOC = G.CODIGOTIPODOC join CFGESTABPRO C on C.CODIGOGRUPODOC = G.CODIGOGRUPODOC order by "
      "C.CODIGOEMPRESA, C.CODIGOESTAB, T.CODIGOTIPODOC"));
  Exec(pares);
  std::vector<TnPendente> pendentes;
  while (pares.next()) {
    if (pares.value(6).toString() != QLatin1String("1")) continue;
    const int periodo = pares.value(7).toInt();
    const int passo = periodo == 1 ? 0 : (periodo == 2 ? 15 : 10);
    const int empresa = pares.value(0).toInt(), estab = pares.value(1).toInt(), tipo = pares.value(3).toInt();
    const auto achados = presentes.constFind(QStringLiteral("%1;%2;%3").arg(empresa).arg(estab).arg(tipo));
    for (const QDate &d : Datas(kJunho, periodo, pares.value(8).toString())) {
      bool satisfeita = false;
      if (achados != presentes.constEnd())
        for (const QDate &p : *achados)
          if (passo == 0 ? p.month() == d.month() && p.year() == d.year() : qAbs(p.daysTo(d)) < passo) {
            satisfeita = true;
            break;
          }
      if (!satisfeita) pendentes.push_back({empresa, estab, tipo, d, pares.value(4).toString(), codigo++});
    }
  }
  return pendentes;
}

double GravarPiso(const std::vector<TnPendente> &pendentes) {
  QElapsedTimer relogio;
  relogio.start();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  QSqlQuery doc = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, "
      "ARQUIVADO) values (?, ?, ?, ?, ?, ?, ?)"));
  QSqlQuery mov = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, DATALCTOPRO, OBSERVACAO, DATAHORA, "
      "CODIGOUSUARIO, CODIGOUSUARIORESP, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  const QVariant agora = Banco(nDMConexao()->Now());
  for (size_t i = 0; i < pendentes.size() && i < size_t(kMarcados); ++i) {
    const TnPendente &p = pendentes[i];
    for (const QVariant &v : {QVariant(p.Codigo), QVariant(p.Tipo), QVariant(p.Empresa), QVariant(p.Estab),
                              Banco(p.Data), QVariant(p.Descricao), QVariant(QStringLiteral("0"))})
      doc.addBindValue(v);
    Exec(doc);
    for (const QVariant &v :
         {QVariant(p.Codigo), QVariant(1), QVariant(QStringLiteral("1")), Banco(p.Data),
          QVariant(QStringLiteral("Documento recebido em: ") + p.Data.toString(QStringLiteral("dd/MM/yyyy"))), agora,
          QVariant(1), QVariant(QMetaType::fromType<int>()), QVariant(2)})
      mov.addBindValue(v);
    Exec(mov);
  }
  db.commit();
  return relogio.nsecsElapsed() / 1e6;
}

void DesfazerRecebidos() {
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCMOVIMENTO"));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCEMP where ORIGEMDADO is null and DATALCTOPRO >= '2026-01-01'"));
}

}  // namespace

int main(int argc, char **argv) {
  const TnOpcoesBench opcoes =
      LerOpcoes(argc, argv, "uso: mVoxBenchGerarDocumento [--rodadas N] [--banco sqlite|postgresql]\n");
  const int rodadas = opcoes.Rodadas;
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPGerarDocumento"),
                                 QStringLiteral("bench-gerar-documento.db"), opcoes);
  TnDialogosRoteiro dialogos;
  dialogos.SetAceitarMensagens(true);
  nSetDialogos(&dialogos);
  {
    const double montagem = MontarEscritorio([] { InserirEscritorio(); });
    std::printf(
        "%s, escritório: %d filiais, %d tipos em %d grupos de %d, %lld documentos de 2025 (montado em %.1f s); %d "
        "rodadas\n",
        opcoes.Engine(), kEmpresas * kEstabsPorEmpresa, kTipos, kGrupos, kTiposPorGrupo,
        Numero(QStringLiteral("select count(*) from PROTOCOLODOCEMP")), montagem, rodadas);
    std::fflush(stdout);
  }

  TnRodadas gerar;
  qlonglong gerados = 0;
  for (int r = 0; r < rodadas; ++r) {
    const double piso = GerarPiso();
    const qlonglong doPiso = Numero(QStringLiteral("select count(*) from PROTOCOLODOCEMP where ORIGEMDADO = 1"));
    Desfazer();
    const double processo = GerarProcesso(dialogos);
    gerados = Numero(QStringLiteral("select count(*) from PROTOCOLODOCEMP where ORIGEMDADO = 1"));
    if (gerados != doPiso) Falhar(QStringLiteral("gerados: processo %1, piso %2").arg(gerados).arg(doPiso));
    if (r + 1 < rodadas) Desfazer();
    gerar.Anotar(processo, piso);
  }
  gerar.Imprimir("Gerar Documento, 12 meses", QStringLiteral("%1 documentos").arg(gerados));

  // Every other document of June goes missing.
  ExecDireto(
      QStringLiteral("delete from PROTOCOLODOCEMP where DATALCTOPRO between '2026-06-01' and '2026-06-30' and "
                     "CODIGODOCEMP % 2 = 0"));
  const qlonglong esperados =
      Numero(QStringLiteral("select count(*) from PROTOCOLODOCEMP where DATALCTOPRO between '2026-06-01' and "
                            "'2026-06-30' and ORIGEMDADO = 1"));
  TnRodadas consultar;
  size_t pendentes = 0;
  for (int r = 0; r < rodadas; ++r) {
    QElapsedTimer relogio;
    relogio.start();
    const std::vector<TnPendente> piso = ConsultarPiso();
    const double msPiso = relogio.nsecsElapsed() / 1e6;
    auto *c = dynamic_cast<TmVoxDPConsultaDocPendente *>(CriarDM(QStringLiteral("TmVoxDPConsultaDocPendente")));
    c->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("06/2026"));
    relogio.restart();
    c->Executar();
    const double msProcesso = relogio.nsecsElapsed() / 1e6;
    pendentes = static_cast<size_t>(c->nClientDataSet().RecordCount());
    if (pendentes != piso.size())
      Falhar(QStringLiteral("pendentes: processo %1, piso %2").arg(pendentes).arg(piso.size()));
    nLiberarDM(c);
    consultar.Anotar(msProcesso, msPiso);
  }
  consultar.Imprimir("Consulta de Documentos Pendentes, junho",
                     QStringLiteral("%1 esperados, %2 presentes, %3 pendentes")
                         .arg(esperados + pendentes)
                         .arg(esperados)
                         .arg(pendentes));

  TnRodadas receber;
  for (int r = 0; r < rodadas; ++r) {
    const double piso = GravarPiso(ConsultarPiso());
    DesfazerRecebidos();
    auto *p = dynamic_cast<TmVoxDPDocumentosPendentes *>(CriarDM(QStringLiteral("TmVoxDPDocumentosPendentes")));
    p->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("06/2026"));
    p->Executar();
    TnClientDataSet &grade = p->nClientDataSet();
    int marcados = 0;
    for (grade.First(); !grade.Eof() && marcados < kMarcados; grade.Next(), ++marcados) p->actMarcarExecute(nullptr);
    dialogos.Responder(0);
    dialogos.Cancelar();
    QElapsedTimer relogio;
    relogio.start();
    p->actGravarExecute(nullptr);
    const double processo = relogio.nsecsElapsed() / 1e6;
    if (Numero(QStringLiteral("select count(*) from PROTOCOLODOCMOVIMENTO")) != kMarcados)
      Falhar(QStringLiteral("movimentos gravados diferentes de %1").arg(kMarcados));
    nLiberarDM(p);
    DesfazerRecebidos();
    receber.Anotar(processo, piso);
  }
  receber.Imprimir("Documentos Pendentes, gravar",
                   QStringLiteral("%1 documentos marcados, %2 inserções").arg(kMarcados).arg(2 * kMarcados));

  TnRegistro::Instancia().DestruirTodos();
  nSetDialogos(nullptr);
  ImprimirMemoriaPico();
  return 0;
}
