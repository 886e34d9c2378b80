#pragma once
// Bitmap elements: an anchor, a rate (world units per picture pixel) and a
// picture in memory form stored right behind the record in the drawing block.
// Elements are named by their number in the layer's bitmap chain; a layer
// below 1 means layer 1. Failures report "レイヤーが存在しません" (no such
// layer), "データが存在しません" (no bitmaps in the layer) or
// "該当データが存在しません" (no element of that number) under the operation's
// name and return 0 with the drawing unchanged.

#include <optional>

#include "model/app.h"
#include "model/records.h"
#include "picture/dib.h"

namespace daub {
class Dc;

// Reads the BMP file named in the settings (working folder) and appends it at
// nowpoint with the settings' rate; sets nowbmp. Returns the element number,
// 0 when the file cannot be read.
int setbmp(App& app, int layer);
// Appends a copy of the picture with the template's anchor and rate; sets
// nowbmp. Returns the element number.
int setbmp(App& app, const BitmapRecord& tmpl, const Dib& dib, int layer);
// Appends the clipboard's picture at nowpoint with the settings' rate; sets
// nowbmp. "no bmp data" (caption "SetClipboadBmp") when there is none.
int SetClipboadBmp(App& app, int layer);

// The element whose anchor is nearest to the point (strictly nearer than
// 10000.0 and than every earlier one) and its anchor; 0 when there is none.
int nearestbmp(App& app, DPoint point, DPoint& anchor, int layer);
// Copies the record of element n; returns n.
int getbmp(App& app, int n, BitmapRecord& out, int layer);
// Copies the record of element n and returns a copy of its picture.
std::optional<Dib> getbmphandle(App& app, int n, BitmapRecord& out, int layer);
// A copy of the picture of element n, with its anchor.
std::optional<Dib> bitmap_anchor(App& app, int n, DPoint& anchor, int layer);

// Puts the anchor of element n at (x, y); returns n.
int bmpmove(App& app, int n, double x, double y, int layer);
// Moves the element nearest to the press by the drag and makes it current;
// returns its number.
int move_bitmap_by_drag(App& app, DPoint press, DPoint release, int layer);
// Gives element n the settings' rate; returns n.
int bmpnow(App& app, int n, int layer);
// Gives element n a new picture, keeping its anchor and rate; the old
// picture's bytes are dropped by the compaction that follows. Returns n.
int bmpchange(App& app, int n, const Dib& dib, int layer);

// Unlinks element n, makes its anchor the current point (angle 0) and
// compacts the block; returns n.
int delbmp(App& app, int n, int layer);
// Deletes the element nearest to the point and clears nowbmp; returns the
// number it had.
int delete_bitmap_at(App& app, DPoint point, int layer);
// Puts a copy of the picture of element n on the clipboard; returns n.
int copy_bitmap_to_clipboard(App& app, int n, int layer);

// The picture bytes of a record; never more than the block holds.
Dib picture_of(const Block& block, const BitmapRecord& record);

// Detaches the bitmap chain of layer n; its records stay as dead bytes until
// compaction. Returns 1, or 0 when the layer does not exist.
int allbmpdel(App& app, int n);

}  // namespace daub
