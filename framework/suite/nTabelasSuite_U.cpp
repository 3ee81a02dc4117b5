// The tables of the other suite modules that the protocol module reads, and
// the framework's own tables. Only the columns the module uses are declared;
// an installation whose tables carry more keeps them, since the conversion
// only ever adds what is missing.

#include "nTabelas_U.h"

using namespace nTabelasDef;

namespace {

// The tax-debit tables share one layout; they differ in the suffix of the
// debit key and in whether they carry an observation. Each gets the indexes
// of the protocol generation: the establishment's debits by launch date or by
// due date, and the debits already stamped with a protocol.
TnTabelaDef TabelaDebito(const char *tabela, const char *sufixo, bool comObservacao) {
  const QString nome = QString::fromLatin1(tabela);
  const QByteArray chave = QByteArray("CHAVEDEBITO") + sufixo;
  QList<TnColunaDef> colunas = {
      Si("CODIGOEMPRESA"),
      Int(chave.constData()),
      Si("CODIGOESTAB"),
      Int("CODIGOIMPOSTO"),
      Si("VARIACAOIMPOSTO"),
      Data("DATALCTOCTR"),
      Data("DATAFINAL"),
      Num("VALORDEBITO"),
      Data("DATAVENCIMENTO"),
      Si("FORMADEBITO"),
      Si("SITUACAODEBITO"),
      Int("CODIGOTABCTBCTR"),
      Vc("CHAVEORIGEM", 50),
      Si("CODIGOUSUARIO"),
      Ts("DATAHORADEBITO"),
      Big("CODIGOPROTOCOLO"),
  };
  if (comObservacao) colunas << Vc("OBSERVDEBITO", 100);
  return nTabela(tabela, std::move(colunas), {"CODIGOEMPRESA", QString::fromLatin1(chave)},
                 {
                     {"IX_" + nome + "_EMPESTABLCTO", {"CODIGOEMPRESA", "CODIGOESTAB", "DATALCTOCTR"}},
                     {"IX_" + nome + "_EMPESTABVCTO", {"CODIGOEMPRESA", "CODIGOESTAB", "DATAVENCIMENTO"}},
                     {"IX_" + nome + "_PROTOCOLO", {"CODIGOPROTOCOLO"}},
                 });
}

}  // namespace

QList<TnTabelaDef> nTabelasSuite() {
  return {
      // Companies, establishments, users, taxes and lookups.
      nTabela("EMPRESA",
              {
                  Si("CODIGOEMPRESA"),
                  Vc("NOMEEMPRESA", 100, NN),
                  Ch("ATIVA", 1, NN),
              },
              {"CODIGOEMPRESA"}),

      nTabela("ESTAB",
              {
                  Si("CODIGOEMPRESA"),
                  Si("CODIGOESTAB"),
                  Vc("NOMEESTAB", 100, NN),
                  Vc("APELIDOESTAB", 50),
                  Data("DATAINICIOATIV"),
                  Data("DATAFIMATIV"),
                  Vc("LOGRADESTAB", 15),
                  Vc("ENDERESTAB", 40),
                  Vc("COMPLENDERESTAB", 20),
                  Int("NUMENDERESTAB"),
                  Vc("BAIRROESTAB", 30),
                  Ch("SIGLAESTADO", 2),
                  Si("CODIGOMUNIC"),
                  Vc("CEPESTAB", 10),
              },
              {"CODIGOEMPRESA", "CODIGOESTAB"}),

      nTabela("USUARIO",
              {
                  Si("CODIGOUSUARIO"),
                  Vc("NOMEUSUARIO", 30, NN),
                  Vc("NOMEUSUARIOCOMPL", 100),
              },
              {"CODIGOUSUARIO"}),

      nTabela("IMPOSTO",
              {
                  Int("CODIGOIMPOSTO"),
                  Si("VARIACAOIMPOSTO"),
                  Vc("DESCRIMPOSTO", 100, NN),
                  Vc("DESCRPROTOCOLO", 100),
              },
              {"CODIGOIMPOSTO", "VARIACAOIMPOSTO"}),

      nTabela("DPTOESCRIT",
              {
                  Si("CODIGODPTOESCRIT"),
                  Vc("DESCRDPTOESCRIT", 50, NN),
              },
              {"CODIGODPTOESCRIT"}),

      nTabela("ESTADO",
              {
                  Ch("SIGLAESTADO", 2),
                  Vc("NOMEESTADO", 50, NN),
              },
              {"SIGLAESTADO"}),

      nTabela("MUNICIPIO",
              {
                  Ch("SIGLAESTADO", 2),
                  Si("CODIGOMUNIC"),
                  Vc("NOMEMUNIC", 100, NN),
              },
              {"SIGLAESTADO", "CODIGOMUNIC"}),

      // Tax debits.
      TabelaDebito("DEBITOFEDERAL", "FED", true),
      TabelaDebito("DEBITOESTADUAL", "EST", true),
      TabelaDebito("DEBITOMUNICIPAL", "MUN", true),
      TabelaDebito("DEBITOSINDICAL", "SIND", false),
      TabelaDebito("DEBITOGPS", "GPS", true),
      TabelaDebito("DEBITOFGTS", "FGTS", true),

      nTabela("DEBITOFOLHA",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CHAVEDEBITOFOLHA"),
                  Si("CODIGOESTAB"),
                  Data("DATALCTOCTR"),
                  Num("VALORDEBITO"),
                  Data("DATAVENCIMENTO"),
                  Si("SITUACAODEBITO"),
                  Int("CODIGOTABCTBCTR"),
                  Vc("CHAVEORIGEM", 50),
                  Si("CODIGOUSUARIO"),
                  Ts("DATAHORADEBITO"),
                  Big("CODIGOPROTOCOLO"),
                  Vc("OBSERVDEBITO", 100),
                  Int("CODIGOFUNCCONTR"),
              },
              {"CODIGOEMPRESA", "CHAVEDEBITOFOLHA"},
              {
                  {"IX_DEBITOFOLHA_EMPESTABLCTO", {"CODIGOEMPRESA", "CODIGOESTAB", "DATALCTOCTR"}},
                  {"IX_DEBITOFOLHA_EMPESTABVCTO", {"CODIGOEMPRESA", "CODIGOESTAB", "DATAVENCIMENTO"}},
                  {"IX_DEBITOFOLHA_PROTOCOLO", {"CODIGOPROTOCOLO"}},
              }),

      // Payroll, terminations and vacations (read only).
      nTabela("FUNCIONARIO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Vc("NOMEFUNC", 100),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR"}),

      nTabela("PERIODOCALCULO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOPERCALCULO"),
                  Data("DATAINICIALFOLHA"),
                  Data("DATAFINALFOLHA"),
                  Data("DATAPGTO"),
              },
              {"CODIGOEMPRESA", "CODIGOPERCALCULO"}),

      nTabela("FUNCPERCALCULO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOPERCALCULO"),
                  Int("CODIGOFUNCCONTR"),
                  Data("DATALOCAL"),
                  Data("DATAPGTOFOLHA"),
              },
              {"CODIGOEMPRESA", "CODIGOPERCALCULO", "CODIGOFUNCCONTR"},
              {
                  {"IX_FUNCPERCALCULO_EMPPGTO", {"CODIGOEMPRESA", "DATAPGTOFOLHA"}},
              }),

      nTabela("FUNCCONTRATO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Int("CODIGOFUNCPESSOA"),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR"}),

      nTabela("FUNCPESSOA",
              {
                  Int("CODIGOFUNCPESSOA"),
                  Vc("NOMEFUNC", 100),
              },
              {"CODIGOFUNCPESSOA"}),

      nTabela("FUNCLOCAL",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Data("DATATRANSF"),
                  Si("CODIGOESTAB"),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATATRANSF"},
              {
                  // The payroll of one establishment starts from the
                  // placements there, not from the whole company's.
                  {"IX_FUNCLOCAL_EMPESTAB", {"CODIGOEMPRESA", "CODIGOESTAB"}},
              }),

      nTabela("CALCULOEVENTO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOPERCALCULO"),
                  Int("CODIGOFUNCCONTR"),
                  Int("CODIGOEVENTO"),
                  Num("VALOREVENTO"),
              },
              {"CODIGOEMPRESA", "CODIGOPERCALCULO", "CODIGOFUNCCONTR", "CODIGOEVENTO"}),

      nTabela("RESCISAO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Ch("COMPLEMENTAR", 1),
                  Si("CODIGOCAUSA"),
                  Si("CODIGOSAQUE"),
                  Vc("TIPOAFASTSEFIP", 3),
                  Si("TIPOAFASTCAGED"),
                  Si("TIPOAFASTRAIS"),
                  Si("CODIGOMOTDEM"),
                  Data("DATARESC"),
                  Data("DATAAVPREVIO"),
                  Data("DATAPGTORESC"),
                  Si("DIASTRAB"),
                  Si("DIASAVINDEN"),
                  Si("DIASAVREAV"),
                  Si("DIASESTABIL"),
                  Si("DIASGRATIF"),
                  Num("SALFINAL"),
                  Num("FGTSMESANT"),
                  Si("CODIGOFPAS"),
                  Vc("CODIGOOUTEMP", 10),
                  Num("SALDOFGTS"),
                  Num("REMMULTA"),
                  Num("VALORMULTA"),
                  Num("REMMULTARECOL"),
                  Num("VALORMULTARECOL"),
                  Num("BASEINSS"),
                  Num("DEDUCAO"),
                  Num("FGTSRECOL"),
                  Num("VALORINSS"),
                  Num("REMUNRESCISAO"),
                  Ch("REPOSICAOVAGA", 1),
                  Ch("AVISOPREVIO", 1),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATARESC"},
              {
                  {"IX_RESCISAO_EMPPGTO", {"CODIGOEMPRESA", "DATAPGTORESC"}},
              }),

      nTabela("RESCISAOEVENTO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Int("CODIGOEVENTO"),
                  Num("VALOREVENTO"),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "CODIGOEVENTO"}),

      nTabela("RECIBOFERIAS",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Data("DATAINICIAL"),
                  Data("DATAINICIALFERIAS"),
                  Data("DATAFINALFERIAS"),
                  Data("DATAABONO"),
                  Data("DATAPGTO"),
                  Data("DATARETORNOFERIAS"),
                  Data("DATAAVISO"),
                  Data("DATASOLICABONO"),
                  Data("COMPETINICIAL"),
                  Ch("PAGAADTO13", 1),
                  Ch("DESCADTO", 1),
                  Ch("DESCONTPARCELA", 1),
                  Si("FORMAGERACAO"),
                  Si("TIPORECIBO"),
                  Si("DIASDOBROFERIAS"),
                  Si("DIASDOBROABONO"),
                  Si("DIASABONO"),
                  Si("DIASFERIAS"),
                  Si("DIASREMUN"),
                  Si("NUMEROPARCELA"),
                  Si("DIASPREMIO"),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATAINICIAL", "DATAINICIALFERIAS"},
              {
                  {"IX_RECIBOFERIAS_EMPINICIO", {"CODIGOEMPRESA", "DATAINICIALFERIAS"}},
                  {"IX_RECIBOFERIAS_EMPPGTO", {"CODIGOEMPRESA", "DATAPGTO"}},
              }),

      nTabela("FERIASEVENTO",
              {
                  Si("CODIGOEMPRESA"),
                  Int("CODIGOFUNCCONTR"),
                  Data("DATAINICIAL"),
                  Data("DATAINICIALFERIAS"),
                  Int("CODIGOEVENTO"),
                  Num("VALOREVENTO"),
              },
              {"CODIGOEMPRESA", "CODIGOFUNCCONTR", "DATAINICIAL", "DATAINICIALFERIAS", "CODIGOEVENTO"}),

      // Financial: service invoices, receivables, offices and their clients.
      nTabela("SERVICONOTA",
              {
                  Int("CODIGOESCRIT"),
                  Vc("SERIENS", 3),
                  Int("NUMERONS"),
                  Data("DATAEMISSAONS"),
                  Num("VALORLIQUIDO"),
                  Si("VISTAPRAZO"),
                  Si("CANCELADANS"),
                  Big("CODIGOPROTOCOLO"),
                  Si("SEQITEMPRO"),
              },
              {"CODIGOESCRIT", "SERIENS", "NUMERONS"},
              {
                  {"IX_SERVICONOTA_EMISSAO", {"DATAEMISSAONS"}},
                  {"IX_SERVICONOTA_PROTOCOLO", {"CODIGOPROTOCOLO"}},
              }),

      nTabela("CONTARECEBER",
              {
                  Int("CODIGOESCRIT"),
                  Vc("NUMERODCTOCR", 15),
                  Vc("SERIENS", 3),
                  Int("NUMERONS"),
                  Int("CODIGOCLIENTE"),
                  Data("DATAEMISSAOCR"),
                  Data("DATAVCTOCR"),
                  Num("VALORCR"),
                  Big("NOSSONUMERO"),
                  Big("CODIGOPROTOCOLO"),
                  Si("SEQITEMPRO"),
              },
              {"CODIGOESCRIT", "NUMERODCTOCR"},
              {
                  {"IX_CONTARECEBER_EMISSAO", {"DATAEMISSAOCR"}},
                  {"IX_CONTARECEBER_VCTO", {"DATAVCTOCR"}},
                  {"IX_CONTARECEBER_NOTA", {"CODIGOESCRIT", "SERIENS", "NUMERONS"}},
                  {"IX_CONTARECEBER_PROTOCOLO", {"CODIGOPROTOCOLO"}},
              }),

      nTabela("ESCRITORIO",
              {
                  Int("CODIGOESCRIT"),
                  Vc("NOMEESCRIT", 100),
                  Si("CODIGOEMPRESA"),
                  Si("CODIGOESTAB"),
              },
              {"CODIGOESCRIT"}),

      nTabela("PESSOAFINANCEIRO",
              {
                  Int("CODIGOPESSOAFIN"),
                  Vc("NOME", 100, NN),
                  Si("CODIGOEMPRESA"),
                  Si("CODIGOESTAB"),
              },
              {"CODIGOPESSOAFIN"}),

      nTabela("PESSOAFINCLIENTE",
              {
                  Int("CODIGOPESSOAFIN"),
              },
              {"CODIGOPESSOAFIN"}),
  };
}

QList<TnTabelaDef> nTabelasFramework() {
  return {
      // User rights: "8" grants.
      nTabela("USUARIODIREITO",
              {
                  Si("CODIGOUSUARIO"),
                  Vc("NOMEDIREITO", 60),
                  Ch("VALORDIREITO", 1, NN),
              },
              {"CODIGOUSUARIO", "NOMEDIREITO"}),

      // Saved process parameters, per user and process.
      nTabela("PARAMPROCESSO",
              {
                  Si("CODIGOUSUARIO"),
                  Vc("NOMEPROCESSO", 100),
                  Vc("NOMEPARAM", 60),
                  Vc("VALORPARAM", 2000),
              },
              {"CODIGOUSUARIO", "NOMEPROCESSO", "NOMEPARAM"}),

      // The suite's standard registration jobs.
      nTabela("JOBCADASTRO",
              {
                  Vc("NOMEJOB", 100),
                  Vc("DESCRJOB", 200),
                  Ch("ATIVO", 1, NN),
              },
              {"NOMEJOB"}),
  };
}
