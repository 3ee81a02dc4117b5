#include "nConfig_U.h"

#include <QSettings>

namespace {

const QString kChaveAgenda = QStringLiteral("Pacotes/NaoAbrirAgendaTributaria");

TnConfig *GConfig = nullptr;

}  // namespace

TnConfig::TnConfig()
    : FSettings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                                            QStringLiteral("mVox"))) {}

TnConfig::TnConfig(const QString &arquivoIni)
    : FSettings(std::make_unique<QSettings>(arquivoIni, QSettings::IniFormat)) {}

TnConfig::~TnConfig() = default;

QVariant TnConfig::Ler(const QString &chave, const QVariant &padrao) const {
  FSettings->sync();
  return FSettings->value(chave, padrao);
}

void TnConfig::Gravar(const QString &chave, const QVariant &valor) {
  FSettings->setValue(chave, valor);
  FSettings->sync();
}

void TnConfig::Remover(const QString &chave) {
  FSettings->remove(chave);
  FSettings->sync();
}

bool TnConfig::LerBool(const QString &chave, bool padrao) const {
  const QVariant valor = Ler(chave);
  if (!valor.isValid()) return padrao;
  const QString texto = valor.toString().trimmed().toLower();
  if (texto == QLatin1String("1") || texto == QLatin1String("true")) return true;
  if (texto == QLatin1String("0") || texto == QLatin1String("false")) return false;
  return padrao;
}

bool TnConfig::NaoAbrirAgendaTributaria() const { return LerBool(kChaveAgenda, false); }

void TnConfig::SetNaoAbrirAgendaTributaria(bool valor) { Gravar(kChaveAgenda, valor); }

QString TnConfig::Arquivo() const { return FSettings->fileName(); }

TnConfig *nConfig() {
  if (GConfig) return GConfig;
  static TnConfig padrao;
  return &padrao;
}

void nSetConfig(TnConfig *config) { GConfig = config; }
