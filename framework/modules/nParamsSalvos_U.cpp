#include "nParamsSalvos_U.h"

#include <QSettings>

#include "nDMConexao_U.h"

namespace {

TnParamsSalvos *GParams = nullptr;

// A name as one level of a settings key: the separators of QSettings' key
// paths would otherwise open levels of their own.
QString Chave(QString nome) {
  nome.replace(u'/', u'_');
  nome.replace(u'\\', u'_');
  return nome;
}

}  // namespace

TnParamsSalvos::TnParamsSalvos()
    : FSettings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                                            QStringLiteral("mVoxParametros"))) {}

TnParamsSalvos::TnParamsSalvos(const QString &arquivoIni)
    : FSettings(std::make_unique<QSettings>(arquivoIni, QSettings::IniFormat)) {}

TnParamsSalvos::~TnParamsSalvos() = default;

QString TnParamsSalvos::Grupo(const QString &processo, std::optional<int> usuario) const {
  const int codigo = usuario ? *usuario : nDMConexao()->CodigoUsuario();
  return QStringLiteral("%1/Usuario%2").arg(Chave(processo.toUpper())).arg(codigo);
}

void TnParamsSalvos::Salvar(const QString &processo, const QVariantMap &valores, std::optional<int> usuario) {
  FSettings->beginGroup(Grupo(processo, usuario));
  FSettings->remove(QString());
  for (auto it = valores.cbegin(); it != valores.cend(); ++it) FSettings->setValue(Chave(it.key()), it.value());
  FSettings->endGroup();
  FSettings->sync();
}

QVariantMap TnParamsSalvos::Restaurar(const QString &processo, std::optional<int> usuario) const {
  FSettings->sync();
  QVariantMap valores;
  FSettings->beginGroup(Grupo(processo, usuario));
  for (const QString &chave : FSettings->childKeys()) valores.insert(chave, FSettings->value(chave));
  FSettings->endGroup();
  return valores;
}

bool TnParamsSalvos::TemParams(const QString &processo, std::optional<int> usuario) const {
  return !Restaurar(processo, usuario).isEmpty();
}

void TnParamsSalvos::LimparParamsINI(const QString &processo, std::optional<int> usuario) {
  FSettings->remove(Grupo(processo, usuario));
  FSettings->sync();
}

QString TnParamsSalvos::Arquivo() const { return FSettings->fileName(); }

TnParamsSalvos *nParamsSalvos() {
  if (GParams) return GParams;
  static TnParamsSalvos padrao;
  return &padrao;
}

void nSetParamsSalvos(TnParamsSalvos *params) { GParams = params; }
