// The driver of a fuzz target where libFuzzer is not at hand (a compiler other
// than clang). It takes libFuzzer's command line as far as CI uses it:
//
//   target [-max_total_time=S] [-runs=N] [-seed=N] [-max_len=N] [folder|file ...]
//
// runs every file named (or found in the folders named) once, then inputs made
// by mutating them (and, now and then, the mutants) with a pseudo-random generator seeded by -seed (1 unless
// given) until the time or the run count is spent. A fault stops the program
// through the sanitizers the target is built with; a clean run exits with 0
// and reports how many inputs it ran. Options it does not know are ignored.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

using TnEntrada = std::vector<uint8_t>;

bool Opcao(const char *argumento, const char *nome, long long &valor) {
  const size_t n = std::strlen(nome);
  if (std::strncmp(argumento, nome, n) != 0) return false;
  valor = std::atoll(argumento + n);
  return true;
}

void LerArquivo(const std::filesystem::path &caminho, std::vector<TnEntrada> &entradas) {
  std::ifstream arquivo(caminho, std::ios::binary);
  entradas.emplace_back(std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>());
}

void Executar(const TnEntrada &entrada) {
  // A copy of exactly its size, so that reading past the end is caught.
  std::vector<uint8_t> copia(entrada);
  LLVMFuzzerTestOneInput(copia.empty() ? nullptr : copia.data(), copia.size());
}

// Pieces that the format languages and number readers give meaning to.
const char *const GPedacos[] = {"0",  "#",  "9",  ".",  ",",    ";",  "E+", "E-", "e+", "'",  "\"", "d",   "dd",
                                "ddd", "dddd", "ddddd", "m", "mm", "mmm", "mmmm", "yy", "yyyy", "h", "hh", "n",
                                "nn", "s",  "ss", "z",  "zzz",  "am/pm", "a/p", "ampm", "c", "t", "tt", "/", ":",
                                "-",  "1",  "\xc3\xa7", "\n", "\xff"};

TnEntrada Mutar(const TnEntrada &origem, std::mt19937_64 &gerador, size_t tamanhoMaximo) {
  TnEntrada e(origem);
  auto sorteio = [&](size_t limite) { return limite == 0 ? size_t(0) : size_t(gerador() % limite); };
  const size_t passos = 1 + sorteio(8);
  for (size_t i = 0; i < passos; ++i) {
    switch (sorteio(6)) {
      case 0:  // flip a bit
        if (!e.empty()) e[sorteio(e.size())] ^= uint8_t(1u << sorteio(8));
        break;
      case 1:  // any byte
        if (!e.empty()) e[sorteio(e.size())] = uint8_t(gerador());
        break;
      case 2:  // insert a byte
        e.insert(e.begin() + std::ptrdiff_t(sorteio(e.size() + 1)), uint8_t(gerador()));
        break;
      case 3:  // remove a stretch
        if (!e.empty()) {
          const size_t inicio = sorteio(e.size());
          const size_t fim = inicio + 1 + sorteio(std::min<size_t>(e.size() - inicio, 16));
          e.erase(e.begin() + std::ptrdiff_t(inicio), e.begin() + std::ptrdiff_t(std::min(fim, e.size())));
        }
        break;
      case 4: {  // insert a meaningful piece
        const char *pedaco = GPedacos[sorteio(std::size(GPedacos))];
        e.insert(e.begin() + std::ptrdiff_t(sorteio(e.size() + 1)), pedaco, pedaco + std::strlen(pedaco));
        break;
      }
      default:  // repeat a stretch
        if (!e.empty()) {
          const size_t inicio = sorteio(e.size());
          const TnEntrada trecho(e.begin() + std::ptrdiff_t(inicio),
                                 e.begin() + std::ptrdiff_t(inicio + 1 + sorteio(e.size() - inicio)));
          e.insert(e.begin() + std::ptrdiff_t(sorteio(e.size() + 1)), trecho.begin(), trecho.end());
        }
        break;
    }
  }
  if (e.size() > tamanhoMaximo) e.resize(tamanhoMaximo);
  return e;
}

}  // namespace

int main(int argc, char **argv) {
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  long long segundos = 10, execucoes = -1, semente = 1, tamanhoMaximo = 4096;
  std::vector<TnEntrada> sementes;
  for (int i = 1; i < argc; ++i) {
    const char *a = argv[i];
    long long valor = 0;
    if (Opcao(a, "-max_total_time=", valor)) segundos = valor;
    else if (Opcao(a, "-runs=", valor)) execucoes = valor;
    else if (Opcao(a, "-seed=", valor)) semente = valor;
    else if (Opcao(a, "-max_len=", valor)) tamanhoMaximo = valor > 0 ? valor : tamanhoMaximo;
    else if (a[0] == '-') continue;
    else if (std::filesystem::is_directory(a)) {
      for (const auto &item : std::filesystem::recursive_directory_iterator(a))
        if (item.is_regular_file()) LerArquivo(item.path(), sementes);
    } else if (std::filesystem::is_regular_file(a)) {
      LerArquivo(a, sementes);
    }
  }
  if (sementes.empty()) sementes.emplace_back();

  long long feitas = 0;
  for (const TnEntrada &entrada : sementes) Executar(entrada), ++feitas;
  std::mt19937_64 gerador(static_cast<uint64_t>(semente));
  const auto fim = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
  while ((execucoes < 0 || feitas < execucoes) && std::chrono::steady_clock::now() < fim) {
    TnEntrada entrada = Mutar(sementes[gerador() % sementes.size()], gerador, size_t(tamanhoMaximo));
    Executar(entrada);
    ++feitas;
    // Some mutants become seeds themselves, so that mutations compound.
    if (sementes.size() < 4096 && gerador() % 16 == 0) sementes.push_back(std::move(entrada));
  }
  std::printf("stat::number_of_executed_units: %lld\n", feitas);
  return 0;
}
