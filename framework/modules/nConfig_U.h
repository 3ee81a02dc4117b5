#pragma once

#include <QString>
#include <QVariant>
#include <memory>

#include "nframework_export.h"

class QSettings;

// The framework's configuration object: the installation's settings, on
// QSettings. The default object uses organization "Morvane" and application
// "mVox" in INI format (on Linux ~/.config/Morvane/mVox.ini); one opened on a file
// serves tests and portable installs. Every read goes back to the
// storage, so a change made by another process is seen at once.
//
// Keys:
// - "Pacotes/NaoAbrirAgendaTributaria" (Boolean, default false): the tax
//   agenda package of the other module ("wSipPkPbAge") is not opened.
class NFRAMEWORK_EXPORT TnConfig {
 public:
  TnConfig();
  explicit TnConfig(const QString &arquivoIni);
  ~TnConfig();
  TnConfig(const TnConfig &) = delete;
  TnConfig &operator=(const TnConfig &) = delete;

  QVariant Ler(const QString &chave, const QVariant &padrao = QVariant()) const;
  void Gravar(const QString &chave, const QVariant &valor);
  void Remover(const QString &chave);
  // A Boolean as written by Gravar, or as text "1"/"0", "true"/"false".
  bool LerBool(const QString &chave, bool padrao = false) const;

  bool NaoAbrirAgendaTributaria() const;
  void SetNaoAbrirAgendaTributaria(bool valor);

  // The file behind the settings.
  QString Arquivo() const;

 private:
  std::unique_ptr<QSettings> FSettings;
};

// The process's configuration object.
NFRAMEWORK_EXPORT TnConfig *nConfig();
// Installs another object (not owned), e.g. one on a test file; null
// restores the default one.
NFRAMEWORK_EXPORT void nSetConfig(TnConfig *config);
