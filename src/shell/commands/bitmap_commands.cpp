// Bitmap elements, clipboard pictures, BMP and text files. The file dialogs
// keep bare names and move the working folder; the file operations get the
// name joined to that folder.

#include <cmath>
#include <cstdio>
#include <optional>

#include "drawing/bitmaps.h"
#include "drawing/drawing_file.h"
#include "drawing/enclosure.h"
#include "drawing/pack.h"
#include "model/app.h"
#include "paint/cut_picture.h"
#include "picture/clipboard_pictures.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "reading/file_dialogs.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

// Shows the bitmap elements with their anchors.
constexpr int kBitmapMode = 4;

std::string in_working_folder(const App& app, const std::string& name) {
  return path_in_folder(app.files.working_folder, name);
}

// 235: the rate of new bitmap elements, then the current element takes it.
// A rate that is not a positive number would draw nothing or a mirrored
// picture, so it is refused like such a view scale.
void rate_input(App& app) {
  if (input_box(app.ui, app.input, "Data Input", printf_text("%lf", app.settings.bmp_rate)) != 1)
    return;
  double rate = 0;
  if (std::sscanf(app.input.buffer.c_str(), "%lf", &rate) != 1) return;
  if (!std::isfinite(rate) || rate <= 0) {
    message(app.ui, "CAUTION", "縮尺は正の数で指定してください");
    return;
  }
  app.settings.bmp_rate = rate;
  bmpnow(app, app.in.nowbmp, app.in.nowlayer);
}

// 233: the current element goes; its number now names another one or none.
void delete_current(App& app) {
  if (delbmp(app, app.in.nowbmp, app.in.nowlayer) != 0) app.in.nowbmp = 0;
  sklpack(app);
}

// 884: the clipboard's picture replaces the current element's.
void change_current(App& app) {
  Dib dib;
  if (GetClipboadBmp(app, dib) == 0) return;
  bmpchange(app, app.in.nowbmp, dib, app.in.nowlayer);
}

// 641, and the end of 644: the clipboard's picture straight onto the window.
void show_clipboard_picture(App& app) {
  if (Dc* dc = app.ui.window_dc()) DispClipboadBmp(app, *dc);
}

// 644: a BMP file onto the clipboard, then shown over the repainted window.
void bmp_file_in(App& app) {
  if (!bmp_dialog(app, FileDialogKind::kOpen)) return;
  bmp_file_to_clipboard(app, in_working_folder(app, app.files.bmpname));
  repaint(app);
  show_clipboard_picture(app);
}

// Commands on the bitmap elements of the current layer; all show mode 4.
bool element_command(App& app, int id) {
  switch (id) {
    case 232:  // the mouse-command setters
    case 234:
    case 810:
    case 811:
    case 912:
      app.in.mousecmd = static_cast<std::uint16_t>(id);
      break;
    case 231:
      setbmp(app, app.in.nowlayer);
      break;
    case 645:
      if (bitmap_element_dialog(app)) setbmp(app, app.in.nowlayer);
      break;
    case 808:
      SetClipboadBmp(app, app.in.nowlayer);
      break;
    case 233:
      delete_current(app);
      break;
    case 235:
      rate_input(app);
      break;
    case 884:
      change_current(app);
      break;
    default:
      return false;
  }
  setdispmode(app, kBitmapMode);
  return true;
}

// Clipboard pictures, BMP files and text files; none of them repaints but 644
// and 639 (the enclosure's rectangle of the view onto the clipboard).
bool exchange_command(App& app, int id) {
  switch (id) {
    case 641:
      show_clipboard_picture(app);
      return true;
    case 817:
      DispClipboadBmpType(app);
      return true;
    case 818:
      ChangeClipboadBmpToFullColor(app);
      return true;
    case 812:
      copy_bitmap_to_clipboard(app, app.in.nowbmp, app.in.nowlayer);
      return true;
    case 643:
      if (bmp_dialog(app, FileDialogKind::kSave))
        bmpfileout(app, in_working_folder(app, app.files.bmpname));
      return true;
    case 644:
      bmp_file_in(app);
      return true;
    case 826:
      if (txt_dialog(app, FileDialogKind::kSave))
        txtfileout(app, in_working_folder(app, app.files.txtname));
      return true;
    case 827:
      if (txt_dialog(app, FileDialogKind::kOpen))
        text_file_to_clipboard(app, in_working_folder(app, app.files.txtname));
      return true;
    case 639:
      if (const std::optional<EnclosureRect> r = enclosure_rectangle(app))
        copy_view_rectangle_to_clipboard(app, r->first, r->third);
      setdispmode(app, kBitmapMode);
      return true;
    default:
      return false;
  }
}

}  // namespace

// 809 and 823 (the canvas as a bitmap element) belong to the canvas commands.
bool bitmap_command(App& app, int id) {
  return element_command(app, id) || exchange_command(app, id);
}

}  // namespace daub
