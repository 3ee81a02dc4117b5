// The financial sources of "Gerar Protocolo" on the sample office of
// November 2026: office 1 works at company 1, establishment 1. Its clients:
// person 1 names company 2 / establishment 1 (the same code as the office),
// person 2 company 2 / establishment 2, person 3 names none. Invoices NFS
// 1001-1003 each have a receivable with a bank slip (1004 was cancelled and
// has none); person 1 also owes a fee slip (HON-2026-11-01); a receivable of
// person 3 paid in cash has no slip. The clock stands at 01/12/2026 09:30:00.
#include <QSet>

#include "mVoxGerarProtocoloTeste_U.h"
#include "mVoxItem_U.h"
#include "nDialogosTeste_U.h"
#include "nSQLFuncoes_U.h"

namespace {

class GerarProtocoloFinanceiroTeste : public TmVoxGerarProtocoloTeste {
 protected:
  // Every item as "company|establishment|origin key|protocol", sorted.
  QStringList ItensPorDestino() {
    return ItensComProposta({QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB")},
                            {QStringLiteral("CHAVEORIGEM"), QStringLiteral("PROTOCOLO")});
  }
  void Pessoa(int codigo, const QVariant &empresa, const QVariant &estab) {
    ExecutarSQLDireto(QStringLiteral("insert into PESSOAFINANCEIRO (CODIGOPESSOAFIN, NOME, CODIGOEMPRESA, CODIGOESTAB) "
                                     "values (:c, :n, :e, :s)"),
                      {codigo, QStringLiteral("Pessoa %1").arg(codigo), empresa, estab});
    ExecutarSQLDireto(QStringLiteral("insert into PESSOAFINCLIENTE (CODIGOPESSOAFIN) values (:c)"), {codigo});
  }
  // A receivable of November with its slip (`nossoNumero`), and its invoice
  // when `numeroNS` is given.
  void Receber(int escritorio, const QString &documento, int cliente, const QVariant &nossoNumero,
               const QVariant &numeroNS = QVariant(), const QVariant &protocolo = QVariant()) {
    const QVariant serie = numeroNS.isNull() ? QVariant() : QVariant(QStringLiteral("NFS"));
    ExecutarSQLDireto(
        QStringLiteral("insert into CONTARECEBER (CODIGOESCRIT, NUMERODCTOCR, SERIENS, NUMERONS, CODIGOCLIENTE, "
                       "DATAEMISSAOCR, DATAVCTOCR, VALORCR, NOSSONUMERO, CODIGOPROTOCOLO) values (:e, :d, :s, :n, :c, "
                       ":de, :dv, :v, :nn, :p)"),
        {escritorio, documento, serie, numeroNS, cliente, QDate(2026, 11, 5), QDate(2026, 11, 25),
         QStringLiteral("100.00"), nossoNumero, protocolo});
  }
  void Nota(int escritorio, int numero, int cancelada = 0, int vistaPrazo = 1) {
    ExecutarSQLDireto(QStringLiteral("insert into SERVICONOTA (CODIGOESCRIT, SERIENS, NUMERONS, DATAEMISSAONS, "
                                     "VALORLIQUIDO, VISTAPRAZO, CANCELADANS) values (:e, 'NFS', :n, :d, :v, :vp, :c)"),
                      {escritorio, numero, QDate(2026, 11, 5), QStringLiteral("100.00"), vistaPrazo, cancelada});
  }
  void Escritorio(int codigo, int empresa, int estab) {
    ExecutarSQLDireto(QStringLiteral("insert into ESCRITORIO (CODIGOESCRIT, NOMEESCRIT, CODIGOEMPRESA, CODIGOESTAB) "
                                     "values (:c, :n, :e, :s)"),
                      {codigo, QStringLiteral("Escritório %1").arg(codigo), empresa, estab});
  }
  void Modelo(int tipo, const QString &modelo) {
    ExecutarSQLDireto(
        QStringLiteral("update CFGTIPOPROTOCOLO set DESCRTIPOPROTOCOLO = :d where CODIGOTIPOPROTOCOLO = :t"),
        {modelo, tipo});
  }
  // Marks every item that may be marked.
  void MarcarTodos() {
    TnClientDataSet &detalhe = Detalhe();
    detalhe.SetFiltered(false);
    for (detalhe.First(); !detalhe.Eof(); detalhe.Next())
      if (detalhe.FieldByName(QStringLiteral("PROTOCOLO"))->IsNull()) FProcesso->MarcarItem();
  }
  // "protocol|sequence" of a financial document as stored.
  QString Carimbo(const QString &tabela, const QString &condicao) {
    const QVariant protocolo = Valor(QStringLiteral("select CODIGOPROTOCOLO from %1 where %2").arg(tabela, condicao));
    const QVariant seq = Valor(QStringLiteral("select SEQITEMPRO from %1 where %2").arg(tabela, condicao));
    const auto texto = [](const QVariant &v) { return v.isNull() ? QString() : v.toString(); };
    return texto(protocolo) + u'|' + texto(seq);
  }
};

const QString kPessoa3 = QStringLiteral(
    "      1 Pessoa 3 - Roberto Almeida Figueiredo com os campos Empresa e Filial não informados para o tipo %1, "
    "verifique no módulo Financeiro menu Cadastros / Pessoas.");

}  // namespace

// --- the two walks

TEST_F(GerarProtocoloFinanceiroTeste, ByOfficeThePersonsWithoutEstablishmentByClientEachPersonAtItsOwn) {
  ASSERT_EQ(Gerar({.Tipos = "11;12"}), QString());
  // Person 1's code equals the office's: its documents still go to company
  // 2 only, each once.
  EXPECT_EQ(ItensPorDestino(),
            (QStringList{"1|1|FIN;11;1;NFS;1003|", "1|1|FIN;12;1;NFS-1003|", "2|1|FIN;11;1;NFS;1001|",
                         "2|1|FIN;12;1;HON-2026-11-01|", "2|1|FIN;12;1;NFS-1001|", "2|2|FIN;11;1;NFS;1002|",
                         "2|2|FIN;12;1;NFS-1002|"}));
  EXPECT_EQ(
      Propostas(),
      (QStringList{
          "1|1|1|Notas Fiscais - Gerado em 01/12/2026 09:30:00", "2|1|1|Boletos - Gerado em 01/12/2026 09:30:00",
          "3|2|1|Notas Fiscais - Gerado em 01/12/2026 09:30:00", "4|2|2|Notas Fiscais - Gerado em 01/12/2026 09:30:00",
          "5|2|1|Boletos - Gerado em 01/12/2026 09:30:00", "6|2|2|Boletos - Gerado em 01/12/2026 09:30:00"}));
  const QStringList arvore = Arvore();
  const int financeiro = static_cast<int>(arvore.indexOf(QStringLiteral("4 Notas Fiscais, Boletos")));
  ASSERT_GE(financeiro, 0);
  EXPECT_EQ(arvore.mid(financeiro + 1, 8),
            (QStringList{"  4 Empresa: 1 - Organização Contábil Exemplo Ltda (confirmação)",
                         "    4 Filial: 1 - Organização Contábil Exemplo Ltda (confirmação)",
                         kPessoa3.arg(QStringLiteral("Notas Fiscais")), "      4 1 Protocolo(s) - 1 Iten(s) listado(s)",
                         "  4 Empresa: 1 - Organização Contábil Exemplo Ltda (confirmação)",
                         "    4 Filial: 1 - Organização Contábil Exemplo Ltda (confirmação)",
                         kPessoa3.arg(QStringLiteral("Boletos")), "      4 1 Protocolo(s) - 1 Iten(s) listado(s)"}));
  EXPECT_TRUE(arvore.contains(QStringLiteral("      4 1 Protocolo(s) - 2 Iten(s) listado(s)")));
  EXPECT_EQ(Item(QStringLiteral("FIN;11;1;NFS;1001"),
                 {"SEQITEMPRO", "TIPODEBITO", "DESCRITEM", "VENCIMENTO", "VALOR", "MODULO", "COMPETENCIA", "GERAR",
                  "TABELA", "CHAVEDEBITO", "CODIGOIMPOSTO"}),
            QStringLiteral("SEQITEMPRO=1|TIPODEBITO=Notas Fiscais|DESCRITEM=Nota Fiscal de Serviço NFS 1001 - Emissão "
                           "03/11/2026|VENCIMENTO=13/11/2026|VALOR=1850|MODULO=FIN|COMPETENCIA=01/11/2026|GERAR=0|"
                           "TABELA=|CHAVEDEBITO=|CODIGOIMPOSTO="));
}

TEST_F(GerarProtocoloFinanceiroTeste, PersonsNamingZeroAreTheOfficesInBothWalksAndACompanyAloneInNeither) {
  Pessoa(10, QVariant(), QVariant());
  Pessoa(11, 0, QVariant());
  Pessoa(12, 0, 0);
  Pessoa(13, 3, QVariant());
  Receber(1, QStringLiteral("B-10"), 10, 91);
  Receber(1, QStringLiteral("B-11"), 11, 92);
  Receber(1, QStringLiteral("B-12"), 12, 93);
  Receber(1, QStringLiteral("B-13"), 13, 94);
  ASSERT_EQ(Gerar({.Tipos = "12"}), QString());
  // 10 and 11 are the office's private clients, listed once together. 12
  // (establishment 0) is its own client in both walks, each time at the
  // office's establishment, never at a company 0. 13 names a company but no
  // establishment.
  EXPECT_EQ(ItensPorDestino(),
            (QStringList{"1|1|FIN;12;1;B-10|", "1|1|FIN;12;1;B-11|", "1|1|FIN;12;1;B-12|", "1|1|FIN;12;1;B-12|",
                         "1|1|FIN;12;1;NFS-1003|", "2|1|FIN;12;1;HON-2026-11-01|", "2|1|FIN;12;1;NFS-1001|",
                         "2|2|FIN;12;1;NFS-1002|"}));
  EXPECT_EQ(Propostas().size(), 5);
  EXPECT_FALSE(Arvore().contains(QStringLiteral("  4 Empresa: 0 - ")));

  // Saved twice, the slip would name one protocol while two list it.
  MarcarTodos();
  EXPECT_TRUE(Gravar().contains(QStringLiteral("não está mais livre")));
  EXPECT_EQ(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'B-12'")), QStringLiteral("|"));
}

TEST_F(GerarProtocoloFinanceiroTeste, ASlipNumberOfZeroMakesNoClientAndAnInvoiceWithoutReceivableIsNeverListed) {
  Pessoa(14, 3, 1);
  Receber(1, QStringLiteral("B-14"), 14, 0);
  ASSERT_EQ(Gerar({.Tipos = "11;12", .Listar = "1"}), QString());
  const QStringList itens = ItensPorDestino();
  for (const QString &item : itens) {
    EXPECT_FALSE(item.startsWith(QStringLiteral("3|1|"))) << item.toStdString();
    EXPECT_FALSE(item.contains(QStringLiteral("1004"))) << item.toStdString();
  }
  EXPECT_EQ(itens.size(), 7);
}

TEST_F(GerarProtocoloFinanceiroTeste, WithoutProtocolHidesWhatTheReceivableCarriesAllShowsItUnmarkable) {
  ExecutarSQLDireto(QStringLiteral("update CONTARECEBER set CODIGOPROTOCOLO = 77 where NUMERODCTOCR = 'NFS-1002'"));
  ExecutarSQLDireto(QStringLiteral("update SERVICONOTA set CODIGOPROTOCOLO = 78 where NUMERONS = 1003"));
  ASSERT_EQ(Gerar({.Tipos = "11;12"}), QString());
  // The invoice follows its receivable: 1002 is gone, 1003 (its receivable
  // free) shows its own protocol.
  EXPECT_EQ(ItensPorDestino(),
            (QStringList{"1|1|FIN;11;1;NFS;1003|78", "1|1|FIN;12;1;NFS-1003|", "2|1|FIN;11;1;NFS;1001|",
                         "2|1|FIN;12;1;HON-2026-11-01|", "2|1|FIN;12;1;NFS-1001|"}));

  ASSERT_EQ(Gerar({.Tipos = "11;12", .Listar = "1"}), QString());
  EXPECT_EQ(Item(QStringLiteral("FIN;12;1;NFS-1002"), {"PROTOCOLO"}), QStringLiteral("PROTOCOLO=77"));
  EXPECT_EQ(Item(QStringLiteral("FIN;11;1;NFS;1002"), {"PROTOCOLO"}), QStringLiteral("PROTOCOLO="));
  ASSERT_TRUE(Detalhe().Locate(QStringLiteral("CHAVEORIGEM"), QStringLiteral("FIN;12;1;NFS-1002")));
  TnDialogosTeste dialogos;
  dialogos->SetAceitarMensagens(true);
  FProcesso->MarcarItem();
  EXPECT_EQ(dialogos->Textos().size(), 1);
  EXPECT_EQ(Item(QStringLiteral("FIN;12;1;NFS-1002"), {"GERAR"}), QStringLiteral("GERAR=0"));
}

TEST_F(GerarProtocoloFinanceiroTeste, ByDueDateTheInvoicesTakeTheirReceivablesDueDate) {
  // Due on 13/11 and 20/11; from the 14th only 1003's and the fee slip.
  ASSERT_EQ(Gerar({.Tipos = "11;12", .TipoData = "2", .Inicio = "14/11/2026"}), QString());
  EXPECT_EQ(ItensPorDestino(),
            (QStringList{"1|1|FIN;11;1;NFS;1003|", "1|1|FIN;12;1;NFS-1003|", "2|1|FIN;12;1;HON-2026-11-01|"}));
}

TEST_F(GerarProtocoloFinanceiroTeste, EachInstallmentListsItsInvoiceAgain) {
  Nota(1, 2001);
  Receber(1, QStringLiteral("NFS-2001-1"), 2, 95, 2001);
  Receber(1, QStringLiteral("NFS-2001-2"), 2, 96, 2001);
  ASSERT_EQ(Gerar({.Tipos = "11"}), QString());
  EXPECT_EQ(ItensPorDestino().count(QStringLiteral("2|2|FIN;11;1;NFS;2001|")), 2);
}

// --- "Protocolo Único"

TEST_F(GerarProtocoloFinanceiroTeste, OneProtocolJoinsTheEstablishmentsProposalAndANewOneNeverReusesANumber) {
  // Person 1 now receives at company 3: the walk by office finds the
  // office's proposal (1) first, then person 1 needs a new one, which must
  // not take the number of company 2's proposal.
  ExecutarSQLDireto(QStringLiteral("update PESSOAFINANCEIRO set CODIGOEMPRESA = 3 where CODIGOPESSOAFIN = 1"));
  ASSERT_EQ(Gerar({.Tipos = "1;11;12", .Forma = "1"}), QString());
  const QStringList propostas = Propostas();
  QSet<QString> numeros;
  for (const QString &p : propostas) numeros.insert(p.section(u'|', 0, 0));
  EXPECT_EQ(numeros.size(), propostas.size()) << propostas.join(u'\n').toStdString();
  const QStringList itens = ItensPorDestino();
  EXPECT_TRUE(itens.contains(QStringLiteral("3|1|FIN;11;1;NFS;1001|"))) << itens.join(u'\n').toStdString();
  EXPECT_TRUE(itens.contains(QStringLiteral("2|2|FIN;11;1;NFS;1002|"))) << itens.join(u'\n').toStdString();
  EXPECT_TRUE(itens.contains(QStringLiteral("1|1|FIN;12;1;NFS-1003|"))) << itens.join(u'\n').toStdString();
  // Numbers continue after the debits of the proposal they join.
  QStringList sequencias;
  for (const QString &linha : Linhas(Detalhe(), {"CODIGOPROTOCOLO", "SEQITEMPRO"})) sequencias << linha;
  EXPECT_EQ(sequencias.removeDuplicates(), 0) << sequencias.join(u'\n').toStdString();

  // Saved, every protocol holds only its own establishment's documents.
  MarcarTodos();
  ASSERT_EQ(Gravar(), QString());
  EXPECT_EQ(Valor(QStringLiteral("select P.CODIGOEMPRESA from PROTOCOLO P join CONTARECEBER CR on "
                                 "CR.CODIGOPROTOCOLO = P.CODIGOPROTOCOLO where CR.NUMERODCTOCR = 'NFS-1001'"))
                .toInt(),
            3);
  EXPECT_EQ(Valor(QStringLiteral("select P.CODIGOESTAB from PROTOCOLO P join CONTARECEBER CR on "
                                 "CR.CODIGOPROTOCOLO = P.CODIGOPROTOCOLO where CR.NUMERODCTOCR = 'NFS-1002'"))
                .toInt(),
            2);
  EXPECT_EQ(Valor(QStringLiteral("select count(*) from PROTOCOLO P join SERVICONOTA SN on SN.CODIGOPROTOCOLO = "
                                 "P.CODIGOPROTOCOLO where P.CODIGOEMPRESA <> 1 and SN.NUMERONS = 1003"))
                .toInt(),
            0);
}

TEST_F(GerarProtocoloFinanceiroTeste, AJoinedProposalNumbersTheNewItemsAfterItsLastEvenWhenALaterOneWasDropped) {
  // Campinas has no federal debit: its proposal is made and dropped last.
  ExecutarSQLDireto(QStringLiteral("delete from DEBITOFEDERAL where CODIGOEMPRESA = 2 and CODIGOESTAB = 2"));
  ASSERT_EQ(Gerar({.Tipos = "1;12", .Forma = "1"}), QString());
  const int debitos = Valor(QStringLiteral("select count(*) from DEBITOFEDERAL where CODIGOEMPRESA = 2 and "
                                           "CODIGOESTAB = 1 and CODIGOPROTOCOLO is null"))
                          .toInt();
  ASSERT_GT(debitos, 0);
  EXPECT_EQ(Item(QStringLiteral("FIN;12;1;HON-2026-11-01"), {"SEQITEMPRO"}),
            QStringLiteral("SEQITEMPRO=%1").arg(debitos + 1));
  EXPECT_EQ(Item(QStringLiteral("FIN;12;1;NFS-1001"), {"SEQITEMPRO"}),
            QStringLiteral("SEQITEMPRO=%1").arg(debitos + 2));
}

// --- the save

TEST_F(GerarProtocoloFinanceiroTeste, SavingStampsTheInvoiceAndTheReceivableWithTheProtocolAndItsItem) {
  ASSERT_EQ(Gerar({.Tipos = "11;12", .Empresas = "1"}), QString());
  ASSERT_EQ(Mestre().RecordCount(), 6);
  MarcarTodos();
  const qint64 antes = Valor(QStringLiteral("select max(CODIGOPROTOCOLO) from PROTOCOLO")).toLongLong();
  ASSERT_EQ(Gravar(), QString());
  // Person 1's slips are the 1st and 2nd item of its boleto protocol.
  EXPECT_EQ(Carimbo(QStringLiteral("SERVICONOTA"), QStringLiteral("NUMERONS = 1003")),
            QString::number(antes + 1) + QStringLiteral("|1"));
  EXPECT_EQ(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'NFS-1003'")),
            QString::number(antes + 2) + QStringLiteral("|1"));
  EXPECT_EQ(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'HON-2026-11-01'")),
            QString::number(antes + 5) + QStringLiteral("|1"));
  EXPECT_EQ(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'NFS-1001'")),
            QString::number(antes + 5) + QStringLiteral("|2"));
  // The invoice's own receivable is not a boleto item of the invoice.
  EXPECT_EQ(Carimbo(QStringLiteral("SERVICONOTA"), QStringLiteral("NUMERONS = 1004")), QStringLiteral("|"));
  EXPECT_EQ(
      Valor(QStringLiteral("select CHAVEORIGEM from PROTOCOLOITEM where CODIGOPROTOCOLO = :p"), {antes + 1}).toString(),
      QStringLiteral("FIN;11;1;NFS;1003"));
  EXPECT_EQ(Mestre().RecordCount(), 0);
}

TEST_F(GerarProtocoloFinanceiroTeste, ADocumentTakenMeanwhileRollsTheWholeSaveBackNamingIt) {
  ASSERT_EQ(Gerar({.Tipos = "11;12", .Empresas = "1"}), QString());
  MarcarTodos();
  // Another user protocols a slip of the last protocol after the listing.
  ExecutarSQLDireto(QStringLiteral("update CONTARECEBER set CODIGOPROTOCOLO = 77 where NUMERODCTOCR = 'NFS-1002'"));
  const int protocolos = Contar(QStringLiteral("PROTOCOLO"));
  const QString erro = Gravar();
  EXPECT_TRUE(
      erro.startsWith(QStringLiteral("Empresa: 2\r\nFilial: 2\r\nProtocolo: 6\r\nBoletos: O documento "
                                     "\"Boleto 2026110002 - Vencimento 13/11/2026\" (boleto do escritório 1, "
                                     "documento NFS-1002) não está mais livre")))
      << erro.toStdString();
  EXPECT_EQ(Contar(QStringLiteral("PROTOCOLO")), protocolos);
  EXPECT_EQ(Carimbo(QStringLiteral("SERVICONOTA"), QStringLiteral("NUMERONS = 1001")), QStringLiteral("|"));
  EXPECT_EQ(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'NFS-1001'")), QStringLiteral("|"));
  // Everything stays on screen to save again.
  EXPECT_EQ(Mestre().RecordCount(), 6);
}

TEST_F(GerarProtocoloFinanceiroTeste, ALongOriginKeyIsCutButTheSaveStampsExactlyItsDocument) {
  Escritorio(123456, 1, 1);
  Receber(123456, QStringLiteral("DOC-123456789AB"), 3, 97);
  Receber(123456, QStringLiteral("DOC-123456789AC"), 3, 98);
  ASSERT_EQ(Gerar({.Tipos = "12", .Empresas = "1"}), QString());
  const QStringList chaves = Linhas(Detalhe(), {"CHAVEORIGEM"});
  EXPECT_TRUE(chaves.contains(QStringLiteral("FIN;12;123456;DOC-1234567"))) << chaves.join(u' ').toStdString();
  MarcarTodos();
  ASSERT_EQ(Gravar(), QString());
  EXPECT_NE(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'DOC-123456789AB'")),
            QStringLiteral("|"));
  EXPECT_NE(Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'DOC-123456789AC'")),
            Carimbo(QStringLiteral("CONTARECEBER"), QStringLiteral("NUMERODCTOCR = 'DOC-123456789AB'")));
}

// --- the tree

TEST_F(GerarProtocoloFinanceiroTeste, AnUnconfiguredOfficeEstablishmentIsReportedUnderItsOwnLinesInEachWalk) {
  Escritorio(2, 2, 3);
  Receber(2, QStringLiteral("B-2"), 2, 99);
  ASSERT_EQ(Gerar({.Tipos = "12", .Empresas = "2", .Estabs = "3"}), QString());
  EXPECT_EQ(Propostas(), QStringList());
  const QStringList arvore = Arvore();
  const int financeiro = static_cast<int>(arvore.indexOf(QStringLiteral("4 Notas Fiscais, Boletos")));
  ASSERT_GE(financeiro, 0);
  const QStringList erro{"  4 Empresa: 2 - Padaria Pão Quente Ltda (erro)",
                         "    4 Filial: 3 - Pão Quente Botafogo (erro)",
                         "      0 Filial não configurada no Protocolo."};
  EXPECT_EQ(arvore.mid(financeiro + 1), erro + erro);
}

// --- descriptions

TEST_F(GerarProtocoloFinanceiroTeste, TheTemplatesFillEveryFinancialTokenInAnyCase) {
  Modelo(11, QStringLiteral("[codigoescrit]/[SERIENS]/[NumeroNS] [DATAEMISSAONS] [VISTAPRAZO] [CANCELADANS] "
                            "[NOSSONUMERO]"));
  Modelo(12, QStringLiteral("[CODIGOESCRIT] [NOSSONUMERO] [DATAEMISSAOCR] [DATAVCTOCR] [numerodctocr] [SERIENS]"));
  Nota(1, 2002, 1, 0);
  Receber(1, QStringLiteral("NFS-2002"), 3, 95, 2002);
  ASSERT_EQ(Gerar({.Tipos = "11;12", .Empresas = "1"}), QString());
  EXPECT_EQ(Item(QStringLiteral("FIN;11;1;NFS;1001"), {"DESCRITEM"}),
            QStringLiteral("DESCRITEM=1/NFS/1001 03/11/2026 A Prazo Não [NOSSONUMERO]"));
  EXPECT_EQ(Item(QStringLiteral("FIN;11;1;NFS;2002"), {"DESCRITEM"}),
            QStringLiteral("DESCRITEM=1/NFS/2002 05/11/2026 À Vista Sim [NOSSONUMERO]"));
  EXPECT_EQ(Item(QStringLiteral("FIN;12;1;HON-2026-11-01"), {"DESCRITEM"}),
            QStringLiteral("DESCRITEM=1 2026110004 16/11/2026 26/11/2026 HON-2026-11-01 [SERIENS]"));
}

TEST_F(GerarProtocoloFinanceiroTeste, ABlankTemplateSaysAutomaticAndSpacesAroundAFilledOneStay) {
  Modelo(11, QStringLiteral("   "));
  Modelo(12, QStringLiteral(" [NUMERODCTOCR] "));
  ASSERT_EQ(Gerar({.Tipos = "11;12", .Empresas = "1"}), QString());
  EXPECT_EQ(Item(QStringLiteral("FIN;11;1;NFS;1001"), {"DESCRITEM"}), QStringLiteral("DESCRITEM=Geração automática"));
  EXPECT_EQ(Item(QStringLiteral("FIN;12;1;NFS-1001"), {"DESCRITEM"}), QStringLiteral("DESCRITEM= NFS-1001 "));
  ExecutarSQLDireto(QStringLiteral("delete from CFGTIPOPROTOCOLO where CODIGOTIPOPROTOCOLO = 11"));
  ASSERT_EQ(Gerar({.Tipos = "11", .Empresas = "1"}), QString());
  EXPECT_EQ(Item(QStringLiteral("FIN;11;1;NFS;1001"), {"DESCRITEM"}), QStringLiteral("DESCRITEM=Geração automática"));
}
