// A large office's expected documents. At size factor 1 (--fator, 0.25 to 2):
// 1,000 establishments (100 companies of 10, all configured), 5 groups of 20 types out of 40 (a fifth of them not
// automatic; 75% monthly, 15% fortnightly, 10% every ten days; 70% in every
// month, 20% quarterly, 10% once a year), and the year before already stored
// as typed documents (≈250,000 rows).
//
// Three operations, each against a floor measured in the same run on the same
// database with plain prepared statements, the same reads and writes and the
// same value conversions, rows kept in plain structs:
//   - "Gerar Documento" over the twelve months of 2026 (≈164,000 inserts in
//     one transaction, a message per document);
//   - "Consulta de Documentos Pendentes" for June, with ≈18,000 expected
//     documents of which every other one is present;
//   - "Documentos Pendentes": the June list loaded, 5,000 rows marked and
//     saved (10,000 inserts in one transaction).
// Every figure scales with the factor. Each round runs both sides, the floor
// first in even rounds and the process first in odd ones; what the process
// wrote (every column of every row) or listed must be what the floor did.
// Prints, for each, the fastest round and the median of each side, their
// ratios (goal: at most 1.5 on SQLite, 2 on PostgreSQL), the time per row and
// how far the process's memory rose above what was resident before it.
//
//   mVoxBenchGerarDocumento [--fator F] [--rodadas N] [--banco sqlite|postgresql]
#include <QDate>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QStringView>
#include <algorithm>
#include <array>
#include <functional>
#include <cmath>
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

// The office's size: 100 companies at factor 1.
int gEmpresas = 100;
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

// The June documents received in one save: 5,000 at factor 1.
int gMarcados = 5000;

void Dimensionar(double fator) {
  gEmpresas = std::max(1, static_cast<int>(std::lround(100 * fator)));
  gMarcados = std::max(1, static_cast<int>(std::lround(5000 * fator)));
}

// --- the floor's own rule, written out
bool Ocorre(const QString &meses, int mes) {
  const QString procurado = QString::number(mes);
  for (QStringView token : QStringView(meses).split(u';'))
    if (token == procurado) return true;
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
  TnQueryPiso config =
      Preparar(QStringLiteral("insert into CFGESTABPRO (CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC, "
                              "FORMAENTREGA, MESMOENDERECOENT) values (?, ?, ?, '1', '1')"));
  for (int g = 1; g <= kGrupos; ++g)
    ExecDireto(
        QStringLiteral("insert into PROTOCOLOGRUPODOC (CODIGOGRUPODOC, DESCRGRUPODOC) values (%1, 'Grupo %1')").arg(g));
  TnQueryPiso tipo = Preparar(QStringLiteral(
      "insert into PROTOCOLOTIPODOC (CODIGOTIPODOC, DESCRTIPODOC, PERIODODIASDESCARTE, GERARAUTO, PERIODODOC, "
      "MESOCORRENCIA, GERARENVELOPE) values (?, ?, 365, ?, ?, ?, '0')"));
  for (int t = 1; t <= kTipos; ++t) {
    for (const QVariant &v : {QVariant(t), QVariant(QStringLiteral("Documento do tipo %1").arg(t)),
                              QVariant(t % 5 == 0 ? QStringLiteral("0") : QStringLiteral("1")),
                              QVariant(PeriodoDoTipo(t)), QVariant(MesesDoTipo(t))})
      tipo.addBindValue(v);
    Exec(tipo);
  }
  TnQueryPiso membro =
      Preparar(QStringLiteral("insert into PROTOCOLOGRUPOTIPODOC (CODIGOGRUPODOC, CODIGOTIPODOC) values (?, ?)"));
  for (int g = 1; g <= kGrupos; ++g)
    for (int i = 0; i < kTiposPorGrupo; ++i) {
      membro.addBindValue(g);
      membro.addBindValue(((g - 1) * 8 + i) % kTipos + 1);
      Exec(membro);
    }
  InserirEmpresas(gEmpresas, kEstabsPorEmpresa, [&](int e, int s) {
    config.addBindValue(e);
    config.addBindValue(s);
    config.addBindValue(GrupoDoEstab(e, s));
    Exec(config);
  });
  // The year before, typed by users on the expected days.
  TnQueryPiso doc = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, "
      "ARQUIVADO) values (?, ?, ?, ?, ?, ?, '0')"));
  qlonglong codigo = 0;
  for (int e = 1; e <= gEmpresas; ++e)
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

// Every column of the documents a generation wrote, in code order.
const QString kSQLGerados = QStringLiteral(
    "select * from PROTOCOLODOCEMP where DATALCTOPRO >= '2026-01-01' and ORIGEMDADO = 1 order by CODIGODOCEMP");

// A line of the floor's messages: its kind, text and depth, as the process's
// message tree shows it.
struct TnMensagem {
  int Tipo;
  int Nivel;
  QString Texto;
};

QStringList Linhas(const std::vector<TnMensagem> &mensagens) {
  QStringList linhas;
  for (const TnMensagem &m : mensagens)
    linhas << QString(2 * m.Nivel, u' ') + QString::number(m.Tipo) + u' ' + m.Texto;
  return linhas;
}

// The run's time; `memoria` gets how far the memory rose while it ran (its
// message tree included), before `mensagens` are copied out.
double GerarProcesso(TnDialogosRoteiro &dialogos, double &memoria, QStringList *mensagens) {
  auto *p = dynamic_cast<TmVoxDPGerarDocumento *>(CriarDM(QStringLiteral("TmVoxDPGerarDocumento")));
  if (!p) Falhar(QStringLiteral("TmVoxDPGerarDocumento não registrado"));
  TnpqPowerParam &params = p->npqPowerParam();
  params.Param(QStringLiteral("pCompetInicial"))->SetAsString(QStringLiteral("01/2026"));
  params.Param(QStringLiteral("pCompetFinal"))->SetAsString(QStringLiteral("12/2026"));
  params.Param(QStringLiteral("pCodigoEmpresa"))->SetAsString(QStringLiteral("1-%1").arg(gEmpresas));
  dialogos.Responder(0);
  QElapsedTimer relogio;
  double ms = 0;
  memoria = PicoDurante([&] {
    relogio.start();
    try {
      p->Executar();
    } catch (const Exception &e) {
      Falhar(e.message());
    }
    ms = relogio.nsecsElapsed() / 1e6;
  });
  if (mensagens) *mensagens = p->MsgTreeLista().Linhas();
  nLiberarDM(p);
  return ms;
}

double GerarPiso(std::vector<TnMensagem> &mensagens) {
  QElapsedTimer relogio;
  relogio.start();
  mensagens.clear();
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  const QVariant inicio = Banco(QDate(2026, 1, 1));
  const QVariant fim = Banco(QDate(2026, 12, 31));
  struct TnEstab {
    int Empresa, Estab;
    QString Nome, Apelido;
  };
  std::vector<TnEstab> estabs;
  TnQueryPiso lista = Preparar(QStringLiteral(
      "select S.CODIGOEMPRESA, S.CODIGOESTAB, E.NOMEEMPRESA, coalesce(nullif(S.APELIDOESTAB, ''), S.NOMEESTAB) from "
      "ESTAB S join EMPRESA E on E.CODIGOEMPRESA = S.CODIGOEMPRESA where E.ATIVA = '1' and S.CODIGOEMPRESA between ? "
      "and ? and (S.DATAINICIOATIV is null or S.DATAINICIOATIV <= ?) and (S.DATAFIMATIV is null or S.DATAFIMATIV >= ?) "
      "order by S.CODIGOEMPRESA, S.CODIGOESTAB"));
  for (const QVariant &v : {QVariant(1), QVariant(gEmpresas), fim, inicio}) lista.addBindValue(v);
  Exec(lista);
  while (lista.next())
    estabs.push_back(
        {lista.value(0).toInt(), lista.value(1).toInt(), lista.value(2).toString(), lista.value(3).toString()});
  QHash<qint64, int> grupos;
  TnQueryPiso cfg = Preparar(QStringLiteral(
      "select CODIGOEMPRESA, CODIGOESTAB, CODIGOGRUPODOC from CFGESTABPRO where CODIGOEMPRESA between ? and ?"));
  cfg.addBindValue(1);
  cfg.addBindValue(gEmpresas);
  Exec(cfg);
  while (cfg.next()) grupos.insert(cfg.value(0).toLongLong() << 32 | cfg.value(1).toInt(), cfg.value(2).toInt());
  TnQueryPiso apagar = Preparar(QStringLiteral(
      "delete from PROTOCOLODOCEMP where DATALCTOPRO between ? and ? and ORIGEMDADO = 1 and (ARQUIVADO is null or "
      "ARQUIVADO <> '1') and not exists (select 1 from PROTOCOLODOCMOVIMENTO M where M.CODIGODOCEMP = "
      "PROTOCOLODOCEMP.CODIGODOCEMP) and not exists (select 1 from PROTOCOLOITEM I where I.CODIGODOCEMP = "
      "PROTOCOLODOCEMP.CODIGODOCEMP) and not exists (select 1 from PROTOCOLODOCARQUIVO A where A.CODIGODOCEMP = "
      "PROTOCOLODOCEMP.CODIGODOCEMP) and CODIGOEMPRESA between ? and ?"));
  for (const QVariant &v : {inicio, fim, QVariant(1), QVariant(gEmpresas)}) apagar.addBindValue(v);
  Exec(apagar);
  // The generated documents the deletion spared (none here) are not made again.
  QSet<QString> mantidos;
  TnQueryPiso lerMantidos = Preparar(QStringLiteral(
      "select CODIGOEMPRESA, CODIGOESTAB, CODIGOTIPODOC, DATALCTOPRO from PROTOCOLODOCEMP where DATALCTOPRO between ? "
      "and ? and ORIGEMDADO = 1 and CODIGOEMPRESA between ? and ?"));
  for (const QVariant &v : {inicio, fim, QVariant(1), QVariant(gEmpresas)}) lerMantidos.addBindValue(v);
  Exec(lerMantidos);
  const auto chave = [](int empresa, int estab, int tipo, const QDate &data) {
    return QStringLiteral("%1;%2;%3;%4").arg(empresa).arg(estab).arg(tipo).arg(data.toJulianDay());
  };
  while (lerMantidos.next())
    mantidos.insert(chave(lerMantidos.value(0).toInt(), lerMantidos.value(1).toInt(), lerMantidos.value(2).toInt(),
                          lerMantidos.value(3).toDate()));
  qlonglong codigo = Numero(QStringLiteral("select max(CODIGODOCEMP) from PROTOCOLODOCEMP"));
  struct TnTipo {
    int Codigo;
    QString Descricao;
    std::vector<std::vector<QDate>> DatasPorMes;  // of each month, as every establishment expects them
  };
  QHash<int, std::vector<TnTipo>> tipos;
  TnQueryPiso tiposGrupo = Preparar(QStringLiteral(
      "select PT.CODIGOTIPODOC, PT.PERIODODOC, PT.MESOCORRENCIA, PT.DESCRTIPODOC from PROTOCOLOTIPODOC PT join "
      "PROTOCOLOGRUPOTIPODOC PG on PG.CODIGOTIPODOC = PT.CODIGOTIPODOC where PG.CODIGOGRUPODOC = ? and PT.GERARAUTO = "
      "'1' order by PT.CODIGOTIPODOC"));
  TnQueryPiso inserir = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, ORIGEMDADO, "
      "DESCRDOCEMP, ARQUIVADO) values (?, ?, ?, ?, ?, ?, ?, ?)"));
  int empresaAnterior = 0;
  for (const TnEstab &s : estabs) {
    if (s.Empresa != empresaAnterior) {
      mensagens.push_back({4, 0, QStringLiteral("Empresa: %1 - %2").arg(s.Empresa).arg(s.Nome)});
      empresaAnterior = s.Empresa;
    }
    mensagens.push_back({4, 1, QStringLiteral("Filial: %1 - %2").arg(s.Estab).arg(s.Apelido)});
    const auto grupo = grupos.constFind(qint64(s.Empresa) << 32 | s.Estab);
    if (grupo == grupos.constEnd()) continue;
    if (!tipos.contains(*grupo)) {
      std::vector<TnTipo> &lista = tipos[*grupo];
      tiposGrupo.addBindValue(*grupo);
      Exec(tiposGrupo);
      while (tiposGrupo.next()) {
        TnTipo tipo{tiposGrupo.value(0).toInt(), tiposGrupo.value(3).toString(), {}};
        for (int k = 0; k < 12; ++k)
          tipo.DatasPorMes.push_back(
              Datas(QDate(2026, 1 + k, 1), tiposGrupo.value(1).toInt(), tiposGrupo.value(2).toString()));
        lista.push_back(std::move(tipo));
      }
    }
    for (const TnTipo &t : tipos[*grupo])
      for (const std::vector<QDate> &datas : t.DatasPorMes)
        for (const QDate &d : datas) {
          if (!mantidos.isEmpty() && mantidos.contains(chave(s.Empresa, s.Estab, t.Codigo, d))) continue;
          for (const QVariant &v : {QVariant(++codigo), QVariant(t.Codigo), QVariant(s.Empresa), QVariant(s.Estab),
                                    Banco(d), QVariant(1), QVariant(t.Descricao), QVariant(QStringLiteral("0"))})
            inserir.addBindValue(v);
          Exec(inserir);
          mensagens.push_back({5, 2, QStringLiteral("Documento Número: %1 gerado.").arg(codigo)});
        }
  }
  db.commit();
  mensagens.push_back({5, 0, QStringLiteral("Operação concluída com sucesso!")});
  return relogio.nsecsElapsed() / 1e6;
}

// --- consultation

// A row of the pending documents.
struct TnPendente {
  int Empresa, Estab, Tipo;
  QDate Data;
  QString Descricao;
  qlonglong Codigo;
  bool Recebido = false;
};

struct TnChave {
  int Empresa, Estab, Tipo;
  bool operator==(const TnChave &) const = default;
};
size_t qHash(const TnChave &chave, size_t semente = 0) {
  return qHashMulti(semente, chave.Empresa, chave.Estab, chave.Tipo);
}

std::vector<TnPendente> ConsultarPiso() {
  TnQueryPiso docs = Preparar(QStringLiteral(
      "select CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP from PROTOCOLODOCEMP C "
      "where DATALCTOPRO between ? and ?"));
  docs.addBindValue(Banco(kJunho));
  docs.addBindValue(Banco(QDate(2026, 6, 30)));
  qlonglong codigo = Numero(QStringLiteral("select max(CODIGODOCEMP) from PROTOCOLODOCEMP")) + 1;
  Exec(docs);
  QHash<TnChave, std::vector<QDate>> presentes;
  while (docs.next())
    presentes[TnChave{docs.value(2).toInt(), docs.value(3).toInt(), docs.value(1).toInt()}].push_back(
        docs.value(4).toDate());
  TnQueryPiso pares = Preparar(QStringLiteral(
      "select C.CODIGOEMPRESA ,C.CODIGOESTAB ,C.CODIGOGRUPODOC ,T.CODIGOTIPODOC ,T.DESCRTIPODOC ,T.PERIODODIASDESCARTE "
      ",T.GERARAUTO ,T.PERIODODOC ,T.MESOCORRENCIA ,T.GERARENVELOPE from PROTOCOLOTIPODOC T join PROTOCOLOGRUPOTIPODOC "
      "G on T.CODIGOTIPODOC = G.CODIGOTIPODOC join CFGESTABPRO C on C.CODIGOGRUPODOC = G.CODIGOGRUPODOC order by "
      "C.CODIGOEMPRESA, C.CODIGOESTAB, T.CODIGOTIPODOC"));
  Exec(pares);
  std::vector<TnPendente> pendentes;
  while (pares.next()) {
    if (pares.value(6).toString().trimmed() != QLatin1String("1")) continue;
    const int periodo = pares.value(7).toInt();
    const int passo = periodo == 1 ? 0 : (periodo == 2 ? 15 : 10);
    const std::vector<QDate> esperadas = Datas(kJunho, periodo, pares.value(8).toString());
    if (esperadas.empty()) continue;
    const TnChave chave{pares.value(0).toInt(), pares.value(1).toInt(), pares.value(3).toInt()};
    const auto achados = presentes.constFind(chave);
    for (const QDate &d : esperadas) {
      bool satisfeita = false;
      if (achados != presentes.constEnd())
        for (const QDate &p : *achados)
          if (passo == 0 ? p.month() == d.month() && p.year() == d.year() : qAbs(p.daysTo(d)) < passo) {
            satisfeita = true;
            break;
          }
      if (!satisfeita)
        pendentes.push_back({chave.Empresa, chave.Estab, chave.Tipo, d, pares.value(4).toString(), codigo++});
    }
  }
  return pendentes;
}

// Fails at the first row where the process's result differs from the floor's.
void CompararPendentes(TnClientDataSet &dados, const std::vector<TnPendente> &piso) {
  if (dados.RecordCount() != static_cast<int>(piso.size()))
    Falhar(QStringLiteral("pendentes: processo %1, piso %2").arg(dados.RecordCount()).arg(piso.size()));
  const TnField *empresa = dados.FieldByName(QStringLiteral("CODIGOEMPRESA"));
  const TnField *estab = dados.FieldByName(QStringLiteral("CODIGOESTAB"));
  const TnField *tipo = dados.FieldByName(QStringLiteral("CODIGOTIPODOC"));
  const TnField *data = dados.FieldByName(QStringLiteral("DATALCTO"));
  const TnField *descricao = dados.FieldByName(QStringLiteral("DESCRDOCEMP"));
  const TnField *codigo = dados.FieldByName(QStringLiteral("CODIGODOCUMENTO"));
  size_t i = 0;
  for (dados.First(); !dados.Eof(); dados.Next(), ++i) {
    const TnPendente &p = piso[i];
    if (empresa->AsInteger() != p.Empresa || estab->AsInteger() != p.Estab || tipo->AsInteger() != p.Tipo ||
        data->AsDate() != p.Data || descricao->AsString() != p.Descricao || codigo->AsLargeInt() != p.Codigo)
      Falhar(QStringLiteral("pendentes diferentes na linha %1: processo %2;%3;%4;%5;%6;%7, piso %8;%9;%10;%11;%12;%13")
                 .arg(i + 1)
                 .arg(empresa->AsInteger())
                 .arg(estab->AsInteger())
                 .arg(tipo->AsInteger())
                 .arg(data->AsDate().toString(Qt::ISODate), descricao->AsString())
                 .arg(codigo->AsLargeInt())
                 .arg(p.Empresa)
                 .arg(p.Estab)
                 .arg(p.Tipo)
                 .arg(p.Data.toString(Qt::ISODate), p.Descricao)
                 .arg(p.Codigo));
  }
}

// --- reception

// Every column of what a save wrote: the received documents, then their
// movements.
const QString kSQLRecebidos = QStringLiteral(
    "select * from PROTOCOLODOCEMP where ORIGEMDADO is null and DATALCTOPRO >= '2026-01-01' order by CODIGODOCEMP");
const QString kSQLMovimentos =
    QStringLiteral("select * from PROTOCOLODOCMOVIMENTO order by CODIGODOCEMP, SEQDOCEMP");

// The floor's save: the marked rows found and checked, each written as a
// document with its first movement in one transaction, then taken off the
// list.
void GravarPiso(std::vector<TnPendente> &lista) {
  std::vector<size_t> marcados;
  for (size_t i = 0; i < lista.size(); ++i)
    if (lista[i].Recebido) marcados.push_back(i);
  for (size_t i : marcados)
    if (!lista[i].Data.isValid() || lista[i].Descricao.size() > 50)
      Falhar(QStringLiteral("documento %1 incompleto").arg(lista[i].Codigo));
  QSqlDatabase db = nDMConexao()->Database();
  db.transaction();
  TnQueryPiso doc = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, "
      "ARQUIVADO) values (?, ?, ?, ?, ?, ?, ?)"));
  TnQueryPiso mov = Preparar(QStringLiteral(
      "insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, DATALCTOPRO, OBSERVACAO, DATAHORA, "
      "CODIGOUSUARIO, CODIGOUSUARIORESP, ORIGEMDADO) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
  const QVariant agora = Banco(nDMConexao()->Now());
  const int usuario = nDMConexao()->CodigoUsuario();
  for (size_t i : marcados) {
    const TnPendente &p = lista[i];
    for (const QVariant &v : {QVariant(p.Codigo), QVariant(p.Tipo), QVariant(p.Empresa), QVariant(p.Estab),
                              Banco(p.Data), QVariant(p.Descricao), QVariant(QStringLiteral("0"))})
      doc.addBindValue(v);
    Exec(doc);
    for (const QVariant &v :
         {QVariant(p.Codigo), QVariant(1), QVariant(QStringLiteral("1")), Banco(p.Data),
          QVariant(QStringLiteral("Documento recebido em: ") + p.Data.toString(QStringLiteral("dd/MM/yyyy"))), agora,
          QVariant(usuario), QVariant(QMetaType::fromType<int>()), QVariant(2)})
      mov.addBindValue(v);
    Exec(mov);
  }
  db.commit();
  std::erase_if(lista, [](const TnPendente &p) { return p.Recebido; });
}

void DesfazerRecebidos() {
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCMOVIMENTO"));
  ExecDireto(QStringLiteral("delete from PROTOCOLODOCEMP where ORIGEMDADO is null and DATALCTOPRO >= '2026-01-01'"));
}

void ImprimirFases(const char *nome, const QString &volume, const std::vector<TnTempos> &processos,
                   const std::vector<TnTempos> &pisos, const char *meta, qlonglong linhas) {
  const TnResumo<TnTempos> processo = Resumir(processos);
  const TnResumo<TnTempos> piso = Resumir(pisos);
  std::printf(
      "\n%s (%s)\n  processo, melhor rodada: listar %.1f ms, marcar %.1f ms, gravar %.1f ms, total %.1f ms; mediana "
      "%.1f ms\n  piso, melhor rodada: listar %.1f ms, marcar %.1f ms, gravar %.1f ms, total %.1f ms; mediana %.1f "
      "ms\n  razão processo/piso: %.2f pelas melhores, %.2f pelas medianas (meta: até %s); gravar: %.2f\n"
      "  por linha gravada (%lld): processo %.2f µs, piso %.2f µs\n",
      nome, volume.toUtf8().constData(), processo.Minimo.Listar, processo.Minimo.Marcar, processo.Minimo.Gravar,
      processo.Minimo.Total(), processo.Mediana, piso.Minimo.Listar, piso.Minimo.Marcar, piso.Minimo.Gravar,
      piso.Minimo.Total(), piso.Mediana, processo.Minimo.Total() / piso.Minimo.Total(), processo.Mediana / piso.Mediana,
      meta, processo.Minimo.Gravar / piso.Minimo.Gravar, linhas, processo.Minimo.Total() * 1000 / linhas,
      piso.Minimo.Total() * 1000 / linhas);
  std::fflush(stdout);
}

void ImprimirMemoria(double mb, const QString &resultado) {
  std::printf("  memória do processo: pico %.1f MB acima do residente antes dele (%s)\n", mb,
              resultado.toUtf8().constData());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv) {
  double fator = 1;
  const TnOpcoesBench opcoes = LerOpcoes(
      argc, argv,
      "uso: mVoxBenchGerarDocumento [--fator F] [--rodadas N] [--banco sqlite|postgresql]\n"
      "  --fator    tamanho do escritório (1 = 100 empresas de 10 filiais; de 0.25 a 2)\n",
      [&](const QString &opcao, const QString &valor) {
        bool ok = false;
        if (opcao == QLatin1String("--fator")) fator = valor.toDouble(&ok);
        return ok && fator >= 0.01 && fator <= 8;
      });
  Dimensionar(fator);
  const int rodadas = opcoes.Rodadas;
  const TnAmbienteBench ambiente(argc, argv, QStringLiteral("TmVoxDPGerarDocumento"),
                                 QStringLiteral("bench-gerar-documento.db"), opcoes);
  TnDialogosRoteiro dialogos;
  dialogos.SetAceitarMensagens(true);
  nSetDialogos(&dialogos);
  {
    const double montagem = MontarEscritorio([] { InserirEscritorio(); });
    std::printf(
        "%s, fator %.2f: %d filiais, %d tipos em %d grupos de %d, %lld documentos de 2025 (montado em %.1f s); %d "
        "rodadas\n",
        opcoes.Engine(), fator, gEmpresas * kEstabsPorEmpresa, kTipos, kGrupos, kTiposPorGrupo,
        Numero(QStringLiteral("select count(*) from PROTOCOLODOCEMP")), montagem, rodadas);
    std::fflush(stdout);
  }

  // The side that writes second in a round pays for the pages the first one
  // and the undoing left to the disk: the sides take turns going first.
  TnRodadas gerar;
  qlonglong gerados = 0;
  double memoriaGerar = 0;
  for (int r = 0; r < rodadas; ++r) {
    std::vector<TnMensagem> mensagensPiso;
    QStringList mensagens;
    double piso = 0, processo = 0, memoria = 0;
    const auto lados = std::array<std::function<void()>, 2>{
        [&] { piso = GerarPiso(mensagensPiso); },
        [&] { processo = GerarProcesso(dialogos, memoria, r == 0 ? &mensagens : nullptr); }};
    lados[r % 2]();
    const std::vector<quint64> primeiro = LinhasEscritas(kSQLGerados);
    Desfazer();
    lados[1 - r % 2]();
    if (r == 0) {
      memoriaGerar = memoria;
      CompararTextos("mensagens", mensagens, Linhas(mensagensPiso));
    }
    CompararLinhas("documentos gerados", primeiro, kSQLGerados);
    gerados = static_cast<qlonglong>(primeiro.size());
    if (r + 1 < rodadas) Desfazer();
    gerar.Anotar(processo, piso);
  }
  ImprimirPorLinha(gerar, "Gerar Documento, 12 meses", QStringLiteral("%1 documentos").arg(gerados), opcoes.Meta(),
                   gerados);
  ImprimirMemoria(memoriaGerar, QStringLiteral("%1 documentos e suas mensagens").arg(gerados));

  // Every other document of June goes missing.
  ExecDireto(
      QStringLiteral("delete from PROTOCOLODOCEMP where DATALCTOPRO between '2026-06-01' and '2026-06-30' and "
                     "CODIGODOCEMP % 2 = 0"));
  Analisar();
  const qlonglong presentes =
      Numero(QStringLiteral("select count(*) from PROTOCOLODOCEMP where DATALCTOPRO between '2026-06-01' and "
                            "'2026-06-30' and ORIGEMDADO = 1"));
  TnRodadas consultar;
  qlonglong pendentes = 0;
  double memoriaConsultar = 0;
  for (int r = 0; r < rodadas; ++r) {
    QElapsedTimer relogio;
    relogio.start();
    const std::vector<TnPendente> piso = ConsultarPiso();
    const double msPiso = relogio.nsecsElapsed() / 1e6;
    auto *c = dynamic_cast<TmVoxDPConsultaDocPendente *>(CriarDM(QStringLiteral("TmVoxDPConsultaDocPendente")));
    c->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("06/2026"));
    double msProcesso = 0;
    const double memoria = PicoDurante([&] {
      relogio.restart();
      try {
        c->Executar();
      } catch (const Exception &e) {
        Falhar(e.message());
      }
      msProcesso = relogio.nsecsElapsed() / 1e6;
    });
    if (r == 0) memoriaConsultar = memoria;
    CompararPendentes(c->nClientDataSet(), piso);
    pendentes = static_cast<qlonglong>(piso.size());
    nLiberarDM(c);
    consultar.Anotar(msProcesso, msPiso);
  }
  ImprimirPorLinha(consultar, "Consulta de Documentos Pendentes, junho",
                   QStringLiteral("%1 esperados, %2 presentes, %3 pendentes")
                       .arg(presentes + pendentes)
                       .arg(presentes)
                       .arg(pendentes),
                   opcoes.Meta(), presentes + pendentes);
  ImprimirMemoria(memoriaConsultar, QStringLiteral("%1 pendentes listados").arg(pendentes));

  std::vector<TnTempos> processos, pisos;
  double memoriaReceber = 0;
  for (int r = 0; r < rodadas; ++r) {
    size_t restantesPiso = 0, restantesProcesso = 0;
    double memoria = 0;
    const auto lados = std::array<std::function<void()>, 2>{
        [&] {
          std::vector<TnPendente> lista;
          pisos.push_back(CronometrarFases([&] { lista = ConsultarPiso(); },
                                           [&] {
                                             for (size_t i = 0; i < lista.size() && i < size_t(gMarcados); ++i)
                                               lista[i].Recebido = true;
                                           },
                                           [&] { GravarPiso(lista); }));
          restantesPiso = lista.size();
        },
        [&] {
          auto *p = dynamic_cast<TmVoxDPDocumentosPendentes *>(CriarDM(QStringLiteral("TmVoxDPDocumentosPendentes")));
          p->npqPowerParam().Param(QStringLiteral("pCompet"))->SetAsString(QStringLiteral("06/2026"));
          TnClientDataSet &grade = p->nClientDataSet();
          memoria = PicoDurante([&] {
            processos.push_back(CronometrarFases(
                [&] { p->Executar(); },
                [&] {
                  int marcados = 0;
                  for (grade.First(); !grade.Eof() && marcados < gMarcados; grade.Next(), ++marcados)
                    p->actMarcarExecute(nullptr);
                },
                [&] {
                  dialogos.Responder(0);
                  dialogos.Cancelar();
                  p->actGravarExecute(nullptr);
                }));
          });
          restantesProcesso = static_cast<size_t>(grade.RecordCount());
          nLiberarDM(p);
        }};
    lados[r % 2]();
    const std::vector<quint64> docs = LinhasEscritas(kSQLRecebidos);
    const std::vector<quint64> movs = LinhasEscritas(kSQLMovimentos);
    if (docs.size() != size_t(gMarcados) || movs.size() != size_t(gMarcados))
      Falhar(QStringLiteral("%1 gravou %2 documentos e %3 movimentos")
                 .arg(r % 2 ? QStringLiteral("processo") : QStringLiteral("piso"))
                 .arg(docs.size())
                 .arg(movs.size()));
    DesfazerRecebidos();
    lados[1 - r % 2]();
    if (r == 0) memoriaReceber = memoria;
    CompararLinhas("documentos recebidos", docs, kSQLRecebidos);
    CompararLinhas("movimentos", movs, kSQLMovimentos);
    if (restantesProcesso != restantesPiso)
      Falhar(QStringLiteral("restaram %1 pendentes, piso %2").arg(restantesProcesso).arg(restantesPiso));
    DesfazerRecebidos();
  }
  ImprimirFases("Documentos Pendentes, listar, marcar e gravar",
                QStringLiteral("%1 pendentes, %2 marcados, %3 inserções").arg(pendentes).arg(gMarcados).arg(2 * gMarcados),
                processos, pisos, opcoes.Meta(), gMarcados);
  ImprimirMemoria(memoriaReceber, QStringLiteral("%1 pendentes listados, %2 gravados").arg(pendentes).arg(gMarcados));

  TnRegistro::Instancia().DestruirTodos();
  nSetDialogos(nullptr);
  ImprimirMemoriaPico();
  return 0;
}
