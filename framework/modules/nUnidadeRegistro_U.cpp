#include "nUnidadeRegistro_U.h"

#include <QStringList>
#include <exception>
#include <memory>

#include "nRegistro_U.h"

TnUnidadeRegistro::TnUnidadeRegistro(std::function<void()> inicializacao, std::function<void()> finalizacao)
    : FInicializacao(std::move(inicializacao)), FFinalizacao(std::move(finalizacao)) {}

TnUnidadeRegistro TnUnidadeRegistro::DeClasses(std::function<QList<TnClasseInfo>()> classes) {
  // The names registered, shared by both halves, so the finalization removes
  // exactly what the initialization added.
  auto registradas = std::make_shared<QStringList>();
  auto inicializar = [classes = std::move(classes), registradas] {
    registradas->clear();
    try {
      for (const TnClasseInfo &info : classes()) {
        nRegisterClass(info);
        registradas->append(info.Nome);
      }
    } catch (...) {
      while (!registradas->isEmpty()) nUnRegisterClass(registradas->takeLast());
      throw;
    }
  };
  auto finalizar = [registradas] {
    // Every class goes, even when freeing an instance of one raises.
    std::exception_ptr erro;
    while (!registradas->isEmpty()) {
      try {
        nUnRegisterClass(registradas->takeLast());
      } catch (...) {
        if (!erro) erro = std::current_exception();
      }
    }
    if (erro) std::rethrow_exception(erro);
  };
  return TnUnidadeRegistro(inicializar, finalizar);
}

bool TnUnidadeRegistro::Inicializar() {
  if (FContador++ > 0) return false;
  try {
    if (FInicializacao) FInicializacao();
  } catch (...) {
    FContador = 0;
    throw;
  }
  return true;
}

bool TnUnidadeRegistro::Finalizar() {
  if (FContador == 0) return false;
  if (--FContador > 0) return false;
  if (FFinalizacao) FFinalizacao();
  return true;
}
