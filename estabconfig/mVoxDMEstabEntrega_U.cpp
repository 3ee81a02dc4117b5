#include "mVoxDMEstabEntrega_U.h"

#include <optional>

#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

// A configuration code compared as a number, so "2", " 2" and 2 are alike.
// Null, and text that is no number, give nothing.
std::optional<int> Numero(const QVariant &valor) {
  if (valor.isNull()) return std::nullopt;
  bool ok = false;
  const int numero = valor.toString().trimmed().toInt(&ok);
  return ok ? std::optional<int>(numero) : std::nullopt;
}

}  // namespace

TmVoxDMEstabEntrega::TmVoxDMEstabEntrega() {
  nClientDataSet->SetCommandText(QStringLiteral(
      "Select t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.LOGRADENTREGA,t_t.ENDERECOENTREGA,t_t.COMPLENDERENTREGA,"
      "t_t.NUMENDERENTREGA,t_t.BAIRROENDERENTREGA,t_t.SIGLAESTADO,t_t.CODIGOMUNIC,t_t.CEPENDERENTREGA from "
      "ESTABENTREGA t_t ORDER BY t_t.CodigoEmpresa,t_t. CodigoEstab"));
  SetCaption(QStringLiteral("Endereço para Entrega"));
  SetCadCons(QStringLiteral("mVoxDCEstabEntrega"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoEmpresa, CodigoEstab");
  DefAdic.Atributos = QStringLiteral("*");
  DefAdic.Pacote = QStringLiteral("PbCfg");
}

QList<TnMenuDecl> TmVoxDMEstabEntrega::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\01 Clientes");
  menu.Caption = QStringLiteral("Endereço de Entrega");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 1;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMEstabEntrega::ChavePrimaria() const { return QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"); }

void TmVoxDMEstabEntrega::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();

  // Column, required, dictionary key.
  struct TnColuna {
    const char *Nome;
    bool Obrigatoria;
    const char *Chave;
  };
  static const TnColuna colunas[] = {
      {"CODIGOEMPRESA", true, "CODIGOEMPRESA"},
      {"CODIGOESTAB", true, "CODIGOESTAB"},
      {"LOGRADENTREGA", true, "LOGRADESTAB"},
      {"ENDERECOENTREGA", true, "ENDERESTAB"},
      {"COMPLENDERENTREGA", false, "COMPLENDERESTAB"},
      {"NUMENDERENTREGA", true, "NUMENDERESTAB"},
      {"BAIRROENDERENTREGA", false, "BAIRROESTAB"},
      {"SIGLAESTADO", true, "SIGLAESTADO"},
      {"CODIGOMUNIC", true, "CODIGOMUNIC"},
      {"CEPENDERENTREGA", false, "CEPESTAB"},
  };
  for (const TnColuna &coluna : colunas) {
    TnField *campo = nClientDataSet->FieldByName(QString::fromLatin1(coluna.Nome));
    campo->SetRequired(coluna.Obrigatoria);
    campo->Definicao().SetDicionario(QString::fromLatin1(coluna.Chave));
  }

  // The key's visibility and links are the module's own: the caller that
  // opens the register for one establishment hides the key.
  for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB"}) {
    TnDefinicao &definicao = nClientDataSet->FieldByName(QString::fromLatin1(nome))->Definicao();
    definicao.AdicionarPropriedadePropria(QStringLiteral("Visible"));
    definicao.AdicionarPropriedadePropria(QStringLiteral("LinkKeyFields"));
  }
  nClientDataSet->FieldByName(QStringLiteral("CODIGOEMPRESA"))
      ->Definicao()
      .SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA"));
  nClientDataSet->FieldByName(QStringLiteral("CODIGOESTAB"))
      ->Definicao()
      .SetLinkKeyFields(QStringLiteral("CODIGOEMPRESA;CODIGOESTAB"));
  nClientDataSet->FieldByName(QStringLiteral("SIGLAESTADO"))
      ->Definicao()
      .SetLinkKeyFields(QStringLiteral("SIGLAESTADO"));
  nClientDataSet->FieldByName(QStringLiteral("CODIGOMUNIC"))
      ->Definicao()
      .SetLinkKeyFields(QStringLiteral("SIGLAESTADO;CODIGOMUNIC"));
  nClientDataSet->FieldByName(QStringLiteral("BAIRROENDERENTREGA"))
      ->Definicao()
      .SetHint(QStringLiteral("Informe o bairro da entrega"));
}

void TmVoxDMEstabEntrega::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  const QString onde =
      ValorParaSQL(nClientDataSet->FieldByName(QStringLiteral("CODIGOEMPRESA")), QStringLiteral("="), true) +
      QStringLiteral(" and ") +
      ValorParaSQL(nClientDataSet->FieldByName(QStringLiteral("CODIGOESTAB")), QStringLiteral("="), true);

  const QString duplicado = QStringLiteral("Já existe cadastrado um endereço de entrega para este estabelecimento.");
  if (nClientDataSet->State() == TnDataSetState::Insert) {
    if (nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("ESTABENTREGA"), QStringLiteral("CODIGOEMPRESA"), onde))
      throw Exception(duplicado);
  } else if (nClientDataSet->State() == TnDataSetState::Edit) {
    for (const char *nome : {"CODIGOEMPRESA", "CODIGOESTAB"}) {
      const TnField *campo = nClientDataSet->FieldByName(QString::fromLatin1(nome));
      if (campo->OldValue() != campo->Value()) throw Exception(duplicado);
    }
  }

  const QVariantList configuracao =
      nDMSQLDataSet()
          ->PegarValorCampo(QStringLiteral("CFGESTABPRO"), QStringLiteral("FORMAENTREGA, MESMOENDERECOENT"), onde)
          .toList();
  const std::optional<int> forma = Numero(configuracao.value(0));
  const QVariant mesmoEndereco = configuracao.value(1);
  if (mesmoEndereco.isNull()) throw Exception(QStringLiteral("Não existe configuração para este estabelecimento."));
  if (forma != 2) throw Exception(QStringLiteral("A forma de entrega configurada não precisa de endereço de entrega."));
  if (Numero(mesmoEndereco) == 1)
    throw Exception(
        QStringLiteral("A configuração para entrega deste estabelecimento é no mesmo endereço da empresa."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{
      nInfoClasse<TmVoxDMEstabEntrega>(QStringLiteral("TmVoxDMEstabEntrega"), QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMEstabEntrega_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMEstabEntrega_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
