#include "nDataModule_U.h"

#include "nRegistro_U.h"

TnDataModule::TnDataModule() = default;

TnDataModule::~TnDataModule() { TnRegistro::AoDestruirModulo(this); }

QString TnDataModule::NomeDesign() const {
  return FClassName.startsWith(u'T', Qt::CaseInsensitive) ? FClassName.mid(1) : FClassName;
}

bool TnDataModule::Individual() const { return FModo.compare(nModoIndividual, Qt::CaseInsensitive) == 0; }

bool TnDataModule::InheritsFrom(const QString &nomeClasse) const {
  if (nomeClasse.compare(QStringLiteral("TnDataModule"), Qt::CaseInsensitive) == 0) return true;
  return TnRegistro::Instancia().HerdaDe(FClassName, nomeClasse);
}

void TnDataModule::Refresh() {}

void TnDataModule::DataModuleCreate() {}

void TnDataModule::DataModuleDestroy() {}
