#include <QDate>

#include "mVoxPkTeste_U.h"

namespace {

class ProtocoloConsultaTeste : public TmVoxCadastroTeste {};

// Its statement holds blanks after the alias's dot and lacks the launch date
// the period filters on; it must still open, in protocol order, on every
// engine, and still follow the session's period.
TEST_F(ProtocoloConsultaTeste, ProtocolPickerListsTheProtocolsOfThePeriodInNumberOrder) {
  ExecutarSQLDireto(QStringLiteral("insert into PROTOCOLO (CODIGOPROTOCOLO, CODIGOEMPRESA, CODIGOESTAB, DATALCTOPRO, "
                                   "OBSERVACAO) values (4, 2, 2, :dezembro, 'Folha'), (3, 1, 1, :outubro, 'Guias'), "
                                   "(2, 1, 1, :outubro, 'Balancete')"),
                    {QDate(2026, 12, 3), QDate(2026, 10, 30)});
  nDMConexao()->Selecao().SetParam(QStringLiteral("DataLctoPro_MENORIGUAL"), QDate(2026, 11, 30));
  TnDMClientDataSet *dc = Criar(QStringLiteral("TmVoxDCProtocolo"));
  ASSERT_NE(dc, nullptr);
  TnClientDataSet &dados = *dc->nClientDataSet;
  ASSERT_EQ(dados.RecordCount(), 2);
  dados.First();
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 2);
  dados.Next();
  EXPECT_EQ(dados.FieldByName(QStringLiteral("CODIGOPROTOCOLO"))->AsInteger(), 3);
  EXPECT_EQ(dados.FieldByName(QStringLiteral("OBSERVACAO"))->AsString(), QStringLiteral("Guias"));
}

}  // namespace
