#include "mVoxDMCfgTipoProtocolo_U.h"

#include "nDefinicao_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMCfgTipoProtocolo::TmVoxDMCfgTipoProtocolo() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOTIPOPROTOCOLO,t_t.DESCRTIPOPROTOCOLO from CFGTIPOPROTOCOLO t_t ORDER BY "
                     "t_t.CODIGOTIPOPROTOCOLO"));
  SetCaption(QStringLiteral("Tipos Protocolos"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CODIGOTIPOPROTOCOLO");
}

QList<TnMenuDecl> TmVoxDMCfgTipoProtocolo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\01 Protocolos");
  menu.Caption = QStringLiteral("Tipos Protocolos");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 4;
  menu.Separador = true;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMCfgTipoProtocolo::ChavePrimaria() const { return QStringLiteral("CODIGOTIPOPROTOCOLO"); }

void TmVoxDMCfgTipoProtocolo::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  // The type is chosen from the generation's types, in the order the user
  // thinks of them (the tax-debit sources first), not by number.
  TnField *tipo = nClientDataSet->FieldByName(QStringLiteral("CODIGOTIPOPROTOCOLO"));
  tipo->SetRequired(true);
  tipo->SetDisplayLabel(QStringLiteral("Tipo de Protocolo"));
  tipo->Definicao().SetHint(QStringLiteral("Escolha o tipo de protocolo que deseja configurar"));
  tipo->Definicao().SetTamanhoMaximo(4);
  tipo->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  tipo->Definicao().SetNomesValores({
      QStringLiteral("Débitos Federais=1"),
      QStringLiteral("Débitos Estaduais=2"),
      QStringLiteral("Débitos Municipais=3"),
      QStringLiteral("Débitos Sindicais=4"),
      QStringLiteral("Débitos GPS=5"),
      QStringLiteral("Débitos FGTS=9"),
      QStringLiteral("Débitos FOLHA=10"),
      QStringLiteral("Folha de Pagamento=6"),
      QStringLiteral("Rescisão=7"),
      QStringLiteral("Férias=8"),
      QStringLiteral("Financeiro - Notas Fiscais=11"),
      QStringLiteral("Financeiro - Boletos=12"),
  });
  tipo->Definicao().LigarTextos();

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRTIPOPROTOCOLO"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição que será gerada nos protocolos"));
  descricao->Definicao().SetTipoControle(TnTipoControle::ButtonEdit);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMCfgTipoProtocolo>(QStringLiteral("TmVoxDMCfgTipoProtocolo"),
                                                                   QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMCfgTipoProtocolo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMCfgTipoProtocolo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
