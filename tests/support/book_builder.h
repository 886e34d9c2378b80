#pragma once
// Page files for the reading tests: each page is a drawing with one line
// whose start x is its tag, so a test can tell which page a file holds.

#include <memory>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/recording_dc.h"
#include "platform/script_ui.h"
#include "platform/ui.h"
#include "support/test_app.h"

namespace daub::test {

// Writes a page file `name` in `folder` whose one line starts at x = tag.
void write_page(const std::string& folder, const std::string& name, double tag);
// The tag of a page file, -1 when it cannot be read.
double file_tag(const std::string& path);

// What a recording print job was asked to do; it outlives the job.
struct PrintRecord {
  int width = 2961;
  int height = 4188;
  bool start_ok = true;
  int starts = 0;
  int ends = 0;
  std::vector<std::unique_ptr<RecordingDc>> pages;
};

// A print job whose pages are recording devices.
class RecordingPrintJob : public PrintJob {
 public:
  explicit RecordingPrintJob(PrintRecord& record) : r_(record) {}
  int page_width() const override { return r_.width; }
  int page_height() const override { return r_.height; }
  bool start_document() override {
    ++r_.starts;
    return r_.start_ok;
  }
  Dc* start_page() override {
    r_.pages.push_back(std::make_unique<RecordingDc>());
    return r_.pages.back().get();
  }
  void end_page() override {}
  bool end_document() override {
    ++r_.ends;
    return true;
  }

 private:
  PrintRecord& r_;
};

// Lets the scripted Ui's print dialog give recording jobs.
inline void record_print_jobs(ScriptUi& ui, PrintRecord& record) {
  ui.set_print_job_factory(
      [&record](const std::string&) { return std::make_unique<RecordingPrintJob>(record); });
}

}  // namespace daub::test
