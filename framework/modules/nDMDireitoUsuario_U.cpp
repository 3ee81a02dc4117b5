#include "nDMDireitoUsuario_U.h"

#include <QSqlQuery>
#include <QVariant>

#include "nActionList_U.h"
#include "nDMConexao_U.h"
#include "nPacotes_U.h"
#include "nRegistro_U.h"

namespace {

TnDMDireitoUsuario GServicoPadrao;
TnDMDireitoUsuario *GServico = &GServicoPadrao;

TnOnGerarPrincActionMods GHook;
QString GPacoteDoHook;  // the library that set the hook; empty: the program

}  // namespace

QChar TnDMDireitoUsuario::PegarDireito(const QString &nome) const {
  return PegarDireito(nDMConexao()->CodigoUsuario(), nome);
}

QChar TnDMDireitoUsuario::PegarDireito(int codigoUsuario, const QString &nome) const {
  QSqlQuery consulta = nDMConexao()->Executar(
      QStringLiteral("select VALORDIREITO from USUARIODIREITO "
                     "where CODIGOUSUARIO = :pUsuario and upper(NOMEDIREITO) = :pNome"),
      {codigoUsuario, nome.toUpper()});
  if (!consulta.next()) return QChar(Negado);
  const QString valor = consulta.value(0).toString().trimmed();
  return valor.isEmpty() ? QChar(Negado) : valor.at(0);
}

void TnDMDireitoUsuario::SetDireito(int codigoUsuario, const QString &nome, QChar valor) {
  TnTransacao transacao;
  RemoverDireito(codigoUsuario, nome);
  nDMConexao()->Executar(
      QStringLiteral("insert into USUARIODIREITO (CODIGOUSUARIO, NOMEDIREITO, VALORDIREITO) "
                     "values (:pUsuario, :pNome, :pValor)"),
      {codigoUsuario, nome, QString(valor)});
  transacao.Commit();
}

void TnDMDireitoUsuario::RemoverDireito(int codigoUsuario, const QString &nome) {
  nDMConexao()->Executar(
      QStringLiteral("delete from USUARIODIREITO where CODIGOUSUARIO = :pUsuario and upper(NOMEDIREITO) = :pNome"),
      {codigoUsuario, nome.toUpper()});
}

void TnDMDireitoUsuario::GerarActionsDireito(TnActionList &lista, const TnModulos &modulos) const {
  // The rights tree opens nothing: its actions carry no handler.
  TnActionList principais;
  nGerarActions(principais, [](TnAction &) {}, modulos);
  for (int i = 0; i < principais.Count();) {
    const TnAction &action = principais.Items(i);
    if (action.ControlaDireito() && action.DireitoProprio()) {
      std::unique_ptr<TnAction> propria = principais.Extrair(i);
      propria->SetOnExecute(nullptr);
      lista.Add(std::move(propria));
    } else {
      ++i;
    }
  }
  if (const TnOnGerarPrincActionMods hook = GHook) hook(lista);
}

TnDMDireitoUsuario *nDMDireitoUsuario() { return GServico; }

void nSetDMDireitoUsuario(TnDMDireitoUsuario *servico) { GServico = servico; }

void nRestaurarDMDireitoUsuario() { GServico = &GServicoPadrao; }

const TnOnGerarPrincActionMods &FOnGerarPrincActionMods() { return GHook; }

void SetFOnGerarPrincActionMods(TnOnGerarPrincActionMods hook) {
  GHook = std::move(hook);
  GPacoteDoHook = GHook ? TnPacotes::PacoteEmCarga() : QString();
}

void nLiberarHooksDoPacote(const QString &pacote) {
  if (GHook && !GPacoteDoHook.isEmpty() && GPacoteDoHook.compare(pacote, Qt::CaseInsensitive) == 0) {
    GHook = nullptr;
    GPacoteDoHook.clear();
  }
}

bool TnDMDireitoUsuario::DireitoCadastrado(const QString &nome) const {
  QSqlQuery consulta = nDMConexao()->Executar(
      QStringLiteral("select count(*) from USUARIODIREITO where upper(NOMEDIREITO) = :pNome"), {nome.toUpper()});
  return consulta.next() && consulta.value(0).toLongLong() > 0;
}
