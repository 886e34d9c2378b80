// Tracing a 4000 × 3000 picture of line art (rings, strokes, filled boxes,
// hatching, small scribbles like handwriting, scanner specks and grey
// stroke edges) with the threshold map and the four-level map, through the
// operation the commands use (level map, trace, shadow block), beside
// `potrace` tracing the same picture as a bitmap (dark where our threshold
// map is dark), run as a child process in the same run. BM_PeakMemory runs
// each once as a fresh process reading its picture from a file (ours a
// 24-bit BMP, potrace a PBM) and reports its peak resident size (MiB) and,
// for ours, the resident size with the picture read, just before the trace.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/app.h"
#include "picture/dib.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "shell/startup.h"
#include "tracing/tracing.h"

namespace daub {
namespace {

constexpr int kW = 4000, kH = 3000;

double uniform(std::mt19937& rng, double lo, double hi) {
  return lo + (hi - lo) * (static_cast<double>(rng()) / 4294967296.0);
}

// Ink coverage 0..255 per pixel, top row first; primitives darken it.
struct Ink {
  std::vector<std::uint8_t> v = std::vector<std::uint8_t>(std::size_t{kW} * kH, 0);
  void put(int x, int y, double cover) {
    if (x < 0 || y < 0 || x >= kW || y >= kH || cover <= 0) return;
    std::uint8_t& p = v[std::size_t(y) * kW + x];
    p = std::max<std::uint8_t>(p, static_cast<std::uint8_t>(255 * std::min(cover, 1.0)));
  }
  // Everything within `half` of the distance function is ink, fading over a pixel.
  template <class Dist>
  void shape(double x0, double y0, double x1, double y1, double half, Dist dist) {
    for (int y = int(std::floor(y0 - half - 1)); y <= int(y1 + half + 1); ++y)
      for (int x = int(std::floor(x0 - half - 1)); x <= int(x1 + half + 1); ++x)
        put(x, y, half + 0.5 - dist(x + 0.5, y + 0.5));
  }
  void segment(double ax, double ay, double bx, double by, double half) {
    const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    shape(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by), half,
          [&](double x, double y) {
            const double t =
                l2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / l2, 0.0, 1.0) : 0;
            return std::hypot(x - ax - t * dx, y - ay - t * dy);
          });
  }
  void ring(double cx, double cy, double r, double half) {
    shape(cx - r, cy - r, cx + r, cy + r, half,
          [&](double x, double y) { return std::fabs(std::hypot(x - cx, y - cy) - r); });
  }
  void box(double x0, double y0, double x1, double y1) {
    shape(x0, y0, x1, y1, 0, [&](double x, double y) {
      return std::max({x0 - x, x - x1, y0 - y, y - y1, -1.0}) + 0.5;
    });
  }
};

Dib line_art() {
  std::mt19937 rng(2024);
  Ink ink;
  for (int i = 0; i < 60; ++i)
    ink.ring(uniform(rng, 0, kW), uniform(rng, 0, kH), uniform(rng, 30, 500), uniform(rng, 1, 4));
  for (int i = 0; i < 300; ++i)
    ink.segment(uniform(rng, 0, kW), uniform(rng, 0, kH), uniform(rng, 0, kW), uniform(rng, 0, kH),
                uniform(rng, 0.7, 3));
  for (int i = 0; i < 40; ++i) {
    const double x = uniform(rng, 0, kW), y = uniform(rng, 0, kH);
    ink.box(x, y, x + uniform(rng, 10, 200), y + uniform(rng, 10, 200));
  }
  for (int i = 0; i < 12; ++i) {  // hatched patches
    const double x = uniform(rng, 0, kW - 300), y = uniform(rng, 0, kH - 300);
    for (int k = 0; k < 30; ++k) ink.segment(x + 10 * k, y, x + 10 * k - 150, y + 300, 0.8);
  }
  for (int i = 0; i < 6000; ++i) {  // scribbles: three short strokes each
    double x = uniform(rng, 0, kW), y = uniform(rng, 0, kH);
    for (int k = 0; k < 3; ++k) {
      const double nx = x + uniform(rng, -12, 12), ny = y + uniform(rng, -12, 12);
      ink.segment(x, y, nx, ny, 0.9);
      x = nx;
      y = ny;
    }
  }
  for (int i = 0; i < 40000; ++i)  // specks
    ink.put(int(uniform(rng, 0, kW)), int(uniform(rng, 0, kH)), uniform(rng, 0.5, 1));
  const std::size_t stride = (3 * kW + 3) / 4 * 4;
  Dib d(44 + stride * kH, 0);
  const std::uint32_t header[10] = {40, kW, kH, 1u | 24u << 16, 0, std::uint32_t(stride * kH)};
  std::memcpy(d.data(), header, 40);
  for (int y = 0; y < kH; ++y) {
    std::uint8_t* row = d.data() + 44 + stride * (kH - 1 - y);
    for (int x = 0; x < kW; ++x) {
      const std::uint8_t grey =
          static_cast<std::uint8_t>(245 - ink.v[std::size_t(y) * kW + x] * 220 / 255);
      row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = grey;
    }
  }
  return d;
}

const Dib& picture() {
  static const Dib d = line_art();
  return d;
}

// The same picture as a PBM file: dark where the threshold map is dark.
const std::string& pbm_file() {
  static const std::string path = [] {
    const std::string p = "/tmp/daubery_trace_bench_" + std::to_string(getpid()) + ".pbm";
    std::ofstream out(p, std::ios::binary);
    out << "P4\n" << kW << " " << kH << "\n";
    const Dib& d = picture();
    const std::size_t stride = (3 * kW + 3) / 4 * 4;
    std::vector<char> row((kW + 7) / 8);
    for (int y = 0; y < kH; ++y) {
      std::fill(row.begin(), row.end(), 0);
      const std::uint8_t* px = d.data() + 44 + stride * (kH - 1 - y);
      for (int x = 0; x < kW; ++x)
        if (px[3 * x + 2] < 127) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
      out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    return p;
  }();
  return path;
}

struct Fixture {
  std::ostringstream log;
  ScriptUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  Fixture() { FileInit(app); }
};

void BM_Trace(benchmark::State& state) {
  const LevelKind kind = state.range(0) == 0 ? LevelKind::kThreshold : LevelKind::kFourLevels;
  picture();
  Fixture f;
  std::vector<std::uint8_t> shadow;
  for (auto _ : state) {
    GetLineDataFromBmp(f.app, picture(), kind, shadow);
    benchmark::DoNotOptimize(shadow.data());
  }
  std::uint32_t counts[2] = {0, 0};
  std::memcpy(counts, shadow.data(), 8);
  state.counters["outlines"] = counts[0];
  state.counters["points"] = counts[1];
  state.SetLabel(state.range(0) == 0 ? "threshold" : "four levels");
}
BENCHMARK(BM_Trace)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The threshold trace converted into straight lines and regions of a fresh
// drawing, as far as a layer's chains hold them.
void BM_Convert(benchmark::State& state) {
  Fixture traced;
  std::vector<std::uint8_t> shadow;
  GetLineDataFromBmp(traced.app, picture(), LevelKind::kThreshold, shadow);
  int regions = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Fixture f;
    state.ResumeTiming();
    regions =
        convert_shadow(f.app, shadow, {0, 0, 1.0},
                       state.range(0) == 0 ? OutlineShape::kStraight : OutlineShape::kRounded, 1);
  }
  state.counters["regions"] = regions;
  state.SetLabel(state.range(0) == 0 ? "straight" : "rounded");
}
BENCHMARK(BM_Convert)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Runs potrace on the PBM file; its peak resident size in KiB, 0 on failure.
long run_potrace() {
  const pid_t pid = fork();
  if (pid == 0) {
    execlp("potrace", "potrace", "-b", "svg", "-o", "/dev/null", pbm_file().c_str(), nullptr);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    return 0;
  return usage.ru_maxrss;
}

void BM_Potrace(benchmark::State& state) {
  pbm_file();
  for (auto _ : state)
    if (run_potrace() == 0) state.SkipWithError("potrace did not run (is it installed?)");
  state.SetLabel("potrace -b svg, same picture as a bitmap");
}
BENCHMARK(BM_Potrace)->Unit(benchmark::kMillisecond);

long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The picture as a BMP file, for the child that traces it.
const std::string& bmp_file() {
  static const std::string path = [] {
    const std::string p = "/tmp/daubery_trace_bench_" + std::to_string(getpid()) + ".bmp";
    const Dib& d = picture();
    std::vector<std::uint8_t> file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    const std::uint32_t size = static_cast<std::uint32_t>(14 + d.size() - 4), bits = 14 + 40;
    std::memcpy(file.data() + 2, &size, 4);
    std::memcpy(file.data() + 10, &bits, 4);
    file.insert(file.end(), d.begin(), d.begin() + 40);
    file.insert(file.end(), d.begin() + 44, d.end());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    return p;
  }();
  return path;
}

std::string self_path;

// Our trace alone in a fresh process (this program run with --trace-child):
// it reads the BMP file, writes its resident size before the trace to the
// pipe and traces; its peak comes back from wait4.
void peak_of_trace(int kind, double& before_mib, double& peak_mib) {
  int fds[2];
  if (pipe(fds) != 0) return;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string fd = std::to_string(fds[1]), k = std::to_string(kind);
    execl(self_path.c_str(), self_path.c_str(), "--trace-child", bmp_file().c_str(), k.c_str(),
          fd.c_str(), nullptr);
    _exit(127);
  }
  close(fds[1]);
  long before = 0;
  if (read(fds[0], &before, sizeof before) != sizeof before) before = 0;
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  before_mib = before / 1024.0;
  peak_mib = usage.ru_maxrss / 1024.0;
}

void BM_PeakMemory(benchmark::State& state) {
  double before = 0, peak = 0;
  for (auto _ : state) {
    if (state.range(0) == 2)
      peak = run_potrace() / 1024.0;
    else
      peak_of_trace(static_cast<int>(state.range(0)), before, peak);
  }
  state.counters["peak_MiB"] = peak;
  if (state.range(0) != 2) state.counters["before_trace_MiB"] = before;
  const char* labels[] = {"ours, threshold", "ours, four levels", "potrace"};
  state.SetLabel(labels[state.range(0)]);
}
BENCHMARK(BM_PeakMemory)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

// The child: the picture read from the file, as the clipboard verb reads it.
int trace_child(const char* path, int kind, int fd) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const std::size_t size = static_cast<std::size_t>(in.tellg());
  // File header, info header, then the rows: into memory form with its gap.
  Dib d(size - 14 + 4, 0);
  in.seekg(14);
  in.read(reinterpret_cast<char*>(d.data()), 40);
  in.read(reinterpret_cast<char*>(d.data() + 44), static_cast<std::streamsize>(size - 54));
  const long before = resident_kib();
  if (write(fd, &before, sizeof before) != sizeof before) return 1;
  Fixture f;
  std::vector<std::uint8_t> shadow;
  return GetLineDataFromBmp(f.app, d, kind == 0 ? LevelKind::kThreshold : LevelKind::kFourLevels,
                            shadow) == 1
             ? 0
             : 1;
}

}  // namespace

}  // namespace daub

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--trace-child")
    return daub::trace_child(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
  daub::self_path = "/proc/self/exe";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::remove(daub::pbm_file().c_str());
  std::remove(daub::bmp_file().c_str());
  return 0;
}
