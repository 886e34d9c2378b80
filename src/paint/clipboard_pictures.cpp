#include "paint/clipboard_pictures.h"

namespace daub {
int DispClipboadBmp(App&, Dc&) { return 0; }
int DispClipboadBmpType(App&) { return 0; }
int ChangeClipboadBmpToFullColor(App&) { return 0; }
int GetClipboadBmp(App&, Dib&) { return 0; }
int GetFullColorClipboadBmp(App&, Dib&) { return 0; }
int copy_picture_to_clipboard(App&, const Dib&) { return 0; }
int bmp_file_to_clipboard(App&, const std::string&) { return 0; }
int bmp_file_to_handle(App&, const std::string&, Dib&) { return 0; }
int FullColorBmpFileInToHandle(App&, const std::string&, Dib&) { return 0; }
int bmpfileout(App&, const std::string&) { return 0; }
int picture_to_bmp_file(App&, const std::string&, const Dib&) { return 0; }
int text_file_to_clipboard(App&, const std::string&) { return 0; }
int txtfileout(App&, const std::string&) { return 0; }
}  // namespace daub
