#pragma once
// Page files for the reading tests: each page is a drawing with one line
// whose start x is its tag, so a test can tell which page is on screen.

#include <memory>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/recording_dc.h"
#include "platform/ui.h"
#include "support/test_app.h"

namespace daub::test {

// Writes a page file `name` in `folder` whose one line starts at x = tag.
void write_page(const std::string& folder, const std::string& name, double tag);
// The tag of the drawing on screen (the first line's start x), -1 for none.
double shown_tag(const App& app);
// The tag of a page file, -1 when it cannot be read.
double file_tag(const std::string& path);

// A print job whose pages are recording devices.
class RecordingPrintJob : public PrintJob {
 public:
  RecordingPrintJob(int width, int height) : width_(width), height_(height) {}
  int page_width() const override { return width_; }
  int page_height() const override { return height_; }
  bool start_document() override {
    ++starts;
    return start_ok;
  }
  Dc* start_page() override {
    pages.push_back(std::make_unique<RecordingDc>());
    return pages.back().get();
  }
  void end_page() override {}
  bool end_document() override {
    ++ends;
    return true;
  }

  bool start_ok = true;
  int starts = 0;
  int ends = 0;
  std::vector<std::unique_ptr<RecordingDc>> pages;

 private:
  int width_;
  int height_;
};

}  // namespace daub::test
