#include "picture/clipboard_pictures.h"

#include <string>
#include <utility>

#include "model/app.h"
#include "picture/bmp_file.h"
#include "platform/atomic_file.h"
#include "platform/printf_text.h"

namespace daub {

namespace {

enum class Depth { kAny, kFullColorOnly };

// The clipboard's picture in memory form; the clipboard keeps its own copy.
std::optional<Dib> clipboard_picture(App& app, const char* caption) {
  std::optional<std::vector<std::uint8_t>> packed = app.clipboard.dib();
  if (!packed) {
    message(app.ui, caption, "no bmp data");
    return std::nullopt;
  }
  return take_read(app, dib_from_packed(*packed), caption);
}

// A picture replaces the slot's only once it is accepted.
int accept_picture(App& app, std::optional<Dib> dib, Dib& slot, Depth depth, const char* caption) {
  if (!dib) return 0;
  if (depth == Depth::kFullColorOnly && dib_info(*dib).bit_count != 24) {
    message(app.ui, caption, "Not full color bmp");
    return 0;
  }
  slot = std::move(*dib);
  return 1;
}

}  // namespace

int DispClipboadBmp(App& app, Dc& dc) {
  std::optional<Dib> dib = clipboard_picture(app, "DispClipboadBmp");
  return dib ? DispBmp(app, dc, *dib, 0, 0) : 0;
}

int DispClipboadBmpType(App& app) {
  std::optional<Dib> dib = clipboard_picture(app, "DispClipboadBmpType");
  if (!dib) return 0;
  message(app.ui, "DispBmpType", printf_text("BitCount=%d", dib_info(*dib).bit_count));
  return 1;
}

int ChangeClipboadBmpToFullColor(App& app) {
  std::optional<Dib> dib = clipboard_picture(app, "ChangeClipboadBmpToFullColor");
  if (!dib) return 0;
  if (dib_info(*dib).bit_count == 24) return 1;  // already full colour: the clipboard stays
  std::optional<Dib> full = full_color_dib(*dib);
  if (!full) return 0;
  app.clipboard.set_dib(dib_to_packed(*full));
  return 1;
}

int GetClipboadBmp(App& app, Dib& slot) {
  return accept_picture(app, clipboard_picture(app, "GetClipboadBmp"), slot, Depth::kAny,
                        "GetClipboadBmp");
}

int GetFullColorClipboadBmp(App& app, Dib& slot) {
  const char* caption = "GetFullColorClipboadBmp";
  return accept_picture(app, clipboard_picture(app, caption), slot, Depth::kFullColorOnly, caption);
}

int copy_picture_to_clipboard(App& app, const Dib& dib) {
  if (dib.empty()) return 0;
  std::vector<std::uint8_t> packed = dib_to_packed(dib);
  if (packed.empty()) {
    report_dib_problem(app, "PutClipboadBmp", dib_info(dib).problem);
    return 0;
  }
  app.clipboard.clear();
  app.clipboard.set_dib(packed);
  return 1;
}

int bmp_file_to_clipboard(App& app, const std::string& path) {
  std::optional<Dib> dib = read_bmp_file(app, path, "BmpFileToClipboard");
  return dib ? copy_picture_to_clipboard(app, *dib) : 0;
}

int bmp_file_to_handle(App& app, const std::string& path, Dib& slot) {
  const char* caption = "BmpFileInToHandle";
  return accept_picture(app, read_bmp_file(app, path, caption), slot, Depth::kAny, caption);
}

int FullColorBmpFileInToHandle(App& app, const std::string& path, Dib& slot) {
  const char* caption = "FullColorBmpFileInToHandle";
  return accept_picture(app, read_bmp_file(app, path, caption), slot, Depth::kFullColorOnly,
                        caption);
}

int bmpfileout(App& app, const std::string& path) {
  std::optional<Dib> dib = clipboard_picture(app, "bmpfileout");
  return dib ? write_file_confirmed(app, path, dib_to_bmp_file(*dib)) : 0;
}

int picture_to_bmp_file(App& app, const std::string& path, const Dib& dib) {
  std::vector<std::uint8_t> file = dib_to_bmp_file(dib);
  if (file.empty()) {
    report_dib_problem(app, "bmpfileout",
                       dib.empty() ? DibProblem::kDamaged : dib_info(dib).problem);
    return 0;
  }
  return write_file_confirmed(app, path, file);
}

int text_file_to_clipboard(App& app, const std::string& path) {
  std::optional<std::vector<std::uint8_t>> bytes = read_whole_file(path);
  if (!bytes) {
    message(app.ui, "CAUTION", "ファイルオープン出来ません");
    return 0;
  }
  // Clipboard text ends at its first NUL, as any reader of it would see it.
  std::string text(bytes->begin(), bytes->end());
  text.resize(std::min(text.size(), text.find('\0')));
  app.clipboard.set_text(text);
  return 1;
}

int txtfileout(App& app, const std::string& path) {
  std::optional<std::string> text = app.clipboard.text();
  if (!text) {
    message(app.ui, "txtfileout", "no txt data");
    return 0;
  }
  std::vector<std::uint8_t> bytes(text->begin(), text->end());
  bytes.push_back(0);  // the clipboard block's terminating NUL goes into the file too
  return write_file_confirmed(app, path, bytes);
}

}  // namespace daub
