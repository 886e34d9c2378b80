// 2,000 characters typed into a new letter frame in a headless script, the
// way the window receives them: one `char` line of 2,000 characters (one
// event batch) against 2,000 `char` lines of one character each (what every
// character cost when each one repainted the window), and the frame alone.
// The client is 1000 × 750.

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

// A letter frame across the window, ready for typing.
const std::string kFrame = "command 441\ndrag 100 100 500 100\n";

void BM_TypingOneLine(benchmark::State& state) {
  run(state, write_script("line", kFrame + "char " + std::string(kChars, 'a') + "\n"));
}

void BM_TypingLinePerCharacter(benchmark::State& state) {
  std::string text = kFrame;
  for (int i = 0; i < kChars; ++i) text += "char a\n";
  run(state, write_script("lines", text));
}

void BM_FrameOnly(benchmark::State& state) { run(state, write_script("frame", kFrame)); }

BENCHMARK(BM_TypingOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypingLinePerCharacter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) { return daub::bench::run_with_qt(argc, argv); }
