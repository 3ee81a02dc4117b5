#include "nFotoBanco_U.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>


namespace {

// A value as a text that tells null, empty and the separator apart.
QString TextoValor(const QVariant &valor) {
  if (valor.isNull()) return QStringLiteral("\\N");
  QString texto = valor.toString();
  texto.replace(u'\\', QStringLiteral("\\\\")).replace(u'|', QStringLiteral("\\|"));
  return texto;
}

}  // namespace

TnFotoBanco TnFotoBanco::Tirar(TnDMConexao &conexao) {
  TnFotoBanco foto;
  const QSqlDatabase banco = conexao.Database();
  for (const QString &nome : banco.tables(QSql::Tables)) {
    TnTabela tabela;
    // The name comes from the database's own catalogue.
    QSqlQuery consulta = conexao.Executar(QStringLiteral("select * from ") +
                                          banco.driver()->escapeIdentifier(nome, QSqlDriver::TableName));
    while (consulta.next()) {
      QStringList valores;
      const QSqlRecord registro = consulta.record();
      for (int i = 0; i < registro.count(); ++i) valores << TextoValor(consulta.value(i));
      tabela.Linhas << valores.join(u'|');
    }
    std::sort(tabela.Linhas.begin(), tabela.Linhas.end());
    tabela.Soma = QCryptographicHash::hash(tabela.Linhas.join(u'\n').toUtf8(), QCryptographicHash::Sha256);
    foto.FTabelas.insert(nome.toUpper(), tabela);
  }
  return foto;
}

QStringList TnFotoBanco::Diferencas(const TnFotoBanco &outra) const {
  QStringList diferencas;
  QStringList nomes = FTabelas.keys() + outra.FTabelas.keys();
  nomes.removeDuplicates();
  std::sort(nomes.begin(), nomes.end());
  for (const QString &nome : nomes) {
    const auto aqui = FTabelas.constFind(nome);
    const auto ali = outra.FTabelas.constFind(nome);
    if (aqui == FTabelas.cend() || ali == outra.FTabelas.cend()) {
      diferencas << nome + (aqui == FTabelas.cend() ? QStringLiteral(": tabela ausente") : QStringLiteral(": tabela nova"));
      continue;
    }
    if (aqui->Soma == ali->Soma) continue;
    QString primeira;
    for (qsizetype i = 0; i < std::max(aqui->Linhas.size(), ali->Linhas.size()); ++i) {
      const QString a = aqui->Linhas.value(i, QStringLiteral("<nenhuma>"));
      const QString b = ali->Linhas.value(i, QStringLiteral("<nenhuma>"));
      if (a == b) continue;
      primeira = QStringLiteral("; era [%1], agora [%2]").arg(b, a);
      break;
    }
    diferencas << QStringLiteral("%1: %2 linha(s), agora %3%4").arg(nome).arg(ali->Linhas.size()).arg(aqui->Linhas.size()).arg(primeira);
  }
  return diferencas;
}

int TnFotoBanco::TotalLinhas() const {
  int total = 0;
  for (const TnTabela &tabela : FTabelas) total += static_cast<int>(tabela.Linhas.size());
  return total;
}
