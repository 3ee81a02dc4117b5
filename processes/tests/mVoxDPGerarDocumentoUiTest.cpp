// "Gerar Documento" on screen, driven with the keyboard.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include "mVoxDPGerarDocumento_U.h"
#include "mVoxTelaProcessoTeste_U.h"

namespace {

class GerarDocumentoTelaTeste : public TmVoxTelaProcessoTeste {
 protected:
  void SetUp() override {
    TmVoxTelaProcessoTeste::SetUp();
    FProcesso = Mostrar<TmVoxDPGerarDocumento>(QStringLiteral("TmVoxDPGerarDocumento"));
    ASSERT_NE(FProcesso, nullptr);
  }
  void Digitar(const char *alias, const QString &texto) {
    QLineEdit *editor = FVisao->TextoParametro(QString::fromLatin1(alias));
    ASSERT_NE(editor, nullptr) << alias;
    editor->setFocus();
    editor->selectAll();
    QTest::keyClicks(editor, texto);
    QTest::keyClick(editor, Qt::Key_Tab);
  }
  // The tree's lines as the user sees them, depth first, two blanks a level.
  QStringList Arvore() {
    QStringList linhas;
    std::function<void(const QModelIndex &, int)> visitar = [&](const QModelIndex &pai, int nivel) {
      QAbstractItemModel *modelo = FVisao->Arvore()->model();
      for (int i = 0; i < modelo->rowCount(pai); ++i) {
        const QModelIndex indice = modelo->index(i, 0, pai);
        linhas << QString(nivel * 2, u' ') + indice.data().toString();
        visitar(indice, nivel + 1);
      }
    };
    visitar(QModelIndex(), 0);
    return linhas;
  }

  TmVoxDPGerarDocumento *FProcesso = nullptr;
};

TEST_F(GerarDocumentoTelaTeste, TheUserTypesTheCompetencesAndCompanyRunsAndConfirms) {
  Digitar("pCompetInicial", QStringLiteral("032026"));
  Digitar("pCompetFinal", QStringLiteral("032026"));
  Digitar("pCodigoEmpresa", QStringLiteral("1"));
  Dialogos().ResponderTexto(QStringLiteral("Sim"));
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  EXPECT_EQ(Dialogos().Textos().size(), 1);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("ORIGEMDADO = 1")), 2);
  EXPECT_EQ(Arvore(), (QStringList{"Empresa: 1 - Organização Contábil Exemplo Ltda", "  Filial: 1 - Exemplo Matriz",
                                   "    Documento Número: 1 gerado.", "    Documento Número: 2 gerado.",
                                   "Operação concluída com sucesso!"}));

  // "Não" to a second run leaves the documents and the tree as they were.
  Dialogos().ResponderTexto(QStringLiteral("Não"));
  QTest::keyClick(FVisao.get(), Qt::Key_F9);
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLODOCEMP")), 2);
  EXPECT_EQ(Arvore().size(), 5);
}

}  // namespace
