#pragma once
// Device-independent pictures in the one form the program keeps them in: a
// 40-byte info header, the colour table, a four-byte gap and the pixel rows
// (bottom row first, each padded to a multiple of four bytes). Every picture
// from outside is checked by `dib_info` before anything reads its pixels.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/dib.h"
#include "platform/dc.h"

namespace daub {
struct App;

inline constexpr std::size_t kDibHeaderSize = 40;
inline constexpr std::size_t kDibGapSize = 4;
inline constexpr std::size_t kBmpFileHeaderSize = 14;
// Largest side and largest 24-bit pixel area accepted anywhere: every row and
// offset sum stays far inside 32 bits, and a full-colour conversion or a
// device picture of the largest accepted picture stays a few hundred MiB.
inline constexpr std::int64_t kMaxDibSide = 32767;
inline constexpr std::uint64_t kMaxDibBytes = 256ull << 20;  // stride × height at 24 bits

// Why a picture cannot be used.
enum class DibProblem {
  kNone,
  kNotBmp,       // a file that does not start with "BM"
  kDamaged,      // header or sizes that do not fit the bytes or the limits
  kUnsupported,  // compressed, top-down, or not 1, 4, 8 or 24 bits
  kPixelsShort,  // a sound header whose pixel rows are cut short
  kTooLarge,     // larger than kMaxDibSide or kMaxDibBytes
};

// The checked layout of a picture in memory form.
struct DibInfo {
  DibProblem problem = DibProblem::kDamaged;
  std::uint32_t header_size = 0;
  int width = 0;
  int height = 0;
  int bit_count = 0;
  std::uint32_t compression = 0;
  int colors = 0;                // colour-table entries
  std::size_t color_bytes = 0;   // colour-table bytes (4 per entry)
  std::size_t stride = 0;        // bytes per stored row
  std::size_t pixel_offset = 0;  // 44 + colour-table bytes
  std::size_t pixel_bytes = 0;   // stride × height
  bool ok() const { return problem == DibProblem::kNone; }
};

// Colour-table entries of a header: its colours-used count (low 16 bits) when
// non-zero, else 2, 16 or 256 for 1, 4 and 8 bits, else 0.
int dib_colors(const std::uint8_t* header, std::size_t size);
// Bytes per stored row of a picture of that width and bit count (0 for a bit
// count other than 1, 4, 8 or 24, or a width outside 1..kMaxDibSide).
std::size_t dib_stride(int width, int bit_count);
// Whether a w × h picture is within the limits above.
bool dib_size_fits(int w, int h);
// Where the pixel rows start in memory form: 44 + colour-table bytes.
std::size_t dib_pixel_offset(const std::uint8_t* header, std::size_t size);
// Checks a picture in memory form: header size 40, width and height
// 1..kMaxDibSide (bottom-up only), 1/4/8/24 bits, no compression, the 24-bit
// form within kMaxDibBytes, the colour table inside the bytes present, and
// stride × height inside the bytes present (kPixelsShort otherwise).
DibInfo dib_info(const std::uint8_t* data, std::size_t size);
inline DibInfo dib_info(const Dib& dib) { return dib_info(dib.data(), dib.size()); }

// The 24-bit colour (COLORREF 0x00BBGGRR) of pixel (x, stored row y) of a
// picture that passed dib_info; colour-table pictures look the index up.
Colorref dib_pixel(const Dib& dib, const DibInfo& info, int x, int y);

// A new 24-bit picture of w × h filled with the colour; none with the
// message "Can not get memory" (caption "MakeDIB") when it is too large.
std::optional<Dib> MakeDIB(App& app, int w, int h, Colorref color);
// A copy of a 24-bit picture; none for any other. A picture whose rows are cut
// short is copied as far as it goes (the rest black) after the message
// "Input DIB memory short" (caption "DIBcopy").
std::optional<Dib> DIBcopy(App& app, const Dib& dib);
// The bit count of the picture; 0 after "no bmp data" when there is none.
int GetBmpType(App& app, const Dib& dib);
// The picture's width and height; (0, 0) after "no bmp data".
IntPoint GetBmpSize(App& app, const Dib& dib);
// Draws the picture 1:1 with its top-left at (x, y); 0 after "no bmp data".
int DispBmp(App& app, Dc& dc, const Dib& dib, int x, int y);

// A 1-, 4- or 8-bit picture as a 24-bit one (each pixel its colour-table
// entry); a 24-bit picture as it is; none for a picture dib_info refuses.
std::optional<Dib> full_color_dib(const Dib& dib);
// Replaces a 1-, 4- or 8-bit picture by its 24-bit form; returns 1, or 0 (and
// leaves the picture) when it cannot be read.
int to_full_color(App& app, Dib& dib);

// The picture in device form (top-down 0x00RRGGBB), for Dc::draw_image.
std::optional<DcImage> dib_to_dc_image(const Dib& dib);
// A 24-bit picture of a device picture; none when its size is out of bounds
// or does not match its pixel count.
std::optional<Dib> dib_from_dc_image(const DcImage& image);

// Shows what is wrong with a picture that could not be used: "no bmp data"
// under the caption for damaged bytes, "Can not get memory" for one too
// large, a "CAUTION" for a form the program does not read or a file that is
// not a BMP file at all.
void report_dib_problem(App& app, const char* caption, DibProblem problem);
// The texts of the "CAUTION" messages for a form the program does not read
// and for a file that is not a BMP file.
inline constexpr const char* kUnsupportedBmpMessage =
    "読み込めないBMP形式です（圧縮・上下逆・1/4/8/24ビット以外の画像）";
inline constexpr const char* kNotBmpMessage = "BMPファイルではありません";

}  // namespace daub
