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

// A statement the database refused. The message is the server's text; the
// statement is kept apart for whoever wants to show or log it.
class NFRAMEWORK_EXPORT EDatabaseError : public Exception {
 public:
  EDatabaseError(QString message, QString statement);
  const QString &statement() const { return FStatement; }

 private:
  QString FStatement;
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
