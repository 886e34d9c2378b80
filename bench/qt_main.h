#pragma once
// The main of the benchmarks that paint through Qt: Google Benchmark inside
// a QGuiApplication on the offscreen platform.

#include <benchmark/benchmark.h>
#include <QGuiApplication>

namespace daub::bench {

inline int run_with_qt(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace daub::bench
