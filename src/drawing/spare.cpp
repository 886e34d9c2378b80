#include "drawing/spare.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "drawing/append.h"
#include "drawing/chain.h"
#include "drawing/drawing_clipboard.h"
#include "drawing/layers.h"
#include "drawing/memory.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "drawing/texts.h"
#include "model/app.h"

namespace daub {
namespace {

constexpr const char* kCompositeFailed = "画面合成に失敗しました";

// One element of a layer with its trailing data.
struct Piece {
  std::uint32_t at = 0;
  DataRange data;
};

std::vector<Piece> pieces(const Block& block, std::uint32_t layer_at, ChainKind kind) {
  std::vector<Piece> out;
  if (layer_at == 0) return out;
  for_each_in_chain(block, layer_at, kind, [&](int, std::uint32_t at) {
    out.push_back(Piece{at, trailing_data(block, kind, at)});
  });
  return out;
}

// What appending a layer's elements adds to each chain and to the block.
struct Appendix {
  std::vector<Piece> chains[5];
  std::uint64_t bytes = 0;
};

Appendix appendix_of(const Block& from, std::uint32_t layer_at) {
  Appendix a;
  for (ChainKind kind : kCanonicalChainOrder) {
    std::vector<Piece>& list = a.chains[static_cast<int>(kind)];
    list = pieces(from, layer_at, kind);
    for (const Piece& p : list) a.bytes += chain_shape(kind).record_size + p.data.size;
  }
  return a;
}

int chain_length(const Block& block, std::uint32_t layer_at, ChainKind kind) {
  int count = 0;
  for_each_in_chain(block, layer_at, kind, [&](int n, std::uint32_t) { count = n; });
  return count;
}

// The elements go into the chains of the drawing's layer; the selection sets
// and the current elements follow them. The room is made before the first
// element goes in, so no append fails half way.
class LayerAppend {
 public:
  LayerAppend(App& app, const Block& from, int layer)
      : app_(app), from_(from), layer_at_(layer_offset(app.drawing, layer)), chains_(app, layer) {}

  // False when a chain would grow past what a drawing may hold, or (after
  // memck's message) the block cannot grow by all of it.
  bool make_room(const Appendix& a) {
    for (ChainKind kind : kCanonicalChainOrder) {
      const std::size_t added = a.chains[static_cast<int>(kind)].size();
      if (chain_length(app_.drawing, layer_at_, kind) + added > kMaxChainLength) return false;
    }
    return memck(app_, a.bytes) != 0;
  }

  void append(const Appendix& a) {
    const int lines_before = chain_length(app_.drawing, layer_at_, ChainKind::kLines);
    append_lines(a.chains[static_cast<int>(ChainKind::kLines)]);
    append_regions(a.chains[static_cast<int>(ChainKind::kRegions)], lines_before,
                   static_cast<int>(a.chains[static_cast<int>(ChainKind::kLines)].size()));
    append_texts(TextKind::kLetter, a.chains[static_cast<int>(ChainKind::kLetters)]);
    append_texts(TextKind::kEnglish, a.chains[static_cast<int>(ChainKind::kEnglishes)]);
    append_bitmaps(a.chains[static_cast<int>(ChainKind::kBitmaps)]);
  }

 private:
  const std::uint8_t* data_of(const Piece& p) const { return from_.data() + p.data.offset; }

  int append_piece(ChainKind kind, const void* record, const void* data, std::uint64_t size) {
    return chains_.append(kind, record, data, static_cast<std::uint32_t>(size), "altapend");
  }

  void append_lines(const std::vector<Piece>& list) {
    for (const Piece& p : list) {
      LineRecord line = from_.get<LineRecord>(p.at);
      line.next = 0;
      const int n = append_piece(ChainKind::kLines, &line, nullptr, 0);
      app_.line_stock.push_back(ExtractionItem{line.geom, n, 1});
      app_.in.nowline = line;
      app_.in.nowlinevalid = n;
    }
  }

  // Entries name lines of the same layer: the appended lines follow the
  // `offset` lines the layer had. An entry naming no line of the source
  // layer (0, or a number past its lines) must not come to name one here.
  void append_regions(const std::vector<Piece>& list, int offset, int source_lines) {
    std::vector<BoundaryEntry> entries;
    for (const Piece& p : list) {
      const auto region = from_.get<RegionRecord>(p.at);
      entries.assign(static_cast<std::size_t>(p.data.size / sizeof(BoundaryEntry)), {});
      for (std::size_t i = 0; i < entries.size(); ++i) {
        BoundaryEntry e = from_.get<BoundaryEntry>(p.data.offset + i * sizeof(BoundaryEntry));
        e.line = (e.line >= 1 && e.line <= source_lines) ? e.line + offset : 0;
        entries[i] = e;
      }
      append_piece(ChainKind::kRegions, &region, entries.data(), p.data.size);
    }
  }

  void append_texts(TextKind kind, const std::vector<Piece>& list) {
    for (const Piece& p : list) {
      const std::uint32_t at = app_.drawing.used();
      const auto text = from_.get<TextRecord>(p.at);
      const int n = append_piece(text_chain(kind), &text, data_of(p), p.data.size);
      text_stock(app_, kind).push_back(TextStockItem{app_.drawing.get<TextRecord>(at), n, 0});
      now_text(app_, kind) = n;
    }
  }

  void append_bitmaps(const std::vector<Piece>& list) {
    for (const Piece& p : list) {
      const std::uint32_t at = app_.drawing.used();
      const auto bitmap = from_.get<BitmapRecord>(p.at);
      const int n = append_piece(ChainKind::kBitmaps, &bitmap, data_of(p), p.data.size);
      app_.bitmap_stock.push_back(BitmapStockItem{app_.drawing.get<BitmapRecord>(at), n, 0});
      app_.in.nowbmp = n;
    }
  }

  App& app_;
  const Block& from_;
  std::uint32_t layer_at_;
  LayerAppender chains_;
};

// The drawing cut down to the committed selection of the current layer:
// commit, keep only the selection, empty every other layer, compact. The
// drawing itself comes back as it was; the sets are emptied.
std::optional<Block> selection_drawing(App& app) {
  const int layer = app.in.nowlayer;
  Block saved = app.drawing;
  if (stockmove(app, layer) == 0) return std::nullopt;
  keep_selection(app, layer);
  const std::uint32_t kept = layer_offset(app.drawing, layer);
  for (std::uint32_t at = app.drawing.first_layer(); at != 0; at = layer_next(app.drawing, at)) {
    if (at == kept) continue;
    for (ChainKind kind : kCanonicalChainOrder)
      app.drawing.put<std::uint32_t>(std::uint64_t{at} + chain_shape(kind).head_field, 0);
  }
  sklpack(app);
  Block selection = std::move(app.drawing);
  app.drawing = std::move(saved);
  layerfix(app);
  nowreset(app);
  return selection;
}

// The end shared by paste, duplicate and the layer moves: the block's layer
// of the current number becomes the selection, enclosed; the spare is gone.
int append_as_selection(App& app, const Block& from) {
  nowreset(app);
  const int done = append_layer_from(app, from, app.in.nowlayer);
  enclose_selection(app);
  app.spare.reset();
  return done;
}

struct Selection {
  std::vector<ExtractionItem> lines;
  std::array<TextStock, 2> texts;
  BitmapStock bitmaps;
};

Selection selection_of(const App& app) {
  return Selection{app.line_stock, app.text_stocks, app.bitmap_stock};
}

void restore_selection(App& app, Selection s) {
  app.line_stock = std::move(s.lines);
  app.text_stocks = std::move(s.texts);
  app.bitmap_stock = std::move(s.bitmaps);
}

const char* layer_move_name(LayerStep step, Transfer transfer) {
  if (step == LayerStep::kNext)
    return transfer == Transfer::kMove ? "stockmovenextlayer" : "stockcopynextlayer";
  return transfer == Transfer::kMove ? "stockmovelowerlayer" : "stockcopylowerlayer";
}

}  // namespace

void save_to_spare(App& app) { app.spare = used_part(app.drawing); }

int altswap(App& app) {
  if (!app.spare) {
    message(app.ui, "altswap", "予備画面が存在しません");
    return 0;
  }
  std::swap(app.drawing, *app.spare);
  layerfix(app);
  nowreset(app);
  return 1;
}

int altapend(App& app, int layer) {
  if (!app.spare) {
    message(app.ui, "altapend", "予備画面が存在しません");
    return 0;
  }
  const Block spare = *app.spare;
  return append_layer_from(app, spare, layer);
}

int append_layer_from(App& app, const Block& from, int layer) {
  if (existing_layer(app, layer, "altapend") == 0) return 0;
  clear_stocks(app);
  const Appendix appendix = appendix_of(from, layer_offset(from, layer));
  LayerAppend append(app, from, layer);
  if (!append.make_room(appendix)) {
    message(app.ui, "altapend", kCompositeFailed);
    return 0;
  }
  append.append(appendix);
  return 1;
}

int copy_selection(App& app) {
  std::optional<Block> selection = selection_drawing(app);
  if (!selection) return 0;
  app.clipboard.set_drawing(selection->bytes());
  app.spare.reset();
  return 1;
}

int paste_selection(App& app) {
  const std::optional<Block> pasted = clipboard_drawing(app, "drawdatapaste");
  if (!pasted) return 0;
  return append_as_selection(app, *pasted);
}

int duplicate_selection(App& app) {
  const std::optional<Block> selection = selection_drawing(app);
  if (!selection) return 0;
  return append_as_selection(app, *selection);
}

int move_selection_to_layer(App& app, LayerStep step, Transfer transfer) {
  const char* caption = layer_move_name(step, transfer);
  const int k = app.in.nowlayer < 1 ? 1 : app.in.nowlayer;
  const int count = layer_count(app.drawing);
  if (k > count) {
    message(app.ui, caption, "レイヤーが存在しません");
    return 0;
  }
  if (step == LayerStep::kNext ? k >= count : k <= 1) {
    message(app.ui, caption, "上のレイヤーが存在しません。上のレイヤーを作ってください");
    return 0;
  }
  const Selection kept = selection_of(app);
  std::optional<Block> moved = selection_drawing(app);
  if (!moved) return 0;
  if (transfer == Transfer::kMove) {
    restore_selection(app, kept);
    delete_selection(app, k);
  }
  const int target = step == LayerStep::kNext ? k + 1 : k - 1;
  // The selection lies in layer k of its drawing; it changes places with
  // the (empty) target layer there.
  move_layer_back(*moved, step == LayerStep::kNext ? k + 1 : k);
  app.clipboard.set_drawing(moved->bytes());
  app.in.nowlayer = target;
  return append_as_selection(app, *moved);
}

}  // namespace daub
