#pragma once
// What tracing keeps between commands: the shadow (the outlines of the last
// trace, in its byte layout) and the parameters of tracing, showing and
// converting it. The chord tolerance factor lives in App, shared with the
// brush stroke.

#include <cstdint>
#include <vector>

namespace daub {

// A place and scale at which the shadow is shown: client pixel
// (x + trunc(px · scale), y + trunc(py · scale)) for picture point (px, py).
struct ShadowPlace {
  int x = 0;
  int y = 0;
  double scale = 1.0;
};

// The largest shadow block a trace may make.
inline constexpr std::uint64_t kMaxShadowBytes = 256ull << 20;

struct TracingState {
  // The shadow block: empty when there is none.
  std::vector<std::uint8_t> shadow;
  ShadowPlace place;                             // where the shadow is shown and converted
  ShadowPlace second_place;                      // the side-by-side preview
  int min_area = 4;                              // specks no larger than this and …
  int min_extent = 10;                           // … no wider or taller than this are dropped
  double max_round_turn = 60.0;                  // degrees: sharper corners stay sharp
  double rounding_size = 10.0;                   // how large a rounded corner is
  double smoothing = 10.0;                       // how deep the smoothed drawing cuts corners
  std::uint64_t shadow_limit = kMaxShadowBytes;  // tests lower it
};

}  // namespace daub
