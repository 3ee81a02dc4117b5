// The save by replacement and the lookup of a process grid's code column, on
// the sample office: route 1 "São Paulo e Campinas"; companies 1 to 3, with
// establishments 1/1, 2/1, 2/2, 2/3 and 3/1.
#include <gtest/gtest.h>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDMClientDataSet_U.h"
#include "nDialogosTeste_U.h"
#include "nException_U.h"
#include "nFrmConGrid_U.h"
#include "nFuncoesProcesso_U.h"
#include "nModalTeste_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"

namespace {

const QString kPergunta = QStringLiteral("Deseja realmente apagar as rotas antigas e criar estas novas?");
const QString kSucesso = QStringLiteral("Rotas gravadas com sucesso!");

class GravarPorSubstituicaoTeste : public TnBancoTeste {
 protected:
  // The sample routes stand alone here: their stops would keep them.
  void SetUp() override {
    TnBancoTeste::SetUp();
    ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOROTAENTREGA"));
  }
  // Replaces every route by the descriptions, in code order.
  std::function<void()> Substituir(const QStringList &descricoes) {
    return [descricoes] {
      ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOROTA"));
      int codigo = 0;
      for (const QString &descricao : descricoes)
        ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (:c, :d)"),
                          {++codigo, descricao});
    };
  }
  QStringList Rotas() {
    std::unique_ptr<TnClientDataSet> dados =
        ExecutarSQL(QStringLiteral("select DESCRROTA from PROTOCOLOROTA order by CODIGOROTA"));
    QStringList rotas;
    for (dados->First(); !dados->Eof(); dados->Next()) rotas << dados->FieldByName(QStringLiteral("DESCRROTA"))->AsString();
    return rotas;
  }
  TnDialogosTeste FDialogos;
};

TEST_F(GravarPorSubstituicaoTeste, AnythingButSimLeavesTheRowsWithoutCheckingThem) {
  bool checou = false;
  FDialogos->ResponderTexto(QStringLiteral("Não"));
  EXPECT_FALSE(nGravarPorSubstituicao(kPergunta, [&] { checou = true; }, Substituir({"Norte"}), kSucesso));
  FDialogos->Cancelar();
  EXPECT_FALSE(nGravarPorSubstituicao(kPergunta, [&] { checou = true; }, Substituir({"Norte"}), kSucesso));
  EXPECT_FALSE(checou);
  EXPECT_EQ(Rotas(), QStringList{QStringLiteral("São Paulo e Campinas")});
  EXPECT_EQ(FDialogos->Perguntas().first().Opcoes, (QStringList{QStringLiteral("Sim"), QStringLiteral("Não")}));
}

TEST_F(GravarPorSubstituicaoTeste, ReplacesTheRowsInOneCommittedTransactionAndSaysSo) {
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  FDialogos->Responder(0);
  EXPECT_TRUE(nGravarPorSubstituicao(kPergunta, nullptr, Substituir({"Norte", "Sul"}), kSucesso));
  EXPECT_EQ(Rotas(), (QStringList{QStringLiteral("Norte"), QStringLiteral("Sul")}));
  EXPECT_FALSE(Conexao().EmTransacao());
  EXPECT_EQ(FDialogos->Textos(), (QStringList{kPergunta, kSucesso}));
}

TEST_F(GravarPorSubstituicaoTeste, ARefusedCheckPassesUnchangedWithNothingWrittenNorATransactionOpened) {
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  bool emTransacao = true;
  const QString erro = [&] {
    try {
      nGravarPorSubstituicao(
          kPergunta,
          [&] {
            emTransacao = Conexao().EmTransacao();
            throw Exception(QStringLiteral("O Codigo da Empresa não pode ser nulo!"));
          },
          Substituir({"Norte"}), kSucesso);
    } catch (const Exception &e) {
      return e.message();
    }
    return QString();
  }();
  EXPECT_EQ(erro, QStringLiteral("O Codigo da Empresa não pode ser nulo!"));
  EXPECT_FALSE(emTransacao);
  EXPECT_EQ(Rotas(), QStringList{QStringLiteral("São Paulo e Campinas")});
}

// The second insert takes the key of the first: the delete before it is
// undone with it, and the database error keeps its kind under the prefix.
TEST_F(GravarPorSubstituicaoTeste, ADatabaseErrorMidWayRollsEverythingBackAndGetsThePrefix) {
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  auto repetida = [] {
    ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOROTA"));
    for (const char *descricao : {"Norte", "Sul"})
      ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLOROTA (CODIGOROTA, DESCRROTA) values (7, :d)"),
                        {QString::fromLatin1(descricao)});
  };
  QString mensagem;
  try {
    nGravarPorSubstituicao(kPergunta, nullptr, repetida, kSucesso);
    ADD_FAILURE() << "a chave repetida passou";
  } catch (const EDatabaseError &e) {
    mensagem = e.message();
  }
  EXPECT_TRUE(mensagem.startsWith(QStringLiteral("Operação cancelada! Não foi possível efetuar a operação!\r\n")));
  EXPECT_GT(mensagem.size(), nPrefixoOperacaoCancelada().size());
  EXPECT_EQ(Rotas(), QStringList{QStringLiteral("São Paulo e Campinas")});
  EXPECT_FALSE(Conexao().EmTransacao());
}

TEST_F(GravarPorSubstituicaoTeste, ASilentAbortInsideIsNotDressedAsAFailure) {
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_THROW(nGravarPorSubstituicao(
                   kPergunta, nullptr,
                   [] {
                     ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLOROTA"));
                     throw EAbort();
                   },
                   kSucesso),
               EAbort);
  EXPECT_EQ(Rotas(), QStringList{QStringLiteral("São Paulo e Campinas")});
}

// The grid's rows walked by the write and then refused: the user is back on
// the row they pressed Gravar on; a refusal of the check itself leaves the
// cursor on the row it names.
TEST_F(GravarPorSubstituicaoTeste, AFailedWritePutsTheUserBackOnTheirRowAndARefusedCheckLeavesTheRowItNames) {
  TnClientDataSet grade;
  grade.AddFieldDef(QStringLiteral("DESCRROTA"), TnFieldType::String, 40);
  grade.CreateDataSet();
  for (const char *descricao : {"Norte", "Sul", "Leste"}) {
    grade.Append();
    grade.FieldByName(QStringLiteral("DESCRROTA"))->SetAsString(QString::fromLatin1(descricao));
    grade.Post();
  }
  grade.SetRecNo(2);
  auto percorrerEFalhar = [&] {
    for (grade.First(); !grade.Eof(); grade.Next()) {
    }
    throw Exception(QStringLiteral("falha na gravação"));
  };
  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  EXPECT_THROW(nGravarPorSubstituicao(kPergunta, nullptr, percorrerEFalhar, kSucesso, &grade), Exception);
  EXPECT_EQ(grade.FieldByName(QStringLiteral("DESCRROTA"))->AsString(), QStringLiteral("Sul"));

  FDialogos->ResponderTexto(QStringLiteral("Sim"));
  auto recusarLeste = [&] {
    grade.Last();
    throw Exception(QStringLiteral("Leste não pode"));
  };
  EXPECT_THROW(nGravarPorSubstituicao(kPergunta, recusarLeste, Substituir({"X"}), kSucesso, &grade), Exception);
  EXPECT_EQ(grade.FieldByName(QStringLiteral("DESCRROTA"))->AsString(), QStringLiteral("Leste"));
  EXPECT_EQ(Rotas(), QStringList{QStringLiteral("São Paulo e Campinas")});
}

// --- the lookup of a grid's code column

class EscolherNoLookupTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    FGrade.AddFieldDef(QStringLiteral("CodigoEmpresa"), TnFieldType::Integer);
    FGrade.AddFieldDef(QStringLiteral("CodigoEstab"), TnFieldType::Integer);
    FGrade.CreateDataSet();
    FGrade.Append();
    FGrade.FieldByName(QStringLiteral("CodigoEmpresa"))->SetAsInteger(2);
    FGrade.Post();
  }
  void TearDown() override {
    TnRegistro::Instancia().DestruirTodos();
    TnBancoTeste::TearDown();
  }
  TnField *Estab() { return FGrade.FieldByName(QStringLiteral("CodigoEstab")); }
  TnDMClientDataSet *Estabs() {
    return dynamic_cast<TnDMClientDataSet *>(PrepararDM(QStringLiteral("TrTulDCEstab"), QString(), false, false));
  }

  TnClientDataSet FGrade;
};

TEST_F(EscolherNoLookupTeste, TheChosenRowsCodeGoesIntoTheFieldOfARowPutInEdit) {
  int linhas = 0;
  TnModalTeste modal([&](TnFrmVisual &f) {
    auto &consulta = dynamic_cast<TnFrmConGrid &>(f);
    linhas = consulta.DataSet()->RecordCount();
    consulta.Grid()->ClicarCelula(1, 0);
    consulta.Escolher();
  });
  EXPECT_TRUE(nEscolherNoLookup(Estab(), QStringLiteral("TrTulDCEstab"), QStringLiteral("CodigoEstab"),
                                QStringLiteral("CodigoEmpresa = 2")));
  EXPECT_EQ(linhas, 3);  // the establishments of company 2 only
  EXPECT_EQ(FGrade.State(), TnDataSetState::Edit);
  EXPECT_EQ(Estab()->AsInteger(), 2);
  // The shared lookup is left as it was found, its form gone.
  ASSERT_NE(Estabs(), nullptr);
  EXPECT_FALSE(Estabs()->nClientDataSet->Filtered());
  EXPECT_EQ(Estabs()->Form(), nullptr);
}

TEST_F(EscolherNoLookupTeste, ARowBeingInsertedStaysInInsert) {
  FGrade.Append();
  TnModalTeste modal([](TnFrmVisual &f) { dynamic_cast<TnFrmConGrid &>(f).Escolher(); });
  EXPECT_TRUE(nEscolherNoLookup(FGrade.FieldByName(QStringLiteral("CodigoEmpresa")), QStringLiteral("TrTulDCEmpresa"),
                                QStringLiteral("CodigoEmpresa")));
  EXPECT_EQ(FGrade.State(), TnDataSetState::Insert);
  EXPECT_EQ(FGrade.FieldByName(QStringLiteral("CodigoEmpresa"))->AsInteger(), 1);
}

TEST_F(EscolherNoLookupTeste, CancelledOrUnavailableLookupChangesNothing) {
  TnModalTeste modal([](TnFrmVisual &f) { f.Fechar(mrCancel); });
  EXPECT_FALSE(nEscolherNoLookup(Estab(), QStringLiteral("TrTulDCEstab"), QStringLiteral("CodigoEstab"),
                                 QStringLiteral("CodigoEmpresa = 2")));
  EXPECT_FALSE(nEscolherNoLookup(Estab(), QStringLiteral("TrTulDCNaoExiste"), QStringLiteral("CodigoEstab")));
  EXPECT_EQ(FGrade.State(), TnDataSetState::Browse);
  EXPECT_TRUE(Estab()->IsNull());
  ASSERT_NE(Estabs(), nullptr);
  EXPECT_FALSE(Estabs()->nClientDataSet->Filtered());
}

}  // namespace
