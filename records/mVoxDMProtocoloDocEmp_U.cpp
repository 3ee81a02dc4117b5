#include "mVoxDMProtocoloDocEmp_U.h"

#include <utility>

#include "mVoxFuncoesCadastro_U.h"
#include "nDMConexao_U.h"
#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nFuncoesDados_U.h"
#include "nPainel_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kCodigo = QStringLiteral("CODIGODOCEMP");
const QString kArquivado = QStringLiteral("ARQUIVADO");

}  // namespace

TmVoxDMProtocoloDocEmp::TmVoxDMProtocoloDocEmp() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGODOCEMP,t_t.CODIGOTIPODOC,t_t.CODIGOEMPRESA,t_t.CODIGOESTAB,t_t.DATALCTOPRO,"
                     "t_t.DESCRDOCEMP,t_t.ARQUIVADO from PROTOCOLODOCEMP t_t ORDER BY t_t.CodigoDocEmp"));
  SetCaption(QStringLiteral("Documentos da Empresa"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloDocEmp"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoDocEmp");
  DefAdic.Atributos = QStringLiteral("*");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocEmp::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("02 Movimentos\\20 Documentos");
  menu.Caption = QStringLiteral("Documentos da Empresa");
  menu.Modulo = QStringLiteral("mVox");
  menu.Index = 1;
  menu.ImageIndex = 53;
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMProtocoloDocEmp::PegarVerificaSelecao() {
  return QStringLiteral("DataLctoPro_MAIORIGUAL;DataLctoPro_MENORIGUAL");
}

QString TmVoxDMProtocoloDocEmp::ChavePrimaria() const { return QStringLiteral("CODIGODOCEMP"); }

void TmVoxDMProtocoloDocEmp::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(Q_INT64_C(9999999999));
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGODOCEMP"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *tipo = nClientDataSet->FieldByName(QStringLiteral("CODIGOTIPODOC"));
  tipo->SetRequired(true);
  tipo->Definicao().SetTamanhoMaximo(4);
  tipo->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOTIPODOC"));

  ConfigurarCamposEmpresaEstab(*nClientDataSet);

  TnField *lancamento = nClientDataSet->FieldByName(QStringLiteral("DATALCTOPRO"));
  lancamento->SetRequired(true);
  lancamento->SetDisplayLabel(QStringLiteral("Data Lançamento"));
  lancamento->Definicao().SetTipoControle(TnTipoControle::Data);
  lancamento->Definicao().SetHint(QStringLiteral("Informe a data de lançamento do documento"));

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRDOCEMP"));
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe uma descrição para identificar o documento"));
  descricao->Definicao().SetTamanhoMaximo(50);

  // Only the archiving sets a document filed; a new one starts not filed
  // (ConfigurarAutoValor).
  TnField *arquivado = nClientDataSet->FieldByName(kArquivado);
  arquivado->SetRequired(true);
  arquivado->SetVisible(false);

  nClientDataSet->OnDeleteError = [this](TnClientDataSet &dataSet) { nClientDataSetDeleteError(dataSet); };
  FLblAquivado = nullptr;
  AddInfoDetalhe(QStringLiteral("TmVoxDMProtocoloDocMovimento"), QStringLiteral("CodigoDocEmp"),
                 QStringLiteral("CodigoDocEmp"), QString(), QString(), QString(), false, false, true);
}

void TmVoxDMProtocoloDocEmp::DataModuleDestroy() {
  TnDMClientDataSet::DataModuleDestroy();
  FLblAquivado = nullptr;
}

void TmVoxDMProtocoloDocEmp::DepoisConfigurar(TnFrmVisual *form) {
  TnDMClientDataSet::DepoisConfigurar(form);
  if (!form) return;
  // In the document number's row, at its right; a form without editor rows
  // takes it in its top area.
  auto *linha = dynamic_cast<TnPainel *>(nClientDataSet->FieldByName(kCodigo)->Definicao().Container());
  auto *painel = new TnPainel(linha ? linha : form->AreaTopo(), QStringLiteral("pnlArquivado"));
  painel->SetBorda(false);
  painel->SetAncoras(true, false, true, false);
  auto *label = new TnPainel(painel, QStringLiteral("lblArquivado"));
  label->SetBorda(false);
  label->SetCaption(QStringLiteral("Arquivado"));
  label->SetAlignment(TnAlinhamentoTexto::Direita);
  label->SetTamanhoFonte(12);
  label->SetNegrito(true);
  label->SetCorFonte(nCorVermelho);
  label->SetTop(3);
  label->SetLeft(0);
  label->SetWidth(250);
  label->SetHeight(20);
  label->SetVisible(false);
  painel->SetWidth(label->Left() + label->Width() + 20);
  painel->SetHeight(label->Top() + label->Height());
  painel->SetAlign(TnAlinhamento::alRight);
  FLblAquivado = label;
  SetAtualizarAoExibir(false);
  ChecarConfigurarCampo(this);
}

void TmVoxDMProtocoloDocEmp::ConfigurarCampo(TnRemetente sender) {
  TnDMClientDataSet::ConfigurarCampo(sender);
  const TnField *arquivado = nClientDataSet->FindField(kArquivado);
  if (FLblAquivado && arquivado && !arquivado->IsNull()) FLblAquivado->SetVisible(arquivado->AsBoolean());
}

void TmVoxDMProtocoloDocEmp::ConfigurarAutoValor(TnRemetente sender) {
  TnDMClientDataSet::ConfigurarAutoValor(sender);
  if (nClientDataSet->State() == TnDataSetState::Insert && !OutraOrigem())
    nClientDataSet->FieldByName(kArquivado)->SetAsBoolean(false);
}

void TmVoxDMProtocoloDocEmp::nClientDataSetBeforeDelete(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetBeforeDelete(dataSet);
  if (PreparandoCampos()) return;
  const QString condicao = ValorParaSQL(dataSet.FieldByName(kCodigo), QStringLiteral("="), true);
  TnDMConexao *conexao = nDMConexao();
  // Checked inside the transaction that deletes, on the stored rows.
  conexao->StartTransaction(1, true, false);
  try {
    TnDMSQLDataSet *sql = nDMSQLDataSet();
    if (sql->PegarTemRegistro(QStringLiteral("PROTOCOLODOCARQUIVO"), kCodigo, condicao))
      throw Exception(QStringLiteral("Impossível excluir documento arquivado em envelope."));
    if (sql->PegarTemRegistro(QStringLiteral("PROTOCOLOITEM"), kCodigo, condicao))
      throw Exception(QStringLiteral("Impossível excluir documento que consta em protocolo."));
    if (sql->PegarTemRegistro(QStringLiteral("PROTOCOLODOCMOVIMENTO"), kCodigo,
                              condicao + QStringLiteral(" and CODIGOPROTOCOLO is not null")))
      throw Exception(QStringLiteral("Impossível excluir documento com movimentação protocolada."));
    ExecutarSQLDireto(QStringLiteral("delete from PROTOCOLODOCMOVIMENTO where ") + condicao);
  } catch (...) {
    conexao->RollBack(1);
    throw;
  }
  // The document row itself goes next (the dataset's own delete); the
  // transaction ends in AfterDelete, or in the delete error.
  FExcluindo = true;
  FCodigoExcluido = dataSet.FieldByName(kCodigo)->Value();
}

void TmVoxDMProtocoloDocEmp::nClientDataSetAfterDelete(TnClientDataSet &dataSet) {
  TnDMClientDataSet::nClientDataSetAfterDelete(dataSet);
  if (!std::exchange(FExcluindo, false)) return;
  try {
    nDMConexao()->Commit(1);
  } catch (...) {
    // Nothing was deleted, movements included, though the row has left the
    // dataset: the screen shows the stored documents again, on this one.
    try {
      Refresh();
      dataSet.Locate(kCodigo, FCodigoExcluido);
    } catch (...) {
      // The failed delete is what the user must read.
    }
    throw;
  }
  // The movements of the deleted document are gone from the table: the
  // grid under the document must not keep them (a later document may take
  // the same number).
  for (TnDMClientDataSet *detalhe : Detalhes()) detalhe->Refresh();
}

void TmVoxDMProtocoloDocEmp::nClientDataSetDeleteError(TnClientDataSet &) {
  if (std::exchange(FExcluindo, false)) nDMConexao()->RollBack(1);
}

void TmVoxDMProtocoloDocEmp::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(*this, QStringLiteral("PROTOCOLODOCEMP"), QStringLiteral("CODIGODOCEMP"),
                      {QStringLiteral("CODIGOTIPODOC"), QStringLiteral("CODIGOEMPRESA"), QStringLiteral("CODIGOESTAB"),
                       QStringLiteral("DATALCTOPRO")},
                      QStringLiteral("Este tipo de documento já foi cadastrado nesta data de lançamento."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocEmp>(QStringLiteral("TmVoxDMProtocoloDocEmp"),
                                                                 QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocEmp_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocEmp_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
