#pragma once

#include <QList>
#include <QString>

#include "nframework_export.h"

class QObject;

// One of the suite's standard registration jobs.
struct NFRAMEWORK_EXPORT TnJobCadastro {
  QString Nome;       // JOBCADASTRO.NOMEJOB, the key
  QString Descricao;  // JOBCADASTRO.DESCRJOB
};

// Keeps the suite's standard registration jobs in JOBCADASTRO: run after each
// database conversion (the shell's post-conversion hook), it inserts the jobs
// that are missing, active, and brings the description of those present up
// to date, leaving their active flag as the office set it. Running it again
// changes nothing. One transaction: all jobs or none.
class NFRAMEWORK_EXPORT TnInserirOuAtualizarJobCadastroPadrao {
 public:
  // `sender` is whoever triggered it (unused).
  static void Executar(QObject *sender = nullptr);
  // The standard jobs, in the order they are written.
  static QList<TnJobCadastro> JobsPadrao();
};
