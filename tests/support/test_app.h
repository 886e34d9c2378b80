#pragma once
// A fresh App for each test: a scripted Ui whose log the test can read, the
// in-memory clipboard, and the start-up state (unless asked for a bare App).

#include <sstream>
#include <string>
#include <vector>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"

namespace daub::test {

struct TestApp {
  enum class Start { kFileInit, kBare };

  explicit TestApp(Start start = Start::kFileInit);

  // The log lines written so far, and those starting with "message".
  std::vector<std::string> log_lines() const;
  std::vector<std::string> messages() const;
  // The last message line as "caption\ttext", or "" when there was none.
  std::string last_message() const;
  void clear_log() { log.str(""); }

  void answer(ScriptAnswer::Kind kind, const std::string& text = "") {
    ScriptAnswer a;
    a.kind = kind;
    a.text = text;
    a.source = text;
    ui.queue(a);
  }

  std::ostringstream log;
  ScriptUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
};

// A temporary folder removed with the object.
struct TempDir {
  TempDir();
  ~TempDir();
  std::string path;
  std::string file(const std::string& name) const { return path + "/" + name; }
};

std::vector<std::uint8_t> read_bytes(const std::string& path);
void write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace daub::test
