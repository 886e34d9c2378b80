#pragma once
// Headless scripts: one command a line, driving the same message handlers as
// the window. The log goes through the ScriptUi.

#include <istream>
#include <string>
#include <vector>

namespace daub {
struct App;
class ScriptUi;

// What only the host can do: render the client picture to an image file.
class ScriptHost {
 public:
  virtual ~ScriptHost() = default;
  // Repaints and writes the client picture (.png or .bmp); false on failure.
  virtual bool save_screen(const std::string& path) = 0;
  // Writes the client picture as it is shown now, without repainting: what
  // was drawn straight onto the window and the feedback of a drag included.
  virtual bool save_window(const std::string& path) = 0;
  // Resizes the client area (the host's picture follows).
  virtual void resize(int width, int height) = 0;
};

// Runs every line of the script; returns the number of lines that could not
// be carried out (each was logged as an `error` line).
int run_script(App& app, ScriptUi& ui, ScriptHost& host, std::istream& script);

// Runs one script line (without its line break); false with a reason when the
// line cannot be read or carried out.
bool run_script_line(App& app, ScriptUi& ui, ScriptHost& host, const std::string& line,
                     std::string& error);

// The fields of a `state` log line, "state" first.
std::vector<std::string> state_fields(const App& app);
// The fields of a `reading` log line: the page number, whether a drawing is
// stored, the page and working folders (relative to the current directory),
// sklname, the continuous print range, the print origin and magnification
// and the lattice (width, height, interval, colour).
std::vector<std::string> reading_fields(const App& app);

}  // namespace daub
