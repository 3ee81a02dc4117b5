#include "nClassesFramework_U.h"

#include "nClasseInfo_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMPlanilha_U.h"
#include "nDMPowerParamGrid_U.h"
#include "nDMPowerParamTab_U.h"
#include "nUnidadeRegistro_U.h"
#include "rTulDCDptoEscrit_U.h"
#include "rTulDCEmpresa_U.h"
#include "rTulDCEstab_U.h"
#include "rTulDCImposto_U.h"
#include "rTulDCUsuario_U.h"

namespace {

TnUnidadeRegistro &Unidade() {
  static TnUnidadeRegistro unidade = TnUnidadeRegistro::DeClasses([] {
    // The base is registered for the parent chain only: it is not created by
    // name.
    TnClasseInfo base =
        nInfoClasse<TnDMClientDataSet>(QStringLiteral("TnDMClientDataSet"), QStringLiteral("TnDataModule"));
    base.Criar = nullptr;
    return QList<TnClasseInfo>{
        base,
        nInfoClasse<TrTulDCEmpresa>(QStringLiteral("TrTulDCEmpresa"), QStringLiteral("TnDMClientDataSet")),
        nInfoClasse<TrTulDCEstab>(QStringLiteral("TrTulDCEstab"), QStringLiteral("TnDMClientDataSet")),
        nInfoClasse<TrTulDCImposto>(QStringLiteral("TrTulDCImposto"), QStringLiteral("TnDMClientDataSet")),
        nInfoClasse<TrTulDCUsuario>(QStringLiteral("TrTulDCUsuario"), QStringLiteral("TnDMClientDataSet")),
        nInfoClasse<TrTulDCDptoEscrit>(QStringLiteral("TrTulDCDptoEscrit"), QStringLiteral("TnDMClientDataSet")),
        // The process bases, so the "is a" chain of every process reaches them.
        nInfoClasse<TnDMPower>(QStringLiteral("TnDMPower"), QStringLiteral("TnDataModule")),
        nInfoClasse<TnDMPowerParam>(QStringLiteral("TnDMPowerParam"), QStringLiteral("TnDMPower")),
        nInfoClasse<TnDMPowerParamTab>(QStringLiteral("TnDMPowerParamTab"), QStringLiteral("TnDMPowerParam")),
        nInfoClasse<TnDMPowerParamGrid>(QStringLiteral("TnDMPowerParamGrid"), QStringLiteral("TnDMPowerParam")),
        nInfoClasse<TnDMPlanilha>(QStringLiteral("TnDMPlanilha"), QStringLiteral("TnDataModule")),
    };
  });
  return unidade;
}

}  // namespace

void nRegistrarClassesFramework() { Unidade().Inicializar(); }

void nRemoverClassesFramework() { Unidade().Finalizar(); }
