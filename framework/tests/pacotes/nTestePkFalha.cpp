// Test library whose second unit raises while the library loads: the first
// unit's registration must be undone and the library reported as failed.
#include <iterator>

#include "nClasseInfo_U.h"
#include "nException_U.h"
#include "nPacotes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

class TnTesteDMFalha : public TnDataModule {};

TnUnidadeRegistro GFalha = TnUnidadeRegistro::DeClasses(
    [] { return QList<TnClasseInfo>{nInfoClasse<TnTesteDMFalha>("TnTesteDMFalha", "TnDataModule")}; });

void Nada() {}
void FalhaIni() { GFalha.Inicializar(); }
void FalhaFim() { GFalha.Finalizar(); }
void QuebraIni() { throw Exception(QStringLiteral("Unidade quebrada de propósito.")); }

const TnUnidadePacote GUnidades[] = {
    {"_nTestePkFalha_Ini", &Nada, &Nada},
    {"nTesteDMFalha_U", &FalhaIni, &FalhaFim},
    {"nTesteQuebra_U", &QuebraIni, &Nada},
    {"_nTestePkFalha_Fim", &Nada, &Nada},
};

const TnDescricaoPacote GPacote{nVersaoPacote, 0, static_cast<int>(std::size(GUnidades)), GUnidades};

}  // namespace

N_ENTRADA_PACOTE { return &GPacote; }
