// One of two programs sharing the window system's clipboard: each runs the
// program's own commands through its Qt clipboard, so that what one copies
// the other pastes as it would between two running copies of the program.
//
//   clipboard_peer copy FILE        reads the drawing FILE, copies it (523),
//                                   prints "ready" and serves the clipboard
//                                   until it is stopped or 60 s pass
//   clipboard_peer paste OUT        pastes the drawing (524), writes the
//                                   drawing's bytes to OUT
//   clipboard_peer copy-text UTF8   the text buffer (code page 932) onto the
//                                   clipboard (646), then serves it as copy
//   clipboard_peer set-text UTF8    puts the text on the clipboard through
//                                   Qt alone, as another program does
//   clipboard_peer paste-text OUT   the clipboard's text into the text
//                                   buffer (626), its bytes written to OUT
//   clipboard_peer get-text OUT     the clipboard's Unicode text, read through
//                                   Qt alone, written to OUT as UTF-8
// Messages go to standard output as the headless log writes them.

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

#include "drawing/drawing_file.h"
#include "model/app.h"
#include "platform/atomic_file.h"
#include "platform/cp932.h"
#include "platform/script_ui.h"
#include "qt/qt_clipboard.h"
#include "shell/command_table.h"
#include "shell/startup.h"

namespace {

using namespace daub;

bool write(const std::string& path, const std::string& bytes) {
  return write_file_atomically(path, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               bytes.size());
}

// Keeps the clipboard served (X hands the data out from its owner).
int serve(QApplication& qapp) {
  std::cout << "ready" << std::endl;
  QTimer::singleShot(60000, &qapp, &QApplication::quit);
  return qapp.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: clipboard_peer copy|paste|copy-text|set-text|paste-text|get-text ARG\n";
    return 2;
  }
  const std::string verb = argv[1], arg = argv[2];
  ScriptUi ui(&std::cout);
  QtClipboard clipboard;
  App app(ui, clipboard);
  FileInit(app);
  if (verb == "copy") {
    if (sklfilein(app, arg) != 1) return 1;
    MenuCommand(app, 523, 0);
    return serve(qapp);
  }
  if (verb == "paste") {
    MenuCommand(app, 524, 0);
    const auto& bytes = app.drawing.bytes();
    return write(arg, std::string(bytes.begin(), bytes.end())) ? 0 : 1;
  }
  if (verb == "copy-text") {
    app.text.buffer = utf8_to_cp932(arg);
    MenuCommand(app, 646, 0);
    return serve(qapp);
  }
  if (verb == "set-text") {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(arg.c_str()));
    return serve(qapp);
  }
  if (verb == "paste-text") {
    MenuCommand(app, 626, 0);
    return write(arg, app.text.buffer) ? 0 : 1;
  }
  if (verb == "get-text") {
    const QByteArray utf8 = QGuiApplication::clipboard()->text().toUtf8();
    return write(arg, std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()))) ? 0 : 1;
  }
  return 2;
}
