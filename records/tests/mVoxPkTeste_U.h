#pragma once

// The fixture of the protocol library's tests: a fresh sample database, no
// session selection, and the modules a test created freed after it.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "nBancoTeste_U.h"
#include "nClientDataSet_U.h"
#include "nDMClientDataSet_U.h"
#include "nDMConexao_U.h"
#include "nException_U.h"
#include "nRegistro_U.h"
#include "nSQLFuncoes_U.h"

class TmVoxCadastroTeste : public TnBancoTeste {
 protected:
  void SetUp() override {
    TnBancoTeste::SetUp();
    nDMConexao()->Selecao().Limpar();
  }
  void TearDown() override {
    TnRegistro::Instancia().DestruirTodos();
    nDMConexao()->Selecao().Limpar();
    TnBancoTeste::TearDown();
  }

  // A new module of the class, created by name as the program does, its
  // rows read.
  template <class T = TnDMClientDataSet>
  static T *Criar(const QString &classe) {
    T *dm = dynamic_cast<T *>(CriarDM(classe, nullptr, QString()));
    if (dm) dm->Abrir();
    return dm;
  }

  // Every row of a dataset, whatever its filter, as "value|value|…" in the
  // order of its view.
  static QStringList Linhas(TnClientDataSet &dados, const QStringList &campos) {
    TnClientDataSet cursor;
    cursor.CloneCursor(&dados, true);
    QStringList linhas;
    for (cursor.First(); !cursor.Eof(); cursor.Next()) {
      QStringList valores;
      for (const QString &campo : campos) valores << cursor.FieldByName(campo)->AsString();
      linhas << valores.join(u'|');
    }
    return linhas;
  }

  // Makes every update of the table fail, on either engine, until
  // VoltarAtualizacoes.
  void FalharAtualizacoes(const QString &tabela) {
    const QString gatilho = QStringLiteral("FALHA_") + tabela;
    if (EhPostgreSQL()) {
      ExecutarSQLDireto(
          QStringLiteral("create or replace function FALHA_SIMULADA() returns trigger language plpgsql "
                         "as $$ begin raise exception 'falha simulada'; end $$"));
      ExecutarSQLDireto(QStringLiteral("create trigger %1 before update on %2 for each row execute function "
                                       "FALHA_SIMULADA()")
                            .arg(gatilho, tabela));
    } else {
      ExecutarSQLDireto(QStringLiteral("create trigger %1 before update on %2 begin select raise(abort, 'falha "
                                       "simulada'); end")
                            .arg(gatilho, tabela));
    }
  }
  void VoltarAtualizacoes(const QString &tabela) {
    const QString gatilho = QStringLiteral("FALHA_") + tabela;
    ExecutarSQLDireto(EhPostgreSQL() ? QStringLiteral("drop trigger %1 on %2").arg(gatilho, tabela)
                                     : QStringLiteral("drop trigger %1").arg(gatilho));
  }
  // The message of the error the call raised; empty when it raised none.
  template <class F>
  static QString ErroDe(F &&chamada) {
    try {
      chamada();
    } catch (const Exception &e) {
      return e.message();
    }
    return {};
  }
};
