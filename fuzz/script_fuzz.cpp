// Random scripts for the headless runner: verbs and numbers drawn from the
// input run through the same message handlers as the window, with every
// repaint and every drag's feedback painted. Nothing may crash, read or write
// outside a buffer, or hang. Scripts never name a file: the verbs that read
// or write files (and the answers that choose one) are left out, so the
// file dialogs of the commands are all cancelled.

#include <cstdint>
#include <sstream>
#include <string>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/recording_dc.h"
#include "platform/script_ui.h"
#include "render/display.h"
#include "shell/drag_feedback.h"
#include "shell/script.h"
#include "shell/window.h"

namespace {

using namespace daub;

// Reads the input a byte at a time; zeros once it is used up.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  unsigned byte() { return at_ < size_ ? data_[at_++] : 0; }
  unsigned pick(unsigned n) { return byte() % n; }

  // Mostly places in and around a small window, sometimes the far edges.
  long long coordinate() {
    static constexpr long long kEdges[] = {-1, -32768, 32767, 65535, 2147483647, -2147483648LL};
    if (pick(8) == 0) return kEdges[pick(6)];
    return static_cast<long long>(byte() | (byte() & 3) << 8) - 64;
  }
  // A command id: mostly one of the table's, sometimes outside it.
  long long command() {
    if (pick(16) == 0) return static_cast<long long>(byte()) * 20;
    return 100 + static_cast<long long>(byte() | byte() << 8) % 1030;
  }
  // Text typed into an input box: numbers as people type them, or bytes.
  std::string text() {
    static const char* const kTexts[] = {"1",      "0",   "-1",    "2.5", "0.25",  "3,5,1",
                                         "1e9",    "nan", "inf",   "1,2", "10",    "0.5,0.5",
                                         "100,80", "",    "4,4,4", "720", "-0.001"};
    if (pick(4) != 0) return kTexts[pick(sizeof kTexts / sizeof *kTexts)];
    std::string t;
    for (unsigned n = pick(12); n > 0; --n) t += static_cast<char>(byte());
    return t;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::string line(Input& in) {
  auto n = [&] { return std::to_string(in.coordinate()); };
  switch (in.pick(20)) {
    case 0:
      return "size " + std::to_string(in.pick(700) + 1) + " " + std::to_string(in.pick(500) + 1);
    case 1:
    case 2:
    case 3:
      return "command " + std::to_string(in.command());
    case 4:
      return "press " + n() + " " + n();
    case 5:
    case 6:
      return "move " + n() + " " + n();
    case 7:
      return "release " + n() + " " + n();
    case 8:
      return "click " + n() + " " + n();
    case 9:
      return "drag " + n() + " " + n() + " " + n() + " " + n() + " " +
             std::to_string(in.pick(20) + 1);
    case 10:
      return "rpress " + n() + " " + n();
    case 11:
      return in.pick(2) ? "key back" : "key delete";
    case 12:
      return (in.pick(2) ? "char " : "ime ") + in.text();
    case 13: {
      static const char* const kPlain[] = {"ok", "cancel", "yes", "no"};
      return std::string("answer ") + kPlain[in.pick(4)];
    }
    case 14:
      return "answer input " + in.text();
    case 15:
      return "answer color " + std::to_string(in.byte()) + " " + std::to_string(in.byte()) + " " +
             std::to_string(in.byte());
    case 16:
      return "answer dialog " + std::to_string(in.command()) + "=" + in.text() + " click " +
             std::to_string(in.command());
    case 17:
      return in.pick(2) ? "clipboard text " + in.text() : "clipboard clear";
    case 18:
      return in.pick(2) ? "save-window -" : "close";
    default:
      return "state";
  }
}

// Paints what the window would show, into a recording that is thrown away.
class FuzzHost : public ScriptHost {
 public:
  FuzzHost(App& app, ScriptUi& ui) : app_(app), ui_(ui) {
    ui_.set_repaint_hook([this] { paint(); });
    ui_.set_window_dc(&window_);
  }
  ~FuzzHost() override {
    ui_.set_repaint_hook(nullptr);
    ui_.set_window_dc(nullptr);
  }
  bool save_screen(const std::string&) override {
    paint();
    return true;
  }
  bool save_window(const std::string&) override {
    RecordingDc dc;
    paint_drag_feedback(app_, dc);
    return true;
  }
  void resize(int width, int height) override {
    on_size(app_, width, height);
    paint();
  }

 private:
  void paint() {
    window_.clear();
    RecordingDc dc;
    on_paint(app_, dc);
    paint_drag_feedback(app_, dc);
  }

  App& app_;
  ScriptUi& ui_;
  RecordingDc window_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  std::ostringstream script;
  for (int lines = 0; !in.done() && lines < 200; ++lines) script << line(in) << '\n';
  ScriptUi ui(nullptr);
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  app.view.client_width = 320;
  app.view.client_height = 240;
  FuzzHost host(app, ui);
  on_create(app);
  std::istringstream lines(script.str());
  run_script(app, ui, host, lines);
  return 0;
}
