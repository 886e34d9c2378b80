#include "drawing/title.h"

#include "model/app.h"

namespace daub {
namespace {

// Longest file name and base name the title takes, and how far it looks for
// the dot that ends the shown name.
constexpr std::size_t kTitleFileLimit = 128;
constexpr std::size_t kTitleBaseLimit = 100;
constexpr std::size_t kTitleScanLimit = 200;

}  // namespace

void settitle(App& app, const std::string& base, const std::string& path) {
  if (path.size() >= kTitleFileLimit || base.size() >= kTitleBaseLimit) return;
  std::string title = base + " " + (app.in.readingmode == 1 ? "R-" : "D-") + path;
  // The shown name ends at the first dot, also when that dot belongs to a
  // folder name; a title with neither a dot nor its end in reach stays unset.
  std::size_t dot = title.find('.');
  if (dot < kTitleScanLimit) {
    title.resize(dot);
  } else if (title.size() >= kTitleScanLimit) {
    return;
  }
  app.files.title = title;
  app.ui.set_title(title);
}

}  // namespace daub
