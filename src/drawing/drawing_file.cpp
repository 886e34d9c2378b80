#include "drawing/drawing_file.h"

#include <algorithm>
#include <filesystem>

#include "drawing/chain.h"
#include "drawing/pack.h"
#include "drawing/title.h"
#include "model/app.h"
#include "model/fingerprint.h"
#include "platform/atomic_file.h"

namespace daub {
namespace {

// Marks which bytes of the used part belong to a record. Every reachable
// record and its data must claim bytes no other one claims: that rules out
// loops, shared chains and overlapping records in one linear pass, and it
// bounds what compaction writes by the used size.
class ClaimedBytes {
 public:
  explicit ClaimedBytes(std::uint32_t used)
      : used_(used), words_((std::uint64_t{used} + 63) / 64, 0) {}

  // Claims [offset, offset + size); false when it leaves the used part or
  // touches bytes already claimed. Nothing is claimed for size 0.
  bool claim(std::uint64_t offset, std::uint64_t size) {
    if (offset > used_ || size > used_ - offset) return false;
    for (std::uint64_t end = offset + size; offset < end;) {
      const std::uint64_t bit = offset % 64;
      const std::uint64_t n = std::min<std::uint64_t>(64 - bit, end - offset);
      const std::uint64_t mask = (n == 64 ? ~0ull : ((1ull << n) - 1)) << bit;
      std::uint64_t& word = words_[offset / 64];
      if (word & mask) return false;
      word |= mask;
      offset += n;
    }
    return true;
  }

 private:
  std::uint64_t used_;
  std::vector<std::uint64_t> words_;
};

bool valid_header(const Block& block) {
  if (block.allocated() < kHeaderSize) return false;
  const auto header = block.get<DrawingHeader>(0);
  if (!strsame(header.magic, kMagic)) return false;
  if (header.used < kHeaderSize || header.used > block.allocated()) return false;
  if (header.settings == 0) return true;
  return header.settings == kHeaderSize && header.used >= kHeaderSize + kSettingsSize;
}

bool valid_data(const Block& block, ChainKind kind, std::uint32_t at, ClaimedBytes& claimed) {
  if (kind == ChainKind::kRegions) {
    const std::int32_t count = block.get<RegionRecord>(at).count;
    if (count < 0 || count > kMaxRegionEntries) return false;
  } else if (kind == ChainKind::kLetters || kind == ChainKind::kEnglishes) {
    const auto text = block.get<TextRecord>(at);
    if (text.length < 0 || text.length > kMaxTextLength) return false;
    const std::uint64_t nul = std::uint64_t{text.chars} + static_cast<std::uint32_t>(text.length);
    if (!block.contains(nul, 1) || block.get<std::uint8_t>(nul) != 0) return false;
  }
  const DataRange data = trailing_data(block, kind, at);
  // Empty data is never read, whatever its offset says.
  return data.size == 0 || claimed.claim(data.offset, data.size);
}

bool valid_chain(const Block& block, std::uint32_t layer, ChainKind kind, ClaimedBytes& claimed) {
  const ChainShape shape = chain_shape(kind);
  std::uint32_t at = chain_head(block, layer, kind);
  for (std::uint32_t n = 0; at != 0; ++n, at = chain_next(block, at, kind)) {
    if (n == kMaxChainLength || !claimed.claim(at, shape.record_size)) return false;
    if (shape.data_field != 0 && !valid_data(block, kind, at, claimed)) return false;
  }
  return true;
}

enum class Overwrite { kAsk, kSilently };
enum class Naming { kRemember, kKeep };

int write_drawing(App& app, const std::string& folder, const std::string& path, Overwrite overwrite,
                  Naming naming) {
  const std::string full = path_in_folder(folder, path);
  if (overwrite == Overwrite::kAsk && file_exists(full) &&
      app.ui.message_box("CAUTION", "既存ファイルを更新しますか？", MessageButtons::kYesNo) !=
          MessageAnswer::kYes)
    return 0;
  const Block& block = app.drawing;
  const std::size_t size = std::min<std::size_t>(block.used(), block.allocated());
  if (!write_file_atomically(full, block.data(), size)) {
    message(app.ui, "CAUTION", "ファイルオープン出来ません");
    return 0;
  }
  if (naming == Naming::kRemember) {
    app.files.current_file = path;
    settitle(app, app.files.titlebuf, path);
    mark_drawing_saved(app);
  }
  return 1;
}

}  // namespace

std::uint64_t drawing_fingerprint(const Block& block) { return fingerprint(packed(block).bytes()); }

bool is_valid_drawing(const std::vector<std::uint8_t>& bytes) {
  return is_valid_drawing(Block(bytes));
}

bool is_valid_drawing(const Block& block) {
  if (!valid_header(block)) return false;
  ClaimedBytes claimed(block.used());
  claimed.claim(0, kHeaderSize);
  if (block.settings_offset() != 0) claimed.claim(kHeaderSize, kSettingsSize);
  std::uint32_t layer = block.first_layer();
  for (std::uint32_t n = 0; layer != 0; ++n, layer = layer_next(block, layer)) {
    if (n == kMaxLayers || !claimed.claim(layer, sizeof(LayerRecord))) return false;
    for (ChainKind kind : kCanonicalChainOrder)
      if (!valid_chain(block, layer, kind, claimed)) return false;
  }
  return true;
}

std::optional<Block> read_drawing_file(App& app, const std::string& path,
                                       const char* open_caption) {
  auto bytes = read_whole_file(path, app.block_limit);
  if (!bytes) {
    message(app.ui, open_caption, "ファイルオープン出来ません");
    return std::nullopt;
  }
  Block block(std::move(*bytes));
  if (!is_valid_drawing(block)) {
    message(app.ui, "CAUTION", "TORVCADデータではありません");
    return std::nullopt;
  }
  return block;
}

int sklfilein(App& app, const std::string& path) {
  std::optional<Block> block =
      read_drawing_file(app, path_in_folder(app.files.working_folder, path), "CAUTION");
  if (!block) return 0;
  app.drawing = std::move(*block);
  app.files.current_file = path;
  settitle(app, app.files.titlebuf, path);
  mark_drawing_saved(app);
  return 1;
}

void mark_drawing_saved(App& app) { app.saved.drawing = drawing_fingerprint(app.drawing); }

bool drawing_unsaved(const App& app) {
  return drawing_fingerprint(app.drawing) != app.saved.drawing;
}

int sklfileout(App& app, const std::string& path) {
  return write_drawing(app, app.files.working_folder, path, Overwrite::kAsk, Naming::kRemember);
}

int sklpagefileout(App& app, const std::string& path) {
  return write_drawing(app, app.files.page_folder, path, Overwrite::kAsk, Naming::kRemember);
}

int sklfilesave(App& app, const std::string& path) {
  return write_drawing(app, app.files.working_folder, path, Overwrite::kSilently, Naming::kKeep);
}

int sklnamecheck(App& app, const std::string& name) {
  constexpr std::size_t kLimit = 128;
  std::size_t length = 0;
  while (length < kLimit && length < name.size() && name[length] != '\0') ++length;
  auto is = [&](std::size_t from_end, char lower) {
    const char c = name[length - from_end];
    return c == lower || c == lower - ('a' - 'A');
  };
  if (length >= 3 && length < kLimit && is(3, 's') && is(2, 'k') && is(1, 'l')) return 1;
  message(app.ui, "CAUTION", "ｓｋｌファイルではありません");
  return 0;
}

int strsame(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (*a != *b) return 0;
    if (*a == '\0') return 1;
  }
}

std::string path_in_folder(const std::string& folder, const std::string& path) {
  const std::filesystem::path p(path);
  if (folder.empty() || path.empty() || p.is_absolute()) return path;
  return (std::filesystem::path(folder) / p).string();
}

}  // namespace daub
