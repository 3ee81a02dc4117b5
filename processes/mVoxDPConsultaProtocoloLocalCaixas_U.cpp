#include "mVoxDPConsultaProtocoloLocalCaixas_U.h"

#include <memory>

#include "nAoSair_U.h"
#include "nClasseInfo_U.h"
#include "nClientDataSet_U.h"
#include "nCondicoesSQL_U.h"
#include "nSQLFuncoes_U.h"
#include "nUnidadeRegistro_U.h"
#include "npqParamItem_U.h"
#include "npqPowerParam_U.h"

TmVoxDPConsultaProtocoloLocalCaixas::TmVoxDPConsultaProtocoloLocalCaixas() {
  TnpqPowerParam &params = npqPowerParam();
  params.Adicionar({.Alias = QStringLiteral("pDataInicial"),
                    .Caption = QStringLiteral("Data Inicial"),
                    .Tipo = TnTipoParam::Data,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = QStringLiteral("pDataFinal"),
                    .Caption = QStringLiteral("Data Final"),
                    .Tipo = TnTipoParam::Data,
                    .Dicionario = QStringLiteral("DICDATA")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoLocal"),
                    .Caption = QStringLiteral("Codigo Local"),
                    .Dicionario = QStringLiteral("CODIGOLOCAL")});
  params.Adicionar({.Alias = QStringLiteral("pCodigoCaixaPro"),
                    .Caption = QStringLiteral("Codigo Caixa"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOCAIXAPRO"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEmpresa"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOEMPRESA"),
                    .MultiSelecao = true});
  params.Adicionar({.Alias = QStringLiteral("pCodigoEstab"),
                    .Tipo = TnTipoParam::Selecao,
                    .Dicionario = QStringLiteral("CODIGOESTAB"),
                    .MultiSelecao = true});
}

TmVoxDPConsultaProtocoloLocalCaixas::~TmVoxDPConsultaProtocoloLocalCaixas() = default;

QList<TnMenuDecl> TmVoxDPConsultaProtocoloLocalCaixas::Menus() {
  TnMenuDecl menu;
  menu.Category = QStringLiteral("04 Consultas");
  menu.Caption = QStringLiteral("Consulta de Local de Caixas");
  menu.Index = 1;
  menu.Modulo = QStringLiteral("mVox");
  menu.CriarHTTP = true;
  return {menu};
}

void TmVoxDPConsultaProtocoloLocalCaixas::DataModuleCreate() {
  TnDMPowerParamGrid::DataModuleCreate();
  TnClientDataSet &dados = nClientDataSet();
  dados.SetnLogChanges(false);
  dados.AddFieldDef(QStringLiteral("CODIGOEMPRESA"), TnFieldType::SmallInt);
  dados.AddFieldDef(QStringLiteral("CODIGOESTAB"), TnFieldType::SmallInt);
  dados.AddFieldDef(QStringLiteral("CodigoLocal"), TnFieldType::Integer);
  dados.AddFieldDef(QStringLiteral("CodigoCaixa"), TnFieldType::Integer);
  dados.AddFieldDef(QStringLiteral("CompetInicial"), TnFieldType::Date);
  dados.AddFieldDef(QStringLiteral("CompetFinal"), TnFieldType::Date);
  dados.CreateDataSet();
  const struct {
    const char *campo;
    const char *rotulo;
    int largura;
  } colunas[] = {{"CODIGOEMPRESA", "Empresa", 4},
                 {"CODIGOESTAB", "Filial", 4},
                 {"CodigoLocal", "Local", 9},
                 {"CodigoCaixa", "Caixa", 9},
                 {"CompetInicial", "Competência Inicial", 0},
                 {"CompetFinal", "Competência Final", 0}};
  for (const auto &coluna : colunas) {
    TnField *campo = dados.FieldByName(QLatin1String(coluna.campo));
    campo->SetDisplayLabel(QString::fromUtf8(coluna.rotulo));
    if (coluna.largura > 0) campo->SetDisplayWidth(coluna.largura);
  }
}

void TmVoxDPConsultaProtocoloLocalCaixas::ValidarDado() {
  TnDMPowerParamGrid::ValidarDado();
  SetCodigoEmpresa(Param(QStringLiteral("pCodigoEmpresa")));
  SetCodigoEstab(Param(QStringLiteral("pCodigoEstab")));
  SetCodigoCaixa(Param(QStringLiteral("pCodigoCaixaPro")));
  SetCodigoLocal(Param(QStringLiteral("pCodigoLocal")));
  SetDataInicial(ParamData(QStringLiteral("pDataInicial")));
  SetDataFinal(ParamData(QStringLiteral("pDataFinal")));
}

void TmVoxDPConsultaProtocoloLocalCaixas::Executar() {
  TnDMPowerParamGrid::Executar();
  TnClientDataSet &dados = nClientDataSet();
  if (dados.Active()) dados.EmptyDataSet();
  CarregarDados();
}

void TmVoxDPConsultaProtocoloLocalCaixas::CarregarDados() {
  TnCondicoesSQL condicoes;
  if (FDataInicial.isValid() && FDataFinal.isValid()) {
    condicoes.AdicionarPeriodo(QStringLiteral("C.COMPETINICIAL"), FDataInicial, FDataFinal);
    condicoes.AdicionarPeriodo(QStringLiteral("C.COMPETFINAL"), FDataInicial, FDataFinal);
  } else {
    // One end only: the period stays open at the other.
    condicoes.AdicionarPeriodo(QStringLiteral("C.COMPETINICIAL"), FDataInicial, QDate());
    condicoes.AdicionarPeriodo(QStringLiteral("C.COMPETFINAL"), QDate(), FDataFinal);
  }
  condicoes.AdicionarSelecao(QStringLiteral("C.CODIGOEMPRESA"), FCodigoEmpresa)
      .AdicionarSelecao(QStringLiteral("C.CODIGOESTAB"), FCodigoEstab)
      .AdicionarSelecao(QStringLiteral("C.CODIGOLOCAL"), FCodigoLocal)
      .AdicionarSelecao(QStringLiteral("C.CODIGOCAIXA"), FCodigoCaixa);
  FSQLCarregado = QStringLiteral(
                      "select C.CODIGOEMPRESA ,C.CODIGOESTAB ,C.CODIGOLOCAL ,C.CODIGOCAIXA ,C.COMPETINICIAL "
                      ",C.COMPETFINAL from PROTOCOLODOCCAIXA C") +
                  condicoes.Where() + QStringLiteral(" order by C.CODIGOCAIXA");

  TnClientDataSet &dados = nClientDataSet();
  std::unique_ptr<TnClientDataSet> resultado = ExecutarSQL(FSQLCarregado);
  TnAoSair liberar([&] { DestruirSQL(resultado); });
  CopyDataCDS(*resultado, dados, false);
  dados.First();
}

namespace nUnidades {
static TnUnidadeRegistro GUnidade = TnUnidadeRegistro::DeClasses([] {
  return QList<TnClasseInfo>{nInfoClasse<TmVoxDPConsultaProtocoloLocalCaixas>(
      QStringLiteral("TmVoxDPConsultaProtocoloLocalCaixas"), QStringLiteral("TnDMPowerParamGrid"))};
});
void mVoxDPConsultaProtocoloLocalCaixas_U_Inicializar() { GUnidade.Inicializar(); }
void mVoxDPConsultaProtocoloLocalCaixas_U_Finalizar() { GUnidade.Finalizar(); }
}  // namespace nUnidades
