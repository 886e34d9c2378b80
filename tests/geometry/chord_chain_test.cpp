#include "geometry/chord_chain.h"

#include <gtest/gtest.h>

#include <vector>

namespace daub {
namespace {

std::vector<IntPoint> pts(std::initializer_list<IntPoint> l) { return l; }

// The tolerance is the factor along the axes and grows towards the diagonal.
TEST(ChordChain, KeepsThePointsThatMatter) {
  const struct {
    const char* name;
    std::vector<IntPoint> in;
    double factor;
    std::vector<IntPoint> kept;
  } cases[] = {
      {"no points keep nothing", {}, 1.07, {}},
      {"one point is kept twice", pts({{4, 5}}), 1.07, pts({{4, 5}, {4, 5}})},
      // (5, 0) passes the chord to (5, 1) but not the chord to (5, 2).
      {"a corner",
       pts({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}}), 1.07,
       pts({{0, 0}, {5, 1}, {5, 4}})},
      {"out and half way back", pts({{0, 0}, {4, 0}, {8, 0}, {6, 0}, {4, 0}}), 1.07,
       pts({{0, 0}, {8, 0}, {4, 0}})},
      {"a jitter on one spot folds away", pts({{2, 2}, {3, 2}, {2, 2}}), 1.07,
       pts({{2, 2}, {2, 2}})},
      {"1 off, tolerance 0.9", pts({{0, 0}, {5, 1}, {10, 0}}), 0.9, pts({{0, 0}, {5, 1}, {10, 0}})},
      {"1.41 off, tolerance 1.07·√2", pts({{0, 0}, {4, 6}, {10, 10}}), 1.07,
       pts({{0, 0}, {10, 10}})},
      {"1.41 off, tolerance 0.9·√2", pts({{0, 0}, {4, 6}, {10, 10}}), 0.9,
       pts({{0, 0}, {4, 6}, {10, 10}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(simplify_by_chords(c.in, c.factor), c.kept);
  }
}

}  // namespace
}  // namespace daub
