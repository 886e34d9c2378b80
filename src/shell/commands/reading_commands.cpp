// Reading a book, the page series on disk, the file and folder choosers
// (240-243, 320, 321, 432, 433, 573-580, 582, 583, 595-598), and printing
// with its parameters and the lattice (281, 282, 290, 291, 503, 587, 816,
// 868, 1119).

#include "drawing/layers.h"
#include "model/app.h"
#include "reading/file_dialogs.h"
#include "reading/file_lists.h"
#include "reading/page_files.h"
#include "reading/page_marks.h"
#include "reading/page_print.h"
#include "reading/page_series.h"
#include "render/print_dialogs.h"
#include "render/printing.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

constexpr std::uint16_t kDragMove = 600;

// The reading commands end alike: the layer kept in range, drag move, repaint.
void after_page(App& app) {
  layerfix(app);
  app.in.mousecmd = kDragMove;
  repaint(app);
}

bool navigation_command(App& app, int id) {
  switch (id) {
    case 240:
      pagefirst(app);
      break;
    case 241:
      pagegoto(app);
      break;
    case 242:
      pagenext(app);
      break;
    case 243:
      pageprev(app);
      break;
    case 320:
      storedrawdata(app);
      app.in.mousecmd = kDragMove;
      repaint(app);
      return true;
    case 321:
      loaddrawdata(app);
      app.in.mousecmd = kDragMove;
      repaint(app);
      return true;
    case 582:
      if (open_book(app) == 0) return true;
      break;
    default:
      return false;
  }
  after_page(app);
  return true;
}

// The page series commands run on a page chosen in the drawing-file dialog.
bool series_command(App& app, int id) {
  if (!(id >= 573 && id <= 579) && !(id >= 595 && id <= 598)) return false;
  if (!open_skl_dialog(app)) return true;
  const std::string page = app.files.sklname;
  switch (id) {
    case 573:
      pagefiletotal(app, page);
      break;
    case 574:
      pagefilesequence(app, page);
      break;
    case 575:
      pagefilesequence_insert(app, page);
      break;
    case 576:
      pagefilenamechange(app, page);
      break;
    case 577:
      pagefiledelete(app, page);
      break;
    case 578:
      pagefiledelback(app, page, Side::kBefore);
      break;
    case 579:
      pagefiledelback(app, page, Side::kAfter);
      break;
    default:
      pagemarks(app, page, static_cast<PageMarkOp>(id - 595));
      break;
  }
  return true;
}

bool chooser_command(App& app, int id) {
  switch (id) {
    case 432:
      drawing_file_list(app);
      return true;
    case 433:
      page_file_list(app);
      return true;
    case 580:
      choose_working_folder(app);
      return true;
    case 583:
      choose_page_folder(app);
      return true;
    case 581:  // pages are then read from and written to the working folder
      app.files.page_folder = app.files.working_folder;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool reading_command(App& app, int id) {
  return navigation_command(app, id) || series_command(app, id) || chooser_command(app, id);
}

bool print_command(App& app, int id) {
  switch (id) {
    case 281:
      lattice_dialog(app);
      setdispmode(app, 1);
      return true;
    case 282:
      lattice_input(app);
      setdispmode(app, 1);
      return true;
    case 290:
      printout(app);
      return true;
    case 291:
      print_setup(app);
      return true;
    case 503:
      print_param_dialog(app);
      repaint(app);
      return true;
    case 587:
    case 1119:
      printout_with_params(app);
      return true;
    case 816:
      // The pages read on the way replace the one shown.
      if (continuous_print_dialog(app)) {
        pageprintloop(app);
        repaint(app);
      }
      return true;
    case 868:
      show_print_view(app);
      repaint(app);
      return true;
    default:
      return false;
  }
}

}  // namespace daub
