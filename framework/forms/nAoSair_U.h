#pragma once

#include <functional>

// Runs the handler when the scope ends, however it ends. A handler that
// raises is silenced: cleaning up must not hide the error that left the
// scope.
class TnAoSair {
 public:
  explicit TnAoSair(std::function<void()> acao) : FAcao(std::move(acao)) {}
  ~TnAoSair() {
    try {
      if (FAcao) FAcao();
    } catch (...) {
    }
  }
  TnAoSair(const TnAoSair &) = delete;
  TnAoSair &operator=(const TnAoSair &) = delete;

 private:
  std::function<void()> FAcao;
};
