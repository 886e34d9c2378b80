// Fonts from LOGFONTs, text on the Qt device, and the input method in the
// main window.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QRawFont>
#include <cstring>

#include "app/main_window.h"
#include "drawing/texts.h"
#include "platform/cp932.h"
#include "qt/qt_dc.h"
#include "qt/qt_fonts.h"
#include "qt/vertical_glyphs.h"
#include "shell/window.h"

namespace daub {
namespace {

LogFont font(const std::string& utf8_face, int height, std::uint8_t pitch_and_family = 17,
             std::uint8_t charset = 128) {
  LogFont f;
  f.height = height;
  f.weight = 400;
  f.char_set = charset;
  f.pitch_and_family = pitch_and_family;
  const std::string face = utf8_to_cp932(utf8_face);
  std::memcpy(f.face_name, face.data(), face.size());
  return f;
}

TEST(QtFonts, FacesMapOntoInstalledFamilies) {
  const struct {
    const char* face;
    std::uint8_t pitch_and_family, charset;
    const char* family;
  } cases[] = {
      {"@ＭＳ Ｐゴシック", 49, 128, "IPAPGothic"},
      {"Unknown Face", 0x12, 128, "IPAPMincho"},  // roman, variable pitch
      {"Unknown Face", 0x21, 128, "IPAGothic"},   // swiss, fixed pitch
      {"IPAGothic", 0, 0, "IPAGothic"},           // installed faces as they are
      {"Courier New", 0x31, 0, "DejaVu Sans Mono"},
      {"Unknown Face", 0x22, 0, "DejaVu Sans"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.face);
    QString family = family_for(font(c.face, -13, c.pitch_and_family, c.charset));
    // The metric twins of the Latin faces win where they are installed.
    if (family.startsWith("Liberation")) family = "DejaVu" + family.mid(10);
    if (family == "DejaVu Mono") family = "DejaVu Sans Mono";
    EXPECT_EQ(family, QString::fromUtf8(c.family));
  }
}

TEST(QtFonts, HeightsWeightAndStyle) {
  // A negative height is the character height, a positive one the cell.
  EXPECT_EQ(qfont_for(font("ＭＳ明朝", -40)).pixelSize(), 40);
  const QFontMetrics cell(qfont_for(font("ＭＳ明朝", 40)));
  EXPECT_NEAR(cell.ascent() + cell.descent(), 40, 1);
  LogFont f = font("ＭＳゴシック", -20);
  f.weight = 700;
  f.italic = f.underline = f.strike_out = 1;
  const QFont q = qfont_for(f);
  EXPECT_EQ(q.weight(), QFont::Bold);
  EXPECT_TRUE(q.italic() && q.underline() && q.strikeOut());
  EXPECT_EQ(qfont_for(font("ＭＳ明朝", 0)).pixelSize(), 16);
  // A width narrows the face to that average width.
  f = font("ＭＳ明朝", -40);
  f.width = 10;
  EXPECT_NEAR(QFontMetrics(qfont_for(f)).averageCharWidth(), 10, 2);
}

TEST(QtFonts, VerticalFormsComeFromTheFont) {
  const QRawFont raw = QRawFont::fromFont(qfont_for(font("@ＭＳ明朝", -24)));
  const auto forms = vertical_forms(raw.fontTable("GSUB"));
  for (const char* c : {"「", "。", "ー", "ぁ"}) {
    const QList<quint32> g = raw.glyphIndexesForString(QString::fromUtf8(c));
    ASSERT_EQ(g.size(), 1);
    EXPECT_EQ(forms.count(g[0]), 1u) << c;
  }
  const QList<quint32> kanji = raw.glyphIndexesForString(QString::fromUtf8("猫"));
  EXPECT_EQ(forms.count(kanji[0]), 0u);
  // A cut or scrambled table gives what it can and never reads outside.
  const QByteArray gsub = raw.fontTable("GSUB");
  for (int cut : {0, 7, 11, 64, static_cast<int>(gsub.size() / 2)}) vertical_forms(gsub.left(cut));
  QByteArray scrambled = gsub;
  for (int i = 10; i < scrambled.size(); i += 7) scrambled[i] = static_cast<char>(0xFF);
  vertical_forms(scrambled);
}

// The box around the pixels that are not white.
QRect ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}

QImage draw_text(const LogFont& f, const std::string& utf8, int x, int y) {
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QtDc dc(image);
  dc.select_font(f);
  dc.set_text_color(0x0000FF);
  dc.text_out(x, y, utf8_to_cp932(utf8));
  return image;
}

TEST(QtDcText, MetricsExtentsAndWhereTheGlyphsGo) {
  QImage image(10, 10, QImage::Format_RGB32);
  QtDc dc(image);
  dc.select_font(font("ＭＳ明朝", -40));
  const TextMetrics m = dc.text_metrics();
  EXPECT_GE(m.height, 40);
  EXPECT_EQ(dc.text_extent(utf8_to_cp932("猫")).cx, 40);  // full width
  EXPECT_EQ(dc.text_extent("ab").cx, 2 * dc.text_extent("a").cx);
  EXPECT_EQ(dc.text_extent("\r\n").cx, 0);  // a break has no width
  // Ink lies in the cell right of and below (x, y), in the text colour.
  QImage drawn = draw_text(font("ＭＳ明朝", -40), "猫", 50, 60);
  const QRect box = ink(drawn);
  EXPECT_TRUE(QRect(QPoint(50, 60), QPoint(90, 60 + m.height)).contains(box));
  // Never antialiased: every pixel drawn is the text colour (0x0000FF is red).
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      ASSERT_TRUE(drawn.pixel(x, y) == qRgb(255, 255, 255) || drawn.pixel(x, y) == qRgb(255, 0, 0));
  // Bytes that are no character are drawn as "?" and never more.
  EXPECT_TRUE(ink(draw_text(font("ＭＳ明朝", -40), "", 0, 0)).isNull());
  EXPECT_FALSE(ink(draw_text(font("ＭＳ明朝", -40), "\xFF", 50, 60)).isNull());
}

TEST(QtDcText, VerticalFaceStandsFullWidthCharactersUpright) {
  // "ー" is a horizontal stroke; along a line running down (2700) a plain
  // face lays it down the line, a vertical face keeps the vertical form,
  // a stroke down the line too, while a Latin "-" lies along the line in both.
  LogFont plain = font("ＭＳ明朝", -40);
  plain.escapement = 2700;
  LogFont vertical = font("@ＭＳ明朝", -40);
  vertical.escapement = 2700;
  const QRect lying = ink(draw_text(plain, "一", 120, 20));
  const QRect upright = ink(draw_text(vertical, "一", 120, 20));
  // Turned down the line, "一" is a tall stroke left of x; standing, a wide one.
  EXPECT_GT(lying.height(), 3 * lying.width());
  EXPECT_GT(upright.width(), 3 * upright.height());
  EXPECT_LT(lying.right(), 121);
  EXPECT_LT(upright.right(), 121);
  const QRect latin = ink(draw_text(vertical, "-", 120, 20));
  EXPECT_GT(latin.height(), latin.width());
}

// The input method is tried with synthetic events, as a real one sends them,
// on a letter element of the main window being typed into after a click.
TEST(WindowTyping, InputMethodCommitsPreeditAndCaretRectangle) {
  MainWindow window;
  window.resize(600, 400);
  window.show();
  window.start();
  QCoreApplication::processEvents();  // the window is exposed and paints
  App& app = window.app();
  on_command(app, 441);
  on_lbutton_down(app, 100, 100);
  on_lbutton_up(app, 500, 100);
  QWidget* client = window.centralWidget();
  auto text = [&] {
    TextRecord r;
    return gettextstr(app, TextKind::kLetter, app.in.nowletter, r, 1).value_or("<none>");
  };
  QInputMethodEvent compose(QString::fromUtf8("にほんご"), {});
  QCoreApplication::sendEvent(client, &compose);
  EXPECT_EQ(text(), "");  // composing changes nothing yet
  QImage shown = client->grab().toImage();
  const QRect caret = client->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  EXPECT_EQ(caret.left(), app.text.composition.x);
  EXPECT_LE(caret.top(), app.text.composition.y);
  EXPECT_GE(caret.bottom(), app.text.composition.y);
  EXPECT_FALSE(ink(shown.copy(caret.left() + 2, caret.top(), 40, caret.height())).isNull());

  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("日本語"));
  QCoreApplication::sendEvent(client, &commit);
  EXPECT_EQ(text(), utf8_to_cp932("日本語"));
  EXPECT_EQ(app.text.caret(TextKind::kLetter), (CaretRecord{1, 6, 0}));
  EXPECT_TRUE(app.text.queue.empty());
  // The composition window follows the caret to after the third character
  // once the window has painted (once, for all three characters).
  QCoreApplication::processEvents();
  const QRect after = client->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  EXPECT_GT(after.left(), caret.left() + 30);
  EXPECT_EQ(after.left(), app.text.composition.x);
}

}  // namespace
}  // namespace daub
