#include "drawing/pickups.h"

#include "drawing/regions.h"
#include "model/app.h"

namespace daub {
namespace {

// The current line's pen, or none after "注目線が存在しません".
const PenRecord* current_line_pen(App& app, const char* caption) {
  if (app.in.nowlinevalid != 0) return &app.in.nowline.pen;
  message(app.ui, caption, "注目線が存在しません");
  return nullptr;
}

template <class Copy>
int pick_line(App& app, const char* caption, Copy copy) {
  const PenRecord* pen = current_line_pen(app, caption);
  if (pen == nullptr || !copy(*pen, app.settings)) return 0;
  refresh_pens(app.settings);
  return 1;
}

// The current region's fill, or none after getrgn's message.
bool current_fill(App& app, RegionParam& out) {
  RegionRecord region;
  if (getrgn(app, app.in.nowrgn, region, app.in.nowlayer) == 0) return false;
  out = region.param;
  return true;
}

template <class Copy>
int pick_region(App& app, Copy copy) {
  RegionParam fill;
  if (!current_fill(app, fill) || !copy(fill, app.settings)) return 0;
  refresh_pens(app.settings);
  return 1;
}

void take_dots(const PenRecord& pen, Settings& s) {
  s.dot_length = pen.dot_length;
  s.start_length = pen.start_length;
  s.line_bit_count = pen.bit_count;
  s.line_bits = pen.bits;
}

bool hatched(App& app, const RegionParam& fill, const char* caption) {
  if (fill.brush_style == 1) return true;
  message(app.ui, caption, "注目リージョンはハッチではありません");
  return false;
}

}  // namespace

int NowLinePenstyle(App& app) {
  return pick_line(app, "NowLinePenstyle", [](const PenRecord& pen, Settings& s) {
    s.pen_style = pen.style;
    return true;
  });
}

int NowLinePenwidth(App& app) {
  return pick_line(app, "NowLinePenwidth", [](const PenRecord& pen, Settings& s) {
    s.pen_width = pen.width;
    return true;
  });
}

int NowLineColor(App& app) {
  return pick_line(app, "NowLineColor", [](const PenRecord& pen, Settings& s) {
    s.color = pen.color;
    return true;
  });
}

int NowLineDotParam(App& app) {
  return pick_line(app, "NowLineDotParam", [&app](const PenRecord& pen, Settings& s) {
    if (pen.style != 1) {
      message(app.ui, "NowLineDotParam", "注目線はドットではありません");
      return false;
    }
    take_dots(pen, s);
    return true;
  });
}

int NowRgnBrstyle(App& app) {
  return pick_region(app, [](const RegionParam& fill, Settings& s) {
    s.brush_style = fill.brush_style;
    return true;
  });
}

int NowRgnHatchParam(App& app) {
  return pick_region(app, [&app](const RegionParam& fill, Settings& s) {
    if (!hatched(app, fill, "NowRgnHatchParam")) return false;
    s.hatch_pen = fill.hatch_pen;
    s.hatch_type = fill.hatch_type;
    s.hatch_width = fill.hatch_width;
    s.hatch_angle = fill.hatch_angle;
    return true;
  });
}

int NowRgnHatchPenDotParam(App& app) {
  return pick_region(app, [&app](const RegionParam& fill, Settings& s) {
    if (!hatched(app, fill, "NowRgnHatchPenDotParam")) return false;
    if (fill.hatch_pen.style != 1) {
      message(app.ui, "NowRgnHatchPenDotParam", "注目ハッチペンはドットではありません");
      return false;
    }
    take_dots(fill.hatch_pen, s);
    s.pen_style = fill.hatch_pen.style;
    s.pen_width = fill.hatch_pen.width;
    return true;
  });
}

int NowRgnColor(App& app) {
  return pick_region(app, [](const RegionParam& fill, Settings& s) {
    s.color = fill.color;
    return true;
  });
}

}  // namespace daub
