#pragma once

#include <QString>
#include <QVariantMap>
#include <memory>
#include <optional>

#include "nframework_export.h"

class QSettings;

// The parameter values a process keeps between runs, per process and user:
// saved when a run is confirmed, restored when its form opens, cleared by
// LimparParamsINI. On QSettings (INI format): the default object uses
// organization "Morvane" and application "mVoxParametros"; one opened on a
// file serves tests. Values are kept with their types (dates stay dates).
// Process names match in any case; parameter names are kept as given.
// With no user given, the connection's current user.
class NFRAMEWORK_EXPORT TnParamsSalvos {
 public:
  TnParamsSalvos();
  explicit TnParamsSalvos(const QString &arquivoIni);
  ~TnParamsSalvos();
  TnParamsSalvos(const TnParamsSalvos &) = delete;
  TnParamsSalvos &operator=(const TnParamsSalvos &) = delete;

  // Replaces what was saved for the process and user.
  void Salvar(const QString &processo, const QVariantMap &valores, std::optional<int> usuario = std::nullopt);
  // Empty when nothing is saved.
  QVariantMap Restaurar(const QString &processo, std::optional<int> usuario = std::nullopt) const;
  bool TemParams(const QString &processo, std::optional<int> usuario = std::nullopt) const;
  // Forgets what was saved for the process and user.
  void LimparParamsINI(const QString &processo, std::optional<int> usuario = std::nullopt);

  QString Arquivo() const;

 private:
  QString Grupo(const QString &processo, std::optional<int> usuario) const;
  std::unique_ptr<QSettings> FSettings;
};

// The process's saved parameters.
NFRAMEWORK_EXPORT TnParamsSalvos *nParamsSalvos();
// Installs another object (not owned); null restores the default one.
NFRAMEWORK_EXPORT void nSetParamsSalvos(TnParamsSalvos *params);
