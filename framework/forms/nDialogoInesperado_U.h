#pragma once

#include <QString>

#include "nException_U.h"
#include "nframework_export.h"

// Raised by the scripted dialogs when the code asks a question the test did
// not expect (no answer queued, or an answer of the wrong kind). The message
// names the question, so a test that sees it knows what was asked.
class NFRAMEWORK_EXPORT EDialogoInesperado : public Exception {
 public:
  explicit EDialogoInesperado(QString message);
};
