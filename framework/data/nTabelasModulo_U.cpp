// The protocol module's own tables.
//
// Columns stand in the order the registers select them. NOT NULL is kept to
// the keys and to the columns every writer (registers, processes, sample
// data) always fills and the processes filter on; the other required columns
// are enforced by the data modules, which give the user a message per field.

#include "nTabelas_U.h"

using namespace nTabelasDef;

QList<TnTabelaDef> nTabelasModulo() {
  QList<TnTabelaDef> tabelas = {
      // Protocols: one per handover to or from a client establishment.
      nTabela("PROTOCOLO",
              {
                  Big("CODIGOPROTOCOLO"),
                  Si("CODIGOEMPRESA", NN),
                  Si("CODIGOESTAB", NN),
                  Data("DATALCTOPRO", NN),
                  Ch("TIPOPRO", 1),
                  Vc("OBSERVACAO", 50),
                  Ts("DATAHORACADASTRO"),
                  Si("CODIGOUSUARIO"),
                  Ch("FORMAENTREGA", 1),
                  Ch("NATUREZAPRO", 1),
                  Ts("DATAHORAENTREGA"),
                  Si("CODIGOUSUARIOINT"),
                  Vc("USUARIOEXT", 50),
                  Ts("DATAHORABAIXA"),
                  Ch("CANCELADO", 1),
                  Si("ORIGEMDADO"),
              },
              {"CODIGOPROTOCOLO"},
              {
                  {"IX_PROTOCOLO_EMPESTAB", {"CODIGOEMPRESA", "CODIGOESTAB"}},
                  {"IX_PROTOCOLO_DATALCTOPRO", {"DATALCTOPRO"}},
              }),

      nTabela("PROTOCOLOITEM",
              {
                  Big("CODIGOPROTOCOLO"),
                  Si("SEQITEMPRO"),
                  Vc("DESCRITEM", 200),
                  Data("COMPETENCIA"),
                  Data("DATALCTOPRO"),
                  Data("VENCIMENTO"),
                  Num("VALOR"),
                  Int("CODIGOIMPOSTO"),
                  Si("VARIACAOIMPOSTO"),
                  Big("CODIGODOCEMP"),
                  Int("CODIGOFUNCCONTR"),
                  Ch("CANCELADO", 1),
                  Vc("CHAVEORIGEM", 25),
                  Si("CODIGOUSUARIO"),
                  Ts("DATAHORACADASTRO"),
                  Si("ORIGEMDADO"),
              },
              {"CODIGOPROTOCOLO", "SEQITEMPRO"},
              {
                  {"IX_PROTOCOLOITEM_DOCEMP", {"CODIGODOCEMP"}},
                  {"IX_PROTOCOLOITEM_DATALCTOPRO", {"DATALCTOPRO"}},
              }),

      // Responsible persons of an establishment.
      nTabela("PROTOCOLORESPESTAB",
              {
                  Si("CODIGOEMPRESA"),
                  Si("CODIGOESTAB"),
                  Si("SEQ"),
                  Vc("NOMERESPONSAVEL", 100),
              },
              {"CODIGOEMPRESA", "CODIGOESTAB", "SEQ"}),

      // Item description templates per protocol type.
      nTabela("CFGTIPOPROTOCOLO",
              {
                  Si("CODIGOTIPOPROTOCOLO"),
                  Vc("DESCRTIPOPROTOCOLO", 100),
              },
              {"CODIGOTIPOPROTOCOLO"}),

      // Documents the office expects or holds for each establishment.
      nTabela("PROTOCOLODOCEMP",
              {
                  Big("CODIGODOCEMP"),
                  Si("CODIGOTIPODOC", NN),
                  Si("CODIGOEMPRESA", NN),
                  Si("CODIGOESTAB", NN),
                  Data("DATALCTOPRO", NN),
                  Vc("DESCRDOCEMP", 50),
                  Ch("ARQUIVADO", 1),
                  Si("ORIGEMDADO"),
              },
              {"CODIGODOCEMP"},
              {
                  {"IX_PROTOCOLODOCEMP_EMPESTABDATA", {"CODIGOEMPRESA", "CODIGOESTAB", "DATALCTOPRO"}},
                  {"IX_PROTOCOLODOCEMP_DATALCTOPRO", {"DATALCTOPRO"}},
              }),

      nTabela("PROTOCOLODOCMOVIMENTO",
              {
                  Big("CODIGODOCEMP"),
                  Si("SEQDOCEMP"),
                  Vc("OBSERVACAO", 50),
                  Vc("TIPOLOCAL", 1),
                  Si("CODIGODPTOESCRIT"),
                  Si("CODIGOUSUARIORESP"),
                  Big("CODIGOPROTOCOLO"),
                  Data("DATALCTOPRO"),
                  Ts("DATAHORA"),
                  Si("CODIGOUSUARIO"),
                  Si("ORIGEMDADO"),
              },
              {"CODIGODOCEMP", "SEQDOCEMP"},
              {
                  {"IX_PROTOCOLODOCMOVIMENTO_PROTOCOLO", {"CODIGOPROTOCOLO"}},
              }),

      // Document types, their groups and the membership of types in groups.
      nTabela("PROTOCOLOTIPODOC",
              {
                  Si("CODIGOTIPODOC"),
                  Vc("DESCRTIPODOC", 50),
                  Int("PERIODODIASDESCARTE"),
                  Ch("GERARAUTO", 1),
                  Si("PERIODODOC"),
                  Vc("MESOCORRENCIA", 27),
                  Ch("GERARENVELOPE", 1),
              },
              {"CODIGOTIPODOC"}),

      nTabela("PROTOCOLOGRUPODOC",
              {
                  Si("CODIGOGRUPODOC"),
                  Vc("DESCRGRUPODOC", 50),
              },
              {"CODIGOGRUPODOC"}),

      nTabela("PROTOCOLOGRUPOTIPODOC",
              {
                  Si("CODIGOGRUPODOC"),
                  Si("CODIGOTIPODOC"),
              },
              {"CODIGOGRUPODOC", "CODIGOTIPODOC"},
              {
                  {"IX_PROTOCOLOGRUPOTIPODOC_TIPODOC", {"CODIGOTIPODOC"}},
              }),

      // Standard item texts.
      nTabela("HISTORICOPRO",
              {
                  Si("CODIGOHISTPRO"),
                  Vc("DESCRISAOHISTPRO", 200),
                  Ch("TEMCOMPLEMENTOHISTORICO", 1),
              },
              {"CODIGOHISTPRO"}),

      // The archive: locations, boxes, envelopes and the documents filed in them.
      nTabela("PROTOCOLOLOCALCAIXA",
              {
                  Si("CODIGOLOCAL"),
                  Vc("DESCRLOCAL", 50),
              },
              {"CODIGOLOCAL"}),

      nTabela("PROTOCOLODOCCAIXA",
              {
                  Si("CODIGOCAIXA"),
                  Si("CODIGOEMPRESA", NN),
                  Si("CODIGOESTAB", NN),
                  Data("COMPETINICIAL"),
                  Data("COMPETFINAL"),
                  Si("CODIGOLOCAL"),
              },
              {"CODIGOCAIXA"},
              {
                  {"IX_PROTOCOLODOCCAIXA_EMPESTAB", {"CODIGOEMPRESA", "CODIGOESTAB"}},
                  {"IX_PROTOCOLODOCCAIXA_LOCAL", {"CODIGOLOCAL"}},
              }),

      nTabela("PROTOCOLODOCENVELOPE",
              {
                  Si("CODIGOCAIXA"),
                  Int("CODIGOENVELOPE"),
                  Vc("DESCRENVELOPE", 50),
              },
              {"CODIGOCAIXA", "CODIGOENVELOPE"}),

      nTabela("PROTOCOLODOCARQUIVO",
              {
                  Si("CODIGOCAIXA"),
                  Int("CODIGOENVELOPE"),
                  Big("CODIGODOCEMP"),
              },
              {"CODIGOCAIXA", "CODIGOENVELOPE", "CODIGODOCEMP"},
              {
                  {"IX_PROTOCOLODOCARQUIVO_DOCEMP", {"CODIGODOCEMP"}},
              }),

      // Delivery routes and their stops.
      nTabela("PROTOCOLOROTA",
              {
                  Si("CODIGOROTA"),
                  Vc("DESCRROTA", 50),
              },
              {"CODIGOROTA"}),

      nTabela("PROTOCOLOROTAENTREGA",
              {
                  Si("CODIGOROTA"),
                  Si("SEQROTA"),
                  Si("CODIGOEMPRESA", NN),
                  Si("CODIGOESTAB", NN),
                  Memo("OBSERVACAO"),
              },
              {"CODIGOROTA", "SEQROTA"},
              {
                  {"IX_PROTOCOLOROTAENTREGA_EMPESTAB", {"CODIGOEMPRESA", "CODIGOESTAB"}},
              }),

      // Per-establishment protocol configuration and delivery address.
      nTabela("CFGESTABPRO",
              {
                  Si("CODIGOEMPRESA"),
                  Si("CODIGOESTAB"),
                  Si("CODIGOGRUPODOC"),
                  Ch("FORMAENTREGA", 1),
                  Ch("MESMOENDERECOENT", 1),
              },
              {"CODIGOEMPRESA", "CODIGOESTAB"},
              {
                  {"IX_CFGESTABPRO_GRUPODOC", {"CODIGOGRUPODOC"}},
              }),

      nTabela("ESTABENTREGA",
              {
                  Si("CODIGOEMPRESA"),
                  Si("CODIGOESTAB"),
                  Vc("LOGRADENTREGA", 15),
                  Vc("ENDERECOENTREGA", 40),
                  Vc("COMPLENDERENTREGA", 20),
                  Int("NUMENDERENTREGA"),
                  Vc("BAIRROENDERENTREGA", 30),
                  Ch("SIGLAESTADO", 2),
                  Si("CODIGOMUNIC"),
                  Vc("CEPENDERENTREGA", 10),
              },
              {"CODIGOEMPRESA", "CODIGOESTAB"}),
  };

  // What the user calls each table's rows: refusals name the table by it.
  nDescrever(tabelas, {
                          {"PROTOCOLO", "Protocolo"},
                          {"PROTOCOLOITEM", "Protocolo - Itens"},
                          {"PROTOCOLORESPESTAB", "Responsáveis"},
                          {"CFGTIPOPROTOCOLO", "Tipos Protocolos"},
                          {"PROTOCOLODOCEMP", "Documentos da Empresa"},
                          {"PROTOCOLODOCMOVIMENTO", "Documento - Movimentação"},
                          {"PROTOCOLOTIPODOC", "Tipos de Documentos"},
                          {"PROTOCOLOGRUPODOC", "Grupos de Tipos de Documentos"},
                          {"PROTOCOLOGRUPOTIPODOC", "Tipos de Documentos em Grupos"},
                          {"HISTORICOPRO", "Históricos e Observações"},
                          {"PROTOCOLOLOCALCAIXA", "Protocolo Local Caixa"},
                          {"PROTOCOLODOCCAIXA", "Caixas de Documentos"},
                          {"PROTOCOLODOCENVELOPE", "Envelopes de Documentos"},
                          {"PROTOCOLODOCARQUIVO", "Arquivo de Documentos"},
                          {"PROTOCOLOROTA", "Rotas de Entrega"},
                          {"PROTOCOLOROTAENTREGA", "Rotas de Entrega - Configuração"},
                          {"CFGESTABPRO", "Configuração da Filial"},
                          {"ESTABENTREGA", "Endereço de Entrega"},
                      });

  // Foreign keys join the module's own tables where every writer keeps the
  // relation. Codes of other modules' tables (companies, debits …) and the
  // protocol a movement or an item's document names are not keyed here.
  nChaveEstrangeira(tabelas, "PROTOCOLOITEM", {"CODIGOPROTOCOLO"}, "PROTOCOLO");
  nChaveEstrangeira(tabelas, "PROTOCOLODOCEMP", {"CODIGOTIPODOC"}, "PROTOCOLOTIPODOC");
  nChaveEstrangeira(tabelas, "PROTOCOLODOCMOVIMENTO", {"CODIGODOCEMP"}, "PROTOCOLODOCEMP");
  nChaveEstrangeira(tabelas, "PROTOCOLOGRUPOTIPODOC", {"CODIGOGRUPODOC"}, "PROTOCOLOGRUPODOC");
  nChaveEstrangeira(tabelas, "PROTOCOLOGRUPOTIPODOC", {"CODIGOTIPODOC"}, "PROTOCOLOTIPODOC");
  nChaveEstrangeira(tabelas, "PROTOCOLODOCCAIXA", {"CODIGOLOCAL"}, "PROTOCOLOLOCALCAIXA");
  nChaveEstrangeira(tabelas, "PROTOCOLODOCENVELOPE", {"CODIGOCAIXA"}, "PROTOCOLODOCCAIXA");
  nChaveEstrangeira(tabelas, "PROTOCOLODOCARQUIVO", {"CODIGOCAIXA", "CODIGOENVELOPE"}, "PROTOCOLODOCENVELOPE");
  nChaveEstrangeira(tabelas, "PROTOCOLODOCARQUIVO", {"CODIGODOCEMP"}, "PROTOCOLODOCEMP");
  nChaveEstrangeira(tabelas, "PROTOCOLOROTAENTREGA", {"CODIGOROTA"}, "PROTOCOLOROTA");
  nChaveEstrangeira(tabelas, "CFGESTABPRO", {"CODIGOGRUPODOC"}, "PROTOCOLOGRUPODOC");
  return tabelas;
}
