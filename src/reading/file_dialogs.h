#pragma once
// The file dialog pattern shared by the drawing, bitmap and text file commands.

#include <string>

#include "platform/ui.h"

namespace daub {
struct App;

inline constexpr const char* kSklFilter = "skl files(*.skl)|*.skl|All Files(*.*)|*.*";
inline constexpr const char* kBmpFilter = "bmp files(*.bmp)|*.bmp|All Files(*.*)|*.*";
inline constexpr const char* kTxtFilter = "txt files(*.txt)|*.txt|All Files(*.*)|*.*";

// The one pattern behind every file dialog: it starts in `folder` with `name`
// in its name field. On OK `name` becomes the chosen file's name (without
// folder) and `folder` the directory the dialog ended in; returns 1. Cancel
// returns 0 and changes nothing.
int choose_file(App& app, FileDialogKind kind, const char* title, const char* filter,
                std::string& name, std::string& folder);

// Open and save dialogs for drawing files ("Get Draw skl file"): on OK the
// remembered name (sklname) becomes the chosen name and the working folder the
// dialog's folder; returns 1. Cancel returns 0 and changes nothing.
int open_skl_dialog(App& app);
int save_skl_dialog(App& app);
// The page save dialog: pagename / page folder.
int save_page_dialog(App& app);

// BMP files read or written by the picture commands ("Get Bmp file"):
// bmpname / working folder.
int bmp_dialog(App& app, FileDialogKind kind);
// Text files put on or taken from the clipboard ("Get txt file"): txtname /
// working folder.
int txt_dialog(App& app, FileDialogKind kind);
// The picture of a new bitmap element ("Get Bmp file"): the bitmap file name
// of the settings / working folder. On OK the settings keep the chosen name
// (code page 932); a name longer than the settings field holds is refused
// with "ファイルオープン出来ません" ("CAUTION") and changes nothing.
int bitmap_element_dialog(App& app);

}  // namespace daub
