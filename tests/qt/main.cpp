// The Qt tests need one QApplication for the whole run (widgets, the
// clipboard, fonts). They never need a screen: without a platform named in the
// environment they run on the offscreen one, also when tests are listed.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
