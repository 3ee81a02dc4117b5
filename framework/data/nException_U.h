#pragma once

#include <QString>
#include <exception>

#include "nframework_export.h"

class TnField;
class TnpqParamItem;

// The framework's exceptions. Each carries the text the user sees; one guard at
// every user entry point shows it (EAbort is swallowed silently there).
class NFRAMEWORK_EXPORT Exception : public std::exception {
 public:
  explicit Exception(QString message);
  ~Exception() override;
  const QString &message() const { return FMessage; }
  const char *what() const noexcept override;

 private:
  QString FMessage;
  QByteArray FWhat;
};

// Silent abort: stops the current operation without any message.
class NFRAMEWORK_EXPORT EAbort : public Exception {
 public:
  EAbort();
};

// What kind of refusal a database error is, as far as the user is told.
enum class TnTipoErroBanco {
  Outro,
  Unico,             // a key or unique value already taken
  ChaveEstrangeira,  // a code that names no row, or a row still in use
  NaoNulo,           // a required column left empty
  Tamanho,           // a text longer than its column
  Ocupado,           // another user holds the data (lock, busy file)
  Alterado,          // the row read is no longer what is stored
};

// A statement the database refused. The message is the user's, in
// Portuguese (TnDialetoSQL::Erro builds it); the server's own text and the
// statement are kept apart for whoever wants to show or log them.
class NFRAMEWORK_EXPORT EDatabaseError : public Exception {
 public:
  EDatabaseError(QString message, QString statement, TnTipoErroBanco tipo = TnTipoErroBanco::Outro,
                 QString detalhe = QString());
  const QString &statement() const { return FStatement; }
  TnTipoErroBanco tipo() const { return FTipo; }
  // The server's text, for a detail line or a log.
  const QString &detalhe() const { return FDetalhe; }

 private:
  QString FStatement;
  TnTipoErroBanco FTipo;
  QString FDetalhe;
};

// A rule broken by the value of one field; the guard focuses the field's editor
// when it can. The field is not owned and may be null.
class NFRAMEWORK_EXPORT EnField : public Exception {
 public:
  EnField(TnField *field, QString message);
  TnField *field() const { return FField; }

 private:
  TnField *FField;
};

// A process parameter that refuses the run; the guard focuses its editor.
class NFRAMEWORK_EXPORT EnParam : public Exception {
 public:
  EnParam(TnpqParamItem *param, QString message);
  TnpqParamItem *param() const { return FParam; }

 private:
  TnpqParamItem *FParam;
};
