#pragma once
// Page files and reading a book: the page-name check, storing the user's
// drawing away while pages stand in for it, reading a page, turning pages,
// opening a book and the folder choosers. Page file names are resolved in
// the page folder.

#include <string>
#include <string_view>

namespace daub {
struct App;

// A page file name: 8 to 127 bytes, the four before the last four decimal
// digits (the page number), the last three "skl" in any mix of cases. The
// byte between the digits and "skl" is not looked at.
bool is_page_name(std::string_view name);
// sklpagefilename: 1 for a page name, else 0 after the page-name message
// (caption "sklpagefilename").
int sklpagefilename(App& app, const std::string& name);
// pagenumber: the four digits of a page name, 0 after the message for any
// other name.
int pagenumber(App& app, const std::string& name);
// setpagenumber: writes the number over the four digits ("%04d"); a number
// outside 0..9999 is written as 0000. A name too short to hold the digits
// stays as it is.
void setpagenumber(int number, std::string& name);
// The number setpagenumber writes for n: n itself in 0..9999, else 0.
int wrap_page_number(long long n);

// storedrawdata (320): keeps a copy of the drawing, and whether it is saved,
// and enters reading mode.
// Refused with "描画面はすでに退避されています" when already stored.
int storedrawdata(App& app);
// loaddrawdata (321): the stored drawing comes back; reading mode ends.
// Refused with "現在の画面が描画面です" when nothing is stored.
int loaddrawdata(App& app);
// Whether the stored drawing holds changes no file has (the close question
// asks about it while pages are read).
bool stored_drawing_unsaved(const App& app);
// pageread: reads the page pagename of the page folder into the drawing
// block (only in reading mode). A missing file or one that is not a valid
// drawing leaves the page on screen. Returns 1 when the page was read.
int pageread(App& app);

// Navigation: each computes the new number, reads that page, and when the
// read fails puts the old number and name back, so pagename and pageno
// always describe the page on screen. Returns 1 when the page was read.
int pagefirst(App& app);  // 240: page 0001, the table of contents
int pagenext(App& app);   // 242: the next page; past 9999 comes 0000
int pageprev(App& app);   // 243: the previous page; before 0000 comes 0000
int pagegoto(App& app);   // 241: the number typed into INPUTBOX
// Reads page n (wrapped into 0..9999) as the navigation commands do.
int turn_to_page(App& app, long long n);

// 582: the reading-file dialog ("Get Read skl file", pagename / page
// folder). A chosen page name becomes pagename, its folder the page folder
// and its digits pageno; the drawing is stored away when it is not yet; the
// current layer becomes 1 and the page is read. A name that is not a page
// name, a cancel or a page that cannot be read leaves the name, number, page
// folder and reading mode as they were. Returns 1 when a page was read.
int open_book(App& app);

// 580 and 583: INPUTBOX with the folder; a typed folder that exists (a
// relative one taken from the folder shown) becomes the working or page
// folder. Returns 1 when it changed.
int choose_working_folder(App& app);
int choose_page_folder(App& app);

}  // namespace daub
