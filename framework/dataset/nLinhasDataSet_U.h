#pragma once

#include <QVariant>
#include <QVector>
#include <vector>

#include "nframework_export.h"

class TnClientDataSet;

// The rows of a client dataset, shared by the dataset and its clones (each a
// cursor with its own view over them), with the change log that undoes them.
//
// A row lives in a slot that never changes while the row exists, so slots
// serve as bookmarks; slots of deleted rows are not reused until the rows are
// reloaded. Ordem is the natural order of the live rows (load and insertion
// order), which views without an index follow. Desempate orders rows whose
// index keys are equal: a row gets a new, higher one when it is inserted or
// its key changes, so a posted row goes after its equals.
// Versao changes with every change, so cursors know when their views are stale.
// No two sets of rows ever show the same version, so what is kept by a
// version of one set (a view, a looked-up name) is never taken as current by
// another, even by one made in the same memory.
class NFRAMEWORK_EXPORT TnLinhasDataSet {
 public:
  int Largura() const { return FLargura; }
  // Widens every row (and the rows kept by the log) with null values.
  void SetLargura(int largura);

  // Replaces every row; the log is cleared.
  void Carregar(std::vector<QVector<QVariant>> linhas);
  void Limpar();

  // `posicaoNatural`: the index in Ordem the row takes; -1 appends.
  int Incluir(QVector<QVariant> valores, int posicaoNatural, bool registrar);
  void Alterar(int slot, QVector<QVariant> valores, bool registrar);
  void Excluir(int slot, bool registrar);
  // Excluir of every live row of `alvos`, in one pass over the order: the
  // log undoes them as if they had gone one by one, first to last in the
  // natural order.
  void ExcluirVarias(const std::vector<int> &alvos, bool registrar);
  void RenovarDesempate(int slot) { FLinhas[static_cast<size_t>(slot)].Desempate = ++FUltimoDesempate; }

  const QVector<QVariant> &Valores(int slot) const { return FLinhas[static_cast<size_t>(slot)].Valores; }
  // Asks the processor for the memory of a row's value ahead of its use.
  // Every row's values sit in a block of their own: a walk over many rows
  // that asks for a row some steps ahead has their fetches overlap instead
  // of waiting for each in turn. Changes nothing.
  void Adiantar(int slot, int campo) const {
    const QVector<QVariant> &valores = FLinhas[static_cast<size_t>(slot)].Valores;
    if (static_cast<quint64>(campo) >= static_cast<quint64>(valores.size())) return;
    // The value's first and last bytes: its data and its type and null mark,
    // on one memory line or on two.
    const char *inicio = reinterpret_cast<const char *>(valores.constData() + campo);
    Pedir(inicio);
    Pedir(inicio + sizeof(QVariant) - 1);
  }
  // Adiantar of every value of a row: a cursor reading the rows of a view
  // in turn asks for the row some steps ahead.
  void AdiantarLinha(int slot) const {
    const QVector<QVariant> &valores = FLinhas[static_cast<size_t>(slot)].Valores;
    if (valores.isEmpty()) return;
    const char *inicio = reinterpret_cast<const char *>(valores.constData());
    const qsizetype bytes = valores.size() * static_cast<qsizetype>(sizeof(QVariant));
    for (qsizetype deslocamento = 0; deslocamento < bytes; deslocamento += kLinhaMemoria) Pedir(inicio + deslocamento);
    Pedir(inicio + bytes - 1);
  }
  // Asks for the row's place among the rows (where its values are): a walk
  // asks for it some steps before it asks for the values (AdiantarLinha),
  // which must read it to find them.
  void AdiantarLugar(int slot) const { Pedir(reinterpret_cast<const char *>(&FLinhas[static_cast<size_t>(slot)])); }
  bool Viva(int slot) const {
    return slot >= 0 && slot < static_cast<int>(FLinhas.size()) && FLinhas[static_cast<size_t>(slot)].Viva;
  }
  quint64 Desempate(int slot) const { return FLinhas[static_cast<size_t>(slot)].Desempate; }
  static constexpr qsizetype kLinhaMemoria = 64;  // bytes the processor brings at once
  // Asks the processor for the memory at `endereco`, to be used a little
  // later. Changes nothing.
  static void Pedir(const char *endereco) {
#if defined(__x86_64__) || defined(__i386__)
    // An instruction of its own: the compiler's builtin was dropped from
    // the loops that need it.
    asm volatile("prefetcht0 %0" : : "m"(*endereco));
#else
    __builtin_prefetch(endereco);
#endif
  }

  const std::vector<int> &Ordem() const { return FOrdem; }
  int PosicaoNatural(int slot) const;  // -1 when not live
  int Quantidade() const { return static_cast<int>(FOrdem.size()); }
  quint64 Versao() const { return FVersao; }
  const quint64 *EnderecoVersao() const { return &FVersao; }

  // The change log: with it on, every change can be undone back to any
  // earlier size of the log.
  bool LogAtivo() const { return FLogAtivo; }
  void SetLogAtivo(bool ativo) { FLogAtivo = ativo; }
  int TamanhoLog() const { return static_cast<int>(FLog.size()); }
  void DesfazerAte(int tamanho);
  // Gives the log's memory back: a large save's removals are not held for
  // the next changes.
  void LimparLog() { std::vector<TnAlteracao>().swap(FLog); }

  // Every dataset reading these rows (the original and its clones).
  std::vector<TnClientDataSet *> Cursores;

 private:
  struct TnLinha {
    QVector<QVariant> Valores;
    quint64 Desempate = 0;
    bool Viva = true;
  };
  enum class TnTipoAlteracao { Inclusao, Alteracao, Exclusao };
  struct TnAlteracao {
    TnTipoAlteracao Tipo;
    int Slot;
    int PosicaoNatural;
    QVector<QVariant> Valores;
    quint64 Desempate;
  };

  // Each set of rows counts its versions from a start of its own, 2^32 apart.
  static quint64 PrimeiraVersao();

  std::vector<TnLinha> FLinhas;
  std::vector<int> FOrdem;
  std::vector<TnAlteracao> FLog;
  int FLargura = 0;
  quint64 FUltimoDesempate = 0;
  quint64 FVersao = PrimeiraVersao();
  bool FLogAtivo = true;
};
