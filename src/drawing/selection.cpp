#include "drawing/selection.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/chain.h"
#include "drawing/elements.h"
#include "drawing/enclosure.h"
#include "drawing/layers.h"
#include "drawing/texts.h"
#include "geometry/curves.h"
#include "geometry/enclosure_probe.h"
#include "model/app.h"

namespace daub {
namespace {

constexpr ChainKind kTextChains[] = {ChainKind::kLetters, ChainKind::kEnglishes};
constexpr TextKind kTextKinds[] = {TextKind::kLetter, TextKind::kEnglish};

int chain_length(const Block& block, std::uint32_t layer_at, ChainKind kind) {
  int count = 0;
  for_each_in_chain(block, layer_at, kind, [&](int n, std::uint32_t) { count = n; });
  return count;
}

// For each element number 1..count, the index of its item in the set (the
// last one when an element is there twice), -1 when it is not selected.
template <class Items, class NumberOf>
std::vector<int> item_index(int count, const Items& items, NumberOf number_of) {
  std::vector<int> index(static_cast<std::size_t>(count) + 1, -1);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int n = number_of(items[i]);
    if (n >= 1 && n <= count) index[static_cast<std::size_t>(n)] = static_cast<int>(i);
  }
  return index;
}

std::vector<int> line_index(const App& app, int count) {
  return item_index(count, app.line_stock, [](const ExtractionItem& i) { return i.line; });
}

template <class Items>
std::vector<int> element_index(int count, const Items& items) {
  return item_index(count, items, [](const auto& i) { return i.number; });
}

// Unlinks every element of the chain for which doomed(n) holds, in one walk.
// Returns, for every old number, the element's new number (0: unlinked).
template <class Doomed>
std::vector<int> unlink_where(Block& block, std::uint32_t layer_at, ChainKind kind, int count,
                              Doomed doomed) {
  std::vector<int> renumbered(static_cast<std::size_t>(count) + 1, 0);
  const ChainShape shape = chain_shape(kind);
  std::uint64_t slot = std::uint64_t{layer_at} + shape.head_field;
  int kept = 0;
  for (int n = 1; n <= count; ++n) {
    const std::uint32_t at = block.get<std::uint32_t>(slot);
    if (at == 0) break;
    if (doomed(n)) {
      block.put<std::uint32_t>(slot, chain_next(block, at, kind));
    } else {
      renumbered[static_cast<std::size_t>(n)] = ++kept;
      slot = std::uint64_t{at} + shape.link_field;
    }
  }
  return renumbered;
}

// Unlinks every region for which torn(entries) holds.
template <class Torn>
void unlink_regions_where(Block& block, std::uint32_t layer_at, Torn torn) {
  const int count = chain_length(block, layer_at, ChainKind::kRegions);
  const ChainShape shape = chain_shape(ChainKind::kRegions);
  std::uint64_t slot = std::uint64_t{layer_at} + shape.head_field;
  for (int n = 1; n <= count; ++n) {
    const std::uint32_t at = block.get<std::uint32_t>(slot);
    if (at == 0) break;
    const RegionRecord region = block.get<RegionRecord>(at);
    const int entries = std::clamp(region.count, 0, kMaxRegionEntries);
    std::vector<BoundaryEntry> list(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i)
      list[static_cast<std::size_t>(i)] =
          block.get<BoundaryEntry>(std::uint64_t{region.entries} + sizeof(BoundaryEntry) * i);
    if (torn(at, list))
      block.put<std::uint32_t>(slot, region.next);
    else
      slot = std::uint64_t{at} + shape.link_field;
  }
}

// After lines were unlinked: a region naming an unlinked line goes, the
// others name their lines by the new numbers. Entries beyond the old lines
// move down by the number of lines unlinked, as they would one at a time.
void renumber_regions(Block& block, std::uint32_t layer_at, const std::vector<int>& renumbered) {
  const int count = static_cast<int>(renumbered.size()) - 1;
  const int removed =
      count - static_cast<int>(
                  std::count_if(renumbered.begin() + 1, renumbered.end(), [](int v) { return v; }));
  unlink_regions_where(block, layer_at, [&](std::uint32_t at, std::vector<BoundaryEntry>& list) {
    for (BoundaryEntry& e : list) {
      if (e.line >= 1 && e.line <= count) {
        if (renumbered[static_cast<std::size_t>(e.line)] == 0) return true;
        e.line = renumbered[static_cast<std::size_t>(e.line)];
      } else if (e.line > count) {
        e.line -= removed;
      }
    }
    const RegionRecord region = block.get<RegionRecord>(at);
    for (std::size_t i = 0; i < list.size(); ++i)
      block.put(std::uint64_t{region.entries} + sizeof(BoundaryEntry) * i, list[i]);
    return false;
  });
}

bool have_enclosure(App& app, const char* caption) {
  if (!app.enclosure.empty()) return true;
  message(app.ui, caption, "囲み線が存在しません");
  return false;
}

void pick_lines(App& app, std::uint32_t layer_at, const EnclosureProbe& probe, int& examined) {
  app.line_stock.clear();
  const Block& block = app.drawing;
  for_each_in_chain(block, layer_at, ChainKind::kLines, [&](int n, std::uint32_t at) {
    examined = n;
    const auto g = block.get<LineGeometry>(std::uint64_t{at} + offsetof(LineRecord, geom));
    if (inside_enclosure(probe, {g.x0, g.y0}) && inside_enclosure(probe, {g.x1, g.y1}))
      app.line_stock.push_back(ExtractionItem{g, n, 1});
  });
}

template <class Item>
void pick_anchored(const Block& block, std::uint32_t layer_at, ChainKind kind,
                   const EnclosureProbe& probe, std::vector<Item>& stock, int& examined) {
  stock.clear();
  for_each_in_chain(block, layer_at, kind, [&](int n, std::uint32_t at) {
    examined = n;
    Item item;
    item.record = block.get<decltype(item.record)>(at);
    item.number = n;
    if (inside_enclosure(probe, {item.record.x, item.record.y})) stock.push_back(item);
  });
}

// The layer's offset after the enclosure check; 0 after the message.
std::uint32_t pick_layer(App& app, int layer, const char* caption) {
  if (!have_enclosure(app, caption)) return 0;
  return existing_layer(app, layer, caption);
}

// Takes the element out of the set when it is there, else adds it.
template <class Item>
void toggle(std::vector<Item>& stock, const Item& item) {
  auto held = std::find_if(stock.begin(), stock.end(),
                           [&](const Item& i) { return i.number == item.number; });
  if (held != stock.end())
    stock.erase(held);
  else
    stock.push_back(item);
}

void widen(std::optional<StockBox>& box, double x, double y) {
  if (!box) {
    box = StockBox{{x, y}, {x, y}};
    return;
  }
  box->low = {std::min(box->low.x, x), std::min(box->low.y, y)};
  box->high = {std::max(box->high.x, x), std::max(box->high.y, y)};
}

// Deletes the selected elements of the layer (keep = false) or the others.
int delete_by_selection(App& app, int layer, bool keep, const char* caption) {
  const std::uint32_t layer_at = existing_layer(app, layer, caption);
  if (layer_at == 0) return 0;
  Block& block = app.drawing;
  auto doomed_by = [keep](const std::vector<int>& index) {
    return [&index, keep](int n) { return (index[static_cast<std::size_t>(n)] >= 0) != keep; };
  };
  const int lines = chain_length(block, layer_at, ChainKind::kLines);
  const std::vector<int> line_items = line_index(app, lines);
  renumber_regions(block, layer_at,
                   unlink_where(block, layer_at, ChainKind::kLines, lines, doomed_by(line_items)));
  for (TextKind kind : kTextKinds) {
    const ChainKind chain = text_chain(kind);
    const int count = chain_length(block, layer_at, chain);
    const std::vector<int> index = element_index(count, text_stock(app, kind));
    unlink_where(block, layer_at, chain, count, doomed_by(index));
  }
  const int bitmaps = chain_length(block, layer_at, ChainKind::kBitmaps);
  const std::vector<int> bitmap_items = element_index(bitmaps, app.bitmap_stock);
  unlink_where(block, layer_at, ChainKind::kBitmaps, bitmaps, doomed_by(bitmap_items));
  nowreset(app);
  return 1;
}

}  // namespace

TextStock& text_stock(App& app, TextKind kind) { return app.text_stocks[text_index(kind)]; }

const TextStock& text_stock(const App& app, TextKind kind) {
  return app.text_stocks[text_index(kind)];
}

void clear_stocks(App& app) {
  app.line_stock.clear();
  for (TextStock& stock : app.text_stocks) stock.clear();
  app.bitmap_stock.clear();
}

bool stocks_empty(const App& app) {
  return app.line_stock.empty() && app.text_stocks[0].empty() && app.text_stocks[1].empty() &&
         app.bitmap_stock.empty();
}

void nowreset(App& app) {
  app.in.nowletter = 0;
  app.in.nowenglish = 0;
  app.in.nowbmp = 0;
  app.in.nowrgn = 0;
  app.in.nowlinevalid = 0;
  clear_stocks(app);
  app.text.carets[0] = CaretRecord{};
  app.text.carets[1] = CaretRecord{};
}

int jordenpick(App& app, int layer) {
  const std::uint32_t layer_at = pick_layer(app, layer, "jordenpick");
  if (layer_at == 0) return 0;
  int examined = 0;
  pick_lines(app, layer_at, make_enclosure_probe(app.enclosure), examined);
  return examined;
}

int jordentextpick(App& app, TextKind kind, int layer) {
  const std::uint32_t layer_at =
      pick_layer(app, layer, text_op_name(kind, "jordenletterpick").c_str());
  if (layer_at == 0) return 0;
  int examined = 0;
  pick_anchored(app.drawing, layer_at, text_chain(kind), make_enclosure_probe(app.enclosure),
                text_stock(app, kind), examined);
  return examined;
}

int jordenbmppick(App& app, int layer) {
  const std::uint32_t layer_at = pick_layer(app, layer, "jordenbmppick");
  if (layer_at == 0) return 0;
  int examined = 0;
  pick_anchored(app.drawing, layer_at, ChainKind::kBitmaps, make_enclosure_probe(app.enclosure),
                app.bitmap_stock, examined);
  return examined;
}

int jordenpickall(App& app, int layer) {
  const std::uint32_t layer_at = pick_layer(app, layer, "jordenpick");
  if (layer_at == 0) return 0;
  const EnclosureProbe probe = make_enclosure_probe(app.enclosure);
  int examined = 0;
  pick_lines(app, layer_at, probe, examined);
  for (TextKind kind : kTextKinds)
    pick_anchored(app.drawing, layer_at, text_chain(kind), probe, text_stock(app, kind), examined);
  pick_anchored(app.drawing, layer_at, ChainKind::kBitmaps, probe, app.bitmap_stock, examined);
  return 1;
}

int pick_by_rectangle(App& app, IntPoint a, IntPoint b, int layer) {
  set_enclosure_rectangle(app, a, b);
  return jordenpickall(app, layer);
}

int toggle_stock_text(App& app, DPoint point, int layer) {
  const std::uint32_t layer_at = layer_offset(app.drawing, layer);
  if (layer_at == 0) return 0;
  DPoint anchor[2];
  int found[2];
  for (int k = 0; k < 2; ++k)
    found[k] = nearest_anchor<TextRecord>(app.drawing, layer_at, kTextChains[k], point, anchor[k]);
  auto distance = [&](int k) { return std::hypot(anchor[k].x - point.x, anchor[k].y - point.y); };
  int k = 0;
  if (found[0] == 0 || (found[1] != 0 && distance(1) < distance(0))) k = 1;
  if (found[k] == 0) return 0;
  TextStockItem item;
  item.record = app.drawing.get<TextRecord>(find_element(app, found[k], layer, kTextChains[k], ""));
  item.number = found[k];
  toggle(text_stock(app, kTextKinds[k]), item);
  return found[k];
}

int toggle_stock_bmp(App& app, DPoint point, int layer) {
  const std::uint32_t layer_at = layer_offset(app.drawing, layer);
  if (layer_at == 0) return 0;
  DPoint anchor;
  const int n =
      nearest_anchor<BitmapRecord>(app.drawing, layer_at, ChainKind::kBitmaps, point, anchor);
  if (n == 0) return 0;
  BitmapStockItem item;
  item.record = app.drawing.get<BitmapRecord>(find_element(app, n, layer, ChainKind::kBitmaps, ""));
  item.number = n;
  toggle(app.bitmap_stock, item);
  return n;
}

int stocklinenum(const App& app, int n, ExtractionItem& out) {
  for (const ExtractionItem& item : app.line_stock) {
    if (item.line != n) continue;
    out = item;
    return n;
  }
  return 0;
}

namespace {
template <class Item>
int find_numbered(const std::vector<Item>& stock, int n, Item& out) {
  for (const Item& item : stock) {
    if (item.number != n) continue;
    out = item;
    return n;
  }
  return 0;
}
}  // namespace

int stocktextnum(const App& app, TextKind kind, int n, TextStockItem& out) {
  return find_numbered(text_stock(app, kind), n, out);
}

int stockbmpnum(const App& app, int n, BitmapStockItem& out) {
  return find_numbered(app.bitmap_stock, n, out);
}

std::optional<StockBox> stockbox(const App& app) {
  std::optional<StockBox> box;
  for (const ExtractionItem& item : app.line_stock) {
    if (item.line == 0) continue;
    widen(box, item.geom.x0, item.geom.y0);
    widen(box, item.geom.x1, item.geom.y1);
  }
  for (const TextStock& stock : app.text_stocks)
    for (const TextStockItem& item : stock) widen(box, item.record.x, item.record.y);
  for (const BitmapStockItem& item : app.bitmap_stock) widen(box, item.record.x, item.record.y);
  return box;
}

void enclose_selection(App& app) {
  app.enclosure.clear();
  const std::optional<StockBox> box = stockbox(app);
  if (!box) return;
  app.enclosure = {box->low, {box->high.x, box->low.y}, box->high, {box->low.x, box->high.y}};
}

int stockmove(App& app, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "stockmove");
  if (layer_at == 0) return 0;
  Block& block = app.drawing;
  const int lines = chain_length(block, layer_at, ChainKind::kLines);
  const std::vector<int> line_items = line_index(app, lines);
  for_each_in_chain(block, layer_at, ChainKind::kLines, [&](int n, std::uint32_t at) {
    const int i = line_items[static_cast<std::size_t>(n)];
    if (i >= 0)
      block.put(std::uint64_t{at} + offsetof(LineRecord, geom),
                app.line_stock[static_cast<std::size_t>(i)].geom);
  });
  // A region follows its lines when all of them moved or none did; one torn
  // between moved and unmoved lines would no longer close.
  unlink_regions_where(block, layer_at, [&](std::uint32_t, const std::vector<BoundaryEntry>& list) {
    int named = 0, moved = 0;
    for (const BoundaryEntry& e : list) {
      if (e.line < 1 || e.line > lines) continue;
      ++named;
      if (line_items[static_cast<std::size_t>(e.line)] >= 0) ++moved;
    }
    return moved > 0 && moved < named;
  });
  for (TextKind kind : kTextKinds) {
    const TextStock& stock = text_stock(app, kind);
    const std::vector<int> index =
        element_index(chain_length(block, layer_at, text_chain(kind)), stock);
    for_each_in_chain(block, layer_at, text_chain(kind), [&](int n, std::uint32_t at) {
      const int i = index[static_cast<std::size_t>(n)];
      if (i < 0) return;
      const TextRecord& from = stock[static_cast<std::size_t>(i)].record;
      auto record = block.get<TextRecord>(at);
      record.x = from.x;
      record.y = from.y;
      copy_text_style(from, record, kTextFont | kTextFormat);
      block.put(at, record);
    });
  }
  const std::vector<int> bitmap_items =
      element_index(chain_length(block, layer_at, ChainKind::kBitmaps), app.bitmap_stock);
  for_each_in_chain(block, layer_at, ChainKind::kBitmaps, [&](int n, std::uint32_t at) {
    const int i = bitmap_items[static_cast<std::size_t>(n)];
    if (i < 0) return;
    const BitmapRecord& from = app.bitmap_stock[static_cast<std::size_t>(i)].record;
    auto record = block.get<BitmapRecord>(at);
    record.x = from.x;
    record.y = from.y;
    record.rate = from.rate;
    block.put(at, record);
  });
  return 1;
}

int keep_selection(App& app, int layer) {
  return delete_by_selection(app, layer, true, "stockkeep");
}

int delete_selection(App& app, int layer) {
  return delete_by_selection(app, layer, false, "stockdel");
}

int stocknowpenparts(App& app, unsigned parts, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "stocknowpen");
  if (layer_at == 0) return 0;
  Block& block = app.drawing;
  const std::vector<int> index = line_index(app, chain_length(block, layer_at, ChainKind::kLines));
  const PenRecord& from = app.settings.line_pen;
  int changed = 0;
  for_each_in_chain(block, layer_at, ChainKind::kLines, [&](int n, std::uint32_t at) {
    if (index[static_cast<std::size_t>(n)] < 0) return;
    auto pen = block.get<PenRecord>(std::uint64_t{at} + offsetof(LineRecord, pen));
    if (parts & kPenWhole) pen = from;
    if (parts & kPenStyle) pen.style = from.style;
    if (parts & kPenWidth) pen.width = from.width;
    if (parts & kPenColor) pen.color = from.color;
    if (parts & kPenDots) copy_dot_pattern(from, pen);
    block.put(std::uint64_t{at} + offsetof(LineRecord, pen), pen);
    ++changed;
  });
  return changed;
}

int stocktextnowparts(App& app, TextKind kind, unsigned parts, int layer) {
  const std::uint32_t layer_at =
      existing_layer(app, layer, text_op_name(kind, "stockletternowallparam").c_str());
  if (layer_at == 0) return 0;
  Block& block = app.drawing;
  TextStock& stock = text_stock(app, kind);
  for (TextStockItem& item : stock) style_from_settings(app.settings, item.record, parts);
  const std::vector<int> index =
      element_index(chain_length(block, layer_at, text_chain(kind)), stock);
  int changed = 0;
  for_each_in_chain(block, layer_at, text_chain(kind), [&](int n, std::uint32_t at) {
    if (index[static_cast<std::size_t>(n)] < 0) return;
    auto record = block.get<TextRecord>(at);
    style_from_settings(app.settings, record, parts);
    block.put(at, record);
    ++changed;
  });
  return changed;
}

double stock_line_length(const App& app) {
  double total = 0;
  for (const ExtractionItem& item : app.line_stock)
    if (item.line != 0) total += line_length(item.geom);
  return total;
}

}  // namespace daub
