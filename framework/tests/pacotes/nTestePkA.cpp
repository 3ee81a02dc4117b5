// Test library A: a register, its lookup and its detail, between the marker
// units, in that unit order.
#include <iterator>

#include "nClasseInfo_U.h"
#include "nPacotes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

class TnTesteDMAlfa : public TnDataModule {
 public:
  static QString PegarVerificaSelecao() { return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL"); }
  static int PegarTipoObjeto() { return 1; }
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Alfa", .Category = "02 Movimentos\\01 Protocolos", .Modulo = "mVox", .ImageIndex = 115}};
  }
};

class TnTesteDCAlfa : public TnDataModule {
 public:
  static int PegarTipoObjeto() { return 2; }
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Alfa", .Category = "03 Consultas", .Modulo = "mVox", .CriarMenu = false}};
  }
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Consulta, {}}; }
};

class TnTesteDMAlfaItem : public TnDataModule {
 public:
  static int PegarTipoObjeto() { return 1; }
  static QList<TnMenuDecl> Menus() {
    return {{.Caption = "Alfa - Itens",
             .Category = "02 Movimentos\\10 Protocolos",
             .Index = 2,
             .Modulo = "mVox",
             .CriarMenu = false}};
  }
  static TnDireitoMenu DireitoMenu() { return {TnRegraDireito::Detalhe, QStringLiteral("TnTesteDMAlfa")}; }
};

TnUnidadeRegistro GAlfa = TnUnidadeRegistro::DeClasses(
    [] { return QList<TnClasseInfo>{nInfoClasse<TnTesteDMAlfa>("TnTesteDMAlfa", "TnDataModule")}; });
TnUnidadeRegistro GAlfaConsulta = TnUnidadeRegistro::DeClasses(
    [] { return QList<TnClasseInfo>{nInfoClasse<TnTesteDCAlfa>("TnTesteDCAlfa", "TnDataModule")}; });
TnUnidadeRegistro GAlfaItem = TnUnidadeRegistro::DeClasses(
    [] { return QList<TnClasseInfo>{nInfoClasse<TnTesteDMAlfaItem>("TnTesteDMAlfaItem", "TnDataModule")}; });

void Nada() {}
void AlfaIni() { GAlfa.Inicializar(); }
void AlfaFim() { GAlfa.Finalizar(); }
void AlfaConsultaIni() { GAlfaConsulta.Inicializar(); }
void AlfaConsultaFim() { GAlfaConsulta.Finalizar(); }
void AlfaItemIni() { GAlfaItem.Inicializar(); }
void AlfaItemFim() { GAlfaItem.Finalizar(); }

const TnUnidadePacote GUnidades[] = {
    {"_nTestePkA_Ini", &Nada, &Nada},
    {"nTesteDMAlfa_U", &AlfaIni, &AlfaFim},
    {"nTesteDCAlfa_U", &AlfaConsultaIni, &AlfaConsultaFim},
    {"nTesteDMAlfaItem_U", &AlfaItemIni, &AlfaItemFim},
    {"_nTestePkA_Fim", &Nada, &Nada},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
