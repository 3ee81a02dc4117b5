// The menu actions of every register, lookup and process of the two module
// libraries, as the main window builds them for the running module set.
#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "nActionList_U.h"
#include "nAction_U.h"
#include "nModulos_U.h"
#include "nRegistro_U.h"

namespace {

const QString kSelecaoData = QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");

struct Entrada {
  const char *Modulo;
  const char *Categoria;
  const char *Caption;
  int Index = 0;
  int Imagem = -1;
  const char *Atalho = "";
  bool Separador = false;
  bool Http = false;
  bool Menu = true;
};

enum class Direito { Padrao, Consulta, Detalhe, Livre };

struct Classe {
  const char *Nome;
  int Tipo;
  std::vector<Entrada> Entradas;
  Direito Regra = Direito::Padrao;
  const char *Mestre = "";
  bool SelecaoData = false;
  // Registers and lookups descend from TnDMClientDataSet, processes from
  // their process base.
  const char *Ancestral = "TnDMClientDataSet";
};

// The family as the module declares it.
const std::vector<Classe> &Familia() {
  static const std::vector<Classe> familia = {
      {"TmVoxDMHistoricoPro", 1,
       {{"mVox", "Cadastros\\Documentos", "Históricos e Observações", 25, -1, "", true, true, true}}},
      {"TmVoxDCHistoricoPro", 2,
       {{"mVox", "01 Cadastros\\00 Consultas", "Históricos e Observações", 25, -1, "", false, false, false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloLocalCaixa", 1,
       {{"mVox", "01 Cadastros\\05 Arquivamento", "Protocolo Local Caixa", 0, -1, "", false, true, true}}},
      {"TmVoxDCProtocoloLocalCaixa", 2,
       {{"mVox", "03 Consultas", "Protocolo Local Caixa", 0, -1, "", false, false, false}}, Direito::Consulta},
      {"TmVoxDMProtocoloDocArquivo", 1,
       {{"mVox", "01 Cadastros\\20 Arquivamento", "Arquivo de Documentos", 1, -1, "", false, false, false}}},
      {"TmVoxDCProtocoloDocArquivo", 1,
       {{"mVox", "01 Cadastros\\20 Documentos\\00 Consultas", "Arquivo de Documentos", 0, -1, "", false, false,
         false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloItem", 1,
       {{"mVox", "02 Movimentos\\10 Protocolos", "Protocolo - Itens", 2, -1, "", false, false, false}},
       Direito::Detalhe, "TmVoxDMProtocolo", true},
      {"TmVoxDMProtocolo", 1, {{"mVox", "02 Movimentos\\01 Protocolos", "Protocolo", 0, 115}}, Direito::Padrao, "",
       true},
      {"TmVoxDCProtocolo", 2, {{"mVox", "03 Consultas", "Protocolo", 0, 115, "", false, false, false}},
       Direito::Consulta, "", true},
      {"TmVoxDMProtocoloRespEstab", 1,
       {{"mVox", "02 Movimentos\\10 Protocolos", "Responsáveis", 2, -1, "", false, false, false}}},
      {"TmVoxDMProtocoloDocEnvelope", 1,
       {{"mVox", "01 Cadastros\\05 Arquivamento", "Envelopes de Documentos", 1, -1, "", false, false, false}},
       Direito::Detalhe, "TmVoxDMProtocoloDocCaixa"},
      {"TmVoxDCProtocoloDocEnvelope", 2,
       {{"mVox", "01 Cadastros\\20 Documentos\\00 Consultas", "Envelopes de Documentos", 0, -1, "", false, false,
         false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloDocCaixa", 1,
       {{"mVox", "01 Cadastros\\05 Arquivamento", "Caixas de Documentos", 1, -1, "", false, true, true}}},
      {"TmVoxDCProtocoloDocCaixa", 2,
       {{"mVox", "01 Cadastros\\20 Documentos\\00 Consultas", "Caixas de Documentos", 0, -1, "", false, false,
         false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloDocEmp", 1,
       {{"mVox", "02 Movimentos\\20 Documentos", "Documentos da Empresa", 1, 53, "", false, true, true}},
       Direito::Padrao, "", true},
      {"TmVoxDCProtocoloDocEmp", 2,
       {{"mVox", "02 Movimentos\\20 Documentos\\00 Consultas", "Documentos da Empresa", 0, -1, "", false, false,
         false}},
       Direito::Consulta, "", true},
      {"TmVoxDMProtocoloGrupoDoc", 1,
       {{"mVox", "01 Cadastros\\04 Documentos", "Grupos de Tipos de Documentos", 1, -1, "", false, true, true}}},
      {"TmVoxDMProtocoloGrupoTipoDoc", 1,
       {{"mVox", "01 Cadastros\\20 Documentos", "Tipos de Documentos em Grupos", 3, -1, "", false, false, false}},
       Direito::Detalhe, "TmVoxDMProtocoloGrupoDoc"},
      {"TmVoxDCProtocoloGrupoTipoDoc", 2,
       {{"mVox", "01 Cadastros\\20 Documentos\\00 Consultas", "Tipos de Documentos em Grupos", 0, -1, "", false,
         false, false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloRota", 1,
       {{"mVox", "01 Cadastros\\01 Clientes", "Rotas de Entrega", 3, -1, "", true, true, true}}},
      {"TmVoxDCProtocoloRota", 2,
       {{"mVox", "01 Cadastros\\01 Clientes\\00 Consultas", "Rotas de Entrega", 0, -1, "", false, false, false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloRotaEntrega", 1,
       {{"mVox", "01 Cadastros\\01 Clientes", "Rotas de Entrega - Configuração", 2, -1, "", false, false, false}},
       Direito::Detalhe, "TmVoxDMProtocoloRota"},
      {"TmVoxDMProtocoloTipoDoc", 1,
       {{"mVox", "01 Cadastros\\04 Documentos", "Tipos de Documentos", 2, -1, "", false, true, true}}},
      {"TmVoxDCProtocoloTipoDoc", 2,
       {{"mVox", "01 Cadastros\\04 Documentos\\00 Consultas", "Tipos de Documentos", 0, -1, "", false, false,
         false}},
       Direito::Consulta},
      {"TmVoxDMProtocoloDocMovimento", 1,
       {{"mVox", "02 Movimentos\\20 Documentos", "Documento - Movimentação", 2, -1, "", false, false, false}},
       Direito::Detalhe, "TmVoxDMProtocoloDocEmp", true},
      {"TmVoxDMCfgTipoProtocolo", 1,
       {{"mVox", "02 Movimentos\\01 Protocolos", "Tipos Protocolos", 4, -1, "", true, true, true}}},
      {"TmVoxDMEstabEntrega", 1,
       {{"mVox", "01 Cadastros\\01 Clientes", "Endereço de Entrega", 1, -1, "", false, true, true}}},
      {"TmVoxDCEstabEntrega", 2,
       {{"mVox", "01 Cadastros\\01 Clientes\\00 Consultas", "Endereço para Entrega", 1, -1, "", false, false,
         false}},
       Direito::Consulta},
      {"TmVoxDCProtocoloGrupoDoc", 2,
       {{"mVox", "01 Cadastros\\04 Documentos\\00 Consultas", "Grupos de Tipos de Documentos", 0, -1, "", false,
         false, false},
        {"rTul", "10 Configurações\\00 Consultas", "Grupos de Tipos de Documentos", 25, -1, "", false, false,
         false}},
       Direito::Consulta},
      {"TmVoxDMCfgEstabPro", 1,
       {{"mVox", "5 Configurações", "Configuração da Filial", 1, 101, "Shift+Ctrl+F12", false, false, true},
        {"rTul", "10 Configurações", "Protocolo", 25, 101, "", false, false, false}}},
      // No right on either of its actions.
      {"TmVoxDCCfgEstabPro", 2,
       {{"mVox", "5 Configurações\\00 Consultas", "Configuração da Filial", 1, 101, "", false, false, false},
        {"rTul", "10 Configurações\\00 Consultas", "Protocolo", 25, 101, "", false, false, false}},
       Direito::Livre},
      {"TmVoxDPBaixarProtocolo", 0,
       {{"mVox", "02 Movimentos\\01 Protocolos", "Baixar Protocolo", 3}},
       Direito::Padrao, "", false, "TnDMPowerParamTab"},
      {"TmVoxDPConsultaProtocoloBaixado", 0,
       {{"mVox", "04 Consultas", "Consulta de Protocolos Baixados/Recebidos", 1, -1, "", true, true, true}},
       Direito::Padrao, "", false, "TnDMPowerParamGrid"},
      {"TmVoxDPConsultaProtocoloEntregue", 0,
       {{"mVox", "04 Consultas", "Consulta de Protocolos Entregues/Retirados", 1, -1, "", false, true, true}},
       Direito::Padrao, "", false, "TnDMPowerParamGrid"},
      {"TmVoxDPArquivarDocs", 0,
       {{"mVox", "01 Cadastros\\05 Arquivamento", "Arquivar Documentos", 1, -1, "", true, true, true}},
       Direito::Padrao, "", false, "TnDMPowerParamTab"},
      // The generation of the expected documents has an action and no menu item.
      {"TmVoxDPGerarDocumento", 0,
       {{"mVox", "02 Movimentos\\20 Documentos", "Gerar Documento", 2, -1, "", false, false, false}},
       Direito::Padrao, "", false, "TnDMPowerParam"},
      {"TmVoxDPDocumentosPendentes", 0,
       {{"mVox", "02 Movimentos\\20 Documentos", "Documentos Pendentes", 1}},
       Direito::Padrao, "", false, "TnDMPowerParamTab"},
      {"TmVoxDPConsultaDocPendente", 0,
       {{"mVox", "04 Consultas", "Consulta de Documentos Pendentes", 1, -1, "", false, true, true}},
       Direito::Padrao, "", false, "TnDMPowerParamGrid"},
      // Box consultations; the document consultation is an action with no menu item.
      {"TmVoxDPConsultaDocumentosCaixa", 0,
       {{"mVox", "04 Consultas", "Consulta de Documentos/Caixa", 1, -1, "", false, false, true}},
       Direito::Padrao, "", false, "TnDMPowerParamTab"},
      {"TmVoxDPConsultaProtocoloLocalCaixas", 0,
       {{"mVox", "04 Consultas", "Consulta de Local de Caixas", 1, -1, "", false, true, true}},
       Direito::Padrao, "", false, "TnDMPowerParamGrid"},
      {"TmVoxDPConsultaDocumento", 0,
       {{"mVox", "04 Consultas", "Consulta de Documentos", 1, -1, "", false, false, false}},
       Direito::Padrao, "", false, "TnDMPowerParamGrid"},
  };
  return familia;
}

QString Texto(const char *texto) { return QString::fromUtf8(texto); }

// The actions the registry creates for a module set, for one class.
QList<TnAction *> ActionsDe(const TnActionList &lista, const QString &classe) {
  return lista.FindAll(QStringLiteral("act") + classe);
}

void ConferirActions(const TnModulos &modulos) {
  TnActionList lista;
  nGerarActions(lista, nullptr, modulos);
  for (const Classe &classe : Familia()) {
    const QString nome = Texto(classe.Nome);
    SCOPED_TRACE(nome.toStdString());
    std::vector<const Entrada *> esperadas;
    for (const Entrada &e : classe.Entradas)
      if (modulos.Contem(nOrdinalModulo(Texto(e.Modulo)))) esperadas.push_back(&e);
    const QList<TnAction *> actions = ActionsDe(lista, nome);
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(esperadas.size()));
    for (size_t i = 0; i < esperadas.size(); ++i) {
      const Entrada &e = *esperadas[i];
      const TnAction &a = *actions[static_cast<qsizetype>(i)];
      SCOPED_TRACE(e.Modulo);
      EXPECT_EQ(a.Category(), Texto(e.Categoria));
      EXPECT_EQ(a.Caption(), Texto(e.Caption));
      EXPECT_EQ(a.Index(), e.Index);
      EXPECT_EQ(a.ImageIndex(), e.Imagem);
      EXPECT_EQ(a.ShortCutStr(), Texto(e.Atalho));
      EXPECT_EQ(a.Separador(), e.Separador);
      EXPECT_EQ(a.CriarHTTP(), e.Http);
      EXPECT_EQ(a.CriarMenu(), e.Menu);
      EXPECT_EQ(a.VerificaSelecao(), classe.SelecaoData ? kSelecaoData : QString());
      const bool semDireito = classe.Regra == Direito::Livre ||
                              (classe.Regra == Direito::Consulta && Texto(e.Modulo) == QStringLiteral("mVox"));
      EXPECT_EQ(a.ControlaDireito(), !semDireito);
      EXPECT_EQ(a.DireitoProprio(), classe.Regra != Direito::Detalhe);
      const quint32 hash = classe.Regra == Direito::Detalhe
                               ? lista.GetHashComp().HashValue(QStringLiteral("act") + Texto(classe.Mestre))
                               : 0;
      EXPECT_EQ(a.HashAcaoMestre(), hash);
    }
  }
}

TEST(MenusDoModulo, EveryClassIsRegisteredWithItsKind) {
  const TnRegistro &registro = TnRegistro::Instancia();
  for (const Classe &classe : Familia()) {
    const QString nome = Texto(classe.Nome);
    ASSERT_TRUE(registro.Registrada(nome)) << classe.Nome;
    EXPECT_TRUE(registro.HerdaDe(nome, Texto(classe.Ancestral))) << classe.Nome;
    EXPECT_EQ(registro.PegarTipoObjeto(nome), classe.Tipo) << classe.Nome;
    EXPECT_EQ(registro.PegarVerificaSelecao(nome), classe.SelecaoData ? kSelecaoData : QString()) << classe.Nome;
  }
}

TEST(MenusDoModulo, ProtocolModuleAloneGetsOnlyItsOwnEntries) { ConferirActions(TnModulos{nModuloMVox}); }

TEST(MenusDoModulo, BaseModuleAloneGetsOnlyTheConfigurationEntries) {
  ConferirActions(TnModulos{nModuloRTul});
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloRTul});
  QStringList nomes;
  for (const TnAction *a : lista.Actions())
    if (a->Name().startsWith(QStringLiteral("actTmVox"))) nomes << a->Name();
  nomes.sort();
  EXPECT_EQ(nomes, (QStringList{QStringLiteral("actTmVoxDCCfgEstabPro"), QStringLiteral("actTmVoxDCProtocoloGrupoDoc"),
                                QStringLiteral("actTmVoxDMCfgEstabPro")}));
}

TEST(MenusDoModulo, BothModulesGetEveryEntryInDeclarationOrder) {
  ConferirActions(TnModulos{nModuloRTul, nModuloMVox});
}

TEST(MenusDoModulo, DetailsAndLookupsNeverReachTheMainMenu) {
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{nModuloRTul, nModuloMVox});
  for (const TnAction *a : lista.Actions()) {
    if (!a->Name().startsWith(QStringLiteral("actTmVox"))) continue;
    const bool consulta = a->Name().startsWith(QStringLiteral("actTmVoxDC"));
    const bool detalhe = !a->DireitoProprio();
    if (consulta || detalhe) {
      EXPECT_FALSE(a->CriarMenu()) << a->Name().toStdString();
    }
  }
}

TEST(MenusDoModulo, NoModuleSetNoActions) {
  TnActionList lista;
  nGerarActions(lista, nullptr, TnModulos{});
  for (const TnAction *a : lista.Actions()) EXPECT_FALSE(a->Name().startsWith(QStringLiteral("actTmVox")));
}

}  // namespace
