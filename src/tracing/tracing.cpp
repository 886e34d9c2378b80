#include "tracing/tracing.h"

#include <optional>
#include <utility>

#include "geometry/view_transform.h"
#include "model/app.h"
#include "picture/bmp_file.h"
#include "picture/clipboard_pictures.h"
#include "picture/dib.h"
#include "platform/printf_text.h"
#include "render/view.h"
#include "tracing/shadow.h"
#include "tracing/trace.h"

namespace daub {
namespace {

constexpr const char* kDataCaption = "GetLineDataFromBmp";
constexpr ShadowPlace kOrigin{0, 0, 1.0};

// Keeps the hourglass up while a long raster operation runs.
class Busy {
 public:
  explicit Busy(Ui& ui) : ui_(ui) { ui_.set_busy(true); }
  ~Busy() { ui_.set_busy(false); }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  Ui& ui_;
};

TraceParams params_of(const App& app) {
  return {app.tracing.min_area, app.tracing.min_extent, app.chord_tolerance};
}

bool has_shadow(const App& app) { return !app.tracing.shadow.empty(); }

// at + (to − from), held inside the int range.
int moved_by(int at, int from, int to) {
  const long long v = static_cast<long long>(at) + to - from;
  return trunc_to_int(static_cast<double>(v));
}

}  // namespace

int GetLineDataFromBmp(App& app, const Dib& picture, LevelKind kind,
                       std::vector<std::uint8_t>& shadow) {
  const DibInfo info = dib_info(picture);
  if (!info.ok()) {
    report_dib_problem(app, kDataCaption, picture.empty() ? DibProblem::kDamaged : info.problem);
    return 0;
  }
  Busy busy(app.ui);
  std::optional<LevelMap> map;
  if (info.bit_count == 24) {
    map = level_map(picture, kind);
  } else if (std::optional<Dib> full = full_color_dib(picture)) {
    map = level_map(*full, kind);
  }
  if (!map) {
    message(app.ui, kDataCaption, "no bmp data");
    return 0;
  }
  Shadow traced;
  if (trace_map(*map, kind, params_of(app), traced, app.tracing.shadow_limit) !=
      TraceVerdict::kOk) {
    message(app.ui, kDataCaption, "Can not get memory");
    return 0;
  }
  map.reset();
  std::vector<std::uint8_t> block = shadow_block(traced);
  if (block.empty()) {
    message(app.ui, kDataCaption, "Can not get memory");
    return 0;
  }
  shadow = std::move(block);
  return 1;
}

int GetLineBaseFromClipboadBmp(App& app, LevelKind kind, std::vector<std::uint8_t>& shadow) {
  std::optional<Dib> picture;
  {
    std::optional<std::vector<std::uint8_t>> packed = app.clipboard.dib();
    if (!packed) {
      message(app.ui, "GetLineBaseFromClipboadBmp", "no bmp data");
      return 0;
    }
    picture = take_read(app, dib_from_packed(*packed), kDataCaption);
  }
  if (!picture) return 0;
  return GetLineDataFromBmp(app, *picture, kind, shadow);
}

int trace_clipboard(App& app, LevelKind kind) {
  std::vector<std::uint8_t> traced;
  if (GetLineBaseFromClipboadBmp(app, kind, traced) == 0) return 0;
  app.tracing.shadow = std::move(traced);
  repaint(app);
  draw_window_shadow(app, kOrigin);
  return 1;
}

int draw_window_shadow(App& app, ShadowPlace place, ShadowStyle style) {
  Dc* dc = app.ui.window_dc();
  if (dc == nullptr || !has_shadow(app)) return 0;
  const std::optional<Shadow> shadow = read_shadow(app.tracing.shadow);
  if (!shadow) return 0;
  draw_shadow(*dc, *shadow, place, style, app.tracing.smoothing);
  return 1;
}

void show_shadow(App& app, ShadowStyle style) {
  repaint(app);
  draw_window_shadow(app, app.tracing.place, style);
}

void show_shadow_twice(App& app, ShadowStyle second) {
  repaint(app);
  draw_window_shadow(app, app.tracing.place);
  draw_window_shadow(app, app.tracing.second_place, second);
}

void move_shadow(App& app) {
  const Interaction& in = app.in;
  ShadowPlace& place = app.tracing.place;
  place.x = moved_by(place.x, in.pressscreen.x, in.releasescreen.x);
  place.y = moved_by(place.y, in.pressscreen.y, in.releasescreen.y);
  show_shadow(app);
}

int recolor_outlines(App& app, int orientation) {
  const int changed = recolor_shadow(app.tracing.shadow, orientation, app.settings.color);
  show_shadow(app);
  return changed;
}

void show_shadow_size(App& app) {
  message(app.ui, "Shadow file size",
          printf_text("%lu", static_cast<unsigned long>(app.tracing.shadow.size())));
}

int convert_current_shadow(App& app, OutlineShape shape) {
  if (!has_shadow(app)) return 0;
  return convert_shadow(app, app.tracing.shadow, app.tracing.place, shape, app.in.nowlayer);
}

int trace_and_convert(App& app, OutlineShape shape) {
  if (ChangeClipboadBmpToFullColor(app) == 0) return 0;
  std::vector<std::uint8_t> own;
  if (GetLineBaseFromClipboadBmp(app, LevelKind::kThreshold, own) == 0) return 0;
  return convert_shadow(app, own, kOrigin, shape, app.in.nowlayer);
}

}  // namespace daub
