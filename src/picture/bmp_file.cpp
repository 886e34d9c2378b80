#include "picture/bmp_file.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "model/app.h"
#include "picture/dib_internal.h"
#include "platform/atomic_file.h"

namespace daub {

using dib_detail::put_u16;
using dib_detail::put_u32;
using dib_detail::read_u16;
using dib_detail::read_u32;

namespace {

// Headers of the later formats share the first 40 bytes' layout; an
// uncompressed picture behind one reads like one with a plain header.
bool is_known_header_size(std::uint32_t size) { return size == 40 || size == 108 || size == 124; }

// The old 12-byte core header: 16-bit width and height (always bottom-up),
// planes and bit count, and 3-byte colour-table entries.
constexpr std::uint32_t kCoreHeaderSize = 12;

// The checked header and colour table of picture bytes from outside, in
// memory form: the header as a 40-byte one, the table with 4-byte entries,
// and where header and table end in the source.
struct OutsideHead {
  DibInfo info;
  std::array<std::uint8_t, kDibHeaderSize> header{};
  std::vector<std::uint8_t> table;
  std::size_t source_end = 0;
};

void read_core_header(const std::uint8_t* p, std::uint8_t* header) {
  put_u32(header, kDibHeaderSize);
  put_u32(header + 4, read_u16(p + 4));
  put_u32(header + 8, read_u16(p + 6));
  put_u16(header + 12, read_u16(p + 8));
  put_u16(header + 14, read_u16(p + 10));
}

OutsideHead outside_head(const std::uint8_t* p, std::size_t avail) {
  OutsideHead head;
  if (avail < 4) return head;
  const std::uint32_t size = read_u32(p);
  const bool core = size == kCoreHeaderSize;
  if (!(core || is_known_header_size(size)) || size > avail) return head;
  if (core) {
    read_core_header(p, head.header.data());
  } else {
    std::copy(p, p + kDibHeaderSize, head.header.begin());
    put_u32(head.header.data(), kDibHeaderSize);
  }
  head.info = dib_detail::check_header(head.header.data(), kDibGapSize);
  if (!head.info.ok()) return head;
  const std::size_t entry = core ? 3 : 4;
  const std::size_t colors = static_cast<std::size_t>(head.info.colors);
  head.source_end = size + entry * colors;
  if (head.source_end > avail) {
    head.info.problem = DibProblem::kDamaged;
    return head;
  }
  head.table.assign(head.info.color_bytes, 0);
  for (std::size_t i = 0; i < colors; ++i)
    std::copy_n(p + size + entry * i, entry,
                head.table.begin() + static_cast<std::ptrdiff_t>(4 * i));
  return head;
}

// Memory form: header, colour table, gap, then the pixel bytes and whatever follows them.
DibRead memory_form(const OutsideHead& head, const std::uint8_t* gap, std::size_t gap_size,
                    const std::uint8_t* pixels, std::size_t pixel_size) {
  if (pixel_size < head.info.pixel_bytes) return {};
  DibRead read;
  Dib& dib = read.dib;
  dib.reserve(head.info.pixel_offset + pixel_size);
  dib.assign(head.header.begin(), head.header.end());
  dib.insert(dib.end(), head.table.begin(), head.table.end());
  dib.insert(dib.end(), gap, gap + gap_size);
  dib.resize(head.info.pixel_offset, 0);
  dib.insert(dib.end(), pixels, pixels + pixel_size);
  read.problem = DibProblem::kNone;
  return read;
}

}  // namespace

std::optional<Dib> take_read(App& app, DibRead read, const char* caption) {
  if (read.ok()) return std::move(read.dib);
  report_dib_problem(app, caption, read.problem);
  return std::nullopt;
}

std::vector<std::uint8_t> dib_to_packed(const Dib& dib) {
  DibInfo info = dib_info(dib);
  if (!info.ok()) return {};
  std::vector<std::uint8_t> packed;
  packed.reserve(dib.size() - kDibGapSize);
  std::size_t gap_at = kDibHeaderSize + info.color_bytes;
  packed.assign(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(gap_at));
  packed.insert(packed.end(), dib.begin() + static_cast<std::ptrdiff_t>(info.pixel_offset),
                dib.end());
  return packed;
}

DibRead dib_from_packed(const std::vector<std::uint8_t>& packed) {
  OutsideHead head = outside_head(packed.data(), packed.size());
  if (!head.info.ok()) return {Dib(), head.info.problem};
  return memory_form(head, nullptr, 0, packed.data() + head.source_end,
                     packed.size() - head.source_end);
}

std::vector<std::uint8_t> dib_to_bmp_file(const Dib& dib) {
  DibInfo info = dib_info(dib);
  if (!info.ok() || dib.size() > 0xFFFFFFFFull - kBmpFileHeaderSize) return {};
  std::vector<std::uint8_t> file(kBmpFileHeaderSize, 0);
  file[0] = 'B';
  file[1] = 'M';
  put_u32(file.data() + 2, static_cast<std::uint32_t>(kBmpFileHeaderSize + dib.size()));
  put_u32(file.data() + 10, static_cast<std::uint32_t>(kBmpFileHeaderSize + info.pixel_offset));
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

DibRead dib_from_bmp_file(const std::vector<std::uint8_t>& file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return {Dib(), DibProblem::kNotBmp};
  if (file.size() < kBmpFileHeaderSize) return {};
  const std::uint8_t* dib = file.data() + kBmpFileHeaderSize;
  std::size_t avail = file.size() - kBmpFileHeaderSize;
  OutsideHead head = outside_head(dib, avail);
  if (!head.info.ok()) return {Dib(), head.info.problem};
  std::uint64_t bits = read_u32(file.data() + 10);
  if (bits < kBmpFileHeaderSize + head.source_end || bits > file.size()) return {};
  // The gap keeps whatever followed the colour table, as the file holds it.
  std::size_t gap_size = std::min(kDibGapSize, avail - head.source_end);
  return memory_form(head, dib + head.source_end, gap_size, file.data() + bits,
                     file.size() - static_cast<std::size_t>(bits));
}

BmpFileRead load_bmp_file(const std::string& path) {
  // Room for the largest picture accepted and what may follow its rows.
  constexpr std::uint64_t kMaxFileSize = kMaxDibBytes + (16ull << 20);
  // "BM" and the size are told before a large file is read in vain.
  std::optional<std::vector<std::uint8_t>> start = read_file_start(path, 2);
  if (!start) return {};
  if (start->size() < 2 || (*start)[0] != 'B' || (*start)[1] != 'M')
    return {{Dib(), DibProblem::kNotBmp}, true};
  std::error_code error;
  if (std::filesystem::file_size(path, error) > kMaxFileSize && !error)
    return {{Dib(), DibProblem::kTooLarge}, true};
  std::optional<std::vector<std::uint8_t>> bytes = read_whole_file(path, kMaxFileSize);
  if (!bytes) return {};
  return {dib_from_bmp_file(*bytes), true};
}

std::optional<Dib> read_bmp_file(App& app, const std::string& path, const char* caption) {
  BmpFileRead file = load_bmp_file(path);
  if (!file.opened) {
    message(app.ui, "CAUTION", "ファイルオープン出来ません");
    return std::nullopt;
  }
  return take_read(app, std::move(file.read), caption);
}

int write_file_confirmed(App& app, const std::string& path,
                         const std::vector<std::uint8_t>& bytes) {
  if (file_exists(path) && app.ui.message_box("CAUTION", "既存ファイルを更新しますか？",
                                              MessageButtons::kYesNo) != MessageAnswer::kYes)
    return 0;
  if (!write_file_atomically(path, bytes.data(), bytes.size())) {
    message(app.ui, "CAUTION", "ファイルオープン出来ません");
    return 0;
  }
  return 1;
}

}  // namespace daub
