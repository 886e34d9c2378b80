#include "drawing/bitmaps.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "drawing/append.h"
#include "drawing/chain.h"
#include "drawing/drawing_file.h"
#include "drawing/elements.h"
#include "drawing/layers.h"
#include "drawing/memory.h"
#include "drawing/pack.h"
#include "picture/bmp_file.h"
#include "picture/clipboard_pictures.h"
#include "platform/cp932.h"

namespace daub {
namespace {

constexpr ChainKind kBitmaps = ChainKind::kBitmaps;
constexpr ChainShape kShape = chain_shape(kBitmaps);

std::uint64_t bitmap_slot(App& app, int n, int layer, const char* caption) {
  return find_element_slot(app, n, layer, kBitmaps, caption);
}

std::uint32_t find_bitmap(App& app, int n, int layer, const char* caption) {
  return find_element(app, n, layer, kBitmaps, caption);
}

// The shared tail of every creator: the record with the picture behind it.
int append_bitmap(App& app, BitmapRecord record, const Dib& dib, int layer, const char* caption) {
  if (dib.size() > std::numeric_limits<std::uint32_t>::max()) {
    message(app.ui, "memck", "メモリー不足、データをセーブしてください");
    return 0;
  }
  record.size = static_cast<std::uint32_t>(dib.size());
  record.reserved = 0;
  const int n = append_element(app, layer, kBitmaps, record, dib.data(), record.size, caption);
  if (n > 0) app.in.nowbmp = n;
  return n;
}

// A new element's record: at the current point with the settings' rate.
BitmapRecord record_at_nowpoint(const App& app) {
  BitmapRecord record;
  record.x = app.in.nowpoint.x;
  record.y = app.in.nowpoint.y;
  record.rate = app.settings.bmp_rate;
  return record;
}

// The bitmap file name of the settings, as a path in the working folder.
std::string bitmap_file_path(const App& app) {
  const char* field = app.settings.bmp_name;
  const std::string name(field, strnlen(field, sizeof app.settings.bmp_name));
  return path_in_folder(app.files.working_folder, cp932_to_utf8(name));
}

}  // namespace

Dib picture_of(const Block& block, const BitmapRecord& record) {
  if (!block.contains(record.image, record.size)) return {};
  const std::uint8_t* from = block.data() + record.image;
  return Dib(from, from + record.size);
}

int setbmp(App& app, int layer) {
  const std::optional<Dib> dib = read_bmp_file(app, bitmap_file_path(app), "setbmp");
  if (!dib) return 0;
  return append_bitmap(app, record_at_nowpoint(app), *dib, layer, "setbmp");
}

int setbmp(App& app, const BitmapRecord& tmpl, const Dib& dib, int layer) {
  return append_bitmap(app, tmpl, dib, layer, "setbmp");
}

int SetClipboadBmp(App& app, int layer) {
  const auto packed = app.clipboard.dib();
  if (!packed) {
    message(app.ui, "SetClipboadBmp", "no bmp data");
    return 0;
  }
  const DibRead read = dib_from_packed(*packed);
  if (!read.ok()) {
    report_dib_problem(app, "SetClipboadBmp", read.problem);
    return 0;
  }
  return append_bitmap(app, record_at_nowpoint(app), read.dib, layer, "SetClipboadBmp");
}

int nearestbmp(App& app, DPoint point, DPoint& anchor, int layer) {
  const std::uint32_t layer_at = layer_with_chain(app, layer, kBitmaps, "nearestbmp");
  if (layer_at == 0) return 0;
  return nearest_anchor<BitmapRecord>(app.drawing, layer_at, kBitmaps, point, anchor);
}

int getbmp(App& app, int n, BitmapRecord& out, int layer) {
  const std::uint32_t at = find_bitmap(app, n, layer, "getbmp");
  if (at == 0) return 0;
  out = app.drawing.get<BitmapRecord>(at);
  return n;
}

std::optional<Dib> getbmphandle(App& app, int n, BitmapRecord& out, int layer) {
  const std::uint32_t at = find_bitmap(app, n, layer, "getbmphandle");
  if (at == 0) return std::nullopt;
  out = app.drawing.get<BitmapRecord>(at);
  return picture_of(app.drawing, out);
}

std::optional<Dib> bitmap_anchor(App& app, int n, DPoint& anchor, int layer) {
  BitmapRecord record;
  std::optional<Dib> dib = getbmphandle(app, n, record, layer);
  if (dib) anchor = DPoint{record.x, record.y};
  return dib;
}

int bmpmove(App& app, int n, double x, double y, int layer) {
  const std::uint32_t at = find_bitmap(app, n, layer, "bmpmove");
  if (at == 0) return 0;
  app.drawing.put<double>(std::uint64_t{at} + offsetof(BitmapRecord, x), x);
  app.drawing.put<double>(std::uint64_t{at} + offsetof(BitmapRecord, y), y);
  return n;
}

int move_bitmap_by_drag(App& app, DPoint press, DPoint release, int layer) {
  DPoint anchor;
  const int n = nearestbmp(app, press, anchor, layer);
  if (n == 0) return 0;
  bmpmove(app, n, anchor.x + (release.x - press.x), anchor.y + (release.y - press.y), layer);
  app.in.nowbmp = n;
  return n;
}

int bmpnow(App& app, int n, int layer) {
  const std::uint32_t at = find_bitmap(app, n, layer, "bmpnow");
  if (at == 0) return 0;
  app.drawing.put<double>(std::uint64_t{at} + offsetof(BitmapRecord, rate), app.settings.bmp_rate);
  return n;
}

int bmpchange(App& app, int n, const Dib& dib, int layer) {
  const std::uint32_t at = find_bitmap(app, n, layer, "bmpchange");
  if (at == 0) return 0;
  // memck refuses any size that would carry the block past 32-bit offsets.
  if (memck(app, dib.size()) == 0) return 0;
  // The new picture goes to the end; the record keeps its place and its links.
  Block& block = app.drawing;
  const std::uint32_t image = block.used();
  const auto size = static_cast<std::uint32_t>(dib.size());
  block.put_bytes(image, dib.data(), size);
  block.put<std::uint32_t>(std::uint64_t{at} + offsetof(BitmapRecord, image), image);
  block.put<std::uint32_t>(std::uint64_t{at} + offsetof(BitmapRecord, size), size);
  block.set_used(image + size);
  sklpack(app);
  return n;
}

int delbmp(App& app, int n, int layer) {
  const std::uint64_t slot = bitmap_slot(app, n, layer, "delbmp");
  if (slot == 0) return 0;
  Block& block = app.drawing;
  const auto record = block.get<BitmapRecord>(block.get<std::uint32_t>(slot));
  block.put<std::uint32_t>(slot, record.next);
  app.in.nowpoint = PointDir{record.x, record.y, 0.0};
  app.in.nowpointvalid = 1;
  sklpack(app);
  return n;
}

int delete_bitmap_at(App& app, DPoint point, int layer) {
  DPoint anchor;
  const int n = nearestbmp(app, point, anchor, layer);
  if (n == 0) return 0;
  delbmp(app, n, layer);
  app.in.nowbmp = 0;
  return n;
}

int copy_bitmap_to_clipboard(App& app, int n, int layer) {
  BitmapRecord record;
  const std::optional<Dib> dib = getbmphandle(app, n, record, layer);
  if (!dib) return 0;
  copy_picture_to_clipboard(app, *dib);
  return n;
}

int allbmpdel(App& app, int n) {
  const std::uint32_t layer = existing_layer(app, n, "allbmpdel");
  if (layer == 0) return 0;
  app.drawing.put<std::uint32_t>(std::uint64_t{layer} + kShape.head_field, 0);
  return 1;
}

}  // namespace daub
