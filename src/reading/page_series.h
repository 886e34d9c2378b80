#pragma once
// Page series: the files of a book that share the stem and the ending of one
// page name (text0000.skl, text0001.skl, ...), and the commands that count,
// renumber, insert, rename and delete them. Every command works on the
// working folder, takes one page of the series, shows the hourglass while it
// runs and returns the number of files it handled; a failed file operation
// stops it with a message, leaving what was done so far.

#include <string>
#include <vector>

namespace daub {
struct App;

struct PageFile {
  int number = 0;
  std::string name;
  friend bool operator==(const PageFile&, const PageFile&) = default;
};

// The name of page `number` in the series of `page_name` (a page name).
std::string series_name(const std::string& page_name, int number);

// The files of the series that exist in the folder, ascending by number,
// from one read of the folder. A name counts when it exists as the access
// check sees it: a folder of that name too, a dangling link not.
std::vector<PageFile> list_series(const std::string& folder, const std::string& page_name);
// The same by trying every number 0..9999 in turn: the plain form the
// directory read must agree with.
std::vector<PageFile> list_series_plain(const std::string& folder, const std::string& page_name);

// 573: shows "start=%d,last=%d,total=%d" (caption "pagefiletotal"); an empty
// series shows -1 for the first and last numbers.
int pagefiletotal(App& app, const std::string& page_name);
// 574: asks for the first number ("First page number input") and renumbers
// the series from it without gaps, keeping the order. Renaming ascending to
// the positions first, then descending to the new numbers, never meets a
// file of the series. A range that would leave 0..9999 is refused.
int pagefilesequence(App& app, const std::string& page_name);
// 575: every file numbered N (the chosen page's number) or above moves one
// up, descending; then the drawing is written as page N. Refused when a page
// would move past 9999.
int pagefilesequence_insert(App& app, const std::string& page_name);
// 576: asks for a new name in page form ("New PageFileName Input", starting
// from sklname); each file takes it with its own number. When any new name
// exists already: "%s is same name" and no file is touched.
int pagefilenamechange(App& app, const std::string& page_name);
// 577: deletes the chosen file; a failure is not reported.
int pagefiledelete(App& app, const std::string& page_name);
// 578, 579: deletes every file of the series numbered below (kBefore) or
// above (kAfter) the chosen one.
enum class Side { kBefore, kAfter };
int pagefiledelback(App& app, const std::string& page_name, Side side);

}  // namespace daub
