#include "picture/bmp_file.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "model/app.h"
#include "picture/dib_internal.h"
#include "platform/atomic_file.h"

namespace daub {

using dib_detail::put_u32;
using dib_detail::read_u32;

namespace {

// Headers of the later formats share the first 40 bytes' layout; an
// uncompressed picture behind one reads like one with a plain header.
bool is_known_header_size(std::uint32_t size) { return size == 40 || size == 108 || size == 124; }

// The checked header and colour table of picture bytes from outside: the
// header cut to 40 bytes, and where the colour table ends in the source.
struct OutsideHead {
  DibInfo info;
  std::array<std::uint8_t, kDibHeaderSize> header{};
  std::size_t table_at = 0;
  std::size_t table_end = 0;
};

OutsideHead outside_head(const std::uint8_t* p, std::size_t avail) {
  OutsideHead head;
  if (avail < kDibHeaderSize) return head;
  std::uint32_t size = read_u32(p);
  if (size == 12) head.info.problem = DibProblem::kUnsupported;  // the old core header
  if (!is_known_header_size(size) || size > avail) return head;
  std::copy(p, p + kDibHeaderSize, head.header.begin());
  put_u32(head.header.data(), kDibHeaderSize);
  head.info = dib_detail::check_header(head.header.data(), kDibGapSize);
  head.table_at = size;
  head.table_end = size + head.info.color_bytes;
  if (head.info.ok() && head.table_end > avail) head.info.problem = DibProblem::kDamaged;
  return head;
}

// Memory form: header, colour table, gap, then the pixel bytes and whatever follows them.
DibRead memory_form(const OutsideHead& head, const std::uint8_t* source, const std::uint8_t* gap,
                    std::size_t gap_size, const std::uint8_t* pixels, std::size_t pixel_size) {
  if (pixel_size < head.info.pixel_bytes) return {};
  DibRead read;
  Dib& dib = read.dib;
  dib.reserve(head.info.pixel_offset + pixel_size);
  dib.assign(head.header.begin(), head.header.end());
  dib.insert(dib.end(), source + head.table_at, source + head.table_end);
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
  return memory_form(head, packed.data(), nullptr, 0, packed.data() + head.table_end,
                     packed.size() - head.table_end);
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
  if (bits < kBmpFileHeaderSize + head.table_end || bits > file.size()) return {};
  // The gap keeps whatever followed the colour table, as the file holds it.
  std::size_t gap_size = std::min(kDibGapSize, avail - head.table_end);
  return memory_form(head, dib, dib + head.table_end, gap_size, file.data() + bits,
                     file.size() - static_cast<std::size_t>(bits));
}

std::optional<Dib> read_bmp_file(App& app, const std::string& path, const char* caption) {
  // Room for the largest picture accepted and what may follow its rows.
  constexpr std::uint64_t kMaxFileSize = kMaxDibBytes + (16ull << 20);
  std::error_code error;
  std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxFileSize) {
    report_dib_problem(app, caption, DibProblem::kTooLarge);
    return std::nullopt;
  }
  std::optional<std::vector<std::uint8_t>> bytes = read_whole_file(path, kMaxFileSize);
  if (!bytes) {
    message(app.ui, "CAUTION", "ファイルオープン出来ません");
    return std::nullopt;
  }
  return take_read(app, dib_from_bmp_file(*bytes), caption);
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
