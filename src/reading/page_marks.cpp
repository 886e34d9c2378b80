#include "reading/page_marks.h"

#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/pack.h"
#include "drawing/texts.h"
#include "model/app.h"
#include "platform/cp932.h"
#include "platform/printf_text.h"
#include "reading/page_files.h"
#include "reading/page_series.h"
#include "reading/reading_internal.h"

namespace daub {

namespace {

// A listing longer than this many pages ends with how many were left out.
constexpr int kListedPages = 50;

// The user's drawing, interaction state and text editing, put back when the
// pages of a series have been worked on in their place.
class UserDrawingKept {
 public:
  explicit UserDrawingKept(App& app)
      : app_(app), drawing_(app.drawing), in_(app.in), buffer_(app.text.buffer) {
    carets_[0] = app.text.carets[0];
    carets_[1] = app.text.carets[1];
  }
  ~UserDrawingKept() {
    app_.drawing = std::move(drawing_);
    app_.in = std::move(in_);
    app_.text.buffer = std::move(buffer_);
    app_.text.carets[0] = carets_[0];
    app_.text.carets[1] = carets_[1];
  }
  UserDrawingKept(const UserDrawingKept&) = delete;
  UserDrawingKept& operator=(const UserDrawingKept&) = delete;

  // The state of the user's drawing, restored before each page.
  const Interaction& interaction() const { return in_; }

 private:
  App& app_;
  Block drawing_;
  Interaction in_;
  std::string buffer_;
  CaretRecord carets_[2];
};

enum class Outcome { kUnchanged, kChanged, kStop };

// Makes the page file the drawing; false after the message of a drawing
// file that cannot be read.
bool load_page(App& app, const PageFile& page) {
  std::optional<Block> block =
      read_drawing_file(app, path_in_folder(app.files.working_folder, page.name), "CAUTION");
  if (!block) return false;
  app.drawing = std::move(*block);
  return true;
}

// Gives letter element n the text, unless it says it already.
Outcome set_mark_text(App& app, int n, const std::string& text, int layer) {
  TextRecord record;
  if (gettextstr(app, TextKind::kLetter, n, record, layer) == text) return Outcome::kUnchanged;
  app.text.buffer = text;
  return textnowstr(app, TextKind::kLetter, n, layer) ? Outcome::kChanged : Outcome::kStop;
}

Outcome write_mark(App& app, const PageFile& page, int mark, int layer) {
  const std::string text = page_mark_text(page.number);
  if (mark != 0) return set_mark_text(app, mark, text, layer);
  if (app.in.nowpointvalid == 0) {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return Outcome::kStop;
  }
  app.text.buffer = text;
  return settext(app, TextKind::kLetter, layer) ? Outcome::kChanged : Outcome::kStop;
}

Outcome remove_marks(App& app, int mark, int layer) {
  if (mark == 0) return Outcome::kUnchanged;
  // Each deletion leaves one mark fewer, so this ends.
  for (; mark != 0; mark = letterpagestrnum(app, layer))
    if (!deltext(app, TextKind::kLetter, mark, layer)) return Outcome::kStop;
  return Outcome::kChanged;
}

std::string list_line(App& app, const PageFile& page, int mark, int layer) {
  TextRecord record;
  const std::optional<std::string> text =
      mark != 0 ? gettextstr(app, TextKind::kLetter, mark, record, layer) : std::nullopt;
  if (!text) return page.name + "  なし";
  return page.name + "  " + cp932_to_utf8(*text) +
         printf_text("  (%.1f, %.1f)", record.x, record.y);
}

Outcome work_on_page(App& app, const PageFile& page, PageMarkOp op, std::string& listing) {
  const int layer = app.in.nowlayer;
  // letterpagestrnum reports a missing layer and answers 0, as for no mark.
  if (layer > layer_count(app.drawing)) {
    letterpagestrnum(app, layer);
    return Outcome::kStop;
  }
  const int mark = letterpagestrnum(app, layer);
  switch (op) {
    case PageMarkOp::kWrite:
      return write_mark(app, page, mark, layer);
    case PageMarkOp::kRenumber:
      return mark == 0 ? Outcome::kUnchanged
                       : set_mark_text(app, mark, page_mark_text(page.number), layer);
    case PageMarkOp::kRemove:
      return remove_marks(app, mark, layer);
    case PageMarkOp::kList:
      listing += (listing.empty() ? "" : "\n") + list_line(app, page, mark, layer);
      return Outcome::kUnchanged;
  }
  return Outcome::kStop;
}

}  // namespace

std::string page_mark_text(int number) { return printf_text("-%d-", number); }

int pagemarks(App& app, const std::string& page_name, PageMarkOp op) {
  if (!sklpagefilename(app, page_name)) return 0;
  BusyCursor busy(app.ui);
  const std::vector<PageFile> pages = list_series(app.files.working_folder, page_name);
  std::string listing;
  int handled = 0;
  {
    UserDrawingKept user(app);
    for (const PageFile& page : pages) {
      app.in = user.interaction();
      if (!load_page(app, page)) break;
      const Outcome outcome = work_on_page(app, page, op, listing);
      if (outcome == Outcome::kStop) break;
      if (outcome == Outcome::kChanged) {
        sklpack(app);
        if (!sklfilesave(app, page.name)) break;
      }
      if (outcome == Outcome::kChanged || op == PageMarkOp::kList) ++handled;
      if (op == PageMarkOp::kList && handled == kListedPages) break;
    }
  }
  if (op == PageMarkOp::kList) {
    const int left = static_cast<int>(pages.size()) - handled;
    if (left > 0 && handled == kListedPages) listing += printf_text("\n… (%d)", left);
    message(app.ui, "ページ番号文字列", listing.empty() ? "該当データが存在しません" : listing);
  }
  return handled;
}

}  // namespace daub
