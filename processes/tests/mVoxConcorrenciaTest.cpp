// Many users at once, and a save killed halfway, each user a process of its
// own running this program as a worker (MVOX_TRABALHO names the work) on the
// test's database:
//  - users generating and saving protocols, withdrawing them and cancelling
//    items at the same time: no protocol number twice, no item lost or
//    duplicated, no debit, invoice or bank slip in two open protocols,
//    every save done or refused whole with a message of the system's own
//    (never the driver's text, never a lock that reached the user);
//  - a generation save killed with SIGKILL at a random statement of its
//    transaction: on reopen the database is as it was before, and a save
//    afterwards works.
// The default run is bounded; MVOX_CONFIABILIDADE_COMPLETA=1 runs the full
// size (more rounds per user, 50 kills).
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "mVoxDMProtocoloItem_U.h"
#include "mVoxDPBaixarProtocolo_U.h"
#include "mVoxGeracaoMarcadaTeste_U.h"
#include "mVoxPkTeste_U.h"
#include "mVoxSFuncoes_U.h"
#include "nDBGrid_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nFotoBanco_U.h"
#include "nFrmVisual_U.h"
#include "nParamsSalvosTeste_U.h"

namespace {

// The debits of every tax and payroll source, and the invoices (11) and bank
// slips (12) of the financial one.
const char *const kTodosOsTipos = "1;2;3;4;5;9;10;11;12";

bool Completo() { return qEnvironmentVariable("MVOX_CONFIABILIDADE_COMPLETA") == QLatin1String("1"); }

// --- the worker: one user in a process of its own

class TrabalhoFilho : public ::testing::Test {
 protected:
  void SetUp() override {
    FTrabalho = qEnvironmentVariable("MVOX_TRABALHO");
    if (FTrabalho.isEmpty()) GTEST_SKIP() << "só roda como processo filho";
    nDMConexao()->Conectar(TnConfigConexao::DoAmbiente());
    nDMConexao()->SetCodigoUsuario(1);
    nDMConexao()->SetRelogioFixo(QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    FSaida.setFileName(qEnvironmentVariable("MVOX_TRABALHO_ARQUIVO"));
    ASSERT_TRUE(FSaida.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
    FDialogos->SetAceitarMensagens(true);
  }
  void TearDown() override {
    TnRegistro::Instancia().DestruirTodos();
    nDMConexao()->Desconectar();
  }
  // One line of the report the parent reads.
  void Relatar(const QString &linha) {
    QString texto = linha;
    texto.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QString());
    FSaida.write((texto + u'\n').toUtf8());
    FSaida.flush();
  }
  template <class F>
  QString ErroDe(F &&chamada) {
    try {
      chamada();
    } catch (const Exception &e) {
      return e.message().isEmpty() ? QStringLiteral("(erro sem mensagem)") : e.message();
    }
    return {};
  }
  QString Respostas() {
    const QStringList textos = FDialogos->Textos();
    QStringList novos = textos.mid(FTextosVistos);
    FTextosVistos = static_cast<int>(textos.size());
    return novos.join(QStringLiteral(" / "));
  }

  // Generates, marks everything and saves: "G ok <protocol>:<items> ..." or
  // "G recusado <message>".
  void GerarEGravar() {
    QString erro;
    TmVoxDPGerarProtocolo *processo = GeracaoMarcada(QString::fromLatin1(kTodosOsTipos), QString(), QString(), erro);
    if (!processo || !erro.isEmpty()) {
      Relatar(QStringLiteral("G recusado ") + erro);
      return;
    }
    if (processo->ClientDataSet()->IsEmpty()) {
      Relatar(QStringLiteral("G vazio"));
      TnRegistro::Instancia().DestruirTodos();
      return;
    }
    erro = ErroDe([&] { processo->actGravarExecute(nullptr); });
    if (!erro.isEmpty()) {
      Relatar(QStringLiteral("G recusado ") + erro);
    } else {
      // The numbers this save wrote, as its message tree tells the user.
      static const QRegularExpression gerado(QStringLiteral("Protocolo (\\d+) gerado com sucesso"));
      QStringList gravados;
      for (const QString &linha : processo->MsgTreeLista().Linhas()) {
        const QRegularExpressionMatch m = gerado.match(linha);
        if (m.hasMatch()) gravados << m.captured(1);
      }
      Relatar(QStringLiteral("G ok ") + gravados.join(u' '));
    }
    TnRegistro::Instancia().DestruirTodos();
  }
  // Cancels one open item of a debit, chosen at random, in the protocol
  // register as the user does: "C ok|recusado <message>".
  void CancelarItem() {
    std::unique_ptr<TnClientDataSet> itens = ExecutarSQL(QStringLiteral(
        "select i.CODIGOPROTOCOLO, i.SEQITEMPRO from PROTOCOLOITEM i join PROTOCOLO p on p.CODIGOPROTOCOLO = "
        "i.CODIGOPROTOCOLO where i.CANCELADO = '0' and p.CANCELADO = '0' and p.DATAHORABAIXA is null and "
        "i.CHAVEORIGEM like 'D%'"));
    if (itens->IsEmpty()) return;
    itens->SetRecNo(1 + static_cast<int>(QRandomGenerator::global()->bounded(itens->RecordCount())));
    const qint64 protocolo = itens->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsLargeInt();
    const int seq = itens->FieldByName(QStringLiteral("SEQITEMPRO"))->AsInteger();
    auto *registro = dynamic_cast<TnDMClientDataSet *>(CriarDM(QStringLiteral("TmVoxDMProtocolo"), nullptr, QString()));
    QString erro;
    std::unique_ptr<TnFrmVisual> form;
    erro = ErroDe([&] {
      registro->Abrir();
      form.reset(registro->CriarForm());
      TmVoxDMProtocoloItem *detalhe = nullptr;
      for (TnDMClientDataSet *d : registro->Detalhes())
        if (auto *i = dynamic_cast<TmVoxDMProtocoloItem *>(d)) detalhe = i;
      if (!registro->nClientDataSet->Locate(QStringLiteral("CODIGOPROTOCOLO"), protocolo)) return;
      if (!detalhe || !detalhe->nClientDataSet->Locate(QStringLiteral("SEQITEMPRO"), seq)) return;
      detalhe->actCancelarItem(registro);
    });
    form.reset();
    Relatar((erro.isEmpty() ? QStringLiteral("C ok") : QStringLiteral("C recusado ") + erro) + QStringLiteral(" %1/%2 %3")
                                                                                              .arg(protocolo)
                                                                                              .arg(seq)
                                                                                              .arg(Respostas()));
    TnRegistro::Instancia().DestruirTodos();
  }

  // Withdraws one listed protocol, chosen at random: "B ok|recusado ...".
  void Baixar() {
    auto *processo = dynamic_cast<TmVoxDPBaixarProtocolo *>(CriarDM(QStringLiteral("TmVoxDPBaixarProtocolo")));
    processo->CriarForm();
    QString erro = ErroDe([&] { processo->ExecutarProcesso(); });
    TnClientDataSet &dados = processo->nClientDataSet();
    if (erro.isEmpty() && !dados.IsEmpty()) {
      dados.SetRecNo(1 + static_cast<int>(QRandomGenerator::global()->bounded(dados.RecordCount())));
      processo->nDBGrid()->PressionarTecla(nTeclaEnter);
      FDialogos->ResponderCampos({{QStringLiteral("Responsável Recebimento"), QStringLiteral("João")},
                                  {QStringLiteral("Usuário Entrega"), QStringLiteral("2")},
                                  {QStringLiteral("Data Entrega"), QStringLiteral("30/11/2026")},
                                  {QStringLiteral("Hora Entrega"), QStringLiteral("16:45")}});
      erro = ErroDe([&] { processo->actGravarExecute(nullptr); });
      Relatar((erro.isEmpty() ? QStringLiteral("B ok") : QStringLiteral("B recusado ") + erro) + u' ' + Respostas());
    }
    TnRegistro::Instancia().DestruirTodos();
  }

  QString FTrabalho;
  QFile FSaida;
  TnDialogosTeste FDialogos;
  TnParamsSalvosTeste FParams;
  int FTextosVistos = 0;
};

TEST_F(TrabalhoFilho, Trabalhar) {
  if (FTrabalho == QLatin1String("concorrente")) {
    const int rodadas = qEnvironmentVariableIntValue("MVOX_TRABALHO_RODADAS");
    for (int r = 0; r < rodadas; ++r) {
      GerarEGravar();
      CancelarItem();
      Baixar();
    }
    Relatar(QStringLiteral("fim"));
  } else if (FTrabalho == QLatin1String("matar")) {
    // Counts the save's statements with its COMMIT refused (nothing is
    // kept, the screen stays), then saves again and dies at a statement
    // chosen by the seed, before it runs.
    QString erro;
    TmVoxDPGerarProtocolo *processo = GeracaoMarcada(QString::fromLatin1(kTodosOsTipos), QString(), QString(), erro);
    ASSERT_EQ(erro, QString());
    int contadas = 0;
    nDMConexao()->SetAntesDeExecutar([&](const QString &sql) {
      if (!nDMConexao()->EmTransacao() && sql != QLatin1String("BEGIN") && sql != QLatin1String("COMMIT")) return;
      ++contadas;
      if (sql == QLatin1String("COMMIT")) throw Exception(QStringLiteral("contagem"));
    });
    ASSERT_EQ(ErroDe([&] { processo->actGravarExecute(nullptr); }).endsWith(QStringLiteral("contagem")), true);
    const int total = contadas;
    const int alvo = 1 + static_cast<int>(qEnvironmentVariableIntValue("MVOX_TRABALHO_SEMENTE") % total);
    Relatar(QStringLiteral("%1 %2").arg(total).arg(alvo));
    contadas = 0;
    nDMConexao()->SetAntesDeExecutar([&](const QString &sql) {
      if (!nDMConexao()->EmTransacao() && sql != QLatin1String("BEGIN") && sql != QLatin1String("COMMIT")) return;
      if (++contadas == alvo) ::kill(::getpid(), SIGKILL);
    });
    erro = ErroDe([&] { processo->actGravarExecute(nullptr); });
    nDMConexao()->SetAntesDeExecutar(nullptr);
    Relatar(QStringLiteral("sobreviveu ") + erro);
  } else if (FTrabalho == QLatin1String("gravar")) {
    GerarEGravar();
  }
}

// --- the parent: the users at once, and the checks on what they left

class ConfiabilidadeTeste : public TmVoxCadastroTeste {
 protected:
  // Runs `quantos` workers at once on this test's database; each one's
  // report lines. A worker that does not end by itself fails the test,
  // unless `morrer` (it must then die by a signal).
  QList<QStringList> Trabalhadores(const QString &trabalho, int quantos, const QMap<QString, QString> &extra = {},
                                   bool morrer = false) {
    const TnConfigConexao config = nDMConexao()->Config();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("MVOX_TRABALHO"), trabalho);
    if (config.Tipo == TnTipoServidor::PostgreSQL) {
      ambiente.insert(QStringLiteral("MVOX_DB_KIND"), QStringLiteral("postgresql"));
      ambiente.insert(QStringLiteral("MVOX_DB_HOST"), config.Host);
      ambiente.insert(QStringLiteral("MVOX_DB_PORT"), QString::number(config.Porta));
      ambiente.insert(QStringLiteral("MVOX_DB_NAME"), config.Banco);
      ambiente.insert(QStringLiteral("MVOX_DB_USER"), config.Usuario);
      ambiente.insert(QStringLiteral("MVOX_DB_PASSWORD"), config.Senha);
    } else {
      ambiente.insert(QStringLiteral("MVOX_DB_KIND"), QStringLiteral("sqlite"));
      ambiente.insert(QStringLiteral("MVOX_DB_FILE"), config.Arquivo);
    }
    for (auto it = extra.cbegin(); it != extra.cend(); ++it) ambiente.insert(it.key(), it.value());
    std::vector<std::unique_ptr<QProcess>> processos;
    for (int i = 0; i < quantos; ++i) {
      auto processo = std::make_unique<QProcess>();
      ambiente.insert(QStringLiteral("MVOX_TRABALHO_ARQUIVO"), FPasta.filePath(QStringLiteral("t%1-%2.txt").arg(FRodada).arg(i)));
      processo->setProcessEnvironment(ambiente);
      processo->setProcessChannelMode(QProcess::MergedChannels);
      processo->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=TrabalhoFilho.Trabalhar")});
      processos.push_back(std::move(processo));
    }
    QList<QStringList> relatorios;
    for (int i = 0; i < quantos; ++i) {
      QProcess &processo = *processos[static_cast<size_t>(i)];
      EXPECT_TRUE(processo.waitForFinished(300000)) << "o usuário " << i << " não terminou";
      const QString saida = QString::fromUtf8(processo.readAll());
      if (morrer)
        EXPECT_EQ(processo.exitStatus(), QProcess::CrashExit) << saida.right(3000).toStdString();
      else
        EXPECT_TRUE(processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0)
            << saida.right(3000).toStdString();
      QFile arquivo(FPasta.filePath(QStringLiteral("t%1-%2.txt").arg(FRodada).arg(i)));
      QStringList linhas;
      if (arquivo.open(QIODevice::ReadOnly))
        linhas = QString::fromUtf8(arquivo.readAll()).split(u'\n', Qt::SkipEmptyParts);
      relatorios << linhas;
    }
    ++FRodada;
    return relatorios;
  }

  // The debits and items must tell the same story: an open item of a debit
  // in an open protocol has its debit stamped with that protocol, a stamped
  // debit has exactly one such item, and no debit is in two open protocols.
  void ConferirDebitosEItens() {
    QMap<QString, QList<qint64>> itensAbertos;  // origin key -> open protocols holding it
    std::unique_ptr<TnClientDataSet> itens = ExecutarSQL(QStringLiteral(
        "select i.CHAVEORIGEM, i.CODIGOPROTOCOLO from PROTOCOLOITEM i join PROTOCOLO p on p.CODIGOPROTOCOLO = "
        "i.CODIGOPROTOCOLO where i.CANCELADO = '0' and p.CANCELADO = '0' and i.CHAVEORIGEM like 'D%'"));
    for (itens->First(); !itens->Eof(); itens->Next())
      itensAbertos[itens->FieldByName(QStringLiteral("CHAVEORIGEM"))->AsString()]
          << itens->FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsLargeInt();
    for (auto it = itensAbertos.cbegin(); it != itensAbertos.cend(); ++it)
      EXPECT_EQ(it.value().size(), 1) << "débito em mais de um protocolo aberto: " << it.key().toStdString();
    int carimbados = 0;
    for (const int tipo : {1, 2, 3, 4, 5, 9, 10}) {
      const TnTabelaDebito *tabela = TabelaDebitoDoTipo(tipo);
      std::unique_ptr<TnClientDataSet> debitos = ExecutarSQL(
          QStringLiteral("select CODIGOEMPRESA, CHAVEDEBITO%1 as CHAVE, CODIGOPROTOCOLO from %2")
              .arg(QLatin1String(tabela->Sufixo), QLatin1String(tabela->Tabela)));
      for (debitos->First(); !debitos->Eof(); debitos->Next()) {
        const QString chave = MontarChaveOrigem(tipo, debitos->FieldByName(QStringLiteral("CODIGOEMPRESA"))->AsInteger(),
                                                debitos->FieldByName(QStringLiteral("CHAVE"))->AsInteger());
        const TnField *protocolo = debitos->FieldByName(QStringLiteral("CODIGOPROTOCOLO"));
        const QList<qint64> abertos = itensAbertos.value(chave);
        if (protocolo->IsNull()) {
          EXPECT_TRUE(abertos.isEmpty()) << "débito livre com item aberto: " << chave.toStdString();
        } else {
          ++carimbados;
          EXPECT_EQ(abertos, QList<qint64>{protocolo->AsLargeInt()}) << "débito carimbado: " << chave.toStdString();
        }
      }
    }
    std::printf("[ usuários ] %d débitos protocolados, %d itens de débito abertos\n", carimbados,
                static_cast<int>(itensAbertos.size()));
  }

  // The same story for the invoices and bank slips: a financial document is
  // in one open protocol at most, and each one stamped names an open item
  // of its own source; the items and the stamps are as many.
  void ConferirFinanceiro() {
    QMap<QString, int> abertos;
    std::unique_ptr<TnClientDataSet> itens = ExecutarSQL(QStringLiteral(
        "select i.CHAVEORIGEM from PROTOCOLOITEM i join PROTOCOLO p on p.CODIGOPROTOCOLO = i.CODIGOPROTOCOLO where "
        "i.CANCELADO = '0' and p.CANCELADO = '0' and i.CHAVEORIGEM like 'FIN;%'"));
    for (itens->First(); !itens->Eof(); itens->Next()) ++abertos[itens->FieldByName(QStringLiteral("CHAVEORIGEM"))->AsString()];
    for (auto it = abertos.cbegin(); it != abertos.cend(); ++it)
      EXPECT_EQ(it.value(), 1) << "documento financeiro em mais de um protocolo aberto: " << it.key().toStdString();
    int carimbados = 0;
    for (const auto &[tabela, tipo] : {std::pair{"SERVICONOTA", "11"}, std::pair{"CONTARECEBER", "12"}}) {
      const auto contar = [](const QString &sql) {
        std::unique_ptr<TnClientDataSet> dados = ExecutarSQL(sql);
        return dados->Fields(0)->AsInteger();
      };
      const int comCarimbo = contar(QStringLiteral("select count(*) from %1 where CODIGOPROTOCOLO is not null")
                                        .arg(QLatin1String(tabela)));
      const int comItem = contar(
          QStringLiteral("select count(*) from %1 d join PROTOCOLOITEM i on i.CODIGOPROTOCOLO = d.CODIGOPROTOCOLO and "
                         "i.SEQITEMPRO = d.SEQITEMPRO where i.CANCELADO = '0' and i.CHAVEORIGEM like 'FIN;%2;%'")
              .arg(QLatin1String(tabela), QLatin1String(tipo)));
      const int itensDoTipo = contar(
          QStringLiteral("select count(*) from PROTOCOLOITEM i join PROTOCOLO p on p.CODIGOPROTOCOLO = "
                         "i.CODIGOPROTOCOLO where i.CANCELADO = '0' and p.CANCELADO = '0' and i.CHAVEORIGEM like "
                         "'FIN;%1;%'")
              .arg(QLatin1String(tipo)));
      EXPECT_EQ(comItem, comCarimbo) << tabela;
      EXPECT_EQ(itensDoTipo, comCarimbo) << tabela;
      carimbados += comCarimbo;
    }
    EXPECT_GT(carimbados, 0);
    std::printf("[ usuários ] %d documentos financeiros protocolados, cada um em um só protocolo aberto\n", carimbados);
  }

  QTemporaryDir FPasta;
  int FRodada = 0;
};

TEST_F(ConfiabilidadeTeste, ManyUsersSavingWithdrawingAndCancellingAtOnceLoseNothingAndDuplicateNothing) {
  const int usuarios = EhPostgreSQL() ? 8 : 4;
  const int rodadas = Completo() ? 25 : 3;
  // The users may change protocols (the right is stored, so every one has it).
  nDMDireitoUsuario()->SetDireito(1, QStringLiteral("DireitoAltProtocolo"), u'8');
  const QList<QStringList> relatorios =
      Trabalhadores(QStringLiteral("concorrente"), usuarios, {{QStringLiteral("MVOX_TRABALHO_RODADAS"), QString::number(rodadas)}});
  ASSERT_FALSE(HasFailure());

  QSet<qint64> numeros;
  int gravacoes = 0, recusas = 0, cancelamentos = 0, baixas = 0, duplicados = 0;
  QStringList mensagens;
  for (const QStringList &relatorio : relatorios) {
    ASSERT_FALSE(relatorio.isEmpty());
    EXPECT_EQ(relatorio.last(), QStringLiteral("fim"));
    for (const QString &linha : relatorio) {
      if (linha.startsWith(QLatin1String("G ok"))) {
        ++gravacoes;
        for (const QString &numero : linha.mid(5).split(u' ', Qt::SkipEmptyParts)) {
          if (numeros.contains(numero.toLongLong())) ++duplicados;
          numeros.insert(numero.toLongLong());
        }
      } else if (linha.contains(QLatin1String(" recusado "))) {
        ++recusas;
        mensagens << linha;
      } else if (linha.startsWith(QLatin1String("C ok"))) {
        ++cancelamentos;
      } else if (linha.startsWith(QLatin1String("B ok"))) {
        ++baixas;
      }
      // Nothing the driver says and no lock reaches a user.
      EXPECT_FALSE(linha.contains(QLatin1String("locked"), Qt::CaseInsensitive)) << linha.toStdString();
      EXPECT_FALSE(linha.contains(QLatin1String("Detalhe:"))) << linha.toStdString();
      EXPECT_FALSE(linha.contains(QLatin1String("em uso por outro usuário"))) << linha.toStdString();
    }
  }
  EXPECT_EQ(duplicados, 0);
  EXPECT_GT(gravacoes, 0);
  // Every protocol a user was told was saved is there with its items, and
  // no protocol stands without items (a save is done or refused whole).
  for (const qint64 numero : numeros)
    EXPECT_GT(Contar(QStringLiteral("PROTOCOLOITEM"), QStringLiteral("CODIGOPROTOCOLO = %1").arg(numero)), 0) << numero;
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO"), QStringLiteral("CODIGOPROTOCOLO not in (select CODIGOPROTOCOLO from "
                                                               "PROTOCOLOITEM)")),
            0);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), numeros.size());
  ConferirDebitosEItens();
  ConferirFinanceiro();
  std::printf("[ usuários ] %d usuários x %d rodadas: %d gravações (%d protocolos), %d recusadas inteiras, %d "
              "cancelamentos, %d baixas; 0 duplicados, 0 perdidos\n",
              usuarios, rodadas, gravacoes, static_cast<int>(numeros.size()), recusas, cancelamentos, baixas);
  for (const QString &m : mensagens.mid(0, 5)) std::printf("[ usuários ]   %s\n", qPrintable(m));
}

TEST_F(ConfiabilidadeTeste, ASaveKilledAtAnyStatementLeavesTheDatabaseAsItWasOnReopen) {
  const int mortes = Completo() ? 50 : 3;
  const TnConfigConexao config = nDMConexao()->Config();
  const TnFotoBanco antes = TnFotoBanco::Tirar();
  nDMConexao()->Desconectar();
  QStringList alvos;
  for (int i = 0; i < mortes; ++i) {
    SCOPED_TRACE(i);
    const QList<QStringList> relatorio =
        Trabalhadores(QStringLiteral("matar"), 1,
                      {{QStringLiteral("MVOX_TRABALHO_SEMENTE"), QString::number(QRandomGenerator::global()->bounded(1 << 30))}},
                      true);
    ASSERT_EQ(relatorio.at(0).size(), 1) << relatorio.at(0).join(u'\n').toStdString();
    alvos << relatorio.at(0).at(0).section(u' ', 1, 1);
    nDMConexao()->Conectar(config);
    EXPECT_EQ(TnFotoBanco::Tirar().Diferencas(antes), QStringList());
    nDMConexao()->Desconectar();
    if (HasFailure()) break;
  }
  // After the kills, a save runs whole.
  const QList<QStringList> depois = Trabalhadores(QStringLiteral("gravar"), 1);
  nDMConexao()->Conectar(config);
  ASSERT_EQ(depois.at(0).size(), 1);
  EXPECT_TRUE(depois.at(0).at(0).startsWith(QLatin1String("G ok"))) << depois.at(0).at(0).toStdString();
  EXPECT_GT(Contar(QStringLiteral("PROTOCOLO")), 0);
  ConferirDebitosEItens();
  ConferirFinanceiro();
  std::printf("[ mortes   ] %d salvamentos mortos com SIGKILL (instruções %s), todos desfeitos na reabertura\n",
              mortes, qPrintable(alvos.join(u',')));
}

}  // namespace
