#include "qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/cp932.h"

namespace daub {
namespace {

// Face names in drawings and the installed families that stand for them,
// best first. Japanese faces go to the IPA fonts (fixed pitch for the
// fixed faces, proportional for the "P" ones), Latin ones to the metric
// twins or to DejaVu.
struct FaceRow {
  const char* faces[4];
  const char* families[3];
};
constexpr FaceRow kFaces[] = {
    {{"ＭＳ明朝", "ＭＳ 明朝", "MS Mincho", "MS 明朝"}, {"IPAMincho", "IPA明朝"}},
    {{"ＭＳ Ｐ明朝", "ＭＳＰ明朝", "MS PMincho", "MS P明朝"}, {"IPAPMincho", "IPA P明朝"}},
    {{"ＭＳゴシック", "ＭＳ ゴシック", "MS Gothic", "MS ゴシック"}, {"IPAGothic", "IPAゴシック"}},
    {{"ＭＳ Ｐゴシック", "ＭＳＰゴシック", "MS PGothic", "MS UI Gothic"},
     {"IPAPGothic", "IPA Pゴシック"}},
    {{"Times New Roman", "Times", "Century", "Georgia"}, {"Liberation Serif", "DejaVu Serif"}},
    {{"Arial", "Helvetica", "MS Sans Serif", "Microsoft Sans Serif"},
     {"Liberation Sans", "DejaVu Sans"}},
    {{"Courier New", "Courier", "Lucida Console", "Terminal"},
     {"Liberation Mono", "DejaVu Sans Mono"}},
    {{"Tahoma", "Verdana", "Segoe UI", "System"}, {"DejaVu Sans", "Liberation Sans"}},
};

constexpr std::uint8_t kShiftJisCharset = 128;

bool installed(const QString& family) { return QFontDatabase::hasFamily(family); }

QString first_installed(const char* const* families, int count) {
  for (int i = 0; i < count && families[i]; ++i)
    if (installed(QString::fromUtf8(families[i]))) return QString::fromUtf8(families[i]);
  return {};
}

// By character set, pitch (low two bits: 1 fixed) and family (high four
// bits: 1 roman, 2 swiss, 3 modern).
QString fallback(const LogFont& f) {
  const int family = f.pitch_and_family >> 4;
  const bool fixed = (f.pitch_and_family & 3) == 1;
  if (f.char_set == kShiftJisCharset) {
    const bool serif = family == 1;
    const char* row[] = {
        serif ? (fixed ? "IPAMincho" : "IPAPMincho") : (fixed ? "IPAGothic" : "IPAPGothic"),
        "IPAMincho"};
    return first_installed(row, 2);
  }
  const char* serif[] = {"Liberation Serif", "DejaVu Serif"};
  const char* sans[] = {"Liberation Sans", "DejaVu Sans"};
  const char* mono[] = {"Liberation Mono", "DejaVu Sans Mono"};
  if (family == 3 || fixed) return first_installed(mono, 2);
  return first_installed(family == 1 ? serif : sans, 2);
}

// The pixel size whose ascent and descent make `cell` pixels.
int pixel_size_for_cell(QFont font, int cell) {
  font.setPixelSize(100);
  const QFontMetricsF m(font);
  const double per_pixel = (m.ascent() + m.descent()) / 100.0;
  return std::max(1, static_cast<int>(std::lround(cell / (per_pixel > 0 ? per_pixel : 1))));
}

}  // namespace

QString face_of(const LogFont& f) {
  std::string name(f.face_name, strnlen(f.face_name, sizeof f.face_name));
  if (!name.empty() && name[0] == '@') name.erase(0, 1);
  return QString::fromStdString(cp932_to_utf8(name));
}

bool is_vertical_face(const LogFont& f) { return f.face_name[0] == '@'; }

QString family_for(const LogFont& f) {
  const QString face = face_of(f);
  for (const FaceRow& row : kFaces) {
    const bool named = std::any_of(std::begin(row.faces), std::end(row.faces), [&](const char* n) {
      return n && face.compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0;
    });
    if (!named) continue;
    const QString family = first_installed(row.families, 3);
    if (!family.isEmpty()) return family;
  }
  if (!face.isEmpty() && installed(face)) return face;
  const QString family = fallback(f);
  return family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : family;
}

QFont qfont_for(const LogFont& f) {
  QFont font(family_for(f));
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferFullHinting);
  constexpr int kLargest = 10000;  // pixels; a larger font shows nothing more
  if (f.height < 0)
    font.setPixelSize(
        std::min(-static_cast<long long>(f.height), static_cast<long long>(kLargest)));
  else if (f.height > 0)
    font.setPixelSize(pixel_size_for_cell(font, std::min(f.height, kLargest)));
  else
    font.setPixelSize(16);
  font.setWeight(static_cast<QFont::Weight>(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
  font.setItalic(f.italic != 0);
  font.setUnderline(f.underline != 0);
  font.setStrikeOut(f.strike_out != 0);
  if (f.width != 0) {
    const double natural = QFontMetricsF(font).averageCharWidth();
    if (natural > 0)
      font.setStretch(std::clamp(
          static_cast<int>(std::lround(100.0 * std::fabs(static_cast<double>(f.width)) / natural)),
          1, 4000));
  }
  return font;
}

LogFont logfont_for(const QFont& font, const LogFont& base) {
  LogFont f = base;
  const int pixels = font.pixelSize() > 0
                         ? font.pixelSize()
                         : static_cast<int>(std::lround(font.pointSizeF() * 96 / 72));
  f.height = -std::max(pixels, 1);
  f.width = 0;
  f.weight = font.weight();
  f.italic = font.italic() ? 1 : 0;
  f.underline = font.underline() ? 1 : 0;
  f.strike_out = font.strikeOut() ? 1 : 0;
  // At most 31 bytes, never ending inside a double-byte character.
  const std::string face = utf8_to_cp932(font.family().toStdString());
  std::size_t length = 0;
  while (length < face.size()) {
    const bool pair =
        is_lead_byte(static_cast<unsigned char>(face[length])) && length + 1 < face.size();
    const std::size_t next = length + (pair ? 2 : 1);
    if (next > 31) break;
    length = next;
  }
  std::memset(f.face_name, 0, sizeof f.face_name);
  std::memcpy(f.face_name, face.data(), length);
  return f;
}

}  // namespace daub
