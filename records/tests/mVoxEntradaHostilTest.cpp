// Hostile text in every free-text field of every register the registry
// knows: quotes, semicolons, SQL words, the LIKE wildcards, accents, emoji,
// control characters and a 10 kB text. Each one is stored as typed (read
// back from the database) or refused with the system's own message: never
// an SQL error, never the driver's text, never a crash, never a text cut
// short. A new register is covered as soon as it is registered.
#include <QRegularExpression>
#include <cstdio>

#include "mVoxPkTeste_U.h"
#include "nDMDireitoUsuario_U.h"
#include "nDialogosTeste_U.h"
#include "nField_U.h"
#include "nParamsSalvosTeste_U.h"
#include "nDMPowerParam_U.h"
#include "nRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

namespace {

const QStringList &Hostis() {
  static const QStringList textos = {
      QStringLiteral("O'Brien \"aspas\" `crase` ''"),
      QStringLiteral("'; drop table PROTOCOLO; --"),
      QStringLiteral("1' or '1'='1"),
      QStringLiteral("x\" union select null, null from USUARIO /*"),
      QStringLiteral("100% _certo_ \\ barra :param ?"),
      QStringLiteral("Ação çãõ ÁÉÍÓÚ ü ñ"),
      QStringLiteral("😀 emoji 🎉 ✓"),
      QStringLiteral("linha 1\r\nlinha 2\ttab"),
      QStringLiteral("a") + QChar(1) + QStringLiteral("b") + QChar(0x1b),
      QStringLiteral("nul") + QChar(0) + QStringLiteral("fim"),
      QString(10240, u'ç'),
  };
  return textos;
}

// What may never reach a user: the driver's or the server's own words.
bool TextoDoBanco(const QString &mensagem) {
  static const QRegularExpression banco(
      QStringLiteral("Detalhe:|ERROR|SQLSTATE|syntax|QSQL|QPSQL|constraint failed|violates|unrecognized token|"
                     "no such|near \""),
      QRegularExpression::CaseInsensitiveOption);
  return banco.match(mensagem).hasMatch();
}

// The sample office, plus one row of each register it leaves empty: a
// protocol with an item, a document with a movement, filed in an envelope.
class EntradaHostilTeste : public TmVoxCadastroTeste {
 protected:
  void SetUp() override {
    TmVoxCadastroTeste::SetUp();
    const QDate data(2026, 11, 20);
    const QDateTime momento(data, QTime(8, 0));
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                     "TIPOPRO, OBSERVACAO, DATAHORACADASTRO, CODIGOUSUARIO, NATUREZAPRO, CANCELADO, "
                                     "ORIGEMDADO) values (10, 2, 1, :d, '2', 'Original', :m, 1, '1', '0', 1)"),
                      {data, momento});
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOITEM (CODIGOPROTOCOLO, SEQITEMPRO, DESCRITEM, DATALCTOPRO, "
                                     "CANCELADO, CODIGOUSUARIO, DATAHORACADASTRO, ORIGEMDADO) values (10, 1, 'Guia', "
                                     ":d, '0', 1, :m, 1)"),
                      {data, momento});
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCEMP (CODIGODOCEMP, CODIGOTIPODOC, CODIGOEMPRESA, "
                                     "CODIGOESTAB, DATALCTOPRO, DESCRDOCEMP, ARQUIVADO, ORIGEMDADO) values (1, 1, 2, "
                                     "1, :d, 'Guias', '0', 2)"),
                      {data});
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCMOVIMENTO (CODIGODOCEMP, SEQDOCEMP, TIPOLOCAL, "
                                     "CODIGODPTOESCRIT, DATALCTOPRO, DATAHORA, CODIGOUSUARIO, ORIGEMDADO) values (1, "
                                     "1, '1', 1, :d, :m, 1, 2)"),
                      {data, momento});
    ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLODOCARQUIVO (CODIGOCAIXA, CODIGOENVELOPE, CODIGODOCEMP) "
                                     "values (1, 1, 1)"));
  }

  TnDialogosTeste FDialogos;
  // The processes keep what was typed: in a file of the test's own.
  TnParamsSalvosTeste FParams;
};

}  // namespace

TEST_F(EntradaHostilTeste, EveryFreeTextOfEveryRegisterIsStoredAsTypedOrRefusedWithAClearMessage) {
  FDialogos->SetAceitarMensagens(true);
  nDMDireitoUsuario()->SetDireito(nDMConexao()->CodigoUsuario(), QStringLiteral("DireitoAltProtocolo"), u'8');
  TnRegistro &registro = TnRegistro::Instancia();
  int cadastros = 0, campos = 0, guardados = 0, recusados = 0;
  QStringList semLinhas;
  for (const QString &classe : registro.Classes()) {
    if (!registro.HerdaDe(classe, QStringLiteral("TnDMClientDataSet"))) continue;
    SCOPED_TRACE(classe.toStdString());
    TnDMClientDataSet *dm = nullptr;
    const QString erroAbrir = ErroDe([&] { dm = Criar(classe); });
    ASSERT_FALSE(TextoDoBanco(erroAbrir)) << erroAbrir.toStdString();
    if (!dm) continue;
    TnClientDataSet &dados = *dm->nClientDataSet;
    if (!dados.Active() || dados.IsEmpty()) {
      semLinhas << classe;
      continue;
    }
    ++cadastros;
    const QStringList chave = dm->ChavePrimaria().split(u';', Qt::SkipEmptyParts);
    dados.First();
    QVariantList valoresChave;
    for (const QString &nome : chave) valoresChave << dados.FieldByName(nome)->Value();
    for (int i = 0; i < dados.FieldCount(); ++i) {
      TnField *campo = dados.Fields(i);
      const TnFieldType tipo = campo->DataType();
      if ((tipo != TnFieldType::String && tipo != TnFieldType::Memo) || campo->ReadOnly() || campo->Calculado() ||
          chave.contains(campo->FieldName(), Qt::CaseInsensitive))
        continue;
      const QString nome = campo->FieldName();
      ++campos;
      for (const QString &hostil : Hostis()) {
        SCOPED_TRACE(QStringLiteral("%1 <- %2").arg(nome, hostil.left(40)).toStdString());
        ASSERT_TRUE(chave.isEmpty() || dados.Locate(chave.join(u';'), valoresChave));
        const QString antes = dados.FieldByName(nome)->AsString();
        QString erro;
        try {
          dados.Edit();
          dados.FieldByName(nome)->SetAsString(hostil);
          dados.Post();
        } catch (const Exception &e) {
          erro = e.message().isEmpty() ? QStringLiteral("(sem mensagem)") : e.message();
        } catch (...) {
          FAIL() << "exceção que não é do sistema";
        }
        if (dados.State() != TnDataSetState::Browse) dados.Cancel();
        // What the database holds now, read again.
        dm->Refresh();
        ASSERT_TRUE(chave.isEmpty() || dados.Locate(chave.join(u';'), valoresChave));
        const QString guardado = dados.FieldByName(nome)->AsString();
        if (erro.isEmpty()) {
          ++guardados;
          EXPECT_TRUE(guardado == hostil || guardado == hostil.toUpper()) << guardado.left(60).toStdString();
        } else {
          ++recusados;
          EXPECT_FALSE(TextoDoBanco(erro)) << erro.toStdString();
          EXPECT_FALSE(nDMConexao()->EmTransacao());
          EXPECT_EQ(guardado, antes);
        }
        if (HasFailure()) return;
      }
    }
    TnRegistro::Instancia().DestruirTodos();
  }
  EXPECT_GT(cadastros, 5);
  std::printf("[ hostil   ] %d cadastros, %d campos de texto, %d entradas hostis por campo: %d guardadas como "
              "digitadas, %d recusadas com mensagem; sem linhas: %s\n",
              cadastros, campos, static_cast<int>(Hostis().size()), guardados, recusados,
              qPrintable(semLinhas.join(QStringLiteral(", "))));
}

// Values with which a process's run goes past its own checks, so that each
// hostile parameter meets the code that reads it rather than the check of
// another one left empty. A process not named here starts from its defaults.
static const QMap<QString, QMap<QString, QString>> &ValoresValidos() {
  static const QMap<QString, QMap<QString, QString>> valores = {
      {QStringLiteral("TmVoxDPGerarProtocolo"),
       {{"pDataInicial", "01/11/2026"}, {"pDataFinal", "30/11/2026"}, {"pTipoData", "1"}, {"pFormaGer", "2"},
        {"pTipo", "1;6"}, {"pTipoFolha", "1"}, {"pListarDebitos", "0"}}},
      {QStringLiteral("TmVoxDPGerarProIndividual"),
       {{"pCodigoEmpresa", "2"}, {"pCodigoEstab", "1"}, {"pDataLctoPro", "15/10/2026"}, {"pNatureza", "1"},
        {"pDescricaoItem", "Guias"}, {"pObservacao", "Obs"}}},
      {QStringLiteral("TmVoxDPConsultaProtocoloEntregue"), {{"pCodigoProtocolo", "1-99"}}},
      {QStringLiteral("TmVoxDPConsultaProtocoloBaixado"), {{"pCodigoProtocolo", "1-99"}}},
      {QStringLiteral("TmVoxDPBaixarProtocolo"), {{"pDataInicial", "01/11/2026"}}},
      {QStringLiteral("TmVoxDPArquivarDocs"), {{"pCodigoCaixaPro", "1"}}},
      {QStringLiteral("TmVoxDPGerarDocumento"),        {{"pCompetInicial", "11/2026"}, {"pCompetFinal", "11/2026"}, {"pCodigoEmpresa", "1"}}},
      {QStringLiteral("TmVoxDPDocumentosPendentes"), {{"pCompet", "03/2026"}}},
      {QStringLiteral("TmVoxDPConsultaDocPendente"), {{"pCompet", "03/2026"}}},
      {QStringLiteral("TmVoxDPConsultaDocumento"), {{"pCodigoDocumento", "1"}, {"pTipoLocal", "0"}}},
  };
  return valores;
}

// Every parameter of every process, typed hostile, then the run as the user
// starts it: refused with the system's message or run, never an SQL error,
// never a crash, never a transaction left open.
TEST_F(EntradaHostilTeste, EveryParameterOfEveryProcessTakesHostileTextWithoutAnSQLErrorOrACrash) {
  FDialogos->SetAceitarMensagens(true);
  // A question a hostile value brings about (a box that does not exist:
  // register it?) is declined, as a user who mistyped would.
  FDialogos->SetRespostaPadrao(QStringLiteral("Não"));
  TnRegistro &registro = TnRegistro::Instancia();
  int processos = 0, parametros = 0, rodados = 0, recusados = 0;
  for (const QString &classe : registro.Classes()) {
    if (!registro.HerdaDe(classe, QStringLiteral("TnDMPowerParam"))) continue;
    SCOPED_TRACE(classe.toStdString());
    auto *processo = dynamic_cast<TnDMPowerParam *>(CriarDM(classe));
    if (!processo) continue;
    ++processos;
    const QMap<QString, QString> validos = ValoresValidos().value(classe);
    for (auto it = validos.cbegin(); it != validos.cend(); ++it)
      processo->npqPowerParam().Param(it.key())->SetAsString(it.value());
    for (TnpqParamItem *param : processo->npqPowerParam().Params()) {
      if (param->Tipo() == TnTipoParam::Numero) continue;
      ++parametros;
      const QVariant anterior = param->GetAsVariant();
      for (const QString &hostil : Hostis()) {
        SCOPED_TRACE(QStringLiteral("%1 <- %2").arg(param->Alias(), hostil.left(40)).toStdString());
        QString erro;
        try {
          param->SetAsString(hostil);
          processo->ExecutarProcesso();
        } catch (const Exception &e) {
          erro = e.message().isEmpty() ? QStringLiteral("(sem mensagem)") : e.message();
        } catch (...) {
          FAIL() << "exceção que não é do sistema";
        }
        FDialogos->DescartarRespostas();
        if (erro.isEmpty()) {
          ++rodados;
        } else {
          ++recusados;
          EXPECT_FALSE(TextoDoBanco(erro)) << erro.toStdString();
        }
        EXPECT_FALSE(nDMConexao()->EmTransacao());
        if (HasFailure()) return;
      }
      try {
        param->SetValue(anterior);
      } catch (const Exception &) {
      }
    }
    TnRegistro::Instancia().DestruirTodos();
  }
  EXPECT_GT(processos, 3);
  std::printf("[ hostil   ] %d processos, %d parâmetros, %d entradas hostis por parâmetro: %d execuções, %d recusadas "
              "com mensagem\n",
              processos, parametros, static_cast<int>(Hostis().size()), rodados, recusados);
}
