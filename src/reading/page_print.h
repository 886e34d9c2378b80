#pragma once
// Printing a run of pages of a book into one print job.

namespace daub {
struct App;
class PrintJob;

// Where each page's print parameters come from.
enum class PageParams {
  kLive,     // the print origin and magnification of the live settings
  kOwnPage,  // the page file's own settings record; the live ones when it has none
};

struct PageRange {
  int first = 0;
  int last = 0;
  int step = 1;  // below 1 counts as 1
};

// The pages first, first + step, ... up to last (names from pagename, files
// from the page folder) each read and printed as one page of the job in its
// print view. The document starts with the first page read, so when none is
// read nothing is written. A number outside 0..9999 or a page that cannot
// be read ends the run: the pages printed so far stay in the document, and
// the page on screen with pagename and pageno stays the last one read.
// Returns the number of pages printed; `complete` says whether the whole
// range was.
int print_pages(App& app, PrintJob& job, PageRange range, PageParams params, bool& complete);

// 816 after its dialog: one print dialog and one print parameter dialog for
// the whole run, then print_pages with the live parameters. Returns 1 when
// every page of the range was printed.
int pageprintloop(App& app);

}  // namespace daub
