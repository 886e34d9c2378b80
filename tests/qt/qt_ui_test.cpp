#include "qt/qt_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cstring>

#include "platform/dialog.h"
#include "platform/input_box.h"
#include "render/text_dialogs.h"
#include "support/qt_app_test.h"

namespace daub {
namespace {

using test::button;
using test::when_open;
using QtUiTest = test::QtAppTest;

// An empty input stays open; the window's close button is cancel.
TEST_F(QtUiTest, InputBoxTakesTheTypedText) {
  bool ran = false;
  when_open([&](QWidget* w) {
    auto* edit = w->findChild<QLineEdit*>();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("データ入力"));
    EXPECT_EQ(w->findChild<QLabel*>()->text(), QString::fromUtf8("0=実線　　1=点線"));
    EXPECT_EQ(std::pair(edit->text(), edit->maxLength()), std::pair(QString("3"), 900));
    edit->clear();
    button(w, "OK")->click();
    EXPECT_TRUE(w->isVisible());
    edit->setText("12.5");
    button(w, "OK")->click();
    ran = true;
  });
  EXPECT_EQ(input_box(app.ui, app.input, "0=実線　　1=点線", "3"), 1);
  EXPECT_TRUE(ran);
  EXPECT_EQ(app.input.buffer, "12.5");
  when_open([](QWidget* w) { w->close(); });
  EXPECT_EQ(input_box(app.ui, app.input, "prompt", "7"), 0);
  EXPECT_EQ(app.input.buffer, "7");
}

// A dialog with a radio pair, a check box, an edit field and a preview, to
// see the state carried between widgets and procedure both ways.
struct SampleProc : DialogProc {
  void init(DialogState& s) override {
    s.check_radio(10, 11, 10);
    s.set_text(30, "init");
  }
  void command(DialogState& s, int id) override {
    if (id == 40) {
      s.set_text(30, s.checked(11) ? "eleven" : "ten");
      s.set_checked(20, !s.checked(20));
      s.request_preview();
    }
    if (id == kIdOk) s.end(5);
  }
  void paint(DialogState&, Dc& dc) override { dc.fill_rect(230, 50, 270, 70, 0x0000FF); }
};

TEST_F(QtUiTest, DialogStateFollowsWidgetsBothWays) {
  DialogTemplate sample{"SAMPLE", "sample", 300, 200, {}};
  sample.controls = {{-1, ControlKind::kStatic, "fixed", 10, 10, 80, 20},
                     {-1, ControlKind::kStatic, "other", 100, 10, 80, 20},
                     {10, ControlKind::kRadio, "ten", 10, 40, 80, 20},
                     {11, ControlKind::kRadio, "eleven", 100, 40, 80, 20},
                     {20, ControlKind::kCheck, "check", 10, 70, 80, 20},
                     {30, ControlKind::kEdit, "", 10, 100, 120, 24, 20},
                     {40, ControlKind::kButton, "copy", 150, 100, 60, 24},
                     {50, ControlKind::kPreview, "", 220, 40, 60, 40},
                     {kIdOk, ControlKind::kDefaultButton, "OK", 150, 160, 60, 24}};
  SampleProc proc;
  bool ran = false;
  when_open([&](QWidget* w) {
    auto radios = w->findChildren<QRadioButton*>();
    auto* edit = w->findChild<QLineEdit*>();
    auto labels = w->findChildren<QLabel*>();
    EXPECT_TRUE(radios[0]->isChecked() && !radios[1]->isChecked());
    EXPECT_EQ(edit->text(), "init");
    EXPECT_EQ(labels[0]->text() + "/" + labels[1]->text(), "fixed/other");
    radios[1]->click();
    radios[1]->click();  // clicking a checked radio button keeps it checked
    EXPECT_TRUE(!radios[0]->isChecked() && radios[1]->isChecked());
    button(w, "copy")->click();
    EXPECT_EQ(edit->text(), "eleven");
    EXPECT_TRUE(w->findChild<QCheckBox*>()->isChecked());
    EXPECT_EQ(w->grab().toImage().pixel(250, 60), qRgb(255, 0, 0));  // the preview
    button(w, "OK")->click();
    ran = true;
  });
  EXPECT_EQ(ui.run_dialog(sample, proc), 5);
  EXPECT_TRUE(ran);
}

TEST_F(QtUiTest, ColourChooserStartsFromTheGivenColour) {
  QColor shown;
  when_open([&](QWidget* w) {
    auto* d = qobject_cast<QColorDialog*>(w);
    shown = d->currentColor();
    d->setCurrentColor(QColor(1, 2, 3));
    d->accept();
  });
  EXPECT_EQ(ui.choose_color(0x00FF00), std::optional<Colorref>(0x030201));
  EXPECT_EQ(shown, QColor(0, 255, 0));
}

// The font chooser offers the installed families and gives a LOGFONT back.
TEST_F(QtUiTest, FontChooserGivesTheChosenFamilyAndSize) {
  QFont shown;
  when_open([&](QWidget* w) {
    auto* d = qobject_cast<QFontDialog*>(w);
    shown = d->currentFont();
    QFont chosen("IPAGothic");
    chosen.setPixelSize(30);
    d->setCurrentFont(chosen);
    d->accept();
  });
  LogFont initial;
  initial.height = -13;
  initial.escapement = 2700;
  std::memcpy(initial.face_name, "\x82\x6C\x82\x72\x96\xBE\x92\xA9", 8);  // ＭＳ明朝
  const std::optional<LogFont> f = ui.choose_font(initial);
  ASSERT_TRUE(f);
  EXPECT_EQ(shown.family(), "IPAMincho");
  EXPECT_STREQ(f->face_name, "IPAGothic");
  EXPECT_EQ(f->escapement, 2700);
  EXPECT_LT(f->height, 0);
}

// The text dialog's lines are CR LF in the buffer.
TEST_F(QtUiTest, TextBoxEditsSeveralLines) {
  app.text.buffer = "a\r\nb";
  when_open([&](QWidget* w) {
    auto* edit = w->findChild<QPlainTextEdit*>();
    EXPECT_EQ(edit->toPlainText(), "a\nb");
    edit->setPlainText(QString::fromUtf8("一\n二"));
    button(w, "OK")->click();
  });
  EXPECT_EQ(text_buffer_dialog(app), 1);
  EXPECT_EQ(app.text.buffer, "\x88\xEA\r\n\x93\xF1");
}

TEST(QtNameFilters, JoinsPatternsAndDropsAnUnpairedName) {
  EXPECT_EQ(qt_name_filters("Pictures|*.bmp;*.dib|All Files(*.*)|*.*|odd"),
            (QStringList{"Pictures (*.bmp *.dib)", "All Files(*.*) (*)"}));
  EXPECT_TRUE(qt_name_filters("").isEmpty());
}

}  // namespace
}  // namespace daub
