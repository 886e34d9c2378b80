#pragma once
// Page marks over a whole series: the commands 595-598 read every page of
// the chosen page's series (working folder) in turn, work on the page marks
// ("-12-") among the letter texts of the current layer, and write the pages
// they changed back in place. The user's drawing, current elements and text
// buffer are the same afterwards. A page that cannot be read, lacks the
// current layer or cannot be written stops the run with its message; the
// pages before it keep what was done.

#include <string>

namespace daub {
struct App;

enum class PageMarkOp {
  kWrite,     // 595: each page's mark says its number; a page without one gets
              // a new mark at the current point in the current text style
  kRenumber,  // 596: the marks that exist say their page's number
  kRemove,    // 597: every mark of the current layer is deleted
  kList,      // 598: one message naming each page's mark and where it stands
};

// The mark of page n: "-n-".
std::string page_mark_text(int number);

// Returns the number of pages written (595-597) or listed (598).
int pagemarks(App& app, const std::string& page_name, PageMarkOp op);

}  // namespace daub
