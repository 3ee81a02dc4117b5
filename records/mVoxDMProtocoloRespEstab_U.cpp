#include "mVoxDMProtocoloRespEstab_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloRespEstab::TmVoxDMProtocoloRespEstab() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.SEQ,t_t.NOMERESPONSAVEL from PROTOCOLORESPESTAB t_t "
                     "ORDER BY t_t.CodigoEmpresa,t_t.CodigoEstab,t_t.Seq"));
  SetCaption(QStringLiteral("Responsáveis"));
  SetTipoForm(TnTipoForm::ntfCadGrid);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa, CodigoEstab, Seq");
}

QList<TnMenuDecl> TmVoxDMProtocoloRespEstab::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\10 Protocolos");
  menu.Caption = QStringLiteral("Responsáveis");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 2;
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloRespEstab::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB;SEQ"); }

void TmVoxDMProtocoloRespEstab::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB", "SEQ", "NOMERESPONSAVEL"})
    nClientDataSet->FieldByName(QLatin1String(nome))->SetRequired(true);
  // The next number within the establishment.
  nClientDataSet->FieldByName(QStringLiteral("SEQ"))->Definicao().SetAutoIncrementar(true);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloRespEstab>(QStringLiteral("TmVoxDMProtocoloRespEstab"),
                                                                     QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloRespEstab_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloRespEstab_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
