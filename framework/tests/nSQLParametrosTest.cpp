#include <gtest/gtest.h>

#include "nSQLParametros_U.h"

TEST(TnSQLParametros, NamesMatchInAnyCaseAndARepeatedNameIsOneValue) {
  const TnSQLParametros p(QStringLiteral(
      "select * from D where CODIGOEMPRESA = :PCODIGOEMPRESA and ((:pListarDebitos = 0 and X is null) or "
      "(:pListarDebitos = 1)) and E = :pCodigoEmpresa"));
  EXPECT_EQ(p.Nomes(), (QStringList{QStringLiteral("PCODIGOEMPRESA"), QStringLiteral("PLISTARDEBITOS")}));
  EXPECT_EQ(p.Ocorrencias(), (QVector<int>{0, 1, 1, 0}));
  EXPECT_EQ(p.IndiceDe(QStringLiteral("pCodigoEmpresa")), 0);
  EXPECT_EQ(p.IndiceDe(QStringLiteral(":plistardebitos")), 1);
  EXPECT_EQ(p.IndiceDe(QStringLiteral("pOutro")), -1);
  EXPECT_EQ(p.SQLPosicional().count(u'?'), 4);
}

TEST(TnSQLParametros, QuotedTextCommentsAndCastsAreNotPlaceholders) {
  const TnSQLParametros p(
      QStringLiteral("select 'hora 10:30 :naoEh', \"col:x\", CAST(a AS integer), b::text -- :comentario\n"
                     "from T /* :bloco */ where c = :pValor and d = 'It''s :x'"));
  EXPECT_EQ(p.Nomes(), QStringList{QStringLiteral("PVALOR")});
  EXPECT_TRUE(p.SQLPosicional().contains(QStringLiteral("'hora 10:30 :naoEh'")));
  EXPECT_TRUE(p.SQLPosicional().contains(QStringLiteral("b::text")));
  EXPECT_TRUE(p.SQLPosicional().contains(QStringLiteral("'It''s :x'")));
  EXPECT_TRUE(p.SQLPosicional().endsWith(QStringLiteral("c = ? and d = 'It''s :x'")));
}

TEST(TnSQLParametros, ThePreparedTextNamesEveryPlaceholderOnceAndLeavesNoComment) {
  // The driver reads the prepared text's placeholders itself and knows no
  // comments: a ":word" inside one would count as a placeholder.
  const TnSQLParametros p(
      QStringLiteral("select 'hora 10:30 :naoEh', \"col:x\", b::text -- :comentario\n"
                     "from T /* :bloco */ where c = :pValor and d = :pOutro and e = :PVALOR and f = 'It''s :x'"));
  EXPECT_EQ(p.NomesPorPosicao(), (QStringList{":b0", ":b1", ":b2"}));
  EXPECT_EQ(p.SQLNomeado(), QStringLiteral("select 'hora 10:30 :naoEh', \"col:x\", b::text  \nfrom T   where c = :b0 "
                                           "and d = :b1 and e = :b2 and f = 'It''s :x'"));
  const TnSQLParametros semNada(QStringLiteral("update T set A = 1 where B = 'x:y'"));
  EXPECT_EQ(semNada.SQLNomeado(), semNada.SQLPosicional());
  EXPECT_TRUE(semNada.NomesPorPosicao().isEmpty());
}

TEST(TnSQLParametros, AStatementWithoutPlaceholdersIsUnchanged) {
  const QString sql = QStringLiteral("update T set A = 1 where B = 'x:y'");
  const TnSQLParametros p(sql);
  EXPECT_TRUE(p.Nomes().isEmpty());
  EXPECT_EQ(p.SQLPosicional(), sql);
}

// Found by fuzzing: "İ" lowers to two characters, so a name holding it could
// not be found again by its lower-case form. Names stop at the first
// character that is not an ASCII letter, digit or underscore.
TEST(TnSQLParametros, NamesAreAsciiSoEveryNameIsFoundInAnyCase) {
  const TnSQLParametros p(QString::fromUtf8(":naĹFİ, :pValor_2x"));
  EXPECT_EQ(p.Nomes(), (QStringList{QStringLiteral("NA"), QStringLiteral("PVALOR_2X")}));
  for (qsizetype i = 0; i < p.Nomes().size(); ++i) EXPECT_EQ(p.IndiceDe(u':' + p.Nomes().at(i).toLower()), i);
  EXPECT_TRUE(p.SQLPosicional().startsWith(QString::fromUtf8("?ĹFİ, ?")));
  const TnSQLParametros acento(QString::fromUtf8("select :çodigo"));
  EXPECT_TRUE(acento.Nomes().isEmpty());
}
