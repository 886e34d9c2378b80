#pragma once
// Pictures and texts between the clipboard, files and picture slots. A slot is
// a Dib the caller owns (a canvas, a bitmap element's image); it is replaced
// only when the new picture has been accepted.

#include <string>

#include "picture/dib.h"

namespace daub {
struct App;
class Dc;

// Draws the clipboard's picture at (0, 0); 0 after "no bmp data".
int DispClipboadBmp(App& app, Dc& dc);
// Shows "BitCount=%d" of the clipboard's picture (caption "DispBmpType").
int DispClipboadBmpType(App& app);
// Replaces the clipboard's picture by its 24-bit form.
int ChangeClipboadBmpToFullColor(App& app);
// The clipboard's picture (any bit count) replaces the slot's; 0 after "no bmp data".
int GetClipboadBmp(App& app, Dib& slot);
// The same for a 24-bit picture only ("Not full color bmp" otherwise).
int GetFullColorClipboadBmp(App& app, Dib& slot);
// Empties the clipboard and puts the picture on it; an empty picture does nothing.
int copy_picture_to_clipboard(App& app, const Dib& dib);

// A BMP file put on the clipboard.
int bmp_file_to_clipboard(App& app, const std::string& path);
// A BMP file (any bit count) replaces the slot's picture.
int bmp_file_to_handle(App& app, const std::string& path, Dib& slot);
// The same for a 24-bit file only ("Not full color bmp" otherwise).
int FullColorBmpFileInToHandle(App& app, const std::string& path, Dib& slot);
// The clipboard's picture written as a BMP file; 0 after "no bmp data".
int bmpfileout(App& app, const std::string& path);
// The picture written as a BMP file.
int picture_to_bmp_file(App& app, const std::string& path, const Dib& dib);

// A text file's bytes put on the clipboard as text.
int text_file_to_clipboard(App& app, const std::string& path);
// The clipboard's text written to a file with its terminating NUL; "no txt data"
// (caption "txtfileout") when there is none.
int txtfileout(App& app, const std::string& path);

}  // namespace daub
