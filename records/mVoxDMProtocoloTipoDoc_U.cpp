#include "mVoxDMProtocoloTipoDoc_U.h"

#include <set>

#include "mVoxFuncoesCadastro_U.h"
#include "nDefinicao_U.h"
#include "nException_U.h"
#include "nUnidadeRegistro_U.h"

TmVoxDMProtocoloTipoDoc::TmVoxDMProtocoloTipoDoc() {
  nClientDataSet->SetCommandText(
      QStringLiteral("Select t_t.CODIGOTIPODOC,t_t.DESCRTIPODOC,t_t.PERIODODIASDESCARTE,t_t.GERARAUTO,t_t.PERIODODOC,"
                     "t_t.MESOCORRENCIA,t_t.GERARENVELOPE from PROTOCOLOTIPODOC t_t ORDER BY t_t.CodigoTipoDoc"));
  SetCaption(QStringLiteral("Tipos de Documentos"));
  SetCadCons(QStringLiteral("mVoxDCProtocoloTipoDoc"));
  SetTipoForm(TnTipoForm::ntfCadastro);
  DefAdic.Ordem = QStringLiteral("CodigoTipoDoc");
}

QList<TnMenuDecl> TmVoxDMProtocoloTipoDoc::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("01 Cadastros\\04 Documentos");
  menu.Caption = QStringLiteral("Tipos de Documentos");
  menu.Index = 2;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

QString TmVoxDMProtocoloTipoDoc::ChavePrimaria() const { return QStringLiteral("CODIGOTIPODOC"); }

namespace {

// A yes/no column offered as a combo; the column keeps "1" or "0".
void ConfigurarSimNao(TnField *campo, const QString &rotulo, const QString &dica) {
  campo->SetRequired(true);
  campo->SetDisplayLabel(rotulo);
  campo->Definicao().SetHint(dica);
  campo->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  campo->Definicao().SetNomesValores({QStringLiteral("Sim=1"), QStringLiteral("Não=0")});
  campo->Definicao().LigarTextos();
}

}  // namespace

void TmVoxDMProtocoloTipoDoc::DataModuleCreate() {
  TnDMClientDataSet::DataModuleCreate();
  TnField *codigo = nClientDataSet->FieldByName(QStringLiteral("CODIGOTIPODOC"));
  codigo->SetRequired(true);
  codigo->SetMinValue(1);
  codigo->SetMaxValue(9999);
  codigo->Definicao().SetDicionario(QStringLiteral("CODIGOTIPODOC"));
  codigo->Definicao().SetAutoIncrementar(true);

  TnField *descricao = nClientDataSet->FieldByName(QStringLiteral("DESCRTIPODOC"));
  descricao->SetRequired(true);
  descricao->SetDisplayLabel(QStringLiteral("Descrição"));
  descricao->Definicao().SetHint(QStringLiteral("Informe a descrição do tipo de documento"));
  descricao->Definicao().SetTamanhoMaximo(50);

  TnField *descarte = nClientDataSet->FieldByName(QStringLiteral("PERIODODIASDESCARTE"));
  descarte->SetRequired(true);
  descarte->SetDisplayLabel(QStringLiteral("Período Descarte (Dias)"));
  descarte->Definicao().SetHint(QStringLiteral("Informe o período em dias para descarte do documento"));
  descarte->Definicao().SetTamanhoMaximo(9);

  ConfigurarSimNao(
      nClientDataSet->FieldByName(QStringLiteral("GERARAUTO")), QStringLiteral("Gerar Automaticamente"),
      QStringLiteral("Informe sim para o tipo de documento fazer parte do porcesso de geração automática"));

  TnField *periodo = nClientDataSet->FieldByName(QStringLiteral("PERIODODOC"));
  periodo->SetRequired(true);
  periodo->SetDisplayLabel(QStringLiteral("Período"));
  periodo->Definicao().SetHint(QStringLiteral("Informe o período do documento"));
  periodo->Definicao().SetTamanhoMaximo(4);
  periodo->Definicao().SetTipoControle(TnTipoControle::ComboBox);
  periodo->Definicao().SetNomesValores({QStringLiteral("Indefinido=0"), QStringLiteral("Mensal=1"),
                                        QStringLiteral("Quinzenal=2"), QStringLiteral("Decendial=3")});
  periodo->Definicao().LigarTextos();

  TnField *meses = nClientDataSet->FieldByName(QStringLiteral("MESOCORRENCIA"));
  meses->SetDisplayLabel(QStringLiteral("Mês Ocorrência"));
  meses->Definicao().SetHint(QStringLiteral("Informe os meses em que a tarefa ocorrerá"));
  meses->Definicao().SetTipoControle(TnTipoControle::CheckList);
  meses->Definicao().SetNomesValores({QStringLiteral("Janeiro=1"), QStringLiteral("Fevereiro=2"),
                                      QStringLiteral("Março=3"), QStringLiteral("Abril=4"), QStringLiteral("Maio=5"),
                                      QStringLiteral("Junho=6"), QStringLiteral("Julho=7"), QStringLiteral("Agosto=8"),
                                      QStringLiteral("Setembro=9"), QStringLiteral("Outubro=10"),
                                      QStringLiteral("Novembro=11"), QStringLiteral("Dezembro=12")});
  meses->Definicao().LigarTextos();
  // The list shows the captions; what the editor or a grid cell hands over
  // (ticked values, typed captions) is stored in the one form.
  meses->OnSetText = [](TnField &campo, const QString &texto) {
    const QString valor = NormalizarMeses(campo, texto);
    if (valor.isEmpty())
      campo.Clear();
    else
      campo.SetAsString(valor);
  };

  ConfigurarSimNao(nClientDataSet->FieldByName(QStringLiteral("GERARENVELOPE")), QStringLiteral("Gerar Envelope"),
                   QStringLiteral("Informe sim para o tipo de documento gerar e ser atribuido a um envelope "
                                  "automaticamente na distribuição de documentos"));
}

QString TmVoxDMProtocoloTipoDoc::NormalizarMeses(TnField &campo, const QString &texto) {
  std::set<int> meses;
  for (const QString &parte : texto.split(u';', Qt::SkipEmptyParts)) {
    const QString item = parte.trimmed();
    if (item.isEmpty()) continue;
    bool numero = true;
    for (const QChar c : item) numero = numero && c.isDigit() && c.unicode() < 128;
    const QString valor = numero ? item : campo.Definicao().ValorDoNome(item);
    const int mes = valor.toInt();
    if (mes < 1 || mes > 12)
      throw EnField(&campo,
                    QStringLiteral("'%1' não é um valor válido para o campo %2.").arg(item, campo.DisplayLabel()));
    meses.insert(mes);
  }
  QStringList partes;
  for (const int mes : meses) partes << QString::number(mes);
  return partes.join(u';');
}

void TmVoxDMProtocoloTipoDoc::nClientDataSetBeforePost(TnClientDataSet &dataSet) {
  TnField *campo = dataSet.FieldByName(QStringLiteral("MESOCORRENCIA"));
  if (!campo->IsNull()) {
    const QString valor = NormalizarMeses(*campo, campo->AsString());
    if (valor.isEmpty())
      campo->Clear();
    else if (valor != campo->AsString())
      campo->SetAsString(valor);
  }
  TnDMClientDataSet::nClientDataSetBeforePost(dataSet);
}

void TmVoxDMProtocoloTipoDoc::ValidarDado() {
  TnDMClientDataSet::ValidarDado();
  mVoxChecarDuplicado(*this, QStringLiteral("PROTOCOLOTIPODOC"), QStringLiteral("CODIGOTIPODOC"),
                      {QStringLiteral("DESCRTIPODOC")},
                      QStringLiteral("Já existe cadastrado um tipo de documento com a mesma descrição."));
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDMProtocoloTipoDoc>(QStringLiteral("TmVoxDMProtocoloTipoDoc"),
                                                                  QStringLiteral("TnDMClientDataSet"))};
});
void mVoxDMProtocoloTipoDoc_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDMProtocoloTipoDoc_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
