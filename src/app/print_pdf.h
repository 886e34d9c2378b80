#pragma once
// The batch form: pages of a book written into one PDF file without a window.

#include <string>

namespace daub {

// What --print-pdf was given.
struct PrintPdfRequest {
  std::string pdf;      // the file written
  std::string page;     // a page file of the book: its folder and its name's series
  bool ranged = false;  // --pages given
  int first = 0;
  int last = 0;
  int step = 1;
};

// Reads "FIRST-LAST[:STEP]"; false with the reason for a malformed range, a
// page outside 0..9999, a last page before the first or a step below 1.
bool parse_page_range(const std::string& text, PrintPdfRequest& request, std::string& error);

// Writes the pages, each in the print view of its own settings record (the
// start-up settings when it has none): the range asked for, or without one
// the given page and every page after it up to the first number missing.
// Messages go to standard error. Returns 0 only when every page was
// written, 1 otherwise.
int run_print_pdf(const PrintPdfRequest& request);

}  // namespace daub
