#pragma once

#include <QString>

#include "nDMConexao_U.h"

// Makes the Nth statement of the saves a connection runs fail, as a refusal
// of the database would, for as long as the object lives, and counts those
// statements meanwhile: every statement inside a transaction, each BEGIN and
// outermost COMMIT, and every write outside one; reads outside a
// transaction are not counted. With 0, nothing fails and the object only
// counts. The connection's seam is put back as it
// was on destruction.
class TnFalhaInjetada {
 public:
  explicit TnFalhaInjetada(int falhar = 0, TnDMConexao &conexao = *nDMConexao());
  ~TnFalhaInjetada();
  TnFalhaInjetada(const TnFalhaInjetada &) = delete;
  TnFalhaInjetada &operator=(const TnFalhaInjetada &) = delete;

  // The statements seen so far, the failed one included.
  int Contadas() const { return FContadas; }
  // Whether the Nth statement was reached (and failed).
  bool Disparou() const { return FDisparou; }
  // The text of the statement that failed.
  const QString &Instrucao() const { return FInstrucao; }
  // The message the failure of the Nth statement carries, as the user reads it.
  static QString Mensagem(int numero);

 private:
  TnDMConexao &FConexao;
  int FFalhar;
  int FContadas = 0;
  bool FDisparou = false;
  QString FInstrucao;
};
