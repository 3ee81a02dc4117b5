#include "mVoxDMProtocoloDocArquivo_U.h"

#include "nDMSQLDataSet_U.h"
#include "nDefinicao_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"

namespace {

const QString kDocumento = QStringLiteral("CODIGODOCEMP");

void MarcarArquivado(qint64 documento, bool arquivado) {
  ExecutarSQLDireto(QStringLiteral("update PROTOCOLODOCEMP set ARQUIVADO = :pArquivado where CODIGODOCEMP = "
                                   ":pCodigoDocEmp"),
                    {arquivado ? QStringLiteral("1") : QStringLiteral("0"), documento});
}

}  // namespace

TmVoxDMProtocoloDocArquivo::TmVoxDMProtocoloDocArquivo() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOCAIXA,t_t.CODIGOENVELOPE,t_t.CODIGODOCEMP from PROTOCOLODOCARQUIVO t_t ORDER "
                     "BY t_t.CodigoCaixa,t_t.CodigoEnvelope,t_t.CodigoDocEmp"));
  SetCaption(QStringLiteral("Arquivo de Documentos"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloDocArquivo"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoCaixa,CodigoEnvelope,CodigoDocEmp");
}

QList<TnMenuDecl> TmVoxDMProtocoloDocArquivo::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\20 Arquivamento");
  menu.Caption = QStringLiteral("Arquivo de Documentos");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarMenu = false;
  return {menu};
}

QString TmVoxDMProtocoloDocArquivo::ChavePrimaria() const {
  return QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE;CODIGODOCEMP");
}

void TmVoxDMProtocoloDocArquivo::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *caixa = nClientDataSet->FieldByName(QStringLiteral("CODIGOCAIXA"));
  caixa->SetRequired(true);
  caixa->Definicao().SetDicionario(QStringLiteral("CODIGOCAIXAPRO"));
  caixa->Definicao().SetTamanhoMaximo(4);
  caixa->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOCAIXA"));

  // An envelope is chosen among those of the box typed before it.
  TnField *envelope = nClientDataSet->FieldByName(QStringLiteral("CODIGOENVELOPE"));
  envelope->SetRequired(true);
  envelope->Definicao().SetTamanhoMaximo(9);
  envelope->Definicao().SetLinkKeyFields(QStringLiteral("CODIGOCAIXA;CODIGOENVELOPE"));

  TnField *documento = nClientDataSet->FieldByName(QStringLiteral("CODIGODOCEMP"));
  documento->SetRequired(true);
  documento->Definicao().SetLinkKeyFields(QStringLiteral("CODIGODOCEMP"));

  nClientDataSet->AfterWritePost = [this](TnClientDataSet &d) { nClientDataSetAfterWritePost(d); };
  nClientDataSet->AfterWriteDelete = [this](TnClientDataSet &d) { nClientDataSetAfterWriteDelete(d); };
}

void TmVoxDMProtocoloDocArquivo::nClientDataSetAfterWritePost(TnClientDataSet &dataSet) {
  const TnField *documento = dataSet.FieldByName(kDocumento);
  if (!documento->IsNull()) MarcarArquivado(documento->AsLargeInt(), true);
}

void TmVoxDMProtocoloDocArquivo::nClientDataSetAfterWriteDelete(TnClientDataSet &dataSet) {
  const TnField *documento = dataSet.FieldByName(kDocumento);
  if (documento->IsNull()) return;
  const qint64 codigo = documento->AsLargeInt();
  if (!nDMSQLDataSet()->PegarTemRegistro(QStringLiteral("PROTOCOLODOCARQUIVO"), kDocumento,
                                         kDocumento + QStringLiteral(" = ") + QString::number(codigo)))
    MarcarArquivado(codigo, false);
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloDocArquivo>(QStringLiteral("TmVoxDMProtocoloDocArquivo"),
                                                                     QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloDocArquivo_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloDocArquivo_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
