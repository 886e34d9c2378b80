// The Qt side of printing and reading: PDF print jobs, the file list's
// combo box and a drag over the print parameter dialog's preview.

#include "qt/qt_print.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "reading/file_lists.h"
#include "render/print_dialogs.h"
#include "support/qt_app_test.h"

namespace daub {
namespace {

namespace fs = std::filesystem;

using test::button;
using test::when_open;
using QtPrintTest = test::QtAppTest;

QStringList items(const QComboBox* combo) {
  QStringList out;
  for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
  return out;
}

// A4 at the print resolution holds the A4 lattice at magnification 4.7
// (630 x 891 world units) to within a third of a millimetre. Pages going into
// one file, written only once a page is printed, are the printing script's.
TEST(QtPrintJob, PdfPagesAreA4AtThePrintResolution) {
  const QTemporaryDir folder;
  const std::unique_ptr<PrintJob> job =
      make_pdf_print_job(folder.filePath("out.pdf").toStdString());
  EXPECT_NEAR(job->page_width(), 630 * 4.7, 4);
  EXPECT_NEAR(job->page_height(), 891 * 4.7, 4);
}

TEST_F(QtPrintTest, TheFileListWalksIntoAFolder) {
  const QTemporaryDir folder;
  const std::string path = folder.path().toStdString();
  fs::create_directory(path + "/sub");
  for (const char* name : {"/a.skl", "/b.txt", "/sub/c.SKL"}) std::ofstream(path + name) << "x";
  app.files.working_folder = path;
  when_open([&](QWidget* w) {
    auto* combo = w->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(items(combo), (QStringList{"[..]", "[sub]", "a.skl"}));
    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);
    EXPECT_EQ(items(combo), (QStringList{"[..]", "c.SKL"}));
    combo->setCurrentIndex(1);
    button(w, "OK")->click();
  });
  EXPECT_EQ(drawing_file_list(app), 1);
  EXPECT_EQ(app.files.sklname, "c.SKL");
  EXPECT_EQ(app.files.working_folder, path + "/sub");
}

// A press and a release on the dialog move the origin by the distance over
// the preview's scale: k = 200 / 4188, times the magnification 4.7.
TEST_F(QtPrintTest, DraggingOverThePreviewMovesTheOrigin) {
  app.settings.print_magnification = 4.7;
  when_open([&](QWidget* w) {
    const QPointF from(100, 100), to(140, 120);
    QMouseEvent press(QEvent::MouseButtonPress, from, w->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, w->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
    QStringList shown;
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) shown << e->text();
    EXPECT_EQ(shown, (QStringList{"178.21", " 89.11", "  4.70"}));
    button(w, "OK")->click();
  });
  EXPECT_EQ(dbryprintdlg(app, 2961, 4188), 1);
  // OK stores what the fields show.
  EXPECT_EQ(app.settings.print_origin_x, 178.21);
}

}  // namespace
}  // namespace daub
