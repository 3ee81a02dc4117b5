#pragma once

#include <QString>
#include <QStringList>

#include "nframework_export.h"

// Collects statements to be run one by one (each with ExecutarSQLDireto).
class NFRAMEWORK_EXPORT TBlockCommand {
 public:
  TBlockCommand(bool tipoServidor = false, int reservado = 0) : FTipoServidor(tipoServidor) {}
  void Add(const QString &sql) { FComandos.append(sql); }
  int Count() const { return static_cast<int>(FComandos.size()); }
  void Clear() { FComandos.clear(); }
  QStringList ToCommandList() const { return FComandos; }
  bool TipoServidor() const { return FTipoServidor; }

 private:
  bool FTipoServidor;
  QStringList FComandos;
};
