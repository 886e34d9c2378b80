// 2,000 typed characters in a headless script, the way the window receives
// them: one `char` line of 2,000 characters (one event batch) against 2,000
// `char` lines of one character each (what every character cost when each
// one repainted the window), and an empty script for the start-up alone.
// The client is 1000 × 750 in the start-up painting mode.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <string>

#include "app/headless.h"
#include "qt_main.h"

namespace daub {
namespace {

constexpr int kChars = 2000;

std::string write_script(const std::string& name, const std::string& text) {
  const std::string path = "/tmp/daubery_typing_bench_" + name + ".script";
  std::ofstream(path) << text;
  return path;
}

void run(benchmark::State& state, const std::string& path) {
  // The script's log (nothing but errors) goes nowhere while it runs.
  std::ofstream nowhere;
  std::streambuf* kept = std::cout.rdbuf(nowhere.rdbuf());
  for (auto _ : state) benchmark::DoNotOptimize(run_headless(path, 1000, 750));
  std::cout.rdbuf(kept);
  state.SetItemsProcessed(state.iterations() * kChars);
}

void BM_TypingOneLine(benchmark::State& state) {
  run(state, write_script("line", "char " + std::string(kChars, 'a') + "\n"));
}

void BM_TypingLinePerCharacter(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < kChars; ++i) text += "char a\n";
  run(state, write_script("lines", text));
}

void BM_StartUpOnly(benchmark::State& state) { run(state, write_script("empty", "")); }

BENCHMARK(BM_TypingOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypingLinePerCharacter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) { return daub::bench::run_with_qt(argc, argv); }
