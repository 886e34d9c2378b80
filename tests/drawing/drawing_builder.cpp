#include "drawing/drawing_builder.h"

#include "drawing/layers.h"

namespace daub::test {

int add_line(App& app, int layer, double tag) {
  LineRecord line;
  line.pen.width = 1;
  line.geom.x0 = tag;
  line.geom.kind = kShapeStraight;
  return append_element(app, layer, ChainKind::kLines, line, nullptr, 0, "test");
}

int add_text(App& app, int layer, ChainKind kind, const std::string& chars, DPoint at) {
  TextRecord text;
  text.x = at.x;
  text.y = at.y;
  text.length = static_cast<std::int32_t>(chars.size());
  return append_element(app, layer, kind, text, chars.c_str(),
                        static_cast<std::uint32_t>(chars.size() + 1), "test");
}

int add_region(App& app, int layer, const std::vector<BoundaryEntry>& entries) {
  RegionRecord region;
  region.count = static_cast<std::int32_t>(entries.size());
  return append_element(app, layer, ChainKind::kRegions, region, entries.data(),
                        static_cast<std::uint32_t>(entries.size() * sizeof(BoundaryEntry)), "test");
}

int add_bitmap(App& app, int layer, const std::vector<std::uint8_t>& image, DPoint at) {
  BitmapRecord bitmap;
  bitmap.x = at.x;
  bitmap.y = at.y;
  bitmap.rate = 1.0;
  bitmap.size = static_cast<std::uint32_t>(image.size());
  return append_element(app, layer, ChainKind::kBitmaps, bitmap, image.data(), bitmap.size, "test");
}

std::vector<std::uint32_t> chain_offsets(const Block& block, int layer, ChainKind kind) {
  std::vector<std::uint32_t> out;
  const std::uint32_t at_layer = layer_offset(block, layer);
  if (at_layer == 0) return out;
  for (std::uint32_t at = chain_head(block, at_layer, kind); at != 0 && out.size() < 100000;
       at = chain_next(block, at, kind))
    out.push_back(at);
  return out;
}

std::vector<double> line_tags(const Block& block, int layer) {
  std::vector<double> out;
  for (std::uint32_t at : chain_offsets(block, layer, ChainKind::kLines))
    out.push_back(block.get<LineRecord>(at).geom.x0);
  return out;
}

std::vector<std::vector<std::uint8_t>> content(const Block& block) {
  std::vector<std::vector<std::uint8_t>> out;
  const int layers = layer_count(block);
  for (int n = 1; n <= layers; ++n) {
    for (ChainKind kind : kCanonicalChainOrder) {
      const ChainShape shape = chain_shape(kind);
      for (std::uint32_t at : chain_offsets(block, n, kind)) {
        Block record(
            std::vector<std::uint8_t>(block.data() + at, block.data() + at + shape.record_size));
        record.put<std::uint32_t>(shape.link_field, 0);
        if (shape.data_field != 0) record.put<std::uint32_t>(shape.data_field, 0);
        const DataRange data = trailing_data(block, kind, at);
        record.bytes().insert(record.bytes().end(), block.data() + data.offset,
                              block.data() + data.offset + data.size);
        out.push_back(record.bytes());
      }
    }
    out.push_back({});  // layer boundary
  }
  return out;
}

Block long_chain(std::uint32_t layers, std::uint32_t lines, const LineRecord& line) {
  constexpr std::uint64_t kLayer = sizeof(LayerRecord), kLine = sizeof(LineRecord);
  const std::uint64_t first_line = kHeaderSize + kLayer * layers;
  const std::uint64_t used = first_line + kLine * lines;
  Block b(std::vector<std::uint8_t>(used, 0));
  b.put(0, DrawingHeader{static_cast<std::uint32_t>(used), layers > 0 ? kHeaderSize : 0, 0});
  for (std::uint64_t i = 0; i + 1 < layers; ++i)
    b.put<std::uint32_t>(kHeaderSize + kLayer * i + offsetof(LayerRecord, next),
                         static_cast<std::uint32_t>(kHeaderSize + kLayer * (i + 1)));
  for (std::uint64_t i = 0; i < lines; ++i) {
    LineRecord record = line;
    record.next = i + 1 < lines ? static_cast<std::uint32_t>(first_line + kLine * (i + 1)) : 0;
    b.put(first_line + kLine * i, record);
  }
  if (lines > 0) b.put<std::uint32_t>(kHeaderSize, static_cast<std::uint32_t>(first_line));
  return b;
}

std::vector<std::uint8_t> used_bytes(const Block& block) {
  return {block.data(), block.data() + std::min<std::size_t>(block.used(), block.allocated())};
}

void fill_sample(App& app) {
  makelayer(app, 2);
  for (int round = 0; round < 2; ++round) {
    for (int layer = 1; layer <= 2; ++layer) {
      add_line(app, layer, 10 * layer + round);
      add_text(app, layer, ChainKind::kLetters, "\x82\xa0" + std::to_string(round));
      add_region(app, layer, {{1, 1}, {2, -1}});
      add_text(app, layer, ChainKind::kEnglishes, "en" + std::to_string(layer));
      add_bitmap(app, layer, std::vector<std::uint8_t>(48 + round, std::uint8_t(layer)));
    }
  }
}

}  // namespace daub::test
