// The text methods of QtDc: fonts made once per LOGFONT and kept, character
// widths measured once per character, characters drawn one cell at a time
// along the escapement.

#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <cstring>
#include <string>
#include <unordered_map>

#include "platform/cp932.h"
#include "qt/qt_dc.h"
#include "qt/qt_fonts.h"
#include "qt/vertical_glyphs.h"

namespace daub {

// One LOGFONT made real, with what is measured of it.
struct QtFontEntry {
  explicit QtFontEntry(const LogFont& f)
      : font(qfont_for(f)), metrics(font), vertical(is_vertical_face(f)) {
    if (vertical) {
      raw = QRawFont::fromFont(font);
      forms = vertical_forms(raw.fontTable("GSUB"));
    }
  }
  QFont font;
  QFontMetrics metrics;
  bool vertical;
  QRawFont raw;                                             // vertical faces only
  std::unordered_map<std::uint32_t, std::uint32_t> forms;   // glyph → vertical form
  mutable std::unordered_map<std::uint32_t, int> advances;  // character code → width
};

namespace {

// Fonts by their LOGFONT without the rotation, which the drawing applies.
// Kept for the run; the fonts of many zoom steps are dropped together when
// there are too many, while devices still drawing keep theirs.
class FontCache {
 public:
  std::shared_ptr<const QtFontEntry> get(const LogFont& f) {
    LogFont key = f;
    key.escapement = 0;
    key.orientation = 0;
    std::string bytes(reinterpret_cast<const char*>(&key), sizeof key);
    auto it = fonts_.find(bytes);
    if (it != fonts_.end()) return it->second;
    if (fonts_.size() >= kMostFonts) fonts_.clear();
    auto entry = std::make_shared<const QtFontEntry>(f);
    fonts_.emplace(std::move(bytes), entry);
    return entry;
  }

  // The Unicode text of one character's code page 932 bytes: nothing for
  // a control character, "?" for bytes that are no character.
  const QString& text(std::uint32_t code, std::string_view bytes) {
    auto it = chars_.find(code);
    if (it != chars_.end()) return it->second;
    QString s;
    if (bytes.size() > 1 || static_cast<unsigned char>(bytes[0]) >= 0x20)
      s = QString::fromStdString(cp932_to_utf8(std::string(bytes)));
    return chars_.emplace(code, s).first->second;
  }

 private:
  static constexpr std::size_t kMostFonts = 256;
  std::unordered_map<std::string, std::shared_ptr<const QtFontEntry>> fonts_;
  std::unordered_map<std::uint32_t, QString> chars_;
};

// Never destroyed: fonts must not be freed after the application that made
// them has gone at exit.
FontCache& font_cache() {
  static FontCache& cache = *new FontCache;
  return cache;
}

// Calls f(bytes, code) for every character: a lead byte with a trail byte is
// one character, any other byte one of its own.
template <class F>
void for_each_char(std::string_view s, F f) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const bool pair =
        i + 1 < s.size() && is_lead_byte(c) && is_trail_byte(static_cast<unsigned char>(s[i + 1]));
    const std::size_t n = pair ? 2 : 1;
    const std::uint32_t code = pair ? (c << 8) | static_cast<unsigned char>(s[i + 1]) : c;
    f(s.substr(i, n), code);
    i += n;
  }
}

int advance(const QtFontEntry& f, std::uint32_t code, std::string_view bytes) {
  auto it = f.advances.find(code);
  if (it != f.advances.end()) return it->second;
  const QString& s = font_cache().text(code, bytes);
  const int w = s.isEmpty() ? 0 : f.metrics.horizontalAdvance(s);
  f.advances.emplace(code, w);
  return w;
}

}  // namespace

void QtDc::select_font(const LogFont& font) {
  Dc::select_font(font);
  font_entry_ = font_cache().get(font);
}

const QtFontEntry& QtDc::font_entry() const {
  if (!font_entry_) font_entry_ = font_cache().get(font_);
  return *font_entry_;
}

TextMetrics QtDc::text_metrics() const {
  const QtFontEntry& f = font_entry();
  return TextMetrics{f.metrics.ascent() + f.metrics.descent(), f.metrics.ascent(),
                     std::max(f.metrics.leading(), 0), f.metrics.averageCharWidth()};
}

TextExtent QtDc::text_extent(std::string_view cp932) const {
  const QtFontEntry& f = font_entry();
  int cx = 0;
  for_each_char(cp932,
                [&](std::string_view bytes, std::uint32_t code) { cx += advance(f, code, bytes); });
  return TextExtent{cx, f.metrics.ascent() + f.metrics.descent()};
}

void QtDc::text_out(int x, int y, std::string_view cp932) {
  const QtFontEntry& f = font_entry();
  if (painter_font_ != &f) {
    painter_->setFont(f.font);
    painter_font_ = &f;
  }
  painter_->setPen(to_qcolor(text_color_));
  double along = 0;
  for_each_char(cp932, [&](std::string_view bytes, std::uint32_t code) {
    draw_char(f, x, y, along, bytes);
    along += advance(f, code, bytes);
  });
}

// One character whose cell starts `along` the line from (x, y). Upright
// characters of a vertical face turn back by a quarter turn about the
// middle of their cell and take their vertical form.
void QtDc::draw_char(const QtFontEntry& f, double x, double y, double along,
                     std::string_view bytes) {
  const std::uint32_t code = bytes.size() == 2 ? (static_cast<unsigned char>(bytes[0]) << 8) |
                                                     static_cast<unsigned char>(bytes[1])
                                               : static_cast<unsigned char>(bytes[0]);
  const QString& s = font_cache().text(code, bytes);
  if (s.isEmpty()) return;
  const double angle = -font_.escapement / 10.0;
  const bool upright = f.vertical && bytes.size() == 2;
  if (angle == 0 && !upright) {
    painter_->drawText(QPointF(x + along, y + f.metrics.ascent()), s);
    return;
  }
  const QTransform base = painter_->worldTransform();
  QTransform t = base;
  t.translate(x, y);
  t.rotate(angle);
  if (!upright) {
    painter_->setWorldTransform(t);
    painter_->drawText(QPointF(along, f.metrics.ascent()), s);
    painter_->setWorldTransform(base);
    return;
  }
  const double width = advance(f, code, bytes);
  const double height = f.metrics.ascent() + f.metrics.descent();
  t.translate(along + width / 2, height / 2);
  t.rotate(270);
  painter_->setWorldTransform(t);
  const QPointF origin(-width / 2, -height / 2 + f.metrics.ascent());
  const QList<quint32> glyphs = f.raw.glyphIndexesForString(s);
  if (glyphs.size() == 1 && glyphs[0] != 0) {
    auto form = f.forms.find(glyphs[0]);
    QGlyphRun run;
    run.setRawFont(f.raw);
    run.setGlyphIndexes({form != f.forms.end() ? form->second : glyphs[0]});
    run.setPositions({QPointF(0, 0)});
    painter_->drawGlyphRun(origin, run);
  } else {
    painter_->drawText(origin, s);
  }
  painter_->setWorldTransform(base);
}

}  // namespace daub
