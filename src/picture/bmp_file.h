#pragma once
// The two outside forms of a picture and the one conversion each way:
// the clipboard's packed DIB (header, colour table and rows with no gap) and
// the BMP file (a 14-byte file header in front of the memory form, the bits
// offset skipping the gap). Reading and writing BMP files.

#include <cstdint>
#include <string>
#include <vector>

#include "picture/dib.h"

namespace daub {
struct App;

// The result of bringing outside bytes into memory form.
struct DibRead {
  Dib dib;  // empty unless problem is kNone
  DibProblem problem = DibProblem::kDamaged;
  bool ok() const { return problem == DibProblem::kNone; }
};

// The picture read, or nothing after report_dib_problem under the caption.
std::optional<Dib> take_read(App& app, DibRead read, const char* caption);

// To clipboard form: the four gap bytes removed. Empty for a picture dib_info refuses.
std::vector<std::uint8_t> dib_to_packed(const Dib& dib);
// From clipboard form: four zero bytes inserted after the colour table.
DibRead dib_from_packed(const std::vector<std::uint8_t>& packed);
// To file form: the file header put in front. Empty for a picture dib_info refuses.
std::vector<std::uint8_t> dib_to_bmp_file(const Dib& dib);
// From file form: header and colour table, the gap, then the bytes from the
// file's bits offset. A 108- or 124-byte header of an uncompressed picture is
// cut to 40 bytes; a 12-byte core header becomes a 40-byte one and its 3-byte
// colour-table entries 4-byte ones. (The clipboard form is read the same way.)
DibRead dib_from_bmp_file(const std::vector<std::uint8_t>& file);

// A BMP file read: `opened` is false when it cannot be opened or read.
struct BmpFileRead {
  DibRead read;
  bool opened = false;
};
// Reads a BMP file whole once its first bytes and its size allow it: a file
// that does not start with "BM", or that is larger than any picture accepted
// needs, is refused without reading the rest.
BmpFileRead load_bmp_file(const std::string& path);
// The same, telling the user: "ファイルオープン出来ません" (caption "CAUTION")
// when it cannot be opened, report_dib_problem under `caption` otherwise.
std::optional<Dib> read_bmp_file(App& app, const std::string& path, const char* caption);
// Writes bytes to a file, first asking "既存ファイルを更新しますか？" (caption
// "CAUTION", Yes/No) when it exists; the old file survives a failed write,
// which reports "ファイルオープン出来ません". Returns 1, or 0 when declined or
// not written.
int write_file_confirmed(App& app, const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace daub
